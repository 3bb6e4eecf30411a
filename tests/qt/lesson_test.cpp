// Runs paused, stepped and shown again through the real window and its menus, checked against a
// straight run in a second window, and what a step shows over the drawing and in the status line.

#include "message_answerer.h"
#include "screen_grab.h"
#include "session_probe.h"
#include "shown_window.h"
#include "teach/session/arrangement.h"
#include "teach/pictures/cost_plot.h"
#include "teach/pictures/raster.h"

#include <QAccessible>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolTip>

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {

// The real window, with what the test reads of the run.
struct Window : ShownWindow {
    // The step the picture shows: 0 for the first triangle; -1 during input.
    int step() {
        if (window.surface().isEnabled())
            return -1;
        return points.Pointcount == 3 ? 0 : form().Curpoint - 3;
    }
    Fmhull& form() { return SessionProbe::form(window.session()); }
    bool finished() { return step() >= 0 && !window.timer().isActive() && !paused(); }
    bool paused() { return window.session().isPaused(); }
    QString status() { return window.statusBar()->currentMessage(); }
};

// The points again, START, and ticks up to the given step.
std::unique_ptr<Window> straightRun(const std::vector<QPoint>& clicks, int step) {
    auto run = std::make_unique<Window>();
    for (QPoint p : clicks)
        run->click(p);
    run->press("Cmdstart");
    while (run->step() < step)
        run->window.session().tick();
    return run;
}

// The picture an export draws afresh from the drawing's calls.
std::vector<uint8_t> exported(Window& run) {
    return rasterize(run.window.session().drawn(), 525, 469, 15, 1, PictureBox::BackColor).rgba();
}

std::vector<QPoint> randomClicks(std::mt19937& random) {
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::vector<QPoint> clicks;
    const int n = between(3, 24);
    const int kind = between(0, 2);
    for (int i = 0; i < n; ++i) {
        if (kind == 0)
            clicks.emplace_back(between(0, 524), between(0, 468));
        else if (kind == 1) // a coarse grid: repeats, points on edges and in lines
            clicks.emplace_back(between(0, 4) * 100, between(0, 4) * 100);
        else // the first clicks on one line, repaired by later ones
            clicks.push_back(i < 4 ? QPoint(50 + 60 * i, 50 + 30 * i)
                                   : QPoint(between(0, 524), between(0, 468)));
    }
    return clicks;
}

// Random pauses, steps both ways, runs again and ticks: after every one the surface's picture and
// the hull are those of a straight run to the same step, and the screen shows the picture, with
// marks over it only while each step is shown.
TEST(Lesson, EveryCommandLeavesThePictureOfAStraightRunToTheSameStep) {
    MessageAnswerer answerer;
    std::mt19937 random(5);
    int compared = 0;
    for (int set = 0; set < 30; ++set) {
        const std::vector<QPoint> clicks = randomClicks(random);
        Window a;
        for (QPoint p : clicks)
            a.click(p);
        if (!a.enabled("Cmdstart"))
            continue;
        a.press("Cmdstart");
        std::unique_ptr<Window> b;
        CommandMenus& menu = a.window.menus();
        QAction* commands[] = {&menu.action(Command::PauseOrResume),
                               &menu.action(Command::StepForward), &menu.action(Command::StepBack),
                               &menu.action(Command::RunAgain),
                               &menu.action(Command::ShowEachStep)};
        for (int action = 0; action < 30; ++action) {
            const int pick = std::uniform_int_distribution<int>(0, 6)(random);
            if (pick >= 5) {
                if (a.window.timer().isActive())
                    a.window.session().tick();
            } else {
                commands[pick]->trigger();
            }
            const int step = a.step();
            ASSERT_GE(step, 0) << "only RESET or Yes leave the run";
            if (!b || b->step() > step)
                b = straightRun(clicks, step);
            while (b->step() < step)
                b->window.session().tick();
            ASSERT_EQ(a.window.surface().image(), b->window.surface().image())
                << "set " << set << " action " << action << " step " << step;
            ASSERT_EQ(edgesOf(a.form()), edgesOf(b->form()));
            ASSERT_EQ(exported(a), exported(*b)) << "exports draw what the screen shows";
            ASSERT_EQ(a.finished(), b->finished());
            const bool marked = menu.action(Command::ShowEachStep).isChecked();
            const QImage shown =
                shownOnScreen(a.window.surface(), a.window.surface().contentsRect());
            ASSERT_EQ(shown == a.window.surface().image(), !marked);
            ++compared;
        }
    }
    EXPECT_GT(compared, 500);
    EXPECT_GT(answerer.shown.size(), 20u) << "runs come to their end";
}

// The status line shows at most one change per pace: the latest comes a moment later.
::testing::AssertionResult statusReads(Window& a, const char* expected) {
    if (QTest::qWaitFor([&] { return a.status() == QString::fromUtf8(expected); }, 1000))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the status line reads " << a.status().toStdString();
}

QColor shownAt(MainWindow& window, QPoint pixel) {
    PictureBox& surface = window.surface();
    return shownOnScreen(surface, QRect(pixel + surface.contentsRect().topLeft(), QSize(1, 1)))
        .pixelColor(0, 0);
}

// Whether the picture has the colour somewhere within a few pixels of the given one.
bool foundNear(const QImage& picture, QPoint pixel, QColor colour) {
    for (int y = pixel.y() - 3; y <= pixel.y() + 3; ++y)
        for (int x = pixel.x() - 3; x <= pixel.x() + 3; ++x)
            if (picture.valid(x, y) && picture.pixelColor(x, y) == colour)
                return true;
    return false;
}

// Whether the screen shows the colour somewhere within a few pixels of the given one.
bool shownNear(MainWindow& window, QPoint pixel, QColor colour) {
    PictureBox& surface = window.surface();
    const QImage around = shownOnScreen(
        surface, QRect(pixel + surface.contentsRect().topLeft() - QPoint(3, 3), QSize(7, 7)));
    return foundNear(around, {3, 3}, colour);
}

int countIn(const QImage& picture, QColor colour) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += picture.pixelColor(x, y) == colour;
    return count;
}

// A lecturer's demonstration: paused at the start, stepped by keys with each step shown, the step
// that removes edges marked on the screen and told in the status line, which a screen reader reads.
TEST(Lesson, EachStepIsMarkedOnTheScreenAndToldInTheStatusLine) {
    MessageAnswerer answerer;
    Window a;
    const QPoint diamond[] = {{200, 100}, {100, 200}, {200, 300}, {300, 200}};
    for (QPoint p : diamond)
        a.click(p);
    a.click({450, 200}); // outside the two right edges
    a.click({180, 210}); // inside
    CommandMenus& menu = a.window.menus();
    EXPECT_FALSE(menu.action(Command::PauseOrResume).isEnabled());
    EXPECT_TRUE(a.status().isEmpty());

    a.press("Cmdstart");
    auto key = [&](Qt::Key k) { QTest::keyClick(a.window.focusWidget(), k); };
    key(Qt::Key_P);
    EXPECT_TRUE(a.paused());
    EXPECT_EQ(menu.action(Command::PauseOrResume).text(), "Resume");
    EXPECT_TRUE(statusReads(a, "Paused at step 0 of 3."));
    EXPECT_TRUE(a.window.findChild<QWidget*>("Cmdreset")->isEnabled());
    QTest::keyClick(&a.window, Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(menu.action(Command::ShowEachStep).isChecked());
    EXPECT_TRUE(statusReads(a,
                            "Paused at step 0 of 3: the first triangle is points 1, 2 and 3. The "
                            "hull has 3 corners."));
    // The window shows the session's description: its status, and each command, found by its id,
    // enabled and checked as described.
    const ShownScreen screen = a.window.session().screen();
    EXPECT_EQ(a.status().toStdString(), screen.status);
    for (const CommandShown& command : screen.commands) {
        const std::string id(command.entry->id);
        const auto* item = a.window.menuBar()->findChild<QAction*>(QString::fromStdString(id));
        ASSERT_NE(item, nullptr) << id;
        EXPECT_EQ(item->isEnabled(), command.enabled) << id;
        EXPECT_EQ(item->isChecked(), command.checked) << id;
    }
    // On a wide window the sentence stands beside the drawing too, right of the controls.
    QLabel& beside = a.window.sentenceBeside();
    EXPECT_FALSE(beside.isVisible()) << "no room at " << a.window.width() << " pixels";
    // L lists the points: where the window is narrow, in a tool window that keeps clear of the
    // drawing; once it is wide, beside the drawing under the sentence.
    key(Qt::Key_L);
    QTableWidget& list = a.window.sidePanels().pointList();
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.window.sidePanels().window(); }));
    QWidget& toolWindow = *a.window.sidePanels().window();
    ASSERT_TRUE(QTest::qWaitFor([&] { return toolWindow.isVisible(); }));
    const QWidget& surface = *a.window.findChild<QWidget*>("Pichull");
    EXPECT_GT(toolWindow.frameGeometry().left(),
              surface.mapToGlobal(surface.rect().topRight()).x());
    // The code turned on there widens it to the code's lines.
    key(Qt::Key_C);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return toolWindow.width() >= a.window.sidePanels().codePanel().naturalWidth();
    })) << toolWindow.width();
    key(Qt::Key_C);
    a.window.showNormal();
    a.window.resize(1280, a.window.height());
    ASSERT_TRUE(QTest::qWaitFor([&] { return beside.isVisible(); }));
    EXPECT_EQ(beside.text(), a.status());
    EXPECT_FALSE(toolWindow.isVisible());
    EXPECT_EQ(list.window(), &a.window);
    EXPECT_GE(list.mapTo(&a.window.clientArea(), QPoint(0, 0)).y(), beside.geometry().bottom());
    EXPECT_EQ(list.rowCount(), 6);
    a.window.activateWindow();
    key(Qt::Key_L);
    EXPECT_FALSE(list.isVisible());
    key(Qt::Key_L);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == &list; }))
        << "the list, turned on, is read from its first row";
    // Without the sentence, the panels take its place, under no empty band.
    QTest::keyClick(&a.window, Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return list.mapTo(&a.window.clientArea(), QPoint(0, 0)).y() == beside::Top;
    })) << list.mapTo(&a.window.clientArea(), QPoint(0, 0)).y();
    QTest::keyClick(&a.window, Qt::Key_E, Qt::ControlModifier);
    EXPECT_GT(beside.x(), a.window.findChild<QWidget*>("Lblnote")->geometry().right());
    const QImage besideShown = shownOnScreen(a.window.clientArea(), beside.geometry());
    EXPECT_GT(countIn(besideShown, QColor(0, 0, 0)), 200) << "large type on the screen";
    EXPECT_EQ(a.window.findChild<QWidget*>("Pichull")->geometry().topLeft(), QPoint(16, 16))
        << "the controls keep their places";
    const QColor cornerMark(0, 0, 140), obsolete(220, 0, 0), ring(255, 128, 0);
    for (QPoint p : {QPoint(200, 100), QPoint(100, 200), QPoint(200, 300)})
        EXPECT_TRUE(shownNear(a.window, p + QPoint(4, 0), cornerMark)) << p.x() << ", " << p.y();

    key(Qt::Key_Period);
    key(Qt::Key_Period);
    EXPECT_TRUE(
        statusReads(a, "Paused at step 2 of 3: point 5 lies outside 2 edges; they are replaced "
                       "by 2 edges to it. The hull has 4 corners."));
    const QImage& image = a.window.surface().image();
    // The right corner, now inside, and the middle of the edges it leaves: marked on the screen
    // only.
    for (QPoint p : {QPoint(250, 150), QPoint(250, 250)}) {
        EXPECT_TRUE(shownNear(a.window, p, obsolete)) << p.x() << ", " << p.y();
        EXPECT_NE(image.pixelColor(p), obsolete);
    }
    EXPECT_TRUE(shownNear(a.window, {458, 200}, ring));
    EXPECT_TRUE(shownNear(a.window, {454, 200}, cornerMark));
    EXPECT_FALSE(shownNear(a.window, {304, 200}, cornerMark)) << "no longer a corner";
    EXPECT_EQ(shownAt(a.window, {180, 210}), QColor(255, 0, 255)) << "an inside point unmarked";
    auto standing = [&] {
        QStringList column;
        for (int row = 0; row < list.rowCount(); ++row)
            column << list.item(row, 3)->text();
        return column.join(", ");
    };
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return standing() == "corner, corner, corner, inside, corner, not yet inserted";
    })) << standing().toStdString();
    EXPECT_EQ(list.item(4, 1)->text() + " " + list.item(4, 2)->text(), "6750 3000");
    const QRect listShown(list.mapTo(&a.window.clientArea(), QPoint(0, 0)), list.size());
    EXPECT_GT(countIn(shownOnScreen(a.window.clientArea(), listShown), QColor(0, 0, 0)), 200)
        << "the list on the screen";
    // C shows the code under the list, its lines lit as the walk runs them, read out as text.
    key(Qt::Key_C);
    const QLabel& code = a.window.sidePanels().codePanel();
    auto codeRead = [&] {
        return QAccessible::queryAccessibleInterface(const_cast<QLabel*>(&code))
            ->text(QAccessible::Name);
    };
    // Lit pixels in the code's upper half, where the walk's tests are, and in its lower half.
    auto litShown = [&](int half) {
        const QRect shown(code.mapTo(&a.window.clientArea(), QPoint(0, half * code.height() / 2)),
                          QSize(code.width(), code.height() / 2));
        return countIn(shownOnScreen(a.window.clientArea(), shown), QColor(255, 255, 128));
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return code.isVisible(); }));
    EXPECT_GE(code.mapTo(list.parentWidget(), QPoint(0, 0)).y(), list.geometry().bottom());
    // The panels reach down to the controls' bottom, and the code's lines stand one line each,
    // their type never under 12 pixels.
    const QWidget& start = *a.window.findChild<QWidget*>(QStringLiteral("Cmdstart"));
    EXPECT_GE(list.parentWidget()->geometry().bottom(), start.geometry().bottom());
    // Narrower than the code, its lines stay whole and the panel scrolls sideways.
    auto codeLinesWhole = [&] {
        EXPECT_GE(code.font().pixelSize(), 12);
        QTextDocument shown;
        shown.setDefaultFont(code.font());
        shown.setHtml(code.text());
        shown.setTextWidth(code.contentsRect().width() - 2 * code.margin());
        ASSERT_GT(shown.size().height(), 0) << "laid out";
        int lines = 0;
        for (QTextBlock line = shown.begin(); line.isValid(); line = line.next(), ++lines)
            EXPECT_EQ(line.layout()->lineCount(), 1) << line.text().toStdString();
        EXPECT_EQ(lines, static_cast<int>(StepCode.size()));
    };
    codeLinesWhole();
    const QSize wide = a.window.size();
    a.window.resize(a.window.width() - code.width() + 260, wide.height());
    const QWidget& codeInView = *code.parentWidget();
    ASSERT_TRUE(QTest::qWaitFor([&] { return codeInView.width() < 300; })) << codeInView.width();
    codeLinesWhole();
    EXPECT_GT(code.width(), codeInView.width()) << "scrolled sideways";
    a.window.resize(wide);
    EXPECT_TRUE(codeRead().contains(u"→   the kept edges and the new ones make the hull"))
        << codeRead().toStdString();
    const QLabel& words = a.window.sidePanels().codeWordsPanel();
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(const_cast<QLabel*>(&words))
                    ->text(QAccessible::Name)
                    .contains(u"Orientation tests: 5 in this step, 9 in the run."));
    EXPECT_GE(words.y(), codeInView.parentWidget()->geometry().bottom()) << "under the code";
    EXPECT_TRUE(QTest::qWaitFor([&] { return litShown(1) > 1000; })) << "the last line lit";
    EXPECT_EQ(litShown(0), 0);
    key(Qt::Key_I);
    key(Qt::Key_I);
    EXPECT_TRUE(QTest::qWaitFor([&] { return codeRead().contains(u"→       keep (a, b)"); }))
        << codeRead().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return litShown(0) > 1000; })) << "the test lit";
    key(Qt::Key_Comma);
    key(Qt::Key_Comma);
    key(Qt::Key_C);
    EXPECT_FALSE(code.isVisible());
    // A slide of this step: the marks drawn afresh at twice the size, the lines grown with it.
    LectureTools& tools = a.window.lectureTools();
    const QImage slide = tools.pictureAt({.scale = 2, .marks = true, .thickLines = true});
    const QImage plain = tools.pictureAt({.scale = 2});
    EXPECT_TRUE(foundNear(slide, {2 * 458, 2 * 200}, ring));
    EXPECT_TRUE(foundNear(slide, {2 * 250 + 1, 2 * 150 + 1}, obsolete));
    EXPECT_FALSE(foundNear(plain, {2 * 458, 2 * 200}, ring)) << "the plain export as it was";
    EXPECT_GE(countIn(slide, QColor(0, 0, 255)), 2 * countIn(plain, QColor(0, 0, 255)))
        << "thick lines twice as wide";
    QTemporaryDir directory;
    const QString svg = directory.filePath(QStringLiteral("step.svg"));
    tools.exportPicture(svg, {.marks = true});
    QFile drawing(svg);
    ASSERT_TRUE(drawing.open(QIODevice::ReadOnly));
    const QByteArray marked = drawing.readAll();
    EXPECT_TRUE(marked.contains("<circle cx=\"450.5\" cy=\"200.5\" r=\"8\"") &&
                marked.contains("stroke-dasharray"))
        << marked.toStdString();
    // K plots the run's cost against random sets of its size, on the screen, told in words.
    key(Qt::Key_K);
    const QWidget& cost = a.window.sidePanels().costPanel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return cost.isVisible() && cost.height() > 100; }));
    EXPECT_EQ(cost.accessibleDescription().toStdString(),
              "This run: 9 orientation tests for 5 points so far. For 6 points on a circle: 15; "
              "in a disk: 13; spread over the area: 14. On these 6 points: incremental 14 tests, "
              "gift wrapping 16 tests, monotone chain 12 tests and 10 comparisons, quickhull 6 "
              "tests.");
    const QRect costShown(cost.mapTo(&a.window.clientArea(), QPoint(0, 0)), cost.size());
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return countIn(shownOnScreen(a.window.clientArea(), costShown), QColor(0, 0, 0)) > 250;
    })) << "the run's thick line and the axes";
    const QString costSvg = directory.filePath(QStringLiteral("cost.svg"));
    tools.exportCost(costSvg, 1);
    QFile costDrawing(costSvg);
    ASSERT_TRUE(costDrawing.open(QIODevice::ReadOnly));
    EXPECT_EQ(costDrawing.readAll().count("<polyline"), 7 + 7 + 4 + 5 + 1)
        << "seven curves and their keys, marks at 0, 2, 4, 6 points and 0, 5, 10, 15, 20 tests, "
           "the axes";
    EXPECT_EQ(tools.costPicture(2).size(), QSize(2 * PlotWidth, 2 * PlotHeight));
    key(Qt::Key_K);
    // Quickhull compared: its points on the screen, and both drawings in one export.
    a.window.session().perform(Command::CompareWithQuickhull);
    QWidget& compared = a.window.sidePanels().comparedPanel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return compared.isVisible() && compared.height() > 100; }));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return countIn(shownOnScreen(compared, compared.rect()), QColor(255, 0, 255)) > 5;
    })) << "the compared drawing's points";
    const QString both = directory.filePath(QStringLiteral("both.svg"));
    tools.exportSideBySide(both, false);
    QFile bothDrawing(both);
    ASSERT_TRUE(bothDrawing.open(QIODevice::ReadOnly));
    const QByteArray bothText = bothDrawing.readAll();
    EXPECT_TRUE(bothText.contains(">Incremental</text>") && bothText.contains(">Quickhull</text>") &&
                bothText.count("<svg ") == 3)
        << bothText.toStdString();
    a.window.session().perform(Command::CompareWithNone);

    key(Qt::Key_Comma);
    EXPECT_TRUE(
        statusReads(a, "Paused at step 1 of 3: point 4 lies outside 1 edge; it is replaced by 2 "
                       "edges to it. The hull has 4 corners."));
    EXPECT_TRUE(shownNear(a.window, {304, 200}, cornerMark));
    QString listedWhenAsked;
    answerer.whenShown = [&](const MessageAnswerer::Shown&) {
        listedWhenAsked = list.item(5, 3)->text();
    };
    key(Qt::Key_Period);
    key(Qt::Key_Period);
    EXPECT_TRUE(statusReads(a, "Step 3 of 3: point 6 lies inside the hull; nothing changes."));
    EXPECT_EQ(listedWhenAsked, "inside") << "the last step listed before its question";
    // What a menu does when the pointer passes over an item with no status tip.
    QStatusTipEvent tip{QString()};
    QTest::qWait(50);
    QApplication::sendEvent(a.window.menuBar(), &tip);
    EXPECT_TRUE(statusReads(a, "Step 3 of 3: point 6 lies inside the hull; nothing changes."))
        << "a menu item passed over leaves the status line";
    ASSERT_EQ(answerer.shown.size(), 1u) << "stepping past the last point asks the question";
    EXPECT_FALSE(shownNear(a.window, {250, 150}, obsolete)) << "the last step's marks only";
    EXPECT_TRUE(shownNear(a.window, {188, 210}, ring));
    EXPECT_EQ(a.window.focusWidget(), a.window.findChild<QWidget*>("Hsbspeed"));
    EXPECT_TRUE(menu.action(Command::RunAgain).isEnabled());
    EXPECT_FALSE(menu.action(Command::PauseOrResume).isEnabled());

    EXPECT_EQ(QAccessible::queryAccessibleInterface(a.window.statusBar())->text(QAccessible::Name),
              a.status());

    menu.action(Command::RunAgain).trigger();
    EXPECT_TRUE(a.window.timer().isActive());
    EXPECT_TRUE(statusReads(a,
                            "Step 0 of 3: the first triangle is points 1, 2 and 3. The hull has 3 "
                            "corners."));
    EXPECT_EQ(a.window.timer().interval(), 1000) << "at the bar's speed";

    // N shows each point's number beside its dot: point 1 up and right of (200, 100).
    const QColor number(0, 0, 0);
    EXPECT_FALSE(shownNear(a.window, {207, 93}, number));
    // The question has closed: the window is active again, as a window manager makes it.
    a.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&a.window));
    key(Qt::Key_N);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return shownNear(a.window, {207, 93}, number);
        },
        1000))
        << "point 1's number";
    EXPECT_EQ(a.window.surface().image().pixelColor(207, 93), QColor(255, 255, 192))
        << "numbers stay out of the picture";

    // Help names each mark in the colour the screen shows it in.
    menu.action(Command::WhatTheMarksMean).trigger();
    const QString legend = answerer.shown.back().text;
    for (const char* mark : {"color:#ff8000\">Orange ring", "color:#dc0000\">Red dashes",
                             "color:#00008c\">Dark blue squares"})
        EXPECT_TRUE(legend.contains(QString::fromUtf8(mark))) << legend.toStdString();
}

} // namespace

// A lesson started paused: START draws the first triangle and waits; each "." inserts one point;
// three points wait too, and stepping past the triangle asks the question. Before START, Step
// Forward says why it cannot act where the pointer rests on it. The numbers on the drawing follow
// START's renumbering, and a point on a side's extension is told as on a side, not a corner.
TEST(Lesson, AStartPausedRunWaitsAtTheFirstTriangleAndEachStepInsertsOnePoint) {
    MessageAnswerer answerer;
    answerer.answers = {QMessageBox::Yes};
    Window a;
    for (QPoint p : {QPoint(100, 100), QPoint(100, 300), QPoint(300, 200)})
        a.click(p);
    CommandMenus& menu = a.window.menus();
    QAction& stepForward = menu.action(Command::StepForward);
    ASSERT_FALSE(stepForward.isEnabled());
    QMenu* run = a.window.menuBar()->findChildren<QMenu*>().at(2);
    a.window.menuBar()->setActiveAction(run->menuAction());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(run));
    QTest::mouseMove(run, run->actionGeometry(&stepForward).center());
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 3000));
    EXPECT_EQ(QToolTip::text(), "A run begins with START. To step it from the first triangle, "
                                "turn on Run > Start Paused first.");
    run->close();

    QTest::keyClick(&a.window, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(menu.action(Command::StartPaused).isChecked());
    EXPECT_TRUE(stepForward.toolTip().contains("it will begin paused"));
    a.press("Cmdstart");
    EXPECT_TRUE(a.paused());
    EXPECT_TRUE(answerer.shown.empty()) << "three points wait too";
    EXPECT_TRUE(statusReads(a, "Paused at step 0 of 0."));
    EXPECT_EQ(shownAt(a.window, {100, 200}), QColor(0, 0, 255)) << "the first triangle drawn";
    QTest::keyClick(a.window.focusWidget(), Qt::Key_Period);
    ASSERT_EQ(answerer.shown.size(), 1u);
    EXPECT_EQ(answerer.shown[0].text, "Done! Reset and start again?");
    EXPECT_TRUE(a.window.surface().isEnabled()) << "Yes reset";
    a.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&a.window));

    // Clicked clockwise on the screen: START swaps points 2 and 3, says so, and the numbers move.
    for (QPoint p :
         {QPoint(100, 100), QPoint(300, 200), QPoint(100, 300), QPoint(500, 300), QPoint(150, 200)})
        a.click(p);
    QTest::keyClick(a.window.focusWidget(), Qt::Key_N);
    a.press("Cmdstart");
    QTest::qWait(30);
    EXPECT_TRUE(statusReads(a, "Points 2 and 3 swapped places so that the first triangle runs "
                               "counter-clockwise on the screen. Paused at step 0 of 2."))
        << "no tick at the fast end either";
    EXPECT_TRUE(a.window.findChild<QWidget*>("Cmdreset")->isEnabled());
    // T shows the timeline under the row of buttons; its keys move by steps, with Shift by tests,
    // and a screen reader hears where it stands in its name.
    QTest::keyClick(a.window.focusWidget(), Qt::Key_T);
    Timeline& timeline = a.window.runTimeline();
    ASSERT_TRUE(timeline.isVisible());
    EXPECT_GT(timeline.y(), a.window.findChild<QWidget*>("Cmdstart")->geometry().bottom());
    QTest::keyClick(&timeline, Qt::Key_End);
    EXPECT_TRUE(statusReads(a, "Paused at step 2 of 2."));
    EXPECT_TRUE(answerer.shown.size() == 1u) << "the question waits for Step Forward";
    QTest::keyClick(&timeline, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&timeline)->text(QAccessible::Name),
              "Timeline, step 2 of 2, test 5 of 5");
    QTest::keyClick(&timeline, Qt::Key_Home);
    EXPECT_EQ(timeline.value(), 0);
    EXPECT_TRUE(statusReads(a, "Paused at step 0 of 2."));
    // A dot dragged by the mouse while paused: the point moves and the run is worked out again.
    PictureBox& surface = a.window.surface();
    const QPoint inside(2, 2);
    QTest::mouseMove(&surface, QPoint(300, 300) + inside);
    EXPECT_EQ(surface.cursor().shape(), Qt::ArrowCursor);
    QTest::mouseMove(&surface, QPoint(503, 298) + inside);
    EXPECT_EQ(surface.cursor().shape(), Qt::OpenHandCursor) << "a dot that a press takes hold of";
    QTest::mousePress(&surface, Qt::LeftButton, Qt::NoModifier, QPoint(501, 299) + inside);
    QTest::mouseMove(&surface, QPoint(510, 200) + inside);
    QTest::mouseRelease(&surface, Qt::LeftButton, Qt::NoModifier, QPoint(520, 100) + inside);
    EXPECT_EQ(std::pair(a.points.Xcoord(4), a.points.Ycoord(4)),
              std::pair(520 * 15.0f, 100 * 15.0f));
    EXPECT_TRUE(statusReads(a, "Point 4 moved, upper right. Paused at step 0 of 2."));
    QTest::keyClick(&a.window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(std::pair(a.points.Xcoord(4), a.points.Ycoord(4)),
              std::pair(500 * 15.0f, 300 * 15.0f));
    const Overlay& marks = a.window.session().marks();
    ASSERT_EQ(marks.numbers.size(), 5u);
    EXPECT_EQ(marks.numbers[1].at, (Overlay::Spot{1500, 4500})) << "the third click is point 2";
    // A digit's strokes, up and right of the dot; smoothed type is black in its middle only.
    for (QPoint p : {QPoint(100, 300), QPoint(300, 200)}) {
        PictureBox& surface = a.window.surface();
        const QPoint corner = p + QPoint(5, -12) + surface.contentsRect().topLeft();
        const QImage digit = shownOnScreen(surface, QRect(corner, QSize(7, 8)));
        int dark = 0;
        for (int y = 0; y < digit.height(); ++y)
            for (int x = 0; x < digit.width(); ++x)
                dark += qGray(digit.pixel(x, y)) < 96;
        EXPECT_GT(dark, 8) << "a number beside the dot at " << p.x() << ", " << p.y();
    }
    QTest::keyClick(&a.window, Qt::Key_E, Qt::ControlModifier);
    QTest::keyClick(a.window.focusWidget(), Qt::Key_Period);
    EXPECT_TRUE(statusReads(a, "Paused at step 1 of 2: point 4 lies outside 1 edge; it is "
                               "replaced by 2 edges to it. The hull passes through 4 points: 3 "
                               "corners and 1 on a side."));
    EXPECT_EQ(shownAt(a.window, {300, 300}), QColor(0, 0, 255)) << "point 4 joined";
    EXPECT_EQ(answerer.shown.size(), 1u);

    // Switched off, the next START runs on.
    QTest::keyClick(&a.window, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(menu.action(Command::StartPaused).isChecked());
    a.press("Cmdreset");
    for (QPoint p : {QPoint(100, 100), QPoint(100, 300), QPoint(300, 200), QPoint(400, 100)})
        a.click(p);
    a.press("Cmdstart");
    EXPECT_FALSE(a.paused());
}
