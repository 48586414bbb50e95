#include "gui/descriptionparser.h"

#include <cctype>
#include <limits>

#include "gui/descriptionerror.h"

namespace {

// Deeper nesting than any window needs is taken for a broken description.
constexpr int kMaxDepth = 64;

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string Printable(char c)
{
    if (std::isprint(static_cast<unsigned char>(c))) return std::string("'") + c + "'";
    static const char* digits = "0123456789ABCDEF";
    const auto byte = static_cast<unsigned char>(c);
    return std::string("byte 0x") + digits[byte >> 4] + digits[byte & 15];
}

} // namespace

TDescriptionRecord TDescriptionParser::Parse()
{
    if (!PeekWord("object")) Fail(Peek().Line, "expected 'object' to begin the description");
    auto root = ParseRecord(0);
    if (Peek().Kind != tkEnd) Fail(Peek().Line, "unexpected text after the final 'end'");
    return root;
}

TDescriptionRecord TDescriptionParser::ParseRecord(int depth)
{
    if (depth > kMaxDepth) Fail(Peek().Line, "records nested too deeply");
    TDescriptionRecord record;
    record.Line = Next().Line;  // 'object'
    record.Name = Expect(tkIdentifier, "a component name").Text;
    ExpectSymbol(':');
    record.Kind = Expect(tkIdentifier, "a component kind").Text;
    FRecord = record.Name;
    while (!PeekWord("end")) {
        if (Peek().Kind == tkEnd) Fail(Peek().Line, "'" + record.Name + "' has no 'end'");
        if (PeekWord("object")) {
            record.Children.push_back(ParseRecord(depth + 1));
            FRecord = record.Name;
            continue;
        }
        const auto first = Expect(tkIdentifier, "a property name or 'object'");
        std::string property = first.Text;
        while (PeekSymbol('.')) {
            Next();
            property += "." + Expect(tkIdentifier, "a property name after '.'").Text;
        }
        record.Settings.push_back(ParseSetting(std::move(property), first.Line));
    }
    Next();  // 'end'
    return record;
}

TDescriptionSetting TDescriptionParser::ParseSetting(std::string property, int line)
{
    FProperty = property;
    ExpectSymbol('=');
    TDescriptionSetting setting;
    setting.Property = std::move(property);
    setting.Line = line;
    setting.Value = ParseValue();
    FProperty.clear();
    return setting;
}

TDescriptionValue TDescriptionParser::ParseValue()
{
    TDescriptionValue value;
    const auto& token = Peek();
    switch (token.Kind) {
    case tkInteger:
        value.Kind = TDescriptionValue::vkInteger;
        value.Integer = Next().Integer;
        return value;
    case tkIdentifier:
        if (PeekWord("end") || PeekWord("object")) break;
        value.Kind = TDescriptionValue::vkIdentifier;
        value.Text = Next().Text;
        return value;
    case tkString:
        value.Kind = TDescriptionValue::vkString;
        value.Text = ParseJoinedString();
        return value;
    case tkBinary:
        value.Kind = TDescriptionValue::vkBinary;
        value.Bytes = Next().Bytes;
        return value;
    case tkSymbol:
        if (token.Symbol == '[') {
            value.Kind = TDescriptionValue::vkSet;
            value.Items = ParseSet();
            return value;
        }
        if (token.Symbol == '(') {
            value.Kind = TDescriptionValue::vkList;
            value.Items = ParseList();
            return value;
        }
        break;
    default: break;
    }
    Fail(token.Line, "expected a value");
}

std::vector<std::string> TDescriptionParser::ParseSet()
{
    ExpectSymbol('[');
    std::vector<std::string> members;
    if (PeekSymbol(']')) {
        Next();
        return members;
    }
    for (;;) {
        members.push_back(Expect(tkIdentifier, "a set member").Text);
        if (PeekSymbol(']')) break;
        ExpectSymbol(',');
    }
    Next();
    return members;
}

std::vector<std::string> TDescriptionParser::ParseList()
{
    ExpectSymbol('(');
    std::vector<std::string> items;
    while (!PeekSymbol(')')) {
        if (Peek().Kind != tkString) Fail(Peek().Line, "expected a string or ')' in the list");
        items.push_back(ParseJoinedString());
    }
    Next();
    return items;
}

std::string TDescriptionParser::ParseJoinedString()
{
    std::string text = Expect(tkString, "a string").Text;
    while (PeekSymbol('+')) {
        Next();
        text += Expect(tkString, "a string after '+'").Text;
    }
    return text;
}

const TDescriptionParser::TToken& TDescriptionParser::Peek()
{
    if (!FHasPeeked) {
        FPeeked = Lex();
        FHasPeeked = true;
    }
    return FPeeked;
}

TDescriptionParser::TToken TDescriptionParser::Next()
{
    Peek();
    FHasPeeked = false;
    return std::move(FPeeked);
}

TDescriptionParser::TToken TDescriptionParser::Expect(TTokenKind kind, const char* what)
{
    if (Peek().Kind != kind) Fail(Peek().Line, std::string("expected ") + what);
    return Next();
}

void TDescriptionParser::ExpectSymbol(char symbol)
{
    if (!PeekSymbol(symbol)) Fail(Peek().Line, std::string("expected '") + symbol + "'");
    Next();
}

bool TDescriptionParser::PeekSymbol(char symbol) { return Peek().Kind == tkSymbol && Peek().Symbol == symbol; }

bool TDescriptionParser::PeekWord(std::string_view word)
{
    const auto& token = Peek();
    if (token.Kind != tkIdentifier || token.Text.size() != word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(token.Text[i])) != word[i]) return false;
    return true;
}

void TDescriptionParser::Fail(int line, const std::string& problem) const
{
    throw TDescriptionError(line, FRecord, FProperty, problem);
}

void TDescriptionParser::SkipBlanks()
{
    while (FPos < FText.size()) {
        const char c = FText[FPos];
        if (c == '\n') ++FLine;
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return;
        ++FPos;
    }
}

TDescriptionParser::TToken TDescriptionParser::Lex()
{
    SkipBlanks();
    if (FPos >= FText.size()) return {tkEnd, "", 0, 0, FLine, {}};
    const char c = FText[FPos];
    if (IsIdentStart(c)) return LexIdentifier();
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '-') return LexInteger();
    if (c == '\'') return LexString();
    if (c == '{') return LexBinary();
    if (c == '=' || c == ':' || c == '.' || c == ',' || c == '+' || c == '[' || c == ']' || c == '(' || c == ')') {
        ++FPos;
        return {tkSymbol, "", 0, c, FLine, {}};
    }
    Fail(FLine, "unexpected " + Printable(c));
}

TDescriptionParser::TToken TDescriptionParser::LexIdentifier()
{
    const std::size_t start = FPos;
    while (FPos < FText.size() && IsIdentChar(FText[FPos])) ++FPos;
    return {tkIdentifier, std::string(FText.substr(start, FPos - start)), 0, 0, FLine, {}};
}

TDescriptionParser::TToken TDescriptionParser::LexInteger()
{
    const bool negative = FText[FPos] == '-';
    if (negative) ++FPos;
    if (FPos >= FText.size() || !std::isdigit(static_cast<unsigned char>(FText[FPos])))
        Fail(FLine, "expected digits after '-'");
    unsigned long long magnitude = 0;
    const unsigned long long limit = static_cast<unsigned long long>(std::numeric_limits<long long>::max()) + 1;
    while (FPos < FText.size() && std::isdigit(static_cast<unsigned char>(FText[FPos]))) {
        const auto digit = static_cast<unsigned>(FText[FPos++] - '0');
        if (magnitude > (limit - digit) / 10) Fail(FLine, "integer out of range");
        magnitude = magnitude * 10 + digit;
    }
    if (FPos < FText.size() && IsIdentChar(FText[FPos])) Fail(FLine, "unexpected " + Printable(FText[FPos]) + " in a number");
    if (!negative && magnitude == limit) Fail(FLine, "integer out of range");
    const long long value = negative ? static_cast<long long>(0 - magnitude) : static_cast<long long>(magnitude);
    return {tkInteger, "", value, 0, FLine, {}};
}

TDescriptionParser::TToken TDescriptionParser::LexString()
{
    const int line = FLine;
    std::string text;
    ++FPos;
    for (;;) {
        if (FPos >= FText.size() || FText[FPos] == '\n') Fail(line, "string not closed on its line");
        const char c = FText[FPos++];
        if (c != '\'') {
            text += c;
            continue;
        }
        if (FPos < FText.size() && FText[FPos] == '\'') {
            text += '\'';
            ++FPos;
            continue;
        }
        return {tkString, std::move(text), 0, 0, line, {}};
    }
}

TDescriptionParser::TToken TDescriptionParser::LexBinary()
{
    const int line = FLine;
    std::vector<std::uint8_t> bytes;
    ++FPos;
    int high = -1;
    for (;;) {
        if (FPos >= FText.size()) Fail(line, "binary value not closed with '}'");
        const char c = FText[FPos++];
        if (c == '}') break;
        if (c == '\n') ++FLine;
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
        const int digit = HexDigit(c);
        if (digit < 0) Fail(FLine, "bad hex digit " + Printable(c) + " in a binary value");
        if (high < 0) {
            high = digit;
        } else {
            bytes.push_back(static_cast<std::uint8_t>(high << 4 | digit));
            high = -1;
        }
    }
    if (high >= 0) Fail(FLine, "odd number of hex digits in a binary value");
    TToken token{tkBinary, "", 0, 0, line, {}};
    token.Bytes = std::move(bytes);
    return token;
}
