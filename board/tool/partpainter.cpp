#include "board/tool/partpainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "board/tool/boardcolours.h"

namespace {

// 0.1 inch at the picture's scale, the pitch of every through-hole part.
constexpr double throughHolePitch = 12;

QFont markingFont(double pixelSize, bool bold)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(int(std::lround(pixelSize)));
    font.setBold(bold);
    return font;
}

// A top-lit surface: lighter along its upper edge.
QLinearGradient topLit(const QRectF& area, const QColor& light, const QColor& dark)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, dark);
    return gradient;
}

QRectF centredRect(QPointF centre, double width, double height)
{
    return {centre.x() - width / 2, centre.y() - height / 2, width, height};
}

}  // namespace

void PartPainter::shadow(const QRectF& footprint, double radius)
{
    // Two soft layers read as a short, blurred shadow without a blur pass.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 38));
    painter.drawRoundedRect(footprint.translated(2.2, 2.8), radius + 1, radius + 1);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawRoundedRect(footprint.translated(1.2, 1.5), radius, radius);
}

void PartPainter::tinPad(QPointF centre, double radius)
{
    QRadialGradient gradient(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.3);
    gradient.setColorAt(0, BoardColours::tinLight);
    gradient.setColorAt(1, BoardColours::tinDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
}

void PartPainter::goldPost(QPointF centre, double size)
{
    const QRectF outer = centredRect(centre, size, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(BoardColours::goldDark);
    painter.drawRect(outer);
    // The post's tip is chamfered: a bright square face inside darker bevels.
    const QRectF face = outer.adjusted(1, 1, -1, -1);
    QLinearGradient gradient(face.topLeft(), face.bottomRight());
    gradient.setColorAt(0, BoardColours::goldLight);
    gradient.setColorAt(1, BoardColours::gold);
    painter.setBrush(gradient);
    painter.drawRect(face);
}

// ---------------------------------------------------------------- chips

double PartPainter::dipBodyLength(int pinsPerSide) { return pinsPerSide * throughHolePitch + 6; }

void PartPainter::dipChip(const DipChip& chip)
{
    const double bodyLength = dipBodyLength(chip.pinsPerSide);
    const double bodyWidth = chip.rowSpacing - 10;
    painter.save();
    painter.translate(chip.centre);
    if (chip.orientation == Qt::Vertical) painter.rotate(90);
    dipPadsAndLegs(chip, bodyWidth);
    dipBody(bodyLength, bodyWidth);
    dipMarking(chip, bodyWidth);
    painter.restore();
}

void PartPainter::dipPadsAndLegs(const DipChip& chip, double bodyWidth)
{
    const double firstX = -(chip.pinsPerSide - 1) * throughHolePitch / 2;
    const double padY = chip.rowSpacing / 2;
    for (int side : {-1, 1}) {
        for (int pin = 0; pin < chip.pinsPerSide; ++pin) {
            const QPointF pad(firstX + pin * throughHolePitch, side * padY);
            tinPad(pad, 3.6);
            // The leg's flat shoulder leaves the body and bends down into the pad.
            const double inner = side * (bodyWidth / 2 - 1);
            const double outer = side * (padY + 1.5);
            const QRectF leg(pad.x() - 2.6, std::min(inner, outer), 5.2, std::abs(outer - inner));
            QLinearGradient gradient(leg.topLeft(), leg.topRight());
            gradient.setColorAt(0, BoardColours::tinLight);
            gradient.setColorAt(1, BoardColours::tinDark);
            painter.setBrush(gradient);
            painter.drawRect(leg);
        }
    }
}

void PartPainter::dipBody(double bodyLength, double bodyWidth)
{
    const QRectF body = centredRect({0, 0}, bodyLength, bodyWidth);
    shadow(body, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(topLit(body, BoardColours::epoxyLight, BoardColours::epoxyDark));
    painter.drawRoundedRect(body, 2, 2);
    painter.setPen(QPen(QColor(255, 255, 255, 28), 1));
    painter.drawLine(body.topLeft() + QPointF(2, 0.5), body.topRight() + QPointF(-2, 0.5));

    // The notch at pin 1's end and the moulded dimple beside pin 1.
    painter.save();
    painter.setClipRect(body);
    QRadialGradient notch(body.left(), 0, 6);
    notch.setColorAt(0, QColor(0x0e, 0x0e, 0x10));
    notch.setColorAt(1, QColor(0x2a, 0x2a, 0x2c));
    painter.setPen(Qt::NoPen);
    painter.setBrush(notch);
    painter.drawEllipse(QPointF(body.left(), 0), 5.5, 5.5);
    painter.restore();
    const QPointF dimple(body.left() + 9, body.bottom() - 7.5);
    painter.setBrush(QColor(0x17, 0x17, 0x19));
    painter.setPen(QPen(QColor(0x3a, 0x3a, 0x3d), 0.8));
    painter.drawEllipse(dimple, 2.8, 2.8);
}

void PartPainter::dipMarking(const DipChip& chip, double bodyWidth)
{
    const bool wide = bodyWidth > 40;
    const double markingSize = wide ? 15 : 10;
    const double dateSize = wide ? 8.5 : 7;
    const double gap = wide ? 5 : 3;
    painter.setPen(BoardColours::chipMarking);
    painter.setFont(markingFont(markingSize, true));
    const double lineOffset = (dateSize + gap) / 2;
    painter.drawText(centredRect({0, -lineOffset}, 200, markingSize + 4), Qt::AlignCenter, chip.marking);
    painter.setPen(QColor(0xa8, 0xa8, 0xa6));
    painter.setFont(markingFont(dateSize, false));
    painter.drawText(centredRect({0, markingSize / 2 + gap / 2}, 200, dateSize + 4), Qt::AlignCenter,
                     chip.dateCode);
}

void PartPainter::soicChip(QPointF centre, int pinsPerSide, const QString& marking)
{
    const double pitch = 6;  // 0.05 inch
    const double bodyWidth = 20;
    const QRectF body = centredRect(centre, pinsPerSide * pitch + 2, bodyWidth);
    const double firstX = centre.x() - (pinsPerSide - 1) * pitch / 2;
    painter.setPen(Qt::NoPen);
    for (int pin = 0; pin < pinsPerSide; ++pin) {
        const double x = firstX + pin * pitch;
        for (const QRectF lead : {QRectF(x - 1.4, body.top() - 6, 2.8, 7), QRectF(x - 1.4, body.bottom() - 1, 2.8, 7)}) {
            painter.setBrush(topLit(lead, BoardColours::tinLight, BoardColours::tinDark));
            painter.drawRect(lead);
        }
    }
    shadow(body, 1.5);
    painter.setBrush(topLit(body, BoardColours::epoxyLight, BoardColours::epoxyDark));
    painter.drawRoundedRect(body, 1.5, 1.5);
    painter.setBrush(QColor(0x14, 0x14, 0x16));
    painter.drawEllipse(QPointF(body.left() + 4.5, body.bottom() - 4.5), 1.8, 1.8);
    painter.setPen(BoardColours::chipMarking);
    painter.setFont(markingFont(8, true));
    painter.drawText(body, Qt::AlignCenter, marking);
}

// ---------------------------------------------------------------- headers

void PartPainter::pinHeader(QPointF centre, int columns, int rows, double pitch, const QColor& plastic)
{
    const QRectF base = centredRect(centre, columns * pitch, rows * pitch).adjusted(0.5, 0.5, -0.5, -0.5);
    shadow(base, 1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(topLit(base, plastic.lighter(118), plastic.darker(112)));
    painter.drawRoundedRect(base, 1.2, 1.2);
    // Break-apart grooves between the pin positions.
    painter.setPen(QPen(plastic.darker(150), 1));
    for (int row = 1; row < rows; ++row) {
        const double y = base.top() + row * pitch - 0.5;
        painter.drawLine(QPointF(base.left() + 1, y), QPointF(base.right() - 1, y));
    }
    const double firstX = centre.x() - (columns - 1) * pitch / 2;
    const double firstY = centre.y() - (rows - 1) * pitch / 2;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            goldPost({firstX + column * pitch, firstY + row * pitch}, pitch * 0.42);
}

void PartPainter::jumperCap(QPointF centre, double pitch)
{
    const QRectF cap = centredRect(centre, 2 * pitch - 0.5, pitch - 1.5);
    shadow(cap, 2);
    painter.setPen(QPen(BoardColours::jumperCap.darker(160), 0.8));
    painter.setBrush(topLit(cap, BoardColours::jumperCap.lighter(135), BoardColours::jumperCap.darker(125)));
    painter.drawRoundedRect(cap, 2, 2);
    // The cap's raised grip, catching the light on its upper edge.
    const QRectF grip = cap.adjusted(3, 2.2, -3, -2.2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(BoardColours::jumperCap.darker(115));
    painter.drawRoundedRect(grip, 1, 1);
    painter.setPen(QPen(QColor(255, 255, 255, 60), 0.8));
    painter.drawLine(grip.topLeft() + QPointF(1, 0), grip.topRight() - QPointF(1, 0));
}

// The shroud's end walls are thicker than its long walls, leaving room for latches.
QSizeF PartPainter::boxHeaderSize(int pinsPerRow, double pitch) { return {pinsPerRow * pitch + 18, 2 * pitch + 16}; }

void PartPainter::boxHeader(QPointF centre, int pinsPerRow, double pitch, bool keyInUpperWall)
{
    const double wall = 4.5;
    const QSizeF size = boxHeaderSize(pinsPerRow, pitch);
    const QRectF box = centredRect(centre, size.width(), size.height());
    const QRectF cavity = box.adjusted(wall + 3, wall, -wall - 3, -wall);
    shadow(box, 1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(topLit(box, BoardColours::blackPlastic.lighter(150), BoardColours::blackPlastic));
    painter.drawRoundedRect(box, 1.5, 1.5);
    painter.setBrush(QColor(0x2e, 0x2e, 0x31));
    painter.drawRect(cavity);
    // The polarising key: a gap right through one long wall.
    const double keyWidth = 22;
    const QRectF key = keyInUpperWall
                           ? QRectF(centre.x() - keyWidth / 2, box.top(), keyWidth, wall + 0.5)
                           : QRectF(centre.x() - keyWidth / 2, cavity.bottom() - 0.5, keyWidth, wall + 0.5);
    painter.drawRect(key);
    // A moulded triangle on the wall points at pin 1.
    const double tipX = centre.x() - (pinsPerRow - 1) * pitch / 2;
    const double wallY = keyInUpperWall ? box.bottom() - wall / 2 : box.top() + wall / 2;
    const double towardsPin = keyInUpperWall ? -1.6 : 1.6;
    painter.setBrush(QColor(0x90, 0x90, 0x92));
    painter.drawPolygon(QPolygonF({QPointF(tipX - 2.6, wallY - towardsPin), QPointF(tipX + 2.6, wallY - towardsPin),
                                   QPointF(tipX, wallY + towardsPin)}));

    const double firstX = centre.x() - (pinsPerRow - 1) * pitch / 2;
    for (int pin = 0; pin < pinsPerRow; ++pin)
        for (double rowY : {centre.y() - pitch / 2, centre.y() + pitch / 2})
            goldPost({firstX + pin * pitch, rowY}, pitch * 0.42);
}

// ---------------------------------------------------------------- small parts

void PartPainter::smdPart(QPointF centre, Qt::Orientation orientation, SmdKind kind)
{
    painter.save();
    painter.translate(centre);
    if (orientation == Qt::Vertical) painter.rotate(90);
    painter.setPen(Qt::NoPen);
    painter.setBrush(BoardColours::tin);  // the solder on both pads
    painter.drawRoundedRect(QRectF(-6.5, -3.6, 13, 7.2), 1.2, 1.2);
    const QRectF body(-5, -3, 10, 6);
    const QColor bodyColour = kind == SmdKind::Resistor ? QColor(0x1d, 0x1d, 0x1f) : QColor(0xb4, 0x8e, 0x5e);
    painter.setBrush(topLit(body, BoardColours::tinLight, BoardColours::tinDark));
    painter.drawRect(body);  // the metal end caps
    painter.setBrush(topLit(body, bodyColour.lighter(125), bodyColour));
    painter.drawRect(body.adjusted(2.4, 0, -2.4, 0));
    painter.restore();
}

void PartPainter::resistorNetwork(QPointF centre, int pins, const QString& marking)
{
    const QColor coating(0xd2, 0xaa, 0x3e);
    const QRectF body = centredRect(centre, pins * throughHolePitch - 1, 11);
    shadow(body, 3);
    painter.setPen(QPen(coating.darker(150), 0.8));
    painter.setBrush(topLit(body, coating.lighter(120), coating.darker(115)));
    painter.drawRoundedRect(body, 3, 3);
    painter.setPen(QColor(0x2a, 0x22, 0x10));
    painter.setFont(markingFont(8, true));
    painter.drawText(body, Qt::AlignCenter, marking);
    // The dot over pin 1, the network's common end.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2a, 0x22, 0x10));
    painter.drawEllipse(QPointF(body.left() + 6, centre.y()), 1.8, 1.8);
}

void PartPainter::oscillator(const QRectF& can, const QString& frequency)
{
    // Rounded can, with the square corner at pin 1 (bottom left).
    QPainterPath outline;
    outline.addRoundedRect(can, 6, 6);
    outline.addRect(QRectF(can.left(), can.bottom() - 8, 8, 8));
    outline.setFillRule(Qt::WindingFill);
    outline = outline.simplified();

    shadow(can, 6);
    QLinearGradient metal(can.topLeft(), can.bottomRight());
    metal.setColorAt(0, BoardColours::tinLight);
    metal.setColorAt(0.55, BoardColours::tin);
    metal.setColorAt(1, BoardColours::tinDark);
    painter.setPen(QPen(BoardColours::tinDark.darker(130), 0.8));
    painter.setBrush(metal);
    painter.drawPath(outline);
    // The can's pressed rim.
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(can.adjusted(3.5, 3.5, -3.5, -3.5), 3.5, 3.5);

    painter.setPen(QColor(0x48, 0x4c, 0x52));
    painter.setFont(markingFont(11, true));
    painter.drawText(centredRect(can.center() - QPointF(0, 7), can.width(), 14), Qt::AlignCenter, frequency);
    painter.setFont(markingFont(9, false));
    painter.drawText(centredRect(can.center() + QPointF(0, 7), can.width(), 12), Qt::AlignCenter, "MHz");
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x48, 0x4c, 0x52));
    painter.drawEllipse(QPointF(can.left() + 8, can.bottom() - 8), 1.8, 1.8);
}

void PartPainter::electrolytic(QPointF centre, double radius)
{
    shadow(centredRect(centre, 2 * radius, 2 * radius), radius);
    QRadialGradient sleeve(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.4);
    sleeve.setColorAt(0, QColor(0x2c, 0x44, 0x86));
    sleeve.setColorAt(1, QColor(0x14, 0x20, 0x44));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sleeve);
    painter.drawEllipse(centre, radius, radius);
    // The minus stripe printed down the sleeve, seen edge-on from above.
    painter.setBrush(QColor(0xa9, 0xb8, 0xcf));
    painter.drawPie(centredRect(centre, 2 * radius, 2 * radius), 150 * 16, 60 * 16);

    const double top = radius * 0.8;
    QRadialGradient aluminium(centre - QPointF(top * 0.35, top * 0.35), top * 1.5);
    aluminium.setColorAt(0, BoardColours::tinLight);
    aluminium.setColorAt(1, BoardColours::tinDark);
    painter.setBrush(aluminium);
    painter.drawEllipse(centre, top, top);
    // The pressure vent scored into the top.
    painter.setPen(QPen(QColor(0x70, 0x75, 0x7c), 1.3, Qt::SolidLine, Qt::RoundCap));
    for (double degrees : {90.0, 210.0, 330.0}) {
        const double angle = degrees * std::numbers::pi / 180;
        painter.drawLine(centre, centre + QPointF(std::cos(angle), -std::sin(angle)) * top * 0.7);
    }
}

void PartPainter::mountingHole(QPointF centre, const QColor& behindBoard)
{
    QRadialGradient plating(centre - QPointF(4, 4), 16);
    plating.setColorAt(0, BoardColours::tinLight);
    plating.setColorAt(1, BoardColours::tinDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(plating);
    painter.drawEllipse(centre, 11, 11);
    // Small plated holes stitch the ring to the ground plane underneath.
    painter.setBrush(BoardColours::tinDark.darker(140));
    for (int i = 0; i < 8; ++i) {
        const double angle = i * std::numbers::pi / 4;
        painter.drawEllipse(centre + QPointF(std::cos(angle), std::sin(angle)) * 8.8, 0.9, 0.9);
    }
    painter.setBrush(behindBoard);
    painter.drawEllipse(centre, 6.5, 6.5);
    // The hole's inner wall, in shade on the lit side.
    painter.setPen(QPen(QColor(0, 0, 0, 70), 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(centredRect(centre, 12, 12), 30 * 16, 180 * 16);
}
