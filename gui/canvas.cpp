#include "gui/canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <vector>

#include "gui/bitmap.h"
#include "gui/graphic.h"
#include "gui/qtcolor.h"

namespace {

std::uint32_t ToPixel(TColor color)
{
    const auto rgb = ColorToRGB(color);
    return 0xFF000000u | (GetRValue(rgb) << 16) | (GetGValue(rgb) << 8) | GetBValue(rgb);
}

// Whether a pixel's centre lies inside the ellipse inscribed in a box given
// by its left, top, width and height (all in pixels, possibly fractional).
bool InsideEllipse(double left, double top, double width, double height, int x, int y)
{
    const double rx = width / 2, ry = height / 2;
    if (rx <= 0 || ry <= 0) return false;
    const double dx = (x + 0.5 - (left + rx)) / rx, dy = (y + 0.5 - (top + ry)) / ry;
    return dx * dx + dy * dy <= 1.0;
}

struct TSpan {
    int From = 0;
    int To = 0;  // exclusive
    bool Empty() const { return To <= From; }
    bool Holds(int x) const { return x >= From && x < To; }
};

} // namespace

// Every shape is convex, so each row holds one span of pixels. The pen's
// outline is the set of shape pixels with a 4-neighbour outside the shape.
template <class Inside> void TCanvas::FillShape(const TRect& box, Inside inside)
{
    if (box.IsEmpty()) return;
    const int rows = box.Height();
    std::vector<TSpan> spans(static_cast<std::size_t>(rows) + 2);
    for (int r = 0; r < rows; ++r) {
        const int y = box.Top + r;
        int from = box.Left;
        while (from < box.Right && !inside(from, y)) ++from;
        int to = box.Right;
        while (to > from && !inside(to - 1, y)) --to;
        spans[static_cast<std::size_t>(r) + 1] = {from, to};
    }
    const bool outline = Pen.Style != psClear;
    for (int r = 0; r < rows; ++r) {
        const auto& above = spans[static_cast<std::size_t>(r)];
        const auto& row = spans[static_cast<std::size_t>(r) + 1];
        const auto& below = spans[static_cast<std::size_t>(r) + 2];
        if (row.Empty()) continue;
        const int y = box.Top + r;
        if (!outline) {
            if (Brush.Style != bsClear) FillSpan(y, row.From, row.To, Brush.Color);
            continue;
        }
        const TSpan inner{std::max({row.From + 1, above.From, below.From}), std::min({row.To - 1, above.To, below.To})};
        if (inner.Empty() || above.Empty() || below.Empty()) {
            FillSpan(y, row.From, row.To, Pen.Color);
            continue;
        }
        FillSpan(y, row.From, inner.From, Pen.Color);
        if (Brush.Style != bsClear) FillSpan(y, inner.From, inner.To, Brush.Color);
        FillSpan(y, inner.To, row.To, Pen.Color);
    }
}

void TCanvas::FillSpan(int y, int x0, int x1, TColor color)
{
    if (x1 <= x0) return;
    if (FPainter) {
        FPainter->fillRect(QRect(x0, y, x1 - x0, 1), ToQColor(color));
        return;
    }
    if (!FImage || y < 0 || y >= FImage->height()) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, FImage->width());
    auto* row = reinterpret_cast<std::uint32_t*>(FImage->scanLine(y));
    std::fill(row + x0, row + std::max(x0, x1), ToPixel(color));
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    FillShape({left, top, right, bottom}, [](int, int) { return true; });
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    const double cw = std::min(cornerWidth, right - left), ch = std::min(cornerHeight, bottom - top);
    FillShape({left, top, right, bottom}, [=](int x, int y) {
        const bool nearLeft = x + 0.5 < left + cw / 2, nearRight = x + 0.5 > right - cw / 2;
        const bool nearTop = y + 0.5 < top + ch / 2, nearBottom = y + 0.5 > bottom - ch / 2;
        if (!(nearLeft || nearRight) || !(nearTop || nearBottom)) return true;
        const double ex = nearLeft ? left : right - cw, ey = nearTop ? top : bottom - ch;
        return InsideEllipse(ex, ey, cw, ch, x, y);
    });
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    FillShape({left, top, right, bottom},
              [=](int x, int y) { return InsideEllipse(left, top, right - left, bottom - top, x, y); });
}

void TCanvas::FillRect(const TRect& rect)
{
    if (Brush.Style == bsClear) return;
    for (int y = rect.Top; y < rect.Bottom; ++y) FillSpan(y, rect.Left, rect.Right, Brush.Color);
}

TColor TCanvas::Pixel(int x, int y) const
{
    if (!FImage || x < 0 || y < 0 || x >= FImage->width() || y >= FImage->height()) return clNone;
    const auto pixel = reinterpret_cast<const std::uint32_t*>(FImage->constScanLine(y))[x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

void TCanvas::SetPixel(int x, int y, TColor color) { FillSpan(y, x, x + 1, color); }

void TCanvas::Draw(int x, int y, const TBitmap& bitmap)
{
    if (bitmap.Empty()) return;
    if (FPainter) {
        FPainter->drawImage(x, y, bitmap.Image());
        return;
    }
    if (!FImage) return;
    const int x0 = std::max(x, 0), x1 = std::min(x + bitmap.Width(), FImage->width());
    if (x1 <= x0) return;
    for (int row = std::max(y, 0); row < std::min(y + bitmap.Height(), FImage->height()); ++row) {
        const auto* from = reinterpret_cast<const std::uint32_t*>(bitmap.ScanLine(row - y)) + (x0 - x);
        std::memcpy(reinterpret_cast<std::uint32_t*>(FImage->scanLine(row)) + x0, from,
                    static_cast<std::size_t>(x1 - x0) * 4);
    }
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic& graphic) { graphic.Draw(*this, rect); }

void TCanvas::WithPainter(const std::function<void(QPainter&)>& draw)
{
    if (FPainter) {
        FPainter->save();
        FPainter->setFont(Font.ToQFont());
        draw(*FPainter);
        FPainter->restore();
        return;
    }
    if (!FImage || FImage->isNull()) return;
    QPainter painter(FImage);
    painter.setFont(Font.ToQFont());
    draw(painter);
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    WithPainter([&](QPainter& painter) {
        painter.setPen(ToQColor(Font.Color()));
        painter.drawText(QRect(x, y, 10000, 10000), Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic,
                         QString::fromStdString(text));
    });
}

void TCanvas::TextRect(const TRect& rect, const std::string& text, TAlignment alignment)
{
    const Qt::Alignment horizontal = alignment == taCenter        ? Qt::AlignHCenter
                                     : alignment == taRightJustify ? Qt::AlignRight
                                                                   : Qt::AlignLeft;
    WithPainter([&](QPainter& painter) {
        painter.setPen(ToQColor(Font.Color()));
        painter.setClipRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), Qt::IntersectClip);
        painter.drawText(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()),
                         static_cast<int>(horizontal | Qt::AlignTop | Qt::TextWordWrap), QString::fromStdString(text));
    });
}

int TCanvas::TextWidth(const std::string& text) const
{
    return QFontMetrics(Font.ToQFont()).horizontalAdvance(QString::fromStdString(text));
}

int TCanvas::TextHeight(const std::string& text) const
{
    return QFontMetrics(Font.ToQFont()).boundingRect(QString::fromStdString(text)).height();
}
