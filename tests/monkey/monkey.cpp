// The monkey test of the windows: random, seeded actions across the
// program's six windows against a running pequenia-local, with the checks
// after every step. Not part of the test suite; `make monkey` runs it.
//
//   vorn_monkey --port N [--seconds S] [--seed X] [--sabotage lose|stall|crash]
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "error_report.h"
#include "files.h"
#include "form2_pages/page_exclusivo.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/page_script.h"
#include "notebook.h"
#include "option_reader.h"
#include "picture_button.h"
#include "request_layer.h"
#include "road_windows.h"
#include "scripts.h"
#include "session.h"
#include "tool_main.h"
#include "web_holder.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeySequence>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <thread>
#include <unistd.h>
#include <utility>

namespace vorn::monkey {
namespace {

using test::S;

long long nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// What a finding needs to be replayed: the seed and the last steps. Shared
// by the window thread, the watchdog thread and the crash handler, so a
// crash or a stall still names the steps that led to it.
class Watch {
public:
    // Starts the watchdog: the window thread must beat at least every
    // stallSeconds, and the whole run must end within deadlineSeconds.
    void start(std::uint64_t seed, int stallSeconds, int deadlineSeconds) {
        m_seed = seed;
        beat();
        m_running = true;
        const long long deadline = nowMs() + 1000LL * deadlineSeconds;
        m_thread = std::thread([this, stallSeconds, deadline] {
            for (; m_running; std::this_thread::sleep_for(std::chrono::milliseconds(100))) {
                const bool stalled = nowMs() - m_beat.load() > 1000LL * stallSeconds;
                if (!stalled && nowMs() <= deadline) continue;
                report(stalled ? ("the window thread did not answer for " +
                                  std::to_string(stallSeconds) + " s")
                                     .c_str()
                               : "the run did not end in time");
                if (stalled) backtraceOfWindowThread();
                std::_Exit(2);
            }
        });
    }
    void stop() {
        m_running = false;
        if (m_thread.joinable()) m_thread.join();
    }

    void step(const std::string& what) { keep(std::to_string(++m_steps) + ": " + what); }
    void note(const std::string& what) { keep("   " + what); } // kept, not counted
    void beat() { m_beat.store(nowMs()); }

    // Prints the finding, the seed and the last steps to stderr and ends
    // the process at once with status 1.
    [[noreturn]] void fail(const std::string& finding) {
        report(finding.c_str());
        std::_Exit(1);
    }
    // The same report without ending (the crash handler's part); try_lock
    // only, since the window thread may hold the lock.
    void report(const char* finding) {
        const auto seed = static_cast<unsigned long long>(m_seed);
        std::fprintf(stderr, "\nmonkey: FINDING: %s\nmonkey: seed %llu, after %ld steps\n", finding,
                     seed, m_steps.load());
        if (m_lock.try_lock()) {
            std::fprintf(stderr, "monkey: the last steps:\n");
            for (const std::string& line : m_last)
                std::fprintf(stderr, "  %s\n", line.c_str());
            m_lock.unlock();
        }
        std::fprintf(stderr, "monkey: replay with MONKEY_SEED=%llu\n", seed);
        std::fflush(stderr);
    }

private:
    void keep(std::string line) {
        std::lock_guard<std::mutex> hold(m_lock);
        m_last.push_back(std::move(line));
        if (m_last.size() > 30) m_last.pop_front();
    }
    // Where the window thread hangs is most of a stall's story; gdb is asked
    // when it is there, and the report stands without it.
    static void backtraceOfWindowThread() {
        const std::string command = "timeout 60 gdb -p " + std::to_string(getpid()) +
                                    " -batch -ex 'thread apply 1 bt 40' 2>/dev/null | "
                                    "grep -E '^#' 1>&2";
        std::fprintf(stderr, "monkey: the window thread's stack:\n");
        std::fflush(stderr);
        if (std::system(command.c_str()) != 0) std::fprintf(stderr, "monkey: (no stack)\n");
    }

    std::mutex m_lock;
    std::deque<std::string> m_last;
    std::atomic<long> m_steps{0};
    std::atomic<long long> m_beat{0};
    std::atomic<bool> m_running{false};
    std::uint64_t m_seed = 0;
    std::thread m_thread;
} watch;

// A fatal signal reports through Watch, then kills as before.
void onFatalSignal(int signal) {
    char finding[64];
    std::snprintf(finding, sizeof finding, "the program died of signal %d", signal);
    watch.report(finding);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void log(const QString& line) {
    watch.note(line.toStdString());
}

// Words for the fields and the editor. None holds w, x, z or q, the letters
// of the markers, so no find, replace or rename of these words can break a
// marker.
const QStringList kWords =
    S("|a|teste|novo|inicio|masmorra|salao|torre|../fora|nome com espaço|ação|É|12|-1|0|99999999|"
      "$inicio|$|cmd=|tela=0,0,100,100|img=|<b>|%00|\\|/|.|..|fim|sala_2|#|\"|'|?|\t|demo|"
      "Castelo de Vorn|se |vai |senão")
        .split(QLatin1Char('|'));
// Keys by the names QKeySequence reads.
const QStringList kEditorKeys =
    S("Left Right Up Down Home End PgDown Return Backspace Del Tab Esc Ctrl+Z Ctrl+Y Ctrl+A Ctrl+C "
      "Ctrl+V Ctrl+X Ctrl+F Ctrl+H Ctrl+G Ctrl+Space Shift+Down")
        .split(QLatin1Char(' '));
const QStringList kListKeys = S("Up Down Home End Return Del Space").split(QLatin1Char(' '));

void focus(QWidget* widget) {
    widget->window()->activateWindow();
    widget->setFocus();
}

// QTest::keyClick knows only ASCII; other characters go as their text.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        if (c.unicode() < 128)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

bool inside(const QWidget* widget, const QWidget* ancestor) {
    return ancestor && (widget == ancestor || ancestor->isAncestorOf(widget));
}

bool clickable(const QWidget* w) {
    return qobject_cast<const win::PictureButton*>(w) || qobject_cast<const win::ClickLabel*>(w) ||
           qobject_cast<const QAbstractButton*>(w);
}

QString clicks(bool twice) {
    return S(twice ? "double-click" : "click");
}

// "Window/name/... Class "text"" for the log.
QString nameOf(const QWidget* widget) {
    QStringList names;
    for (const QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (!w->objectName().isEmpty()) names.prepend(w->objectName());
        if (w->isWindow()) names.prepend(QLatin1String(w->metaObject()->className()));
    }
    const QString text = widget->property("text").toString();
    return names.join(QLatin1Char('/')) + QLatin1Char(' ') +
           QLatin1String(widget->metaObject()->className()) +
           (text.isEmpty() ? QString() : QStringLiteral(" \"") + text.left(30) + QLatin1Char('"'));
}

// The marker words typed into the script editor and where each one is now:
// safe in the editor, in a local copy (copies are never replaced, so one
// found there is safe for good) or on the server. Markers are written with
// letters the monkey's other text never uses, so that only an edit of the
// editor's own text can remove one.
class Markers {
public:
    explicit Markers(std::string home)
        : m_home(std::move(home)) {}

    // "zq" and the count in the letters w x z q.
    std::string fresh() {
        std::string marker = "zq";
        for (int n = ++count, i = 0; i < 8; ++i, n /= 4)
            marker += "wxzq"[n % 4];
        return marker;
    }
    void typed(const std::string& marker) { m_open.insert(marker); }

    // The markers that are nowhere after a step. When the step was the
    // author's own edit of the editor's text, a marker it removed from the
    // editor was removed by the author and is forgotten.
    std::vector<std::string> lost(const QString& now, const QString& before, bool authorEdit,
                                  const Session& session) {
        const auto in = [](const QString& text, const std::string& marker) {
            return text.contains(QLatin1String(marker.c_str()));
        };
        if (std::all_of(m_open.begin(), m_open.end(), [&](auto& m) { return in(now, m); }))
            return {};
        scanCopies();
        std::vector<std::string> missing;
        std::erase_if(m_open, [&](const std::string& marker) {
            if (in(now, marker)) return false;
            if (authorEdit && in(before, marker)) return ++forgotten > 0;
            if (!onServer(marker, session)) missing.push_back(marker);
            return false;
        });
        return missing;
    }

    int count = 0, kept = 0, forgotten = 0;
    std::size_t open() const { return m_open.size(); }

private:
    // Every copy under the program folder (the adventures' folders and the
    // copy of text that belonged to no script) not read before.
    void scanCopies() {
        QDirIterator files(QString::fromStdString(m_home), {QStringLiteral("*.scp")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            if (!m_scanned.insert(path).second) continue;
            const std::string text = readFile(path.toStdString());
            kept += static_cast<int>(std::erase_if(
                m_open, [&](const std::string& m) { return text.find(m) != std::string::npos; }));
        }
    }
    static bool onServer(const std::string& marker, const Session& session) {
        if (session.SesAdv.empty()) return false;
        RequestLayer layer;
        Session own = session;
        for (const std::string& name : fetchScriptList(layer, own).names)
            for (const std::string& line : fetchScript(layer, own, name))
                if (line.find(marker) != std::string::npos) return true;
        return false;
    }

    std::string m_home;
    std::set<std::string> m_open; // not yet found in a copy
    std::set<QString> m_scanned;  // copies read already
};

// Random actions, one per step, with the checks after each: the window
// thread is watched by Watch, and every marker typed into the editor must
// still be somewhere.
class Monkey {
public:
    Monkey(test::RoadWindows& windows, std::uint64_t seed, std::string sabotage)
        : m_w(windows)
        , m_rng(seed)
        , m_answerRng(seed ^ 0x9e3779b97f4a7c15ull)
        , m_markers(windows.home())
        , m_sabotage(std::move(sabotage)) {
        // A short period rather than a zero timer: the beat must come from
        // the event loop, but needs no core of its own.
        QObject::connect(&m_heartbeat, &QTimer::timeout, [] { watch.beat(); });
        m_heartbeat.start(50);
        QObject::connect(&m_answer, &QTimer::timeout, [this] { answerModal(); });
        m_answer.start(150);
        QObject::connect(&win::ErrorReport::instance(), &win::ErrorReport::reported, &m_answer,
                         [this](const QString& message) {
                             ++m_reports[message.left(120)];
                             log(QStringLiteral("error report: ") + message.left(200));
                         });
    }

    // Logs in as demo and opens "Castelo de Vorn"; false when that fails.
    bool arrive() {
        m_w.f().Form1->show();
        m_w.logIn(S("demo"), S("demo"));
        if (!m_w.choose(S("Castelo de Vorn"))) return false;
        QTest::qWait(100);
        return m_w.session().SesAdv == "Castelo de Vorn";
    }

    // Steps for the given time; returns the steps taken.
    long run(int seconds) {
        QElapsedTimer clock;
        clock.start();
        long steps = 0;
        while (clock.elapsed() < 1000LL * seconds) {
            answerSeams();
            const QString before = editorText();
            m_typedNow.clear();
            m_editsText = false;
            if (!act()) clickSomething();
            QTest::qWait(below(25));
            if (++steps == 300) breakOnPurpose();
            check(before);
            if (steps % 500 == 0) {
                std::printf("monkey: %ld steps, %lld s\n", steps, clock.elapsed() / 1000);
                std::fflush(stdout);
            }
        }
        return steps;
    }

    void summary() const {
        std::printf("monkey: %d markers typed: %d kept in copies, %zu still only in the editor or "
                    "on the server, %d removed by the author's own edits\n"
                    "monkey: %d modal windows answered, %lld shell opens and %d quits recorded\n",
                    m_markers.count, m_markers.kept, m_markers.open(), m_markers.forgotten,
                    m_modals, static_cast<long long>(m_w.opened.size()), m_w.quits);
        for (const auto& [message, count] : m_reports)
            std::printf("monkey: error report %dx: %s\n", count, message.toUtf8().constData());
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(*m_draw); }
    bool chance(int percent) { return below(100) < percent; }
    template <class List> auto any(const List& from) { return from[below(int(from.size()))]; }
    template <class T> T* pick(const std::vector<T*>& from) {
        return from.empty() ? nullptr : any(from);
    }
    QString word() {
        if (!chance(25)) return any(kWords);
        static const char letters[] = "abcdefghijlmnoprstuv0123456789_ ";
        QString made;
        for (int n = 1 + below(chance(10) ? 300 : 12); n > 0; --n)
            made += QLatin1Char(letters[below(sizeof letters - 1)]);
        return made;
    }

    // One of the visible, enabled T of the visible windows that keep takes,
    // but never in the update notice (it starts the updater, which replaces
    // the program); in a stable order so that a seed replays.
    template <class T = QWidget>
    T* pickVisible(const std::type_identity_t<std::function<bool(T*)>>& keep = {}) {
        // The toolkit lists its windows in no order of its own (by address,
        // which differs from run to run); by class and name they replay.
        QWidgetList windows = QApplication::topLevelWidgets();
        std::ranges::stable_sort(windows, {}, [](const QWidget* w) {
            return std::pair(QString::fromLatin1(w->metaObject()->className()), w->objectName());
        });
        std::vector<T*> found;
        for (QWidget* window : windows)
            if (window->isVisible())
                for (T* widget : window->findChildren<T*>()) {
                    const QWidget* notice = widget;
                    while (notice && notice->objectName() != QStringLiteral("PanVrs"))
                        notice = notice->parentWidget();
                    if (widget->isVisible() && widget->isEnabled() && !notice &&
                        (!keep || keep(widget)))
                        found.push_back(widget);
                }
        return pick(found);
    }

    // The script editor's window, once the program has made it.
    win::TForm4* editor() const {
        return m_w.f().Form4.made() ? static_cast<win::TForm4*>(m_w.f().Form4) : nullptr;
    }
    QString editorText() const { return editor() ? m_w.editorText() : QString(); }
    auto* memo() const { return editor() ? editor()->Script->Memo3 : nullptr; }
    bool editorReachable() const { return memo() && memo()->isVisible(); }
    // The find bar's replace and the editor's paste change the author's text.
    bool editsText(const QWidget* target) const {
        win::TForm4* e = editor();
        return e && (inside(target, e->Script->findBar()) || inside(target, e->Image19) ||
                     inside(target, e->lbPaste));
    }

    // Names the step to the watch before it is taken; editsText: the
    // author's own edit of the editor's text, which may remove a marker.
    void begin(const QString& what, bool editsText = false) {
        watch.step(what.toStdString());
        m_editsText = editsText;
    }
    bool clickOn(QWidget* target, const QString& what) {
        if (!target) return false;
        begin(what + nameOf(target), editsText(target));
        test::click(target, target->rect().center());
        return true;
    }
    bool key(QWidget* target, const QString& name, const QString& where, bool editsText = false) {
        begin(QStringLiteral("key %1 in ").arg(name) + where, editsText);
        focus(target);
        const QKeyCombination key = QKeySequence::fromString(name)[0];
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        return true;
    }
    // A word typed into a field, where replace allows over all of it and
    // followed by Return.
    bool type(QWidget* field, const QString& where, bool editsText, bool replace = false) {
        const QString text = word();
        const bool over = replace && chance(50), enter = replace && chance(35);
        begin(QStringLiteral("type \"%1\"%2%3 in%4")
                  .arg(text.left(40), S(over ? " over all" : ""), S(enter ? " and Return" : ""),
                       where),
              editsText);
        focus(field);
        if (over) QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        typeText(field, text);
        if (enter) QTest::keyClick(field, Qt::Key_Return);
        return true;
    }

    // Proves the checks: at step 300 the editor's text is dropped behind the
    // program's back ("lose"), the window thread sleeps ("stall") or the
    // process crashes ("crash").
    void breakOnPurpose() {
        if (auto* memo = this->memo(); m_sabotage == "lose" && memo) {
            log(S("sabotage: a marker typed, then the editor's text dropped"));
            const std::string marker = m_markers.fresh();
            memo->insertPlainText(QLatin1String(marker.c_str()));
            m_markers.typed(marker);
            QSignalBlocker quiet(memo);
            memo->setPlainText({});
        } else if (m_sabotage == "stall") {
            log(S("sabotage: the window thread sleeps"));
            std::this_thread::sleep_for(std::chrono::seconds(8));
        } else if (m_sabotage == "crash") {
            log(S("sabotage: a crash"));
            std::raise(SIGSEGV);
        }
    }

    // One step, by its share of the steps in percent; false when its kind
    // found nothing to act on.
    bool act() {
        if (m_w.session().SesAdv.empty() && chance(30)) return recover();
        static constexpr std::pair<int, bool (Monkey::*)()> kKinds[] = {
            {26, &Monkey::clickSomething}, {12, &Monkey::clickListItem}, {22, &Monkey::editorKeys},
            {8, &Monkey::typeInField},     {5, &Monkey::save},           {5, &Monkey::turnPage},
            {7, &Monkey::workshop},        {15, &Monkey::keyOrClick}};
        int roll = below(100);
        for (const auto& [share, kind] : kKinds)
            if ((roll -= share) < 0) return (this->*kind)();
        return false;
    }

    bool clickSomething() { return clickOn(pickVisible(clickable), S("click ")); }

    // A click or double-click anywhere on any widget, a key in a list, or a
    // step through a combo box.
    bool keyOrClick() {
        const int roll = below(15);
        if (roll >= 10) {
            QWidget* box = pickVisible<QComboBox>();
            return box && key(box, S(chance(60) ? "Down" : "Up"), nameOf(box));
        }
        if (roll >= 7) {
            QWidget* list = pickVisible<QListWidget>();
            return list && key(list, any(kListKeys), nameOf(list));
        }
        QWidget* target = pickVisible();
        if (!target || target->width() < 1 || target->height() < 1) return false;
        const QPoint at(below(target->width()), below(target->height()));
        const bool twice = chance(20);
        begin(QStringLiteral("%1 at %2,%3 of %4")
                  .arg(clicks(twice))
                  .arg(at.x())
                  .arg(at.y())
                  .arg(nameOf(target)),
              editsText(target));
        twice ? QTest::mouseDClick(target, Qt::LeftButton, {}, at)
              : QTest::mouseClick(target, Qt::LeftButton, {}, at);
        return true;
    }

    bool clickListItem() {
        QListWidget* list = pickVisible<QListWidget>([](QListWidget* l) { return l->count() > 0; });
        if (!list) return false;
        const int row = below(list->count());
        const QString text = list->item(row)->text();
        const bool twice = chance(25);
        begin(QStringLiteral("%1 \"%2\" in ").arg(clicks(twice), text.left(40)) + nameOf(list));
        list->scrollToItem(list->item(row));
        const QPoint at = list->visualItemRect(list->item(row)).center();
        const QPointer<QListWidget> alive(list);
        test::click(list->viewport(), at);
        // The click may have refilled the list, or closed its window: the
        // second click goes only to the same item still under the mouse.
        QListWidgetItem* again = alive ? list->item(row) : nullptr;
        if (twice && again && again->text() == text && list->visualItemRect(again).contains(at))
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        return true;
    }

    bool typeInField() {
        QWidget* field = pickVisible([memo = memo()](QWidget* w) {
            return (w->inherits("QLineEdit") || w->inherits("QTextEdit") ||
                    w->inherits("QPlainTextEdit")) &&
                   !w->property("readOnly").toBool() && w != memo;
        });
        return field && type(field, QLatin1Char(' ') + nameOf(field), editsText(field), true);
    }

    bool bringEditor() {
        win::TForm2* tools = m_w.f().Form2;
        QListWidget* list = tools->Scripts.made() ? tools->Scripts->Lbx2 : nullptr;
        if (list && list->isVisible() && list->count() > 0 && chance(70)) {
            const QString name = list->item(below(list->count()))->text();
            begin(QStringLiteral("open script \"%1\" from the catalogue").arg(name));
            return test::clickItem(list, name);
        }
        if (tools->Scripts.made() && tools->Scripts->Image3->isVisible())
            return clickOn(tools->Scripts->Image3, S("show the editor: "));
        return m_w.f().Form1->btLsp->isVisible() &&
               clickOn(m_w.f().Form1->btLsp, S("Scripts on the navigation bar: "));
    }

    bool editorKeys() {
        if (!editorReachable() || editor()->Pan1->PageIndex() != win::TForm4::kScript)
            return bringEditor();
        auto* memo = this->memo();
        const int roll = below(100);
        if (roll >= 60) return key(memo, any(kEditorKeys), S("the editor"), true);
        if (roll >= 35) return type(memo, S(" the editor"), true);
        m_typedNow = m_markers.fresh();
        const QString marker = QLatin1String(m_typedNow.c_str());
        const bool ownLine = chance(50);
        begin(QStringLiteral("type marker %1%2 into the editor (script \"%3\")")
                  .arg(marker, S(ownLine ? " on a new line" : ""),
                       QString::fromStdString(editor()->loadedScript())),
              true);
        focus(memo);
        if (ownLine) QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, QLatin1Char(' ') + marker + QLatin1Char(' '));
        return true;
    }

    // Saves come often enough that the copies and the server see the markers.
    bool save() {
        if (!editorReachable()) return bringEditor();
        return chance(50) ? clickOn(editor()->Script->btGrs, S("save: "))
                          : key(memo(), S("Ctrl+S"), S("the editor"));
    }

    bool turnPage() {
        win::Notebook* book = pickVisible<win::Notebook>([](auto* b) { return b->count() > 0; });
        if (!book) return false;
        const int page = below(book->count());
        begin(QStringLiteral("turn %1 to page %2 (%3)")
                  .arg(nameOf(book))
                  .arg(page)
                  .arg(book->caption(page)));
        book->setPageIndex(page);
        return true;
    }

    // The special tools page ("Principal") and one of its entries.
    bool workshop() {
        win::TForm2* tools = m_w.f().Form2;
        if (!tools->Exclusivo.made() || !tools->Exclusivo->isVisible())
            return clickOn(m_w.f().Form1->Image22, S("special tools: "));
        return clickOn(
            pickVisible([&](QWidget* w) { return inside(w, tools->Exclusivo) && clickable(w); }),
            S("special tools: click "));
    }

    bool recover() {
        begin(S("back to \"Castelo de Vorn\""));
        if (QWidget* back = m_w.f().Form1->btAdv; back->isVisible())
            test::click(back, back->rect().center());
        if (!m_w.choose(S("Castelo de Vorn"))) {
            log(S("log in as demo"));
            m_w.logIn(S("demo"), S("demo"));
            m_w.choose(S("Castelo de Vorn"));
        }
        return true;
    }

    // Every question of the program is its dialog's, which answerModal()
    // answers, but the folder chooser's is only ever cancelled there: the
    // special tools' export and restore get, at random, a folder of the
    // monkey's own, none, or the dialog.
    void answerSeams() {
        if (!m_w.f().Form2->Exclusivo.made()) return;
        auto& choose = m_w.f().Form2->Exclusivo->chooseFolder;
        if (m_wired == &choose) return;
        m_wired = &choose;
        choose = [this, dialog = choose](const std::string& start, bool forExport) {
            if (dialog && chance(30)) return dialog(start, forExport);
            const std::string folder = chance(70) ? m_outside.path().toStdString() : "";
            log(QStringLiteral("folder chosen: \"%1\"").arg(QString::fromStdString(folder)));
            return folder;
        };
    }

    void answerModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        // The timer comes round at moments that differ from run to run: the
        // answers draw from a stream of their own, so that a seed replays
        // the same steps whenever the modal windows came up.
        std::mt19937_64* const steps = std::exchange(m_draw, &m_answerRng);
        const auto back = qScopeGuard([&] { m_draw = steps; });
        ++m_modals;
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box && !box->buttons().isEmpty()) {
            QAbstractButton* answer = any(box->buttons());
            log(QStringLiteral("message box \"%1\": %2").arg(box->text().left(80), answer->text()));
            answer->click();
        } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            const bool take = chance(60);
            log(QStringLiteral("input dialog \"%1\": %2")
                    .arg(input->labelText(), S(take ? "OK" : "cancel")));
            if (take) input->setIntValue(1 + below(60));
            take ? input->accept() : input->reject();
        } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            log(QStringLiteral("file dialog \"%1\": cancel").arg(files->windowTitle()));
            files->reject();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            std::vector<QPushButton*> buttons;
            for (QPushButton* b : dialog->findChildren<QPushButton*>())
                if (b->isVisible() && b->isEnabled()) buttons.push_back(b);
            QPushButton* answer = chance(85) ? pick(buttons) : nullptr;
            log(QStringLiteral("dialog %1: %2")
                    .arg(nameOf(dialog), answer ? answer->text() : S("closed")));
            answer ? answer->click() : dialog->reject();
        } else {
            log(QStringLiteral("modal %1: closed").arg(nameOf(modal)));
            modal->close();
        }
    }

    void check(const QString& editorBefore) {
        const QString now = editorText();
        if (!m_typedNow.empty() && now.contains(QLatin1String(m_typedNow.c_str())))
            m_markers.typed(m_typedNow);
        const auto lost = m_markers.lost(now, editorBefore, m_editsText, m_w.session());
        if (lost.empty()) return;
        std::string finding = "text typed into the editor is lost: the marker";
        for (const std::string& marker : lost)
            finding += " " + marker;
        watch.fail(finding + " is in neither the editor, a local copy, nor a script on the server");
    }

    test::RoadWindows& m_w;
    std::mt19937_64 m_rng;
    std::mt19937_64 m_answerRng;
    std::mt19937_64* m_draw = &m_rng; // the stream that below() draws from
    Markers m_markers;
    std::string m_sabotage;
    std::string m_typedNow;   // the marker this step typed
    bool m_editsText = false; // this step was the author's own edit of the editor's text
    QTemporaryDir m_outside;  // export and restore folder, away from the copies
    QTimer m_answer;
    QTimer m_heartbeat;
    const void* m_wired = nullptr; // the folder chooser answered at random
    std::map<QString, int> m_reports;
    int m_modals = 0;
};

} // namespace
} // namespace vorn::monkey

int main(int argc, char** argv) {
    int port = 0, seconds = 300;
    std::uint64_t seed = std::random_device{}();
    std::string sabotage;
    try {
        vorn::cli::OptionReader reader({argv + 1, argv + argc}, "nada");
        while (reader.next()) {
            if (auto p = reader.number("--port", 1, 65535))
                port = std::stoi(*p);
            else if (auto s = reader.number("--seconds", 1, 1000000))
                seconds = std::stoi(*s);
            else if (auto x = reader.number("--seed", 0, INT64_MAX))
                seed = std::stoull(*x);
            else if (auto k = reader.text("--sabotage"))
                sabotage = *k;
            else
                reader.unknown();
        }
        if (reader.operand() || port == 0) throw vorn::cli::UsageError("--port");
    } catch (const vorn::cli::UsageError&) {
        std::fprintf(stderr, "usage: vorn_monkey --port N [--seconds S] [--seed X] "
                             "[--sabotage lose|stall|crash]\n");
        return 64;
    }

    using vorn::monkey::watch;
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        std::signal(signal, vorn::monkey::onFatalSignal);
    // The stall limit, and a deadline for the whole run that leaves room
    // for logging in and for the windows' end.
    watch.start(seed, 5, seconds + 120);
    std::printf("monkey: seed %llu, %d s, service on port %d\n",
                static_cast<unsigned long long>(seed), seconds, port);
    std::fflush(stdout);

    vorn::win::Application app(argc, argv);
    vorn::win::WebHolder::setEngineEnabled(false);
    long steps = 0;
    {
        vorn::test::RoadWindows windows(port);
        vorn::monkey::Monkey monkey(windows, seed, sabotage);
        if (!monkey.arrive()) watch.fail("could not log in and open Castelo de Vorn");
        steps = monkey.run(seconds);
        monkey.summary();
    }
    watch.stop();
    std::printf("monkey: seed %llu, %ld steps, no finding\n", static_cast<unsigned long long>(seed),
                steps);
    return 0;
}
