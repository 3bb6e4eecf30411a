// What a lecturer prepares with, through the real window: point files read or refused, the last
// point taken back, pictures exported, and the program's command line.

#include "message_answerer.h"
#include "qt/command_line.h"
#include "qt/program.h"
#include "shown_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <random>

namespace {

class LectureToolsTest : public ::testing::Test, public ShownWindow {
  protected:
    QString write(const char* name, const QByteArray& text) {
        QFile file(directory.filePath(QString::fromUtf8(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    }
    std::vector<float> coordinates() {
        std::vector<float> all;
        for (int i = 1; i <= points.Pointcount; ++i)
            all.insert(all.end(), {points.Xcoord(i), points.Ycoord(i)});
        return all;
    }

    MessageAnswerer answerer;
    QTemporaryDir directory;
};

// Each kind of bad file is named with its first bad line, and the points and the picture stay.
TEST_F(LectureToolsTest, BadFilesAreRefusedAndNothingIsLost) {
    for (QPoint p : {QPoint(20, 20), QPoint(300, 40), QPoint(100, 300), QPoint(250, 200)})
        click(p);
    const std::vector<float> before = coordinates();
    const QImage picture = window.surface().image();
    QByteArray tooMany;
    for (int i = 0; i <= 500; ++i)
        tooMany += QByteArray::number(i * 15) + " 100\n";
    QDir(directory.path()).mkdir(QStringLiteral("folder"));
    const std::pair<QString, QString> files[] = {
        {write("word.txt", "10 20\n# fine\n10 abc\n"), "line 3: \"abc\" is not a number"},
        {write("one.txt", "10 20\n\n30\n"), "line 3: one number where a point needs two"},
        {write("three.txt", "1 2 3\n"), "line 1: 3 numbers where a point needs two"},
        {write("nan.txt", "5 5\nnan 5\n"), "line 2: \"nan\" is not a finite number"},
        {write("inf.txt", "5 -inf\n"), "line 1: \"-inf\" is not a finite number"},
        {write("huge.txt", "1e39 5\n"), "line 1: \"1e39\" is not a finite number"},
        {write("unit.txt", "10 20\n30x 40\n"), "line 2: \"30x\" is not a number"},
        {write("announced.txt", "2\n\n554848554448485544848\n0 0\n"),
         "line 3: the file announces 554848554448485544848 points, more than the 500"},
        {write("count.txt", "2 rbox\n3\n0 0\n1 1\n"), "line 4: the file announces 3 points but"},
        {write("long.txt", "2\n1\n0 0\n1 1\n"), "line 4: more points than the 1 the file"},
        {write("many.txt", tooMany), "line 501: more than 500 points"},
        {write("empty.txt", ""), "it holds no points"},
        {write("comments.txt", "# only\n\n"), "it holds no points"},
        {directory.filePath(QStringLiteral("missing.txt")), "it cannot be read"},
        {directory.filePath(QStringLiteral("folder")), "it is a folder"}};
    for (const auto& [path, problem] : files) {
        window.openPoints(path);
        ASSERT_FALSE(answerer.shown.empty()) << path.toStdString();
        const MessageAnswerer::Shown& box = answerer.shown.back();
        EXPECT_EQ(box.icon, QMessageBox::Critical);
        EXPECT_EQ(box.title, "Convex Hull");
        EXPECT_TRUE(box.text.contains(path) && box.text.contains(problem))
            << box.text.toStdString();
        EXPECT_EQ(coordinates(), before) << path.toStdString();
        EXPECT_EQ(window.surface().image(), picture) << path.toStdString();
        answerer.shown.clear();
    }
    // A good file that lies outside the area is fitted into it, and the status line says so.
    window.openPoints(write("rbox.txt", "2 rbox\n3\n-1 -1\n1 -1\n0 1\n"));
    EXPECT_EQ(points.Pointcount, 3);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return window.statusBar()->currentMessage().contains("scaled and moved to fit it");
    }));
}

// After each click of a random input, Undo Last Point restores what was there before it: the
// points in their numbering, the count, START and the picture.
TEST_F(LectureToolsTest, UndoTakesEachClickBack) {
    std::mt19937 random(8);
    QAction& undo = window.menus().action(Command::UndoLastPoint);
    EXPECT_FALSE(undo.isEnabled());
    auto label = window.findChild<QLabel*>("Lblcount");
    for (int i = 0; i < 40; ++i) {
        // The first clicks on one line, so that later ones repair them; now and then a repeat.
        const QPoint p = i < 5 ? QPoint(40 + 30 * i, 60 + 20 * i)
                               : QPoint(std::uniform_int_distribution<int>(0, 50)(random) * 10,
                                        std::uniform_int_distribution<int>(0, 46)(random) * 10);
        const std::vector<float> before = coordinates();
        const QString count = label->text();
        const bool start = enabled("Cmdstart");
        const QImage picture = window.surface().image();
        click(p);
        ASSERT_TRUE(undo.isEnabled());
        undo.trigger();
        ASSERT_EQ(coordinates(), before) << "click " << i;
        ASSERT_EQ(label->text(), count);
        ASSERT_EQ(enabled("Cmdstart"), start) << "click " << i;
        ASSERT_EQ(window.surface().image(), picture) << "click " << i;
        click(p);
    }
    for (int i = 0; i < 40; ++i)
        undo.trigger();
    EXPECT_EQ(points.Pointcount, 0);
    EXPECT_FALSE(undo.isEnabled());

    // After a run, its last point can be taken back: too few to run, they are entered again; after
    // RESET a new set can be taken back again.
    for (QPoint p : {QPoint(20, 20), QPoint(300, 40), QPoint(100, 300)})
        click(p);
    press("Cmdstart");
    ASSERT_TRUE(undo.isEnabled()) << "after a run";
    undo.trigger();
    EXPECT_EQ(points.Pointcount, 2);
    EXPECT_TRUE(window.surface().isEnabled());
    press("Cmdreset");
    click(QPoint(50, 50));
    EXPECT_TRUE(undo.isEnabled()) << "for a new set";
}

// The picture at the window's size is its image; twice the size, the same picture with lines one
// pixel wide and dots twice as large; as SVG, the lines and dots that stay drawn.
TEST_F(LectureToolsTest, ExportedPicturesAreDrawnAfresh) {
    for (QPoint p : {QPoint(20, 30), QPoint(400, 40), QPoint(60, 420), QPoint(200, 200),
                     QPoint(480, 440), QPoint(250, 100)})
        click(p);
    window.findChild<QScrollBar*>("Hsbspeed")->setValue(0);
    press("Cmdstart");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answerer.shown.empty(); }, 20000));
    LectureTools& tools = window.lectureTools();
    const QImage& image = window.surface().image();

    const QImage twice = tools.pictureAt({.scale = 2});
    ASSERT_EQ(twice.size(), image.size() * 2);
    const QColor magenta(255, 0, 255), blue(0, 0, 255);
    for (int dy = -2; dy <= 3; ++dy)
        for (int dx = -2; dx <= 3; ++dx)
            EXPECT_EQ(twice.pixelColor(2 * 200 + dx, 2 * 200 + dy), magenta) << dx << ", " << dy;
    // Down a column through the top edge from (20, 30) to (400, 40).
    int blueAtOnce = 0, blueAtTwice = 0;
    for (int y = 0; y < image.height(); ++y)
        blueAtOnce += image.pixelColor(210, y) == blue;
    for (int y = 0; y < twice.height(); ++y)
        blueAtTwice += twice.pixelColor(420, y) == blue;
    EXPECT_EQ(blueAtOnce, 2) << "the top and the bottom edge";
    EXPECT_EQ(blueAtTwice, 2) << "one pixel each at twice the size";

    const QString png = directory.filePath(QStringLiteral("hull.png"));
    tools.exportPicture(png, {});
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), image);
    const QString svg = directory.filePath(QStringLiteral("hull.svg"));
    tools.exportPicture(svg, {});
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray drawing = file.readAll();
    EXPECT_FALSE(drawing.contains("stroke=\"#ffffc0\"")) << "erased lines leave no ghost";
    EXPECT_TRUE(drawing.contains("fill=\"#ffffc0\"") && drawing.contains("stroke=\"#0000ff\"") &&
                drawing.contains("fill=\"#ff00ff\""))
        << "the background, the hull and the points in their colours";
    QXmlStreamReader xml(drawing);
    int shapes = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        shapes += xml.isStartElement() && (xml.name() == u"line" || xml.name() == u"rect");
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(shapes, 6 + 8) << "the background, the points and the hull's lines";
    EXPECT_TRUE(answerer.shown.size() == 1) << "nothing refused";

    press("Cmdreset");
    QImage blank(twice.size(), QImage::Format_RGB32);
    blank.fill(QColor(255, 255, 192));
    EXPECT_EQ(tools.pictureAt({.scale = 2}), blank) << "RESET cleared what pictures are drawn from";
}

// A point file named on the command line is open when the window is, at the speed and with the
// view it names; the command line answers --help and --version, and a mistake ends the program
// with a message.
TEST(CommandLine, OpensAFileAnswersHelpAndRefusesMistakes) {
    QTemporaryDir directory;
    QFile file(directory.filePath(QStringLiteral("points.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("# four\n15 15\n1500 15\n15 1500\n1500 1500\n");
    file.close();
    const QByteArray path = file.fileName().toLocal8Bit();
    // The slowest speed, and each option alone, so that two of them cannot trade places.
    const char* launched[] = {"convex-hull",
                              "--speed",
                              "1000",
                              "--paused",
                              "--point-numbers",
                              "--page-url",
                              "https://example.org/hull.html#v1;p=1,2",
                              path.data()};
    Program program;
    ASSERT_TRUE(program.start(readCommandLine(8, const_cast<char**>(launched))));
    EXPECT_EQ(program.pointSet().Pointcount, 4);
    EXPECT_FALSE(program.window()->menus().action(Command::ShowEachStep).isChecked());
    EXPECT_TRUE(program.window()->menus().action(Command::ShowPointNumbers).isChecked());
    QTest::mouseClick(program.window()->findChild<QWidget*>("Cmdstart"), Qt::LeftButton);
    EXPECT_EQ(program.window()->timer().interval(), 1000);
    EXPECT_TRUE(program.window()->session().isPaused());
    // The link to the step, after the page's address in place of the lesson it held.
    program.window()->menus().action(Command::CopyLink).trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              "https://example.org/hull.html#v1;p=15,15,15,1500,1500,15,1500,1500;s=0;n=1");
    program.window()->close();
    const char* zoomed[] = {"convex-hull", "--zoom", "2", "--show-each-step", "points.txt"};
    const CommandLine marked = readCommandLine(5, const_cast<char**>(zoomed));
    EXPECT_EQ(marked.file, "points.txt");
    EXPECT_TRUE(marked.showEachStep && !marked.startPaused && !marked.showPointNumbers);
    qunsetenv("QT_SCALE_FACTOR");

    auto run = [](const QStringList& arguments) {
        QProcess process;
        process.start(QStringLiteral(CONVEX_HULL), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return std::tuple{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                          QString::fromUtf8(process.readAllStandardError())};
    };
    auto [helped, help, helpErrors] = run({QStringLiteral("--help")});
    EXPECT_EQ(helped, 0);
    EXPECT_TRUE(help.startsWith("Usage: convex-hull [options] [FILE]")) << help.toStdString();
    EXPECT_TRUE(help.contains("--zoom <FACTOR>"));
    auto [versioned, version, versionErrors] = run({QStringLiteral("--version")});
    EXPECT_EQ(versioned, 0);
    EXPECT_EQ(version, "convex-hull 1.0\n");
    for (const QStringList& wrong :
         {QStringList{"--bogus"}, QStringList{"--zoom", "9"}, QStringList{"a.txt", "b.txt"},
          QStringList{"--speed", "0"}, QStringList{"--speed", "fast"}}) {
        auto [status, out, errors] = run(wrong);
        EXPECT_EQ(status, 2) << wrong.join(' ').toStdString();
        EXPECT_TRUE(errors.startsWith("convex-hull: ")) << errors.toStdString();
        EXPECT_TRUE(out.isEmpty());
    }
}

} // namespace
