#include "messages.h"

#include <algorithm>

namespace vorn {

namespace message {

std::string labelSyntax(std::string_view name) {
    std::string text = "//!- label com sintaxe incorreta (:";
    text += name;
    text += ')';
    return text;
}

std::string registerOutOfRange(std::string_view total) {
    std::string text = "//!- refer\xeancia ao registrador fora da faixa (max: ";
    text += total;
    text += ')';
    return text;
}

} // namespace message

std::string annotationLine(std::string_view message) {
    std::string line(message);
    line += ' ';
    line.append(56, '<');
    line.resize(std::min<std::size_t>(line.size(), 72));
    line += " erro <<<";
    return line;
}

std::string_view messageBody(std::string_view message) {
    constexpr std::string_view kPrefix = "//!- ";
    if (message.starts_with(kPrefix)) message.remove_prefix(kPrefix.size());
    return message;
}

} // namespace vorn
