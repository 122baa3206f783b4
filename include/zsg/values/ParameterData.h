#pragma once

#include <zsg/Export.h>
#include <zsg/values/Parameter.h>

namespace zsg {

/// The body that the copies of one Parameter share.
class ZSG_EXPORT ParameterData
{
public:
    ParameterData() = default;
    ParameterData(const ParameterData&) = delete;
    ParameterData& operator=(const ParameterData&) = delete;
    // Deletes the value holder.
    virtual ~ParameterData();

    QString name;
    QString displayName;
    QString toolTip;
    Type type = Type::Null;
    bool changed = false;
    Quantity quantity = Quantity::None;
    Variant* value = nullptr;  // owned; null for pure parameters and types without a holder
    bool hasLimits = false;
    float limitMinimum = 0.0f;
    float limitMaximum = 0.0f;
    Parameter::Flags flags;
    const char* help = nullptr;  // static text, not owned
    QVariant metaData;
};

} // namespace zsg
