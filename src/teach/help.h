#pragma once

#include <string>

// What Help > Keyboard and Mouse says: the mouse, the keys of the window's controls and every
// command's keys, as the menus show them.
std::string keyboardAndMouseHelp();

// What Help > About Convex Hull says.
std::string aboutText(const std::string& version);
