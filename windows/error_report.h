#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>

#include <exception>

namespace vorn::win {

// The application's general error report: whatever a handler lets out ends
// here, is shown in one non-modal message box and the program goes on with
// its windows as they were.
class ErrorReport : public QObject {
    Q_OBJECT
public:
    static ErrorReport& instance();

    void report(const QString& message);
    void reportCurrentException();

    QString lastMessage() const { return m_last; }
    int count() const { return m_count; }
    QMessageBox* box() const { return m_box; }

signals:
    void reported(const QString& message);

private:
    QString m_last;
    int m_count = 0;
    QPointer<QMessageBox> m_box;
};

// Runs a handler body; an exception it lets out goes to the report.
// Answers whether the body ran to its end.
template <class Body> bool guarded(Body&& body) {
    try {
        body();
        return true;
    } catch (...) {
        ErrorReport::instance().reportCurrentException();
        return false;
    }
}

// Connects a signal to a handler that runs guarded; extra signal arguments
// are dropped.
template <class Sender, class Signal, class Body>
QMetaObject::Connection onSignal(Sender* sender, Signal signal, QObject* context, Body body) {
    return QObject::connect(sender, signal, context, [body]() { guarded(body); });
}

// The last line of defence: an exception that escapes an event handler is
// reported instead of ending the program.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace vorn::win
