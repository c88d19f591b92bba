#pragma once

#include "browser_engine.h"

#include <QObject>

namespace vorn::win {

// The library's entry, found by the program's plugin loader.
class EnginePlugin : public QObject, public BrowserEngine {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VORN_BROWSER_ENGINE_IID)
    Q_INTERFACES(vorn::win::BrowserEngine)
public:
    BrowserView* createView(QWidget* parent, BrowserEvents events) override;
};

} // namespace vorn::win
