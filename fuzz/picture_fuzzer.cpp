// Feeds arbitrary bytes to the picture reader (the three-field layout and
// the JPEG decoder behind it).
#include <cstdint>
#include <cstdlib>
#include <exception>

#include "gui/jpegimage.h"
#include "gui/picture.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    TJPEGImage::Register();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TPicture picture;
    try {
        picture.LoadFromData(data, size);
    } catch (const std::exception&) {
        return 0;
    }
    // A picture that loads knows its size.
    if (picture.Width() <= 0 || picture.Height() <= 0) std::abort();
    return 0;
}
