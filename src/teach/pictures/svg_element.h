#pragma once

#include <initializer_list>
#include <string>

struct SvgAttribute {
    const char* name;
    std::string value;
};

// Appends an SVG element on a line of its own: empty, or holding the text.
void appendElement(std::string& svg, const char* name,
                   std::initializer_list<SvgAttribute> attributes, const std::string& text = {});
