#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>
#include <QtPlugin>

#include <functional>

namespace vorn::win {

// What a browser view tells. Each call comes on the window thread once the
// engine's own callback has returned, so a listener may navigate again.
struct BrowserEvents {
    // The main frame is about to open an address; the navigation goes on.
    std::function<void(const QUrl&)> navigationRequested;
    std::function<void(const QUrl&)> urlChanged;
    std::function<void(bool ok)> loadFinished;
};

// One browser view of the web engine. It is a child widget of the parent it
// was made for and goes with it.
class BrowserView {
public:
    virtual ~BrowserView() = default;
    virtual QWidget* widget() = 0;
    virtual void setUrl(const QUrl& address) = 0;
    virtual void runJavaScript(const QString& script) = 0;
};

// The web engine lives in a library of its own, loaded the first time a
// browser is needed: linking it into the program would load and relocate
// its libraries at every start, for a window most sessions open late.
class BrowserEngine {
public:
    virtual ~BrowserEngine() = default;
    virtual BrowserView* createView(QWidget* parent, BrowserEvents events) = 0;
};

// The engine, loaded on the first call. Throws Error telling why when the
// library cannot be loaded; every later call throws the same.
BrowserEngine& browserEngine();

// The file name of the engine library, found beside the program.
QString browserEngineFileName();

} // namespace vorn::win

#define VORN_BROWSER_ENGINE_IID "org.vorn.VORNscript.BrowserEngine/1"
Q_DECLARE_INTERFACE(vorn::win::BrowserEngine, VORN_BROWSER_ENGINE_IID)
