#pragma once

#include "page_files.h"

namespace vorn::win::form2 {

// Page "ArqSom": the adventure's sound files on the server and in the
// adventure folder, uploads, deletions, and playing a local sound.
class PageArqSom : public FilesPage {
    Q_OBJECT
public:
    explicit PageArqSom(QWidget* parent = nullptr);

    static constexpr const char* kMask = "*.mp3;*.ogg";

    QLabel* Label87;
    QListWidget* Lbx8; // the adventure's sounds on the server
    PictureButton* Image18;
    QLabel* Label86;
    QLabel* St2; // result of a deletion
    QLabel* Label88;
    QListWidget* File2; // the sounds of the adventure folder
    PictureButton* Image20;
    QLabel* Label89; // caption of the upload button
    QLabel* Label90; // uploads and playing
    QProgressBar* G2;
    // The way to the shared sound library (page Sons), where an author who
    // manages the adventure's sounds looks for more.
    PictureButton* m_library;
};

} // namespace vorn::win::form2
