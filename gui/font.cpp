#include "gui/font.h"

#include <QFont>

void TFont::SetName(const std::string& value)
{
    if (value == FName) return;
    FName = value;
    Changed();
}

void TFont::SetHeight(int value)
{
    if (value == FHeight) return;
    FHeight = value;
    Changed();
}

void TFont::SetColor(TColor value)
{
    if (value == FColor) return;
    FColor = value;
    Changed();
}

void TFont::SetStyle(TFontStyles value)
{
    if (value == FStyle) return;
    FStyle = value;
    Changed();
}

void TFont::SetCharset(int value)
{
    if (value == FCharset) return;
    FCharset = value;
    Changed();
}

void TFont::Assign(const TFont& other)
{
    if (*this == other) return;
    FName = other.FName;
    FHeight = other.FHeight;
    FColor = other.FColor;
    FStyle = other.FStyle;
    FCharset = other.FCharset;
    Changed();
}

bool TFont::operator==(const TFont& other) const
{
    return FName == other.FName && FHeight == other.FHeight && FColor == other.FColor && FStyle == other.FStyle &&
           FCharset == other.FCharset;
}

std::string TFont::SubstituteFace(const std::string& face)
{
    // The classic faces are not installed on Linux desktops; these are the
    // closest metric-compatible faces Debian ships.
    if (face == "MS Sans Serif" || face == "Tahoma" || face == "Arial") return "Liberation Sans";
    if (face == "Verdana") return "DejaVu Sans";
    if (face == "Courier New") return "Liberation Mono";
    return face;
}

QFont TFont::ToQFont() const
{
    QFont font(QString::fromStdString(SubstituteFace(FName)));
    // A negative height measures the characters only, which is what a pixel
    // size measures in Qt; a positive one includes the leading.
    const int pixels = FHeight < 0 ? -FHeight : (FHeight * 4 + 2) / 5;
    font.setPixelSize(pixels > 0 ? pixels : 11);
    font.setBold(FStyle & fsBold);
    font.setItalic(FStyle & fsItalic);
    font.setUnderline(FStyle & fsUnderline);
    font.setStrikeOut(FStyle & fsStrikeOut);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void TFont::Changed()
{
    if (OnChange) OnChange(this);
}
