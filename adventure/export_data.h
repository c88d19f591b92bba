#pragma once

#include <loaders.h>
#include <panel.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The text files of an export that hold the adventure's data besides its
// scripts and media, as they are written and read back. Every text is
// cp1252 with lines ending in CR LF; reading takes CR LF, LF or CR, since an
// author may have edited the file.
namespace vorn::adventure {

// Files of an export are read only up to these sizes: a folder is outside
// input, and anything larger than the service would take is not an export.
inline constexpr std::size_t kMaxTextFileBytes = 4u << 20;
inline constexpr std::size_t kMaxMediaFileBytes = 16u << 20;

// The whole file when it holds at most limit bytes; Error (naming the file)
// when it is larger or cannot be read.
std::string readBoundedFile(const std::string& path, std::size_t limit = kMaxTextFileBytes);
// Error when the file is larger than limit or its size cannot be read.
void requireFileWithin(const std::string& path, std::size_t limit);

// objetos.txt: per object a line "[NAME]" (the name as listed, with
// blanks), then "Local1=", "Figura1=", "Descricao1=" for the state at the
// start and "Local2=", "Figura2=", "Descricao2=" for the current one.
struct ExportedObject {
    std::string name;
    ObjectState start, current;
};
std::string objectsText(const std::vector<ExportedObject>& objects);
// Lines before the first "[" and keys it does not know are skipped; a key
// missing from a section leaves that field empty; a name seen twice keeps
// its first section.
std::vector<ExportedObject> readObjects(std::string_view bytes);

// pagina.txt: "Key=value" lines under the keys the page is sent with: Tit
// (title), Tip (type), Icn (icon), Qrc (QR picture), then the
// administrator's Atv ("*" active, "-" not), Atr (author), Pri (order) and
// Stx (status); an empty line; then the description, every line as it is.
// The prefix (Lb2) is not part of the file: the page goes to whichever
// adventure it is restored into.
std::string pageText(const PageData& page);
PageData readPage(std::string_view bytes);

// autorizados.txt: one user name per line. Reading trims blanks and skips
// empty lines and repeats, as the service does with the list.
std::vector<std::string> readEditors(std::string_view bytes);

// variaveis_inicio.txt and variaveis_atuais.txt hold the two sets of global
// variables, each exactly the set's lines (joinLinesCrLf, splitLines).

} // namespace vorn::adventure
