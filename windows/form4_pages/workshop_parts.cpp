#include "workshop_parts.h"

#include "qt_text.h"
#include "request_layer.h"
#include "status_text.h"

#include <QEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

namespace vorn::win::form4 {

AuthorQuestion messageBoxQuestion(QWidget* parent) {
    return [parent](const std::string& question, const char* first, const char* second) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("VORNscript"), ui(question),
                        QMessageBox::NoButton, parent);
        QPushButton* yes = box.addButton(ui(first), QMessageBox::AcceptRole);
        QPushButton* no = box.addButton(ui(second), QMessageBox::RejectRole);
        // Enter and Escape both take the careful answer.
        box.setDefaultButton(no);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes;
    };
}

GaugeRun::GaugeRun(QProgressBar* gauge, RequestLayer& layer, std::size_t total)
    : m_gauge(gauge)
    , m_layer(layer) {
    m_gauge->setRange(0, static_cast<int>(total));
    m_gauge->setValue(0);
    m_gauge->show();
    m_layer.pump();
}

GaugeRun::~GaugeRun() {
    m_gauge->hide();
}

Progress GaugeRun::progress() {
    return [this](std::size_t done, std::size_t total) {
        m_gauge->setMaximum(static_cast<int>(total));
        m_gauge->setValue(static_cast<int>(done));
        m_layer.pump();
    };
}

ClickLabel* clickableStatus(QWidget* parent, const char* name, QRect box) {
    auto* status = new ClickLabel(QStringLiteral("Status..."), parent);
    status->setObjectName(QString::fromLatin1(name));
    status->setWordWrap(true);
    status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    status->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold; font-style: italic;"));
    status->setCursor(Qt::PointingHandCursor);
    status->setGeometry(box);
    keepWholeText(status);
    return status;
}

QProgressBar* pageGauge(QWidget* parent, QRect box) {
    auto* gauge = new QProgressBar(parent);
    gauge->setObjectName(QStringLiteral("gauge"));
    gauge->setFormat(QStringLiteral("%v de %m"));
    gauge->setGeometry(box);
    gauge->hide();
    return gauge;
}

ListChoice::ListChoice(QListWidget* list)
    : QObject(list)
    , m_list(list) {
    connect(list, &QListWidget::itemClicked, this, &ListChoice::chosen);
    list->installEventFilter(this);
}

bool ListChoice::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        m_rowAtPress = m_list->currentRow();
    } else if (event->type() == QEvent::KeyRelease) {
        const int row = m_list->currentRow();
        if (row >= 0 && row != m_rowAtPress) {
            m_rowAtPress = row;
            emit chosen();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vorn::win::form4
