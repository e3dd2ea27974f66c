#pragma once

#include <QByteArray>

namespace pintu::test {

// `configuration`, the body of an hvcC box, claiming `lumaBits` of luma
// where its chroma keeps its own: in its own fields and in the sequence
// parameter set it holds, whose other fields stay as they were.
QByteArray withLumaBits(const QByteArray& configuration, int lumaBits);

} // namespace pintu::test
