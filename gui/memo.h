#pragma once
#include "gui/strings.h"
#include "gui/wincontrol.h"

class QPlainTextEdit;

enum TScrollStyle : unsigned char { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line text box showing its Lines.
class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* owner);
    std::string ClassName() const override { return "TMemo"; }

    TStrings& Lines() { return FLines; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);

protected:
    QWidget* CreateWindowHandle(QWidget* parentWidget) override;
    void HandleCreated() override;
    void ColorChanged() override;

private:
    QPlainTextEdit* TextBox() const;
    void ShowLines();
    void ApplyOptions();

    TStrings FLines;
    bool FReadOnly = false;
    TScrollStyle FScrollBars = ssNone;
    bool FWordWrap = true;
};
