#include "page_controle.h"

#include <QHeaderView>

namespace vorn::win::form4 {

PageControle::PageControle(QWidget* parent)
    : NotebookPage(QStringLiteral("Controle"), parent) {
    Label1 = new QLabel(QStringLiteral("Controle de jogadores da aventura:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));
    Label1->move(10, 10);
    Label1->adjustSize();

    static constexpr int kWidths[kColumns] = {179, 117, 63, 115, 165, 123, 101};
    static const char* const kHeadings[kColumns] = {"Início", "Término",    "Qtd", "Posição",
                                                    "IP",     "Ult Script", "Idx"};
    constexpr int left = 10;
    constexpr int top = 56;
    int x = left + 2;
    for (int c = 0; c < kColumns; ++c) {
        auto* heading = new QLabel(QString::fromUtf8(kHeadings[c]), this);
        heading->setObjectName(QStringLiteral("lbCad%1").arg(c));
        heading->setStyleSheet(QStringLiteral("font-weight: bold;"));
        heading->move(x + 2, top - 20);
        heading->adjustSize();
        x += kWidths[c];
    }

    // The headings above stand for the grid's own, which stays hidden.
    Cad = new QTableWidget(1, kColumns, this);
    Cad->setObjectName(QStringLiteral("Cad"));
    Cad->horizontalHeader()->hide();
    Cad->verticalHeader()->hide();
    Cad->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int c = 0; c < kColumns; ++c)
        Cad->setColumnWidth(c, kWidths[c]);
    Cad->setGeometry(left, top, 900, 600);
}

} // namespace vorn::win::form4
