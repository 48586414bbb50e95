#pragma once
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

// The white print on the board: names, labels and part outlines.
class Silkscreen {
public:
    explicit Silkscreen(QPainter& target) : painter(target) {}

    struct TextStyle {
        double pixelSize = 9;
        bool bold = true;
        double letterSpacing = 0;  // extra pixels between letters
    };
    // Text placed by an anchor point: the alignment says which point of the
    // text's box the anchor is, e.g. left and vertical centre.
    void text(const QString& text, QPointF anchor, Qt::Alignment alignment, const TextStyle& style);
    // Text centred on a point and turned by the given angle, clockwise.
    void rotatedText(const QString& text, QPointF centre, double degrees, const TextStyle& style);

    void outline(const QRectF& rect, double cornerRadius = 0);
    void circle(QPointF centre, double radius);
    void line(QPointF from, QPointF to);
    void filledRect(const QRectF& rect);
    // A small solid triangle whose tip touches the given point, pointing in the given direction.
    void pinOneArrow(QPointF tip, Qt::Edge pointing);

private:
    QPainter& painter;
};
