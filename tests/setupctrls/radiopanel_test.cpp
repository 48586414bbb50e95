#include <gtest/gtest.h>

#include "gui/form.h"
#include "setupctrls/radiopanel.h"
#include "setupctrls/twojumper.h"
#include "support/uitest.h"

namespace {

// A shown form with a radio panel holding jumpers A, B and C side by side.
struct TRadioFixture {
    TForm form{nullptr};
    TRadioPanel* panel = new TRadioPanel(&form);
    TTwoJumper* a = Jumper(0);
    TTwoJumper* b = Jumper(1);
    TTwoJumper* c = Jumper(2);
    std::vector<TObject*> changes;

    TRadioFixture()
    {
        form.SetBounds(0, 0, 300, 200);
        panel->SetParent(&form);
        panel->SetVisible(true);
        panel->OnRadioChange = [this](TObject* sender) { changes.push_back(sender); };
        form.Show();
        uitest::ProcessEvents();
    }

    TTwoJumper* Jumper(int index)
    {
        auto* jumper = new TTwoJumper(&form);
        jumper->SetParent(panel);
        jumper->SetLeft(10 + 40 * index);
        return jumper;
    }
    void Click(TTwoJumper* jumper) { uitest::ClickAt(*panel, jumper->Left() + 5, jumper->Top() + 5); }
    std::vector<bool> States() const { return {a->Closed(), b->Closed(), c->Closed()}; }
};

TEST(RadioPanel, StartsHiddenWithItsDefaultsAndNoCaption)
{
    TForm form(nullptr);
    auto* panel = new TRadioPanel(&form);
    panel->SetName("NamedInCode");
    panel->SetCaption("ignored");
    EXPECT_TRUE(panel->Caption().empty());
    EXPECT_FALSE(panel->Visible());
    EXPECT_FALSE(panel->RadioEnabled());
    EXPECT_EQ(panel->MemoHeight(), 58);
    EXPECT_EQ(panel->Width(), 194);
    EXPECT_EQ(panel->Height(), 100);
    EXPECT_EQ(panel->BevelOuter(), bvNone);
    EXPECT_EQ(panel->Color(), clBtnFace);
    EXPECT_EQ(panel->Anchors(), akLeft | akTop);
    EXPECT_EQ(panel->FinalAnchors(), akLeft | akTop);
    EXPECT_FALSE(panel->Placed());
    EXPECT_EQ(panel->Lines().Count(), 0);
}

TEST(RadioPanel, FinalAnchorsTakeEffectOnlyOncePlaced)
{
    TForm form(nullptr);
    auto* panel = new TRadioPanel(&form);
    const TAnchors all = akLeft | akTop | akRight | akBottom;
    panel->SetFinalAnchors(all);
    EXPECT_EQ(panel->Anchors(), akLeft | akTop);
    panel->SetPlaced(true);
    panel->SetFinalAnchors(akLeft | akRight);
    EXPECT_EQ(panel->Anchors(), akLeft | akRight);
}

struct TRadioCase {
    const char* what;
    bool radioEnabled;
    std::vector<bool> before;  // A, B, C
    char clicked;
    std::vector<bool> after;
    int changes;
};

const TRadioCase kRadio[] = {
    {"radio off: jumpers toggle on their own", false, {true, false, false}, 'b', {true, true, false}, 0},
    {"all open, one clicked: nothing else to change", true, {false, false, false}, 'b', {false, true, false}, 0},
    {"A closed, B clicked: B closes, A opens", true, {true, false, false}, 'b', {false, true, false}, 1},
    {"the closed A clicked again stays closed", true, {true, false, false}, 'a', {true, false, false}, 1},
};

TEST(RadioPanel, JumperClicksActAsARadioGroupWhenEnabled)
{
    for (const auto& c : kRadio) {
        SCOPED_TRACE(c.what);
        TRadioFixture f;
        f.panel->SetRadioEnabled(c.radioEnabled);
        f.a->SetClosed(c.before[0]);
        f.b->SetClosed(c.before[1]);
        f.c->SetClosed(c.before[2]);
        auto* clicked = c.clicked == 'a' ? f.a : f.b;
        std::vector<bool> seenByOnClick;
        clicked->OnClick = [&](TObject*) { seenByOnClick = f.States(); };
        f.Click(clicked);
        EXPECT_EQ(f.States(), c.after);
        EXPECT_EQ(seenByOnClick, c.after) << "OnClick comes after the radio step";
        ASSERT_EQ(static_cast<int>(f.changes.size()), c.changes);
        if (c.changes) EXPECT_EQ(f.changes[0], clicked) << "the sender is the clicked jumper";
    }
}

TEST(RadioPanel, JumpersOfOtherKindsOrInNestedContainersStayOutOfTheGroup)
{
    TRadioFixture f;
    f.panel->SetRadioEnabled(true);
    auto* inner = new TRadioPanel(&f.form);
    inner->SetParent(f.panel);
    inner->SetBounds(150, 0, 50, 50);
    inner->SetVisible(true);
    auto* nested = new TTwoJumper(&f.form);
    nested->SetParent(inner);
    nested->SetClosed(true);
    f.a->SetClosed(true);
    f.Click(f.b);
    EXPECT_TRUE(nested->Closed());
    EXPECT_FALSE(f.a->Closed());
    f.panel->SelectJumper(nullptr);
    EXPECT_EQ(f.States(), (std::vector<bool>{false, false, false}));
}

TEST(RadioPanel, SelectJumperWithoutJumpersChangesNothing)
{
    TForm form(nullptr);
    auto* panel = new TRadioPanel(&form);
    int changes = 0;
    panel->OnRadioChange = [&](TObject*) { ++changes; };
    panel->SelectJumper(nullptr);
    EXPECT_EQ(changes, 0);
}

} // namespace
