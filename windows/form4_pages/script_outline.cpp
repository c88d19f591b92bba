#include "script_outline.h"

#include "line_syntax.h"
#include "qt_text.h"

#include <QResizeEvent>
#include <QTextDocument>

namespace vorn::win::form4 {

namespace {

QLabel* heading(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: #2b3a55; font-weight: bold;"));
    return label;
}

} // namespace

ScriptOutline::ScriptOutline(QTextDocument* document, QWidget* parent)
    : QWidget(parent)
    , m_document(document) {
    setObjectName(QStringLiteral("pnRotulos"));
    heading(this, QStringLiteral("Rótulos:"))->move(0, 0);
    m_labels = new QListWidget(this);
    m_labels->setObjectName(QStringLiteral("lbxRotulos"));
    heading(this, QStringLiteral("Levam aqui:"))->setObjectName(QStringLiteral("lbLevamAqui"));
    m_leadsHere = new QListWidget(this);
    m_leadsHere->setObjectName(QStringLiteral("lbxLevamAqui"));
    m_leadsNote = new QLabel(this);
    m_leadsNote->setObjectName(QStringLiteral("lbLevamAquiNota"));
    m_leadsNote->setWordWrap(true);
    m_leadsNote->setStyleSheet(QStringLiteral("color: #606060; font-size: 10px;"));

    // Typing a label shows it within a breath, without a rebuild per key.
    m_pause.setSingleShot(true);
    m_pause.setInterval(250);
    connect(&m_pause, &QTimer::timeout, this, &ScriptOutline::refresh);
    connect(document, &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (removed || added) m_pause.start();
    });
    connect(m_labels, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const auto row = static_cast<std::size_t>(m_labels->row(item));
        if (row < m_lines.size()) emit labelChosen(m_lines[row]);
    });
    connect(m_leadsHere, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        emit scriptChosen(QByteArray::fromStdString(bytes(item->text())));
    });
}

void ScriptOutline::refresh() {
    m_pause.stop();
    QStringList names;
    std::vector<int> lines;
    // One pass over the whole text: far cheaper on a long script than a
    // text copy per block.
    const QString text = m_document->toPlainText();
    int line = 0;
    for (qsizetype start = 0; start <= text.size(); ++line) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0) end = text.size();
        qsizetype first = start;
        while (first < end && text[first].unicode() <= u' ')
            ++first;
        if (first < end && text[first] == u':') {
            names.append(ui(trimBlanks(bytes(text.mid(first, end - first))).substr(1)));
            lines.push_back(line);
        }
        start = end + 1;
    }
    m_lines = std::move(lines);
    // Most keys change no label: the list, and where it is scrolled, stay.
    if (names == m_names) return;
    m_names = std::move(names);
    m_labels->clear();
    m_labels->addItems(m_names);
}

void ScriptOutline::setLeadsHere(const std::vector<std::string>& names, const QString& note) {
    m_leadsHere->clear();
    for (const auto& name : names)
        m_leadsHere->addItem(ui(name));
    m_leadsNote->setText(note);
}

void ScriptOutline::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = event->size().width(), h = event->size().height();
    const int half = (h - 40) / 2;
    m_labels->setGeometry(0, 18, w, half);
    findChild<QLabel*>(QStringLiteral("lbLevamAqui"))->move(0, 24 + half);
    m_leadsHere->setGeometry(0, 42 + half, w, half - 40);
    m_leadsNote->setGeometry(0, h - 36, w, 36);
}

} // namespace vorn::win::form4
