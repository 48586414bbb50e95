#pragma once
#include "gui/wincontrol.h"

class QPushButton;

// A push button. The default button answers Enter, the cancel button Esc.
class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    std::string ClassName() const override { return "TButton"; }

    void SetCaption(const std::string& value) override;
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    // Presses the button as a click of the user would.
    void Click() override;

protected:
    QWidget* CreateWindowHandle(QWidget* parentWidget) override;

private:
    QPushButton* Button() const;

    bool FDefault = false;
    bool FCancel = false;
};
