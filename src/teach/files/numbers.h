#pragma once

// Numbers as files hold them, the same whatever the user's locale and whichever C++ library the
// program is built with.

#include <optional>
#include <string>
#include <string_view>

// A decimal number: an optional sign, digits with an optional point, an optional exponent; or
// "inf", "infinity" or "nan" in any case. Nothing else, not even a space.
std::optional<double> parseDecimal(std::string_view text);

// The shortest text that reads back as the same single, in fixed or exponent form, whichever is
// shorter: 7860, 0.1, 1e+20.
std::string shortestText(float value);
