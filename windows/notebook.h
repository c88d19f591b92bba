#pragma once

#include <QStackedWidget>
#include <QString>
#include <QWidget>

namespace vorn::win {

// One page of a notebook; its caption is also its object name.
class NotebookPage : public QWidget {
    Q_OBJECT
public:
    NotebookPage(const QString& caption, QWidget* parent = nullptr);
    QString caption() const { return objectName(); }
};

// A notebook without tabs: the program turns its pages by index.
class Notebook : public QStackedWidget {
    Q_OBJECT
public:
    Notebook(const QString& name, QWidget* parent);
    // Adds the page at the next index and answers that index.
    int addPage(NotebookPage* page);
    int PageIndex() const { return currentIndex(); }
    void setPageIndex(int index) { setCurrentIndex(index); }
    QString caption(int index) const;
    QString activeCaption() const { return caption(currentIndex()); }
};

} // namespace vorn::win
