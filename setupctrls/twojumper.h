#pragma once
#include "gui/bitmap.h"
#include "gui/borderstyle.h"
#include "gui/graphiccontrol.h"

enum TOrientationType : unsigned char { otUp, otDown, otLeft, otRight };

// A two-pin jumper as the user sees it on the card: an open header (a grey
// body with two yellow pins) or one covered by its cap. A click toggles it;
// on a radio panel with RadioEnabled the panel then opens the others.
class TTwoJumper : public TGraphicControl {
public:
    explicit TTwoJumper(TComponent* owner);
    std::string ClassName() const override { return "TTwoJumper"; }

    bool Closed() const { return FClosed; }
    void SetClosed(bool value);
    TColor BaseColor() const { return FBaseColor; }
    void SetBaseColor(TColor value);
    TColor PinColor() const { return FPinColor; }
    void SetPinColor(TColor value);
    TColor JumperColor() const { return FJumperColor; }
    void SetJumperColor(TColor value);
    TOrientationType Orientation() const { return FOrientation; }
    void SetOrientation(TOrientationType value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);

    bool SwapPending() const { return FSwapPending; }
    bool PaintedOnce() const { return FPaintedOnce; }

protected:
    void Paint() override;
    void Click() override;

private:
    void DrawUpright();
    void Turn();

    bool FClosed = false;
    TColor FBaseColor = clGray;
    TColor FPinColor = clYellow;
    TColor FJumperColor = clMaroon;
    TOrientationType FOrientation = otUp;
    TBorderStyle FBorderStyle = bsSingle;
    TBitmap FDrawBuffer;         // the jumper drawn upright
    TBitmap FTurnBuffer;         // the drawing turned to the orientation
    bool FSwapPending = false;   // a quarter turn happened since the last paint
    bool FPaintedOnce = false;
};
