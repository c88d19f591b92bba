// Saving from the editor against pequenia-local: the server's text, Ctrl+S,
// the preview, and what the check keeps of the author's typing.
#include "account.h"
#include "adventure.h"
#include "editor_fixture.h"
#include "error_report.h"
#include "files.h"
#include "local_service.h"
#include "picture_button.h"
#include "preview.h"
#include "request_layer.h"
#include "scripts.h"
#include "session.h"
#include "text.h"
#include "window_test_main.h"

#include <QCheckBox>
#include <QDir>
#include <QRegularExpression>

using namespace editor_test;

class EditorSaveTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_service = std::make_unique<vorn::test::LocalService>(); }
    void cleanupTestCase() { m_service.reset(); }

    void init() {
        w = std::make_unique<Windows>();
        vorn::Session& s = w->session();
        const std::string root = m_service->root();
        s.UrlSite = root;
        s.UrlScp = s.UrlLog = root + "vornpq/wbetz/";
        s.UrlHtm = root + "html/quorbel/";
        QVERIFY(vorn::logIn(w->forms().Form1->requests(), s, "demo", "demo").ok);
        s.SesPfx = "vorn";
        const QString folder = w->home() + QStringLiteral("/vorn");
        QVERIFY(QDir().mkpath(folder));
        s.DirAdv = folder.toStdString() + "/";
        w->editor()->enableAfterLogin();
    }
    void cleanup() { w.reset(); }

    void savingByButtonAndByKeyStoresTheTrimmedText() {
        vorn::Session& s = w->session();
        vorn::RequestLayer& layer = w->forms().Form1->requests();
        const vorn::Lines original = vorn::fetchScript(layer, s, "patio");
        QVERIFY(original.size() > 2);
        s.SesScp = "patio";
        w->load("patio", original);

        // Typed at the end: a line and three blank lines.
        w->memo()->moveCursor(QTextCursor::End);
        QTest::keyClick(w->memo(), Qt::Key_Return);
        QTest::keyClicks(w->memo(), QStringLiteral("  // visto"));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(w->memo(), Qt::Key_Return);
        QTest::keyClicks(w->memo(), QStringLiteral("  "));
        QCOMPARE(captionColour(w->lbGrs()), kMaroon);

        vorn::Lines expected = original;
        expected.push_back("  // visto");
        click(named<PictureButton>(w->editor(), "btGrs"));
        QCOMPARE(vorn::fetchScript(layer, s, "patio"), expected);
        QCOMPARE(w->editor()->scriptText(), expected);
        QCOMPARE(captionColour(w->lbGrs()), kSaved);
        QVERIFY(!w->editor()->hasUnsavedChanges());
        // The preview switch is on from the start: the preview follows.
        QCOMPARE(w->forms().Form3->Web->address(), ui(vorn::previewAddress(s)));
        QVERIFY(w->forms().Form3->isVisible());

        // Ctrl+S saves too, into the next copy; with the switch off the
        // preview stays where it was, and so does a hidden preview window.
        w->forms().Form3->hide();
        named<QCheckBox>(w->editor(), "Cbx")->setChecked(false);
        w->forms().Form3->Web->navigate(QStringLiteral("about:blank"));
        w->caretTo(0);
        QTest::keyClicks(w->memo(), QStringLiteral("//"));
        QTest::keyClick(w->memo(), Qt::Key_S, Qt::ControlModifier);
        expected[0] = "//" + expected[0];
        QCOMPARE(vorn::fetchScript(layer, s, "patio"), expected);
        QCOMPARE(w->forms().Form3->Web->address(), QStringLiteral("about:blank"));
        QVERIFY(!w->forms().Form3->isVisible());
        QCOMPARE(captionColour(w->lbGrs()), kSaved);
        QCOMPARE(blocks(w->memo()).first(), ui(expected[0]));

        vorn::putScript(layer, s, "patio", original);
    }

    // The check drops the annotation lines of the text before it writes its
    // own: what the author typed on one is kept as a numbered copy first.
    void typingOnAnAnnotationIsKeptBeforeTheNextCheck() {
        vorn::Session& s = w->session();
        vorn::RequestLayer& layer = w->forms().Form1->requests();
        QVERIFY(vorn::OpenAdventure(layer, s, "Castelo de Vorn").ok);
        w->load("masmorra", vorn::fetchScript(layer, s, "masmorra"));
        auto* sintaxe = named<PictureButton>(w->editor(), "Sintaxe");
        click(sintaxe);
        QPlainTextEdit* memo = w->memo();
        const int line = blocks(memo).indexOf(QRegularExpression(QStringLiteral("//!-.*")));
        QVERIFY(line >= 0);
        w->caretTo(line);
        QTest::keyClick(memo, Qt::Key_End);
        QTest::keyClicks(memo, QStringLiteral(" nota do autor"));

        const QDir folder(QString::fromStdString(s.DirAdv));
        const QStringList before = folder.entryList({QStringLiteral("masmorra*.scp")});
        click(sintaxe);
        QVERIFY(!blocks(memo).join(QLatin1Char('\n')).contains(QStringLiteral("nota do autor")));
        QStringList added = folder.entryList({QStringLiteral("masmorra*.scp")});
        for (const QString& file : before)
            added.removeAll(file);
        QCOMPARE(added.size(), 1);
        QVERIFY(ui(vorn::readFile(folder.filePath(added.front()).toStdString()))
                    .contains(QStringLiteral("nota do autor")));

        // A check that writes every annotation back keeps nothing.
        click(sintaxe);
        QCOMPARE(folder.entryList({QStringLiteral("masmorra*.scp")}).size(), before.size() + 1);
    }

private:
    std::unique_ptr<vorn::test::LocalService> m_service;
    std::unique_ptr<Windows> w;
};

VORN_WINDOW_TEST_MAIN(EditorSaveTest)
#include "editor_save_test.moc"
