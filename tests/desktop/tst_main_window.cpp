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
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTranslator>
#include <QUrlQuery>

#include <array>
#include <functional>
#include <memory>

#include "desktop/translations.h"
#include "desktop/web_pages.h"
#include "gui_test_support.h"
#include "reading/calculation_driver.h"
#include "reading/form_values.h"
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

}  // namespace

class FrmMainTest : public WindowTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opens_with_the_first_entries_selected_and_the_form_in_front();
    void a_name_typed_right_after_the_start_goes_into_the_name_box();
    void the_window_opens_at_the_size_and_place_it_was_closed_at();
    void shows_the_captions_menus_and_access_keys();
    void an_empty_form_names_each_missing_box_in_turn();
    void a_day_the_month_lacks_is_refused_data();
    void a_day_the_month_lacks_is_refused();
    void back_keeps_the_form_and_a_second_press_recomputes();
    void a_refused_recalculation_keeps_the_previous_report();
    void the_menu_item_and_the_access_key_calculate_like_the_button();
    void a_saved_reading_opens_again_and_recomputes();
    void open_refuses_a_name_not_ending_in_ved();
    void a_damaged_reading_stops_with_a_message();
    void unreadable_lines_are_named_before_the_reading_is_calculated();
    void a_file_that_is_no_reading_changes_nothing();
    void a_letter_only_the_files_shift_holds_survives_a_new_save();
    void a_name_of_blanks_is_no_name();
    void cancelled_dialogs_change_nothing();
    void a_failed_save_is_reported();
    void a_reading_a_ved_cannot_hold_is_proposed_as_vela_and_opens_again();
    void an_exact_offset_is_calculated_saved_and_opened_to_the_second();
    void a_chart_file_opens_and_a_reading_saves_as_one();
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
    void the_window_speaks_the_language_of_its_catalogue();
    void the_language_menu_changes_the_window_and_the_reading_at_once();
    void a_tamil_window_shows_the_cores_texts_in_tamil();
    void an_unsaved_reading_is_never_let_go_silently_data();
    void an_unsaved_reading_is_never_let_go_silently();

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
    // Both panels share one place and open no smaller than their designed 9015 x 5535 twips
    // (larger where the screen has room, for the chart's sake: tst_scaling measures it).
    const QSize panel = Control<QWidget>(W(), "birthDataPanel")->size();
    QVERIFY2(panel.width() >= 601 && panel.height() >= 369,
             qPrintable(QStringLiteral("%1 x %2").arg(panel.width()).arg(panel.height())));

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
    // Every zone row in order, its text followed by its exact offset (tst_profiles reads the offsets),
    // then the entry for any other offset.
    auto* zoneList = Control<QComboBox>(W(), "zoneCombo");
    QCOMPARE(zoneList->count(), reading::kZoneCount + 1);
    QCOMPARE(zoneList->itemText(reading::kZoneCount), QStringLiteral("Another offset (\u00B1HH:MM:SS)"));
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

void FrmMainTest::a_name_typed_right_after_the_start_goes_into_the_name_box() {
    // The keys go wherever the focus is, as a keyboard's do.
    QCOMPARE(QApplication::focusWidget(), Control<QWidget>(W(), "nameEdit"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Asha"));
    QCOMPARE(Control<QLineEdit>(W(), "nameEdit")->text(), QStringLiteral("Asha"));
    // A later run of the program starts the same way.
    NewWindow();
    QCOMPARE(QApplication::focusWidget(), Control<QWidget>(W(), "nameEdit"));
}

void FrmMainTest::the_window_opens_at_the_size_and_place_it_was_closed_at() {
    const QRect available = window->screen()->availableGeometry();
    // First run: within the screen's available area.
    QVERIFY2(available.contains(window->frameGeometry()), "the first window does not fit the screen");
    const QSize chosen = window->size() - QSize(40, 30);
    window->resize(chosen);
    window->move(available.topLeft() + QPoint(25, 20));
    const QPoint place = window->pos();
    QVERIFY(window->close());
    NewWindow();
    QCOMPARE(window->size(), chosen);
    QCOMPARE(window->pos(), place);
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
    QCOMPARE(menuTexts(top),
             QStringList({"&File", "&Conventions", "&Language", "&Help", "Donate", "Make Money &Online"}));
    QVERIFY(top[0]->menu() != nullptr && top[1]->menu() != nullptr && top[2]->menu() != nullptr &&
            top[3]->menu() != nullptr);
    QVERIFY(top[4]->menu() == nullptr && top[5]->menu() == nullptr);
    // The languages by their own names, in their own scripts.
    QCOMPARE(menuTexts(top[2]->menu()->actions()),
             QStringList({QStringLiteral("English"), QStringLiteral("हिन्दी"), QStringLiteral("தமிழ்")}));
    // The standard file commands come before the original entries; no reading was opened yet, so
    // no recent ones are listed.
    QCOMPARE(menuTexts(top[0]->menu()->actions()),
             QStringList({"&New Reading", "&Open Reading...", "&Save Reading...", "&Print...", "Export P&DF...",
                          "Export &Chart Image...", "-", "Get My &Rasi Chart", "-", "Da&y Portions...", "&Exit"}));
    // Get My Rasi Chart says what it does, where the mouse rests on it.
    const QAction* rasi = Control<QAction>(W(), "rasiChartAction");
    QVERIFY(rasi->statusTip().startsWith(QStringLiteral("Calculates the reading of the form")));
    QCOMPARE(rasi->toolTip(), rasi->statusTip());
    QVERIFY(top[0]->menu()->toolTipsVisible());
    // Each preset then names the axes on which it leaves the original's (docs/conventions.md).
    QStringList presets = menuTexts(top[1]->menu()->actions());
    QVERIFY(presets[1].endsWith(
        QStringLiteral("Gulika at the start; sunrise at the centre of the disc without refraction)")));
    for (QString& preset : presets) preset = preset.section(QStringLiteral(" (unlike Original: "), 0, 0);
    QCOMPARE(presets, QStringList({"&Original", "&Gulika at the start", "&Seven lords", "&All at the start",
                                   "&Kerala (Maandi by ghatis)", "&Precise ephemeris", "-", "C&ustom...", "-",
                                   "&Include the comparison of profiles in print"}));
    QCOMPARE(menuTexts(top[3]->menu()->actions()), QStringList({"&Online Help", "&Visit Us Online", "-",
                                                                "Check for Software &Update", "-", "&About Software"}));
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
    QCOMPARE(UpToTheGrahas(pane->toPlainText()),
             UpToTheGrahas(QString::fromStdString(upagraha::ReportPlainText(ReportOf(night)))));
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
    QCOMPARE(save.filter,
             QStringLiteral("Vela Upagrahas (*.ved);;Vela reading, any script (*.vela);;JHD chart (*.jhd)"));
    QCOMPARE(save.defaultSuffix, QStringLiteral("ved"));
    // The first save proposes the person's name, as the exports do.
    QCOMPARE(QFileInfo(save.proposedPath).fileName(), QStringLiteral("Asha.ved"));
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
    QCOMPARE(open.filter, QStringLiteral("Readings and charts (*.ved *.vela *.jhd);;Vela Upagrahas (*.ved);;Vela "
                                         "reading, any script (*.vela);;JHD chart (*.jhd)"));
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
    const auto record = seams.messageBox;
    desktop::MainWindow* shown = nullptr;
    QStringList reportAtMessage;
    seams.messageBox = [&](const QString& text, reading::MsgIcon icon) {
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

    // Handed over: a number beyond a double is refused with its field named, and the reading stays.
    const QString huge = tempDir->filePath(QStringLiteral("huge.vela"));
    QFile hostile(huge);
    QVERIFY(hostile.open(QIODevice::WriteOnly));
    hostile.write(R"({"format": "vela-reading", "version": 1, "month": 1e400})");
    hostile.close();
    recorder->messages.clear();
    window->OpenHandedReading(huge);
    QCOMPARE(recorder->MessageTexts(),
             QStringList(QStringLiteral("This reading cannot be opened: the field \"month\" holds a number too "
                                        "large for any field.")));
    QCOMPARE(FormBoxTexts(W()), values);
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
    // Nothing was chosen, so the person's name is proposed again and nothing was written.
    QCOMPARE(QFileInfo(recorder->dialogs.at(2).proposedPath).fileName(), QStringLiteral("Asha.ved"));
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
    seams.messageBox = nullptr;
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
    seams.fileDialog = nullptr;
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
    QCOMPARE(open.filters,
             QStringList({QStringLiteral("Readings and charts (*.ved *.vela *.jhd)"),
                          QStringLiteral("Vela Upagrahas (*.ved)"), QStringLiteral("Vela reading, any script (*.vela)"),
                          QStringLiteral("JHD chart (*.jhd)")}));
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
    QCOMPARE(save.filters,
             QStringList({QStringLiteral("Vela Upagrahas (*.ved)"), QStringLiteral("Vela reading, any script (*.vela)"),
                          QStringLiteral("JHD chart (*.jhd)")}));
    QCOMPARE(save.suffix, QStringLiteral("ved"));
    QCOMPARE(save.accept, QFileDialog::AcceptSave);
    QVERIFY(save.confirmsOverwrite);
    QVERIFY(recorder->messages.isEmpty());
}

void FrmMainTest::about_shows_a_modal_window_with_the_version() {
    desktop::WindowSeams seams = recorder->Seams();
    seams.showAbout = nullptr;
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
    // Linked with the Swiss Ephemeris the program is under the AGPL 3; its source stays MIT.
    for (const char* part :
         {"Swiss Ephemeris (AGPL 3)", "GNU Affero General Public License 3", "source stays under the MIT License"})
        QVERIFY2(text.contains(QString::fromLatin1(part)), part);
    QCOMPARE(recorder->aboutShown, 0);
}

void FrmMainTest::exit_closes_the_window() {
    Control<QAction>(W(), "quitAction")->trigger();
    QTRY_VERIFY(!window->isVisible());
}

// A catalogue for the system's language puts the window's own texts into that language at start-up;
// the core's texts are shown as the core wrote them, even where the catalogue names the same words.
void FrmMainTest::the_window_speaks_the_language_of_its_catalogue() {
    const QString ts = tempDir->filePath(QStringLiteral("vela-upagrahas_de.ts"));
    QFile file(ts);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context><name>BirthDataPanel</name>
<message><source>&amp;Get My Upagrahas</source><translation>&amp;Meine Upagrahas</translation></message>
</context>
<context><name>MainWindow</name>
<message><source>&amp;File</source><translation>&amp;Datei</translation></message>
</context>
<context><name>vela::desktop::ResultView</name>
<message><source>North Indian</source><translation>Nordindisch</translation></message>
</context>
<context><name>vela::desktop::MainWindow</name>
<message><source>Select the source file</source><translation>Quelldatei w&#xe4;hlen</translation></message>
<message><source>Please Enter Your Name</source><translation>Bitte den Namen eingeben</translation></message>
</context>
</TS>
)");
    file.close();
    const QString qm = tempDir->filePath(QStringLiteral("vela-upagrahas_de.qm"));
    QCOMPARE(
        QProcess::execute(QStringLiteral(VELA_LRELEASE), {QStringLiteral("-silent"), ts, QStringLiteral("-qm"), qm}),
        0);

    // No catalogue for a language leaves the window in English.
    QCOMPARE(desktop::InstallTranslations(QLocale(QLocale::Japanese, QLocale::Japan), {tempDir->path()}), nullptr);
    QTranslator* german = desktop::InstallTranslations(QLocale(QLocale::German, QLocale::Germany), {tempDir->path()});
    QVERIFY(german != nullptr);
    const auto uninstall = qScopeGuard([german] {
        QCoreApplication::removeTranslator(german);
        delete german;
    });
    NewWindow();
    QCOMPARE(Control<QPushButton>(W(), "calculateButton")->text(), QStringLiteral("&Meine Upagrahas"));
    QCOMPARE(Control<QMenu>(W(), "fileMenu")->title(), QStringLiteral("&Datei"));
    QCOMPARE(Control<QComboBox>(W(), "chartStyleCombo")->itemText(1), QStringLiteral("Nordindisch"));
    // Texts the catalogue does not hold stay in English.
    QCOMPARE(Control<QPushButton>(W(), "openButton")->text(), QStringLiteral("&Open Previously Saved Reading"));
    Control<QAction>(W(), "openAction")->trigger();
    QCOMPARE(recorder->dialogs.size(), 1);
    QCOMPARE(recorder->dialogs.front().title, QStringLiteral("Quelldatei w\u00e4hlen"));
    Press(W(), "calculateButton");
    QCOMPARE(recorder->MessageTexts(), QStringList(QStringLiteral("Please Enter Your Name")));
}

// Language, Hindi: the window's texts, the report and the table change at once, with the reading
// and the form kept; the choice is remembered for the next window; English brings back the
// original report byte for byte.
void FrmMainTest::the_language_menu_changes_the_window_and_the_reading_at_once() {
    const auto backToEnglish = qScopeGuard([] { desktop::SwitchLanguage(upagraha::Language::English); });
    CalculateKnownGoodReading();
    const QString englishReport = Control<QTextEdit>(W(), "reportView")->toPlainText();
    QVERIFY(Control<QAction>(W(), "languageAction_en")->isChecked());

    Control<QAction>(W(), "languageAction_hi")->trigger();
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    QCOMPARE(desktop::InterfaceLanguage(), upagraha::Language::Hindi);
    QVERIFY(Control<QAction>(W(), "languageAction_hi")->isChecked());
    // Qt posts the LanguageChange events; they arrive with the event loop.
    QTRY_COMPARE(Control<QMenu>(W(), "fileMenu")->title(), QStringLiteral("फ़ाइल (&F)"));
    QCOMPARE(Control<QPushButton>(W(), "calculateButton")->text(), QStringLiteral("मेरे उपग्रह निकालें (&G)"));
    QCOMPARE(Control<QMenu>(W(), "languageMenu")->title(), QStringLiteral("भाषा (&L)"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Vela Upagrahas v1.20"));
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
    const QString hindiReport = Control<QTextEdit>(W(), "reportView")->toPlainText();
    QVERIFY(hindiReport.startsWith(QStringLiteral("काल\nभोगांश\n")));
    QVERIFY(hindiReport.contains(QStringLiteral("गुलिक")));
    auto* table = Control<QTableWidget>(W(), "upagrahaTable");
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("लग्न"));
    QCOMPARE(table->item(5, 0)->text(), QStringLiteral("गुलिक"));
    QCOMPARE(Control<QLineEdit>(W(), "nameEdit")->text(), QStringLiteral("Asha"));
    // The form's months by their Hindi names (the glossary's जून), the month chosen kept.
    QCOMPARE(Control<QComboBox>(W(), "monthCombo")->currentText(), QStringLiteral("जून"));

    // The next window opens in Hindi: the choice is in the settings.
    NewWindow();
    QCOMPARE(desktop::InterfaceLanguage(), upagraha::Language::Hindi);
    QVERIFY(Control<QAction>(W(), "languageAction_hi")->isChecked());
    CalculateKnownGoodReading();
    QCOMPARE(Control<QTextEdit>(W(), "reportView")->toPlainText(), hindiReport);

    QCOMPARE(Control<QComboBox>(W(), "monthCombo")->currentText(), QStringLiteral("जून"));

    Control<QAction>(W(), "languageAction_en")->trigger();
    QTRY_COMPARE(Control<QMenu>(W(), "fileMenu")->title(), QStringLiteral("&File"));
    QCOMPARE(Control<QTextEdit>(W(), "reportView")->toPlainText(), englishReport);
    QCOMPARE(Control<QComboBox>(W(), "monthCombo")->currentText(), QStringLiteral("June"));
}

// Tamil: the core's refusals and the result's header, table headings and working come in Tamil;
// the only words left in Latin letters are the form's names (person, place, zone) and the
// profiles' short names.
void FrmMainTest::a_tamil_window_shows_the_cores_texts_in_tamil() {
    const auto backToEnglish = qScopeGuard([] { desktop::SwitchLanguage(upagraha::Language::English); });
    const QRegularExpression latinWord(QStringLiteral("[A-Za-z]+"));
    const auto stray = [&](QString text) {
        text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));  // the header's markup
        QStringList words;
        for (const auto& match : latinWord.globalMatch(text)) {
            static const QStringList kept = {"Asha",   "Delhi", "India", "Indian", "Time", "original", "precise",
                                             "gulika", "start", "seven", "lords",  "all",  "at",       "kerala"};
            if (!kept.contains(match.captured())) words << match.captured();
        }
        return words.join(u' ');
    };
    Control<QAction>(W(), "languageAction_ta")->trigger();
    QCOMPARE(desktop::InterfaceLanguage(), upagraha::Language::Tamil);
    Press(W(), "calculateButton");
    QCOMPARE(recorder->messages.size(), 1);
    QCOMPARE(stray(recorder->messages.front().text), QString());

    // The form is filled in English (its lists' entries by their English names), then calculated in Tamil.
    Control<QAction>(W(), "languageAction_en")->trigger();
    FillKnownGoodReading(W());
    Control<QAction>(W(), "languageAction_ta")->trigger();
    recorder->messages.clear();
    Press(W(), "calculateButton");
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    QCOMPARE(stray(Control<QLabel>(W(), "resultHeader")->text()), QString());
    auto* table = Control<QTableWidget>(W(), "upagrahaTable");
    for (int c = 0; c < table->columnCount(); ++c) QCOMPARE(stray(table->horizontalHeaderItem(c)->text()), QString());
    Control<QTabWidget>(W(), "resultTabs")->setCurrentWidget(Control<QWidget>(W(), "workingTab"));
    const QString working = Control<QPlainTextEdit>(W(), "workingView")->toPlainText();
    QVERIFY(working.contains(QStringLiteral("சூரிய உதயமும் அஸ்தமனமும்")));
    QCOMPARE(stray(working), QString());
}

void FrmMainTest::an_unsaved_reading_is_never_let_go_silently_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("answerNumber");
    const std::array<std::pair<const char*, desktop::SaveChoice>, 3> answers = {
        {{"cancel", desktop::SaveChoice::Cancel},
         {"discard", desktop::SaveChoice::Discard},
         {"save", desktop::SaveChoice::Save}}};
    for (const char* action : {"open", "new", "hand-over", "quit"})
        for (const auto& [name, answer] : answers)
            QTest::newRow(QByteArray(action).append(", ").append(name).constData())
                << QString::fromLatin1(action) << static_cast<int>(answer);
}

// Open, New, a reading handed over by a later start and Exit ask first when the form holds a
// reading typed or changed since it was last saved: Cancel keeps everything as it is, Discard goes
// on, Save calculates the form, saves it and goes on.
void FrmMainTest::an_unsaved_reading_is_never_let_go_silently() {
    QFETCH(QString, action);
    QFETCH(int, answerNumber);
    const auto answer = static_cast<desktop::SaveChoice>(answerNumber);
    // Ravi's reading, saved by the core, to open or hand over.
    const QString other = tempDir->filePath(QStringLiteral("ravi.ved"));
    reading::BirthForm ravi = KnownGoodForm();
    ravi.name = "Ravi";
    reading::Reading raviState;
    QVERIFY(reading::RunCalculation(ravi, raviState).Succeeded());
    QVERIFY(!reading::SaveReadingFile(other.toStdString(), raviState, raviState.zoneRow).has_value());
    const QString saved = tempDir->filePath(QStringLiteral("asha.ved"));
    auto name = [this] { return Control<QLineEdit>(W(), "nameEdit")->text(); };
    const auto act = [&] {
        if (action == QStringLiteral("open"))
            Control<QAction>(W(), "openAction")->trigger();
        else if (action == QStringLiteral("new"))
            Control<QAction>(W(), "newReadingAction")->trigger();
        else if (action == QStringLiteral("hand-over"))
            window->OpenHandedReading(other);
        else
            Control<QAction>(W(), "quitAction")->trigger();
    };

    // The form as it was at start-up holds nothing to lose.
    act();
    QVERIFY(recorder->saveQuestions.isEmpty());
    NewWindow();
    recorder->dialogs.clear();

    FillKnownGoodReading(W());
    recorder->saveAnswer = answer;
    if (answer == desktop::SaveChoice::Save) recorder->dialogAnswers << saved;
    if (action == QStringLiteral("open")) recorder->dialogAnswers << other;
    act();
    QCOMPARE(recorder->saveQuestions.size(), 1);
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    if (answer == desktop::SaveChoice::Cancel) {
        QVERIFY(recorder->dialogs.isEmpty());
        QVERIFY(window->isVisible());
        QCOMPARE(name(), QStringLiteral("Asha"));
        QVERIFY(!QFileInfo::exists(saved));
        return;
    }
    if (answer == desktop::SaveChoice::Save) {
        // The form was calculated and saved: the file holds Asha's reading.
        reading::BirthForm form;
        reading::OpenedReading opened;
        QVERIFY(!reading::OpenReadingFile(saved.toStdString(), form, opened).has_value());
        QCOMPARE(form.name, std::string("Asha"));
        QCOMPARE(form.latDegrees, std::string("28"));
    } else {
        QVERIFY(!QFileInfo::exists(saved));
    }
    if (action == QStringLiteral("quit")) {
        QTRY_VERIFY(!window->isVisible());
        return;
    }
    QCOMPARE(name(), action == QStringLiteral("new") ? QStringLiteral("Asha") : QStringLiteral("Ravi"));
    // What was saved, opened or let go is not asked about again.
    window->close();
    QVERIFY(!window->isVisible());
    QCOMPARE(recorder->saveQuestions.size(), 1);
}

// "Núñez कमल" has letters no .ved shift holds (ú and ñ with S = 20 go past 255): Save proposes a
// .vela file, its title says why, and the file opens again; chosen as .ved all the same, it is
// refused with the reason and nothing is written.
void FrmMainTest::a_reading_a_ved_cannot_hold_is_proposed_as_vela_and_opens_again() {
    const QString name = QStringLiteral("N\u00FA\u00F1ez \u0915\u092E\u0932");
    FillKnownGoodReading(W());
    Control<QLineEdit>(W(), "nameEdit")->clear();
    TypeInto(W(), "nameEdit", name);
    Press(W(), "calculateButton");
    const QString path = tempDir->filePath(QStringLiteral("nunez.vela"));
    const QString ved = tempDir->filePath(QStringLiteral("nunez.ved"));
    recorder->dialogAnswers << path << path << ved;
    Press(W(), "saveButton");
    const desktop::FileDialogRequest save = recorder->dialogs.front();
    QCOMPARE(save.defaultSuffix, QStringLiteral("vela"));
    QVERIFY2(save.filter.startsWith(QStringLiteral("Vela reading, any script (*.vela)")), qPrintable(save.filter));
    // The reason in the dialog's body, where it is read whole; the title stays the program's.
    QVERIFY2(save.note.contains(QStringLiteral("\"\u00FA\"")), qPrintable(save.note));
    QCOMPARE(save.title, QStringLiteral("Vela Upagrahas"));
    QCOMPARE(QFileInfo(save.proposedPath).fileName(), name + QStringLiteral(".vela"));

    Press(W(), "backButton");
    Control<QLineEdit>(W(), "nameEdit")->clear();
    Press(W(), "openButton");
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    QCOMPARE(QString::fromStdString(window->ChartState().name), name);

    Press(W(), "saveButton");
    QCOMPARE(recorder->messages.size(), 1);
    QVERIFY2(recorder->messages.front().text.contains(QStringLiteral(".vela")),
             qPrintable(recorder->messages.front().text));
    QVERIFY(!QFileInfo::exists(ved));
}

// The zone list's last entry takes an offset to the second, which the reading uses exactly and a
// .vela file gives back into the box; a box without an offset says how to write one.
void FrmMainTest::an_exact_offset_is_calculated_saved_and_opened_to_the_second() {
    FillKnownGoodReading(W());
    auto* offset = Control<QLineEdit>(W(), "offsetEdit");
    ChoosePosition(W(), "zoneCombo", reading::kZoneCount);
    QVERIFY(offset->isVisible());
    TypeInto(W(), "offsetEdit", QStringLiteral("5:30"));
    Press(W(), "calculateButton");
    QCOMPARE(recorder->MessageTexts(), QStringList(QString::fromUtf8(reading::kOffsetNotationMessage)));
    QCOMPARE(window->focusWidget(), static_cast<QWidget*>(offset));
    recorder->messages.clear();

    offset->clear();
    TypeInto(W(), "offsetEdit", QStringLiteral("+05:53:20"));
    Press(W(), "calculateButton");
    QCOMPARE(window->ChartState().zone.secondsEast, 5 * 3600 + 53 * 60 + 20);
    const QString path = tempDir->filePath(QStringLiteral("offset.vela"));
    recorder->dialogAnswers << path << path;
    Press(W(), "saveButton");
    QVERIFY2(recorder->dialogs.last().note.contains(QStringLiteral("offset")),
             qPrintable(recorder->dialogs.last().note));

    Press(W(), "backButton");
    ChoosePosition(W(), "zoneCombo", 34);
    QVERIFY(!offset->isVisible());
    Press(W(), "openButton");
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    Press(W(), "backButton");
    QCOMPARE(Control<QComboBox>(W(), "zoneCombo")->currentIndex(), reading::kZoneCount);
    QCOMPARE(offset->text(), QStringLiteral("+05:53:20"));
}

// A chart file written by hand (10:30 at +05:30, 77°13′ E, 28°37′ N) opens as a reading named
// after the file, and saves as a chart again by the name's ending.
void FrmMainTest::a_chart_file_opens_and_a_reading_saves_as_one() {
    const QString chart = tempDir->filePath(QStringLiteral("Kamala Devi.jhd"));
    QFile file(chart);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "6\r\n15\r\n1975\r\n10.300000\r\n-5.300000\r\n-77.130000\r\n28.370000\r\n0.000000\r\n-5.500000\r\n"
        "-5.500000\r\n0\r\n0\r\nDelhi\r\nIndia\r\n1\r\n1013.250000\r\n15.000000\r\n0\r\n");
    file.close();
    const QString copy = tempDir->filePath(QStringLiteral("copy.jhd"));
    recorder->dialogAnswers << chart << copy;
    Press(W(), "openButton");
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    QCOMPARE(QString::fromStdString(window->ChartState().name), QStringLiteral("Kamala Devi"));
    QCOMPARE(window->ChartState().zoneRow, 34);
    Press(W(), "saveButton");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray original = file.readAll();
    QFile written(copy);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll().split('\n').mid(0, 7), original.split('\n').mid(0, 7));
}

QTEST_MAIN(FrmMainTest)
#include "tst_main_window.moc"
