// The author's road through the windows with "Castelo de Vorn" open on a
// real service: the screen designer, export and audit, the editor's text
// kept safe, page Scripts, the media pages and the map maker. The tests
// share one service and run in this order: the designer needs the demo's
// pictures and links as they come, the export an adventure the other tests
// have not yet changed.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "account.h"
#include "adventure.h"
#include "error_report.h"
#include "files.h"
#include "form2_pages/page_arqsom.h"
#include "form2_pages/page_autorizacao.h"
#include "form2_pages/page_exclusivo.h"
#include "form2_pages/page_extras.h"
#include "form2_pages/page_graficos.h"
#include "form2_pages/page_objetos.h"
#include "form2_pages/page_parametros.h"
#include "form2_pages/page_scripts.h"
#include "form2_pages/page_sons.h"
#include "form2_pages/sound_deck.h"
#include "form4_pages/conflict_dialog.h"
#include "form4_pages/page_auditoria.h"
#include "form4_pages/page_backup.h"
#include "form4_pages/page_default.h"
#include "form4_pages/page_script.h"
#include "form6_pages/page_compilacao.h"
#include "form6_pages/page_posicoes.h"
#include "map_editor.h"
#include "permissions.h"
#include "preview.h"
#include "qt_text.h"
#include "request_layer.h"
#include "road_windows.h"
#include "scripts.h"
#include "session.h"
#include "templates.h"
#include "text.h"
#include "variables.h"
#include "window_test_main.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <filesystem>
#include <optional>

using namespace vorn::win;
using namespace vorn::test;

namespace {

// Records what it was given and, when told to, reports it unplayable.
class RecordingDeck : public form2::SoundDeck {
public:
    QStringList played;
    QString refusal;
    void play(const QString& path) override {
        played << path;
        if (!refusal.isEmpty()) emit failed(refusal);
    }
};

void selectOnly(QListWidget* list, const QStringList& names) {
    list->clearSelection();
    for (const QString& name : names)
        list->findItems(name, Qt::MatchExactly).value(0)->setSelected(true);
}

void typeLine(TForm4* editor, const QString& line) {
    QPlainTextEdit* memo = editor->Script->Memo3;
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, line);
}

const QString kLink = QStringLiteral("  cmd= lnk,460,330,220,30,4,Entrar no castelo,$portao");

QString lineOf(const QPlainTextEdit* memo, int line) {
    return memo->document()->findBlockByNumber(line).text();
}

void drag(QWidget* shape, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(shape, button, {}, from);
    QTest::mouseMove(shape, to);
    QTest::mouseRelease(shape, button, {}, to);
}

} // namespace

class RoadCastleTest : public RoadTest {
    Q_OBJECT
protected:
    void arrive() override {
        RoadTest::arrive();
        m_p = m_w->f().Form2->Scripts;
    }
    // A map of a test is not the next test's.
    void leave() override {
        std::remove((m_w->session().DirAdv + "mapa.txt").c_str());
        std::remove((m_w->session().DirAdv + "mapa.bmp").c_str());
    }
    void put(const char* name, const std::string& bytes = "x") {
        vorn::writeFileAtomic(m_w->session().DirAdv + name, bytes);
    }
    bool exists(const std::string& name) const {
        return vorn::fetchScriptChecked(m_w->requests(), m_w->session(), name).exists;
    }
    TForm4* open(const char* script) {
        clickItem(m_p->Lbx2, QString::fromLatin1(script));
        return m_w->f().Form4;
    }
    // Opens a script and puts the caret on a line.
    TForm4* openAt(const char* script, int line) {
        open(script);
        QTextCursor c(memo()->document()->findBlockByNumber(line));
        memo()->setTextCursor(c);
        QTest::keyRelease(memo(), Qt::Key_Right);
        return m_w->f().Form4;
    }
    vorn::Lines server(const char* script) const {
        return vorn::fetchScript(m_w->requests(), m_w->session(), script);
    }
    int copies(const char* script) const {
        return RoadWindows::copiesOf(m_w->session().DirAdv, QString::fromLatin1(script)).size();
    }
    QPlainTextEdit* memo() const { return m_w->f().Form4->Script->Memo3; }
    QStringList memoLines() const { return m_w->editorText().split(QLatin1Char('\n')); }
    void openMap() {
        click(m_w->f().Form2->Exclusivo->Image28);
        m_map = m_w->f().Form6;
        QVERIFY(m_map->mapOpen());
    }
    const std::string& cell(int index) const { return m_map->editor()->model().cells[index]; }

private slots:
    void dragsTheLinksRectangleAndPutsTheLineBack() {
        TForm4* editor = openAt("inicio", 7);
        click(editor->Script->Image1);
        form4::PageDefault* d = editor->Default;
        QCOMPARE(editor->Pan1->PageIndex(), int(TForm4::kDefault));
        QCOMPARE(m_w->f().Form2->Abook->PageIndex(), int(TForm2::kScripts));

        // The adventure window with the gate picture in its screen area.
        const QImage tela = d->Tela->pixmap().toImage();
        const QImage gate(QString::fromStdString(m_w->session().DirAdv + "portao.png"));
        QCOMPARE(tela.pixel(QPoint(300, 200) + QPoint(100, 20)), gate.pixel(300, 200));
        QCOMPARE(tela.pixelColor(50, 500), QColor(0x1A, 0x1A, 0x2E));
        QCOMPARE(d->Shp1->geometry(), QRect(460, 330, 220, 30));
        drag(d->Shp1, {10, 10}, {25, 15});
        QCOMPARE(d->Shp1->geometry(), QRect(475, 335, 220, 30));
        drag(d->Shp2, {4, 4}, {24, 14});
        QCOMPARE(d->Shp1->geometry(), QRect(475, 335, 240, 40));
        QCOMPARE(d->Shp2->geometry(), QRect(707, 367, 8, 8));
        QCOMPARE(lineOf(memo(), 7), kLink); // nothing written before the return

        click(m_w->f().Form2->Scripts->Image3);
        QCOMPARE(editor->Pan1->PageIndex(), int(TForm4::kScript));
        QCOMPARE(lineOf(memo(), 7), S("  cmd= lnk,475,335,240,40,4,Entrar no castelo,$portao"));
        QCOMPARE(editor->Script->lbGrs->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    }

    void rightClicksGoRoundThePenColours() {
        TForm4* editor = openAt("inicio", 7);
        click(editor->Script->Image1);
        form4::PageDefault* d = editor->Default;
        // Either shape takes the right click; the list wraps after lime.
        const QColor round[] = {Qt::black,         Qt::white,         QColor(0, 255, 255),
                                QColor(255, 0, 0), QColor(128, 0, 0), QColor(0, 255, 0),
                                QColor(0, 0, 255), Qt::black};
        int clicks = 0;
        for (const QColor& colour : round) {
            QWidget* shape = clicks++ % 2 ? static_cast<QWidget*>(d->Shp2) : d->Shp1;
            QTest::mouseClick(shape, Qt::RightButton, {}, {3, 3});
            QCOMPARE(d->Shp1->penColour(), colour);
        }
        QTest::mouseClick(d->Shp1, Qt::LeftButton, {}, {3, 3});
        QCOMPARE(d->Shp1->penColour(), QColor(Qt::black));
        // Opening the designer again goes on from where the round was.
        click(m_w->f().Form2->Scripts->Image3);
        click(editor->Script->Image1);
        QTest::mouseClick(d->Shp1, Qt::RightButton, {}, {3, 3});
        QCOMPARE(d->Shp1->penColour(), QColor(Qt::white));
    }

    void aLineOfAnotherScriptGoesToTheClipboard() {
        TForm4* editor = openAt("inicio", 7);
        click(editor->Script->Image1);
        drag(editor->Default->Shp1, {10, 10}, {11, 10});
        QVERIFY(clickItem(m_w->f().Form2->Scripts->Lbx2, S("portao")));
        const QStringList portao = memoLines();
        click(m_w->f().Form2->Scripts->Image3);
        QCOMPARE(memoLines(), portao);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 S("  cmd= lnk,461,330,220,30,4,Entrar no castelo,$portao"));
        QVERIFY(editor->Script->status()->text().contains(S("transferência")));
    }

    void picturesAndAreas() {
        // A picture element: its picture fetched and stretched over it.
        TForm4* editor = openAt("torre", 6);
        click(editor->Script->Image1);
        QCOMPARE(editor->Default->mode(), vorn::DesignerMode::Element);
        const QImage treasure(QString::fromStdString(m_w->session().DirAdv + "tesouro.png"));
        QCOMPARE(editor->Default->Tela->pixmap().toImage().pixel(260 + 40, 200 + 30),
                 treasure.pixel(40, 30));

        // A screen picture that cannot be had shows none, and says so.
        editor->Script->TelPos->setText(S("nada.png"));
        click(editor->Script->Image1);
        QCOMPARE(editor->Default->Tela->pixmap().toImage().pixelColor(150, 100),
                 QColor(0x1A, 0x1A, 0x2E));
        QVERIFY(editor->Default->Std->text().contains(S("nada.png")));

        // An area: "  texto= 20,20,560,200,3,Arial,1A1A2E,biuF0E6D2".
        openAt("menu", 6);
        click(editor->Script->Image3);
        QCOMPARE(editor->Default->mode(), vorn::DesignerMode::Area);
        QCOMPARE(editor->Default->Shp1->geometry(), QRect(20, 20, 560, 200));

        // The parameter areas' templates take the areas on page Parametros.
        form2::PageParametros* p = m_w->f().Form2->Parametros;
        for (auto [field, value] : {std::pair{p->MsgPx, "11"},
                                    {p->MsgPy, "12"},
                                    {p->MsgWd, "13"},
                                    {p->MsgHt, "14"},
                                    {p->TelPx, "21"},
                                    {p->TelPy, "22"},
                                    {p->TelWd, "23"},
                                    {p->TelHt, "24"}})
            field->setText(QString::fromLatin1(value));
        click(editor->Script->Modelos->Label204);
        click(editor->Script->Modelos->Label215);
        const QStringList lines = memoLines();
        QVERIFY(lines.contains(ui(vorn::parameterAreaTemplate("mensag=", "11", "12", "13", "14"))));
        QVERIFY(lines.contains(ui(vorn::parameterAreaTemplate("tela=", "21", "22", "23", "24"))));
    }

    void badNumbersLeaveTheEditorAsItWas() {
        TForm4* editor = openAt("inicio", 7);
        const int reports = ErrorReport::instance().count();
        m_w->f().Form2->Parametros->TelWd->setText(S("seiscentos"));
        click(editor->Script->Image1);
        QCOMPARE(ErrorReport::instance().count(), reports + 1);
        QVERIFY(ErrorReport::instance().lastMessage().contains(S("\"seiscentos\"")));
        QCOMPARE(editor->Pan1->PageIndex(), int(TForm4::kScript));
        QCOMPARE(editor->Default->mode(), vorn::DesignerMode::Closed);
    }

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
        QVERIFY(p->Stw->text().startsWith(S("Exportação: ")));
        QVERIFY(!p->m_gauge->isVisible());
        for (const auto& e : std::filesystem::directory_iterator(s.DirAdv))
            if (e.path().filename().string().rfind("exportacao-", 0) == 0)
                chosen = e.path().string() + "/";

        // Unticked, changed variables are not the restore's business.
        vorn::storeVariables(
            m_w->requests(), s, {"vidas=9"},
            vorn::loadVariables(m_w->requests(), s, vorn::VariableSet::Current).lines);
        click(p->m_restore);
        QCOMPARE(p->Stw->text(), S("Nada a restaurar: o servidor já é igual à exportação."));
        QVERIFY(asked.empty());

        vorn::writeFileAtomic(chosen + "scripts/trazido.scp", "  msg= trazido\r\n");
        p->m_restoreData->setChecked(true);
        click(p->m_restore);
        QVERIFY(asked.find("trazido") != std::string::npos);
        QCOMPARE(p->Stw->text(), S("Restauração cancelada: nada foi gravado."));
        agree = true;
        click(p->m_restore);
        const QString told = p->Stw->text();
        QVERIFY2(told.startsWith(S("Restauração: 1 script")) && told.contains(S("e as variáveis")),
                 qPrintable(told));
        QVERIFY(items(f.Form2->Scripts->Lbx2).contains(S("trazido")));
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
            S("scripts/falho.scp:2: error: o script \"sumido\" não existe na aventura"),
            Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QVERIFY(page->m_status->text().contains(S(" erros, ")));
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
        page->m_find->setText(S("Dizem"));
        page->m_replace->setText(S("Contam"));
        click(page->m_replaceAll);
        QVERIFY(preview.find("inicio:") != std::string::npos);
        QCOMPARE(page->m_status->text(), S("Substituição feita em 1 script."));
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
        p->Lbx2->setCurrentItem(p->Lbx2->findItems(S("portao"), Qt::MatchExactly).front());
        p->Edit3->setText(S("entrada"));
        click(p->Image9);
        QCOMPARE(asked, 1);
        QVERIFY(question.find("$entrada") != std::string::npos &&
                question.find(" e no mapa?") != std::string::npos);
        QCOMPARE(vorn::readFile(s.DirAdv + "mapa.txt"), std::string("10,entrada,,patio,,\r\n"));
        QVERIFY(p->Stc->text().startsWith(S("Referências atualizadas em ")));
    }

    void endingAsksAboutUnsavedText_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ends");
        QTest::newRow("save") << int(TForm4::CloseAnswer::Save) << true;
        QTest::newRow("discard") << int(TForm4::CloseAnswer::Discard) << true;
        QTest::newRow("cancel") << int(TForm4::CloseAnswer::Cancel) << false;
    }
    void endingAsksAboutUnsavedText() {
        QFETCH(int, answer);
        QFETCH(bool, ends);
        const bool stored = answer == int(TForm4::CloseAnswer::Save);
        TForm4* editor = open("tesouro");
        const int before = copies("tesouro");
        const vorn::Lines held = server("tesouro");
        typeLine(editor, S("  msg= fim de tarde"));
        QString asked;
        editor->askClose = [&](const QString& question) {
            asked = question;
            return TForm4::CloseAnswer(answer);
        };
        click(m_w->f().Form1->Fim);
        QTRY_COMPARE(m_w->quits, ends ? 1 : 0);
        QVERIFY(asked.contains(S("\"tesouro\"")));
        // The recovery copy is kept whatever the answer.
        QVERIFY(copies("tesouro") > before);
        QCOMPARE(server("tesouro") != held, stored);
        QCOMPARE(editor->hasUnsavedChanges(), !stored);
        QVERIFY(m_w->editorText().endsWith(S("fim de tarde")));
        if (!ends) { // without unsaved text nothing is asked
            editor->askClose = nullptr;
            editor->replaceScriptText("tesouro", server("tesouro"));
            click(m_w->f().Form1->Fim);
            QTRY_COMPARE(m_w->quits, 1);
        }
    }

    void replacedTextNamesItsCopy() {
        const std::string folder = m_w->session().DirAdv;
        TForm4* editor = open("menu");
        const QStringList before = RoadWindows::copiesOf(folder, S("menu"));
        typeLine(editor, S("  msg= minha linha nova"));
        open("patio");
        QStringList added = RoadWindows::copiesOf(folder, S("menu"));
        for (const QString& old : before)
            added.removeAll(old);
        QCOMPARE(added.size(), 1);
        QVERIFY(editor->Script->status()->text().endsWith(added.front()));
        QVERIFY(ui(vorn::readFile(folder + added.front().toStdString()))
                    .contains(S("minha linha nova")));
        // Text without changes is replaced without a copy.
        open("menu");
        QCOMPARE(copies("menu"), before.size() + 1);
    }

    void backupComparesAndRestoreMarksUnsaved() {
        const vorn::Session& s = m_w->session();
        TForm4* editor = open("torre");
        const vorn::Lines stored = server("torre");
        vorn::Lines changed = stored;
        changed[1] = "  msg= outra";
        const auto copy = [&](const vorn::Lines& lines) {
            return QString::fromStdString(vorn::keepLocalCopy(s.DirAdv, "torre", lines))
                .section(QLatin1Char('/'), -1);
        };
        const QString changedCopy = copy(changed), sameCopy = copy(stored);
        click(m_w->f().Form2->Scripts->Image8);
        form4::PageBackup* b = editor->Backup;
        for (const auto& [file, summary, unsaved] :
             {std::tuple{sameCopy, S("Igual ao texto do editor."), false},
              std::tuple{changedCopy, S("Diferenças para o texto do editor: 2 linhas"), true}}) {
            b->File1->setCurrentItem(b->File1->findItems(file, Qt::MatchExactly).value(0));
            editor->File1Click();
            QVERIFY2(b->lbChanges->text().startsWith(summary), qPrintable(b->lbChanges->text()));
            QCOMPARE(b->changes->toPlainText().contains(S("+   msg= outra")), unsaved);
            editor->Image2Click();
            QCOMPARE(editor->hasUnsavedChanges(), unsaved);
            QCOMPARE(editor->scriptText(), unsaved ? changed : stored);
        }
    }

    void saveMeetsACoEditorsChange_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("store mine") << int(form4::ClashAnswer::StoreMine);
        QTest::newRow("take theirs") << int(form4::ClashAnswer::TakeTheirs);
        QTest::newRow("cancel") << int(form4::ClashAnswer::Cancel);
    }
    void saveMeetsACoEditorsChange() {
        QFETCH(int, answer);
        TForm4* editor = open("torre");
        std::optional<form4::ServerClash> asked;
        editor->askClash = [&](const form4::ServerClash& clash) {
            asked = clash;
            return form4::ClashAnswer(answer);
        };
        // A first save of the unchanged text is no one else's change.
        QVERIFY(editor->storeText());
        QVERIFY(!asked);

        vorn::Lines theirs = server("torre");
        theirs.push_back("  msg= do outro autor");
        vorn::putScript(m_w->requests(), m_w->session(), "torre", theirs);
        typeLine(editor, S("  msg= minha"));
        const vorn::Lines mine = editor->scriptText();
        const int before = copies("torre");
        const bool stored = editor->storeText();
        QVERIFY(asked);
        QCOMPARE(asked->mine, mine);
        QCOMPARE(asked->theirs, theirs);
        const auto chosen = form4::ClashAnswer(answer);
        QCOMPARE(stored, chosen != form4::ClashAnswer::Cancel);
        QCOMPARE(server("torre"), chosen == form4::ClashAnswer::StoreMine ? mine : theirs);
        QCOMPARE(editor->scriptText(), chosen == form4::ClashAnswer::TakeTheirs ? theirs : mine);
        QCOMPARE(editor->hasUnsavedChanges(), chosen == form4::ClashAnswer::Cancel);
        if (chosen != form4::ClashAnswer::TakeTheirs) return;
        QCOMPARE(copies("torre"), before + 1);
        const QString path = editor->Script->status()->text().section(QLatin1Char(' '), -1);
        QCOMPARE(vorn::splitLines(vorn::readFile(path.toStdString())), mine);
        // Theirs is now what the editor opened: the next save asks nothing.
        asked.reset();
        QVERIFY(editor->storeText());
        QVERIFY(!asked);
    }

    void renamingTheOpenScriptIsNoCoEditorsChange() {
        form2::PageScripts* catalogue = m_w->f().Form2->Scripts;
        TForm4* editor = open("biblioteca");
        typeLine(editor, S("  msg= minha ideia"));
        catalogue->ask = [](const std::string&, const char*, const char*) { return true; };
        catalogue->Edit3->setText(S("livros"));
        click(catalogue->Image9);
        // The script's own "retscp=" followed the rename on the server; the
        // editor shows it under its new name, the typed line kept.
        vorn::Lines expected = server("livros");
        QCOMPARE(editor->loadedScript(), std::string("livros"));
        expected.push_back("  msg= minha ideia");
        QCOMPARE(editor->scriptText(), expected);
        QVERIFY(editor->hasUnsavedChanges());
        bool asked = false;
        editor->askClash = [&](const form4::ServerClash&) {
            asked = true;
            return form4::ClashAnswer::Cancel;
        };
        QVERIFY(editor->storeText());
        QVERIFY(!asked);
    }

    void clashDialogLinesUpBothTexts() {
        form4::ConflictDialog dialog({"torre", {"a", "b", "c", "d"}, {"a", "B", "c", "d", "e"}});
        // Equal lines stay level: a changed line faces its new version and
        // the added one faces a filler.
        QCOMPARE(dialog.mine->toPlainText(), S("a\nb\nc\nd\n"));
        QCOMPARE(dialog.theirs->toPlainText(), S("a\nB\nc\nd\ne"));
        QCOMPARE(dialog.summary->text(), S("3 linhas diferentes."));
        QCOMPARE(dialog.answer(), form4::ClashAnswer::Cancel);
        click(dialog.findChild<QWidget*>(S("clashTakeTheirs")));
        QCOMPARE(dialog.answer(), form4::ClashAnswer::TakeTheirs);
    }

    void clickingAScriptOpensIt() {
        const Forms& f = m_w->f();
        f.Form4->hide();
        QVERIFY(clickItem(m_p->Lbx2, S("masmorra")));
        QCOMPARE(m_w->session().SesScp, std::string("masmorra"));
        QVERIFY(m_w->editorText().startsWith(S("//=== Script: masmorra")));
        QVERIFY(f.Form4->isVisible() && !f.Form4->hasUnsavedChanges());
        QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kScript));
        QVERIFY(f.Form3->Web->address().endsWith(S("&Pfx=vorn&Scp=masmorra")));
        // With the preview switch off the preview stays where it was.
        f.Form4->Script->Cbx->setChecked(false);
        QVERIFY(clickItem(m_p->Lbx2, S("torre")));
        QVERIFY(f.Form3->Web->address().endsWith(S("&Scp=masmorra")));
    }

    void creatingAScript_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("status"); // empty: created
        QTest::newRow("no name") << QString() << S("Defina um nome!!!");
        QTest::newRow("listed") << S("torre") << S("Já existe este script!!!");
        QTest::newRow("other case") << S("Torre") << QString();
    }
    void creatingAScript() {
        QFETCH(QString, name);
        QFETCH(QString, status);
        const vorn::Session& s = m_w->session();
        const QString before = m_w->editorText();
        m_p->Edit3->setText(name);
        click(m_p->Image4);
        if (!status.isEmpty()) {
            QCOMPARE(m_p->Stc->text(), status);
            QCOMPARE(m_w->editorText(), before);
            QCOMPARE(s.SesScp, std::string("inicio"));
            return;
        }
        QVERIFY(m_w->editorText().startsWith(S("//=== Script: ") + name + S(" ===")));
        QCOMPARE(s.SesScp, bytes(name));
        QVERIFY(items(m_p->Lbx2).contains(name));
        QCOMPARE(RoadWindows::copiesOf(s.DirAdv, name).size(), 1);
        QVERIFY(exists(bytes(name)));
        // The service refuses a second creation of the same name.
        m_p->Lbx2->clear();
        click(m_p->Image4);
        QVERIFY(m_p->Stc->text() != S("Ok") && !m_p->Stc->text().isEmpty());
        QCOMPARE(m_w->f().Form4->Backup->Memo5->toPlainText(), m_p->Stc->text());
        QVERIFY(!items(m_p->Lbx2).contains(name));
    }

    void savingAfterARefusedCreationKeepsTheOpenScript() {
        const vorn::Session& s = m_w->session();
        const vorn::Lines inicio = vorn::fetchScript(m_w->requests(), s, "inicio");
        // The service knows "torre" although the list no longer shows it.
        m_p->Lbx2->clear();
        m_p->Edit3->setText(S("torre"));
        click(m_p->Image4);
        QCOMPARE(s.SesScp, std::string("inicio"));
        // The editor holds the new script's first lines: saving must not put
        // them in the place of "inicio".
        click(m_w->f().Form4->Script->btGrs);
        QCOMPARE(vorn::fetchScript(m_w->requests(), s, "inicio"), inicio);
    }

    void aNameThatLeavesTheFolderIsRefused() {
        ErrorReport& report = ErrorReport::instance();
        const QString before = m_w->editorText();
        QVERIFY(clickItem(m_p->Lbx2, S("torre")));
        const QString torre = m_w->editorText();
        for (PictureButton* button : {m_p->Image4, m_p->Image9}) {
            const int reports = report.count();
            m_p->Edit3->setText(S("../fora"));
            click(button);
            QCOMPARE(report.count(), reports + 1);
            QVERIFY(!items(m_p->Lbx2).contains(S("../fora")));
            QCOMPARE(m_w->editorText(), torre);
            QCOMPARE(m_w->light(), kIdleLight);
        }
        QVERIFY(before != torre && exists("torre"));
    }

    void renamingAScript_data() {
        QTest::addColumn<QString>("selected"); // empty: none
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("status"); // empty: renamed
        QTest::newRow("nothing selected") << QString() << S("x") << S("Selecione um script!!!");
        QTest::newRow("no new name") << S("salao") << QString() << S("Defina um novo nome!!!");
        QTest::newRow("name listed") << S("salao") << S("torre") << S("Já existe este script!!!");
        QTest::newRow("renamed") << S("salao") << S("salão nobre") << S("Ok");
    }
    void renamingAScript() {
        QFETCH(QString, selected);
        QFETCH(QString, name);
        QFETCH(QString, status);
        m_p->Lbx2->clearSelection();
        m_p->Lbx2->setCurrentItem(nullptr);
        if (!selected.isEmpty()) QVERIFY(clickItem(m_p->Lbx2, selected));
        const QStringList before = items(m_p->Lbx2);
        m_p->Edit3->setText(name);
        m_p->ask = [](const std::string&, const char*, const char*) { return false; };
        click(m_p->Image9);
        QCOMPARE(m_p->Stc->text(), status);
        if (status != S("Ok")) {
            QCOMPARE(items(m_p->Lbx2), before);
            return;
        }
        QCOMPARE(m_w->f().Form4->Backup->Memo5->toPlainText(), S("Ok"));
        const QStringList after = items(m_p->Lbx2);
        QVERIFY(after.contains(name) && !after.contains(selected));
        // The script shown was the one renamed: saving it now stores it under
        // the new name and does not bring the old one back.
        QCOMPARE(m_w->session().SesScp, bytes(name));
        QCOMPARE(m_w->f().Form4->loadedScript(), bytes(name));
        m_w->f().Form4->btGrsClick();
        QVERIFY(!exists("salao"));
    }

    void deletingAScript() {
        const Forms& f = m_w->f();
        vorn::Session& s = m_w->session();
        QStringList asked;
        bool answer = false;
        m_p->ask = [&](const std::string& question, const char*, const char*) {
            asked << ui(question);
            return answer;
        };
        m_p->Lbx2->clearSelection();
        const QString text = m_w->editorText();
        click(m_p->Image6);
        QVERIFY(asked.isEmpty());
        QCOMPARE(m_w->editorText(), text);

        // Asked once, and "Cancelar" leaves everything as it was.
        QVERIFY(clickItem(m_p->Lbx2, S("cozinha")));
        const vorn::Lines held = vorn::fetchScript(m_w->requests(), s, "cozinha");
        const int before = copies("cozinha");
        f.Form4->Script->Memo3->appendPlainText(S("  msg= ainda nao gravado"));
        f.Form4->Script->setUnsaved(true);
        const QString edited = m_w->editorText();
        click(m_p->Image6);
        QCOMPARE(asked, QStringList{S("Deletar o script \"cozinha\" do servidor?")});
        QCOMPARE(m_w->editorText(), edited);
        QVERIFY(exists("cozinha"));

        // Deleted: the server's text and the unsaved text each keep a copy,
        // the status names the server's, and nothing aims at the name again.
        answer = true;
        click(m_p->Image6);
        const QString status = m_p->Stc->text();
        QVERIFY2(status.startsWith(S("Script \"cozinha\" deletado; o texto ficou guardado em ")),
                 qPrintable(status));
        QCOMPARE(
            vorn::splitLines(vorn::readFile(status.section(QLatin1Char(' '), -1).toStdString())),
            held);
        QCOMPARE(copies("cozinha"), before + 2);
        QCOMPARE(m_w->editorText(), QString());
        QVERIFY(!items(m_p->Lbx2).contains(S("cozinha")) && !exists("cozinha"));
        QVERIFY(s.SesScp.empty());
        f.Form4->Script->Cbx->setChecked(true);
        const QString shownPage = f.Form3->Web->address();
        click(f.Form2->Graficos->Image12); // an upload of nothing
        QCOMPARE(f.Form3->Web->address(), shownPage);
        f.Form4->btGrsClick();
        QVERIFY(!exists("cozinha"));

        // A script the server no longer has: its refusal, nothing lost.
        m_p->Lbx2->setCurrentItem(new QListWidgetItem(S("fantasma"), m_p->Lbx2));
        f.Form4->replaceScriptText("torre", {"  fim"});
        click(m_p->Image6);
        QVERIFY(m_p->Stc->text() != S("Ok") && !m_p->Stc->text().isEmpty());
        QVERIFY(items(m_p->Lbx2).contains(S("fantasma")));
        QCOMPARE(m_w->editorText(), S("  fim"));
    }

    void qrCodesShowTheirAddresses() {
        const Forms& f = m_w->f();
        const QString root = QString::fromStdString(m_svc->root());
        click(m_p->Image2);
        QVERIFY(f.Form5->isVisible());
        QCOMPARE(f.Form5->address(), root + S("html/quorbel/inicio.php?Pfx=vorn"));
        const QImage drawn = f.Form5->Qr->pixmap().toImage();
        QCOMPARE(drawn.size(), QSize(160, 160));

        // While it shows, a click in the list shows the script's code.
        QVERIFY(clickItem(m_p->Lbx2, S("torre")));
        const QString hex = QString::fromLatin1(
            QByteArray::fromStdString("vorn|" + m_w->session().SesIdx + "|torre|")
                .toHex()
                .toUpper());
        QCOMPARE(f.Form5->address(), root + S("html/quorbel/exescp.php?Chx=") + hex);
        QVERIFY(f.Form5->Qr->pixmap().toImage() != drawn);
        click(m_p->Image2);
        QVERIFY(!f.Form5->isVisible());
        // Hidden, a click changes nothing there.
        QVERIFY(clickItem(m_p->Lbx2, S("menu")));
        QVERIFY(f.Form5->address().endsWith(hex));
    }

    void browserCopiesAndStatusOpenTheirPlaces() {
        const Forms& f = m_w->f();
        click(m_p->Image7);
        QCOMPARE(m_p->Stc->text(), S("Aguarde o navegador abrir..."));
        QCOMPARE(m_w->opened,
                 QStringList{ui(vorn::browserAddress(m_w->session())) + QLatin1Char('|')});

        f.Form4->Backup->Memo5->setPlainText(S("velho"));
        click(m_p->Image8);
        QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kBackup));
        QCOMPARE(f.Form4->Backup->folder(), QString::fromStdString(m_w->home() + "vorn"));
        QCOMPARE(f.Form4->Backup->Memo5->toPlainText(), QString());
        QCOMPARE(f.Form4->width(), int(TForm4::kNarrowWidth));

        // The status labels lead to the server's last message.
        for (ClickLabel* status : {m_p->Stc, f.Form2->Parametros->Stu, f.Form2->Exclusivo->Stw}) {
            f.Form4->Pan1->setPageIndex(TForm4::kScript);
            f.Form4->hide();
            click(status);
            QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kBackup));
            QVERIFY(f.Form4->isVisible());
        }
        click(m_p->Image3);
        QCOMPARE(f.Form4->Pan1->PageIndex(), int(TForm4::kScript));

        m_w->session().SesScp.clear();
        m_w->opened.clear();
        click(m_p->Image7);
        QVERIFY(m_w->opened.isEmpty());
    }

    void localListsShowOnlyTheirKinds() {
        for (const char* name :
             {"a.png", "b.jpg", "c.gif", "D.PNG", "e.mp3", "f.ogg", "g.wav", "h.scp"})
            put(name);
        const Forms& f = m_w->f();
        click(f.Form1->btImg);
        const QStringList pictures = items(f.Form2->Graficos->File1);
        for (const char* name : {"a.png", "b.jpg", "c.gif", "D.PNG"})
            QVERIFY2(pictures.contains(QLatin1String(name)), name);
        for (const char* name : {"e.mp3", "g.wav", "h.scp"})
            QVERIFY2(!pictures.contains(QLatin1String(name)), name);
        click(f.Form1->btSnd);
        QCOMPARE(items(f.Form2->ArqSom->File2), (QStringList{S("e.mp3"), S("f.ogg")}));
    }

    void previewKeepsToItsColumn_data() {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("wide") << QSize(442, 300) << QSize(221, 150);
        QTest::newRow("narrow") << QSize(200, 300) << QSize(200, 300);
        QTest::newRow("rounds down") << QSize(300, 100) << QSize(221, 73);
    }
    void previewKeepsToItsColumn() {
        QFETCH(QSize, picture);
        QFETCH(QSize, shown);
        QImage image(picture, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QVERIFY(image.save(QString::fromStdString(m_w->session().DirAdv + "vista.png")));
        const Forms& f = m_w->f();
        click(f.Form1->btImg);
        QVERIFY(clickItem(f.Form2->Graficos->File1, S("vista.png")));
        QCOMPARE(f.Form2->Graficos->Img1->size(), shown);
        QCOMPARE(f.Form2->Graficos->Img1->pixmap().size(), shown);
    }

    void severalPicturesGoUpAndAStopHalfWayIsTold() {
        put("ponte.png");
        put("rio.png");
        const Forms& f = m_w->f();
        form2::PageGraficos* p = f.Form2->Graficos;
        click(f.Form1->btImg);
        selectOnly(p->File1, {S("ponte.png"), S("rio.png")});
        QSignalSpy steps(p->G1, &QProgressBar::valueChanged);
        click(p->Image12);
        QVERIFY(!p->G1->isVisible());
        QCOMPARE(p->G1->maximum(), 2);
        QCOMPARE(steps.size(), 2);
        QCOMPARE(steps.at(0).at(0).toInt(), 1);
        QVERIFY(p->Stg->text().startsWith(S("Upload de rio.png")));
        QVERIFY(items(p->Lbx3).contains(S("ponte.png")));

        // A file gone from the folder after it was listed stops the run.
        put("sumiu.png");
        put("torre2.png");
        p->refreshLocalFiles();
        selectOnly(p->File1, {S("ponte.png"), S("sumiu.png"), S("torre2.png")});
        std::remove((m_w->session().DirAdv + "sumiu.png").c_str());
        click(p->Image12);
        const QString told = p->Stg->text();
        QVERIFY2(told.contains(S("Enviado(s): ponte.png.")) &&
                     told.contains(S("Não enviado(s): sumiu.png, torre2.png.")),
                 qPrintable(told));
        QVERIFY(!items(p->Lbx3).contains(S("torre2.png")));
    }

    void aDeletionIsReadBackFromTheServer() {
        // Kept without the adventure's prefix: listed, but not deleted so.
        vorn::writeFileAtomic(m_svc->dataDir() + "html/quorbel/vorn/solto.png", "x");
        const Forms& f = m_w->f();
        form2::PageGraficos* g = f.Form2->Graficos;
        click(f.Form1->btImg);
        QVERIFY(clickItem(g->Lbx3, S("solto.png")));
        click(g->Image13);
        QVERIFY(g->St1->text() != S("Status..."));
        QVERIFY(items(g->Lbx3).contains(S("solto.png")));
        QVERIFY(clickItem(g->Lbx3, S("portao.png")));
        click(g->Image13);
        QVERIFY(!items(g->Lbx3).contains(S("portao.png")));
    }

    void soundsGoUpAndAreDeletedFromPageArqSom() {
        put("trovao.mp3");
        put("chuva.ogg");
        const Forms& f = m_w->f();
        form2::PageArqSom* p = f.Form2->ArqSom;
        click(f.Form1->btSnd);
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kArqSom));
        selectOnly(p->File2, {S("chuva.ogg"), S("trovao.mp3")});
        click(p->Image20);
        QVERIFY(!p->G2->isVisible());
        QCOMPARE(p->G2->value(), 2);
        QCOMPARE(items(p->Lbx8), (QStringList{S("chuva.ogg"), S("sino.mp3"), S("trovao.mp3")}));

        QVERIFY(clickItem(p->Lbx8, S("trovao.mp3")));
        click(p->Image18);
        QVERIFY(p->St2->text() != S("Status..."));
        const QStringList afterDeletion{S("chuva.ogg"), S("sino.mp3")};
        QCOMPARE(items(p->Lbx8), afterDeletion);
        // Nothing selected: nothing is asked, nothing changes.
        p->Lbx8->clearSelection();
        p->Lbx8->setCurrentItem(nullptr);
        p->St2->clear();
        click(p->Image18);
        QCOMPARE(p->St2->text(), QString());
        QCOMPARE(items(p->Lbx8), afterDeletion);
    }

    void soundsPlayOnTheDeck() {
        const Forms& f = m_w->f();
        auto* deck = new RecordingDeck;
        f.Form2->setDeck(deck);
        const QString dir = QString::fromStdString(m_w->session().DirAdv);
        click(f.Form1->btSnd);
        click(f.Form2->ArqSom->m_library);
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kSons));
        click(f.Form2->Sons->Label83);
        QVERIFY(clickItem(f.Form2->Sons->Lbx7, S("vento")));
        QCOMPARE(deck->played, QStringList{dir + S("vento.mp3")});
        QCOMPARE(f.Form2->Sons->status()->text(), S("Tocando vento.mp3..."));

        put("som.ogg", "OggS");
        click(f.Form1->btSnd);
        deck->refusal = S("arquivo estragado");
        QVERIFY(clickItem(f.Form2->ArqSom->File2, S("som.ogg")));
        QCOMPARE(deck->played.last(), dir + S("som.ogg"));
        QCOMPARE(f.Form2->ArqSom->Label90->text(), S("arquivo estragado"));

        f.Form2->TocaWave("$nao_existe", f.Form2->Sons->status());
        QCOMPARE(f.Form2->Sons->status()->text(), S("Som não encontrado: nao_existe.mp3"));
        QCOMPARE(deck->played.size(), 2);
    }

    void theMediaDeckReportsAFileItCannotPlay() {
        put("ruido.mp3", std::string(4000, 'x'));
        form2::MediaDeck deck;
        QSignalSpy failed(&deck, &form2::SoundDeck::failed);
        deck.play(QString::fromStdString(m_w->session().DirAdv + "ruido.mp3"));
        QTRY_VERIFY_WITH_TIMEOUT(failed.count() > 0, 10000);
        QVERIFY(
            failed.first().first().toString().startsWith(S("Não foi possível tocar ruido.mp3")));
    }

    void objectStatesAreStoredAndNewObjectsListed() {
        const Forms& f = m_w->f();
        form2::PageObjetos* p = f.Form2->Objetos;
        click(f.Form1->btObj);
        click(p->btObj1);
        QCOMPARE(p->lbObj1->text(), S("Selecione objeto!"));
        QVERIFY(clickItem(p->Lbx4, S("lampiao velho")));
        p->DscObj1->setText(S("porta velha"));
        p->LocObj2->setText(S("jogador"));
        click(p->btObj1);
        click(p->btObj2);
        QVERIFY(!p->lbObj1->text().isEmpty() && !p->lbObj2->text().isEmpty());

        p->Edit21->setText(S("chave"));
        click(p->Image26);
        QCOMPARE(p->Lb77->text(), S("Já existe este script!!!"));
        p->Edit21->setText(S("porta nova"));
        click(p->Image26);
        QVERIFY(items(p->Lbx4).contains(S("porta nova")));
    }

    void editorsAreChosenAndSentOnlyAfterALoad() {
        const Forms& f = m_w->f();
        form2::PageAutorizacao* p = f.Form2->Autorizacao;
        click(f.Form2->Parametros->Image23);
        QCOMPARE(f.Form2->Abook->PageIndex(), int(TForm2::kAutorizacao));
        QCOMPARE(p->Stb->text(), S("Clique para selecionar..."));
        QCOMPARE(items(p->Lbx11), QStringList{S("ana")});
        QVERIFY(clickItem(p->Lbx10, S("bia")));
        QVERIFY(clickItem(p->Lbx10, S("bia")));
        QCOMPARE(items(p->Lbx11), (QStringList{S("ana"), S("bia")}));
        QVERIFY(clickItem(p->Lbx11, S("ana")));
        click(p->Image24);
        QCOMPARE(f.Form2->Extras->Memo1->toPlainText(), S("bia"));
        QVERIFY(p->Stb->text() != S("Clique para selecionar..."));

        // A list that did not load is never sent: it would revoke everyone.
        vorn::Session& s = m_w->session();
        s.SesSenha = "errada";
        click(f.Form2->Parametros->Image23);
        s.SesSenha = "demo";
        QCOMPARE(p->Lbx10->count() + p->Lbx11->count(), 0);
        click(p->Image24);
        QCOMPARE(p->Stb->text(), ui(vorn::kEditorsNotLoaded));
    }

    void aCellIsNamedAndDeleted() {
        openMap();
        form6::PagePosicoes* p = m_map->Posicoes;
        m_map->TileClick(15);
        m_map->PlaceTile(57);
        m_w->f().Form1->MapaMouseDown(17 * 110 + 3, 2 * 80 + 3);
        QCOMPARE(m_map->Abook->PageIndex(), int(TForm6::kPosicoes));
        QCOMPARE(p->lbCoords->text(), S("2 X 17"));
        QVERIFY(!p->Img->pixmap().isNull());
        // A comma cannot be typed into a name.
        p->NoPos->clear();
        QTest::keyClicks(p->NoPos, S("sa,la"));
        QCOMPARE(p->NoPos->text(), S("sala"));
        p->Leste->setText(S("cozinha"));
        click(p->Image2);
        QCOMPARE(cell(57), std::string("15,sala,,cozinha,,,"));
        // The shown map takes the drawn cell (the empty map is transparent).
        QCOMPARE(qAlpha(m_w->f().Form1->Mapa->pixmap().toImage().pixel(17 * 110 + 55, 2 * 80 + 40)),
                 255);

        // A name the service could not take is refused, and nothing changes.
        p->NoPos->setText(S("sala\u20AC\u4E2D"));
        click(p->Image2);
        QVERIFY(!p->status()->text().isEmpty());
        QCOMPARE(cell(57), std::string("15,sala,,cozinha,,,"));
        click(p->Image3);
        QCOMPARE(cell(57), std::string());
        QVERIFY(p->NoPos->text().isEmpty());
        // An empty cell takes no name before a tile.
        p->NoPos->setText(S("sala"));
        click(p->Image2);
        QCOMPARE(cell(57), std::string());
    }

    void compilingStoresThePositionScripts() {
        openMap();
        form6::PagePosicoes* p = m_map->Posicoes;
        for (const auto& [index, name, east] :
             {std::tuple{0, "mp_sala", "mp_hall"}, {1, "mp_hall", ""}}) {
            m_map->TileClick(12);
            m_map->PlaceTile(index);
            m_map->ShowCell(index);
            p->NoPos->setText(QString::fromLatin1(name));
            p->Leste->setText(QString::fromLatin1(east));
            click(p->Image2);
        }
        form6::PageCompilacao* c = m_map->Compilacao;
        click(p->Image5);
        QCOMPARE(m_map->Abook->PageIndex(), int(TForm6::kCompilacao));
        click(c->Image4);
        QCOMPARE(c->Stk->text(), S("Completa!"));
        QCOMPARE(c->m_summary->text(), S("2 scripts gravados; 0 já existiam"));
        QCOMPARE(c->g1->value(), 0);
        QVERIFY(items(m_w->f().Form2->Scripts->Lbx2).contains(S("mp_hall")));
        c->Cb3->setChecked(true);
        click(c->Image4);
        QCOMPARE(c->m_summary->text(), S("0 scripts gravados; 2 já existiam"));
    }

private:
    form2::PageScripts* m_p = nullptr;
    TForm6* m_map = nullptr;
};

VORN_WINDOW_TEST_MAIN(RoadCastleTest)
#include "road_castle_test.moc"
