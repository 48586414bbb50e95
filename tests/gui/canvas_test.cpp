#include <gtest/gtest.h>

#include "gui/bitmap.h"

namespace {

// The smallest box holding every pixel of the given colour.
TRect BoxOf(const TBitmap& bitmap, TColor color)
{
    auto& canvas = const_cast<TBitmap&>(bitmap).Canvas();
    TRect box{bitmap.Width(), bitmap.Height(), 0, 0};
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (canvas.Pixel(x, y) == color) box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
    return box;
}

struct TShapeCase {
    const char* what;
    void (*draw)(TCanvas&);
    TRect fillBox;     // where the brush colour shows
    TRect outlineBox;  // where the pen colour shows
};

const TShapeCase kShapes[] = {
    {"rectangle", [](TCanvas& c) { c.Rectangle(2, 3, 12, 9); }, {3, 4, 11, 8}, {2, 3, 12, 9}},
    {"ellipse", [](TCanvas& c) { c.Ellipse(4, 4, 10, 10); }, {5, 5, 9, 9}, {4, 4, 10, 10}},
    {"rounded rectangle", [](TCanvas& c) { c.RoundRect(1, 1, 33, 17, 8, 8); }, {2, 2, 32, 16}, {1, 1, 33, 17}},
    {"clear pen", [](TCanvas& c) { c.Pen.Style = psClear; c.Ellipse(8, 6, 14, 12); }, {8, 6, 14, 12}, {40, 20, 0, 0}},
};

TEST(Canvas, ShapesFillTheirBoxWithTheOutlineInside)
{
    for (const auto& c : kShapes) {
        SCOPED_TRACE(c.what);
        TBitmap bitmap;
        bitmap.SetSize(40, 20);
        auto& canvas = bitmap.Canvas();
        canvas.Brush = {clWhite, bsSolid};
        canvas.FillRect({0, 0, 40, 20});
        canvas.Pen = {clRed, psSolid};
        canvas.Brush = {clBlue, bsSolid};
        c.draw(canvas);
        EXPECT_EQ(BoxOf(bitmap, clBlue), c.fillBox);
        EXPECT_EQ(BoxOf(bitmap, clRed), c.outlineBox);
    }
}

TEST(Canvas, RoundedCornersLeaveTheCornerPixelsOut)
{
    TBitmap bitmap;
    bitmap.SetSize(34, 18);
    auto& canvas = bitmap.Canvas();
    canvas.Brush = {clWhite, bsSolid};
    canvas.FillRect({0, 0, 34, 18});
    canvas.Pen = {clBlack, psSolid};
    canvas.Brush = {clGray, bsSolid};
    canvas.RoundRect(1, 1, 33, 17, 9, 9);
    EXPECT_EQ(canvas.Pixel(1, 1), clWhite);
    EXPECT_EQ(canvas.Pixel(32, 16), clWhite);
    EXPECT_EQ(canvas.Pixel(17, 1), clBlack);  // the straight top edge
    EXPECT_EQ(canvas.Pixel(1, 9), clBlack);   // the straight left edge
    EXPECT_EQ(canvas.Pixel(17, 9), clGray);
}

TEST(Canvas, PixelsAndBlockCopiesWorkOnRowsDirectly)
{
    TBitmap source, target;
    source.SetSize(3, 2);
    source.Canvas().SetPixel(2, 1, RGB(10, 20, 30));
    const auto* row = source.ScanLine(1);
    EXPECT_EQ(row[8], 30);  // blue, green, red, unused
    EXPECT_EQ(row[9], 20);
    EXPECT_EQ(row[10], 10);
    target.SetSize(4, 4);
    target.Canvas().Draw(2, 3, source);  // partly outside: clipped
    EXPECT_EQ(target.Canvas().Pixel(3, 3), RGB(0, 0, 0));
    target.Canvas().Draw(1, 2, source);
    EXPECT_EQ(target.Canvas().Pixel(3, 3), RGB(10, 20, 30));
    EXPECT_EQ(target.Canvas().Pixel(9, 9), clNone);
}

} // namespace
