#include "page_auditoria.h"

#include "form2_pages/page_parts.h"
#include "workshop_parts.h"

namespace vorn::win::form4 {

PageAuditoria::PageAuditoria(QWidget* parent)
    : NotebookPage(QStringLiteral("Auditoria"), parent) {
    QLabel* heading =
        form2::label(this, "lbAuditoria", QStringLiteral("Auditoria da aventura:"), 10, 10);
    heading->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));
    heading->adjustSize();
    m_refresh = form2::toolButton(this, "btAuditar", 10, 36);
    form2::label(this, nullptr,
                 QStringLiteral("Auditar agora (scripts, arquivos, mapa); um clique numa linha "
                                "abre o script nela."),
                 46, 39);

    m_findings = new QListWidget(this);
    m_findings->setObjectName(QStringLiteral("lbxAuditoria"));
    m_findings->setGeometry(10, 68, 900, 470);
    m_findings->setFont(QFont(QStringLiteral("Monospace"), 9));
    // A finding is read whole: long ones wrap rather than run off the side.
    m_findings->setWordWrap(true);
    m_findings->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    form2::label(this, nullptr, QStringLiteral("Procurar:"), 10, 549);
    m_find = form2::field(this, "edProcurar", {80, 546, 250, 24});
    form2::label(this, nullptr, QStringLiteral("substituir por:"), 340, 549);
    m_replace = form2::field(this, "edSubstituir", {440, 546, 250, 24});
    m_replaceAll = form2::toolButton(this, "btSubstituir", 700, 547);
    form2::label(this, nullptr, QStringLiteral("em todos os scripts"), 736, 549);

    m_status = clickableStatus(this, "stAuditoria", {10, 576, 900, 40});
}

} // namespace vorn::win::form4
