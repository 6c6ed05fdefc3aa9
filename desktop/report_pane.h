// The report pane: the core's report runs written as rich text.
//
// Flow of a reading: ... -> upagrahas -> report -> pane. The report arrives as runs of text with a
// point size and a bold flag; the pane shows them as they are, so its plain text is the core's
// plain text of the same report.
#pragma once

#include "upagraha/upagraha_report.h"

class QTextCursor;
class QTextEdit;

namespace vela::desktop {

// The pane is for reading only: no selection, no copy, no context menu. It never touches the
// system clipboard, so whatever the user copied in another program stays there.
void PrepareReportPane(QTextEdit& pane);

// Replaces the pane's content with the report and shows its top.
void WriteReport(QTextEdit& pane, const upagraha::Report& report);

// Inserts the report's runs at the cursor, each with its point size and weight; a printed reading
// takes the report this way too.
void InsertReport(QTextCursor& cursor, const upagraha::Report& report);

}  // namespace vela::desktop
