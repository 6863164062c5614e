// The main window Thh: the menu bar mirrored from the program's menu state, the graphics
// window as its client area, and the dispatch of menu items to the command handlers.
#pragma once
#include <QHash>
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <string>

class QAction;
class QMenu;

namespace vak1 {

struct App;
struct MenuItem;
class TFquorgra;
class StatusLine;
class UndoHistory;

// Menu item name -> what the item does.
using CommandTable = std::map<std::string, std::function<void()>>;

struct GuiCommands {
    CommandTable items;
    // Asked when the window is to close; false keeps it open (the save-changes question).
    std::function<bool()> closeQuery;
    // Runs once the dialogs work and before the window shows; false ends the program with
    // the exit code it leaves.
    std::function<bool(int& exitCode)> startUp;
    // Runs once the graphics window has its size, before the window shows.
    std::function<void()> started;
};

class Thh : public QMainWindow {
  public:
    Thh(App& app, GuiCommands commands, QWidget* parent = nullptr);
    ~Thh() override;

    // Runs the item's command as a menu click does.
    void RunCommand(const std::string& name);
    // Menu captions, visibility, window caption and picture brought up to date.
    void SyncFromCore();
    QAction* Action(const std::string& name) const;
    TFquorgra* Graphics() const { return graphics_; }
    void ShowAbout();
    UndoHistory& History() { return *history_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void AddItems(QMenu& menu, const MenuItem& parent);
    void SyncItem(const MenuItem& item);
    // Why a disabled menu item cannot be used now (its tooltip), in the menu language.
    QString DisabledReason(const std::string& name) const;
    // The first line of the item's help entry (kept until the help folder changes).
    QString HelpTip(const std::string& name);
    void AddBuiltInCommands();
    // Edit -> "Rückgängig" and "Wiederherstellen" at the top of the edit menu.
    void AddUndoItems();

    App& app_;
    GuiCommands commands_;
    TFquorgra* graphics_;
    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
    std::unique_ptr<StatusLine> status_;
    QHash<int, QString> helpTips_;
    std::string helpTipsFolder_;
    std::unique_ptr<UndoHistory> history_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

// The text of the box shown for an item whose command is not built yet.
QString NotYetAvailableText();

} // namespace vak1
