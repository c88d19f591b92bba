#include "captions.h"

namespace vorn::win::form4 {

QLabel* boldCaption(const QString& text, QWidget* parent, const char* name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(true);
    label->setFont(font);
    label->adjustSize();
    return label;
}

} // namespace vorn::win::form4
