// The editor's page Extra as the link map: the adventure's scripts fetched
// as the audit fetches them, their graph laid out by Graphviz off the
// window thread, a box opening its script.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "adventure_export.h"
#include "error_report.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/link_map_view.h"
#include "form4_pages/page_extra.h"
#include "form4_pages/page_script.h"
#include "form4_pages/script_memo.h"
#include "form4_pages/script_outline.h"
#include "link_graph.h"
#include "link_layout.h"
#include "picture_store.h"
#include "qt_text.h"
#include "request_layer.h"
#include "session.h"
#include "text.h"

#include <QFileDialog>
#include <QPointer>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QThread>

#include <memory>

namespace vorn::win {

namespace {

QString engineName(const std::string& engine) {
    return engine == "dot" ? QStringLiteral("em camadas (dot)")
                           : QStringLiteral("por forças (sfdp), para um mapa grande ou denso");
}

QString summary(const adventure::LinkGraph& g, const std::string& engine,
                const std::vector<std::string>& failed) {
    std::size_t scripts = 0, missing = 0, orphans = 0, faulty = 0;
    for (const auto& n : g.nodes) {
        (n.exists ? scripts : missing)++;
        orphans += n.unreached;
        faulty += n.faults > 0;
    }
    std::string text = countOf(scripts, "script", "scripts") + ", " +
                       countOf(g.edges.size(), "liga\xe7\xe3o",
                               "liga\xe7\xf5"
                               "es");
    if (missing) text += ", " + countOf(missing, "destino inexistente", "destinos inexistentes");
    if (orphans)
        text += ", " + countOf(orphans, "script a que nada leva", "scripts a que nada leva");
    if (faulty) text += ", " + countOf(faulty, "com erros", "com erros");
    if (!failed.empty())
        text += ". " + countOf(failed.size(), "script n\xe3o lido", "scripts n\xe3o lidos") + " (" +
                failed.front() + "): fora do mapa";
    return ui(text + ". Disposi\xe7\xe3o ") + engineName(engine) + QStringLiteral(".");
}

} // namespace

struct TForm4::LinkMapState {
    adventure::LinkGraph graph; // the whole adventure, as last read
    bool read = false;
    bool outdated = false;
    bool laying = false;
    std::string adventure; // whose graph it is
    // Scripts that could not be fetched: missing from the picture, and said so.
    std::vector<std::string> failed;
};

void TForm4::wireLinkMap() {
    m_linkMap = std::make_shared<LinkMapState>();
    form4::PageExtra* p = Extra;
    p->m_refresh->setLooks(PictureStore::picture(store().btUp1),
                           PictureStore::picture(store().btDw1));
    onSignal(p->m_refresh, &PictureButton::clicked, this, [this] { refreshLinkMap(); });
    onSignal(p->m_fit, &QPushButton::clicked, this, [p] { p->m_view->fitAll(); });
    onSignal(p->m_find, &QLineEdit::returnPressed, this, [p] {
        const QString wanted = p->m_find->text().trimmed();
        if (wanted.isEmpty()) return;
        if (!p->m_view->centreOn(bytes(wanted)))
            p->m_status->setText(QStringLiteral("Nenhum script \"%1\" no mapa.").arg(wanted));
    });
    onSignal(p->m_near, &QCheckBox::toggled, this, [this] { layOutLinkMap(); });
    onSignal(p->m_steps, &QSpinBox::valueChanged, this, [this, p] {
        if (p->m_near->isChecked()) layOutLinkMap();
    });
    onSignal(p->m_save, &QPushButton::clicked, this, [this, p] {
        if (p->m_view->empty()) return;
        const std::string folder = m_forms.Form1->session().DirAdv;
        const QString path = QFileDialog::getSaveFileName(
            this, QStringLiteral("Salvar a imagem do mapa de ligações"),
            ui(folder) + QStringLiteral("ligacoes.svg"),
            QStringLiteral("Imagem SVG (*.svg);;Imagem PNG (*.png)"), nullptr,
            QFileDialog::DontUseNativeDialog);
        if (path.isEmpty()) return;
        p->m_status->setText(
            p->m_view->saveImage(path)
                ? QStringLiteral("Imagem gravada em %1.").arg(path)
                : QStringLiteral("A imagem não pôde ser gravada em %1.").arg(path));
    });
    connect(p->m_view, &form4::LinkMapView::scriptClicked, this, [this](const QByteArray& name) {
        guarded([&] { openScriptAt(name.toStdString(), 0); });
    });
}

void TForm4::prepareLinkMap() {
    const Session& s = m_forms.Form1->session();
    if (!m_linkMap->read || m_linkMap->adventure != s.SesAdv) refreshLinkMap();
}

void TForm4::readLinkGraph() {
    const Session& s = m_forms.Form1->session();
    Extra->m_status->setText(QStringLiteral("Lendo os scripts da aventura..."));
    QTemporaryDir scratch;
    m_linkMap->failed.clear();
    const auto snapshot = adventureSnapshot(scratch, m_linkMap->failed);
    m_linkMap->graph = adventure::buildLinkGraph(snapshot, {});
    m_linkMap->read = true;
    m_linkMap->outdated = false;
    m_linkMap->adventure = s.SesAdv;
    Extra->m_refreshLabel->setStyleSheet({});
    showLeadsHere();
}

void TForm4::refreshLinkMap() {
    if (m_linkMap->laying) return;
    readLinkGraph();
    layOutLinkMap();
}

void TForm4::layOutLinkMap() {
    form4::PageExtra* p = Extra;
    if (!m_linkMap->read || m_linkMap->laying) return;
    auto graph = std::make_shared<adventure::LinkGraph>(m_linkMap->graph);
    if (p->m_near->isChecked()) {
        const auto centre = graph->find(m_loadedScript);
        if (!centre) {
            p->m_status->setText(
                QStringLiteral("Vizinhança: abra no editor um script da aventura."));
            return;
        }
        *graph = adventure::subgraph(
            *graph, adventure::neighbourhood(*graph, *centre, p->m_steps->value()));
    }
    const std::string engine = adventure::chooseEngine(*graph);
    p->m_status->setText(
        ui("Desenhando " + countOf(graph->nodes.size(), "script", "scripts") + "... ") +
        engineName(engine));
    m_linkMap->laying = true;
    p->m_refresh->setEnabled(false);

    auto result = std::make_shared<adventure::LinkLayout>();
    auto fault = std::make_shared<std::string>();
    QThread* worker = QThread::create([graph, engine, result, fault] {
        try {
            *result = adventure::layOut(*graph, engine);
        } catch (const std::exception& e) {
            *fault = e.what();
        }
    });
    QPointer<TForm4> self(this);
    connect(worker, &QThread::finished, this, [self, worker, graph, engine, result, fault] {
        worker->deleteLater();
        if (!self) return;
        form4::PageExtra* page = self->Extra;
        self->m_linkMap->laying = false;
        page->m_refresh->setEnabled(true);
        if (!fault->empty()) {
            page->m_status->setText(uiMessage(*fault));
            return;
        }
        page->m_view->showMap(*graph, *result);
        self->showLinkMapMarks();
        page->m_status->setText(summary(*graph, engine, self->m_linkMap->failed));
    });
    worker->start();
}

void TForm4::linkMapOutdated() {
    forgetOpenings();
    if (!m_linkMap || !m_linkMap->read) return;
    m_linkMap->outdated = true;
    Extra->m_refreshLabel->setStyleSheet(QStringLiteral("color: #c62828; font-weight: bold;"));
    Extra->m_status->setText(
        QStringLiteral("Os scripts mudaram: o mapa está desatualizado. Clique em Atualizar."));
    showLeadsHere();
}

void TForm4::showLinkMapMarks() {
    if (!m_linkMap || !m_forms.Form1) return;
    Extra->m_view->highlight(m_loadedScript, m_forms.Form1->session().PreviewScp);
    showLeadsHere();
}

void TForm4::showLeadsHere() {
    form4::ScriptOutline* outline = Script->outline();
    const Session& s = m_forms.Form1->session();
    if (!m_linkMap->read || m_linkMap->adventure != s.SesAdv) {
        outline->setLeadsHere({}, QStringLiteral("<a href=\"ler\">Ler as ligações</a> da "
                                                 "aventura para ver quem leva aqui."));
        return;
    }
    std::vector<std::string> from;
    const auto& g = m_linkMap->graph;
    if (const auto here = g.find(m_loadedScript))
        for (const auto& e : g.edges)
            if (e.to == *here &&
                std::find(from.begin(), from.end(), g.nodes[e.from].name) == from.end())
                from.push_back(g.nodes[e.from].name);
    std::sort(from.begin(), from.end());
    outline->setLeadsHere(from, m_linkMap->outdated
                                    ? QStringLiteral("Os scripts mudaram desde a leitura: "
                                                     "<a href=\"ler\">ler de novo</a>.")
                                    : QString());
}

bool TForm4::linkMapBusy() const {
    return m_linkMap && m_linkMap->laying;
}

void TForm4::openScriptAt(const std::string& name, int line) {
    // The list's own road, so unsaved text is kept as on every other opening.
    form2::PageScripts* scripts = m_forms.Form2->Scripts;
    const auto found = scripts->Lbx2->findItems(ui(name), Qt::MatchExactly);
    if (found.isEmpty()) return;
    scripts->Lbx2->setCurrentItem(found.front());
    m_forms.Form2->Lbx2Click();
    if (loadedScript() != name) return;
    form4::ScriptMemo* memo = Script->Memo3;
    QTextCursor cursor(memo->document()->findBlockByNumber(line));
    memo->setTextCursor(cursor);
    memo->ensureCursorVisible();
    memo->setFocus();
}

} // namespace vorn::win
