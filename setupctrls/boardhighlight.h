#pragma once
#include "gui/bitmap.h"
#include "gui/graphiccontrol.h"

class TRadioPanel;

enum THighlightType : unsigned char { htOptions, htSettings, htCalibration };

// The translucent ring that marks one spot of the board picture. Its kind
// gives its colour and the menu it joins; resting the mouse on it opens its
// popup, and a click pins that popup.
class TBoardHighlight : public TGraphicControl {
public:
    explicit TBoardHighlight(TComponent* owner);
    std::string ClassName() const override { return "TBoardHighlight"; }

    bool CreatePopup() const { return FCreatePopup; }
    void SetCreatePopup(bool value) { FCreatePopup = value; }
    THighlightType HighlightType() const { return FHighlightType; }
    void SetHighlightType(THighlightType value);
    TRadioPanel* RadioPanel() const { return FRadioPanel; }
    // Refused silently when another circle on the same board image, not
    // linked with this one, already holds the panel.
    void SetRadioPanel(TRadioPanel* value);
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value);

    TColor CircleColor() const { return FCircleColor; }
    float IdleLevel() const { return FIdleLevel; }
    float LitLevel() const { return FLitLevel; }
    float GlintLevel() const { return FGlintLevel; }

    // The pointer's arrival and departure, and the click; the board image
    // drives them directly for the guided tour.
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void Click() override;

private:
    bool FCreatePopup = true;
    THighlightType FHighlightType = htOptions;
    TRadioPanel* FRadioPanel = nullptr;
    std::string FTitle;
    TColor FCircleColor = clBlue;
    float FIdleLevel = 0;
    float FLitLevel = 0;
    float FGlintLevel = 0;
    TBitmap FIdleImage;
    TBitmap FLitImage;
    TBitmap FGlintImage;
};
