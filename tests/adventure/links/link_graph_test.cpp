// The link graph's content on small adventures and the layouts Graphviz
// gives it; then what a script line names outside itself, as the graph and
// the audit read it, and the changes across scripts: what a rename touches
// and what it leaves, the plain replace, and the map's names.
#include "link_graph.h"
#include "link_layout.h"
#include "references.h"
#include "script_edits.h"

#include <QXmlStreamReader>

#include <error.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace vorn::adventure {
namespace {

// "from>to:kind ..." for the edges, in order.
std::string edgesOf(const LinkGraph& g) {
    std::string out;
    for (const auto& e : g.edges)
        out += g.nodes[e.from].name + ">" + g.nodes[e.to].name + ":" +
               (e.kind == EdgeKind::Link   ? "link "
                : e.kind == EdgeKind::Call ? "call "
                : e.kind == EdgeKind::Map  ? "map "
                                           : "address ");
    return out;
}

// The edges, then the boxes missing, unreached, with faults and first,
// each part ended by "| ".
std::string outcome(const LinkGraph& g) {
    std::string out = edgesOf(g) + "| ";
    for (bool (*pick)(const LinkNode&) : {+[](const LinkNode& n) { return !n.exists; },
                                          +[](const LinkNode& n) { return n.unreached; },
                                          +[](const LinkNode& n) { return n.faults > 0; },
                                          +[](const LinkNode& n) { return n.first; }}) {
        for (const auto& n : g.nodes)
            if (pick(n)) out += n.name + " ";
        out += "| ";
    }
    return out;
}

// A map of one row: each entry "name,north,east,south,west" in cells 0, 1, ...
std::string mapOf(const std::vector<std::string>& cells) {
    std::string text;
    for (int i = 0; i < 400; ++i)
        text += (i < static_cast<int>(cells.size()) ? "10," + cells[i] : "") + "\r\n";
    return text + "fundo.png\r\n";
}

TEST(LinkGraph, ContentOfSmallAdventures) {
    const struct {
        const char* what;
        std::optional<std::string> first;
        std::string outcome; // edges | missing | unreached | faulty | first
        std::vector<ScriptSource> scripts;
        std::optional<std::string> map = {};
    } cases[] = {
        {"each kind of script target",
         "a",
         "a>b:call a>c:call b>c:link c>a:address | | | | a | ",
         {{"a", "  gosub $b\r\n  call c\r\n"},
          {"b", "  cmd= lnk,20,360,120,30,3,Voltar,$c\r\n"},
          {"c", "  cmd= url,1,1,9,9,pequenia.local/j?Scp=a&x=1\r\n"}}},
        {"a script naming itself leads nowhere new; a repeat is one arrow",
         "a",
         "a>b:call | | | | a | ",
         {{"a", "  retscp= a\r\n  gosub $b\r\n  gosub $b\r\n"}, {"b", ""}}},
        {"targets that name no script get one box each, whatever names them",
         "a",
         "a>fora:call a>longe:address | fora longe | | | a | ",
         {{"a", "  gosub $fora\r\n  call fora\r\n  cmd= url,1,1,9,9,x?Scp=longe\r\n"}}},
        {"nothing leads to an orphan; the first is never one",
         "a",
         "a>b:call | | solto | | a | ",
         {{"a", "  gosub $b\r\n"}, {"b", ""}, {"solto", ""}}},
        {"a first script that is not there marks no box", "z", "| | a | | | ", {{"a", ""}}},
        {"without a first script nothing is an orphan", {}, "| | | | | ", {{"a", ""}, {"b", ""}}},
        {"map neighbours lead; a named cell is a way in",
         "inicio",
         "sala>corredor:map corredor>sala:map | | longe | | inicio | ",
         {{"inicio", ""}, {"sala", ""}, {"corredor", ""}, {"longe", ""}},
         mapOf({"sala,corredor,,,", "corredor,,,sala,", "naomapa,,longe,,"})},
        {"a neighbour that is no script is a missing box",
         "sala",
         "sala>nada:map | nada | | | sala | ",
         {{"sala", ""}},
         mapOf({"sala,,,,nada"})},
        {"texts inside boxon/boxoff and bare element targets are not targets",
         "a",
         "| | b | | a | ",
         {{"a", "  boxon\r\n  gosub $b\r\n  boxoff\r\n  cmd= url,1,1,9,9,pagina.htm\r\n"},
          {"b", ""}}},
        {"a script with checker faults is marked",
         "a",
         "| | | a | a | ",
         {{"a", "  instrucao_que_nao_existe 1\r\n"}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(outcome(buildLinkGraph(c.scripts, c.map, c.first, {})), c.outcome) << c.what;
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
        std::string out;
        for (const auto i : neighbourhood(g, *g.find("b"), steps))
            out += g.nodes[i].name;
        return out;
    };
    EXPECT_EQ(names(0), "b");
    EXPECT_EQ(names(1), "abc");
    EXPECT_EQ(names(2), "abcde");
    EXPECT_EQ(edgesOf(subgraph(g, neighbourhood(g, *g.find("b"), 1))), "a>b:call b>c:call ");
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

    // The missing box is dashed, the first script's is doubled.
    for (const char* mark : {"layout=dot", "label=sumiu", "style=dashed", "peripheries=2"})
        EXPECT_NE(graphDot(g).find(mark), std::string::npos) << mark;
}

std::vector<std::string> names(const std::vector<NameAt>& found) {
    std::vector<std::string> out;
    for (const auto& f : found)
        out.push_back(std::to_string(f.line) + ":" + f.name);
    return out;
}

TEST(References, ReadsEveryKindOfLineTheWayTheCheckerSplitsIt) {
    using Names = std::vector<std::string>;
    // A script, then the targets, what it leads to and the files it names.
    const std::tuple<const char*, Names, Names, Names> cases[] = {
        // Element targets lead on but are the checker's to judge.
        {"  cmd= lnk,1,2,3,4,5,Ir,$sala", {}, {"0:sala"}, {}},
        {"cmd= btn,1,2,3,4,up.png,$sala,dw.png", {}, {"0:sala"}, {"0:up.png", "0:dw.png"}},
        {"if= 1,2,cmd=,fig,1,2,3,4,f.png,$torre", {}, {"0:torre"}, {"0:f.png"}},
        // Calls and addresses are the audit's own.
        {"gosub $rotina\nscript= final\nretscp= sala2",
         {"0:rotina", "1:final", "2:sala2"},
         {"0:rotina", "1:final", "2:sala2"},
         {}},
        {"cmd= url,0,0,9,9,exescp.php?Pfx=v&Scp=porta&Cmd=1", {"0:porta"}, {"0:porta"}, {}},
        // Files, whole names only; registers and empty fields name none.
        {"telpos= tela 1.png\ncmd= snd,0,0,9,9,sino.mp3\ntexto# foto.jpg,10,10,left",
         {},
         {},
         {"0:tela 1.png", "1:sino.mp3", "2:foto.jpg"}},
        {"fundo= ceu\nfundo+ .png\ncmd= img,0,0,9,9,#3\ncmd= img,0,0,9,9,", {}, {}, {}},
        // Free text, comments and labels name nothing.
        {"boxon\ngosub $nada\nboxoff\n// gosub $nada\n:gosub", {}, {}, {}},
        {"  msg= Custa $5 na loja", {}, {}, {}},
        // Lines counted whatever their endings.
        {"a\r\nb\rc\ngosub x\r\n", {"3:x"}, {"3:x"}, {}},
    };
    for (const auto& [script, targets, leadsTo, files] : cases) {
        const auto refs = findReferences(script);
        EXPECT_EQ(names(refs.targets), targets) << script;
        EXPECT_EQ(names(refs.leadsTo), leadsTo) << script;
        EXPECT_EQ(names(refs.files), files) << script;
    }
}

TEST(ScriptEdits, RenameTouchesOnlyReferencesToTheScript) {
    const std::pair<const char*, const char*> cases[] = {
        {"  cmd= lnk,1,2,3,4,5,Ir,$sala", "  cmd= lnk,1,2,3,4,5,Ir,$salao"},
        {"gosub sala", "gosub salao"},
        {"  retscp= $sala", "  retscp= $salao"},
        {"cmd= url,0,0,9,9,exescp.php?Pfx=v&Scp=sala&Cmd=1",
         "cmd= url,0,0,9,9,exescp.php?Pfx=v&Scp=salao&Cmd=1"},
        {"cmd= url,0,0,9,9,x?Scp=sala2", nullptr}, // another script
        {"  msg= Volte para a sala", nullptr},     // text, not a reference
        {"  msg= sala", nullptr},                  // only calls take a bare name
        {"// gosub sala", nullptr},
        {"cmd= btn,1,2,3,4,$sala,$sala, $sala ", "cmd= btn,1,2,3,4,$salao,$salao, $salao "},
    };
    for (const auto& [before, after] : cases) {
        const auto edits =
            planRename({{"a", {"boxon", "gosub sala", "boxoff", before}}}, "sala", "salao");
        if (!after) {
            EXPECT_TRUE(edits.empty()) << before;
            continue;
        }
        ASSERT_EQ(edits.size(), 1u) << before;
        ASSERT_EQ(edits[0].changes.size(), 1u) << before << " (free text stays)";
        EXPECT_EQ(edits[0].changes[0].line, 3u);
        EXPECT_EQ(edits[0].lines[3], after);
    }
}

TEST(ScriptEdits, ReplaceAndMapAndPreview) {
    const auto edits = planReplace({{"a", {"msg= aa", "x"}}, {"b", {"y"}}}, "a", "b");
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_EQ(edits[0].lines, (Lines{"msg= bb", "x"}));
    EXPECT_EQ(editPreview(edits), "a:\r\n  1 - msg= aa\r\n  1 + msg= bb\r\n");
    EXPECT_THROW(planReplace({}, "", "x"), Error);

    EXPECT_EQ(renameInMap("10,sala,,torre,,\r\n11,torre,,,,sala\r\nfundo.png\r\n", "sala", "salao"),
              "10,salao,,torre,,\r\n11,torre,,,,salao\r\nfundo.png\r\n");
    EXPECT_EQ(renameInMap("10,salas,,,,\n", "sala", "x"), "10,salas,,,,\n");
}

} // namespace
} // namespace vorn::adventure
