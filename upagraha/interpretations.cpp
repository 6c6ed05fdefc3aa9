// STUB: replaced by the interpretation texts in progress.
#include "upagraha/upagraha_report.h"
namespace vela::modUpagrahaReport {
const std::array<std::array<std::string_view, 12>, modVedicUpagrahas::kUpagrahaCount> strUpagrahaInterpretations = {};
}
