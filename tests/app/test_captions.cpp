// Pins the menu captions by language: the two tables, which languages each knows, the
// composed captions, Korean held in its double-byte code page, and the menu structure.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <map>
#include <set>

#include "app/menu.h"

using namespace vak1;

namespace {
std::string CaptionOf(const MenuItem& bar, const char* name) {
    const MenuItem* m = FindMenuItem(bar, name);
    return m ? m->caption : "<missing " + std::string(name) + ">";
}
} // namespace

TEST(Captions, GermanAtStartAndEnglishAfterSwitch) {
    CaptionTables t;
    MenuItem bar = BuildMenuBar();
    ApplyMenuCaptions(bar, t);
    EXPECT_EQ(CaptionOf(bar, "mi_fileOpen"), "Ö&ffnen...");
    EXPECT_EQ(CaptionOf(bar, "mi_fileOpenTable"), "Öffnen... (&Tabelle)");
    EXPECT_EQ(CaptionOf(bar, "mi_editKoerper"), "K&örper");
    EXPECT_EQ(CaptionOf(bar, "mi_fileImportDXF"), "&Import DXF");
    EXPECT_EQ(CaptionOf(bar, "mi_helplanguage"), "&Sprache Menü");
    EXPECT_EQ(CaptionOf(bar, "mi_Document3"), "Dokument &3");

    ASSERT_TRUE(FillTable1(t, 2));
    ASSERT_TRUE(FillTable2(t, 2));
    ApplyMenuCaptions(bar, t);
    EXPECT_EQ(CaptionOf(bar, "mi_fileOpenTable"), "Open... (&Table)");
    EXPECT_EQ(CaptionOf(bar, "mi_editKoerper"), "&3rd Dimension");
    EXPECT_EQ(CaptionOf(bar, "mi_cadoptions"), "S&ettings");
    EXPECT_EQ(CaptionOf(bar, "mi_fileConfig"), "S&ettings");
    EXPECT_EQ(CaptionOf(bar, "mi_helpErrorMessages"), "E&rror messages");
    EXPECT_EQ(CaptionOf(bar, "mi_helplanguage"), "&Language Menu");
    // Items outside the mapping keep the window definition's captions.
    EXPECT_EQ(CaptionOf(bar, "mi_HelpAbout"), "VAK&1");
    EXPECT_EQ(CaptionOf(bar, "mi_OleStartExcel"), "Start Excel");
}

TEST(Captions, WhichTableKnowsWhichLanguage) {
    CaptionTables t;
    const std::string german2 = t[Cap2::Geometrie];
    EXPECT_TRUE(FillTable1(t, 7));
    EXPECT_TRUE(FillTable2(t, 7));
    EXPECT_EQ(t[Cap1::File], "&Fișier");
    EXPECT_EQ(t[Cap2::Reset], "&Resetare");

    CaptionTables u;
    EXPECT_TRUE(FillTable1(u, 4));
    EXPECT_FALSE(FillTable2(u, 4)); // table 2 does not know Italian
    EXPECT_EQ(u[Cap1::Open], "&Apri...");
    EXPECT_EQ(u[Cap2::Geometrie], german2);
    MenuItem bar = BuildMenuBar();
    ApplyMenuCaptions(bar, u);
    EXPECT_EQ(CaptionOf(bar, "mi_fileOpenTable"), "Apri... (&Tabelle)");

    for (int unknown : {0, 10, -1}) {
        CaptionTables v;
        EXPECT_FALSE(FillTable1(v, unknown));
        EXPECT_FALSE(FillTable2(v, unknown));
        EXPECT_EQ(v[Cap1::File], "&Datei");
    }
}

TEST(Captions, KoreanIsStoredInItsCodePage) {
    CaptionTables t;
    ASSERT_TRUE(FillTable1(t, 8));
    ASSERT_TRUE(FillTable2(t, 8));
    // "파일(&F)" in CP949: two bytes per syllable.
    EXPECT_EQ(t[Cap1::File], "\xC6\xC4\xC0\xCF(&F)");
    MenuItem bar = BuildMenuBar();
    ApplyMenuCaptions(bar, t);
    EXPECT_EQ(CaptionOf(bar, "mi_file"), "파일(&F)");
    EXPECT_EQ(CaptionOf(bar, "mi_fileOpenTable"), "열기... (표(&T))");
    // Back to German: table 2 German, table 1 German, no stray double-byte texts.
    FillTable1(t, 1);
    FillTable2(t, 1);
    ApplyMenuCaptions(bar, t);
    EXPECT_EQ(CaptionOf(bar, "mi_file"), "&Datei");
}

TEST(Captions, EveryLanguageFillsEverySlot) {
    for (int lang = 1; lang <= 9; ++lang) {
        CaptionTables t;
        ASSERT_TRUE(FillTable1(t, lang));
        for (const auto& text : t.t1)
            EXPECT_FALSE(text.empty()) << lang;
    }
}

TEST(Menu, StructureHasEveryCommandOnce) {
    MenuItem bar = BuildMenuBar();
    std::vector<std::string> names = MenuItemNames(bar);
    std::set<std::string> unique(names.begin(), names.end());
    EXPECT_EQ(unique.size(), names.size());
    for (const char* n : {"mi_fileNew",
                          "mi_fileOpen",
                          "mi_fileOpenTable",
                          "mi_FileSave",
                          "mi_FileSaveAs",
                          "mi_fileImportDXF",
                          "mi_fileExportDXF",
                          "mi_fileprint",
                          "mi_fileConfig",
                          "mi_file1",
                          "mi_file4",
                          "mi_fileexit",
                          "mi_editText",
                          "mi_editGeometrie",
                          "mi_editKoerper",
                          "mi_editBerechnung",
                          "mi_editReset",
                          "mi_editProfile",
                          "mi_editZeichnen",
                          "mi_viewStandard",
                          "mi_viewAuszug",
                          "mi_viewGrafik",
                          "mi_viewTabelle",
                          "mi_viewpolyline",
                          "mi_viewzeichnung",
                          "mi_viewErrorMessages",
                          "mi_cadGrafik",
                          "mi_cadPolylinie",
                          "mi_cadTabelle",
                          "mi_cadzeichnung",
                          "mi_cadoptions",
                          "mi_dbfProfile",
                          "mi_OleStartExcel",
                          "mi_OleExportExcel",
                          "mi_OleImportExcel",
                          "mi_OlePrintoutExcel",
                          "mi_docdrawinginfo",
                          "mi_docuShowChanges1",
                          "mi_docuPrintChanges",
                          "mi_docuNewChange",
                          "mi_docuModifyChanges",
                          "mi_docudeleteChange",
                          "mi_Document1",
                          "mi_Document5",
                          "mi_DocumentSetup",
                          "mi_HelpHilfebild",
                          "mi_helpErrorMessages",
                          "mi_helpDemo",
                          "mi_helpwww",
                          "mi_helpemail",
                          "mi_helplanguageDeutsch",
                          "mi_helplanguageKorea",
                          "mi_HelpAbout",
                          "mi_helphistory"})
        EXPECT_TRUE(unique.count(n)) << n;
    EXPECT_EQ(FindMenuItem(bar, "mi_fileNew")->shortcut, "Ctrl+N");
    EXPECT_EQ(FindMenuItem(bar, "mi_fileprint")->shortcut, "Ctrl+P");
    EXPECT_FALSE(FindMenuItem(bar, "mi_file1")->visible);
}

// "Ö&ffnen" and "Ö&ffnen (Tabelle)" shared f, "Import DXF" and "Einstellungen" shared i, the
// French "Affichage" and "Aide" shared a: within one menu every access key is the item's own.
TEST(Menu, EveryMenuHasDistinctAccessKeysInEveryLanguage) {
    // The access key of a caption in lower case (one UTF-8 character), empty without one;
    // a caption with a second mark counts as a fault of its own.
    auto keyOf = [](const std::string& caption, int& marks) {
        std::string key;
        for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
            if (caption[i] != '&') continue;
            if (caption[i + 1] == '&') {
                ++i;
                continue;
            }
            ++marks;
            if (!key.empty()) continue;
            std::size_t n = 1;
            while (i + 1 + n < caption.size() && (caption[i + 1 + n] & 0xC0) == 0x80)
                ++n;
            key = caption.substr(i + 1, n);
            if (n == 1)
                key[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(key[0])));
        }
        return key;
    };
    for (const int language : {1, 2, 3, 7, 8}) {
        CaptionTables t;
        ASSERT_TRUE(FillTable1(t, language));
        ASSERT_TRUE(FillTable2(t, language));
        MenuItem bar = BuildMenuBar();
        ApplyMenuCaptions(bar, t);
        std::function<void(const MenuItem&)> walk = [&](const MenuItem& menu) {
            std::map<std::string, std::string> seen; // key -> caption
            for (const MenuItem& item : menu.items) {
                if (item.separator) continue;
                int marks = 0;
                const std::string key = keyOf(item.caption, marks);
                EXPECT_LE(marks, 1) << language << ": " << item.caption;
                if (!key.empty()) {
                    const auto [at, fresh] = seen.emplace(key, item.caption);
                    EXPECT_TRUE(fresh) << language << ": \"" << item.caption << "\" and \""
                                       << at->second << "\" share " << key;
                }
                walk(item);
            }
        };
        walk(bar);
    }
}
