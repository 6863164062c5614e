#include "gui/fontmap.h"

#include <QFont>
#include <QStringList>

namespace vak1 {

void InstallFontSubstitutions() {
    static bool done = false;
    if (done) return;
    done = true;
    const struct {
        const char* substitute;
        QStringList names;
    } table[] = {
        {"Liberation Sans", {"Arial", "Helvetica", "MS Sans Serif", "Tahoma", "Verdana"}},
        {"Liberation Serif", {"Times New Roman", "Times", "MS Serif"}},
        {"Liberation Mono", {"Courier New", "Courier", "Lucida Console", "Fixedsys"}},
        {"NanumGothic", {"Gulim", "Batang", "Malgun Gothic"}},
    };
    for (const auto& row : table)
        for (const QString& name : row.names)
            QFont::insertSubstitutions(name, {row.substitute, "Sans Serif"});
}

} // namespace vak1
