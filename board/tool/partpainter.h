#pragma once
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QColor;
class QPainter;

// Draws the card's components as seen from above, each at a given place.
// Light falls from the top left: upper edges are lit, and parts standing
// off the board cast a short shadow down and to the right.
class PartPainter {
public:
    explicit PartPainter(QPainter& target) : painter(target) {}

    // A dual-in-line chip. Lying horizontally its pins run along the top and
    // bottom edges with pin 1 at the bottom left, as its marking reads; upright
    // it is turned a quarter clockwise, pin 1 at the top left.
    struct DipChip {
        QPointF centre;
        int pinsPerSide;
        double rowSpacing;
        Qt::Orientation orientation;
        QString marking;
        QString dateCode;
    };
    void dipChip(const DipChip& chip);
    // Along its pin rows: a little longer than the rows themselves.
    static double dipBodyLength(int pinsPerSide);

    // A plain pin header: columns x rows gold posts on a plastic base.
    void pinHeader(QPointF centre, int columns, int rows, double pitch, const QColor& plastic);
    // A jumper cap bridging two pins side by side, centred between them.
    void jumperCap(QPointF centre, double pitch);
    // A shrouded two-row header lying horizontally; the polarising key is cut
    // into the upper or the lower long wall.
    void boxHeader(QPointF centre, int pinsPerRow, double pitch, bool keyInUpperWall);
    static QSizeF boxHeaderSize(int pinsPerRow, double pitch);

    // A small-outline chip with gull-wing leads, lying horizontally, pin 1 at
    // the bottom left.
    void soicChip(QPointF centre, int pinsPerSide, const QString& marking);

    // A single-in-line resistor network lying horizontally, pin 1 at the left.
    void resistorNetwork(QPointF centre, int pins, const QString& marking);

    enum class SmdKind { Resistor, Capacitor };
    void smdPart(QPointF centre, Qt::Orientation orientation, SmdKind kind);

    // A metal-can crystal oscillator; its one square corner marks pin 1.
    void oscillator(const QRectF& can, const QString& frequency);
    // A radial electrolytic capacitor seen from above, its minus stripe to the left.
    void electrolytic(QPointF centre, double radius);
    // A plated hole through the board, showing what lies behind the card.
    void mountingHole(QPointF centre, const QColor& behindBoard);

private:
    void dipPadsAndLegs(const DipChip& chip, double bodyWidth);
    void dipBody(double bodyLength, double bodyWidth);
    void dipMarking(const DipChip& chip, double bodyWidth);
    void goldPost(QPointF centre, double size);
    void tinPad(QPointF centre, double radius);
    void shadow(const QRectF& footprint, double radius);

    QPainter& painter;
};
