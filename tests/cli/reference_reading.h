// The reading the command-line tests share: New Delhi, Sunday 15 June 1975, 10:30 Indian time.
// Its birth ascendant, 05 Leo 54, is the worked value of the chart-angle tests.
#pragma once

#include <nlohmann/json.hpp>

#include "files/notation.h"

// The tests read the program's JSON with an independent parser, keeping the order of the keys.
using Json = nlohmann::ordered_json;

inline vela::files::ReadingNotation NewDelhiNotation() {
    return {"Asha", "1975-06-15", "10:30", "34", "28N37", "77E13", "false", "New Delhi", "Delhi", "India"};
}

inline constexpr const char* kNewDelhiAscendant = "05 Leo 54";
