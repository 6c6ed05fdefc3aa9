// The vargas on the command line: what --vargas and --varga N ask for, and the "vargas" object
// they add to a reading's JSON (one reading's and every batch row's).
//
// Flow: driver -> reading and upagrahas -> reading::BuildVargaTable -> here, after the reading's
// own object, which stays byte for byte what it is without them.
#pragma once

#include <optional>
#include <string>

#include "files/json_writer.h"
#include "reading/varga_points.h"
#include "upagraha/language.h"

namespace vela::cli {

struct VargaRequest {
    bool all = false;             // --vargas: every varga
    std::optional<int> division;  // --varga N: that one (one of the sixteen)
    bool Asked() const { return all || division.has_value(); }
};

// "--varga 5: the vargas are D1, D2, D3, ..." for a division that is not one of the sixteen.
std::optional<std::string> VargaDivisionProblem(int division);

// The object for the table: {"rules":{"hora":...,"drekkana":...,"trimsamsa":...},"points":[{"name":
// ...,"longitude":...,"vargottama":...,"D1":{"sign":...,"degrees":...},...},...]}, each varga asked
// for; with a language, "name_local" and "sign_local" beside the English.
std::string VargasJson(const reading::VargaTable& table, const VargaRequest& request,
                       std::optional<upagraha::Language> local = std::nullopt);

// Puts ,"vargas":{...} last into the reading's object that ends the text (its closing brace).
void AddVargasToObject(std::string& object, const reading::VargaTable& table, const VargaRequest& request,
                       std::optional<upagraha::Language> local = std::nullopt);
void AddVargasToObject(files::TextBuffer& object, const reading::VargaTable& table, const VargaRequest& request);

}  // namespace vela::cli
