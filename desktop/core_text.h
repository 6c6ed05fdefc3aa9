// Texts the core makes (messages, list entries, report lines, table headings) arrive as UTF-8
// std::string and are shown as the core wrote them. Every such text passes through ShowCoreText on
// its way to the screen, so the window has one place where the core's texts meet the language of
// the user interface; the window's own texts go through tr().
#pragma once

#include <QString>

#include <string_view>

namespace vela::desktop {

inline QString ShowCoreText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace vela::desktop
