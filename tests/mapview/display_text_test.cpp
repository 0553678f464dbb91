// Turning stored bytes into shown text and typed text back into bytes.
#include "mapview/render/display_text.h"

#include "support/param_names.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane::testing {
namespace {

TEST(DisplayText, StoredBytesAreShownAsUtf8OrElseAsLatin1)
{
    // Compared as UTF-16 code units, so a byte read as Latin-1 stands apart from a decoded one.
    // A byte order mark is kept: dropping it would make a shown-and-stored-again line shorter.
    const std::pair<std::string, std::u16string> cases[] = {{"Plain (1234) [PLAI]", u"Plain (1234) [PLAI]"},
                                                            {"Gr\xC3\xB6\xC3\x9F"
                                                             "e",
                                                             u"Gr\u00f6\u00dfe"},
                                                            {"Gr\xF6\xDF"
                                                             "e",
                                                             u"Gr\u00f6\u00dfe"},
                                                            {"caf\xC3", u"caf\u00c3"},  // cut off at the end
                                                            {"\xC0\xAF", u"\u00c0\u00af"},  // overlong
                                                            {"\xC3\xA9t\xE9", u"\u00c3\u00a9t\u00e9"},
                                                            {"\xEF\xBB\xBFx", u"\ufeffx"}};
    for (const auto& [bytes, shown] : cases)
        EXPECT_EQ(ToDisplayText(bytes).toStdU16String(), shown) << Quoted(bytes);
}

TEST(DisplayText, TypedTextIsStoredAsUtf8AndShownAgainUnchanged)
{
    const QString typed = QString::fromUtf8(u8"Zw\u00f6lf \u00c6sir \u2014 \u6771 \U0001F43A");
    const std::string stored = FromUserText(typed);
    EXPECT_EQ(stored, "Zw\xC3\xB6lf \xC3\x86sir \xE2\x80\x94 \xE6\x9D\xB1 \xF0\x9F\x90\xBA");
    EXPECT_EQ(ToDisplayText(stored), typed);
}

}  // namespace
}  // namespace korvane::testing
