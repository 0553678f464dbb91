// TMap: the world database: the grid of hex cells on both levels, the game vocabulary that
// cells point into, and the latest record of every unit.
#pragma once

#include "core/pointed_files.h"
#include "core/refused_files.h"
#include "people/unit_list.h"
#include "world/map_cell.h"
#include "world/name_list.h"
#include "world/product_code_list.h"
#include "world/study_limits.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace korvane {

class TFactionList;
class TKeyStringList;
class TrecINI;

/// Positions of the feature icons in TMap::MapIcons.
enum MapIconIndex { kIconCity = 0, kIconTown = 1, kIconVillage = 2, kIconGate = 3, kIconShaft = 4, kIconOther = 5 };

class TMap
{
public:
    static constexpr int kLevels = 2;
    static constexpr int kMaxX = 320;
    static constexpr int kMaxY = 192;
    static constexpr int kOverworld = 0;
    static constexpr int kUnderworld = 1;

    TMap();
    ~TMap();
    TMap(const TMap&) = delete;
    TMap& operator=(const TMap&) = delete;

    /// True for a position that can hold a cell: level 0 or 1, x 0..320, y 0..192, x + y even.
    static bool IsValidPosition(int level, int x, int y);

    /// The cell at a position; null when nothing is known there or the position is not valid.
    const TMapCell* Cell(int level, int x, int y) const;
    TMapCell* Cell(int level, int x, int y);
    /// The cell at a valid position, created when missing, with its X, Y and Level set.
    /// Null for a position that cannot hold a cell.
    TMapCell* EnsureCell(int level, int x, int y);
    /// Frees the cell at a position, if there is one.
    void RemoveCell(int level, int x, int y);

    /// Underworld game coordinates to grid coordinates and back, in place; a coordinate too far
    /// off the grid to double becomes -1, off the grid still.
    static void UnderToGrid(int& x, int& y);
    static void GridToUnder(int& x, int& y);
    /// 0 for an underworld hex, 1 North/South pathway, 2 North East/South West, 3 South East/North West.
    static int UnderCellKind(int x, int y);

    /// Frees every cell of both levels.
    void Clear();
    int CellCount() const { return cellCount_; }

    /// Visits every cell: level 0 then 1, x ascending, y ascending within x (the order of saves).
    template <typename F>
    void ForEachCell(F&& f) const
    {
        VisitByColumns(*this, f);
    }
    template <typename F>
    void ForEachCell(F&& f)
    {
        VisitByColumns(*this, f);
    }

    /// Visits every cell: level, then y ascending, x ascending within y (the order of searches).
    template <typename F>
    void ForEachCellByRows(F&& f) const
    {
        VisitByRows(*this, f);
    }
    template <typename F>
    void ForEachCellByRows(F&& f)
    {
        VisitByRows(*this, f);
    }

    /// After an import or a turn step: the player's own units it did not see are gone and leave
    /// the unit list, unless their record is from a later turn than the seen marks'; other
    /// factions' unseen units stay, and all of those last known in a hex that lists no units of
    /// the turn are shown there.
    void ReconcileUnseenUnits(std::int32_t ownFaction, const TFactionList& factions, const TKeyStringList& skills);

    // Reading regions, from turn reports, exits, movement texts and data files.
    /// x, y and the level flag of the first "(...)" group: -1, -1, 0 when absent; a third
    /// element makes it the underworld.
    static void ParseCoords(std::string_view text, int& x, int& y, int& level);
    /// Reads a region text ("forest (3,5) in Lavan, contains ..."), creating or updating its
    /// cell; gives the cell's level and grid position, or false when it names no valid hex.
    bool ParseRegionHeader(std::string_view text, int& level, int& x, int& y);
    /// The neighbour of a grid position in direction 1 (north) to 6 (northwest); other codes
    /// leave x and y unchanged.
    static void NeighbourCoords(int& x, int& y, int direction);
    /// Empties the unit list of every cell; markets and everything else stay.
    void ClearCellLists();

    /// A unit seen in `cell` in the turn shown: it joins the cell's units, and a copy of it the
    /// map's unit records (where it replaces an older record), which mark it seen there.
    void AddSeenUnit(TMapCell& cell, std::unique_ptr<TUnit> unit, std::int32_t ownFaction, const TFactionList& factions,
                     const TKeyStringList& skills);

    /// Every unit shown in the turn, hex by hex (level, then rows, then columns), as lines of the
    /// all-units list: the unit line head, the position "(x,y)" or "(x,y,u)" and its structure.
    /// `men` gets the men of the units listed. The faction filter is that of the unit lists.
    /// `keys`, when given, gets each line's unit and the hex it was listed in.
    std::vector<std::string> ListAllUnits(int factionFilter, const TKeyStringList& troops, std::int64_t& men,
                                          std::vector<UnitLineKey>* keys = nullptr) const;

    /// Terrain code of a report word: a leading "under" is dropped ("underforest" is Forest),
    /// case is ignored, and unknown words give 0 ("Unknown").
    int TerrainIndex(std::string_view word) const;

    /// Reads "Terrain.dat", "Regions.dat", "Races.dat", "Weather.dat" and "Products.dat" from
    /// `dir`; a missing file leaves its list with its built-in entries. So does one that exists
    /// but cannot be read, and it is named in UnreadReferenceFiles. The study limits are read
    /// alike, from kStudyLimitsFile, empty without it.
    void LoadReferenceLists(const std::string& dir, const TrecINI& settings);
    /// What writes those five files into `dir`, one entry per file, in the order above.
    std::vector<FileWrite> ReferenceListWrites(const std::string& dir, const TrecINI& settings) const;
    /// Writes those five files into `dir`, each even when an earlier one failed; the first failure.
    FileResult SaveReferenceLists(const std::string& dir, const TrecINI& settings) const;
    /// What writes the study limits into `dir`. Nothing points into them, so they are written
    /// beside the reference lists, not before the cells.
    FileWrite StudyLimitsWrite(const std::string& dir) const;

    // The player's terrain colours and feature icons. Colours are 24-bit, red in the low byte.
    /// The colour of terrain `index`; grey (0x808080) for a terrain the list has no entry for.
    std::int32_t TerrainColour(int index) const;
    /// Sets an existing entry; the list is never extended, so other indexes change nothing.
    void SetTerrainColour(int index, std::int32_t colour);
    /// The style of feature icon `icon` (a MapIconIndex): the number before the entry's first
    /// comma, 0 when it has none; 10 for an icon the list has no entry for.
    int IconStyle(int icon) const;
    /// The colour of feature icon `icon`: the number in the first 20 characters after the
    /// entry's first comma, or from its start when it has none; 255 when there is no entry.
    std::int32_t IconColour(int icon) const;
    /// Replace one part of an existing icon entry, keeping the other; nothing out of range.
    void SetIconStyle(int icon, int style);
    void SetIconColour(int icon, std::int32_t colour);
    /// The 13 built-in terrain colours and the six built-in feature icons, which a new map has.
    void SetDefaultColourLists();
    static std::vector<std::string> DefaultTerrainColours();
    static std::vector<std::string> DefaultMapIcons();
    /// Reads "Colours.dat" and "MapIcons.dat" from `dir`, each file's lines replacing its list
    /// unchecked; a file that is missing gives its list the built-in entries, and so does one
    /// that exists but cannot be read, named then in UnreadColourFiles.
    void LoadColourLists(const std::string& dir, const TrecINI& settings);
    /// Writes both lists into `dir`, the second even when the first failed; the first failure.
    FileResult SaveColourLists(const std::string& dir, const TrecINI& settings) const;
    /// The two halves of SaveColourLists.
    FileResult SaveTerrainColours(const std::string& dir, const TrecINI& settings) const;
    FileResult SaveMapIcons(const std::string& dir, const TrecINI& settings) const;

    NameList SectionKeywords;
    NameList TerrainList;
    NameList RegionList;
    NameList RaceList;
    NameList WeatherList;
    ProductCodeList ProductList;
    /// How far each race the reports described may study.
    TStudyLimits StudyLimits;
    NameList StructureTypes;
    /// The reference files of the last LoadReferenceLists that exist but could not be read.
    std::vector<std::string> UnreadReferenceFiles;
    /// The colour and icon files of the last LoadColourLists that exist but could not be read.
    std::vector<std::string> UnreadColourFiles;
    /// Entry i: the decimal colour of terrain index i.
    std::vector<std::string> TerrainColours = DefaultTerrainColours();
    /// Entry i: the style number, a comma and the decimal colour of feature icon i.
    std::vector<std::string> MapIcons = DefaultMapIcons();

    /// The latest record of every unit known, with its orders.
    TUnitList UnitFileList;

    /// Counts the changes made to the world wholesale: clearing it, removing a cell, emptying the
    /// hexes' unit lists, changing a terrain colour or feature icon, merging an exchange file.
    /// A picture drawn at an older count is stale. Single hexes edited in a window are not
    /// counted: the window that edited them asks for the map to be drawn again.
    std::uint64_t Generation() const { return generation_; }
    void NoteChange() { ++generation_; }

private:
    /// The cells of one column of one level. Only positions with x + y even hold cells, so a
    /// column keeps one slot per such y, at y / 2, in ascending y.
    struct Column
    {
        std::array<std::unique_ptr<TMapCell>, kMaxY / 2 + 1> Cells;
        int Count = 0;
    };

    static std::size_t ColumnIndex(int level, int x)
    {
        return static_cast<std::size_t>(level) * (kMaxX + 1) + static_cast<std::size_t>(x);
    }
    static std::size_t RowIndex(int level, int y)
    {
        return static_cast<std::size_t>(level) * (kMaxY + 1) + static_cast<std::size_t>(y);
    }
    static std::size_t SlotInColumn(int y) { return static_cast<std::size_t>(y / 2); }

    // The walks for a const and a mutable map alike: a const map hands out const cells.
    template <typename Self>
    using CellOf = std::conditional_t<std::is_const_v<Self>, const TMapCell, TMapCell>;
    template <typename Self, typename F>
    static void VisitByColumns(Self& self, F& f)
    {
        for (int level = 0; level < kLevels; ++level)
            for (int x = 0; x <= kMaxX; ++x)
                if (const Column* column = self.columns_[ColumnIndex(level, x)].get(); column && column->Count > 0)
                    for (const auto& cell : column->Cells)
                        if (cell)
                            f(static_cast<CellOf<Self>&>(*cell));
    }
    template <typename Self, typename F>
    static void VisitByRows(Self& self, F& f)
    {
        for (int level = 0; level < kLevels; ++level)
            for (int y = 0; y <= kMaxY; ++y) {
                if (self.rowCounts_[RowIndex(level, y)] == 0)
                    continue;
                for (int x = y % 2; x <= kMaxX; x += 2)
                    if (const Column* column = self.columns_[ColumnIndex(level, x)].get())
                        if (TMapCell* cell = column->Cells[SlotInColumn(y)].get())
                            f(static_cast<CellOf<Self>&>(*cell));
            }
    }

    // A column is made with its first cell, and the walks pass over columns and rows that hold
    // none: making, walking, clearing and freeing a world cost what it holds, not the grid's
    // 124,000 positions, which matters to the many small worlds of imports and checks.
    std::array<std::unique_ptr<Column>, kLevels*(kMaxX + 1)> columns_;
    std::array<int, kLevels*(kMaxY + 1)> rowCounts_{};
    int cellCount_ = 0;
    std::uint64_t generation_ = 0;
};

}  // namespace korvane
