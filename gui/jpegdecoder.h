#pragma once
#include <cstddef>
#include <cstdint>

class QImage;

// Decodes one JPEG stream with libjpeg into 32-bit pixels. Every libjpeg
// error, and every warning about corrupt or missing data, is thrown as
// std::runtime_error naming the byte offset where decoding stood.
class TJPEGDecoder {
public:
    static void Decode(const std::uint8_t* data, std::size_t size, QImage& image, bool& progressive);
};
