// Export, restore and audit from page Exclusivo, and a rename that carries
// the references, on the demo adventure: what the author is asked and told.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "files.h"
#include "form2_pages/page_exclusivo.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/page_auditoria.h"
#include "form4_pages/page_script.h"
#include "road_windows.h"
#include "scripts.h"
#include "session.h"
#include "variables.h"
#include "window_test_main.h"

#include <filesystem>

using namespace vorn::win;
using namespace vorn::test;

class RoadExportTest : public RoadTest {
    Q_OBJECT
private slots:
    void exportThenRestoreAskFirst() {
        const Forms& f = m_w->f();
        form2::PageExclusivo* p = f.Form2->Exclusivo;
        vorn::Session& s = m_w->session();
        std::string chosen = s.DirAdv;
        p->chooseFolder = [&](const std::string&, bool) { return chosen; };
        std::string asked;
        bool agree = false;
        p->ask = [&](const std::string& question, const char*, const char*) {
            asked = question;
            return agree;
        };
        click(p->m_export);
        QVERIFY(p->Stw->text().startsWith(QStringLiteral("Exportação: ")));
        QVERIFY(!p->m_gauge->isVisible());
        for (const auto& e : std::filesystem::directory_iterator(s.DirAdv))
            if (e.path().filename().string().rfind("exportacao-", 0) == 0)
                chosen = e.path().string() + "/";

        // Unticked, changed variables are not the restore's business.
        vorn::storeVariables(
            m_w->requests(), s, {"vidas=9"},
            vorn::loadVariables(m_w->requests(), s, vorn::VariableSet::Current).lines);
        click(p->m_restore);
        QCOMPARE(p->Stw->text(),
                 QStringLiteral("Nada a restaurar: o servidor já é igual à exportação."));
        QVERIFY(asked.empty());

        vorn::writeFileAtomic(chosen + "scripts/trazido.scp", "  msg= trazido\r\n");
        p->m_restoreData->setChecked(true);
        click(p->m_restore);
        QVERIFY(asked.find("trazido") != std::string::npos);
        QCOMPARE(p->Stw->text(), QStringLiteral("Restauração cancelada: nada foi gravado."));
        agree = true;
        click(p->m_restore);
        const QString told = p->Stw->text();
        QVERIFY2(told.startsWith(QStringLiteral("Restauração: 1 script")) &&
                     told.contains(QStringLiteral("e as variáveis")),
                 qPrintable(told));
        QVERIFY(items(f.Form2->Scripts->Lbx2).contains(QStringLiteral("trazido")));
    }

    void auditListsFindingsThatOpenTheirLine() {
        const Forms& f = m_w->f();
        vorn::putScript(m_w->requests(), m_w->session(), "falho",
                        {"  msg= antes", "  gosub $sumido"});
        f.Form1->LoadScriptList();
        click(f.Form2->Exclusivo->m_audit);
        QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kAuditoria));
        form4::PageAuditoria* page = f.Form4->Auditoria;
        const auto found = page->m_findings->findItems(
            QStringLiteral(
                "scripts/falho.scp:2: error: o script \"sumido\" não existe na aventura"),
            Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QVERIFY(page->m_status->text().contains(QStringLiteral(" erros, ")));
        page->m_findings->setCurrentItem(found.front());
        emit page->m_findings->itemClicked(found.front());
        QCOMPARE(f.Form4->loadedScript(), std::string("falho"));
        QCOMPARE(f.Form4->Script->Memo3->textCursor().blockNumber(), 1);

        // Replace across every script, after the preview.
        f.Form4->Pan1->setPageIndex(TForm4::kAuditoria);
        std::string preview;
        page->ask = [&](const std::string& q, const char*, const char*) {
            preview = q;
            return true;
        };
        page->m_find->setText(QStringLiteral("Dizem"));
        page->m_replace->setText(QStringLiteral("Contam"));
        click(page->m_replaceAll);
        QVERIFY(preview.find("inicio:") != std::string::npos);
        QCOMPARE(page->m_status->text(), QStringLiteral("Substituição feita em 1 script."));
    }

    void renameCarriesTheReferencesAfterAskingOnce() {
        vorn::Session& s = m_w->session();
        form2::PageScripts* p = m_w->f().Form2->Scripts;
        vorn::writeFileAtomic(s.DirAdv + "mapa.txt", "10,portao,,patio,,\r\n");
        int asked = 0;
        std::string question;
        p->ask = [&](const std::string& q, const char*, const char*) {
            ++asked;
            question = q;
            return true;
        };
        p->Lbx2->setCurrentItem(
            p->Lbx2->findItems(QStringLiteral("portao"), Qt::MatchExactly).front());
        p->Edit3->setText(QStringLiteral("entrada"));
        click(p->Image9);
        QCOMPARE(asked, 1);
        QVERIFY(question.find("$entrada") != std::string::npos &&
                question.find(" e no mapa?") != std::string::npos);
        QCOMPARE(vorn::readFile(s.DirAdv + "mapa.txt"), std::string("10,entrada,,patio,,\r\n"));
        QVERIFY(p->Stc->text().startsWith(QStringLiteral("Referências atualizadas em ")));
    }
};

VORN_WINDOW_TEST_MAIN(RoadExportTest)
#include "road_export_test.moc"
