// The user's first steps with Settings, on a real X display with a window
// manager: the main window comes up maximized and white, and each of the
// usual ways out of the program ends it cleanly.

#include "programdriver.h"
#include "waitfor.h"
#include "xserversession.h"

#include <gtest/gtest.h>

#include <QDir>

#include <functional>
#include <iostream>
#include <memory>
#include <string>

#ifndef QK_SETTINGS_PROGRAM
#error "QK_SETTINGS_PROGRAM must name the Settings executable under test"
#endif

namespace e2e {
namespace {

const QString mainWindowTitle = QStringLiteral("Setup");
constexpr auto exitTimeout = 10s;

std::string describe(QRect r)
{
    return QStringLiteral("%1x%2 at (%3, %4)").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y()).toStdString();
}

std::string describe(QColor c)
{
    return QStringLiteral("RGB(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue()).toStdString();
}

// Where the "File" menu title sits: the first entry of the menu bar, which
// runs along the top of the client area, right under the title bar.
QPoint fileMenuTitle(const ProgramDriver &program, WindowId window)
{
    return program.geometry(window).topLeft() + QPoint(16, 10);
}

// Each test gets its own X server, window manager and program, so no test
// sees what another left on the screen.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        session_ = std::make_unique<XServerSession>();
        program_ = std::make_unique<ProgramDriver>(*session_, QStringLiteral(QK_SETTINGS_PROGRAM));
        window_ = program_->waitForWindow(mainWindowTitle);
    }

    // A picture of the screen tells more about a failure than any message.
    void TearDown() override
    {
        if (!HasFailure() || !program_)
            return;
        const auto *test = ::testing::UnitTest::GetInstance()->current_test_info();
        const QString file = QDir::current().absoluteFilePath(
            QStringLiteral("e2e-failure-%1.%2.png")
                .arg(QString::fromUtf8(test->test_suite_name()), QString::fromUtf8(test->name()))
                .replace(u'/', u'_'));
        try {
            if (program_->screenshot().save(file))
                std::cerr << "screen at the failure saved to " << file.toStdString() << '\n';
        } catch (const std::exception &error) {
            std::cerr << "no screenshot of the failure: " << error.what() << '\n';
        }
    }

    std::unique_ptr<XServerSession> session_;
    std::unique_ptr<ProgramDriver> program_;
    WindowId window_ = 0;
};

TEST_F(MainWindowTest, OpensMaximizedToTheWholeScreen)
{
    const QStringList wanted{QStringLiteral("_NET_WM_STATE_MAXIMIZED_VERT"),
                             QStringLiteral("_NET_WM_STATE_MAXIMIZED_HORZ")};
    auto isMaximized = [&] {
        const QStringList state = program_->windowState(window_);
        return state.contains(wanted[0]) && state.contains(wanted[1]);
    };
    EXPECT_TRUE(waitFor(isMaximized, 10s))
        << "_NET_WM_STATE is [" << program_->windowState(window_).join(u", ").toStdString() << "]";

    // Maximized, openbox draws no side or bottom border, only the title bar
    // above; a few pixels of slack cover themes that draw a thin border.
    const QSize screen = session_->screenSize();
    constexpr int frameSlack = 4;
    QRect client;
    auto fillsScreen = [&] {
        client = program_->geometry(window_);
        return client.left() <= frameSlack && client.right() >= screen.width() - 1 - frameSlack
            && client.bottom() >= screen.height() - 1 - frameSlack;
    };
    EXPECT_TRUE(waitFor(fillsScreen, 10s))
        << "client area is " << describe(client) << " on a " << screen.width() << "x" << screen.height() << " screen";
}

TEST_F(MainWindowTest, ClientAreaIsWhiteAwayFromTheCentre)
{
    const QRect client = program_->geometry(window_);
    const int middle = client.center().y();
    const struct {
        const char *where;
        QPoint position;
    } probes[] = {
        {"near the left edge, halfway down", {client.left() + 8, middle}},
        {"near the right edge, halfway down", {client.right() - 8, middle}},
    };
    for (const auto &probe : probes) {
        SCOPED_TRACE(probe.where);
        QColor seen;
        // The first paint may come after the window is mapped.
        EXPECT_TRUE(waitFor([&] { return (seen = program_->pixel(probe.position)) == QColor(Qt::white); }, 10s))
            << "pixel at (" << probe.position.x() << ", " << probe.position.y() << ") is " << describe(seen);
    }
}

// Ways a user ends the program; each must end it with exit status 0.
struct ExitRoute {
    const char *name;
    std::function<void(ProgramDriver &, WindowId)> take;

    // Names the route in GoogleTest's messages.
    friend void PrintTo(const ExitRoute &route, std::ostream *out) { *out << route.name; }
};

class ExitRouteTest : public MainWindowTest, public ::testing::WithParamInterface<ExitRoute> {};

void fileExitByKeyboard(ProgramDriver &program, WindowId window)
{
    program.activate(window);
    program.pressKeys(QStringLiteral("alt+f"));
    program.waitForPopupMenu();
    program.pressKeys(QStringLiteral("e"));
}

void fileExitByMouse(ProgramDriver &program, WindowId window)
{
    program.activate(window);
    program.click(fileMenuTitle(program, window));
    const QRect menu = program.geometry(program.waitForPopupMenu());

    // "Exit" is the menu's first entry. Qt acts on the entry under the
    // pointer, and learns of the pointer only from motion events that come in
    // late, so wait until the entry shows its hover highlight before clicking.
    const QPoint exitEntry = menu.topLeft() + QPoint(menu.width() / 2, 11);
    const QPoint entryMargin(menu.left() + 4, exitEntry.y());
    const QColor unhovered = program.pixel(entryMargin);
    program.movePointer(exitEntry);
    ASSERT_TRUE(program.waitForPixelChange(entryMargin, unhovered))
        << "the first menu entry never showed a hover highlight";
    program.click(exitEntry);
}

// Alt+F4 is openbox's own binding, so the window manager, not the program,
// asks the window to close, as with the close button of the title bar.
void closeThroughWindowManager(ProgramDriver &program, WindowId window)
{
    program.activate(window);
    program.pressKeys(QStringLiteral("alt+F4"));
}

TEST_P(ExitRouteTest, EndsTheProgramWithStatusZero)
{
    GetParam().take(*program_, window_);
    if (HasFatalFailure())
        return;
    EXPECT_EQ(program_->waitForExit(exitTimeout), ProcessExit::exitedWith(0));
}

INSTANTIATE_TEST_SUITE_P(UserEndsTheProgram, ExitRouteTest,
                         ::testing::Values(ExitRoute{"FileExitByKeyboard", fileExitByKeyboard},
                                           ExitRoute{"FileExitByMouse", fileExitByMouse},
                                           ExitRoute{"CloseThroughWindowManager", closeThroughWindowManager}),
                         [](const auto &route) { return std::string(route.param.name); });

} // namespace
} // namespace e2e
