#include "board/tool/boardpainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>

#include "board/tool/boardcolours.h"
#include "board/tool/boardlayout.h"

namespace {

using Layout = BoardLayout;
using TextStyle = Silkscreen::TextStyle;

constexpr int connectorPinsPerRow = 25;
constexpr int counterHeaderRows = 5;
constexpr int upgradePins = 6;

// The jumper positions as the program names them, top to bottom.
constexpr std::array<const char*, 5> baseAddressLines{"A9", "A8", "A7", "A6", "A5"};
constexpr std::array<const char*, 11> irqLines{"3", "4", "5", "6", "7", "9", "10", "11", "12", "14", "15"};
// The caps fitted as the card leaves the factory.
constexpr std::array<int, 2> fittedBaseAddressCaps{1, 3};  // A8 and A6
constexpr int fittedIrqCap = 2;                            // IRQ 5

QPointF secondConnectorCentre() { return Layout::secondPpiRing().center(); }
QPointF firstConnectorCentre() { return Layout::firstPpiRing().center(); }
QPointF counterHeaderCentre() { return Layout::counterRing().center(); }
QPointF baseAddressBlockCentre() { return Layout::baseAddressRing().center(); }
QPointF irqBlockCentre() { return Layout::irqRing().center(); }
QPointF upgradeHeaderCentre() { return Layout::upgradeRing().center(); }

// Pin columns of a 25-way connector, counted from its left end.
double connectorPinX(QPointF connectorCentre, int pin)
{
    return connectorCentre.x() + (pin - (connectorPinsPerRow - 1) / 2.0) * Layout::pinPitch;
}

// The middle of row `row` of a header `rows` high.
double headerRowY(QPointF headerCentre, int rows, double pitch, int row)
{
    return headerCentre.y() + (row - (rows - 1) / 2.0) * pitch;
}

// Pin `pin` along one row of a dual-in-line chip lying horizontally.
double dipPinX(QPointF chipCentre, int pinsPerSide, int pin)
{
    return chipCentre.x() + (pin - (pinsPerSide - 1) / 2.0) * Layout::pinPitch;
}

// The same for an upright chip, counted from its top.
double dipPinY(QPointF chipCentre, int pinsPerSide, int pin)
{
    return chipCentre.y() + (pin - (pinsPerSide - 1) / 2.0) * Layout::pinPitch;
}

QRectF centredRect(QPointF centre, double width, double height)
{
    return {centre.x() - width / 2, centre.y() - height / 2, width, height};
}

// The board: a rounded body, and the connector tab on its right with the
// key notch between the long and the short run of fingers.
QPainterPath boardOutline()
{
    const QRectF body = Layout::boardBody();
    QPainterPath outline;
    outline.addRoundedRect(body, 6, 6);

    const double tabTop = Layout::firstLongFingerY - 10;
    const double tabBottom = Layout::shortFingerY(Layout::shortSectionFingers - 1) + 10;
    const double chamfer = 6;
    QPainterPath tab;
    tab.addPolygon(QPolygonF({QPointF(body.right() - 4, tabTop), QPointF(Layout::tabRight - chamfer, tabTop),
                              QPointF(Layout::tabRight, tabTop + chamfer),
                              QPointF(Layout::tabRight, tabBottom - chamfer),
                              QPointF(Layout::tabRight - chamfer, tabBottom), QPointF(body.right() - 4, tabBottom)}));
    tab.closeSubpath();

    const double notchMiddle = (Layout::longFingerY(Layout::longSectionFingers - 1) + Layout::firstShortFingerY) / 2;
    const double notchHalfWidth = 7;
    QPainterPath notch;
    notch.addRoundedRect(QRectF(body.right() + 6, notchMiddle - notchHalfWidth, 60, 2 * notchHalfWidth),
                         notchHalfWidth, notchHalfWidth);
    return outline.united(tab).subtracted(notch);
}

}  // namespace

QImage BoardPainter::render()
{
    QImage image(Layout::pictureSize, QImage::Format_RGB32);
    image.fill(BoardColours::background);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    BoardPainter(painter).paint();
    return image;
}

BoardPainter::BoardPainter(QPainter& target) : painter(target), parts(target), silk(target), copper(target) {}

void BoardPainter::paint()
{
    paintBoard();

    paintPowerTraces();
    paintPortTraces();
    paintCounterTraces();
    paintDataBusTraces();
    paintBusTraces();
    paintGlueLogicTraces();
    paintJumperTraces();
    paintEdgeConnector();

    paintOutlines();
    paintLogo();
    paintConnectorLabels();
    paintJumperLabels();
    paintDesignators();

    paintSmallParts();
    paintChips();
    paintConnectors();
    paintJumperBlocks();
}

// ---------------------------------------------------------------- the bare board

void BoardPainter::paintBoard()
{
    const QPainterPath outline = boardOutline();
    // The card lies a little above the background and casts a soft shadow.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 30));
    painter.drawPath(outline.translated(3, 4));
    painter.drawPath(outline.translated(1.5, 2));

    QLinearGradient mask(0, 0, Layout::pictureSize.width(), Layout::pictureSize.height());
    mask.setColorAt(0, BoardColours::maskLight);
    mask.setColorAt(1, BoardColours::maskDark);
    painter.setBrush(mask);
    painter.drawPath(outline);

    // The mask thins out over the milled edge, which shows darker.
    painter.save();
    painter.setClipPath(outline);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(BoardColours::boardEdge, 5));
    painter.drawPath(outline);
    painter.setPen(QPen(QColor(255, 255, 255, 26), 1));
    painter.drawPath(outline.translated(0.5, 0.5));
    painter.restore();
}

void BoardPainter::paintEdgeConnector()
{
    const double length = Layout::tabRight - 2 - Layout::fingerLeft;
    auto finger = [&](double y) {
        const QRectF rect(Layout::fingerLeft, y - 4, length, 8);
        QLinearGradient gold(rect.topLeft(), rect.bottomLeft());
        gold.setColorAt(0, BoardColours::goldLight);
        gold.setColorAt(0.45, BoardColours::gold);
        gold.setColorAt(1, BoardColours::goldDark);
        painter.setPen(Qt::NoPen);
        painter.setBrush(gold);
        painter.drawRoundedRect(rect, 1.5, 1.5);
    };
    for (int index = 0; index < Layout::longSectionFingers; ++index) finger(Layout::longFingerY(index));
    for (int index = 0; index < Layout::shortSectionFingers; ++index) finger(Layout::shortFingerY(index));
}

// ---------------------------------------------------------------- copper

// Each port chip's pins run straight to its connector's inner row; the
// resistor network pulls the first chip's lines up.
void BoardPainter::paintPortTraces()
{
    const QPointF upper = secondConnectorCentre();
    const double upperChipPads = Layout::secondPpiChipCentre().y() - Layout::wideRowSpacing / 2;
    for (int pin = 0; pin < 20; ++pin) {
        const double x = connectorPinX(upper, pin);
        copper.trace({QPointF(x, upperChipPads), QPointF(x, upper.y() + Layout::pinPitch / 2)});
    }
    const QPointF lower = firstConnectorCentre();
    const double lowerChipPads = Layout::firstPpiChipCentre().y() + Layout::wideRowSpacing / 2;
    for (int pin = 0; pin < 20; ++pin) {
        const double x = connectorPinX(lower, pin + 2);
        copper.trace({QPointF(x, lowerChipPads), QPointF(x, lower.y() - Layout::pinPitch / 2)});
    }
    const double networkY = Layout::resistorNetworkCentre().y();
    const double chipTopPads = Layout::firstPpiChipCentre().y() - Layout::wideRowSpacing / 2;
    for (int pin = 1; pin < Layout::resistorNetworkPins; ++pin) {
        const double x = dipPinX(Layout::resistorNetworkCentre(), Layout::resistorNetworkPins, pin);
        copper.trace({QPointF(x, networkY), QPointF(x, chipTopPads)});
    }
}

// The counter chip's outputs swing down and left into the counter header,
// one row each, in parallel 45 degree runs.
void BoardPainter::paintCounterTraces()
{
    const QPointF chip = Layout::counterChipCentre();
    const double padY = chip.y() + Layout::wideRowSpacing / 2;
    const QPointF header = counterHeaderCentre();
    const double pinX = header.x() + Layout::counterPitch / 2;
    const double bendX = Layout::counterRing().right();
    for (int row = 0; row < counterHeaderRows; ++row) {
        const double x = dipPinX(chip, 12, row);
        const double rowY = headerRowY(header, counterHeaderRows, Layout::counterPitch, row);
        const double bendY = rowY - (x - bendX);
        copper.trace({QPointF(x, padY), QPointF(x, bendY), QPointF(bendX, rowY), QPointF(pinX, rowY)});
    }
    // The oscillator's output clocks the counter chip.
    const QRectF can = Layout::oscillatorRect();
    const double clockPinX = dipPinX(chip, 12, 11);
    const QPointF canPin(can.left() + 7, can.bottom() - 7);
    copper.trace({canPin, QPointF(canPin.x(), padY + 10), QPointF(clockPinX + 6, padY + 10),
                  QPointF(clockPinX, padY + 4), QPointF(clockPinX, padY)});
}

// The counter chip shares the data bus with the port chips: four lines run
// from its top row round the logo's left, up to the upper port chip. Turning
// each corner, the outer trace keeps outside so that none crosses another.
void BoardPainter::paintDataBusTraces()
{
    const QPointF counter = Layout::counterChipCentre();
    const QPointF port = Layout::secondPpiChipCentre();
    const double counterPads = counter.y() - Layout::wideRowSpacing / 2;
    const double portPads = port.y() + Layout::wideRowSpacing / 2;
    const double spacing = 7;
    for (int line = 0; line < 4; ++line) {
        const double startX = dipPinX(counter, 12, line);
        const double runX = 44 + spacing * line;
        // The lower corners step up 3 pixels a line and the upper ones down,
        // which sets the diagonals as far apart as the straight runs.
        const double lowerBendY = 262 - 3 * line;
        const double upperBendY = 230 + 3 * line;
        const double crossY = portPads + 9 + spacing * line;
        const double endX = dipPinX(port, 20, line);
        copper.trace({QPointF(startX, counterPads), QPointF(startX, lowerBendY + (startX - runX)),
                      QPointF(runX, lowerBendY), QPointF(runX, upperBendY),
                      QPointF(runX + (upperBendY - crossY), crossY), QPointF(endX, crossY), QPointF(endX, portPads)});
    }
}

// The bus buffer and the address comparator take their signals straight from
// the fingers beside them; the other fingers drop through vias at once.
void BoardPainter::paintBusTraces()
{
    const double outerPadX = Layout::busBufferCentre().x() + Layout::narrowRowSpacing / 2;
    const double fingerEnd = Layout::fingerLeft + 2;
    auto fingerToVia = [&](double y, int index) {
        const double viaX = index % 2 == 0 ? 548 : 540;
        copper.trace({QPointF(fingerEnd, y), QPointF(viaX, y)});
        copper.via({viaX, y});
    };
    auto facesChip = [](int index, int firstFacing) { return index >= firstFacing && index < firstFacing + 10; };
    for (int index = 0; index < Layout::longSectionFingers; ++index) {
        const double y = Layout::longFingerY(index);
        if (facesChip(index, Layout::busBufferFirstFinger))
            copper.trace({QPointF(outerPadX, y), QPointF(fingerEnd, y)});
        else
            fingerToVia(y, index);
    }
    for (int index = 0; index < Layout::shortSectionFingers; ++index) {
        const double y = Layout::shortFingerY(index);
        if (facesChip(index, Layout::addressComparatorFirstFinger))
            copper.trace({QPointF(outerPadX, y), QPointF(fingerEnd, y)});
        else
            fingerToVia(y, index);
    }

    // The buffer's card side and the comparator's spare inputs go down to the
    // other side close by.
    const double innerPadX = Layout::busBufferCentre().x() - Layout::narrowRowSpacing / 2;
    for (int pin = 1; pin < 9; ++pin) {
        const double y = dipPinY(Layout::busBufferCentre(), 10, pin);
        const double viaX = pin % 2 == 0 ? 470 : 456;
        copper.trace({QPointF(innerPadX, y), QPointF(viaX, y)});
        copper.via({viaX, y});
    }
    for (int pin = 5; pin < 10; ++pin) {
        const double y = dipPinY(Layout::addressComparatorCentre(), 10, pin);
        const double viaX = pin % 2 == 0 ? 496 : 486;
        copper.trace({QPointF(innerPadX, y), QPointF(viaX, y)});
        copper.via({viaX, y});
    }
}

// The glue logic enables the bus buffer; its other signals pass to the far side.
void BoardPainter::paintGlueLogicTraces()
{
    const QPointF glue = Layout::glueLogicCentre();
    const double topLeads = glue.y() - 15;
    const double bottomLeads = glue.y() + 15;
    const double enableY = dipPinY(Layout::busBufferCentre(), 10, 9);
    const double bufferPadX = Layout::busBufferCentre().x() - Layout::narrowRowSpacing / 2;
    copper.trace({QPointF(glue.x() + 18, topLeads), QPointF(glue.x() + 18, enableY), QPointF(bufferPadX, enableY)});
    const QPointF upperVia(glue.x() - 18, enableY - 6);
    copper.trace({QPointF(upperVia.x(), topLeads), upperVia});
    copper.via(upperVia);
    for (const double leadX : {glue.x() - 18, glue.x() - 6}) {
        const QPointF lowerVia(leadX, bottomLeads + 12 + (leadX - glue.x() + 18) / 2);
        copper.trace({QPointF(leadX, bottomLeads), lowerVia});
        copper.via(lowerVia);
    }
}

// The address jumpers feed the comparator: the traces leave from under the
// block, step down one after another and fan out to its inputs.
void BoardPainter::paintJumperTraces()
{
    const QPointF block = baseAddressBlockCentre();
    const double blockBottom = block.y() + baseAddressLines.size() * Layout::jumperPitch / 2;
    const QPointF comparator = Layout::addressComparatorCentre();
    const double padX = comparator.x() - Layout::narrowRowSpacing / 2;
    for (int line = 0; line < int(baseAddressLines.size()); ++line) {
        const double x = block.x() + 8 - 4 * line;
        const double padY = dipPinY(comparator, 10, line);
        const double bendY = blockBottom + 7 + 8 * line;
        const double bendEndX = x + (padY - bendY);
        copper.trace({QPointF(x, blockBottom - 3), QPointF(x, bendY), QPointF(bendEndX, padY), QPointF(padX, padY)});
    }
    // The common side of the interrupt jumpers goes through to the other side.
    const QPointF irqBlock = irqBlockCentre();
    const double irqBottom = irqBlock.y() + irqLines.size() * Layout::pinPitch / 2;
    const QPointF irqVia(irqBlock.x() - 6, irqBottom + 14);
    copper.trace({QPointF(irqVia.x(), irqBottom - 3), irqVia});
    copper.via(irqVia);
}

// A wide ground run down the card's left edge between the mounting holes,
// with the counter header's ground pin tied to it.
void BoardPainter::paintPowerTraces()
{
    const QPointF top = Layout::topMountingHole();
    const QPointF bottom = Layout::bottomMountingHole();
    const double edgeX = 10;
    copper.trace({top + QPointF(-7.8, 7.8), QPointF(edgeX, top.y() + 12), QPointF(edgeX, bottom.y() - 12),
                  bottom + QPointF(-7.8, -7.8)},
                 CopperLayer::powerWidth);
    const QPointF header = counterHeaderCentre();
    const double groundPinX = header.x() - Layout::counterPitch / 2;
    const double lastRowY = headerRowY(header, counterHeaderRows, Layout::counterPitch, counterHeaderRows - 1);
    copper.trace({QPointF(edgeX, lastRowY), QPointF(groundPinX, lastRowY)}, CopperLayer::powerWidth);

    // The pull-up network's common pin goes to the supply underneath.
    const QPointF network = Layout::resistorNetworkCentre();
    const double commonX = dipPinX(network, Layout::resistorNetworkPins, 0);
    copper.trace({QPointF(commonX, network.y()), QPointF(commonX, network.y() + 16)});
    copper.via({commonX, network.y() + 16});
}

// ---------------------------------------------------------------- silkscreen

void BoardPainter::paintLogo()
{
    const QPointF centre = Layout::logoCentre();
    silk.text("VELTRIX", centre + QPointF(0, -24), Qt::AlignCenter, {34, true, 3});
    silk.line(centre + QPointF(-96, -2), centre + QPointF(96, -2));
    silk.text("QK-7720", centre + QPointF(0, 17), Qt::AlignCenter, {22, true, 1.5});
    silk.text("48-CHANNEL DIGITAL I/O", centre + QPointF(0, 41), Qt::AlignCenter, {9, true, 1});

    // The board's own part number and revision, small, along the left edge.
    silk.rotatedText("QK-7720 PCB  REV B", QPointF(22, 250), -90, {8, true, 0.8});
}

void BoardPainter::paintConnectorLabels()
{
    const QRectF upperRing = Layout::secondPpiRing();
    const QRectF lowerRing = Layout::firstPpiRing();
    const TextStyle name{12, true, 0.5};
    const TextStyle designator{10, true, 0};
    silk.text("PPI 1", QPointF(upperRing.right() + 8, upperRing.center().y() - 9), Qt::AlignLeft | Qt::AlignVCenter, name);
    silk.text("J2", QPointF(upperRing.right() + 8, upperRing.center().y() + 9), Qt::AlignLeft | Qt::AlignVCenter,
              designator);
    silk.text("PPI 0", QPointF(lowerRing.right() + 8, lowerRing.center().y() - 9), Qt::AlignLeft | Qt::AlignVCenter, name);
    silk.text("J1", QPointF(lowerRing.right() + 8, lowerRing.center().y() + 9), Qt::AlignLeft | Qt::AlignVCenter,
              designator);

    // Pin numbers at the ends of the long connectors.
    const TextStyle pinNumber{8, true, 0};
    const double halfBox = PartPainter::boxHeaderSize(connectorPinsPerRow, Layout::pinPitch).width() / 2;
    for (const QPointF centre : {secondConnectorCentre(), firstConnectorCentre()}) {
        const bool upperEdge = centre.y() < Layout::pictureSize.height() / 2;
        const double outerRowY = centre.y() + (upperEdge ? -1 : 1) * Layout::pinPitch / 2;
        const double innerRowY = centre.y() + (upperEdge ? 1 : -1) * Layout::pinPitch / 2;
        silk.text("1", QPointF(centre.x() - halfBox - 3, outerRowY), Qt::AlignRight | Qt::AlignVCenter, pinNumber);
        silk.text("50", QPointF(centre.x() + halfBox + 3, innerRowY), Qt::AlignLeft | Qt::AlignVCenter, pinNumber);
    }

    const QRectF counter = Layout::counterRing();
    silk.text("CTR", QPointF(counter.center().x(), counter.top() - 2), Qt::AlignHCenter | Qt::AlignBottom,
              {11, true, 0.5});
    silk.text("J3", QPointF(counter.center().x(), counter.bottom() + 2), Qt::AlignHCenter | Qt::AlignTop, designator);
}

void BoardPainter::paintJumperLabels()
{
    const TextStyle rowLabel{9, true, 0};
    const TextStyle designator{10, true, 0};

    const QRectF baseRing = Layout::baseAddressRing();
    const QPointF base = baseAddressBlockCentre();
    for (int row = 0; row < int(baseAddressLines.size()); ++row) {
        const double y = headerRowY(base, int(baseAddressLines.size()), Layout::jumperPitch, row);
        silk.text(baseAddressLines[row], QPointF(baseRing.right() + 4, y), Qt::AlignLeft | Qt::AlignVCenter, rowLabel);
    }
    silk.text("JP1", QPointF(base.x(), baseRing.top() - 3), Qt::AlignHCenter | Qt::AlignBottom, designator);

    const QRectF irqRing = Layout::irqRing();
    const QPointF irq = irqBlockCentre();
    const double labelX = irqRing.right() + 4;
    for (int row = 0; row < int(irqLines.size()); ++row) {
        const double y = headerRowY(irq, int(irqLines.size()), Layout::pinPitch, row);
        silk.text(irqLines[row], QPointF(labelX, y), Qt::AlignLeft | Qt::AlignVCenter, rowLabel);
    }
    const double firstRowY = headerRowY(irq, int(irqLines.size()), Layout::pinPitch, 0);
    const double lastRowY = headerRowY(irq, int(irqLines.size()), Layout::pinPitch, int(irqLines.size()) - 1);
    silk.text("IRQ", QPointF(labelX, firstRowY - 14), Qt::AlignLeft | Qt::AlignVCenter, {10, true, 0.5});
    silk.text("JP2", QPointF(labelX, lastRowY + 16), Qt::AlignLeft | Qt::AlignVCenter, designator);

    const QRectF upgradeRing = Layout::upgradeRing();
    silk.rotatedText("UPGRADE", QPointF(upgradeRing.left() - 6, upgradeRing.center().y()), -90, {9, true, 1});
    silk.text("JP3", QPointF(upgradeRing.center().x(), upgradeRing.top() - 3), Qt::AlignHCenter | Qt::AlignBottom,
              designator);
}

void BoardPainter::paintDesignators()
{
    const TextStyle designator{10, true, 0};
    auto leftOf = [&](const char* name, QPointF chipCentre, int pinsPerSide) {
        const double chipLeft = chipCentre.x() - PartPainter::dipBodyLength(pinsPerSide) / 2;
        silk.text(name, QPointF(chipLeft - 5, chipCentre.y()), Qt::AlignRight | Qt::AlignVCenter, designator);
    };
    leftOf("U2", Layout::secondPpiChipCentre(), 20);
    leftOf("U1", Layout::firstPpiChipCentre(), 20);
    leftOf("U3", Layout::counterChipCentre(), 12);

    const double uprightHalfLength = PartPainter::dipBodyLength(10) / 2;
    const QPointF buffer = Layout::busBufferCentre();
    const QPointF comparator = Layout::addressComparatorCentre();
    silk.text("U5", QPointF(buffer.x(), buffer.y() + uprightHalfLength + 3), Qt::AlignHCenter | Qt::AlignTop, designator);
    silk.text("U4", QPointF(comparator.x(), comparator.y() + uprightHalfLength + 3), Qt::AlignHCenter | Qt::AlignTop,
              designator);

    const QPointF glue = Layout::glueLogicCentre();
    silk.text("U6", QPointF(glue.x() - 28, glue.y()), Qt::AlignRight | Qt::AlignVCenter, designator);
    const QRectF can = Layout::oscillatorRect();
    silk.text("X1", QPointF(can.center().x(), can.top() - 3), Qt::AlignHCenter | Qt::AlignBottom, designator);
    const QPointF capacitor = Layout::bulkCapacitorCentre();
    silk.text("C1", QPointF(capacitor.x() + 21, capacitor.y() + 6), Qt::AlignLeft | Qt::AlignVCenter, designator);
    silk.text("+", QPointF(capacitor.x() + 21, capacitor.y() - 9), Qt::AlignLeft | Qt::AlignVCenter, {11, true, 0});
    const QPointF network = Layout::resistorNetworkCentre();
    silk.text("RN1", QPointF(network.x() - Layout::resistorNetworkPins * Layout::pinPitch / 2 - 5, network.y()),
              Qt::AlignRight | Qt::AlignVCenter, designator);
}

void BoardPainter::paintOutlines()
{
    const QSizeF box = PartPainter::boxHeaderSize(connectorPinsPerRow, Layout::pinPitch);
    silk.outline(centredRect(secondConnectorCentre(), box.width() + 5, box.height() + 5));
    silk.outline(centredRect(firstConnectorCentre(), box.width() + 5, box.height() + 5));
    silk.outline(centredRect(counterHeaderCentre(), 2 * Layout::counterPitch + 5,
                             counterHeaderRows * Layout::counterPitch + 5));
    silk.outline(centredRect(baseAddressBlockCentre(), 2 * Layout::jumperPitch + 5,
                             baseAddressLines.size() * Layout::jumperPitch + 5));
    silk.outline(centredRect(irqBlockCentre(), 2 * Layout::pinPitch + 5, irqLines.size() * Layout::pinPitch + 5));
    silk.outline(centredRect(upgradeHeaderCentre(), Layout::jumperPitch + 5, upgradePins * Layout::jumperPitch + 5));
    silk.outline(Layout::oscillatorRect().adjusted(-3, -3, 3, 3), 4);
    silk.circle(Layout::bulkCapacitorCentre(), Layout::bulkCapacitorRadius + 3);
    for (const QPointF hole : {Layout::topMountingHole(), Layout::bottomMountingHole()}) silk.circle(hole, 14.5);

    // A white field for the serial number label.
    silk.text("S/N", QPointF(40, 110), Qt::AlignLeft | Qt::AlignVCenter, {8, true, 0});
    silk.filledRect(QRectF(60, 104, 52, 12));
}

// ---------------------------------------------------------------- parts

void BoardPainter::paintChips()
{
    parts.dipChip({Layout::secondPpiChipCentre(), 20, Layout::wideRowSpacing, Qt::Horizontal, "82C55A", "CP 9542"});
    parts.dipChip({Layout::firstPpiChipCentre(), 20, Layout::wideRowSpacing, Qt::Horizontal, "82C55A", "CP 9542"});
    parts.dipChip({Layout::counterChipCentre(), 12, Layout::wideRowSpacing, Qt::Horizontal, "82C54", "CP 9538"});
    parts.dipChip({Layout::busBufferCentre(), 10, Layout::narrowRowSpacing, Qt::Vertical, "74HCT245", "9547"});
    parts.dipChip({Layout::addressComparatorCentre(), 10, Layout::narrowRowSpacing, Qt::Vertical, "74HCT688", "9551"});
    parts.soicChip(Layout::glueLogicCentre(), 7, "HCT32");
    parts.oscillator(Layout::oscillatorRect(), "8.000");
}

void BoardPainter::paintConnectors()
{
    parts.boxHeader(secondConnectorCentre(), connectorPinsPerRow, Layout::pinPitch, true);
    parts.boxHeader(firstConnectorCentre(), connectorPinsPerRow, Layout::pinPitch, false);
    parts.pinHeader(counterHeaderCentre(), 2, counterHeaderRows, Layout::counterPitch, BoardColours::blackPlastic);
}

void BoardPainter::paintJumperBlocks()
{
    const QPointF base = baseAddressBlockCentre();
    const int baseRows = int(baseAddressLines.size());
    parts.pinHeader(base, 2, baseRows, Layout::jumperPitch, BoardColours::greyPlastic);
    for (int row : fittedBaseAddressCaps)
        parts.jumperCap({base.x(), headerRowY(base, baseRows, Layout::jumperPitch, row)}, Layout::jumperPitch);

    const QPointF irq = irqBlockCentre();
    const int irqRows = int(irqLines.size());
    parts.pinHeader(irq, 2, irqRows, Layout::pinPitch, BoardColours::greyPlastic);
    parts.jumperCap({irq.x(), headerRowY(irq, irqRows, Layout::pinPitch, fittedIrqCap)}, Layout::pinPitch);

    parts.pinHeader(upgradeHeaderCentre(), 1, upgradePins, Layout::jumperPitch, BoardColours::greyPlastic);
}

void BoardPainter::paintSmallParts()
{
    using Kind = PartPainter::SmdKind;
    // A decoupling capacitor at the end of each chip, by its supply pin.
    parts.smdPart(Layout::secondPpiChipCentre() + QPointF(138, 0), Qt::Vertical, Kind::Capacitor);
    parts.smdPart(Layout::firstPpiChipCentre() + QPointF(138, 0), Qt::Vertical, Kind::Capacitor);
    parts.smdPart(Layout::counterChipCentre() + QPointF(-84, -22), Qt::Vertical, Kind::Capacitor);
    parts.smdPart(Layout::busBufferCentre() + QPointF(0, -72), Qt::Horizontal, Kind::Capacitor);
    parts.smdPart(Layout::addressComparatorCentre() + QPointF(0, -72), Qt::Horizontal, Kind::Capacitor);
    // The oscillator's supply filter and the reset network.
    const QRectF can = Layout::oscillatorRect();
    parts.smdPart(QPointF(can.right() + 10, can.top() + 12), Qt::Vertical, Kind::Capacitor);
    parts.smdPart(QPointF(can.right() + 10, can.top() + 30), Qt::Vertical, Kind::Resistor);
    parts.smdPart(QPointF(330, 440), Qt::Horizontal, Kind::Resistor);
    parts.smdPart(QPointF(330, 454), Qt::Horizontal, Kind::Resistor);
    parts.smdPart(QPointF(354, 447), Qt::Vertical, Kind::Capacitor);

    parts.resistorNetwork(Layout::resistorNetworkCentre(), Layout::resistorNetworkPins, "A103J");
    parts.electrolytic(Layout::bulkCapacitorCentre(), Layout::bulkCapacitorRadius);
    parts.mountingHole(Layout::topMountingHole(), BoardColours::background);
    parts.mountingHole(Layout::bottomMountingHole(), BoardColours::background);
}
