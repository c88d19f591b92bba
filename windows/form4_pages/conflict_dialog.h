#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QTextEdit;
class QLabel;

namespace vorn::win::form4 {

// A save found that a co-editor changed the script on the server since the
// editor opened it.
struct ServerClash {
    std::string script;
    std::vector<std::string> mine;   // the editor's text
    std::vector<std::string> theirs; // the server's text now
};

enum class ClashAnswer { StoreMine, TakeTheirs, Cancel };

// Both texts side by side with their differences marked, and the three ways
// out. Cancel is the default: nothing is stored and nothing is replaced.
class ConflictDialog : public QDialog {
    Q_OBJECT
public:
    explicit ConflictDialog(const ServerClash& clash, QWidget* parent = nullptr);

    ClashAnswer answer() const { return m_answer; }

    QTextEdit* mine;
    QTextEdit* theirs;
    QLabel* summary;

private:
    ClashAnswer m_answer = ClashAnswer::Cancel;
};

// Shows the dialog and waits for the author.
ClashAnswer askAboutClash(const ServerClash& clash, QWidget* parent);

} // namespace vorn::win::form4
