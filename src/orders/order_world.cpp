// The map's knowledge for the warnings on orders, looked up as the orders need it.
#include "orders/order_world.h"

#include "core/case_insensitive.h"
#include "core/settings.h"
#include "orders/order_vocabulary.h"
#include "world/map.h"

namespace korvane {

OrderWorld::OrderWorld(const TMap& map, const TrecINI& settings, const OrderVocabulary& vocabulary)
    : map_(map)
    , settings_(settings)
    , vocabulary_(vocabulary)
    , ocean_(map.TerrainIndex("ocean"))
    , solid_(map.TerrainIndex("solid"))
{
}

PlacedUnit OrderWorld::Find(std::int32_t number) const
{
    // The unit's record says where it was last seen; the hex there says whether it is shown in
    // the turn loaded, which may be an older one than the record's.
    const TUnit* record = map_.UnitFileList.Find(number);
    if (!record)
        return {};
    const TMapCell* cell = map_.Cell(record->Level, record->X, record->Y);
    const TUnit* shown = cell ? cell->Units.Find(number) : nullptr;
    if (!shown || shown->Turn < settings_.CurrentTurn)
        return {};
    return {shown, cell};
}

bool OrderWorld::IsNotOwnUnit(std::int32_t number) const
{
    if (!ownUnitsFound_) {
        // The same units the orders file is written for.
        map_.ForEachCellByRows([&](const TMapCell& cell) {
            cell.Units.ForEach([&](const TUnit& unit) {
                if (IsOwn(unit))
                    ownUnits_.insert(unit.Number);
            });
        });
        ownUnitsFound_ = true;
    }
    return !ownUnits_.empty() && ownUnits_.count(number) == 0;
}

bool OrderWorld::IsOwn(const TUnit& unit) const
{
    return unit.IsOwn(settings_.FactionNo) && unit.Turn >= settings_.CurrentTurn;
}

long long OrderWorld::Held(const TUnit& unit, std::string_view item) const
{
    const std::string code = vocabulary_.ItemCode(item);
    // A unit of the player's always has men: one without holds what no report showed.
    if (code.empty() || unit.Troops.empty() || !IsOwn(unit))
        return -1;
    if (SameText(code, "SILV"))
        return unit.Silver;
    long long held = 0;
    auto count = [&](const auto& entries, const std::vector<std::string>& codes) {
        for (const auto& entry : entries) {
            if (entry.Index < 0 || static_cast<std::size_t>(entry.Index) >= codes.size())
                return false;  // a list this vocabulary was not built from
            if (SameText(codes[static_cast<std::size_t>(entry.Index)], code))
                held += entry.Count;
        }
        return true;
    };
    if (!count(unit.Troops, vocabulary_.TroopCodes()) || !count(unit.Equipment, vocabulary_.EquipmentCodes()))
        return -1;
    return held;
}

std::string OrderWorld::ItemCode(std::string_view item) const
{
    return vocabulary_.ItemCode(item);
}

std::string OrderWorld::SkillCode(std::string_view skill) const
{
    return vocabulary_.SkillCode(skill);
}

int OrderWorld::SkillLevel(const TUnit& unit, std::string_view code) const
{
    const std::vector<std::string>& codes = vocabulary_.SkillCodes();
    for (const TUnitSkill& skill : unit.Skills) {
        if (skill.Index < 0 || static_cast<std::size_t>(skill.Index) >= codes.size())
            return -1;  // a list this vocabulary was not built from
        if (SameText(codes[static_cast<std::size_t>(skill.Index)], code))
            return skill.Level();
    }
    return 0;
}

std::optional<StudyCeiling> OrderWorld::StudyLimit(const TUnit& unit, std::string_view code) const
{
    // A unit of several races studies only as far as the least of them may.
    const std::vector<std::string>& races = vocabulary_.TroopCodes();
    std::optional<StudyCeiling> lowest;
    for (const TUnitTroopGroup& men : unit.Troops) {
        if (men.Index < 0 || static_cast<std::size_t>(men.Index) >= races.size())
            return std::nullopt;
        const std::string& race = races[static_cast<std::size_t>(men.Index)];
        const std::optional<int> limit = map_.StudyLimits.Limit(race, code);
        if (!limit)
            return std::nullopt;
        if (!lowest || *limit < lowest->Level)
            lowest = StudyCeiling{*limit, race};
    }
    return lowest;
}

const TMapCell* OrderWorld::Cell(int level, int x, int y) const
{
    return map_.Cell(level, x, y);
}

bool OrderWorld::IsOcean(const TMapCell& cell) const
{
    return ocean_ > 0 && cell.Terrain == ocean_;
}

bool OrderWorld::IsClosedRock(const TMapCell& cell, int direction) const
{
    // The rock around an underworld hex carries a passage for each exit its report listed;
    // passages of one kind join opposite directions.
    return solid_ > 0 && cell.Terrain == solid_ && !cell.Unconfirmed && direction >= 1 && direction <= 6
        && !cell.Pathway[static_cast<std::size_t>((direction - 1) % 3)];
}

std::int32_t OrderWorld::Turn() const
{
    return settings_.CurrentTurn;
}

}  // namespace korvane
