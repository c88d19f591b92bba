#pragma once

#include <QStackedWidget>
#include <QString>
#include <QWidget>
#include <functional>

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
    void setPageIndex(int index) {
        if (m_beforeTurning) m_beforeTurning(index);
        setCurrentIndex(index);
    }
    // Runs before every turn, with the page turned to: a page made on first
    // use is made by then.
    void setBeforeTurning(std::function<void(int)> prepare) {
        m_beforeTurning = std::move(prepare);
    }
    // Puts page in the place of the page at index, which goes.
    void replacePage(int index, NotebookPage* page);
    QString caption(int index) const;
    QString activeCaption() const { return caption(currentIndex()); }

private:
    std::function<void(int)> m_beforeTurning;
};

} // namespace vorn::win
