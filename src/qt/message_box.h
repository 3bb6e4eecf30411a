#pragma once

#include <QMessageBox>

// A modal message box that shows the program's lines as written, and stands clear of a given
// area of the screen (the drawing) instead of over it.
class MessageBox : public QMessageBox {
  public:
    // keepClear is in global coordinates; an empty one leaves the box where Qt puts it.
    MessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons,
               QWidget* parent, const QRect& keepClear);

  protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void keepLinesWhole();
    void placeClearOfArea();
    QMargins windowFrame() const;

    QRect keepClear;
    bool linesKept = false;
};
