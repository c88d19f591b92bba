#include "script_templates_panel.h"

#include "error_report.h"
#include "qt_text.h"
#include "templates.h"

namespace vorn::win::form4 {
namespace {

constexpr int kRow = 19;
constexpr int kColumn = 62;

std::string_view findLine(std::span<const TemplateLine> table, std::string_view caption) {
    for (const TemplateLine& t : table)
        if (t.caption == caption) return t.line;
    return {};
}

} // namespace

ScriptTemplatesPanel::ScriptTemplatesPanel(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Modelos"));

    int y = 0;
    lbLink = heading("lbLink", QStringLiteral("Editar link cmd="), y);
    y += kRow + 2;
    ClickLabel** elements[] = {&Label3, &Label4,  &Label5,  &Label6,  &Label7,
                               &Label8, &Label12, &Label13, &Label14, &Label16};
    static constexpr const char* kElementNames[] = {"Label3",  "Label4", "Label5",  "Label6",
                                                    "Label7",  "Label8", "Label12", "Label13",
                                                    "Label14", "Label16"};
    const auto screen = screenElementTemplates();
    for (std::size_t i = 0; i < screen.size() && i < std::size(elements); ++i) {
        const std::string line(screen[i].line);
        const int column = static_cast<int>(i / 5);
        const int row = static_cast<int>(i % 5);
        *elements[i] = add(kElementNames[i], screen[i].caption, 8 + column * kColumn,
                           y + row * kRow, [line] { return line; });
    }
    y += 5 * kRow + 10;

    lbObjetos = heading("lbObjetos", QStringLiteral("Área de objetos"), y);
    y += kRow + 2;
    Label88 = add("Label88", "objjog=", 8, y, [] { return objectAreaTemplate("objjog="); });
    Label89 = add("Label89", "objloc=", 8, y + kRow, [] { return objectAreaTemplate("objloc="); });
    const std::string objdnt(findLine(fixedAreaTemplates(), "objdnt="));
    Label90 = add("Label90", "objdnt=", 8, y + 2 * kRow, [objdnt] { return objdnt; });
    y += 3 * kRow + 10;

    lbEspeciais = heading("lbEspeciais", QStringLiteral("Áreas especiais"), y);
    y += kRow + 2;
    Label204 = add("Label204", "mensag=", 8, y, [this] {
        const auto v = m_areaValues ? m_areaValues("Msg") : std::array<std::string, 4>{};
        return parameterAreaTemplate("mensag=", v[0], v[1], v[2], v[3]);
    });
    Label215 = add("Label215", "tela=", 8, y + kRow, [this] {
        const auto v = m_areaValues ? m_areaValues("Tel") : std::array<std::string, 4>{};
        return parameterAreaTemplate("tela=", v[0], v[1], v[2], v[3]);
    });
    const std::string texto(findLine(fixedAreaTemplates(), "texto="));
    Label205 = add("Label205", "texto=", 8, y + 2 * kRow, [texto] { return texto; });
    const std::string zban(findLine(fixedAreaTemplates(), "zban="));
    Label15 = add("Label15", "zban=", 8, y + 3 * kRow, [zban] { return zban; });
    y += 4 * kRow;
    resize(140, y);
}

QLabel* ScriptTemplatesPanel::heading(const char* name, const QString& caption, int y) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setStyleSheet(QStringLiteral("color: #2B3A55; font: bold 12px 'Arial';"));
    label->move(0, y);
    label->adjustSize();
    return label;
}

ClickLabel* ScriptTemplatesPanel::add(const char* name, std::string_view caption, int x, int y,
                                      std::function<std::string()> line) {
    auto* label = new ClickLabel(ui(caption), this);
    label->setObjectName(QString::fromLatin1(name));
    label->setStyleSheet(
        QStringLiteral("QLabel { color: #1F4E99; font: 12px 'Arial'; }"
                       "QLabel:hover { color: #800000; text-decoration: underline; }"));
    label->setCursor(Qt::PointingHandCursor);
    label->move(x, y);
    label->adjustSize();
    onSignal(label, &ClickLabel::clicked, this,
             [this, line = std::move(line)] { emit lineChosen(ui(line())); });
    return label;
}

} // namespace vorn::win::form4
