#include "gui/menuitem.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "gui/application.h"

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem()
{
    MarkDestroying();
    Unbuild();
    for (auto* item : FItems) item->FParent = nullptr;
    FItems.clear();
    if (FParent) FParent->Remove(this);
}

void TMenuItem::SetCaption(const std::string& value)
{
    if (value == FCaption) return;
    FCaption = value;
    UpdateAction();
}

void TMenuItem::SetChecked(bool value)
{
    if (value == FChecked) return;
    FChecked = value;
    UpdateAction();
}

void TMenuItem::SetEnabled(bool value)
{
    if (value == FEnabled) return;
    FEnabled = value;
    UpdateAction();
}

void TMenuItem::SetVisible(bool value)
{
    if (value == FVisible) return;
    FVisible = value;
    UpdateAction();
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    const auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (!item || item == this || item->FParent) return;
    index = std::clamp(index, 0, Count());
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
    // A command that gains its first entry becomes a submenu.
    if (FParent && FContainer && !FSubMenu) Rebuild();
    else if (QWidget* container = Container()) item->BuildIn(container);
}

void TMenuItem::Remove(TMenuItem* item)
{
    const int index = IndexOf(item);
    if (index < 0) return;
    item->Unbuild();
    FItems.erase(FItems.begin() + index);
    item->FParent = nullptr;
}

void TMenuItem::Click()
{
    if (OnClick) OnClick(this);
}

QWidget* TMenuItem::Container() const
{
    // The root's entries sit in the bar; other entries in their parent's menu.
    if (!FParent) return FContainer;
    return FSubMenu;
}

QAction* TMenuItem::ActionAfter(const TMenuItem* item) const
{
    for (int i = IndexOf(item) + 1; i < Count(); ++i)
        if (FItems[static_cast<std::size_t>(i)]->FAction) return FItems[static_cast<std::size_t>(i)]->FAction;
    return nullptr;
}

void TMenuItem::BuildIn(QWidget* container)
{
    Unbuild();
    FContainer = container;
    if (!FParent) {
        for (auto* item : FItems) item->BuildIn(container);
        return;
    }
    if (!FItems.empty()) {
        FSubMenu = new QMenu(QString::fromStdString(FCaption), container);
        FAction = FSubMenu->menuAction();
    } else {
        FAction = new QAction(QString::fromStdString(FCaption), container);
        QObject::connect(FAction, &QAction::triggered, [this] { RunGuarded([this] { Click(); }); });
    }
    UpdateAction();
    container->insertAction(FParent->ActionAfter(this), FAction);
    for (auto* item : FItems) item->BuildIn(FSubMenu);
}

void TMenuItem::Unbuild()
{
    for (auto* item : FItems) item->Unbuild();
    if (FContainer && FAction) FContainer->removeAction(FAction);
    // The action may be the one being chosen right now: let Qt finish first.
    if (FSubMenu) FSubMenu->deleteLater();
    else if (FAction) FAction->deleteLater();
    FSubMenu = nullptr;
    FAction = nullptr;
    FContainer = nullptr;
}

void TMenuItem::Rebuild()
{
    if (auto* container = FContainer) BuildIn(container);
}

void TMenuItem::UpdateAction()
{
    if (!FAction) return;
    FAction->setText(QString::fromStdString(FCaption));
    FAction->setCheckable(FChecked);
    FAction->setChecked(FChecked);
    FAction->setEnabled(FEnabled);
    FAction->setVisible(FVisible);
}
