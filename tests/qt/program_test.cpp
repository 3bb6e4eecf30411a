// The real program: started in its own process for the display check on configured screens, the
// run-time error report and exit status, closing during a run and scaled displays; and started
// in this process the way main starts it.

#include "qt/program.h"
#include "screen_grab.h"
#include "window_texts.h"

#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "qt_printers.h"

#include <gtest/gtest.h>

namespace {

struct ProbeRun {
    int status;
    QString output;
};

ProbeRun runProbe(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(WINDOW_PROBE), arguments);
    EXPECT_TRUE(probe.waitForFinished(60000));
    return {probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1,
            QString::fromUtf8(probe.readAllStandardOutput())};
}

QProcessEnvironment offscreen() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
    return environment;
}

// The offscreen platform with one screen of the given size at 96 DPI.
class ConfiguredScreen : public ::testing::Test {
  protected:
    QProcessEnvironment screenOf(int width, int height) {
        const QString path = directory.filePath(QStringLiteral("screen.json"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral(
                       R"({"screens": [{"name": "probe", "x": 0, "y": 0, "width": %1, "height": %2,
            "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                       .arg(width)
                       .arg(height)
                       .toUtf8());
        file.close();
        QProcessEnvironment environment = offscreen();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                           QStringLiteral("offscreen:configfile=") + path);
        return environment;
    }

    QTemporaryDir directory;
};

using DisplayCheck = ConfiguredScreen;
using ScaledDisplay = ConfiguredScreen;

TEST_F(DisplayCheck, NarrowDisplayIsRefusedWithThreeLinesAndNoWindow) {
    const ProbeRun run = runProbe({}, screenOf(799, 600));
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(
        run.output.contains("box icon=3 buttons=1024 lines=3 title=Convex Hull text="
                            "This programme must be run at 800 x 600 resolution or higher.\\n"
                            "The current display is not correct.\\n"
                            "Please change the resolution before running the programme again.\n"))
        << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("ended with no window"));
    EXPECT_FALSE(run.output.contains("window opened"));
}

TEST_F(DisplayCheck, Display800WideOpensTheWindowMaximizedWhateverItsHeight) {
    for (int height : {600, 480}) {
        const ProbeRun run = runProbe({}, screenOf(800, height));
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.output.contains("window opened maximized")) << run.output.toStdString();
        EXPECT_FALSE(run.output.contains("box ")) << run.output.toStdString();
    }
}

// A projector: 1920 × 1080 with the window 1.75 times larger, each step shown and every panel open.
// Every panel and the timeline stand in the window, as a screen reader is told, the code's type 12
// pixels or more.
TEST_F(ConfiguredScreen, AProjectorShowsEveryPanelInView) {
    QProcessEnvironment projector = screenOf(1920, 1080);
    projector.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1.75"));
    const ProbeRun run = runProbe({QStringLiteral("panels")}, projector);
    ASSERT_EQ(run.status, 0) << run.output.toStdString();
    for (const char* panel : {"sentence", "list", "code", "cost", "timeline"})
        EXPECT_TRUE(run.output.contains(QStringLiteral("panel %1 in view").arg(panel)))
            << run.output.toStdString();
    const QRegularExpression type(QStringLiteral("code type (\\d+)"));
    EXPECT_GE(type.match(run.output).captured(1).toInt(), 12) << run.output.toStdString();
}

TEST(RunTimeErrorReport, EachKindIsShownAndEndsTheProgramWithAFailure) {
    const std::pair<const char*, const char*> kinds[] = {{"overflow", "overflow"},
                                                         {"subscript", "subscript out of range"},
                                                         {"fault", "floating-point fault"}};
    for (auto [kind, named] : kinds) {
        const ProbeRun run =
            runProbe({QStringLiteral("error"), QString::fromUtf8(kind)}, offscreen());
        EXPECT_EQ(run.status, 1) << kind;
        const QRegularExpression box(
            QStringLiteral("box icon=3 buttons=1024 lines=1 title=Convex Hull text=.*%1")
                .arg(QString::fromUtf8(named)));
        EXPECT_TRUE(run.output.contains(box)) << run.output.toStdString();
    }
}

TEST(ClosingTheWindow, EndsARunBetweenTwoStepsWithoutTheQuestion) {
    const ProbeRun run = runProbe({QStringLiteral("close-during-run")}, offscreen());
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.output.contains("closing after point 4")) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("questions asked: 0")) << run.output.toStdString();
}

TEST_F(ScaledDisplay, KeepsTheLayoutAndTheTwipsAndDrawsAtTwiceThePixels) {
    const ProbeRun plain = runProbe({QStringLiteral("layout")}, offscreen());
    QProcessEnvironment scaledEnvironment = screenOf(1920, 1200);
    scaledEnvironment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    const ProbeRun scaled = runProbe({QStringLiteral("layout")}, scaledEnvironment);
    ASSERT_EQ(plain.status, 0) << plain.output.toStdString();
    ASSERT_EQ(scaled.status, 0) << scaled.output.toStdString();

    auto linesStartingWith = [](const QString& output, const QString& start) {
        QStringList lines = output.split('\n').filter(QRegularExpression('^' + start));
        return lines;
    };
    const QStringList controls = linesStartingWith(plain.output, QStringLiteral("control "));
    EXPECT_EQ(controls.size(), 14);
    EXPECT_EQ(linesStartingWith(scaled.output, QStringLiteral("control ")), controls);
    EXPECT_EQ(linesStartingWith(plain.output, QStringLiteral("click ")),
              QStringList{"click 150 300"});
    EXPECT_EQ(linesStartingWith(scaled.output, QStringLiteral("click ")),
              QStringList{"click 150 300"});
    EXPECT_EQ(linesStartingWith(plain.output, QStringLiteral("image ")),
              QStringList{"image 525 469"});
    EXPECT_EQ(linesStartingWith(scaled.output, QStringLiteral("image ")),
              QStringList{"image 1050 938"});
    EXPECT_TRUE(scaled.output.contains("text Lbltext fits")) << scaled.output.toStdString();
    EXPECT_FALSE(scaled.output.contains("cut off")) << scaled.output.toStdString();
}

// On any scale, a press in the last device column and row adds a point at the last logical pixel,
// and a line drawn again in the background colour leaves nothing behind.
TEST_F(ScaledDisplay, PressesAtTheEdgeCountAndErasedLinesLeaveNothing) {
    for (const char* factor : {"1.25", "1.5", "2"}) {
        QProcessEnvironment environment = screenOf(1920, 1200);
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromUtf8(factor));
        const ProbeRun run = runProbe({QStringLiteral("edges")}, environment);
        EXPECT_TRUE(run.output.contains("pixels left 0\n")) << factor << run.output.toStdString();
        EXPECT_TRUE(run.output.contains("edge press: 1 point at 7860 7020\n"))
            << factor << run.output.toStdString();
    }
}

// The way main starts the program: the display check, the load, the window, as they reach the
// screen.
TEST(ProgramStart, ShowsTheLoadedWindowAndTheFirstDotOnScreen) {
    Program program;
    ASSERT_TRUE(program.start());
    MainWindow& window = *program.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.isMaximized());
    EXPECT_EQ(window.findChild<QLabel*>("Lbltext")->text().toStdString(), InstructionsText);
    EXPECT_EQ(window.findChild<QLabel*>("Lblnote")->text().toStdString(), NotesText);
    EXPECT_EQ(window.findChild<QLabel*>("Lblcount")->text(), "\n0");
    EXPECT_FALSE(window.findChild<QWidget*>("Cmdstart")->isEnabled());

    const QPoint dot = window.surface().contentsRect().topLeft() + QPoint(100, 50);
    QTest::mouseClick(&window.surface(), Qt::LeftButton, Qt::NoModifier, dot);
    EXPECT_EQ(shownOnScreen(window.surface(), QRect(dot, QSize(1, 1))).pixelColor(0, 0),
              QColor(255, 0, 255));
}

} // namespace
