// libFuzzer target: any bytes as a unit file and an orders file (form-feed separated) must load
// and write back, never crash, hang or leak.
#include "fuzz_readers.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    korvane::fuzz::ReadOrdersFile({reinterpret_cast<const char*>(data), size});
    return 0;
}
