// The one-line text form of a unit, as the unit files store it.
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

// Walks the pieces after the fixed fields; reads only pieces that are there.
class FieldReader
{
public:
    FieldReader(const std::vector<std::string>& pieces, std::size_t start) : pieces_(pieces), next_(start) {}

    bool More(std::size_t count = 1) const { return next_ + count <= pieces_.size(); }
    std::int32_t Number() { return More() ? StrToIntLenient(pieces_[next_++]) : 0; }

private:
    const std::vector<std::string>& pieces_;
    std::size_t next_;
};

// A count, then up to that many entries of `width` pieces each, as far as whole entries are there.
template <typename Entry, typename Read>
void ReadGroup(FieldReader& reader, std::size_t width, std::vector<Entry>& entries, Read read)
{
    entries.clear();
    if (!reader.More())
        return;
    const std::int32_t count = reader.Number();
    for (std::int32_t i = 0; i < count && reader.More(width); ++i)
        entries.push_back(read());
}

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
    std::vector<std::string> pieces;
    if (SplitString(line, pieces, "\"") < static_cast<int>(kFixedFields))
        return false;
    Number = StrToIntLenient(pieces[0]);
    Name = pieces[1];
    Description = pieces[2];
    Level = StrToIntLenient(pieces[3]);
    X = StrToIntLenient(pieces[4]);
    Y = StrToIntLenient(pieces[5]);
    Structure = StrToIntLenient(pieces[6]);
    Text1 = pieces[7];
    Text2 = pieces[8];
    Text3 = pieces[9];
    Faction = StrToIntLenient(pieces[10]);
    Flags = static_cast<std::uint32_t>(StrToIntLenient(pieces[11]));
    Silver = StrToIntLenient(pieces[12]);
    CombatSpell = StrToIntLenient(pieces[13]);
    LastFaction = StrToIntLenient(pieces[14]);
    Turn = StrToIntLenient(pieces[15]);
    OrdersDone = UpperCase(TrimSpaces(pieces[16])) == "Y";

    FieldReader reader(pieces, kFixedFields);
    ReadGroup(reader, 2, Troops, [&reader] {
        TUnitTroopGroup group;
        group.Index = reader.Number();
        group.Count = reader.Number();
        return group;
    });
    ReadGroup(reader, 2, Equipment, [&reader] {
        TUnitEquip item;
        item.Index = reader.Number();
        item.Count = reader.Number();
        return item;
    });
    ReadGroup(reader, 2, Skills, [&reader] {
        TUnitSkill skill;
        skill.Index = reader.Number();
        skill.Days = reader.Number();
        return skill;
    });
    ReadGroup(reader, 1, CanStudy, [&reader] {
        TUnitSkill skill;
        skill.Index = reader.Number();
        return skill;
    });
    return true;
}

}  // namespace korvane
