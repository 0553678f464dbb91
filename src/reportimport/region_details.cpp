// Weather, wages, markets, entertainment and gate lines of a region block.
#include "reportimport/region_details.h"

#include "core/text_pieces.h"
#include "world/map.h"

#include <algorithm>

namespace korvane {

namespace {

int WeatherIndex(TMap& map, std::string_view word)
{
    const std::string name = LowerCase(TrimSpaces(word));
    const int index = map.WeatherList.IndexOf(name);
    return index >= 0 ? index : map.WeatherList.Add(name);
}

// The word that starts at `start`, up to the next space.
std::string_view WordAt(std::string_view line, int start)
{
    return Between(line, start - 1, PosOr(start, " ", line, EndPosition(line)));
}

std::vector<TProduct>& MarketList(TMapCell& cell, int code)
{
    if (code == kCodeWanted)
        return cell.Wanted;
    if (code == kCodeForSale)
        return cell.ForSale;
    return cell.Products;
}

// One market item: "152 grain [GRAI] at $20", "unlimited iron [IRON] at $75", "leader [LEAD]".
void ParseMarketItem(TMap& map, std::vector<TProduct>& list, std::string_view item, int code, const ReportAge& age)
{
    const int space = PosFrom(1, " ", item);
    const int open = PosFrom(1, "[", item);
    if (space == 0 || open == 0)
        return;  // "none", or a fragment that names no product
    TProduct product;
    const std::string_view amountWord = item.substr(0, static_cast<std::size_t>(space - 1));
    int nameStart = space + 1;
    if (amountWord == "unlimited") {
        product.Amount = -1;
    } else {
        product.Amount = StrToIntLenient(amountWord);
        if (product.Amount == 0) {
            product.Amount = 1;
            nameStart = 1;
        }
    }
    const std::string name = SqueezeSpaces(Between(item, nameStart - 1, open));
    const std::string productCode = UpperCase(
        TrimSpaces(Between(item, open, PosOr(open, "]", item, EndPosition(item)))));
    product.Item = map.ProductList.IndexOf(productCode);
    if (product.Item < 0)
        product.Item = map.ProductList.Add(productCode, name);
    if (code != kCodeProducts) {
        if (const int dollar = PosFrom(1, "$", item); dollar > 0)
            product.Price = StrToIntLenient(From(item, dollar + 1).substr(0, 100));
    }

    const auto known = std::find_if(list.begin(), list.end(),
                                    [&](const TProduct& p) { return p.Item == product.Item; });
    if (known == list.end()) {
        list.push_back(product);
    } else if (age.NotOlder()) {
        known->Amount = product.Amount;
        if (code != kCodeProducts)
            known->Price = product.Price;
    }
}

}  // namespace

void ParseWeather(TMap& map, TMapCell& cell, std::string_view line, const ReportAge& age)
{
    if (!age.NotOlder())
        return;
    const int was = PosFrom(1, "was", line);
    if (was > 0)
        cell.WeatherWas = WeatherIndex(map, WordAt(line, was + 4));
    if (const int willBe = PosFrom(was > 0 ? was : 1, "will be", line); willBe > 0)
        cell.WeatherNext = WeatherIndex(map, WordAt(line, willBe + 8));
}

void ParseWages(TMapCell& cell, std::string_view line)
{
    const int first = PosFrom(1, "$", line);
    if (first == 0)
        return;
    cell.Wages = NumberIn(Between(line, first, PosOr(first, ".", line, EndPosition(line))));
    if (const int second = PosFrom(first + 1, "$", line); second > 0)
        cell.MaxWages = NumberIn(Between(line, second, PosOr(second, ")", line, EndPosition(line))));
}

void ParseMarket(TMap& map, TMapCell& cell, std::string_view line, int code, const ReportAge& age)
{
    const int colon = PosFrom(1, ":", line);
    if (colon == 0)
        return;
    std::vector<TProduct>& list = MarketList(cell, code);
    // One allocation for the whole line's items rather than one for each doubling.
    const std::string_view items = From(line, colon + 1);
    list.reserve(list.size() + static_cast<std::size_t>(std::count(items.begin(), items.end(), ',')) + 1);
    ForEachPiece(From(line, colon + 1), ",",
                 [&](std::string_view item) { ParseMarketItem(map, list, TrimmedView(item), code, age); });
}

void ParseEntertainment(TMapCell& cell, std::string_view line)
{
    if (const int dollar = PosFrom(1, "$", line); dollar > 0)
        cell.Entertainment = NumberIn(Between(line, dollar, PosOr(dollar, ".", line, EndPosition(line))));
}

void ParseGate(TMapCell& cell, std::string_view line)
{
    const int open = PosFrom(1, "(", line);
    if (open == 0)
        return;
    const int of = PosFrom(open, " of ", line);
    if (of > 0)
        cell.Gate = NumberIn(Between(line, open + 4, of));
}

}  // namespace korvane
