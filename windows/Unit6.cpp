#include "Unit6.h"

#include "Unit1.h"
#include "error.h"
#include "error_report.h"
#include "form6_pages/page_compilacao.h"
#include "form6_pages/page_graficos.h"
#include "form6_pages/page_imagens.h"
#include "form6_pages/page_posicoes.h"
#include "map_compiler.h"
#include "map_editor.h"
#include "map_image.h"
#include "map_names.h"
#include "map_pictures.h"
#include "pictures.h"
#include "qt_text.h"
#include "session.h"

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

QString faultText(const QString& field, map::NameFault fault) {
    switch (fault) {
    case map::NameFault::None:
        break;
    case map::NameFault::TooLong:
        return field + QStringLiteral(": no máximo 16 caracteres!!!");
    case map::NameFault::Comma:
        return field + QStringLiteral(": não use vírgulas!!!");
    case map::NameFault::LineBreak:
    case map::NameFault::Control:
        return field + QStringLiteral(": caractere inválido!!!");
    case map::NameFault::NotCp1252:
        return field + QStringLiteral(": caractere que o servidor não aceita!!!");
    }
    return {};
}

} // namespace

TForm6::TForm6(const PictureStore& store, QWidget* parent)
    : ToolWindow(store, QStringLiteral("MapMaker"), parent) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("MapMaker"));

    Abook = new Notebook(QStringLiteral("Abook"), this);
    Abook->addPage(Graficos = new form6::PageGraficos);
    Abook->addPage(Imagens = new form6::PageImagens);
    Abook->addPage(Posicoes = new form6::PagePosicoes);
    Abook->addPage(Compilacao = new form6::PageCompilacao);

    Image17 = new PictureButton(this);
    Image17->setObjectName(QStringLiteral("Image17"));
    Image17->setGeometry(96, 4, 20, 14);
    Label17 = barCaption(QStringLiteral("Gráficos"), this, "Label17");
    Label17->move(119, 4);

    Image1 = new PictureButton(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(176, 4, 20, 14);
    Label1 = barCaption(QStringLiteral("Posições"), this, "Label1");
    Label1->move(199, 4);

    for (PictureButton* button : findChildren<PictureButton*>())
        if (button != Tic && button != BtFch) smallLooks(button);
    connectHandlers();

    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 1388;
    setGeometry(screenWidth - kRightMargin - kWidth, kLockedTop, kWidth, kHeight);
    relayout();
    Abook->setPageIndex(kGraficos);
    hide();
}

TForm6::~TForm6() = default;

void TForm6::connectHandlers() {
    onSignal(Image17, &PictureButton::clicked, this, [this] { Image17Click(); });
    onSignal(Image1, &PictureButton::clicked, this, [this] { Image1Click(); });
    connect(Graficos, &form6::PageGraficos::tileClicked, this,
            [this](int code) { guarded([this, code] { TileClick(code); }); });
    onSignal(Graficos->Shp1, &ClickLabel::clicked, this, [this] { Shp1Click(); });
    form6::PagePosicoes* p = Posicoes;
    onSignal(p->Img, &ClickLabel::clicked, this, [this] { ImgClick(); });
    onSignal(p->Image2, &PictureButton::clicked, this, [this] { Image2Click(); });
    onSignal(p->Image3, &PictureButton::clicked, this, [this] { Image3Click(); });
    onSignal(p->Image5, &PictureButton::clicked, this, [this] { Image5Click(); });
    for (QLineEdit* field : {p->NoPos, p->Norte, p->Leste, p->Sul, p->Oeste})
        onSignal(field, &QLineEdit::returnPressed, this, [this] { Image2Click(); });
    onSignal(p->Edit1, &QLineEdit::returnPressed, this, [this] { Edit1Enter(); });
    onSignal(Compilacao->Image4, &PictureButton::clicked, this, [this] { Image4Click(); });
}

void TForm6::Image17Click() {
    Abook->setPageIndex(kGraficos);
}

void TForm6::Image1Click() {
    Abook->setPageIndex(kPosicoes);
}

void TForm6::ImgClick() {
    Abook->setPageIndex(kGraficos);
}

void TForm6::Image5Click() {
    Abook->setPageIndex(kCompilacao);
}

map::MapEditor& TForm6::editorOrThrow() {
    if (!m_editor) throw Error("Nenhum mapa aberto.");
    return *m_editor;
}

void TForm6::OpenMap(const std::string& dirAdv) {
    closeMap();
    m_dirAdv = dirAdv;
    m_editor = std::make_unique<map::MapEditor>(dirAdv);
    m_selected = 0;
    Posicoes->Edit1->setText(ui(m_editor->model().background));
    Posicoes->status()->clear();
    showMap();
    showBackground();
}

void TForm6::closeMap() {
    Graficos->drop();
    m_editor.reset();
    m_dirAdv.clear();
    if (m_forms.Form1) m_forms.Form1->Qdr->hide();
}

bool TForm6::tilePicked() const {
    return Graficos->picked();
}

int TForm6::pickedTile() const {
    return Graficos->pickedCode();
}

void TForm6::showMap() {
    m_forms.Form1->showMapPicture(map::transparentKeyed(m_editor->picture()));
}

void TForm6::showBackground() {
    QLabel* fundo = m_forms.Form1->Fundo;
    const auto path = m_editor->backgroundPath();
    if (!path) {
        fundo->clear();
        return;
    }
    QImage picture;
    showPictureFile(*path, picture);
    fundo->setPixmap(QPixmap::fromImage(picture.scaled(TForm1::kMapWidth, TForm1::kMapHeight)));
}

void TForm6::TileClick(int code) {
    Graficos->mark(code);
    QLabel* stamp = m_forms.Form1->Qdr;
    stamp->setPixmap(QPixmap::fromImage(map::stampPicture(code)));
    stamp->setProperty("Tag", code);
}

void TForm6::Shp1Click() {
    Graficos->drop();
    m_forms.Form1->Qdr->hide();
}

void TForm6::ShowCell(int index) {
    map::MapEditor& editor = editorOrThrow();
    const map::CellView view = editor.show(index);
    m_selected = index;
    form6::PagePosicoes* p = Posicoes;
    p->lbCoords->setText(ui(view.coords));
    p->status()->clear();
    if (view.empty || !view.tile)
        p->Img->clear();
    else
        p->Img->setPixmap(QPixmap::fromImage(*map::mapPictures().tile(*view.tile)));
    p->NoPos->setText(ui(view.fields.name));
    p->Norte->setText(ui(view.fields.north));
    p->Leste->setText(ui(view.fields.east));
    p->Sul->setText(ui(view.fields.south));
    p->Oeste->setText(ui(view.fields.west));
    showMap();
}

void TForm6::PlaceTile(int index) {
    if (!tilePicked()) return;
    const int code = pickedTile();
    Shp1Click();
    // The change is drawn before the files are written: shown even when the
    // save fails and reports it.
    struct Redraw {
        TForm6* window;
        ~Redraw() { window->showMap(); }
    } redraw{this};
    editorOrThrow().place(index, code);
}

void TForm6::Image2Click() {
    map::MapEditor& editor = editorOrThrow();
    form6::PagePosicoes* p = Posicoes;
    map::CellFields fields;
    const std::pair<QLineEdit*, std::string*> typed[] = {{p->NoPos, &fields.name},
                                                         {p->Norte, &fields.north},
                                                         {p->Leste, &fields.east},
                                                         {p->Sul, &fields.south},
                                                         {p->Oeste, &fields.west}};
    for (const auto& [field, into] : typed) {
        const map::TypedName name = map::typedName(field->text().toStdString());
        if (name.fault != map::NameFault::None) {
            p->status()->setText(faultText(field->objectName(), name.fault));
            return;
        }
        *into = name.name;
    }
    if (!editor.update(m_selected, fields)) {
        p->status()->setText(QStringLiteral("Coloque um gráfico na posição antes de dar um nome!"));
        return;
    }
    ShowCell(m_selected);
}

void TForm6::Image3Click() {
    struct Redraw {
        TForm6* window;
        ~Redraw() { window->ShowCell(window->m_selected); }
    } redraw{this};
    editorOrThrow().remove(m_selected);
}

void TForm6::Edit1Enter() {
    map::MapEditor& editor = editorOrThrow();
    if (!editor.setBackground(bytes(Posicoes->Edit1->text()))) {
        Posicoes->status()->setText(QStringLiteral("Fundo: nome de arquivo inválido!!!"));
        return;
    }
    Posicoes->status()->clear();
    showBackground();
}

void TForm6::Image4Click() {
    const map::MapEditor& editor = editorOrThrow();
    form6::PageCompilacao* c = Compilacao;
    TForm1* main = m_forms.Form1;
    c->Stk->setText(QStringLiteral("Compilando..."));
    c->m_summary->clear();
    c->g1->setValue(0);
    c->Stk->repaint();
    const map::CompileOutcome outcome =
        map::compileMap(main->requests(), main->session(), editor.model(), c->options(),
                        c->Cb1->isChecked(), [c](int handled) {
                            c->g1->setValue(std::min(handled, c->g1->maximum()));
                            c->g1->repaint();
                        });
    c->Stk->setText(QStringLiteral("Completa!"));
    c->m_summary->setText(ui(map::compileSummary(outcome)));
    c->g1->setValue(0);
    main->LoadScriptList();
}

void TForm6::layoutPages() {
    Abook->setGeometry(0, kBarHeight, width(), height() - kBarHeight);
}

} // namespace vorn::win
