#include "page_parts.h"

#include "sorted_list.h"
#include "status_text.h"

#include <QDir>
#include <QKeyEvent>

namespace vorn::win::form2 {
namespace {

template <class W> W* named(W* widget, const char* name) {
    if (name) widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* l = named(new QLabel(text, parent), name);
    l->move(x, y);
    l->adjustSize();
    return l;
}

ClickLabel* clickLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* l = named(new ClickLabel(text, parent), name);
    l->setStyleSheet(QStringLiteral("color: #000080; text-decoration: underline;"));
    l->setCursor(Qt::PointingHandCursor);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QLabel* wrapLabel(QWidget* parent, const char* name, const QString& text, QRect box) {
    auto* l = named(new QLabel(text, parent), name);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(box);
    return l;
}

QLabel* statusLabel(QWidget* parent, const char* name, QRect box) {
    QLabel* l = wrapLabel(parent, name, QStringLiteral("Status..."), box);
    l->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold; font-style: italic;"));
    keepWholeText(l);
    return l;
}

QLineEdit* field(QWidget* parent, const char* name, QRect box, int maxLength) {
    auto* f = named(new QLineEdit(parent), name);
    f->setMaxLength(maxLength);
    f->setGeometry(box);
    return f;
}

QListWidget* list(QWidget* parent, const char* name, QRect box, bool sorted) {
    auto* l = named(new QListWidget(parent), name);
    l->setSortingEnabled(sorted);
    l->setGeometry(box);
    return l;
}

PictureButton* largeButton(QWidget* parent, const char* name, int x, int y) {
    auto* b = named(new PictureButton(parent), name);
    b->setGeometry(x, y, 20, 38);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

PictureButton* smallButton(QWidget* parent, const char* name, int x, int y) {
    auto* b = named(new PictureButton(parent), name);
    b->setGeometry(x, y, 20, 14);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

PictureButton* toolButton(QWidget* parent, const char* name, int x, int y) {
    auto* b = named(new PictureButton(parent), name);
    b->setGeometry(x, y, 30, 21);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

EnterKey::EnterKey(QWidget* watched)
    : QObject(watched) {
    watched->installEventFilter(this);
}

bool EnterKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit pressed();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void listFolder(QListWidget* files, const QString& folder, const QString& mask) {
    files->clear();
    if (folder.isEmpty()) return;
    const QStringList patterns = mask.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& name : QDir(folder).entryList(patterns, QDir::Files, QDir::Name))
        addListItem(files, name);
}

} // namespace vorn::win::form2
