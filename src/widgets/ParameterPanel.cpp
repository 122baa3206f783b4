#include <zsg/widgets/ParameterPanel.h>

#include <zsg/values/Parameter.h>
#include <zsg/values/Variant.h>

namespace zsg {

struct ParameterPanel::Private
{
};

ParameterPanel::ParameterPanel(QWidget* parent) : QWidget(parent), d(std::make_unique<Private>()) {}
ParameterPanel::~ParameterPanel() = default;
void ParameterPanel::setEditHandler(EditHandler) {}
void ParameterPanel::setParameters(const QList<Parameter>&) {}
QList<Parameter> ParameterPanel::parameters() const { return {}; }
void ParameterPanel::setDefaultValue(const QString&, const Variant&) {}
void ParameterPanel::refresh() {}
void ParameterPanel::refresh(const QString&) {}
void ParameterPanel::removeParameter(const QString&) {}
QWidget* ParameterPanel::editor(const QString&) const { return nullptr; }
bool ParameterPanel::differsFromDefault(const QString&) const { return false; }
void ParameterPanel::resetToDefault(const QString&) {}

} // namespace zsg
