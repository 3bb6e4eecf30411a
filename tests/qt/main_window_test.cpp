// The real window under the offscreen platform: its layout, texts, starting state, and whole runs
// driven by clicks and the real timer.

#include "message_answerer.h"
#include "qt/main_window.h"
#include "screen_grab.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "qt_printers.h"

#include "window_texts.h"

#include <gtest/gtest.h>

namespace {

const QColor LightYellow(255, 255, 192);
const QColor Magenta(255, 0, 255);
const QColor Blue(0, 0, 255);

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.load();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <typename T = QWidget> T* control(const char* name) {
        T* found = window.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void clickSurface(QPoint inner, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&window.surface(), button, Qt::NoModifier, inner + QPoint(2, 2));
    }

    void click(const char* button) { QTest::mouseClick(control(button), Qt::LeftButton); }

    // A key pressed and released where the window has its focus.
    void press(Qt::Key key) { QTest::keyClick(window.focusWidget(), key); }

    bool surfaceShownAsDrawn() {
        PictureBox& surface = window.surface();
        return shownOnScreen(surface, surface.contentsRect()) == surface.image();
    }

    bool waitForQuestions(std::size_t count) {
        return QTest::qWaitFor([&] { return answerer.shown.size() >= count; }, 20000);
    }

    std::vector<int> endStatuses;
    QtDesktop desktop{[this](int status) { endStatuses.push_back(status); }};
    Modhull points;
    MainWindow window{points, desktop};
    MessageAnswerer answerer;
};

TEST_F(MainWindowTest, ControlsStandAtTheirPlacesInPixels) {
    const std::pair<const char*, QRect> places[] = {
        {"Hsbspeed", {568, 512, 153, 17}}, {"Cmdend", {416, 504, 81, 41}},
        {"Cmdreset", {296, 504, 81, 41}},  {"Cmdstart", {176, 504, 81, 41}},
        {"Pichull", {16, 16, 529, 473}},   {"Lblslow", {728, 512, 33, 25}},
        {"Lblfast", {536, 512, 33, 25}},   {"Lblspeed", {624, 480, 49, 25}},
        {"Lblnote", {576, 352, 193, 121}}, {"Lblnotes", {632, 304, 73, 33}},
        {"Lbltext", {568, 72, 193, 193}},  {"Lblinstr", {592, 24, 145, 33}},
        {"Lblcount", {88, 504, 57, 41}},   {"Lblnumber", {32, 512, 49, 33}},
    };
    QRect spanned;
    for (auto [name, place] : places) {
        EXPECT_EQ(control(name)->geometry(), place) << name;
        EXPECT_TRUE(control(name)->isVisible()) << name;
        spanned |= place;
    }
    EXPECT_EQ(spanned.bottomRight(), QPoint(768, 544)) << "the layout spans 769 x 545 pixels";
    EXPECT_EQ(window.surface().contentsRect(), QRect(2, 2, 525, 469));
}

TEST_F(MainWindowTest, RestoredWindowKeepsItsSmallClientAreaAndTheControlsTheirPlaces) {
    EXPECT_EQ(window.clientArea().size(), QSize(312, 213));
    EXPECT_EQ(control("Cmdend")->geometry(), QRect(416, 504, 81, 41));
    EXPECT_EQ(window.windowTitle(), "Convex Hull");
}

TEST_F(MainWindowTest, CaptionsAndFonts) {
    struct Look {
        const char* name;
        const char* caption;
        const char* face;
        double points;
        bool bold, italic;
    };
    const Look looks[] = {
        {"Cmdend", "END", "Times New Roman", 12, true, false},
        {"Cmdreset", "RESET", "Times New Roman", 12, true, false},
        {"Cmdstart", "START", "Times New Roman", 12, true, false},
        {"Lblslow", "slow", "Times New Roman", 12, true, true},
        {"Lblfast", "fast", "Times New Roman", 12, true, true},
        {"Lblspeed", "Speed", "Times New Roman", 12, true, false},
        {"Lblnotes", "Notes", "Times New Roman", 18, true, false},
        {"Lblinstr", "Instructions", "Times New Roman", 20.25, true, false},
        {"Lblnumber", "Number of Points", "Times New Roman", 9.75, true, false},
        {"Lblcount", "\n0", "Arial", 9.75, true, false},
        {"Lbltext", nullptr, "Times New Roman", 12, false, false},
        {"Lblnote", nullptr, "Times New Roman", 12, false, false},
    };
    for (const Look& look : looks) {
        QWidget* widget = control(look.name);
        if (look.caption) {
            const auto* button = qobject_cast<QPushButton*>(widget);
            const QString text = button ? button->text() : qobject_cast<QLabel*>(widget)->text();
            EXPECT_EQ(text.toStdString(), look.caption) << look.name;
        }
        EXPECT_EQ(widget->font().family(), look.face) << look.name;
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), look.points) << look.name;
        EXPECT_EQ(widget->font().bold(), look.bold) << look.name;
        EXPECT_EQ(widget->font().italic(), look.italic) << look.name;
    }
    EXPECT_EQ(window.clientArea().font().family(), "MS Serif");
    EXPECT_EQ(window.surface().font().family(), "Arial");
    EXPECT_DOUBLE_EQ(window.surface().font().pointSizeF(), 9);
}

TEST_F(MainWindowTest, LoadWritesBothTexts) {
    EXPECT_EQ(control<QLabel>("Lbltext")->text().toStdString(), InstructionsText);
    EXPECT_EQ(control<QLabel>("Lblnote")->text().toStdString(), NotesText);
    for (const char* name : {"Lbltext", "Lblnote"}) {
        const auto* label = dynamic_cast<CaptionLabel*>(control(name));
        EXPECT_TRUE(QRectF(label->contentsRect()).contains(label->textRect())) << name;
    }
}

TEST_F(MainWindowTest, ColoursAndLabelStyles) {
    EXPECT_EQ(window.clientArea().palette().color(QPalette::Window), QColor(128, 255, 255));
    EXPECT_TRUE(window.clientArea().autoFillBackground());
    for (const char* name : {"Lblslow", "Lblfast", "Lblspeed", "Lblnote", "Lblnotes", "Lbltext",
                             "Lblinstr", "Lblnumber"}) {
        auto* label = control<QLabel>(name);
        EXPECT_FALSE(label->autoFillBackground()) << name << " is transparent";
        EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignTop) << name;
        EXPECT_TRUE(label->wordWrap()) << name;
    }
    auto* count = control<QLabel>("Lblcount");
    EXPECT_TRUE(count->autoFillBackground());
    EXPECT_EQ(count->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(count->frameShape(), QFrame::Box);
    EXPECT_EQ(count->lineWidth(), 1);
    EXPECT_TRUE(count->alignment() & Qt::AlignHCenter);

    // A button's face is filled with its colour; looked at beside its caption.
    const std::pair<const char*, QColor> faces[] = {{"Cmdend", QColor(128, 255, 128)},
                                                    {"Cmdreset", QColor(255, 192, 128)},
                                                    {"Cmdstart", QColor(255, 192, 255)}};
    for (auto [name, face] : faces) {
        const QImage look = control(name)->grab().toImage();
        EXPECT_EQ(look.pixelColor(8, look.height() / 2), face) << name;
    }

    // The line feed starts the count's second line, where its number stands.
    clickSurface(QPoint(50, 50));
    auto* counted = dynamic_cast<CaptionLabel*>(count);
    const QImage look = counted->grab(counted->contentsRect()).toImage();
    int firstInked = -1;
    for (int y = 0; y < look.height() && firstInked < 0; ++y)
        for (int x = 0; x < look.width(); ++x)
            if (look.pixelColor(x, y).lightness() < 128) {
                firstInked = y;
                break;
            }
    EXPECT_GE(firstInked, counted->lineHeight()) << "the first line is blank";
}

TEST_F(MainWindowTest, StartsInTheInputPhaseWithFocusOnTheSurface) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_FALSE(control("Cmdstart")->isEnabled());
    EXPECT_TRUE(control("Cmdreset")->isEnabled());
    EXPECT_TRUE(control("Cmdend")->isEnabled());
    EXPECT_TRUE(window.surface().isEnabled());
    EXPECT_FALSE(window.timer().isActive());
    EXPECT_EQ(window.timer().timerType(), Qt::PreciseTimer);
    EXPECT_EQ(QApplication::focusWidget(), &window.surface());

    const QImage shown = window.surface().grab(window.surface().contentsRect()).toImage();
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            ASSERT_EQ(shown.pixelColor(x, y), LightYellow) << x << ", " << y;
}

TEST_F(MainWindowTest, TabOrderRunsThroughTheControlsThatTakeFocus) {
    std::vector<QString> order;
    QWidget* widget = &window.surface();
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order.push_back(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != &window.surface());
    // The timeline, under the buttons, follows the speed bar; the point list, where it stands beside
    // the drawing, comes last.
    EXPECT_EQ(order, (std::vector<QString>{"Pichull", "Cmdstart", "Cmdreset", "Cmdend", "Hsbspeed",
                                           "Timeline", "pointList"}));

    // The control with the focus, and only that one, shows a frame two pixels wide in the
    // highlight colour: round the surface and the bar, inside a button's raised edge.
    window.showMaximized();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return control("Cmdend")->visibleRegion() == QRegion(control("Cmdend")->rect()); }));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (QPoint p : {QPoint(10, 10), QPoint(10, 100), QPoint(100, 10)})
        clickSurface(p);
    const QColor highlight = window.palette().color(QPalette::Highlight);
    ASSERT_NE(highlight, QColor(Qt::white));
    auto markRows = [&](QWidget* control, int inset) {
        const QImage shown = shownOnScreen(*control, control->rect());
        std::vector<bool> rows;
        for (int y = inset; y < inset + 3; ++y)
            rows.push_back(shown.pixelColor(shown.width() / 2, y) == highlight &&
                           shown.pixelColor(inset, shown.height() / 2 + y) == highlight);
        return rows;
    };
    const std::pair<const char*, int> marked[] = {
        {"Pichull", 0}, {"Cmdstart", 2}, {"Cmdreset", 2}, {"Cmdend", 2}, {"Hsbspeed", 0}};
    for (auto [name, inset] : marked) {
        control(name)->setFocus();
        EXPECT_EQ(markRows(control(name), inset), (std::vector<bool>{true, true, false})) << name;
        for (auto [other, otherInset] : marked) {
            if (other != name) {
                EXPECT_EQ(markRows(control(other), otherInset),
                          (std::vector<bool>{false, false, false}))
                    << other << " with the focus on " << name;
            }
        }
    }
}

// A screen reader reads what the window shows: labels by their text, buttons by their caption,
// the surface and the speed bar by what they are, and the window as a frame with its title.
TEST_F(MainWindowTest, ScreenReadersGetTheTextsTheWindowShows) {
    auto name = [](QObject* object) {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
    };
    EXPECT_EQ(name(control("Lbltext")).toStdString(), InstructionsText);
    EXPECT_EQ(name(control("Lblnote")).toStdString(), NotesText);
    EXPECT_EQ(name(control("Lblnumber")), "Number of Points");
    EXPECT_EQ(name(control("Cmdstart")), "START");
    EXPECT_EQ(name(&window.surface()), "Drawing area");
    // The bar's value as the pause it gives, and which end is fast; the count as its number.
    EXPECT_EQ(name(control("Hsbspeed")), "Speed, milliseconds a step, fast at the left");
    QAccessibleValueInterface* speed =
        QAccessible::queryAccessibleInterface(control("Hsbspeed"))->valueInterface();
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->currentValue().toInt(), 1);
    control<QScrollBar>("Hsbspeed")->setValue(32767);
    EXPECT_EQ(speed->currentValue().toInt(), 1000);
    EXPECT_EQ(name(control("Lblcount")), "0");
    clickSurface(QPoint(50, 50));
    EXPECT_EQ(name(control("Lblcount")), "1");
    const auto labelled = QAccessible::queryAccessibleInterface(control("Lblcount"))
                              ->relations(QAccessible::Label);
    ASSERT_EQ(labelled.size(), 1);
    EXPECT_EQ(labelled[0].first->text(QAccessible::Name), "Number of Points");

    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&window);
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name), "Convex Hull");
}

TEST_F(MainWindowTest, SpeedBarChangesWhenAMoveIsFinishedAndKeysMoveItTheWayTheyPoint) {
    auto* speed = control<QScrollBar>("Hsbspeed");
    EXPECT_EQ(speed->minimum(), 0);
    EXPECT_EQ(speed->maximum(), 32767);
    EXPECT_EQ(speed->value(), 0);
    EXPECT_EQ(speed->singleStep(), 1000);
    EXPECT_EQ(speed->pageStep(), 5000);

    window.timer().setInterval(77);
    speed->setSliderDown(true);
    speed->setSliderPosition(32767);
    EXPECT_EQ(window.timer().interval(), 77) << "dragging the thumb changes nothing yet";
    speed->setSliderDown(false);
    EXPECT_EQ(window.timer().interval(), 1000);
    speed->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(window.timer().interval(), 969) << "one small step left of the right end";
    EXPECT_FALSE(window.timer().isActive());

    // Keys move the thumb towards the end they point at: "fast" on the left, "slow" on the right.
    speed->setFocus();
    const std::pair<Qt::Key, int> keys[] = {
        {Qt::Key_Home, 0},        {Qt::Key_Right, 1000}, {Qt::Key_Down, 2000},
        {Qt::Key_PageDown, 7000}, {Qt::Key_Left, 6000},  {Qt::Key_Up, 5000},
        {Qt::Key_PageUp, 0},      {Qt::Key_End, 32767},  {Qt::Key_Home, 0}};
    for (auto [key, value] : keys) {
        press(key);
        EXPECT_EQ(speed->value(), value) << "after key " << key;
    }
    // The wheel turned towards the user scrolls right, as on any horizontal scroll bar.
    QWheelEvent wheel(QPointF(5, 5), speed->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(speed, &wheel);
    EXPECT_GT(speed->value(), 0);
}

// Enter presses the button that has the focus, as Space does, and nothing else. After No the
// focus is on the speed bar, not on RESET or END, so a stray Enter loses nothing.
TEST_F(MainWindowTest, EnterPressesOnlyTheFocusedButton) {
    for (QPoint p : {QPoint(10, 10), QPoint(10, 100), QPoint(100, 10)})
        clickSurface(p);
    ASSERT_EQ(window.focusWidget(), &window.surface());
    press(Qt::Key_Return);
    press(Qt::Key_Enter);
    EXPECT_TRUE(answerer.shown.empty());

    press(Qt::Key_Tab);
    ASSERT_EQ(window.focusWidget(), control("Cmdstart"));
    press(Qt::Key_Return);
    ASSERT_EQ(answerer.shown.size(), 1u);
    EXPECT_EQ(window.focusWidget(), control("Hsbspeed"));
    press(Qt::Key_Enter);
    press(Qt::Key_Space);
    EXPECT_EQ(control<QLabel>("Lblcount")->text(), "\n3");
    EXPECT_TRUE(endStatuses.empty());
}

// While a run goes on, the focus is on the speed bar, the one control still at work, and no key
// that presses a button ends the program. A minimized window is restored for the question; after
// Yes the focus is back on the surface.
TEST_F(MainWindowTest, DuringARunKeysChangeOnlyTheSpeed) {
    answerer.answers.push_back(QMessageBox::Yes);
    for (QPoint p : {QPoint(20, 30), QPoint(400, 40), QPoint(60, 420), QPoint(200, 200),
                     QPoint(480, 440), QPoint(250, 100)})
        clickSurface(p);
    control<QScrollBar>("Hsbspeed")->setValue(1000);
    click("Cmdstart");
    EXPECT_EQ(window.focusWidget(), control("Hsbspeed"));
    window.showMinimized();
    bool restored = false;
    answerer.whenShown = [&](const MessageAnswerer::Shown&) { restored = !window.isMinimized(); };

    const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape};
    for (int i = 0; window.timer().isActive() && endStatuses.empty(); ++i) {
        press(keys[i % std::size(keys)]);
        QTest::qWait(5);
    }
    ASSERT_TRUE(waitForQuestions(1));
    EXPECT_TRUE(restored);
    EXPECT_TRUE(endStatuses.empty());
    EXPECT_EQ(window.focusWidget(), &window.surface());
}

// A run through the real window and timer: every point magenta, every hull edge blue.
// What the screen shows after each step is what the surface drew, and the question stands clear
// of the drawing.
TEST_F(MainWindowTest, WholeRunEndsWithTheHullOverThePoints) {
    window.showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The platform gives the maximized size after the window is exposed; a slow build can start
    // the run before it has.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return window.frameGeometry().size() == window.screen()->availableGeometry().size();
    }));
    int steps = 0;
    QObject::connect(&window.timer(), &QTimer::timeout, &window, [&] {
        ++steps;
        EXPECT_TRUE(surfaceShownAsDrawn()) << "after step " << steps;
    });
    const QPoint clicked[] = {{20, 30},   {400, 40},  {60, 420}, {200, 200},
                              {480, 440}, {250, 100}, {100, 300}};
    Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    int i = 0;
    for (QPoint p : clicked)
        clickSurface(p, buttons[i++ % 3]);
    EXPECT_EQ(control<QLabel>("Lblcount")->text(), "\n7");
    click("Cmdstart");
    EXPECT_FALSE(window.surface().isEnabled());
    EXPECT_FALSE(control("Cmdreset")->isEnabled());
    ASSERT_TRUE(waitForQuestions(1));
    EXPECT_EQ(answerer.shown[0].text, "Done! Reset and start again?");
    EXPECT_EQ(answerer.shown[0].icon, QMessageBox::Question);
    EXPECT_EQ(answerer.shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
    const QRect drawing(window.surface().mapToGlobal(QPoint(0, 0)), window.surface().size());
    EXPECT_FALSE(answerer.shown[0].place.intersects(drawing));
    QTest::qWait(10);
    EXPECT_EQ(steps, 4);

    const QImage& picture = window.surface().image();
    // Inside points keep their whole dot; hull corners keep the dot under the blue lines.
    for (QPoint p : {QPoint(200, 200), QPoint(250, 100), QPoint(100, 300)})
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                EXPECT_EQ(picture.pixelColor(p + QPoint(dx, dy)), Magenta)
                    << p.x() << ", " << p.y();
    for (QPoint p : {QPoint(20, 30), QPoint(400, 40), QPoint(60, 420), QPoint(480, 440)}) {
        int magenta = 0;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                magenta += picture.pixelColor(p + QPoint(dx, dy)) == Magenta;
        EXPECT_GE(magenta, 4) << p.x() << ", " << p.y();
    }
    // The middle of each hull edge.
    for (QPoint p : {QPoint(210, 35), QPoint(440, 240), QPoint(270, 430), QPoint(40, 225)})
        EXPECT_EQ(picture.pixelColor(p), Blue) << p.x() << ", " << p.y();

    // No: the picture stays and the surface takes no clicks until RESET.
    clickSurface(QPoint(300, 300));
    EXPECT_EQ(control<QLabel>("Lblcount")->text(), "\n7");
    click("Cmdreset");
    EXPECT_EQ(control<QLabel>("Lblcount")->text(), "\n0");
    EXPECT_EQ(window.surface().image().pixelColor(210, 35), LightYellow);
    EXPECT_TRUE(surfaceShownAsDrawn()) << "after RESET";
    clickSurface(QPoint(300, 300));
    EXPECT_EQ(window.surface().image().pixelColor(300, 300), Magenta);
    click("Cmdreset");
    EXPECT_TRUE(surfaceShownAsDrawn()) << "after RESET during input";
}

// The question stands beside the part of the drawing the window shows: on the right where it fits,
// on the left where only that is free. Closing it by Escape or by its close button is No.
TEST_F(MainWindowTest, TheQuestionStandsBesideTheDrawingInViewAndOnlyYesResets) {
    const QRect screen = window.screen()->availableGeometry();
    auto drawingInView = [&] {
        const QRect drawing(window.surface().mapToGlobal(QPoint(0, 0)), window.surface().size());
        return drawing & QRect(window.mapToGlobal(QPoint(0, 0)), window.size());
    };
    auto ask = [&] {
        for (QPoint p : {QPoint(10, 10), QPoint(10, 100), QPoint(100, 10)})
            clickSurface(p);
        click("Cmdstart");
        return answerer.shown.back().place;
    };

    window.showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.width() > 700; }));
    answerer.dismissals.push_back([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    QRect place = ask();
    EXPECT_GT(place.left(), drawingInView().right()) << "on the right, where it fits";
    EXPECT_TRUE(place.intersects(
        QRect(0, drawingInView().top(), screen.width(), drawingInView().height())));
    EXPECT_EQ(control<QLabel>("Lblcount")->text(), "\n3") << "Escape is No";
    click("Cmdreset");

    // Restored, the window shows the drawing's top left corner only.
    window.showNormal();
    window.move(0, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.width() < 400; }));
    answerer.dismissals.push_back([](QMessageBox& box) { box.close(); });
    place = ask();
    EXPECT_GT(place.left(), drawingInView().right());
    EXPECT_LE(place.left(), drawingInView().right() + 20) << "beside the part in view";
    EXPECT_EQ(control<QLabel>("Lblcount")->text(), "\n3") << "the close button is No";
    click("Cmdreset");

    // In the bottom right corner of the screen only the left and the top are free.
    window.move(screen.right() - window.frameGeometry().width(),
                screen.bottom() - window.frameGeometry().height());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.pos().x() > 300; }));
    answerer.answers.push_back(QMessageBox::Yes);
    place = ask();
    EXPECT_LT(place.right(), drawingInView().left()) << "on the left, not over the drawing";
    EXPECT_EQ(control<QLabel>("Lblcount")->text(), "\n0") << "Yes resets";
}

TEST_F(MainWindowTest, YesStartsAgainAndThreePointsAskAtOnce) {
    answerer.answers.push_back(QMessageBox::Yes);
    for (QPoint p : {QPoint(10, 10), QPoint(10, 100), QPoint(100, 10)})
        clickSurface(p);
    click("Cmdstart");
    ASSERT_EQ(answerer.shown.size(), 1u) << "three points need no tick";
    EXPECT_TRUE(window.surface().isEnabled());
    EXPECT_FALSE(control("Cmdstart")->isEnabled());
    EXPECT_EQ(control<QLabel>("Lblcount")->text(), "\n0");
    EXPECT_EQ(window.surface().image().pixelColor(10, 50), LightYellow);
}

TEST_F(MainWindowTest, EndStopsTheProgramAndNothingRunsAfterIt) {
    click("Cmdend");
    EXPECT_EQ(endStatuses, std::vector<int>{0});
    clickSurface(QPoint(50, 50));
    EXPECT_EQ(control<QLabel>("Lblcount")->text(), "\n0");
}

} // namespace
