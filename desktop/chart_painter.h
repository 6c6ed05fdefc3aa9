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
#include <QString>

#include <vector>

#include "reading/chart_model.h"

class QPainter;

namespace vela::desktop {

// The smallest type a body's line keeps its degrees and minutes in, in the device's pixels.
inline constexpr double kLegiblePixels = 8;

// One text of the chart: where it stands, in which font, and how it sits in its box.
struct ChartText {
    QRectF box;
    QString text;
    QFont font;
    Qt::Alignment alignment;
    bool isLabel = false;  // a sign's label, drawn in a quieter colour
    // An upagraha in a chart that also holds the grahas: italic (in its font) and in the palette's
    // link colour, so that the grahas, plain in the text colour, stand apart from it.
    bool isUpagraha = false;
};

// Every text of the chart in the area: each fits its box whole, in the font it is drawn with (bold
// lines measured bold). The name and birth data stand in the centre of a South Indian chart and in
// a band above a North Indian one.
std::vector<ChartText> LayOutChartText(const QRectF& area, const reading::ChartModel& model, const QFont& font);

void DrawChart(QPainter& painter, const QRectF& area, const reading::ChartModel& model, const QPalette& palette,
               const QFont& font);

// Black ink on white paper, whatever the screen's theme; the upagraha's colour a dark blue.
QPalette PaperPalette();

}  // namespace vela::desktop
