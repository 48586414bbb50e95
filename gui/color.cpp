#include "gui/color.h"

#include <array>
#include <utility>

namespace {

struct TNamedColor {
    std::string_view name;
    TColor color;
};

constexpr std::array kNamedColors{
    TNamedColor{"clBlack", clBlack},         TNamedColor{"clMaroon", clMaroon},
    TNamedColor{"clGreen", clGreen},         TNamedColor{"clNavy", clNavy},
    TNamedColor{"clGray", clGray},           TNamedColor{"clSilver", clSilver},
    TNamedColor{"clRed", clRed},             TNamedColor{"clYellow", clYellow},
    TNamedColor{"clBlue", clBlue},           TNamedColor{"clWhite", clWhite},
    TNamedColor{"clNone", clNone},           TNamedColor{"clWindow", clWindow},
    TNamedColor{"clWindowText", clWindowText}, TNamedColor{"clBtnFace", clBtnFace},
    TNamedColor{"clBtnShadow", clBtnShadow}, TNamedColor{"clBtnText", clBtnText},
    TNamedColor{"clBtnHighlight", clBtnHighlight}, TNamedColor{"clInfoBk", clInfoBk},
};

// The classic scheme, indexed by system colour number.
std::uint32_t SystemColorToRGB(int index)
{
    switch (index) {
    case 5: return 0xFFFFFF;   // window
    case 8: return 0x000000;   // window text
    case 15: return 0xC8D0D4;  // button face (212, 208, 200)
    case 16: return 0x808080;  // button shadow
    case 18: return 0x000000;  // button text
    case 20: return 0xFFFFFF;  // button highlight
    case 24: return 0xE1FFFF;  // info background
    default: return 0x000000;
    }
}

} // namespace

std::uint32_t ColorToRGB(TColor color)
{
    const auto bits = static_cast<std::uint32_t>(color);
    if (bits & 0x80000000u) return SystemColorToRGB(static_cast<int>(bits & 0xFF));
    return bits & 0x00FFFFFFu;
}

std::optional<TColor> IdentToColor(std::string_view name)
{
    for (const auto& named : kNamedColors)
        if (named.name == name) return named.color;
    return std::nullopt;
}
