#pragma once
#include <cstdint>
#include <memory>

#include "gui/canvas.h"

class QImage;

// An off-screen picture with 32 bits per pixel: each pixel is four bytes in
// memory order blue, green, red and a fourth byte that carries nothing.
// Rows run from top to bottom and can be read and written directly.
class TBitmap {
public:
    TBitmap();
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const;
    int Height() const;
    bool Empty() const { return Width() == 0 || Height() == 0; }
    // Resizing keeps no pixels: the new contents are black.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }

    std::uint8_t* ScanLine(int row);
    const std::uint8_t* ScanLine(int row) const;
    TCanvas& Canvas() { return FCanvas; }

    const QImage& Image() const { return *FImage; }
    QImage& Image() { return *FImage; }

private:
    std::unique_ptr<QImage> FImage;
    TCanvas FCanvas;
};
