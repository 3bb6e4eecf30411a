#pragma once

// The instruction and notes texts as the window must show them, byte for byte.

inline constexpr const char* InstructionsText =
    "1. Click mouse to input points.\n"
    "2. Press START button to start the algorithm.\n"
    "3. Press RESET button to clear the background and input points again.\n"
    "4. Press END button to quit this programme.\n"
    "5. Slide the scrollbar to adjust the speed of the algorithm.";

inline constexpr const char* NotesText =
    "1. You must input at least 3 non-collinear points before the START button is enabled.\n"
    "2. You may input at most 500 points.";
