#include "export_data.h"

#include <cp1252.h>
#include <error.h>
#include <text.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

namespace fs = std::filesystem;

namespace vorn::adventure {

namespace {

// Failures name the file as the author sees it in the export folder.
std::string fileLabel(const std::string& path) {
    return utf8ToCp1252(fs::path(path).filename().string());
}

Error tooLarge(const std::string& path, std::size_t limit) {
    return Error(fileLabel(path) + ": arquivo grande demais (mais de " + std::to_string(limit) +
                 " bytes)");
}

// "Key=value": the key before the first "=", the value after it.
bool splitKey(const std::string& line, std::string& key, std::string& value) {
    const auto eq = line.find('=');
    if (eq == std::string::npos || eq == 0) return false;
    key = line.substr(0, eq);
    value = line.substr(eq + 1);
    return true;
}

} // namespace

std::string readBoundedFile(const std::string& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Error(fileLabel(path) + ": n\xe3o foi poss\xedvel ler o arquivo");
    std::string out;
    char buf[65536];
    // Reads in pieces and stops past the limit: a file that grows while it
    // is read, or a device that never ends, is refused all the same.
    while (in.read(buf, sizeof buf) || in.gcount() > 0) {
        out.append(buf, static_cast<std::size_t>(in.gcount()));
        if (out.size() > limit) throw tooLarge(path, limit);
    }
    if (in.bad()) throw Error(fileLabel(path) + ": n\xe3o foi poss\xedvel ler o arquivo");
    return out;
}

void requireFileWithin(const std::string& path, std::size_t limit) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec) throw Error(fileLabel(path) + ": n\xe3o foi poss\xedvel ler o arquivo");
    if (size > limit) throw tooLarge(path, limit);
}

std::string objectsText(const std::vector<ExportedObject>& objects) {
    std::string text;
    for (const auto& o : objects) {
        text += "[" + trimSpaces(o.name) + "]\r\n";
        int n = 1;
        for (const ObjectState* s : {&o.start, &o.current}) {
            const std::string i = std::to_string(n++);
            text += "Local" + i + "=" + s->place + "\r\nFigura" + i + "=" + s->picture +
                    "\r\nDescricao" + i + "=" + s->description + "\r\n";
        }
    }
    return text;
}

std::vector<ExportedObject> readObjects(std::string_view bytes) {
    std::vector<ExportedObject> objects;
    ExportedObject* current = nullptr;
    for (const auto& line : splitLines(bytes)) {
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            const std::string name = trimSpaces(line.substr(1, line.size() - 2));
            const bool seen = name.empty() ||
                              std::any_of(objects.begin(), objects.end(),
                                          [&](const ExportedObject& o) { return o.name == name; });
            // The fields of a repeated or nameless section go nowhere.
            current = seen ? nullptr : &objects.emplace_back(ExportedObject{name, {}, {}});
            continue;
        }
        std::string key, value;
        if (!current || !splitKey(line, key, value)) continue;
        const char digit = key.empty() ? '\0' : key.back();
        if (digit != '1' && digit != '2') continue;
        ObjectState& state = digit == '1' ? current->start : current->current;
        key.pop_back();
        if (key == "Local")
            state.place = value;
        else if (key == "Figura")
            state.picture = value;
        else if (key == "Descricao")
            state.description = value;
    }
    return objects;
}

std::string pageText(const PageData& p) {
    const std::pair<const char*, std::string> keys[] = {
        {"Tit", p.Ed5},
        {"Tip", p.Lb5},
        {"Icn", p.Ed6},
        {"Qrc", p.Ed7},
        {"Atv", p.Lb1 == "sim" ? "*" : "-"},
        {"Atr", p.Lb3},
        {"Pri", p.Lb4},
        {"Stx", p.Lb6},
    };
    std::string text;
    for (const auto& [key, value] : keys)
        text += std::string(key) + "=" + value + "\r\n";
    return text + "\r\n" + joinLinesCrLf(p.Desc);
}

PageData readPage(std::string_view bytes) {
    PageData page;
    const auto lines = splitLines(bytes);
    auto line = lines.begin();
    std::map<std::string, std::string> keys;
    for (; line != lines.end() && !line->empty(); ++line) {
        std::string key, value;
        if (splitKey(*line, key, value)) keys[key] = value;
    }
    if (line != lines.end()) page.Desc.assign(line + 1, lines.end());
    const auto take = [&](const char* key, std::string& field) {
        if (const auto it = keys.find(key); it != keys.end()) field = it->second;
    };
    take("Tit", page.Ed5);
    take("Tip", page.Lb5);
    take("Icn", page.Ed6);
    take("Qrc", page.Ed7);
    take("Atr", page.Lb3);
    take("Pri", page.Lb4);
    take("Stx", page.Lb6);
    if (const auto it = keys.find("Atv"); it != keys.end())
        page.Lb1 = it->second == "-" ? "n\xe3o" : "sim";
    return page;
}

std::vector<std::string> readEditors(std::string_view bytes) {
    std::vector<std::string> names;
    for (const auto& line : splitLines(bytes)) {
        std::string name = trimSpaces(line);
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(std::move(name));
    }
    return names;
}

} // namespace vorn::adventure
