#include "desktop/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace vela::desktop {

namespace {

const QString kCatalogueName = QStringLiteral("vela-upagrahas");

// The program's catalogue installed now, and its language; the application owns the translator.
// A QPointer: whoever deletes the translator (a test) leaves it empty rather than dangling.
QPointer<QTranslator> installedCatalogue;
upagraha::Language installedLanguage = upagraha::Language::English;

upagraha::Language LanguageOfCatalogue(const QTranslator& catalogue) {
    return upagraha::LanguageFromCode(catalogue.language().left(2).toStdString()).value_or(upagraha::Language::English);
}

}  // namespace

QStringList TranslationFolders() {
    QStringList folders;
    // applicationDirPath needs a running application; the build tree serves without one.
    if (QCoreApplication::instance() != nullptr) {
        const QDir exeDir(QCoreApplication::applicationDirPath());
        folders << exeDir.filePath(QStringLiteral("translations"))
                << exeDir.filePath(QStringLiteral("../share/vela-upagrahas/translations"));
    }
#ifdef VELA_BUILD_TRANSLATIONS_DIR
    folders << QStringLiteral(VELA_BUILD_TRANSLATIONS_DIR);
#endif
    return folders;
}

QTranslator* InstallTranslations(const QLocale& locale, const QStringList& folders) {
    // The translators live as long as the application, which takes them down with it.
    auto* qtTexts = new QTranslator(QCoreApplication::instance());
    if (qtTexts->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
    auto* programTexts = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : folders) {
        if (programTexts->load(locale, kCatalogueName, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(programTexts);
            if (installedCatalogue != nullptr) QCoreApplication::removeTranslator(installedCatalogue);
            installedCatalogue = programTexts;
            installedLanguage = LanguageOfCatalogue(*programTexts);
            return programTexts;
        }
    }
    delete programTexts;
    return nullptr;
}

upagraha::Language InterfaceLanguage() { return installedLanguage; }

upagraha::Language LanguageOfLocale(const QLocale& locale) {
    for (const QString& name : locale.uiLanguages()) {
        const auto language = upagraha::LanguageFromCode(name.left(2).toStdString());
        if (language && name.size() >= 2 && (name.size() == 2 || !name.at(2).isLetter())) return *language;
    }
    return upagraha::Language::English;
}

bool SwitchLanguage(upagraha::Language language, const QStringList& folders) {
    QTranslator* catalogue = nullptr;
    if (language != upagraha::Language::English) {
        const QString code = QString::fromUtf8(upagraha::LanguageCode(language).data(),
                                               static_cast<qsizetype>(upagraha::LanguageCode(language).size()));
        catalogue = new QTranslator(QCoreApplication::instance());
        bool loaded = false;
        for (const QString& folder : folders) {
            if (catalogue->load(kCatalogueName + QLatin1Char('_') + code, folder)) {
                loaded = true;
                break;
            }
        }
        if (!loaded) {
            delete catalogue;
            return false;
        }
    }
    // Each change of the installed translators sends the widgets a LanguageChange event.
    if (installedCatalogue != nullptr) {
        QCoreApplication::removeTranslator(installedCatalogue);
        installedCatalogue->deleteLater();
    }
    installedCatalogue = catalogue;
    installedLanguage = language;
    if (catalogue != nullptr) QCoreApplication::installTranslator(catalogue);
    return true;
}

}  // namespace vela::desktop
