// The main window driven as a person drives it: keys typed into the boxes, buttons clicked, menu
// items chosen. Every dialog, message box and browser goes through the window's seams, and a
// watchdog fails any test that leaves a modal window open, so nothing here can wait for a person.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QUrlQuery>

#include <functional>
#include <memory>

#include "desktop/web_pages.h"
#include "gui_test_support.h"
#include "reading/calculation_driver.h"
#include "reading/reading_file.h"
#include "reading/reference_tables.h"
#include "reading/working.h"
#include "tests/support/hand_written_reading.h"

using namespace vela;
using namespace vela::guitest;

namespace {

// Everything the form holds, to see that a step left it alone.
QStringList FormBoxTexts(QWidget& w) {
    QStringList values;
    for (const char* box : {"nameEdit", "latDegreesEdit", "latMinutesEdit", "lonDegreesEdit", "lonMinutesEdit",
                            "cityEdit", "stateEdit", "countryEdit"})
        values << Control<QLineEdit>(w, box)->text();
    for (const char* list : {"dayCombo", "monthCombo", "yearCombo", "hourCombo", "minuteCombo", "zoneCombo"})
        values << QString::number(Control<QComboBox>(w, list)->currentIndex());
    for (const char* radio : {"northRadio", "southRadio", "eastRadio", "westRadio"})
        values << QString::number(Control<QRadioButton>(w, radio)->isChecked());
    values << QString::number(Control<QCheckBox>(w, "dstCheck")->isChecked());
    return values;
}

struct PaneLine {
    QString text;
    bool bold;
    int pointSize;
    bool operator==(const PaneLine&) const = default;
};

// The non-empty lines of the report, each with its look, as the core's runs describe them.
QList<PaneLine> LinesOfRuns(const upagraha::Report& report) {
    QList<PaneLine> lines;
    for (const upagraha::ReportRun& run : report.runs)
        for (const QString& line : QString::fromStdString(std::string(report.Text(run))).split(QLatin1Char('\n')))
            if (!line.isEmpty()) lines.append({line, run.bold, run.pointSize});
    return lines;
}

// The same, read back from the pane. A paragraph in more than one format would show as a line
// without its look and fail the comparison.
QList<PaneLine> LinesOfPane(const QTextEdit& pane) {
    QList<PaneLine> lines;
    for (QTextBlock block = pane.document()->begin(); block.isValid(); block = block.next()) {
        if (block.text().isEmpty()) continue;
        const QTextCharFormat format = block.begin().fragment().charFormat();
        const bool oneFormat = block.begin().fragment().length() == block.length() - 1;
        lines.append({block.text(), oneFormat && format.fontWeight() >= QFont::Bold,
                      oneFormat ? static_cast<int>(format.fontPointSize()) : 0});
    }
    return lines;
}

upagraha::Report ReportOf(const reading::BirthForm& form) {
    reading::Reading state;
    return reading::RunCalculation(form, state).report;
}

// The core's working of the form's reading, and the portions it cut.
struct CoreWorking {
    QString text;
    std::array<upagraha::Portion, upagraha::kPortionCount> portions;
};
CoreWorking WorkingOf(const reading::BirthForm& form) {
    reading::Reading state;
    const auto outcome = reading::RunCalculation(form, state);
    const auto sensitivity = reading::FindBirthTimeSensitivity(form);
    const auto conventions = reading::CompareConventions(form, state.profile);
    return {QString::fromStdString(reading::WorkingText(state, outcome.upagrahas, sensitivity, conventions)),
            outcome.upagrahas.portions};
}

}  // namespace

class FrmMainTest : public WindowTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opens_with_the_first_entries_selected_and_the_form_in_front();
    void shows_the_captions_menus_and_access_keys();
    void tab_order_follows_the_form();
    void typing_refuses_what_a_box_does_not_take_data();
    void typing_refuses_what_a_box_does_not_take();
    void editing_keys_and_tab_pass_the_filters();
    void pasted_text_is_taken_whole_or_refused_data();
    void pasted_text_is_taken_whole_or_refused();
    void an_empty_form_names_each_missing_box_in_turn();
    void a_day_the_month_lacks_is_refused_data();
    void a_day_the_month_lacks_is_refused();
    void a_whole_reading_shows_the_report_with_bold_labels();
    void back_keeps_the_form_and_a_second_press_recomputes();
    void a_refused_recalculation_keeps_the_previous_report();
    void the_menu_item_and_the_access_key_calculate_like_the_button();
    void the_report_pane_leaves_the_clipboard_alone();
    void the_working_tab_shows_the_cores_working_of_the_reading();
    void the_working_follows_each_new_reading();
    void a_saved_reading_opens_again_and_recomputes();
    void open_refuses_a_name_not_ending_in_ved();
    void a_damaged_reading_stops_with_a_message();
    void unreadable_lines_are_named_before_the_reading_is_calculated();
    void a_file_that_is_no_reading_changes_nothing();
    void a_letter_only_the_files_shift_holds_survives_a_new_save();
    void a_name_of_blanks_is_no_name();
    void cancelled_dialogs_change_nothing();
    void a_failed_save_is_reported();
    void the_lookup_checks_the_place_boxes_in_order_data();
    void the_lookup_checks_the_place_boxes_in_order();
    void the_lookup_searches_the_web_for_the_place_as_typed_data();
    void the_lookup_searches_the_web_for_the_place_as_typed();
    void every_page_opens_from_its_menu_item_or_label_data();
    void every_page_opens_from_its_menu_item_or_label();
    void a_browser_that_fails_gives_the_address_to_copy();
    void the_real_message_box_has_the_title_one_ok_and_the_icon();
    void the_real_file_dialogs_carry_the_filter_title_and_suffix();
    void about_shows_a_modal_window_with_the_version();
    void exit_closes_the_window();

private:
    // Runs the step while a real modal window may open; the inspector sees that window, then it is
    // closed. Returns whether a modal window appeared at all.
    bool WithRealModal(const std::function<void()>& step, const std::function<void(QWidget*)>& inspect);
    void CalculateKnownGoodReading();
};

void FrmMainTest::init() { StartWindow(); }

void FrmMainTest::cleanup() { StopWindow(); }

void FrmMainTest::CalculateKnownGoodReading() {
    FillKnownGoodReading(W());
    Press(W(), "calculateButton");
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
}

void FrmMainTest::opens_with_the_first_entries_selected_and_the_form_in_front() {
    QCOMPARE(window->windowTitle(), QStringLiteral("Vela Upagrahas v1.20"));
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);
    QVERIFY(Control<QWidget>(W(), "birthDataPanel")->isVisible());
    QVERIFY(!Control<QWidget>(W(), "resultPanel")->isVisible());
    // Both panels share one place and open at 9015 x 5535 twips.
    QCOMPARE(Control<QWidget>(W(), "birthDataPanel")->size(), QSize(601, 369));

    // Every list holds its entries in order, the first one selected.
    const reading::ListEntries& entries = reading::FormListEntries();
    const auto checkList = [this](const char* name, const auto& expected) {
        auto* list = Control<QComboBox>(W(), name);
        QStringList expectedTexts;
        for (const std::string_view text : expected)
            expectedTexts << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        QStringList texts;
        for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
        QCOMPARE(texts, expectedTexts);
        QCOMPARE(list->currentIndex(), 0);
        QVERIFY(!list->isEditable());
    };
    checkList("dayCombo", entries.days);
    checkList("monthCombo", entries.months);
    checkList("yearCombo", entries.years);
    checkList("hourCombo", entries.hours);
    checkList("minuteCombo", entries.minutes);
    // Every zone row in order, its text followed by its exact offset (tst_profiles reads the offsets).
    auto* zoneList = Control<QComboBox>(W(), "zoneCombo");
    QCOMPARE(zoneList->count(), reading::kZoneCount);
    for (int row = 0; row < reading::kZoneCount; ++row) {
        const std::string_view text = reading::kZoneRows[static_cast<std::size_t>(row)].text;
        QVERIFY2(zoneList->itemText(row).startsWith(
                     QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())) + QStringLiteral("  (")),
                 qPrintable(zoneList->itemText(row)));
    }
    QCOMPARE(zoneList->currentIndex(), 0);
    QVERIFY(!zoneList->isEditable());
    QCOMPARE(Control<QComboBox>(W(), "dayCombo")->currentText(), QStringLiteral("1"));
    QCOMPARE(Control<QComboBox>(W(), "monthCombo")->currentText(), QStringLiteral("January"));
    QCOMPARE(Control<QComboBox>(W(), "yearCombo")->currentText(), QStringLiteral("1901"));

    QVERIFY(Control<QRadioButton>(W(), "northRadio")->isChecked());
    QVERIFY(Control<QRadioButton>(W(), "eastRadio")->isChecked());
    QVERIFY(!Control<QCheckBox>(W(), "dstCheck")->isChecked());
    // Verdana where installed, else a face drawn to its proportions.
    const QString face = QFontInfo(Control<QWidget>(W(), "nameEdit")->font()).family();
    QVERIFY2(QStringList({"Verdana", "DejaVu Sans", "Bitstream Vera Sans"}).contains(face), qPrintable(face));
}

void FrmMainTest::shows_the_captions_menus_and_access_keys() {
    const auto text = [this](const char* name) { return Control<QAbstractButton>(W(), name)->text(); };
    QCOMPARE(text("calculateButton"), QStringLiteral("&Get My Upagrahas"));
    QCOMPARE(text("openButton"), QStringLiteral("&Open Previously Saved Reading"));
    // The doubled ampersand shows one ampersand and marks no access key.
    QCOMPARE(text("lookUpCoordinatesButton"), QStringLiteral("Click here to find Latitude && Longitude"));
    QCOMPARE(text("saveButton"), QStringLiteral("&Save"));
    QCOMPARE(text("backButton"), QStringLiteral("&Back"));
    QCOMPARE(text("dstCheck"), QStringLiteral("Daylight Saving Time"));
    QCOMPARE(text("northRadio") + text("southRadio") + text("eastRadio") + text("westRadio"),
             QStringLiteral("NorthSouthEastWest"));
    QCOMPARE(Control<QGroupBox>(W(), "birthDataPanel")->title(), QStringLiteral("Personal Details"));
    QCOMPARE(Control<QGroupBox>(W(), "resultPanel")->title(), QStringLiteral("Vela Upagrahas Result"));
    QStringList labels;
    for (const char* name :
         {"nameLabel", "dateOfBirthLabel", "timeOfBirthLabel", "clockFormatLabel", "zoneLabel", "latitudeLabel",
          "latFormatLabel", "longitudeLabel", "lonFormatLabel", "cityLabel", "stateLabel", "countryLabel"})
        labels << Control<QLabel>(W(), name)->text();
    QCOMPARE(labels, QStringList({"Name", "Date of Birth", "Time of Birth", "HH/MM", "Time Zone", "Latitude", "DEG/MIN",
                                  "Longitude", "DEG/MIN", "City", "State", "Country"}));
    QVERIFY(Control<QLabel>(W(), "introLabel")
                ->text()
                .startsWith(QStringLiteral("Upagraha means confinement or seizure.")));
    QVERIFY(Control<QLabel>(W(), "introLabel")
                ->text()
                .endsWith(QStringLiteral("Upagrahas are invisible and are felt only by their effects.")));

    const auto menuTexts = [](const QList<QAction*>& actions) {
        QStringList texts;
        for (const QAction* action : actions) texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return texts;
    };
    const QList<QAction*> top = window->menuBar()->actions();
    QCOMPARE(menuTexts(top), QStringList({"&File", "&Conventions", "&Help", "Donate", "Make Money &Online"}));
    QVERIFY(top[0]->menu() != nullptr && top[1]->menu() != nullptr && top[2]->menu() != nullptr);
    QVERIFY(top[3]->menu() == nullptr && top[4]->menu() == nullptr);
    // The standard file commands come before the original entries; no reading was opened yet, so
    // no recent ones are listed.
    QCOMPARE(menuTexts(top[0]->menu()->actions()),
             QStringList({"&New Reading", "&Open Reading...", "&Save Reading...", "&Print...", "Export P&DF...",
                          "Export &Chart Image...", "-", "Get My &Rasi Chart", "-", "&Exit"}));
    QCOMPARE(menuTexts(top[1]->menu()->actions()),
             QStringList({"&Original", "&Gulika at the start", "&Seven lords", "-", "C&ustom..."}));
    QCOMPARE(menuTexts(top[2]->menu()->actions()), QStringList({"&Online Help", "&Visit Us Online", "-",
                                                                "Check for Software &Update", "-", "&About Software"}));
}

// The form's reading order: the birth data down the left, each row left to right (the tick beside
// the zone, the directions beside their degrees), then the place's names, its lookup, and the
// buttons last.
void FrmMainTest::tab_order_follows_the_form() {
    const QStringList expected = {
        "nameEdit",        "dayCombo",   "monthCombo",     "yearCombo",      "hourCombo",
        "minuteCombo",     "zoneCombo",  "dstCheck",       "latDegreesEdit", "latMinutesEdit",
        "northRadio",      "southRadio", "lonDegreesEdit", "lonMinutesEdit", "eastRadio",
        "westRadio",       "cityEdit",   "stateEdit",      "countryEdit",    "lookUpCoordinatesButton",
        "calculateButton", "openButton", "reportView",     "saveButton",     "backButton"};
    QStringList chain;
    QWidget* start = Control<QWidget>(W(), "nameEdit");
    QWidget* w = start;
    do {
        if (expected.contains(w->objectName()) && !chain.contains(w->objectName())) chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != start && chain.size() < expected.size());
    QCOMPARE(chain.join(u' '), expected.join(u' '));

    // The Tab key itself walks the form that way: a radio pair is one stop, at its chosen button.
    QStringList visited;
    start->setFocus();
    for (int i = 0; i < 18; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, QStringList({"nameEdit", "dayCombo", "monthCombo", "yearCombo", "hourCombo", "minuteCombo",
                                   "zoneCombo", "dstCheck", "latDegreesEdit", "latMinutesEdit", "northRadio",
                                   "lonDegreesEdit", "lonMinutesEdit", "eastRadio", "cityEdit", "stateEdit",
                                   "countryEdit", "lookUpCoordinatesButton"}));
    QCOMPARE(QApplication::focusWidget(), Control<QWidget>(W(), "calculateButton"));
}

void FrmMainTest::typing_refuses_what_a_box_does_not_take_data() {
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("message");
    const QString letters = QStringLiteral("Please enter only letters");
    const QString numbers = QStringLiteral("Please enter only numbers");
    QTest::newRow("a digit in the name") << QByteArray("nameEdit") << "As3ha"
                                         << "Asha" << letters;
    QTest::newRow("a hyphen inside a city's name") << QByteArray("cityEdit") << "Jean-Pierre"
                                                   << "Jean-Pierre" << QString();
    QTest::newRow("an apostrophe and a full stop in a name") << QByteArray("nameEdit") << "St. John's D'Souza"
                                                             << "St. John's D'Souza" << QString();
    QTest::newRow("a hyphen that follows no letter") << QByteArray("stateEdit") << "-Pune"
                                                     << "Pune" << letters;
    QTest::newRow("two full stops") << QByteArray("cityEdit") << "St..John"
                                    << "St.John" << letters;
    QTest::newRow("an accented letter in the country")
        << QByteArray("countryEdit") << QStringLiteral("Per\u00fa") << QStringLiteral("Per\u00fa") << QString();
    QTest::newRow("a letter no reading file can hold")
        << QByteArray("cityEdit") << QStringLiteral("Ba\u015Fak") << QStringLiteral("Baak") << letters;
    QTest::newRow("a blank in the name is a letter") << QByteArray("nameEdit") << "Asha Rani"
                                                     << "Asha Rani" << QString();
    QTest::newRow("a minus sign in a degree box") << QByteArray("latDegreesEdit") << "-12"
                                                  << "12" << numbers;
    QTest::newRow("a decimal point in a minute box") << QByteArray("lonMinutesEdit") << "1.5"
                                                     << "15" << numbers;
    QTest::newRow("a blank in a degree box") << QByteArray("lonDegreesEdit") << "7 7"
                                             << "77" << numbers;
    QTest::newRow("a letter in a minute box") << QByteArray("latMinutesEdit") << "3o"
                                              << "3" << numbers;
    QTest::newRow("a fourth digit does not fit") << QByteArray("lonDegreesEdit") << "1234"
                                                 << "123" << QString();
}

// A refused key is named beside the box, never in a message box: the keys typed after it go on
// into the box ("As3ha" keeps its last "ha").
void FrmMainTest::typing_refuses_what_a_box_does_not_take() {
    QFETCH(QByteArray, box);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QString, message);
    TypeInto(W(), box.constData(), typed);
    auto* edit = Control<QLineEdit>(W(), box.constData());
    QCOMPARE(edit->text(), kept);
    QVERIFY(recorder->messages.isEmpty());
    if (message.isEmpty()) {
        QVERIFY(recorder->notices.isEmpty());
    } else {
        QCOMPARE(recorder->NoticeTexts(), QStringList(message));
        QCOMPARE(recorder->notices.front().box, QString::fromLatin1(box));
    }
    QCOMPARE(window->focusWidget(), edit);
}

void FrmMainTest::editing_keys_and_tab_pass_the_filters() {
    TypeInto(W(), "nameEdit", QStringLiteral("Asha"));
    auto* name = Control<QLineEdit>(W(), "nameEdit");
    QTest::keyClick(name, Qt::Key_Backspace);
    QCOMPARE(name->text(), QStringLiteral("Ash"));
    QTest::keyClick(name, Qt::Key_Home);
    QTest::keyClick(name, Qt::Key_Delete);
    QCOMPARE(name->text(), QStringLiteral("sh"));
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClick(name, Qt::Key_Left);
    QTest::keyClicks(name, QStringLiteral("a"));
    QCOMPARE(name->text(), QStringLiteral("sah"));
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(name->selectedText(), QStringLiteral("sah"));

    TypeInto(W(), "latDegreesEdit", QStringLiteral("28"));
    auto* degrees = Control<QLineEdit>(W(), "latDegreesEdit");
    QTest::keyClick(degrees, Qt::Key_Backspace);
    QCOMPARE(degrees->text(), QStringLiteral("2"));
    QTest::keyClick(degrees, Qt::Key_Tab);
    QCOMPARE(window->focusWidget(), Control<QWidget>(W(), "latMinutesEdit"));
    QVERIFY2(recorder->messages.isEmpty() && recorder->notices.isEmpty(),
             qPrintable(recorder->MessageTexts().join(u'|')));
    // A deletion that leaves a mark after no letter is taken too; the rule names it when the form
    // is calculated.
    TypeInto(W(), "cityEdit", QStringLiteral("Jean-Pierre"));
    auto* city = Control<QLineEdit>(W(), "cityEdit");
    city->setCursorPosition(4);
    for (int i = 0; i < 4; ++i) QTest::keyClick(city, Qt::Key_Backspace);
    QCOMPARE(city->text(), QStringLiteral("-Pierre"));
    QVERIFY(recorder->notices.isEmpty());
}

void FrmMainTest::pasted_text_is_taken_whole_or_refused_data() {
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("caretAfter");
    QTest::addColumn<QString>("notice");
    const QString letters = QStringLiteral("Please enter only letters");
    const QString numbers = QStringLiteral("Please enter only numbers");
    QTest::newRow("a name as people write it") << QByteArray("nameEdit") << "" << 0 << "Jean-Pierre D'Souza"
                                               << "Jean-Pierre D'Souza" << 19 << QString();
    QTest::newRow("the caret stays after the pasted letters") << QByteArray("cityEdit") << "Pe" << 1 << "un"
                                                              << "Pune" << 3 << QString();
    QTest::newRow("a name with a digit is refused whole") << QByteArray("nameEdit") << "Asha" << 4 << " 2nd"
                                                          << "Asha" << 4 << letters;
    QTest::newRow("a negative number keeps its sign by being refused")
        << QByteArray("latDegreesEdit") << "" << 0 << "-12"
        << "" << 0 << numbers;
    QTest::newRow("a decimal number is refused") << QByteArray("lonMinutesEdit") << "" << 0 << "12.5"
                                                 << "" << 0 << numbers;
    QTest::newRow("two numbers are refused") << QByteArray("lonDegreesEdit") << "" << 0 << "7 5"
                                             << "" << 0 << numbers;
    QTest::newRow("a degree sign is refused")
        << QByteArray("latDegreesEdit") << "" << 0 << QStringLiteral("28\u00b0") << "" << 0 << numbers;
    QTest::newRow("blanks around a number are dropped") << QByteArray("latMinutesEdit") << "" << 0 << " 37 "
                                                        << "37" << 2 << QString();
    QTest::newRow("a number too long for the box") << QByteArray("latDegreesEdit") << "" << 0 << "1234"
                                                   << "" << 0 << "Please Enter Degree of Latitude from 0 to 89";
}

void FrmMainTest::pasted_text_is_taken_whole_or_refused() {
    QFETCH(QByteArray, box);
    QFETCH(QString, before);
    QFETCH(int, caret);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    QFETCH(int, caretAfter);
    QFETCH(QString, notice);
    auto* edit = Control<QLineEdit>(W(), box.constData());
    TypeInto(W(), box.constData(), before);
    edit->setCursorPosition(caret);
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), kept);
    QCOMPARE(edit->cursorPosition(), caretAfter);
    QCOMPARE(recorder->NoticeTexts(), notice.isEmpty() ? QStringList() : QStringList(notice));
    QVERIFY(recorder->messages.isEmpty());
}

void FrmMainTest::an_empty_form_names_each_missing_box_in_turn() {
    struct Step {
        const char* message;
        const char* box;
        const char* value;
    };
    const Step steps[] = {
        {"Please Enter Your Name", "nameEdit", "Asha"},
        {"Please Enter Degree of Latitude", "latDegreesEdit", "28"},
        {"Please Enter Minutes of Latitude", "latMinutesEdit", "37"},
        {"Please Enter Degree of Longitude", "lonDegreesEdit", "77"},
        {"Please Enter Minute of Longitude", "lonMinutesEdit", "13"},
        {"Please Enter Your City name", "cityEdit", "Delhi"},
        {"Please Enter Your State name", "stateEdit", "Delhi"},
        {"Please Enter Your Country name", "countryEdit", "India"},
    };
    for (const Step& step : steps) {
        recorder->messages.clear();
        Control<QWidget>(W(), "calculateButton")->setFocus();
        Press(W(), "calculateButton");
        QCOMPARE(recorder->MessageTexts(), QStringList(QString::fromLatin1(step.message)));
        QCOMPARE(recorder->messages.front().icon, reading::MsgIcon::Critical);
        QCOMPARE(window->focusWidget(), Control<QWidget>(W(), step.box));
        QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);
        QVERIFY(Control<QTextEdit>(W(), "reportView")->document()->isEmpty());
        TypeInto(W(), step.box, QString::fromLatin1(step.value));
    }
    recorder->messages.clear();
    Press(W(), "calculateButton");
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
}

void FrmMainTest::a_day_the_month_lacks_is_refused_data() {
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("message");
    QTest::newRow("31 April") << "31"
                              << "April"
                              << "1975"
                              << "Please Enter Correct Date Or Month !";
    QTest::newRow("29 February 1903") << "29"
                                      << "February"
                                      << "1903"
                                      << "Please Enter Correct Date Or Month!";
    QTest::newRow("30 February 2000") << "30"
                                      << "February"
                                      << "2000"
                                      << "Please Enter Correct Date Or Month!";
    QTest::newRow("29 February 1904 exists") << "29"
                                             << "February"
                                             << "1904" << QString();
    QTest::newRow("31 January exists") << "31"
                                       << "January"
                                       << "1975" << QString();
}

void FrmMainTest::a_day_the_month_lacks_is_refused() {
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, message);
    FillKnownGoodReading(W());
    ChooseEntry(W(), "dayCombo", day);
    ChooseEntry(W(), "monthCombo", month);
    ChooseEntry(W(), "yearCombo", year);
    Press(W(), "calculateButton");
    if (message.isEmpty()) {
        QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
        QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
    } else {
        QCOMPARE(recorder->MessageTexts(), QStringList(message));
        QCOMPARE(recorder->messages.front().icon, reading::MsgIcon::Information);
        QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);
    }
}

void FrmMainTest::a_whole_reading_shows_the_report_with_bold_labels() {
    CalculateKnownGoodReading();
    auto* pane = Control<QTextEdit>(W(), "reportView");
    QVERIFY(pane->isVisible());
    QVERIFY(!Control<QWidget>(W(), "birthDataPanel")->isVisible());
    // The result panel takes the place and size of the form.
    QCOMPARE(Control<QWidget>(W(), "resultPanel")->geometry(), Control<QWidget>(W(), "birthDataPanel")->geometry());
    QCOMPARE(Control<QWidget>(W(), "resultPanel")->size(), QSize(601, 369));

    // The pane shows the core's report of the same form. A document's plain text joins its
    // paragraphs with line breaks; since every run ends its lines with "\n" and the pane starts
    // from one empty paragraph, the two texts match character for character.
    const upagraha::Report report = ReportOf(KnownGoodForm());
    QVERIFY(!report.empty());
    QCOMPARE(pane->toPlainText(), QString::fromStdString(upagraha::ReportPlainText(report)));

    // Each line keeps its run's look: the upagraha names and the four headings bold, values plain,
    // all in 12-point type.
    const QList<PaneLine> lines = LinesOfPane(*pane);
    QCOMPARE(lines, LinesOfRuns(report));
    QCOMPARE(lines.front(), (PaneLine{QStringLiteral("Kaala"), true, 12}));
    QCOMPARE(lines.at(1), (PaneLine{QStringLiteral("Longitude"), true, 12}));
    QVERIFY(!lines.at(2).bold);
    for (const char* name : {"Kaala", "Mrityu", "Arthaprahaara", "Yamaghantaka", "Gulika", "Maandi"})
        QVERIFY(lines.contains(PaneLine{QString::fromLatin1(name), true, 12}));

    // The pane shows the top of the report.
    QCOMPARE(pane->textCursor().position(), 0);
    QCOMPARE(pane->verticalScrollBar()->value(), pane->verticalScrollBar()->minimum());
}

void FrmMainTest::back_keeps_the_form_and_a_second_press_recomputes() {
    CalculateKnownGoodReading();
    auto* pane = Control<QTextEdit>(W(), "reportView");
    const QString firstReport = pane->toPlainText();
    const QStringList values = FormBoxTexts(W());
    Press(W(), "backButton");
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);
    QCOMPARE(FormBoxTexts(W()), values);
    QCOMPARE(pane->toPlainText(), firstReport);

    Press(W(), "calculateButton");
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
    QCOMPARE(pane->toPlainText(), firstReport);

    // A changed form gives that form's report: 22:30 is a night birth.
    Press(W(), "backButton");
    ChooseEntry(W(), "hourCombo", QStringLiteral("22"));
    Press(W(), "calculateButton");
    QVERIFY(recorder->messages.isEmpty());
    reading::BirthForm night = KnownGoodForm();
    night.hour = "22";
    QCOMPARE(pane->toPlainText(), QString::fromStdString(upagraha::ReportPlainText(ReportOf(night))));
    QVERIFY(pane->toPlainText() != firstReport);
}

void FrmMainTest::a_refused_recalculation_keeps_the_previous_report() {
    CalculateKnownGoodReading();
    const QString report = Control<QTextEdit>(W(), "reportView")->toPlainText();
    Press(W(), "backButton");
    auto* name = Control<QLineEdit>(W(), "nameEdit");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_Backspace);
    Press(W(), "calculateButton");
    QCOMPARE(recorder->MessageTexts(), QStringList(QStringLiteral("Please Enter Your Name")));
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);
    QCOMPARE(Control<QTextEdit>(W(), "reportView")->toPlainText(), report);
    QCOMPARE(window->ChartState().name, std::string("Asha"));
}

void FrmMainTest::the_menu_item_and_the_access_key_calculate_like_the_button() {
    Control<QAction>(W(), "rasiChartAction")->trigger();
    QCOMPARE(recorder->MessageTexts(), QStringList(QStringLiteral("Please Enter Your Name")));
    QCOMPARE(window->focusWidget(), Control<QWidget>(W(), "nameEdit"));

    FillKnownGoodReading(W());
    recorder->messages.clear();
    Control<QAction>(W(), "rasiChartAction")->trigger();
    QVERIFY(recorder->messages.isEmpty());
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);

    // Alt+B is "&Back", Alt+G "&Get My Upagrahas"; an access key clicks its button after a short
    // animation.
    QTest::keyClick(window.get(), Qt::Key_B, Qt::AltModifier);
    QTRY_COMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);
    QTest::keyClick(window.get(), Qt::Key_G, Qt::AltModifier);
    QTRY_COMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
}

void FrmMainTest::the_report_pane_leaves_the_clipboard_alone() {
    QClipboard* clipboard = QApplication::clipboard();
    const QString copiedElsewhere = QStringLiteral("copied in another program");
    clipboard->setText(copiedElsewhere);
    CalculateKnownGoodReading();
    auto* pane = Control<QTextEdit>(W(), "reportView");
    QWidget* viewport = pane->viewport();

    // Whatever a person does over the pane: move, click, double-click, drag, select all, copy.
    QTest::mouseMove(viewport, QPoint(30, 12));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(30, 12));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(30, 12));
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(viewport, QPoint(250, 120));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(250, 120));
    pane->setFocus();
    QTest::keyClick(pane, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pane, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(pane, Qt::Key_Insert, Qt::ControlModifier);
    QVERIFY(!pane->textCursor().hasSelection());
    QCOMPARE(clipboard->text(), copiedElsewhere);

    // A right click or the menu key asks for a context menu; the pane offers none.
    QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(30, 12));
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(30, 12), viewport->mapToGlobal(QPoint(30, 12)));
    QApplication::sendEvent(viewport, &menuKey);
    QVERIFY(QApplication::activePopupWidget() == nullptr);
    QCOMPARE(clipboard->text(), copiedElsewhere);

    // A new report written into the pane leaves the clipboard as it was too.
    Press(W(), "backButton");
    Press(W(), "calculateButton");
    QCOMPARE(clipboard->text(), copiedElsewhere);
}

void FrmMainTest::the_working_tab_shows_the_cores_working_of_the_reading() {
    CalculateKnownGoodReading();
    auto* tabs = Control<QTabWidget>(W(), "resultTabs");
    auto* working = Control<QPlainTextEdit>(W(), "workingView");
    // The report comes first, as it always did.
    QCOMPARE(tabs->currentWidget(), Control<QWidget>(W(), "reportTab"));
    QVERIFY(Control<QTextEdit>(W(), "reportView")->isVisible());

    // Alt+W is the tab's access key.
    QTest::keyClick(window.get(), Qt::Key_W, Qt::AltModifier);
    QTRY_VERIFY(working->isVisible());
    QVERIFY(working->isReadOnly());
    // The columns line up: in the pane's font every character of every line takes the width of
    // one digit, whatever font the system's fixed font turns out to be.
    const QFontMetricsF metrics(working->font());
    const qreal column = metrics.horizontalAdvance(QLatin1Char('0'));
    for (const QString& line : working->toPlainText().split(u'\n'))
        QVERIFY2(qAbs(metrics.horizontalAdvance(line) - column * static_cast<qreal>(line.size())) < 0.5,
                 qPrintable(QStringLiteral("%1 (%2)").arg(line, QFontInfo(working->font()).family())));
    QVERIFY(Control<QPushButton>(W(), "saveButton")->isVisible());
    QVERIFY(Control<QPushButton>(W(), "backButton")->isVisible());

    const CoreWorking core = WorkingOf(KnownGoodForm());
    QCOMPARE(working->toPlainText(), core.text);
    // Each portion's line holds the start, end and lord the core cut for it.
    const QStringList lines = working->toPlainText().split(u'\n');
    for (std::size_t k = 0; k < core.portions.size(); ++k) {
        const auto& portion = core.portions[k];
        const QString start =
            QStringLiteral("  %1  %2").arg(k + 1).arg(QString::fromStdString(reading::ClockText(portion.start)));
        const auto line =
            std::find_if(lines.begin(), lines.end(), [&start](const QString& l) { return l.startsWith(start); });
        QVERIFY2(line != lines.end(), qPrintable(start));
        QVERIFY(line->contains(QString::fromStdString(reading::ClockText(portion.end))));
        const std::string_view lord = upagraha::PlanetText(portion.lord);
        QVERIFY(line->endsWith(QString::fromUtf8(lord.data(), static_cast<qsizetype>(lord.size()))));
    }

    // Back on the report tab the report is the core's, untouched.
    QTest::keyClick(window.get(), Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(Control<QTextEdit>(W(), "reportView")->isVisible());
    QCOMPARE(Control<QTextEdit>(W(), "reportView")->toPlainText(),
             QString::fromStdString(upagraha::ReportPlainText(ReportOf(KnownGoodForm()))));
}

void FrmMainTest::the_working_follows_each_new_reading() {
    CalculateKnownGoodReading();
    auto* working = Control<QPlainTextEdit>(W(), "workingView");
    Control<QTabWidget>(W(), "resultTabs")->setCurrentWidget(Control<QWidget>(W(), "workingTab"));
    QCOMPARE(working->toPlainText(), WorkingOf(KnownGoodForm()).text);

    // A night birth calculated while the working tab is open shows its own working there.
    Press(W(), "backButton");
    ChooseEntry(W(), "hourCombo", QStringLiteral("22"));
    Press(W(), "calculateButton");
    QVERIFY(recorder->messages.isEmpty());
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
    QVERIFY(working->isVisible());
    QCOMPARE(window->focusWidget(), working);
    reading::BirthForm night = KnownGoodForm();
    night.hour = "22";
    const QString nightWorking = WorkingOf(night).text;
    QVERIFY(nightWorking.contains(QStringLiteral("Night birth")));
    QCOMPARE(working->toPlainText(), nightWorking);

    // A refused calculation leaves the last reading's working.
    Press(W(), "backButton");
    ChooseEntry(W(), "dayCombo", QStringLiteral("31"));
    ChooseEntry(W(), "monthCombo", QStringLiteral("April"));
    Press(W(), "calculateButton");
    QCOMPARE(recorder->messages.size(), 1);
    QCOMPARE(working->toPlainText(), nightWorking);
}

void FrmMainTest::a_saved_reading_opens_again_and_recomputes() {
    CalculateKnownGoodReading();
    const QString report = Control<QTextEdit>(W(), "reportView")->toPlainText();
    const QString path = tempDir->filePath(QStringLiteral("asha.ved"));
    recorder->dialogAnswers << path << path;
    Press(W(), "saveButton");
    QCOMPARE(recorder->dialogs.size(), 1);
    const desktop::FileDialogRequest save = recorder->dialogs.front();
    QCOMPARE(save.kind, desktop::FileDialogRequest::Kind::Save);
    QCOMPARE(save.title, QStringLiteral("Vela Upagrahas"));
    QCOMPARE(save.filter, QStringLiteral("Vela Upagrahas (*.ved)"));
    QCOMPARE(save.defaultSuffix, QStringLiteral("ved"));
    QCOMPARE(save.proposedPath, QString());
    QVERIFY(recorder->messages.isEmpty());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.count("\r\n"), 17);
    QVERIFY(bytes.endsWith("\r\n"));
    file.close();

    // The second save proposes the first file's path.
    Press(W(), "saveButton");
    QCOMPARE(recorder->dialogs.at(1).proposedPath, path);

    // Change the form, then open the reading: the form comes back and the report with it.
    Press(W(), "backButton");
    auto* name = Control<QLineEdit>(W(), "nameEdit");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(name, QStringLiteral("Ravi"));
    ChoosePosition(W(), "zoneCombo", 0);
    ChooseEntry(W(), "monthCombo", QStringLiteral("March"));
    PickRadio(W(), "southRadio");
    PickRadio(W(), "westRadio");
    QTest::mouseClick(Control<QCheckBox>(W(), "dstCheck"), Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(Control<QCheckBox>(W(), "dstCheck")->isChecked());

    recorder->dialogAnswers << path;
    Press(W(), "openButton");
    const desktop::FileDialogRequest open = recorder->dialogs.last();
    QCOMPARE(open.kind, desktop::FileDialogRequest::Kind::Open);
    QCOMPARE(open.title, QStringLiteral("Select the source file"));
    QCOMPARE(open.filter, QStringLiteral("Vela Upagrahas (*.ved)"));
    QCOMPARE(open.defaultSuffix, QStringLiteral("ved"));
    QCOMPARE(open.proposedPath, QString());
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
    QCOMPARE(Control<QTextEdit>(W(), "reportView")->toPlainText(), report);

    Press(W(), "backButton");
    QCOMPARE(name->text(), QStringLiteral("Asha"));
    QCOMPARE(Control<QComboBox>(W(), "dayCombo")->currentText(), QStringLiteral("15"));
    QCOMPARE(Control<QComboBox>(W(), "monthCombo")->currentText(), QStringLiteral("June"));
    QCOMPARE(Control<QComboBox>(W(), "yearCombo")->currentText(), QStringLiteral("1975"));
    QCOMPARE(Control<QComboBox>(W(), "hourCombo")->currentText(), QStringLiteral("10"));
    QCOMPARE(Control<QComboBox>(W(), "minuteCombo")->currentText(), QStringLiteral("30"));
    QCOMPARE(Control<QComboBox>(W(), "zoneCombo")->currentIndex(), 34);
    QCOMPARE(Control<QLineEdit>(W(), "latDegreesEdit")->text() + Control<QLineEdit>(W(), "latMinutesEdit")->text(),
             QStringLiteral("2837"));
    QCOMPARE(Control<QLineEdit>(W(), "lonDegreesEdit")->text() + Control<QLineEdit>(W(), "lonMinutesEdit")->text(),
             QStringLiteral("7713"));
    QVERIFY(Control<QRadioButton>(W(), "northRadio")->isChecked());
    QVERIFY(Control<QRadioButton>(W(), "eastRadio")->isChecked());
    QVERIFY(!Control<QCheckBox>(W(), "dstCheck")->isChecked());
    QCOMPARE(Control<QLineEdit>(W(), "cityEdit")->text() + u'/' + Control<QLineEdit>(W(), "stateEdit")->text() + u'/' +
                 Control<QLineEdit>(W(), "countryEdit")->text(),
             QStringLiteral("Delhi/Delhi/India"));
}

void FrmMainTest::open_refuses_a_name_not_ending_in_ved() {
    CalculateKnownGoodReading();
    const QString path = tempDir->filePath(QStringLiteral("READING.VED"));
    recorder->dialogAnswers << path;
    Press(W(), "saveButton");
    QVERIFY(QFile::exists(path));
    Press(W(), "backButton");
    auto* name = Control<QLineEdit>(W(), "nameEdit");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(name, QStringLiteral("Ravi"));
    const QStringList values = FormBoxTexts(W());

    recorder->dialogAnswers << path;
    Press(W(), "openButton");
    QCOMPARE(recorder->MessageTexts(), QStringList(QStringLiteral("Please Check The File.")));
    QCOMPARE(recorder->messages.front().icon, reading::MsgIcon::Critical);
    QCOMPARE(FormBoxTexts(W()), values);
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);
}

void FrmMainTest::a_damaged_reading_stops_with_a_message() {
    CalculateKnownGoodReading();
    const QString report = Control<QTextEdit>(W(), "reportView")->toPlainText();
    const QString path = tempDir->filePath(QStringLiteral("damaged.ved"));
    recorder->dialogAnswers << path;
    Press(W(), "saveButton");
    Press(W(), "backButton");

    // Month 0 is no month of the list: the list is left without a selection and the calculation
    // stops before any stage, naming the month.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    lines[1] = QByteArray::fromStdString(reading::EncodeField("0")) + "\r";
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(lines.join('\n'));
    file.close();

    recorder->dialogAnswers << path;
    Press(W(), "openButton");
    QCOMPARE(recorder->messages.size(), 1);
    QCOMPARE(recorder->messages.front().icon, reading::MsgIcon::Critical);
    QCOMPARE(Control<QComboBox>(W(), "monthCombo")->currentIndex(), -1);
    QCOMPARE(window->focusWidget(), Control<QWidget>(W(), "monthCombo"));
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);
    QCOMPARE(Control<QTextEdit>(W(), "reportView")->toPlainText(), report);
    QCOMPARE(window->ChartState().month, 6);

    // Choosing a month makes the reading whole again.
    recorder->messages.clear();
    ChooseEntry(W(), "monthCombo", QStringLiteral("June"));
    Press(W(), "calculateButton");
    QVERIFY(recorder->messages.isEmpty());
    QCOMPARE(Control<QTextEdit>(W(), "reportView")->toPlainText(), report);
}

namespace {

void WriteShiftedFile(const QString& path, const std::vector<std::string>& fields, int shift) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(HandWrittenReading(fields, shift)));
}

// Asha at 22:15 on 15 June 1975 in Delhi, a night birth.
std::vector<std::string> NightFields() {
    return {"Asha", "6",  "15",   "1975",  "22",    "15",    "34",    "77",   "13",
            "28",   "37", "True", "False", "False", "Delhi", "Delhi", "India"};
}

}  // namespace

void FrmMainTest::unreadable_lines_are_named_before_the_reading_is_calculated() {
    // A window of its own, whose message box notes what the result pane showed at that moment.
    SeamRecorder notes;
    desktop::WindowSeams seams = notes.Seams();
    const auto record = seams.MsgBox;
    desktop::MainWindow* shown = nullptr;
    QStringList reportAtMessage;
    seams.MsgBox = [&](const QString& text, reading::MsgIcon icon) {
        reportAtMessage << Control<QTextEdit>(*shown, "reportView")->toPlainText();
        record(text, icon);
    };
    desktop::MainWindow own(seams);
    shown = &own;
    QVERIFY(ShowActive(own));
    FillKnownGoodReading(own);
    Press(own, "calculateButton");
    QVERIFY2(notes.messages.isEmpty(), qPrintable(notes.MessageTexts().join(u'|')));
    const QString before = Control<QTextEdit>(own, "reportView")->toPlainText();

    std::vector<std::string> fields = NightFields();
    fields[3] = "75";   // no year of the list
    fields[6] = "IST";  // no zone row
    const QString path = tempDir->filePath(QStringLiteral("night.ved"));
    WriteShiftedFile(path, fields, 20);
    notes.dialogAnswers << path;
    Press(own, "openButton");
    QCOMPARE(notes.MessageTexts(),
             QStringList(QStringLiteral("Some lines of this reading could not be read, and the form keeps what it held "
                                        "for them: year (line 4), time zone (line 7).")));
    QCOMPARE(notes.messages.front().icon, reading::MsgIcon::Critical);
    QCOMPARE(reportAtMessage, QStringList(before));
    // The lines that were read are in the form, the others kept what they held, and the reading of
    // that form is on screen.
    QCOMPARE(Control<QComboBox>(own, "hourCombo")->currentText(), QStringLiteral("22"));
    QCOMPARE(Control<QComboBox>(own, "yearCombo")->currentText(), QStringLiteral("1975"));
    QCOMPARE(Control<QComboBox>(own, "zoneCombo")->currentIndex(), 34);
    QCOMPARE(own.PanelInFront(), desktop::MainWindow::Panel::Result);
    QCOMPARE(own.ChartState().hour, 22);
}

void FrmMainTest::a_file_that_is_no_reading_changes_nothing() {
    CalculateKnownGoodReading();
    Press(W(), "backButton");
    const QStringList values = FormBoxTexts(W());
    const QString report = Control<QTextEdit>(W(), "reportView")->toPlainText();
    const QString path = tempDir->filePath(QStringLiteral("notes.ved"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Buy milk\nCall Asha about her reading\n");
    file.close();

    recorder->dialogAnswers << path;
    Press(W(), "openButton");
    QCOMPARE(recorder->MessageTexts(), QStringList(QStringLiteral("This file is not a saved reading.")));
    QCOMPARE(FormBoxTexts(W()), values);
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);
    QCOMPARE(Control<QTextEdit>(W(), "reportView")->toPlainText(), report);
}

void FrmMainTest::a_letter_only_the_files_shift_holds_survives_a_new_save() {
    // n with tilde is Latin-1 241: shift 14 writes it as 255, the program's own 20 cannot.
    std::vector<std::string> fields = NightFields();
    fields[0] = "Mu\xF1oz";
    const QString original = tempDir->filePath(QStringLiteral("munoz.ved"));
    WriteShiftedFile(original, fields, 14);
    const QString copy = tempDir->filePath(QStringLiteral("copy.ved"));
    recorder->dialogAnswers << original << copy;
    Press(W(), "openButton");
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    QCOMPARE(Control<QLineEdit>(W(), "nameEdit")->text(), QStringLiteral("Mu\u00F1oz"));
    Press(W(), "saveButton");
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));

    reading::BirthForm form;
    reading::OpenedReading opened;
    QVERIFY(!reading::OpenReadingFile(QFile::encodeName(copy).toStdString(), form, opened));
    QCOMPARE(QString::fromStdString(form.name), QStringLiteral("Mu\u00F1oz"));
}

void FrmMainTest::a_name_of_blanks_is_no_name() {
    FillKnownGoodReading(W());
    auto* name = Control<QLineEdit>(W(), "nameEdit");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(name, QStringLiteral("   "));
    Press(W(), "calculateButton");
    QCOMPARE(recorder->MessageTexts(), QStringList(QStringLiteral("Please Enter Your Name")));
    QCOMPARE(window->focusWidget(), static_cast<QWidget*>(name));
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);
}

void FrmMainTest::cancelled_dialogs_change_nothing() {
    const QStringList values = FormBoxTexts(W());
    Press(W(), "openButton");
    QCOMPARE(recorder->dialogs.size(), 1);
    QCOMPARE(FormBoxTexts(W()), values);
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);

    CalculateKnownGoodReading();
    Press(W(), "saveButton");
    Press(W(), "saveButton");
    QCOMPARE(recorder->dialogs.size(), 3);
    // Nothing was chosen, so nothing is proposed the second time and nothing was written.
    QCOMPARE(recorder->dialogs.at(2).proposedPath, QString());
    QVERIFY(QDir(tempDir->path()).isEmpty());
    QVERIFY(recorder->messages.isEmpty());
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
}

void FrmMainTest::a_failed_save_is_reported() {
    CalculateKnownGoodReading();
    // A folder that is a regular file cannot hold the reading, whoever runs the test.
    const QString blocker = tempDir->filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    recorder->dialogAnswers << blocker + QStringLiteral("/asha.ved");
    Press(W(), "saveButton");
    QCOMPARE(recorder->messages.size(), 1);
    QVERIFY2(recorder->messages.front().text.startsWith(QStringLiteral("The reading could not be saved.")),
             qPrintable(recorder->messages.front().text));
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
}

void FrmMainTest::the_lookup_checks_the_place_boxes_in_order_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("focus");
    QTest::newRow("nothing filled") << ""
                                    << ""
                                    << ""
                                    << "Please Enter City" << QByteArray("cityEdit");
    QTest::newRow("city only") << "Pune"
                               << ""
                               << ""
                               << "Please Enter State" << QByteArray("stateEdit");
    QTest::newRow("city and country") << "Pune"
                                      << ""
                                      << "India"
                                      << "Please Enter State" << QByteArray("stateEdit");
    QTest::newRow("city and state") << "Pune"
                                    << "Maharashtra"
                                    << ""
                                    << "Please Enter Country" << QByteArray("countryEdit");
    QTest::newRow("state and country") << ""
                                       << "Maharashtra"
                                       << "India"
                                       << "Please Enter City" << QByteArray("cityEdit");
}

void FrmMainTest::the_lookup_checks_the_place_boxes_in_order() {
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, message);
    QFETCH(QByteArray, focus);
    TypeInto(W(), "cityEdit", city);
    TypeInto(W(), "stateEdit", state);
    TypeInto(W(), "countryEdit", country);
    Press(W(), "lookUpCoordinatesButton");
    QCOMPARE(recorder->MessageTexts(), QStringList(message));
    QCOMPARE(recorder->messages.front().icon, reading::MsgIcon::Critical);
    QCOMPARE(window->focusWidget(), Control<QWidget>(W(), focus.constData()));
    QVERIFY(recorder->openedUrls.isEmpty());
}

void FrmMainTest::the_lookup_searches_the_web_for_the_place_as_typed_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("search");
    QTest::newRow("Pune") << "Pune"
                          << "Maharashtra"
                          << "India"
                          << "Pune Maharashtra India Latitude Longitude";
    QTest::newRow("blanks are kept as typed") << "New York "
                                              << "New York"
                                              << "USA"
                                              << "New York  New York USA Latitude Longitude";
}

void FrmMainTest::the_lookup_searches_the_web_for_the_place_as_typed() {
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, search);
    TypeInto(W(), "cityEdit", city);
    TypeInto(W(), "stateEdit", state);
    TypeInto(W(), "countryEdit", country);
    Press(W(), "lookUpCoordinatesButton");
    QVERIFY(recorder->messages.isEmpty());
    QCOMPARE(recorder->openedUrls.size(), 1);
    const QUrl url = recorder->openedUrls.front();
    QVERIFY(url.isValid());
    QCOMPARE(url.scheme(), QStringLiteral("https"));
    QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded), search);
}

void FrmMainTest::every_page_opens_from_its_menu_item_or_label_data() {
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<int>("page");
    using desktop::WebPage;
    QTest::newRow("Visit Us Online") << QByteArray("visitUsAction") << static_cast<int>(WebPage::HomePage);
    QTest::newRow("Check for Software Update")
        << QByteArray("updateAction") << static_cast<int>(WebPage::SoftwareUpdate);
    QTest::newRow("Donate") << QByteArray("donateAction") << static_cast<int>(WebPage::Donation);
    QTest::newRow("Make Money Online") << QByteArray("makeMoneyAction") << static_cast<int>(WebPage::FullBranding);
    QTest::newRow("full branding label") << QByteArray("fullBrandLink") << static_cast<int>(WebPage::FullBranding);
    QTest::newRow("co-branding label") << QByteArray("cobrandLink") << static_cast<int>(WebPage::CoBranding);
    QTest::newRow("makeMoneyLink") << QByteArray("makeMoneyLink") << static_cast<int>(WebPage::FullBranding);
}

void FrmMainTest::every_page_opens_from_its_menu_item_or_label() {
    QFETCH(QByteArray, control);
    QFETCH(int, page);
    if (auto* action = Control<QAction>(W(), control.constData())) {
        action->trigger();
    } else {
        auto* label = Control<QLabel>(W(), control.constData());
        QVERIFY(label != nullptr);
        QVERIFY(label->isVisible());
        QTest::mouseClick(label, Qt::LeftButton);
    }
    const QUrl expected = desktop::WebPageUrl(static_cast<desktop::WebPage>(page));
    QCOMPARE(recorder->openedUrls, QList<QUrl>({expected}));
    QVERIFY(recorder->messages.isEmpty());
}

// Without a browser every web action says so, with the address to copy; the form stays as it was.
void FrmMainTest::a_browser_that_fails_gives_the_address_to_copy() {
    recorder->browserWorks = false;
    TypeInto(W(), "cityEdit", QStringLiteral("Pune"));
    TypeInto(W(), "stateEdit", QStringLiteral("Maharashtra"));
    TypeInto(W(), "countryEdit", QStringLiteral("India"));
    const QStringList values = FormBoxTexts(W());
    for (const char* item : {"visitUsAction", "updateAction", "donateAction", "makeMoneyAction"})
        Control<QAction>(W(), item)->trigger();
    QTest::mouseClick(Control<QLabel>(W(), "cobrandLink"), Qt::LeftButton);
    Press(W(), "lookUpCoordinatesButton");
    QCOMPARE(recorder->openedUrls.size(), 6);
    QCOMPARE(recorder->messages.size(), 6);
    for (qsizetype i = 0; i < recorder->messages.size(); ++i) {
        const QString& text = recorder->messages.at(i).text;
        QVERIFY2(text.startsWith(QStringLiteral("No web browser could open the page.")), qPrintable(text));
        QVERIFY2(text.endsWith(recorder->openedUrls.at(i).toString(QUrl::FullyEncoded)), qPrintable(text));
    }
    QVERIFY(recorder->messages.last().text.contains(QStringLiteral("duckduckgo.com/?q=Pune%20Maharashtra")));
    QCOMPARE(FormBoxTexts(W()), values);
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);
    QVERIFY(window->isVisible());
}

bool FrmMainTest::WithRealModal(const std::function<void()>& step, const std::function<void(QWidget*)>& inspect) {
    watchdog->Pause(true);
    bool appeared = false;
    QTimer poll;
    poll.setInterval(20);
    int ticks = 0;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            appeared = true;
            poll.stop();
            inspect(modal);
            modal->close();
        } else if (++ticks > 150) {
            poll.stop();
        }
    });
    poll.start();
    step();
    poll.stop();
    watchdog->Pause(false);
    return appeared;
}

void FrmMainTest::the_real_message_box_has_the_title_one_ok_and_the_icon() {
    desktop::WindowSeams seams = recorder->Seams();
    seams.MsgBox = nullptr;
    desktop::MainWindow real(seams);
    real.show();
    QVERIFY(QTest::qWaitForWindowExposed(&real));
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton*> buttons;
    const bool appeared = WithRealModal([&] { Press(real, "calculateButton"); },
                                        [&](QWidget* modal) {
                                            auto* box = qobject_cast<QMessageBox*>(modal);
                                            if (box == nullptr) return;
                                            title = box->windowTitle();
                                            text = box->text();
                                            icon = box->icon();
                                            buttons = box->buttons();
                                        });
    QVERIFY(appeared);
    QCOMPARE(title, QStringLiteral("Vela Upagrahas"));
    QCOMPARE(text, QStringLiteral("Please Enter Your Name"));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(real.focusWidget(), Control<QWidget>(real, "nameEdit"));
}

void FrmMainTest::the_real_file_dialogs_carry_the_filter_title_and_suffix() {
    desktop::WindowSeams seams = recorder->Seams();
    seams.FileDialog = nullptr;
    desktop::MainWindow real(seams);
    real.show();
    QVERIFY(QTest::qWaitForWindowExposed(&real));
    struct Seen {
        QString title;
        QStringList filters;
        QString suffix;
        QFileDialog::AcceptMode accept = QFileDialog::AcceptOpen;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        bool confirmsOverwrite = false;
        QStringList selected;
    };
    const auto inspect = [](Seen& seen) {
        return [&seen](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (dialog == nullptr) return;
            seen = {dialog->windowTitle(),   dialog->nameFilters(),
                    dialog->defaultSuffix(), dialog->acceptMode(),
                    dialog->fileMode(),      !dialog->testOption(QFileDialog::DontConfirmOverwrite),
                    dialog->selectedFiles()};
        };
    };
    Seen open;
    QVERIFY(WithRealModal([&] { Press(real, "openButton"); }, inspect(open)));
    QCOMPARE(open.title, QStringLiteral("Select the source file"));
    QCOMPARE(open.filters, QStringList(QStringLiteral("Vela Upagrahas (*.ved)")));
    QCOMPARE(open.suffix, QStringLiteral("ved"));
    QCOMPARE(open.accept, QFileDialog::AcceptOpen);
    QCOMPARE(open.mode, QFileDialog::ExistingFile);
    QVERIFY(recorder->messages.isEmpty());

    FillKnownGoodReading(real);
    Press(real, "calculateButton");
    QCOMPARE(real.PanelInFront(), desktop::MainWindow::Panel::Result);
    Seen save;
    QVERIFY(WithRealModal([&] { Press(real, "saveButton"); }, inspect(save)));
    QCOMPARE(save.title, QStringLiteral("Vela Upagrahas"));
    QCOMPARE(save.filters, QStringList(QStringLiteral("Vela Upagrahas (*.ved)")));
    QCOMPARE(save.suffix, QStringLiteral("ved"));
    QCOMPARE(save.accept, QFileDialog::AcceptSave);
    QVERIFY(save.confirmsOverwrite);
    QVERIFY(recorder->messages.isEmpty());
}

void FrmMainTest::about_shows_a_modal_window_with_the_version() {
    desktop::WindowSeams seams = recorder->Seams();
    seams.ShowAbout = nullptr;
    desktop::MainWindow real(seams);
    real.show();
    QVERIFY(QTest::qWaitForWindowExposed(&real));
    bool modal = false;
    QString text;
    const bool appeared = WithRealModal([&] { Control<QAction>(real, "aboutAction")->trigger(); },
                                        [&](QWidget* modalWindow) {
                                            auto* dialog = qobject_cast<QDialog*>(modalWindow);
                                            if (dialog == nullptr) return;
                                            modal = dialog->isModal() && dialog->parentWidget() == &real;
                                            if (auto* label = dialog->findChild<QLabel*>(QStringLiteral("aboutLabel")))
                                                text = label->text();
                                        });
    QVERIFY(appeared);
    QVERIFY(modal);
    for (const char* part : {"Vela Upagrahas v1.20", "Gulika", "Licence", "Credits"})
        QVERIFY2(text.contains(QString::fromLatin1(part)), part);
    QCOMPARE(recorder->aboutShown, 0);
}

void FrmMainTest::exit_closes_the_window() {
    Control<QAction>(W(), "quitAction")->trigger();
    QTRY_VERIFY(!window->isVisible());
}

QTEST_MAIN(FrmMainTest)
#include "tst_main_window.moc"
