// What the map knows that the warnings on orders read: where the units of the turn shown stand,
// whose they are, what they hold, and the hexes around them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace korvane {

class OrderVocabulary;
class TMap;
class TMapCell;
class TUnit;
class TrecINI;

/// How far a unit may study a skill: the lowest limit of its races, and a race that sets it.
struct StudyCeiling
{
    int Level = 0;
    std::string Race;
};

/// A unit of the turn shown and the hex it was seen in.
struct PlacedUnit
{
    const TUnit* Unit = nullptr;
    const TMapCell* Cell = nullptr;

    explicit operator bool() const { return Unit != nullptr; }
    bool SameHex(const PlacedUnit& other) const { return Cell == other.Cell; }
};

class OrderWorld
{
public:
    OrderWorld(const TMap& map, const TrecINI& settings, const OrderVocabulary& vocabulary);

    /// The unit as shown in the current turn; empty when the map does not show it there.
    PlacedUnit Find(std::int32_t number) const;

    /// Whether `number` is not one of the player's units shown in the current turn, those the
    /// orders file is written for. False when the map shows none of the player's units: it then
    /// cannot tell them from the others.
    bool IsNotOwnUnit(std::int32_t number) const;
    bool IsOwn(const TUnit& unit) const;

    /// How many of the item (named as in an order) the player's unit holds, as its report
    /// showed; -1 when that is not known (no men listed, a name the reports never gave).
    long long Held(const TUnit& unit, std::string_view item) const;

    /// The abbreviation of an item named as in an order; empty when unknown.
    std::string ItemCode(std::string_view item) const;

    /// The abbreviation of a skill named as in an order; empty when unknown.
    std::string SkillCode(std::string_view skill) const;
    /// The unit's level in the skill of abbreviation `code`; -1 when its skills are not known.
    int SkillLevel(const TUnit& unit, std::string_view code) const;
    /// How far the unit may study the skill of abbreviation `code`; empty when it has no men
    /// or the reports never said the limits of one of its races.
    std::optional<StudyCeiling> StudyLimit(const TUnit& unit, std::string_view code) const;

    /// The hex the map knows at a grid position; null when unknown.
    const TMapCell* Cell(int level, int x, int y) const;
    bool IsOcean(const TMapCell& cell) const;
    /// Rock between underworld hexes whose passage in `direction` (1..6) the reports said is closed.
    bool IsClosedRock(const TMapCell& cell, int direction) const;

    std::int32_t Turn() const;

private:
    const TMap& map_;
    const TrecINI& settings_;
    const OrderVocabulary& vocabulary_;
    int ocean_;
    int solid_;
    mutable std::unordered_set<std::int32_t> ownUnits_;  // found on first need
    mutable bool ownUnitsFound_ = false;
};

}  // namespace korvane
