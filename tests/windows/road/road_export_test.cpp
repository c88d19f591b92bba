// Export and restore on page Exclusivo, on the demo adventure of a real
// service: the gauge and the counts, a refused restore that stores nothing,
// an agreed one with its numbered copy and the reloaded script list, and the
// tick that takes the other data along.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "error_report.h"
#include "files.h"
#include "form2_pages/page_exclusivo.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/page_auditoria.h"
#include "form4_pages/page_script.h"
#include "form4_pages/script_memo.h"
#include "road_windows.h"
#include "scripts.h"
#include "session.h"
#include "text.h"
#include "variables.h"
#include "window_test_main.h"

#include <QListWidget>
#include <QTest>

#include <filesystem>

using namespace vorn::win;
using namespace vorn::test;

class RoadExportTest : public vorn::test::RoadTest {
    Q_OBJECT
private slots:
    void exportThenRestoreAskFirstAndKeepCopies() {
        const Forms& f = m_w->f();
        form2::PageExclusivo* p = f.Form2->Exclusivo;
        vorn::Session& s = m_w->session();
        std::string chosen;
        p->chooseFolder = [&](const std::string&, bool) { return chosen; };
        std::string asked;
        bool agree = false;
        p->ask = [&](const std::string& question, const char*, const char*) {
            asked = question;
            return agree;
        };

        chosen = s.DirAdv;
        click(p->m_export);
        QVERIFY2(p->Stw->text().startsWith(QStringLiteral("Exportação: ")),
                 qPrintable(p->Stw->text()));
        QVERIFY(!p->m_gauge->isVisible());
        std::string folder;
        for (const auto& e : std::filesystem::directory_iterator(s.DirAdv))
            if (e.path().filename().string().rfind("exportacao-", 0) == 0)
                folder = e.path().string() + "/";
        QVERIFY(!folder.empty());

        const auto names = vorn::LoadScriptList(m_w->requests(), s);
        const std::string edited = folder + "scripts/" + names[0] + ".scp";
        vorn::writeFileAtomic(edited, vorn::readFile(edited) + "  msg= da exportação\r\n");
        vorn::writeFileAtomic(folder + "scripts/trazido.scp", "  msg= trazido\r\n");
        chosen = folder;

        click(p->m_restore);
        QVERIFY(asked.find(names[0] + ": 1 linha alterada") != std::string::npos);
        QCOMPARE(p->Stw->text(), QStringLiteral("Restauração cancelada: nada foi gravado."));
        QVERIFY(vorn::fetchScript(m_w->requests(), s, "trazido").empty());

        agree = true;
        click(p->m_restore);
        QVERIFY2(p->Stw->text().startsWith(QStringLiteral("Restauração: 2 scripts e 0 arquivos; "
                                                          "1 cópia na")),
                 qPrintable(p->Stw->text()));
        QCOMPARE(vorn::joinLinesCrLf(vorn::fetchScript(m_w->requests(), s, names[0])),
                 vorn::readFile(edited));
        QVERIFY(!f.Form2->Scripts->Lbx2->findItems(QStringLiteral("trazido"), Qt::MatchExactly)
                     .isEmpty());
    }

    void theDataTickAddsTheOtherDataToTheQuestionAndTheRestore() {
        form2::PageExclusivo* p = m_w->f().Form2->Exclusivo;
        vorn::Session& s = m_w->session();
        std::string chosen = s.DirAdv;
        p->chooseFolder = [&](const std::string&, bool) { return chosen; };
        std::string asked;
        p->ask = [&](const std::string& question, const char*, const char*) {
            asked = question;
            return true;
        };
        click(p->m_export);
        for (const auto& e : std::filesystem::directory_iterator(s.DirAdv))
            if (e.path().filename().string().rfind("exportacao-", 0) == 0)
                chosen = e.path().string() + "/";
        const auto current = vorn::loadVariables(m_w->requests(), s, vorn::VariableSet::Current);
        QCOMPARE(vorn::storeVariables(m_w->requests(), s, {"vidas=9"}, current.lines),
                 std::string(vorn::kVariablesStored));

        // Unticked, the changed variables are not the restore's business.
        click(p->m_restore);
        QCOMPARE(p->Stw->text(),
                 QStringLiteral("Nada a restaurar: o servidor já é igual à exportação."));
        QVERIFY(asked.empty());

        p->m_restoreData->setChecked(true);
        click(p->m_restore);
        QVERIFY2(asked.find("  vari\xe1veis de in\xed"
                            "cio: 4 linhas alteradas\r\n") != std::string::npos,
                 asked.c_str());
        QCOMPARE(p->Stw->text(), QStringLiteral("Restauração: 0 scripts e 0 arquivos, e as "
                                                "variáveis; 1 cópia na pasta da aventura."));
        QCOMPARE(vorn::loadVariables(m_w->requests(), s, vorn::VariableSet::Starting).lines,
                 (std::vector<std::string>{"vidas=3", "ouro=0", "porta_torre=fechada"}));
    }

    void auditListsFindingsThatOpenTheirLine() {
        const Forms& f = m_w->f();
        vorn::Session& s = m_w->session();
        vorn::putScript(m_w->requests(), s, "falho", {"  msg= antes", "  gosub $sumido"});
        f.Form1->LoadScriptList();

        click(f.Form2->Exclusivo->m_audit);
        QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kAuditoria));
        QListWidget* list = f.Form4->Auditoria->m_findings;
        const auto found = list->findItems(
            QStringLiteral(
                "scripts/falho.scp:2: error: o script \"sumido\" não existe na aventura"),
            Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QVERIFY(f.Form4->Auditoria->m_status->text().contains(QStringLiteral(" erros, ")));

        list->setCurrentItem(found.front());
        emit list->itemClicked(found.front());
        QCOMPARE(f.Form4->loadedScript(), std::string("falho"));
        QCOMPARE(f.Form4->Script->Memo3->textCursor().blockNumber(), 1);

        // Replace across every script, after the preview.
        f.Form4->Pan1->setPageIndex(TForm4::kAuditoria);
        form4::PageAuditoria* page = f.Form4->Auditoria;
        std::string preview;
        page->ask = [&](const std::string& q, const char*, const char*) {
            preview = q;
            return true;
        };
        page->m_find->setText(QStringLiteral("Dizem"));
        page->m_replace->setText(QStringLiteral("Contam"));
        click(page->m_replaceAll);
        QVERIFY2(preview.find("inicio:") != std::string::npos, qPrintable(page->m_status->text()));
        QVERIFY(
            vorn::joinLinesCrLf(vorn::fetchScript(m_w->requests(), s, "inicio")).find("Contam") !=
            std::string::npos);
        QCOMPARE(page->m_status->text(), QStringLiteral("Substituição feita em 1 script."));
    }

    void renameCarriesTheReferencesAfterAskingOnce() {
        const Forms& f = m_w->f();
        vorn::Session& s = m_w->session();
        form2::PageScripts* p = f.Form2->Scripts;
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
        QVERIFY(question.find("+ ") != std::string::npos &&
                question.find("$entrada") != std::string::npos);
        QVERIFY(question.find(" e no mapa?") != std::string::npos);
        const auto inicio = vorn::joinLinesCrLf(vorn::fetchScript(m_w->requests(), s, "inicio"));
        QVERIFY(inicio.find("$entrada") != std::string::npos);
        QVERIFY(inicio.find("$portao") == std::string::npos);
        QVERIFY(std::filesystem::exists(s.DirAdv + "inicio.scp"));
        QCOMPARE(vorn::readFile(s.DirAdv + "mapa.txt"), std::string("10,entrada,,patio,,\r\n"));
        QCOMPARE(vorn::readFile(s.DirAdv + "mapa(1).txt"), std::string("10,portao,,patio,,\r\n"));
        QVERIFY(p->Stc->text().startsWith(QStringLiteral("Referências atualizadas em ")));
    }
};

VORN_WINDOW_TEST_MAIN(RoadExportTest)
#include "road_export_test.moc"
