// The browser's dialog: choosing an entry or spinning shows that picture; the buttons close
// it with an operation on the index, "&Hilfe" shows the help and stays.
#include "gui/picturewindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <tuple>

namespace vak1 {

Thilfebild::Thilfebild(QWidget* parent, const PictureBrowserData& data, const HelpHandler& help)
    : QDialog(parent) {
    setObjectName("Thilfebild");
    setWindowTitle(QString::fromStdString(data.caption));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    list_ = new QComboBox;
    list_->setObjectName("ComboBox_bilder");
    for (const auto& entry : data.entries)
        list_->addItem(QString::fromStdString(entry));
    list_->setCurrentIndex(data.selected - 1);
    list_->setMinimumContentsLength(50);
    connect(list_, &QComboBox::activated, this, [this] { CloseWith(PictureBrowserAction::Show); });
    row->addWidget(list_, 1);
    auto* spin = new QVBoxLayout;
    spin->setSpacing(0);
    for (auto [name, arrow, delta] : {std::tuple{"SpinButton_up", Qt::UpArrow, -1},
                                      std::tuple{"SpinButton_down", Qt::DownArrow, 1}}) {
        auto* b = new QToolButton;
        b->setObjectName(name);
        b->setArrowType(arrow);
        connect(b, &QToolButton::clicked, this, [this, delta = delta] { Step(delta); });
        spin->addWidget(b);
    }
    row->addLayout(spin);
    layout->addLayout(row);

    auto* buttons = new QHBoxLayout;
    auto add = [&](const char* name, const char* caption, std::function<void()> onClick) {
        return AddButton(*buttons, name, QString::fromUtf8(caption), std::move(onClick));
    };
    using A = PictureBrowserAction;
    add("Button_ok", "OK", [this] { CloseWith(A::Close); })->setDefault(true);
    add("Button_help", "&Hilfe", [help] {
        if (help) help(false);
    });
    add("Button_neu", "&Neu", [this] { CloseWith(A::Add); });
    add("Button_aendern", "&Ändern", [this] { CloseWith(A::Change); });
    add("Button_einfuegen", "&Einfügen", [this] { CloseWith(A::Insert); });
    add("Button_loeschen", "&Löschen", [this] { CloseWith(A::Delete); });
    add("Button_plot", "&Plotten", [this] { CloseWith(A::Plot); });
    layout->addLayout(buttons);
}

int Thilfebild::Selected() const {
    return list_->currentIndex() + 1;
}

void Thilfebild::CloseWith(PictureBrowserAction action) {
    action_ = action;
    accept();
}

void Thilfebild::Step(int delta) {
    const int next = list_->currentIndex() + delta;
    if (next < 0 || next >= list_->count()) return;
    list_->setCurrentIndex(next);
    CloseWith(PictureBrowserAction::Show);
}

} // namespace vak1
