#include "desktop/reading_print.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <array>

#include "desktop/chart_painter.h"
#include "desktop/core_text.h"
#include "desktop/file_names.h"
#include "desktop/report_pane.h"
#include "reading/file_output.h"
#include "reading/working.h"
#include "upagraha/upagraha.h"
#include "vela_version.h"

namespace vela::desktop {

namespace {

constexpr qreal kBodyPoints = 10;
constexpr qreal kTitlePoints = 18;
constexpr qreal kFooterPoints = 8;
constexpr qreal kWorkingPoints = 8;
constexpr qreal kMarginMillimetres = 15;
// The exported chart image: a PNG this many pixels square, an SVG of this many units.
constexpr int kChartImagePixels = 1200;
constexpr int kChartSvgUnits = 600;

QString Q(const std::string& text) { return QString::fromStdString(text); }

QFont PrintFont(qreal points, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Writes lines from the top of the box down; answers the height used. A line wider than the box
// (the conventions of a custom profile, every axis spelled out) wraps onto as many as it needs.
qreal DrawTextLines(QPainter& painter, const QRectF& box, const QStringList& lines, const QFont& font) {
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const qreal height = metrics.height();
    qreal y = box.top();
    for (const QString& line : lines) {
        if (metrics.horizontalAdvance(line) <= box.width()) {
            painter.drawText(QRectF(box.left(), y, box.width(), height), Qt::AlignLeft | Qt::AlignVCenter, line);
            y += height;
            continue;
        }
        const QRectF wrapped = metrics.boundingRect(QRectF(box.left(), y, box.width(), box.height()),
                                                    Qt::AlignLeft | Qt::TextWordWrap, line);
        painter.drawText(QRectF(box.left(), y, box.width(), wrapped.height()), Qt::AlignLeft | Qt::TextWordWrap, line);
        y += wrapped.height();
    }
    return y - box.top();
}

// The table, its column names in bold over a rule, one row a line; the type shrinks if the page is
// too narrow for it. Answers the height used.
qreal DrawTable(QPainter& painter, const QRectF& box, const std::vector<reading::TableRow>& rows,
                upagraha::Language language) {
    QFont plain = PrintFont(kBodyPoints);
    QFont bold = PrintFont(kBodyPoints, true);
    std::vector<QStringList> cells;
    QStringList head;
    for (const std::string& column : reading::TableColumns(language)) head << ShowCoreText(column);
    for (const auto& row : rows)
        cells.push_back({ShowCoreText(row.name), ShowCoreText(row.lord), ShowCoreText(row.portionText),
                         ShowCoreText(row.momentText), ShowCoreText(row.longitudeText), ShowCoreText(row.nakshatraText),
                         ShowCoreText(row.houseText)});
    const qsizetype columns = head.size();
    std::vector<qreal> widths(static_cast<std::size_t>(columns), 0);
    const auto measure = [&] {
        const QFontMetricsF boldMetrics(bold, painter.device());
        const QFontMetricsF plainMetrics(plain, painter.device());
        for (qsizetype c = 0; c < columns; ++c) {
            qreal widest = boldMetrics.horizontalAdvance(head[c]);
            for (std::size_t r = 0; r < cells.size(); ++r)
                if (!rows[r].isHeading) widest = std::max(widest, plainMetrics.horizontalAdvance(cells[r][c]));
            widths[static_cast<std::size_t>(c)] = widest;
        }
    };
    measure();
    const qreal gap = QFontMetricsF(plain, painter.device()).horizontalAdvance(QStringLiteral("  "));
    qreal total = gap * static_cast<qreal>(columns - 1);
    for (const qreal w : widths) total += w;
    if (total > box.width()) {
        const qreal scale = box.width() / total;
        plain.setPointSizeF(kBodyPoints * scale);
        bold.setPointSizeF(kBodyPoints * scale);
        measure();
    }
    const qreal lineHeight = QFontMetricsF(plain, painter.device()).height() * 1.35;
    const auto drawRow = [&](const QStringList& row, qreal y, const QFont& font) {
        painter.setFont(font);
        qreal x = box.left();
        for (qsizetype c = 0; c < columns; ++c) {
            painter.drawText(QRectF(x, y, widths[static_cast<std::size_t>(c)] + gap, lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, row[c]);
            x += widths[static_cast<std::size_t>(c)] + gap;
        }
    };
    qreal y = box.top();
    drawRow(head, y, bold);
    y += lineHeight;
    painter.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
    for (std::size_t r = 0; r < cells.size(); ++r) {
        if (rows[r].isHeading) {
            // A group's name across the row, in bold.
            painter.setFont(bold);
            painter.drawText(QRectF(box.left(), y, box.width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             cells[r][0]);
        } else {
            drawRow(cells[r], y, plain);
        }
        y += lineHeight;
    }
    return y - box.top();
}

void DrawFooter(QPainter& painter, const QRectF& page, int number, int count) {
    const QFont font = PrintFont(kFooterPoints);
    painter.setFont(font);
    const qreal height = QFontMetricsF(font, painter.device()).height();
    painter.drawText(
        QRectF(page.left(), page.bottom() - height, page.width(), height), Qt::AlignCenter,
        QCoreApplication::translate("vela::desktop::ReadingPrint", "Page %1 of %2").arg(number).arg(count));
}

qreal FooterHeight(QPaintDevice* device) { return QFontMetricsF(PrintFont(kFooterPoints), device).height() * 2; }

// True when the text is an upagraha's name as the report in the language writes it.
bool IsUpagrahaName(const QString& text, upagraha::Language language) {
    for (int u = 0; u < upagraha::kUpagrahaCount; ++u)
        if (text == ShowCoreText(upagraha::UpagrahaName(u, language))) return true;
    return false;
}

// The page (from 0) on which a point of the laid-out document falls.
int PageAt(const QTextDocument& document, qreal y) { return static_cast<int>(y / document.pageSize().height()); }

// Each upagraha's block of the report (its name down to its interpretation) stays on one page: a
// block that a page would cut starts on the next one. One pass moves the blocks in page order.
void KeepReportBlocksWhole(QTextDocument& document, upagraha::Language language) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!IsUpagrahaName(block.text(), language)) continue;
        // The block ends with its interpretation's text, eight lines on.
        QTextBlock last = block;
        for (int k = 0; k < 8 && last.next().isValid(); ++k) last = last.next();
        const QRectF first = layout->blockBoundingRect(block);
        const QRectF end = layout->blockBoundingRect(last);
        if (PageAt(document, first.top()) == PageAt(document, end.bottom() - 1)) continue;
        QTextCursor cursor(block);
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cursor.setBlockFormat(format);
    }
}

// The name and birth moment at the head of every page after the first.
void DrawRunningHead(QPainter& painter, const QRectF& page, const reading::ResultHeader& header) {
    const QFont font = PrintFont(kFooterPoints);
    painter.setFont(font);
    const qreal height = QFontMetricsF(font, painter.device()).height();
    painter.drawText(QRectF(page.left(), page.top(), page.width(), height), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("%1 \u2014 %2").arg(Q(header.name), Q(header.birth)));
}

QString PrintText(const char* text) { return QCoreApplication::translate("vela::desktop::ReadingPrint", text); }

// The comparison of the profiles on a page of its own: what sets them apart for this birth in
// words, then the grid, upagrahas by rows and profiles by columns, a cell that differs from the
// profile in use in bold and starred (the star shows in grey print too), and the key.
void InsertComparison(QTextCursor& cursor, const reading::ConventionGrid& grid, const QTextCharFormat& heading,
                      upagraha::Language language) {
    const auto title = [language](const upagraha::ConventionProfile& profile) {
        return ShowCoreText(reading::ProfileTitle(profile.title, language));
    };
    const auto message = [language](std::string_view text) { return ShowCoreText(reading::MessageIn(text, language)); };
    QTextBlockFormat newPage;
    newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.insertBlock(newPage);
    cursor.insertText(PrintText("Comparison of profiles"), heading);
    const QTextBlockFormat plainBlock;
    const QTextCharFormat plain;
    for (const std::string& note : grid.notes) {
        cursor.insertBlock(plainBlock);
        cursor.insertText(message(note), plain);
    }
    if (grid.notes.size() == grid.conventionNotes) {
        cursor.insertBlock(plainBlock);
        cursor.insertText(PrintText("Nothing in this birth sets the profiles apart beyond their own conventions: no "
                                    "sunrise or sunset close to the birth, no portion taken from another place, no "
                                    "upagraha near a sign change."),
                          plain);
    }
    cursor.insertBlock(plainBlock);

    const auto columns = static_cast<int>(grid.columns.size());
    QTextTableFormat tableFormat;
    tableFormat.setCellPadding(3);
    tableFormat.setCellSpacing(0);
    tableFormat.setBorder(0.5);
    tableFormat.setHeaderRowCount(1);
    // The names of the upagrahas whole in the first column, the profiles sharing the rest.
    tableFormat.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QList<QTextLength> widths = {QTextLength(QTextLength::PercentageLength, 16)};
    for (int c = 0; c < columns; ++c)
        widths << QTextLength(QTextLength::PercentageLength, 84.0 / static_cast<qreal>(columns));
    tableFormat.setColumnWidthConstraints(widths);
    QTextTable* table =
        cursor.insertTable(static_cast<int>(upagraha::kUpagrahaNames.size()) + 1, columns + 1, tableFormat);
    QTextCharFormat cellText;
    cellText.setFontPointSize(kWorkingPoints);
    QTextCharFormat bold = cellText;
    bold.setFontWeight(QFont::Bold);
    for (int c = 0; c < columns; ++c) {
        const reading::GridColumn& column = grid.columns[static_cast<std::size_t>(c)];
        QString head = title(column.profile);
        if (column.inUse) head += QStringLiteral(" ") + PrintText("(in use)");
        table->cellAt(0, c + 1).firstCursorPosition().insertText(head, bold);
    }
    for (std::size_t u = 0; u < upagraha::kUpagrahaNames.size(); ++u) {
        const int row = static_cast<int>(u) + 1;
        table->cellAt(row, 0).firstCursorPosition().insertText(
            ShowCoreText(upagraha::UpagrahaName(static_cast<int>(u), language)), bold);
        for (int c = 0; c < columns; ++c) {
            const auto at = static_cast<std::size_t>(c);
            QTextCursor cell = table->cellAt(row, c + 1).firstCursorPosition();
            if (!grid.columns[at].upagrahas)
                cell.insertText(PrintText("refused"), cellText);
            else if (grid.Differs(u, at))
                cell.insertText(
                    ShowCoreText(upagraha::PositionTextIn(grid.CellText(u, at), language)) + QStringLiteral(" *"),
                    bold);
            else
                cell.insertText(ShowCoreText(upagraha::PositionTextIn(grid.CellText(u, at), language)), cellText);
        }
    }
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock(plainBlock);
    cursor.insertText(
        PrintText("* differs from the profile in use (%1).").arg(title(grid.columns[grid.inUseColumn].profile)), plain);
    for (const reading::GridColumn& column : grid.columns) {
        if (column.upagrahas) continue;
        cursor.insertBlock(plainBlock);
        cursor.insertText(QStringLiteral("%1: %2").arg(title(column.profile), message(column.message)), plain);
    }
}

// The report and the working, laid out for the pages after the first.
void FillFollowingPages(QTextDocument& document, const PrintedReading& reading) {
    document.setDefaultFont(PrintFont(kBodyPoints));
    QTextCursor cursor(&document);
    QTextCharFormat heading;
    heading.setFontPointSize(14);
    heading.setFontWeight(QFont::Bold);
    cursor.insertText(QCoreApplication::translate("vela::desktop::ReadingPrint", "Report") + QLatin1Char('\n'),
                      heading);
    InsertReport(cursor, reading.report, reading.sky ? &*reading.sky : nullptr, reading.language);

    // The working starts a page of its own, in type whose columns line up.
    QTextBlockFormat newPage;
    newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.insertBlock(newPage);
    cursor.insertText(QCoreApplication::translate("vela::desktop::ReadingPrint", "Working"), heading);
    QTextCharFormat fixed;
    fixed.setFontFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("monospace")});
    fixed.setFontStyleHint(QFont::Monospace);
    fixed.setFontFixedPitch(true);
    fixed.setFontPointSize(kWorkingPoints);
    QTextBlockFormat plainBlock;
    for (const QString& line : ShowCoreText(reading.workingText).split(QLatin1Char('\n'))) {
        cursor.insertBlock(plainBlock);
        cursor.insertText(line, fixed);
    }
    if (reading.comparison) InsertComparison(cursor, *reading.comparison, heading, reading.language);
}

}  // namespace

std::vector<std::string> ChartCentreLines(const reading::ResultHeader& header, const reading::Reading& s) {
    std::vector<std::string> lines = {header.name};
    const std::string& birth = header.birth;
    // "15 June 1975, 10:30, Indian Time +05:30": the date and time on one line, the zone on the next.
    const auto second = birth.find(", ", birth.find(", ") + 2);
    if (second == std::string::npos) {
        lines.push_back(birth);
    } else {
        lines.push_back(birth.substr(0, second));
        // A zone name longer than the date line ("Eastern Standard Time -05:00") is written as its
        // offset alone, so the centre keeps a readable size.
        std::string zone = birth.substr(second + 2);
        if (zone.size() > second && zone.rfind(' ') != std::string::npos) zone = zone.substr(zone.rfind(' ') + 1);
        lines.push_back(zone);
    }
    std::string place = s.city;
    if (!s.country.empty()) place += (place.empty() ? "" : ", ") + s.country;
    lines.push_back(place);
    return lines;
}

PrintedReading BuildPrintedReading(const reading::BirthForm& form, const reading::Reading& s,
                                   const upagraha::Upagrahas& u, const upagraha::Report& report,
                                   reading::ChartStyle style, upagraha::Language language, bool farNorth) {
    PrintedReading reading;
    reading.farNorth = farNorth;
    reading.language = language;
    reading.header = reading::BuildHeader(s, u, language);
    reading.title = QStringLiteral("%1 \u2014 %2").arg(Q(s.name), QString::fromUtf8(kAppTitle));
    reading.chart = reading::BuildChartModel(style, s, u, ChartCentreLines(reading.header, s), language);
    reading.table = reading::BuildTable(s, u, language);
    const auto navamsa = reading::PlaceReadingInVarga(s, u, 9);
    reading.navamsaChart =
        reading::BuildChartModel(style, navamsa.reading, navamsa.upagrahas,
                                 {std::string(upagraha::VargaName(upagraha::kNavamsa, language))}, language);
    reading.vargas = reading::BuildVargaTable(s, u, s.sky.has_value());
    reading.report = report;
    reading.sky = s.sky;
    reading.workingText = reading::WorkingText(s, u, reading::FindBirthTimeSensitivity(form, s.profile), {}, language);
    return reading;
}

QPageSize LocalePageSize(const QLocale& locale) {
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

void PaintFirstPage(QPainter& painter, const QRectF& page, const PrintedReading& reading, const QFont& font) {
    painter.save();
    painter.setPen(Qt::black);
    const auto& h = reading.header;
    qreal y = page.top();
    y += DrawTextLines(painter, QRectF(page.left(), y, page.width(), page.height()), {Q(h.name)},
                       PrintFont(kTitlePoints, true));
    QStringList lines = {ShowCoreText(h.birth), ShowCoreText(h.place), ShowCoreText(h.ascendantText),
                         ShowCoreText(h.dayNight), ShowCoreText(h.profile)};
    if (!h.janmaRasi.empty())
        lines << ShowCoreText(h.janmaRasi) + QStringLiteral("; ") + ShowCoreText(h.janmaNakshatra);
    y += DrawTextLines(painter, QRectF(page.left(), y, page.width(), page.height()), lines, PrintFont(kBodyPoints));
    if (reading.farNorth) {
        // The far-North warning, in italic as on the screen, wrapped to the page's width.
        QFont italic = PrintFont(kBodyPoints);
        italic.setItalic(true);
        painter.setFont(italic);
        const QString warning = ShowCoreText(reading::MessageIn(reading::kFarNorthWarning, reading.language));
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        const QRectF needed = painter.boundingRect(QRectF(page.left(), y, page.width(), page.height()), flags, warning);
        painter.drawText(QRectF(page.left(), y, page.width(), needed.height()), flags, warning);
        y += needed.height();
    }
    const qreal lineHeight = QFontMetricsF(PrintFont(kBodyPoints), painter.device()).height();
    y += lineHeight;

    // The table takes what it needs at the bottom; the chart the square that fits above it.
    const qreal tableHeight = lineHeight * 1.35 * static_cast<qreal>(reading.table.size() + 1) + lineHeight;
    const qreal side = std::max<qreal>(0, std::min(page.width() * 0.8, page.bottom() - y - tableHeight - lineHeight));
    const QRectF chartBox(page.center().x() - side / 2, y, side, side);
    DrawChart(painter, chartBox, reading.chart, PaperPalette(), font);
    y += side + lineHeight;
    painter.setPen(Qt::black);
    DrawTable(painter, QRectF(page.left(), y, page.width(), page.bottom() - y), reading.table, reading.language);
    painter.restore();
}

namespace {

// The second page: the rasi and the navamsa side by side over the table of the sixteen vargas.
void PaintVargaPage(QPainter& painter, const QRectF& page, const PrintedReading& reading, const QFont& font) {
    if (!reading.vargas || !reading.navamsaChart) return;
    const upagraha::Language language = reading.language;
    painter.save();
    painter.setPen(Qt::black);
    qreal y = page.top();
    y += DrawTextLines(painter, QRectF(page.left(), y, page.width(), page.height()),
                       {ShowCoreText(reading::VargaHeading(language))}, PrintFont(kTitlePoints, true));
    y +=
        DrawTextLines(painter, QRectF(page.left(), y, page.width(), page.height()),
                      {ShowCoreText(reading::VargaRulesText(reading.vargas->rules, language))}, PrintFont(kBodyPoints));
    const QFont small = PrintFont(kWorkingPoints);
    const qreal line = QFontMetricsF(small, painter.device()).height() * 1.3;
    const auto rows = static_cast<qreal>(reading.vargas->rows.size() + 1);
    // The two charts side by side above the table, each with its varga's name over it.
    const qreal gap = page.width() * 0.04;
    const qreal side = std::max<qreal>(0, std::min((page.width() - gap) / 2, page.bottom() - y - line * (rows + 3)));
    const std::array<const reading::ChartModel*, 2> charts = {&reading.chart, &*reading.navamsaChart};
    for (std::size_t c = 0; c < charts.size(); ++c) {
        const std::size_t varga = c == 0 ? 0 : upagraha::kNavamsa;
        const qreal left = page.left() + static_cast<qreal>(c) * (side + gap);
        painter.setFont(PrintFont(kBodyPoints, true));
        painter.drawText(QRectF(left, y, side, line), Qt::AlignCenter,
                         QStringLiteral("D%1 %2")
                             .arg(upagraha::kVargaDivisions[varga])
                             .arg(ShowCoreText(upagraha::VargaName(varga, language))));
        DrawChart(painter, QRectF(left, y + line, side, side), *charts[c], PaperPalette(), font);
    }
    y += side + line * 2;
    // The table: each point's sign in each varga, a star after a vargottama point.
    painter.setPen(Qt::black);
    const qreal nameWidth = page.width() * 0.16;
    const qreal cell = (page.width() - nameWidth) / static_cast<qreal>(upagraha::kVargaCount);
    QFont bold = small;
    bold.setBold(true);
    painter.setFont(bold);
    for (std::size_t v = 0; v < upagraha::kVargaCount; ++v)
        painter.drawText(QRectF(page.left() + nameWidth + static_cast<qreal>(v) * cell, y, cell, line), Qt::AlignCenter,
                         QStringLiteral("D%1").arg(upagraha::kVargaDivisions[v]));
    y += line;
    for (const reading::VargaRow& row : reading.vargas->rows) {
        QString name = ShowCoreText(reading::VargaPointName(row, language));
        if (row.vargottama) name += QStringLiteral(" *");
        painter.setFont(bold);
        painter.drawText(QRectF(page.left(), y, nameWidth, line), Qt::AlignLeft | Qt::AlignVCenter, name);
        painter.setFont(small);
        for (std::size_t v = 0; v < upagraha::kVargaCount; ++v)
            painter.drawText(QRectF(page.left() + nameWidth + static_cast<qreal>(v) * cell, y, cell, line),
                             Qt::AlignCenter, ShowCoreText(upagraha::SignAbbreviation(row.places[v].sign, language)));
        painter.drawLine(QPointF(page.left(), y + line), QPointF(page.right(), y + line));
        y += line;
    }
    DrawTextLines(painter, QRectF(page.left(), y + line / 2, page.width(), page.bottom() - y),
                  {ShowCoreText(reading::VargottamaNote(language))}, small);
    painter.restore();
}

}  // namespace

bool PaintReading(QPagedPaintDevice& device, const PrintedReading& reading) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRectF area(0, 0, device.width(), device.height());
    const qreal footer = FooterHeight(&device);
    const QRectF content(area.left(), area.top(), area.width(), area.height() - footer);

    // The pages after the first carry the name and birth moment above their text.
    const qreal head = footer;
    const QSizeF text(content.width(), content.height() - head);
    QTextDocument following;
    following.documentLayout()->setPaintDevice(&device);
    following.setPageSize(text);
    following.setDocumentMargin(0);
    FillFollowingPages(following, reading);
    KeepReportBlocksWhole(following, reading.language);
    const int vargaPages = reading.vargas && reading.navamsaChart ? 1 : 0;
    const int count = 1 + vargaPages + following.pageCount();

    PaintFirstPage(painter, content, reading, PrintFont(kBodyPoints));
    DrawFooter(painter, area, 1, count);
    if (vargaPages > 0) {
        if (!device.newPage()) return false;
        DrawRunningHead(painter, area, reading.header);
        PaintVargaPage(painter, QRectF(content.left(), content.top() + head, content.width(), content.height() - head),
                       reading, PrintFont(kBodyPoints));
        DrawFooter(painter, area, 2, count);
    }
    for (int page = 0; page < following.pageCount(); ++page) {
        if (!device.newPage()) return false;
        DrawRunningHead(painter, area, reading.header);
        painter.save();
        painter.translate(0, head - page * text.height());
        // drawContents draws every line that touches its rectangle: one unit less keeps the first
        // line of the next page, which starts right at the page's end, off this one.
        following.drawContents(&painter, QRectF(0, page * text.height(), text.width(), text.height() - 1));
        painter.restore();
        DrawFooter(painter, area, page + 2 + vargaPages, count);
    }
    return painter.end();
}

namespace {

// Hands the rendered bytes to the one routine that writes files (reading/file_output.h).
bool WriteRendered(const QString& path, const QByteArray& bytes, QString* why) {
    const auto problem = reading::WriteOutputFile(
        NativeFileName(path), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!problem) return true;
    if (why != nullptr)
        *why = problem->written ? QStringLiteral("%1 was written, but the disk did not confirm it: %2.")
                                      .arg(PrintableFileName(path), QString::fromStdString(problem->reason))
                                : QString::fromStdString(problem->reason);
    return false;
}

bool Fail(QString* why, const QString& reason) {
    if (why != nullptr) *why = reason;
    return false;
}

}  // namespace

bool WritePdf(const QString& path, const PrintedReading& reading, QString* why) {
    // Drawn into memory first: the file is written whole or not at all, and an earlier file of
    // that name stays until the new one is done.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(reading.title);
        writer.setCreator(QString::fromUtf8(kWindowCaption));
        writer.setPageLayout(
            QPageLayout(LocalePageSize(QLocale()), QPageLayout::Portrait,
                        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                        QPageLayout::Millimeter));
        if (!PaintReading(writer, reading)) return Fail(why, QStringLiteral("The pages could not be drawn."));
    }
    return WriteRendered(path, bytes, why);
}

ImageFormat ImageFormatOf(const QString& path) {
    return path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive) ? ImageFormat::Svg : ImageFormat::Png;
}

bool WriteChartImage(const QString& path, const reading::ChartModel& chart, ImageFormat format, QString* why) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QFont font = PrintFont(kBodyPoints);
    if (format == ImageFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(kChartSvgUnits, kChartSvgUnits));
        svg.setViewBox(QRect(0, 0, kChartSvgUnits, kChartSvgUnits));
        svg.setTitle(QString::fromUtf8(kAppTitle));
        QPainter painter;
        if (!painter.begin(&svg)) return Fail(why, QStringLiteral("The chart could not be drawn."));
        DrawChart(painter, QRectF(0, 0, kChartSvgUnits, kChartSvgUnits), chart, PaperPalette(), font);
        if (!painter.end()) return Fail(why, QStringLiteral("The chart could not be drawn."));
    } else {
        QImage image(kChartImagePixels, kChartImagePixels, QImage::Format_ARGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            DrawChart(painter, QRectF(image.rect()), chart, PaperPalette(), font);
        }
        if (!image.save(&buffer, "PNG")) return Fail(why, QStringLiteral("The chart could not be drawn."));
    }
    buffer.close();
    return WriteRendered(path, bytes, why);
}

QString PdfFailedText() {
    return QCoreApplication::translate("vela::desktop::ReadingPrint", "The PDF could not be written:");
}

QString ImageFailedText() {
    return QCoreApplication::translate("vela::desktop::ReadingPrint", "The chart image could not be written:");
}

}  // namespace vela::desktop
