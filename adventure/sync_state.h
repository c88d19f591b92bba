#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// What the server held at the last pull or push of a folder kept in step
// with an adventure: the base every later comparison starts from. It lives
// in the folder itself, beside the files it describes.
namespace vorn::adventure {

inline constexpr const char* kSyncStateFile = ".vornsync";

// How the folder's text files are written: as the service holds them
// (cp1252, CR LF) or as most editors of today expect (UTF-8, LF).
enum class LocalEncoding { Cp1252, Utf8 };

struct SyncOrigin {
    std::string server;    // the root address, ending in "/"
    std::string login;     // cp1252
    std::string adventure; // the name as listed, cp1252
    std::string prefix;    // cp1252
    LocalEncoding encoding = LocalEncoding::Cp1252;
    bool operator==(const SyncOrigin&) const = default;
};

struct SyncState {
    SyncOrigin origin;
    // Per item, by its path in the folder ("scripts/NAME.scp", "porta.png",
    // "parametros.txt"; cp1252), the hash of what the server held.
    std::map<std::string, std::string> base;
};

// A hash of the bytes that tells any two texts an author would write apart;
// not a defence against anyone forging one.
std::string contentHash(std::string_view bytes);

// The state of the folder root (ending in "/"); nullopt when it has none.
// Throws Error naming the file when it is unreadable, too large or not a
// state this program wrote.
std::optional<SyncState> readSyncState(const std::string& root);

// Written whole and atomically: a run killed while writing leaves the state
// it found.
void writeSyncState(const std::string& root, const SyncState& state);

} // namespace vorn::adventure
