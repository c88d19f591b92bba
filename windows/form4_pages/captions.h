#pragma once

#include <QLabel>
#include <QString>

namespace vorn::win::form4 {

// The editor's captions: bold Arial 12 px, named so tests and tools find
// them; placed by the caller.
QLabel* boldCaption(const QString& text, QWidget* parent, const char* name);

} // namespace vorn::win::form4
