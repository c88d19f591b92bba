#include "link_layout.h"

#include <cp1252.h>
#include <error.h>

#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>

namespace vorn::adventure {

namespace {

// Past this, a layered layout can take many seconds; forces take well
// under two for ten times as many.
constexpr std::size_t kLayeredNodes = 300;
constexpr double kLayeredDensity = 2.5; // targets per script

std::mutex& graphvizLock() {
    static std::mutex lock;
    return lock;
}

// One context for the life of the process: Graphviz's text layout plugin
// keeps pointers into the context that first used it, so a second context
// after the first was freed reads freed memory.
GVC_t* context() {
    static GVC_t* const gvc = gvContext();
    return gvc;
}

char* text(const char* s) {
    return const_cast<char*>(s);
}

struct GraphFree {
    void operator()(Agraph_t* g) const { agclose(g); }
};
using Graph = std::unique_ptr<Agraph_t, GraphFree>;

// Laid out graphs are freed before the graph itself.
class Laid {
public:
    Laid(GVC_t* gvc, Agraph_t* g, const std::string& engine)
        : m_gvc(gvc)
        , m_g(g) {
        if (gvLayout(gvc, g, engine.c_str()) != 0) throw Error("Graphviz: layout failed");
    }
    ~Laid() { gvFreeLayout(m_gvc, m_g); }
    Laid(const Laid&) = delete;
    Laid& operator=(const Laid&) = delete;

private:
    GVC_t* m_gvc;
    Agraph_t* m_g;
};

const char* edgeColour(EdgeKind kind) {
    switch (kind) {
    case EdgeKind::Call:
        return "#1f5fbf";
    case EdgeKind::Address:
        return "#2e7d32";
    case EdgeKind::Map:
        return "#8d6e63";
    case EdgeKind::Link:
        break;
    }
    return "#333333";
}

const char* edgeStyle(EdgeKind kind) {
    switch (kind) {
    case EdgeKind::Address:
        return "dashed";
    case EdgeKind::Map:
        return "dotted";
    case EdgeKind::Call:
    case EdgeKind::Link:
        break;
    }
    return "solid";
}

struct Built {
    Graph graph;
    std::vector<Agnode_t*> nodes;
    std::vector<Agedge_t*> edges;
};

void set(void* object, const char* name, const std::string& value) {
    agsafeset(object, text(name), text(value.c_str()), text(""));
}

Built makeGraph(const LinkGraph& lg, const std::string& engine) {
    Built b;
    b.graph.reset(agopen(text("ligacoes"), Agdirected, nullptr));
    Agraph_t* g = b.graph.get();
    set(g, "charset", "UTF-8");
    if (engine == "dot") {
        set(g, "rankdir", "LR");
        // Bound the network simplex and crossing passes, so no graph that
        // passed chooseEngine can hold the layout for long.
        set(g, "nslimit", "4");
        set(g, "nslimit1", "4");
        set(g, "mclimit", "0.5");
        set(g, "searchsize", "30");
    } else if (engine == "sfdp") {
        set(g, "overlap", "prism");
        set(g, "maxiter", "300");
    }
    agattr(g, AGNODE, text("shape"), text("box"));
    agattr(g, AGNODE, text("fontname"), text("Helvetica"));
    agattr(g, AGNODE, text("fontsize"), text("10"));
    for (std::size_t i = 0; i < lg.nodes.size(); ++i) {
        const LinkNode& n = lg.nodes[i];
        Agnode_t* node = agnode(g, text(("n" + std::to_string(i)).c_str()), 1);
        set(node, "label", cp1252ToUtf8(n.name));
        std::string style = n.exists ? "filled" : "dashed";
        if (n.first) style += ",bold";
        set(node, "style", style);
        if (!n.exists) {
            set(node, "color", "#c62828");
            set(node, "fontcolor", "#c62828");
        } else {
            set(node, "fillcolor", n.faults ? "#ffcdd2" : n.unreached ? "#e0e0e0" : "#ffffff");
            if (n.faults) set(node, "color", "#c62828");
        }
        if (n.first) set(node, "peripheries", "2");
        if (!n.opening.empty()) set(node, "tooltip", cp1252ToUtf8(n.opening));
        b.nodes.push_back(node);
    }
    for (std::size_t i = 0; i < lg.edges.size(); ++i) {
        const LinkEdge& e = lg.edges[i];
        Agedge_t* edge =
            agedge(g, b.nodes[e.from], b.nodes[e.to], text(("e" + std::to_string(i)).c_str()), 1);
        set(edge, "color", edgeColour(e.kind));
        set(edge, "style", edgeStyle(e.kind));
        b.edges.push_back(edge);
    }
    return b;
}

std::string render(GVC_t* gvc, Agraph_t* g, const char* format) {
    char* data = nullptr;
    unsigned int length = 0;
    if (gvRenderData(gvc, g, format, &data, &length) != 0) throw Error("Graphviz: drawing failed");
    std::string out(data, length);
    gvFreeRenderData(data);
    return out;
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wold-style-cast"
#pragma GCC diagnostic ignored "-Wcast-align"
LinkLayout readLayout(Agraph_t* g, const Built& b, const std::string& engine) {
    LinkLayout out;
    out.engine = engine;
    const boxf bb = GD_bb(g);
    out.width = bb.UR.x - bb.LL.x;
    out.height = bb.UR.y - bb.LL.y;
    const auto flip = [&](pointf p) { return LayoutPoint{p.x - bb.LL.x, bb.UR.y - p.y}; };
    for (Agnode_t* n : b.nodes) {
        out.centres.push_back(flip(ND_coord(n)));
        out.sizes.push_back({ND_width(n) * 72.0, ND_height(n) * 72.0});
    }
    for (Agedge_t* e : b.edges) {
        std::vector<LayoutPoint> path;
        const splines* spl = ED_spl(e);
        if (spl && spl->size > 0) {
            const bezier& bz = spl->list[0];
            for (int i = 0; i < bz.size; ++i)
                path.push_back(flip(bz.list[i]));
            if (bz.eflag) path.push_back(flip(bz.ep)); // the arrow's tip
            out.curved = out.curved || bz.size > 2;
        }
        if (path.size() < 2) path = {flip(ND_coord(agtail(e))), flip(ND_coord(aghead(e)))};
        out.paths.push_back(std::move(path));
    }
    return out;
}
#pragma GCC diagnostic pop

} // namespace

std::string chooseEngine(const LinkGraph& graph) {
    const double n = static_cast<double>(graph.nodes.size());
    const double e = static_cast<double>(graph.edges.size());
    return n <= kLayeredNodes && e <= kLayeredDensity * n ? "dot" : "sfdp";
}

LinkLayout layOut(const LinkGraph& graph, const std::string& engine) {
    std::lock_guard<std::mutex> guard(graphvizLock());
    Built b = makeGraph(graph, engine);
    Laid laid(context(), b.graph.get(), engine);
    return readLayout(b.graph.get(), b, engine);
}

std::string graphDot(const LinkGraph& graph) {
    std::lock_guard<std::mutex> guard(graphvizLock());
    const std::string engine = chooseEngine(graph);
    Built b = makeGraph(graph, engine);
    // Graphviz's own command then lays it out the way the window would.
    set(b.graph.get(), "layout", engine);
    char* data = nullptr;
    std::size_t length = 0;
    FILE* stream = open_memstream(&data, &length);
    if (!stream) throw Error("Graphviz: no memory for the graph");
    const int written = agwrite(b.graph.get(), stream);
    std::fclose(stream);
    std::string out(data ? data : "", length);
    std::free(data);
    if (written != 0) throw Error("Graphviz: the graph could not be written");
    return out;
}

std::string graphSvg(const LinkGraph& graph, const std::string& engine) {
    std::lock_guard<std::mutex> guard(graphvizLock());
    Built b = makeGraph(graph, engine);
    Laid laid(context(), b.graph.get(), engine);
    return render(context(), b.graph.get(), "svg");
}

} // namespace vorn::adventure
