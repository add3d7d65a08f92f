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
    <message>
        <source>vizud %1, free software under the GNU GPL version 3 or later</source>
        <translation>vizud %1, freie Software unter der GNU GPL Version 3 oder später</translation>
    </message>
</context>
<context>
    <name>vizud::BesidePane</name>
    <message>
        <source>The favourite list shown beside the whole table</source>
        <translation>Die neben der ganzen Tabelle gezeigte Favoritenliste</translation>
    </message>
    <message>
        <source>List %1</source>
        <translation>Liste %1</translation>
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
    <message>
        <source>Export list</source>
        <translation>Liste exportieren</translation>
    </message>
    <message>
        <source>Downloaded %1 programs from the box</source>
        <translation>%1 Programme vom Receiver heruntergeladen</translation>
    </message>
    <message>
        <source>&amp;Add to favourite list</source>
        <translation>Zur &amp;Favoritenliste hinzufügen</translation>
    </message>
    <message>
        <source>R&amp;emove from favourite list</source>
        <translation>Aus Favoritenliste &amp;entfernen</translation>
    </message>
    <message>
        <source>Add the selected programs to the end of this list</source>
        <translation>Die ausgewählten Programme am Ende dieser Liste anfügen</translation>
    </message>
    <message>
        <source>Take the selected programs out of this list</source>
        <translation>Die ausgewählten Programme aus dieser Liste nehmen</translation>
    </message>
    <message>
        <source>&amp;Favourite list beside</source>
        <translation>&amp;Favoritenliste daneben</translation>
    </message>
    <message>
        <source>Show a favourite list beside the program list, to fill and order it
Favourite list beside</source>
        <translation>Eine Favoritenliste neben der Programmliste zeigen, um sie zu füllen und zu ordnen
Favoritenliste daneben</translation>
    </message>
    <message>
        <source>Open recent &amp;download...</source>
        <translation>Letzten &amp;Download öffnen...</translation>
    </message>
    <message>
        <source>Open a list the box sent earlier: every download is kept
Open recent download</source>
        <translation>Eine Liste öffnen, die die Box früher gesendet hat: jeder Download wird aufbewahrt
Letzten Download öffnen</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben verschieben</translation>
    </message>
    <message>
        <source>Move the selected programs one place up
Move up</source>
        <translation>Die ausgewählten Programme um einen Platz nach oben verschieben
Nach oben verschieben</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Nach &amp;unten verschieben</translation>
    </message>
    <message>
        <source>Move the selected programs one place down
Move down</source>
        <translation>Die ausgewählten Programme um einen Platz nach unten verschieben
Nach unten verschieben</translation>
    </message>
    <message>
        <source>Move to &amp;start</source>
        <translation>An den &amp;Anfang verschieben</translation>
    </message>
    <message>
        <source>Move the selected programs to the start of their TV or radio block
Move to start</source>
        <translation>Die ausgewählten Programme an den Anfang ihres TV- oder Radioblocks verschieben
An den Anfang verschieben</translation>
    </message>
    <message>
        <source>Move to e&amp;nd</source>
        <translation>Ans &amp;Ende verschieben</translation>
    </message>
    <message>
        <source>Move the selected programs to the end of their TV or radio block
Move to end</source>
        <translation>Die ausgewählten Programme ans Ende ihres TV- oder Radioblocks verschieben
Ans Ende verschieben</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Sperren</translation>
    </message>
    <message>
        <source>Lock the selected programs
Lock</source>
        <translation>Die ausgewählten Programme sperren
Sperren</translation>
    </message>
    <message>
        <source>U&amp;nlock</source>
        <translation>E&amp;ntsperren</translation>
    </message>
    <message>
        <source>Unlock the selected programs
Unlock</source>
        <translation>Die ausgewählten Programme entsperren
Entsperren</translation>
    </message>
    <message>
        <source>&amp;Update transponders...</source>
        <translation>Transponder &amp;aktualisieren...</translation>
    </message>
    <message>
        <source>Add and update the satellites&apos; transponders from a satellites.xml
Update transponders</source>
        <translation>Die Transponder der Satelliten aus einer satellites.xml ergänzen und aktualisieren
Transponder aktualisieren</translation>
    </message>
    <message>
        <source>Update transponders</source>
        <translation>Transponder aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Duplicates...</source>
        <translation>&amp;Duplikate...</translation>
    </message>
    <message>
        <source>Find the programs a new scan added twice, select or remove them
Duplicates</source>
        <translation>Programme finden, die ein neuer Suchlauf doppelt angelegt hat, und sie auswählen oder entfernen
Duplikate</translation>
    </message>
    <message>
        <source>Co&amp;mpare with file...</source>
        <translation>Mit Datei &amp;vergleichen...</translation>
    </message>
    <message>
        <source>Show what changed from another channel file, such as the list before a new scan
Compare with file</source>
        <translation>Zeigen, was sich gegenüber einer anderen Kanaldatei geändert hat, etwa der Liste vor einem neuen Suchlauf
Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
</context>
<context>
    <name>vizud::CViz_ud_app_17Doc</name>
    <message>
        <source>Remove unused providers</source>
        <translation>Unbenutzte Anbieter entfernen</translation>
    </message>
    <message>
        <source>Repair database</source>
        <translation>Datenbank reparieren</translation>
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
    <message>
        <source>Remove 1 program from %1</source>
        <translation>1 Programm aus %1 entfernen</translation>
    </message>
    <message>
        <source>Remove %1 programs from %2</source>
        <translation>%1 Programme aus %2 entfernen</translation>
    </message>
    <message>
        <source>Remove 1 program from every favourite list</source>
        <translation>1 Programm aus allen Favoritenlisten entfernen</translation>
    </message>
    <message>
        <source>Remove %1 programs from every favourite list</source>
        <translation>%1 Programme aus allen Favoritenlisten entfernen</translation>
    </message>
    <message>
        <source>Add to favourite list</source>
        <translation>Zur Favoritenliste hinzufügen</translation>
    </message>
    <message>
        <source>Remove from favourite list</source>
        <translation>Aus Favoritenliste entfernen</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
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
    <message>
        <source>&amp;Repair</source>
        <translation>&amp;Reparieren</translation>
    </message>
    <message>
        <source>Drop favourite entries that name no program or name one twice, move entries to the part of their program, set the satellites&apos; transponder counts right</source>
        <translation>Favoriteneinträge ohne Programm oder doppelte entfernen, Einträge in den Teil ihres Programms verschieben, die Transponderzahlen der Satelliten richtigstellen</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>The list to be uploaded has problems the box may not cope with.</source>
        <translation>Die zu übertragende Liste hat Probleme, mit denen die Box womöglich nicht zurechtkommt.</translation>
    </message>
    <message>
        <source>&amp;Repair and upload</source>
        <translation>&amp;Reparieren und übertragen</translation>
    </message>
    <message>
        <source>&amp;Upload as it is</source>
        <translation>&amp;So übertragen</translation>
    </message>
    <message>
        <source>1 problem found; it can be repaired safely.</source>
        <translation>1 Problem gefunden; es kann sicher repariert werden.</translation>
    </message>
    <message>
        <source>1 problem found; it cannot be repaired safely.</source>
        <translation>1 Problem gefunden; es kann nicht sicher repariert werden.</translation>
    </message>
    <message>
        <source>%1 problems found, %2 of them can be repaired safely.</source>
        <translation>%1 Probleme gefunden, %2 davon können sicher repariert werden.</translation>
    </message>
</context>
<context>
    <name>vizud::CompareDialog</name>
    <message>
        <source>Compare with file</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>The two lists hold the same programs.</source>
        <translation>Die beiden Listen enthalten dieselben Programme.</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 renamed, %4 changed</source>
        <translation>%1 hinzugekommen, %2 entfallen, %3 umbenannt, %4 geändert</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Hinzugekommen</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Entfallen</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Umbenannt</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>&amp;Select added</source>
        <translation>Hinzugekommene &amp;auswählen</translation>
    </message>
    <message>
        <source>Select, in the whole table, the programs of this list that the other file lacks</source>
        <translation>In der ganzen Tabelle die Programme dieser Liste auswählen, die der anderen Datei fehlen</translation>
    </message>
</context>
<context>
    <name>vizud::CsvOrderDialog</name>
    <message>
        <source>Order like a CSV list</source>
        <translation>Wie eine CSV-Liste ordnen</translation>
    </message>
    <message>
        <source>The programs take the order of the list&apos;s rows. Also take from the list:</source>
        <translation>Die Programme übernehmen die Reihenfolge der Zeilen der Liste. Außerdem aus der Liste übernehmen:</translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Namen</translation>
    </message>
    <message>
        <source>&amp;Flags (scrambled, SCPC, locked, user)</source>
        <translation>&amp;Merkmale (verschlüsselt, SCPC, gesperrt, Benutzer)</translation>
    </message>
    <message>
        <source>Fa&amp;vourite lists</source>
        <translation>Fa&amp;voritenlisten</translation>
    </message>
    <message>
        <source>&amp;Delete the programs no row matches</source>
        <translation>Programme ohne passende Zeile &amp;löschen</translation>
    </message>
</context>
<context>
    <name>vizud::DuplicateRowsModel</name>
    <message>
        <source>duplicate</source>
        <translation>Duplikat</translation>
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
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listen</translation>
    </message>
</context>
<context>
    <name>vizud::DuplicatesDialog</name>
    <message>
        <source>Duplicates</source>
        <translation>Duplikate</translation>
    </message>
    <message>
        <source>&amp;Select duplicates</source>
        <translation>Duplikate &amp;auswählen</translation>
    </message>
    <message>
        <source>Close and select the duplicates in the list of all programs</source>
        <translation>Schließen und die Duplikate in der Liste aller Programme auswählen</translation>
    </message>
    <message>
        <source>&amp;Remove duplicates</source>
        <translation>Duplikate &amp;entfernen</translation>
    </message>
    <message>
        <source>Delete the duplicates; a favourite list that held one holds its kept program</source>
        <translation>Die Duplikate löschen; eine Favoritenliste, die eines enthielt, enthält dann das behaltene Programm</translation>
    </message>
    <message>
        <source>1 program repeats a service listed before it in its class; the first of each group is kept.</source>
        <translation>1 Programm wiederholt einen Dienst, der in seiner Klasse schon davor steht; das erste jeder Gruppe bleibt.</translation>
    </message>
    <message>
        <source>%1 programs repeat a service listed before them in their class; the first of each group is kept.</source>
        <translation>%1 Programme wiederholen einen Dienst, der in ihrer Klasse schon davor steht; das erste jeder Gruppe bleibt.</translation>
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
    <name>vizud::KeptDownloadsDialog</name>
    <message>
        <source>Open recent download</source>
        <translation>Letzten Download öffnen</translation>
    </message>
    <message>
        <source>The lists the box sent, newest first (the newest %1 are kept):</source>
        <translation>Die Listen, die die Box gesendet hat, die neueste zuerst (die neuesten %1 werden aufbewahrt):</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Heruntergeladen</translation>
    </message>
    <message>
        <source>TV programs</source>
        <translation>TV-Programme</translation>
    </message>
    <message>
        <source>Radio programs</source>
        <translation>Radioprogramme</translation>
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
    <name>vizud::ProgramDialog</name>
    <message>
        <source>Add program</source>
        <translation>Programm hinzufügen</translation>
    </message>
</context>
<context>
    <name>vizud::SatelliteDialog</name>
    <message>
        <source>Add satellite</source>
        <translation>Satellit hinzufügen</translation>
    </message>
</context>
<context>
    <name>vizud::TransferDialog</name>
    <message>
        <source>Download database from Set Top Box</source>
        <translation>Datenbank vom Receiver herunterladen</translation>
    </message>
    <message>
        <source>Upload database to Set Top Box</source>
        <translation>Datenbank zum Receiver hochladen</translation>
    </message>
    <message>
        <source>Upgrade software to Set Top Box</source>
        <translation>Software des Receivers aktualisieren</translation>
    </message>
</context>
<context>
    <name>vizud::TransponderListDialog</name>
    <message>
        <source>Add transponder</source>
        <translation>Transponder hinzufügen</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Transponder bearbeiten</translation>
    </message>
</context>
<context>
    <name>vizud::TransponderPlanDialog</name>
    <message>
        <source>Update transponders</source>
        <translation>Transponder aktualisieren</translation>
    </message>
    <message>
        <source>Transponders the file lists and this list lacks are added; those both have take the file&apos;s symbol rate and FEC. Nothing is deleted.</source>
        <translation>Transponder, die die Datei nennt und dieser Liste fehlen, werden ergänzt; die in beiden übernehmen Symbolrate und FEC der Datei. Nichts wird gelöscht.</translation>
    </message>
    <message>
        <source>The transponders are up to date: the file brings nothing new.</source>
        <translation>Die Transponder sind aktuell: die Datei bringt nichts Neues.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
</context>
<context>
    <name>vizud::TransponderTreeDialog</name>
    <message>
        <source>Add transponder</source>
        <translation>Transponder hinzufügen</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Transponder bearbeiten</translation>
    </message>
</context>
<context>
    <name>vizud::UserTexts</name>
    <message>
        <source>Open1</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Error: Open failed</source>
        <translation>Fehler: Öffnen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Error: Open failed2</source>
        <translation>Fehler: Öffnen fehlgeschlagen (2)</translation>
    </message>
    <message>
        <source>The file has %1 bytes; a channel file has %2.</source>
        <translation>Die Datei hat %1 Bytes; eine Kanaldatei hat %2.</translation>
    </message>
    <message>
        <source>This file has %1 problems. Tools &gt; Check database shows them and repairs what it can.</source>
        <translation>Diese Datei hat %1 Probleme. Extras &gt; Datenbank prüfen zeigt sie und repariert, was möglich ist.</translation>
    </message>
    <message>
        <source>Open last edited failed</source>
        <translation>Die zuletzt bearbeitete Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Error: Save failed!</source>
        <translation>Fehler: Speichern fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Nothing to save!</source>
        <translation>Nichts zu speichern!</translation>
    </message>
    <message>
        <source>Nothing to export!</source>
        <translation>Nichts zu exportieren!</translation>
    </message>
    <message>
        <source>The list could not be written:</source>
        <translation>Die Liste konnte nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>%1 not saved!</source>
        <translation>%1 nicht gespeichert!</translation>
    </message>
    <message>
        <source>Save it now?</source>
        <translation>Jetzt speichern?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 existiert bereits.</translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <translation>Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>No document opened or downloaded</source>
        <translation>Kein Dokument geöffnet oder heruntergeladen</translation>
    </message>
    <message>
        <source>Warning: This operation will overwrite database in Your receiver</source>
        <translation>Warnung: Dieser Vorgang überschreibt die Datenbank in Ihrem Receiver</translation>
    </message>
    <message>
        <source>Do You wish to continue?</source>
        <translation>Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Please wait until STB reboots...</source>
        <translation>Bitte warten, bis der Receiver neu startet...</translation>
    </message>
    <message>
        <source>Unknown transmission type!</source>
        <translation>Unbekannte Übertragungsart!</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>Communication timeout</source>
        <translation>Zeitüberschreitung der Verbindung</translation>
    </message>
    <message>
        <source>The Set Top Box announced more data than a database can hold.</source>
        <translation>Der Receiver kündigte mehr Daten an, als eine Datenbank fassen kann.</translation>
    </message>
    <message>
        <source>The received data is not a channel list; the database was not changed.</source>
        <translation>Die empfangenen Daten sind keine Kanalliste; die Datenbank wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Can not read the software file</source>
        <translation>Die Softwaredatei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The software file is too short</source>
        <translation>Die Softwaredatei ist zu kurz</translation>
    </message>
    <message>
        <source>Can not run communication thread</source>
        <translation>Der Übertragungs-Thread kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>Opening port COM%1</source>
        <translation>Öffne Port COM%1</translation>
    </message>
    <message>
        <source>Can not open port COM%1</source>
        <translation>Port COM%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Waiting for answer from Set Top Box</source>
        <translation>Warte auf Antwort vom Receiver</translation>
    </message>
    <message>
        <source>Timeout - %1</source>
        <translation>Zeitüberschreitung - %1</translation>
    </message>
    <message>
        <source>Received different data then expected</source>
        <translation>Andere Daten als erwartet empfangen</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Data Download from Set Top Box...</source>
        <translation>Daten vom Receiver herunterladen...</translation>
    </message>
    <message>
        <source>Wait for Close.....</source>
        <translation>Warte auf Abschluss.....</translation>
    </message>
    <message>
        <source>Data Upload to Set Top Box...</source>
        <translation>Daten zum Receiver hochladen...</translation>
    </message>
    <message>
        <source>Connection lost</source>
        <translation>Verbindung verloren</translation>
    </message>
    <message>
        <source>The serial device disappeared during the transfer</source>
        <translation>Die serielle Schnittstelle ist während der Übertragung verschwunden</translation>
    </message>
    <message>
        <source>Error: %1-&gt;(%2)</source>
        <translation>Fehler: %1-&gt;(%2)</translation>
    </message>
    <message>
        <source>Database is full.</source>
        <translation>Die Datenbank ist voll.</translation>
    </message>
    <message>
        <source>Can&apos;t put TV program among Radio program</source>
        <translation>TV-Programme können nicht zwischen Radioprogramme gesetzt werden</translation>
    </message>
    <message>
        <source>Can&apos;t put Radio program among TV program</source>
        <translation>Radioprogramme können nicht zwischen TV-Programme gesetzt werden</translation>
    </message>
    <message>
        <source>Can&apos;t put TV program among radio program.</source>
        <translation>TV-Programme können nicht zwischen Radioprogramme gesetzt werden.</translation>
    </message>
    <message>
        <source>Can&apos;t put radio program among TV program.</source>
        <translation>Radioprogramme können nicht zwischen TV-Programme gesetzt werden.</translation>
    </message>
    <message>
        <source>Sat table if full</source>
        <translation>Die Satellitentabelle ist voll</translation>
    </message>
    <message>
        <source>Transponder table is full. Can&apos;t add next transponder!</source>
        <translation>Die Transpondertabelle ist voll. Es kann kein weiterer Transponder hinzugefügt werden!</translation>
    </message>
    <message>
        <source>Program table is full. Can&apos;t add program!</source>
        <translation>Die Programmtabelle ist voll. Es kann kein Programm hinzugefügt werden!</translation>
    </message>
    <message>
        <source>Not enought free space in transponder table.</source>
        <translation>Nicht genug freier Platz in der Transpondertabelle.</translation>
    </message>
    <message>
        <source>Transponder with entered values exist</source>
        <translation>Ein Transponder mit diesen Werten existiert bereits</translation>
    </message>
    <message>
        <source>Provider table is full.</source>
        <translation>Die Anbietertabelle ist voll.</translation>
    </message>
    <message>
        <source>Not enought free space in programs table</source>
        <translation>Nicht genug freier Platz in der Programmtabelle</translation>
    </message>
    <message>
        <source>Favourite Table is full!</source>
        <translation>Die Favoritentabelle ist voll!</translation>
    </message>
    <message>
        <source>Favorite Table is full!</source>
        <translation>Die Favoritentabelle ist voll!</translation>
    </message>
    <message>
        <source>Select position to paste Your data!</source>
        <translation>Wählen Sie die Stelle zum Einfügen Ihrer Daten!</translation>
    </message>
    <message>
        <source>Select position!</source>
        <translation>Wählen Sie eine Stelle!</translation>
    </message>
    <message>
        <source>Providers table is FULL!</source>
        <translation>Die Anbietertabelle ist VOLL!</translation>
    </message>
    <message>
        <source>Providers table is full!</source>
        <translation>Die Anbietertabelle ist voll!</translation>
    </message>
    <message>
        <source>You cannot change name of this tree element.</source>
        <translation>Der Name dieses Baumelements kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>A name can not be empty. The old name is kept.</source>
        <translation>Ein Name darf nicht leer sein. Der alte Name bleibt.</translation>
    </message>
    <message>
        <source>%1: the character &apos;%2&apos; cannot be stored in the box&apos;s channel list.</source>
        <translation>%1: Das Zeichen &apos;%2&apos; kann in der Kanalliste des Receivers nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
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
        <source>Please enter a provider name.</source>
        <translation>Bitte geben Sie einen Anbieternamen ein.</translation>
    </message>
    <message>
        <source>The chosen satellite has no transponder.</source>
        <translation>Der gewählte Satellit hat keinen Transponder.</translation>
    </message>
    <message>
        <source>Add a transponder to it first.</source>
        <translation>Fügen Sie ihm zuerst einen Transponder hinzu.</translation>
    </message>
    <message>
        <source>Video PID error!</source>
        <translation>Fehler in der Video-PID!</translation>
    </message>
    <message>
        <source>Audio PID error!</source>
        <translation>Fehler in der Audio-PID!</translation>
    </message>
    <message>
        <source>PCR PID error!</source>
        <translation>Fehler in der PCR-PID!</translation>
    </message>
    <message>
        <source>Expected digit 17..8190</source>
        <translation>Erwartet wird eine Zahl 17..8190</translation>
    </message>
    <message>
        <source>PIDs for SCPC program can not be &apos;Auto&apos;</source>
        <translation>PIDs eines SCPC-Programms können nicht &apos;Auto&apos; sein</translation>
    </message>
    <message>
        <source>PIDs for SCPC program can not be &apos;Reserved&apos;</source>
        <translation>PIDs eines SCPC-Programms können nicht &apos;Reserved&apos; sein</translation>
    </message>
    <message>
        <source>Service ID error!</source>
        <translation>Fehler in der Service-ID!</translation>
    </message>
    <message>
        <source>Expected digit 0..65535</source>
        <translation>Erwartet wird eine Zahl 0..65535</translation>
    </message>
    <message>
        <source>Favourite list %1 is full.</source>
        <translation>Die Favoritenliste %1 ist voll.</translation>
    </message>
    <message>
        <source>The satellite table is full: it holds %1 satellites.</source>
        <translation>Die Satellitentabelle ist voll: Sie fasst %1 Satelliten.</translation>
    </message>
    <message>
        <source>Delete a satellite first.</source>
        <translation>Löschen Sie zuerst einen Satelliten.</translation>
    </message>
    <message>
        <source>Your designated value is beyond the limited range,</source>
        <translation>Der angegebene Wert liegt außerhalb des zulässigen Bereichs,</translation>
    </message>
    <message>
        <source> please input proper value(28 ~ %1)</source>
        <translation> bitte geben Sie einen passenden Wert ein (28 ~ %1)</translation>
    </message>
    <message>
        <source>Cannot find predefined sat parameters.</source>
        <translation>Keine vordefinierten Satellitenparameter gefunden.</translation>
    </message>
    <message>
        <source>Please enter a satellite name.</source>
        <translation>Bitte geben Sie einen Satellitennamen ein.</translation>
    </message>
    <message>
        <source>A satellite named %1 already exists.</source>
        <translation>Ein Satellit namens %1 existiert bereits.</translation>
    </message>
    <message>
        <source>Degree error!</source>
        <translation>Fehler in der Position!</translation>
    </message>
    <message>
        <source>Expected a position in degrees, such as 19,2</source>
        <translation>Erwartet wird eine Position in Grad, etwa 19,2</translation>
    </message>
    <message>
        <source>%1(%2) already exist as given DisEqC 1.2 position!</source>
        <translation>%1(%2) ist bereits als DiSEqC-1.2-Position vergeben!</translation>
    </message>
    <message>
        <source>Direction error!</source>
        <translation>Fehler in der Richtung!</translation>
    </message>
    <message>
        <source>Expected E or W</source>
        <translation>Erwartet wird E oder W</translation>
    </message>
    <message>
        <source>LNB Upper LO Range expected 3350...14900</source>
        <translation>Oberer LNB-LO: erwartet wird 3350...14900</translation>
    </message>
    <message>
        <source>LNB Lower LO Range expected 3350...14900</source>
        <translation>Unterer LNB-LO: erwartet wird 3350...14900</translation>
    </message>
    <message>
        <source>Every satellite key (0 to 255) is in use.</source>
        <translation>Jeder Satellitenschlüssel (0 bis 255) ist vergeben.</translation>
    </message>
    <message>
        <source>Unknown Frequency value: %1!</source>
        <translation>Unbekannter Frequenzwert: %1!</translation>
    </message>
    <message>
        <source>Unknown Symbolrate value: %1!</source>
        <translation>Unbekannter Symbolratenwert: %1!</translation>
    </message>
    <message>
        <source>Unknown Transport Stream ID value: %1!</source>
        <translation>Unbekannter Wert der Transport-Stream-ID: %1!</translation>
    </message>
    <message>
        <source>Unknown Network ID value: %1!</source>
        <translation>Unbekannter Wert der Netzwerk-ID: %1!</translation>
    </message>
    <message>
        <source>Unknown Oryginal Network ID value: %1!</source>
        <translation>Unbekannter Wert der Original-Netzwerk-ID: %1!</translation>
    </message>
    <message>
        <source>You must enter value %1..%2</source>
        <translation>Sie müssen einen Wert %1..%2 eingeben</translation>
    </message>
    <message>
        <source>Please choose the transponder to delete.</source>
        <translation>Bitte wählen Sie den zu löschenden Transponder.</translation>
    </message>
    <message>
        <source>Transponder %1 (MHz) is still used by a program in the clipboard.</source>
        <translation>Transponder %1 (MHz) wird noch von einem Programm in der Zwischenablage verwendet.</translation>
    </message>
    <message>
        <source>Paste it first.</source>
        <translation>Fügen Sie es zuerst ein.</translation>
    </message>
    <message>
        <source>Do you realy want to delete transponder %1 (MHz)</source>
        <translation>Wollen Sie den Transponder %1 (MHz) wirklich löschen</translation>
    </message>
    <message>
        <source>from satellite: %1</source>
        <translation>vom Satelliten: %1</translation>
    </message>
    <message>
        <source>Its 1 program is deleted with it.</source>
        <translation>Sein 1 Programm wird mit ihm gelöscht.</translation>
    </message>
    <message>
        <source>Its %1 programs are deleted with it.</source>
        <translation>Seine %1 Programme werden mit ihm gelöscht.</translation>
    </message>
    <message>
        <source>Error: Can not recognize choosed satellite!</source>
        <translation>Fehler: Der gewählte Satellit wurde nicht erkannt!</translation>
    </message>
    <message>
        <source>Open or download a channel list first.</source>
        <translation>Öffnen Sie zuerst eine Kanalliste oder laden Sie sie herunter.</translation>
    </message>
    <message>
        <source>The favourite list names a program beyond the table; Tools &gt; Check database repairs it.</source>
        <translation>Die Favoritenliste nennt ein Programm außerhalb der Tabelle; Extras &gt; Datenbank prüfen repariert das.</translation>
    </message>
    <message>
        <source>Take the favourite lists of the other file too?</source>
        <translation>Auch die Favoritenlisten der anderen Datei übernehmen?</translation>
    </message>
    <message>
        <source>Yes: the nine lists become its lists, for the programs found here.</source>
        <translation>Ja: Die neun Listen werden ihre Listen, für die hier gefundenen Programme.</translation>
    </message>
    <message>
        <source>No: the lists stay as they are.</source>
        <translation>Nein: Die Listen bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>The list could not be put in order.</source>
        <translation>Die Liste konnte nicht geordnet werden.</translation>
    </message>
    <message>
        <source>Repaired:</source>
        <translation>Repariert:</translation>
    </message>
    <message>
        <source>%1 favourite entries dropped</source>
        <translation>%1 Favoriteneinträge entfernt</translation>
    </message>
    <message>
        <source>%1 favourite entries moved to the part of their program</source>
        <translation>%1 Favoriteneinträge in den Teil ihres Programms verschoben</translation>
    </message>
    <message>
        <source>%1 satellite transponder counts set right</source>
        <translation>%1 Transponderanzahlen von Satelliten berichtigt</translation>
    </message>
    <message>
        <source>Nothing needed a repair.</source>
        <translation>Nichts musste repariert werden.</translation>
    </message>
    <message>
        <source>no problems found</source>
        <translation>keine Probleme gefunden</translation>
    </message>
    <message>
        <source>crc: %1</source>
        <translation>Prüfsumme: %1</translation>
    </message>
    <message>
        <source>capacity: %1</source>
        <translation>Kapazität: %1</translation>
    </message>
    <message>
        <source>transponder: %1</source>
        <translation>Transponder: %1</translation>
    </message>
    <message>
        <source>provider: %1</source>
        <translation>Anbieter: %1</translation>
    </message>
    <message>
        <source>satellite: %1</source>
        <translation>Satellit: %1</translation>
    </message>
    <message>
        <source>duplicate-transponder: %1</source>
        <translation>doppelter Transponder: %1</translation>
    </message>
    <message>
        <source>favourite: %1</source>
        <translation>Favorit: %1</translation>
    </message>
    <message>
        <source>count: %1</source>
        <translation>Anzahl: %1</translation>
    </message>
    <message>
        <source>stored 0x%1, the image gives 0x%2</source>
        <translation>gespeichert 0x%1, das Abbild ergibt 0x%2</translation>
    </message>
    <message>
        <source>%1 %2, the table has room for %3</source>
        <translation>%1 %2, die Tabelle fasst %3</translation>
    </message>
    <message>
        <source>satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>providers</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>%1 TV programs of %2 programs</source>
        <translation>%1 TV-Programme von %2 Programmen</translation>
    </message>
    <message>
        <source>%1 holds %2 entries, it has room for %3</source>
        <translation>%1 hat %2 Einträge, sie fasst %3</translation>
    </message>
    <message>
        <source>%1 has %2 TV entries of %3 entries</source>
        <translation>%1 hat %2 TV-Einträge von %3 Einträgen</translation>
    </message>
    <message>
        <source>%1 names transponder %2, the table has %3</source>
        <translation>%1 nennt Transponder %2, die Tabelle hat %3</translation>
    </message>
    <message>
        <source>%1 names provider %2, the table has %3</source>
        <translation>%1 nennt Anbieter %2, die Tabelle hat %3</translation>
    </message>
    <message>
        <source>%1 belongs to satellite key %2, no satellite has it</source>
        <translation>%1 gehört zum Satellitenschlüssel %2, den kein Satellit hat</translation>
    </message>
    <message>
        <source>%1 repeats transponder %2 of its satellite</source>
        <translation>%1 wiederholt Transponder %2 seines Satelliten</translation>
    </message>
    <message>
        <source>%1 entry %2 names program %3, the table has %4</source>
        <translation>%1 Eintrag %2 nennt Programm %3, die Tabelle hat %4</translation>
    </message>
    <message>
        <source>%1 entry %2 repeats %3</source>
        <translation>%1 Eintrag %2 wiederholt %3</translation>
    </message>
    <message>
        <source>%1 entry %2 is a TV entry naming radio %3</source>
        <translation>%1 Eintrag %2 ist ein TV-Eintrag und nennt das Radio-%3</translation>
    </message>
    <message>
        <source>%1 entry %2 is a radio entry naming TV %3</source>
        <translation>%1 Eintrag %2 ist ein Radioeintrag und nennt das TV-%3</translation>
    </message>
    <message>
        <source>%1 counts %2 transponders, %3 are its own</source>
        <translation>%1 zählt %2 Transponder, %3 davon gehören ihm</translation>
    </message>
    <message>
        <source>program %1 &quot;%2&quot;</source>
        <translation>Programm %1 „%2“</translation>
    </message>
    <message>
        <source>list %1 &quot;%2&quot;</source>
        <translation>Liste %1 „%2“</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot;</source>
        <translation>Satellit %1 „%2“</translation>
    </message>
    <message>
        <source>transponder %1 (%2 MHz %3)</source>
        <translation>Transponder %1 (%2 MHz %3)</translation>
    </message>
    <message>
        <source>List of providers.</source>
        <translation>Liste der Anbieter.</translation>
    </message>
    <message>
        <source>List of satellites.</source>
        <translation>Liste der Satelliten.</translation>
    </message>
    <message>
        <source>User favourite channels.</source>
        <translation>Favoritenkanäle des Benutzers.</translation>
    </message>
    <message>
        <source>Degree: %1, Lower LO: %2, Upper LO: %3 </source>
        <translation>Position: %1, Unterer LO: %2, Oberer LO: %3 </translation>
    </message>
    <message>
        <source>DiSEqC: %1, 22Khz: %2, Positioner: %3</source>
        <translation>DiSEqC: %1, 22kHz: %2, Positionierer: %3</translation>
    </message>
    <message>
        <source>Freq: %1, Symb: %2 MS/s, FEC: %3, Pol: %4,</source>
        <translation>Freq.: %1, Symb.: %2 MS/s, FEC: %3, Pol.: %4,</translation>
    </message>
    <message>
        <source>Net ID: %1, Oryginal Net ID: %2, Transport Stream ID: %3</source>
        <translation>Netz-ID: %1, Original-Netz-ID: %2, Transport-Stream-ID: %3</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Tone Burst A</source>
        <translation>Tone Burst A</translation>
    </message>
    <message>
        <source>Tone Burst B</source>
        <translation>Tone Burst B</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
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
        <source>Ch Index</source>
        <translation>Kanalnr.</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>Ch Status</source>
        <translation>Kanalstatus</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Tr. Frequency</source>
        <translation>Tr.-Frequenz</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>FAVs</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>TV:%1, Radio:%2</source>
        <translation>TV:%1, Radio:%2</translation>
    </message>
    <message>
        <source>Favs</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>%1: the folder %2 does not exist</source>
        <translation>%1: Der Ordner %2 existiert nicht</translation>
    </message>
    <message>
        <source>%1: is a folder, not a file</source>
        <translation>%1: ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>The backup could not be written:</source>
        <translation>Die Sicherungskopie konnte nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>Nothing was saved; the file is as it was.</source>
        <translation>Nichts wurde gespeichert; die Datei ist unverändert.</translation>
    </message>
    <message>
        <source>The file %1 could not be read to keep a backup (%2).</source>
        <translation>Die Datei %1 konnte für eine Sicherungskopie nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Nichts wurde gespeichert.</translation>
    </message>
    <message>
        <source>You can&apos;t drag TV and Radio programs together </source>
        <translation>TV- und Radioprogramme können nicht zusammen gezogen werden </translation>
    </message>
    <message>
        <source>You have together TV and Radio programs in clipboard!</source>
        <translation>Die Zwischenablage enthält TV- und Radioprogramme zusammen!</translation>
    </message>
    <message>
        <source>Program executing error:</source>
        <translation>Fehler bei der Programmausführung:</translation>
    </message>
    <message>
        <source>Unknown FAV list!</source>
        <translation>Unbekannte Favoritenliste!</translation>
    </message>
    <message>
        <source>TV: %1 of %2 matched, Radio: %3 of %4 matched</source>
        <translation>TV: %1 von %2 zugeordnet, Radio: %3 von %4 zugeordnet</translation>
    </message>
    <message>
        <source>The file counts %1 %2; the table has room for %3.</source>
        <translation>Die Datei zählt %1 %2; die Tabelle fasst %3.</translation>
    </message>
    <message>
        <source>The file counts %1 TV programs of %2 programs.</source>
        <translation>Die Datei zählt %1 TV-Programme von %2 Programmen.</translation>
    </message>
    <message>
        <source>Favourite list %1 holds %2 entries; it has room for %3.</source>
        <translation>Die Favoritenliste %1 hat %2 Einträge; sie fasst %3.</translation>
    </message>
    <message>
        <source>Favourite list %1 counts %2 TV entries of %3 entries.</source>
        <translation>Die Favoritenliste %1 zählt %2 TV-Einträge von %3 Einträgen.</translation>
    </message>
    <message>
        <source>This file has 1 problem. Tools &gt; Check database shows it and repairs it if it can.</source>
        <translation>Diese Datei hat 1 Problem. Extras &gt; Datenbank prüfen zeigt es und repariert es, wenn möglich.</translation>
    </message>
    <message>
        <source>CRC set right</source>
        <translation>Prüfsumme berichtigt</translation>
    </message>
    <message>
        <source>Channel data</source>
        <translation>Kanaldaten</translation>
    </message>
    <message>
        <source>CSV list</source>
        <translation>CSV-Liste</translation>
    </message>
    <message>
        <source>S/W File</source>
        <translation>Softwaredatei</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Add 1 program to %1</source>
        <translation>1 Programm zu %1 hinzufügen</translation>
    </message>
    <message>
        <source>Add %1 programs to %2</source>
        <translation>%1 Programme zu %2 hinzufügen</translation>
    </message>
    <message>
        <source>Remove 1 program from %1</source>
        <translation>1 Programm aus %1 entfernen</translation>
    </message>
    <message>
        <source>Remove %1 programs from %2</source>
        <translation>%1 Programme aus %2 entfernen</translation>
    </message>
    <message>
        <source>The list %1 has room left for %2 of the %3 programs; nothing was added.</source>
        <translation>Die Liste %1 hat nur noch Platz für %2 der %3 Programme; nichts wurde hinzugefügt.</translation>
    </message>
    <message>
        <source>A copy of the download could not be kept: %1</source>
        <translation>Eine Kopie des Downloads konnte nicht aufbewahrt werden: %1</translation>
    </message>
    <message>
        <source>No download has been kept yet: each download from the box is kept from now on.</source>
        <translation>Noch kein Download aufbewahrt: jeder Download von der Box wird ab jetzt aufbewahrt.</translation>
    </message>
    <message>
        <source>no folder for downloads (neither XDG_DATA_HOME nor HOME is set)</source>
        <translation>kein Ordner für Downloads (weder XDG_DATA_HOME noch HOME ist gesetzt)</translation>
    </message>
    <message>
        <source>Lock 1 program</source>
        <translation>1 Programm sperren</translation>
    </message>
    <message>
        <source>Lock %1 programs</source>
        <translation>%1 Programme sperren</translation>
    </message>
    <message>
        <source>Unlock 1 program</source>
        <translation>1 Programm entsperren</translation>
    </message>
    <message>
        <source>Unlock %1 programs</source>
        <translation>%1 Programme entsperren</translation>
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
        <source>Satellites list</source>
        <translation>Satellitenliste</translation>
    </message>
    <message>
        <source>The transponders could not be read from %1:</source>
        <translation>Die Transponder konnten nicht aus %1 gelesen werden:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The transponder table has room for %1 more transponders; %2 would not fit.</source>
        <translation>Die Transpondertabelle hat Platz für %1 weitere Transponder; %2 würden nicht passen.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>%1: %2 added, %3 changed, %4 not in the file</source>
        <translation>%1: %2 ergänzt, %3 geändert, %4 nicht in der Datei</translation>
    </message>
    <message>
        <source>%1: no satellite at this position in the file</source>
        <translation>%1: kein Satellit an dieser Position in der Datei</translation>
    </message>
    <message>
        <source>1 transponder to add, %1 to change</source>
        <translation>1 Transponder zu ergänzen, %1 zu ändern</translation>
    </message>
    <message>
        <source>%1 transponders to add, %2 to change</source>
        <translation>%1 Transponder zu ergänzen, %2 zu ändern</translation>
    </message>
    <message>
        <source>Remove 1 duplicate</source>
        <translation>1 Duplikat entfernen</translation>
    </message>
    <message>
        <source>Remove %1 duplicates</source>
        <translation>%1 Duplikate entfernen</translation>
    </message>
    <message>
        <source>No duplicates found: no two programs of a class share satellite, transponder and service id.</source>
        <translation>Keine Duplikate gefunden: Keine zwei Programme einer Klasse haben denselben Satelliten, Transponder und dieselbe Service-ID.</translation>
    </message>
    <message>
        <source>Channel data or CSV list</source>
        <translation>Kanaldaten oder CSV-Liste</translation>
    </message>
    <message>
        <source>The list %1 was refused; nothing was changed:</source>
        <translation>Die Liste %1 wurde abgelehnt; nichts wurde geändert:</translation>
    </message>
    <message>
        <source>line %1: the CSV is malformed (%2)</source>
        <translation>Zeile %1: die CSV-Datei ist fehlerhaft (%2)</translation>
    </message>
    <message>
        <source>line %1: no header line</source>
        <translation>Zeile %1: keine Kopfzeile</translation>
    </message>
    <message>
        <source>line %1: the column %2 is missing</source>
        <translation>Zeile %1: die Spalte %2 fehlt</translation>
    </message>
    <message>
        <source>line %1: %2 &quot;%3&quot; is not a number</source>
        <translation>Zeile %1: %2 „%3“ ist keine Zahl</translation>
    </message>
    <message>
        <source>line %1: position &quot;%2&quot; is not like 19.2E</source>
        <translation>Zeile %1: Position „%2“ hat nicht die Form 19.2E</translation>
    </message>
    <message>
        <source>line %1: unknown polarization &quot;%2&quot; (H, V, L or R)</source>
        <translation>Zeile %1: unbekannte Polarisation „%2“ (H, V, L oder R)</translation>
    </message>
    <message>
        <source>line %1: %2 &quot;%3&quot; is neither 0 nor 1</source>
        <translation>Zeile %1: %2 „%3“ ist weder 0 noch 1</translation>
    </message>
    <message>
        <source>line %1: favourites &quot;%2&quot; holds other than the digits 1 to 9</source>
        <translation>Zeile %1: favourites „%2“ enthält anderes als die Ziffern 1 bis 9</translation>
    </message>
    <message>
        <source>line %1: the name &quot;%2&quot; holds a character the box cannot store: %3</source>
        <translation>Zeile %1: der Name „%2“ enthält ein Zeichen, das die Box nicht speichern kann: %3</translation>
    </message>
    <message>
        <source>line %1: the name &quot;%2&quot; is longer than 16 bytes</source>
        <translation>Zeile %1: der Name „%2“ ist länger als 16 Bytes</translation>
    </message>
    <message>
        <source>Favourite list %1 would hold %2 entries; it has room for %3.</source>
        <translation>Favoritenliste %1 hätte %2 Einträge; sie hat Platz für %3.</translation>
    </message>
    <message>
        <source>1 row matched nothing (line %1)</source>
        <translation>1 Zeile wurde keinem Programm zugeordnet (Zeile %1)</translation>
    </message>
    <message>
        <source>%1 rows matched nothing (lines %2)</source>
        <translation>%1 Zeilen wurden keinem Programm zugeordnet (Zeilen %2)</translation>
    </message>
</context>
</TS>
