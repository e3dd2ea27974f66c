#include "fuzz/PictureReadsCheck.h"
#include "fuzz/targets/FuzzerSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    pintu::fuzz::startOffscreenApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pintu::fuzz::stopOnFinding(pintu::fuzz::checkPictureReads({data, size}));
    return 0;
}
