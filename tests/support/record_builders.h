// Records built in one line for tests, and a cell or a unit with every stored field known.
#pragma once

#include "people/alliance.h"
#include "people/faction.h"
#include "people/unit.h"
#include "people/unit_list.h"
#include "world/map.h"

#include <memory>
#include <string>
#include <vector>

namespace korvane::testing {

inline std::unique_ptr<TUnit> NewUnit(std::int32_t number, std::int32_t faction = -1, std::int32_t turn = 0)
{
    auto unit = std::make_unique<TUnit>();
    unit->Number = number;
    unit->Faction = faction;
    unit->Turn = turn;
    return unit;
}

/// A unit standing in hex `x`,`y` of `level`.
inline std::unique_ptr<TUnit> UnitAt(std::int32_t number, std::int32_t faction, int level, int x, int y,
                                     std::int32_t turn = 0)
{
    auto unit = NewUnit(number, faction, turn);
    unit->Level = level;
    unit->X = x;
    unit->Y = y;
    return unit;
}

inline std::unique_ptr<TFaction> NewFaction(std::int32_t number, std::string name)
{
    auto faction = std::make_unique<TFaction>();
    faction->Number = number;
    faction->Name = std::move(name);
    return faction;
}

/// An alliance; number -1 lets the list give it the next one.
inline std::unique_ptr<TAlliance> NewAlliance(std::int32_t number, std::string name)
{
    auto alliance = std::make_unique<TAlliance>();
    alliance->Number = number;
    alliance->Name = std::move(name);
    return alliance;
}

/// The unit numbers of a list, in its order.
inline std::vector<int> Numbers(const TUnitList& list)
{
    std::vector<int> numbers;
    list.ForEach([&numbers](const TUnit& unit) { numbers.push_back(unit.Number); });
    return numbers;
}

/// A unit with every stored field set; troops are leaders (race 0) and race 13, skills 0 and 1.
inline TUnit KnownUnit()
{
    TUnit unit;
    unit.Number = 1234;
    unit.Name = "Scouts";
    unit.Description = "Looking around; quietly.";
    unit.Level = 1;
    unit.X = 6;
    unit.Y = 4;
    unit.Structure = 3;
    unit.LastX = 9;  // not part of the line
    unit.Texts.Set(0, "one");
    unit.Texts.Set(1, "two");
    unit.Texts.Set(2, "three");
    unit.Faction = 15;
    unit.Flags = kFlagAvoiding | kFlagTaxing;
    unit.Silver = -20;
    unit.CombatSpell = 1;
    unit.LastFaction = 7;
    unit.Turn = 33;
    unit.OrdersDone = true;
    unit.Troops = {{0, 1}, {13, 4}};
    unit.Equipment = {{0, 2}};
    unit.Skills = {{0, 95}, {1, 30}};
    unit.CanStudy = {{1, 0}};
    return unit;
}

/// A cell with every stored field set: names in the map's lists, markets out of item order,
/// two structures.
inline TMapCell& KnownCell(TMap& map, int level, int x, int y)
{
    TMapCell& c = *map.EnsureCell(level, x, y);
    c.Terrain = 3;
    c.LegacyName = "Elder";
    c.Region = map.RegionList.Add("Lavan");
    c.LegacyValue = 7;
    c.Gate = 12;
    c.Silver = 4500;
    c.Wages = 13;
    c.MaxWages = 800;
    c.Entertainment = 90;
    c.PopCenter = "Bluehaven";
    c.PopCenterType = kTown;
    c.Shaft = "Shaft";
    c.Other = "Ring";
    c.WeatherWas = 1;
    c.WeatherNext = 2;
    c.Race = map.RaceList.Add("high elves");
    c.Population = 10432;
    c.FactionNo = 17;
    c.Unconfirmed = false;
    c.Comments = "watch";
    c.Note2 = "n2";
    c.Note3 = "n3";
    c.LastUpdate = 27;
    c.Pathway = {true, false, true};
    c.Wanted = {{5, 20, 34}, {2, -1, 10}};
    c.ForSale = {{9, 3, 120}};
    c.Products = {{7, 28, 0}, {1, 11, 0}};
    c.AddStructure(std::make_unique<TStructure>(TStructure{14, 3, "Keep", "stone"}));
    c.AddStructure(std::make_unique<TStructure>(TStructure{2, 8, "Longboat", ""}));
    return c;
}

}  // namespace korvane::testing
