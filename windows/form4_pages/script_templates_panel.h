#pragma once

#include "picture_button.h"

#include <QLabel>
#include <QWidget>

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace vorn::win::form4 {

// The one-click template lines beside the script text: the screen elements
// under "Editar link cmd=", the object areas and the special areas. A click
// asks for its line to be inserted; the message and screen areas take their
// four values from the adventure's parameters at the moment of the click.
class ScriptTemplatesPanel : public QWidget {
    Q_OBJECT
public:
    // x, y, width, height of the adventure's message ("Msg") or screen
    // ("Tel") area, as typed in its parameters.
    using AreaValues = std::function<std::array<std::string, 4>(std::string_view prefix)>;

    explicit ScriptTemplatesPanel(QWidget* parent = nullptr);
    void setAreaValues(AreaValues areaValues) { m_areaValues = std::move(areaValues); }

    QLabel* lbLink;
    QLabel* lbObjetos;
    QLabel* lbEspeciais;

    ClickLabel* Label3;   // lnk
    ClickLabel* Label4;   // fig
    ClickLabel* Label5;   // map
    ClickLabel* Label6;   // img
    ClickLabel* Label7;   // msg
    ClickLabel* Label8;   // reg
    ClickLabel* Label12;  // url
    ClickLabel* Label13;  // web
    ClickLabel* Label14;  // snd
    ClickLabel* Label16;  // btn
    ClickLabel* Label88;  // objjog=
    ClickLabel* Label89;  // objloc=
    ClickLabel* Label90;  // objdnt=
    ClickLabel* Label204; // mensag=
    ClickLabel* Label215; // tela=
    ClickLabel* Label205; // texto=
    ClickLabel* Label15;  // zban=

signals:
    // The cp1252 line shown as text.
    void lineChosen(const QString& line);

private:
    ClickLabel* add(const char* name, std::string_view caption, int x, int y,
                    std::function<std::string()> line);
    QLabel* heading(const char* name, const QString& caption, int y);

    AreaValues m_areaValues;
};

} // namespace vorn::win::form4
