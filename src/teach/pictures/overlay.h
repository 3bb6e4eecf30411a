#pragma once

#include "form/area.h"
#include "form/services.h"

#include <optional>
#include <vector>

// The marks' colours, 0xBBGGRR: the obsolete edges red, the hull's corners dark blue, the
// inserted point orange, the points' numbers black, the edge under test inside a step green.
namespace marks {
inline constexpr Color Obsolete = 0x0000DC;
inline constexpr Color Corner = 0x8C0000;
inline constexpr Color Inserted = 0x0080FF;
inline constexpr Color Number = 0x000000;
inline constexpr Color Tested = 0x00A000;

// Their shapes, in pixels of the drawing area at its own size; a picture drawn larger scales them.
inline constexpr int Pen = 2;
inline constexpr int DashOn = 6, DashOff = 4;
inline constexpr int CornerHalf = 4;
inline constexpr int RingRadius = 8;
// A number stands this far beside its dot, in bold type of this many pixels, its digits about
// as wide and as high as given.
inline constexpr int NumberGap = 4;
inline constexpr int NumberPixels = 11;
inline constexpr int DigitWidth = 7;
inline constexpr int DigitHeight = 8;
} // namespace marks

// Marks drawn over the drawing surface to show what a step did, never into its picture.
// Positions are twips of the surface.
struct Overlay {
    using Spot = area::Spot;
    struct Segment {
        Spot from, to;
        bool operator==(const Segment&) const = default;
    };

    // The corners of the hull as it stands.
    std::vector<Spot> corners;
    // The point the step inserted.
    std::optional<Spot> inserted;
    // The edges the step made obsolete.
    std::vector<Segment> obsolete;
    // Inside a step, the edge just tested.
    std::optional<Segment> tested;
    // A point's number near its dot: its baseline begins `dx`, `dy` pixels from the dot's centre,
    // or ends there when `endsAtX`.
    struct Number {
        Spot at;
        int dx = marks::NumberGap, dy = -marks::NumberGap;
        bool endsAtX = false;
        bool operator==(const Number&) const = default;
    };
    // Each point in its numbering: point k at numbers[k - 1].
    std::vector<Number> numbers;

    bool operator==(const Overlay&) const = default;
};
