#include "status_text.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QTextLayout>
#include <QToolTip>

#include <vector>

namespace vorn::win {
namespace {

struct Laid {
    std::vector<QTextLine> shown; // the lines inside the box
    bool whole = true;
};

// Lays the text out in the label's box; the layout must outlive the lines.
Laid layOut(const QLabel* label, QTextLayout& layout) {
    const QRect box = label->contentsRect();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setText(label->text());
    layout.setFont(label->font());
    layout.setTextOption(option);
    Laid laid;
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        line.setPosition(QPointF(0, y));
        y += line.height();
        if (y > box.height() && !laid.shown.empty()) {
            laid.whole = false;
            break;
        }
        laid.shown.push_back(line);
    }
    layout.endLayout();
    return laid;
}

class WholeText : public QObject {
public:
    explicit WholeText(QLabel* label)
        : QObject(label) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* label = static_cast<QLabel*>(watched);
        if (event->type() == QEvent::Paint) {
            paint(label);
            return true;
        }
        // An own tooltip of the label goes first.
        if (event->type() == QEvent::ToolTip && label->toolTip().isEmpty()) {
            if (wholeTextFits(label))
                QToolTip::hideText();
            else
                QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), label->text(),
                                   label);
            return true;
        }
        return false;
    }

private:
    static void paint(QLabel* label) {
        QTextLayout layout;
        const Laid laid = layOut(label, layout);
        const QRect box = label->contentsRect();
        QPainter painter(label);
        painter.setFont(label->font());
        painter.setPen(label->palette().color(
            label->isEnabled() ? QPalette::Active : QPalette::Disabled, label->foregroundRole()));
        for (std::size_t i = 0; i < laid.shown.size(); ++i) {
            const QTextLine& line = laid.shown[i];
            const QPointF at = box.topLeft() + line.position();
            if (laid.whole || i + 1 < laid.shown.size()) {
                line.draw(&painter, box.topLeft());
                continue;
            }
            // The last line that fits takes what is left, cut short.
            QString rest = label->text().mid(line.textStart());
            rest.replace(QLatin1Char('\n'), QLatin1Char(' '));
            const QString cut = label->fontMetrics().elidedText(rest, Qt::ElideRight, box.width());
            painter.drawText(QPointF(at.x(), at.y() + line.ascent()), cut);
        }
    }
};

} // namespace

void keepWholeText(QLabel* label) {
    label->setTextFormat(Qt::PlainText);
    label->installEventFilter(new WholeText(label));
    label->update();
}

bool wholeTextFits(const QLabel* label) {
    QTextLayout layout;
    return layOut(label, layout).whole;
}

} // namespace vorn::win
