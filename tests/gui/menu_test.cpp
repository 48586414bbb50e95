#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "gui/form.h"
#include "gui/mainmenu.h"
#include "support/uitest.h"

namespace {

TMenuItem* Item(TComponent* owner, const std::string& caption)
{
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    return item;
}

QStringList BarTitles(TForm& form)
{
    QStringList titles;
    for (auto* action : form.Handle()->findChild<QMenuBar*>()->actions()) titles << action->text();
    return titles;
}

// A form whose menu bar shows "&File" (with "&Exit") and "&Help".
struct TMenuFixture {
    TForm form{nullptr};
    TMainMenu* menu = new TMainMenu(&form);
    TMenuItem* file = Item(&form, "&File");
    TMenuItem* exit = Item(&form, "&Exit");
    TMenuItem* help = Item(&form, "&Help");

    TMenuFixture()
    {
        menu->Items()->Add(file);
        file->Add(exit);
        menu->Items()->Add(help);
        form.SetMenu(menu);
        form.Show();
    }
};

TEST(MainMenu, ShowsItsItemsInTheBarAndInsertsAtAnIndex)
{
    TMenuFixture f;
    EXPECT_EQ(BarTitles(f.form), (QStringList{"&File", "&Help"}));
    f.menu->Items()->Insert(f.menu->Items()->IndexOf(f.help), Item(&f.form, "&Settings"));
    EXPECT_EQ(BarTitles(f.form), (QStringList{"&File", "&Settings", "&Help"}));
    EXPECT_EQ(f.menu->Items()->Items(1)->Caption(), "&Settings");
}

TEST(MainMenu, CheckMarksAndCommandsReachTheBar)
{
    TMenuFixture f;
    int clicks = 0;
    f.exit->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, f.exit);
        ++clicks;
    };
    auto* fileMenu = f.form.Handle()->findChild<QMenuBar*>()->actions().at(0)->menu();
    ASSERT_NE(fileMenu, nullptr);
    ASSERT_EQ(fileMenu->actions().size(), 1);
    auto* exitAction = fileMenu->actions().at(0);
    f.exit->SetChecked(true);
    EXPECT_TRUE(exitAction->isChecked());
    f.exit->SetChecked(false);
    EXPECT_FALSE(exitAction->isChecked());
    exitAction->trigger();
    EXPECT_EQ(clicks, 1);
}

TEST(MainMenu, ACommandThatGainsEntriesBecomesASubmenu)
{
    TMenuFixture f;
    f.help->Add(Item(&f.form, "&Technical Support"));
    auto* helpAction = f.form.Handle()->findChild<QMenuBar*>()->actions().at(1);
    ASSERT_NE(helpAction->menu(), nullptr);
    EXPECT_EQ(helpAction->menu()->actions().at(0)->text(), "&Technical Support");
    uitest::ProcessEvents();  // replaced actions go once Qt is done with them
}

} // namespace
