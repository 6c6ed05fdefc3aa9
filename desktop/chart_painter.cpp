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

QFont SizedFont(const QFont& font, double pixelSize, bool bold, bool italic = false) {
    QFont sized(font);
    sized.setPixelSize(std::max(1, static_cast<int>(std::floor(pixelSize))));
    sized.setBold(bold);
    if (italic) sized.setItalic(true);
    return sized;
}

bool IsBold(const std::vector<bool>& bold, qsizetype i) {
    return static_cast<std::size_t>(i) < bold.size() && bold[static_cast<std::size_t>(i)];
}

// The largest pixel size (at most `largest`) at which every line fits the box, one line under the
// other; lines of the same size all the way, so they read as one list. A bold line is measured in
// bold, and a little room is left at the sides, so no line is ever cut at its ends.
double FittingPixelSize(const QFont& font, const QStringList& lines, const std::vector<bool>& bold, const QSizeF& box,
                        double largest, const std::vector<bool>& italic = {}) {
    double size = std::min(largest, box.height() / (1.2 * static_cast<double>(std::max<qsizetype>(lines.size(), 1))));
    const double room = box.width() * 0.96;
    for (int attempt = 0; attempt < 3; ++attempt) {
        double widest = 0;
        for (qsizetype i = 0; i < lines.size(); ++i)
            widest = std::max(
                widest,
                QFontMetricsF(SizedFont(font, size, IsBold(bold, i), IsBold(italic, i))).horizontalAdvance(lines[i]));
        if (widest <= room || widest <= 0) break;
        size *= room / widest;
    }
    return std::max(size, 1.0);
}

// Lines one under the other, centred in the box as a block.
void LayLines(std::vector<ChartText>& out, const QRectF& box, const QStringList& lines, const QFont& font,
              double pixelSize, const std::vector<bool>& bold, Qt::Alignment alignment,
              const std::vector<bool>& italic = {}) {
    const double lineHeight = QFontMetricsF(SizedFont(font, pixelSize, false)).height();
    double y = box.y() + std::max(0.0, (box.height() - lineHeight * static_cast<double>(lines.size())) / 2);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        out.push_back({QRectF(box.x(), y, box.width(), lineHeight), lines[i],
                       SizedFont(font, pixelSize, IsBold(bold, i), IsBold(italic, i)), alignment | Qt::AlignVCenter,
                       false, IsBold(italic, i)});
        y += lineHeight;
    }
}

// What a body's line says: its short name and degrees ("Ka 10°56′", "Me 23°22′ (R)"); shorter where
// its place is too crowded for that (WholeDegrees: "Me 23° R"; NameOnly: "Me").
enum class BodyLine { Full, WholeDegrees, NameOnly };

QString BodyLineText(const reading::ChartBody& body, BodyLine form) {
    const QString name = ShowCoreText(body.shortName);
    const QString degrees = ShowCoreText(body.degreesText);
    switch (form) {
        case BodyLine::Full:
            return name + QLatin1Char(' ') + degrees;
        case BodyLine::WholeDegrees: {
            const qsizetype sign = degrees.indexOf(u'\u00B0');
            if (sign < 0) return name + QLatin1Char(' ') + degrees;
            return name + QLatin1Char(' ') + degrees.left(sign + 1) +
                   (degrees.endsWith(QStringLiteral("(R)")) ? QStringLiteral(" R") : QString());
        }
        case BodyLine::NameOnly:
            return name;
    }
    return name;
}

// The bodies of one place, one line each, the ascendant in bold; in a chart that also holds the
// grahas the upagrahas are italic. A crowded place writes them in columns rather than in type too
// small to read: two, or three where that gives the larger type; each column as long as the
// others, or one line shorter. Where even so the type would fall below a third of the largest the
// place allows, or below kLegiblePixels in a large enough chart, the lines give whole degrees only, and at last the
// short names alone (the table keeps the minutes).
void LayBodies(std::vector<ChartText>& out, const Frame& frame, const ChartModel& model, const ChartPlace& place,
               const QFont& font) {
    if (place.bodies.empty()) return;
    std::vector<bool> bold;
    std::vector<bool> upagraha;
    const bool setApart = std::any_of(model.bodies.begin(), model.bodies.end(), [](const reading::ChartBody& body) {
        return body.kind == reading::BodyKind::Graha;
    });
    for (const std::size_t b : place.bodies) {
        const auto& body = model.bodies[b];
        bold.push_back(body.isAscendant);
        upagraha.push_back(setApart && body.kind == reading::BodyKind::Upagraha);
    }
    const QRectF box = frame.At(place.textBox);
    const double largest = frame.Side() * 0.042;
    // Below a third of the largest type, or below 8 pixels where the chart is large enough for
    // that (from about 330 pixels), a line gives up its minutes, then its degrees: "Me 23°22′ (R)"
    // in a North Indian side triangle of the window's chart once came out at 6 pixels.
    const double floor = std::max(largest / 3, std::min(kLegiblePixels, largest * 0.6));
    // Each column's lines, their boldness, and the pixel size at which all columns fit.
    struct Columns {
        std::vector<QStringList> lines;
        std::vector<std::vector<bool>> bold;
        std::vector<std::vector<bool>> italic;
        double size = 0;
    };
    const auto split = [&](const QStringList& lines, qsizetype count) {
        Columns columns;
        const qsizetype perColumn = (lines.size() + count - 1) / count;
        const QSizeF room(box.width() / static_cast<double>(count), box.height());
        columns.size = largest;
        for (qsizetype start = 0; start < lines.size(); start += perColumn) {
            const qsizetype end = std::min(lines.size(), start + perColumn);
            columns.lines.push_back(lines.mid(start, end - start));
            columns.bold.emplace_back(bold.begin() + start, bold.begin() + end);
            columns.italic.emplace_back(upagraha.begin() + start, upagraha.begin() + end);
            columns.size = std::min(columns.size, FittingPixelSize(font, columns.lines.back(), columns.bold.back(),
                                                                   room, largest, columns.italic.back()));
        }
        return columns;
    };
    Columns columns;
    for (const BodyLine form : {BodyLine::Full, BodyLine::WholeDegrees, BodyLine::NameOnly}) {
        QStringList lines;
        for (const std::size_t b : place.bodies) lines << BodyLineText(model.bodies[b], form);
        columns = split(lines, 1);
        if (lines.size() > 3) {
            columns = split(lines, 2);
            // Three columns only where they give larger type than two.
            if (Columns three = split(lines, 3); three.size > columns.size) columns = std::move(three);
        }
        // The pixel size is cut to whole pixels when drawn.
        if (std::floor(columns.size) >= floor) break;
    }
    const double width = box.width() / static_cast<double>(columns.lines.size());
    for (std::size_t c = 0; c < columns.lines.size(); ++c) {
        const QRectF column(box.x() + width * static_cast<double>(c), box.y(), width, box.height());
        LayLines(out, column, columns.lines[c], font, columns.size, columns.bold[c], Qt::AlignHCenter,
                 columns.italic[c]);
    }
}

// A North Indian chart has no free centre: its name and birth data stand in a band above the square.
constexpr double kCaptionShare = 0.12;

bool HasCaption(const ChartModel& model) {
    return model.style == reading::ChartStyle::NorthIndian && !model.centreLines.empty();
}

// The square the chart is drawn in, and the caption band above it (empty without a caption).
std::pair<QRectF, QRectF> ChartSquareAndCaption(const QRectF& area, const ChartModel& model) {
    const double caption = HasCaption(model) ? std::min(area.width(), area.height()) * kCaptionShare : 0;
    const double side = std::min(area.width(), area.height() - caption) * 0.98;
    if (side <= 0) return {};
    const double top = area.center().y() - (side + caption) / 2;
    return {QRectF(area.center().x() - side / 2, top + caption, side, side),
            QRectF(area.center().x() - side / 2, top, side, caption)};
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
        paper.setColor(group, QPalette::Link, QColor(0x1F, 0x4E, 0x9A));
    }
    return paper;
}

std::vector<ChartText> LayOutChartText(const QRectF& area, const ChartModel& model, const QFont& font) {
    std::vector<ChartText> out;
    const auto [square, captionBand] = ChartSquareAndCaption(area, model);
    if (square.isEmpty()) return out;
    const Frame frame(square);
    const double side = square.width();

    // The sign of each place: its abbreviation (South Indian) or number (North Indian).
    const QFont labelFont = SizedFont(font, side * 0.03, false);
    const double labelSide = side * 0.08;
    const bool south = model.style == reading::ChartStyle::SouthIndian;
    for (const ChartPlace& place : model.places) {
        const QPointF at = frame.At(place.labelAt);
        const QRectF box = south ? QRectF(at.x(), at.y() - labelSide / 2, labelSide, labelSide)
                                 : QRectF(at.x() - labelSide / 2, at.y() - labelSide / 2, labelSide, labelSide);
        out.push_back(
            {box, ShowCoreText(place.label), labelFont, (south ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter});
    }
    for (ChartText& label : out) label.isLabel = true;

    for (const ChartPlace& place : model.places) LayBodies(out, frame, model, place, font);

    if (!model.centreLines.empty()) {
        QStringList lines;
        for (const std::string& line : model.centreLines) lines << ShowCoreText(line);
        QRectF box = frame.At(model.centreBox);
        double largest = side * 0.04;
        if (HasCaption(model)) {
            // Name and birth on the first line, the zone and place on the second.
            const QString separator = QStringLiteral("  \u00B7  ");
            lines = QStringList{lines.mid(0, 2).join(separator), lines.mid(2).join(separator)};
            lines.removeAll(QString());
            box = captionBand;
            largest = captionBand.height() / 2.6;
        }
        std::vector<bool> bold(static_cast<std::size_t>(lines.size()), false);
        bold.front() = true;
        LayLines(out, box, lines, font, FittingPixelSize(font, lines, bold, box.size(), largest), bold,
                 Qt::AlignHCenter);
    }
    return out;
}

void DrawChart(QPainter& painter, const QRectF& area, const ChartModel& model, const QPalette& palette,
               const QFont& font) {
    const QRectF square = ChartSquareAndCaption(area, model).first;
    if (square.isEmpty()) return;
    const double side = square.width();
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

    // The signs' labels in a quieter colour than the bodies and the centre; the upagrahas beside the
    // grahas in their own.
    for (const ChartText& text : LayOutChartText(area, model, font)) {
        painter.setPen(palette.color(text.isLabel      ? QPalette::PlaceholderText
                                     : text.isUpagraha ? QPalette::Link
                                                       : QPalette::Text));
        painter.setFont(text.font);
        painter.drawText(text.box, static_cast<int>(text.alignment), text.text);
    }
    painter.restore();
}

}  // namespace vela::desktop
