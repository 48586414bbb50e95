#include <gtest/gtest.h>

#include "gui/componentkind.h"
#include "gui/descriptionerror.h"
#include "gui/edit.h"
#include "gui/form.h"
#include "gui/label.h"
#include "gui/mainmenu.h"

namespace {

// A form with one field and two handlers, as a program's window has.
class TLoaderTestForm : public TForm {
public:
    explicit TLoaderTestForm(TComponent* owner) : TForm(owner)
    {
        static const bool registered = (TComponentKind::Register("TLoaderTestForm", "TForm"), true);
        (void)registered;
        PublishField("Edit1", Edit1);
        PublishHandler("EditChange", TNotifyEvent([this](TObject*) { ++Changes; }));
        PublishHandler("EditKey", TKeyPressEvent([](TObject*, char& key) { key = 'X'; }));
        PublishHandler("FormCreate", TNotifyEvent([this](TObject*) { ++Creates; }));
    }
    std::string ClassName() const override { return "TLoaderTestForm"; }

    TEdit* Edit1 = nullptr;
    int Changes = 0;
    int Creates = 0;
};

const std::string kGood =
    "object Form1: TLoaderTestForm\n"
    "  Caption = 'Test'\n"
    "  OnCreate = FormCreate\n"
    "  Menu = Menu1\n"
    "  object Edit1: TEdit\n"
    "    Text = 'abc'\n"
    "    OnChange = EditChange\n"
    "    OnKeyPress = EditKey\n"
    "  end\n"
    "  object Menu1: TMainMenu\n"
    "    object Item1: TMenuItem\n"
    "      Caption = '&File'\n"
    "    end\n"
    "  end\n"
    "end\n";

TEST(DescriptionLoader, BuildsBindsAndRunsTheCreationHandlerOnce)
{
    TLoaderTestForm form(nullptr);
    form.LoadFromDescription(kGood);
    ASSERT_NE(form.Edit1, nullptr);
    EXPECT_EQ(form.Edit1->Text(), "abc");
    EXPECT_EQ(form.Edit1->Parent(), &form);
    EXPECT_EQ(form.Edit1->Owner(), &form);
    EXPECT_FALSE(form.Edit1->Loading());
    EXPECT_EQ(form.Creates, 1);
    EXPECT_EQ(form.Changes, 0) << "events are bound after the settings";
    form.Edit1->SetText("new");
    EXPECT_EQ(form.Changes, 1);
    ASSERT_NE(form.Menu(), nullptr);
    EXPECT_EQ(form.Menu()->Items()->Items(0)->Caption(), "&File");
}

struct TBadCase {
    const char* what;
    std::string from, to;  // replaced in the good description
    const char* message;
};

const TBadCase kBad[] = {
    {"unknown kind", "Edit1: TEdit", "Edit1: TNoSuchEdit",
     "line 5, component 'Edit1': unknown kind 'TNoSuchEdit'"},
    {"unknown property", "Text = 'abc'", "Txet = 'abc'", "line 6, component 'Edit1', property 'Txet': unknown property"},
    {"wrong type", "Text = 'abc'", "Text = 12", "line 6, component 'Edit1', property 'Text': expected a string, found an integer"},
    {"unknown enum value", "Caption = 'Test'", "WindowState = wsHuge",
     "line 2, component 'Form1', property 'WindowState': unknown value 'wsHuge'"},
    {"unresolved reference", "Menu = Menu1", "Menu = Menu9",
     "line 4, component 'Form1', property 'Menu': no component named 'Menu9'"},
    {"reference to the wrong kind", "Menu = Menu1", "Menu = Edit1",
     "line 4, component 'Form1', property 'Menu': 'Edit1' is a TEdit"},
    {"unknown handler", "OnChange = EditChange", "OnChange = EditChanged",
     "line 7, component 'Edit1', property 'OnChange': no handler named 'EditChanged'"},
    {"handler of another signature", "OnChange = EditChange", "OnChange = EditKey",
     "line 7, component 'Edit1', property 'OnChange': handler 'EditKey' does not take"},
    {"bad hex", "Text = 'abc'", "Text = {0G}", "line 6, component 'Edit1', property 'Text': bad hex digit 'G'"},
    {"duplicate name", "Item1: TMenuItem", "Edit1: TMenuItem", "line 11, component 'Edit1': the name is already in use"},
    {"menu item outside a menu", "Menu1: TMainMenu", "Menu1: TLabel", "component 'Item1': a menu item must stand inside a menu"},
    {"root of another kind", "Form1: TLoaderTestForm", "Form1: TForm", "line 1, component 'Form1': the description is of a TForm"},
    {"missing field", "Edit1: TEdit", "Edit2: TEdit", "component 'Edit1': the window needs this component"},
    {"integer out of range", "Caption = 'Test'", "Left = 9999999999", "property 'Left': the value 9999999999 is out of range"},
};

TEST(DescriptionLoader, ReportsBadDescriptionsAndLeavesNothingBehind)
{
    for (const auto& c : kBad) {
        SCOPED_TRACE(c.what);
        std::string text = kGood;
        const auto at = text.find(c.from);
        ASSERT_NE(at, std::string::npos);
        text.replace(at, c.from.size(), c.to);
        TLoaderTestForm form(nullptr);
        try {
            form.LoadFromDescription(text);
            ADD_FAILURE() << "no error";
        } catch (const TDescriptionError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
        EXPECT_EQ(form.ComponentCount(), 0);
        EXPECT_EQ(form.ControlCount(), 0);
        EXPECT_EQ(form.Edit1, nullptr);
        EXPECT_EQ(form.Creates, 0);
    }
}

TEST(DescriptionLoader, ResolvesReferencesToComponentsCreatedLater)
{
    TLoaderTestForm form(nullptr);
    form.LoadFromDescription(kGood);  // Menu names Menu1, which comes after the setting
    EXPECT_EQ(form.Menu(), form.FindComponent("Menu1"));
}

} // namespace
