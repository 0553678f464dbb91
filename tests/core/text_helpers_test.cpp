// The byte-exact rules of the text helpers, which every reader depends on.
#include "core/text_helpers.h"

#include "support/param_names.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::NameFromText;
using testing::Quoted;

TEST(TrimSpaces, OnlySpacesAreBlankAndLongTextIsKeptTo2000AfterLeadingSpaces)
{
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_EQ(TrimSpaces(""), "");
    EXPECT_EQ(TrimSpaces("\tx "), "\tx");
    EXPECT_EQ(TrimSpaces("  a b  "), "a b");
    const std::string body(3000, 'x');
    EXPECT_EQ(TrimSpaces(" " + body).size(), 2000u);
    EXPECT_EQ(TrimSpaces(body + "  ").size(), 3000u) << "text without leading spaces is never shortened";
}

TEST(PosFrom, SearchesFromStart)
{
    EXPECT_EQ(PosFrom(5, "x", "abc"), 0);
    EXPECT_EQ(PosFrom(2, "a", "aba"), 3);
    EXPECT_EQ(PosFrom(4, "a", "aba"), 0);
    EXPECT_EQ(PosFrom(1, "", "aba"), 0);
    EXPECT_EQ(PosFrom(1, "ab", "xxab"), 3);
    EXPECT_EQ(PosFrom(1, "aab", "aaab"), 2) << "a false start must not skip the real hit";
    EXPECT_EQ(PosFrom(1, "abc", "ab"), 0);
    EXPECT_EQ(PosFrom(3, "b,", "a,b,b,"), 3);
    EXPECT_EQ(PosFrom(1, std::string_view("\0b", 2), std::string_view("a\0\0b", 4)), 3);
}

TEST(LastPosWithin, FindsLastOccurrenceEndingBeforeLimit)
{
    EXPECT_EQ(LastPosWithin(9, "(", "a (b) (12), z"), 7);
    EXPECT_EQ(LastPosWithin(0, "(", "(("), 0);
    EXPECT_EQ(LastPosWithin(100, "(", "a(b"), 2) << "limit is lowered to the length";
    EXPECT_EQ(LastPosWithin(3, "bc", "abcbc"), 2);
    EXPECT_EQ(LastPosWithin(2, "bc", "abcbc"), 0) << "an occurrence must end at or before the limit";
}

struct SplitCase
{
    const char* text;
    const char* separator;
    std::vector<std::string> pieces;
};

void PrintTo(const SplitCase& c, std::ostream* os)
{
    *os << Quoted(c.text) << " split on " << Quoted(c.separator) << " -> " << ::testing::PrintToString(c.pieces);
}

class SplitStringTest : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitStringTest, GivesPieces)
{
    const auto& c = GetParam();
    std::vector<std::string> list{"stale"};
    EXPECT_EQ(SplitString(c.text, list, c.separator), static_cast<int>(c.pieces.size())) << c.text;
    EXPECT_EQ(list, c.pieces) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitStringTest,
    ::testing::Values(SplitCase{"a,b,", ",", {"a", "b", ""}}, SplitCase{"abc", "^\"^", {"abc"}}, SplitCase{"", ",", {}},
                      SplitCase{",", ",", {"", ""}}, SplitCase{" a , b", ",", {" a ", " b"}},
                      SplitCase{"x^\"^y^\"^", "^\"^", {"x", "y", ""}},
                      SplitCase{"a\"b\"\"c", "\"", {"a", "b", "", "c"}},
                      // Overlapping separators: the search goes on one character after a hit's start.
                      SplitCase{"^\"^\"^", "^\"^", {"", "", ""}}),
    // Separators are the point here, so every one is spelled out: "a_Comma_b_Comma".
    [](const auto& info) { return NameFromText(info.param.text, testing::Spell::All); });

TEST(Padding, WidthsOf256OrMoreAddNothing)
{
    EXPECT_EQ(PadRight("abcdef", 3, false), "abcdef");
    EXPECT_EQ(PadRight("abcdef", 3, true), "abc");
    EXPECT_EQ(PadRight("ab", 4, true), "ab  ");
    EXPECT_EQ(PadRight("ab", 300, true), "ab");

    EXPECT_EQ(PadLeft("7", '0', 3), "007");
    EXPECT_EQ(PadLeft("1234", '0', 3), "123");
    EXPECT_EQ(PadLeft("42", '0', 10), "0000000042");
    EXPECT_EQ(PadLeft("1", ' ', 300), "1") << "256 or more fill characters add nothing";
}

TEST(CharsAndSpaces, ReplaceCountAndSqueeze)
{
    EXPECT_EQ(ReplaceCharSet("a,b,", MakeCharSet(","), ';'), "a;b;");
    EXPECT_EQ(ReplaceCharSet("a,,b", MakeCharSet(","), '\0'), "ab");
    EXPECT_EQ(ReplaceCharSet("a\"b'c", MakeCharSet("\"'"), '_'), "a_b_c");
    EXPECT_EQ(CountLeadingSpaces("   x "), 3);
    EXPECT_EQ(CountLeadingSpaces("    "), 4);
    EXPECT_EQ(CountLeadingSpaces("\t x"), 0);
    EXPECT_EQ(SqueezeSpaces("  a   b  "), "a b");
    EXPECT_EQ(SqueezeSpaces("   "), "");
}

struct NumberCase
{
    const char* text;
    std::int32_t value;
};

void PrintTo(const NumberCase& c, std::ostream* os)
{
    *os << Quoted(c.text) << " -> " << c.value;
}

class StrToIntLenientTest : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P(StrToIntLenientTest, ReadsLeadingNumber)
{
    EXPECT_EQ(StrToIntLenient(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, StrToIntLenientTest,
                         ::testing::Values(NumberCase{"", 0}, NumberCase{"-42 silver", -42}, NumberCase{"-", 0},
                                           NumberCase{" 5", 0}, NumberCase{"+5", 0}, NumberCase{"12abc", 12},
                                           NumberCase{"007", 7}, NumberCase{"--3", 0},
                                           NumberCase{"2147483647", 2147483647}, NumberCase{"-2147483648", INT32_MIN},
                                           NumberCase{"4294967296", 0}, NumberCase{"4294967297", 1},
                                           NumberCase{"2147483648", INT32_MIN},
                                           NumberCase{"99999999999999999999999", -159383553}),
                         [](const auto& info) { return NameFromText(info.param.text); });

}  // namespace
}  // namespace korvane
