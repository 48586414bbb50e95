#include "board/tool/copperlayer.h"

#include <QPainter>

#include "board/tool/boardcolours.h"

void CopperLayer::trace(const QPolygonF& route, double width)
{
    painter.setPen(QPen(BoardColours::copper, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(route);
}

void CopperLayer::via(QPointF centre)
{
    // The mask covers the via too, so it shows as a copper ring round a dark drill hole.
    painter.setPen(Qt::NoPen);
    painter.setBrush(BoardColours::copper);
    painter.drawEllipse(centre, 3.3, 3.3);
    painter.setBrush(BoardColours::viaHole);
    painter.drawEllipse(centre, 1.4, 1.4);
}
