// The result view: the reading just calculated, as astrologers read it. A header above five tabs:
// the report (the core's runs of text in the report pane), the chart (in the style chosen beside
// the tabs), the table with Copy Table (with the point of the portion each upagraha is taken at),
// the working behind the figures, the comparison of the upagrahas under every profile, and the
// vargas (the rasi chart beside a chosen varga's, over the table of the sixteen).
//
// It stands at the end of the flow: the main window hands it what the core returned for the
// form's snapshot, and it draws that. The working is asked of the core only when its tab is
// first shown for a reading: the birth-time search behind it runs the whole reading a few
// thousand times.
#pragma once

#include <QGroupBox>

#include <optional>

#include "reading/birth_data.h"
#include "reading/birth_form.h"
#include "reading/chart_model.h"
#include "reading/convention_grid.h"
#include "ui_result_view.h"
#include "upagraha/upagraha.h"
#include "upagraha/upagraha_report.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace vela::desktop {

class VargaView;

class ResultView : public QGroupBox, private Ui::ResultView {
    Q_OBJECT

public:
    explicit ResultView(QWidget* parent = nullptr);

    // What the view shows: the reading with the form it came from, its upagrahas and report.
    struct ReadingOnScreen {
        reading::Reading reading;
        reading::BirthForm form;
        upagraha::Upagrahas upagrahas;
        upagraha::Report report;
        // At 60 degrees of latitude or more under the original's formulas: the header says so.
        bool farNorth = false;
        bool workingWritten = false;
    };
    void ShowReading(ReadingOnScreen shown);
    // Nothing before the first reading.
    const std::optional<ReadingOnScreen>& OnScreen() const { return onScreen; }
    // The chart drawn; nothing before the first reading.
    const std::optional<reading::ChartModel>& Chart() const;
    // The reading on screen under every preset and the profile in use, worked out with each
    // reading; nothing before the first.
    const std::optional<reading::ConventionGrid>& Comparison() const { return comparison; }

    // The Vargas tab: the rasi and the chosen varga side by side, and the varga table.
    VargaView* Vargas() const { return vargaTab; }

    // The chart style, set without a signal (the remembered one at start-up).
    void SetChartStyle(reading::ChartStyle style);
    reading::ChartStyle ChartStyle() const { return chartStyle; }

    // The focus on the tab in front: its text or table, or the tabs themselves for the chart.
    void FocusTabInFront();

Q_SIGNALS:
    // The user chose another chart style beside the tabs.
    void ChartStyleChosen(reading::ChartStyle style);
    void SaveAsked();
    void BackAsked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A new catalogue (the Language menu): the tabs and buttons are set again, and the reading on
    // screen is written again in the language.
    void changeEvent(QEvent* event) override;

private:
    void TabChanged();
    // The least height of the scrolling panel: the tabs' least.
    void KeepTabsInView();
    void ChartStyleChanged();
    void CopyTable();
    // The header, chart and table of the reading on screen.
    void FillViews();
    // The table's column names (the point's among them) and the Compare tab's title in the
    // language of the user interface.
    void SetTableHeadings();
    void WriteWorking();
    void FillComparison();

    QComboBox* chartStyleCombo = nullptr;  // beside the tabs while the Chart tab is in front
    reading::ChartStyle chartStyle = reading::ChartStyle::SouthIndian;
    std::optional<ReadingOnScreen> onScreen;
    std::optional<reading::ConventionGrid> comparison;
    // The Compare tab: the notes in words above the grid, the key below it.
    QWidget* compareTab = nullptr;
    QLabel* compareNotes = nullptr;
    QTableWidget* compareTable = nullptr;
    QLabel* compareKey = nullptr;
    VargaView* vargaTab = nullptr;
};

}  // namespace vela::desktop
