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

    /// Replaces the file with the lines written so far; on failure the old file is kept and
    /// the result names the file and why.
    FileResult Commit() const;

    const std::string& Path() const { return path_; }
    /// The lines written so far, each with its line end.
    const std::string& Contents() const { return contents_; }

private:
    std::string path_;
    std::string_view lineEnd_;
    std::string contents_;
};

}  // namespace korvane
