#pragma once
// Undo texts of the light layer commands, translated in the context they share.

#include <QCoreApplication>
#include <QString>

#include <string>

namespace zsg {

inline QString lightLayerText(const char* text)
{
    return QCoreApplication::translate("ZUndoCommand", text);
}

inline QString lightLayerText(const char* text, const std::string& name)
{
    return lightLayerText(text).arg(QString::fromStdString(name));
}

} // namespace zsg
