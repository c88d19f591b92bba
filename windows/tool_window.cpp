#include "tool_window.h"

#include "error_report.h"
#include "svg_pictures.h"
#include "window_drag.h"

#include <QPalette>

namespace vorn::win {

ToolWindow::ToolWindow(const PictureStore& store, const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_store(store) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xE1, 0xE1, 0xE1));
    setPalette(pal);
    setAutoFillBackground(true);

    Barra = new QLabel(this);
    Barra->setObjectName(QStringLiteral("Barra"));
    Barra->setScaledContents(true);
    Barra->setCursor(Qt::SizeAllCursor);

    lbTit = new QLabel(title, this);
    lbTit->setObjectName(QStringLiteral("lbTit"));
    lbTit->setStyleSheet(QStringLiteral("color: #F4F8FA; font: bold 12px 'Arial';"
                                        "background: transparent;"));
    lbTit->move(10, 3);
    lbTit->setCursor(Qt::SizeAllCursor);

    Tic = new PictureButton(this);
    Tic->setObjectName(QStringLiteral("Tic"));
    Tic->setToolTip(QStringLiteral("Trava deslocamento vertical"));
    Tic->resize(14, 14);
    Tic->setPicture(PictureStore::picture(store.Tic2));

    BtFch = new PictureButton(this);
    BtFch->setObjectName(QStringLiteral("BtFch"));
    BtFch->setToolTip(QStringLiteral("Fecha a janela"));
    BtFch->resize(20, 14);
    smallLooks(BtFch);
    BtFch->setGlyph(svgPixmap(QStringLiteral("glyph_close"), {8, 8}));

    m_dragger = new WindowDragger(this, [this] { return m_verticalLock; });
    m_dragger->addHandle(Barra);
    m_dragger->addHandle(lbTit);

    onSignal(Tic, &PictureButton::pressed, this, [this] { TicMouseDown(); });
    onSignal(BtFch, &PictureButton::clicked, this, [this] { BtFchClick(); });
}

void ToolWindow::smallLooks(PictureButton* button) const {
    button->setLooks(PictureStore::picture(m_store.btUp3), PictureStore::picture(m_store.btDw3));
}

void ToolWindow::TicMouseDown() {
    if (m_verticalLock) {
        m_verticalLock = false;
        Tic->setPicture(PictureStore::picture(m_store.Tic1));
    } else {
        m_verticalLock = true;
        Tic->setPicture(PictureStore::picture(m_store.Tic2));
        move(x(), kLockedTop);
    }
}

void ToolWindow::BtFchClick() {
    hide();
}

void ToolWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void ToolWindow::relayout() {
    Barra->setGeometry(0, 0, width(), kBarHeight);
    Barra->setPixmap(svgPixmap(QStringLiteral("barra"), Barra->size()));
    lbTit->adjustSize();
    Tic->move(width() - 48, 4);
    BtFch->move(width() - 27, 4);
    Barra->lower();
    layoutPages();
}

} // namespace vorn::win
