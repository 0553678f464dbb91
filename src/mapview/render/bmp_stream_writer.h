// Writing an uncompressed 24-bit BMP file row by row, so that a picture of any size needs little memory.
#pragma once

#include "core/atomic_file_stream.h"

#include <cstdint>
#include <string>

namespace korvane {

/// Streams a picture into a standard bottom-up 24-bit BMP file. The file appears under its name
/// only when every row has been written and Commit succeeds; until then any old file stays as it
/// was, and a writer given up on (destroyed, or any failure) leaves no temporary file behind.
class BmpStreamWriter
{
public:
    BmpStreamWriter(std::string path, int width, int height);

    /// False (with a reason) when the size cannot be stored in a BMP (width or height < 1, or the
    /// file would exceed 4 GB) or the file cannot be created.
    bool Open(std::string* error = nullptr);

    /// The next row of the file, which stores the picture bottom-up: the first call gives the
    /// picture's bottom row. `pixels` holds `width` pixels as 0xAARRGGBB (the layout of
    /// QImage::Format_RGB32 / ARGB32); alpha is ignored. A row too many fails the whole file.
    bool WriteRow(const std::uint32_t* pixels);

    /// After exactly `height` rows: replaces the file atomically. False (old file untouched, no
    /// temporary left) otherwise.
    bool Commit(std::string* error = nullptr);

    /// Bytes in the file for a picture of this size; 0 when a BMP file cannot hold it.
    static std::uint64_t FileSize(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int RowsWritten() const { return rows_; }

private:
    bool Fail(std::string why);

    AtomicFileStream stream_;
    int width_;
    int height_;
    int rows_ = 0;
    std::string error_;
};

}  // namespace korvane
