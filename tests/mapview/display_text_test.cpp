// Turning stored bytes into shown text and typed text back into bytes.
#include "mapview/render/display_text.h"

#include "support/param_names.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane::testing {
namespace {

struct DecodeCase
{
    const char* name;
    std::string bytes;
    const char16_t* shown;
};

// The shown text as UTF-16 code units, so a byte read as Latin-1 stands apart from a decoded one.
void PrintTo(const DecodeCase& c, std::ostream* os)
{
    *os << Quoted(c.bytes) << " -> " << ::testing::PrintToString(std::u16string(c.shown));
}

class ToDisplayTextTable : public ::testing::TestWithParam<DecodeCase>
{
};

TEST_P(ToDisplayTextTable, Decodes)
{
    EXPECT_EQ(ToDisplayText(GetParam().bytes), QStringView(GetParam().shown).toString());
}

// Every byte string that is not UTF-8 is Latin-1, one character per byte. A byte order mark is
// kept: dropping it would make a shown-and-stored-again line one character shorter.
INSTANTIATE_TEST_SUITE_P(DisplayText, ToDisplayTextTable,
                         ::testing::Values(DecodeCase{"Ascii", "Plain (1234) [PLAI]", u"Plain (1234) [PLAI]"},
                                           DecodeCase{"Utf8",
                                                      "Gr\xC3\xB6\xC3\x9F"
                                                      "e",
                                                      u"Gr\u00f6\u00dfe"},
                                           DecodeCase{"Latin1",
                                                      "Gr\xF6\xDF"
                                                      "e",
                                                      u"Gr\u00f6\u00dfe"},
                                           DecodeCase{"CutOffAtTheEnd", "caf\xC3", u"caf\u00c3"},
                                           DecodeCase{"Overlong", "\xC0\xAF", u"\u00c0\u00af"},
                                           DecodeCase{"MostlyUtf8OneBadByte", "\xC3\xA9t\xE9", u"\u00c3\u00a9t\u00e9"},
                                           DecodeCase{"ByteOrderMark", "\xEF\xBB\xBFx", u"\ufeffx"}),
                         NameField());

TEST(DisplayText, TypedTextIsStoredAsUtf8AndShownAgainUnchanged)
{
    const QString typed = QString::fromUtf8(u8"Zw\u00f6lf \u00c6sir \u2014 \u6771 \U0001F43A");
    const std::string stored = FromUserText(typed);
    EXPECT_EQ(stored, "Zw\xC3\xB6lf \xC3\x86sir \xE2\x80\x94 \xE6\x9D\xB1 \xF0\x9F\x90\xBA");
    EXPECT_EQ(ToDisplayText(stored), typed);
}

}  // namespace
}  // namespace korvane::testing
