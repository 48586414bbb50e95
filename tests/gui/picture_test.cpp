#include <gtest/gtest.h>

#include "gui/jpegimage.h"
#include "gui/picture.h"
#include "support/jpegfixture.h"

namespace {

std::string LoadError(const std::vector<std::uint8_t>& value)
{
    TPicture picture;
    try {
        picture.LoadFromData(value);
    } catch (const std::exception& error) {
        EXPECT_EQ(picture.Graphic(), nullptr) << "a failed load leaves the picture as it was";
        return error.what();
    }
    return "";
}

TEST(Picture, DecodesBaselineAndProgressiveJpegAndReportsTheChange)
{
    for (const bool progressive : {false, true}) {
        SCOPED_TRACE(progressive);
        TPicture picture;
        int changes = 0;
        picture.OnChange = [&](TObject*) { ++changes; };
        picture.LoadFromData(fixture::PictureValue("TJPEGImage", fixture::MakeJpeg(40, 30, progressive)));
        ASSERT_NE(picture.Graphic(), nullptr);
        EXPECT_EQ(picture.Graphic()->ClassName(), "TJPEGImage");
        EXPECT_EQ(picture.Width(), 40);
        EXPECT_EQ(picture.Height(), 30);
        EXPECT_EQ(static_cast<TJPEGImage*>(picture.Graphic())->Progressive(), progressive);
        EXPECT_EQ(changes, 1);
    }
}

TEST(Picture, NamesTheByteOffsetOfMalformedValues)
{
    const auto jpeg = fixture::MakeJpeg(16, 16, true);
    const auto good = fixture::PictureValue("TJPEGImage", jpeg);
    auto cutInName = std::vector<std::uint8_t>(good.begin(), good.begin() + 5);
    auto cutInCount = std::vector<std::uint8_t>(good.begin(), good.begin() + 13);
    auto truncated = std::vector<std::uint8_t>(good.begin(), good.end() - 10);
    auto overLong = good;
    overLong.insert(overLong.end(), {1, 2, 3});
    auto corruptStream = jpeg;
    std::fill(corruptStream.begin() + 2, corruptStream.begin() + 6, 0x00);
    const auto corrupt = fixture::PictureValue("TJPEGImage", corruptStream);
    auto announcedShort = fixture::PictureValue("TJPEGImage", std::vector<std::uint8_t>(jpeg.begin(), jpeg.end() - 40));

    const struct {
        const char* what;
        std::vector<std::uint8_t> value;
        const char* message;
    } cases[] = {
        {"empty", {}, "picture data, byte 0: empty"},
        {"cut in the name", cutInName, "byte 5: the data ends inside the graphic kind name"},
        {"unknown kind", fixture::PictureValue("TGIFImage", jpeg), "byte 1: unknown graphic kind 'TGIFImage'"},
        {"cut in the count", cutInCount, "byte 13: the data ends inside the byte count"},
        {"stream cut short", truncated, "the stream is cut short"},
        {"stream followed by more bytes", overLong, "3 bytes follow the announced stream"},
        {"corrupt jpeg", corrupt, "TJPEGImage stream from byte 15: JPEG byte"},
        {"truncated jpeg", announcedShort, "TJPEGImage stream from byte 15: JPEG byte"},
        {"not a jpeg", fixture::PictureValue("TJPEGImage", {'G', 'I', 'F', '8'}), "JPEG byte"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto message = LoadError(c.value);
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
    }
}

TEST(Picture, AssignCopiesTheGraphic)
{
    TPicture source, copy;
    source.LoadFromData(fixture::PictureValue("TJPEGImage", fixture::MakeJpeg(20, 10, false)));
    copy.Assign(source);
    ASSERT_NE(copy.Graphic(), nullptr);
    EXPECT_NE(copy.Graphic(), source.Graphic());
    EXPECT_EQ(copy.Width(), 20);
    source.SetGraphic(nullptr);
    EXPECT_EQ(copy.Height(), 10);
}

} // namespace
