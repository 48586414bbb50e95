#include "board/tool/jpegwriter.h"

#include <QImage>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return; this one keeps the message and jumps back to the caller.
struct ErrorManager {
    jpeg_error_mgr base;  // first, so libjpeg's pointer to it is a pointer to this
    std::jmp_buf jumpBack;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void keepMessageAndJumpBack(j_common_ptr cinfo)
{
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->jumpBack, 1);
}

// The picture as packed 8-bit R, G, B samples, row after row: the colour
// layout every libjpeg accepts.
std::vector<JSAMPLE> rgbSamples(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const std::size_t rowBytes = std::size_t(rgb.width()) * 3;
    std::vector<JSAMPLE> samples(rowBytes * std::size_t(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* row = rgb.constScanLine(y);
        std::copy(row, row + rowBytes, samples.begin() + std::ptrdiff_t(rowBytes * std::size_t(y)));
    }
    return samples;
}

void chooseStreamLayout(jpeg_compress_struct& cinfo, int quality)
{
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.write_JFIF_header = TRUE;
    cinfo.JFIF_major_version = 1;
    cinfo.JFIF_minor_version = 1;
    cinfo.density_unit = 1;  // dots per inch
    cinfo.X_density = 72;
    cinfo.Y_density = 72;
    // Thin coloured silkscreen text would smear if the colour were halved.
    for (int component = 0; component < cinfo.num_components; ++component) {
        cinfo.comp_info[component].h_samp_factor = 1;
        cinfo.comp_info[component].v_samp_factor = 1;
    }
    jpeg_simple_progression(&cinfo);
}

// All of libjpeg's work happens in this one frame, which holds only plain C
// objects: a longjmp out of libjpeg would skip any destructor between here
// and the failing call. On failure the message is copied to `message`.
bool compress(const JSAMPLE* samples, int width, int height, int quality, unsigned char** stream,
              unsigned long* streamSize, char* message)
{
    jpeg_compress_struct cinfo{};
    ErrorManager errors{};
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = keepMessageAndJumpBack;
    if (setjmp(errors.jumpBack)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, stream, streamSize);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    chooseStreamLayout(cinfo, quality);

    jpeg_start_compress(&cinfo, TRUE);
    const std::size_t rowSamples = std::size_t(width) * 3;
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(samples + rowSamples * cinfo.next_scanline);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

}  // namespace

JpegWriter::Result JpegWriter::encode(const QImage& image) const
{
    if (image.isNull()) return {{}, QStringLiteral("there is no picture to encode")};
    const std::vector<JSAMPLE> samples = rgbSamples(image);
    unsigned char* stream = nullptr;
    unsigned long streamSize = 0;
    char message[JMSG_LENGTH_MAX] = {};
    const bool ok = compress(samples.data(), image.width(), image.height(), quality, &stream, &streamSize, message);
    Result result;
    if (ok)
        result.stream = QByteArray(reinterpret_cast<const char*>(stream), qsizetype(streamSize));
    else
        result.error = QStringLiteral("libjpeg could not encode the picture: %1").arg(QString::fromLocal8Bit(message));
    std::free(stream);  // jpeg_mem_dest allocates with malloc
    return result;
}
