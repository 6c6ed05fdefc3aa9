#include "desktop/help_window.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "vela_version.h"

namespace vela::desktop {

namespace {

constexpr int kHelpWidth = 720;
constexpr int kHelpHeight = 560;

}  // namespace

HelpWindow::HelpWindow(const QUrl& page, std::function<bool(const QUrl&)> webOpener, QWidget* parent)
    : QDialog(parent), openWeb(std::move(webOpener)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("%1 Help").arg(QString::fromUtf8(kAppTitle)));
    // A window beside the main one, not in front of it: the user may read and type at once.
    setModal(false);
    helpBrowser = new QTextBrowser(this);
    helpBrowser->setObjectName(QStringLiteral("helpBrowser"));
    helpBrowser->setOpenLinks(false);
    connect(helpBrowser, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowHelpLink);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(helpBrowser);
    layout->addWidget(buttons);
    resize(kHelpWidth, kHelpHeight);
    helpBrowser->setSource(page);
}

void HelpWindow::FollowHelpLink(const QUrl& url) {
    // The page's own sections and pictures stay here; anything on the web is the browser's.
    if (url.isLocalFile() || url.isRelative() || url.scheme() == QStringLiteral("qrc")) {
        helpBrowser->setSource(helpBrowser->source().resolved(url));
        return;
    }
    if (openWeb) openWeb(url);
}

}  // namespace vela::desktop
