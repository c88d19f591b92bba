#pragma once

#include <string>
#include <vector>

namespace vorn {

// A multipart/form-data body in the order the parts were added. Text parts
// carry their text as it is; file parts carry the file's bytes, read when the
// part is added.
class MultipartForm {
public:
    void addText(std::string name, std::string text);
    // Reads the file at path now; throws Error when it cannot be read. The
    // part names only the file, not the folders above it, in cp1252.
    void addFile(std::string name, const std::string& path, std::string type);

    struct Encoded {
        std::string contentType; // "multipart/form-data; boundary=..."
        std::string body;
        std::string boundary;
    };
    // Picks a boundary that occurs in no part and writes the body.
    Encoded encode() const;

private:
    struct Part {
        std::string name;
        std::string fileName; // empty for text parts
        std::string type;
        std::string content;
        bool isFile = false;
    };
    std::vector<Part> m_parts;
};

} // namespace vorn
