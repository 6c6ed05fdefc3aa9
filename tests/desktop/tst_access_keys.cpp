// Every access key (the underlined letter of a caption, Alt and the letter) leads to one control
// only: in each window, with each panel and tab in front, and in each menu.
#include <QAbstractButton>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "desktop/about_dialog.h"
#include "desktop/help_window.h"
#include "desktop/profile_dialog.h"
#include "gui_test_support.h"
#include "upagraha/profiles.h"

using namespace vela;
using namespace vela::guitest;

namespace {

// Access key -> the captions that claim it.
using KeyClaims = QMap<QString, QStringList>;

void Claim(KeyClaims& claims, const QString& caption) {
    const QKeySequence key = QKeySequence::mnemonic(caption);
    if (!key.isEmpty()) claims[key.toString()] << caption;
}

// The captions a person sees together in `top`: buttons, labels that lead to a box, group boxes,
// tabs and the menu bar's titles. A control on a tab that is not in front is not seen.
KeyClaims VisibleClaims(QWidget& top) {
    KeyClaims claims;
    QList<QWidget*> widgets = top.findChildren<QWidget*>();
    widgets.prepend(&top);
    for (QWidget* widget : widgets) {
        if (widget != &top && !widget->isVisibleTo(&top)) continue;
        if (qobject_cast<QMenu*>(widget) != nullptr) continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            Claim(claims, button->text());
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->buddy() != nullptr) Claim(claims, label->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            Claim(claims, group->title());
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->isTabVisible(i)) Claim(claims, tabs->tabText(i));
        } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            for (const QAction* action : bar->actions())
                if (action->isVisible()) Claim(claims, action->text());
        }
    }
    return claims;
}

KeyClaims MenuClaims(const QMenu& menu) {
    KeyClaims claims;
    for (const QAction* action : menu.actions())
        if (action->isVisible() && !action->isSeparator()) Claim(claims, action->text());
    return claims;
}

// The keys claimed by more than one caption, as "Alt+C: &Chart, &Conventions"; none is a pass.
// `allowed` names captions of the original program that share a key there too.
QStringList Clashes(const KeyClaims& claims, QStringList allowed = {}) {
    allowed.sort();
    QStringList clashes;
    for (auto it = claims.cbegin(); it != claims.cend(); ++it) {
        QStringList captions = it.value();
        captions.sort();
        if (captions.size() < 2 || captions == allowed) continue;
        clashes << it.key() + QStringLiteral(": ") + captions.join(QStringLiteral(", "));
    }
    return clashes;
}

// The original program's form button and menu bar item both underline the O; Alt+O opens a
// reading from the form, and the menu bar item stays one click away.
const QStringList kOriginalsSharingAltO{QStringLiteral("&Open Previously Saved Reading"),
                                        QStringLiteral("Make Money &Online")};

}  // namespace

class AccessKeysTest : public WindowTest {
    Q_OBJECT

private slots:
    void init() { StartWindow(); }
    void cleanup() { StopWindow(); }
    void the_main_window_gives_each_key_to_one_control();
    void each_menu_gives_each_key_to_one_item();
    void the_dialogs_give_each_key_to_one_control();
    void the_walk_sees_a_clash();
};

void AccessKeysTest::the_main_window_gives_each_key_to_one_control() {
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);
    QStringList clashes = Clashes(VisibleClaims(W()), kOriginalsSharingAltO);
    QVERIFY2(clashes.isEmpty(), qPrintable(QStringLiteral("form: ") + clashes.join(u'|')));

    FillKnownGoodReading(W());
    Press(W(), "calculateButton");
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
    auto* tabs = W().findChild<QTabWidget*>(QStringLiteral("resultTabs"));
    QVERIFY(tabs != nullptr);
    QVERIFY(tabs->count() >= 4);
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        clashes = Clashes(VisibleClaims(W()));
        QVERIFY2(clashes.isEmpty(), qPrintable(tabs->tabText(i) + QStringLiteral(": ") + clashes.join(u'|')));
    }
}

void AccessKeysTest::each_menu_gives_each_key_to_one_item() {
    // A reading saved, so the recent readings are listed too.
    FillKnownGoodReading(W());
    Press(W(), "calculateButton");
    recorder->dialogAnswers << tempDir->filePath(QStringLiteral("asha.ved"));
    Press(W(), "saveButton");
    const QList<QMenu*> menus = W().findChildren<QMenu*>();
    QVERIFY(menus.size() >= 3);
    for (const QMenu* menu : menus) {
        const QStringList clashes = Clashes(MenuClaims(*menu));
        QVERIFY2(clashes.isEmpty(), qPrintable(menu->title() + QStringLiteral(": ") + clashes.join(u'|')));
    }
}

void AccessKeysTest::the_dialogs_give_each_key_to_one_control() {
    watchdog->Pause(true);
    desktop::ProfileDialog profile(upagraha::kOriginalProfile, &W());
    profile.show();
    QVERIFY(QTest::qWaitForWindowExposed(&profile));
    QStringList clashes = Clashes(VisibleClaims(profile));
    QVERIFY2(clashes.isEmpty(), qPrintable(QStringLiteral("profile: ") + clashes.join(u'|')));
    profile.close();

    std::unique_ptr<QDialog> about(desktop::CreateAboutDialog(&W()));
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about.get()));
    clashes = Clashes(VisibleClaims(*about));
    QVERIFY2(clashes.isEmpty(), qPrintable(QStringLiteral("about: ") + clashes.join(u'|')));
    about->close();

    QFile page(tempDir->filePath(QStringLiteral("help.html")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html><body><h1>Help</h1><p>A page.</p></body></html>");
    page.close();
    desktop::HelpWindow help(QUrl::fromLocalFile(page.fileName()), {}, &W());
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    clashes = Clashes(VisibleClaims(help));
    QVERIFY2(clashes.isEmpty(), qPrintable(QStringLiteral("help: ") + clashes.join(u'|')));
    help.close();
    watchdog->Pause(false);
}

void AccessKeysTest::the_walk_sees_a_clash() {
    // The walk itself: two buttons on one key are named; a doubled ampersand is no key.
    QWidget panel;
    new QPushButton(QStringLiteral("&Chart"), &panel);
    auto* second = new QPushButton(QStringLiteral("&Copy Table"), &panel);
    new QPushButton(QStringLiteral("Latitude && Longitude"), &panel);
    QCOMPARE(Clashes(VisibleClaims(panel)), QStringList(QStringLiteral("Alt+C: &Chart, &Copy Table")));
    second->hide();
    QVERIFY(Clashes(VisibleClaims(panel)).isEmpty());
}

QTEST_MAIN(AccessKeysTest)
#include "tst_access_keys.moc"
