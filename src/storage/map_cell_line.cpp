// Writing and reading the cell lines of "Map.Dat".
#include "storage/map_cell_line.h"

#include "core/field_cursor.h"
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

// Builds a line field by field, appended to the file's text. A whole database is some sixty
// thousand of these lines: fields gather in a buffer on the stack and reach the text in a few
// large appends, and numbers and plain texts pass through no temporaries.
class FieldLine
{
public:
    explicit FieldLine(std::string& text)
        : text_(text)
    {
    }
    ~FieldLine() { Flush(); }
    FieldLine(const FieldLine&) = delete;
    FieldLine& operator=(const FieldLine&) = delete;

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

private:
    void Field(std::string_view field)
    {
        if (used_ + field.size() + 1 > sizeof buffer_)
            Flush();
        if (!first_)
            buffer_[used_++] = ',';
        first_ = false;
        if (field.size() > sizeof buffer_ - used_) {
            Flush();
            text_ += field;  // a long text goes straight in, after what the buffer held
            return;
        }
        field.copy(buffer_ + used_, field.size());
        used_ += field.size();
    }
    void Flush()
    {
        text_.append(buffer_, used_);
        used_ = 0;
    }

    inline static const CharSet kComma = MakeCharSet(",");
    inline static const CharSet kLineBreak = MakeCharSet("\r\n");
    std::string& text_;
    char buffer_[1024];
    std::size_t used_ = 0;
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

// A count, then entries of `width` fields as far as whole entries are on the line.
void ReadMarket(FieldCursor& fields, std::size_t width, std::vector<TProduct>& entries)
{
    entries.clear();
    fields.Entries(width, [&fields, &entries, width] {
        TProduct entry;
        entry.Item = fields.Number();
        entry.Amount = fields.Number();
        if (width > 2)
            entry.Price = fields.Number();
        entries.push_back(entry);
    });
}

void ReadStructures(FieldCursor& fields, TMapCell& cell)
{
    cell.ClearStructures();
    fields.Entries(4, [&fields, &cell] {
        auto structure = std::make_unique<TStructure>();
        structure->Number = fields.Number();
        structure->Type = fields.Number();
        structure->Name = fields.Text();
        structure->Description = fields.Text();
        cell.AddStructure(std::move(structure));
    });
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

void ReadV100(FieldCursor& fields, TMapCell& cell)
{
    cell.PopCenter = TrimSpaces(fields.Field());
    cell.PopCenterType = cell.PopCenter.empty() ? kNoPopCenter : kCity;
    cell.Race = fields.Number();
    cell.Population = fields.Number();
    cell.FactionNo = fields.Number();
    cell.Unconfirmed = fields.Number() == 1;
}

void ReadBase(FieldCursor& fields, TMapCell& cell)
{
    cell.PopCenter = fields.Text();
    cell.PopCenterType = fields.Number();
    cell.Shaft = fields.Text();
    cell.Other = fields.Text();
    cell.Race = fields.Number();
    cell.Population = fields.Number();
    cell.FactionNo = fields.Number();
    cell.Unconfirmed = fields.Number() == 1;
    cell.Comments = fields.Text();
    cell.Note2 = fields.Text();
    cell.Note3 = fields.Text();
    for (bool& pathway : cell.Pathway)
        pathway = fields.Number() == 1;
}

void ReadExtension(FieldCursor& fields, CellLayout layout, TMapCell& cell)
{
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
    SplitFields(line, ",", fields);
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
    std::string line;
    AppendCellLine(cell, line);
    return line;
}

void AppendCellLine(const TMapCell& cell, std::string& text)
{
    FieldLine line(text);
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
}

CellLineResult ReadCellLine(TMap& map, const std::vector<std::string_view>& f, CellLayout layout)
{
    if (f.size() < FieldsNeeded(layout, f.size()))
        return CellLineResult::Damaged;
    // Every field up to the layout's fixed ones is there; only the counted lists after them
    // may stop short.
    FieldCursor fields(f);
    const std::int32_t level = fields.Number();
    const std::int32_t x = fields.Number();
    const std::int32_t y = fields.Number();
    TMapCell* cell = map.EnsureCell(level, x, y);
    if (!cell)
        return CellLineResult::NotOnGrid;
    if (layout == CellLayout::CreateOnly)
        return CellLineResult::Read;

    cell->Terrain = fields.Number();
    cell->LegacyName = fields.Text();
    cell->Region = fields.Number();
    cell->LegacyValue = fields.Number();
    cell->Gate = fields.Number();
    cell->Silver = fields.Number();
    if (layout == CellLayout::V100) {
        ReadV100(fields, *cell);
        return CellLineResult::Read;
    }
    ReadBase(fields, *cell);
    if (layout != CellLayout::V200 && fields.Has())
        ReadExtension(fields, layout, *cell);
    return CellLineResult::Read;
}

}  // namespace korvane
