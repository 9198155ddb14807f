<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AlarmWhen</name>
    <message>
        <location filename="../src/alarms/AlarmWhen.cpp" line="+133"/>
        <source>missed: </source>
        <translation>verpasst: </translation>
    </message>
    <message>
        <location line="+50"/>
        <source> tomorrow</source>
        <translation> morgen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> yesterday</source>
        <translation> gestern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> on </source>
        <translation> am </translation>
    </message>
    <message>
        <location line="+17"/>
        <source>every day</source>
        <translation>jeden Tag</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>every weekday</source>
        <translation>jeden Werktag</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>every %1</source>
        <translation>jeden %1</translation>
    </message>
</context>
<context>
    <name>BmpToJpeg</name>
    <message>
        <location filename="../src/skins/BmpToJpeg.cpp" line="+29"/>
        <source>The picture %1 cannot be read: %2</source>
        <translation>Das Bild %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+5"/>
        <location line="+5"/>
        <source>The file %1 cannot be written: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/main.cpp" line="+128"/>
        <source>Pennyquill is not running.</source>
        <translation>Pennyquill läuft nicht.</translation>
    </message>
    <message>
        <location filename="../src/shell/CommandLine.cpp" line="+46"/>
        <source>Makes a new note holding the text of FILE (plain text, RTF or Markdown).</source>
        <translation>Legt eine neue Notiz mit dem Text aus FILE an (reiner Text, RTF oder Markdown).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Makes a new note; the words after the options, if any, are its text ([TEXT]).</source>
        <translation>Legt eine neue Notiz an; die Wörter nach den Optionen, falls vorhanden, sind ihr Text ([TEXT]).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shows every note.</source>
        <translation>Zeigt alle Notizen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hides every note of the running Pennyquill.</source>
        <translation>Verbirgt alle Notizen des laufenden Pennyquill.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hides every note when one is shown, else shows them all.</source>
        <translation>Verbirgt alle Notizen, wenn eine zu sehen ist, und zeigt sonst alle.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Saves the notes and ends the running Pennyquill.</source>
        <translation>Speichert die Notizen und beendet das laufende Pennyquill.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opens the list of notes, to find one.</source>
        <translation>Öffnet die Liste der Notizen, um eine zu finden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Imports notes: the words after the options are &quot;xpad&quot; (xpad&apos;s notes), &quot;sticky&quot; (Sticky Notes&apos; file) or files (text, Markdown, RTF, HTML; a .json file is read as Sticky Notes&apos;, a folder as xpad&apos;s), one note each.</source>
        <translation>Importiert Notizen: Die Wörter nach den Optionen sind „xpad“ (die Notizen von xpad), „sticky“ (die Datei von Sticky Notes) oder Dateien (Text, Markdown, RTF, HTML; eine .json-Datei wird als die von Sticky Notes gelesen, ein Ordner als der von xpad), je eine Notiz.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Sticky notes for the desktop. Given a skin file (.pqs), installs it and shows it on a new note. The other options ask a running Pennyquill (started first when there is none, except for --hide and --quit).</source>
        <translation>Notizzettel für die Arbeitsfläche. Mit einer Skin-Datei (.pqs) wird der Skin installiert und auf einer neuen Notiz gezeigt. Die übrigen Optionen bitten ein laufendes Pennyquill darum (läuft keines, wird es erst gestartet, außer bei --hide und --quit).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shows this help and ends.</source>
        <translation>Zeigt diese Hilfe und endet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shows the version and ends.</source>
        <translation>Zeigt die Version und endet.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>With --new TEXT: an alarm on all of the note&apos;s text, at TIME (09:30, or 9:30 PM).</source>
        <translation>Mit --new TEXT: ein Alarm auf dem ganzen Text der Notiz, um TIME (09:30 oder 9:30 PM).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --alarm: the day (today, tomorrow, a weekday such as monday, or YYYY-MM-DD); without it, the next time the clock shows TIME.</source>
        <translation>Mit --alarm: der Tag (today, tomorrow, ein englischer Wochentag wie monday oder JJJJ-MM-TT); ohne ihn das nächste Mal, zu dem die Uhr TIME zeigt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --alarm: once (the default), daily, weekdays or weekly.</source>
        <translation>Mit --alarm: once (einmal, die Vorgabe), daily (täglich), weekdays (werktags) oder weekly (wöchentlich).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A skin file to install.</source>
        <translation>Eine Skin-Datei, die installiert werden soll.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Try &apos;pennyquill --help&apos;.</source>
        <translation>Siehe „pennyquill --help“.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>--import needs xpad, sticky or files. Try &apos;pennyquill --help&apos;.</source>
        <translation>--import braucht xpad, sticky oder Dateien. Siehe „pennyquill --help“.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--quit and a new note cannot be given together.</source>
        <translation>--quit und eine neue Notiz können nicht zusammen angegeben werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cannot be given together.</source>
        <translation>%1 können nicht zusammen angegeben werden.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>--date and --repeat need --alarm.</source>
        <translation>--date und --repeat brauchen --alarm.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--alarm needs --new TEXT.</source>
        <translation>--alarm braucht --new TEXT.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>&quot;%1&quot; is too large for a note (at most %2 MB).</source>
        <translation>„%1“ ist zu groß für eine Notiz (höchstens %2 MB).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>„%1“ gibt es nicht.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>„%1“ ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>„%1“ ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot be read (%2).</source>
        <translation>„%1“ kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; does not hold text.</source>
        <translation>„%1“ enthält keinen Text.</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <location filename="../src/shell/CommandRunner.cpp" line="+144"/>
        <source> skin successfully added to Pennyquill.</source>
        <translation> wurde Pennyquill als Skin hinzugefügt.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the notes could not be saved (%1); Pennyquill keeps running.</source>
        <translation>die Notizen konnten nicht gespeichert werden (%1); Pennyquill läuft weiter.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <location filename="../src/find/FindBar.cpp" line="+42"/>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Replace with</source>
        <translation>Ersetzen durch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous (Shift+F3)</source>
        <translation>Vorheriger Treffer (Umschalt+F3)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next (F3)</source>
        <translation>Nächster Treffer (F3)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close (Esc)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Replace this match</source>
        <translation>Diesen Treffer ersetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Replace all matches</source>
        <translation>Alle Treffer ersetzen</translation>
    </message>
    <message>
        <location line="+191"/>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 found</source>
        <translation>%1 gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 replaced</source>
        <translation>%1 ersetzt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, 1 in an alarm mark left alone</source>
        <translation>, 1 in einer Alarmmarke unverändert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, %1 in alarm marks left alone</source>
        <translation>, %1 in Alarmmarken unverändert</translation>
    </message>
</context>
<context>
    <name>LogonEntry</name>
    <message>
        <location filename="../src/platform/LogonEntry.cpp" line="+34"/>
        <source>&amp;Run Pennyquill when Windows starts.</source>
        <translation>Pennyquill mit &amp;Windows starten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Run Pennyquill when I log in.</source>
        <translation>Pennyquill beim Anmel&amp;den starten.</translation>
    </message>
</context>
<context>
    <name>NoteDesktop</name>
    <message>
        <location filename="../src/notes/NoteDesktop.cpp" line="+101"/>
        <source>Your desktop does not let a program show a window on every workspace.</source>
        <translation>Ihre Arbeitsumgebung lässt ein Programm kein Fenster auf allen Arbeitsflächen zeigen.</translation>
    </message>
</context>
<context>
    <name>NoteExporter</name>
    <message>
        <location filename="../src/transfer/NoteExporter.cpp" line="+251"/>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>NoteFileReader</name>
    <message>
        <location filename="../src/transfer/NoteFileReader.cpp" line="+97"/>
        <source>Only the first %1 files were read.</source>
        <translation>Nur die ersten %1 Dateien wurden gelesen.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Files that are not UTF-8 were read as Latin-1 (&quot;%1&quot;).</source>
        <translation>Dateien, die nicht in UTF-8 vorliegen, wurden als Latin-1 gelesen („%1“).</translation>
    </message>
</context>
<context>
    <name>NoteImporter</name>
    <message>
        <location filename="../src/transfer/NoteImporter.cpp" line="+37"/>
        <source>1 note</source>
        <translation>1 Notiz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 notes</source>
        <translation>%1 Notizen</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>%1 of the %2 notes to import are here already with the same text (imported before?).

Import them again?

Yes: import every note. No: import only the others. Cancel: import nothing.</source>
        <translation>%1 der %2 zu importierenden Notizen sind mit demselben Text schon vorhanden (früher importiert?).

Erneut importieren?

Ja: jede Notiz importieren. Nein: nur die übrigen importieren. Abbrechen: nichts importieren.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Nothing was imported.</source>
        <translation>Es wurde nichts importiert.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>  %1 from %2</source>
        <translation>  %1 aus %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>  %1 already here left out</source>
        <translation>  %1 schon vorhanden und ausgelassen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 not imported: at most %2 notes are imported at a time. Import the same source again and answer No to bring in the rest.</source>
        <translation>%1 nicht importiert: Es werden höchstens %2 Notizen auf einmal importiert. Importieren Sie dieselbe Quelle noch einmal und antworten Sie mit Nein, um den Rest zu holen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Imported %1:
</source>
        <translation>Importiert: %1
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nothing was imported.
</source>
        <translation>Es wurde nichts importiert.
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>

Not carried over:
- </source>
        <translation>

Nicht übernommen:
- </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>

Problems:
- </source>
        <translation>

Probleme:
- </translation>
    </message>
</context>
<context>
    <name>NoteMenus</name>
    <message>
        <location filename="../src/notes/NoteMenus.cpp" line="+33"/>
        <source>||&amp;New Note</source>
        <translation>||&amp;Neue Notiz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>||&amp;Minimize</source>
        <translation>||&amp;Minimieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+61"/>
        <source>(#)|A|&amp;Always On Top</source>
        <translation>(#)|A|Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <location line="-60"/>
        <source>(#)|W|On All &amp;Workspaces</source>
        <translation>(#)|W|Auf allen Arbeits&amp;flächen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(-)Saving</source>
        <translation>(-)Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>||&amp;Save As...</source>
        <translation>||Speichern &amp;unter...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>||&amp;Options...</source>
        <translation>||&amp;Einstellungen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>||Change &amp;Skin...</source>
        <translation>||S&amp;kin wechseln...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>||&amp;Alarm</source>
        <translation>||&amp;Alarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Set Alarm</source>
        <translation>Alarm &amp;stellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+38"/>
        <source>&amp;Remove Alarm</source>
        <translation>Alarm ent&amp;fernen</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+84"/>
        <source>&amp;Font</source>
        <translation>&amp;Schrift</translation>
    </message>
    <message>
        <location line="-83"/>
        <source>(#)|B|&amp;Bold</source>
        <translation>(#)|B|&amp;Fett</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(#)|I|&amp;Italic</source>
        <translation>(#)|I|&amp;Kursiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(#)|U|&amp;Underline</source>
        <translation>(#)|U|&amp;Unterstrichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(#)|S|&amp;Strikethrough</source>
        <translation>(#)|S|&amp;Durchgestrichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(#)|B|&amp;Bullet</source>
        <translation>(#)|B|&amp;Aufzählung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Color...</source>
        <translation>Fa&amp;rbe...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Font...</source>
        <translation>&amp;Schriftart...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(-)Others</source>
        <translation>(-)Sonstiges</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+43"/>
        <source>&amp;About...</source>
        <translation>&amp;Info...</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+43"/>
        <location line="+29"/>
        <source>&amp;Help</source>
        <translation>Hil&amp;fe</translation>
    </message>
    <message>
        <location line="-71"/>
        <source>Visit &amp;Corvane Website...</source>
        <translation>&amp;Corvane-Website besuchen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Pennyquill On The Web...</source>
        <translation>&amp;Pennyquill im Web...</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <location line="+8"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+3"/>
        <source>&amp;Hide</source>
        <translation>Aus&amp;blenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set &amp;Alarm</source>
        <translation>Alar&amp;m stellen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Select All</source>
        <translation>Alles a&amp;uswählen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+40"/>
        <source>&amp;New Note</source>
        <translation>&amp;Neue Notiz</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>&amp;Show All Notes</source>
        <translation>Alle Notizen &amp;zeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hide All Notes</source>
        <translation>Alle Notizen ver&amp;stecken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Minimize All Notes</source>
        <translation>Alle Notizen &amp;minimieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Restore All Notes</source>
        <translation>Alle Notizen wieder&amp;herstellen</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+33"/>
        <source>&amp;Options...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Change &amp;Skin...</source>
        <translation>S&amp;kin wechseln...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A&amp;larms...</source>
        <translation>A&amp;larme...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Visit Corvane Website</source>
        <translation>Corvane-Website besuchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pennyquill On The Web</source>
        <translation>Pennyquill im Web</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No&amp;tes…</source>
        <translation>No&amp;tizen…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Import Notes...</source>
        <translation>Notizen im&amp;portieren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export All Notes...</source>
        <translation>Alle Notizen e&amp;xportieren...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>On &amp;Web</source>
        <translation>Im &amp;Web</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Save As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
</context>
<context>
    <name>NoteSaveAs</name>
    <message>
        <location filename="../src/notes/NoteSaveAs.cpp" line="+30"/>
        <source>Rich Text Format (*.RTF)</source>
        <translation>Rich Text Format (*.RTF)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Text Document (*.txt)</source>
        <translation>Textdokument (*.txt)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+26"/>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>&quot;%1&quot; is a symbolic link. Notes are never saved through a link: please choose another name.</source>
        <translation>„%1“ ist eine symbolische Verknüpfung. Notizen werden nie über eine Verknüpfung gespeichert: Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>„%1“ ist bereits vorhanden.<byte value="xd"/>
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>: a folder stands there</source>
        <translation>: dort steht ein Ordner</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The note could not be saved as &quot;%1&quot;: %2
The note itself is unchanged.</source>
        <translation>Die Notiz konnte nicht als „%1“ gespeichert werden: %2
Die Notiz selbst ist unverändert.</translation>
    </message>
</context>
<context>
    <name>NoteSpelling</name>
    <message>
        <location filename="../src/spell/NoteSpelling.cpp" line="+198"/>
        <source>Add to Dictionary</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ignore All</source>
        <translation>Alle ignorieren</translation>
    </message>
</context>
<context>
    <name>NotesListModel</name>
    <message>
        <location filename="../src/find/NotesListModel.cpp" line="+48"/>
        <source>(empty note)</source>
        <translation>(leere Notiz)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>has alarms</source>
        <translation>hat Alarme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>hidden</source>
        <translation>ausgeblendet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>shrunk to a bullet</source>
        <translation>zum Punkt verkleinert</translation>
    </message>
</context>
<context>
    <name>NotesSync</name>
    <message>
        <location filename="../src/shell/NotesSync.cpp" line="+56"/>
        <source>(empty note)</source>
        <translation>(leere Notiz)</translation>
    </message>
    <message>
        <location line="+286"/>
        <source>&quot;%1&quot; (this computer) and &quot;%2&quot; (the other computer)</source>
        <translation>„%1“ (dieser Computer) und „%2“ (der andere Computer)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>These notes were changed on this computer and on another one at the same time. Both versions are kept, side by side:

%1</source>
        <translation>Diese Notizen wurden auf diesem Computer und gleichzeitig auf einem anderen geändert. Beide Fassungen bleiben erhalten, nebeneinander:

%1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The files of your notes were changed from outside and cannot be read. They were kept as &quot;%1&quot;; the notes shown here are saved again.</source>
        <translation>Die Dateien Ihrer Notizen wurden von außen geändert und lassen sich nicht lesen. Sie wurden als „%1“ aufbewahrt; die hier gezeigten Notizen werden neu gespeichert.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>A copy of your notes made by the program that keeps your folders in step cannot be read, so nothing was taken from it. It was kept as &quot;%1&quot;.</source>
        <translation>Eine Kopie Ihrer Notizen, die das Programm zum Abgleich Ihrer Ordner angelegt hat, lässt sich nicht lesen; daher wurde nichts daraus übernommen. Sie wurde als „%1“ aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>ReminderRequest</name>
    <message>
        <location filename="../src/alarms/ReminderRequest.cpp" line="+34"/>
        <source>&apos;%1&apos; is not a date (today, tomorrow, a weekday or YYYY-MM-DD)</source>
        <translation>„%1“ ist kein Tag (today, tomorrow, ein englischer Wochentag wie monday oder JJJJ-MM-TT)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&apos;%1&apos; is too far ahead</source>
        <translation>„%1“ liegt zu weit in der Zukunft</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the note&apos;s text is empty</source>
        <translation>der Text der Notiz ist leer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the text cannot contain &quot;%1&quot;</source>
        <translation>der Text darf „%1“ nicht enthalten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is not a time (HH:MM, or H:MM AM/PM)</source>
        <translation>„%1“ ist keine Uhrzeit (HH:MM oder H:MM AM/PM)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is not a repeat (once, daily, weekdays or weekly)</source>
        <translation>„%1“ ist keine Wiederholung (once, daily, weekdays oder weekly)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 is in the past</source>
        <translation>%1 liegt in der Vergangenheit</translation>
    </message>
</context>
<context>
    <name>SessionFile</name>
    <message>
        <location filename="../src/shell/SessionFile.cpp" line="+531"/>
        <source>Your notes could not be read from their files, so they were brought back from the last good copy (&quot;%1&quot;).</source>
        <translation>Ihre Notizen konnten nicht aus ihren Dateien gelesen werden und wurden daher aus der letzten guten Kopie („%1“) wiederhergestellt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Some of your notes could not be read: their files are damaged.</source>
        <translation>Einige Ihrer Notizen konnten nicht gelesen werden: Ihre Dateien sind beschädigt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> The files found were kept as &quot;%1&quot;.</source>
        <translation> Die gefundenen Dateien wurden als „%1“ aufbewahrt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> The newest backup of your notes is &quot;%1&quot;.</source>
        <translation> Die neueste Sicherung Ihrer Notizen ist „%1“.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The folder for the notes cannot be made.</source>
        <translation>Der Ordner für die Notizen kann nicht angelegt werden.</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>: a folder stands there</source>
        <translation>: dort steht ein Ordner</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <location filename="../src/platform/SingleInstance.cpp" line="+83"/>
        <source>The lock file &quot;%1&quot; cannot be made (%2).</source>
        <translation>Die Sperrdatei „%1“ kann nicht angelegt werden (%2).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no permission to write its folder</source>
        <translation>keine Schreibberechtigung für ihren Ordner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its folder is missing or unusable</source>
        <translation>ihr Ordner fehlt oder ist unbrauchbar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Later starts cannot reach this one (%1).</source>
        <translation>Spätere Starts können dieses Programm nicht erreichen (%1).</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Pennyquill is already running but cannot be reached (%1).</source>
        <translation>Pennyquill läuft bereits, ist aber nicht erreichbar (%1).</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Pennyquill is already running but does not answer.</source>
        <translation>Pennyquill läuft bereits, antwortet aber nicht.</translation>
    </message>
</context>
<context>
    <name>SkinInstaller</name>
    <message>
        <location filename="../src/skins/SkinInstaller.cpp" line="+29"/>
        <source>The skin &quot;%1&quot; cannot be installed: its name cannot be used as a file name.</source>
        <translation>Der Skin „%1“ kann nicht installiert werden: Sein Name taugt nicht als Dateiname.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The skin &quot;%1&quot; could not be copied into the skins folder:<byte value="xd"/>
%2</source>
        <translation>Der Skin „%1“ konnte nicht in den Skin-Ordner kopiert werden:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>SkinReader</name>
    <message>
        <location filename="../src/skins/SkinReader.cpp" line="+14"/>
        <source>Error reading skin file</source>
        <translation>Fehler beim Lesen der Skin-Datei</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>This file is not a Pennyquill skin.</source>
        <translation>Diese Datei ist kein Pennyquill-Skin.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The version of this skin is different from the version you have installed on your computer.</source>
        <translation>Die Version dieses Skins unterscheidet sich von der auf Ihrem Computer installierten Version.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Error reading skin file.<byte value="xd"/>
The skin file is damaged or not in the right format.</source>
        <translation>Fehler beim Lesen der Skin-Datei.<byte value="xd"/>
Die Skin-Datei ist beschädigt oder hat nicht das richtige Format.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Error reading skin file.<byte value="xd"/>
The picture in the skin file is damaged or not a picture.</source>
        <translation>Fehler beim Lesen der Skin-Datei.<byte value="xd"/>
Das Bild in der Skin-Datei ist beschädigt oder kein Bild.</translation>
    </message>
</context>
<context>
    <name>SpellChecker</name>
    <message>
        <location filename="../src/spell/SpellChecker.cpp" line="+113"/>
        <source>Enchant could not be started.</source>
        <translation>Enchant konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The dictionary for &quot;%1&quot; could not be opened</source>
        <translation>Das Wörterbuch für „%1“ konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The dictionary failed.</source>
        <translation>Das Wörterbuch hat versagt.</translation>
    </message>
</context>
<context>
    <name>Spelling</name>
    <message>
        <location filename="../src/spell/Spelling.cpp" line="+17"/>
        <source>Spelling is not checked until Pennyquill starts again or you choose another language in the options.

</source>
        <translation>Die Rechtschreibung wird erst wieder geprüft, wenn Pennyquill neu startet oder Sie in den Einstellungen eine andere Sprache wählen.

</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Enchant offers no dictionary.</source>
        <translation>Enchant bietet kein Wörterbuch an.</translation>
    </message>
</context>
<context>
    <name>SpellingOptions</name>
    <message>
        <location filename="../src/spell/SpellingOptions.cpp" line="+28"/>
        <source>Spelling</source>
        <translation>Rechtschreibung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check s&amp;pelling as I type</source>
        <translation>&amp;Rechtschreibung beim Tippen prüfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Language:</source>
        <translation>S&amp;prache:</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../src/shell/Startup.cpp" line="+31"/>
        <source>On &amp;Web</source>
        <translation>Im &amp;Web</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your settings could not be read from &quot;%1&quot;, so Pennyquill runs on its default settings and leaves that file as it is. Settings changed now last until Pennyquill ends.</source>
        <translation>Ihre Einstellungen konnten nicht aus „%1“ gelesen werden. Pennyquill läuft daher mit den Standardeinstellungen und lässt die Datei, wie sie ist. Jetzt geänderte Einstellungen gelten, bis Pennyquill endet.</translation>
    </message>
</context>
<context>
    <name>StickyReader</name>
    <message>
        <location filename="../src/transfer/StickyReader.cpp" line="+121"/>
        <source>Sticky Notes&apos; &quot;%1&quot; format.</source>
        <translation>Das Format „%1“ von Sticky Notes.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The Sticky Notes file &quot;%1&quot; was not read: %2.</source>
        <translation>Die Sticky-Notes-Datei „%1“ wurde nicht gelesen: %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The Sticky Notes file &quot;%1&quot; is damaged (%2); nothing was imported.</source>
        <translation>Die Sticky-Notes-Datei „%1“ ist beschädigt (%2); es wurde nichts importiert.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Only the first %1 Sticky Notes were read.</source>
        <translation>Nur die ersten %1 Sticky Notes wurden gelesen.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>The colour &quot;%1&quot;.</source>
        <translation>Die Farbe „%1“.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sizes: a Pennyquill note has the size of its skin.</source>
        <translation>Größen: Eine Pennyquill-Notiz hat die Größe ihres Skins.</translation>
    </message>
</context>
<context>
    <name>XpadReader</name>
    <message>
        <location filename="../src/transfer/XpadReader.cpp" line="+66"/>
        <source>There are no xpad notes: the folder &quot;%1&quot; does not exist.</source>
        <translation>Es gibt keine xpad-Notizen: Der Ordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>There are no xpad notes in &quot;%1&quot;.</source>
        <translation>In „%1“ gibt es keine xpad-Notizen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Only the first %1 xpad notes were read.</source>
        <translation>Nur die ersten %1 xpad-Notizen wurden gelesen.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The xpad note &quot;%1&quot; was not read: %2.</source>
        <translation>Die xpad-Notiz „%1“ wurde nicht gelesen: %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The xpad note &quot;%1&quot; names no text file of its own.</source>
        <translation>Die xpad-Notiz „%1“ nennt keine eigene Textdatei.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The text of the xpad note &quot;%1&quot; was not read: %2.</source>
        <translation>Der Text der xpad-Notiz „%1“ wurde nicht gelesen: %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Some xpad texts were not UTF-8 and were read as Latin-1.</source>
        <translation>Einige xpad-Texte lagen nicht in UTF-8 vor und wurden als Latin-1 gelesen.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Sizes: a Pennyquill note has the size of its skin.</source>
        <translation>Größen: Eine Pennyquill-Notiz hat die Größe ihres Skins.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fonts of single notes: the text keeps Pennyquill&apos;s font.</source>
        <translation>Schriften einzelner Notizen: Der Text behält die Schrift von Pennyquill.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../src/about/frmAbout.cpp" line="+61"/>
        <source>About %1...</source>
        <translation>Über %1...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source> Version %1</source>
        <translation> Version %1</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Support information</source>
        <translation>&amp;Support-Informationen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 %2 © %3. All rights reserved.</source>
        <translation>%1 %2 © %3. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Warning: this program is protected by copyright law and international treaties. Unauthorised copying of it, or of any part of it, will be prosecuted.</source>
        <translation>Warnung: Dieses Programm ist durch Urheberrecht und internationale Verträge geschützt. Unerlaubtes Kopieren des Programms oder eines Teils davon wird verfolgt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The %1 logo and %2 are trademarks of %1.</source>
        <translation>Das %1-Logo und %2 sind Marken von %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Visit %1 at %2 for our other software.</source>
        <translation>Besuchen Sie %1 unter %2 für unsere weitere Software.</translation>
    </message>
</context>
<context>
    <name>frmAlarmList</name>
    <message>
        <location filename="../src/alarms/frmAlarmList.cpp" line="+48"/>
        <source>Alarms</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Next due</source>
        <translation>Nächste Fälligkeit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Repeat</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Marked words</source>
        <translation>Markierte Wörter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>now (alert open)</source>
        <translation>jetzt (Alarmfenster offen)</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>You cannot clear the alarm set to this text because the alart window for this text is now shown, you can Dismissed or Snooz it from its alart window.</source>
        <translation>Der Alarm dieses Texts kann nicht entfernt werden, weil sein Alarmfenster gerade offen ist. Sie können ihn dort als erledigt schließen oder schlummern lassen.</translation>
    </message>
</context>
<context>
    <name>frmAlarmSet</name>
    <message>
        <location filename="../src/alarms/frmAlarmSet.cpp" line="+55"/>
        <source>Hour must be numeric and between 1 - 12</source>
        <translation>Die Stunde muss eine Zahl zwischen 1 und 12 sein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minute must be numeric and between 0 - 59</source>
        <translation>Die Minute muss eine Zahl zwischen 0 und 59 sein</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Alarm Set</source>
        <translation>Alarm stellen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Set Alarm</source>
        <translation>Alarm stellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time:</source>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Today, tomorrow or a day of the coming week</source>
        <translation>Heute, morgen oder ein Tag der kommenden Woche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fast Date</source>
        <translation>Schnelles Datum</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Repeat:</source>
        <translation>&amp;Wiederholen:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show following message:</source>
        <translation>Folgende Meldung zeigen:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alarm for 10:30 PM</source>
        <translation>Alarm für 10:30 PM</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play system beep</source>
        <translation>Systemton abspielen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play following sound file:</source>
        <translation>Folgende Tondatei abspielen:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Cancel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Fast Select </source>
        <translation>&amp;Schnellwahl </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Fast Selet</source>
        <translation>Schnellwahl</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>1 Minute Later</source>
        <translation>1 Minute später</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2 Minutes Later</source>
        <translation>2 Minuten später</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3 Minutes Later</source>
        <translation>3 Minuten später</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5 Minutes Later</source>
        <translation>5 Minuten später</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>10 Minutes Later</source>
        <translation>10 Minuten später</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>15 Minutes Later</source>
        <translation>15 Minuten später</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>20 Minutes Later</source>
        <translation>20 Minuten später</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30 Minutes Later</source>
        <translation>30 Minuten später</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>45 Minutes Later</source>
        <translation>45 Minuten später</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 Hour Later</source>
        <translation>1 Stunde später</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>&amp;Today</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To&amp;morrow</source>
        <translation>&amp;Morgen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Once</source>
        <translation>Einmal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Every day</source>
        <translation>Jeden Tag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Every weekday</source>
        <translation>Jeden Werktag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every week on %1</source>
        <translation>Jede Woche am %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Sound files (*.wav)</source>
        <translation>Tondateien (*.wav)</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Please enter a message for this alert.</source>
        <translation>Bitte geben Sie eine Meldung für diesen Alarm ein.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please choose a sound file for this alert.</source>
        <translation>Bitte wählen Sie eine Tondatei für diesen Alarm.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The message cannot contain &quot;%1&quot;. Please change it.</source>
        <translation>Die Meldung darf „%1“ nicht enthalten. Bitte ändern Sie sie.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The sound file path cannot contain &quot;%1&quot;. Please choose another file.</source>
        <translation>Der Pfad der Tondatei darf „%1“ nicht enthalten. Bitte wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The time you chose is in the past.</source>
        <translation>Die gewählte Zeit liegt in der Vergangenheit.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>

Set the alarm for %1 tomorrow instead?</source>
        <translation>

Den Alarm stattdessen für morgen %1 stellen?</translation>
    </message>
</context>
<context>
    <name>frmAlert</name>
    <message>
        <location filename="../src/alarms/frmAlert.cpp" line="+67"/>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>alarm lights</source>
        <translation>Alarmlichter</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Dismiss</source>
        <translation>&amp;Erledigt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Snooze</source>
        <translation>&amp;Schlummern</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>1 Minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2 Minutes</source>
        <translation>2 Minuten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3 Minutes</source>
        <translation>3 Minuten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5 Minutes</source>
        <translation>5 Minuten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>10 Minutes</source>
        <translation>10 Minuten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>15 Minutes</source>
        <translation>15 Minuten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>20 Minutes</source>
        <translation>20 Minuten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30 Minutes</source>
        <translation>30 Minuten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>45 Minutes</source>
        <translation>45 Minuten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 Hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <location line="+59"/>
        <source> alarm</source>
        <translation>-Alarm</translation>
    </message>
</context>
<context>
    <name>frmAlertList</name>
    <message>
        <location filename="../src/alarms/frmAlertList.cpp" line="+28"/>
        <source>Alarms</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Snooz</source>
        <translation>&amp;Schlummern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Dismiss</source>
        <translation>&amp;Erledigt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Snooz</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 Hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 Minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <location line="+49"/>
        <source> alarm</source>
        <translation>-Alarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>More alarms are due than windows are opened for: they are listed in one window.</source>
        <translation>Es sind mehr Alarme fällig, als Fenster geöffnet werden: Sie stehen gesammelt in einem Fenster.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 more alarms are due. Dismiss or snooze the ones you select; closing this window snoozes those left for %2 minutes.</source>
        <translation>%1 weitere Alarme sind fällig. Erledigen Sie die gewählten oder lassen Sie sie schlummern; beim Schließen dieses Fensters schlummern die übrigen %2 Minuten.</translation>
    </message>
</context>
<context>
    <name>frmEnterTip</name>
    <message>
        <location filename="../src/tips/frmEnterTip.cpp" line="+17"/>
        <source>Enter Tip Text</source>
        <translation>Tipptext eingeben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enter a Tip Text</source>
        <translation>Geben Sie einen Tipptext ein</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmExport</name>
    <message>
        <location filename="../src/transfer/frmExport.cpp" line="+29"/>
        <source>
  and %1 more</source>
        <translation>
  und %1 weitere</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+59"/>
        <source>Export All Notes</source>
        <translation>Alle Notizen exportieren</translation>
    </message>
    <message>
        <location line="-58"/>
        <source>One &amp;Markdown file per note</source>
        <translation>Eine &amp;Markdown-Datei pro Notiz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One &amp;HTML file per note</source>
        <translation>Eine &amp;HTML-Datei pro Notiz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One &amp;RTF file per note</source>
        <translation>Eine &amp;RTF-Datei pro Notiz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All notes in one printable HTML &amp;file</source>
        <translation>Alle Notizen in einer druckbaren HTML-&amp;Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All notes in one &amp;PDF file</source>
        <translation>Alle Notizen in einer &amp;PDF-Datei</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Browse...</source>
        <translation>Dur&amp;chsuchen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>F&amp;older:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Files per note are named after the note&apos;s first line; index.html lists them with their alarms.</source>
        <translation>Dateien pro Notiz heißen nach der ersten Zeile der Notiz; index.html listet sie mit ihren Alarmen auf.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Please choose the folder to export to.</source>
        <translation>Bitte wählen Sie den Ordner für den Export.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>These files are in &quot;%1&quot; already:
%2

Replace them?</source>
        <translation>Diese Dateien sind bereits in „%1“:
%2

Sollen sie ersetzt werden?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The export stopped: %1</source>
        <translation>Der Export wurde abgebrochen: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>

Written before that:
</source>
        <translation>

Zuvor geschrieben:
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 notes exported to &quot;%2&quot;.</source>
        <translation>%1 Notizen nach „%2“ exportiert.</translation>
    </message>
</context>
<context>
    <name>frmImport</name>
    <message>
        <location filename="../src/transfer/frmImport.cpp" line="+19"/>
        <location line="+54"/>
        <source>Import Notes</source>
        <translation>Notizen importieren</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>Bring notes in from another notes program or from files.
Each becomes a Pennyquill note, where it stood when that is known.</source>
        <translation>Übernimmt Notizen aus einem anderen Notizprogramm oder aus Dateien.
Jede wird eine Pennyquill-Notiz, an ihrem alten Platz, wenn er bekannt ist.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;xpad notes (%1)</source>
        <translation>&amp;xpad-Notizen (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sticky Notes of Linux Mint (%1)</source>
        <translation>&amp;Sticky Notes von Linux Mint (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Files: text, Markdown, RTF or HTML, one note each...</source>
        <translation>&amp;Dateien: Text, Markdown, RTF oder HTML, je eine Notiz...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Notes (*.txt *.text *.md *.markdown *.rtf *.html *.htm)</source>
        <translation>Notizen (*.txt *.text *.md *.markdown *.rtf *.html *.htm)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>frmNote</name>
    <message>
        <location filename="../src/notes/frmNote.cpp" line="+69"/>
        <source>Alarm set to this text at </source>
        <translation>Alarm für diesen Text um </translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strikethrough</source>
        <translation>Durchgestrichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+395"/>
        <source>Bullet</source>
        <translation>Aufzählung</translation>
    </message>
    <message>
        <location line="-393"/>
        <source>Set Alarm For Selected Text</source>
        <translation>Alarm für den markierten Text stellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Alarm</source>
        <translation>Alarm entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimize Note</source>
        <translation>Notiz minimieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Note</source>
        <translation>Notiz ausblenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Note</source>
        <translation>Notiz löschen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <location line="+748"/>
        <source>Delete current note?</source>
        <translation>Diese Notiz löschen?</translation>
    </message>
    <message>
        <location line="+131"/>
        <source>Good morning </source>
        <translation>Guten Morgen </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Good evening </source>
        <translation>Guten Abend </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Good night </source>
        <translation>Gute Nacht </translation>
    </message>
    <message>
        <location line="+207"/>
        <source>You cannot edit this text because an alarm is set to it. To remove alarm right click on it and choose &apos;Remove Alarm&apos;.</source>
        <translation>Dieser Text kann nicht bearbeitet werden, weil ein Alarm auf ihm liegt. Um den Alarm zu entfernen, klicken Sie mit der rechten Maustaste darauf und wählen „Alarm entfernen“.</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>&apos;[&apos; and &apos;]&apos; are preserved characters and cannot be type in the note box.</source>
        <translation>„[“ und „]“ sind reservierte Zeichen und können in der Notiz nicht getippt werden.</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Please select a text that you want set an alarm to it.</source>
        <translation>Bitte markieren Sie den Text, für den Sie einen Alarm stellen möchten.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The text you selected is already an alarm. Please clear the alarm set to it by right clicking on it and choose &apos;Clear Alarm&apos; from menu and then try again</source>
        <translation>Der markierte Text hat bereits einen Alarm. Bitte entfernen Sie ihn zuerst (rechte Maustaste, „Alarm entfernen“) und versuchen Sie es dann erneut</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>You cannot clear the alarm set to this text because the alart window for this text is now shown, you can Dismissed or Snooz it from its alart window.</source>
        <translation>Der Alarm dieses Texts kann nicht entfernt werden, weil sein Alarmfenster gerade offen ist. Sie können ihn dort als erledigt schließen oder schlummern lassen.</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>Notes will be lost. Is it OK?</source>
        <translation>Die Notizen gehen verloren. Einverstanden?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Jotwell clearing</source>
        <translation>Jotwell leeren</translation>
    </message>
</context>
<context>
    <name>frmNotesList</name>
    <message>
        <location filename="../src/find/frmNotesList.cpp" line="+31"/>
        <source>Notes - </source>
        <translation>Notizen - </translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Search all notes</source>
        <translation>Alle Notizen durchsuchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>%1 notes</source>
        <translation>%1 Notizen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2 notes</source>
        <translation>%1 von %2 Notizen</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <location filename="../src/tips/frmOptions.cpp" line="+46"/>
        <source>Show a new Tip Text every %1 minutes.</source>
        <translation>Alle %1 Minuten einen neuen Tipptext zeigen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please enter a numeric value between 1 to 99 for Tip cycle show.</source>
        <translation>Bitte geben Sie für den Tipptext-Abstand eine Zahl von 1 bis 99 ein.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please enter a name for user name.</source>
        <translation>Bitte geben Sie einen Benutzernamen ein.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+78"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location line="-77"/>
        <location line="+120"/>
        <source>Tip Text</source>
        <translation>Tipptext</translation>
    </message>
    <message>
        <location line="-115"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Type your &amp;name below. Pennyquill uses this name for greetings</source>
        <translation>Geben Sie unten Ihren &amp;Namen ein. Pennyquill begrüßt Sie damit</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Show my notes when Pennyquill starts.</source>
        <translation>Meine Notizen beim &amp;Start von Pennyquill zeigen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show notes in the &amp;taskbar.</source>
        <translation>Notizen in der &amp;Taskleiste zeigen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show notes on all &amp;workspaces.</source>
        <translation>Notizen auf allen &amp;Arbeitsflächen zeigen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Your desktop does not let a program choose this.</source>
        <translation>Ihre Arbeitsumgebung lässt ein Programm dies nicht wählen.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Click Add TipText button to add a new Tip Text. These texts will be shown in the period set in below.</source>
        <translation>Mit „Hinzufügen“ legen Sie einen neuen Tipptext an. Die Texte werden im unten eingestellten Abstand gezeigt.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Add </source>
        <translation>&amp;Hinzufügen </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Show Tip Text</source>
        <translation>Tipptext zeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tip Text Behavior</source>
        <translation>Verhalten der Tipptexte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Tip Text randomly.</source>
        <translation>Tipptexte in zufälliger Reihenfolge zeigen.</translation>
    </message>
    <message>
        <location line="+302"/>
        <source>Pennyquill could not be set to start when you log on.</source>
        <translation>Pennyquill konnte nicht für den Start bei der Anmeldung eingetragen werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pennyquill could not be kept from starting when you log on.</source>
        <translation>Der Start von Pennyquill bei der Anmeldung konnte nicht abgestellt werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your options could not be saved. Please check that the folder &quot;%1&quot; can be written to.</source>
        <translation>Ihre Einstellungen konnten nicht gespeichert werden. Bitte prüfen Sie, ob in den Ordner „%1“ geschrieben werden kann.</translation>
    </message>
</context>
<context>
    <name>frmSkins</name>
    <message>
        <location filename="../src/skins/frmSkins.cpp" line="+35"/>
        <source>Skin name : </source>
        <translation>Skin-Name : </translation>
    </message>
    <message>
        <location line="+1"/>
        <source><byte value="xd"/>
Author : </source>
        <translation><byte value="xd"/>
Autor : </translation>
    </message>
    <message>
        <location line="+1"/>
        <source><byte value="xd"/>
Email : </source>
        <translation><byte value="xd"/>
E-Mail : </translation>
    </message>
    <message>
        <location line="+1"/>
        <source><byte value="xd"/>
Website : </source>
        <translation><byte value="xd"/>
Website : </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Select Skin</source>
        <translation>Skin auswählen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Available Skins:</source>
        <translation>Verfügbare Skins:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Change skin of &amp;all notes</source>
        <translation>Skin &amp;aller Notizen ändern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Changing Skin...</source>
        <translation>Skin wird gewechselt...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Get More Skins</source>
        <translation>Weitere Skins holen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <location filename="../src/shell/frmSplash.cpp" line="+70"/>
        <source> Version 1.0</source>
        <translation> Version 1.0</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Loading <byte value="xd"/>
Notes...<byte value="xd"/>
</source>
        <translation>Notizen <byte value="xd"/>
werden geladen...<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+315"/>
        <source>All &amp;Notes</source>
        <translation>Alle Noti&amp;zen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Your desktop has no notification area, so Pennyquill shows no tray icon.

The tray&apos;s commands (New Note, Show All Notes, Options, Exit and the others) are in every note&apos;s menu, under &quot;All Notes&quot;. Start Pennyquill again (from the menu or a terminal) to show every note, hidden ones too.</source>
        <translation>Ihre Arbeitsumgebung hat keinen Benachrichtigungsbereich, daher zeigt Pennyquill kein Symbol dort.

Dessen Befehle (Neue Notiz, Alle Notizen zeigen, Einstellungen, Beenden und die übrigen) stehen im Menü jeder Notiz unter „Alle Notizen“. Starten Sie Pennyquill erneut (aus dem Menü oder einem Terminal), um jede Notiz zu zeigen, auch ausgeblendete.</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Your notes could not be saved (%1). If Pennyquill ends now, the changes since the last save are lost.

End Pennyquill anyway?</source>
        <translation>Ihre Notizen konnten nicht gespeichert werden (%1). Wenn Pennyquill jetzt endet, gehen die Änderungen seit dem letzten Speichern verloren.

Pennyquill trotzdem beenden?</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Your notes are saved again.</source>
        <translation>Ihre Notizen werden wieder gespeichert.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your notes could not be saved (%1). The last saved copy is unchanged; Pennyquill will try again after your next change.</source>
        <translation>Ihre Notizen konnten nicht gespeichert werden (%1). Die zuletzt gespeicherte Kopie ist unverändert; Pennyquill versucht es nach Ihrer nächsten Änderung erneut.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Sticky notes by </source>
        <translation>Haftnotizen von </translation>
    </message>
</context>
<context>
    <name>frmSupport</name>
    <message>
        <location filename="../src/about/frmSupport.cpp" line="+49"/>
        <source>Support information</source>
        <translation>Support-Informationen</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>If you have any comment or questions, feel free to email us via following address:</source>
        <translation>Wenn Sie Anmerkungen oder Fragen haben, schreiben Sie uns gern an folgende Adresse:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Our support team will answer your emails within one day or two.</source>
        <translation>Unser Support-Team beantwortet Ihre E-Mails innerhalb von ein bis zwei Tagen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Visit %1 online for latest news and FAQs. You can subscribe yourself to our mailing list to receive our newsletter that contains special offers, news, updates, product reviews, tip and tricks about %1 and our other software.</source>
        <translation>Besuchen Sie %1 im Netz für Neuigkeiten und häufige Fragen. Sie können unsere Mailingliste abonnieren und erhalten dann unseren Newsletter mit Sonderangeboten, Neuigkeiten, Updates, Produktberichten sowie Tipps und Tricks zu %1 und unserer weiteren Software.</translation>
    </message>
</context>
</TS>
