#include "error_report.h"

#include "error.h"
#include "portuguese.h"
#include "qt_text.h"

#include <QMessageBox>

namespace vorn::win {

ErrorReport& ErrorReport::instance() {
    static ErrorReport report;
    return report;
}

void ErrorReport::report(const QString& message) {
    m_last = message;
    ++m_count;
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        // One box, reused: a burst of failures must not pile up windows, and
        // a modal box would stop the very windows the author is working in.
        if (!m_box) {
            m_box = new QMessageBox(QMessageBox::Warning, QStringLiteral("VORNscript"), QString(),
                                    QMessageBox::Ok);
            m_box->setObjectName(QStringLiteral("ErrorReport"));
            m_box->setWindowModality(Qt::NonModal);
            m_box->setWindowFlag(Qt::WindowStaysOnTopHint);
            m_box->setAttribute(Qt::WA_DeleteOnClose);
        }
        m_box->setText(message);
        m_box->show();
        m_box->raise();
    }
    emit reported(message);
}

void ErrorReport::reportCurrentException() {
    try {
        throw;
    } catch (const Error& e) {
        report(uiMessage(e.what()));
    } catch (const std::exception& e) {
        report(uiMessage(e.what()));
    } catch (...) {
        report(QStringLiteral("Erro desconhecido"));
    }
}

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv) {
    speakPortuguese(*this);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ErrorReport::instance().reportCurrentException();
        return false;
    }
}

} // namespace vorn::win
