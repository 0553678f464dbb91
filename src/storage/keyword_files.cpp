// Loading and saving the keyword lists in the data folder.
#include "storage/keyword_files.h"

#include "core/key_string_list.h"
#include "core/pointed_files.h"
#include "core/settings.h"
#include "core/user_interaction.h"
#include "storage/turn_files.h"
#include "world/vocabulary.h"

#include <vector>

namespace korvane {

std::vector<std::string> LoadKeywordLists(const TrecINI& settings, TKeyStringList& skills, TKeyStringList& troops,
                                          TKeyStringList& equipment)
{
    skills.Clear();
    troops.Clear();
    equipment.Clear();
    std::vector<std::string> unreadable;
    auto load = [&unreadable](TKeyStringList& list, const std::string& fileName) {
        if (!list.LoadFromFile(fileName))
            unreadable.push_back(fileName);
    };
    load(skills, settings.DataPath(settings.SkillsFile));
    load(troops, settings.DataPath(settings.TroopsFile));
    AddRaceTable(troops);
    load(equipment, settings.DataPath(settings.EquipmentFile));
    return unreadable;
}

FileResult SaveKeywordListsThenUnits(const TMap& map, const TrecINI& settings, const TKeyStringList& skills,
                                     const TKeyStringList& troops, const TKeyStringList& equipment,
                                     const RefusedFiles& refused, UserInteraction& ui)
{
    auto write = [&settings](const TKeyStringList& list, const std::string& name) {
        const std::string file = settings.DataPath(name);
        return FileWrite{file, [&list, file] { return list.SaveToFile(file); }};
    };
    const std::vector<FileWrite> lists{write(skills, settings.SkillsFile), write(troops, settings.TroopsFile),
                                       write(equipment, settings.EquipmentFile)};
    const std::string unitsFile = settings.DataPath(settings.UnitsFile);
    const FileWrite units{unitsFile, [&] { return SaveUnits(map, settings.DataDir, settings); }};
    std::vector<FileResult> failures = WritePointedIntoFirst(lists, units, refused);
    for (FileResult& failure : failures) {
        if (failure.AlreadySaid)
            continue;
        const bool heldBack = failure.File == unitsFile && failures.size() > 1;
        ui.Error(heldBack ? unitsFile + " was not written: the keyword lists its units point into were not."
                          : "Unable to write to " + failure.File);
        failure.AlreadySaid = true;
    }
    return failures.empty() ? FileResult::Done() : failures.front();
}

}  // namespace korvane
