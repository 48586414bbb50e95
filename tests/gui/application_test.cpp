#include <gtest/gtest.h>

#include <stdexcept>

#include "gui/application.h"
#include "gui/form.h"
#include "gui/graphiccontrol.h"
#include "support/uitest.h"

namespace {

class TFailingControl : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override { throw std::runtime_error("paint failed"); }
    void Click() override { throw std::runtime_error("click failed"); }
};

TEST(Application, ShowsErrorsThatEscapeHandlersAndGoesOn)
{
    std::vector<std::string> shown;
    Application->OnException = [&](TObject* sender, const std::exception& error) {
        EXPECT_EQ(sender, Application);
        shown.push_back(error.what());
    };
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* control = new TFailingControl(&form);
    control->SetParent(&form);
    control->SetBounds(0, 0, 50, 50);
    form.Show();
    uitest::ProcessEvents();
    uitest::Snapshot(form);
    uitest::ClickAt(form, 10, 10);
    Application->OnException = nullptr;
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown.front(), "paint failed");
    EXPECT_EQ(shown.back(), "click failed");
    EXPECT_TRUE(form.Showing()) << "the program goes on";
}

} // namespace
