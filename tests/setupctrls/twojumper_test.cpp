#include <gtest/gtest.h>

#include <QImage>

#include "gui/form.h"
#include "setupctrls/radiopanel.h"
#include "setupctrls/twojumper.h"
#include "support/uitest.h"

namespace {

const QRgb kPanel = qRgb(255, 255, 255);  // the panel's colour in these tests
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGray = qRgb(128, 128, 128);
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kMaroon = qRgb(128, 0, 0);

// A shown form holding a white radio panel at (0, 0) with one jumper at
// (10, 10) on it.
struct TJumperFixture {
    TForm form{nullptr};
    TRadioPanel* panel = new TRadioPanel(&form);
    TTwoJumper* jumper = new TTwoJumper(&form);

    explicit TJumperFixture(int width = 34, int height = 18, bool show = true)
    {
        form.SetBounds(0, 0, 200, 200);
        panel->SetParent(&form);
        panel->SetBounds(0, 0, 150, 150);
        panel->SetColor(clWhite);
        panel->SetVisible(true);
        jumper->SetParent(panel);
        jumper->SetBounds(10, 10, width, height);
        if (!show) return;
        form.Show();
        uitest::ProcessEvents();
    }

    // The jumper as the screen shows it, painted now.
    QImage Shot()
    {
        uitest::ProcessEvents();
        return uitest::Snapshot(*panel).copy(jumper->Left(), jumper->Top(), jumper->Width(), jumper->Height());
    }
};

QRect BoxOf(const QImage& image, QRgb colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) box |= QRect(x, y, 1, 1);
    return box;
}

// Right and bottom edges exclusive, as the drawing describes shapes.
QRect Box(int left, int top, int right, int bottom) { return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)); }

struct TGeometryCase {
    int width, height;
    bool closed;
    QRect leftPin, rightPin, outline;
    QRgb fill;
    int corner;  // pixels of background along the top-left corner's top row
};

const TGeometryCase kGeometry[] = {
    {34, 18, false, Box(8, 6, 14, 12), Box(20, 6, 26, 12), Box(1, 1, 33, 17), kGray, 3},    // 9 x 9 corners
    {34, 18, true, Box(8, 6, 14, 12), Box(20, 6, 26, 12), Box(0, 0, 34, 18), kMaroon, 0},
    {34, 17, false, Box(8, 5, 14, 11), Box(20, 5, 26, 11), Box(1, 1, 33, 16), kGray, 3},    // 8 x 8 corners
    {50, 18, false, Box(11, 5, 19, 13), Box(31, 5, 39, 13), Box(1, 1, 49, 17), kGray, 3},   // Round(4.5) = 4
    {70, 22, false, Box(15, 5, 27, 17), Box(43, 5, 55, 17), Box(1, 1, 69, 21), kGray, 6},   // Round(5.5) = 6
    {34, 10, false, Box(9, 3, 13, 7), Box(21, 3, 25, 7), Box(1, 1, 33, 9), kGray, 1},       // Round(2.5) = 2
};

TEST(TwoJumper, DrawsBodyCapAndPinsWhereTheGeometrySays)
{
    for (const auto& c : kGeometry) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << (c.closed ? " closed" : " open"));
        TJumperFixture f(c.width, c.height);
        f.jumper->SetClosed(c.closed);
        const QImage shot = f.Shot();
        const QImage left = shot.copy(0, 0, c.width / 2, c.height), right = shot.copy(c.width / 2, 0, c.width, c.height);
        EXPECT_EQ(BoxOf(left, kYellow), c.leftPin);
        EXPECT_EQ(BoxOf(right, kYellow).translated(c.width / 2, 0), c.rightPin);
        EXPECT_EQ(BoxOf(shot, kBlack), c.outline);
        EXPECT_EQ(shot.pixel(c.width / 2, c.height / 2), c.fill);
        // The rounded corner leaves the panel showing inside the body's box.
        int corner = 0;
        for (int y = 0; y < c.height / 2; ++y)
            for (int x = 0; x < c.height / 2; ++x)
                if (shot.pixel(x + 1, y + 1) == kPanel) ++corner;
        EXPECT_EQ(corner, c.corner);
    }
}

TEST(TwoJumper, BorderNoneLeavesNoOutline)
{
    TJumperFixture f;
    f.jumper->SetBorderStyle(bsNone);
    EXPECT_TRUE(BoxOf(f.Shot(), kBlack).isEmpty());
    f.jumper->SetClosed(true);
    EXPECT_TRUE(BoxOf(f.Shot(), kBlack).isEmpty());
    EXPECT_EQ(f.Shot().pixel(0, 0), kMaroon);
}

TEST(TwoJumper, TakesTheButtonFaceBesideAPlainParent)
{
    TForm form(nullptr);
    form.SetColor(clWhite);
    form.SetBounds(0, 0, 100, 100);
    auto* jumper = new TTwoJumper(&form);
    jumper->SetParent(&form);
    form.Show();
    uitest::ProcessEvents();
    const QImage shot = uitest::Snapshot(form);
    const auto face = ColorToRGB(clBtnFace);
    EXPECT_EQ(shot.pixel(1, 1), qRgb(GetRValue(face), GetGValue(face), GetBValue(face)));
}

// Where pixel (x, y) of the upright drawing lands in each orientation.
QPoint Turned(TOrientationType orientation, int x, int y, int w, int h)
{
    switch (orientation) {
    case otDown: return {w - 1 - x, h - 1 - y};
    case otLeft: return {y, w - 1 - x};
    case otRight: return {h - 1 - y, x};
    default: return {x, y};
    }
}

TEST(TwoJumper, TurnsTheUprightDrawingPixelByPixel)
{
    TJumperFixture upright;
    upright.jumper->SetClosed(false);
    const QImage up = upright.Shot();
    for (const auto orientation : {otDown, otLeft, otRight}) {
        SCOPED_TRACE(static_cast<int>(orientation));
        TJumperFixture f;
        f.Shot();  // painted once upright, so a quarter turn swaps the size
        f.jumper->SetOrientation(orientation);
        f.Shot();
        const QImage turned = f.Shot();
        ASSERT_EQ(turned.size(), orientation == otDown ? up.size() : up.size().transposed());
        int wrong = 0;
        for (int y = 0; y < up.height(); ++y)
            for (int x = 0; x < up.width(); ++x)
                if (turned.pixel(Turned(orientation, x, y, up.width(), up.height())) != up.pixel(x, y)) ++wrong;
        EXPECT_EQ(wrong, 0);
    }
}

TEST(TwoJumper, SwapsItsSizeOnlyForQuarterTurnsAfterItsFirstPaint)
{
    struct {
        const char* what;
        bool paintedFirst;
        std::vector<TOrientationType> turns;
        int width, height;
    } cases[] = {
        {"painted, then a quarter turn", true, {otLeft}, 18, 34},
        {"painted, then a half turn", true, {otDown}, 34, 18},
        {"a quarter turn before any paint", false, {otLeft}, 34, 18},
        {"two quarter turns between paints", true, {otLeft, otUp}, 18, 34},
        {"painted, left then right", true, {otLeft, otRight}, 18, 34},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TJumperFixture f(34, 18, c.paintedFirst);
        for (const auto turn : c.turns) f.jumper->SetOrientation(turn);
        EXPECT_TRUE(f.jumper->SwapPending() || c.turns.front() == otDown);
        f.form.Show();
        f.Shot();
        f.Shot();
        EXPECT_FALSE(f.jumper->SwapPending());
        EXPECT_EQ(f.jumper->Width(), c.width);
        EXPECT_EQ(f.jumper->Height(), c.height);
    }
}

TEST(TwoJumper, ClickTogglesBeforeOnClickAndDoubleClickTogglesOnce)
{
    TJumperFixture f;
    std::vector<bool> seen;
    f.jumper->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, f.jumper);
        seen.push_back(f.jumper->Closed());
    };
    uitest::ClickAt(*f.panel, 20, 15);
    EXPECT_EQ(seen, (std::vector<bool>{true}));
    uitest::DoubleClickAt(*f.panel, 20, 15);
    EXPECT_EQ(seen, (std::vector<bool>{true, false})) << "the second press of a double click is no click";
    f.jumper->SetEnabled(false);
    uitest::ClickAt(*f.panel, 20, 15);
    EXPECT_EQ(seen.size(), 2u) << "a disabled jumper gets no clicks";
    EXPECT_FALSE(f.jumper->Closed());
}

TEST(TwoJumper, SettersRepaintOnlyOnChange)
{
    TJumperFixture f;
    const struct {
        const char* what;
        std::function<void(TTwoJumper&)> same, other;
    } setters[] = {
        {"Closed", [](TTwoJumper& j) { j.SetClosed(false); }, [](TTwoJumper& j) { j.SetClosed(true); }},
        {"BaseColor", [](TTwoJumper& j) { j.SetBaseColor(clGray); }, [](TTwoJumper& j) { j.SetBaseColor(clRed); }},
        {"PinColor", [](TTwoJumper& j) { j.SetPinColor(clYellow); }, [](TTwoJumper& j) { j.SetPinColor(clRed); }},
        {"JumperColor", [](TTwoJumper& j) { j.SetJumperColor(clMaroon); }, [](TTwoJumper& j) { j.SetJumperColor(clRed); }},
        {"BorderStyle", [](TTwoJumper& j) { j.SetBorderStyle(bsSingle); }, [](TTwoJumper& j) { j.SetBorderStyle(bsNone); }},
        {"Orientation", [](TTwoJumper& j) { j.SetOrientation(otUp); }, [](TTwoJumper& j) { j.SetOrientation(otDown); }},
    };
    for (const auto& s : setters) {
        SCOPED_TRACE(s.what);
        const int before = f.jumper->InvalidateCount();
        s.same(*f.jumper);
        EXPECT_EQ(f.jumper->InvalidateCount(), before);
        s.other(*f.jumper);
        EXPECT_EQ(f.jumper->InvalidateCount(), before + 1);
    }
}

TEST(TwoJumper, ZeroSizeDrawsNothing)
{
    TJumperFixture f(0, 18);
    EXPECT_NO_THROW(f.Shot());
    EXPECT_EQ(uitest::Snapshot(*f.panel).pixel(10, 10), kPanel);
}

} // namespace
