#pragma once

#include "notebook.h"
#include "picture_button.h"
#include "workshop_parts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace vorn::win::form4 {

class LinkMapView;

// Page "Extra": the link map, the whole adventure as boxes and arrows. It
// also keeps the placeholder picture Icc0 that stands in for a missing
// icon or QR code.
class PageExtra : public NotebookPage {
    Q_OBJECT
public:
    explicit PageExtra(QWidget* parent = nullptr);

    QLabel* Icc0;

    PictureButton* m_refresh; // "Atualizar": reads and lays out again
    QLabel* m_refreshLabel;
    QPushButton* m_fit; // "Ajustar"
    QLineEdit* m_find;  // "Procurar:"
    QCheckBox* m_near;  // "Vizinhança": only the scripts near the editor's
    QSpinBox* m_steps;
    QPushButton* m_save; // "Salvar imagem..."
    LinkMapView* m_view;
    ClickLabel* m_status;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace vorn::win::form4
