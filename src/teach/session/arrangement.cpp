#include "teach/session/arrangement.h"

#include "teach/words/step_code.h"

#include <limits>

// The lines with the two columns that mark the lit one: a monospaced advance is at most five
// eighths of the type, rounded as a face rounds it.
int codeWidthAt(int pixels) {
    constexpr int Padding = 16;
    std::size_t columns = 0;
    for (int algorithm = 0; algorithm < static_cast<int>(AlgorithmNames.size()); ++algorithm)
        for (std::string_view line : codeLinesOf(static_cast<Algorithm>(algorithm)))
            columns = std::max(columns, line.size() + 2);
    return (static_cast<int>(columns) * pixels * 5 + 7) / 8 + Padding;
}

namespace {

void fitCode(Arrangement& arranged, int width, int leastType) {
    const int least = std::max(beside::LeastPixels, leastType);
    int pixels = std::max(beside::CodePixels, least);
    while (pixels > least && codeWidthAt(pixels) > width)
        --pixels;
    arranged.codePixels = pixels;
    arranged.codeScrollsSideways = codeWidthAt(pixels) > width;
}

// The timeline under the controls where the client has the room, else at the foot of the column.
Box timelineIn(const Room& room, bool besideRoom, int& columnBottom) {
    const int under = (layout::Cmdstart.top + layout::Cmdstart.height) / area::TwipsPerPixel;
    const int below = under + beside::TimelineGap;
    if (room.height >= below + beside::TimelineHeight || !besideRoom)
        return {layout::Pichull.left / area::TwipsPerPixel, below,
                layout::Pichull.width / area::TwipsPerPixel, beside::TimelineHeight};
    columnBottom -= beside::TimelineHeight;
    const Box foot{beside::Left, columnBottom, beside::widthIn(room.width), beside::TimelineHeight};
    columnBottom -= beside::Gap;
    return foot;
}

// The panels down the column in their order: the code as tall as its text, or less where the list
// and the plot would lose their least height; the list and the plot share what is left.
void stackPanels(Arrangement& arranged, const Room& room, const TextHeights& text, int top,
                 int bottom, int width) {
    const int shared = (room.pointList ? 1 : 0) + (room.cost ? 1 : 0);
    const int panels = shared + (room.code ? 1 : 0);
    const int height = bottom - top - beside::PanelGap * (panels - 1);
    const int least = (room.pointList ? beside::LeastListHeight : 0) +
                      (room.cost ? beside::LeastCostHeight : 0);
    // Where even their least heights do not fit, the code keeps a third and scrolls.
    const int wanted = text.code > 0 ? text.code : height / 2;
    const int codeHeight =
        !room.code ? 0 : shared == 0 ? height : std::min(wanted, std::max(height - least, height / 3));
    // Each keeps its least height and an equal part of what is left over; short of that, a part in
    // proportion to it.
    const int rest = height - codeHeight;
    const int extra = shared > 0 ? (rest - least) / shared : 0;
    const auto shareOf = [&](int leastHeight) {
        return extra >= 0 ? leastHeight + extra : rest * leastHeight / least;
    };
    const auto next = [&](Box& box, bool shown, int boxHeight) {
        if (!shown)
            return;
        box = {beside::Left, top, width, boxHeight};
        top += boxHeight + beside::PanelGap;
    };
    next(arranged.pointList, room.pointList, shareOf(beside::LeastListHeight));
    next(arranged.code, room.code, codeHeight);
    next(arranged.cost, room.cost, shareOf(beside::LeastCostHeight));
}

// As large as the drawing, or as the column's width allows in its proportions, taking at most half
// of the column where other parts share it, and leaving the panels their least heights.
void placeCompared(Arrangement& arranged, const Room& shown, int top, int bottom, int width) {
    constexpr int Wide = layout::Pichull.width / area::TwipsPerPixel;
    constexpr int High = layout::Pichull.height / area::TwipsPerPixel;
    constexpr int Around = beside::ComparedTitleHeight + beside::ComparedWordsHeight;
    const bool shared = shown.told || shown.pointList || shown.code || shown.cost;
    const int least = (shown.pointList ? beside::LeastListHeight + beside::PanelGap : 0) +
                      (shown.code ? beside::LeastListHeight + beside::PanelGap : 0) +
                      (shown.cost ? beside::LeastCostHeight + beside::PanelGap : 0) +
                      (shown.told ? 2 * beside::FontPixels + beside::Gap : 0);
    const int room = std::min(shared ? (bottom - top) / 2 : bottom - top,
                              bottom - top - least - beside::Gap + beside::PanelGap) - Around;
    const int fits = std::min(High, width * High / Wide);
    const int high = std::max(std::min(beside::LeastComparedHeight, fits), std::min(fits, room));
    const int wide = high * Wide / High;
    arranged.compared = {beside::Left, top, width, high + Around};
    arranged.comparedPicture = {beside::Left, top + beside::ComparedTitleHeight, wide, high};
}

} // namespace

Arrangement arrange(const Room& room, const TextHeights& text) {
    Arrangement arranged;
    const int width = beside::widthIn(room.width);
    arranged.beside = width > 0;
    // Apart from the drawing, the panels take the code's width.
    fitCode(arranged, arranged.beside ? width : std::numeric_limits<int>::max(), room.leastType);
    // The column reaches the foot of the client, and at least the foot of the controls.
    int bottom = std::max(beside::ControlsBottom, room.height - beside::Gap);
    if (room.timeline)
        arranged.timeline = timelineIn(room, arranged.beside, bottom);
    if (!arranged.beside)
        return arranged;
    const bool listed = room.pointList || room.code || room.cost;
    int top = beside::Top;
    if (room.compared) {
        placeCompared(arranged, room, top, bottom, width);
        top = arranged.compared.bottom() + beside::Gap;
    }
    if (room.told) {
        const int third = (bottom - top) / 3;
        const int height =
            !listed ? bottom - top : text.sentence > 0 ? std::min(text.sentence, third) : third;
        arranged.sentence = {beside::Left, top, width, height};
        top += height + beside::Gap;
    }
    if (listed)
        stackPanels(arranged, room, text, top, bottom, width);
    return arranged;
}
