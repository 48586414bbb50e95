#pragma once
#include "gui/form.h"
#include "gui/wincontrol.h"

class QLineEdit;

// A single-line edit box. OnKeyPress sees each typed character first and
// may change it, or drop it by setting it to 0.
class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);
    std::string ClassName() const override { return "TEdit"; }

    const std::string& Text() const { return FText; }
    void SetText(const std::string& value);
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    void SelectAll();

    TNotifyEvent OnChange;
    TKeyPressEvent OnKeyPress;

    bool HandleNativeEvent(QEvent* event) override;

protected:
    QWidget* CreateWindowHandle(QWidget* parentWidget) override;
    void ColorChanged() override;

private:
    QLineEdit* LineEdit() const;
    void TakeTextFromWidget();
    void Changed();

    std::string FText;
    int FMaxLength = 0;
    bool FReadOnly = false;
};
