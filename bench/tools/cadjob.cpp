// The whole process of writing the benchmark contour's kind-1 DXF, for timing against ezdxf;
// with a second argument it also writes the list of drawn entities that the ezdxf script
// reproduces.
#include <cmath>
#include <cstdio>
#include <string>

#include "app/cadcontext.h"
#include "bigcontour.h"
#include "cad/CadOutput.h"
#include "cad/cad.h"
#include "cad/drawing.h"

using namespace vak1;

namespace {

// A device that lists every entity with its layer and text style, one line each.
class EntityList : public CadOutput {
  public:
    EntityList(App& app, std::FILE* f) : CadOutput(CadContextOf(app)), f_(f) {}
    uint16_t Device() const override { return cdDxf; }
    bool Open() override { return true; }
    bool Close() override { return true; }
    void Layer(int) override { std::fprintf(f_, "Y\t%s\n", cx_.Cad.LayerName.c_str()); }
    void Limits(long double a, long double b, long double c, long double d) override {
        std::fprintf(f_, "H\t%.6Lf\t%.6Lf\t%.6Lf\t%.6Lf\n", a, b, c, d);
    }
    void Line(long double a, long double b, long double c, long double d) override {
        std::fprintf(f_, "L\t%.6Lf\t%.6Lf\t%.6Lf\t%.6Lf\n", a, b, c, d);
    }
    void Circle(long double x, long double y, long double r) override {
        std::fprintf(f_, "C\t%.6Lf\t%.6Lf\t%.6Lf\n", x, y, r);
    }
    void Arc(long double x, long double y, long double a1, long double a2, long double r) override {
        std::fprintf(f_, "A\t%.6Lf\t%.6Lf\t%.6Lf\t%.6Lf\t%.6Lf\n", x, y, r, a1, a2);
    }
    void Text(const std::string& t, long double x, long double y) override {
        const CadLayer& c = cx_.Cad;
        std::fprintf(f_, "T\t%.6Lf\t%.6Lf\t%.6Lf\t%.6Lf\t%.6Lf\t%.6Lf\t%s\n", x, y, c.TextHeight,
                     c.TextWidthFactor, c.TextRotation, c.TextOblique, t.c_str());
    }
    void Solid(long double a, long double b, long double c, long double d, long double e,
               long double f, long double g, long double h) override {
        std::fprintf(f_, "S\t%.6Lf\t%.6Lf\t%.6Lf\t%.6Lf\t%.6Lf\t%.6Lf\t%.6Lf\t%.6Lf\n", a, b, c, d,
                     e, f, g, h);
    }
    void Insert(const std::string&, long double, long double, long double, long double,
                long double) override {}
    void PolyBegin(bool closed) override { std::fprintf(f_, "P\t%d\n", closed ? 1 : 0); }
    void Vertex(long double x, long double y, long double phi) override {
        std::fprintf(f_, "V\t%.6Lf\t%.6Lf\t%.6Lf\n", x, y, std::tan(phi / 4));
    }
    void PolyEnd() override { std::fprintf(f_, "E\n"); }

  private:
    std::FILE* f_;
};

bool WriteEntityList(App& app, const char* path) {
    std::FILE* f = std::fopen(path, "w");
    if (!f) return false;
    const CadContext cx = CadContextOf(app);
    app.Cad.Out = std::make_unique<EntityList>(app, f);
    const ProjectData& p = app.Project;
    CadSetLayer(cx, 0);
    const DrawingExtents e = KindExtents(app.Project, dkGeometryTable);
    CadLimits(cx, e.xmin, e.ymin, e.xmax, e.ymax);
    DrawResultTable(cx, app.Project, p.YMax + 0.2L * p.YWidth, p.ZMax, 0.02L * p.ZHeight);
    DrawContour(cx, app.Project);
    DrawPointArrows(cx, app.Project);
    DrawCentroidAxes(cx, app.Project);
    app.Cad.Out.reset();
    return std::fclose(f) == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_BASE [ENTITY_LIST]\n", argv[0]);
        return 2;
    }
    App app;
    bench::LoadBigContour(app);
    if (app.Project.CalcError) return 1;
    std::string error;
    if (!RunCadJob(CadContextOf(app), app.Project, app.Docu, cdDxf, dkGeometryTable, argv[1],
                   &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    if (argc > 2 && !WriteEntityList(app, argv[2])) return 1;
    return 0;
}
