#pragma once

#include "teach/words/step_code.h"

#include <QLabel>

// The insertion step as code, the lines the last test ran marked and lit; the walk's state in words
// stands under it, in a label of its own that wraps at the panel's width however the code scrolls.
class CodePanel : public QLabel {
  public:
    explicit CodePanel(QWidget* parent);

    void showCode(const CodeShown& code);
    // The walk's state, a paragraph a sentence.
    static QString wordsOf(const CodeShown& code);
    // The width that shows every line of the code whole at the panel's own type size.
    int naturalWidth() const { return widthAt(ownPixels); }
    // The type as large as its own size, or smaller so that the code's lines stand whole in this
    // width, never under 12 pixels; narrower still, the lines are cut, never wrapped.
    void fitTo(int width);

  private:
    int widthAt(int pixels) const;

    int ownPixels;
};
