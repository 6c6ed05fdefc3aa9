#include "desktop/help_window.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "vela_version.h"

namespace vela::desktop {

namespace {

constexpr int kHelpWidth = 720;
constexpr int kHelpHeight = 560;
// What a window manager's title bar and borders take around the window.
constexpr QSize kFrameAllowance(16, 40);

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
    // The page is read top to bottom, never sideways: lines wrap at the window's width, a long
    // word or address anywhere.
    helpBrowser->setLineWrapMode(QTextEdit::WidgetWidth);
    helpBrowser->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    helpBrowser->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(helpBrowser, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowHelpLink);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(helpBrowser);
    layout->addWidget(buttons);
    // No larger than the screen leaves room for, so its close box and Close button stay in reach on
    // a small or highly scaled screen; placed within the screen's available area.
    QSize size(kHelpWidth, kHelpHeight);
    if (const QScreen* display = parent != nullptr ? parent->screen() : screen()) {
        const QRect available = display->availableGeometry();
        size = size.boundedTo(available.size() - kFrameAllowance);
        resize(size);
        move(available.topLeft() + QPoint((available.width() - size.width() - kFrameAllowance.width()) / 2,
                                          (available.height() - size.height() - kFrameAllowance.height()) / 2));
    } else {
        resize(size);
    }
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
