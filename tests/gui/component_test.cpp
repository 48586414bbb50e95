#include <gtest/gtest.h>

#include "gui/form.h"
#include "gui/label.h"
#include "support/uitest.h"

namespace {

TEST(Component, OwnerFreesWhatItOwnsAndFreedComponentsLeaveTheList)
{
    auto* owner = new TComponent(nullptr);
    auto* a = new TComponent(owner);
    a->SetName("Alpha");
    auto* b = new TComponent(owner);
    b->SetName("Beta");
    EXPECT_EQ(owner->FindComponent("alpha"), a) << "names ignore case";
    EXPECT_EQ(owner->FindComponent("Gamma"), nullptr);
    delete a;
    EXPECT_EQ(owner->ComponentCount(), 1);
    EXPECT_EQ(owner->Components(0), b);
    delete owner;  // frees b as well; sanitizers see any double free
}

TEST(Control, ParentIsSeparateFromOwner)
{
    TForm owner(nullptr), host(nullptr);
    auto* label = new TLabel(&owner);
    label->SetParent(&host);
    EXPECT_EQ(label->Owner(), &owner);
    EXPECT_EQ(host.ControlCount(), 1);
    EXPECT_EQ(owner.ControlCount(), 0);
    delete label;
    EXPECT_EQ(host.ControlCount(), 0);
}

TEST(Control, AnchoredEdgesKeepTheirDistanceToTheParent)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    form.Show();
    uitest::ProcessEvents();
    EXPECT_EQ(form.Width(), 300) << "the outer size, frame included";
    const int clientWidth = form.ClientWidth(), clientHeight = form.ClientHeight();
    auto* stretched = new TLabel(&form);
    stretched->SetAutoSize(false);
    stretched->SetParent(&form);
    stretched->SetBounds(10, 10, 50, 20);
    stretched->SetAnchors(akLeft | akTop | akRight | akBottom);
    auto* follower = new TLabel(&form);
    follower->SetAutoSize(false);
    follower->SetParent(&form);
    follower->SetBounds(100, 50, 30, 10);
    follower->SetAnchors(akRight | akBottom);
    form.SetBounds(0, 0, 400, 260);
    const int dw = form.ClientWidth() - clientWidth, dh = form.ClientHeight() - clientHeight;
    EXPECT_EQ(dw, 100);
    EXPECT_EQ(stretched->BoundsRect(), Bounds(10, 10, 50 + dw, 20 + dh));
    EXPECT_EQ(follower->BoundsRect(), Bounds(100 + dw, 50 + dh, 30, 10));
}

} // namespace
