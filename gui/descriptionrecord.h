#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A value as a description writes it.
struct TDescriptionValue {
    enum TKind : unsigned char { vkInteger, vkIdentifier, vkString, vkSet, vkList, vkBinary };
    TKind Kind = vkInteger;
    long long Integer = 0;
    std::string Text;                // identifier or string
    std::vector<std::string> Items;  // set members or list strings
    std::vector<std::uint8_t> Bytes;
};

struct TDescriptionSetting {
    std::string Property;  // possibly dotted: "Font.Name"
    TDescriptionValue Value;
    int Line = 0;
};

// One `object Name: Kind ... end` block of a description.
struct TDescriptionRecord {
    std::string Name;
    std::string Kind;
    int Line = 0;
    std::vector<TDescriptionSetting> Settings;
    std::vector<TDescriptionRecord> Children;
};
