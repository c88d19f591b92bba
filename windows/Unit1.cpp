#include "Unit1.h"

#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "account.h"
#include "address.h"
#include "config.h"
#include "error.h"
#include "error_report.h"
#include "files.h"
#include "form2_pages/page_arqsom.h"
#include "form2_pages/page_default.h"
#include "form2_pages/page_graficos.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/page_navegador.h"
#include "qt_text.h"
#include "scripts.h"
#include "secret_store.h"
#include "svg_pictures.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace vorn::win {
namespace {

QRect screenRect() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1388, 823);
}

QFont arial(int pixels, bool italic = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setItalic(italic);
    return font;
}

void setColour(QWidget* widget, QPalette::ColorRole role, QColor colour) {
    QPalette pal = widget->palette();
    pal.setColor(role, colour);
    widget->setPalette(pal);
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_quit([] { QCoreApplication::quit(); }) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("VORNscript"));
    setColour(this, QPalette::Window, QColor(0xCE, 0xCE, 0xCE));
    setAutoFillBackground(true);

    m_store = new PictureStore(this);
    buildStrip();
    buildNavigation();
    buildMapArea();

    const QRect screen = screenRect();
    setGeometry(0, 0, screen.width(), screen.height() - kBottomBand);
    Mapa->resize(width(), height() - kStripHeight);
    layoutFrame();

    m_roots = serverRoots();
    m_session = startSession(m_roots, findDirApp());

    m_requests.hooks().light = [this](Light colour) { showLight(colour); };
    m_requests.hooks().pump = [this] { pump(); };
}

TForm1::~TForm1() {
    // The window is going away: nothing is left to paint or to pump.
    m_requests.hooks().light = nullptr;
    m_requests.hooks().pump = nullptr;
    logOut(m_requests, m_session);
}

void TForm1::buildStrip() {
    Topo1 = new QLabel(this);
    Topo1->setObjectName(QStringLiteral("Topo1"));
    Topo1->setGeometry(0, 0, 150, kStripHeight);
    Topo1->setPixmap(svgPixmap(QStringLiteral("topo1"), Topo1->size()));

    Topo2 = new QLabel(this);
    Topo2->setObjectName(QStringLiteral("Topo2"));
    Topo2->setScaledContents(true);
    Topo2->setPixmap(svgPixmap(QStringLiteral("topo2"), {600, kStripHeight}));

    LabTit = new QLabel(QStringLiteral("VORNscript - Pequenia   \u00b7   por Oficina VORN"), this);
    LabTit->setObjectName(QStringLiteral("LabTit"));
    LabTit->setFont(arial(16, true));
    LabTit->setStyleSheet(QStringLiteral("color: #D7EBFF; background: transparent;"));
    LabTit->move(145, 1);
    LabTit->adjustSize();

    lbVrs = new QLabel(ui(kVersion), this);
    lbVrs->setObjectName(QStringLiteral("lbVrs"));
    lbVrs->setFont(arial(13));
    lbVrs->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lbVrs->setStyleSheet(QStringLiteral("color: #3865A9; background: transparent;"));
    lbVrs->resize(60, 16);

    Led = new QFrame(this);
    Led->setObjectName(QStringLiteral("Led"));
    Led->resize(15, 8);
    Led->setAutoFillBackground(true);
    showLight(Light::Idle);

    Fim = new PictureButton(this);
    Fim->setObjectName(QStringLiteral("Fim"));
    Fim->setToolTip(QStringLiteral("Encerra o sistema"));
    Fim->resize(20, 14);
    Fim->setLooks(PictureStore::picture(m_store->btUp), PictureStore::picture(m_store->btDw));
    Fim->setGlyph(svgPixmap(QStringLiteral("glyph_close"), {8, 8}));

    btBtf = new PictureButton(this);
    btBtf->setObjectName(QStringLiteral("btBtf"));
    btBtf->setToolTip(QStringLiteral("Alterna o fundo do aplicativo"));
    btBtf->resize(20, 14);
    btBtf->setLooks(PictureStore::picture(m_store->btUp), PictureStore::picture(m_store->btDw));
    btBtf->setGlyph(svgPixmap(QStringLiteral("glyph_fold"), {10, 8}));

    onSignal(Fim, &PictureButton::pressed, this, [this] { FimMouseDown(); });
    onSignal(Fim, &PictureButton::released, this, [this] { FimMouseUp(); });
    onSignal(btBtf, &PictureButton::pressed, this, [this] { btBtfMouseDown(); });
    onSignal(btBtf, &PictureButton::released, this, [this] { btBtfMouseUp(); });
}

PictureButton* TForm1::navButton(const char* name, QLabel*& label, const char* labelName,
                                 const QString& caption, int left) {
    constexpr int top = 26;
    auto* button = new PictureButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QStringLiteral("Acesso aos jogos e parâmetros"));
    button->setGeometry(left, top, 20, 14);
    button->setLooks(PictureStore::picture(m_store->btUp3), PictureStore::picture(m_store->btDw3));

    label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(labelName));
    label->setFont(arial(13));
    label->setStyleSheet(QStringLiteral("color: #000080; background: transparent;"));
    label->move(left + 24, top - 1);
    label->adjustSize();
    return button;
}

void TForm1::buildNavigation() {
    Image22 = navButton("Image22", Label61, "Label61", QStringLiteral("Principal"), 157);
    btWeb = navButton("btWeb", lbWeb, "lbWeb", QStringLiteral("Páginas"), 262);
    btAdv = navButton("btAdv", lbAdv, "lbAdv", QStringLiteral("Suas aventuras"), 352);
    btLsp = navButton("btLsp", lbLsp, "lbLsp", QStringLiteral("Scripts"), 662);
    btObj = navButton("btObj", lbObj, "lbObj", QStringLiteral("Objetos"), 762);
    btImg = navButton("btImg", lbImg, "lbImg", QStringLiteral("Imagens"), 862);
    btSnd = navButton("btSnd", lbSnd, "lbSnd", QStringLiteral("Sons"), 967);
    btPrm = navButton("btPrm", lbPrm, "lbPrm", QStringLiteral("Parâmetros"), 1047);

    onSignal(Image22, &PictureButton::clicked, this, [this] { Image22Click(); });
    onSignal(btWeb, &PictureButton::clicked, this, [this] { btWebClick(); });
    onSignal(btAdv, &PictureButton::clicked, this, [this] { btAdvClick(); });
    onSignal(btLsp, &PictureButton::clicked, this, [this] { btLspClick(); });
    onSignal(btObj, &PictureButton::clicked, this, [this] { btObjClick(); });
    onSignal(btImg, &PictureButton::clicked, this, [this] { btImgClick(); });
    onSignal(btSnd, &PictureButton::clicked, this, [this] { btSndClick(); });
    onSignal(btPrm, &PictureButton::clicked, this, [this] { btPrmClick(); });
    ShowNavigation(NavState::LoggedOut);
}

void TForm1::buildMapArea() {
    Sb1 = new QScrollArea(this);
    Sb1->setObjectName(QStringLiteral("Sb1"));
    Sb1->setFrameShape(QFrame::NoFrame);
    Sb1->setWidgetResizable(false);
    auto* surface = new QWidget;
    surface->setObjectName(QStringLiteral("Sb1Surface"));
    Fundo = new QLabel(surface);
    Fundo->setObjectName(QStringLiteral("Fundo"));
    Mapa = new QLabel(surface);
    Mapa->setObjectName(QStringLiteral("Mapa"));
    Mapa->setAttribute(Qt::WA_TranslucentBackground);
    Sb1->setWidget(surface);
    // The map area and its scroll bars are the window's own grey, not the
    // desktop's.
    Sb1->setStyleSheet(QStringLiteral("#Sb1, #Sb1Surface { background: #CECECE; }"
                                      "QScrollBar { background: #CECECE; }"
                                      "QScrollBar:vertical { width: 15px; }"
                                      "QScrollBar:horizontal { height: 15px; }"
                                      "QScrollBar::add-page, QScrollBar::sub-page {"
                                      " background: #CECECE; }"));
    // The stamp rides on the map: when the map scrolls under a still mouse,
    // the stamp stays on the cell it will be placed in.
    Qdr = new QLabel(surface);
    Qdr->setObjectName(QStringLiteral("Qdr"));
    Qdr->resize(110, 80);
    Qdr->setCursor(Qt::SizeAllCursor);
    Qdr->hide();
    for (QLabel* picture : {Mapa, Qdr}) {
        picture->setMouseTracking(true);
        picture->installEventFilter(this);
    }
    Sb1->hide();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutFrame();
}

void TForm1::layoutFrame() {
    const int w = width();
    Sb1->setGeometry(0, kStripHeight, w, std::max(0, height() - kStripHeight));
    Topo2->setGeometry(150, 0, w - 150, kStripHeight);
    Topo1->raise();
    Fim->move(w - 26, 2);
    btBtf->move(w - 50, 2);
    Led->move(w - 24, 30);
    lbVrs->move(w - 34 - lbVrs->width(), 25);
    LabTit->raise();
}

void TForm1::showLight(Light colour) {
    QColor rgb;
    switch (colour) {
    case Light::Idle:
        rgb = QColor(0x80, 0x00, 0x00);
        break;
    case Light::Request:
        rgb = QColor(0x00, 0xFF, 0x00);
        break;
    case Light::Upload:
        rgb = QColor(0xFF, 0x00, 0x00);
        break;
    }
    setColour(Led, QPalette::Window, rgb);
    Led->repaint();
}

void TForm1::pump() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

std::string TForm1::configPath() const {
    return m_session.DirApp + kConfigFileName;
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) guarded([this] { FormActivate(); });
    return QWidget::event(event);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A display without a window manager may never activate the window; the
    // configuration is still read once the window is up.
    if (!m_shownOnce) {
        m_shownOnce = true;
        QTimer::singleShot(0, this, [this] { guarded([this] { FormActivate(); }); });
    }
}

void TForm1::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!m_painted) {
        m_painted = true;
        emit firstPainted();
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Closing the main window by the system ends the program like Fim does,
    // but without writing the configuration.
    if (!keepEditorText()) {
        event->ignore();
        return;
    }
    event->accept();
    m_quit();
}

bool TForm1::keepEditorText() {
    // An editor never opened holds no text.
    if (!m_forms.Form4.made()) return true;
    bool mayEnd = false;
    guarded([&] { mayEnd = m_forms.Form4->settleBeforeClosing(); });
    return mayEnd;
}

void TForm1::endProgram() {
    if (keepEditorText()) endNow();
}

void TForm1::endNow() {
    if (m_ending) return;
    m_ending = true;
    m_quit();
}

void TForm1::FormActivate() {
    if (!FirstActivation) return;
    // Off before reading: a broken file is reported once, not again at every
    // activation (closing the report activates this window again).
    FirstActivation = false;
    pump();
    applyConfig();
}

void TForm1::applyConfig() {
    const auto read = readConfig(configPath());
    if (!read) return;
    if (read->login) m_forms.Form2->Default->XLog->setText(ui(*read->login));
    if (read->senha) {
        SecretStore secrets;
        m_forms.Form2->Default->XSen->setText(ui(recallPassword(secrets, *read, m_session.UrlLog)));
    }
    QWidget* windows[3] = {m_forms.Form2, m_forms.Form3, m_forms.Form4};
    for (std::size_t i = 0; i < read->positions.size(); ++i) {
        QWidget* window = windows[i / 2];
        const int value = read->positions[i];
        if (i % 2 == 0)
            window->move(window->x(), value);
        else
            window->move(value, window->y());
    }
    if (!read->error.empty()) throw Error(read->error);
}

void TForm1::FimMouseDown() {
    pump();
    // Before anything else: a failure to keep the text stops the ending.
    m_textKept = keepEditorText();
    if (!m_textKept) return;
    Config config;
    config.login = m_session.SesLogin;
    config.senha = m_session.SesSenha;
    const QWidget* windows[3] = {m_forms.Form2, m_forms.Form3, m_forms.Form4};
    for (std::size_t i = 0; i < 3; ++i)
        config.places[i] = Place{windows[i]->y(), windows[i]->x()};
    SecretStore secrets;
    rememberPassword(secrets, config, m_session.UrlLog, rememberedLogin(configPath()));
    writeConfig(configPath(), config);
    // A question about unsaved text took the button's release with it.
    if (QGuiApplication::mouseButtons() == Qt::NoButton) FimMouseUp();
}

void TForm1::FimMouseUp() {
    pump();
    if (!m_textKept || m_ending) return;
    m_ending = true;
    QTimer::singleShot(200, this, [this] { m_quit(); });
}

void TForm1::btBtfMouseDown() {
    if (height() != kStripHeight)
        resize(width(), kStripHeight);
    else
        resize(width(), screenRect().height() - kBottomBand);
}

void TForm1::btBtfMouseUp() {
    pump();
}

void TForm1::ShowNavigation(NavState state) {
    const bool loggedIn = state != NavState::LoggedOut;
    const bool open = state == NavState::AdventureOpen;
    btAdv->setVisible(loggedIn);
    lbAdv->setVisible(loggedIn);
    for (QWidget* w :
         {static_cast<QWidget*>(btLsp), static_cast<QWidget*>(lbLsp), static_cast<QWidget*>(btObj),
          static_cast<QWidget*>(lbObj), static_cast<QWidget*>(btImg), static_cast<QWidget*>(lbImg),
          static_cast<QWidget*>(btSnd), static_cast<QWidget*>(lbSnd), static_cast<QWidget*>(btPrm),
          static_cast<QWidget*>(lbPrm)})
        w->setVisible(open);
}

void TForm1::prepareMapArea() {
    // Silver, the stamp's ground, is the transparent colour: nothing shows
    // until the map is drawn.
    QImage map(kMapWidth, kMapHeight, QImage::Format_ARGB32);
    map.fill(Qt::transparent);
    Sb1->widget()->resize(kMapWidth, kMapHeight);
    Fundo->setGeometry(0, 0, kMapWidth, kMapHeight);
    Mapa->setGeometry(0, 0, kMapWidth, kMapHeight);
    showMapPicture(map);
    Sb1->show();
}

void TForm1::showMapPicture(const QImage& picture) {
    Mapa->setPixmap(QPixmap::fromImage(picture));
}

void TForm1::postLoginSetUp() {
    // The editor's two tools wait for a login; they are found by name so the
    // editor may build them as it likes.
    for (const QString& name : {QStringLiteral("Instrucs"), QStringLiteral("Sintaxe")})
        if (auto* tool = m_forms.Form4->findChild<QWidget*>(name)) tool->setEnabled(true);
}

bool TForm1::ShellOpen(const QString& file, const QString& parameters) {
    if (m_shellOpen) return m_shellOpen(file, parameters);
    if (file.startsWith(QStringLiteral("http://")) || file.startsWith(QStringLiteral("https://")))
        return QDesktopServices::openUrl(QUrl(file));
    return QProcess::startDetached(file, QProcess::splitCommand(parameters));
}

void TForm1::showToolsPage(int index) {
    m_forms.Form2->Abook->setPageIndex(index);
}

void TForm1::Image22Click() {
    m_forms.Form2->show();
    m_forms.Form2->raise();
    showToolsPage(TForm2::kExclusivo);
}

void TForm1::btWebClick() {
    TForm4* editor = m_forms.Form4;
    editor->resize(TForm4::kNarrowWidth, editor->height());
    editor->setBackground();
    editor->show();
    editor->Pan1->setPageIndex(TForm4::kNavegador);
    editor->lbTit->setText(QStringLiteral("Páginas oficiais do VORN script "));
    editor->lbTit->adjustSize();
    editor->raise();
    m_session.WebUrl = m_session.UrlSite + kOfficialPages;
    editor->Navegador->Web2->navigate(ui(m_session.WebUrl));
}

void TForm1::btAdvClick() {
    showToolsPage(TForm2::kAventuras);
    m_forms.Form2->Abook->raise();
    m_forms.Form4->setBackground();
    m_forms.Form2->show();
}

void TForm1::btLspClick() {
    showToolsPage(TForm2::kScripts);
    TForm4* editor = m_forms.Form4;
    editor->resize(editor->workingWidth(), editor->height());
    editor->Pan1->setPageIndex(TForm4::kScript);
    editor->setBackground();
    editor->show();
    m_forms.Form3->show();
    m_forms.Form2->show();
}

void TForm1::btImgClick() {
    showToolsPage(TForm2::kGraficos);
    if (!m_session.SesPfx.empty()) LoadImageFileList();
    m_forms.Form2->Graficos->refreshLocalFiles();
    m_forms.Form4->setBackground();
    m_forms.Form4->show();
    m_forms.Form2->show();
}

void TForm1::btObjClick() {
    showToolsPage(TForm2::kObjetos);
    m_forms.Form2->show();
    m_forms.Form4->setBackground();
    LoadObjectList();
}

void TForm1::btSndClick() {
    showToolsPage(TForm2::kArqSom);
    if (!m_session.SesPfx.empty()) LoadSoundFileList();
    m_forms.Form2->ArqSom->refreshLocalFiles();
    m_forms.Form4->setBackground();
    m_forms.Form4->show();
    m_forms.Form2->show();
}

void TForm1::btPrmClick() {
    showToolsPage(TForm2::kParametros);
    m_forms.Form4->setBackground();
    m_forms.Form2->show();
}

} // namespace vorn::win
