#include "qt/picture_box.h"
#include "qt/units.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Press {
    int button;
    int shift;
    float x;
    float y;
};

class PictureBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        box.resize(529, 473);
        box.onMouseDown([this](int button, int shift, float x, float y) {
            presses.push_back({button, shift, x, y});
            return false;
        });
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        box.clear();
    }

    // Counts the image's pixels that are not the background colour.
    int paintedPixels() {
        const QImage& image = box.image();
        const QRgb background = toQColor(PictureBox::BackColor).rgb();
        int painted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                painted += image.pixel(x, y) != background;
        return painted;
    }

    PictureBox box;
    std::vector<Press> presses;
};

TEST_F(PictureBoxTest, InnerAreaIsTheFrameLessTwoPixelsEachSide) {
    EXPECT_EQ(box.contentsRect(), QRect(2, 2, 525, 469));
    EXPECT_EQ(box.image().size(), QSize(525, 469));
    EXPECT_FLOAT_EQ(twipsPerPixel(box), 15.0f);
}

TEST_F(PictureBoxTest, LineRedrawnInBackgroundColourErasesIt) {
    const float segments[][4] = {{15, 30, 7860, 7020},
                                 {7860, 15, 0, 6000},
                                 {300, 300, 4500, 310},
                                 {100.5f, 7.25f, 3333.3f, 4000.7f}};
    for (const auto& s : segments) {
        box.setForeColor(0xFF0000);
        box.setDrawWidth(1);
        box.line(s[0], s[1], s[2], s[3]);
        EXPECT_GT(paintedPixels(), 100);
        box.setForeColor(box.backColor());
        box.line(s[0], s[1], s[2], s[3]);
        EXPECT_EQ(paintedPixels(), 0);
    }
    // Both ends are drawn, and the same segment drawn back to front covers the same pixels.
    box.setForeColor(0xFF0000);
    box.line(15, 30, 7860, 7020);
    EXPECT_EQ(box.image().pixelColor(1, 2), QColor(Qt::blue));
    EXPECT_EQ(box.image().pixelColor(524, 468), QColor(Qt::blue));
    box.setForeColor(box.backColor());
    box.line(7860, 7020, 15, 30);
    EXPECT_EQ(paintedPixels(), 0);
}

TEST_F(PictureBoxTest, DotIsASquareAsWideAsThePen) {
    box.setForeColor(0xFF00FF);
    box.setDrawWidth(3);
    box.dot(150, 300);
    EXPECT_EQ(paintedPixels(), 9);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            EXPECT_EQ(box.image().pixelColor(10 + dx, 20 + dy), QColor(255, 0, 255));

    box.setDrawWidth(1);
    box.dot(0, 0);
    EXPECT_EQ(paintedPixels(), 10);
    EXPECT_EQ(box.image().pixelColor(0, 0), QColor(255, 0, 255));
}

TEST_F(PictureBoxTest, ClearPaintsTheBackground) {
    box.setForeColor(0xFF0000);
    box.line(0, 0, 7860, 7020);
    box.clear();
    EXPECT_EQ(paintedPixels(), 0);
    EXPECT_EQ(box.backColor(), 0xC0FFFFu);
    EXPECT_EQ(box.image().pixelColor(0, 0), QColor(255, 255, 192));
}

TEST_F(PictureBoxTest, PressIsDeliveredInTwipsOfTheInnerAreaForEveryButton) {
    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(2 + 10, 2 + 20));
    QTest::mouseClick(&box, Qt::RightButton, Qt::ShiftModifier, QPoint(2, 2));
    QTest::mouseClick(&box, Qt::MiddleButton, Qt::ControlModifier, QPoint(2 + 524, 2 + 468));
    ASSERT_EQ(presses.size(), 3u);
    EXPECT_EQ(presses[0].x, 150.0f);
    EXPECT_EQ(presses[0].y, 300.0f);
    EXPECT_EQ(presses[1].x, 0.0f);
    EXPECT_EQ(presses[1].y, 0.0f);
    EXPECT_EQ(presses[1].button, static_cast<int>(Qt::RightButton));
    EXPECT_EQ(presses[2].x, 7860.0f);
    EXPECT_EQ(presses[2].y, 7020.0f);
    EXPECT_EQ(presses[2].shift, static_cast<int>(Qt::ControlModifier));
}

// A disabled surface takes no points and no focus, but still hands its presses on: one on a dot
// of a paused run drags it, and the session refuses the others.
TEST_F(PictureBoxTest, DisabledSurfaceTakesNoFocusButHandsPressesOn) {
    box.setFocus();
    box.setEnabled(false);
    EXPECT_FALSE(box.isEnabled());
    EXPECT_FALSE(box.hasFocus());
    EXPECT_EQ(box.focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_EQ(presses.size(), 1u);
    box.setEnabled(true);
    EXPECT_EQ(box.focusPolicy(), Qt::StrongFocus);
}

TEST_F(PictureBoxTest, PictureSurvivesARepaint) {
    box.setForeColor(0xFF0000);
    box.line(0, 0, 7860, 0);
    box.repaint();
    const QImage shown = box.grab().toImage();
    EXPECT_EQ(shown.pixelColor(2 + 100, 2), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(2 + 100, 2 + 5), QColor(255, 255, 192));
}

} // namespace
