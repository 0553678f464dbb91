// Collects the lines of a text file and writes them, CR LF ended (or LF ended, for a reader
// that keeps a CR as text), as one atomic replacement.
#pragma once

#include "core/file_result.h"

#include <string>
#include <string_view>

namespace korvane {

/// How the lines of a written file end.
enum class LineEnds { CrLf, Lf };

class TextFileWriter
{
public:
    explicit TextFileWriter(std::string path, LineEnds ends = LineEnds::CrLf)
        : path_(std::move(path))
        , lineEnd_(ends == LineEnds::Lf ? "\n" : "\r\n")
    {
    }

    void WriteLine(std::string_view line)
    {
        contents_ += line;
        contents_ += lineEnd_;
    }

    /// Replaces the file with the lines written so far; false (old file kept) on failure, with
    /// the reason in `error` when given.
    bool Commit(std::string* error = nullptr);
    /// As Commit, naming the file and why when it failed.
    FileResult CommitResult()
    {
        std::string error;
        return Commit(&error) ? FileResult::Done() : FileResult::Failed(path_, error);
    }

    const std::string& Path() const { return path_; }
    const std::string& LastError() const { return error_; }

private:
    std::string path_;
    std::string_view lineEnd_;
    std::string contents_;
    std::string error_;
};

}  // namespace korvane
