// Arbitrary bytes as a .vela reading. The reader must never crash, throw, hang or leak; a file it takes
// fills only what the form's controls hold, and the form written again reads back the very same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "reading/birth_form.h"
#include "reading/reference_tables.h"
#include "reading/vela_file.h"

namespace {

using namespace vela::reading;

void Require(bool holds) {
    if (!holds) std::abort();
}

bool SameForm(const BirthForm& a, const BirthForm& b) {
    return a.name == b.name && a.day == b.day && a.month == b.month && a.year == b.year && a.hour == b.hour &&
           a.minute == b.minute && a.zoneRow == b.zoneRow && a.exactZone == b.exactZone &&
           a.latDegrees == b.latDegrees && a.latMinutes == b.latMinutes && a.latSeconds == b.latSeconds &&
           a.lonDegrees == b.lonDegrees && a.lonMinutes == b.lonMinutes && a.lonSeconds == b.lonSeconds &&
           a.latDirection == b.latDirection && a.lonDirection == b.lonDirection && a.dst == b.dst && a.city == b.city &&
           a.state == b.state && a.country == b.country;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    BirthForm form;
    form.name = "unchanged";
    std::string profile = "unchanged";
    if (FillFormFromVelaText(bytes, form, profile)) {
        // Refused: nothing of the form or the profile may have changed.
        Require(form.name == "unchanged" && profile == "unchanged" && form.zoneRow == 0);
        return 0;
    }
    Require(form.month >= 0 && form.month <= 11);
    if (form.exactZone) {
        Require(form.zoneRow == -1 && form.exactZone->secondsEast >= -kMaxExactOffsetSeconds &&
                form.exactZone->secondsEast <= kMaxExactOffsetSeconds);
    } else {
        Require(form.zoneRow >= 0 && form.zoneRow < kZoneCount);
    }
    for (const std::string* text : {&form.name, &form.city, &form.state, &form.country, &form.day, &form.year})
        Require(text->size() <= kMaxVelaTextBytes && text->find('\0') == std::string::npos);
    // What was taken is written and read back whole.
    BirthForm back;
    std::string backProfile;
    Require(!FillFormFromVelaText(VelaFileText(form, profile), back, backProfile));
    Require(SameForm(form, back) && backProfile == profile);
    return 0;
}
