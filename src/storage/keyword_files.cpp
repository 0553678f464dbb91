// Loading and saving the keyword lists in the data folder.
#include "storage/keyword_files.h"

#include "core/key_string_list.h"
#include "core/settings.h"
#include "core/user_interaction.h"
#include "storage/turn_files.h"
#include "world/vocabulary.h"

#include <utility>

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

bool SaveKeywordLists(const TrecINI& settings, const TKeyStringList& skills, const TKeyStringList& troops,
                      const TKeyStringList& equipment, const RefusedFiles& refused)
{
    auto save = [&refused](const TKeyStringList& list, const std::string& fileName) {
        return !refused.Contains(fileName) && list.SaveToFile(fileName);
    };
    bool saved = save(skills, settings.DataPath(settings.SkillsFile));
    saved = save(troops, settings.DataPath(settings.TroopsFile)) && saved;
    return save(equipment, settings.DataPath(settings.EquipmentFile)) && saved;
}

bool SaveKeywordListsThenUnits(const TMap& map, const TrecINI& settings, const TKeyStringList& skills,
                               const TKeyStringList& troops, const TKeyStringList& equipment,
                               const RefusedFiles& refused, UserInteraction& ui)
{
    bool listsSaved = true;
    const std::pair<const TKeyStringList*, const std::string*> lists[] = {
        {&skills, &settings.SkillsFile}, {&troops, &settings.TroopsFile}, {&equipment, &settings.EquipmentFile}};
    for (const auto& [list, name] : lists) {
        const std::string file = settings.DataPath(*name);
        if (refused.Contains(file)) {
            listsSaved = false;
        } else if (!list->SaveToFile(file)) {
            ui.Error("Unable to write to " + file);
            listsSaved = false;
        }
    }
    const std::string unitsFile = settings.DataPath(settings.UnitsFile);
    if (refused.Contains(unitsFile))
        return false;
    if (!listsSaved) {
        ui.Error(unitsFile + " was not written: the keyword lists its units point into were not.");
        return false;
    }
    if (!SaveUnits(map, settings.DataDir, settings)) {
        ui.Error("Unable to write to " + unitsFile);
        return false;
    }
    return true;
}

}  // namespace korvane
