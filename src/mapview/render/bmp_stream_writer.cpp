// Streaming 24-bit BMP writer: headers built byte by byte, rows converted in small chunks.
#include "mapview/render/bmp_stream_writer.h"

#include <cstddef>
#include <limits>

namespace korvane {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize;
constexpr std::int32_t kPixelsPerMetre = 3780;  // 96 dots per inch
// Pixels converted per write: small enough for the stack, large enough to keep calls few.
constexpr int kChunkPixels = 4096;

// Rows are padded to whole 4-byte words.
std::uint64_t RowBytes(int width)
{
    return (3 * static_cast<std::uint64_t>(width) + 3) & ~std::uint64_t{3};
}

// BMP fields are little-endian whatever the host is.
unsigned char* Put16(unsigned char* out, std::uint16_t value)
{
    out[0] = static_cast<unsigned char>(value);
    out[1] = static_cast<unsigned char>(value >> 8);
    return out + 2;
}

unsigned char* Put32(unsigned char* out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<unsigned char>(value >> (8 * i));
    return out + 4;
}

}  // namespace

BmpStreamWriter::BmpStreamWriter(std::string path, int width, int height)
    : stream_(std::move(path))
    , width_(width)
    , height_(height)
{
}

std::uint64_t BmpStreamWriter::FileSize(int width, int height)
{
    if (width < 1 || height < 1)
        return 0;
    // At most about 6.4e9 bytes a row times 2.1e9 rows: no overflow in 64 bits.
    const std::uint64_t size = kPixelOffset + RowBytes(width) * static_cast<std::uint64_t>(height);
    return size <= std::numeric_limits<std::uint32_t>::max() ? size : 0;
}

bool BmpStreamWriter::Fail(std::string why)
{
    if (error_.empty())
        error_ = std::move(why);
    stream_.Abort();
    return false;
}

bool BmpStreamWriter::Open(std::string* error)
{
    rows_ = 0;
    error_.clear();
    const std::uint64_t fileSize = FileSize(width_, height_);
    if (fileSize == 0) {
        if (error)
            *error = "a picture of " + std::to_string(width_) + " x " + std::to_string(height_)
                + " pixels cannot be stored in a BMP file (it needs at least one pixel and must stay under 4 GB)";
        return false;
    }
    if (!stream_.Open(error))
        return false;

    unsigned char header[kPixelOffset];
    unsigned char* out = header;
    *out++ = 'B';
    *out++ = 'M';
    out = Put32(out, static_cast<std::uint32_t>(fileSize));
    out = Put32(out, 0);  // two reserved 16-bit fields
    out = Put32(out, kPixelOffset);
    out = Put32(out, kInfoHeaderSize);
    out = Put32(out, static_cast<std::uint32_t>(width_));
    out = Put32(out, static_cast<std::uint32_t>(height_));  // positive: rows stored bottom-up
    out = Put16(out, 1);  // planes
    out = Put16(out, 24);  // bits per pixel
    out = Put32(out, 0);  // no compression
    out = Put32(out, static_cast<std::uint32_t>(fileSize - kPixelOffset));
    out = Put32(out, kPixelsPerMetre);
    out = Put32(out, kPixelsPerMetre);
    out = Put32(out, 0);  // no palette
    Put32(out, 0);  // every colour matters
    return stream_.Write(header, sizeof header);
}

bool BmpStreamWriter::WriteRow(const std::uint32_t* pixels)
{
    if (!error_.empty() || stream_.Failed())
        return false;
    if (!stream_.IsOpen())
        return Fail("the BMP file " + stream_.Path() + " is not open");
    if (rows_ >= height_)
        return Fail("more than " + std::to_string(height_) + " rows given for " + stream_.Path());
    if (!pixels)
        return Fail("no pixels given for row " + std::to_string(rows_ + 1) + " of " + stream_.Path());

    unsigned char chunk[3 * kChunkPixels];
    for (int start = 0; start < width_; start += kChunkPixels) {
        const int count = width_ - start < kChunkPixels ? width_ - start : kChunkPixels;
        const std::uint32_t* in = pixels + start;
        unsigned char* out = chunk;
        for (int i = 0; i < count; ++i, out += 3) {
            const std::uint32_t pixel = in[i];
            out[0] = static_cast<unsigned char>(pixel);  // blue
            out[1] = static_cast<unsigned char>(pixel >> 8);  // green
            out[2] = static_cast<unsigned char>(pixel >> 16);  // red
        }
        if (!stream_.Write(chunk, 3 * static_cast<std::size_t>(count)))
            return false;
    }
    static constexpr unsigned char kPadding[3] = {};
    const std::size_t padding = RowBytes(width_) - 3 * static_cast<std::uint64_t>(width_);
    if (padding > 0 && !stream_.Write(kPadding, padding))
        return false;
    ++rows_;
    return true;
}

bool BmpStreamWriter::Commit(std::string* error)
{
    if (error_.empty() && stream_.IsOpen() && rows_ != height_)
        Fail("only " + std::to_string(rows_) + " of " + std::to_string(height_) + " rows written for "
             + stream_.Path());
    if (!error_.empty()) {
        if (error)
            *error = error_;
        return false;
    }
    return stream_.Commit(error);
}

}  // namespace korvane
