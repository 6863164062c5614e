// The desktop program in the language of the menu. German is the source language of every
// text: the Qt code's own texts and those the core hands over through the Ui alike are looked
// up, as they stand, in the program's translation of the chosen language (context "core"),
// and Qt's own texts (standard buttons, file, print, colour and font dialogs, key names) come
// from the translations the distribution installs with Qt.
#pragma once
#include <QString>

class QWidget;

namespace vak1 {

// Installs the translations of a menu language (1 German, 2 English, 3 French, 7 Romanian,
// 8 Korean; -1 none), replacing those installed before, and retranslates the windows open. True
// when Qt's own translation was installed (English and languages Qt has no texts for leave Qt's
// English).
bool LoadQtTranslations(int menuLanguage);

// LoadQtTranslations when the menu language is another than the one installed last.
void FollowMenuLanguage(int menuLanguage);

// The program's texts of the language installed: the whole text, else line by line, else by
// the patterns of texts with a name or number in them; a text without a translation stays.
QString TrCore(const QString& german);
QString TrCore(const char* germanUtf8);

// Puts a window's captions, labels, buttons, tabs, list lines, headers and tooltips into the
// language installed. The German text each one was given is kept, so a later switch of the
// language (German included) starts from it; a text the program set anew is taken as given.
void TranslateWindow(QWidget& window);

// From now on every window is translated when it is shown.
void TranslateWindowsWhenShown();

// Where the texts without a translation go while the variable VAK1_UNTRANSLATED names a file:
// one per line, for the upkeep of the translation files.
void NoteUntranslated(const QString& german);

} // namespace vak1
