<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>BreakEven</name>
        <message>
            <source>&amp;Parameters</source>
            <translation>&amp;Parameter</translation>
        </message>
        <message>
            <source>Calculate Break Even Units</source>
            <translation>Gewinnschwelle in Stück berechnen</translation>
        </message>
        <message>
            <source>&amp;Break Even</source>
            <translation>&amp;Analyse</translation>
        </message>
        <message>
            <source>Display Break Even Analysis</source>
            <translation>Gewinnschwellenanalyse anzeigen</translation>
        </message>
        <message>
            <source>&amp;Graph</source>
            <translation>Gra&amp;fik</translation>
        </message>
        <message>
            <source>Display Break Even Graph</source>
            <translation>Grafik der Gewinnschwelle anzeigen</translation>
        </message>
    </context>
    <context>
        <name>Calculator</name>
        <message>
            <source>backspace</source>
            <translation>Rücktaste</translation>
        </message>
        <message>
            <source>clear entry</source>
            <translation>Eingabe löschen</translation>
        </message>
        <message>
            <source>clear</source>
            <translation>alles löschen</translation>
        </message>
        <message>
            <source>divide</source>
            <translation>dividieren</translation>
        </message>
        <message>
            <source>square root</source>
            <translation>Quadratwurzel</translation>
        </message>
        <message>
            <source>multiply</source>
            <translation>multiplizieren</translation>
        </message>
        <message>
            <source>percent</source>
            <translation>Prozent</translation>
        </message>
        <message>
            <source>subtract</source>
            <translation>subtrahieren</translation>
        </message>
        <message>
            <source>reciprocal</source>
            <translation>Kehrwert</translation>
        </message>
        <message>
            <source>equals</source>
            <translation>gleich</translation>
        </message>
        <message>
            <source>add</source>
            <translation>addieren</translation>
        </message>
        <message>
            <source>decimal point</source>
            <translation>Dezimalpunkt</translation>
        </message>
        <message>
            <source>change sign</source>
            <translation>Vorzeichen wechseln</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translation>&amp;Kopieren</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translation>&amp;Einfügen</translation>
        </message>
        <message>
            <source>ERROR</source>
            <translation>FEHLER</translation>
        </message>
    </context>
    <context>
        <name>Errors</name>
        <message>
            <source>Enter a valid number.</source>
            <translation>Geben Sie eine gültige Zahl ein.</translation>
        </message>
        <message>
            <source>System Support</source>
            <translation>Systemsupport</translation>
        </message>
        <message>
            <source>Invalid procedure call or argument</source>
            <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
        </message>
        <message>
            <source>Overflow</source>
            <translation>Überlauf</translation>
        </message>
        <message>
            <source>Out of memory</source>
            <translation>Nicht genügend Arbeitsspeicher</translation>
        </message>
        <message>
            <source>Subscript out of range</source>
            <translation>Index außerhalb des gültigen Bereichs</translation>
        </message>
        <message>
            <source>Division by zero</source>
            <translation>Division durch null</translation>
        </message>
        <message>
            <source>Type mismatch</source>
            <translation>Typen unverträglich</translation>
        </message>
        <message>
            <source>Internal error</source>
            <translation>Interner Fehler</translation>
        </message>
        <message>
            <source>Application-defined or object-defined error</source>
            <translation>Anwendungs- oder objektdefinierter Fehler</translation>
        </message>
    </context>
    <context>
        <name>Export</name>
        <message>
            <source>break-even-analysis.csv</source>
            <translation>gewinnschwellenanalyse.csv</translation>
        </message>
        <message>
            <source>&amp;Copy Graph</source>
            <translation>Grafik &amp;kopieren</translation>
        </message>
        <message>
            <source>&amp;Save Graph As…</source>
            <translation>Grafik &amp;speichern unter…</translation>
        </message>
        <message>
            <source>Save Graph As</source>
            <translation>Grafik speichern unter</translation>
        </message>
        <message>
            <source>break-even-graph.png</source>
            <translation>gewinnschwelle-grafik.png</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG image (*.svg)</source>
            <translation>PNG-Bild (*.png);;SVG-Bild (*.svg)</translation>
        </message>
        <message>
            <source>loan-schedule.csv</source>
            <translation>tilgungsplan.csv</translation>
        </message>
        <message>
            <source>SVG pictures cannot be written (%1)</source>
            <translation>SVG-Bilder können nicht geschrieben werden (%1)</translation>
        </message>
        <message>
            <source>the picture could not be made</source>
            <translation>das Bild konnte nicht erstellt werden</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translation>&amp;Kopieren</translation>
        </message>
        <message>
            <source>Copy &amp;All</source>
            <translation>&amp;Alles kopieren</translation>
        </message>
        <message>
            <source>Show as &amp;Table</source>
            <translation>Als &amp;Tabelle anzeigen</translation>
        </message>
        <message>
            <source>&amp;Save as CSV…</source>
            <translation>Als CSV &amp;speichern…</translation>
        </message>
        <message>
            <source>Save as CSV</source>
            <translation>Als CSV speichern</translation>
        </message>
        <message>
            <source>CSV files (*.csv);;All files (*)</source>
            <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
        </message>
        <message>
            <source>The file "%1" could not be saved: %2.</source>
            <translation>Die Datei „%1“ konnte nicht gespeichert werden: %2.</translation>
        </message>
        <message>
            <source>Save as PDF</source>
            <translation>Als PDF speichern</translation>
        </message>
        <message>
            <source>PDF files (*.pdf);;All files (*)</source>
            <translation>PDF-Dateien (*.pdf);;Alle Dateien (*)</translation>
        </message>
        <message>
            <source>Writing the PDF file…</source>
            <translation>PDF-Datei wird geschrieben…</translation>
        </message>
        <message>
            <source>Preparing the pages…</source>
            <translation>Seiten werden vorbereitet…</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>the pages could not be made</source>
            <translation>die Seiten konnten nicht erstellt werden</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Drucken</translation>
        </message>
        <message>
            <source>The report could not be printed.</source>
            <translation>Der Bericht konnte nicht gedruckt werden.</translation>
        </message>
        <message>
            <source>Save as P&amp;DF…</source>
            <translation>Als &amp;PDF speichern…</translation>
        </message>
        <message>
            <source>&amp;Print…</source>
            <translation>&amp;Drucken…</translation>
        </message>
    </context>
    <context>
        <name>Graph</name>
        <message>
            <source>No graph: the units to draw are 0.</source>
            <translation>Keine Grafik: Die darzustellende Stückzahl ist 0.</translation>
        </message>
        <message>
            <source>Break-even units %1. From 1 to %2 units: total costs from %3 to %4, total sales from %5 to %6, fixed costs %7. </source>
            <translation>Gewinnschwelle: %1 Stück. Von 1 bis %2 Stück: Gesamtkosten von %3 bis %4, Gesamtumsatz von %5 bis %6, Fixkosten %7. </translation>
        </message>
        <message>
            <source>The cost and sales lines cross at %1 units, at %2.</source>
            <translation>Kosten- und Umsatzlinie schneiden sich bei %1 Stück, bei einem Betrag von %2.</translation>
        </message>
        <message>
            <source>The cost and sales lines do not cross.</source>
            <translation>Kosten- und Umsatzlinie schneiden sich nicht.</translation>
        </message>
        <message>
            <source>%1 units: total costs %2, total sales %3, fixed costs %4.</source>
            <translation>%1 Stück: Gesamtkosten %2, Gesamtumsatz %3, Fixkosten %4.</translation>
        </message>
        <message>
            <source>Break-Even Graph</source>
            <translation>Grafik der Gewinnschwelle</translation>
        </message>
        <message>
            <source>Value of DataPoint = %1</source>
            <translation>Wert des Datenpunkts = %1</translation>
        </message>
        <message>
            <source>Total Costs</source>
            <translation>Gesamtkosten</translation>
        </message>
        <message>
            <source>Total Sales</source>
            <translation>Gesamtumsatz</translation>
        </message>
        <message>
            <source>Fixed Costs</source>
            <translation>Fixkosten</translation>
        </message>
        <message>
            <source>Units</source>
            <translation>Stückzahl</translation>
        </message>
    </context>
    <context>
        <name>Help</name>
        <message>
            <source>Calculator</source>
            <translation>Rechner</translation>
        </message>
        <message>
            <source>Break Even</source>
            <translation>Gewinnschwelle</translation>
        </message>
        <message>
            <source>Loan Calculator</source>
            <translation>Darlehen</translation>
        </message>
        <message>
            <source>Talk to Us</source>
            <translation>Kontakt</translation>
        </message>
        <message>
            <source>Disclaimer</source>
            <translation>Haftungsausschluss</translation>
        </message>
        <message>
            <source>A pocket calculator, worked with the mouse or the keyboard. It always writes its point as ".", whatever the region.</source>
            <translation>Ein Taschenrechner, der sich mit der Maus oder der Tastatur bedienen lässt. Er schreibt das Dezimaltrennzeichen unabhängig von der Region immer als „.“.</translation>
        </message>
        <message>
            <source>Parameters: enter the expected sales units, the unit price, the variable cost per unit and the fixed costs, and calculate the break-even units, the count at which sales cover the costs. Break Even lists the analysis for every unit count; Graph draws the costs and sales.</source>
            <translation>Parameter: Geben Sie die erwartete Absatzmenge, den Stückpreis, die variablen Kosten je Stück und die Fixkosten ein und berechnen Sie die Gewinnschwelle, also die Stückzahl, bei der der Umsatz die Kosten deckt. Analyse listet die Auswertung für jede Stückzahl auf; Grafik stellt Kosten und Umsatz dar.</translation>
        </message>
        <message>
            <source>Repayment gives the instalment that repays a principal; Principal gives the principal that an instalment repays; for flat-rate, reducing-balance and amortized loans and eight repayment frequencies. Loan Schedule lists every instalment.</source>
            <translation>Rate ermittelt die Rate, mit der ein Darlehensbetrag getilgt wird; Darlehensbetrag ermittelt den Betrag, den eine Rate tilgt; für Darlehen mit Pauschalzins, mit Ratentilgung und mit Annuitätentilgung und acht Zahlungsweisen. Tilgungsplan listet jede Rate auf.</translation>
        </message>
        <message>
            <source>Links to the maker's web site, blog and Facebook page, and a new tweet to the maker.</source>
            <translation>Links zur Website, zum Blog und zur Facebook-Seite des Herstellers sowie ein neuer Tweet an den Hersteller.</translation>
        </message>
        <message>
            <source>The warranty disclaimer.</source>
            <translation>Der Gewährleistungsausschluss.</translation>
        </message>
        <message>
            <source>Ctrl+Tab</source>
            <translation>Strg+Tab</translation>
        </message>
        <message>
            <source>Shows the next page; arriving on a page with sub-pages, also its next sub-page</source>
            <translation>Zeigt die nächste Seite; auf einer Seite mit Unterseiten auch deren nächste Unterseite</translation>
        </message>
        <message>
            <source>Ctrl+Shift+Tab</source>
            <translation>Strg+Umschalt+Tab</translation>
        </message>
        <message>
            <source>Goes back the way Ctrl+Tab goes forward</source>
            <translation>Geht den Weg zurück, den Strg+Tab vorwärts geht</translation>
        </message>
        <message>
            <source>Alt+underlined letter</source>
            <translation>Alt+unterstrichener Buchstabe</translation>
        </message>
        <message>
            <source>Goes to the control or tab with that letter, and presses a button that has the letter to itself. A letter shared by several controls moves the focus among them in turn, the page's own controls first, then a tab that leaves the page; Space presses the button reached</source>
            <translation>Springt zum Steuerelement oder Register mit diesem Buchstaben und betätigt eine Schaltfläche, die den Buchstaben als einzige hat. Ein Buchstabe, den mehrere Steuerelemente teilen, bringt den Fokus reihum zu ihnen, zuerst zu denen der Seite, dann zu einem Register, das die Seite verlässt; die Leertaste betätigt die erreichte Schaltfläche</translation>
        </message>
        <message>
            <source>Tab</source>
            <translation>Tab</translation>
        </message>
        <message>
            <source>Shift+Tab</source>
            <translation>Umschalt+Tab</translation>
        </message>
        <message>
            <source>Moves to the next or the previous control</source>
            <translation>Wechselt zum nächsten oder vorigen Steuerelement</translation>
        </message>
        <message>
            <source>Space</source>
            <translation>Leertaste</translation>
        </message>
        <message>
            <source>Presses the button that has the focus</source>
            <translation>Betätigt die Schaltfläche, die den Fokus hat</translation>
        </message>
        <message>
            <source>Ctrl+Q</source>
            <translation>Strg+Q</translation>
        </message>
        <message>
            <source>Closes the window</source>
            <translation>Schließt das Fenster</translation>
        </message>
        <message>
            <source>Opens the Help window; Esc closes it</source>
            <translation>Öffnet das Hilfefenster; Esc schließt es</translation>
        </message>
        <message>
            <source>0 to 9</source>
            <translation>0 bis 9</translation>
        </message>
        <message>
            <source>Digits, on the main row or the keypad</source>
            <translation>Ziffern, auf der Hauptreihe oder dem Ziffernblock</translation>
        </message>
        <message>
            <source>keypad point</source>
            <translation>Dezimaltaste des Ziffernblocks</translation>
        </message>
        <message>
            <source>Decimal point</source>
            <translation>Dezimalpunkt</translation>
        </message>
        <message>
            <source>Add, subtract (main row or keypad)</source>
            <translation>Addieren, subtrahieren (Hauptreihe oder Ziffernblock)</translation>
        </message>
        <message>
            <source>Multiply, divide (main row or keypad)</source>
            <translation>Multiplizieren, dividieren (Hauptreihe oder Ziffernblock)</translation>
        </message>
        <message>
            <source>Enter</source>
            <translation>Eingabe</translation>
        </message>
        <message>
            <source>Equals</source>
            <translation>Gleich</translation>
        </message>
        <message>
            <source>Square root (sqrt)</source>
            <translation>Quadratwurzel (sqrt)</translation>
        </message>
        <message>
            <source>Percent (%)</source>
            <translation>Prozent (%)</translation>
        </message>
        <message>
            <source>Reciprocal (1/x)</source>
            <translation>Kehrwert (1/x)</translation>
        </message>
        <message>
            <source>Backspace</source>
            <translation>Rücktaste</translation>
        </message>
        <message>
            <source>Removes the last digit entered</source>
            <translation>Entfernt die zuletzt eingegebene Ziffer</translation>
        </message>
        <message>
            <source>Del</source>
            <translation>Entf</translation>
        </message>
        <message>
            <source>Clears the entry (CE)</source>
            <translation>Löscht die Eingabe (CE)</translation>
        </message>
        <message>
            <source>Esc</source>
            <translation>Esc</translation>
        </message>
        <message>
            <source>Clears the calculation (C)</source>
            <translation>Löscht die Rechnung (C)</translation>
        </message>
        <message>
            <source>Ctrl+C</source>
            <translation>Strg+C</translation>
        </message>
        <message>
            <source>Ctrl+Insert</source>
            <translation>Strg+Einfg</translation>
        </message>
        <message>
            <source>Copies the number on the display</source>
            <translation>Kopiert die Zahl in der Anzeige</translation>
        </message>
        <message>
            <source>Ctrl+V</source>
            <translation>Strg+V</translation>
        </message>
        <message>
            <source>Shift+Insert</source>
            <translation>Umschalt+Einfg</translation>
        </message>
        <message>
            <source>Pastes a number into the display</source>
            <translation>Fügt eine Zahl in die Anzeige ein</translation>
        </message>
        <message>
            <source>Right click</source>
            <translation>Rechtsklick</translation>
        </message>
        <message>
            <source>On the display: Copy, Paste</source>
            <translation>In der Anzeige: Kopieren, Einfügen</translation>
        </message>
        <message>
            <source>Shift+arrows</source>
            <translation>Umschalt+Pfeiltasten</translation>
        </message>
        <message>
            <source>Ctrl+Space</source>
            <translation>Strg+Leertaste</translation>
        </message>
        <message>
            <source>In the analysis table: chooses lines</source>
            <translation>In der Analysetabelle: wählt Zeilen aus</translation>
        </message>
        <message>
            <source>Ctrl+A</source>
            <translation>Strg+A</translation>
        </message>
        <message>
            <source>In the analysis table: chooses every line</source>
            <translation>In der Analysetabelle: wählt alle Zeilen aus</translation>
        </message>
        <message>
            <source>In the analysis table: copies the chosen lines as tab-separated columns</source>
            <translation>In der Analysetabelle: kopiert die gewählten Zeilen als tabulatorgetrennte Spalten</translation>
        </message>
        <message>
            <source>Menu</source>
            <translation>Menütaste</translation>
        </message>
        <message>
            <source>Shift+F10</source>
            <translation>Umschalt+F10</translation>
        </message>
        <message>
            <source>In the analysis table (or a right click): Copy, Copy All, Show as Table, Save as CSV, Save as PDF, Print</source>
            <translation>In der Analysetabelle (oder per Rechtsklick): Kopieren, Alles kopieren, Als Tabelle anzeigen, Als CSV speichern, Als PDF speichern, Drucken</translation>
        </message>
        <message>
            <source>Ctrl+T</source>
            <translation>Strg+T</translation>
        </message>
        <message>
            <source>Ctrl+P</source>
            <translation>Strg+P</translation>
        </message>
        <message>
            <source>In the analysis table: Show as Table, Print</source>
            <translation>In der Analysetabelle: Als Tabelle anzeigen, Drucken</translation>
        </message>
        <message>
            <source>Arrows</source>
            <translation>Pfeiltasten</translation>
        </message>
        <message>
            <source>Home</source>
            <translation>Pos1</translation>
        </message>
        <message>
            <source>End</source>
            <translation>Ende</translation>
        </message>
        <message>
            <source>On the graph: steps through its points, each read out with its unit count and values</source>
            <translation>In der Grafik: geht ihre Punkte durch und liest jeden mit Stückzahl und Werten vor</translation>
        </message>
        <message>
            <source>On the graph: Copy Graph, Save Graph As (PNG or SVG), Save as PDF, Print</source>
            <translation>In der Grafik: Grafik kopieren, Grafik speichern unter (PNG oder SVG), Als PDF speichern, Drucken</translation>
        </message>
        <message>
            <source>In the schedule: chooses lines</source>
            <translation>Im Tilgungsplan: wählt Zeilen aus</translation>
        </message>
        <message>
            <source>In the schedule: chooses every line</source>
            <translation>Im Tilgungsplan: wählt alle Zeilen aus</translation>
        </message>
        <message>
            <source>In the schedule: copies the chosen lines as tab-separated columns</source>
            <translation>Im Tilgungsplan: kopiert die gewählten Zeilen als tabulatorgetrennte Spalten</translation>
        </message>
        <message>
            <source>In the schedule (or a right click): Copy, Copy All, Show as Table, Save as CSV, Save as PDF, Print</source>
            <translation>Im Tilgungsplan (oder per Rechtsklick): Kopieren, Alles kopieren, Als Tabelle anzeigen, Als CSV speichern, Als PDF speichern, Drucken</translation>
        </message>
        <message>
            <source>In the schedule: Show as Table, Print</source>
            <translation>Im Tilgungsplan: Als Tabelle anzeigen, Drucken</translation>
        </message>
        <message>
            <source>Opens the link that has the focus in the web browser</source>
            <translation>Öffnet den Link, der den Fokus hat, im Webbrowser</translation>
        </message>
        <message>
            <source>Run-time failures are shown in a "System Support" message, and one line per failure is appended to vexmoorERR.txt: beside the program when it runs from a folder that belongs to you (a build folder, a copy of your own), otherwise in $XDG_STATE_HOME/quenbry-vexmoor/, by default ~/.local/state/quenbry-vexmoor/.</source>
            <translation>Laufzeitfehler werden in einer Meldung „Systemsupport“ angezeigt, und je Fehler wird eine Zeile an vexmoorERR.txt angehängt: neben dem Programm, wenn es aus einem Ordner läuft, der Ihnen gehört (ein Build-Ordner, eine eigene Kopie), sonst in $XDG_STATE_HOME/quenbry-vexmoor/, standardmäßig ~/.local/state/quenbry-vexmoor/.</translation>
        </message>
        <message>
            <source>Quenbry - Vexmoor Help</source>
            <translation>Hilfe zu Quenbry - Vexmoor</translation>
        </message>
        <message>
            <source>Keyboard</source>
            <translation>Tastatur</translation>
        </message>
        <message>
            <source>The pages</source>
            <translation>Die Seiten</translation>
        </message>
        <message>
            <source>Keys</source>
            <translation>Tasten</translation>
        </message>
        <message>
            <source>What they do</source>
            <translation>Wirkung</translation>
        </message>
        <message>
            <source>Page</source>
            <translation>Seite</translation>
        </message>
        <message>
            <source> or </source>
            <translation> oder </translation>
        </message>
        <message>
            <source>Where error records go</source>
            <translation>Wohin Fehlerprotokolle geschrieben werden</translation>
        </message>
        <message>
            <source>Version and licence</source>
            <translation>Version und Lizenz</translation>
        </message>
        <message>
            <source>Copyright 2026 Quenbry. Free software under the MIT licence: you may use, copy, change and pass it on; it comes without any warranty (see the Disclaimer page).</source>
            <translation>Copyright 2026 Quenbry. Freie Software unter der MIT-Lizenz: Sie dürfen sie verwenden, kopieren, ändern und weitergeben; sie wird ohne jede Gewährleistung bereitgestellt (siehe die Seite „Haftungsausschluss“).</translation>
        </message>
        <message>
            <source>Every page</source>
            <translation>Alle Seiten</translation>
        </message>
    </context>
    <context>
        <name>Lists</name>
        <message>
            <source>Units</source>
            <translation>Stückzahl</translation>
        </message>
        <message>
            <source>Total Costs</source>
            <translation>Gesamtkosten</translation>
        </message>
        <message>
            <source>Total Sales</source>
            <translation>Gesamtumsatz</translation>
        </message>
        <message>
            <source>Profit</source>
            <translation>Gewinn</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>Restschuld</translation>
        </message>
        <message>
            <source>Instalment</source>
            <translation>Rate</translation>
        </message>
        <message>
            <source>Principal</source>
            <translation>Tilgung</translation>
        </message>
        <message>
            <source>Interest</source>
            <translation>Zinsen</translation>
        </message>
        <message>
            <source>Totals :</source>
            <translation>Summen:</translation>
        </message>
    </context>
    <context>
        <name>Loan</name>
        <message>
            <source>Term (Months):</source>
            <translation>Laufzeit (Monate):</translation>
        </message>
        <message>
            <source>Term (Weeks):</source>
            <translation>Laufzeit (Wochen):</translation>
        </message>
        <message>
            <source>Term (Days):</source>
            <translation>Laufzeit (Tage):</translation>
        </message>
        <message>
            <source>Daily [1]</source>
            <translation>Täglich [1]</translation>
        </message>
        <message>
            <source>Weekly [7]</source>
            <translation>Wöchentlich [7]</translation>
        </message>
        <message>
            <source>Bi-Weekly [14]</source>
            <translation>Zweiwöchentlich [14]</translation>
        </message>
        <message>
            <source>Monthly [12]</source>
            <translation>Monatlich [12]</translation>
        </message>
        <message>
            <source>Bi-Monthly [6]</source>
            <translation>Zweimonatlich [6]</translation>
        </message>
        <message>
            <source>Quarterly [3]</source>
            <translation>Vierteljährlich [3]</translation>
        </message>
        <message>
            <source>Semi-Annually [2]</source>
            <translation>Halbjährlich [2]</translation>
        </message>
        <message>
            <source>Annually [1]</source>
            <translation>Jährlich [1]</translation>
        </message>
        <message>
            <source>End-of-Term Lump Sum</source>
            <translation>Endfällige Tilgung</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Monat</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Jahr</translation>
        </message>
        <message>
            <source>Day</source>
            <translation>Tag</translation>
        </message>
        <message>
            <source>Week</source>
            <translation>Woche</translation>
        </message>
        <message>
            <source>Flat Rate</source>
            <translation>Pauschalzins</translation>
        </message>
        <message>
            <source>Red Bal</source>
            <translation>Ratentilgung</translation>
        </message>
        <message>
            <source>Amortize</source>
            <translation>Annuität</translation>
        </message>
        <message>
            <source>&amp;Repayment </source>
            <translation>&amp;Rate </translation>
        </message>
        <message>
            <source>Calculate Loan Repayment Amount</source>
            <translation>Ratenhöhe des Darlehens berechnen</translation>
        </message>
        <message>
            <source>&amp;Principal </source>
            <translation>Darlehens&amp;betrag </translation>
        </message>
        <message>
            <source>Calculate Loan Principal Amount</source>
            <translation>Darlehensbetrag berechnen</translation>
        </message>
        <message>
            <source>&amp;Loan Schedule</source>
            <translation>&amp;Tilgungsplan</translation>
        </message>
        <message>
            <source>Display loan schedule</source>
            <translation>Tilgungsplan anzeigen</translation>
        </message>
    </context>
    <context>
        <name>Report</name>
        <message>
            <source>Loan schedule</source>
            <translation>Tilgungsplan</translation>
        </message>
        <message>
            <source>loan-schedule.pdf</source>
            <translation>tilgungsplan.pdf</translation>
        </message>
        <message>
            <source>Break-even analysis</source>
            <translation>Gewinnschwellenanalyse</translation>
        </message>
        <message>
            <source>break-even-analysis.pdf</source>
            <translation>gewinnschwellenanalyse.pdf</translation>
        </message>
        <message>
            <source>%1 as of %2</source>
            <translation>%1, Stand %2</translation>
        </message>
        <message>
            <source>Page %1 of %2</source>
            <translation>Seite %1 von %2</translation>
        </message>
    </context>
    <context>
        <name>Window</name>
        <message>
            <source>QUENBRY - VEXMOOR IS PROVIDED AT NO CHARGE AND "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY, FITNESS FOR A PARTICULAR PURPOSE AND NON-INFRINGEMENT.</source>
            <translation>QUENBRY - VEXMOOR WIRD KOSTENLOS UND „WIE BESEHEN“ BEREITGESTELLT, OHNE AUSDRÜCKLICHE ODER STILLSCHWEIGENDE GEWÄHRLEISTUNG, INSBESONDERE DER MARKTGÄNGIGKEIT, DER EIGNUNG FÜR EINEN BESTIMMTEN ZWECK UND DER NICHTVERLETZUNG VON RECHTEN DRITTER.</translation>
        </message>
        <message>
            <source>Backspace</source>
            <translation>Rücktaste</translation>
        </message>
        <message>
            <source>Sales {i.e. expected number of units} [1]:</source>
            <translation>Absatz {d. h. erwartete Stückzahl} [1]:</translation>
        </message>
        <message>
            <source>Unit Price {i.e. selling price} [2]:</source>
            <translation>Stückpreis {d. h. Verkaufspreis} [2]:</translation>
        </message>
        <message>
            <source>Variable Costs {i.e. direct costs per unit} [3]:</source>
            <translation>Variable Kosten {d. h. Einzelkosten je Stück} [3]:</translation>
        </message>
        <message>
            <source>Fixed Costs {i.e. rent/utility costs} [4]:</source>
            <translation>Fixkosten {z. B. Miete, Nebenkosten} [4]:</translation>
        </message>
        <message>
            <source>Total Variable Costs [5=1x3]:</source>
            <translation>Variable Kosten gesamt [5=1x3]:</translation>
        </message>
        <message>
            <source>Total Costs [6=4+5]:</source>
            <translation>Gesamtkosten [6=4+5]:</translation>
        </message>
        <message>
            <source>Total Revenue [7=1x2]:</source>
            <translation>Gesamtumsatz [7=1x2]:</translation>
        </message>
        <message>
            <source>Total Profit [8=7-6]:</source>
            <translation>Gesamtgewinn [8=7-6]:</translation>
        </message>
        <message>
            <source>[M] Enter expected sales units</source>
            <translation>[M] Erwartete Absatzmenge in Stück eingeben</translation>
        </message>
        <message>
            <source>[M] Enter expected sales unit price</source>
            <translation>[M] Erwarteten Verkaufspreis je Stück eingeben</translation>
        </message>
        <message>
            <source>[M] Enter expected variable costs</source>
            <translation>[M] Erwartete variable Kosten je Stück eingeben</translation>
        </message>
        <message>
            <source>[M] Enter expected fixed cost</source>
            <translation>[M] Erwartete Fixkosten eingeben</translation>
        </message>
        <message>
            <source>&amp;Clear</source>
            <translation>&amp;Löschen</translation>
        </message>
        <message>
            <source>Click to clear the parameters</source>
            <translation>Klicken, um die Eingaben zu löschen</translation>
        </message>
        <message>
            <source>Ca&amp;lculate Break Even Units</source>
            <translation>Gewinnschwelle b&amp;erechnen</translation>
        </message>
        <message>
            <source>Unit Contribution[9=2-3]</source>
            <translation>Deckungsbeitrag [9=2-3]</translation>
        </message>
        <message>
            <source>Break Even Units [4/9]:</source>
            <translation>Gewinnschwelle [4/9]:</translation>
        </message>
        <message>
            <source>Click to view value of data point</source>
            <translation>Klicken, um den Wert eines Datenpunkts anzuzeigen</translation>
        </message>
        <message>
            <source>Principal Amount:</source>
            <translation>Darlehensbetrag:</translation>
        </message>
        <message>
            <source>Loan Type:</source>
            <translation>Darlehensart:</translation>
        </message>
        <message>
            <source>Interest Rate (%):</source>
            <translation>Zinssatz (%):</translation>
        </message>
        <message>
            <source>Interest Rate [Per]:</source>
            <translation>Zinssatz [pro]:</translation>
        </message>
        <message>
            <source>Term (Months):</source>
            <translation>Laufzeit (Monate):</translation>
        </message>
        <message>
            <source>Repayment Mode:</source>
            <translation>Zahlungsweise:</translation>
        </message>
        <message>
            <source>Repayment Amount:</source>
            <translation>Ratenbetrag:</translation>
        </message>
        <message>
            <source>[M] Enter the principal amount</source>
            <translation>[M] Darlehensbetrag eingeben</translation>
        </message>
        <message>
            <source>[M] Enter the interest rate</source>
            <translation>[M] Zinssatz eingeben</translation>
        </message>
        <message>
            <source>[M] Enter the term in months</source>
            <translation>[M] Laufzeit in Monaten eingeben</translation>
        </message>
        <message>
            <source>[M] Select the repayment mode</source>
            <translation>[M] Zahlungsweise auswählen</translation>
        </message>
        <message>
            <source>Calculate &amp;Repayment</source>
            <translation>Rate b&amp;erechnen</translation>
        </message>
        <message>
            <source>Click to calculate the loan repayment</source>
            <translation>Klicken, um die Rate des Darlehens zu berechnen</translation>
        </message>
        <message>
            <source>[M] Enter the repayment amount</source>
            <translation>[M] Ratenbetrag eingeben</translation>
        </message>
        <message>
            <source>Calculate &amp;Principal</source>
            <translation>Betrag b&amp;erechnen</translation>
        </message>
        <message>
            <source>Click to calculate the loan principal amount</source>
            <translation>Klicken, um den Darlehensbetrag zu berechnen</translation>
        </message>
        <message>
            <source>blog</source>
            <translation>Blog</translation>
        </message>
        <message>
            <source>Calculate Break Even Units</source>
            <translation>Gewinnschwelle in Stück berechnen</translation>
        </message>
        <message>
            <source>&amp;Break Even</source>
            <translation>&amp;Gewinnschwelle</translation>
        </message>
        <message>
            <source>&amp;Calculator</source>
            <translation>Re&amp;chner</translation>
        </message>
        <message>
            <source>Standard Calculator</source>
            <translation>Standardrechner</translation>
        </message>
        <message>
            <source>&amp;Loan Calculator</source>
            <translation>&amp;Darlehen</translation>
        </message>
        <message>
            <source>Calculate and Generate Loan Schedules</source>
            <translation>Darlehen berechnen und Tilgungspläne erstellen</translation>
        </message>
        <message>
            <source>Talk to Us</source>
            <translation>Kontakt</translation>
        </message>
        <message>
            <source>&amp;Disclaimer</source>
            <translation>&amp;Haftungsausschluss</translation>
        </message>
        <message>
            <source>Break-even analysis</source>
            <translation>Gewinnschwellenanalyse</translation>
        </message>
        <message>
            <source>Loan schedule</source>
            <translation>Tilgungsplan</translation>
        </message>
        <message>
            <source>Break-even graph</source>
            <translation>Grafik der Gewinnschwelle</translation>
        </message>
        <message>
            <source>Display</source>
            <translation>Anzeige</translation>
        </message>
        <message>
            <source>Quenbry software</source>
            <translation>Quenbry-Software</translation>
        </message>
    </context>
</TS>
