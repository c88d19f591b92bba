#include "page_exclusivo.h"

#include "page_parts.h"
#include "status_text.h"

namespace vorn::win::form2 {
namespace {

constexpr int kRow = 30;
constexpr int kButtonX = 370;

} // namespace

PageExclusivo::PageExclusivo(QWidget* parent)
    : NotebookPage(QStringLiteral("Exclusivo"), parent) {
    Label65 = label(this, "Label65", QStringLiteral("Seu IDx fixo:"), 10, 14);
    edIdx = field(this, "edIdx", {110, 10, 100, 24});
    edIdx->setEchoMode(QLineEdit::Password);
    Image17 = toolButton(this, "Image17", 220, 11);
    Label66 = label(this, "Label66", QStringLiteral("Crie / altere..."), 254, 14);
    Image27 = toolButton(this, "Image27", 340, 11);
    Label92 = label(this, "Label92", QStringLiteral("Mostre"), 374, 14);

    Stw = new ClickLabel(QStringLiteral("Status..."), this);
    Stw->setObjectName(QStringLiteral("Stw"));
    Stw->setWordWrap(true);
    Stw->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Stw->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold; font-style: italic;"));
    Stw->setCursor(Qt::PointingHandCursor);
    // Three lines, up to the first entry: an export's counts and its folder.
    Stw->setGeometry(10, 40, 400, 48);
    keepWholeText(Stw);

    // One entry per row: the caption on the left, its button on the right.
    int y = 90;
    auto entry = [&](const char* labelName, const QString& caption, const char* buttonName,
                     QLabel*& captionLabel) {
        captionLabel = label(this, labelName, caption, 10, y + 3);
        PictureButton* button = toolButton(this, buttonName, kButtonX, y);
        y += kRow;
        return button;
    };
    Image16 = entry("Label64", QStringLiteral("Controle de banners:"), "Image16", Label64);
    btCnv =
        entry("Label27", QStringLiteral("Conversor PQ básico para PQ script:"), "btCnv", Label27);
    Image19 =
        entry("Label69", QStringLiteral("Reposicionar o visor da aventura:"), "Image19", Label69);

    y += 10;
    Label78 = label(this, "Label78", QStringLiteral("Recursos para a aventura em edição:"), 10, y);
    Label78->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));
    Label78->adjustSize();
    y += 28;
    Image22 = entry("Label71", QStringLiteral("Modelos especiais de scripts:"), "Image22", Label71);
    Image21 = entry("Label70", QStringLiteral("Criação seriada de scripts:"), "Image21", Label70);
    Image11 =
        entry("Label61", QStringLiteral("Controle de jogadores e partidas:"), "Image11", Label61);
    Image25 = entry("Label91", QStringLiteral("Criação / edição da página da aventura:"), "Image25",
                    Label91);
    Image28 = entry("Label99", QStringLiteral("MapMaker:"), "Image28", Label99);
    Image29 = entry("Label101", QStringLiteral("Criação / edição de variáveis globais:"), "Image29",
                    Label101);
    m_audit =
        entry("lbAuditoria", QStringLiteral("Auditoria da aventura:"), "btAuditoria", m_auditLabel);
    m_linkMap = entry("lbMapaLigacoes", QStringLiteral("Mapa de ligações:"), "btMapaLigacoes",
                      m_linkMapLabel);
    m_export =
        entry("lbExportar", QStringLiteral("Exportar aventura:"), "btExportar", m_exportLabel);
    m_restore = entry("lbRestaurar", QStringLiteral("Restaurar de exportação:"), "btRestaurar",
                      m_restoreLabel);
    // What else a restore stores, ticked before it starts.
    m_restoreMedia = new QCheckBox(QStringLiteral("também imagens e sons"), this);
    m_restoreMedia->setObjectName(QStringLiteral("cbRestaurarArquivos"));
    m_restoreMedia->setGeometry(30, y - 4, 170, 22);
    m_restoreParameters = new QCheckBox(QStringLiteral("também parâmetros"), this);
    m_restoreParameters->setObjectName(QStringLiteral("cbRestaurarParametros"));
    m_restoreParameters->setGeometry(210, y - 4, 160, 22);
    m_restoreData =
        new QCheckBox(QStringLiteral("também objetos, variáveis, página e autorizações"), this);
    m_restoreData->setObjectName(QStringLiteral("cbRestaurarDados"));
    m_restoreData->setGeometry(30, y + 14, 340, 22);
    m_transferNote = label(this, "lbTransferir",
                           QStringLiteral("Para o outro servidor: exporte, mude o servidor abaixo "
                                          "e restaure."),
                           10, y + 38);
    m_transferNote->setStyleSheet(QStringLiteral("color: #404040; font-style: italic;"));
    // Over the note while an export or a restore runs.
    m_gauge = form4::pageGauge(this, {10, y + 38, 390, 16});

    Rb1 = new QRadioButton(this);
    Rb1->setObjectName(QStringLiteral("Rb1"));
    Rb1->setGeometry(10, 520, 400, 22);
    Rb1->hide();
    Rb2 = new QRadioButton(this);
    Rb2->setObjectName(QStringLiteral("Rb2"));
    Rb2->setGeometry(10, 544, 400, 22);
    Rb2->setChecked(true);

    Lbt = wrapLabel(this, "Lbt", QString(), {40, 578, 300, 36});
    btTrj = smallButton(this, "btTrj", 10, 580);
    btTrj->setProperty("Tag", 1);
    Cb1 = new QCheckBox(QStringLiteral("Duplicar"), this);
    Cb1->setObjectName(QStringLiteral("Cb1"));
    Cb1->setGeometry(40, 614, 120, 22);

    // The transfer is not offered: the panel keeps its controls covered.
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    Panel1->setGeometry(0, 572, 420, 70);
    Panel1->raise();
}

} // namespace vorn::win::form2
