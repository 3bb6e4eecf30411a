// The desktop core taken through a lesson, one action a line on its input: "click X Y" in twips,
// "start", or a command's id. After each it writes the screen both faces show, as one line of JSON.

#include "fake_window.h"
#include "teach/files/json_writer.h"

#include <iostream>
#include <sstream>

int main() {
    FakeWindow w;
    w.session.load();
    for (std::string line; std::getline(std::cin, line);) {
        std::istringstream action(line);
        std::string verb;
        action >> verb;
        if (float x, y; verb == "click" && action >> x >> y)
            w.session.click(1, 0, x, y);
        else if (verb == "start")
            w.session.pressStart();
        else if (const CommandEntry* entry = entryWithId(verb))
            w.session.perform(entry->command);
        else
            return std::cerr << "no such action: " << line << '\n', 2;
        JsonWriter json;
        json.beginObject();
        writeScreen(json, w.session.screen());
        std::cout << json.endObject().text() << '\n';
    }
}
