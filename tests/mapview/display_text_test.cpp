// Turning stored bytes into shown text and typed text back into bytes.
#include "mapview/render/display_text.h"

#include "support/param_names.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane::testing {
namespace {

TEST(DisplayText, StoredBytesAreShownAsUtf8OrElseAsLatin1AndTypedTextStoredAsUtf8)
{
    // Plain, UTF-8, Latin-1, cut off, overlong, mixed, and a byte order mark (kept), as UTF-16 code units.
    const std::string bytes[] = {
        "Plain (1234) [PLAI]", "Gr\xC3\xB6\xC3\x9F\x65", "Gr\xF6\xDF\x65", "caf\xC3", "\xC0\xAF",
        "\xC3\xA9t\xE9",       "\xEF\xBB\xBFx"};
    const std::u16string shown[] = {u"Plain (1234) [PLAI]", u"Gr\u00f6\u00dfe",     u"Gr\u00f6\u00dfe", u"caf\u00c3",
                                    u"\u00c0\u00af",        u"\u00c3\u00a9t\u00e9", u"\ufeffx"};
    for (std::size_t i = 0; i < std::size(bytes); ++i)
        EXPECT_EQ(ToDisplayText(bytes[i]).toStdU16String(), shown[i]) << Quoted(bytes[i]);

    // Typed text is stored as UTF-8 and shown again unchanged.
    const QString typed = QString::fromUtf8(u8"Zw\u00f6lf \u00c6sir \u2014 \u6771 \U0001F43A");
    const std::string stored = FromUserText(typed);
    EXPECT_EQ(stored, "Zw\xC3\xB6lf \xC3\x86sir \xE2\x80\x94 \xE6\x9D\xB1 \xF0\x9F\x90\xBA");
    EXPECT_EQ(ToDisplayText(stored), typed);
}

}  // namespace
}  // namespace korvane::testing
