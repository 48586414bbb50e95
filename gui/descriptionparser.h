#pragma once
#include <string>
#include <string_view>

#include "gui/descriptionrecord.h"

// Reads the text of a description into its tree of records:
//   object Name: Kind
//     Property = value     integers, identifiers, 'strings' ('' for a quote,
//                          + to join), [set, members], ('string' 'list'),
//                          {hex bytes}
//     object Child: Kind ... end
//   end
// Errors are thrown as TDescriptionError naming the line.
class TDescriptionParser {
public:
    explicit TDescriptionParser(std::string_view text) : FText(text) {}
    TDescriptionRecord Parse();

private:
    enum TTokenKind : unsigned char { tkEnd, tkIdentifier, tkInteger, tkString, tkSymbol, tkBinary };
    struct TToken {
        TTokenKind Kind = tkEnd;
        std::string Text;
        long long Integer = 0;
        char Symbol = 0;
        int Line = 1;
        std::vector<std::uint8_t> Bytes;
    };

    TDescriptionRecord ParseRecord(int depth);
    TDescriptionSetting ParseSetting(std::string property, int line);
    TDescriptionValue ParseValue();
    std::vector<std::string> ParseSet();
    std::vector<std::string> ParseList();
    std::string ParseJoinedString();

    const TToken& Peek();
    TToken Next();
    TToken Expect(TTokenKind kind, const char* what);
    void ExpectSymbol(char symbol);
    bool PeekSymbol(char symbol);
    bool PeekWord(std::string_view word);
    [[noreturn]] void Fail(int line, const std::string& problem) const;

    TToken Lex();
    void SkipBlanks();
    TToken LexIdentifier();
    TToken LexInteger();
    TToken LexString();
    TToken LexBinary();

    std::string_view FText;
    std::size_t FPos = 0;
    int FLine = 1;
    TToken FPeeked;
    bool FHasPeeked = false;
    std::string FRecord;    // the record and property being read, for errors
    std::string FProperty;
};
