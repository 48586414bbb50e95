#pragma once
#include <functional>

#include "gui/custompanel.h"
#include "gui/strings.h"

class TTwoJumper;

using TRadioPanelChangeEvent = std::function<void(TObject* sender)>;

// The content of a highlight's popup: the controls of one setting, and the
// explanation the popup shows beneath them. Hidden until its popup takes
// it. With RadioEnabled, the two-pin jumpers on it act as a radio group.
class TRadioPanel : public TCustomPanel {
public:
    explicit TRadioPanel(TComponent* owner);
    std::string ClassName() const override { return "TRadioPanel"; }

    void SetCaption(const std::string&) override {}
    bool RadioEnabled() const { return FRadioEnabled; }
    void SetRadioEnabled(bool value) { FRadioEnabled = value; }
    TStrings& Lines() { return FLines; }
    void SetLines(const TStrings& value) { FLines.Assign(value); }
    int MemoHeight() const { return FMemoHeight; }
    void SetMemoHeight(int value) { FMemoHeight = value; }
    TAnchors FinalAnchors() const { return FFinalAnchors; }
    // Takes effect as the anchors once the panel sits in its popup.
    void SetFinalAnchors(TAnchors value);
    bool Placed() const { return FPlaced; }
    void SetPlaced(bool value) { FPlaced = value; }

    // The radio step after a jumper on this panel toggled itself: the
    // clicked jumper ends closed, every other jumper open.
    void SelectJumper(TTwoJumper* jumper);

    TRadioPanelChangeEvent OnRadioChange;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

protected:
    void Paint() override;

private:
    bool FRadioEnabled = false;
    TStrings FLines;
    int FMemoHeight = 58;
    TAnchors FFinalAnchors = akLeft | akTop;
    bool FPlaced = false;  // the panel has been moved into its popup window
};
