// Turn reports made up for tests and benchmarks: every region block as the game writes one,
// with markets, exits, a structure and units of several factions listed interleaved.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>

namespace korvane::testing {

struct ReportShape
{
    int faction = 1;  // the player, named in the heading
    int month = 1;  // of year `year`: turn (year - 1) * 12 + month
    int year = 1;
    int columns = 40;  // regions from x = 0, on both levels (the underworld's stop at its edge)
    int rows = 32;  // rows from y = 0, every other one holding a region
    int unitsPerRegion = 5;
    int factions = 3;  // units belong to factions 1 .. factions in turn
    std::string codeSuffix{};  // makes the report's skill and item codes new to a data folder
};

/// The text of a whole report of that shape.
inline std::string GenerateReport(const ReportShape& shape)
{
    static const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                          "July",    "August",   "September", "October", "November", "December"};
    static const char* const kDirections[] = {"North", "Northeast", "Southeast", "South", "Southwest", "Northwest"};
    const std::string& suffix = shape.codeSuffix;
    std::string out;
    out += "Atlantis Report For:\nFaction " + std::to_string(shape.faction) + " (" + std::to_string(shape.faction)
        + ") (War 1, Trade 1, Magic 1)\n" + kMonths[(shape.month + 11) % 12] + ", Year " + std::to_string(shape.year)
        + "\n\nUnclaimed silver: 100.\n\n";
    int unit = 1;
    for (int level = 0; level < 2; ++level) {
        const std::string levelText = level == 1 ? ",deep  underworld" : "";
        // Underworld hex x, y lies at grid 2x, 2y + 2: its coordinates end at 160 and 95.
        const int columns = level == 1 ? std::min(shape.columns, 161) : shape.columns;
        const int rows = level == 1 ? std::min(shape.rows, 96) : shape.rows;
        for (int x = 0; x < columns; ++x) {
            for (int y = x % 2; y < rows; y += 2) {
                const std::string here = std::to_string(x) + "," + std::to_string(y) + levelText;
                out += std::string(level == 1 ? "cavern" : "plain") + " (" + here + ") in Province"
                    + std::to_string(x % 50) + ", contains Town" + std::to_string(x) + "x" + std::to_string(y)
                    + " [town], " + std::to_string(1000 + x) + " peasants\n  (high elves), $" + std::to_string(500 + y)
                    + ".\n------------------------------------------------------------\n"
                      "  The weather was clear last month; it will be clear next month.\n"
                      "  Wages: $13.5 (Max: $1200).\n"
                      "  Wanted: 10 grain [GRAI] at $20, 5 fish [FISH] at $40, 8 jewelry\n    [JEWE] at $351.\n"
                      "  For Sale: unlimited iron [IRON] at $75, 44 vikings [VIKI] at $52, 8\n"
                      "    leaders [LEAD] at $104.\n"
                      "  Entertainment available: $250.\n"
                      "  Products: 20 livestock [LIVE], 10 wood [WOOD].\n\nExits:\n";
                for (const char* direction : kDirections)
                    out += std::string("  ") + direction + " : plain (" + std::to_string(x) + ","
                        + std::to_string((y + 2) % 190) + levelText + ") in Province" + std::to_string(x % 50)
                        + ", contains\n    Town" + std::to_string(x) + " [town].\n";
                out += "\n+ Keep [1] : Tower, needs 3.\n";
                for (int i = 0; i < shape.unitsPerRegion; ++i, ++unit) {
                    // Numbers of several factions alternate, as in a hex shared by armies.
                    const int faction = 1 + unit % shape.factions;
                    const int number = faction * 1000000 + unit;
                    const char* indent = i < 2 ? "    " : "  ";
                    out += std::string(i < 2 ? "  * " : "- ") + "Unit Number " + std::to_string(number) + " ("
                        + std::to_string(number) + "), Faction (" + std::to_string(faction)
                        + "), avoiding, behind, revealing faction, 10 vikings [VIKI], 2 horses\n" + indent
                        + "[HORS], 3 charms [CH" + suffix + "], 150 silver [SILV]. Weight: 240. Capacity:\n" + indent
                        + "0/280/340/0. Skills: combat [COMB] 2 (95), lore [L" + suffix + "] 1\n" + indent
                        + "(30); A unit made up for tests.\n";
                }
                out += "\n";
            }
        }
    }
    return out;
}

}  // namespace korvane::testing
