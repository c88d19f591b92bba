#include "page_modelos.h"

#include "form2_pages/page_parts.h"
#include "form4_pages/plain_lines.h"
#include "qt_text.h"

#include <QFont>

namespace vorn::win::form4 {
namespace {

using form2::label;

QPlainTextEdit* textArea(QWidget* page, const char* name, QRect box) {
    auto* area = new QPlainTextEdit(page);
    area->setObjectName(QString::fromLatin1(name));
    area->setGeometry(box);
    return area;
}

void showLines(QPlainTextEdit* area, const std::vector<std::string>& lines) {
    QStringList texts;
    for (const std::string& line : lines)
        texts << ui(line);
    area->setPlainText(texts.join(QLatin1Char('\n')));
}

PictureButton* captioned(QWidget* page, const char* name, int tag, const QString& caption, int x,
                         int y) {
    PictureButton* button = form2::toolButton(page, name, x, y);
    button->setProperty("Tag", tag);
    label(page, nullptr, caption, x + 36, y + 3);
    return button;
}

} // namespace

PageModelos::PageModelos(QWidget* parent)
    : NotebookPage(QStringLiteral("Modelos"), parent) {
    lbTitulo = label(this, "lbTitulo", QStringLiteral("Modelos de scripts:"), 10, 10);
    lbTitulo->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));
    lbTitulo->adjustSize();

    constexpr int kTop = 60;
    constexpr int kRight = 270;
    Lbx4 = form2::list(this, "Lbx4", {10, kTop, 250, 520}, false);
    label(this, nullptr, QStringLiteral("Descrição:"), kRight, kTop - 20);
    Memo4 = textArea(this, "Memo4", {kRight, kTop, 650, 110});
    label(this, nullptr, QStringLiteral("Script:"), kRight, kTop + 122);
    Memo1 = textArea(this, "Memo1", {kRight, kTop + 142, 650, 320});
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont typewriter(QStringLiteral("Courier New"));
    typewriter.setStyleHint(QFont::TypeWriter);
    typewriter.setPixelSize(13);
    Memo1->setFont(typewriter);
    // The description and the file list are the service's; only the script
    // is the author's to adapt before it is put.
    Memo4->setReadOnly(true);
    Memo7 = textArea(this, "Memo7", {kRight, kTop, 10, 10});
    Memo7->hide();

    Image11 =
        captioned(this, "Image11", 1, QStringLiteral("Implementar este script na aventura..."),
                  kRight, kTop + 476);
    Image12 = captioned(this, "Image12", 0,
                        QStringLiteral("Adicionar este script no script em edição..."),
                        kRight + 330, kTop + 476);
    m_gauge = pageGauge(this, {kRight, kTop + 508, 650, 20});
    m_status = form2::statusLabel(this, "lbStatus", {kRight, kTop + 536, 650, 40});

    modelChosen = new ListChoice(Lbx4);
    ask = messageBoxQuestion(this);
}

Model PageModelos::model() const {
    Model shown = m_model;
    if (!shown.name.empty()) shown.script = plainLines(Memo1);
    return shown;
}

void PageModelos::showModel(Model model) {
    m_model = std::move(model);
    showLines(Memo4, m_model.description);
    showLines(Memo1, m_model.script);
    showLines(Memo7, m_model.files);
}

} // namespace vorn::win::form4
