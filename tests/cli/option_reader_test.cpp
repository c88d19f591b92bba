// The command line every tool reads: what is taken, and every usage fault.
#include "option_reader.h"
#include "tool_main.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What a tool with a switch, a text and two numbers makes of args, or
// "usage: MESSAGE".
std::string read(const std::vector<std::string>& args) {
    try {
        vorn::cli::OptionReader reader(args, "um arquivo");
        std::string taken;
        while (reader.next()) {
            if (reader.flag("--help"))
                taken += "help ";
            else if (auto n = reader.number("--n", 0, 10))
                taken += "n=" + *n + " ";
            else if (auto w = reader.number("--w", 1, 4000))
                taken += "w=" + *w + " ";
            else if (auto t = reader.text("--t"))
                taken += "t=" + *t + " ";
            else
                reader.unknown();
        }
        return taken + "operand=" + reader.operand().value_or("none");
    } catch (const vorn::cli::UsageError& error) {
        return std::string("usage: ") + error.what();
    }
}

TEST(OptionReader, ValuesAcceptedOrUsageFaults) {
    const std::string outOfN = "usage: a opção --n espera um número inteiro de 0 a 10, não ";
    const std::string outOfW = "usage: a opção --w espera um número inteiro de 1 a 4000, não ";
    const struct {
        std::vector<std::string> args;
        std::string read;
    } cases[] = {
        // Accepted
        {{}, "operand=none"},
        {{"--help", "f.txt"}, "help operand=f.txt"},
        {{"--n", "0", "--n=10", "--w", "4000", "--w=1"}, "n=0 n=10 w=4000 w=1 operand=none"},
        {{"--n=007"}, "n=7 operand=none"},
        {{"--t", "--n", "--t="}, "t=--n t= operand=none"},
        {{"--t", "a=b"}, "t=a=b operand=none"},
        {{"-"}, "operand=-"},
        {{"--", "-x"}, "operand=-x"},
        {{"f.txt", "--help"}, "help operand=f.txt"},
        // Numbers: digits only, within the range
        {{"--n", "11"}, outOfN + "\"11\""},
        {{"--n=-1"}, outOfN + "\"-1\""},
        {{"--w", "-5"}, outOfW + "\"-5\""},
        // The form of the command line
        {{"--w"}, "usage: a opção --w precisa de um valor"},
        {{"--t"}, "usage: a opção --t precisa de um valor"},
        {{"--help=sim"}, "usage: a opção --help não leva valor"},
        {{"--bogus"}, "usage: opção desconhecida: --bogus"},
        {{"--bogus=1"}, "usage: opção desconhecida: --bogus"},
        {{"-x"}, "usage: opção desconhecida: -x"},
        {{"a", "b"}, "usage: mais de um arquivo: \"a\" e \"b\""},
        {{"-", "--", "-"}, "usage: mais de um arquivo: \"-\" e \"-\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(read(c.args), c.read) << testing::PrintToString(c.args);
    for (const std::string bad :
         {"0", "4001", "abc", "5abc", "+5", " 5", "0x10", "", "99999999999999999999"})
        EXPECT_EQ(read({"--w=" + bad}), outOfW + "\"" + bad + "\"");
}

} // namespace
