#include "desktop/help_window.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "vela_version.h"

namespace vela::modHelpWindow {

namespace {

constexpr int kHelpWidth = 720;
constexpr int kHelpHeight = 560;

}  // namespace

HelpWindow::HelpWindow(const QUrl& page, std::function<bool(const QUrl&)> webOpener, QWidget* parent)
    : QDialog(parent), openWeb(std::move(webOpener)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("%1 Help").arg(QString::fromUtf8(kAppTitle)));
    // A window beside the main one, not in front of it: the user may read and type at once.
    setModal(false);
    txtHelp = new QTextBrowser(this);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->setOpenLinks(false);
    connect(txtHelp, &QTextBrowser::anchorClicked, this, &HelpWindow::txtHelp_AnchorClicked);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtHelp);
    layout->addWidget(buttons);
    resize(kHelpWidth, kHelpHeight);
    txtHelp->setSource(page);
}

void HelpWindow::txtHelp_AnchorClicked(const QUrl& url) {
    // The page's own sections and pictures stay here; anything on the web is the browser's.
    if (url.isLocalFile() || url.isRelative() || url.scheme() == QStringLiteral("qrc")) {
        txtHelp->setSource(txtHelp->source().resolved(url));
        return;
    }
    if (openWeb) openWeb(url);
}

}  // namespace vela::modHelpWindow
