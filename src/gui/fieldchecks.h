// What an edit field accepts while it is typed into: texts up to their limit (named in the
// tooltip), numbers, dates.
#pragma once
#include <QString>

class QLineEdit;

namespace vak1 {

// At most maxLength characters (0: any), the limit in the field's tooltip (and in its
// property "vak1_limit", for a tooltip that comes later).
void LimitText(QLineEdit* edit, int maxLength);
// Only what can grow into a number: sign, digits, a decimal point or comma, an exponent;
// empty stays allowed.
void AcceptNumbers(QLineEdit* edit);
// Only digits and the separators of a date; acceptable when empty or a date of the calendar
// (day.month.year, year-month-day or month/day/year). "32.13.2026" is not.
void AcceptDates(QLineEdit* edit);
// The unit a prompt ends with, as in "Länge des Körpers [mm]": "mm"; empty when none.
QString UnitOfPrompt(const QString& prompt);

} // namespace vak1
