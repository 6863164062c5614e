// The languages of the menu that have a translation and help of their own.
#pragma once

namespace vak1 {

// The code of a menu language's own translation and help folder ("en", "fr", "ro", "ko");
// empty for German, the language the program is written in, and for languages without one.
inline const char* TranslationCode(int menuLanguage) {
    switch (menuLanguage) {
    case 2:
        return "en";
    case 3:
        return "fr";
    case 7:
        return "ro";
    case 8:
        return "ko";
    default:
        return "";
    }
}

} // namespace vak1
