#include "reading/form_values.h"

#include "astro/text.h"

namespace vela {

FormNumber ParseFormNumber(std::string_view text) { return {text.empty(), modText::ParseWhole(text)}; }

FormValues ParseForm(const BirthForm& form) {
    FormValues v;
    v.txtName = form.txtName;
    v.cboDate = ParseFormNumber(form.cboDate);
    v.cboMonth = form.cboMonth;
    v.cboYear = ParseFormNumber(form.cboYear);
    v.cboHour = ParseFormNumber(form.cboHour);
    v.cboMinute = ParseFormNumber(form.cboMinute);
    v.cboTimeZone = form.cboTimeZone;
    v.txtLatDeg = ParseFormNumber(form.txtLatDeg);
    v.txtLatMin = ParseFormNumber(form.txtLatMin);
    v.txtLonDeg = ParseFormNumber(form.txtLonDeg);
    v.txtLonMin = ParseFormNumber(form.txtLonMin);
    v.optLat = form.optLat;
    v.optLong = form.optLong;
    v.chkDST = form.chkDST;
    v.txtCity = form.txtCity;
    v.txtState = form.txtState;
    v.txtCountry = form.txtCountry;
    return v;
}

}  // namespace vela
