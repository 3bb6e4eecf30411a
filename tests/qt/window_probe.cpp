// Runs the real program in a way a test can watch from outside: every message box is printed and
// answered, and the window is driven according to the mode given. The tests start it in its own
// process to use start-up settings (screens, scale factor) and to see the real exit status.

#include "message_answerer.h"
#include "qt/program.h"
#include "session_probe.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

#include <cstdio>
#include <cstring>

namespace {

void printBoxes(MessageAnswerer& answerer) {
    answerer.whenShown = [](const MessageAnswerer::Shown& box) {
        QString text = box.text;
        text.replace('\n', QStringLiteral("\\n"));
        std::printf("box icon=%d buttons=%d lines=%d title=%s text=%s\n",
                    static_cast<int>(box.icon), static_cast<int>(box.buttons), box.lines,
                    qPrintable(box.title), qPrintable(text));
        std::fflush(stdout);
    };
}

void clickPoints(MainWindow& window, std::initializer_list<QPoint> pixels) {
    for (const QPoint& p : pixels)
        QTest::mouseClick(&window.surface(), Qt::LeftButton, Qt::NoModifier, p + QPoint(2, 2));
}

void printLayout(Program& program) {
    MainWindow& window = *program.window();
    for (QWidget* child :
         window.clientArea().findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        // The sentence and the panels beside the drawing, shown on demand, are no controls.
        if (child->isHidden())
            continue;
        const QRect g = child->geometry();
        std::printf("control %s %d %d %d %d\n", qPrintable(child->objectName()), g.x(), g.y(),
                    g.width(), g.height());
    }
    clickPoints(window, {QPoint(10, 20)});
    std::printf("click %g %g\n", program.pointSet().Xcoord(1), program.pointSet().Ycoord(1));
    const QImage& image = window.surface().image();
    std::printf("image %d %d\n", image.width(), image.height());
    // CaptionLabel has no meta-object of its own: findChildren would give every QLabel.
    for (const QLabel* child : window.findChildren<QLabel*>()) {
        const auto* label = dynamic_cast<const CaptionLabel*>(child);
        if (!label || child == &window.sentenceBeside())
            continue;
        const bool fits = QRectF(label->contentsRect()).contains(label->textRect());
        std::printf("text %s %s\n", qPrintable(label->objectName()), fits ? "fits" : "cut off");
    }
}

// Lines drawn and drawn again in the background colour, back to front, then a press in the last
// device column and row of the surface's inner area, where a scaled display delivers positions
// between logical pixels.
void probeEdges(Program& program) {
    PictureBox& surface = program.window()->surface();
    const float segments[][4] = {
        {15, 30, 7860, 7020}, {7860, 15, 0, 6000}, {100.5f, 7.25f, 3333.3f, 4000.7f}};
    for (const auto& s : segments) {
        surface.setForeColor(0xFF0000);
        surface.line(s[0], s[1], s[2], s[3]);
        surface.setForeColor(surface.backColor());
        surface.line(s[2], s[3], s[0], s[1]);
    }
    const QImage& image = surface.image();
    int left = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            left += image.pixelColor(x, y) != QColor(255, 255, 192);
    std::printf("pixels left %d\n", left);

    const QPointF lastPixel = QPointF(surface.contentsRect().bottomRight()) + QPointF(1, 1) -
                              QPointF(1, 1) / surface.devicePixelRatioF();
    // Handed to the window as the platform hands it a press, so that the window's own rounding of
    // the position on its way to the surface takes place.
    QWidget& window = *program.window();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        qt_handleMouseEvent(window.windowHandle(), surface.mapTo(&window, lastPixel),
                            surface.mapToGlobal(lastPixel),
                            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                            Qt::LeftButton, type, Qt::NoModifier, 0);
    const Modhull& points = program.pointSet();
    std::printf("edge press: %d point at %g %g\n", points.Pointcount, points.Xcoord(1),
                points.Ycoord(1));
}

// A run stepped to its third step with each step shown and every panel open; each panel is named
// as in view or cut, by where a screen reader is told it stands, within the window's client area.
void probePanels(MainWindow& window) {
    Session& session = window.session();
    for (int i = 0; i < 30; ++i)
        session.click(1, 0, static_cast<float>(300 + 240 * ((i * 37) % 30)),
                      static_cast<float>(300 + 213 * ((i * 23) % 30)));
    for (Command command : {Command::StartPaused, Command::ShowEachStep, Command::ShowPointList,
                            Command::ShowTheCode, Command::ShowCostOfRun, Command::ShowTimeline})
        session.perform(command);
    session.pressStart();
    for (int step = 0; step < 3; ++step)
        session.perform(Command::StepForward);
    session.perform(Command::StepInto);
    QTest::qWait(300);
    const QRect client(window.clientArea().mapToGlobal(QPoint(0, 0)), window.clientArea().size());
    SidePanels& panels = window.sidePanels();
    const std::pair<const char*, QWidget*> shown[] = {{"sentence", &window.sentenceBeside()},
                                                      {"list", &panels.pointList()},
                                                      {"code", panels.codePanel().parentWidget()},
                                                      {"cost", &panels.costPanel()},
                                                      {"timeline", &window.runTimeline()}};
    for (auto [name, widget] : shown) {
        const QRect place = QAccessible::queryAccessibleInterface(widget)->rect();
        const bool inView = widget->isVisible() && place.height() >= 20 && client.contains(place);
        std::printf("panel %s %s\n", name, inView ? "in view" : "cut");
    }
    std::printf("code type %d\n", panels.codePanel().font().pixelSize());
}

// Puts the program in a state that no click can reach, so that the next event raises the error.
void provoke(MainWindow& window, const char* kind) {
    clickPoints(window, {QPoint(10, 10), QPoint(10, 200), QPoint(200, 10), QPoint(300, 300),
                         QPoint(400, 50)});
    auto* speed = window.findChild<QScrollBar*>(QStringLiteral("Hsbspeed"));
    if (std::strcmp(kind, "fault") == 0) {
        // A bar with no range: the pause between steps is 0 / 0.
        SessionProbe::kept(window.session()).Hsbspeed.maximum = 0;
        speed->setValue(speed->value() + 1);
        return;
    }
    QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("Cmdstart")), Qt::LeftButton);
    if (std::strcmp(kind, "overflow") == 0)
        SessionProbe::form(window.session()).Curpoint = 32767;
    else
        SessionProbe::form(window.session()).Hullcount = 600;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    MessageAnswerer answerer;
    printBoxes(answerer);
    const char* mode = argc > 1 ? argv[1] : "start";

    Program program;
    if (!program.start()) {
        std::printf("ended with no window\n");
        return program.desktop().exitStatus();
    }
    MainWindow& window = *program.window();
    std::printf("window opened %s\n", window.isMaximized() ? "maximized" : "normal");
    if (!QTest::qWaitForWindowExposed(&window))
        return 3;

    if (std::strcmp(mode, "layout") == 0) {
        printLayout(program);
        return 0;
    }
    if (std::strcmp(mode, "panels") == 0) {
        window.showMaximized();
        QTest::qWait(300);
        probePanels(window);
        return 0;
    }
    if (std::strcmp(mode, "edges") == 0) {
        probeEdges(program);
        return 0;
    }
    if (std::strcmp(mode, "error") == 0) {
        const char* kind = argc > 2 ? argv[2] : "";
        QTimer::singleShot(0, &window, [&window, kind] { provoke(window, kind); });
    } else if (std::strcmp(mode, "close-during-run") == 0) {
        clickPoints(window, {QPoint(10, 10), QPoint(10, 200), QPoint(200, 10), QPoint(300, 300),
                             QPoint(400, 50)});
        window.findChild<QScrollBar*>(QStringLiteral("Hsbspeed"))->setValue(3000);
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("Cmdstart")), Qt::LeftButton);
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (SessionProbe::form(window.session()).Curpoint == 4) {
                std::printf("closing after point 4\n");
                window.close();
            }
        });
        closer.start(1);
        const int status = application.exec();
        std::printf("questions asked: %zu\n", answerer.shown.size());
        return status;
    } else {
        QTimer::singleShot(0, &window, [&window] { window.close(); });
    }
    return application.exec();
}
