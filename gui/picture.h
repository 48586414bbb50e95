#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/graphic.h"

// Holds one graphic of a kind chosen by class name from a registry, and
// reports every change. A picture value in a description is laid out as:
// one byte giving the length of the kind's name, the name, a 4-byte
// little-endian byte count, and that many bytes of the graphic's stream.
class TPicture : public TObject {
public:
    using TGraphicFactory = std::function<std::unique_ptr<TGraphic>()>;

    TPicture() = default;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;
    std::string ClassName() const override { return "TPicture"; }

    static void RegisterGraphicClass(const std::string& kindName, TGraphicFactory factory);
    static bool GraphicClassRegistered(const std::string& kindName);

    TGraphic* Graphic() const { return FGraphic.get(); }
    // Takes the graphic over; null empties the picture.
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }
    // Copies another picture's graphic; the copy is this picture's own.
    void Assign(const TPicture& other);
    // Reads a picture value; a malformed one throws std::runtime_error naming
    // the byte offset, and leaves the picture as it was.
    void LoadFromData(const std::uint8_t* data, std::size_t size);
    void LoadFromData(const std::vector<std::uint8_t>& data) { LoadFromData(data.data(), data.size()); }

    TNotifyEvent OnChange;

private:
    void Changed();

    std::unique_ptr<TGraphic> FGraphic;
};
