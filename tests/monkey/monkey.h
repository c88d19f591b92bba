#pragma once

#include "road_windows.h"
#include "typed_text.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

class QWidget;

namespace vorn::monkey {

// Random, seeded actions across the program's windows, one per step, with
// the checks after each: the window thread is watched by Watch, and every
// marker typed into the editor must still be somewhere.
class Monkey : public QObject {
    Q_OBJECT
public:
    Monkey(test::RoadWindows& windows, std::uint64_t seed);

    // Logs in as demo and opens "Castelo de Vorn"; false when that fails.
    bool arrive();
    // Steps for the given time; returns the steps taken.
    long run(int seconds);
    // Proves the checks: at step 300 the editor's text is dropped behind the
    // program's back ("lose"), the window thread sleeps ("stall") or the
    // process crashes ("crash").
    void sabotage(const std::string& kind) { m_sabotage = kind; }
    void summary() const;

private:
    // What a step did: its line in the log, and whether it was the author's
    // own edit of the editor's text (which may remove a marker).
    struct Step {
        QString what;
        bool editsText = false;
    };

    Step act();
    // Names the step to the watch before it is taken.
    Step begin(const QString& what, bool editsText = false);
    Step clickSomething();
    Step keyOrClick();
    Step clickListItem();
    Step typeInField();
    Step editorKeys();
    Step save();
    Step turnPage();
    Step workshop();
    Step recover();
    Step bringEditor();

    void check(const QString& editorBefore, bool editsText);
    void breakOnPurpose();
    void answerModal();
    void answerSeams();

    QString editorText() const;
    bool editsText(const QWidget* target) const;
    bool editorReachable() const;
    std::vector<QWidget*> visibleWidgets() const;
    static QString nameOf(const QWidget* widget);
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T> T* pick(const std::vector<T*>& from) {
        return from.empty() ? nullptr : from[below(static_cast<int>(from.size()))];
    }
    QString word();

    test::RoadWindows& m_w;
    std::mt19937_64 m_rng;
    TypedText m_typed;
    std::string m_typedNow;  // the marker this step typed
    QTemporaryDir m_outside; // export and restore folder, away from the copies
    QTimer m_answer;
    QTimer m_heartbeat;
    std::set<const void*> m_wired; // the seams already answered at random
    std::map<QString, int> m_reports;
    int m_modals = 0;
    std::string m_sabotage;
};

} // namespace vorn::monkey
