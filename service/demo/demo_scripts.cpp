#include "demo/demo_scripts.h"

namespace pequenia::demo {

namespace {

std::string crlf(std::initializer_list<const char*> lines) {
    std::string out;
    for (const char* l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

} // namespace

std::vector<DemoScript> castleScripts() {
    return {
        {"inicio",
         crlf(
             {"//=== Script: inicio ==============================", "  retscp= inicio",
              "  telpos= portao.png", "  setpos= estrada",
              "  msg= O Castelo de Vorn se ergue na n\xE9voa. Dizem que um tesouro dorme na torre.",
              "  reg= 0,3", "  reg= 1,0", "  cmd= lnk,460,330,220,30,4,Entrar no castelo,$portao",
              "  cmd= lnk,460,370,220,30,3,Como jogar,$menu",
              "  cmd= url,120,380,220,30,pequenia.local/sobre", "  fim"})},
        {"menu", crlf({"//=== Script: menu ==============================", "  retscp= menu",
                       "  boxon", "Clique nas \xE1reas da tela para andar pelo castelo.",
                       "Os objetos que voc\xEA pega aparecem no seu invent\xE1rio.", "  boxoff",
                       "  texto= 20,20,560,200,3,Arial,1A1A2E,biuF0E6D2",
                       "  cmd= lnk,20,300,200,30,4,Voltar,$inicio", "  fim"})},
        {"portao", crlf({"//=== Script: portao ==============================", "  retscp= portao",
                         "  telpos= portao.png", "  setpos= portao",
                         "  msg= O port\xE3o est\xE1 aberto. Um sino velho balan\xE7"
                         "a ao vento.",
                         "  cmd= map,240,180,120,200,$patio", "  cmd= snd,20,20,40,40,sino.mp3",
                         "  cmd= lnk,20,360,120,30,3,Voltar,$inicio", "  fim"})},
        {"patio", crlf({"//=== Script: patio ==============================", "  retscp= patio",
                        "  telpos= patio.png", "  setpos= patio",
                        "  msg= Um p\xE1tio de pedra. Portas levam ao sal\xE3o e \xE0 cozinha.",
                        "  cmd= map,250,120,100,160,$salao", "  cmd= map,20,200,120,160,$cozinha",
                        "  cmd= lnk,460,360,120,30,3,Port\xE3o,$portao", "  fim"})},
        {"salao",
         crlf({"//=== Script: salao ==============================", "  retscp= salao",
               "  telpos= salao.png", "  setpos= salao",
               "  msg= O grande sal\xE3o. Uma escada sobe para a torre e outra desce para a "
               "masmorra.",
               "  cmd= map,440,60,120,200,$torre", "  cmd= map,40,260,140,120,$masmorra",
               "  cmd= lnk,230,360,140,30,3,Biblioteca,$biblioteca",
               "  cmd= lnk,20,20,100,30,3,P\xE1tio,$patio", "  ifobjjog= chave,temchave",
               "  cmd= msg,200,20,300,30,3,A torre est\xE1 trancada,bIuFF8080", "  fim",
               ":temchave", "  cmd= msg,200,20,300,30,3,A chave abre a torre!,Biu80FF80",
               "  fim"})},
        {"torre", crlf({"//=== Script: torre ==============================", "  retscp= torre",
                        "  telpos= torre.png", "  setpos= torre",
                        "  msg= Do alto da torre se v\xEA todo o vale.", "  ifreg< 1,100,pobre",
                        "  cmd= fig,260,200,80,80,tesouro.png,$tesouro", "  goto fim", ":pobre",
                        "  cmd= reg,20,20,120,30,3,1,biuFFD700", ":fim",
                        "  cmd= lnk,20,360,120,30,3,Descer,$salao", "  fim"})},
        {"biblioteca", crlf({"//=== Script: biblioteca ==============================",
                             "  retscp= biblioteca", "  telpos= salao.png", "  setpos= biblioteca",
                             "  msg= Na estante, um livro aberto diz:", "  boxon",
                             "O tesouro de Vorn s\xF3 se revela a quem tem ouro no bolso.",
                             "  boxoff", "  texto= 120,60,360,200,3,Georgia,F0E6D2,biu1A1A2E",
                             "  cmd= lnk,20,360,120,30,3,Sal\xE3o,$salao", "  fim"})},
        {"cozinha", crlf({"//=== Script: cozinha ==============================",
                          "  retscp= cozinha", "  telpos= patio.png", "  setpos= cozinha",
                          "  msg= Panelas frias. Uma porta estreita leva \xE0 despensa.",
                          "  reg+ 1,50", "  cmd= lnk,300,200,160,30,3,Despensa,$despensa",
                          "  cmd= lnk,20,360,120,30,3,P\xE1tio,$patio", "  fim"})},
        {"masmorra",
         crlf({"//=== Script: masmorra ==============================", "  retscp= masmorra",
               "  telpos= masmorra.png", "  setpos= masmorra",
               "  msg= Escuro e \xFAmido. Algo brilha no ch\xE3o.",
               "  cmd= fig,270,300,60,60,chave.png,$masmorra", "  pega chave", "  abrir porta",
               "  goto saida", "  cmd= lnk,20,360,120,30,3,Subir,$salao", "  fim"})},
        {"tesouro", crlf({"//=== Script: tesouro ==============================",
                          "  retscp= tesouro", "  telpos= torre.png", "  setpos= tesouro",
                          "  msg= Voc\xEA encontrou o tesouro de Vorn! Fim da aventura.",
                          "  reg+ 1,1000", "  cmd= img,260,120,80,80,tesouro.png",
                          "  cmd= lnk,220,360,160,30,4,Jogar de novo,$inicio", "  fim"})},
    };
}

std::string lockedDoorModel() {
    return crlf(
        {"//=== Script: porta_trancada ==============================", "  retscp= porta_trancada",
         "  telpos= porta.png", "  msg= A porta est\xE1 trancada.", "  tenho? chave,abre",
         "  cmd= img,260,160,80,80,cadeado.png", "  fim", ":abre",
         "  msg= A chave gira e a porta se abre.", "  fim"});
}

} // namespace pequenia::demo
