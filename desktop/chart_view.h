// The Chart tab: the reading's chart drawn to fit the tab, in the style the user chose.
#pragma once

#include <QWidget>

#include <optional>

#include "reading/chart_model.h"

namespace vela::desktop {

class ChartView : public QWidget {
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent = nullptr);

    // The chart shown; nothing before the first reading.
    void SetModel(std::optional<reading::ChartModel> model);
    const std::optional<reading::ChartModel>& Model() const { return model; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<reading::ChartModel> model;
};

}  // namespace vela::desktop
