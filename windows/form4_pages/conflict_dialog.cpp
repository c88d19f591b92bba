#include "conflict_dialog.h"

#include "diff_view.h"
#include "qt_text.h"
#include "text.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace vorn::win::form4 {
namespace {

QTextEdit* textColumn(QWidget* parent, const char* name) {
    auto* view = new QTextEdit(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setReadOnly(true);
    view->setLineWrapMode(QTextEdit::NoWrap);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(13);
    view->setFont(font);
    return view;
}

QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont bold(QStringLiteral("Arial"));
    bold.setPixelSize(12);
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

ConflictDialog::ConflictDialog(const ServerClash& clash, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ConflictDialog"));
    setWindowTitle(QStringLiteral("O script mudou no servidor"));
    resize(1000, 620);
    auto* grid = new QGridLayout(this);

    auto* note = new QLabel(QStringLiteral("Alguém gravou o script \"%1\" no servidor depois que "
                                           "você o abriu. Compare os dois textos antes de gravar.")
                                .arg(ui(clash.script)),
                            this);
    note->setObjectName(QStringLiteral("clashNote"));
    note->setWordWrap(true);
    grid->addWidget(note, 0, 0, 1, 2);
    grid->addWidget(heading(QStringLiteral("O seu texto (editor)"), this), 1, 0);
    grid->addWidget(heading(QStringLiteral("O texto no servidor agora"), this), 1, 1);
    mine = textColumn(this, "clashMine");
    theirs = textColumn(this, "clashTheirs");
    grid->addWidget(mine, 2, 0);
    grid->addWidget(theirs, 2, 1);
    const std::size_t changed = showSideBySide(mine, theirs, clash.mine, clash.theirs);
    scrollTogether(mine, theirs);
    summary = new QLabel(ui(countOf(changed, "linha diferente.", "linhas diferentes.")), this);
    summary->setObjectName(QStringLiteral("clashSummary"));
    grid->addWidget(summary, 3, 0, 1, 2);

    auto* row = new QHBoxLayout;
    const struct {
        const char* name;
        QString caption;
        ClashAnswer answer;
    } buttons[] = {
        {"clashStoreMine", QStringLiteral("Gravar o meu"), ClashAnswer::StoreMine},
        {"clashTakeTheirs", QStringLiteral("Ficar com o do servidor (o meu vira cópia)"),
         ClashAnswer::TakeTheirs},
        {"clashCancel", QStringLiteral("Cancelar"), ClashAnswer::Cancel},
    };
    row->addStretch();
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.caption, this);
        button->setObjectName(QString::fromLatin1(b.name));
        const ClashAnswer answer = b.answer;
        connect(button, &QPushButton::clicked, this, [this, answer] {
            m_answer = answer;
            answer == ClashAnswer::Cancel ? reject() : accept();
        });
        if (answer == ClashAnswer::Cancel) button->setDefault(true);
        row->addWidget(button);
    }
    grid->addLayout(row, 4, 0, 1, 2);
}

ClashAnswer askAboutClash(const ServerClash& clash, QWidget* parent) {
    ConflictDialog dialog(clash, parent);
    dialog.exec();
    return dialog.answer();
}

} // namespace vorn::win::form4
