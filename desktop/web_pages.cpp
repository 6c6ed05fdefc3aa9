#include "desktop/web_pages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include "desktop/translations.h"

namespace vela::desktop {

namespace {

constexpr std::string_view kHelpFileName = "help.html";

reading::UserMessage PlaceMissing(std::string text, reading::FormField focus) {
    return {std::move(text), reading::MsgIcon::Critical, focus, reading::LatChoice::None, reading::LonChoice::None};
}

QString FromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

std::string_view WebPageAddressOf(WebPage page) {
    for (const auto& entry : kWebPages)
        if (entry.page == page) return entry.address;
    return kWebPages.front().address;
}

QStringList HelpPageCandidates() {
    // The page in the language of the user interface ("help_hi.html") before the English one, in
    // each folder the program looks in.
    QStringList helpNames;
    if (const upagraha::Language language = InterfaceLanguage(); language != upagraha::Language::English)
        helpNames << QStringLiteral("help_%1.html").arg(FromView(upagraha::LanguageCode(language)));
    helpNames << FromView(kHelpFileName);
    QStringList folders;
    // applicationDirPath needs a running application; the source folder serves without one.
    if (QCoreApplication::instance() != nullptr) {
        const QDir exeDir(QCoreApplication::applicationDirPath());
        folders << exeDir.path() << exeDir.filePath(QStringLiteral("docs"))
                << exeDir.filePath(QStringLiteral("../share/vela-upagrahas"));
    }
#ifdef VELA_SOURCE_DOCS_DIR
    folders << QStringLiteral(VELA_SOURCE_DOCS_DIR);
#endif
    QStringList candidates;
    for (const QString& name : helpNames)
        for (const QString& folder : folders) candidates << QDir(folder).filePath(name);
    return candidates;
}

std::optional<QUrl> LocalHelpPage() {
    for (const QString& path : HelpPageCandidates()) {
        const QFileInfo info(path);
        if (info.isFile() && info.isReadable()) return QUrl::fromLocalFile(info.canonicalFilePath());
    }
    return std::nullopt;
}

QUrl WebPageUrl(WebPage page) {
    if (page == WebPage::OnlineHelp)
        if (auto local = LocalHelpPage()) return *local;
    return QUrl(FromView(WebPageAddressOf(page)));
}

QString BrowserFailedText(const QUrl& url) {
    return QCoreApplication::translate("vela::desktop::WebPages",
                                       "No web browser could open the page. Its address, to copy into a browser:\n%1")
        .arg(url.toString(QUrl::FullyEncoded));
}

bool OpenInDefaultBrowser(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool OpenWebPage(WebPage page, const UrlOpener& opener) {
    const auto open = [&opener](const QUrl& url) { return opener ? opener(url) : OpenInDefaultBrowser(url); };
    const QUrl url = WebPageUrl(page);
    if (open(url)) return true;
    // A desktop may have a browser but nothing that opens local files; the online copy of the help
    // then serves instead of no help at all.
    const QUrl online(FromView(WebPageAddressOf(page)));
    return url.isLocalFile() && open(online);
}

LatLongLookup PrepareLatLongLookup(std::string_view city, std::string_view state, std::string_view country) {
    LatLongLookup lookup;
    // Only an empty box stops the lookup; blanks are the user's text and go into the search as typed.
    if (city.empty()) {
        lookup.message =
            PlaceMissing(QCoreApplication::translate("vela::desktop::WebPages", "Please Enter City").toStdString(),
                         reading::FormField::City);
    } else if (state.empty()) {
        lookup.message =
            PlaceMissing(QCoreApplication::translate("vela::desktop::WebPages", "Please Enter State").toStdString(),
                         reading::FormField::State);
    } else if (country.empty()) {
        lookup.message =
            PlaceMissing(QCoreApplication::translate("vela::desktop::WebPages", "Please Enter Country").toStdString(),
                         reading::FormField::Country);
    } else {
        lookup.searchText.append(city).append(" ").append(state).append(" ").append(country);
        lookup.searchText += " Latitude Longitude";
    }
    return lookup;
}

QUrl LatLongSearchUrl(const std::string& searchText) {
    QByteArray encoded(WebPageAddressOf(WebPage::LatLongSearch).data(),
                       static_cast<qsizetype>(WebPageAddressOf(WebPage::LatLongSearch).size()));
    encoded += QUrl::toPercentEncoding(QString::fromStdString(searchText));
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

}  // namespace vela::desktop
