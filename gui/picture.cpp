#include "gui/picture.h"

#include <map>
#include <stdexcept>

namespace {

std::map<std::string, TPicture::TGraphicFactory>& GraphicClasses()
{
    static std::map<std::string, TPicture::TGraphicFactory> classes;
    return classes;
}

[[noreturn]] void Malformed(std::size_t offset, const std::string& problem)
{
    throw std::runtime_error("picture data, byte " + std::to_string(offset) + ": " + problem);
}

} // namespace

void TPicture::RegisterGraphicClass(const std::string& kindName, TGraphicFactory factory)
{
    GraphicClasses()[kindName] = std::move(factory);
}

bool TPicture::GraphicClassRegistered(const std::string& kindName) { return GraphicClasses().count(kindName) > 0; }

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic)
{
    FGraphic = std::move(graphic);
    if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::Assign(const TPicture& other)
{
    if (&other == this) return;
    SetGraphic(other.FGraphic ? other.FGraphic->Clone() : nullptr);
}

void TPicture::LoadFromData(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) Malformed(0, "empty: no graphic kind name");
    const std::size_t nameLength = data[0];
    if (nameLength == 0) Malformed(0, "the graphic kind name is empty");
    if (size < 1 + nameLength) Malformed(size, "the data ends inside the graphic kind name");
    const std::string kindName(reinterpret_cast<const char*>(data + 1), nameLength);
    const auto it = GraphicClasses().find(kindName);
    if (it == GraphicClasses().end()) Malformed(1, "unknown graphic kind '" + kindName + "'");
    const std::size_t countAt = 1 + nameLength;
    if (size < countAt + 4) Malformed(size, "the data ends inside the byte count");
    const std::uint32_t count = data[countAt] | data[countAt + 1] << 8 | data[countAt + 2] << 16 |
                                static_cast<std::uint32_t>(data[countAt + 3]) << 24;
    const std::size_t streamAt = countAt + 4, available = size - streamAt;
    if (count > available)
        Malformed(size, "the stream is cut short: " + std::to_string(count) + " bytes announced, " +
                            std::to_string(available) + " present");
    if (count < available)
        Malformed(streamAt + count, std::to_string(available - count) + " bytes follow the announced stream");
    auto graphic = it->second();
    try {
        graphic->LoadFromStream(data + streamAt, count);
    } catch (const std::exception& error) {
        throw std::runtime_error("picture data, " + kindName + " stream from byte " + std::to_string(streamAt) + ": " +
                                 error.what());
    }
    SetGraphic(std::move(graphic));
}

void TPicture::Changed()
{
    if (OnChange) OnChange(this);
}
