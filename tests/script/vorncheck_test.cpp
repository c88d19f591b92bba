// The built vorncheck on files and standard input: its options, its reading,
// its output formats and its exit status. What the checker finds is the
// checker's own tests' business; the texts here come from it.
#include "cp1252.h"
#include "messages.h"
#include "tool_run.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace vorn {
namespace {

// The annotated form of a message, and its fault line, in UTF-8.
std::string note(std::string_view message) {
    return annotationLine(message) + "\n";
}
std::string gcc(const std::string& where, int line, std::string_view message) {
    return where + ":" + std::to_string(line) + ": error: " + cp1252ToUtf8(messageBody(message)) +
           "\n";
}

TEST(Vorncheck, OptionsInputAndOutput) {
    const test::ToolFolder dir(VORNCHECK_PATH);
    const std::string scripts = dir.write("scripts.txt", "casa\r\n\r\nSala Azul\r\n\r\n");
    const std::string file = dir.path() + "in.vsc";
    const std::string noLabel = note(message::kNoTargetLabel);
    const std::string noScript = note(message::kNoTargetScript);
    const std::string accented = "// a\xe7\xe3o \xe9 \x80\r\n  goto nada\r\n";
    const std::string accentedOut = "// a\xe7\xe3o \xe9 \x80\n" + noLabel + "  goto nada\n";
    const std::string annotated = "// op\xe7\xe3o\n:inicio\n" + noLabel + "  goto nada\nfim\n";
    const std::string targets = "cmd= map,0,0,1,1,$Sala Azul\ncmd= fig,0,0,1,1,a,$\n"
                                "tela= #9,0,0,0\n";
    // The input is read whole, from a file of known size or from a pipe that
    // grows its buffer, and converted piece by piece as it streams out: no
    // character split or lost.
    std::string longInput, longOutput;
    for (int i = 0; longInput.size() < 300000; ++i) {
        const std::string label = ":lugar" + std::to_string(i);
        const std::string jump = "  goto lugar" + std::to_string(i);
        longInput += label + "\r\n" + jump + "\r\n  goto longe\r\n";
        longOutput += label + "\n" + jump + "\n" + noLabel + "  goto longe\n";
    }
    // The arguments ({f}: the input file, {s}: the script list, {d}: the
    // folder), the input, the status, what the standard error holds and the
    // output (none: not compared).
    using Case = std::tuple<std::string, std::string, int, std::string, std::optional<std::string>>;
    const Case cases[] = {
        // The annotated text: cp1252 as read, LF line ends, and again the same.
        {"{f}", "// op\xe7\xe3o\r\n:inicio\r\n  goto nada\r\nfim\r\n", 1, "", annotated},
        {"--format annotated {f}", ":a\rgoto a\rboxon\rgoto nada\rboxoff\rfim", 0, "",
         ":a\ngoto a\nboxon\ngoto nada\nboxoff\nfim\n"},
        {"{f}", "", 0, "", ""},
        {"- <{f}", "", 0, "", ""},
        // The encoding is the annotated text's; fault lines are UTF-8.
        {"--encoding cp1252 {f}", accented, 1, "", accentedOut},
        {"--encoding utf-8 {f}", accented, 1, "", cp1252ToUtf8(accentedOut)},
        {"--encoding utf-8 --format gcc {f}", accented, 1, "",
         gcc(file, 2, message::kNoTargetLabel)},
        {"--format gcc --encoding=cp1252 {f}", accented, 1, "",
         gcc(file, 2, message::kNoTargetLabel)},
        // Fault lines count the input's lines, old annotations included.
        {"--format gcc --width 100 {f}", "//!- old <<< erro <<<\nicones\n\ncmd= img,0,0,101,1,x\n",
         1, "", gcc(file, 2, message::kUnknownInstruction) + gcc(file, 4, message::kWidthTooLarge)},
        // The script list and the limits reach the checker.
        {"--scripts {s} --registers=8 --format=gcc - <{f}", targets, 1, "",
         gcc("<stdin>", 2, message::kNoTargetScript) +
             gcc("<stdin>", 3, message::registerOutOfRange("8"))},
        {"--registers 9 <{f}", targets, 1, "",
         noScript + "cmd= map,0,0,1,1,$Sala Azul\n" + noScript +
             "cmd= fig,0,0,1,1,a,$\ntela= #9,0,0,0\n"},
        {"--width 4000 --height 1 --registers 0 {f}", "fim\n", 0, "", "fim\n"},
        {"--width=1 --height=4000 --registers=1000 {f}", "fim\n", 0, "", "fim\n"},
        // Limits outside what an adventure can hold.
        {"--width 0 {f}", "fim\n", 2, "--width", ""},
        {"--width=4001 {f}", "fim\n", 2, "--width", ""},
        {"--height 0 {f}", "fim\n", 2, "--height", ""},
        {"--height=4001 {f}", "fim\n", 2, "--height", ""},
        {"--registers -1 {f}", "fim\n", 2, "--registers", ""},
        {"--registers=1001 {f}", "fim\n", 2, "--registers", ""},
        // Usage and input faults.
        {"--format xml {f}", "", 2, "vorncheck: ", ""},
        {"--encoding latin1 {f}", "", 2, "vorncheck: ", ""},
        {"{d}missing.vsc", "", 2, "vorncheck: ", ""},
        {"{d}", "", 2, "vorncheck: ", ""},
        {"--scripts {d}none.txt {f}", "", 2, "vorncheck: ", ""},
        {"--help", "", 0, "", std::nullopt},
        // The long input, by file and by pipe.
        {"{f}", longInput, 1, "", longOutput},
        {"- <{f}", longInput, 1, "", longOutput},
        {"--encoding utf-8 - <{f}", longInput, 1, "", cp1252ToUtf8(longOutput)},
    };
    for (const auto& [arguments, input, status, err, out] : cases) {
        dir.write("in.vsc", input);
        std::string quoted = test::ToolFolder::quoted(arguments, "f", file);
        quoted = test::ToolFolder::quoted(quoted, "s", scripts);
        const test::ToolRun r = dir.run(test::ToolFolder::quoted(quoted, "d", dir.path()));
        EXPECT_EQ(r.status, status) << arguments << ": " << r.err;
        if (out) {
            EXPECT_EQ(r.out, *out) << arguments;
        }
        EXPECT_NE(r.err.find(err), std::string::npos) << arguments << ": " << r.err;
    }
    for (const char* word : {"--width", "--registers", "--scripts", "--format", "--encoding"})
        EXPECT_NE(dir.run("--help").out.find(word), std::string::npos) << word;
}

} // namespace
} // namespace vorn
