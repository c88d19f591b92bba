#include "instruction_table.h"

#include "word_table.h"

namespace vorn {

// Kept in the language's own order, duplicates included.
const std::array<std::string_view, kInstructionCount> kInstructionTable = {
    "if=",         "if#",       "if>",         "if<",        "if~",       "boxon",
    "box[<",       "boxoff",    "box>]",       "texto=",     "texto",     "instalfont=",
    "texto.",      "texto+",    "backtxt=",    "texto$",     "texto#",    "setpos=",
    "nwpos=",      "newpos=",   "regx>",       "getregx",    "regx<",     "putregx",
    "getshape",    "getobjshp", "putshape",    "putobjshp",  "getdescr",  "getobjdsc",
    "putdescr",    "putobjdsc", "telpos=",     "getmsg",     "getmsg=",   "msg=",
    "msg+",        "telpos+",   "painel=",     "painel+",    "fundo=",    "fundo+",
    "end",         "fim",       "resoluc=",    "reg=",       "param=",    "param",
    "reg$",        "reg.",      "reg-",        "reg*",       "reg/",      "reg:",
    "reg?",        "reg+",      "ifreg=",      "ifreg#",     "ifreg>",    "ifreg<",
    "ifreg~",      "ifobjjog=", "tenho?",      "tem?",       "tenho??",   "tem??",
    "ifobjjog#",   "ifobjloc=", "aquitem?",    "noloctem?",  "ifobjdnt=", "objdentro?",
    "tadentro?",   "ifobj=",    "mensag=",     "ifobj#",     "poeobj=",   "cria",
    "criar",       "coloca",    "colocar",     "apaga=",     "apagar",    "apaga",
    "poeobj#",     "poeobj",    "soltar",      "solta",      "pega",      "pegar",
    "gettime",     "relog=",    "lstobjlnk",   "lstobjlnk=", "lstobj",    "lstobj=",
    "conta",       "contar",    "ifobjloc#",   "ifloc=",     "ifpos=",    "ifpag=",
    "getloc",      "getpos",    "getpag",      "ifloc#",     "ifpos#",    "ifpag#",
    "bold=",       "italic=",   "janela=",     "shape=",     "item=",     "cmd=",
    "cmd:",        "figura=",   "clickfig=",   "clkfig=",    "move",      "irpara",
    "mover",       "tela=",     "mensag=",     "atrib=",     "fontface=", "margem=",
    "corfnd=",     "corlnk=",   "corvzk=",     "fontalign=", "fontsize=", "margem=",
    "corfnd=",     "corlnk=",   "corvzk=",     "cortxt=",    "icones",    "retscp=",
    "getnotas",    "getnt=",    "objloc=",     "objjog=",    "objdnt=",   "script",
    "exescp",      "script=",   "gosub",       "call",       "return",    "ret",
    "recall",      "saveregs",  "addtime",     "adtime",     "somini=",   "mudapos",
    "mudapag",     "mudaloc",   "showpos",     "showpag",    "showloc",   "getdowns",
    "getmortes",   "getmoves",  "getcomandos", "getrenews",  "banner",    "zbanner",
    "zban=",       "gettab",    "gettab=",     "getcampo",   "putcampo",  "getdado",
    "getdado=",    "putdado",   "putdado=",    "setas",      "setas=",    "modo=",
    "ifmodo=",     "linksoff",  "imag=",       "imagem=",    "imagem",    "testaidx",
    "mudachave",   "liberado?", "testalib",    "email",      "email=",    "sendmail",
    "sendmail=",   "getreg",    "getreg=",     "frase",      "frase=",    "getpromo",
    "getpromo=",   "login",     "login=",      "logoff",     "formstyle", "formstyle=",
    "logoffpromo", "goto",      "input"};

const std::array<std::string_view, kScreenElementKindCount> kScreenElementKinds = {
    "fig", "btn", "reg", "ico", "tlk", "cnk", "map", "tlx", "url", "shp", "img",
    "clk", "snd", "txt", "pst", "psx", "vip", "idx", "mov", "mvx", "lnk", "web",
    "lic", "psz", "pgt", "avn", "ban", "gtm", "gte", "gtr", "gtf", "msg"};

bool IsInstruction(std::string_view keyword) {
    // Built once; lines are checked by the hundred thousand.
    static const WordTable<bool> keywords = wordSet(kInstructionTable);
    return keywords.find(keyword) != nullptr;
}

bool isScreenElementKind(std::string_view kind) {
    static const WordTable<bool> kinds = wordSet(kScreenElementKinds);
    return kinds.find(kind) != nullptr;
}

} // namespace vorn
