// One reading as a JSON object, and the batch run's error object.
//
// Flow of a reading: ... -> driver -> upagrahas -> report -> here, instead of the report's text.
// Built from the committed reading record and the upagrahas of the same run, so every figure is
// the one the report was written from. Keys come in a fixed order (the order a reader scans:
// birth data, sky, portions, upagrahas); numbers keep every bit, so they read back exactly.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "reading/birth_data.h"
#include "reading/working.h"
#include "upagraha/upagraha.h"

namespace vela::cli {

using Json = nlohmann::ordered_json;

// The clock time of a date value as zero-padded "HH:MM", rounded to the nearest minute.
std::string ClockText(DateValue value);

Json ReadingJson(const SharedChartState& s, const modVedicUpagrahas::Upagrahas& u);

// The same object written into a frame that is empty or holds the object of an earlier reading:
// its storage is reused, which is how a batch run writes row after row.
void FillReadingJson(const SharedChartState& s, const modVedicUpagrahas::Upagrahas& u, Json& frame);

// Adds to each upagraha of a reading's object how far the birth time can move, in minutes, before
// its sign and its house change: "sensitivity": {"sign": {"earlier", "later"}, "house": {...},
// "searched_minutes"}, with null where no change lies within the searched span.
void AddSensitivityJson(const modWorking::Sensitivity& sensitivity, Json& reading);

// {"row": N, "error": "message"}
Json RowErrorJson(std::int64_t row, std::string_view message);

// The object on one line. Text that is not valid UTF-8 (a name read from an old reading file in a
// single-byte character set) is written with replacement characters instead of failing the run.
std::string JsonLine(const Json& value);

}  // namespace vela::cli
