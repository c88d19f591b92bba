#include "Unit3.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "error_report.h"
#include "form2_pages/page_scripts.h"
#include "form4_pages/page_script.h"
#include "preview.h"
#include "qt_text.h"
#include "session.h"
#include "svg_pictures.h"
#include "window_shape.h"

namespace vorn::win {

TForm3::TForm3(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("VORNscript"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xE1, 0xE1, 0xE1));
    setPalette(pal);
    setAutoFillBackground(true);

    Imp = new QLabel(this);
    Imp->setObjectName(QStringLiteral("Imp"));
    Imp->setGeometry(0, 0, kWidth, kHeight);

    WebFnd = new QWidget(this);
    WebFnd->setObjectName(QStringLiteral("WebFnd"));
    WebFnd->setGeometry(0, 20, kWidth, 460);
    WebFnd->setAutoFillBackground(true);
    setFrameColour(Qt::white);

    Pan2 = new QFrame(this);
    Pan2->setObjectName(QStringLiteral("Pan2"));
    Pan2->setFrameShape(QFrame::NoFrame);
    Pan2->setGeometry(10, 30, 920, 440);
    Pan2->setAutoFillBackground(true);
    QPalette white = Pan2->palette();
    white.setColor(QPalette::Window, Qt::white);
    Pan2->setPalette(white);

    // The panel crops the browser's own border and part of its scroll bar.
    Web = new WebHolder(QStringLiteral("Web"), Pan2);
    Web->setGeometry(-2, -2, 940, 444);
    connect(Web, &WebHolder::navigationRequested, this, [this](const QUrl& url) {
        guarded([this, &url] { WebBeforeNavigate2(QString::fromLatin1(url.toEncoded())); });
    });

    m_dragger = new WindowDragger(this);
    m_dragger->addHandle(Imp);
    m_dragger->addHandle(WebFnd);
    Imp->setCursor(Qt::SizeAllCursor);
    WebFnd->setCursor(Qt::SizeAllCursor);

    move(263, 116);
    // The frame picture and the outline it gives wait for the first show:
    // the window is hidden at start and the picture is the largest there.
    resize(kWidth, kHeight);
    hide();
}

void TForm3::showEvent(QShowEvent* event) {
    if (Imp->pixmap().isNull()) {
        Imp->setPixmap(
            QPixmap::fromImage(svgImageKeyed(QStringLiteral("preview_frame"), {kWidth, kHeight},
                                             QColor(kOutsideKey), QStringLiteral("frame"))));
        ShapeWindowFromPicture();
    }
    QWidget::showEvent(event);
}

void TForm3::ShapeWindowFromPicture() {
    const QImage picture = Imp->pixmap().toImage();
    resize(picture.size());
    setMask(win::ShapeWindowFromPicture(picture));
}

void TForm3::setFrameColour(const QColor& colour) {
    QPalette pal = WebFnd->palette();
    pal.setColor(QPalette::Window, colour);
    WebFnd->setPalette(pal);
    WebFnd->update();
}

void TForm3::WebBeforeNavigate2(const QString& address) {
    if (!m_forms.Form1) return;
    Session& s = m_forms.Form1->session();
    const std::string u = bytes(address);
    if (u.find("html/quorbel/") == std::string::npos) return;
    s.PreviewUrl = u;
    // Addresses that name no usable script concern no script.
    const auto reached = followedScript(u, s.ReturnScp);
    if (!reached) return;
    s.PreviewScp = *reached;
    m_forms.Form4->showLinkMapMarks();

    TForm4* editor = m_forms.Form4;
    // Unsaved text stays where it is, and so do the script it belongs to and
    // the catalogue's choice, so that saving, deleting or renaming still aim
    // at the text in edit; the author is told where the game went.
    if (editor->hasUnsavedChanges()) {
        editor->Script->status()->setText(
            QStringLiteral("A visualização chegou ao script ") + ui(*reached) +
            QStringLiteral("; o texto em edição não foi gravado e continua aqui."));
        return;
    }

    QListWidget* scripts = m_forms.Form2->Scripts->Lbx2;
    const auto same = scripts->findItems(ui(*reached), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!same.isEmpty()) scripts->setCurrentItem(same.front());
    m_forms.Form1->requests().pump();
    s.SesScp = *reached;
    // The editor already shows this script as stored (a preview after a
    // save): fetching it again would only lose the caret and the undo.
    if (editor->loadedScript() == *reached) return;
    editor->Script->status()->clear();
    m_forms.Form2->OpenScriptInEditor(s.SesScp);
}

QColor TForm3::frameColour() const {
    return WebFnd->palette().color(QPalette::Window);
}

} // namespace vorn::win
