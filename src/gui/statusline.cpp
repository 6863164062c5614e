#include "gui/statusline.h"
#include "gui/qtext.h"
#include "gui/translations.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include "app/App.h"
#include "app/notes.h"
#include "cad/drawing.h"
#include "app/contour.h"
#include "text/cp850.h"
#include "text/formats.h"

namespace vak1 {
namespace {

bool WritesAFile(uint16_t kind) {
    return kind == odFile || kind == odSpreadsheetTxt || kind == odHtml || kind == odDosFile ||
           kind == odProjectTxt;
}

QString Number(const App& app, long double v) {
    QString s = QString::number(static_cast<double>(v), 'f', 2);
    if (UsesDecimalComma(app.Config)) s.replace('.', ',');
    return s;
}

} // namespace

QString CommandFeedback(const App& app, const std::string& command) {
    if (app.State.AbortFlag) return {};
    if (command == "mi_FileSave" || command == "mi_FileSaveAs") {
        const std::string path = app.State.ProjectPath();
        if (path.empty()) return {};
        return TrCore("Gespeichert: %1").arg(QFileInfo(Q(path)).fileName());
    }
    // The spreadsheet's window may open behind this one or on another desktop.
    if (command == "mi_OleStartExcel" || command == "mi_OleExportExcel")
        return TrCore("In die Tabellenkalkulation übergeben: %1")
            .arg(QFileInfo(Q(app.State.ProjectPath())).fileName());
    if (command == "mi_OlePrintoutExcel")
        return TrCore("Bericht in die Tabellenkalkulation übergeben");
    if (command == "mi_fileExportDXF" && !app.Cad.FileName.empty())
        return TrCore("DXF geschrieben: %1").arg(Q(app.Cad.FileName));
    if ((command == "mi_viewStandard" || command == "mi_viewAuszug" ||
         command == "mi_viewExtended" || command == "mi_viewStresses") &&
        WritesAFile(app.Output.Kind))
        return TrCore("Bericht: %1").arg(Q(app.Output.OutputFileName));
    return {};
}

QString CalculationText(const App& app) {
    if (app.Project.PosCount() == 0) return {};
    // The count is the one of the view menu's "Fehlermeldungen (n)": messages and notes.
    const int n = ShownMessageCount(app);
    const QString messages = n == 1 ? TrCore("1 Meldung") : TrCore("%1 Meldungen").arg(n);
    if (app.Project.CalcError)
        return TrCore("Berechnung fehlgeschlagen") + QString::fromUtf8(" · ") + messages;
    const std::string area = FormatArea(app.Config, app.Project.R.A);
    const std::string unit = UnitArea(app.Config);
    QString text = "A = " + Q(Cp850ToUtf8(area)).trimmed() + " " + Q(Cp850ToUtf8(unit));
    for (const std::string& note : SectionNotes(app.Project))
        text += QString::fromUtf8(" · ") + TrCore(Q(Cp850ToUtf8(note)));
    return text + QString::fromUtf8(" · ") + messages;
}

QString FirstStepText(const App& app) {
    if (app.Project.PosCount() != 0 || !app.State.ProjectName.empty()) return {};
    return TrCore("Datei → Neu oder Datei → Öffnen");
}

QString CursorText(const App& app, long double x, long double y) {
    const uint16_t view = app.Graphics.SectionView;
    // The form sheet and the table are laid out in millimetres of the sheet, whatever the
    // section's unit; other pictures (help pictures, the logo) have no section to point at.
    if (view == dkForm || view == dkTable)
        return TrCore("Blatt x %1  y %2 mm").arg(Number(app, x), Number(app, y));
    if (view == 0) return {};
    const bool inch = app.Config.EnglishUnits == Units::English;
    const long double f = inch ? 1 / 25.4L : 1;
    return "y " + Number(app, x * f) + "  z " + Number(app, y * f) + (inch ? " in" : " mm");
}

StatusLine::StatusLine(QStatusBar& bar, std::function<void()> openMessages) {
    bar.setObjectName("StatusBar");
    last_ = new QLabel(&bar);
    last_->setObjectName("StatusLastCommand");
    bar.addWidget(last_, 1);
    calc_ = new QPushButton(&bar);
    calc_->setObjectName("StatusCalculation");
    calc_->setFlat(true);
    calc_->setFocusPolicy(Qt::NoFocus);
    QObject::connect(calc_, &QPushButton::clicked, calc_, [openMessages] {
        if (openMessages) openMessages();
    });
    bar.addPermanentWidget(calc_);
    cursor_ = new QLabel(&bar);
    cursor_->setObjectName("StatusCursor");
    cursor_->setMinimumWidth(cursor_->fontMetrics().horizontalAdvance("y -0000,00  z -0000,00 mm"));
    bar.addPermanentWidget(cursor_);
}

void StatusLine::CommandStarted() {
    last_->clear();
}

void StatusLine::CommandDone(const App& app, const std::string& command) {
    last_->setText(CommandFeedback(app, command));
    ShowCalculation(app);
}

void StatusLine::ShowCalculation(const App& app) {
    const QString text = CalculationText(app);
    // The style first, so the button's size is taken with the bold font.
    const bool warning = text.contains("Warnung:") || text.contains(TrCore("Warnung:"));
    calc_->setStyleSheet(app.Project.CalcError ? "color: #c00000; font-weight: bold;"
                         : warning             ? "color: #a05000; font-weight: bold;"
                                               : "");
    calc_->setText(text);
    calc_->setMinimumWidth(calc_->sizeHint().width());
    calc_->setVisible(!text.isEmpty());
    // Readable in any case; a click opens the message list only while it has messages.
    calc_->setToolTip(ShownMessageCount(app) > 0 ? TrCore("Fehlermeldungen zeigen") : QString());
    // Without a project the status bar says where to begin.
    const QString hint = FirstStepText(app);
    if (!hint.isEmpty() && last_->text().isEmpty()) last_->setText(hint);
}

void StatusLine::ShowCursor(const QString& text) {
    cursor_->setText(text);
}

void StatusLine::ShowPicked(const App& app, uint16_t k) {
    last_->setText(Q(Cp850ToUtf8(PickedPositionText(app, k))));
}

} // namespace vak1
