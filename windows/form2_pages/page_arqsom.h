#pragma once

#include "notebook.h"

#include <QLabel>
#include <QListWidget>

namespace vorn::win::form2 {

// Page "ArqSom": the adventure's sound files, local and on the server.
class PageArqSom : public NotebookPage {
    Q_OBJECT
public:
    explicit PageArqSom(QWidget* parent = nullptr);

    QLabel* Label87;
    QListWidget* Lbx8; // the adventure's sounds on the server
    QLabel* Label88;
    QLabel* Label89;    // caption of the upload button
    QListWidget* File2; // the files of the adventure folder

    // Points File2 at the adventure folder (UTF-8 path) and lists it.
    void setFolder(const QString& folder);
    QString folder() const { return m_folder; }
    // Re-reads the local file list of the adventure folder.
    void refreshLocalFiles();

private:
    QString m_folder;
};

} // namespace vorn::win::form2
