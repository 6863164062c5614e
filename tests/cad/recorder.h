// A CAD device for tests that records every primitive as one text line with its layer, so a
// test can check what a drawing procedure sent to the CAD layer.
#pragma once
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "cad/CadLayer.h"
#include "cad/CadOutput.h"

namespace vak1::test {

inline std::string Fmt(long double v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.3Lf", std::fabs(v) < 5e-4L ? 0.0L : v);
    return b;
}

class Recorder : public CadOutput {
  public:
    Recorder(const CadContext& cx, std::vector<std::string>& out, uint16_t device = cdTxt)
        : CadOutput(cx), out_(out), device_(device) {}
    uint16_t Device() const override { return device_; }
    bool Open() override { return true; }
    bool Close() override { return true; }
    void Limits(long double, long double, long double, long double) override {}
    void Line(long double a, long double b, long double c, long double d) override {
        Add("LINE", {a, b, c, d});
    }
    void Circle(long double x, long double y, long double r) override { Add("CIRCLE", {x, y, r}); }
    void Arc(long double x, long double y, long double a1, long double a2, long double r) override {
        Add("ARC", {x, y, a1, a2, r});
    }
    void Text(const std::string& t, long double x, long double y) override {
        const CadLayer& c = cx_.Cad;
        Add("TEXT", {x, y, c.TextHeight, c.TextWidthFactor, c.TextRotation}, t);
    }
    void Solid(long double a, long double b, long double c, long double d, long double e,
               long double f, long double g, long double h) override {
        Add("SOLID", {a, b, c, d, e, f, g, h});
    }
    void Insert(const std::string& n, long double x, long double y, long double r, long double sx,
                long double sy) override {
        Add("INSERT", {x, y, r, sx, sy}, n);
    }
    void PolyBegin(bool closed) override {
        out_.push_back("POLY|" + std::to_string(cx_.Cad.LayerNumber) + (closed ? "|1" : "|0"));
    }
    void Vertex(long double x, long double y, long double phi) override {
        Add("VERTEX", {x, y, phi});
    }
    void PolyEnd() override { out_.push_back("END"); }

  private:
    void Add(const char* kind, std::initializer_list<long double> v, const std::string& t = {}) {
        std::string s = std::string(kind) + "|" + std::to_string(cx_.Cad.LayerNumber);
        for (long double x : v)
            s += "|" + Fmt(x);
        if (!t.empty()) s += "|" + t;
        out_.push_back(s);
    }
    std::vector<std::string>& out_;
    uint16_t device_;
};

// Lines of out that start with prefix.
inline std::vector<std::string> Starting(const std::vector<std::string>& out,
                                         const std::string& prefix) {
    std::vector<std::string> r;
    for (const auto& s : out)
        if (s.rfind(prefix, 0) == 0) r.push_back(s);
    return r;
}

} // namespace vak1::test
