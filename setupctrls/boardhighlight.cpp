#include "setupctrls/boardhighlight.h"

#include "gui/wincontrol.h"
#include "setupctrls/radiopanel.h"

namespace {

struct TKindLook {
    TColor Color;
    float Idle, Lit, Glint;
};

const TKindLook* LookOf(THighlightType type)
{
    static const TKindLook looks[] = {
        {RGB(0, 0, 255), 0.25f, 0.5f, 1.0f},    // options: blue, information only
        {RGB(255, 255, 0), 0.5f, 0.75f, 1.0f},  // settings: yellow, jumpers to set
        {RGB(255, 0, 0), 0.5f, 0.75f, 1.0f},    // calibration: red
    };
    return type <= htCalibration ? &looks[type] : nullptr;
}

} // namespace

TBoardHighlight::TBoardHighlight(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 65, 65);
    SetHighlightType(htSettings);
}

void TBoardHighlight::SetHighlightType(THighlightType value)
{
    if (value == FHighlightType) return;
    FHighlightType = value;
    if (const auto* look = LookOf(value)) {
        FCircleColor = look->Color;
        FIdleLevel = look->Idle;
        FLitLevel = look->Lit;
        FGlintLevel = look->Glint;
    }
    Invalidate();
}

void TBoardHighlight::SetRadioPanel(TRadioPanel* value)
{
    if (value == FRadioPanel) return;
    if (value && Parent()) {
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            auto* other = Parent()->Controls(i);
            if (other == this || other->ClassName() != "TBoardHighlight") continue;
            auto* circle = static_cast<TBoardHighlight*>(other);
            if (circle->FRadioPanel != value) continue;
            if (circle->FTitle != FTitle || circle->FHighlightType != FHighlightType) return;
        }
    }
    FRadioPanel = value;
}

void TBoardHighlight::SetTitle(const std::string& value) { FTitle = value; }

void TBoardHighlight::CMMouseEnter(TMessage& message) { TGraphicControl::CMMouseEnter(message); }

void TBoardHighlight::CMMouseLeave(TMessage& message) { TGraphicControl::CMMouseLeave(message); }

void TBoardHighlight::Click() { TGraphicControl::Click(); }
