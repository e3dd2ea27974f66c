#include "fuzz/MoveLogReplayCheck.h"
#include "fuzz/targets/FuzzerSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pintu::fuzz::stopOnFinding(pintu::fuzz::checkMoveLogReplay({data, size}));
    return 0;
}
