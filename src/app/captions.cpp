// Caption texts of the menu in the languages of the product family.
#include "app/captions.h"

#include <iconv.h>
#include <vector>

namespace vak1 {
namespace {

using Row1 = std::array<const char*, static_cast<std::size_t>(Cap1::Count)>;
using Row2 = std::array<const char*, static_cast<std::size_t>(Cap2::Count)>;

// Table 1, languages 1..9 in order.
const Row1 kTable1[9] = {
    {"&Datei",
     "&Neu...",
     "Ö&ffnen...",
     "&Speichern...",
     "Speichern &Unter...",
     "&Import",
     "Ex&port",
     "&Drucken...",
     "&Einstellungen",
     "&Beenden",
     "&Bearbeiten",
     "Te&xt",
     "&Ansicht",
     "&Fehlermeldungen",
     "&CAD",
     "Datenban&k",
     "D&okument",
     "&Zeichnungsdaten",
     "Änderungen - &Info",
     "Änderungen - &Ausdruck",
     "&Neue Änderung",
     "Letzte Änderung &bearbeiten",
     "Letzte Änderung &löschen",
     "Dokument &Setup",
     "&Hilfe",
     "&Hilfebild",
     "&Demo",
     "&QUORVEN Homepage",
     "&E-Mail an QUORVEN",
     "&Sprache",
     "Menü"},
    {"&File",
     "&New...",
     "&Open...",
     "&Save...",
     "Save &As...",
     "&Import",
     "Ex&port",
     "P&rint...",
     "S&ettings",
     "E&xit",
     "&Edit",
     "Te&xt",
     "&View",
     "E&rror messages",
     "&CAD",
     "&Database",
     "D&ocument",
     "Dra&wing data",
     "Modifications - &Info",
     "Modifications - &Printout",
     "Modification - &New",
     "&Edit previous modification",
     "&Delete previous modification",
     "Document &Setup",
     "&Help",
     "&Auxiliary images",
     "&Demo",
     "&QUORVEN Homepage",
     "&E-Mail to QUORVEN",
     "&Language",
     "Menu"},
    {"&Fichier",
     "&Nouveau...",
     "&Ouvrir...",
     "&Enregistrer...",
     "Enregistrer &sous...",
     "&Importer",
     "Ex&porter",
     "Imp&rimer...",
     "P&aramètres",
     "&Quitter",
     "É&dition",
     "Te&xte",
     "Affic&hage",
     "&Messages d'erreur",
     "&CAO",
     "&Base de données",
     "D&ocument",
     "&Données du dessin",
     "Modifications - &Info",
     "Modifications - Im&pression",
     "&Nouvelle modification",
     "&Modifier la dernière modification",
     "&Supprimer la dernière modification",
     "Document - &Configuration",
     "&Aide",
     "Images d'&aide",
     "&Démo",
     "Site &QUORVEN",
     "&E-mail à QUORVEN",
     "&Langue",
     "Menu"},
    {"&File",
     "&Nuovo...",
     "&Apri...",
     "&Salva...",
     "Salva &con nome...",
     "&Importa",
     "Es&porta",
     "S&tampa...",
     "&Impostazioni",
     "&Esci",
     "&Modifica",
     "Te&sto",
     "&Visualizza",
     "Messaggi di &errore",
     "&CAD",
     "&Database",
     "D&ocumento",
     "&Dati del disegno",
     "Modifiche - &Info",
     "Modifiche - &Stampa",
     "&Nuova modifica",
     "Modifica l'&ultima modifica",
     "&Elimina l'ultima modifica",
     "Documento - &Impostazioni",
     "&Aiuto",
     "Immagini di &aiuto",
     "&Demo",
     "Sito &QUORVEN",
     "&E-mail a QUORVEN",
     "&Lingua",
     "Menu"},
    {"&Arkiv",
     "&Ny...",
     "&Öppna...",
     "&Spara...",
     "Spara s&om...",
     "&Importera",
     "E&xportera",
     "Skriv &ut...",
     "&Inställningar",
     "&Avsluta",
     "&Redigera",
     "Te&xt",
     "&Visa",
     "&Felmeddelanden",
     "&CAD",
     "&Databas",
     "D&okument",
     "&Ritningsdata",
     "Ändringar - &Info",
     "Ändringar - &Utskrift",
     "&Ny ändring",
     "&Redigera senaste ändring",
     "&Ta bort senaste ändring",
     "Dokument - &Inställningar",
     "&Hjälp",
     "&Hjälpbilder",
     "&Demo",
     "&QUORVEN hemsida",
     "&E-post till QUORVEN",
     "&Språk",
     "Meny"},
    {"&Arquivo",
     "&Novo...",
     "&Abrir...",
     "&Guardar...",
     "Guardar &como...",
     "&Importar",
     "Ex&portar",
     "&Imprimir...",
     "&Definições",
     "&Sair",
     "&Editar",
     "Te&xto",
     "&Ver",
     "Mensagens de &erro",
     "&CAD",
     "&Base de dados",
     "D&ocumento",
     "&Dados do desenho",
     "Alterações - &Info",
     "Alterações - &Impressão",
     "&Nova alteração",
     "&Editar última alteração",
     "E&liminar última alteração",
     "Documento - &Configuração",
     "&Ajuda",
     "Imagens de a&juda",
     "&Demo",
     "Página &QUORVEN",
     "&E-mail para QUORVEN",
     "&Idioma",
     "Menu"},
    {"&Fișier",
     "&Nou...",
     "&Deschide...",
     "&Salvează...",
     "Salvează &ca...",
     "Im&port",
     "E&xport",
     "Tipă&rește...",
     "S&etări",
     "&Ieșire",
     "&Editare",
     "Te&xt",
     "&Vizualizare",
     "&Mesaje de eroare",
     "&CAD",
     "&Bază de date",
     "D&ocument",
     "&Date desen",
     "Modificări - &Info",
     "Modificări - &Tipărire",
     "Modificare &nouă",
     "&Editează ultima modificare",
     "Șterge ultima &modificare",
     "Document - &Setări",
     "&Ajutor",
     "&Imagini ajutătoare",
     "&Demo",
     "Pagina &QUORVEN",
     "&E-mail către QUORVEN",
     "&Limba",
     "Meniu"},
    {"파일(&F)",
     "새로 만들기(&N)...",
     "열기(&O)...",
     "저장(&S)...",
     "다른 이름으로 저장(&A)...",
     "가져오기(&I)",
     "내보내기(&E)",
     "인쇄(&P)...",
     "설정(&R)",
     "종료(&X)",
     "편집(&E)",
     "텍스트(&X)",
     "보기(&V)",
     "오류 메시지(&R)",
     "&CAD",
     "데이터베이스(&D)",
     "문서(&O)",
     "도면 정보(&W)",
     "변경 - 정보(&I)",
     "변경 - 인쇄(&P)",
     "새 변경(&N)",
     "마지막 변경 편집(&E)",
     "마지막 변경 삭제(&D)",
     "문서 설정(&S)",
     "도움말(&H)",
     "도움 그림(&A)",
     "데모(&D)",
     "&QUORVEN 홈페이지",
     "QUORVEN에 전자 메일(&M)",
     "언어(&L)",
     "메뉴"},
    {"&Archivo",
     "&Nuevo...",
     "&Abrir...",
     "&Guardar...",
     "Guardar &como...",
     "&Importar",
     "Ex&portar",
     "&Imprimir...",
     "&Configuración",
     "&Salir",
     "&Edición",
     "Te&xto",
     "&Ver",
     "Mensajes de &error",
     "&CAD",
     "&Base de datos",
     "D&ocumento",
     "&Datos del dibujo",
     "Modificaciones - &Info",
     "Modificaciones - &Impresión",
     "&Nueva modificación",
     "&Editar última modificación",
     "&Borrar última modificación",
     "Documento - &Configuración",
     "A&yuda",
     "Imágenes de a&yuda",
     "&Demo",
     "Página &QUORVEN",
     "&E-mail a QUORVEN",
     "&Idioma",
     "Menú"},
};

// Table 2 for the languages it knows.
struct Table2Row {
    int language;
    Row2 texts;
};
const Table2Row kTable2[] = {
    {1,
     {"&Geometrie", "K&örper", "&Berechnung", "&Rücksetzen", "&Profil", "&Zeichnen",
      "&Standardausdruck", "&Auszug", "Pol&ylinie", "&Grafik", "&Tabelle", "&Zeichnung", "&Profile",
      "&Erweiterte Werte"}},
    {2,
     {"&Geometry", "&3rd Dimension", "&Calculation", "&Reset", "&Profile", "&Draw",
      "&Standard Printout", "&Excerpt Printout", "&Polyline", "&Graphics", "&Table", "&Drawing",
      "&Profiles", "E&xtended Values"}},
    {3,
     {"&Géométrie", "&Corps", "Ca&lcul", "&Réinitialiser", "&Profil", "&Dessiner",
      "Impression &standard", "&Extrait", "Pol&yligne", "&Graphique", "&Tableau", "&Dessin",
      "&Profilés", "&Valeurs étendues"}},
    {7,
     {"&Geometrie", "&Corp", "Ca&lcul", "&Resetare", "&Profil", "&Desenare", "Tipărire &standard",
      "&Extras", "Pol&ilinie", "&Grafică", "&Tabel", "&Desen", "&Profile", "&Valori extinse"}},
    {8,
     {"형상(&G)", "물체(&K)", "계산(&C)", "초기화(&R)", "프로파일(&P)", "그리기(&D)",
      "표준 출력(&S)", "요약 출력(&E)", "폴리라인(&Y)", "그래픽(&G)", "표(&T)", "도면(&D)",
      "프로파일 목록(&P)", "확장 값(&X)"}},
};

std::string Convert(const std::string& text, const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return text;
    std::vector<char> out(text.size() * 4 + 16);
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size(), outLeft = out.size();
    char* outp = out.data();
    std::size_t r = iconv(cd, &in, &inLeft, &outp, &outLeft);
    iconv_close(cd);
    if (r == static_cast<std::size_t>(-1)) return text;
    return std::string(out.data(), out.size() - outLeft);
}

// Korean slots are stored in CP949.
std::string Stored(const char* utf8, int language) {
    return language == kLanguageKorean ? Convert(utf8, "CP949", "UTF-8") : std::string(utf8);
}

} // namespace

CaptionTables::CaptionTables() {
    FillTable1(*this, 1);
    FillTable2(*this, 1);
}

bool FillTable1(CaptionTables& t, int language) {
    if (language < 1 || language > 9) return false;
    const Row1& row = kTable1[language - 1];
    for (std::size_t i = 0; i < row.size(); ++i)
        t.t1[i] = Stored(row[i], language);
    t.language1 = language;
    return true;
}

bool FillTable2(CaptionTables& t, int language) {
    for (const auto& row : kTable2) {
        if (row.language != language) continue;
        for (std::size_t i = 0; i < row.texts.size(); ++i)
            t.t2[i] = Stored(row.texts[i], language);
        t.language2 = language;
        return true;
    }
    return false;
}

std::string CaptionToUtf8(const std::string& text, int language) {
    return language == kLanguageKorean ? Convert(text, "UTF-8", "CP949") : text;
}

} // namespace vak1
