#pragma once
#include <QPointF>
#include <QRectF>
#include <QSize>

// Where everything sits on the drawn card, in picture pixels.
//
// The program shows the picture stretched to 499 x 542 and draws a highlight
// ring over each setting's part; those rings are known in that smaller frame,
// so the parts under them are placed by scaling the rings up to the picture.
// Everything else on the card is arranged around them, leaving each ring's
// area to its own part.
class BoardLayout {
public:
    static constexpr QSize pictureSize{600, 652};
    static constexpr QSize displayedSize{499, 542};

    // One highlight ring's rectangle in the displayed frame, scaled to the picture.
    static QRectF ringInPicture(int left, int top, int width, int height);

    // The highlight rings, in picture pixels.
    static QRectF baseAddressRing() { return ringInPicture(314, 261, 31, 84); }
    static QRectF irqRing() { return ringInPicture(393, 186, 31, 152); }
    static QRectF upgradeRing() { return ringInPicture(284, 220, 19, 111); }
    static QRectF secondPpiRing() { return ringInPicture(75, 4, 323, 71); }
    static QRectF firstPpiRing() { return ringInPicture(62, 470, 337, 71); }
    static QRectF counterRing() { return ringInPicture(10, 359, 33, 70); }

    // The board's main body; the edge-connector tab sticks out to its right.
    static QRectF boardBody() { return {2, 2, 556, 648}; }
    static constexpr double tabRight = 596;

    // Gold fingers of the bus connector: one long section and, past the key
    // notch, a short one, all at the connector's pitch.
    static constexpr double fingerPitch = 12;
    static constexpr int longSectionFingers = 31;
    static constexpr int shortSectionFingers = 18;
    static constexpr double firstLongFingerY = 22;
    static constexpr double firstShortFingerY = 418;
    static constexpr double fingerLeft = 561;
    // The fingers facing the bus buffer's and the address comparator's outer
    // pin rows: ten from these on.
    static constexpr int busBufferFirstFinger = 6;           // in the long section
    static constexpr int addressComparatorFirstFinger = 1;   // in the short section
    static double longFingerY(int index) { return firstLongFingerY + index * fingerPitch; }
    static double shortFingerY(int index) { return firstShortFingerY + index * fingerPitch; }

    // Pin pitch of the ordinary parts: 0.1 inch at this picture's scale.
    static constexpr double pinPitch = 12;
    // The jumper blocks are drawn slightly larger so that they fill their rings.
    static constexpr double jumperPitch = 13;
    // The counter header's ring is small; its pins sit a little closer.
    static constexpr double counterPitch = 11;

    // Dual-in-line chips: the large chips' pin rows are 0.6 inch apart, the
    // small logic chips' 0.3 inch.
    static constexpr double wideRowSpacing = 72;
    static constexpr double narrowRowSpacing = 36;

    // The two large port chips line up pin for pin with the inner row of their
    // connectors, so their traces run straight.
    static QPointF secondPpiChipCentre();
    static QPointF firstPpiChipCentre();
    static QPointF counterChipCentre() { return {150, 352}; }
    static QRectF oscillatorRect() { return {240, 322, 60, 60}; }
    // The bus buffer and the address comparator sit beside the gold fingers,
    // each pin of their outer row level with a finger.
    static QPointF busBufferCentre();
    static QPointF addressComparatorCentre();
    static QPointF bulkCapacitorCentre() { return {440, 522}; }
    static constexpr double bulkCapacitorRadius = 15;
    // The pull-up network stands over the first port chip, each resistor
    // level with the chip pin it pulls up.
    static constexpr int resistorNetworkPins = 9;
    static QPointF resistorNetworkCentre();
    // The glue-logic chip in the gap between the bus buffer and the jumpers.
    static QPointF glueLogicCentre() { return {424, 230}; }
    static QPointF logoCentre() { return {200, 258}; }

    static QPointF topMountingHole() { return {22, 22}; }
    static QPointF bottomMountingHole() { return {22, 630}; }
};
