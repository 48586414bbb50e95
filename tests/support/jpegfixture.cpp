#include "support/jpegfixture.h"

#include <cstdio>
#include <algorithm>
#include <cstdlib>

extern "C" {
#include <jpeglib.h>
}

namespace fixture {

std::vector<std::uint8_t> MakeJpeg(int width, int height, bool progressive)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    if (progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < width; ++x) {
            row[static_cast<std::size_t>(x) * 3] = static_cast<unsigned char>(x * 255 / std::max(1, width - 1));
            row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<unsigned char>(info.next_scanline * 255 / std::max(1, height - 1));
            row[static_cast<std::size_t>(x) * 3 + 2] = 128;
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<std::uint8_t> stream(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return stream;
}

std::vector<std::uint8_t> PictureValue(const std::string& kind, const std::vector<std::uint8_t>& stream)
{
    std::vector<std::uint8_t> value;
    value.reserve(1 + kind.size() + 4 + stream.size());
    value.push_back(static_cast<std::uint8_t>(kind.size()));
    for (const char c : kind) value.push_back(static_cast<std::uint8_t>(c));
    const auto count = static_cast<std::uint32_t>(stream.size());
    for (int shift = 0; shift < 32; shift += 8) value.push_back(static_cast<std::uint8_t>(count >> shift));
    for (const auto byte : stream) value.push_back(byte);
    return value;
}

std::string Hex(const std::vector<std::uint8_t>& bytes)
{
    static const char* digits = "0123456789ABCDEF";
    std::string text;
    for (const auto byte : bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 15];
    }
    return text;
}

} // namespace fixture
