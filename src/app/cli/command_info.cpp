// "info": where the player's data lives and every setting as the program reads it.
#include "app/cli/commands.h"

#include "core/file_names.h"
#include "workspace/workspace.h"

#include <iomanip>
#include <ostream>
#include <string_view>

namespace korvane {

namespace {

void PrintDataFile(std::ostream& out, const TrecINI& settings, const std::string& name)
{
    const std::string path = settings.DataPath(name);
    out << "  " << std::left << std::setw(17) << name << path << (FileExists(path) ? "" : " (absent)") << '\n';
}

}  // namespace

int RunInfoCommand(CliContext& context, const std::vector<std::string>& args)
{
    if (!args.empty()) {
        context.err << "korvane-cli: info takes no arguments\n";
        return 2;
    }
    const TrecINI& settings = context.workspace.Settings;
    std::ostream& out = context.out;
    out << "Program directory: " << context.workspace.ProgramDir() << '\n';
    out << "Settings file:     " << settings.FileName()
        << (FileExists(settings.FileName()) ? "" : " (absent: defaults shown)") << '\n';

    std::string_view section;
    for (const auto& value : settings.Values()) {
        if (section != value.section) {
            section = value.section;
            out << '[' << section << "]\n";
        }
        // The password is the game's secret: say whether there is one, never what it is.
        const bool secret = std::string_view(value.key) == "Password";
        const std::string shown = !secret ? value.text : value.text.empty() ? "(not set)" : "(set)";
        out << "  " << std::left << std::setw(17) << value.key << shown << '\n';
    }

    out << "[Data files]\n";
    for (const std::string* name :
         {&settings.MapFile, &settings.TerrainFile, &settings.RegionsFile, &settings.RacesFile, &settings.WeatherFile,
          &settings.ProductsFile, &settings.ColoursFile, &settings.MapIconsFile, &settings.FactionsFile,
          &settings.AllianceFile, &settings.SkillsFile, &settings.TroopsFile, &settings.EquipmentFile,
          &settings.UnitsFile, &settings.UnitListsFile})
        PrintDataFile(out, settings, *name);
    out << "  " << std::setw(17) << "per turn" << settings.DataPath(settings.UnitsStem + "NNNN.dat") << ", "
        << settings.DataPath(settings.OrdersStem + "NNNN.dat") << '\n';
    return 0;
}

}  // namespace korvane
