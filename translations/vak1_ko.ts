<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="de">
<context>
    <name>core</name>
    <message>
        <source>%1 Meldungen</source>
        <translation>메시지 %1개</translation>
    </message>
    <message>
        <source>%1 darf nicht negativ sein.</source>
        <translation>%1은(는) 음수일 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 existiert bereits.   Überschreiben ?</source>
        <translation>%1이(가) 이미 있습니다.   덮어쓰시겠습니까 ?</translation>
    </message>
    <message>
        <source>%1 ist zu groß: höchstens 1e9 mm.</source>
        <translation>%1이(가) 너무 큽니다: 최대 1e9 mm.</translation>
    </message>
    <message>
        <source>%1 konnte nicht geöffnet werden.</source>
        <translation>%1을(를) 열 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 muß größer als 0 sein.</source>
        <translation>%1은(는) 0보다 커야 합니다.</translation>
    </message>
    <message>
        <source>%1 muß kleiner als %2 sein (%3 = %4 mm, %5 = %6 mm).</source>
        <translation>%1은(는) %2보다 작아야 합니다 (%3 = %4 mm, %5 = %6 mm).</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>보기(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Auszug</source>
        <translation>요약(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Berechnung</source>
        <translation>계산(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Deutsch</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;Drucken ...</source>
        <translation>인쇄(&amp;D) ...</translation>
    </message>
    <message>
        <source>&amp;Drucken...</source>
        <translation>인쇄(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;E-Mail an QUORVEN</source>
        <translation>QUORVEN에 전자 메일(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>삽입(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>설정(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Erweiterte Werte</source>
        <translation>확장 값(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Fehlermeldungen</source>
        <translation>오류 메시지(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Fehlermeldungen (%1)</source>
        <translation>오류 메시지(&amp;R) (%1)</translation>
    </message>
    <message>
        <source>&amp;Geometrie</source>
        <translation>형상(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Grafik</source>
        <translation>그래픽(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Hilfebild</source>
        <translation>도움말 그림(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Hilfetext</source>
        <translation>도움말 텍스트(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Import DXF</source>
        <translation>DXF 가져오기(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>삭제(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>아니요(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>새로 만들기(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Neu...</source>
        <translation>새로 만들기(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Neue Änderung</source>
        <translation>새 변경(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Plotten</source>
        <translation>플롯(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Profil</source>
        <translation>형강(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Profile</source>
        <translation>형강 표(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Rücksetzen</source>
        <translation>초기화(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Speichern...</source>
        <translation>저장(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Sprache Menü</source>
        <translation>메뉴 언어(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Standardausdruck</source>
        <translation>표준 출력(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>찾기(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Tabelle</source>
        <translation>표(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Versionen</source>
        <translation>버전(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Weitersuchen</source>
        <translation>다음 찾기(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>다시 실행(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Zeichnen</source>
        <translation>그리기(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Zeichnung</source>
        <translation>도면(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Zeichnungsdaten</source>
        <translation>도면 데이터(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Ändern</source>
        <translation>변경(&amp;M)</translation>
    </message>
    <message>
        <source>-----  Einfügen ------</source>
        <translation>-----  삽입  ------</translation>
    </message>
    <message>
        <source>-----  Erweitern  -----</source>
        <translation>-----  추가  -----</translation>
    </message>
    <message>
        <source>-----  HP-GL/2 drucken/plotten  ------</source>
        <translation>-----  HP-GL/2 인쇄/플롯  ------</translation>
    </message>
    <message>
        <source>-----  Löschen  -----</source>
        <translation>-----  삭제  ------</translation>
    </message>
    <message>
        <source>-----  Ändern  ------</source>
        <translation>-----  변경  ------</translation>
    </message>
    <message>
        <source>0 : Keine Info nach Eingabe</source>
        <translation>0 : 입력 후 정보 없음</translation>
    </message>
    <message>
        <source>1 : Normale Einstellung</source>
        <translation>1 : 일반 설정</translation>
    </message>
    <message>
        <source>1 Meldung</source>
        <translation>메시지 1개</translation>
    </message>
    <message>
        <source>2 : Erweiterte Hilfe, Einzeleingabe</source>
        <translation>2 : 확장 도움말, 개별 입력</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Abhilfe</source>
        <translation>해결 방법</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>모든 파일 (*)</translation>
    </message>
    <message>
        <source>Alles aus&amp;wählen</source>
        <translation>모두 선택(&amp;A)</translation>
    </message>
    <message>
        <source>Alles auswählen</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>Anzahl der Dezimalstellen</source>
        <translation>소수 자릿수</translation>
    </message>
    <message>
        <source>Anzahl der Dezimalstellen DXF, TXT</source>
        <translation>소수 자릿수 DXF, TXT</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Arbeitsverzeichnis</source>
        <translation>작업 폴더</translation>
    </message>
    <message>
        <source>Archivierungsmodus ?</source>
        <translation>보관 모드 ?</translation>
    </message>
    <message>
        <source>Ausdehnung:</source>
        <translation>범위:</translation>
    </message>
    <message>
        <source>Ausdruck</source>
        <translation>출력</translation>
    </message>
    <message>
        <source>Ausgabe auf ..</source>
        <translation>출력 대상 ..</translation>
    </message>
    <message>
        <source>Ausgabe auf Laserprinter/Plotter mit KARTUNO</source>
        <translation>KARTUNO로 레이저 프린터/플로터 출력</translation>
    </message>
    <message>
        <source>Ausgabeformat</source>
        <translation>출력 형식</translation>
    </message>
    <message>
        <source>Ausgabeformat abfragen</source>
        <translation>출력 형식 묻기</translation>
    </message>
    <message>
        <source>Ausgabeschnittstelle</source>
        <translation>출력 인터페이스</translation>
    </message>
    <message>
        <source>Ausgezogene  Linie   0.25 mm</source>
        <translation>실선                0.25 mm</translation>
    </message>
    <message>
        <source>Ausgezogene  Linie   0.35 mm</source>
        <translation>실선                0.35 mm</translation>
    </message>
    <message>
        <source>Ausgezogene  Linie   0.50 mm</source>
        <translation>실선                0.50 mm</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>Auszug</source>
        <translation>요약</translation>
    </message>
    <message>
        <source>Bearb.</source>
        <translation>작성</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Bearbeiter</source>
        <translation>작성자</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>Berechnung</source>
        <translation>계산</translation>
    </message>
    <message>
        <source>Berechnung erfolgreich ohne Fehlermeldungen</source>
        <translation>오류 메시지 없이 계산 성공</translation>
    </message>
    <message>
        <source>Berechnung fehlgeschlagen</source>
        <translation>계산 실패</translation>
    </message>
    <message>
        <source>Bericht: %1</source>
        <translation>보고서: %1</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>설명</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>규격</translation>
    </message>
    <message>
        <source>Biegemoment My (um y)</source>
        <translation>굽힘 모멘트 My(y축)</translation>
    </message>
    <message>
        <source>Biegemoment My (um y):</source>
        <translation>굽힘 모멘트 My(y축):</translation>
    </message>
    <message>
        <source>Biegemoment Mz (um z)</source>
        <translation>굽힘 모멘트 Mz(z축)</translation>
    </message>
    <message>
        <source>Biegemoment Mz (um z):</source>
        <translation>굽힘 모멘트 Mz(z축):</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>그림 저장</translation>
    </message>
    <message>
        <source>Bild:</source>
        <translation>그림:</translation>
    </message>
    <message>
        <source>Bildschirm</source>
        <translation>화면</translation>
    </message>
    <message>
        <source>Bildschirmgrafik</source>
        <translation>화면 그래픽</translation>
    </message>
    <message>
        <source>Bisherige Eingaben verwerfen ?</source>
        <translation>지금까지의 입력을 버리시겠습니까 ?</translation>
    </message>
    <message>
        <source>Bitte wählen ..</source>
        <translation>선택하십시오 ..</translation>
    </message>
    <message>
        <source>Blatt x %1  y %2 mm</source>
        <translation>용지 x %1  y %2 mm</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>너비</translation>
    </message>
    <message>
        <source>Breite (Pixel)</source>
        <translation>너비 (픽셀)</translation>
    </message>
    <message>
        <source>CAD Ordner</source>
        <translation>CAD 폴더</translation>
    </message>
    <message>
        <source>CAD-Code</source>
        <translation>CAD 코드</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>계산</translation>
    </message>
    <message>
        <source>Color / Graustufen</source>
        <translation>컬러 / 회색조</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>D&amp;okument</source>
        <translation>문서(&amp;O)</translation>
    </message>
    <message>
        <source>DPI (vertikal)</source>
        <translation>DPI(세로)</translation>
    </message>
    <message>
        <source>DXF geschrieben: %1</source>
        <translation>DXF 저장됨: %1</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Datei %1 nicht gefunden !</source>
        <translation>파일 %1을(를) 찾을 수 없습니다 !</translation>
    </message>
    <message>
        <source>Datei %1 nicht gefunden oder kein Zugriffsrecht !</source>
        <translation>파일 %1을(를) 찾을 수 없거나 접근 권한이 없습니다 !</translation>
    </message>
    <message>
        <source>Datei 1</source>
        <translation>파일 1</translation>
    </message>
    <message>
        <source>Datei 2</source>
        <translation>파일 2</translation>
    </message>
    <message>
        <source>Datei 3</source>
        <translation>파일 3</translation>
    </message>
    <message>
        <source>Datei 4</source>
        <translation>파일 4</translation>
    </message>
    <message>
        <source>Datei 5</source>
        <translation>파일 5</translation>
    </message>
    <message>
        <source>Datei speichern (%1) ?</source>
        <translation>파일을 저장하시겠습니까 (%1) ?</translation>
    </message>
    <message>
        <source>Datei → Neu oder Datei → Öffnen</source>
        <translation>파일 → 새로 만들기 또는 파일 → 열기</translation>
    </message>
    <message>
        <source>Dateiname (ohne Endung .plt)</source>
        <translation>파일 이름(.plt 확장자 없이)</translation>
    </message>
    <message>
        <source>Dateiname zu lang</source>
        <translation>파일 이름이 너무 깁니다</translation>
    </message>
    <message>
        <source>Daten aktualisieren</source>
        <translation>데이터 새로 고침</translation>
    </message>
    <message>
        <source>Datenban&amp;k</source>
        <translation>데이터베이스(&amp;D)</translation>
    </message>
    <message>
        <source>Datenbank</source>
        <translation>데이터베이스</translation>
    </message>
    <message>
        <source>Datensatz als gelöscht markieren oder die Markierung aufheben</source>
        <translation>레코드를 삭제 표시하거나 표시 해제</translation>
    </message>
    <message>
        <source>Datensatz anhängen</source>
        <translation>레코드 추가</translation>
    </message>
    <message>
        <source>Datensatz bearbeiten</source>
        <translation>레코드 편집</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Datum ?</source>
        <translation>날짜 ?</translation>
    </message>
    <message>
        <source>Der Ausdruck konnte nicht erstellt werden.</source>
        <translation>출력을 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>Der Wert für %1 ist keine Zahl.</source>
        <translation>%1 값이 숫자가 아닙니다.</translation>
    </message>
    <message>
        <source>Dezimalzeichen</source>
        <translation>소수점 기호</translation>
    </message>
    <message>
        <source>Dezimalzeichen Excel</source>
        <translation>Excel 소수점 기호</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>다이어그램</translation>
    </message>
    <message>
        <source>Diagrammgrenzen abfragen</source>
        <translation>다이어그램 한계 묻기</translation>
    </message>
    <message>
        <source>Dialogelemente Größe</source>
        <translation>대화 상자 요소 크기</translation>
    </message>
    <message>
        <source>Dialogfenster Größe</source>
        <translation>대화 상자 크기</translation>
    </message>
    <message>
        <source>Dichte des Werkstoffs [kg/dm3]</source>
        <translation>재료 밀도 [kg/dm3]</translation>
    </message>
    <message>
        <source>Die Demonstration ist in dieser Version nicht enthalten.</source>
        <translation>이 버전에는 데모가 포함되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>Die Maße des Profils fehlen.</source>
        <translation>형강 치수가 없습니다.</translation>
    </message>
    <message>
        <source>Die letzte Berechnung hat keine Fehlermeldungen.</source>
        <translation>마지막 계산에 오류 메시지가 없습니다.</translation>
    </message>
    <message>
        <source>Diese Funktion folgt in einer späteren Version.</source>
        <translation>이 기능은 이후 버전에서 제공됩니다.</translation>
    </message>
    <message>
        <source>Dokument</source>
        <translation>문서</translation>
    </message>
    <message>
        <source>Dokument %1 ist nicht eingerichtet.</source>
        <translation>문서 %1이(가) 설정되지 않았습니다.</translation>
    </message>
    <message>
        <source>Dokument &amp;1</source>
        <translation>문서 &amp;1</translation>
    </message>
    <message>
        <source>Dokument &amp;2</source>
        <translation>문서 &amp;2</translation>
    </message>
    <message>
        <source>Dokument &amp;3</source>
        <translation>문서 &amp;3</translation>
    </message>
    <message>
        <source>Dokument &amp;4</source>
        <translation>문서 &amp;4</translation>
    </message>
    <message>
        <source>Dokument &amp;5</source>
        <translation>문서 &amp;5</translation>
    </message>
    <message>
        <source>Dokument &amp;Setup</source>
        <translation>문서 설정(&amp;S)</translation>
    </message>
    <message>
        <source>Dokument 1</source>
        <translation>문서 1</translation>
    </message>
    <message>
        <source>Dokument 2</source>
        <translation>문서 2</translation>
    </message>
    <message>
        <source>Dokument 3</source>
        <translation>문서 3</translation>
    </message>
    <message>
        <source>Dokument 4</source>
        <translation>문서 4</translation>
    </message>
    <message>
        <source>Dokument 5</source>
        <translation>문서 5</translation>
    </message>
    <message>
        <source>Drehen</source>
        <translation>회전</translation>
    </message>
    <message>
        <source>Drehen, schieben, vergrößern, verkleinern</source>
        <translation>회전, 이동, 확대, 축소</translation>
    </message>
    <message>
        <source>Drehwinkel °</source>
        <translation>회전 각도 °</translation>
    </message>
    <message>
        <source>Druckbreite (mm)</source>
        <translation>인쇄 너비 (mm)</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>프린터</translation>
    </message>
    <message>
        <source>Drucker...</source>
        <translation>프린터...</translation>
    </message>
    <message>
        <source>Druckerinfo</source>
        <translation>프린터 정보</translation>
    </message>
    <message>
        <source>Druckerschnittstelle (max = 3, default=1)</source>
        <translation>프린터 포트(최대 3, 기본값 1)</translation>
    </message>
    <message>
        <source>Druckerschnittstelle für Textausdruck</source>
        <translation>텍스트 출력용 프린터 포트</translation>
    </message>
    <message>
        <source>Druckhöhe (mm)</source>
        <translation>인쇄 높이 (mm)</translation>
    </message>
    <message>
        <source>E-Mail an QUORVEN</source>
        <translation>QUORVEN에 전자 메일</translation>
    </message>
    <message>
        <source>EDI Ordner</source>
        <translation>EDI 폴더</translation>
    </message>
    <message>
        <source>Ecken der Rechteckrohre</source>
        <translation>각형 강관의 모서리</translation>
    </message>
    <message>
        <source>Eingabe</source>
        <translation>입력</translation>
    </message>
    <message>
        <source>Eingabe der Positionen</source>
        <translation>위치 입력</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>단위</translation>
    </message>
    <message>
        <source>Einrichten</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Endpunkte, die näher beieinander liegen, werden verbunden</source>
        <translation>이보다 가까운 끝점은 연결됩니다</translation>
    </message>
    <message>
        <source>Englisch (in, lbf, psi)</source>
        <translation>야드파운드법 (in, lbf, psi)</translation>
    </message>
    <message>
        <source>Ergebnisgrafik</source>
        <translation>결과 그래픽</translation>
    </message>
    <message>
        <source>Ersatz für</source>
        <translation>대체 대상</translation>
    </message>
    <message>
        <source>Ersetzt durch</source>
        <translation>대체됨</translation>
    </message>
    <message>
        <source>Erster Datensatz</source>
        <translation>첫 레코드</translation>
    </message>
    <message>
        <source>Erweiterte Werte</source>
        <translation>확장 값</translation>
    </message>
    <message>
        <source>Ex&amp;port DXF</source>
        <translation>DXF 내보내기(&amp;P)</translation>
    </message>
    <message>
        <source>Export &amp;Notepad</source>
        <translation>메모장으로 내보내기(&amp;N)</translation>
    </message>
    <message>
        <source>Export Notepad</source>
        <translation>메모장으로 내보내기</translation>
    </message>
    <message>
        <source>Extern</source>
        <translation>외부</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>색</translation>
    </message>
    <message>
        <source>Farbe für Layer%1 (%2)</source>
        <translation>레이어 %1 색 (%2)</translation>
    </message>
    <message>
        <source>Farbe...</source>
        <translation>색...</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>색</translation>
    </message>
    <message>
        <source>Fehler :</source>
        <translation>오류 :</translation>
    </message>
    <message>
        <source>Fehler : keine Geometrie eingegeben !</source>
        <translation>오류 : 입력된 형상이 없습니다 !</translation>
    </message>
    <message>
        <source>Fehler bei Zugriff auf Diskette/Platte</source>
        <translation>디스크 접근 오류</translation>
    </message>
    <message>
        <source>Fehler beim Schließen einer Datei</source>
        <translation>파일 닫기 오류</translation>
    </message>
    <message>
        <source>Fehlermeldung</source>
        <translation>오류 메시지</translation>
    </message>
    <message>
        <source>Fehlermeldungen</source>
        <translation>오류 메시지</translation>
    </message>
    <message>
        <source>Fehlermeldungen zeigen</source>
        <translation>오류 메시지 보기</translation>
    </message>
    <message>
        <source>Fenstergroesse</source>
        <translation>창 크기</translation>
    </message>
    <message>
        <source>Fertigungszeichnung</source>
        <translation>제작 도면</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>Font..</source>
        <translation>글꼴..</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>글꼴...</translation>
    </message>
    <message>
        <source>Form der Trennzeilen im Ausdruck</source>
        <translation>출력 구분선 형식</translation>
    </message>
    <message>
        <source>Formblatt</source>
        <translation>양식 용지</translation>
    </message>
    <message>
        <source>Freigabefeld</source>
        <translation>승인란</translation>
    </message>
    <message>
        <source>Geometrie</source>
        <translation>형상</translation>
    </message>
    <message>
        <source>Geometrie mit Tabelle</source>
        <translation>표 포함 형상</translation>
    </message>
    <message>
        <source>Gepr.</source>
        <translation>검토</translation>
    </message>
    <message>
        <source>German x,xx</source>
        <translation>German x,xx</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>저장됨: %1</translation>
    </message>
    <message>
        <source>Gestrichelte Linie   0.25 mm</source>
        <translation>파선                0.25 mm</translation>
    </message>
    <message>
        <source>Grafik</source>
        <translation>그래픽</translation>
    </message>
    <message>
        <source>Größenfaktor Bemaßung</source>
        <translation>치수 크기 계수</translation>
    </message>
    <message>
        <source>Gültiger Wertebereich: %1 .. %2 !</source>
        <translation>유효 범위: %1 .. %2 !</translation>
    </message>
    <message>
        <source>Gültiger Wertebereich: -360 &lt; phi &lt; 360 !</source>
        <translation>유효 범위: -360 &lt; phi &lt; 360 !</translation>
    </message>
    <message>
        <source>HTML Browser</source>
        <translation>HTML 브라우저</translation>
    </message>
    <message>
        <source>HTML exportieren</source>
        <translation>HTML 내보내기</translation>
    </message>
    <message>
        <source>Hauptachsen</source>
        <translation>주축</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Hilfe &amp;Layer</source>
        <translation>레이어 도움말(&amp;L)</translation>
    </message>
    <message>
        <source>Hilfe&amp;bild</source>
        <translation>도움말 그림(&amp;P)</translation>
    </message>
    <message>
        <source>Hilfebilder(plt), Hilfetext(hlp), Demoskript(dem)</source>
        <translation>도움말 그림(plt), 도움말 텍스트(hlp), 데모 스크립트(dem)</translation>
    </message>
    <message>
        <source>Hilfegrad</source>
        <translation>도움말 수준</translation>
    </message>
    <message>
        <source>Hintergrundfarbe...</source>
        <translation>배경색...</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>세로</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>높이</translation>
    </message>
    <message>
        <source>Höhe (Pixel)</source>
        <translation>높이 (픽셀)</translation>
    </message>
    <message>
        <source>I-Profil</source>
        <translation>I형강</translation>
    </message>
    <message>
        <source>Import..</source>
        <translation>가져오기..</translation>
    </message>
    <message>
        <source>Information zum Hilfebild</source>
        <translation>도움말 그림 정보</translation>
    </message>
    <message>
        <source>K&amp;örper</source>
        <translation>물체(&amp;B)</translation>
    </message>
    <message>
        <source>KARTUNO Kommandozeile</source>
        <translation>KARTUNO 명령줄</translation>
    </message>
    <message>
        <source>KARTUNO Kommandozeilen</source>
        <translation>KARTUNO 명령줄</translation>
    </message>
    <message>
        <source>KARTUNO-Kommandozeile (0=Parameter)</source>
        <translation>KARTUNO 명령줄(0=매개변수)</translation>
    </message>
    <message>
        <source>Keine Profilfamilie gewählt.</source>
        <translation>형강 계열이 선택되지 않았습니다.</translation>
    </message>
    <message>
        <source>Keine Profilgröße gewählt.</source>
        <translation>형강 크기가 선택되지 않았습니다.</translation>
    </message>
    <message>
        <source>Kommandozeile:</source>
        <translation>명령줄:</translation>
    </message>
    <message>
        <source>Kontrollausgabe auf Bildschirm</source>
        <translation>화면 확인 출력</translation>
    </message>
    <message>
        <source>Kontur im Uhrzeigersinn: Fläche und Momente negativ</source>
        <translation>시계 방향 윤곽: 면적과 모멘트가 음수</translation>
    </message>
    <message>
        <source>Koordinaten %1</source>
        <translation>좌표 %1</translation>
    </message>
    <message>
        <source>Koordinaten auf 0 setzen ?</source>
        <translation>좌표를 0으로 설정 ?</translation>
    </message>
    <message>
        <source>Kopf nur 1.Seite</source>
        <translation>머리글은 첫 페이지만</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Kreisbogenwinkel %1</source>
        <translation>원호 각도 %1</translation>
    </message>
    <message>
        <source>Körper</source>
        <translation>물체</translation>
    </message>
    <message>
        <source>L-Profil</source>
        <translation>L형강</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>레이어</translation>
    </message>
    <message>
        <source>Layer Monochrom ?</source>
        <translation>레이어 흑백 ?</translation>
    </message>
    <message>
        <source>Layer:</source>
        <translation>레이어:</translation>
    </message>
    <message>
        <source>Leerzeichen und Leerzeilen</source>
        <translation>공백과 빈 줄</translation>
    </message>
    <message>
        <source>Leerzeilen am Seitenanfang</source>
        <translation>페이지 첫머리 빈 줄</translation>
    </message>
    <message>
        <source>Letzte Änderung &amp;bearbeiten</source>
        <translation>마지막 변경 편집(&amp;E)</translation>
    </message>
    <message>
        <source>Letzte Änderung &amp;löschen</source>
        <translation>마지막 변경 삭제(&amp;D)</translation>
    </message>
    <message>
        <source>Letzte Änderung löschen</source>
        <translation>마지막 변경 삭제</translation>
    </message>
    <message>
        <source>Letzte Änderung löschen ?</source>
        <translation>마지막 변경을 삭제할까요 ?</translation>
    </message>
    <message>
        <source>Letzter Datensatz</source>
        <translation>마지막 레코드</translation>
    </message>
    <message>
        <source>Linker Seitenoffset (Pixel)</source>
        <translation>왼쪽 페이지 오프셋 (픽셀)</translation>
    </message>
    <message>
        <source>Länge des Körpers in x-Richtung [inch]</source>
        <translation>x 방향 물체 길이 [inch]</translation>
    </message>
    <message>
        <source>Länge des Körpers in x-Richtung [mm]</source>
        <translation>x 방향 물체 길이 [mm]</translation>
    </message>
    <message>
        <source>Löschen ?</source>
        <translation>삭제하시겠습니까 ?</translation>
    </message>
    <message>
        <source>Markierer</source>
        <translation>마커</translation>
    </message>
    <message>
        <source>Markierte Datensätze endgültig löschen ?</source>
        <translation>표시된 레코드를 영구 삭제할까요 ?</translation>
    </message>
    <message>
        <source>Markierte Datensätze löschen</source>
        <translation>표시된 레코드 삭제</translation>
    </message>
    <message>
        <source>Max. Anzahl Zeilen/Seite auf dem Ausdruck</source>
        <translation>출력 페이지당 최대 줄 수</translation>
    </message>
    <message>
        <source>Maßstab</source>
        <translation>축척</translation>
    </message>
    <message>
        <source>Maßstab (0=anpassen)</source>
        <translation>축척(0=맞춤)</translation>
    </message>
    <message>
        <source>Maßstab anpassen ?</source>
        <translation>축척 맞춤 ?</translation>
    </message>
    <message>
        <source>Maßstab x</source>
        <translation>축척 x</translation>
    </message>
    <message>
        <source>Maßstab y</source>
        <translation>축척 y</translation>
    </message>
    <message>
        <source>Maßstab z</source>
        <translation>축척 z</translation>
    </message>
    <message>
        <source>Meldung</source>
        <translation>메시지</translation>
    </message>
    <message>
        <source>Meldung:</source>
        <translation>메시지:</translation>
    </message>
    <message>
        <source>Metrisch (mm, N, MPa)</source>
        <translation>미터법 (mm, N, MPa)</translation>
    </message>
    <message>
        <source>Mittellinie          0.25 mm</source>
        <translation>중심선              0.25 mm</translation>
    </message>
    <message>
        <source>Monochrom</source>
        <translation>흑백</translation>
    </message>
    <message>
        <source>Nach Excel exportieren</source>
        <translation>Excel로 내보내기</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Name der Ausgabedatei</source>
        <translation>출력 파일 이름</translation>
    </message>
    <message>
        <source>Name der Batch-Datei (ohne .sh)</source>
        <translation>배치 파일 이름(.sh 없이)</translation>
    </message>
    <message>
        <source>Netzfeinheit für Torsion und Schub (1 = Standard, 2 = halbe Elementgröße):</source>
        <translation>비틀림 및 전단용 메시 세밀도 (1 = 표준, 2 = 요소 크기 절반):</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Neue Position eingeben</source>
        <translation>새 위치 입력</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>표준</translation>
    </message>
    <message>
        <source>Normalkraft N (Zug positiv)</source>
        <translation>축력 N(인장 양수)</translation>
    </message>
    <message>
        <source>Normalkraft N (Zug positiv):</source>
        <translation>축력 N(인장 양수):</translation>
    </message>
    <message>
        <source>Normalspannung sx</source>
        <translation>수직 응력 sx</translation>
    </message>
    <message>
        <source>Nullpunkt x</source>
        <translation>원점 x</translation>
    </message>
    <message>
        <source>Nullpunkt y</source>
        <translation>원점 y</translation>
    </message>
    <message>
        <source>Nullpunktverschiebung in x-Richtung</source>
        <translation>x 방향 원점 이동</translation>
    </message>
    <message>
        <source>Nullpunktverschiebung in y-Richtung</source>
        <translation>y 방향 원점 이동</translation>
    </message>
    <message>
        <source>Nächster Datensatz</source>
        <translation>다음 레코드</translation>
    </message>
    <message>
        <source>Oberer Seitenoffset (Pixel)</source>
        <translation>위쪽 페이지 오프셋 (픽셀)</translation>
    </message>
    <message>
        <source>Ordner</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>Ordner der Projekttabelle wählen</source>
        <translation>프로젝트 표 폴더 선택</translation>
    </message>
    <message>
        <source>Ordner für Datenbankdateien (dbf)</source>
        <translation>데이터베이스 파일 폴더 (dbf)</translation>
    </message>
    <message>
        <source>Ordner für Projektdateien (*.vak1)</source>
        <translation>프로젝트 파일 폴더 (*.vak1)</translation>
    </message>
    <message>
        <source>Ordner für temporäre Dateien</source>
        <translation>임시 파일 폴더</translation>
    </message>
    <message>
        <source>PDF-Datei</source>
        <translation>PDF 파일</translation>
    </message>
    <message>
        <source>Packen</source>
        <translation>압축</translation>
    </message>
    <message>
        <source>Pan-Faktor</source>
        <translation>이동 계수</translation>
    </message>
    <message>
        <source>Pinsel</source>
        <translation>브러시</translation>
    </message>
    <message>
        <source>Plot um 90 Grad drehen ?</source>
        <translation>플롯을 90도 회전 ?</translation>
    </message>
    <message>
        <source>Pol&amp;ylinie</source>
        <translation>폴리라인(&amp;P)</translation>
    </message>
    <message>
        <source>Polygon-Teilung für Kreisbogenberechnung [Grad]</source>
        <translation>원호 계산의 다각형 분할 [도]</translation>
    </message>
    <message>
        <source>Polylinie</source>
        <translation>폴리라인</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Position einfügen</source>
        <translation>위치 삽입</translation>
    </message>
    <message>
        <source>Position löschen</source>
        <translation>위치 삭제</translation>
    </message>
    <message>
        <source>Postscript-Zeichensatz</source>
        <translation>PostScript 글꼴</translation>
    </message>
    <message>
        <source>Printer Info</source>
        <translation>프린터 정보</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>형강</translation>
    </message>
    <message>
        <source>Programm</source>
        <translation>프로그램</translation>
    </message>
    <message>
        <source>Programm 1</source>
        <translation>프로그램 1</translation>
    </message>
    <message>
        <source>Programm 2</source>
        <translation>프로그램 2</translation>
    </message>
    <message>
        <source>Programm 3</source>
        <translation>프로그램 3</translation>
    </message>
    <message>
        <source>Programm 4</source>
        <translation>프로그램 4</translation>
    </message>
    <message>
        <source>Programm 5</source>
        <translation>프로그램 5</translation>
    </message>
    <message>
        <source>Programm starten?</source>
        <translation>프로그램을 시작하시겠습니까?</translation>
    </message>
    <message>
        <source>Programmtitel ?</source>
        <translation>프로그램 제목 ?</translation>
    </message>
    <message>
        <source>Programmverzeichnis von %1</source>
        <translation>%1 프로그램 폴더</translation>
    </message>
    <message>
        <source>Projekte lesen</source>
        <translation>프로젝트 읽기</translation>
    </message>
    <message>
        <source>QUORVEN-Programm-Ordner</source>
        <translation>QUORVEN 프로그램 폴더</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>가로</translation>
    </message>
    <message>
        <source>Querkraft Vy</source>
        <translation>전단력 Vy</translation>
    </message>
    <message>
        <source>Querkraft Vy:</source>
        <translation>전단력 Vy:</translation>
    </message>
    <message>
        <source>Querkraft Vz</source>
        <translation>전단력 Vz</translation>
    </message>
    <message>
        <source>Querkraft Vz:</source>
        <translation>전단력 Vz:</translation>
    </message>
    <message>
        <source>Rasterdrucker</source>
        <translation>래스터 프린터</translation>
    </message>
    <message>
        <source>Rechteck</source>
        <translation>직사각형</translation>
    </message>
    <message>
        <source>Rechteckrohr</source>
        <translation>각형 강관</translation>
    </message>
    <message>
        <source>Richtungssinn umkehren</source>
        <translation>방향 반전</translation>
    </message>
    <message>
        <source>Rundrohr</source>
        <translation>원형 강관</translation>
    </message>
    <message>
        <source>Rundstahl</source>
        <translation>환봉</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Rücksetzen</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Sch&amp;ubmittelpunkt und Netz</source>
        <translation>전단 중심과 메시(&amp;U)</translation>
    </message>
    <message>
        <source>Schattierung</source>
        <translation>음영</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Schraffur</source>
        <translation>해칭</translation>
    </message>
    <message>
        <source>Schriften</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>Schubmittelpunkt und Netz</source>
        <translation>전단 중심과 메시</translation>
    </message>
    <message>
        <source>Schubspannung tau</source>
        <translation>전단 응력 tau</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>색 선택</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>Sonderzeichen</source>
        <translation>특수 문자</translation>
    </message>
    <message>
        <source>Spa&amp;nnungen</source>
        <translation>응력(&amp;N)</translation>
    </message>
    <message>
        <source>Spannungen</source>
        <translation>응력</translation>
    </message>
    <message>
        <source>Spannungen (finite Elemente)</source>
        <translation>응력(유한 요소)</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Speichern &amp;Unter...</source>
        <translation>다른 이름으로 저장(&amp;A)...</translation>
    </message>
    <message>
        <source>Speichern Unter</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>Speichern als Text mit Trennzeichen</source>
        <translation>구분 텍스트로 저장</translation>
    </message>
    <message>
        <source>Spiegeln</source>
        <translation>대칭</translation>
    </message>
    <message>
        <source>Spiegeln um Achse y</source>
        <translation>y축 대칭</translation>
    </message>
    <message>
        <source>Spiegeln um Achse z</source>
        <translation>z축 대칭</translation>
    </message>
    <message>
        <source>Sprache Menü</source>
        <translation>메뉴 언어</translation>
    </message>
    <message>
        <source>Standardausdruck</source>
        <translation>표준 출력</translation>
    </message>
    <message>
        <source>Steuersequenz für HP-GL/2-Laserdrucker vorausschicken ?</source>
        <translation>HP-GL/2 레이저 프린터 제어 시퀀스를 먼저 보내시겠습니까 ?</translation>
    </message>
    <message>
        <source>Stifte</source>
        <translation>펜</translation>
    </message>
    <message>
        <source>Strg+C kopiert die gewählten Zeilen, Strg+V fügt eine Koordinatenliste (y z [phi] je Zeile) vor der Auswahl ein.</source>
        <translation>Ctrl+C는 선택한 행을 복사하고, Ctrl+V는 좌표 목록(한 줄에 y z [phi])을 선택 앞에 삽입합니다.</translation>
    </message>
    <message>
        <source>Strichstärke</source>
        <translation>선 두께</translation>
    </message>
    <message>
        <source>Strichstärke=1</source>
        <translation>선 두께=1</translation>
    </message>
    <message>
        <source>Suchbegriff eingeben</source>
        <translation>검색어 입력</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>T-Profil</source>
        <translation>T형강</translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation>표</translation>
    </message>
    <message>
        <source>Te&amp;xt</source>
        <translation>텍스트(&amp;X)</translation>
    </message>
    <message>
        <source>Technologie</source>
        <translation>기술</translation>
    </message>
    <message>
        <source>Temporärer Ordner</source>
        <translation>임시 폴더</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Text mit Trennzeichen anhängen</source>
        <translation>구분 텍스트 추가</translation>
    </message>
    <message>
        <source>Textausdruck</source>
        <translation>텍스트 출력</translation>
    </message>
    <message>
        <source>Textbreitenfaktor</source>
        <translation>텍스트 너비 계수</translation>
    </message>
    <message>
        <source>Textdrucker</source>
        <translation>텍스트 프린터</translation>
    </message>
    <message>
        <source>Textfenster</source>
        <translation>텍스트 창</translation>
    </message>
    <message>
        <source>Texthöhenfaktor</source>
        <translation>텍스트 높이 계수</translation>
    </message>
    <message>
        <source>Textprogramm</source>
        <translation>텍스트 프로그램</translation>
    </message>
    <message>
        <source>Textstil</source>
        <translation>텍스트 스타일</translation>
    </message>
    <message>
        <source>Textwinkel</source>
        <translation>텍스트 각도</translation>
    </message>
    <message>
        <source>Toleranz [mm]:</source>
        <translation>허용 오차 [mm]:</translation>
    </message>
    <message>
        <source>Toleranz: bitte eine positive Zahl (mm) eingeben</source>
        <translation>허용 오차: 양수(mm)를 입력하십시오</translation>
    </message>
    <message>
        <source>Torsion und Schub (finite Elemente)</source>
        <translation>비틀림 및 전단 (유한 요소)</translation>
    </message>
    <message>
        <source>Torsionsmoment Mx</source>
        <translation>비틀림 모멘트 Mx</translation>
    </message>
    <message>
        <source>Torsionsmoment Mx:</source>
        <translation>비틀림 모멘트 Mx:</translation>
    </message>
    <message>
        <source>Transform.</source>
        <translation>변환</translation>
    </message>
    <message>
        <source>Treiberversion</source>
        <translation>드라이버 버전</translation>
    </message>
    <message>
        <source>Trennlinien  ---- ====  ****</source>
        <translation>구분선  ---- ====  ****</translation>
    </message>
    <message>
        <source>Trennlinien  ──── ════</source>
        <translation>구분선  ──── ════</translation>
    </message>
    <message>
        <source>U-Profil</source>
        <translation>U형강</translation>
    </message>
    <message>
        <source>Umrandung</source>
        <translation>테두리</translation>
    </message>
    <message>
        <source>Ungültige Eingabe %1 !</source>
        <translation>잘못된 입력 %1 !</translation>
    </message>
    <message>
        <source>Ungültiger Dateiname %1 !</source>
        <translation>잘못된 파일 이름 %1 !</translation>
    </message>
    <message>
        <source>Ungültiges Datum: %1</source>
        <translation>잘못된 날짜: %1</translation>
    </message>
    <message>
        <source>Ursache</source>
        <translation>원인</translation>
    </message>
    <message>
        <source>Ursprung x</source>
        <translation>원점 x</translation>
    </message>
    <message>
        <source>Ursprung y</source>
        <translation>원점 y</translation>
    </message>
    <message>
        <source>VAK1  Querschnittberechnung</source>
        <translation>VAK1  단면 계산</translation>
    </message>
    <message>
        <source>VAK1  Querschnittberechnung  -  %1</source>
        <translation>VAK1  단면 계산  -  %1</translation>
    </message>
    <message>
        <source>VAK1 Hilfebilder</source>
        <translation>VAK1 도움말 그림</translation>
    </message>
    <message>
        <source>VAK1 Konfiguration</source>
        <translation>VAK1 구성</translation>
    </message>
    <message>
        <source>Vergleichsspannung sv</source>
        <translation>등가 응력 sv</translation>
    </message>
    <message>
        <source>Verknüpfte Dokumente</source>
        <translation>연결된 문서</translation>
    </message>
    <message>
        <source>Verschieben</source>
        <translation>이동</translation>
    </message>
    <message>
        <source>Verschiebung y</source>
        <translation>이동 y</translation>
    </message>
    <message>
        <source>Verschiebung z</source>
        <translation>이동 z</translation>
    </message>
    <message>
        <source>Version 5.0: Querschnittswerte, Körperwerte, Berichte, CAD-Ausgabe.</source>
        <translation>버전 5.0: 단면 특성, 물체 값, 보고서, CAD 출력.</translation>
    </message>
    <message>
        <source>Versionen</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Vor welche Zeile einfügen ?</source>
        <translation>어느 줄 앞에 삽입하시겠습니까 ?</translation>
    </message>
    <message>
        <source>Vor welcher Position soll eingefügt werden ?</source>
        <translation>어느 위치 앞에 삽입하시겠습니까 ?</translation>
    </message>
    <message>
        <source>Vorheriger Datensatz</source>
        <translation>이전 레코드</translation>
    </message>
    <message>
        <source>Warnung:</source>
        <translation>경고:</translation>
    </message>
    <message>
        <source>Warnung: Kontur schneidet sich selbst, ihre Fläche ist die keines Querschnitts</source>
        <translation>경고: 윤곽이 스스로 교차하여 면적이 어떤 단면의 것도 아닙니다</translation>
    </message>
    <message>
        <source>Weiter/zurück...</source>
        <translation>다음/뒤로...</translation>
    </message>
    <message>
        <source>Weitersuchen</source>
        <translation>다음 찾기</translation>
    </message>
    <message>
        <source>Welches Bild ausdrucken ?</source>
        <translation>어느 그림을 인쇄할까요 ?</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Windows-Drucker</source>
        <translation>시스템 프린터</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>각도</translation>
    </message>
    <message>
        <source>Zeichnen</source>
        <translation>그리기</translation>
    </message>
    <message>
        <source>Zeichnung</source>
        <translation>도면</translation>
    </message>
    <message>
        <source>Zeichnung:</source>
        <translation>도면:</translation>
    </message>
    <message>
        <source>Zeichnungsinfo</source>
        <translation>도면 정보</translation>
    </message>
    <message>
        <source>Zeichnungsname</source>
        <translation>도면 이름</translation>
    </message>
    <message>
        <source>Zeichnungsname 2</source>
        <translation>도면 이름 2</translation>
    </message>
    <message>
        <source>Zeichnungsnummer</source>
        <translation>도면 번호</translation>
    </message>
    <message>
        <source>Zeichnungsoptionen</source>
        <translation>도면 옵션</translation>
    </message>
    <message>
        <source>Zeile 1</source>
        <translation>줄 1</translation>
    </message>
    <message>
        <source>Zeile 2</source>
        <translation>줄 2</translation>
    </message>
    <message>
        <source>Zeile 3</source>
        <translation>줄 3</translation>
    </message>
    <message>
        <source>Zoomfaktor</source>
        <translation>확대 계수</translation>
    </message>
    <message>
        <source>Zu löschende Zeile wählen...</source>
        <translation>삭제할 줄 선택...</translation>
    </message>
    <message>
        <source>Zu ändernde Zeile wählen...</source>
        <translation>변경할 줄 선택...</translation>
    </message>
    <message>
        <source>Zuerst „Start Excel“ wählen.</source>
        <translation>먼저 "Start Excel"을 선택하십시오.</translation>
    </message>
    <message>
        <source>achsen  : Schwerpunkt, Hauptachsen v/w und Winkel phi</source>
        <translation>achsen  : 도심, 주축 v/w 및 각도 phi</translation>
    </message>
    <message>
        <source>alle Layer</source>
        <translation>모든 레이어</translation>
    </message>
    <message>
        <source>andere Schriften</source>
        <translation>기타 글꼴</translation>
    </message>
    <message>
        <source>anpassen</source>
        <translation>맞춤</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>까지</translation>
    </message>
    <message>
        <source>blau</source>
        <translation>파랑</translation>
    </message>
    <message>
        <source>bogen   : Kreisbogenwinkel zwischen zwei Positionen</source>
        <translation>bogen   : 두 위치 사이의 원호 각도</translation>
    </message>
    <message>
        <source>braun</source>
        <translation>갈색</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>청록</translation>
    </message>
    <message>
        <source>dbf Structure</source>
        <translation>dbf 구조</translation>
    </message>
    <message>
        <source>dbf-Struktur</source>
        <translation>dbf 구조</translation>
    </message>
    <message>
        <source>dbf-Tabelle anhängen</source>
        <translation>dbf 표 추가</translation>
    </message>
    <message>
        <source>dunkel blau</source>
        <translation>진한 파랑</translation>
    </message>
    <message>
        <source>dunkel cyan</source>
        <translation>진한 청록</translation>
    </message>
    <message>
        <source>dunkel grau</source>
        <translation>진한 회색</translation>
    </message>
    <message>
        <source>dunkel grün</source>
        <translation>진한 초록</translation>
    </message>
    <message>
        <source>dunkel magenta</source>
        <translation>진한 자홍</translation>
    </message>
    <message>
        <source>dunkel rot</source>
        <translation>진한 빨강</translation>
    </message>
    <message>
        <source>egal</source>
        <translation>상관없음</translation>
    </message>
    <message>
        <source>externes Textprogramm</source>
        <translation>외부 텍스트 프로그램</translation>
    </message>
    <message>
        <source>file name  ?</source>
        <translation>파일 이름  ?</translation>
    </message>
    <message>
        <source>gelb</source>
        <translation>노랑</translation>
    </message>
    <message>
        <source>grün</source>
        <translation>초록</translation>
    </message>
    <message>
        <source>hell grau</source>
        <translation>밝은 회색</translation>
    </message>
    <message>
        <source>höchstens %1 Zeichen</source>
        <translation>최대 %1자</translation>
    </message>
    <message>
        <source>kaltgefertigt</source>
        <translation>냉간 성형</translation>
    </message>
    <message>
        <source>koerper : Körperlänge lx, Volumen und Masse</source>
        <translation>koerper : 물체 길이 lx, 부피 및 질량</translation>
    </message>
    <message>
        <source>komprimiert, ohne Trennzeilen</source>
        <translation>압축, 구분선 없음</translation>
    </message>
    <message>
        <source>kontur  : Kontur mit Positionen und Umlaufsinn</source>
        <translation>kontur  : 위치와 방향이 있는 윤곽</translation>
    </message>
    <message>
        <source>links</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>자홍</translation>
    </message>
    <message>
        <source>mit Kopf</source>
        <translation>머리글 포함</translation>
    </message>
    <message>
        <source>monochrom</source>
        <translation>흑백</translation>
    </message>
    <message>
        <source>nicht spiegeln</source>
        <translation>대칭 안 함</translation>
    </message>
    <message>
        <source>nur Polylinie</source>
        <translation>폴리라인만</translation>
    </message>
    <message>
        <source>nur Tabelle</source>
        <translation>표만</translation>
    </message>
    <message>
        <source>oben</source>
        <translation>위</translation>
    </message>
    <message>
        <source>parallel</source>
        <translation>병렬</translation>
    </message>
    <message>
        <source>poslist : Positionsliste und ihre Befehle</source>
        <translation>poslist : 위치 목록과 명령</translation>
    </message>
    <message>
        <source>r innen</source>
        <translation>내부 r</translation>
    </message>
    <message>
        <source>rot</source>
        <translation>빨강</translation>
    </message>
    <message>
        <source>schwarz</source>
        <translation>검정</translation>
    </message>
    <message>
        <source>seriell</source>
        <translation>직렬</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>von</source>
        <translation>부터</translation>
    </message>
    <message>
        <source>warmgefertigt</source>
        <translation>열간 성형</translation>
    </message>
    <message>
        <source>weiß</source>
        <translation>흰색</translation>
    </message>
    <message>
        <source>zeichng : Zeichnungsarten 1 bis 5</source>
        <translation>zeichng : 도면 종류 1~5</translation>
    </message>
    <message>
        <source>zu löschende Position wählen  ...</source>
        <translation>삭제할 위치 선택  ...</translation>
    </message>
    <message>
        <source>zu viele Punkte !</source>
        <translation>점이 너무 많습니다 !</translation>
    </message>
    <message>
        <source>zurück ..</source>
        <translation>뒤로 ..</translation>
    </message>
    <message>
        <source>Ä-&gt;Ae, ß-&gt;ss...</source>
        <translation>움라우트 -&gt; Ae, ss...</translation>
    </message>
    <message>
        <source>Änderung %1</source>
        <translation>변경 %1</translation>
    </message>
    <message>
        <source>Änderung speichern</source>
        <translation>변경 저장</translation>
    </message>
    <message>
        <source>Änderung verwerfen</source>
        <translation>변경 취소</translation>
    </message>
    <message>
        <source>Änderungen - &amp;Ausdruck</source>
        <translation>변경 - 출력(&amp;P)</translation>
    </message>
    <message>
        <source>Änderungen - &amp;Info</source>
        <translation>변경 - 정보(&amp;I)</translation>
    </message>
    <message>
        <source>Änderungen - Ausdruck</source>
        <translation>변경 - 출력</translation>
    </message>
    <message>
        <source>Änderungen - Info</source>
        <translation>변경 - 정보</translation>
    </message>
    <message>
        <source>Änderungstext</source>
        <translation>변경 내용</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen...</source>
        <translation>열기(&amp;O)...</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Öffnen... (&amp;Tabelle)</source>
        <translation>열기... (표)(&amp;T)</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Übernehmen &amp;Datenbank</source>
        <translation>데이터베이스에서 가져오기(&amp;D)</translation>
    </message>
    <message>
        <source>Übernehmen Datenbank</source>
        <translation>데이터베이스에서 가져오기</translation>
    </message>
</context>
</TS>
