// The implementations of the platform interfaces a run works with: the Qt front end's or
// the headless ones. Any of them may be missing where a run does not need it.
#pragma once

namespace vak1 {

class Ui;
class Clock;
class Printer;
class Launcher;
class PortWriter;
class Spreadsheet;

struct Platform {
    Ui* ui = nullptr;
    Clock* clock = nullptr;
    Printer* printer = nullptr;
    Launcher* launcher = nullptr;
    PortWriter* ports = nullptr;
    Spreadsheet* spreadsheet = nullptr;
};

} // namespace vak1
