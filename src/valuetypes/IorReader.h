#pragma once
// The IOR data loader over a byte stream; loadIORFile opens the file and calls it.

#include <QList>

#include <iosfwd>

namespace zsg {

enum class IorFormat { Tabulated, Csv };

// The samples of the stream as (wavelength, n, k) triples, empty when it yields none.
// Diagnostics go to std::cerr. Reads in chunks: memory follows the samples kept and
// the longest line that could still match, not the size of the input.
QList<float> readIor(std::istream& in, IorFormat format);

} // namespace zsg
