#include "gui/jpegimage.h"

#include <QImage>
#include <QPainter>

#include "gui/canvas.h"
#include "gui/jpegdecoder.h"
#include "gui/picture.h"

TJPEGImage::TJPEGImage() : FImage(std::make_unique<QImage>()) {}

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::Register()
{
    TPicture::RegisterGraphicClass("TJPEGImage", [] { return std::make_unique<TJPEGImage>(); });
}

int TJPEGImage::Width() const { return FImage->width(); }
int TJPEGImage::Height() const { return FImage->height(); }

void TJPEGImage::LoadFromStream(const std::uint8_t* data, std::size_t size)
{
    QImage decoded;
    bool progressive = false;
    TJPEGDecoder::Decode(data, size, decoded, progressive);
    FStream.assign(data, data + size);
    *FImage = std::move(decoded);
    FProgressive = progressive;
    Changed();
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect) const
{
    if (FImage->isNull() || rect.IsEmpty()) return;
    canvas.WithPainter([&](QPainter& painter) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), *FImage);
    });
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const
{
    auto copy = std::make_unique<TJPEGImage>();
    copy->FStream = FStream;
    *copy->FImage = *FImage;
    copy->FProgressive = FProgressive;
    copy->SetTransparent(Transparent());
    return copy;
}
