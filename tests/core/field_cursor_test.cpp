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
    EXPECT_TRUE(Split("", ",").empty()) << "an empty line has no fields";
    EXPECT_EQ(Split(",", ","), (Fields{"", ""}));
    EXPECT_EQ(Split("1,,x,", ","), (Fields{"1", "", "x", ""}));
    EXPECT_EQ(Split("1^\"^ a ^\"^", "^\"^"), (Fields{"1", " a ", ""}));
    EXPECT_EQ(Split("a^b^c", "^\"^"), (Fields{"a^b^c"})) << "a partial separator splits nothing";
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
    EXPECT_TRUE(cursor.Has(2));
    EXPECT_FALSE(cursor.Has(3));
    EXPECT_EQ(cursor.Number(-1), 7);
    EXPECT_EQ(cursor.Text("Unknown"), "name");
    EXPECT_FALSE(cursor.Has());
    EXPECT_EQ(cursor.Number(), 0);
    EXPECT_EQ(cursor.Number(-1), -1);
    EXPECT_EQ(cursor.Text(), "");
    EXPECT_EQ(cursor.Text("Unknown"), "Unknown");
    EXPECT_TRUE(cursor.Field().empty());

    FieldCursor skipping(fields);
    skipping.Skip(1);
    EXPECT_EQ(skipping.Text(), "name");
    skipping.Skip(5);
    EXPECT_FALSE(skipping.Has()) << "skipping past the end stops there";
}

// Runs Entries once and gives back the fields each entry read, and what follows.
struct EntriesRead
{
    std::vector<std::vector<std::int32_t>> entries;
    std::string rest;
};

EntriesRead ReadEntries(std::string_view line, std::size_t width)
{
    const Fields fields = Split(line, ",");
    FieldCursor cursor(fields);
    EntriesRead read;
    cursor.Entries(width, [&] {
        std::vector<std::int32_t> entry;
        for (std::size_t i = 0; i < width; ++i)
            entry.push_back(cursor.Number());
        read.entries.push_back(entry);
    });
    read.rest = cursor.Text("<end>");
    return read;
}

TEST(FieldCursor, EntriesTakeOnlyWholeEntriesUpToTheCount)
{
    using Entries = std::vector<std::vector<std::int32_t>>;
    EXPECT_EQ(ReadEntries("2,1,2,3,4,9", 2).entries, (Entries{{1, 2}, {3, 4}}));
    EXPECT_EQ(ReadEntries("2,1,2,3,4,9", 2).rest, "9") << "the count bounds what is taken";

    const EntriesRead tooMany = ReadEntries("2000000000,1,2,3", 2);
    EXPECT_EQ(tooMany.entries, (Entries{{1, 2}})) << "a stated count beyond the line reads what is there";
    EXPECT_EQ(tooMany.rest, "3") << "a partial entry is left for the next reader";

    EXPECT_TRUE(ReadEntries("-3,1,2", 1).entries.empty());
    EXPECT_EQ(ReadEntries("-3,1,2", 1).rest, "1");
    EXPECT_TRUE(ReadEntries("", 1).entries.empty());
    EXPECT_EQ(ReadEntries("", 1).rest, "<end>") << "no count, nothing read";
    EXPECT_EQ(ReadEntries("x,5", 1).rest, "5") << "an unreadable count is 0";
}

}  // namespace
}  // namespace korvane
