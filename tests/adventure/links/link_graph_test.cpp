// The link graph's content on small adventures, and the layouts Graphviz
// gives it.
#include "link_graph.h"
#include "link_layout.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace vorn::adventure {
namespace {

std::string kindName(EdgeKind kind) {
    switch (kind) {
    case EdgeKind::Link:
        return "link";
    case EdgeKind::Call:
        return "call";
    case EdgeKind::Address:
        return "address";
    case EdgeKind::Map:
        return "map";
    }
    return "?";
}

// "from>to:kind" for each edge, in order.
std::vector<std::string> edgesOf(const LinkGraph& g) {
    std::vector<std::string> out;
    for (const auto& e : g.edges)
        out.push_back(g.nodes[e.from].name + ">" + g.nodes[e.to].name + ":" + kindName(e.kind));
    return out;
}

std::vector<std::string> namesWhere(const LinkGraph& g, bool (*pick)(const LinkNode&)) {
    std::vector<std::string> out;
    for (const auto& n : g.nodes)
        if (pick(n)) out.push_back(n.name);
    return out;
}

// A map of one row: each entry "name,north,east,south,west" in cells 0, 1, ...
std::string mapOf(const std::vector<std::string>& cells) {
    std::string text;
    for (int i = 0; i < 400; ++i)
        text += (i < static_cast<int>(cells.size()) ? "10," + cells[i] : "") + "\r\n";
    return text + "fundo.png\r\n";
}

struct Case {
    const char* what;
    std::vector<ScriptSource> scripts;
    std::optional<std::string> map;
    std::optional<std::string> first;
    std::vector<std::string> edges, missing, unreached, faulty;
};

TEST(LinkGraph, ContentOfSmallAdventures) {
    const std::vector<Case> cases = {
        {"each kind of script target",
         {{"a", "  gosub $b\r\n  call c\r\n"},
          {"b", "  cmd= lnk,20,360,120,30,3,Voltar,$c\r\n"},
          {"c", "  cmd= url,1,1,9,9,pequenia.local/j?Scp=a&x=1\r\n"}},
         {},
         "a",
         {"a>b:call", "a>c:call", "b>c:link", "c>a:address"},
         {},
         {},
         {}},
        {"a script naming itself leads nowhere new; a repeat is one arrow",
         {{"a", "  retscp= a\r\n  gosub $b\r\n  gosub $b\r\n"}, {"b", ""}},
         {},
         "a",
         {"a>b:call"},
         {},
         {},
         {}},
        {"targets that name no script get one box each, whatever names them",
         {{"a", "  gosub $fora\r\n  call fora\r\n  cmd= url,1,1,9,9,x?Scp=longe\r\n"}},
         {},
         "a",
         {"a>fora:call", "a>longe:address"},
         {"fora", "longe"},
         {},
         {}},
        {"nothing leads to an orphan; the first is never one; unknown first marks none",
         {{"a", "  gosub $b\r\n"}, {"b", ""}, {"solto", ""}},
         {},
         "a",
         {"a>b:call"},
         {},
         {"solto"},
         {}},
        {"without a first script nothing is an orphan",
         {{"a", ""}, {"b", ""}},
         {},
         {},
         {},
         {},
         {},
         {}},
        {"map neighbours lead; a named cell is a way in",
         {{"inicio", ""}, {"sala", ""}, {"corredor", ""}, {"longe", ""}},
         mapOf({"sala,corredor,,,", "corredor,,,sala,", "naomapa,,longe,,"}),
         "inicio",
         {"sala>corredor:map", "corredor>sala:map"},
         {},
         {"longe"},
         {}},
        {"a neighbour that is no script is a missing box",
         {{"sala", ""}},
         mapOf({"sala,,,,nada"}),
         "sala",
         {"sala>nada:map"},
         {"nada"},
         {},
         {}},
        {"texts inside boxon/boxoff and bare element targets are not targets",
         {{"a", "  boxon\r\n  gosub $b\r\n  boxoff\r\n  cmd= url,1,1,9,9,pagina.htm\r\n"},
          {"b", ""}},
         {},
         "a",
         {},
         {},
         {"b"},
         {}},
        {"a script with checker faults is marked",
         {{"a", "  instrucao_que_nao_existe 1\r\n"}},
         {},
         "a",
         {},
         {},
         {},
         {"a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const LinkGraph g = buildLinkGraph(c.scripts, c.map, c.first, {});
        EXPECT_EQ(edgesOf(g), c.edges);
        EXPECT_EQ(namesWhere(g, [](const LinkNode& n) { return !n.exists; }), c.missing);
        EXPECT_EQ(namesWhere(g, [](const LinkNode& n) { return n.unreached; }), c.unreached);
        EXPECT_EQ(namesWhere(g, [](const LinkNode& n) { return n.faults > 0; }), c.faulty);
        const auto firsts = namesWhere(g, [](const LinkNode& n) { return n.first; });
        EXPECT_EQ(firsts,
                  c.first && g.find(*c.first) ? std::vector{*c.first} : std::vector<std::string>{});
    }
}

TEST(LinkGraph, NeighbourhoodCountsStepsEitherWay) {
    // a -> b -> c -> d, and e -> c
    const LinkGraph g = buildLinkGraph({{"a", "  gosub $b\r\n"},
                                        {"b", "  gosub $c\r\n"},
                                        {"c", "  gosub $d\r\n"},
                                        {"d", ""},
                                        {"e", "  gosub $c\r\n"}},
                                       {}, "a", {});
    const auto names = [&](int steps) {
        std::vector<std::string> out;
        for (const auto i : neighbourhood(g, *g.find("b"), steps))
            out.push_back(g.nodes[i].name);
        return out;
    };
    EXPECT_EQ(names(0), (std::vector<std::string>{"b"}));
    EXPECT_EQ(names(1), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(names(2), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    const LinkGraph near = subgraph(g, neighbourhood(g, *g.find("b"), 1));
    EXPECT_EQ(edgesOf(near), (std::vector<std::string>{"a>b:call", "b>c:call"}));
}

TEST(LinkGraph, OpeningLinesAreBounded) {
    EXPECT_EQ(openingLines("um\r\ndois\ntres\rquatro", 3, 80), "um\ndois\ntres");
    EXPECT_EQ(openingLines("abcdef\r\n", 5, 3), "abc");
    EXPECT_EQ(openingLines("", 5, 3), "");
}

// A ring with chords, so the layout has crossings to resolve.
LinkGraph ring(int scripts, int chords) {
    std::vector<ScriptSource> s;
    for (int i = 0; i < scripts; ++i) {
        std::string text = "  gosub $s" + std::to_string((i + 1) % scripts) + "\r\n";
        for (int c = 1; c <= chords; ++c)
            text += "  call s" + std::to_string((i * 7 + c * 13) % scripts) + "\r\n";
        s.push_back({"s" + std::to_string(i), text});
    }
    return buildLinkGraph(s, {}, "s0", {});
}

TEST(LinkLayout, EveryBoxHasAPlaceOfItsOwn) {
    for (const auto& [graph, engine] :
         {std::pair{ring(30, 1), std::string("dot")}, {ring(30, 1), "sfdp"}, {ring(400, 3), ""}}) {
        const std::string chosen = engine.empty() ? chooseEngine(graph) : engine;
        SCOPED_TRACE(chosen + " " + std::to_string(graph.nodes.size()));
        const LinkLayout layout = layOut(graph, chosen);
        ASSERT_EQ(layout.centres.size(), graph.nodes.size());
        ASSERT_EQ(layout.paths.size(), graph.edges.size());
        std::set<std::pair<long, long>> places;
        for (std::size_t i = 0; i < layout.centres.size(); ++i) {
            const auto [x, y] = layout.centres[i];
            EXPECT_TRUE(x >= 0 && x <= layout.width && y >= 0 && y <= layout.height);
            EXPECT_GT(layout.sizes[i].x, 0);
            places.insert({std::lround(x), std::lround(y)});
        }
        EXPECT_EQ(places.size(), graph.nodes.size());
        for (const auto& path : layout.paths)
            EXPECT_GE(path.size(), 2u);
    }
    // An adventure without scripts is an empty picture, not a failure.
    for (const std::string engine : {"dot", "sfdp"})
        EXPECT_TRUE(layOut(LinkGraph{}, engine).centres.empty());
    EXPECT_EQ(chooseEngine(ring(30, 1)), "dot");
    EXPECT_EQ(chooseEngine(ring(30, 3)), "sfdp"); // four targets a script
    EXPECT_EQ(chooseEngine(ring(400, 0)), "sfdp");
}

TEST(LinkLayout, SvgAndDotCarryTheMarks) {
    const LinkGraph g = buildLinkGraph(
        {{"entrada", "  gosub $sala\r\n  call sumiu\r\n"}, {"sala", ""}, {"solto", ""}}, {},
        "entrada", {});
    const std::string svg = graphSvg(g, "dot");
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    int boxes = 0, arrows = 0;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"g") {
            boxes += xml.attributes().value(QStringLiteral("class")) == u"node";
            arrows += xml.attributes().value(QStringLiteral("class")) == u"edge";
        }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(boxes, 4);
    EXPECT_EQ(arrows, 2);

    const std::string dot = graphDot(g);
    EXPECT_NE(dot.find("layout=dot"), std::string::npos);
    EXPECT_NE(dot.find("label=sumiu"), std::string::npos);
    EXPECT_NE(dot.find("style=dashed"), std::string::npos);  // the missing box
    EXPECT_NE(dot.find("peripheries=2"), std::string::npos); // the first script
}

} // namespace
} // namespace vorn::adventure
