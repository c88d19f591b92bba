// What the start makes and what waits for its first use: the windows that
// the first screen does not show keep their heavy parts until they show.
#include "Unit4.h"
#include "form4_pages/page_instrucoes.h"
#include "picture_button.h"
#include "program.h"
#include "reference_text.h"
#include "window_test_main.h"

#include <QTemporaryDir>

using namespace vorn::win;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void referenceWaitsForTheEditorToShow() {
        QTemporaryDir home;
        qputenv("VORNSCRIPT_HOME", home.path().toUtf8());
        Program program;
        program.start();
        TForm4* editor = program.forms().Form4;
        QVERIFY(!editor->isVisible());
        QCOMPARE(editor->Instrucoes->findChildren<ClickLabel*>().size(), 0);

        editor->show();
        editor->Abook1->setPageIndex(0);
        QTRY_COMPARE(editor->Instrucoes->findChildren<ClickLabel*>().size(),
                     static_cast<qsizetype>(vorn::referenceEntries().size()));
        // Shown again, the page keeps the one list it made.
        editor->hide();
        editor->show();
        QCOMPARE(editor->Instrucoes->findChildren<ClickLabel*>().size(),
                 static_cast<qsizetype>(vorn::referenceEntries().size()));
    }
};

VORN_WINDOW_TEST_MAIN(StartupTest)
#include "startup_test.moc"
