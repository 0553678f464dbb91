// The one-line text form of a unit, as the unit files store it.
#include "core/case_insensitive.h"
#include "core/field_cursor.h"
#include "core/text_helpers.h"
#include "people/unit.h"

#include <algorithm>
#include <charconv>

namespace korvane {

namespace {

constexpr char kSeparator = '"';
constexpr std::size_t kFixedFields = 17;

// Writes the fields through a pointer into room made for the longest line the unit can have: a
// unit file of a large world is hundreds of thousands of lines, and appending each field to a
// string on its own costs more than the rest of the save. A usual line is written on the stack
// and appended whole; only a very long one is written into the text itself.
class FieldWriter
{
public:
    static constexpr std::size_t kMaxNumber = 21;  // digits of any 64-bit number, and the separator

    FieldWriter(std::string& text, std::size_t room)
        : text_(text)
        , onStack_(room <= sizeof local_)
    {
        if (onStack_) {
            out_ = local_;
        } else {
            const std::size_t start = text_.size();
            text_.resize(start + room);
            out_ = text_.data() + start;
        }
    }
    ~FieldWriter()
    {
        if (onStack_)
            text_.append(local_, static_cast<std::size_t>(out_ - local_));
        else
            text_.resize(static_cast<std::size_t>(out_ - text_.data()));
    }
    FieldWriter(const FieldWriter&) = delete;
    FieldWriter& operator=(const FieldWriter&) = delete;

    void Add(std::int64_t number)
    {
        out_ = std::to_chars(out_, out_ + kMaxNumber - 1, number).ptr;
        *out_++ = kSeparator;
    }
    void AddLetter(char letter)
    {
        *out_++ = letter;
        *out_++ = kSeparator;
    }
    // Trimmed of spaces; a double quote or line break inside would split the line in the wrong
    // place when read back, so it becomes an apostrophe.
    void AddText(std::string_view text)
    {
        for (char c : TrimmedView(text))
            *out_++ = (c == '"' || c == '\r' || c == '\n') ? '\'' : c;
        *out_++ = kSeparator;
    }

private:
    std::string& text_;
    const bool onStack_;
    char* out_ = nullptr;
    char local_[2048];
};

// Replaces `list` with the entries of a counted list of the line (as FieldCursor::Entries
// reads them), made at once at the size the count asks for, but never more than the line's
// `fieldCount` fields could hold: one allocation, whatever a damaged count says.
template <typename List, typename Read>
void ReadEntries(FieldCursor& reader, std::size_t fieldCount, std::size_t width, List& list, Read&& read)
{
    list.clear();
    if (!reader.Has())
        return;
    const std::int32_t count = reader.Number();
    if (count <= 0)
        return;
    list.reserve(std::min(static_cast<std::size_t>(count), fieldCount / width));
    for (std::int32_t i = 0; i < count && reader.Has(width); ++i)
        list.push_back(read());
}

}  // namespace

std::string TUnit::ToLine() const
{
    std::string line;
    AppendLineTo(line);
    return line;
}

void TUnit::AppendLineTo(std::string& text) const
{
    const std::size_t numbers = 20 + 2 * (Troops.size() + Equipment.size() + Skills.size()) + CanStudy.size();
    const std::size_t texts = Name.size() + Description.size() + Text1().size() + Text2().size() + Text3().size() + 5;
    FieldWriter line(text, numbers * FieldWriter::kMaxNumber + texts + 2);
    line.Add(Number);
    line.AddText(Name);
    line.AddText(Description);
    line.Add(Level);
    line.Add(X);
    line.Add(Y);
    line.Add(Structure);
    for (const std::string_view text : {Text1(), Text2(), Text3()})
        line.AddText(text);
    line.Add(Faction);
    line.Add(static_cast<std::int32_t>(Flags));
    line.Add(Silver);
    line.Add(CombatSpell);
    line.Add(LastFaction);
    line.Add(Turn);
    line.AddLetter(OrdersDone ? 'Y' : 'N');
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
}

bool TUnit::FromLine(std::string_view line)
{
    std::vector<std::string_view> fields;
    return FromLine(line, fields);
}

bool TUnit::FromLine(std::string_view line, std::vector<std::string_view>& fields)
{
    // Start-up reads hundreds of thousands of these lines: the texts are assigned from views
    // and each list is made once at its final size, so a line costs no more than writing it.
    SplitFields(line, std::string_view(&kSeparator, 1), fields);
    if (fields.size() < kFixedFields)
        return false;
    FieldCursor reader(fields);
    Number = reader.Number();
    Name.assign(reader.Field());
    Description.assign(reader.Field());
    Level = reader.Number();
    X = reader.Number();
    Y = reader.Number();
    Structure = reader.Number();
    for (std::size_t text = 0; text < 3; ++text)
        Texts.Set(text, reader.Field());
    Faction = reader.Number();
    Flags = static_cast<std::uint32_t>(reader.Number());
    Silver = reader.Number();
    CombatSpell = reader.Number();
    LastFaction = reader.Number();
    Turn = reader.Number();
    OrdersDone = SameText(TrimmedView(reader.Field()), "Y");

    // Braces read their elements left to right, so each entry takes its fields in order.
    ReadEntries(reader, fields.size(), 2, Troops, [&reader] {
        return TUnitTroopGroup{reader.Number(), reader.Number()};
    });
    ReadEntries(reader, fields.size(), 2, Equipment, [&reader] {
        return TUnitEquip{reader.Number(), reader.Number()};
    });
    ReadEntries(reader, fields.size(), 2, Skills, [&reader] { return TUnitSkill{reader.Number(), reader.Number()}; });
    ReadEntries(reader, fields.size(), 1, CanStudy, [&reader] { return TUnitSkill{reader.Number(), 0}; });
    return true;
}

}  // namespace korvane
