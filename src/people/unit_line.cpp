// The one-line text form of a unit, as the unit files store it.
#include "core/field_cursor.h"
#include "core/text_helpers.h"
#include "people/unit.h"

#include <charconv>

namespace korvane {

namespace {

constexpr char kSeparator = '"';
constexpr std::size_t kFixedFields = 17;

// A double quote inside a text would split the line in the wrong place when read back.
std::string Text(std::string_view text)
{
    return ReplaceCharSet(TrimSpaces(text), MakeCharSet("\"\r\n"), '\'');
}

bool StorableAsIs(std::string_view text)
{
    if (!text.empty() && (text.front() == ' ' || text.back() == ' '))
        return false;
    for (char c : text) {
        if (c == '"' || c == '\r' || c == '\n')
            return false;
    }
    return true;
}

class FieldWriter
{
public:
    void Add(std::string_view field)
    {
        line_ += field;
        line_ += kSeparator;
    }
    void Add(std::int64_t number)
    {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        Add(std::string_view(digits, static_cast<std::size_t>(end - digits)));
    }
    void AddText(std::string_view text)
    {
        if (StorableAsIs(text))
            Add(text);
        else
            Add(Text(text));
    }
    void Reserve(std::size_t size) { line_.reserve(size); }
    std::string Take() { return std::move(line_); }

private:
    std::string line_;
};

}  // namespace

std::string TUnit::ToLine() const
{
    FieldWriter line;
    line.Reserve(64 + Name.size() + Description.size() + 24 * (Troops.size() + Equipment.size() + Skills.size()));
    line.Add(Number);
    line.AddText(Name);
    line.AddText(Description);
    line.Add(Level);
    line.Add(X);
    line.Add(Y);
    line.Add(Structure);
    line.AddText(Text1);
    line.AddText(Text2);
    line.AddText(Text3);
    line.Add(Faction);
    line.Add(static_cast<std::int32_t>(Flags));
    line.Add(Silver);
    line.Add(CombatSpell);
    line.Add(LastFaction);
    line.Add(Turn);
    line.Add(OrdersDone ? "Y" : "N");
    line.Add(static_cast<std::int64_t>(Troops.size()));
    for (const auto& group : Troops) {
        line.Add(group.Index);
        line.Add(group.Count);
    }
    line.Add(static_cast<std::int64_t>(Equipment.size()));
    for (const auto& item : Equipment) {
        line.Add(item.Index);
        line.Add(item.Count);
    }
    line.Add(static_cast<std::int64_t>(Skills.size()));
    for (const auto& skill : Skills) {
        line.Add(skill.Index);
        line.Add(skill.Days);
    }
    line.Add(static_cast<std::int64_t>(CanStudy.size()));
    for (const auto& skill : CanStudy)
        line.Add(skill.Index);
    return line.Take();
}

bool TUnit::FromLine(std::string_view line)
{
    std::vector<std::string_view> fields;
    SplitFields(line, std::string_view(&kSeparator, 1), fields);
    if (fields.size() < kFixedFields)
        return false;
    FieldCursor reader(fields);
    Number = reader.Number();
    Name = reader.Text();
    Description = reader.Text();
    Level = reader.Number();
    X = reader.Number();
    Y = reader.Number();
    Structure = reader.Number();
    Text1 = reader.Text();
    Text2 = reader.Text();
    Text3 = reader.Text();
    Faction = reader.Number();
    Flags = static_cast<std::uint32_t>(reader.Number());
    Silver = reader.Number();
    CombatSpell = reader.Number();
    LastFaction = reader.Number();
    Turn = reader.Number();
    OrdersDone = UpperCase(TrimSpaces(reader.Field())) == "Y";

    // Braces read their elements left to right, so each entry takes its fields in order.
    Troops.clear();
    reader.Entries(2, [this, &reader] { Troops.push_back({reader.Number(), reader.Number()}); });
    Equipment.clear();
    reader.Entries(2, [this, &reader] { Equipment.push_back({reader.Number(), reader.Number()}); });
    Skills.clear();
    reader.Entries(2, [this, &reader] { Skills.push_back({reader.Number(), reader.Number()}); });
    CanStudy.clear();
    reader.Entries(1, [this, &reader] {
        TUnitSkill skill;
        skill.Index = reader.Number();
        CanStudy.push_back(skill);
    });
    return true;
}

}  // namespace korvane
