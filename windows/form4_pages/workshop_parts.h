#pragma once

#include "page_common.h"
#include "picture_button.h"

#include <QObject>
#include <QProgressBar>
#include <QRect>
#include <QString>

#include <cstddef>
#include <functional>
#include <string>

class QListWidget;
class QWidget;

namespace vorn {
class RequestLayer;
}

// What the editor's workshop pages (converter, series, models) share: the
// question to the author, the gauge of a long loop and the choosing of a
// list entry.
namespace vorn::win::form4 {

// Asks the author a question with two answers (cp1252 texts) and answers
// true for the first. The second is the careful one, which is also the
// answer when the question is closed without a choice. The pages hold one
// each, so that tests can answer without a modal box.
using AuthorQuestion =
    std::function<bool(const std::string& question, const char* first, const char* second)>;

// The modal box over the given window.
AuthorQuestion messageBoxQuestion(QWidget* parent);

// A gauge under way for as long as the object lives: it shows from 0 of
// total, moves with progress() and hides again however the loop ends.
class GaugeRun {
public:
    GaugeRun(QProgressBar* gauge, RequestLayer& layer, std::size_t total);
    ~GaugeRun();
    GaugeRun(const GaugeRun&) = delete;
    GaugeRun& operator=(const GaugeRun&) = delete;

    // Moves the gauge and lets the windows paint between two items.
    Progress progress();

private:
    QProgressBar* m_gauge;
    RequestLayer& m_layer;
};

// A page's maroon "Status..." line that the author can click.
ClickLabel* clickableStatus(QWidget* parent, const char* name, QRect box);

// A page's gauge: hidden until a loop runs.
QProgressBar* pageGauge(QWidget* parent, QRect box);

// Tells when the author chooses an entry of a list: a click on an entry, or
// a key that moves the choice to another one (a key that leaves it where it
// was chooses nothing, so holding Shift sends no request).
class ListChoice : public QObject {
    Q_OBJECT
public:
    explicit ListChoice(QListWidget* list);

signals:
    void chosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget* m_list;
    int m_rowAtPress = -1;
};

} // namespace vorn::win::form4
