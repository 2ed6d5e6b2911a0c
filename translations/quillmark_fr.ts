<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>qm::AtomicFileWriter</name>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the reason (&quot;it is a folder&quot;, or the system&apos;s own words)</extracomment>
        <translation>Impossible d&apos;enregistrer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>aucun nom de fichier indiqué</translation>
    </message>
    <message>
        <source>it is a named pipe that no program is reading from</source>
        <translation>c&apos;est un tube nommé qu&apos;aucun programme ne lit</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is a disk device, not a file</source>
        <translation>c&apos;est un périphérique de disque, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>qm::BasePanelWidget</name>
    <message>
        <source>Card design</source>
        <extracomment>The card being designed, as a screen reader names it.</extracomment>
        <translation>Conception de la carte</translation>
    </message>
    <message>
        <source>Tab and Shift+Tab step through the objects, arrows move and Shift+arrows size the selected one, Enter opens it, Ctrl+Tab leaves the card.</source>
        <translation>Tab et Maj+Tab parcourent les objets, les flèches déplacent l&apos;objet sélectionné et Maj+flèches le redimensionnent, Entrée l&apos;ouvre, Ctrl+Tab quitte la carte.</translation>
    </message>
</context>
<context>
    <name>qm::CalibrationPage</name>
    <message>
        <source>%1 in</source>
        <comment>inches on a ruler</comment>
        <translation>%1 po</translation>
    </message>
    <message>
        <source>mm from the left edge</source>
        <translation>mm depuis le bord gauche</translation>
    </message>
    <message>
        <source>inches from the left edge</source>
        <translation>pouces depuis le bord gauche</translation>
    </message>
    <message>
        <source>%1 mm across, %2 mm down</source>
        <extracomment>Beside a cross-hair: where its centre is, in millimetres from the paper&apos;s edges</extracomment>
        <translation>%1 mm en largeur, %2 mm en hauteur</translation>
    </message>
    <message>
        <source>Quillmark calibration page for %1</source>
        <extracomment>The title printed on the calibration page; %1 is the printer&apos;s name</extracomment>
        <translation>Page d&apos;étalonnage Quillmark pour %1</translation>
    </message>
    <message>
        <source>This page is printed without any fine tuning. With a good ruler, measure in millimetres:</source>
        <translation>Cette page est imprimée sans aucun réglage fin. Avec une bonne règle, mesurez en millimètres&#xa0;:</translation>
    </message>
    <message>
        <source>1. from the LEFT edge of the paper to the upright line of cross-hair A, then of B;</source>
        <translation>1. du bord GAUCHE du papier à la ligne verticale de la mire A, puis à celle de la mire B&#xa0;;</translation>
    </message>
    <message>
        <source>2. from the TOP edge of the paper to the level line of cross-hair A, then of C.</source>
        <translation>2. du bord HAUT du papier à la ligne horizontale de la mire A, puis à celle de la mire C.</translation>
    </message>
    <message>
        <source>A printer that prints true gives A %1 and B %2 across, A %3 and C %4 down.</source>
        <extracomment>%1 to %4 are distances in millimetres</extracomment>
        <translation>Une imprimante exacte donne A %1 et B %2 en largeur, A %3 et C %4 en hauteur.</translation>
    </message>
    <message>
        <source>3. Enter the four readings in File, Printer Fine Tuning, under &quot;Readings from the calibration page&quot;,
    click Use Readings and then Ok: the offsets and scales for this printer are worked out and kept.</source>
        <extracomment>Printed on the calibration page line by line: keep each line about as long as the English one. The names in quotes are those of the Printer Fine-Tuning dialog.</extracomment>
        <translation>3. Dans Fichier, Réglage fin de l&apos;imprimante, saisissez les quatre relevés sous
    «&#xa0;Relevés de la page d&apos;étalonnage&#xa0;», cliquez sur Utiliser les relevés puis sur OK&#xa0;:
    les décalages et les échelles de cette imprimante sont calculés et enregistrés.</translation>
    </message>
    <message>
        <source>The rulers count from the top and left edges of the paper: where the paper&apos;s edge meets them shows the shift.</source>
        <translation>Les règles partent des bords haut et gauche du papier&#xa0;: là où le bord du papier les croise se lit le décalage.</translation>
    </message>
    <message>
        <source>Quillmark calibration page</source>
        <extracomment>The print job&apos;s name in the printer&apos;s queue</extracomment>
        <translation>Page d&apos;étalonnage Quillmark</translation>
    </message>
    <message>
        <source>Quillmark two-sided calibration page for %1</source>
        <extracomment>The title printed on the back of the two-sided calibration page; %1 is the printer&apos;s name</extracomment>
        <translation>Page d&apos;étalonnage recto verso Quillmark pour %1</translation>
    </message>
    <message>
        <source>Hold the sheet against the light with this side facing you: beside each letter
the cross-hair printed on the front shows through. Read in millimetres where its
upright line crosses the scale across (right is +) and where its level line crosses
the scale down (down is +). Enter the readings of A in File, Printer Fine Tuning,
under &quot;Back side&quot;, and click Use Back Readings: they are added to the back offset.
B and C should read alike. Print the page again: every reading should be 0.</source>
        <extracomment>Printed on the page line by line: keep each line about as long as the English one. The names in quotes are those of the Printer Fine-Tuning dialog.</extracomment>
        <translation>Tenez la feuille face à la lumière, cette face tournée vers vous&#xa0;: à côté de chaque lettre,
la mire imprimée au recto apparaît par transparence. Relevez en millimètres où sa ligne
verticale croise l&apos;échelle horizontale (+ vers la droite) et où sa ligne horizontale croise
l&apos;échelle verticale (+ vers le bas). Saisissez les relevés de A dans Fichier, Réglage fin de
l&apos;imprimante, sous «&#xa0;Verso&#xa0;», et cliquez sur Utiliser les relevés du verso&#xa0;: ils s&apos;ajoutent
au décalage du verso. B et C doivent donner les mêmes valeurs. Imprimez de nouveau la page&#xa0;:
chaque relevé doit alors valoir 0.</translation>
    </message>
    <message>
        <source>Front of the two-sided calibration page for %1</source>
        <extracomment>Printed on the front of the two-sided calibration page; %1 is the printer&apos;s name</extracomment>
        <translation>Recto de la page d&apos;étalonnage recto verso pour %1</translation>
    </message>
    <message>
        <source>Quillmark two-sided calibration page</source>
        <translation>Page d&apos;étalonnage recto verso Quillmark</translation>
    </message>
    <message>
        <source>The back offset would be more than %1 mm: check the readings.</source>
        <translation>Le décalage du verso dépasserait %1 mm&#xa0;: vérifiez les relevés.</translation>
    </message>
</context>
<context>
    <name>qm::CalibrationPanel</name>
    <message>
        <source>Offset across</source>
        <translation>Décalage en largeur</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Décalage en hauteur</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Échelle en largeur</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Échelle en hauteur</translation>
    </message>
    <message>
        <source>A across</source>
        <translation>A en largeur</translation>
    </message>
    <message>
        <source>B across</source>
        <translation>B en largeur</translation>
    </message>
    <message>
        <source>A down</source>
        <translation>A en hauteur</translation>
    </message>
    <message>
        <source>C down</source>
        <translation>C en hauteur</translation>
    </message>
    <message>
        <source>Back offset across</source>
        <translation>Décalage du verso en largeur</translation>
    </message>
    <message>
        <source>Back offset down</source>
        <translation>Décalage du verso en hauteur</translation>
    </message>
    <message>
        <source>Back reading across</source>
        <translation>Relevé du verso en largeur</translation>
    </message>
    <message>
        <source>Back reading down</source>
        <translation>Relevé du verso en hauteur</translation>
    </message>
    <message>
        <source>Millimetres every card moves to the right (a minus sign moves it left).</source>
        <translation>Millimètres dont chaque carte se déplace vers la droite (un signe moins la déplace vers la gauche).</translation>
    </message>
    <message>
        <source>Millimetres every card moves down (a minus sign moves it up).</source>
        <translation>Millimètres dont chaque carte se déplace vers le bas (un signe moins la déplace vers le haut).</translation>
    </message>
    <message>
        <source>Percent by which distances across the paper are stretched (100 leaves them as they are).</source>
        <translation>Pourcentage d&apos;étirement des distances dans la largeur du papier (100 les laisse telles quelles).</translation>
    </message>
    <message>
        <source>Percent by which distances down the paper are stretched (100 leaves them as they are).</source>
        <translation>Pourcentage d&apos;étirement des distances dans la hauteur du papier (100 les laisse telles quelles).</translation>
    </message>
    <message>
        <source>The distance in millimetres from the paper&apos;s left edge to the centre of cross-hair A, as you measure it.</source>
        <translation>La distance en millimètres du bord gauche du papier au centre de la mire A, telle que vous la mesurez.</translation>
    </message>
    <message>
        <source>The distance in millimetres from the paper&apos;s left edge to the centre of cross-hair B, as you measure it.</source>
        <translation>La distance en millimètres du bord gauche du papier au centre de la mire B, telle que vous la mesurez.</translation>
    </message>
    <message>
        <source>The distance in millimetres from the paper&apos;s top edge to the centre of cross-hair A, as you measure it.</source>
        <translation>La distance en millimètres du bord haut du papier au centre de la mire A, telle que vous la mesurez.</translation>
    </message>
    <message>
        <source>The distance in millimetres from the paper&apos;s top edge to the centre of cross-hair C, as you measure it.</source>
        <translation>La distance en millimètres du bord haut du papier au centre de la mire C, telle que vous la mesurez.</translation>
    </message>
    <message>
        <source>Millimetres the back of a two-sided sheet moves to the right, as the back reads, on top of the offset above.</source>
        <translation>Millimètres dont le verso d&apos;une feuille recto verso se déplace vers la droite, dans le sens de lecture du verso, en plus du décalage ci-dessus.</translation>
    </message>
    <message>
        <source>Millimetres the back of a two-sided sheet moves down, on top of the offset above.</source>
        <translation>Millimètres dont le verso d&apos;une feuille recto verso se déplace vers le bas, en plus du décalage ci-dessus.</translation>
    </message>
    <message>
        <source>On the two-sided calibration page held to the light: where the upright line of cross-hair A falls on the scale across (right is +).</source>
        <translation>Sur la page d&apos;étalonnage recto verso tenue face à la lumière&#xa0;: où la ligne verticale de la mire A tombe sur l&apos;échelle horizontale (+ vers la droite).</translation>
    </message>
    <message>
        <source>On the two-sided calibration page held to the light: where the level line of cross-hair A falls on the scale down (down is +).</source>
        <translation>Sur la page d&apos;étalonnage recto verso tenue face à la lumière&#xa0;: où la ligne horizontale de la mire A tombe sur l&apos;échelle verticale (+ vers le bas).</translation>
    </message>
    <message>
        <source>These settings are for: &lt;b&gt;%1&lt;/b&gt;</source>
        <extracomment>%1 is the printer&apos;s name</extracomment>
        <translation>Ces réglages valent pour&#xa0;: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Each printer keeps its own fine tuning. Choose another printer with File, Printer Setup.</source>
        <translation>Chaque imprimante garde son propre réglage fin. Choisissez une autre imprimante avec Fichier, Configuration de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>Moves every card by an offset (right and down) and stretches its distance from the paper&apos;s top-left corner by a scale, for a printer whose feed stretches the page.</source>
        <translation>Déplace chaque carte d&apos;un décalage (vers la droite et vers le bas) et multiplie sa distance au coin supérieur gauche du papier par une échelle, pour une imprimante dont l&apos;entraînement étire la page.</translation>
    </message>
    <message>
        <source>%1 (mm):</source>
        <extracomment>An entry&apos;s label: %1 is its name (&quot;Offset across&quot;)</extracomment>
        <translation>%1 (mm)&#xa0;:</translation>
    </message>
    <message>
        <source>%1 (%):</source>
        <translation>%1 (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Readings from the calibration page (mm)</source>
        <translation>Relevés de la page d&apos;étalonnage (mm)</translation>
    </message>
    <message>
        <source>Print the calibration page, measure cross-hairs A and B from the paper&apos;s left edge and A and C from its top edge, enter what you read and click Use Readings.</source>
        <translation>Imprimez la page d&apos;étalonnage, mesurez les mires A et B depuis le bord gauche du papier et A et C depuis son bord haut, saisissez vos relevés et cliquez sur Utiliser les relevés.</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>An entry&apos;s label: %1 is its name (&quot;A across&quot;)</extracomment>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>Print Calibration Page</source>
        <translation>Imprimer la page d&apos;étalonnage</translation>
    </message>
    <message>
        <source>Use Readings</source>
        <translation>Utiliser les relevés</translation>
    </message>
    <message>
        <source>Prints rulers and three cross-hairs at known places, without any fine tuning, on the printer these settings are for.</source>
        <translation>Imprime des règles et trois mires à des endroits connus, sans aucun réglage fin, sur l&apos;imprimante à laquelle ces réglages s&apos;appliquent.</translation>
    </message>
    <message>
        <source>Works out the offsets and scales from the four readings and puts them in the entries above.</source>
        <translation>Calcule les décalages et les échelles à partir des quatre relevés et les inscrit dans les zones ci-dessus.</translation>
    </message>
    <message>
        <source>Back side (two-sided printing, mm)</source>
        <translation>Verso (impression recto verso, mm)</translation>
    </message>
    <message>
        <source>Where the back of a two-sided sheet lands behind its front. Print the two-sided page, hold it to the light, read where cross-hair A falls on the scales of the back and click Use Back Readings.</source>
        <translation>Où le verso d&apos;une feuille recto verso tombe derrière son recto. Imprimez la page recto verso, tenez-la face à la lumière, relevez où la mire A tombe sur les échelles du verso et cliquez sur Utiliser les relevés du verso.</translation>
    </message>
    <message>
        <source>Print Two-Sided Page</source>
        <translation>Imprimer la page recto verso</translation>
    </message>
    <message>
        <source>Prints cross-hairs on the front of a sheet and scales behind them on its back, with the values entered here.</source>
        <translation>Imprime des mires au recto d&apos;une feuille et, derrière elles au verso, des échelles, avec les valeurs saisies ici.</translation>
    </message>
    <message>
        <source>Use Back Readings</source>
        <translation>Utiliser les relevés du verso</translation>
    </message>
    <message>
        <source>Adds the two readings to the back offsets.</source>
        <translation>Ajoute les deux relevés aux décalages du verso.</translation>
    </message>
    <message>
        <source>%1 must be the distance you measured, in millimetres, such as %2.</source>
        <extracomment>%1 names the entry (&quot;A across&quot;), %2 is a number (&quot;30.0&quot;)</extracomment>
        <translation>%1 doit être la distance que vous avez mesurée, en millimètres, par exemple %2.</translation>
    </message>
    <message>
        <source>%1 must be the reading on the scale, in millimetres, such as -0.5.</source>
        <extracomment>%1 names the entry (&quot;Back reading across&quot;)</extracomment>
        <translation>%1 doit être le relevé lu sur l&apos;échelle, en millimètres, par exemple -0,5.</translation>
    </message>
</context>
<context>
    <name>qm::CardBackground</name>
    <message>
        <source>no such background picture</source>
        <translation>image de fond introuvable</translation>
    </message>
    <message>
        <source>not a picture file</source>
        <translation>ce n&apos;est pas un fichier image</translation>
    </message>
    <message>
        <source>the background picture cannot be read (%1)</source>
        <translation>l&apos;image de fond est illisible (%1)</translation>
    </message>
    <message>
        <source>the background picture is too large</source>
        <translation>l&apos;image de fond est trop grande</translation>
    </message>
    <message>
        <source>%1: no such background picture</source>
        <translation>%1&#xa0;: image de fond introuvable</translation>
    </message>
    <message>
        <source>%1; the card is drawn without it</source>
        <extracomment>%1 says which background picture cannot be used and why</extracomment>
        <translation>%1&#xa0;; la carte est dessinée sans elle</translation>
    </message>
</context>
<context>
    <name>qm::CardDocument</name>
    <message>
        <source>QMK File (%1)</source>
        <extracomment>a file dialog&apos;s filter; %1 is the file name patterns</extracomment>
        <translation>Fichier QMK (%1)</translation>
    </message>
    <message>
        <source>bold</source>
        <comment>font style</comment>
        <translation>gras</translation>
    </message>
    <message>
        <source>italic</source>
        <comment>font style</comment>
        <translation>italique</translation>
    </message>
    <message>
        <source>underline</source>
        <comment>font style</comment>
        <translation>souligné</translation>
    </message>
    <message>
        <source>Quillmark (Back)</source>
        <translation>Quillmark (verso)</translation>
    </message>
    <message>
        <source>Quillmark (Front)</source>
        <translation>Quillmark (recto)</translation>
    </message>
    <message>
        <source>Quillmark - %1 (Back)</source>
        <extracomment>the window&apos;s title; %1 is the card&apos;s file name</extracomment>
        <translation>Quillmark - %1 (verso)</translation>
    </message>
    <message>
        <source>Quillmark - %1 (Front)</source>
        <translation>Quillmark - %1 (recto)</translation>
    </message>
    <message>
        <source>Quillmark - %1</source>
        <translation>Quillmark - %1</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>the card</comment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Clear Background</source>
        <comment>undo step</comment>
        <translation>Suppression de l&apos;image de fond</translation>
    </message>
    <message>
        <source>Background Art</source>
        <comment>undo step</comment>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>The template could not be opened.

%1</source>
        <translation>Le modèle n&apos;a pas pu être ouvert.

%1</translation>
    </message>
    <message>
        <source>gLabels design (%1)</source>
        <translation>Conception gLabels (%1)</translation>
    </message>
    <message>
        <source>Must be a QMK (Quillmark) file</source>
        <translation>Le fichier doit être un fichier QMK (Quillmark)</translation>
    </message>
    <message>
        <source>Open Business Card</source>
        <translation>Ouvrir une carte de visite</translation>
    </message>
    <message>
        <source>Unable to open %1. Possibly corrupted, possibly not a QMK file

%2</source>
        <translation>Impossible d&apos;ouvrir %1. Le fichier est peut-être endommagé, ou ce n&apos;est pas un fichier QMK

%2</translation>
    </message>
    <message>
        <source>The layout of %1 cannot be used: %2

The card opens with your default layout; saving it writes that layout.</source>
        <translation>La mise en page de %1 est inutilisable&#xa0;: %2

La carte s&apos;ouvre avec votre mise en page par défaut&#xa0;; l&apos;enregistrer écrit cette mise en page.</translation>
    </message>
    <message>
        <source>%1 no longer exists</source>
        <translation>%1 n&apos;existe plus</translation>
    </message>
    <message>
        <source>1 object lies outside the card and does not show on it.

Remove it before saving? (Undo brings it back.)
Yes removes it, No keeps it in the card file, Cancel does not save.</source>
        <translation>1 objet se trouve hors de la carte et n&apos;y apparaît pas.

Le supprimer avant d&apos;enregistrer&#xa0;? (Édition, Annuler le fait revenir.)
Oui le supprime, Non le garde dans le fichier de carte, Annuler n&apos;enregistre pas.</translation>
    </message>
    <message numerus="yes">
        <source>%n objects lie outside the card and do not show on it.

Remove them before saving? (Undo brings them back.)
Yes removes them, No keeps them in the card file, Cancel does not save.</source>
        <translation>
            <numerusform>%n objet se trouve hors de la carte et n&apos;y apparaît pas.

Le supprimer avant d&apos;enregistrer&#xa0;? (Édition, Annuler le fait revenir.)
Oui le supprime, Non le garde dans le fichier de carte, Annuler n&apos;enregistre pas.</numerusform>
            <numerusform>%n objets se trouvent hors de la carte et n&apos;y apparaissent pas.

Les supprimer avant d&apos;enregistrer&#xa0;? (Édition, Annuler les fait revenir.)
Oui les supprime, Non les garde dans le fichier de carte, Annuler n&apos;enregistre pas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects Outside the Card</source>
        <translation>Objets hors de la carte</translation>
    </message>
    <message>
        <source>The card was not saved.

%1</source>
        <translation>La carte n&apos;a pas été enregistrée.

%1</translation>
    </message>
    <message>
        <source>Save Business Card As</source>
        <translation>Enregistrer la carte de visite sous</translation>
    </message>
    <message>
        <source>Delete Business Card</source>
        <translation>Supprimer une carte de visite</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Supprimer %1&#xa0;?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Unable to delete %1: %2</source>
        <translation>Impossible de supprimer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cancel all changes?</source>
        <translation>Abandonner toutes les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel Changes</source>
        <translation>Abandonner les modifications</translation>
    </message>
    <message>
        <source>Save As Template</source>
        <translation>Enregistrer comme modèle</translation>
    </message>
    <message>
        <source>QMKT File (%1)</source>
        <extracomment>a file dialog&apos;s filter; %1 is the file name patterns</extracomment>
        <translation>Fichier QMKT (%1)</translation>
    </message>
    <message>
        <source>The template was not saved.

%1</source>
        <translation>Le modèle n&apos;a pas été enregistré.

%1</translation>
    </message>
    <message>
        <source>The back of the template was not saved.

%1</source>
        <translation>Le verso du modèle n&apos;a pas été enregistré.

%1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Enregistré sous %1</translation>
    </message>
    <message>
        <source>Save the current card layout as your default layout?</source>
        <translation>Faire de la mise en page actuelle votre mise en page par défaut&#xa0;?</translation>
    </message>
    <message>
        <source>Card Layout</source>
        <translation>Mise en page des cartes</translation>
    </message>
    <message>
        <source>The layout was not saved.

%1</source>
        <translation>La mise en page n&apos;a pas été enregistrée.

%1</translation>
    </message>
    <message>
        <source>The default font was not stored.

%1</source>
        <translation>La police par défaut n&apos;a pas été enregistrée.

%1</translation>
    </message>
    <message>
        <source>Note: the default font is used for NEW objects only.
To change the font of an existing object, click it
with the RIGHT MOUSE BUTTON and select FONT</source>
        <extracomment>FONT is the Font command of an object&apos;s right-click menu</extracomment>
        <translation>Remarque&#xa0;: la police par défaut ne sert qu&apos;aux NOUVEAUX objets.
Pour changer la police d&apos;un objet existant, cliquez dessus
avec le BOUTON DROIT de la souris et choisissez POLICE</translation>
    </message>
    <message>
        <source>Change All Fonts</source>
        <comment>undo step</comment>
        <translation>Changement de toutes les polices</translation>
    </message>
    <message>
        <source>Card Layout</source>
        <comment>undo step</comment>
        <translation>Mise en page des cartes</translation>
    </message>
    <message>
        <source>Save Card As Bitmap</source>
        <translation>Enregistrer la carte en BMP</translation>
    </message>
    <message>
        <source>Save Card As JPG</source>
        <translation>Enregistrer la carte en JPG</translation>
    </message>
    <message>
        <source>Save Card As PNG</source>
        <translation>Enregistrer la carte en PNG</translation>
    </message>
    <message>
        <source>Bitmap File (%1)</source>
        <extracomment>a file dialog&apos;s filter; %1 is the file name patterns</extracomment>
        <translation>Fichier BMP (%1)</translation>
    </message>
    <message>
        <source>JPG File (%1)</source>
        <translation>Fichier JPG (%1)</translation>
    </message>
    <message>
        <source>PNG File (%1)</source>
        <translation>Fichier PNG (%1)</translation>
    </message>
    <message>
        <source>BusinessCard</source>
        <comment>file name proposed for the picture of an unnamed card</comment>
        <translation>CarteDeVisite</translation>
    </message>
    <message>
        <source>Would you like to draw a border around the card?</source>
        <translation>Voulez-vous tracer une bordure autour de la carte&#xa0;?</translation>
    </message>
    <message>
        <source>%1

Save the picture %2 times as large (%3 x %4 pixels), so that the code scans?</source>
        <extracomment>%1 says which QR code is too small to scan</extracomment>
        <translation>%1

Enregistrer l&apos;image %2 fois plus grande (%3 x %4 pixels), pour que le code soit lisible&#xa0;?</translation>
    </message>
    <message>
        <source>QR Code</source>
        <translation>Code QR</translation>
    </message>
    <message>
        <source>%1

Save the picture anyway?</source>
        <extracomment>%1 says which QR code is too small to scan</extracomment>
        <translation>%1

Enregistrer l&apos;image quand même&#xa0;?</translation>
    </message>
    <message>
        <source>The picture was not saved.

%1</source>
        <translation>L&apos;image n&apos;a pas été enregistrée.

%1</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>zoom</comment>
        <extracomment>a zoom percentage; %1 is the number</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Unable to open %1.

%2</source>
        <translation>Impossible d&apos;ouvrir %1.

%2</translation>
    </message>
    <message>
        <source>%1 opened as a new card.

%2</source>
        <extracomment>%1 is the gLabels file&apos;s name, %2 a report of what was taken over</extracomment>
        <translation>%1 a été ouvert comme nouvelle carte.

%2</translation>
    </message>
    <message>
        <source>The back of the card, %1, could not be read; the card opens without it and saving leaves that file as it is.

%2</source>
        <translation>Le verso de la carte, %1, n&apos;a pas pu être lu&#xa0;; la carte s&apos;ouvre sans lui et l&apos;enregistrement laisse ce fichier tel quel.

%2</translation>
    </message>
    <message>
        <source>%1: the empty back could not be removed</source>
        <translation>%1&#xa0;: le verso vide n&apos;a pas pu être supprimé</translation>
    </message>
    <message>
        <source>&amp;Default Font: %1, %2 pt %3</source>
        <extracomment>A menu item: %1 the font&apos;s name, %2 its size in points, %3 its styles (&quot;, bold, italic&quot;), or nothing</extracomment>
        <translation>Police &amp;par défaut&#xa0;: %1, %2 pt %3</translation>
    </message>
</context>
<context>
    <name>qm::CardFile</name>
    <message>
        <source>%1: no such card file</source>
        <translation>%1&#xa0;: fichier de carte introuvable</translation>
    </message>
    <message>
        <source>%1: writing there would overwrite %2, which the card is read from; give another file name</source>
        <translation>%1&#xa0;: écrire à cet endroit écraserait %2, d&apos;où la carte est lue&#xa0;; indiquez un autre nom de fichier</translation>
    </message>
</context>
<context>
    <name>qm::CardHistory</name>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 names the change that is taken back (&quot;Move&quot;, &quot;Line Color&quot;).</extracomment>
        <translation>Annuler %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 names the change that is made again (&quot;Move&quot;, &quot;Line Color&quot;).</extracomment>
        <translation>Rétablir %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
</context>
<context>
    <name>qm::CardTemplate</name>
    <message>
        <source>%1: no room for a temporary file</source>
        <translation>%1&#xa0;: pas de place pour un fichier temporaire</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file name, then why it could not be written.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>qm::ChangeFontAll</name>
    <message>
        <source>Select A Font - All text items will be changed to this font</source>
        <translation>Choisir une police - Tous les textes prendront cette police</translation>
    </message>
    <message>
        <source>Font for all text</source>
        <translation>Police de tous les textes</translation>
    </message>
    <message>
        <source>Click a typeface to see it in the samples. Ok puts it on every text object of the card; sizes, styles and colours stay.</source>
        <translation>Cliquez sur une police pour la voir dans les exemples. OK l&apos;applique à tous les textes de la carte&#xa0;; les tailles, styles et couleurs ne changent pas.</translation>
    </message>
    <message>
        <source>Sample</source>
        <comment>the group of samples</comment>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Sample</source>
        <extracomment>sample texts shown in the chosen typeface</extracomment>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Sample Bold</source>
        <translation>Exemple gras</translation>
    </message>
    <message>
        <source>Sample Italic</source>
        <translation>Exemple italique</translation>
    </message>
    <message>
        <source>Sample Bold Italic</source>
        <translation>Exemple gras italique</translation>
    </message>
</context>
<context>
    <name>qm::ColorCombo</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu canard</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert citron</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
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
        <translation>Gris clair</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Qu&apos;est-ce que c&apos;est&#xa0;?</translation>
    </message>
    <message>
        <source>Custom %1</source>
        <extracomment>A colour of no name in the colour list, by its hexadecimal value (&quot;Custom #1A2B3C&quot;).</extracomment>
        <translation>Personnalisée %1</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personnalisée...</translation>
    </message>
</context>
<context>
    <name>qm::ColorPalette</name>
    <message>
        <source>Colour %1</source>
        <extracomment>A colour of the palette, as a screen reader names it by its hexadecimal value.</extracomment>
        <translation>Couleur %1</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <extracomment>Opens the colour chooser for a colour not in the palette.</extracomment>
        <translation>&amp;Autre</translation>
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
        <translation>usage&#xa0;: quillmark [CARD.qmk]
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
        <translation>  --border      un cadre noir d&apos;un pixel autour de l&apos;image exportée
  --scale N     une image N fois plus grande que la carte à 96 pixels par pouce (1 à 8)
  --bleed MM    un PDF pour un imprimeur&#xa0;: le fond et ce qui touche le bord se prolongent d&apos;autant au-delà
                de la carte (0 à 6 millimètres par pas de 0.5&#xa0;; 3 par défaut)
  --crop-marks  des traits de coupe sur les lignes de coupe, hors du fond perdu (un PDF pour un
                imprimeur&#xa0;; ou, sur une feuille imprimée, dans les marges et les espaces entre les cartes)
  --printer     imprime sur une imprimante du système d&apos;impression (CUPS), celle par défaut sans NAME
  --copies N    imprime N feuilles (1 à 100000)
  --positions   les positions de la feuille à imprimer, par exemple 1,2,9 (de gauche à droite, puis de
                haut en bas)
  --merge FILE  une carte par enregistrement d&apos;un fichier CSV ou vCard&#xa0;: les espaces réservés comme {Name}
                prennent ses valeurs
  --start N     dans une impression en série, la position de la première carte sur la feuille (pour une
                feuille entamée)
  --duplex TURN recto verso&#xa0;: le verso de la carte (CARD.back.qmk) derrière chaque carte, pour une
                imprimante qui retourne la feuille sur son bord long ou court, ou tous les rectos puis
                tous les versos (manual)
  --outline     n&apos;imprime que les contours des cartes, une page de test pour la planche de cartes
  --preview     imprime ce que montre l&apos;aperçu
  --no-nudges   ignore le réglage fin de l&apos;imprimante de qmk.ini (appliqué par défaut)
  --stock NAME  imprime sur une planche de cartes (ou exporte au format de ses cartes), par exemple
                &quot;Avery 5371&quot; ou &quot;Zweckform 32010&quot;, au lieu de la mise en page de la carte
  --quiet       aucune progression affichée dans le terminal
  --force       écrit une image ou un fichier PDF dont le nom n&apos;a pas l&apos;extension habituelle (l&apos;image est
                alors en PNG)</translation>
    </message>
    <message>
        <source>stock lists the card stock whose maker, part number or description holds every word: maker and part,
card size, cards across x down, paper (gLabels&apos; database when glabels-data is installed, the built-in
sheets and your own).</source>
        <extracomment>&quot;stock&quot; is the command&apos;s name and stays as it is</extracomment>
        <translation>stock liste les planches de cartes dont le fabricant, la référence ou la description contient tous les
mots&#xa0;: fabricant et référence, format de carte, cartes en largeur x en hauteur, papier (la base de gLabels
quand glabels-data est installé, les planches intégrées et les vôtres).</translation>
    </message>
    <message>
        <source>The window needs a display; the other commands do not. Exit status: 0 success, 1 a bad or unreadable
input or a file that could not be written, 2 bad usage.</source>
        <extracomment>dump, resave, export, print and stock are the commands&apos; names and stay as they are</extracomment>
        <translation>La fenêtre a besoin d&apos;un écran&#xa0;; les autres commandes non. Code de sortie&#xa0;: 0 succès, 1 une entrée
incorrecte ou illisible ou un fichier qui n&apos;a pas pu être écrit, 2 mauvaise utilisation.</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <translation>avertissement&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>--scale needs a whole number from 1 to %1</source>
        <translation>--scale demande un nombre entier de 1 à %1</translation>
    </message>
    <message>
        <source>--bleed needs millimetres from 0 to 6 in steps of 0.5</source>
        <translation>--bleed demande des millimètres de 0 à 6 par pas de 0.5</translation>
    </message>
    <message>
        <source>--stock needs the maker and part of a card stock, such as &quot;Avery 5371&quot;</source>
        <translation>--stock demande le fabricant et la référence d&apos;une planche de cartes, par exemple &quot;Avery 5371&quot;</translation>
    </message>
    <message>
        <source>--border and --scale are for pictures, not a PDF file</source>
        <translation>--border et --scale valent pour les images, pas pour un fichier PDF</translation>
    </message>
    <message>
        <source>%1: the PDF file&apos;s name must end in .pdf (--force writes it anyway)</source>
        <translation>%1&#xa0;: le nom du fichier PDF doit se terminer par .pdf (--force l&apos;écrit quand même)</translation>
    </message>
    <message>
        <source>%1: the picture must end in .png, .bmp or .jpg, or .pdf for a print shop (--force writes a PNG picture anyway)</source>
        <translation>%1&#xa0;: le nom de l&apos;image doit se terminer par .png, .bmp ou .jpg, ou par .pdf pour un imprimeur (--force écrit quand même une image PNG)</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>there is no display to open the design window on (DISPLAY is not set)</source>
        <translation>aucun écran où ouvrir la fenêtre de conception (DISPLAY n&apos;est pas défini)</translation>
    </message>
    <message>
        <source>cannot open the design window: %1</source>
        <extracomment>%1 is the toolkit&apos;s reason; dump, resave, export, print and stock are commands and stay as they are</extracomment>
        <translation>impossible d&apos;ouvrir la fenêtre de conception&#xa0;: %1</translation>
    </message>
    <message>
        <source>dump, resave, export, print and stock work without a display</source>
        <translation>dump, resave, export, print et stock fonctionnent sans écran</translation>
    </message>
    <message>
        <source>%1; dump, resave, export, print and stock work without one</source>
        <extracomment>%1 says why there is no display; dump, resave, export, print and stock are commands</extracomment>
        <translation>%1&#xa0;; dump, resave, export, print et stock fonctionnent sans écran</translation>
    </message>
    <message>
        <source>usage: quillmark import FILE.glabels OUT.qmk
</source>
        <extracomment>the command line&apos;s words stay as they are: only FILE and OUT may be translated</extracomment>
        <translation>usage&#xa0;: quillmark import FILE.glabels OUT.qmk
</translation>
    </message>
    <message>
        <source>%1: the card file&apos;s name must end in .qmk</source>
        <translation>%1&#xa0;: le nom du fichier de carte doit se terminer par .qmk</translation>
    </message>
    <message>
        <source>usage: quillmark print CARD.qmk --pdf OUT.pdf|--printer [NAME] [--copies N] [--positions 1,2,...] [--outline] [--preview] [--merge DATA.csv|DATA.vcf [--start N]] [--duplex long|short|manual] [--no-nudges] [--crop-marks] [--stock &quot;MAKER PART&quot;] [--quiet] [--force]
</source>
        <extracomment>the command line&apos;s words (print, --pdf, long...) stay as they are: only the capitals (CARD, OUT, NAME, N, DATA, MAKER PART) may be translated</extracomment>
        <translation>usage&#xa0;: quillmark print CARD.qmk --pdf OUT.pdf|--printer [NAME] [--copies N] [--positions 1,2,...] [--outline] [--preview] [--merge DATA.csv|DATA.vcf [--start N]] [--duplex long|short|manual] [--no-nudges] [--crop-marks] [--stock &quot;MAKER PART&quot;] [--quiet] [--force]
</translation>
    </message>
    <message>
        <source>--pdf needs a file name</source>
        <translation>--pdf demande un nom de fichier</translation>
    </message>
    <message>
        <source>--copies needs a number from 1 to %1</source>
        <translation>--copies demande un nombre de 1 à %1</translation>
    </message>
    <message>
        <source>--positions needs a list of sheet positions such as 1,2,9</source>
        <translation>--positions demande une liste de positions sur la feuille, par exemple 1,2,9</translation>
    </message>
    <message>
        <source>--merge needs a CSV or vCard file</source>
        <translation>--merge demande un fichier CSV ou vCard</translation>
    </message>
    <message>
        <source>--start needs the sheet position to start at (1, 2, ...)</source>
        <translation>--start demande la position de départ sur la feuille (1, 2, ...)</translation>
    </message>
    <message>
        <source>--duplex needs long, short or manual</source>
        <translation>--duplex demande long, short ou manual</translation>
    </message>
    <message>
        <source>one card file is needed</source>
        <translation>un fichier de carte est nécessaire</translation>
    </message>
    <message>
        <source>--pdf and --printer do not go together</source>
        <translation>--pdf et --printer ne vont pas ensemble</translation>
    </message>
    <message>
        <source>--pdf OUT.pdf or --printer [NAME] is needed</source>
        <translation>--pdf OUT.pdf ou --printer [NAME] est nécessaire</translation>
    </message>
    <message>
        <source>--merge does not go with --outline or --preview</source>
        <translation>--merge ne va pas avec --outline ni avec --preview</translation>
    </message>
    <message>
        <source>--start goes with --merge (use --positions for a plain print)</source>
        <translation>--start va avec --merge (utilisez --positions pour une impression simple)</translation>
    </message>
    <message>
        <source>--outline and --preview do not go together</source>
        <translation>--outline et --preview ne vont pas ensemble</translation>
    </message>
    <message>
        <source>%1; printing without its printer fine tuning and default layout</source>
        <translation>%1&#xa0;; impression sans le réglage fin de l&apos;imprimante ni la mise en page par défaut</translation>
    </message>
    <message>
        <source>%1 has no back (%2); printing the fronts only</source>
        <extracomment>%1 is the card file, %2 the name its back would have</extracomment>
        <translation>%1 n&apos;a pas de verso (%2)&#xa0;; impression des rectos seuls</translation>
    </message>
    <message>
        <source>position %1 is not on the sheet (1 to %2)</source>
        <translation>la position %1 n&apos;est pas sur la feuille (1 à %2)</translation>
    </message>
    <message>
        <source>the default printer</source>
        <translation>l&apos;imprimante par défaut</translation>
    </message>
    <message>
        <source>printer %1</source>
        <translation>l&apos;imprimante %1</translation>
    </message>
    <message>
        <source>%1: no room for the job in the temporary folder</source>
        <translation>%1&#xa0;: pas de place pour le travail dans le dossier temporaire</translation>
    </message>
    <message>
        <source>--start %1 is not on the sheet (1 to %2)</source>
        <translation>--start %1 n&apos;est pas sur la feuille (1 à %2)</translation>
    </message>
    <message>
        <source>%1: no column matches a personal field; placeholders take the columns&apos; own names</source>
        <translation>%1&#xa0;: aucune colonne ne correspond à un champ personnel&#xa0;; les espaces réservés prennent les noms des colonnes</translation>
    </message>
    <message>
        <source>%1: the file holds no records</source>
        <translation>%1&#xa0;: le fichier ne contient aucun enregistrement</translation>
    </message>
    <message>
        <source>%1: pages 1 to %2 are the fronts; print them, turn the stack over along the long edge without changing its order, feed it again and print pages %3 to %4, the backs</source>
        <extracomment>%1 is the PDF file; %2, %3 and %4 are page numbers</extracomment>
        <translation>%1&#xa0;: les pages 1 à %2 sont les rectos&#xa0;; imprimez-les, retournez la pile le long du bord long sans changer son ordre, remettez-la dans l&apos;imprimante et imprimez les pages %3 à %4, les versos</translation>
    </message>
    <message>
        <source>press Enter when the stack is back in the printer</source>
        <translation>appuyez sur Entrée quand la pile est de retour dans l&apos;imprimante</translation>
    </message>
    <message>
        <source>gLabels&apos; card stock database (the Debian package glabels-data) is not installed; only the built-in sheets and your own stock are listed</source>
        <translation>la base de planches de gLabels (le paquet Debian glabels-data) n&apos;est pas installée&#xa0;; seules les planches intégrées et les vôtres sont listées</translation>
    </message>
    <message>
        <source>no card stock is called &quot;%1&quot; (quillmark stock WORDS lists the stock)</source>
        <extracomment>&quot;quillmark stock WORDS&quot; is a command: only WORDS may be translated</extracomment>
        <translation>aucune planche ne s&apos;appelle «&#xa0;%1&#xa0;» (quillmark stock WORDS liste les planches)</translation>
    </message>
    <message>
        <source>no card stock is called &quot;%1&quot; (quillmark stock WORDS lists the stock); gLabels&apos; card stock (the package glabels-data) is not installed</source>
        <translation>aucune planche ne s&apos;appelle «&#xa0;%1&#xa0;» (quillmark stock WORDS liste les planches)&#xa0;; les planches de gLabels (le paquet glabels-data) ne sont pas installées</translation>
    </message>
    <message>
        <source>usage: quillmark stock [WORDS]
</source>
        <translation>usage&#xa0;: quillmark stock [WORDS]
</translation>
    </message>
    <message>
        <source>no card stock holds &quot;%1&quot;</source>
        <translation>aucune planche ne contient «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>qm::CompanionFile</name>
    <message>
        <source>%1: no room for a temporary file</source>
        <translation>%1&#xa0;: pas de place pour un fichier temporaire</translation>
    </message>
</context>
<context>
    <name>qm::ContactFormat</name>
    <message>
        <source>CSV text</source>
        <extracomment>Kinds of file, in the file dialog&apos;s list of types</extracomment>
        <translation>Texte CSV</translation>
    </message>
    <message>
        <source>vCards</source>
        <translation>vCards</translation>
    </message>
    <message>
        <source>The file %1 holds binary data, not a list of names and addresses (CSV text or vCards).</source>
        <translation>Le fichier %1 contient des données binaires, pas une liste de noms et d&apos;adresses (texte CSV ou vCards).</translation>
    </message>
    <message>
        <source>The file %1 holds no CSV text.</source>
        <translation>Le fichier %1 ne contient pas de texte CSV.</translation>
    </message>
    <message>
        <source>The file %1 holds no vCards.</source>
        <translation>Le fichier %1 ne contient aucune vCard.</translation>
    </message>
    <message>
        <source>The file %1 is cut short.</source>
        <translation>Le fichier %1 est tronqué.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>file name: reason</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>qm::CsvSource</name>
    <message>
        <source>The quoted value that begins on line %L1 is never closed (a quote is missing): the rest of the file would run into it, so nothing is read.</source>
        <translation>La valeur entre guillemets qui commence à la ligne %L1 n&apos;est jamais fermée (il manque un guillemet)&#xa0;: le reste du fichier s&apos;y ajouterait, donc rien n&apos;est lu.</translation>
    </message>
    <message>
        <source>The file holds no field names (its first row should name the columns).</source>
        <translation>Le fichier ne contient aucun nom de champ (sa première ligne doit nommer les colonnes).</translation>
    </message>
    <message>
        <source>Column %L1</source>
        <extracomment>The name given to a column whose heading in the file is blank</extracomment>
        <translation>Colonne %L1</translation>
    </message>
    <message>
        <source>Record %L1 has more values than there are columns; the extra values are left out.</source>
        <translation>L&apos;enregistrement %L1 a plus de valeurs qu&apos;il n&apos;y a de colonnes&#xa0;; les valeurs en trop sont ignorées.</translation>
    </message>
    <message>
        <source>Record %L1 is too long: its text was cut at %L2 KB a value and %L3 KB a record, %L4 values.</source>
        <translation>L&apos;enregistrement %L1 est trop long&#xa0;: son texte a été coupé à %L2 Ko par valeur et %L3 Ko par enregistrement, %L4 valeurs.</translation>
    </message>
</context>
<context>
    <name>qm::DataSource</name>
    <message>
        <source>The file could not be read to the end.</source>
        <translation>Le fichier n&apos;a pas pu être lu jusqu&apos;au bout.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Le fichier n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file holds binary data, not a list of names and addresses (CSV text or vCards).</source>
        <translation>Le fichier contient des données binaires, pas une liste de noms et d&apos;adresses (texte CSV ou vCards).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert.</translation>
    </message>
</context>
<context>
    <name>qm::DialogBar</name>
    <message>
        <source>Closes the dialog and keeps what you chose.</source>
        <translation>Ferme le dialogue et garde vos choix.</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing.</source>
        <translation>Ferme le dialogue sans rien modifier.</translation>
    </message>
    <message>
        <source>Opens the help page of this dialog.</source>
        <translation>Ouvre la page d&apos;aide de ce dialogue.</translation>
    </message>
    <message>
        <source>Closes this window.</source>
        <translation>Ferme cette fenêtre.</translation>
    </message>
    <message>
        <source>Click this, then any part of the dialog, to learn what it does.</source>
        <translation>Cliquez ici, puis sur n&apos;importe quelle partie du dialogue, pour savoir à quoi elle sert.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>A button of the background art dialog: no background art.</extracomment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Takes the background art away: the card shows no picture behind its objects.</source>
        <translation>Retire l&apos;image de fond&#xa0;: la carte n&apos;affiche plus d&apos;image derrière ses objets.</translation>
    </message>
</context>
<context>
    <name>qm::DuplexPlacement</name>
    <message>
        <source>The fronts are printed. Take the sheet out of the printer, turn it over along the long edge without changing the order, and put it back into the paper tray the way it came out; then go on to print the backs.</source>
        <translation>Les rectos sont imprimés. Retirez la feuille de l&apos;imprimante, retournez-la le long du bord long sans changer l&apos;ordre, et remettez-la dans le bac à papier dans le sens où elle est sortie&#xa0;; continuez ensuite pour imprimer les versos.</translation>
    </message>
    <message numerus="yes">
        <source>The fronts are printed. Take the stack of %Ln sheets out of the printer, turn the stack over along the long edge without changing the order, and put the stack back into the paper tray the way it came out; then go on to print the backs.</source>
        <translation>
            <numerusform>Les rectos sont imprimés. Retirez de l&apos;imprimante la pile de %Ln feuille, retournez la pile le long du bord long sans changer l&apos;ordre, et remettez-la dans le bac à papier dans le sens où elle est sortie&#xa0;; continuez ensuite pour imprimer les versos.</numerusform>
            <numerusform>Les rectos sont imprimés. Retirez de l&apos;imprimante la pile de %Ln feuilles, retournez la pile le long du bord long sans changer l&apos;ordre, et remettez-la dans le bac à papier dans le sens où elle est sortie&#xa0;; continuez ensuite pour imprimer les versos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qm::Export</name>
    <message>
        <source>The QR code is too small to scan in a picture of %1 pixels per inch: a square of the code would be %2 pixels wide, and a scanner needs %3 whole pixels. Make the QR code larger on the card.</source>
        <translation>Le code QR est trop petit pour être lu dans une image de %1 pixels par pouce&#xa0;: un carré du code mesurerait %2 pixels de large, et un lecteur a besoin de %3 pixels entiers. Agrandissez le code QR sur la carte.</translation>
    </message>
    <message>
        <source>The QR code is too small to scan in a picture of %1 pixels per inch: a square of the code would be %2 pixels wide, and a scanner needs %3 whole pixels.</source>
        <translation>Le code QR est trop petit pour être lu dans une image de %1 pixels par pouce&#xa0;: un carré du code mesurerait %2 pixels de large, et un lecteur a besoin de %3 pixels entiers.</translation>
    </message>
    <message>
        <source>%1: the card has no size</source>
        <translation>%1&#xa0;: la carte n&apos;a pas de taille</translation>
    </message>
    <message>
        <source>%1: cannot write a %2 picture (%3)</source>
        <extracomment>%2 is BMP, JPG or PNG; %3 the reason</extracomment>
        <translation>%1&#xa0;: impossible d&apos;écrire une image %2 (%3)</translation>
    </message>
    <message>
        <source>%1: %2 --scale %3 writes a picture in which it scans.</source>
        <extracomment>%1 is the picture file, %2 why its QR code does not scan; --scale is the command line&apos;s option</extracomment>
        <translation>%1&#xa0;: %2 --scale %3 écrit une image dans laquelle il est lisible.</translation>
    </message>
</context>
<context>
    <name>qm::FieldMapping</name>
    <message>
        <source>%1, if blank %2</source>
        <extracomment>How a personal field is fed: %1 the columns used, %2 the columns used when those are blank (&quot;Display Name, if blank First Name + Last Name&quot;)</extracomment>
        <translation>%1, si vide %2</translation>
    </message>
</context>
<context>
    <name>qm::FileFormat</name>
    <message>
        <source>The file %1 is empty.</source>
        <translation>Le fichier %1 est vide.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be read.</source>
        <translation>%1 n&apos;est pas un fichier lisible.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Le fichier %1 ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file %1 is too large.</source>
        <translation>Le fichier %1 est trop volumineux.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Le fichier %1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
</context>
<context>
    <name>qm::Files</name>
    <message>
        <source>a folder</source>
        <extracomment>What is at a path instead of a file, as in &quot;NAME is a folder, not a card file&quot;</extracomment>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <extracomment>What is at a path instead of a file, as in &quot;NAME is a named pipe, not a card file&quot;</extracomment>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a device</source>
        <extracomment>What is at a path instead of a file, as in &quot;NAME is a device, not a card file&quot;</extracomment>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a socket</source>
        <extracomment>What is at a path instead of a file, as in &quot;NAME is a socket, not a card file&quot;</extracomment>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <extracomment>What is at a path instead of a file, as in &quot;NAME is not a plain file, not a card file&quot;</extracomment>
        <translation>autre chose qu&apos;un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1: no such card file</source>
        <translation>%1&#xa0;: fichier de carte introuvable</translation>
    </message>
    <message>
        <source>%1 is %2, not a card file</source>
        <translation>%1 est %2, pas un fichier de carte</translation>
    </message>
    <message>
        <source>%1: no such settings file</source>
        <translation>%1&#xa0;: fichier de réglages introuvable</translation>
    </message>
    <message>
        <source>%1 is %2, not a settings file</source>
        <translation>%1 est %2, pas un fichier de réglages</translation>
    </message>
    <message>
        <source>%1: no such layout file</source>
        <translation>%1&#xa0;: fichier de mise en page introuvable</translation>
    </message>
    <message>
        <source>%1 is %2, not a layout file</source>
        <translation>%1 est %2, pas un fichier de mise en page</translation>
    </message>
    <message>
        <source>%1: no such paper sizes file</source>
        <translation>%1&#xa0;: fichier de formats de papier introuvable</translation>
    </message>
    <message>
        <source>%1 is %2, not a paper sizes file</source>
        <translation>%1 est %2, pas un fichier de formats de papier</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1&#xa0;: fichier introuvable</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file</source>
        <translation>%1 est %2, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>qm::FineTuneNudges</name>
    <message>
        <source>None</source>
        <comment>no nudge</comment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Increase by %1/32&quot;</source>
        <extracomment>%1 is a count of 32nds of an inch; the last character is the inch mark</extracomment>
        <translation>Augmenter de %1/32 po</translation>
    </message>
    <message>
        <source>Decrease by %1/32&quot;</source>
        <extracomment>%1 is a count of 32nds of an inch; the last character is the inch mark</extracomment>
        <translation>Diminuer de %1/32 po</translation>
    </message>
    <message>
        <source>Top Margin nudge</source>
        <translation>Décalage de la marge haute</translation>
    </message>
    <message>
        <source>Vertical Spacing</source>
        <translation>Espacement vertical</translation>
    </message>
    <message>
        <source>Left Margin nudge</source>
        <translation>Décalage de la marge gauche</translation>
    </message>
    <message>
        <source>Horizontal Spacing</source>
        <translation>Espacement horizontal</translation>
    </message>
    <message>
        <source>Increase or decrease to adjust where vertical printing starts.</source>
        <translation>Augmentez ou diminuez pour régler où l&apos;impression commence verticalement.</translation>
    </message>
    <message>
        <source>Increase or decrease to adjust vertical spacing between cards. (You may need to adjust this if printing &quot;creeps&quot; between the top and bottom cards.)</source>
        <translation>Augmentez ou diminuez pour régler l&apos;espacement vertical entre les cartes. (Cela peut être nécessaire si l&apos;impression «&#xa0;glisse&#xa0;» entre les cartes du haut et celles du bas.)</translation>
    </message>
    <message>
        <source>Increase or decrease to adjust where horizontal printing starts.</source>
        <translation>Augmentez ou diminuez pour régler où l&apos;impression commence horizontalement.</translation>
    </message>
    <message>
        <source>Increase or decrease to adjust horizontal spacing between cards.</source>
        <translation>Augmentez ou diminuez pour régler l&apos;espacement horizontal entre les cartes.</translation>
    </message>
    <message>
        <source>Business Cards need to print to within 0.5 inches of the bottom, but the current printer has a bottom margin setting of : %1 inches</source>
        <extracomment>%1 is the printer&apos;s bottom margin in inches (&quot;0.625&quot;)</extracomment>
        <translation>Les cartes de visite doivent s&apos;imprimer jusqu&apos;à 0,5 pouce du bas de la page, mais la marge basse de l&apos;imprimante actuelle est réglée à&#xa0;: %1 pouces</translation>
    </message>
    <message>
        <source>This could result in the bottom of the last two business cards being cut off by approximately: %1 inches</source>
        <extracomment>%1 is a length in inches (&quot;0.125&quot;)</extracomment>
        <translation>Le bas des deux dernières cartes de visite risque ainsi d&apos;être coupé d&apos;environ&#xa0;: %1 pouces</translation>
    </message>
    <message>
        <source>If your printer driver supports it, you could change the bottom margin to 0.5 inches. Otherwise, you should design your cards so that the bottom portion of the cards is not used.</source>
        <translation>Si le pilote de votre imprimante le permet, vous pouvez régler la marge basse à 0,5 pouce. Sinon, concevez vos cartes de façon à ne pas utiliser leur partie basse.</translation>
    </message>
    <message>
        <source>(Note: some printers, including some of the HP Deskjet series, cannot print beyond a 0.66 inch bottom margin)</source>
        <translation>(Remarque&#xa0;: certaines imprimantes, dont certains modèles de la série HP Deskjet, ne peuvent pas imprimer au-delà d&apos;une marge basse de 0,66 pouce)</translation>
    </message>
</context>
<context>
    <name>qm::GlabelsFormat</name>
    <message>
        <source>an element &lt;%1&gt; gLabels does not write</source>
        <extracomment>one of the things an import leaves out; %1 is the name of an XML element</extracomment>
        <translation>un élément &lt;%1&gt; que gLabels n&apos;écrit pas</translation>
    </message>
    <message>
        <source>the embedded picture %1, which cannot be read</source>
        <extracomment>one of the things an import leaves out</extracomment>
        <translation>l&apos;image incorporée %1, qui est illisible</translation>
    </message>
    <message>
        <source>The file %1 is not a gLabels document: %2</source>
        <extracomment>%2 says what is wrong, such as &quot;it holds no gLabels design.&quot;</extracomment>
        <translation>Le fichier %1 n&apos;est pas un document gLabels&#xa0;: %2</translation>
    </message>
    <message>
        <source>its compressed data is damaged or far too large.</source>
        <translation>ses données compressées sont endommagées ou beaucoup trop volumineuses.</translation>
    </message>
    <message>
        <source>it holds no gLabels design.</source>
        <translation>il ne contient aucune conception gLabels.</translation>
    </message>
    <message>
        <source>its XML breaks off at line %1 (%2).</source>
        <translation>son XML s&apos;interrompt à la ligne %1 (%2).</translation>
    </message>
    <message>
        <source>gLabels document</source>
        <translation>Document gLabels</translation>
    </message>
</context>
<context>
    <name>qm::GlabelsImport</name>
    <message>
        <source>its colour comes from a merge field in gLabels; it keeps the colour it has</source>
        <translation>sa couleur vient d&apos;un champ de fusion de gLabels&#xa0;; sa couleur actuelle est conservée</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two notes on one object of an imported design.</extracomment>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An object of an imported design (%1: text &quot;Jane&quot; at 10, 20 pt), then what became of it.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>box</source>
        <translation>rectangle</translation>
    </message>
    <message>
        <source>ellipse</source>
        <translation>ellipse</translation>
    </message>
    <message>
        <source>line</source>
        <translation>ligne</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>image</source>
        <translation>image</translation>
    </message>
    <message>
        <source>barcode</source>
        <translation>code-barres</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; at %3, %4 pt</source>
        <extracomment>An object of an imported design: its kind (&quot;text&quot;), its first words and where it stands, in points.</extracomment>
        <translation>%1 «&#xa0;%2&#xa0;» à %3, %4 pt</translation>
    </message>
    <message>
        <source>%1 at %2, %3 pt</source>
        <extracomment>An object of an imported design: its kind (&quot;box&quot;) and where it stands, in points.</extracomment>
        <translation>%1 à %2, %3 pt</translation>
    </message>
    <message>
        <source>turned, stretched or slanted in gLabels; placed upright</source>
        <translation>rotation, étirement ou inclinaison dans gLabels&#xa0;; objet placé droit</translation>
    </message>
    <message>
        <source>its see-through shadow is mixed with white</source>
        <translation>son ombre semi-transparente est mélangée à du blanc</translation>
    </message>
    <message>
        <source>see-through colours are mixed with white</source>
        <translation>les couleurs semi-transparentes sont mélangées à du blanc</translation>
    </message>
    <message>
        <source>it has neither fill nor outline</source>
        <translation>sans remplissage ni contour</translation>
    </message>
    <message>
        <source>its %1 pt outline is %2 pt wide</source>
        <translation>son contour de %1 pt fait %2 pt d&apos;épaisseur</translation>
    </message>
    <message>
        <source>it is invisible (no colour or no width)</source>
        <translation>elle est invisible (sans couleur ou sans épaisseur)</translation>
    </message>
    <message>
        <source>its see-through colour is mixed with white</source>
        <translation>sa couleur semi-transparente est mélangée à du blanc</translation>
    </message>
    <message>
        <source>its %1 pt text is %2 pt</source>
        <translation>son texte de %1 pt passe à %2 pt</translation>
    </message>
    <message>
        <source>its see-through text colour is mixed with white</source>
        <translation>la couleur semi-transparente de son texte est mélangée à du blanc</translation>
    </message>
    <message>
        <source>it holds no text</source>
        <translation>il ne contient aucun texte</translation>
    </message>
    <message>
        <source>its turned lines are set upright</source>
        <translation>ses lignes pivotées sont redressées</translation>
    </message>
    <message>
        <source>its line spacing of %1 is single</source>
        <translation>son interligne de %1 devient simple</translation>
    </message>
    <message>
        <source>its shadow is left out (multi-line text has none)</source>
        <translation>son ombre n&apos;est pas reprise (le texte multiligne n&apos;en a pas)</translation>
    </message>
    <message>
        <source>it does not shrink to fit</source>
        <translation>il n&apos;est pas réduit pour tenir dans le cadre</translation>
    </message>
    <message>
        <source>its shadow above the text is left out</source>
        <translation>son ombre au-dessus du texte n&apos;est pas reprise</translation>
    </message>
    <message>
        <source>its shadow falls %1 pt both ways</source>
        <translation>son ombre est décalée de %1 pt dans les deux sens</translation>
    </message>
    <message>
        <source>its turned text is set upright</source>
        <translation>son texte pivoté est redressé</translation>
    </message>
    <message>
        <source>its shadow is left out (rich text has none)</source>
        <translation>son ombre n&apos;est pas reprise (le texte enrichi n&apos;en a pas)</translation>
    </message>
    <message>
        <source>its picture comes from the merge field %1, which cards do not take</source>
        <translation>son image vient du champ de fusion %1, que les cartes n&apos;acceptent pas</translation>
    </message>
    <message>
        <source>its picture %1 is neither in the document nor beside it</source>
        <translation>son image %1 n&apos;est ni dans le document ni à côté de lui</translation>
    </message>
    <message>
        <source>its picture cannot be read (%1)</source>
        <translation>son image est illisible (%1)</translation>
    </message>
    <message>
        <source>its turned picture is set upright</source>
        <translation>son image pivotée est redressée</translation>
    </message>
    <message>
        <source>its shadow is left out (pictures have none)</source>
        <translation>son ombre n&apos;est pas reprise (les images n&apos;en ont pas)</translation>
    </message>
    <message>
        <source>a %1 barcode, a kind cards have no object for</source>
        <translation>un code-barres %1, un type pour lequel les cartes n&apos;ont pas d&apos;objet</translation>
    </message>
    <message>
        <source>its QR code carries nothing</source>
        <translation>son code QR ne contient rien</translation>
    </message>
    <message>
        <source>its turned symbol is drawn upright (it reads the same)</source>
        <translation>son symbole pivoté est tracé droit (il se lit de la même façon)</translation>
    </message>
    <message>
        <source>the merge data %1</source>
        <translation>les données de l&apos;impression en série %1</translation>
    </message>
    <message>
        <source>the stock: its labels are not rectangular; the card keeps its size</source>
        <translation>la planche&#xa0;: ses étiquettes ne sont pas rectangulaires&#xa0;; la carte garde sa taille</translation>
    </message>
    <message>
        <source>the stock: the document describes none we can read</source>
        <translation>la planche&#xa0;: le document n&apos;en décrit aucune qui soit lisible</translation>
    </message>
    <message>
        <source>the stock: the document describes none we can read (%1)</source>
        <translation>la planche&#xa0;: le document n&apos;en décrit aucune qui soit lisible (%1)</translation>
    </message>
    <message>
        <source>the stock %1: as the design has it, which differs from our own layout of that name</source>
        <translation>la planche %1&#xa0;: telle que la conception la décrit, qui diffère de la mise en page prédéfinie du même nom</translation>
    </message>
    <message>
        <source>the stock %1</source>
        <translation>la planche %1</translation>
    </message>
    <message>
        <source>the stock %1: its card size only (%2)</source>
        <translation>la planche %1&#xa0;: seulement son format de carte (%2)</translation>
    </message>
    <message>
        <source>the stock&apos;s %1 pt round corners: card outlines are drawn square</source>
        <translation>les coins arrondis de %1 pt de la planche&#xa0;: les contours des cartes sont tracés à angles droits</translation>
    </message>
    <message>
        <source>Came over exactly:</source>
        <translation>Repris à l&apos;identique&#xa0;:</translation>
    </message>
    <message>
        <source>Came over approximately:</source>
        <translation>Repris approximativement&#xa0;:</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Non repris&#xa0;:</translation>
    </message>
</context>
<context>
    <name>qm::ImageChoice</name>
    <message>
        <source>Error loading file!</source>
        <translation>Erreur de chargement du fichier&#xa0;!</translation>
    </message>
</context>
<context>
    <name>qm::LabelDialogs</name>
    <message>
        <source>&amp;Shrink to fit the box</source>
        <translation>&amp;Réduire pour tenir dans le cadre</translation>
    </message>
    <message>
        <source>Keeps the label&apos;s width: a text too long for it (a long name in a merge, say) is drawn smaller so that it fits, never larger than the font&apos;s size.</source>
        <translation>Garde la largeur de l&apos;étiquette&#xa0;: un texte trop long pour elle (un nom long dans une impression en série, par exemple) est dessiné plus petit pour y tenir, jamais plus grand que la taille de la police.</translation>
    </message>
</context>
<context>
    <name>qm::MergeFields</name>
    <message>
        <source>Your Own Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Business Name</source>
        <translation>Nom de votre entreprise</translation>
    </message>
    <message>
        <source>Title or Qualifications</source>
        <translation>Fonction ou titres</translation>
    </message>
    <message>
        <source>Address Line One</source>
        <translation>Adresse, ligne 1</translation>
    </message>
    <message>
        <source>Address Line Two</source>
        <translation>Adresse, ligne 2</translation>
    </message>
    <message>
        <source>Address Line Three</source>
        <translation>Adresse, ligne 3</translation>
    </message>
    <message>
        <source>Phone One</source>
        <translation>Téléphone 1</translation>
    </message>
    <message>
        <source>Phone Two</source>
        <translation>Téléphone 2</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Numéro de fax</translation>
    </message>
</context>
<context>
    <name>qm::ObjectKinds</name>
    <message>
        <source>%1: %2</source>
        <extracomment>An object as a screen reader names it: its kind, then the text it shows (&quot;Text: Jane Q. Example&quot;).</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Rounded Rectangle</source>
        <translation>Rectangle arrondi</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Clip Art</source>
        <translation>Clipart</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Multi-Line Text</source>
        <translation>Texte multiligne</translation>
    </message>
    <message>
        <source>SuperShape</source>
        <translation>SuperShape</translation>
    </message>
    <message>
        <source>Rich Text</source>
        <translation>Texte enrichi</translation>
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
        <translation>Code QR</translation>
    </message>
    <message>
        <source>Text tool</source>
        <translation>Outil Texte</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Texte</translation>
    </message>
    <message>
        <source>Text</source>
        <comment>new object&apos;s text</comment>
        <extracomment>The text a new text object shows until the user types their own.</extracomment>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Multi-line text tool</source>
        <translation>Outil Texte multiligne</translation>
    </message>
    <message>
        <source>&amp;Multi-Line Text</source>
        <translation>Texte &amp;multiligne</translation>
    </message>
    <message>
        <source>Symbol tool</source>
        <translation>Outil Symbole</translation>
    </message>
    <message>
        <source>S&amp;ymbol</source>
        <translation>S&amp;ymbole</translation>
    </message>
    <message>
        <source>Rectangle tool</source>
        <translation>Outil Rectangle</translation>
    </message>
    <message>
        <source>&amp;Rectangle</source>
        <translation>&amp;Rectangle</translation>
    </message>
    <message>
        <source>Ellipse tool</source>
        <translation>Outil Ellipse</translation>
    </message>
    <message>
        <source>&amp;Ellipse</source>
        <translation>&amp;Ellipse</translation>
    </message>
    <message>
        <source>Round Rectangle tool</source>
        <translation>Outil Rectangle arrondi</translation>
    </message>
    <message>
        <source>R&amp;ounded Rectangle</source>
        <translation>Rectangle &amp;arrondi</translation>
    </message>
    <message>
        <source>Line Tool</source>
        <translation>Outil Ligne</translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Ligne</translation>
    </message>
    <message>
        <source>Clip Art Tool</source>
        <translation>Outil Clipart</translation>
    </message>
    <message>
        <source>&amp;Clip Art</source>
        <translation>&amp;Clipart</translation>
    </message>
    <message>
        <source>Supershape tool 
Multi-purpose shapes and surfaces</source>
        <translation>Outil SuperShape 
Formes et surfaces polyvalentes</translation>
    </message>
    <message>
        <source>Su&amp;perShape</source>
        <translation>Su&amp;perShape</translation>
    </message>
    <message>
        <source>Rich Text tool 
Mixed fonts, colors and styles</source>
        <translation>Outil Texte enrichi 
Polices, couleurs et styles mélangés</translation>
    </message>
    <message>
        <source>Ric&amp;h Text</source>
        <translation>Texte enric&amp;hi</translation>
    </message>
    <message>
        <source>SuperText tool 
Special Effects Text - fill with gradients or bitmaps</source>
        <translation>Outil SuperText 
Texte à effets spéciaux - remplissage par dégradés ou images</translation>
    </message>
    <message>
        <source>&amp;SuperText</source>
        <translation>&amp;SuperText</translation>
    </message>
    <message>
        <source>CircleText Tool 
Circular or semi-circular text using any font</source>
        <translation>Outil CircleText 
Texte circulaire ou semi-circulaire dans n&apos;importe quelle police</translation>
    </message>
    <message>
        <source>C&amp;ircleText</source>
        <translation>C&amp;ircleText</translation>
    </message>
    <message>
        <source>QR Code tool 
Your personal information, a web address or any text</source>
        <translation>Outil Code QR 
Vos informations personnelles, une adresse web ou tout autre texte</translation>
    </message>
    <message>
        <source>&amp;QR Code</source>
        <translation>Code &amp;QR</translation>
    </message>
    <message>
        <source>&lt;blank&gt;</source>
        <extracomment>What a multi-line text with no text in it shows.</extracomment>
        <translation>&lt;vide&gt;</translation>
    </message>
</context>
<context>
    <name>qm::ObjectMenu</name>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Draw %1</source>
        <extracomment>The change of placing a new object on the card; %1 is its kind (&quot;Rectangle&quot;, &quot;Text&quot;).</extracomment>
        <translation>Ajout&#xa0;: %1</translation>
    </message>
    <message>
        <source>Bring To Front</source>
        <translation>Mettre au premier plan</translation>
    </message>
    <message>
        <source>Send To Back</source>
        <translation>Mettre à l&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Aligner à gauche</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Aligner à droite</translation>
    </message>
    <message>
        <source>Align Tops</source>
        <translation>Aligner les hauts</translation>
    </message>
    <message>
        <source>Align Bottoms</source>
        <translation>Aligner les bas</translation>
    </message>
    <message>
        <source>Center Vertically</source>
        <translation>Centrer verticalement</translation>
    </message>
    <message>
        <source>Center Horizontally</source>
        <translation>Centrer horizontalement</translation>
    </message>
    <message>
        <source>Lock All</source>
        <translation>Tout verrouiller</translation>
    </message>
    <message>
        <source>Unlock All</source>
        <translation>Tout déverrouiller</translation>
    </message>
    <message>
        <source>Mark All Selectable</source>
        <translation>Tout rendre sélectionnable</translation>
    </message>
    <message>
        <source>Mark All Unselectable</source>
        <translation>Tout rendre non sélectionnable</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Align Lefts</source>
        <translation>Alignement à gauche</translation>
    </message>
    <message>
        <source>Align Rights</source>
        <translation>Alignement à droite</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacement</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionnement</translation>
    </message>
    <message>
        <source>Make All Selectable</source>
        <translation>Tout rendre sélectionnable</translation>
    </message>
    <message>
        <source>Make All Unselectable</source>
        <translation>Tout rendre non sélectionnable</translation>
    </message>
    <message>
        <source>Remove Objects Outside the Card</source>
        <translation>Suppression des objets hors de la carte</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Clone</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillé</translation>
    </message>
    <message>
        <source>Unselectable</source>
        <translation>Non sélectionnable</translation>
    </message>
    <message>
        <source>Line Thickness</source>
        <translation>Épaisseur du trait</translation>
    </message>
    <message numerus="yes">
        <source>%n Point</source>
        <extracomment>A line width in the thickness menu (&quot;3 Point&quot;).</extracomment>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Couleur du trait</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Degree of Rounding</source>
        <translation>Degré d&apos;arrondi</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A degree of rounding, in percent (&quot;30 %&quot;).</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontale</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Angled Sloping Up</source>
        <translation>Oblique montante</translation>
    </message>
    <message>
        <source>Angled Sloping Down</source>
        <translation>Oblique descendante</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Stretch To Edges</source>
        <translation>Étirer jusqu&apos;aux bords</translation>
    </message>
    <message>
        <source>Load Image From Disk</source>
        <translation>Charger une image depuis le disque</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Bordure</translation>
    </message>
    <message>
        <source>Stretch to Fit</source>
        <translation>Étirer pour remplir</translation>
    </message>
    <message>
        <source>AutoSize</source>
        <translation>Taille automatique</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Retourner</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>3D Effects</source>
        <translation>Effets 3D</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignement</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centré</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Couleur de la police</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Retour à la ligne automatique</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>Insert as merge field</source>
        <translation>Insérer comme champ de fusion</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>A personal-information field: the person&apos;s job title or qualifications.</extracomment>
        <translation>Fonction</translation>
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
        <translation>Téléphone 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Téléphone 2</translation>
    </message>
    <message>
        <source>EMail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Symbol Selector</source>
        <translation>Sélecteur de symboles</translation>
    </message>
    <message>
        <source>No Rotation</source>
        <translation>Sans rotation</translation>
    </message>
    <message>
        <source>90 Degrees</source>
        <translation>90 degrés</translation>
    </message>
    <message>
        <source>180 Degrees</source>
        <translation>180 degrés</translation>
    </message>
    <message>
        <source>270 Degrees</source>
        <translation>270 degrés</translation>
    </message>
    <message>
        <source>Shrink to Fit</source>
        <translation>Réduire pour tenir</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
</context>
<context>
    <name>qm::OwnStock</name>
    <message>
        <source>Give the stock a name.</source>
        <translation>Donnez un nom à la planche.</translation>
    </message>
    <message>
        <source>A stock name has at most 60 characters.</source>
        <translation>Un nom de planche compte au plus 60 caractères.</translation>
    </message>
    <message>
        <source>A stock name cannot hold &quot;]&quot; or line breaks.</source>
        <translation>Un nom de planche ne peut contenir ni «&#xa0;]&#xa0;» ni saut de ligne.</translation>
    </message>
</context>
<context>
    <name>qm::PagedReport</name>
    <message>
        <source>the document could not be started</source>
        <translation>le document n&apos;a pas pu être commencé</translation>
    </message>
    <message>
        <source>the document could not be finished</source>
        <translation>le document n&apos;a pas pu être terminé</translation>
    </message>
    <message>
        <source>a drawing of the job could not be written to a temporary file: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>un dessin du travail n&apos;a pas pu être écrit dans un fichier temporaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>the page could not be started</source>
        <translation>la page n&apos;a pas pu être commencée</translation>
    </message>
</context>
<context>
    <name>qm::PdfJobWriter</name>
    <message>
        <source>a drawing of the job could not be read back: %1</source>
        <translation>un dessin du travail n&apos;a pas pu être relu&#xa0;: %1</translation>
    </message>
    <message>
        <source>a drawing of the job has no page</source>
        <translation>un dessin du travail n&apos;a pas de page</translation>
    </message>
    <message>
        <source>a font of the job could not be taken over: %1</source>
        <translation>une police du travail n&apos;a pas pu être reprise&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>qm::Pictures</name>
    <message>
        <source>This is not an enhanced metafile.</source>
        <translation>Ce n&apos;est pas un métafichier amélioré (EMF).</translation>
    </message>
    <message>
        <source>The metafile&apos;s header is damaged.</source>
        <translation>L&apos;en-tête du métafichier est endommagé.</translation>
    </message>
    <message>
        <source>The metafile has no size.</source>
        <translation>Le métafichier n&apos;a pas de taille.</translation>
    </message>
    <message>
        <source>This is not a PCX picture.</source>
        <translation>Ce n&apos;est pas une image PCX.</translation>
    </message>
    <message>
        <source>The PCX picture has no size.</source>
        <translation>L&apos;image PCX n&apos;a pas de taille.</translation>
    </message>
    <message>
        <source>The PCX picture is too large.</source>
        <translation>L&apos;image PCX est trop grande.</translation>
    </message>
    <message>
        <source>This kind of PCX picture is not supported.</source>
        <translation>Ce type d&apos;image PCX n&apos;est pas pris en charge.</translation>
    </message>
    <message>
        <source>The PCX picture&apos;s header is damaged.</source>
        <translation>L&apos;en-tête de l&apos;image PCX est endommagé.</translation>
    </message>
    <message>
        <source>The PCX picture is cut short.</source>
        <translation>L&apos;image PCX est tronquée.</translation>
    </message>
    <message>
        <source>The file %1 holds no %2.</source>
        <extracomment>%1 is a file name, %2 a picture format (&quot;PNG picture&quot;, &quot;Windows metafile&quot;).</extracomment>
        <translation>Le fichier %1 ne contient aucune donnée de type %2.</translation>
    </message>
    <message>
        <source>The picture %1 is cut short.</source>
        <translation>L&apos;image %1 est tronquée.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: %2</source>
        <translation>L&apos;image %1 est illisible&#xa0;: %2</translation>
    </message>
    <message>
        <source>Windows bitmap</source>
        <translation>bitmap Windows</translation>
    </message>
    <message>
        <source>JPEG picture</source>
        <translation>image JPEG</translation>
    </message>
    <message>
        <source>GIF picture</source>
        <translation>image GIF</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>image PNG</translation>
    </message>
    <message>
        <source>PCX picture</source>
        <translation>image PCX</translation>
    </message>
    <message>
        <source>Windows icon</source>
        <translation>icône Windows</translation>
    </message>
    <message>
        <source>Targa picture</source>
        <translation>image Targa</translation>
    </message>
    <message>
        <source>Windows metafile</source>
        <translation>métafichier Windows</translation>
    </message>
    <message>
        <source>enhanced metafile</source>
        <translation>métafichier amélioré</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>dessin SVG</translation>
    </message>
    <message>
        <source>The picture is too large (%1 x %2 pixels).</source>
        <translation>L&apos;image est trop grande (%1 x %2 pixels).</translation>
    </message>
    <message>
        <source>The file is not a picture this program can read.</source>
        <translation>Le fichier n&apos;est pas une image que ce programme sait lire.</translation>
    </message>
    <message>
        <source>The picture cannot be read: it is damaged or cut short.</source>
        <translation>L&apos;image est illisible&#xa0;: elle est endommagée ou tronquée.</translation>
    </message>
    <message>
        <source>The picture is too large.</source>
        <translation>L&apos;image est trop grande.</translation>
    </message>
    <message>
        <source>The picture file is empty.</source>
        <translation>Le fichier image est vide.</translation>
    </message>
    <message>
        <source>The picture file is too large.</source>
        <translation>Le fichier image est trop volumineux.</translation>
    </message>
    <message>
        <source>The SVG picture cannot be read.</source>
        <translation>L&apos;image SVG est illisible.</translation>
    </message>
    <message>
        <source>The bitmap cannot be read: it is damaged, cut short or too large.</source>
        <translation>L&apos;image bitmap est illisible&#xa0;: elle est endommagée, tronquée ou trop grande.</translation>
    </message>
    <message>
        <source>The bitmap is cut short.</source>
        <translation>L&apos;image bitmap est tronquée.</translation>
    </message>
    <message>
        <source>The picture file %1 does not exist.</source>
        <translation>Le fichier image %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 n&apos;est pas un fichier image.</translation>
    </message>
    <message>
        <source>The picture file %1 is too large.</source>
        <translation>Le fichier image %1 est trop volumineux.</translation>
    </message>
    <message>
        <source>The picture file %1 cannot be opened: %2.</source>
        <translation>Le fichier image %1 ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>There is no picture.</source>
        <translation>Il n&apos;y a pas d&apos;image.</translation>
    </message>
    <message>
        <source>This is not a Windows metafile.</source>
        <translation>Ce n&apos;est pas un métafichier Windows.</translation>
    </message>
</context>
<context>
    <name>qm::PositionDock</name>
    <message>
        <source>Position and Size</source>
        <translation>Position et taille</translation>
    </message>
    <message>
        <source>&amp;Position and Size</source>
        <translation>&amp;Position et taille</translation>
    </message>
    <message>
        <source>Shows or hides the panel of the selected object&apos;s position and size, typed exactly in inches or millimetres (Alt+X, Alt+Y, Alt+W and Alt+G go to its boxes).</source>
        <translation>Affiche ou masque le panneau de la position et de la taille de l&apos;objet sélectionné, saisies exactement en pouces ou en millimètres (Alt+X, Alt+Y, Alt+L et Alt+H mènent à ses zones).</translation>
    </message>
</context>
<context>
    <name>qm::PrintGuides</name>
    <message>
        <source>Show &amp;Bleed and Safe Area</source>
        <translation>Afficher le &amp;fond perdu et la zone de sécurité</translation>
    </message>
    <message>
        <source>Shows what a print shop cuts: the red band around the card is the bleed, into which the background goes on in a PDF for a print shop, and the dashed line inside the card marks the safe area; text outside it may be cut off. Nothing on the card is moved.</source>
        <translation>Montre ce que coupe un imprimeur&#xa0;: la bande rouge autour de la carte est le fond perdu, dans lequel le fond se prolonge dans un PDF pour imprimeur, et la ligne pointillée à l&apos;intérieur de la carte marque la zone de sécurité&#xa0;; le texte placé hors de cette zone risque d&apos;être coupé. Rien n&apos;est déplacé sur la carte.</translation>
    </message>
</context>
<context>
    <name>qm::PrintShopExport</name>
    <message>
        <source>On the back: %1</source>
        <extracomment>%1 is what a print shop may object to on the card&apos;s back</extracomment>
        <translation>Au verso&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>qm::PrintShopPage</name>
    <message>
        <source>--bleed needs millimetres from 0 to %1 in steps of %2 (such as 3 or 2.5), not &quot;%3&quot;</source>
        <extracomment>The command line&apos;s option --bleed: its name and the numbers in it stay as they are.</extracomment>
        <translation>--bleed demande des millimètres de 0 à %1 par pas de %2 (par exemple 3 ou 2.5), pas &quot;%3&quot;</translation>
    </message>
</context>
<context>
    <name>qm::PrintShopPdf</name>
    <message>
        <source>the page&apos;s boxes could not be set: %1</source>
        <extracomment>%1 is the reason, in the PDF library&apos;s words</extracomment>
        <translation>les cadres de la page n&apos;ont pas pu être définis&#xa0;: %1</translation>
    </message>
    <message>
        <source>the card could not be drawn</source>
        <translation>la carte n&apos;a pas pu être dessinée</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the PDF file, %2 why it was not written</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The background art has %1 dots per inch as printed; a print shop wants %2.</source>
        <translation>L&apos;image de fond a %1 points par pouce à l&apos;impression&#xa0;; un imprimeur en demande %2.</translation>
    </message>
    <message>
        <source>The picture at %1 mm, %2 mm (object %3) has %4 dots per inch as printed; a print shop wants %5.</source>
        <extracomment>%1 and %2 are the picture&apos;s place from the card&apos;s left and top edges, %3 its number in the card&apos;s list of objects</extracomment>
        <translation>L&apos;image à %1 mm, %2 mm (objet %3) a %4 points par pouce à l&apos;impression&#xa0;; un imprimeur en demande %5.</translation>
    </message>
    <message>
        <source>The text at %1 mm, %2 mm (object %3) comes closer than %4 mm to the edge and may be cut off.</source>
        <extracomment>%1 and %2 are the text&apos;s place from the card&apos;s left and top edges, %3 its number in the card&apos;s list of objects</extracomment>
        <translation>Le texte à %1 mm, %2 mm (objet %3) s&apos;approche à moins de %4 mm du bord et risque d&apos;être coupé.</translation>
    </message>
    <message>
        <source>The object at %1 mm, %2 mm (object %3) ends at the card&apos;s edge; let it reach %4 mm over the edge so that it fills the bleed.</source>
        <extracomment>%1 and %2 are the object&apos;s place from the card&apos;s left and top edges, %3 its number in the card&apos;s list of objects</extracomment>
        <translation>L&apos;objet à %1 mm, %2 mm (objet %3) s&apos;arrête au bord de la carte&#xa0;; faites-le dépasser du bord de %4 mm pour qu&apos;il remplisse le fond perdu.</translation>
    </message>
</context>
<context>
    <name>qm::PrinterCalibration</name>
    <message>
        <source>PDF file</source>
        <extracomment>The calibration kept for printing to PDF files, named where a printer&apos;s name would stand</extracomment>
        <translation>Fichier PDF</translation>
    </message>
    <message>
        <source>%1 must be a number of millimetres, such as 1.5 or -0.8.</source>
        <extracomment>%1 names the entry (&quot;Offset across&quot;)</extracomment>
        <translation>%1 doit être un nombre de millimètres, par exemple 1,5 ou -0,8.</translation>
    </message>
    <message>
        <source>%1 must lie between -%2 and %2 mm.</source>
        <translation>%1 doit être compris entre -%2 et %2 mm.</translation>
    </message>
    <message>
        <source>%1 must be a percentage, such as 99.8.</source>
        <translation>%1 doit être un pourcentage, par exemple 99,8.</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3 %.</source>
        <translation>%1 doit être compris entre %2 et %3&#xa0;%.</translation>
    </message>
    <message>
        <source>The reading for %1 must be larger than the one for %2.</source>
        <extracomment>%1 and %2 name the readings (&quot;B across&quot;, &quot;A across&quot;)</extracomment>
        <translation>Le relevé de %1 doit être plus grand que celui de %2.</translation>
    </message>
    <message>
        <source>The readings of %1 and %2 ask for more correction than Quillmark can make (at most %3 mm and %4 to %5 %); measure them again.</source>
        <translation>Les relevés de %1 et %2 demandent plus de correction que Quillmark ne peut en apporter (au plus %3 mm et de %4 à %5&#xa0;%)&#xa0;; mesurez-les de nouveau.</translation>
    </message>
</context>
<context>
    <name>qm::PrinterQueue</name>
    <message>
        <source>there is no default printer; name one with --printer NAME</source>
        <extracomment>&quot;--printer NAME&quot; is the command line&apos;s option: keep &quot;--printer&quot; as it is</extracomment>
        <translation>il n&apos;y a pas d&apos;imprimante par défaut&#xa0;; indiquez-en une avec --printer NAME</translation>
    </message>
    <message>
        <source>there is no printer &quot;%1&quot; (no printers are set up)</source>
        <translation>il n&apos;y a pas d&apos;imprimante «&#xa0;%1&#xa0;» (aucune imprimante n&apos;est configurée)</translation>
    </message>
    <message>
        <source>there is no printer &quot;%1&quot; (printers: %2)</source>
        <extracomment>%2 is the list of the printers there are, separated by commas</extracomment>
        <translation>il n&apos;y a pas d&apos;imprimante «&#xa0;%1&#xa0;» (imprimantes&#xa0;: %2)</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot; did not take the job: %2</source>
        <extracomment>%2 is the print system&apos;s own reason</extracomment>
        <translation>l&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas accepté le travail&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>qm::PrinterReport</name>
    <message>
        <source>No printer was found on this computer.

Cards can still be printed to PDF files (File, Print), and the preview works.</source>
        <translation>Aucune imprimante n&apos;a été trouvée sur cet ordinateur.

Les cartes peuvent toujours être imprimées dans des fichiers PDF (Fichier, Imprimer), et l&apos;aperçu fonctionne.</translation>
    </message>
    <message>
        <source>No default printer is chosen.

Cards are printed to PDF files until you choose a printer (File, Printer Setup).</source>
        <translation>Aucune imprimante par défaut n&apos;est choisie.

Les cartes sont imprimées dans des fichiers PDF jusqu&apos;à ce que vous choisissiez une imprimante (Fichier, Configuration de l&apos;imprimante).</translation>
    </message>
    <message>
        <source>PDF file</source>
        <extracomment>Where the cards go when they are printed to a PDF file not chosen yet</extracomment>
        <translation>Fichier PDF</translation>
    </message>
    <message>
        <source>PDF file %1</source>
        <translation>Fichier PDF %1</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>no PDF file was chosen</source>
        <translation>aucun fichier PDF n&apos;a été choisi</translation>
    </message>
</context>
<context>
    <name>qm::ProfileFile</name>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: the file is too large to be a settings file</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: le fichier est trop volumineux pour être un fichier de réglages</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would be larger than the %2 MB a settings file can hold; nothing was written</source>
        <translation>«&#xa0;%1&#xa0;» dépasserait les %2 Mo que peut contenir un fichier de réglages&#xa0;; rien n&apos;a été écrit</translation>
    </message>
</context>
<context>
    <name>qm::QuickTips</name>
    <message>
        <source>Pick a tool at the top, then drag a rectangle on the card to place a new object of that kind.</source>
        <translation>Choisissez un outil en haut, puis tracez un rectangle sur la carte pour placer un nouvel objet de ce type.</translation>
    </message>
    <message>
        <source>Click an object with the RIGHT mouse button for its own commands: font, colours, alignment, order and more.</source>
        <translation>Cliquez sur un objet avec le bouton DROIT de la souris pour ses propres commandes&#xa0;: police, couleurs, alignement, ordre et plus encore.</translation>
    </message>
    <message>
        <source>Hold Shift and click to select several objects, or drag a band around them on an empty part of the card.</source>
        <translation>Maintenez Maj et cliquez pour sélectionner plusieurs objets, ou tracez un cadre autour d&apos;eux sur une partie vide de la carte.</translation>
    </message>
    <message>
        <source>The arrow keys move the selected objects a pixel at a time.</source>
        <translation>Les touches fléchées déplacent les objets sélectionnés d&apos;un pixel à la fois.</translation>
    </message>
    <message>
        <source>Edit, Personal Information fills your name, address and phone numbers into personal-information text and into templates. Type them once, use them on every card.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Édition, Informations personnelles place votre nom, votre adresse et vos numéros de téléphone dans les textes d&apos;informations personnelles et dans les modèles. Saisissez-les une fois, utilisez-les sur toutes vos cartes.</translation>
    </message>
    <message>
        <source>File, New - Select From Templates starts a card from a ready-made design, already showing your own name.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Fichier, Nouveau - À partir d&apos;un modèle commence une carte à partir d&apos;une conception toute prête, qui affiche déjà votre nom.</translation>
    </message>
    <message>
        <source>Set the card size first: Edit, Change Business Card Layout matches the card and its spacing to your card stock. Pick your stock from Predefined Layouts.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Réglez d&apos;abord la taille de la carte&#xa0;: Édition, Modifier la mise en page des cartes de visite adapte la carte et son espacement à votre planche de cartes. Choisissez votre planche dans Mises en page prédéfinies.</translation>
    </message>
    <message>
        <source>Before you print on card stock, print File, Print Outline Test Page on plain paper and hold it against a sheet of card stock towards the light.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Avant d&apos;imprimer sur une planche de cartes, imprimez Fichier, Imprimer une page de test des contours sur du papier ordinaire et tenez-la contre une planche de cartes face à la lumière.</translation>
    </message>
    <message>
        <source>Printed cards a little off? File, Printer Fine Tuning moves the whole print in steps of 1/32 inch, for every card you print from now on.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Cartes imprimées un peu décalées&#xa0;? Fichier, Réglage fin de l&apos;imprimante déplace toute l&apos;impression par pas de 1/32 de pouce, pour toutes les cartes que vous imprimerez désormais.</translation>
    </message>
    <message>
        <source>A sheet with some cards already used can go through the printer again: in Print Cards press None, then click the positions still on the sheet.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Une feuille dont certaines cartes ont déjà servi peut repasser dans l&apos;imprimante&#xa0;: dans Imprimer les cartes, appuyez sur Aucune, puis cliquez sur les positions encore présentes sur la feuille.</translation>
    </message>
    <message>
        <source>No printer here? Print into a PDF file and print that later at actual size, not &quot;fit to page&quot;.</source>
        <translation>Pas d&apos;imprimante ici&#xa0;? Imprimez dans un fichier PDF et imprimez-le plus tard en taille réelle, pas en «&#xa0;ajuster à la page&#xa0;».</translation>
    </message>
    <message>
        <source>Ctrl+Z takes back any change, even a deleted object; Ctrl+Y brings it back again.</source>
        <translation>Ctrl+Z annule n&apos;importe quelle modification, même la suppression d&apos;un objet&#xa0;; Ctrl+Y la rétablit.</translation>
    </message>
    <message>
        <source>File, Save As PNG writes a picture of the card at its real size for e-mail or a web page.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Fichier, Enregistrer en PNG écrit une image de la carte à sa taille réelle pour un e-mail ou une page web.</translation>
    </message>
    <message>
        <source>Edit, Set or Change Background Art puts a picture behind the whole card; None takes it away.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Édition, Définir ou modifier l&apos;image de fond place une image derrière toute la carte&#xa0;; Aucun la retire.</translation>
    </message>
    <message>
        <source>Clip art from metafiles (WMF, EMF) and SVG files stays sharp on paper at any size.</source>
        <translation>Les cliparts issus de métafichiers (WMF, EMF) et de fichiers SVG restent nets sur papier à toutes les tailles.</translation>
    </message>
    <message>
        <source>Show grid draws dots to line objects up; with Snap to Grid on, objects jump to them as you move them.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Afficher la grille dessine des points pour aligner les objets&#xa0;; avec Aligner sur la grille activé, les objets s&apos;y calent quand vous les déplacez.</translation>
    </message>
    <message>
        <source>Edit, Change all fonts to... puts one typeface on every text of the card in one step.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Édition, Changer toutes les polices en... applique une même police à tous les textes de la carte en une seule fois.</translation>
    </message>
    <message>
        <source>Press plus (+) or minus (-) to zoom between 100% and 150%.</source>
        <translation>Appuyez sur plus (+) ou moins (-) pour zoomer entre 100&#xa0;% et 150&#xa0;%.</translation>
    </message>
    <message>
        <source>Not sure what a button does? Press Shift+F1, or the arrow-and-question-mark button, then click it.</source>
        <translation>Vous ne savez pas à quoi sert un bouton&#xa0;? Appuyez sur Maj+F1, ou sur le bouton flèche et point d&apos;interrogation, puis cliquez dessus.</translation>
    </message>
    <message>
        <source>Quick Tips</source>
        <translation>Astuces rapides</translation>
    </message>
    <message>
        <source>&amp;Previous Tip</source>
        <translation>Astuce &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>Astuce &amp;suivante</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;Show tips at start</source>
        <translation>&amp;Afficher les astuces au démarrage</translation>
    </message>
    <message>
        <source>Shows the tip before this one.</source>
        <translation>Affiche l&apos;astuce précédente.</translation>
    </message>
    <message>
        <source>Shows another tip.</source>
        <translation>Affiche une autre astuce.</translation>
    </message>
    <message>
        <source>When ticked, a tip greets you each time Quillmark starts.</source>
        <translation>Quand cette case est cochée, une astuce vous accueille à chaque démarrage de Quillmark.</translation>
    </message>
    <message>
        <source>Tip %1 of %2</source>
        <translation>Astuce %1 sur %2</translation>
    </message>
</context>
<context>
    <name>qm::RtfFormat</name>
    <message>
        <source>The file %1 holds no rich text (RTF).</source>
        <translation>Le fichier %1 ne contient pas de texte enrichi (RTF).</translation>
    </message>
    <message>
        <source>The rich text %1 is cut short.</source>
        <translation>Le texte enrichi %1 est tronqué.</translation>
    </message>
    <message>
        <source>The rich text %1 cannot be read.</source>
        <translation>Le texte enrichi %1 est illisible.</translation>
    </message>
    <message>
        <source>Rich text</source>
        <extracomment>A kind of file, in the file dialog&apos;s list of types</extracomment>
        <translation>Texte enrichi</translation>
    </message>
</context>
<context>
    <name>qm::SelectPreviewTemplate</name>
    <message>
        <source>(Template&apos;s own fonts)</source>
        <translation>(Polices du modèle)</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>Choisir un modèle</translation>
    </message>
    <message>
        <source>Sample card</source>
        <translation>Carte d&apos;exemple</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Modèles</translation>
    </message>
    <message>
        <source>The templates of the qmkt folder, each as a card made from it looks. Click one (or move with the arrow keys) to see it in the sample; a double-click, Enter or Ok starts a new card from it.</source>
        <translation>Les modèles du dossier qmkt, chacun tel que paraît une carte créée à partir de lui. Cliquez sur l&apos;un d&apos;eux (ou déplacez-vous avec les touches fléchées) pour le voir dans l&apos;exemple&#xa0;; un double-clic, Entrée ou OK crée une nouvelle carte à partir de lui.</translation>
    </message>
    <message>
        <source>Font for the template&apos;s text</source>
        <translation>Police du texte du modèle</translation>
    </message>
    <message>
        <source>The typeface put on the template&apos;s text; &quot;%1&quot; keeps the faces the template was designed with.</source>
        <extracomment>%1 is the first entry of the list, &quot;(Template&apos;s own fonts)&quot;</extracomment>
        <translation>La police appliquée au texte du modèle&#xa0;; «&#xa0;%1&#xa0;» garde les polices avec lesquelles le modèle a été conçu.</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Choisir la police</translation>
    </message>
    <message>
        <source>How the chosen template looks with the chosen font and your personal information.</source>
        <translation>L&apos;aspect du modèle choisi avec la police choisie et vos informations personnelles.</translation>
    </message>
    <message>
        <source>Sample</source>
        <comment>the sample card</comment>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>No templates in %1</source>
        <translation>Aucun modèle dans %1</translation>
    </message>
</context>
<context>
    <name>qm::SheetLayout</name>
    <message>
        <source>Avery Business Card 5371 (Letter Size Paper)</source>
        <translation>Avery Cartes de visite 5371 (papier Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 5372 (Letter Size Paper)</source>
        <translation>Avery Cartes de visite 5372 (papier Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 5376 - Ivory (Letter Size Paper)</source>
        <translation>Avery Cartes de visite 5376 - Ivoire (papier Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 5377 - Gray (Letter Size Paper)</source>
        <translation>Avery Cartes de visite 5377 - Gris (papier Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 5911 (Letter Size Paper)</source>
        <translation>Avery Cartes de visite 5911 (papier Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 8371 Ink Jet (Letter Size Paper)</source>
        <translation>Avery Cartes de visite 8371 jet d&apos;encre (papier Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 8372 Ink Jet (Letter Size Paper)</source>
        <translation>Avery Cartes de visite 8372 jet d&apos;encre (papier Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 8376 Ink Jet - Ivory (Letter Size Paper)</source>
        <translation>Avery Cartes de visite 8376 jet d&apos;encre - Ivoire (papier Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 8377 Ink Jet - Gray (Letter Size Paper)</source>
        <translation>Avery Cartes de visite 8377 jet d&apos;encre - Gris (papier Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card L7413 (A4 Size Paper)</source>
        <translation>Avery Cartes de visite L7413 (papier A4)</translation>
    </message>
    <message>
        <source>Avery Business Card L7414 (A4 Size Paper)</source>
        <translation>Avery Cartes de visite L7414 (papier A4)</translation>
    </message>
    <message>
        <source>Avery Business Card L7415 (A4 Size Paper)</source>
        <translation>Avery Cartes de visite L7415 (papier A4)</translation>
    </message>
    <message>
        <source>Avery Business Card L7417 (A4 Size Paper)</source>
        <translation>Avery Cartes de visite L7417 (papier A4)</translation>
    </message>
    <message>
        <source>Avery Business Card L7419 (A4)</source>
        <translation>Avery Cartes de visite L7419 (A4)</translation>
    </message>
    <message>
        <source>Avery Business Card 8373 - Glossy Photo Quality (Letter Size Paper)</source>
        <translation>Avery Cartes de visite 8373 - Qualité photo brillante (papier Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 3612 (Letter Size Paper)</source>
        <translation>Avery Cartes de visite 3612 (papier Letter)</translation>
    </message>
    <message>
        <source>MAACO ML-8550 (Letter Size Paper)</source>
        <translation>MAACO ML-8550 (papier Letter)</translation>
    </message>
    <message>
        <source>APLI 1612 (A4 Size Paper)</source>
        <translation>APLI 1612 (papier A4)</translation>
    </message>
    <message>
        <source>APLI 1620 (A4 Size Paper)</source>
        <translation>APLI 1620 (papier A4)</translation>
    </message>
    <message>
        <source>Formtec LS-3510 (A4 Size Paper)</source>
        <translation>Formtec LS-3510 (papier A4)</translation>
    </message>
    <message>
        <source>Herma 8840 (A4 Size Paper)</source>
        <translation>Herma 8840 (papier A4)</translation>
    </message>
    <message>
        <source>Card Height must be at least .3 inches (or 7mm)</source>
        <translation>La hauteur de carte doit être d&apos;au moins 0,3 pouce (ou 7 mm)</translation>
    </message>
    <message>
        <source>Card Height must be at most 48 inches (or 1219mm)</source>
        <translation>La hauteur de carte doit être d&apos;au plus 48 pouces (ou 1219 mm)</translation>
    </message>
    <message>
        <source>Card Width must be at least .5 inch (or 13mm)</source>
        <translation>La largeur de carte doit être d&apos;au moins 0,5 pouce (ou 13 mm)</translation>
    </message>
    <message>
        <source>Card Width must be at most 48 inches (or 1219mm)</source>
        <translation>La largeur de carte doit être d&apos;au plus 48 pouces (ou 1219 mm)</translation>
    </message>
    <message>
        <source>Horizontal Pitch must be at least = Card Width</source>
        <translation>Le pas horizontal doit être au moins égal à la largeur de carte</translation>
    </message>
    <message>
        <source>Horizontal Pitch must be at most 48 inches (or 1219mm)</source>
        <translation>Le pas horizontal doit être d&apos;au plus 48 pouces (ou 1219 mm)</translation>
    </message>
    <message>
        <source>Vertical Pitch must be at least = Card Height</source>
        <translation>Le pas vertical doit être au moins égal à la hauteur de carte</translation>
    </message>
    <message>
        <source>Vertical Pitch must be at most 48 inches (or 1219mm)</source>
        <translation>Le pas vertical doit être d&apos;au plus 48 pouces (ou 1219 mm)</translation>
    </message>
    <message>
        <source>Top Margin must be between 0 and 48 inches (or 1219mm)</source>
        <translation>La marge haute doit être comprise entre 0 et 48 pouces (ou 1219 mm)</translation>
    </message>
    <message>
        <source>Left Margin must be between 0 and 48 inches (or 1219mm)</source>
        <translation>La marge gauche doit être comprise entre 0 et 48 pouces (ou 1219 mm)</translation>
    </message>
    <message>
        <source>Cards Across must be between 1 and %1</source>
        <translation>Le nombre de cartes en largeur doit être compris entre 1 et %1</translation>
    </message>
    <message>
        <source>Cards Down must be between 1 and %1</source>
        <translation>Le nombre de cartes en hauteur doit être compris entre 1 et %1</translation>
    </message>
</context>
<context>
    <name>qm::SheetPicture</name>
    <message>
        <source>Sheet positions</source>
        <translation>Positions sur la feuille</translation>
    </message>
    <message>
        <source>Arrow keys move between the positions, Space ticks or clears one.</source>
        <translation>Les touches fléchées passent d&apos;une position à l&apos;autre, Espace coche ou décoche la position.</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Print &amp;Setup</source>
        <translation>&amp;Configuration de l&apos;impression</translation>
    </message>
</context>
<context>
    <name>qm::StockCatalog</name>
    <message>
        <source>Other sizes</source>
        <comment>paper</comment>
        <translation>Autres formats</translation>
    </message>
    <message>
        <source>Own stock</source>
        <translation>Planche personnelle</translation>
    </message>
</context>
<context>
    <name>qm::StockFileFormat</name>
    <message>
        <source>%1 has no %2.</source>
        <extracomment>%1 is an element of the XML file, %2 one of its attributes</extracomment>
        <translation>%1 n&apos;a pas de %2.</translation>
    </message>
    <message>
        <source>%1 has a %2 of &quot;%3&quot;, not a length.</source>
        <extracomment>%1 is an element of the XML file, %2 one of its attributes, %3 its value</extracomment>
        <translation>%1 a un %2 de «&#xa0;%3&#xa0;», qui n&apos;est pas une longueur.</translation>
    </message>
    <message>
        <source>Layout has a %1 of &quot;%2&quot;, not a count of labels.</source>
        <extracomment>Layout is an element of the XML file, %1 one of its attributes, %2 its value</extracomment>
        <translation>Layout a un %1 de «&#xa0;%2&#xa0;», qui n&apos;est pas un nombre d&apos;étiquettes.</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <extracomment>a paper&apos;s width and height</extracomment>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>The file %1 holds no gLabels paper sizes.</source>
        <translation>Le fichier %1 ne contient aucun format de papier gLabels.</translation>
    </message>
    <message>
        <source>The file %1 has a paper size that cannot be read (line %2).</source>
        <translation>Le fichier %1 contient un format de papier illisible (ligne %2).</translation>
    </message>
    <message>
        <source>The file %1 is not whole or not XML (line %2: %3).</source>
        <translation>Le fichier %1 est incomplet ou n&apos;est pas du XML (ligne %2&#xa0;: %3).</translation>
    </message>
    <message>
        <source>The template %1: %2</source>
        <extracomment>%1 is the maker and part of a card stock, %2 what is wrong with it</extracomment>
        <translation>La planche %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it has no part number.</source>
        <translation>elle n&apos;a pas de référence.</translation>
    </message>
    <message>
        <source>its paper &quot;%1&quot; is not known.</source>
        <translation>son papier «&#xa0;%1&#xa0;» est inconnu.</translation>
    </message>
    <message>
        <source>its labels have no size.</source>
        <translation>ses étiquettes n&apos;ont pas de taille.</translation>
    </message>
    <message>
        <source>it places no labels on the sheet.</source>
        <translation>elle ne place aucune étiquette sur la feuille.</translation>
    </message>
    <message>
        <source>%1 is on %2 paper; Quillmark prints on Letter and A4 paper only.</source>
        <translation>%1 est sur du papier %2&#xa0;; Quillmark n&apos;imprime que sur du papier Letter ou A4.</translation>
    </message>
    <message>
        <source>%1 has its cards in %2 groups of different spacing; Quillmark prints one group of evenly spaced cards a sheet.</source>
        <translation>%1 a ses cartes en %2 groupes d&apos;espacements différents&#xa0;; Quillmark imprime un seul groupe de cartes régulièrement espacées par feuille.</translation>
    </message>
    <message>
        <source>%1 has %2 x %3 labels a sheet; a sheet holds at most %4 across and %5 down.</source>
        <translation>%1 a %2 x %3 étiquettes par feuille&#xa0;; une feuille en contient au plus %4 en largeur et %5 en hauteur.</translation>
    </message>
    <message>
        <source>%1 has overlapping labels, which Quillmark cannot print.</source>
        <translation>%1 a des étiquettes qui se chevauchent, ce que Quillmark ne sait pas imprimer.</translation>
    </message>
    <message>
        <source>The file %1 holds no gLabels card stock.</source>
        <translation>Le fichier %1 ne contient aucune planche gLabels.</translation>
    </message>
    <message>
        <source>%1 It is left out.</source>
        <extracomment>%1 says what is wrong with a card stock of the file</extracomment>
        <translation>%1 Elle est ignorée.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>%1 is a file, %2 a line number, %3 what was passed over and why</extracomment>
        <translation>%1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>The file %1 holds no sheet that can be read. %2</source>
        <translation>Le fichier %1 ne contient aucune planche lisible. %2</translation>
    </message>
    <message>
        <source>The file %1 holds no sheets of rectangular labels or cards.</source>
        <translation>Le fichier %1 ne contient aucune planche d&apos;étiquettes ou de cartes rectangulaires.</translation>
    </message>
    <message>
        <source>gLabels card stock</source>
        <translation>Planches gLabels</translation>
    </message>
</context>
<context>
    <name>qm::StockText</name>
    <message>
        <source>%1 in</source>
        <comment>inches</comment>
        <translation>%1 po</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <comment>millimetres</comment>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1 x %2, corners %3</source>
        <extracomment>a card&apos;s width, height (with its unit) and the radius of its rounded corners</extracomment>
        <translation>%1 x %2, coins %3</translation>
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
        <translation>%1 en %2 groupes</translation>
    </message>
    <message>
        <source>(as %1 %2)</source>
        <extracomment>the stock is the same product as this maker&apos;s part</extracomment>
        <translation>(comme %1 %2)</translation>
    </message>
    <message>
        <source>[built in]</source>
        <extracomment>the stock comes with Quillmark</extracomment>
        <translation>[intégrée]</translation>
    </message>
</context>
<context>
    <name>qm::StreamReader</name>
    <message>
        <source>Invalid stream format</source>
        <translation>Format de flux non valide</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Erreur de lecture du flux</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <source>Property does not exist</source>
        <translation>La propriété n&apos;existe pas</translation>
    </message>
    <message>
        <source>Invalid property path</source>
        <translation>Chemin de propriété non valide</translation>
    </message>
    <message>
        <source>more objects than the %1 a card can hold</source>
        <translation>plus d&apos;objets que les %1 que peut contenir une carte</translation>
    </message>
    <message>
        <source>Class %1 not found</source>
        <extracomment>%1 is a class name stored in the card file (&quot;TKLine&quot;)</extracomment>
        <translation>Classe %1 introuvable</translation>
    </message>
    <message>
        <source>%1 is too large to be a card file</source>
        <translation>%1 est trop volumineux pour être un fichier de carte</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>qm::StreamWriter</name>
    <message>
        <source>Could not save &quot;%1&quot;: the card has %2 objects, more than the %3 a card file can hold; remove some objects</source>
        <translation>Impossible d&apos;enregistrer «&#xa0;%1&#xa0;»&#xa0;: la carte a %2 objets, plus que les %3 que peut contenir un fichier de carte&#xa0;; supprimez des objets</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 octet</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes</source>
        <translation>
            <numerusform>%Ln octet</numerusform>
            <numerusform>%Ln octets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: the card would take %2, more than the %3 a card file can hold; remove some objects or pictures</source>
        <extracomment>%2 and %3 are sizes (&quot;3 MB&quot;)</extracomment>
        <translation>Impossible d&apos;enregistrer «&#xa0;%1&#xa0;»&#xa0;: la carte occuperait %2, plus que les %3 que peut contenir un fichier de carte&#xa0;; supprimez des objets ou des images</translation>
    </message>
</context>
<context>
    <name>qm::SuperShapeDialog</name>
    <message>
        <source>Sample of the shape</source>
        <translation>Exemple de la forme</translation>
    </message>
    <message>
        <source>Super Shape Properties</source>
        <translation>Propriétés de la SuperShape</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Round Rectangle</source>
        <translation>Rectangle arrondi</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Losange</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Triangle Left</source>
        <translation>Triangle vers la gauche</translation>
    </message>
    <message>
        <source>Triangle Right</source>
        <translation>Triangle vers la droite</translation>
    </message>
    <message>
        <source>Triangle Up</source>
        <translation>Triangle vers le haut</translation>
    </message>
    <message>
        <source>Triangle Down</source>
        <translation>Triangle vers le bas</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Uni</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>Gradient Fill</source>
        <translation>Dégradé</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Lower Right</source>
        <translation>Bas droite</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Haut droite</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Haut gauche</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>Bas gauche</translation>
    </message>
    <message>
        <source>Solid Line</source>
        <translation>Trait plein</translation>
    </message>
    <message>
        <source>Dash Line</source>
        <translation>Tirets</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>Pointillés</translation>
    </message>
    <message>
        <source>DashDot Line</source>
        <translation>Tiret-point</translation>
    </message>
    <message>
        <source>DashDotDot Line</source>
        <translation>Tiret-point-point</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Points On Star</source>
        <translation>Branches de l&apos;étoile</translation>
    </message>
    <message>
        <source>% of Inward Vector</source>
        <translation>% du vecteur intérieur</translation>
    </message>
    <message>
        <source>Round Percentage</source>
        <translation>Pourcentage d&apos;arrondi</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Charger une texture</translation>
    </message>
    <message>
        <source>Choose the picture the shape is filled with</source>
        <translation>Choisir l&apos;image qui remplit la forme</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Fill Direction</source>
        <translation>Sens du dégradé</translation>
    </message>
    <message>
        <source>From Color</source>
        <translation>Couleur de départ</translation>
    </message>
    <message>
        <source>To Color</source>
        <translation>Couleur d&apos;arrivée</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Surface Type</source>
        <translation>Type de surface</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Couleur de l&apos;ombre</translation>
    </message>
    <message>
        <source>Shadow Orientation</source>
        <translation>Direction de l&apos;ombre</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Profondeur de l&apos;ombre</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Couleur du contour</translation>
    </message>
    <message>
        <source>OutLine Style</source>
        <translation>Style du contour</translation>
    </message>
    <message>
        <source>Outline Width</source>
        <translation>Épaisseur du contour</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The shape as it will look with these settings.</source>
        <translation>La forme telle qu&apos;elle apparaîtra avec ces réglages.</translation>
    </message>
    <message>
        <source>The outline of the shape: rectangle, rounded rectangle, ellipse, diamond, star or a triangle pointing one way.</source>
        <translation>Le contour de la forme&#xa0;: rectangle, rectangle arrondi, ellipse, losange, étoile ou triangle pointé dans une direction.</translation>
    </message>
    <message>
        <source>How many points the star has.</source>
        <translation>Le nombre de branches de l&apos;étoile.</translation>
    </message>
    <message>
        <source>How deep the star&apos;s points are cut: 0 gives a polygon, 90 thin spikes.</source>
        <translation>La profondeur des branches de l&apos;étoile&#xa0;: 0 donne un polygone, 90 des pointes fines.</translation>
    </message>
    <message>
        <source>How round the corners are, as a part of the shorter side.</source>
        <translation>L&apos;arrondi des coins, en part du côté le plus court.</translation>
    </message>
    <message>
        <source>What fills the shape: nothing, one colour, a picture tiled over it, or a gradient.</source>
        <translation>Ce qui remplit la forme&#xa0;: rien, une couleur, une image répétée en mosaïque ou un dégradé.</translation>
    </message>
    <message>
        <source>The colour that fills the shape.</source>
        <translation>La couleur qui remplit la forme.</translation>
    </message>
    <message>
        <source>Which way the gradient runs from its first colour to its second.</source>
        <translation>Le sens dans lequel le dégradé passe de sa première couleur à la seconde.</translation>
    </message>
    <message>
        <source>The colour the gradient starts with.</source>
        <translation>La couleur de départ du dégradé.</translation>
    </message>
    <message>
        <source>The colour the gradient ends with.</source>
        <translation>La couleur d&apos;arrivée du dégradé.</translation>
    </message>
    <message>
        <source>The colour of the shadow behind the shape.</source>
        <translation>La couleur de l&apos;ombre derrière la forme.</translation>
    </message>
    <message>
        <source>Where the shadow falls; None draws no shadow.</source>
        <translation>Où tombe l&apos;ombre&#xa0;; Aucune ne dessine pas d&apos;ombre.</translation>
    </message>
    <message>
        <source>How far, in pixels, the shadow lies from the shape.</source>
        <translation>La distance, en pixels, entre l&apos;ombre et la forme.</translation>
    </message>
    <message>
        <source>The colour of the shape&apos;s outline.</source>
        <translation>La couleur du contour de la forme.</translation>
    </message>
    <message>
        <source>Solid, dashed or dotted outline; Clear draws none.</source>
        <translation>Contour plein, en tirets ou en pointillés&#xa0;; Effacer n&apos;en dessine aucun.</translation>
    </message>
    <message>
        <source>How thick the outline is, in pixels.</source>
        <translation>L&apos;épaisseur du contour, en pixels.</translation>
    </message>
    <message>
        <source>Chooses the picture tiled over the shape.</source>
        <translation>Choisit l&apos;image répétée en mosaïque sur la forme.</translation>
    </message>
</context>
<context>
    <name>qm::TCircleTextProperties</name>
    <message>
        <source>Preview of the circular text</source>
        <translation>Aperçu du texte circulaire</translation>
    </message>
    <message>
        <source>%1 degrees</source>
        <translation>%1 degrés</translation>
    </message>
    <message>
        <source>CircleText Properties</source>
        <translation>Propriétés du CircleText</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>The text set along the circle.</source>
        <translation>Le texte disposé le long du cercle.</translation>
    </message>
    <message>
        <source>Degrees of the circle</source>
        <translation>Degrés du cercle</translation>
    </message>
    <message>
        <source>How much of the circle the text spreads over.</source>
        <translation>La part du cercle sur laquelle s&apos;étend le texte.</translation>
    </message>
    <message>
        <source>Starting angle</source>
        <translation>Angle de départ</translation>
    </message>
    <message>
        <source>Angled Characters</source>
        <translation>Caractères inclinés</translation>
    </message>
    <message>
        <source>Turns each letter to follow the circle; otherwise letters stay upright.</source>
        <translation>Incline chaque lettre pour suivre le cercle&#xa0;; sinon les lettres restent droites.</translation>
    </message>
    <message>
        <source>Mirrored</source>
        <translation>En miroir</translation>
    </message>
    <message>
        <source>Lays angled letters along the inside of the circle, so that they read from the centre.</source>
        <translation>Place les lettres inclinées à l&apos;intérieur du cercle, pour qu&apos;elles se lisent depuis le centre.</translation>
    </message>
    <message>
        <source>Font colour</source>
        <translation>Couleur de la police</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Choisir la police</translation>
    </message>
    <message>
        <source>Font 5 points larger</source>
        <translation>Police 5 points plus grande</translation>
    </message>
    <message>
        <source>Makes the letters 5 points larger (up to 150 points).</source>
        <translation>Agrandit les lettres de 5 points (jusqu&apos;à 150 points).</translation>
    </message>
    <message>
        <source>Font 5 points smaller</source>
        <translation>Police 5 points plus petite</translation>
    </message>
    <message>
        <source>Makes the letters 5 points smaller (down to 10 points).</source>
        <translation>Réduit les lettres de 5 points (jusqu&apos;à 10 points au minimum).</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>Starting Angle</source>
        <translation>Angle de départ</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Couleur de la police</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>The text on its circle as it will look on the card.</source>
        <translation>Le texte sur son cercle tel qu&apos;il apparaîtra sur la carte.</translation>
    </message>
    <message>
        <source>The colour of the letters.</source>
        <translation>La couleur des lettres.</translation>
    </message>
    <message>
        <source>Chooses the font, its size and style.</source>
        <translation>Choisit la police, sa taille et son style.</translation>
    </message>
    <message>
        <source>Shows the preview larger (up to 100%).</source>
        <translation>Affiche l&apos;aperçu en plus grand (jusqu&apos;à 100&#xa0;%).</translation>
    </message>
    <message>
        <source>Shows the preview smaller (down to 50%).</source>
        <translation>Affiche l&apos;aperçu en plus petit (jusqu&apos;à 50&#xa0;%).</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Please enter some text</source>
        <translation>Veuillez saisir du texte</translation>
    </message>
    <message>
        <source>Where the text starts: 90 at the top of the circle, 180 at the left, 270 at the bottom, 360 at the right. The letters run clockwise from there.</source>
        <translation>Où commence le texte&#xa0;: 90 en haut du cercle, 180 à gauche, 270 en bas, 360 à droite. Les lettres tournent ensuite dans le sens des aiguilles d&apos;une montre.</translation>
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
        <translation>Enregistrer la planche sous</translation>
    </message>
    <message>
        <source>Name of your card stock:</source>
        <translation>Nom de votre planche de cartes&#xa0;:</translation>
    </message>
    <message>
        <source>Import Card Stock</source>
        <translation>Importer des planches de cartes</translation>
    </message>
    <message>
        <source>gLabels templates</source>
        <translation>Modèles gLabels</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Business Card Layout</source>
        <translation>Mise en page des cartes de visite</translation>
    </message>
    <message>
        <source>Choose the card stock you print on; its sizes fill the boxes.</source>
        <translation>Choisissez la planche de cartes sur laquelle vous imprimez&#xa0;; ses dimensions remplissent les zones.</translation>
    </message>
    <message>
        <source>Use &amp;Inches</source>
        <translation>Utiliser les po&amp;uces</translation>
    </message>
    <message>
        <source>Use &amp;Millimeters</source>
        <translation>Utiliser les &amp;millimètres</translation>
    </message>
    <message>
        <source>The width of one card.</source>
        <translation>La largeur d&apos;une carte.</translation>
    </message>
    <message>
        <source>The height of one card.</source>
        <translation>La hauteur d&apos;une carte.</translation>
    </message>
    <message>
        <source>From the left edge of one card to the left edge of the next.</source>
        <translation>Du bord gauche d&apos;une carte au bord gauche de la suivante.</translation>
    </message>
    <message>
        <source>From the top edge of one card to the top edge of the card below.</source>
        <translation>Du bord haut d&apos;une carte au bord haut de la carte du dessous.</translation>
    </message>
    <message>
        <source>From the left edge of the paper to the first card.</source>
        <translation>Du bord gauche du papier à la première carte.</translation>
    </message>
    <message>
        <source>From the top edge of the paper to the first card.</source>
        <translation>Du bord haut du papier à la première carte.</translation>
    </message>
    <message>
        <source>How many cards stand side by side.</source>
        <translation>Le nombre de cartes côte à côte.</translation>
    </message>
    <message>
        <source>How many rows of cards the sheet has.</source>
        <translation>Le nombre de rangées de cartes sur la feuille.</translation>
    </message>
    <message>
        <source>Letter (8.5 x 11&quot;)</source>
        <extracomment>A paper size in the list; the paper&apos;s own name stays as it is, the sizes are written the local way</extracomment>
        <translation>Letter (8,5 x 11 po)</translation>
    </message>
    <message>
        <source>A4 (210 x 297mm)</source>
        <translation>A4 (210 x 297 mm)</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>orientation of the card on the sheet</comment>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Rotated</source>
        <comment>orientation of the card on the sheet</comment>
        <translation>Pivotée</translation>
    </message>
    <message>
        <source>Card Width</source>
        <translation>Largeur de carte</translation>
    </message>
    <message>
        <source>Card Height</source>
        <translation>Hauteur de carte</translation>
    </message>
    <message>
        <source>Horizontal Pitch</source>
        <translation>Pas horizontal</translation>
    </message>
    <message>
        <source>Vertical Pitch</source>
        <translation>Pas vertical</translation>
    </message>
    <message>
        <source># across</source>
        <extracomment>The number of cards side by side on the sheet</extracomment>
        <translation>Nb en largeur</translation>
    </message>
    <message>
        <source># down</source>
        <extracomment>The number of rows of cards on the sheet</extracomment>
        <translation>Nb en hauteur</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Marge gauche</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Marge haute</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Format du papier</translation>
    </message>
    <message>
        <source>Predefined Layouts</source>
        <translation>Mises en page prédéfinies</translation>
    </message>
    <message>
        <source>Shows and takes the sizes in inches.</source>
        <translation>Affiche et accepte les dimensions en pouces.</translation>
    </message>
    <message>
        <source>Shows and takes the sizes in millimetres.</source>
        <translation>Affiche et accepte les dimensions en millimètres.</translation>
    </message>
    <message>
        <source>The paper of your card stock: Letter or A4.</source>
        <translation>Le papier de votre planche de cartes&#xa0;: Letter ou A4.</translation>
    </message>
    <message>
        <source>The card lies as designed, wider than high for a standard card.</source>
        <translation>La carte est posée telle que conçue, plus large que haute pour une carte standard.</translation>
    </message>
    <message>
        <source>The card is turned a quarter on the sheet: for cards that stand upright.</source>
        <translation>La carte est tournée d&apos;un quart de tour sur la feuille&#xa0;: pour les cartes en hauteur.</translation>
    </message>
    <message>
        <source>Card Stock</source>
        <translation>Planches de cartes</translation>
    </message>
    <message>
        <source>Search maker, part number or description</source>
        <translation>Rechercher un fabricant, une référence ou une description</translation>
    </message>
    <message>
        <source>Card stock</source>
        <translation>Planches de cartes</translation>
    </message>
    <message>
        <source>Maker</source>
        <extracomment>Headings of the card stock list; &quot;Part&quot; is the maker&apos;s part number, &quot;From&quot; where the entry comes from</extracomment>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Part</source>
        <comment>part number</comment>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>Format de carte</translation>
    </message>
    <message>
        <source>Cards</source>
        <comment>count of cards on a sheet</comment>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>From</source>
        <comment>source</comment>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Save Stock &amp;As...</source>
        <translation>Enregistrer la planche &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Import Stock...</source>
        <translation>&amp;Importer des planches...</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Papier</translation>
    </message>
    <message>
        <source>Type words of the maker, the part number or the description of your card stock: the list keeps what holds every word.</source>
        <translation>Tapez des mots du fabricant, de la référence ou de la description de votre planche de cartes&#xa0;: la liste garde celles qui contiennent tous les mots.</translation>
    </message>
    <message>
        <source>Shows the card stock of one paper size only.</source>
        <translation>N&apos;affiche que les planches d&apos;un seul format de papier.</translation>
    </message>
    <message>
        <source>Card stock you can buy, business cards first: gLabels&apos; database where it is installed, your own saved stock, and the built-in sheets. Choose one and its sizes fill the boxes below.</source>
        <translation>Les planches de cartes du commerce, cartes de visite en premier&#xa0;: la base de gLabels si elle est installée, vos propres planches enregistrées et les planches intégrées. Choisissez-en une et ses dimensions remplissent les zones ci-dessous.</translation>
    </message>
    <message>
        <source>Keeps the sizes below under a name of yours, in the stock list from now on.</source>
        <translation>Garde les dimensions ci-dessous sous un nom de votre choix&#xa0;; la planche figure désormais dans la liste.</translation>
    </message>
    <message>
        <source>Adds the card stock of a gLabels templates file (.xml) to the list.</source>
        <translation>Ajoute à la liste les planches de cartes d&apos;un fichier de modèles gLabels (.xml).</translation>
    </message>
    <message>
        <source>All papers</source>
        <translation>Tous les papiers</translation>
    </message>
    <message>
        <source>%1, as %2</source>
        <extracomment>Where a stock entry comes from, and the other entry it has the sizes of (&quot;gLabels, as 28371&quot;)</extracomment>
        <translation>%1, comme %2</translation>
    </message>
    <message>
        <source>The sizes below are no sheet of the list.</source>
        <translation>Les dimensions ci-dessous ne correspondent à aucune planche de la liste.</translation>
    </message>
    <message>
        <source>The sizes below are the sheet of %1.</source>
        <extracomment>%1 is a card stock (&quot;Avery 8371&quot;)</extracomment>
        <translation>Les dimensions ci-dessous sont celles de la planche %1.</translation>
    </message>
    <message numerus="yes">
        <source>The sizes below are the sheet of %1 and %n more.</source>
        <extracomment>%1 is a card stock (&quot;Avery 8371&quot;), %n how many others have the same sizes</extracomment>
        <translation>
            <numerusform>Les dimensions ci-dessous sont celles de la planche %1 et de %n autre.</numerusform>
            <numerusform>Les dimensions ci-dessous sont celles de la planche %1 et de %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>The stock &quot;%1&quot; could not be saved: %2</source>
        <translation>La planche «&#xa0;%1&#xa0;» n&apos;a pas pu être enregistrée&#xa0;: %2</translation>
    </message>
    <message>
        <source>The stock could not be kept in %1: %2</source>
        <translation>La planche n&apos;a pas pu être gardée dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>1 sheet of %1 added.</source>
        <extracomment>%1 is the file&apos;s name</extracomment>
        <translation>1 planche de %1 ajoutée.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln sheets of %1 added.</source>
        <translation>
            <numerusform>%Ln planche de %1 ajoutée.</numerusform>
            <numerusform>%Ln planches de %1 ajoutées.</numerusform>
        </translation>
    </message>
    <message>
        <source>built in</source>
        <comment>card stock that comes with the program</comment>
        <translation>intégrée</translation>
    </message>
</context>
<context>
    <name>qm::TGetBCLabelText</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Enter Text</source>
        <translation>Saisissez le texte</translation>
    </message>
    <message>
        <source>Type the text of the label, or pick one of your personal details below and change it here as you like.</source>
        <translation>Tapez le texte de l&apos;étiquette, ou choisissez ci-dessous une de vos informations personnelles et modifiez-la ici à votre guise.</translation>
    </message>
    <message>
        <source>or select personal information</source>
        <translation>ou choisissez une information personnelle</translation>
    </message>
    <message>
        <source>Your personal information as entered with Personal Information. Picking an entry puts it into the text box; the label does not follow later changes of it.</source>
        <translation>Vos informations personnelles telles que saisies dans Informations personnelles. Choisir une entrée la place dans la zone de texte&#xa0;; l&apos;étiquette ne suit pas ses modifications ultérieures.</translation>
    </message>
    <message>
        <source>Choose an entry</source>
        <translation>Choisissez une entrée</translation>
    </message>
    <message>
        <source>None yet (Edit, Personal Information)</source>
        <translation>Aucune pour l&apos;instant (Édition, Informations personnelles)</translation>
    </message>
</context>
<context>
    <name>qm::TGetLabelText</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Enter Text</source>
        <translation>Saisissez le texte</translation>
    </message>
    <message>
        <source>Type the text of the label. It is drawn on one line in the label&apos;s font, with its shadow and highlight.</source>
        <translation>Tapez le texte de l&apos;étiquette. Il est dessiné sur une ligne dans la police de l&apos;étiquette, avec son ombre et son reflet.</translation>
    </message>
</context>
<context>
    <name>qm::TGetSymbol</name>
    <message>
        <source>%1, %2pt Bold Italic </source>
        <extracomment>The symbol font on its button: its name, its size in points and its style.</extracomment>
        <translation>%1, %2 pt gras italique </translation>
    </message>
    <message>
        <source>%1, %2pt Bold </source>
        <translation>%1, %2 pt gras </translation>
    </message>
    <message>
        <source>%1, %2pt Italic </source>
        <translation>%1, %2 pt italique </translation>
    </message>
    <message>
        <source>%1, %2pt </source>
        <translation>%1, %2 pt </translation>
    </message>
    <message>
        <source>Symbol Selector</source>
        <translation>Sélecteur de symboles</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Police</translation>
    </message>
    <message>
        <source>Choose the symbol font: Wingdings, Webdings, Symbol or any other font. Its size, colour and style are those of the symbol.</source>
        <translation>Choisissez la police des symboles&#xa0;: Wingdings, Webdings, Symbol ou toute autre police. Sa taille, sa couleur et son style sont ceux du symbole.</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symboles</translation>
    </message>
    <message>
        <source>Every character of the font, as it will be drawn on the card. Click the one you want; a double-click also closes the selector.</source>
        <translation>Tous les caractères de la police, tels qu&apos;ils seront dessinés sur la carte. Cliquez sur celui que vous voulez&#xa0;; un double-clic ferme aussi le sélecteur.</translation>
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
        <translation>Aide de Quillmark</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <comment>previous page</comment>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <comment>next page</comment>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>S&amp;ommaire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Quillmark Help - %1</source>
        <translation>Aide de Quillmark - %1</translation>
    </message>
    <message>
        <source>Search the help</source>
        <translation>Rechercher dans l&apos;aide</translation>
    </message>
    <message>
        <source>Pages found</source>
        <translation>Pages trouvées</translation>
    </message>
    <message>
        <source>Goes back to the page you read before.</source>
        <translation>Revient à la page lue auparavant.</translation>
    </message>
    <message>
        <source>Goes forward again after Back.</source>
        <translation>Avance de nouveau après Précédent.</translation>
    </message>
    <message>
        <source>Shows the list of all help pages.</source>
        <translation>Affiche la liste de toutes les pages d&apos;aide.</translation>
    </message>
    <message>
        <source>Closes the help.</source>
        <translation>Ferme l&apos;aide.</translation>
    </message>
    <message>
        <source>Type words to find: the list below shows the pages that contain all of them, the best first. Click one to read it.</source>
        <translation>Tapez les mots à chercher&#xa0;: la liste ci-dessous montre les pages qui les contiennent tous, les meilleures d&apos;abord. Cliquez sur une page pour la lire.</translation>
    </message>
    <message>
        <source>The pages that contain the words you searched for.</source>
        <translation>Les pages qui contiennent les mots recherchés.</translation>
    </message>
    <message>
        <source>The help page. Click an underlined link to follow it.</source>
        <translation>La page d&apos;aide. Cliquez sur un lien souligné pour le suivre.</translation>
    </message>
    <message>
        <source>No page has these words.</source>
        <translation>Aucune page ne contient ces mots.</translation>
    </message>
</context>
<context>
    <name>qm::TKBasePanel</name>
    <message>
        <source>The objects could not be copied: %1</source>
        <translation>Les objets n&apos;ont pas pu être copiés&#xa0;: %1</translation>
    </message>
    <message>
        <source>The clipboard could not be pasted: %1</source>
        <translation>Le contenu du presse-papiers n&apos;a pas pu être collé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>qm::TKBrushImageBrowser</name>
    <message>
        <source>The shape with the texture selected</source>
        <translation>La forme avec la texture sélectionnée</translation>
    </message>
</context>
<context>
    <name>qm::TKFont3DEffects</name>
    <message>
        <source>Sample of the effects</source>
        <translation>Exemple des effets</translation>
    </message>
    <message>
        <source>Text 3D Effects</source>
        <translation>Effets 3D du texte</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Lower Right</source>
        <translation>Bas droite</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>Bas gauche</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>The side of the text on which its shadow falls.</source>
        <translation>Le côté du texte où tombe son ombre.</translation>
    </message>
    <message>
        <source>The colour of the shadow.</source>
        <translation>La couleur de l&apos;ombre.</translation>
    </message>
    <message>
        <source>How far, in pixels, the shadow lies from the text. 0 draws no shadow.</source>
        <translation>La distance, en pixels, entre l&apos;ombre et le texte. 0 ne dessine pas d&apos;ombre.</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Haut droite</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Haut gauche</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>The side of the text on which its highlight lies.</source>
        <translation>Le côté du texte où se trouve son reflet.</translation>
    </message>
    <message>
        <source>The colour of the highlight.</source>
        <translation>La couleur du reflet.</translation>
    </message>
    <message>
        <source>How far, in pixels, the highlight lies from the text. 0 draws no highlight.</source>
        <translation>La distance, en pixels, entre le reflet et le texte. 0 ne dessine pas de reflet.</translation>
    </message>
    <message>
        <source>The colour of the text itself. &quot;Custom...&quot; picks any other colour.</source>
        <translation>La couleur du texte lui-même. «&#xa0;Personnalisée...&#xa0;» permet de choisir toute autre couleur.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Shows how the text looks with these settings.</source>
        <translation>Montre l&apos;aspect du texte avec ces réglages.</translation>
    </message>
    <message>
        <source>Shadow Direction</source>
        <translation>Direction de l&apos;ombre</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Couleur de l&apos;ombre</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Profondeur de l&apos;ombre</translation>
    </message>
    <message>
        <source>Highlight Direction</source>
        <translation>Direction du reflet</translation>
    </message>
    <message>
        <source>Highlight Color</source>
        <translation>Couleur du reflet</translation>
    </message>
    <message>
        <source>Highlight Depth</source>
        <translation>Profondeur du reflet</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Couleur de la police</translation>
    </message>
</context>
<context>
    <name>qm::TKImageBrowser</name>
    <message>
        <source>Load Image File </source>
        <translation>Charger un fichier image </translation>
    </message>
    <message>
        <source>Preview of the picture</source>
        <translation>Aperçu de l&apos;image</translation>
    </message>
    <message>
        <source> Options </source>
        <translation> Options </translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Étirer</translation>
    </message>
    <message>
        <source>Stretch image to max display size</source>
        <translation>Étirer l&apos;image à la taille d&apos;affichage maximale</translation>
    </message>
    <message>
        <source>AutoSize</source>
        <translation>Taille automatique</translation>
    </message>
    <message>
        <source>AutoSize TImage</source>
        <translation>Taille automatique</translation>
    </message>
    <message>
        <source>Clip Art</source>
        <translation>Clipart</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The picture selected, as the object will show it.</source>
        <translation>L&apos;image sélectionnée, telle que l&apos;objet l&apos;affichera.</translation>
    </message>
    <message>
        <source>Fills the object&apos;s box with the picture, whatever the picture&apos;s own shape.</source>
        <translation>Remplit le cadre de l&apos;objet avec l&apos;image, quelle que soit la forme de l&apos;image.</translation>
    </message>
    <message>
        <source>Makes the object&apos;s box the picture&apos;s own size.</source>
        <translation>Donne au cadre de l&apos;objet la taille propre de l&apos;image.</translation>
    </message>
    <message>
        <source>Puts the selected picture into the clip-art object.</source>
        <translation>Place l&apos;image sélectionnée dans l&apos;objet clipart.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>qm::TKReport</name>
    <message>
        <source>the document could not be started</source>
        <translation>le document n&apos;a pas pu être commencé</translation>
    </message>
    <message>
        <source>the job failed</source>
        <translation>le travail a échoué</translation>
    </message>
    <message>
        <source>a new page could not be started</source>
        <translation>une nouvelle page n&apos;a pas pu être commencée</translation>
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
        <translation>À %1 points, «&#xa0;%2&#xa0;» est plus large que la carte&#xa0;: sa fin est coupée au bord de la carte.

Choisissez une taille plus petite ou un texte plus court dans Propriétés.</translation>
    </message>
</context>
<context>
    <name>qm::TLabelPrinter</name>
    <message>
        <source>Preparing Preview Page %p</source>
        <extracomment>%p is the page&apos;s number</extracomment>
        <translation>Préparation de la page d&apos;aperçu %p</translation>
    </message>
    <message>
        <source>Printing page %p of %1</source>
        <extracomment>%p is the page&apos;s number, %1 how many pages there are</extracomment>
        <translation>Impression de la page %p sur %1</translation>
    </message>
    <message>
        <source>Printing page %p</source>
        <translation>Impression de la page %p</translation>
    </message>
    <message>
        <source>Business Card Print Canceled!</source>
        <translation>Impression des cartes de visite annulée&#xa0;!</translation>
    </message>
    <message>
        <source>Business Card Preview Canceled!</source>
        <translation>Aperçu des cartes de visite annulé&#xa0;!</translation>
    </message>
    <message>
        <source>Preview Stopped at page %1!</source>
        <translation>Aperçu arrêté à la page %1&#xa0;!</translation>
    </message>
    <message>
        <source>Business Card Print Failed: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Échec de l&apos;impression des cartes de visite&#xa0;: %1</translation>
    </message>
    <message>
        <source>Card %1</source>
        <extracomment>The card being printed, shown under the print status; %1 is its position on the sheet</extracomment>
        <translation>Carte %1</translation>
    </message>
</context>
<context>
    <name>qm::TLoadBackGround</name>
    <message>
        <source>Load Business Card Background Art</source>
        <translation>Charger une image de fond de carte de visite</translation>
    </message>
    <message>
        <source>The card with this background</source>
        <translation>La carte avec ce fond</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no background art</comment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The picture selected, as the card will show it behind its objects.</source>
        <translation>L&apos;image sélectionnée, telle que la carte l&apos;affichera derrière ses objets.</translation>
    </message>
    <message>
        <source>Puts the selected picture behind the card.</source>
        <translation>Place l&apos;image sélectionnée derrière la carte.</translation>
    </message>
    <message>
        <source>Backgrounds</source>
        <comment>the folder of background art</comment>
        <translation>Fonds</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation>Erreur de chargement du fichier&#xa0;!</translation>
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
        <translation>La carte que vous concevez. Choisissez un outil ci-dessus puis faites glisser la souris sur la carte pour placer un objet&#xa0;; cliquez sur un objet avec le bouton droit de la souris pour afficher ses commandes.</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>side of the card</comment>
        <translation>Verso</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>side of the card</comment>
        <translation>Recto</translation>
    </message>
    <message>
        <source>%1

Quillmark starts with its default settings (printer fine tuning, default layout, font, personal information).</source>
        <extracomment>%1 says why the settings could not be read</extracomment>
        <translation>%1

Quillmark démarre avec ses réglages par défaut (réglage fin de l&apos;imprimante, mise en page par défaut, police, informations personnelles).</translation>
    </message>
    <message>
        <source>Configuration Information</source>
        <translation>Informations de configuration</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Selection tool</source>
        <translation>Outil de sélection</translation>
    </message>
    <message>
        <source>Tools</source>
        <comment>tool bar</comment>
        <translation>Outils</translation>
    </message>
    <message>
        <source>%1: pick it, then drag a rectangle on the card to place the object.</source>
        <extracomment>%1 is the tool&apos;s tip, such as &quot;Rectangle tool&quot;</extracomment>
        <translation>%1&#xa0;: choisissez-le, puis tracez un rectangle sur la carte pour placer l&apos;objet.</translation>
    </message>
    <message>
        <source>&amp;Quick Tips</source>
        <translation>&amp;Astuces rapides</translation>
    </message>
    <message>
        <source>Show the Designer Assistant</source>
        <translation>Afficher l&apos;assistant de conception</translation>
    </message>
    <message>
        <source>Short tips on designing a card.</source>
        <translation>De courtes astuces pour concevoir une carte.</translation>
    </message>
    <message>
        <source>Show &amp;Grid</source>
        <translation>Afficher la &amp;grille</translation>
    </message>
    <message>
        <source>Shows a grid of dots on the card to line objects up by eye.</source>
        <translation>Affiche une grille de points sur la carte pour aligner les objets à l&apos;œil.</translation>
    </message>
    <message>
        <source>S&amp;nap to Grid</source>
        <translation>Aligner &amp;sur la grille</translation>
    </message>
    <message>
        <source>Objects you move or size jump to the grid.</source>
        <translation>Les objets que vous déplacez ou redimensionnez se calent sur la grille.</translation>
    </message>
    <message>
        <source>Background art</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>Set or change background art</source>
        <translation>Définir ou modifier l&apos;image de fond</translation>
    </message>
    <message>
        <source>A picture behind the whole card.</source>
        <translation>Une image derrière toute la carte.</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Plus d&apos;outils</translation>
    </message>
    <message>
        <source>Press plus (+) or minus (-) to 
increase or decrease the zoom percentage</source>
        <translation>Appuyez sur plus (+) ou moins (-) pour 
augmenter ou diminuer le pourcentage de zoom</translation>
    </message>
    <message>
        <source>Zooms the card from 100% to 150% in steps of 10%, then to 200%, 300% and 400%.</source>
        <translation>Règle le zoom de la carte de 100&#xa0;% à 150&#xa0;% par pas de 10&#xa0;%, puis à 200&#xa0;%, 300&#xa0;% et 400&#xa0;%.</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom&#xa0;:</translation>
    </message>
    <message>
        <source>Fit</source>
        <comment>zoom to the window</comment>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>Zooms the card as large as the window shows it whole.</source>
        <translation>Agrandit la carte autant que la fenêtre peut l&apos;afficher en entier.</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>Front or back of the card (Ctrl+Shift+B)</source>
        <translation>Recto ou verso de la carte (Ctrl+Maj+B)</translation>
    </message>
    <message>
        <source>Shows which side of the card you design; click it to turn the card over. A back prints behind each card when you print two-sided; it is saved as NAME.back.qmk beside the card file.</source>
        <translation>Indique quelle face de la carte vous concevez&#xa0;; cliquez pour retourner la carte. Un verso s&apos;imprime derrière chaque carte quand vous imprimez en recto verso&#xa0;; il est enregistré sous le nom NAME.back.qmk à côté du fichier de carte.</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Saves the card. It shows once the card has changes.</source>
        <translation>Enregistre la carte. Ce bouton apparaît dès que la carte a des modifications.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>throw the changes away</comment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Throws the changes away and goes back to the saved card.</source>
        <translation>Abandonne les modifications et revient à la carte enregistrée.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Prints sheets of your card.</source>
        <translation>Imprime des feuilles de votre carte.</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>Aperç&amp;u</translation>
    </message>
    <message>
        <source>Shows a sheet of your card as it will print.</source>
        <translation>Montre une feuille de votre carte telle qu&apos;elle sera imprimée.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Help on the design window.</source>
        <translation>Aide sur la fenêtre de conception.</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Qu&apos;est-ce que c&apos;est&#xa0;?</translation>
    </message>
    <message>
        <source>Click this, then any part of the window, to learn what it does.</source>
        <translation>Cliquez sur ce bouton, puis sur n&apos;importe quelle partie de la fenêtre, pour savoir à quoi elle sert.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New - Blank</source>
        <translation>&amp;Nouveau - Vierge</translation>
    </message>
    <message>
        <source>New - Select From Temp&amp;lates</source>
        <translation>Nouveau - À partir d&apos;un &amp;modèle</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <comment>a card file</comment>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <comment>a card file</comment>
        <translation>Supp&amp;rimer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save As &amp;Bitmap</source>
        <translation>Enregistrer en &amp;BMP</translation>
    </message>
    <message>
        <source>Save As &amp;JPG</source>
        <translation>Enregistrer en &amp;JPG</translation>
    </message>
    <message>
        <source>Save As PN&amp;G</source>
        <translation>Enregistrer en PN&amp;G</translation>
    </message>
    <message>
        <source>Disca&amp;rd Changes</source>
        <translation>&amp;Abandonner les modifications</translation>
    </message>
    <message>
        <source>Export for Print S&amp;hop...</source>
        <translation>E&amp;xporter pour l&apos;imprimeur...</translation>
    </message>
    <message>
        <source>Writes the card as a PDF file for a print shop, with bleed and crop marks.</source>
        <translation>Écrit la carte dans un fichier PDF pour un imprimeur, avec fond perdu et traits de coupe.</translation>
    </message>
    <message>
        <source>Print &amp;Merge...</source>
        <translation>&amp;Impression en série...</translation>
    </message>
    <message>
        <source>Prints one card for each person of a CSV or vCard file.</source>
        <translation>Imprime une carte pour chaque personne d&apos;un fichier CSV ou vCard.</translation>
    </message>
    <message>
        <source>Printer S&amp;etup</source>
        <translation>&amp;Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Printer Fine &amp;Tuning</source>
        <translation>Réglage &amp;fin de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Print O&amp;utline Test Page</source>
        <translation>Imprimer une page de &amp;test des contours</translation>
    </message>
    <message>
        <source>--------&amp;Write Ini------</source>
        <extracomment>a developer&apos;s command, shown only in developer mode: saves the card as a template</extracomment>
        <translation>--------&amp;Write Ini------</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <comment>the selected objects</comment>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>C&amp;hange all fonts to...</source>
        <translation>C&amp;hanger toutes les polices en...</translation>
    </message>
    <message>
        <source>Personal &amp;Information</source>
        <translation>&amp;Informations personnelles</translation>
    </message>
    <message>
        <source>&amp;Set or Change Background Art</source>
        <translation>Définir ou modifier l&apos;image de &amp;fond</translation>
    </message>
    <message>
        <source>Save Current La&amp;yout as Default</source>
        <translation>&amp;Enregistrer la mise en page actuelle par défaut</translation>
    </message>
    <message>
        <source>Change &amp;Business Card Layout</source>
        <translation>&amp;Modifier la mise en page des cartes de visite</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Zoom &amp;In	+</source>
        <extracomment>after the tab: the key that does the same</extracomment>
        <translation>Zoom &amp;avant	+</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	-</source>
        <translation>Zoom a&amp;rrière	-</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>A&amp;juster à la fenêtre</translation>
    </message>
    <message>
        <source>Show Bac&amp;k of Card</source>
        <translation>Afficher le &amp;verso de la carte</translation>
    </message>
    <message>
        <source>Turns the card over: you design its back, which prints behind each card when you print two-sided. Again to see the front.</source>
        <translation>Retourne la carte&#xa0;: vous concevez son verso, qui s&apos;imprime derrière chaque carte quand vous imprimez en recto verso. Choisissez-le de nouveau pour revoir le recto.</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertion</translation>
    </message>
    <message>
        <source>Picks the %1 tool: press Enter on the card to place one in its middle, or drag a rectangle on the card.</source>
        <extracomment>%1 is the name of a drawing tool, such as &quot;Rectangle&quot;</extracomment>
        <translation>Choisit l&apos;outil %1&#xa0;: appuyez sur Entrée sur la carte pour placer un objet au milieu de la carte, ou tracez un rectangle sur la carte.</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Co&amp;nfiguration Information</source>
        <translation>Informations de &amp;configuration</translation>
    </message>
    <message>
        <source>&amp;Technical Support</source>
        <translation>Assistance &amp;technique</translation>
    </message>
    <message>
        <source>&amp;Frequently Asked Questions</source>
        <translation>&amp;Foire aux questions</translation>
    </message>
    <message>
        <source>Visit the &amp;Bonus Artwork Web Page</source>
        <translation>Visiter la page des &amp;illustrations en prime</translation>
    </message>
    <message>
        <source>Visit Our Internet &amp;Website</source>
        <translation>Visiter &amp;notre site Internet</translation>
    </message>
    <message>
        <source>&amp;Report a Problem...</source>
        <translation>Signaler un p&amp;roblème...</translation>
    </message>
    <message>
        <source>Starts a new, empty card.</source>
        <translation>Commence une nouvelle carte vierge.</translation>
    </message>
    <message>
        <source>Starts a new card from one of the templates, with your personal information.</source>
        <translation>Commence une nouvelle carte à partir d&apos;un des modèles, avec vos informations personnelles.</translation>
    </message>
    <message>
        <source>Opens a card you saved.</source>
        <translation>Ouvre une carte que vous avez enregistrée.</translation>
    </message>
    <message>
        <source>Deletes a card file (after asking).</source>
        <translation>Supprime un fichier de carte (après confirmation).</translation>
    </message>
    <message>
        <source>Saves the card under its name.</source>
        <translation>Enregistre la carte sous son nom.</translation>
    </message>
    <message>
        <source>Saves the card under a new name.</source>
        <translation>Enregistre la carte sous un nouveau nom.</translation>
    </message>
    <message>
        <source>Writes a BMP picture of the card at its real size.</source>
        <translation>Écrit une image BMP de la carte à sa taille réelle.</translation>
    </message>
    <message>
        <source>Writes a JPG picture of the card at its real size.</source>
        <translation>Écrit une image JPG de la carte à sa taille réelle.</translation>
    </message>
    <message>
        <source>Writes a PNG picture of the card at its real size, for e-mail or a web page.</source>
        <translation>Écrit une image PNG de la carte à sa taille réelle, pour un e-mail ou une page web.</translation>
    </message>
    <message>
        <source>Writes the card as a PDF file for a print shop: the card&apos;s size exactly, with a bleed around it and crop marks if you like, its text kept as text. Says first what a print shop might object to.</source>
        <translation>Écrit la carte dans un fichier PDF pour un imprimeur&#xa0;: exactement au format de la carte, avec un fond perdu autour et des traits de coupe si vous le souhaitez, son texte restant du texte. Signale d&apos;abord ce à quoi un imprimeur pourrait trouver à redire.</translation>
    </message>
    <message>
        <source>Prints the card over a sheet of card stock, on the positions you choose.</source>
        <translation>Imprime la carte sur une planche de cartes, aux positions que vous choisissez.</translation>
    </message>
    <message>
        <source>Prints one card for each person of a CSV or vCard file: the placeholders of the card&apos;s texts, such as {Name}, take each person&apos;s values.</source>
        <translation>Imprime une carte pour chaque personne d&apos;un fichier CSV ou vCard&#xa0;: les espaces réservés des textes de la carte, comme {Name}, prennent les valeurs de chaque personne.</translation>
    </message>
    <message>
        <source>Shows the sheet as it will print.</source>
        <translation>Montre la feuille telle qu&apos;elle sera imprimée.</translation>
    </message>
    <message>
        <source>Chooses the printer (or a PDF file) and its paper.</source>
        <translation>Choisit l&apos;imprimante (ou un fichier PDF) et son papier.</translation>
    </message>
    <message>
        <source>Moves the print in steps of 1/32 inch to match your printer.</source>
        <translation>Déplace l&apos;impression par pas de 1/32 de pouce pour l&apos;adapter à votre imprimante.</translation>
    </message>
    <message>
        <source>Prints only the card outlines: hold the page against your card stock to check the layout.</source>
        <translation>N&apos;imprime que les contours des cartes&#xa0;: tenez la page contre votre planche de cartes pour vérifier la mise en page.</translation>
    </message>
    <message>
        <source>Saves the card as a template in the template folder.</source>
        <translation>Enregistre la carte comme modèle dans le dossier des modèles.</translation>
    </message>
    <message>
        <source>Closes Quillmark (asking to save changes).</source>
        <translation>Ferme Quillmark (en proposant d&apos;enregistrer les modifications).</translation>
    </message>
    <message>
        <source>Takes back the last change to the card.</source>
        <translation>Annule la dernière modification de la carte.</translation>
    </message>
    <message>
        <source>Makes a change taken back again.</source>
        <translation>Refait une modification annulée.</translation>
    </message>
    <message>
        <source>Moves the selected objects to the clipboard.</source>
        <translation>Déplace les objets sélectionnés dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Copies the selected objects to the clipboard.</source>
        <translation>Copie les objets sélectionnés dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Puts the objects of the clipboard on the card.</source>
        <translation>Place les objets du presse-papiers sur la carte.</translation>
    </message>
    <message>
        <source>Deletes the selected objects.</source>
        <translation>Supprime les objets sélectionnés.</translation>
    </message>
    <message>
        <source>Selects every object of the card.</source>
        <translation>Sélectionne tous les objets de la carte.</translation>
    </message>
    <message>
        <source>The font new text objects start with.</source>
        <translation>La police que prennent les nouveaux objets texte.</translation>
    </message>
    <message>
        <source>Puts one typeface on every text object of the card.</source>
        <translation>Applique une même police à tous les objets texte de la carte.</translation>
    </message>
    <message>
        <source>Your name, address and numbers, used by personal-information text.</source>
        <translation>Vos nom, adresse et numéros, utilisés par les textes d&apos;informations personnelles.</translation>
    </message>
    <message>
        <source>Puts a picture behind the whole card, or takes it away.</source>
        <translation>Place une image derrière toute la carte, ou la retire.</translation>
    </message>
    <message>
        <source>Makes this card&apos;s sheet layout the one new cards start with.</source>
        <translation>Fait de la mise en page de cette carte celle des nouvelles cartes.</translation>
    </message>
    <message>
        <source>The card size and how the cards stand on the sheet.</source>
        <translation>Le format de carte et la disposition des cartes sur la feuille.</translation>
    </message>
    <message>
        <source>Shows the card larger: 100% to 150% in steps of 10%, then 200%, 300% and 400%.</source>
        <translation>Affiche la carte en plus grand&#xa0;: de 100&#xa0;% à 150&#xa0;% par pas de 10&#xa0;%, puis 200&#xa0;%, 300&#xa0;% et 400&#xa0;%.</translation>
    </message>
    <message>
        <source>Shows the card smaller, down to 100%.</source>
        <translation>Affiche la carte en plus petit, jusqu&apos;à 100&#xa0;%.</translation>
    </message>
    <message>
        <source>Shows the card at 100%.</source>
        <translation>Affiche la carte à 100&#xa0;%.</translation>
    </message>
    <message>
        <source>Shows the card as large as the window shows it whole.</source>
        <translation>Affiche la carte aussi grande que la fenêtre peut l&apos;afficher en entier.</translation>
    </message>
    <message>
        <source>The list of all help pages, with a search.</source>
        <translation>La liste de toutes les pages d&apos;aide, avec une recherche.</translation>
    </message>
    <message>
        <source>The version of Quillmark.</source>
        <translation>La version de Quillmark.</translation>
    </message>
    <message>
        <source>What Quillmark sees of this computer: include it when you ask for help.</source>
        <translation>Ce que Quillmark voit de cet ordinateur&#xa0;: joignez-le quand vous demandez de l&apos;aide.</translation>
    </message>
    <message>
        <source>How to get help with a problem.</source>
        <translation>Comment obtenir de l&apos;aide en cas de problème.</translation>
    </message>
    <message>
        <source>Answers to common questions.</source>
        <translation>Réponses aux questions courantes.</translation>
    </message>
    <message>
        <source>Where more artwork comes from.</source>
        <translation>Où trouver d&apos;autres illustrations.</translation>
    </message>
    <message>
        <source>Quillmark&apos;s home page.</source>
        <translation>La page d&apos;accueil de Quillmark.</translation>
    </message>
    <message>
        <source>What to include when you report a problem.</source>
        <translation>Ce qu&apos;il faut indiquer quand vous signalez un problème.</translation>
    </message>
</context>
<context>
    <name>qm::TMergeDialog</name>
    <message>
        <source>Print Merge</source>
        <translation>Impression en série</translation>
    </message>
    <message>
        <source>Open Merge Data</source>
        <extracomment>The file dialog&apos;s filter of both contact file types together</extracomment>
        <translation>Ouvrir les données de l&apos;impression en série</translation>
    </message>
    <message>
        <source>Names and addresses</source>
        <translation>Noms et adresses</translation>
    </message>
    <message>
        <source>&amp;Data file:</source>
        <translation>Fichier de &amp;données&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Columns feeding the fields</source>
        <translation>Colonnes qui alimentent les champs</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Column of the file</source>
        <translation>Colonne du fichier</translation>
    </message>
    <message>
        <source>First record</source>
        <translation>Premier enregistrement</translation>
    </message>
    <message>
        <source>Column for %1</source>
        <extracomment>%1 is a placeholder of the card (&quot;{Company}&quot;)</extracomment>
        <translation>Colonne pour %1</translation>
    </message>
    <message>
        <source>The column of the data file whose values the %1 placeholder shows on each card; (none) leaves it empty.</source>
        <extracomment>%1 is a placeholder of the card (&quot;{Company}&quot;); &quot;(none)&quot; is the first choice of the list</extracomment>
        <translation>La colonne du fichier de données dont les valeurs remplacent l&apos;espace réservé %1 sur chaque carte&#xa0;; (aucune) le laisse vide.</translation>
    </message>
    <message>
        <source>First sheet</source>
        <translation>Première feuille</translation>
    </message>
    <message>
        <source>First card&apos;s position</source>
        <translation>Position de la première carte</translation>
    </message>
    <message>
        <source>&amp;Start at position:</source>
        <translation>Co&amp;mmencer à la position&#xa0;:</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The CSV or vCard file of the people to print, one card each. Type a file&apos;s name and press Enter or Tab, or use Browse.</source>
        <translation>Le fichier CSV ou vCard des personnes à imprimer, une carte chacune. Tapez le nom d&apos;un fichier et appuyez sur Entrée ou Tab, ou utilisez Parcourir.</translation>
    </message>
    <message>
        <source>Chooses the data file: a CSV file with the column names in its first row (as spreadsheets and address books export them), or a vCard (.vcf) file of contacts.</source>
        <translation>Choisit le fichier de données&#xa0;: un fichier CSV avec les noms des colonnes sur sa première ligne (comme l&apos;exportent les tableurs et les carnets d&apos;adresses), ou un fichier vCard (.vcf) de contacts.</translation>
    </message>
    <message>
        <source>What the data file holds, or why it cannot be used.</source>
        <translation>Ce que contient le fichier de données, ou pourquoi il est inutilisable.</translation>
    </message>
    <message>
        <source>Which column of the data file each personal field takes. A name may be put together from the first and last names, and an address line from the town, region and postcode; as found in the file, blank address lines are left out and the lines below move up. Texts on the card show a field through its placeholder, such as {Name}; any other column shows through its own name, such as {City}.</source>
        <extracomment>{Name} and {City} are placeholders as typed on the card: keep them as they are</extracomment>
        <translation>Quelle colonne du fichier de données alimente chaque champ personnel. Un nom peut être reconstitué à partir du prénom et du nom de famille, et une ligne d&apos;adresse à partir de la ville, de la région et du code postal&#xa0;; d&apos;après le contenu du fichier, les lignes d&apos;adresse vides sont omises et celles du dessous remontent. Les textes de la carte affichent un champ par son espace réservé, comme {Name}&#xa0;; toute autre colonne s&apos;affiche par son propre nom, comme {City}.</translation>
    </message>
    <message>
        <source>The first sheet: grey positions are already used and stay empty, red ones are printed. Click the position of the first card.</source>
        <translation>La première feuille&#xa0;: les positions grises sont déjà utilisées et restent vides, les rouges sont imprimées. Cliquez sur la position de la première carte.</translation>
    </message>
    <message>
        <source>The position of the first card on the first sheet, counted across then down; the sheets after it are printed from the first position.</source>
        <translation>La position de la première carte sur la première feuille, comptée de gauche à droite puis de haut en bas&#xa0;; les feuilles suivantes sont imprimées à partir de la première position.</translation>
    </message>
    <message>
        <source>Where the cards go: the printer, or a PDF file.</source>
        <translation>Où vont les cartes&#xa0;: l&apos;imprimante ou un fichier PDF.</translation>
    </message>
    <message>
        <source>Chooses the printer (or a PDF file) and its paper.</source>
        <translation>Choisit l&apos;imprimante (ou un fichier PDF) et son papier.</translation>
    </message>
    <message>
        <source>Shows the first sheets with the people of the data file on them.</source>
        <translation>Montre les premières feuilles avec les personnes du fichier de données.</translation>
    </message>
    <message>
        <source>Prints one card for every person of the data file.</source>
        <translation>Imprime une carte pour chaque personne du fichier de données.</translation>
    </message>
    <message>
        <source>This file cannot be used: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Ce fichier est inutilisable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Choose a CSV or vCard file with one person in each record.</source>
        <translation>Choisissez un fichier CSV ou vCard avec une personne par enregistrement.</translation>
    </message>
    <message>
        <source>The address lines found in the file, blank ones left out for each person:</source>
        <translation>Les lignes d&apos;adresse trouvées dans le fichier, sans les lignes vides de chaque personne&#xa0;:</translation>
    </message>
    <message>
        <source>(none)</source>
        <comment>no column</comment>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Line %1 of the address</source>
        <translation>Ligne %1 de l&apos;adresse</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Suivants&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>qm::TMergeFeed</name>
    <message>
        <source>The file holds no records.</source>
        <translation>Le fichier ne contient aucun enregistrement.</translation>
    </message>
    <message>
        <source>No data file is open.</source>
        <translation>Aucun fichier de données n&apos;est ouvert.</translation>
    </message>
    <message>
        <source>The file&apos;s columns changed since it was opened; open it again.</source>
        <translation>Les colonnes du fichier ont changé depuis son ouverture&#xa0;; ouvrez-le de nouveau.</translation>
    </message>
    <message>
        <source>1 person read from %1.</source>
        <extracomment>%1 is the file&apos;s name</extracomment>
        <translation>1 personne lue dans %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln people read from %1.</source>
        <extracomment>%1 is the file&apos;s name</extracomment>
        <translation>
            <numerusform>%Ln personne lue dans %1.</numerusform>
            <numerusform>%Ln personnes lues dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading stopped there: %1</source>
        <extracomment>%1 is why the file could not be read further</extracomment>
        <translation>La lecture s&apos;est arrêtée là&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file has 1 column.</source>
        <translation>Le fichier a 1 colonne.</translation>
    </message>
    <message numerus="yes">
        <source>The file has %Ln columns.</source>
        <translation>
            <numerusform>Le fichier a %Ln colonne.</numerusform>
            <numerusform>Le fichier a %Ln colonnes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its people fill 1 kind of field.</source>
        <translation>Ses personnes remplissent 1 type de champ.</translation>
    </message>
    <message numerus="yes">
        <source>Its people fill %Ln kinds of fields.</source>
        <translation>
            <numerusform>Ses personnes remplissent %Ln type de champ.</numerusform>
            <numerusform>Ses personnes remplissent %Ln types de champs.</numerusform>
        </translation>
    </message>
    <message>
        <source>Each person gets a card; a text shows a field by its placeholder, such as {Name}, or any column by its name.</source>
        <extracomment>{Name} is a placeholder as typed on the card: keep it as it is</extracomment>
        <translation>Chaque personne reçoit une carte&#xa0;; un texte affiche un champ par son espace réservé, comme {Name}, ou toute colonne par son nom.</translation>
    </message>
    <message>
        <source>1 card was printed.</source>
        <translation>1 carte a été imprimée.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cards were printed.</source>
        <translation>
            <numerusform>%Ln carte a été imprimée.</numerusform>
            <numerusform>%Ln cartes ont été imprimées.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 card was printed to the PDF file</source>
        <extracomment>The PDF file&apos;s name follows on the next line</extracomment>
        <translation>1 carte a été imprimée dans le fichier PDF</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cards were printed to the PDF file</source>
        <translation>
            <numerusform>%Ln carte a été imprimée dans le fichier PDF</numerusform>
            <numerusform>%Ln cartes ont été imprimées dans le fichier PDF</numerusform>
        </translation>
    </message>
    <message>
        <source>From %1:
%2</source>
        <extracomment>%1 is the data file, %2 what was noticed in it, one note a line</extracomment>
        <translation>Dans %1&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>qm::TMultiLineTextEditor</name>
    <message>
        <source>Multi-line Text Editor</source>
        <translation>Éditeur de texte multiligne</translation>
    </message>
    <message>
        <source>Lines of text</source>
        <translation>Lignes de texte</translation>
    </message>
    <message>
        <source>Type the lines of the text, pressing Enter between them. The text is drawn in this font, aligned and, when Word Wrap is on, broken to the width of the object. It holds up to 254 characters.</source>
        <translation>Tapez les lignes du texte en appuyant sur Entrée entre elles. Le texte est dessiné dans cette police, aligné et, quand Retour à la ligne automatique est activé, coupé à la largeur de l&apos;objet. Il contient au plus 254 caractères.</translation>
    </message>
</context>
<context>
    <name>qm::TPdfCopy</name>
    <message>
        <source>it has no pages</source>
        <translation>il n&apos;a aucune page</translation>
    </message>
    <message>
        <source>it is cut off</source>
        <translation>il est tronqué</translation>
    </message>
    <message>
        <source>it has no such page</source>
        <translation>il n&apos;a pas cette page</translation>
    </message>
    <message>
        <source>a subset font is used by no font</source>
        <translation>une police sous-ensemble n&apos;est utilisée par aucune police</translation>
    </message>
    <message>
        <source>its page does not have one font</source>
        <translation>sa page n&apos;a pas exactement une police</translation>
    </message>
    <message>
        <source>its font is not an object of its own</source>
        <translation>sa police n&apos;est pas un objet distinct</translation>
    </message>
    <message>
        <source>its glyphs are not numbered as the pages number them</source>
        <translation>ses glyphes ne sont pas numérotés comme les pages les numérotent</translation>
    </message>
    <message>
        <source>its font has no glyph widths to set</source>
        <translation>sa police n&apos;a pas de largeurs de glyphes à définir</translation>
    </message>
    <message>
        <source>the glyph widths are no table</source>
        <translation>les largeurs de glyphes ne forment pas un tableau</translation>
    </message>
</context>
<context>
    <name>qm::TPersonalInformation</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>a person&apos;s job title or qualifications</extracomment>
        <translation>Fonction</translation>
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
        <translation>Téléphone 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Téléphone 2</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Your own name as it should appear on your cards.</source>
        <translation>Votre nom tel qu&apos;il doit apparaître sur vos cartes.</translation>
    </message>
    <message>
        <source>The name of your business or organisation.</source>
        <translation>Le nom de votre entreprise ou organisation.</translation>
    </message>
    <message>
        <source>Your title or qualifications.</source>
        <translation>Votre fonction ou vos titres.</translation>
    </message>
    <message>
        <source>The first line of your address.</source>
        <translation>La première ligne de votre adresse.</translation>
    </message>
    <message>
        <source>The second line of your address.</source>
        <translation>La deuxième ligne de votre adresse.</translation>
    </message>
    <message>
        <source>The third line of your address.</source>
        <translation>La troisième ligne de votre adresse.</translation>
    </message>
    <message>
        <source>Your main phone number.</source>
        <translation>Votre numéro de téléphone principal.</translation>
    </message>
    <message>
        <source>A second phone number, such as a mobile.</source>
        <translation>Un deuxième numéro de téléphone, par exemple un mobile.</translation>
    </message>
    <message>
        <source>Your e-mail address.</source>
        <translation>Votre adresse e-mail.</translation>
    </message>
    <message>
        <source>Your fax number.</source>
        <translation>Votre numéro de fax.</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>Import from vCard...</source>
        <translation>Importer depuis une vCard...</translation>
    </message>
    <message>
        <source>Fills the fields from a contact saved as a vCard (.vcf) file.</source>
        <translation>Remplit les champs à partir d&apos;un contact enregistré dans un fichier vCard (.vcf).</translation>
    </message>
    <message>
        <source>Export as vCard...</source>
        <translation>Exporter en vCard...</translation>
    </message>
    <message>
        <source>Saves the fields as a vCard (.vcf) file for address books.</source>
        <translation>Enregistre les champs dans un fichier vCard (.vcf) pour les carnets d&apos;adresses.</translation>
    </message>
    <message>
        <source>Import from vCard</source>
        <translation>Importer depuis une vCard</translation>
    </message>
    <message>
        <source>All files (%1)</source>
        <translation>Tous les fichiers (%1)</translation>
    </message>
    <message>
        <source>Export as vCard</source>
        <translation>Exporter en vCard</translation>
    </message>
    <message>
        <source>contact</source>
        <comment>file name of a vCard without a name</comment>
        <translation>contact</translation>
    </message>
    <message>
        <source>Your personal information could not be saved.
%1</source>
        <translation>Vos informations personnelles n&apos;ont pas pu être enregistrées.
%1</translation>
    </message>
</context>
<context>
    <name>qm::TPictureBrowser</name>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>The folder shown; type another and press Enter to go there</source>
        <translation>Le dossier affiché&#xa0;; tapez-en un autre et appuyez sur Entrée pour y aller</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Folders: double-click one to open it</source>
        <translation>Dossiers&#xa0;: double-cliquez sur l&apos;un d&apos;eux pour l&apos;ouvrir</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Regarder dans&#xa0;:</translation>
    </message>
    <message>
        <source>The folder shown. Type another folder and press Enter to go there.</source>
        <translation>Le dossier affiché. Tapez un autre dossier et appuyez sur Entrée pour y aller.</translation>
    </message>
    <message>
        <source>The folders here; &quot;..&quot; goes one folder up. Double-click a folder to open it.</source>
        <translation>Les dossiers de cet emplacement&#xa0;; «&#xa0;..&#xa0;» remonte d&apos;un dossier. Double-cliquez sur un dossier pour l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>The pictures of the folder. Click one to preview it; double-click it to take it.</source>
        <translation>Les images du dossier. Cliquez sur une image pour la prévisualiser&#xa0;; double-cliquez pour la prendre.</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>The shortcut button to the user&apos;s home folder.</extracomment>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>Goes straight to the folder %1.</source>
        <translation>Va directement au dossier %1.</translation>
    </message>
    <message>
        <source>Up one folder</source>
        <translation>Dossier parent</translation>
    </message>
</context>
<context>
    <name>qm::TPositionEdit</name>
    <message>
        <source>Locked</source>
        <comment>object state</comment>
        <extracomment>The selected object is locked: its position and size cannot be typed.</extracomment>
        <translation>Verrouillé</translation>
    </message>
    <message>
        <source> mm</source>
        <extracomment>The suffix of lengths in millimetres, with its leading space.</extracomment>
        <translation> mm</translation>
    </message>
    <message>
        <source> in</source>
        <extracomment>The suffix of lengths in inches, with its leading space.</extracomment>
        <translation> po</translation>
    </message>
    <message>
        <source>No object selected</source>
        <translation>Aucun objet sélectionné</translation>
    </message>
    <message numerus="yes">
        <source>%n objects selected</source>
        <translation>
            <numerusform>%n objet sélectionné</numerusform>
            <numerusform>%n objets sélectionnés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qm::TPositionPanel</name>
    <message>
        <source>&amp;X:</source>
        <translation>&amp;X&#xa0;:</translation>
    </message>
    <message>
        <source>X position</source>
        <translation>Position X</translation>
    </message>
    <message>
        <source>How far the object&apos;s left edge lies from the card&apos;s left edge.</source>
        <translation>La distance entre le bord gauche de l&apos;objet et le bord gauche de la carte.</translation>
    </message>
    <message>
        <source>&amp;Y:</source>
        <translation>&amp;Y&#xa0;:</translation>
    </message>
    <message>
        <source>Y position</source>
        <translation>Position Y</translation>
    </message>
    <message>
        <source>How far the object&apos;s top edge lies from the card&apos;s top edge.</source>
        <translation>La distance entre le bord haut de l&apos;objet et le bord haut de la carte.</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>The width of the object&apos;s box.</source>
        <translation>La largeur du cadre de l&apos;objet.</translation>
    </message>
    <message>
        <source>Hei&amp;ght:</source>
        <translation>&amp;Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>The height of the object&apos;s box.</source>
        <translation>La hauteur du cadre de l&apos;objet.</translation>
    </message>
    <message>
        <source>Type a value and press Enter, or step it with the arrow keys.</source>
        <translation>Tapez une valeur et appuyez sur Entrée, ou modifiez-la avec les touches fléchées.</translation>
    </message>
    <message>
        <source>The position and size of the selected object on the card, in the unit of the card&apos;s layout (Edit, Change Business Card Layout).</source>
        <translation>La position et la taille de l&apos;objet sélectionné sur la carte, dans l&apos;unité de la mise en page de la carte (Édition, Modifier la mise en page des cartes de visite).</translation>
    </message>
    <message>
        <source>in millimetres</source>
        <translation>en millimètres</translation>
    </message>
    <message>
        <source>in inches</source>
        <translation>en pouces</translation>
    </message>
</context>
<context>
    <name>qm::TPreviewForm</name>
    <message>
        <source>Label Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Show the page larger</source>
        <translation>Afficher la page en plus grand</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>Show the page smaller</source>
        <translation>Afficher la page en plus petit</translation>
    </message>
    <message>
        <source>Page &amp;Width</source>
        <translation>&amp;Largeur de page</translation>
    </message>
    <message>
        <source>Fit the page&apos;s width into the window</source>
        <translation>Ajuster la largeur de la page à la fenêtre</translation>
    </message>
    <message>
        <source>W&amp;hole Page</source>
        <translation>&amp;Page entière</translation>
    </message>
    <message>
        <source>Show the whole page</source>
        <translation>Afficher la page entière</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Closes the preview.</source>
        <translation>Ferme l&apos;aperçu.</translation>
    </message>
    <message>
        <source>Shows the page larger. A click with the left mouse button on the page does the same.</source>
        <translation>Affiche la page en plus grand. Un clic du bouton gauche de la souris sur la page fait de même.</translation>
    </message>
    <message>
        <source>Shows the page smaller. A click with the right mouse button on the page does the same.</source>
        <translation>Affiche la page en plus petit. Un clic du bouton droit de la souris sur la page fait de même.</translation>
    </message>
    <message>
        <source>Makes the page as wide as the window.</source>
        <translation>Rend la page aussi large que la fenêtre.</translation>
    </message>
    <message>
        <source>Shows the whole page in the window.</source>
        <translation>Affiche la page entière dans la fenêtre.</translation>
    </message>
    <message>
        <source>Shows the sheet before this one.</source>
        <translation>Affiche la feuille précédente.</translation>
    </message>
    <message>
        <source>Shows the next sheet.</source>
        <translation>Affiche la feuille suivante.</translation>
    </message>
    <message>
        <source>The sheet as it will print, with one card outlined. Click with the left mouse button to zoom in, with the right one to zoom out.</source>
        <translation>La feuille telle qu&apos;elle sera imprimée, avec une carte entourée. Cliquez avec le bouton gauche de la souris pour agrandir, avec le bouton droit pour réduire.</translation>
    </message>
    <message>
        <source>Preview Page %1 of %2</source>
        <translation>Aperçu de la page %1 sur %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The zoom, a percentage (&quot;150 %&quot;)</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>qm::TPrintCommands</name>
    <message>
        <source>cards</source>
        <extracomment>The PDF file&apos;s name proposed for a card that has no file yet (&quot;cards.pdf&quot;)</extracomment>
        <translation>cartes</translation>
    </message>
    <message>
        <source>%1 outline</source>
        <extracomment>The PDF file&apos;s name proposed for the outline test page; %1 is the card&apos;s (&quot;Jane outline.pdf&quot;)</extracomment>
        <translation>%1 contours</translation>
    </message>
    <message>
        <source>Print to PDF File</source>
        <translation>Imprimer dans un fichier PDF</translation>
    </message>
    <message>
        <source>PDF File</source>
        <translation>Fichier PDF</translation>
    </message>
    <message>
        <source>Turn the Stack Over</source>
        <translation>Retourner la pile</translation>
    </message>
    <message>
        <source>The outline test page was printed to the PDF file
%1</source>
        <extracomment>%1 is the PDF file, on a line of its own</extracomment>
        <translation>La page de test des contours a été imprimée dans le fichier PDF
%1</translation>
    </message>
    <message>
        <source>The cards were printed to the PDF file
%1</source>
        <translation>Les cartes ont été imprimées dans le fichier PDF
%1</translation>
    </message>
    <message>
        <source>The preview could not be made.

%1: %2</source>
        <extracomment>%1 is the data file, %2 why it could not be read</extracomment>
        <translation>L&apos;aperçu n&apos;a pas pu être créé.

%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The merge was not printed to its end.

%1: %2</source>
        <extracomment>%1 is the data file, %2 why it could not be read</extracomment>
        <translation>L&apos;impression en série n&apos;a pas été menée à son terme.

%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>calibration page</source>
        <extracomment>The PDF file&apos;s name proposed for the calibration page</extracomment>
        <translation>page d&apos;étalonnage</translation>
    </message>
    <message>
        <source>The calibration page was not printed: %1</source>
        <translation>La page d&apos;étalonnage n&apos;a pas été imprimée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The calibration page was printed to the PDF file
%1</source>
        <extracomment>%1 is the PDF file, on a line of its own</extracomment>
        <translation>La page d&apos;étalonnage a été imprimée dans le fichier PDF
%1</translation>
    </message>
    <message>
        <source>two-sided calibration page</source>
        <extracomment>The PDF file&apos;s name proposed for the two-sided calibration page</extracomment>
        <translation>page d&apos;étalonnage recto verso</translation>
    </message>
    <message>
        <source>The two-sided calibration page was printed to the PDF file
%1</source>
        <extracomment>%1 is the PDF file, on a line of its own</extracomment>
        <translation>La page d&apos;étalonnage recto verso a été imprimée dans le fichier PDF
%1</translation>
    </message>
</context>
<context>
    <name>qm::TPrintFineTune</name>
    <message>
        <source>Printer Fine-Tuning</source>
        <translation>Réglage fin de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Decrease by 1/32&quot;</source>
        <translation>Diminuer de 1/32 po</translation>
    </message>
    <message>
        <source>%1: decrease by 1/32 inch</source>
        <extracomment>%1 is the value the arrow changes (&quot;Vertical Spacing&quot;)</extracomment>
        <translation>%1&#xa0;: diminuer de 1/32 de pouce</translation>
    </message>
    <message>
        <source>Increase by 1/32&quot;</source>
        <translation>Augmenter de 1/32 po</translation>
    </message>
    <message>
        <source>%1: increase by 1/32 inch</source>
        <extracomment>%1 is the value the arrow changes (&quot;Vertical Spacing&quot;)</extracomment>
        <translation>%1&#xa0;: augmenter de 1/32 de pouce</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>put the values back</comment>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Puts all four values back to zero: the print as the layout says.</source>
        <translation>Remet les quatre valeurs à zéro&#xa0;: l&apos;impression suit exactement la mise en page.</translation>
    </message>
    <message>
        <source>Takes 1/32 inch off this value.</source>
        <translation>Retire 1/32 de pouce à cette valeur.</translation>
    </message>
    <message>
        <source>Adds 1/32 inch to this value.</source>
        <translation>Ajoute 1/32 de pouce à cette valeur.</translation>
    </message>
</context>
<context>
    <name>qm::TPrintShopDialog</name>
    <message>
        <source>Export for Print Shop</source>
        <translation>Exporter pour l&apos;imprimeur</translation>
    </message>
    <message>
        <source>A PDF file of the card as print shops ask for it: the card&apos;s size exactly, with a bleed around it into which the background goes on, text kept as text in its fonts.</source>
        <translation>Un fichier PDF de la carte tel que le demandent les imprimeurs&#xa0;: exactement au format de la carte, avec autour un fond perdu dans lequel le fond se prolonge, le texte restant du texte dans ses polices.</translation>
    </message>
    <message>
        <source> mm</source>
        <extracomment>the unit after the number of millimetres</extracomment>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;Crop marks</source>
        <translation>&amp;Traits de coupe</translation>
    </message>
    <message>
        <source>&amp;Bleed on each side:</source>
        <translation>&amp;Fond perdu de chaque côté&#xa0;:</translation>
    </message>
    <message>
        <source>How far the background, and every object that touches the card&apos;s edge, goes on beyond the card, so that a cut a little off the line leaves no white edge: 0 to 6 mm in steps of 0.5 mm. Print shops usually ask for 3 mm.</source>
        <translation>Jusqu&apos;où le fond, et tout objet qui touche le bord de la carte, se prolonge au-delà de la carte, pour qu&apos;une coupe un peu à côté du trait ne laisse pas de bord blanc&#xa0;: de 0 à 6 mm par pas de 0,5 mm. Les imprimeurs demandent en général 3 mm.</translation>
    </message>
    <message>
        <source>Thin black lines outside the bleed on the extensions of the card&apos;s edges, which show where to cut.</source>
        <translation>De fins traits noirs à l&apos;extérieur du fond perdu, dans le prolongement des bords de la carte, qui indiquent où couper.</translation>
    </message>
    <message>
        <source>What a print shop may turn down: pictures with fewer than 300 dots per inch as printed, and text closer than 3 mm to the card&apos;s edge, which may be cut off. The file is written all the same when you go on.</source>
        <translation>Ce qu&apos;un imprimeur peut refuser&#xa0;: les images de moins de 300 points par pouce à l&apos;impression, et le texte à moins de 3 mm du bord de la carte, qui risque d&apos;être coupé. Le fichier est écrit malgré tout si vous continuez.</translation>
    </message>
    <message>
        <source>Nothing here that a print shop would object to.</source>
        <translation>Rien ici à quoi un imprimeur trouverait à redire.</translation>
    </message>
    <message>
        <source>A print shop may object to these; you can export anyway:</source>
        <translation>Un imprimeur pourrait trouver à redire à ceci&#xa0;; vous pouvez exporter quand même&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>&amp;Export Anyway...</source>
        <translation>&amp;Exporter quand même...</translation>
    </message>
    <message>
        <source>PDF File (%1)</source>
        <extracomment>a file dialog&apos;s filter; %1 is the file name patterns</extracomment>
        <translation>Fichier PDF (%1)</translation>
    </message>
    <message>
        <source>Business card</source>
        <extracomment>the PDF file&apos;s title when the card has no name yet</extracomment>
        <translation>Carte de visite</translation>
    </message>
    <message>
        <source>The PDF file was not written.

%1</source>
        <translation>Le fichier PDF n&apos;a pas été écrit.

%1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Enregistré sous %1</translation>
    </message>
</context>
<context>
    <name>qm::TPrintStatusWindow</name>
    <message>
        <source>Print Status</source>
        <translation>État de l&apos;impression</translation>
    </message>
    <message>
        <source>Preview Status</source>
        <translation>État de l&apos;aperçu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stops printing after asking; sheets already sent may still print.</source>
        <translation>Arrête l&apos;impression après confirmation&#xa0;; les feuilles déjà envoyées peuvent encore s&apos;imprimer.</translation>
    </message>
    <message>
        <source>Stops making the preview.</source>
        <translation>Arrête la création de l&apos;aperçu.</translation>
    </message>
    <message>
        <source>Cancel Business Card Printing?</source>
        <translation>Annuler l&apos;impression des cartes de visite&#xa0;?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelling...!</source>
        <translation>Annulation...&#xa0;!</translation>
    </message>
</context>
<context>
    <name>qm::TQRCodeProperties</name>
    <message>
        <source>Preview of the QR code</source>
        <translation>Aperçu du code QR</translation>
    </message>
    <message>
        <source>QR Code Properties</source>
        <translation>Propriétés du code QR</translation>
    </message>
    <message>
        <source>&amp;Personal information (vCard)</source>
        <translation>&amp;Informations personnelles (vCard)</translation>
    </message>
    <message>
        <source>&amp;Web address</source>
        <translation>Adresse &amp;web</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Texte</translation>
    </message>
    <message>
        <source>Text or web address</source>
        <translation>Texte ou adresse web</translation>
    </message>
    <message>
        <source>Low (7 %)</source>
        <translation>Faible (7&#xa0;%)</translation>
    </message>
    <message>
        <source>Medium (15 %)</source>
        <translation>Moyenne (15&#xa0;%)</translation>
    </message>
    <message>
        <source>Quartile (25 %)</source>
        <translation>Quartile (25&#xa0;%)</translation>
    </message>
    <message>
        <source>High (30 %)</source>
        <translation>Élevée (30&#xa0;%)</translation>
    </message>
    <message>
        <source>&amp;Error correction:</source>
        <translation>&amp;Correction d&apos;erreurs&#xa0;:</translation>
    </message>
    <message>
        <source> modules</source>
        <translation> modules</translation>
    </message>
    <message>
        <source>&amp;Quiet zone:</source>
        <translation>&amp;Zone de silence&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Dark modules:</source>
        <translation>Modules &amp;foncés&#xa0;:</translation>
    </message>
    <message>
        <source>T&amp;ransparent</source>
        <translation>T&amp;ransparent</translation>
    </message>
    <message>
        <source>&amp;Light modules:</source>
        <translation>Modules c&amp;lairs&#xa0;:</translation>
    </message>
    <message>
        <source>The code carries your personal information as an electronic business card (vCard), which phones offer to save as a contact.</source>
        <translation>Le code contient vos informations personnelles sous forme de carte de visite électronique (vCard), que les téléphones proposent d&apos;enregistrer comme contact.</translation>
    </message>
    <message>
        <source>The code carries a web address, which phones offer to open.</source>
        <translation>Le code contient une adresse web, que les téléphones proposent d&apos;ouvrir.</translation>
    </message>
    <message>
        <source>The code carries the text typed below as it stands.</source>
        <translation>Le code contient le texte saisi ci-dessous, tel quel.</translation>
    </message>
    <message>
        <source>The web address or text the code carries. Personal information needs no typing: it comes from Edit, Personal Information.</source>
        <translation>L&apos;adresse web ou le texte que contient le code. Les informations personnelles n&apos;ont pas à être saisies&#xa0;: elles viennent d&apos;Édition, Informations personnelles.</translation>
    </message>
    <message>
        <source>How much of the code may be dirty or covered and still read: more correction makes a denser code.</source>
        <translation>La part du code qui peut être salie ou masquée tout en restant lisible&#xa0;: plus de correction donne un code plus dense.</translation>
    </message>
    <message>
        <source>The empty margin around the code, in modules; readers want four.</source>
        <translation>La marge vide autour du code, en modules&#xa0;; les lecteurs en demandent quatre.</translation>
    </message>
    <message>
        <source>The colour of the dark squares. Keep it darker than the light ones, or phones cannot read the code.</source>
        <translation>La couleur des carrés foncés. Gardez-la plus foncée que celle des carrés clairs, sinon les téléphones ne peuvent pas lire le code.</translation>
    </message>
    <message>
        <source>The colour of the light squares and the margin.</source>
        <translation>La couleur des carrés clairs et de la marge.</translation>
    </message>
    <message>
        <source>Leaves the light squares out, so the card shows through. The card must then be light.</source>
        <translation>Omet les carrés clairs, pour que la carte apparaisse au travers. La carte doit alors être claire.</translation>
    </message>
    <message>
        <source>The code as it will print, with what it carries below.</source>
        <translation>Le code tel qu&apos;il sera imprimé, avec son contenu en dessous.</translation>
    </message>
    <message>
        <source>What the code carries and how big it is.</source>
        <translation>Le contenu du code et sa taille.</translation>
    </message>
    <message>
        <source>%1 x %1 modules</source>
        <translation>%1 x %1 modules</translation>
    </message>
    <message>
        <source>Nothing to encode yet.</source>
        <translation>Rien à encoder pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Too long for a QR code: shorten the text or lower the error correction.</source>
        <translation>Trop long pour un code QR&#xa0;: raccourcissez le texte ou baissez la correction d&apos;erreurs.</translation>
    </message>
</context>
<context>
    <name>qm::TRichTextLabelEditor</name>
    <message>
        <source>Rich Text Editor</source>
        <translation>Éditeur de texte enrichi</translation>
    </message>
    <message>
        <source>Rich text</source>
        <translation>Texte enrichi</translation>
    </message>
    <message>
        <source>Type the text and format it with the tool bar: select text, then pick its font, size, colour and style, or set the alignment of its paragraphs. The box has the width of the object on the card.</source>
        <translation>Tapez le texte et mettez-le en forme avec la barre d&apos;outils&#xa0;: sélectionnez du texte, puis choisissez sa police, sa taille, sa couleur et son style, ou réglez l&apos;alignement de ses paragraphes. La zone a la largeur de l&apos;objet sur la carte.</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Shows the text larger while you edit it (up to 100%).</source>
        <translation>Affiche le texte en plus grand pendant que vous le modifiez (jusqu&apos;à 100&#xa0;%).</translation>
    </message>
    <message>
        <source>Shows the text smaller while you edit it (down to 50%).</source>
        <translation>Affiche le texte en plus petit pendant que vous le modifiez (jusqu&apos;à 50&#xa0;%).</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Font color</source>
        <translation>Couleur de la police</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Aligner à gauche</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Aligner à droite</translation>
    </message>
    <message>
        <source>Justify</source>
        <translation>Justifier</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centré</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Takes bold, italic and underline off the selected text.</source>
        <translation>Retire le gras, l&apos;italique et le soulignement du texte sélectionné.</translation>
    </message>
    <message>
        <source>Makes the selected text bold, or plain again.</source>
        <translation>Met le texte sélectionné en gras, ou le remet en normal.</translation>
    </message>
    <message>
        <source>Makes the selected text italic, or upright again.</source>
        <translation>Met le texte sélectionné en italique, ou le remet droit.</translation>
    </message>
    <message>
        <source>Underlines the selected text, or takes the line away.</source>
        <translation>Souligne le texte sélectionné, ou retire le soulignement.</translation>
    </message>
    <message>
        <source>Lines the paragraph up at the left edge of the box.</source>
        <translation>Aligne le paragraphe sur le bord gauche de la zone.</translation>
    </message>
    <message>
        <source>Lines the paragraph up at the right edge of the box.</source>
        <translation>Aligne le paragraphe sur le bord droit de la zone.</translation>
    </message>
    <message>
        <source>Spreads the paragraph&apos;s lines over the whole width of the box.</source>
        <translation>Répartit les lignes du paragraphe sur toute la largeur de la zone.</translation>
    </message>
    <message>
        <source>Centres the paragraph&apos;s lines in the box.</source>
        <translation>Centre les lignes du paragraphe dans la zone.</translation>
    </message>
    <message>
        <source>Copies the selected text to the clipboard.</source>
        <translation>Copie le texte sélectionné dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Moves the selected text to the clipboard.</source>
        <translation>Déplace le texte sélectionné dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Puts the text of the clipboard where the cursor is.</source>
        <translation>Place le texte du presse-papiers à l&apos;emplacement du curseur.</translation>
    </message>
    <message>
        <source>The typeface of the selected text.</source>
        <translation>La police du texte sélectionné.</translation>
    </message>
    <message>
        <source>The size of the selected text, in points.</source>
        <translation>La taille du texte sélectionné, en points.</translation>
    </message>
    <message>
        <source>The colour of the selected text.</source>
        <translation>La couleur du texte sélectionné.</translation>
    </message>
</context>
<context>
    <name>qm::TSelectSpecificLabels</name>
    <message>
        <source>Print Cards</source>
        <translation>Imprimer les cartes</translation>
    </message>
    <message>
        <source>Select Cards To Print</source>
        <translation>Choisissez les cartes à imprimer</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <comment>all positions</comment>
        <translation>&amp;Toutes</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <comment>no positions</comment>
        <translation>&amp;Aucune</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Number of &amp;pages:</source>
        <translation>Nombre de &amp;pages&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;rop marks</source>
        <translation>T&amp;raits de coupe</translation>
    </message>
    <message>
        <source>&amp;Sides:</source>
        <translation>&amp;Faces&#xa0;:</translation>
    </message>
    <message>
        <source>One-sided</source>
        <translation>Recto seul</translation>
    </message>
    <message>
        <source>Two-sided, long edge</source>
        <translation>Recto verso, bord long</translation>
    </message>
    <message>
        <source>Two-sided, short edge</source>
        <translation>Recto verso, bord court</translation>
    </message>
    <message>
        <source>Two-sided, turned by hand</source>
        <translation>Recto verso, retourné à la main</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The sheet with every card position. Red positions are printed: click one to switch it on or off, so that a sheet with some cards already used can be fed again.</source>
        <translation>La feuille avec toutes les positions de cartes. Les positions rouges sont imprimées&#xa0;: cliquez sur l&apos;une d&apos;elles pour l&apos;activer ou la désactiver, afin de réutiliser une feuille dont certaines cartes ont déjà servi.</translation>
    </message>
    <message>
        <source>Prints on every position of the sheet.</source>
        <translation>Imprime sur toutes les positions de la feuille.</translation>
    </message>
    <message>
        <source>Switches every position off; then click the ones to print.</source>
        <translation>Désactive toutes les positions&#xa0;; cliquez ensuite sur celles à imprimer.</translation>
    </message>
    <message>
        <source>Where the cards go: the printer, or a PDF file.</source>
        <translation>Où vont les cartes&#xa0;: l&apos;imprimante ou un fichier PDF.</translation>
    </message>
    <message>
        <source>Chooses the printer (or a PDF file) and its paper.</source>
        <translation>Choisit l&apos;imprimante (ou un fichier PDF) et son papier.</translation>
    </message>
    <message>
        <source>How many sheets to print.</source>
        <translation>Le nombre de feuilles à imprimer.</translation>
    </message>
    <message>
        <source>Short lines in the sheet&apos;s margins and in the gaps between the cards, on the extensions of the cards&apos; edges, to cut along with a trimmer. They never cross a card.</source>
        <translation>De courts traits dans les marges de la feuille et dans les espaces entre les cartes, dans le prolongement des bords des cartes, pour couper au massicot. Ils ne traversent jamais une carte.</translation>
    </message>
    <message>
        <source>Prints the card&apos;s back behind every card: after each sheet&apos;s page of fronts a page of backs for a printer that turns the sheet over its long or its short edge, or all fronts first and then all backs for a printer without that unit (you turn the stack over). Only a card with a back prints two-sided.</source>
        <translation>Imprime le verso de la carte derrière chaque carte&#xa0;: après la page de rectos de chaque feuille, une page de versos pour une imprimante qui retourne la feuille sur son bord long ou son bord court, ou bien tous les rectos puis tous les versos pour une imprimante sans cette fonction (vous retournez la pile). Seule une carte qui a un verso s&apos;imprime en recto verso.</translation>
    </message>
    <message>
        <source>Prints the chosen positions on as many sheets as you asked for.</source>
        <translation>Imprime les positions choisies sur autant de feuilles que demandé.</translation>
    </message>
    <message>
        <source>The card has no back</source>
        <translation>La carte n&apos;a pas de verso</translation>
    </message>
</context>
<context>
    <name>qm::TSheetSelection</name>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A card&apos;s position on the sheet, as a screen reader names it</extracomment>
        <translation>Rangée %1, colonne %2</translation>
    </message>
    <message>
        <source>You must select at least one card to print</source>
        <translation>Vous devez choisir au moins une carte à imprimer</translation>
    </message>
</context>
<context>
    <name>qm::TSplashform</name>
    <message>
        <source>About Quillmark</source>
        <translation>À propos de Quillmark</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>%1-bit version</source>
        <translation>Version %1 bits</translation>
    </message>
    <message>
        <source>Business cards, designed and printed.</source>
        <translation>Des cartes de visite, conçues et imprimées.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. There is no warranty.</source>
        <translation>Logiciel libre sous licence GNU General Public License, version 3 ou ultérieure. Il n&apos;y a aucune garantie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Quillmark version %1 (%2-bit)</source>
        <translation>Quillmark version %1 (%2 bits)</translation>
    </message>
    <message>
        <source>Display platform: %1</source>
        <translation>Plateforme d&apos;affichage&#xa0;: %1</translation>
    </message>
    <message>
        <source>Screen: %1 x %2 pixels, %3 pixels per inch, device pixel ratio %4</source>
        <translation>Écran&#xa0;: %1 x %2 pixels, %3 pixels par pouce, rapport de pixels du périphérique %4</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <translation>Dossier des données&#xa0;: %1</translation>
    </message>
    <message>
        <source>Installed printers: %1</source>
        <translation>Imprimantes installées&#xa0;: %1</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no printers</comment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Default printer: %1</source>
        <translation>Imprimante par défaut&#xa0;: %1</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no default printer</comment>
        <translation>aucune</translation>
    </message>
</context>
<context>
    <name>qm::TSuperTextBrushImageBrowser</name>
    <message>
        <source>The text with the texture selected</source>
        <translation>Le texte avec la texture sélectionnée</translation>
    </message>
</context>
<context>
    <name>qm::TSuperTextProperties</name>
    <message>
        <source>Preview of the text</source>
        <translation>Aperçu du texte</translation>
    </message>
    <message>
        <source>SuperText Properties</source>
        <translation>Propriétés du SuperText</translation>
    </message>
    <message>
        <source>The text of the object: one line, drawn in the chosen surface.</source>
        <translation>Le texte de l&apos;objet&#xa0;: une ligne, dessinée avec la surface choisie.</translation>
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
        <translation>Texture</translation>
    </message>
    <message>
        <source>Gradient Fill</source>
        <translation>Dégradé</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Charger une texture</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Down and Right</source>
        <translation>Bas droite</translation>
    </message>
    <message>
        <source>Down and Left</source>
        <translation>Bas gauche</translation>
    </message>
    <message>
        <source>Solid Line</source>
        <translation>Trait plein</translation>
    </message>
    <message>
        <source>Dash Line</source>
        <translation>Tirets</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>Pointillés</translation>
    </message>
    <message>
        <source>DashDot Line</source>
        <translation>Tiret-point</translation>
    </message>
    <message>
        <source>DashDotDot Line</source>
        <translation>Tiret-point-point</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Choisir la police</translation>
    </message>
    <message>
        <source>Font 5 points larger</source>
        <translation>Police 5 points plus grande</translation>
    </message>
    <message>
        <source>5 points larger</source>
        <translation>5 points de plus</translation>
    </message>
    <message>
        <source>Font 5 points smaller</source>
        <translation>Police 5 points plus petite</translation>
    </message>
    <message>
        <source>5 points smaller</source>
        <translation>5 points de moins</translation>
    </message>
    <message>
        <source>Select Symbol</source>
        <translation>Choisir un symbole</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Surface Type</source>
        <translation>Type de surface</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Couleur de la police</translation>
    </message>
    <message>
        <source>Fill Direction</source>
        <translation>Sens du dégradé</translation>
    </message>
    <message>
        <source>From Color</source>
        <translation>Couleur de départ</translation>
    </message>
    <message>
        <source>To Color</source>
        <translation>Couleur d&apos;arrivée</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Couleur de l&apos;ombre</translation>
    </message>
    <message>
        <source>Shadow Orientation</source>
        <translation>Direction de l&apos;ombre</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Profondeur de l&apos;ombre</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Couleur du contour</translation>
    </message>
    <message>
        <source>OutLine Style</source>
        <translation>Style du contour</translation>
    </message>
    <message>
        <source>Outline Width</source>
        <translation>Épaisseur du contour</translation>
    </message>
    <message>
        <source>The text as it will look with these settings.</source>
        <translation>Le texte tel qu&apos;il apparaîtra avec ces réglages.</translation>
    </message>
    <message>
        <source>The colour of the letters when the surface is Normal.</source>
        <translation>La couleur des lettres quand la surface est Normal.</translation>
    </message>
    <message>
        <source>Chooses the picture tiled inside the letters.</source>
        <translation>Choisit l&apos;image répétée en mosaïque dans les lettres.</translation>
    </message>
    <message>
        <source>Which way the gradient runs from its first colour to its second.</source>
        <translation>Le sens dans lequel le dégradé passe de sa première couleur à la seconde.</translation>
    </message>
    <message>
        <source>The colour the gradient starts with.</source>
        <translation>La couleur de départ du dégradé.</translation>
    </message>
    <message>
        <source>The colour the gradient ends with.</source>
        <translation>La couleur d&apos;arrivée du dégradé.</translation>
    </message>
    <message>
        <source>The colour of the drop shadow.</source>
        <translation>La couleur de l&apos;ombre portée.</translation>
    </message>
    <message>
        <source>Where the shadow falls; None draws no shadow.</source>
        <translation>Où tombe l&apos;ombre&#xa0;; Aucune ne dessine pas d&apos;ombre.</translation>
    </message>
    <message>
        <source>How far, in pixels, the shadow lies from the letters.</source>
        <translation>La distance, en pixels, entre l&apos;ombre et les lettres.</translation>
    </message>
    <message>
        <source>The colour of the line around each letter.</source>
        <translation>La couleur du trait autour de chaque lettre.</translation>
    </message>
    <message>
        <source>Solid, dashed or dotted line around the letters; Clear draws none.</source>
        <translation>Trait plein, en tirets ou en pointillés autour des lettres&#xa0;; Effacer n&apos;en dessine aucun.</translation>
    </message>
    <message>
        <source>How thick the line around the letters is, in pixels.</source>
        <translation>L&apos;épaisseur du trait autour des lettres, en pixels.</translation>
    </message>
    <message>
        <source>Chooses the font, its size and style.</source>
        <translation>Choisit la police, sa taille et son style.</translation>
    </message>
    <message>
        <source>Makes the letters 5 points larger.</source>
        <translation>Agrandit les lettres de 5 points.</translation>
    </message>
    <message>
        <source>Makes the letters 5 points smaller.</source>
        <translation>Réduit les lettres de 5 points.</translation>
    </message>
    <message>
        <source>Puts a symbol (from Wingdings, Webdings or Symbol) in place of the text.</source>
        <translation>Remplace le texte par un symbole (de Wingdings, Webdings ou Symbol).</translation>
    </message>
    <message>
        <source>Please enter some text</source>
        <translation>Veuillez saisir du texte</translation>
    </message>
    <message>
        <source>What fills the letters: the font colour, nothing (only outline and shadow show), a tiled texture picture or a gradient between two colours.</source>
        <translation>Ce qui remplit les lettres&#xa0;: la couleur de la police, rien (seuls le contour et l&apos;ombre apparaissent), une texture répétée en mosaïque ou un dégradé entre deux couleurs.</translation>
    </message>
</context>
<context>
    <name>qm::TWarnBottomMargin</name>
    <message>
        <source>ALERT</source>
        <translation>ALERTE</translation>
    </message>
    <message>
        <source>Don&apos;t show this warning again</source>
        <translation>Ne plus afficher cet avertissement</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel Printing</source>
        <translation>Annuler l&apos;impression</translation>
    </message>
    <message>
        <source>Prints anyway; the bottom of the lowest cards may be missing.</source>
        <translation>Imprime quand même&#xa0;; le bas des cartes de la dernière rangée risque de manquer.</translation>
    </message>
    <message>
        <source>Prints nothing. Leave out the bottom row in Print Cards and print again.</source>
        <translation>N&apos;imprime rien. Retirez la rangée du bas dans Imprimer les cartes et imprimez de nouveau.</translation>
    </message>
    <message>
        <source>Never shows this warning again (your printer prints the bottom row well).</source>
        <translation>N&apos;affiche plus jamais cet avertissement (votre imprimante imprime bien la rangée du bas).</translation>
    </message>
</context>
<context>
    <name>qm::TextureImageDialog</name>
    <message>
        <source>Load Texture Image</source>
        <translation>Charger une image de texture</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Textures</source>
        <translation>Textures</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Takes the selected picture as the texture.</source>
        <translation>Prend l&apos;image sélectionnée comme texture.</translation>
    </message>
    <message>
        <source>The object filled with the selected texture.</source>
        <translation>L&apos;objet rempli avec la texture sélectionnée.</translation>
    </message>
</context>
<context>
    <name>qm::VCardSource</name>
    <message>
        <source>vCard %L1: a value was cut at %L2 KB.</source>
        <translation>vCard %L1&#xa0;: une valeur a été coupée à %L2 Ko.</translation>
    </message>
    <message>
        <source>The file holds no vCard.</source>
        <translation>Le fichier ne contient aucune vCard.</translation>
    </message>
</context>
</TS>
