// Structure of the main window's menu and the mapping of items to caption slots.
#include "app/menu.h"

#include <functional>

namespace vak1 {
namespace {

// A caption without its access mark ("(&X)" after a Korean caption, or the "&"), for the
// part of a composed caption whose key belongs to another item.
std::string WithoutMark(std::string caption) {
    for (std::size_t i = caption.find("(&"); i != std::string::npos; i = caption.find("(&", i))
        if (i + 3 < caption.size() && caption[i + 3] == ')')
            caption.erase(i, 4);
        else
            ++i;
    for (std::size_t i = caption.find('&'); i != std::string::npos; i = caption.find('&', i + 1))
        if (i + 1 < caption.size() && caption[i + 1] == '&')
            ++i;
        else
            caption.erase(i, 1);
    return caption;
}

MenuItem Item(std::string name, std::string caption, std::string shortcut = {}) {
    MenuItem m;
    m.name = std::move(name);
    m.caption = std::move(caption);
    m.shortcut = std::move(shortcut);
    return m;
}

MenuItem Separator(std::string name = {}) {
    MenuItem m;
    m.name = std::move(name);
    m.separator = true;
    return m;
}

MenuItem Menu(std::string name, std::string caption, std::vector<MenuItem> items) {
    MenuItem m = Item(std::move(name), std::move(caption));
    m.items = std::move(items);
    return m;
}

MenuItem FileMenu() {
    std::vector<MenuItem> items = {
        Item("mi_fileNew", "&Neu...", "Ctrl+N"),
        Item("mi_fileOpen", "Ö&ffnen...", "Ctrl+O"),
        Item("mi_fileOpenTable", "Öffnen... (&Tabelle)"),
        Item("mi_FileSave", "&Speichern...", "Ctrl+S"),
        Item("mi_FileSaveAs", "Speichern &Unter...", "Ctrl+Shift+S"),
        Separator(),
        Item("mi_fileImportDXF", "&Import DXF"),
        Item("mi_fileExportDXF", "Ex&port DXF"),
        Separator(),
        Item("mi_fileprint", "&Drucken...", "Ctrl+P"),
        Item("mi_fileConfig", "&Einstellungen"),
        Separator(),
    };
    for (int k = 1; k <= 4; ++k) {
        MenuItem recent = Item("mi_file" + std::to_string(k), "&" + std::to_string(k));
        recent.visible = false;
        items.push_back(recent);
    }
    MenuItem recentSeparator = Separator("mi_fileRecentSeparator");
    recentSeparator.visible = false;
    items.push_back(recentSeparator);
    items.push_back(Item("mi_fileexit", "&Beenden", "Ctrl+Q"));
    return Menu("mi_file", "&Datei", std::move(items));
}

MenuItem EditMenu() {
    return Menu("mi_Edit", "&Bearbeiten",
                {Item("mi_editText", "Te&xt"), Item("mi_editGeometrie", "&Geometrie"),
                 Item("mi_editKoerper", "K&örper"), Item("mi_editBerechnung", "&Berechnung"),
                 Separator(), Item("mi_editReset", "&Rücksetzen"), Separator(),
                 Item("mi_editProfile", "&Profil"), Item("mi_editZeichnen", "&Zeichnen")});
}

MenuItem ViewMenu() {
    MenuItem errors = Item("mi_viewErrorMessages", "&Fehlermeldungen (0)");
    errors.enabled = false;
    return Menu("mi_View", "&Ansicht",
                {Item("mi_viewStandard", "&Standardausdruck"), Item("mi_viewAuszug", "&Auszug"),
                 Item("mi_viewExtended", "&Erweiterte Werte"),
                 Item("mi_viewStresses", "Spa&nnungen"), Separator(),
                 Item("mi_viewGrafik", "&Grafik"), Item("mi_viewTabelle", "&Tabelle"),
                 Item("mi_viewpolyline", "Pol&ylinie"), Item("mi_viewzeichnung", "&Zeichnung"),
                 Item("mi_viewSolverOverlay", "Sch&ubmittelpunkt und Netz"), Separator(), errors});
}

MenuItem CadMenu() {
    return Menu("mi_CAD", "&CAD",
                {Item("mi_cadGrafik", "&Grafik"), Item("mi_cadPolylinie", "Pol&ylinie"),
                 Item("mi_cadTabelle", "&Tabelle"), Item("mi_cadzeichnung", "&Zeichnung"),
                 Separator(), Item("mi_cadoptions", "&Einstellungen")});
}

MenuItem DatabaseMenu() {
    MenuItem exportExcel = Item("mi_OleExportExcel", "Export VAK1 -> Excel");
    MenuItem importExcel = Item("mi_OleImportExcel", "Import Excel -> VAK1");
    exportExcel.enabled = false;
    importExcel.enabled = false;
    return Menu("mi_database", "Datenban&k",
                {Item("mi_dbfProfile", "&Profile"), Separator(),
                 Item("mi_OleStartExcel", "Start Excel"), exportExcel, importExcel,
                 Item("mi_OlePrintoutExcel", "Printout -> Excel")});
}

MenuItem DocumentationMenu() {
    std::vector<MenuItem> items = {Item("mi_docdrawinginfo", "&Zeichnungsdaten"),
                                   Separator(),
                                   Item("mi_docuShowChanges1", "Änderungen - &Info"),
                                   Item("mi_docuPrintChanges", "Änderungen - &Ausdruck"),
                                   Item("mi_docuNewChange", "&Neue Änderung"),
                                   Item("mi_docuModifyChanges", "Letzte Änderung &bearbeiten"),
                                   Item("mi_docudeleteChange", "Letzte Änderung &löschen"),
                                   Separator()};
    for (int k = 1; k <= 5; ++k)
        items.push_back(Item("mi_Document" + std::to_string(k), "Dokument &" + std::to_string(k)));
    items.push_back(Separator());
    items.push_back(Item("mi_DocumentSetup", "Dokument &Setup"));
    return Menu("mi_documentation", "D&okument", std::move(items));
}

MenuItem HelpMenu() {
    MenuItem language = Menu(
        "mi_helplanguage", "&Sprache Menü",
        {Item("mi_helplanguageDeutsch", "&Deutsch"), Item("mi_helplanguageEnglish", "&English"),
         Item("mi_helplanguageFrancais", "&Francais"), Item("mi_helplanguageRoman", "&Roman"),
         Item("mi_helplanguageKorea", "&Korea")});
    // This program has no demonstration; the item stays where users know it, disabled.
    MenuItem demo = Item("mi_helpDemo", "&Demo");
    demo.enabled = false;
    return Menu("mi_Help", "&Hilfe",
                {Item("mi_HelpHilfebild", "&Hilfebild", "F1"),
                 Item("mi_helpErrorMessages", "&Fehlermeldungen"), Separator(), demo,
                 Item("mi_helpwww", "&QUORVEN Homepage"),
                 Item("mi_helpemail", "&E-Mail an QUORVEN"), language, Separator(),
                 Item("mi_helphistory", "&Versionen"), Item("mi_HelpAbout", "VAK&1")});
}

} // namespace

MenuItem BuildMenuBar() {
    return Menu("mainMenu", "",
                {FileMenu(), EditMenu(), ViewMenu(), CadMenu(), DatabaseMenu(), DocumentationMenu(),
                 HelpMenu()});
}

void ApplyMenuCaptions(MenuItem& bar, const CaptionTables& t) {
    auto c1 = [&](Cap1 s) { return CaptionToUtf8(t[s], t.language1); };
    auto c2 = [&](Cap2 s) { return CaptionToUtf8(t[s], t.language2); };
    auto set = [&](std::string_view name, const std::string& caption) {
        if (MenuItem* m = FindMenuItem(bar, name)) m->caption = caption;
    };
    set("mi_file", c1(Cap1::File));
    set("mi_fileNew", c1(Cap1::New));
    set("mi_fileOpen", c1(Cap1::Open));
    set("mi_fileOpenTable", WithoutMark(c1(Cap1::Open)) + " (" + c2(Cap2::Tabelle) + ")");
    set("mi_FileSave", c1(Cap1::Save));
    set("mi_FileSaveAs", c1(Cap1::SaveAs));
    set("mi_fileImportDXF", c1(Cap1::Import) + " DXF");
    set("mi_fileExportDXF", c1(Cap1::Export) + " DXF");
    set("mi_fileprint", c1(Cap1::Print));
    set("mi_fileConfig", c1(Cap1::Settings));
    set("mi_cadoptions", c1(Cap1::Settings));
    set("mi_fileexit", c1(Cap1::Exit));
    set("mi_Edit", c1(Cap1::Edit));
    set("mi_editText", c1(Cap1::Text));
    set("mi_editGeometrie", c2(Cap2::Geometrie));
    set("mi_editKoerper", c2(Cap2::Koerper));
    set("mi_editBerechnung", c2(Cap2::Berechnung));
    set("mi_editReset", c2(Cap2::Reset));
    set("mi_editProfile", c2(Cap2::Profil));
    set("mi_editZeichnen", c2(Cap2::Zeichnen));
    set("mi_View", c1(Cap1::View));
    set("mi_viewStandard", c2(Cap2::Standard));
    set("mi_viewAuszug", c2(Cap2::Auszug));
    set("mi_viewExtended", c2(Cap2::Erweitert));
    for (const char* n : {"mi_viewpolyline", "mi_cadPolylinie"})
        set(n, c2(Cap2::Polylinie));
    for (const char* n : {"mi_viewGrafik", "mi_cadGrafik"})
        set(n, c2(Cap2::Grafik));
    for (const char* n : {"mi_viewTabelle", "mi_cadTabelle"})
        set(n, c2(Cap2::Tabelle));
    for (const char* n : {"mi_viewzeichnung", "mi_cadzeichnung"})
        set(n, c2(Cap2::Zeichnung));
    for (const char* n : {"mi_viewErrorMessages", "mi_helpErrorMessages"})
        set(n, c1(Cap1::ErrorMessages));
    set("mi_CAD", c1(Cap1::Cad));
    set("mi_database", c1(Cap1::Database));
    set("mi_dbfProfile", c2(Cap2::Profile));
    set("mi_documentation", c1(Cap1::Document));
    set("mi_docdrawinginfo", c1(Cap1::DrawingData));
    set("mi_docuShowChanges1", c1(Cap1::ChangesInfo));
    set("mi_docuPrintChanges", c1(Cap1::ChangesPrint));
    set("mi_docuNewChange", c1(Cap1::ChangeNew));
    set("mi_docuModifyChanges", c1(Cap1::ChangeModify));
    set("mi_docudeleteChange", c1(Cap1::ChangeDelete));
    for (int k = 1; k <= 5; ++k)
        set("mi_Document" + std::to_string(k),
            WithoutMark(c1(Cap1::Document)) + " &" + std::to_string(k));
    set("mi_DocumentSetup", c1(Cap1::DocumentSetup));
    set("mi_Help", c1(Cap1::Help));
    set("mi_HelpHilfebild", c1(Cap1::HelpPictures));
    set("mi_helpDemo", c1(Cap1::Demo));
    set("mi_helpwww", c1(Cap1::Homepage));
    set("mi_helpemail", c1(Cap1::Email));
    set("mi_helplanguage", c1(Cap1::Language) + " " + c1(Cap1::Menu));
}

MenuItem* FindMenuItem(MenuItem& root, std::string_view name) {
    if (root.name == name) return &root;
    for (auto& child : root.items)
        if (MenuItem* m = FindMenuItem(child, name)) return m;
    return nullptr;
}

const MenuItem* FindMenuItem(const MenuItem& root, std::string_view name) {
    return FindMenuItem(const_cast<MenuItem&>(root), name);
}

std::vector<std::string> MenuItemNames(const MenuItem& root) {
    std::vector<std::string> names;
    std::function<void(const MenuItem&)> walk = [&](const MenuItem& m) {
        if (!m.separator && !m.name.empty()) names.push_back(m.name);
        for (const auto& child : m.items)
            walk(child);
    };
    walk(root);
    return names;
}

} // namespace vak1
