#include "page_objetos.h"

#include "files.h"
#include "page_parts.h"
#include "pictures.h"
#include "session.h"

namespace vorn::win::form2 {
namespace {

QByteArray named(const char* stem, const char* suffix) {
    return QByteArray(stem) + suffix;
}

} // namespace

PageObjetos::PageObjetos(QWidget* parent)
    : NotebookPage(QStringLiteral("Objetos"), parent) {
    Label56 = label(this, "Label56", QStringLiteral("Objetos da aventura:"), 10, 8);
    Lbx4 = list(this, "Lbx4", {10, 28, 400, 150}, true);
    int y = buildPanel(190, "1", Label59, QStringLiteral("Objeto no início:"), LocObj1, ShpObj1,
                       DscObj1, FigObj1, btObj1, Label60, lbObj1);
    y = buildPanel(y + 10, "2", Label62, QStringLiteral("Objeto atual:"), LocObj2, ShpObj2, DscObj2,
                   FigObj2, btObj2, Label74, lbObj2);
    Label60->setObjectName(QStringLiteral("Label60"));
    Label74->setObjectName(QStringLiteral("Label74"));
    Label59->setObjectName(QStringLiteral("Label59"));
    Label62->setObjectName(QStringLiteral("Label62"));

    y += 10;
    Label76 = label(this, "Label76", QStringLiteral("Criar novo objeto na aventura"), 10, y);
    Edit21 = field(this, "Edit21", {10, y + 20, 200, 24}, 16);
    Image26 = smallButton(this, "Image26", 220, y + 25);
    Lb77 = statusLabel(this, "Lb77", {250, y + 22, 160, 36});
}

int PageObjetos::buildPanel(int top, const char* suffix, QLabel*& heading, const QString& caption,
                            QLineEdit*& loc, QLineEdit*& shp, QLineEdit*& dsc, QLabel*& fig,
                            PictureButton*& button, QLabel*& buttonCaption, QLabel*& status) {
    heading = label(this, nullptr, caption, 10, top);
    heading->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));
    heading->adjustSize();
    int y = top + 22;
    label(this, nullptr, QStringLiteral("local"), 10, y + 4);
    loc = field(this, named("LocObj", suffix).constData(), {90, y, 210, 24});
    y += 28;
    label(this, nullptr, QStringLiteral("shape"), 10, y + 4);
    shp = field(this, named("ShpObj", suffix).constData(), {90, y, 210, 24});
    y += 28;
    label(this, nullptr, QStringLiteral("descrição:"), 10, y + 4);
    dsc = field(this, named("DscObj", suffix).constData(), {90, y, 210, 24});
    fig = new QLabel(this);
    fig->setObjectName(QString::fromLatin1(named("FigObj", suffix)));
    fig->setGeometry(310, top + 22, 100, 80);
    fig->setAlignment(Qt::AlignCenter);
    y += 30;
    button = smallButton(this, named("btObj", suffix).constData(), 10, y + 3);
    buttonCaption = label(this, nullptr, QStringLiteral("Atualizar"), 34, y + 2);
    status = statusLabel(this, named("lbObj", suffix).constData(), {110, y, 300, 36});
    status->clear();
    return y + 36;
}

void showShape(const ObjectPanel& panel, const Session& session, const std::string& name,
               const QPixmap& placeholder) {
    const bool onDisk = !session.DirAdv.empty() && isSafeFileName(name) &&
                        fileExists(session.DirAdv + localName(name));
    if (!onDisk) {
        panel.FigObj->setPixmap(placeholder);
        return;
    }
    QImage picture;
    LoadPictureFile(session, name, picture);
    panel.FigObj->setPixmap(QPixmap::fromImage(picture).scaled(
        panel.FigObj->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

ObjectPanel PageObjetos::panel(int state) const {
    if (state == 0) return {LocObj1, ShpObj1, DscObj1, FigObj1, btObj1, lbObj1};
    return {LocObj2, ShpObj2, DscObj2, FigObj2, btObj2, lbObj2};
}

} // namespace vorn::win::form2
