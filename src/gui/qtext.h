// Texts between the core and the widgets: every text crossing the Ui is UTF-8.
#pragma once
#include <QString>
#include <string>

namespace vak1 {

inline QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

inline std::string S(const QString& text) {
    return text.toStdString();
}

} // namespace vak1
