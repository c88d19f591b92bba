#pragma once

#include <string>
#include <vector>

class QPlainTextEdit;

// The plain text areas of the workshop pages as cp1252 lines, the form in
// which the service sends and takes them.
namespace vorn::win::form4 {

std::vector<std::string> plainLines(const QPlainTextEdit* memo);
void setPlainLines(QPlainTextEdit* memo, const std::vector<std::string>& lines);

} // namespace vorn::win::form4
