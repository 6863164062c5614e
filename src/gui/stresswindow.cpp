// Layout of the stresses' dialog (one row per internal force, its unit beside it, the stress
// of the picture below) and of the colour map's window. The window shows the core's raster,
// the same picture as the unattended job's PNG; SVG and PDF take the core's shapes and texts
// instead, so that they stay sharp at any size.
#include "gui/stresswindow.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QResizeEvent>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include "gui/QtCanvas.h"
#include "gui/qtext.h"
#include "gui/translations.h"

namespace vak1 {

TStressDialog::TStressDialog(QWidget* parent, StressDialogData& data, const HelpHandler& help)
    : QDialog(parent), data_(data) {
    setObjectName("TStressDialog");
    setWindowTitle(Q(data.caption));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    static const char* const kNames[6] = {"N", "Vy", "Vz", "Mx", "My", "Mz"};
    for (std::size_t i = 0; i < values_.size(); ++i) {
        auto* row = new QHBoxLayout;
        values_[i] = new QLineEdit(Q(data.values[i]));
        values_[i]->setObjectName(QString("Edit_") + kNames[i]);
        values_[i]->setMaxLength(30);
        row->addWidget(values_[i]);
        auto* unit = new QLabel(Q(data.units[i]));
        unit->setMinimumWidth(unit->fontMetrics().horizontalAdvance("lbf*in") + 4);
        row->addWidget(unit);
        form->addRow(Q(data.labels[i]) + ":", row);
    }
    kind_ = new QComboBox;
    kind_->setObjectName("Combo_kind");
    for (const std::string& k : data.kinds)
        kind_->addItem(Q(k));
    kind_->setCurrentIndex(data.kind);
    form->addRow("Bild:", kind_);
    layout->addLayout(form);
    error_ = new QLabel(Q(data.error));
    error_->setObjectName("Label_error");
    error_->setStyleSheet("color: #b00000");
    error_->setVisible(!data.error.empty());
    layout->addWidget(error_);
    AddDialogButtons(*this, *layout, help);
}

void TStressDialog::accept() {
    for (std::size_t i = 0; i < values_.size(); ++i)
        data_.values[i] = values_[i]->text().trimmed().toStdString();
    data_.kind = kind_->currentIndex();
    if (data_.accept && !data_.accept(data_)) {
        error_->setText(TrCore(Q(data_.error)));
        error_->setVisible(true);
        return;
    }
    QDialog::accept();
}

TStressPicture::TStressPicture(QWidget* parent, StressPictureData& data, const HelpHandler& help)
    : QDialog(parent), data_(data) {
    setObjectName("TStressPicture");
    setWindowTitle(Q(data.caption));
    auto* layout = new QVBoxLayout(this);
    // The window's own File -> "Drucken": the main window's menu is out of reach while it is
    // open.
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu("&Datei");
    file->setObjectName("Menu_datei");
    QAction* print = file->addAction("&Drucken...");
    print->setObjectName("mi_print");
    print->setShortcut(QKeySequence::Print);
    print->setEnabled(static_cast<bool>(data.print));
    connect(print, &QAction::triggered, this, &TStressPicture::Print);
    layout->setMenuBar(bar);
    kind_ = new QComboBox;
    kind_->setObjectName("Combo_kind");
    for (const std::string& k : data.kinds)
        kind_->addItem(Q(k));
    kind_->setCurrentIndex(data.kind);
    layout->addWidget(kind_);
    view_ = new QLabel;
    view_->setObjectName("Label_picture");
    view_->setMinimumSize(400, 300);
    view_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(view_, 1);
    auto* row = new QHBoxLayout;
    auto save = [this](const char* filter, const char* ending) {
        const QString start = Q(data_.folder) + Q(data_.name) + ending;
        const QString path = QFileDialog::getSaveFileName(this, "Bild speichern", start, filter);
        if (!path.isEmpty() && !Export(path))
            view_->setToolTip(TrCore(path + ": Bild nicht geschrieben"));
    };
    AddButton(*row, "Button_png", "&PNG ...", [save] { save("PNG (*.png)", ".png"); });
    AddButton(*row, "Button_svg", "&SVG ...", [save] { save("SVG (*.svg)", ".svg"); });
    AddButton(*row, "Button_pdf", "P&DF ...", [save] { save("PDF (*.pdf)", ".pdf"); });
    AddButton(*row, "Button_print", "&Drucken ...", [this] {
        Print();
    })->setEnabled(static_cast<bool>(data.print));
    row->addStretch(1);
    AddButton(*row, "Button_help", "&Hilfetext", [help] {
        if (help) help(false);
    });
    QPushButton* close = AddButton(*row, "Button_close", QString::fromUtf8("Schlie\u00dfen"),
                                   [this] { QDialog::accept(); });
    close->setDefault(true);
    layout->addLayout(row);
    connect(kind_, &QComboBox::currentIndexChanged, this, [this](int k) {
        data_.kind = k;
        Render();
    });
    resize(840, 700);
    Render();
}

void TStressPicture::Render() {
    const QSize size = view_->size().expandedTo(QSize(400, 300));
    if (!data_.render) return;
    const std::vector<std::uint8_t> rgb = data_.render(data_.kind, size.width(), size.height());
    if (rgb.size() != static_cast<std::size_t>(size.width()) * size.height() * 3) return;
    image_ =
        QImage(rgb.data(), size.width(), size.height(), size.width() * 3, QImage::Format_RGB888)
            .copy();
    view_->setPixmap(QPixmap::fromImage(image_));
}

void TStressPicture::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Render();
}

void TStressPicture::PaintPage(QPainter& painter, const QRect& page) const {
    if (image_.isNull()) return;
    const QSize fitted = image_.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(page.topLeft(), fitted), image_);
}

void TStressPicture::Print() {
    if (data_.print) data_.print(data_.kind);
}

bool TStressPicture::Export(const QString& path) {
    if (image_.isNull()) return false;
    const QString ending = path.section('.', -1).toLower();
    if (ending == "pdf") {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setResolution(data_.draw ? 600 : 150);
        QPainter painter;
        if (!painter.begin(&pdf)) return false;
        if (data_.draw) {
            QtCanvas canvas(painter);
            data_.draw(data_.kind, canvas, pdf.width(), pdf.height());
        } else {
            PaintPage(painter, QRect(QPoint(0, 0), QSize(pdf.width(), pdf.height())));
        }
        return painter.end();
    }
    if (ending == "svg") {
        if (!data_.draw) return false;
        // Drawn at four times the window's size, so that the canvas's whole pixels leave the
        // shapes finer than any screen shows them; the file keeps the window's size.
        constexpr int kFiner = 4;
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(image_.size());
        svg.setViewBox(QRect(QPoint(0, 0), image_.size() * kFiner));
        svg.setTitle(windowTitle());
        QPainter painter;
        if (!painter.begin(&svg)) return false;
        QtCanvas canvas(painter);
        data_.draw(data_.kind, canvas, image_.width() * kFiner, image_.height() * kFiner);
        return painter.end() && QFileInfo(path).size() > 0;
    }
    return image_.save(path, "PNG");
}

} // namespace vak1
