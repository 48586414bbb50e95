#pragma once
#include <cstdint>

// Message numbers of the platform the controls were first written for. The
// layer translates Qt's events into these at the one place where it meets Qt.
constexpr unsigned WM_ACTIVATE = 0x0006;
constexpr unsigned WM_SETFOCUS = 0x0007;
constexpr unsigned WM_KILLFOCUS = 0x0008;
constexpr unsigned WM_PAINT = 0x000F;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_QUERYNEWPALETTE = 0x030F;
constexpr unsigned WM_PALETTECHANGED = 0x0311;
constexpr unsigned WM_TIMER = 0x0113;
constexpr unsigned WM_MOUSEMOVE = 0x0200;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
constexpr unsigned WM_RBUTTONDOWN = 0x0204;
constexpr unsigned WM_RBUTTONUP = 0x0205;
constexpr unsigned WM_USER = 0x0400;
constexpr unsigned CM_MOUSEENTER = 0xB013;
constexpr unsigned CM_MOUSELEAVE = 0xB014;
constexpr unsigned CM_ENTER = 0xB00A;
constexpr unsigned CM_EXIT = 0xB00B;

// WM_ACTIVATE's first parameter.
constexpr std::intptr_t WA_INACTIVE = 0;
constexpr std::intptr_t WA_ACTIVE = 1;

struct TMessage {
    unsigned Msg = 0;
    std::intptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

// Mouse messages carry the point in LParam: x in the low 16 bits, y in the
// next 16, both signed.
inline std::intptr_t PointToLParam(int x, int y)
{
    return static_cast<std::intptr_t>((static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16) |
                                      static_cast<std::uint16_t>(x));
}
inline int LParamX(std::intptr_t l) { return static_cast<std::int16_t>(l & 0xFFFF); }
inline int LParamY(std::intptr_t l) { return static_cast<std::int16_t>((l >> 16) & 0xFFFF); }
