<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>vorn::CAboutDlg</name>
    <message>
        <source>License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Lizenz GPL-3.0-or-later: GNU GPL Version 3 oder neuer &lt;https://gnu.org/licenses/gpl.html&gt;.
Dies ist freie Software: Sie dürfen sie verändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</translation>
    </message>
    <message>
        <source>About Vorn</source>
        <translation>Über Vorn</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keyboard Editor Version 1.2.0.3</source>
        <translation>Tastatur-Editor Version 1.2.0.3</translation>
    </message>
</context>
<context>
    <name>vorn::CDelayTime</name>
    <message>
        <source>Put Delay Time</source>
        <translation>Verzögerung einfügen</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source> x 0.1 second</source>
        <translation> x 0,1 Sekunden</translation>
    </message>
</context>
<context>
    <name>vorn::CInputASCIICode</name>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Input ASCII Code</source>
        <translation>ASCII-Code eingeben</translation>
    </message>
    <message>
        <source>ASCII code:</source>
        <translation>ASCII-Code:</translation>
    </message>
</context>
<context>
    <name>vorn::CInputSCanCode</name>
    <message>
        <source>Input Scan Code</source>
        <translation>Scancode eingeben</translation>
    </message>
    <message>
        <source>Scan Code:</source>
        <translation>Scancode:</translation>
    </message>
</context>
<context>
    <name>vorn::CKeyCodeOutView</name>
    <message>
        <source>Key Code Test Output:</source>
        <translation>Ausgabe des Tastencode-Tests:</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>KeyCodeTest</source>
        <translation>Tastencode-Test</translation>
    </message>
</context>
<context>
    <name>vorn::CKeyLabelDlg</name>
    <message>
        <source>Key Label</source>
        <translation>Tastenbeschriftung</translation>
    </message>
    <message>
        <source>Label of the key %1, printed on its cap (up to %2 lines of %3 characters):</source>
        <translation>Beschriftung der Taste %1, auf ihre Kappe gedruckt (bis zu %2 Zeilen mit je %3 Zeichen):</translation>
    </message>
    <message>
        <source>This label cannot be kept: %1</source>
        <translation>Diese Beschriftung ist nicht möglich: %1</translation>
    </message>
</context>
<context>
    <name>vorn::CKeyWordTable</name>
    <message>
        <source>Special Function Key Word Table</source>
        <translation>Tabelle der Sonderfunktions-Schlüsselwörter</translation>
    </message>
</context>
<context>
    <name>vorn::CMREdit</name>
    <message>
        <source>Enable separator</source>
        <translation>Trennzeichen ausgeben</translation>
    </message>
    <message>
        <source>Enable seperator</source>
        <translation>Trennzeichen ausgeben</translation>
    </message>
    <message>
        <source>Config MR properties</source>
        <translation>Kartenleser-Eigenschaften</translation>
    </message>
    <message>
        <source>Card Data Prefix:</source>
        <translation>Präfix der Kartendaten:</translation>
    </message>
    <message>
        <source>Card Data Suffix:</source>
        <translation>Suffix der Kartendaten:</translation>
    </message>
    <message>
        <source>Skip output of track with error</source>
        <translation>Fehlerhafte Spur nicht ausgeben</translation>
    </message>
    <message>
        <source>No data output with any error</source>
        <translation>Bei jedem Fehler keine Daten ausgeben</translation>
    </message>
    <message>
        <source>Enable beep at good read</source>
        <translation>Piepton bei erfolgreichem Lesen</translation>
    </message>
    <message>
        <source>Enable 3 beepsat card read error</source>
        <translation>3 Pieptöne bei Lesefehler der Karte</translation>
    </message>
    <message>
        <source>Track%1 Properties</source>
        <translation>Eigenschaften von Spur %1</translation>
    </message>
    <message>
        <source>Enable data</source>
        <translation>Daten ausgeben</translation>
    </message>
    <message>
        <source>Enable LRC output</source>
        <translation>LRC ausgeben</translation>
    </message>
    <message>
        <source>Enable end sentinel</source>
        <translation>Endezeichen ausgeben</translation>
    </message>
    <message>
        <source>Enable start sentinel</source>
        <translation>Startzeichen ausgeben</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Präfix:</translation>
    </message>
    <message>
        <source>Field Terminator:</source>
        <translation>Feldtrenner:</translation>
    </message>
    <message>
        <source>Suffix:</source>
        <translation>Suffix:</translation>
    </message>
</context>
<context>
    <name>vorn::CMainFrame</name>
    <message>
        <source>Recent &amp;Templates</source>
        <translation>Zuletzt &amp;geöffnete Vorlagen</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>GROSS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>ROLL</translation>
    </message>
    <message>
        <source>Undo the last change: %1</source>
        <translation>Die letzte Änderung rückgängig machen: %1</translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation>Wiederherstellen: %1</translation>
    </message>
</context>
<context>
    <name>vorn::CProperty</name>
    <message>
        <source>Config KB properties</source>
        <translation>Tastatureigenschaften</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>OPOS/JPOS</source>
        <translation>OPOS/JPOS</translation>
    </message>
    <message>
        <source>Keyboard features</source>
        <translation>Tastaturfunktionen</translation>
    </message>
    <message>
        <source>Send break-code for scan code mode key</source>
        <translation>Break-Code für Tasten im Scancode-Modus senden</translation>
    </message>
    <message>
        <source>Enable beeping when a key typed</source>
        <translation>Piepton bei jedem Tastendruck</translation>
    </message>
    <message>
        <source>No beeping if a key is not defined</source>
        <translation>Kein Piepton bei unbelegter Taste</translation>
    </message>
    <message>
        <source>Translate scan code set#2 for PC/AT</source>
        <translation>Scancode-Satz 2 für PC/AT übersetzen</translation>
    </message>
    <message>
        <source>Use &lt;Alt&gt;+number key to make ASCII code</source>
        <translation>ASCII-Code mit &lt;Alt&gt;+Zifferntaste erzeugen</translation>
    </message>
    <message>
        <source>Enable typematic for scan code</source>
        <translation>Tastenwiederholung für Scancode</translation>
    </message>
    <message>
        <source>Enable typematic for ASCII code</source>
        <translation>Tastenwiederholung für ASCII-Code</translation>
    </message>
    <message>
        <source>Inter-character delay(mS)</source>
        <translation>Verzögerung zwischen Zeichen (ms)</translation>
    </message>
    <message>
        <source>RS232 port</source>
        <translation>RS232-Schnittstelle</translation>
    </message>
    <message>
        <source>Use port</source>
        <translation>Schnittstelle verwenden</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>KEINE</translation>
    </message>
    <message>
        <source>EVEN</source>
        <translation>GERADE</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>UNGERADE</translation>
    </message>
    <message>
        <source>7 Bits</source>
        <translation>7 Bit</translation>
    </message>
    <message>
        <source>8 Bits</source>
        <translation>8 Bit</translation>
    </message>
    <message>
        <source>Baud rate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>Parity check:</source>
        <translation>Parität:</translation>
    </message>
    <message>
        <source>Bit number:</source>
        <translation>Datenbits:</translation>
    </message>
</context>
<context>
    <name>vorn::CSelectKeyboard</name>
    <message>
        <source>Select Keyboard</source>
        <translation>Tastatur wählen</translation>
    </message>
    <message>
        <source>Are you sure to select another keyboard?</source>
        <translation>Wirklich eine andere Tastatur wählen?</translation>
    </message>
    <message>
        <source>This will clear the active template data !!!</source>
        <translation>Die Daten der aktiven Vorlage werden dabei gelöscht !!!</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>vorn::CShiftLevel</name>
    <message>
        <source>Put Shift Level Code</source>
        <translation>Umschaltebenen-Code einfügen</translation>
    </message>
    <message>
        <source>Level No:</source>
        <translation>Ebene Nr.:</translation>
    </message>
    <message>
        <source>(1--9)</source>
        <translation>(1--9)</translation>
    </message>
</context>
<context>
    <name>vorn::CTextFileNamePath</name>
    <message>
        <source>Text File Template Import/Export</source>
        <translation>Vorlage als Textdatei importieren/exportieren</translation>
    </message>
    <message>
        <source>Text file template(*.txt)</source>
        <translation>Vorlage als Textdatei (*.txt)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
</context>
<context>
    <name>vorn::CVornView</name>
    <message>
        <source>The keyboard holds other data than was written, first at package %1</source>
        <translation>Die Tastatur enthält andere Daten als geschrieben, zuerst in Paket %1</translation>
    </message>
</context>
<context>
    <name>vorn::CommandTable</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Strg+N</translation>
    </message>
    <message>
        <source>Create a new Template</source>
        <translation>Eine neue Vorlage anlegen</translation>
    </message>
    <message>
        <source>New Template</source>
        <translation>Neue Vorlage</translation>
    </message>
    <message>
        <source>&amp;Load...	Ctrl+L</source>
        <translation>&amp;Laden...	Strg+L</translation>
    </message>
    <message>
        <source>Load from template file</source>
        <translation>Aus einer Vorlagendatei laden</translation>
    </message>
    <message>
        <source>Load Template</source>
        <translation>Vorlage laden</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Strg+S</translation>
    </message>
    <message>
        <source>Save to template file</source>
        <translation>In die Vorlagendatei speichern</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Vorlage speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the active Template with a new name</source>
        <translation>Die aktive Vorlage unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Load &amp;Default	Ctrl+D</source>
        <translation>Stan&amp;dard laden	Strg+D</translation>
    </message>
    <message>
        <source>Load default template</source>
        <translation>Die Standardvorlage laden</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>&amp;Import Text Data	Ctrl+I</source>
        <translation>Textdaten &amp;importieren	Strg+I</translation>
    </message>
    <message>
        <source>Import template data from a text file</source>
        <translation>Vorlagendaten aus einer Textdatei importieren</translation>
    </message>
    <message>
        <source>Import text data</source>
        <translation>Textdaten importieren</translation>
    </message>
    <message>
        <source>&amp;Export Text Data	Ctrl+E</source>
        <translation>Textdaten &amp;exportieren	Strg+E</translation>
    </message>
    <message>
        <source>Export template data from a text file</source>
        <translation>Vorlagendaten in eine Textdatei exportieren</translation>
    </message>
    <message>
        <source>Export text data</source>
        <translation>Textdaten exportieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Das Programm beenden; fragt nach dem Speichern von Änderungen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Select VQ2710 keyboard</source>
        <translation>Tastatur VQ2710 wählen</translation>
    </message>
    <message>
        <source>Select VQ2930 keyboard</source>
        <translation>Tastatur VQ2930 wählen</translation>
    </message>
    <message>
        <source>Select VQ5040 keyboard</source>
        <translation>Tastatur VQ5040 wählen</translation>
    </message>
    <message>
        <source>Select TR4060 keyboard</source>
        <translation>Tastatur TR4060 wählen</translation>
    </message>
    <message>
        <source>Select TR6080 keyboard</source>
        <translation>Tastatur TR6080 wählen</translation>
    </message>
    <message>
        <source>Select TR3050 Keyboard</source>
        <translation>Tastatur TR3050 wählen</translation>
    </message>
    <message>
        <source>Select TR3570 Keyboard</source>
        <translation>Tastatur TR3570 wählen</translation>
    </message>
    <message>
        <source>&amp;Clear Current Key</source>
        <translation>Aktuelle Taste &amp;leeren</translation>
    </message>
    <message>
        <source>Clear current key content</source>
        <translation>Den Inhalt der aktuellen Taste löschen</translation>
    </message>
    <message>
        <source>Clear Key</source>
        <translation>Taste leeren</translation>
    </message>
    <message>
        <source>Set &amp;ASCII Mode</source>
        <translation>&amp;ASCII-Modus setzen</translation>
    </message>
    <message>
        <source>Set key to ASCII code mode</source>
        <translation>Die Taste auf ASCII-Code-Modus stellen</translation>
    </message>
    <message>
        <source>ASCII code mode</source>
        <translation>ASCII-Code-Modus</translation>
    </message>
    <message>
        <source>Set &amp;ScanCode Mode</source>
        <translation>&amp;Scancode-Modus setzen</translation>
    </message>
    <message>
        <source>Set key to scan code mode</source>
        <translation>Die Taste auf Scancode-Modus stellen</translation>
    </message>
    <message>
        <source>Scan code mode</source>
        <translation>Scancode-Modus</translation>
    </message>
    <message>
        <source>Insert &amp;Caps Code</source>
        <translation>&amp;Caps-Code einfügen</translation>
    </message>
    <message>
        <source>Insert a Caps function code</source>
        <translation>Einen Caps-Funktionscode einfügen</translation>
    </message>
    <message>
        <source>Insert caps code</source>
        <translation>Caps-Code einfügen</translation>
    </message>
    <message>
        <source>Insert &amp;Delay Time</source>
        <translation>&amp;Verzögerung einfügen</translation>
    </message>
    <message>
        <source>Insert inter-string delay time function code</source>
        <translation>Funktionscode für eine Verzögerung zwischen Zeichenfolgen einfügen</translation>
    </message>
    <message>
        <source>Insert Delay time</source>
        <translation>Verzögerung einfügen</translation>
    </message>
    <message>
        <source>Enter &amp;Level Separator</source>
        <translation>&amp;Ebenentrenner eingeben</translation>
    </message>
    <message>
        <source>Enter level-separator function code</source>
        <translation>Funktionscode für den Ebenentrenner eingeben</translation>
    </message>
    <message>
        <source>Enter Level separator</source>
        <translation>Ebenentrenner eingeben</translation>
    </message>
    <message>
        <source>Enter &amp;Shift Level code</source>
        <translation>&amp;Umschaltebenen-Code eingeben</translation>
    </message>
    <message>
        <source>Enter multi-level function code</source>
        <translation>Funktionscode für mehrere Ebenen eingeben</translation>
    </message>
    <message>
        <source>Multi-level code</source>
        <translation>Mehrebenen-Code</translation>
    </message>
    <message>
        <source>&amp;Enter ASCII Code</source>
        <translation>ASCII-Code einge&amp;ben</translation>
    </message>
    <message>
        <source>Enter ASCII code as decimal</source>
        <translation>ASCII-Code als Dezimalzahl eingeben</translation>
    </message>
    <message>
        <source>Enter ASCII code</source>
        <translation>ASCII-Code eingeben</translation>
    </message>
    <message>
        <source>Switch ASCII Display mode</source>
        <translation>ASCII-Anzeigemodus umschalten</translation>
    </message>
    <message>
        <source>Switch ASCII display mode</source>
        <translation>ASCII-Anzeigemodus umschalten</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Anzeigemodus</translation>
    </message>
    <message>
        <source>Select Scan Code</source>
        <translation>Scancode auswählen</translation>
    </message>
    <message>
        <source>Enter scan code from list</source>
        <translation>Scancode aus einer Liste eingeben</translation>
    </message>
    <message>
        <source>Enter Scan code</source>
        <translation>Scancode eingeben</translation>
    </message>
    <message>
        <source>&amp;Read From KB</source>
        <translation>Von Tastatur &amp;lesen</translation>
    </message>
    <message>
        <source>Read data from keyboard</source>
        <translation>Daten aus der Tastatur lesen</translation>
    </message>
    <message>
        <source>Read data</source>
        <translation>Daten lesen</translation>
    </message>
    <message>
        <source>&amp;Write Into KB</source>
        <translation>In Tastatur &amp;schreiben</translation>
    </message>
    <message>
        <source>Write data into keyboard</source>
        <translation>Daten in die Tastatur schreiben</translation>
    </message>
    <message>
        <source>Write data</source>
        <translation>Daten schreiben</translation>
    </message>
    <message>
        <source>Config &amp;KB Properties</source>
        <translation>&amp;Tastatureigenschaften</translation>
    </message>
    <message>
        <source>Config KB properties</source>
        <translation>Tastatureigenschaften einstellen</translation>
    </message>
    <message>
        <source>Config KB</source>
        <translation>Tastatur einstellen</translation>
    </message>
    <message>
        <source>Config &amp;MR properties</source>
        <translation>&amp;Kartenleser-Eigenschaften</translation>
    </message>
    <message>
        <source>Config MR properties</source>
        <translation>Kartenleser-Eigenschaften einstellen</translation>
    </message>
    <message>
        <source>Config MR</source>
        <translation>Kartenleser einstellen</translation>
    </message>
    <message>
        <source>Keyboard Output</source>
        <translation>Tastaturausgabe</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Die Werkzeugleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Werkzeugleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;About Vorn...</source>
        <translation>&amp;Über Vorn...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Key Word &amp;List</source>
        <translation>Schlüsselwort-&amp;Liste</translation>
    </message>
    <message>
        <source>Special Function Key Word Table</source>
        <translation>Tabelle der Sonderfunktions-Schlüsselwörter</translation>
    </message>
    <message>
        <source>Key Word</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Strg+Z</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Die letzte Änderung rückgängig machen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Wiederherstellen	Strg+Y</translation>
    </message>
    <message>
        <source>Redo the last undone change</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederherstellen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Strg+C</translation>
    </message>
    <message>
        <source>Copy the key&apos;s content to the clipboard</source>
        <translation>Den Inhalt der Taste in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Ausschneiden	Strg+X</translation>
    </message>
    <message>
        <source>Copy the key&apos;s content to the clipboard and clear the key</source>
        <translation>Den Inhalt der Taste in die Zwischenablage kopieren und die Taste leeren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl++</source>
        <translation>Ver&amp;größern	Strg++</translation>
    </message>
    <message>
        <source>Draw the keyboard larger</source>
        <translation>Die Tastatur größer darstellen</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	Ctrl+-</source>
        <translation>Ver&amp;kleinern	Strg+-</translation>
    </message>
    <message>
        <source>Draw the keyboard smaller</source>
        <translation>Die Tastatur kleiner darstellen</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size	Ctrl+0</source>
        <translation>&amp;Originalgröße	Strg+0</translation>
    </message>
    <message>
        <source>Draw the keyboard at its actual size</source>
        <translation>Die Tastatur in Originalgröße darstellen</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>An &amp;Fenster anpassen</translation>
    </message>
    <message>
        <source>Draw the keyboard as large as the window allows</source>
        <translation>Die Tastatur so groß darstellen, wie das Fenster es zulässt</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>An Fenster anpassen</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>Nach dem Schreiben &amp;prüfen</translation>
    </message>
    <message>
        <source>Read the keyboard back after every write and compare it with what was written</source>
        <translation>Die Tastatur nach jedem Schreiben zurücklesen und mit dem Geschriebenen vergleichen</translation>
    </message>
    <message>
        <source>Verify After Write</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Einfügen	Strg+V</translation>
    </message>
    <message>
        <source>Insert the clipboard&apos;s text at the caret</source>
        <translation>Den Text der Zwischenablage an der Schreibmarke einfügen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>&amp;Template</source>
        <translation>&amp;Vorlage</translation>
    </message>
    <message>
        <source>Key&amp;board</source>
        <translation>&amp;Tastatur</translation>
    </message>
    <message>
        <source>&amp;Key Edit</source>
        <translation>Taste &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Konfiguration</translation>
    </message>
    <message>
        <source>T&amp;esting</source>
        <translation>T&amp;esten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Key &amp;Label...</source>
        <translation>&amp;Tastenbeschriftung...</translation>
    </message>
    <message>
        <source>Write the label printed on the selected key&apos;s cap</source>
        <translation>Die Beschriftung für die Kappe der gewählten Taste eingeben</translation>
    </message>
    <message>
        <source>Key Label</source>
        <translation>Tastenbeschriftung</translation>
    </message>
    <message>
        <source>Show &amp;Labels</source>
        <translation>&amp;Beschriftungen zeigen</translation>
    </message>
    <message>
        <source>Draw each key&apos;s label on its cap in place of the caption</source>
        <translation>Auf jeder Tastenkappe die Beschriftung statt des Namens zeigen</translation>
    </message>
    <message>
        <source>Show Labels</source>
        <translation>Beschriftungen zeigen</translation>
    </message>
    <message>
        <source>&amp;Print Legends...	Ctrl+P</source>
        <translation>Beschriftungen d&amp;rucken...	Strg+P</translation>
    </message>
    <message>
        <source>Print the key caps with their labels at true size</source>
        <translation>Die Tastenkappen mit ihren Beschriftungen in Originalgröße drucken</translation>
    </message>
    <message>
        <source>Print Legends</source>
        <translation>Beschriftungen drucken</translation>
    </message>
    <message>
        <source>Export Legends as &amp;PDF...</source>
        <translation>Beschriftungen als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Save the key caps with their labels at true size as a PDF file</source>
        <translation>Die Tastenkappen mit ihren Beschriftungen in Originalgröße als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>Export Legends as PDF</source>
        <translation>Beschriftungen als PDF exportieren</translation>
    </message>
</context>
<context>
    <name>vorn::DialogButtons</name>
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
    <name>vorn::EditorSession</name>
    <message>
        <source>Switch to %1</source>
        <translation>Wechsel zu %1</translation>
    </message>
    <message>
        <source>Typing in %1</source>
        <translation>Eingabe in %1</translation>
    </message>
    <message>
        <source>Orvane  Programmable Keyboard</source>
        <translation>Orvane  Programmierbare Tastatur</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Label of %1</source>
        <translation>Beschriftung von %1</translation>
    </message>
</context>
<context>
    <name>vorn::KeyCapLabels</name>
    <message>
        <source>the label is not valid UTF-8 text</source>
        <translation>die Beschriftung ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <source>a label cannot hold a TAB</source>
        <translation>eine Beschriftung darf keinen Tabulator enthalten</translation>
    </message>
    <message>
        <source>a label cannot hold control characters</source>
        <translation>eine Beschriftung darf keine Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>a label line has more than %1 characters</source>
        <translation>eine Zeile der Beschriftung hat mehr als %1 Zeichen</translation>
    </message>
    <message>
        <source>a backslash must be followed by n or another backslash</source>
        <translation>auf einen Backslash muss n oder ein weiterer Backslash folgen</translation>
    </message>
    <message>
        <source>a key number and a TAB must begin the line</source>
        <translation>die Zeile muss mit einer Tastennummer und einem Tabulator beginnen</translation>
    </message>
    <message>
        <source>the key number must be 0 to %1</source>
        <translation>die Tastennummer muss zwischen 0 und %1 liegen</translation>
    </message>
    <message>
        <source>a label has at most %1 lines</source>
        <translation>eine Beschriftung hat höchstens %1 Zeilen</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB; the rest is not read</source>
        <translation>die Datei ist größer als 1 MiB; der Rest wird nicht gelesen</translation>
    </message>
</context>
<context>
    <name>vorn::KeyWordListText</name>
    <message>
        <source> Symbol:		Function Key&apos;s Name
 </source>
        <translation> Symbol:		Name der Funktionstaste
 </translation>
    </message>
    <message>
        <source>
 Note:	Normal alpha-numeric characters and symbols are represented in scan code as
	the character itself enclosed in square brackets.  For example [A] [B] [C]
	[1] [2] [3] [-] [;] [,] [/].
</source>
        <translation>
 Hinweis:
	Normale Buchstaben, Ziffern und Symbole stehen im Scancode als das Zeichen
	selbst in eckigen Klammern.  Zum Beispiel [A] [B] [C]
	[1] [2] [3] [-] [;] [,] [/].
</translation>
    </message>
</context>
<context>
    <name>vorn::KeyWords</name>
    <message>
        <source>Function key &lt;Esc&gt;</source>
        <translation>Funktionstaste &lt;Esc&gt;</translation>
    </message>
    <message>
        <source>key &lt;Backspace&gt;</source>
        <translation>Taste &lt;Rücktaste&gt;</translation>
    </message>
    <message>
        <source>key &lt;Tab&gt;</source>
        <translation>Taste &lt;Tab&gt;</translation>
    </message>
    <message>
        <source>key &lt;Enter&gt;</source>
        <translation>Taste &lt;Eingabe&gt;</translation>
    </message>
    <message>
        <source>key &lt;Ctrl&gt; in left</source>
        <translation>Taste &lt;Strg&gt; links</translation>
    </message>
    <message>
        <source>key &lt;Shift&gt; in left</source>
        <translation>Taste &lt;Umschalt&gt; links</translation>
    </message>
    <message>
        <source>key &lt;Shift&gt; in right</source>
        <translation>Taste &lt;Umschalt&gt; rechts</translation>
    </message>
    <message>
        <source>number key &lt;*&gt; in keypad</source>
        <translation>Taste &lt;*&gt; im Ziffernblock</translation>
    </message>
    <message>
        <source>key &lt;Alt&gt; in left</source>
        <translation>Taste &lt;Alt&gt; links</translation>
    </message>
    <message>
        <source>key &lt;space bar&gt;</source>
        <translation>Taste &lt;Leertaste&gt;</translation>
    </message>
    <message>
        <source>key &lt;Caps Lock&gt;</source>
        <translation>Taste &lt;Feststelltaste&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;F1&gt;</source>
        <translation>Funktionstaste &lt;F1&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;F2&gt;</source>
        <translation>Funktionstaste &lt;F2&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;F3&gt;</source>
        <translation>Funktionstaste &lt;F3&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;F4&gt;</source>
        <translation>Funktionstaste &lt;F4&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;F5&gt;</source>
        <translation>Funktionstaste &lt;F5&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;F6&gt;</source>
        <translation>Funktionstaste &lt;F6&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;F7&gt;</source>
        <translation>Funktionstaste &lt;F7&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;F8&gt;</source>
        <translation>Funktionstaste &lt;F8&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;F9&gt;</source>
        <translation>Funktionstaste &lt;F9&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;F10&gt;</source>
        <translation>Funktionstaste &lt;F10&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;Num Lock&gt;</source>
        <translation>Funktionstaste &lt;Num&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;Scroll Lock&gt;</source>
        <translation>Funktionstaste &lt;Rollen&gt;</translation>
    </message>
    <message>
        <source>number key &lt;7&gt; in keypad</source>
        <translation>Taste &lt;7&gt; im Ziffernblock</translation>
    </message>
    <message>
        <source>number key &lt;8&gt; in keypad</source>
        <translation>Taste &lt;8&gt; im Ziffernblock</translation>
    </message>
    <message>
        <source>number key &lt;9&gt; in keypad</source>
        <translation>Taste &lt;9&gt; im Ziffernblock</translation>
    </message>
    <message>
        <source>number key &lt;-&gt; in keypad</source>
        <translation>Taste &lt;-&gt; im Ziffernblock</translation>
    </message>
    <message>
        <source>number key &lt;4&gt; in keypad</source>
        <translation>Taste &lt;4&gt; im Ziffernblock</translation>
    </message>
    <message>
        <source>number key &lt;5&gt; in keypad</source>
        <translation>Taste &lt;5&gt; im Ziffernblock</translation>
    </message>
    <message>
        <source>number key &lt;6&gt; in keypad</source>
        <translation>Taste &lt;6&gt; im Ziffernblock</translation>
    </message>
    <message>
        <source>number key &lt;+&gt; in keypad</source>
        <translation>Taste &lt;+&gt; im Ziffernblock</translation>
    </message>
    <message>
        <source>number key &lt;1&gt; in keypad</source>
        <translation>Taste &lt;1&gt; im Ziffernblock</translation>
    </message>
    <message>
        <source>number key &lt;2&gt; in keypad</source>
        <translation>Taste &lt;2&gt; im Ziffernblock</translation>
    </message>
    <message>
        <source>number key &lt;3&gt; in keypad</source>
        <translation>Taste &lt;3&gt; im Ziffernblock</translation>
    </message>
    <message>
        <source>number key &lt;0&gt; in keypad</source>
        <translation>Taste &lt;0&gt; im Ziffernblock</translation>
    </message>
    <message>
        <source>number key &lt;.&gt; in keypad</source>
        <translation>Taste &lt;.&gt; im Ziffernblock</translation>
    </message>
    <message>
        <source>Function key &lt;Alt&gt;+&lt;Print Screen&gt;</source>
        <translation>Funktionstaste &lt;Alt&gt;+&lt;Druck&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;F11&gt;</source>
        <translation>Funktionstaste &lt;F11&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;F12&gt;</source>
        <translation>Funktionstaste &lt;F12&gt;</translation>
    </message>
    <message>
        <source>scan code used for generating break codes of special keys</source>
        <translation>Scancode zum Erzeugen der Break-Codes von Sondertasten</translation>
    </message>
    <message>
        <source>scan code used for generating break codes</source>
        <translation>Scancode zum Erzeugen von Break-Codes</translation>
    </message>
    <message>
        <source>number key &lt;Enter&gt; in keypad</source>
        <translation>Taste &lt;Eingabe&gt; im Ziffernblock</translation>
    </message>
    <message>
        <source>key &lt;Ctrl&gt; in right</source>
        <translation>Taste &lt;Strg&gt; rechts</translation>
    </message>
    <message>
        <source>number key &lt;/&gt; in keypad</source>
        <translation>Taste &lt;/&gt; im Ziffernblock</translation>
    </message>
    <message>
        <source>Function key &lt;Ctrl&gt;+&lt;Print Screen&gt;</source>
        <translation>Funktionstaste &lt;Strg&gt;+&lt;Druck&gt;</translation>
    </message>
    <message>
        <source>key &lt;Alt&gt; in right</source>
        <translation>Taste &lt;Alt&gt; rechts</translation>
    </message>
    <message>
        <source>Function key &lt;Ctrl&gt;+&lt;Pause Break&gt;</source>
        <translation>Funktionstaste &lt;Strg&gt;+&lt;Pause&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;Home&gt;</source>
        <translation>Funktionstaste &lt;Pos1&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;Up Arrow&gt;</source>
        <translation>Funktionstaste &lt;Pfeil nach oben&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;Page Up&gt;</source>
        <translation>Funktionstaste &lt;Bild auf&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;Left Arrow&gt;</source>
        <translation>Funktionstaste &lt;Pfeil nach links&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;Right Arrow&gt;</source>
        <translation>Funktionstaste &lt;Pfeil nach rechts&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;End&gt;</source>
        <translation>Funktionstaste &lt;Ende&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;Down Arrow&gt;</source>
        <translation>Funktionstaste &lt;Pfeil nach unten&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;Page Down&gt;</source>
        <translation>Funktionstaste &lt;Bild ab&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;Insert&gt;</source>
        <translation>Funktionstaste &lt;Einfg&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;Delete&gt;</source>
        <translation>Funktionstaste &lt;Entf&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;Win&gt; in left</source>
        <translation>Funktionstaste &lt;Win&gt; links</translation>
    </message>
    <message>
        <source>Function key &lt;Win&gt; in right</source>
        <translation>Funktionstaste &lt;Win&gt; rechts</translation>
    </message>
    <message>
        <source>Function key &lt;Menu&gt;</source>
        <translation>Funktionstaste &lt;Menü&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;Pause Break&gt;</source>
        <translation>Funktionstaste &lt;Pause&gt;</translation>
    </message>
    <message>
        <source>Function key &lt;Print Screen&gt;</source>
        <translation>Funktionstaste &lt;Druck&gt;</translation>
    </message>
    <message>
        <source>Turn on/off system power</source>
        <translation>System ein- oder ausschalten</translation>
    </message>
    <message>
        <source>make system sleep</source>
        <translation>System in den Ruhezustand versetzen</translation>
    </message>
    <message>
        <source>make system wake</source>
        <translation>System aufwecken</translation>
    </message>
    <message>
        <source>goto next track</source>
        <translation>zum nächsten Titel</translation>
    </message>
    <message>
        <source>goto previous track</source>
        <translation>zum vorigen Titel</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>play/pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>mute</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>volume up</source>
        <translation>lauter</translation>
    </message>
    <message>
        <source>volume down</source>
        <translation>leiser</translation>
    </message>
    <message>
        <source>media select</source>
        <translation>Medienauswahl</translation>
    </message>
    <message>
        <source>mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>WWW Search</source>
        <translation>WWW suchen</translation>
    </message>
    <message>
        <source>WWW Home</source>
        <translation>WWW Startseite</translation>
    </message>
    <message>
        <source>WWW Back</source>
        <translation>WWW zurück</translation>
    </message>
    <message>
        <source>WWW Forward</source>
        <translation>WWW vorwärts</translation>
    </message>
    <message>
        <source>WWW Stop</source>
        <translation>WWW stoppen</translation>
    </message>
    <message>
        <source>WWW Refresh</source>
        <translation>WWW aktualisieren</translation>
    </message>
    <message>
        <source>WWW Favorites</source>
        <translation>WWW Favoriten</translation>
    </message>
</context>
<context>
    <name>vorn::LayoutRenderer</name>
    <message>
        <source>Use Mouse or &lt;Shift&gt; + &lt;Arrow&gt; to Select Key. Use &lt;ESC&gt; then &lt;Func Key&gt; to Input Function Key Code.</source>
        <translation>Taste mit Maus oder &lt;Umschalt&gt; + &lt;Pfeil&gt; wählen. Funktionstaste: &lt;ESC&gt;, dann &lt;F-Taste&gt; drücken.</translation>
    </message>
    <message>
        <source>Use Mouse or &lt;Shift&gt; + &lt;Arrow&gt; to Select Key.  </source>
        <translation>Taste mit Maus oder &lt;Umschalt&gt; + &lt;Pfeil&gt; wählen.  </translation>
    </message>
    <message>
        <source>No</source>
        <comment>no port</comment>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Port Name: %1</source>
        <translation>Port: %1</translation>
    </message>
    <message>
        <source>Black Key: blank key</source>
        <translation>Schwarz: leere Taste</translation>
    </message>
    <message>
        <source>Blue Key</source>
        <translation>    Blau</translation>
    </message>
    <message>
        <source>: defined key</source>
        <translation>: belegte Taste</translation>
    </message>
    <message>
        <source>Green Key</source>
        <translation>     Grün</translation>
    </message>
    <message>
        <source>: modified key</source>
        <translation>: geänderte Taste</translation>
    </message>
    <message>
        <source>Key Name:</source>
        <translation>Taste:</translation>
    </message>
    <message>
        <source>Key content:</source>
        <translation>Inhalt:</translation>
    </message>
    <message>
        <source>Total space left (bytes):</source>
        <translation>Freier Platz (Bytes):</translation>
    </message>
    <message>
        <source>ScanCode Mode</source>
        <translation>Scancode-Modus</translation>
    </message>
    <message>
        <source>ASCII Decimal Mode</source>
        <translation>ASCII-Dezimalmodus</translation>
    </message>
    <message>
        <source>ASCII Mode</source>
        <translation>ASCII-Modus</translation>
    </message>
    <message>
        <source>Reading data from keyboard</source>
        <translation>Daten werden aus der Tastatur gelesen</translation>
    </message>
    <message>
        <source>Writing data into keyboard</source>
        <translation>Daten werden in die Tastatur geschrieben</translation>
    </message>
    <message>
        <source>Please don&apos;t use mouse and/or keyboard!</source>
        <translation>Bitte Maus und Tastatur nicht benutzen!</translation>
    </message>
</context>
<context>
    <name>vorn::LegendPrinting</name>
    <message>
        <source>The PDF file: &lt;%1&gt; can&apos;t be written !! %2</source>
        <translation>Die PDF-Datei: &lt;%1&gt; kann nicht geschrieben werden !! %2</translation>
    </message>
    <message>
        <source>Key legends</source>
        <translation>Tastenbeschriftungen</translation>
    </message>
    <message>
        <source>Print Legends</source>
        <translation>Beschriftungen drucken</translation>
    </message>
    <message>
        <source>Export Legends as PDF</source>
        <translation>Beschriftungen als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>PDF-Dateien (*.pdf);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>vorn::LegendSheet</name>
    <message>
        <source>Key legends: %1</source>
        <translation>Tastenbeschriftungen: %1</translation>
    </message>
    <message>
        <source>Printed at pitch %1 mm — check the ruler before cutting</source>
        <translation>Gedruckt im Raster %1 mm — vor dem Schneiden am Lineal prüfen</translation>
    </message>
    <message>
        <source>Key legends · %1</source>
        <translation>Tastenbeschriftungen · %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Template: %1</source>
        <translation>Vorlage: %1</translation>
    </message>
    <message>
        <source>Model: %1</source>
        <translation>Modell: %1</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>das PDF konnte nicht erzeugt werden</translation>
    </message>
</context>
<context>
    <name>vorn::Messages</name>
    <message>
        <source>Wrong function word or scan code word!!</source>
        <translation>Falsches Funktionswort oder Scancode-Wort!!</translation>
    </message>
    <message>
        <source>Wrong ASCII or function word!!</source>
        <translation>Falsches ASCII- oder Funktionswort!!</translation>
    </message>
    <message>
        <source>The template data file is corrupted !
Downloading this template will make keyboard malfunction.
Use Import/Export function to recover the file,</source>
        <translation>Die Vorlagendatei ist beschädigt !
Wird diese Vorlage in die Tastatur geschrieben, arbeitet die Tastatur fehlerhaft.
Stellen Sie die Datei mit Import/Export wieder her.</translation>
    </message>
    <message>
        <source>The key number is wrong in the template data file !
Downloading this template will make keyboard malfunction.
Re-edit the template file please.</source>
        <translation>Die Tastennummer in der Vorlagendatei ist falsch !
Wird diese Vorlage in die Tastatur geschrieben, arbeitet die Tastatur fehlerhaft.
Bitte bearbeiten Sie die Vorlagendatei neu.</translation>
    </message>
    <message>
        <source>Track1 prefix string error!</source>
        <translation>Fehler im Präfix von Spur 1!</translation>
    </message>
    <message>
        <source>Track1 suffix string error!</source>
        <translation>Fehler im Suffix von Spur 1!</translation>
    </message>
    <message>
        <source>Track2 prefix string error!</source>
        <translation>Fehler im Präfix von Spur 2!</translation>
    </message>
    <message>
        <source>Track2 suffix string error!</source>
        <translation>Fehler im Suffix von Spur 2!</translation>
    </message>
    <message>
        <source>Track3 prefix string error!</source>
        <translation>Fehler im Präfix von Spur 3!</translation>
    </message>
    <message>
        <source>Track3 suffix string error!</source>
        <translation>Fehler im Suffix von Spur 3!</translation>
    </message>
    <message>
        <source>Track1 field terminator error!</source>
        <translation>Fehler im Feldtrenner von Spur 1!</translation>
    </message>
    <message>
        <source>Track2 field terminator error!</source>
        <translation>Fehler im Feldtrenner von Spur 2!</translation>
    </message>
    <message>
        <source>Track3 field terminator error!</source>
        <translation>Fehler im Feldtrenner von Spur 3!</translation>
    </message>
    <message>
        <source>Card data suffix string error!</source>
        <translation>Fehler im Suffix der Kartendaten!</translation>
    </message>
    <message>
        <source>Card data prefix string error!</source>
        <translation>Fehler im Präfix der Kartendaten!</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>The number of rows in the text file is wrong
</source>
        <translation>Die Zeilenzahl der Textdatei ist falsch
</translation>
    </message>
    <message>
        <source>The text file: &lt;%1&gt; is not a regular file !!</source>
        <translation>Die Textdatei: &lt;%1&gt; ist keine gewöhnliche Datei !!</translation>
    </message>
    <message>
        <source>The text file: &lt;%1&gt; is NOT in the directory !! Error code = %2</source>
        <translation>Die Textdatei: &lt;%1&gt; ist NICHT im Verzeichnis !! Fehlercode = %2</translation>
    </message>
    <message>
        <source>The template file: &lt;%1&gt; is not a regular file !!</source>
        <translation>Die Vorlagendatei: &lt;%1&gt; ist keine gewöhnliche Datei !!</translation>
    </message>
    <message>
        <source>The template file: &lt;%1&gt; can&apos;t be read !! %2</source>
        <translation>Die Vorlagendatei: &lt;%1&gt; kann nicht gelesen werden !! %2</translation>
    </message>
    <message>
        <source>The template file: &lt;%1&gt; holds %2 bytes, not %3 !!
The template is not loaded.</source>
        <translation>Die Vorlagendatei: &lt;%1&gt; enthält %2 Bytes, nicht %3 !!
Die Vorlage wird nicht geladen.</translation>
    </message>
    <message>
        <source>The key texts need %1 bytes more than the template has room for !
The keys stored last will be cut when the template is saved.
Save anyway?</source>
        <translation>Die Tastentexte brauchen %1 Bytes mehr, als die Vorlage Platz bietet !
Die zuletzt abgelegten Tasten werden beim Speichern der Vorlage abgeschnitten.
Trotzdem speichern?</translation>
    </message>
    <message>
        <source>The template file: &lt;%1&gt; can&apos;t be written !! %2</source>
        <translation>Die Vorlagendatei: &lt;%1&gt; kann nicht geschrieben werden !! %2</translation>
    </message>
    <message>
        <source>The text file: &lt;%1&gt; is larger than %2 bytes (1 MiB) !!
Nothing is imported.</source>
        <translation>Die Textdatei: &lt;%1&gt; ist größer als %2 Bytes (1 MiB) !!
Es wird nichts importiert.</translation>
    </message>
    <message>
        <source>The caption or key text of slot %1 &lt;%2&gt; holds a line feed or a 0xFF byte, which a text file can&apos;t keep !!
No text file is written.</source>
        <translation>Die Beschriftung oder der Tastentext von Platz %1 &lt;%2&gt; enthält einen Zeilenumbruch oder ein Byte 0xFF, das eine Textdatei nicht aufnehmen kann !!
Es wird keine Textdatei geschrieben.</translation>
    </message>
    <message>
        <source>The text file: &lt;%1&gt; can&apos;t be written !! %2</source>
        <translation>Die Textdatei: &lt;%1&gt; kann nicht geschrieben werden !! %2</translation>
    </message>
    <message>
        <source>There is no VQ series keyboard connected!</source>
        <translation>Es ist keine Tastatur der VQ-Serie angeschlossen!</translation>
    </message>
    <message>
        <source>A VQ series keyboard was found, but access to it was denied: install the udev rule 70-vorn-keyboard.rules (see the README).</source>
        <translation>Eine Tastatur der VQ-Serie wurde gefunden, aber der Zugriff wurde verweigert: Installieren Sie die udev-Regel 70-vorn-keyboard.rules (siehe README).</translation>
    </message>
    <message>
        <source>No Programmable Keyboard detected!
Please check the keyboard connection!

Try to read again please!</source>
        <translation>Keine programmierbare Tastatur gefunden!
Bitte prüfen Sie den Anschluss der Tastatur!

Bitte versuchen Sie erneut zu lesen!</translation>
    </message>
    <message>
        <source>Can&apos;t access programmable keyboard!
Please to check the driver setup!

Try to read again please!</source>
        <translation>Kein Zugriff auf die programmierbare Tastatur!
Bitte prüfen Sie die Einrichtung des Treibers!

Bitte versuchen Sie erneut zu lesen!</translation>
    </message>
    <message>
        <source>No Programmable Keyboard detected!
Please check the keyboard connection!

Try to write Keyboard again please!</source>
        <translation>Keine programmierbare Tastatur gefunden!
Bitte prüfen Sie den Anschluss der Tastatur!

Bitte versuchen Sie erneut, die Tastatur zu beschreiben!</translation>
    </message>
    <message>
        <source>Can&apos;t access programmable keyboard!
Please check the driver setup!

Try to write Keyboard again please!</source>
        <translation>Kein Zugriff auf die programmierbare Tastatur!
Bitte prüfen Sie die Einrichtung des Treibers!

Bitte versuchen Sie erneut, die Tastatur zu beschreiben!</translation>
    </message>
    <message>
        <source>Template read from the keyboard</source>
        <translation>Vorlage aus der Tastatur gelesen</translation>
    </message>
    <message>
        <source>Template written into the keyboard</source>
        <translation>Vorlage in die Tastatur geschrieben</translation>
    </message>
    <message>
        <source>Data Read Error, Count=</source>
        <translation>Fehler beim Lesen der Daten, Zähler=</translation>
    </message>
    <message>
        <source>Error in writing data, Count=</source>
        <translation>Fehler beim Schreiben der Daten, Zähler=</translation>
    </message>
    <message>
        <source>
 unplug/plug keyboard and try it again please</source>
        <translation>
 Bitte die Tastatur aus- und wieder einstecken und es erneut versuchen</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>The template file: &lt;%1&gt; is no longer there !!
It is taken off the recent templates.</source>
        <translation>Die Vorlagendatei: &lt;%1&gt; ist nicht mehr vorhanden !!
Sie wird aus den zuletzt geöffneten Vorlagen entfernt.</translation>
    </message>
    <message>
        <source>No space left in the template</source>
        <translation>Kein Platz mehr in der Vorlage</translation>
    </message>
    <message>
        <source>The keyboard is being read or written.
Stop the transfer and close Vorn?</source>
        <translation>Die Tastatur wird gerade gelesen oder beschrieben.
Übertragung abbrechen und Vorn schließen?</translation>
    </message>
    <message>
        <source>The keyboard is being written. If you stop now it keeps an incomplete template until it is written again.
Stop the transfer and close Vorn?</source>
        <translation>Die Tastatur wird gerade beschrieben. Wenn Sie jetzt abbrechen, behält sie eine unvollständige Vorlage, bis sie erneut beschrieben wird.
Übertragung abbrechen und Vorn schließen?</translation>
    </message>
    <message>
        <source>The keyboard was only partly written. Write the template into it again before using it.</source>
        <translation>Die Tastatur wurde nur teilweise beschrieben. Schreiben Sie die Vorlage erneut hinein, bevor Sie die Tastatur benutzen.</translation>
    </message>
    <message>
        <source>Template written and verified</source>
        <translation>Vorlage geschrieben und geprüft</translation>
    </message>
    <message>
        <source>Characters the keyboard cannot send were left out of the pasted text</source>
        <translation>Zeichen, die die Tastatur nicht senden kann, wurden beim Einfügen weggelassen</translation>
    </message>
    <message>
        <source>The labels file: &lt;%1&gt; is not a regular file !!</source>
        <translation>Die Beschriftungsdatei: &lt;%1&gt; ist keine gewöhnliche Datei !!</translation>
    </message>
    <message>
        <source>The labels file: &lt;%1&gt; can&apos;t be read !! %2</source>
        <translation>Die Beschriftungsdatei: &lt;%1&gt; kann nicht gelesen werden !! %2</translation>
    </message>
    <message>
        <source>
The template is loaded without labels.</source>
        <translation>
Die Vorlage wird ohne Beschriftungen geladen.</translation>
    </message>
    <message>
        <source>The labels file: &lt;%1&gt; has lines that are not read !!</source>
        <translation>Die Beschriftungsdatei: &lt;%1&gt; hat Zeilen, die nicht gelesen werden !!</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... und %1 weitere</translation>
    </message>
    <message>
        <source>
They are left out when the template is saved.</source>
        <translation>
Sie werden beim Speichern der Vorlage weggelassen.</translation>
    </message>
    <message>
        <source>The labels file: &lt;%1&gt; can&apos;t be written !! %2</source>
        <translation>Die Beschriftungsdatei: &lt;%1&gt; kann nicht geschrieben werden !! %2</translation>
    </message>
    <message>
        <source>This label cannot be kept: %1.</source>
        <translation>Diese Beschriftung ist nicht möglich: %1.</translation>
    </message>
</context>
<context>
    <name>vorn::VornDoc</name>
    <message>
        <source>Template</source>
        <translation>Vorlage</translation>
    </message>
</context>
<context>
    <name>vorn::WindowDialogs</name>
    <message>
        <source>Templates (*.tpl);;All files (*)</source>
        <translation>Vorlagen (*.tpl);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
</context>
</TS>
