#pragma once
#include <string>

#include "gui/color.h"
#include "gui/object.h"

class QFont;

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

constexpr int DEFAULT_CHARSET = 1;
constexpr int ANSI_CHARSET = 0;

// A font as the controls describe it: a face name, a height in pixels
// (negative: the characters without internal leading), style and colour.
class TFont : public TObject {
public:
    std::string ClassName() const override { return "TFont"; }

    const std::string& Name() const { return FName; }
    int Height() const { return FHeight; }
    TColor Color() const { return FColor; }
    TFontStyles Style() const { return FStyle; }
    int Charset() const { return FCharset; }

    void SetName(const std::string& value);
    void SetHeight(int value);
    void SetColor(TColor value);
    void SetStyle(TFontStyles value);
    void SetCharset(int value);
    void Assign(const TFont& other);
    bool operator==(const TFont& other) const;

    // The installed face that stands in for a classic desktop face.
    static std::string SubstituteFace(const std::string& face);
    QFont ToQFont() const;

    TNotifyEvent OnChange;

private:
    void Changed();

    std::string FName = "MS Sans Serif";
    int FHeight = -11;
    TColor FColor = clWindowText;
    TFontStyles FStyle = 0;
    int FCharset = DEFAULT_CHARSET;
};
