// The output window that shows a finished text document, and the explanation window of a
// calculation message with its editable cause and remedy.
#pragma once
#include <QDialog>

#include "platform/Ui.h"

class QLineEdit;
class QPlainTextEdit;

namespace vak1 {

class TForm_showtextfile : public QDialog {
  public:
    TForm_showtextfile(QWidget* parent, TextWindow& window);

  protected:
    void done(int result) override; // the place and size go back to the caller

  private:
    TextWindow& window_;
    QPlainTextEdit* memo_;
};

class Thelperr : public QDialog {
  public:
    Thelperr(QWidget* parent, Ui& ui, const Explanation& explanation);
    // The texts as they stand and whether a memo was edited.
    void Collect(Explanation& explanation) const;

  private:
    QLineEdit* message_;
    QPlainTextEdit* cause_;
    QPlainTextEdit* remedy_;
    bool changed_ = false;
};

} // namespace vak1
