#pragma once

#include "link_graph.h"

#include <string>
#include <vector>

// The link graph laid out by Graphviz. One layout runs at a time (the
// library keeps global state); callers may run it off the window thread.
namespace vorn::adventure {

struct LayoutPoint {
    double x = 0, y = 0; // points, y growing downwards
};

struct LinkLayout {
    std::string engine; // "dot" or "sfdp"
    double width = 0, height = 0;
    std::vector<LayoutPoint> centres; // per node
    std::vector<LayoutPoint> sizes;   // per node: width, height
    // Per edge, tail to head: cubic Bézier points (1 + 3n) when curved,
    // the two ends of a straight line otherwise.
    std::vector<std::vector<LayoutPoint>> paths;
    bool curved = false;
};

// The layered layout reads best but grows steeply with tangled targets; a
// larger or denser graph is laid out by forces, which stays near linear.
std::string chooseEngine(const LinkGraph& graph);

// Throws Error when Graphviz fails.
LinkLayout layOut(const LinkGraph& graph, const std::string& engine);

// The graph as Graphviz's DOT text, unlaid, with the same marks the window
// draws.
std::string graphDot(const LinkGraph& graph);
// The graph laid out with engine and drawn as SVG.
std::string graphSvg(const LinkGraph& graph, const std::string& engine);

} // namespace vorn::adventure
