#include "qt/message_box.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QScreen>

#include <limits>

MessageBox::MessageBox(Icon icon, const QString& title, const QString& text,
                       StandardButtons buttons, QWidget* parent, const QRect& keepClear)
    : QMessageBox(icon, title, text, buttons, parent), keepClear(keepClear) {}

// Qt sizes and places the box as it is shown; it is sized and placed anew before it reaches the
// screen.
void MessageBox::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event);
    keepLinesWhole();
    if (keepClear.isEmpty())
        adjustPosition(parentWidget());
    else
        placeClearOfArea();
}

// Qt wraps any line wider than half the screen, at a width of its own choosing, and does so again
// at every layout request. The lines stay whole wherever the screen has room for them.
void MessageBox::keepLinesWhole() {
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->text() != text() || !label->wordWrap())
            continue;
        label->setWordWrap(false);
        const QSize whole = layout()->totalMinimumSize();
        linesKept = whole.width() <= screen()->availableGeometry().width();
        if (linesKept)
            setFixedSize(whole);
        else
            label->setWordWrap(true);
    }
}

bool MessageBox::event(QEvent* event) {
    // Everything QMessageBox does on a layout request but the wrapping.
    if (event->type() == QEvent::LayoutRequest && linesKept)
        return QDialog::event(event);
    return QMessageBox::event(event);
}

namespace {

// The rectangle moved the least distance that puts it on the screen, or at its top left corner
// if it is larger.
QRect onScreen(QRect box, const QRect& screen) {
    box.moveLeft(qMax(screen.left(), qMin(box.left(), screen.right() + 1 - box.width())));
    box.moveTop(qMax(screen.top(), qMin(box.top(), screen.bottom() + 1 - box.height())));
    return box;
}

int coveredArea(const QRect& box, const QRect& area) {
    const QRect covered = box & area;
    return covered.isEmpty() ? 0 : covered.width() * covered.height();
}

} // namespace

// To the right of the area, below it, to its left or above it: the first of these places that lies
// on the screen and covers none of the area, or else the one that covers least of it.
void MessageBox::placeClearOfArea() {
    constexpr int Gap = 8;
    const QSize outer = size().grownBy(windowFrame());
    const QPoint centred = keepClear.center() - QPoint(outer.width() / 2, outer.height() / 2);
    const QPoint places[] = {{keepClear.right() + 1 + Gap, centred.y()},
                             {centred.x(), keepClear.bottom() + 1 + Gap},
                             {keepClear.left() - Gap - outer.width(), centred.y()},
                             {centred.x(), keepClear.top() - Gap - outer.height()}};
    QRect best;
    int leastCovered = std::numeric_limits<int>::max();
    for (const QPoint& place : places) {
        const QRect box = onScreen(QRect(place, outer), screen()->availableGeometry());
        if (coveredArea(box, keepClear) < leastCovered) {
            best = box;
            leastCovered = coveredArea(box, keepClear);
        }
    }
    // A window's position is that of its frame.
    move(best.topLeft());
}

// The box has no frame before it is on the screen; the window it belongs to shows how wide the
// window manager's frame is.
QMargins MessageBox::windowFrame() const {
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (!owner)
        return {};
    const QRect inner = owner->geometry();
    const QRect outer = owner->frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}
