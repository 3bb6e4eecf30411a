#include "qt/cost_panel.h"

#include "qt/units.h"
#include "teach/run/run_cost.h"

#include <QPainter>

void paintPlot(QPainter& painter, const CostPlot& plot) {
    painter.fillRect(QRectF(0, 0, plot.width, plot.height), toQColor(PlotBackground));
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(PlotTextPixels);
    painter.setFont(font);
    for (const PlotShape& shape : plot.shapes) {
        if (shape.kind == PlotShape::Text) {
            const QString text = toQString(shape.text);
            const double width = painter.fontMetrics().horizontalAdvance(text);
            const double shift = shape.anchor == PlotShape::Start    ? 0
                                 : shape.anchor == PlotShape::Middle ? width / 2
                                                                     : width;
            painter.setPen(toQColor(shape.color));
            painter.drawText(QPointF(shape.points[0].first - shift, shape.points[0].second), text);
            continue;
        }
        QPen pen(toQColor(shape.color), shape.width);
        if (!shape.dashes.empty()) {
            // Qt counts dashes in pen widths.
            QList<qreal> pattern;
            for (double dash : shape.dashes)
                pattern << dash / shape.width;
            pen.setDashPattern(pattern);
        }
        painter.setPen(pen);
        QPolygonF line;
        for (const auto& [x, y] : shape.points)
            line << QPointF(x, y);
        painter.drawPolyline(line);
    }
}

CostPanel::CostPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("cost"));
    setAccessibleName(QStringLiteral("Cost of the Run"));
    // It shares what room the code leaves with the point list, and keeps enough to be read.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    setMinimumHeight(120);
}

void CostPanel::showCosts(const CostCurves& curves) {
    if (curves.run == shown.run && curves.points == shown.points)
        return;
    shown = curves;
    setAccessibleDescription(toQString(costInWords(curves)));
    update();
}

void CostPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintPlot(painter, plotOf(shown, width(), height()));
}
