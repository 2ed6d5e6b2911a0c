<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>qm::AtomicFileWriter</name>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the reason (&quot;it is a folder&quot;, or the system&apos;s own words)</extracomment>
        <translation>„%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>it is a named pipe that no program is reading from</source>
        <translation>es ist eine benannte Pipe, aus der kein Programm liest</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is a disk device, not a file</source>
        <translation>es ist ein Datenträger, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>qm::BasePanelWidget</name>
    <message>
        <source>Card design</source>
        <extracomment>The card being designed, as a screen reader names it.</extracomment>
        <translation>Kartenentwurf</translation>
    </message>
    <message>
        <source>Tab and Shift+Tab step through the objects, arrows move and Shift+arrows size the selected one, Enter opens it, Ctrl+Tab leaves the card.</source>
        <translation>Tab und Umschalt+Tab wechseln zwischen den Objekten, die Pfeiltasten verschieben das ausgewählte Objekt und Umschalt+Pfeiltasten ändern seine Größe, die Eingabetaste öffnet es, Strg+Tab verlässt die Karte.</translation>
    </message>
</context>
<context>
    <name>qm::CalibrationPage</name>
    <message>
        <source>%1 in</source>
        <comment>inches on a ruler</comment>
        <translation>%1 Zoll</translation>
    </message>
    <message>
        <source>mm from the left edge</source>
        <translation>mm vom linken Rand</translation>
    </message>
    <message>
        <source>inches from the left edge</source>
        <translation>Zoll vom linken Rand</translation>
    </message>
    <message>
        <source>%1 mm across, %2 mm down</source>
        <extracomment>Beside a cross-hair: where its centre is, in millimetres from the paper&apos;s edges</extracomment>
        <translation>%1 mm waagerecht, %2 mm senkrecht</translation>
    </message>
    <message>
        <source>Quillmark calibration page for %1</source>
        <extracomment>The title printed on the calibration page; %1 is the printer&apos;s name</extracomment>
        <translation>Quillmark-Kalibrierungsseite für %1</translation>
    </message>
    <message>
        <source>This page is printed without any fine tuning. With a good ruler, measure in millimetres:</source>
        <translation>Diese Seite wird ohne Feinabstimmung gedruckt. Messen Sie mit einem guten Lineal in Millimetern:</translation>
    </message>
    <message>
        <source>1. from the LEFT edge of the paper to the upright line of cross-hair A, then of B;</source>
        <translation>1. vom LINKEN Papierrand bis zur senkrechten Linie von Fadenkreuz A, dann von B;</translation>
    </message>
    <message>
        <source>2. from the TOP edge of the paper to the level line of cross-hair A, then of C.</source>
        <translation>2. vom OBEREN Papierrand bis zur waagerechten Linie von Fadenkreuz A, dann von C.</translation>
    </message>
    <message>
        <source>A printer that prints true gives A %1 and B %2 across, A %3 and C %4 down.</source>
        <extracomment>%1 to %4 are distances in millimetres</extracomment>
        <translation>Ein genau druckender Drucker ergibt A %1 und B %2 waagerecht, A %3 und C %4 senkrecht.</translation>
    </message>
    <message>
        <source>3. Enter the four readings in File, Printer Fine Tuning, under &quot;Readings from the calibration page&quot;,
    click Use Readings and then Ok: the offsets and scales for this printer are worked out and kept.</source>
        <extracomment>Printed on the calibration page line by line: keep each line about as long as the English one. The names in quotes are those of the Printer Fine-Tuning dialog.</extracomment>
        <translation>3. Die vier Messwerte unter Datei, Drucker-Feinabstimmung, bei „Messwerte der Kalibrierungsseite“ eintragen,
    „Messwerte übernehmen“ und dann OK klicken: Versatz und Skalierung werden berechnet und gespeichert.</translation>
    </message>
    <message>
        <source>The rulers count from the top and left edges of the paper: where the paper&apos;s edge meets them shows the shift.</source>
        <translation>Die Lineale zählen vom oberen und linken Papierrand aus: Wo der Papierrand sie trifft, zeigt sich die Verschiebung.</translation>
    </message>
    <message>
        <source>Quillmark calibration page</source>
        <extracomment>The print job&apos;s name in the printer&apos;s queue</extracomment>
        <translation>Quillmark-Kalibrierungsseite</translation>
    </message>
    <message>
        <source>Quillmark two-sided calibration page for %1</source>
        <extracomment>The title printed on the back of the two-sided calibration page; %1 is the printer&apos;s name</extracomment>
        <translation>Beidseitige Quillmark-Kalibrierungsseite für %1</translation>
    </message>
    <message>
        <source>Hold the sheet against the light with this side facing you: beside each letter
the cross-hair printed on the front shows through. Read in millimetres where its
upright line crosses the scale across (right is +) and where its level line crosses
the scale down (down is +). Enter the readings of A in File, Printer Fine Tuning,
under &quot;Back side&quot;, and click Use Back Readings: they are added to the back offset.
B and C should read alike. Print the page again: every reading should be 0.</source>
        <extracomment>Printed on the page line by line: keep each line about as long as the English one. The names in quotes are those of the Printer Fine-Tuning dialog.</extracomment>
        <translation>Halten Sie den Bogen mit dieser Seite zu Ihnen gegen das Licht: Neben jedem Buchstaben
scheint das auf der Vorderseite gedruckte Fadenkreuz durch. Lesen Sie in Millimetern ab,
wo seine senkrechte Linie die waagerechte Skala kreuzt (rechts ist +) und wo seine
waagerechte Linie die senkrechte Skala kreuzt (unten ist +). Tragen Sie die Werte von A
unter Datei, Drucker-Feinabstimmung, bei „Rückseite“ ein und klicken Sie auf
„Rückseiten-Messwerte übernehmen“: Sie werden zum Rückseitenversatz addiert.
B und C sollten gleich lauten. Drucken Sie die Seite erneut: Jeder Wert sollte 0 sein.</translation>
    </message>
    <message>
        <source>Front of the two-sided calibration page for %1</source>
        <extracomment>Printed on the front of the two-sided calibration page; %1 is the printer&apos;s name</extracomment>
        <translation>Vorderseite der beidseitigen Kalibrierungsseite für %1</translation>
    </message>
    <message>
        <source>Quillmark two-sided calibration page</source>
        <translation>Beidseitige Quillmark-Kalibrierungsseite</translation>
    </message>
    <message>
        <source>The back offset would be more than %1 mm: check the readings.</source>
        <translation>Der Rückseitenversatz wäre größer als %1 mm: Prüfen Sie die Messwerte.</translation>
    </message>
</context>
<context>
    <name>qm::CalibrationPanel</name>
    <message>
        <source>Offset across</source>
        <translation>Versatz waagerecht</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Versatz senkrecht</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Skalierung waagerecht</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Skalierung senkrecht</translation>
    </message>
    <message>
        <source>A across</source>
        <translation>A waagerecht</translation>
    </message>
    <message>
        <source>B across</source>
        <translation>B waagerecht</translation>
    </message>
    <message>
        <source>A down</source>
        <translation>A senkrecht</translation>
    </message>
    <message>
        <source>C down</source>
        <translation>C senkrecht</translation>
    </message>
    <message>
        <source>Back offset across</source>
        <translation>Rückseitenversatz waagerecht</translation>
    </message>
    <message>
        <source>Back offset down</source>
        <translation>Rückseitenversatz senkrecht</translation>
    </message>
    <message>
        <source>Back reading across</source>
        <translation>Rückseiten-Messwert waagerecht</translation>
    </message>
    <message>
        <source>Back reading down</source>
        <translation>Rückseiten-Messwert senkrecht</translation>
    </message>
    <message>
        <source>Millimetres every card moves to the right (a minus sign moves it left).</source>
        <translation>Millimeter, um die jede Karte nach rechts rückt (ein Minuszeichen rückt sie nach links).</translation>
    </message>
    <message>
        <source>Millimetres every card moves down (a minus sign moves it up).</source>
        <translation>Millimeter, um die jede Karte nach unten rückt (ein Minuszeichen rückt sie nach oben).</translation>
    </message>
    <message>
        <source>Percent by which distances across the paper are stretched (100 leaves them as they are).</source>
        <translation>Prozent, um die waagerechte Abstände auf dem Papier gestreckt werden (100 lässt sie unverändert).</translation>
    </message>
    <message>
        <source>Percent by which distances down the paper are stretched (100 leaves them as they are).</source>
        <translation>Prozent, um die senkrechte Abstände auf dem Papier gestreckt werden (100 lässt sie unverändert).</translation>
    </message>
    <message>
        <source>The distance in millimetres from the paper&apos;s left edge to the centre of cross-hair A, as you measure it.</source>
        <translation>Der von Ihnen gemessene Abstand in Millimetern vom linken Papierrand bis zur Mitte von Fadenkreuz A.</translation>
    </message>
    <message>
        <source>The distance in millimetres from the paper&apos;s left edge to the centre of cross-hair B, as you measure it.</source>
        <translation>Der von Ihnen gemessene Abstand in Millimetern vom linken Papierrand bis zur Mitte von Fadenkreuz B.</translation>
    </message>
    <message>
        <source>The distance in millimetres from the paper&apos;s top edge to the centre of cross-hair A, as you measure it.</source>
        <translation>Der von Ihnen gemessene Abstand in Millimetern vom oberen Papierrand bis zur Mitte von Fadenkreuz A.</translation>
    </message>
    <message>
        <source>The distance in millimetres from the paper&apos;s top edge to the centre of cross-hair C, as you measure it.</source>
        <translation>Der von Ihnen gemessene Abstand in Millimetern vom oberen Papierrand bis zur Mitte von Fadenkreuz C.</translation>
    </message>
    <message>
        <source>Millimetres the back of a two-sided sheet moves to the right, as the back reads, on top of the offset above.</source>
        <translation>Millimeter, um die die Rückseite eines beidseitigen Bogens nach rechts rückt, von der Rückseite aus gesehen, zusätzlich zum Versatz oben.</translation>
    </message>
    <message>
        <source>Millimetres the back of a two-sided sheet moves down, on top of the offset above.</source>
        <translation>Millimeter, um die die Rückseite eines beidseitigen Bogens nach unten rückt, zusätzlich zum Versatz oben.</translation>
    </message>
    <message>
        <source>On the two-sided calibration page held to the light: where the upright line of cross-hair A falls on the scale across (right is +).</source>
        <translation>Auf der gegen das Licht gehaltenen beidseitigen Kalibrierungsseite: wo die senkrechte Linie von Fadenkreuz A auf die waagerechte Skala fällt (rechts ist +).</translation>
    </message>
    <message>
        <source>On the two-sided calibration page held to the light: where the level line of cross-hair A falls on the scale down (down is +).</source>
        <translation>Auf der gegen das Licht gehaltenen beidseitigen Kalibrierungsseite: wo die waagerechte Linie von Fadenkreuz A auf die senkrechte Skala fällt (unten ist +).</translation>
    </message>
    <message>
        <source>These settings are for: &lt;b&gt;%1&lt;/b&gt;</source>
        <extracomment>%1 is the printer&apos;s name</extracomment>
        <translation>Diese Einstellungen gelten für: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Each printer keeps its own fine tuning. Choose another printer with File, Printer Setup.</source>
        <translation>Jeder Drucker hat seine eigene Feinabstimmung. Einen anderen Drucker wählen Sie unter Datei, Druckereinrichtung.</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Moves every card by an offset (right and down) and stretches its distance from the paper&apos;s top-left corner by a scale, for a printer whose feed stretches the page.</source>
        <translation>Verschiebt jede Karte um einen Versatz (nach rechts und nach unten) und streckt ihren Abstand von der oberen linken Ecke des Papiers um einen Faktor – für Drucker, deren Papiereinzug die Seite dehnt.</translation>
    </message>
    <message>
        <source>%1 (mm):</source>
        <extracomment>An entry&apos;s label: %1 is its name (&quot;Offset across&quot;)</extracomment>
        <translation>%1 (mm):</translation>
    </message>
    <message>
        <source>%1 (%):</source>
        <translation>%1 (%):</translation>
    </message>
    <message>
        <source>Readings from the calibration page (mm)</source>
        <translation>Messwerte der Kalibrierungsseite (mm)</translation>
    </message>
    <message>
        <source>Print the calibration page, measure cross-hairs A and B from the paper&apos;s left edge and A and C from its top edge, enter what you read and click Use Readings.</source>
        <translation>Drucken Sie die Kalibrierungsseite, messen Sie die Fadenkreuze A und B vom linken Papierrand und A und C vom oberen Papierrand aus, tragen Sie die Messwerte ein und klicken Sie auf „Messwerte übernehmen“.</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>An entry&apos;s label: %1 is its name (&quot;A across&quot;)</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Print Calibration Page</source>
        <translation>Kalibrierungsseite drucken</translation>
    </message>
    <message>
        <source>Use Readings</source>
        <translation>Messwerte übernehmen</translation>
    </message>
    <message>
        <source>Prints rulers and three cross-hairs at known places, without any fine tuning, on the printer these settings are for.</source>
        <translation>Druckt Lineale und drei Fadenkreuze an bekannten Stellen, ohne Feinabstimmung, auf dem Drucker, für den diese Einstellungen gelten.</translation>
    </message>
    <message>
        <source>Works out the offsets and scales from the four readings and puts them in the entries above.</source>
        <translation>Berechnet Versatz und Skalierung aus den vier Messwerten und trägt sie in die Felder oben ein.</translation>
    </message>
    <message>
        <source>Back side (two-sided printing, mm)</source>
        <translation>Rückseite (beidseitiger Druck, mm)</translation>
    </message>
    <message>
        <source>Where the back of a two-sided sheet lands behind its front. Print the two-sided page, hold it to the light, read where cross-hair A falls on the scales of the back and click Use Back Readings.</source>
        <translation>Wo die Rückseite eines beidseitig bedruckten Bogens hinter seiner Vorderseite liegt. Drucken Sie die beidseitige Seite, halten Sie sie gegen das Licht, lesen Sie ab, wo Fadenkreuz A auf die Skalen der Rückseite fällt, und klicken Sie auf „Rückseiten-Messwerte übernehmen“.</translation>
    </message>
    <message>
        <source>Print Two-Sided Page</source>
        <translation>Beidseitige Seite drucken</translation>
    </message>
    <message>
        <source>Prints cross-hairs on the front of a sheet and scales behind them on its back, with the values entered here.</source>
        <translation>Druckt Fadenkreuze auf die Vorderseite eines Bogens und dahinter Skalen auf seine Rückseite, mit den hier eingetragenen Werten.</translation>
    </message>
    <message>
        <source>Use Back Readings</source>
        <translation>Rückseiten-Messwerte übernehmen</translation>
    </message>
    <message>
        <source>Adds the two readings to the back offsets.</source>
        <translation>Addiert die beiden Messwerte zum Rückseitenversatz.</translation>
    </message>
    <message>
        <source>%1 must be the distance you measured, in millimetres, such as %2.</source>
        <extracomment>%1 names the entry (&quot;A across&quot;), %2 is a number (&quot;30.0&quot;)</extracomment>
        <translation>%1 muss der gemessene Abstand in Millimetern sein, z. B. %2.</translation>
    </message>
    <message>
        <source>%1 must be the reading on the scale, in millimetres, such as -0.5.</source>
        <extracomment>%1 names the entry (&quot;Back reading across&quot;)</extracomment>
        <translation>%1 muss der Messwert auf der Skala in Millimetern sein, z. B. -0,5.</translation>
    </message>
</context>
<context>
    <name>qm::CardBackground</name>
    <message>
        <source>no such background picture</source>
        <translation>Hintergrundbild nicht vorhanden</translation>
    </message>
    <message>
        <source>not a picture file</source>
        <translation>keine Bilddatei</translation>
    </message>
    <message>
        <source>the background picture cannot be read (%1)</source>
        <translation>das Hintergrundbild kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the background picture is too large</source>
        <translation>das Hintergrundbild ist zu groß</translation>
    </message>
    <message>
        <source>%1: no such background picture</source>
        <translation>%1: Hintergrundbild nicht vorhanden</translation>
    </message>
    <message>
        <source>%1; the card is drawn without it</source>
        <extracomment>%1 says which background picture cannot be used and why</extracomment>
        <translation>%1; die Karte wird ohne dieses Bild gezeichnet</translation>
    </message>
</context>
<context>
    <name>qm::CardDocument</name>
    <message>
        <source>QMK File (%1)</source>
        <extracomment>a file dialog&apos;s filter; %1 is the file name patterns</extracomment>
        <translation>QMK-Datei (%1)</translation>
    </message>
    <message>
        <source>bold</source>
        <comment>font style</comment>
        <translation>fett</translation>
    </message>
    <message>
        <source>italic</source>
        <comment>font style</comment>
        <translation>kursiv</translation>
    </message>
    <message>
        <source>underline</source>
        <comment>font style</comment>
        <translation>unterstrichen</translation>
    </message>
    <message>
        <source>Quillmark (Back)</source>
        <translation>Quillmark (Rückseite)</translation>
    </message>
    <message>
        <source>Quillmark (Front)</source>
        <translation>Quillmark (Vorderseite)</translation>
    </message>
    <message>
        <source>Quillmark - %1 (Back)</source>
        <extracomment>the window&apos;s title; %1 is the card&apos;s file name</extracomment>
        <translation>Quillmark - %1 (Rückseite)</translation>
    </message>
    <message>
        <source>Quillmark - %1 (Front)</source>
        <translation>Quillmark - %1 (Vorderseite)</translation>
    </message>
    <message>
        <source>Quillmark - %1</source>
        <translation>Quillmark - %1</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>the card</comment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Clear Background</source>
        <comment>undo step</comment>
        <translation>Hintergrund entfernen</translation>
    </message>
    <message>
        <source>Background Art</source>
        <comment>undo step</comment>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>The template could not be opened.

%1</source>
        <translation>Die Vorlage konnte nicht geöffnet werden.

%1</translation>
    </message>
    <message>
        <source>gLabels design (%1)</source>
        <translation>gLabels-Entwurf (%1)</translation>
    </message>
    <message>
        <source>Must be a QMK (Quillmark) file</source>
        <translation>Muss eine QMK-Datei (Quillmark) sein</translation>
    </message>
    <message>
        <source>Open Business Card</source>
        <translation>Visitenkarte öffnen</translation>
    </message>
    <message>
        <source>Unable to open %1. Possibly corrupted, possibly not a QMK file

%2</source>
        <translation>%1 kann nicht geöffnet werden. Die Datei ist möglicherweise beschädigt oder keine QMK-Datei.

%2</translation>
    </message>
    <message>
        <source>The layout of %1 cannot be used: %2

The card opens with your default layout; saving it writes that layout.</source>
        <translation>Das Layout von %1 kann nicht verwendet werden: %2

Die Karte wird mit Ihrem Standardlayout geöffnet; beim Speichern wird dieses Layout geschrieben.</translation>
    </message>
    <message>
        <source>%1 no longer exists</source>
        <translation>%1 existiert nicht mehr</translation>
    </message>
    <message>
        <source>1 object lies outside the card and does not show on it.

Remove it before saving? (Undo brings it back.)
Yes removes it, No keeps it in the card file, Cancel does not save.</source>
        <translation>1 Objekt liegt außerhalb der Karte und ist auf ihr nicht zu sehen.

Vor dem Speichern entfernen? (Rückgängig holt es zurück.)
Ja entfernt es, Nein behält es in der Kartendatei, Abbrechen speichert nicht.</translation>
    </message>
    <message numerus="yes">
        <source>%n objects lie outside the card and do not show on it.

Remove them before saving? (Undo brings them back.)
Yes removes them, No keeps them in the card file, Cancel does not save.</source>
        <translation>
            <numerusform>%n Objekt liegt außerhalb der Karte und ist auf ihr nicht zu sehen.

Vor dem Speichern entfernen? (Rückgängig holt es zurück.)
Ja entfernt es, Nein behält es in der Kartendatei, Abbrechen speichert nicht.</numerusform>
            <numerusform>%n Objekte liegen außerhalb der Karte und sind auf ihr nicht zu sehen.

Vor dem Speichern entfernen? (Rückgängig holt sie zurück.)
Ja entfernt sie, Nein behält sie in der Kartendatei, Abbrechen speichert nicht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects Outside the Card</source>
        <translation>Objekte außerhalb der Karte</translation>
    </message>
    <message>
        <source>The card was not saved.

%1</source>
        <translation>Die Karte wurde nicht gespeichert.

%1</translation>
    </message>
    <message>
        <source>Save Business Card As</source>
        <translation>Visitenkarte speichern unter</translation>
    </message>
    <message>
        <source>Delete Business Card</source>
        <translation>Visitenkarte löschen</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 löschen?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Unable to delete %1: %2</source>
        <translation>%1 kann nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>Cancel all changes?</source>
        <translation>Alle Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Cancel Changes</source>
        <translation>Änderungen verwerfen</translation>
    </message>
    <message>
        <source>Save As Template</source>
        <translation>Als Vorlage speichern</translation>
    </message>
    <message>
        <source>QMKT File (%1)</source>
        <extracomment>a file dialog&apos;s filter; %1 is the file name patterns</extracomment>
        <translation>QMKT-Datei (%1)</translation>
    </message>
    <message>
        <source>The template was not saved.

%1</source>
        <translation>Die Vorlage wurde nicht gespeichert.

%1</translation>
    </message>
    <message>
        <source>The back of the template was not saved.

%1</source>
        <translation>Die Rückseite der Vorlage wurde nicht gespeichert.

%1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
    <message>
        <source>Save the current card layout as your default layout?</source>
        <translation>Das aktuelle Kartenlayout als Ihr Standardlayout speichern?</translation>
    </message>
    <message>
        <source>Card Layout</source>
        <translation>Kartenlayout</translation>
    </message>
    <message>
        <source>The layout was not saved.

%1</source>
        <translation>Das Layout wurde nicht gespeichert.

%1</translation>
    </message>
    <message>
        <source>The default font was not stored.

%1</source>
        <translation>Die Standardschrift wurde nicht gespeichert.

%1</translation>
    </message>
    <message>
        <source>Note: the default font is used for NEW objects only.
To change the font of an existing object, click it
with the RIGHT MOUSE BUTTON and select FONT</source>
        <extracomment>FONT is the Font command of an object&apos;s right-click menu</extracomment>
        <translation>Hinweis: Die Standardschrift gilt nur für NEUE Objekte.
Um die Schrift eines vorhandenen Objekts zu ändern, klicken Sie es
mit der RECHTEN MAUSTASTE an und wählen Sie SCHRIFT</translation>
    </message>
    <message>
        <source>Change All Fonts</source>
        <comment>undo step</comment>
        <translation>Alle Schriften ändern</translation>
    </message>
    <message>
        <source>Card Layout</source>
        <comment>undo step</comment>
        <translation>Kartenlayout</translation>
    </message>
    <message>
        <source>Save Card As Bitmap</source>
        <translation>Karte als Bitmap speichern</translation>
    </message>
    <message>
        <source>Save Card As JPG</source>
        <translation>Karte als JPG speichern</translation>
    </message>
    <message>
        <source>Save Card As PNG</source>
        <translation>Karte als PNG speichern</translation>
    </message>
    <message>
        <source>Bitmap File (%1)</source>
        <extracomment>a file dialog&apos;s filter; %1 is the file name patterns</extracomment>
        <translation>Bitmap-Datei (%1)</translation>
    </message>
    <message>
        <source>JPG File (%1)</source>
        <translation>JPG-Datei (%1)</translation>
    </message>
    <message>
        <source>PNG File (%1)</source>
        <translation>PNG-Datei (%1)</translation>
    </message>
    <message>
        <source>BusinessCard</source>
        <comment>file name proposed for the picture of an unnamed card</comment>
        <translation>Visitenkarte</translation>
    </message>
    <message>
        <source>Would you like to draw a border around the card?</source>
        <translation>Möchten Sie einen Rahmen um die Karte zeichnen?</translation>
    </message>
    <message>
        <source>%1

Save the picture %2 times as large (%3 x %4 pixels), so that the code scans?</source>
        <extracomment>%1 says which QR code is too small to scan</extracomment>
        <translation>%1

Das Bild %2-mal so groß speichern (%3 x %4 Pixel), damit sich der Code scannen lässt?</translation>
    </message>
    <message>
        <source>QR Code</source>
        <translation>QR-Code</translation>
    </message>
    <message>
        <source>%1

Save the picture anyway?</source>
        <extracomment>%1 says which QR code is too small to scan</extracomment>
        <translation>%1

Das Bild trotzdem speichern?</translation>
    </message>
    <message>
        <source>The picture was not saved.

%1</source>
        <translation>Das Bild wurde nicht gespeichert.

%1</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>zoom</comment>
        <extracomment>a zoom percentage; %1 is the number</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Unable to open %1.

%2</source>
        <translation>%1 kann nicht geöffnet werden.

%2</translation>
    </message>
    <message>
        <source>%1 opened as a new card.

%2</source>
        <extracomment>%1 is the gLabels file&apos;s name, %2 a report of what was taken over</extracomment>
        <translation>%1 wurde als neue Karte geöffnet.

%2</translation>
    </message>
    <message>
        <source>The back of the card, %1, could not be read; the card opens without it and saving leaves that file as it is.

%2</source>
        <translation>Die Rückseite der Karte, %1, konnte nicht gelesen werden; die Karte wird ohne sie geöffnet, und beim Speichern bleibt diese Datei unverändert.

%2</translation>
    </message>
    <message>
        <source>%1: the empty back could not be removed</source>
        <translation>%1: Die leere Rückseite konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>&amp;Default Font: %1, %2 pt %3</source>
        <extracomment>A menu item: %1 the font&apos;s name, %2 its size in points, %3 its styles (&quot;, bold, italic&quot;), or nothing</extracomment>
        <translation>&amp;Standardschrift: %1, %2 pt %3</translation>
    </message>
</context>
<context>
    <name>qm::CardFile</name>
    <message>
        <source>%1: no such card file</source>
        <translation>%1: Kartendatei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1: writing there would overwrite %2, which the card is read from; give another file name</source>
        <translation>%1: Dort zu schreiben würde %2 überschreiben, aus der die Karte gelesen wird; geben Sie einen anderen Dateinamen an</translation>
    </message>
</context>
<context>
    <name>qm::CardHistory</name>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 names the change that is taken back (&quot;Move&quot;, &quot;Line Color&quot;).</extracomment>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 names the change that is made again (&quot;Move&quot;, &quot;Line Color&quot;).</extracomment>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>qm::CardTemplate</name>
    <message>
        <source>%1: no room for a temporary file</source>
        <translation>%1: kein Platz für eine temporäre Datei</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file name, then why it could not be written.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>qm::ChangeFontAll</name>
    <message>
        <source>Select A Font - All text items will be changed to this font</source>
        <translation>Schrift auswählen - Alle Textobjekte erhalten diese Schrift</translation>
    </message>
    <message>
        <source>Font for all text</source>
        <translation>Schrift für alle Texte</translation>
    </message>
    <message>
        <source>Click a typeface to see it in the samples. Ok puts it on every text object of the card; sizes, styles and colours stay.</source>
        <translation>Klicken Sie auf eine Schriftart, um sie in den Beispielen zu sehen. OK überträgt sie auf jedes Textobjekt der Karte; Größen, Stile und Farben bleiben erhalten.</translation>
    </message>
    <message>
        <source>Sample</source>
        <comment>the group of samples</comment>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Sample</source>
        <extracomment>sample texts shown in the chosen typeface</extracomment>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Sample Bold</source>
        <translation>Beispiel fett</translation>
    </message>
    <message>
        <source>Sample Italic</source>
        <translation>Beispiel kursiv</translation>
    </message>
    <message>
        <source>Sample Bold Italic</source>
        <translation>Beispiel fett kursiv</translation>
    </message>
</context>
<context>
    <name>qm::ColorCombo</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Petrol</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>Custom %1</source>
        <extracomment>A colour of no name in the colour list, by its hexadecimal value (&quot;Custom #1A2B3C&quot;).</extracomment>
        <translation>Benutzerdefiniert %1</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Benutzerdefiniert...</translation>
    </message>
</context>
<context>
    <name>qm::ColorPalette</name>
    <message>
        <source>Colour %1</source>
        <extracomment>A colour of the palette, as a screen reader names it by its hexadecimal value.</extracomment>
        <translation>Farbe %1</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <extracomment>Opens the colour chooser for a colour not in the palette.</extracomment>
        <translation>&amp;Andere</translation>
    </message>
</context>
<context>
    <name>qm::CommandLine</name>
    <message>
        <source>usage: quillmark [CARD.qmk]
       quillmark dump CARD.qmk
       quillmark resave IN.qmk OUT.qmk
       quillmark export CARD.qmk OUT.png|bmp|jpg [--border] [--scale N] [--stock &quot;MAKER PART&quot;] [--force]
       quillmark export CARD.qmk OUT.pdf [--bleed MM] [--crop-marks] [--stock &quot;MAKER PART&quot;] [--force]
       quillmark print CARD.qmk --pdf OUT.pdf|--printer [NAME] [--copies N] [--positions LIST]
                       [--outline] [--preview] [--merge DATA.csv|DATA.vcf [--start N]]
                       [--duplex long|short|manual] [--no-nudges] [--crop-marks] [--stock &quot;MAKER PART&quot;]
                       [--quiet] [--force]
       quillmark stock [WORDS]
       quillmark import FILE.glabels OUT.qmk
       quillmark --help | --version</source>
        <extracomment>the command line&apos;s words (dump, export, --border, long...) stay as they are: only the capitals (CARD, IN, OUT, MAKER PART, N, NAME, DATA, WORDS, FILE) may be translated</extracomment>
        <translation>Aufruf: quillmark [CARD.qmk]
        quillmark dump CARD.qmk
        quillmark resave IN.qmk OUT.qmk
        quillmark export CARD.qmk OUT.png|bmp|jpg [--border] [--scale N] [--stock &quot;MAKER PART&quot;] [--force]
        quillmark export CARD.qmk OUT.pdf [--bleed MM] [--crop-marks] [--stock &quot;MAKER PART&quot;] [--force]
        quillmark print CARD.qmk --pdf OUT.pdf|--printer [NAME] [--copies N] [--positions LIST]
                        [--outline] [--preview] [--merge DATA.csv|DATA.vcf [--start N]]
                        [--duplex long|short|manual] [--no-nudges] [--crop-marks] [--stock &quot;MAKER PART&quot;]
                        [--quiet] [--force]
        quillmark stock [WORDS]
        quillmark import FILE.glabels OUT.qmk
        quillmark --help | --version</translation>
    </message>
    <message>
        <source>  --border      a one-pixel black frame around the exported picture
  --scale N     a picture N times as large as the card at 96 pixels per inch (1 to 8)
  --bleed MM    a PDF for a print shop: the background and what touches the edge go on this far
                beyond the card (0 to 6 millimetres in steps of 0.5; 3 when not given)
  --crop-marks  crop marks on the trim lines outside the bleed (a print-shop PDF; or on a printed
                sheet, in the margins and gaps between the cards)
  --printer     print on a printer of the print system (CUPS), the default one without NAME
  --copies N    print N sheets (1 to 100000)
  --positions   the sheet positions to print, such as 1,2,9 (across, then down)
  --merge FILE  one card per record of a CSV or vCard file: placeholders such as {Name} take its values
  --start N     in a merge, the sheet position of the first card (for a partly used sheet)
  --duplex TURN two-sided: the card&apos;s back (CARD.back.qmk) behind every card, for a printer that turns
                the sheet over its long or short edge, or all fronts then all backs (manual)
  --outline     print only the card outlines, a test page for the card stock
  --preview     print what the preview shows
  --no-nudges   leave out the printer fine tuning of qmk.ini (applied by default)
  --stock NAME  print on (or export at the card size of) a card stock, such as &quot;Avery 5371&quot; or
                &quot;Zweckform 32010&quot;, instead of the card&apos;s layout
  --quiet       no progress on the terminal
  --force       write a picture or PDF file whose name lacks the usual extension
                (a picture then is PNG)</source>
        <extracomment>the options&apos; names stay as they are; keep the descriptions in one column, lines under 110 characters</extracomment>
        <translation>  --border      ein schwarzer Rahmen von einem Pixel um das exportierte Bild
  --scale N     ein Bild N-mal so groß wie die Karte bei 96 Pixeln pro Zoll (1 bis 8)
  --bleed MM    ein PDF für eine Druckerei: Hintergrund und was den Rand berührt reichen so weit
                über die Karte hinaus (0 bis 6 Millimeter in Schritten von 0,5; ohne Angabe 3)
  --crop-marks  Schnittmarken auf den Schnittlinien außerhalb des Beschnitts (ein PDF für die
                Druckerei; oder auf einem gedruckten Bogen in den Rändern und Lücken zwischen den Karten)
  --printer     auf einem Drucker des Drucksystems (CUPS) drucken, ohne NAME auf dem Standarddrucker
  --copies N    N Bogen drucken (1 bis 100000)
  --positions   die zu druckenden Bogenpositionen, z. B. 1,2,9 (erst waagerecht, dann senkrecht)
  --merge FILE  eine Karte je Datensatz einer CSV- oder vCard-Datei: Platzhalter wie {Name} erhalten
                dessen Werte
  --start N     beim Seriendruck die Bogenposition der ersten Karte (für einen angebrochenen Bogen)
  --duplex TURN beidseitig: die Rückseite der Karte (CARD.back.qmk) hinter jeder Karte, für einen
                Drucker, der den Bogen an der langen oder kurzen Kante wendet, oder erst alle
                Vorderseiten, dann alle Rückseiten (manual)
  --outline     nur die Kartenumrisse drucken, eine Testseite für den Kartenbogen
  --preview     drucken, was die Vorschau zeigt
  --no-nudges   die Drucker-Feinabstimmung aus qmk.ini weglassen (sonst wird sie angewendet)
  --stock NAME  auf einem Kartenbogen drucken (oder in dessen Kartengröße exportieren), z. B.
                &quot;Avery 5371&quot; oder &quot;Zweckform 32010&quot;, statt nach dem Layout der Karte
  --quiet       keine Fortschrittsanzeige im Terminal
  --force       ein Bild oder eine PDF-Datei schreiben, deren Name nicht die übliche Endung hat
                (ein Bild ist dann PNG)</translation>
    </message>
    <message>
        <source>stock lists the card stock whose maker, part number or description holds every word: maker and part,
card size, cards across x down, paper (gLabels&apos; database when glabels-data is installed, the built-in
sheets and your own).</source>
        <extracomment>&quot;stock&quot; is the command&apos;s name and stays as it is</extracomment>
        <translation>stock listet die Kartenbogen auf, deren Hersteller, Artikelnummer oder Beschreibung jedes Wort enthält:
Hersteller und Artikelnummer, Kartengröße, Karten waagerecht x senkrecht, Papier (die Datenbank von
gLabels, wenn glabels-data installiert ist, die eingebauten Bogen und Ihre eigenen).</translation>
    </message>
    <message>
        <source>The window needs a display; the other commands do not. Exit status: 0 success, 1 a bad or unreadable
input or a file that could not be written, 2 bad usage.</source>
        <extracomment>dump, resave, export, print and stock are the commands&apos; names and stay as they are</extracomment>
        <translation>Das Fenster braucht eine Anzeige, die anderen Befehle nicht. Rückgabewert: 0 Erfolg, 1 eine fehlerhafte
oder unlesbare Eingabe oder eine Datei, die nicht geschrieben werden konnte, 2 falscher Aufruf.</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <translation>Warnung: %1: %2</translation>
    </message>
    <message>
        <source>--scale needs a whole number from 1 to %1</source>
        <translation>--scale braucht eine ganze Zahl von 1 bis %1</translation>
    </message>
    <message>
        <source>--bleed needs millimetres from 0 to 6 in steps of 0.5</source>
        <translation>--bleed braucht Millimeter von 0 bis 6 in Schritten von 0,5</translation>
    </message>
    <message>
        <source>--stock needs the maker and part of a card stock, such as &quot;Avery 5371&quot;</source>
        <translation>--stock braucht Hersteller und Artikelnummer eines Kartenbogens, z. B. &quot;Avery 5371&quot;</translation>
    </message>
    <message>
        <source>--border and --scale are for pictures, not a PDF file</source>
        <translation>--border und --scale gelten für Bilder, nicht für eine PDF-Datei</translation>
    </message>
    <message>
        <source>%1: the PDF file&apos;s name must end in .pdf (--force writes it anyway)</source>
        <translation>%1: Der Name der PDF-Datei muss auf .pdf enden (--force schreibt sie trotzdem)</translation>
    </message>
    <message>
        <source>%1: the picture must end in .png, .bmp or .jpg, or .pdf for a print shop (--force writes a PNG picture anyway)</source>
        <translation>%1: Das Bild muss auf .png, .bmp oder .jpg enden, oder auf .pdf für eine Druckerei (--force schreibt trotzdem ein PNG-Bild)</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>there is no display to open the design window on (DISPLAY is not set)</source>
        <translation>es gibt keine Anzeige, auf der das Entwurfsfenster geöffnet werden kann (DISPLAY ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>cannot open the design window: %1</source>
        <extracomment>%1 is the toolkit&apos;s reason; dump, resave, export, print and stock are commands and stay as they are</extracomment>
        <translation>das Entwurfsfenster kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>dump, resave, export, print and stock work without a display</source>
        <translation>dump, resave, export, print und stock funktionieren ohne Anzeige</translation>
    </message>
    <message>
        <source>%1; dump, resave, export, print and stock work without one</source>
        <extracomment>%1 says why there is no display; dump, resave, export, print and stock are commands</extracomment>
        <translation>%1; dump, resave, export, print und stock funktionieren ohne Anzeige</translation>
    </message>
    <message>
        <source>usage: quillmark import FILE.glabels OUT.qmk
</source>
        <extracomment>the command line&apos;s words stay as they are: only FILE and OUT may be translated</extracomment>
        <translation>Aufruf: quillmark import FILE.glabels OUT.qmk
</translation>
    </message>
    <message>
        <source>%1: the card file&apos;s name must end in .qmk</source>
        <translation>%1: Der Name der Kartendatei muss auf .qmk enden</translation>
    </message>
    <message>
        <source>usage: quillmark print CARD.qmk --pdf OUT.pdf|--printer [NAME] [--copies N] [--positions 1,2,...] [--outline] [--preview] [--merge DATA.csv|DATA.vcf [--start N]] [--duplex long|short|manual] [--no-nudges] [--crop-marks] [--stock &quot;MAKER PART&quot;] [--quiet] [--force]
</source>
        <extracomment>the command line&apos;s words (print, --pdf, long...) stay as they are: only the capitals (CARD, OUT, NAME, N, DATA, MAKER PART) may be translated</extracomment>
        <translation>Aufruf: quillmark print CARD.qmk --pdf OUT.pdf|--printer [NAME] [--copies N] [--positions 1,2,...] [--outline] [--preview] [--merge DATA.csv|DATA.vcf [--start N]] [--duplex long|short|manual] [--no-nudges] [--crop-marks] [--stock &quot;MAKER PART&quot;] [--quiet] [--force]
</translation>
    </message>
    <message>
        <source>--pdf needs a file name</source>
        <translation>--pdf braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--copies needs a number from 1 to %1</source>
        <translation>--copies braucht eine Zahl von 1 bis %1</translation>
    </message>
    <message>
        <source>--positions needs a list of sheet positions such as 1,2,9</source>
        <translation>--positions braucht eine Liste von Bogenpositionen wie 1,2,9</translation>
    </message>
    <message>
        <source>--merge needs a CSV or vCard file</source>
        <translation>--merge braucht eine CSV- oder vCard-Datei</translation>
    </message>
    <message>
        <source>--start needs the sheet position to start at (1, 2, ...)</source>
        <translation>--start braucht die Bogenposition, an der begonnen wird (1, 2, ...)</translation>
    </message>
    <message>
        <source>--duplex needs long, short or manual</source>
        <translation>--duplex braucht long, short oder manual</translation>
    </message>
    <message>
        <source>one card file is needed</source>
        <translation>eine Kartendatei wird benötigt</translation>
    </message>
    <message>
        <source>--pdf and --printer do not go together</source>
        <translation>--pdf und --printer passen nicht zusammen</translation>
    </message>
    <message>
        <source>--pdf OUT.pdf or --printer [NAME] is needed</source>
        <translation>--pdf OUT.pdf oder --printer [NAME] wird benötigt</translation>
    </message>
    <message>
        <source>--merge does not go with --outline or --preview</source>
        <translation>--merge passt nicht zu --outline oder --preview</translation>
    </message>
    <message>
        <source>--start goes with --merge (use --positions for a plain print)</source>
        <translation>--start gehört zu --merge (für einen einfachen Druck --positions verwenden)</translation>
    </message>
    <message>
        <source>--outline and --preview do not go together</source>
        <translation>--outline und --preview passen nicht zusammen</translation>
    </message>
    <message>
        <source>%1; printing without its printer fine tuning and default layout</source>
        <translation>%1; es wird ohne die Feinabstimmung des Druckers und ohne Standardlayout gedruckt</translation>
    </message>
    <message>
        <source>%1 has no back (%2); printing the fronts only</source>
        <extracomment>%1 is the card file, %2 the name its back would have</extracomment>
        <translation>%1 hat keine Rückseite (%2); es werden nur die Vorderseiten gedruckt</translation>
    </message>
    <message>
        <source>position %1 is not on the sheet (1 to %2)</source>
        <translation>Position %1 liegt nicht auf dem Bogen (1 bis %2)</translation>
    </message>
    <message>
        <source>the default printer</source>
        <translation>der Standarddrucker</translation>
    </message>
    <message>
        <source>printer %1</source>
        <translation>Drucker %1</translation>
    </message>
    <message>
        <source>%1: no room for the job in the temporary folder</source>
        <translation>%1: kein Platz für den Auftrag im temporären Ordner</translation>
    </message>
    <message>
        <source>--start %1 is not on the sheet (1 to %2)</source>
        <translation>--start %1 liegt nicht auf dem Bogen (1 bis %2)</translation>
    </message>
    <message>
        <source>%1: no column matches a personal field; placeholders take the columns&apos; own names</source>
        <translation>%1: keine Spalte passt zu einem persönlichen Feld; die Platzhalter tragen die Namen der Spalten</translation>
    </message>
    <message>
        <source>%1: the file holds no records</source>
        <translation>%1: die Datei enthält keine Datensätze</translation>
    </message>
    <message>
        <source>%1: pages 1 to %2 are the fronts; print them, turn the stack over along the long edge without changing its order, feed it again and print pages %3 to %4, the backs</source>
        <extracomment>%1 is the PDF file; %2, %3 and %4 are page numbers</extracomment>
        <translation>%1: Die Seiten 1 bis %2 sind die Vorderseiten; drucken Sie sie, wenden Sie den Stapel an der langen Kante, ohne seine Reihenfolge zu ändern, legen Sie ihn wieder ein und drucken Sie die Seiten %3 bis %4, die Rückseiten</translation>
    </message>
    <message>
        <source>press Enter when the stack is back in the printer</source>
        <translation>drücken Sie die Eingabetaste, wenn der Stapel wieder im Drucker liegt</translation>
    </message>
    <message>
        <source>gLabels&apos; card stock database (the Debian package glabels-data) is not installed; only the built-in sheets and your own stock are listed</source>
        <translation>die Kartenbogen-Datenbank von gLabels (das Debian-Paket glabels-data) ist nicht installiert; nur die eingebauten Bogen und Ihre eigenen Kartenbogen werden aufgeführt</translation>
    </message>
    <message>
        <source>no card stock is called &quot;%1&quot; (quillmark stock WORDS lists the stock)</source>
        <extracomment>&quot;quillmark stock WORDS&quot; is a command: only WORDS may be translated</extracomment>
        <translation>kein Kartenbogen heißt „%1“ (quillmark stock WORDS listet die Kartenbogen auf)</translation>
    </message>
    <message>
        <source>no card stock is called &quot;%1&quot; (quillmark stock WORDS lists the stock); gLabels&apos; card stock (the package glabels-data) is not installed</source>
        <translation>kein Kartenbogen heißt „%1“ (quillmark stock WORDS listet die Kartenbogen auf); die Kartenbogen von gLabels (das Paket glabels-data) sind nicht installiert</translation>
    </message>
    <message>
        <source>usage: quillmark stock [WORDS]
</source>
        <translation>Aufruf: quillmark stock [WORDS]
</translation>
    </message>
    <message>
        <source>no card stock holds &quot;%1&quot;</source>
        <translation>kein Kartenbogen enthält „%1“</translation>
    </message>
</context>
<context>
    <name>qm::CompanionFile</name>
    <message>
        <source>%1: no room for a temporary file</source>
        <translation>%1: kein Platz für eine temporäre Datei</translation>
    </message>
</context>
<context>
    <name>qm::ContactFormat</name>
    <message>
        <source>CSV text</source>
        <extracomment>Kinds of file, in the file dialog&apos;s list of types</extracomment>
        <translation>CSV-Text</translation>
    </message>
    <message>
        <source>vCards</source>
        <translation>vCards</translation>
    </message>
    <message>
        <source>The file %1 holds binary data, not a list of names and addresses (CSV text or vCards).</source>
        <translation>Die Datei %1 enthält Binärdaten, keine Liste mit Namen und Adressen (CSV-Text oder vCards).</translation>
    </message>
    <message>
        <source>The file %1 holds no CSV text.</source>
        <translation>Die Datei %1 enthält keinen CSV-Text.</translation>
    </message>
    <message>
        <source>The file %1 holds no vCards.</source>
        <translation>Die Datei %1 enthält keine vCards.</translation>
    </message>
    <message>
        <source>The file %1 is cut short.</source>
        <translation>Die Datei %1 ist unvollständig.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>file name: reason</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>qm::CsvSource</name>
    <message>
        <source>The quoted value that begins on line %L1 is never closed (a quote is missing): the rest of the file would run into it, so nothing is read.</source>
        <translation>Der in Zeile %L1 beginnende Wert in Anführungszeichen wird nie geschlossen (ein Anführungszeichen fehlt): Der Rest der Datei würde darin aufgehen, daher wird nichts gelesen.</translation>
    </message>
    <message>
        <source>The file holds no field names (its first row should name the columns).</source>
        <translation>Die Datei enthält keine Feldnamen (ihre erste Zeile sollte die Spalten benennen).</translation>
    </message>
    <message>
        <source>Column %L1</source>
        <extracomment>The name given to a column whose heading in the file is blank</extracomment>
        <translation>Spalte %L1</translation>
    </message>
    <message>
        <source>Record %L1 has more values than there are columns; the extra values are left out.</source>
        <translation>Datensatz %L1 hat mehr Werte, als es Spalten gibt; die überzähligen Werte werden ausgelassen.</translation>
    </message>
    <message>
        <source>Record %L1 is too long: its text was cut at %L2 KB a value and %L3 KB a record, %L4 values.</source>
        <translation>Datensatz %L1 ist zu lang: Sein Text wurde bei %L2 KB je Wert und %L3 KB je Datensatz, %L4 Werten, abgeschnitten.</translation>
    </message>
</context>
<context>
    <name>qm::DataSource</name>
    <message>
        <source>The file could not be read to the end.</source>
        <translation>Die Datei konnte nicht bis zum Ende gelesen werden.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file holds binary data, not a list of names and addresses (CSV text or vCards).</source>
        <translation>Die Datei enthält Binärdaten, keine Liste mit Namen und Adressen (CSV-Text oder vCards).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened.</source>
        <translation>Die Datei „%1“ konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>qm::DialogBar</name>
    <message>
        <source>Closes the dialog and keeps what you chose.</source>
        <translation>Schließt den Dialog und übernimmt Ihre Auswahl.</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing.</source>
        <translation>Schließt den Dialog, ohne etwas zu ändern.</translation>
    </message>
    <message>
        <source>Opens the help page of this dialog.</source>
        <translation>Öffnet die Hilfeseite zu diesem Dialog.</translation>
    </message>
    <message>
        <source>Closes this window.</source>
        <translation>Schließt dieses Fenster.</translation>
    </message>
    <message>
        <source>Click this, then any part of the dialog, to learn what it does.</source>
        <translation>Klicken Sie hierauf und dann auf einen beliebigen Teil des Dialogs, um zu erfahren, wozu er dient.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>A button of the background art dialog: no background art.</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Takes the background art away: the card shows no picture behind its objects.</source>
        <translation>Entfernt das Hintergrundbild: Die Karte zeigt kein Bild hinter ihren Objekten.</translation>
    </message>
</context>
<context>
    <name>qm::DuplexPlacement</name>
    <message>
        <source>The fronts are printed. Take the sheet out of the printer, turn it over along the long edge without changing the order, and put it back into the paper tray the way it came out; then go on to print the backs.</source>
        <translation>Die Vorderseiten sind gedruckt. Nehmen Sie den Bogen aus dem Drucker, wenden Sie ihn an der langen Kante, ohne die Reihenfolge zu ändern, und legen Sie ihn so in das Papierfach zurück, wie er herausgekommen ist; drucken Sie dann die Rückseiten.</translation>
    </message>
    <message numerus="yes">
        <source>The fronts are printed. Take the stack of %Ln sheets out of the printer, turn the stack over along the long edge without changing the order, and put the stack back into the paper tray the way it came out; then go on to print the backs.</source>
        <translation>
            <numerusform>Die Vorderseiten sind gedruckt. Nehmen Sie den Stapel aus %Ln Bogen aus dem Drucker, wenden Sie ihn an der langen Kante, ohne die Reihenfolge zu ändern, und legen Sie den Stapel so in das Papierfach zurück, wie er herausgekommen ist; drucken Sie dann die Rückseiten.</numerusform>
            <numerusform>Die Vorderseiten sind gedruckt. Nehmen Sie den Stapel aus %Ln Bogen aus dem Drucker, wenden Sie ihn an der langen Kante, ohne die Reihenfolge zu ändern, und legen Sie den Stapel so in das Papierfach zurück, wie er herausgekommen ist; drucken Sie dann die Rückseiten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qm::Export</name>
    <message>
        <source>The QR code is too small to scan in a picture of %1 pixels per inch: a square of the code would be %2 pixels wide, and a scanner needs %3 whole pixels. Make the QR code larger on the card.</source>
        <translation>Der QR-Code ist zu klein, um in einem Bild mit %1 Pixeln pro Zoll gescannt zu werden: Ein Quadrat des Codes wäre %2 Pixel breit, und ein Scanner braucht %3 ganze Pixel. Vergrößern Sie den QR-Code auf der Karte.</translation>
    </message>
    <message>
        <source>The QR code is too small to scan in a picture of %1 pixels per inch: a square of the code would be %2 pixels wide, and a scanner needs %3 whole pixels.</source>
        <translation>Der QR-Code ist zu klein, um in einem Bild mit %1 Pixeln pro Zoll gescannt zu werden: Ein Quadrat des Codes wäre %2 Pixel breit, und ein Scanner braucht %3 ganze Pixel.</translation>
    </message>
    <message>
        <source>%1: the card has no size</source>
        <translation>%1: Die Karte hat keine Größe</translation>
    </message>
    <message>
        <source>%1: cannot write a %2 picture (%3)</source>
        <extracomment>%2 is BMP, JPG or PNG; %3 the reason</extracomment>
        <translation>%1: Ein %2-Bild kann nicht geschrieben werden (%3)</translation>
    </message>
    <message>
        <source>%1: %2 --scale %3 writes a picture in which it scans.</source>
        <extracomment>%1 is the picture file, %2 why its QR code does not scan; --scale is the command line&apos;s option</extracomment>
        <translation>%1: %2 Mit --scale %3 entsteht ein Bild, in dem er sich scannen lässt.</translation>
    </message>
</context>
<context>
    <name>qm::FieldMapping</name>
    <message>
        <source>%1, if blank %2</source>
        <extracomment>How a personal field is fed: %1 the columns used, %2 the columns used when those are blank (&quot;Display Name, if blank First Name + Last Name&quot;)</extracomment>
        <translation>%1, wenn leer %2</translation>
    </message>
</context>
<context>
    <name>qm::FileFormat</name>
    <message>
        <source>The file %1 is empty.</source>
        <translation>Die Datei %1 ist leer.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Die Datei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be read.</source>
        <translation>%1 ist keine lesbare Datei.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 is too large.</source>
        <translation>Die Datei %1 ist zu groß.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
</context>
<context>
    <name>qm::Files</name>
    <message>
        <source>a folder</source>
        <extracomment>What is at a path instead of a file, as in &quot;NAME is a folder, not a card file&quot;</extracomment>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <extracomment>What is at a path instead of a file, as in &quot;NAME is a named pipe, not a card file&quot;</extracomment>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <extracomment>What is at a path instead of a file, as in &quot;NAME is a device, not a card file&quot;</extracomment>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <extracomment>What is at a path instead of a file, as in &quot;NAME is a socket, not a card file&quot;</extracomment>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <extracomment>What is at a path instead of a file, as in &quot;NAME is not a plain file, not a card file&quot;</extracomment>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1: no such card file</source>
        <translation>%1: Kartendatei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1 is %2, not a card file</source>
        <translation>%1 ist %2, keine Kartendatei</translation>
    </message>
    <message>
        <source>%1: no such settings file</source>
        <translation>%1: Einstellungsdatei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1 is %2, not a settings file</source>
        <translation>%1 ist %2, keine Einstellungsdatei</translation>
    </message>
    <message>
        <source>%1: no such layout file</source>
        <translation>%1: Layoutdatei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1 is %2, not a layout file</source>
        <translation>%1 ist %2, keine Layoutdatei</translation>
    </message>
    <message>
        <source>%1: no such paper sizes file</source>
        <translation>%1: Papierformatdatei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1 is %2, not a paper sizes file</source>
        <translation>%1 ist %2, keine Papierformatdatei</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file</source>
        <translation>%1 ist %2, keine reguläre Datei</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>qm::FineTuneNudges</name>
    <message>
        <source>None</source>
        <comment>no nudge</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Increase by %1/32&quot;</source>
        <extracomment>%1 is a count of 32nds of an inch; the last character is the inch mark</extracomment>
        <translation>Um %1/32&quot; erhöhen</translation>
    </message>
    <message>
        <source>Decrease by %1/32&quot;</source>
        <extracomment>%1 is a count of 32nds of an inch; the last character is the inch mark</extracomment>
        <translation>Um %1/32&quot; verringern</translation>
    </message>
    <message>
        <source>Top Margin nudge</source>
        <translation>Feinkorrektur oberer Rand</translation>
    </message>
    <message>
        <source>Vertical Spacing</source>
        <translation>Vertikaler Abstand</translation>
    </message>
    <message>
        <source>Left Margin nudge</source>
        <translation>Feinkorrektur linker Rand</translation>
    </message>
    <message>
        <source>Horizontal Spacing</source>
        <translation>Horizontaler Abstand</translation>
    </message>
    <message>
        <source>Increase or decrease to adjust where vertical printing starts.</source>
        <translation>Erhöhen oder verringern, um anzupassen, wo der Druck senkrecht beginnt.</translation>
    </message>
    <message>
        <source>Increase or decrease to adjust vertical spacing between cards. (You may need to adjust this if printing &quot;creeps&quot; between the top and bottom cards.)</source>
        <translation>Erhöhen oder verringern, um den vertikalen Abstand zwischen den Karten anzupassen. (Das kann nötig sein, wenn der Druck zwischen der oberen und der unteren Karte „wandert“.)</translation>
    </message>
    <message>
        <source>Increase or decrease to adjust where horizontal printing starts.</source>
        <translation>Erhöhen oder verringern, um anzupassen, wo der Druck waagerecht beginnt.</translation>
    </message>
    <message>
        <source>Increase or decrease to adjust horizontal spacing between cards.</source>
        <translation>Erhöhen oder verringern, um den horizontalen Abstand zwischen den Karten anzupassen.</translation>
    </message>
    <message>
        <source>Business Cards need to print to within 0.5 inches of the bottom, but the current printer has a bottom margin setting of : %1 inches</source>
        <extracomment>%1 is the printer&apos;s bottom margin in inches (&quot;0.625&quot;)</extracomment>
        <translation>Visitenkarten müssen bis auf 0,5 Zoll an den unteren Rand heran gedruckt werden, aber der aktuelle Drucker hat einen unteren Rand von: %1 Zoll</translation>
    </message>
    <message>
        <source>This could result in the bottom of the last two business cards being cut off by approximately: %1 inches</source>
        <extracomment>%1 is a length in inches (&quot;0.125&quot;)</extracomment>
        <translation>Dadurch könnte der untere Teil der letzten beiden Visitenkarten um ungefähr %1 Zoll abgeschnitten werden</translation>
    </message>
    <message>
        <source>If your printer driver supports it, you could change the bottom margin to 0.5 inches. Otherwise, you should design your cards so that the bottom portion of the cards is not used.</source>
        <translation>Wenn Ihr Druckertreiber es unterstützt, können Sie den unteren Rand auf 0,5 Zoll ändern. Andernfalls sollten Sie Ihre Karten so entwerfen, dass ihr unterer Teil frei bleibt.</translation>
    </message>
    <message>
        <source>(Note: some printers, including some of the HP Deskjet series, cannot print beyond a 0.66 inch bottom margin)</source>
        <translation>(Hinweis: Einige Drucker, darunter einige der HP-Deskjet-Serie, können nicht näher als 0,66 Zoll an den unteren Rand heran drucken)</translation>
    </message>
</context>
<context>
    <name>qm::GlabelsFormat</name>
    <message>
        <source>an element &lt;%1&gt; gLabels does not write</source>
        <extracomment>one of the things an import leaves out; %1 is the name of an XML element</extracomment>
        <translation>ein Element &lt;%1&gt;, das gLabels nicht schreibt</translation>
    </message>
    <message>
        <source>the embedded picture %1, which cannot be read</source>
        <extracomment>one of the things an import leaves out</extracomment>
        <translation>das eingebettete Bild %1, das nicht gelesen werden kann</translation>
    </message>
    <message>
        <source>The file %1 is not a gLabels document: %2</source>
        <extracomment>%2 says what is wrong, such as &quot;it holds no gLabels design.&quot;</extracomment>
        <translation>Die Datei %1 ist kein gLabels-Dokument: %2</translation>
    </message>
    <message>
        <source>its compressed data is damaged or far too large.</source>
        <translation>seine komprimierten Daten sind beschädigt oder viel zu groß.</translation>
    </message>
    <message>
        <source>it holds no gLabels design.</source>
        <translation>es enthält keinen gLabels-Entwurf.</translation>
    </message>
    <message>
        <source>its XML breaks off at line %1 (%2).</source>
        <translation>sein XML bricht in Zeile %1 ab (%2).</translation>
    </message>
    <message>
        <source>gLabels document</source>
        <translation>gLabels-Dokument</translation>
    </message>
</context>
<context>
    <name>qm::GlabelsImport</name>
    <message>
        <source>its colour comes from a merge field in gLabels; it keeps the colour it has</source>
        <translation>die Farbe stammt in gLabels aus einem Seriendruckfeld; die bisherige Farbe bleibt erhalten</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two notes on one object of an imported design.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An object of an imported design (%1: text &quot;Jane&quot; at 10, 20 pt), then what became of it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>box</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>barcode</source>
        <translation>Strichcode</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; at %3, %4 pt</source>
        <extracomment>An object of an imported design: its kind (&quot;text&quot;), its first words and where it stands, in points.</extracomment>
        <translation>%1 „%2“ bei x = %3 pt, y = %4 pt</translation>
    </message>
    <message>
        <source>%1 at %2, %3 pt</source>
        <extracomment>An object of an imported design: its kind (&quot;box&quot;) and where it stands, in points.</extracomment>
        <translation>%1 bei x = %2 pt, y = %3 pt</translation>
    </message>
    <message>
        <source>turned, stretched or slanted in gLabels; placed upright</source>
        <translation>in gLabels gedreht, gestreckt oder schräg gestellt; aufrecht platziert</translation>
    </message>
    <message>
        <source>its see-through shadow is mixed with white</source>
        <translation>der durchscheinende Schatten wird mit Weiß gemischt</translation>
    </message>
    <message>
        <source>see-through colours are mixed with white</source>
        <translation>durchscheinende Farben werden mit Weiß gemischt</translation>
    </message>
    <message>
        <source>it has neither fill nor outline</source>
        <translation>weder Füllung noch Umriss vorhanden</translation>
    </message>
    <message>
        <source>its %1 pt outline is %2 pt wide</source>
        <translation>der Umriss von %1 pt wird %2 pt breit</translation>
    </message>
    <message>
        <source>it is invisible (no colour or no width)</source>
        <translation>unsichtbar (keine Farbe oder keine Breite)</translation>
    </message>
    <message>
        <source>its see-through colour is mixed with white</source>
        <translation>die durchscheinende Farbe wird mit Weiß gemischt</translation>
    </message>
    <message>
        <source>its %1 pt text is %2 pt</source>
        <translation>der Text in %1 pt wird in %2 pt gesetzt</translation>
    </message>
    <message>
        <source>its see-through text colour is mixed with white</source>
        <translation>die durchscheinende Textfarbe wird mit Weiß gemischt</translation>
    </message>
    <message>
        <source>it holds no text</source>
        <translation>enthält keinen Text</translation>
    </message>
    <message>
        <source>its turned lines are set upright</source>
        <translation>die gedrehten Zeilen werden aufrecht gesetzt</translation>
    </message>
    <message>
        <source>its line spacing of %1 is single</source>
        <translation>statt Zeilenabstand %1 gilt einfacher Zeilenabstand</translation>
    </message>
    <message>
        <source>its shadow is left out (multi-line text has none)</source>
        <translation>der Schatten entfällt (mehrzeiliger Text hat keinen)</translation>
    </message>
    <message>
        <source>it does not shrink to fit</source>
        <translation>wird nicht auf Feldgröße verkleinert</translation>
    </message>
    <message>
        <source>its shadow above the text is left out</source>
        <translation>der Schatten über dem Text entfällt</translation>
    </message>
    <message>
        <source>its shadow falls %1 pt both ways</source>
        <translation>der Schatten fällt waagerecht und senkrecht um %1 pt</translation>
    </message>
    <message>
        <source>its turned text is set upright</source>
        <translation>der gedrehte Text wird aufrecht gesetzt</translation>
    </message>
    <message>
        <source>its shadow is left out (rich text has none)</source>
        <translation>der Schatten entfällt (formatierter Text hat keinen)</translation>
    </message>
    <message>
        <source>its picture comes from the merge field %1, which cards do not take</source>
        <translation>das Bild stammt aus dem Seriendruckfeld %1, das Karten nicht übernehmen können</translation>
    </message>
    <message>
        <source>its picture %1 is neither in the document nor beside it</source>
        <translation>das Bild %1 ist weder im Dokument noch im Ordner des Dokuments</translation>
    </message>
    <message>
        <source>its picture cannot be read (%1)</source>
        <translation>das Bild kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>its turned picture is set upright</source>
        <translation>das gedrehte Bild wird aufrecht gestellt</translation>
    </message>
    <message>
        <source>its shadow is left out (pictures have none)</source>
        <translation>der Schatten entfällt (Bilder haben keinen)</translation>
    </message>
    <message>
        <source>a %1 barcode, a kind cards have no object for</source>
        <translation>ein Strichcode vom Typ %1, für den es auf Karten kein Objekt gibt</translation>
    </message>
    <message>
        <source>its QR code carries nothing</source>
        <translation>der QR-Code enthält nichts</translation>
    </message>
    <message>
        <source>its turned symbol is drawn upright (it reads the same)</source>
        <translation>das gedrehte Symbol wird aufrecht gezeichnet (es wird genauso gelesen)</translation>
    </message>
    <message>
        <source>the merge data %1</source>
        <translation>die Seriendruckdaten %1</translation>
    </message>
    <message>
        <source>the stock: its labels are not rectangular; the card keeps its size</source>
        <translation>der Kartenbogen: seine Etiketten sind nicht rechteckig; die Karte behält ihre Größe</translation>
    </message>
    <message>
        <source>the stock: the document describes none we can read</source>
        <translation>der Kartenbogen: das Dokument beschreibt keinen lesbaren</translation>
    </message>
    <message>
        <source>the stock: the document describes none we can read (%1)</source>
        <translation>der Kartenbogen: das Dokument beschreibt keinen lesbaren (%1)</translation>
    </message>
    <message>
        <source>the stock %1: as the design has it, which differs from our own layout of that name</source>
        <translation>der Kartenbogen %1: wie im Entwurf angegeben, abweichend vom eingebauten Layout gleichen Namens</translation>
    </message>
    <message>
        <source>the stock %1</source>
        <translation>der Kartenbogen %1</translation>
    </message>
    <message>
        <source>the stock %1: its card size only (%2)</source>
        <translation>der Kartenbogen %1: nur seine Kartengröße (%2)</translation>
    </message>
    <message>
        <source>the stock&apos;s %1 pt round corners: card outlines are drawn square</source>
        <translation>die runden Ecken (%1 pt) des Kartenbogens: Kartenumrisse werden eckig gezeichnet</translation>
    </message>
    <message>
        <source>Came over exactly:</source>
        <translation>Genau übernommen:</translation>
    </message>
    <message>
        <source>Came over approximately:</source>
        <translation>Annähernd übernommen:</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Weggelassen:</translation>
    </message>
</context>
<context>
    <name>qm::ImageChoice</name>
    <message>
        <source>Error loading file!</source>
        <translation>Fehler beim Laden der Datei!</translation>
    </message>
</context>
<context>
    <name>qm::LabelDialogs</name>
    <message>
        <source>&amp;Shrink to fit the box</source>
        <translation>&amp;Auf Feldgröße verkleinern</translation>
    </message>
    <message>
        <source>Keeps the label&apos;s width: a text too long for it (a long name in a merge, say) is drawn smaller so that it fits, never larger than the font&apos;s size.</source>
        <translation>Behält die Breite des Feldes bei: Ein zu langer Text (etwa ein langer Name im Seriendruck) wird kleiner gezeichnet, damit er passt, aber nie größer als die Schriftgröße.</translation>
    </message>
</context>
<context>
    <name>qm::MergeFields</name>
    <message>
        <source>Your Own Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Business Name</source>
        <translation>Ihr Firmenname</translation>
    </message>
    <message>
        <source>Title or Qualifications</source>
        <translation>Position oder Qualifikation</translation>
    </message>
    <message>
        <source>Address Line One</source>
        <translation>Adresszeile 1</translation>
    </message>
    <message>
        <source>Address Line Two</source>
        <translation>Adresszeile 2</translation>
    </message>
    <message>
        <source>Address Line Three</source>
        <translation>Adresszeile 3</translation>
    </message>
    <message>
        <source>Phone One</source>
        <translation>Telefon 1</translation>
    </message>
    <message>
        <source>Phone Two</source>
        <translation>Telefon 2</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Faxnummer</translation>
    </message>
</context>
<context>
    <name>qm::ObjectKinds</name>
    <message>
        <source>%1: %2</source>
        <extracomment>An object as a screen reader names it: its kind, then the text it shows (&quot;Text: Jane Q. Example&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Rounded Rectangle</source>
        <translation>Abgerundetes Rechteck</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Clip Art</source>
        <translation>ClipArt</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Multi-Line Text</source>
        <translation>Mehrzeiliger Text</translation>
    </message>
    <message>
        <source>SuperShape</source>
        <translation>SuperShape</translation>
    </message>
    <message>
        <source>Rich Text</source>
        <translation>Formatierter Text</translation>
    </message>
    <message>
        <source>SuperText</source>
        <translation>SuperText</translation>
    </message>
    <message>
        <source>CircleText</source>
        <translation>CircleText</translation>
    </message>
    <message>
        <source>QR Code</source>
        <translation>QR-Code</translation>
    </message>
    <message>
        <source>Text tool</source>
        <translation>Textwerkzeug</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>Text</source>
        <comment>new object&apos;s text</comment>
        <extracomment>The text a new text object shows until the user types their own.</extracomment>
        <translation>Text</translation>
    </message>
    <message>
        <source>Multi-line text tool</source>
        <translation>Werkzeug für mehrzeiligen Text</translation>
    </message>
    <message>
        <source>&amp;Multi-Line Text</source>
        <translation>&amp;Mehrzeiliger Text</translation>
    </message>
    <message>
        <source>Symbol tool</source>
        <translation>Symbolwerkzeug</translation>
    </message>
    <message>
        <source>S&amp;ymbol</source>
        <translation>S&amp;ymbol</translation>
    </message>
    <message>
        <source>Rectangle tool</source>
        <translation>Rechteckwerkzeug</translation>
    </message>
    <message>
        <source>&amp;Rectangle</source>
        <translation>&amp;Rechteck</translation>
    </message>
    <message>
        <source>Ellipse tool</source>
        <translation>Ellipsenwerkzeug</translation>
    </message>
    <message>
        <source>&amp;Ellipse</source>
        <translation>&amp;Ellipse</translation>
    </message>
    <message>
        <source>Round Rectangle tool</source>
        <translation>Werkzeug für abgerundete Rechtecke</translation>
    </message>
    <message>
        <source>R&amp;ounded Rectangle</source>
        <translation>&amp;Abgerundetes Rechteck</translation>
    </message>
    <message>
        <source>Line Tool</source>
        <translation>Linienwerkzeug</translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Linie</translation>
    </message>
    <message>
        <source>Clip Art Tool</source>
        <translation>ClipArt-Werkzeug</translation>
    </message>
    <message>
        <source>&amp;Clip Art</source>
        <translation>&amp;ClipArt</translation>
    </message>
    <message>
        <source>Supershape tool 
Multi-purpose shapes and surfaces</source>
        <translation>SuperShape-Werkzeug 
Vielseitige Formen und Flächen</translation>
    </message>
    <message>
        <source>Su&amp;perShape</source>
        <translation>Su&amp;perShape</translation>
    </message>
    <message>
        <source>Rich Text tool 
Mixed fonts, colors and styles</source>
        <translation>Werkzeug für formatierten Text 
Gemischte Schriften, Farben und Stile</translation>
    </message>
    <message>
        <source>Ric&amp;h Text</source>
        <translation>&amp;Formatierter Text</translation>
    </message>
    <message>
        <source>SuperText tool 
Special Effects Text - fill with gradients or bitmaps</source>
        <translation>SuperText-Werkzeug 
Effekttext - mit Farbverläufen oder Bitmaps gefüllt</translation>
    </message>
    <message>
        <source>&amp;SuperText</source>
        <translation>&amp;SuperText</translation>
    </message>
    <message>
        <source>CircleText Tool 
Circular or semi-circular text using any font</source>
        <translation>CircleText-Werkzeug 
Kreis- oder halbkreisförmiger Text in jeder Schrift</translation>
    </message>
    <message>
        <source>C&amp;ircleText</source>
        <translation>C&amp;ircleText</translation>
    </message>
    <message>
        <source>QR Code tool 
Your personal information, a web address or any text</source>
        <translation>QR-Code-Werkzeug 
Ihre persönlichen Daten, eine Webadresse oder beliebiger Text</translation>
    </message>
    <message>
        <source>&amp;QR Code</source>
        <translation>&amp;QR-Code</translation>
    </message>
    <message>
        <source>&lt;blank&gt;</source>
        <extracomment>What a multi-line text with no text in it shows.</extracomment>
        <translation>&lt;leer&gt;</translation>
    </message>
</context>
<context>
    <name>qm::ObjectMenu</name>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Draw %1</source>
        <extracomment>The change of placing a new object on the card; %1 is its kind (&quot;Rectangle&quot;, &quot;Text&quot;).</extracomment>
        <translation>%1 zeichnen</translation>
    </message>
    <message>
        <source>Bring To Front</source>
        <translation>In den Vordergrund</translation>
    </message>
    <message>
        <source>Send To Back</source>
        <translation>In den Hintergrund</translation>
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
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Links ausrichten</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Rechts ausrichten</translation>
    </message>
    <message>
        <source>Align Tops</source>
        <translation>Oben ausrichten</translation>
    </message>
    <message>
        <source>Align Bottoms</source>
        <translation>Unten ausrichten</translation>
    </message>
    <message>
        <source>Center Vertically</source>
        <translation>Vertikal zentrieren</translation>
    </message>
    <message>
        <source>Center Horizontally</source>
        <translation>Horizontal zentrieren</translation>
    </message>
    <message>
        <source>Lock All</source>
        <translation>Alle sperren</translation>
    </message>
    <message>
        <source>Unlock All</source>
        <translation>Alle entsperren</translation>
    </message>
    <message>
        <source>Mark All Selectable</source>
        <translation>Alle als auswählbar markieren</translation>
    </message>
    <message>
        <source>Mark All Unselectable</source>
        <translation>Alle als nicht auswählbar markieren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Align Lefts</source>
        <translation>Links ausrichten</translation>
    </message>
    <message>
        <source>Align Rights</source>
        <translation>Rechts ausrichten</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Make All Selectable</source>
        <translation>Alle auswählbar machen</translation>
    </message>
    <message>
        <source>Make All Unselectable</source>
        <translation>Alle nicht auswählbar machen</translation>
    </message>
    <message>
        <source>Remove Objects Outside the Card</source>
        <translation>Objekte außerhalb der Karte entfernen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Clone</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Unselectable</source>
        <translation>Nicht auswählbar</translation>
    </message>
    <message>
        <source>Line Thickness</source>
        <translation>Linienstärke</translation>
    </message>
    <message numerus="yes">
        <source>%n Point</source>
        <extracomment>A line width in the thickness menu (&quot;3 Point&quot;).</extracomment>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkt</numerusform>
        </translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Linienfarbe</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Degree of Rounding</source>
        <translation>Rundungsgrad</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A degree of rounding, in percent (&quot;30 %&quot;).</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
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
        <source>Angled Sloping Up</source>
        <translation>Schräg nach oben</translation>
    </message>
    <message>
        <source>Angled Sloping Down</source>
        <translation>Schräg nach unten</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Stretch To Edges</source>
        <translation>Bis zu den Rändern strecken</translation>
    </message>
    <message>
        <source>Load Image From Disk</source>
        <translation>Bild von Datenträger laden</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Stretch to Fit</source>
        <translation>Einpassen durch Strecken</translation>
    </message>
    <message>
        <source>AutoSize</source>
        <translation>Automatische Größe</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>3D Effects</source>
        <translation>3D-Effekte</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Zeilenumbruch</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Persönliche Daten</translation>
    </message>
    <message>
        <source>Insert as merge field</source>
        <translation>Als Seriendruckfeld einfügen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>A personal-information field: the person&apos;s job title or qualifications.</extracomment>
        <translation>Position</translation>
    </message>
    <message>
        <source>Address 1</source>
        <translation>Adresse 1</translation>
    </message>
    <message>
        <source>Address 2</source>
        <translation>Adresse 2</translation>
    </message>
    <message>
        <source>Address 3</source>
        <translation>Adresse 3</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Telefon 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Telefon 2</translation>
    </message>
    <message>
        <source>EMail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Symbol Selector</source>
        <translation>Symbolauswahl</translation>
    </message>
    <message>
        <source>No Rotation</source>
        <translation>Keine Drehung</translation>
    </message>
    <message>
        <source>90 Degrees</source>
        <translation>90 Grad</translation>
    </message>
    <message>
        <source>180 Degrees</source>
        <translation>180 Grad</translation>
    </message>
    <message>
        <source>270 Degrees</source>
        <translation>270 Grad</translation>
    </message>
    <message>
        <source>Shrink to Fit</source>
        <translation>Verkleinern bis es passt</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Drehung</translation>
    </message>
</context>
<context>
    <name>qm::OwnStock</name>
    <message>
        <source>Give the stock a name.</source>
        <translation>Geben Sie dem Kartenbogen einen Namen.</translation>
    </message>
    <message>
        <source>A stock name has at most 60 characters.</source>
        <translation>Ein Bogenname hat höchstens 60 Zeichen.</translation>
    </message>
    <message>
        <source>A stock name cannot hold &quot;]&quot; or line breaks.</source>
        <translation>Ein Bogenname darf kein „]“ und keine Zeilenumbrüche enthalten.</translation>
    </message>
</context>
<context>
    <name>qm::PagedReport</name>
    <message>
        <source>the document could not be started</source>
        <translation>das Dokument konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>the document could not be finished</source>
        <translation>das Dokument konnte nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>a drawing of the job could not be written to a temporary file: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>eine Zeichnung des Auftrags konnte nicht in eine temporäre Datei geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the page could not be started</source>
        <translation>die Seite konnte nicht begonnen werden</translation>
    </message>
</context>
<context>
    <name>qm::PdfJobWriter</name>
    <message>
        <source>a drawing of the job could not be read back: %1</source>
        <translation>eine Zeichnung des Auftrags konnte nicht zurückgelesen werden: %1</translation>
    </message>
    <message>
        <source>a drawing of the job has no page</source>
        <translation>eine Zeichnung des Auftrags hat keine Seite</translation>
    </message>
    <message>
        <source>a font of the job could not be taken over: %1</source>
        <translation>eine Schrift des Auftrags konnte nicht übernommen werden: %1</translation>
    </message>
</context>
<context>
    <name>qm::Pictures</name>
    <message>
        <source>This is not an enhanced metafile.</source>
        <translation>Dies ist keine erweiterte Metadatei (EMF).</translation>
    </message>
    <message>
        <source>The metafile&apos;s header is damaged.</source>
        <translation>Der Kopf der Metadatei ist beschädigt.</translation>
    </message>
    <message>
        <source>The metafile has no size.</source>
        <translation>Die Metadatei hat keine Größe.</translation>
    </message>
    <message>
        <source>This is not a PCX picture.</source>
        <translation>Dies ist kein PCX-Bild.</translation>
    </message>
    <message>
        <source>The PCX picture has no size.</source>
        <translation>Das PCX-Bild hat keine Größe.</translation>
    </message>
    <message>
        <source>The PCX picture is too large.</source>
        <translation>Das PCX-Bild ist zu groß.</translation>
    </message>
    <message>
        <source>This kind of PCX picture is not supported.</source>
        <translation>Diese Art von PCX-Bild wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>The PCX picture&apos;s header is damaged.</source>
        <translation>Der Kopf des PCX-Bildes ist beschädigt.</translation>
    </message>
    <message>
        <source>The PCX picture is cut short.</source>
        <translation>Das PCX-Bild ist unvollständig.</translation>
    </message>
    <message>
        <source>The file %1 holds no %2.</source>
        <extracomment>%1 is a file name, %2 a picture format (&quot;PNG picture&quot;, &quot;Windows metafile&quot;).</extracomment>
        <translation>Die Datei %1 enthält keine Daten vom Typ „%2“.</translation>
    </message>
    <message>
        <source>The picture %1 is cut short.</source>
        <translation>Das Bild %1 ist unvollständig.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: %2</source>
        <translation>Das Bild %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Windows bitmap</source>
        <translation>Windows-Bitmap</translation>
    </message>
    <message>
        <source>JPEG picture</source>
        <translation>JPEG-Bild</translation>
    </message>
    <message>
        <source>GIF picture</source>
        <translation>GIF-Bild</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>PCX picture</source>
        <translation>PCX-Bild</translation>
    </message>
    <message>
        <source>Windows icon</source>
        <translation>Windows-Symbol</translation>
    </message>
    <message>
        <source>Targa picture</source>
        <translation>Targa-Bild</translation>
    </message>
    <message>
        <source>Windows metafile</source>
        <translation>Windows-Metadatei</translation>
    </message>
    <message>
        <source>enhanced metafile</source>
        <translation>erweiterte Metadatei</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>SVG-Zeichnung</translation>
    </message>
    <message>
        <source>The picture is too large (%1 x %2 pixels).</source>
        <translation>Das Bild ist zu groß (%1 x %2 Pixel).</translation>
    </message>
    <message>
        <source>The file is not a picture this program can read.</source>
        <translation>Die Datei ist kein Bild, das dieses Programm lesen kann.</translation>
    </message>
    <message>
        <source>The picture cannot be read: it is damaged or cut short.</source>
        <translation>Das Bild kann nicht gelesen werden: Es ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <source>The picture is too large.</source>
        <translation>Das Bild ist zu groß.</translation>
    </message>
    <message>
        <source>The picture file is empty.</source>
        <translation>Die Bilddatei ist leer.</translation>
    </message>
    <message>
        <source>The picture file is too large.</source>
        <translation>Die Bilddatei ist zu groß.</translation>
    </message>
    <message>
        <source>The SVG picture cannot be read.</source>
        <translation>Das SVG-Bild kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The bitmap cannot be read: it is damaged, cut short or too large.</source>
        <translation>Die Bitmap kann nicht gelesen werden: Sie ist beschädigt, unvollständig oder zu groß.</translation>
    </message>
    <message>
        <source>The bitmap is cut short.</source>
        <translation>Die Bitmap ist unvollständig.</translation>
    </message>
    <message>
        <source>The picture file %1 does not exist.</source>
        <translation>Die Bilddatei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 ist keine Bilddatei.</translation>
    </message>
    <message>
        <source>The picture file %1 is too large.</source>
        <translation>Die Bilddatei %1 ist zu groß.</translation>
    </message>
    <message>
        <source>The picture file %1 cannot be opened: %2.</source>
        <translation>Die Bilddatei %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>There is no picture.</source>
        <translation>Es gibt kein Bild.</translation>
    </message>
    <message>
        <source>This is not a Windows metafile.</source>
        <translation>Dies ist keine Windows-Metadatei.</translation>
    </message>
</context>
<context>
    <name>qm::PositionDock</name>
    <message>
        <source>Position and Size</source>
        <translation>Position und Größe</translation>
    </message>
    <message>
        <source>&amp;Position and Size</source>
        <translation>&amp;Position und Größe</translation>
    </message>
    <message>
        <source>Shows or hides the panel of the selected object&apos;s position and size, typed exactly in inches or millimetres (Alt+X, Alt+Y, Alt+W and Alt+G go to its boxes).</source>
        <translation>Zeigt oder verbirgt das Feld für Position und Größe des ausgewählten Objekts, genau eingegeben in Zoll oder Millimetern (Alt+X, Alt+Y, Alt+R und Alt+Ö führen zu seinen Eingabefeldern).</translation>
    </message>
</context>
<context>
    <name>qm::PrintGuides</name>
    <message>
        <source>Show &amp;Bleed and Safe Area</source>
        <translation>&amp;Beschnitt und sicheren Bereich anzeigen</translation>
    </message>
    <message>
        <source>Shows what a print shop cuts: the red band around the card is the bleed, into which the background goes on in a PDF for a print shop, and the dashed line inside the card marks the safe area; text outside it may be cut off. Nothing on the card is moved.</source>
        <translation>Zeigt, was eine Druckerei abschneidet: Das rote Band um die Karte ist der Beschnitt, in den der Hintergrund in einem PDF für die Druckerei hineinreicht, und die gestrichelte Linie innerhalb der Karte markiert den sicheren Bereich; Text außerhalb davon kann abgeschnitten werden. Auf der Karte wird nichts verschoben.</translation>
    </message>
</context>
<context>
    <name>qm::PrintShopExport</name>
    <message>
        <source>On the back: %1</source>
        <extracomment>%1 is what a print shop may object to on the card&apos;s back</extracomment>
        <translation>Auf der Rückseite: %1</translation>
    </message>
</context>
<context>
    <name>qm::PrintShopPage</name>
    <message>
        <source>--bleed needs millimetres from 0 to %1 in steps of %2 (such as 3 or 2.5), not &quot;%3&quot;</source>
        <extracomment>The command line&apos;s option --bleed: its name and the numbers in it stay as they are.</extracomment>
        <translation>--bleed braucht Millimeter von 0 bis %1 in Schritten von %2 (z. B. 3 oder 2.5), nicht „%3“</translation>
    </message>
</context>
<context>
    <name>qm::PrintShopPdf</name>
    <message>
        <source>the page&apos;s boxes could not be set: %1</source>
        <extracomment>%1 is the reason, in the PDF library&apos;s words</extracomment>
        <translation>die Boxen der Seite konnten nicht gesetzt werden: %1</translation>
    </message>
    <message>
        <source>the card could not be drawn</source>
        <translation>die Karte konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the PDF file, %2 why it was not written</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The background art has %1 dots per inch as printed; a print shop wants %2.</source>
        <translation>Das Hintergrundbild hat im Druck %1 dpi; eine Druckerei verlangt %2.</translation>
    </message>
    <message>
        <source>The picture at %1 mm, %2 mm (object %3) has %4 dots per inch as printed; a print shop wants %5.</source>
        <extracomment>%1 and %2 are the picture&apos;s place from the card&apos;s left and top edges, %3 its number in the card&apos;s list of objects</extracomment>
        <translation>Das Bild bei %1 mm, %2 mm (Objekt %3) hat im Druck %4 dpi; eine Druckerei verlangt %5.</translation>
    </message>
    <message>
        <source>The text at %1 mm, %2 mm (object %3) comes closer than %4 mm to the edge and may be cut off.</source>
        <extracomment>%1 and %2 are the text&apos;s place from the card&apos;s left and top edges, %3 its number in the card&apos;s list of objects</extracomment>
        <translation>Der Text bei %1 mm, %2 mm (Objekt %3) kommt dem Rand näher als %4 mm und kann abgeschnitten werden.</translation>
    </message>
    <message>
        <source>The object at %1 mm, %2 mm (object %3) ends at the card&apos;s edge; let it reach %4 mm over the edge so that it fills the bleed.</source>
        <extracomment>%1 and %2 are the object&apos;s place from the card&apos;s left and top edges, %3 its number in the card&apos;s list of objects</extracomment>
        <translation>Das Objekt bei %1 mm, %2 mm (Objekt %3) endet am Kartenrand; lassen Sie es %4 mm über den Rand hinausreichen, damit es den Beschnitt füllt.</translation>
    </message>
</context>
<context>
    <name>qm::PrinterCalibration</name>
    <message>
        <source>PDF file</source>
        <extracomment>The calibration kept for printing to PDF files, named where a printer&apos;s name would stand</extracomment>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>%1 must be a number of millimetres, such as 1.5 or -0.8.</source>
        <extracomment>%1 names the entry (&quot;Offset across&quot;)</extracomment>
        <translation>%1 muss eine Anzahl Millimeter sein, z. B. 1,5 oder -0,8.</translation>
    </message>
    <message>
        <source>%1 must lie between -%2 and %2 mm.</source>
        <translation>%1 muss zwischen -%2 und %2 mm liegen.</translation>
    </message>
    <message>
        <source>%1 must be a percentage, such as 99.8.</source>
        <translation>%1 muss ein Prozentwert sein, z. B. 99,8.</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3 %.</source>
        <translation>%1 muss zwischen %2 und %3 % liegen.</translation>
    </message>
    <message>
        <source>The reading for %1 must be larger than the one for %2.</source>
        <extracomment>%1 and %2 name the readings (&quot;B across&quot;, &quot;A across&quot;)</extracomment>
        <translation>Der Messwert für %1 muss größer sein als der für %2.</translation>
    </message>
    <message>
        <source>The readings of %1 and %2 ask for more correction than Quillmark can make (at most %3 mm and %4 to %5 %); measure them again.</source>
        <translation>Die Messwerte von %1 und %2 verlangen mehr Korrektur, als Quillmark leisten kann (höchstens %3 mm und %4 bis %5 %); messen Sie sie erneut.</translation>
    </message>
</context>
<context>
    <name>qm::PrinterQueue</name>
    <message>
        <source>there is no default printer; name one with --printer NAME</source>
        <extracomment>&quot;--printer NAME&quot; is the command line&apos;s option: keep &quot;--printer&quot; as it is</extracomment>
        <translation>es gibt keinen Standarddrucker; geben Sie einen mit --printer NAME an</translation>
    </message>
    <message>
        <source>there is no printer &quot;%1&quot; (no printers are set up)</source>
        <translation>es gibt keinen Drucker „%1“ (es sind keine Drucker eingerichtet)</translation>
    </message>
    <message>
        <source>there is no printer &quot;%1&quot; (printers: %2)</source>
        <extracomment>%2 is the list of the printers there are, separated by commas</extracomment>
        <translation>es gibt keinen Drucker „%1“ (Drucker: %2)</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot; did not take the job: %2</source>
        <extracomment>%2 is the print system&apos;s own reason</extracomment>
        <translation>der Drucker „%1“ hat den Auftrag nicht angenommen: %2</translation>
    </message>
</context>
<context>
    <name>qm::PrinterReport</name>
    <message>
        <source>No printer was found on this computer.

Cards can still be printed to PDF files (File, Print), and the preview works.</source>
        <translation>Auf diesem Computer wurde kein Drucker gefunden.

Karten können trotzdem in PDF-Dateien gedruckt werden (Datei, Drucken), und die Vorschau funktioniert.</translation>
    </message>
    <message>
        <source>No default printer is chosen.

Cards are printed to PDF files until you choose a printer (File, Printer Setup).</source>
        <translation>Es ist kein Standarddrucker gewählt.

Karten werden in PDF-Dateien gedruckt, bis Sie einen Drucker wählen (Datei, Druckereinrichtung).</translation>
    </message>
    <message>
        <source>PDF file</source>
        <extracomment>Where the cards go when they are printed to a PDF file not chosen yet</extracomment>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>PDF file %1</source>
        <translation>PDF-Datei %1</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>no PDF file was chosen</source>
        <translation>es wurde keine PDF-Datei gewählt</translation>
    </message>
</context>
<context>
    <name>qm::ProfileFile</name>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: the file is too large to be a settings file</source>
        <translation>„%1“ konnte nicht gelesen werden: Die Datei ist zu groß für eine Einstellungsdatei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would be larger than the %2 MB a settings file can hold; nothing was written</source>
        <translation>„%1“ wäre größer als die %2 MB, die eine Einstellungsdatei fassen kann; es wurde nichts geschrieben</translation>
    </message>
</context>
<context>
    <name>qm::QuickTips</name>
    <message>
        <source>Pick a tool at the top, then drag a rectangle on the card to place a new object of that kind.</source>
        <translation>Wählen Sie oben ein Werkzeug und ziehen Sie dann ein Rechteck auf der Karte, um ein neues Objekt dieser Art zu platzieren.</translation>
    </message>
    <message>
        <source>Click an object with the RIGHT mouse button for its own commands: font, colours, alignment, order and more.</source>
        <translation>Klicken Sie mit der RECHTEN Maustaste auf ein Objekt, um seine eigenen Befehle zu sehen: Schrift, Farben, Ausrichtung, Reihenfolge und mehr.</translation>
    </message>
    <message>
        <source>Hold Shift and click to select several objects, or drag a band around them on an empty part of the card.</source>
        <translation>Halten Sie die Umschalttaste gedrückt und klicken Sie, um mehrere Objekte auszuwählen, oder ziehen Sie auf einer leeren Stelle der Karte einen Rahmen um sie.</translation>
    </message>
    <message>
        <source>The arrow keys move the selected objects a pixel at a time.</source>
        <translation>Die Pfeiltasten verschieben die ausgewählten Objekte jeweils um ein Pixel.</translation>
    </message>
    <message>
        <source>Edit, Personal Information fills your name, address and phone numbers into personal-information text and into templates. Type them once, use them on every card.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Unter Bearbeiten, Persönliche Daten tragen Sie Ihren Namen, Ihre Adresse und Telefonnummern für Texte mit persönlichen Daten und für Vorlagen ein. Einmal eingeben, auf jeder Karte verwenden.</translation>
    </message>
    <message>
        <source>File, New - Select From Templates starts a card from a ready-made design, already showing your own name.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Mit Datei, Neu - Aus Vorlagen wählen beginnen Sie eine Karte mit einem fertigen Entwurf, der schon Ihren eigenen Namen zeigt.</translation>
    </message>
    <message>
        <source>Set the card size first: Edit, Change Business Card Layout matches the card and its spacing to your card stock. Pick your stock from Predefined Layouts.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Legen Sie zuerst die Kartengröße fest: Mit Bearbeiten, Visitenkarten-Layout ändern passen Sie die Karte und ihre Abstände an Ihren Kartenbogen an. Wählen Sie Ihren Bogen unter Vordefinierte Layouts.</translation>
    </message>
    <message>
        <source>Before you print on card stock, print File, Print Outline Test Page on plain paper and hold it against a sheet of card stock towards the light.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Bevor Sie auf Kartenbogen drucken, drucken Sie mit Datei, Umriss-Testseite drucken eine Seite auf normales Papier und halten Sie sie zusammen mit einem Kartenbogen gegen das Licht.</translation>
    </message>
    <message>
        <source>Printed cards a little off? File, Printer Fine Tuning moves the whole print in steps of 1/32 inch, for every card you print from now on.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Gedruckte Karten etwas verschoben? Datei, Drucker-Feinabstimmung verschiebt den ganzen Druck in Schritten von 1/32 Zoll, für jede Karte, die Sie von nun an drucken.</translation>
    </message>
    <message>
        <source>A sheet with some cards already used can go through the printer again: in Print Cards press None, then click the positions still on the sheet.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Ein Bogen, auf dem schon einige Karten verbraucht sind, kann erneut durch den Drucker laufen: Klicken Sie unter Karten drucken auf Keine und dann auf die Positionen, die noch auf dem Bogen sind.</translation>
    </message>
    <message>
        <source>No printer here? Print into a PDF file and print that later at actual size, not &quot;fit to page&quot;.</source>
        <translation>Kein Drucker zur Hand? Drucken Sie in eine PDF-Datei und drucken Sie diese später in Originalgröße, nicht „an Seite anpassen“.</translation>
    </message>
    <message>
        <source>Ctrl+Z takes back any change, even a deleted object; Ctrl+Y brings it back again.</source>
        <translation>Strg+Z nimmt jede Änderung zurück, sogar das Löschen eines Objekts; Strg+Y stellt sie wieder her.</translation>
    </message>
    <message>
        <source>File, Save As PNG writes a picture of the card at its real size for e-mail or a web page.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Datei, Als PNG speichern schreibt ein Bild der Karte in Originalgröße für E-Mails oder Webseiten.</translation>
    </message>
    <message>
        <source>Edit, Set or Change Background Art puts a picture behind the whole card; None takes it away.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Bearbeiten, Hintergrundbild festlegen oder ändern legt ein Bild hinter die ganze Karte; Keine entfernt es wieder.</translation>
    </message>
    <message>
        <source>Clip art from metafiles (WMF, EMF) and SVG files stays sharp on paper at any size.</source>
        <translation>ClipArt aus Metadateien (WMF, EMF) und SVG-Dateien bleibt auf Papier in jeder Größe scharf.</translation>
    </message>
    <message>
        <source>Show grid draws dots to line objects up; with Snap to Grid on, objects jump to them as you move them.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Raster anzeigen zeichnet Punkte zum Ausrichten von Objekten; ist Am Raster ausrichten eingeschaltet, springen Objekte beim Verschieben auf diese Punkte.</translation>
    </message>
    <message>
        <source>Edit, Change all fonts to... puts one typeface on every text of the card in one step.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Bearbeiten, Alle Schriften ändern in... überträgt in einem Schritt eine Schriftart auf jeden Text der Karte.</translation>
    </message>
    <message>
        <source>Press plus (+) or minus (-) to zoom between 100% and 150%.</source>
        <translation>Drücken Sie Plus (+) oder Minus (-), um zwischen 100 % und 150 % zu zoomen.</translation>
    </message>
    <message>
        <source>Not sure what a button does? Press Shift+F1, or the arrow-and-question-mark button, then click it.</source>
        <translation>Sie wissen nicht, was eine Schaltfläche bewirkt? Drücken Sie Umschalt+F1 oder die Schaltfläche mit Pfeil und Fragezeichen und klicken Sie dann auf die Schaltfläche.</translation>
    </message>
    <message>
        <source>Quick Tips</source>
        <translation>Kurztipps</translation>
    </message>
    <message>
        <source>&amp;Previous Tip</source>
        <translation>&amp;Vorheriger Tipp</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Show tips at start</source>
        <translation>&amp;Tipps beim Start anzeigen</translation>
    </message>
    <message>
        <source>Shows the tip before this one.</source>
        <translation>Zeigt den vorherigen Tipp.</translation>
    </message>
    <message>
        <source>Shows another tip.</source>
        <translation>Zeigt einen weiteren Tipp.</translation>
    </message>
    <message>
        <source>When ticked, a tip greets you each time Quillmark starts.</source>
        <translation>Wenn angekreuzt, begrüßt Sie bei jedem Start von Quillmark ein Tipp.</translation>
    </message>
    <message>
        <source>Tip %1 of %2</source>
        <translation>Tipp %1 von %2</translation>
    </message>
</context>
<context>
    <name>qm::RtfFormat</name>
    <message>
        <source>The file %1 holds no rich text (RTF).</source>
        <translation>Die Datei %1 enthält keinen formatierten Text (RTF).</translation>
    </message>
    <message>
        <source>The rich text %1 is cut short.</source>
        <translation>Der formatierte Text %1 ist unvollständig.</translation>
    </message>
    <message>
        <source>The rich text %1 cannot be read.</source>
        <translation>Der formatierte Text %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Rich text</source>
        <extracomment>A kind of file, in the file dialog&apos;s list of types</extracomment>
        <translation>Formatierter Text</translation>
    </message>
</context>
<context>
    <name>qm::SelectPreviewTemplate</name>
    <message>
        <source>(Template&apos;s own fonts)</source>
        <translation>(Eigene Schriften der Vorlage)</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>Vorlage auswählen</translation>
    </message>
    <message>
        <source>Sample card</source>
        <translation>Beispielkarte</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>The templates of the qmkt folder, each as a card made from it looks. Click one (or move with the arrow keys) to see it in the sample; a double-click, Enter or Ok starts a new card from it.</source>
        <translation>Die Vorlagen des Ordners qmkt, jeweils so, wie eine daraus erstellte Karte aussieht. Klicken Sie auf eine (oder wechseln Sie mit den Pfeiltasten), um sie im Beispiel zu sehen; ein Doppelklick, die Eingabetaste oder OK beginnt damit eine neue Karte.</translation>
    </message>
    <message>
        <source>Font for the template&apos;s text</source>
        <translation>Schrift für den Text der Vorlage</translation>
    </message>
    <message>
        <source>The typeface put on the template&apos;s text; &quot;%1&quot; keeps the faces the template was designed with.</source>
        <extracomment>%1 is the first entry of the list, &quot;(Template&apos;s own fonts)&quot;</extracomment>
        <translation>Die Schriftart für den Text der Vorlage; „%1“ behält die Schriften bei, mit denen die Vorlage entworfen wurde.</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Schrift auswählen</translation>
    </message>
    <message>
        <source>How the chosen template looks with the chosen font and your personal information.</source>
        <translation>So sieht die gewählte Vorlage mit der gewählten Schrift und Ihren persönlichen Daten aus.</translation>
    </message>
    <message>
        <source>Sample</source>
        <comment>the sample card</comment>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>No templates in %1</source>
        <translation>Keine Vorlagen in %1</translation>
    </message>
</context>
<context>
    <name>qm::SheetLayout</name>
    <message>
        <source>Avery Business Card 5371 (Letter Size Paper)</source>
        <translation>Avery Visitenkarte 5371 (Papierformat Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 5372 (Letter Size Paper)</source>
        <translation>Avery Visitenkarte 5372 (Papierformat Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 5376 - Ivory (Letter Size Paper)</source>
        <translation>Avery Visitenkarte 5376 - Elfenbein (Papierformat Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 5377 - Gray (Letter Size Paper)</source>
        <translation>Avery Visitenkarte 5377 - Grau (Papierformat Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 5911 (Letter Size Paper)</source>
        <translation>Avery Visitenkarte 5911 (Papierformat Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 8371 Ink Jet (Letter Size Paper)</source>
        <translation>Avery Visitenkarte 8371 Inkjet (Papierformat Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 8372 Ink Jet (Letter Size Paper)</source>
        <translation>Avery Visitenkarte 8372 Inkjet (Papierformat Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 8376 Ink Jet - Ivory (Letter Size Paper)</source>
        <translation>Avery Visitenkarte 8376 Inkjet - Elfenbein (Papierformat Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 8377 Ink Jet - Gray (Letter Size Paper)</source>
        <translation>Avery Visitenkarte 8377 Inkjet - Grau (Papierformat Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card L7413 (A4 Size Paper)</source>
        <translation>Avery Visitenkarte L7413 (Papierformat A4)</translation>
    </message>
    <message>
        <source>Avery Business Card L7414 (A4 Size Paper)</source>
        <translation>Avery Visitenkarte L7414 (Papierformat A4)</translation>
    </message>
    <message>
        <source>Avery Business Card L7415 (A4 Size Paper)</source>
        <translation>Avery Visitenkarte L7415 (Papierformat A4)</translation>
    </message>
    <message>
        <source>Avery Business Card L7417 (A4 Size Paper)</source>
        <translation>Avery Visitenkarte L7417 (Papierformat A4)</translation>
    </message>
    <message>
        <source>Avery Business Card L7419 (A4)</source>
        <translation>Avery Visitenkarte L7419 (A4)</translation>
    </message>
    <message>
        <source>Avery Business Card 8373 - Glossy Photo Quality (Letter Size Paper)</source>
        <translation>Avery Visitenkarte 8373 - Hochglanz-Fotoqualität (Papierformat Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 3612 (Letter Size Paper)</source>
        <translation>Avery Visitenkarte 3612 (Papierformat Letter)</translation>
    </message>
    <message>
        <source>MAACO ML-8550 (Letter Size Paper)</source>
        <translation>MAACO ML-8550 (Papierformat Letter)</translation>
    </message>
    <message>
        <source>APLI 1612 (A4 Size Paper)</source>
        <translation>APLI 1612 (Papierformat A4)</translation>
    </message>
    <message>
        <source>APLI 1620 (A4 Size Paper)</source>
        <translation>APLI 1620 (Papierformat A4)</translation>
    </message>
    <message>
        <source>Formtec LS-3510 (A4 Size Paper)</source>
        <translation>Formtec LS-3510 (Papierformat A4)</translation>
    </message>
    <message>
        <source>Herma 8840 (A4 Size Paper)</source>
        <translation>Herma 8840 (Papierformat A4)</translation>
    </message>
    <message>
        <source>Card Height must be at least .3 inches (or 7mm)</source>
        <translation>Die Kartenhöhe muss mindestens 0,3 Zoll (oder 7 mm) betragen</translation>
    </message>
    <message>
        <source>Card Height must be at most 48 inches (or 1219mm)</source>
        <translation>Die Kartenhöhe darf höchstens 48 Zoll (oder 1219 mm) betragen</translation>
    </message>
    <message>
        <source>Card Width must be at least .5 inch (or 13mm)</source>
        <translation>Die Kartenbreite muss mindestens 0,5 Zoll (oder 13 mm) betragen</translation>
    </message>
    <message>
        <source>Card Width must be at most 48 inches (or 1219mm)</source>
        <translation>Die Kartenbreite darf höchstens 48 Zoll (oder 1219 mm) betragen</translation>
    </message>
    <message>
        <source>Horizontal Pitch must be at least = Card Width</source>
        <translation>Das horizontale Rastermaß muss mindestens so groß wie die Kartenbreite sein</translation>
    </message>
    <message>
        <source>Horizontal Pitch must be at most 48 inches (or 1219mm)</source>
        <translation>Das horizontale Rastermaß darf höchstens 48 Zoll (oder 1219 mm) betragen</translation>
    </message>
    <message>
        <source>Vertical Pitch must be at least = Card Height</source>
        <translation>Das vertikale Rastermaß muss mindestens so groß wie die Kartenhöhe sein</translation>
    </message>
    <message>
        <source>Vertical Pitch must be at most 48 inches (or 1219mm)</source>
        <translation>Das vertikale Rastermaß darf höchstens 48 Zoll (oder 1219 mm) betragen</translation>
    </message>
    <message>
        <source>Top Margin must be between 0 and 48 inches (or 1219mm)</source>
        <translation>Der obere Rand muss zwischen 0 und 48 Zoll (oder 1219 mm) liegen</translation>
    </message>
    <message>
        <source>Left Margin must be between 0 and 48 inches (or 1219mm)</source>
        <translation>Der linke Rand muss zwischen 0 und 48 Zoll (oder 1219 mm) liegen</translation>
    </message>
    <message>
        <source>Cards Across must be between 1 and %1</source>
        <translation>Die Anzahl waagerecht muss zwischen 1 und %1 liegen</translation>
    </message>
    <message>
        <source>Cards Down must be between 1 and %1</source>
        <translation>Die Anzahl senkrecht muss zwischen 1 und %1 liegen</translation>
    </message>
</context>
<context>
    <name>qm::SheetPicture</name>
    <message>
        <source>Sheet positions</source>
        <translation>Bogenpositionen</translation>
    </message>
    <message>
        <source>Arrow keys move between the positions, Space ticks or clears one.</source>
        <translation>Die Pfeiltasten wechseln zwischen den Positionen, die Leertaste kreuzt eine an oder entfernt das Häkchen.</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Print &amp;Setup</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
</context>
<context>
    <name>qm::StockCatalog</name>
    <message>
        <source>Other sizes</source>
        <comment>paper</comment>
        <translation>Andere Formate</translation>
    </message>
    <message>
        <source>Own stock</source>
        <translation>Eigene Kartenbogen</translation>
    </message>
</context>
<context>
    <name>qm::StockFileFormat</name>
    <message>
        <source>%1 has no %2.</source>
        <extracomment>%1 is an element of the XML file, %2 one of its attributes</extracomment>
        <translation>%1 hat kein Attribut %2.</translation>
    </message>
    <message>
        <source>%1 has a %2 of &quot;%3&quot;, not a length.</source>
        <extracomment>%1 is an element of the XML file, %2 one of its attributes, %3 its value</extracomment>
        <translation>%1 hat als %2 den Wert „%3“, keine Länge.</translation>
    </message>
    <message>
        <source>Layout has a %1 of &quot;%2&quot;, not a count of labels.</source>
        <extracomment>Layout is an element of the XML file, %1 one of its attributes, %2 its value</extracomment>
        <translation>Layout hat als %1 den Wert „%2“, keine Anzahl von Etiketten.</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <extracomment>a paper&apos;s width and height</extracomment>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>The file %1 holds no gLabels paper sizes.</source>
        <translation>Die Datei %1 enthält keine gLabels-Papierformate.</translation>
    </message>
    <message>
        <source>The file %1 has a paper size that cannot be read (line %2).</source>
        <translation>Die Datei %1 hat ein Papierformat, das nicht gelesen werden kann (Zeile %2).</translation>
    </message>
    <message>
        <source>The file %1 is not whole or not XML (line %2: %3).</source>
        <translation>Die Datei %1 ist unvollständig oder kein XML (Zeile %2: %3).</translation>
    </message>
    <message>
        <source>The template %1: %2</source>
        <extracomment>%1 is the maker and part of a card stock, %2 what is wrong with it</extracomment>
        <translation>Die Bogenvorlage %1: %2</translation>
    </message>
    <message>
        <source>it has no part number.</source>
        <translation>sie hat keine Artikelnummer.</translation>
    </message>
    <message>
        <source>its paper &quot;%1&quot; is not known.</source>
        <translation>ihr Papier „%1“ ist unbekannt.</translation>
    </message>
    <message>
        <source>its labels have no size.</source>
        <translation>ihre Etiketten haben keine Größe.</translation>
    </message>
    <message>
        <source>it places no labels on the sheet.</source>
        <translation>sie platziert keine Etiketten auf dem Bogen.</translation>
    </message>
    <message>
        <source>%1 is on %2 paper; Quillmark prints on Letter and A4 paper only.</source>
        <translation>%1 ist auf %2-Papier; Quillmark druckt nur auf Letter- und A4-Papier.</translation>
    </message>
    <message>
        <source>%1 has its cards in %2 groups of different spacing; Quillmark prints one group of evenly spaced cards a sheet.</source>
        <translation>%1 hat seine Karten in %2 Gruppen mit unterschiedlichem Abstand; Quillmark druckt eine Gruppe gleichmäßig verteilter Karten je Bogen.</translation>
    </message>
    <message>
        <source>%1 has %2 x %3 labels a sheet; a sheet holds at most %4 across and %5 down.</source>
        <translation>%1 hat %2 x %3 Etiketten je Bogen; ein Bogen fasst höchstens %4 waagerecht und %5 senkrecht.</translation>
    </message>
    <message>
        <source>%1 has overlapping labels, which Quillmark cannot print.</source>
        <translation>%1 hat überlappende Etiketten, die Quillmark nicht drucken kann.</translation>
    </message>
    <message>
        <source>The file %1 holds no gLabels card stock.</source>
        <translation>Die Datei %1 enthält keine gLabels-Kartenbogen.</translation>
    </message>
    <message>
        <source>%1 It is left out.</source>
        <extracomment>%1 says what is wrong with a card stock of the file</extracomment>
        <translation>%1 Dieser Bogen wird ausgelassen.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>%1 is a file, %2 a line number, %3 what was passed over and why</extracomment>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>The file %1 holds no sheet that can be read. %2</source>
        <translation>Die Datei %1 enthält keinen lesbaren Bogen. %2</translation>
    </message>
    <message>
        <source>The file %1 holds no sheets of rectangular labels or cards.</source>
        <translation>Die Datei %1 enthält keine Bogen mit rechteckigen Etiketten oder Karten.</translation>
    </message>
    <message>
        <source>gLabels card stock</source>
        <translation>gLabels-Kartenbogen</translation>
    </message>
</context>
<context>
    <name>qm::StockText</name>
    <message>
        <source>%1 in</source>
        <comment>inches</comment>
        <translation>%1 Zoll</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <comment>millimetres</comment>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1 x %2, corners %3</source>
        <extracomment>a card&apos;s width, height (with its unit) and the radius of its rounded corners</extracomment>
        <translation>%1 x %2, Ecken %3</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <comment>width x height</comment>
        <extracomment>a card&apos;s width and height (with its unit)</extracomment>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <comment>cards across x down</comment>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>%1 in %2 groups</source>
        <extracomment>%1 cards on the sheet, in %2 groups of their own spacing</extracomment>
        <translation>%1 in %2 Gruppen</translation>
    </message>
    <message>
        <source>(as %1 %2)</source>
        <extracomment>the stock is the same product as this maker&apos;s part</extracomment>
        <translation>(wie %1 %2)</translation>
    </message>
    <message>
        <source>[built in]</source>
        <extracomment>the stock comes with Quillmark</extracomment>
        <translation>[eingebaut]</translation>
    </message>
</context>
<context>
    <name>qm::StreamReader</name>
    <message>
        <source>Invalid stream format</source>
        <translation>Ungültiges Datenstromformat</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Fehler beim Lesen des Datenstroms</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Property does not exist</source>
        <translation>Eigenschaft existiert nicht</translation>
    </message>
    <message>
        <source>Invalid property path</source>
        <translation>Ungültiger Eigenschaftspfad</translation>
    </message>
    <message>
        <source>more objects than the %1 a card can hold</source>
        <translation>mehr Objekte als die %1, die eine Karte fassen kann</translation>
    </message>
    <message>
        <source>Class %1 not found</source>
        <extracomment>%1 is a class name stored in the card file (&quot;TKLine&quot;)</extracomment>
        <translation>Klasse %1 nicht gefunden</translation>
    </message>
    <message>
        <source>%1 is too large to be a card file</source>
        <translation>%1 ist zu groß für eine Kartendatei</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>qm::StreamWriter</name>
    <message>
        <source>Could not save &quot;%1&quot;: the card has %2 objects, more than the %3 a card file can hold; remove some objects</source>
        <translation>„%1“ konnte nicht gespeichert werden: Die Karte hat %2 Objekte, mehr als die %3, die eine Kartendatei fassen kann; entfernen Sie einige Objekte</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 Byte</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes</source>
        <translation>
            <numerusform>%Ln Byte</numerusform>
            <numerusform>%Ln Byte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: the card would take %2, more than the %3 a card file can hold; remove some objects or pictures</source>
        <extracomment>%2 and %3 are sizes (&quot;3 MB&quot;)</extracomment>
        <translation>„%1“ konnte nicht gespeichert werden: Die Karte würde %2 belegen, mehr als die %3, die eine Kartendatei fassen kann; entfernen Sie einige Objekte oder Bilder</translation>
    </message>
</context>
<context>
    <name>qm::SuperShapeDialog</name>
    <message>
        <source>Sample of the shape</source>
        <translation>Beispiel der Form</translation>
    </message>
    <message>
        <source>Super Shape Properties</source>
        <translation>SuperShape-Eigenschaften</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Round Rectangle</source>
        <translation>Abgerundetes Rechteck</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Triangle Left</source>
        <translation>Dreieck links</translation>
    </message>
    <message>
        <source>Triangle Right</source>
        <translation>Dreieck rechts</translation>
    </message>
    <message>
        <source>Triangle Up</source>
        <translation>Dreieck oben</translation>
    </message>
    <message>
        <source>Triangle Down</source>
        <translation>Dreieck unten</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Einfarbig</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textur</translation>
    </message>
    <message>
        <source>Gradient Fill</source>
        <translation>Farbverlauf</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Lower Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Solid Line</source>
        <translation>Durchgezogen</translation>
    </message>
    <message>
        <source>Dash Line</source>
        <translation>Gestrichelt</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>Gepunktet</translation>
    </message>
    <message>
        <source>DashDot Line</source>
        <translation>Strich-Punkt</translation>
    </message>
    <message>
        <source>DashDotDot Line</source>
        <translation>Strich-Punkt-Punkt</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Points On Star</source>
        <translation>Sternzacken</translation>
    </message>
    <message>
        <source>% of Inward Vector</source>
        <translation>% Einzug nach innen</translation>
    </message>
    <message>
        <source>Round Percentage</source>
        <translation>Rundung in Prozent</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Textur laden</translation>
    </message>
    <message>
        <source>Choose the picture the shape is filled with</source>
        <translation>Bild auswählen, mit dem die Form gefüllt wird</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Fill Direction</source>
        <translation>Verlaufsrichtung</translation>
    </message>
    <message>
        <source>From Color</source>
        <translation>Startfarbe</translation>
    </message>
    <message>
        <source>To Color</source>
        <translation>Endfarbe</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Surface Type</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Schattenfarbe</translation>
    </message>
    <message>
        <source>Shadow Orientation</source>
        <translation>Schattenausrichtung</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Schattentiefe</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Umrissfarbe</translation>
    </message>
    <message>
        <source>OutLine Style</source>
        <translation>Umrissstil</translation>
    </message>
    <message>
        <source>Outline Width</source>
        <translation>Umrissbreite</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The shape as it will look with these settings.</source>
        <translation>Die Form, wie sie mit diesen Einstellungen aussieht.</translation>
    </message>
    <message>
        <source>The outline of the shape: rectangle, rounded rectangle, ellipse, diamond, star or a triangle pointing one way.</source>
        <translation>Die Figur der Form: Rechteck, abgerundetes Rechteck, Ellipse, Raute, Stern oder ein Dreieck, das in eine Richtung zeigt.</translation>
    </message>
    <message>
        <source>How many points the star has.</source>
        <translation>Wie viele Zacken der Stern hat.</translation>
    </message>
    <message>
        <source>How deep the star&apos;s points are cut: 0 gives a polygon, 90 thin spikes.</source>
        <translation>Wie tief die Zacken des Sterns eingeschnitten sind: 0 ergibt ein Vieleck, 90 dünne Spitzen.</translation>
    </message>
    <message>
        <source>How round the corners are, as a part of the shorter side.</source>
        <translation>Wie rund die Ecken sind, als Anteil der kürzeren Seite.</translation>
    </message>
    <message>
        <source>What fills the shape: nothing, one colour, a picture tiled over it, or a gradient.</source>
        <translation>Womit die Form gefüllt ist: nichts, eine Farbe, ein darüber gekacheltes Bild oder ein Farbverlauf.</translation>
    </message>
    <message>
        <source>The colour that fills the shape.</source>
        <translation>Die Farbe, mit der die Form gefüllt ist.</translation>
    </message>
    <message>
        <source>Which way the gradient runs from its first colour to its second.</source>
        <translation>In welche Richtung der Farbverlauf von seiner ersten zu seiner zweiten Farbe läuft.</translation>
    </message>
    <message>
        <source>The colour the gradient starts with.</source>
        <translation>Die Farbe, mit der der Farbverlauf beginnt.</translation>
    </message>
    <message>
        <source>The colour the gradient ends with.</source>
        <translation>Die Farbe, mit der der Farbverlauf endet.</translation>
    </message>
    <message>
        <source>The colour of the shadow behind the shape.</source>
        <translation>Die Farbe des Schattens hinter der Form.</translation>
    </message>
    <message>
        <source>Where the shadow falls; None draws no shadow.</source>
        <translation>Wohin der Schatten fällt; Keine zeichnet keinen Schatten.</translation>
    </message>
    <message>
        <source>How far, in pixels, the shadow lies from the shape.</source>
        <translation>Wie weit der Schatten von der Form entfernt liegt, in Pixeln.</translation>
    </message>
    <message>
        <source>The colour of the shape&apos;s outline.</source>
        <translation>Die Farbe des Umrisses der Form.</translation>
    </message>
    <message>
        <source>Solid, dashed or dotted outline; Clear draws none.</source>
        <translation>Durchgezogener, gestrichelter oder gepunkteter Umriss; Keine zeichnet keinen.</translation>
    </message>
    <message>
        <source>How thick the outline is, in pixels.</source>
        <translation>Wie dick der Umriss ist, in Pixeln.</translation>
    </message>
    <message>
        <source>Chooses the picture tiled over the shape.</source>
        <translation>Wählt das Bild, das über die Form gekachelt wird.</translation>
    </message>
</context>
<context>
    <name>qm::TCircleTextProperties</name>
    <message>
        <source>Preview of the circular text</source>
        <translation>Vorschau des Kreistextes</translation>
    </message>
    <message>
        <source>%1 degrees</source>
        <translation>%1 Grad</translation>
    </message>
    <message>
        <source>CircleText Properties</source>
        <translation>CircleText-Eigenschaften</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>The text set along the circle.</source>
        <translation>Der Text, der entlang des Kreises gesetzt wird.</translation>
    </message>
    <message>
        <source>Degrees of the circle</source>
        <translation>Grad des Kreises</translation>
    </message>
    <message>
        <source>How much of the circle the text spreads over.</source>
        <translation>Über welchen Teil des Kreises sich der Text erstreckt.</translation>
    </message>
    <message>
        <source>Starting angle</source>
        <translation>Startwinkel</translation>
    </message>
    <message>
        <source>Angled Characters</source>
        <translation>Schräge Zeichen</translation>
    </message>
    <message>
        <source>Turns each letter to follow the circle; otherwise letters stay upright.</source>
        <translation>Dreht jeden Buchstaben, sodass er dem Kreis folgt; sonst bleiben die Buchstaben aufrecht.</translation>
    </message>
    <message>
        <source>Mirrored</source>
        <translation>Gespiegelt</translation>
    </message>
    <message>
        <source>Lays angled letters along the inside of the circle, so that they read from the centre.</source>
        <translation>Legt die schrägen Buchstaben an die Innenseite des Kreises, sodass sie von der Mitte aus gelesen werden.</translation>
    </message>
    <message>
        <source>Font colour</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Schrift auswählen</translation>
    </message>
    <message>
        <source>Font 5 points larger</source>
        <translation>Schrift 5 Punkt größer</translation>
    </message>
    <message>
        <source>Makes the letters 5 points larger (up to 150 points).</source>
        <translation>Macht die Buchstaben 5 Punkt größer (bis 150 Punkt).</translation>
    </message>
    <message>
        <source>Font 5 points smaller</source>
        <translation>Schrift 5 Punkt kleiner</translation>
    </message>
    <message>
        <source>Makes the letters 5 points smaller (down to 10 points).</source>
        <translation>Macht die Buchstaben 5 Punkt kleiner (bis 10 Punkt).</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Starting Angle</source>
        <translation>Startwinkel</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>The text on its circle as it will look on the card.</source>
        <translation>Der Text auf seinem Kreis, wie er auf der Karte aussehen wird.</translation>
    </message>
    <message>
        <source>The colour of the letters.</source>
        <translation>Die Farbe der Buchstaben.</translation>
    </message>
    <message>
        <source>Chooses the font, its size and style.</source>
        <translation>Wählt die Schrift, ihre Größe und ihren Stil.</translation>
    </message>
    <message>
        <source>Shows the preview larger (up to 100%).</source>
        <translation>Zeigt die Vorschau größer (bis 100 %).</translation>
    </message>
    <message>
        <source>Shows the preview smaller (down to 50%).</source>
        <translation>Zeigt die Vorschau kleiner (bis 50 %).</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Please enter some text</source>
        <translation>Bitte geben Sie einen Text ein</translation>
    </message>
    <message>
        <source>Where the text starts: 90 at the top of the circle, 180 at the left, 270 at the bottom, 360 at the right. The letters run clockwise from there.</source>
        <translation>Wo der Text beginnt: 90 oben auf dem Kreis, 180 links, 270 unten, 360 rechts. Von dort laufen die Buchstaben im Uhrzeigersinn.</translation>
    </message>
</context>
<context>
    <name>qm::TEditCardLayout</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Save Stock As</source>
        <translation>Bogen speichern unter</translation>
    </message>
    <message>
        <source>Name of your card stock:</source>
        <translation>Name Ihres Kartenbogens:</translation>
    </message>
    <message>
        <source>Import Card Stock</source>
        <translation>Kartenbogen importieren</translation>
    </message>
    <message>
        <source>gLabels templates</source>
        <translation>gLabels-Vorlagen</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Business Card Layout</source>
        <translation>Visitenkarten-Layout</translation>
    </message>
    <message>
        <source>Choose the card stock you print on; its sizes fill the boxes.</source>
        <translation>Wählen Sie den Kartenbogen, auf den Sie drucken; seine Maße füllen die Felder.</translation>
    </message>
    <message>
        <source>Use &amp;Inches</source>
        <translation>&amp;Zoll verwenden</translation>
    </message>
    <message>
        <source>Use &amp;Millimeters</source>
        <translation>&amp;Millimeter verwenden</translation>
    </message>
    <message>
        <source>The width of one card.</source>
        <translation>Die Breite einer Karte.</translation>
    </message>
    <message>
        <source>The height of one card.</source>
        <translation>Die Höhe einer Karte.</translation>
    </message>
    <message>
        <source>From the left edge of one card to the left edge of the next.</source>
        <translation>Vom linken Rand einer Karte bis zum linken Rand der nächsten.</translation>
    </message>
    <message>
        <source>From the top edge of one card to the top edge of the card below.</source>
        <translation>Vom oberen Rand einer Karte bis zum oberen Rand der Karte darunter.</translation>
    </message>
    <message>
        <source>From the left edge of the paper to the first card.</source>
        <translation>Vom linken Papierrand bis zur ersten Karte.</translation>
    </message>
    <message>
        <source>From the top edge of the paper to the first card.</source>
        <translation>Vom oberen Papierrand bis zur ersten Karte.</translation>
    </message>
    <message>
        <source>How many cards stand side by side.</source>
        <translation>Wie viele Karten nebeneinander stehen.</translation>
    </message>
    <message>
        <source>How many rows of cards the sheet has.</source>
        <translation>Wie viele Kartenzeilen der Bogen hat.</translation>
    </message>
    <message>
        <source>Letter (8.5 x 11&quot;)</source>
        <extracomment>A paper size in the list; the paper&apos;s own name stays as it is, the sizes are written the local way</extracomment>
        <translation>Letter (8,5 x 11 Zoll)</translation>
    </message>
    <message>
        <source>A4 (210 x 297mm)</source>
        <translation>A4 (210 x 297 mm)</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>orientation of the card on the sheet</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Rotated</source>
        <comment>orientation of the card on the sheet</comment>
        <translation>Gedreht</translation>
    </message>
    <message>
        <source>Card Width</source>
        <translation>Kartenbreite</translation>
    </message>
    <message>
        <source>Card Height</source>
        <translation>Kartenhöhe</translation>
    </message>
    <message>
        <source>Horizontal Pitch</source>
        <translation>Horizontales Rastermaß</translation>
    </message>
    <message>
        <source>Vertical Pitch</source>
        <translation>Vertikales Rastermaß</translation>
    </message>
    <message>
        <source># across</source>
        <extracomment>The number of cards side by side on the sheet</extracomment>
        <translation>Anzahl waagerecht</translation>
    </message>
    <message>
        <source># down</source>
        <extracomment>The number of rows of cards on the sheet</extracomment>
        <translation>Anzahl senkrecht</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Linker Rand</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Oberer Rand</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Papierformat</translation>
    </message>
    <message>
        <source>Predefined Layouts</source>
        <translation>Vordefinierte Layouts</translation>
    </message>
    <message>
        <source>Shows and takes the sizes in inches.</source>
        <translation>Zeigt und übernimmt die Maße in Zoll.</translation>
    </message>
    <message>
        <source>Shows and takes the sizes in millimetres.</source>
        <translation>Zeigt und übernimmt die Maße in Millimetern.</translation>
    </message>
    <message>
        <source>The paper of your card stock: Letter or A4.</source>
        <translation>Das Papier Ihres Kartenbogens: Letter oder A4.</translation>
    </message>
    <message>
        <source>The card lies as designed, wider than high for a standard card.</source>
        <translation>Die Karte liegt wie entworfen, bei einer Standardkarte breiter als hoch.</translation>
    </message>
    <message>
        <source>The card is turned a quarter on the sheet: for cards that stand upright.</source>
        <translation>Die Karte ist auf dem Bogen um eine Vierteldrehung gedreht: für hochkant stehende Karten.</translation>
    </message>
    <message>
        <source>Card Stock</source>
        <translation>Kartenbogen</translation>
    </message>
    <message>
        <source>Search maker, part number or description</source>
        <translation>Hersteller, Artikelnummer oder Beschreibung suchen</translation>
    </message>
    <message>
        <source>Card stock</source>
        <translation>Kartenbogen</translation>
    </message>
    <message>
        <source>Maker</source>
        <extracomment>Headings of the card stock list; &quot;Part&quot; is the maker&apos;s part number, &quot;From&quot; where the entry comes from</extracomment>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Part</source>
        <comment>part number</comment>
        <translation>Artikelnummer</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>Kartengröße</translation>
    </message>
    <message>
        <source>Cards</source>
        <comment>count of cards on a sheet</comment>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>From</source>
        <comment>source</comment>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Save Stock &amp;As...</source>
        <translation>Bogen speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Import Stock...</source>
        <translation>Bogen &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Papier</translation>
    </message>
    <message>
        <source>Type words of the maker, the part number or the description of your card stock: the list keeps what holds every word.</source>
        <translation>Geben Sie Wörter aus dem Hersteller, der Artikelnummer oder der Beschreibung Ihres Kartenbogens ein: Die Liste behält, was jedes dieser Wörter enthält.</translation>
    </message>
    <message>
        <source>Shows the card stock of one paper size only.</source>
        <translation>Zeigt nur die Kartenbogen eines Papierformats.</translation>
    </message>
    <message>
        <source>Card stock you can buy, business cards first: gLabels&apos; database where it is installed, your own saved stock, and the built-in sheets. Choose one and its sizes fill the boxes below.</source>
        <translation>Kartenbogen, die Sie kaufen können, Visitenkarten zuerst: die Datenbank von gLabels, sofern installiert, Ihre eigenen gespeicherten Kartenbogen und die eingebauten Bogen. Wählen Sie einen aus, und seine Maße füllen die Felder unten.</translation>
    </message>
    <message>
        <source>Keeps the sizes below under a name of yours, in the stock list from now on.</source>
        <translation>Bewahrt die Maße unten unter einem eigenen Namen auf, von nun an in der Bogenliste.</translation>
    </message>
    <message>
        <source>Adds the card stock of a gLabels templates file (.xml) to the list.</source>
        <translation>Fügt die Kartenbogen einer gLabels-Vorlagendatei (.xml) zur Liste hinzu.</translation>
    </message>
    <message>
        <source>All papers</source>
        <translation>Alle Papierformate</translation>
    </message>
    <message>
        <source>%1, as %2</source>
        <extracomment>Where a stock entry comes from, and the other entry it has the sizes of (&quot;gLabels, as 28371&quot;)</extracomment>
        <translation>%1, wie %2</translation>
    </message>
    <message>
        <source>The sizes below are no sheet of the list.</source>
        <translation>Die Maße unten entsprechen keinem Bogen der Liste.</translation>
    </message>
    <message>
        <source>The sizes below are the sheet of %1.</source>
        <extracomment>%1 is a card stock (&quot;Avery 8371&quot;)</extracomment>
        <translation>Die Maße unten entsprechen dem Bogen %1.</translation>
    </message>
    <message numerus="yes">
        <source>The sizes below are the sheet of %1 and %n more.</source>
        <extracomment>%1 is a card stock (&quot;Avery 8371&quot;), %n how many others have the same sizes</extracomment>
        <translation>
            <numerusform>Die Maße unten entsprechen dem Bogen %1 und %n weiteren.</numerusform>
            <numerusform>Die Maße unten entsprechen dem Bogen %1 und %n weiteren.</numerusform>
        </translation>
    </message>
    <message>
        <source>The stock &quot;%1&quot; could not be saved: %2</source>
        <translation>Der Kartenbogen „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The stock could not be kept in %1: %2</source>
        <translation>Der Kartenbogen konnte nicht in %1 abgelegt werden: %2</translation>
    </message>
    <message>
        <source>1 sheet of %1 added.</source>
        <extracomment>%1 is the file&apos;s name</extracomment>
        <translation>1 Bogen aus %1 hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln sheets of %1 added.</source>
        <translation>
            <numerusform>%Ln Bogen aus %1 hinzugefügt.</numerusform>
            <numerusform>%Ln Bogen aus %1 hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <source>built in</source>
        <comment>card stock that comes with the program</comment>
        <translation>eingebaut</translation>
    </message>
</context>
<context>
    <name>qm::TGetBCLabelText</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter Text</source>
        <translation>Text eingeben</translation>
    </message>
    <message>
        <source>Type the text of the label, or pick one of your personal details below and change it here as you like.</source>
        <translation>Geben Sie den Text ein, oder wählen Sie unten einen Ihrer persönlichen Einträge und ändern Sie ihn hier nach Belieben.</translation>
    </message>
    <message>
        <source>or select personal information</source>
        <translation>oder persönliche Daten auswählen</translation>
    </message>
    <message>
        <source>Your personal information as entered with Personal Information. Picking an entry puts it into the text box; the label does not follow later changes of it.</source>
        <translation>Ihre persönlichen Daten, wie unter Persönliche Daten eingegeben. Ein ausgewählter Eintrag kommt in das Textfeld; der Text folgt späteren Änderungen daran nicht.</translation>
    </message>
    <message>
        <source>Choose an entry</source>
        <translation>Eintrag wählen</translation>
    </message>
    <message>
        <source>None yet (Edit, Personal Information)</source>
        <translation>Noch keine (Bearbeiten, Persönliche Daten)</translation>
    </message>
</context>
<context>
    <name>qm::TGetLabelText</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter Text</source>
        <translation>Text eingeben</translation>
    </message>
    <message>
        <source>Type the text of the label. It is drawn on one line in the label&apos;s font, with its shadow and highlight.</source>
        <translation>Geben Sie den Text ein. Er wird in einer Zeile in der Schrift des Textes gezeichnet, mit seinem Schatten und Glanzlicht.</translation>
    </message>
</context>
<context>
    <name>qm::TGetSymbol</name>
    <message>
        <source>%1, %2pt Bold Italic </source>
        <extracomment>The symbol font on its button: its name, its size in points and its style.</extracomment>
        <translation>%1, %2 pt fett kursiv </translation>
    </message>
    <message>
        <source>%1, %2pt Bold </source>
        <translation>%1, %2 pt fett </translation>
    </message>
    <message>
        <source>%1, %2pt Italic </source>
        <translation>%1, %2 pt kursiv </translation>
    </message>
    <message>
        <source>%1, %2pt </source>
        <translation>%1, %2 pt </translation>
    </message>
    <message>
        <source>Symbol Selector</source>
        <translation>Symbolauswahl</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Schrift</translation>
    </message>
    <message>
        <source>Choose the symbol font: Wingdings, Webdings, Symbol or any other font. Its size, colour and style are those of the symbol.</source>
        <translation>Wählen Sie die Symbolschrift: Wingdings, Webdings, Symbol oder eine andere Schrift. Größe, Farbe und Stil der Schrift sind die des Symbols.</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Every character of the font, as it will be drawn on the card. Click the one you want; a double-click also closes the selector.</source>
        <translation>Alle Zeichen der Schrift, so wie sie auf der Karte gezeichnet werden. Klicken Sie auf das gewünschte; ein Doppelklick schließt zudem die Auswahl.</translation>
    </message>
    <message>
        <source>Code %1 (0x%2)</source>
        <translation>Code %1 (0x%2)</translation>
    </message>
</context>
<context>
    <name>qm::THelpWindow</name>
    <message>
        <source>Quillmark Help</source>
        <translation>Quillmark-Hilfe</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <comment>previous page</comment>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <comment>next page</comment>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Quillmark Help - %1</source>
        <translation>Quillmark-Hilfe - %1</translation>
    </message>
    <message>
        <source>Search the help</source>
        <translation>Hilfe durchsuchen</translation>
    </message>
    <message>
        <source>Pages found</source>
        <translation>Gefundene Seiten</translation>
    </message>
    <message>
        <source>Goes back to the page you read before.</source>
        <translation>Kehrt zu der Seite zurück, die Sie zuvor gelesen haben.</translation>
    </message>
    <message>
        <source>Goes forward again after Back.</source>
        <translation>Geht nach „Zurück“ wieder vorwärts.</translation>
    </message>
    <message>
        <source>Shows the list of all help pages.</source>
        <translation>Zeigt die Liste aller Hilfeseiten.</translation>
    </message>
    <message>
        <source>Closes the help.</source>
        <translation>Schließt die Hilfe.</translation>
    </message>
    <message>
        <source>Type words to find: the list below shows the pages that contain all of them, the best first. Click one to read it.</source>
        <translation>Geben Sie Suchwörter ein: Die Liste darunter zeigt die Seiten, die alle diese Wörter enthalten, die besten zuerst. Klicken Sie auf eine Seite, um sie zu lesen.</translation>
    </message>
    <message>
        <source>The pages that contain the words you searched for.</source>
        <translation>Die Seiten, die die gesuchten Wörter enthalten.</translation>
    </message>
    <message>
        <source>The help page. Click an underlined link to follow it.</source>
        <translation>Die Hilfeseite. Klicken Sie auf einen unterstrichenen Link, um ihm zu folgen.</translation>
    </message>
    <message>
        <source>No page has these words.</source>
        <translation>Keine Seite enthält diese Wörter.</translation>
    </message>
</context>
<context>
    <name>qm::TKBasePanel</name>
    <message>
        <source>The objects could not be copied: %1</source>
        <translation>Die Objekte konnten nicht kopiert werden: %1</translation>
    </message>
    <message>
        <source>The clipboard could not be pasted: %1</source>
        <translation>Der Inhalt der Zwischenablage konnte nicht eingefügt werden: %1</translation>
    </message>
</context>
<context>
    <name>qm::TKBrushImageBrowser</name>
    <message>
        <source>The shape with the texture selected</source>
        <translation>Die Form mit der ausgewählten Textur</translation>
    </message>
</context>
<context>
    <name>qm::TKFont3DEffects</name>
    <message>
        <source>Sample of the effects</source>
        <translation>Beispiel der Effekte</translation>
    </message>
    <message>
        <source>Text 3D Effects</source>
        <translation>3D-Texteffekte</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Lower Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>The side of the text on which its shadow falls.</source>
        <translation>Die Seite des Textes, auf die sein Schatten fällt.</translation>
    </message>
    <message>
        <source>The colour of the shadow.</source>
        <translation>Die Farbe des Schattens.</translation>
    </message>
    <message>
        <source>How far, in pixels, the shadow lies from the text. 0 draws no shadow.</source>
        <translation>Wie weit der Schatten vom Text entfernt liegt, in Pixeln. 0 zeichnet keinen Schatten.</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>The side of the text on which its highlight lies.</source>
        <translation>Die Seite des Textes, auf der sein Glanzlicht liegt.</translation>
    </message>
    <message>
        <source>The colour of the highlight.</source>
        <translation>Die Farbe des Glanzlichts.</translation>
    </message>
    <message>
        <source>How far, in pixels, the highlight lies from the text. 0 draws no highlight.</source>
        <translation>Wie weit das Glanzlicht vom Text entfernt liegt, in Pixeln. 0 zeichnet kein Glanzlicht.</translation>
    </message>
    <message>
        <source>The colour of the text itself. &quot;Custom...&quot; picks any other colour.</source>
        <translation>Die Farbe des Textes selbst. „Benutzerdefiniert...“ wählt eine beliebige andere Farbe.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Shows how the text looks with these settings.</source>
        <translation>Zeigt, wie der Text mit diesen Einstellungen aussieht.</translation>
    </message>
    <message>
        <source>Shadow Direction</source>
        <translation>Schattenrichtung</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Schattenfarbe</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Schattentiefe</translation>
    </message>
    <message>
        <source>Highlight Direction</source>
        <translation>Glanzlichtrichtung</translation>
    </message>
    <message>
        <source>Highlight Color</source>
        <translation>Glanzlichtfarbe</translation>
    </message>
    <message>
        <source>Highlight Depth</source>
        <translation>Glanzlichttiefe</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
</context>
<context>
    <name>qm::TKImageBrowser</name>
    <message>
        <source>Load Image File </source>
        <translation>Bilddatei laden </translation>
    </message>
    <message>
        <source>Preview of the picture</source>
        <translation>Vorschau des Bildes</translation>
    </message>
    <message>
        <source> Options </source>
        <translation> Optionen </translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>Stretch image to max display size</source>
        <translation>Bild auf die größte Anzeigegröße strecken</translation>
    </message>
    <message>
        <source>AutoSize</source>
        <translation>Automatische Größe</translation>
    </message>
    <message>
        <source>AutoSize TImage</source>
        <translation>Automatische Größe des Bildes</translation>
    </message>
    <message>
        <source>Clip Art</source>
        <translation>ClipArt</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The picture selected, as the object will show it.</source>
        <translation>Das ausgewählte Bild, so wie das Objekt es zeigen wird.</translation>
    </message>
    <message>
        <source>Fills the object&apos;s box with the picture, whatever the picture&apos;s own shape.</source>
        <translation>Füllt den Rahmen des Objekts mit dem Bild, unabhängig von der eigenen Form des Bildes.</translation>
    </message>
    <message>
        <source>Makes the object&apos;s box the picture&apos;s own size.</source>
        <translation>Gibt dem Rahmen des Objekts die eigene Größe des Bildes.</translation>
    </message>
    <message>
        <source>Puts the selected picture into the clip-art object.</source>
        <translation>Setzt das ausgewählte Bild in das ClipArt-Objekt.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>qm::TKReport</name>
    <message>
        <source>the document could not be started</source>
        <translation>das Dokument konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>the job failed</source>
        <translation>der Auftrag ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>a new page could not be started</source>
        <translation>eine neue Seite konnte nicht begonnen werden</translation>
    </message>
</context>
<context>
    <name>qm::TKStandardDialogs</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>qm::TKSuperText</name>
    <message>
        <source>At %1 points “%2” is wider than the card, so its end is cut off at the card&apos;s edge.

Choose a smaller size or a shorter text in Properties.</source>
        <translation>Bei %1 Punkt ist „%2“ breiter als die Karte, daher wird das Ende am Kartenrand abgeschnitten.

Wählen Sie unter „Eigenschaften“ eine kleinere Größe oder einen kürzeren Text.</translation>
    </message>
</context>
<context>
    <name>qm::TLabelPrinter</name>
    <message>
        <source>Preparing Preview Page %p</source>
        <extracomment>%p is the page&apos;s number</extracomment>
        <translation>Vorschauseite %p wird vorbereitet</translation>
    </message>
    <message>
        <source>Printing page %p of %1</source>
        <extracomment>%p is the page&apos;s number, %1 how many pages there are</extracomment>
        <translation>Seite %p von %1 wird gedruckt</translation>
    </message>
    <message>
        <source>Printing page %p</source>
        <translation>Seite %p wird gedruckt</translation>
    </message>
    <message>
        <source>Business Card Print Canceled!</source>
        <translation>Visitenkartendruck abgebrochen!</translation>
    </message>
    <message>
        <source>Business Card Preview Canceled!</source>
        <translation>Visitenkartenvorschau abgebrochen!</translation>
    </message>
    <message>
        <source>Preview Stopped at page %1!</source>
        <translation>Vorschau bei Seite %1 angehalten!</translation>
    </message>
    <message>
        <source>Business Card Print Failed: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Visitenkartendruck fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Card %1</source>
        <extracomment>The card being printed, shown under the print status; %1 is its position on the sheet</extracomment>
        <translation>Karte %1</translation>
    </message>
</context>
<context>
    <name>qm::TLoadBackGround</name>
    <message>
        <source>Load Business Card Background Art</source>
        <translation>Visitenkarten-Hintergrundbild laden</translation>
    </message>
    <message>
        <source>The card with this background</source>
        <translation>Die Karte mit diesem Hintergrund</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no background art</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The picture selected, as the card will show it behind its objects.</source>
        <translation>Das ausgewählte Bild, so wie die Karte es hinter ihren Objekten zeigt.</translation>
    </message>
    <message>
        <source>Puts the selected picture behind the card.</source>
        <translation>Legt das ausgewählte Bild hinter die Karte.</translation>
    </message>
    <message>
        <source>Backgrounds</source>
        <comment>the folder of background art</comment>
        <translation>Hintergründe</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation>Fehler beim Laden der Datei!</translation>
    </message>
</context>
<context>
    <name>qm::TMainScreen</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The card you are designing. Pick a tool above and drag on the card to place an object; click an object with the right mouse button for its commands.</source>
        <translation>Die Karte, die Sie entwerfen. Wählen Sie oben ein Werkzeug und ziehen Sie auf der Karte, um ein Objekt zu platzieren; klicken Sie mit der rechten Maustaste auf ein Objekt, um seine Befehle zu sehen.</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>side of the card</comment>
        <translation>Rückseite</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>side of the card</comment>
        <translation>Vorderseite</translation>
    </message>
    <message>
        <source>%1

Quillmark starts with its default settings (printer fine tuning, default layout, font, personal information).</source>
        <extracomment>%1 says why the settings could not be read</extracomment>
        <translation>%1

Quillmark startet mit seinen Standardeinstellungen (Drucker-Feinabstimmung, Standardlayout, Schrift, persönliche Daten).</translation>
    </message>
    <message>
        <source>Configuration Information</source>
        <translation>Konfigurationsinformationen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Selection tool</source>
        <translation>Auswahlwerkzeug</translation>
    </message>
    <message>
        <source>Tools</source>
        <comment>tool bar</comment>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>%1: pick it, then drag a rectangle on the card to place the object.</source>
        <extracomment>%1 is the tool&apos;s tip, such as &quot;Rectangle tool&quot;</extracomment>
        <translation>%1: Wählen Sie es aus und ziehen Sie dann ein Rechteck auf der Karte, um das Objekt zu platzieren.</translation>
    </message>
    <message>
        <source>&amp;Quick Tips</source>
        <translation>&amp;Kurztipps</translation>
    </message>
    <message>
        <source>Show the Designer Assistant</source>
        <translation>Design-Assistenten anzeigen</translation>
    </message>
    <message>
        <source>Short tips on designing a card.</source>
        <translation>Kurze Tipps zum Entwerfen einer Karte.</translation>
    </message>
    <message>
        <source>Show &amp;Grid</source>
        <translation>Ra&amp;ster anzeigen</translation>
    </message>
    <message>
        <source>Shows a grid of dots on the card to line objects up by eye.</source>
        <translation>Zeigt ein Punktraster auf der Karte, um Objekte nach Augenmaß auszurichten.</translation>
    </message>
    <message>
        <source>S&amp;nap to Grid</source>
        <translation>Am Raster &amp;ausrichten</translation>
    </message>
    <message>
        <source>Objects you move or size jump to the grid.</source>
        <translation>Objekte, die Sie verschieben oder in der Größe ändern, springen auf das Raster.</translation>
    </message>
    <message>
        <source>Background art</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Set or change background art</source>
        <translation>Hintergrundbild festlegen oder ändern</translation>
    </message>
    <message>
        <source>A picture behind the whole card.</source>
        <translation>Ein Bild hinter der ganzen Karte.</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Weitere Werkzeuge</translation>
    </message>
    <message>
        <source>Press plus (+) or minus (-) to 
increase or decrease the zoom percentage</source>
        <translation>Drücken Sie Plus (+) oder Minus (-), um 
den Zoom zu vergrößern oder zu verkleinern</translation>
    </message>
    <message>
        <source>Zooms the card from 100% to 150% in steps of 10%, then to 200%, 300% and 400%.</source>
        <translation>Zoomt die Karte von 100 % bis 150 % in Schritten von 10 %, dann auf 200 %, 300 % und 400 %.</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Fit</source>
        <comment>zoom to the window</comment>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>An Fenster anpassen</translation>
    </message>
    <message>
        <source>Zooms the card as large as the window shows it whole.</source>
        <translation>Zoomt die Karte so groß, dass das Fenster sie ganz zeigt.</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>An Fenster anpassen</translation>
    </message>
    <message>
        <source>Front or back of the card (Ctrl+Shift+B)</source>
        <translation>Vorder- oder Rückseite der Karte (Strg+Umschalt+B)</translation>
    </message>
    <message>
        <source>Shows which side of the card you design; click it to turn the card over. A back prints behind each card when you print two-sided; it is saved as NAME.back.qmk beside the card file.</source>
        <translation>Zeigt, welche Seite der Karte Sie entwerfen; ein Klick wendet die Karte. Eine Rückseite wird beim beidseitigen Druck hinter jede Karte gedruckt; sie wird als NAME.back.qmk neben der Kartendatei gespeichert.</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Saves the card. It shows once the card has changes.</source>
        <translation>Speichert die Karte. Erscheint, sobald die Karte Änderungen hat.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>throw the changes away</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Throws the changes away and goes back to the saved card.</source>
        <translation>Verwirft die Änderungen und kehrt zur gespeicherten Karte zurück.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>D&amp;rucken</translation>
    </message>
    <message>
        <source>Prints sheets of your card.</source>
        <translation>Druckt Bogen mit Ihrer Karte.</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>V&amp;orschau</translation>
    </message>
    <message>
        <source>Shows a sheet of your card as it will print.</source>
        <translation>Zeigt einen Bogen mit Ihrer Karte so, wie er gedruckt wird.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help on the design window.</source>
        <translation>Hilfe zum Entwurfsfenster.</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>Click this, then any part of the window, to learn what it does.</source>
        <translation>Klicken Sie hierauf und dann auf einen beliebigen Teil des Fensters, um zu erfahren, wozu er dient.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New - Blank</source>
        <translation>&amp;Neu - Leer</translation>
    </message>
    <message>
        <source>New - Select From Temp&amp;lates</source>
        <translation>Neu - Aus &amp;Vorlagen wählen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <comment>a card file</comment>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <comment>a card file</comment>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save As &amp;Bitmap</source>
        <translation>Als Bit&amp;map speichern</translation>
    </message>
    <message>
        <source>Save As &amp;JPG</source>
        <translation>Als &amp;JPG speichern</translation>
    </message>
    <message>
        <source>Save As PN&amp;G</source>
        <translation>Als PN&amp;G speichern</translation>
    </message>
    <message>
        <source>Disca&amp;rd Changes</source>
        <translation>Änderungen ver&amp;werfen</translation>
    </message>
    <message>
        <source>Export for Print S&amp;hop...</source>
        <translation>Für die Druckerei e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Writes the card as a PDF file for a print shop, with bleed and crop marks.</source>
        <translation>Schreibt die Karte als PDF-Datei für eine Druckerei, mit Beschnitt und Schnittmarken.</translation>
    </message>
    <message>
        <source>Print &amp;Merge...</source>
        <translation>Seriendru&amp;ck...</translation>
    </message>
    <message>
        <source>Prints one card for each person of a CSV or vCard file.</source>
        <translation>Druckt eine Karte für jede Person einer CSV- oder vCard-Datei.</translation>
    </message>
    <message>
        <source>Printer S&amp;etup</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
    <message>
        <source>Printer Fine &amp;Tuning</source>
        <translation>Drucker-Fein&amp;abstimmung</translation>
    </message>
    <message>
        <source>Print O&amp;utline Test Page</source>
        <translation>Umriss-&amp;Testseite drucken</translation>
    </message>
    <message>
        <source>--------&amp;Write Ini------</source>
        <extracomment>a developer&apos;s command, shown only in developer mode: saves the card as a template</extracomment>
        <translation>--------&amp;Ini schreiben------</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <comment>the selected objects</comment>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles a&amp;uswählen</translation>
    </message>
    <message>
        <source>C&amp;hange all fonts to...</source>
        <translation>Alle Schriften ä&amp;ndern in...</translation>
    </message>
    <message>
        <source>Personal &amp;Information</source>
        <translation>Persönliche &amp;Daten</translation>
    </message>
    <message>
        <source>&amp;Set or Change Background Art</source>
        <translation>Hintergrundbild &amp;festlegen oder ändern</translation>
    </message>
    <message>
        <source>Save Current La&amp;yout as Default</source>
        <translation>Aktuelles La&amp;yout als Standard speichern</translation>
    </message>
    <message>
        <source>Change &amp;Business Card Layout</source>
        <translation>&amp;Visitenkarten-Layout ändern</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In	+</source>
        <extracomment>after the tab: the key that does the same</extracomment>
        <translation>&amp;Vergrößern	+</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	-</source>
        <translation>Ver&amp;kleinern	-</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>An &amp;Fenster anpassen</translation>
    </message>
    <message>
        <source>Show Bac&amp;k of Card</source>
        <translation>Karten&amp;rückseite anzeigen</translation>
    </message>
    <message>
        <source>Turns the card over: you design its back, which prints behind each card when you print two-sided. Again to see the front.</source>
        <translation>Wendet die Karte: Sie entwerfen ihre Rückseite, die beim beidseitigen Druck hinter jede Karte gedruckt wird. Erneut wählen, um die Vorderseite zu sehen.</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Picks the %1 tool: press Enter on the card to place one in its middle, or drag a rectangle on the card.</source>
        <extracomment>%1 is the name of a drawing tool, such as &quot;Rectangle&quot;</extracomment>
        <translation>Wählt das Werkzeug „%1“: Drücken Sie auf der Karte die Eingabetaste, um ein Objekt in ihrer Mitte zu platzieren, oder ziehen Sie ein Rechteck auf der Karte.</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Quillmark</translation>
    </message>
    <message>
        <source>Co&amp;nfiguration Information</source>
        <translation>K&amp;onfigurationsinformationen</translation>
    </message>
    <message>
        <source>&amp;Technical Support</source>
        <translation>&amp;Technischer Support</translation>
    </message>
    <message>
        <source>&amp;Frequently Asked Questions</source>
        <translation>&amp;Häufig gestellte Fragen</translation>
    </message>
    <message>
        <source>Visit the &amp;Bonus Artwork Web Page</source>
        <translation>Webseite mit Bonus-&amp;Grafiken besuchen</translation>
    </message>
    <message>
        <source>Visit Our Internet &amp;Website</source>
        <translation>Unsere &amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;Report a Problem...</source>
        <translation>Problem &amp;melden...</translation>
    </message>
    <message>
        <source>Starts a new, empty card.</source>
        <translation>Beginnt eine neue, leere Karte.</translation>
    </message>
    <message>
        <source>Starts a new card from one of the templates, with your personal information.</source>
        <translation>Beginnt eine neue Karte aus einer der Vorlagen, mit Ihren persönlichen Daten.</translation>
    </message>
    <message>
        <source>Opens a card you saved.</source>
        <translation>Öffnet eine gespeicherte Karte.</translation>
    </message>
    <message>
        <source>Deletes a card file (after asking).</source>
        <translation>Löscht eine Kartendatei (nach Rückfrage).</translation>
    </message>
    <message>
        <source>Saves the card under its name.</source>
        <translation>Speichert die Karte unter ihrem Namen.</translation>
    </message>
    <message>
        <source>Saves the card under a new name.</source>
        <translation>Speichert die Karte unter einem neuen Namen.</translation>
    </message>
    <message>
        <source>Writes a BMP picture of the card at its real size.</source>
        <translation>Schreibt ein BMP-Bild der Karte in Originalgröße.</translation>
    </message>
    <message>
        <source>Writes a JPG picture of the card at its real size.</source>
        <translation>Schreibt ein JPG-Bild der Karte in Originalgröße.</translation>
    </message>
    <message>
        <source>Writes a PNG picture of the card at its real size, for e-mail or a web page.</source>
        <translation>Schreibt ein PNG-Bild der Karte in Originalgröße, für E-Mails oder Webseiten.</translation>
    </message>
    <message>
        <source>Writes the card as a PDF file for a print shop: the card&apos;s size exactly, with a bleed around it and crop marks if you like, its text kept as text. Says first what a print shop might object to.</source>
        <translation>Schreibt die Karte als PDF-Datei für eine Druckerei: genau in Kartengröße, auf Wunsch mit Beschnitt ringsum und Schnittmarken, der Text bleibt Text. Nennt vorher, woran eine Druckerei Anstoß nehmen könnte.</translation>
    </message>
    <message>
        <source>Prints the card over a sheet of card stock, on the positions you choose.</source>
        <translation>Druckt die Karte auf einen Kartenbogen, an den Positionen, die Sie wählen.</translation>
    </message>
    <message>
        <source>Prints one card for each person of a CSV or vCard file: the placeholders of the card&apos;s texts, such as {Name}, take each person&apos;s values.</source>
        <translation>Druckt eine Karte für jede Person einer CSV- oder vCard-Datei: Die Platzhalter in den Texten der Karte, z. B. {Name}, erhalten die Werte der jeweiligen Person.</translation>
    </message>
    <message>
        <source>Shows the sheet as it will print.</source>
        <translation>Zeigt den Bogen so, wie er gedruckt wird.</translation>
    </message>
    <message>
        <source>Chooses the printer (or a PDF file) and its paper.</source>
        <translation>Wählt den Drucker (oder eine PDF-Datei) und sein Papier.</translation>
    </message>
    <message>
        <source>Moves the print in steps of 1/32 inch to match your printer.</source>
        <translation>Verschiebt den Druck in Schritten von 1/32 Zoll, passend zu Ihrem Drucker.</translation>
    </message>
    <message>
        <source>Prints only the card outlines: hold the page against your card stock to check the layout.</source>
        <translation>Druckt nur die Umrisse der Karten: Halten Sie die Seite gegen Ihren Kartenbogen, um das Layout zu prüfen.</translation>
    </message>
    <message>
        <source>Saves the card as a template in the template folder.</source>
        <translation>Speichert die Karte als Vorlage im Vorlagenordner.</translation>
    </message>
    <message>
        <source>Closes Quillmark (asking to save changes).</source>
        <translation>Beendet Quillmark (mit Rückfrage, ob Änderungen gespeichert werden sollen).</translation>
    </message>
    <message>
        <source>Takes back the last change to the card.</source>
        <translation>Nimmt die letzte Änderung an der Karte zurück.</translation>
    </message>
    <message>
        <source>Makes a change taken back again.</source>
        <translation>Stellt eine zurückgenommene Änderung wieder her.</translation>
    </message>
    <message>
        <source>Moves the selected objects to the clipboard.</source>
        <translation>Verschiebt die ausgewählten Objekte in die Zwischenablage.</translation>
    </message>
    <message>
        <source>Copies the selected objects to the clipboard.</source>
        <translation>Kopiert die ausgewählten Objekte in die Zwischenablage.</translation>
    </message>
    <message>
        <source>Puts the objects of the clipboard on the card.</source>
        <translation>Legt die Objekte aus der Zwischenablage auf die Karte.</translation>
    </message>
    <message>
        <source>Deletes the selected objects.</source>
        <translation>Löscht die ausgewählten Objekte.</translation>
    </message>
    <message>
        <source>Selects every object of the card.</source>
        <translation>Wählt alle Objekte der Karte aus.</translation>
    </message>
    <message>
        <source>The font new text objects start with.</source>
        <translation>Die Schrift, mit der neue Textobjekte beginnen.</translation>
    </message>
    <message>
        <source>Puts one typeface on every text object of the card.</source>
        <translation>Überträgt eine Schriftart auf jedes Textobjekt der Karte.</translation>
    </message>
    <message>
        <source>Your name, address and numbers, used by personal-information text.</source>
        <translation>Ihr Name, Ihre Adresse und Ihre Nummern, verwendet von Texten mit persönlichen Daten.</translation>
    </message>
    <message>
        <source>Puts a picture behind the whole card, or takes it away.</source>
        <translation>Legt ein Bild hinter die ganze Karte oder entfernt es wieder.</translation>
    </message>
    <message>
        <source>Makes this card&apos;s sheet layout the one new cards start with.</source>
        <translation>Macht das Bogenlayout dieser Karte zu dem, mit dem neue Karten beginnen.</translation>
    </message>
    <message>
        <source>The card size and how the cards stand on the sheet.</source>
        <translation>Die Kartengröße und wie die Karten auf dem Bogen stehen.</translation>
    </message>
    <message>
        <source>Shows the card larger: 100% to 150% in steps of 10%, then 200%, 300% and 400%.</source>
        <translation>Zeigt die Karte größer: 100 % bis 150 % in Schritten von 10 %, dann 200 %, 300 % und 400 %.</translation>
    </message>
    <message>
        <source>Shows the card smaller, down to 100%.</source>
        <translation>Zeigt die Karte kleiner, bis hinab zu 100 %.</translation>
    </message>
    <message>
        <source>Shows the card at 100%.</source>
        <translation>Zeigt die Karte bei 100 %.</translation>
    </message>
    <message>
        <source>Shows the card as large as the window shows it whole.</source>
        <translation>Zeigt die Karte so groß, dass das Fenster sie ganz zeigt.</translation>
    </message>
    <message>
        <source>The list of all help pages, with a search.</source>
        <translation>Die Liste aller Hilfeseiten, mit Suche.</translation>
    </message>
    <message>
        <source>The version of Quillmark.</source>
        <translation>Die Version von Quillmark.</translation>
    </message>
    <message>
        <source>What Quillmark sees of this computer: include it when you ask for help.</source>
        <translation>Was Quillmark von diesem Computer sieht: Fügen Sie es bei, wenn Sie um Hilfe bitten.</translation>
    </message>
    <message>
        <source>How to get help with a problem.</source>
        <translation>Wie Sie bei einem Problem Hilfe bekommen.</translation>
    </message>
    <message>
        <source>Answers to common questions.</source>
        <translation>Antworten auf häufige Fragen.</translation>
    </message>
    <message>
        <source>Where more artwork comes from.</source>
        <translation>Woher weitere Grafiken kommen.</translation>
    </message>
    <message>
        <source>Quillmark&apos;s home page.</source>
        <translation>Die Homepage von Quillmark.</translation>
    </message>
    <message>
        <source>What to include when you report a problem.</source>
        <translation>Was Sie angeben sollten, wenn Sie ein Problem melden.</translation>
    </message>
</context>
<context>
    <name>qm::TMergeDialog</name>
    <message>
        <source>Print Merge</source>
        <translation>Seriendruck</translation>
    </message>
    <message>
        <source>Open Merge Data</source>
        <extracomment>The file dialog&apos;s filter of both contact file types together</extracomment>
        <translation>Seriendruckdaten öffnen</translation>
    </message>
    <message>
        <source>Names and addresses</source>
        <translation>Namen und Adressen</translation>
    </message>
    <message>
        <source>&amp;Data file:</source>
        <translation>&amp;Datendatei:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Durch&amp;suchen...</translation>
    </message>
    <message>
        <source>Columns feeding the fields</source>
        <translation>Spalten für die Felder</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Column of the file</source>
        <translation>Spalte der Datei</translation>
    </message>
    <message>
        <source>First record</source>
        <translation>Erster Datensatz</translation>
    </message>
    <message>
        <source>Column for %1</source>
        <extracomment>%1 is a placeholder of the card (&quot;{Company}&quot;)</extracomment>
        <translation>Spalte für %1</translation>
    </message>
    <message>
        <source>The column of the data file whose values the %1 placeholder shows on each card; (none) leaves it empty.</source>
        <extracomment>%1 is a placeholder of the card (&quot;{Company}&quot;); &quot;(none)&quot; is the first choice of the list</extracomment>
        <translation>Die Spalte der Datendatei, deren Werte der Platzhalter %1 auf jeder Karte zeigt; (keine) lässt ihn leer.</translation>
    </message>
    <message>
        <source>First sheet</source>
        <translation>Erster Bogen</translation>
    </message>
    <message>
        <source>First card&apos;s position</source>
        <translation>Position der ersten Karte</translation>
    </message>
    <message>
        <source>&amp;Start at position:</source>
        <translation>&amp;Beginnen bei Position:</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The CSV or vCard file of the people to print, one card each. Type a file&apos;s name and press Enter or Tab, or use Browse.</source>
        <translation>Die CSV- oder vCard-Datei mit den Personen, die gedruckt werden sollen, eine Karte je Person. Geben Sie einen Dateinamen ein und drücken Sie die Eingabetaste oder Tab, oder verwenden Sie „Durchsuchen“.</translation>
    </message>
    <message>
        <source>Chooses the data file: a CSV file with the column names in its first row (as spreadsheets and address books export them), or a vCard (.vcf) file of contacts.</source>
        <translation>Wählt die Datendatei: eine CSV-Datei mit den Spaltennamen in der ersten Zeile (wie Tabellenkalkulationen und Adressbücher sie exportieren) oder eine vCard-Datei (.vcf) mit Kontakten.</translation>
    </message>
    <message>
        <source>What the data file holds, or why it cannot be used.</source>
        <translation>Was die Datendatei enthält oder warum sie nicht verwendet werden kann.</translation>
    </message>
    <message>
        <source>Which column of the data file each personal field takes. A name may be put together from the first and last names, and an address line from the town, region and postcode; as found in the file, blank address lines are left out and the lines below move up. Texts on the card show a field through its placeholder, such as {Name}; any other column shows through its own name, such as {City}.</source>
        <extracomment>{Name} and {City} are placeholders as typed on the card: keep them as they are</extracomment>
        <translation>Welche Spalte der Datendatei jedes persönliche Feld übernimmt. Ein Name kann aus Vor- und Nachname zusammengesetzt werden, eine Adresszeile aus Ort, Region und Postleitzahl; leere Adresszeilen werden wie in der Datei vorgefunden ausgelassen, und die Zeilen darunter rücken nach oben. Texte auf der Karte zeigen ein Feld über seinen Platzhalter, z. B. {Name}, jede andere Spalte über ihren eigenen Namen, z. B. {City}.</translation>
    </message>
    <message>
        <source>The first sheet: grey positions are already used and stay empty, red ones are printed. Click the position of the first card.</source>
        <translation>Der erste Bogen: Graue Positionen sind schon verbraucht und bleiben leer, rote werden bedruckt. Klicken Sie auf die Position der ersten Karte.</translation>
    </message>
    <message>
        <source>The position of the first card on the first sheet, counted across then down; the sheets after it are printed from the first position.</source>
        <translation>Die Position der ersten Karte auf dem ersten Bogen, erst waagerecht, dann senkrecht gezählt; die folgenden Bogen werden ab der ersten Position bedruckt.</translation>
    </message>
    <message>
        <source>Where the cards go: the printer, or a PDF file.</source>
        <translation>Wohin die Karten gehen: an den Drucker oder in eine PDF-Datei.</translation>
    </message>
    <message>
        <source>Chooses the printer (or a PDF file) and its paper.</source>
        <translation>Wählt den Drucker (oder eine PDF-Datei) und sein Papier.</translation>
    </message>
    <message>
        <source>Shows the first sheets with the people of the data file on them.</source>
        <translation>Zeigt die ersten Bogen mit den Personen der Datendatei darauf.</translation>
    </message>
    <message>
        <source>Prints one card for every person of the data file.</source>
        <translation>Druckt eine Karte für jede Person der Datendatei.</translation>
    </message>
    <message>
        <source>This file cannot be used: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Diese Datei kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>Choose a CSV or vCard file with one person in each record.</source>
        <translation>Wählen Sie eine CSV- oder vCard-Datei mit einer Person je Datensatz.</translation>
    </message>
    <message>
        <source>The address lines found in the file, blank ones left out for each person:</source>
        <translation>Die in der Datei gefundenen Adresszeilen, für jede Person ohne leere Zeilen:</translation>
    </message>
    <message>
        <source>(none)</source>
        <comment>no column</comment>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Line %1 of the address</source>
        <translation>Zeile %1 der Adresse</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Nächste: %1</translation>
    </message>
</context>
<context>
    <name>qm::TMergeFeed</name>
    <message>
        <source>The file holds no records.</source>
        <translation>Die Datei enthält keine Datensätze.</translation>
    </message>
    <message>
        <source>No data file is open.</source>
        <translation>Es ist keine Datendatei geöffnet.</translation>
    </message>
    <message>
        <source>The file&apos;s columns changed since it was opened; open it again.</source>
        <translation>Die Spalten der Datei haben sich seit dem Öffnen geändert; öffnen Sie sie erneut.</translation>
    </message>
    <message>
        <source>1 person read from %1.</source>
        <extracomment>%1 is the file&apos;s name</extracomment>
        <translation>1 Person aus %1 gelesen.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln people read from %1.</source>
        <extracomment>%1 is the file&apos;s name</extracomment>
        <translation>
            <numerusform>%Ln Person aus %1 gelesen.</numerusform>
            <numerusform>%Ln Personen aus %1 gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading stopped there: %1</source>
        <extracomment>%1 is why the file could not be read further</extracomment>
        <translation>Das Lesen endete dort: %1</translation>
    </message>
    <message>
        <source>The file has 1 column.</source>
        <translation>Die Datei hat 1 Spalte.</translation>
    </message>
    <message numerus="yes">
        <source>The file has %Ln columns.</source>
        <translation>
            <numerusform>Die Datei hat %Ln Spalte.</numerusform>
            <numerusform>Die Datei hat %Ln Spalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its people fill 1 kind of field.</source>
        <translation>Die Personen darin füllen 1 Feldart.</translation>
    </message>
    <message numerus="yes">
        <source>Its people fill %Ln kinds of fields.</source>
        <translation>
            <numerusform>Die Personen darin füllen %Ln Feldart.</numerusform>
            <numerusform>Die Personen darin füllen %Ln Feldarten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Each person gets a card; a text shows a field by its placeholder, such as {Name}, or any column by its name.</source>
        <extracomment>{Name} is a placeholder as typed on the card: keep it as it is</extracomment>
        <translation>Jede Person erhält eine Karte; ein Text zeigt ein Feld über seinen Platzhalter, z. B. {Name}, oder eine beliebige Spalte über ihren Namen.</translation>
    </message>
    <message>
        <source>1 card was printed.</source>
        <translation>1 Karte wurde gedruckt.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cards were printed.</source>
        <translation>
            <numerusform>%Ln Karte wurde gedruckt.</numerusform>
            <numerusform>%Ln Karten wurden gedruckt.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 card was printed to the PDF file</source>
        <extracomment>The PDF file&apos;s name follows on the next line</extracomment>
        <translation>1 Karte wurde in die PDF-Datei gedruckt</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cards were printed to the PDF file</source>
        <translation>
            <numerusform>%Ln Karte wurde in die PDF-Datei gedruckt</numerusform>
            <numerusform>%Ln Karten wurden in die PDF-Datei gedruckt</numerusform>
        </translation>
    </message>
    <message>
        <source>From %1:
%2</source>
        <extracomment>%1 is the data file, %2 what was noticed in it, one note a line</extracomment>
        <translation>Aus %1:
%2</translation>
    </message>
</context>
<context>
    <name>qm::TMultiLineTextEditor</name>
    <message>
        <source>Multi-line Text Editor</source>
        <translation>Editor für mehrzeiligen Text</translation>
    </message>
    <message>
        <source>Lines of text</source>
        <translation>Textzeilen</translation>
    </message>
    <message>
        <source>Type the lines of the text, pressing Enter between them. The text is drawn in this font, aligned and, when Word Wrap is on, broken to the width of the object. It holds up to 254 characters.</source>
        <translation>Geben Sie die Zeilen des Textes ein und drücken Sie dazwischen die Eingabetaste. Der Text wird in dieser Schrift gezeichnet, ausgerichtet und bei eingeschaltetem Zeilenumbruch auf die Breite des Objekts umbrochen. Er fasst bis zu 254 Zeichen.</translation>
    </message>
</context>
<context>
    <name>qm::TPdfCopy</name>
    <message>
        <source>it has no pages</source>
        <translation>es hat keine Seiten</translation>
    </message>
    <message>
        <source>it is cut off</source>
        <translation>es ist abgeschnitten</translation>
    </message>
    <message>
        <source>it has no such page</source>
        <translation>es hat keine solche Seite</translation>
    </message>
    <message>
        <source>a subset font is used by no font</source>
        <translation>eine Teilschrift wird von keiner Schrift verwendet</translation>
    </message>
    <message>
        <source>its page does not have one font</source>
        <translation>seine Seite hat nicht genau eine Schrift</translation>
    </message>
    <message>
        <source>its font is not an object of its own</source>
        <translation>seine Schrift ist kein eigenes Objekt</translation>
    </message>
    <message>
        <source>its glyphs are not numbered as the pages number them</source>
        <translation>seine Glyphen sind nicht so nummeriert, wie die Seiten sie nummerieren</translation>
    </message>
    <message>
        <source>its font has no glyph widths to set</source>
        <translation>seine Schrift hat keine Glyphenbreiten zum Setzen</translation>
    </message>
    <message>
        <source>the glyph widths are no table</source>
        <translation>die Glyphenbreiten sind keine Tabelle</translation>
    </message>
</context>
<context>
    <name>qm::TPersonalInformation</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>a person&apos;s job title or qualifications</extracomment>
        <translation>Position</translation>
    </message>
    <message>
        <source>Address 1</source>
        <translation>Adresse 1</translation>
    </message>
    <message>
        <source>Address 2</source>
        <translation>Adresse 2</translation>
    </message>
    <message>
        <source>Address 3</source>
        <translation>Adresse 3</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Telefon 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Telefon 2</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Your own name as it should appear on your cards.</source>
        <translation>Ihr eigener Name, wie er auf Ihren Karten erscheinen soll.</translation>
    </message>
    <message>
        <source>The name of your business or organisation.</source>
        <translation>Der Name Ihrer Firma oder Organisation.</translation>
    </message>
    <message>
        <source>Your title or qualifications.</source>
        <translation>Ihre Position oder Qualifikation.</translation>
    </message>
    <message>
        <source>The first line of your address.</source>
        <translation>Die erste Zeile Ihrer Adresse.</translation>
    </message>
    <message>
        <source>The second line of your address.</source>
        <translation>Die zweite Zeile Ihrer Adresse.</translation>
    </message>
    <message>
        <source>The third line of your address.</source>
        <translation>Die dritte Zeile Ihrer Adresse.</translation>
    </message>
    <message>
        <source>Your main phone number.</source>
        <translation>Ihre Haupttelefonnummer.</translation>
    </message>
    <message>
        <source>A second phone number, such as a mobile.</source>
        <translation>Eine zweite Telefonnummer, z. B. eine Mobilnummer.</translation>
    </message>
    <message>
        <source>Your e-mail address.</source>
        <translation>Ihre E-Mail-Adresse.</translation>
    </message>
    <message>
        <source>Your fax number.</source>
        <translation>Ihre Faxnummer.</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Persönliche Daten</translation>
    </message>
    <message>
        <source>Import from vCard...</source>
        <translation>Aus vCard importieren...</translation>
    </message>
    <message>
        <source>Fills the fields from a contact saved as a vCard (.vcf) file.</source>
        <translation>Füllt die Felder aus einem Kontakt, der als vCard-Datei (.vcf) gespeichert ist.</translation>
    </message>
    <message>
        <source>Export as vCard...</source>
        <translation>Als vCard exportieren...</translation>
    </message>
    <message>
        <source>Saves the fields as a vCard (.vcf) file for address books.</source>
        <translation>Speichert die Felder als vCard-Datei (.vcf) für Adressbücher.</translation>
    </message>
    <message>
        <source>Import from vCard</source>
        <translation>Aus vCard importieren</translation>
    </message>
    <message>
        <source>All files (%1)</source>
        <translation>Alle Dateien (%1)</translation>
    </message>
    <message>
        <source>Export as vCard</source>
        <translation>Als vCard exportieren</translation>
    </message>
    <message>
        <source>contact</source>
        <comment>file name of a vCard without a name</comment>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Your personal information could not be saved.
%1</source>
        <translation>Ihre persönlichen Daten konnten nicht gespeichert werden.
%1</translation>
    </message>
</context>
<context>
    <name>qm::TPictureBrowser</name>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>The folder shown; type another and press Enter to go there</source>
        <translation>Der angezeigte Ordner; geben Sie einen anderen ein und drücken Sie die Eingabetaste, um dorthin zu wechseln</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordnerliste</translation>
    </message>
    <message>
        <source>Folders: double-click one to open it</source>
        <translation>Ordner: Doppelklicken Sie auf einen, um ihn zu öffnen</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Suchen in:</translation>
    </message>
    <message>
        <source>The folder shown. Type another folder and press Enter to go there.</source>
        <translation>Der angezeigte Ordner. Geben Sie einen anderen Ordner ein und drücken Sie die Eingabetaste, um dorthin zu wechseln.</translation>
    </message>
    <message>
        <source>The folders here; &quot;..&quot; goes one folder up. Double-click a folder to open it.</source>
        <translation>Die Ordner an dieser Stelle; „..“ führt eine Ebene höher. Doppelklicken Sie auf einen Ordner, um ihn zu öffnen.</translation>
    </message>
    <message>
        <source>The pictures of the folder. Click one to preview it; double-click it to take it.</source>
        <translation>Die Bilder des Ordners. Klicken Sie auf eines, um es in der Vorschau zu sehen; doppelklicken Sie darauf, um es zu übernehmen.</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>The shortcut button to the user&apos;s home folder.</extracomment>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>Goes straight to the folder %1.</source>
        <translation>Wechselt direkt in den Ordner %1.</translation>
    </message>
    <message>
        <source>Up one folder</source>
        <translation>Eine Ebene höher</translation>
    </message>
</context>
<context>
    <name>qm::TPositionEdit</name>
    <message>
        <source>Locked</source>
        <comment>object state</comment>
        <extracomment>The selected object is locked: its position and size cannot be typed.</extracomment>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source> mm</source>
        <extracomment>The suffix of lengths in millimetres, with its leading space.</extracomment>
        <translation> mm</translation>
    </message>
    <message>
        <source> in</source>
        <extracomment>The suffix of lengths in inches, with its leading space.</extracomment>
        <translation> Zoll</translation>
    </message>
    <message>
        <source>No object selected</source>
        <translation>Kein Objekt ausgewählt</translation>
    </message>
    <message numerus="yes">
        <source>%n objects selected</source>
        <translation>
            <numerusform>%n Objekt ausgewählt</numerusform>
            <numerusform>%n Objekte ausgewählt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qm::TPositionPanel</name>
    <message>
        <source>&amp;X:</source>
        <translation>&amp;X:</translation>
    </message>
    <message>
        <source>X position</source>
        <translation>X-Position</translation>
    </message>
    <message>
        <source>How far the object&apos;s left edge lies from the card&apos;s left edge.</source>
        <translation>Wie weit der linke Rand des Objekts vom linken Rand der Karte entfernt ist.</translation>
    </message>
    <message>
        <source>&amp;Y:</source>
        <translation>&amp;Y:</translation>
    </message>
    <message>
        <source>Y position</source>
        <translation>Y-Position</translation>
    </message>
    <message>
        <source>How far the object&apos;s top edge lies from the card&apos;s top edge.</source>
        <translation>Wie weit der obere Rand des Objekts vom oberen Rand der Karte entfernt ist.</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>B&amp;reite:</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>The width of the object&apos;s box.</source>
        <translation>Die Breite des Objekts.</translation>
    </message>
    <message>
        <source>Hei&amp;ght:</source>
        <translation>H&amp;öhe:</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>The height of the object&apos;s box.</source>
        <translation>Die Höhe des Objekts.</translation>
    </message>
    <message>
        <source>Type a value and press Enter, or step it with the arrow keys.</source>
        <translation>Geben Sie einen Wert ein und drücken Sie die Eingabetaste, oder ändern Sie ihn schrittweise mit den Pfeiltasten.</translation>
    </message>
    <message>
        <source>The position and size of the selected object on the card, in the unit of the card&apos;s layout (Edit, Change Business Card Layout).</source>
        <translation>Position und Größe des ausgewählten Objekts auf der Karte, in der Maßeinheit des Kartenlayouts (Bearbeiten, Visitenkarten-Layout ändern).</translation>
    </message>
    <message>
        <source>in millimetres</source>
        <translation>in Millimetern</translation>
    </message>
    <message>
        <source>in inches</source>
        <translation>in Zoll</translation>
    </message>
</context>
<context>
    <name>qm::TPreviewForm</name>
    <message>
        <source>Label Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Show the page larger</source>
        <translation>Seite größer anzeigen</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Show the page smaller</source>
        <translation>Seite kleiner anzeigen</translation>
    </message>
    <message>
        <source>Page &amp;Width</source>
        <translation>Seiten&amp;breite</translation>
    </message>
    <message>
        <source>Fit the page&apos;s width into the window</source>
        <translation>Seitenbreite an das Fenster anpassen</translation>
    </message>
    <message>
        <source>W&amp;hole Page</source>
        <translation>&amp;Ganze Seite</translation>
    </message>
    <message>
        <source>Show the whole page</source>
        <translation>Ganze Seite anzeigen</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Closes the preview.</source>
        <translation>Schließt die Vorschau.</translation>
    </message>
    <message>
        <source>Shows the page larger. A click with the left mouse button on the page does the same.</source>
        <translation>Zeigt die Seite größer. Ein Klick mit der linken Maustaste auf die Seite bewirkt dasselbe.</translation>
    </message>
    <message>
        <source>Shows the page smaller. A click with the right mouse button on the page does the same.</source>
        <translation>Zeigt die Seite kleiner. Ein Klick mit der rechten Maustaste auf die Seite bewirkt dasselbe.</translation>
    </message>
    <message>
        <source>Makes the page as wide as the window.</source>
        <translation>Macht die Seite so breit wie das Fenster.</translation>
    </message>
    <message>
        <source>Shows the whole page in the window.</source>
        <translation>Zeigt die ganze Seite im Fenster.</translation>
    </message>
    <message>
        <source>Shows the sheet before this one.</source>
        <translation>Zeigt den vorherigen Bogen.</translation>
    </message>
    <message>
        <source>Shows the next sheet.</source>
        <translation>Zeigt den nächsten Bogen.</translation>
    </message>
    <message>
        <source>The sheet as it will print, with one card outlined. Click with the left mouse button to zoom in, with the right one to zoom out.</source>
        <translation>Der Bogen, wie er gedruckt wird, mit einer umrandeten Karte. Klicken Sie mit der linken Maustaste, um zu vergrößern, mit der rechten, um zu verkleinern.</translation>
    </message>
    <message>
        <source>Preview Page %1 of %2</source>
        <translation>Vorschau Seite %1 von %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The zoom, a percentage (&quot;150 %&quot;)</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>qm::TPrintCommands</name>
    <message>
        <source>cards</source>
        <extracomment>The PDF file&apos;s name proposed for a card that has no file yet (&quot;cards.pdf&quot;)</extracomment>
        <translation>Karten</translation>
    </message>
    <message>
        <source>%1 outline</source>
        <extracomment>The PDF file&apos;s name proposed for the outline test page; %1 is the card&apos;s (&quot;Jane outline.pdf&quot;)</extracomment>
        <translation>%1 Umriss</translation>
    </message>
    <message>
        <source>Print to PDF File</source>
        <translation>In PDF-Datei drucken</translation>
    </message>
    <message>
        <source>PDF File</source>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>Turn the Stack Over</source>
        <translation>Stapel wenden</translation>
    </message>
    <message>
        <source>The outline test page was printed to the PDF file
%1</source>
        <extracomment>%1 is the PDF file, on a line of its own</extracomment>
        <translation>Die Umriss-Testseite wurde in die PDF-Datei gedruckt
%1</translation>
    </message>
    <message>
        <source>The cards were printed to the PDF file
%1</source>
        <translation>Die Karten wurden in die PDF-Datei gedruckt
%1</translation>
    </message>
    <message>
        <source>The preview could not be made.

%1: %2</source>
        <extracomment>%1 is the data file, %2 why it could not be read</extracomment>
        <translation>Die Vorschau konnte nicht erstellt werden.

%1: %2</translation>
    </message>
    <message>
        <source>The merge was not printed to its end.

%1: %2</source>
        <extracomment>%1 is the data file, %2 why it could not be read</extracomment>
        <translation>Der Seriendruck wurde nicht bis zum Ende gedruckt.

%1: %2</translation>
    </message>
    <message>
        <source>calibration page</source>
        <extracomment>The PDF file&apos;s name proposed for the calibration page</extracomment>
        <translation>Kalibrierungsseite</translation>
    </message>
    <message>
        <source>The calibration page was not printed: %1</source>
        <translation>Die Kalibrierungsseite wurde nicht gedruckt: %1</translation>
    </message>
    <message>
        <source>The calibration page was printed to the PDF file
%1</source>
        <extracomment>%1 is the PDF file, on a line of its own</extracomment>
        <translation>Die Kalibrierungsseite wurde in die PDF-Datei gedruckt
%1</translation>
    </message>
    <message>
        <source>two-sided calibration page</source>
        <extracomment>The PDF file&apos;s name proposed for the two-sided calibration page</extracomment>
        <translation>beidseitige Kalibrierungsseite</translation>
    </message>
    <message>
        <source>The two-sided calibration page was printed to the PDF file
%1</source>
        <extracomment>%1 is the PDF file, on a line of its own</extracomment>
        <translation>Die beidseitige Kalibrierungsseite wurde in die PDF-Datei gedruckt
%1</translation>
    </message>
</context>
<context>
    <name>qm::TPrintFineTune</name>
    <message>
        <source>Printer Fine-Tuning</source>
        <translation>Drucker-Feinabstimmung</translation>
    </message>
    <message>
        <source>Decrease by 1/32&quot;</source>
        <translation>Um 1/32&quot; verringern</translation>
    </message>
    <message>
        <source>%1: decrease by 1/32 inch</source>
        <extracomment>%1 is the value the arrow changes (&quot;Vertical Spacing&quot;)</extracomment>
        <translation>%1: um 1/32 Zoll verringern</translation>
    </message>
    <message>
        <source>Increase by 1/32&quot;</source>
        <translation>Um 1/32&quot; erhöhen</translation>
    </message>
    <message>
        <source>%1: increase by 1/32 inch</source>
        <extracomment>%1 is the value the arrow changes (&quot;Vertical Spacing&quot;)</extracomment>
        <translation>%1: um 1/32 Zoll erhöhen</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>put the values back</comment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Puts all four values back to zero: the print as the layout says.</source>
        <translation>Setzt alle vier Werte auf null zurück: Gedruckt wird, wie das Layout es vorgibt.</translation>
    </message>
    <message>
        <source>Takes 1/32 inch off this value.</source>
        <translation>Zieht 1/32 Zoll von diesem Wert ab.</translation>
    </message>
    <message>
        <source>Adds 1/32 inch to this value.</source>
        <translation>Addiert 1/32 Zoll zu diesem Wert.</translation>
    </message>
</context>
<context>
    <name>qm::TPrintShopDialog</name>
    <message>
        <source>Export for Print Shop</source>
        <translation>Für die Druckerei exportieren</translation>
    </message>
    <message>
        <source>A PDF file of the card as print shops ask for it: the card&apos;s size exactly, with a bleed around it into which the background goes on, text kept as text in its fonts.</source>
        <translation>Eine PDF-Datei der Karte, wie Druckereien sie verlangen: genau in Kartengröße, mit einem Beschnitt ringsum, in den der Hintergrund hineinreicht, und mit Text als Text in seinen Schriften.</translation>
    </message>
    <message>
        <source> mm</source>
        <extracomment>the unit after the number of millimetres</extracomment>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;Crop marks</source>
        <translation>&amp;Schnittmarken</translation>
    </message>
    <message>
        <source>&amp;Bleed on each side:</source>
        <translation>&amp;Beschnitt je Seite:</translation>
    </message>
    <message>
        <source>How far the background, and every object that touches the card&apos;s edge, goes on beyond the card, so that a cut a little off the line leaves no white edge: 0 to 6 mm in steps of 0.5 mm. Print shops usually ask for 3 mm.</source>
        <translation>Wie weit der Hintergrund und jedes Objekt, das den Kartenrand berührt, über die Karte hinausreichen, damit ein Schnitt etwas neben der Linie keinen weißen Rand hinterlässt: 0 bis 6 mm in Schritten von 0,5 mm. Druckereien verlangen meist 3 mm.</translation>
    </message>
    <message>
        <source>Thin black lines outside the bleed on the extensions of the card&apos;s edges, which show where to cut.</source>
        <translation>Dünne schwarze Linien außerhalb des Beschnitts in Verlängerung der Kartenränder, die zeigen, wo geschnitten wird.</translation>
    </message>
    <message>
        <source>What a print shop may turn down: pictures with fewer than 300 dots per inch as printed, and text closer than 3 mm to the card&apos;s edge, which may be cut off. The file is written all the same when you go on.</source>
        <translation>Was eine Druckerei ablehnen könnte: Bilder mit weniger als 300 dpi im Druck und Text, der näher als 3 mm am Kartenrand liegt und abgeschnitten werden könnte. Die Datei wird trotzdem geschrieben, wenn Sie fortfahren.</translation>
    </message>
    <message>
        <source>Nothing here that a print shop would object to.</source>
        <translation>Nichts, woran eine Druckerei Anstoß nehmen würde.</translation>
    </message>
    <message>
        <source>A print shop may object to these; you can export anyway:</source>
        <translation>Daran könnte eine Druckerei Anstoß nehmen; Sie können trotzdem exportieren:</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>&amp;Export Anyway...</source>
        <translation>Trotzdem &amp;exportieren...</translation>
    </message>
    <message>
        <source>PDF File (%1)</source>
        <extracomment>a file dialog&apos;s filter; %1 is the file name patterns</extracomment>
        <translation>PDF-Datei (%1)</translation>
    </message>
    <message>
        <source>Business card</source>
        <extracomment>the PDF file&apos;s title when the card has no name yet</extracomment>
        <translation>Visitenkarte</translation>
    </message>
    <message>
        <source>The PDF file was not written.

%1</source>
        <translation>Die PDF-Datei wurde nicht geschrieben.

%1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
</context>
<context>
    <name>qm::TPrintStatusWindow</name>
    <message>
        <source>Print Status</source>
        <translation>Druckstatus</translation>
    </message>
    <message>
        <source>Preview Status</source>
        <translation>Vorschaustatus</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stops printing after asking; sheets already sent may still print.</source>
        <translation>Bricht den Druck nach Rückfrage ab; bereits gesendete Bogen werden eventuell noch gedruckt.</translation>
    </message>
    <message>
        <source>Stops making the preview.</source>
        <translation>Bricht die Erstellung der Vorschau ab.</translation>
    </message>
    <message>
        <source>Cancel Business Card Printing?</source>
        <translation>Visitenkartendruck abbrechen?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelling...!</source>
        <translation>Wird abgebrochen...!</translation>
    </message>
</context>
<context>
    <name>qm::TQRCodeProperties</name>
    <message>
        <source>Preview of the QR code</source>
        <translation>Vorschau des QR-Codes</translation>
    </message>
    <message>
        <source>QR Code Properties</source>
        <translation>QR-Code-Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Personal information (vCard)</source>
        <translation>&amp;Persönliche Daten (vCard)</translation>
    </message>
    <message>
        <source>&amp;Web address</source>
        <translation>&amp;Webadresse</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>Text or web address</source>
        <translation>Text oder Webadresse</translation>
    </message>
    <message>
        <source>Low (7 %)</source>
        <translation>Niedrig (7 %)</translation>
    </message>
    <message>
        <source>Medium (15 %)</source>
        <translation>Mittel (15 %)</translation>
    </message>
    <message>
        <source>Quartile (25 %)</source>
        <translation>Quartil (25 %)</translation>
    </message>
    <message>
        <source>High (30 %)</source>
        <translation>Hoch (30 %)</translation>
    </message>
    <message>
        <source>&amp;Error correction:</source>
        <translation>&amp;Fehlerkorrektur:</translation>
    </message>
    <message>
        <source> modules</source>
        <translation> Module</translation>
    </message>
    <message>
        <source>&amp;Quiet zone:</source>
        <translation>&amp;Ruhezone:</translation>
    </message>
    <message>
        <source>&amp;Dark modules:</source>
        <translation>&amp;Dunkle Module:</translation>
    </message>
    <message>
        <source>T&amp;ransparent</source>
        <translation>Tr&amp;ansparent</translation>
    </message>
    <message>
        <source>&amp;Light modules:</source>
        <translation>&amp;Helle Module:</translation>
    </message>
    <message>
        <source>The code carries your personal information as an electronic business card (vCard), which phones offer to save as a contact.</source>
        <translation>Der Code enthält Ihre persönlichen Daten als elektronische Visitenkarte (vCard), die Telefone als Kontakt speichern können.</translation>
    </message>
    <message>
        <source>The code carries a web address, which phones offer to open.</source>
        <translation>Der Code enthält eine Webadresse, die Telefone öffnen können.</translation>
    </message>
    <message>
        <source>The code carries the text typed below as it stands.</source>
        <translation>Der Code enthält den unten eingegebenen Text unverändert.</translation>
    </message>
    <message>
        <source>The web address or text the code carries. Personal information needs no typing: it comes from Edit, Personal Information.</source>
        <translation>Die Webadresse oder der Text, den der Code enthält. Persönliche Daten brauchen Sie nicht einzugeben: Sie kommen aus Bearbeiten, Persönliche Daten.</translation>
    </message>
    <message>
        <source>How much of the code may be dirty or covered and still read: more correction makes a denser code.</source>
        <translation>Wie viel des Codes verschmutzt oder verdeckt sein darf, damit er noch lesbar ist: Mehr Korrektur ergibt einen dichteren Code.</translation>
    </message>
    <message>
        <source>The empty margin around the code, in modules; readers want four.</source>
        <translation>Der leere Rand um den Code, in Modulen; Lesegeräte erwarten vier.</translation>
    </message>
    <message>
        <source>The colour of the dark squares. Keep it darker than the light ones, or phones cannot read the code.</source>
        <translation>Die Farbe der dunklen Quadrate. Halten Sie sie dunkler als die hellen, sonst können Telefone den Code nicht lesen.</translation>
    </message>
    <message>
        <source>The colour of the light squares and the margin.</source>
        <translation>Die Farbe der hellen Quadrate und des Randes.</translation>
    </message>
    <message>
        <source>Leaves the light squares out, so the card shows through. The card must then be light.</source>
        <translation>Lässt die hellen Quadrate weg, sodass die Karte durchscheint. Die Karte muss dann hell sein.</translation>
    </message>
    <message>
        <source>The code as it will print, with what it carries below.</source>
        <translation>Der Code, wie er gedruckt wird, darunter sein Inhalt.</translation>
    </message>
    <message>
        <source>What the code carries and how big it is.</source>
        <translation>Was der Code enthält und wie groß er ist.</translation>
    </message>
    <message>
        <source>%1 x %1 modules</source>
        <translation>%1 x %1 Module</translation>
    </message>
    <message>
        <source>Nothing to encode yet.</source>
        <translation>Noch nichts zu codieren.</translation>
    </message>
    <message>
        <source>Too long for a QR code: shorten the text or lower the error correction.</source>
        <translation>Zu lang für einen QR-Code: Kürzen Sie den Text oder verringern Sie die Fehlerkorrektur.</translation>
    </message>
</context>
<context>
    <name>qm::TRichTextLabelEditor</name>
    <message>
        <source>Rich Text Editor</source>
        <translation>Editor für formatierten Text</translation>
    </message>
    <message>
        <source>Rich text</source>
        <translation>Formatierter Text</translation>
    </message>
    <message>
        <source>Type the text and format it with the tool bar: select text, then pick its font, size, colour and style, or set the alignment of its paragraphs. The box has the width of the object on the card.</source>
        <translation>Geben Sie den Text ein und formatieren Sie ihn mit der Werkzeugleiste: Markieren Sie Text und wählen Sie dann Schrift, Größe, Farbe und Stil, oder legen Sie die Ausrichtung der Absätze fest. Das Feld hat die Breite des Objekts auf der Karte.</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Shows the text larger while you edit it (up to 100%).</source>
        <translation>Zeigt den Text beim Bearbeiten größer (bis 100 %).</translation>
    </message>
    <message>
        <source>Shows the text smaller while you edit it (down to 50%).</source>
        <translation>Zeigt den Text beim Bearbeiten kleiner (bis 50 %).</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Font color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Links ausrichten</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Rechts ausrichten</translation>
    </message>
    <message>
        <source>Justify</source>
        <translation>Blocksatz</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Takes bold, italic and underline off the selected text.</source>
        <translation>Entfernt Fett, Kursiv und Unterstreichung vom markierten Text.</translation>
    </message>
    <message>
        <source>Makes the selected text bold, or plain again.</source>
        <translation>Setzt den markierten Text fett oder wieder normal.</translation>
    </message>
    <message>
        <source>Makes the selected text italic, or upright again.</source>
        <translation>Setzt den markierten Text kursiv oder wieder aufrecht.</translation>
    </message>
    <message>
        <source>Underlines the selected text, or takes the line away.</source>
        <translation>Unterstreicht den markierten Text oder entfernt die Linie wieder.</translation>
    </message>
    <message>
        <source>Lines the paragraph up at the left edge of the box.</source>
        <translation>Richtet den Absatz am linken Rand des Feldes aus.</translation>
    </message>
    <message>
        <source>Lines the paragraph up at the right edge of the box.</source>
        <translation>Richtet den Absatz am rechten Rand des Feldes aus.</translation>
    </message>
    <message>
        <source>Spreads the paragraph&apos;s lines over the whole width of the box.</source>
        <translation>Verteilt die Zeilen des Absatzes über die ganze Breite des Feldes.</translation>
    </message>
    <message>
        <source>Centres the paragraph&apos;s lines in the box.</source>
        <translation>Zentriert die Zeilen des Absatzes im Feld.</translation>
    </message>
    <message>
        <source>Copies the selected text to the clipboard.</source>
        <translation>Kopiert den markierten Text in die Zwischenablage.</translation>
    </message>
    <message>
        <source>Moves the selected text to the clipboard.</source>
        <translation>Verschiebt den markierten Text in die Zwischenablage.</translation>
    </message>
    <message>
        <source>Puts the text of the clipboard where the cursor is.</source>
        <translation>Fügt den Text aus der Zwischenablage an der Cursorposition ein.</translation>
    </message>
    <message>
        <source>The typeface of the selected text.</source>
        <translation>Die Schriftart des markierten Textes.</translation>
    </message>
    <message>
        <source>The size of the selected text, in points.</source>
        <translation>Die Größe des markierten Textes, in Punkt.</translation>
    </message>
    <message>
        <source>The colour of the selected text.</source>
        <translation>Die Farbe des markierten Textes.</translation>
    </message>
</context>
<context>
    <name>qm::TSelectSpecificLabels</name>
    <message>
        <source>Print Cards</source>
        <translation>Karten drucken</translation>
    </message>
    <message>
        <source>Select Cards To Print</source>
        <translation>Zu druckende Karten auswählen</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <comment>all positions</comment>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <comment>no positions</comment>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Number of &amp;pages:</source>
        <translation>Anzahl der &amp;Seiten:</translation>
    </message>
    <message>
        <source>C&amp;rop marks</source>
        <translation>Schnitt&amp;marken</translation>
    </message>
    <message>
        <source>&amp;Sides:</source>
        <translation>Se&amp;iten:</translation>
    </message>
    <message>
        <source>One-sided</source>
        <translation>Einseitig</translation>
    </message>
    <message>
        <source>Two-sided, long edge</source>
        <translation>Beidseitig, lange Kante</translation>
    </message>
    <message>
        <source>Two-sided, short edge</source>
        <translation>Beidseitig, kurze Kante</translation>
    </message>
    <message>
        <source>Two-sided, turned by hand</source>
        <translation>Beidseitig, von Hand gewendet</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The sheet with every card position. Red positions are printed: click one to switch it on or off, so that a sheet with some cards already used can be fed again.</source>
        <translation>Der Bogen mit allen Kartenpositionen. Rote Positionen werden bedruckt: Klicken Sie auf eine, um sie ein- oder auszuschalten, damit sich ein Bogen, auf dem schon einige Karten verbraucht sind, erneut einlegen lässt.</translation>
    </message>
    <message>
        <source>Prints on every position of the sheet.</source>
        <translation>Druckt auf jede Position des Bogens.</translation>
    </message>
    <message>
        <source>Switches every position off; then click the ones to print.</source>
        <translation>Schaltet alle Positionen aus; klicken Sie dann auf die zu druckenden.</translation>
    </message>
    <message>
        <source>Where the cards go: the printer, or a PDF file.</source>
        <translation>Wohin die Karten gehen: an den Drucker oder in eine PDF-Datei.</translation>
    </message>
    <message>
        <source>Chooses the printer (or a PDF file) and its paper.</source>
        <translation>Wählt den Drucker (oder eine PDF-Datei) und sein Papier.</translation>
    </message>
    <message>
        <source>How many sheets to print.</source>
        <translation>Wie viele Bogen gedruckt werden.</translation>
    </message>
    <message>
        <source>Short lines in the sheet&apos;s margins and in the gaps between the cards, on the extensions of the cards&apos; edges, to cut along with a trimmer. They never cross a card.</source>
        <translation>Kurze Linien in den Rändern des Bogens und in den Lücken zwischen den Karten, in Verlängerung der Kartenränder, zum Schneiden mit einer Schneidemaschine. Sie kreuzen nie eine Karte.</translation>
    </message>
    <message>
        <source>Prints the card&apos;s back behind every card: after each sheet&apos;s page of fronts a page of backs for a printer that turns the sheet over its long or its short edge, or all fronts first and then all backs for a printer without that unit (you turn the stack over). Only a card with a back prints two-sided.</source>
        <translation>Druckt die Rückseite der Karte hinter jede Karte: nach der Seite mit den Vorderseiten jedes Bogens eine Seite mit Rückseiten, für einen Drucker, der den Bogen an der langen oder kurzen Kante wendet, oder erst alle Vorderseiten und dann alle Rückseiten für einen Drucker ohne diese Einheit (Sie wenden den Stapel). Nur eine Karte mit Rückseite wird beidseitig gedruckt.</translation>
    </message>
    <message>
        <source>Prints the chosen positions on as many sheets as you asked for.</source>
        <translation>Druckt die gewählten Positionen auf so viele Bogen, wie Sie angegeben haben.</translation>
    </message>
    <message>
        <source>The card has no back</source>
        <translation>Die Karte hat keine Rückseite</translation>
    </message>
</context>
<context>
    <name>qm::TSheetSelection</name>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A card&apos;s position on the sheet, as a screen reader names it</extracomment>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>You must select at least one card to print</source>
        <translation>Wählen Sie mindestens eine Karte zum Drucken aus</translation>
    </message>
</context>
<context>
    <name>qm::TSplashform</name>
    <message>
        <source>About Quillmark</source>
        <translation>Über Quillmark</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>%1-bit version</source>
        <translation>%1-Bit-Version</translation>
    </message>
    <message>
        <source>Business cards, designed and printed.</source>
        <translation>Visitenkarten, entworfen und gedruckt.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. There is no warranty.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder neuer. Es gibt keine Garantie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Quillmark version %1 (%2-bit)</source>
        <translation>Quillmark Version %1 (%2 Bit)</translation>
    </message>
    <message>
        <source>Display platform: %1</source>
        <translation>Anzeigeplattform: %1</translation>
    </message>
    <message>
        <source>Screen: %1 x %2 pixels, %3 pixels per inch, device pixel ratio %4</source>
        <translation>Bildschirm: %1 x %2 Pixel, %3 Pixel pro Zoll, Gerätepixelverhältnis %4</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <translation>Datenordner: %1</translation>
    </message>
    <message>
        <source>Installed printers: %1</source>
        <translation>Installierte Drucker: %1</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no printers</comment>
        <translation>keine</translation>
    </message>
    <message>
        <source>Default printer: %1</source>
        <translation>Standarddrucker: %1</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no default printer</comment>
        <translation>keiner</translation>
    </message>
</context>
<context>
    <name>qm::TSuperTextBrushImageBrowser</name>
    <message>
        <source>The text with the texture selected</source>
        <translation>Der Text mit der ausgewählten Textur</translation>
    </message>
</context>
<context>
    <name>qm::TSuperTextProperties</name>
    <message>
        <source>Preview of the text</source>
        <translation>Vorschau des Textes</translation>
    </message>
    <message>
        <source>SuperText Properties</source>
        <translation>SuperText-Eigenschaften</translation>
    </message>
    <message>
        <source>The text of the object: one line, drawn in the chosen surface.</source>
        <translation>Der Text des Objekts: eine Zeile, gezeichnet mit der gewählten Oberfläche.</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textur</translation>
    </message>
    <message>
        <source>Gradient Fill</source>
        <translation>Farbverlauf</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Textur laden</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Down and Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Down and Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Solid Line</source>
        <translation>Durchgezogen</translation>
    </message>
    <message>
        <source>Dash Line</source>
        <translation>Gestrichelt</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>Gepunktet</translation>
    </message>
    <message>
        <source>DashDot Line</source>
        <translation>Strich-Punkt</translation>
    </message>
    <message>
        <source>DashDotDot Line</source>
        <translation>Strich-Punkt-Punkt</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Schrift auswählen</translation>
    </message>
    <message>
        <source>Font 5 points larger</source>
        <translation>Schrift 5 Punkt größer</translation>
    </message>
    <message>
        <source>5 points larger</source>
        <translation>5 Punkt größer</translation>
    </message>
    <message>
        <source>Font 5 points smaller</source>
        <translation>Schrift 5 Punkt kleiner</translation>
    </message>
    <message>
        <source>5 points smaller</source>
        <translation>5 Punkt kleiner</translation>
    </message>
    <message>
        <source>Select Symbol</source>
        <translation>Symbol auswählen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Surface Type</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Fill Direction</source>
        <translation>Verlaufsrichtung</translation>
    </message>
    <message>
        <source>From Color</source>
        <translation>Startfarbe</translation>
    </message>
    <message>
        <source>To Color</source>
        <translation>Endfarbe</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Schattenfarbe</translation>
    </message>
    <message>
        <source>Shadow Orientation</source>
        <translation>Schattenausrichtung</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Schattentiefe</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Umrissfarbe</translation>
    </message>
    <message>
        <source>OutLine Style</source>
        <translation>Umrissstil</translation>
    </message>
    <message>
        <source>Outline Width</source>
        <translation>Umrissbreite</translation>
    </message>
    <message>
        <source>The text as it will look with these settings.</source>
        <translation>Der Text, wie er mit diesen Einstellungen aussieht.</translation>
    </message>
    <message>
        <source>The colour of the letters when the surface is Normal.</source>
        <translation>Die Farbe der Buchstaben, wenn die Oberfläche Normal ist.</translation>
    </message>
    <message>
        <source>Chooses the picture tiled inside the letters.</source>
        <translation>Wählt das Bild, das in die Buchstaben gekachelt wird.</translation>
    </message>
    <message>
        <source>Which way the gradient runs from its first colour to its second.</source>
        <translation>In welche Richtung der Farbverlauf von seiner ersten zu seiner zweiten Farbe läuft.</translation>
    </message>
    <message>
        <source>The colour the gradient starts with.</source>
        <translation>Die Farbe, mit der der Farbverlauf beginnt.</translation>
    </message>
    <message>
        <source>The colour the gradient ends with.</source>
        <translation>Die Farbe, mit der der Farbverlauf endet.</translation>
    </message>
    <message>
        <source>The colour of the drop shadow.</source>
        <translation>Die Farbe des Schlagschattens.</translation>
    </message>
    <message>
        <source>Where the shadow falls; None draws no shadow.</source>
        <translation>Wohin der Schatten fällt; Keine zeichnet keinen Schatten.</translation>
    </message>
    <message>
        <source>How far, in pixels, the shadow lies from the letters.</source>
        <translation>Wie weit der Schatten von den Buchstaben entfernt liegt, in Pixeln.</translation>
    </message>
    <message>
        <source>The colour of the line around each letter.</source>
        <translation>Die Farbe der Linie um jeden Buchstaben.</translation>
    </message>
    <message>
        <source>Solid, dashed or dotted line around the letters; Clear draws none.</source>
        <translation>Durchgezogene, gestrichelte oder gepunktete Linie um die Buchstaben; Keine zeichnet keine.</translation>
    </message>
    <message>
        <source>How thick the line around the letters is, in pixels.</source>
        <translation>Wie dick die Linie um die Buchstaben ist, in Pixeln.</translation>
    </message>
    <message>
        <source>Chooses the font, its size and style.</source>
        <translation>Wählt die Schrift, ihre Größe und ihren Stil.</translation>
    </message>
    <message>
        <source>Makes the letters 5 points larger.</source>
        <translation>Macht die Buchstaben 5 Punkt größer.</translation>
    </message>
    <message>
        <source>Makes the letters 5 points smaller.</source>
        <translation>Macht die Buchstaben 5 Punkt kleiner.</translation>
    </message>
    <message>
        <source>Puts a symbol (from Wingdings, Webdings or Symbol) in place of the text.</source>
        <translation>Setzt ein Symbol (aus Wingdings, Webdings oder Symbol) an die Stelle des Textes.</translation>
    </message>
    <message>
        <source>Please enter some text</source>
        <translation>Bitte geben Sie einen Text ein</translation>
    </message>
    <message>
        <source>What fills the letters: the font colour, nothing (only outline and shadow show), a tiled texture picture or a gradient between two colours.</source>
        <translation>Womit die Buchstaben gefüllt werden: mit der Schriftfarbe, mit nichts (nur Kontur und Schatten sind zu sehen), mit einem gekachelten Texturbild oder mit einem Verlauf zwischen zwei Farben.</translation>
    </message>
</context>
<context>
    <name>qm::TWarnBottomMargin</name>
    <message>
        <source>ALERT</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>Don&apos;t show this warning again</source>
        <translation>Diese Warnung nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel Printing</source>
        <translation>Druck abbrechen</translation>
    </message>
    <message>
        <source>Prints anyway; the bottom of the lowest cards may be missing.</source>
        <translation>Druckt trotzdem; der untere Teil der untersten Karten kann fehlen.</translation>
    </message>
    <message>
        <source>Prints nothing. Leave out the bottom row in Print Cards and print again.</source>
        <translation>Druckt nichts. Lassen Sie unter „Karten drucken“ die unterste Zeile aus und drucken Sie erneut.</translation>
    </message>
    <message>
        <source>Never shows this warning again (your printer prints the bottom row well).</source>
        <translation>Zeigt diese Warnung nie wieder (Ihr Drucker druckt die unterste Zeile gut).</translation>
    </message>
</context>
<context>
    <name>qm::TextureImageDialog</name>
    <message>
        <source>Load Texture Image</source>
        <translation>Texturbild laden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Textures</source>
        <translation>Texturen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Takes the selected picture as the texture.</source>
        <translation>Übernimmt das ausgewählte Bild als Textur.</translation>
    </message>
    <message>
        <source>The object filled with the selected texture.</source>
        <translation>Das Objekt, gefüllt mit der ausgewählten Textur.</translation>
    </message>
</context>
<context>
    <name>qm::VCardSource</name>
    <message>
        <source>vCard %L1: a value was cut at %L2 KB.</source>
        <translation>vCard %L1: Ein Wert wurde bei %L2 KB abgeschnitten.</translation>
    </message>
    <message>
        <source>The file holds no vCard.</source>
        <translation>Die Datei enthält keine vCard.</translation>
    </message>
</context>
</TS>
