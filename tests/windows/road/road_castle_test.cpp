// The author's road through the windows with "Castelo de Vorn" open on a
// real service: the screen designer, export and audit, the editor's text
// kept safe and page Scripts (the media pages and the map maker are
// road_media_test's). The tests
// share one service and run in this order: the designer needs the demo's
// pictures and links as they come, the export an adventure the other tests
// have not yet changed.
#include "castle_road_fixture.h"
#include "window_test_main.h"

using namespace vorn::win;
using namespace vorn::test;

class RoadCastleTest : public CastleRoadTest {
    Q_OBJECT
private slots:
    void designerDrawsDragsAndPutsTheLineBack() {
        TForm4* editor = openAt("inicio", 7);
        click(editor->Script->Image1);
        form4::PageDefault* d = editor->Default;
        QCOMPARE(editor->Pan1->PageIndex(), int(TForm4::kDefault));
        // The adventure window with the gate picture in its screen area.
        const QImage tela = d->Tela->pixmap().toImage();
        const QImage gate(QString::fromStdString(m_w->session().DirAdv + "portao.png"));
        QCOMPARE(tela.pixel(QPoint(300, 200) + QPoint(100, 20)), gate.pixel(300, 200));
        QCOMPARE(tela.pixelColor(50, 500), QColor(0x1A, 0x1A, 0x2E));
        QCOMPARE(d->Shp1->geometry(), QRect(460, 330, 220, 30));
        drag(d->Shp1, {10, 10}, {25, 15});
        drag(d->Shp2, {4, 4}, {24, 14});
        QCOMPARE(d->Shp1->geometry(), QRect(475, 335, 240, 40));
        QCOMPARE(d->Shp2->geometry(), QRect(707, 367, 8, 8));
        QCOMPARE(lineOf(memo(), 7), kLink); // nothing written before the return

        // Either shape takes a right click to the next pen colour, and the
        // round wraps; a left click changes none.
        QList<QColor> round{d->Shp1->penColour()};
        for (int i = 0; i < 7; ++i) {
            QTest::mouseClick(i % 2 ? static_cast<QWidget*>(d->Shp2) : d->Shp1, Qt::RightButton, {},
                              {3, 3});
            QVERIFY(!round.contains(d->Shp1->penColour()) || i == 6);
            round << d->Shp1->penColour();
        }
        QCOMPARE(round.last(), round.first());
        QTest::mouseClick(d->Shp1, Qt::LeftButton, {}, {3, 3});
        QCOMPARE(d->Shp1->penColour(), round.first());

        click(f().Form2->Scripts->Image3);
        QCOMPARE(editor->Pan1->PageIndex(), int(TForm4::kScript));
        QCOMPARE(lineOf(memo(), 7), S("  cmd= lnk,475,335,240,40,4,Entrar no castelo,$portao"));
        QCOMPARE(editor->Script->lbGrs->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        // Opening the designer again goes on from where the round was.
        click(editor->Script->Image1);
        QTest::mouseClick(d->Shp1, Qt::RightButton, {}, {3, 3});
        QCOMPARE(d->Shp1->penColour(), round.at(1));

        // Back from the designer on another script: the line goes to the
        // clipboard and that script's text stays as it is.
        drag(d->Shp1, {10, 10}, {11, 10});
        QVERIFY(clickItem(f().Form2->Scripts->Lbx2, S("portao")));
        const QStringList portao = memoLines();
        click(f().Form2->Scripts->Image3);
        QCOMPARE(memoLines(), portao);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 S("  cmd= lnk,476,335,240,40,4,Entrar no castelo,$portao"));
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
        form2::PageParametros* p = f().Form2->Parametros;
        const QList<QLineEdit*> fields{p->MsgPx, p->MsgPy, p->MsgWd, p->MsgHt,
                                       p->TelPx, p->TelPy, p->TelWd, p->TelHt};
        for (int i = 0; i < fields.size(); ++i) // 11..14, 21..24
            fields[i]->setText(QString::number(11 + i / 4 * 10 + i % 4));
        click(editor->Script->Modelos->Label204);
        click(editor->Script->Modelos->Label215);
        const QStringList lines = memoLines();
        QVERIFY(lines.contains(ui(vorn::parameterAreaTemplate("mensag=", "11", "12", "13", "14"))));
        QVERIFY(lines.contains(ui(vorn::parameterAreaTemplate("tela=", "21", "22", "23", "24"))));
    }

    void badNumbersLeaveTheEditorAsItWas() {
        TForm4* editor = openAt("inicio", 7);
        const int reports = ErrorReport::instance().count();
        f().Form2->Parametros->TelWd->setText(S("seiscentos"));
        click(editor->Script->Image1);
        QCOMPARE(ErrorReport::instance().count(), reports + 1);
        QVERIFY(ErrorReport::instance().lastMessage().contains(S("\"seiscentos\"")));
        QCOMPARE(editor->Pan1->PageIndex(), int(TForm4::kScript));
        QCOMPARE(editor->Default->mode(), vorn::DesignerMode::Closed);
    }

    void exportThenRestoreAskFirst() {
        form2::PageExclusivo* p = f().Form2->Exclusivo;
        const std::string adventure = m_w->session().DirAdv;
        std::string chosen = adventure;
        QStringList asked;
        bool agree = false;
        p->chooseFolder = [&](const std::string&, bool) { return chosen; };
        p->ask = answering(asked, agree);
        click(p->m_export);
        QVERIFY(p->Stw->text().startsWith(S("Exportação: ")));
        QVERIFY(!p->m_gauge->isVisible());
        for (const auto& e : std::filesystem::directory_iterator(adventure))
            if (e.path().filename().string().starts_with("exportacao-"))
                chosen = e.path().string() + "/";

        // Unticked, changed variables are not the restore's business.
        vorn::Session& s = m_w->session();
        vorn::storeVariables(
            m_w->requests(), s, {"vidas=9"},
            vorn::loadVariables(m_w->requests(), s, vorn::VariableSet::Current).lines);
        click(p->m_restore);
        QCOMPARE(p->Stw->text(), S("Nada a restaurar: o servidor já é igual à exportação."));
        QVERIFY(asked.isEmpty());

        vorn::writeFileAtomic(chosen + "scripts/trazido.scp", "  msg= trazido\r\n");
        p->m_restoreData->setChecked(true);
        click(p->m_restore);
        QVERIFY(asked.value(0).contains(S("trazido")));
        QCOMPARE(p->Stw->text(), S("Restauração cancelada: nada foi gravado."));
        agree = true;
        click(p->m_restore);
        QVERIFY2(p->Stw->text().contains(S("e as variáveis")), qPrintable(p->Stw->text()));
        QVERIFY(items(f().Form2->Scripts->Lbx2).contains(S("trazido")));
    }

    void auditListsFindingsThatOpenTheirLineAndReplacesAfterAsking() {
        vorn::putScript(m_w->requests(), m_w->session(), "falho",
                        {"  msg= antes", "  gosub $sumido"});
        f().Form1->LoadScriptList();
        click(f().Form2->Exclusivo->m_audit);
        QCOMPARE(f().Form4->Pan1->PageIndex(), int(TForm4::kAuditoria));
        form4::PageAuditoria* page = f().Form4->Auditoria;
        const auto found =
            page->m_findings->findItems(S("scripts/falho.scp:2:"), Qt::MatchStartsWith);
        QCOMPARE(found.size(), 1);
        page->m_findings->setCurrentItem(found.front());
        emit page->m_findings->itemClicked(found.front());
        QCOMPARE(f().Form4->loadedScript(), std::string("falho"));
        QCOMPARE(f().Form4->Script->Memo3->textCursor().blockNumber(), 1);

        f().Form4->Pan1->setPageIndex(TForm4::kAuditoria);
        QStringList asked;
        const bool replace = true;
        page->ask = answering(asked, replace);
        page->m_find->setText(S("Dizem"));
        page->m_replace->setText(S("Contam"));
        click(page->m_replaceAll);
        QVERIFY(asked.value(0).contains(S("inicio:")));
        QCOMPARE(page->m_status->text(), S("Substituição feita em 1 script."));
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
        click(f().Form1->Fim);
        QTRY_COMPARE(m_w->quits, ends ? 1 : 0);
        QVERIFY(asked.contains(S("\"tesouro\"")));
        // The recovery copy is kept whatever the answer.
        QVERIFY(copies("tesouro") > before);
        QCOMPARE(server("tesouro") != held, stored);
        QCOMPARE(editor->hasUnsavedChanges(), !stored);
        QVERIFY(m_w->editorText().endsWith(S("fim de tarde")));
        if (ends) return;
        // Without unsaved text nothing is asked.
        editor->askClose = nullptr;
        editor->replaceScriptText("tesouro", server("tesouro"));
        click(f().Form1->Fim);
        QTRY_COMPARE(m_w->quits, 1);
    }

    void replacedTextNamesItsCopy() {
        TForm4* editor = open("menu");
        const int before = copies("menu");
        typeLine(editor, S("  msg= minha linha nova"));
        open("patio");
        QCOMPARE(copies("menu"), before + 1);
        const QString copy = editor->Script->status()->text().section(QLatin1Char(' '), -1);
        QVERIFY(ui(vorn::readFile(copy.toStdString())).contains(S("minha linha nova")));
        // Text without changes is replaced without a copy.
        open("menu");
        QCOMPARE(copies("menu"), before + 1);
    }

    void backupComparesAndRestoreMarksUnsaved() {
        TForm4* editor = open("torre");
        const vorn::Lines stored = server("torre");
        vorn::Lines changed = stored;
        changed[1] = "  msg= outra";
        const auto copy = [&](const vorn::Lines& lines) {
            return QString::fromStdString(
                       vorn::keepLocalCopy(m_w->session().DirAdv, "torre", lines))
                .section(QLatin1Char('/'), -1);
        };
        const QString changedCopy = copy(changed), sameCopy = copy(stored);
        click(m_p->Image8);
        form4::PageBackup* b = editor->Backup;
        for (const auto& [file, unsaved] : {std::pair{sameCopy, false}, {changedCopy, true}}) {
            b->File1->setCurrentItem(b->File1->findItems(file, Qt::MatchExactly).value(0));
            editor->File1Click();
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
        const auto chosen = form4::ClashAnswer(answer);
        TForm4* editor = open("torre");
        std::optional<form4::ServerClash> asked;
        editor->askClash = [&](const form4::ServerClash& clash) {
            asked = clash;
            return chosen;
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
        QCOMPARE(editor->storeText(), chosen != form4::ClashAnswer::Cancel);
        QVERIFY(asked && asked->mine == mine && asked->theirs == theirs);
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
        if (status.isEmpty()) {
            QVERIFY(m_w->editorText().startsWith(S("//=== Script: ") + name + S(" ===")));
            QCOMPARE(s.SesScp, bytes(name));
            QVERIFY(items(m_p->Lbx2).contains(name));
            QCOMPARE(RoadWindows::copiesOf(s.DirAdv, name).size(), 1);
            QVERIFY(exists(bytes(name)));
            return;
        }
        QCOMPARE(m_p->Stc->text(), status);
        QCOMPARE(m_w->editorText(), before);
        QCOMPARE(s.SesScp, std::string("inicio"));
        if (name.isEmpty()) return;
        // The service knows "torre" although the list no longer shows it:
        // its refusal is shown, and saving must not put the new script's
        // first lines in the place of "inicio".
        const vorn::Lines inicio = server("inicio");
        m_p->Lbx2->clear();
        click(m_p->Image4);
        QVERIFY(m_p->Stc->text() != S("Ok") && !m_p->Stc->text().isEmpty());
        QCOMPARE(f().Form4->Backup->Memo5->toPlainText(), m_p->Stc->text());
        QCOMPARE(s.SesScp, std::string("inicio"));
        QVERIFY(!items(m_p->Lbx2).contains(name));
        click(f().Form4->Script->btGrs);
        QCOMPARE(server("inicio"), inicio);
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
        QTest::addColumn<QString>("status");  // empty: renamed
        QTest::addColumn<bool>("references"); // the author's answer
        QTest::addColumn<bool>("typed");      // unsaved text in the editor
        QTest::newRow("nothing selected")
            << QString() << S("x") << S("Selecione um script!!!") << false << false;
        QTest::newRow("no new name")
            << S("salao") << QString() << S("Defina um novo nome!!!") << false << false;
        QTest::newRow("name listed")
            << S("salao") << S("torre") << S("Já existe este script!!!") << false << false;
        QTest::newRow("renamed") << S("salao") << S("salão nobre") << QString() << false << false;
        // The script's own "retscp=" and the map follow the rename on the
        // server after one question, in the typed text only along with it.
        QTest::newRow("references too")
            << S("biblioteca") << S("livros") << QString() << true << true;
        QTest::newRow("references kept")
            << S("masmorra") << S("calabouço") << QString() << false << true;
    }
    void renamingAScript() {
        QFETCH(QString, selected);
        QFETCH(QString, name);
        QFETCH(QString, status);
        QFETCH(bool, references);
        QFETCH(bool, typed);
        m_p->Lbx2->clearSelection();
        m_p->Lbx2->setCurrentItem(nullptr);
        if (!selected.isEmpty()) QVERIFY(clickItem(m_p->Lbx2, selected));
        const QStringList before = items(m_p->Lbx2);
        TForm4* editor = f().Form4;
        if (typed) typeLine(editor, S("  msg= minha ideia"));
        m_p->Edit3->setText(name);
        const std::string map = m_w->session().DirAdv + "mapa.txt";
        const std::string cellOf = ",,patio,,\r\n";
        vorn::writeFileAtomic(map, "10," + bytes(selected) + cellOf);
        QStringList asked;
        m_p->ask = answering(asked, references);
        click(m_p->Image9);
        if (!status.isEmpty()) {
            QCOMPARE(m_p->Stc->text(), status);
            QCOMPARE(items(m_p->Lbx2), before);
            return;
        }
        QCOMPARE(editor->Backup->Memo5->toPlainText(), S("Ok"));
        const QStringList after = items(m_p->Lbx2);
        QVERIFY(after.contains(name) && !after.contains(selected));
        // The script shown was the one renamed: it goes on under the new
        // name with any typed line kept, and saving it is no co-editor's
        // change and does not bring the old name back.
        vorn::Lines expected = server(bytes(name).c_str());
        if (typed) expected.push_back("  msg= minha ideia");
        QCOMPARE(m_w->session().SesScp, bytes(name));
        QCOMPARE(editor->loadedScript(), bytes(name));
        QCOMPARE(editor->scriptText(), expected);
        QCOMPARE(editor->hasUnsavedChanges(), typed);
        QCOMPARE(vorn::readFile(map), "10," + bytes(references ? name : selected) + cellOf);
        QVERIFY(asked.size() == 1 && asked.front().contains(S(" e no mapa?")));
        QCOMPARE(m_p->Stc->text().startsWith(S("Referências atualizadas em ")), references);
        bool clash = false;
        editor->askClash = [&](const form4::ServerClash&) {
            clash = true;
            return form4::ClashAnswer::Cancel;
        };
        QVERIFY(editor->storeText() && !clash);
        QVERIFY(!exists(bytes(selected)));
    }

    void deletingAScript() {
        vorn::Session& s = m_w->session();
        QStringList asked;
        bool answer = false;
        m_p->ask = answering(asked, answer);
        m_p->Lbx2->clearSelection();
        click(m_p->Image6); // nothing selected: nothing asked
        QVERIFY(asked.isEmpty());

        // Asked once, and "Cancelar" leaves everything as it was.
        QVERIFY(clickItem(m_p->Lbx2, S("cozinha")));
        const vorn::Lines held = server("cozinha");
        const int before = copies("cozinha");
        f().Form4->Script->Memo3->appendPlainText(S("  msg= ainda nao gravado"));
        f().Form4->Script->setUnsaved(true);
        const QString edited = m_w->editorText();
        click(m_p->Image6);
        QCOMPARE(asked, QStringList{S("Deletar o script \"cozinha\" do servidor?")});
        QVERIFY(m_w->editorText() == edited && exists("cozinha"));

        // Deleted: the server's text and the unsaved text each keep a copy,
        // the status names the server's, and nothing aims at the name again.
        answer = true;
        click(m_p->Image6);
        const QString copy = m_p->Stc->text().section(QLatin1Char(' '), -1);
        QCOMPARE(vorn::splitLines(vorn::readFile(copy.toStdString())), held);
        QCOMPARE(copies("cozinha"), before + 2);
        QCOMPARE(m_w->editorText(), QString());
        QVERIFY(!items(m_p->Lbx2).contains(S("cozinha")) && !exists("cozinha"));
        QVERIFY(s.SesScp.empty());
        f().Form4->Script->Cbx->setChecked(true);
        const QString shownPage = f().Form3->Web->address();
        click(f().Form2->Graficos->Image12); // an upload of nothing
        QCOMPARE(f().Form3->Web->address(), shownPage);
        f().Form4->btGrsClick();
        QVERIFY(!exists("cozinha"));

        // A script the server no longer has: its refusal, nothing lost.
        m_p->Lbx2->setCurrentItem(new QListWidgetItem(S("fantasma"), m_p->Lbx2));
        f().Form4->replaceScriptText("torre", {"  fim"});
        click(m_p->Image6);
        QVERIFY(m_p->Stc->text() != S("Ok") && !m_p->Stc->text().isEmpty());
        QVERIFY(items(m_p->Lbx2).contains(S("fantasma")));
        QCOMPARE(m_w->editorText(), S("  fim"));
    }
};

VORN_WINDOW_TEST_MAIN(RoadCastleTest)
#include "road_castle_test.moc"
