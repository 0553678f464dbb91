// Orders files made at random from the game's orders, sound and broken alike, for comparing
// the check with the server's and for timing it. The same seed gives the same file.
#pragma once

#include "core/text_helpers.h"

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::testing {

/// A pool of words written between bars: "a||b" holds "a", "" and "b".
inline std::vector<std::string> Words(std::string_view bars)
{
    std::vector<std::string> words;
    SplitString(bars, words, "|");
    return words;
}

class SampleOrders
{
public:
    explicit SampleOrders(std::uint32_t seed)
        : engine_(seed)
    {
    }

    /// About `lines` lines ending in LF: a faction's block of units, with FORM and TURN blocks,
    /// blank lines and comments among the orders.
    std::string File(int lines)
    {
        std::string text = Chance(0.9) ? "#atlantis 3 \"pw\"\n"
                                       : Pick({"#atlantis 3", "#atlantis", "#atlantis x \"p\""}) + "\n";
        int unit = 100;
        for (int n = 1; n < lines; ++n) {
            const double x = Real();
            if (x < 0.08)
                text += "unit " + (Chance(0.95) ? std::to_string(++unit) : Pick({"", "x", "-3", "5x"}));
            else if (x < 0.10)
                text += Pick({"form 1", "form 2", "form", "form 0", "form x"});
            else if (x < 0.12)
                text += "end";
            else if (x < 0.135)
                text += Pick({"turn", "@turn"});
            else if (x < 0.15)
                text += "endturn";
            else if (x < 0.152)
                text += Pick({"#end", "#atlantis 3 \"pw\"", "#atlantis 3"});
            else if (x < 0.16)
                text += Pick({"", ";x", "  ", "@"});
            else
                text += Order();
            text += '\n';
        }
        return Chance(0.9) ? text + "#end\n" : text;
    }

    /// One order line.
    std::string Order()
    {
        const Shape& shape = kShapes[Int(0, static_cast<int>(kShapes.size()) - 1)];
        std::string line = Chance(0.8) ? shape.Keyword : UpperCase(shape.Keyword);
        for (const auto& pool : shape.Arguments) {
            const std::string word = Pick(pool);
            if (!word.empty())
                line += ' ' + word;
        }
        if (Chance(0.1))
            line = '@' + line;
        if (Chance(0.05))
            line += " ; comment";
        return Chance(0.05) ? "  " + line : line;
    }

private:
    using Pool = std::vector<std::string>;

    struct Shape
    {
        std::string Keyword;
        std::vector<Pool> Arguments;  // one word from each pool, "" for none
    };

    static inline const Pool kNumbers = Words("0|00|01|-0|-1|-5|5|17|+5|5x|2147483647|2147483648|-2147483647|x|");
    static inline const Pool kItems = Words(
        "silv|silver|sword|swords|SWOR|plate_armor|\"plate armor\"|longboat|LBOA|leaders|x|plat|horse|herbs|"
        "balloon|");
    static inline const Pool kSkills = Words(
        "comb|combat|horse_training|\"horse training\"|x|fire|earth_lore|farsight|gate_lore|mind_reading|bird_lore|"
        "force|tact|summon_wind|invisibility|portal_lore|create_phantasmal_beasts|leaders|");
    static inline const Pool kDirections = Words("n|ne|se|s|sw|nw|north|South|p|pause|in|out|1|-5|0|00|x|e||");
    static inline const Pool kUnits = Words(
        "5|0|-1|-5|x|5x|new 1|new 0|new x|new|faction 3 new 2|faction 3|faction 0 new 1|00|NEW 2");
    static inline const Pool kWords = Words(
        "x|unit|all|except|complete|help|region|units|new|faction|from|1|0|2|\"a b\"|a_b|eagle|direction|gate|wolf|"
        "detect||");
    static inline const Pool kFlags = Words("0|1|2|x||yes|t|01|off|False");
    static inline const Pool kNone{""};

    static inline const std::vector<Shape> kShapes{
        {"address", {{"", "a@b", "\"x y\""}}},
        {"advance", {kDirections, kDirections}},
        {"assassinate", {kUnits}},
        {"attack", {kUnits}},
        {"autotax", {kFlags}},
        {"avoid", {kFlags}},
        {"behind", {kFlags}},
        {"build",
         {Words("|tower|x|help|help 5|complete|longboat|\"timber yard\"|timber_yard|fleet|temple|mine"),
          Words("||complete|x|tower")}},
        {"buy", {{"5", "all", "0", "x", "-1", ""}, kItems}},
        {"cast", {kSkills, kWords, kWords, kWords}},
        {"claim", {kNumbers}},
        {"combat", {kSkills}},
        {"consume", {{"", "unit", "faction", "x"}}},
        {"declare", {{"5", "0", "-1", "x", "default", "5x", ""}, {"hostile", "ally", "allied", "friendly", "x", ""}}},
        {"describe", {{"unit", "ship", "structure", "x", "faction", ""}, kWords}},
        {"distribute", {kUnits, {"5", "0", "all", "unit", "x", ""}, kItems}},
        {"enter", {kNumbers}},
        {"entertain", {kNone}},
        {"evict", {kUnits}},
        {"exchange", {kUnits, {"1", "0", "x", "-2", ""}, kItems, {"1", "0", "x", ""}, kItems}},
        {"faction", {Words("war|trade|magic|x|"), Words("1|2|6|-1|x|"), Words("war|trade|magic||"), Words("1|3|5|")}},
        {"find", {{"5", "0", "-1", "x", "all", ""}}},
        {"forget", {kSkills}},
        {"give",
         {kUnits, Words("5|all|unit|0|x|-1|01|"),
          Words("silv|sword|unfinished longboat|unfinished sword|weapons|men|x|LBOA|"),
          Words("||except|except 3|except x|except 0|x")}},
        {"guard", {kFlags}},
        {"hold", {kFlags}},
        {"idle", {kNone}},
        {"join", {kUnits, {"", "nooverload", "merge"}}},
        {"leave", {kNone}},
        {"move", {kDirections, kDirections, kDirections}},
        {"name", {{"unit", "faction", "object", "city", "x", "ship", ""}, {"", "\"A b\"", "a_b", "(x)"}}},
        {"noaid", {kFlags}},
        {"nocross", {kFlags}},
        {"nospoils", {kFlags}},
        {"option", {{"", "times", "notimes", "showattitudes", "template", "x"}, {"", "off", "map", "x"}}},
        {"password", {{"", "x"}}},
        {"pillage", {kNone}},
        {"produce", {{"5", "0", "-1", "x", "", ""}, kItems}},
        {"promote", {kUnits}},
        {"reveal", {{"", "unit", "faction", "x"}}},
        {"sail", {kDirections, kDirections}},
        {"sell", {{"5", "all", "0", "x", ""}, kItems}},
        {"share", {kFlags}},
        {"show", {{"skill", "item", "object", "x", ""}, kWords, kWords}},
        {"spoils", {{"", "none", "walk", "ride", "fly", "swim", "sail", "all", "x"}}},
        {"steal", {kUnits, kItems}},
        {"study", {kSkills, {"", "3", "x"}}},
        {"take", {{"from", "from", "x", ""}, kUnits, {"5", "all", "unit", "x", ""}, kItems}},
        {"tax", {kNone}},
        // Only sound students: the server's checker stops dead on a TEACH without one.
        {"teach", {{"5", "new 1", "faction 3 new 2", "5 x", "5 6 7"}}},
        {"transport", {kUnits, {"5", "0", "all", "unit", "x", ""}, kItems, {"", "except 2", "except x"}}},
        {"work", {kNone}},
        {"foo", {kNone}},
        {"armor", {kNone}},
        {"quit", {kWords}},
    };

    double Real() { return std::uniform_real_distribution<double>(0, 1)(engine_); }
    bool Chance(double p) { return Real() < p; }
    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    std::string Pick(const Pool& pool) { return pool[static_cast<std::size_t>(Int(0, int(pool.size()) - 1))]; }

    std::mt19937 engine_;
};

}  // namespace korvane::testing
