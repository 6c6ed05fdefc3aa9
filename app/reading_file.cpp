// STUB: replaced by the reading-file work in progress.
#include "app/reading_file.h"
namespace vela::modReadingFile {
std::string EncodeField(std::string_view text) { return std::string(text); }
std::string DecodeField(std::string_view bytes, int) { return std::string(bytes); }
std::string ReadingFileText(const SharedChartState&, int) { return {}; }
void FillFormFromReadingText(std::string_view, BirthForm&) {}
bool HasReadingFileName(std::string_view) { return false; }
std::optional<UserMessage> SaveReadingFile(const std::string&, const SharedChartState&, int) { return std::nullopt; }
std::optional<UserMessage> OpenReadingFile(const std::string&, BirthForm&) { return std::nullopt; }
}  // namespace vela::modReadingFile
