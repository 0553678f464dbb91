// libFuzzer target: any bytes as the game's faction list must merge into the registry, never crash, hang or leak.
#include "fuzz_readers.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    korvane::fuzz::ReadFactionList({reinterpret_cast<const char*>(data), size});
    return 0;
}
