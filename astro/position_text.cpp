#include "astro/position_text.h"

#include <charconv>
#include <cmath>

#include "astro/text.h"

namespace vela::astro {

namespace {

constexpr std::string_view kDegreeSign = "\u00B0";

void AppendInt(PositionText& out, long long v) {
    char buf[24];
    const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    out.append(std::string_view(buf, static_cast<std::size_t>(end - buf)));
}

// The fields of the long form, every one truncated: whole degrees within the sign, minutes and
// seconds, and the sign. A longitude of exactly 360 is the start of Aries again.
struct SignFields {
    long long degrees;  // 0..29
    long long minutes;  // 0..59
    long long seconds;  // 0..59
    long long sign;     // 0..11
};

SignFields FieldsOf(double x) {
    x = std::fabs(x);
    const double D = std::floor(x);
    const double m = 60 * (x - D);
    const double M = std::floor(m);
    const double s = std::floor(60 * (m - M));
    const long long d = static_cast<long long>(D);
    return {d % 30, static_cast<long long>(M), static_cast<long long>(s), (d / 30) % 12};
}

// At least two digits, as the compact form pads its fields.
void AppendPadded(PositionText& out, long long v) {
    if (v >= 0 && v < 100) {
        out.push_back(static_cast<char>('0' + v / 10));
        out.push_back(static_cast<char>('0' + v % 10));
        return;
    }
    AppendInt(out, v);
}

}  // namespace

double NormalizeDegrees(double& x) {
    if (x < 0) x = x + 360;
    if (x > 360) x = x - 360;
    return x;
}

double Atan2(double y, double x) {
    const auto sgn = [](double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); };
    if (x > 0) return std::atan(y / x);
    if (x < 0) {
        // y = 0 on the negative x axis is the half turn, not 0.
        if (y == 0) return kPi;
        return (kPi - std::atan(std::fabs(y / x))) * sgn(y);
    }
    return y != 0 ? sgn(y) * kPi / 2 : 0.0;
}

PositionText SignDegreeText(double& x) {
    x = std::fabs(x);
    const auto [d, M, s, k] = FieldsOf(x);

    PositionText out;
    AppendInt(out, d);
    out.append(kDegreeSign);
    out.push_back(' ');
    AppendInt(out, M);
    out.append("' ");
    AppendInt(out, s);
    out.append("\" ");
    out.append(kSignAbbreviations.substr(static_cast<std::size_t>(3 * k), 3));
    return out;
}

PositionText CompactPositionText(std::string_view t) {
    const std::string_view u = TrimBlanks(t);
    const std::size_t degPos = u.find(kDegreeSign);
    std::string_view degrees = TrimBlanks(u.substr(0, degPos));
    std::string_view minutes;
    if (degPos != std::string_view::npos) {
        const std::string_view afterDeg = u.substr(degPos + kDegreeSign.size());
        minutes = TrimBlanks(afterDeg.substr(0, afterDeg.find('\'')));
    }
    const std::string_view sign = TrimBlanks(t.size() >= 3 ? t.substr(t.size() - 3) : t);

    PositionText out;
    if (degrees.size() <= 1) out.push_back('0');
    out.append(degrees);
    out.push_back(' ');
    out.append(sign);
    out.push_back(' ');
    if (minutes.size() <= 1) out.push_back('0');
    out.append(minutes);
    return out;
}

PositionText CompactPositionTextOf(double degrees) {
    const auto [d, M, s, k] = FieldsOf(degrees);
    PositionText out;
    AppendPadded(out, d);
    out.push_back(' ');
    out.append(kSignAbbreviations.substr(static_cast<std::size_t>(3 * k), 3));
    out.push_back(' ');
    AppendPadded(out, M);
    return out;
}

int SignIndexOf(double degrees) { return static_cast<int>(FieldsOf(degrees).sign); }

std::string_view CompactSign(std::string_view compact) {
    if (compact.size() < 6) return {};
    return compact.substr(3, 3);
}

}  // namespace vela::astro
