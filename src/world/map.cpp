// The world database: the grid, its coordinate rules and vocabulary look-ups.
#include "world/map.h"

#include "core/text_helpers.h"
#include "world/vocabulary.h"

#include <cstdint>
#include <limits>
#include <utility>

namespace korvane {

TMap::TMap()
    : SectionKeywords(BuiltInSectionKeywords())
    , TerrainList(BuiltInTerrainNames())
    , RegionList{"Unknown"}
    , RaceList{"Unknown"}
    , StructureTypes(BuiltInStructureTypes())
{
}

TMap::~TMap() = default;

bool TMap::IsValidPosition(int level, int x, int y)
{
    return (level == kOverworld || level == kUnderworld) && x >= 0 && x <= kMaxX && y >= 0 && y <= kMaxY
        && (x + y) % 2 == 0;
}

const TMapCell* TMap::Cell(int level, int x, int y) const
{
    if (!IsValidPosition(level, x, y))
        return nullptr;
    const Column* column = columns_[ColumnIndex(level, x)].get();
    return column ? column->Cells[SlotInColumn(y)].get() : nullptr;
}

TMapCell* TMap::Cell(int level, int x, int y)
{
    return const_cast<TMapCell*>(std::as_const(*this).Cell(level, x, y));
}

TMapCell* TMap::EnsureCell(int level, int x, int y)
{
    if (!IsValidPosition(level, x, y))
        return nullptr;
    auto& column = columns_[ColumnIndex(level, x)];
    if (!column)
        column = std::make_unique<Column>();
    auto& slot = column->Cells[SlotInColumn(y)];
    if (!slot) {
        slot = std::make_unique<TMapCell>();
        ++column->Count;
        ++rowCounts_[RowIndex(level, y)];
        ++cellCount_;
    }
    slot->X = x;
    slot->Y = y;
    slot->Level = level;
    return slot.get();
}

void TMap::RemoveCell(int level, int x, int y)
{
    if (!IsValidPosition(level, x, y))
        return;
    // The column stays, though it may now be empty: a walk may be passing through it.
    Column* column = columns_[ColumnIndex(level, x)].get();
    if (!column || !column->Cells[SlotInColumn(y)])
        return;
    column->Cells[SlotInColumn(y)].reset();
    --column->Count;
    --rowCounts_[RowIndex(level, y)];
    --cellCount_;
    NoteChange();
}

void TMap::UnderToGrid(int& x, int& y)
{
    // Typed or read coordinates far off the grid stay off it, rather than wrapping onto it.
    auto offGridWhenTooLarge = [](std::int64_t value) {
        return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max()
            ? static_cast<int>(value)
            : -1;
    };
    x = offGridWhenTooLarge(2 * std::int64_t{x});
    y = offGridWhenTooLarge(2 * std::int64_t{y} + 2);
}

void TMap::GridToUnder(int& x, int& y)
{
    x = x / 2;
    y = (y - 2) / 2;
}

int TMap::UnderCellKind(int x, int y)
{
    const int xm = ((x % 4) + 4) % 4;
    const int ym = ((y % 4) + 4) % 4;
    if (xm % 2 == 0) {
        const bool hex = (xm == 0 && ym == 2) || (xm == 2 && ym == 0);
        return hex ? 0 : 1;
    }
    if (xm == 3)
        return ym == 1 ? 3 : 2;
    return ym == 1 ? 2 : 3;
}

void TMap::Clear()
{
    for (auto& column : columns_)
        column.reset();
    rowCounts_.fill(0);
    cellCount_ = 0;
    NoteChange();
}

int TMap::TerrainIndex(std::string_view word) const
{
    std::string name = LowerCase(word);
    if (name.rfind("under", 0) == 0)
        name.erase(0, 5);
    const int index = TerrainList.IndexOf(name);
    return index < 0 ? kTerrainUnknown : index;
}

}  // namespace korvane
