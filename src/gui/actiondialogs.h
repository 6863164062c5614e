// The dialogs whose buttons the core chooses: the position list, the coordinate dialog and
// the text lines. Each shows the buttons it is given in their order; any button but the two
// help buttons closes the dialog and is reported, Enter is "OK" and Escape "Abbrechen".
#pragma once
#include <QDialog>
#include <QList>
#include <array>

#include "platform/Ui.h"

class QBoxLayout;
class QLineEdit;
class QTableWidget;
class QPushButton;

namespace vak1 {

class ActionDialog : public QDialog {
  public:
    // closeAction: what closing the window through its frame means.
    ActionDialog(QWidget* parent, Ui& ui, DialogAction closeAction);
    DialogAction Action() const { return action_; }
    void Finish(DialogAction action);
    void reject() override; // Escape

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The buttons as widgets, in order, wired to Finish or to the help.
    QList<QPushButton*> MakeButtons(const std::vector<DialogButton>& buttons);

  private:
    Ui& ui_;
    DialogAction action_ = DialogAction::Cancel;
    DialogAction closeAction_;
    bool closing_ = false;
};

class ContourPreview;

// The positions as a table of number, y, z and arc angle beside a picture of the contour
// that marks the selected position. In the table Enter changes the selected position (with
// none selected it is the dialog's "OK"), Insert inserts and Delete deletes, as their
// buttons do; several rows selected are deleted together. y, z and the arc angle are edited
// in their cells (typing or F2); Ctrl+C copies the selected rows as tab-separated text,
// Ctrl+V inserts a coordinate list before the selection, Ctrl+Z and Ctrl+Shift+Z take the
// table's own changes back and forth.
class PositionListWindow : public ActionDialog {
  public:
    PositionListWindow(QWidget* parent, Ui& ui, const PositionListDialogData& data);
    int Selected() const; // 1-based, 0: none
    // The text of the selected rows: y, z and the arc angle, tab-separated, a line each.
    QString SelectedText() const;
    // A cell's text typed in place: taken, or refused with the editor open again on it.
    void CommitCell(int row, int column, const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Fill(const PositionTable& table);
    void Paste();
    void DeleteRows();
    void Walk(const std::function<bool(PositionTable&)>& step);
    QList<int> SelectedRows() const; // 0-based, in order

    PositionListDialogData hooks_; // the editing hooks of the data (lines and table unused)
    QTableWidget* table_;
    ContourPreview* preview_;
};

class CoordinateWindow : public ActionDialog {
  public:
    CoordinateWindow(QWidget* parent, Ui& ui, const CoordinateDialogData& data);
    std::array<std::string, 3> Fields() const;

  private:
    std::array<QLineEdit*, 3> edits_{};
};

class TextLinesWindow : public ActionDialog {
  public:
    TextLinesWindow(QWidget* parent, Ui& ui, const TextLinesDialogData& data);
    std::vector<std::string> Texts() const;

  private:
    QList<QLineEdit*> edits_;
};

} // namespace vak1
