#include "Unit6.h"

#include "error_report.h"

#include <QGuiApplication>
#include <QScreen>

namespace vorn::win {
namespace {

QLabel* barCaption(const QString& text, QWidget* parent, const char* name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setStyleSheet(QStringLiteral("color: #F4F8FA; font: bold 11px 'Arial';"
                                        "background: transparent;"));
    label->adjustSize();
    return label;
}

} // namespace

TForm6::TForm6(const PictureStore& store, QWidget* parent)
    : ToolWindow(store, QStringLiteral("MapMaker"), parent) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("MapMaker"));

    Abook = new Notebook(QStringLiteral("Abook"), this);
    Abook->addPage(new NotebookPage(QStringLiteral("Gráficos...")));
    Abook->addPage(new NotebookPage(QStringLiteral("Imagens")));
    Abook->addPage(new NotebookPage(QStringLiteral("Posições...")));
    Abook->addPage(new NotebookPage(QStringLiteral("Compilação...")));

    Image17 = new PictureButton(this);
    Image17->setObjectName(QStringLiteral("Image17"));
    Image17->setGeometry(96, 4, 20, 14);
    smallLooks(Image17);
    Label17 = barCaption(QStringLiteral("Gráficos"), this, "Label17");
    Label17->move(119, 4);

    Image1 = new PictureButton(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(176, 4, 20, 14);
    smallLooks(Image1);
    Label1 = barCaption(QStringLiteral("Posições"), this, "Label1");
    Label1->move(199, 4);

    onSignal(Image17, &PictureButton::clicked, this, [this] { Image17Click(); });
    onSignal(Image1, &PictureButton::clicked, this, [this] { Image1Click(); });

    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 1388;
    setGeometry(screenWidth - kRightMargin - kWidth, kLockedTop, kWidth, kHeight);
    relayout();
    Abook->setPageIndex(kGraficos);
    hide();
}

void TForm6::Image17Click() {
    Abook->setPageIndex(kGraficos);
}
void TForm6::Image1Click() {
    Abook->setPageIndex(kPosicoes);
}

void TForm6::layoutPages() {
    Abook->setGeometry(0, kBarHeight, width(), height() - kBarHeight);
}

} // namespace vorn::win
