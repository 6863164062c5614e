// Tconfig, the settings dialog with its tab pages, and the two small choices it opens: the
// folder choice TForm_selectDir and the colour choice TForm_selectcolor.
#pragma once
#include <QDialog>
#include <array>
#include <functional>
#include <vector>

#include "platform/Ui.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace vak1 {

// The colour choice: the 16 colour names; the colour number is the row + 1.
class TForm_selectcolor : public QDialog {
  public:
    TForm_selectcolor(QWidget* parent, int color);
    int Color() const; // 1..16
  private:
    QListWidget* list_;
};

// The folder choice: opens at folder when it exists, else at the current folder. True and
// the folder chosen for "OK"; "Abbrechen" leaves folder unchanged.
bool TForm_selectDir(QWidget* parent, std::string& folder);

class Tconfig : public QDialog {
  public:
    // onBackground runs when a background colour was chosen, after the core took it.
    Tconfig(QWidget* parent, ConfigDialogData& data, std::function<void()> onBackground = {});
    // Controls -> data, data -> controls.
    void Collect();
    void Show();

  private:
    QWidget* DirectoriesPage();
    QWidget* GraphicsPage();
    QWidget* CadPage();
    QWidget* ColorPage();
    QWidget* PrinterPage();
    QWidget* TextPage();
    QWidget* OptionsPage();
    QWidget* ExternPage();
    QWidget* DrawingPage();

    QLineEdit* Edit(std::string ConfigDialogData::*field, const char* name);
    QComboBox* Combo(int ConfigDialogData::*field, const char* name, const QStringList& items);
    QCheckBox* Check(bool ConfigDialogData::*field, const char* name, const QString& text);
    QSpinBox* Spin(int ConfigDialogData::*field, const char* name);
    QPushButton* Button(QHBoxLayout* row, const QString& text, const char* name,
                        std::function<void()> action);
    void Default(QHBoxLayout* row, ConfigButton button, const char* name);
    QHBoxLayout* Row(QFormLayout* form, const QString& label, QWidget* field,
                     const std::string& hint = {});
    QHBoxLayout* FolderRow(QFormLayout* form, const QString& label,
                           std::string ConfigDialogData::*field, const char* name,
                           const std::string& hint);
    void HelpButton(QHBoxLayout* row, uint16_t number, const char* caption = "&Hilfe");
    void Press(ConfigButton button);
    void ShowBackground();
    void ChooseLayerColor(QTableWidget* grid, int row, int column);
    void ChooseFont(bool print);

    ConfigDialogData& data_;
    std::function<void()> onBackground_;
    std::vector<std::pair<QLineEdit*, std::string ConfigDialogData::*>> edits_;
    std::vector<std::pair<QComboBox*, int ConfigDialogData::*>> combos_;
    std::vector<std::pair<QCheckBox*, bool ConfigDialogData::*>> checks_;
    std::vector<std::pair<QSpinBox*, int ConfigDialogData::*>> spins_;
    std::array<QLineEdit*, 3> angles_{};
    std::array<QLineEdit*, 4> textWindow_{};
    QLabel* backgroundPanel_ = nullptr;
    QLabel* graphFontStyle_ = nullptr;
    QLabel* printFontSize_ = nullptr;
    QLabel* printFontStyle_ = nullptr;
    QTableWidget* layers_ = nullptr;
    QTableWidget* colorLayers_ = nullptr;
    QListWidget* textDevices_ = nullptr;
    QListWidget* plotLines_ = nullptr;
};

} // namespace vak1
