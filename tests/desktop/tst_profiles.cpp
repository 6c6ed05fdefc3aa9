// The window's convention profiles and zone list: the Conventions menu reads the reading on screen
// again, the choice is remembered between runs (in the test's own settings folder), the custom
// dialog sets every convention, and each zone row shows its exact offset.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

#include <memory>

#include "desktop/profile_dialog.h"
#include "desktop/reading_print.h"
#include "gui_test_support.h"
#include "reading/calculation_driver.h"
#include "upagraha/upagraha_report.h"

using namespace vela;
using namespace vela::guitest;
using namespace vela::upagraha;

class ProfilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void the_zone_list_shows_each_rows_exact_offset();
    void the_original_profile_is_chosen_when_nothing_is_remembered();
    void the_menu_offers_the_precise_profile();
    void choosing_a_profile_reads_the_reading_on_screen_again();
    void the_choice_is_remembered_for_the_next_window();
    void a_custom_profile_is_made_in_the_dialog_and_remembered();
    void a_cancelled_custom_dialog_keeps_the_profile_in_use();
    void remembered_settings_that_do_not_read_give_the_original();
    void the_dialog_sets_every_convention_and_says_what_they_amount_to();
    void the_dialog_opens_on_the_profile_in_use_with_every_axis();
    void the_menu_and_the_dialog_speak_hindi_and_tamil();
    void the_comparison_in_print_is_off_until_chosen_and_remembered();

private:
    QWidget& W() { return *window; }
    void OpenWindow();
    desktop::ProfileChoice& Choice() {
        return *window->findChild<desktop::ProfileChoice*>(QStringLiteral("profileChoice"));
    }
    QAction* MenuItem(const char* name) { return window->findChild<QAction*>(QString::fromLatin1(name)); }
    QString ReportText() { return Control<QTextEdit>(W(), "reportView")->toPlainText(); }
    QString Working() {
        Control<QTabWidget>(W(), "resultTabs")->setCurrentWidget(Control<QWidget>(W(), "workingTab"));
        return Control<QPlainTextEdit>(W(), "workingView")->toPlainText();
    }

    std::unique_ptr<SeamRecorder> recorder;
    std::unique_ptr<desktop::MainWindow> window;
    std::unique_ptr<ModalWatchdog> watchdog;
};

void ProfilesTest::init() {
    // Every case starts with nothing remembered (the settings live in the test's temporary folder).
    desktop::ProfileChoice::Settings().clear();
    OpenWindow();
    watchdog = std::make_unique<ModalWatchdog>();
}

void ProfilesTest::OpenWindow() {
    window.reset();
    recorder = std::make_unique<SeamRecorder>();
    window = std::make_unique<desktop::MainWindow>(recorder->Seams());
    QVERIFY(ShowActive(*window));
}

void ProfilesTest::cleanup() {
    const QString intruder = watchdog ? watchdog->Intruder() : QString();
    watchdog.reset();
    window.reset();
    recorder.reset();
    desktop::ProfileChoice::Settings().clear();
    QVERIFY2(intruder.isEmpty(), qPrintable(QStringLiteral("a modal window was left open: ") + intruder));
}

void ProfilesTest::the_zone_list_shows_each_rows_exact_offset() {
    auto* zones = Control<QComboBox>(W(), "zoneCombo");
    QCOMPARE(zones->count(), 82);  // the 81 rows, then the entry for another offset
    // "+5.3" is 5:30 but "+3.5" is 3:30: the offset beside says which.
    QCOMPARE(zones->itemText(34), QStringLiteral("Indian Time, IST, +5.3  (+05:30)"));
    QCOMPARE(zones->itemText(37), QStringLiteral("Iran Time, IT, +3.5  (+03:30)"));
    QCOMPARE(zones->itemText(50), QStringLiteral("Newfoundland Standard Time,NST,-3.5  (-03:30)"));
    QCOMPARE(zones->itemText(71), QStringLiteral("Nepal Time,NPT,+5:45  (+05:45)"));
    QCOMPARE(zones->itemText(79), QStringLiteral("Line Islands Time,LINT,+14:00  (+14:00)"));
    QCOMPARE(zones->itemText(80), QStringLiteral("Local Mean Time,LMT,longitude/15  (exact, from the longitude)"));

    // A reading in the place's local mean time.
    FillKnownGoodReading(W());
    ChoosePosition(W(), "zoneCombo", 80);
    Press(W(), "calculateButton");
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    QCOMPARE(window->ChartState().zoneRow, 80);
    QVERIFY(window->ChartState().zone.localMeanHoursEast.has_value());
    QVERIFY(std::abs(*window->ChartState().zone.localMeanHoursEast * 3600 - (5 * 3600 + 8 * 60 + 52)) < 1e-6);
}

void ProfilesTest::the_original_profile_is_chosen_when_nothing_is_remembered() {
    QCOMPARE(Choice().Profile(), kOriginalProfile);
    QVERIFY(MenuItem("profileAction_original")->isChecked());
    for (const char* other : {"profileAction_gulika-start", "profileAction_seven-lords", "profileAction_custom"})
        QVERIFY(!MenuItem(other)->isChecked());
    // Each item says what it holds.
    QVERIFY(MenuItem("profileAction_gulika-start")->toolTip().contains(QStringLiteral("Gulika at the start")));
}

// Every profile the command line takes by name is offered, the precise one among them, and it
// reads the reading on screen again on the precise ephemeris.
void ProfilesTest::the_menu_offers_the_precise_profile() {
    QAction* precise = MenuItem("profileAction_precise");
    QVERIFY(precise != nullptr);
    QVERIFY(!precise->isChecked());
    QVERIFY(precise->text().contains(QStringLiteral("Precise ephemeris")));
    FillKnownGoodReading(W());
    Press(W(), "calculateButton");
    precise->trigger();
    QVERIFY(recorder->messages.isEmpty());
    QVERIFY(window->ChartState().profile.name == "precise");
    QVERIFY(precise->isChecked());
    QVERIFY(!MenuItem("profileAction_original")->isChecked());
    QCOMPARE(Choice().Profile(), kPreciseProfile);
}

void ProfilesTest::choosing_a_profile_reads_the_reading_on_screen_again() {
    FillKnownGoodReading(W());
    Press(W(), "calculateButton");
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
    const QString original = ReportText();
    QVERIFY(Working().contains(QStringLiteral("The upagrahas under each convention (in use: original)")));

    MenuItem("profileAction_gulika-start")->trigger();
    QVERIFY(recorder->messages.isEmpty());
    QVERIFY(window->ChartState().profile.name == "gulika-start");
    QVERIFY(MenuItem("profileAction_gulika-start")->isChecked());
    // The report is the core's under that profile, and the working names it.
    reading::Reading s;
    const auto outcome =
        reading::RunCalculation(KnownGoodForm(), *FindProfile("gulika-start"), s, desktop::kDesktopRequest);
    QCOMPARE(UpToTheGrahas(ReportText()),
             UpToTheGrahas(QString::fromStdString(upagraha::ReportPlainText(outcome.report))));
    QVERIFY(ReportText() != original);
    QVERIFY(Working().contains(QStringLiteral("The upagrahas under each convention (in use: gulika-start)")));
    QVERIFY(Working().contains(QStringLiteral("\n  gulika-start (in use): ")));

    // On the form, a new choice waits for the next calculation.
    Press(W(), "backButton");
    MenuItem("profileAction_seven-lords")->trigger();
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::PersonalDetails);
    QVERIFY(window->ChartState().profile.name == "gulika-start");
    Press(W(), "calculateButton");
    QVERIFY(window->ChartState().profile.name == "seven-lords");
}

void ProfilesTest::the_choice_is_remembered_for_the_next_window() {
    MenuItem("profileAction_seven-lords")->trigger();
    OpenWindow();
    QVERIFY(Choice().Profile().name == "seven-lords");
    QVERIFY(MenuItem("profileAction_seven-lords")->isChecked());
    MenuItem("profileAction_original")->trigger();
    OpenWindow();
    QCOMPARE(Choice().Profile(), kOriginalProfile);
}

void ProfilesTest::a_custom_profile_is_made_in_the_dialog_and_remembered() {
    const ConventionProfile made = CustomProfile(LordOrder::SevenLords,
                                                 {PortionPoint::Start, PortionPoint::Middle, PortionPoint::End,
                                                  PortionPoint::Middle, PortionPoint::Start, PortionPoint::End},
                                                 SunriseEvent::DiscCentreWithoutRefraction);
    int asked = 0;
    Choice().SetCustomEditor([&](QWidget*, const ConventionProfile& current) -> std::optional<ConventionProfile> {
        ++asked;
        // The dialog starts from the custom settings last made: none yet, so the original's.
        if (current.Values() != kOriginalProfile.Values()) return std::nullopt;
        return made;
    });
    FillKnownGoodReading(W());
    Press(W(), "calculateButton");
    MenuItem("profileAction_custom")->trigger();
    QCOMPARE(asked, 1);
    QCOMPARE(Choice().Profile(), made);
    QVERIFY(MenuItem("profileAction_custom")->isChecked());
    QCOMPARE(window->ChartState().profile, made);
    // The working sets the custom profile beside the named ones.
    QVERIFY(Working().contains(QStringLiteral("\n  custom (in use): seven lords, the eighth lordless,")));
    QVERIFY(Working().contains(QStringLiteral("\n  original: ")));
    QVERIFY(MenuItem("profileAction_custom")->toolTip().contains(QStringLiteral("Kaala at the start")));

    OpenWindow();
    QCOMPARE(Choice().Profile(), made);
    // The dialog opens on the profile in use: the custom one while it is, a named one after.
    ConventionProfile offered;
    const auto record = [&](QWidget*, const ConventionProfile& current) -> std::optional<ConventionProfile> {
        offered = current;
        return std::nullopt;
    };
    Choice().SetCustomEditor(record);
    MenuItem("profileAction_custom")->trigger();
    QCOMPARE(offered, made);
    MenuItem("profileAction_original")->trigger();
    OpenWindow();
    Choice().SetCustomEditor(record);
    MenuItem("profileAction_custom")->trigger();
    QCOMPARE(offered, kOriginalProfile);
    // The custom settings are still remembered beside the choice.
    QCOMPARE(desktop::ProfileChoice::Settings().value(QStringLiteral("conventions/custom")).toString(),
             QString::fromStdString(ProfileSettingsText(made)));
}

void ProfilesTest::a_cancelled_custom_dialog_keeps_the_profile_in_use() {
    MenuItem("profileAction_gulika-start")->trigger();
    Choice().SetCustomEditor([](QWidget*, const ConventionProfile&) { return std::optional<ConventionProfile>(); });
    MenuItem("profileAction_custom")->trigger();
    QVERIFY(Choice().Profile().name == "gulika-start");
    QVERIFY(MenuItem("profileAction_gulika-start")->isChecked());
    QVERIFY(!MenuItem("profileAction_custom")->isChecked());
}

void ProfilesTest::remembered_settings_that_do_not_read_give_the_original() {
    window.reset();
    {
        QSettings settings = desktop::ProfileChoice::Settings();
        settings.setValue(QStringLiteral("conventions/profile"), QStringLiteral("custom"));
        settings.setValue(QStringLiteral("conventions/custom"), QStringLiteral("lords=nine;points=;sunrise=noon"));
    }
    OpenWindow();
    QCOMPARE(Choice().Profile(), kOriginalProfile);
    QVERIFY(MenuItem("profileAction_original")->isChecked());
    window.reset();
    desktop::ProfileChoice::Settings().setValue(QStringLiteral("conventions/profile"), QStringLiteral("sidereal"));
    OpenWindow();
    QCOMPARE(Choice().Profile(), kOriginalProfile);
}

void ProfilesTest::the_dialog_sets_every_convention_and_says_what_they_amount_to() {
    desktop::ProfileDialog dialog(*FindProfile("gulika-start"));
    auto* lords = dialog.findChild<QComboBox*>(QStringLiteral("lordOrderCombo"));
    auto* sunrise = dialog.findChild<QComboBox*>(QStringLiteral("sunriseCombo"));
    auto* description = dialog.findChild<QLabel*>(QStringLiteral("descriptionLabel"));
    QVERIFY(lords && sunrise && description);
    QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("pointCombo4"))->currentText(), QStringLiteral("start"));
    QCOMPARE(description->text(), QStringLiteral("Eight-place cycle of lords; Gulika at the start, the others at the "
                                                 "middle of their portions; sunrise at the centre of the disc "
                                                 "without refraction."));

    lords->setCurrentIndex(1);
    sunrise->setCurrentIndex(0);
    dialog.findChild<QComboBox*>(QStringLiteral("pointCombo4"))->setCurrentIndex(1);
    dialog.findChild<QComboBox*>(QStringLiteral("pointCombo0"))->setCurrentIndex(2);
    const ConventionProfile set = dialog.Profile();
    QVERIFY(set.name == kCustomName);
    QVERIFY(set.lordOrder == LordOrder::SevenLords);
    QVERIFY(set.sunrise == SunriseEvent::UpperLimbWithRefraction);
    QVERIFY(set.points[0] == PortionPoint::End);
    QVERIFY(set.points[4] == PortionPoint::Middle);
    QCOMPARE(description->text(), QStringLiteral("Seven lords in weekday order, the eighth portion lordless; Kaala "
                                                 "at the end, the others at the middle of their portions; sunrise "
                                                 "at the upper limb with refraction."));
}

// Every axis has its list, each list its values (three lord orders; start, middle and end for every
// upagraha, Maandi also by the ghatis; three sunrises; two rules for Vyatipata; two ephemerides; two
// ayanamsas), set from the profile in use; the settings come back as a profile, named after the
// preset they are when they are one.
void ProfilesTest::the_dialog_opens_on_the_profile_in_use_with_every_axis() {
    // From the menu: the editor is handed the Kerala profile in use.
    MenuItem("profileAction_kerala")->trigger();
    ConventionProfile offered;
    Choice().SetCustomEditor([&](QWidget*, const ConventionProfile& current) -> std::optional<ConventionProfile> {
        offered = current;
        return std::nullopt;
    });
    MenuItem("profileAction_custom")->trigger();
    QVERIFY(offered.name == "kerala");
    QVERIFY(offered.points[5] == PortionPoint::Ghatis);

    // A profile away from the original on every axis.
    ConventionProfile away = kOriginalProfile;
    QVERIFY(!ApplyConvention(away, "lords=eight-night-four-on"));
    QVERIFY(!ApplyConvention(away, "kaala=end"));
    QVERIFY(!ApplyConvention(away, "gulika=start"));
    QVERIFY(!ApplyConvention(away, "maandi=ghatis"));
    QVERIFY(!ApplyConvention(away, "sunrise=disc-centre-refracted"));
    QVERIFY(!ApplyConvention(away, "vyatipata=dhuma-plus-53-20"));
    QVERIFY(!ApplyConvention(away, "ephemeris=precise"));
    QVERIFY(!ApplyConvention(away, "ayanamsa=lahiri"));
    QVERIFY(!ApplyConvention(away, "hora=cyclic"));
    QVERIFY(!ApplyConvention(away, "drekkana=jagannatha"));
    QVERIFY(!ApplyConvention(away, "trimsamsa=cyclic"));
    desktop::ProfileDialog dialog(away);
    const auto list = [&dialog](const QString& name) {
        auto* combo = dialog.findChild<QComboBox*>(name);
        return combo != nullptr ? std::make_pair(combo->count(), combo->currentIndex()) : std::make_pair(-1, -1);
    };
    using Shown = std::pair<int, int>;  // values offered, value chosen
    QCOMPARE(list(QStringLiteral("lordOrderCombo")), Shown(3, 2));
    QCOMPARE(list(QStringLiteral("pointCombo0")), Shown(3, 2));
    for (const char* middle : {"pointCombo1", "pointCombo2", "pointCombo3"})
        QCOMPARE(list(QString::fromLatin1(middle)), Shown(3, 1));
    QCOMPARE(list(QStringLiteral("pointCombo4")), Shown(3, 0));
    QCOMPARE(list(QStringLiteral("pointCombo5")), Shown(4, 3));
    QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("pointCombo5"))->currentText(), QStringLiteral("ghatis"));
    QCOMPARE(list(QStringLiteral("sunriseCombo")), Shown(3, 2));
    QCOMPARE(list(QStringLiteral("vyatipataCombo")), Shown(2, 1));
    QCOMPARE(list(QStringLiteral("ephemerisCombo")), Shown(2, 1));
    QCOMPARE(list(QStringLiteral("ayanamsaCombo")), Shown(2, 1));
    for (const char* varga : {"horaCombo", "drekkanaCombo", "trimsamsaCombo"})
        QCOMPARE(list(QString::fromLatin1(varga)), Shown(2, 1));
    QVERIFY(dialog.Profile().Values() == away.Values());
    QVERIFY(dialog.Profile().name == kCustomName);
    // Made in the dialog, it is the profile in use, and the next window takes it up again.
    Choice().SetCustomEditor(
        [&dialog](QWidget*, const ConventionProfile&) { return std::optional<ConventionProfile>(dialog.Profile()); });
    MenuItem("profileAction_custom")->trigger();
    QVERIFY(Choice().Profile().Values() == away.Values());
    OpenWindow();
    QVERIFY(Choice().Profile().Values() == away.Values());
    QVERIFY(Choice().Profile().name == kCustomName);
    QVERIFY(MenuItem("profileAction_custom")->isChecked());

    // The description follows every list, the last ones too.
    auto* description = dialog.findChild<QLabel*>(QStringLiteral("descriptionLabel"));
    QVERIFY(description->text().contains(QStringLiteral("Maandi by the ghatis")));
    QVERIFY(description->text().contains(QStringLiteral("Lahiri")));
    dialog.findChild<QComboBox*>(QStringLiteral("ayanamsaCombo"))->setCurrentIndex(0);
    QVERIFY(!description->text().contains(QStringLiteral("Lahiri")));
    QVERIFY(dialog.Profile().ayanamsa == AyanamsaChoice::Original);

    // Set back to the original's values, the settings are the original profile.
    for (const auto& [name, index] : std::initializer_list<std::pair<const char*, int>>{{"lordOrderCombo", 0},
                                                                                        {"pointCombo0", 1},
                                                                                        {"pointCombo4", 1},
                                                                                        {"pointCombo5", 1},
                                                                                        {"sunriseCombo", 0},
                                                                                        {"vyatipataCombo", 0},
                                                                                        {"ephemerisCombo", 0},
                                                                                        {"horaCombo", 0},
                                                                                        {"drekkanaCombo", 0},
                                                                                        {"trimsamsaCombo", 0}})
        dialog.findChild<QComboBox*>(QString::fromLatin1(name))->setCurrentIndex(index);
    QCOMPARE(dialog.Profile(), kOriginalProfile);
}

// In Hindi and Tamil the presets' titles, the dialog's lists and its sentence are in the language,
// in the glossary's terms (docs/translations.md: "Original" मूल, அசல்; "seven lords" सात स्वामी, ஏழு
// அதிபதிகள்; Gulika गुलिक, குளிகன்); the access keys stay the English titles' letters.
void ProfilesTest::the_menu_and_the_dialog_speak_hindi_and_tamil() {
    const auto backToEnglish = qScopeGuard([this] { Control<QAction>(W(), "languageAction_en")->trigger(); });
    const struct {
        const char* action;
        QString original;
        QString sevenLords;
        QString gulika;
    } languages[] = {
        {"languageAction_hi", QStringLiteral("मूल (&O)"), QStringLiteral("सात स्वामी"), QStringLiteral("गुलिक")},
        {"languageAction_ta", QStringLiteral("அசல் (&O)"), QStringLiteral("ஏழு அதிபதிகள்"), QStringLiteral("குளிகன்")},
    };
    const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    for (const auto& language : languages) {
        Control<QAction>(W(), language.action)->trigger();
        QApplication::processEvents();
        QCOMPARE(Control<QAction>(W(), "profileAction_original")->text(), language.original);
        QVERIFY(!Control<QAction>(W(), "profileAction_kerala")->toolTip().contains(latin));

        desktop::ProfileDialog dialog(*FindProfile("gulika-start"));
        auto* lords = dialog.findChild<QComboBox*>(QStringLiteral("lordOrderCombo"));
        auto* description = dialog.findChild<QLabel*>(QStringLiteral("descriptionLabel"));
        QVERIFY(lords && description);
        QVERIFY2(lords->itemText(1).contains(language.sevenLords), qPrintable(lords->itemText(1)));
        QVERIFY2(description->text().contains(language.gulika), qPrintable(description->text()));
        QVERIFY2(!description->text().contains(latin), qPrintable(description->text()));
        lords->setCurrentIndex(1);
        QVERIFY2(description->text().contains(language.sevenLords), qPrintable(description->text()));
    }
}

void ProfilesTest::the_comparison_in_print_is_off_until_chosen_and_remembered() {
    QAction* include = MenuItem("includeComparisonAction");
    QVERIFY(include != nullptr);
    QVERIFY(include->isCheckable());
    QVERIFY(!include->isChecked());
    QVERIFY(!Choice().IncludeComparison());
    include->trigger();
    QVERIFY(Choice().IncludeComparison());
    OpenWindow();
    QVERIFY(MenuItem("includeComparisonAction")->isChecked());
    MenuItem("includeComparisonAction")->trigger();
    OpenWindow();
    QVERIFY(!Choice().IncludeComparison());
}

QTEST_MAIN(ProfilesTest)
#include "tst_profiles.moc"
