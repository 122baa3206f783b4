#include <zsg/platform/SplitTrailingNumber.h>

namespace zsg {

namespace {

qsizetype chopTrailingBlanks(const QString& s, qsizetype end)
{
    while (end > 0 && s.at(end - 1).isSpace())
        --end;
    return end;
}

} // namespace

SplitName splitTrailingNumber(const QString& name)
{
    const qsizetype end = chopTrailingBlanks(name, name.size());
    qsizetype digits = end;
    while (digits > 0 && name.at(digits - 1) >= u'0' && name.at(digits - 1) <= u'9')
        --digits;

    bool ok = false;
    const int number = digits < end ? QStringView(name).sliced(digits, end - digits).toInt(&ok) : 0;
    if (!ok)
        return {name.left(end), std::nullopt};
    return {name.left(chopTrailingBlanks(name, digits)), number};
}

} // namespace zsg
