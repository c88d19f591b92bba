#include "diff_view.h"

#include "line_diff.h"
#include "qt_text.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace vorn::win::form4 {
namespace {

const QColor kRemoved(0xFF, 0xD7, 0xD5);
const QColor kAdded(0xD4, 0xF5, 0xD2);
const QColor kFiller(0xEE, 0xEE, 0xEE);

// Builds a view's text in one pass: a block per line, coloured by its own
// block format, so that long scripts stay quick to show.
class Writer {
public:
    explicit Writer(QTextEdit* view)
        : m_view(view)
        , m_cursor(view->document()) {
        view->clear();
        m_cursor.beginEditBlock();
    }
    ~Writer() {
        m_cursor.endEditBlock();
        m_view->moveCursor(QTextCursor::Start);
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    void line(const QString& text, const QColor* background) {
        QTextBlockFormat format;
        if (background) format.setBackground(*background);
        if (m_first)
            m_cursor.setBlockFormat(format);
        else
            m_cursor.insertBlock(format);
        m_first = false;
        m_cursor.insertText(text);
    }

private:
    QTextEdit* m_view;
    QTextCursor m_cursor;
    bool m_first = true;
};

} // namespace

std::size_t showSideBySide(QTextEdit* left, QTextEdit* right, const TextLines& leftText,
                           const TextLines& rightText) {
    const std::vector<DiffLine> diff = diffLines(leftText, rightText);
    Writer l(left);
    Writer r(right);
    for (std::size_t i = 0; i < diff.size();) {
        if (diff[i].kind == DiffKind::Same) {
            l.line(ui(leftText[diff[i].oldLine]), nullptr);
            r.line(ui(rightText[diff[i].newLine]), nullptr);
            ++i;
            continue;
        }
        // A run of changes: removed lines face added ones, the shorter side
        // padded, so that a changed line sits beside its new version.
        std::vector<std::size_t> removed, added;
        for (; i < diff.size() && diff[i].kind != DiffKind::Same; ++i) {
            if (diff[i].kind == DiffKind::Removed)
                removed.push_back(diff[i].oldLine);
            else
                added.push_back(diff[i].newLine);
        }
        const std::size_t rows = std::max(removed.size(), added.size());
        for (std::size_t k = 0; k < rows; ++k) {
            if (k < removed.size())
                l.line(ui(leftText[removed[k]]), &kRemoved);
            else
                l.line(QString(), &kFiller);
            if (k < added.size())
                r.line(ui(rightText[added[k]]), &kAdded);
            else
                r.line(QString(), &kFiller);
        }
    }
    return changedLineCount(diff);
}

std::size_t showChanges(QTextEdit* view, const TextLines& from, const TextLines& to) {
    constexpr std::size_t kContext = 2;
    const std::vector<DiffLine> diff = diffLines(from, to);
    // Which lines show: every change and its context.
    std::vector<bool> shown(diff.size(), false);
    for (std::size_t i = 0; i < diff.size(); ++i) {
        if (diff[i].kind == DiffKind::Same) continue;
        const std::size_t first = i >= kContext ? i - kContext : 0;
        const std::size_t last = std::min(diff.size() - 1, i + kContext);
        for (std::size_t k = first; k <= last; ++k)
            shown[k] = true;
    }
    Writer out(view);
    bool skipping = false;
    for (std::size_t i = 0; i < diff.size(); ++i) {
        if (!shown[i]) {
            if (!skipping) out.line(QStringLiteral("..."), &kFiller);
            skipping = true;
            continue;
        }
        skipping = false;
        const DiffLine& d = diff[i];
        switch (d.kind) {
        case DiffKind::Same:
            out.line(QStringLiteral("  ") + ui(from[d.oldLine]), nullptr);
            break;
        case DiffKind::Removed:
            out.line(QStringLiteral("- ") + ui(from[d.oldLine]), &kRemoved);
            break;
        case DiffKind::Added:
            out.line(QStringLiteral("+ ") + ui(to[d.newLine]), &kAdded);
            break;
        }
    }
    return changedLineCount(diff);
}

void scrollTogether(QTextEdit* a, QTextEdit* b) {
    for (auto [from, to] : {std::pair{a, b}, std::pair{b, a}}) {
        QScrollBar* target = to->verticalScrollBar();
        QObject::connect(from->verticalScrollBar(), &QScrollBar::valueChanged, target,
                         [target](int value) { target->setValue(value); });
        QScrollBar* targetH = to->horizontalScrollBar();
        QObject::connect(from->horizontalScrollBar(), &QScrollBar::valueChanged, targetH,
                         [targetH](int value) { targetH->setValue(value); });
    }
}

} // namespace vorn::win::form4
