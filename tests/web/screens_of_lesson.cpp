// The desktop core taken through a lesson, one action a line on its input: "click X Y" in twips,
// "press X Y", "drag X Y" and "release X Y" of a mouse button, "start", a command's id, or a key on
// the timeline ("key:End", "key:Shift+ArrowLeft"). After each it writes the screen both faces
// show, as one line of JSON.

#include "fake_window.h"
#include "teach/files/json_writer.h"

#include <iostream>
#include <sstream>

// A key on the timeline, as a slider takes it: by steps, or with Shift by tests.
void pressOnTimeline(Session& session, const std::string& key) {
    const TimelineShown at = session.timeline();
    if (key == "Home")
        session.scrubTo(0);
    else if (key == "End")
        session.scrubTo(at.steps);
    else if (key == "ArrowLeft" || key == "ArrowRight")
        session.scrubTo(at.step + (key == "ArrowRight" ? 1 : -1));
    else
        session.scrubByTest(key == "Shift+ArrowRight" ? 1 : -1);
}

int main() {
    FakeWindow w;
    w.session.load();
    for (std::string line; std::getline(std::cin, line);) {
        std::istringstream action(line);
        std::string verb;
        action >> verb;
        if (float x, y; verb == "click" && action >> x >> y)
            w.session.click(1, 0, x, y);
        else if (verb == "press" && action >> x >> y)
            w.session.press(1, 0, x, y);
        else if (verb == "drag" && action >> x >> y)
            w.session.drag(x, y);
        else if (verb == "release" && action >> x >> y)
            w.session.release(x, y);
        else if (verb == "start")
            w.session.pressStart();

        else if (verb.starts_with("key:"))
            pressOnTimeline(w.session, verb.substr(4));
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
