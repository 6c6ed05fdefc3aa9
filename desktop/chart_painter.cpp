#include "desktop/chart_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <vector>

#include "desktop/core_text.h"

namespace vela::desktop {

namespace {

using reading::ChartBox;
using reading::ChartModel;
using reading::ChartPlace;
using reading::ChartPoint;

// The unit square of the model laid on the chart's square.
class Frame {
public:
    explicit Frame(const QRectF& chartSquare) : square(chartSquare) {}
    QPointF At(const ChartPoint& p) const { return {square.x() + p.x * Side(), square.y() + p.y * Side()}; }
    QRectF At(const ChartBox& b) const {
        return {At(ChartPoint{b.x, b.y}), QSizeF(b.width * Side(), b.height * Side())};
    }
    QPolygonF At(const std::vector<ChartPoint>& outline) const {
        QPolygonF polygon;
        for (const ChartPoint& p : outline) polygon << At(p);
        return polygon;
    }
    double Side() const { return square.width(); }

private:
    QRectF square;
};

// The largest pixel size (at most `largest`) at which every line fits the box, one line under the
// other; lines of the same size all the way, so they read as one list.
double FittingPixelSize(const QFont& font, const QStringList& lines, const QSizeF& box, double largest) {
    double size = std::min(largest, box.height() / (1.2 * static_cast<double>(std::max<qsizetype>(lines.size(), 1))));
    QFont probe(font);
    probe.setPixelSize(std::max(1, static_cast<int>(std::floor(size))));
    const QFontMetricsF metrics(probe);
    double widest = 0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    if (widest > box.width() && widest > 0) size *= box.width() / widest;
    return std::max(size, 1.0);
}

void DrawLines(QPainter& painter, const QRectF& box, const QStringList& lines, const QFont& font, double pixelSize,
               const std::vector<bool>& bold, Qt::Alignment alignment) {
    QFont lineFont(font);
    lineFont.setPixelSize(std::max(1, static_cast<int>(std::floor(pixelSize))));
    const double lineHeight = QFontMetricsF(lineFont).height();
    double y = box.y() + std::max(0.0, (box.height() - lineHeight * static_cast<double>(lines.size())) / 2);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        lineFont.setBold(static_cast<std::size_t>(i) < bold.size() && bold[static_cast<std::size_t>(i)]);
        painter.setFont(lineFont);
        painter.drawText(QRectF(box.x(), y, box.width(), lineHeight), static_cast<int>(alignment | Qt::AlignVCenter),
                         lines[i]);
        y += lineHeight;
    }
}

// The bodies of one place, one line each ("Ka 10°56′"), the ascendant in bold. A crowded place
// writes them in two columns rather than in type too small to read.
void DrawBodies(QPainter& painter, const Frame& frame, const ChartModel& model, const ChartPlace& place,
                const QFont& font) {
    if (place.bodies.empty()) return;
    QStringList lines;
    std::vector<bool> bold;
    for (const std::size_t b : place.bodies) {
        const auto& body = model.bodies[b];
        lines << ShowCoreText(body.shortName) + QLatin1Char(' ') + ShowCoreText(body.degreesText);
        bold.push_back(body.isAscendant);
    }
    const QRectF box = frame.At(place.textBox);
    const double largest = frame.Side() * 0.042;
    const qsizetype split = lines.size() > 3 ? (lines.size() + 1) / 2 : lines.size();
    if (split == lines.size()) {
        DrawLines(painter, box, lines, font, FittingPixelSize(font, lines, box.size(), largest), bold,
                  Qt::AlignHCenter);
        return;
    }
    const QRectF left(box.x(), box.y(), box.width() / 2, box.height());
    const QRectF right(box.center().x(), box.y(), box.width() / 2, box.height());
    const QStringList first = lines.mid(0, split);
    const QStringList second = lines.mid(split);
    const double size = std::min(FittingPixelSize(font, first, left.size(), largest),
                                 FittingPixelSize(font, second, right.size(), largest));
    DrawLines(painter, left, first, font, size, {bold.begin(), bold.begin() + split}, Qt::AlignHCenter);
    DrawLines(painter, right, second, font, size, {bold.begin() + split, bold.end()}, Qt::AlignHCenter);
}

}  // namespace

QPalette PaperPalette() {
    QPalette paper;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        paper.setColor(group, QPalette::Base, Qt::white);
        paper.setColor(group, QPalette::Window, Qt::white);
        paper.setColor(group, QPalette::Text, Qt::black);
        paper.setColor(group, QPalette::WindowText, Qt::black);
        paper.setColor(group, QPalette::PlaceholderText, QColor(0x60, 0x60, 0x60));
        paper.setColor(group, QPalette::Highlight, QColor(0xF0, 0xB4, 0x29));
    }
    return paper;
}

void DrawChart(QPainter& painter, const QRectF& area, const ChartModel& model, const QPalette& palette,
               const QFont& font) {
    const double side = std::min(area.width(), area.height()) * 0.98;
    if (side <= 0) return;
    const QRectF square(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    const Frame frame(square);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    painter.fillRect(square, palette.color(QPalette::Base));
    // The ascendant's place, tinted with the highlight colour.
    QColor tint = palette.color(QPalette::Highlight);
    tint.setAlphaF(0.25f);
    for (const ChartPlace& place : model.places) {
        if (!place.isAscendant) continue;
        QPainterPath path;
        path.addPolygon(frame.At(place.outline));
        path.closeSubpath();
        painter.fillPath(path, tint);
    }

    QPen pen(palette.color(QPalette::Text));
    pen.setWidthF(std::max(1.0, side / 300));
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const ChartPlace& place : model.places) painter.drawPolygon(frame.At(place.outline));
    painter.drawRect(square);

    // The sign of each place: its abbreviation (South Indian) or number (North Indian).
    QFont labelFont(font);
    labelFont.setPixelSize(std::max(1, static_cast<int>(side * 0.03)));
    painter.setFont(labelFont);
    painter.setPen(palette.color(QPalette::PlaceholderText));
    const double labelSide = side * 0.08;
    for (const ChartPlace& place : model.places) {
        const QPointF at = frame.At(place.labelAt);
        const bool south = model.style == reading::ChartStyle::SouthIndian;
        const QRectF box = south ? QRectF(at.x(), at.y() - labelSide / 2, labelSide, labelSide)
                                 : QRectF(at.x() - labelSide / 2, at.y() - labelSide / 2, labelSide, labelSide);
        painter.drawText(box, static_cast<int>((south ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter),
                         ShowCoreText(place.label));
    }

    painter.setPen(palette.color(QPalette::Text));
    for (const ChartPlace& place : model.places) DrawBodies(painter, frame, model, place, font);

    if (!model.centreLines.empty()) {
        QStringList lines;
        for (const std::string& line : model.centreLines) lines << ShowCoreText(line);
        const QRectF box = frame.At(model.centreBox);
        std::vector<bool> bold(static_cast<std::size_t>(lines.size()), false);
        bold.front() = true;
        DrawLines(painter, box, lines, font, FittingPixelSize(font, lines, box.size(), side * 0.04), bold,
                  Qt::AlignHCenter);
    }
    painter.restore();
}

}  // namespace vela::desktop
