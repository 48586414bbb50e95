#pragma once
#include <QImage>

#include "board/tool/copperlayer.h"
#include "board/tool/partpainter.h"
#include "board/tool/silkscreen.h"

class QPainter;

// Draws the whole card from its component side, layer by layer as it is made:
// the bare board, its copper, the white print, and the parts soldered on top.
class BoardPainter {
public:
    // The finished picture, BoardLayout::pictureSize pixels.
    static QImage render();

private:
    explicit BoardPainter(QPainter& target);
    void paint();

    void paintBoard();
    void paintEdgeConnector();

    void paintPortTraces();
    void paintCounterTraces();
    void paintDataBusTraces();
    void paintBusTraces();
    void paintGlueLogicTraces();
    void paintJumperTraces();
    void paintPowerTraces();

    void paintLogo();
    void paintConnectorLabels();
    void paintJumperLabels();
    void paintDesignators();
    void paintOutlines();

    void paintChips();
    void paintConnectors();
    void paintJumperBlocks();
    void paintSmallParts();

    QPainter& painter;
    PartPainter parts;
    Silkscreen silk;
    CopperLayer copper;
};
