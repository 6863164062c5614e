// Tdbf4: the table window. A grid over the table, the record navigator, the menus and the
// buttons; every command goes to the core's model of the table.
#pragma once
#include <QAbstractTableModel>
#include <QDialog>

#include "platform/tabledialogs.h"

class QLabel;
class QTableView;
class QToolButton;

namespace vak1 {

// The table's records as rows, its fields as columns; logical fields as check boxes, the
// deleted mark in the row title.
class TableGridModel : public QAbstractTableModel {
  public:
    explicit TableGridModel(TableWindowModel& table) : table_(table) {}
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void Reload() {
        beginResetModel();
        endResetModel();
    }

  private:
    TableWindowModel& table_;
};

class Tdbf4 : public QDialog {
  public:
    Tdbf4(QWidget* parent, TableWindowModel& table);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override; // the grid position goes back to the table

  private:
    void Run(TableCommand command);
    void Refresh(); // grid, current row, record label and caption after a change
    void RowChosen(int row);
    void EndEdit();

    TableWindowModel& table_;
    TableGridModel model_;
    QTableView* grid_;
    QLabel* record_;
    bool refreshing_ = false;
};

} // namespace vak1
