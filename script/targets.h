#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace vorn {

// Hashing that lets the sets below be searched with a string_view.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept {
        return std::hash<std::string_view>{}(text);
    }
};

using TextSet = std::unordered_set<std::string, TextHash, std::equal_to<>>;

// The adventure's script names, looked up once per target instead of
// walking the catalogue for every line. Copies share the one set, so a
// check of every script of a large adventure builds it once.
class ScriptNameSet {
public:
    ScriptNameSet();
    explicit ScriptNameSet(const std::vector<std::string>& names);
    bool contains(std::string_view name) const { return names_->contains(name); }

private:
    std::shared_ptr<const TextSet> names_;
};

// The script a link target names: the text after its first "Scp=" up to the
// next "&" or the end; nothing when there is no "Scp=".
std::optional<std::string_view> scriptNameInLink(std::string_view target);

// A target names a script of the adventure when it is "$" and the name, or
// a link whose "Scp=" value is the name. Exact, case-sensitive.
bool ScriptExists(const ScriptNameSet& scripts, std::string_view target);

// Every line of a script that, trimmed, begins with ":" makes the rest of it
// a name a jump can reach, wherever the line stands in the script.
class LabelIndex {
public:
    LabelIndex() = default;
    void add(std::string_view trimmedLine);
    bool contains(std::string_view name) const { return names_.contains(name); }

private:
    TextSet names_;
};

// Trailing blanks of the name do not count; leading ones do.
bool LabelExists(const LabelIndex& labels, std::string_view name);

} // namespace vorn
