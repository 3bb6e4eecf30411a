#include "teach/files/numbers.h"

#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number of digits from `at` on.
std::size_t digitsAt(std::string_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - at;
}

bool isDecimal(std::string_view text) {
    std::size_t at = text.starts_with('+') || text.starts_with('-') ? 1 : 0;
    const std::size_t whole = digitsAt(text, at);
    at += whole;
    std::size_t fraction = 0;
    if (at < text.size() && text[at] == '.') {
        fraction = digitsAt(text, at + 1);
        at += 1 + fraction;
    }
    if (whole + fraction == 0)
        return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
        const std::size_t exponent = digitsAt(text, at);
        if (exponent == 0)
            return false;
        at += exponent;
    }
    return at == text.size();
}

std::optional<double> nonFinite(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (text.starts_with('+') || text.starts_with('-'))
        text.remove_prefix(1);
    std::string lower;
    for (char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "inf" || lower == "infinity")
        return negative ? -HUGE_VAL : HUGE_VAL;
    if (lower == "nan")
        return std::numeric_limits<double>::quiet_NaN();
    return std::nullopt;
}

// The C library converts correctly rounded, but with the decimal point of the user's locale:
// the point is swapped for it on the way in and back on the way out.
char localePoint() {
    return *std::localeconv()->decimal_point;
}

std::string withPoint(std::string text, char from, char to) {
    for (char& c : text)
        if (c == from)
            c = to;
    return text;
}

// The value rounded to `digits` significant digits, as d.ddde+XX.
std::string scientific(double value, int digits) {
    char text[40];
    std::snprintf(text, sizeof text, "%.*e", digits - 1, value);
    return withPoint(text, localePoint(), '.');
}

} // namespace

std::optional<double> parseDecimal(std::string_view text) {
    if (!isDecimal(text))
        return nonFinite(text);
    const std::string local = withPoint(std::string(text), '.', localePoint());
    char* end = nullptr;
    const double value = std::strtod(local.c_str(), &end);
    if (end != local.c_str() + local.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string shortestText(float value) {
    if (value == 0)
        return std::signbit(value) ? "-0" : "0";
    // The fewest significant digits that read back as the same single.
    std::string digits;
    int exponent = 0;
    for (int precision = 1; precision <= 9; ++precision) {
        const std::string text = scientific(std::fabs(value), precision);
        const std::size_t e = text.find('e');
        digits.clear();
        for (char c : text.substr(0, e))
            if (isDigit(c))
                digits += c;
        exponent = std::stoi(text.substr(e + 1));
        const std::optional<double> back = parseDecimal(text);
        if (back && static_cast<float>(*back) == std::fabs(value))
            break;
    }
    const int count = static_cast<int>(digits.size());
    std::string fixed;
    if (exponent >= count - 1) {
        // A whole number is written whole, with all its digits, as the nearest text of its length.
        char text[48];
        std::snprintf(text, sizeof text, "%.0f", std::fabs(value));
        fixed = text;
    } else if (exponent >= 0)
        fixed = digits.substr(0, static_cast<std::size_t>(exponent) + 1) + '.' +
                digits.substr(static_cast<std::size_t>(exponent) + 1);
    else
        fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const std::string power = std::to_string(std::abs(exponent));
    const std::string scientific = digits.substr(0, 1) + (count > 1 ? "." + digits.substr(1) : "") +
                                   'e' + (exponent < 0 ? '-' : '+') +
                                   (power.size() < 2 ? "0" : "") + power;
    const std::string& shorter = fixed.size() <= scientific.size() ? fixed : scientific;
    return value < 0 ? '-' + shorter : shorter;
}
