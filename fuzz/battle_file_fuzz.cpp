// libFuzzer target: any bytes as a battle file must load, write back and be fought, never
// crash, hang or leak.
#include "fuzz_readers.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    korvane::fuzz::ReadBattleFile({reinterpret_cast<const char*>(data), size});
    return 0;
}
