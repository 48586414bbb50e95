#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "gui/form.h"

class TComponent;

enum class TPropertyType : unsigned char { Integer, Boolean, String, Enum, Set, Strings, Binary, Color, Reference, Event };

// A description value checked against its property's type: the one field
// that type uses is filled in.
struct TPropertyValue {
    long long Integer = 0;  // Integer, Enum, Set (members as bits), Color
    bool Boolean = false;
    std::string Text;
    std::vector<std::string> Lines;
    const std::vector<std::uint8_t>* Bytes = nullptr;
    TComponent* Component = nullptr;
    const TFormHandler* Handler = nullptr;
    std::string HandlerName;
};

using TIdentValues = std::vector<std::pair<std::string, long long>>;

// One published property: its name, the type the description must give,
// and the setter it is applied through. A setter that cannot take a value
// throws std::exception with the reason.
struct TPropertyInfo {
    std::string Name;
    TPropertyType Type = TPropertyType::Integer;
    TIdentValues Idents;  // the names an Enum or Set takes, or extra Integer names
    std::function<void(TComponent&, const TPropertyValue&)> Apply;
};
