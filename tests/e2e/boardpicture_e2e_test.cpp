// The board picture on the real screen: drawn at 499 x 542 and centred on
// the main window's full size, frame and caption included.

#include "programdriver.h"
#include "waitfor.h"
#include "xserversession.h"

#include <gtest/gtest.h>

#include <memory>

#ifndef QK_SETTINGS_PROGRAM
#error "QK_SETTINGS_PROGRAM must name the Settings executable under test"
#endif

namespace e2e {
namespace {

constexpr int pictureWidth = 499;
constexpr int pictureHeight = 542;

bool isWhite(QRgb pixel) { return pixel == qRgb(255, 255, 255); }

// The first row, counting down from the client area's top along a column
// near its left edge, where the white window background begins: the menu
// bar lies above it.
int firstWhiteRow(const QImage &screen, const QRect &client)
{
    for (int y = client.top(); y <= client.bottom(); ++y)
        if (isWhite(screen.pixel(client.left() + 2, y)))
            return y;
    return -1;
}

// The smallest rectangle holding every non-white pixel of the client area
// below the menu bar.
QRect drawnArea(const QImage &screen, const QRect &client, int top)
{
    QRect area;
    for (int y = top; y <= client.bottom(); ++y)
        for (int x = client.left(); x <= client.right(); ++x)
            if (!isWhite(screen.pixel(x, y)))
                area |= QRect(x, y, 1, 1);
    return area;
}

TEST(BoardPictureOnScreen, IsDrawnCentredOnTheMaximizedWindow)
{
    XServerSession session;
    ProgramDriver program(session, QStringLiteral(QK_SETTINGS_PROGRAM));
    const WindowId window = program.waitForWindow(QStringLiteral("Setup"));
    QRect client, area;
    int menuBottom = -1;
    // Wait for the maximized window's first paints to settle at their place.
    const bool settled = waitFor(
        [&] {
            client = program.geometry(window);
            const QImage screen = program.screenshot();
            menuBottom = firstWhiteRow(screen, client);
            if (menuBottom < 0)
                return false;
            area = drawnArea(screen, client, menuBottom);
            return area.size() == QSize(pictureWidth, pictureHeight);
        },
        10s);
    ASSERT_TRUE(settled) << "drawn area " << area.width() << "x" << area.height();

    // Maximized, the window's outer rectangle starts at the screen's top-left
    // and its width is the client width: openbox adds only the title bar.
    const int outerWidth = client.width(), outerHeight = client.bottom() + 1;
    EXPECT_EQ(area.left() - client.left(), (outerWidth - pictureWidth) / 2);
    EXPECT_EQ(area.top() - menuBottom, (outerHeight - pictureHeight) / 2)
        << "centred on the outer height, not on the client area";

    // The card itself: mostly solder-mask green.
    const QImage picture = program.screenshot().copy(area);
    int green = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            green += qGreen(pixel) > qRed(pixel) + 30 && qGreen(pixel) > qBlue(pixel) + 30;
        }
    EXPECT_GT(green, picture.width() * picture.height() / 2);
}

} // namespace
} // namespace e2e
