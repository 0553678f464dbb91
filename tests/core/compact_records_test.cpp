// The compact parts of large records: lists holding their first entries inside, texts in one block.
#include "core/compact_text.h"
#include "core/short_text.h"
#include "core/small_vector.h"
#include "core/sparse_lines.h"
#include "core/sparse_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane {
namespace {

struct Pair
{
    int A = -1, B = 0;
    bool operator==(const Pair&) const = default;
};
using Pairs = SmallVector<Pair, 2>;

std::vector<Pair> Entries(const Pairs& list)
{
    return {list.begin(), list.end()};
}

// Every size around the inside room: filled, copied, moved, erased from, the order kept.
TEST(SmallVector, KeepsEntriesInOrderInsideAndInABlockAndGrowsFromItsOwnEntries)
{
    for (int count : {0, 1, 2, 3, 4, 5, 9, 40}) {
        SCOPED_TRACE(count);
        std::vector<Pair> expected;
        Pairs list;
        for (int i = 0; i < count; ++i) {
            expected.push_back({i, 10 * i});
            list.push_back(expected.back());
        }
        EXPECT_EQ(Entries(list), expected);

        Pairs copy = list;
        EXPECT_EQ(copy.capacity(), std::max<std::size_t>(2, static_cast<std::size_t>(count)));  // no slack
        copy = copy;  // NOLINT: copied, and assigning itself keeps the entries
        EXPECT_TRUE(copy == list);
        Pairs over{{9, 9}, {8, 8}, {7, 7}};
        over = list;
        EXPECT_EQ(Entries(over), expected);

        Pairs moved = std::move(copy);
        EXPECT_EQ(Entries(moved), expected);
        EXPECT_TRUE(copy.empty());  // NOLINT: the source is left empty, and usable
        copy.push_back({7, 7});
        EXPECT_EQ(Entries(copy), (std::vector<Pair>{{7, 7}}));

        if (count > 0) {
            moved.erase(moved.begin());
            EXPECT_EQ(Entries(moved), std::vector<Pair>(expected.begin() + 1, expected.end()));
            moved = std::move(list);
            EXPECT_EQ(moved.back(), expected.back());
        }
        moved.clear();
        EXPECT_TRUE(moved.empty());
    }
    // Growing from its own entries, assigning a list and reserving exactly.
    Pairs list{{1, 1}, {2, 2}};
    list.push_back(list[0]);  // the entry lies in the room that moves to a block
    list.push_back(list[2]);
    EXPECT_EQ(Entries(list), (std::vector<Pair>{{1, 1}, {2, 2}, {1, 1}, {1, 1}}));
    list = {{5, 5}};
    EXPECT_EQ(Entries(list), (std::vector<Pair>{{5, 5}}));
    Pairs reserved;
    reserved.reserve(7);
    EXPECT_EQ(reserved.capacity(), 7u);
}

// Every length around the room inside, copied, moved, and made shorter and longer in the room it has.
template <typename Text>
void CheckHoldsTextsAndReusesItsRoom()
{
    for (std::size_t length : {0, 1, 22, 23, 40, 5000}) {
        SCOPED_TRACE(length);
        const std::string text(length, static_cast<char>('a' + length % 26));
        Text held(text);
        EXPECT_EQ(held.View(), text);
        Text copy = held;
        EXPECT_EQ(copy, text);
        Text moved = std::move(copy);
        EXPECT_EQ(moved, text);
        EXPECT_TRUE(copy.empty());  // NOLINT: the source is left empty, and usable
        copy = "again";
        EXPECT_EQ(copy, "again");
        moved = held;
        EXPECT_EQ(moved, text);
    }
    Text text("a longer text than fits inside a record, then shorter ones");
    const char* letters = text.data();
    text = "short";
    text.assign(text.View().substr(1));  // from its own letters
    EXPECT_EQ(text, "hort");
    text.clear();
    EXPECT_TRUE(text.empty());
    text = "again";
    EXPECT_EQ(text.data(), letters);  // the same room throughout
    EXPECT_EQ(text.Str(), "again");
}

TEST(CompactAndShortText, HoldTextsAndReuseTheirRoom)
{
    CheckHoldsTextsAndReusesItsRoom<CompactText>();
    CheckHoldsTextsAndReusesItsRoom<ShortText>();
}

TEST(SparseTextsAndLines, EachTextOnItsOwnCopiedWholeAndLinesReadAsTheirVector)
{
    SparseTexts<3> texts;
    texts.Set(1, "middle");
    texts.Set(2, "last");
    SparseTexts<3> copy = texts;
    texts.Set(1, "");
    texts.Set(2, "");
    EXPECT_EQ(std::tuple(texts.Get(0), texts.Get(1), texts.Get(2)), std::tuple("", "", ""));
    EXPECT_EQ(std::tuple(copy.Get(0), copy.Get(1), copy.Get(2)), std::tuple("", "middle", "last"));
    copy = texts;
    EXPECT_EQ(copy.Get(1), "");

    SparseLines lines;
    EXPECT_TRUE(lines.View().empty());
    lines.push_back("WORK");
    SparseLines copied = lines;
    lines = {"MOVE N", "STUDY COMB"};
    EXPECT_EQ(lines, (std::vector<std::string>{"MOVE N", "STUDY COMB"}));
    EXPECT_EQ(copied, std::vector<std::string>{"WORK"});
    lines.clear();
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()), std::vector<std::string>{});
}

}  // namespace
}  // namespace korvane
