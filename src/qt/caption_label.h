#pragma once

#include <QLabel>

#include <string>

class QTextLayout;

// A label that sets its lines one line height apart: the font's rounded ascent plus its rounded
// descent, with no gap, as on the desktop the layout was made for. Qt's own spacing is a little
// wider and cuts off the last line of the instructions. Lines wrap at word boundaries within the
// label's width; what does not fit in its height is cut off.
class CaptionLabel : public QLabel {
  public:
    explicit CaptionLabel(QWidget* parent) : QLabel(parent) {}
    // A screen reader reads the caption without the line breaks that only place it: the count
    // is its number alone. A caption that stays is not set again, nor announced again.
    void setCaption(const std::string& caption) {
        const QString shown = QString::fromStdString(caption);
        if (shown == text())
            return;
        setText(shown);
        setAccessibleName(text().trimmed());
    }

    int lineHeight() const;
    // The rectangle the text's lines take, from the top of the first to the bottom of the last.
    QRectF textRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void layOut(QTextLayout& lines) const;
};
