// Test-only checker: loads an IGES file with Open CASCADE's reader and lists what it found,
// one item a line: LOAD|status, FAIL|entity|text for each failed check, WARN|entity|text,
// WARNINGS|n,
// ENTITIES|n, TYPE|type|form|count, SHAPES|n after transferring the roots.
// usage: iges_check FILE.igs   exit code 0 when the reader loaded the file.
#include <cstdio>
#include <map>
#include <utility>

#include <IFSelect_ReturnStatus.hxx>
#include <IGESControl_Reader.hxx>
#include <IGESData_IGESEntity.hxx>
#include <IGESData_IGESModel.hxx>
#include <Interface_Check.hxx>
#include <Interface_CheckIterator.hxx>
#include <XSControl_WorkSession.hxx>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.igs\n", argv[0]);
        return 2;
    }
    IGESControl_Reader reader;
    const IFSelect_ReturnStatus status = reader.ReadFile(argv[1]);
    std::printf("LOAD|%s\n", status == IFSelect_RetDone ? "done" : "failed");
    if (status != IFSelect_RetDone) return 1;
    Interface_CheckIterator checks = reader.WS()->ModelCheckList(Standard_True);
    int warnings = 0;
    for (checks.Start(); checks.More(); checks.Next()) {
        const Handle(Interface_Check)& c = checks.Value();
        for (int i = 1; i <= c->NbFails(); ++i)
            std::printf("FAIL|%d|%s\n", checks.Number(), c->CFail(i));
        for (int i = 1; i <= c->NbWarnings(); ++i)
            std::printf("WARN|%d|%s\n", checks.Number(), c->CWarning(i));
        warnings += c->NbWarnings();
    }
    std::printf("WARNINGS|%d\n", warnings);
    Handle(IGESData_IGESModel) model = reader.IGESModel();
    std::printf("ENTITIES|%d\n", model->NbEntities());
    std::map<std::pair<int, int>, int> types;
    for (int i = 1; i <= model->NbEntities(); ++i) {
        const Handle(IGESData_IGESEntity) e = model->Entity(i);
        ++types[{e->TypeNumber(), e->FormNumber()}];
    }
    for (const auto& [key, n] : types)
        std::printf("TYPE|%d|%d|%d\n", key.first, key.second, n);
    reader.SetReadVisible(Standard_False);
    reader.TransferRoots();
    std::printf("SHAPES|%d\n", reader.NbShapes());
    return 0;
}
