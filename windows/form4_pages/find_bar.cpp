#include "find_bar.h"

#include "qt_text.h"
#include "script_memo.h"
#include "text.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QTextDocument>

namespace vorn::win::form4 {
namespace {

constexpr QTextDocument::FindFlags kExact = QTextDocument::FindCaseSensitively;

template <class T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* button(const QString& caption, QWidget* parent, const char* name, int x, int y,
                    int width) {
    auto* b = named(new QPushButton(caption, parent), name);
    b->setGeometry(x, y + 2, width, FindBar::kRowHeight - 4);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

void shortcut(QWidget* scope, const QKeySequence& keys, const char* name,
              const std::function<void()>& action) {
    auto* s = named(new QShortcut(keys, scope), name);
    s->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(s, &QShortcut::activated, scope, action);
}

std::optional<int> askWithDialog(QWidget* parent, int current, int last) {
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgIrParaLinha"));
    dialog.setWindowTitle(QStringLiteral("Ir para a linha"));
    dialog.setLabelText(QStringLiteral("Ir para a linha:"));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(1, last);
    dialog.setIntValue(current);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.intValue();
}

} // namespace

FindBar::FindBar(ScriptMemo* memo, QWidget* shortcutScope)
    : QWidget(shortcutScope)
    , m_memo(memo) {
    setObjectName(QStringLiteral("FindBar"));
    constexpr int kRow2 = kRowHeight;
    lbProcurar = named(new QLabel(QStringLiteral("Procurar:"), this), "lbProcurar");
    lbProcurar->setGeometry(0, 2, 92, kRowHeight - 4);
    edProcurar = named(new QLineEdit(this), "edProcurar");
    edProcurar->setGeometry(96, 2, 220, kRowHeight - 4);
    btAnterior = button(QStringLiteral("Anterior"), this, "btAnterior", 322, 0, 80);
    btProximo = button(QStringLiteral("Próximo"), this, "btProximo", 406, 0, 80);
    m_note = named(new QLabel(this), "lbBusca");
    m_note->setGeometry(494, 2, 240, kRowHeight - 4);
    m_note->setStyleSheet(QStringLiteral("color: #800000;"));
    btFechar = button(QStringLiteral("×"), this, "btFecharBusca", 740, 0, 26);
    btFechar->setToolTip(QStringLiteral("Fechar (Esc)"));

    lbSubstituir = named(new QLabel(QStringLiteral("Substituir por:"), this), "lbSubstituir");
    lbSubstituir->setGeometry(0, kRow2 + 2, 92, kRowHeight - 4);
    edSubstituir = named(new QLineEdit(this), "edSubstituir");
    edSubstituir->setGeometry(96, kRow2 + 2, 220, kRowHeight - 4);
    btSubstituir = button(QStringLiteral("Substituir"), this, "btSubstituir", 322, kRow2, 80);
    btSubstituirTodos =
        button(QStringLiteral("Substituir todos"), this, "btSubstituirTodos", 406, kRow2, 120);

    connect(edProcurar, &QLineEdit::returnPressed, this, [this] { findNext(); });
    connect(edSubstituir, &QLineEdit::returnPressed, this, [this] { replaceOne(); });
    connect(btProximo, &QPushButton::clicked, this, [this] { findNext(); });
    connect(btAnterior, &QPushButton::clicked, this, [this] { findPrevious(); });
    connect(btSubstituir, &QPushButton::clicked, this, [this] { replaceOne(); });
    connect(btSubstituirTodos, &QPushButton::clicked, this, [this] { replaceAll(); });
    connect(btFechar, &QPushButton::clicked, this, [this] { closeBar(); });
    connect(edProcurar, &QLineEdit::textEdited, m_note, &QLabel::clear);

    shortcut(shortcutScope, QKeySequence(Qt::CTRL | Qt::Key_F), "scProcurar",
             [this] { openFind(); });
    shortcut(shortcutScope, QKeySequence(Qt::CTRL | Qt::Key_H), "scSubstituir",
             [this] { openReplace(); });
    shortcut(shortcutScope, QKeySequence(Qt::CTRL | Qt::Key_G), "scIrParaLinha",
             [this] { goToLine(); });
    shortcut(this, QKeySequence(Qt::Key_Escape), "scFecharBusca", [this] { closeBar(); });

    askLine = [this](int current, int last) { return askWithDialog(window(), current, last); };
    hide();
}

void FindBar::open(bool replacing) {
    const QList<QWidget*> replaceRow = {lbSubstituir, edSubstituir, btSubstituir,
                                        btSubstituirTodos};
    for (QWidget* w : replaceRow)
        w->setVisible(replacing);
    resize(width(), replacing ? 2 * kRowHeight : kRowHeight);
    // A word selected in the text is what the author wants to find.
    const QString selected = m_memo->textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        edProcurar->setText(selected);
    m_note->clear();
    show();
    raise();
    edProcurar->setFocus();
    edProcurar->selectAll();
}

void FindBar::openFind() {
    open(false);
}

void FindBar::openReplace() {
    open(true);
}

void FindBar::closeBar() {
    hide();
    m_memo->setFocus();
}

bool FindBar::findNext() {
    return find(false);
}

bool FindBar::findPrevious() {
    return find(true);
}

bool FindBar::find(bool backward) {
    const QString sought = edProcurar->text();
    m_note->clear();
    if (sought.isEmpty()) return false;
    const QTextDocument* document = m_memo->document();
    const QTextDocument::FindFlags flags = backward ? kExact | QTextDocument::FindBackward : kExact;
    QTextCursor found = document->find(sought, m_memo->textCursor(), flags);
    if (found.isNull()) {
        const int from = backward ? document->characterCount() - 1 : 0;
        found = document->find(sought, from, flags);
        if (found.isNull()) {
            m_note->setText(QStringLiteral("não encontrado"));
            return false;
        }
        m_note->setText(backward ? QStringLiteral("Recomeçou do fim do texto.")
                                 : QStringLiteral("Recomeçou do início do texto."));
    }
    m_memo->setTextCursor(found);
    m_memo->ensureCursorVisible();
    return true;
}

void FindBar::replaceOne() {
    const QString sought = edProcurar->text();
    if (sought.isEmpty()) return;
    QTextCursor selection = m_memo->textCursor();
    if (selection.selectedText() == sought) {
        selection.insertText(edSubstituir->text());
        m_memo->setTextCursor(selection);
        m_memo->markEdited();
    }
    findNext();
}

int FindBar::replaceAll() {
    const QString sought = edProcurar->text();
    m_note->clear();
    if (sought.isEmpty()) return 0;
    QTextDocument* document = m_memo->document();
    const QString replacement = edSubstituir->text();
    int count = 0;
    QTextCursor step(document);
    step.beginEditBlock();
    // Each search starts after the last replacement, so a replacement that
    // holds the text sought is never replaced again.
    for (QTextCursor found = document->find(sought, 0, kExact); !found.isNull();
         found = document->find(sought, found, kExact)) {
        found.insertText(replacement);
        ++count;
    }
    step.endEditBlock();
    if (count == 0) {
        m_note->setText(QStringLiteral("não encontrado"));
        return 0;
    }
    m_note->setText(ui(countOf(static_cast<std::size_t>(count), "substitui\xe7\xe3o",
                               "substitui\xe7\xf5"
                               "es")));
    m_memo->markEdited();
    return count;
}

void FindBar::goToLine() {
    const int last = m_memo->document()->blockCount();
    const std::optional<int> line = askLine(m_memo->caretLine() + 1, last);
    if (line) m_memo->goToLine(*line - 1);
}

} // namespace vorn::win::form4
