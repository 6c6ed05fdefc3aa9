// Help inside the program: the bundled help page in a window of its own.
//
// The help page (docs/help.html, installed beside the program) is read from disk and shown in a
// text browser, so help needs neither a network nor a web browser. Links inside the page move
// within it; a link to the web goes to the browser through the window's opener, and when that
// fails the address is given as text to copy.
#pragma once

#include <QDialog>
#include <QUrl>

#include <functional>

class QTextBrowser;

namespace vela::desktop {

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    // `openWeb` opens an address in the browser and tells whether it could.
    HelpWindow(const QUrl& page, std::function<bool(const QUrl&)> openWeb, QWidget* parent);
    // Shows the page (the help in another language) unless it is the one shown.
    void ShowPage(const QUrl& page);

    QTextBrowser* Browser() const { return helpBrowser; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    // A new language: the title, and the bundled page in that language.
    void changeEvent(QEvent* event) override;

private:
    void FollowHelpLink(const QUrl& url);
    // Pictures wider than the page's room are shown scaled down to it, never cut off.
    void FitPictures();

    QTextBrowser* helpBrowser = nullptr;
    std::function<bool(const QUrl&)> openWeb;
};

}  // namespace vela::desktop
