#include "board/tool/boardlayout.h"

QRectF BoardLayout::ringInPicture(int left, int top, int width, int height)
{
    const double scaleX = double(pictureSize.width()) / displayedSize.width();
    const double scaleY = double(pictureSize.height()) / displayedSize.height();
    return {left * scaleX, top * scaleY, width * scaleX, height * scaleY};
}

// A 40-pin chip's pin i sits under connector pin i of the connector's inner
// row: the chip's first pin is 9.5 pitches left of its centre, the connector's
// first pin 12 pitches left of its own.
QPointF BoardLayout::secondPpiChipCentre()
{
    const double connectorX = secondPpiRing().center().x();
    return {connectorX - 2.5 * pinPitch, 145};
}

// The first port chip lines up with the connector's third pin onwards, which
// centres it a little right of the connector.
QPointF BoardLayout::firstPpiChipCentre()
{
    const double connectorX = firstPpiRing().center().x();
    return {connectorX - 0.5 * pinPitch, 512};
}

// The network's pins 2 to 9 sit over the chip's top-row pins 4 to 11.
QPointF BoardLayout::resistorNetworkCentre()
{
    return {firstPpiChipCentre().x() - 3.5 * pinPitch, 432};
}

// Ten pins a side, the right-hand row level with ten fingers.
QPointF BoardLayout::busBufferCentre()
{
    const double middleY = (longFingerY(busBufferFirstFinger) + longFingerY(busBufferFirstFinger + 9)) / 2;
    return {fingerLeft - 11 - narrowRowSpacing / 2, middleY};
}

QPointF BoardLayout::addressComparatorCentre()
{
    const double middleY =
        (shortFingerY(addressComparatorFirstFinger) + shortFingerY(addressComparatorFirstFinger + 9)) / 2;
    return {fingerLeft - 11 - narrowRowSpacing / 2, middleY};
}
