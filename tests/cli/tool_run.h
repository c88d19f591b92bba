#pragma once

// A built command-line tool run through the shell on files of a temporary
// folder of its own, as an author or an editor plug-in runs it.
#include "files.h"
#include "scripted_server.h"

#include <sys/wait.h>

#include <cstdlib>
#include <string>

namespace vorn::test {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

class ToolFolder {
public:
    explicit ToolFolder(std::string tool)
        : m_tool(std::move(tool)) {}

    const std::string& path() const { return m_dir.path(); } // ends in "/"

    std::string write(const std::string& name, const std::string& bytes) const {
        writeFileAtomic(path() + name, bytes);
        return path() + name;
    }

    // The arguments go to the shell as written; callers quote them.
    ToolRun run(const std::string& arguments) const {
        const std::string out = path() + "stdout", err = path() + "stderr";
        const std::string command =
            "'" + m_tool + "' " + arguments + " >'" + out + "' 2>'" + err + "'";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(out), readFile(err)};
    }

    // Every "{name}" in the arguments becomes the quoted path of that file.
    static std::string quoted(std::string arguments, const std::string& name,
                              const std::string& file) {
        const std::string mark = "{" + name + "}";
        for (auto at = arguments.find(mark); at != std::string::npos; at = arguments.find(mark))
            arguments.replace(at, mark.size(), "'" + file + "'");
        return arguments;
    }

private:
    std::string m_tool;
    TempDir m_dir;
};

} // namespace vorn::test
