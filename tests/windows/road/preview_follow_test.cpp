// The editor following the game in the preview window, with the real
// browser engine (loaded from its library as the program loads it) on a real
// service: a link clicked in a page opens its script, and unsaved text is
// never replaced by the follow-up.
#include "castle_road_fixture.h"
#include "startup.h"

using namespace vorn::win;
using namespace vorn::test;

namespace {

// Loads an address in the preview and waits for the page.
bool loadPreview(TForm3* preview, const std::string& address) {
    QSignalSpy loaded(preview->Web, &WebHolder::loadFinished);
    preview->Web->navigate(ui(address));
    if (!preview->Web->view()) return false;
    return loaded.wait(30000) && loaded.front().front().toBool();
}

// Clicks the game page's link to a script, as the player would.
void clickLinkTo(TForm3* preview, const char* script) {
    preview->Web->runJavaScript(S("document.querySelector('a[href$=\"Scp=%1\"]').click();")
                                    .arg(QString::fromLatin1(script)));
}

QString selected(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item ? item->text() : QString();
}

} // namespace

class PreviewFollowTest : public vorn::test::RoadTest {
    Q_OBJECT
private slots:
    // The file is refused; a link of the game is followed to its script.
    void aClickedLinkOpensItsScriptButNotAFile() {
        vorn::Session& s = m_w->session();
        s.SesScp = "inicio";
        QVERIFY(loadPreview(f().Form3, vorn::previewAddress(s)));
        QSignalSpy followed(f().Form3->Web, &WebHolder::navigationRequested);
        QSignalSpy shown(f().Form3->Web, &WebHolder::urlChanged);
        // A local file, from an address that came from outside. (A page's
        // own attempts at files and other schemes the engine stops before
        // asking; a scheme it hands to the desktop would start another
        // program, which a test must not.)
        QSignalSpy settled(f().Form3->Web, &WebHolder::loadFinished);
        f().Form3->Web->navigate(S("file:///etc/hostname"));
        // The refusal ends the load as failed; a click before that would
        // race the refused navigation, which may cancel it.
        QVERIFY(settled.wait(30000));
        QVERIFY(!settled.front().front().toBool());
        clickLinkTo(f().Form3, "portao");
        QTRY_COMPARE_WITH_TIMEOUT(s.SesScp, std::string("portao"), 30000);
        QCOMPARE(s.PreviewScp, std::string("portao"));
        QCOMPARE(selected(f().Form2->Scripts->Lbx2), S("portao"));
        QTRY_VERIFY(m_w->editorText().startsWith(S("//=== Script: portao")));
        for (const QList<QVariant>& arguments : followed)
            QCOMPARE(arguments.front().toUrl().scheme(), S("http"));
        QCOMPARE(shown.last().front().toUrl().scheme(), S("http"));
        QVERIFY(s.PreviewUrl.find("Scp=portao") != std::string::npos);
    }

    void unsavedTextStaysWhenTheGameMovesOn() {
        vorn::Session& s = m_w->session();
        QVERIFY(clickItem(f().Form2->Scripts->Lbx2, S("portao")));
        QVERIFY(loadPreview(f().Form3, vorn::previewAddress(s)));
        QTRY_COMPARE(s.SesScp, std::string("portao"));

        auto* memo = f().Form4->Script->Memo3;
        memo->setFocus();
        QTest::keyClicks(memo, S("// nova ideia"));
        const QString typed = m_w->editorText();
        QVERIFY(f().Form4->hasUnsavedChanges());

        clickLinkTo(f().Form3, "inicio");
        QTRY_COMPARE_WITH_TIMEOUT(s.PreviewScp, std::string("inicio"), 30000);
        // The catalogue stays on the text in edit, so its actions aim at it.
        QCOMPARE(selected(f().Form2->Scripts->Lbx2), S("portao"));
        QCOMPARE(m_w->editorText(), typed);
        QCOMPARE(s.SesScp, std::string("portao"));
        QVERIFY(f().Form4->Script->status()->text().contains(S("inicio")));
    }
};

// This program drives the real browser engine, unlike the other window
// tests.
int main(int argc, char** argv) {
    prepareEnvironment();
    Application app(argc, argv);
    PreviewFollowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "preview_follow_test.moc"
