#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::cli {

// The command line of a tool: options spelled "--name value" or
// "--name=value" (a switch takes no value), at most one operand ("-" among
// them, for standard input), and "--" before an operand that starts with
// "-". Every fault throws UsageError.
//
//     OptionReader reader(args, "uma pasta");
//     while (reader.next()) {
//         if (reader.flag("--help")) ...
//         else if (auto v = reader.number("--width", 1, 4000)) ...
//         else reader.unknown();
//     }
class OptionReader {
public:
    // operand: what the operand is, with its article, for the message when
    // more than one is given ("um arquivo de script").
    OptionReader(const std::vector<std::string>& args, std::string_view operand);
    // For a tool that takes up to most operands (a command and what it works
    // on); one more is a usage fault like the second of the one above.
    OptionReader(const std::vector<std::string>& args, std::string_view operand, std::size_t most);

    // Moves to the next option, taking the operand on the way; false after
    // the last argument.
    bool next();

    // True when the current option is the switch name.
    bool flag(std::string_view name);
    // The value when the current option is name.
    std::optional<std::string> text(std::string_view name);
    // The value, a whole number from min to max in decimal digits, when the
    // current option is name.
    std::optional<std::string> number(std::string_view name, std::int64_t min, std::int64_t max);
    // The current option is none the tool knows.
    [[noreturn]] void unknown() const;

    const std::optional<std::string>& operand() const { return m_operand; }
    const std::vector<std::string>& operands() const { return m_operands; }

private:
    // A copy: a reader given a temporary must not read it after it is gone.
    const std::vector<std::string> m_args;
    std::string m_operandName;
    std::size_t m_next = 0;
    bool m_optionsEnded = false;
    std::string_view m_name;                  // the current option's name
    std::optional<std::string_view> m_inline; // its value after "="
    std::optional<std::string> m_operand;
    std::vector<std::string> m_operands;
    std::size_t m_most = 1;
};

} // namespace vorn::cli
