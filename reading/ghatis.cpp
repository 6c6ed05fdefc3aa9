#include "reading/ghatis.h"

#include <cmath>

#include "astro/calendar.h"
#include "astro/text.h"
#include "reading/calculation_driver.h"

namespace vela::reading {

namespace {

constexpr int kSecondsPerGhati = 24 * 60;
constexpr int kSecondsPerPala = 24;
constexpr int kSecondsPerDay = 86400;

bool Digits(std::string_view t) {
    if (t.empty()) return false;
    for (char c : t)
        if (c < '0' || c > '9') return false;
    return true;
}

std::string Two(long long v) { return (v < 10 ? "0" : "") + std::to_string(v); }

}  // namespace

std::optional<GhatiTime> ParseGhatis(std::string_view text) {
    const std::string_view t = astro::TrimBlanks(text);
    const std::size_t dot = t.find('.');
    if (dot == std::string_view::npos || dot == 0 || dot > 2 || t.size() != dot + 3) return std::nullopt;
    const std::string_view g = t.substr(0, dot);
    const std::string_view p = t.substr(dot + 1);
    if (!Digits(g) || !Digits(p)) return std::nullopt;
    GhatiTime time{std::stoi(std::string(g)), std::stoi(std::string(p))};
    if (time.ghatis > 59 || time.palas > 59) return std::nullopt;
    return time;
}

int SecondsAfterSunrise(const GhatiTime& time) { return time.ghatis * kSecondsPerGhati + time.palas * kSecondsPerPala; }

double ClockSecondsOf(const GhatiTime& time, double sunriseSeconds) {
    return sunriseSeconds + SecondsAfterSunrise(time);
}

std::string ClockTextOfSeconds(double seconds) {
    long long s = std::llround(seconds) % kSecondsPerDay;
    if (s < 0) s += kSecondsPerDay;
    return Two(s / 3600) + ":" + Two(s / 60 % 60) + ":" + Two(s % 60);
}

std::optional<UserMessage> ApplyGhatis(const GhatiTime& time, const upagraha::ConventionProfile& profile,
                                       BirthForm& form, GhatiConversion& conversion) {
    // The sunrise does not depend on the birth time: the driver runs once at noon to find it.
    BirthForm noon = form;
    noon.hour = "12";
    noon.minute = "0";
    Reading work;
    CalculationRequest request;
    request.buildReport = false;
    const auto outcome = RunCalculation(noon, profile, work, request);
    if (!outcome.Succeeded()) return outcome.message;
    GhatiConversion result;
    result.sunriseSeconds = astro::HoursOfDay(work.birthSunrise) * 3600.0;
    result.clockSeconds = ClockSecondsOf(time, result.sunriseSeconds);
    const long long minutes = std::llround(result.clockSeconds / 60.0);
    result.nextDay = minutes >= 24 * 60;
    const long long minuteOfDay = minutes % (24 * 60);
    BirthForm set = form;
    set.hour = std::to_string(minuteOfDay / 60);
    set.minute = std::to_string(minuteOfDay % 60);
    if (result.nextDay) {
        const astro::CivilDate next = astro::AddDays({work.year, work.month, work.day}, 1);
        set.year = std::to_string(next.year);
        set.month = next.month - 1;
        set.day = std::to_string(next.day);
    }
    // The clock time's own date, to the second as it is shown; the minute the reading takes may
    // carry into the next date from a time just before midnight (23:59:55, read as 00:00).
    const bool clockNextDay = std::llround(result.clockSeconds) >= kSecondsPerDay;
    result.text = std::to_string(time.ghatis) + " ghatis " + std::to_string(time.palas) + " palas after sunrise (" +
                  ClockTextOfSeconds(result.sunriseSeconds) + "): " + ClockTextOfSeconds(result.clockSeconds) +
                  " on the clock" + (clockNextDay ? " of the next day" : "") + ", read as " + Two(minuteOfDay / 60) +
                  ":" + Two(minuteOfDay % 60) + (result.nextDay && !clockNextDay ? " of the next day" : "");
    form = std::move(set);
    conversion = std::move(result);
    return std::nullopt;
}

}  // namespace vela::reading
