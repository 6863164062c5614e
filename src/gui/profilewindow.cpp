// Layout and behaviour of the section window; every change redraws the preview.
#include "gui/profilewindow.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/contourpreview.h"
#include "gui/qtext.h"
#include "gui/translations.h"

namespace vak1 {

TProfileDialog::TProfileDialog(QWidget* parent, ProfileDialogData& data)
    : QDialog(parent), data_(data) {
    setObjectName("TProfileDialog");
    setWindowTitle(Q(data.caption));
    auto* layout = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    layout->addLayout(body);

    families_ = new QListWidget;
    families_->setObjectName("List_families");
    for (const ProfileFamilyView& f : data.families)
        families_->addItem(Q(f.name));
    families_->setMaximumWidth(150);
    body->addWidget(families_);

    pages_ = new QStackedWidget;
    sizes_ = new QTableWidget;
    sizes_->setObjectName("Grid_sizes");
    sizes_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sizes_->setSelectionMode(QAbstractItemView::SingleSelection);
    sizes_->setSelectionBehavior(QAbstractItemView::SelectRows);
    sizes_->verticalHeader()->setVisible(false);
    sizes_->horizontalHeader()->setStretchLastSection(true);
    sizes_->setMinimumWidth(380);
    pages_->addWidget(sizes_);
    auto* values = new QWidget;
    auto* form = new QFormLayout(values);
    for (int k = 0; k < 5; ++k) {
        labels_[k] = new QLabel;
        labels_[k]->setObjectName(QString("Label_%1").arg(k + 1));
        edits_[k] = new QLineEdit;
        edits_[k]->setObjectName(QString("Edit_%1").arg(k + 1));
        edits_[k]->setMaxLength(20);
        form->addRow(labels_[k], edits_[k]);
        connect(edits_[k], &QLineEdit::textEdited, this, [this] {
            TakeValues();
            UpdatePreview();
        });
    }
    pages_->addWidget(values);

    auto* right = new QVBoxLayout;
    right->addWidget(pages_, 1);
    auto* corners = new QGroupBox("Ecken der Rechteckrohre");
    corners->setObjectName("Group_corners");
    auto* cornerRow = new QHBoxLayout(corners);
    hot_ = new QRadioButton("warmgefertigt");
    hot_->setObjectName("Radio_hot");
    cold_ = new QRadioButton("kaltgefertigt");
    cold_->setObjectName("Radio_cold");
    (data.coldFormed ? cold_ : hot_)->setChecked(true);
    cornerRow->addWidget(hot_);
    cornerRow->addWidget(cold_);
    connect(cold_, &QRadioButton::toggled, this, [this](bool on) {
        data_.coldFormed = on;
        UpdatePreview();
    });
    right->addWidget(corners);
    body->addLayout(right, 1);

    auto* previewColumn = new QVBoxLayout;
    previewBox_ = new QVBoxLayout;
    previewColumn->addLayout(previewBox_, 1);
    error_ = new QLabel;
    error_->setObjectName("Label_error");
    error_->setWordWrap(true);
    error_->setStyleSheet("color: #c00000");
    error_->setMaximumWidth(280);
    previewColumn->addWidget(error_);
    body->addLayout(previewColumn);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton("OK");
    ok->setObjectName("Button_ok");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Abbrechen");
    cancel->setObjectName("Button_cancel");
    cancel->setAutoDefault(false);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    connect(families_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (filling_ || row < 0) return;
        if (row != data_.family) data_.size = 0;
        ShowFamily(row);
    });
    connect(sizes_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (filling_ || row < 0) return;
        data_.size = row;
        UpdatePreview();
    });
    connect(sizes_, &QTableWidget::cellDoubleClicked, this, [this] { accept(); });

    const int count = static_cast<int>(data.families.size());
    ShowFamily(data.family >= 0 && data.family < count ? data.family : 0);
    resize(900, 480);
}

void TProfileDialog::ShowFamily(int family) {
    if (family >= static_cast<int>(data_.families.size())) return;
    filling_ = true;
    data_.family = family;
    families_->setCurrentRow(family);
    const ProfileFamilyView& f = data_.families[family];
    const bool table = !f.sizes.empty();
    pages_->setCurrentIndex(table ? 0 : 1);
    if (table) {
        sizes_->clear();
        sizes_->setColumnCount(static_cast<int>(f.columns.size()));
        sizes_->setRowCount(static_cast<int>(f.sizes.size()));
        QStringList titles;
        for (const std::string& t : f.columns)
            titles << TrCore(Q(t));
        sizes_->setHorizontalHeaderLabels(titles);
        for (int r = 0; r < static_cast<int>(f.sizes.size()); ++r)
            for (int c = 0; c < static_cast<int>(f.sizes[r].size()); ++c) {
                auto* item = new QTableWidgetItem(Q(f.sizes[r][c]));
                if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                sizes_->setItem(r, c, item);
            }
        sizes_->resizeColumnsToContents();
        if (data_.size < 0 || data_.size >= sizes_->rowCount()) data_.size = 0;
        sizes_->setCurrentCell(data_.size, 0);
        sizes_->scrollToItem(sizes_->item(data_.size, 0), QAbstractItemView::PositionAtCenter);
    } else {
        for (int k = 0; k < 5; ++k) {
            const bool used = k < static_cast<int>(f.labels.size());
            labels_[k]->setVisible(used);
            edits_[k]->setVisible(used);
            labels_[k]->setText(used ? TrCore(Q(f.labels[k])) : QString());
            edits_[k]->setText(used && k < static_cast<int>(f.values.size()) ? Q(f.values[k])
                                                                             : QString());
        }
    }
    hot_->parentWidget()->setEnabled(f.hollow);
    // The labels of the values change with the family: the form takes their widths at once,
    // not only at the next turn of the event loop.
    if (QLayout* form = pages_->currentWidget()->layout()) form->activate();
    filling_ = false;
    UpdatePreview();
}

void TProfileDialog::TakeValues() {
    ProfileFamilyView& f = data_.families[data_.family];
    for (std::size_t k = 0; k < f.values.size() && k < edits_.size(); ++k)
        f.values[k] = S(edits_[k]->text());
}

void TProfileDialog::UpdatePreview() {
    PositionTable contour;
    std::string error;
    const bool ok = data_.contour && data_.contour(data_, contour, error);
    delete preview_;
    preview_ = new ContourPreview(contour, this);
    preview_->setMinimumSize(280, 280);
    previewBox_->addWidget(preview_);
    preview_->show(); // a widget added to a window on show would wait for the next event loop
    error_->setText(ok ? QString() : TrCore(Q(error)));
}

} // namespace vak1
