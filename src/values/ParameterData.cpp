#include <zsg/values/ParameterData.h>

#include <zsg/values/Variant.h>

namespace zsg {

ParameterData::~ParameterData()
{
    delete value;
}

} // namespace zsg
