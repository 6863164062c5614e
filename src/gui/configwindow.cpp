// Layout of the settings dialog; what its controls mean is decided in the core.
#include "gui/configwindow.h"
#include "gui/qtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "graphics/palette.h"
#include "gui/plotform.h"
#include "settings/configdialog.h"

namespace vak1 {
namespace {

QString ColorName(int color) {
    return color >= 1 && color <= 16 ? QString::fromUtf8(kColorNames[color - 1]) : QString();
}

QColor PaletteQColor(int color) {
    const CanvasColor c = PaletteColor(color);
    return QColor(c.r, c.g, c.b);
}

// Font style bits: bold 1, italic 2, underline 4, strike-out 8.
int StyleBits(const QFont& f) {
    return (f.bold() ? 1 : 0) | (f.italic() ? 2 : 0) | (f.underline() ? 4 : 0) |
           (f.strikeOut() ? 8 : 0);
}

QFont FontOf(const std::string& name, int size, int style) {
    QFont f(Q(name));
    if (size > 0) f.setPointSize(size);
    f.setBold(style & 1);
    f.setItalic(style & 2);
    f.setUnderline(style & 4);
    f.setStrikeOut(style & 8);
    return f;
}

QTableWidgetItem* Cell(const QString& text, bool editable = true) {
    auto* item = new QTableWidgetItem(text);
    if (!editable) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

int CellInt(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text().trimmed().toInt() : 0;
}

const char* const kLayerRowCaptions[5] = {
    "Ausgezogene  Linie   0.50 mm", "Ausgezogene  Linie   0.35 mm", "Ausgezogene  Linie   0.25 mm",
    "Gestrichelte Linie   0.25 mm", "Mittellinie          0.25 mm"};

QString ColorLayerCaption(int k, int color) {
    return QString::fromUtf8("Farbe für Layer") + QString::number(16 + k) + " (" +
           ColorName(color) + ")";
}

} // namespace

// --- the colour and folder choices ------------------------------------------------------

TForm_selectcolor::TForm_selectcolor(QWidget* parent, int color) : QDialog(parent) {
    setObjectName("TForm_selectcolor");
    setWindowTitle("Select Color");
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget;
    list_->setObjectName("ListBox_colors");
    for (const char* name : kColorNames)
        list_->addItem(QString::fromUtf8(name));
    list_->setCurrentRow(color >= 1 && color <= 16 ? color - 1 : 0);
    layout->addWidget(list_);
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton("OK");
    ok->setObjectName("Button_ok");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Abbrechen");
    cancel->setObjectName("Button_cancel");
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

int TForm_selectcolor::Color() const {
    return list_->currentRow() + 1;
}

bool TForm_selectDir(QWidget* parent, std::string& folder) {
    const QString start = QFileInfo(Q(folder)).isDir() ? Q(folder) : QDir::currentPath();
    QFileDialog dialog(parent, "Select Directory", start);
    dialog.setObjectName("TForm_selectDir");
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setLabelText(QFileDialog::Accept, "OK");
    dialog.setLabelText(QFileDialog::Reject, "Abbrechen");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    folder = S(QDir::toNativeSeparators(dialog.selectedFiles().first()));
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return true;
}

// --- Tconfig ----------------------------------------------------------------------------

Tconfig::Tconfig(QWidget* parent, ConfigDialogData& data, std::function<void()> onBackground)
    : QDialog(parent), data_(data), onBackground_(std::move(onBackground)) {
    setObjectName("Tconfig");
    setWindowTitle(Q(data_.caption));
    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QTabWidget;
    tabs->setObjectName("PageControl");
    tabs->addTab(DirectoriesPage(), "Ordner");
    tabs->addTab(GraphicsPage(), "Grafik");
    tabs->addTab(CadPage(), "CAD");
    tabs->addTab(ColorPage(), "Farbe");
    tabs->addTab(PrinterPage(), "Drucker");
    tabs->addTab(TextPage(), "Ausdruck");
    tabs->addTab(OptionsPage(), "Einstellungen");
    tabs->addTab(ExternPage(), "Extern");
    tabs->addTab(DrawingPage(), "Zeichnung");
    tabs->setCurrentIndex(1);
    layout->addWidget(tabs);

    auto* buttons = new QHBoxLayout;
    Button(buttons, "OK", "Button_ok", [this] {
        Collect();
        accept();
    })->setDefault(true);
    Button(buttons, "Abbrechen", "Button_cancel", [this] { reject(); });
    Button(buttons, "&Speichern", "Button_save", [this] { Press(ConfigButton::Save); });
    Button(buttons, "Import..", "Button_import", [this] { Press(ConfigButton::Import); });
    layout->addLayout(buttons);
    Show();
}

QLineEdit* Tconfig::Edit(std::string ConfigDialogData::*field, const char* name) {
    auto* e = new QLineEdit;
    e->setObjectName(name);
    edits_.emplace_back(e, field);
    return e;
}

QComboBox* Tconfig::Combo(int ConfigDialogData::*field, const char* name,
                          const QStringList& items) {
    auto* c = new QComboBox;
    c->setObjectName(name);
    c->addItems(items);
    combos_.emplace_back(c, field);
    return c;
}

QCheckBox* Tconfig::Check(bool ConfigDialogData::*field, const char* name, const QString& text) {
    auto* c = new QCheckBox(text);
    c->setObjectName(name);
    checks_.emplace_back(c, field);
    return c;
}

QSpinBox* Tconfig::Spin(int ConfigDialogData::*field, const char* name) {
    auto* s = new QSpinBox;
    s->setObjectName(name);
    const ConfigRange range = ConfigSpinRange(field);
    s->setRange(range.min, range.max);
    spins_.emplace_back(s, field);
    return s;
}

QPushButton* Tconfig::Button(QHBoxLayout* row, const QString& text, const char* name,
                             std::function<void()> action) {
    auto* b = new QPushButton(text);
    b->setObjectName(name);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, std::move(action));
    row->addWidget(b);
    return b;
}

void Tconfig::Default(QHBoxLayout* row, ConfigButton button, const char* name) {
    Button(row, "<", name, [this, button] { Press(button); })->setMaximumWidth(30);
}

QHBoxLayout* Tconfig::Row(QFormLayout* form, const QString& label, QWidget* field,
                          const std::string& hint) {
    auto* row = new QHBoxLayout;
    if (field) row->addWidget(field, 1);
    auto* text = new QLabel(label);
    if (!hint.empty()) text->setToolTip(Q(hint));
    form->addRow(text, row);
    return row;
}

QHBoxLayout* Tconfig::FolderRow(QFormLayout* form, const QString& label,
                                std::string ConfigDialogData::*field, const char* name,
                                const std::string& hint) {
    QLineEdit* edit = Edit(field, name);
    QHBoxLayout* row = Row(form, label, edit, hint);
    const std::string button = std::string(name) + "_select";
    auto* b = new QPushButton("...");
    b->setObjectName(Q(button));
    b->setAutoDefault(false);
    b->setMaximumWidth(30);
    connect(b, &QPushButton::clicked, this, [this, edit] {
        std::string folder = S(edit->text());
        if (TForm_selectDir(this, folder)) edit->setText(Q(folder));
    });
    row->addWidget(b);
    return row;
}

void Tconfig::HelpButton(QHBoxLayout* row, uint16_t number, const char* caption) {
    const std::string name = "Button_help" + std::to_string(number);
    auto* b = new QPushButton(QString::fromUtf8(caption));
    b->setObjectName(Q(name));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, number] {
        if (data_.help) data_.help(number);
    });
    row->addWidget(b);
}

QWidget* Tconfig::DirectoriesPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    FolderRow(form, QString::fromUtf8("Ordner für Datenbankdateien (dbf)"),
              &ConfigDialogData::dbfDir, "Edit_dbfDir", data_.dbfHint);
    FolderRow(form, "QUORVEN-Programm-Ordner", &ConfigDialogData::programDir, "Edit_programDir",
              {});
    FolderRow(form, "Hilfebilder(plt), Hilfetext(hlp), Demoskript(dem)", &ConfigDialogData::pltDir,
              "Edit_pltDir", data_.pltHint);
    Default(FolderRow(form, QString::fromUtf8("Temporärer Ordner"), &ConfigDialogData::tempDir,
                      "Edit_tempDir", data_.tempHint),
            ConfigButton::TempDirDefault, "Button_tempDirDefault");
    FolderRow(form, "EDI Ordner", &ConfigDialogData::ediDir, "Edit_ediDir", data_.ediHint);
    FolderRow(form, Q(data_.dataDirLabel), &ConfigDialogData::dataDir, "Edit_dataDir", {});
    FolderRow(form, "CAD Ordner", &ConfigDialogData::cadDir, "Edit_cadDir", data_.cadHint);
    auto* work = new QLineEdit(Q(data_.workingDir));
    work->setObjectName("Edit_workingDir");
    work->setReadOnly(true);
    QHBoxLayout* row = Row(form, "Arbeitsverzeichnis", work);
    Button(row, "?", "Button_workingDirHelp", [this] {
        if (data_.help) data_.help(kHelpWorkingDir);
    })->setMaximumWidth(30);
    auto* user = new QLabel(Q(data_.user));
    user->setObjectName("Label_user");
    form->addRow(user);
    return page;
}

QWidget* Tconfig::GraphicsPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    Row(form, "Bildschirmgrafik",
        Combo(&ConfigDialogData::colorGraphics, "ComboBox_colorGraphics", {"color", "monochrom"}));
    QHBoxLayout* row = Row(form, "Font", Edit(&ConfigDialogData::graphFontName, "Edit_graphFont"));
    graphFontStyle_ = new QLabel;
    graphFontStyle_->setObjectName("Label_graphFontStyle");
    row->addWidget(graphFontStyle_);
    Button(row, "Font...", "Button_graphFont", [this] { ChooseFont(false); });
    row = Row(form, "Textbreitenfaktor",
              Edit(&ConfigDialogData::textWidthFactor, "Edit_textWidthFactor"));
    Default(row, ConfigButton::TextWidthDefault, "Button_textWidthDefault");
    row = Row(form, QString::fromUtf8("Texthöhenfaktor"),
              Edit(&ConfigDialogData::textHeightFactor, "Edit_textHeightFactor"));
    Default(row, ConfigButton::TextHeightDefault, "Button_textHeightDefault");
    backgroundPanel_ = new QLabel;
    backgroundPanel_->setObjectName("Panel_background");
    backgroundPanel_->setAutoFillBackground(true);
    backgroundPanel_->setMinimumSize(40, 20);
    row = Row(form, "", backgroundPanel_);
    Button(row, "Hintergrundfarbe...", "Button_background", [this] {
        TForm_selectcolor choice(this, data_.backgroundColor);
        if (choice.exec() != QDialog::Accepted) return;
        Collect();
        data_.backgroundColor = choice.Color();
        Press(ConfigButton::Background);
        if (onBackground_) onBackground_();
    });
    auto* width = Edit(&ConfigDialogData::graphWidth, "Edit_graphWidth");
    row = Row(form, "Fenstergroesse", width);
    row->addWidget(Edit(&ConfigDialogData::graphHeight, "Edit_graphHeight"));
    Default(row, ConfigButton::GraphSizeDefault, "Button_graphSizeDefault");
    row = Row(form, "Zoomfaktor", Edit(&ConfigDialogData::zoomFactor, "Edit_zoomFactor"));
    Default(row, ConfigButton::ZoomDefault, "Button_zoomDefault");
    row = Row(form, "Pan-Faktor", Edit(&ConfigDialogData::panFactor, "Edit_panFactor"));
    Default(row, ConfigButton::PanDefault, "Button_panDefault");
    form->addRow(Check(&ConfigDialogData::graphicBorder, "CheckBox_graphicBorder", "Umrandung"));
    row = Row(form, QString::fromUtf8("Dialogfenster Größe"),
              Spin(&ConfigDialogData::inputWindowScale, "SpinEdit_inputWindowScale"));
    Default(row, ConfigButton::InputWindowScaleDefault, "Button_inputWindowScaleDefault");
    row = Row(form, QString::fromUtf8("Dialogelemente Größe"),
              Spin(&ConfigDialogData::dialogElementsScale, "SpinEdit_dialogElementsScale"));
    Default(row, ConfigButton::DialogElementsScaleDefault, "Button_dialogElementsScaleDefault");
    row = Row(form, "", nullptr);
    const char* axes[3] = {"x °", "y °", "z °"};
    const char* names[3] = {"Edit_angleX", "Edit_angleY", "Edit_angleZ"};
    for (int i = 0; i < 3; ++i) {
        angles_[i] = new QLineEdit;
        angles_[i]->setObjectName(names[i]);
        row->addWidget(new QLabel(QString::fromUtf8(axes[i])));
        row->addWidget(angles_[i]);
    }
    row->addWidget(Check(&ConfigDialogData::edit3D, "CheckBox_edit3D", "3D Edit x,y,z"));
    Row(form, "Index",
        Combo(&ConfigDialogData::indexStyle, "ComboBox_indexStyle",
              {"a,b,c...", "1,2,3...", "A,B,C...", "......"}));
    HelpButton(Row(form, "", nullptr), kHelpConfigGraphics);
    return page;
}

QWidget* Tconfig::CadPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    auto* font = Edit(&ConfigDialogData::cadFontName, "Edit_cadFont");
    font->setMaxLength(32);
    Row(form, "Textstil", font);
    QHBoxLayout* row = Row(form, "Textbreitenfaktor",
                           Edit(&ConfigDialogData::cadTextWidthFactor, "Edit_cadTextWidthFactor"));
    Default(row, ConfigButton::CadTextWidthDefault, "Button_cadTextWidthDefault");
    row = Row(form, "Textwinkel", Edit(&ConfigDialogData::cadTextAngle, "Edit_cadTextAngle"));
    Default(row, ConfigButton::CadTextAngleDefault, "Button_cadTextAngleDefault");
    form->addRow(Check(&ConfigDialogData::enterDiagramLimits, "CheckBox_enterDiagramLimits",
                       "Diagrammgrenzen abfragen"));
    row = Row(form, "Freigabefeld", Edit(&ConfigDialogData::releaseField, "Edit_releaseField"));
    Default(row, ConfigButton::ReleaseFieldDefault, "Button_releaseFieldDefault");
    row = Row(form, "Anzahl der Dezimalstellen DXF, TXT",
              Spin(&ConfigDialogData::dxfDecimals, "SpinEdit_dxfDecimals"));
    Default(row, ConfigButton::DxfDecimalsDefault, "Button_dxfDecimalsDefault");
    Row(form, "Text Type",
        Combo(&ConfigDialogData::cadTextMode, "ComboBox_cadTextMode",
              {"OEM (ASCII)", "ANSI", QString::fromUtf8("Ä->Ae, ß->ss...")}));
    row = Row(form, QString::fromUtf8("Größenfaktor Bemaßung"),
              Edit(&ConfigDialogData::dimensionFactor, "Edit_dimensionFactor"));
    Default(row, ConfigButton::DimensionFactorDefault, "Button_dimensionFactorDefault");

    layers_ = new QTableWidget(5, 4);
    layers_->setObjectName("StringGrid_layers");
    layers_->setHorizontalHeaderLabels({"Layer", "Farbe", QString::fromUtf8("Strichstärke"), ""});
    QStringList captions;
    for (const char* c : kLayerRowCaptions)
        captions << c;
    layers_->setVerticalHeaderLabels(captions);
    for (int r = 0; r < 5; ++r) {
        auto* b = new QPushButton("<");
        b->setObjectName(QString("Button_layerDefault%1").arg(r + 1));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, r] {
            Collect();
            data_.layerRow = r;
            Press(ConfigButton::LayerDefault);
        });
        layers_->setCellWidget(r, 3, b);
    }
    layers_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    form->addRow(layers_);
    row = Row(form, "", nullptr);
    Button(row, "Farbe...", "Button_layerColor",
           [this] { ChooseLayerColor(layers_, std::max(layers_->currentRow(), 0), 1); });
    row->addWidget(
        Check(&ConfigDialogData::layerMonochrome, "CheckBox_layerMonochrome", "Layer Monochrom ?"));
    // Two help buttons on one page: each its own access key.
    HelpButton(row, kHelpConfigLayers, "Hilfe &Layer");
    HelpButton(row, kHelpConfigCad);
    return page;
}

QWidget* Tconfig::ColorPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    colorLayers_ = new QTableWidget(16, 3);
    colorLayers_->setObjectName("StringGrid_colors");
    colorLayers_->setHorizontalHeaderLabels({"Layer", "Farbe", QString::fromUtf8("Strichstärke")});
    colorLayers_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(colorLayers_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { ChooseLayerColor(colorLayers_, row, 1); });
    layout->addWidget(colorLayers_);
    auto* row = new QHBoxLayout;
    Button(row, "Farbe...", "Button_color",
           [this] { ChooseLayerColor(colorLayers_, std::max(colorLayers_->currentRow(), 0), 1); });
    Button(row, QString::fromUtf8("Strichstärke=1"), "Button_thickness1",
           [this] { Press(ConfigButton::Thickness1); });
    Button(row, "=2", "Button_thickness2", [this] { Press(ConfigButton::Thickness2); });
    Button(row, "=3", "Button_thickness3", [this] { Press(ConfigButton::Thickness3); });
    HelpButton(row, kHelpConfigColors);
    layout->addLayout(row);
    return page;
}

QWidget* Tconfig::PrinterPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QHBoxLayout* row = Row(form, "Ursprung x", Edit(&ConfigDialogData::originX, "Edit_originX"));
    Default(row, ConfigButton::OriginXDefault, "Button_originXDefault");
    row = Row(form, "Ursprung y", Edit(&ConfigDialogData::originY, "Edit_originY"));
    Default(row, ConfigButton::OriginYDefault, "Button_originYDefault");
    row = Row(form, QString::fromUtf8("Maßstab x"), Edit(&ConfigDialogData::scaleX, "Edit_scaleX"));
    Default(row, ConfigButton::ScaleXDefault, "Button_scaleXDefault");
    row = Row(form, QString::fromUtf8("Maßstab y"), Edit(&ConfigDialogData::scaleY, "Edit_scaleY"));
    Default(row, ConfigButton::ScaleYDefault, "Button_scaleYDefault");
    form->addRow(
        Check(&ConfigDialogData::screendumpBorder, "CheckBox_screendumpBorder", "Umrandung"));
    Row(form, "Schattierung",
        Combo(&ConfigDialogData::printColorMode, "ComboBox_printColorMode",
              {"Monochrom", "Color / Graustufen"}));
    Row(form, "Ausdruck",
        Combo(&ConfigDialogData::printerOrientation, "ComboBox_printerOrientation",
              {"Hochformat", "Querformat"}));
    form->addRow(Check(&ConfigDialogData::graphicPrintDialog, "CheckBox_graphicPrintDialog",
                       "Ausgabeformat abfragen"));
    HelpButton(Row(form, "", nullptr), kHelpConfigPrinter);
    return page;
}

QWidget* Tconfig::TextPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    Row(form, QString::fromUtf8("Druckerschnittstelle für Textausdruck"),
        Combo(&ConfigDialogData::printerPort, "ComboBox_printerPort",
              {"LPT1", "LPT2", "LPT3", "LPT4"}));
    Row(form, "Form der Trennzeilen im Ausdruck",
        Combo(&ConfigDialogData::separatorStyle, "ComboBox_separatorStyle",
              {"Trennlinien  ---- ====  ****", QString::fromUtf8("Trennlinien  ──── ════  "),
               "Leerzeichen und Leerzeilen", "komprimiert, ohne Trennzeilen"}));
    Row(form, "Max. Anzahl Zeilen/Seite auf dem Ausdruck",
        Spin(&ConfigDialogData::linesPerPage, "SpinEdit_linesPerPage"));
    Row(form, "Leerzeilen am Seitenanfang",
        Spin(&ConfigDialogData::headerSpaceLines, "SpinEdit_headerSpaceLines"));
    Row(form, "Datum",
        Combo(&ConfigDialogData::dateCode, "ComboBox_dateCode",
              {"DD.MM.YYYY", "MM/DD/YYYY", "YYYY/MM/DD", "DD/MM/YYY"}));
    textDevices_ = new QListWidget;
    textDevices_->setObjectName("ListBox_textDevice");
    for (const auto& name : data_.textDevices)
        textDevices_->addItem(Q(name));
    textDevices_->setMaximumHeight(120);
    QHBoxLayout* row = Row(form, "Ausgabeformat", textDevices_);
    row->addWidget(Check(&ConfigDialogData::textDeviceDialog, "CheckBox_textDeviceDialog",
                         "Ausgabeformat abfragen"));
    row = Row(form, "Textfenster", nullptr);
    const char* labels[4] = {"links", "oben", "Breite", "Höhe"};
    const char* names[4] = {"Edit_textLeft", "Edit_textTop", "Edit_textWidth", "Edit_textHeight"};
    for (int i = 0; i < 4; ++i) {
        textWindow_[i] = new QLineEdit;
        textWindow_[i]->setObjectName(names[i]);
        row->addWidget(new QLabel(QString::fromUtf8(labels[i])));
        row->addWidget(textWindow_[i]);
    }
    Default(row, ConfigButton::TextWindowDefault, "Button_textWindowDefault");
    Row(form, "Einheit",
        Combo(&ConfigDialogData::englishUnits, "ComboBox_englishUnits",
              {"Metrisch (mm, N, MPa)", "Englisch (in, lbf, psi)"}));
    Row(form, "Winkel",
        Combo(&ConfigDialogData::angleFormat, "ComboBox_angleFormat",
              {QString::fromUtf8("15.1234°"), QString::fromUtf8("15° 7' 26\"")}));
    Row(form, "Textausdruck",
        Combo(&ConfigDialogData::headerMode, "ComboBox_headerMode",
              {"mit Kopf", "Kopf nur 1.Seite"}));
    row = Row(form, "Font", Edit(&ConfigDialogData::printFontName, "Edit_printFont"));
    printFontSize_ = new QLabel;
    printFontSize_->setObjectName("Label_printFontSize");
    printFontStyle_ = new QLabel;
    printFontStyle_->setObjectName("Label_printFontStyle");
    row->addWidget(printFontSize_);
    row->addWidget(printFontStyle_);
    Button(row, "Font..", "Button_printFont", [this] { ChooseFont(true); });
    HelpButton(Row(form, "", nullptr), kHelpConfigText);
    return page;
}

QWidget* Tconfig::OptionsPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    Row(form, "Hilfegrad",
        Combo(&ConfigDialogData::helpLevel, "ComboBox_helpLevel",
              {"0 : Keine Info nach Eingabe", "1 : Normale Einstellung",
               "2 : Erweiterte Hilfe, Einzeleingabe"}));
    Row(form, "Dezimalzeichen",
        Combo(&ConfigDialogData::decimalComma, "ComboBox_decimalComma", {"x.xx", "x,xx"}));
    Row(form, "Dezimalzeichen Excel",
        Combo(&ConfigDialogData::exportDecimal, "ComboBox_exportDecimal",
              {"English x.xx", "German x,xx"}));
    Row(form, "Anzahl der Dezimalstellen",
        Spin(&ConfigDialogData::decimalPlaces, "SpinEdit_decimalPlaces"));
    form->addRow(
        Check(&ConfigDialogData::archiveMode, "CheckBox_archiveMode", "Archivierungsmodus ?"));
    Row(form, "Sonderzeichen",
        Combo(&ConfigDialogData::plainCharacters, "ComboBox_plainCharacters",
              {QString::fromUtf8("²  µ  °"), "2 u  deg"}));
    Row(form, "Ergebnisgrafik",
        Combo(&ConfigDialogData::resultGraphic, "ComboBox_resultGraphic",
              {"egal", "Quick 1", "Quick 2", "Fertigungszeichnung", "Diagramm", "Zeichnung"}));
    return page;
}

QWidget* Tconfig::ExternPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    plotLines_ = new QListWidget;
    plotLines_->setObjectName("ListBox_plotLines");
    plotLines_->setMaximumHeight(110);
    QHBoxLayout* row = Row(form, "KARTUNO Kommandozeilen", plotLines_);
    auto edit = [this] {
        const int k = std::max(plotLines_->currentRow(), 0);
        bool ok = false;
        const QString line =
            QInputDialog::getText(this, "KARTUNO Kommandozeile", "KARTUNO Kommandozeile",
                                  QLineEdit::Normal, plotLines_->item(k)->text(), &ok);
        if (ok) plotLines_->item(k)->setText(line.left(80));
    };
    // "Config": the plotting parameters form builds the line of the selected slot.
    auto configure = [this] {
        const int k = std::max(plotLines_->currentRow(), 0);
        PlotFormData form;
        form.line = plotLines_->item(k)->text().toStdString();
        form.tempDir = data_.tempDir;
        form.initial.outDir = data_.tempDir;
        form.hints = !data_.plotHints.empty();
        form.hintTexts = data_.plotHints;
        TForm_confkartuno dialog(this, form, [this](bool) {
            if (data_.help) data_.help(kHelpPlotLines);
        });
        if (dialog.exec() == QDialog::Accepted)
            plotLines_->item(k)->setText(QString::fromStdString(dialog.Line()).left(80));
    };
    Button(row, "Einrichten", "Button_plotConfig", configure);
    Button(row, "Bearbeiten", "Button_plotEdit", edit);
    connect(plotLines_, &QListWidget::itemDoubleClicked, this, configure);
    auto program = [this](QLineEdit* target) {
        const QString path = QFileDialog::getOpenFileName(this, {}, target->text());
        if (!path.isEmpty()) target->setText(path);
    };
    QLineEdit* text = Edit(&ConfigDialogData::textProgram, "Edit_textProgram");
    Button(Row(form, "Textprogramm", text), "...", "Button_textProgram",
           [program, text] { program(text); });
    QLineEdit* browser = Edit(&ConfigDialogData::htmlBrowser, "Edit_htmlBrowser");
    Button(Row(form, "HTML Browser", browser), "...", "Button_htmlBrowser",
           [program, browser] { program(browser); });
    return page;
}

QWidget* Tconfig::DrawingPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Check(&ConfigDialogData::showTitle, "CheckBox_showTitle", "Programmtitel ?"));
    layout->addWidget(
        Check(&ConfigDialogData::showFileName, "CheckBox_showFileName", "file name  ?"));
    layout->addWidget(Check(&ConfigDialogData::showDate, "CheckBox_showDate", "Datum ?"));
    layout->addWidget(Check(&ConfigDialogData::showLogo, "CheckBox_showLogo", "$logo_1.dx$ ?"));
    layout->addStretch();
    return page;
}

void Tconfig::Collect() {
    for (auto& [edit, field] : edits_)
        data_.*field = S(edit->text());
    // A stored value without an entry shows nothing and stays as it was.
    for (auto& [combo, field] : combos_)
        if (combo->currentIndex() >= 0) data_.*field = combo->currentIndex();
    for (auto& [check, field] : checks_)
        data_.*field = check->isChecked();
    for (auto& [spin, field] : spins_)
        data_.*field = spin->value();
    for (int i = 0; i < 3; ++i)
        data_.angles3D[i] = S(angles_[i]->text());
    for (int i = 0; i < 4; ++i)
        data_.textWindow[i] = S(textWindow_[i]->text());
    for (int r = 0; r < 5; ++r) {
        const QTableWidgetItem* name = layers_->item(r, 0);
        data_.layers[r] = {name ? S(name->text()) : std::string(), CellInt(layers_, r, 1),
                           CellInt(layers_, r, 2)};
    }
    data_.layerRow = std::max(layers_->currentRow(), 0);
    for (int k = 0; k < 16; ++k)
        data_.colorLayers[k] = {"", CellInt(colorLayers_, k, 1), CellInt(colorLayers_, k, 2)};
    data_.textDevice = textDevices_->currentRow();
    for (int k = 0; k < 5; ++k)
        data_.plotCommandLines[k] = S(plotLines_->item(k)->text());
}

void Tconfig::Show() {
    for (auto& [edit, field] : edits_)
        edit->setText(Q(data_.*field));
    for (auto& [combo, field] : combos_)
        combo->setCurrentIndex(data_.*field);
    for (auto& [check, field] : checks_)
        check->setChecked(data_.*field);
    for (auto& [spin, field] : spins_)
        spin->setValue(data_.*field);
    for (int i = 0; i < 3; ++i)
        angles_[i]->setText(Q(data_.angles3D[i]));
    for (int i = 0; i < 4; ++i)
        textWindow_[i]->setText(Q(data_.textWindow[i]));
    for (int r = 0; r < 5; ++r) {
        auto* name = Cell(Q(data_.layers[r].name));
        layers_->setItem(r, 0, name);
        layers_->setItem(r, 1, Cell(QString::number(data_.layers[r].color)));
        layers_->setItem(r, 2, Cell(QString::number(data_.layers[r].thickness)));
    }
    for (int k = 0; k < 16; ++k) {
        const ConfigLayerRow& row = data_.colorLayers[k];
        colorLayers_->setItem(k, 0, Cell(ColorLayerCaption(k, row.color), false));
        colorLayers_->setItem(k, 1, Cell(QString::number(row.color)));
        colorLayers_->setItem(k, 2, Cell(QString::number(row.thickness)));
    }
    textDevices_->setCurrentRow(data_.textDevice);
    plotLines_->clear();
    for (const auto& line : data_.plotCommandLines)
        plotLines_->addItem(Q(line));
    graphFontStyle_->setText(QString::number(data_.graphFontStyle));
    printFontSize_->setText(QString::number(data_.printFontSize));
    printFontStyle_->setText(QString::number(data_.printFontStyle));
    ShowBackground();
}

void Tconfig::ShowBackground() {
    QPalette p = backgroundPanel_->palette();
    p.setColor(QPalette::Window, PaletteQColor(data_.backgroundColor));
    backgroundPanel_->setPalette(p);
    backgroundPanel_->setText(ColorName(data_.backgroundColor));
}

void Tconfig::Press(ConfigButton button) {
    Collect();
    if (data_.press) data_.press(data_, button);
    Show();
}

void Tconfig::ChooseLayerColor(QTableWidget* grid, int row, int column) {
    TForm_selectcolor choice(this, CellInt(grid, row, column));
    if (choice.exec() != QDialog::Accepted) return;
    grid->item(row, column)->setText(QString::number(choice.Color()));
    if (grid == colorLayers_) grid->item(row, 0)->setText(ColorLayerCaption(row, choice.Color()));
}

void Tconfig::ChooseFont(bool print) {
    Collect();
    bool ok = false;
    const QFont initial =
        print ? FontOf(data_.printFontName, data_.printFontSize, data_.printFontStyle)
              : FontOf(data_.graphFontName, 0, data_.graphFontStyle);
    const QFont chosen = QFontDialog::getFont(&ok, initial, this, {},
                                              print ? QFontDialog::MonospacedFonts
                                                    : QFontDialog::FontDialogOptions());
    if (!ok) return;
    if (print) {
        data_.printFontName = S(chosen.family());
        data_.printFontSize = std::max(chosen.pointSize(), 1);
        data_.printFontStyle = StyleBits(chosen);
    } else {
        data_.graphFontName = S(chosen.family());
        data_.graphFontStyle = StyleBits(chosen);
    }
    Show();
}

} // namespace vak1
