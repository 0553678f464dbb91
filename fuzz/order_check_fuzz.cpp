// libFuzzer target: any bytes as an orders file, checked as a whole and as one unit's lines,
// must give problems on lines of the text and never crash, hang or leak.
#include "fuzz_readers.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    korvane::fuzz::CheckOrderLines({reinterpret_cast<const char*>(data), size});
    return 0;
}
