#include <gtest/gtest.h>

#include "gui/descriptionerror.h"
#include "gui/descriptionparser.h"

namespace {

TDescriptionRecord Parse(const std::string& text) { return TDescriptionParser(text).Parse(); }

TEST(DescriptionParser, ReadsEveryKindOfValueInOrder)
{
    const auto root = Parse(
        "object Main: TForm\n"
        "  Left = -12\n"
        "  Caption = 'It''s ' + 'joined'\n"
        "  Align = alClient\n"
        "  Font.Style = [fsBold, fsItalic]\n"
        "  Empty = []\n"
        "  Lines = (\n"
        "    'one'\n"
        "    'two')\n"
        "  Data = {\n"
        "    0aFF\n"
        "    10}\n"
        "  object Child: TLabel\n"
        "  end\n"
        "end\n");
    EXPECT_EQ(root.Name, "Main");
    EXPECT_EQ(root.Kind, "TForm");
    ASSERT_EQ(root.Settings.size(), 7u);
    EXPECT_EQ(root.Settings[0].Value.Integer, -12);
    EXPECT_EQ(root.Settings[1].Value.Text, "It's joined");
    EXPECT_EQ(root.Settings[2].Value.Kind, TDescriptionValue::vkIdentifier);
    EXPECT_EQ(root.Settings[3].Property, "Font.Style");
    EXPECT_EQ(root.Settings[3].Value.Items, (std::vector<std::string>{"fsBold", "fsItalic"}));
    EXPECT_TRUE(root.Settings[4].Value.Items.empty());
    EXPECT_EQ(root.Settings[5].Value.Items, (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(root.Settings[6].Value.Bytes, (std::vector<std::uint8_t>{0x0A, 0xFF, 0x10}));
    EXPECT_EQ(root.Settings[6].Line, 10);
    ASSERT_EQ(root.Children.size(), 1u);
    EXPECT_EQ(root.Children[0].Line, 13);
}

struct TMalformedCase {
    const char* text;
    int line;
    const char* problem;
};

const TMalformedCase kMalformed[] = {
    {"", 1, "expected 'object'"},
    {"object A: TForm\n", 2, "'A' has no 'end'"},
    {"object A TForm\nend\n", 1, "expected ':'"},
    {"object A: TForm\n  Left 3\nend\n", 2, "expected '='"},
    {"object A: TForm\n  Left =\nend\n", 3, "expected a value"},
    {"object A: TForm\n  Caption = 'open\nend\n", 2, "string not closed"},
    {"object A: TForm\n  Data = {0A 1}\nend\n", 2, "odd number of hex digits"},
    {"object A: TForm\n  Data = {0A\n  XY}\nend\n", 3, "bad hex digit 'X'"},
    {"object A: TForm\n  Data = {0A0B\n", 2, "binary value not closed"},
    {"object A: TForm\n  Left = 99999999999999999999\nend\n", 2, "integer out of range"},
    {"object A: TForm\n  Left = 12ab\nend\n", 2, "in a number"},
    {"object A: TForm\n  Set = [a b]\nend\n", 2, "expected ','"},
    {"object A: TForm\n  Lines = ('a' 3)\nend\n", 2, "expected a string or ')'"},
    {"object A: TForm\nend\nobject B: TForm\nend\n", 3, "unexpected text after the final 'end'"},
    {"object A: TForm\n  Left = 1 \x01\nend\n", 2, "unexpected byte 0x01"},
};

TEST(DescriptionParser, NamesTheLineAndTheProblemOfMalformedText)
{
    for (const auto& c : kMalformed) {
        SCOPED_TRACE(c.text);
        try {
            Parse(c.text);
            ADD_FAILURE() << "no error";
        } catch (const TDescriptionError& error) {
            EXPECT_EQ(error.Line(), c.line);
            EXPECT_NE(std::string(error.what()).find(c.problem), std::string::npos) << error.what();
        }
    }
}

TEST(DescriptionParser, RefusesNestingBeyondAnyRealWindow)
{
    std::string text;
    for (int i = 0; i < 200; ++i) text += "object A" + std::to_string(i) + ": TPanel\n";
    EXPECT_THROW(Parse(text), TDescriptionError);
}

} // namespace
