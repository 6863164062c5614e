// Text printing through QPrinter: portrait, one font, the page's height shared by the lines.
#include "gui/QtPrinter.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPrintDialog>

#include "gui/QtCanvas.h"

namespace vak1 {

QtPrinter::QtPrinter(QWidget* parent) : parent_(parent), printer_(QPrinter::HighResolution) {}

QtPrinter::~QtPrinter() {
    if (painter_) painter_->end();
}

void QtPrinter::PrintToFile(const QString& pdfPath) {
    pdfPath_ = pdfPath;
}

bool QtPrinter::ChoosePages(int pageCount, int& from, int& to) {
    from = 1;
    to = pageCount;
    if (!pdfPath_.isEmpty()) return true;
    printer_.setFromTo(1, pageCount);
    QPrintDialog dialog(&printer_, parent_);
    dialog.setMinMax(1, pageCount);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (printer_.printRange() == QPrinter::PageRange) {
        from = printer_.fromPage();
        to = printer_.toPage();
    }
    return true;
}

bool QtPrinter::BeginDocument(const std::string& title, const PrintFont& font, int linesPerPage) {
    if (!pdfPath_.isEmpty()) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(pdfPath_);
    }
    printer_.setPageOrientation(QPageLayout::Portrait);
    printer_.setDocName(QString::fromStdString(title));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&printer_)) {
        painter_.reset();
        return false;
    }
    QFont f(QString::fromStdString(font.name), font.size > 0 ? font.size : 10);
    f.setBold(font.style & 1);
    f.setItalic(font.style & 2);
    f.setUnderline(font.style & 4);
    f.setStrikeOut(font.style & 8);
    f.setStyleHint(QFont::Monospace);
    painter_->setFont(f);
    const int lines = linesPerPage > 0 ? linesPerPage : 66;
    lineHeight_ =
        static_cast<double>(printer_.pageLayout().paintRectPixels(printer_.resolution()).height()) /
        lines;
    return true;
}

void QtPrinter::NewPage() {
    if (painter_) printer_.newPage();
}

void QtPrinter::PrintLine(int row, const std::string& text) {
    if (!painter_) return;
    const double baseline = (row + 1) * lineHeight_ - lineHeight_ * 0.2;
    painter_->drawText(QPointF(0, baseline), QString::fromUtf8(text.c_str()));
}

void QtPrinter::EndDocument() {
    if (painter_) painter_->end();
    painter_.reset();
}

} // namespace vak1

namespace vak1 {

std::string QtPrinter::PrinterName() const {
    if (!pdfPath_.isEmpty()) return "PDF";
    if (printer_.outputFormat() == QPrinter::PdfFormat) {
        const QString file = QFileInfo(printer_.outputFileName()).fileName();
        return file.isEmpty() ? std::string("PDF") : "PDF: " + file.toUtf8().toStdString();
    }
    return printer_.printerName().toUtf8().toStdString();
}

bool QtPrinter::Landscape() const {
    return printer_.pageLayout().orientation() == QPageLayout::Landscape;
}

bool QtPrinter::ChoosePrinter() {
    if (!pdfPath_.isEmpty()) return true;
    QPrintDialog dialog(&printer_, parent_);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrinter::UsePdfPage() {
    if (pdfPath_.isEmpty()) return;
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(pdfPath_);
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setFullPage(true); // a PDF page has no margin the device cannot reach
}

Canvas* QtPrinter::BeginGraphic(bool landscape, int& width, int& height, int& dpi) {
    UsePdfPage();
    printer_.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer_.setDocName("VAK1");
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&printer_)) {
        painter_.reset();
        return nullptr;
    }
    painter_->setRenderHint(QPainter::Antialiasing, false);
    width = printer_.width();
    height = printer_.height();
    dpi = printer_.resolution();
    canvas_ = std::make_unique<QtCanvas>(*painter_);
    return canvas_.get();
}

void QtPrinter::EndGraphic() {
    canvas_.reset();
    if (painter_) painter_->end();
    painter_.reset();
}

} // namespace vak1
