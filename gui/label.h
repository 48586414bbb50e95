#pragma once
#include "gui/graphiccontrol.h"

// A line of text on its parent's surface; '&' marks an accelerator letter.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);
    std::string ClassName() const override { return "TLabel"; }

    void SetCaption(const std::string& value) override;
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    void SetAutoSize(bool value) override;

protected:
    void Paint() override;
    void FontChanged() override;

private:
    // Fits the label to its caption, once the description has been read.
    void AdjustSize();

    TAlignment FAlignment = taLeftJustify;
    bool FTransparent = false;
    bool FWordWrap = false;
};
