#include "teach/session/session.h"

#include "engine/checked.h"
#include "form/area.h"
#include "teach/files/numbers.h"
#include "teach/words/spoken.h"

#include <algorithm>
#include <utility>

Session::Session(Modhull& points, const FaceServices& face, LessonView& view)
    : points(points), shown(view), hold(face.timer), watch(face.desktop), drawing(face.drawing),
      form(points, Controls{drawing, kept.Cmdstart, kept.Cmdreset, kept.Lblcount, kept.Lbltext,
                            kept.Lblnote, kept.Hsbspeed, hold, watch}),
      lesson(form, points, drawing, kept.Cmdreset, hold, watch, shown),
      input(form, points, lesson) {
    // The face shows the step that ends the run before its question covers the window.
    watch.beforeEachMessage([this] {
        lesson.beforeMessage();
        if (refreshed)
            refreshed();
    });
    watch.answerThrough([this](const std::function<void()>& then) {
        guard([&] {
            then();
            lesson.show();
        });
    });
}

void Session::handle(const std::function<void()>& handler) {
    if (watch.isAsking() || watch.hasEnded())
        return;
    guard(handler);
}

void Session::load() {
    handle([this] { form.Form_Load(); });
}

void Session::click(int button, int shift, float x, float y) {
    if (drawing.isEnabled())
        handle([&] { input.click(button, shift, x, y); });
}

// A dot is this near, in pixels of the drawing at its own size; a press must move this far to be a
// drag.
constexpr float DotReach = 6 * area::TwipsPerPixel, DragStart = 3 * area::TwipsPerPixel;

namespace {

// Where a point dragged to (x, y) lands: the nearest place in the area.
area::Spot inArea(float x, float y) {
    return {std::clamp(x, 0.0f, area::MaxX), std::clamp(y, 0.0f, area::MaxY)};
}

} // namespace

bool Session::HeldDot::draggedTo(float toX, float toY) const {
    const float dx = toX - x, dy = toY - y;
    return moved || dx * dx + dy * dy >= DragStart * DragStart;
}

bool Session::canMovePoints() const {
    return !watch.isAsking() && !watch.hasEnded() &&
           (drawing.isEnabled() || (lesson.hasRun() && !isRunning()));
}

// The nearest dot within reach.
int16_t Session::dotToMove(float x, float y) const {
    if (!canMovePoints())
        return 0;
    int16_t nearest = 0;
    float best = DotReach * DotReach;
    for (int16_t i = 1; i <= points.Pointcount; ++i) {
        const float dx = points.Xcoord(i) - x, dy = points.Ycoord(i) - y;
        if (dx * dx + dy * dy <= best) {
            best = dx * dx + dy * dy;
            nearest = i;
        }
    }
    return nearest;
}

bool Session::press(int button, int shift, float x, float y) {
    held.reset();
    if (const int16_t dot = dotToMove(x, y); dot != 0) {
        held = HeldDot{dot, button, shift, x, y};
        return true;
    }
    click(button, shift, x, y);
    return false;
}

void Session::drag(float x, float y) {
    if (!held || !canMovePoints() || !held->draggedTo(x, y))
        return;
    const area::Spot to = inArea(x, y);
    const HeldDot was = *held;
    held->moved = true;
    // Said once, at the release: a drag is not told position by position.
    shown.muted = true;
    handle([&] { keepingTheRun([&] { input.move(was.point, to, was.moved); }, {}); });
    shown.muted = false;
    // START may have renumbered the points: the one dragged is the one where it was put.
    for (int16_t i = 1; i <= points.Pointcount; ++i)
        if (points.Xcoord(i) == to.x && points.Ycoord(i) == to.y)
            held->point = i;
}

void Session::release(float x, float y) {
    if (!held)
        return;
    const HeldDot was = *std::exchange(held, std::nullopt);
    // A release far from its press is a drag, whether or not a move came between them.
    if (!was.draggedTo(x, y)) {
        click(was.button, was.shift, was.x, was.y);
        return;
    }
    if (!canMovePoints())
        return;
    const area::Spot to = inArea(x, y);
    handle([&] {
        keepingTheRun([&] { input.move(was.point, to, was.moved); },
                      "Point " + std::to_string(was.point) + " moved, " + placeOf(to.x, to.y) +
                          '.');
    });
}

void Session::keepingTheRun(const std::function<void()>& change, const std::string& told) {
    const int step = lesson.hasRun() ? lesson.step() : -1;
    change();
    // START's own rule: three points that do not lie on one line.
    const bool canStart = kept.Cmdstart.enabled;
    if (step >= 0 && canStart)
        lesson.openAt(std::min(step, points.Pointcount - 3));
    if (told.empty())
        return;
    if (step >= 0 && !canStart)
        return tellAndSay(told + " The first three points now lie on one line: the run cannot "
                                 "start, and the points can be entered again.");
    lesson.tellToo(told);
    lesson.say(told);
}

void Session::pressStart() {
    if (kept.Cmdstart.enabled)
        handle([this] { lesson.start(); });
}

void Session::pressReset() {
    if (kept.Cmdreset.enabled)
        handle([this] { lesson.reset(); });
}

void Session::pressEnd() {
    handle([this] { form.Cmdend_Click(); });
}

void Session::setSpeed(int position) {
    kept.Hsbspeed.position = static_cast<int16_t>(
        std::clamp(position, layout::SpeedMinimum, int{kept.Hsbspeed.maximum}));
    handle([this] { form.Hsbspeed_Change(); });
}

void Session::answer(int answer) {
    watch.answer(answer);
}

// A tick that was already on its way when the run was paused or ended does nothing.
void Session::tick() {
    if (hold.isEnabled() && !hold.isHeld())
        handle([this] { lesson.tick(); });
}

void Session::close() {
    watch.end(0);
}

void Session::guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const RuntimeError& error) {
        watch.reportError(error.what(), Title);
    }
    if (refreshed)
        refreshed();
}

bool Session::isEnabled(Command command) const {
    if (watch.isAsking() || watch.hasEnded())
        return false;
    const RunActions run = lesson.actions();
    switch (command) {
    case Command::OpenPoints:
    case Command::OpenLessonLink:
    case Command::RandomPoints:
        return input.canReplace();
    case Command::SavePointsAs:
        return points.Pointcount > 0;
    case Command::UndoLastPoint:
        return canMovePoints() && input.canUndo();
    case Command::AddPoint:
        return drawing.isEnabled();
    case Command::PauseOrResume:
        return run.pause;
    case Command::StepForward:
        return run.stepForward;
    case Command::StepInto:
        return run.stepInto;
    case Command::StepBack:
        return run.stepBack;
    case Command::RunAgain:
        return run.runAgain;
    case Command::ExportPicture:
    case Command::CopyLink:
    case Command::Quit:
    case Command::StartPaused:
    case Command::ReadTheHull:
    case Command::ShowEachStep:
    case Command::ShowPointNumbers:
    case Command::ShowPointList:
    case Command::ShowTheCode:
    case Command::ShowCostOfRun:
    case Command::ShowTimeline:
    case Command::KeyboardAndMouse:
    case Command::WhatTheMarksMean:
    case Command::About:
    case Command::AlgorithmIncremental:
    case Command::AlgorithmGiftWrapping:
    case Command::AlgorithmMonotoneChain:
    case Command::AlgorithmQuickhull:
    case Command::CompareWithNone:
    case Command::CompareWithIncremental:
    case Command::CompareWithGiftWrapping:
    case Command::CompareWithMonotoneChain:
    case Command::CompareWithQuickhull:
    case Command::CompareBySteps:
        break;
    }
    return true;
}

bool Session::isChecked(Command command) const {
    return (command == Command::StartPaused && lesson.startsPausedRun()) ||
           (command == Command::ShowEachStep && lesson.showsEachStep()) ||
           (command == Command::ShowPointNumbers && lesson.showsPointNumbers()) ||
           (command == Command::ShowPointList && listsPoints) ||
           (command == Command::ShowTheCode && showsCode) ||
           (command == Command::ShowCostOfRun && showsCost) ||
           (command == Command::ShowTimeline && showsTimeline) ||
           (command == Command::CompareBySteps && lesson.comparesBySteps()) ||
           (choosesAlgorithm(command) &&
            static_cast<int>(lesson.algorithm()) == algorithmChosenBy(command)) ||
           (choosesCompared(command) &&
            (lesson.comparedWith() ? static_cast<int>(*lesson.comparedWith()) : -1) ==
                algorithmComparedBy(command));
}

std::string_view Session::whyDisabled(Command command) const {
    if (watch.isAsking() || watch.hasEnded() || isEnabled(command))
        return {};
    if (command == Command::RunAgain)
        return lesson.hasRun() ? "Run Again acts once the run is paused or finished: press P first."
                               : "Run Again shows a run again once START has begun one.";
    const bool runCommand = command == Command::PauseOrResume || command == Command::StepForward ||
                            command == Command::StepInto;
    if (!runCommand || lesson.hasRun())
        return {};
    if (lesson.startsPausedRun())
        return "A run begins with START; it will begin paused at the first triangle.";
    return "A run begins with START. To step it from the first triangle, turn on Run > Start "
           "Paused first.";
}

std::string_view Session::textOf(Command command) const {
    if (command == Command::PauseOrResume && lesson.actions().paused)
        return "Resume";
    return entryOf(command).text;
}

void Session::perform(Command command) {
    if (!isEnabled(command) || entryOf(command).byFace)
        return;
    handle([this, command] {
        switch (command) {
        case Command::Quit:
            form.Cmdend_Click();
            break;
        case Command::UndoLastPoint:
            keepingTheRun([this] { input.undoLast(); }, {});
            break;
        case Command::PauseOrResume:
            lesson.pauseOrResume();
            break;
        case Command::StepForward:
            lesson.stepForward();
            break;
        case Command::StepInto:
            lesson.stepInto();
            break;
        case Command::StepBack:
            lesson.stepBack();
            break;
        case Command::RunAgain:
            lesson.runAgain();
            break;
        case Command::StartPaused:
            lesson.startPaused(!lesson.startsPausedRun());
            break;
        case Command::ReadTheHull:
            lesson.readTheHull();
            break;
        case Command::ShowEachStep:
            lesson.showEachStep(!lesson.showsEachStep());
            break;
        case Command::ShowPointNumbers:
            lesson.showPointNumbers(!lesson.showsPointNumbers());
            break;
        case Command::ShowPointList:
            listsPoints = !listsPoints;
            break;
        case Command::ShowTheCode:
            showsCode = !showsCode;
            break;
        case Command::ShowCostOfRun:
            showsCost = !showsCost;
            break;
        case Command::ShowTimeline:
            showsTimeline = !showsTimeline;
            break;
        case Command::CompareBySteps:
            lesson.compareBySteps(!lesson.comparesBySteps());
            break;
        default:
            if (choosesCompared(command))
                lesson.compareWith(algorithmComparedBy(command) < 0
                                       ? std::nullopt
                                       : std::optional(static_cast<Algorithm>(algorithmComparedBy(command))));
            // A run under way or finished begins again on the same points, paused at its start.
            if (choosesAlgorithm(command)) {
                lesson.chooseAlgorithm(static_cast<Algorithm>(algorithmChosenBy(command)));
                if (lesson.hasRun())
                    lesson.openAt(0);
            }
            break;
        }
        // A check mark cannot be heard: a screen reader says what the key turned on or off, and
        // a plot its totals.
        const CommandEntry& entry = entryOf(command);
        const bool plotted = command == Command::ShowCostOfRun && showsCost;
        if (!entry.group.empty())
            shown.announce(std::string(entry.group) + ": " + std::string(entry.text) +
                               (choosesAlgorithm(command) && lesson.hasRun() ? ", paused at its start." : "."),
                           true);
        else if (entry.checkable)
            shown.announce(std::string(entry.text) + (isChecked(command) ? " on" : " off") +
                               (plotted ? ". " + costInWords(costs()) : ""),
                           true);
    });
}

void Session::openPoints(const std::string& name, const PointFile& file) {
    if (!input.canReplace())
        return;
    handle([&] {
        if (!file.error.empty()) {
            reportFileProblem("Cannot open the points in", name, file.error);
            return;
        }
        input.replaceAll(file.points);
        lesson.say(std::to_string(points.Pointcount) + " points from " + name);
        if (file.fitted)
            tellAndSay("The points of " + name +
                       " did not all lie in the drawing area: they "
                       "were scaled and moved to fit it.");
    });
}

void Session::savePoints(const std::string& name) {
    handle([&] {
        const std::string problem = writePointFile(name, points);
        if (!problem.empty())
            reportFileProblem("Cannot save the points in", name, problem);
    });
}

void Session::addPoint(std::string_view x, std::string_view y) {
    handle([&] { addTyped(x, y); });
}

void Session::addTyped(std::string_view x, std::string_view y) {
    auto coordinate = [](std::string_view text, float most) -> std::optional<float> {
        const std::optional<double> value = parseDecimal(text);
        if (value && *value >= 0 && *value <= most)
            return static_cast<float>(*value);
        return std::nullopt;
    };
    const std::optional<float> across = coordinate(x, area::MaxX);
    const std::optional<float> down = coordinate(y, area::MaxY);
    if (!across || !down) {
        const bool badX = !across;
        watch.messageBox(std::string("Cannot add the point:\n") + (badX ? "X" : "Y") +
                             " must be a number from 0 to " +
                             std::to_string(static_cast<int>(badX ? area::MaxX : area::MaxY)) +
                             " twips, not " + inQuotes(badX ? x : y) + '.',
                         Critical, Title, {});
        return;
    }
    if (drawing.isEnabled())
        input.click(1, 0, *across, *down);
}

void Session::randomPoints(int count, RandomShape shape, unsigned seed) {
    if (!input.canReplace())
        return;
    handle([&] {
        std::mt19937 random(seed);
        input.replaceAll(::randomPoints(count, shape, random));
        lesson.say(std::to_string(points.Pointcount) + " random points");
    });
}

// In the status line, and to a screen reader, which hears the steps but not the status line.
void Session::tellAndSay(const std::string& text) {
    shown.showStatus(text);
    shown.announce(text, true);
}

void Session::reportFileProblem(const std::string& what, const std::string& name,
                                const std::string& problem) {
    watch.messageBox(what + ' ' + name + ":\n" + problem, Critical, Title, {});
}

void Session::openLink(std::string_view text) {
    handle([&] { openLinked(text); });
}

void Session::openLinked(std::string_view text) {
    if (!input.canReplace()) {
        tellAndSay("A run is going on: press RESET first, then open the link again.");
        return;
    }
    const LessonLink link = readLink(text);
    if (!link.error.empty()) {
        watch.messageBox("This link holds no lesson the program can read:\n" + link.error, Critical,
                         Title, {});
        return;
    }
    input.replaceAll(link.points);
    lesson.say(std::to_string(points.Pointcount) + " points from the link");
    lesson.showEachStep(link.eachStep);
    lesson.showPointNumbers(link.pointNumbers);
    showsCode = link.code;
    showsCost = link.cost;
    listsPoints = link.pointList;
    lesson.chooseAlgorithm(link.algorithm > 0 ? static_cast<Algorithm>(link.algorithm)
                                              : Algorithm::Incremental);
    lesson.compareWith(link.compared >= 0 ? std::optional(static_cast<Algorithm>(link.compared)) : std::nullopt);
    const bool canStart = kept.Cmdstart.enabled;
    if (link.step >= 0 && canStart)
        lesson.openAt(link.step, link.test);
    if (link.fitted)
        lesson.tellToo("The link's points did not all lie in the drawing area: they were scaled "
                       "and moved to fit it.");
    if (link.step >= 0 && !canStart)
        lesson.tellToo("The link's step " + std::to_string(link.step) +
                       " is left out: a run needs three points that do not lie on one line.");
}

std::vector<PointRow> Session::pointRows() const {
    return lesson.pointRows();
}

CostCurves Session::costs() const {
    // The random sets cost a few milliseconds: they are counted again only for a new size.
    if (compared.points != points.Pointcount)
        compared = comparedCosts(points.Pointcount);
    CostCurves curves = compared;
    curves.run = lesson.runCost();
    // The other algorithms on the run's own points: counted again only when they change.
    if (lesson.hasRun()) {
        std::vector<area::Spot> spots;
        for (int16_t i = 1; i <= points.Pointcount; ++i)
            spots.push_back({points.Xcoord(i), points.Ycoord(i)});
        if (spots != othersOn) {
            othersOn = std::move(spots);
            others = CostCurves{};
            addAlgorithmCosts(others, points, lesson.wholeRunTests());
        }
        curves.giftWrapping = others.giftWrapping;
        curves.monotoneChain = others.monotoneChain;
        curves.quickhull = others.quickhull;
        curves.incremental = others.incremental;
        curves.chainComparisons = others.chainComparisons;
        if (lesson.algorithm() != Algorithm::Incremental)
            curves.runAlgorithm = nameOf(lesson.algorithm());
    }
    return curves;
}

std::string Session::pointsText() const {
    return formatPoints(points);
}

int Session::shownStep() const {
    return lesson.hasRun() ? lesson.step() : -1;
}

bool Session::isRunning() const {
    const RunActions run = lesson.actions();
    return run.pause && !run.paused;
}

std::string Session::link() const {
    LessonLink shown;
    for (int16_t i = 1; i <= points.Pointcount; ++i)
        shown.points.push_back({points.Xcoord(i), points.Ycoord(i)});
    shown.step = shownStep();
    if (const RunPosition at = lesson.position(); at.inside)
        shown.test = at.test;
    shown.eachStep = lesson.showsEachStep();
    shown.pointNumbers = lesson.showsPointNumbers();
    shown.code = showsCode;
    shown.cost = showsCost;
    shown.pointList = listsPoints;
    if (lesson.algorithm() != Algorithm::Incremental)
        shown.algorithm = static_cast<int>(lesson.algorithm());
    if (lesson.comparedWith())
        shown.compared = static_cast<int>(*lesson.comparedWith());
    return writeLink(shown);
}

std::vector<CommandShown> Session::commands() const {
    std::vector<CommandShown> shownNow;
    for (const CommandEntry& entry : Commands)
        shownNow.push_back({&entry, textOf(entry.command), isEnabled(entry.command),
                            isChecked(entry.command), whyDisabled(entry.command)});
    return shownNow;
}

ShownScreen Session::screen(double twipsPerPixel) const {
    ShownScreen screen{.controls = {.startEnabled = kept.Cmdstart.enabled,
                                    .startDefault = kept.Cmdstart.isDefault,
                                    .resetEnabled = kept.Cmdreset.enabled,
                                    .count = kept.Lblcount.caption,
                                    .text = kept.Lbltext.caption,
                                    .note = kept.Lblnote.caption},
                       .status = shown.status,
                       .step = shownStep(),
                       .tellsEachStep = lesson.tellsEachStep(),
                       .running = isRunning(),
                       .picture = drawing.revision(),
                       .marks = markShapes(shown.marks, twipsPerPixel),
                       .commands = commands(),
                       .ended = watch.hasEnded()};
    if (listsPoints)
        screen.pointList = pointRows();
    if (showsCode)
        screen.code = code();
    if (showsCost) {
        const CostCurves curves = costs();
        screen.cost = CostShown{curves, costInWords(curves)};
    }
    if (showsTimeline)
        screen.timeline = timeline();
    screen.compared = comparedShown(twipsPerPixel);
    if (watch.isAsking()) {
        const Message& asked = watch.asked();
        screen.question = QuestionShown{asked.title, asked.prompt, asked.style};
    }
    return screen;
}

std::optional<ComparedShown> Session::comparedShown(double twipsPerPixel) const {
    const ComparedRun* beside = lesson.compared();
    if (!beside)
        return {};
    Overlay overlay = beside->overlay();
    if (!lesson.showsEachStep())
        overlay.corners.clear();
    return ComparedShown{capitalized(nameOf(beside->algorithm())),
                         "beside " + std::string(nameOf(lesson.algorithm())) +
                             (lesson.comparesBySteps() ? ", step by step" : ", test by test"),
                         beside->sentence(), beside->picture().revision(), beside->picture().shared(),
                         markShapes(overlay, twipsPerPixel)};
}

std::string Session::sideBySide(int width, int height, double twipsPerPixel, Color background,
                                std::optional<std::vector<MarkShape>> marks) const {
    const std::string drawing = svgOf(drawn(), width, height, twipsPerPixel, background, marks.value_or(std::vector<MarkShape>{}));
    const std::optional<ComparedShown> beside = comparedShown(twipsPerPixel);
    if (!beside)
        return drawing;
    return sideBySideSvg(drawing,
                         svgOf(*beside->calls, width, height, twipsPerPixel, background,
                               marks ? beside->marks : std::vector<MarkShape>{}),
                         width, height, capitalized(nameOf(lesson.algorithm())), beside->title);
}

TimelineShown Session::timeline() const {
    if (!lesson.hasRun())
        return {};
    const RunPosition at = lesson.position();
    TimelineShown shown;
    shown.steps = at.steps;
    shown.step = at.step;
    shown.words = "step " + std::to_string(shown.step) + " of " + std::to_string(shown.steps);
    if (at.inside) {
        shown.test = at.test;
        shown.tests = at.tests;
        shown.words +=
            ", test " + std::to_string(shown.test) + " of " + std::to_string(shown.tests);
    }
    return shown;
}

void Session::scrubTo(int step) {
    if (lesson.hasRun() && !watch.isAsking())
        handle([&] { lesson.showAt(step); });
}

// One test on from where the run stands, as Step Into goes; one back, to the test before, or
// from a step's end to its last test.
void Session::scrubByTest(int direction) {
    if (!lesson.hasRun() || watch.isAsking())
        return;
    handle([&] {
        const RunPosition at = lesson.position();
        if (direction > 0 && at.inside)
            lesson.showAt(at.step, at.test == at.tests ? -1 : at.test + 1);
        else if (direction > 0)
            lesson.showAt(at.step + 1, at.step < at.steps ? 1 : -1);
        else if (at.inside)
            lesson.showAt(at.test > 1 ? at.step : at.step - 1, at.test - 1);
        else
            lesson.showAt(at.step, Modhull::Maxpoints * Modhull::Maxpoints);
        // A step without a test of its own, as a compared algorithm's past the run's end, is
        // passed whole.
        const RunPosition now = lesson.position();
        if (now.step == at.step && now.inside == at.inside && now.test == at.test)
            lesson.showAt(at.step + direction);
    });
}
