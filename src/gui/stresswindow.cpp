// Layout of the stresses' dialog (one row per internal force, its unit beside it, the stress
// of the picture below) and of the colour map's window. The map itself is the core's raster:
// the same picture as the unattended job's PNG.
#include "gui/stresswindow.h"

#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>

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
        QPrinter printer;
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) return;
        QPainter painter(&printer);
        PaintPage(painter, painter.viewport());
    });
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

bool TStressPicture::Export(const QString& path) {
    if (image_.isNull()) return false;
    const QString ending = path.section('.', -1).toLower();
    if (ending == "pdf") {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setResolution(150);
        QPainter painter;
        if (!painter.begin(&pdf)) return false;
        PaintPage(painter, QRect(QPoint(0, 0), QSize(pdf.width(), pdf.height())));
        return painter.end();
    }
    if (ending == "svg") {
        // The raster embedded in a scalable frame: every viewer shows it at any size.
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image_.save(&buffer, "PNG")) return false;
        const QString w = QString::number(image_.width()), h = QString::number(image_.height());
        const QByteArray svg =
            ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<svg xmlns=\"http://www.w3.org/2000/svg\" "
             "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"" +
             w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\">\n<image width=\"" +
             w + "\" height=\"" + h + "\" xlink:href=\"data:image/png;base64,")
                .toUtf8() +
            png.toBase64() + "\"/>\n</svg>\n";
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(svg) == svg.size() && file.flush();
    }
    return image_.save(path, "PNG");
}

} // namespace vak1
