// Writes the manual page's own sections for help2man to include: the keys and the mouse, the
// menus and the point file format, from the texts the program shows, so that they cannot drift.

#include "teach/session/commands.h"
#include "teach/session/help.h"

#include <iostream>
#include <sstream>
#include <string>

namespace {

// Text as roff reads it in any locale: a hyphen as a hyphen, three full stops for an ellipsis, and
// a line that starts with a mark kept as text.
std::string roff(std::string line) {
    for (std::size_t at; (at = line.find("…")) != std::string::npos;)
        line.replace(at, std::string_view("…").size(), "...");
    std::string text = line.starts_with('.') || line.starts_with('\'') ? "\\&" : "";
    for (char c : line) {
        if (c == '-' || c == '\\')
            text += '\\';
        text += c;
    }
    return text;
}

void keysAndMouse() {
    std::cout << "[KEYS AND MOUSE]\n";
    std::istringstream lines(keyboardAndMouseHelp());
    for (std::string line; std::getline(lines, line);) {
        if (line == "Mouse" || line == "Keyboard")
            std::cout << ".SS " << line << '\n';
        else if (line.empty())
            std::cout << ".PP\n";
        else
            std::cout << roff(line) << "\n.br\n";
    }
}

void menus() {
    std::cout << "[MENUS]\n";
    std::string_view menu;
    for (const CommandEntry& entry : Commands) {
        if (entry.menu != menu) {
            menu = entry.menu;
            std::string title(menu);
            std::erase(title, '&');
            std::cout << ".SS " << title << '\n';
        }
        std::string keys;
        for (std::string_view key : entry.keys)
            if (!key.empty())
                keys += (keys.empty() ? "" : ", ") + std::string(key);
        std::string line(entry.text);
        if (!keys.empty())
            line += " (" + keys + ')';
        if (entry.checkable)
            line += ", on or off";
        std::cout << roff(line) << "\n.br\n";
    }
}

void pointFiles() {
    std::cout << "[POINT FILE FORMAT]\n";
    std::istringstream paragraphs(pointFileFormat());
    for (std::string paragraph; std::getline(paragraphs, paragraph);)
        std::cout << ".PP\n" << roff(paragraph) << '\n';
}

} // namespace

int main() {
    keysAndMouse();
    menus();
    pointFiles();
    std::cout << "[EXAMPLES]\n"
                 ".TP\n"
              << roff("convex-hull --zoom 1.75 --paused --show-each-step --point-numbers "
                      "lecture.txt")
              << "\nA lecture on a 1920 x 1080 projector: the whole window larger, the run "
                 "starting paused at its first triangle, each step marked and told, every point "
                 "numbered.\n";
}
