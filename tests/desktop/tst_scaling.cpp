// The window on a small screen at 200 % scaling: a 1366 x 768 display scaled by two leaves 683 x 384
// logical pixels. Every control must be reachable (scrolled into view where the form scrolls) and
// shown whole, at the size the window opens with and at its minimum size; the chart opens at a
// readable size and the print preview keeps Print on its tool bar. Checked by geometry, not by
// pixels: the screen is the offscreen platform's, configured to that size before the application
// starts. VELA_SCREEN_SCALE=1 runs the same checks on the display unscaled (tst_scaling_normal).
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>

#include <memory>
#include <utility>
#include <vector>

#include "desktop/about_dialog.h"
#include "desktop/chart_painter.h"
#include "desktop/day_view.h"
#include "desktop/help_window.h"
#include "desktop/profile_dialog.h"
#include "desktop/reading_print.h"
#include "gui_test_support.h"
#include "reading/calculation_driver.h"
#include "reading/chart_model.h"
#include "reading/result_summary.h"
#include "upagraha/profiles.h"

using namespace vela;
using namespace vela::guitest;

namespace {

constexpr int kScreenWidth = 1366;
constexpr int kScreenHeight = 768;
// Twice by default; VELA_SCREEN_SCALE chooses another whole factor.
const int kScale = [] {
    bool ok = false;
    const int chosen = qEnvironmentVariableIntValue("VELA_SCREEN_SCALE", &ok);
    return ok && chosen > 0 ? chosen : 2;
}();
// The smallest type the chart may use at first start, in the display's own pixels: the quiet sign
// labels, and the name and birth data in the centre; and the smallest side of the chart.
constexpr double kReadableLabelPixels = 8;
constexpr double kReadableCentrePixels = 9;
constexpr double kReadableChartPixels = 300;
// What a window manager's title bar and borders take; the window must leave room for them.
const QSize kFrame(16, 40);

// The controls a person must reach on the form, and on the result panel.
const char* const kFormControls[] = {"nameEdit",        "dayCombo",       "monthCombo",  "yearCombo",
                                     "hourCombo",       "minuteCombo",    "zoneCombo",   "dstCheck",
                                     "latDegreesEdit",  "latMinutesEdit", "northRadio",  "southRadio",
                                     "lonDegreesEdit",  "lonMinutesEdit", "eastRadio",   "westRadio",
                                     "cityEdit",        "stateEdit",      "countryEdit", "lookUpCoordinatesButton",
                                     "calculateButton", "openButton",     "ghatisEdit",  "ghatisButton",
                                     "latSecondsEdit",  "lonSecondsEdit"};
const char* const kResultControls[] = {"resultHeader", "reportView", "saveButton", "backButton"};
// Each further tab of the result, and what must be reachable on it.
const std::pair<const char*, std::vector<const char*>> kResultTabs[] = {
    {"chartTab", {"chartView", "chartStyleCombo"}},
    {"tableTab", {"upagrahaTable", "copyTableButton"}},
    {"workingTab", {"workingView"}},
};

// Where a widget lies in its window.
QRect WindowRect(const QWidget& widget) { return {widget.mapTo(widget.window(), QPoint(0, 0)), widget.size()}; }

// The part of a widget its parents leave in view: a panel, a scrolling viewport or the window itself
// cut off whatever lies outside them.
QRect ShownPart(const QWidget& widget) {
    QRect shown = WindowRect(widget);
    for (const QWidget* parent = widget.parentWidget(); parent != nullptr; parent = parent->parentWidget())
        shown &= WindowRect(*parent);
    return shown;
}

// As a person scrolls: to the control, and again once the form has settled around it.
void ScrollIntoView(const QWidget& control) {
    for (int settle = 0; settle < 2; ++settle) {
        for (QWidget* parent = control.parentWidget(); parent != nullptr; parent = parent->parentWidget()) {
            if (auto* scroll = qobject_cast<QScrollArea*>(parent)) {
                // The whole control (ensureWidgetVisible would settle for a box's text cursor).
                const QRect rect(control.mapTo(scroll->widget(), QPoint(0, 0)), control.size());
                scroll->ensureVisible(rect.center().x(), rect.center().y(), rect.width() / 2 + 1,
                                      rect.height() / 2 + 1);
                break;
            }
        }
        QApplication::processEvents();
    }
}

}  // namespace

class ScalingTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void the_screen_is_the_scaled_small_one();
    void the_window_opens_within_the_screen();
    void the_window_with_a_reading_stays_within_the_screen_data();
    void the_window_with_a_reading_stays_within_the_screen();
    void a_remembered_size_larger_than_the_screen_is_brought_within_it();
    void every_control_is_reachable_and_whole_data();
    void every_control_is_reachable_and_whole();
    void the_help_opens_within_the_screen_and_wraps();
    void the_chart_opens_at_a_readable_size();
    void the_print_preview_keeps_print_in_reach();
    void the_other_windows_open_within_the_screen();

private:
    // Scrolls the control into view where it lies in a scrolling form, then checks it is shown
    // whole inside the window.
    void CheckReachable(const char* name);

    std::unique_ptr<SeamRecorder> recorder;
    std::unique_ptr<desktop::MainWindow> window;
};

void ScalingTest::init() {
    recorder = std::make_unique<SeamRecorder>();
    window = std::make_unique<desktop::MainWindow>(recorder->Seams());
    QVERIFY(ShowActive(*window));
}

void ScalingTest::cleanup() {
    window.reset();
    recorder.reset();
}

void ScalingTest::the_screen_is_the_scaled_small_one() {
    const QScreen* screen = window->screen();
    QCOMPARE(screen->geometry().size(), QSize(kScreenWidth / kScale, kScreenHeight / kScale));
    QCOMPARE(screen->devicePixelRatio(), static_cast<qreal>(kScale));
}

void ScalingTest::the_window_opens_within_the_screen() {
    const QSize available = window->screen()->availableGeometry().size();
    QVERIFY2(window->width() + kFrame.width() <= available.width() &&
                 window->height() + kFrame.height() <= available.height(),
             qPrintable(QStringLiteral("%1 x %2 on %3 x %4")
                            .arg(window->width())
                            .arg(window->height())
                            .arg(available.width())
                            .arg(available.height())));
    const QSize minimum = window->minimumSizeHint();
    QVERIFY(minimum.width() + kFrame.width() <= available.width());
    QVERIFY(minimum.height() + kFrame.height() <= available.height());
}

void ScalingTest::the_window_with_a_reading_stays_within_the_screen_data() {
    QTest::addColumn<bool>("longHeader");
    QTest::newRow("a reading") << false;
    // A long name and a place beyond 60 degrees North: the header takes two lines more.
    QTest::newRow("a reading with a long header") << true;
}

// With a reading shown, on every tab, the window keeps within the screen's available area with
// room for its frame; the result panel scrolls to whatever its header and buttons need beyond it.
void ScalingTest::the_window_with_a_reading_stays_within_the_screen() {
    QFETCH(bool, longHeader);
    FillKnownGoodReading(*window);
    if (longHeader) {
        TypeInto(*window, "nameEdit", QStringLiteral(" Lakshmi Narayanan Venkataraman Subramanian"));
        Control<QLineEdit>(*window, "latDegreesEdit")->clear();
        TypeInto(*window, "latDegreesEdit", QStringLiteral("61"));
    }
    Press(*window, "calculateButton");
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
    const QSize available = window->screen()->availableGeometry().size();
    auto* tabs = Control<QTabWidget>(*window, "resultTabs");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        const QString measured = QStringLiteral("%1: window %2 x %3 (least %4 x %5) on %6 x %7")
                                     .arg(tabs->tabText(tab))
                                     .arg(window->width())
                                     .arg(window->height())
                                     .arg(window->minimumSizeHint().width())
                                     .arg(window->minimumSizeHint().height())
                                     .arg(available.width())
                                     .arg(available.height());
        QVERIFY2(window->width() + kFrame.width() <= available.width() &&
                     window->height() + kFrame.height() <= available.height(),
                 qPrintable(measured));
        QVERIFY2(window->minimumSizeHint().width() + kFrame.width() <= available.width() &&
                     window->minimumSizeHint().height() + kFrame.height() <= available.height(),
                 qPrintable(measured));
    }
    tabs->setCurrentWidget(Control<QWidget>(*window, "chartTab"));
    QApplication::processEvents();
    // As a plain reading comes up: the header and the whole chart in view without scrolling; on the
    // unscaled screen the buttons too (at twice the scale they are scrolled to).
    for (const char* name : {"resultHeader", "chartView"}) {
        const auto* shown = Control<QWidget>(*window, name);
        if (!longHeader) QVERIFY2(ShownPart(*shown) == WindowRect(*shown), name);
    }
    const QScrollBar* scroll = Control<QScrollArea>(*window, "resultScrollArea")->verticalScrollBar();
    if (kScale == 1) QCOMPARE(scroll->maximum(), 0);
    for (const char* name : {"resultHeader", "chartView", "chartStyleCombo", "saveButton", "backButton"}) {
        CheckReachable(name);
        if (QTest::currentTestFailed()) return;
    }
    // The header is shown with all its lines.
    const auto* header = Control<QLabel>(*window, "resultHeader");
    QVERIFY(header->height() >= header->heightForWidth(header->width()));
}

// A size remembered on a larger screen (or before the scale was raised): the next window opens
// within this screen's available area all the same, and a size that fits is kept as it was.
void ScalingTest::a_remembered_size_larger_than_the_screen_is_brought_within_it() {
    const QRect available = window->screen()->availableGeometry();
    window->resize(2 * available.size());
    QApplication::processEvents();
    QVERIFY(window->close());
    window = std::make_unique<desktop::MainWindow>(recorder->Seams());
    QVERIFY(ShowActive(*window));
    const QString measured = QStringLiteral("window %1 x %2 on %3 x %4")
                                 .arg(window->width())
                                 .arg(window->height())
                                 .arg(available.width())
                                 .arg(available.height());
    QVERIFY2(available.contains(window->frameGeometry()), qPrintable(measured));
    QVERIFY2(window->width() + kFrame.width() <= available.width() &&
                 window->height() + kFrame.height() <= available.height(),
             qPrintable(measured));
    const QSize chosen = window->minimumSizeHint() + QSize(10, 10);
    window->resize(chosen);
    QApplication::processEvents();
    QVERIFY(window->close());
    window = std::make_unique<desktop::MainWindow>(recorder->Seams());
    QVERIFY(ShowActive(*window));
    QCOMPARE(window->size(), chosen);
}

// In every language of the Language menu: Hindi and Tamil captions are longer than the English.
void ScalingTest::every_control_is_reachable_and_whole_data() {
    QTest::addColumn<bool>("minimumSize");
    QTest::addColumn<QString>("language");
    for (const char* language : {"en", "hi", "ta"}) {
        QTest::addRow("as the window opens, %s", language) << false << QString::fromLatin1(language);
        QTest::addRow("at the minimum size, %s", language) << true << QString::fromLatin1(language);
    }
}

void ScalingTest::CheckReachable(const char* name) {
    auto* control = Control<QWidget>(*window, name);
    QVERIFY2(control != nullptr, name);
    QVERIFY2(control->isVisible(), name);
    ScrollIntoView(*control);
    // Whole: nothing of it cut off by the window, a panel or a scrolling viewport, and no smaller
    // than it needs to show its text.
    QVERIFY2(ShownPart(*control) == WindowRect(*control), name);
    const QSize needed = control->minimumSizeHint();
    QVERIFY2(control->width() >= needed.width() && control->height() >= needed.height(),
             qPrintable(QStringLiteral("%1 is %2 x %3, needs %4 x %5")
                            .arg(QString::fromLatin1(name))
                            .arg(control->width())
                            .arg(control->height())
                            .arg(needed.width())
                            .arg(needed.height())));
    QVERIFY2(window->rect().contains(WindowRect(*control)), name);
    // A box's hint is shown whole: its text within the box's frame and inner margins (2 px a side).
    if (const auto* edit = qobject_cast<const QLineEdit*>(control); edit && !edit->placeholderText().isEmpty()) {
        const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
        const int needs = edit->fontMetrics().horizontalAdvance(edit->placeholderText()) + 2 * (frame + 2);
        QVERIFY2(edit->width() >= needs, qPrintable(QStringLiteral("%1's hint needs %2 px, has %3")
                                                        .arg(QString::fromLatin1(name))
                                                        .arg(needs)
                                                        .arg(edit->width())));
    }
}

void ScalingTest::every_control_is_reachable_and_whole() {
    QFETCH(bool, minimumSize);
    QFETCH(QString, language);
    const auto choose = [this](const QString& code) {
        Control<QAction>(*window, ("languageAction_" + code).toLatin1().constData())->trigger();
        QApplication::processEvents();
    };
    const auto backToEnglish = qScopeGuard([&choose] { choose(QStringLiteral("en")); });
    choose(language);
    if (minimumSize) {
        // A caption that wraps may ask for less once the window is narrower (the Hindi form does):
        // the window is shrunk until it takes the size it asks for.
        for (int step = 0; step < 3 && window->size() != window->minimumSizeHint(); ++step) {
            window->resize(window->minimumSizeHint());
            QApplication::processEvents();
        }
        QTRY_COMPARE(window->size(), window->minimumSizeHint());
    }
    for (const char* name : kFormControls) {
        CheckReachable(name);
        if (QTest::currentTestFailed()) return;
    }
    // At scale 1 the form, as the window opens, fits 1366 pixels in every language: nothing of it
    // lies sideways out of view (the Tamil form once needed 936 pixels of the window's 917).
    if (kScale == 1 && !minimumSize)
        QCOMPARE(Control<QScrollArea>(*window, "formScrollArea")->horizontalScrollBar()->maximum(), 0);
    // The form's lists are filled by their English entries, then the reading is made in the language.
    choose(QStringLiteral("en"));
    FillKnownGoodReading(*window);
    choose(language);
    Press(*window, "calculateButton");
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
    for (const char* name : kResultControls) {
        CheckReachable(name);
        if (QTest::currentTestFailed()) return;
    }
    for (const auto& [tab, controls] : kResultTabs) {
        Control<QTabWidget>(*window, "resultTabs")->setCurrentWidget(Control<QWidget>(*window, tab));
        for (const char* name : controls) {
            CheckReachable(name);
            if (QTest::currentTestFailed()) return;
        }
    }
    Control<QTabWidget>(*window, "resultTabs")->setCurrentIndex(0);
    // The tabs can be chosen, and the report scrolls within its pane, which keeps room for some
    // lines of it.
    const QTabBar* tabs = Control<QTabWidget>(*window, "resultTabs")->tabBar();
    ScrollIntoView(*tabs);
    QCOMPARE(ShownPart(*tabs), WindowRect(*tabs));
    QVERIFY(Control<QTextEdit>(*window, "reportView")->viewport()->height() >= 3 * window->fontMetrics().height());
}

void ScalingTest::the_help_opens_within_the_screen_and_wraps() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile page(folder.filePath(QStringLiteral("help.html")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    // A paragraph of long lines, an address too long for any line, and a picture wider than the
    // window (as the screenshots of a window opened on a large screen are).
    QImage wide(1200, 300, QImage::Format_RGB32);
    wide.fill(Qt::darkBlue);
    QVERIFY(wide.save(folder.filePath(QStringLiteral("wide.png"))));
    QByteArray body("<html><body><h1>Help</h1><p><img src=\"wide.png\" alt=\"wide\"></p><p>");
    for (int i = 0; i < 40; ++i) body += "The upagrahas are the shadow points of the day and the night. ";
    body +=
        "</p><p>https://vela-upagrahas.example/a/very/long/address/that/has/no/blank/in/it/at/all/anywhere</p>"
        "</body></html>";
    page.write(body);
    page.close();
    desktop::HelpWindow help(QUrl::fromLocalFile(page.fileName()), {}, window.get());
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QApplication::processEvents();
    const QRect available = window->screen()->availableGeometry();
    // The window and the room its frame needs lie on the screen: its close box is in reach.
    const QRect framed(help.pos(), help.size() + kFrame);
    QVERIFY2(
        available.contains(framed),
        qPrintable(
            QStringLiteral("%1,%2 %3 x %4").arg(framed.x()).arg(framed.y()).arg(framed.width()).arg(framed.height())));
    auto* close = help.findChild<QAbstractButton*>();
    QVERIFY(close != nullptr);
    // The Close button whole, inside its row and inside the window.
    QVERIFY(close->parentWidget()->rect().contains(close->geometry()));
    QVERIFY(help.rect().contains(WindowRect(*close)));
    // Never sideways.
    QTextBrowser* browser = help.Browser();
    QApplication::processEvents();
    QCOMPARE(browser->horizontalScrollBar()->maximum(), 0);
    QVERIFY(browser->document()->size().width() <= browser->viewport()->width() + 1);
}

// At first start, with a reading calculated, the chart's tab gives the chart room for its sign
// labels and the centre's name and birth data in readable type (measured in the display's pixels).
void ScalingTest::the_chart_opens_at_a_readable_size() {
    FillKnownGoodReading(*window);
    Press(*window, "calculateButton");
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
    auto* tabs = Control<QTabWidget>(*window, "resultTabs");
    tabs->setCurrentWidget(Control<QWidget>(*window, "chartTab"));
    QApplication::processEvents();
    const QWidget* chart = Control<QWidget>(*window, "chartView");
    const qreal ratio = chart->devicePixelRatioF();
    reading::Reading s;
    const reading::BirthForm form = KnownGoodForm();
    const auto outcome = reading::RunCalculation(form, upagraha::kOriginalProfile, s, desktop::kDesktopRequest);
    QVERIFY(outcome.Succeeded());
    const auto header = reading::BuildHeader(s, outcome.upagrahas);
    const auto model =
        reading::BuildChartModel(window->ChartStyle(), s, outcome.upagrahas, desktop::ChartCentreLines(header, s));
    const auto texts = desktop::LayOutChartText(QRectF(chart->rect()), model, chart->font());
    double smallestLabel = 1e9, smallestCentre = 1e9;
    for (const auto& text : texts) {
        if (text.isLabel) smallestLabel = std::min(smallestLabel, text.font.pixelSize() * ratio);
        if (text.text.contains(QStringLiteral("Asha")))
            smallestCentre = std::min(smallestCentre, text.font.pixelSize() * ratio);
    }
    const QString measured = QStringLiteral("chart %1 x %2 at %3x: labels %4 px, centre %5 px")
                                 .arg(chart->width())
                                 .arg(chart->height())
                                 .arg(ratio)
                                 .arg(smallestLabel)
                                 .arg(smallestCentre);
    QVERIFY2(std::min(chart->width(), chart->height()) * ratio >= kReadableChartPixels, qPrintable(measured));
    QVERIFY2(smallestLabel >= kReadableLabelPixels, qPrintable(measured));
    QVERIFY2(smallestCentre >= kReadableCentrePixels && smallestCentre < 1e9, qPrintable(measured));
}

// The real print preview of a reading opens within the screen, and Print is a button on its tool
// bar, shown whole in the dialog, not put away behind the tool bar's overflow arrow.
void ScalingTest::the_print_preview_keeps_print_in_reach() {
    desktop::WindowSeams seams = recorder->Seams();
    seams.printPreview = nullptr;
    desktop::MainWindow real(seams);
    QVERIFY(ShowActive(real));
    FillKnownGoodReading(real);
    Press(real, "calculateButton");
    QCOMPARE(real.PanelInFront(), desktop::MainWindow::Panel::Result);
    bool appeared = false, printShown = false, fits = false;
    QString why = QStringLiteral("no print preview");
    QTimer poll;
    poll.setInterval(20);
    int ticks = 0;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (preview == nullptr) {
            if (++ticks > 500) poll.stop();
            return;
        }
        appeared = true;
        poll.stop();
        QApplication::processEvents();
        const QRect available = preview->screen()->availableGeometry();
        why = QStringLiteral("preview %1 x %2 on %3 x %4")
                  .arg(preview->width())
                  .arg(preview->height())
                  .arg(available.width())
                  .arg(available.height());
        // The dialog and the room its frame needs lie on the screen: its close box is in reach.
        fits = available.contains(QRect(preview->pos(), preview->size() + kFrame));
        for (QToolBar* bar : preview->findChildren<QToolBar*>()) {
            for (QAction* action : bar->actions()) {
                if (action->text().remove(u'&') != QStringLiteral("Print")) continue;
                const QWidget* button = bar->widgetForAction(action);
                printShown = button != nullptr && button->isVisible() &&
                             preview->rect().contains(QRect(button->mapTo(preview, QPoint(0, 0)), button->size()));
            }
        }
        preview->close();
    });
    poll.start();
    Control<QAction>(real, "printAction")->trigger();
    poll.stop();
    QVERIFY(appeared);
    QVERIFY2(printShown, qPrintable(why));
    QVERIFY2(fits, qPrintable(why));
}

// The day's portions, the conventions dialog and About, with whatever their contents ask for, lie on the
// screen with room for their frames, and every button of theirs is shown whole within them.
void ScalingTest::the_other_windows_open_within_the_screen() {
    FillKnownGoodReading(*window);
    Control<QAction>(*window, "dayPortionsAction")->trigger();
    QApplication::processEvents();
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    auto* day = window->findChild<desktop::DayView*>();
    QVERIFY(day != nullptr);
    desktop::ProfileDialog conventions(upagraha::kOriginalProfile, window.get());
    conventions.show();
    const std::unique_ptr<QDialog> about(desktop::CreateAboutDialog(window.get()));
    about->show();
    const QRect available = window->screen()->availableGeometry();
    for (QWidget* shown : std::initializer_list<QWidget*>{day, &conventions, about.get()}) {
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QApplication::processEvents();
        const QRect framed(shown->pos(), shown->size() + kFrame);
        const QString measured = QStringLiteral("%1 at %2,%3 %4 x %5")
                                     .arg(QString::fromLatin1(shown->metaObject()->className()))
                                     .arg(framed.x())
                                     .arg(framed.y())
                                     .arg(framed.width())
                                     .arg(framed.height());
        QVERIFY2(available.contains(framed), qPrintable(measured));
        for (const QAbstractButton* button : shown->findChildren<QAbstractButton*>()) {
            if (!button->isVisible()) continue;
            QVERIFY2(shown->rect().contains(WindowRect(*button)) && ShownPart(*button) == WindowRect(*button),
                     qPrintable(measured + QStringLiteral(": ") + button->text()));
        }
    }
    // The conventions' axes all in view on the screen unscaled; scrolled to at twice the scale.
    const auto* axes = conventions.findChild<QScrollArea*>(QStringLiteral("axesScrollArea"));
    QVERIFY(axes != nullptr);
    if (kScale == 1) QCOMPARE(axes->verticalScrollBar()->maximum(), 0);
    for (const QComboBox* axis : conventions.findChildren<QComboBox*>()) {
        ScrollIntoView(*axis);
        QVERIFY2(ShownPart(*axis) == WindowRect(*axis), qPrintable(axis->objectName()));
    }
    about->close();
    conventions.close();
    day->close();
}

// The screen is set before the application starts: a 1366 x 768 offscreen display, scaled by two.
int main(int argc, char* argv[]) {
    QTemporaryDir folder;
    if (!folder.isValid()) return 1;
    const QString config = folder.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(QStringLiteral("{\"screens\": [{\"name\": \"small\", \"x\": 0, \"y\": 0, \"width\": %1, \"height\": "
                              "%2, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}")
                   .arg(kScreenWidth)
                   .arg(kScreenHeight)
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + QFile::encodeName(config));
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kScale));
    QApplication app(argc, argv);
    ScalingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scaling.moc"
