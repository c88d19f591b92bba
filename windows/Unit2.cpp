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
    : ToolWindow(store, QStringLiteral("Ferramentas de edição"), parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Ferramentas de edição"));

    Abook = new Notebook(QStringLiteral("Abook"), this);
    Abook->addPage(Default = new form2::PageDefault);
    Abook->addPage(Extras = new form2::PageExtras);
    Abook->addPage(Aventuras = new form2::PageAventuras);
    Abook->addPage(Scripts = new form2::PageScripts);
    Abook->addPage(Graficos = new form2::PageGraficos);
    Abook->addPage(Objetos = new form2::PageObjetos);
    Abook->addPage(Parametros = new form2::PageParametros);
    Abook->addPage(Sons = new form2::PageSons);
    Abook->addPage(ArqSom = new form2::PageArqSom);
    Abook->addPage(Autorizacao = new form2::PageAutorizacao);
    Abook->addPage(Exclusivo = new form2::PageExclusivo);
    Abook->addPage(Inicio = new form2::PageInicio);
    onSignal(Inicio, &form2::PageInicio::clicked, this, [this] { LogoClick(); });

    // The pages' picture buttons borrow the main window's looks: the tall
    // round ones, the special tools' ones and the small ones.
    for (PictureButton* button : Abook->findChildren<PictureButton*>()) {
        if (button->height() == 38)
            button->setLooks(PictureStore::picture(store.btUp2),
                             PictureStore::picture(store.btDw2));
        else if (button->height() == 21)
            button->setLooks(PictureStore::picture(store.btUp1),
                             PictureStore::picture(store.btDw1));
        else
            smallLooks(button);
    }

    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenHeight = screen ? screen->geometry().height() : 797;
    setGeometry(10, kLockedTop, kWidth, screenHeight - 82);
    relayout();
    Abook->setPageIndex(kInicio);
    show();
}

void TForm2::attach(const Forms& forms) {
    m_forms = forms;
    wireDefault();
    wireAdventures();
    wireScripts();
    wireSpecial();
    wireExport();
    wireMedia();
    wireObjects();
    wirePermissions();
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
