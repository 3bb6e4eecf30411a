#pragma once

#include <cstdint>
#include <string>

// The count label shows the number on its second line.
inline std::string countCaption(int16_t count) {
    std::string caption = "\n";
    caption += std::to_string(count);
    return caption;
}
