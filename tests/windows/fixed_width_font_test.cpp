// Every list that lines up columns has a font whose characters all take one width.
#include "windows/fixed_width_font.h"

#include "unit_browser_world.h"
#include "windows/frm_all_units.h"
#include "windows/frm_alliances.h"
#include "windows/frm_combat_results.h"
#include "windows/frm_combats.h"
#include "windows/frm_factions.h"
#include "windows/frm_give_orders.h"
#include "windows/frm_hex_info.h"
#include "windows/frm_hex_units.h"
#include "windows/frm_map_list.h"
#include "windows/frm_unit_summ.h"

namespace korvane {
namespace {

using ListFonts = testing::UnitBrowserWorld;

TEST_F(ListFonts, NarrowAndWideCharactersTakeOneWidthInEveryColumnedList)
{
    const auto picker = [](int&, QWidget*) -> TFaction* { return nullptr; };
    const std::vector<std::pair<std::function<QWidget*()>, std::vector<const char*>>> windows = {
        {[&] { return new TfrmHexUnits(ws, Vocabulary(), 0, 12, 8, ui, nullptr); },
         {"lstFactions", "lstUnits", "lstMisc", "lstStructures"}},
        {[&] { return new TfrmAllUnits(ws, Vocabulary(), ui, nullptr); }, {"lstFactions", "lstUnits"}},
        {[&] { return new TfrmFactions(ws.Factions, ws.Settings, ui); }, {"lstFactions"}},
        {[&] { return new TfrmAlliances(ws.Alliances, ws.Factions, ws.Settings, ui, picker, nullptr); },
         {"lstFactions"}},
        {[&] { return new TfrmHexInfo(ws.Map, 0, 12, 8, ui, nullptr); }, {"lstProds"}},
        {[&] { return new TfrmUnitSumm(ws, nullptr, nullptr); }, {"pnlSilver"}},
        {[&] { return new TfrmGiveOrders(ws, Vocabulary()); }, {"txtOrders"}},
        {[&] { return new TfrmCombats(home.Path(), ui, nullptr); }, {"lstLeft", "lstRight"}},
        {[&] { return new TfrmCombatResults({"Battle"}, nullptr); }, {"lstCombats"}},
        {[&] { return new TfrmMapList(MapListMode::Gates, "Gates", {"Gate 1 (1,1)"}, ws.Settings, {}, nullptr); },
         {"lstItems"}}};
    for (const auto& [open, lists] : windows) {
        const std::unique_ptr<QWidget> window(open());
        for (const char* name : lists) {
            const QFontMetrics font(testing::Child<QWidget>(*window, name)->font());
            EXPECT_EQ(font.horizontalAdvance('i'), font.horizontalAdvance('W')) << name;
        }
    }
    EXPECT_TRUE(HasOneWidth(FixedWidthFont()));
}

}  // namespace
}  // namespace korvane
