#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vorn {

// Ready-made lines the editor inserts with one click, indented by two
// blanks. Placeholders (texto, imagem, $script ...) are for the author to
// replace.
struct TemplateLine {
    std::string_view caption; // the text of the clickable label
    std::string_view line;    // the line inserted
};

// The ten screen elements under "Editar link cmd=": lnk, fig, map, img, msg,
// reg, url, web, snd, btn.
std::span<const TemplateLine> screenElementTemplates();

// The fixed area lines: "objdnt=", "texto=" and "zban=".
std::span<const TemplateLine> fixedAreaTemplates();

// "objjog=" and "objloc=" share one parameter list after their caption.
std::string objectAreaTemplate(std::string_view caption);

// "mensag=" and "tela=" take the message or screen area of the adventure's
// parameters: caption, then the four values joined by ",".
std::string parameterAreaTemplate(std::string_view caption, std::string_view x, std::string_view y,
                                  std::string_view width, std::string_view height);

} // namespace vorn
