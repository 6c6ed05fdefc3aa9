// The same birth under every preset profile and the one in use, set side by side: upagrahas by
// rows, profiles by columns, each cell the longitude with its sign. Cells that differ from the
// profile in use are marked, and a few sentences above the grid say what makes them differ: every
// axis on which each profile leaves the original's (gulika-start also moves the sunrise), and for
// this birth a birth close to sunrise or sunset that is a day birth under some profiles and a
// night birth under others, a portion taken from another place, an upagraha near a sign change.
//
// The window's comparison tab, the printed reading's comparison page and the command line's
// --compare all show this.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "reading/birth_form.h"
#include "upagraha/language.h"
#include "upagraha/profiles.h"
#include "upagraha/upagraha.h"

namespace vela::reading {

// Minutes from sunrise or sunset within which a birth's day or night is worth a word.
inline constexpr int kNearSunEventMinutes = 15;
// Minutes of clock time within which a sign change is worth a word.
inline constexpr int kNearSignChangeMinutes = 5;

struct GridColumn {
    upagraha::ConventionProfile profile;
    bool inUse = false;
    std::optional<upagraha::Upagrahas> upagrahas;  // empty when the reading is refused under it
    std::string message;                           // the refusal then
};

struct ConventionGrid {
    std::vector<GridColumn> columns;  // every preset, then the profile in use when it is none of them
    std::size_t inUseColumn = 0;
    std::vector<std::string> notes;  // what makes the columns differ, one sentence each
    // How many of the notes, at their start, name the axes on which the columns' profiles leave the
    // original's; the others are about this birth.
    std::size_t conventionNotes = 0;

    // "05 Leo 23" for a cell, empty for a refused column.
    std::string CellText(std::size_t upagraha, std::size_t column) const;
    // True when the cell's text is not the one of the profile in use.
    bool Differs(std::size_t upagraha, std::size_t column) const;
};

// The grid of a form the driver accepts under the profile in use (empty columns otherwise).
ConventionGrid CompareProfiles(const BirthForm& form, const upagraha::ConventionProfile& inUse);

// The grid as aligned text: a heading line of profile names, one line per upagraha, a differing
// cell marked with '*', the notes above it and a key below it.
// In Hindi or Tamil the notes, names, positions and words are the language's; the profiles' names
// stay the words --profile takes.
std::string ConventionGridText(const ConventionGrid& grid, upagraha::Language language = upagraha::Language::English);

}  // namespace vela::reading
