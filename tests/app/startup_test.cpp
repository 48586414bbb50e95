#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <memory>

#include "app/template.h"
#include "gui/application.h"

namespace {

// Lets the message loop wait once, which is an idle moment.
void RunIdleMoment()
{
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
}

class TCountingSupporter : public TSetupSupporter {
public:
    using TSetupSupporter::TSetupSupporter;
    int Builds = 0;

protected:
    void BuildWindows() override { ++Builds; }
};

TEST(StartUp, TheHookBuildsOnceAtTheFirstIdleMomentAndRemovesItself)
{
    TCountingSupporter supporter(nullptr);
    Application->OnIdle = [&](TObject* sender, bool& done) { supporter.AppIdle(sender, done); };
    EXPECT_EQ(supporter.Builds, 0);
    RunIdleMoment();
    EXPECT_EQ(supporter.Builds, 1);
    EXPECT_FALSE(Application->OnIdle);
    RunIdleMoment();
    EXPECT_EQ(supporter.Builds, 1);
}

TEST(StartUp, TheMainWindowInstallsTheHookWhenCreated)
{
    Application->OnIdle = nullptr;
    const auto form = std::make_unique<TMainForm>(Application);
    EXPECT_TRUE(Application->OnIdle) << "FormCreate ran after the description was loaded";
    RunIdleMoment();
    EXPECT_FALSE(Application->OnIdle);
}

} // namespace
