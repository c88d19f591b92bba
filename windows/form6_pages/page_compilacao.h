#pragma once

#include "map_script.h"
#include "notebook.h"
#include "picture_button.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace vorn::win::form6 {

// Page "Compilação...": the options of the position scripts, the compile
// button and its progress.
class PageCompilacao : public NotebookPage {
    Q_OBJECT
public:
    explicit PageCompilacao(QWidget* parent = nullptr);

    PictureButton* Image4; // "Compilar..."
    QProgressBar* g1;
    QLabel* Stk;
    QLabel* m_summary; // how many scripts the last compile stored, found or had refused
    QCheckBox* Cb1;    // "sobrepor"

    QCheckBox* Cb3; // "Tela posic:"
    QLineEdit* Ed16;
    QLineEdit* Ed17;
    QCheckBox* Cb4; // "Área texto:"
    QLineEdit* Ed1;
    QLineEdit* Ed2;
    QLineEdit* Ed3;
    QLineEdit* Ed4;
    QLineEdit* Ed5;
    QLineEdit* Ed6;
    QLineEdit* Ed7;
    QLineEdit* Ed8;
    QCheckBox* Cb5; // "bold"
    QCheckBox* Cb6; // "italic"
    QCheckBox* Cb2; // "Frase cmdo:"
    QLineEdit* Ed10;
    QLineEdit* Ed11;
    QLineEdit* Ed12;
    QLineEdit* Ed13;
    QLineEdit* Ed14;
    QLineEdit* Ed15;
    QLineEdit* Ed9; // "Não achei..."

    // The options as the boxes and fields hold them, cp1252.
    map::CompileOptions options() const;
};

} // namespace vorn::win::form6
