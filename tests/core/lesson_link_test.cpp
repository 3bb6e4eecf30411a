#include "fake_window.h"

#include "form/area.h"
#include "teach/files/lesson_link.h"

#include <gtest/gtest.h>

namespace {

std::string refusal(std::string_view text) {
    return readLink(text).error;
}

TEST(LessonLink, ReadsWhatItWritesFromAWholeAddressOrItsEscapedFragment) {
    LessonLink lesson;
    lesson.points = {{900, 900}, {6900, 1200.5f}, {3000, 5000}, {0.1f, 7020}};
    lesson.step = 1;
    lesson.test = 3;
    lesson.eachStep = true;
    lesson.pointNumbers = true;
    lesson.code = lesson.pointList = true;
    const std::string fragment = writeLink(lesson);
    EXPECT_EQ(fragment, "v1;p=900,900,6900,1200.5,3000,5000,0.1,7020;s=1;t=3;e=1;n=1;c=1;l=1");
    for (const std::string& text : std::vector<std::string>{
             fragment, '#' + fragment, " file:///home/me/convex-hull.html#" + fragment + "\n",
             "https://example.org/"
             "hull.html#v1%3Bt=3;p=900%2C900,6900,1200.5,3000,5000,.1,7020;l=1;s=1;c=1;e=1;n=1;"}) {
        const LessonLink read = readLink(text);
        EXPECT_EQ(read.error, "") << text;
        EXPECT_EQ(read.points, lesson.points) << text;
        EXPECT_EQ(read.step, 1);
        EXPECT_EQ(read.test, 3);
        EXPECT_TRUE(read.eachStep && read.pointNumbers && !read.fitted);
        EXPECT_TRUE(read.code && read.pointList && !read.cost) << text;
    }
    EXPECT_EQ(readLink("v1;p=1,2,3,4,5,6").step, -1) << "the points only";
    EXPECT_EQ(readLink("v1;p=1,2,3,4,5,6,7,8;s=1").test, -1) << "the step's end";
    EXPECT_EQ(readLink("v1;p=1,2,3,4,5,6;s=0").step, 0);
    EXPECT_EQ(readLink("v1;p=5,5;s=0").error, "") << "step 0 of too few points, left out later";
    EXPECT_EQ(readLink("v1;p=").points.size(), 0u);
    // Another algorithm, whose steps and tests may outnumber the points.
    const LessonLink chain = readLink("v1;p=1,2,3,4,5,6,7,8;s=7;t=900;a=2;b=0");
    EXPECT_EQ(chain.error, "");
    EXPECT_EQ(chain.algorithm, 2);
    EXPECT_EQ(chain.compared, 0) << "compared with the incremental method";
    EXPECT_EQ(writeLink(chain), "v1;p=1,2,3,4,5,6,7,8;s=7;t=900;a=2;b=0");
    EXPECT_EQ(readLink("v1;p=1,2").algorithm, -1) << "the incremental method";
    EXPECT_EQ(readLink("v1;p=1,2").compared, -1) << "no comparison";

    const LessonLink outside = readLink("v1;p=-5,-5,100,100,200,50");
    EXPECT_TRUE(outside.fitted);
    for (const Overlay::Spot& point : outside.points)
        EXPECT_TRUE(area::contains(point.x, point.y));
}

TEST(LessonLink, RefusesAnyOtherTextInWordsAboutALink) {
    EXPECT_EQ(refusal("%"), "it has a % that is not followed by two hexadecimal digits.");
    EXPECT_EQ(refusal("v1;p=%E0%A4%A"),
              "it has a % that is not followed by two hexadecimal digits.");
    EXPECT_EQ(refusal(""), "it holds no lesson.");
    EXPECT_EQ(refusal("https://example.org/hull.html#"), "it holds no lesson.");
    EXPECT_EQ(refusal("v2;p=1,2"), "it does not begin with v1, as a lesson does.");
    EXPECT_EQ(refusal("v1;p=1,2,3"), "point 2 has an X but no Y.");
    EXPECT_EQ(refusal("v1;p=1,2,3,4,5,6;s=2"), "the step 2 is past the run's last step, 0.");
    EXPECT_EQ(refusal("v1;p=1,2,3,4,5,6,7,8;s=9"), "the step 9 is past the run's last step, 1.");
    EXPECT_EQ(refusal("v1;s=1.5"), "\"1.5\" is not a step.");
    EXPECT_EQ(refusal("v1;p=1,2,3,4,5,6;s=-2"), "\"-2\" is not a step.");
    EXPECT_EQ(refusal("v1;p=1,2,3,4,5,6,7,8;s=1;t=0"), "\"0\" is not a test of a step.");
    EXPECT_EQ(refusal("v1;p=1,2,3,4,5,6,7,8;t=2"),
              "a test lies inside a step from step 1 on, and the link gives no step.");
    EXPECT_EQ(refusal("v1;p=1,2,3,4,5,6,7,8;s=0;t=2"),
              "a test lies inside a step from step 1 on, and the link gives step 0.");
    EXPECT_EQ(refusal("v1;e=1;e=1"), "it gives e= twice.");
    EXPECT_EQ(refusal("v1;e=yes"), "\"yes\" is neither 0 nor 1.");
    EXPECT_EQ(refusal("v1;a=4"), "\"4\" is not an algorithm.");
    EXPECT_EQ(refusal("v1;x=1"), "\"x=1\" is not part of a lesson.");
    EXPECT_EQ(refusal("v1;p=1,inf"), "\"inf\" is not a number.");
    // Raw bytes and long texts never reach a message as they are.
    EXPECT_EQ(refusal("v1;p=1,%00%FF2"), "\"??2\" is not a number.");
    EXPECT_EQ(refusal("v1;p=1," + std::string(100, '9') + "x"),
              "\"999999999999999999999999…\" is not a number.");

    std::string many = "v1;p=";
    for (int i = 0; i < 501; ++i)
        many += "100,100,";
    many.pop_back();
    EXPECT_EQ(refusal(many), "point 501 is one too many: a drawing holds at most 500 points.");
    // A link as long as a browser passes is read in one pass.
    EXPECT_EQ(refusal("v1;p=" + std::string(1600000, '1')),
              "\"111111111111111111111111…\" is not a number.");
}

// Links through the session, as both faces open them.
TEST(LessonLink, OpensItsLessonPausedAtItsStepOrSaysWhyNot) {
    FakeWindow w;
    w.form.Form_Load();
    w.desktop.deferAnswers = true;
    const std::string square = "v1;p=0,0,3000,0,3000,3000,0,3000,1500,9000";

    w.session.openLink(square + ";s=2;n=1");
    EXPECT_EQ(w.mod.Pointcount, 5);
    EXPECT_TRUE(w.lesson.isPaused());
    EXPECT_TRUE(w.desktop.shown.empty()) << "the last step keeps its question back";
    EXPECT_EQ(w.lesson.step(), 2);
    EXPECT_TRUE(w.lesson.showsPointNumbers());
    EXPECT_EQ(w.view.status, "Points 2 and 3 swapped places so that the first triangle runs "
                             "counter-clockwise on the screen. The link's points did not all lie "
                             "in the drawing area: they were scaled and moved to fit it. Paused at "
                             "step 2 of 2.");
    EXPECT_EQ(w.session.link().substr(w.session.link().size() - 8), ";s=2;n=1");

    const std::size_t drawn = w.Pichull.calls.size();
    w.session.openLink("v1;p=1,1");
    EXPECT_EQ(w.view.status, "A run is going on: press RESET first, then open the link again.");
    EXPECT_EQ(w.Pichull.calls.size(), drawn);
    w.session.perform(Command::StepForward);
    ASSERT_EQ(w.desktop.shown.size(), 1u);
    EXPECT_EQ(w.desktop.shown[0].prompt, "Done! Reset and start again?");
    w.session.answer(AnswerYes);

    w.session.openLink("v1;p=0,0,3000,0,3000,3000;s=0");
    EXPECT_TRUE(w.lesson.hasRun()) << "step 0 is the first triangle";
    w.session.perform(Command::StepForward);
    EXPECT_EQ(w.desktop.shown.size(), 2u);
    w.session.answer(AnswerYes);

    // Inside a step at its second test, and past its last test at the last.
    w.session.openLink(square + ";s=2;t=2");
    EXPECT_EQ(w.lesson.step(), 2);
    EXPECT_EQ(w.lesson.walkState().tests.size(), 2u);
    EXPECT_EQ(w.view.status.substr(0, 29), "Paused at step 2 of 2, test 2");
    EXPECT_EQ(w.session.link().substr(w.session.link().size() - 8), ";s=2;t=2");
    w.session.pressReset();
    w.session.openLink(square + ";s=1;t=9");
    EXPECT_EQ(w.lesson.walkState().tests.size(), 4u) << "the triangle's 3 edges and the wrap";
    w.session.pressReset();

    // The views a link names open with it; those it does not name close.
    w.session.perform(Command::ShowTheCode);
    w.session.openLink(square + ";k=1;l=1");
    EXPECT_TRUE(w.session.showsTheCost() && w.session.listsThePoints() &&
                !w.session.showsTheCode());
    EXPECT_EQ(w.session.link().substr(w.session.link().size() - 8), ";k=1;l=1");
    w.session.pressReset();
    // A comparison opens beside the run, standing where it stands.
    w.session.openLink(square + ";s=1;a=3;b=1");
    ASSERT_TRUE(w.lesson.compared());
    EXPECT_EQ(w.lesson.compared()->algorithm(), Algorithm::GiftWrapping);
    EXPECT_EQ(w.lesson.compared()->standing().testsMade(), w.lesson.runCost().back());
    EXPECT_EQ(w.session.link().substr(w.session.link().size() - 8), ";a=3;b=1");
    w.session.pressReset();

    w.session.openLink("v1;p=0,0,100,100,200,200;s=0");
    EXPECT_FALSE(w.lesson.hasRun());
    EXPECT_EQ(w.view.status, "The link's step 0 is left out: a run needs three points that do "
                             "not lie on one line.");

    w.session.openLink("v1;p=5,5;s=1");
    ASSERT_EQ(w.desktop.shown.size(), 3u);
    EXPECT_EQ(w.desktop.shown[2].prompt, "This link holds no lesson the program can read:\n"
                                         "the step 1 is past the run's last step, 0.");
    w.session.answer(AnswerOk);
    EXPECT_EQ(w.mod.Pointcount, 3) << "the points already there stay";
}

} // namespace
