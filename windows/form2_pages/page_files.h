#pragma once

#include "notebook.h"
#include "picture_button.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>

namespace vorn::win::form2 {

// What the pages of the adventure's pictures and of its sounds share: on the
// left the server's files with a delete button and its status, on the right
// the files of the adventure folder that the mask lets through, with an
// upload button, its status and a gauge hidden when idle.
class FilesPage : public NotebookPage {
    Q_OBJECT
public:
    // Points the local list at the adventure folder (UTF-8 path) and lists it.
    void setFolder(const QString& folder);
    QString folder() const { return m_folder; }
    // Re-reads the local file list of the adventure folder.
    void refreshLocalFiles();

protected:
    // The object names of the controls, which the pages' handlers use.
    struct Names {
        const char *serverHeading, *server, *remove, *removeCaption, *removeStatus;
        const char *localHeading, *local, *upload, *uploadCaption, *uploadStatus, *gauge;
    };
    struct Controls {
        QLabel* serverHeading;
        QListWidget* server;
        PictureButton* remove;
        QLabel* removeCaption;
        QLabel* removeStatus;
        QLabel* localHeading;
        QListWidget* local;
        PictureButton* upload;
        QLabel* uploadCaption;
        QLabel* uploadStatus;
        QProgressBar* gauge;
    };
    FilesPage(const QString& caption, QString mask, QWidget* parent);
    Controls build(const Names& names, const QString& serverHeading, const QString& localHeading);

    static constexpr int kListHeight = 300;

private:
    QListWidget* m_local = nullptr;
    QString m_mask;
    QString m_folder;
};

} // namespace vorn::win::form2
