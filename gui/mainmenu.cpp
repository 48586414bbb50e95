#include "gui/mainmenu.h"

#include <QMenuBar>

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner), FItems(new TMenuItem(nullptr)) {}

TMainMenu::~TMainMenu()
{
    MarkDestroying();
    // Entries owned elsewhere leave the menu before its root goes.
    DestroyComponents();
    delete FItems;
}

void TMainMenu::AttachTo(QMenuBar* bar)
{
    if (bar) FItems->BuildIn(bar);
    else FItems->Unbuild();
}
