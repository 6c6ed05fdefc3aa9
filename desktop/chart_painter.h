// The one routine that draws a chart, on the screen, on paper and into an image file.
//
// It draws the chart model (reading/chart_model) into the largest square that fits the area given,
// in the painter's own units, so the same drawing is crisp at any size or scaling. Every colour comes
// from the palette passed in: the window's, which a dark theme makes light on dark, or PaperPalette
// for printing and images.
#pragma once

#include <QFont>
#include <QPalette>
#include <QRectF>

#include "reading/chart_model.h"

class QPainter;

namespace vela::desktop {

void DrawChart(QPainter& painter, const QRectF& area, const reading::ChartModel& model, const QPalette& palette,
               const QFont& font);

// Black ink on white paper, whatever the screen's theme.
QPalette PaperPalette();

}  // namespace vela::desktop
