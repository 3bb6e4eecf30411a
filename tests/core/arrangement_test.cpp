#include "teach/session/arrangement.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

bool overlap(const Box& a, const Box& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

// Every client from a small window to a projector, with every choice of panels and of the text's
// heights: the parts stand apart, clear of the controls, inside the client, and use its room.
TEST(Arrangement, EveryPanelOpenStandsApartInsideTheClientAndFillsTheColumn) {
    for (int width = beside::ControlsRight; width <= 2600; width += 53)
        for (int height = beside::ControlsBottom; height <= 1500; height += 41)
            for (int open = 0; open < 64; ++open)
                for (const TextHeights text : {TextHeights{}, TextHeights{60, 240}, TextHeights{900, 2000}}) {
                    const Room room{width, height, beside::LeastPixels, (open & 1) != 0, (open & 2) != 0,
                                    (open & 4) != 0, (open & 8) != 0, (open & 16) != 0, (open & 32) != 0};
                    const Arrangement a = arrange(room, text);
                    SCOPED_TRACE(testing::Message() << width << "x" << height << " open " << open
                                                    << " text " << text.sentence << "," << text.code);
                    const std::array<std::pair<const Box*, bool>, 6> parts{
                        {{&a.sentence, room.told}, {&a.pointList, room.pointList}, {&a.code, room.code},
                         {&a.cost, room.cost}, {&a.timeline, room.timeline}, {&a.compared, room.compared}}};
                    std::vector<const Box*> shown;
                    for (const auto& [box, open] : parts) {
                        ASSERT_EQ(!box->empty(), open && (a.beside || box == &a.timeline));
                        if (box->empty())
                            continue;
                        EXPECT_LE(box->right(), width);
                        // Narrow and short, the timeline has nowhere but under the controls.
                        if (a.beside || box != &a.timeline) {
                            EXPECT_LE(box->bottom(), height);
                        }
                        EXPECT_TRUE(box->left >= beside::ControlsRight || box->top >= beside::ControlsBottom);
                        for (const Box* other : shown)
                            EXPECT_FALSE(overlap(*box, *other));
                        shown.push_back(box);
                    }
                    EXPECT_GE(a.codePixels, beside::LeastPixels);
                    if (!a.beside)
                        continue;
                    const bool listed = room.pointList || room.code || room.cost;
                    // The compared picture in its box, in the drawing's proportions, never larger.
                    if (room.compared) {
                        const Box& picture = a.comparedPicture;
                        EXPECT_TRUE(picture.left >= a.compared.left && picture.right() <= a.compared.right() &&
                                    picture.top >= a.compared.top && picture.bottom() <= a.compared.bottom());
                        EXPECT_LE(picture.height, layout::Pichull.height / area::TwipsPerPixel);
                        EXPECT_NEAR(picture.width * layout::Pichull.height,
                                    picture.height * layout::Pichull.width, layout::Pichull.height);
                        if (room.told || listed) {
                            EXPECT_LE(a.compared.height, (height - beside::Top) / 2);
                        }
                        // It leaves the panels their least heights where the column holds them.
                        int lowest = 0;
                        for (const Box* box : {&a.pointList, &a.code, &a.cost})
                            lowest = std::max(lowest, box->bottom());
                        const int least = (room.pointList ? beside::LeastListHeight + beside::PanelGap : 0) +
                                          (room.code ? beside::LeastListHeight + beside::PanelGap : 0) +
                                          (room.cost ? beside::LeastCostHeight + beside::PanelGap : 0);
                        if (!room.told && listed &&
                            lowest - beside::Top >= a.compared.height - a.comparedPicture.height +
                                                        beside::LeastComparedHeight + beside::Gap + least) {
                            // The panels' shares are whole pixels: a pixel each may be lost.
                            EXPECT_GE(lowest - a.compared.bottom() - beside::Gap, least - beside::PanelGap - 2);
                        }
                    }
                    // The last part of the column reaches the foot of the client.
                    int lowest = 0;
                    for (const Box* box : {&a.sentence, &a.pointList, &a.code, &a.cost})
                        lowest = std::max(lowest, box->bottom());
                    if (room.told || listed) {
                        EXPECT_GE(lowest, height - beside::Gap - beside::PanelGap - beside::TimelineHeight -
                                              beside::Gap);
                    }
                    if (room.told && listed) {
                        // The lines the sentence needs, up to a third of the column.
                        EXPECT_LE(a.sentence.height, (lowest - beside::Top) / 3 + 1);
                        if (text.sentence > 0 && 3 * text.sentence < lowest - beside::Top - 3) {
                            EXPECT_EQ(a.sentence.height, text.sentence);
                        }
                    }
                    // The code whole where the list and the plot keep their least heights.
                    const int rest = (room.pointList ? beside::LeastListHeight + beside::PanelGap : 0) +
                                     (room.cost ? beside::LeastCostHeight + beside::PanelGap : 0);
                    if (room.code && text.code > 0 && a.code.top + text.code + rest <= lowest) {
                        EXPECT_GE(a.code.height, text.code);
                    }
                    // The list and the plot keep their least heights wherever the column holds them.
                    const int panelsTop = std::min({a.pointList.empty() ? lowest : a.pointList.top,
                                                    a.code.empty() ? lowest : a.code.top,
                                                    a.cost.empty() ? lowest : a.cost.top});
                    if (lowest - panelsTop >= rest + a.code.height) {
                        EXPECT_GE(a.cost.height, room.cost ? beside::LeastCostHeight : 0);
                        EXPECT_GE(a.pointList.height, room.pointList ? beside::LeastListHeight : 0);
                    }
                }
}

// The code's type shrinks to keep its lines whole before it scrolls, never under what reads as
// 12 pixels on the screen, however small the page is scaled.
TEST(Arrangement, TheCodeShrinksBeforeItScrollsNeverUnderTheLeastType) {
    Room room{0, 700, beside::LeastPixels, false, false, true, false, false};
    int previous = 0;
    bool scrolled = false;
    for (room.width = 2000; room.width >= beside::Left + beside::MinimumWidth + beside::Gap; room.width -= 7) {
        const Arrangement a = arrange(room);
        EXPECT_LE(a.codePixels, previous == 0 ? beside::CodePixels : previous);
        EXPECT_TRUE(!a.codeScrollsSideways || a.codePixels == beside::LeastPixels);
        scrolled = scrolled || a.codeScrollsSideways;
        previous = a.codePixels;
    }
    EXPECT_TRUE(scrolled) << "the narrowest column cannot hold the code's lines at 12 pixels";
    EXPECT_EQ(previous, beside::LeastPixels);
    room.leastType = 15;
    EXPECT_EQ(arrange(room).codePixels, 15);
    room.width = 400;
    EXPECT_FALSE(arrange(room).beside);
    EXPECT_FALSE(arrange(room).codeScrollsSideways) << "apart from the drawing, the code takes its width";
}

} // namespace
