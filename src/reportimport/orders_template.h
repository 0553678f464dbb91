// The orders template that may follow a turn report: each unit's orders for the next turn.
#pragma once

namespace korvane {

class ReportLineSource;
class TrecINI;
class TUnitList;

/// Reads the template's lines (after its heading) into the units of `units`: the password from
/// its first line, then "unit N" blocks of order lines up to "#end" or the end of the file.
void ReadOrdersTemplate(ReportLineSource& lines, TUnitList& units, TrecINI& settings);

}  // namespace korvane
