#include "qt/compared_panel.h"

#include "form/layout.h"
#include "qt/picture_painter.h"
#include "qt/units.h"

#include <QPainter>
#include <QVBoxLayout>

ComparedPanel::ComparedPanel(QWidget* parent) : QWidget(parent), title(this), picture(this), words(this) {
    auto* parts = new QVBoxLayout(this);
    parts->setContentsMargins(0, 0, 0, 0);
    parts->addWidget(&title);
    parts->addWidget(&picture, 1);
    parts->addWidget(&words);
    QFont bold = title.font();
    bold.setBold(true);
    title.setFont(bold);
    words.setWordWrap(true);
    words.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    words.setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void ComparedPanel::showCompared(const ComparedShown& shown) {
    const QString heading = toQString(shown.title) + QStringLiteral(", ") + toQString(shown.sides);
    if (title.text() != heading)
        title.setText(heading);
    if (const QString said = toQString(shown.sentence); words.text() != said)
        words.setText(said);
    picture.setAccessibleName(toQString(shown.title));
    picture.setAccessibleDescription(toQString(shown.sentence));
    picture.show(shown);
}

void ComparedPanel::placeParts(const QRect& box) {
    layout()->setEnabled(false);
    title.setGeometry(0, 0, width(), box.top());
    picture.setGeometry(box);
    words.setGeometry(0, box.bottom() + 1, width(), height() - box.bottom() - 1);
}

ComparedPanel::Picture::Picture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ComparedPanel::Picture::show(const ComparedShown& shown) {
    if (shown.picture == revision && shown.marks == marks)
        return;
    revision = shown.picture;
    calls = shown.calls;
    marks = shown.marks;
    update();
}

QSize ComparedPanel::Picture::sizeHint() const {
    return {pixelsOf(layout::Pichull.width, *this) / 2, pixelsOf(layout::Pichull.height, *this) / 2};
}

int ComparedPanel::Picture::heightForWidth(int width) const {
    return width * layout::Pichull.height / layout::Pichull.width;
}

// Drawn as the main drawing draws, scaled down to the panel's width.
void ComparedPanel::Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(*layout::Pichull.color));
    const double perPixel = twipsPerPixel(*this);
    const double scale = width() / (layout::Pichull.width / perPixel);
    painter.scale(scale, scale);
    if (!calls)
        return;
    for (const DrawCall& call : *calls) {
        const QPointF from(call.x1 / perPixel, call.y1 / perPixel);
        if (call.kind == DrawCall::Line)
            paintSegment(painter, QLineF(from, QPointF(call.x2 / perPixel, call.y2 / perPixel)),
                         toQColor(call.color), call.width);
        else if (call.kind == DrawCall::Dot)
            painter.fillRect(dotSquare(from, call.width), toQColor(call.color));
    }
    paintMarks(painter, marks, font().family());
}
