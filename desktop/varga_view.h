// The Vargas tab: the rasi chart and one varga's chart side by side (the navamsa until the user
// chooses another), in the chart style of the Chart tab, over the table of every point's sign in
// each of the sixteen vargas with the vargottama points marked.
//
// Flow of a reading: ... -> result view -> here, from the reading on screen (reading/varga_points
// places the points; reading/chart_model lays out both charts).
#pragma once

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

#include "reading/chart_model.h"
#include "reading/varga_points.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace vela::desktop {

class ChartView;

class VargaView : public QWidget {
    Q_OBJECT

public:
    explicit VargaView(QWidget* parent = nullptr);

    // Draws the reading's charts and fills the table, in the style and language given.
    void ShowReading(const reading::Reading& s, const upagraha::Upagrahas& u, reading::ChartStyle style,
                     std::vector<std::string> centreLines, upagraha::Language language);

    // The varga beside the rasi (9 until another is chosen), and choosing one.
    int Division() const;
    void SetDivision(int division);

    const std::optional<reading::ChartModel>& RasiChart() const;
    const std::optional<reading::ChartModel>& VargaChart() const;
    const std::optional<reading::VargaTable>& Table() const { return table; }
    QTableWidget* TableWidget() const { return tableWidget; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void Redraw();
    void Retranslate();

    QComboBox* vargaCombo = nullptr;
    QLabel* rasiCaption = nullptr;
    QLabel* vargaCaption = nullptr;
    ChartView* rasiView = nullptr;
    ChartView* vargaView = nullptr;
    QTableWidget* tableWidget = nullptr;

    // The reading drawn, kept to redraw when another varga is chosen.
    std::optional<reading::Reading> shownReading;
    upagraha::Upagrahas shownUpagrahas;
    reading::ChartStyle style = reading::ChartStyle::SouthIndian;
    std::vector<std::string> centreLines;
    upagraha::Language language = upagraha::Language::English;
    std::optional<reading::VargaTable> table;
};

}  // namespace vela::desktop
