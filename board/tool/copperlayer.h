#pragma once
#include <QPointF>
#include <QPolygonF>

class QPainter;

// The copper of the component side, seen through the green solder mask:
// traces, and vias that carry a signal through to the other side.
class CopperLayer {
public:
    explicit CopperLayer(QPainter& target) : painter(target) {}

    static constexpr double signalWidth = 1.8;
    static constexpr double powerWidth = 3.6;

    void trace(const QPolygonF& route, double width = signalWidth);
    void via(QPointF centre);

private:
    QPainter& painter;
};
