#include "board/tool/silkscreen.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "board/tool/boardcolours.h"

namespace {

// Silkscreen ink is a little thicker than a hairline.
constexpr double inkWidth = 1.2;

QFont silkFont(const Silkscreen::TextStyle& style)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(int(std::lround(style.pixelSize)));
    font.setBold(style.bold);
    if (style.letterSpacing != 0) font.setLetterSpacing(QFont::AbsoluteSpacing, style.letterSpacing);
    return font;
}

// A box large enough for any label, placed so that the point of it named by
// the alignment lies on the anchor.
QRectF boxAround(QPointF anchor, Qt::Alignment alignment)
{
    const double width = 400;
    const double height = 100;
    double left = anchor.x() - width / 2;
    if (alignment & Qt::AlignLeft) left = anchor.x();
    if (alignment & Qt::AlignRight) left = anchor.x() - width;
    double top = anchor.y() - height / 2;
    if (alignment & Qt::AlignTop) top = anchor.y();
    if (alignment & Qt::AlignBottom) top = anchor.y() - height;
    return {left, top, width, height};
}

}  // namespace

void Silkscreen::text(const QString& text, QPointF anchor, Qt::Alignment alignment, const TextStyle& style)
{
    painter.setFont(silkFont(style));
    painter.setPen(BoardColours::silkscreen);
    painter.drawText(boxAround(anchor, alignment), int(alignment), text);
}

void Silkscreen::rotatedText(const QString& text, QPointF centre, double degrees, const TextStyle& style)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    this->text(text, {0, 0}, Qt::AlignCenter, style);
    painter.restore();
}

void Silkscreen::outline(const QRectF& rect, double cornerRadius)
{
    painter.setPen(QPen(BoardColours::silkscreen, inkWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(rect, cornerRadius, cornerRadius);
}

void Silkscreen::circle(QPointF centre, double radius)
{
    painter.setPen(QPen(BoardColours::silkscreen, inkWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
}

void Silkscreen::line(QPointF from, QPointF to)
{
    painter.setPen(QPen(BoardColours::silkscreen, inkWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
}

void Silkscreen::filledRect(const QRectF& rect)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(BoardColours::silkscreen);
    painter.drawRect(rect);
}

void Silkscreen::pinOneArrow(QPointF tip, Qt::Edge pointing)
{
    const double length = 5;
    const double halfWidth = 3;
    QPointF back;
    QPointF across;
    switch (pointing) {
    case Qt::TopEdge: back = {0, length}; across = {halfWidth, 0}; break;
    case Qt::BottomEdge: back = {0, -length}; across = {halfWidth, 0}; break;
    case Qt::LeftEdge: back = {length, 0}; across = {0, halfWidth}; break;
    case Qt::RightEdge: back = {-length, 0}; across = {0, halfWidth}; break;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(BoardColours::silkscreen);
    painter.drawPolygon(QPolygonF({tip, tip + back + across, tip + back - across}));
}
