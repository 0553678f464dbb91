// Importing a run of turn reports one after the other, as the bulk import does.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace korvane {

class UserInteraction;
class Workspace;

enum class BulkImportEnd { Finished, Failed, Cancelled };

struct BulkImportOutcome
{
    BulkImportEnd End = BulkImportEnd::Finished;
    /// Reports imported, counted from the first; when the run failed, the next one is the file
    /// that failed, and when it was cancelled, the first one left.
    std::size_t Imported = 0;
};

/// Imports `files` in their order with ImportTurnReport, stopping at the first that fails.
/// `beforeEach(index)` is asked before each file whether to go on: false stops the run there,
/// between two whole reports. The map database is not saved.
BulkImportOutcome ImportTurnReports(Workspace& workspace, const std::vector<std::string>& files,
                                   UserInteraction& ui, const std::function<bool(std::size_t index)>& beforeEach);

}  // namespace korvane
