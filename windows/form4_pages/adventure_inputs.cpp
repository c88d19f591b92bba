#include "adventure_inputs.h"

#include "qt_text.h"

#include <QLineEdit>
#include <QListWidget>
#include <QVariant>

namespace vorn::win::form4 {
namespace {

std::string fieldText(const QWidget* tools, const QString& name) {
    if (!tools) return {};
    const auto* field = tools->findChild<const QLineEdit*>(name);
    return field ? bytes(field->text()) : std::string();
}

} // namespace

AdventureLimits adventureLimits(const QWidget* tools) {
    AdventureLimits limits;
    limits.totalWidth = fieldText(tools, QStringLiteral("JanWd"));
    limits.totalHeight = fieldText(tools, QStringLiteral("JanHt"));
    limits.registerTotal = fieldText(tools, QStringLiteral("TotReg"));
    return limits;
}

std::vector<std::string> adventureScripts(const QWidget* tools) {
    std::vector<std::string> names;
    const auto* list =
        tools ? tools->findChild<const QListWidget*>(QStringLiteral("Lbx2")) : nullptr;
    if (!list) return names;
    names.reserve(static_cast<std::size_t>(list->count()));
    for (int i = 0; i < list->count(); ++i)
        names.push_back(bytes(list->item(i)->text()));
    return names;
}

bool scriptListLoaded(const QWidget* tools, const std::string& prefix) {
    const auto* list =
        tools ? tools->findChild<const QListWidget*>(QStringLiteral("Lbx2")) : nullptr;
    if (!list || prefix.empty()) return false;
    const QVariant listed = list->property(kListedForProperty);
    return listed.isValid() && listed.toString() == ui(prefix);
}

std::string adventureField(const QWidget* tools, std::string_view name) {
    return fieldText(tools, ui(name));
}

std::array<std::string, 4> adventureArea(const QWidget* tools, std::string_view prefix) {
    const QString p = ui(prefix);
    return {fieldText(tools, p + QStringLiteral("Px")), fieldText(tools, p + QStringLiteral("Py")),
            fieldText(tools, p + QStringLiteral("Wd")), fieldText(tools, p + QStringLiteral("Ht"))};
}

} // namespace vorn::win::form4
