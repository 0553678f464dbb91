// The run of turn reports behind the bulk import.
#include "workspace/bulk_import_run.h"

#include "workspace/workspace.h"

namespace korvane {

BulkImportOutcome ImportTurnReports(Workspace& workspace, const std::vector<std::string>& files,
                                    UserInteraction& ui, const std::function<bool(std::size_t index)>& beforeEach)
{
    BulkImportOutcome outcome;
    for (const std::string& file : files) {
        if (beforeEach && !beforeEach(outcome.Imported)) {
            outcome.End = BulkImportEnd::Cancelled;
            return outcome;
        }
        // The last report imported wins for wages, settlements and the turn shown: one skipped
        // now could only be put back by importing it after newer ones, over what they told.
        if (!ImportTurnReport(workspace, file, ui)) {
            outcome.End = BulkImportEnd::Failed;
            return outcome;
        }
        ++outcome.Imported;
    }
    return outcome;
}

}  // namespace korvane
