#include "setupctrls/radiopanel.h"

#include "setupctrls/twojumper.h"

TRadioPanel::TRadioPanel(TComponent* owner) : TCustomPanel(owner)
{
    SetAnchors(akLeft | akTop);
    FSetCaptionFromName = false;
    SetBevelOuter(bvNone);
    SetHeight(100);
    SetWidth(194);
    SetVisible(false);
}

void TRadioPanel::SetFinalAnchors(TAnchors value)
{
    FFinalAnchors = value;
    if (FPlaced) SetAnchors(value);
}

void TRadioPanel::SelectJumper(TTwoJumper* jumper)
{
    bool changed = false;
    for (int i = 0; i < ControlCount(); ++i) {
        auto* control = Controls(i);
        if (control->ClassName() != "TTwoJumper") continue;
        auto* other = static_cast<TTwoJumper*>(control);
        const bool closed = other == jumper;
        if (other->Closed() != closed) changed = true;
        other->SetClosed(closed);
    }
    if (changed && OnRadioChange) OnRadioChange(jumper);
}

void TRadioPanel::Paint() { PaintBevels(); }
