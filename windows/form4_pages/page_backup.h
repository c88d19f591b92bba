#pragma once

#include "notebook.h"
#include "picture_button.h"

#include <QLabel>
#include <QListWidget>
#include <QTextEdit>

#include <string>

namespace vorn::win::form4 {

// Page "Backup": the local copies of the scripts.
class PageBackup : public NotebookPage {
    Q_OBJECT
public:
    explicit PageBackup(QWidget* parent = nullptr);

    QListWidget* File1; // the "*.scp" files of the adventure folder
    QTextEdit* Memo5;   // the chosen copy, or the last full server message
    PictureButton* Image2;
    QLabel* lbRecuperar;
    // How the chosen copy differs from the editor's text, before it is
    // restored.
    QLabel* lbChanges;
    QTextEdit* changes;

    // Points File1 at a folder (UTF-8 path) and lists its copies, none chosen.
    void showFolder(const QString& folder);
    QString folder() const { return m_folder; }

    // Loads the copy chosen in File1 into Memo5 (File1Click). Throws Error
    // when the file cannot be read.
    void File1Click();

signals:
    void copyChosen(); // a press or a key in File1

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_folder;
};

} // namespace vorn::win::form4
