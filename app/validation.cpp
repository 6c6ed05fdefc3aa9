// STUB: replaced by the validation work in progress.
#include "app/validation.h"
namespace vela::modValidation {
std::optional<UserMessage> ValidateInput(const BirthForm&) { return std::nullopt; }
std::optional<UserMessage> FilterKeystroke(BoxKind, char32_t) { return std::nullopt; }
std::string CleanPastedText(BoxKind, std::string_view text) { return std::string(text); }
}  // namespace vela::modValidation
