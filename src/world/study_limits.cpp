// The races' study limits: read from the reports' race paragraphs, kept one race a line.
#include "world/study_limits.h"

#include "core/line_file_load.h"
#include "core/text_file_writer.h"
#include "core/text_helpers.h"

#include <algorithm>
#include <vector>

namespace korvane {

namespace {

// A key as the keyword lists hold it; empty when it could not be kept in a line of words.
std::string KeyOf(std::string_view text)
{
    std::string key = TrimSpaces(text);
    return key.find(' ') == std::string::npos ? key : std::string();
}

// A level written as digits only; empty otherwise.
std::optional<int> LevelOf(std::string_view word)
{
    if (word.empty() || word.size() > 2
        || !std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return StrToIntLenient(word);
}

std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    ForEachPiece(line, " ", [&words](std::string_view word) {
        if (!word.empty())
            words.push_back(word);
    });
    return words;
}

// The keys in brackets of a piece of a sentence, "mining [MINI], hunting [HUNT] and".
std::vector<std::string> BracketedKeys(std::string_view text)
{
    std::vector<std::string> keys;
    for (std::size_t open = text.find('['); open != std::string_view::npos; open = text.find('[', open + 1)) {
        const std::size_t close = text.find(']', open);
        if (close == std::string_view::npos)
            break;
        keys.push_back(KeyOf(text.substr(open + 1, close - open - 1)));
    }
    return keys;
}

// "shipbuilding [SHIP] and combat [COMB] to level 3 and all other skills to level 2", or
// "all skills to level 5": each piece up to a "to level N" names skills or all (other) skills.
std::optional<TStudyLimits::Race> ReadSentence(std::string_view sentence)
{
    static constexpr std::string_view kToLevel = "to level ";
    TStudyLimits::Race race;
    bool othersSaid = false;
    std::size_t at = 0;
    for (std::size_t hit = sentence.find(kToLevel); hit != std::string_view::npos; hit = sentence.find(kToLevel, at)) {
        const std::string_view piece = sentence.substr(at, hit - at);
        std::size_t end = hit + kToLevel.size();
        while (end < sentence.size() && sentence[end] >= '0' && sentence[end] <= '9')
            ++end;
        const auto level = LevelOf(sentence.substr(hit + kToLevel.size(), end - hit - kToLevel.size()));
        if (!level)
            return std::nullopt;
        at = end;
        const std::vector<std::string> keys = BracketedKeys(piece);
        if (piece.find("all skills") != std::string_view::npos
            || piece.find("all other skills") != std::string_view::npos) {
            race.Others = *level;
            othersSaid = true;
        } else if (keys.empty() || std::count(keys.begin(), keys.end(), std::string()) > 0) {
            return std::nullopt;
        }
        for (const std::string& key : keys)
            race.Skills[key] = *level;
    }
    if (!othersSaid || !TrimmedView(sentence.substr(at)).empty())
        return std::nullopt;
    return race;
}

}  // namespace

bool StudyKeyLess::operator()(std::string_view a, std::string_view b) const noexcept
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return AsciiLower(x) < AsciiLower(y); });
}

void TStudyLimits::Set(std::string_view raceKey, Race race)
{
    const std::string key = TrimSpaces(raceKey);
    if (!key.empty())
        races_.insert_or_assign(key, std::move(race));
}

void TStudyLimits::Merge(const TStudyLimits& later)
{
    for (const auto& [key, race] : later.races_)
        races_.insert_or_assign(key, race);
}

const TStudyLimits::Race* TStudyLimits::Find(std::string_view raceKey) const
{
    const auto found = races_.find(TrimmedView(raceKey));
    return found == races_.end() ? nullptr : &found->second;
}

std::optional<int> TStudyLimits::Limit(std::string_view raceKey, std::string_view skillKey) const
{
    const Race* race = Find(raceKey);
    if (!race)
        return std::nullopt;
    const auto skill = race->Skills.find(TrimmedView(skillKey));
    return skill == race->Skills.end() ? race->Others : skill->second;
}

bool TStudyLimits::ReadParagraph(std::string_view paragraph)
{
    static constexpr std::string_view kSays = "This race may study ";
    std::string joined;
    const std::string_view text = SqueezedView(paragraph, joined);  // a wrapped line leaves two spaces
    const std::size_t says = text.find(kSays);
    const std::size_t open = text.find('[');
    const std::size_t close = text.find(']');
    if (says == std::string_view::npos || open == std::string_view::npos || close == std::string_view::npos
        || close > says || close < open)
        return false;
    const std::string raceKey = KeyOf(text.substr(open + 1, close - open - 1));
    const std::size_t start = says + kSays.size();
    const std::size_t stop = text.find('.', start);
    const auto race = ReadSentence(text.substr(start, stop == std::string_view::npos ? stop : stop - start));
    if (raceKey.empty() || !race)
        return false;
    Set(raceKey, *race);
    return true;
}

FileResult TStudyLimits::LoadFromFile(const std::string& fileName)
{
    std::vector<std::string> lines;
    const FileResult read = LoadFileLines(fileName, [&lines](LineReader& r) { return ReadTextLines(r, lines); });
    if (!read)
        return read;
    races_.clear();
    for (const std::string& line : lines) {
        const std::vector<std::string_view> words = Words(line);
        if (words.size() < 2 || words.size() % 2 != 0)
            continue;
        Race race;
        const auto others = LevelOf(words[1]);
        bool sound = others.has_value();
        race.Others = others.value_or(0);
        for (std::size_t i = 2; sound && i < words.size(); i += 2) {
            const auto level = LevelOf(words[i + 1]);
            sound = level.has_value();
            race.Skills[std::string(words[i])] = level.value_or(0);
        }
        if (sound)
            Set(words[0], std::move(race));
    }
    return FileResult::Done();
}

FileResult TStudyLimits::SaveToFile(const std::string& fileName) const
{
    TextFileWriter writer(fileName);
    for (const auto& [key, race] : races_) {
        std::string line = key + " " + IntToStr(race.Others);
        for (const auto& [skill, level] : race.Skills)
            line += " " + skill + " " + IntToStr(level);
        writer.WriteLine(line);
    }
    return writer.Commit();
}

}  // namespace korvane
