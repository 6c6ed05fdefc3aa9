#include "reading/convention_grid.h"

#include <algorithm>
#include <cmath>

#include "astro/chart_angles.h"
#include "astro/position_text.h"
#include "reading/calculation_driver.h"
#include "reading/reading_language.h"
#include "reading/result_summary.h"
#include "reading/working.h"
#include "upagraha/profile_clock.h"

namespace vela::reading {

namespace {

using upagraha::ConventionProfile;
using upagraha::kUpagrahaNames;

std::string NameList(const std::vector<std::string_view>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
        text += names[i];
    }
    return text;
}

std::string Ordinal(int n) {
    static constexpr std::array<std::string_view, 9> kTexts = {"",    "1st", "2nd", "3rd", "4th",
                                                               "5th", "6th", "7th", "8th"};
    return std::string(kTexts[static_cast<std::size_t>(std::clamp(n, 0, 8))]);
}

// Every axis on which each column's profile leaves the original's: so the notes name every axis on
// which the columns differ, whatever the birth.
void NoteConventions(const ConventionGrid& grid, std::vector<std::string>& notes) {
    for (const GridColumn& c : grid.columns) {
        const std::string differences = ProfileDifferences(c.profile, upagraha::kOriginalProfile);
        if (!differences.empty())
            notes.push_back("Under " + std::string(c.profile.name) + ", unlike original: " + differences + ".");
    }
}

// A birth near sunrise or sunset that is a day birth under some profiles and a night birth under
// others.
void NoteDayOrNight(const ConventionGrid& grid, std::vector<std::string>& notes) {
    std::vector<std::string_view> byDay;
    std::vector<std::string_view> byNight;
    double nearest = 1e9;
    for (const GridColumn& c : grid.columns) {
        if (!c.upagrahas) continue;
        const upagraha::Upagrahas& u = *c.upagrahas;
        (u.birthByDay ? byDay : byNight).push_back(c.profile.name);
        const double fromStart = u.birthHour - u.portions.front().start;
        const double toEnd = u.portions.back().end - u.birthHour;
        nearest = std::min({nearest, std::fabs(fromStart) * 60, std::fabs(toEnd) * 60});
    }
    if (byDay.empty() || byNight.empty() || nearest > kNearSunEventMinutes) return;
    notes.push_back("The birth is within " + std::to_string(kNearSunEventMinutes) +
                    " minutes of sunrise or sunset, where the profiles' sunrises differ: a day birth under " +
                    NameList(byDay) + ", a night birth under " + NameList(byNight) + ".");
}

// Upagrahas taken from other portions than under the profile in use (another lord order, or the
// ghati rule) by profiles that cut the same day or night; profiles that differ alike share a line.
void NotePortions(const ConventionGrid& grid, std::vector<std::string>& notes) {
    const GridColumn& inUse = grid.columns[grid.inUseColumn];
    if (!inUse.upagrahas) return;
    std::vector<std::pair<std::string, std::vector<std::string_view>>> lines;
    for (const GridColumn& c : grid.columns) {
        if (!c.upagrahas || c.upagrahas->birthByDay != inUse.upagrahas->birthByDay) continue;
        std::string moved;
        for (std::size_t u = 0; u < kUpagrahaNames.size(); ++u) {
            const int k = c.upagrahas->portionIndex[u];
            const int home = inUse.upagrahas->portionIndex[u];
            if (k == home) continue;
            if (!moved.empty()) moved += "; ";
            moved += std::string(kUpagrahaNames[u]) + " from the " + Ordinal(k + 1) + " portion, not the " +
                     Ordinal(home + 1);
        }
        if (moved.empty()) continue;
        moved += c.profile.lordOrder != inUse.profile.lordOrder ? " (the lords of the portions differ)"
                                                                : " (the ghati rule counts the whole day or night)";
        auto it = std::find_if(lines.begin(), lines.end(), [&moved](const auto& l) { return l.first == moved; });
        if (it == lines.end()) it = lines.insert(lines.end(), {moved, {}});
        it->second.push_back(c.profile.name);
    }
    for (const auto& [moved, names] : lines) notes.push_back("Under " + NameList(names) + ": " + moved + ".");
}

// An upagraha of the profile in use within a few minutes of clock time of a sign change.
void NoteSignChanges(const Reading& state, const ConventionProfile& profile, const upagraha::Upagrahas& u,
                     std::vector<std::string>& notes) {
    const upagraha::ProfileClock clock(state, profile);
    const double step = kNearSignChangeMinutes / 60.0;
    for (std::size_t i = 0; i < kUpagrahaNames.size(); ++i) {
        const int before = astro::SignIndexOf(clock.SiderealAscendantAt(astro::ClockHours(u.moments[i] - step)).value);
        const int after = astro::SignIndexOf(clock.SiderealAscendantAt(astro::ClockHours(u.moments[i] + step)).value);
        if (before == after) continue;
        notes.push_back(std::string(kUpagrahaNames[i]) + " rises within " + std::to_string(kNearSignChangeMinutes) +
                        " minutes of a sign change (" +
                        std::string(upagraha::kSignNames[static_cast<std::size_t>(before)]) + " to " +
                        std::string(upagraha::kSignNames[static_cast<std::size_t>(after)]) +
                        "): a small shift of its moment moves it to the other sign.");
    }
}

}  // namespace

std::string ConventionGrid::CellText(std::size_t upagraha, std::size_t column) const {
    const GridColumn& c = columns[column];
    return c.upagrahas ? std::string(c.upagrahas->upagrahaLongitudes[upagraha].str()) : std::string();
}

bool ConventionGrid::Differs(std::size_t upagraha, std::size_t column) const {
    return column != inUseColumn && CellText(upagraha, column) != CellText(upagraha, inUseColumn);
}

ConventionGrid CompareProfiles(const BirthForm& birthForm, const ConventionProfile& inUse) {
    const FormValues form = ParseForm(birthForm);
    ConventionGrid grid;
    Reading inUseState;
    const auto add = [&](const ConventionProfile& profile, Reading& state) {
        auto outcome = RunCalculation(form, profile, state, false);
        GridColumn column{profile, profile == inUse, std::nullopt, {}};
        if (outcome.Succeeded())
            column.upagrahas = std::move(outcome.upagrahas);
        else
            column.message = outcome.message->text;
        grid.columns.push_back(std::move(column));
    };
    bool listed = false;
    for (const ConventionProfile& profile : upagraha::ListedProfiles()) {
        Reading state;
        if (profile == inUse) {
            listed = true;
            grid.inUseColumn = grid.columns.size();
            add(profile, inUseState);
        } else {
            add(profile, state);
        }
    }
    if (!listed) {
        grid.inUseColumn = grid.columns.size();
        add(inUse, inUseState);
    }
    NoteConventions(grid, grid.notes);
    grid.conventionNotes = grid.notes.size();
    NoteDayOrNight(grid, grid.notes);
    NotePortions(grid, grid.notes);
    if (const auto& u = grid.columns[grid.inUseColumn].upagrahas) NoteSignChanges(inUseState, inUse, *u, grid.notes);
    return grid;
}

std::string ConventionGridText(const ConventionGrid& grid, upagraha::Language language) {
    std::string out;
    for (const std::string& note : grid.notes) out += MessageIn(note, language) + "\n";
    if (!grid.notes.empty()) out += "\n";
    std::vector<std::size_t> widths;
    for (const GridColumn& c : grid.columns) widths.push_back(std::max<std::size_t>(c.profile.name.size(), 10) + 2);
    const auto pad = [&out](std::string_view text, std::size_t width) {
        const std::size_t taken = DisplayWidth(text);
        out += text;
        out.append(width > taken ? width - taken : 1, ' ');
    };
    pad("", 15);
    for (std::size_t c = 0; c < grid.columns.size(); ++c) pad(grid.columns[c].profile.name, widths[c]);
    while (!out.empty() && out.back() == ' ') out.pop_back();
    out += "\n";
    for (std::size_t u = 0; u < kUpagrahaNames.size(); ++u) {
        pad(upagraha::UpagrahaName(static_cast<int>(u), language), 15);
        for (std::size_t c = 0; c < grid.columns.size(); ++c) {
            const std::string cell =
                grid.columns[c].upagrahas
                    ? upagraha::PositionTextIn(grid.CellText(u, c), language) + (grid.Differs(u, c) ? " *" : "")
                    : Say("refused", language);
            pad(cell, widths[c]);
        }
        while (!out.empty() && out.back() == ' ') out.pop_back();
        out += "\n";
    }
    out +=
        Say("In use: %1. * differs from the profile in use.", language, {grid.columns[grid.inUseColumn].profile.name}) +
        "\n";
    for (const GridColumn& c : grid.columns)
        if (!c.upagrahas) out += std::string(c.profile.name) + ": " + MessageIn(c.message, language) + "\n";
    return out;
}

}  // namespace vela::reading
