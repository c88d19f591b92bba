#pragma once

#include "notebook.h"

#include <QListWidget>
#include <QTextEdit>

namespace vorn::win::form4 {

// Page "Backup": the local copies of the scripts.
class PageBackup : public NotebookPage {
    Q_OBJECT
public:
    explicit PageBackup(QWidget* parent = nullptr);

    QListWidget* File1; // the "*.scp" files of the adventure folder
    QTextEdit* Memo5;   // the chosen copy, or the last full server message

    // Points File1 at a folder (UTF-8 path) and lists its copies, none chosen.
    void showFolder(const QString& folder);
    QString folder() const { return m_folder; }

private:
    QString m_folder;
};

} // namespace vorn::win::form4
