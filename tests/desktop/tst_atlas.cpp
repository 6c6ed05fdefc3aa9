// The offline atlas: places found by name in the system's geographical database, their clocks at
// the birth moment from the system's time-zone data, and the window's city box offering them.
//
// Expected places and offsets come from those two sources as Debian ships them (the geographical
// database of cities of 15,000 people or more; tzdata 2025b): Kolkata +05:30 with the war-time
// +06:30 from 1 September 1942 to 15 October 1945; New York -05:00, -04:00 in summer; Kathmandu
// +05:45; São Paulo -03:00, -02:00 in the summer of 1989-90. Coordinates to the minute are hand
// computations from the database's decimal degrees.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCompleter>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include <memory>

#include "atlas/geonames_atlas.h"
#include "desktop/zone_clock.h"
#include "gui_test_support.h"
#include "reading/reference_tables.h"

using namespace vela;
using namespace vela::guitest;

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QAbstractItemView* PlacesList(QWidget& w) {
    // The list belongs to the completer under the city box, not to the box itself.
    auto* completer = w.findChild<QCompleter*>();
    return completer != nullptr ? completer->popup() : nullptr;
}

QStringList ListLines(QAbstractItemView& list) {
    QStringList lines;
    for (int row = 0; row < list.model()->rowCount(); ++row) lines << list.model()->index(row, 0).data().toString();
    return lines;
}

}  // namespace

class AtlasTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void finds_places_by_name_with_their_zones_data();
    void finds_places_by_name_with_their_zones();
    void offers_nothing_for_one_letter_or_an_unknown_name();
    void the_clock_at_the_birth_moment_gives_the_proposal_data();
    void the_clock_at_the_birth_moment_gives_the_proposal();
    void the_clock_before_standard_time_is_local_mean_time();

    void typing_a_city_offers_the_atlas_places_largest_first();
    void picking_a_place_fills_every_box_and_proposes_its_zone_data();
    void picking_a_place_fills_every_box_and_proposes_its_zone();
    void a_later_date_updates_the_proposal_and_warns_without_blocking();
    void the_letters_rule_holds_while_the_list_is_open();
    void typing_over_a_picked_city_forgets_its_zone();
    void a_typed_city_far_from_the_typed_coordinates_is_questioned();

private:
    QWidget& W() { return *window; }
    // Types into the city box and waits for the list; the watchdog looks away while it is open.
    QAbstractItemView* TypeCityAndWaitForList(const QString& typed);
    void PickLine(const QString& line);

    std::unique_ptr<SeamRecorder> recorder;
    std::unique_ptr<desktop::MainWindow> window;
    std::unique_ptr<ModalWatchdog> watchdog;
};

void AtlasTest::init() {
    recorder = std::make_unique<SeamRecorder>();
    recorder->realAtlas = true;
    window = std::make_unique<desktop::MainWindow>(recorder->Seams());
    QVERIFY(ShowActive(*window));
    watchdog = std::make_unique<ModalWatchdog>();
}

void AtlasTest::cleanup() {
    const QString intruder = watchdog ? watchdog->Intruder() : QString();
    watchdog.reset();
    window.reset();
    recorder.reset();
    QVERIFY2(intruder.isEmpty(), qPrintable(QStringLiteral("a modal window was left open: ") + intruder));
}

QAbstractItemView* AtlasTest::TypeCityAndWaitForList(const QString& typed) {
    watchdog->Pause(true);
    TypeInto(W(), "cityEdit", typed);
    QAbstractItemView* list = PlacesList(W());
    if (list == nullptr) return nullptr;
    return QTest::qWaitFor([list] { return list->isVisible(); }, 5000) ? list : nullptr;
}

void AtlasTest::PickLine(const QString& line) {
    QAbstractItemView* list = PlacesList(W());
    QVERIFY(list != nullptr && list->isVisible());
    const int row = static_cast<int>(ListLines(*list).indexOf(line));
    QVERIFY2(row >= 0, qPrintable(ListLines(*list).join(u'|')));
    list->setCurrentIndex(list->model()->index(row, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!list->isVisible());
    watchdog->Pause(false);
}

void AtlasTest::finds_places_by_name_with_their_zones_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::newRow("Pune") << "Pune"
                          << "Pune"
                          << "Maharashtra"
                          << "India"
                          << "Asia/Kolkata" << 18.5196 << 73.8554;
    QTest::newRow("Madrid, the Spanish one first") << "Madrid"
                                                   << "Madrid"
                                                   << "Madrid"
                                                   << "Spain"
                                                   << "Europe/Madrid" << 40.4165 << -3.7026;
    QTest::newRow("Sao Paulo typed without its accent")
        << "Sao Paulo" << QStringLiteral("S\u00e3o Paulo") << QStringLiteral("S\u00e3o Paulo") << "Brazil"
        << "America/Sao_Paulo" << -23.5475 << -46.6361;
    QTest::newRow("lower case and blanks around") << "  winston "
                                                  << "Winston-Salem"
                                                  << "North Carolina"
                                                  << "United States of America"
                                                  << "America/New_York" << 36.0999 << -80.2442;
}

void AtlasTest::finds_places_by_name_with_their_zones() {
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, zone);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    const auto places = atlas::FindPlaces(typed.toStdString());
    QVERIFY(!places.empty());
    const atlas::AtlasPlace& first = places.front();
    QCOMPARE(Q(first.name), name);
    QCOMPARE(Q(first.state), state);
    QCOMPARE(Q(first.country), country);
    QCOMPARE(Q(first.zoneName), zone);
    // The database holds four decimals.
    QVERIFY(std::abs(first.latitude - latitude) < 1e-3);
    QVERIFY(std::abs(first.longitude - longitude) < 1e-3);
    for (std::size_t i = 1; i < places.size(); ++i) QVERIFY(places[i - 1].population >= places[i].population);
    QVERIFY(places.size() <= static_cast<std::size_t>(atlas::kMostPlacesOffered));
}

void AtlasTest::offers_nothing_for_one_letter_or_an_unknown_name() {
    QVERIFY(atlas::FindPlaces("P").empty());
    QVERIFY(atlas::FindPlaces(" P ").empty());
    QVERIFY(atlas::FindPlaces("Xqzvw").empty());
    // Many places start with "San": the list stops at its length.
    QCOMPARE(atlas::FindPlaces("San").size(), static_cast<std::size_t>(atlas::kMostPlacesOffered));
}

void AtlasTest::the_clock_at_the_birth_moment_gives_the_proposal_data() {
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QList<int>>("moment");  // year, month, day, hour, minute
    QTest::addColumn<int>("standard");       // minutes East
    QTest::addColumn<int>("inForce");
    QTest::addColumn<int>("clock");
    QTest::addColumn<int>("row");  // -1: no row fits
    QTest::addColumn<bool>("tick");
    using atlas::ClockFit;
    QTest::newRow("New York in July 1990: Eastern Standard Time with the tick")
        << "America/New_York" << QList<int>{1990, 7, 4, 12, 0} << -300 << -240 << int(ClockFit::Once) << 27 << true;
    QTest::newRow("Kolkata in October 1942: Indian Time with the tick")
        << "Asia/Kolkata" << QList<int>{1942, 10, 16, 12, 0} << 330 << 390 << int(ClockFit::Once) << 34 << true;
    QTest::newRow("Kolkata in 1918: Indian Time")
        << "Asia/Kolkata" << QList<int>{1918, 10, 16, 12, 0} << 330 << 330 << int(ClockFit::Once) << 34 << false;
    QTest::newRow("Kathmandu in 2000: Nepal Time")
        << "Asia/Kathmandu" << QList<int>{2000, 1, 1, 12, 0} << 345 << 345 << int(ClockFit::Once) << 71 << false;
    QTest::newRow("Kabul in 2000: Afghanistan Time")
        << "Asia/Kabul" << QList<int>{2000, 1, 1, 12, 0} << 270 << 270 << int(ClockFit::Once) << 72 << false;
    QTest::newRow("Caracas in 2010: Venezuela Time")
        << "America/Caracas" << QList<int>{2010, 1, 1, 12, 0} << -270 << -270 << int(ClockFit::Once) << 73 << false;
    QTest::newRow("Kiritimati in 2000: Line Islands Time")
        << "Pacific/Kiritimati" << QList<int>{2000, 1, 1, 12, 0} << 840 << 840 << int(ClockFit::Once) << 79 << false;
    QTest::newRow("Amsterdam in the summer of 1938: no row fits")
        << "Europe/Amsterdam" << QList<int>{1938, 7, 1, 12, 0} << 20 << 80 << int(ClockFit::Once) << -1 << false;
    QTest::newRow("a clock time skipped in spring takes the offset after")
        << "America/New_York" << QList<int>{1990, 4, 1, 2, 30} << -300 << -240 << int(ClockFit::Skipped) << 27 << true;
    QTest::newRow("a clock time shown twice in autumn takes the first")
        << "America/New_York" << QList<int>{1990, 10, 28, 1, 30} << -300 << -240 << int(ClockFit::Twice) << 27 << true;
    QTest::newRow("one minute after the autumn hour is plain standard time")
        << "America/New_York" << QList<int>{1990, 10, 28, 2, 1} << -300 << -300 << int(ClockFit::Once) << 27 << false;
}

void AtlasTest::the_clock_at_the_birth_moment_gives_the_proposal() {
    QFETCH(QString, zone);
    QFETCH(QList<int>, moment);
    QFETCH(int, standard);
    QFETCH(int, inForce);
    QFETCH(int, clock);
    QFETCH(int, row);
    QFETCH(bool, tick);
    const atlas::ClockMoment at{moment[0], moment[1], moment[2], moment[3], moment[4]};
    const auto zoneAt = desktop::ZoneAtBirthMoment(zone.toStdString(), at);
    QVERIFY(zoneAt.has_value());
    QCOMPARE(zoneAt->standardSeconds, standard * 60);
    QCOMPARE(zoneAt->inForceSeconds, inForce * 60);
    QCOMPARE(int(zoneAt->clock), clock);
    QVERIFY(!zoneAt->localMeanTime);
    const auto proposal = atlas::ProposeZone(*zoneAt);
    QCOMPARE(proposal.row.value_or(-1), row);
    QCOMPARE(proposal.dst, tick);

    QVERIFY(!desktop::ZoneAtBirthMoment("Mars/Olympus_Mons", at).has_value());
}

// The time-zone data (tzdata): Kathmandu kept its local mean time, +05:41:16, until 1920; India's
// data has Madras mean time, +05:21:10, from 1870 to 1906, which is no local mean time.
void AtlasTest::the_clock_before_standard_time_is_local_mean_time() {
    const auto kathmandu = desktop::ZoneAtBirthMoment("Asia/Kathmandu", {1915, 3, 2, 6, 0});
    QVERIFY(kathmandu.has_value());
    QVERIFY(kathmandu->localMeanTime);
    QCOMPARE(kathmandu->inForceSeconds, 5 * 3600 + 41 * 60 + 16);
    QCOMPARE(atlas::ProposeZone(*kathmandu).row.value_or(-1), reading::kLocalMeanTimeRow);

    const auto madras = desktop::ZoneAtBirthMoment("Asia/Kolkata", {1902, 3, 2, 6, 0});
    QVERIFY(madras.has_value());
    QVERIFY(!madras->localMeanTime);
    QCOMPARE(madras->inForceSeconds, 5 * 3600 + 21 * 60 + 10);
    QCOMPARE(atlas::ProposeZone(*madras).row.value_or(-1), 76);  // Madras Time, to the minute

    const auto later = desktop::ZoneAtBirthMoment("Asia/Kathmandu", {1921, 3, 2, 6, 0});
    QVERIFY(later.has_value());
    QVERIFY(!later->localMeanTime);
}

void AtlasTest::typing_a_city_offers_the_atlas_places_largest_first() {
    QAbstractItemView* list = TypeCityAndWaitForList(QStringLiteral("Pun"));
    QVERIFY(list != nullptr);
    QStringList expected;
    for (const auto& place : atlas::FindPlaces("Pun")) expected << Q(atlas::PlaceListText(place));
    QCOMPARE(ListLines(*list), expected);
    QCOMPARE(ListLines(*list).front(), QStringLiteral("Pune, Maharashtra, India"));
    // One search after the pause in typing, not one per key.
    QCOMPARE(recorder->atlasQueries, QStringList(QStringLiteral("Pun")));
    // The box keeps what was typed until a place is picked.
    QCOMPARE(Control<QLineEdit>(W(), "cityEdit")->text(), QStringLiteral("Pun"));
    QTest::keyClick(list, Qt::Key_Escape);
    QVERIFY(!list->isVisible());
    watchdog->Pause(false);
    QVERIFY(!Control<QLabel>(W(), "zoneProposalLabel")->isVisible());
}

void AtlasTest::picking_a_place_fills_every_box_and_proposes_its_zone_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("moment");  // day, month, year, hour, minute as the lists show them
    QTest::addColumn<QStringList>("boxes");   // city, state, country, lat deg, lat min, lon deg, lon min
    QTest::addColumn<bool>("south");
    QTest::addColumn<bool>("west");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<QString>("proposal");
    QTest::addColumn<QString>("warning");
    QTest::newRow("Kolkata in October 1942")
        << "Kolk"
        << "Kolkata, State of West Bengal, India" << QStringList{"16", "October", "1942", "12", "0"}
        << QStringList{"Kolkata", "State of West Bengal", "India", "22", "34", "88", "22"} << false << false << 34
        << true
        << "Asia/Kolkata on 16 Oct 1942: +06:30, daylight saving (standard +05:30)\n"
           "Zone set to \"Indian Time, IST, +5.3\" with Daylight Saving Time ticked"
        << "";
    QTest::newRow("New York in July 1990")
        << "New York"
        << "New York, New York, United States of America" << QStringList{"4", "July", "1990", "9", "5"}
        << QStringList{"New York", "New York", "United States of America", "40", "43", "74", "0"} << false << true << 27
        << true
        << "America/New_York on 4 Jul 1990: -04:00, daylight saving (standard -05:00)\n"
           "Zone set to \"Eastern Standard Time,EST,-5.0\" with Daylight Saving Time ticked"
        << "";
    QTest::newRow("Sao Paulo in January 1990, folded")
        << "Sao Paulo" << QStringLiteral("S\u00e3o Paulo, S\u00e3o Paulo, Brazil")
        << QStringList{"15", "January", "1990", "10", "0"}
        << QStringList{"Sao Paulo", "Sao Paulo", "Brazil", "23", "33", "46", "38"} << true << true << 14 << true
        << "America/Sao_Paulo on 15 Jan 1990: -02:00, daylight saving (standard -03:00)\n"
           "Zone set to \"Brazil Zone 2,BZT2,-3.0\" with Daylight Saving Time ticked"
        << "";
    QTest::newRow("Kathmandu in 2000") << "Kathm"
                                       << "Kathmandu, Bagmati Province, Nepal"
                                       << QStringList{"1", "January", "2000", "12", "0"}
                                       << QStringList{"Kathmandu", "Bagmati Province", "Nepal", "27", "42", "85", "19"}
                                       << false << false << 71 << false
                                       << "Asia/Kathmandu on 1 Jan 2000: +05:45, no daylight saving\n"
                                          "Zone set to \"Nepal Time,NPT,+5:45\", Daylight Saving Time clear"
                                       << "";
    // Before 1920 Kathmandu kept its own mean time: the place's local mean time is set.
    QTest::newRow("Kathmandu in 1915")
        << "Kathm"
        << "Kathmandu, Bagmati Province, Nepal" << QStringList{"1", "January", "1915", "12", "0"}
        << QStringList{"Kathmandu", "Bagmati Province", "Nepal", "27", "42", "85", "19"} << false << false << 80
        << false
        << "Asia/Kathmandu on 1 Jan 1915: local mean time, before standard time (+05:41:16 at the zone's own city)\n"
           "Zone set to \"Local Mean Time,LMT,longitude/15\", Daylight Saving Time clear"
        << "";
}

// Picking a place sets the zone list and tick to the place's clock at the birth moment, and the
// line beside the list says so.
void AtlasTest::picking_a_place_fills_every_box_and_proposes_its_zone() {
    QFETCH(QString, typed);
    QFETCH(QString, line);
    QFETCH(QStringList, moment);
    QFETCH(QStringList, boxes);
    QFETCH(bool, south);
    QFETCH(bool, west);
    QFETCH(int, row);
    QFETCH(bool, tick);
    QFETCH(QString, proposal);
    QFETCH(QString, warning);
    int i = 0;
    for (const char* list : {"dayCombo", "monthCombo", "yearCombo", "hourCombo", "minuteCombo"})
        ChooseEntry(W(), list, moment[i++]);
    // Directions opposite to the place's, so the pick is seen to set them.
    PickRadio(W(), south ? "northRadio" : "southRadio");
    PickRadio(W(), west ? "eastRadio" : "westRadio");

    QVERIFY(TypeCityAndWaitForList(typed) != nullptr);
    PickLine(line);

    i = 0;
    for (const char* box : {"cityEdit", "stateEdit", "countryEdit", "latDegreesEdit", "latMinutesEdit",
                            "lonDegreesEdit", "lonMinutesEdit"})
        QCOMPARE(Control<QLineEdit>(W(), box)->text(), boxes[i++]);
    QCOMPARE(Control<QRadioButton>(W(), "southRadio")->isChecked(), south);
    QCOMPARE(Control<QRadioButton>(W(), "northRadio")->isChecked(), !south);
    QCOMPARE(Control<QRadioButton>(W(), "westRadio")->isChecked(), west);
    QCOMPARE(Control<QRadioButton>(W(), "eastRadio")->isChecked(), !west);
    QCOMPARE(Control<QComboBox>(W(), "zoneCombo")->currentIndex(), row);
    QCOMPARE(Control<QCheckBox>(W(), "dstCheck")->isChecked(), tick);
    auto* proposalLabel = Control<QLabel>(W(), "zoneProposalLabel");
    QVERIFY(proposalLabel->isVisible());
    QCOMPARE(proposalLabel->text(), proposal);
    auto* warningLabel = Control<QLabel>(W(), "zoneWarningLabel");
    QCOMPARE(warningLabel->isVisible(), !warning.isEmpty());
    QCOMPARE(warningLabel->text(), warning);
    QVERIFY(window->PickedPlace().has_value());
    QVERIFY(recorder->messages.isEmpty());

    // The filled form calculates as it stands.
    TypeInto(W(), "nameEdit", QStringLiteral("Asha"));
    Press(W(), "calculateButton");
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
}

void AtlasTest::a_later_date_updates_the_proposal_and_warns_without_blocking() {
    ChooseEntry(W(), "dayCombo", QStringLiteral("16"));
    ChooseEntry(W(), "monthCombo", QStringLiteral("October"));
    ChooseEntry(W(), "yearCombo", QStringLiteral("1942"));
    QVERIFY(TypeCityAndWaitForList(QStringLiteral("Kolkata")) != nullptr);
    PickLine(QStringLiteral("Kolkata, State of West Bengal, India"));
    auto* proposalLabel = Control<QLabel>(W(), "zoneProposalLabel");
    auto* warningLabel = Control<QLabel>(W(), "zoneWarningLabel");
    QVERIFY(!warningLabel->isVisible());

    // After the war the clocks went back to +05:30: the proposal follows, the form keeps its tick
    // and is warned.
    ChooseEntry(W(), "yearCombo", QStringLiteral("1946"));
    QCOMPARE(proposalLabel->text(), QStringLiteral("Asia/Kolkata on 16 Oct 1946: +05:30, no daylight saving\n"
                                                   "Proposed: \"Indian Time, IST, +5.3\", Daylight Saving Time clear"));
    QCOMPARE(Control<QComboBox>(W(), "zoneCombo")->currentIndex(), 34);
    QVERIFY(Control<QCheckBox>(W(), "dstCheck")->isChecked());
    QVERIFY(warningLabel->isVisible());
    QCOMPARE(warningLabel->text(), QStringLiteral("The zone and tick chosen give +06:30, but the clocks of "
                                                  "Asia/Kolkata were at +05:30 at the birth moment."));

    // The warning does not stop the reading.
    TypeInto(W(), "nameEdit", QStringLiteral("Asha"));
    Press(W(), "calculateButton");
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
    QVERIFY(window->ChartState().dst);
    Press(W(), "backButton");

    // Clearing the tick settles it; a row of the same offset is as good as the proposed one.
    Control<QCheckBox>(W(), "dstCheck")->click();
    QVERIFY(!warningLabel->isVisible());
    ChoosePosition(W(), "zoneCombo", 64);  // USSR Zone 4, +5:00
    QVERIFY(warningLabel->isVisible());
    QCOMPARE(warningLabel->text(), QStringLiteral("The zone chosen gives +05:00, but the clocks of Asia/Kolkata were "
                                                  "at +05:30 at the birth moment."));
    // A day the month lacks leaves no offset to compare with.
    ChooseEntry(W(), "dayCombo", QStringLiteral("31"));
    ChooseEntry(W(), "monthCombo", QStringLiteral("September"));
    QCOMPARE(proposalLabel->text(), QStringLiteral("Asia/Kolkata: the offset is shown once the date exists."));
    QVERIFY(!warningLabel->isVisible());
}

void AtlasTest::the_letters_rule_holds_while_the_list_is_open() {
    QAbstractItemView* list = TypeCityAndWaitForList(QStringLiteral("Pun"));
    QVERIFY(list != nullptr);
    // The open list takes the keys; a digit is still refused with the message, and the list closes.
    QTest::keyClick(list, Qt::Key_1);
    QCOMPARE(recorder->MessageTexts(), QStringList(QStringLiteral("Please enter only letters")));
    QVERIFY(recorder->notices.isEmpty());
    QCOMPARE(Control<QLineEdit>(W(), "cityEdit")->text(), QStringLiteral("Pun"));
    QVERIFY(!list->isVisible());
    watchdog->Pause(false);

    // Letters and blanks go on into the box.
    list = TypeCityAndWaitForList(QStringLiteral("e"));
    QVERIFY(list != nullptr);
    QTest::keyClick(list, Qt::Key_Space);
    QTest::keyClick(list, Qt::Key_M);
    QCOMPARE(Control<QLineEdit>(W(), "cityEdit")->text(), QStringLiteral("Pune m"));
    QCOMPARE(recorder->messages.size(), 1);
    QTest::keyClick(list, Qt::Key_Escape);
    watchdog->Pause(false);
}

void AtlasTest::typing_over_a_picked_city_forgets_its_zone() {
    // (On the form's first date, 1 January 1901, India kept Madras time, +05:21:10: Madras Time.)
    ChooseEntry(W(), "yearCombo", QStringLiteral("1975"));
    QVERIFY(TypeCityAndWaitForList(QStringLiteral("Pune")) != nullptr);
    PickLine(QStringLiteral("Pune, Maharashtra, India"));
    QVERIFY(window->PickedPlace().has_value());
    QCOMPARE(Control<QComboBox>(W(), "zoneCombo")->currentIndex(), 34);

    // The box now holds another city: the pick is forgotten and the place nearest to the
    // coordinates speaks for the zone instead, only proposing. ("Pun" may open the list again; the
    // watchdog looks away until it is closed.)
    watchdog->Pause(true);
    auto* city = Control<QLineEdit>(W(), "cityEdit");
    city->setFocus();
    QTest::keyClick(city, Qt::Key_Backspace);
    QVERIFY(!window->PickedPlace().has_value());
    // The pick's state and country went with it.
    QCOMPARE(Control<QLineEdit>(W(), "stateEdit")->text(), QString());
    QCOMPARE(Control<QLineEdit>(W(), "countryEdit")->text(), QString());
    auto* proposal = Control<QLabel>(W(), "zoneProposalLabel");
    QVERIFY(proposal->text().startsWith(QStringLiteral("Nearest place in the atlas: Pune, Maharashtra, India (")));
    QVERIFY(!Control<QLabel>(W(), "zoneWarningLabel")->isVisible());
    QCOMPARE(Control<QComboBox>(W(), "zoneCombo")->currentIndex(), 34);
    // In 1942 the clocks were an hour ahead: proposed, warned, and never set by itself.
    ChooseEntry(W(), "yearCombo", QStringLiteral("1942"));
    ChooseEntry(W(), "monthCombo", QStringLiteral("October"));
    QVERIFY2(proposal->text().endsWith(QStringLiteral("Proposed: \"Indian Time, IST, +5.3\" with Daylight Saving Time "
                                                      "ticked")),
             qPrintable(proposal->text()));
    QVERIFY(Control<QLabel>(W(), "zoneWarningLabel")->isVisible());
    QVERIFY(!Control<QCheckBox>(W(), "dstCheck")->isChecked());
    QAbstractItemView* list = PlacesList(W());
    if (QTest::qWaitFor([list] { return list->isVisible(); }, 1000)) QTest::keyClick(list, Qt::Key_Escape);
    QVERIFY(!window->PickedPlace().has_value());
    watchdog->Pause(false);
}

void AtlasTest::a_typed_city_far_from_the_typed_coordinates_is_questioned() {
    // Delhi's coordinates; Pune lies some 1,170 km to the south (great circle between the two
    // cities' published coordinates, 28°37' N 77°13' E and 18°31' N 73°51' E).
    TypeInto(W(), "latDegreesEdit", QStringLiteral("28"));
    TypeInto(W(), "latMinutesEdit", QStringLiteral("37"));
    TypeInto(W(), "lonDegreesEdit", QStringLiteral("77"));
    TypeInto(W(), "lonMinutesEdit", QStringLiteral("13"));
    auto* check = Control<QLabel>(W(), "cityCheckLabel");
    QVERIFY(check != nullptr);
    QVERIFY(!check->isVisible());
    QAbstractItemView* list = TypeCityAndWaitForList(QStringLiteral("Pune"));
    QVERIFY(list != nullptr);
    QTest::keyClick(list, Qt::Key_Escape);
    watchdog->Pause(false);
    QVERIFY(check->isVisible());
    const QRegularExpression question(
        QStringLiteral("^The atlas places Pune, Maharashtra, India ([0-9,.]+) km from these "
                       "coordinates: please check the city or the coordinates\\.$"));
    const auto match = question.match(check->text());
    QVERIFY2(match.hasMatch(), qPrintable(check->text()));
    const int km = QLocale().toInt(match.captured(1));
    QVERIFY2(km > 1100 && km < 1250, qPrintable(match.captured(1)));
    QVERIFY(recorder->messages.isEmpty());

    // A city of that name near the coordinates asks nothing.
    Control<QLineEdit>(W(), "cityEdit")->clear();
    list = TypeCityAndWaitForList(QStringLiteral("Delhi"));
    if (list != nullptr) QTest::keyClick(list, Qt::Key_Escape);
    watchdog->Pause(false);
    QVERIFY2(!check->isVisible(), qPrintable(check->text()));
}

QTEST_MAIN(AtlasTest)
#include "tst_atlas.moc"
