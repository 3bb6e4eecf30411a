#pragma once

#include "teach/run/point_list.h"

#include <QTableWidget>

// The points as a table of number, X, Y and where each stands in the run, which a screen reader
// reads with its table commands.
class PointListPanel : public QTableWidget {
  public:
    explicit PointListPanel(QWidget* parent);

    // Shows these rows, changing only the cells that differ, so that a screen reader hears what
    // changed and the place being read stays where it is.
    void showRows(const std::vector<PointRow>& rows);
    // The width that shows every column whole, with room for the scroll bar.
    int naturalWidth() const;
};
