#pragma once

#include <QString>

#include <set>
#include <string>
#include <vector>

namespace vorn {
struct Session;
}

namespace vorn::monkey {

// The marker words typed into the script editor and where each one is now.
// A marker is safe in the editor, in a local copy (copies are never
// replaced, so one found there stays safe), or on the server. Markers are
// written with letters the monkey's other text never uses, so that only an
// edit of the editor's own text can break one.
class TypedText {
public:
    explicit TypedText(std::string home);

    // A new marker: "zq" and the count in the letters w x z q.
    std::string fresh();
    // The marker reached the editor.
    void typed(const std::string& marker);

    // After a step: the markers that are nowhere. editorBefore is the
    // editor's text before the step; when the step was the author's own
    // edit of that text, a marker it removed from the editor was removed by
    // the author and is forgotten.
    std::vector<std::string> lost(const QString& editorNow, const QString& editorBefore,
                                  bool authorEdit, const Session& session);

    int count() const { return m_count; }
    int open() const { return static_cast<int>(m_open.size()); }
    int kept() const { return m_kept; }
    int forgotten() const { return m_forgotten; }
    int fetches() const { return m_fetches; }

private:
    void scanCopies();
    bool onServer(const std::string& marker, const Session& session);

    std::string m_home;
    std::set<std::string> m_open; // not yet found in a copy
    std::set<QString> m_scanned;  // copies read already
    int m_count = 0;
    int m_kept = 0;
    int m_forgotten = 0;
    int m_fetches = 0;
};

} // namespace vorn::monkey
