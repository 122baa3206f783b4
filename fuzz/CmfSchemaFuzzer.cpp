// Feeds arbitrary bytes to ZCMFSchema::load. The result must be clean: a
// failure carries a message and no schema; a schema obeys the file's rules
// and survives save and load unchanged.

#include <zsg/cmf/ZCMFSchema.h>

#include <QSet>
#include <QTextStream>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace zsg;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Text whose UTF-16 is well formed; a lone surrogate cannot survive UTF-8.
bool writable(const ZCMFSchema& schema)
{
    if (!schema.name.isValidUtf16())
        return false;
    for (const CMFAttribute& attribute : schema.attributes) {
        if (!attribute.name.isValidUtf16())
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextStream stream(bytes);
    const CMFSchemaLoadResult result = ZCMFSchema::load(stream);

    if (result.status != CMFLoadStatus::Ok) {
        check(result.status == CMFLoadStatus::Failed && !result.schema && !result.message.isEmpty());
        return 0;
    }
    check(result.schema && result.message.isEmpty());
    const ZCMFSchema& schema = *result.schema;
    QSet<QString> names;
    for (const CMFAttribute& attribute : schema.attributes) {
        check(!attribute.name.contains(QLatin1Char('|')) && int(attribute.kind) <= 7 && attribute.hostData.isEmpty());
        names.insert(attribute.name);
    }
    check(names.size() == qsizetype(schema.attributes.size()));

    // A file whose attributes were all of unknown kinds saves as one that load refuses.
    if (schema.attributes.empty() || !writable(schema))
        return 0;
    QByteArray saved;
    {
        QTextStream out(&saved);
        schema.save(out);
    }
    QTextStream in(saved);
    const CMFSchemaLoadResult again = ZCMFSchema::load(in);
    check(again.status == CMFLoadStatus::Ok && again.warnings.isEmpty() && *again.schema == schema);
    return 0;
}
