#include "plain_lines.h"

#include "qt_text.h"
#include "text.h"

#include <QPlainTextEdit>
#include <QStringList>

namespace vorn::win::form4 {

std::vector<std::string> plainLines(const QPlainTextEdit* memo) {
    return splitLines(bytes(memo->toPlainText()));
}

void setPlainLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
    QStringList shown;
    for (const std::string& line : lines)
        shown << ui(line);
    memo->setPlainText(shown.join(QLatin1Char('\n')));
}

} // namespace vorn::win::form4
