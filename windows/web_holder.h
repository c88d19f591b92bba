#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

namespace vorn::win {

class BrowserView;

// Where a browser control stands. The web engine takes long to start, so the
// view inside is made on the first navigation (loading the engine's library
// then); until then the holder is a plain white panel.
class WebHolder : public QWidget {
    Q_OBJECT
public:
    WebHolder(const QString& name, QWidget* parent);

    void navigate(const QString& address);
    QString address() const { return m_address; }
    // Nothing until the first navigation, and always when the engine is off
    // or its library cannot be loaded.
    BrowserView* view() const { return m_view; }
    BrowserView* ensureView();
    // Runs a script in the page shown; nothing without a view.
    void runJavaScript(const QString& script);

    // Off in the window tests, which check where a browser was sent without
    // starting the engine.
    static void setEngineEnabled(bool enabled);
    static bool engineEnabled();

signals:
    // The main frame is about to open the address; told once the engine's
    // own callback has returned.
    void navigationRequested(const QUrl& address);
    void urlChanged(const QUrl& address);
    void loadFinished(bool ok);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    BrowserView* m_view = nullptr;
    QString m_address;
    bool m_failed = false;
};

} // namespace vorn::win
