// One output device of the CAD layer. The layer functions (cad.h) do what every device
// shares and hand the rest to the open device; a device overrides what its format offers.
#pragma once
#include <cstdint>
#include <string>

#include "cad/CadContext.h"

namespace vak1 {

class CadFile;

class CadOutput {
  public:
    explicit CadOutput(const CadContext& cx) : cx_(cx) {}
    virtual ~CadOutput() = default;
    CadOutput(const CadOutput&) = delete;
    CadOutput& operator=(const CadOutput&) = delete;

    virtual uint16_t Device() const = 0;
    // File extension of the file devices ("dxf", "igs", "txt"), else empty.
    virtual const char* Extension() const { return ""; }
    // Starts the output (the file name is in the CAD layer state); false sets the abort flag.
    virtual bool Open() = 0;
    // Ends the output; false when the file could not be completed.
    virtual bool Close() = 0;
    // The output file of the file devices, for the message of a failed write.
    virtual const CadFile* File() const { return nullptr; }

    virtual void Limits(long double xmin, long double ymin, long double xmax, long double ymax) = 0;
    virtual void Tables(int /*variant*/) {}
    virtual void BlocksBegin() {}
    virtual void BlocksEnd() {}
    virtual void BlockBegin(const std::string& /*name*/) {}
    virtual void BlockEnd() {}
    virtual void EntitiesBegin() {}
    virtual void EntitiesEnd() {}
    virtual void Layer(int /*n*/) {}
    // n as CadLayer::LineStyle; 0 goes back to the layer's own style.
    virtual void LineStyle(int /*n*/) {}
    virtual void TextStyle(int /*kind*/, long double /*width*/, long double /*height*/,
                           long double /*angle*/) {}

    virtual void Line(long double x1, long double y1, long double x2, long double y2) = 0;
    virtual void Circle(long double x, long double y, long double r) = 0;
    virtual void Arc(long double x, long double y, long double a1, long double a2,
                     long double r) = 0;
    virtual void Text(const std::string& text, long double x, long double y) = 0;
    virtual void Solid(long double x1, long double y1, long double x2, long double y2,
                       long double x3, long double y3, long double x4, long double y4) = 0;
    virtual void Insert(const std::string& name, long double x, long double y, long double rotation,
                        long double sx, long double sy) = 0;

    // Polylines: by default drawn as their straight and circular segments.
    virtual void PolyBegin(bool closed);
    virtual void Vertex(long double x, long double y, long double phi);
    virtual void PolyEnd();

  protected:
    // One segment from (x1, y1) to (x2, y2) with arc angle phi (radians), as line or arc.
    void Segment(long double x1, long double y1, long double x2, long double y2, long double phi);

    CadContext cx_; // references: a copy is the same view
};

} // namespace vak1
