// Writing and reading the cell lines of "Map.Dat".
#include "storage/map_cell_line.h"

#include "core/text_helpers.h"
#include "world/map.h"

#include <charconv>

namespace korvane {

namespace {

// Fields every layout from 2.00 on holds: the position to the pathway flags.
constexpr std::size_t kBaseFields = 23;
constexpr std::size_t kV100Fields = 14;
constexpr std::size_t kPositionFields = 3;
// The 2.21 to 2.23 extension: wages, maximum wages, entertainment, last update.
constexpr std::size_t kV221Fields = 27;
// The 2.24 extension adds both weathers before the last update.
constexpr std::size_t kV224Fields = 29;

// Builds a line field by field. A whole database is some sixty thousand of these lines, so
// numbers and plain texts go straight into the line without passing through temporaries.
class FieldLine
{
public:
    void Number(std::int64_t value)
    {
        char digits[24];
        const auto result = std::to_chars(digits, digits + sizeof digits, value);
        Field(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
    }
    void Flag(bool value) { Field(value ? "1" : "0"); }
    void Text(std::string_view text)
    {
        const bool plain = text.find_first_of(",\r\n") == std::string_view::npos
            && (text.empty() || (text.front() != ' ' && text.back() != ' '));
        if (plain)
            Field(text);
        else
            Field(TrimSpaces(ReplaceCharSet(ReplaceCharSet(text, kComma, ';'), kLineBreak, ' ')));
    }
    std::string Take() { return std::move(line_); }

private:
    void Field(std::string_view field)
    {
        if (!first_)
            line_ += ',';
        first_ = false;
        line_ += field;
    }

    inline static const CharSet kComma = MakeCharSet(",");
    inline static const CharSet kLineBreak = MakeCharSet("\r\n");
    std::string line_;
    bool first_ = true;
};

void WriteMarket(FieldLine& line, const std::vector<TProduct>& entries, bool withPrice)
{
    line.Number(static_cast<std::int64_t>(entries.size()));
    for (const auto& entry : entries) {
        line.Number(entry.Item);
        line.Number(entry.Amount);
        if (withPrice)
            line.Number(entry.Price);
    }
}

// Walks the fields of a line; reads only fields that are there.
class FieldCursor
{
public:
    FieldCursor(const std::vector<std::string_view>& fields, std::size_t start) : fields_(fields), next_(start) {}

    bool Has(std::size_t count) const { return next_ + count <= fields_.size(); }
    std::int32_t Number() { return Has(1) ? StrToIntLenient(fields_[next_++]) : 0; }
    std::string Text() { return Has(1) ? std::string(fields_[next_++]) : std::string(); }

private:
    const std::vector<std::string_view>& fields_;
    std::size_t next_;
};

// A count, then entries of `width` fields as far as whole entries are on the line.
void ReadMarket(FieldCursor& fields, std::size_t width, std::vector<TProduct>& entries)
{
    entries.clear();
    if (!fields.Has(1))
        return;
    const std::int32_t count = fields.Number();
    for (std::int32_t i = 0; i < count && fields.Has(width); ++i) {
        TProduct entry;
        entry.Item = fields.Number();
        entry.Amount = fields.Number();
        if (width > 2)
            entry.Price = fields.Number();
        entries.push_back(entry);
    }
}

void ReadStructures(FieldCursor& fields, TMapCell& cell)
{
    cell.ClearStructures();
    if (!fields.Has(1))
        return;
    const std::int32_t count = fields.Number();
    for (std::int32_t i = 0; i < count && fields.Has(4); ++i) {
        auto structure = std::make_unique<TStructure>();
        structure->Number = fields.Number();
        structure->Type = fields.Number();
        structure->Name = fields.Text();
        structure->Description = fields.Text();
        cell.AddStructure(std::move(structure));
    }
}

std::size_t FieldsNeeded(CellLayout layout, std::size_t present)
{
    switch (layout) {
    case CellLayout::V100:
        return kV100Fields;
    case CellLayout::CreateOnly:
        return kPositionFields;
    case CellLayout::V200:
        return kBaseFields;
    case CellLayout::V221:
    case CellLayout::V222:
        // What follows the base fields is there or not; begun, it must be whole.
        return present > kBaseFields ? kV221Fields : kBaseFields;
    case CellLayout::V224:
        return present > kBaseFields ? kV224Fields : kBaseFields;
    }
    return kBaseFields;
}

void ReadV100(const std::vector<std::string_view>& f, TMapCell& cell)
{
    cell.PopCenter = TrimSpaces(f[9]);
    cell.PopCenterType = cell.PopCenter.empty() ? kNoPopCenter : kCity;
    cell.Race = StrToIntLenient(f[10]);
    cell.Population = StrToIntLenient(f[11]);
    cell.FactionNo = StrToIntLenient(f[12]);
    cell.Unconfirmed = StrToIntLenient(f[13]) == 1;
}

void ReadBase(const std::vector<std::string_view>& f, TMapCell& cell)
{
    cell.PopCenter = std::string(f[9]);
    cell.PopCenterType = StrToIntLenient(f[10]);
    cell.Shaft = std::string(f[11]);
    cell.Other = std::string(f[12]);
    cell.Race = StrToIntLenient(f[13]);
    cell.Population = StrToIntLenient(f[14]);
    cell.FactionNo = StrToIntLenient(f[15]);
    cell.Unconfirmed = StrToIntLenient(f[16]) == 1;
    cell.Comments = std::string(f[17]);
    cell.Note2 = std::string(f[18]);
    cell.Note3 = std::string(f[19]);
    for (std::size_t i = 0; i < cell.Pathway.size(); ++i)
        cell.Pathway[i] = StrToIntLenient(f[20 + i]) == 1;
}

void ReadExtension(const std::vector<std::string_view>& f, CellLayout layout, TMapCell& cell)
{
    FieldCursor fields(f, kBaseFields);
    cell.Wages = fields.Number();
    cell.MaxWages = fields.Number();
    cell.Entertainment = fields.Number();
    if (layout == CellLayout::V224) {
        cell.WeatherWas = fields.Number();
        cell.WeatherNext = fields.Number();
    }
    cell.LastUpdate = fields.Number();
    ReadMarket(fields, 3, cell.Wanted);
    ReadMarket(fields, 3, cell.ForSale);
    ReadMarket(fields, 2, cell.Products);
    if (layout != CellLayout::V221)
        ReadStructures(fields, cell);
}

}  // namespace

void SplitFields(std::string_view line, std::vector<std::string_view>& fields)
{
    fields.clear();
    if (line.empty())
        return;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos)
            return;
        start = comma + 1;
    }
}

std::optional<CellLayout> CellLayoutOf(long long hundredths)
{
    if (hundredths < 100 || hundredths > kNewestMapVersion)
        return std::nullopt;
    if (hundredths == 100)
        return CellLayout::V100;
    if (hundredths < 200)
        return CellLayout::CreateOnly;
    if (hundredths <= 220)
        return CellLayout::V200;
    if (hundredths == 221)
        return CellLayout::V221;
    if (hundredths <= 223)
        return CellLayout::V222;
    return CellLayout::V224;
}

std::string CellLine(const TMapCell& cell)
{
    FieldLine line;
    line.Number(cell.Level);
    line.Number(cell.X);
    line.Number(cell.Y);
    line.Number(cell.Terrain);
    line.Text(cell.LegacyName);
    line.Number(cell.Region);
    line.Number(cell.LegacyValue);
    line.Number(cell.Gate);
    line.Number(cell.Silver);
    line.Text(cell.PopCenter);
    line.Number(cell.PopCenterType);
    line.Text(cell.Shaft);
    line.Text(cell.Other);
    line.Number(cell.Race);
    line.Number(cell.Population);
    line.Number(cell.FactionNo);
    line.Flag(cell.Unconfirmed);
    line.Text(cell.Comments);
    line.Text(cell.Note2);
    line.Text(cell.Note3);
    for (bool pathway : cell.Pathway)
        line.Flag(pathway);
    line.Number(cell.Wages);
    line.Number(cell.MaxWages);
    line.Number(cell.Entertainment);
    line.Number(cell.WeatherWas);
    line.Number(cell.WeatherNext);
    line.Number(cell.LastUpdate);
    WriteMarket(line, cell.Wanted, true);
    WriteMarket(line, cell.ForSale, true);
    WriteMarket(line, cell.Products, false);
    line.Number(cell.Structures.Count());
    cell.Structures.ForEach([&line](const TStructure& structure) {
        line.Number(structure.Number);
        line.Number(structure.Type);
        line.Text(structure.Name);
        line.Text(structure.Description);
    });
    return line.Take();
}

CellLineResult ReadCellLine(TMap& map, const std::vector<std::string_view>& f, CellLayout layout)
{
    if (f.size() < FieldsNeeded(layout, f.size()))
        return CellLineResult::Damaged;
    TMapCell* cell = map.EnsureCell(StrToIntLenient(f[0]), StrToIntLenient(f[1]), StrToIntLenient(f[2]));
    if (!cell)
        return CellLineResult::NotOnGrid;
    if (layout == CellLayout::CreateOnly)
        return CellLineResult::Read;

    cell->Terrain = StrToIntLenient(f[3]);
    cell->LegacyName = std::string(f[4]);
    cell->Region = StrToIntLenient(f[5]);
    cell->LegacyValue = StrToIntLenient(f[6]);
    cell->Gate = StrToIntLenient(f[7]);
    cell->Silver = StrToIntLenient(f[8]);
    if (layout == CellLayout::V100) {
        ReadV100(f, *cell);
        return CellLineResult::Read;
    }
    ReadBase(f, *cell);
    if (layout != CellLayout::V200 && f.size() > kBaseFields)
        ReadExtension(f, layout, *cell);
    return CellLineResult::Read;
}

}  // namespace korvane
