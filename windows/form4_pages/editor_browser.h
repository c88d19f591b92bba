#pragma once

#include "web_holder.h"

namespace vorn::win::form4 {

// The editor's browser Web2. It tells where it goes: every address given to
// navigate() and, once the engine runs, every page the user reaches by a
// link. Callers reach it through this type, so their navigate() calls are
// seen too.
class EditorBrowser : public WebHolder {
    Q_OBJECT
public:
    EditorBrowser(const QString& name, QWidget* parent);

    void navigate(const QString& address);

signals:
    void navigating(const QString& address);
};

} // namespace vorn::win::form4
