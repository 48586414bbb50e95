#pragma once
#include "gui/borderstyle.h"
#include "gui/wincontrol.h"

enum TBevelCut : unsigned char { bvNone, bvLowered, bvRaised, bvSpace };

// A windowed container with bevels and an optional caption in its middle.
class TCustomPanel : public TWinControl {
public:
    explicit TCustomPanel(TComponent* owner);
    std::string ClassName() const override { return "TCustomPanel"; }

    void SetName(const std::string& value) override;
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    bool FullRepaint() const { return FFullRepaint; }
    void SetFullRepaint(bool value) { FFullRepaint = value; }

protected:
    void Paint() override;
    // Draws the bevels and returns the area inside them.
    TRect PaintBevels();
    // A plain panel shows its name as caption until given another one.
    bool FSetCaptionFromName = true;

private:
    void DrawBevel(TRect& rect, TBevelCut cut);

    TBevelCut FBevelOuter = bvRaised;
    TBevelCut FBevelInner = bvNone;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TBorderStyle FBorderStyle = bsNone;
    bool FFullRepaint = true;
};
