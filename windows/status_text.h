#pragma once

#include <QLabel>

namespace vorn::win {

// A status label that loses no message: its text wraps at blanks or, in a
// long name or path, anywhere; when it still does not fit the label's box,
// the last line that fits ends in "…" and the whole text is the label's
// tooltip. The label keeps its own font, colour and clicks.
void keepWholeText(QLabel* label);

// Whether the whole text fits the box, as keepWholeText lays it out.
bool wholeTextFits(const QLabel* label);

} // namespace vorn::win
