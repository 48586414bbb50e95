#include "gui/bitmap.h"

#include <QImage>

TBitmap::TBitmap() : FImage(std::make_unique<QImage>()) { FCanvas.SetImage(FImage.get()); }

TBitmap::~TBitmap() = default;

int TBitmap::Width() const { return FImage->width(); }
int TBitmap::Height() const { return FImage->height(); }

void TBitmap::SetSize(int width, int height)
{
    if (width == Width() && height == Height()) return;
    if (width <= 0 || height <= 0) {
        *FImage = QImage();
        return;
    }
    *FImage = QImage(width, height, QImage::Format_RGB32);
    FImage->fill(0xFF000000u);
}

std::uint8_t* TBitmap::ScanLine(int row) { return FImage->scanLine(row); }
const std::uint8_t* TBitmap::ScanLine(int row) const { return FImage->constScanLine(row); }
