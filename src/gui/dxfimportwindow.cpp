// Layout of the DXF import dialog: one row per value, the message of the drawing below.
#include "gui/dxfimportwindow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/translations.h"

namespace vak1 {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

TDxfImport::TDxfImport(QWidget* parent, DxfImportDialogData& data,
                       std::function<bool(std::string&)> chooseFile, const HelpHandler& help)
    : QDialog(parent), data_(data) {
    setObjectName("TDxfImport");
    setWindowTitle(Q(data.caption));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;

    auto* fileRow = new QHBoxLayout;
    file_ = new QLineEdit;
    file_->setObjectName("Edit_file");
    file_->setReadOnly(true);
    file_->setMinimumWidth(320);
    fileRow->addWidget(file_);
    QPushButton* browse = AddButton(*fileRow, "Button_file", "...", [this, chooseFile] {
        std::string path = data_.file;
        if (!chooseFile || !chooseFile(path)) return;
        data_.file = path;
        Survey(true);
    });
    browse->setFixedWidth(browse->fontMetrics().horizontalAdvance("....") + 24);
    form->addRow("Zeichnung:", fileRow);

    extent_ = new QLabel;
    extent_->setObjectName("Label_extent");
    form->addRow("Ausdehnung:", extent_);

    tolerance_ = new QLineEdit;
    tolerance_->setObjectName("Edit_tolerance");
    tolerance_->setMaxLength(30);
    tolerance_->setToolTip("Endpunkte, die n\u00e4her beieinander liegen, werden verbunden");
    // The layer list follows the tolerance shortly after typing stops, and when the field is
    // left.
    auto* typing = new QTimer(this);
    typing->setSingleShot(true);
    typing->setInterval(300);
    auto follow = [this] {
        if (tolerance_->text().toStdString() != surveyed_) Survey(false);
    };
    connect(typing, &QTimer::timeout, this, follow);
    connect(tolerance_, &QLineEdit::textEdited, typing, [typing] { typing->start(); });
    connect(tolerance_, &QLineEdit::editingFinished, this, follow);
    form->addRow("Toleranz [mm]:", tolerance_);

    layer_ = new QComboBox;
    layer_->setObjectName("ComboBox_layer");
    form->addRow("Layer:", layer_);
    layout->addLayout(form);

    error_ = new QLabel;
    error_->setObjectName("Label_error");
    error_->setWordWrap(true);
    error_->setStyleSheet("color: #b00000");
    layout->addWidget(error_);

    AddDialogButtons(*this, *layout, help);
    Show();
    tolerance_->setFocus();
    tolerance_->selectAll();
}

void TDxfImport::Survey(bool newFile) {
    data_.tolerance = tolerance_->text().toStdString();
    data_.layer = layer_->currentIndex() < 0 ? 0 : layer_->currentIndex();
    if (data_.survey) data_.survey(data_, newFile);
    Show();
}

void TDxfImport::Show() {
    file_->setText(Q(data_.file));
    extent_->setText(TrCore(Q(data_.extent)));
    if (tolerance_->text() != Q(data_.tolerance)) tolerance_->setText(Q(data_.tolerance));
    surveyed_ = data_.tolerance;
    layer_->clear();
    for (const std::string& name : data_.layers)
        layer_->addItem(TrCore(Q(name)));
    layer_->setCurrentIndex(data_.layer);
    // One layer of closed chains (or none) leaves nothing to choose.
    layer_->setEnabled(data_.layers.size() > 2);
    error_->setText(TrCore(Q(data_.error)));
    error_->setVisible(!data_.error.empty());
}

void TDxfImport::accept() {
    if (tolerance_->text().toStdString() != surveyed_) Survey(false);
    data_.layer = layer_->currentIndex() < 0 ? 0 : layer_->currentIndex();
    if (!data_.error.empty()) return;
    QDialog::accept();
}

} // namespace vak1
