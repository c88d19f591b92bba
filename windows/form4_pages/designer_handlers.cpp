// The script editor's screen rectangle designer: opening it on the current
// line over the position's screen, and putting the rebuilt line back.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "adventure.h"
#include "cp1252.h"
#include "designer_line.h"
#include "designer_screen.h"
#include "error.h"
#include "files.h"
#include "form4_pages/adventure_inputs.h"
#include "form4_pages/designer_canvas.h"
#include "form4_pages/memo_lines.h"
#include "form4_pages/page_default.h"
#include "form4_pages/page_script.h"
#include "line_syntax.h"
#include "pictures.h"
#include "qt_text.h"
#include "session.h"
#include "transfers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QStringList>

#include <optional>

namespace vorn::win {
namespace {

[[noreturn]] void refuse(const std::string& cp1252) {
    throw Error(cp1252ToUtf8(cp1252));
}

// A picture of the adventure folder, fetched first when fetch is given and
// the file is missing. A name that is unsafe, missing or unreadable gives
// no picture at all, never one shown before, and a note for the author.
QImage adventurePicture(const Session& s, RequestLayer* fetch, const std::string& name,
                        QStringList& notes) {
    if (name.empty()) return {};
    if (!isSafeFileName(name) || s.DirAdv.empty() || !isSafeFileName(s.SesPfx)) {
        notes << QStringLiteral("Nome de imagem inválido: ") + ui(name);
        return {};
    }
    if (fetch) DownloadAdventureFile(*fetch, s, name);
    QImage picture;
    try {
        LoadPictureFile(s, name, picture);
    } catch (const Error&) {
        picture = QImage();
    }
    if (picture.isNull()) notes << QStringLiteral("Imagem não encontrada: ") + ui(name);
    return picture;
}

QColor parameterColour(const QWidget* tools, std::string_view field) {
    const std::uint32_t bgr = HtmlColorToColor(form4::adventureField(tools, field));
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

struct LineAt {
    int line;
    std::string text;
};

// The current line and its text, when the text has that line.
std::optional<LineAt> currentLineText(const TForm4& editor) {
    const std::vector<std::string> lines = editor.scriptText();
    const int at = editor.currentLine();
    if (at < 0 || static_cast<std::size_t>(at) >= lines.size()) return std::nullopt;
    return LineAt{at, lines[static_cast<std::size_t>(at)]};
}

} // namespace

void TForm4::Image1Click() {
    if (const auto at = currentLineText(*this))
        if (const auto read = readElementLine(at->text)) openDesigner(*read, at->line, at->text);
}

void TForm4::Image5Click() {
    if (const auto at = currentLineText(*this))
        if (const auto read = readAreaLine(at->text)) openDesigner(*read, at->line, at->text);
}

void TForm4::Image3Click() {
    Image5Click();
}

void TForm4::openDesigner(const DesignerLine& read, int line, const std::string& text) {
    // Every number is read before anything changes on screen: a bad one
    // leaves the editor as it was.
    const RectangleReading rect = readRectangle(read);
    if (!rect.fault.empty()) refuse(rect.fault);
    const QWidget* tools = m_forms.Form2;
    ScreenParameters parameters;
    parameters.JanWd = form4::adventureField(tools, "JanWd");
    parameters.JanHt = form4::adventureField(tools, "JanHt");
    parameters.TelPx = form4::adventureField(tools, "TelPx");
    parameters.TelPy = form4::adventureField(tools, "TelPy");
    parameters.TelWd = form4::adventureField(tools, "TelWd");
    parameters.TelHt = form4::adventureField(tools, "TelHt");
    parameters.ImgPan = form4::adventureField(tools, "ImgPan");
    if (m_session) parameters.AdvLine19 = m_session->AdvLine19;
    const ScreenLayout layout = designerScreenLayout(parameters);
    if (!layout.fault.empty()) refuse(layout.fault);

    if (m_forms.Form2) {
        m_forms.Form2->Abook->setPageIndex(TForm2::kScripts);
        m_forms.Form2->show();
    }
    Pan1->setPageIndex(kDefault);
    resize(kNarrowWidth, height());

    const Session empty;
    const Session& s = m_session ? *m_session : empty;
    RequestLayer* layer = m_forms.Form1 ? &m_forms.Form1->requests() : nullptr;
    QStringList notes;
    const QImage panel = adventurePicture(s, nullptr, parameters.ImgPan, notes);
    const QImage screen = adventurePicture(s, layer, bytes(Script->TelPos->text()), notes);
    const QColor background = m_forms.Form3 ? m_forms.Form3->frameColour() : QColor(Qt::white);
    QImage canvas = form4::composeScreen(layout, background, panel, screen);

    switch (previewOf(read.head)) {
    case ElementPreview::Picture:
        form4::drawPicturePreview(canvas, rect.rect,
                                  adventurePicture(s, layer, read.extra(1), notes));
        break;
    case ElementPreview::Text: {
        if (const auto points = textPointSize(read.extra(1))) Default->setTextPoints(*points);
        const std::string family = form4::adventureField(tools, "Edit7");
        QFont font(family.empty() ? QStringLiteral("Arial") : ui(family));
        font.setPointSize(Default->textPoints());
        const bool link = trimBlanks(read.head) == "lnk";
        form4::drawTextPreview(canvas, rect.rect.x, rect.rect.y, ui(read.extra(2)), font,
                               parameterColour(tools, link ? "Edit10" : "Edit9"));
        break;
    }
    case ElementPreview::None:
        break;
    }
    Default->open(read, rect.rect, {m_loadedScript, line, text}, canvas);
    Default->showNote(notes.join(QStringLiteral("; ")));
}

void TForm4::putDesignerLineBack() {
    form4::PageDefault* designer = Default;
    if (designer->mode() != DesignerMode::Closed) {
        const form4::DesignerOrigin& from = designer->origin();
        const std::vector<std::string> lines = scriptText();
        const bool same = from.script == m_loadedScript && from.line >= 0 &&
                          static_cast<std::size_t>(from.line) < lines.size() &&
                          lines[static_cast<std::size_t>(from.line)] == from.text;
        if (!same) {
            // Another script, or a changed text: the line would land where
            // it does not belong.
            QGuiApplication::clipboard()->setText(ui(designer->line()));
            Script->status()->setText(
                QStringLiteral("O texto mudou desde que a área foi aberta: a linha refeita "
                               "está na área de transferência."));
        } else if (designer->line() != from.text) {
            form4::replaceLine(Script->Memo3, from.line, ui(designer->line()));
        }
    }
    Script->setUnsaved(true);
    designer->close();
}

} // namespace vorn::win
