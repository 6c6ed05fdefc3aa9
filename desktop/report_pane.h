// The report pane: the core's report runs written as rich text.
//
// Flow of a reading: ... -> upagrahas -> report -> pane. The report arrives as runs of text with a
// point size and a bold flag; the pane shows them as they are, so its plain text is the core's
// plain text of the same report, but for the grahas' section: the core aligns its lines with
// blanks for a terminal, and the pane and the printed reading set the same cells in a table, whose
// columns line up in any script and any type.
#pragma once

#include "reading/sky_around.h"
#include "upagraha/language.h"
#include "upagraha/upagraha_report.h"

class QTextCursor;
class QTextEdit;

namespace vela::desktop {

// The pane is for reading only: no selection, no copy, no context menu. It never touches the
// system clipboard, so whatever the user copied in another program stays there.
void PrepareReportPane(QTextEdit& pane);

// Replaces the pane's content with the report and shows its top. `sky`, when the report ends with
// the grahas' section, sets that section in columns.
void WriteReport(QTextEdit& pane, const upagraha::Report& report, const reading::SkyAround* sky = nullptr,
                 upagraha::Language language = upagraha::Language::English);

// Inserts the report's runs at the cursor, each with its point size and weight; a printed reading
// takes the report this way too.
void InsertReport(QTextCursor& cursor, const upagraha::Report& report, const reading::SkyAround* sky = nullptr,
                  upagraha::Language language = upagraha::Language::English);

}  // namespace vela::desktop
