#include "Unit4.h"

#include "form4_pages/page_backup.h"
#include "form4_pages/page_banners.h"
#include "form4_pages/page_controle.h"
#include "form4_pages/page_conversor.h"
#include "form4_pages/page_default.h"
#include "form4_pages/page_extra.h"
#include "form4_pages/page_instrucoes.h"
#include "form4_pages/page_modelos.h"
#include "form4_pages/page_navegador.h"
#include "form4_pages/page_painel.h"
#include "form4_pages/page_registradores.h"
#include "form4_pages/page_script.h"
#include "form4_pages/page_seriado.h"
#include "form4_pages/page_variaveis.h"

#include "error_report.h"
#include "qt_text.h"
#include "scripts.h"
#include "session.h"

#include <QTextCursor>

namespace vorn::win {

TForm4::TForm4(const PictureStore& store, QWidget* parent)
    : ToolWindow(store, QStringLiteral("Editor de scripts"), parent) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Editor de scripts"));

    Pan1 = new Notebook(QStringLiteral("Pan1"), this);
    Pan1->addPage(Default = new form4::PageDefault);
    Pan1->addPage(Script = new form4::PageScript);
    Pan1->addPage(Navegador = new form4::PageNavegador);
    Pan1->addPage(Backup = new form4::PageBackup);
    Pan1->addPage(Controle = new form4::PageControle);
    Pan1->addPage(Banners = new form4::PageBanners);
    Pan1->addPage(Conversor = new form4::PageConversor);
    Pan1->addPage(Seriado = new form4::PageSeriado);
    Pan1->addPage(Modelos = new form4::PageModelos);
    Pan1->addPage(Extra = new form4::PageExtra);
    Pan1->addPage(Painel = new form4::PagePainel);
    Pan1->addPage(Variaveis = new form4::PageVariaveis);

    Abook1 = new Notebook(QStringLiteral("Abook1"), this);
    Abook1->addPage(Instrucoes = new form4::PageInstrucoes);
    Abook1->addPage(Registradores = new form4::PageRegistradores);

    setGeometry(200, kLockedTop, kNarrowWidth, kHeight);
    relayout();
    Pan1->setPageIndex(kScript);
    hide();
}

void TForm4::setBackground() {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xE1, 0xE1, 0xE1));
    setPalette(pal);
}

std::vector<std::string> TForm4::scriptText() const {
    std::vector<std::string> lines;
    const QString text = Script->Memo3->toPlainText();
    for (const QString& line : text.split(QLatin1Char('\n'))) lines.push_back(bytes(line));
    return lines;
}

bool TForm4::hasUnsavedChanges() const { return Script->unsaved(); }

bool TForm4::keepUnsavedCopy() {
    if (!Script->unsaved() || !m_session || m_session->DirAdv.empty()) return false;
    const std::string name = m_loadedScript.empty() ? m_session->SesScp : m_loadedScript;
    if (name.empty()) return false;
    keepLocalCopy(m_session->DirAdv, name, scriptText());
    Script->setUnsaved(false);
    return true;
}

void TForm4::setText(const std::vector<std::string>& lines) {
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) text += QLatin1Char('\n');
        text += ui(lines[i]);
    }
    QTextEdit* memo = Script->Memo3;
    memo->clear();
    memo->setTextColor(Qt::black);
    memo->setFontWeight(QFont::Normal);
    memo->setFontItalic(false);
    memo->setPlainText(text);
    memo->moveCursor(QTextCursor::Start);
}

void TForm4::replaceScriptText(const std::string& script, const std::vector<std::string>& lines) {
    keepUnsavedCopy();
    setText(lines);
    m_loadedScript = script;
    Script->setUnsaved(false);
}

void TForm4::clearScriptText() { replaceScriptText({}, {}); }

void TForm4::showMessage(const std::string& cp1252) {
    Backup->Memo5->setPlainText(ui(cp1252));
}

void TForm4::layoutPages() {
    const int pageHeight = height() - kBarHeight;
    Pan1->setGeometry(0, kBarHeight, kNarrowWidth, pageHeight);
    // Past the narrow width: only a wide window shows it.
    Abook1->setGeometry(kWideWidth - kPanelWidth, kBarHeight, kPanelWidth, pageHeight);
}

} // namespace vorn::win
