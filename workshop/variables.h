#pragma once

#include "page_common.h"

#include <string>
#include <vector>

namespace vorn {

class RequestLayer;
struct Session;

// The state a running adventure keeps on the service: its numbered
// registers, and its global variables as two sets of lines, the values a
// new game starts from (set 1) and the values it holds now (set 2). Byte
// strings are cp1252.

// The register list: "Reg: <n> = <value>" per register, from 0. ok is false
// with the refusal in status when the service refused.
NameList loadRegisters(RequestLayer& layer, const Session& session);
std::string registerEntry(std::size_t number, const std::string& value);

enum class VariableSet { Starting = 1, Current = 2 };

// One set as the service returns it, every line, a first "Ok" included: the
// set has no status line. ok is false, with the text in status and no
// lines, when nothing came back (the request layer's failure texts) or the
// reply is one of the service's refusals (a single line ending in "!!!"):
// such a text is not the adventure's data and must never be stored back.
struct VariableLoad {
    bool ok = false;
    std::string status;
    std::vector<std::string> lines;
};
VariableLoad loadVariables(RequestLayer& layer, const Session& session, VariableSet set);

inline constexpr const char* kVariablesStoring = "Atualizando...";
inline constexpr const char* kVariablesStored = "Ok...";
inline constexpr const char* kVariablesCopied = "Dados copiados!";
inline constexpr const char* kVariablesNotLoaded =
    "As vari\xe1veis n\xe3o foram carregadas: nada foi gravado!!!";

// Stores both sets, the starting one first, each as the form field "texto".
// Returns kVariablesStored, or the refusal of the set the service refused
// (the current set is not sent after a refused starting set). Throws Error
// when a post fails.
std::string storeVariables(RequestLayer& layer, const Session& session,
                           const std::vector<std::string>& starting,
                           const std::vector<std::string>& current);

} // namespace vorn
