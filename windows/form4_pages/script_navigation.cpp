// The script as a text that shows its structure: go to what a target names
// and back, the outline's labels and the scripts that lead here, and the
// reference or the target's first lines on hover.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "error_report.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/page_script.h"
#include "form4_pages/script_memo.h"
#include "form4_pages/script_outline.h"
#include "highlight.h"
#include "line_syntax.h"
#include "link_graph.h"
#include "qt_text.h"
#include "reference_text.h"
#include "references.h"
#include "scripts.h"
#include "session.h"

#include <QTextBlock>

#include <map>

namespace vorn::win {

namespace {

constexpr std::size_t kPlacesKept = 50;

struct SpanAt {
    Span span;
    std::string text; // cp1252
};

// The coloured part of the line under a position of the text.
std::optional<SpanAt> spanAt(const QTextDocument* document, int position) {
    const QTextBlock block = document->findBlock(position);
    if (!block.isValid()) return std::nullopt;
    const std::string line = bytes(block.text());
    const auto column = static_cast<std::size_t>(position - block.position());
    const LineState before = block.previous().isValid() && block.previous().userState() == 1
                                 ? LineState::FreeText
                                 : LineState::Code;
    for (const Span& s : highlightLine(line, before).spans)
        if (column >= s.start && column <= s.start + s.length)
            return SpanAt{s, line.substr(s.start, s.length)};
    return std::nullopt;
}

} // namespace

struct TForm4::Places {
    std::vector<std::pair<std::string, int>> back; // script, line
    std::map<std::string, std::string> openings;   // first lines fetched for a hover
};

void TForm4::wireNavigation() {
    m_places = std::make_shared<Places>();
    form4::ScriptMemo* memo = Script->Memo3;
    connect(memo, &form4::ScriptMemo::targetRequested, this,
            [this](int position) { guarded([&] { followTarget(position); }); });
    onSignal(memo, &form4::ScriptMemo::backRequested, this, [this] { goBack(); });
    connect(Script->outline(), &form4::ScriptOutline::labelChosen, this,
            [this](int line) { Script->Memo3->goToLine(line); });
    connect(Script->outline(), &form4::ScriptOutline::scriptChosen, this,
            [this](const QByteArray& name) { guarded([&] { goToScript(name.toStdString()); }); });
    connect(Script->outline()->m_leadsNote, &QLabel::linkActivated, this,
            [this] { guarded([&] { readLinkGraph(); }); });
    memo->setHoverText([this](int position) { return hoverText(position); });
}

void TForm4::rememberPlace() {
    auto& back = m_places->back;
    back.emplace_back(m_loadedScript, Script->Memo3->caretLine());
    if (back.size() > kPlacesKept) back.erase(back.begin());
}

bool TForm4::goToScript(const std::string& name) {
    rememberPlace();
    openScriptAt(name, 0);
    if (m_loadedScript == name) return true;
    // Refused or cancelled: the author is still where they were.
    m_places->back.pop_back();
    return false;
}

void TForm4::followTarget(int position) {
    const auto at = spanAt(Script->Memo3->document(), position);
    if (!at) return;
    if (at->span.kind == SpanKind::ScriptTarget) {
        const std::string name(adventure::targetName(at->text));
        const auto listed = m_forms.Form2->Scripts->Lbx2->findItems(
            ui(name), Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (listed.isEmpty()) {
            Script->status()->setText(
                QStringLiteral("O script \"%1\" não existe na aventura.").arg(ui(name)));
            return;
        }
        goToScript(name);
    } else if (at->span.kind == SpanKind::LabelTarget) {
        const std::string wanted = ":" + std::string(trimTrailingBlanks(at->text));
        for (QTextBlock b = Script->Memo3->document()->begin(); b.isValid(); b = b.next()) {
            const std::string line = bytes(b.text());
            if (trimTrailingBlanks(trimBlanks(line)) != wanted) continue;
            rememberPlace();
            Script->Memo3->goToLine(b.blockNumber());
            return;
        }
        Script->status()->setText(
            QStringLiteral("O rótulo \"%1\" não existe neste script.").arg(ui(at->text)));
    }
}

void TForm4::goBack() {
    auto& back = m_places->back;
    if (back.empty()) return;
    const auto [script, line] = back.back();
    back.pop_back();
    if (script != m_loadedScript) {
        openScriptAt(script, line);
        return;
    }
    Script->Memo3->goToLine(line);
}

QString TForm4::hoverText(int position) {
    const auto at = spanAt(Script->Memo3->document(), position);
    if (!at) return {};
    if (at->span.kind == SpanKind::Keyword) {
        const ReferenceEntry* entry = referenceFor(at->text);
        if (!entry) return {};
        return ui(entry->syntax) + QStringLiteral("\n") + ui(entry->description);
    }
    if (at->span.kind != SpanKind::ScriptTarget || !m_forms.Form1) return {};
    const std::string name(adventure::targetName(at->text));
    if (m_forms.Form2->Scripts->Lbx2->findItems(ui(name), Qt::MatchExactly | Qt::MatchCaseSensitive)
            .isEmpty())
        return {};
    auto& openings = m_places->openings;
    auto known = openings.find(name);
    if (known == openings.end()) {
        std::string text;
        for (const auto& line :
             fetchScript(m_forms.Form1->requests(), m_forms.Form1->session(), name))
            text += line + "\n";
        known = openings.emplace(name, adventure::openingLines(text, 8, 80)).first;
    }
    return ui(name + "\n\n" + known->second);
}

void TForm4::forgetOpenings() {
    if (m_places) m_places->openings.clear();
}

} // namespace vorn::win
