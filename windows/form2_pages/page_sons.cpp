#include "page_sons.h"

#include "page_parts.h"

namespace vorn::win::form2 {

PageSons::PageSons(QWidget* parent)
    : NotebookPage(QStringLiteral("Sons"), parent) {
    Label72 = label(this, "Label72", QStringLiteral("Biblioteca de sons e ruidos:"), 10, 8);
    Lbx7 = list(this, "Lbx7", {10, 28, 250, 400}, true);
    Image15 = smallButton(this, "Image15", 10, 440);
    Label77 = label(this, "Label77", QStringLiteral("voltar"), 34, 439);
    m_status = statusLabel(this, nullptr, {10, 462, 400, 52});

    const struct {
        const char* name;
        const char* caption;
        const char* key;
        ClickLabel** label;
    } kinds[] = {
        {"Label75", "som de água", "agua", &Label75}, {"Label80", "beeps", "beep", &Label80},
        {"Label81", "bichos", "bicho", &Label81},     {"Label82", "armas", "arma", &Label82},
        {"Label83", "ambiente", "amb", &Label83},     {"Label84", "portas", "porta", &Label84},
        {"Label85", "monstros", "monstro", &Label85},
    };
    int y = 30;
    for (const auto& kind : kinds) {
        ClickLabel* l = clickLabel(this, kind.name, QString::fromUtf8(kind.caption), 275, y);
        l->setToolTip(QString::fromLatin1(kind.key));
        *kind.label = l;
        m_categories.push_back(l);
        y += 24;
    }
}

} // namespace vorn::win::form2
