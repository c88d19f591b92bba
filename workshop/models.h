#pragma once

#include "page_common.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vorn {

class Reply;
class RequestLayer;
struct Session;

// Script models: ready-made scripts of the service with a description and
// the shared files they need, put into the adventure being edited as a
// script of their own or appended to the script in the editor. Byte strings
// are cp1252.

// A model's script is named after the first characters of its name.
inline constexpr std::size_t kModelScriptNameLength = 16;
inline constexpr const char* kModelKept =
    "Modelo n\xe3o implementado: o script j\xe1 existente foi mantido.";
inline constexpr const char* kUnsafeModelFiles =
    "Arquivos do modelo com nome inv\xe1lido, n\xe3o copiados: ";

// One model as the page shows it. A failed load gives an empty model (no
// name), which putModel refuses: the text of the model shown before is never
// stored under the name of another.
struct Model {
    std::string name;                     // the list entry, whole
    std::vector<std::string> description; // Memo4
    std::vector<std::string> script;      // Memo1: what is stored or appended
    std::vector<std::string> files;       // Memo7: file names as sent
};

struct ModelLoad {
    std::string status; // the refusal to show; "" after a good load
    Model model;
};

// scpLsMds.php on UrlLog: the model names in list order; a refusal gives an
// empty list.
NameList loadModelList(RequestLayer& layer, const Session& session);

// scpGtMds.php for the entry, sent whole.
ModelLoad loadModel(RequestLayer& layer, const Session& session, const std::string& name);

// The model reply read by position: line 1 is not used; the description
// runs from line 2 to the line "|-script", the script from there to the line
// "|-arquiv", the files after it. A missing marker ends what precedes it at
// the end of the reply.
Model readModel(const std::string& name, const Reply& reply);

// The first kModelScriptNameLength characters of the entry.
std::string modelScriptName(const std::string& name);

// The model's file names as they would be copied: empty lines dropped, names
// that could leave the adventure folder set apart, and those the author's
// adventure folder holds already named, so that the page can ask.
struct ModelFiles {
    std::vector<std::string> copy;   // safe names, in the model's order
    std::vector<std::string> unsafe; // never copied
    std::vector<std::string> local;  // among copy: there locally already
};
ModelFiles checkModelFiles(const Session& session, const Model& model);

// Copies the model's safe files into the adventure (CopySharedFile: the
// shared file is fetched and uploaded; its own failures stay silent, as a
// model is of use without a picture). A file the folder has already is
// copied over when choice is Replace and kept when it is Skip. status names
// the unsafe names left out; "" otherwise.
struct ModelFileCopies {
    std::string status;
    std::vector<std::string> copied;
    std::vector<std::string> kept;
};
ModelFileCopies copyModelFiles(RequestLayer& layer, const Session& session, const Model& model,
                               Existing choice, const Progress& progress = {});

// Puts the model into the adventure as the script modelScriptName(name):
// existing is what findExistingScripts said of that name. A new script is
// created (mobNwScp.php) and stored (vpqPtScp.php); an existing one is
// stored over only when scriptChoice is Replace, and otherwise nothing is
// done (status kModelKept). Then the files are copied as copyModelFiles
// does. On success the script becomes the current one (SesScp) and
// editorLines is the model's script, which the editor shows whether the
// script is new or not, so that a later save stores what the server holds.
// Refusals come back in status; Error is thrown when a call fails.
struct ModelPut {
    std::string status;
    bool stored = false;
    bool created = false; // the page adds scriptName to the script catalogue
    std::string scriptName;
    std::vector<std::string> editorLines;
    ModelFileCopies files;
};
ModelPut putModel(RequestLayer& layer, Session& session, const Model& model,
                  const NameList& existing, Existing scriptChoice, Existing fileChoice,
                  const Progress& progress = {});

} // namespace vorn
