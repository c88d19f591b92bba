// Generated from the language's vocabulary: the keyword table, the reference
// lines shown for each instruction group and the screen element kinds.
#include "pages/instruction_table.h"

namespace pequenia {

const std::vector<std::string_view>& instructionKeywords() {
    static const std::vector<std::string_view> all = {
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
    return all;
}

const std::vector<ReferenceLine>& referenceLines() {
    static const std::vector<ReferenceLine> all = {
        {"Registradores:", "reg= reg,valor", "Coloca o valor no registrador."},
        {"Registradores:", "reg+ reg,valor", "Soma o valor no registrador."},
        {"Registradores:", "reg- reg,valor", "Subtrai o valor do registrador."},
        {"Registradores:", "reg* reg,valor", "Multiplica registrador pelo valor."},
        {"Registradores:", "reg/ reg,valor", "Divide registrador pelo valor."},
        {"Registradores:", "reg$ reg,string", "Concatena string no registrador."},
        {"Registradores:", "reg. reg,R$valor", "Concatena no formato monet."},
        {"Registradores:", "reg? reg,valor", "Soma valor aleat\xF3rio."},
        {"Registradores:", "ifreg= reg,vlr,lab", "Salta se registrador igual valor."},
        {"Registradores:", "ifreg# reg,vlr,lab", "Salta se registrador diferente."},
        {"Registradores:", "ifreg> reg,vlr,lab", "Salta se registrador maior."},
        {"Registradores:", "ifreg< reg,vlr,lab", "Salta se registrador menor."},
        {"Registradores:", "ifreg~ reg,v1,v2,lab", "Salta se registrador no intervalo."},
        {"Objetos:", "poeobj= obj,loc", "Coloca objeto no local = loc."},
        {"Objetos:", "poeobj# obj", "Coloca objeto no local do jogador."},
        {"Objetos:", "conta loc/jog/obj,reg",
         "Conta objeto e p\xF5"
         "e no registrador."},
        {"Objetos:", "pega obj", "Pega o objeto"},
        {"Objetos:", "solta obj ", "Solta objeto no local atual."},
        {"Objetos:", "coloca obj,loc/obj", "Poe objeto no local ou dentro."},
        {"Objetos:", "apaga obj", "Manda o objeto para o limbo."},
        {"Objetos:", "getshape reg,obj", "Obt\xE9m nome do shape do objeto."},
        {"Objetos:", "putshape reg,obj", "Define nome do shape do objeto."},
        {"Objetos:", "ifobj= obj,loc,lab", "Salta se objeto estiver no local."},
        {"Objetos:", "ifobj# obj,loc,lab", "Salta se objeto n\xE3o estiver..."},
        {"Objetos:", "ifobjloc= obj,lab", "Salta se objeto no local atual"},
        {"Objetos:", "ifobjloc# obj,lab", "Salta se n\xE3o estiver no loc atual."},
        {"Objetos:", "tenho? obj,lab", "Salta se objeto com jogador."},
        {"Objetos:", "ifobjjog# obj,lab", "Salta se n\xE3o estiver com jogador."},
        {"Objetos:", "tenho?? obj,lab", "Salta se estiver com jog ou dntro."},
        {"Textos e mensagens:", "atrib= size,cor,fonte", "Atributos das mensagens."},
        {"Textos e mensagens:", "fontalign= aln", "Alinha left,center,right.,justify"},
        {"Textos e mensagens:", "fontface= nome", "Nome da fonte utilizada."},
        {"Textos e mensagens:", "msg= string", "Define mensagem mostrada."},
        {"Textos e mensagens:", "msg+ string", "Concatena mensagem."},
        {"Textos e mensagens:", "texto txt", "Concatena texto na \xE1rea livre."},
        {"Textos e mensagens:", "texto. reg", "Concatena registrador R$ 0,00"},
        {"Textos e mensagens:", "texto+ reg", "Concatena registrador."},
        {"Textos e mensagens:", "texto$ url", "Concatena endere\xE7o web."},
        {"Textos e mensagens:", "texto# arq,wd,ht,aln", "Imagem com alinhamento."},
        {"Textos e mensagens:", "boxon", "Inicia \xE1rea de texto livre."},
        {"Textos e mensagens:", "boxoff", "Encerra \xE1rea de texto livre."},
        {"Textos e mensagens:", "texto= x,y,l,a,S,F,C,T",
         "Define \xE1rea de texto corrido onde S = tamanho da fonte, F = nome da fonte, C = cor de "
         "fundo da \xE1rea, T cor do texto (biu000000)."},
        {"Textos e mensagens:", "margem= Tp,Dr,Rp,Es", "Margem dentro da \xE1rea de texto."},
        {"Posi\xE7\xF5"
         "es e movimentos:",
         "setpos= loc", "Define o nome do local."},
        {"Posi\xE7\xF5"
         "es e movimentos:",
         "telpos= arq", "Nome da imagem da posi\xE7\xE3o."},
        {"Posi\xE7\xF5"
         "es e movimentos:",
         "telpos+ arq", "Concatena nome da imagem."},
        {"Posi\xE7\xF5"
         "es e movimentos:",
         "fundo= arq ", "Imagem de fundo da p\xE1gina."},
        {"Posi\xE7\xF5"
         "es e movimentos:",
         "fundo+ arq", "Concatena nome do fundo."},
        {"Posi\xE7\xF5"
         "es e movimentos:",
         "ifloc= loc,lab", "Salta se for o local."},
        {"Posi\xE7\xF5"
         "es e movimentos:",
         "ifloc# loc,lab", "Salta se n\xE3o for o local."},
        {"Posi\xE7\xF5"
         "es e movimentos:",
         "getloc reg", "Concatena no reg nome do local."},
        {"Elementos do painel:", "janela= width,height",
         "Dimens\xF5"
         "es do painel principal."},
        {"Elementos do painel:", "painel= arq", "Nome da imagem do painel."},
        {"Elementos do painel:", "painel+ arq", "Concatena nome do painel."},
        {"Elementos do painel:", "telpos= arq", "Nome da tela da posi\xE7\xE3o."},
        {"Elementos do painel:", "telpos+ arq", "Concatena nome da posi\xE7\xE3o."},
        {"Elementos do painel:", "fundo= arq", "Nome da imagem de fundo."},
        {"Elementos do painel:", "fundo+ arq", "Concatena nome da imagem."},
        {"Elementos do painel:", "corfnd= cor", "Cor do fundo da p\xE1gina."},
        {"Elementos do painel:", "corlnk= cor", "Cor dos links da p\xE1gina."},
        {"Elementos do painel:", "corvzk= cor", "Cor dos links visitados."},
        {"Elementos do painel:", "cortxt= cor", "Cor do texto da p\xE1gina."},
        {"Elementos do painel:", "mensag= px,py,lg,at", "Posi\xE7\xE3o e tamanho \xE1rea msg."},
        {"Elementos do painel:", "objjog= x,y,l,a,W,Q",
         "Posi\xE7\xE3o e tamanho da \xE1rea dos objetos com jogador. W = larg de cada shape do "
         "objeto e Q = qtd de shapes por linha."},
        {"Elementos do painel:", "objloc= x,y,l,a,W,Q",
         "Posi\xE7\xE3o e tamanho da \xE1rea dos objetos no local. W = larg de cada shape do "
         "objeto e Q = qtd de shapes por linha."},
        {"Elementos do painel:", "objdnt= x,y,l,a,W,Q,B",
         "Posi\xE7\xE3o e tamanho da \xE1rea dos objetos dentro do objeto B.  W = larg de cada "
         "shape do objeto e Q = qtd de shapes por linha."},
        {"Instru\xE7\xF5"
         "es gen\xE9ricas",
         "retscp= scp", "Script de retorno para xvlt."},
        {"Instru\xE7\xF5"
         "es gen\xE9ricas",
         "goto label", "Salta para o label definido."},
        {"Instru\xE7\xF5"
         "es gen\xE9ricas",
         "fim", "Encerra o script."},
        {"Instru\xE7\xF5"
         "es gen\xE9ricas",
         "savregs",
         "Salva conte\xFA"
         "do dos registr."},
        {"Instru\xE7\xF5"
         "es gen\xE9ricas",
         "recall tempo,destino", "Refresh de p\xE1gina html."},
        {"Instru\xE7\xF5"
         "es gen\xE9ricas",
         "gosub scp", "Chama script como subrotina."},
        {"Instru\xE7\xF5"
         "es gen\xE9ricas",
         "return ", "Retorna para script de chamada."},
        {"Instru\xE7\xF5"
         "es gen\xE9ricas",
         "script= scp", "Executa o script indicado."},
        {"Instru\xE7\xF5"
         "es gen\xE9ricas",
         "param= reg,prm", "Obtem par\xE2metro da  url."},
        {"Instru\xE7\xF5"
         "es gen\xE9ricas",
         "addtime reg,valor", "Acrescenta  segundos (3 regs)."},
        {"Instru\xE7\xF5"
         "es gen\xE9ricas",
         "zban= px,py,lrg,alt", "\xC1rea para banner rotativo."},
        {"Instru\xE7\xF5"
         "es cmd=",
         "lnk,x,y,l,a,Sz,txt,dst", "Texto com link de desvio."},
        {"Instru\xE7\xF5"
         "es cmd=",
         "msg,x,y,l,a,Sz,txt,cor", "Texto com defini\xE7\xE3o de cor."},
        {"Instru\xE7\xF5"
         "es cmd=",
         "map,x,y,l,a,dst", "\xC1rea clic\xE1vel com link de desvio."},
        {"Instru\xE7\xF5"
         "es cmd=",
         "img,x,y,l,a,arq", "Imagem ou figura simples."},
        {"Instru\xE7\xF5"
         "es cmd=",
         "fig,x,y,l,a,arq,dst", "Figura com link de desvio."},
        {"Instru\xE7\xF5"
         "es cmd=",
         "btn,x,y,l,a,up,dst,dw", "Bot\xE3o de link com up/down."},
        {"Instru\xE7\xF5"
         "es cmd=",
         "url,x,y,l,a,html", "Endere\xE7o web fora do servidor."},
        {"Instru\xE7\xF5"
         "es cmd=",
         "web,x,y,l,a,html", "Mostra p\xE1gina dentro da \xE1rea."},
        {"Instru\xE7\xF5"
         "es cmd=",
         "snd,x,y,l,a,som", "Executa som ao ser clicado."},
        {"Instru\xE7\xF5"
         "es cmd=",
         "reg,x,y,l,a,Sz,R,Cor",
         "Mostra conte\xFA"
         "do do registrador."},
    };
    return all;
}

} // namespace pequenia
