#pragma once

#include <QString>

#include <string>
#include <string_view>

// The one bridge between the logic's cp1252 byte strings and Qt's texts.
// Literal texts of the windows are written as QStringLiteral (the sources
// are UTF-8); everything that comes from the logic, a file or the server
// passes through ui(), and everything the logic reads back through bytes().
namespace vorn::win {

QString ui(std::string_view cp1252);
std::string bytes(const QString& text);

// Exception messages are built from UTF-8 literals and system texts, but may
// quote a cp1252 name or a piece of a cp1252 file: each whole UTF-8
// character is read as UTF-8 and every other byte as cp1252, so a report
// never shows broken characters, even where the two meet in one message.
QString uiMessage(std::string_view message);

} // namespace vorn::win
