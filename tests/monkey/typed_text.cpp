#include "typed_text.h"

#include "files.h"
#include "request_layer.h"
#include "scripts.h"
#include "session.h"

#include <QDirIterator>

namespace vorn::monkey {

TypedText::TypedText(std::string home)
    : m_home(std::move(home)) {}

std::string TypedText::fresh() {
    static const char letters[] = "wxzq";
    std::string marker = "zq";
    for (int n = ++m_count, i = 0; i < 8; ++i, n /= 4)
        marker += letters[n % 4];
    return marker;
}

void TypedText::typed(const std::string& marker) {
    m_open.insert(marker);
}

std::vector<std::string> TypedText::lost(const QString& editorNow, const QString& editorBefore,
                                         bool authorEdit, const Session& session) {
    const auto inEditor = [&](const std::string& marker) {
        return editorNow.contains(QString::fromLatin1(marker.c_str()));
    };
    bool someAway = false;
    for (const std::string& marker : m_open)
        someAway = someAway || !inEditor(marker);
    if (!someAway) return {};
    scanCopies();
    std::vector<std::string> missing;
    for (auto it = m_open.begin(); it != m_open.end();) {
        if (inEditor(*it)) {
            ++it;
        } else if (authorEdit && editorBefore.contains(QString::fromLatin1(it->c_str()))) {
            ++m_forgotten;
            it = m_open.erase(it);
        } else {
            if (!onServer(*it, session)) missing.push_back(*it);
            ++it;
        }
    }
    return missing;
}

// Every copy under the program folder (the adventures' folders and the copy
// of text that belonged to no script) not read before: a copy never
// changes, so a marker found in one is safe for good.
void TypedText::scanCopies() {
    QDirIterator files(QString::fromStdString(m_home), {QStringLiteral("*.scp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (!m_scanned.insert(path).second) continue;
        const std::string text = readFile(path.toStdString());
        for (auto it = m_open.begin(); it != m_open.end();) {
            if (text.find(*it) != std::string::npos) {
                ++m_kept;
                it = m_open.erase(it);
            } else {
                ++it;
            }
        }
    }
}

bool TypedText::onServer(const std::string& marker, const Session& session) {
    if (session.SesAdv.empty()) return false;
    RequestLayer layer;
    Session own = session;
    const ScriptList list = fetchScriptList(layer, own);
    for (const std::string& name : list.names) {
        ++m_fetches;
        for (const std::string& line : fetchScript(layer, own, name))
            if (line.find(marker) != std::string::npos) return true;
    }
    return false;
}

} // namespace vorn::monkey
