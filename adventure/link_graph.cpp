#include "link_graph.h"

#include <files.h>
#include <map_file.h>
#include <map_model.h>
#include <text_check.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>
#include <unordered_map>

namespace vorn::adventure {

namespace {

constexpr std::size_t kOpeningLines = 8;
constexpr std::size_t kOpeningWidth = 80;

EdgeKind edgeKind(LeadKind kind) {
    switch (kind) {
    case LeadKind::Call:
        return EdgeKind::Call;
    case LeadKind::Address:
        return EdgeKind::Address;
    case LeadKind::Link:
        break;
    }
    return EdgeKind::Link;
}

class Builder {
public:
    explicit Builder(const std::vector<std::string>& names) {
        for (const auto& name : names) {
            m_index.emplace(name, m_graph.nodes.size());
            m_graph.nodes.emplace_back().name = name;
        }
        m_scriptCount = m_graph.nodes.size();
        m_reached.resize(m_scriptCount);
    }

    // A position of the map is a way into its script, as the audit counts.
    void reachedByMap(std::size_t script) { m_reached[script] = true; }

    LinkNode& node(std::size_t i) { return m_graph.nodes[i]; }
    std::optional<std::size_t> script(const std::string& name) const {
        const auto it = m_index.find(name);
        if (it == m_index.end()) return std::nullopt;
        return it->second;
    }

    // A lead to a name the adventure lacks becomes a missing box only when
    // it was written as a script target.
    void lead(std::size_t from, const std::string& to, EdgeKind kind, std::size_t line,
              bool named) {
        auto it = m_index.find(to);
        if (it == m_index.end()) {
            if (!named) return;
            it = m_missing.find(to);
            if (it == m_missing.end()) it = m_missing.emplace(to, m_missing.size()).first;
            m_missingEdges.push_back({from, it->second, kind, line});
            return;
        }
        // A script naming itself ("retscp=" names the script to come back
        // to) leads nowhere new.
        if (it->second != from) add({from, it->second, kind, line});
    }

    LinkGraph finish(const std::optional<std::string>& first) {
        // Missing boxes follow the scripts, by name.
        std::vector<std::size_t> place(m_missing.size());
        std::size_t at = m_scriptCount;
        for (const auto& [name, order] : std::map(m_missing.begin(), m_missing.end())) {
            place[order] = at++;
            LinkNode& missing = m_graph.nodes.emplace_back();
            missing.name = name;
            missing.exists = false;
        }
        for (LinkEdge e : m_missingEdges) {
            e.to = place[e.to];
            add(e);
        }
        if (first) {
            std::vector<bool> reached = m_reached;
            reached.resize(m_graph.nodes.size());
            for (const auto& e : m_graph.edges)
                if (e.from != e.to) reached[e.to] = true;
            const auto firstAt = m_graph.find(*first);
            if (firstAt) m_graph.nodes[*firstAt].first = true;
            for (std::size_t i = 0; i < m_scriptCount; ++i)
                m_graph.nodes[i].unreached = !reached[i] && firstAt != i;
        }
        return std::move(m_graph);
    }

private:
    void add(const LinkEdge& e) {
        if (m_seen.insert({e.from, e.to, e.kind}).second) m_graph.edges.push_back(e);
    }

    LinkGraph m_graph;
    std::size_t m_scriptCount = 0;
    std::vector<bool> m_reached;
    std::unordered_map<std::string, std::size_t> m_index, m_missing;
    std::vector<LinkEdge> m_missingEdges;
    std::set<std::tuple<std::size_t, std::size_t, EdgeKind>> m_seen;
};

void readScript(Builder& b, std::size_t at, std::string_view text, const AdventureLimits& limits,
                const ScriptNameSet& names) {
    LinkNode& node = b.node(at);
    node.opening = openingLines(text, kOpeningLines, kOpeningWidth);
    checkScriptText(
        text, limits, names, [](const CheckedLineView&) {}, [&](const Fault&) { ++node.faults; });
    for (const auto& to : findReferences(text).leadsTo)
        b.lead(at, to.name, edgeKind(to.kind), to.line, to.named);
}

void readMap(Builder& b, std::string_view mapText) {
    const auto model = map::mapFromText(mapText);
    for (std::size_t cell = 0; cell < model.cells.size(); ++cell) {
        const map::Cell c = map::readCell(model.cells[cell]);
        const std::string from(map::trimBlanks(c.name));
        const auto at = b.script(from);
        if (!at) continue;
        b.reachedByMap(*at);
        for (const std::string* side : {&c.north, &c.east, &c.south, &c.west}) {
            const std::string to(map::trimBlanks(*side));
            if (!to.empty()) b.lead(*at, to, EdgeKind::Map, cell, true);
        }
    }
}

template <typename Text>
LinkGraph build(const std::vector<std::string>& names, Text&& textOf,
                const std::optional<std::string>& mapText, const std::optional<std::string>& first,
                const AdventureLimits& limits) {
    Builder b(names);
    const ScriptNameSet known(names);
    for (std::size_t i = 0; i < names.size(); ++i)
        readScript(b, i, textOf(i), limits, known);
    if (mapText) readMap(b, *mapText);
    return b.finish(first);
}

} // namespace

std::optional<std::size_t> LinkGraph::find(const std::string& name) const {
    const auto it =
        std::find_if(nodes.begin(), nodes.end(), [&](const LinkNode& n) { return n.name == name; });
    if (it == nodes.end()) return std::nullopt;
    return static_cast<std::size_t>(it - nodes.begin());
}

LinkGraph buildLinkGraph(const std::vector<ScriptSource>& scripts,
                         const std::optional<std::string>& mapText,
                         const std::optional<std::string>& first, const AdventureLimits& limits) {
    std::vector<std::string> names;
    for (const auto& s : scripts)
        names.push_back(s.name);
    return build(
        names, [&](std::size_t i) -> const std::string& { return scripts[i].text; }, mapText, first,
        limits);
}

LinkGraph buildLinkGraph(const ExportFolder& folder, const AuditOptions& options) {
    std::vector<std::string> names;
    for (const auto& s : folder.scripts)
        names.push_back(s.name);
    std::optional<std::string> first = options.first;
    if (!first) {
        const auto it = folder.parameters.find("Scp");
        if (it != folder.parameters.end() && !it->second.empty()) first = it->second;
    }
    return build(
        names, [&](std::size_t i) { return readFile(folder.scripts[i].path); }, folder.mapText,
        first, auditLimits(folder, options));
}

std::vector<std::size_t> neighbourhood(const LinkGraph& graph, std::size_t centre, int steps) {
    std::vector<std::vector<std::size_t>> near(graph.nodes.size());
    for (const auto& e : graph.edges) {
        near[e.from].push_back(e.to);
        near[e.to].push_back(e.from);
    }
    std::vector<int> distance(graph.nodes.size(), -1);
    std::vector<std::size_t> frontier{centre};
    distance.at(centre) = 0;
    for (int step = 1; step <= steps && !frontier.empty(); ++step) {
        std::vector<std::size_t> next;
        for (const std::size_t n : frontier)
            for (const std::size_t m : near[n])
                if (distance[m] < 0) {
                    distance[m] = step;
                    next.push_back(m);
                }
        frontier = std::move(next);
    }
    std::vector<std::size_t> kept;
    for (std::size_t i = 0; i < distance.size(); ++i)
        if (distance[i] >= 0) kept.push_back(i);
    return kept;
}

LinkGraph subgraph(const LinkGraph& graph, const std::vector<std::size_t>& keep) {
    std::vector<std::size_t> place(graph.nodes.size(), graph.nodes.size());
    LinkGraph out;
    for (const std::size_t i : keep) {
        place[i] = out.nodes.size();
        out.nodes.push_back(graph.nodes[i]);
    }
    for (LinkEdge e : graph.edges) {
        if (place[e.from] == graph.nodes.size() || place[e.to] == graph.nodes.size()) continue;
        e.from = place[e.from];
        e.to = place[e.to];
        out.edges.push_back(e);
    }
    return out;
}

std::string openingLines(std::string_view text, std::size_t lines, std::size_t width) {
    std::string out;
    std::size_t taken = 0, start = 0;
    while (taken < lines && start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        if (taken++) out += '\n';
        out += text.substr(start, std::min(end - start, width));
        start = end;
        if (start < text.size() && text[start] == '\r') ++start;
        if (start < text.size() && text[start] == '\n') ++start;
    }
    return out;
}

} // namespace vorn::adventure
