#pragma once

#include <QByteArray>
#include <QList>

namespace pintu {

// The name endings of the picture files the game reads: those of every
// format Qt has a reader for, and HEIF's and AVIF's, read without one.
QList<QByteArray> pictureSuffixes();

} // namespace pintu
