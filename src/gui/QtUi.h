// The Ui of the desktop program: every dialog and box the core asks for, as modal Qt dialogs.
#pragma once
#include <map>
#include <memory>

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "platform/Ui.h"

namespace vak1 {

class QtUi : public Ui {
  public:
    // F1 in a modal dialog shows that dialog's help text, as its "&Hilfe" button does.
    QtUi();
    ~QtUi() override;
    QtUi(const QtUi&) = delete;
    QtUi& operator=(const QtUi&) = delete;

    // Dialogs open over the given window (the main window once it exists).
    void SetParent(QWidget* parent) { parent_ = parent; }
    QWidget* Parent() const { return parent_; }
    // Where status texts go (the main window's status bar).
    std::function<void(const QString&)> statusSink;
    // The first line of a help entry (UTF-8, empty when there is none): the tooltip of the
    // controls of the dialog that has that help number.
    std::function<std::string(uint16_t number)> helpTip;

    bool InputTextDialog(const std::string& caption, const std::string& prompt,
                         std::size_t maxLength, std::string& text) override;
    bool ChoiceDialog(const std::string& caption, const std::string& prompt,
                      const std::vector<std::string>& lines, bool asList, int& choice) override;
    bool YesNoDialog(const std::string& caption, const std::string& prompt, bool& yes) override;
    Reply Question(const std::string& caption, const std::string& text) override;
    void MessageBox(MessageKind kind, const std::string& caption, const std::string& text) override;
    bool OpenFileDialog(const std::string& filter, const std::string& initialDir,
                        std::string& path) override;
    bool SaveFileDialog(const std::string& filter, const std::string& initialDir,
                        const std::string& proposedName, std::string& path) override;
    bool FolderDialog(const std::string& caption, std::string& folder) override;
    bool CheckBoxDialog(const std::string& caption, const std::vector<std::string>& labels,
                        std::vector<bool>& checked) override;
    DialogAction PositionListDialog(PositionListDialogData& data) override;
    DialogAction CoordinateDialog(CoordinateDialogData& data) override;
    bool TextLinesDialog(TextLinesDialogData& data) override;
    int TransformDialog(TransformDialogData& data) override;
    bool DiagramLimitsDialog(DiagramLimitsDialogData& data) override;
    // The file dialog, then the import dialog on the chosen drawing.
    bool DxfImportDialog(DxfImportDialogData& data) override;
    bool PlotLineForm(PlotFormData& data) override;
    bool PrintoutDialog(PrintoutDialogData& data) override;
    void PrinterInfoWindow(const PrinterInfoData& data) override;
    void Beep() override;
    ScreenMetrics Screen() const override;
    void StatusMessage(const std::string& text) override;
    void SetWaitCursor(bool on) override;
    void ShowTextWindow(TextWindow& window) override;
    void ExplanationDialog(Explanation& window) override;
    bool ChangeDialog(ChangeDialogData& data) override;
    bool DrawingInfoDialog(DrawingInfoDialogData& data) override;
    bool DocumentsDialog(DocumentsDialogData& data) override;
    PictureBrowserAction PictureBrowserDialog(PictureBrowserData& data) override;
    bool ConfigDialog(ConfigDialogData& data) override;
    // Resizes the main window so that its drawing area gets the size.
    void ResizeGraphicsArea(int width, int height) override;
    bool TableWindowDialog(TableWindowModel& table) override;
    ProjectTableAction ProjectTableDialog(ProjectTableData& data) override;
    bool ProfileDialog(ProfileDialogData& data) override;
    bool StressDialog(StressDialogData& data) override;
    void StressPicture(StressPictureData& data) override;
    void RunWithProgress(ProgressJob& job) override;

  private:
    // The dialog's input controls and help buttons that have no tooltip of their own get the
    // first line of the dialog's help entry.
    void ApplyHelpTip(QWidget& dialog) const;
    // File dialogs open in the folder last used for their kind of file (their filter) while
    // the program runs; the first time in the folder the command gives.
    QString StartFolder(const std::string& filter, const std::string& initialDir) const;
    bool Remember(const std::string& filter, bool chosen, const std::string& path);
    std::map<std::string, QString> lastFolders_;
    std::unique_ptr<QObject> helpKey_; // the application's event filter for F1
    QPointer<QWidget> parent_;
    int waitDepth_ = 0;
    QPoint picturesAt_{-1, -1}; // where the help-picture browser was last closed
};

} // namespace vak1
