#include "gui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

namespace vak1 {
namespace {

// Menu language number -> the code of Qt's translation files (0: the program's German).
QString LanguageCode(int menuLanguage) {
    switch (menuLanguage) {
    case 0:
    case 1:
        return "de";
    case 3:
        return "fr";
    case 7:
        return "ro";
    case 8:
        return "ko";
    default:
        return {};
    }
}

} // namespace

bool LoadQtTranslations(int menuLanguage) {
    static QTranslator* installed = nullptr;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    const QString code = LanguageCode(menuLanguage);
    if (code.isEmpty() || !QCoreApplication::instance()) return false;
    auto* translator = new QTranslator;
    if (!translator->load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

} // namespace vak1
