#pragma once
// Loader of tabulated index-of-refraction data.

#include <zsg/Export.h>

#include <string>

namespace zsg {

class FloatArray;

// Reads the samples of an IOR data file into `out` as (wavelength, n, k) floats, in file
// order. The extension picks the format, case-insensitively: "nk" and "ior" are tables of
// n and k under a header that spaces the samples evenly in eV, um, cm^-1 or nm (given as
// wavelengths in nm); "csv" holds wavelength, n and k per line. Returns false and leaves `out` alone
// when the file yields no sample. Problems with the content are reported on std::cerr.
ZSG_EXPORT bool loadIORFile(const std::string& path, FloatArray& out);

} // namespace zsg
