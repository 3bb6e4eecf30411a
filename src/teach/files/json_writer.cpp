#include "teach/files/json_writer.h"

#include "teach/files/numbers.h"

#include <cstdio>

std::string jsonString(std::string_view text) {
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

void JsonWriter::separate() {
    if (afterValue)
        out += ',';
    afterValue = false;
}

JsonWriter& JsonWriter::open(char bracket) {
    separate();
    out += bracket;
    return *this;
}

JsonWriter& JsonWriter::close(char bracket) {
    out += bracket;
    afterValue = true;
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    separate();
    out += jsonString(name);
    out += ':';
    return *this;
}

JsonWriter& JsonWriter::raw(std::string_view json) {
    separate();
    out += json;
    afterValue = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
    return raw(jsonString(text));
}

JsonWriter& JsonWriter::value(double number) {
    return raw(shortestText(static_cast<float>(number)));
}
