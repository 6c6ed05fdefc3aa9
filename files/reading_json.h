// One reading as a JSON line, and the batch run's error line.
//
// Built from the committed reading record and the upagrahas of the same run, so every figure is
// the one the report was written from. Keys come in a fixed order (the order a reader scans:
// birth data, sky, portions, upagrahas); numbers keep every bit, so they read back exactly.
// docs/cli.md lists the fields.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "astro/calendar.h"
#include "files/json_writer.h"
#include "reading/birth_data.h"
#include "reading/convention_grid.h"
#include "reading/working.h"
#include "upagraha/language.h"
#include "upagraha/upagraha.h"

namespace vela::files {

// The clock time of a date value as zero-padded "HH:MM", rounded to the nearest minute.
std::string ClockText(astro::DateValue value);

// Appends the reading's object, without a line end. With a sensitivity, each upagraha also says
// how far the birth time can move, in minutes, before its sign and its house change:
// "sensitivity": {"sign": {"earlier", "later"}, "house": {...}, "searched_minutes"}, with null
// where no change lies within the searched span. The warnings of the reading (the zone check's
// sentence) close the object as "warnings": [...], empty when there is nothing to say.
// With a language (--lang), keys and values stay English and the names gain a field in that
// language beside them: name_local (upagrahas, grahas), lord_local, sign_local (with "sign", the
// English sign of the ascendant and of each upagraha) and nakshatra_local.
void AppendReadingJson(std::string& out, const reading::Reading& s, const upagraha::Upagrahas& u,
                       std::span<const std::string> warnings, const reading::Sensitivity* sensitivity = nullptr,
                       std::optional<upagraha::Language> local = std::nullopt);
// The same into the batch's buffer.
void AppendReadingJson(TextBuffer& out, const reading::Reading& s, const upagraha::Upagrahas& u,
                       std::span<const std::string> warnings, const reading::Sensitivity* sensitivity = nullptr,
                       std::optional<upagraha::Language> local = std::nullopt);
std::string ReadingJsonLine(const reading::Reading& s, const upagraha::Upagrahas& u,
                            std::span<const std::string> warnings, const reading::Sensitivity* sensitivity = nullptr,
                            std::optional<upagraha::Language> local = std::nullopt);

// The comparison grid: {"in_use": name, "notes": [...], "columns": [{"profile": {...},
// "birth_by_day", "upagrahas": [{"name", "longitude", "text", "portion", "differs"}]} or
// {"profile": {...}, "error": "..."}]}.
std::string ConventionGridJson(const reading::ConventionGrid& grid);

// {"row":N,"error":"message"}
std::string RowErrorJsonLine(std::int64_t row, std::string_view message);

}  // namespace vela::files
