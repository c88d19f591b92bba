#include "references.h"

#include <keyword_groups.h>
#include <line_syntax.h>
#include <targets.h>

#include <algorithm>
#include <array>
#include <optional>

namespace vorn::adventure {

namespace {

constexpr std::array<std::string_view, 4> kElementKeywords = {"cmd=", "cmd:", "shape=", "item="};
constexpr std::array<std::string_view, 4> kConditionals = {"if=", "if#", "if<", "if>"};
// Whole-name file instructions and the "+" form that builds the name in parts.
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kFileKeywords = {{
    {"telpos=", "telpos+"},
    {"painel=", "painel+"},
    {"fundo=", "fundo+"},
}};

template <std::size_t N>
bool isOneOf(const std::array<std::string_view, N>& words, std::string_view w) {
    return std::find(words.begin(), words.end(), w) != words.end();
}

// The picture and sound fields of an element kind (the kind is field 1).
std::vector<std::size_t> fileFields(std::string_view kind) {
    if (kind == "img" || kind == "fig" || kind == "snd") return {6};
    if (kind == "btn") return {6, 8};
    return {};
}

class Scanner {
public:
    explicit Scanner(References& out)
        : m_out(out) {}

    void line(std::size_t number, std::string_view raw) {
        const std::string_view trimmed = trimBlanks(raw);
        if (m_freeText) {
            if (trimmed == "boxoff") m_freeText = false;
            return;
        }
        if (trimmed == "boxon") {
            m_freeText = true;
            return;
        }
        if (classifyLine(trimmed) != LineKind::InstructionWithParams) return;
        const SplitLine split = splitLine(trimmed);
        const std::string_view keyword = split.keyword;

        // The fields the checker judges as script targets.
        std::optional<std::size_t> judged;
        std::size_t shift = 0;
        std::optional<std::string_view> kind;
        if (isOneOf(kElementKeywords, keyword)) {
            kind = split.field(1);
        } else if (isOneOf(kConditionals, keyword) && split.field(3) == "cmd=") {
            kind = split.field(4);
            shift = kConditionalFieldShift;
        }
        if (kind) {
            if (const auto target = scriptTargetField(*kind)) {
                judged = *target + shift;
                lead(number, split.field(*judged));
            }
            for (const std::size_t field : fileFields(*kind))
                file(number, split.field(field + shift));
        }

        if (isScriptCall(keyword)) {
            target(number, split.field(1), LeadKind::Call);
            judged = 1;
        }
        if (keyword == "texto#") file(number, split.field(1));
        for (const auto& [whole, part] : kFileKeywords) {
            if (keyword == part) m_builtInParts.push_back(whole);
            if (keyword == whole)
                m_wholeFiles.push_back(
                    {whole, {number, std::string(trimBlanks(trimmed.substr(keyword.size())))}});
        }

        for (std::size_t f = 1; f <= split.fieldCount; ++f)
            if (f != judged && split.field(f).find("Scp=") != std::string_view::npos)
                target(number, split.field(f), LeadKind::Address);
    }

    void finish() {
        for (const auto& [keyword, at] : m_wholeFiles)
            if (std::find(m_builtInParts.begin(), m_builtInParts.end(), keyword) ==
                m_builtInParts.end())
                if (!at.name.empty()) m_out.files.push_back(at);
        std::stable_sort(m_out.files.begin(), m_out.files.end(),
                         [](const NameAt& a, const NameAt& b) { return a.line < b.line; });
    }

private:
    void lead(std::size_t number, std::string_view field) {
        const std::string_view name = targetName(field);
        if (name.empty()) return;
        const std::string_view written = trimBlanks(field);
        const bool address = scriptNameInLink(written).has_value();
        m_out.leadsTo.push_back({number, std::string(name),
                                 address ? LeadKind::Address : LeadKind::Link,
                                 address || written.front() == '$'});
    }
    void target(std::size_t number, std::string_view field, LeadKind kind) {
        const std::string_view name = targetName(field);
        if (name.empty()) return;
        m_out.targets.push_back({number, std::string(name), kind});
        m_out.leadsTo.push_back({number, std::string(name), kind});
    }
    void file(std::size_t number, std::string_view field) {
        const std::string_view name = trimBlanks(field);
        // A register reference or nothing names no file.
        if (!name.empty() && name.front() != '#')
            m_out.files.push_back({number, std::string(name), LeadKind::Link, true});
    }

    References& m_out;
    bool m_freeText = false;
    std::vector<std::string_view> m_builtInParts;
    std::vector<std::pair<std::string_view, NameAt>> m_wholeFiles;
};

} // namespace

std::string_view targetName(std::string_view target) {
    target = trimBlanks(target);
    if (const auto name = scriptNameInLink(target)) return *name;
    if (!target.empty() && target.front() == '$') return target.substr(1);
    return target;
}

References findReferences(std::string_view script) {
    References out;
    Scanner scanner(out);
    std::size_t number = 0, start = 0;
    for (std::size_t i = 0; i <= script.size(); ++i) {
        if (i < script.size() && script[i] != '\r' && script[i] != '\n') continue;
        if (i == script.size() && start == i) break;
        scanner.line(number++, script.substr(start, i - start));
        if (i + 1 < script.size() && script[i] == '\r' && script[i + 1] == '\n') ++i;
        start = i + 1;
    }
    scanner.finish();
    return out;
}

} // namespace vorn::adventure
