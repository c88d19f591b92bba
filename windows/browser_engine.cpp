#include "browser_engine.h"

#include "error.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QOpenGLContext>
#include <QPluginLoader>
#include <QStringList>

#include <string>

// Qt GUI's own setter of the context every other one may share with, the one
// Qt::AA_ShareOpenGLContexts makes at start. Exported by Qt GUI, declared in
// its private headers only.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace vorn::win {
namespace {

QOpenGLContext* g_shareContext = nullptr;

void deleteShareContext() {
    if (QOpenGLContext::globalShareContext() == g_shareContext)
        qt_gl_set_global_share_context(nullptr);
    delete g_shareContext;
    g_shareContext = nullptr;
}

// The web engine's library looks for the shared context as it loads and its
// views use it. Making it at start (Qt::AA_ShareOpenGLContexts) costs every
// start the loading of the OpenGL libraries; made here it costs the first
// browser only. It goes with the application, before the window system.
void ensureShareContext() {
    if (QOpenGLContext::globalShareContext()) return;
    g_shareContext = new QOpenGLContext;
    g_shareContext->create();
    qAddPostRoutine(deleteShareContext);
    qt_gl_set_global_share_context(g_shareContext);
}

} // namespace

QString browserEngineFileName() {
    return QStringLiteral(VORN_BROWSER_ENGINE_FILE);
}

BrowserEngine& browserEngine() {
    static BrowserEngine* engine = nullptr;
    static std::string failure;
    if (engine) return *engine;
    if (!failure.empty()) throw Error(failure);

    ensureShareContext();
    // Beside the program first (a copy run where it was built), then where
    // the install put it, relative to the program (cmake/VornInstall.cmake),
    // then where the build put it (the window tests run from folders of
    // their own).
    const QString programDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString places[] = {programDir + browserEngineFileName(),
                              programDir + QStringLiteral(VORN_BROWSER_ENGINE_INSTALLED "/") +
                                  browserEngineFileName(),
                              QStringLiteral(VORN_BROWSER_ENGINE_BUILT)};
    QStringList reasons;
    for (const QString& path : places) {
        if (!QFileInfo::exists(path)) continue;
        QPluginLoader loader(path);
        if (auto* found = qobject_cast<BrowserEngine*>(loader.instance())) {
            engine = found;
            return *engine;
        }
        reasons << loader.errorString();
    }
    if (reasons.isEmpty()) reasons << browserEngineFileName() + QStringLiteral(" não encontrado");
    failure =
        "O navegador não pôde ser iniciado: " + reasons.join(QStringLiteral("; ")).toStdString();
    throw Error(failure);
}

} // namespace vorn::win
