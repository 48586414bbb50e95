#pragma once
#include "gui/component.h"
#include "gui/menuitem.h"

class QMenuBar;

// The menu bar of a form: a list of top-level menu items.
class TMainMenu : public TComponent {
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;

    std::string ClassName() const override { return "TMainMenu"; }

    TMenuItem* Items() { return FItems; }

    // The form's menu bar shows this menu from now on (null: none).
    void AttachTo(QMenuBar* bar);

private:
    TMenuItem* FItems;  // the root; its entries are the bar's menus
};
