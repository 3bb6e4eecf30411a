#include "teach/pictures/svg_element.h"

void appendElement(std::string& svg, const char* name,
                   std::initializer_list<SvgAttribute> attributes, const std::string& text) {
    svg += '<';
    svg += name;
    for (const SvgAttribute& attribute : attributes) {
        svg += ' ';
        svg += attribute.name;
        svg += "=\"";
        svg += attribute.value;
        svg += '"';
    }
    if (text.empty()) {
        svg += "/>\n";
        return;
    }
    svg += '>';
    svg += text;
    svg += "</";
    svg += name;
    svg += ">\n";
}
