// The byte-exact rules of the text helpers and of record fields, which every reader depends on.
#include "core/field_cursor.h"
#include "core/text_helpers.h"

#include "support/param_names.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::Quoted;

TEST(Spaces, TrimKeepsLongTextTo2000AfterLeadingSpacesAndCharSetsReplaceCountAndSqueeze)
{
    using R = std::pair<const char*, const char*>;
    for (const auto& [text, trimmed] : {R("   ", ""), R("", ""), R("\tx ", "\tx"), R("  a b  ", "a b")})
        EXPECT_EQ(TrimSpaces(text), trimmed) << Quoted(text);
    const std::string body(3000, 'x');
    EXPECT_EQ(TrimSpaces(" " + body).size(), 2000u);
    EXPECT_EQ(TrimSpaces(body + "  ").size(), 3000u) << "text without leading spaces is never shortened";
    EXPECT_EQ(std::tuple(ReplaceCharSet("a,b,", MakeCharSet(","), ';'), ReplaceCharSet("a,,b", MakeCharSet(","), '\0'),
                         ReplaceCharSet("a\"b'c", MakeCharSet("\"'"), '_')),
              std::tuple("a;b;", "ab", "a_b_c"));
    EXPECT_EQ(std::tuple(CountLeadingSpaces("   x "), CountLeadingSpaces("    "), CountLeadingSpaces("\t x")),
              std::tuple(3, 4, 0));
    EXPECT_EQ(std::tuple(SqueezeSpaces("  a   b  "), SqueezeSpaces("   ")), std::tuple("a b", ""));
}

TEST(PosFrom, SearchesFromStartAndLastPosWithinEndsBeforeTheLimit)
{
    // A false start ("aab" in "aaab") must not skip the real hit.
    using R = std::tuple<int, std::string_view, std::string_view, int>;
    for (const auto& [from, what, text, at] :
         {R(5, "x", "abc", 0), R(2, "a", "aba", 3), R(4, "a", "aba", 0), R(1, "", "aba", 0), R(1, "ab", "xxab", 3),
          R(1, "aab", "aaab", 2), R(1, "abc", "ab", 0), R(3, "b,", "a,b,b,", 3),
          R(1, std::string_view("\0b", 2), std::string_view("a\0\0b", 4), 3)})
        EXPECT_EQ(PosFrom(from, what, text), at) << from << " " << Quoted(what) << " in " << Quoted(text);
    // The limit is lowered to the length; an occurrence must end at or before it.
    using L = std::tuple<int, const char*, const char*, int>;
    for (const auto& [limit, what, text, at] : {L(9, "(", "a (b) (12), z", 7), L(0, "(", "((", 0),
                                                L(100, "(", "a(b", 2), L(3, "bc", "abcbc", 2), L(2, "bc", "abcbc", 0)})
        EXPECT_EQ(LastPosWithin(limit, what, text), at) << limit << " " << what << " in " << text;
}

TEST(SplitString, GivesPiecesAndOverlappingSeparatorsGoOnOneCharacterAfterAHit)
{
    using R = std::tuple<const char*, const char*, std::vector<std::string>>;
    for (const auto& [text, separator, pieces] :
         {R("a,b,", ",", {"a", "b", ""}), R("abc", "^\"^", {"abc"}), R("", ",", {}), R(",", ",", {"", ""}),
          R(" a , b", ",", {" a ", " b"}), R("x^\"^y^\"^", "^\"^", {"x", "y", ""}),
          R("a\"b\"\"c", "\"", {"a", "b", "", "c"}), R("^\"^\"^", "^\"^", {"", "", ""})}) {
        std::vector<std::string> list{"stale"};
        EXPECT_EQ(SplitString(text, list, separator), static_cast<int>(pieces.size())) << Quoted(text);
        EXPECT_EQ(list, pieces) << Quoted(text) << " on " << Quoted(separator);
    }
}

TEST(Padding, WidthsOf256OrMoreAddNothing)
{
    EXPECT_EQ(std::tuple(PadRight("abcdef", 3, false), PadRight("abcdef", 3, true), PadRight("ab", 4, true),
                         PadRight("ab", 300, true)),
              std::tuple("abcdef", "abc", "ab  ", "ab"));
    EXPECT_EQ(std::tuple(PadLeft("7", '0', 3), PadLeft("1234", '0', 3), PadLeft("42", '0', 10), PadLeft("1", ' ', 300)),
              std::tuple("007", "123", "0000000042", "1"));
}

TEST(StrToIntLenient, ReadsTheLeadingNumberWrappingAt32Bits)
{
    using R = std::pair<const char*, std::int32_t>;
    for (const auto& [text, value] :
         {R("", 0), R("-42 silver", -42), R("-", 0), R(" 5", 0), R("+5", 0), R("12abc", 12), R("007", 7), R("--3", 0),
          R("2147483647", 2147483647), R("-2147483648", INT32_MIN), R("4294967296", 0), R("4294967297", 1),
          R("2147483648", INT32_MIN), R("99999999999999999999999", -159383553)})
        EXPECT_EQ(StrToIntLenient(text), value) << Quoted(text);
}

TEST(FieldCursor, EntriesTakeOnlyWholeEntriesUpToTheCount)
{
    using Entries = std::vector<std::vector<std::int32_t>>;
    // A count beyond the line reads what is there, leaving a partial entry; a bad count reads nothing.
    using R = std::tuple<const char*, std::size_t, Entries, const char*>;
    for (const auto& [line, width, expected, rest] :
         {R("2,1,2,3,4,9", 2, {{1, 2}, {3, 4}}, "9"), R("2000000000,1,2,3", 2, {{1, 2}}, "3"), R("-3,1,2", 1, {}, "1"),
          R("", 1, {}, "<end>"), R("x,5", 1, {}, "5")}) {
        std::vector<std::string_view> fields;
        SplitFields(line, ",", fields);
        FieldCursor cursor(fields);
        Entries entries;
        cursor.Entries(width, [&] {
            entries.emplace_back();
            for (std::size_t i = 0; i < width; ++i)
                entries.back().push_back(cursor.Number());
        });
        EXPECT_EQ(std::tuple(entries, cursor.Text("<end>")), std::tuple(expected, rest)) << line;
    }
}

}  // namespace
}  // namespace korvane
