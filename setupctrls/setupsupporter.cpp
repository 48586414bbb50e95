#include "setupctrls/setupsupporter.h"

#include "gui/application.h"

TSetupSupporter::TSetupSupporter(TComponent* owner) : TComponent(owner) {}

void TSetupSupporter::AppIdle(TObject* sender, bool&)
{
    if (auto* application = dynamic_cast<TApplication*>(sender)) application->OnIdle = nullptr;
    BuildWindows();
}

void TSetupSupporter::BuildWindows() {}
