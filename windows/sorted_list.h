#pragma once

#include <QString>

class QListWidget;

namespace vorn::win {

// Adds an entry to a list box. A sorted list places it in the order of every
// sorted list the author reads (case folded in cp1252, see lessIgnoringCase)
// and after the entries equal to it, so names that differ only in case stay
// in the order they came; a renamed entry moves to its new place the same way.
void addListItem(QListWidget* list, const QString& text);

} // namespace vorn::win
