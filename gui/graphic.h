#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "gui/geometry.h"
#include "gui/object.h"

class TCanvas;

// A picture of some kind that a TPicture can hold: it knows its natural
// size and draws itself scaled into a rectangle.
class TGraphic : public TObject {
public:
    std::string ClassName() const override { return "TGraphic"; }

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    bool Empty() const { return Width() <= 0 || Height() <= 0; }

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Displays here have no palette: the handle is always 0.
    virtual std::uintptr_t Palette() const { return 0; }
    bool PaletteModified() const { return FPaletteModified; }
    void SetPaletteModified(bool value) { FPaletteModified = value; }

    // Reads the graphic's own stream. A stream this kind cannot read throws
    // std::runtime_error naming what is wrong and at which byte offset.
    virtual void LoadFromStream(const std::uint8_t* data, std::size_t size) = 0;
    virtual void Draw(TCanvas& canvas, const TRect& rect) const = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;

    TNotifyEvent OnChange;

protected:
    void Changed();

private:
    bool FTransparent = false;
    bool FPaletteModified = false;
};
