#pragma once

// The main window's fixed layout. Positions and sizes are twips of the client area.

#include "form/services.h"

#include <array>
#include <optional>
#include <string_view>

struct FontStyle {
    std::string_view face;
    double points;
    bool bold;
    bool italic;
};

struct ControlLayout {
    std::string_view name;
    std::string_view caption;
    int left, top, width, height;
    FontStyle font;
    // The face of a button or the background of an opaque control; none for the defaults.
    std::optional<Color> color;
    // What a screen reader calls a control that shows no text of its own.
    std::string_view accessibleName = {};
};

namespace layout {

inline constexpr FontStyle WindowFont{"MS Serif", 12, false, false};
inline constexpr Color WindowColor = 0xFFFF80;
inline constexpr int RestoredWidth = 4680;
inline constexpr int RestoredHeight = 3195;

// clang-format off
inline constexpr FontStyle NoFont       {"",                0,     false, false};
inline constexpr FontStyle Arial9       {"Arial",           9,     false, false};
inline constexpr FontStyle ArialBold    {"Arial",           9.75,  true,  false};
inline constexpr FontStyle TimesSmall   {"Times New Roman", 9.75,  true,  false};
inline constexpr FontStyle Times        {"Times New Roman", 12,    false, false};
inline constexpr FontStyle TimesBold    {"Times New Roman", 12,    true,  false};
inline constexpr FontStyle TimesItalic  {"Times New Roman", 12,    true,  true};
inline constexpr FontStyle TimesLarge   {"Times New Roman", 18,    true,  false};
inline constexpr FontStyle TimesTitle   {"Times New Roman", 20.25, true,  false};

// The controls in the order of their numbers; the timer, control 2, has no place.
inline constexpr ControlLayout
//             name         caption             left   top  width height font         colour    read as
    Hsbspeed  {"Hsbspeed",  "",                 8520, 7680, 2295,  255, NoFont,      {},       "Speed"},
    Cmdend    {"Cmdend",    "END",              6240, 7560, 1215,  615, TimesBold,   0x80FF80},
    Cmdreset  {"Cmdreset",  "RESET",            4440, 7560, 1215,  615, TimesBold,   0x80C0FF},
    Cmdstart  {"Cmdstart",  "START",            2640, 7560, 1215,  615, TimesBold,   0xFFC0FF},
    Pichull   {"Pichull",   "",                  240,  240, 7935, 7095, Arial9,      0xC0FFFF, "Drawing area"},
    Lblslow   {"Lblslow",   "slow",            10920, 7680,  495,  375, TimesItalic, {}},
    Lblfast   {"Lblfast",   "fast",             8040, 7680,  495,  375, TimesItalic, {}},
    Lblspeed  {"Lblspeed",  "Speed",            9360, 7200,  735,  375, TimesBold,   {}},
    Lblnote   {"Lblnote",   "",                 8640, 5280, 2895, 1815, Times,       {}},
    Lblnotes  {"Lblnotes",  "Notes",            9480, 4560, 1095,  495, TimesLarge,  {}},
    Lbltext   {"Lbltext",   "",                 8520, 1080, 2895, 2895, Times,       {}},
    Lblinstr  {"Lblinstr",  "Instructions",     8880,  360, 2175,  495, TimesTitle,  {}},
    Lblcount  {"Lblcount",  "",                 1320, 7560,  855,  615, ArialBold,   0xFFFFFF},
    Lblnumber {"Lblnumber", "Number of Points",  480, 7680,  735,  495, TimesSmall,  {}};
// clang-format on

// Every control that has a place, in the same order.
inline constexpr std::array<const ControlLayout*, 14> Placed{
    &Hsbspeed, &Cmdend,  &Cmdreset, &Cmdstart, &Pichull, &Lblslow,  &Lblfast,
    &Lblspeed, &Lblnote, &Lblnotes, &Lbltext,  &Lblinstr, &Lblcount, &Lblnumber};

// The scroll bar's range: the left end, under "fast", is 0.
inline constexpr int SpeedMinimum = 0;
inline constexpr int SpeedMaximum = 32767;
inline constexpr int SpeedSmallStep = 1000;
inline constexpr int SpeedLargeStep = 5000;

} // namespace layout
