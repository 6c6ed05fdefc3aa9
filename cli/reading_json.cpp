#include "cli/reading_json.h"

#include <cmath>
#include <cstdio>
#include <type_traits>

#include "astro/calendar.h"
#include "astro/text.h"
#include "upagraha/upagraha_report.h"

namespace vela::cli {

namespace {

std::string DateText(int year, int month, int day) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year, month, day);
    return buf;
}

// Signed decimal degrees from the record's whole degrees and minutes.
double Degrees(int deg, int min, bool negative) {
    const double d = deg + min / 60.0;
    return negative ? -d : d;
}

// The sidereal longitude in [0, 360): the chart-angle stage normalises once, which can leave 360.
// Writes a value into its slot, reusing the slot's storage when it already holds that kind of
// value: a frame filled row after row then allocates nothing once its texts have reached their
// longest, which keeps a long batch run from spending its time in the allocator.
template <class T>
void Put(Json& slot, const T& value) {
    if constexpr (std::is_same_v<T, bool>) {
        if (slot.is_boolean()) return void(slot.get_ref<Json::boolean_t&>() = value);
    } else if constexpr (std::is_floating_point_v<T>) {
        if (slot.is_number_float()) return void(slot.get_ref<Json::number_float_t&>() = value);
    } else if constexpr (std::is_integral_v<T>) {
        if (slot.is_number_integer() && !slot.is_number_unsigned())
            return void(slot.get_ref<Json::number_integer_t&>() = value);
    } else {
        static_assert(std::is_same_v<T, std::string_view>);
        if (slot.is_string()) return void(slot.get_ref<Json::string_t&>().assign(value));
    }
    slot = value;
}

void PutSunDay(Json& slot, DateValue rise, DateValue set) {
    Put(slot["rise"], std::string_view(ClockText(rise)));
    Put(slot["set"], std::string_view(ClockText(set)));
}

}  // namespace

std::string ClockText(DateValue value) {
    constexpr int kMinutesPerDay = 24 * 60;
    // Stored sunrise and sunset values are whole minutes; rounding (half to even) only removes the
    // error of the day fraction, and a value that rounds up to midnight is 00:00 of its day.
    const int minutes = static_cast<int>(std::nearbyint(HoursOfDay(value) * 60.0)) % kMinutesPerDay;
    return modText::ClockText(minutes / 60, minutes % 60);
}

void FillReadingJson(const SharedChartState& s, const modVedicUpagrahas::Upagrahas& u, Json& frame) {
    using namespace modVedicUpagrahas;
    using std::string_view;
    const auto row = static_cast<std::size_t>(s.intZoneRow);

    // The first fill creates the keys in this order; later fills find them in place.
    Json& o = frame;
    Put(o["name"], string_view(s.strName));
    Put(o["date"], string_view(DateText(s.intYear, s.intMonth, s.intDay)));
    Put(o["time"], string_view(modText::ClockText(s.intHour, s.intMinute)));
    Put(o["zone"], static_cast<int>(s.intZoneRow));
    Put(o["zone_text"], row < s.zones.strZoneTable.size() ? s.zones.strZoneTable[row] : string_view{});
    Put(o["dst"], s.blnDST);
    Put(o["latitude"], Degrees(s.intLatDeg, s.intLatMin, s.blnSouth));
    Put(o["longitude"], Degrees(s.intLonDeg, s.intLonMin, !s.blnEast));
    Put(o["city"], string_view(s.strCity));
    Put(o["state"], string_view(s.strState));
    Put(o["country"], string_view(s.strCountry));
    Json& ascendant = o["ascendant"];
    Put(ascendant["text"], string_view(s.strBirthAscendant));
    Put(ascendant["degrees"], s.dblBirthAscendant);
    Json& sun = o["sun"];
    PutSunDay(sun["previous"], s.dtPrevSunrise, s.dtPrevSunset);
    PutSunDay(sun["birth"], s.dtBirthSunrise, s.dtBirthSunset);
    PutSunDay(sun["next"], s.dtNextSunrise, s.dtNextSunset);
    Put(o["birth_by_day"], u.blnBirthByDay);
    Put(o["weekday"], u.intWeekday);

    Json& portions = o["portions"];
    for (std::size_t k = 0; k < u.portions.size(); ++k) {
        Json& p = portions[k];
        Put(p["lord"], u.portions[k].strLord);
        Put(p["start"], u.portions[k].dblStart);
        Put(p["end"], u.portions[k].dblEnd);
    }

    Json& upagrahas = o["upagrahas"];
    for (std::size_t i = 0; i < static_cast<std::size_t>(kUpagrahaCount); ++i) {
        const int house = u.intHouses[i];
        Json& g = upagrahas[i];
        Put(g["name"], strUpagrahaNames[i]);
        Put(g["lord"], strUpagrahaLords[i]);
        Put(g["moment"], u.dblMoments[i]);
        Put(g["longitude"], u.varUpagrahaLongitudes[i].view());
        Put(g["degrees"], u.dblLongitudes[i]);
        Put(g["house"], house);
        Put(g["significance"], modUpagrahaReport::strUpagrahaSignificance[i]);
        Put(g["interpretation"],
            house >= 1 && house <= 12
                ? modUpagrahaReport::strUpagrahaInterpretations[i][static_cast<std::size_t>(house - 1)]
                : string_view{});
    }
}

Json ReadingJson(const SharedChartState& s, const modVedicUpagrahas::Upagrahas& u) {
    Json j;
    FillReadingJson(s, u, j);
    return j;
}

void AddSensitivityJson(const modWorking::Sensitivity& sensitivity, Json& reading) {
    const auto minutes = [](const std::optional<int>& m) { return m ? Json(*m) : Json(nullptr); };
    const auto shift = [&](const modWorking::Shift& s) {
        return Json{{"earlier", minutes(s.intEarlier)}, {"later", minutes(s.intLater)}};
    };
    Json& upagrahas = reading["upagrahas"];
    for (std::size_t i = 0; i < sensitivity.sign.size() && i < upagrahas.size(); ++i) {
        upagrahas[i]["sensitivity"] = Json{{"sign", shift(sensitivity.sign[i])},
                                           {"house", shift(sensitivity.house[i])},
                                           {"searched_minutes", sensitivity.intSearchedMinutes}};
    }
}

Json RowErrorJson(std::int64_t row, std::string_view message) { return Json{{"row", row}, {"error", message}}; }

std::string JsonLine(const Json& value) { return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace); }

}  // namespace vela::cli
