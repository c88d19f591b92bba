#pragma once

class QCoreApplication;

namespace vorn::win {

// Every text the author reads is Portuguese, the toolkit's own included:
// its dialogs (choosing a folder, the standard buttons) and its context
// menus take Qt's Brazilian Portuguese translations, and numbers and dates
// the Brazilian forms. Without the translations installed, Qt's English
// stays; nothing else depends on them.
void speakPortuguese(QCoreApplication& app);

} // namespace vorn::win
