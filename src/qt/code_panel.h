#pragma once

#include "teach/session/arrangement.h"
#include "teach/words/step_code.h"

#include <QLabel>

#include <map>
#include <optional>
#include <vector>

// The insertion step as code, the lines the last test ran marked and lit; the walk's state in words
// stands under it, in a label of its own that wraps at the panel's width however the code scrolls.
class CodePanel : public QLabel {
  public:
    explicit CodePanel(QWidget* parent);

    void showCode(const CodeShown& code);
    // The walk's state, a paragraph a sentence.
    static QString wordsOf(const CodeShown& code);
    // The width that shows every line of the code whole at the panel's own type size.
    int naturalWidth() const { return widthAt(beside::CodePixels); }
    // Sets the code in type of so many pixels for a panel this wide.
    void setType(int pixels, int width);
    // Where the first lit line stands, when one is lit.
    std::optional<int> litLineTop() const;

  private:
    int widthAt(int pixels) const;

    std::vector<int> lit;
    mutable std::map<int, int> widths;
};
