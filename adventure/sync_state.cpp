#include "sync_state.h"

#include "export_data.h"

#include <error.h>
#include <files.h>
#include <text.h>

#include <cstdio>

namespace vorn::adventure {

namespace {

constexpr std::string_view kHeader = "vornsync 1";
// Far above the state of the largest adventure (a line per item).
constexpr std::size_t kMaxStateBytes = 16u << 20;

const char* encodingName(LocalEncoding e) {
    return e == LocalEncoding::Utf8 ? "utf-8" : "cp1252";
}

} // namespace

std::string contentHash(std::string_view bytes) {
    // Two FNV-1a passes with different offsets: 128 bits, so that no two
    // versions of a script ever meet by chance.
    std::uint64_t a = 0xcbf29ce484222325ull, b = 0x84222325cbf29ce4ull;
    for (const unsigned char c : bytes) {
        a = (a ^ c) * 0x100000001b3ull;
        b = (b ^ (c + 0x5bu)) * 0x100000001b3ull;
    }
    char text[33];
    std::snprintf(text, sizeof text, "%016llx%016llx", static_cast<unsigned long long>(a),
                  static_cast<unsigned long long>(b));
    return text;
}

std::optional<SyncState> readSyncState(const std::string& root) {
    const std::string path = root + kSyncStateFile;
    if (!fileExists(path)) return std::nullopt;
    const auto lines = splitLines(readBoundedFile(path, kMaxStateBytes));
    const auto fault = [&](const std::string& why) {
        return Error(path + ": " + why + " (o estado de vornsync foi alterado à mão?)");
    };
    if (lines.empty() || lines[0] != kHeader) throw fault("não começa por \"vornsync 1\"");
    SyncState state;
    bool encoding = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const auto tab = line.find('\t');
        if (tab == std::string::npos)
            throw fault("linha " + std::to_string(i + 1) + " sem tabulação");
        const std::string key = line.substr(0, tab), value = line.substr(tab + 1);
        if (key == "servidor") {
            state.origin.server = value;
        } else if (key == "login") {
            state.origin.login = value;
        } else if (key == "aventura") {
            state.origin.adventure = value;
        } else if (key == "prefixo") {
            state.origin.prefix = value;
        } else if (key == "codificacao") {
            if (value != "cp1252" && value != "utf-8")
                throw fault("codificação desconhecida \"" + value + "\"");
            state.origin.encoding = value == "utf-8" ? LocalEncoding::Utf8 : LocalEncoding::Cp1252;
            encoding = true;
        } else if (key.size() == 32) {
            state.base[value] = key;
        } else {
            throw fault("linha " + std::to_string(i + 1) + " desconhecida");
        }
    }
    if (state.origin.server.empty() || state.origin.prefix.empty() || !encoding)
        throw fault("faltam o servidor, o prefixo ou a codificação");
    return state;
}

void writeSyncState(const std::string& root, const SyncState& state) {
    const SyncOrigin& o = state.origin;
    std::string text = std::string(kHeader) + "\n";
    text += "servidor\t" + o.server + "\nlogin\t" + o.login + "\naventura\t" + o.adventure +
            "\nprefixo\t" + o.prefix + "\ncodificacao\t" + encodingName(o.encoding) + "\n";
    for (const auto& [path, hash] : state.base)
        text += hash + "\t" + path + "\n";
    writeFileAtomic(root + kSyncStateFile, text);
}

} // namespace vorn::adventure
