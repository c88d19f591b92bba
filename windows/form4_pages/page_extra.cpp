#include "page_extra.h"

#include "form2_pages/page_parts.h"
#include "form4_pages/link_map_view.h"
#include "svg_pictures.h"

#include <QResizeEvent>

namespace vorn::win::form4 {

PageExtra::PageExtra(QWidget* parent)
    : NotebookPage(QStringLiteral("Extra"), parent) {
    Icc0 = new QLabel(this);
    Icc0->setObjectName(QStringLiteral("Icc0"));
    Icc0->setGeometry(10, 10, 100, 100);
    Icc0->setPixmap(svgPixmap(QStringLiteral("icc0"), Icc0->size()));
    Icc0->hide();

    QLabel* heading = form2::label(this, "lbLigacoes", QStringLiteral("Mapa de ligações:"), 10, 12);
    heading->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));
    heading->adjustSize();
    m_refresh = form2::toolButton(this, "btAtualizarMapa", 140, 8);
    m_refreshLabel = form2::label(this, "lbAtualizarMapa", QStringLiteral("Atualizar"), 176, 12);
    m_fit = new QPushButton(QStringLiteral("Ajustar"), this);
    m_fit->setObjectName(QStringLiteral("btAjustar"));
    m_fit->setGeometry(256, 7, 70, 24);
    form2::label(this, nullptr, QStringLiteral("Procurar:"), 338, 12);
    m_find = form2::field(this, "edProcurarScript", {400, 8, 150, 24});
    m_near = new QCheckBox(QStringLiteral("Vizinhança"), this);
    m_near->setObjectName(QStringLiteral("cbVizinhanca"));
    m_near->setGeometry(562, 9, 96, 22);
    m_near->setToolTip(QStringLiteral("Só os scripts a até tantos passos do script no editor"));
    m_steps = new QSpinBox(this);
    m_steps->setObjectName(QStringLiteral("seVizinhanca"));
    m_steps->setRange(1, 9);
    m_steps->setValue(2);
    m_steps->setSuffix(QStringLiteral(" passos"));
    m_steps->setGeometry(658, 8, 88, 24);
    m_save = new QPushButton(QStringLiteral("Salvar imagem..."), this);
    m_save->setObjectName(QStringLiteral("btSalvarImagem"));
    m_save->setGeometry(756, 7, 134, 24);

    m_view = new LinkMapView(this);
    m_view->setObjectName(QStringLiteral("gvLigacoes"));
    m_status = clickableStatus(this, "stLigacoes", {10, 576, 900, 40});
}

// The map takes the whole width and height the editor gives the page.
void PageExtra::resizeEvent(QResizeEvent* event) {
    NotebookPage::resizeEvent(event);
    const QSize size = event->size();
    m_view->setGeometry(10, 40, std::max(100, size.width() - 20),
                        std::max(100, size.height() - 90));
    m_status->setGeometry(10, std::max(140, size.height() - 46), std::max(100, size.width() - 20),
                          40);
}

} // namespace vorn::win::form4
