#pragma once

#include "engine/modhull.h"
#include "form/fmhull.h"
#include "teach/commands.h"
#include "teach/drawing_log.h"
#include "teach/lesson_link.h"
#include "teach/lesson.h"
#include "teach/message_watch.h"
#include "teach/point_file.h"
#include "teach/point_input.h"
#include "teach/point_list.h"
#include "teach/timer_hold.h"

#include <functional>
#include <string>

// The whole program but its face: the window Fmhull with the teaching layer and the lecturer's
// tools, wired to a front end's controls. A front end builds one, passes every event and command
// in through handle() or perform(), and shows what it says.
class Session {
  public:
    // The controls are the front end's own; the session puts its drawing log, timer hold and
    // message watch between them and the window.
    Session(Modhull& points, const Controls& controls, LessonView& view);

    // Runs the handler of an event (a click, a button, the timer, a command). Nothing runs while a
    // message box waits for its answer, as behind a modal box, nor once the program has ended. A
    // run-time error is reported in a message box and ends the program.
    void handle(const std::function<void()>& handler);
    // Called after every event and every answer, for the front end to show the commands anew.
    void afterEachEvent(std::function<void()> refresh) { refreshed = std::move(refresh); }

    bool isEnabled(Command command) const;
    bool isChecked(Command command) const;
    // Why a command that needs a run cannot act yet; empty when it can, or when nothing needs
    // saying.
    std::string_view whyDisabled(Command command) const;
    // The text a menu shows now: Pause reads Resume while paused.
    std::string_view textOf(Command command) const;
    // Carries out a command that needs nothing more from the user; those that ask for a file or a
    // number first are carried out by the front end through the session's members.
    void perform(Command command);

    // Enters a point typed in as a click at that place would, or says in a message box why not.
    void addPoint(std::string_view x, std::string_view y);
    // Replaces the points with so many random ones of that shape.
    void randomPoints(int count, RandomShape shape, unsigned seed);
    // Replaces the points with those read from the named file, or says why it cannot.
    void openPoints(const std::string& name, const PointFile& file);
    // Opens the lesson a link holds, paused at its step, or says why it cannot; during a run the
    // status asks for RESET first and nothing changes.
    void openLink(std::string_view text);
    // Whether View > Point List is on, and the rows it shows as the run stands.
    bool listsThePoints() const { return listsPoints; }
    std::vector<PointRow> pointRows() const;
    // The points, the step and the views as a link's fragment.
    std::string link() const;
    // Reports in a message box that something cannot be done with a file, and why.
    void reportFileProblem(const std::string& what, const std::string& name,
                           const std::string& problem);

    Modhull& points;
    TimerHold hold;
    MessageWatch watch;
    DrawingLog drawing;
    Fmhull form;
    Lesson lesson;
    PointInput input;

  private:
    void guard(const std::function<void()>& handler);
    void tellAndSay(const std::string& text);

    LessonView& view;
    std::function<void()> refreshed;
    bool listsPoints = false;
};
