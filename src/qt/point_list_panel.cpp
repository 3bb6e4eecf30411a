#include "qt/point_list_panel.h"

#include "qt/units.h"

#include <QHeaderView>
#include <QScrollBar>

PointListPanel::PointListPanel(QWidget* parent) : QTableWidget(0, 4, parent) {
    setObjectName(QStringLiteral("pointList"));
    setAccessibleName(QStringLiteral("Points"));
    setHorizontalHeaderLabels({QStringLiteral("Point"), QStringLiteral("X"), QStringLiteral("Y"),
                               QStringLiteral("In the run")});
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
}

void PointListPanel::showRows(const std::vector<PointRow>& rows) {
    setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const PointRow& point = rows[static_cast<std::size_t>(row)];
        const QString cells[] = {QString::number(point.number), QString::fromStdString(point.x),
                                 QString::fromStdString(point.y), toQString(point.standing)};
        for (int column = 0; column < 4; ++column) {
            QTableWidgetItem* cell = item(row, column);
            if (!cell)
                setItem(row, column, new QTableWidgetItem(cells[column]));
            else if (cell->text() != cells[column])
                cell->setText(cells[column]);
        }
    }
}

int PointListPanel::naturalWidth() const {
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < columnCount(); ++column)
        width += std::max(sizeHintForColumn(column), horizontalHeader()->sectionSizeHint(column));
    return width;
}
