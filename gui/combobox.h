#pragma once
#include "gui/strings.h"
#include "gui/wincontrol.h"

class QComboBox;

enum TComboBoxStyle : unsigned char { csDropDown, csSimple, csDropDownList };

// A drop-down combo box: an edit field with a list of items (csDropDown),
// or a list alone (csDropDownList). OnChange fires when the user changes
// the text or picks an item.
class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* owner);
    std::string ClassName() const override { return "TComboBox"; }

    TStrings& Items() { return FItems; }
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    const std::string& Text() const { return FText; }
    void SetText(const std::string& value);
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle value) { FStyle = value; }
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value) { FItemHeight = value; }
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value) { FDropDownCount = value; }

    TNotifyEvent OnChange;

protected:
    QWidget* CreateWindowHandle(QWidget* parentWidget) override;
    void HandleCreated() override;

private:
    QComboBox* Box() const;
    void FillWidget();
    void UserPicked(int index);
    void UserEdited(const std::string& text);
    void Changed();

    TStrings FItems;
    int FItemIndex = -1;
    std::string FText;
    TComboBoxStyle FStyle = csDropDown;
    int FItemHeight = 13;
    int FDropDownCount = 8;
};
