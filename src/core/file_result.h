// FileResult: what a load, save, import or export of a file came to, for the front end to turn
// into a message or an exit status.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace korvane {

struct FileResult
{
    /// Success: nothing to say.
    static FileResult Done() { return {}; }
    /// The file that failed and why, in words a player can act on.
    static FileResult Failed(std::string file, std::string reason)
    {
        FileResult result;
        result.Ok = false;
        result.File = std::move(file);
        result.Reason = std::move(reason);
        return result;
    }
    /// There is no such file: for the loads that need their file, a failure the caller can tell
    /// from one that could not be read without looking at the disk again.
    static FileResult NotFound(std::string file)
    {
        FileResult result = Failed(std::move(file), "there is no such file");
        result.Missing = true;
        return result;
    }
    /// The file is there, but could not be read, or not in full.
    static FileResult Unreadable(std::string file) { return Failed(std::move(file), "it could not be read"); }
    /// Why `file` could not be opened: NotFound when it is not there, else Unreadable.
    static FileResult NotOpened(const std::string& file);

    /// A file that was refused earlier in the run and so was left as it is: a failure that was
    /// already said when the file was found.
    static FileResult Refused(std::string file)
    {
        FileResult result = Failed(std::move(file),
                                   "it could not be read when Korvane started, so it is not written over");
        result.AlreadySaid = true;
        return result;
    }

    /// For a load to which no file means nothing to read: success when the file is missing.
    FileResult MissingAsDone() const { return Missing ? Done() : *this; }

    explicit operator bool() const { return Ok; }
    /// "FILE: reason".
    std::string Text() const { return File + ": " + Reason; }

    bool Ok = true;
    bool AlreadySaid = false;
    /// A failure only because there is no such file.
    bool Missing = false;
    std::string File;
    std::string Reason;
};

/// The one of several failures to tell the player about: the first that was not said yet, else
/// the first; success when there are none.
inline FileResult FirstToSay(const std::vector<FileResult>& failures)
{
    for (const FileResult& failure : failures) {
        if (!failure.AlreadySaid)
            return failure;
    }
    return failures.empty() ? FileResult::Done() : failures.front();
}

}  // namespace korvane
