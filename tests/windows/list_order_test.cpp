// The order of the sorted list boxes: case folded in cp1252, names equal but
// for case in the order they came, and a renamed entry moving to its place.
#include "form2_pages/page_parts.h"
#include "sorted_list.h"
#include "window_test_main.h"

#include <QListWidget>
#include <QWidget>

#include <memory>

using namespace vorn::win;

namespace {

QStringList shown(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

} // namespace

class ListOrderTest : public QObject {
    Q_OBJECT
private slots:
    void entriesTakeTheirPlace_data() {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* name, QStringList added, QStringList expected) {
            QTest::newRow(name) << added << expected;
        };
        // Qt's own order would put every capital before every small letter.
        row("case does not rank",
            {QStringLiteral("Zeta"), QStringLiteral("alfa"), QStringLiteral("Beta")},
            {QStringLiteral("alfa"), QStringLiteral("Beta"), QStringLiteral("Zeta")});
        row("accented capitals fold",
            {QStringLiteral("égua"), QStringLiteral("Égide"), QStringLiteral("zebra")},
            {QStringLiteral("zebra"), QStringLiteral("Égide"), QStringLiteral("égua")});
        row("ties in the order they came",
            {QStringLiteral("ana"), QStringLiteral("b"), QStringLiteral("ANA"),
             QStringLiteral("Ana")},
            {QStringLiteral("ana"), QStringLiteral("ANA"), QStringLiteral("Ana"),
             QStringLiteral("b")});
    }
    void entriesTakeTheirPlace() {
        QFETCH(QStringList, added);
        QFETCH(QStringList, expected);
        QWidget page;
        QListWidget* list = form2::list(&page, "Lbx1", {0, 0, 100, 100}, true);
        for (const QString& text : added)
            addListItem(list, text);
        QCOMPARE(shown(list), expected);
    }

    void aRenamedEntryMoves() {
        QWidget page;
        QListWidget* list = form2::list(&page, "Lbx1", {0, 0, 100, 100}, true);
        for (const char* name : {"alfa", "beta", "gama"})
            addListItem(list, QString::fromLatin1(name));
        list->item(0)->setText(QStringLiteral("Delta"));
        QCOMPARE(shown(list), (QStringList{QStringLiteral("beta"), QStringLiteral("Delta"),
                                           QStringLiteral("gama")}));
    }
};

VORN_WINDOW_TEST_MAIN(ListOrderTest)
#include "list_order_test.moc"
