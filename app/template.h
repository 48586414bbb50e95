#pragma once
#include <array>

#include "gui/combobox.h"
#include "gui/edit.h"
#include "gui/form.h"
#include "gui/label.h"
#include "gui/mainmenu.h"
#include "setupctrls/boardhighlight.h"
#include "setupctrls/boardimage.h"
#include "setupctrls/radiopanel.h"
#include "setupctrls/setupsupporter.h"
#include "setupctrls/twojumper.h"

// The main window of the QK-7720 settings program. It is built entirely
// from the board description; its fields are the described components and
// its handlers hold the board's own arithmetic.
class TMainForm : public TForm {
public:
    explicit TMainForm(TComponent* owner);
    std::string ClassName() const override { return "TMainForm"; }

    // Makes the description reader know this window's kind.
    static void Register();

    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* File1 = nullptr;
    TMenuItem* Help1 = nullptr;
    TMenuItem* Howtousethisprogram1 = nullptr;
    TMenuItem* Exit2 = nullptr;
    TMenuItem* TechnicalSupport1 = nullptr;
    TBoardImage* BoardImage1 = nullptr;
    TSetupSupporter* SetSup = nullptr;
    TRadioPanel* BasePanel = nullptr;
    TEdit* BaseEdit = nullptr;
    TRadioPanel* IRQPanel = nullptr;
    TLabel* Label32 = nullptr;
    TLabel* Label33 = nullptr;
    TLabel* Label34 = nullptr;
    TLabel* Label35 = nullptr;
    TLabel* Label36 = nullptr;
    TLabel* Label37 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TComboBox* IRQBox = nullptr;
    TBoardHighlight* BaseHighlight = nullptr;
    TBoardHighlight* IRQHighlight = nullptr;
    TTwoJumper* IRQ5 = nullptr;
    TTwoJumper* IRQ0 = nullptr;
    TTwoJumper* IRQ1 = nullptr;
    TTwoJumper* IRQ4 = nullptr;
    TTwoJumper* IRQ3 = nullptr;
    TTwoJumper* IRQ2 = nullptr;
    TTwoJumper* IRQ10 = nullptr;
    TTwoJumper* IRQ9 = nullptr;
    TTwoJumper* IRQ8 = nullptr;
    TTwoJumper* IRQ7 = nullptr;
    TTwoJumper* IRQ6 = nullptr;
    TRadioPanel* UpgradePanel = nullptr;
    TLabel* Label7 = nullptr;
    TBoardHighlight* WarningHighlight = nullptr;
    TBoardHighlight* PPI2Highlight = nullptr;
    TBoardHighlight* BoardHighlight2 = nullptr;
    TRadioPanel* PPIPanel1 = nullptr;
    TRadioPanel* PPIPanel2 = nullptr;
    TBoardHighlight* CTRHighlight = nullptr;
    TRadioPanel* CTRPanel = nullptr;
    TLabel* BaseFeedbackLabel = nullptr;

    void Howtousethisprogram1Click(TObject* sender);
    void Exit2Click(TObject* sender);
    void TechnicalSupport1Click(TObject* sender);
    void BaseEditKeyPress(TObject* sender, char& key);
    void IRQPanelEnter(TObject* sender);
    void IRQJumperClick(TObject* sender);
    void IRQBoxChange(TObject* sender);
    void BasePanelEnter(TObject* sender);
    void BaseEditChange(TObject* sender);
    void FormCreate(TObject* sender);
    void BaseJumperClick(TObject* sender);

private:
    void PublishFields();
    void PublishHandlers();
};

// The main window, filled in by the application's form creation.
extern TMainForm* MainForm;
// The jumper drawings and labels of the two panels, filled by the panels'
// set-up; they refer to controls the main window owns.
extern std::array<TTwoJumper*, 11> IRQJumpers;
extern std::array<TTwoJumper*, 5> BaseJumpers;
extern std::array<TLabel*, 5> BaseJumperLabels;
