// The real program started in its own process: the display check on configured screens, the
// run-time error report and exit status, closing during a run, and a scaled display.

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

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
        run.output.contains("box icon=3 buttons=1024 title=Convex Hull text="
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

TEST(RunTimeErrorReport, EachKindIsShownAndEndsTheProgramWithAFailure) {
    const std::pair<const char*, const char*> kinds[] = {{"overflow", "overflow"},
                                                         {"subscript", "subscript out of range"},
                                                         {"fault", "floating-point fault"}};
    for (auto [kind, named] : kinds) {
        const ProbeRun run =
            runProbe({QStringLiteral("error"), QString::fromUtf8(kind)}, offscreen());
        EXPECT_EQ(run.status, 1) << kind;
        const QRegularExpression box(
            QStringLiteral("box icon=3 buttons=1024 title=Convex Hull text=.*%1")
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
}

} // namespace
