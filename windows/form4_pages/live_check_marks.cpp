#include "live_check_marks.h"

#include "memo_lines.h"
#include "messages.h"
#include "qt_text.h"
#include "script_memo.h"

#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QToolTip>

namespace vorn::win::form4 {
namespace {

const QColor kMarkRed(220, 0, 0);

// A line's band in the text area's viewport is also its band in the strip
// beside it, which shares its top.
bool withinLine(const ScriptMemo* memo, const QTextBlock& block, int y) {
    const QRectF band = memo->blockRect(block);
    return band.top() <= y && y < band.bottom();
}

} // namespace

// The strip of marks at the left of the text: a red dot beside each faulty
// line, its message as the dot's tooltip.
class LiveCheckMargin : public QWidget {
public:
    LiveCheckMargin(ScriptMemo* memo, const LiveCheckMarks* marks)
        : QWidget(memo)
        , m_memo(memo)
        , m_marks(marks) {
        setObjectName(QStringLiteral("LiveMargin"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0xF0, 0xF0, 0xF0));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kMarkRed);
        const QTextDocument* document = m_memo->document();
        const double radius = (width() - 4) / 2.0;
        for (const int line : m_marks->faultyLines()) {
            const QRectF band = m_memo->blockRect(document->findBlockByNumber(line));
            if (band.bottom() < 0 || band.top() > height()) continue;
            painter.drawEllipse(QPointF(width() / 2.0, band.center().y()), radius, radius);
        }
    }

    bool event(QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return QWidget::event(event);
        const auto* help = static_cast<QHelpEvent*>(event);
        const QTextDocument* document = m_memo->document();
        for (const int line : m_marks->faultyLines()) {
            if (!withinLine(m_memo, document->findBlockByNumber(line), help->pos().y())) continue;
            QToolTip::showText(help->globalPos(), m_marks->messageAt(line), this);
            return true;
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }

private:
    const ScriptMemo* m_memo;
    const LiveCheckMarks* m_marks;
};

LiveCheckMarks::LiveCheckMarks(ScriptMemo* memo, QLabel* status)
    : QObject(memo)
    , m_memo(memo)
    , m_status(status)
    , m_timer(new QTimer(this))
    , m_margin(new LiveCheckMargin(memo, this)) {
    setObjectName(QStringLiteral("LiveCheckMarks"));
    m_timer->setObjectName(QStringLiteral("tmLiveCheck"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(kPauseMs);
    connect(m_timer, &QTimer::timeout, this, [this] { checkNow(); });

    memo->setLeftMargin(kMarginWidth);
    placeMargin();
    memo->installEventFilter(this);
    memo->viewport()->installEventFilter(this);
    connect(memo->document(), &QTextDocument::contentsChange, this,
            [this](int, int removed, int added) {
                if (removed || added) textChanged();
            });
    connect(memo->verticalScrollBar(), &QScrollBar::valueChanged, m_margin,
            [this] { m_margin->update(); });
    connect(memo, &ScriptMemo::cursorPositionChanged, this, [this] { followCaret(); });
}

QWidget* LiveCheckMarks::margin() const {
    return m_margin;
}

bool LiveCheckMarks::pending() const {
    return m_timer->isActive();
}

void LiveCheckMarks::textChanged() {
    // Every change starts the pause again, so the check runs once the
    // author stops; until then the marks ride along with their lines.
    m_timer->start();
    m_margin->update();
}

void LiveCheckMarks::checkNow() {
    m_timer->stop();
    const LiveCheckInputs inputs = m_inputs ? m_inputs() : LiveCheckInputs{};
    const std::vector<Fault> faults = liveFaults(memoLines(m_memo->document()), inputs);
    const QTextDocument* document = m_memo->document();
    m_marks.clear();
    m_marks.reserve(faults.size());
    for (const Fault& fault : faults) {
        const QTextBlock block = document->findBlockByNumber(static_cast<int>(fault.source));
        if (!block.isValid()) continue;
        const QString text = block.text();
        int lead = 0;
        while (lead < text.size() && text.at(lead).isSpace())
            ++lead;
        QTextCursor line(block);
        line.setPosition(block.position() + lead);
        line.setPosition(block.position() + static_cast<int>(text.size()), QTextCursor::KeepAnchor);
        m_marks.push_back({line, ui(messageBody(fault.message))});
    }
    showUnderlines();
    m_margin->update();
    followCaret();
}

void LiveCheckMarks::showUnderlines() {
    QList<QTextEdit::ExtraSelection> underlines;
    for (const Mark& mark : m_marks) {
        QTextEdit::ExtraSelection underline;
        underline.cursor = mark.line;
        underline.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        underline.format.setUnderlineColor(kMarkRed);
        underlines << underline;
    }
    m_memo->setExtraSelections(underlines);
}

std::vector<int> LiveCheckMarks::faultyLines() const {
    std::vector<int> lines;
    for (const Mark& mark : m_marks)
        if (mark.line.hasSelection()) lines.push_back(mark.line.block().blockNumber());
    return lines;
}

QString LiveCheckMarks::messageAt(int line) const {
    for (const Mark& mark : m_marks)
        if (mark.line.hasSelection() && mark.line.block().blockNumber() == line)
            return mark.message;
    return {};
}

void LiveCheckMarks::followCaret() {
    const QString message = messageAt(m_memo->textCursor().blockNumber());
    if (!message.isEmpty()) {
        m_status->setText(message);
        m_shown = message;
        return;
    }
    // Other news in the status line stays.
    if (!m_shown.isEmpty() && m_status->text() == m_shown) m_status->clear();
    m_shown.clear();
}

void LiveCheckMarks::placeMargin() {
    const QRect inside = m_memo->contentsRect();
    m_margin->setGeometry(inside.left(), inside.top(), kMarginWidth, inside.height());
}

bool LiveCheckMarks::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_memo && event->type() == QEvent::Resize) placeMargin();
    if (watched == m_memo->viewport() && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QTextBlock block = m_memo->cursorForPosition(help->pos()).block();
        const QString message =
            withinLine(m_memo, block, help->pos().y()) ? messageAt(block.blockNumber()) : QString();
        if (message.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), message, m_memo->viewport());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vorn::win::form4
