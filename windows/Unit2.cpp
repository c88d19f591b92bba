#include "Unit2.h"

#include "Unit1.h"
#include "error_report.h"
#include "form2_pages/page_arqsom.h"
#include "form2_pages/page_autorizacao.h"
#include "form2_pages/page_aventuras.h"
#include "form2_pages/page_default.h"
#include "form2_pages/page_exclusivo.h"
#include "form2_pages/page_extras.h"
#include "form2_pages/page_graficos.h"
#include "form2_pages/page_inicio.h"
#include "form2_pages/page_objetos.h"
#include "form2_pages/page_parametros.h"
#include "form2_pages/page_scripts.h"
#include "form2_pages/page_sons.h"

#include <QGuiApplication>
#include <QScreen>

namespace vorn::win {

TForm2::TForm2(const PictureStore& store, QWidget* parent)
    : ToolWindow(store, QStringLiteral("Ferramentas de edição"), parent)
    , m_store(store) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Ferramentas de edição"));

    // The pages the first screen does not show are a fifth of the start-up:
    // until one is reached, an empty page with its caption holds its place.
    Abook = new Notebook(QStringLiteral("Abook"), this);
    const QString captions[] = {
        QStringLiteral("Default"),     QStringLiteral("Extras"),    QStringLiteral("Aventuras"),
        QStringLiteral("Scripts"),     QStringLiteral("Gráficos"),  QStringLiteral("Objetos"),
        QStringLiteral("Parametros"),  QStringLiteral("Sons"),      QStringLiteral("ArqSom"),
        QStringLiteral("Autorização"), QStringLiteral("Exclusivo"),
    };
    for (const QString& caption : captions)
        Abook->addPage(new NotebookPage(caption));
    Abook->addPage(Inicio = new form2::PageInicio);
    onSignal(Inicio, &form2::PageInicio::clicked, this, [this] { LogoClick(); });
    giveLooks(Inicio);
    Abook->setBeforeTurning([this](int page) {
        if (page != kInicio) buildPages();
    });

    const auto onFirstUse = [this]<class Page>(OnFirstUse<Page>& page, int index) {
        page = OnFirstUse<Page>([this, index] {
            buildPages();
            return static_cast<Page*>(Abook->widget(index));
        });
    };
    onFirstUse(Default, kDefault);
    onFirstUse(Extras, kExtras);
    onFirstUse(Aventuras, kAventuras);
    onFirstUse(Scripts, kScripts);
    onFirstUse(Graficos, kGraficos);
    onFirstUse(Objetos, kObjetos);
    onFirstUse(Parametros, kParametros);
    onFirstUse(Sons, kSons);
    onFirstUse(ArqSom, kArqSom);
    onFirstUse(Autorizacao, kAutorizacao);
    onFirstUse(Exclusivo, kExclusivo);

    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenHeight = screen ? screen->geometry().height() : 797;
    setGeometry(10, kLockedTop, kWidth, screenHeight - 82);
    relayout();
    Abook->setPageIndex(kInicio);
    show();
}

void TForm2::buildPages() {
    if (m_pagesBuilt) return;
    m_pagesBuilt = true;
    Abook->replacePage(kDefault, new form2::PageDefault);
    Abook->replacePage(kExtras, new form2::PageExtras);
    Abook->replacePage(kAventuras, new form2::PageAventuras);
    Abook->replacePage(kScripts, new form2::PageScripts);
    Abook->replacePage(kGraficos, new form2::PageGraficos);
    Abook->replacePage(kObjetos, new form2::PageObjetos);
    Abook->replacePage(kParametros, new form2::PageParametros);
    Abook->replacePage(kSons, new form2::PageSons);
    Abook->replacePage(kArqSom, new form2::PageArqSom);
    Abook->replacePage(kAutorizacao, new form2::PageAutorizacao);
    Abook->replacePage(kExclusivo, new form2::PageExclusivo);

    // The pages' picture buttons borrow the main window's looks: the tall
    // round ones, the special tools' ones and the small ones.
    giveLooks(Abook);
    wirePages();
}

void TForm2::giveLooks(QWidget* pages) {
    for (PictureButton* button : pages->findChildren<PictureButton*>()) {
        if (button->height() == 38)
            button->setLooks(PictureStore::picture(m_store.btUp2),
                             PictureStore::picture(m_store.btDw2));
        else if (button->height() == 21)
            button->setLooks(PictureStore::picture(m_store.btUp1),
                             PictureStore::picture(m_store.btDw1));
        else
            smallLooks(button);
    }
}

void TForm2::wirePages() {
    if (!m_pagesBuilt || m_pagesWired || !m_forms.Form1) return;
    m_pagesWired = true;
    wireDefault();
    wireAdventures();
    wireScripts();
    wireSpecial();
    wireExport();
    wireMedia();
    wireObjects();
    wirePermissions();
}

void TForm2::attach(const Forms& forms) {
    m_forms = forms;
    // Pages already reached were waiting for the other windows.
    wirePages();
}

Session& TForm2::session() {
    return m_forms.Form1->session();
}

RequestLayer& TForm2::requests() {
    return m_forms.Form1->requests();
}

void TForm2::LogoClick() {
    Abook->setPageIndex(kDefault);
}

void TForm2::layoutPages() {
    Abook->setGeometry(0, kBarHeight, width(), height() - kBarHeight);
}

} // namespace vorn::win
