// The built-in game words.
#include "world/vocabulary.h"

#include "core/key_string_list.h"

#include <string>

namespace korvane {

NameList BuiltInSectionKeywords()
{
    return {"atlantis report for:",
            "errors during turn:",
            "battles during turn:",
            "events during turn",
            "XXXXXXX",  // a placeholder no report line matches
            "skill reports",
            "item reports:",
            "declared attitudes",
            "unclaimed silver:",
            "  the weather",
            "  wages:",
            "  wanted:",
            "  for sale:",
            "  entertainment available:",
            "  products:",
            "exits:",
            "there is a gate here (",
            "* ",
            "- ",
            "  * ",
            "  - ",
            "+ ",
            "orders template"};
}

NameList BuiltInTerrainNames()
{
    return {"Unknown", "Ocean",  "Plain",   "Forest", "Mountain", "Swamp", "Jungle",
            "Desert",  "Tundra", "Tunnels", "Cavern", "Solid",    "Other"};
}

NameList BuiltInStructureTypes()
{
    NameList types{"UNKNOWN", "TOWER", "FORT", "CASTLE", "CITADEL", "MAGICAL FORTRESS"};
    // "Hold" entries keep the codes of the later groups where they have always been.
    int hold = 1;
    auto addHolds = [&types, &hold] {
        for (int i = 0; i < 6; ++i)
            types.Add("Hold" + std::to_string(hold++));
    };
    addHolds();
    for (const char* name : {"MINE", "FARM", "RANCH", "TIMBER YARD", "INN", "QUARRY"})
        types.Add(name);
    addHolds();
    for (const char* name : {"LONGBOAT", "CLIPPER", "GALLEON", "ARMORED", "BALLOON"})
        types.Add(name);
    addHolds();
    for (const char* name : {"SHAFT", "LAIR", "CRYPT", "RUIN", "CAVE", "DEMON PIT"})
        types.Add(name);
    return types;
}

void AddRaceTable(TKeyStringList& troops)
{
    struct Race
    {
        const char* key;
        const char* singular;
        const char* plural;
    };
    static constexpr Race kRaces[] = {
        {"LEAD", "leader", "leaders"},
        {"VIKI", "viking", "vikings"},
        {"BARB", "barbarian", "barbarians"},
        {"PLAI", "plainsman", "plainsmen"},
        {"ESKI", "eskimo", "eskimos"},
        {"NOMA", "nomad", "nomads"},
        {"TMAN", "tribesman", "tribesmen"},
        {"DMAN", "darkman", "darkmen"},
        {"WELF", "wood elf", "wood elves"},
        {"SELF", "sea elf", "sea elves"},
        {"HELF", "high elf", "high elves"},
        {"TELF", "tribal elf", "tribal elves"},
        {"IDWA", "ice dwarf", "ice dwarves"},
        {"HDWA", "hill dwarf", "hill dwarves"},
        {"UDWA", "under dwarf", "under dwarves"},
        {"DDWA", "desert dwarf", "desert dwarves"},
        {"ORC", "orc", "orcs"},
    };
    for (const Race& race : kRaces)
        troops.AddKey(race.key, race.singular, race.plural);
}

}  // namespace korvane
