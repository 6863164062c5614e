// The index file of the help pictures: read, listed, and worked on by the browser (show,
// change, delete, insert, plot to a port file), each edit writing the index back.
#include "fuzzsupport.h"
#include "graphics/hpgl.h"
#include "graphics/picturebrowser.h"

using namespace vak1;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::ClearFolder();
    fuzz::FuzzApp f;
    App& app = f.app;
    const std::string indexPath = PictureIndexPath(app.Config);
    fuzz::WriteFile(indexPath, data, size);
    const std::string picture = "SP1;PU0,0;PD400,0,400,400;LBA\x03;";
    fuzz::WriteFile(fuzz::InFolder("a.plt"), reinterpret_cast<const uint8_t*>(picture.data()),
                    picture.size());

    PictureIndex index;
    if (!ReadPictureIndex(indexPath, index)) return 0;
    PictureBrowserLines(index);
    for (std::size_t i = 0; i < index.entries.size() && i < 3; ++i)
        PicturePath(app.Config, index.entries[i].name);

    using A = PictureBrowserAction;
    ScriptedUi& ui = f.ui;
    ui.Push(ScriptedAnswer::Browse(A::Show, 2));
    ui.Push(ScriptedAnswer::Browse(A::Change, 1));
    ui.Push(ScriptedAnswer::Keep());
    ui.Push(ScriptedAnswer::Text("geändert"));
    ui.Push(ScriptedAnswer::Browse(A::Delete, 2));
    ui.Push(ScriptedAnswer::Answer(Reply::Yes));
    ui.Push(ScriptedAnswer::Browse(A::Insert, 1));
    ui.Push(ScriptedAnswer::File(fuzz::InFolder("a.plt")));
    ui.Push(ScriptedAnswer::Text("neu"));
    ui.Push(ScriptedAnswer::Browse(A::Plot, 1));
    ui.Push(ScriptedAnswer::Text("2"));
    ui.Push(ScriptedAnswer::Answer(Reply::Yes));
    ui.Push(ScriptedAnswer::Browse(A::Close));
    BrowseHelpPictures({app.Graphics, app.Config, Dialogs(app), &f.ports});
    fuzz::ReplayAll(app.Graphics, app.Config);
    return 0;
}
