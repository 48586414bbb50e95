#include "app/template.h"

#include "gui/application.h"
#include "gui/componentkind.h"
#include "gui/resources.h"

TMainForm* MainForm = nullptr;
std::array<TTwoJumper*, 11> IRQJumpers{};
std::array<TTwoJumper*, 5> BaseJumpers{};
std::array<TLabel*, 5> BaseJumperLabels{};

TMainForm::TMainForm(TComponent* owner) : TForm(owner)
{
    PublishFields();
    PublishHandlers();
    LoadFromDescription(ReadResourceText("board/template.desc"));
}

void TMainForm::Register() { TComponentKind::Register("TMainForm", "TForm"); }

void TMainForm::PublishFields()
{
    PublishField("MainMenu1", MainMenu1);
    PublishField("File1", File1);
    PublishField("Help1", Help1);
    PublishField("Howtousethisprogram1", Howtousethisprogram1);
    PublishField("Exit2", Exit2);
    PublishField("TechnicalSupport1", TechnicalSupport1);
    PublishField("BoardImage1", BoardImage1);
    PublishField("SetSup", SetSup);
    PublishField("BasePanel", BasePanel);
    PublishField("BaseEdit", BaseEdit);
    PublishField("IRQPanel", IRQPanel);
    PublishField("Label32", Label32);
    PublishField("Label33", Label33);
    PublishField("Label34", Label34);
    PublishField("Label35", Label35);
    PublishField("Label36", Label36);
    PublishField("Label37", Label37);
    PublishField("Label1", Label1);
    PublishField("Label2", Label2);
    PublishField("Label3", Label3);
    PublishField("Label4", Label4);
    PublishField("Label5", Label5);
    PublishField("IRQBox", IRQBox);
    PublishField("BaseHighlight", BaseHighlight);
    PublishField("IRQHighlight", IRQHighlight);
    PublishField("IRQ5", IRQ5);
    PublishField("IRQ0", IRQ0);
    PublishField("IRQ1", IRQ1);
    PublishField("IRQ4", IRQ4);
    PublishField("IRQ3", IRQ3);
    PublishField("IRQ2", IRQ2);
    PublishField("IRQ10", IRQ10);
    PublishField("IRQ9", IRQ9);
    PublishField("IRQ8", IRQ8);
    PublishField("IRQ7", IRQ7);
    PublishField("IRQ6", IRQ6);
    PublishField("UpgradePanel", UpgradePanel);
    PublishField("Label7", Label7);
    PublishField("WarningHighlight", WarningHighlight);
    PublishField("PPI2Highlight", PPI2Highlight);
    PublishField("BoardHighlight2", BoardHighlight2);
    PublishField("PPIPanel1", PPIPanel1);
    PublishField("PPIPanel2", PPIPanel2);
    PublishField("CTRHighlight", CTRHighlight);
    PublishField("CTRPanel", CTRPanel);
    PublishField("BaseFeedbackLabel", BaseFeedbackLabel);
}

void TMainForm::PublishHandlers()
{
    const auto notify = [this](void (TMainForm::*handler)(TObject*)) {
        return TFormHandler(TNotifyEvent([this, handler](TObject* sender) { (this->*handler)(sender); }));
    };
    PublishHandler("Howtousethisprogram1Click", notify(&TMainForm::Howtousethisprogram1Click));
    PublishHandler("Exit2Click", notify(&TMainForm::Exit2Click));
    PublishHandler("TechnicalSupport1Click", notify(&TMainForm::TechnicalSupport1Click));
    PublishHandler("BaseEditKeyPress",
                   TFormHandler(TKeyPressEvent([this](TObject* sender, char& key) { BaseEditKeyPress(sender, key); })));
    PublishHandler("IRQPanelEnter", notify(&TMainForm::IRQPanelEnter));
    PublishHandler("IRQJumperClick", notify(&TMainForm::IRQJumperClick));
    PublishHandler("IRQBoxChange", notify(&TMainForm::IRQBoxChange));
    PublishHandler("BasePanelEnter", notify(&TMainForm::BasePanelEnter));
    PublishHandler("BaseEditChange", notify(&TMainForm::BaseEditChange));
    PublishHandler("FormCreate", notify(&TMainForm::FormCreate));
}

void TMainForm::FormCreate(TObject*)
{
    Application->OnIdle = [this](TObject* sender, bool& done) { SetSup->AppIdle(sender, done); };
}

void TMainForm::Exit2Click(TObject*) { Close(); }

void TMainForm::Howtousethisprogram1Click(TObject*)
{
    if (auto* help = SetSup->HelpForm()) help->SetVisible(true);
}

void TMainForm::TechnicalSupport1Click(TObject*)
{
    if (auto* tech = SetSup->TechForm()) tech->SetVisible(true);
}

// The two panels' arithmetic comes with the panels themselves.
void TMainForm::BaseEditKeyPress(TObject*, char&) {}
void TMainForm::IRQPanelEnter(TObject*) {}
void TMainForm::IRQJumperClick(TObject*) {}
void TMainForm::IRQBoxChange(TObject*) {}
void TMainForm::BasePanelEnter(TObject*) {}
void TMainForm::BaseEditChange(TObject*) {}
void TMainForm::BaseJumperClick(TObject*) {}
