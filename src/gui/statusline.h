// The status bar of the main window: what the last command did, the state of the
// calculation (a click on it opens the message list) and the cursor position in the
// drawing's units.
#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

class QLabel;
class QPushButton;
class QStatusBar;

namespace vak1 {

struct App;

// The line telling what the command just run did; empty when it leaves nothing to tell.
QString CommandFeedback(const App& app, const std::string& command);
// "A = ... mm²  ·  n Meldungen"; empty while there is no contour.
QString CalculationText(const App& app);
// What to do first while no project is loaded, in the menu language; empty otherwise.
QString FirstStepText(const App& app);
// The world point under the pointer as section y and z in mm or inch; in the form sheet and
// the table "Blatt" with the sheet's millimetres; empty over any other picture.
QString CursorText(const App& app, long double x, long double y);

class StatusLine {
  public:
    StatusLine(QStatusBar& bar, std::function<void()> openMessages);

    void CommandStarted();
    void CommandDone(const App& app, const std::string& command);
    void ShowCalculation(const App& app);
    void ShowCursor(const QString& text);
    // The number and coordinates of the position picked in the drawing (0: none).
    void ShowPicked(const App& app, uint16_t k);

  private:
    QLabel* last_;
    QPushButton* calc_;
    QLabel* cursor_;
};

} // namespace vak1
