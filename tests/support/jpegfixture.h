#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace fixture {

// A small JPEG stream of a colour gradient, made with libjpeg.
std::vector<std::uint8_t> MakeJpeg(int width, int height, bool progressive);

// A picture value as descriptions store it: name length, kind name, 4-byte
// little-endian count, stream.
std::vector<std::uint8_t> PictureValue(const std::string& kind, const std::vector<std::uint8_t>& stream);

// The bytes as the hex digits a description writes between { and }.
std::string Hex(const std::vector<std::uint8_t>& bytes);

} // namespace fixture
