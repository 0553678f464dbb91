// How a run of turn reports imported one after the other ended.
#pragma once

#include "core/file_result.h"

#include <cstddef>

namespace korvane {

enum class BulkImportEnd { Finished, Failed, Cancelled };

struct BulkImportOutcome
{
    BulkImportEnd End = BulkImportEnd::Finished;
    /// Reports imported, counted from the first; when the run failed, the next one is the file
    /// that failed, and when it was cancelled, the first one left.
    std::size_t Imported = 0;
    /// The first per-turn file (units, hex units, orders) of the reports imported that could not
    /// be written; it was said when it happened.
    FileResult Unsaved;
    /// When the run failed: the report that could not be imported, and why.
    FileResult Failure;
};

}  // namespace korvane
