#include "demo_road.h"

#include "form2_pages/page_exclusivo.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "error_report.h"
#include "form2_pages/page_aventuras.h"
#include "form2_pages/page_default.h"
#include "form2_pages/page_graficos.h"
#include "form2_pages/page_objetos.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/page_script.h"
#include "scripts.h"
#include "session.h"

#include <QListWidget>
#include <QTimer>

#include <algorithm>
#include <cstdlib>

namespace vorn::win {
namespace {

// A page that a navigation button shows is filled as the button fills it,
// with its first entry chosen.
void fillPage(const Forms& forms, int page) {
    TForm2* tools = forms.Form2;
    const auto chooseFirst = [](QListWidget* list) {
        if (list->count() > 0) list->setCurrentRow(0);
        return list->count() > 0;
    };
    if (page == TForm2::kGraficos) {
        forms.Form1->btImgClick();
        if (chooseFirst(tools->Graficos->File1)) tools->File1Click();
    }
    if (page == TForm2::kArqSom) forms.Form1->btSndClick();
    if (page == TForm2::kObjetos) {
        forms.Form1->btObjClick();
        if (chooseFirst(tools->Objetos->Lbx4)) tools->Lbx4Click();
    }
    if (page == TForm2::kAutorizacao) tools->Image23Click();
}

// VORNSCRIPT_DEMO_TYPE="N:text": the line an author would type before line
// N (from 1) of the script just opened, the caret left on it, to look at
// the check that follows typing.
void typeDemoLine(const Forms& forms) {
    const QString typed = QString::fromLocal8Bit(qgetenv("VORNSCRIPT_DEMO_TYPE"));
    const qsizetype colon = typed.indexOf(QLatin1Char(':'));
    if (colon < 1) return;
    form4::ScriptMemo* memo = forms.Form4->Script->Memo3;
    memo->goToLine(typed.left(colon).toInt() - 1);
    memo->textCursor().insertText(typed.mid(colon + 1) + QLatin1Char('\n'));
    memo->markEdited();
    memo->goToLine(typed.left(colon).toInt() - 1);
}

// VORNSCRIPT_DEMO_CLASH=1: a co-editor stores the open script with a line of
// their own, then the author saves, to look at the question that follows.
void saveAfterDemoClash(const Forms& forms) {
    if (qgetenv("VORNSCRIPT_DEMO_CLASH").isEmpty()) return;
    const Session& s = forms.Form1->session();
    Lines theirs = fetchScript(forms.Form1->requests(), s, s.SesScp);
    theirs.insert(theirs.begin() + std::min<std::ptrdiff_t>(2, std::ssize(theirs)),
                  "  msg= Uma linha do outro autor");
    putScript(forms.Form1->requests(), s, s.SesScp, theirs);
    QTimer::singleShot(500, forms.Form4,
                       [forms] { guarded([forms] { forms.Form4->storeText(); }); });
}

} // namespace

void installDemoRoad(const Forms& forms) {
    const char* value = std::getenv("VORNSCRIPT_DEMO_ROAD");
    if (!value || !*value) return;
    const QStringList parts = QString::fromLocal8Bit(value).split(QLatin1Char(':'));
    if (parts.size() < 2) return;
    TForm2* tools = forms.Form2;
    QTimer::singleShot(300, tools, [forms, tools, parts] {
        guarded([forms, tools, parts] {
            tools->LogoClick();
            tools->Default->XLog->setText(parts[0]);
            tools->Default->XSen->setText(parts[1]);
            tools->btLogClick();
            if (parts.size() < 3) return;
            QListWidget* adventures = tools->Aventuras->Lbx1;
            const auto found = adventures->findItems(parts[2], Qt::MatchExactly);
            if (found.isEmpty()) return;
            adventures->setCurrentItem(found.front());
            tools->Lbx1DblClick();
            if (parts.size() < 4) return;
            QListWidget* scripts = tools->Scripts->Lbx2;
            const auto script = scripts->findItems(parts[3], Qt::MatchExactly);
            if (script.isEmpty()) return;
            scripts->setCurrentItem(script.front());
            tools->Lbx2Click();
            typeDemoLine(forms);
            saveAfterDemoClash(forms);
            if (parts.size() < 5) return;
            tools->Abook->setPageIndex(parts[4].toInt());
            fillPage(forms, parts[4].toInt());
            tools->raise();
            if (parts.size() < 6) return;
            // A workshop page of the editor, opened as its entry opens it.
            const int editorPage = parts[5].toInt();
            if (editorPage == TForm4::kConversor) tools->btCnvClick();
            if (editorPage == TForm4::kSeriado) tools->Image21Click();
            if (editorPage == TForm4::kModelos) tools->Image22Click();
            if (editorPage == TForm4::kPainel) tools->Image25Click();
            if (editorPage == TForm4::kVariaveis) tools->Image29Click();
            if (editorPage == TForm4::kBanners) tools->Image16Click();
            if (parts[5] == QStringLiteral("mapa")) tools->Image28Click();
            if (parts[5] == QStringLiteral("auditoria")) emit tools->Exclusivo->m_audit->clicked();
            if (parts[5] == QStringLiteral("exportar")) emit tools->Exclusivo->m_export->clicked();
            if (parts[5] == QStringLiteral("ligacoes")) emit tools->Exclusivo->m_linkMap->clicked();
        });
    });
}

} // namespace vorn::win
