#pragma once

#include <QString>
#include <QWidget>

class QWebEngineView;

namespace vorn::win {

// Where a browser control stands. The web engine takes long to start, so the
// view inside is made on the first navigation; until then the holder is a
// plain white panel with the control's name.
class WebHolder : public QWidget {
    Q_OBJECT
public:
    WebHolder(const QString& name, QWidget* parent);

    void navigate(const QString& address);
    QString address() const { return m_address; }
    QWebEngineView* view() const { return m_view; }
    QWebEngineView* ensureView();

    // Off in the window tests, which check where a browser was sent without
    // starting the engine.
    static void setEngineEnabled(bool enabled);
    static bool engineEnabled();

signals:
    void viewCreated(QWebEngineView* view);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWebEngineView* m_view = nullptr;
    QString m_address;
};

} // namespace vorn::win
