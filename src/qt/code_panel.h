#pragma once

#include "teach/words/step_code.h"

#include <QLabel>

// The insertion step as code, the lines the last test ran marked and lit, and under it the walk's
// state in words.
class CodePanel : public QLabel {
  public:
    explicit CodePanel(QWidget* parent);

    void showCode(const CodeShown& code);
    // The width that shows every line of the code unwrapped.
    int naturalWidth() const;
};
