#pragma once

// Conversions between the program's units and Qt's.

#include "form/services.h"

#include <QColor>
#include <QScreen>
#include <QString>
#include <QWidget>

#include <string_view>

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The program's colours are 0xBBGGRR values.
inline QColor toQColor(Color color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// Positions are in twips, 1440 to the logical inch: 15 to a pixel at 96 DPI.
inline double twipsPerPixel(const QWidget& widget) {
    return 1440.0 / widget.screen()->logicalDotsPerInchX();
}

inline int pixelsOf(int twips, const QWidget& widget) {
    return qRound(twips / twipsPerPixel(widget));
}
