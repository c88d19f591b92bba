#include "option_reader.h"

#include "tool_main.h"

#include <charconv>

namespace vorn::cli {

OptionReader::OptionReader(const std::vector<std::string>& args, std::string_view operand)
    : m_args(args)
    , m_operandName(operand) {}

OptionReader::OptionReader(const std::vector<std::string>& args, std::string_view operand,
                           std::size_t most)
    : m_args(args)
    , m_operandName(operand)
    , m_most(most) {}

bool OptionReader::next() {
    while (m_next < m_args.size()) {
        const std::string_view arg = m_args[m_next++];
        if (!m_optionsEnded && arg == "--") {
            m_optionsEnded = true;
        } else if (!m_optionsEnded && arg.size() > 1 && arg.starts_with('-')) {
            const auto equals = arg.find('=');
            m_name = arg.substr(0, equals);
            m_inline.reset();
            if (equals != std::string_view::npos) m_inline = arg.substr(equals + 1);
            return true;
        } else if (m_operands.size() >= m_most) {
            throw UsageError("mais de " + m_operandName + ": \"" + m_operands.back() + "\" e \"" +
                             std::string(arg) + "\"");
        } else {
            m_operands.emplace_back(arg);
            if (!m_operand) m_operand = std::string(arg);
        }
    }
    return false;
}

bool OptionReader::flag(std::string_view name) {
    if (m_name != name) return false;
    if (m_inline) throw UsageError("a opção " + std::string(name) + " não leva valor");
    return true;
}

std::optional<std::string> OptionReader::text(std::string_view name) {
    if (m_name != name) return std::nullopt;
    if (m_inline) return std::string(*m_inline);
    if (m_next >= m_args.size())
        throw UsageError("a opção " + std::string(name) + " precisa de um valor");
    return m_args[m_next++];
}

std::optional<std::string> OptionReader::number(std::string_view name, std::int64_t min,
                                                std::int64_t max) {
    auto value = text(name);
    if (!value) return value;
    // Decimal digits and nothing after them: from_chars alone would read
    // "5abc" as 5.
    std::int64_t number = 0;
    const char* end = value->data() + value->size();
    const auto [stop, fault] = std::from_chars(value->data(), end, number);
    if (fault != std::errc() || stop != end || number < min || number > max)
        throw UsageError("a opção " + std::string(name) + " espera um número inteiro de " +
                         std::to_string(min) + " a " + std::to_string(max) + ", não \"" + *value +
                         "\"");
    return std::to_string(number);
}

void OptionReader::unknown() const {
    throw UsageError("opção desconhecida: " + std::string(m_name));
}

} // namespace vorn::cli
