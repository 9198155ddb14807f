<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>NoteOverlay</name>
    <message>
        <location filename="../src/skintool/NoteOverlay.cpp" line="+42"/>
        <source>Your notes are written here, over the skin.
Check that this text stays easy to read and that the buttons above and below stand out.</source>
        <translation>Hier stehen Ihre Notizen, über dem Skin.
Prüfen Sie, dass dieser Text gut lesbar bleibt und die Knöpfe oben und unten gut zu sehen sind.</translation>
    </message>
</context>
<context>
    <name>SkinBuilder</name>
    <message>
        <location filename="../src/skintool/SkinBuilder.cpp" line="+41"/>
        <source>A text is too long for a skin file.</source>
        <translation>Ein Text ist zu lang für eine Skin-Datei.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The picture could not be turned into a JPEG file.</source>
        <translation>Das Bild konnte nicht in eine JPEG-Datei umgewandelt werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The skin file could not be written.</source>
        <translation>Die Skin-Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>skin name</source>
        <translation>Skin-Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>author name</source>
        <translation>Autorname</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e-mail address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>website</source>
        <translation>Website</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The %1 holds characters a skin file cannot store: %2</source>
        <translation>Das Feld „%1“ enthält Zeichen, die eine Skin-Datei nicht speichern kann: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The %1 is too long: a skin file holds at most %2 characters.</source>
        <translation>Das Feld „%1“ ist zu lang: Eine Skin-Datei fasst höchstens %2 Zeichen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The skin name cannot name a skin file: use at most %1 characters, no / \ : * ? &quot; &lt; &gt; |, no &quot;..&quot; and no leading dot.</source>
        <translation>Aus dem Skin-Namen lässt sich kein Dateiname bilden: höchstens %1 Zeichen, kein / \ : * ? &quot; &lt; &gt; |, kein „..“ und kein Punkt am Anfang.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No picture is loaded.</source>
        <translation>Es ist kein Bild geladen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No temporary folder could be made: %1</source>
        <translation>Es konnte kein temporärer Ordner angelegt werden: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The picture could not be written to %1.</source>
        <translation>Das Bild konnte nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>SkinsmithCommandLine</name>
    <message>
        <location filename="../src/skintool/SkinsmithCommandLine.cpp" line="+58"/>
        <source>no such file, or not a plain file</source>
        <translation>die Datei fehlt oder ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a skin file (its version is empty)</source>
        <translation>keine Skin-Datei (ihre Version ist leer)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a skin of version &quot;%1&quot;; only %2 is read</source>
        <translation>ein Skin der Version „%1“; gelesen wird nur %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>damaged: a text length is negative or runs past the end</source>
        <translation>beschädigt: eine Textlänge ist negativ oder reicht über das Ende hinaus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its picture is missing or cannot be read</source>
        <translation>sein Bild fehlt oder kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the picture cannot be written to the temporary folder</source>
        <translation>das Bild kann nicht in den temporären Ordner geschrieben werden</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>build takes one picture (see --help)</source>
        <translation>build nimmt genau ein Bild (siehe --help)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>build needs --%1</source>
        <translation>build braucht --%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--quality takes a whole number from 0 to 100</source>
        <translation>--quality nimmt eine ganze Zahl von 0 bis 100</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--name, --author and --email may not be empty</source>
        <translation>--name, --author und --email dürfen nicht leer sein</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1: the skin name &quot;%2&quot; cannot name a skin file, so the skin cannot be installed</source>
        <translation>%1: Aus dem Skin-Namen „%2“ lässt sich kein Dateiname bilden, daher kann der Skin nicht installiert werden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: a skin the notes program accepts (&quot;%2&quot;, %3 x %4)</source>
        <translation>%1: ein Skin, den das Notizprogramm annimmt („%2“, %3 x %4)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>; notes are %1 x %2, so the picture will not fit them exactly</source>
        <translation>; Notizen sind %1 x %2 groß, das Bild passt also nicht genau</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Makes skin files (.pqs) for Pennyquill notes. Without a command it opens its window.

Commands:
  build PICTURE -o FILE.pqs --name N --author A --email E [--website W] [--quality Q]
                 stretches PICTURE to the note&apos;s size and packs it as a skin
  info FILE.pqs  prints the skin&apos;s header, one field a line, and its picture&apos;s size
  check FILE.pqs says whether the notes program accepts the skin, and why not
  extract FILE.pqs -o PICTURE.jpg
                 writes the skin&apos;s picture to a file

Exit status: 0 done, 1 a file was refused or could not be written, 2 wrong usage.</source>
        <translation>Erstellt Skin-Dateien (.pqs) für Pennyquill-Notizen. Ohne Befehl öffnet es sein Fenster.

Befehle:
  build BILD -o DATEI.pqs --name N --author A --email E [--website W] [--quality Q]
                 streckt BILD auf die Größe der Notiz und packt es als Skin
  info DATEI.pqs gibt den Kopf des Skins aus, ein Feld je Zeile, und die Größe seines Bildes
  check DATEI.pqs
                 sagt, ob das Notizprogramm den Skin annimmt, und wenn nicht, warum
  extract DATEI.pqs -o BILD.jpg
                 schreibt das Bild des Skins in eine Datei

Exit-Status: 0 erledigt, 1 eine Datei wurde abgelehnt oder konnte nicht geschrieben werden, 2 falscher Aufruf.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>build, info, check or extract</source>
        <translation>build, info, check oder extract</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file to write.</source>
        <translation>Die Datei, die geschrieben wird.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The skin&apos;s name.</source>
        <translation>Der Name des Skins.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The author&apos;s name.</source>
        <translation>Der Name des Autors.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The author&apos;s e-mail address.</source>
        <translation>Die E-Mail-Adresse des Autors.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The author&apos;s website (may be left out).</source>
        <translation>Die Website des Autors (kann fehlen).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>JPEG quality from 0 (smallest file) to 100 (best picture); 100 when left out.</source>
        <translation>JPEG-Qualität von 0 (kleinste Datei) bis 100 (bestes Bild); ohne Angabe 100.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>no command (see --help)</source>
        <translation>kein Befehl (siehe --help)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unknown command &quot;%1&quot; (see --help)</source>
        <translation>unbekannter Befehl „%1“ (siehe --help)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 takes no --%2</source>
        <translation>%1 nimmt kein --%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 takes one skin file</source>
        <translation>%1 nimmt genau eine Skin-Datei</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>extract needs -o PICTURE.jpg</source>
        <translation>extract braucht -o BILD.jpg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 takes no -o</source>
        <translation>%1 nimmt kein -o</translation>
    </message>
    <message>
        <location filename="../src/skintool/main.cpp" line="+48"/>
        <source>no display to open the window on; the commands work without one (skinsmith --help)</source>
        <translation>keine Anzeige, auf der sich das Fenster öffnen ließe; die Befehle gehen auch ohne (skinsmith --help)</translation>
    </message>
</context>
<context>
    <name>frmSkinPreview</name>
    <message>
        <location filename="../src/skintool/frmSkinPreview.cpp" line="+16"/>
        <source>Skin Preview</source>
        <translation>Skin-Vorschau</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frmSkinsmith</name>
    <message>
        <location filename="../src/skintool/frmSkinsmith.cpp" line="+59"/>
        <source>Pennyquill Skin Files (*.pqs)</source>
        <translation>Pennyquill-Skin-Dateien (*.pqs)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>All Picture Files (%1)</source>
        <translation>Alle Bilddateien (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitmaps (*.bmp *.dib)</source>
        <translation>Bitmaps (*.bmp *.dib)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gif Images (*.gif)</source>
        <translation>GIF-Bilder (*.gif)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>JPEG Images (*.jpg *.jpeg)</source>
        <translation>JPEG-Bilder (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PNG Images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Metafiles (*.wmf *.emf)</source>
        <translation>Metadateien (*.wmf *.emf)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Load your skin file and enter your information in Author Information section then click Build skin file.</source>
        <translation>Laden Sie Ihr Skin-Bild, tragen Sie Ihre Angaben unter „Autorinformationen“ ein und klicken Sie dann auf „Skin bauen“.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Pennyquill Skin Information</source>
        <translation>Angaben zum Pennyquill-Skin</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Skin name:</source>
        <translation>&amp;Skin-Name:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Load Image File</source>
        <translation>Bild&amp;datei laden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Click to enlarge preview</source>
        <translation>Klicken für eine größere Vorschau</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Co&amp;mpress image file</source>
        <translation>Bilddatei ko&amp;mprimieren</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>JPEG quality: smaller files to the left</source>
        <translation>JPEG-Qualität: kleinere Dateien nach links</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Author Information</source>
        <translation>&amp;Autorinformationen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Email:</source>
        <translation>&amp;E-Mail:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Website:</source>
        <translation>&amp;Website:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Upload your skins freely</source>
        <translation>Laden Sie Ihre Skins kostenlos hoch</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Open Skin</source>
        <translation>Skin ö&amp;ffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Build Skin</source>
        <translation>Skin &amp;bauen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Load Image File</source>
        <translation>Bilddatei laden</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error on reading image.<byte value="xd"/>
</source>
        <translation>Fehler beim Lesen des Bildes.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Please enter a name fo this skin.</source>
        <translation>Bitte geben Sie einen Namen für diesen Skin ein.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please enter your name as author of this skin.</source>
        <translation>Bitte geben Sie Ihren Namen als Autor dieses Skins ein.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please enter your email address.</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Please load a picture for this skin first.</source>
        <translation>Bitte laden Sie zuerst ein Bild für diesen Skin.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save Skin File</source>
        <translation>Skin-Datei speichern</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.<byte value="xd"/>
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> skin successfully built.</source>
        <translation> – der Skin wurde erfolgreich gebaut.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The skin was not built.<byte value="xd"/>
</source>
        <translation>Der Skin wurde nicht gebaut.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Open Skin</source>
        <translation>Skin öffnen</translation>
    </message>
</context>
<context>
    <name>skinsmith::frmSplash</name>
    <message>
        <location filename="../src/skintool/frmSplash.cpp" line="+42"/>
        <source>Skins for Pennyquill notes</source>
        <translation>Skins für Pennyquill-Notizen</translation>
    </message>
</context>
</TS>
