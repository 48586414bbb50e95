#pragma once
#include <memory>
#include <vector>

#include "gui/graphic.h"

class QImage;

// The JPEG kind of graphic, "TJPEGImage": decodes baseline and progressive
// streams with libjpeg when loaded, and keeps the stream it came from.
class TJPEGImage : public TGraphic {
public:
    TJPEGImage();
    ~TJPEGImage() override;
    std::string ClassName() const override { return "TJPEGImage"; }

    // Makes pictures able to hold this kind.
    static void Register();

    int Width() const override;
    int Height() const override;
    bool Progressive() const { return FProgressive; }
    const std::vector<std::uint8_t>& Stream() const { return FStream; }
    const QImage& Image() const { return *FImage; }

    void LoadFromStream(const std::uint8_t* data, std::size_t size) override;
    void Draw(TCanvas& canvas, const TRect& rect) const override;
    std::unique_ptr<TGraphic> Clone() const override;

private:
    std::vector<std::uint8_t> FStream;
    std::unique_ptr<QImage> FImage;
    bool FProgressive = false;
};
