// Menu bar, command dispatch and caption of the main window.
#include "gui/MainWindow.h"
#include "gui/qtext.h"
#include "gui/translations.h"

#include <algorithm>

#include <QAction>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

#include "app/App.h"
#include "app/mainmenu.h"
#include "app/notes.h"
#include "app/menuhelp.h"
#include "gui/GraphicsWidget.h"
#include "gui/statusline.h"
#include "gui/undohistory.h"
#include "help/helptext.h"
#include "app/contour.h"
#include "platform/Ui.h"

namespace vak1 {
namespace {

// mi_file1 .. mi_file4, whose captions are "&k " + a path.
bool IsRecentFileItem(const std::string& name) {
    return name.size() == 8 && name.rfind("mi_file", 0) == 0 && name[7] >= '1' && name[7] <= '4';
}

} // namespace

QString Thh::DisabledReason(const std::string& name) const {
    if (name == "mi_viewErrorMessages")
        return TrCore("Die letzte Berechnung hat keine Fehlermeldungen.");
    if (name == "mi_helpDemo") return TrCore(kNoDemonstrationText);
    if (name == "mi_OleExportExcel" || name == "mi_OleImportExcel")
        return TrCore("Zuerst „Start Excel“ wählen.");
    return {};
}

QString Thh::HelpTip(const std::string& name) {
    const uint16_t number = MenuItemHelp(name);
    if (number == 0) return {};
    const std::string folder = app_.Config.PltDir +
                               char('0' + static_cast<int>(app_.Config.PlainCharacters)) +
                               std::to_string(app_.Config.MenuLanguage);
    if (folder != helpTipsFolder_) {
        helpTips_.clear();
        helpTipsFolder_ = folder;
    }
    auto it = helpTips_.find(number);
    if (it == helpTips_.end()) it = helpTips_.insert(number, Q(HelpFirstLine(app_.Config, number)));
    return *it;
}

QString NotYetAvailableText() {
    return QString::fromUtf8("Diese Funktion folgt in einer späteren Version.");
}

Thh::Thh(App& app, GuiCommands commands, QWidget* parent)
    : QMainWindow(parent), app_(app), commands_(std::move(commands)) {
    setObjectName("Thh");
    graphics_ = new TFquorgra(app_, this);
    setCentralWidget(graphics_);
    status_ = std::make_unique<StatusLine>(*statusBar(), [this] {
        if (ShownMessageCount(app_) > 0) RunCommand("mi_viewErrorMessages");
    });
    graphics_->cursorMoved = [this](long double x, long double y) {
        status_->ShowCursor(CursorText(app_, x, y));
    };
    graphics_->positionPicked = [this](uint16_t k) { status_->ShowPicked(app_, k); };
    // The whole drag is one change of the project: one step back.
    graphics_->positionDragged = [this](uint16_t k, long double y, long double z) {
        RunChange("mi_editDragPosition", [&] { MovePosition(app_, k, y, z); });
        status_->ShowPicked(app_, k);
    };
    AddBuiltInCommands();
    history_ = std::make_unique<UndoHistory>(app_);
    undo_ = new QAction(tr("&Rückgängig"), this);
    undo_->setObjectName("mi_editUndo");
    undo_->setShortcut(QKeySequence("Ctrl+Z"));
    redo_ = new QAction(tr("&Wiederherstellen"), this);
    redo_->setObjectName("mi_editRedo");
    redo_->setShortcut(QKeySequence("Ctrl+Shift+Z"));
    connect(undo_, &QAction::triggered, this, [this] {
        history_->Undo();
        SyncFromCore();
        FollowPicked();
    });
    connect(redo_, &QAction::triggered, this, [this] {
        history_->Redo();
        SyncFromCore();
        FollowPicked();
    });
    BuildMenus();
    SyncFromCore();
    graphics_->setFocus();
}

Thh::~Thh() = default;

void Thh::AddBuiltInCommands() {
    auto add = [&](const std::string& name, std::function<void()> fn) {
        commands_.items.try_emplace(name, std::move(fn));
    };
    add("mi_fileexit", [this] { close(); });
    add("mi_HelpAbout", [this] { ShowAbout(); });
    for (const char* name :
         {"mi_helplanguageDeutsch", "mi_helplanguageEnglish", "mi_helplanguageFrancais",
          "mi_helplanguageRoman", "mi_helplanguageKorea"}) {
        const int n = LanguageOfItem(name);
        add(name, [this, n] {
            SetLanguage(app_, n);
            LoadQtTranslations(n);
        });
    }
}

void Thh::BuildMenus() {
    menuBar()->clear();
    actions_.clear();
    menus_.clear();
    for (const MenuItem& top : app_.Menu.Bar.items) {
        QMenu* menu = menuBar()->addMenu(Q(top.caption));
        menu->setToolTipsVisible(true);
        menu->setObjectName(Q(top.name));
        menus_.insert(Q(top.name), menu);
        AddItems(*menu, top);
    }
    AddUndoItems();
}

void Thh::AddUndoItems() {
    QMenu* edit = menus_.value("mi_Edit");
    if (!edit) return;
    QAction* first = edit->actions().value(0);
    edit->insertAction(first, undo_);
    edit->insertAction(first, redo_);
    edit->insertSeparator(first);
    actions_.insert(undo_->objectName(), undo_);
    actions_.insert(redo_->objectName(), redo_);
}

void Thh::AddItems(QMenu& menu, const MenuItem& parent) {
    for (const MenuItem& item : parent.items) {
        if (item.separator) {
            QAction* sep = menu.addSeparator();
            if (!item.name.empty()) actions_.insert(Q(item.name), sep);
            continue;
        }
        if (!item.items.empty()) {
            QMenu* sub = menu.addMenu(Q(item.caption));
            sub->setToolTipsVisible(true);
            sub->setObjectName(Q(item.name));
            menus_.insert(Q(item.name), sub);
            AddItems(*sub, item);
            continue;
        }
        QAction* action = menu.addAction(Q(item.caption));
        action->setObjectName(Q(item.name));
        if (!item.shortcut.empty()) action->setShortcut(QKeySequence(Q(item.shortcut)));
        const std::string name = item.name;
        connect(action, &QAction::triggered, this, [this, name] { RunCommand(name); });
        actions_.insert(Q(item.name), action);
    }
}

QAction* Thh::Action(const std::string& name) const {
    return actions_.value(Q(name));
}

void Thh::RunCommand(const std::string& name) {
    RunChange(name, [&] {
        const auto it = commands_.items.find(name);
        if (it != commands_.items.end() && it->second) {
            it->second();
        } else if (app_.Env.ui) {
            app_.Env.ui->MessageBox(MessageKind::Info,
                                    "Meldung:", NotYetAvailableText().toStdString());
        }
    });
}

// The picked position's coordinates in the status bar as a step back or forth leaves them.
void Thh::FollowPicked() {
    if (app_.State.PickedPosition != 0) status_->ShowPicked(app_, app_.State.PickedPosition);
}

void Thh::RunChange(const std::string& name, const std::function<void()>& change) {
    app_.State.AbortFlag = 0;
    status_->CommandStarted();
    history_->Run(name, change);
    status_->CommandDone(app_, name);
    SyncFromCore();
}

void Thh::SyncItem(const MenuItem& item) {
    const QString name = Q(item.name);
    if (QMenu* menu = menus_.value(name)) {
        menu->setTitle(TrCore(Q(item.caption)));
        menu->menuAction()->setVisible(item.visible);
        menu->setEnabled(item.enabled);
    } else if (QAction* action = actions_.value(name)) {
        if (!item.separator) {
            // A "&" in a file name is a letter, not an access key.
            QString caption = TrCore(Q(item.caption));
            if (IsRecentFileItem(item.name) && caption.size() > 3)
                caption = caption.left(3) + caption.mid(3).replace("&", "&&");
            action->setText(caption);
            action->setEnabled(item.enabled);
            // Why a disabled item cannot be used wins over what the item is for.
            QString tip = item.enabled ? QString() : DisabledReason(item.name);
            if (tip.isEmpty()) tip = HelpTip(item.name);
            action->setToolTip(tip);
            // The language items: a check mark at the language in use (0 is German).
            if (const int n = LanguageOfItem(item.name)) {
                action->setCheckable(true);
                action->setChecked(n == std::max(app_.Config.MenuLanguage, 1));
            }
        }
        action->setVisible(item.visible);
    }
    for (const MenuItem& child : item.items)
        SyncItem(child);
}

void Thh::SyncFromCore() {
    // The language items are commands of the core: the windows follow the language it keeps.
    FollowMenuLanguage(app_.Config.MenuLanguage);
    RefreshMenu(app_);
    SyncItem(app_.Menu.Bar);
    const QString caption = TrCore(Q(WindowCaption(app_.State)));
    setWindowTitle(caption + "[*]");
    setWindowModified(app_.State.ModifiedFlag != 0);
    QCoreApplication::setApplicationName(caption);
    undo_->setEnabled(history_->Stack().canUndo());
    redo_->setEnabled(history_->Stack().canRedo());
    status_->ShowCalculation(app_);
    graphics_->Refresh();
}

void Thh::ShowAbout() {
    QMessageBox box(QMessageBox::Information, Q(kProgramName),
                    Q(std::string(kProgramTitle) + "\n\nVersion " + kVersion), QMessageBox::Ok,
                    this);
    box.setObjectName("AboutBox");
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void Thh::closeEvent(QCloseEvent* event) {
    app_.State.AbortFlag = 0;
    if (commands_.closeQuery && !commands_.closeQuery()) {
        event->ignore();
        SyncFromCore();
        return;
    }
    event->accept();
}

} // namespace vak1
