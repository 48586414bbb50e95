#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "gui/descriptionparser.h"
#include "gui/picture.h"
#include "gui/resources.h"

namespace {

// The picture value of the board image, as the description carries it.
std::vector<std::uint8_t> BoardPictureValue()
{
    const auto root = TDescriptionParser(ReadResourceText("board/template.desc")).Parse();
    for (const auto& child : root.Children)
        if (child.Name == "BoardImage1")
            for (const auto& setting : child.Settings)
                if (setting.Property == "Picture") return setting.Value.Bytes;
    ADD_FAILURE() << "no picture";
    return {};
}

struct TSegment {
    std::uint8_t marker;
    std::vector<std::uint8_t> body;
};

// Splits a JPEG stream into its marker segments, stepping over the
// entropy-coded data that follows each start of scan.
std::vector<TSegment> Segments(const std::vector<std::uint8_t>& jpeg)
{
    std::vector<TSegment> segments;
    std::size_t at = 2;
    while (at + 4 <= jpeg.size()) {
        EXPECT_EQ(jpeg[at], 0xFF) << "at byte " << at;
        const std::uint8_t marker = jpeg[at + 1];
        if (marker == 0xD9) {
            segments.push_back({marker, {}});
            EXPECT_EQ(at + 2, jpeg.size()) << "the stream ends with its end-of-image marker";
            break;
        }
        const std::size_t length = jpeg[at + 2] << 8 | jpeg[at + 3];
        segments.push_back({marker, std::vector<std::uint8_t>(jpeg.begin() + at + 4, jpeg.begin() + at + 2 + length)});
        at += 2 + length;
        if (marker != 0xDA) continue;
        while (at + 1 < jpeg.size() && !(jpeg[at] == 0xFF && jpeg[at + 1] != 0 && (jpeg[at + 1] < 0xD0 || jpeg[at + 1] > 0xD7)))
            ++at;
    }
    return segments;
}

TEST(BoardPicture, IsCarriedInThreeFields)
{
    const auto value = BoardPictureValue();
    ASSERT_GT(value.size(), 15u);
    EXPECT_EQ(value[0], 10);
    EXPECT_EQ(std::string(value.begin() + 1, value.begin() + 11), "TJPEGImage");
    const std::uint32_t count = value[11] | value[12] << 8 | value[13] << 16 | static_cast<std::uint32_t>(value[14]) << 24;
    EXPECT_EQ(count, value.size() - 15);
}

TEST(BoardPicture, IsAProgressiveJfifStreamOfTheCard)
{
    const auto value = BoardPictureValue();
    const std::vector<std::uint8_t> jpeg(value.begin() + 15, value.end());
    ASSERT_GE(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    const auto segments = Segments(jpeg);
    ASSERT_FALSE(segments.empty());

    const auto& app0 = segments.front();
    ASSERT_EQ(app0.marker, 0xE0) << "JFIF comes first";
    ASSERT_GE(app0.body.size(), 12u);
    EXPECT_EQ(std::string(app0.body.begin(), app0.body.begin() + 5), std::string("JFIF\0", 5));
    EXPECT_EQ(app0.body[5], 1);
    EXPECT_EQ(app0.body[6], 1) << "version 1.01";
    EXPECT_EQ(app0.body[7], 1) << "dots per inch";
    EXPECT_EQ(app0.body[8] << 8 | app0.body[9], 72);
    EXPECT_EQ(app0.body[10] << 8 | app0.body[11], 72);

    int frames = 0, scans = 0;
    for (const auto& segment : segments) {
        if (segment.marker == 0xDA) ++scans;
        if (segment.marker >= 0xC0 && segment.marker <= 0xCF && segment.marker != 0xC4 && segment.marker != 0xCC) {
            ++frames;
            EXPECT_EQ(segment.marker, 0xC2) << "progressive, Huffman-coded";
            const auto& sof = segment.body;
            ASSERT_EQ(sof.size(), 15u);
            EXPECT_EQ(sof[0], 8) << "bits per sample";
            EXPECT_EQ(sof[1] << 8 | sof[2], 652);
            EXPECT_EQ(sof[3] << 8 | sof[4], 600);
            EXPECT_EQ(sof[5], 3);
            for (int c = 0; c < 3; ++c) EXPECT_EQ(sof[7 + 3 * c], 0x11) << "component " << c << " sampled 1 x 1";
        }
    }
    EXPECT_EQ(frames, 1);
    EXPECT_EQ(scans, 10);
}

TEST(BoardPicture, Decodes)
{
    TPicture picture;
    picture.LoadFromData(BoardPictureValue());
    EXPECT_EQ(picture.Width(), 600);
    EXPECT_EQ(picture.Height(), 652);
}

} // namespace
