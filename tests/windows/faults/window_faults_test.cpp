// The windows when the server misbehaves: every operation comes back, says
// what went wrong in the client's words, puts the light back to idle and
// leaves the author's text and its unsaved mark alone. A save that fails
// after the service took the text (the local copy refused) takes the same
// road through the editor; what it says is the core's to prove.
#include "Unit1.h"
#include "Unit2.h"
#include "editor_fixture.h"
#include "error_report.h"
#include "form2_pages/page_arqsom.h"
#include "form2_pages/page_default.h"
#include "form2_pages/page_graficos.h"
#include "form2_pages/page_objetos.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/conflict_dialog.h"
#include "form4_pages/page_banners.h"
#include "picture_button.h"
#include "scripted_server.h"
#include "session.h"
#include "window_test_main.h"

#include <QDir>

#include <optional>

using namespace editor_test;
using vorn::test::Fault;
using vorn::test::ScriptedServer;

namespace {

enum Operation {
    kLogin,
    kScriptList,
    kPictureList,
    kBannerList,
    kSoundList,
    kObjectList,
    kOpenScript,
    kSaveScript
};
const char* const kPaths[] = {"/vornpq/wbetz/scpLog.php",   "/vornpq/wbetz/vpqLsScp.php",
                              "/vornpq/wbetz/mobLsArq.php", "/vornpq/wbetz/mobLsArq.php",
                              "/vornpq/wbetz/mobLsArq.php", "/vornpq/wbetz/vpqLsObj.php",
                              "/vornpq/wbetz/vpqGtScp.php", "/vornpq/wbetz/vpqPtScp.php"};

const QColor kIdle(0x80, 0x00, 0x00);

// The windows on a scripted server, logged in as far as the session goes,
// with "inicio" in the editor and one typed character not yet saved.
class Scene {
public:
    explicit Scene(const ScriptedServer& server) {
        qputenv("VORNSCRIPT_PRIMARY", QByteArray::fromStdString(server.root()));
        qputenv("VORNSCRIPT_ALTERNATE", QByteArray::fromStdString(server.root()));
        w.emplace();
        vorn::Session& s = w->session();
        s.SesLogin = s.SesSenha = "demo";
        s.SesIdx = "11";
        s.SesPfx = "vorn";
        const QString folder = w->home() + QStringLiteral("/vorn");
        QDir().mkpath(folder);
        s.DirAdv = folder.toStdString() + "/";
        s.SesScp = "inicio";
        w->load("inicio", {"//=== Script: inicio", "  fim"});
        w->caretTo(1, 5);
        QTest::keyClicks(w->memo(), QStringLiteral("!"));
        tools()->Scripts->Lbx2->addItems({QStringLiteral("inicio"), QStringLiteral("patio")});
        tools()->Scripts->Stc->setText(QStringLiteral("Status..."));
        tools()->show();
        w->forms().Form1->requests().http().setLimits(1000, 1000);
        // The server's "Ok" without lines reads as a co-editor's change.
        w->editor()->askClash = [](const form4::ServerClash&) {
            return form4::ClashAnswer::StoreMine;
        };
    }
    TForm2* tools() const { return w->forms().Form2; }
    QColor light() const { return w->forms().Form1->Led->palette().color(QPalette::Window); }

    // Runs the operation as the author would and answers the text the
    // window shows for it.
    QString run(Operation operation) {
        const int reports = ErrorReport::instance().count();
        switch (operation) {
        case kLogin:
            tools()->Abook->setPageIndex(TForm2::kDefault);
            tools()->Default->XLog->setText(QStringLiteral("demo"));
            tools()->Default->XSen->setText(QStringLiteral("demo"));
            click(tools()->Default->btLog);
            return tools()->Default->Sta->text();
        case kScriptList:
            w->forms().Form1->LoadScriptList();
            return tools()->Scripts->Stc->text();
        // An empty list alone would read as an adventure without any.
        case kPictureList:
            w->forms().Form1->LoadImageFileList();
            return tools()->Graficos->St1->text();
        case kBannerList: {
            w->forms().Form1->LoadImageFileList(TForm1::kBannerImages);
            const QLabel* status = w->editor()->Banners->lbMkt;
            return status->isHidden() ? QStringLiteral("(hidden)") : status->text();
        }
        case kSoundList:
            w->forms().Form1->LoadSoundFileList();
            return tools()->ArqSom->St2->text();
        case kObjectList:
            w->forms().Form1->LoadObjectList();
            return tools()->Objetos->Lb77->text();
        case kOpenScript:
            tools()->Abook->setPageIndex(TForm2::kScripts);
            vorn::test::clickItem(tools()->Scripts->Lbx2, QStringLiteral("patio"));
            return tools()->Scripts->Stc->text();
        case kSaveScript:
            click(named<PictureButton>(w->editor(), "btGrs"));
            return ErrorReport::instance().count() == reports + 1
                       ? ErrorReport::instance().lastMessage()
                       : QStringLiteral("(no report)");
        }
        return {};
    }

    std::optional<Windows> w;
};

} // namespace

class WindowFaultsTest : public QObject {
    Q_OBJECT
private slots:
    // Which failure it was is the request layer's to tell (its tests hold
    // each kind); here a server that never answers and one that refuses.
    void serverFaults_data() {
        QTest::addColumn<bool>("stall");
        QTest::addColumn<int>("operation");
        const char* operations[] = {"login",      "script list", "picture list", "banner list",
                                    "sound list", "object list", "open script",  "save script"};
        for (const bool stall : {true, false})
            for (int o = kLogin; o <= kSaveScript; ++o)
                QTest::addRow("%s, %s", stall ? "stall" : "500", operations[o]) << stall << o;
    }

    void serverFaults() {
        QFETCH(bool, stall);
        QFETCH(int, operation);
        ScriptedServer server;
        server.byDefault(200, "Ok");
        if (stall)
            server.fail(kPaths[operation], Fault::Stall);
        else
            server.on(kPaths[operation], 500, "Ok\r\n");
        Scene scene(server);
        const QString text = scene.w->editor()->Script->Memo3->toPlainText();

        const QString shown = scene.run(static_cast<Operation>(operation));

        QVERIFY(!server.requests().empty());
        QCOMPARE(server.requests().back().path, std::string(kPaths[operation]));
        // A failed save is reported in the words of the layer that failed
        // (the request layer's tests hold them); the others say so here.
        if (operation == kSaveScript)
            QVERIFY2(shown != QStringLiteral("(no report)") && !shown.isEmpty(), qPrintable(shown));
        else
            QCOMPARE(shown, QStringLiteral("Tente novamente!"));
        QCOMPARE(scene.light(), kIdle);
        QCOMPARE(scene.w->editor()->Script->Memo3->toPlainText(), text);
        QCOMPARE(captionColour(scene.w->lbGrs()), kMaroon);
        QCOMPARE(scene.w->session().SesScp, std::string("inicio"));
        QListWidget* const lists[] = {scene.tools()->Scripts->Lbx2, scene.tools()->Graficos->Lbx3,
                                      scene.w->editor()->Banners->Lbx1, scene.tools()->ArqSom->Lbx8,
                                      scene.tools()->Objetos->Lbx4};
        if (operation >= kScriptList && operation <= kObjectList)
            QCOMPARE(lists[operation - kScriptList]->count(), 0);
        // Nothing was taken for a saved version of the text.
        QCOMPARE(QDir(QString::fromStdString(scene.w->session().DirAdv)).entryList(QDir::Files),
                 QStringList());
    }
};

VORN_WINDOW_TEST_MAIN(WindowFaultsTest)
#include "window_faults_test.moc"
