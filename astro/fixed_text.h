// A short text held inline, for position texts and clock texts that travel through the
// astronomical stages: those stages run seven times per reading and must not touch the heap.
#pragma once

#include <algorithm>
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace vela::astro {

template <std::size_t Capacity>
class FixedText {
public:
    constexpr FixedText() = default;
    constexpr FixedText(std::string_view s) { assign(s); }  // NOLINT: implicit on purpose

    constexpr void assign(std::string_view s) {
        len = std::min(s.size(), Capacity);
        std::copy_n(s.data(), len, buf);
    }
    constexpr void append(std::string_view s) {
        const std::size_t n = std::min(s.size(), Capacity - len);
        std::copy_n(s.data(), n, buf + len);
        len += n;
    }
    constexpr void push_back(char c) {
        if (len < Capacity) buf[len++] = c;
    }
    constexpr void clear() { len = 0; }

    constexpr std::string_view view() const { return {buf, len}; }
    constexpr operator std::string_view() const { return view(); }  // NOLINT
    std::string str() const { return std::string(view()); }
    constexpr std::size_t size() const { return len; }
    constexpr bool empty() const { return len == 0; }

    friend constexpr bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }
    friend constexpr bool operator==(const FixedText& a, const FixedText& b) { return a.view() == b.view(); }
    friend std::ostream& operator<<(std::ostream& os, const FixedText& t) { return os << t.view(); }

private:
    char buf[Capacity]{};
    std::size_t len = 0;
};

// Long form "29° 59' 59\" Leo" needs 16 bytes (the degree sign is two bytes in UTF-8).
using PositionText = FixedText<32>;

}  // namespace vela::astro
