// The project file: read, and when it was accepted calculated, reported and drawn.
#include "fuzzsupport.h"
#include "project/projectfile.h"

using namespace vak1;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::ClearFolder();
    const std::string path = fuzz::InFolder("fuzz.vak1");
    fuzz::WriteFile(path, data, size);
    fuzz::FuzzApp f;
    if (ReadProjectFile(f.app.Project, f.app.Docu, path).ok)
        fuzz::RunProject(f, fuzz::ChoiceOf(data, size));
    return 0;
}
