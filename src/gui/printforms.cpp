// Layout of the printout dialog and the printer information window; the printer's
// properties from Qt's printer information.
#include "gui/printforms.h"
#include "gui/qtext.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/QtPrinter.h"

namespace vak1 {
namespace {

QLineEdit* Edit(const char* name) {
    auto* e = new QLineEdit;
    e->setObjectName(name);
    e->setMaxLength(20);
    return e;
}

QRadioButton* Radio(const char* name, const char* caption, QVBoxLayout* layout) {
    auto* r = new QRadioButton(QString::fromUtf8(caption));
    r->setObjectName(name);
    layout->addWidget(r);
    return r;
}

QPushButton* Button(const char* name, const char* caption, QHBoxLayout* row) {
    auto* b = new QPushButton(QString::fromUtf8(caption));
    b->setObjectName(name);
    b->setAutoDefault(false);
    row->addWidget(b);
    return b;
}

} // namespace

TForm_printconf::TForm_printconf(QWidget* parent, PrintoutDialogData& data, const HelpHandler& help)
    : QDialog(parent), data_(data) {
    setObjectName("TForm_printconf");
    setWindowTitle("Ausdruck");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    xScale_ = Edit("Edit_xscale");
    yScale_ = Edit("Edit_yscale");
    xOrigin_ = Edit("Edit_xorigin");
    yOrigin_ = Edit("Edit_yorigin");
    form->addRow(QString::fromUtf8("Maßstab x"), xScale_);
    form->addRow(QString::fromUtf8("Maßstab y"), yScale_);
    form->addRow("Ursprung x", xOrigin_);
    form->addRow("Ursprung y", yOrigin_);
    layout->addLayout(form);
    border_ = new QCheckBox("Umrandung");
    border_->setObjectName("CheckBox_border");
    fit_ = new QCheckBox("anpassen");
    fit_->setObjectName("CheckBox_fit");
    layout->addWidget(border_);
    layout->addWidget(fit_);

    auto* groups = new QHBoxLayout;
    auto* shade = new QGroupBox("Schattierung");
    shade->setObjectName("RadioGroup_shade");
    auto* shadeLayout = new QVBoxLayout(shade);
    mono_ = Radio("Radio_mono", "Monochrom", shadeLayout);
    color_ = Radio("Radio_color", "Color / Graustufen", shadeLayout);
    auto* orient = new QGroupBox("Ausdruck");
    orient->setObjectName("RadioGroup_orientation");
    auto* orientLayout = new QVBoxLayout(orient);
    portrait_ = Radio("Radio_portrait", "Hochformat", orientLayout);
    landscape_ = Radio("Radio_landscape", "Querformat", orientLayout);
    groups->addWidget(shade);
    groups->addWidget(orient);
    layout->addLayout(groups);

    printer_ = new QLabel;
    printer_->setObjectName("Label_printer");
    layout->addWidget(printer_);

    auto* row = new QHBoxLayout;
    auto* choose = Button("Button_printer", "Drucker...", row);
    auto* info = Button("Button_printerinfo", "Druckerinfo", row);
    auto* load = Button("Button_load", "Datenbank", row);
    auto* store = Button("Button_store", "Übernehmen &Datenbank", row);
    layout->addLayout(row);
    load->setEnabled(static_cast<bool>(data.loadSet));
    store->setEnabled(static_cast<bool>(data.storeSet));
    auto hook = [this](std::function<void(PrintoutDialogData&)> PrintoutDialogData::*member) {
        return [this, member] {
            Take();
            if (data_.*member) (data_.*member)(data_);
            Show();
        };
    };
    connect(choose, &QPushButton::clicked, this, hook(&PrintoutDialogData::choosePrinter));
    connect(info, &QPushButton::clicked, this, hook(&PrintoutDialogData::printerInfo));
    connect(load, &QPushButton::clicked, this, hook(&PrintoutDialogData::loadSet));
    connect(store, &QPushButton::clicked, this, hook(&PrintoutDialogData::storeSet));
    AddDialogButtons(*this, *layout, help);
    Show();
}

void TForm_printconf::Show() {
    xScale_->setText(Q(data_.xScale));
    yScale_->setText(Q(data_.yScale));
    xOrigin_->setText(Q(data_.xOrigin));
    yOrigin_->setText(Q(data_.yOrigin));
    border_->setChecked(data_.border);
    fit_->setChecked(data_.fit);
    (data_.monochrome ? mono_ : color_)->setChecked(true);
    (data_.landscape ? landscape_ : portrait_)->setChecked(true);
    printer_->setText(Q(data_.printerName));
}

void TForm_printconf::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && data_.currentPrinter) {
        data_.printerName = data_.currentPrinter();
        printer_->setText(Q(data_.printerName));
    }
}

void TForm_printconf::Take() {
    data_.xScale = S(xScale_->text());
    data_.yScale = S(yScale_->text());
    data_.xOrigin = S(xOrigin_->text());
    data_.yOrigin = S(yOrigin_->text());
    data_.border = border_->isChecked();
    data_.fit = fit_->isChecked();
    data_.monochrome = mono_->isChecked();
    data_.landscape = landscape_->isChecked();
}

void TForm_printconf::accept() {
    Take();
    if (data_.accept && !data_.accept(data_)) return;
    QDialog::accept();
}

TForm_printerinfo::TForm_printerinfo(QWidget* parent, const PrinterInfoData& data)
    : QDialog(parent) {
    setObjectName("TForm_printerinfo");
    setWindowTitle("Druckerinfo");
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QTableWidget(static_cast<int>(data.rows.size()), 2);
    grid->setObjectName("StringGrid_info");
    grid->horizontalHeader()->setVisible(false);
    grid->verticalHeader()->setVisible(false);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int r = 0; r < static_cast<int>(data.rows.size()); ++r) {
        grid->setItem(r, 0, new QTableWidgetItem(Q(data.rows[r].first)));
        grid->setItem(r, 1, new QTableWidgetItem(Q(data.rows[r].second)));
    }
    grid->resizeColumnsToContents();
    layout->addWidget(grid);
    auto* ok = new QPushButton("OK");
    ok->setObjectName("Button_ok");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok);
    resize(420, 480);
}

bool QtPrinter::Information(PrinterInfoData& info) {
    // "Print to file" chosen in the print dialog is a printer too.
    const bool pdf = !pdfPath_.isEmpty() || printer_.outputFormat() == QPrinter::PdfFormat;
    if (!pdf && QPrinterInfo::availablePrinterNames().isEmpty()) return false;
    const QPrinterInfo printer =
        pdf ? QPrinterInfo() : QPrinterInfo::printerInfo(printer_.printerName());
    if (!pdf && printer.isNull()) return false;
    UsePdfPage();
    const QString dash = QString::fromUtf8("–");
    auto row = [&info](const char* name, const QString& value) {
        info.rows.emplace_back(name, value.toUtf8().toStdString());
    };
    auto number = [](double v) { return QString::number(qRound(v)); };
    const QPageLayout page = printer_.pageLayout();
    const int dpi = printer_.resolution();
    const QRectF mm = page.paintRect(QPageLayout::Millimeter);
    const QRect px = page.paintRectPixels(dpi);
    const QString model = pdf ? QString("Qt PDF") : printer.makeAndModel();
    bool color = true;
    if (!pdf) color = printer.supportedColorModes().contains(QPrinter::Color);
    row("Name", Q(PrinterName()));
    row("Treiberversion", model.isEmpty() ? dash : model);
    row("Technologie", pdf ? QString("PDF-Datei") : QString("Rasterdrucker"));
    row("Druckbreite (mm)", number(mm.width()));
    row("Druckhöhe (mm)", number(mm.height()));
    row("Breite (Pixel)", number(px.width()));
    row("Höhe (Pixel)", number(px.height()));
    row("Linker Seitenoffset (Pixel)", number(px.left()));
    row("Oberer Seitenoffset (Pixel)", number(px.top()));
    row("DPI (horizontal)", number(printer_.logicalDpiX()));
    row("DPI (vertikal)", number(printer_.logicalDpiY()));
    row("Pinsel", dash);
    row("Stifte", dash);
    row("Markierer", dash);
    row("Farben", color ? QString("16777216") : QString("2"));
    // Neither Qt nor the print system tells the printer's own fonts: their number is not
    // known, which is not the same as none.
    row("Schriften", "unbekannt");
    return true;
}

} // namespace vak1
