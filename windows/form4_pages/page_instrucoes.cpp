#include "page_instrucoes.h"

#include "error_report.h"
#include "picture_button.h"
#include "qt_text.h"
#include "reference_text.h"

#include <QLabel>
#include <QVBoxLayout>

namespace vorn::win::form4 {

PageInstrucoes::PageInstrucoes(QWidget* parent)
    : NotebookPage(QStringLiteral("Instruções"), parent) {
    Sbx = new QScrollArea(this);
    Sbx->setObjectName(QStringLiteral("Sbx"));
    Sbx->setFrameShape(QFrame::NoFrame);
    Sbx->setWidgetResizable(true);
    Sbx->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void PageInstrucoes::showEvent(QShowEvent* event) {
    if (!Sbx->widget()) buildReference();
    NotebookPage::showEvent(event);
}

void PageInstrucoes::buildReference() {
    auto* list = new QWidget;
    list->setObjectName(QStringLiteral("Referencia"));
    list->setAutoFillBackground(true);
    QPalette pal = list->palette();
    pal.setColor(QPalette::Window, QColor(0xF4, 0xF4, 0xF0));
    list->setPalette(pal);
    auto* column = new QVBoxLayout(list);
    column->setContentsMargins(6, 4, 4, 8);
    column->setSpacing(0);

    for (const ReferenceGroup group : referenceGroups()) {
        auto* heading = new QLabel(ui(groupHeading(group)), list);
        heading->setStyleSheet(QStringLiteral("color: #2B3A55; font: bold 12px 'Arial';"
                                              "padding-top: 8px; padding-bottom: 2px;"));
        column->addWidget(heading);
        for (const ReferenceEntry& entry : referenceEntries()) {
            if (entry.group != group) continue;
            auto* syntax = new ClickLabel(ui(entry.syntax), list);
            syntax->setTextFormat(Qt::PlainText);
            syntax->setCursor(Qt::PointingHandCursor);
            syntax->setStyleSheet(
                QStringLiteral("QLabel { color: #1F4E99; font: bold 12px 'Courier New'; }"
                               "QLabel:hover { color: #800000; }"));
            syntax->setToolTip(ui(referenceInsertion(entry)));
            const QString line = ui(referenceInsertion(entry));
            onSignal(syntax, &ClickLabel::clicked, this, [this, line] { emit lineChosen(line); });
            column->addWidget(syntax);

            auto* description = new QLabel(ui(entry.description), list);
            description->setTextFormat(Qt::PlainText);
            description->setStyleSheet(QStringLiteral("color: #505050; font: 11px 'Arial';"
                                                      "padding-left: 10px; padding-bottom: 3px;"));
            column->addWidget(description);
        }
    }
    column->addStretch(1);
    Sbx->setWidget(list);
}

void PageInstrucoes::resizeEvent(QResizeEvent* event) {
    NotebookPage::resizeEvent(event);
    Sbx->setGeometry(rect());
}

} // namespace vorn::win::form4
