#include "gui/jpegdecoder.h"

#include <QImage>
#include <csetjmp>
#include <cstdio>
#include <stdexcept>
#include <string>

extern "C" {
#include <jpeglib.h>
}

namespace {

// Larger pictures than this are taken for a corrupt header, not decoded.
constexpr unsigned long kMaxPixels = 32UL * 1024 * 1024;

struct TErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Escape;
    char Message[JMSG_LENGTH_MAX];
};

void LeaveWithError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<TErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->Message);
    std::longjmp(manager->Escape, 1);
}

// A warning means corrupt or missing data, which would show as garbage.
void WarningIsError(j_common_ptr info, int level)
{
    if (level < 0) LeaveWithError(info);
}

std::size_t Offset(const jpeg_decompress_struct& info, std::size_t size)
{
    return info.src ? size - info.src->bytes_in_buffer : 0;
}

// Runs the libjpeg calls; returns false with the error in the manager.
// Kept free of C++ objects with destructors, since errors longjmp out.
bool DecodeInto(jpeg_decompress_struct& info, TErrorManager& errors, const std::uint8_t* data, std::size_t size,
                QImage& image, bool& progressive, bool& tooLarge)
{
    if (setjmp(errors.Escape)) return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    if (static_cast<unsigned long>(info.image_width) * info.image_height > kMaxPixels) {
        tooLarge = true;
        return false;
    }
    progressive = jpeg_has_multiple_scans(&info);
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB32);
    if (image.isNull()) {
        tooLarge = true;
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

void TJPEGDecoder::Decode(const std::uint8_t* data, std::size_t size, QImage& image, bool& progressive)
{
    jpeg_decompress_struct info{};
    TErrorManager errors{};
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = LeaveWithError;
    errors.Base.emit_message = WarningIsError;
    bool tooLarge = false;
    QImage decoded;
    const bool ok = DecodeInto(info, errors, data, size, decoded, progressive, tooLarge);
    const std::size_t offset = Offset(info, size);
    const unsigned long width = info.image_width, height = info.image_height;
    jpeg_destroy_decompress(&info);
    if (tooLarge)
        throw std::runtime_error("JPEG byte " + std::to_string(offset) + ": a picture of " + std::to_string(width) +
                                 " x " + std::to_string(height) + " pixels is too large");
    if (!ok) throw std::runtime_error("JPEG byte " + std::to_string(offset) + ": " + errors.Message);
    image = std::move(decoded);
}
