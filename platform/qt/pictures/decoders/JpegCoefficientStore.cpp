#include "platform/qt/pictures/decoders/JpegCoefficientStore.h"

#include <QDir>

#include <jerror.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace pintu {

namespace {

// Rows of blocks a window holds: more than libjpeg ever reaches at once (five
// rows of MCUs of four rows each, when it smooths a progressive photo), and
// enough that each read and write of the file moves a megabyte or so.
constexpr JDIMENSION windowRows = 32;

JpegCoefficientStore& storeOf(j_common_ptr info)
{
    return *static_cast<JpegCoefficientStore*>(info->client_data);
}

[[noreturn]] void fail(j_common_ptr info, int code)
{
    info->err->msg_code = code;
    info->err->error_exit(info);
    std::abort(); // error_exit never returns
}

// A file that no folder names, so that nothing of it is left behind, however
// the game ends; where the file system cannot make one, a named one is
// unlinked at once.
int unnamedFile()
{
    const QByteArray folder = QDir::tempPath().toLocal8Bit();
    const int file = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (file >= 0)
        return file;
    QByteArray name = folder + "/pintu-coefficients-XXXXXX";
    const int named = ::mkostemp(name.data(), O_CLOEXEC);
    if (named >= 0)
        ::unlink(name.constData());
    return named;
}

} // namespace

struct JpegCoefficientStore::Array {
    JDIMENSION blocksPerRow;
    JDIMENSION rows;
    JDIMENSION windowRows;
    off_t fileOffset = 0;
    std::vector<JCOEF> window; // rows of blocks of DCTSIZE2 coefficients
    std::vector<JBLOCKROW> rowStarts;
    JDIMENSION first = 0;
    JDIMENSION loaded = 0;
    bool changed = false;

    size_t rowBytes() const { return static_cast<size_t>(blocksPerRow) * sizeof(JBLOCK); }
};

JpegCoefficientStore::JpegCoefficientStore(jpeg_decompress_struct& info)
{
    info.client_data = this;
    realizeOthers = info.mem->realize_virt_arrays;
    info.mem->request_virt_barray = request;
    info.mem->realize_virt_arrays = realize;
    info.mem->access_virt_barray = access;
}

JpegCoefficientStore::~JpegCoefficientStore()
{
    if (file >= 0)
        ::close(file);
}

long long JpegCoefficientStore::windowBytes(const jpeg_decompress_struct& info)
{
    long long bytes = 0;
    for (int c = 0; c < info.num_components; ++c) {
        const jpeg_component_info& component = info.comp_info[c];
        const long long blocksPerRow = (component.width_in_blocks + component.h_samp_factor - 1) /
                                       component.h_samp_factor * component.h_samp_factor;
        bytes += blocksPerRow * static_cast<long long>(sizeof(JBLOCK)) *
                 std::max<long long>(windowRows, 5LL * component.v_samp_factor);
    }
    return bytes;
}

jvirt_barray_ptr JpegCoefficientStore::request(j_common_ptr info, int, boolean, JDIMENSION blocksPerRow,
                                                JDIMENSION rows, JDIMENSION mostRowsAccessed)
{
    JpegCoefficientStore& store = storeOf(info);
    auto array = std::make_unique<Array>(
        Array{blocksPerRow, rows, std::min(rows, std::max(windowRows, mostRowsAccessed)), 0, {}, {}, 0, 0, false});
    store.arrays.push_back(std::move(array));
    return reinterpret_cast<jvirt_barray_ptr>(store.arrays.back().get());
}

void JpegCoefficientStore::realize(j_common_ptr info)
{
    JpegCoefficientStore& store = storeOf(info);
    store.realizeOthers(info);
    if (store.arrays.empty())
        return;
    store.file = unnamedFile();
    if (store.file < 0)
        fail(info, JERR_TFILE_CREATE);
    off_t offset = 0;
    for (const auto& array : store.arrays) {
        array->fileOffset = offset;
        offset += static_cast<off_t>(array->rows) * static_cast<off_t>(array->rowBytes());
        bool allocated = true;
        try {
            array->window.resize(static_cast<size_t>(array->windowRows) * array->blocksPerRow * DCTSIZE2);
            array->rowStarts.resize(array->windowRows);
        } catch (const std::bad_alloc&) {
            allocated = false;
        }
        if (!allocated)
            fail(info, JERR_OUT_OF_MEMORY);
        for (JDIMENSION row = 0; row < array->windowRows; ++row)
            array->rowStarts[row] =
                reinterpret_cast<JBLOCKROW>(&array->window[static_cast<size_t>(row) * array->blocksPerRow * DCTSIZE2]);
    }
}

JBLOCKARRAY JpegCoefficientStore::access(j_common_ptr info, jvirt_barray_ptr handle, JDIMENSION firstRow,
                                         JDIMENSION rowCount, boolean writable)
{
    Array& array = *reinterpret_cast<Array*>(handle);
    const JDIMENSION endRow = firstRow + rowCount;
    if (endRow > array.rows || rowCount > array.windowRows)
        fail(info, JERR_BAD_VIRTUAL_ACCESS);
    if (firstRow < array.first || endRow > array.first + array.loaded)
        storeOf(info).moveWindow(info, array, firstRow, endRow);
    array.changed = array.changed || writable;
    return &array.rowStarts[firstRow - array.first];
}

// As libjpeg's own store does: a window moving down starts at the rows
// asked for, one moving up ends with them.
void JpegCoefficientStore::moveWindow(j_common_ptr info, Array& array, JDIMENSION firstRow, JDIMENSION endRow)
{
    const size_t rowBytes = array.rowBytes();
    const auto at = [&](JDIMENSION row) { return array.fileOffset + static_cast<off_t>(row) * static_cast<off_t>(rowBytes); };
    if (array.changed) {
        const auto bytes = static_cast<ssize_t>(array.loaded * rowBytes);
        if (::pwrite(file, array.window.data(), static_cast<size_t>(bytes), at(array.first)) != bytes)
            fail(info, JERR_TFILE_WRITE);
        array.changed = false;
    }
    const JDIMENSION first = firstRow > array.first ? firstRow : (endRow > array.windowRows ? endRow - array.windowRows : 0);
    array.first = std::min(first, array.rows - array.windowRows);
    array.loaded = array.windowRows;
    const size_t bytes = array.loaded * rowBytes;
    // Rows never written read as zero, as libjpeg expects of a new array.
    const ssize_t read = ::pread(file, array.window.data(), bytes, at(array.first));
    if (read < 0)
        fail(info, JERR_TFILE_READ);
    std::memset(reinterpret_cast<char*>(array.window.data()) + read, 0, bytes - static_cast<size_t>(read));
}

} // namespace pintu
