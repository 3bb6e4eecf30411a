#pragma once

#include "teach/pictures/cost_plot.h"

#include <QWidget>

class QPainter;

// Draws the plot's lines and texts.
void paintPlot(QPainter& painter, const CostPlot& plot);

// View > Cost of the Run: the plot at the panel's size, and the totals in words for a screen
// reader.
class CostPanel : public QWidget {
  public:
    explicit CostPanel(QWidget* parent);

    void showCosts(const CostCurves& curves);
    QSize sizeHint() const override { return {360, 240}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    CostCurves shown;
};
