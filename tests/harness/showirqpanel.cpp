// Shows the IRQ panel of the board description in a window of its own, so
// its jumper drawings can be looked at: show_irq_panel [closed-jumper ...]
// e.g. show_irq_panel IRQ3 IRQ7 closes those two.
#include <memory>

#include "app/template.h"
#include "gui/application.h"
#include "setupctrls/setupctrls.h"

int main(int argc, char** argv)
{
    RegisterSetupControls();
    TMainForm::Register();
    TApplication application(argc, argv);
    auto* form = new TMainForm(&application);
    auto* window = new TForm(&application);
    window->SetCaption("IRQ panel");
    window->SetBounds(100, 100, form->IRQPanel->Width() + 40, form->IRQPanel->Height() + 60);
    form->IRQPanel->SetParent(window);
    form->IRQPanel->SetBounds(10, 10, form->IRQPanel->Width(), form->IRQPanel->Height());
    form->IRQPanel->SetVisible(true);
    for (int i = 1; i < argc; ++i)
        if (auto* jumper = dynamic_cast<TTwoJumper*>(form->FindComponent(argv[i]))) jumper->SetClosed(true);
    window->OnClose = [](TObject*, TCloseAction&) { Application->Terminate(); };
    window->Show();
    return application.Run();
}
