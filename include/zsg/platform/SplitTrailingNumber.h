#pragma once

#include <zsg/Export.h>

#include <QString>

#include <optional>

namespace zsg {

/// What splitTrailingNumber makes of a name.
struct SplitName
{
    QString text;              // the name before its number, trailing blanks removed
    std::optional<int> number; // the trailing number, if the name ends in one
};

// Splits a name such as "Layer 12" into ("Layer", 12); "Layer" gives ("Layer",
// no number). Blanks after the number are ignored. Only ASCII digits count, and a
// digit run too large for an int is no number: it stays part of the text.
ZCORE_EXPORT SplitName splitTrailingNumber(const QString& name);

} // namespace zsg
