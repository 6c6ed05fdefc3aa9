#include "reading/form_values.h"

#include "astro/text.h"

namespace vela::reading {

FormNumber ParseFormNumber(std::string_view text) { return {text.empty(), astro::ParseWhole(text)}; }

FormValues ParseForm(const BirthForm& form) {
    FormValues v;
    v.name = form.name;
    v.day = ParseFormNumber(form.day);
    v.month = form.month;
    v.year = ParseFormNumber(form.year);
    v.hour = ParseFormNumber(form.hour);
    v.minute = ParseFormNumber(form.minute);
    v.zoneRow = form.zoneRow;
    if (form.exactZone) v.exactZone = &*form.exactZone;
    v.latDegrees = ParseFormNumber(form.latDegrees);
    v.latMinutes = ParseFormNumber(form.latMinutes);
    v.lonDegrees = ParseFormNumber(form.lonDegrees);
    v.lonMinutes = ParseFormNumber(form.lonMinutes);
    v.latDirection = form.latDirection;
    v.lonDirection = form.lonDirection;
    v.dst = form.dst;
    v.city = form.city;
    v.state = form.state;
    v.country = form.country;
    return v;
}

}  // namespace vela::reading
