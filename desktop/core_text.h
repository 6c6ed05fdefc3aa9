// Texts the core makes (messages, list entries, report lines, table headings) arrive as UTF-8
// std::string and are shown as the core wrote them. Every such text passes through ShowCoreText on
// its way to the screen, so the window has one place where the core's texts meet the language of
// the user interface; the window's own texts go through tr(). The core builds its reading's texts
// in the language it is given (InterfaceLanguage()); its messages (a refused form, a file that
// could not be opened, a warning) are written in English and shown through ShowCoreMessage, which
// puts them in the language of the user interface.
#pragma once

#include <QString>

#include <string>
#include <string_view>

#include "desktop/translations.h"
#include "reading/reading_language.h"

namespace vela::desktop {

inline QString ShowCoreText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A message of the core in the language of the user interface (reading/reading_language.h); a
// message the program has no translation for is shown in English.
inline QString ShowCoreMessage(std::string_view text) {
    return ShowCoreText(reading::MessageIn(text, InterfaceLanguage()));
}

}  // namespace vela::desktop
