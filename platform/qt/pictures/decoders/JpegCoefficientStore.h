#pragma once

#include <cstdio>

#include <jpeglib.h>

#include <memory>
#include <vector>

namespace pintu {

// Where libjpeg keeps every coefficient of a progressive photo while its
// scans refine them: in a file of its own that vanishes when closed, with a
// window of a few rows of blocks in memory, as libjpeg's own backing store
// would if Debian's libjpeg had one. A 50-megapixel CMYK photo has 400 MB of
// coefficients.
class JpegCoefficientStore {
public:
    // Takes over `info`'s arrays of coefficients; lives as long as `info` decodes.
    explicit JpegCoefficientStore(jpeg_decompress_struct& info);
    ~JpegCoefficientStore();

    // The memory the windows of a photo with `info`'s header take.
    static long long windowBytes(const jpeg_decompress_struct& info);

private:
    struct Array;

    static jvirt_barray_ptr request(j_common_ptr info, int pool, boolean zeroed, JDIMENSION blocksPerRow,
                                    JDIMENSION rows, JDIMENSION mostRowsAccessed);
    static void realize(j_common_ptr info);
    static JBLOCKARRAY access(j_common_ptr info, jvirt_barray_ptr array, JDIMENSION firstRow, JDIMENSION rowCount,
                              boolean writable);

    void moveWindow(j_common_ptr info, Array& array, JDIMENSION firstRow, JDIMENSION endRow);

    void (*realizeOthers)(j_common_ptr) = nullptr;
    std::vector<std::unique_ptr<Array>> arrays;
    int file = -1;
};

} // namespace pintu
