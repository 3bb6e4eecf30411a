#pragma once

#include "window/services.h"

#include <QColor>

// The program's colours are 0xBBGGRR values.
inline QColor toQColor(Color color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}
