#include "qt/caption_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

int CaptionLabel::lineHeight() const {
    const QFontMetricsF metrics(font());
    return qRound(metrics.ascent()) + qRound(metrics.descent());
}

void CaptionLabel::layOut(QTextLayout& lines) const {
    QString paragraphs = text();
    paragraphs.replace(QLatin1Char('\n'), QChar::LineSeparator);
    lines.setText(paragraphs);
    lines.setFont(font());
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WordWrap);
    lines.setTextOption(option);

    const QRect area = contentsRect();
    const qreal baseline = qRound(QFontMetricsF(font()).ascent());
    const int height = lineHeight();
    lines.beginLayout();
    for (QTextLine line = lines.createLine(); line.isValid(); line = lines.createLine()) {
        line.setLineWidth(area.width());
        const qreal top = area.top() + line.lineNumber() * height;
        line.setPosition(QPointF(area.left(), top + baseline - line.ascent()));
    }
    lines.endLayout();
}

QRectF CaptionLabel::textRect() const {
    QTextLayout lines;
    layOut(lines);
    const QRect area = contentsRect();
    return QRectF(area.left(), area.top(), area.width(), lines.lineCount() * lineHeight());
}

void CaptionLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    painter.setClipRect(contentsRect());
    painter.setPen(palette().color(foregroundRole()));
    QTextLayout lines;
    layOut(lines);
    lines.draw(&painter, QPointF());
}
