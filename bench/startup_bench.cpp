// Start-up cost: loading the board description (parse, create, decode the
// picture) next to its floor, libjpeg decoding the same stream bare.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "app/template.h"
#include "gui/application.h"
#include "gui/descriptionparser.h"
#include "gui/resources.h"

extern "C" {
#include <jpeglib.h>
}

namespace {

std::vector<std::uint8_t> BoardJpeg()
{
    const auto root = TDescriptionParser(ReadResourceText("board/template.desc")).Parse();
    for (const auto& child : root.Children)
        for (const auto& setting : child.Settings)
            if (setting.Property == "Picture") return {setting.Value.Bytes.begin() + 15, setting.Value.Bytes.end()};
    return {};
}

void LoadDescription(benchmark::State& state)
{
    for (auto _ : state) {
        auto form = std::make_unique<TMainForm>(Application);
        benchmark::DoNotOptimize(form.get());
    }
}
BENCHMARK(LoadDescription)->Unit(benchmark::kMillisecond);

void ParseDescriptionOnly(benchmark::State& state)
{
    const auto text = ReadResourceText("board/template.desc");
    for (auto _ : state) benchmark::DoNotOptimize(TDescriptionParser(text).Parse());
}
BENCHMARK(ParseDescriptionOnly)->Unit(benchmark::kMillisecond);

void BareLibjpegDecode(benchmark::State& state)
{
    const auto jpeg = BoardJpeg();
    std::vector<unsigned char> pixels;
    for (auto _ : state) {
        jpeg_decompress_struct info{};
        jpeg_error_mgr errors{};
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, jpeg.data(), jpeg.size());
        jpeg_read_header(&info, TRUE);
        info.out_color_space = JCS_EXT_BGRA;
        jpeg_start_decompress(&info);
        pixels.resize(static_cast<std::size_t>(info.output_width) * info.output_height * 4);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = pixels.data() + static_cast<std::size_t>(info.output_scanline) * info.output_width * 4;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BareLibjpegDecode)->Unit(benchmark::kMillisecond);

} // namespace
