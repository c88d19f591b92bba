#include "monkey.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "error_report.h"
#include "form2_pages/page_exclusivo.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/conflict_dialog.h"
#include "form4_pages/page_auditoria.h"
#include "form4_pages/page_modelos.h"
#include "form4_pages/page_script.h"
#include "form4_pages/page_seriado.h"
#include "notebook.h"
#include "picture_button.h"
#include "qt_text.h"
#include "session.h"
#include "watch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTest>
#include <QTextEdit>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

namespace vorn::monkey {

namespace {

void log(const QString& line) {
    Watch::instance().note(line.toStdString());
}

// Words for the fields and the editor, split at "|". None holds w, x, z or
// q, the letters of the markers, so no find, replace or rename of these
// words can break a marker.
const QStringList& words() {
    static const QStringList list =
        QString::fromUtf8("|a|teste|novo|inicio|masmorra|salao|torre|../fora|nome com espaço|ação|"
                          "É|12|-1|0|99999999|$inicio|$|cmd=|tela=0,0,100,100|img=|<b>|%00|\\|/|.|"
                          "..|fim|sala_2|#|\"|'|?|\t|demo|Castelo de Vorn|se |vai |senão")
            .split(QLatin1Char('|'));
    return list;
}

// Keys by the names QKeySequence reads.
const QStringList kEditorKeys =
    QStringLiteral("Left Right Up Down Home End PgDown Return Backspace Del Tab Esc Ctrl+Z Ctrl+Y "
                   "Ctrl+A Ctrl+C Ctrl+V Ctrl+X Ctrl+F Ctrl+H Ctrl+G Ctrl+Space Shift+Down")
        .split(QLatin1Char(' '));
const QStringList kListKeys =
    QStringLiteral("Up Down Home End Return Del Space").split(QLatin1Char(' '));

void press(QWidget* widget, const QString& name) {
    const QKeyCombination key = QKeySequence::fromString(name)[0];
    QTest::keyClick(widget, key.key(), key.keyboardModifiers());
}

void clickMiddle(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// QTest::keyClicks knows only ASCII; other characters go as their text.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QString q(const char* text) {
    return QString::fromUtf8(text);
}

bool inside(const QWidget* widget, const QWidget* ancestor) {
    return ancestor && (widget == ancestor || ancestor->isAncestorOf(widget));
}

template <class T> std::vector<T*> visibleOf(const std::vector<QWidget*>& widgets) {
    std::vector<T*> found;
    for (QWidget* w : widgets)
        if (auto* t = qobject_cast<T*>(w)) found.push_back(t);
    return found;
}

} // namespace

Monkey::Monkey(test::RoadWindows& windows, std::uint64_t seed)
    : m_w(windows)
    , m_rng(seed)
    , m_typed(windows.home()) {
    // A short period rather than a zero timer: the beat must come from the
    // event loop, but needs no core of its own.
    connect(&m_heartbeat, &QTimer::timeout, this, [] { Watch::instance().beat(); });
    m_heartbeat.start(50);
    connect(&m_answer, &QTimer::timeout, this, [this] { answerModal(); });
    m_answer.start(150);
    connect(&win::ErrorReport::instance(), &win::ErrorReport::reported, this,
            [this](const QString& message) {
                ++m_reports[message.left(120)];
                log(QStringLiteral("error report: ") + message.left(200));
            });
}

bool Monkey::arrive() {
    m_w.f().Form1->show();
    m_w.logIn(QStringLiteral("demo"), QStringLiteral("demo"));
    if (!m_w.choose(QStringLiteral("Castelo de Vorn"))) return false;
    QTest::qWait(100);
    return m_w.session().SesAdv == "Castelo de Vorn";
}

long Monkey::run(int seconds) {
    QElapsedTimer clock;
    clock.start();
    long steps = 0;
    while (clock.elapsed() < 1000LL * seconds) {
        answerSeams();
        const QString before = editorText();
        m_typedNow.clear();
        const bool edits = act().editsText;
        QTest::qWait(below(25));
        if (++steps == 300) breakOnPurpose();
        check(before, edits);
        if (steps % 500 == 0) {
            std::printf("monkey: %ld steps, %lld s\n", steps, clock.elapsed() / 1000);
            std::fflush(stdout);
        }
    }
    return steps;
}

void Monkey::breakOnPurpose() {
    if (m_sabotage == "lose" && m_w.f().Form4.made()) {
        log(QStringLiteral("sabotage: a marker typed, then the editor's text dropped"));
        QTextEdit* memo = m_w.f().Form4->Script->Memo3;
        const std::string marker = m_typed.fresh();
        memo->insertPlainText(QString::fromLatin1(marker.c_str()));
        m_typed.typed(marker);
        QSignalBlocker quiet(memo);
        memo->setPlainText({});
    } else if (m_sabotage == "stall") {
        log(QStringLiteral("sabotage: the window thread sleeps"));
        std::this_thread::sleep_for(std::chrono::seconds(8));
    } else if (m_sabotage == "crash") {
        log(QStringLiteral("sabotage: a crash"));
        std::raise(SIGSEGV);
    }
}

void Monkey::summary() const {
    std::printf("monkey: %d markers typed: %d kept in copies, %d still only in the editor or on "
                "the server, %d removed by the author's own edits; %d server fetches to find one\n",
                m_typed.count(), m_typed.kept(), m_typed.open(), m_typed.forgotten(),
                m_typed.fetches());
    std::printf("monkey: %d modal windows answered, %zu shell opens and %d quits recorded\n",
                m_modals, static_cast<std::size_t>(m_w.opened.size()), m_w.quits);
    for (const auto& [message, count] : m_reports)
        std::printf("monkey: error report %dx: %s\n", count, message.toUtf8().constData());
}

Monkey::Step Monkey::act() {
    if (m_w.session().SesAdv.empty() && chance(30)) return recover();
    const int roll = below(100);
    Step step;
    if (roll < 26)
        step = clickSomething();
    else if (roll < 38)
        step = clickListItem();
    else if (roll < 60)
        step = editorKeys();
    else if (roll < 68)
        step = typeInField();
    else if (roll < 73)
        step = save();
    else if (roll < 78)
        step = turnPage();
    else if (roll < 85)
        step = workshop();
    else
        step = keyOrClick();
    if (step.what.isEmpty()) step = clickSomething();
    return step;
}

Monkey::Step Monkey::begin(const QString& what, bool editsText) {
    Watch::instance().step(what.toStdString());
    return {what, editsText};
}

// Every visible, enabled widget of the visible windows but the update
// notice (it starts the updater, which replaces the program), in a stable
// order so that a seed replays.
std::vector<QWidget*> Monkey::visibleWidgets() const {
    std::vector<QWidget*> found;
    const auto outOfBounds = [](const QWidget* widget) {
        for (const QWidget* w = widget; w; w = w->parentWidget())
            if (w->objectName() == QStringLiteral("PanVrs")) return true;
        return false;
    };
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) continue;
        for (QWidget* widget : window->findChildren<QWidget*>())
            if (widget->isVisible() && widget->isEnabled() && !outOfBounds(widget))
                found.push_back(widget);
    }
    return found;
}

QString Monkey::nameOf(const QWidget* widget) {
    QStringList names;
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (!w->objectName().isEmpty()) names.prepend(w->objectName());
        if (w->isWindow()) {
            names.prepend(QString::fromLatin1(w->metaObject()->className()));
            break;
        }
    }
    QString text;
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) text = button->text();
    if (auto* label = qobject_cast<const QLabel*>(widget)) text = label->text();
    QString name = names.join(QLatin1Char('/')) + QLatin1Char(' ') +
                   QString::fromLatin1(widget->metaObject()->className());
    if (!text.isEmpty()) name += QStringLiteral(" \"") + text.left(30) + QLatin1Char('"');
    return name;
}

QString Monkey::word() {
    if (chance(25)) {
        static const char letters[] = "abcdefghijlmnoprstuv0123456789_ ";
        QString made;
        for (int n = 1 + below(chance(10) ? 300 : 12); n > 0; --n)
            made += QLatin1Char(letters[below(sizeof letters - 1)]);
        return made;
    }
    return words()[below(static_cast<int>(words().size()))];
}

QString Monkey::editorText() const {
    return m_w.f().Form4.made() ? m_w.f().Form4->Script->Memo3->toPlainText() : QString();
}

bool Monkey::editorReachable() const {
    return m_w.f().Form4.made() && m_w.f().Form4->Script->Memo3->isVisible();
}

// The find bar's replace and the editor's paste change the author's text.
bool Monkey::editsText(const QWidget* target) const {
    if (!m_w.f().Form4.made()) return false;
    win::TForm4* editor = m_w.f().Form4;
    return inside(target, editor->Script->findBar()) || inside(target, editor->Image19) ||
           inside(target, editor->lbPaste);
}

Monkey::Step Monkey::clickSomething() {
    std::vector<QWidget*> targets;
    for (QWidget* w : visibleWidgets())
        if (qobject_cast<win::PictureButton*>(w) || qobject_cast<win::ClickLabel*>(w) ||
            qobject_cast<QAbstractButton*>(w))
            targets.push_back(w);
    QWidget* target = pick(targets);
    if (!target) return {};
    const Step step = begin(QStringLiteral("click ") + nameOf(target), editsText(target));
    clickMiddle(target);
    return step;
}

// A click or double-click anywhere on any widget, a key in a list, or a
// step through a combo box.
Monkey::Step Monkey::keyOrClick() {
    const std::vector<QWidget*> widgets = visibleWidgets();
    const int roll = below(15);
    if (roll < 7) {
        QWidget* target = pick(widgets);
        if (!target || target->width() < 1 || target->height() < 1) return {};
        const QPoint at(below(target->width()), below(target->height()));
        const bool twice = chance(20);
        const Step step = begin(QStringLiteral("%1 at %2,%3 of ")
                                        .arg(q(twice ? "double-click" : "click"))
                                        .arg(at.x())
                                        .arg(at.y()) +
                                    nameOf(target),
                                editsText(target));
        if (twice)
            QTest::mouseDClick(target, Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(target, Qt::LeftButton, {}, at);
        return step;
    }
    if (roll < 10) {
        QListWidget* list = pick(visibleOf<QListWidget>(widgets));
        if (!list) return {};
        const QString key = kListKeys[below(static_cast<int>(kListKeys.size()))];
        const Step step = begin(QStringLiteral("key %1 in ").arg(key) + nameOf(list));
        list->window()->activateWindow();
        list->setFocus();
        press(list, key);
        return step;
    }
    QComboBox* box = pick(visibleOf<QComboBox>(widgets));
    if (!box) return {};
    const QString key = chance(60) ? QStringLiteral("Down") : QStringLiteral("Up");
    const Step step = begin(QStringLiteral("key %1 in ").arg(key) + nameOf(box));
    press(box, key);
    return step;
}

Monkey::Step Monkey::clickListItem() {
    std::vector<QListWidget*> lists;
    for (QListWidget* list : visibleOf<QListWidget>(visibleWidgets()))
        if (list->count() > 0) lists.push_back(list);
    QListWidget* list = pick(lists);
    if (!list) return {};
    const int row = below(list->count());
    const QString text = list->item(row)->text();
    const bool twice = chance(25);
    const Step step = begin(
        QStringLiteral("%1 \"%2\" in ").arg(q(twice ? "double-click" : "click"), text.left(40)) +
        nameOf(list));
    list->scrollToItem(list->item(row));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    const QPointer<QListWidget> alive(list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    // The click may have refilled the list, or closed its window: the second
    // click goes only to the same item still under the mouse.
    QListWidgetItem* again = alive ? list->item(row) : nullptr;
    if (twice && again && again->text() == text && list->visualItemRect(again).contains(at))
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    return step;
}

Monkey::Step Monkey::typeInField() {
    std::vector<QWidget*> fields;
    QWidget* memo = m_w.f().Form4.made() ? m_w.f().Form4->Script->Memo3 : nullptr;
    for (QWidget* w : visibleWidgets()) {
        auto* line = qobject_cast<QLineEdit*>(w);
        auto* text = qobject_cast<QTextEdit*>(w);
        if ((line && !line->isReadOnly()) || (text && !text->isReadOnly() && w != memo))
            fields.push_back(w);
    }
    QWidget* field = pick(fields);
    if (!field) return {};
    const QString text = word();
    const bool replace = chance(50);
    const bool enter = chance(35);
    const Step step = begin(
        QStringLiteral("type \"%1\"%2%3 in ")
                .arg(text.left(40), q(replace ? " over all" : ""), q(enter ? " and Return" : "")) +
            nameOf(field),
        m_w.f().Form4.made() && inside(field, m_w.f().Form4->Script->findBar()));
    field->window()->activateWindow();
    field->setFocus();
    if (replace) QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    typeText(field, text);
    if (enter) QTest::keyClick(field, Qt::Key_Return);
    return step;
}

Monkey::Step Monkey::bringEditor() {
    win::TForm2* tools = m_w.f().Form2;
    if (tools->Scripts.made() && tools->Scripts->Lbx2->isVisible() && chance(70)) {
        QListWidget* list = tools->Scripts->Lbx2;
        if (list->count() > 0) {
            QListWidgetItem* item = list->item(below(list->count()));
            const Step step =
                begin(QStringLiteral("open script \"%1\" from the catalogue").arg(item->text()));
            list->scrollToItem(item);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(item).center());
            return step;
        }
    }
    if (tools->Scripts.made() && tools->Scripts->Image3->isVisible()) {
        const Step step = begin(QStringLiteral("show the editor (Scripts/Image3)"));
        clickMiddle(tools->Scripts->Image3);
        return step;
    }
    if (!m_w.f().Form1->btLsp->isVisible()) return {};
    const Step step = begin(QStringLiteral("click Scripts on the navigation bar"));
    clickMiddle(m_w.f().Form1->btLsp);
    return step;
}

Monkey::Step Monkey::editorKeys() {
    if (!editorReachable() || (m_w.f().Form4->Pan1->PageIndex() != win::TForm4::kScript))
        return bringEditor();
    win::TForm4* editor = m_w.f().Form4;
    QTextEdit* memo = editor->Script->Memo3;
    editor->activateWindow();
    memo->setFocus();
    const int roll = below(100);
    if (roll < 35) {
        m_typedNow = m_typed.fresh();
        const QString marker = QString::fromLatin1(m_typedNow.c_str());
        const bool ownLine = chance(50);
        const Step step = begin(QStringLiteral("type marker %1%2 into the editor (script \"%3\")")
                                    .arg(marker, q(ownLine ? " on a new line" : ""),
                                         QString::fromStdString(editor->loadedScript())),
                                true);
        if (ownLine) QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, QLatin1Char(' ') + marker + QLatin1Char(' '));
        return step;
    }
    if (roll < 60) {
        const QString text = word();
        const Step step =
            begin(QStringLiteral("type \"%1\" into the editor").arg(text.left(40)), true);
        typeText(memo, text);
        return step;
    }
    const QString key = kEditorKeys[below(static_cast<int>(kEditorKeys.size()))];
    const Step step = begin(QStringLiteral("key %1 in the editor").arg(key), true);
    press(memo, key);
    return step;
}

// Saves come often enough that the copies and the server see the markers.
Monkey::Step Monkey::save() {
    if (!editorReachable()) return bringEditor();
    win::TForm4* editor = m_w.f().Form4;
    if (chance(50)) {
        const Step step = begin(QStringLiteral("click \"Gravar script\" (Script/btGrs)"));
        clickMiddle(editor->Script->btGrs);
        return step;
    }
    const Step step = begin(QStringLiteral("Ctrl+S in the editor"));
    editor->activateWindow();
    editor->Script->Memo3->setFocus();
    QTest::keyClick(editor->Script->Memo3, Qt::Key_S, Qt::ControlModifier);
    return step;
}

Monkey::Step Monkey::turnPage() {
    win::Notebook* book = pick(visibleOf<win::Notebook>(visibleWidgets()));
    if (!book || book->count() == 0) return {};
    const int page = below(book->count());
    const Step step = begin(QStringLiteral("turn %1 to page %2 (%3)")
                                .arg(nameOf(book))
                                .arg(page)
                                .arg(book->caption(page)));
    book->setPageIndex(page);
    return step;
}

// The special tools page ("Principal") and one of its entries.
Monkey::Step Monkey::workshop() {
    win::TForm2* tools = m_w.f().Form2;
    if (!tools->Exclusivo.made() || !tools->Exclusivo->isVisible()) {
        const Step step = begin(QStringLiteral("click \"Principal\" (Form1/Image22)"));
        clickMiddle(m_w.f().Form1->Image22);
        return step;
    }
    std::vector<QWidget*> entries;
    for (QWidget* w : visibleWidgets())
        if (inside(w, tools->Exclusivo) &&
            (qobject_cast<win::PictureButton*>(w) || qobject_cast<win::ClickLabel*>(w)))
            entries.push_back(w);
    QWidget* entry = pick(entries);
    if (!entry) return {};
    const Step step = begin(QStringLiteral("special tools: click ") + nameOf(entry));
    clickMiddle(entry);
    return step;
}

Monkey::Step Monkey::recover() {
    win::TForm1* main = m_w.f().Form1;
    const Step step = begin(QStringLiteral("back to \"Castelo de Vorn\""));
    if (main->btAdv->isVisible()) clickMiddle(main->btAdv);
    if (!m_w.choose(QStringLiteral("Castelo de Vorn"))) {
        log(QStringLiteral("log in as demo"));
        m_w.logIn(QStringLiteral("demo"), QStringLiteral("demo"));
        m_w.choose(QStringLiteral("Castelo de Vorn"));
    }
    return step;
}

// The program's own questions: at random either answered here or left to
// their dialogs, which answerModal() then answers.
void Monkey::answerSeams() {
    // Once per seam: the dialog behind it answers keep percent of the
    // questions, the monkey's own answer the rest.
    const auto seam = [this](auto& ask, int keep, auto own) {
        if (!m_wired.insert(&ask).second) return;
        ask = [this, dialog = ask, keep, own](auto... question) {
            return dialog && chance(keep) ? dialog(question...) : own(question...);
        };
    };
    const auto wrap = [this, seam](win::form4::AuthorQuestion& ask) {
        seam(ask, 40, [this](const std::string& question, const char* first, const char* second) {
            const bool yes = chance(50);
            log(QStringLiteral("asked \"%1\": %2")
                    .arg(win::ui(question).left(80), win::ui(yes ? first : second)));
            return yes;
        });
    };
    win::TForm2* tools = m_w.f().Form2;
    if (tools->Scripts.made()) wrap(tools->Scripts->ask);
    if (tools->Exclusivo.made()) {
        wrap(tools->Exclusivo->ask);
        seam(tools->Exclusivo->chooseFolder, 30, [this](const std::string&, bool) {
            const std::string folder = chance(70) ? m_outside.path().toStdString() : "";
            log(QStringLiteral("folder chosen: \"%1\"").arg(QString::fromStdString(folder)));
            return folder;
        });
    }
    if (!m_w.f().Form4.made()) return;
    win::TForm4* editor = m_w.f().Form4;
    wrap(editor->Modelos->ask);
    wrap(editor->Seriado->ask);
    wrap(editor->Auditoria->ask);
    seam(editor->Script->findBar()->askLine, 40, [this](int, int last) -> std::optional<int> {
        if (chance(20)) return std::nullopt;
        return 1 + below(std::max(1, last));
    });
    using Close = win::TForm4::CloseAnswer;
    using Clash = win::form4::ClashAnswer;
    editor->askClose = nullptr;
    if (chance(50))
        editor->askClose = [this](const QString& question) {
            const Close answer = std::array{Close::Save, Close::Discard, Close::Cancel}[below(3)];
            log(QStringLiteral("asked \"%1\": %2").arg(question.left(60)).arg(int(answer)));
            return answer;
        };
    editor->askClash = nullptr;
    if (chance(50))
        editor->askClash = [this](const win::form4::ServerClash& clash) {
            const Clash answer =
                std::array{Clash::StoreMine, Clash::TakeTheirs, Clash::Cancel}[below(3)];
            log(QStringLiteral("clash on \"%1\": answer %2")
                    .arg(QString::fromStdString(clash.script))
                    .arg(int(answer)));
            return answer;
        };
}

void Monkey::answerModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    ++m_modals;
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box && !box->buttons().isEmpty()) {
        const QList<QAbstractButton*> buttons = box->buttons();
        QAbstractButton* answer = buttons[below(static_cast<int>(buttons.size()))];
        log(QStringLiteral("message box \"%1\": %2").arg(box->text().left(80), answer->text()));
        answer->click();
    } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
        const bool take = chance(60);
        log(QStringLiteral("input dialog \"%1\": %2")
                .arg(input->labelText(), q(take ? "OK" : "cancel")));
        if (take) input->setIntValue(1 + below(60));
        take ? input->accept() : input->reject();
    } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
        log(QStringLiteral("file dialog \"%1\": cancel").arg(files->windowTitle()));
        files->reject();
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        std::vector<QPushButton*> buttons;
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->isVisible() && b->isEnabled()) buttons.push_back(b);
        QPushButton* answer = pick(buttons);
        if (!chance(85)) answer = nullptr;
        log(QStringLiteral("dialog %1: %2")
                .arg(nameOf(dialog), answer ? answer->text() : q("closed")));
        answer ? answer->click() : dialog->reject();
    } else {
        log(QStringLiteral("modal %1: closed").arg(nameOf(modal)));
        modal->close();
    }
}

void Monkey::check(const QString& editorBefore, bool editsText) {
    const QString now = editorText();
    if (!m_typedNow.empty() && now.contains(QString::fromLatin1(m_typedNow.c_str())))
        m_typed.typed(m_typedNow);
    const std::vector<std::string> lost = m_typed.lost(now, editorBefore, editsText, m_w.session());
    if (lost.empty()) return;
    std::string finding = "text typed into the editor is lost: the marker";
    for (const std::string& marker : lost)
        finding += " " + marker;
    Watch::instance().fail(finding +
                           " is in neither the editor, a local copy, nor a script on the server");
}

} // namespace vorn::monkey
