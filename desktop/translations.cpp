#include "desktop/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace vela::desktop {

namespace {

const QString kCatalogueName = QStringLiteral("vela-upagrahas");

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
            return programTexts;
        }
    }
    delete programTexts;
    return nullptr;
}

}  // namespace vela::desktop
