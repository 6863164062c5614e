// Start of the desktop program.
#include "gui/RunGui.h"
#include "gui/translations.h"

#include <algorithm>

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QStatusBar>
#include <QTextStream>
#include <memory>

#include "app/App.h"
#include "gui/GraphicsWidget.h"
#include "gui/QtUi.h"
#include "help/helptext.h"
#include "dialogs/dialogs.h"
#include "settings/settingsfile.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

// A reference size of 0 or 0xFFFF (-1 in the settings file) is not set.
uint16_t ReferenceSize(uint16_t setting, int screen, int frame) {
    if (setting != 0 && setting != 0xFFFF) return setting;
    return static_cast<uint16_t>(std::clamp(screen - frame, 1, 0xFFFE));
}

// The main window's place from one start to the next: "left top width height" in a small
// file beside the settings file; none while the settings have no folder.
QString WindowPlaceFile(const App& app) {
    if (app.Config.SettingsFolder.empty()) return {};
    return QString::fromStdString(SettingsFilePath(app.Config, "win"));
}

// The saved place when it is on a screen; the size only while the settings do not fix the
// drawing area's size.
void RestoreWindowPlace(QWidget& window, const App& app) {
    QFile file(WindowPlaceFile(app));
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly)) return;
    int x = 0, y = 0, width = 0, height = 0;
    QTextStream in(&file);
    in >> x >> y >> width >> height;
    if (in.status() != QTextStream::Ok) return;
    if (QGuiApplication::screenAt(QPoint(x, y)) == nullptr) return;
    window.move(x, y);
    if (!app.Graphics.FixedWidth && !app.Graphics.FixedHeight && width >= 100 && height >= 100)
        window.resize(width, height);
}

// Written like the program's other files: the old place stays unless the new one was
// written whole, and a failure is shown.
void SaveWindowPlace(const QWidget& window, App& app) {
    if (app.Config.SettingsFolder.empty()) return;
    MakeSettingsFolder(app.Config);
    TextFileWriter out;
    if (out.Open(SettingsFilePath(app.Config, "win")))
        out.WriteLine(std::to_string(window.pos().x()) + " " + std::to_string(window.pos().y()) +
                      " " + std::to_string(window.width()) + " " + std::to_string(window.height()));
    out.Commit();
    ReportWriteError(Dialogs(app), out);
}

} // namespace

void SetUpGraphicsWindow(App& app, int screenWidth, int screenHeight) {
    GraphicsWindow& g = app.Graphics;
    // The mapping keeps circles round on any shape of the area, so a size from the settings
    // is taken as it stands.
    // A size the screen gave is taken from this screen afresh.
    g.GraphWidth =
        ReferenceSize(app.Config.GraphWidthFromScreen ? 0 : app.Config.GraphWidth, screenWidth, 9);
    g.GraphHeight = ReferenceSize(app.Config.GraphHeightFromScreen ? 0 : app.Config.GraphHeight,
                                  screenHeight, 91);
    g.FixedWidth = !app.Config.GraphWidthFromScreen && app.Config.GraphWidth != 0 &&
                   app.Config.GraphWidth != 0xFFFF;
    g.FixedHeight = !app.Config.GraphHeightFromScreen && app.Config.GraphHeight != 0 &&
                    app.Config.GraphHeight != 0xFFFF;
    g.ZoomFactor = app.Config.ZoomFactor;
    g.PanFactor = app.Config.PanFactor;
}

int RunGui(App& app, int argc, char** argv, GuiCommands commands) {
    // A test program brings its own application object.
    std::unique_ptr<QApplication> own;
    if (!QApplication::instance()) own = std::make_unique<QApplication>(argc, argv);
    QtUi ui;
    Ui* previous = app.Env.ui;
    app.Env.ui = &ui;
    ui.helpTip = [&app](uint16_t number) { return HelpFirstLine(app.Config, number); };
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        SetUpGraphicsWindow(app, screen->size().width(), screen->size().height());
    int code = 0;
    if (commands.startUp && !commands.startUp(code)) {
        app.Env.ui = previous;
        return code;
    }
    // The settings read at start may name their own reference size.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        SetUpGraphicsWindow(app, screen->size().width(), screen->size().height());
    LoadQtTranslations(app.Config.MenuLanguage);
    if (commands.started) commands.started();
    {
        Thh window(app, std::move(commands));
        ui.SetParent(&window);
        ui.statusSink = [&window](const QString& text) {
            window.statusBar()->showMessage(TrCore(text));
        };
        window.move(0, 0);
        // The client area is the reference size: the drawings are mapped onto it.
        window.resize(window.sizeHint());
        RestoreWindowPlace(window, app);
        window.show();
        code = QApplication::exec();
        SaveWindowPlace(window, app);
        ui.statusSink = nullptr;
    }
    app.Env.ui = previous;
    return code;
}

} // namespace vak1
