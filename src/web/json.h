#pragma once

// Just enough JSON for the page's state: strings escaped, numbers as they are.

#include <cstdio>
#include <string>
#include <string_view>

inline std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

inline std::string jsonBool(bool value) {
    return value ? "true" : "false";
}
