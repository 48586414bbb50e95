#pragma once
#include <functional>
#include <string>

#include "gui/brush.h"
#include "gui/font.h"
#include "gui/geometry.h"
#include "gui/pen.h"

class QImage;
class QPainter;
class TBitmap;
class TGraphic;

enum TAlignment : unsigned char { taLeftJustify, taRightJustify, taCenter };

// A drawing surface: a bitmap's pixels, or a control's window while it
// paints. Shapes take boxes whose right and bottom edges are exclusive; the
// pen's outline is one pixel wide and lies inside the box.
class TCanvas {
public:
    TCanvas() = default;
    explicit TCanvas(QImage* image) : FImage(image) {}
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TBrush Brush;
    TPen Pen;
    TFont Font;

    void Rectangle(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void FillRect(const TRect& rect);

    // Pixels can be read only from a bitmap's canvas; elsewhere clNone.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // Block copy of a whole bitmap with its top-left corner at (x, y).
    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const TRect& rect, const TGraphic& graphic);
    void TextOut(int x, int y, const std::string& text);
    void TextRect(const TRect& rect, const std::string& text, TAlignment alignment);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;

    // The layer points a control's canvas at the painter of a paint in
    // progress, and takes it away afterwards.
    void Attach(QPainter* painter) { FPainter = painter; }
    void Detach() { FPainter = nullptr; }
    bool Attached() const { return FPainter != nullptr || FImage != nullptr; }
    void SetImage(QImage* image) { FImage = image; }

    // Runs draw with a QPainter on this canvas's surface, set up for this
    // canvas's font; nothing happens when there is no surface.
    void WithPainter(const std::function<void(QPainter&)>& draw);

private:
    template <class Inside> void FillShape(const TRect& box, Inside inside);
    void FillSpan(int y, int x0, int x1, TColor color);

    QPainter* FPainter = nullptr;
    QImage* FImage = nullptr;
};
