#pragma once

#include <string>
#include <string_view>

namespace vorn {

// The checker's messages, in cp1252 bytes. Each begins with "//!-", so it
// is a comment of the language and the next check removes it again.
namespace message {

inline constexpr std::string_view kUnknownInstruction = "//!- instru\xe7\xe3o desconhecida";
inline constexpr std::string_view kBoxonNotClosed = "//!- n\xe3o fechou o boxon com um boxoff";
inline constexpr std::string_view kUnknownElementKind =
    "//!- n\xe3o existe esta fun\xe7\xe3o da instru\xe7\xe3o cmd=";
inline constexpr std::string_view kNoTargetScript =
    "//!- n\xe3o existe o script destino desta instru\xe7\xe3o";
inline constexpr std::string_view kNoTargetLabel =
    "//!- n\xe3o encontrei a defini\xe7\xe3o deste label destino";
inline constexpr std::string_view kEmbeddedKeywordBlank =
    "//!- a instru\xe7\xe3o cmd= est\xe1 sem delimitador o campo \",\"";
inline constexpr std::string_view kXNotNumber = "//!- par\xe2metro num\xe9rico incorreto (coord X)";
inline constexpr std::string_view kXOutside =
    "//!- par\xe2metro X fora da \xe1rea do jogo (tem certeza disso?)";
inline constexpr std::string_view kYNotNumber = "//!- par\xe2metro num\xe9rico incorreto (coord Y)";
inline constexpr std::string_view kYOutside =
    "//!- par\xe2metro Y fora da \xe1rea do jogo (tem certeza disso?)";
inline constexpr std::string_view kWidthNotNumber =
    "//!- par\xe2metro num\xe9rico incorreto (largura)";
inline constexpr std::string_view kWidthTooLarge =
    "//!- largura definida \xe9 maior que a \xe1rea do jogo!";
inline constexpr std::string_view kHeightNotNumber =
    "//!- par\xe2metro num\xe9rico incorreto (altura)";
inline constexpr std::string_view kHeightTooLarge =
    "//!- altura definida \xe9 maior que a \xe1rea do jogo!";
inline constexpr std::string_view kBadRegisterRef =
    "//!- Erro na refer\xeancia ao registrador (#?\?\?)";

// "name" is the line without its final colon.
std::string labelSyntax(std::string_view name);

// "total" is the register total exactly as the author wrote it.
std::string registerOutOfRange(std::string_view total);

} // namespace message

// The line written above a faulty line: the message, a blank and "<"
// characters, cut at 72 characters, then " erro <<<".
std::string annotationLine(std::string_view message);

// A message without its leading "//!- ", as compiler-style output shows it.
std::string_view messageBody(std::string_view message);

} // namespace vorn
