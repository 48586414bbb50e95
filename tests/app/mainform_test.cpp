#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/template.h"
#include "gui/application.h"

namespace {

std::unique_ptr<TMainForm> LoadMainForm() { return std::make_unique<TMainForm>(Application); }

std::string ParentName(TComponent* component)
{
    if (auto* item = dynamic_cast<TMenuItem*>(component)) {
        auto* parent = item->Parent();
        if (parent && !parent->Parent()) {  // the root of a menu: name the menu
            for (int i = 0; i < component->Owner()->ComponentCount(); ++i)
                if (auto* menu = dynamic_cast<TMainMenu*>(component->Owner()->Components(i)); menu && menu->Items() == parent)
                    return menu->Name();
        }
        return parent ? parent->Name() : "";
    }
    if (auto* control = dynamic_cast<TControl*>(component)) return control->Parent() ? control->Parent()->Name() : "";
    return component->Owner()->Name();
}

struct TRecordCase {
    const char* name;
    const char* kind;
    const char* parent;
    TRect bounds;  // empty where the record has none
};

const TRecordCase kRecords[] = {
    {"BoardImage1", "TBoardImage", "MainForm", Bounds(238, 82, 499, 542)},
    {"BaseHighlight", "TBoardHighlight", "BoardImage1", Bounds(314, 261, 31, 84)},
    {"IRQHighlight", "TBoardHighlight", "BoardImage1", Bounds(393, 186, 31, 152)},
    {"WarningHighlight", "TBoardHighlight", "BoardImage1", Bounds(284, 220, 19, 111)},
    {"PPI2Highlight", "TBoardHighlight", "BoardImage1", Bounds(75, 4, 323, 71)},
    {"BoardHighlight2", "TBoardHighlight", "BoardImage1", Bounds(62, 470, 337, 71)},
    {"CTRHighlight", "TBoardHighlight", "BoardImage1", Bounds(10, 359, 33, 70)},
    {"BasePanel", "TRadioPanel", "MainForm", Bounds(272, 112, 177, 153)},
    {"BaseFeedbackLabel", "TLabel", "BasePanel", Bounds(8, 80, 73, 17)},
    {"BaseEdit", "TEdit", "BasePanel", Bounds(24, 52, 41, 21)},
    {"IRQPanel", "TRadioPanel", "MainForm", Bounds(96, 195, 282, 230)},
    {"Label32", "TLabel", "IRQPanel", Bounds(190, 94, 6, 13)},
    {"Label33", "TLabel", "IRQPanel", Bounds(190, 77, 6, 13)},
    {"Label34", "TLabel", "IRQPanel", Bounds(190, 60, 6, 13)},
    {"Label35", "TLabel", "IRQPanel", Bounds(190, 43, 6, 13)},
    {"Label36", "TLabel", "IRQPanel", Bounds(190, 26, 6, 13)},
    {"Label37", "TLabel", "IRQPanel", Bounds(190, 195, 6, 13)},
    {"Label1", "TLabel", "IRQPanel", Bounds(186, 111, 12, 13)},
    {"Label2", "TLabel", "IRQPanel", Bounds(186, 128, 12, 13)},
    {"Label3", "TLabel", "IRQPanel", Bounds(186, 145, 12, 13)},
    {"Label4", "TLabel", "IRQPanel", Bounds(186, 162, 12, 13)},
    {"Label5", "TLabel", "IRQPanel", Bounds(186, 179, 12, 13)},
    {"IRQ5", "TTwoJumper", "IRQPanel", Bounds(208, 192, 34, 17)},
    {"IRQ0", "TTwoJumper", "IRQPanel", Bounds(208, 23, 34, 18)},
    {"IRQ1", "TTwoJumper", "IRQPanel", Bounds(208, 40, 34, 18)},
    {"IRQ4", "TTwoJumper", "IRQPanel", Bounds(208, 91, 34, 18)},
    {"IRQ3", "TTwoJumper", "IRQPanel", Bounds(208, 74, 34, 18)},
    {"IRQ2", "TTwoJumper", "IRQPanel", Bounds(208, 57, 34, 18)},
    {"IRQ10", "TTwoJumper", "IRQPanel", Bounds(208, 108, 34, 18)},
    {"IRQ9", "TTwoJumper", "IRQPanel", Bounds(208, 125, 34, 18)},
    {"IRQ8", "TTwoJumper", "IRQPanel", Bounds(208, 142, 34, 18)},
    {"IRQ7", "TTwoJumper", "IRQPanel", Bounds(208, 159, 34, 17)},
    {"IRQ6", "TTwoJumper", "IRQPanel", Bounds(208, 175, 34, 18)},
    {"IRQBox", "TComboBox", "IRQPanel", Bounds(32, 93, 105, 21)},
    {"UpgradePanel", "TRadioPanel", "MainForm", Bounds(248, 24, 169, 73)},
    {"Label7", "TLabel", "UpgradePanel", Bounds(56, 24, 72, 20)},
    {"PPIPanel1", "TRadioPanel", "MainForm", Bounds(752, 480, 194, 9)},
    {"PPIPanel2", "TRadioPanel", "MainForm", Bounds(656, 24, 194, 9)},
    {"CTRPanel", "TRadioPanel", "MainForm", Bounds(56, 120, 194, 9)},
    {"MainMenu1", "TMainMenu", "MainForm", {}},
    {"File1", "TMenuItem", "MainMenu1", {}},
    {"Exit2", "TMenuItem", "File1", {}},
    {"Help1", "TMenuItem", "MainMenu1", {}},
    {"Howtousethisprogram1", "TMenuItem", "Help1", {}},
    {"TechnicalSupport1", "TMenuItem", "Help1", {}},
    {"SetSup", "TSetupSupporter", "MainForm", {}},
};

TEST(MainForm, CreatesEveryRecordInOrderWithItsKindParentAndBounds)
{
    const auto form = LoadMainForm();
    ASSERT_EQ(form->ComponentCount(), static_cast<int>(std::size(kRecords)));
    for (int i = 0; i < form->ComponentCount(); ++i) {
        const auto& c = kRecords[i];
        SCOPED_TRACE(c.name);
        auto* component = form->Components(i);
        EXPECT_EQ(component->Name(), c.name) << "records are created depth first, in order";
        EXPECT_EQ(component->ClassName(), c.kind);
        EXPECT_EQ(ParentName(component), c.parent);
        EXPECT_FALSE(component->Loading());
        if (auto* control = dynamic_cast<TControl*>(component); control && !c.bounds.IsEmpty())
            EXPECT_EQ(control->BoundsRect(), c.bounds);
    }
}

std::vector<std::string> ChildNames(TWinControl& parent)
{
    std::vector<std::string> names;
    for (int i = 0; i < parent.ControlCount(); ++i) names.push_back(parent.Controls(i)->Name());
    return names;
}

TEST(MainForm, KeepsTheChildOrderOfTheDescription)
{
    const auto f = LoadMainForm();
    EXPECT_EQ(ChildNames(*f),
              (std::vector<std::string>{"BoardImage1", "BasePanel", "IRQPanel", "UpgradePanel", "PPIPanel1", "PPIPanel2", "CTRPanel"}));
    EXPECT_EQ(ChildNames(*f->BoardImage1), (std::vector<std::string>{"BaseHighlight", "IRQHighlight", "WarningHighlight",
                                                                      "PPI2Highlight", "BoardHighlight2", "CTRHighlight"}));
    EXPECT_EQ(ChildNames(*f->BasePanel), (std::vector<std::string>{"BaseFeedbackLabel", "BaseEdit"}));
    EXPECT_EQ(ChildNames(*f->IRQPanel).back(), "IRQBox");
    EXPECT_EQ(f->File1->Count(), 1) << "File holds Exit alone";
    EXPECT_EQ(f->MainMenu1->Items()->Count(), 2);
}

// Each row checks the values of one record that matter.
struct TValueCase {
    const char* what;
    std::function<void(TMainForm&)> check;
};

void ExpectHighlight(TBoardHighlight* circle, THighlightType type, TRadioPanel* panel, const char* title)
{
    EXPECT_EQ(circle->HighlightType(), type);
    EXPECT_EQ(circle->RadioPanel(), panel);
    EXPECT_EQ(circle->Title(), title);
    EXPECT_TRUE(circle->CreatePopup());
}

void ExpectPanel(TRadioPanel* panel, int tabOrder, std::vector<std::string> lines, bool hasEnter)
{
    EXPECT_FALSE(panel->Visible());
    EXPECT_EQ(panel->TabOrder(), tabOrder);
    EXPECT_EQ(panel->BevelOuter(), bvNone);
    EXPECT_EQ(panel->Lines().Lines(), lines);
    EXPECT_EQ(panel->MemoHeight(), 58);
    EXPECT_FALSE(panel->RadioEnabled());
    EXPECT_EQ(panel->FinalAnchors(), akLeft | akTop);
    EXPECT_EQ(panel->Color(), clBtnFace);
    EXPECT_TRUE(panel->ParentFont());
    EXPECT_EQ(static_cast<bool>(panel->OnEnter), hasEnter);
    EXPECT_TRUE(panel->Caption().empty());
}

const TValueCase kValues[] = {
    {"main window", [](TMainForm& f) {
         EXPECT_EQ(f.Name(), "MainForm");
         EXPECT_EQ(f.Caption(), "Setup");
         EXPECT_EQ(f.Color(), clWhite);
         EXPECT_EQ(f.WindowState(), wsMaximized);
         EXPECT_FALSE(f.VertScrollBarVisible());
         EXPECT_EQ(f.Align(), alClient);
         EXPECT_EQ(f.Menu(), f.MainMenu1);
         EXPECT_FALSE(f.OldCreateOrder());
         EXPECT_EQ(f.PixelsPerInch(), 96);
         EXPECT_EQ(f.TextHeight(), 13);
         EXPECT_EQ(f.Font().Name(), "MS Sans Serif");
         EXPECT_EQ(f.Font().Height(), -11);
         EXPECT_EQ(f.Font().Color(), clWindowText);
         EXPECT_EQ(f.Font().Style(), 0u);
         EXPECT_EQ(f.Font().Charset(), DEFAULT_CHARSET);
         EXPECT_TRUE(f.OnCreate);
     }},
    {"board image", [](TMainForm& f) {
         EXPECT_EQ(f.BoardImage1->First(), f.BaseHighlight) << "resolved although created later";
         EXPECT_EQ(f.BoardImage1->Menu(), f.MainMenu1);
         EXPECT_FALSE(f.BoardImage1->AutoSize());
         EXPECT_TRUE(f.BoardImage1->Stretch());
         EXPECT_TRUE(f.BoardImage1->Scale());
         EXPECT_TRUE(f.BoardImage1->CenterOnForm());
         EXPECT_FALSE(f.BoardImage1->Center());
         EXPECT_FALSE(f.BoardImage1->Transparent());
         EXPECT_EQ(f.BoardImage1->Picture().Width(), 600);
         EXPECT_EQ(f.BoardImage1->Picture().Height(), 652);
         EXPECT_EQ(f.BoardImage1->Picture().Graphic()->ClassName(), "TJPEGImage");
     }},
    {"circles", [](TMainForm& f) {
         ExpectHighlight(f.BaseHighlight, htSettings, f.BasePanel, "&Base Address");
         ExpectHighlight(f.IRQHighlight, htSettings, f.IRQPanel, "&IRQ Level");
         ExpectHighlight(f.WarningHighlight, htSettings, f.UpgradePanel, "&Upgrade Connector");
         ExpectHighlight(f.PPI2Highlight, htOptions, f.PPIPanel2, "PPI 1 Connector");
         ExpectHighlight(f.BoardHighlight2, htOptions, f.PPIPanel1, "PPI &0 Connector");
         ExpectHighlight(f.CTRHighlight, htOptions, f.CTRPanel, "Counter/Timer Connector");
         EXPECT_EQ(f.BoardHighlight2->Constraints().MaxWidth, 400);
         EXPECT_EQ(f.BoardHighlight2->Constraints().MaxHeight, 400);
     }},
    {"panels", [](TMainForm& f) {
         ExpectPanel(f.BasePanel, 1,
                     {"Enter the base address(in hex, from 00 to 3E0) on the left, then set the card's address jumpers to "
                      "match the ones on the right."},
                     true);
         ExpectPanel(f.IRQPanel, 2,
                     {"Set these jumpers to specify what IRQ the card generates interrupts on. If set to \"None\", no "
                      "interrupts will be generated."},
                     true);
         ExpectPanel(f.UpgradePanel, 3,
                     {"These pins are reserved for factory upgrades.", "Connecting anything to them could destroy the boards."},
                     false);
         ExpectPanel(f.PPIPanel1, 4, {"These pins are the connector for the first PPI."}, false);
         ExpectPanel(f.PPIPanel2, 5, {"These pins are the connector for the second PPI."}, false);
         ExpectPanel(f.CTRPanel, 6, {"These pins are the connector for the 82C54 counter/timer."}, false);
     }},
    {"base-address panel", [](TMainForm& f) {
         EXPECT_EQ(f.BaseEdit->Text(), "300");
         EXPECT_EQ(f.BaseEdit->TabOrder(), 0);
         EXPECT_TRUE(f.BaseEdit->OnChange);
         EXPECT_TRUE(f.BaseEdit->OnKeyPress);
         EXPECT_EQ(f.BaseFeedbackLabel->Caption(), "");
         EXPECT_EQ(f.BaseFeedbackLabel->Alignment(), taCenter);
         EXPECT_FALSE(f.BaseFeedbackLabel->AutoSize());
     }},
    {"IRQ panel", [](TMainForm& f) {
         const std::pair<TLabel*, const char*> labels[] = {{f.Label32, "7"}, {f.Label33, "6"}, {f.Label34, "5"},
                                                           {f.Label35, "4"}, {f.Label36, "3"}, {f.Label37, "9"},
                                                           {f.Label1, "15"}, {f.Label2, "14"}, {f.Label3, "12"},
                                                           {f.Label4, "11"}, {f.Label5, "10"}};
         for (const auto& [label, caption] : labels) EXPECT_EQ(label->Caption(), caption);
         for (auto* jumper : {f.IRQ0, f.IRQ1, f.IRQ2, f.IRQ3, f.IRQ4, f.IRQ5, f.IRQ6, f.IRQ7, f.IRQ8, f.IRQ9, f.IRQ10}) {
             EXPECT_FALSE(jumper->Closed());
             EXPECT_EQ(jumper->Orientation(), otUp);
             EXPECT_EQ(jumper->Tag(), 0);
             EXPECT_EQ(jumper->BorderStyle(), bsSingle);
             EXPECT_TRUE(jumper->OnClick);
         }
         const std::vector<std::string> items{"None", "IRQ3", "IRQ4", "IRQ5", "IRQ6", "IRQ7",
                                              "IRQ9", "IRQ10", "IRQ11", "IRQ12", "IRQ14", "IRQ15"};
         EXPECT_EQ(f.IRQBox->Items().Lines(), items);
         EXPECT_EQ(f.IRQBox->ItemIndex(), -1);
         EXPECT_EQ(f.IRQBox->Style(), csDropDown);
         EXPECT_EQ(f.IRQBox->ItemHeight(), 13);
         EXPECT_EQ(f.IRQBox->TabOrder(), 0);
         EXPECT_TRUE(f.IRQBox->OnChange);
     }},
    {"warning label", [](TMainForm& f) {
         EXPECT_EQ(f.Label7->Caption(), "Warning!");
         EXPECT_FALSE(f.Label7->ParentFont());
         EXPECT_EQ(f.Label7->Font().Name(), "MS Sans Serif");
         EXPECT_EQ(f.Label7->Font().Height(), -16);
         EXPECT_EQ(f.Label7->Font().Style(), static_cast<TFontStyles>(fsBold));
         EXPECT_EQ(f.Label7->Font().Color(), clRed);
     }},
    {"menu", [](TMainForm& f) {
         EXPECT_EQ(f.File1->Caption(), "&File");
         EXPECT_EQ(f.Exit2->Caption(), "&Exit");
         EXPECT_EQ(f.Help1->Caption(), "&Help");
         EXPECT_EQ(f.Howtousethisprogram1->Caption(), "H&ow to use this program");
         EXPECT_EQ(f.TechnicalSupport1->Caption(), "&Technical Support");
         EXPECT_FALSE(f.File1->OnClick);
         EXPECT_TRUE(f.Exit2->OnClick);
         EXPECT_TRUE(f.Howtousethisprogram1->OnClick);
         EXPECT_TRUE(f.TechnicalSupport1->OnClick);
     }},
    {"supporter", [](TMainForm& f) {
         EXPECT_EQ(f.SetSup->CompanyName(), "VELTRIX");
         EXPECT_EQ(f.SetSup->CardNameA(), "QK-7720");
         EXPECT_EQ(f.SetSup->CardNameB(), "QK7720");
         EXPECT_FALSE(f.SetSup->UseCardNameB());
         EXPECT_FALSE(f.SetSup->MultiPort());
         EXPECT_TRUE(f.SetSup->bSeries());
         EXPECT_NE(f.SetSup->CallHow().find("(555) 014-7720"), std::string::npos);
     }},
};

TEST(MainForm, GivesEveryRecordItsValues)
{
    const auto form = LoadMainForm();
    for (const auto& c : kValues) {
        SCOPED_TRACE(c.what);
        c.check(*form);
    }
}

TEST(MainForm, PanelTablesStartEmpty)
{
    const auto form = LoadMainForm();
    for (auto* jumper : IRQJumpers) EXPECT_EQ(jumper, nullptr);
    for (auto* jumper : BaseJumpers) EXPECT_EQ(jumper, nullptr);
    for (auto* label : BaseJumperLabels) EXPECT_EQ(label, nullptr);
}

} // namespace
