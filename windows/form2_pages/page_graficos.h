#pragma once

#include "page_files.h"

#include <QImage>

namespace vorn::win::form2 {

// Page "Gráficos": the adventure's pictures on the server and in the
// adventure folder, the preview of a local picture, uploads and deletions.
class PageGraficos : public FilesPage {
    Q_OBJECT
public:
    explicit PageGraficos(QWidget* parent = nullptr);

    static constexpr const char* kMask = "*.png;*.gif;*.jpg";
    // The preview keeps to a column this wide.
    static constexpr int kPreviewWidth = 221;

    QLabel* Label22;
    QListWidget* Lbx3; // the adventure's pictures on the server
    PictureButton* Image13;
    QLabel* Label13;
    QLabel* St1; // result of a deletion
    QLabel* Label8;
    QListWidget* File1; // the pictures of the adventure folder
    PictureButton* Image12;
    QLabel* Label40; // caption of the upload button
    QLabel* Stg;     // progress and result of uploads
    QProgressBar* G1;
    QLabel* Img1; // preview of the clicked local picture

    // Shows a picture in Img1 at its natural size, or narrowed to the
    // preview column with its proportions kept.
    void showPreview(const QImage& picture);
};

} // namespace vorn::win::form2
