// Reading the orders template into the units' orders.
#include "reportimport/orders_template.h"

#include "core/settings.h"
#include "core/text_pieces.h"
#include "people/unit_list.h"
#include "reportimport/report_line_source.h"

#include <vector>

namespace korvane {

namespace {

constexpr std::size_t kMaxPassword = 200;

// "#atlantis 3 "secret"": the text after the second space following the "#". Only the player's
// own template carries the player's password: an ally's report holds the ally's, which must
// never replace it.
void ReadPassword(const std::string& header, TrecINI& settings)
{
    const int hash = PosFrom(1, "#", header);
    const int first = hash > 0 ? PosFrom(hash, " ", header) : 0;
    const int second = first > 0 ? PosFrom(first + 1, " ", header) : 0;
    if (second == 0)
        return;
    if (settings.FactionNo <= 0 || NumberIn(Between(header, first, second)) != settings.FactionNo)
        return;
    const std::string password = TrimSpaces(From(header, second + 1).substr(0, kMaxPassword));
    if (!password.empty())
        settings.Password = password;
}

void Store(TUnit* unit, const std::vector<std::string>& orders)
{
    if (!unit)
        return;
    unit->SetOrders(orders);
    unit->OrdersDone = false;
}

}  // namespace

void ReadOrdersTemplate(ReportLineSource& lines, TUnitList& units, TrecINI& settings)
{
    std::string raw;
    while (lines.Read(raw)) {
        const std::string header = TrimSpaces(raw);
        if (!header.empty()) {
            ReadPassword(header, settings);
            break;
        }
    }

    TUnit* unit = nullptr;
    std::vector<std::string> orders;
    while (lines.Read(raw)) {
        const std::string line = TrimSpaces(raw);
        if (line.empty())
            continue;
        const std::string head = UpperCase(std::string_view(line).substr(0, 4));
        if (head == "UNIT") {
            Store(unit, orders);
            orders.clear();
            unit = units.Find(NumberIn(From(line, 5)));
        } else if (head == "#END") {
            break;
        } else if (line.front() != ';') {
            orders.push_back(line);
        }
    }
    Store(unit, orders);
}

}  // namespace korvane
