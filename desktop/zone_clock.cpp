#include "desktop/zone_clock.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <vector>

namespace vela::desktop {

std::optional<atlas::ZoneAtMoment> ZoneAtBirthMoment(const std::string& zone, const atlas::ClockMoment& moment) {
    const QTimeZone timeZone(QByteArray::fromStdString(zone));
    if (!timeZone.isValid()) return std::nullopt;
    // The clock reading written as if it were universal time; the moment it names is that minus
    // the offset in force then.
    const QDateTime clock(QDate(moment.year, moment.month, moment.day), QTime(moment.hour, moment.minute), Qt::UTC);
    const int offsetBefore = timeZone.offsetFromUtc(clock.addDays(-1));

    // Every offset in force within a day either side; a clock reading belongs to each offset that
    // is still in force at the moment it names. None: the clocks jumped over the reading. Two:
    // they were put back across it.
    std::vector<QDateTime> moments;
    for (const int offset : {offsetBefore, timeZone.offsetFromUtc(clock), timeZone.offsetFromUtc(clock.addDays(1))}) {
        const QDateTime at = clock.addSecs(-offset);
        if (timeZone.offsetFromUtc(at) == offset && std::find(moments.begin(), moments.end(), at) == moments.end())
            moments.push_back(at);
    }
    std::sort(moments.begin(), moments.end());

    atlas::ZoneAtMoment result;
    result.zoneName = zone;
    QDateTime at;
    if (moments.empty()) {
        // Read on the clock from before the jump, the reading falls just after it.
        at = clock.addSecs(-offsetBefore);
        result.clock = atlas::ClockFit::Skipped;
    } else {
        at = moments.front();
        result.clock = moments.size() > 1 ? atlas::ClockFit::Twice : atlas::ClockFit::Once;
    }
    result.inForceSeconds = timeZone.offsetFromUtc(at);
    // Time-zone data records the offset in force and a daylight flag, not the standard offset; Qt
    // takes the standard offset from the nearest time without daylight saving. For Kolkata's war
    // time (1 September 1942 to 15 October 1945, +06:30) that is +05:30, for New York's summers
    // -05:00, for London's double summer time of 1941 +00:00, as the zone's history has them.
    result.standardSeconds = timeZone.standardTimeOffset(at);
    // Before a zone's first standard time the data names its offset LMT: the local mean time of
    // the zone's own city, which a place elsewhere in the zone did not keep.
    result.localMeanTime = timeZone.abbreviation(at) == QStringLiteral("LMT");
    return result;
}

}  // namespace vela::desktop
