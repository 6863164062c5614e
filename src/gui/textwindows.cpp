// Layout and menus of the output window and of the explanation window.
#include "gui/textwindows.h"
#include "gui/qtext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vak1 {
namespace {

// Style bits: 1 bold, 2 italic, 4 underline, 8 strike-out.
QFont DocumentFont(const TextWindow& w) {
    QFont f(Q(w.fontName.empty() ? std::string("Courier New") : w.fontName));
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSize(w.fontSize > 0 ? w.fontSize : 10);
    f.setBold(w.fontStyle & 1);
    f.setItalic(w.fontStyle & 2);
    f.setUnderline(w.fontStyle & 4);
    f.setStrikeOut(w.fontStyle & 8);
    return f;
}

QPlainTextEdit* Memo(const char* name, const std::string& text) {
    auto* memo = new QPlainTextEdit(Q(text));
    memo->setObjectName(name);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return memo;
}

} // namespace

TForm_showtextfile::TForm_showtextfile(QWidget* parent, TextWindow& window)
    : QDialog(parent), window_(window) {
    setObjectName("TForm_showtextfile");
    setWindowTitle(Q(window.caption));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu("&Datei");
    file->setObjectName("Menu_datei");
    QAction* exportText = file->addAction("Export &Notepad");
    exportText->setObjectName("mi_export");
    QAction* print = file->addAction("&Drucken...");
    print->setObjectName("mi_print");
    QAction* quit = file->addAction("&Beenden       ");
    quit->setObjectName("mi_exit");
    QMenu* edit = bar->addMenu("&Bearbeiten");
    edit->setObjectName("Menu_bearbeiten");
    QAction* selectAll = edit->addAction(QString::fromUtf8("Alles aus&wählen"));
    selectAll->setObjectName("mi_selectall");
    QAction* copy = edit->addAction("&Kopieren");
    copy->setObjectName("mi_copy");
    layout->setMenuBar(bar);

    memo_ = Memo("Memo", window.text);
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setFont(DocumentFont(window));
    layout->addWidget(memo_);

    connect(exportText, &QAction::triggered, this, [this] {
        if (window_.exportText) window_.exportText();
    });
    connect(print, &QAction::triggered, this, [this] {
        if (window_.print) window_.print();
    });
    connect(quit, &QAction::triggered, this, &QDialog::accept);
    connect(selectAll, &QAction::triggered, memo_, &QPlainTextEdit::selectAll);
    connect(copy, &QAction::triggered, memo_, &QPlainTextEdit::copy);

    if (window.width > 0 && window.height > 0)
        setGeometry(window.left, window.top, window.width, window.height);
    else
        resize(800, 600);
}

void TForm_showtextfile::done(int result) {
    const QRect r = geometry();
    window_.left = r.left();
    window_.top = r.top();
    window_.width = r.width();
    window_.height = r.height();
    QDialog::done(result);
}

Thelperr::Thelperr(QWidget* parent, Ui& ui, const Explanation& explanation) : QDialog(parent) {
    setObjectName("Thelperr");
    setWindowTitle("Fehlermeldung");
    auto* layout = new QVBoxLayout(this);
    auto label = [&](const char* text, QWidget* buddy) {
        auto* l = new QLabel(text);
        l->setBuddy(buddy);
        layout->addWidget(l);
        layout->addWidget(buddy);
    };
    message_ = new QLineEdit(Q(explanation.message));
    message_->setObjectName("Edit_meldung");
    message_->setReadOnly(true);
    cause_ = Memo("Memo_ursache", explanation.cause);
    remedy_ = Memo("Memo_abhilfe", explanation.remedy);
    label("Fehlermeldung", message_);
    label("Ursache", cause_);
    label("Abhilfe", remedy_);
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton("OK");
    ok->setObjectName("Button_ok");
    ok->setDefault(true);
    auto* help = new QPushButton("&Hilfe");
    help->setObjectName("Button_hilfe");
    help->setAutoDefault(false);
    row->addWidget(ok);
    row->addWidget(help);
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [&ui] { ui.Help(false); });
    for (QPlainTextEdit* memo : {cause_, remedy_})
        connect(memo, &QPlainTextEdit::textChanged, this, [this] { changed_ = true; });
    resize(560, 380);
}

void Thelperr::Collect(Explanation& explanation) const {
    explanation.message = message_->text().toStdString();
    explanation.cause = cause_->toPlainText().toStdString();
    explanation.remedy = remedy_->toPlainText().toStdString();
    explanation.changed = changed_;
}

} // namespace vak1
