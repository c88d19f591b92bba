#include "transfers.h"

#include "address.h"
#include "error.h"
#include "files.h"
#include "multipart.h"
#include "request_layer.h"
#include "session.h"

#include <sys/stat.h>

#include <fstream>
#include <string_view>

namespace vorn {
namespace {

std::string fetch(RequestLayer& layer, const std::string& address) {
    layer.http().applyDownloadSettings();
    layer.pump();
    return layer.http().get(address);
}

bool fetchInto(RequestLayer& layer, const std::string& address, const std::string& path) {
    try {
        writeFileAtomic(path, fetch(layer, address));
        return true;
    } catch (const Error&) {
        return false;
    }
}

std::string adventureFileAddress(const Session& session, const std::string& prefix,
                                 const std::string& name) {
    return session.UrlSite + "html/quorbel/" + encodeValue(prefix) + "/" + encodeValue(prefix) +
           "-" + encodeValue(name);
}

std::string adventureFolder(const Session& session) {
    requireSafeFileName(session.SesPfx);
    return session.DirApp + localName(session.SesPfx) + "/";
}

MultipartForm imageForm(const std::string& path) {
    MultipartForm form;
    form.addFile("Img", path, "image/jpg");
    return form;
}

std::string uploadAddress(const Session& session, const std::string& name) {
    return serverAddress(session.UrlScp, "mobPtImg.php", session.SesLogin, session.SesSenha,
                         {{"Pfx", session.SesPfx}, {"Arq", name}});
}

} // namespace

std::string fetchAdventureFile(RequestLayer& layer, const Session& session,
                               const std::string& name) {
    requireSafeFileName(name);
    return fetch(layer, adventureFileAddress(session, session.SesPfx, name));
}

bool DownloadAdventureFile(RequestLayer& layer, const Session& session, const std::string& name) {
    requireSafeFileName(name);
    const std::string path = adventureFolder(session) + localName(name);
    if (fileExists(path)) return false;
    return fetchInto(layer, adventureFileAddress(session, session.SesPfx, name), path);
}

bool DownloadSoundFile(RequestLayer& layer, const Session& session, const std::string& name) {
    requireSafeFileName(name);
    return fetchInto(layer, session.UrlSite + "html/quorbel/pags/sons/" + encodeValue(name),
                     adventureFolder(session) + localName(name));
}

bool DownloadProgramFile(RequestLayer& layer, const Session& session, const std::string& name) {
    requireSafeFileName(name);
    return fetchInto(layer, session.UrlSite + "vornpq/" + encodeValue(name),
                     session.DirApp + localName(name));
}

bool makeRunnableHere(const std::string& path) {
    if (!fileExists(path)) return false;
    char head[4] = {};
    {
        std::ifstream file(path, std::ios::binary);
        file.read(head, sizeof head);
        if (file.gcount() < 2) return false;
    }
    const bool elf = std::string_view(head, 4) == "\x7f"
                                                  "ELF";
    const bool script = head[0] == '#' && head[1] == '!';
    if (!elf && !script) return false;
    return ::chmod(path.c_str(), 0755) == 0;
}

std::string fetchAdventurePicture(RequestLayer& layer, const Session& session,
                                  const std::string& name, const std::string& prefix) {
    requireSafeFileName(name);
    requireSafeFileName(prefix);
    const std::string path = session.DirApp + localName(prefix) + "/" + localName(name);
    if (!fileExists(path))
        writeFileAtomic(path, fetch(layer, adventureFileAddress(session, prefix, name)));
    return path;
}

std::string UploadImage(RequestLayer& layer, const Session& session, const std::string& name) {
    requireSafeFileName(name);
    return uploadAdventureFile(layer, session, session.DirAdv + localName(name), name);
}

std::string uploadAdventureFile(RequestLayer& layer, const Session& session,
                                const std::string& path, const std::string& name) {
    requireSafeFileName(name);
    LightScope lit(layer, Light::Upload);
    layer.pump();
    const MultipartForm form = imageForm(path);
    return layer.http().post(uploadAddress(session, name), form);
}

void CopySharedFile(RequestLayer& layer, const Session& session, const std::string& name) {
    LightScope lit(layer, Light::Upload);
    try {
        requireSafeFileName(name);
        const std::string path = session.DirAdv + localName(name);
        writeFileAtomic(path, fetch(layer, session.UrlSite + "vornpq/arqs/" + encodeValue(name)));
        layer.http().post(uploadAddress(session, name), imageForm(path));
    } catch (const Error&) {
        // A model without its shared file is still worth having.
    }
}

} // namespace vorn
