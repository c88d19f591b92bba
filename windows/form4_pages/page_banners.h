#pragma once

#include "notebook.h"
#include "picture_button.h"

#include <QLabel>
#include <QListWidget>
#include <QTableWidget>

namespace vorn::win::form4 {

// Page "Banners": the adventure's pictures on the server beside the local
// banner pictures, and the banner account.
class PageBanners : public NotebookPage {
    Q_OBJECT
public:
    explicit PageBanners(QWidget* parent = nullptr);

    static constexpr const char* kMask = "*.png;*gif;*jpg";

    QLabel* Label1;
    QListWidget* Lbx1;  // the adventure's pictures on the server
    QListWidget* File3; // the local banner folder's pictures
    QLabel* lbMkt;      // the account question or why there is none
    PictureButton* btMkt;
    QLabel* lbConta;        // the account number and credits
    PictureButton* Image13; // "Deletar do servidor..."
    PictureButton* Image4;  // "Upload do banner"
    QTableWidget* Cad2;
};

} // namespace vorn::win::form4
