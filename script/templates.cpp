#include "templates.h"

namespace vorn {
namespace {

constexpr TemplateLine kScreenElements[] = {
    {"lnk", "  cmd= lnk,0,0,100,100,5,texto,$script"},
    {"fig", "  cmd= fig,0,0,100,100,imagem,$script"},
    {"map", "  cmd= map,0,0,100,100,$script"},
    {"img", "  cmd= img,0,0,100,100,imagem"},
    {"msg", "  cmd= msg,0,0,100,100,5,texto,biu000000"},
    {"reg", "  cmd= reg,0,0,100,100,5,[registrador],biu000000"},
    {"url", "  cmd= url,0,0,100,100,endere\xe7o sem http://"},
    {"web", "  cmd= web,0,0,100,100,endere\xe7o com http://"},
    {"snd", "  cmd= snd,0,0,100,100,som"},
    {"btn", "  cmd= btn,0,0,100,100,imagem,$script,imagem"},
};

constexpr TemplateLine kFixedAreas[] = {
    {"objdnt=", "  objdnt= 0,0,160,40,largura_shape,qt_por_linha,objeto"},
    {"texto=", "  texto= 0,0,200,100,5,Arial,FFFFFF,bIu000000"},
    {"zban=", "  zban= 0,0,100,200"},
};

} // namespace

std::span<const TemplateLine> screenElementTemplates() {
    return kScreenElements;
}

std::span<const TemplateLine> fixedAreaTemplates() {
    return kFixedAreas;
}

std::string objectAreaTemplate(std::string_view caption) {
    std::string line = "  ";
    line += caption;
    line += " 0,0,160,40,largura_shape,qt_por_linha";
    return line;
}

std::string parameterAreaTemplate(std::string_view caption, std::string_view x, std::string_view y,
                                  std::string_view width, std::string_view height) {
    std::string line = "  ";
    line += caption;
    line += ' ';
    line += x;
    for (const std::string_view value : {y, width, height}) {
        line += ',';
        line += value;
    }
    return line;
}

} // namespace vorn
