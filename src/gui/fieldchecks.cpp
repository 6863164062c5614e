// Validators of the edit fields.
#include "gui/fieldchecks.h"

#include <QCoreApplication>
#include <QDate>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QValidator>

namespace vak1 {
namespace {

class DateValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        const QString text = input.trimmed();
        if (text.isEmpty()) return Acceptable;
        static const QRegularExpression allowed("^[0-9./-]*$");
        if (!allowed.match(text).hasMatch()) return Invalid;
        for (const char* format :
             {"d.M.yyyy", "d.M.yy", "yyyy-M-d", "M/d/yyyy", "M/d/yy", "d/M/yyyy"})
            if (QDate::fromString(text, format).isValid()) return Acceptable;
        return Intermediate;
    }
};

} // namespace

void LimitText(QLineEdit* edit, int maxLength) {
    if (maxLength <= 0) return;
    edit->setMaxLength(maxLength);
    const QString limit =
        QCoreApplication::translate("vak1::Fields", "höchstens %1 Zeichen").arg(maxLength);
    edit->setToolTip(limit);
    edit->setProperty("vak1_limit", limit);
}

void AcceptNumbers(QLineEdit* edit) {
    static const QRegularExpression number(
        R"(\s*[+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)([eE][+-]?[0-9]+)?\s*)");
    edit->setValidator(new QRegularExpressionValidator(number, edit));
}

void AcceptDates(QLineEdit* edit) {
    edit->setValidator(new DateValidator(edit));
}

QString UnitOfPrompt(const QString& prompt) {
    static const QRegularExpression unit(R"(\[([^\[\]]{1,12})\]\s*$)");
    const QRegularExpressionMatch m = unit.match(prompt);
    return m.hasMatch() ? m.captured(1) : QString();
}

} // namespace vak1
