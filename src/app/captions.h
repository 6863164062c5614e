// Menu captions by language: two slot tables filled for one language at a time and copied
// onto the menu items. Table 1 holds the general commands, table 2 the module's own.
#pragma once
#include <array>
#include <string>

namespace vak1 {

enum class Cap1 {
    File,
    New,
    Open,
    Save,
    SaveAs,
    Import,
    Export,
    Print,
    Settings,
    Exit,
    Edit,
    Text,
    View,
    ErrorMessages,
    Cad,
    Database,
    Document,
    DrawingData,
    ChangesInfo,
    ChangesPrint,
    ChangeNew,
    ChangeModify,
    ChangeDelete,
    DocumentSetup,
    Help,
    HelpPictures,
    Demo,
    Homepage,
    Email,
    Language,
    Menu,
    Count
};

enum class Cap2 {
    Geometrie,
    Koerper,
    Berechnung,
    Reset,
    Profil,
    Zeichnen,
    Standard,
    Auszug,
    Polylinie,
    Grafik,
    Tabelle,
    Zeichnung,
    Profile,
    Erweitert,
    Count
};

constexpr int kLanguageKorean = 8;

// Slot texts are UTF-8, except for Korean, whose texts are held in the Korean double-byte
// code page (CP949) as the product family's tables keep them.
struct CaptionTables {
    std::array<std::string, static_cast<std::size_t>(Cap1::Count)> t1;
    std::array<std::string, static_cast<std::size_t>(Cap2::Count)> t2;
    int language1 = 1, language2 = 1; // language each table was last filled for

    CaptionTables();
    const std::string& operator[](Cap1 s) const { return t1[static_cast<std::size_t>(s)]; }
    const std::string& operator[](Cap2 s) const { return t2[static_cast<std::size_t>(s)]; }
};

// Fill a table for language n (1..9 for table 1; 1, 2, 3, 7, 8 for table 2). An unknown
// number leaves the table unchanged; the result says whether it was filled.
bool FillTable1(CaptionTables& t, int language);
bool FillTable2(CaptionTables& t, int language);

// A slot text as UTF-8 for the display.
std::string CaptionToUtf8(const std::string& text, int language);

} // namespace vak1
