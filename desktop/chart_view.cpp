#include "desktop/chart_view.h"

#include <QPainter>

#include "desktop/chart_painter.h"

namespace vela::desktop {

namespace {

// Big enough to read the short names of a crowded sign; the tab gives it more when it can.
constexpr int kSmallestSide = 150;
constexpr int kPreferredSide = 340;

}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ChartView::SetModel(std::optional<reading::ChartModel> chart) {
    model = std::move(chart);
    update();
}

QSize ChartView::sizeHint() const { return {kPreferredSide, kPreferredSide}; }

QSize ChartView::minimumSizeHint() const { return {kSmallestSide, kSmallestSide}; }

void ChartView::paintEvent(QPaintEvent*) {
    if (!model) return;
    QPainter painter(this);
    DrawChart(painter, QRectF(rect()), *model, palette(), font());
}

}  // namespace vela::desktop
