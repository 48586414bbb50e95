#pragma once
#include <QByteArray>
#include <QString>

class QImage;

// Encodes a picture as the one JPEG stream layout the program stores:
// progressive with 8-bit samples, full-resolution colour (no chroma
// subsampling), a JFIF 1.01 header at 72 dots per inch, and libjpeg's simple
// progression, which codes three YCbCr components in ten scans.
class JpegWriter {
public:
    explicit JpegWriter(int jpegQuality) : quality(jpegQuality) {}

    struct Result {
        QByteArray stream;
        QString error;  // empty on success
    };
    Result encode(const QImage& image) const;

private:
    int quality;
};
