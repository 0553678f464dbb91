// libFuzzer target: any bytes as an exchange file must merge into the map, never crash, hang
// or leak, and what the map then exports must survive a second import unchanged.
#include "fuzz_readers.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    korvane::fuzz::ReadExchangeFile({reinterpret_cast<const char*>(data), size});
    return 0;
}
