#include "targets.h"

#include "line_syntax.h"

namespace vorn {

ScriptNameSet::ScriptNameSet()
    : names_(std::make_shared<const TextSet>()) {}

ScriptNameSet::ScriptNameSet(const std::vector<std::string>& names)
    : names_(std::make_shared<const TextSet>(names.begin(), names.end())) {}

std::optional<std::string_view> scriptNameInLink(std::string_view target) {
    constexpr std::string_view kKey = "Scp=";
    const std::size_t at = target.find(kKey);
    if (at == std::string_view::npos) return std::nullopt;
    const std::string_view rest = target.substr(at + kKey.size());
    return rest.substr(0, rest.find('&'));
}

bool ScriptExists(const ScriptNameSet& scripts, std::string_view target) {
    if (target.starts_with('$') && scripts.contains(target.substr(1))) return true;
    const auto name = scriptNameInLink(target);
    return name && scripts.contains(*name);
}

void LabelIndex::add(std::string_view trimmedLine) {
    if (trimmedLine.starts_with(':')) names_.emplace(trimmedLine.substr(1));
}

bool LabelExists(const LabelIndex& labels, std::string_view name) {
    return labels.contains(trimTrailingBlanks(name));
}

} // namespace vorn
