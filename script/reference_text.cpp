#include "reference_text.h"

#include <array>

namespace vorn {
namespace {

using enum ReferenceGroup;

constexpr ReferenceEntry kEntries[] = {
    {Registers, "reg= reg,valor", "Coloca o valor no registrador."},
    {Registers, "reg+ reg,valor", "Soma o valor no registrador."},
    {Registers, "reg- reg,valor", "Subtrai o valor do registrador."},
    {Registers, "reg* reg,valor", "Multiplica registrador pelo valor."},
    {Registers, "reg/ reg,valor", "Divide registrador pelo valor."},
    {Registers, "reg$ reg,string", "Concatena string no registrador."},
    {Registers, "reg. reg,R$valor", "Concatena no formato monet."},
    {Registers, "reg? reg,valor", "Soma valor aleat\xf3rio."},
    {Registers, "ifreg= reg,vlr,lab", "Salta se registrador igual valor."},
    {Registers, "ifreg# reg,vlr,lab", "Salta se registrador diferente."},
    {Registers, "ifreg> reg,vlr,lab", "Salta se registrador maior."},
    {Registers, "ifreg< reg,vlr,lab", "Salta se registrador menor."},
    {Registers, "ifreg~ reg,v1,v2,lab", "Salta se registrador no intervalo."},
    {Objects, "poeobj= obj,loc", "Coloca objeto no local = loc."},
    {Objects, "poeobj# obj", "Coloca objeto no local do jogador."},
    {Objects, "conta loc/jog/obj,reg",
     "Conta objeto e p\xf5"
     "e no registrador."},
    {Objects, "pega obj", "Pega o objeto"},
    {Objects, "solta obj ", "Solta objeto no local atual."},
    {Objects, "coloca obj,loc/obj", "Poe objeto no local ou dentro."},
    {Objects, "apaga obj", "Manda o objeto para o limbo."},
    {Objects, "getshape reg,obj", "Obt\xe9m nome do shape do objeto."},
    {Objects, "putshape reg,obj", "Define nome do shape do objeto."},
    {Objects, "ifobj= obj,loc,lab", "Salta se objeto estiver no local."},
    {Objects, "ifobj# obj,loc,lab", "Salta se objeto n\xe3o estiver..."},
    {Objects, "ifobjloc= obj,lab", "Salta se objeto no local atual"},
    {Objects, "ifobjloc# obj,lab", "Salta se n\xe3o estiver no loc atual."},
    {Objects, "tenho? obj,lab", "Salta se objeto com jogador."},
    {Objects, "ifobjjog# obj,lab", "Salta se n\xe3o estiver com jogador."},
    {Objects, "tenho?? obj,lab", "Salta se estiver com jog ou dntro."},
    {TextsAndMessages, "atrib= size,cor,fonte", "Atributos das mensagens."},
    {TextsAndMessages, "fontalign= aln", "Alinha left,center,right.,justify"},
    {TextsAndMessages, "fontface= nome", "Nome da fonte utilizada."},
    {TextsAndMessages, "msg= string", "Define mensagem mostrada."},
    {TextsAndMessages, "msg+ string", "Concatena mensagem."},
    {TextsAndMessages, "texto txt", "Concatena texto na \xe1rea livre."},
    {TextsAndMessages, "texto. reg", "Concatena registrador R$ 0,00"},
    {TextsAndMessages, "texto+ reg", "Concatena registrador."},
    {TextsAndMessages, "texto$ url", "Concatena endere\xe7o web."},
    {TextsAndMessages, "texto# arq,wd,ht,aln", "Imagem com alinhamento."},
    {TextsAndMessages, "boxon", "Inicia \xe1rea de texto livre."},
    {TextsAndMessages, "boxoff", "Encerra \xe1rea de texto livre."},
    {TextsAndMessages, "texto= x,y,l,a,S,F,C,T",
     "Define \xe1rea de texto corrido onde S = tamanho da fonte, F = nome da fonte, C = cor de "
     "fundo da \xe1rea, T cor do texto (biu000000)."},
    {TextsAndMessages, "margem= Tp,Dr,Rp,Es", "Margem dentro da \xe1rea de texto."},
    {Positions, "setpos= loc", "Define o nome do local."},
    {Positions, "telpos= arq", "Nome da imagem da posi\xe7\xe3o."},
    {Positions, "telpos+ arq", "Concatena nome da imagem."},
    {Positions, "fundo= arq ", "Imagem de fundo da p\xe1gina."},
    {Positions, "fundo+ arq", "Concatena nome do fundo."},
    {Positions, "ifloc= loc,lab", "Salta se for o local."},
    {Positions, "ifloc# loc,lab", "Salta se n\xe3o for o local."},
    {Positions, "getloc reg", "Concatena no reg nome do local."},
    {Panel, "janela= width,height",
     "Dimens\xf5"
     "es do painel principal."},
    {Panel, "painel= arq", "Nome da imagem do painel."},
    {Panel, "painel+ arq", "Concatena nome do painel."},
    {Panel, "telpos= arq", "Nome da tela da posi\xe7\xe3o."},
    {Panel, "telpos+ arq", "Concatena nome da posi\xe7\xe3o."},
    {Panel, "fundo= arq", "Nome da imagem de fundo."},
    {Panel, "fundo+ arq", "Concatena nome da imagem."},
    {Panel, "corfnd= cor", "Cor do fundo da p\xe1gina."},
    {Panel, "corlnk= cor", "Cor dos links da p\xe1gina."},
    {Panel, "corvzk= cor", "Cor dos links visitados."},
    {Panel, "cortxt= cor", "Cor do texto da p\xe1gina."},
    {Panel, "mensag= px,py,lg,at", "Posi\xe7\xe3o e tamanho \xe1rea msg."},
    {Panel, "objjog= x,y,l,a,W,Q",
     "Posi\xe7\xe3o e tamanho da \xe1rea dos objetos com jogador. W = larg de cada shape do objeto "
     "e Q = qtd de shapes por linha."},
    {Panel, "objloc= x,y,l,a,W,Q",
     "Posi\xe7\xe3o e tamanho da \xe1rea dos objetos no local. W = larg de cada shape do objeto e "
     "Q = qtd de shapes por linha."},
    {Panel, "objdnt= x,y,l,a,W,Q,B",
     "Posi\xe7\xe3o e tamanho da \xe1rea dos objetos dentro do objeto B.  W = larg de cada shape "
     "do objeto e Q = qtd de shapes por linha."},
    {Generic, "retscp= scp", "Script de retorno para xvlt."},
    {Generic, "goto label", "Salta para o label definido."},
    {Generic, "fim", "Encerra o script."},
    {Generic, "savregs",
     "Salva conte\xfa"
     "do dos registr."},
    {Generic, "recall tempo,destino", "Refresh de p\xe1gina html."},
    {Generic, "gosub scp", "Chama script como subrotina."},
    {Generic, "return ", "Retorna para script de chamada."},
    {Generic, "script= scp", "Executa o script indicado."},
    {Generic, "param= reg,prm", "Obtem par\xe2metro da  url."},
    {Generic, "addtime reg,valor", "Acrescenta  segundos (3 regs)."},
    {Generic, "zban= px,py,lrg,alt", "\xc1rea para banner rotativo."},
    {ScreenElements, "lnk,x,y,l,a,Sz,txt,dst", "Texto com link de desvio."},
    {ScreenElements, "msg,x,y,l,a,Sz,txt,cor", "Texto com defini\xe7\xe3o de cor."},
    {ScreenElements, "map,x,y,l,a,dst", "\xc1rea clic\xe1vel com link de desvio."},
    {ScreenElements, "img,x,y,l,a,arq", "Imagem ou figura simples."},
    {ScreenElements, "fig,x,y,l,a,arq,dst", "Figura com link de desvio."},
    {ScreenElements, "btn,x,y,l,a,up,dst,dw", "Bot\xe3o de link com up/down."},
    {ScreenElements, "url,x,y,l,a,html", "Endere\xe7o web fora do servidor."},
    {ScreenElements, "web,x,y,l,a,html", "Mostra p\xe1gina dentro da \xe1rea."},
    {ScreenElements, "snd,x,y,l,a,som", "Executa som ao ser clicado."},
    {ScreenElements, "reg,x,y,l,a,Sz,R,Cor",
     "Mostra conte\xfa"
     "do do registrador."},
};

constexpr std::array<ReferenceGroup, 7> kGroups = {Registers, Objects, TextsAndMessages, Positions,
                                                   Panel,     Generic, ScreenElements};

} // namespace

std::span<const ReferenceEntry> referenceEntries() {
    return kEntries;
}

std::span<const ReferenceGroup> referenceGroups() {
    return kGroups;
}

std::string_view groupHeading(ReferenceGroup group) {
    switch (group) {
    case Registers:
        return "Registradores:";
    case Objects:
        return "Objetos:";
    case TextsAndMessages:
        return "Textos e mensagens:";
    case Positions:
        return "Posi\xe7\xf5"
               "es e movimentos:";
    case Panel:
        return "Elementos do painel:";
    case Generic:
        return "Instru\xe7\xf5"
               "es gen\xe9ricas";
    case ScreenElements:
        return "Instru\xe7\xf5"
               "es cmd=";
    }
    return {};
}

std::string referenceInsertion(const ReferenceEntry& entry) {
    // The panel shows the register-saving word as "savregs", but the
    // language knows it only as "saveregs": inserting the caption as shown
    // would put a line into the script that its own check rejects.
    if (entry.syntax == "savregs") return "  saveregs";
    std::string line = entry.group == ScreenElements ? "  cmd= " : "  ";
    line += entry.syntax;
    return line;
}

const ReferenceEntry* referenceFor(std::string_view word) {
    if (word.empty()) return nullptr;
    for (const ReferenceEntry& entry : referenceEntries()) {
        const std::string_view syntax = entry.syntax;
        // An instruction's syntax is its keyword, a blank and its fields;
        // an element kind's, the kind and a comma.
        const std::size_t end = syntax.find_first_of(entry.group == ReferenceGroup::ScreenElements
                                                         ? std::string_view(",")
                                                         : std::string_view(" "));
        if (syntax.substr(0, end) == word) return &entry;
    }
    return nullptr;
}

} // namespace vorn
