#pragma once

#include "error.h"

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::cli {

// A fault in the command line rather than in the input: its message points
// the author to --help.
class UsageError : public Error {
public:
    using Error::Error;
};

// Standard output as the tools write it. A write the system refuses is a
// failure of the run, never a success with less output.
class Output {
public:
    explicit Output(std::FILE* stream)
        : m_stream(stream) {}
    void write(std::string_view bytes);
    // What stdio still holds goes out; throws when it cannot.
    void finish();

private:
    std::FILE* m_stream;
};

// A tool's work: the arguments after the program's name in, its exit status
// out. It throws for whatever ends the run early.
using ToolBody = std::function<int(const std::vector<std::string>& args, Output& out)>;

// Runs body and answers the process's exit status: the body's own, or 2 with
// one line "NAME: MESSAGE" on err for a usage fault, an input fault, a lack
// of memory, a file system error or an output that could not be written.
int runTool(std::string_view name, const std::vector<std::string>& args, const ToolBody& body,
            std::FILE* out, std::FILE* err);

// runTool on the process's arguments, standard output and standard error.
int toolMain(std::string_view name, int argc, char** argv, const ToolBody& body);

} // namespace vorn::cli
