<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>qm::AtomicFileWriter</name>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the reason (&quot;it is a folder&quot;, or the system&apos;s own words)</extracomment>
        <translation>No se pudo guardar «%1»: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>no se indicó ningún nombre de archivo</translation>
    </message>
    <message>
        <source>it is a named pipe that no program is reading from</source>
        <translation>es una tubería con nombre que ningún programa está leyendo</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is a disk device, not a file</source>
        <translation>es un dispositivo de disco, no un archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>qm::BasePanelWidget</name>
    <message>
        <source>Card design</source>
        <extracomment>The card being designed, as a screen reader names it.</extracomment>
        <translation>Diseño de la tarjeta</translation>
    </message>
    <message>
        <source>Tab and Shift+Tab step through the objects, arrows move and Shift+arrows size the selected one, Enter opens it, Ctrl+Tab leaves the card.</source>
        <translation>Tab y Mayús+Tab recorren los objetos, las flechas mueven el seleccionado y Mayús+flechas cambian su tamaño, Intro lo abre, Ctrl+Tab sale de la tarjeta.</translation>
    </message>
</context>
<context>
    <name>qm::CalibrationPage</name>
    <message>
        <source>%1 in</source>
        <comment>inches on a ruler</comment>
        <translation>%1 pulg.</translation>
    </message>
    <message>
        <source>mm from the left edge</source>
        <translation>mm desde el borde izquierdo</translation>
    </message>
    <message>
        <source>inches from the left edge</source>
        <translation>pulgadas desde el borde izquierdo</translation>
    </message>
    <message>
        <source>%1 mm across, %2 mm down</source>
        <extracomment>Beside a cross-hair: where its centre is, in millimetres from the paper&apos;s edges</extracomment>
        <translation>%1 mm en horizontal, %2 mm en vertical</translation>
    </message>
    <message>
        <source>Quillmark calibration page for %1</source>
        <extracomment>The title printed on the calibration page; %1 is the printer&apos;s name</extracomment>
        <translation>Página de calibración de Quillmark para %1</translation>
    </message>
    <message>
        <source>This page is printed without any fine tuning. With a good ruler, measure in millimetres:</source>
        <translation>Esta página se imprime sin ningún ajuste fino. Con una buena regla, mida en milímetros:</translation>
    </message>
    <message>
        <source>1. from the LEFT edge of the paper to the upright line of cross-hair A, then of B;</source>
        <translation>1. desde el borde IZQUIERDO del papel hasta la línea vertical de la cruz A, y luego la de B;</translation>
    </message>
    <message>
        <source>2. from the TOP edge of the paper to the level line of cross-hair A, then of C.</source>
        <translation>2. desde el borde SUPERIOR del papel hasta la línea horizontal de la cruz A, y luego la de C.</translation>
    </message>
    <message>
        <source>A printer that prints true gives A %1 and B %2 across, A %3 and C %4 down.</source>
        <extracomment>%1 to %4 are distances in millimetres</extracomment>
        <translation>Una impresora exacta da A %1 y B %2 en horizontal, y A %3 y C %4 en vertical.</translation>
    </message>
    <message>
        <source>3. Enter the four readings in File, Printer Fine Tuning, under &quot;Readings from the calibration page&quot;,
    click Use Readings and then Ok: the offsets and scales for this printer are worked out and kept.</source>
        <extracomment>Printed on the calibration page line by line: keep each line about as long as the English one. The names in quotes are those of the Printer Fine-Tuning dialog.</extracomment>
        <translation>3. Escriba las cuatro lecturas en Archivo, Ajuste fino de la impresora,
    en «Lecturas de la página de calibración», pulse Usar lecturas y luego Aceptar:
    se calculan y se guardan los desplazamientos y escalas de esta impresora.</translation>
    </message>
    <message>
        <source>The rulers count from the top and left edges of the paper: where the paper&apos;s edge meets them shows the shift.</source>
        <translation>Las reglas miden desde los bordes superior e izquierdo: donde el borde del papel las corta se ve el desvío.</translation>
    </message>
    <message>
        <source>Quillmark calibration page</source>
        <extracomment>The print job&apos;s name in the printer&apos;s queue</extracomment>
        <translation>Página de calibración de Quillmark</translation>
    </message>
    <message>
        <source>Quillmark two-sided calibration page for %1</source>
        <extracomment>The title printed on the back of the two-sided calibration page; %1 is the printer&apos;s name</extracomment>
        <translation>Página de calibración a doble cara de Quillmark para %1</translation>
    </message>
    <message>
        <source>Hold the sheet against the light with this side facing you: beside each letter
the cross-hair printed on the front shows through. Read in millimetres where its
upright line crosses the scale across (right is +) and where its level line crosses
the scale down (down is +). Enter the readings of A in File, Printer Fine Tuning,
under &quot;Back side&quot;, and click Use Back Readings: they are added to the back offset.
B and C should read alike. Print the page again: every reading should be 0.</source>
        <extracomment>Printed on the page line by line: keep each line about as long as the English one. The names in quotes are those of the Printer Fine-Tuning dialog.</extracomment>
        <translation>Mire la hoja a contraluz con esta cara hacia usted: junto a cada letra se trasluce
la cruz impresa en el anverso. Lea en milímetros dónde su línea vertical cruza la
escala horizontal (derecha es +) y dónde su línea horizontal cruza la escala vertical
(abajo es +). Escriba las lecturas de A en Archivo, Ajuste fino de la impresora,
en «Reverso», y pulse Usar lecturas del reverso: se suman al desplazamiento del reverso.
B y C deberían dar lo mismo. Imprima otra vez la página: toda lectura debe dar 0.</translation>
    </message>
    <message>
        <source>Front of the two-sided calibration page for %1</source>
        <extracomment>Printed on the front of the two-sided calibration page; %1 is the printer&apos;s name</extracomment>
        <translation>Anverso de la página de calibración a doble cara para %1</translation>
    </message>
    <message>
        <source>Quillmark two-sided calibration page</source>
        <translation>Página de calibración a doble cara de Quillmark</translation>
    </message>
    <message>
        <source>The back offset would be more than %1 mm: check the readings.</source>
        <translation>El desplazamiento del reverso sería de más de %1 mm: compruebe las lecturas.</translation>
    </message>
</context>
<context>
    <name>qm::CalibrationPanel</name>
    <message>
        <source>Offset across</source>
        <translation>Desplazamiento horizontal</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Desplazamiento vertical</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Escala horizontal</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Escala vertical</translation>
    </message>
    <message>
        <source>A across</source>
        <translation>A horizontal</translation>
    </message>
    <message>
        <source>B across</source>
        <translation>B horizontal</translation>
    </message>
    <message>
        <source>A down</source>
        <translation>A vertical</translation>
    </message>
    <message>
        <source>C down</source>
        <translation>C vertical</translation>
    </message>
    <message>
        <source>Back offset across</source>
        <translation>Desplazamiento horizontal del reverso</translation>
    </message>
    <message>
        <source>Back offset down</source>
        <translation>Desplazamiento vertical del reverso</translation>
    </message>
    <message>
        <source>Back reading across</source>
        <translation>Lectura horizontal del reverso</translation>
    </message>
    <message>
        <source>Back reading down</source>
        <translation>Lectura vertical del reverso</translation>
    </message>
    <message>
        <source>Millimetres every card moves to the right (a minus sign moves it left).</source>
        <translation>Milímetros que cada tarjeta se desplaza a la derecha (un signo menos la desplaza a la izquierda).</translation>
    </message>
    <message>
        <source>Millimetres every card moves down (a minus sign moves it up).</source>
        <translation>Milímetros que cada tarjeta se desplaza hacia abajo (un signo menos la desplaza hacia arriba).</translation>
    </message>
    <message>
        <source>Percent by which distances across the paper are stretched (100 leaves them as they are).</source>
        <translation>Porcentaje en que se estiran las distancias a lo ancho del papel (100 las deja como están).</translation>
    </message>
    <message>
        <source>Percent by which distances down the paper are stretched (100 leaves them as they are).</source>
        <translation>Porcentaje en que se estiran las distancias a lo alto del papel (100 las deja como están).</translation>
    </message>
    <message>
        <source>The distance in millimetres from the paper&apos;s left edge to the centre of cross-hair A, as you measure it.</source>
        <translation>La distancia en milímetros del borde izquierdo del papel al centro de la cruz de referencia A, tal como la mide.</translation>
    </message>
    <message>
        <source>The distance in millimetres from the paper&apos;s left edge to the centre of cross-hair B, as you measure it.</source>
        <translation>La distancia en milímetros del borde izquierdo del papel al centro de la cruz de referencia B, tal como la mide.</translation>
    </message>
    <message>
        <source>The distance in millimetres from the paper&apos;s top edge to the centre of cross-hair A, as you measure it.</source>
        <translation>La distancia en milímetros del borde superior del papel al centro de la cruz de referencia A, tal como la mide.</translation>
    </message>
    <message>
        <source>The distance in millimetres from the paper&apos;s top edge to the centre of cross-hair C, as you measure it.</source>
        <translation>La distancia en milímetros del borde superior del papel al centro de la cruz de referencia C, tal como la mide.</translation>
    </message>
    <message>
        <source>Millimetres the back of a two-sided sheet moves to the right, as the back reads, on top of the offset above.</source>
        <translation>Milímetros que el reverso de una hoja a doble cara se desplaza a la derecha, visto desde el reverso, además del desplazamiento de arriba.</translation>
    </message>
    <message>
        <source>Millimetres the back of a two-sided sheet moves down, on top of the offset above.</source>
        <translation>Milímetros que el reverso de una hoja a doble cara se desplaza hacia abajo, además del desplazamiento de arriba.</translation>
    </message>
    <message>
        <source>On the two-sided calibration page held to the light: where the upright line of cross-hair A falls on the scale across (right is +).</source>
        <translation>En la página de calibración a doble cara mirada a contraluz: dónde cae la línea vertical de la cruz de referencia A en la escala horizontal (derecha es +).</translation>
    </message>
    <message>
        <source>On the two-sided calibration page held to the light: where the level line of cross-hair A falls on the scale down (down is +).</source>
        <translation>En la página de calibración a doble cara mirada a contraluz: dónde cae la línea horizontal de la cruz de referencia A en la escala vertical (abajo es +).</translation>
    </message>
    <message>
        <source>These settings are for: &lt;b&gt;%1&lt;/b&gt;</source>
        <extracomment>%1 is the printer&apos;s name</extracomment>
        <translation>Esta configuración es para: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Each printer keeps its own fine tuning. Choose another printer with File, Printer Setup.</source>
        <translation>Cada impresora guarda su propio ajuste fino. Elija otra impresora con Archivo, Configurar impresora.</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Moves every card by an offset (right and down) and stretches its distance from the paper&apos;s top-left corner by a scale, for a printer whose feed stretches the page.</source>
        <translation>Desplaza cada tarjeta (hacia la derecha y hacia abajo) y estira su distancia a la esquina superior izquierda del papel según una escala, para impresoras cuyo arrastre estira la página.</translation>
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
        <translation>Lecturas de la página de calibración (mm)</translation>
    </message>
    <message>
        <source>Print the calibration page, measure cross-hairs A and B from the paper&apos;s left edge and A and C from its top edge, enter what you read and click Use Readings.</source>
        <translation>Imprima la página de calibración, mida las cruces de referencia A y B desde el borde izquierdo del papel y A y C desde su borde superior, escriba lo que lea y haga clic en Usar lecturas.</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>An entry&apos;s label: %1 is its name (&quot;A across&quot;)</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Print Calibration Page</source>
        <translation>Imprimir página de calibración</translation>
    </message>
    <message>
        <source>Use Readings</source>
        <translation>Usar lecturas</translation>
    </message>
    <message>
        <source>Prints rulers and three cross-hairs at known places, without any fine tuning, on the printer these settings are for.</source>
        <translation>Imprime reglas y tres cruces de referencia en lugares conocidos, sin ningún ajuste fino, en la impresora a la que corresponde esta configuración.</translation>
    </message>
    <message>
        <source>Works out the offsets and scales from the four readings and puts them in the entries above.</source>
        <translation>Calcula los desplazamientos y las escalas a partir de las cuatro lecturas y los pone en las casillas de arriba.</translation>
    </message>
    <message>
        <source>Back side (two-sided printing, mm)</source>
        <translation>Reverso (impresión a doble cara, mm)</translation>
    </message>
    <message>
        <source>Where the back of a two-sided sheet lands behind its front. Print the two-sided page, hold it to the light, read where cross-hair A falls on the scales of the back and click Use Back Readings.</source>
        <translation>Dónde cae el reverso de una hoja a doble cara respecto a su anverso. Imprima la página de doble cara, mírela a contraluz, lea dónde cae la cruz de referencia A en las escalas del reverso y haga clic en Usar lecturas del reverso.</translation>
    </message>
    <message>
        <source>Print Two-Sided Page</source>
        <translation>Imprimir página de doble cara</translation>
    </message>
    <message>
        <source>Prints cross-hairs on the front of a sheet and scales behind them on its back, with the values entered here.</source>
        <translation>Imprime cruces de referencia en el anverso de una hoja y escalas detrás de ellas en su reverso, con los valores introducidos aquí.</translation>
    </message>
    <message>
        <source>Use Back Readings</source>
        <translation>Usar lecturas del reverso</translation>
    </message>
    <message>
        <source>Adds the two readings to the back offsets.</source>
        <translation>Suma las dos lecturas a los desplazamientos del reverso.</translation>
    </message>
    <message>
        <source>%1 must be the distance you measured, in millimetres, such as %2.</source>
        <extracomment>%1 names the entry (&quot;A across&quot;), %2 is a number (&quot;30.0&quot;)</extracomment>
        <translation>%1 debe ser la distancia que midió, en milímetros, por ejemplo %2.</translation>
    </message>
    <message>
        <source>%1 must be the reading on the scale, in millimetres, such as -0.5.</source>
        <extracomment>%1 names the entry (&quot;Back reading across&quot;)</extracomment>
        <translation>%1 debe ser la lectura de la escala, en milímetros, por ejemplo -0,5.</translation>
    </message>
</context>
<context>
    <name>qm::CardBackground</name>
    <message>
        <source>no such background picture</source>
        <translation>no existe esa imagen de fondo</translation>
    </message>
    <message>
        <source>not a picture file</source>
        <translation>no es un archivo de imagen</translation>
    </message>
    <message>
        <source>the background picture cannot be read (%1)</source>
        <translation>no se puede leer la imagen de fondo (%1)</translation>
    </message>
    <message>
        <source>the background picture is too large</source>
        <translation>la imagen de fondo es demasiado grande</translation>
    </message>
    <message>
        <source>%1: no such background picture</source>
        <translation>%1: no existe esa imagen de fondo</translation>
    </message>
    <message>
        <source>%1; the card is drawn without it</source>
        <extracomment>%1 says which background picture cannot be used and why</extracomment>
        <translation>%1; la tarjeta se dibuja sin ella</translation>
    </message>
</context>
<context>
    <name>qm::CardDocument</name>
    <message>
        <source>QMK File (%1)</source>
        <extracomment>a file dialog&apos;s filter; %1 is the file name patterns</extracomment>
        <translation>Archivo QMK (%1)</translation>
    </message>
    <message>
        <source>bold</source>
        <comment>font style</comment>
        <translation>negrita</translation>
    </message>
    <message>
        <source>italic</source>
        <comment>font style</comment>
        <translation>cursiva</translation>
    </message>
    <message>
        <source>underline</source>
        <comment>font style</comment>
        <translation>subrayado</translation>
    </message>
    <message>
        <source>Quillmark (Back)</source>
        <translation>Quillmark (reverso)</translation>
    </message>
    <message>
        <source>Quillmark (Front)</source>
        <translation>Quillmark (anverso)</translation>
    </message>
    <message>
        <source>Quillmark - %1 (Back)</source>
        <extracomment>the window&apos;s title; %1 is the card&apos;s file name</extracomment>
        <translation>Quillmark - %1 (reverso)</translation>
    </message>
    <message>
        <source>Quillmark - %1 (Front)</source>
        <translation>Quillmark - %1 (anverso)</translation>
    </message>
    <message>
        <source>Quillmark - %1</source>
        <translation>Quillmark - %1</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>the card</comment>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Clear Background</source>
        <comment>undo step</comment>
        <translation>Quitar imagen de fondo</translation>
    </message>
    <message>
        <source>Background Art</source>
        <comment>undo step</comment>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>The template could not be opened.

%1</source>
        <translation>No se pudo abrir la plantilla.

%1</translation>
    </message>
    <message>
        <source>gLabels design (%1)</source>
        <translation>Diseño de gLabels (%1)</translation>
    </message>
    <message>
        <source>Must be a QMK (Quillmark) file</source>
        <translation>Debe ser un archivo QMK (Quillmark)</translation>
    </message>
    <message>
        <source>Open Business Card</source>
        <translation>Abrir tarjeta de visita</translation>
    </message>
    <message>
        <source>Unable to open %1. Possibly corrupted, possibly not a QMK file

%2</source>
        <translation>No se puede abrir %1. Puede que esté dañado o que no sea un archivo QMK

%2</translation>
    </message>
    <message>
        <source>The layout of %1 cannot be used: %2

The card opens with your default layout; saving it writes that layout.</source>
        <translation>La disposición de %1 no se puede usar: %2

La tarjeta se abre con su disposición predeterminada; al guardarla se escribe esa disposición.</translation>
    </message>
    <message>
        <source>%1 no longer exists</source>
        <translation>%1 ya no existe</translation>
    </message>
    <message>
        <source>1 object lies outside the card and does not show on it.

Remove it before saving? (Undo brings it back.)
Yes removes it, No keeps it in the card file, Cancel does not save.</source>
        <translation>1 objeto queda fuera de la tarjeta y no se ve en ella.

¿Quitarlo antes de guardar? (Deshacer lo recupera).
Sí lo quita, No lo conserva en el archivo de la tarjeta, Cancelar no guarda.</translation>
    </message>
    <message numerus="yes">
        <source>%n objects lie outside the card and do not show on it.

Remove them before saving? (Undo brings them back.)
Yes removes them, No keeps them in the card file, Cancel does not save.</source>
        <translation>
            <numerusform>%n objeto queda fuera de la tarjeta y no se ve en ella.

¿Quitarlo antes de guardar? (Deshacer lo recupera).
Sí lo quita, No lo conserva en el archivo de la tarjeta, Cancelar no guarda.</numerusform>
            <numerusform>%n objetos quedan fuera de la tarjeta y no se ven en ella.

¿Quitarlos antes de guardar? (Deshacer los recupera).
Sí los quita, No los conserva en el archivo de la tarjeta, Cancelar no guarda.</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects Outside the Card</source>
        <translation>Objetos fuera de la tarjeta</translation>
    </message>
    <message>
        <source>The card was not saved.

%1</source>
        <translation>La tarjeta no se guardó.

%1</translation>
    </message>
    <message>
        <source>Save Business Card As</source>
        <translation>Guardar tarjeta de visita como</translation>
    </message>
    <message>
        <source>Delete Business Card</source>
        <translation>Eliminar tarjeta de visita</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>¿Eliminar %1?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Unable to delete %1: %2</source>
        <translation>No se puede eliminar %1: %2</translation>
    </message>
    <message>
        <source>Cancel all changes?</source>
        <translation>¿Cancelar todos los cambios?</translation>
    </message>
    <message>
        <source>Cancel Changes</source>
        <translation>Cancelar cambios</translation>
    </message>
    <message>
        <source>Save As Template</source>
        <translation>Guardar como plantilla</translation>
    </message>
    <message>
        <source>QMKT File (%1)</source>
        <extracomment>a file dialog&apos;s filter; %1 is the file name patterns</extracomment>
        <translation>Archivo QMKT (%1)</translation>
    </message>
    <message>
        <source>The template was not saved.

%1</source>
        <translation>La plantilla no se guardó.

%1</translation>
    </message>
    <message>
        <source>The back of the template was not saved.

%1</source>
        <translation>El reverso de la plantilla no se guardó.

%1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Se guardó como %1</translation>
    </message>
    <message>
        <source>Save the current card layout as your default layout?</source>
        <translation>¿Guardar la disposición actual de las tarjetas como su disposición predeterminada?</translation>
    </message>
    <message>
        <source>Card Layout</source>
        <translation>Disposición de tarjetas</translation>
    </message>
    <message>
        <source>The layout was not saved.

%1</source>
        <translation>La disposición no se guardó.

%1</translation>
    </message>
    <message>
        <source>The default font was not stored.

%1</source>
        <translation>El tipo de letra predeterminado no se guardó.

%1</translation>
    </message>
    <message>
        <source>Note: the default font is used for NEW objects only.
To change the font of an existing object, click it
with the RIGHT MOUSE BUTTON and select FONT</source>
        <extracomment>FONT is the Font command of an object&apos;s right-click menu</extracomment>
        <translation>Nota: el tipo de letra predeterminado solo se usa para los objetos NUEVOS.
Para cambiar el tipo de letra de un objeto existente, haga clic en él
con el BOTÓN DERECHO DEL RATÓN y elija TIPO DE LETRA</translation>
    </message>
    <message>
        <source>Change All Fonts</source>
        <comment>undo step</comment>
        <translation>Cambiar todos los tipos de letra</translation>
    </message>
    <message>
        <source>Card Layout</source>
        <comment>undo step</comment>
        <translation>Disposición de tarjetas</translation>
    </message>
    <message>
        <source>Save Card As Bitmap</source>
        <translation>Guardar tarjeta como mapa de bits</translation>
    </message>
    <message>
        <source>Save Card As JPG</source>
        <translation>Guardar tarjeta como JPG</translation>
    </message>
    <message>
        <source>Save Card As PNG</source>
        <translation>Guardar tarjeta como PNG</translation>
    </message>
    <message>
        <source>Bitmap File (%1)</source>
        <extracomment>a file dialog&apos;s filter; %1 is the file name patterns</extracomment>
        <translation>Archivo de mapa de bits (%1)</translation>
    </message>
    <message>
        <source>JPG File (%1)</source>
        <translation>Archivo JPG (%1)</translation>
    </message>
    <message>
        <source>PNG File (%1)</source>
        <translation>Archivo PNG (%1)</translation>
    </message>
    <message>
        <source>BusinessCard</source>
        <comment>file name proposed for the picture of an unnamed card</comment>
        <translation>TarjetaDeVisita</translation>
    </message>
    <message>
        <source>Would you like to draw a border around the card?</source>
        <translation>¿Desea dibujar un borde alrededor de la tarjeta?</translation>
    </message>
    <message>
        <source>%1

Save the picture %2 times as large (%3 x %4 pixels), so that the code scans?</source>
        <extracomment>%1 says which QR code is too small to scan</extracomment>
        <translation>%1

¿Guardar la imagen %2 veces más grande (%3 x %4 píxeles) para que el código se pueda escanear?</translation>
    </message>
    <message>
        <source>QR Code</source>
        <translation>Código QR</translation>
    </message>
    <message>
        <source>%1

Save the picture anyway?</source>
        <extracomment>%1 says which QR code is too small to scan</extracomment>
        <translation>%1

¿Guardar la imagen de todos modos?</translation>
    </message>
    <message>
        <source>The picture was not saved.

%1</source>
        <translation>La imagen no se guardó.

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
        <translation>No se puede abrir %1.

%2</translation>
    </message>
    <message>
        <source>%1 opened as a new card.

%2</source>
        <extracomment>%1 is the gLabels file&apos;s name, %2 a report of what was taken over</extracomment>
        <translation>%1 se abrió como una tarjeta nueva.

%2</translation>
    </message>
    <message>
        <source>The back of the card, %1, could not be read; the card opens without it and saving leaves that file as it is.

%2</source>
        <translation>No se pudo leer el reverso de la tarjeta, %1; la tarjeta se abre sin él y, al guardar, ese archivo queda como está.

%2</translation>
    </message>
    <message>
        <source>%1: the empty back could not be removed</source>
        <translation>%1: no se pudo quitar el reverso vacío</translation>
    </message>
    <message>
        <source>&amp;Default Font: %1, %2 pt %3</source>
        <extracomment>A menu item: %1 the font&apos;s name, %2 its size in points, %3 its styles (&quot;, bold, italic&quot;), or nothing</extracomment>
        <translation>Tipo de letra predetermi&amp;nado: %1, %2 pt %3</translation>
    </message>
</context>
<context>
    <name>qm::CardFile</name>
    <message>
        <source>%1: no such card file</source>
        <translation>%1: no existe ese archivo de tarjeta</translation>
    </message>
    <message>
        <source>%1: writing there would overwrite %2, which the card is read from; give another file name</source>
        <translation>%1: escribir ahí sobrescribiría %2, del que se lee la tarjeta; indique otro nombre de archivo</translation>
    </message>
</context>
<context>
    <name>qm::CardHistory</name>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 names the change that is taken back (&quot;Move&quot;, &quot;Line Color&quot;).</extracomment>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 names the change that is made again (&quot;Move&quot;, &quot;Line Color&quot;).</extracomment>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
</context>
<context>
    <name>qm::CardTemplate</name>
    <message>
        <source>%1: no room for a temporary file</source>
        <translation>%1: no hay espacio para un archivo temporal</translation>
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
        <translation>Seleccione un tipo de letra: todos los textos cambiarán a este tipo de letra</translation>
    </message>
    <message>
        <source>Font for all text</source>
        <translation>Tipo de letra para todo el texto</translation>
    </message>
    <message>
        <source>Click a typeface to see it in the samples. Ok puts it on every text object of the card; sizes, styles and colours stay.</source>
        <translation>Haga clic en un tipo de letra para verlo en las muestras. Aceptar lo aplica a todos los objetos de texto de la tarjeta; los tamaños, estilos y colores se mantienen.</translation>
    </message>
    <message>
        <source>Sample</source>
        <comment>the group of samples</comment>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>Sample</source>
        <extracomment>sample texts shown in the chosen typeface</extracomment>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>Sample Bold</source>
        <translation>Muestra negrita</translation>
    </message>
    <message>
        <source>Sample Italic</source>
        <translation>Muestra cursiva</translation>
    </message>
    <message>
        <source>Sample Bold Italic</source>
        <translation>Muestra negrita cursiva</translation>
    </message>
</context>
<context>
    <name>qm::ColorCombo</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Verde oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aguamarina</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Gris claro</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Gris oscuro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>¿Qué es esto?</translation>
    </message>
    <message>
        <source>Custom %1</source>
        <extracomment>A colour of no name in the colour list, by its hexadecimal value (&quot;Custom #1A2B3C&quot;).</extracomment>
        <translation>Personalizado %1</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personalizado...</translation>
    </message>
</context>
<context>
    <name>qm::ColorPalette</name>
    <message>
        <source>Colour %1</source>
        <extracomment>A colour of the palette, as a screen reader names it by its hexadecimal value.</extracomment>
        <translation>Color %1</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <extracomment>Opens the colour chooser for a colour not in the palette.</extracomment>
        <translation>&amp;Otro</translation>
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
        <translation>uso: quillmark [CARD.qmk]
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
        <translation>  --border      un marco negro de un píxel alrededor de la imagen exportada
  --scale N     una imagen N veces tan grande como la tarjeta a 96 píxeles por pulgada (1 a 8)
  --bleed MM    un PDF para imprenta: el fondo y lo que toca el borde se extienden esta distancia
                más allá de la tarjeta (de 0 a 6 milímetros en pasos de 0,5; 3 si no se indica)
  --crop-marks  marcas de corte en las líneas de corte fuera del sangrado (un PDF para imprenta; o en
                una hoja impresa, en los márgenes y huecos entre las tarjetas)
  --printer     imprime en una impresora del sistema de impresión (CUPS), la predeterminada sin NAME
  --copies N    imprime N hojas (1 a 100000)
  --positions   las posiciones de la hoja que imprimir, como 1,2,9 (en horizontal y luego hacia abajo)
  --merge FILE  una tarjeta por registro de un archivo CSV o vCard: marcadores como {Name} toman sus valores
  --start N     en una combinación, la posición en la hoja de la primera tarjeta (para una hoja ya empezada)
  --duplex TURN doble cara: el reverso de la tarjeta (CARD.back.qmk) detrás de cada tarjeta, para una
                impresora que voltea la hoja por su borde largo o corto, o todos los anversos y luego
                todos los reversos (manual)
  --outline     imprime solo los contornos de las tarjetas, una página de prueba para la hoja de tarjetas
  --preview     imprime lo que muestra la vista previa
  --no-nudges   omite el ajuste fino de la impresora de qmk.ini (se aplica de forma predeterminada)
  --stock NAME  imprime en una hoja de tarjetas (o exporta con su tamaño de tarjeta), como &quot;Avery 5371&quot;
                o &quot;Zweckform 32010&quot;, en lugar de la disposición de la tarjeta
  --quiet       sin indicación de progreso en el terminal
  --force       escribe una imagen o un archivo PDF cuyo nombre no tiene la extensión habitual
                (la imagen es entonces PNG)</translation>
    </message>
    <message>
        <source>stock lists the card stock whose maker, part number or description holds every word: maker and part,
card size, cards across x down, paper (gLabels&apos; database when glabels-data is installed, the built-in
sheets and your own).</source>
        <extracomment>&quot;stock&quot; is the command&apos;s name and stays as it is</extracomment>
        <translation>stock muestra las hojas de tarjetas cuyo fabricante, referencia o descripción contiene todas las
palabras: fabricante y referencia, tamaño de tarjeta, tarjetas en horizontal x vertical, papel (la base
de datos de gLabels si glabels-data está instalado, las hojas integradas y las suyas propias).</translation>
    </message>
    <message>
        <source>The window needs a display; the other commands do not. Exit status: 0 success, 1 a bad or unreadable
input or a file that could not be written, 2 bad usage.</source>
        <extracomment>dump, resave, export, print and stock are the commands&apos; names and stay as they are</extracomment>
        <translation>La ventana necesita una pantalla; los demás comandos no. Estado de salida: 0 éxito, 1 entrada errónea
o ilegible o un archivo que no se pudo escribir, 2 uso incorrecto.</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <translation>aviso: %1: %2</translation>
    </message>
    <message>
        <source>--scale needs a whole number from 1 to %1</source>
        <translation>--scale necesita un número entero de 1 a %1</translation>
    </message>
    <message>
        <source>--bleed needs millimetres from 0 to 6 in steps of 0.5</source>
        <translation>--bleed necesita milímetros de 0 a 6 en pasos de 0,5</translation>
    </message>
    <message>
        <source>--stock needs the maker and part of a card stock, such as &quot;Avery 5371&quot;</source>
        <translation>--stock necesita el fabricante y la referencia de una hoja de tarjetas, como &quot;Avery 5371&quot;</translation>
    </message>
    <message>
        <source>--border and --scale are for pictures, not a PDF file</source>
        <translation>--border y --scale son para imágenes, no para un archivo PDF</translation>
    </message>
    <message>
        <source>%1: the PDF file&apos;s name must end in .pdf (--force writes it anyway)</source>
        <translation>%1: el nombre del archivo PDF debe terminar en .pdf (--force lo escribe de todos modos)</translation>
    </message>
    <message>
        <source>%1: the picture must end in .png, .bmp or .jpg, or .pdf for a print shop (--force writes a PNG picture anyway)</source>
        <translation>%1: la imagen debe terminar en .png, .bmp o .jpg, o en .pdf para una imprenta (--force escribe una imagen PNG de todos modos)</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>there is no display to open the design window on (DISPLAY is not set)</source>
        <translation>no hay pantalla en la que abrir la ventana de diseño (DISPLAY no está definida)</translation>
    </message>
    <message>
        <source>cannot open the design window: %1</source>
        <extracomment>%1 is the toolkit&apos;s reason; dump, resave, export, print and stock are commands and stay as they are</extracomment>
        <translation>no se puede abrir la ventana de diseño: %1</translation>
    </message>
    <message>
        <source>dump, resave, export, print and stock work without a display</source>
        <translation>dump, resave, export, print y stock funcionan sin pantalla</translation>
    </message>
    <message>
        <source>%1; dump, resave, export, print and stock work without one</source>
        <extracomment>%1 says why there is no display; dump, resave, export, print and stock are commands</extracomment>
        <translation>%1; dump, resave, export, print y stock funcionan sin ella</translation>
    </message>
    <message>
        <source>usage: quillmark import FILE.glabels OUT.qmk
</source>
        <extracomment>the command line&apos;s words stay as they are: only FILE and OUT may be translated</extracomment>
        <translation>uso: quillmark import FILE.glabels OUT.qmk
</translation>
    </message>
    <message>
        <source>%1: the card file&apos;s name must end in .qmk</source>
        <translation>%1: el nombre del archivo de tarjeta debe terminar en .qmk</translation>
    </message>
    <message>
        <source>usage: quillmark print CARD.qmk --pdf OUT.pdf|--printer [NAME] [--copies N] [--positions 1,2,...] [--outline] [--preview] [--merge DATA.csv|DATA.vcf [--start N]] [--duplex long|short|manual] [--no-nudges] [--crop-marks] [--stock &quot;MAKER PART&quot;] [--quiet] [--force]
</source>
        <extracomment>the command line&apos;s words (print, --pdf, long...) stay as they are: only the capitals (CARD, OUT, NAME, N, DATA, MAKER PART) may be translated</extracomment>
        <translation>uso: quillmark print CARD.qmk --pdf OUT.pdf|--printer [NAME] [--copies N] [--positions 1,2,...] [--outline] [--preview] [--merge DATA.csv|DATA.vcf [--start N]] [--duplex long|short|manual] [--no-nudges] [--crop-marks] [--stock &quot;MAKER PART&quot;] [--quiet] [--force]
</translation>
    </message>
    <message>
        <source>--pdf needs a file name</source>
        <translation>--pdf necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--copies needs a number from 1 to %1</source>
        <translation>--copies necesita un número de 1 a %1</translation>
    </message>
    <message>
        <source>--positions needs a list of sheet positions such as 1,2,9</source>
        <translation>--positions necesita una lista de posiciones de la hoja, como 1,2,9</translation>
    </message>
    <message>
        <source>--merge needs a CSV or vCard file</source>
        <translation>--merge necesita un archivo CSV o vCard</translation>
    </message>
    <message>
        <source>--start needs the sheet position to start at (1, 2, ...)</source>
        <translation>--start necesita la posición de la hoja por la que empezar (1, 2, ...)</translation>
    </message>
    <message>
        <source>--duplex needs long, short or manual</source>
        <translation>--duplex necesita long, short o manual</translation>
    </message>
    <message>
        <source>one card file is needed</source>
        <translation>se necesita un archivo de tarjeta</translation>
    </message>
    <message>
        <source>--pdf and --printer do not go together</source>
        <translation>--pdf y --printer no van juntos</translation>
    </message>
    <message>
        <source>--pdf OUT.pdf or --printer [NAME] is needed</source>
        <translation>se necesita --pdf OUT.pdf o --printer [NAME]</translation>
    </message>
    <message>
        <source>--merge does not go with --outline or --preview</source>
        <translation>--merge no va con --outline ni con --preview</translation>
    </message>
    <message>
        <source>--start goes with --merge (use --positions for a plain print)</source>
        <translation>--start va con --merge (use --positions para una impresión normal)</translation>
    </message>
    <message>
        <source>--outline and --preview do not go together</source>
        <translation>--outline y --preview no van juntos</translation>
    </message>
    <message>
        <source>%1; printing without its printer fine tuning and default layout</source>
        <translation>%1; se imprime sin el ajuste fino de la impresora ni la disposición predeterminada</translation>
    </message>
    <message>
        <source>%1 has no back (%2); printing the fronts only</source>
        <extracomment>%1 is the card file, %2 the name its back would have</extracomment>
        <translation>%1 no tiene reverso (%2); solo se imprimen los anversos</translation>
    </message>
    <message>
        <source>position %1 is not on the sheet (1 to %2)</source>
        <translation>la posición %1 no está en la hoja (1 a %2)</translation>
    </message>
    <message>
        <source>the default printer</source>
        <translation>la impresora predeterminada</translation>
    </message>
    <message>
        <source>printer %1</source>
        <translation>la impresora %1</translation>
    </message>
    <message>
        <source>%1: no room for the job in the temporary folder</source>
        <translation>%1: no hay espacio para el trabajo en la carpeta temporal</translation>
    </message>
    <message>
        <source>--start %1 is not on the sheet (1 to %2)</source>
        <translation>--start %1 no está en la hoja (1 a %2)</translation>
    </message>
    <message>
        <source>%1: no column matches a personal field; placeholders take the columns&apos; own names</source>
        <translation>%1: ninguna columna corresponde a un campo personal; los marcadores toman los nombres de las propias columnas</translation>
    </message>
    <message>
        <source>%1: the file holds no records</source>
        <translation>%1: el archivo no contiene registros</translation>
    </message>
    <message>
        <source>%1: pages 1 to %2 are the fronts; print them, turn the stack over along the long edge without changing its order, feed it again and print pages %3 to %4, the backs</source>
        <extracomment>%1 is the PDF file; %2, %3 and %4 are page numbers</extracomment>
        <translation>%1: las páginas 1 a %2 son los anversos; imprímalas, dé la vuelta a la pila por el borde largo sin cambiar su orden, vuelva a introducirla e imprima las páginas %3 a %4, los reversos</translation>
    </message>
    <message>
        <source>press Enter when the stack is back in the printer</source>
        <translation>pulse Intro cuando la pila esté de nuevo en la impresora</translation>
    </message>
    <message>
        <source>gLabels&apos; card stock database (the Debian package glabels-data) is not installed; only the built-in sheets and your own stock are listed</source>
        <translation>la base de datos de hojas de tarjetas de gLabels (el paquete de Debian glabels-data) no está instalada; solo se muestran las hojas integradas y sus propias hojas</translation>
    </message>
    <message>
        <source>no card stock is called &quot;%1&quot; (quillmark stock WORDS lists the stock)</source>
        <extracomment>&quot;quillmark stock WORDS&quot; is a command: only WORDS may be translated</extracomment>
        <translation>ninguna hoja de tarjetas se llama «%1» (quillmark stock WORDS muestra las hojas)</translation>
    </message>
    <message>
        <source>no card stock is called &quot;%1&quot; (quillmark stock WORDS lists the stock); gLabels&apos; card stock (the package glabels-data) is not installed</source>
        <translation>ninguna hoja de tarjetas se llama «%1» (quillmark stock WORDS muestra las hojas); las hojas de tarjetas de gLabels (el paquete glabels-data) no están instaladas</translation>
    </message>
    <message>
        <source>usage: quillmark stock [WORDS]
</source>
        <translation>uso: quillmark stock [WORDS]
</translation>
    </message>
    <message>
        <source>no card stock holds &quot;%1&quot;</source>
        <translation>ninguna hoja de tarjetas contiene «%1»</translation>
    </message>
</context>
<context>
    <name>qm::CompanionFile</name>
    <message>
        <source>%1: no room for a temporary file</source>
        <translation>%1: no hay espacio para un archivo temporal</translation>
    </message>
</context>
<context>
    <name>qm::ContactFormat</name>
    <message>
        <source>CSV text</source>
        <extracomment>Kinds of file, in the file dialog&apos;s list of types</extracomment>
        <translation>Texto CSV</translation>
    </message>
    <message>
        <source>vCards</source>
        <translation>vCards</translation>
    </message>
    <message>
        <source>The file %1 holds binary data, not a list of names and addresses (CSV text or vCards).</source>
        <translation>El archivo %1 contiene datos binarios, no una lista de nombres y direcciones (texto CSV o vCards).</translation>
    </message>
    <message>
        <source>The file %1 holds no CSV text.</source>
        <translation>El archivo %1 no contiene texto CSV.</translation>
    </message>
    <message>
        <source>The file %1 holds no vCards.</source>
        <translation>El archivo %1 no contiene vCards.</translation>
    </message>
    <message>
        <source>The file %1 is cut short.</source>
        <translation>El archivo %1 está incompleto.</translation>
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
        <translation>El valor entre comillas que empieza en la línea %L1 nunca se cierra (falta una comilla): el resto del archivo quedaría dentro de él, así que no se lee nada.</translation>
    </message>
    <message>
        <source>The file holds no field names (its first row should name the columns).</source>
        <translation>El archivo no contiene nombres de campo (su primera fila debería nombrar las columnas).</translation>
    </message>
    <message>
        <source>Column %L1</source>
        <extracomment>The name given to a column whose heading in the file is blank</extracomment>
        <translation>Columna %L1</translation>
    </message>
    <message>
        <source>Record %L1 has more values than there are columns; the extra values are left out.</source>
        <translation>El registro %L1 tiene más valores que columnas; los valores sobrantes se omiten.</translation>
    </message>
    <message>
        <source>Record %L1 is too long: its text was cut at %L2 KB a value and %L3 KB a record, %L4 values.</source>
        <translation>El registro %L1 es demasiado largo: su texto se cortó a %L2 KB por valor y %L3 KB por registro, %L4 valores.</translation>
    </message>
</context>
<context>
    <name>qm::DataSource</name>
    <message>
        <source>The file could not be read to the end.</source>
        <translation>No se pudo leer el archivo hasta el final.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file holds binary data, not a list of names and addresses (CSV text or vCards).</source>
        <translation>El archivo contiene datos binarios, no una lista de nombres y direcciones (texto CSV o vCards).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened.</source>
        <translation>No se pudo abrir el archivo «%1».</translation>
    </message>
</context>
<context>
    <name>qm::DialogBar</name>
    <message>
        <source>Closes the dialog and keeps what you chose.</source>
        <translation>Cierra el diálogo y conserva lo que eligió.</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing.</source>
        <translation>Cierra el diálogo sin cambiar nada.</translation>
    </message>
    <message>
        <source>Opens the help page of this dialog.</source>
        <translation>Abre la página de ayuda de este diálogo.</translation>
    </message>
    <message>
        <source>Closes this window.</source>
        <translation>Cierra esta ventana.</translation>
    </message>
    <message>
        <source>Click this, then any part of the dialog, to learn what it does.</source>
        <translation>Haga clic aquí y luego en cualquier parte del diálogo para saber qué hace.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>A button of the background art dialog: no background art.</extracomment>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Takes the background art away: the card shows no picture behind its objects.</source>
        <translation>Quita la imagen de fondo: la tarjeta no muestra ninguna imagen detrás de sus objetos.</translation>
    </message>
</context>
<context>
    <name>qm::DuplexPlacement</name>
    <message>
        <source>The fronts are printed. Take the sheet out of the printer, turn it over along the long edge without changing the order, and put it back into the paper tray the way it came out; then go on to print the backs.</source>
        <translation>Los anversos están impresos. Saque la hoja de la impresora, dele la vuelta por el borde largo sin cambiar el orden y vuelva a ponerla en la bandeja de papel tal como salió; luego continúe para imprimir los reversos.</translation>
    </message>
    <message numerus="yes">
        <source>The fronts are printed. Take the stack of %Ln sheets out of the printer, turn the stack over along the long edge without changing the order, and put the stack back into the paper tray the way it came out; then go on to print the backs.</source>
        <translation>
            <numerusform>Los anversos están impresos. Saque de la impresora la pila de %Ln hoja, dele la vuelta por el borde largo sin cambiar el orden y vuelva a ponerla en la bandeja de papel tal como salió; luego continúe para imprimir los reversos.</numerusform>
            <numerusform>Los anversos están impresos. Saque de la impresora la pila de %Ln hojas, dele la vuelta por el borde largo sin cambiar el orden y vuelva a ponerla en la bandeja de papel tal como salió; luego continúe para imprimir los reversos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qm::Export</name>
    <message>
        <source>The QR code is too small to scan in a picture of %1 pixels per inch: a square of the code would be %2 pixels wide, and a scanner needs %3 whole pixels. Make the QR code larger on the card.</source>
        <translation>El código QR es demasiado pequeño para escanearse en una imagen de %1 píxeles por pulgada: un cuadrado del código tendría %2 píxeles de ancho y un escáner necesita %3 píxeles enteros. Haga más grande el código QR en la tarjeta.</translation>
    </message>
    <message>
        <source>The QR code is too small to scan in a picture of %1 pixels per inch: a square of the code would be %2 pixels wide, and a scanner needs %3 whole pixels.</source>
        <translation>El código QR es demasiado pequeño para escanearse en una imagen de %1 píxeles por pulgada: un cuadrado del código tendría %2 píxeles de ancho y un escáner necesita %3 píxeles enteros.</translation>
    </message>
    <message>
        <source>%1: the card has no size</source>
        <translation>%1: la tarjeta no tiene tamaño</translation>
    </message>
    <message>
        <source>%1: cannot write a %2 picture (%3)</source>
        <extracomment>%2 is BMP, JPG or PNG; %3 the reason</extracomment>
        <translation>%1: no se puede escribir una imagen %2 (%3)</translation>
    </message>
    <message>
        <source>%1: %2 --scale %3 writes a picture in which it scans.</source>
        <extracomment>%1 is the picture file, %2 why its QR code does not scan; --scale is the command line&apos;s option</extracomment>
        <translation>%1: %2 --scale %3 escribe una imagen en la que se puede escanear.</translation>
    </message>
</context>
<context>
    <name>qm::FieldMapping</name>
    <message>
        <source>%1, if blank %2</source>
        <extracomment>How a personal field is fed: %1 the columns used, %2 the columns used when those are blank (&quot;Display Name, if blank First Name + Last Name&quot;)</extracomment>
        <translation>%1; si está vacío, %2</translation>
    </message>
</context>
<context>
    <name>qm::FileFormat</name>
    <message>
        <source>The file %1 is empty.</source>
        <translation>El archivo %1 está vacío.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>El archivo %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be read.</source>
        <translation>%1 no es un archivo que se pueda leer.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>No se puede abrir el archivo %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 is too large.</source>
        <translation>El archivo %1 es demasiado grande.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo %1: %2.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
</context>
<context>
    <name>qm::Files</name>
    <message>
        <source>a folder</source>
        <extracomment>What is at a path instead of a file, as in &quot;NAME is a folder, not a card file&quot;</extracomment>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <extracomment>What is at a path instead of a file, as in &quot;NAME is a named pipe, not a card file&quot;</extracomment>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a device</source>
        <extracomment>What is at a path instead of a file, as in &quot;NAME is a device, not a card file&quot;</extracomment>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <extracomment>What is at a path instead of a file, as in &quot;NAME is a socket, not a card file&quot;</extracomment>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <extracomment>What is at a path instead of a file, as in &quot;NAME is not a plain file, not a card file&quot;</extracomment>
        <translation>algo que no es un archivo normal</translation>
    </message>
    <message>
        <source>%1: no such card file</source>
        <translation>%1: no existe ese archivo de tarjeta</translation>
    </message>
    <message>
        <source>%1 is %2, not a card file</source>
        <translation>%1 es %2, no un archivo de tarjeta</translation>
    </message>
    <message>
        <source>%1: no such settings file</source>
        <translation>%1: no existe ese archivo de configuración</translation>
    </message>
    <message>
        <source>%1 is %2, not a settings file</source>
        <translation>%1 es %2, no un archivo de configuración</translation>
    </message>
    <message>
        <source>%1: no such layout file</source>
        <translation>%1: no existe ese archivo de disposición</translation>
    </message>
    <message>
        <source>%1 is %2, not a layout file</source>
        <translation>%1 es %2, no un archivo de disposición</translation>
    </message>
    <message>
        <source>%1: no such paper sizes file</source>
        <translation>%1: no existe ese archivo de tamaños de papel</translation>
    </message>
    <message>
        <source>%1 is %2, not a paper sizes file</source>
        <translation>%1 es %2, no un archivo de tamaños de papel</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: no existe ese archivo</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file</source>
        <translation>%1 es %2, no un archivo normal</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>No se puede abrir %1: %2</translation>
    </message>
</context>
<context>
    <name>qm::FineTuneNudges</name>
    <message>
        <source>None</source>
        <comment>no nudge</comment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Increase by %1/32&quot;</source>
        <extracomment>%1 is a count of 32nds of an inch; the last character is the inch mark</extracomment>
        <translation>Aumentar %1/32 pulg.</translation>
    </message>
    <message>
        <source>Decrease by %1/32&quot;</source>
        <extracomment>%1 is a count of 32nds of an inch; the last character is the inch mark</extracomment>
        <translation>Reducir %1/32 pulg.</translation>
    </message>
    <message>
        <source>Top Margin nudge</source>
        <translation>Ajuste del margen superior</translation>
    </message>
    <message>
        <source>Vertical Spacing</source>
        <translation>Espaciado vertical</translation>
    </message>
    <message>
        <source>Left Margin nudge</source>
        <translation>Ajuste del margen izquierdo</translation>
    </message>
    <message>
        <source>Horizontal Spacing</source>
        <translation>Espaciado horizontal</translation>
    </message>
    <message>
        <source>Increase or decrease to adjust where vertical printing starts.</source>
        <translation>Aumente o reduzca el valor para ajustar dónde empieza la impresión en vertical.</translation>
    </message>
    <message>
        <source>Increase or decrease to adjust vertical spacing between cards. (You may need to adjust this if printing &quot;creeps&quot; between the top and bottom cards.)</source>
        <translation>Aumente o reduzca el valor para ajustar el espaciado vertical entre tarjetas. (Puede que tenga que ajustarlo si la impresión se «desplaza» entre las tarjetas de arriba y las de abajo).</translation>
    </message>
    <message>
        <source>Increase or decrease to adjust where horizontal printing starts.</source>
        <translation>Aumente o reduzca el valor para ajustar dónde empieza la impresión en horizontal.</translation>
    </message>
    <message>
        <source>Increase or decrease to adjust horizontal spacing between cards.</source>
        <translation>Aumente o reduzca el valor para ajustar el espaciado horizontal entre tarjetas.</translation>
    </message>
    <message>
        <source>Business Cards need to print to within 0.5 inches of the bottom, but the current printer has a bottom margin setting of : %1 inches</source>
        <extracomment>%1 is the printer&apos;s bottom margin in inches (&quot;0.625&quot;)</extracomment>
        <translation>Las tarjetas de visita deben imprimirse hasta 0,5 pulgadas del borde inferior, pero la impresora actual tiene un margen inferior de: %1 pulgadas</translation>
    </message>
    <message>
        <source>This could result in the bottom of the last two business cards being cut off by approximately: %1 inches</source>
        <extracomment>%1 is a length in inches (&quot;0.125&quot;)</extracomment>
        <translation>Esto podría hacer que la parte inferior de las dos últimas tarjetas de visita quede cortada en aproximadamente: %1 pulgadas</translation>
    </message>
    <message>
        <source>If your printer driver supports it, you could change the bottom margin to 0.5 inches. Otherwise, you should design your cards so that the bottom portion of the cards is not used.</source>
        <translation>Si el controlador de su impresora lo permite, puede cambiar el margen inferior a 0,5 pulgadas. Si no, diseñe sus tarjetas de modo que no se use su parte inferior.</translation>
    </message>
    <message>
        <source>(Note: some printers, including some of the HP Deskjet series, cannot print beyond a 0.66 inch bottom margin)</source>
        <translation>(Nota: algunas impresoras, entre ellas algunas de la serie HP Deskjet, no pueden imprimir más allá de un margen inferior de 0,66 pulgadas)</translation>
    </message>
</context>
<context>
    <name>qm::GlabelsFormat</name>
    <message>
        <source>an element &lt;%1&gt; gLabels does not write</source>
        <extracomment>one of the things an import leaves out; %1 is the name of an XML element</extracomment>
        <translation>un elemento &lt;%1&gt; que gLabels no escribe</translation>
    </message>
    <message>
        <source>the embedded picture %1, which cannot be read</source>
        <extracomment>one of the things an import leaves out</extracomment>
        <translation>la imagen incrustada %1, que no se puede leer</translation>
    </message>
    <message>
        <source>The file %1 is not a gLabels document: %2</source>
        <extracomment>%2 says what is wrong, such as &quot;it holds no gLabels design.&quot;</extracomment>
        <translation>El archivo %1 no es un documento de gLabels: %2</translation>
    </message>
    <message>
        <source>its compressed data is damaged or far too large.</source>
        <translation>sus datos comprimidos están dañados o son demasiado grandes.</translation>
    </message>
    <message>
        <source>it holds no gLabels design.</source>
        <translation>no contiene ningún diseño de gLabels.</translation>
    </message>
    <message>
        <source>its XML breaks off at line %1 (%2).</source>
        <translation>su XML se interrumpe en la línea %1 (%2).</translation>
    </message>
    <message>
        <source>gLabels document</source>
        <translation>Documento de gLabels</translation>
    </message>
</context>
<context>
    <name>qm::GlabelsImport</name>
    <message>
        <source>its colour comes from a merge field in gLabels; it keeps the colour it has</source>
        <translation>su color procede de un campo de combinación en gLabels; conserva el color que tiene</translation>
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
        <translation>rectángulo</translation>
    </message>
    <message>
        <source>ellipse</source>
        <translation>elipse</translation>
    </message>
    <message>
        <source>line</source>
        <translation>línea</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>image</source>
        <translation>imagen</translation>
    </message>
    <message>
        <source>barcode</source>
        <translation>código de barras</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; at %3, %4 pt</source>
        <extracomment>An object of an imported design: its kind (&quot;text&quot;), its first words and where it stands, in points.</extracomment>
        <translation>%1 «%2» en %3 pt, %4 pt</translation>
    </message>
    <message>
        <source>%1 at %2, %3 pt</source>
        <extracomment>An object of an imported design: its kind (&quot;box&quot;) and where it stands, in points.</extracomment>
        <translation>%1 en %2 pt, %3 pt</translation>
    </message>
    <message>
        <source>turned, stretched or slanted in gLabels; placed upright</source>
        <translation>tiene giro, estiramiento o inclinación en gLabels; se coloca sin girar ni deformar</translation>
    </message>
    <message>
        <source>its see-through shadow is mixed with white</source>
        <translation>su sombra semitransparente se mezcla con blanco</translation>
    </message>
    <message>
        <source>see-through colours are mixed with white</source>
        <translation>los colores semitransparentes se mezclan con blanco</translation>
    </message>
    <message>
        <source>it has neither fill nor outline</source>
        <translation>no tiene relleno ni contorno</translation>
    </message>
    <message>
        <source>its %1 pt outline is %2 pt wide</source>
        <translation>su contorno de %1 pt queda con %2 pt de grosor</translation>
    </message>
    <message>
        <source>it is invisible (no colour or no width)</source>
        <translation>es invisible (sin color o sin grosor)</translation>
    </message>
    <message>
        <source>its see-through colour is mixed with white</source>
        <translation>su color semitransparente se mezcla con blanco</translation>
    </message>
    <message>
        <source>its %1 pt text is %2 pt</source>
        <translation>su texto de %1 pt queda en %2 pt</translation>
    </message>
    <message>
        <source>its see-through text colour is mixed with white</source>
        <translation>el color semitransparente de su texto se mezcla con blanco</translation>
    </message>
    <message>
        <source>it holds no text</source>
        <translation>no contiene texto</translation>
    </message>
    <message>
        <source>its turned lines are set upright</source>
        <translation>sus líneas giradas se enderezan</translation>
    </message>
    <message>
        <source>its line spacing of %1 is single</source>
        <translation>su interlineado de %1 pasa a sencillo</translation>
    </message>
    <message>
        <source>its shadow is left out (multi-line text has none)</source>
        <translation>se omite su sombra (el texto multilínea no tiene)</translation>
    </message>
    <message>
        <source>it does not shrink to fit</source>
        <translation>no se reduce para ajustarse</translation>
    </message>
    <message>
        <source>its shadow above the text is left out</source>
        <translation>se omite su sombra por encima del texto</translation>
    </message>
    <message>
        <source>its shadow falls %1 pt both ways</source>
        <translation>su sombra cae %1 pt en ambas direcciones</translation>
    </message>
    <message>
        <source>its turned text is set upright</source>
        <translation>su texto girado se endereza</translation>
    </message>
    <message>
        <source>its shadow is left out (rich text has none)</source>
        <translation>se omite su sombra (el texto enriquecido no tiene)</translation>
    </message>
    <message>
        <source>its picture comes from the merge field %1, which cards do not take</source>
        <translation>su imagen procede del campo de combinación %1, que las tarjetas no admiten</translation>
    </message>
    <message>
        <source>its picture %1 is neither in the document nor beside it</source>
        <translation>su imagen %1 no está ni en el documento ni junto a él</translation>
    </message>
    <message>
        <source>its picture cannot be read (%1)</source>
        <translation>su imagen no se puede leer (%1)</translation>
    </message>
    <message>
        <source>its turned picture is set upright</source>
        <translation>su imagen girada se endereza</translation>
    </message>
    <message>
        <source>its shadow is left out (pictures have none)</source>
        <translation>se omite su sombra (las imágenes no tienen)</translation>
    </message>
    <message>
        <source>a %1 barcode, a kind cards have no object for</source>
        <translation>un código de barras %1, un tipo para el que las tarjetas no tienen objeto</translation>
    </message>
    <message>
        <source>its QR code carries nothing</source>
        <translation>su código QR no contiene nada</translation>
    </message>
    <message>
        <source>its turned symbol is drawn upright (it reads the same)</source>
        <translation>su símbolo girado se dibuja sin girar (se lee igual)</translation>
    </message>
    <message>
        <source>the merge data %1</source>
        <translation>los datos de combinación %1</translation>
    </message>
    <message>
        <source>the stock: its labels are not rectangular; the card keeps its size</source>
        <translation>la hoja: sus etiquetas no son rectangulares; la tarjeta conserva su tamaño</translation>
    </message>
    <message>
        <source>the stock: the document describes none we can read</source>
        <translation>la hoja: el documento no describe ninguna que se pueda leer</translation>
    </message>
    <message>
        <source>the stock: the document describes none we can read (%1)</source>
        <translation>la hoja: el documento no describe ninguna que se pueda leer (%1)</translation>
    </message>
    <message>
        <source>the stock %1: as the design has it, which differs from our own layout of that name</source>
        <translation>la hoja %1: tal como la tiene el diseño, que difiere de nuestra disposición del mismo nombre</translation>
    </message>
    <message>
        <source>the stock %1</source>
        <translation>la hoja %1</translation>
    </message>
    <message>
        <source>the stock %1: its card size only (%2)</source>
        <translation>la hoja %1: solo su tamaño de tarjeta (%2)</translation>
    </message>
    <message>
        <source>the stock&apos;s %1 pt round corners: card outlines are drawn square</source>
        <translation>las esquinas redondeadas de %1 pt de la hoja: los contornos de las tarjetas se dibujan con esquinas rectas</translation>
    </message>
    <message>
        <source>Came over exactly:</source>
        <translation>Se importó con exactitud:</translation>
    </message>
    <message>
        <source>Came over approximately:</source>
        <translation>Se importó de forma aproximada:</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Se omitió:</translation>
    </message>
</context>
<context>
    <name>qm::ImageChoice</name>
    <message>
        <source>Error loading file!</source>
        <translation>¡Error al cargar el archivo!</translation>
    </message>
</context>
<context>
    <name>qm::LabelDialogs</name>
    <message>
        <source>&amp;Shrink to fit the box</source>
        <translation>&amp;Reducir para que quepa en el cuadro</translation>
    </message>
    <message>
        <source>Keeps the label&apos;s width: a text too long for it (a long name in a merge, say) is drawn smaller so that it fits, never larger than the font&apos;s size.</source>
        <translation>Mantiene el ancho del texto: un texto demasiado largo para él (por ejemplo, un nombre largo en una combinación) se dibuja más pequeño para que quepa, nunca más grande que el tamaño del tipo de letra.</translation>
    </message>
</context>
<context>
    <name>qm::MergeFields</name>
    <message>
        <source>Your Own Name</source>
        <translation>Su propio nombre</translation>
    </message>
    <message>
        <source>Your Business Name</source>
        <translation>Nombre de su empresa</translation>
    </message>
    <message>
        <source>Title or Qualifications</source>
        <translation>Cargo o titulación</translation>
    </message>
    <message>
        <source>Address Line One</source>
        <translation>Línea de dirección 1</translation>
    </message>
    <message>
        <source>Address Line Two</source>
        <translation>Línea de dirección 2</translation>
    </message>
    <message>
        <source>Address Line Three</source>
        <translation>Línea de dirección 3</translation>
    </message>
    <message>
        <source>Phone One</source>
        <translation>Teléfono 1</translation>
    </message>
    <message>
        <source>Phone Two</source>
        <translation>Teléfono 2</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Dirección de correo electrónico</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Número de fax</translation>
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
        <translation>Objeto</translation>
    </message>
    <message>
        <source>Rounded Rectangle</source>
        <translation>Rectángulo redondeado</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Elipse</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Clip Art</source>
        <translation>Imagen prediseñada</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Multi-Line Text</source>
        <translation>Texto multilínea</translation>
    </message>
    <message>
        <source>SuperShape</source>
        <translation>SuperShape</translation>
    </message>
    <message>
        <source>Rich Text</source>
        <translation>Texto enriquecido</translation>
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
        <translation>Código QR</translation>
    </message>
    <message>
        <source>Text tool</source>
        <translation>Herramienta de texto</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Texto</translation>
    </message>
    <message>
        <source>Text</source>
        <comment>new object&apos;s text</comment>
        <extracomment>The text a new text object shows until the user types their own.</extracomment>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Multi-line text tool</source>
        <translation>Herramienta de texto multilínea</translation>
    </message>
    <message>
        <source>&amp;Multi-Line Text</source>
        <translation>Texto &amp;multilínea</translation>
    </message>
    <message>
        <source>Symbol tool</source>
        <translation>Herramienta de símbolo</translation>
    </message>
    <message>
        <source>S&amp;ymbol</source>
        <translation>Sím&amp;bolo</translation>
    </message>
    <message>
        <source>Rectangle tool</source>
        <translation>Herramienta de rectángulo</translation>
    </message>
    <message>
        <source>&amp;Rectangle</source>
        <translation>&amp;Rectángulo</translation>
    </message>
    <message>
        <source>Ellipse tool</source>
        <translation>Herramienta de elipse</translation>
    </message>
    <message>
        <source>&amp;Ellipse</source>
        <translation>&amp;Elipse</translation>
    </message>
    <message>
        <source>Round Rectangle tool</source>
        <translation>Herramienta de rectángulo redondeado</translation>
    </message>
    <message>
        <source>R&amp;ounded Rectangle</source>
        <translation>Rectángulo re&amp;dondeado</translation>
    </message>
    <message>
        <source>Line Tool</source>
        <translation>Herramienta de línea</translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Línea</translation>
    </message>
    <message>
        <source>Clip Art Tool</source>
        <translation>Herramienta de imagen prediseñada</translation>
    </message>
    <message>
        <source>&amp;Clip Art</source>
        <translation>&amp;Imagen prediseñada</translation>
    </message>
    <message>
        <source>Supershape tool 
Multi-purpose shapes and surfaces</source>
        <translation>Herramienta SuperShape 
Formas y superficies para todo uso</translation>
    </message>
    <message>
        <source>Su&amp;perShape</source>
        <translation>Su&amp;perShape</translation>
    </message>
    <message>
        <source>Rich Text tool 
Mixed fonts, colors and styles</source>
        <translation>Herramienta de texto enriquecido 
Tipos de letra, colores y estilos combinados</translation>
    </message>
    <message>
        <source>Ric&amp;h Text</source>
        <translation>Texto e&amp;nriquecido</translation>
    </message>
    <message>
        <source>SuperText tool 
Special Effects Text - fill with gradients or bitmaps</source>
        <translation>Herramienta SuperText 
Texto con efectos especiales: relleno de degradados o mapas de bits</translation>
    </message>
    <message>
        <source>&amp;SuperText</source>
        <translation>&amp;SuperText</translation>
    </message>
    <message>
        <source>CircleText Tool 
Circular or semi-circular text using any font</source>
        <translation>Herramienta CircleText 
Texto circular o semicircular con cualquier tipo de letra</translation>
    </message>
    <message>
        <source>C&amp;ircleText</source>
        <translation>&amp;CircleText</translation>
    </message>
    <message>
        <source>QR Code tool 
Your personal information, a web address or any text</source>
        <translation>Herramienta de código QR 
Su información personal, una dirección web o cualquier texto</translation>
    </message>
    <message>
        <source>&amp;QR Code</source>
        <translation>Código &amp;QR</translation>
    </message>
    <message>
        <source>&lt;blank&gt;</source>
        <extracomment>What a multi-line text with no text in it shows.</extracomment>
        <translation>&lt;vacío&gt;</translation>
    </message>
</context>
<context>
    <name>qm::ObjectMenu</name>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Draw %1</source>
        <extracomment>The change of placing a new object on the card; %1 is its kind (&quot;Rectangle&quot;, &quot;Text&quot;).</extracomment>
        <translation>Dibujar %1</translation>
    </message>
    <message>
        <source>Bring To Front</source>
        <translation>Traer al frente</translation>
    </message>
    <message>
        <source>Send To Back</source>
        <translation>Enviar al fondo</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Alinear a la izquierda</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Alinear a la derecha</translation>
    </message>
    <message>
        <source>Align Tops</source>
        <translation>Alinear arriba</translation>
    </message>
    <message>
        <source>Align Bottoms</source>
        <translation>Alinear abajo</translation>
    </message>
    <message>
        <source>Center Vertically</source>
        <translation>Centrar verticalmente</translation>
    </message>
    <message>
        <source>Center Horizontally</source>
        <translation>Centrar horizontalmente</translation>
    </message>
    <message>
        <source>Lock All</source>
        <translation>Bloquear todo</translation>
    </message>
    <message>
        <source>Unlock All</source>
        <translation>Desbloquear todo</translation>
    </message>
    <message>
        <source>Mark All Selectable</source>
        <translation>Marcar todo como seleccionable</translation>
    </message>
    <message>
        <source>Mark All Unselectable</source>
        <translation>Marcar todo como no seleccionable</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>Align Lefts</source>
        <translation>Alinear a la izquierda</translation>
    </message>
    <message>
        <source>Align Rights</source>
        <translation>Alinear a la derecha</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Cambiar tamaño</translation>
    </message>
    <message>
        <source>Make All Selectable</source>
        <translation>Marcar todo como seleccionable</translation>
    </message>
    <message>
        <source>Make All Unselectable</source>
        <translation>Marcar todo como no seleccionable</translation>
    </message>
    <message>
        <source>Remove Objects Outside the Card</source>
        <translation>Quitar los objetos fuera de la tarjeta</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Clone</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Unselectable</source>
        <translation>No seleccionable</translation>
    </message>
    <message>
        <source>Line Thickness</source>
        <translation>Grosor de línea</translation>
    </message>
    <message numerus="yes">
        <source>%n Point</source>
        <extracomment>A line width in the thickness menu (&quot;3 Point&quot;).</extracomment>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Color de línea</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <source>Degree of Rounding</source>
        <translation>Grado de redondeo</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A degree of rounding, in percent (&quot;30 %&quot;).</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Angled Sloping Up</source>
        <translation>Inclinada hacia arriba</translation>
    </message>
    <message>
        <source>Angled Sloping Down</source>
        <translation>Inclinada hacia abajo</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Stretch To Edges</source>
        <translation>Extender hasta los bordes</translation>
    </message>
    <message>
        <source>Load Image From Disk</source>
        <translation>Cargar imagen del disco</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Borde</translation>
    </message>
    <message>
        <source>Stretch to Fit</source>
        <translation>Estirar</translation>
    </message>
    <message>
        <source>AutoSize</source>
        <translation>Tamaño automático</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Voltear verticalmente</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Voltear horizontalmente</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>3D Effects</source>
        <translation>Efectos 3D</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alineación</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Color de letra</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Ajuste de línea</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Información personal</translation>
    </message>
    <message>
        <source>Insert as merge field</source>
        <translation>Insertar como campo de combinación</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>A personal-information field: the person&apos;s job title or qualifications.</extracomment>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Address 1</source>
        <translation>Dirección 1</translation>
    </message>
    <message>
        <source>Address 2</source>
        <translation>Dirección 2</translation>
    </message>
    <message>
        <source>Address 3</source>
        <translation>Dirección 3</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Teléfono 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Teléfono 2</translation>
    </message>
    <message>
        <source>EMail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Symbol Selector</source>
        <translation>Selector de símbolos</translation>
    </message>
    <message>
        <source>No Rotation</source>
        <translation>Sin rotación</translation>
    </message>
    <message>
        <source>90 Degrees</source>
        <translation>90 grados</translation>
    </message>
    <message>
        <source>180 Degrees</source>
        <translation>180 grados</translation>
    </message>
    <message>
        <source>270 Degrees</source>
        <translation>270 grados</translation>
    </message>
    <message>
        <source>Shrink to Fit</source>
        <translation>Reducir para ajustar</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotación</translation>
    </message>
</context>
<context>
    <name>qm::OwnStock</name>
    <message>
        <source>Give the stock a name.</source>
        <translation>Dé un nombre a la hoja.</translation>
    </message>
    <message>
        <source>A stock name has at most 60 characters.</source>
        <translation>El nombre de una hoja tiene como máximo 60 caracteres.</translation>
    </message>
    <message>
        <source>A stock name cannot hold &quot;]&quot; or line breaks.</source>
        <translation>El nombre de una hoja no puede contener «]» ni saltos de línea.</translation>
    </message>
</context>
<context>
    <name>qm::PagedReport</name>
    <message>
        <source>the document could not be started</source>
        <translation>no se pudo iniciar el documento</translation>
    </message>
    <message>
        <source>the document could not be finished</source>
        <translation>no se pudo terminar el documento</translation>
    </message>
    <message>
        <source>a drawing of the job could not be written to a temporary file: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>no se pudo escribir un dibujo del trabajo en un archivo temporal: %1</translation>
    </message>
    <message>
        <source>the page could not be started</source>
        <translation>no se pudo iniciar la página</translation>
    </message>
</context>
<context>
    <name>qm::PdfJobWriter</name>
    <message>
        <source>a drawing of the job could not be read back: %1</source>
        <translation>no se pudo volver a leer un dibujo del trabajo: %1</translation>
    </message>
    <message>
        <source>a drawing of the job has no page</source>
        <translation>un dibujo del trabajo no tiene ninguna página</translation>
    </message>
    <message>
        <source>a font of the job could not be taken over: %1</source>
        <translation>no se pudo incorporar un tipo de letra del trabajo: %1</translation>
    </message>
</context>
<context>
    <name>qm::Pictures</name>
    <message>
        <source>This is not an enhanced metafile.</source>
        <translation>Esto no es un metarchivo mejorado.</translation>
    </message>
    <message>
        <source>The metafile&apos;s header is damaged.</source>
        <translation>La cabecera del metarchivo está dañada.</translation>
    </message>
    <message>
        <source>The metafile has no size.</source>
        <translation>El metarchivo no tiene tamaño.</translation>
    </message>
    <message>
        <source>This is not a PCX picture.</source>
        <translation>Esto no es una imagen PCX.</translation>
    </message>
    <message>
        <source>The PCX picture has no size.</source>
        <translation>La imagen PCX no tiene tamaño.</translation>
    </message>
    <message>
        <source>The PCX picture is too large.</source>
        <translation>La imagen PCX es demasiado grande.</translation>
    </message>
    <message>
        <source>This kind of PCX picture is not supported.</source>
        <translation>Este tipo de imagen PCX no es compatible.</translation>
    </message>
    <message>
        <source>The PCX picture&apos;s header is damaged.</source>
        <translation>La cabecera de la imagen PCX está dañada.</translation>
    </message>
    <message>
        <source>The PCX picture is cut short.</source>
        <translation>La imagen PCX está incompleta.</translation>
    </message>
    <message>
        <source>The file %1 holds no %2.</source>
        <extracomment>%1 is a file name, %2 a picture format (&quot;PNG picture&quot;, &quot;Windows metafile&quot;).</extracomment>
        <translation>El archivo %1 no contiene datos de %2.</translation>
    </message>
    <message>
        <source>The picture %1 is cut short.</source>
        <translation>La imagen %1 está incompleta.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: %2</source>
        <translation>La imagen %1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>Windows bitmap</source>
        <translation>mapa de bits de Windows</translation>
    </message>
    <message>
        <source>JPEG picture</source>
        <translation>imagen JPEG</translation>
    </message>
    <message>
        <source>GIF picture</source>
        <translation>imagen GIF</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>imagen PNG</translation>
    </message>
    <message>
        <source>PCX picture</source>
        <translation>imagen PCX</translation>
    </message>
    <message>
        <source>Windows icon</source>
        <translation>icono de Windows</translation>
    </message>
    <message>
        <source>Targa picture</source>
        <translation>imagen Targa</translation>
    </message>
    <message>
        <source>Windows metafile</source>
        <translation>metarchivo de Windows</translation>
    </message>
    <message>
        <source>enhanced metafile</source>
        <translation>metarchivo mejorado</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>dibujo SVG</translation>
    </message>
    <message>
        <source>The picture is too large (%1 x %2 pixels).</source>
        <translation>La imagen es demasiado grande (%1 x %2 píxeles).</translation>
    </message>
    <message>
        <source>The file is not a picture this program can read.</source>
        <translation>El archivo no es una imagen que este programa pueda leer.</translation>
    </message>
    <message>
        <source>The picture cannot be read: it is damaged or cut short.</source>
        <translation>No se puede leer la imagen: está dañada o incompleta.</translation>
    </message>
    <message>
        <source>The picture is too large.</source>
        <translation>La imagen es demasiado grande.</translation>
    </message>
    <message>
        <source>The picture file is empty.</source>
        <translation>El archivo de imagen está vacío.</translation>
    </message>
    <message>
        <source>The picture file is too large.</source>
        <translation>El archivo de imagen es demasiado grande.</translation>
    </message>
    <message>
        <source>The SVG picture cannot be read.</source>
        <translation>No se puede leer la imagen SVG.</translation>
    </message>
    <message>
        <source>The bitmap cannot be read: it is damaged, cut short or too large.</source>
        <translation>No se puede leer el mapa de bits: está dañado, incompleto o es demasiado grande.</translation>
    </message>
    <message>
        <source>The bitmap is cut short.</source>
        <translation>El mapa de bits está incompleto.</translation>
    </message>
    <message>
        <source>The picture file %1 does not exist.</source>
        <translation>El archivo de imagen %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 no es un archivo de imagen.</translation>
    </message>
    <message>
        <source>The picture file %1 is too large.</source>
        <translation>El archivo de imagen %1 es demasiado grande.</translation>
    </message>
    <message>
        <source>The picture file %1 cannot be opened: %2.</source>
        <translation>No se puede abrir el archivo de imagen %1: %2.</translation>
    </message>
    <message>
        <source>There is no picture.</source>
        <translation>No hay ninguna imagen.</translation>
    </message>
    <message>
        <source>This is not a Windows metafile.</source>
        <translation>Esto no es un metarchivo de Windows.</translation>
    </message>
</context>
<context>
    <name>qm::PositionDock</name>
    <message>
        <source>Position and Size</source>
        <translation>Posición y tamaño</translation>
    </message>
    <message>
        <source>&amp;Position and Size</source>
        <translation>&amp;Posición y tamaño</translation>
    </message>
    <message>
        <source>Shows or hides the panel of the selected object&apos;s position and size, typed exactly in inches or millimetres (Alt+X, Alt+Y, Alt+W and Alt+G go to its boxes).</source>
        <translation>Muestra u oculta el panel con la posición y el tamaño del objeto seleccionado, escritos con exactitud en pulgadas o milímetros (Alt+X, Alt+Y, Alt+A y Alt+L llevan a sus casillas).</translation>
    </message>
</context>
<context>
    <name>qm::PrintGuides</name>
    <message>
        <source>Show &amp;Bleed and Safe Area</source>
        <translation>Mostrar &amp;sangrado y zona segura</translation>
    </message>
    <message>
        <source>Shows what a print shop cuts: the red band around the card is the bleed, into which the background goes on in a PDF for a print shop, and the dashed line inside the card marks the safe area; text outside it may be cut off. Nothing on the card is moved.</source>
        <translation>Muestra lo que corta una imprenta: la banda roja alrededor de la tarjeta es el sangrado, por el que se extiende el fondo en un PDF para imprenta, y la línea discontinua dentro de la tarjeta marca la zona segura; el texto fuera de ella puede quedar cortado. No se mueve nada de la tarjeta.</translation>
    </message>
</context>
<context>
    <name>qm::PrintShopExport</name>
    <message>
        <source>On the back: %1</source>
        <extracomment>%1 is what a print shop may object to on the card&apos;s back</extracomment>
        <translation>En el reverso: %1</translation>
    </message>
</context>
<context>
    <name>qm::PrintShopPage</name>
    <message>
        <source>--bleed needs millimetres from 0 to %1 in steps of %2 (such as 3 or 2.5), not &quot;%3&quot;</source>
        <extracomment>The command line&apos;s option --bleed: its name and the numbers in it stay as they are.</extracomment>
        <translation>--bleed necesita milímetros de 0 a %1 en pasos de %2 (como 3 o 2.5), no «%3»</translation>
    </message>
</context>
<context>
    <name>qm::PrintShopPdf</name>
    <message>
        <source>the page&apos;s boxes could not be set: %1</source>
        <extracomment>%1 is the reason, in the PDF library&apos;s words</extracomment>
        <translation>no se pudieron establecer los cuadros de la página: %1</translation>
    </message>
    <message>
        <source>the card could not be drawn</source>
        <translation>no se pudo dibujar la tarjeta</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the PDF file, %2 why it was not written</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The background art has %1 dots per inch as printed; a print shop wants %2.</source>
        <translation>La imagen de fondo tiene %1 puntos por pulgada en la impresión; una imprenta pide %2.</translation>
    </message>
    <message>
        <source>The picture at %1 mm, %2 mm (object %3) has %4 dots per inch as printed; a print shop wants %5.</source>
        <extracomment>%1 and %2 are the picture&apos;s place from the card&apos;s left and top edges, %3 its number in the card&apos;s list of objects</extracomment>
        <translation>La imagen en %1 mm, %2 mm (objeto %3) tiene %4 puntos por pulgada en la impresión; una imprenta pide %5.</translation>
    </message>
    <message>
        <source>The text at %1 mm, %2 mm (object %3) comes closer than %4 mm to the edge and may be cut off.</source>
        <extracomment>%1 and %2 are the text&apos;s place from the card&apos;s left and top edges, %3 its number in the card&apos;s list of objects</extracomment>
        <translation>El texto en %1 mm, %2 mm (objeto %3) se acerca a menos de %4 mm del borde y puede quedar cortado.</translation>
    </message>
    <message>
        <source>The object at %1 mm, %2 mm (object %3) ends at the card&apos;s edge; let it reach %4 mm over the edge so that it fills the bleed.</source>
        <extracomment>%1 and %2 are the object&apos;s place from the card&apos;s left and top edges, %3 its number in the card&apos;s list of objects</extracomment>
        <translation>El objeto en %1 mm, %2 mm (objeto %3) termina en el borde de la tarjeta; hágalo sobresalir %4 mm del borde para que llene el sangrado.</translation>
    </message>
</context>
<context>
    <name>qm::PrinterCalibration</name>
    <message>
        <source>PDF file</source>
        <extracomment>The calibration kept for printing to PDF files, named where a printer&apos;s name would stand</extracomment>
        <translation>Archivo PDF</translation>
    </message>
    <message>
        <source>%1 must be a number of millimetres, such as 1.5 or -0.8.</source>
        <extracomment>%1 names the entry (&quot;Offset across&quot;)</extracomment>
        <translation>%1 debe ser un número de milímetros, como 1,5 o -0,8.</translation>
    </message>
    <message>
        <source>%1 must lie between -%2 and %2 mm.</source>
        <translation>%1 debe estar entre -%2 y %2 mm.</translation>
    </message>
    <message>
        <source>%1 must be a percentage, such as 99.8.</source>
        <translation>%1 debe ser un porcentaje, como 99,8.</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3 %.</source>
        <translation>%1 debe estar entre %2 y %3 %.</translation>
    </message>
    <message>
        <source>The reading for %1 must be larger than the one for %2.</source>
        <extracomment>%1 and %2 name the readings (&quot;B across&quot;, &quot;A across&quot;)</extracomment>
        <translation>La lectura de %1 debe ser mayor que la de %2.</translation>
    </message>
    <message>
        <source>The readings of %1 and %2 ask for more correction than Quillmark can make (at most %3 mm and %4 to %5 %); measure them again.</source>
        <translation>Las lecturas de %1 y %2 piden más corrección de la que Quillmark puede hacer (como máximo %3 mm y de %4 a %5 %); vuelva a medirlas.</translation>
    </message>
</context>
<context>
    <name>qm::PrinterQueue</name>
    <message>
        <source>there is no default printer; name one with --printer NAME</source>
        <extracomment>&quot;--printer NAME&quot; is the command line&apos;s option: keep &quot;--printer&quot; as it is</extracomment>
        <translation>no hay ninguna impresora predeterminada; indique una con --printer NAME</translation>
    </message>
    <message>
        <source>there is no printer &quot;%1&quot; (no printers are set up)</source>
        <translation>no existe la impresora «%1» (no hay impresoras configuradas)</translation>
    </message>
    <message>
        <source>there is no printer &quot;%1&quot; (printers: %2)</source>
        <extracomment>%2 is the list of the printers there are, separated by commas</extracomment>
        <translation>no existe la impresora «%1» (impresoras: %2)</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot; did not take the job: %2</source>
        <extracomment>%2 is the print system&apos;s own reason</extracomment>
        <translation>la impresora «%1» no aceptó el trabajo: %2</translation>
    </message>
</context>
<context>
    <name>qm::PrinterReport</name>
    <message>
        <source>No printer was found on this computer.

Cards can still be printed to PDF files (File, Print), and the preview works.</source>
        <translation>No se encontró ninguna impresora en este equipo.

Las tarjetas se pueden imprimir igualmente en archivos PDF (Archivo, Imprimir) y la vista previa funciona.</translation>
    </message>
    <message>
        <source>No default printer is chosen.

Cards are printed to PDF files until you choose a printer (File, Printer Setup).</source>
        <translation>No se ha elegido ninguna impresora predeterminada.

Las tarjetas se imprimen en archivos PDF hasta que elija una impresora (Archivo, Configurar impresora).</translation>
    </message>
    <message>
        <source>PDF file</source>
        <extracomment>Where the cards go when they are printed to a PDF file not chosen yet</extracomment>
        <translation>Archivo PDF</translation>
    </message>
    <message>
        <source>PDF file %1</source>
        <translation>Archivo PDF %1</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message>
        <source>no PDF file was chosen</source>
        <translation>no se eligió ningún archivo PDF</translation>
    </message>
</context>
<context>
    <name>qm::ProfileFile</name>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>No se pudo leer «%1»: %2</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: the file is too large to be a settings file</source>
        <translation>No se pudo leer «%1»: el archivo es demasiado grande para ser un archivo de configuración</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would be larger than the %2 MB a settings file can hold; nothing was written</source>
        <translation>«%1» ocuparía más de los %2 MB que admite un archivo de configuración; no se escribió nada</translation>
    </message>
</context>
<context>
    <name>qm::QuickTips</name>
    <message>
        <source>Pick a tool at the top, then drag a rectangle on the card to place a new object of that kind.</source>
        <translation>Elija una herramienta arriba y luego arrastre un rectángulo sobre la tarjeta para colocar un objeto nuevo de ese tipo.</translation>
    </message>
    <message>
        <source>Click an object with the RIGHT mouse button for its own commands: font, colours, alignment, order and more.</source>
        <translation>Haga clic en un objeto con el botón DERECHO del ratón para ver sus propios comandos: tipo de letra, colores, alineación, orden y más.</translation>
    </message>
    <message>
        <source>Hold Shift and click to select several objects, or drag a band around them on an empty part of the card.</source>
        <translation>Mantenga pulsada Mayús y haga clic para seleccionar varios objetos, o arrastre un recuadro a su alrededor desde una parte vacía de la tarjeta.</translation>
    </message>
    <message>
        <source>The arrow keys move the selected objects a pixel at a time.</source>
        <translation>Las teclas de flecha mueven los objetos seleccionados de píxel en píxel.</translation>
    </message>
    <message>
        <source>Edit, Personal Information fills your name, address and phone numbers into personal-information text and into templates. Type them once, use them on every card.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Editar, Información personal pone su nombre, dirección y números de teléfono en el texto de información personal y en las plantillas. Escríbalos una vez y úselos en todas las tarjetas.</translation>
    </message>
    <message>
        <source>File, New - Select From Templates starts a card from a ready-made design, already showing your own name.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Archivo, Nueva - Elegir de las plantillas empieza una tarjeta a partir de un diseño ya hecho, que ya muestra su propio nombre.</translation>
    </message>
    <message>
        <source>Set the card size first: Edit, Change Business Card Layout matches the card and its spacing to your card stock. Pick your stock from Predefined Layouts.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Establezca primero el tamaño de la tarjeta: Editar, Cambiar disposición de tarjetas de visita ajusta la tarjeta y su espaciado a su hoja de tarjetas. Elija su hoja en Disposiciones predefinidas.</translation>
    </message>
    <message>
        <source>Before you print on card stock, print File, Print Outline Test Page on plain paper and hold it against a sheet of card stock towards the light.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Antes de imprimir en hojas de tarjetas, imprima Archivo, Imprimir página de prueba de contornos en papel normal y póngala sobre una hoja de tarjetas a contraluz.</translation>
    </message>
    <message>
        <source>Printed cards a little off? File, Printer Fine Tuning moves the whole print in steps of 1/32 inch, for every card you print from now on.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>¿Las tarjetas impresas salen un poco desplazadas? Archivo, Ajuste fino de la impresora mueve toda la impresión en pasos de 1/32 de pulgada, para todas las tarjetas que imprima a partir de ahora.</translation>
    </message>
    <message>
        <source>A sheet with some cards already used can go through the printer again: in Print Cards press None, then click the positions still on the sheet.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Una hoja con algunas tarjetas ya usadas puede volver a pasar por la impresora: en Imprimir tarjetas pulse Ninguna y luego haga clic en las posiciones que quedan en la hoja.</translation>
    </message>
    <message>
        <source>No printer here? Print into a PDF file and print that later at actual size, not &quot;fit to page&quot;.</source>
        <translation>¿No hay impresora? Imprima en un archivo PDF e imprímalo más tarde a tamaño real, no «ajustado a la página».</translation>
    </message>
    <message>
        <source>Ctrl+Z takes back any change, even a deleted object; Ctrl+Y brings it back again.</source>
        <translation>Ctrl+Z deshace cualquier cambio, incluso la eliminación de un objeto; Ctrl+Y lo vuelve a hacer.</translation>
    </message>
    <message>
        <source>File, Save As PNG writes a picture of the card at its real size for e-mail or a web page.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Archivo, Guardar como PNG escribe una imagen de la tarjeta a tamaño real para un correo electrónico o una página web.</translation>
    </message>
    <message>
        <source>Edit, Set or Change Background Art puts a picture behind the whole card; None takes it away.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Editar, Poner o cambiar imagen de fondo pone una imagen detrás de toda la tarjeta; Ninguna la quita.</translation>
    </message>
    <message>
        <source>Clip art from metafiles (WMF, EMF) and SVG files stays sharp on paper at any size.</source>
        <translation>Las imágenes prediseñadas de metarchivos (WMF, EMF) y de archivos SVG se ven nítidas en papel a cualquier tamaño.</translation>
    </message>
    <message>
        <source>Show grid draws dots to line objects up; with Snap to Grid on, objects jump to them as you move them.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Mostrar cuadrícula dibuja puntos para alinear objetos; con Ajustar a la cuadrícula activado, los objetos saltan a ellos al moverlos.</translation>
    </message>
    <message>
        <source>Edit, Change all fonts to... puts one typeface on every text of the card in one step.</source>
        <extracomment>names of menus, commands and buttons as the translated window shows them</extracomment>
        <translation>Editar, Cambiar todos los tipos de letra a... aplica un mismo tipo de letra a todos los textos de la tarjeta de una vez.</translation>
    </message>
    <message>
        <source>Press plus (+) or minus (-) to zoom between 100% and 150%.</source>
        <translation>Pulse más (+) o menos (-) para cambiar el zoom entre 100 % y 150 %.</translation>
    </message>
    <message>
        <source>Not sure what a button does? Press Shift+F1, or the arrow-and-question-mark button, then click it.</source>
        <translation>¿No sabe qué hace un botón? Pulse Mayús+F1, o el botón de la flecha con el signo de interrogación, y luego haga clic en él.</translation>
    </message>
    <message>
        <source>Quick Tips</source>
        <translation>Consejos rápidos</translation>
    </message>
    <message>
        <source>&amp;Previous Tip</source>
        <translation>Consejo &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>Consejo &amp;siguiente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;Show tips at start</source>
        <translation>&amp;Mostrar consejos al iniciar</translation>
    </message>
    <message>
        <source>Shows the tip before this one.</source>
        <translation>Muestra el consejo anterior.</translation>
    </message>
    <message>
        <source>Shows another tip.</source>
        <translation>Muestra otro consejo.</translation>
    </message>
    <message>
        <source>When ticked, a tip greets you each time Quillmark starts.</source>
        <translation>Si está marcada, un consejo le da la bienvenida cada vez que se inicia Quillmark.</translation>
    </message>
    <message>
        <source>Tip %1 of %2</source>
        <translation>Consejo %1 de %2</translation>
    </message>
</context>
<context>
    <name>qm::RtfFormat</name>
    <message>
        <source>The file %1 holds no rich text (RTF).</source>
        <translation>El archivo %1 no contiene texto enriquecido (RTF).</translation>
    </message>
    <message>
        <source>The rich text %1 is cut short.</source>
        <translation>El texto enriquecido %1 está incompleto.</translation>
    </message>
    <message>
        <source>The rich text %1 cannot be read.</source>
        <translation>El texto enriquecido %1 no se puede leer.</translation>
    </message>
    <message>
        <source>Rich text</source>
        <extracomment>A kind of file, in the file dialog&apos;s list of types</extracomment>
        <translation>Texto enriquecido</translation>
    </message>
</context>
<context>
    <name>qm::SelectPreviewTemplate</name>
    <message>
        <source>(Template&apos;s own fonts)</source>
        <translation>(Tipos de letra de la plantilla)</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>Seleccionar plantilla</translation>
    </message>
    <message>
        <source>Sample card</source>
        <translation>Tarjeta de muestra</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Plantillas</translation>
    </message>
    <message>
        <source>The templates of the qmkt folder, each as a card made from it looks. Click one (or move with the arrow keys) to see it in the sample; a double-click, Enter or Ok starts a new card from it.</source>
        <translation>Las plantillas de la carpeta qmkt, cada una tal como se ve una tarjeta hecha con ella. Haga clic en una (o muévase con las teclas de flecha) para verla en la muestra; un doble clic, Intro o Aceptar empieza una tarjeta nueva con ella.</translation>
    </message>
    <message>
        <source>Font for the template&apos;s text</source>
        <translation>Tipo de letra para el texto de la plantilla</translation>
    </message>
    <message>
        <source>The typeface put on the template&apos;s text; &quot;%1&quot; keeps the faces the template was designed with.</source>
        <extracomment>%1 is the first entry of the list, &quot;(Template&apos;s own fonts)&quot;</extracomment>
        <translation>El tipo de letra que se aplica al texto de la plantilla; «%1» conserva los tipos de letra con los que se diseñó la plantilla.</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Seleccionar tipo de letra</translation>
    </message>
    <message>
        <source>How the chosen template looks with the chosen font and your personal information.</source>
        <translation>Cómo se ve la plantilla elegida con el tipo de letra elegido y su información personal.</translation>
    </message>
    <message>
        <source>Sample</source>
        <comment>the sample card</comment>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>No templates in %1</source>
        <translation>No hay plantillas en %1</translation>
    </message>
</context>
<context>
    <name>qm::SheetLayout</name>
    <message>
        <source>Avery Business Card 5371 (Letter Size Paper)</source>
        <translation>Tarjeta de visita Avery 5371 (papel Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 5372 (Letter Size Paper)</source>
        <translation>Tarjeta de visita Avery 5372 (papel Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 5376 - Ivory (Letter Size Paper)</source>
        <translation>Tarjeta de visita Avery 5376 - Marfil (papel Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 5377 - Gray (Letter Size Paper)</source>
        <translation>Tarjeta de visita Avery 5377 - Gris (papel Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 5911 (Letter Size Paper)</source>
        <translation>Tarjeta de visita Avery 5911 (papel Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 8371 Ink Jet (Letter Size Paper)</source>
        <translation>Tarjeta de visita Avery 8371 inyección de tinta (papel Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 8372 Ink Jet (Letter Size Paper)</source>
        <translation>Tarjeta de visita Avery 8372 inyección de tinta (papel Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 8376 Ink Jet - Ivory (Letter Size Paper)</source>
        <translation>Tarjeta de visita Avery 8376 inyección de tinta - Marfil (papel Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 8377 Ink Jet - Gray (Letter Size Paper)</source>
        <translation>Tarjeta de visita Avery 8377 inyección de tinta - Gris (papel Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card L7413 (A4 Size Paper)</source>
        <translation>Tarjeta de visita Avery L7413 (papel A4)</translation>
    </message>
    <message>
        <source>Avery Business Card L7414 (A4 Size Paper)</source>
        <translation>Tarjeta de visita Avery L7414 (papel A4)</translation>
    </message>
    <message>
        <source>Avery Business Card L7415 (A4 Size Paper)</source>
        <translation>Tarjeta de visita Avery L7415 (papel A4)</translation>
    </message>
    <message>
        <source>Avery Business Card L7417 (A4 Size Paper)</source>
        <translation>Tarjeta de visita Avery L7417 (papel A4)</translation>
    </message>
    <message>
        <source>Avery Business Card L7419 (A4)</source>
        <translation>Tarjeta de visita Avery L7419 (A4)</translation>
    </message>
    <message>
        <source>Avery Business Card 8373 - Glossy Photo Quality (Letter Size Paper)</source>
        <translation>Tarjeta de visita Avery 8373 - Brillo calidad fotográfica (papel Letter)</translation>
    </message>
    <message>
        <source>Avery Business Card 3612 (Letter Size Paper)</source>
        <translation>Tarjeta de visita Avery 3612 (papel Letter)</translation>
    </message>
    <message>
        <source>MAACO ML-8550 (Letter Size Paper)</source>
        <translation>MAACO ML-8550 (papel Letter)</translation>
    </message>
    <message>
        <source>APLI 1612 (A4 Size Paper)</source>
        <translation>APLI 1612 (papel A4)</translation>
    </message>
    <message>
        <source>APLI 1620 (A4 Size Paper)</source>
        <translation>APLI 1620 (papel A4)</translation>
    </message>
    <message>
        <source>Formtec LS-3510 (A4 Size Paper)</source>
        <translation>Formtec LS-3510 (papel A4)</translation>
    </message>
    <message>
        <source>Herma 8840 (A4 Size Paper)</source>
        <translation>Herma 8840 (papel A4)</translation>
    </message>
    <message>
        <source>Card Height must be at least .3 inches (or 7mm)</source>
        <translation>El alto de tarjeta debe ser como mínimo 0,3 pulgadas (o 7 mm)</translation>
    </message>
    <message>
        <source>Card Height must be at most 48 inches (or 1219mm)</source>
        <translation>El alto de tarjeta debe ser como máximo 48 pulgadas (o 1219 mm)</translation>
    </message>
    <message>
        <source>Card Width must be at least .5 inch (or 13mm)</source>
        <translation>El ancho de tarjeta debe ser como mínimo 0,5 pulgadas (o 13 mm)</translation>
    </message>
    <message>
        <source>Card Width must be at most 48 inches (or 1219mm)</source>
        <translation>El ancho de tarjeta debe ser como máximo 48 pulgadas (o 1219 mm)</translation>
    </message>
    <message>
        <source>Horizontal Pitch must be at least = Card Width</source>
        <translation>El paso horizontal debe ser como mínimo igual al ancho de tarjeta</translation>
    </message>
    <message>
        <source>Horizontal Pitch must be at most 48 inches (or 1219mm)</source>
        <translation>El paso horizontal debe ser como máximo 48 pulgadas (o 1219 mm)</translation>
    </message>
    <message>
        <source>Vertical Pitch must be at least = Card Height</source>
        <translation>El paso vertical debe ser como mínimo igual al alto de tarjeta</translation>
    </message>
    <message>
        <source>Vertical Pitch must be at most 48 inches (or 1219mm)</source>
        <translation>El paso vertical debe ser como máximo 48 pulgadas (o 1219 mm)</translation>
    </message>
    <message>
        <source>Top Margin must be between 0 and 48 inches (or 1219mm)</source>
        <translation>El margen superior debe estar entre 0 y 48 pulgadas (o 1219 mm)</translation>
    </message>
    <message>
        <source>Left Margin must be between 0 and 48 inches (or 1219mm)</source>
        <translation>El margen izquierdo debe estar entre 0 y 48 pulgadas (o 1219 mm)</translation>
    </message>
    <message>
        <source>Cards Across must be between 1 and %1</source>
        <translation>El n.º en horizontal debe estar entre 1 y %1</translation>
    </message>
    <message>
        <source>Cards Down must be between 1 and %1</source>
        <translation>El n.º en vertical debe estar entre 1 y %1</translation>
    </message>
</context>
<context>
    <name>qm::SheetPicture</name>
    <message>
        <source>Sheet positions</source>
        <translation>Posiciones de la hoja</translation>
    </message>
    <message>
        <source>Arrow keys move between the positions, Space ticks or clears one.</source>
        <translation>Las teclas de flecha se mueven entre las posiciones; Espacio marca o desmarca una.</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>Print &amp;Setup</source>
        <translation>Con&amp;figurar impresión</translation>
    </message>
</context>
<context>
    <name>qm::StockCatalog</name>
    <message>
        <source>Other sizes</source>
        <comment>paper</comment>
        <translation>Otros tamaños</translation>
    </message>
    <message>
        <source>Own stock</source>
        <translation>Hoja propia</translation>
    </message>
</context>
<context>
    <name>qm::StockFileFormat</name>
    <message>
        <source>%1 has no %2.</source>
        <extracomment>%1 is an element of the XML file, %2 one of its attributes</extracomment>
        <translation>%1 no tiene %2.</translation>
    </message>
    <message>
        <source>%1 has a %2 of &quot;%3&quot;, not a length.</source>
        <extracomment>%1 is an element of the XML file, %2 one of its attributes, %3 its value</extracomment>
        <translation>%1 tiene en %2 el valor «%3», que no es una longitud.</translation>
    </message>
    <message>
        <source>Layout has a %1 of &quot;%2&quot;, not a count of labels.</source>
        <extracomment>Layout is an element of the XML file, %1 one of its attributes, %2 its value</extracomment>
        <translation>Layout tiene en %1 el valor «%2», que no es un número de etiquetas.</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <extracomment>a paper&apos;s width and height</extracomment>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>The file %1 holds no gLabels paper sizes.</source>
        <translation>El archivo %1 no contiene tamaños de papel de gLabels.</translation>
    </message>
    <message>
        <source>The file %1 has a paper size that cannot be read (line %2).</source>
        <translation>El archivo %1 tiene un tamaño de papel que no se puede leer (línea %2).</translation>
    </message>
    <message>
        <source>The file %1 is not whole or not XML (line %2: %3).</source>
        <translation>El archivo %1 no está completo o no es XML (línea %2: %3).</translation>
    </message>
    <message>
        <source>The template %1: %2</source>
        <extracomment>%1 is the maker and part of a card stock, %2 what is wrong with it</extracomment>
        <translation>La plantilla %1: %2</translation>
    </message>
    <message>
        <source>it has no part number.</source>
        <translation>no tiene número de referencia.</translation>
    </message>
    <message>
        <source>its paper &quot;%1&quot; is not known.</source>
        <translation>no se conoce su papel «%1».</translation>
    </message>
    <message>
        <source>its labels have no size.</source>
        <translation>sus etiquetas no tienen tamaño.</translation>
    </message>
    <message>
        <source>it places no labels on the sheet.</source>
        <translation>no coloca ninguna etiqueta en la hoja.</translation>
    </message>
    <message>
        <source>%1 is on %2 paper; Quillmark prints on Letter and A4 paper only.</source>
        <translation>%1 es de papel %2; Quillmark solo imprime en papel Letter y A4.</translation>
    </message>
    <message>
        <source>%1 has its cards in %2 groups of different spacing; Quillmark prints one group of evenly spaced cards a sheet.</source>
        <translation>%1 tiene sus tarjetas en %2 grupos con distinto espaciado; Quillmark imprime un solo grupo de tarjetas espaciadas por igual en cada hoja.</translation>
    </message>
    <message>
        <source>%1 has %2 x %3 labels a sheet; a sheet holds at most %4 across and %5 down.</source>
        <translation>%1 tiene %2 x %3 etiquetas por hoja; una hoja admite como máximo %4 en horizontal y %5 en vertical.</translation>
    </message>
    <message>
        <source>%1 has overlapping labels, which Quillmark cannot print.</source>
        <translation>%1 tiene etiquetas superpuestas, que Quillmark no puede imprimir.</translation>
    </message>
    <message>
        <source>The file %1 holds no gLabels card stock.</source>
        <translation>El archivo %1 no contiene hojas de tarjetas de gLabels.</translation>
    </message>
    <message>
        <source>%1 It is left out.</source>
        <extracomment>%1 says what is wrong with a card stock of the file</extracomment>
        <translation>%1 Se omite.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>%1 is a file, %2 a line number, %3 what was passed over and why</extracomment>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>The file %1 holds no sheet that can be read. %2</source>
        <translation>El archivo %1 no contiene ninguna hoja que se pueda leer. %2</translation>
    </message>
    <message>
        <source>The file %1 holds no sheets of rectangular labels or cards.</source>
        <translation>El archivo %1 no contiene hojas de etiquetas o tarjetas rectangulares.</translation>
    </message>
    <message>
        <source>gLabels card stock</source>
        <translation>Hojas de tarjetas de gLabels</translation>
    </message>
</context>
<context>
    <name>qm::StockText</name>
    <message>
        <source>%1 in</source>
        <comment>inches</comment>
        <translation>%1 pulg.</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <comment>millimetres</comment>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1 x %2, corners %3</source>
        <extracomment>a card&apos;s width, height (with its unit) and the radius of its rounded corners</extracomment>
        <translation>%1 x %2, esquinas %3</translation>
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
        <translation>%1 en %2 grupos</translation>
    </message>
    <message>
        <source>(as %1 %2)</source>
        <extracomment>the stock is the same product as this maker&apos;s part</extracomment>
        <translation>(como %1 %2)</translation>
    </message>
    <message>
        <source>[built in]</source>
        <extracomment>the stock comes with Quillmark</extracomment>
        <translation>[integrada]</translation>
    </message>
</context>
<context>
    <name>qm::StreamReader</name>
    <message>
        <source>Invalid stream format</source>
        <translation>Formato de flujo no válido</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Error de lectura del flujo</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
    <message>
        <source>Property does not exist</source>
        <translation>La propiedad no existe</translation>
    </message>
    <message>
        <source>Invalid property path</source>
        <translation>Ruta de propiedad no válida</translation>
    </message>
    <message>
        <source>more objects than the %1 a card can hold</source>
        <translation>más objetos que los %1 que admite una tarjeta</translation>
    </message>
    <message>
        <source>Class %1 not found</source>
        <extracomment>%1 is a class name stored in the card file (&quot;TKLine&quot;)</extracomment>
        <translation>No se encontró la clase %1</translation>
    </message>
    <message>
        <source>%1 is too large to be a card file</source>
        <translation>%1 es demasiado grande para ser un archivo de tarjeta</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>No se puede leer %1: %2</translation>
    </message>
</context>
<context>
    <name>qm::StreamWriter</name>
    <message>
        <source>Could not save &quot;%1&quot;: the card has %2 objects, more than the %3 a card file can hold; remove some objects</source>
        <translation>No se pudo guardar «%1»: la tarjeta tiene %2 objetos, más de los %3 que admite un archivo de tarjeta; quite algunos objetos</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 byte</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes</source>
        <translation>
            <numerusform>%Ln byte</numerusform>
            <numerusform>%Ln bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: the card would take %2, more than the %3 a card file can hold; remove some objects or pictures</source>
        <extracomment>%2 and %3 are sizes (&quot;3 MB&quot;)</extracomment>
        <translation>No se pudo guardar «%1»: la tarjeta ocuparía %2, más de los %3 que admite un archivo de tarjeta; quite algunos objetos o imágenes</translation>
    </message>
</context>
<context>
    <name>qm::SuperShapeDialog</name>
    <message>
        <source>Sample of the shape</source>
        <translation>Muestra de la forma</translation>
    </message>
    <message>
        <source>Super Shape Properties</source>
        <translation>Propiedades de SuperShape</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Round Rectangle</source>
        <translation>Rectángulo redondeado</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Elipse</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Rombo</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Triangle Left</source>
        <translation>Triángulo a la izquierda</translation>
    </message>
    <message>
        <source>Triangle Right</source>
        <translation>Triángulo a la derecha</translation>
    </message>
    <message>
        <source>Triangle Up</source>
        <translation>Triángulo hacia arriba</translation>
    </message>
    <message>
        <source>Triangle Down</source>
        <translation>Triángulo hacia abajo</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Sólido</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textura</translation>
    </message>
    <message>
        <source>Gradient Fill</source>
        <translation>Relleno degradado</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Lower Right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>Solid Line</source>
        <translation>Línea continua</translation>
    </message>
    <message>
        <source>Dash Line</source>
        <translation>Línea discontinua</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>Línea punteada</translation>
    </message>
    <message>
        <source>DashDot Line</source>
        <translation>Línea de guion y punto</translation>
    </message>
    <message>
        <source>DashDotDot Line</source>
        <translation>Línea de guion y dos puntos</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Sin contorno</translation>
    </message>
    <message>
        <source>Points On Star</source>
        <translation>Puntas de la estrella</translation>
    </message>
    <message>
        <source>% of Inward Vector</source>
        <translation>% de vector interior</translation>
    </message>
    <message>
        <source>Round Percentage</source>
        <translation>Porcentaje de redondeo</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Cargar textura</translation>
    </message>
    <message>
        <source>Choose the picture the shape is filled with</source>
        <translation>Elija la imagen con la que se rellena la forma</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Fill Direction</source>
        <translation>Dirección del relleno</translation>
    </message>
    <message>
        <source>From Color</source>
        <translation>Color inicial</translation>
    </message>
    <message>
        <source>To Color</source>
        <translation>Color final</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Surface Type</source>
        <translation>Tipo de superficie</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Color de la sombra</translation>
    </message>
    <message>
        <source>Shadow Orientation</source>
        <translation>Orientación de la sombra</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Profundidad de la sombra</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Color del contorno</translation>
    </message>
    <message>
        <source>OutLine Style</source>
        <translation>Estilo del contorno</translation>
    </message>
    <message>
        <source>Outline Width</source>
        <translation>Grosor del contorno</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The shape as it will look with these settings.</source>
        <translation>La forma tal como se verá con esta configuración.</translation>
    </message>
    <message>
        <source>The outline of the shape: rectangle, rounded rectangle, ellipse, diamond, star or a triangle pointing one way.</source>
        <translation>El contorno de la forma: rectángulo, rectángulo redondeado, elipse, rombo, estrella o un triángulo que apunta en una dirección.</translation>
    </message>
    <message>
        <source>How many points the star has.</source>
        <translation>Cuántas puntas tiene la estrella.</translation>
    </message>
    <message>
        <source>How deep the star&apos;s points are cut: 0 gives a polygon, 90 thin spikes.</source>
        <translation>Cuánto se recortan las puntas de la estrella: 0 da un polígono, 90 puntas finas.</translation>
    </message>
    <message>
        <source>How round the corners are, as a part of the shorter side.</source>
        <translation>Cuánto se redondean las esquinas, como parte del lado más corto.</translation>
    </message>
    <message>
        <source>What fills the shape: nothing, one colour, a picture tiled over it, or a gradient.</source>
        <translation>Lo que rellena la forma: nada, un color, una imagen en mosaico o un degradado.</translation>
    </message>
    <message>
        <source>The colour that fills the shape.</source>
        <translation>El color que rellena la forma.</translation>
    </message>
    <message>
        <source>Which way the gradient runs from its first colour to its second.</source>
        <translation>En qué dirección va el degradado de su primer color al segundo.</translation>
    </message>
    <message>
        <source>The colour the gradient starts with.</source>
        <translation>El color con el que empieza el degradado.</translation>
    </message>
    <message>
        <source>The colour the gradient ends with.</source>
        <translation>El color con el que termina el degradado.</translation>
    </message>
    <message>
        <source>The colour of the shadow behind the shape.</source>
        <translation>El color de la sombra detrás de la forma.</translation>
    </message>
    <message>
        <source>Where the shadow falls; None draws no shadow.</source>
        <translation>Hacia dónde cae la sombra; «Ninguna» no dibuja sombra.</translation>
    </message>
    <message>
        <source>How far, in pixels, the shadow lies from the shape.</source>
        <translation>A qué distancia de la forma, en píxeles, queda la sombra.</translation>
    </message>
    <message>
        <source>The colour of the shape&apos;s outline.</source>
        <translation>El color del contorno de la forma.</translation>
    </message>
    <message>
        <source>Solid, dashed or dotted outline; Clear draws none.</source>
        <translation>Contorno continuo, discontinuo o punteado; «Sin contorno» no dibuja ninguno.</translation>
    </message>
    <message>
        <source>How thick the outline is, in pixels.</source>
        <translation>El grosor del contorno, en píxeles.</translation>
    </message>
    <message>
        <source>Chooses the picture tiled over the shape.</source>
        <translation>Elige la imagen que se repite en mosaico sobre la forma.</translation>
    </message>
</context>
<context>
    <name>qm::TCircleTextProperties</name>
    <message>
        <source>Preview of the circular text</source>
        <translation>Vista previa del texto circular</translation>
    </message>
    <message>
        <source>%1 degrees</source>
        <translation>%1 grados</translation>
    </message>
    <message>
        <source>CircleText Properties</source>
        <translation>Propiedades de CircleText</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>The text set along the circle.</source>
        <translation>El texto que se coloca a lo largo del círculo.</translation>
    </message>
    <message>
        <source>Degrees of the circle</source>
        <translation>Grados del círculo</translation>
    </message>
    <message>
        <source>How much of the circle the text spreads over.</source>
        <translation>Qué parte del círculo ocupa el texto.</translation>
    </message>
    <message>
        <source>Starting angle</source>
        <translation>Ángulo inicial</translation>
    </message>
    <message>
        <source>Angled Characters</source>
        <translation>Caracteres inclinados</translation>
    </message>
    <message>
        <source>Turns each letter to follow the circle; otherwise letters stay upright.</source>
        <translation>Gira cada letra para que siga el círculo; si no, las letras quedan derechas.</translation>
    </message>
    <message>
        <source>Mirrored</source>
        <translation>Reflejado</translation>
    </message>
    <message>
        <source>Lays angled letters along the inside of the circle, so that they read from the centre.</source>
        <translation>Coloca las letras inclinadas por la parte interior del círculo, de modo que se leen desde el centro.</translation>
    </message>
    <message>
        <source>Font colour</source>
        <translation>Color de letra</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Seleccionar tipo de letra</translation>
    </message>
    <message>
        <source>Font 5 points larger</source>
        <translation>Letra 5 puntos más grande</translation>
    </message>
    <message>
        <source>Makes the letters 5 points larger (up to 150 points).</source>
        <translation>Agranda las letras 5 puntos (hasta 150 puntos).</translation>
    </message>
    <message>
        <source>Font 5 points smaller</source>
        <translation>Letra 5 puntos más pequeña</translation>
    </message>
    <message>
        <source>Makes the letters 5 points smaller (down to 10 points).</source>
        <translation>Reduce las letras 5 puntos (hasta 10 puntos).</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>Starting Angle</source>
        <translation>Ángulo inicial</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Color de letra</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>The text on its circle as it will look on the card.</source>
        <translation>El texto en su círculo tal como se verá en la tarjeta.</translation>
    </message>
    <message>
        <source>The colour of the letters.</source>
        <translation>El color de las letras.</translation>
    </message>
    <message>
        <source>Chooses the font, its size and style.</source>
        <translation>Elige el tipo de letra, su tamaño y su estilo.</translation>
    </message>
    <message>
        <source>Shows the preview larger (up to 100%).</source>
        <translation>Muestra la vista previa más grande (hasta el 100 %).</translation>
    </message>
    <message>
        <source>Shows the preview smaller (down to 50%).</source>
        <translation>Muestra la vista previa más pequeña (hasta el 50 %).</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Please enter some text</source>
        <translation>Escriba algún texto</translation>
    </message>
    <message>
        <source>Where the text starts: 90 at the top of the circle, 180 at the left, 270 at the bottom, 360 at the right. The letters run clockwise from there.</source>
        <translation>Dónde empieza el texto: 90 arriba del círculo, 180 a la izquierda, 270 abajo, 360 a la derecha. Desde ahí las letras siguen el sentido de las agujas del reloj.</translation>
    </message>
</context>
<context>
    <name>qm::TEditCardLayout</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Save Stock As</source>
        <translation>Guardar hoja como</translation>
    </message>
    <message>
        <source>Name of your card stock:</source>
        <translation>Nombre de su hoja de tarjetas:</translation>
    </message>
    <message>
        <source>Import Card Stock</source>
        <translation>Importar hojas de tarjetas</translation>
    </message>
    <message>
        <source>gLabels templates</source>
        <translation>Plantillas de gLabels</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Business Card Layout</source>
        <translation>Disposición de tarjetas de visita</translation>
    </message>
    <message>
        <source>Choose the card stock you print on; its sizes fill the boxes.</source>
        <translation>Elija la hoja de tarjetas en la que imprime; sus medidas rellenan las casillas.</translation>
    </message>
    <message>
        <source>Use &amp;Inches</source>
        <translation>Usar p&amp;ulgadas</translation>
    </message>
    <message>
        <source>Use &amp;Millimeters</source>
        <translation>Usar &amp;milímetros</translation>
    </message>
    <message>
        <source>The width of one card.</source>
        <translation>El ancho de una tarjeta.</translation>
    </message>
    <message>
        <source>The height of one card.</source>
        <translation>El alto de una tarjeta.</translation>
    </message>
    <message>
        <source>From the left edge of one card to the left edge of the next.</source>
        <translation>Desde el borde izquierdo de una tarjeta hasta el borde izquierdo de la siguiente.</translation>
    </message>
    <message>
        <source>From the top edge of one card to the top edge of the card below.</source>
        <translation>Desde el borde superior de una tarjeta hasta el borde superior de la tarjeta de abajo.</translation>
    </message>
    <message>
        <source>From the left edge of the paper to the first card.</source>
        <translation>Desde el borde izquierdo del papel hasta la primera tarjeta.</translation>
    </message>
    <message>
        <source>From the top edge of the paper to the first card.</source>
        <translation>Desde el borde superior del papel hasta la primera tarjeta.</translation>
    </message>
    <message>
        <source>How many cards stand side by side.</source>
        <translation>Cuántas tarjetas hay una al lado de otra.</translation>
    </message>
    <message>
        <source>How many rows of cards the sheet has.</source>
        <translation>Cuántas filas de tarjetas tiene la hoja.</translation>
    </message>
    <message>
        <source>Letter (8.5 x 11&quot;)</source>
        <extracomment>A paper size in the list; the paper&apos;s own name stays as it is, the sizes are written the local way</extracomment>
        <translation>Letter (8,5 x 11 pulg.)</translation>
    </message>
    <message>
        <source>A4 (210 x 297mm)</source>
        <translation>A4 (210 x 297 mm)</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>orientation of the card on the sheet</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Rotated</source>
        <comment>orientation of the card on the sheet</comment>
        <translation>Girada</translation>
    </message>
    <message>
        <source>Card Width</source>
        <translation>Ancho de tarjeta</translation>
    </message>
    <message>
        <source>Card Height</source>
        <translation>Alto de tarjeta</translation>
    </message>
    <message>
        <source>Horizontal Pitch</source>
        <translation>Paso horizontal</translation>
    </message>
    <message>
        <source>Vertical Pitch</source>
        <translation>Paso vertical</translation>
    </message>
    <message>
        <source># across</source>
        <extracomment>The number of cards side by side on the sheet</extracomment>
        <translation>N.º en horizontal</translation>
    </message>
    <message>
        <source># down</source>
        <extracomment>The number of rows of cards on the sheet</extracomment>
        <translation>N.º en vertical</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Margen izquierdo</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Margen superior</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Tamaño del papel</translation>
    </message>
    <message>
        <source>Predefined Layouts</source>
        <translation>Disposiciones predefinidas</translation>
    </message>
    <message>
        <source>Shows and takes the sizes in inches.</source>
        <translation>Muestra y acepta las medidas en pulgadas.</translation>
    </message>
    <message>
        <source>Shows and takes the sizes in millimetres.</source>
        <translation>Muestra y acepta las medidas en milímetros.</translation>
    </message>
    <message>
        <source>The paper of your card stock: Letter or A4.</source>
        <translation>El papel de su hoja de tarjetas: Letter o A4.</translation>
    </message>
    <message>
        <source>The card lies as designed, wider than high for a standard card.</source>
        <translation>La tarjeta queda tal como se diseñó: más ancha que alta en una tarjeta estándar.</translation>
    </message>
    <message>
        <source>The card is turned a quarter on the sheet: for cards that stand upright.</source>
        <translation>La tarjeta se gira un cuarto de vuelta en la hoja: para tarjetas en vertical.</translation>
    </message>
    <message>
        <source>Card Stock</source>
        <translation>Hojas de tarjetas</translation>
    </message>
    <message>
        <source>Search maker, part number or description</source>
        <translation>Buscar fabricante, referencia o descripción</translation>
    </message>
    <message>
        <source>Card stock</source>
        <translation>Hojas de tarjetas</translation>
    </message>
    <message>
        <source>Maker</source>
        <extracomment>Headings of the card stock list; &quot;Part&quot; is the maker&apos;s part number, &quot;From&quot; where the entry comes from</extracomment>
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>Part</source>
        <comment>part number</comment>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>Tamaño de tarjeta</translation>
    </message>
    <message>
        <source>Cards</source>
        <comment>count of cards on a sheet</comment>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>From</source>
        <comment>source</comment>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Save Stock &amp;As...</source>
        <translation>&amp;Guardar hoja como...</translation>
    </message>
    <message>
        <source>&amp;Import Stock...</source>
        <translation>&amp;Importar hojas...</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Papel</translation>
    </message>
    <message>
        <source>Type words of the maker, the part number or the description of your card stock: the list keeps what holds every word.</source>
        <translation>Escriba palabras del fabricante, la referencia o la descripción de su hoja de tarjetas: la lista conserva las que contienen todas las palabras.</translation>
    </message>
    <message>
        <source>Shows the card stock of one paper size only.</source>
        <translation>Muestra solo las hojas de tarjetas de un tamaño de papel.</translation>
    </message>
    <message>
        <source>Card stock you can buy, business cards first: gLabels&apos; database where it is installed, your own saved stock, and the built-in sheets. Choose one and its sizes fill the boxes below.</source>
        <translation>Hojas de tarjetas que puede comprar, primero las de tarjetas de visita: la base de datos de gLabels si está instalada, sus propias hojas guardadas y las hojas integradas. Elija una y sus medidas rellenarán las casillas de abajo.</translation>
    </message>
    <message>
        <source>Keeps the sizes below under a name of yours, in the stock list from now on.</source>
        <translation>Guarda las medidas de abajo con un nombre que usted elija, en la lista de hojas a partir de ahora.</translation>
    </message>
    <message>
        <source>Adds the card stock of a gLabels templates file (.xml) to the list.</source>
        <translation>Añade a la lista las hojas de tarjetas de un archivo de plantillas de gLabels (.xml).</translation>
    </message>
    <message>
        <source>All papers</source>
        <translation>Todos los papeles</translation>
    </message>
    <message>
        <source>%1, as %2</source>
        <extracomment>Where a stock entry comes from, and the other entry it has the sizes of (&quot;gLabels, as 28371&quot;)</extracomment>
        <translation>%1, como %2</translation>
    </message>
    <message>
        <source>The sizes below are no sheet of the list.</source>
        <translation>Las medidas de abajo no corresponden a ninguna hoja de la lista.</translation>
    </message>
    <message>
        <source>The sizes below are the sheet of %1.</source>
        <extracomment>%1 is a card stock (&quot;Avery 8371&quot;)</extracomment>
        <translation>Las medidas de abajo son las de la hoja %1.</translation>
    </message>
    <message numerus="yes">
        <source>The sizes below are the sheet of %1 and %n more.</source>
        <extracomment>%1 is a card stock (&quot;Avery 8371&quot;), %n how many others have the same sizes</extracomment>
        <translation>
            <numerusform>Las medidas de abajo son las de la hoja %1 y %n más.</numerusform>
            <numerusform>Las medidas de abajo son las de la hoja %1 y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>The stock &quot;%1&quot; could not be saved: %2</source>
        <translation>No se pudo guardar la hoja «%1»: %2</translation>
    </message>
    <message>
        <source>The stock could not be kept in %1: %2</source>
        <translation>No se pudo guardar la hoja en %1: %2</translation>
    </message>
    <message>
        <source>1 sheet of %1 added.</source>
        <extracomment>%1 is the file&apos;s name</extracomment>
        <translation>Se añadió 1 hoja de %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln sheets of %1 added.</source>
        <translation>
            <numerusform>Se añadió %Ln hoja de %1.</numerusform>
            <numerusform>Se añadieron %Ln hojas de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>built in</source>
        <comment>card stock that comes with the program</comment>
        <translation>integrada</translation>
    </message>
</context>
<context>
    <name>qm::TGetBCLabelText</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Enter Text</source>
        <translation>Escriba el texto</translation>
    </message>
    <message>
        <source>Type the text of the label, or pick one of your personal details below and change it here as you like.</source>
        <translation>Escriba el texto, o elija abajo uno de sus datos personales y modifíquelo aquí a su gusto.</translation>
    </message>
    <message>
        <source>or select personal information</source>
        <translation>o seleccione información personal</translation>
    </message>
    <message>
        <source>Your personal information as entered with Personal Information. Picking an entry puts it into the text box; the label does not follow later changes of it.</source>
        <translation>Su información personal tal como la introdujo en Información personal. Al elegir una entrada, se pone en el cuadro de texto; el texto no sigue los cambios posteriores de esa información.</translation>
    </message>
    <message>
        <source>Choose an entry</source>
        <translation>Elija una entrada</translation>
    </message>
    <message>
        <source>None yet (Edit, Personal Information)</source>
        <translation>Aún no hay ninguna (Editar, Información personal)</translation>
    </message>
</context>
<context>
    <name>qm::TGetLabelText</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Enter Text</source>
        <translation>Escriba el texto</translation>
    </message>
    <message>
        <source>Type the text of the label. It is drawn on one line in the label&apos;s font, with its shadow and highlight.</source>
        <translation>Escriba el texto. Se dibuja en una línea con su tipo de letra, su sombra y su realce.</translation>
    </message>
</context>
<context>
    <name>qm::TGetSymbol</name>
    <message>
        <source>%1, %2pt Bold Italic </source>
        <extracomment>The symbol font on its button: its name, its size in points and its style.</extracomment>
        <translation>%1, %2 pt negrita cursiva </translation>
    </message>
    <message>
        <source>%1, %2pt Bold </source>
        <translation>%1, %2 pt negrita </translation>
    </message>
    <message>
        <source>%1, %2pt Italic </source>
        <translation>%1, %2 pt cursiva </translation>
    </message>
    <message>
        <source>%1, %2pt </source>
        <translation>%1, %2 pt </translation>
    </message>
    <message>
        <source>Symbol Selector</source>
        <translation>Selector de símbolos</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Tipo de letra</translation>
    </message>
    <message>
        <source>Choose the symbol font: Wingdings, Webdings, Symbol or any other font. Its size, colour and style are those of the symbol.</source>
        <translation>Elija el tipo de letra de símbolos: Wingdings, Webdings, Symbol o cualquier otro. Su tamaño, color y estilo son los del símbolo.</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Every character of the font, as it will be drawn on the card. Click the one you want; a double-click also closes the selector.</source>
        <translation>Todos los caracteres del tipo de letra, tal como se dibujarán en la tarjeta. Haga clic en el que desee; un doble clic también cierra el selector.</translation>
    </message>
    <message>
        <source>Code %1 (0x%2)</source>
        <translation>Código %1 (0x%2)</translation>
    </message>
</context>
<context>
    <name>qm::THelpWindow</name>
    <message>
        <source>Quillmark Help</source>
        <translation>Ayuda de Quillmark</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <comment>previous page</comment>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <comment>next page</comment>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Quillmark Help - %1</source>
        <translation>Ayuda de Quillmark - %1</translation>
    </message>
    <message>
        <source>Search the help</source>
        <translation>Buscar en la ayuda</translation>
    </message>
    <message>
        <source>Pages found</source>
        <translation>Páginas encontradas</translation>
    </message>
    <message>
        <source>Goes back to the page you read before.</source>
        <translation>Vuelve a la página que leyó antes.</translation>
    </message>
    <message>
        <source>Goes forward again after Back.</source>
        <translation>Avanza de nuevo después de Atrás.</translation>
    </message>
    <message>
        <source>Shows the list of all help pages.</source>
        <translation>Muestra la lista de todas las páginas de ayuda.</translation>
    </message>
    <message>
        <source>Closes the help.</source>
        <translation>Cierra la ayuda.</translation>
    </message>
    <message>
        <source>Type words to find: the list below shows the pages that contain all of them, the best first. Click one to read it.</source>
        <translation>Escriba las palabras que busca: la lista de abajo muestra las páginas que las contienen todas, las mejores primero. Haga clic en una para leerla.</translation>
    </message>
    <message>
        <source>The pages that contain the words you searched for.</source>
        <translation>Las páginas que contienen las palabras que buscó.</translation>
    </message>
    <message>
        <source>The help page. Click an underlined link to follow it.</source>
        <translation>La página de ayuda. Haga clic en un enlace subrayado para seguirlo.</translation>
    </message>
    <message>
        <source>No page has these words.</source>
        <translation>Ninguna página contiene estas palabras.</translation>
    </message>
</context>
<context>
    <name>qm::TKBasePanel</name>
    <message>
        <source>The objects could not be copied: %1</source>
        <translation>No se pudieron copiar los objetos: %1</translation>
    </message>
    <message>
        <source>The clipboard could not be pasted: %1</source>
        <translation>No se pudo pegar el contenido del portapapeles: %1</translation>
    </message>
</context>
<context>
    <name>qm::TKBrushImageBrowser</name>
    <message>
        <source>The shape with the texture selected</source>
        <translation>La forma con la textura seleccionada</translation>
    </message>
</context>
<context>
    <name>qm::TKFont3DEffects</name>
    <message>
        <source>Sample of the effects</source>
        <translation>Muestra de los efectos</translation>
    </message>
    <message>
        <source>Text 3D Effects</source>
        <translation>Efectos 3D del texto</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Lower Right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>The side of the text on which its shadow falls.</source>
        <translation>El lado del texto hacia el que cae su sombra.</translation>
    </message>
    <message>
        <source>The colour of the shadow.</source>
        <translation>El color de la sombra.</translation>
    </message>
    <message>
        <source>How far, in pixels, the shadow lies from the text. 0 draws no shadow.</source>
        <translation>A qué distancia del texto, en píxeles, queda la sombra. 0 no dibuja sombra.</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>The side of the text on which its highlight lies.</source>
        <translation>El lado del texto en el que queda su realce.</translation>
    </message>
    <message>
        <source>The colour of the highlight.</source>
        <translation>El color del realce.</translation>
    </message>
    <message>
        <source>How far, in pixels, the highlight lies from the text. 0 draws no highlight.</source>
        <translation>A qué distancia del texto, en píxeles, queda el realce. 0 no dibuja realce.</translation>
    </message>
    <message>
        <source>The colour of the text itself. &quot;Custom...&quot; picks any other colour.</source>
        <translation>El color del propio texto. «Personalizado...» permite elegir cualquier otro color.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Shows how the text looks with these settings.</source>
        <translation>Muestra cómo se ve el texto con esta configuración.</translation>
    </message>
    <message>
        <source>Shadow Direction</source>
        <translation>Dirección de la sombra</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Color de la sombra</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Profundidad de la sombra</translation>
    </message>
    <message>
        <source>Highlight Direction</source>
        <translation>Dirección del realce</translation>
    </message>
    <message>
        <source>Highlight Color</source>
        <translation>Color del realce</translation>
    </message>
    <message>
        <source>Highlight Depth</source>
        <translation>Profundidad del realce</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Color de letra</translation>
    </message>
</context>
<context>
    <name>qm::TKImageBrowser</name>
    <message>
        <source>Load Image File </source>
        <translation>Cargar archivo de imagen </translation>
    </message>
    <message>
        <source>Preview of the picture</source>
        <translation>Vista previa de la imagen</translation>
    </message>
    <message>
        <source> Options </source>
        <translation> Opciones </translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Estirar</translation>
    </message>
    <message>
        <source>Stretch image to max display size</source>
        <translation>Estirar la imagen al tamaño máximo de visualización</translation>
    </message>
    <message>
        <source>AutoSize</source>
        <translation>Tamaño automático</translation>
    </message>
    <message>
        <source>AutoSize TImage</source>
        <translation>Ajustar el tamaño del objeto a la imagen</translation>
    </message>
    <message>
        <source>Clip Art</source>
        <translation>Imagen prediseñada</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The picture selected, as the object will show it.</source>
        <translation>La imagen seleccionada, tal como la mostrará el objeto.</translation>
    </message>
    <message>
        <source>Fills the object&apos;s box with the picture, whatever the picture&apos;s own shape.</source>
        <translation>Rellena el cuadro del objeto con la imagen, sea cual sea la forma de la propia imagen.</translation>
    </message>
    <message>
        <source>Makes the object&apos;s box the picture&apos;s own size.</source>
        <translation>Da al cuadro del objeto el tamaño propio de la imagen.</translation>
    </message>
    <message>
        <source>Puts the selected picture into the clip-art object.</source>
        <translation>Pone la imagen seleccionada en el objeto de imagen prediseñada.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>qm::TKReport</name>
    <message>
        <source>the document could not be started</source>
        <translation>no se pudo iniciar el documento</translation>
    </message>
    <message>
        <source>the job failed</source>
        <translation>el trabajo falló</translation>
    </message>
    <message>
        <source>a new page could not be started</source>
        <translation>no se pudo iniciar una página nueva</translation>
    </message>
</context>
<context>
    <name>qm::TKStandardDialogs</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
</context>
<context>
    <name>qm::TKSuperText</name>
    <message>
        <source>At %1 points “%2” is wider than the card, so its end is cut off at the card&apos;s edge.

Choose a smaller size or a shorter text in Properties.</source>
        <translation>Con %1 puntos, «%2» es más ancho que la tarjeta, así que su final queda cortado en el borde de la tarjeta.

Elija un tamaño menor o un texto más corto en Propiedades.</translation>
    </message>
</context>
<context>
    <name>qm::TLabelPrinter</name>
    <message>
        <source>Preparing Preview Page %p</source>
        <extracomment>%p is the page&apos;s number</extracomment>
        <translation>Preparando la página %p de la vista previa</translation>
    </message>
    <message>
        <source>Printing page %p of %1</source>
        <extracomment>%p is the page&apos;s number, %1 how many pages there are</extracomment>
        <translation>Imprimiendo la página %p de %1</translation>
    </message>
    <message>
        <source>Printing page %p</source>
        <translation>Imprimiendo la página %p</translation>
    </message>
    <message>
        <source>Business Card Print Canceled!</source>
        <translation>¡Impresión de tarjetas de visita cancelada!</translation>
    </message>
    <message>
        <source>Business Card Preview Canceled!</source>
        <translation>¡Vista previa de tarjetas de visita cancelada!</translation>
    </message>
    <message>
        <source>Preview Stopped at page %1!</source>
        <translation>¡Vista previa detenida en la página %1!</translation>
    </message>
    <message>
        <source>Business Card Print Failed: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Error al imprimir las tarjetas de visita: %1</translation>
    </message>
    <message>
        <source>Card %1</source>
        <extracomment>The card being printed, shown under the print status; %1 is its position on the sheet</extracomment>
        <translation>Tarjeta %1</translation>
    </message>
</context>
<context>
    <name>qm::TLoadBackGround</name>
    <message>
        <source>Load Business Card Background Art</source>
        <translation>Cargar imagen de fondo de la tarjeta de visita</translation>
    </message>
    <message>
        <source>The card with this background</source>
        <translation>La tarjeta con este fondo</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no background art</comment>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The picture selected, as the card will show it behind its objects.</source>
        <translation>La imagen seleccionada, tal como la mostrará la tarjeta detrás de sus objetos.</translation>
    </message>
    <message>
        <source>Puts the selected picture behind the card.</source>
        <translation>Pone la imagen seleccionada detrás de la tarjeta.</translation>
    </message>
    <message>
        <source>Backgrounds</source>
        <comment>the folder of background art</comment>
        <translation>Fondos</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error loading file!</source>
        <translation>¡Error al cargar el archivo!</translation>
    </message>
</context>
<context>
    <name>qm::TMainScreen</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>The card you are designing. Pick a tool above and drag on the card to place an object; click an object with the right mouse button for its commands.</source>
        <translation>La tarjeta que está diseñando. Elija una herramienta arriba y arrastre sobre la tarjeta para colocar un objeto; haga clic en un objeto con el botón derecho del ratón para ver sus comandos.</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>side of the card</comment>
        <translation>Reverso</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>side of the card</comment>
        <translation>Anverso</translation>
    </message>
    <message>
        <source>%1

Quillmark starts with its default settings (printer fine tuning, default layout, font, personal information).</source>
        <extracomment>%1 says why the settings could not be read</extracomment>
        <translation>%1

Quillmark se inicia con su configuración predeterminada (ajuste fino de la impresora, disposición predeterminada, tipo de letra, información personal).</translation>
    </message>
    <message>
        <source>Configuration Information</source>
        <translation>Información de configuración</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Selection tool</source>
        <translation>Herramienta de selección</translation>
    </message>
    <message>
        <source>Tools</source>
        <comment>tool bar</comment>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>%1: pick it, then drag a rectangle on the card to place the object.</source>
        <extracomment>%1 is the tool&apos;s tip, such as &quot;Rectangle tool&quot;</extracomment>
        <translation>%1: elíjala y luego arrastre un rectángulo sobre la tarjeta para colocar el objeto.</translation>
    </message>
    <message>
        <source>&amp;Quick Tips</source>
        <translation>Consejos &amp;rápidos</translation>
    </message>
    <message>
        <source>Show the Designer Assistant</source>
        <translation>Mostrar el asistente de diseño</translation>
    </message>
    <message>
        <source>Short tips on designing a card.</source>
        <translation>Consejos breves para diseñar una tarjeta.</translation>
    </message>
    <message>
        <source>Show &amp;Grid</source>
        <translation>Mostrar &amp;cuadrícula</translation>
    </message>
    <message>
        <source>Shows a grid of dots on the card to line objects up by eye.</source>
        <translation>Muestra una cuadrícula de puntos en la tarjeta para alinear los objetos a ojo.</translation>
    </message>
    <message>
        <source>S&amp;nap to Grid</source>
        <translation>A&amp;justar a la cuadrícula</translation>
    </message>
    <message>
        <source>Objects you move or size jump to the grid.</source>
        <translation>Los objetos que mueve o cambia de tamaño se ajustan a la cuadrícula.</translation>
    </message>
    <message>
        <source>Background art</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Set or change background art</source>
        <translation>Poner o cambiar imagen de fondo</translation>
    </message>
    <message>
        <source>A picture behind the whole card.</source>
        <translation>Una imagen detrás de toda la tarjeta.</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Más herramientas</translation>
    </message>
    <message>
        <source>Press plus (+) or minus (-) to 
increase or decrease the zoom percentage</source>
        <translation>Pulse más (+) o menos (-) para 
aumentar o reducir el porcentaje de zoom</translation>
    </message>
    <message>
        <source>Zooms the card from 100% to 150% in steps of 10%, then to 200%, 300% and 400%.</source>
        <translation>Cambia el zoom de la tarjeta de 100 % a 150 % en pasos de 10 %, y luego a 200 %, 300 % y 400 %.</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Fit</source>
        <comment>zoom to the window</comment>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Ajustar a la ventana</translation>
    </message>
    <message>
        <source>Zooms the card as large as the window shows it whole.</source>
        <translation>Amplía la tarjeta tanto como la ventana permita verla entera.</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>Ajustar a la ventana</translation>
    </message>
    <message>
        <source>Front or back of the card (Ctrl+Shift+B)</source>
        <translation>Anverso o reverso de la tarjeta (Ctrl+Mayús+B)</translation>
    </message>
    <message>
        <source>Shows which side of the card you design; click it to turn the card over. A back prints behind each card when you print two-sided; it is saved as NAME.back.qmk beside the card file.</source>
        <translation>Muestra qué cara de la tarjeta está diseñando; haga clic para darle la vuelta. El reverso se imprime detrás de cada tarjeta cuando imprime a doble cara; se guarda como NOMBRE.back.qmk junto al archivo de la tarjeta.</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Saves the card. It shows once the card has changes.</source>
        <translation>Guarda la tarjeta. Aparece en cuanto la tarjeta tiene cambios.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>throw the changes away</comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Throws the changes away and goes back to the saved card.</source>
        <translation>Descarta los cambios y vuelve a la tarjeta guardada.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Imp&amp;rimir</translation>
    </message>
    <message>
        <source>Prints sheets of your card.</source>
        <translation>Imprime hojas de su tarjeta.</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>Vis&amp;ta previa</translation>
    </message>
    <message>
        <source>Shows a sheet of your card as it will print.</source>
        <translation>Muestra una hoja de su tarjeta tal como se imprimirá.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help on the design window.</source>
        <translation>Ayuda sobre la ventana de diseño.</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>¿Qué es esto?</translation>
    </message>
    <message>
        <source>Click this, then any part of the window, to learn what it does.</source>
        <translation>Haga clic aquí y luego en cualquier parte de la ventana para saber qué hace.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New - Blank</source>
        <translation>&amp;Nueva - En blanco</translation>
    </message>
    <message>
        <source>New - Select From Temp&amp;lates</source>
        <translation>Nueva - Elegir de las p&amp;lantillas</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <comment>a card file</comment>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <comment>a card file</comment>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save As &amp;Bitmap</source>
        <translation>Guardar como &amp;mapa de bits</translation>
    </message>
    <message>
        <source>Save As &amp;JPG</source>
        <translation>Guardar como &amp;JPG</translation>
    </message>
    <message>
        <source>Save As PN&amp;G</source>
        <translation>Guardar como &amp;PNG</translation>
    </message>
    <message>
        <source>Disca&amp;rd Changes</source>
        <translation>&amp;Descartar cambios</translation>
    </message>
    <message>
        <source>Export for Print S&amp;hop...</source>
        <translation>Exportar para &amp;imprenta...</translation>
    </message>
    <message>
        <source>Writes the card as a PDF file for a print shop, with bleed and crop marks.</source>
        <translation>Escribe la tarjeta como archivo PDF para una imprenta, con sangrado y marcas de corte.</translation>
    </message>
    <message>
        <source>Print &amp;Merge...</source>
        <translation>Impresión com&amp;binada...</translation>
    </message>
    <message>
        <source>Prints one card for each person of a CSV or vCard file.</source>
        <translation>Imprime una tarjeta por cada persona de un archivo CSV o vCard.</translation>
    </message>
    <message>
        <source>Printer S&amp;etup</source>
        <translation>C&amp;onfigurar impresora</translation>
    </message>
    <message>
        <source>Printer Fine &amp;Tuning</source>
        <translation>Ajuste &amp;fino de la impresora</translation>
    </message>
    <message>
        <source>Print O&amp;utline Test Page</source>
        <translation>Imprimir página de pr&amp;ueba de contornos</translation>
    </message>
    <message>
        <source>--------&amp;Write Ini------</source>
        <extracomment>a developer&apos;s command, shown only in developer mode: saves the card as a template</extracomment>
        <translation>--------&amp;Write Ini------</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <comment>the selected objects</comment>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccion&amp;ar todo</translation>
    </message>
    <message>
        <source>C&amp;hange all fonts to...</source>
        <translation>Cambiar todos los tipos de &amp;letra a...</translation>
    </message>
    <message>
        <source>Personal &amp;Information</source>
        <translation>&amp;Información personal</translation>
    </message>
    <message>
        <source>&amp;Set or Change Background Art</source>
        <translation>Poner o cambiar imagen de &amp;fondo</translation>
    </message>
    <message>
        <source>Save Current La&amp;yout as Default</source>
        <translation>&amp;Guardar disposición actual como predeterminada</translation>
    </message>
    <message>
        <source>Change &amp;Business Card Layout</source>
        <translation>Ca&amp;mbiar disposición de tarjetas de visita</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In	+</source>
        <extracomment>after the tab: the key that does the same</extracomment>
        <translation>&amp;Ampliar	+</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	-</source>
        <translation>&amp;Reducir	-</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>Ajustar a la &amp;ventana</translation>
    </message>
    <message>
        <source>Show Bac&amp;k of Card</source>
        <translation>Mostrar r&amp;everso de la tarjeta</translation>
    </message>
    <message>
        <source>Turns the card over: you design its back, which prints behind each card when you print two-sided. Again to see the front.</source>
        <translation>Da la vuelta a la tarjeta: diseña su reverso, que se imprime detrás de cada tarjeta cuando imprime a doble cara. Otra vez para ver el anverso.</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertar</translation>
    </message>
    <message>
        <source>Picks the %1 tool: press Enter on the card to place one in its middle, or drag a rectangle on the card.</source>
        <extracomment>%1 is the name of a drawing tool, such as &quot;Rectangle&quot;</extracomment>
        <translation>Elige la herramienta %1: pulse Intro sobre la tarjeta para colocar el objeto en su centro, o arrastre un rectángulo sobre la tarjeta.</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Co&amp;nfiguration Information</source>
        <translation>&amp;Información de configuración</translation>
    </message>
    <message>
        <source>&amp;Technical Support</source>
        <translation>Asistencia &amp;técnica</translation>
    </message>
    <message>
        <source>&amp;Frequently Asked Questions</source>
        <translation>&amp;Preguntas frecuentes</translation>
    </message>
    <message>
        <source>Visit the &amp;Bonus Artwork Web Page</source>
        <translation>Visitar la página web de imágenes a&amp;dicionales</translation>
    </message>
    <message>
        <source>Visit Our Internet &amp;Website</source>
        <translation>Visitar nuestro &amp;sitio web</translation>
    </message>
    <message>
        <source>&amp;Report a Problem...</source>
        <translation>I&amp;nformar de un problema...</translation>
    </message>
    <message>
        <source>Starts a new, empty card.</source>
        <translation>Empieza una tarjeta nueva y vacía.</translation>
    </message>
    <message>
        <source>Starts a new card from one of the templates, with your personal information.</source>
        <translation>Empieza una tarjeta nueva a partir de una de las plantillas, con su información personal.</translation>
    </message>
    <message>
        <source>Opens a card you saved.</source>
        <translation>Abre una tarjeta que guardó.</translation>
    </message>
    <message>
        <source>Deletes a card file (after asking).</source>
        <translation>Elimina un archivo de tarjeta (después de preguntar).</translation>
    </message>
    <message>
        <source>Saves the card under its name.</source>
        <translation>Guarda la tarjeta con su nombre.</translation>
    </message>
    <message>
        <source>Saves the card under a new name.</source>
        <translation>Guarda la tarjeta con un nombre nuevo.</translation>
    </message>
    <message>
        <source>Writes a BMP picture of the card at its real size.</source>
        <translation>Escribe una imagen BMP de la tarjeta a tamaño real.</translation>
    </message>
    <message>
        <source>Writes a JPG picture of the card at its real size.</source>
        <translation>Escribe una imagen JPG de la tarjeta a tamaño real.</translation>
    </message>
    <message>
        <source>Writes a PNG picture of the card at its real size, for e-mail or a web page.</source>
        <translation>Escribe una imagen PNG de la tarjeta a tamaño real, para un correo electrónico o una página web.</translation>
    </message>
    <message>
        <source>Writes the card as a PDF file for a print shop: the card&apos;s size exactly, with a bleed around it and crop marks if you like, its text kept as text. Says first what a print shop might object to.</source>
        <translation>Escribe la tarjeta como archivo PDF para una imprenta: con el tamaño exacto de la tarjeta, un sangrado alrededor y marcas de corte si lo desea, y el texto conservado como texto. Antes le indica lo que una imprenta podría objetar.</translation>
    </message>
    <message>
        <source>Prints the card over a sheet of card stock, on the positions you choose.</source>
        <translation>Imprime la tarjeta en una hoja de tarjetas, en las posiciones que elija.</translation>
    </message>
    <message>
        <source>Prints one card for each person of a CSV or vCard file: the placeholders of the card&apos;s texts, such as {Name}, take each person&apos;s values.</source>
        <translation>Imprime una tarjeta por cada persona de un archivo CSV o vCard: los marcadores de los textos de la tarjeta, como {Name}, toman los valores de cada persona.</translation>
    </message>
    <message>
        <source>Shows the sheet as it will print.</source>
        <translation>Muestra la hoja tal como se imprimirá.</translation>
    </message>
    <message>
        <source>Chooses the printer (or a PDF file) and its paper.</source>
        <translation>Elige la impresora (o un archivo PDF) y su papel.</translation>
    </message>
    <message>
        <source>Moves the print in steps of 1/32 inch to match your printer.</source>
        <translation>Mueve la impresión en pasos de 1/32 de pulgada para ajustarla a su impresora.</translation>
    </message>
    <message>
        <source>Prints only the card outlines: hold the page against your card stock to check the layout.</source>
        <translation>Imprime solo los contornos de las tarjetas: superponga la página a su hoja de tarjetas para comprobar la disposición.</translation>
    </message>
    <message>
        <source>Saves the card as a template in the template folder.</source>
        <translation>Guarda la tarjeta como plantilla en la carpeta de plantillas.</translation>
    </message>
    <message>
        <source>Closes Quillmark (asking to save changes).</source>
        <translation>Cierra Quillmark (pregunta antes si desea guardar los cambios).</translation>
    </message>
    <message>
        <source>Takes back the last change to the card.</source>
        <translation>Deshace el último cambio de la tarjeta.</translation>
    </message>
    <message>
        <source>Makes a change taken back again.</source>
        <translation>Vuelve a hacer un cambio deshecho.</translation>
    </message>
    <message>
        <source>Moves the selected objects to the clipboard.</source>
        <translation>Mueve los objetos seleccionados al portapapeles.</translation>
    </message>
    <message>
        <source>Copies the selected objects to the clipboard.</source>
        <translation>Copia los objetos seleccionados al portapapeles.</translation>
    </message>
    <message>
        <source>Puts the objects of the clipboard on the card.</source>
        <translation>Pone en la tarjeta los objetos del portapapeles.</translation>
    </message>
    <message>
        <source>Deletes the selected objects.</source>
        <translation>Elimina los objetos seleccionados.</translation>
    </message>
    <message>
        <source>Selects every object of the card.</source>
        <translation>Selecciona todos los objetos de la tarjeta.</translation>
    </message>
    <message>
        <source>The font new text objects start with.</source>
        <translation>El tipo de letra con el que empiezan los objetos de texto nuevos.</translation>
    </message>
    <message>
        <source>Puts one typeface on every text object of the card.</source>
        <translation>Aplica un mismo tipo de letra a todos los objetos de texto de la tarjeta.</translation>
    </message>
    <message>
        <source>Your name, address and numbers, used by personal-information text.</source>
        <translation>Su nombre, dirección y números, que usa el texto de información personal.</translation>
    </message>
    <message>
        <source>Puts a picture behind the whole card, or takes it away.</source>
        <translation>Pone una imagen detrás de toda la tarjeta, o la quita.</translation>
    </message>
    <message>
        <source>Makes this card&apos;s sheet layout the one new cards start with.</source>
        <translation>Hace que la disposición de hoja de esta tarjeta sea con la que empiezan las tarjetas nuevas.</translation>
    </message>
    <message>
        <source>The card size and how the cards stand on the sheet.</source>
        <translation>El tamaño de la tarjeta y cómo se colocan las tarjetas en la hoja.</translation>
    </message>
    <message>
        <source>Shows the card larger: 100% to 150% in steps of 10%, then 200%, 300% and 400%.</source>
        <translation>Muestra la tarjeta más grande: de 100 % a 150 % en pasos de 10 %, y luego 200 %, 300 % y 400 %.</translation>
    </message>
    <message>
        <source>Shows the card smaller, down to 100%.</source>
        <translation>Muestra la tarjeta más pequeña, hasta 100 %.</translation>
    </message>
    <message>
        <source>Shows the card at 100%.</source>
        <translation>Muestra la tarjeta al 100 %.</translation>
    </message>
    <message>
        <source>Shows the card as large as the window shows it whole.</source>
        <translation>Muestra la tarjeta tan grande como la ventana permita verla entera.</translation>
    </message>
    <message>
        <source>The list of all help pages, with a search.</source>
        <translation>La lista de todas las páginas de ayuda, con un buscador.</translation>
    </message>
    <message>
        <source>The version of Quillmark.</source>
        <translation>La versión de Quillmark.</translation>
    </message>
    <message>
        <source>What Quillmark sees of this computer: include it when you ask for help.</source>
        <translation>Lo que Quillmark ve de este equipo: inclúyalo cuando pida ayuda.</translation>
    </message>
    <message>
        <source>How to get help with a problem.</source>
        <translation>Cómo obtener ayuda con un problema.</translation>
    </message>
    <message>
        <source>Answers to common questions.</source>
        <translation>Respuestas a preguntas frecuentes.</translation>
    </message>
    <message>
        <source>Where more artwork comes from.</source>
        <translation>De dónde obtener más imágenes.</translation>
    </message>
    <message>
        <source>Quillmark&apos;s home page.</source>
        <translation>La página principal de Quillmark.</translation>
    </message>
    <message>
        <source>What to include when you report a problem.</source>
        <translation>Qué incluir cuando informe de un problema.</translation>
    </message>
</context>
<context>
    <name>qm::TMergeDialog</name>
    <message>
        <source>Print Merge</source>
        <translation>Impresión combinada</translation>
    </message>
    <message>
        <source>Open Merge Data</source>
        <extracomment>The file dialog&apos;s filter of both contact file types together</extracomment>
        <translation>Abrir datos de combinación</translation>
    </message>
    <message>
        <source>Names and addresses</source>
        <translation>Nombres y direcciones</translation>
    </message>
    <message>
        <source>&amp;Data file:</source>
        <translation>Archivo de &amp;datos:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Columns feeding the fields</source>
        <translation>Columnas que alimentan los campos</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Column of the file</source>
        <translation>Columna del archivo</translation>
    </message>
    <message>
        <source>First record</source>
        <translation>Primer registro</translation>
    </message>
    <message>
        <source>Column for %1</source>
        <extracomment>%1 is a placeholder of the card (&quot;{Company}&quot;)</extracomment>
        <translation>Columna para %1</translation>
    </message>
    <message>
        <source>The column of the data file whose values the %1 placeholder shows on each card; (none) leaves it empty.</source>
        <extracomment>%1 is a placeholder of the card (&quot;{Company}&quot;); &quot;(none)&quot; is the first choice of the list</extracomment>
        <translation>La columna del archivo de datos cuyos valores muestra el marcador %1 en cada tarjeta; (ninguna) lo deja vacío.</translation>
    </message>
    <message>
        <source>First sheet</source>
        <translation>Primera hoja</translation>
    </message>
    <message>
        <source>First card&apos;s position</source>
        <translation>Posición de la primera tarjeta</translation>
    </message>
    <message>
        <source>&amp;Start at position:</source>
        <translation>E&amp;mpezar en la posición:</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The CSV or vCard file of the people to print, one card each. Type a file&apos;s name and press Enter or Tab, or use Browse.</source>
        <translation>El archivo CSV o vCard de las personas que imprimir, una tarjeta por persona. Escriba el nombre de un archivo y pulse Intro o Tab, o use Examinar.</translation>
    </message>
    <message>
        <source>Chooses the data file: a CSV file with the column names in its first row (as spreadsheets and address books export them), or a vCard (.vcf) file of contacts.</source>
        <translation>Elige el archivo de datos: un archivo CSV con los nombres de las columnas en la primera fila (tal como los exportan las hojas de cálculo y las libretas de direcciones), o un archivo vCard (.vcf) de contactos.</translation>
    </message>
    <message>
        <source>What the data file holds, or why it cannot be used.</source>
        <translation>Lo que contiene el archivo de datos, o por qué no se puede usar.</translation>
    </message>
    <message>
        <source>Which column of the data file each personal field takes. A name may be put together from the first and last names, and an address line from the town, region and postcode; as found in the file, blank address lines are left out and the lines below move up. Texts on the card show a field through its placeholder, such as {Name}; any other column shows through its own name, such as {City}.</source>
        <extracomment>{Name} and {City} are placeholders as typed on the card: keep them as they are</extracomment>
        <translation>Qué columna del archivo de datos toma cada campo personal. Un nombre puede componerse del nombre y los apellidos, y una línea de dirección de la ciudad, la región y el código postal; según lo que haya en el archivo, se omiten las líneas de dirección vacías y las de abajo suben. Los textos de la tarjeta muestran un campo mediante su marcador, como {Name}; cualquier otra columna se muestra mediante su propio nombre, como {City}.</translation>
    </message>
    <message>
        <source>The first sheet: grey positions are already used and stay empty, red ones are printed. Click the position of the first card.</source>
        <translation>La primera hoja: las posiciones grises ya están usadas y quedan vacías; las rojas se imprimen. Haga clic en la posición de la primera tarjeta.</translation>
    </message>
    <message>
        <source>The position of the first card on the first sheet, counted across then down; the sheets after it are printed from the first position.</source>
        <translation>La posición de la primera tarjeta en la primera hoja, contando primero en horizontal y luego hacia abajo; las hojas siguientes se imprimen desde la primera posición.</translation>
    </message>
    <message>
        <source>Where the cards go: the printer, or a PDF file.</source>
        <translation>Adónde van las tarjetas: la impresora o un archivo PDF.</translation>
    </message>
    <message>
        <source>Chooses the printer (or a PDF file) and its paper.</source>
        <translation>Elige la impresora (o un archivo PDF) y su papel.</translation>
    </message>
    <message>
        <source>Shows the first sheets with the people of the data file on them.</source>
        <translation>Muestra las primeras hojas con las personas del archivo de datos.</translation>
    </message>
    <message>
        <source>Prints one card for every person of the data file.</source>
        <translation>Imprime una tarjeta por cada persona del archivo de datos.</translation>
    </message>
    <message>
        <source>This file cannot be used: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Este archivo no se puede usar: %1</translation>
    </message>
    <message>
        <source>Choose a CSV or vCard file with one person in each record.</source>
        <translation>Elija un archivo CSV o vCard con una persona en cada registro.</translation>
    </message>
    <message>
        <source>The address lines found in the file, blank ones left out for each person:</source>
        <translation>Las líneas de dirección encontradas en el archivo, sin las vacías de cada persona:</translation>
    </message>
    <message>
        <source>(none)</source>
        <comment>no column</comment>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Line %1 of the address</source>
        <translation>Línea %1 de la dirección</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Siguiente: %1</translation>
    </message>
</context>
<context>
    <name>qm::TMergeFeed</name>
    <message>
        <source>The file holds no records.</source>
        <translation>El archivo no contiene registros.</translation>
    </message>
    <message>
        <source>No data file is open.</source>
        <translation>No hay ningún archivo de datos abierto.</translation>
    </message>
    <message>
        <source>The file&apos;s columns changed since it was opened; open it again.</source>
        <translation>Las columnas del archivo cambiaron desde que se abrió; ábralo de nuevo.</translation>
    </message>
    <message>
        <source>1 person read from %1.</source>
        <extracomment>%1 is the file&apos;s name</extracomment>
        <translation>Se leyó 1 persona de %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln people read from %1.</source>
        <extracomment>%1 is the file&apos;s name</extracomment>
        <translation>
            <numerusform>Se leyó %Ln persona de %1.</numerusform>
            <numerusform>Se leyeron %Ln personas de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading stopped there: %1</source>
        <extracomment>%1 is why the file could not be read further</extracomment>
        <translation>La lectura se detuvo ahí: %1</translation>
    </message>
    <message>
        <source>The file has 1 column.</source>
        <translation>El archivo tiene 1 columna.</translation>
    </message>
    <message numerus="yes">
        <source>The file has %Ln columns.</source>
        <translation>
            <numerusform>El archivo tiene %Ln columna.</numerusform>
            <numerusform>El archivo tiene %Ln columnas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its people fill 1 kind of field.</source>
        <translation>Sus personas rellenan 1 tipo de campo.</translation>
    </message>
    <message numerus="yes">
        <source>Its people fill %Ln kinds of fields.</source>
        <translation>
            <numerusform>Sus personas rellenan %Ln tipo de campo.</numerusform>
            <numerusform>Sus personas rellenan %Ln tipos de campo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Each person gets a card; a text shows a field by its placeholder, such as {Name}, or any column by its name.</source>
        <extracomment>{Name} is a placeholder as typed on the card: keep it as it is</extracomment>
        <translation>Cada persona recibe una tarjeta; un texto muestra un campo mediante su marcador, como {Name}, o cualquier columna mediante su nombre.</translation>
    </message>
    <message>
        <source>1 card was printed.</source>
        <translation>Se imprimió 1 tarjeta.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cards were printed.</source>
        <translation>
            <numerusform>Se imprimió %Ln tarjeta.</numerusform>
            <numerusform>Se imprimieron %Ln tarjetas.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 card was printed to the PDF file</source>
        <extracomment>The PDF file&apos;s name follows on the next line</extracomment>
        <translation>Se imprimió 1 tarjeta en el archivo PDF</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cards were printed to the PDF file</source>
        <translation>
            <numerusform>Se imprimió %Ln tarjeta en el archivo PDF</numerusform>
            <numerusform>Se imprimieron %Ln tarjetas en el archivo PDF</numerusform>
        </translation>
    </message>
    <message>
        <source>From %1:
%2</source>
        <extracomment>%1 is the data file, %2 what was noticed in it, one note a line</extracomment>
        <translation>De %1:
%2</translation>
    </message>
</context>
<context>
    <name>qm::TMultiLineTextEditor</name>
    <message>
        <source>Multi-line Text Editor</source>
        <translation>Editor de texto multilínea</translation>
    </message>
    <message>
        <source>Lines of text</source>
        <translation>Líneas de texto</translation>
    </message>
    <message>
        <source>Type the lines of the text, pressing Enter between them. The text is drawn in this font, aligned and, when Word Wrap is on, broken to the width of the object. It holds up to 254 characters.</source>
        <translation>Escriba las líneas del texto pulsando Intro entre ellas. El texto se dibuja con este tipo de letra, alineado y, si el Ajuste de línea está activado, cortado al ancho del objeto. Admite hasta 254 caracteres.</translation>
    </message>
</context>
<context>
    <name>qm::TPdfCopy</name>
    <message>
        <source>it has no pages</source>
        <translation>no tiene páginas</translation>
    </message>
    <message>
        <source>it is cut off</source>
        <translation>está cortado</translation>
    </message>
    <message>
        <source>it has no such page</source>
        <translation>no tiene esa página</translation>
    </message>
    <message>
        <source>a subset font is used by no font</source>
        <translation>ningún tipo de letra usa un subconjunto de tipo de letra</translation>
    </message>
    <message>
        <source>its page does not have one font</source>
        <translation>su página no tiene un único tipo de letra</translation>
    </message>
    <message>
        <source>its font is not an object of its own</source>
        <translation>su tipo de letra no es un objeto independiente</translation>
    </message>
    <message>
        <source>its glyphs are not numbered as the pages number them</source>
        <translation>sus glifos no están numerados como los numeran las páginas</translation>
    </message>
    <message>
        <source>its font has no glyph widths to set</source>
        <translation>su tipo de letra no tiene anchos de glifo que establecer</translation>
    </message>
    <message>
        <source>the glyph widths are no table</source>
        <translation>los anchos de glifo no son una tabla</translation>
    </message>
</context>
<context>
    <name>qm::TPersonalInformation</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>a person&apos;s job title or qualifications</extracomment>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Address 1</source>
        <translation>Dirección 1</translation>
    </message>
    <message>
        <source>Address 2</source>
        <translation>Dirección 2</translation>
    </message>
    <message>
        <source>Address 3</source>
        <translation>Dirección 3</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Teléfono 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Teléfono 2</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Your own name as it should appear on your cards.</source>
        <translation>Su propio nombre tal como debe aparecer en sus tarjetas.</translation>
    </message>
    <message>
        <source>The name of your business or organisation.</source>
        <translation>El nombre de su empresa u organización.</translation>
    </message>
    <message>
        <source>Your title or qualifications.</source>
        <translation>Su cargo o titulación.</translation>
    </message>
    <message>
        <source>The first line of your address.</source>
        <translation>La primera línea de su dirección.</translation>
    </message>
    <message>
        <source>The second line of your address.</source>
        <translation>La segunda línea de su dirección.</translation>
    </message>
    <message>
        <source>The third line of your address.</source>
        <translation>La tercera línea de su dirección.</translation>
    </message>
    <message>
        <source>Your main phone number.</source>
        <translation>Su número de teléfono principal.</translation>
    </message>
    <message>
        <source>A second phone number, such as a mobile.</source>
        <translation>Un segundo número de teléfono, como un móvil.</translation>
    </message>
    <message>
        <source>Your e-mail address.</source>
        <translation>Su dirección de correo electrónico.</translation>
    </message>
    <message>
        <source>Your fax number.</source>
        <translation>Su número de fax.</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Información personal</translation>
    </message>
    <message>
        <source>Import from vCard...</source>
        <translation>Importar de vCard...</translation>
    </message>
    <message>
        <source>Fills the fields from a contact saved as a vCard (.vcf) file.</source>
        <translation>Rellena los campos con un contacto guardado como archivo vCard (.vcf).</translation>
    </message>
    <message>
        <source>Export as vCard...</source>
        <translation>Exportar como vCard...</translation>
    </message>
    <message>
        <source>Saves the fields as a vCard (.vcf) file for address books.</source>
        <translation>Guarda los campos como archivo vCard (.vcf) para libretas de direcciones.</translation>
    </message>
    <message>
        <source>Import from vCard</source>
        <translation>Importar de vCard</translation>
    </message>
    <message>
        <source>All files (%1)</source>
        <translation>Todos los archivos (%1)</translation>
    </message>
    <message>
        <source>Export as vCard</source>
        <translation>Exportar como vCard</translation>
    </message>
    <message>
        <source>contact</source>
        <comment>file name of a vCard without a name</comment>
        <translation>contacto</translation>
    </message>
    <message>
        <source>Your personal information could not be saved.
%1</source>
        <translation>No se pudo guardar su información personal.
%1</translation>
    </message>
</context>
<context>
    <name>qm::TPictureBrowser</name>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>The folder shown; type another and press Enter to go there</source>
        <translation>La carpeta mostrada; escriba otra y pulse Intro para ir a ella</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Folders: double-click one to open it</source>
        <translation>Carpetas: haga doble clic en una para abrirla</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Buscar en:</translation>
    </message>
    <message>
        <source>The folder shown. Type another folder and press Enter to go there.</source>
        <translation>La carpeta mostrada. Escriba otra carpeta y pulse Intro para ir a ella.</translation>
    </message>
    <message>
        <source>The folders here; &quot;..&quot; goes one folder up. Double-click a folder to open it.</source>
        <translation>Las carpetas de aquí; «..» sube una carpeta. Haga doble clic en una carpeta para abrirla.</translation>
    </message>
    <message>
        <source>The pictures of the folder. Click one to preview it; double-click it to take it.</source>
        <translation>Las imágenes de la carpeta. Haga clic en una para verla en la vista previa; haga doble clic para tomarla.</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>The shortcut button to the user&apos;s home folder.</extracomment>
        <translation>Carpeta personal</translation>
    </message>
    <message>
        <source>Goes straight to the folder %1.</source>
        <translation>Va directamente a la carpeta %1.</translation>
    </message>
    <message>
        <source>Up one folder</source>
        <translation>Subir una carpeta</translation>
    </message>
</context>
<context>
    <name>qm::TPositionEdit</name>
    <message>
        <source>Locked</source>
        <comment>object state</comment>
        <extracomment>The selected object is locked: its position and size cannot be typed.</extracomment>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source> mm</source>
        <extracomment>The suffix of lengths in millimetres, with its leading space.</extracomment>
        <translation> mm</translation>
    </message>
    <message>
        <source> in</source>
        <extracomment>The suffix of lengths in inches, with its leading space.</extracomment>
        <translation> pulg.</translation>
    </message>
    <message>
        <source>No object selected</source>
        <translation>Ningún objeto seleccionado</translation>
    </message>
    <message numerus="yes">
        <source>%n objects selected</source>
        <translation>
            <numerusform>%n objeto seleccionado</numerusform>
            <numerusform>%n objetos seleccionados</numerusform>
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
        <translation>Posición X</translation>
    </message>
    <message>
        <source>How far the object&apos;s left edge lies from the card&apos;s left edge.</source>
        <translation>La distancia del borde izquierdo del objeto al borde izquierdo de la tarjeta.</translation>
    </message>
    <message>
        <source>&amp;Y:</source>
        <translation>&amp;Y:</translation>
    </message>
    <message>
        <source>Y position</source>
        <translation>Posición Y</translation>
    </message>
    <message>
        <source>How far the object&apos;s top edge lies from the card&apos;s top edge.</source>
        <translation>La distancia del borde superior del objeto al borde superior de la tarjeta.</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Ancho:</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>The width of the object&apos;s box.</source>
        <translation>El ancho del cuadro del objeto.</translation>
    </message>
    <message>
        <source>Hei&amp;ght:</source>
        <translation>A&amp;lto:</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>The height of the object&apos;s box.</source>
        <translation>El alto del cuadro del objeto.</translation>
    </message>
    <message>
        <source>Type a value and press Enter, or step it with the arrow keys.</source>
        <translation>Escriba un valor y pulse Intro, o cámbielo paso a paso con las teclas de flecha.</translation>
    </message>
    <message>
        <source>The position and size of the selected object on the card, in the unit of the card&apos;s layout (Edit, Change Business Card Layout).</source>
        <translation>La posición y el tamaño del objeto seleccionado en la tarjeta, en la unidad de la disposición de la tarjeta (Editar, Cambiar disposición de tarjetas de visita).</translation>
    </message>
    <message>
        <source>in millimetres</source>
        <translation>en milímetros</translation>
    </message>
    <message>
        <source>in inches</source>
        <translation>en pulgadas</translation>
    </message>
</context>
<context>
    <name>qm::TPreviewForm</name>
    <message>
        <source>Label Preview</source>
        <translation>Vista previa de tarjetas</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Show the page larger</source>
        <translation>Mostrar la página más grande</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>Show the page smaller</source>
        <translation>Mostrar la página más pequeña</translation>
    </message>
    <message>
        <source>Page &amp;Width</source>
        <translation>A&amp;ncho de página</translation>
    </message>
    <message>
        <source>Fit the page&apos;s width into the window</source>
        <translation>Ajustar el ancho de la página a la ventana</translation>
    </message>
    <message>
        <source>W&amp;hole Page</source>
        <translation>Página &amp;completa</translation>
    </message>
    <message>
        <source>Show the whole page</source>
        <translation>Mostrar la página completa</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Closes the preview.</source>
        <translation>Cierra la vista previa.</translation>
    </message>
    <message>
        <source>Shows the page larger. A click with the left mouse button on the page does the same.</source>
        <translation>Muestra la página más grande. Un clic con el botón izquierdo del ratón sobre la página hace lo mismo.</translation>
    </message>
    <message>
        <source>Shows the page smaller. A click with the right mouse button on the page does the same.</source>
        <translation>Muestra la página más pequeña. Un clic con el botón derecho del ratón sobre la página hace lo mismo.</translation>
    </message>
    <message>
        <source>Makes the page as wide as the window.</source>
        <translation>Hace la página tan ancha como la ventana.</translation>
    </message>
    <message>
        <source>Shows the whole page in the window.</source>
        <translation>Muestra la página completa en la ventana.</translation>
    </message>
    <message>
        <source>Shows the sheet before this one.</source>
        <translation>Muestra la hoja anterior.</translation>
    </message>
    <message>
        <source>Shows the next sheet.</source>
        <translation>Muestra la hoja siguiente.</translation>
    </message>
    <message>
        <source>The sheet as it will print, with one card outlined. Click with the left mouse button to zoom in, with the right one to zoom out.</source>
        <translation>La hoja tal como se imprimirá, con el contorno de una tarjeta marcado. Haga clic con el botón izquierdo del ratón para ampliar y con el derecho para reducir.</translation>
    </message>
    <message>
        <source>Preview Page %1 of %2</source>
        <translation>Vista previa: página %1 de %2</translation>
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
        <translation>tarjetas</translation>
    </message>
    <message>
        <source>%1 outline</source>
        <extracomment>The PDF file&apos;s name proposed for the outline test page; %1 is the card&apos;s (&quot;Jane outline.pdf&quot;)</extracomment>
        <translation>%1 contornos</translation>
    </message>
    <message>
        <source>Print to PDF File</source>
        <translation>Imprimir en archivo PDF</translation>
    </message>
    <message>
        <source>PDF File</source>
        <translation>Archivo PDF</translation>
    </message>
    <message>
        <source>Turn the Stack Over</source>
        <translation>Dé la vuelta a la pila</translation>
    </message>
    <message>
        <source>The outline test page was printed to the PDF file
%1</source>
        <extracomment>%1 is the PDF file, on a line of its own</extracomment>
        <translation>La página de prueba de contornos se imprimió en el archivo PDF
%1</translation>
    </message>
    <message>
        <source>The cards were printed to the PDF file
%1</source>
        <translation>Las tarjetas se imprimieron en el archivo PDF
%1</translation>
    </message>
    <message>
        <source>The preview could not be made.

%1: %2</source>
        <extracomment>%1 is the data file, %2 why it could not be read</extracomment>
        <translation>No se pudo crear la vista previa.

%1: %2</translation>
    </message>
    <message>
        <source>The merge was not printed to its end.

%1: %2</source>
        <extracomment>%1 is the data file, %2 why it could not be read</extracomment>
        <translation>La impresión combinada no llegó hasta el final.

%1: %2</translation>
    </message>
    <message>
        <source>calibration page</source>
        <extracomment>The PDF file&apos;s name proposed for the calibration page</extracomment>
        <translation>página de calibración</translation>
    </message>
    <message>
        <source>The calibration page was not printed: %1</source>
        <translation>La página de calibración no se imprimió: %1</translation>
    </message>
    <message>
        <source>The calibration page was printed to the PDF file
%1</source>
        <extracomment>%1 is the PDF file, on a line of its own</extracomment>
        <translation>La página de calibración se imprimió en el archivo PDF
%1</translation>
    </message>
    <message>
        <source>two-sided calibration page</source>
        <extracomment>The PDF file&apos;s name proposed for the two-sided calibration page</extracomment>
        <translation>página de calibración a doble cara</translation>
    </message>
    <message>
        <source>The two-sided calibration page was printed to the PDF file
%1</source>
        <extracomment>%1 is the PDF file, on a line of its own</extracomment>
        <translation>La página de calibración a doble cara se imprimió en el archivo PDF
%1</translation>
    </message>
</context>
<context>
    <name>qm::TPrintFineTune</name>
    <message>
        <source>Printer Fine-Tuning</source>
        <translation>Ajuste fino de la impresora</translation>
    </message>
    <message>
        <source>Decrease by 1/32&quot;</source>
        <translation>Reducir 1/32 pulg.</translation>
    </message>
    <message>
        <source>%1: decrease by 1/32 inch</source>
        <extracomment>%1 is the value the arrow changes (&quot;Vertical Spacing&quot;)</extracomment>
        <translation>%1: reducir 1/32 de pulgada</translation>
    </message>
    <message>
        <source>Increase by 1/32&quot;</source>
        <translation>Aumentar 1/32 pulg.</translation>
    </message>
    <message>
        <source>%1: increase by 1/32 inch</source>
        <extracomment>%1 is the value the arrow changes (&quot;Vertical Spacing&quot;)</extracomment>
        <translation>%1: aumentar 1/32 de pulgada</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>put the values back</comment>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Puts all four values back to zero: the print as the layout says.</source>
        <translation>Devuelve los cuatro valores a cero: la impresión tal como indica la disposición.</translation>
    </message>
    <message>
        <source>Takes 1/32 inch off this value.</source>
        <translation>Resta 1/32 de pulgada a este valor.</translation>
    </message>
    <message>
        <source>Adds 1/32 inch to this value.</source>
        <translation>Suma 1/32 de pulgada a este valor.</translation>
    </message>
</context>
<context>
    <name>qm::TPrintShopDialog</name>
    <message>
        <source>Export for Print Shop</source>
        <translation>Exportar para imprenta</translation>
    </message>
    <message>
        <source>A PDF file of the card as print shops ask for it: the card&apos;s size exactly, with a bleed around it into which the background goes on, text kept as text in its fonts.</source>
        <translation>Un archivo PDF de la tarjeta tal como lo piden las imprentas: con el tamaño exacto de la tarjeta, un sangrado alrededor por el que se extiende el fondo y el texto conservado como texto con sus tipos de letra.</translation>
    </message>
    <message>
        <source> mm</source>
        <extracomment>the unit after the number of millimetres</extracomment>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;Crop marks</source>
        <translation>&amp;Marcas de corte</translation>
    </message>
    <message>
        <source>&amp;Bleed on each side:</source>
        <translation>&amp;Sangrado por cada lado:</translation>
    </message>
    <message>
        <source>How far the background, and every object that touches the card&apos;s edge, goes on beyond the card, so that a cut a little off the line leaves no white edge: 0 to 6 mm in steps of 0.5 mm. Print shops usually ask for 3 mm.</source>
        <translation>Hasta dónde se extienden más allá de la tarjeta el fondo y cada objeto que toca su borde, para que un corte un poco desviado no deje un borde blanco: de 0 a 6 mm en pasos de 0,5 mm. Las imprentas suelen pedir 3 mm.</translation>
    </message>
    <message>
        <source>Thin black lines outside the bleed on the extensions of the card&apos;s edges, which show where to cut.</source>
        <translation>Líneas negras finas fuera del sangrado, en la prolongación de los bordes de la tarjeta, que indican por dónde cortar.</translation>
    </message>
    <message>
        <source>What a print shop may turn down: pictures with fewer than 300 dots per inch as printed, and text closer than 3 mm to the card&apos;s edge, which may be cut off. The file is written all the same when you go on.</source>
        <translation>Lo que una imprenta podría rechazar: imágenes con menos de 300 puntos por pulgada en la impresión y texto a menos de 3 mm del borde de la tarjeta, que podría quedar cortado. El archivo se escribe igualmente si continúa.</translation>
    </message>
    <message>
        <source>Nothing here that a print shop would object to.</source>
        <translation>No hay nada que una imprenta pueda objetar.</translation>
    </message>
    <message>
        <source>A print shop may object to these; you can export anyway:</source>
        <translation>Una imprenta podría objetar esto; puede exportar de todos modos:</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>&amp;Export Anyway...</source>
        <translation>&amp;Exportar de todos modos...</translation>
    </message>
    <message>
        <source>PDF File (%1)</source>
        <extracomment>a file dialog&apos;s filter; %1 is the file name patterns</extracomment>
        <translation>Archivo PDF (%1)</translation>
    </message>
    <message>
        <source>Business card</source>
        <extracomment>the PDF file&apos;s title when the card has no name yet</extracomment>
        <translation>Tarjeta de visita</translation>
    </message>
    <message>
        <source>The PDF file was not written.

%1</source>
        <translation>El archivo PDF no se escribió.

%1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Se guardó como %1</translation>
    </message>
</context>
<context>
    <name>qm::TPrintStatusWindow</name>
    <message>
        <source>Print Status</source>
        <translation>Estado de impresión</translation>
    </message>
    <message>
        <source>Preview Status</source>
        <translation>Estado de la vista previa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stops printing after asking; sheets already sent may still print.</source>
        <translation>Detiene la impresión tras preguntar; las hojas ya enviadas pueden imprimirse igualmente.</translation>
    </message>
    <message>
        <source>Stops making the preview.</source>
        <translation>Detiene la creación de la vista previa.</translation>
    </message>
    <message>
        <source>Cancel Business Card Printing?</source>
        <translation>¿Cancelar la impresión de las tarjetas de visita?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancelling...!</source>
        <translation>¡Cancelando...!</translation>
    </message>
</context>
<context>
    <name>qm::TQRCodeProperties</name>
    <message>
        <source>Preview of the QR code</source>
        <translation>Vista previa del código QR</translation>
    </message>
    <message>
        <source>QR Code Properties</source>
        <translation>Propiedades del código QR</translation>
    </message>
    <message>
        <source>&amp;Personal information (vCard)</source>
        <translation>&amp;Información personal (vCard)</translation>
    </message>
    <message>
        <source>&amp;Web address</source>
        <translation>Dirección &amp;web</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Texto</translation>
    </message>
    <message>
        <source>Text or web address</source>
        <translation>Texto o dirección web</translation>
    </message>
    <message>
        <source>Low (7 %)</source>
        <translation>Baja (7 %)</translation>
    </message>
    <message>
        <source>Medium (15 %)</source>
        <translation>Media (15 %)</translation>
    </message>
    <message>
        <source>Quartile (25 %)</source>
        <translation>Cuartil (25 %)</translation>
    </message>
    <message>
        <source>High (30 %)</source>
        <translation>Alta (30 %)</translation>
    </message>
    <message>
        <source>&amp;Error correction:</source>
        <translation>&amp;Corrección de errores:</translation>
    </message>
    <message>
        <source> modules</source>
        <translation> módulos</translation>
    </message>
    <message>
        <source>&amp;Quiet zone:</source>
        <translation>&amp;Zona de silencio:</translation>
    </message>
    <message>
        <source>&amp;Dark modules:</source>
        <translation>Módulos &amp;oscuros:</translation>
    </message>
    <message>
        <source>T&amp;ransparent</source>
        <translation>Transpa&amp;rente</translation>
    </message>
    <message>
        <source>&amp;Light modules:</source>
        <translation>Módulos c&amp;laros:</translation>
    </message>
    <message>
        <source>The code carries your personal information as an electronic business card (vCard), which phones offer to save as a contact.</source>
        <translation>El código contiene su información personal como tarjeta de visita electrónica (vCard), que los teléfonos ofrecen guardar como contacto.</translation>
    </message>
    <message>
        <source>The code carries a web address, which phones offer to open.</source>
        <translation>El código contiene una dirección web, que los teléfonos ofrecen abrir.</translation>
    </message>
    <message>
        <source>The code carries the text typed below as it stands.</source>
        <translation>El código contiene el texto escrito abajo tal cual.</translation>
    </message>
    <message>
        <source>The web address or text the code carries. Personal information needs no typing: it comes from Edit, Personal Information.</source>
        <translation>La dirección web o el texto que contiene el código. La información personal no hace falta escribirla: procede de Editar, Información personal.</translation>
    </message>
    <message>
        <source>How much of the code may be dirty or covered and still read: more correction makes a denser code.</source>
        <translation>Qué parte del código puede estar sucia o tapada sin dejar de leerse: más corrección da un código más denso.</translation>
    </message>
    <message>
        <source>The empty margin around the code, in modules; readers want four.</source>
        <translation>El margen vacío alrededor del código, en módulos; los lectores piden cuatro.</translation>
    </message>
    <message>
        <source>The colour of the dark squares. Keep it darker than the light ones, or phones cannot read the code.</source>
        <translation>El color de los cuadrados oscuros. Manténgalo más oscuro que el de los claros, o los teléfonos no podrán leer el código.</translation>
    </message>
    <message>
        <source>The colour of the light squares and the margin.</source>
        <translation>El color de los cuadrados claros y del margen.</translation>
    </message>
    <message>
        <source>Leaves the light squares out, so the card shows through. The card must then be light.</source>
        <translation>Omite los cuadrados claros, de modo que se ve la tarjeta a través. La tarjeta debe ser clara.</translation>
    </message>
    <message>
        <source>The code as it will print, with what it carries below.</source>
        <translation>El código tal como se imprimirá, con su contenido debajo.</translation>
    </message>
    <message>
        <source>What the code carries and how big it is.</source>
        <translation>Qué contiene el código y qué tamaño tiene.</translation>
    </message>
    <message>
        <source>%1 x %1 modules</source>
        <translation>%1 x %1 módulos</translation>
    </message>
    <message>
        <source>Nothing to encode yet.</source>
        <translation>Aún no hay nada que codificar.</translation>
    </message>
    <message>
        <source>Too long for a QR code: shorten the text or lower the error correction.</source>
        <translation>Demasiado largo para un código QR: acorte el texto o reduzca la corrección de errores.</translation>
    </message>
</context>
<context>
    <name>qm::TRichTextLabelEditor</name>
    <message>
        <source>Rich Text Editor</source>
        <translation>Editor de texto enriquecido</translation>
    </message>
    <message>
        <source>Rich text</source>
        <translation>Texto enriquecido</translation>
    </message>
    <message>
        <source>Type the text and format it with the tool bar: select text, then pick its font, size, colour and style, or set the alignment of its paragraphs. The box has the width of the object on the card.</source>
        <translation>Escriba el texto y dele formato con la barra de herramientas: seleccione texto y elija su tipo de letra, tamaño, color y estilo, o la alineación de sus párrafos. El cuadro tiene el ancho del objeto en la tarjeta.</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Shows the text larger while you edit it (up to 100%).</source>
        <translation>Muestra el texto más grande mientras lo edita (hasta el 100 %).</translation>
    </message>
    <message>
        <source>Shows the text smaller while you edit it (down to 50%).</source>
        <translation>Muestra el texto más pequeño mientras lo edita (hasta el 50 %).</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamaño de letra</translation>
    </message>
    <message>
        <source>Font color</source>
        <translation>Color de letra</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Alinear a la izquierda</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Alinear a la derecha</translation>
    </message>
    <message>
        <source>Justify</source>
        <translation>Justificar</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Takes bold, italic and underline off the selected text.</source>
        <translation>Quita la negrita, la cursiva y el subrayado del texto seleccionado.</translation>
    </message>
    <message>
        <source>Makes the selected text bold, or plain again.</source>
        <translation>Pone el texto seleccionado en negrita, o lo vuelve normal.</translation>
    </message>
    <message>
        <source>Makes the selected text italic, or upright again.</source>
        <translation>Pone el texto seleccionado en cursiva, o lo vuelve recto.</translation>
    </message>
    <message>
        <source>Underlines the selected text, or takes the line away.</source>
        <translation>Subraya el texto seleccionado, o quita el subrayado.</translation>
    </message>
    <message>
        <source>Lines the paragraph up at the left edge of the box.</source>
        <translation>Alinea el párrafo con el borde izquierdo del cuadro.</translation>
    </message>
    <message>
        <source>Lines the paragraph up at the right edge of the box.</source>
        <translation>Alinea el párrafo con el borde derecho del cuadro.</translation>
    </message>
    <message>
        <source>Spreads the paragraph&apos;s lines over the whole width of the box.</source>
        <translation>Reparte las líneas del párrafo por todo el ancho del cuadro.</translation>
    </message>
    <message>
        <source>Centres the paragraph&apos;s lines in the box.</source>
        <translation>Centra las líneas del párrafo en el cuadro.</translation>
    </message>
    <message>
        <source>Copies the selected text to the clipboard.</source>
        <translation>Copia el texto seleccionado al portapapeles.</translation>
    </message>
    <message>
        <source>Moves the selected text to the clipboard.</source>
        <translation>Mueve el texto seleccionado al portapapeles.</translation>
    </message>
    <message>
        <source>Puts the text of the clipboard where the cursor is.</source>
        <translation>Pone el texto del portapapeles donde está el cursor.</translation>
    </message>
    <message>
        <source>The typeface of the selected text.</source>
        <translation>El tipo de letra del texto seleccionado.</translation>
    </message>
    <message>
        <source>The size of the selected text, in points.</source>
        <translation>El tamaño del texto seleccionado, en puntos.</translation>
    </message>
    <message>
        <source>The colour of the selected text.</source>
        <translation>El color del texto seleccionado.</translation>
    </message>
</context>
<context>
    <name>qm::TSelectSpecificLabels</name>
    <message>
        <source>Print Cards</source>
        <translation>Imprimir tarjetas</translation>
    </message>
    <message>
        <source>Select Cards To Print</source>
        <translation>Seleccione las tarjetas que imprimir</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <comment>all positions</comment>
        <translation>&amp;Todas</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <comment>no positions</comment>
        <translation>&amp;Ninguna</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Number of &amp;pages:</source>
        <translation>Número de &amp;páginas:</translation>
    </message>
    <message>
        <source>C&amp;rop marks</source>
        <translation>&amp;Marcas de corte</translation>
    </message>
    <message>
        <source>&amp;Sides:</source>
        <translation>&amp;Caras:</translation>
    </message>
    <message>
        <source>One-sided</source>
        <translation>Una cara</translation>
    </message>
    <message>
        <source>Two-sided, long edge</source>
        <translation>Doble cara, borde largo</translation>
    </message>
    <message>
        <source>Two-sided, short edge</source>
        <translation>Doble cara, borde corto</translation>
    </message>
    <message>
        <source>Two-sided, turned by hand</source>
        <translation>Doble cara, volteo manual</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The sheet with every card position. Red positions are printed: click one to switch it on or off, so that a sheet with some cards already used can be fed again.</source>
        <translation>La hoja con todas las posiciones de tarjeta. Las posiciones rojas se imprimen: haga clic en una para activarla o desactivarla, de modo que pueda volver a usar una hoja con algunas tarjetas ya gastadas.</translation>
    </message>
    <message>
        <source>Prints on every position of the sheet.</source>
        <translation>Imprime en todas las posiciones de la hoja.</translation>
    </message>
    <message>
        <source>Switches every position off; then click the ones to print.</source>
        <translation>Desactiva todas las posiciones; luego haga clic en las que quiera imprimir.</translation>
    </message>
    <message>
        <source>Where the cards go: the printer, or a PDF file.</source>
        <translation>Adónde van las tarjetas: la impresora o un archivo PDF.</translation>
    </message>
    <message>
        <source>Chooses the printer (or a PDF file) and its paper.</source>
        <translation>Elige la impresora (o un archivo PDF) y su papel.</translation>
    </message>
    <message>
        <source>How many sheets to print.</source>
        <translation>Cuántas hojas imprimir.</translation>
    </message>
    <message>
        <source>Short lines in the sheet&apos;s margins and in the gaps between the cards, on the extensions of the cards&apos; edges, to cut along with a trimmer. They never cross a card.</source>
        <translation>Líneas cortas en los márgenes de la hoja y en los huecos entre las tarjetas, en la prolongación de los bordes de las tarjetas, para cortar con una guillotina. Nunca cruzan una tarjeta.</translation>
    </message>
    <message>
        <source>Prints the card&apos;s back behind every card: after each sheet&apos;s page of fronts a page of backs for a printer that turns the sheet over its long or its short edge, or all fronts first and then all backs for a printer without that unit (you turn the stack over). Only a card with a back prints two-sided.</source>
        <translation>Imprime el reverso de la tarjeta detrás de cada tarjeta: tras la página de anversos de cada hoja, una página de reversos para una impresora que voltea la hoja por su borde largo o corto; o primero todos los anversos y luego todos los reversos para una impresora sin esa unidad (usted da la vuelta a la pila). Solo una tarjeta con reverso se imprime a doble cara.</translation>
    </message>
    <message>
        <source>Prints the chosen positions on as many sheets as you asked for.</source>
        <translation>Imprime las posiciones elegidas en tantas hojas como pidió.</translation>
    </message>
    <message>
        <source>The card has no back</source>
        <translation>La tarjeta no tiene reverso</translation>
    </message>
</context>
<context>
    <name>qm::TSheetSelection</name>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A card&apos;s position on the sheet, as a screen reader names it</extracomment>
        <translation>Fila %1, columna %2</translation>
    </message>
    <message>
        <source>You must select at least one card to print</source>
        <translation>Debe seleccionar al menos una tarjeta para imprimir</translation>
    </message>
</context>
<context>
    <name>qm::TSplashform</name>
    <message>
        <source>About Quillmark</source>
        <translation>Acerca de Quillmark</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Versión %1 (%2)</translation>
    </message>
    <message>
        <source>%1-bit version</source>
        <translation>Versión de %1 bits</translation>
    </message>
    <message>
        <source>Business cards, designed and printed.</source>
        <translation>Tarjetas de visita, diseñadas e impresas.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. There is no warranty.</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior. No tiene ninguna garantía.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Quillmark version %1 (%2-bit)</source>
        <translation>Quillmark versión %1 (%2 bits)</translation>
    </message>
    <message>
        <source>Display platform: %1</source>
        <translation>Plataforma de pantalla: %1</translation>
    </message>
    <message>
        <source>Screen: %1 x %2 pixels, %3 pixels per inch, device pixel ratio %4</source>
        <translation>Pantalla: %1 x %2 píxeles, %3 píxeles por pulgada, relación de píxeles del dispositivo %4</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <translation>Carpeta de datos: %1</translation>
    </message>
    <message>
        <source>Installed printers: %1</source>
        <translation>Impresoras instaladas: %1</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no printers</comment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Default printer: %1</source>
        <translation>Impresora predeterminada: %1</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no default printer</comment>
        <translation>ninguna</translation>
    </message>
</context>
<context>
    <name>qm::TSuperTextBrushImageBrowser</name>
    <message>
        <source>The text with the texture selected</source>
        <translation>El texto con la textura seleccionada</translation>
    </message>
</context>
<context>
    <name>qm::TSuperTextProperties</name>
    <message>
        <source>Preview of the text</source>
        <translation>Vista previa del texto</translation>
    </message>
    <message>
        <source>SuperText Properties</source>
        <translation>Propiedades de SuperText</translation>
    </message>
    <message>
        <source>The text of the object: one line, drawn in the chosen surface.</source>
        <translation>El texto del objeto: una línea, dibujada con la superficie elegida.</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textura</translation>
    </message>
    <message>
        <source>Gradient Fill</source>
        <translation>Relleno degradado</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Cargar textura</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Down and Right</source>
        <translation>Abajo y a la derecha</translation>
    </message>
    <message>
        <source>Down and Left</source>
        <translation>Abajo y a la izquierda</translation>
    </message>
    <message>
        <source>Solid Line</source>
        <translation>Línea continua</translation>
    </message>
    <message>
        <source>Dash Line</source>
        <translation>Línea discontinua</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>Línea punteada</translation>
    </message>
    <message>
        <source>DashDot Line</source>
        <translation>Línea de guion y punto</translation>
    </message>
    <message>
        <source>DashDotDot Line</source>
        <translation>Línea de guion y dos puntos</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Sin contorno</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Seleccionar tipo de letra</translation>
    </message>
    <message>
        <source>Font 5 points larger</source>
        <translation>Letra 5 puntos más grande</translation>
    </message>
    <message>
        <source>5 points larger</source>
        <translation>5 puntos más grande</translation>
    </message>
    <message>
        <source>Font 5 points smaller</source>
        <translation>Letra 5 puntos más pequeña</translation>
    </message>
    <message>
        <source>5 points smaller</source>
        <translation>5 puntos más pequeña</translation>
    </message>
    <message>
        <source>Select Symbol</source>
        <translation>Seleccionar símbolo</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Surface Type</source>
        <translation>Tipo de superficie</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Color de letra</translation>
    </message>
    <message>
        <source>Fill Direction</source>
        <translation>Dirección del relleno</translation>
    </message>
    <message>
        <source>From Color</source>
        <translation>Color inicial</translation>
    </message>
    <message>
        <source>To Color</source>
        <translation>Color final</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Color de la sombra</translation>
    </message>
    <message>
        <source>Shadow Orientation</source>
        <translation>Orientación de la sombra</translation>
    </message>
    <message>
        <source>Shadow Depth</source>
        <translation>Profundidad de la sombra</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Color del contorno</translation>
    </message>
    <message>
        <source>OutLine Style</source>
        <translation>Estilo del contorno</translation>
    </message>
    <message>
        <source>Outline Width</source>
        <translation>Grosor del contorno</translation>
    </message>
    <message>
        <source>The text as it will look with these settings.</source>
        <translation>El texto tal como se verá con esta configuración.</translation>
    </message>
    <message>
        <source>The colour of the letters when the surface is Normal.</source>
        <translation>El color de las letras cuando la superficie es Normal.</translation>
    </message>
    <message>
        <source>Chooses the picture tiled inside the letters.</source>
        <translation>Elige la imagen que se repite en mosaico dentro de las letras.</translation>
    </message>
    <message>
        <source>Which way the gradient runs from its first colour to its second.</source>
        <translation>En qué dirección va el degradado de su primer color al segundo.</translation>
    </message>
    <message>
        <source>The colour the gradient starts with.</source>
        <translation>El color con el que empieza el degradado.</translation>
    </message>
    <message>
        <source>The colour the gradient ends with.</source>
        <translation>El color con el que termina el degradado.</translation>
    </message>
    <message>
        <source>The colour of the drop shadow.</source>
        <translation>El color de la sombra proyectada.</translation>
    </message>
    <message>
        <source>Where the shadow falls; None draws no shadow.</source>
        <translation>Hacia dónde cae la sombra; «Ninguna» no dibuja sombra.</translation>
    </message>
    <message>
        <source>How far, in pixels, the shadow lies from the letters.</source>
        <translation>A qué distancia de las letras, en píxeles, queda la sombra.</translation>
    </message>
    <message>
        <source>The colour of the line around each letter.</source>
        <translation>El color de la línea alrededor de cada letra.</translation>
    </message>
    <message>
        <source>Solid, dashed or dotted line around the letters; Clear draws none.</source>
        <translation>Línea continua, discontinua o punteada alrededor de las letras; «Sin contorno» no dibuja ninguna.</translation>
    </message>
    <message>
        <source>How thick the line around the letters is, in pixels.</source>
        <translation>El grosor de la línea alrededor de las letras, en píxeles.</translation>
    </message>
    <message>
        <source>Chooses the font, its size and style.</source>
        <translation>Elige el tipo de letra, su tamaño y su estilo.</translation>
    </message>
    <message>
        <source>Makes the letters 5 points larger.</source>
        <translation>Agranda las letras 5 puntos.</translation>
    </message>
    <message>
        <source>Makes the letters 5 points smaller.</source>
        <translation>Reduce las letras 5 puntos.</translation>
    </message>
    <message>
        <source>Puts a symbol (from Wingdings, Webdings or Symbol) in place of the text.</source>
        <translation>Pone un símbolo (de Wingdings, Webdings o Symbol) en lugar del texto.</translation>
    </message>
    <message>
        <source>Please enter some text</source>
        <translation>Escriba algún texto</translation>
    </message>
    <message>
        <source>What fills the letters: the font colour, nothing (only outline and shadow show), a tiled texture picture or a gradient between two colours.</source>
        <translation>Qué rellena las letras: el color de la letra, nada (solo se ven el contorno y la sombra), una textura en mosaico o un degradado entre dos colores.</translation>
    </message>
</context>
<context>
    <name>qm::TWarnBottomMargin</name>
    <message>
        <source>ALERT</source>
        <translation>ATENCIÓN</translation>
    </message>
    <message>
        <source>Don&apos;t show this warning again</source>
        <translation>No volver a mostrar este aviso</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel Printing</source>
        <translation>Cancelar impresión</translation>
    </message>
    <message>
        <source>Prints anyway; the bottom of the lowest cards may be missing.</source>
        <translation>Imprime de todos modos; puede faltar la parte inferior de las tarjetas de abajo.</translation>
    </message>
    <message>
        <source>Prints nothing. Leave out the bottom row in Print Cards and print again.</source>
        <translation>No imprime nada. Omita la fila de abajo en Imprimir tarjetas e imprima de nuevo.</translation>
    </message>
    <message>
        <source>Never shows this warning again (your printer prints the bottom row well).</source>
        <translation>No vuelve a mostrar este aviso (su impresora imprime bien la fila de abajo).</translation>
    </message>
</context>
<context>
    <name>qm::TextureImageDialog</name>
    <message>
        <source>Load Texture Image</source>
        <translation>Cargar imagen de textura</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Textures</source>
        <translation>Texturas</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Takes the selected picture as the texture.</source>
        <translation>Toma la imagen seleccionada como textura.</translation>
    </message>
    <message>
        <source>The object filled with the selected texture.</source>
        <translation>El objeto relleno con la textura seleccionada.</translation>
    </message>
</context>
<context>
    <name>qm::VCardSource</name>
    <message>
        <source>vCard %L1: a value was cut at %L2 KB.</source>
        <translation>vCard %L1: se cortó un valor a %L2 KB.</translation>
    </message>
    <message>
        <source>The file holds no vCard.</source>
        <translation>El archivo no contiene ninguna vCard.</translation>
    </message>
</context>
</TS>
