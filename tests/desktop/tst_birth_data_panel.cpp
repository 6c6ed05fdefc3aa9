// The birth-data panel: the form's boxes, their rules for keys and pastes, the order the Tab key
// walks them in, and the form as the core sees it, taken from the boxes and written back.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include "desktop/birth_data_panel.h"
#include "desktop/box_rules.h"
#include "gui_test_support.h"
#include "reading/vela_file.h"

using namespace vela;
using namespace vela::guitest;

namespace {

// The form as a list of texts, field by field, so that a difference names its field.
QStringList FieldsOf(const reading::BirthForm& form) {
    return {QString::fromStdString(form.name),
            QString::fromStdString(form.day),
            QString::number(form.month),
            QString::fromStdString(form.year),
            QString::fromStdString(form.hour),
            QString::fromStdString(form.minute),
            QString::number(form.zoneRow),
            QString::fromStdString(form.latDegrees),
            QString::fromStdString(form.latMinutes),
            QString::fromStdString(form.lonDegrees),
            QString::fromStdString(form.lonMinutes),
            QString::fromStdString(form.latSeconds),
            QString::fromStdString(form.lonSeconds),
            QString::number(static_cast<int>(form.latDirection)),
            QString::number(static_cast<int>(form.lonDirection)),
            QString::number(form.dst),
            QString::fromStdString(form.city),
            QString::fromStdString(form.state),
            QString::fromStdString(form.country)};
}

// A panel of its own, outside any window, with seams that offer no places.
std::unique_ptr<desktop::BirthDataPanel> LonePanel(QStringList& notices) {
    desktop::BirthDataSeams seams;
    seams.findPlaces = [](const QString&) { return std::vector<atlas::AtlasPlace>{}; };
    seams.findNearestPlace = [](double, double) { return std::optional<atlas::NearbyPlace>{}; };
    seams.notify = [&notices](QWidget*, const QString& text) { notices << text; };
    auto panel = std::make_unique<desktop::BirthDataPanel>(std::move(seams));
    panel->LoadForm();
    panel->show();
    return panel;
}

}  // namespace

class BirthDataPanelTest : public WindowTest {
    Q_OBJECT

private slots:
    void init() { StartWindow(); }
    void cleanup() { StopWindow(); }

    void tab_order_follows_the_form();
    void typing_refuses_what_a_box_does_not_take_data();
    void typing_refuses_what_a_box_does_not_take();
    void editing_keys_and_tab_pass_the_filters();
    void digits_typed_into_a_list_choose_the_number_typed();
    void pasted_text_is_taken_whole_or_refused_data();
    void pasted_text_is_taken_whole_or_refused();
    void a_form_applied_comes_back_from_the_boxes_data();
    void a_form_applied_comes_back_from_the_boxes();
    void a_message_points_at_its_box_and_chooses_its_direction();
    void the_buttons_ask_the_window_for_their_commands();
    void ghatis_after_sunrise_set_the_birth_time();
    void the_letter_boxes_stop_at_what_a_reading_file_holds();
};

// The form's reading order: the birth data down the left, each row left to right (the tick beside
// the zone, the directions beside their degrees), then the place's names, its lookup, and the
// buttons last.
void BirthDataPanelTest::tab_order_follows_the_form() {
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
    for (int i = 0; i < 22; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, QStringList({"nameEdit",       "dayCombo",
                                   "monthCombo",     "yearCombo",
                                   "hourCombo",      "minuteCombo",
                                   "ghatisEdit",     "ghatisButton",
                                   "zoneCombo",      "dstCheck",
                                   "latDegreesEdit", "latMinutesEdit",
                                   "latSecondsEdit", "northRadio",
                                   "lonDegreesEdit", "lonMinutesEdit",
                                   "lonSecondsEdit", "eastRadio",
                                   "cityEdit",       "stateEdit",
                                   "countryEdit",    "lookUpCoordinatesButton"}));
    QCOMPARE(QApplication::focusWidget(), Control<QWidget>(W(), "calculateButton"));
}

// Digits typed into a date or time list choose the number they spell (15, then "1", gave 16); digits
// that begin no entry start again; after a pause the last digit is a number of its own.
void BirthDataPanelTest::digits_typed_into_a_list_choose_the_number_typed() {
    const struct {
        const char *list, *before, *typed, *after, *afterPause;
    } cases[] = {{"dayCombo", "15", "1", "1", "1"},
                 {"dayCombo", "15", "23", "23", "3"},
                 {"dayCombo", "15", "35", "5", "5"},
                 {"dayCombo", "15", "0", "15", "15"},
                 {"yearCombo", "1990", "1975", "1975", "1975"},
                 {"minuteCombo", "30", "05", "5", "5"}};
    for (const auto& c : cases) {
        auto* box = Control<QComboBox>(W(), c.list);
        box->setCurrentText(QString::fromLatin1(c.before));
        box->setFocus();
        QTest::keyClicks(box, QString::fromLatin1(c.typed));
        QCOMPARE(box->currentText(), QString::fromLatin1(c.after));
        QTest::qWait(desktop::kTypedNumberPauseMs + 100);
        QTest::keyClicks(box, QString::fromLatin1(c.typed).right(1));
        QCOMPARE(box->currentText(), QString::fromLatin1(c.afterPause));
    }
}

void BirthDataPanelTest::typing_refuses_what_a_box_does_not_take_data() {
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
    // A letter beyond Latin-1 is a letter: a .vela reading holds it (a .ved save then says so).
    QTest::newRow("a letter of another alphabet")
        << QByteArray("cityEdit") << QStringLiteral("Ba\u015Fak") << QStringLiteral("Ba\u015Fak") << QString();
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

// A refused key is named in the original's message box, with its exact text; once it is closed
// the keys typed after it go on into the box ("As3ha" keeps its last "ha").
void BirthDataPanelTest::typing_refuses_what_a_box_does_not_take() {
    QFETCH(QByteArray, box);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QString, message);
    TypeInto(W(), box.constData(), typed);
    auto* edit = Control<QLineEdit>(W(), box.constData());
    QCOMPARE(edit->text(), kept);
    QVERIFY(recorder->notices.isEmpty());
    if (message.isEmpty()) {
        QVERIFY(recorder->messages.isEmpty());
    } else {
        QCOMPARE(recorder->MessageTexts(), QStringList(message));
        QCOMPARE(recorder->messages.front().icon, reading::MsgIcon::Critical);
    }
    QCOMPARE(window->focusWidget(), edit);
}

void BirthDataPanelTest::editing_keys_and_tab_pass_the_filters() {
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

void BirthDataPanelTest::pasted_text_is_taken_whole_or_refused_data() {
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

void BirthDataPanelTest::pasted_text_is_taken_whole_or_refused() {
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

void BirthDataPanelTest::a_form_applied_comes_back_from_the_boxes_data() {
    QTest::addColumn<int>("change");
    QTest::newRow("the sample reading") << 0;
    QTest::newRow("South and West, daylight saving, the last zone row") << 1;
    QTest::newRow("a day no list holds and no directions") << 2;
}

// What a reading file writes into the form is what the next calculation reads from it; a text no
// list holds leaves that list without a selection, and no direction leaves both buttons clear.
void BirthDataPanelTest::a_form_applied_comes_back_from_the_boxes() {
    QFETCH(int, change);
    QStringList notices;
    const auto panel = LonePanel(notices);
    reading::BirthForm form = KnownGoodForm();
    reading::BirthForm expected = form;
    if (change == 1) {
        form.latDirection = expected.latDirection = reading::LatChoice::South;
        form.lonDirection = expected.lonDirection = reading::LonChoice::West;
        form.dst = expected.dst = true;
        form.zoneRow = expected.zoneRow = reading::kZoneCount - 1;
        form.latSeconds = expected.latSeconds = "15";
        form.lonSeconds = expected.lonSeconds = "59";
    } else if (change == 2) {
        form.day = "32";
        expected.day = "";
        form.zoneRow = reading::kZoneCount;
        expected.zoneRow = -1;
        form.latDirection = expected.latDirection = reading::LatChoice::None;
        form.lonDirection = expected.lonDirection = reading::LonChoice::None;
    }
    panel->ApplyForm(form);
    QCOMPARE(FieldsOf(panel->SnapshotForm()), FieldsOf(expected));
    QVERIFY(notices.isEmpty());
    QVERIFY(!panel->PickedPlace().has_value());
}

// A message that chooses a direction chooses it on the form, and the focus goes to the box the
// message names.
void BirthDataPanelTest::a_message_points_at_its_box_and_chooses_its_direction() {
    auto* south = Control<QRadioButton>(W(), "southRadio");
    auto* west = Control<QRadioButton>(W(), "westRadio");
    QVERIFY(!south->isChecked() && !west->isChecked());
    auto* panel = W().findChild<desktop::BirthDataPanel*>(QStringLiteral("birthDataPanel"));
    QVERIFY(panel != nullptr);

    panel->PointAt({"", reading::MsgIcon::Critical, reading::FormField::LatDirection, reading::LatChoice::South,
                    reading::LonChoice::West});
    QVERIFY(south->isChecked());
    QVERIFY(west->isChecked());
    QCOMPARE(QApplication::focusWidget(), south);

    panel->PointAt(reading::CriticalMessage("", reading::FormField::LonMin));
    QVERIFY(south->isChecked());
    QCOMPARE(QApplication::focusWidget(), Control<QWidget>(W(), "lonMinutesEdit"));
}

void BirthDataPanelTest::the_buttons_ask_the_window_for_their_commands() {
    QStringList notices;
    const auto panel = LonePanel(notices);
    QSignalSpy calculate(panel.get(), &desktop::BirthDataPanel::CalculateAsked);
    QSignalSpy open(panel.get(), &desktop::BirthDataPanel::OpenAsked);
    QSignalSpy lookUp(panel.get(), &desktop::BirthDataPanel::LookUpAsked);
    Press(*panel, "calculateButton");
    QCOMPARE(calculate.size(), 1);
    Press(*panel, "openButton");
    QCOMPARE(open.size(), 1);
    Press(*panel, "lookUpCoordinatesButton");
    QCOMPARE(lookUp.size(), 1);
    QCOMPARE(calculate.size(), 1);
}

// 9 ghatis 38 palas are 3 h 51 min 12 s (24 minutes to the ghati, 24 seconds to the pala) after
// the birth day's sunrise, which at Delhi on 15 June 1975 the almanacs give at about 05:23 IST.
void BirthDataPanelTest::ghatis_after_sunrise_set_the_birth_time() {
    FillKnownGoodReading(W());
    auto* label = Control<QLabel>(W(), "ghatisLabel");
    QVERIFY(!label->isVisible());
    TypeInto(W(), "ghatisEdit", QStringLiteral("9.60"));
    Press(W(), "ghatisButton");
    QCOMPARE(recorder->messages.size(), 1);
    QVERIFY2(recorder->messages.front().text.contains(QStringLiteral("GG.PP")),
             qPrintable(recorder->messages.front().text));
    QCOMPARE(QApplication::focusWidget(), Control<QWidget>(W(), "ghatisEdit"));
    recorder->messages.clear();

    Control<QLineEdit>(W(), "ghatisEdit")->clear();
    TypeInto(W(), "ghatisEdit", QStringLiteral("9.38"));
    Press(W(), "ghatisButton");
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    QVERIFY(label->isVisible());
    const QRegularExpression shape(QStringLiteral(
        "^9 ghatis 38 palas after sunrise \\((\\d\\d):(\\d\\d):(\\d\\d)\\): (\\d\\d):(\\d\\d):(\\d\\d) on the clock"));
    const QRegularExpressionMatch match = shape.match(label->text());
    QVERIFY2(match.hasMatch(), qPrintable(label->text()));
    const auto seconds = [&match](int first) {
        return match.captured(first).toInt() * 3600 + match.captured(first + 1).toInt() * 60 +
               match.captured(first + 2).toInt();
    };
    const int sunrise = seconds(1);
    const int clock = seconds(4);
    QVERIFY2(sunrise > 5 * 3600 + 18 * 60 && sunrise < 5 * 3600 + 28 * 60, qPrintable(label->text()));
    QCOMPARE(clock - sunrise, 3 * 3600 + 51 * 60 + 12);
    const int minute = (clock + 30) / 60;
    QCOMPARE(Control<QComboBox>(W(), "hourCombo")->currentText().toInt(), minute / 60);
    QCOMPARE(Control<QComboBox>(W(), "minuteCombo")->currentText().toInt(), minute % 60);

    // A time changed by hand is no longer the ghatis'.
    ChoosePosition(W(), "hourCombo", 3);
    QVERIFY(!label->isVisible());
}

// A box stops where a reading file stops; a text within the box that is still too long for the
// file (letters of three bytes each) is refused at Save with its field named, and nothing written.
void BirthDataPanelTest::the_letter_boxes_stop_at_what_a_reading_file_holds() {
    FillKnownGoodReading(W());
    auto* name = Control<QLineEdit>(W(), "nameEdit");
    desktop::BoxRuleValidator::SetBoxText(*name, QString(70000, QLatin1Char('a')));
    QCOMPARE(static_cast<std::size_t>(name->text().size()), reading::kMaxVelaTextBytes);
    desktop::BoxRuleValidator::SetBoxText(*name, QStringLiteral("Asha"));
    desktop::BoxRuleValidator::SetBoxText(*Control<QLineEdit>(W(), "cityEdit"), QString(2000, QChar(0x0915)));
    Press(W(), "calculateButton");
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    recorder->dialogAnswers << tempDir->filePath(QStringLiteral("long.vela"));
    Press(W(), "saveButton");
    QCOMPARE(recorder->messages.size(), 1);
    QVERIFY2(recorder->messages.front().text.contains(QStringLiteral("city")),
             qPrintable(recorder->messages.front().text));
    QVERIFY(QDir(tempDir->path()).isEmpty());
}

QTEST_MAIN(BirthDataPanelTest)
#include "tst_birth_data_panel.moc"
