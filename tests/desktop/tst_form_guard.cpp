// The form guarding the reading: the zone questioned when it cannot be the place's clock, the zone
// proposed for coordinates typed by hand, the keyboard, help without a browser, and what the window
// remembers (recent readings, the last folder).
//
// The zone sentence is the worked example, checked by hand: row 0 is -9:00, and 77°13' E
// has the mean time 77.2167 / 15 h = +5:09. Atlas facts (Delhi in Asia/Kolkata, +05:30 in 1975)
// come from Debian's geographical database and time-zone data, as in tst_atlas.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include <memory>

#include "desktop/help_window.h"
#include "gui_test_support.h"
#include "reading/calculation_driver.h"
#include "reading/reading_file.h"
#include "tests/support/reference_forms.h"

using namespace vela;
using namespace vela::guitest;

namespace {

const QString kSlipQuestion = QStringLiteral(
    "Alaska/Hawaii Daylight Time is \u22129:00; the mean time at 77\u00B013\u2032 E is +5:09. Calculate with this "
    "zone?");

// Writes a reading file of the form, as the program saves one; false when that failed.
bool WriteReading(const QString& path, const reading::BirthForm& form) {
    reading::Reading state;
    if (!reading::RunCalculation(form, state).Succeeded()) return false;
    return !reading::SaveReadingFile(path.toStdString(), state, form.zoneRow);
}

QStringList FileMenuTexts(QMainWindow& window) {
    QStringList texts;
    for (const QAction* action : window.menuBar()->actions().front()->menu()->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

}  // namespace

class FormGuardTest : public WindowTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void a_zone_far_from_the_place_is_questioned_before_calculating();
    void the_question_comes_after_the_forms_own_messages();
    void a_reading_file_with_such_a_zone_is_questioned_too();
    void typed_coordinates_get_the_nearest_places_zone_as_a_proposal();
    void coordinates_far_from_any_place_propose_nothing();
    void the_boxes_stay_put_while_the_proposal_comes_and_goes();
    void a_name_from_a_file_that_breaks_the_rule_is_named_when_calculated();
    void enter_in_any_form_box_calculates_data();
    void enter_in_any_form_box_calculates();
    void enter_on_a_focused_button_presses_it();
    void alt_o_on_the_form_opens_a_reading_at_the_first_press();
    void the_standard_shortcuts_are_shown_and_work();
    void escape_and_ctrl_n_bring_the_form_back_for_a_new_reading();
    void help_is_shown_inside_the_program();
    void help_comes_in_the_language_of_the_window();
    void a_web_link_of_the_help_without_a_browser_gives_its_address();
    void saved_and_opened_readings_are_offered_again_from_the_file_menu();
    void the_dialogs_start_in_the_last_folder_used();
    void a_recent_reading_that_has_gone_leaves_the_menu();
};

void FormGuardTest::init() { StartWindow(); }

void FormGuardTest::cleanup() { StopWindow(); }

void FormGuardTest::a_zone_far_from_the_place_is_questioned_before_calculating() {
    FillKnownGoodReading(W());
    ChoosePosition(W(), "zoneCombo", 0);
    recorder->answerYes = false;
    Press(W(), "calculateButton");
    QCOMPARE(recorder->questions, QStringList(kSlipQuestion));
    // No: back to the zone list, nothing calculated.
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);
    QCOMPARE(window->focusWidget(), Control<QWidget>(W(), "zoneCombo"));
    QVERIFY(Control<QTextEdit>(W(), "reportView")->document()->isEmpty());

    // Yes: the reading is made with the zone chosen.
    recorder->answerYes = true;
    Press(W(), "calculateButton");
    QCOMPARE(recorder->questions.size(), 2);
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
    QCOMPARE(window->ChartState().zoneRow, std::int16_t{0});

    // The place's own zone asks nothing.
    Press(W(), "backButton");
    ChoosePosition(W(), "zoneCombo", 34);
    Press(W(), "calculateButton");
    QCOMPARE(recorder->questions.size(), 2);
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
    QVERIFY(recorder->messages.isEmpty());
}

void FormGuardTest::the_question_comes_after_the_forms_own_messages() {
    // The form as it opens: the first zone row, and nothing typed. Only the name is named.
    Press(W(), "calculateButton");
    QCOMPARE(recorder->MessageTexts(), QStringList(QStringLiteral("Please Enter Your Name")));
    QVERIFY(recorder->questions.isEmpty());
}

void FormGuardTest::a_reading_file_with_such_a_zone_is_questioned_too() {
    reading::BirthForm form = NewDelhiForm();
    form.zoneRow = 0;
    const QString path = tempDir->filePath(QStringLiteral("slip.ved"));
    QVERIFY(WriteReading(path, form));
    recorder->answerYes = false;
    window->OpenReadingPath(path);
    QCOMPARE(recorder->questions, QStringList(kSlipQuestion));
    QCOMPARE(Control<QComboBox>(W(), "zoneCombo")->currentIndex(), 0);
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);
}

void FormGuardTest::typed_coordinates_get_the_nearest_places_zone_as_a_proposal() {
    recorder->realAtlas = true;
    NewWindow();
    ChooseEntry(W(), "dayCombo", QStringLiteral("15"));
    ChooseEntry(W(), "monthCombo", QStringLiteral("June"));
    ChooseEntry(W(), "yearCombo", QStringLiteral("1975"));
    auto* proposal = Control<QLabel>(W(), "zoneProposalLabel");
    auto* use = Control<QPushButton>(W(), "useZoneButton");
    TypeInto(W(), "latDegreesEdit", QStringLiteral("28"));
    TypeInto(W(), "latMinutesEdit", QStringLiteral("37"));
    TypeInto(W(), "lonDegreesEdit", QStringLiteral("77"));
    // Three boxes of four: nothing yet.
    QVERIFY(!proposal->isVisible());
    TypeInto(W(), "lonMinutesEdit", QStringLiteral("13"));
    QVERIFY(proposal->isVisible());
    const QStringList lines = proposal->text().split(u'\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[0].startsWith(QStringLiteral("Nearest place in the atlas: ")) && lines[0].contains(u"India ("),
             qPrintable(lines[0]));
    QCOMPARE(lines[1], QStringLiteral("Asia/Kolkata on 15 Jun 1975: +05:30, no daylight saving"));
    QCOMPARE(lines[2], QStringLiteral("Proposed: \"Indian Time, IST, +5.3\", Daylight Saving Time clear"));
    // A typed choice is never changed by itself: the form keeps the first row, is warned, and is
    // offered the proposal.
    QCOMPARE(Control<QComboBox>(W(), "zoneCombo")->currentIndex(), 0);
    QVERIFY(Control<QLabel>(W(), "zoneWarningLabel")->isVisible());
    QVERIFY(use->isVisible());

    QTest::mouseClick(use, Qt::LeftButton);
    QCOMPARE(Control<QComboBox>(W(), "zoneCombo")->currentIndex(), 34);
    QVERIFY(!Control<QCheckBox>(W(), "dstCheck")->isChecked());
    QVERIFY(!Control<QLabel>(W(), "zoneWarningLabel")->isVisible());
    QVERIFY(!use->isVisible());
    QVERIFY(recorder->messages.isEmpty());
}

void FormGuardTest::coordinates_far_from_any_place_propose_nothing() {
    recorder->realAtlas = true;
    NewWindow();
    // The open Atlantic, 30° N 40° W.
    TypeInto(W(), "latDegreesEdit", QStringLiteral("30"));
    TypeInto(W(), "latMinutesEdit", QStringLiteral("0"));
    TypeInto(W(), "lonDegreesEdit", QStringLiteral("40"));
    TypeInto(W(), "lonMinutesEdit", QStringLiteral("0"));
    PickRadio(W(), "westRadio");
    QVERIFY(!Control<QLabel>(W(), "zoneProposalLabel")->isVisible());
    QVERIFY(!Control<QPushButton>(W(), "useZoneButton")->isVisible());
}

void FormGuardTest::the_boxes_stay_put_while_the_proposal_comes_and_goes() {
    recorder->realAtlas = true;
    NewWindow();
    ChooseEntry(W(), "dayCombo", QStringLiteral("15"));
    ChooseEntry(W(), "monthCombo", QStringLiteral("June"));
    ChooseEntry(W(), "yearCombo", QStringLiteral("1975"));
    auto* latitude = Control<QLineEdit>(W(), "latDegreesEdit");
    auto* city = Control<QLineEdit>(W(), "cityEdit");
    auto* proposal = Control<QLabel>(W(), "zoneProposalLabel");
    auto* warning = Control<QLabel>(W(), "zoneWarningLabel");
    const auto placeOf = [this](QWidget* box) { return box->mapTo(&W(), QPoint(0, 0)); };
    const QPoint latitudeAt = placeOf(latitude);
    const QPoint cityAt = placeOf(city);
    const auto stayedPut = [&] {
        QCoreApplication::processEvents();
        return placeOf(latitude) == latitudeAt && placeOf(city) == cityAt;
    };

    TypeInto(W(), "latDegreesEdit", QStringLiteral("28"));
    TypeInto(W(), "latMinutesEdit", QStringLiteral("37"));
    TypeInto(W(), "lonDegreesEdit", QStringLiteral("77"));
    TypeInto(W(), "lonMinutesEdit", QStringLiteral("13"));
    QVERIFY(proposal->isVisible() && warning->isVisible());
    QCOMPARE(proposal->text().count(u'\n'), 2);
    QVERIFY2(stayedPut(), "the proposal and its warning appeared");

    QTest::mouseClick(Control<QPushButton>(W(), "useZoneButton"), Qt::LeftButton);
    QVERIFY(!warning->isVisible());
    QVERIFY2(stayedPut(), "the warning went");

    Control<QLineEdit>(W(), "lonMinutesEdit")->setFocus();
    QTest::keyClick(Control<QLineEdit>(W(), "lonMinutesEdit"), Qt::Key_Backspace);
    QTest::keyClick(Control<QLineEdit>(W(), "lonMinutesEdit"), Qt::Key_Backspace);
    QVERIFY(!proposal->isVisible());
    QVERIFY2(stayedPut(), "the proposal went");
}

void FormGuardTest::a_name_from_a_file_that_breaks_the_rule_is_named_when_calculated() {
    reading::BirthForm form = NewDelhiForm();
    form.name = "R2D2";
    // The file is written from a good reading's record with the name changed afterwards, as a file
    // from elsewhere could hold it.
    reading::Reading state;
    QVERIFY(reading::RunCalculation(NewDelhiForm(), state).Succeeded());
    state.name = "R2D2";
    const QString path = tempDir->filePath(QStringLiteral("r2d2.ved"));
    QVERIFY(!reading::SaveReadingFile(path.toStdString(), state, 34));
    window->OpenReadingPath(path);
    QCOMPARE(recorder->MessageTexts(), QStringList(QStringLiteral("Please enter only letters")));
    QCOMPARE(Control<QLineEdit>(W(), "nameEdit")->text(), QStringLiteral("R2D2"));
    QCOMPARE(window->focusWidget(), Control<QWidget>(W(), "nameEdit"));
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);
}

void FormGuardTest::enter_in_any_form_box_calculates_data() {
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<int>("key");
    for (const char* control : {"nameEdit", "latMinutesEdit", "countryEdit", "monthCombo", "zoneCombo", "dstCheck",
                                "northRadio", "eastRadio"}) {
        QTest::newRow(control) << QByteArray(control) << static_cast<int>(Qt::Key_Return);
    }
    QTest::newRow("cityEdit, the keypad's Enter") << QByteArray("cityEdit") << static_cast<int>(Qt::Key_Enter);
}

void FormGuardTest::enter_in_any_form_box_calculates() {
    QFETCH(QByteArray, control);
    QFETCH(int, key);
    FillKnownGoodReading(W());
    auto* widget = Control<QWidget>(W(), control.constData());
    widget->setFocus();
    QTest::keyClick(widget, static_cast<Qt::Key>(key));
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
}

void FormGuardTest::enter_on_a_focused_button_presses_it() {
    auto* open = Control<QPushButton>(W(), "openButton");
    open->setFocus();
    QTest::keyClick(open, Qt::Key_Return);
    QCOMPARE(recorder->dialogs.size(), 1);
    QCOMPARE(recorder->dialogs.front().kind, desktop::FileDialogRequest::Kind::Open);

    FillKnownGoodReading(W());
    auto* calculate = Control<QPushButton>(W(), "calculateButton");
    calculate->setFocus();
    QTest::keyClick(calculate, Qt::Key_Enter);
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
}

void FormGuardTest::alt_o_on_the_form_opens_a_reading_at_the_first_press() {
    // From a box, from a list, from the window itself: one press, the open dialog; the menu bar's
    // "Make Money &Online" is not asked.
    for (const char* focus : {"nameEdit", "zoneCombo"}) {
        Control<QWidget>(W(), focus)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
    }
    QTest::keyClick(window.get(), Qt::Key_O, Qt::AltModifier);
    QCOMPARE(recorder->dialogs.size(), 3);
    for (const desktop::FileDialogRequest& request : recorder->dialogs)
        QCOMPARE(request.kind, desktop::FileDialogRequest::Kind::Open);
    QVERIFY(recorder->openedUrls.isEmpty());
    // The captions are as they were; the menu stays reachable by mouse.
    QCOMPARE(Control<QPushButton>(W(), "openButton")->text(), QStringLiteral("&Open Previously Saved Reading"));
    QCOMPARE(Control<QAction>(W(), "makeMoneyAction")->text(), QStringLiteral("Make Money &Online"));
    Control<QAction>(W(), "makeMoneyAction")->trigger();
    QCOMPARE(recorder->openedUrls.size(), 1);
}

void FormGuardTest::the_standard_shortcuts_are_shown_and_work() {
    const auto shortcut = [this](const char* action) { return Control<QAction>(W(), action)->shortcut(); };
    QCOMPARE(shortcut("openAction"), QKeySequence(QKeySequence::Open));
    QCOMPARE(shortcut("saveAction"), QKeySequence(QKeySequence::Save));
    QCOMPARE(shortcut("newReadingAction"), QKeySequence(QKeySequence::New));
    QCOMPARE(shortcut("onlineHelpAction"), QKeySequence(Qt::Key_F1));
    QCOMPARE(shortcut("quitAction"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    // Nothing to save before a reading.
    QVERIFY(!Control<QAction>(W(), "saveAction")->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(recorder->dialogs.size(), 1);
    QCOMPARE(recorder->dialogs.back().kind, desktop::FileDialogRequest::Kind::Open);

    FillKnownGoodReading(W());
    Press(W(), "calculateButton");
    QVERIFY(Control<QAction>(W(), "saveAction")->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(recorder->dialogs.size(), 2);
    QCOMPARE(recorder->dialogs.back().kind, desktop::FileDialogRequest::Kind::Save);

    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(!window->isVisible());
}

void FormGuardTest::escape_and_ctrl_n_bring_the_form_back_for_a_new_reading() {
    FillKnownGoodReading(W());
    Press(W(), "calculateButton");
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);
    auto* name = Control<QLineEdit>(W(), "nameEdit");
    QCOMPARE(window->focusWidget(), name);
    QCOMPARE(name->selectedText(), QStringLiteral("Asha"));
    // The rest of the form stays for the next reading.
    QCOMPARE(Control<QLineEdit>(W(), "cityEdit")->text(), QStringLiteral("Delhi"));

    Press(W(), "calculateButton");
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);
    QCOMPARE(window->focusWidget(), name);
    // A new reading keeps no date or time of the last birth: a calculation asks for them.
    for (const char* list : {"dayCombo", "monthCombo", "yearCombo", "hourCombo", "minuteCombo"})
        QCOMPARE(Control<QComboBox>(W(), list)->currentIndex(), -1);
    Press(W(), "calculateButton");
    QCOMPARE(recorder->MessageTexts(), QStringList(QStringLiteral("Please Select The Month Of Birth")));
    recorder->messages.clear();
    name->setFocus();
    // Escape on the form changes nothing.
    QTest::keyClick(name, Qt::Key_Escape);
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);
    QCOMPARE(name->text(), QStringLiteral("Asha"));
}

void FormGuardTest::help_is_shown_inside_the_program() {
    recorder->browserWorks = false;
    QTest::keyClick(window.get(), Qt::Key_F1);
    auto* help = window->findChild<desktop::HelpWindow*>();
    QVERIFY(help != nullptr);
    QTRY_VERIFY(help->isVisible());
    QVERIFY(!help->isModal());
    QVERIFY(help->Browser()->source().isLocalFile());
    QVERIFY(help->Browser()->documentTitle().startsWith(QStringLiteral("Vela Upagrahas")));
    QVERIFY(help->Browser()->toPlainText().contains(QStringLiteral("Filling the form")));
    QVERIFY(recorder->openedUrls.isEmpty());
    QVERIFY(recorder->messages.isEmpty());
    // The menu item shows the same window again, not a second one.
    Control<QAction>(W(), "onlineHelpAction")->trigger();
    QCOMPARE(window->findChildren<desktop::HelpWindow*>().size(), 1);
    help->close();
}

// Hindi and Tamil: the help window shows the page in the language chosen, and the English page
// again after English is chosen; the same window each time. The upagrahas are named as the glossary
// (docs/translations.md) names them.
void FormGuardTest::help_comes_in_the_language_of_the_window() {
    recorder->browserWorks = false;
    const auto backToEnglish = qScopeGuard([this] { Control<QAction>(W(), "languageAction_en")->trigger(); });
    const struct {
        const char* action;
        QString heading;
        QString names;
    } languages[] = {{"languageAction_hi", QStringLiteral("फ़ॉर्म भरना"), QStringLiteral("गुलिक और मान्दि")},
                     {"languageAction_ta", QStringLiteral("படிவத்தை நிரப்புதல்"), QStringLiteral("குளிகன், மாந்தி")},
                     {"languageAction_en", QStringLiteral("Filling the form"), QStringLiteral("Gulika and Maandi")}};
    for (const auto& language : languages) {
        Control<QAction>(W(), language.action)->trigger();
        QApplication::processEvents();
        Control<QAction>(W(), "onlineHelpAction")->trigger();
        auto* help = window->findChild<desktop::HelpWindow*>();
        QVERIFY(help != nullptr);
        QTRY_VERIFY(help->isVisible());
        const QString text = help->Browser()->toPlainText();
        QVERIFY2(text.contains(language.heading), language.action);
        QVERIFY2(text.contains(language.names), language.action);
        QCOMPARE(window->findChildren<desktop::HelpWindow*>().size(), 1);
    }
    // A help window left open follows the language chosen.
    Control<QAction>(W(), "languageAction_ta")->trigger();
    QTRY_VERIFY(window->findChild<desktop::HelpWindow*>()->Browser()->toPlainText().contains(languages[1].heading));
    QVERIFY(recorder->openedUrls.isEmpty());
    QVERIFY(recorder->messages.isEmpty());
}

void FormGuardTest::a_web_link_of_the_help_without_a_browser_gives_its_address() {
    recorder->browserWorks = false;
    Control<QAction>(W(), "onlineHelpAction")->trigger();
    auto* help = window->findChild<desktop::HelpWindow*>();
    QVERIFY(help != nullptr);
    const QUrl site(QStringLiteral("https://vela-upagrahas.example/"));
    Q_EMIT help->Browser()->anchorClicked(site);
    QCOMPARE(recorder->openedUrls, QList<QUrl>({site}));
    QCOMPARE(recorder->MessageTexts(),
             QStringList(QStringLiteral("No web browser could open the page. Its address, to copy into a "
                                        "browser:\nhttps://vela-upagrahas.example/")));
    // A link within the page stays in the help window.
    const QUrl before = help->Browser()->source();
    Q_EMIT help->Browser()->anchorClicked(QUrl(QStringLiteral("#top")));
    QCOMPARE(recorder->openedUrls.size(), 1);
    QCOMPARE(help->Browser()->source().adjusted(QUrl::RemoveFragment), before.adjusted(QUrl::RemoveFragment));
    help->close();
}

void FormGuardTest::saved_and_opened_readings_are_offered_again_from_the_file_menu() {
    FillKnownGoodReading(W());
    Press(W(), "calculateButton");
    const QString saved = tempDir->filePath(QStringLiteral("asha.ved"));
    recorder->dialogAnswers << saved;
    Press(W(), "saveButton");
    QVERIFY(recorder->messages.isEmpty());
    QCOMPARE(window->RecentReadings(), QStringList(QFileInfo(saved).absoluteFilePath()));
    QCOMPARE(FileMenuTexts(*window),
             QStringList({"&New Reading", "&Open Reading...", "&Save Reading...", "&Print...", "Export P&DF...",
                          "Export &Chart Image...", "-", "&1 Asha \u2014 asha.ved", "-", "Get My &Rasi Chart", "-",
                          "Da&y Portions...", "&Exit"}));

    // Another reading opened from a file comes first.
    reading::BirthForm night = NewDelhiForm("22", "0");
    night.name = "Ravi";
    const QString other = tempDir->filePath(QStringLiteral("ravi.ved"));
    QVERIFY(WriteReading(other, night));
    window->OpenReadingPath(other);
    QCOMPARE(window->RecentReadings(),
             QStringList({QFileInfo(other).absoluteFilePath(), QFileInfo(saved).absoluteFilePath()}));

    // A later run of the program remembers them, and choosing one opens and calculates it.
    NewWindow();
    QCOMPARE(window->RecentReadings().size(), 2);
    // Each names its person, read from its file, beside the file's name.
    QCOMPARE(Control<QAction>(W(), "recentAction1")->text(), QStringLiteral("&1 Ravi \u2014 ravi.ved"));
    auto* second = Control<QAction>(W(), "recentAction2");
    QVERIFY(second != nullptr);
    QCOMPARE(second->text(), QStringLiteral("&2 Asha \u2014 asha.ved"));
    second->trigger();
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
    QCOMPARE(Control<QLineEdit>(W(), "nameEdit")->text(), QStringLiteral("Asha"));
    QCOMPARE(window->RecentReadings().front(), QFileInfo(saved).absoluteFilePath());
}

void FormGuardTest::the_dialogs_start_in_the_last_folder_used() {
    // Before any reading: the home folder.
    Press(W(), "openButton");
    QCOMPARE(recorder->dialogs.back().folder, QDir::homePath());

    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    const QString path = elsewhere.filePath(QStringLiteral("asha.ved"));
    QVERIFY(WriteReading(path, NewDelhiForm()));
    recorder->dialogAnswers << path;
    Press(W(), "openButton");
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
    Press(W(), "saveButton");
    QCOMPARE(recorder->dialogs.back().kind, desktop::FileDialogRequest::Kind::Save);
    QCOMPARE(recorder->dialogs.back().folder, QFileInfo(path).absolutePath());
    // And in the next run.
    NewWindow();
    Press(W(), "openButton");
    QCOMPARE(recorder->dialogs.back().folder, QFileInfo(path).absolutePath());
}

void FormGuardTest::a_recent_reading_that_has_gone_leaves_the_menu() {
    const QString path = tempDir->filePath(QStringLiteral("gone.ved"));
    QVERIFY(WriteReading(path, NewDelhiForm()));
    window->OpenReadingPath(path);
    QVERIFY(QFile::remove(path));
    NewWindow();
    Control<QAction>(W(), "recentAction1")->trigger();
    QCOMPARE(recorder->messages.size(), 1);
    QVERIFY(window->RecentReadings().isEmpty());
    QVERIFY(Control<QAction>(W(), "recentAction1") == nullptr);
}

QTEST_MAIN(FormGuardTest)
#include "tst_form_guard.moc"
