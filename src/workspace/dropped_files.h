// Files handed to the program all at once (dropped on its window): what each one is, told by
// what it holds rather than by its name, and the order they are taken in.
#pragma once

#include <string>
#include <vector>

namespace korvane {

enum class DroppedKind { TurnReport, ExchangeFile, BattleFile, FactionList, Unknown };

struct DroppedFile
{
    std::string FileName;
    DroppedKind Kind = DroppedKind::Unknown;
    int Turn = -1;  // a turn report's turn, when its date could be read
};

/// Looks at the first lines of `fileName`. A file that cannot be read is Unknown.
DroppedFile ClassifyDroppedFile(const std::string& fileName);

/// Every file classified, the turn reports first in turn order (those without a readable date
/// after them, in the order given), then the rest in the order given.
std::vector<DroppedFile> ClassifyDroppedFiles(const std::vector<std::string>& fileNames);

}  // namespace korvane
