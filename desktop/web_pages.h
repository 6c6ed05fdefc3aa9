// The fixed web pages the window points to, and the coordinate lookup.
//
// Every address the desktop program opens lives in the table kWebPages, so changing the publisher's
// site means editing one place. The help page is our own HTML file, installed with the program and
// opened from disk so that help works offline; only when no copy of it is found does the online
// help address stand in for it.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "reading/birth_form.h"

namespace vela::desktop {

enum class WebPage { OnlineHelp, HomePage, SoftwareUpdate, Donation, FullBranding, CoBranding, LatLongSearch };

struct WebPageAddress {
    WebPage page;
    std::string_view address;
};

// The lookup's entry is a prefix: the URL-encoded search text is appended to it.
inline constexpr std::array<WebPageAddress, 7> kWebPages = {{
    {WebPage::OnlineHelp, "https://vela-upagrahas.example/help/"},
    {WebPage::HomePage, "https://vela-upagrahas.example/"},
    {WebPage::SoftwareUpdate, "https://vela-upagrahas.example/download/"},
    {WebPage::Donation, "https://vela-upagrahas.example/donate/"},
    {WebPage::FullBranding, "https://vela-upagrahas.example/branding/full/"},
    {WebPage::CoBranding, "https://vela-upagrahas.example/branding/co/"},
    {WebPage::LatLongSearch, "https://duckduckgo.com/?q="},
}};

std::string_view WebPageAddressOf(WebPage page);

// Where the installed help page may be, most specific first: beside the executable, in the
// share folder of an installation next to it, and in the source tree of a developer build.
QStringList HelpPageCandidates();

// The address to open for a page: a local file for the help page when a copy exists.
QUrl WebPageUrl(WebPage page);

// The installed help page on disk, which the program shows itself; nothing when no copy exists.
std::optional<QUrl> LocalHelpPage();

// The message when no browser could open an address: the address itself, to copy by hand.
QString BrowserFailedText(const QUrl& url);

// Opens an address in the user's default browser; false when nothing could be started.
using UrlOpener = std::function<bool(const QUrl&)>;
bool OpenInDefaultBrowser(const QUrl& url);

// Asks the opener for the page (the default browser when the opener is empty); when the local
// help file cannot be opened, its online address is tried. False when nothing could open it: the
// caller reports that (the window gives the address to copy, BrowserFailedText).
bool OpenWebPage(WebPage page, const UrlOpener& opener);

// The "find latitude and longitude" button: the place boxes as typed, checked in this order.
struct LatLongLookup {
    std::optional<reading::UserMessage> message;  // the first empty box, else nothing
    std::string searchText;                       // "Pune Maharashtra India Latitude Longitude"
};
LatLongLookup PrepareLatLongLookup(std::string_view city, std::string_view state, std::string_view country);

// The web search that shows the user the coordinates of a place.
QUrl LatLongSearchUrl(const std::string& searchText);

}  // namespace vela::desktop
