// Splitting record lines and reading their fields only as far as they are there.
#include "core/field_cursor.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

std::vector<std::string_view> Split(std::string_view line, std::string_view separator)
{
    std::vector<std::string_view> fields;
    SplitFields(line, separator, fields);
    return fields;
}

using Fields = std::vector<std::string_view>;

TEST(SplitFields, SplitsAsSplitStringForOneAndSeveralCharacters)
{
    // An empty line has no fields; a partial separator splits nothing.
    EXPECT_EQ(std::tuple(Split("", ","), Split(",", ","), Split("1,,x,", ","), Split("1^\"^ a ^\"^", "^\"^"),
                         Split("a^b^c", "^\"^")),
              std::tuple(Fields{}, Fields{"", ""}, Fields{"1", "", "x", ""}, Fields{"1", " a ", ""}, Fields{"a^b^c"}));
    // The shared splitting rule: an overlapping second separator gives an empty field.
    for (std::string_view line : {"a^\"^\"^b", "^\"^", "x\"\"y"}) {
        for (std::string_view separator : {"^\"^", "\""}) {
            std::vector<std::string> expected;
            SplitString(line, expected, separator);
            const Fields fields = Split(line, separator);
            EXPECT_EQ(std::vector<std::string>(fields.begin(), fields.end()), expected) << line << " at " << separator;
        }
    }
}

TEST(FieldCursor, MissingTrailingFieldsReadAsEmptyOrTheFallback)
{
    const Fields fields = Split("7,name", ",");
    FieldCursor cursor(fields);
    EXPECT_TRUE(cursor.Has(2) && !cursor.Has(3));
    EXPECT_EQ(cursor.Number(-1), 7);
    EXPECT_EQ(cursor.Text("Unknown"), "name");
    EXPECT_FALSE(cursor.Has());
    EXPECT_EQ(std::tuple(cursor.Number(), cursor.Number(-1), cursor.Text(), cursor.Text("Unknown"), cursor.Field()),
              std::tuple(0, -1, "", "Unknown", std::string_view()));

    FieldCursor skipping(fields);
    skipping.Skip(1);
    EXPECT_EQ(skipping.Text(), "name");
    skipping.Skip(5);
    EXPECT_FALSE(skipping.Has()) << "skipping past the end stops there";
}

using Entries = std::vector<std::vector<std::int32_t>>;

// Runs Entries once: the fields each entry read, and what follows.
std::tuple<Entries, std::string> ReadEntries(std::string_view line, std::size_t width)
{
    const Fields fields = Split(line, ",");
    FieldCursor cursor(fields);
    Entries entries;
    cursor.Entries(width, [&] {
        entries.emplace_back();
        for (std::size_t i = 0; i < width; ++i)
            entries.back().push_back(cursor.Number());
    });
    return {entries, cursor.Text("<end>")};
}

TEST(FieldCursor, EntriesTakeOnlyWholeEntriesUpToTheCount)
{
    // A count beyond the line reads what is there, leaving a partial entry; a bad count reads nothing.
    using R = std::tuple<const char*, std::size_t, Entries, const char*>;
    for (const auto& [line, width, entries, rest] :
         {R("2,1,2,3,4,9", 2, {{1, 2}, {3, 4}}, "9"), R("2000000000,1,2,3", 2, {{1, 2}}, "3"), R("-3,1,2", 1, {}, "1"),
          R("", 1, {}, "<end>"), R("x,5", 1, {}, "5")})
        EXPECT_EQ(ReadEntries(line, width), std::tuple(entries, rest)) << line;
}

}  // namespace
}  // namespace korvane
