#include "desktop/help_window.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

#include "desktop/web_pages.h"
#include "vela_version.h"

namespace vela::desktop {

namespace {

constexpr int kHelpWidth = 720;
constexpr int kHelpHeight = 560;
// What a window manager's title bar and borders take around the window.
constexpr QSize kFrameAllowance(16, 40);

// A picture as the document holds it: an image, a pixmap, or the bytes of its file.
QImage PictureOf(const QVariant& resource) {
    if (resource.userType() == QMetaType::QImage) return resource.value<QImage>();
    if (resource.userType() == QMetaType::QPixmap) return resource.value<QPixmap>().toImage();
    if (resource.userType() == QMetaType::QByteArray) return QImage::fromData(resource.toByteArray());
    return {};
}

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
    connect(helpBrowser, &QTextBrowser::sourceChanged, this, &HelpWindow::FitPictures);
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

void HelpWindow::ShowPage(const QUrl& page) {
    if (helpBrowser->source() != page) helpBrowser->setSource(page);
}

void HelpWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(tr("%1 Help").arg(QString::fromUtf8(kAppTitle)));
        // The bundled page follows the language; a page shown from elsewhere stays.
        const QString shown = helpBrowser->source().adjusted(QUrl::RemoveFragment).fileName();
        if (shown.startsWith(QStringLiteral("help")) && shown.endsWith(QStringLiteral(".html")))
            if (const auto page = LocalHelpPage()) ShowPage(*page);
    }
    QDialog::changeEvent(event);
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FitPictures();
}

void HelpWindow::FitPictures() {
    QTextDocument* document = helpBrowser->document();
    // The room a line has: the viewport, less the document's margins and a scroll bar that may come.
    const qreal room = helpBrowser->viewport()->width() - 2 * document->documentMargin() -
                       helpBrowser->verticalScrollBar()->sizeHint().width();
    if (room <= 0) return;
    // Each picture's place and its width and height as the page gives them (its own when not given);
    // set after the walk, which a change of format would disturb.
    std::vector<std::pair<QTextCursor, QTextImageFormat>> pictures;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || !fragment.charFormat().isImageFormat()) continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            const QImage image = PictureOf(document->resource(QTextDocument::ImageResource, QUrl(format.name())));
            if (image.isNull()) continue;
            // The picture's own size is kept in a property of its own, so that a wider window
            // gives back what a narrower one took.
            constexpr int kNaturalWidth = QTextFormat::UserProperty + 1;
            if (!format.hasProperty(kNaturalWidth)) format.setProperty(kNaturalWidth, image.width());
            const qreal natural = format.property(kNaturalWidth).toReal();
            const qreal width = std::min(natural, room);
            if (qFuzzyCompare(format.width(), width)) continue;
            format.setWidth(width);
            format.setHeight(image.height() * width / image.width());
            QTextCursor cursor(document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            pictures.emplace_back(cursor, format);
        }
    }
    for (auto& [cursor, format] : pictures) cursor.setCharFormat(format);
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
