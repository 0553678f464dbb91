// libFuzzer target: any bytes as a turn report must be read into the world or refused cleanly, never crash, hang or leak.
#include "fuzz_readers.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    korvane::fuzz::ReadReport({reinterpret_cast<const char*>(data), size});
    return 0;
}
