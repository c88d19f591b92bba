#pragma once

#include "notebook.h"

#include <QLabel>
#include <QListWidget>

namespace vorn::win::form2 {

// Page "Gráficos": the image library, local and on the server.
class PageGraficos : public NotebookPage {
    Q_OBJECT
public:
    explicit PageGraficos(QWidget* parent = nullptr);

    QLabel* Label22;
    QListWidget* Lbx3; // the adventure's pictures on the server
    QLabel* Label8;
    QLabel* Label40;    // caption of the upload button
    QListWidget* File1; // the files of the adventure folder

    // Points File1 at the adventure folder (UTF-8 path) and lists it.
    void setFolder(const QString& folder);
    QString folder() const { return m_folder; }
    // Re-reads the local file list of the adventure folder.
    void refreshLocalFiles();

private:
    QString m_folder;
};

} // namespace vorn::win::form2
