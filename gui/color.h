#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A colour as 0x00BBGGRR, or a system colour: 0x80000000 | the system index.
using TColor = std::int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<unsigned>(index)); }
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor clInfoBk = SystemColor(24);

// The fixed 0x00BBGGRR value a colour shows as; system colours take the
// classic desktop scheme so that every machine shows the same program.
std::uint32_t ColorToRGB(TColor color);
constexpr int GetRValue(std::uint32_t rgb) { return rgb & 0xFF; }
constexpr int GetGValue(std::uint32_t rgb) { return (rgb >> 8) & 0xFF; }
constexpr int GetBValue(std::uint32_t rgb) { return (rgb >> 16) & 0xFF; }
constexpr TColor RGB(int r, int g, int b) { return r | (g << 8) | (b << 16); }

// Names as the description writes them: "clWhite", "clBtnFace", ...
std::optional<TColor> IdentToColor(std::string_view name);
