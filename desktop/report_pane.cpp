#include "desktop/report_pane.h"

#include <QScrollBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextTable>

#include "desktop/core_text.h"
#include "reading/reading_language.h"

namespace vela::desktop {

namespace {

constexpr int kSkyColumns = 6;  // name, sign, degrees, nakshatra, pada, house

// The grahas' section as a table without rules: a group's heading across the row, then one row a
// point; the degrees right-aligned, "R" after a retrograde graha's.
void InsertSkyTable(QTextCursor& cursor, const reading::SkyAround& sky, upagraha::Language language,
                    const QTextCharFormat& format) {
    const std::vector<reading::SkyAroundRow> rows = reading::SkyAroundRows(sky, language);
    QTextTableFormat tableFormat;
    tableFormat.setBorder(0);
    tableFormat.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    tableFormat.setCellPadding(0);
    tableFormat.setCellSpacing(0);
    tableFormat.setLeftMargin(12);
    QTextTable* table = cursor.insertTable(static_cast<int>(rows.size()), kSkyColumns, tableFormat);
    const QString retrograde = QLatin1Char(' ') + ShowCoreText(reading::Say("R", language));
    const QString pada = ShowCoreText(upagraha::ReportLabelText(upagraha::ReportLabel::Pada, language));
    const QString house = ShowCoreText(reading::Say("house", language));
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    QTextBlockFormat left;
    left.setAlignment(Qt::AlignLeft);
    const auto put = [&](int row, int column, const QString& text, const QTextBlockFormat& block) {
        QTextCursor cell = table->cellAt(row, column).firstCursorPosition();
        cell.setBlockFormat(block);
        cell.insertText(text, format);
    };
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const reading::SkyAroundRow& row = rows[static_cast<std::size_t>(r)];
        if (row.heading) {
            table->mergeCells(r, 0, 1, kSkyColumns);
            put(r, 0, ShowCoreText(row.name), left);
            continue;
        }
        // A little room after each column but the last.
        const QString gap = QStringLiteral("\u2003");
        put(r, 0, ShowCoreText(row.name) + gap, left);
        put(r, 1, ShowCoreText(row.sign) + gap, left);
        put(r, 2, ShowCoreText(row.degrees) + (row.retrograde ? retrograde : QString()) + gap, right);
        put(r, 3, ShowCoreText(row.nakshatra) + gap, left);
        put(r, 4, pada + QLatin1Char(' ') + QString::number(row.pada) + gap, left);
        put(r, 5, house + QLatin1Char(' ') + QString::number(row.house), left);
    }
    cursor = table->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
}

}  // namespace

void PrepareReportPane(QTextEdit& pane) {
    pane.setReadOnly(true);
    pane.setTextInteractionFlags(Qt::NoTextInteraction);
    pane.setContextMenuPolicy(Qt::NoContextMenu);
    pane.setUndoRedoEnabled(false);
}

void InsertReport(QTextCursor& cursor, const upagraha::Report& report, const reading::SkyAround* sky,
                  upagraha::Language language) {
    // The grahas' section, when the report ends with it, is its last run.
    std::size_t skyRun = report.runs.size();
    if (sky != nullptr && skyRun > 0 && report.Text(report.runs[skyRun - 1]) == reading::SkyAroundText(*sky, language))
        skyRun -= 1;
    for (std::size_t r = 0; r < report.runs.size(); ++r) {
        const upagraha::ReportRun& run = report.runs[r];
        QTextCharFormat format;
        format.setFontPointSize(run.pointSize);
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        if (r == skyRun) {
            InsertSkyTable(cursor, *sky, language, format);
            continue;
        }
        // A "\n" in the run becomes a paragraph break, so each report line is its own paragraph.
        const std::string_view text = report.Text(run);
        cursor.insertText(ShowCoreText(text), format);
    }
}

void WriteReport(QTextEdit& pane, const upagraha::Report& report, const reading::SkyAround* sky,
                 upagraha::Language language) {
    pane.clear();
    QTextCursor cursor(pane.document());
    cursor.beginEditBlock();
    InsertReport(cursor, report, sky, language);
    cursor.endEditBlock();
    pane.moveCursor(QTextCursor::Start);
    pane.verticalScrollBar()->setValue(pane.verticalScrollBar()->minimum());
}

}  // namespace vela::desktop
