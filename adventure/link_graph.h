#pragma once

#include "adventure_audit.h"
#include "export_folder.h"
#include "references.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The adventure as a graph: a box per script, an arrow per way one script
// leads to another, and a box of its own for every script a target names
// that the adventure does not have.
namespace vorn::adventure {

enum class EdgeKind { Link, Call, Address, Map };

struct LinkNode {
    std::string name;       // cp1252
    bool exists = true;     // false: a target names it, the adventure lacks it
    bool first = false;     // the adventure's first script
    bool unreached = false; // nothing leads to it and it is not the first
    std::size_t faults = 0; // the checker's faults in its text
    std::string opening;    // its first lines, for a look without opening it
};

struct LinkEdge {
    std::size_t from = 0, to = 0; // indexes of nodes
    EdgeKind kind = EdgeKind::Link;
    std::size_t line = 0; // of the first such target in from, counted from 0
};

struct LinkGraph {
    std::vector<LinkNode> nodes; // the scripts by name, then missing targets by name
    std::vector<LinkEdge> edges; // one per (from, to, kind), in reading order
    std::optional<std::size_t> find(const std::string& name) const;
};

struct ScriptSource {
    std::string name;
    std::string text;
};

// The graph of scripts held in memory. Map neighbours come from mapText
// ("mapa.txt") when given; first is the adventure's first script, when
// known (otherwise nothing is marked unreached).
LinkGraph buildLinkGraph(const std::vector<ScriptSource>& scripts,
                         const std::optional<std::string>& mapText,
                         const std::optional<std::string>& first, const AdventureLimits& limits);

// The graph of an export folder, its scripts read one at a time; the first
// script and the limits as the audit takes them.
LinkGraph buildLinkGraph(const ExportFolder& folder, const AuditOptions& options);

// The scripts within steps arrows of centre, either way, centre included;
// in node order.
std::vector<std::size_t> neighbourhood(const LinkGraph& graph, std::size_t centre, int steps);

// The same graph limited to the given nodes (and the edges between them).
LinkGraph subgraph(const LinkGraph& graph, const std::vector<std::size_t>& keep);

// Up to lines lines of text, each at most width characters.
std::string openingLines(std::string_view text, std::size_t lines, std::size_t width);

} // namespace vorn::adventure
