// The system printer through Qt: the print dialog with its page range, then text lines at
// fixed rows in the print font; the graphic printout on one page; the printer's properties.
#pragma once
#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <memory>

#include "platform/Printer.h"

class QWidget;

namespace vak1 {

class QtPrinter : public Printer {
  public:
    explicit QtPrinter(QWidget* parent = nullptr);
    ~QtPrinter() override;
    void SetParent(QWidget* parent) { parent_ = parent; }
    // Print into a PDF file instead of a printer, without the dialog (tests, "print to file").
    void PrintToFile(const QString& pdfPath);

    bool ChoosePages(int pageCount, int& from, int& to) override;
    bool BeginDocument(const std::string& title, const PrintFont& font, int linesPerPage) override;
    void NewPage() override;
    void PrintLine(int row, const std::string& text) override;
    void EndDocument() override;

    std::string PrinterName() const override;
    bool Landscape() const override;
    bool ChoosePrinter() override;
    Canvas* BeginGraphic(bool landscape, int& width, int& height, int& dpi) override;
    void EndGraphic() override;
    bool Information(PrinterInfoData& info) override;

  private:
    // Printing into a PDF file: an A4 page, all of it printable.
    void UsePdfPage();

    std::unique_ptr<Canvas> canvas_;
    QWidget* parent_;
    QPrinter printer_;
    std::unique_ptr<QPainter> painter_;
    QString pdfPath_;
    double lineHeight_ = 0;
};

} // namespace vak1
