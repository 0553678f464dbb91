// The standard game's items, skills and structure types: what its server accepts in orders.
#include "orders/order_vocabulary.h"

namespace korvane {

namespace {

struct StandardItem
{
    const char* Name;
    const char* Plural;
    const char* Abbreviation;
    ItemKind Kind;
};

struct StandardSkill
{
    const char* Name;
    const char* Abbreviation;
    unsigned Uses;
};

constexpr StandardItem kItems[] = {
    {"leader", "leaders", "LEAD", ItemKind::Stays},
    {"viking", "vikings", "VIKI", ItemKind::Stays},
    {"barbarian", "barbarians", "BARB", ItemKind::Stays},
    {"plainsman", "plainsmen", "PLAI", ItemKind::Stays},
    {"eskimo", "eskimos", "ESKI", ItemKind::Stays},
    {"nomad", "nomads", "NOMA", ItemKind::Stays},
    {"tribesman", "tribesmen", "TMAN", ItemKind::Stays},
    {"darkman", "darkmen", "DMAN", ItemKind::Stays},
    {"wood elf", "wood elves", "WELF", ItemKind::Stays},
    {"sea elf", "sea elves", "SELF", ItemKind::Stays},
    {"high elf", "high elves", "HELF", ItemKind::Stays},
    {"tribal elf", "tribal elves", "TELF", ItemKind::Stays},
    {"ice dwarf", "ice dwarves", "IDWA", ItemKind::Stays},
    {"hill dwarf", "hill dwarves", "HDWA", ItemKind::Stays},
    {"under dwarf", "under dwarves", "UDWA", ItemKind::Stays},
    {"desert dwarf", "desert dwarves", "DDWA", ItemKind::Stays},
    {"orc", "orcs", "ORC", ItemKind::Stays},
    {"gnome", "gnomes", "GNOM", ItemKind::Stays},
    {"silver", "silver", "SILV", ItemKind::Ordinary},
    {"grain", "grain", "GRAI", ItemKind::Ordinary},
    {"livestock", "livestock", "LIVE", ItemKind::Stays},
    {"iron", "iron", "IRON", ItemKind::Ordinary},
    {"wood", "wood", "WOOD", ItemKind::Ordinary},
    {"stone", "stone", "STON", ItemKind::Ordinary},
    {"fur", "furs", "FUR", ItemKind::Ordinary},
    {"fish", "fish", "FISH", ItemKind::Ordinary},
    {"herb", "herbs", "HERB", ItemKind::Ordinary},
    {"horse", "horses", "HORS", ItemKind::Stays},
    {"Longboat", "Longboats", "LBOA", ItemKind::Ship},
    {"Clipper", "Clippers", "CLIP", ItemKind::Ship},
    {"Galleon", "Galleons", "GALL", ItemKind::Ship},
    {"Armored Galleon", "Armored Galleons", "AGAL", ItemKind::Ship},
    {"Balloon", "Balloons", "BALL", ItemKind::Ship},
    {"sword", "swords", "SWOR", ItemKind::Ordinary},
    {"crossbow", "crossbows", "XBOW", ItemKind::Ordinary},
    {"longbow", "longbows", "LBOW", ItemKind::Ordinary},
    {"chain armor", "chain armor", "CARM", ItemKind::Ordinary},
    {"plate armor", "plate armor", "PARM", ItemKind::Ordinary},
    {"wagon", "wagons", "WAGO", ItemKind::Ordinary},
    {"mithril", "mithril", "MITH", ItemKind::Ordinary},
    {"ironwood", "ironwood", "IRWD", ItemKind::Ordinary},
    {"winged horse", "winged horses", "WING", ItemKind::Stays},
    {"floater hide", "floater hides", "FLOA", ItemKind::Ordinary},
    {"rootstone", "rootstone", "ROOT", ItemKind::Ordinary},
    {"yew", "yew", "YEW", ItemKind::Ordinary},
    {"mithril sword", "mithril swords", "MSWO", ItemKind::Ordinary},
    {"mithril armor", "mithril armor", "MARM", ItemKind::Ordinary},
    {"double bow", "double bows", "DBOW", ItemKind::Ordinary},
    {"ivory", "ivory", "IVOR", ItemKind::Ordinary},
    {"pearls", "pearls", "PEAR", ItemKind::Ordinary},
    {"jewelry", "jewelry", "JEWE", ItemKind::Ordinary},
    {"wine", "wine", "WINE", ItemKind::Ordinary},
    {"spices", "spices", "SPIC", ItemKind::Ordinary},
    {"chocolate", "chocolate", "CHOC", ItemKind::Ordinary},
    {"truffles", "truffles", "TRUF", ItemKind::Ordinary},
    {"vodka", "vodka", "VODK", ItemKind::Ordinary},
    {"perfume", "perfume", "PERF", ItemKind::Ordinary},
    {"silk", "silk", "SILK", ItemKind::Ordinary},
    {"cotton", "cotton", "COTT", ItemKind::Ordinary},
    {"skeleton", "skeletons", "SKEL", ItemKind::Stays},
    {"undead", "undead", "UNDE", ItemKind::Stays},
    {"lich", "liches", "LICH", ItemKind::Stays},
    {"imp", "imps", "IMP", ItemKind::Stays},
    {"demon", "demons", "DEMO", ItemKind::Stays},
    {"balrog", "balrogs", "BALR", ItemKind::Stays},
    {"amulet of invulnerability", "amulets of invulnerability", "XXXX", ItemKind::Stays},
    {"ring of invisibility", "rings of invisibility", "RING", ItemKind::Stays},
    {"cloak of invulnerability", "cloaks of invulnerability", "CLOA", ItemKind::Stays},
    {"staff of fire", "staves of fire", "STAF", ItemKind::Stays},
    {"staff of lightning", "staves of lightning", "STAL", ItemKind::Stays},
    {"amulet of true seeing", "amulets of true seeing", "AMTS", ItemKind::Stays},
    {"amulet of protection", "amulets of protection", "AMPR", ItemKind::Stays},
    {"runesword", "runeswords", "RUNE", ItemKind::Stays},
    {"shieldstone", "shieldstones", "SHST", ItemKind::Stays},
    {"magic carpet", "magic carpets", "CARP", ItemKind::Stays},
    {"portal", "portals", "PORT", ItemKind::Ordinary},
    {"spear", "spears", "SPEA", ItemKind::Ordinary},
    {"giant turtle", "giant turtles", "TURT", ItemKind::Stays},
    {"devil", "devils", "DEVL", ItemKind::Stays},
    // Creatures of the game's item table that this game does without; PRODUCE still knows them.
    {"wolf", "wolves", "WOLF", ItemKind::Unused},
    {"eagle", "eagles", "EAGL", ItemKind::Unused},
    {"dragon", "dragons", "DRAG", ItemKind::Unused},
    {"goblin", "goblins", "GOBL", ItemKind::Unused},
    {"giant rat", "giant rats", "GRAT", ItemKind::Unused},
    {"sphinx", "sphinxes", "SPHI", ItemKind::Unused},
    {"hydra", "", "HYDR", ItemKind::Unused},
    {"roc", "rocs", "ROC", ItemKind::Unused},
    {"centaur", "centaurs", "CENT", ItemKind::Unused},
    {"yeti", "", "YETI", ItemKind::Unused},
    {"troll", "trolls", "TROL", ItemKind::Unused},
    {"kobold", "", "", ItemKind::Unused},
    {"ogre", "ogres", "", ItemKind::Unused},
    {"lion", "lions", "", ItemKind::Unused},
    {"ice dragon", "", "", ItemKind::Unused},
    {"giant spider", "giant spiders", "", ItemKind::Unused},
    {"", "", "IDRA", ItemKind::Unused},
    {"", "", "IIMP", ItemKind::Unused},
};

constexpr StandardSkill kSkills[] = {
    {"mining", "MINI", 0},
    {"lumberjack", "LUMB", 0},
    {"quarrying", "QUAR", 0},
    {"hunting", "HUNT", 0},
    {"fishing", "FISH", 0},
    {"herb lore", "HERB", 0},
    {"horse training", "HORS", 0},
    {"weaponsmith", "WEAP", 0},
    {"armorer", "ARMO", 0},
    {"carpenter", "CARP", 0},
    {"building", "BUIL", 0},
    {"shipbuilding", "SHIP", 0},
    {"entertainment", "ENTE", 0},
    {"tactics", "TACT", 0},
    {"combat", "COMB", 0},
    {"riding", "RIDI", 0},
    {"crossbow", "XBOW", 0},
    {"longbow", "LBOW", 0},
    {"stealth", "STEA", 0},
    {"observation", "OBSE", 0},
    {"healing", "HEAL", 0},
    {"sailing", "SAIL", 0},
    {"farming", "FARM", 0},
    {"ranching", "RANC", 0},
    {"force", "FORC", kSkillMagic},
    {"pattern", "PATT", kSkillMagic},
    {"spirit", "SPIR", kSkillMagic},
    {"fire", "FIRE", kSkillMagic | kSkillCombat},
    {"earthquake", "EQUA", kSkillMagic | kSkillCombat},
    {"force shield", "FSHI", kSkillMagic | kSkillCombat},
    {"energy shield", "ESHI", kSkillMagic | kSkillCombat},
    {"spirit shield", "SSHI", kSkillMagic | kSkillCombat},
    {"magical healing", "MHEA", kSkillMagic},
    {"gate lore", "GATE", kSkillMagic | kSkillCast},
    {"farsight", "FARS", kSkillMagic | kSkillCast},
    {"teleportation", "TELE", kSkillMagic | kSkillCast},
    {"portal lore", "PORT", kSkillMagic | kSkillCast},
    {"mind reading", "MIND", kSkillMagic | kSkillCast},
    {"weather lore", "WEAT", kSkillMagic | kSkillCast},
    {"summon wind", "SWIN", kSkillMagic | kSkillCast},
    {"summon storm", "SSTO", kSkillMagic | kSkillCombat},
    {"summon tornado", "STOR", kSkillMagic | kSkillCombat},
    {"call lightning", "CALL", kSkillMagic | kSkillCombat},
    {"clear skies", "CLEA", kSkillMagic | kSkillCast | kSkillCombat},
    {"earth lore", "EART", kSkillMagic | kSkillCast},
    {"wolf lore", "WOLF", kSkillMagic | kSkillCast},
    {"bird lore", "BIRD", kSkillMagic | kSkillCast},
    {"dragon lore", "DRAG", kSkillMagic | kSkillCast},
    {"necromancy", "NECR", kSkillMagic},
    {"summon skeletons", "SUSK", kSkillMagic | kSkillCast},
    {"raise undead", "RAIS", kSkillMagic | kSkillCast},
    {"summon lich", "SULI", kSkillMagic | kSkillCast},
    {"create aura of fear", "FEAR", kSkillMagic | kSkillCombat},
    {"summon black wind", "SBLA", kSkillMagic | kSkillCombat},
    {"banish undead", "BUND", kSkillMagic | kSkillCombat},
    {"demon lore", "DEMO", kSkillMagic},
    {"summon imps", "SUIM", kSkillMagic | kSkillCast},
    {"summon demon", "SUDE", kSkillMagic | kSkillCast},
    {"summon balrog", "SUBA", kSkillMagic | kSkillCast},
    {"banish demons", "BDEM", kSkillMagic | kSkillCombat},
    {"illusion", "ILLU", kSkillMagic},
    {"phantasmal entertainment", "PHEN", kSkillMagic | kSkillCast},
    {"create phantasmal beasts", "PHBE", kSkillMagic | kSkillCast},
    {"create phantasmal demons", "PHDE", kSkillMagic | kSkillCast},
    {"invisibility", "INVI", kSkillMagic | kSkillCast},
    {"true seeing", "TRUE", kSkillMagic},
    {"dispel illusions", "DISP", kSkillMagic | kSkillCombat},
    {"artifact lore", "ARTI", kSkillMagic},
    {"create ring of invisibility", "CRRI", kSkillMagic | kSkillCast},
    {"create cloak of invulnerability", "CRCL", kSkillMagic | kSkillCast},
    {"create staff of fire", "CRSF", kSkillMagic | kSkillCast},
    {"create staff of lightning", "CRSL", kSkillMagic | kSkillCast},
    {"create amulet of true seeing", "CRTA", kSkillMagic | kSkillCast},
    {"create amulet of protection", "CRPA", kSkillMagic | kSkillCast},
    {"create runesword", "CRRU", kSkillMagic | kSkillCast},
    {"create shieldstone", "CRSS", kSkillMagic | kSkillCast},
    {"create magic carpet", "CRMA", kSkillMagic | kSkillCast},
    {"engrave runes of warding", "ENGR", kSkillMagic | kSkillCast},
    {"construct gate", "CGAT", kSkillMagic | kSkillCast},
    {"enchant swords", "ESWO", kSkillMagic | kSkillCast},
    {"enchant armor", "EARM", kSkillMagic | kSkillCast},
    {"construct portal", "CPOR", kSkillMagic | kSkillCast},
};

// Every object type the server knows by name, buildable or not: BUILD names any of them.
constexpr const char* kStructures[] = {
    "fleet", "longboat",  "clipper",     "galleon",    "armored galleon", "balloon", "tower",
    "fort",  "castle",    "citadel",     "stockade",   "shaft",           "lair",    "ruin",
    "cave",  "demon pit", "crypt",       "black keep", "palace",          "mine",    "farm",
    "ranch", "quarry",    "timber yard", "inn",        "trapping hut",
};

}  // namespace

OrderVocabulary OrderVocabulary::Standard()
{
    OrderVocabulary vocabulary;
    for (const auto& item : kItems)
        vocabulary.AddItem(item.Name, item.Plural, item.Abbreviation, item.Kind);
    for (const auto& skill : kSkills)
        vocabulary.AddSkill(skill.Name, skill.Abbreviation, skill.Uses);
    for (const char* structure : kStructures)
        vocabulary.AddStructure(structure);
    return vocabulary;
}

}  // namespace korvane
