// The DXF writer: the classic ASCII section structure (HEADER, TABLES, BLOCKS, ENTITIES, EOF)
// with a small fixed vocabulary of entities. Layer name and text style come from the CAD layer.
#pragma once
#include <string>
#include <string_view>

#include "cad/CadLayer.h"
#include "cad/outfile.h"
#include "settings/Settings.h"

namespace vak1 {

class DxfWriter {
  public:
    DxfWriter(const Settings& s, const CadLayer& cad);

    bool Create(const std::string& path) { return file_.Create(path); }
    bool Close() { return file_.Close(); }
    CadFile& File() { return file_; }
    const CadFile& File() const { return file_; }

    void DxfHeader(long double xmin, long double ymin, long double xmax, long double ymax);
    void DxfTables(int variant);
    void DxfBlocksBegin();
    void DxfBlock(std::string_view name);
    void DxfEndBlock();
    void DxfEntitiesBegin();
    void DxfEndSection();
    void DxfEof();

    void DxfLine(long double x1, long double y1, long double x2, long double y2);
    void DxfCircle(long double x, long double y, long double r);
    void DxfArc(long double x, long double y, long double a1, long double a2, long double r);
    void DxfText(const std::string& text, long double x, long double y);
    void DxfSolid(long double x1, long double y1, long double x2, long double y2, long double x3,
                  long double y3, long double x4, long double y4);
    void DxfInsert(std::string_view name, long double x, long double y, long double rotation,
                   long double sx, long double sy);
    void DxfPolyline(int flag);
    void DxfVertex(long double x, long double y, long double phi);
    void DxfSeqEnd();

  private:
    void Code(int code);
    void Group(int code, std::string_view value);
    void Num(int code, long double x);
    // The layer, and the line type when the entity has a style of its own.
    void Layer();
    void LtypeEntry(const char* name, const char* description, const char* count,
                    const char* length, std::initializer_list<const char*> elements);
    void LayerEntry(std::string_view name, int colour, const char* ltype);
    // SignificantText of a text entity's factor or angle; texts repeat them, so each of the
    // three keeps its last value and text.
    const std::string& Significant(int slot, long double x);

    struct LastSignificant {
        bool set = false;
        long double value = 0;
        std::string text;
    };
    LastSignificant significant_[3];
    Settings s_; // a copy with the decimal point, for the significant-digit numbers
    const CadLayer& cad_;
    int decimals_;
    CadFile file_;
};

// An arc whose angles coincide or span exactly one turn is written as a circle.
bool ArcIsCircle(long double a1, long double a2);

} // namespace vak1
