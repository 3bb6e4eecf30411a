#pragma once

#include "engine/modhull.h"
#include "form/area.h"
#include "form/fmhull.h"
#include "form/kept_controls.h"
#include "teach/files/lesson_link.h"
#include "teach/files/point_file.h"
#include "teach/pictures/drawing_log.h"
#include "teach/run/lesson.h"
#include "teach/run/message_watch.h"
#include "teach/run/point_input.h"
#include "teach/run/point_list.h"
#include "teach/run/run_cost.h"
#include "teach/run/shown_view.h"
#include "teach/run/timer_hold.h"
#include "teach/session/commands.h"
#include "teach/session/screen.h"

#include <functional>
#include <optional>
#include <string>

// What a face brings to a session: its drawing area, its step timer and its message boxes.
struct FaceServices {
    Surface& drawing;
    Timer& timer;
    Desktop& desktop;
};

// The whole program but its face: the window Fmhull with the teaching layer and the lecturer's
// tools. It is the one way in: a front end passes every event, command, answer and speed through
// its members and shows what its screen() describes. The controls that only keep their state are
// its own.
class Session {
  public:
    // The session puts its drawing log, timer hold and message watch between the face's services
    // and the window.
    Session(Modhull& points, const FaceServices& face, LessonView& view);

    // The window's own events. Each does nothing while its control is disabled, while a message
    // box waits for its answer, as behind a modal box, or once the program has ended. A run-time
    // error is reported in a message box and ends the program.
    void load();
    // A press on the drawing area, in twips: a click.
    void click(int button, int shift, float x, float y);
    // A press that may begin a drag: on a point's dot, where points can move (before a run, while
    // it is paused and after it), it waits for the release, which tells a drag from a click (true);
    // anywhere else it is a click at once (false).
    bool press(int button, int shift, float x, float y);
    // While a press on a dot is held: the point follows, and once it has moved, so does the run
    // shown, worked out again to the same step.
    void drag(float x, float y);
    // The press is let go: a press that did not move is a click where it was made.
    void release(float x, float y);
    // The point whose dot is under a press there, within 6 pixels, where points can move; else 0.
    int16_t dotToMove(float x, float y) const;
    void pressStart();
    void pressReset();
    void pressEnd();
    // The speed bar has moved to this position.
    void setSpeed(int position);
    // The message box open has been answered.
    void answer(int answer);
    void tick();
    // The window was closed: the program ends at once, whatever it is doing.
    void close();
    // Runs a front end's own work on the session's terms, as an event: writing an export.
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
    // Carries out a command of its own; those the table marks as the face's are the front end's,
    // which hands what it asks for to the session's members.
    void perform(Command command);

    // Enters a point typed in as a click at that place would, or says in a message box why not.
    void addPoint(std::string_view x, std::string_view y);
    // Replaces the points with so many random ones of that shape.
    void randomPoints(int count, RandomShape shape, unsigned seed);
    // Replaces the points with those read from the named file, or says why it cannot.
    void openPoints(const std::string& name, const PointFile& file);
    // Writes the points to the named file, or says why it cannot.
    void savePoints(const std::string& name);
    // Opens the lesson a link holds, paused at its step, or says why it cannot; during a run the
    // status asks for RESET first and nothing changes.
    void openLink(std::string_view text);
    // The timeline: shows the run as a run paused at that step would, pausing it; at the last step
    // the question waits for Step Forward. A step past either end is the end.
    void scrubTo(int step);
    // One orientation test on (1) or back (-1), across the ends of steps.
    void scrubByTest(int direction);
    // Says this in the status line and to a screen reader at once.
    void tellAndSay(const std::string& text);
    // Reports in a message box that something cannot be done with a file, and why.
    void reportFileProblem(const std::string& what, const std::string& name,
                           const std::string& problem);

    // What the front end shows.
    // Whether View > Point List is on, and the rows it shows as the run stands.
    bool listsThePoints() const { return listsPoints; }
    std::vector<PointRow> pointRows() const;
    // Whether View > Show the Code is on, and the code as the step shown stands.
    bool showsTheCode() const { return showsCode; }
    CodeShown code() const { return lesson.code(); }
    // Whether View > Cost of the Run is on, and the run's costs beside those of random sets.
    bool showsTheCost() const { return showsCost; }
    CostCurves costs() const;
    // The points, the step and the views as a link's fragment.
    std::string link() const;
    // The points as a point file holds them.
    std::string pointsText() const;
    // Everything drawn on the drawing area since it was last cleared, in order.
    const std::vector<DrawCall>& drawn() const { return drawing.calls(); }
    // View > Compare With's run beside the one shown, while there is one.
    const ComparedRun* comparedRun() const { return lesson.compared(); }
    // The run: the step shown (-1 before a run), whether it is paused or going on, whether its
    // steps are told beside the drawing.
    int shownStep() const;
    bool isPaused() const { return lesson.isPaused(); }
    bool isRunning() const;
    bool tellsEachStep() const { return lesson.tellsEachStep(); }
    bool hasEnded() const { return watch.hasEnded(); }
    // Every command of the table as the menus show it now.
    std::vector<CommandShown> commands() const;
    // All that both faces show beside the picture and their own controls, the marks placed in
    // the pixels of a drawing area of that many twips to a pixel.
    ShownScreen screen(double twipsPerPixel = area::TwipsPerPixel) const;
    std::optional<ComparedShown> comparedShown(double twipsPerPixel) const;
    // Where the run stands on the timeline, in numbers and in words.
    TimelineShown timeline() const;
    // The drawing and the compared one side by side, each under its algorithm's name, as one SVG
    // drawing of two pictures of that size; with marks, the drawing's as given and the compared
    // one's as it shows them. The drawing alone while nothing is compared.
    std::string sideBySide(int width, int height, double twipsPerPixel, Color background,
                           std::optional<std::vector<MarkShape>> marks) const;
    // The window's controls as they stand.
    const KeptControls& controls() const { return kept; }
    // The step's marks as the drawing shows them.
    const Overlay& marks() const { return shown.marks; }

  private:
    friend class SessionProbe;

    void guard(const std::function<void()>& handler);
    void addTyped(std::string_view x, std::string_view y);
    void openLinked(std::string_view text);
    bool canMovePoints() const;
    // The points entered again after a move or an undo, and a run they had worked out again to the
    // step it stood at, or why it can no longer start.
    void keepingTheRun(const std::function<void()>& change, const std::string& told);

    Modhull& points;
    KeptControls kept;
    ShownView shown;
    TimerHold hold;
    MessageWatch watch;
    DrawingLog drawing;
    Fmhull form;
    Lesson lesson;
    PointInput input;
    std::function<void()> refreshed;
    bool listsPoints = false;
    bool showsCode = false;
    bool showsCost = false;
    bool showsTimeline = false;
    // A press on a dot, until it is let go.
    struct HeldDot {
        int16_t point;
        int button, shift;
        float x, y;
        bool moved = false;
        // Whether a move or a release there makes the press a drag.
        bool draggedTo(float toX, float toY) const;
    };
    std::optional<HeldDot> held;
    mutable CostCurves compared;
    // The other algorithms' costs on the run's points, and those points.
    mutable CostCurves others;
    mutable std::vector<area::Spot> othersOn;
};
