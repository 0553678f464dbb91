// The order in which the bulk import lists the files of a folder.
#pragma once

#include <QString>

namespace korvane {

/// File names in the order a player reads them: a run of digits by its value, so that the
/// report of turn 10 follows that of turn 9, and letters whatever their case. Names equal so
/// read keep a fixed order.
bool FileNameBefore(const QString& a, const QString& b);

}  // namespace korvane
