// Layout and keys of the generic input dialogs.
#include "gui/valuedialogs.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "gui/fieldchecks.h"
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vak1 {
namespace {

constexpr int kRadioLineHeight = 25;

QLabel* PromptLabel(const QString& prompt) {
    auto* label = new QLabel(prompt);
    label->setObjectName("Label_prompt");
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QPushButton* Button(const QString& caption, const char* name) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    // Only "OK" may take Enter, whichever button has the focus.
    b->setAutoDefault(false);
    return b;
}

} // namespace

QPushButton* AddButton(QBoxLayout& row, const char* name, const QString& caption,
                       std::function<void()> onClick) {
    QPushButton* b = Button(caption, name);
    QObject::connect(b, &QPushButton::clicked, b, std::move(onClick));
    row.addWidget(b);
    return b;
}

void AddDialogButtons(QDialog& dialog, QBoxLayout& layout, const HelpHandler& help) {
    auto* row = new QHBoxLayout;
    QPushButton* ok = Button("OK", "Button_ok");
    QPushButton* cancel = Button("Abbrechen", "Button_cancel");
    QPushButton* helpText = Button("&Hilfetext", "Button_helptext");
    QPushButton* helpPicture = Button("Hilfe&bild", "Button_helppicture");
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(helpText, &QPushButton::clicked, &dialog, [help] {
        if (help) help(false);
    });
    QObject::connect(helpPicture, &QPushButton::clicked, &dialog, [help] {
        if (help) help(true);
    });
    for (QPushButton* b : {ok, cancel, helpText, helpPicture})
        row->addWidget(b);
    layout.addLayout(row);
}

TextInputDialog::TextInputDialog(QWidget* parent, const QString& caption, const QString& prompt,
                                 int maxLength, const QString& text, const HelpHandler& help,
                                 bool number)
    : QDialog(parent) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PromptLabel(prompt));
    edit_ = new QLineEdit;
    edit_->setObjectName("Edit");
    LimitText(edit_, maxLength);
    if (number) AcceptNumbers(edit_);
    edit_->setText(text);
    edit_->selectAll();
    const QString unit = number ? UnitOfPrompt(prompt) : QString();
    if (unit.isEmpty()) {
        layout->addWidget(edit_);
    } else {
        auto* field = new QHBoxLayout;
        field->addWidget(edit_, 1);
        auto* label = new QLabel(unit);
        label->setObjectName("Label_unit");
        field->addWidget(label);
        layout->addLayout(field);
    }
    AddDialogButtons(*this, *layout, help);
    edit_->setFocus();
    setMinimumWidth(360);
}

QString TextInputDialog::Text() const {
    return edit_->text();
}

ChoiceInputDialog::ChoiceInputDialog(QWidget* parent, const QString& caption, const QString& prompt,
                                     const QStringList& lines, bool asList, int choice,
                                     const HelpHandler& help)
    : QDialog(parent) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PromptLabel(prompt));
    const int current = choice < 1 || choice > lines.size() ? 1 : choice;
    if (asList) {
        list_ = new QListWidget;
        list_->setObjectName("ListBox");
        list_->addItems(lines);
        if (!lines.isEmpty()) list_->setCurrentRow(current - 1);
        connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
        layout->addWidget(list_);
        list_->setFocus();
    } else {
        auto* box = new QGroupBox;
        box->setObjectName("RadioGroup");
        auto* column = new QVBoxLayout(box);
        radios_ = new QButtonGroup(this);
        for (int i = 0; i < lines.size(); ++i) {
            auto* radio = new QRadioButton(lines[i]);
            radio->setObjectName(QString("Radio_%1").arg(i + 1));
            radio->setMinimumHeight(kRadioLineHeight - column->spacing());
            radios_->addButton(radio, i + 1);
            column->addWidget(radio);
        }
        if (QAbstractButton* b = radios_->button(current)) {
            b->setChecked(true);
            b->setFocus();
        }
        layout->addWidget(box);
    }
    AddDialogButtons(*this, *layout, help);
    setMinimumWidth(420);
}

int ChoiceInputDialog::Choice() const {
    if (list_) return list_->currentRow() + 1;
    return radios_->checkedId();
}

YesNoInputDialog::YesNoInputDialog(QWidget* parent, const QString& caption, const QString& prompt,
                                   bool yes, const HelpHandler& help)
    : QDialog(parent) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PromptLabel(prompt));
    auto* box = new QGroupBox("Auswahl");
    box->setObjectName("RadioGroup");
    auto* column = new QVBoxLayout(box);
    auto* yesButton = new QRadioButton("&Ja");
    yesButton->setObjectName("Radio_ja");
    no_ = new QRadioButton("&Nein");
    no_->setObjectName("Radio_nein");
    column->addWidget(yesButton);
    column->addWidget(no_);
    (yes ? yesButton : no_)->setChecked(true);
    (yes ? yesButton : no_)->setFocus();
    layout->addWidget(box);
    AddDialogButtons(*this, *layout, help);
    setMinimumWidth(360);
}

bool YesNoInputDialog::Yes() const {
    return !no_->isChecked();
}

} // namespace vak1
