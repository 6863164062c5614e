// The help-picture browser: the pictures of the index file in a list, the edits of the index
// (add, delete, change, insert a line) and the copy of a picture to a printer port.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/dialogs.h"
#include "graphics/GraphicsWindow.h"

namespace vak1 {

struct Settings;
class PortWriter;

// Help numbers of the browser.
constexpr uint16_t kHelpPictureBrowser = 2300;
constexpr uint16_t kHelpPictureAdd = 2310;
constexpr uint16_t kHelpPictureDelete = 2320;
constexpr uint16_t kHelpPictureChange = 2330;
constexpr uint16_t kHelpPictureName = 2340;
constexpr uint16_t kHelpPictureInsert = 2350;
constexpr uint16_t kHelpPicturePlot = 2360;
constexpr uint16_t kHelpPicturePort = 2365;
constexpr uint16_t kHelpPictureEscapes = 2370;

constexpr std::size_t kMaxIndexEntries = 200;
constexpr std::size_t kPortBlock = 2048;

struct PictureIndexEntry {
    std::string name;        // picture file name without folder and ".plt"
    std::string description; // code page 850
    std::size_t line = 0;    // its line in the file, 0-based
};

// The index file as read: every line (kept when the file is rewritten) and the pictures of
// the first 200 lines. malformed counts lines that are no picture entry.
struct PictureIndex {
    std::vector<std::string> lines;
    std::vector<PictureIndexEntry> entries;
    int malformed = 0;
};

// Picture folder + lower-cased settings base name + ".dbh".
std::string PictureIndexPath(const Settings& settings);
// False when the file cannot be read.
bool ReadPictureIndex(const std::string& path, PictureIndex& index);
// "name","description"
std::string PictureIndexLine(const std::string& name, const std::string& description);
// The browser's list: one line per picture, then the five operation lines.
std::vector<std::string> PictureBrowserLines(const PictureIndex& index);
// The picture file of a name: picture folder + name + ".plt", the name in lower case
// unless only the name as written exists.
std::string PicturePath(const Settings& settings, const std::string& name);
// Writes lines to "$$$.dbh" in the temporary folder, then replaces the index with it. A
// failed write is reported, sets AbortFlag and leaves the index as it was.
bool RewritePictureIndex(const DialogContext& d, const Settings& settings,
                         const std::string& indexPath, const std::vector<std::string>& lines);
// Copies the picture file to port "LPT<n>" in blocks, with the HP-GL/2 reset and mode
// switches around it when escapes is set. A failure is reported and sets AbortFlag.
bool PlotPicture(const DialogContext& d, PortWriter* ports, const std::string& picture, int port,
                 bool escapes);

// What the browser works with; settings.PltDir changes when a picture is chosen from
// another folder while there is no index.
struct PictureBrowserContext {
    GraphicsWindow& graphics;
    Settings& settings;
    DialogContext dialogs;
    PortWriter* ports = nullptr;
};

// The browser's dialog loop; it ends on "OK" or a cancelled prompt and clears AbortFlag.
void BrowseHelpPictures(const PictureBrowserContext& c);

} // namespace vak1
