// The IGES writer: an ASCII file of 80-column records in the sections Start, Global,
// Directory Entry, Parameter Data and Terminate, with lines, arcs, closed 2D paths, notes and
// subfigure definitions and instances.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cad/outfile.h"
#include "platform/Clock.h"
#include "settings/Settings.h"

namespace vak1 {

constexpr int kIgesSubfigures = 256;

// Hollerith form of a text: its length, "H" and the text.
std::string Hollerith(std::string_view text);
// The pieces of a parameter string, each at most 64 characters and cut after the last
// delimiting comma within them where there is one (never after a comma of a Hollerith text).
std::vector<std::string> SplitParameters(std::string_view text);
// IGES colour number of a CAD colour (0..16).
int IgesColour(int cadColour);

class IgesWriter {
  public:
    explicit IgesWriter(const Settings& s);

    bool Create(const std::string& path) { return file_.Create(path); }
    CadFile& File() { return file_; }
    const CadFile& File() const { return file_; }

    // Resets the counters and writes the Start and Global sections.
    void Start(const std::string& fileName, long double largest, const DateTime& date);
    void Layer(int n);
    // n as CadLayer::LineStyle: the line font pattern of the following entities.
    void LineStyle(int n);
    void Line(long double x1, long double y1, long double x2, long double y2);
    // Counter-clockwise from (xs, ys) to (xe, ye) about (xc, yc).
    void Arc(long double xc, long double yc, long double xs, long double ys, long double xe,
             long double ye);
    void Circle(long double xc, long double yc, long double r);
    void Solid(long double x1, long double y1, long double x2, long double y2, long double x3,
               long double y3, long double x4, long double y4);
    // text as it goes into the file; angle in degrees.
    void Text(const std::string& text, long double height, long double widthFactor,
              long double angle, long double x, long double y);
    void SubfigureBegin(const std::string& name);
    void SubfigureEnd();
    // False when no definition of that name was written.
    bool Instance(const std::string& name, long double x, long double y, long double rotation);
    // Appends the parameter data and the Terminate record; false when a write failed.
    bool Close();

  private:
    struct Subfigure {
        int definition = 0;
        std::string name = "12345678";
    };
    struct DirectoryFields {
        std::string matrix;
        std::string form;
        std::string label;
        bool dependent = false;
    };

    // A value that is not finite refuses the file.
    std::string Num(long double x);
    std::string Fine(long double x); // matrix entries and note angles
    void Record(char section, int& counter, std::string_view text);
    // One entity: its parameter rows (each split into P records), then its two D records.
    int Entity(int type, const std::vector<std::string>& rows, const DirectoryFields& f);
    void Directory(int type, int pointer, int records, const DirectoryFields& f);

    Settings s_;
    int decimals_;
    CadFile file_;
    std::string params_; // the Parameter Data section, appended at the end
    int sCount_ = 0, gCount_ = 0, dCount_ = 0, pCount_ = 0;
    int dNumber_ = -1;
    int pointer_ = 1;
    int colour_ = 0, font_ = 1, layerFont_ = 1;
    std::array<Subfigure, kIgesSubfigures + 1> subfigures_{};
    int definitions_ = 0;
    std::vector<int> members_;
    bool inside_ = false;
    bool started_ = false;
};

} // namespace vak1
