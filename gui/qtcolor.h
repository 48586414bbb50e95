#pragma once
// Colour conversions for the layer's own Qt code; not for the layers above.
#include <QColor>
#include <QPalette>
#include <QWidget>

#include "gui/color.h"

inline QColor ToQColor(TColor color)
{
    const auto rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

// Gives a standard widget (edit box, memo) the colour of its text area.
inline void SetBaseColor(QWidget& widget, TColor color)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Base, ToQColor(color));
    widget.setPalette(palette);
}
