// The generic input dialogs: one text field, a choice among lines (radio group or list) and
// the yes/no choice. Each has "OK", "Abbrechen", "&Hilfetext" and "Hilfe&bild"; Enter
// accepts, Escape cancels, the help buttons leave the dialog open.
#pragma once
#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>

class QBoxLayout;
class QButtonGroup;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vak1 {

// picture false: "&Hilfetext", true: "Hilfe&bild".
using HelpHandler = std::function<void(bool picture)>;

// A button added to row that calls onClick; it never takes Enter by itself (make "OK" the
// default where it should).
QPushButton* AddButton(QBoxLayout& row, const char* name, const QString& caption,
                       std::function<void()> onClick);

// The bottom button row shared by the generic dialogs.
void AddDialogButtons(QDialog& dialog, QBoxLayout& layout, const HelpHandler& help);

class TextInputDialog : public QDialog {
  public:
    // number: the field takes only what can be a number, with the unit the prompt ends
    // with beside it.
    TextInputDialog(QWidget* parent, const QString& caption, const QString& prompt, int maxLength,
                    const QString& text, const HelpHandler& help, bool number = false);
    QString Text() const;

  private:
    QLineEdit* edit_;
};

class ChoiceInputDialog : public QDialog {
  public:
    // asList: a list box (double click accepts), else a radio group. choice is 1-based.
    ChoiceInputDialog(QWidget* parent, const QString& caption, const QString& prompt,
                      const QStringList& lines, bool asList, int choice, const HelpHandler& help);
    int Choice() const;

  private:
    QListWidget* list_ = nullptr;
    QButtonGroup* radios_ = nullptr;
};

class YesNoInputDialog : public QDialog {
  public:
    YesNoInputDialog(QWidget* parent, const QString& caption, const QString& prompt, bool yes,
                     const HelpHandler& help);
    bool Yes() const;

  private:
    QRadioButton* no_;
};

} // namespace vak1
