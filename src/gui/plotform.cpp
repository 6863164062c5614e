// Layout and behaviour of the plotting parameter form.
#include "gui/plotform.h"
#include "gui/qtext.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "cad/plotline.h"

namespace vak1 {
namespace {

QButtonGroup* RadioGroup(QWidget* owner, QVBoxLayout& layout, const char* name, const char* title,
                         const QStringList& items, int checked) {
    auto* box = new QGroupBox(QString::fromUtf8(title));
    box->setObjectName(name);
    auto* inner = new QVBoxLayout(box);
    auto* group = new QButtonGroup(owner);
    for (int i = 0; i < items.size(); ++i) {
        auto* r = new QRadioButton(items[i]);
        group->addButton(r, i);
        inner->addWidget(r);
        r->setChecked(i == checked);
    }
    layout.addWidget(box);
    return group;
}

QLineEdit* Edit(const char* name, const std::string& text) {
    auto* e = new QLineEdit(Q(text));
    e->setObjectName(name);
    return e;
}

} // namespace

TForm_confkartuno::TForm_confkartuno(QWidget* parent, const PlotFormData& data,
                                     const HelpHandler& help)
    : QDialog(parent), passed_(data.line) {
    setObjectName("TForm_confkartuno");
    setWindowTitle("KARTUNO");
    const PlotFormFields& f = data.initial;
    auto* layout = new QVBoxLayout(this);

    auto* pathRow = new QHBoxLayout;
    path_ = Edit("Edit_kartunoPath", f.program);
    auto* browse = new QPushButton("...");
    browse->setObjectName("Button_kartunoPath");
    browse->setAutoDefault(false);
    pathRow->addWidget(path_);
    pathRow->addWidget(browse);
    layout->addLayout(pathRow);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getOpenFileName(
            this, {}, {},
            QString::fromUtf8("KARTUNO for Windows (wkartuno.exe);;KARTUNO for MS-DOS "
                              "(kartuno.exe);;Alle Dateien (*)"));
        if (!file.isEmpty()) path_->setText(file);
    });

    format_ = RadioGroup(this, *layout, "RadioGroup_outcode", "Ausgabeformat",
                         {"HP-GL Laserjet (HPL)", "Postscript (PS)", "HP-GL Plotter (PLT)",
                          "HP-GL/2 (PL2)", "Aristo (ART)"},
                         f.format);
    interface_ = RadioGroup(this, *layout, "RadioGroup_d", "Schnittstelle",
                            {"seriell", "parallel", "Datei"}, f.interface);

    auto* form = new QFormLayout;
    com_ = Edit("Edit_com", f.com);
    lpt_ = Edit("Edit_lpt", f.lpt);
    form->addRow("COM", com_);
    form->addRow("LPT", lpt_);
    auto* dirRow = new QHBoxLayout;
    outDir_ = Edit("Edit_outdir", f.outDir.empty() ? data.tempDir : f.outDir);
    dirButtons_ = new QWidget;
    auto* dirButtonsLayout = new QHBoxLayout(dirButtons_);
    dirButtonsLayout->setContentsMargins(0, 0, 0, 0);
    auto* pick = new QPushButton("Dir...");
    pick->setObjectName("Button_dir");
    auto* reset = new QPushButton("<");
    reset->setObjectName("Button_tempdir");
    pick->setAutoDefault(false);
    reset->setAutoDefault(false);
    dirButtonsLayout->addWidget(pick);
    dirButtonsLayout->addWidget(reset);
    dirRow->addWidget(outDir_);
    dirRow->addWidget(dirButtons_);
    form->addRow("Ordner", dirRow);
    const std::string tempDir = data.tempDir;
    connect(pick, &QPushButton::clicked, this, [this] {
        const QString dir = QFileDialog::getExistingDirectory(this, {}, outDir_->text());
        if (!dir.isEmpty()) outDir_->setText(dir);
    });
    connect(reset, &QPushButton::clicked, this, [this, tempDir] { outDir_->setText(Q(tempDir)); });

    scale_ = Edit("Edit_scale", f.scale);
    form->addRow(QString::fromUtf8("Maßstab"), scale_);
    fit_ = new QCheckBox(QString::fromUtf8("Maßstab anpassen ?"));
    fit_->setObjectName("CheckBox_scale");
    fit_->setChecked(f.fitScale);
    form->addRow(fit_);
    rotate_ = new QCheckBox("Plot um 90 Grad drehen ?");
    rotate_->setObjectName("CheckBox_rotate");
    rotate_->setChecked(f.rotate);
    form->addRow(rotate_);
    x_ = Edit("Edit_xnull", f.xOffset);
    y_ = Edit("Edit_ynull", f.yOffset);
    width_ = Edit("Edit_textbreitenfaktor", f.widthFactor);
    form->addRow("Nullpunkt x", x_);
    form->addRow("Nullpunkt y", y_);
    form->addRow("Textbreitenfaktor", width_);
    font_ = new QComboBox;
    font_->setObjectName("ComboBox_psfont");
    font_->setEditable(true);
    font_->addItems({"Times-Roman",
                     "Times-Italic",
                     "Times-Bold",
                     "Times-BoldItalic",
                     "Helvetica",
                     "Helvetica-Oblique",
                     "Helvetica-Bold",
                     "Helvetica-BoldOblique",
                     "Helvetica-Narrow",
                     "Helvetica-Narrow-Oblique",
                     "Helvetica-Narrow-Bold",
                     "Helvetica-Narrow-BoldOblique",
                     "Courier",
                     "Courier-Oblique",
                     "Courier-Bold",
                     "Courier-BoldOblique",
                     "Palatino-Roman",
                     "Palatino-Italic",
                     "Palatino-Bold",
                     "Palatino-BoldItalic",
                     "AvantGarde-Book",
                     "AvantGarde-Demi",
                     "AvantGarde-BookOblique",
                     "AvantGarde-DemiOblique",
                     "Bookman-Light",
                     "Bookman-Demi",
                     "Bookman-LightItalic",
                     "Bookman-DemiItalic",
                     "NewCenturySchlbk-Roman",
                     "NewCenturySchlbk-Bold",
                     "NewCenturySchlbk-Italic",
                     "NewCenturySchlbk-BoldItalic",
                     "ZapfChancery-MediumItalic",
                     "Symbol",
                     "andere Schriften"});
    font_->setCurrentText(Q(f.psFont));
    form->addRow("Postscript", font_);
    layout->addLayout(form);

    layout->addWidget(new QLabel("Kommandozeile:"));
    line_ = new QLabel;
    line_->setObjectName("Label_commandline");
    line_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(line_);
    AddDialogButtons(*this, *layout, help);

    for (QLineEdit* e : {path_, com_, lpt_, outDir_, scale_, x_, y_, width_})
        connect(e, &QLineEdit::textChanged, this, [this] { Changed(); });
    for (QButtonGroup* g : {format_, interface_})
        connect(g, &QButtonGroup::idClicked, this, [this] { Changed(); });
    for (QCheckBox* c : {fit_, rotate_})
        connect(c, &QCheckBox::toggled, this, [this] { Changed(); });
    connect(font_, &QComboBox::currentTextChanged, this, [this] { Changed(); });
    if (data.hints && data.hintTexts.size() == 9) {
        const std::vector<std::vector<QWidget*>> hinted = {
            {path_},      {format_->buttons().first()->parentWidget()},
            {com_, lpt_}, {outDir_},
            {scale_},     {rotate_},
            {x_, y_},     {width_},
            {font_}};
        for (std::size_t k = 0; k < hinted.size(); ++k)
            for (QWidget* w : hinted[k])
                w->setToolTip(Q(data.hintTexts[k]));
    }
    filling_ = false;
    EnableFields();
    line_->setText(Q(passed_));
}

PlotFormFields TForm_confkartuno::Fields() const {
    PlotFormFields f;
    f.program = S(path_->text());
    f.format = format_->checkedId();
    f.interface = interface_->checkedId();
    f.com = S(com_->text());
    f.lpt = S(lpt_->text());
    f.outDir = S(outDir_->text());
    f.scale = S(scale_->text());
    f.fitScale = fit_->isChecked();
    f.rotate = rotate_->isChecked();
    f.xOffset = S(x_->text());
    f.yOffset = S(y_->text());
    f.widthFactor = S(width_->text());
    f.psFont = S(font_->currentText());
    return f;
}

void TForm_confkartuno::EnableFields() {
    const int iface = interface_->checkedId();
    com_->setEnabled(iface == 0);
    lpt_->setEnabled(iface == 1);
    outDir_->setEnabled(iface == 2);
    dirButtons_->setEnabled(iface == 2);
    if (fit_->isChecked()) scale_->setText("0");
    scale_->setEnabled(!fit_->isChecked());
    font_->setEnabled(format_->checkedId() == 1);
}

void TForm_confkartuno::Changed() {
    if (filling_) return;
    filling_ = true;
    EnableFields();
    filling_ = false;
    changed_ = true;
    line_->setText(Q(FormPlotLine(Fields())));
}

std::string TForm_confkartuno::Line() const {
    return changed_ ? FormPlotLine(Fields()) : passed_;
}

} // namespace vak1
