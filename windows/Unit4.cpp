#include "Unit4.h"

#include "form2_pages/page_scripts.h"
#include "form4_pages/adventure_inputs.h"
#include "form4_pages/captions.h"
#include "form4_pages/memo_lines.h"
#include "form4_pages/page_auditoria.h"
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

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "context_help.h"
#include "error_report.h"
#include "files.h"
#include "line_syntax.h"
#include "preview.h"
#include "qt_text.h"
#include "scripts.h"
#include "session.h"
#include "syntax_check.h"
#include "text.h"

#include <QAbstractItemModel>
#include <QClipboard>
#include <QGuiApplication>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

#include <cstdlib>
#include <set>

namespace vorn::win {
namespace {

QLabel* barCaption(const QString& text, QWidget* parent, const char* name, int x) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setStyleSheet(QStringLiteral("color: #F4F8FA; font: bold 11px 'Arial';"
                                        "background: transparent;"));
    label->move(x, 4);
    label->adjustSize();
    return label;
}

} // namespace

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
    Pan1->addPage(Auditoria = new form4::PageAuditoria);

    Abook1 = new Notebook(QStringLiteral("Abook1"), this);
    Abook1->addPage(Instrucoes = new form4::PageInstrucoes);
    Abook1->addPage(Registradores = new form4::PageRegistradores);

    const QPixmap up1 = PictureStore::picture(store.btUp1);
    const QPixmap down1 = PictureStore::picture(store.btDw1);
    for (PictureButton* b : {Script->Sintaxe, Script->Instrucs, Script->btGrs, Backup->Image2})
        b->setLooks(up1, down1);
    for (PictureButton* b : {Script->Image1, Script->Image5, Script->Image3})
        smallLooks(b);
    buildTitleTools();
    buildPanelButtons();
    connectHandlers();
    wireConverter();
    wireSeries();
    wireModels();
    wirePanel();
    wireVariables();
    wireBanners();
    wireAudit();
    wireLinkMap();
    wireNavigation();

    setGeometry(200, kLockedTop, kNarrowWidth, kHeight);
    relayout();
    Pan1->setPageIndex(kScript);
    hide();
}

void TForm4::buildTitleTools() {
    Image18 = new PictureButton(this);
    Image18->setObjectName(QStringLiteral("Image18"));
    Image18->setGeometry(250, 4, 20, 14);
    smallLooks(Image18);
    lbCopy = barCaption(QStringLiteral("copy"), this, "lbCopy", 273);

    Image19 = new PictureButton(this);
    Image19->setObjectName(QStringLiteral("Image19"));
    Image19->setGeometry(320, 4, 20, 14);
    smallLooks(Image19);
    lbPaste = barCaption(QStringLiteral("paste"), this, "lbPaste", 343);

    btIns = new PictureButton(this);
    btIns->setObjectName(QStringLiteral("btIns"));
    btIns->setGeometry(400, 4, 20, 14);
    smallLooks(btIns);
    lbIns = barCaption(QStringLiteral("Instruções de programação"), this, "lbIns", 423);
}

void TForm4::buildPanelButtons() {
    Image14 = new PictureButton(this);
    Image14->setObjectName(QStringLiteral("Image14"));
    Image14->resize(20, 14);
    smallLooks(Image14);
    lbInstrucoes = form4::boldCaption(QStringLiteral("instruções"), this, "lbInstrucoes");

    btRegs = new PictureButton(this);
    btRegs->setObjectName(QStringLiteral("btRegs"));
    btRegs->resize(20, 14);
    smallLooks(btRegs);
    lbRegistradores = form4::boldCaption(QStringLiteral("registradores"), this, "lbRegistradores");
}

void TForm4::connectHandlers() {
    form4::ScriptMemo* memo = Script->Memo3;
    connect(memo, &form4::ScriptMemo::caretLineSettled, this,
            [this](int line) { Memo3CaretSettled(line); });
    onSignal(memo, &form4::ScriptMemo::edited, this, [this] { Memo3KeyPress(); });
    onSignal(memo, &form4::ScriptMemo::contextHelpRequested, this, [this] { Memo3KeyDown(); });
    onSignal(memo, &form4::ScriptMemo::saveRequested, this, [this] { btGrsClick(); });
    // Ctrl+S anywhere in the editor, not only in the text area.
    auto* save = new QShortcut(QKeySequence::Save, this);
    save->setContext(Qt::WindowShortcut);
    onSignal(save, &QShortcut::activated, this, [this] { btGrsClick(); });

    const auto insert = [this](const QString& line) {
        guarded([&] { insertBeforeCurrentLine(line); });
    };
    connect(Script->Modelos, &form4::ScriptTemplatesPanel::lineChosen, this, insert);
    connect(Instrucoes, &form4::PageInstrucoes::lineChosen, this, insert);
    Script->Modelos->setAreaValues(
        [this](std::string_view prefix) { return form4::adventureArea(m_forms.Form2, prefix); });
    // The aids read what "Sintaxe" reads, when they need it.
    Script->liveMarks()->setInputs([this] {
        const bool open = m_session && !m_session->SesPfx.empty();
        return LiveCheckInputs{open, form4::adventureLimits(m_forms.Form2),
                               form4::adventureScripts(m_forms.Form2),
                               open && form4::scriptListLoaded(m_forms.Form2, m_session->SesPfx)};
    });
    Script->completer()->setScriptNames([this] { return form4::adventureScripts(m_forms.Form2); });

    onSignal(Script->Sintaxe, &PictureButton::clicked, this, [this] { SintaxeClick(); });
    onSignal(Script->Instrucs, &PictureButton::clicked, this, [this] { InstrucsClick(); });
    onSignal(Script->btGrs, &PictureButton::clicked, this, [this] { btGrsClick(); });
    onSignal(Image14, &PictureButton::clicked, this, [this] { Image14Click(); });
    onSignal(btRegs, &PictureButton::clicked, this, [this] { btRegsClick(); });
    onSignal(btIns, &PictureButton::clicked, this, [this] { btInsClick(); });
    onSignal(Image18, &PictureButton::clicked, this, [this] { Image18Click(); });
    onSignal(Image19, &PictureButton::clicked, this, [this] { Image19Click(); });
    onSignal(Backup, &form4::PageBackup::copyChosen, this, [this] { File1Click(); });
    onSignal(Backup->Image2, &PictureButton::clicked, this, [this] { Image2Click(); });
    onSignal(Script->Image1, &PictureButton::clicked, this, [this] { Image1Click(); });
    onSignal(Script->Image5, &PictureButton::clicked, this, [this] { Image5Click(); });
    onSignal(Script->Image3, &PictureButton::clicked, this, [this] { Image3Click(); });
    connect(Navegador->Web2, &form4::EditorBrowser::navigating, this,
            [this](const QString& address) { Web2BeforeNavigate2(address); });
}

void TForm4::attach(const Forms& forms) {
    m_forms = forms;
    if (forms.Form1) {
        m_sharedSession = &forms.Form1->session();
        m_session = m_sharedSession;
    }
    // Targets are judged against the script list: when it arrives or
    // changes (a script created, renamed or deleted), the marks are worked
    // out again after the usual pause.
    if (forms.Form2) {
        const QAbstractItemModel* scripts = forms.Form2->Scripts->Lbx2->model();
        QTimer* recheck = Script->liveMarks()->timer();
        const auto again = [recheck] { recheck->start(); };
        connect(scripts, &QAbstractItemModel::rowsInserted, recheck, again);
        connect(scripts, &QAbstractItemModel::rowsRemoved, recheck, again);
        connect(scripts, &QAbstractItemModel::dataChanged, recheck, again);
        connect(scripts, &QAbstractItemModel::modelReset, recheck, again);
    }
    if (const char* path = std::getenv("VORNSCRIPT_SHOW_EDITOR"); path && *path)
        showFileForDevelopment(path);
}

void TForm4::enableAfterLogin() {
    Script->Sintaxe->setEnabled(true);
    Script->Instrucs->setEnabled(true);
}

void TForm4::setBackground() {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xE1, 0xE1, 0xE1));
    setPalette(pal);
}

// ---- The text and its safety ----

std::vector<std::string> TForm4::scriptText() const {
    return form4::memoLines(Script->Memo3->document());
}

void TForm4::showMessage(const std::string& cp1252) {
    Backup->Memo5->setPlainText(ui(cp1252));
    // A message is no copy: nothing to compare.
    Backup->lbChanges->clear();
    Backup->changes->clear();
}

// ---- Script page ----

int TForm4::currentLine() const {
    return Script->currentLine();
}

void TForm4::Memo3CaretSettled(int line) {
    Script->setCurrentLine(line);
}

void TForm4::Memo3KeyPress() {
    Script->setUnsaved(true);
}

void TForm4::Memo3KeyDown() {
    if (!m_session || !m_forms.Form3) return;
    const QTextCursor caret = Script->Memo3->textCursor();
    const auto page = contextHelpPage(bytes(caret.block().text()),
                                      static_cast<std::size_t>(caret.positionInBlock()));
    if (!page) return;
    m_forms.Form3->Web->navigate(ui(helpPageAddress(m_session->UrlLog, *page)));
    m_forms.Form3->show();
    m_forms.Form3->raise();
}

void TForm4::insertBeforeCurrentLine(const QString& line) {
    form4::insertLineBefore(Script->Memo3, Script->currentLine(), line);
}

namespace {

// The check drops every annotation line of the text and writes its own; an
// annotation line it does not write back the same may hold the author's
// typing.
bool dropsAnnotationText(const std::vector<std::string>& text,
                         const std::vector<CheckedLine>& checked) {
    std::multiset<std::string_view> old;
    for (const std::string& line : text)
        if (trimBlanks(line).starts_with(kAnnotationPrefix)) old.insert(trimBlanks(line));
    for (const CheckedLine& line : checked)
        if (const auto found = old.find(trimBlanks(line.text)); found != old.end())
            old.erase(found);
    return !old.empty();
}

} // namespace

void TForm4::SintaxeClick() {
    const std::vector<std::string> text = scriptText();
    CheckResult checked = checkScript(text, form4::adventureLimits(m_forms.Form2),
                                      form4::adventureScripts(m_forms.Form2));
    if (dropsAnnotationText(text, checked.lines)) keepUnsavedCopy();
    form4::showCheckedLines(Script->Memo3, checked.lines);
}

void TForm4::InstrucsClick() {
    const int wide = width() == kNarrowWidth ? kWideWidth : kNarrowWidth;
    resize(wide, height());
    setWorkingWidth(wide);
    if (Abook1->PageIndex() == 1) refreshRegisters();
}

void TForm4::Image14Click() {
    Abook1->setPageIndex(0);
}

void TForm4::btRegsClick() {
    refreshRegisters();
}

void TForm4::Image18Click() {
    Script->Memo3->copy();
}

void TForm4::Image19Click() {
    form4::insertPlainAtCaret(Script->Memo3, QGuiApplication::clipboard()->text());
}

// ---- Navegador page ----

std::string TForm4::referenceAddress() const {
    if (!m_referenceAddress.empty()) return m_referenceAddress;
    return (m_session ? m_session->UrlSite : std::string()) + "html/quorbel/pags/instrucs/";
}

void TForm4::btInsClick() {
    Pan1->setPageIndex(kNavegador);
    Navegador->Web2->navigate(ui(referenceAddress()));
}

void TForm4::Web2BeforeNavigate2(const QString& address) {
    const std::string target = bytes(address);
    if (target.find("instrucs") != std::string::npos)
        m_referenceAddress = target;
    else if (m_sharedSession)
        m_sharedSession->WebUrl = target;
}

// ---- Layout ----

void TForm4::layoutPages() {
    const int pageHeight = height() - kBarHeight;
    Pan1->setGeometry(0, kBarHeight, kNarrowWidth, pageHeight);
    // Past the narrow width: only a wide window shows it.
    const int left = kWideWidth - kPanelWidth;
    constexpr int kButtons = 30;
    Abook1->setGeometry(left, kBarHeight, kPanelWidth, pageHeight - kButtons);
    const int y = kBarHeight + pageHeight - kButtons + 8;
    Image14->move(left + 8, y);
    lbInstrucoes->move(left + 32, y);
    btRegs->move(left + 120, y);
    lbRegistradores->move(left + 144, y);
}

// A developer's view of the editor with a local file loaded, widened and
// checked, for looking at the colours and the reference panel.
void TForm4::showFileForDevelopment(const char* path) {
    const std::string file(path);
    QTimer::singleShot(300, this, [this, file] {
        guarded([&] {
            std::string name = file.substr(file.find_last_of('/') + 1);
            if (const auto dot = name.rfind(".scp"); dot != std::string::npos) name.resize(dot);
            replaceScriptText(name, splitLines(readFile(file)));
            enableAfterLogin();
            move(200, kLockedTop);
            resize(kWideWidth, height());
            setWorkingWidth(kWideWidth);
            Pan1->setPageIndex(kScript);
            show();
            raise();
            SintaxeClick();
        });
    });
}

} // namespace vorn::win
