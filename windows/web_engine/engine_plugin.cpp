#include "engine_plugin.h"

#include "engine_view.h"

#include <utility>

namespace vorn::win {

BrowserView* EnginePlugin::createView(QWidget* parent, BrowserEvents events) {
    return new EngineView(parent, std::move(events));
}

} // namespace vorn::win
