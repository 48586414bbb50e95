#pragma once

// How a window is framed. Controls take only the first two: no border, or a
// single line.
enum TFormBorderStyle : unsigned char { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
