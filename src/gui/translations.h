// Qt's own texts (standard buttons, file, print, colour and font dialogs) in the menu
// language, from the translations the distribution installs with Qt.
#pragma once

namespace vak1 {

// Replaces the translation installed before; English (2) and languages Qt has no texts for
// leave Qt's English. True when a translation was installed.
bool LoadQtTranslations(int menuLanguage);

} // namespace vak1
