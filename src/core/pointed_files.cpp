// Writing the files pointed into before the file that points into them.
#include "core/pointed_files.h"

#include <optional>

namespace korvane {

namespace {

// Nothing when written; otherwise why not.
std::optional<FileResult> WriteOne(const FileWrite& file, const RefusedFiles& refused)
{
    if (refused.Contains(file.File))
        return FileResult::Refused(file.File);
    FileResult written = file.Write();
    if (written)
        return std::nullopt;
    // The writer's own words, but always about the file this rule knows it by.
    return FileResult::Failed(file.File, written.Reason.empty() ? "it could not be written" : written.Reason);
}

}  // namespace

std::vector<FileResult> WritePointedIntoFirst(const std::vector<FileWrite>& pointedInto, const FileWrite& pointing,
                                              const RefusedFiles& refused)
{
    std::vector<FileResult> failures;
    for (const FileWrite& file : pointedInto) {
        if (auto failure = WriteOne(file, refused))
            failures.push_back(std::move(*failure));
    }
    if (refused.Contains(pointing.File)) {
        failures.push_back(FileResult::Refused(pointing.File));
    } else if (!failures.empty()) {
        failures.push_back(FileResult::Failed(
            pointing.File, "it was not written, because " + failures.front().File + ", which it points into, was not"));
    } else if (auto failure = WriteOne(pointing, refused)) {
        failures.push_back(std::move(*failure));
    }
    return failures;
}

}  // namespace korvane
