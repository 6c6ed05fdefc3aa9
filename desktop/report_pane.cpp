#include "desktop/report_pane.h"

#include <QScrollBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

#include "desktop/core_text.h"

namespace vela::desktop {

void PrepareReportPane(QTextEdit& pane) {
    pane.setReadOnly(true);
    pane.setTextInteractionFlags(Qt::NoTextInteraction);
    pane.setContextMenuPolicy(Qt::NoContextMenu);
    pane.setUndoRedoEnabled(false);
}

void InsertReport(QTextCursor& cursor, const upagraha::Report& report) {
    for (const upagraha::ReportRun& run : report.runs) {
        QTextCharFormat format;
        format.setFontPointSize(run.pointSize);
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        // A "\n" in the run becomes a paragraph break, so each report line is its own paragraph.
        const std::string_view text = report.Text(run);
        cursor.insertText(ShowCoreText(text), format);
    }
}

void WriteReport(QTextEdit& pane, const upagraha::Report& report) {
    pane.clear();
    QTextCursor cursor(pane.document());
    cursor.beginEditBlock();
    InsertReport(cursor, report);
    cursor.endEditBlock();
    pane.moveCursor(QTextCursor::Start);
    pane.verticalScrollBar()->setValue(pane.verticalScrollBar()->minimum());
}

}  // namespace vela::desktop
