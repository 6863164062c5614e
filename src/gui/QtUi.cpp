// The modal dialogs and boxes of the desktop program.
#include "gui/QtUi.h"
#include "gui/qtext.h"
#include "gui/transformwindow.h"
#include "gui/dxfimportwindow.h"
#include "gui/limitsdialog.h"
#include "gui/picturewindow.h"
#include "gui/plotform.h"
#include "gui/printforms.h"
#include "gui/projecttablewindow.h"
#include "gui/profilewindow.h"
#include "gui/stresswindow.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include <QApplication>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

#include "gui/MainWindow.h"
#include "gui/GraphicsWidget.h"
#include "gui/actiondialogs.h"
#include "gui/configwindow.h"
#include "gui/valuedialogs.h"
#include "gui/docuwindows.h"
#include "gui/filefilter.h"
#include "gui/tableview.h"
#include "gui/textwindows.h"

namespace vak1 {
namespace {

QStringList Lines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& l : lines)
        out << Q(l);
    return out;
}

// The file dialog of the toolkit itself, so that it looks and behaves alike everywhere.
bool RunFileDialog(QFileDialog& dialog, std::string& path) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    const QString chosen = dialog.selectedFiles().first();
    if (chosen.isEmpty()) return false;
    path = chosen.toStdString();
    return true;
}

} // namespace

namespace {

class HelpKeyFilter : public QObject {
  public:
    explicit HelpKeyFilter(Ui& ui) : ui_(ui) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
            QApplication::activeModalWidget()) {
            ui_.Help(false);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    Ui& ui_;
};

} // namespace

QtUi::QtUi() {
    if (QCoreApplication::instance()) {
        helpKey_ = std::make_unique<HelpKeyFilter>(*this);
        QCoreApplication::instance()->installEventFilter(helpKey_.get());
    }
}

QtUi::~QtUi() = default;

void QtUi::ApplyHelpTip(QWidget& dialog) const {
    if (!helpTip || helpNumber == 0) return;
    const QString tip = Q(helpTip(helpNumber));
    if (tip.isEmpty()) return;
    auto set = [&tip](QWidget* w) {
        // A field's limit stays named under the help line.
        const QString limit = w->property("vak1_limit").toString();
        if (!limit.isEmpty() && w->toolTip() == limit)
            w->setToolTip(tip + "\n" + limit);
        else if (w->toolTip().isEmpty())
            w->setToolTip(tip);
    };
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w) ||
            qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w) ||
            name == "Button_helptext" || name == "Button_helppicture")
            set(w);
    }
}

bool QtUi::InputTextDialog(const std::string& caption, const std::string& prompt,
                           std::size_t maxLength, std::string& text) {
    TextInputDialog dialog(
        parent_, Q(caption), Q(prompt), static_cast<int>(maxLength), Q(text),
        [this](bool picture) { Help(picture); }, numberInput);
    ApplyHelpTip(dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    text = dialog.Text().toStdString();
    return true;
}

bool QtUi::ChoiceDialog(const std::string& caption, const std::string& prompt,
                        const std::vector<std::string>& lines, bool asList, int& choice) {
    ChoiceInputDialog dialog(parent_, Q(caption), Q(prompt), Lines(lines), asList, choice,
                             [this](bool picture) { Help(picture); });
    ApplyHelpTip(dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    const int picked = dialog.Choice();
    if (picked < 1) return false;
    choice = picked;
    return true;
}

bool QtUi::YesNoDialog(const std::string& caption, const std::string& prompt, bool& yes) {
    YesNoInputDialog dialog(parent_, Q(caption), Q(prompt), yes,
                            [this](bool picture) { Help(picture); });
    ApplyHelpTip(dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    yes = dialog.Yes();
    return true;
}

Reply QtUi::Question(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::Question, Q(caption), Q(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText("&Ja");
    box.button(QMessageBox::No)->setText("&Nein");
    box.button(QMessageBox::Cancel)->setText("Abbrechen");
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    if (clicked == QMessageBox::Yes) return Reply::Yes;
    if (clicked == QMessageBox::No) return Reply::No;
    return Reply::Cancel;
}

void QtUi::MessageBox(MessageKind kind, const std::string& caption, const std::string& text) {
    const QMessageBox::Icon icon = kind == MessageKind::Error  ? QMessageBox::Critical
                                   : kind == MessageKind::Info ? QMessageBox::Information
                                                               : QMessageBox::NoIcon;
    QMessageBox box(icon, Q(caption), Q(text), QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

QString QtUi::StartFolder(const std::string& filter, const std::string& initialDir) const {
    const auto it = lastFolders_.find(filter);
    return it != lastFolders_.end() ? it->second : Q(initialDir);
}

bool QtUi::Remember(const std::string& filter, bool chosen, const std::string& path) {
    if (chosen) lastFolders_[filter] = QFileInfo(Q(path)).absolutePath();
    return chosen;
}

bool QtUi::OpenFileDialog(const std::string& filter, const std::string& initialDir,
                          std::string& path) {
    QFileDialog dialog(parent_, QString(), StartFolder(filter, initialDir),
                       Q(QtFileFilter(filter)));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Remember(filter, RunFileDialog(dialog, path), path);
}

bool QtUi::SaveFileDialog(const std::string& filter, const std::string& initialDir,
                          const std::string& proposedName, std::string& path) {
    QFileDialog dialog(parent_, QString(), StartFolder(filter, initialDir),
                       Q(QtFileFilter(filter)));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The program asks its own overwrite question before it writes.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!proposedName.empty()) dialog.selectFile(Q(proposedName));
    return Remember(filter, RunFileDialog(dialog, path), path);
}

bool QtUi::FolderDialog(const std::string& caption, std::string& folder) {
    QFileDialog dialog(parent_, Q(caption), Q(folder));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    return RunFileDialog(dialog, folder);
}

bool QtUi::CheckBoxDialog(const std::string& caption, const std::vector<std::string>& labels,
                          std::vector<bool>& checked) {
    checked.resize(labels.size());
    QDialog dialog(parent_);
    dialog.setWindowTitle(Q(caption));
    auto* layout = new QVBoxLayout(&dialog);
    std::vector<QCheckBox*> boxes;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        auto* box = new QCheckBox(Q(labels[i]));
        box->setObjectName(QString("CheckBox_%1").arg(i + 1));
        box->setChecked(checked[i]);
        layout->addWidget(box);
        boxes.push_back(box);
    }
    AddDialogButtons(dialog, *layout, [this](bool picture) { Help(picture); });
    ApplyHelpTip(dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        checked[i] = boxes[i]->isChecked();
    return true;
}

DialogAction QtUi::PositionListDialog(PositionListDialogData& data) {
    PositionListWindow dialog(parent_, *this, data);
    ApplyHelpTip(dialog);
    dialog.exec();
    data.selected = dialog.Selected();
    return dialog.Action();
}

DialogAction QtUi::CoordinateDialog(CoordinateDialogData& data) {
    CoordinateWindow dialog(parent_, *this, data);
    ApplyHelpTip(dialog);
    dialog.exec();
    if (dialog.Action() != DialogAction::Cancel) data.fields = dialog.Fields();
    return dialog.Action();
}

bool QtUi::TextLinesDialog(TextLinesDialogData& data) {
    TextLinesWindow dialog(parent_, *this, data);
    ApplyHelpTip(dialog);
    dialog.exec();
    if (dialog.Action() != DialogAction::Ok) return false;
    const std::vector<std::string> texts = dialog.Texts();
    for (std::size_t i = 0; i < texts.size() && i < data.fields.size(); ++i)
        data.fields[i].text = texts[i];
    return true;
}

bool QtUi::DiagramLimitsDialog(DiagramLimitsDialogData& data) {
    TEinDiagramLimits dialog(parent_, data, [this](bool picture) { Help(picture); });
    if (dialog.exec() != QDialog::Accepted) return false;
    data.fields = dialog.Fields();
    return true;
}

bool QtUi::DxfImportDialog(DxfImportDialogData& data) {
    if (!OpenFileDialog(data.filter, data.folder, data.file)) return false;
    if (data.survey) data.survey(data, true);
    TDxfImport dialog(
        parent_, data,
        [this, &data](std::string& path) { return OpenFileDialog(data.filter, data.folder, path); },
        [this](bool picture) { Help(picture); });
    ApplyHelpTip(dialog);
    return dialog.exec() == QDialog::Accepted;
}

PictureBrowserAction QtUi::PictureBrowserDialog(PictureBrowserData& data) {
    Thilfebild dialog(parent_, data, [this](bool picture) { Help(picture); });
    if (picturesAt_.x() >= 0) dialog.move(picturesAt_);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    picturesAt_ = dialog.pos();
    data.selected = dialog.Selected();
    return accepted ? dialog.Action() : PictureBrowserAction::Close;
}

bool QtUi::PlotLineForm(PlotFormData& data) {
    TForm_confkartuno dialog(parent_, data, [this](bool picture) { Help(picture); });
    if (dialog.exec() != QDialog::Accepted) return false;
    data.line = dialog.Line();
    return true;
}

bool QtUi::PrintoutDialog(PrintoutDialogData& data) {
    TForm_printconf dialog(parent_, data, [this](bool picture) { Help(picture); });
    return dialog.exec() == QDialog::Accepted;
}

void QtUi::PrinterInfoWindow(const PrinterInfoData& data) {
    TForm_printerinfo window(parent_, data);
    window.exec();
}

void QtUi::ShowTextWindow(TextWindow& window) {
    TForm_showtextfile dialog(parent_, window);
    dialog.exec();
}

void QtUi::ExplanationDialog(Explanation& window) {
    Thelperr dialog(parent_, *this, window);
    // Only OK counts: an edit left with Escape is not a change to keep.
    if (dialog.exec() == QDialog::Accepted)
        dialog.Collect(window);
    else
        window.changed = false;
}

bool QtUi::ChangeDialog(ChangeDialogData& data) {
    TForm_EinAend dialog(parent_, data, [this](bool picture) { Help(picture); });
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.Collect(data);
    return true;
}

bool QtUi::DrawingInfoDialog(DrawingInfoDialogData& data) {
    TForm_zeichInfo dialog(parent_, data, [this](bool picture) { Help(picture); });
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.Collect(data);
    return true;
}

bool QtUi::DocumentsDialog(DocumentsDialogData& data) {
    TForm_confDoku dialog(parent_, data, [this](bool picture) { Help(picture); });
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.Collect(data);
    return true;
}

bool QtUi::TableWindowDialog(TableWindowModel& table) {
    Tdbf4 window(parent_, table);
    // The boxes and dialogs of the table's commands open over the table window.
    QPointer<QWidget> before = parent_;
    parent_ = &window;
    const bool ok = window.exec() == QDialog::Accepted;
    parent_ = before;
    return ok;
}

ProjectTableAction QtUi::ProjectTableDialog(ProjectTableData& data) {
    TForm_preview window(parent_, data, [this](bool picture) { Help(picture); });
    return window.exec() == QDialog::Accepted ? window.Action() : ProjectTableAction::Close;
}

int QtUi::TransformDialog(TransformDialogData& data) {
    TransformWindow window(parent_, *this, data);
    ApplyHelpTip(window);
    if (window.exec() != QDialog::Accepted) return 0;
    window.Collect(data);
    return 1;
}

bool QtUi::ProfileDialog(ProfileDialogData& data) {
    TProfileDialog window(parent_, data);
    return window.exec() == QDialog::Accepted;
}

bool QtUi::StressDialog(StressDialogData& data) {
    TStressDialog dialog(parent_, data, [this](bool picture) { Help(picture); });
    ApplyHelpTip(dialog);
    return dialog.exec() == QDialog::Accepted;
}

void QtUi::StressPicture(StressPictureData& data) {
    TStressPicture window(parent_, data, [this](bool picture) { Help(picture); });
    window.exec();
}

void QtUi::RunWithProgress(ProgressJob& job) {
    RunWithProgressWindow(parent_, job);
}

void QtUi::Beep() {
    QApplication::beep();
}

void QtUi::StatusMessage(const std::string& text) {
    if (statusSink) statusSink(Q(text));
}

void QtUi::SetWaitCursor(bool on) {
    if (on) {
        ++waitDepth_;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (waitDepth_ > 0) {
        --waitDepth_;
        QGuiApplication::restoreOverrideCursor();
    }
}

ScreenMetrics QtUi::Screen() const {
    ScreenMetrics m;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        m.width = screen->size().width();
        m.height = screen->size().height();
        m.pixelsPerInchY = static_cast<int>(screen->logicalDotsPerInchY() + 0.5);
    }
    if (parent_) {
        m.mainWindowHeight = parent_->frameGeometry().height();
        m.mainClientHeight = parent_->height();
    }
    return m;
}

bool QtUi::ConfigDialog(ConfigDialogData& data) {
    Thh* main = dynamic_cast<Thh*>(parent_.data());
    Tconfig dialog(parent_, data, [main] {
        if (main) main->Graphics()->Refresh();
    });
    return dialog.exec() == QDialog::Accepted;
}

void QtUi::ResizeGraphicsArea(int width, int height) {
    Thh* main = dynamic_cast<Thh*>(parent_.data());
    if (!main) return;
    const QSize area = main->Graphics()->size();
    main->resize(main->size() + QSize(width, height) - area);
    main->Graphics()->Refresh();
}

} // namespace vak1
