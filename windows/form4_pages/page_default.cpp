#include "page_default.h"

#include <QPixmap>
#include <QResizeEvent>

#include <array>

namespace vorn::win::form4 {
namespace {

// The rectangle's pen colours, in the order right clicks go through them.
const std::array<QColor, 7> kPenColours = {
    QColor(0, 0, 255), QColor(0, 0, 0),   QColor(255, 255, 255), QColor(0, 255, 255),
    QColor(255, 0, 0), QColor(128, 0, 0), QColor(0, 255, 0),
};

} // namespace

PageDefault::PageDefault(QWidget* parent)
    : NotebookPage(QStringLiteral("Default"), parent) {
    Abook3 = new Notebook(QStringLiteral("Abook3"), this);
    Abook3->addPage(Terla = new NotebookPage(QStringLiteral("Terla")));

    Tela = new QLabel(Terla);
    Tela->setObjectName(QStringLiteral("Tela"));
    Tela->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Tela->move(0, 0);

    Shp1 = new DesignerShape("Shp1", Terla);
    Shp1->setPen(kPenColours[0], Qt::DotLine);
    Shp2 = new DesignerShape("Shp2", Terla);
    Shp2->setPen(QColor(0, 128, 192), Qt::SolidLine);
    Shp2->setFill(QColor(255, 128, 64));
    Shp2->resize(kHandleSize, kHandleSize);

    Std = new QLabel(Terla);
    Std->setObjectName(QStringLiteral("Std"));
    Std->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold;"
                                      "background: rgba(225, 225, 225, 200);"));
    Std->hide();

    for (DesignerShape* shape : {Shp1, Shp2}) {
        connect(shape, &DesignerShape::pressed, this,
                [this](Qt::MouseButton button, QPoint at) { ShpMouseDown(button, at); });
        connect(shape, &DesignerShape::released, this, [this] { ShpMouseUp(); });
    }
    connect(Shp1, &DesignerShape::moved, this, [this](QPoint at) { Shp1MouseMove(at); });
    connect(Shp2, &DesignerShape::moved, this, [this](QPoint at) { Shp2MouseMove(at); });
}

void PageDefault::resizeEvent(QResizeEvent* event) {
    NotebookPage::resizeEvent(event);
    Abook3->setGeometry(rect());
    Std->setGeometry(0, height() - 22, width(), 22);
}

void PageDefault::open(const DesignerLine& read, const DesignerRect& rect,
                       const DesignerOrigin& origin, const QImage& canvas) {
    m_read = read;
    m_rect = rect;
    m_origin = origin;
    m_line = origin.text;
    m_dragging = false;
    Tela->setPixmap(QPixmap::fromImage(canvas));
    Tela->resize(canvas.size());
    Std->clear();
    Std->hide();
    placeShapes();
    Shp1->show();
    Shp2->show();
    Shp1->raise();
    Shp2->raise();
    Std->raise();
}

void PageDefault::close() {
    m_read = DesignerLine();
    m_dragging = false;
}

void PageDefault::showNote(const QString& note) {
    Std->setText(note);
    Std->setVisible(!note.isEmpty());
    Std->raise();
}

ScreenSize PageDefault::screen() const {
    return {Tela->width(), Tela->height()};
}

void PageDefault::placeShapes() {
    Shp1->setGeometry(m_rect.x, m_rect.y, m_rect.w, m_rect.h);
    Shp2->move(handleLeft(m_rect), handleTop(m_rect));
}

void PageDefault::ShpMouseDown(Qt::MouseButton button, QPoint at) {
    m_grab = at;
    m_dragging = true;
    if (button != Qt::RightButton) return;
    Shp1->setPen(kPenColours[static_cast<std::size_t>(m_penIndex)], Qt::DotLine);
    m_penIndex = (m_penIndex + 1) % static_cast<int>(kPenColours.size());
}

void PageDefault::Shp1MouseMove(QPoint at) {
    if (!m_dragging) return;
    m_rect = movedRectangle(m_rect, at.x() - m_grab.x(), at.y() - m_grab.y(), screen());
    placeShapes();
}

void PageDefault::Shp2MouseMove(QPoint at) {
    if (!m_dragging) return;
    m_rect = resizedRectangle(m_rect, Shp2->x() + at.x() - m_grab.x(),
                              Shp2->y() + at.y() - m_grab.y(), screen());
    placeShapes();
}

void PageDefault::ShpMouseUp() {
    m_dragging = false;
    if (m_read.mode == DesignerMode::Closed) return;
    m_line = rebuildLine(m_read, m_rect);
}

} // namespace vorn::win::form4
