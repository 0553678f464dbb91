// One battle between two sides, fought man by man and round by round into a report.
#include "combat/battle.h"

#include "combat/combat_random.h"
#include "combat/battle_side.h"
#include "core/text_helpers.h"
#include "core/user_interaction.h"

#include <algorithm>
#include <utility>

namespace korvane {

namespace {

constexpr int kLeft = 0;
constexpr int kRight = 1;

int Other(int side)
{
    return 1 - side;
}

class Battle
{
public:
    Battle(std::uint32_t seed, const TBattleLimits& limits, std::vector<std::string>& report)
        : random_(seed)
        , limits_(limits)
        , report_(report)
    {
    }

    void Build(const std::vector<TCombatUnit>& units, int side, std::int32_t fortified, bool horseTerrain)
    {
        BattleSide& s = sides_[side];
        for (const auto& unit : units)
            unit.BuildTroops(s.FrontReady, s.BehindReady, fortified, horseTerrain);
        s.StartTotal = s.FrontReady.Count() + s.BehindReady.Count();
    }

    void Fight(TCombatSide tacticalAdvantage);

private:
    bool NoMen();
    void Round();
    void StepUp(BattleSide& s);
    bool ChooseAttacker(int& side, TCombatTroopList*& ready, TCombatTroopList*& done, std::int32_t& position);
    void Attack(int side, TCombatTroop& attacker);
    bool RoutTestEnds();
    void Results();

    CombatRandom random_;
    TBattleLimits limits_;
    std::vector<std::string>& report_;
    BattleSide sides_[2];
    int round_ = 1;
    int freeSide_ = -1;
    bool routed_ = false;
    std::int64_t attacksChosen_ = 0;
    std::int64_t attackLimit_ = limits_.Attacks;
};

const char* const kSideNames[2] = {"Left", "Right"};

// A side whose units hold no men would never lose more than half of nothing: no battle.
bool Battle::NoMen()
{
    const bool leftEmpty = sides_[kLeft].StartTotal == 0;
    const bool rightEmpty = sides_[kRight].StartTotal == 0;
    if (!leftEmpty && !rightEmpty)
        return false;
    if (leftEmpty && rightEmpty)
        report_.push_back("Neither side has any men - no combat occurs.");
    else
        report_.push_back(std::string(kSideNames[leftEmpty ? kLeft : kRight]) + " has no men - no combat occurs.");
    report_.push_back("");
    return true;
}

void Battle::Fight(TCombatSide tacticalAdvantage)
{
    if (NoMen()) {
        Results();
        return;
    }
    if (tacticalAdvantage == TCombatSide::Left) {
        freeSide_ = kLeft;
        sides_[kRight].CrossbowPhase = 0;
        report_.push_back("# Left gets a free round of attacks #");
    } else if (tacticalAdvantage == TCombatSide::Right) {
        freeSide_ = kRight;
        sides_[kLeft].CrossbowPhase = 0;
        report_.push_back("# Right gets a free round of attacks #");
    }

    for (;;) {
        // The winner's free round after a rout is always fought; otherwise a battle in which
        // nothing can change, or one that drags on past all reason, is stopped here.
        if (!routed_) {
            if (!AnyBlowCanLand(sides_[kLeft], sides_[kRight])) {
                report_.push_back("Neither side can wound the other - battle ends undecided.");
                report_.push_back("");
                break;
            }
            if (round_ > limits_.Rounds) {
                report_.push_back("No side routed after " + IntToStr(limits_.Rounds)
                                  + " rounds - battle ends undecided.");
                report_.push_back("");
                break;
            }
        }
        const bool freeRound = routed_;
        Round();
        // A side that broke in the round that reached the limit has lost all the same.
        if (RoutTestEnds()) {
            if (freeRound && attacksChosen_ >= attackLimit_) {
                report_.push_back("The free round was stopped after " + IntToStr(limits_.Attacks) + " attacks.");
                report_.push_back("");
            }
            break;
        }
        if (attacksChosen_ >= attackLimit_) {
            if (!routed_) {
                report_.push_back("Battle stopped after " + IntToStr(limits_.Attacks)
                                  + " attacks - battle ends undecided.");
                report_.push_back("");
                break;
            }
            // The rout came with the limit: the winner's free round gets as many attacks again.
            attackLimit_ = attacksChosen_ + limits_.Attacks;
        }
    }
    Results();
}

void Battle::StepUp(BattleSide& s)
{
    if (s.FrontReady.Empty() && s.FrontDone.Empty()) {
        s.BehindReady.MoveAll(s.FrontReady);
        s.BehindDone.MoveAll(s.FrontDone);
    }
}

void Battle::Round()
{
    // Crossbowmen reload every other round, from the side's first round of action on.
    for (auto& s : sides_) {
        const bool resting = s.CrossbowPhase % 2 == 0;
        s.FrontReady.MoveCrossbowmen(s.FrontDone, resting);
        s.BehindReady.MoveCrossbowmen(s.BehindDone, resting);
    }
    for (auto& s : sides_) {
        s.RoundLosses = 0;
        s.FrontReady.ResetAttacks();
        s.BehindReady.ResetAttacks();
    }
    report_.push_back("Round " + IntToStr(round_) + ":");

    for (;;) {
        StepUp(sides_[kLeft]);
        StepUp(sides_[kRight]);
        if (sides_[kLeft].FrontCount() == 0 || sides_[kRight].FrontCount() == 0)
            break;
        if (sides_[kLeft].TotalLosses == sides_[kLeft].StartTotal
            || sides_[kRight].TotalLosses == sides_[kRight].StartTotal)
            break;

        int side = kLeft;
        TCombatTroopList* ready = nullptr;
        TCombatTroopList* done = nullptr;
        std::int32_t position = 0;
        if (attacksChosen_ >= attackLimit_)
            break;
        if (!ChooseAttacker(side, ready, done, position))
            break;  // only resting crossbowmen are left to act
        ++attacksChosen_;
        Attack(side, *ready->TroopAt(position));

        // A man is spent once his attacks are; one with none still had his one chance.
        if (CountDown(ready->TroopAt(position)->AttacksLeft))
            ready->MoveTroop(position, *done);

        const bool nobodyReady = freeSide_ >= 0 ? sides_[freeSide_].ReadyCount() == 0
                                                : sides_[kLeft].ReadyCount() + sides_[kRight].ReadyCount() == 0;
        if (nobodyReady)
            break;
    }

    report_.push_back("Left lost : " + IntToStr(sides_[kLeft].RoundLosses));
    report_.push_back("Right lost: " + IntToStr(sides_[kRight].RoundLosses));
    report_.push_back("");

    ++round_;
    for (auto& s : sides_) {
        ++s.CrossbowPhase;
        s.FrontDone.MoveAll(s.FrontReady);
        s.BehindDone.MoveAll(s.BehindReady);
    }
    freeSide_ = -1;
}

bool Battle::ChooseAttacker(int& side, TCombatTroopList*& ready, TCombatTroopList*& done, std::int32_t& position)
{
    // Every ready man of the acting side or sides is equally likely to strike next.
    const int first = freeSide_ >= 0 ? freeSide_ : kLeft;
    const int last = freeSide_ >= 0 ? freeSide_ : kRight;
    std::int64_t total = 0;
    for (int s = first; s <= last; ++s)
        total += sides_[s].ReadyCount();
    if (total <= 0)
        return false;
    std::int32_t r = random_.Below(static_cast<std::int32_t>(total));
    for (int s = first; s <= last; ++s) {
        BattleSide& b = sides_[s];
        if (r < b.FrontReady.Count()) {
            side = s, ready = &b.FrontReady, done = &b.FrontDone, position = r;
            return true;
        }
        r -= b.FrontReady.Count();
        if (r < b.BehindReady.Count()) {
            side = s, ready = &b.BehindReady, done = &b.BehindDone, position = r;
            return true;
        }
        r -= b.BehindReady.Count();
    }
    return false;
}

void Battle::Attack(int side, TCombatTroop& attacker)
{
    // Only the front can be struck while anyone stands in it.
    BattleSide& enemy = sides_[Other(side)];
    const std::int32_t targets = enemy.FrontCount();
    std::int32_t r = random_.Below(targets);
    TCombatTroopList* list = &enemy.FrontReady;
    if (r >= enemy.FrontReady.Count()) {
        r -= enemy.FrontReady.Count();
        list = &enemy.FrontDone;
    }
    if (!TCombatTroop::WillAttack(random_) || targets <= 0)
        return;
    TCombatTroop& defender = *list->TroopAt(r);
    if (!BlowLands(attacker, defender, random_))
        return;
    // Wounds stay from round to round.
    if (CountDown(defender.HitsLeft)) {
        list->MoveTroop(r, enemy.Dead);
        ++enemy.RoundLosses;
        ++enemy.TotalLosses;
    }
}

bool Battle::RoutTestEnds()
{
    const bool leftBroken = sides_[kLeft].TotalLosses > sides_[kLeft].StartTotal / 2;
    const bool rightBroken = sides_[kRight].TotalLosses > sides_[kRight].StartTotal / 2;
    if (!leftBroken && !rightBroken)
        return false;
    if (routed_)
        return true;
    if (leftBroken && rightBroken) {
        report_.push_back("Battle ends undecided.");
        report_.push_back("");
        return true;
    }
    if (leftBroken) {
        report_.push_back("Left is routed. Right gets free round of attacks.");
        freeSide_ = kRight;
    } else {
        report_.push_back("Right is routed. Left gets free round of attacks.");
        freeSide_ = kLeft;
    }
    report_.push_back("");
    routed_ = true;
    return false;
}

void Battle::Results()
{
    report_.push_back("Battle results: ");
    report_.push_back("Left lost : " + IntToStr(sides_[kLeft].TotalLosses));
    report_.push_back("Right lost: " + IntToStr(sides_[kRight].TotalLosses));
}

}  // namespace

namespace {

const char* const kEmptySide = "One side has no troops - no combat occurs.";

/// The men a side fields: a unit typed with fewer than none fields none.
std::int64_t MenFielded(const std::vector<TCombatUnit>& units)
{
    std::int64_t men = 0;
    for (const auto& unit : units)
        men += std::max<std::int64_t>(unit.Quantity, 0);
    return men;
}

}  // namespace

std::string BattleRefusal(const std::vector<TCombatUnit>& left, const std::vector<TCombatUnit>& right,
                          const TBattleLimits& limits)
{
    if (left.empty() || right.empty())
        return kEmptySide;
    std::string crowded;
    for (const auto& [name, units] : {std::pair{"Left", &left}, std::pair{"Right", &right}}) {
        const std::int64_t men = MenFielded(*units);
        if (men > limits.Men)
            crowded += std::string(crowded.empty() ? "" : " and ") + name + " fields " + IntToStr(men) + " men";
    }
    if (crowded.empty())
        return {};
    return "No combat occurs: " + crowded + ", but a side can field at most " + IntToStr(limits.Men)
        + " men. Lower the number of men and run the battle again.";
}

bool RunBattle(const std::vector<TCombatUnit>& left, const std::vector<TCombatUnit>& right, std::int32_t leftFortified,
               std::int32_t rightFortified, TCombatSide tacticalAdvantage, bool horseTerrain,
               std::vector<std::string>& report, UserInteraction& ui, std::optional<std::uint32_t> seed,
               const TBattleLimits& limits)
{
    const std::string refusal = BattleRefusal(left, right, limits);
    if (refusal == kEmptySide) {
        ui.Info(refusal);
        return false;
    }
    if (!refusal.empty()) {
        ui.Error(refusal);
        return false;
    }
    report.clear();
    Battle battle(seed ? *seed : CombatRandom::ClockSeed(), limits, report);
    battle.Build(left, kLeft, leftFortified, horseTerrain);
    battle.Build(right, kRight, rightFortified, horseTerrain);
    battle.Fight(tacticalAdvantage);
    return true;
}

}  // namespace korvane
