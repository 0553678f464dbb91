// The readers the fuzz targets drive, one function each, shared with the replay test so that
// the corpus is replayed through exactly what was fuzzed. Everything is read from memory.
#include "fuzz_readers.h"

#include "combat/battle_file.h"
#include "combat/fort_list.h"
#include "core/ini_file.h"
#include "core/line_reader.h"
#include "core/program_dir.h"
#include "core/settings.h"
#include "core/text_lines.h"
#include "core/silent_interaction.h"
#include "people/alliance_list.h"
#include "people/faction_list.h"
#include "orders/order_check.h"
#include "orders/order_vocabulary.h"
#include "people/unit_list.h"
#include "reportimport/report_reader.h"
#include "storage/exchange_file.h"
#include "storage/map_cell_line.h"
#include "storage/map_database.h"
#include "storage/turn_files.h"
#include "storage/unit_list_files.h"
#include "workspace/workspace.h"
#include "world/map.h"
#include "world/map_cell.h"

#include <cstdlib>
#include <memory>
#include <string>

namespace korvane::fuzz {

namespace {

// The player's faction in every run: units of faction 3 count as the player's own.
constexpr std::int32_t kOwnFaction = 3;

/// A program folder that does not exist: paths made from it find no file, so a run depends on
/// its input alone, and nothing can be written there.
constexpr const char* kNoProgramDir = "/nonexistent/korvane-fuzz";

/// The input cut at form feeds into `count` texts, for readers that take several files at once;
/// the last takes the rest, texts the input lacks are empty.
std::vector<std::string_view> Parts(std::string_view text, std::size_t count)
{
    std::vector<std::string_view> parts(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t cut = i + 1 < count ? text.find('\f') : std::string_view::npos;
        parts[i] = text.substr(0, cut);
        text = cut == std::string_view::npos ? std::string_view() : text.substr(cut + 1);
    }
    return parts;
}

template <typename List>
void LoadList(List& list, std::string_view text)
{
    LineReader reader(TextInMemory{text});
    list.LoadFromLines(reader);
}

}  // namespace

void ReadReport(std::string_view input)
{
    Workspace ws(kNoProgramDir);
    LineReader noSettings(TextInMemory{});
    ws.Settings.ReadSettings(noSettings);
    ws.Settings.FactionNo = kOwnFaction;
    SilentInteraction ui;
    LineReader report(TextInMemory{input});
    TurnReportRead read;
    ReadTurnReport(ws.ForImport(), report, ui, read);
}

void ReadMapDatabase(std::string_view input)
{
    // Map.Dat, Terrain, Regions, Races, Weather, Products, Colours, MapIcons, hex units.
    const auto parts = Parts(input, 9);
    SilentInteraction ui;
    TMap map;
    MapDatabaseText text(parts[0], "Map.Dat");
    if (!text.ReadHeader(ui))
        return;
    LoadList(map.TerrainList, parts[1]);
    LoadList(map.RegionList, parts[2]);
    LoadList(map.RaceList, parts[3]);
    LoadList(map.WeatherList, parts[4]);
    LoadList(map.ProductList, parts[5]);
    LineReader colours(TextInMemory{parts[6]});
    ReadTextLines(colours, map.TerrainColours);
    LineReader icons(TextInMemory{parts[7]});
    ReadTextLines(icons, map.MapIcons);
    text.ReadCells(map, ui);

    TUnitList found;
    LineReader units(TextInMemory{parts[8]});
    LoadUnitLines(found, units, kOwnFaction);
    PlaceHexUnits(map, found, kOwnFaction);

    // What a save and the drawing ask of every cell and icon.
    map.ForEachCell([&map](const TMapCell& cell) {
        CellLine(cell);
        cell.TerrainName(map.TerrainList);
        map.TerrainColour(cell.Terrain);
    });
    for (int icon = 0; icon < static_cast<int>(map.MapIcons.size()); ++icon) {
        map.IconStyle(icon);
        map.IconColour(icon);
    }
}

void ReadUnitFile(std::string_view input)
{
    TUnitList units;
    LineReader reader(TextInMemory{input});
    LoadUnitLines(units, reader, kOwnFaction);
    std::string text;
    AppendUnitLines(units, text);
}

void ReadOrdersFile(std::string_view input)
{
    // The unit file that makes the units, then the orders file.
    const auto parts = Parts(input, 2);
    TUnitList units;
    LineReader unitLines(TextInMemory{parts[0]});
    LoadUnitLines(units, unitLines, kOwnFaction);
    LineReader orders(TextInMemory{parts[1]});
    LoadOrderLines(units, orders);
    std::string text;
    AppendOrderLines(units, text);
}

void ReadFactionsFile(std::string_view input)
{
    TFactionList factions;
    LineReader reader(TextInMemory{input});
    factions.LoadFromLines(reader);
}

void ReadAllianceFile(std::string_view input)
{
    TAllianceList alliances;
    LineReader reader(TextInMemory{input});
    alliances.LoadFromLines(reader);
    // What making an alliance in the window does: the numbers read decide the new one's.
    alliances.Add(std::make_unique<TAlliance>());
}

void ReadSettingsFile(std::string_view input)
{
    TrecINI settings(SettingsFileIn(kNoProgramDir));
    LineReader reader(TextInMemory{input});
    settings.ReadSettings(reader);

    // The values set again into the same lines, as a save does, in memory only.
    IniFile ini("ATLANTIS.INI");
    LineReader again(TextInMemory{input});
    ini.Load(again);
    for (const auto& value : settings.Values())
        ini.WriteString(value.section, value.key, value.text);
}

void ReadFactionList(std::string_view input)
{
    TFactionList factions;
    LineReader reader(TextInMemory{input});
    factions.ImportFactionList(reader);
}

void ReadBattleFile(std::string_view input)
{
    BattleSetup setup;
    std::vector<BattleFileProblem> problems;
    LineReader reader(TextInMemory{input});
    korvane::ReadBattleFile(reader, setup, problems);
    BattleFileLines(setup);

    // The set-up is fought too, within limits small enough that no input takes long or much
    // memory: a thousand men a side, two hundred rounds, a hundred thousand attacks. The
    // input's length picks the fortification and the dice, so a run depends on the input alone.
    TBattleLimits limits;
    limits.Men = 1000;
    limits.Rounds = 200;
    limits.Attacks = 100000;
    const TFortList forts;
    const auto fort = static_cast<int>(input.size() % forts.Entries().size());
    SilentInteraction ui;
    std::vector<std::string> report;
    RunBattle(setup.Left, setup.Right, forts.Capacity(fort), 0, setup.TacticalAdvantage, setup.HorseTerrain, report, ui,
              static_cast<std::uint32_t>(input.size()), limits);
}

void ReadExchangeFile(std::string_view input)
{
    SilentInteraction ui;
    TMap map;
    ImportExchangeText(map, input, "fuzz.KVD", {}, ui);
    // Overriding takes what the file knows: what it writes for "not known" never empties a hex.
    std::vector<const TMapCell*> knowing;
    map.ForEachCell([&knowing](const TMapCell& cell) {
        if (!cell.HoldsNoMapKnowledge())
            knowing.push_back(&cell);
    });
    ImportExchangeText(map, input, "fuzz.KVD", {true, true}, ui);
    for (const TMapCell* cell : knowing) {
        if (cell->HoldsNoMapKnowledge())
            std::abort();
    }

    // What is exported of that, believed and overriding in an empty world, must export the same.
    const ExchangeImportOptions exact{true, true};
    for (int level : {TMap::kOverworld, TMap::kUnderworld}) {
        ExchangeExportOptions everything;
        everything.Level = level;
        everything.Options = kExportTownNames | kExportGates | kExportGateNumbers | kExportShafts | kExportOther
            | kExportComments;
        int hexes = 0;
        const std::string exported = ExchangeFileText(map, everything, hexes);
        TMap again;
        ImportExchangeText(again, exported, "again.KVD", exact, ui);
        if (ExchangeFileText(again, everything, hexes) != exported)
            std::abort();
    }
}

void CheckOrderLines(std::string_view input)
{
    static const OrderVocabulary vocabulary = OrderVocabulary::Standard();
    long lines = 0;
    TextLines text(input);
    for (std::string_view line; text.Next(line);)
        lines = text.Number();
    long previous = 1;
    for (const auto& problem : CheckOrders(input, vocabulary)) {
        if (problem.Line < previous || problem.Line > lines || problem.Message.empty())
            std::abort();
        previous = problem.Line;
    }
    for (const auto& problem : CheckUnitOrders(input, vocabulary)) {
        if (problem.Line < 1 || problem.Line > lines)
            std::abort();
    }
}

const std::vector<Reader>& Readers()
{
    static const std::vector<Reader> readers = {
        {"report_reader", ReadReport},       {"map_database", ReadMapDatabase},   {"unit_file", ReadUnitFile},
        {"orders_file", ReadOrdersFile},     {"factions_file", ReadFactionsFile}, {"alliance_file", ReadAllianceFile},
        {"settings_file", ReadSettingsFile}, {"faction_list", ReadFactionList},   {"battle_file", ReadBattleFile},
        {"kvd_file", ReadExchangeFile},      {"order_check", CheckOrderLines},
    };
    return readers;
}

}  // namespace korvane::fuzz
