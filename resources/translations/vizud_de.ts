<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>open last Channel List</source>
        <translation>letzte Kanalliste öffnen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Register File Type (*.sdb)</source>
        <translation>Dateityp registrieren (*.sdb)</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>Port settings</source>
        <translation>Port-Einstellungen</translation>
    </message>
    <message>
        <source>Select port:</source>
        <translation>Port wählen:</translation>
    </message>
    <message>
        <source>COM1</source>
        <translation>COM1</translation>
    </message>
    <message>
        <source>COM2</source>
        <translation>COM2</translation>
    </message>
    <message>
        <source>COM3</source>
        <translation>COM3</translation>
    </message>
    <message>
        <source>COM4</source>
        <translation>COM4</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Gerät:</translation>
    </message>
    <message>
        <source>The serial device the selected COM port opens.</source>
        <translation>Das serielle Gerät, das der gewählte COM-Port öffnet.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Set Default</source>
        <translation>Standardwerte</translation>
    </message>
</context>
<context>
    <name>ProgramDialog</name>
    <message>
        <source>Channel edit</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <source>Channel name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Choose a provider, or type a new name to create one</source>
        <translation>Anbieter wählen oder einen neuen Namen eingeben, um ihn anzulegen</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Transponder frequency</source>
        <translation>Transponderfrequenz</translation>
    </message>
    <message>
        <source>Ch Status</source>
        <translation>Kanalstatus</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>SCPC</source>
        <translation>SCPC</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>User.Prog.</source>
        <translation>Benutzerprog.</translation>
    </message>
    <message>
        <source>PIDs</source>
        <translation>PIDs</translation>
    </message>
    <message>
        <source>PID Video</source>
        <translation>PID Video</translation>
    </message>
    <message>
        <source>PID Audio</source>
        <translation>PID Audio</translation>
    </message>
    <message>
        <source>PID PCR</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>TV / Radio</source>
        <translation>TV / Radio</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Member of this favourite list</source>
        <translation>In dieser Favoritenliste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>SatelliteDialog</name>
    <message>
        <source>Satellite edit</source>
        <translation>Satellit editieren</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Degree:</source>
        <translation>Grad:</translation>
    </message>
    <message>
        <source>Orbital position in degrees, with one decimal (19,2 or 19.2)</source>
        <translation>Orbitposition in Grad mit einer Nachkommastelle (19,2 oder 19.2)</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>LNB Lower LO:</source>
        <translation>LNB unterer LO:</translation>
    </message>
    <message>
        <source>MHz; choose a standard value or type one from 3350 to 14900</source>
        <translation>MHz; Standardwert wählen oder einen Wert von 3350 bis 14900 eingeben</translation>
    </message>
    <message>
        <source>LNB Upper LO:</source>
        <translation>LNB oberer LO:</translation>
    </message>
    <message>
        <source>DiSEqC Mode:</source>
        <translation>DiSEqC-Modus:</translation>
    </message>
    <message>
        <source>DisEqc 1.1 :</source>
        <translation>DisEqc 1.1 :</translation>
    </message>
    <message>
        <source>Tone 22 kHz:</source>
        <translation>Ton 22 kHz:</translation>
    </message>
    <message>
        <source>Positioner No :</source>
        <translation>Positioner-Nr.:</translation>
    </message>
    <message>
        <source>Stored DiSEqC 1.2 position, 0 to 200 (0: the first free one)</source>
        <translation>Gespeicherte DiSEqC-1.2-Position, 0 bis 200 (0: die erste freie)</translation>
    </message>
    <message>
        <source> DiSEqC 1.2</source>
        <translation> DiSEqC 1.2</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standart</translation>
    </message>
    <message>
        <source>Fill in the settings of the predefined satellite of this name</source>
        <translation>Die Einstellungen des vordefinierten Satelliten dieses Namens eintragen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>Transmission</source>
        <translation>Übertragung</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>Frame repeat</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>Last Error</source>
        <translation>Letzter Fehler</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TransponderDeleteDialog</name>
    <message>
        <source>Transponder Delete</source>
        <translation>Transponder Löschen</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>The transponder to delete, with every program tuned to it</source>
        <translation>Der zu löschende Transponder, mit allen Programmen darauf</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TransponderListDialog</name>
    <message>
        <source>TP Edit</source>
        <translation>Transponder bearbeiten</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenz (MHz)</translation>
    </message>
    <message>
        <source>Symbol rate (kS/s)</source>
        <translation>Symbolrate (kS/s)</translation>
    </message>
    <message>
        <source>Transport Stream ID</source>
        <translation>Transport-Stream-ID</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>Netzwerk-ID</translation>
    </message>
    <message>
        <source>Original Network ID</source>
        <translation>Original-Netzwerk-ID</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Circular Left</source>
        <translation>Zirkular links</translation>
    </message>
    <message>
        <source>Circular Right</source>
        <translation>Zirkular rechts</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>1/2</source>
        <translation>1/2</translation>
    </message>
    <message>
        <source>2/3</source>
        <translation>2/3</translation>
    </message>
    <message>
        <source>3/4</source>
        <translation>3/4</translation>
    </message>
    <message>
        <source>5/6</source>
        <translation>5/6</translation>
    </message>
    <message>
        <source>7/8</source>
        <translation>7/8</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TransponderTreeDialog</name>
    <message>
        <source>Transponder edit</source>
        <translation>Transponder bearbeiten</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenz (MHz)</translation>
    </message>
    <message>
        <source>Symbol rate (kS/s)</source>
        <translation>Symbolrate (kS/s)</translation>
    </message>
    <message>
        <source>Network ID</source>
        <translation>Netzwerk-ID</translation>
    </message>
    <message>
        <source>Transport Stream ID</source>
        <translation>Transport-Stream-ID</translation>
    </message>
    <message>
        <source>Original Network ID</source>
        <translation>Original-Netzwerk-ID</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Circular Left</source>
        <translation>Zirkular links</translation>
    </message>
    <message>
        <source>Circular Right</source>
        <translation>Zirkular rechts</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>1/2</source>
        <translation>1/2</translation>
    </message>
    <message>
        <source>2/3</source>
        <translation>2/3</translation>
    </message>
    <message>
        <source>3/4</source>
        <translation>3/4</translation>
    </message>
    <message>
        <source>5/6</source>
        <translation>5/6</translation>
    </message>
    <message>
        <source>7/8</source>
        <translation>7/8</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Put the loaded values back</source>
        <translation>Die geladenen Werte wiederherstellen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>vizud::AboutBox</name>
    <message>
        <source>Channel Data and Tools</source>
        <translation>Kanaldaten und Werkzeuge</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>Support forum</source>
        <translation>Support-Forum</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
</context>
<context>
    <name>vizud::CLeftView</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Rename provider</source>
        <translation>Anbieter umbenennen</translation>
    </message>
    <message>
        <source>Rename satellite</source>
        <translation>Satellit umbenennen</translation>
    </message>
    <message>
        <source>Rename favourite list</source>
        <translation>Favoritenliste umbenennen</translation>
    </message>
    <message>
        <source>Edit satellite</source>
        <translation>Satellit bearbeiten</translation>
    </message>
    <message>
        <source>Add transponder</source>
        <translation>Transponder hinzufügen</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Transponder bearbeiten</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>Add satellite...</source>
        <translation>Satellit hinzufügen...</translation>
    </message>
    <message>
        <source>Edit satellite...</source>
        <translation>Satellit bearbeiten...</translation>
    </message>
    <message>
        <source>Delete satellite...</source>
        <translation>Satellit löschen...</translation>
    </message>
    <message>
        <source>Blank satellite</source>
        <translation>Leerer Satellit</translation>
    </message>
    <message>
        <source>Add satellite</source>
        <translation>Satellit hinzufügen</translation>
    </message>
    <message>
        <source>Start from:</source>
        <translation>Ausgehend von:</translation>
    </message>
    <message>
        <source>Satellite %1 is still used by a program in the clipboard.
Paste it first.</source>
        <translation>Satellit %1 wird noch von einem Programm in der Zwischenablage gebraucht.
Fügen Sie es zuerst ein.</translation>
    </message>
    <message>
        <source>Delete satellite %1?

Its %2 transponders and %3 programs are deleted with it; the favourite lists lose those programs.</source>
        <translation>Satellit %1 löschen?

Seine %2 Transponder und %3 Programme werden mit gelöscht; die Favoritenlisten verlieren diese Programme.</translation>
    </message>
    <message>
        <source>Delete satellite</source>
        <translation>Satellit löschen</translation>
    </message>
</context>
<context>
    <name>vizud::CMainFrame</name>
    <message>
        <source>OVR</source>
        <translation>ÜB</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Erstellt ein neues Dokument
Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Öffnet ein vorhandenes Dokument
Öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Speichert das aktive Dokument
Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Speichert das aktive Dokument unter einem neuen Namen
Speichern unter</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Druckt das aktive Dokument
Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Seiten&amp;ansicht</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Zeigt ganze Seiten an
Seitenansicht</translation>
    </message>
    <message>
        <source>P&amp;rinter Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Ändert den Drucker und die Druckoptionen
Druckereinrichtung</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Beendet die Anwendung; fragt, ob Dokumente gespeichert werden sollen
Beenden</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Find the specified text
Find</source>
        <translation>Sucht den angegebenen Text
Suchen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Macht die letzte Aktion rückgängig
Rückgängig</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Schneidet die Markierung aus und legt sie in die Zwischenablage
Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Kopiert die Markierung in die Zwischenablage
Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Fügt den Inhalt der Zwischenablage ein
Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete selected Item
Delete</source>
        <translation>Löscht das markierte Element
Löschen</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Blendet die Symbolleiste ein oder aus
Symbolleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Blendet die Statusleiste ein oder aus
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>TV Programs</source>
        <translation>TV-Programme</translation>
    </message>
    <message>
        <source>Show TV programs only.
TV Programs</source>
        <translation>Nur TV-Programme anzeigen.
TV-Programme</translation>
    </message>
    <message>
        <source>Radio Programs</source>
        <translation>Radioprogramme</translation>
    </message>
    <message>
        <source>Show radio programs only.
Radio Programs</source>
        <translation>Nur Radioprogramme anzeigen.
Radioprogramme</translation>
    </message>
    <message>
        <source>TV and Radio Programs</source>
        <translation>TV- und Radioprogramme</translation>
    </message>
    <message>
        <source>Show TV &amp; radio programs.
TV and Radio Programs</source>
        <translation>TV- und Radioprogramme anzeigen.
TV- und Radioprogramme</translation>
    </message>
    <message>
        <source>Download database</source>
        <translation>Datenbank herunterladen</translation>
    </message>
    <message>
        <source>Load database from Set Top Box to PC.
Load database from Set Top Box to PC.</source>
        <translation>Datenbank vom Receiver auf den PC laden.
Datenbank vom Receiver auf den PC laden.</translation>
    </message>
    <message>
        <source>Upload database</source>
        <translation>Datenbank übertragen</translation>
    </message>
    <message>
        <source>Load database from PC to Set Top Box.
Load database from PC to Set Top Box.</source>
        <translation>Datenbank vom PC auf den Receiver laden.
Datenbank vom PC auf den Receiver laden.</translation>
    </message>
    <message>
        <source>Software upgrade</source>
        <translation>Software-Aktualisierung</translation>
    </message>
    <message>
        <source>Soft Upgrade from PC DLP File.
Soft Upgrade from PC DLP File.</source>
        <translation>Software-Aktualisierung aus einer DLP-Datei des PCs.
Software-Aktualisierung aus einer DLP-Datei des PCs.</translation>
    </message>
    <message>
        <source>COM port settings</source>
        <translation>COM-Port-Einstellungen</translation>
    </message>
    <message>
        <source>Config RS232 Port.
Config RS232 Port.</source>
        <translation>RS232-Port einstellen.
RS232-Port einstellen.</translation>
    </message>
    <message>
        <source>ComPort</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Set program options.
Options</source>
        <translation>Programmoptionen einstellen.
Optionen</translation>
    </message>
    <message>
        <source>&amp;about KORVALE Editor</source>
        <translation>&amp;Über KORVALE Editor</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Zeigt Programminformationen, Versionsnummer und Copyright an
Info</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Öffnet dieses Dokument</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Stellt die zuletzt rückgängig gemachte Aktion wieder her
Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Move to...</source>
        <translation>&amp;Verschieben nach...</translation>
    </message>
    <message>
        <source>Move the selected programs to another number
Move to</source>
        <translation>Verschiebt die markierten Programme an eine andere Nummer
Verschieben nach</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>TV and Radio</source>
        <translation>TV und Radio</translation>
    </message>
    <message>
        <source>&amp;Export list...</source>
        <translation>Liste &amp;exportieren...</translation>
    </message>
    <message>
        <source>Write the programs to a CSV file for a spreadsheet
Export list</source>
        <translation>Schreibt die Programme in eine CSV-Datei für eine Tabellenkalkulation
Liste exportieren</translation>
    </message>
    <message>
        <source>By &amp;name</source>
        <translation>Nach &amp;Name</translation>
    </message>
    <message>
        <source>Sort the TV and the radio programs of the view by name
Sort by name</source>
        <translation>Die TV- und Radioprogramme der Ansicht nach Namen sortieren
Nach Name sortieren</translation>
    </message>
    <message>
        <source>By &amp;provider</source>
        <translation>Nach &amp;Anbieter</translation>
    </message>
    <message>
        <source>Sort the programs of the view by provider, then name
Sort by provider</source>
        <translation>Die Programme der Ansicht nach Anbieter, dann Namen sortieren
Nach Anbieter sortieren</translation>
    </message>
    <message>
        <source>By &amp;transponder</source>
        <translation>Nach &amp;Transponder</translation>
    </message>
    <message>
        <source>Sort the programs of the view by satellite position, frequency and polarization
Sort by transponder</source>
        <translation>Die Programme der Ansicht nach Satellitenposition, Frequenz und Polarisation sortieren
Nach Transponder sortieren</translation>
    </message>
    <message>
        <source>&amp;Order like another file...</source>
        <translation>&amp;Wie andere Datei ordnen...</translation>
    </message>
    <message>
        <source>Put the programs in the order of another channel file, such as the list before a new scan
Order like another file</source>
        <translation>Die Programme in die Reihenfolge einer anderen Kanaldatei bringen, etwa der Liste vor einem neuen Suchlauf
Wie andere Datei ordnen</translation>
    </message>
    <message>
        <source>&amp;Check database...</source>
        <translation>Datenbank &amp;prüfen...</translation>
    </message>
    <message>
        <source>Look for damaged references, counts and lists
Check database</source>
        <translation>Nach beschädigten Verweisen, Zählern und Listen suchen
Datenbank prüfen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Nach Name sortieren</translation>
    </message>
    <message>
        <source>Sort by provider</source>
        <translation>Nach Anbieter sortieren</translation>
    </message>
    <message>
        <source>Sort by transponder</source>
        <translation>Nach Transponder sortieren</translation>
    </message>
    <message>
        <source>Order like another file</source>
        <translation>Wie andere Datei ordnen</translation>
    </message>
    <message>
        <source>Repair database</source>
        <translation>Datenbank reparieren</translation>
    </message>
</context>
<context>
    <name>vizud::CViz_ud_app_17Doc</name>
    <message>
        <source>Remove unused providers</source>
        <translation>Unbenutzte Anbieter entfernen</translation>
    </message>
</context>
<context>
    <name>vizud::CViz_ud_app_17View</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit selected program.</source>
        <translation>Ausgewähltes Programm bearbeiten.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add program.</source>
        <translation>Programm hinzufügen.</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Edit selected transponder.</source>
        <translation>Ausgewählten Transponder bearbeiten.</translation>
    </message>
    <message>
        <source>Add transponder.</source>
        <translation>Transponder hinzufügen.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete selected transponder.</source>
        <translation>Ausgewählten Transponder löschen.</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>T&amp;V / Radio</source>
        <translation>T&amp;V / Radio</translation>
    </message>
    <message>
        <source>&amp;TV</source>
        <translation>&amp;TV</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Cut 1 program</source>
        <translation>1 Programm ausschneiden</translation>
    </message>
    <message>
        <source>Cut %1 programs</source>
        <translation>%1 Programme ausschneiden</translation>
    </message>
    <message>
        <source>Delete 1 program</source>
        <translation>1 Programm löschen</translation>
    </message>
    <message>
        <source>Delete %1 programs</source>
        <translation>%1 Programme löschen</translation>
    </message>
    <message>
        <source>Paste 1 program</source>
        <translation>1 Programm einfügen</translation>
    </message>
    <message>
        <source>Paste %1 programs</source>
        <translation>%1 Programme einfügen</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>Verschieben nach</translation>
    </message>
    <message>
        <source>Ch Index of the first selected program:</source>
        <translation>Ch Index des ersten markierten Programms:</translation>
    </message>
    <message>
        <source>Move 1 program</source>
        <translation>1 Programm verschieben</translation>
    </message>
    <message>
        <source>Move %1 programs</source>
        <translation>%1 Programme verschieben</translation>
    </message>
    <message>
        <source>Add program</source>
        <translation>Programm hinzufügen</translation>
    </message>
    <message>
        <source>Edit program</source>
        <translation>Programm bearbeiten</translation>
    </message>
    <message>
        <source>Add transponder</source>
        <translation>Transponder hinzufügen</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Transponder bearbeiten</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>Move to...</source>
        <translation>Verschieben nach...</translation>
    </message>
</context>
<context>
    <name>vizud::CheckDialog</name>
    <message>
        <source>Check database</source>
        <translation>Datenbank prüfen</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Keine Probleme gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s) found, %1 of them can be repaired safely.</source>
        <translation>
            <numerusform>%n Problem gefunden, %1 davon sicher reparierbar.</numerusform>
            <numerusform>%n Probleme gefunden, %1 davon sicher reparierbar.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>&amp;Reparieren</translation>
    </message>
    <message>
        <source>Drop favourite entries that name no program or name one twice, move entries to the part of their program, set the satellites&apos; transponder counts right</source>
        <translation>Favoriteneinträge ohne Programm oder doppelte entfernen, Einträge in den Teil ihres Programms verschieben, die Transponderzahlen der Satelliten richtigstellen</translation>
    </message>
</context>
<context>
    <name>vizud::FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Channel name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Vorheriger Treffer (Umschalt+F3)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Nächster Treffer (F3)</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle markieren</translation>
    </message>
    <message>
        <source>Select every match</source>
        <translation>Alle Treffer markieren</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>%1 gefunden</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>vizud::ListDragHandler</name>
    <message>
        <source>Move 1 program</source>
        <translation>1 Programm verschieben</translation>
    </message>
    <message>
        <source>Move %1 programs</source>
        <translation>%1 Programme verschieben</translation>
    </message>
</context>
<context>
    <name>vizud::ListPrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>vizud::SatelliteDialog</name>
    <message>
        <source>Add satellite</source>
        <translation>Satellit hinzufügen</translation>
    </message>
</context>
</TS>
