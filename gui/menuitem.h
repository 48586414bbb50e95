#pragma once
#include <string>
#include <vector>

#include "gui/component.h"

class QAction;
class QMenu;
class QWidget;
class TMainMenu;

// One entry of a menu: a command, or a submenu holding further entries.
// Its caption marks the accelerator letter with '&'.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    std::string ClassName() const override { return "TMenuItem"; }

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int index) const { return FItems.at(static_cast<std::size_t>(index)); }
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return FParent; }
    void Add(TMenuItem* item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    // The entry's command, as choosing it runs it.
    virtual void Click();

    TNotifyEvent OnClick;

    // The layer shows the entries of a main menu in a Qt menu bar.
    void BuildIn(QWidget* container);
    void Unbuild();

private:
    void Rebuild();
    void UpdateAction();
    QWidget* Container() const;
    QAction* ActionAfter(const TMenuItem* item) const;

    std::string FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    TMenuItem* FParent = nullptr;
    std::vector<TMenuItem*> FItems;
    QWidget* FContainer = nullptr;  // the menu bar or menu showing this entry
    QAction* FAction = nullptr;
    QMenu* FSubMenu = nullptr;
};
