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
