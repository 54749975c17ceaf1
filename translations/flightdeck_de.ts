<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Category</name>
    <message>
        <source>Battles</source>
        <translation>Schlachten</translation>
    </message>
    <message>
        <source>Combat</source>
        <translation>Kampf</translation>
    </message>
    <message>
        <source>Melee</source>
        <translation>Nahkampf</translation>
    </message>
    <message>
        <source>Tournaments</source>
        <translation>Turniere</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Training</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Install Pack</source>
        <translation>Paket installieren</translation>
    </message>
    <message>
        <source>Install Mission</source>
        <translation>Mission installieren</translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation>Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>Add Battle</source>
        <translation>Schlacht hinzufügen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Umnummerieren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Fix Line Ends</source>
        <translation>Zeilenenden korrigieren</translation>
    </message>
    <message>
        <source>Remove Missing</source>
        <translation>Fehlende entfernen</translation>
    </message>
    <message>
        <source>Renumber Duplicates</source>
        <translation>Doppelte umnummerieren</translation>
    </message>
    <message>
        <source>Remove Pack</source>
        <translation>Pack entfernen</translation>
    </message>
</context>
<context>
    <name>Finding</name>
    <message>
        <source>The mission file {file} is not in the mission folder.</source>
        <translation>Die Missionsdatei {file} liegt nicht im Missionsordner.</translation>
    </message>
    <message>
        <source>The battle file {file} is missing.</source>
        <translation>Die Schlachtdatei {file} fehlt.</translation>
    </message>
    <message>
        <source>The battle file {file} cannot be read: {detail}</source>
        <translation>Die Schlachtdatei {file} kann nicht gelesen werden: {detail}</translation>
    </message>
    <message>
        <source>The list file cannot be read: {detail}</source>
        <translation>Die Listendatei kann nicht gelesen werden: {detail}</translation>
    </message>
    <message>
        <source>{file} has lines ended by a line feed alone; the game reads them as one line.</source>
        <translation>{file} hat Zeilen, die nur mit einem Zeilenvorschub enden; das Spiel liest sie als eine Zeile.</translation>
    </message>
    <message>
        <source>{file} holds a Ctrl-Z before its end; the game stops reading there.</source>
        <translation>{file} enthält vor seinem Ende ein Strg-Z; dort hört das Spiel auf zu lesen.</translation>
    </message>
    <message>
        <source>The mission file {file} is listed twice.</source>
        <translation>Die Missionsdatei {file} steht zweimal in der Liste.</translation>
    </message>
    <message>
        <source>The number {detail} is used twice in this list.</source>
        <translation>Die Nummer {detail} kommt in dieser Liste zweimal vor.</translation>
    </message>
    <message>
        <source>The mission {file} has no title in the neutral Combat list.</source>
        <translation>Die Mission {file} hat keinen Titel in der neutralen Kampf-Liste.</translation>
    </message>
    <message>
        <source>The title is empty.</source>
        <translation>Der Titel ist leer.</translation>
    </message>
    <message>
        <source>The title holds a line break or Ctrl-Z; it cannot be written back unchanged.</source>
        <translation>Der Titel enthält einen Zeilenumbruch oder Strg-Z; er kann nicht unverändert zurückgeschrieben werden.</translation>
    </message>
    <message>
        <source>The file name {file} holds a line break or Ctrl-Z; it cannot be written back unchanged.</source>
        <translation>Der Dateiname {file} enthält einen Zeilenumbruch oder Strg-Z; er kann nicht unverändert zurückgeschrieben werden.</translation>
    </message>
    <message>
        <source>The battle file {file} names {detail} than its first line counts.</source>
        <translation>Die Schlachtdatei {file} nennt {detail}, als ihre erste Zeile zählt.</translation>
    </message>
    <message>
        <source>No list names the mission file {file}.</source>
        <translation>Keine Liste nennt die Missionsdatei {file}.</translation>
    </message>
    <message>
        <source>No list can name the file {file}: its name has characters outside Windows-1252.</source>
        <translation>Keine Liste kann die Datei {file} nennen: Ihr Name enthält Zeichen außerhalb von Windows-1252.</translation>
    </message>
    <message>
        <source>{file} was left by a save that was cut short; the next command that changes the game removes it.</source>
        <translation>{file} blieb von einem abgebrochenen Speichern zurück; der nächste Befehl, der das Spiel ändert, entfernt die Datei.</translation>
    </message>
    <message>
        <source>The file {file} is no mission of this game: {detail}.</source>
        <translation>Die Datei {file} ist keine Mission dieses Spiels: {detail}.</translation>
    </message>
    <message>
        <source>The mission {file} is a {detail} mission, which the game does not play in this category.</source>
        <translation>Die Mission {file} ist eine Mission der Art {detail}, die das Spiel in dieser Kategorie nicht spielt.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>The history of this game cannot be written in &quot;%1&quot;: %2. Nothing was changed.</source>
        <translation>Der Verlauf dieses Spiels kann nicht in „%1“ geschrieben werden: %2. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>its kept copy carries no digest to check it by</source>
        <translation>ihre aufbewahrte Kopie trägt keine Prüfsumme, mit der sie geprüft werden könnte</translation>
    </message>
    <message>
        <source>its kept copy is not of the size recorded</source>
        <translation>ihre aufbewahrte Kopie hat nicht die aufgezeichnete Größe</translation>
    </message>
    <message>
        <source>its kept copy is not what was kept</source>
        <translation>ihre aufbewahrte Kopie ist nicht das, was aufbewahrt wurde</translation>
    </message>
    <message>
        <source>its kept copy cannot be read: %1</source>
        <translation>ihre aufbewahrte Kopie kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>Es gibt nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <source>The history has no entry %1.</source>
        <translation>Der Verlauf hat keinen Eintrag %1.</translation>
    </message>
    <message>
        <source>Entry %1 is undone already.</source>
        <translation>Eintrag %1 ist bereits rückgängig gemacht.</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>Es gibt nichts zu wiederholen.</translation>
    </message>
    <message>
        <source>These files changed since, so nothing was undone: %1.</source>
        <translation>Diese Dateien haben sich seitdem geändert, daher wurde nichts rückgängig gemacht: %1.</translation>
    </message>
    <message>
        <source>%1 cannot be put back, so nothing was undone: %2.</source>
        <translation>%1 kann nicht zurückgelegt werden, daher wurde nichts rückgängig gemacht: %2.</translation>
    </message>
    <message>
        <source>%1 (in it, or in a battle file it names)</source>
        <translation>%1 (in ihr oder in einer Schlachtdatei, die sie nennt)</translation>
    </message>
    <message>
        <source>The list &quot;%1&quot; cannot be read: %2</source>
        <translation>Die Liste „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The List File &quot;%1&quot; is one of this category&apos;s own mission lists.  Please specify a list file of its own for the battle/tournament.</source>
        <translation>Die Listendatei „%1“ ist eine der Missionslisten dieser Kategorie.  Bitte geben Sie für die Schlacht/das Turnier eine eigene Listendatei an.</translation>
    </message>
    <message>
        <source>The List File &quot;%1&quot; is presently in use by another battle/tournament.  Please specify a list file that is not already in use.</source>
        <translation>Die Listendatei „%1“ wird bereits von einer anderen Schlacht/einem anderen Turnier benutzt.  Bitte geben Sie eine Listendatei an, die noch nicht benutzt wird.</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>Kampagne</translation>
    </message>
    <message>
        <source>Engagement</source>
        <translation>Gefecht</translation>
    </message>
    <message>
        <source>War</source>
        <translation>Krieg</translation>
    </message>
    <message>
        <source>Battle</source>
        <translation>Schlacht</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>Tournament Series</source>
        <translation>Turnierserie</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Turnier</translation>
    </message>
    <message>
        <source>Contest</source>
        <translation>Wettkampf</translation>
    </message>
    <message>
        <source>Corrupt Entry</source>
        <translation>Beschädigter Eintrag</translation>
    </message>
    <message>
        <source>A title cannot hold a line break or the character Ctrl-Z: the game would read it differently.</source>
        <translation>Ein Titel kann keinen Zeilenumbruch und kein Strg-Z enthalten: Das Spiel würde ihn anders lesen.</translation>
    </message>
    <message>
        <source>A title cannot hold a line break or the character Ctrl-Z, and the title of a %1 cannot hold &quot;]&quot;: the game would read it differently.</source>
        <translation>Ein Titel kann keinen Zeilenumbruch und kein Strg-Z enthalten, und der Titel eines Eintrags der Art %1 kein „]“: Das Spiel würde ihn anders lesen.</translation>
    </message>
    <message>
        <source>The game directory &quot;%1&quot; is in use by another Flightdeck command. Try again when it has finished.</source>
        <translation>Das Spielverzeichnis „%1“ wird von einem anderen Flightdeck-Befehl benutzt. Versuchen Sie es erneut, wenn er fertig ist.</translation>
    </message>
    <message>
        <source>its name has characters the game&apos;s lists cannot hold (they are Windows-1252 text)</source>
        <translation>ihr Name enthält Zeichen, die die Listen des Spiels nicht fassen können (sie sind Windows-1252-Text)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;</source>
        <translation>%1: „%2“</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Dateizugriff verweigert</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Is a folder, not a file</source>
        <translation>Ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>Is a link, not a file</source>
        <translation>Ist eine Verknüpfung, keine Datei</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The mission file &quot;%1&quot; cannot be installed: %2.</source>
        <translation>Die Missionsdatei „%1“ kann nicht installiert werden: %2.</translation>
    </message>
    <message>
        <source>the list has no %1 labelled &quot;%2&quot;</source>
        <translation>die Liste hat keinen Eintrag der Art %1 mit der Bezeichnung „%2“</translation>
    </message>
    <message>
        <source>the mission file &quot;%1&quot; does not exist</source>
        <translation>die Missionsdatei „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>These missions were left out of the pack, because their files are missing: %1.</source>
        <translation>Diese Missionen wurden im Paket ausgelassen, weil ihre Dateien fehlen: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a pack</source>
        <translation>„%1“ ist ein Ordner, kein Paket</translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; could not be written: %2</source>
        <translation>Das Paket „%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>its name would lead out of the folder</source>
        <translation>ihr Name würde aus dem Ordner hinausführen</translation>
    </message>
    <message>
        <source>it is larger than %1, the most a file of a pack may be</source>
        <translation>sie ist größer als %1, die Höchstgröße einer Datei eines Pakets</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>sie ist eine Verknüpfung</translation>
    </message>
    <message>
        <source>it is damaged or encrypted</source>
        <translation>sie ist beschädigt oder verschlüsselt</translation>
    </message>
    <message>
        <source>it could not be extracted</source>
        <translation>sie konnte nicht entpackt werden</translation>
    </message>
    <message>
        <source>it is not in the pack</source>
        <translation>sie ist nicht im Paket</translation>
    </message>
    <message>
        <source>The title &quot;%1&quot; holds characters the lists cannot hold: it was entered as &quot;%2&quot;.</source>
        <translation>Der Titel „%1“ enthält Zeichen, die die Listen nicht fassen können: Er wurde als „%2“ eingetragen.</translation>
    </message>
    <message>
        <source>Left out &quot;%1&quot;: it is not a plain file name.</source>
        <translation>„%1“ ausgelassen: Das ist kein einfacher Dateiname.</translation>
    </message>
    <message>
        <source>Left out the mission &quot;%1&quot;: it has the name of a list file, which it would replace.</source>
        <translation>Die Mission „%1“ ausgelassen: Sie trägt den Namen einer Listendatei, die sie ersetzen würde.</translation>
    </message>
    <message>
        <source>A title of %1 bytes was cut to %2, the most a title may hold: &quot;%3&quot;...</source>
        <translation>Ein Titel von %1 Bytes wurde auf %2 gekürzt, die Höchstlänge eines Titels: „%3“...</translation>
    </message>
    <message>
        <source>The battle file &quot;%1&quot; of &quot;%2&quot; is already in use: it was installed as &quot;%3&quot;.</source>
        <translation>Die Schlachtdatei „%1“ von „%2“ wird bereits benutzt: Sie wurde als „%3“ installiert.</translation>
    </message>
    <message>
        <source>The battle file &quot;%1&quot; of &quot;%2&quot; is not a plain file name: it was installed as &quot;%3&quot;.</source>
        <translation>Die Schlachtdatei „%1“ von „%2“ ist kein einfacher Dateiname: Sie wurde als „%3“ installiert.</translation>
    </message>
    <message>
        <source>The installation script of the pack &quot;%1&quot; could not be read: %2.</source>
        <translation>Das Installationsskript des Pakets „%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>„%1“ (%2)</translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; was not installed: these mission files could not be extracted from it: %2.</source>
        <translation>Das Paket „%1“ wurde nicht installiert: Diese Missionsdateien konnten nicht entpackt werden: %2.</translation>
    </message>
    <message>
        <source>1 mission added</source>
        <translation>1 Mission hinzugefügt</translation>
    </message>
    <message>
        <source>%1 missions added</source>
        <translation>%1 Missionen hinzugefügt</translation>
    </message>
    <message>
        <source>1 mission added to %1</source>
        <translation>1 Mission zu %1 hinzugefügt</translation>
    </message>
    <message>
        <source>%1 missions added to %2</source>
        <translation>%1 Missionen zu %2 hinzugefügt</translation>
    </message>
    <message>
        <source>Flightdeck was unable to locate the installation script for this package!</source>
        <translation>Flightdeck konnte das Installationsskript dieses Pakets nicht finden!</translation>
    </message>
    <message>
        <source>its record cannot be read</source>
        <translation>sein Protokoll kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the game folder is not the one it changed</source>
        <translation>der Spielordner ist nicht der, den er geändert hat</translation>
    </message>
    <message>
        <source>%1 changed since</source>
        <translation>%1 hat sich seitdem geändert</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>It stays in &quot;%1&quot;, which could not be set aside: %2; nothing was changed.</source>
        <translation>Er bleibt in „%1“, das nicht beiseitegelegt werden konnte: %2; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>It is kept in &quot;%1&quot;; nothing was changed.</source>
        <translation>Er wird in „%1“ aufbewahrt; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Entry %1 of the history holds the last number an entry can have. %2</source>
        <translation>Eintrag %1 des Verlaufs trägt die letzte Nummer, die ein Eintrag haben kann. %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>command %1</source>
        <translation>Befehl %1</translation>
    </message>
    <message>
        <source>The interrupted %1 could not be finished: %2. %3</source>
        <translation>Der unterbrochene Befehl %1 konnte nicht abgeschlossen werden: %2. %3</translation>
    </message>
    <message>
        <source>%1 is no longer in the folder it was written in</source>
        <translation>%1 liegt nicht mehr in dem Ordner, in den es geschrieben wurde</translation>
    </message>
    <message>
        <source>These files are no longer in the folder the command wrote them in, so nothing was undone: %1.</source>
        <translation>Diese Dateien liegen nicht mehr in dem Ordner, in den der Befehl sie schrieb, daher wurde nichts rückgängig gemacht: %1.</translation>
    </message>
    <message>
        <source>The list &quot;%1&quot; cannot be written: %2. Nothing was changed.</source>
        <translation>Die Liste „%1“ kann nicht geschrieben werden: %2. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>No temporary folder can be made in &quot;%1&quot;: %2.</source>
        <translation>In „%1“ kann kein temporärer Ordner angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; was not installed: %2.</source>
        <translation>Das Paket „%1“ wurde nicht installiert: %2.</translation>
    </message>
    <message>
        <source>it names nothing to install (a script names its entries in lines ended by CR LF)</source>
        <translation>es nennt nichts zu Installierendes (ein Skript nennt seine Einträge in Zeilen, die mit CR LF enden)</translation>
    </message>
    <message>
        <source>Entry %1 (%2) was passed over: an earlier version recorded it without what undoing it needs.</source>
        <translation>Eintrag %1 (%2) wurde übergangen: eine frühere Version hat ihn ohne das aufgezeichnet, was sein Rückgängigmachen braucht.</translation>
    </message>
    <message>
        <source>not a mission file</source>
        <translation>keine Missionsdatei</translation>
    </message>
    <message>
        <source>cut short: %1 of at least %2 bytes</source>
        <translation>abgeschnitten: %1 von mindestens %2 Bytes</translation>
    </message>
    <message>
        <source>cut short: %1 of %2 bytes</source>
        <translation>abgeschnitten: %1 von %2 Bytes</translation>
    </message>
    <message>
        <source>larger than %1, the most a mission may be</source>
        <translation>größer als %1, das Höchstmaß einer Mission</translation>
    </message>
    <message>
        <source>a TIE Fighter mission (an earlier game)</source>
        <translation>eine TIE-Fighter-Mission (ein älteres Spiel)</translation>
    </message>
    <message>
        <source>%1 bytes too long</source>
        <translation>%1 Bytes zu lang</translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; was not installed: these files of it are no missions of this game: %2.</source>
        <translation>Das Paket „%1“ wurde nicht installiert: diese seiner Dateien sind keine Missionen dieses Spiels: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no mission of this game (%2); installed all the same.</source>
        <translation>„%1“ ist keine Mission dieses Spiels (%2); trotzdem installiert.</translation>
    </message>
    <message>
        <source>Entry %1 of the history is not the install of a pack.</source>
        <translation>Eintrag %1 des Verlaufs ist nicht die Installation eines Packs.</translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; is not installed: its install was undone.</source>
        <translation>Das Pack „%1“ ist nicht installiert: Seine Installation wurde rückgängig gemacht.</translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; was taken out already.</source>
        <translation>Das Pack „%1“ wurde schon entfernt.</translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; was installed before Flightdeck kept a record of what a pack adds, or its record is damaged, so it cannot be taken out on its own. Undo its install, or remove its entries.</source>
        <translation>Das Pack „%1“ wurde installiert, bevor Flightdeck festhielt, was ein Pack hinzufügt, oder seine Aufzeichnung ist beschädigt; es kann daher nicht für sich entfernt werden. Machen Sie seine Installation rückgängig oder entfernen Sie seine Einträge.</translation>
    </message>
    <message>
        <source>it is no longer in the folder the pack wrote it in</source>
        <translation>sie liegt nicht mehr in dem Ordner, in den das Pack sie schrieb</translation>
    </message>
    <message>
        <source>it changed since the pack wrote it</source>
        <translation>sie wurde geändert, seit das Pack sie schrieb</translation>
    </message>
    <message>
        <source>an entry of the lists names it still</source>
        <translation>ein Eintrag der Listen nennt sie noch</translation>
    </message>
    <message>
        <source>and %1 more files</source>
        <translation>und %1 weitere Dateien</translation>
    </message>
</context>
<context>
    <name>Mission</name>
    <message>
        <source>training</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>unknown type</source>
        <translation>unbekannte Art</translation>
    </message>
    <message>
        <source>melee</source>
        <translation>Nahkampf</translation>
    </message>
    <message>
        <source>multiplayer training</source>
        <translation>Mehrspieler-Training</translation>
    </message>
    <message>
        <source>multiplayer combat</source>
        <translation>Mehrspieler-Kampf</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Balance of Power (the expansion)</source>
        <translation>Balance of Power (die Erweiterung)</translation>
    </message>
    <message>
        <source>No mission of this game: %1</source>
        <translation>Keine Mission dieses Spiels: %1</translation>
    </message>
    <message>
        <source>Mission: %1</source>
        <translation>Mission: %1</translation>
    </message>
    <message>
        <source>Flight groups: %1, messages: %2</source>
        <translation>Fluggruppen: %1, Nachrichten: %2</translation>
    </message>
    <message>
        <source>Teams: %1</source>
        <translation>Teams: %1</translation>
    </message>
    <message>
        <source>Flown by players: %1</source>
        <translation>Von Spielern geflogen: %1</translation>
    </message>
    <message>
        <source>After success:</source>
        <translation>Nach Erfolg:</translation>
    </message>
    <message>
        <source>After failure:</source>
        <translation>Nach Fehlschlag:</translation>
    </message>
</context>
<context>
    <name>Place</name>
    <message>
        <source>Steam and its libraries, GOG&apos;s registry keys and folders, and Wine prefixes</source>
        <translation>Steam und seinen Bibliotheken, den Registrierungsschlüsseln und Ordnern von GOG und den Wine-Präfixen</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>Wine prefix</source>
        <translation>Wine-Präfix</translation>
    </message>
    <message>
        <source>Wine</source>
        <translation>Wine</translation>
    </message>
    <message>
        <source>Steam games</source>
        <translation>Steam-Spiele</translation>
    </message>
    <message>
        <source>Proton prefix</source>
        <translation>Proton-Präfix</translation>
    </message>
    <message>
        <source>GOG games</source>
        <translation>GOG-Spiele</translation>
    </message>
    <message>
        <source>Heroic prefix</source>
        <translation>Heroic-Präfix</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Bottle</translation>
    </message>
    <message>
        <source>Steam (also Flatpak&apos;s and Snap&apos;s) with its libraries and Proton prefixes, Wine prefixes ($WINEPREFIX, ~/.wine), Heroic and Lutris (~/Games and the games they list) and Bottles (also Flatpak&apos;s)</source>
        <translation>Steam (auch als Flatpak und Snap) mit seinen Bibliotheken und Proton-Präfixen, Wine-Präfixen ($WINEPREFIX, ~/.wine), Heroic und Lutris (~/Games und die Spiele, die sie auflisten) und Bottles (auch als Flatpak)</translation>
    </message>
    <message>
        <source>Heroic games</source>
        <translation>Heroic-Spiele</translation>
    </message>
</context>
<context>
    <name>Side</name>
    <message>
        <source>Neutral (Multiplayer)</source>
        <translation>Neutral (Mehrspieler)</translation>
    </message>
    <message>
        <source>Rebel</source>
        <translation>Rebellen</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperium</translation>
    </message>
</context>
<context>
    <name>TBackgroundWork</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The window closes when this is done.</source>
        <translation>Das Fenster schließt sich, wenn dies beendet ist.</translation>
    </message>
</context>
<context>
    <name>TDialogPrompts</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Title or mission file name:</source>
        <translation>Titel oder Name der Missionsdatei:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Flightdeck has changed nothing in this game yet.</source>
        <translation>Flightdeck hat in diesem Spiel noch nichts geändert.</translation>
    </message>
    <message>
        <source>What Flightdeck changed in this game, newest first. Undo takes back the chosen change.</source>
        <translation>Was Flightdeck in diesem Spiel geändert hat, das Neueste zuerst. Rückgängig nimmt die gewählte Änderung zurück.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Install %1</source>
        <translation>%1 installieren</translation>
    </message>
    <message>
        <source>Installing the pack will make these changes. Edit &gt; Undo takes them back.</source>
        <translation>Das Installieren des Pakets nimmt diese Änderungen vor. Bearbeiten &gt; Rückgängig nimmt sie zurück.</translation>
    </message>
    <message>
        <source>Another folder...</source>
        <translation>Anderer Ordner...</translation>
    </message>
    <message>
        <source>X-wing vs. TIE Fighter found</source>
        <translation>X-wing vs. TIE Fighter gefunden</translation>
    </message>
    <message>
        <source>Flightdeck found the game here. Which one shall it show?</source>
        <translation>Flightdeck hat das Spiel hier gefunden. Welches soll es zeigen?</translation>
    </message>
    <message>
        <source>The manual (README.md) is not installed with this copy of Flightdeck.</source>
        <translation>Das Handbuch (README.md) ist mit dieser Kopie von Flightdeck nicht installiert.</translation>
    </message>
    <message>
        <source>Nothing on this system opens &quot;%1&quot;.</source>
        <translation>Nichts auf diesem System öffnet „%1“.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Kategorie:</translation>
    </message>
    <message>
        <source>&amp;Side:</source>
        <translation>&amp;Seite:</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installieren</translation>
    </message>
    <message>
        <source>Mission %1</source>
        <translation>Mission %1</translation>
    </message>
    <message>
        <source>Mission</source>
        <translation>Mission</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Install &amp;Again</source>
        <translation>&amp;Nochmals installieren</translation>
    </message>
    <message>
        <source>What the pack says about itself</source>
        <translation>Was das Pack über sich sagt</translation>
    </message>
</context>
<context>
    <name>THistoryCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Taking the change back...</source>
        <translation>Die Änderung wird zurückgenommen...</translation>
    </message>
    <message>
        <source>%1 taken back</source>
        <translation>%1 zurückgenommen</translation>
    </message>
    <message>
        <source>  (undone)</source>
        <translation>  (rückgängig gemacht)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Take back the last change Flightdeck made to the game</source>
        <translation>Die letzte Änderung zurücknehmen, die Flightdeck am Spiel vorgenommen hat</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Make again the change last taken back</source>
        <translation>Die zuletzt zurückgenommene Änderung erneut vornehmen</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>Every change Flightdeck made to this game</source>
        <translation>Jede Änderung, die Flightdeck an diesem Spiel vorgenommen hat</translation>
    </message>
</context>
<context>
    <name>TListController</name>
    <message>
        <source>Reading the list...</source>
        <translation>Die Liste wird gelesen...</translation>
    </message>
    <message>
        <source>%1 changed on disk since it was read, so nothing was written. It is shown again.</source>
        <translation>%1 hat sich auf dem Datenträger geändert, seit es gelesen wurde, daher wurde nichts geschrieben. Es wird neu angezeigt.</translation>
    </message>
    <message>
        <source>%1 changed on disk; shown again</source>
        <translation>%1 auf dem Datenträger geändert; neu angezeigt</translation>
    </message>
    <message>
        <source>The game folder &quot;%1&quot; is gone, or no longer holds the game&apos;s folders. Choose it again with File &gt; Set XvT Directory.</source>
        <translation>Der Spielordner „%1“ ist nicht mehr da oder enthält die Ordner des Spiels nicht mehr. Wählen Sie ihn erneut mit Datei &gt; XvT-Verzeichnis festlegen.</translation>
    </message>
</context>
<context>
    <name>TMissionInstallCommands</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Another TIE mission with the same file name already exists.  Would you like to replace it?</source>
        <translation>Eine andere TIE-Mission mit demselben Dateinamen existiert bereits.  Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>The specified TIE mission does not exist in the correct mission directory.  Would you like to place a copy in the correct directory?</source>
        <translation>Die angegebene TIE-Mission liegt nicht im richtigen Missionsverzeichnis.  Möchten Sie eine Kopie in das richtige Verzeichnis legen?</translation>
    </message>
    <message>
        <source>The mission file is in place, but no entry was added for it: select the %1 to add it to, or one of its missions, and install it again.</source>
        <translation>Die Missionsdatei liegt an ihrem Platz, aber es wurde kein Eintrag für sie hinzugefügt: Wählen Sie den Eintrag der Art %1, zu dem sie hinzugefügt werden soll, oder eine seiner Missionen, und installieren Sie sie erneut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no mission of X-wing vs. TIE Fighter: %2. Install it anyway?</source>
        <translation>„%1“ ist keine Mission von X-wing vs. TIE Fighter: %2. Trotzdem installieren?</translation>
    </message>
</context>
<context>
    <name>TNumberCommands</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>%1 is presently using this number.  Would you like to assign the next available number (%2) to %1, and then assign the number (%3) to %4?</source>
        <translation>%1 benutzt diese Nummer bereits.  Möchten Sie %1 die nächste freie Nummer (%2) geben und danach %4 die Nummer (%3)?</translation>
    </message>
</context>
<context>
    <name>TPackCommands</name>
    <message>
        <source>Reading the pack...</source>
        <translation>Das Paket wird gelesen...</translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; cannot be read: %2</source>
        <translation>Das Paket „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Extracting the missions...</source>
        <translation>Die Missionen werden entpackt...</translation>
    </message>
    <message>
        <source>Replaces %1</source>
        <translation>Ersetzt %1</translation>
    </message>
    <message>
        <source>Adds %1</source>
        <translation>Fügt %1 hinzu</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>The list already holds %1. Add the pack&apos;s entries a second time?</source>
        <translation>Die Liste enthält bereits %1. Die Einträge des Pakets ein zweites Mal hinzufügen?</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; already exists. Replace it?</source>
        <translation>Das Paket „%1“ existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>Collecting the pack&apos;s missions...</source>
        <translation>Die Missionen des Pakets werden gesammelt...</translation>
    </message>
    <message>
        <source>Building the pack...</source>
        <translation>Das Paket wird erstellt...</translation>
    </message>
    <message>
        <source>Pack written: %1, 1 mission</source>
        <translation>Paket geschrieben: %1, 1 Mission</translation>
    </message>
    <message>
        <source>Pack written: %1, %2 missions</source>
        <translation>Paket geschrieben: %1, %2 Missionen</translation>
    </message>
    <message>
        <source>Installing the pack was cancelled; nothing was changed.</source>
        <translation>Die Installation des Pakets wurde abgebrochen; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Building the pack was cancelled; nothing was written.</source>
        <translation>Das Erstellen des Pakets wurde abgebrochen; nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <translation>%1 „%2“</translation>
    </message>
    <message>
        <source>No mission of this game: %1 (%2)</source>
        <translation>Keine Mission dieses Spiels: %1 (%2)</translation>
    </message>
    <message>
        <source>These files of the pack are no missions of X-wing vs. TIE Fighter: %1. Install them anyway?</source>
        <translation>Diese Dateien des Pakets sind keine Missionen von X-wing vs. TIE Fighter: %1. Trotzdem installieren?</translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot;, installed %2, is another copy or version of this one. Replace takes it out and installs this one in its place; Install Again installs this one beside it.</source>
        <translation>Das Pack „%1“, installiert %2, ist eine andere Kopie oder Version dieses Packs. Ersetzen entfernt es und installiert dieses an seiner Stelle; Nochmals installieren installiert dieses daneben.</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installiert</translation>
    </message>
    <message>
        <source>Changed since</source>
        <translation>Seitdem geändert</translation>
    </message>
    <message>
        <source>Partly removed</source>
        <translation>Teilweise entfernt</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Entfernt</translation>
    </message>
    <message>
        <source>Not recorded</source>
        <translation>Nicht aufgezeichnet</translation>
    </message>
    <message>
        <source>, %1</source>
        <translation>, %1</translation>
    </message>
    <message>
        <source>Pack taken out: %1</source>
        <translation>Pack entfernt: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Take the pack &quot;%1&quot; out? It takes %2 entries out of the lists, removes %3 files and puts back %4 files it replaced.</source>
        <translation>Das Pack „%1“ entfernen? Es nimmt %2 Einträge aus den Listen, löscht %3 Dateien und stellt %4 Dateien wieder her, die es ersetzt hat.</translation>
    </message>
    <message>
        <source>These files stay as they are: %1.</source>
        <translation>Diese Dateien bleiben, wie sie sind: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Remove Pack</source>
        <translation>Pack entfernen</translation>
    </message>
    <message>
        <source>Edit &gt; Undo takes it back.</source>
        <translation>Bearbeiten &gt; Rückgängig nimmt es zurück.</translation>
    </message>
</context>
<context>
    <name>TProblemCommands</name>
    <message>
        <source>Checking the game...</source>
        <translation>Das Spiel wird geprüft...</translation>
    </message>
    <message>
        <source>%1: %2 changed in %3</source>
        <translation>%1: %2 geändert in %3</translation>
    </message>
    <message>
        <source>&amp;Problems...</source>
        <translation>&amp;Probleme...</translation>
    </message>
    <message>
        <source>Check the whole game for broken entries and files</source>
        <translation>Das ganze Spiel auf defekte Einträge und Dateien prüfen</translation>
    </message>
</context>
<context>
    <name>flightdeck::TFolderBrowseDlg</name>
    <message>
        <source>Go to...</source>
        <translation>Gehe zu...</translation>
    </message>
    <message>
        <source>Type or paste a folder</source>
        <translation>Ordner eingeben oder einfügen</translation>
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
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Orte</translation>
    </message>
</context>
<context>
    <name>flightdeck::TInstalledPacksDialog</name>
    <message>
        <source>Installed Packs</source>
        <translation>Installierte Packs</translation>
    </message>
    <message>
        <source>No pack was installed into this game by Flightdeck.</source>
        <translation>Flightdeck hat in dieses Spiel noch kein Pack installiert.</translation>
    </message>
    <message>
        <source>The packs installed into this game, newest first. Remove takes the chosen pack out, whatever was installed after it; Edit &gt; Undo takes that back.</source>
        <translation>Die in dieses Spiel installierten Packs, das neueste zuerst. Entfernen nimmt das gewählte Pack heraus, was auch immer danach installiert wurde; Bearbeiten &gt; Rückgängig nimmt das zurück.</translation>
    </message>
    <message>
        <source>Installed packs</source>
        <translation>Installierte Packs</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installiert</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Missions</source>
        <translation>Missionen</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>What the pack says about &amp;itself:</source>
        <translation>Was das Pack über &amp;sich sagt:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Remove...</source>
        <translation>&amp;Entfernen...</translation>
    </message>
    <message>
        <source>(The pack has no description.)</source>
        <translation>(Das Pack hat keine Beschreibung.)</translation>
    </message>
</context>
<context>
    <name>flightdeck::TMissionPanel</name>
    <message>
        <source>Missions</source>
        <translation>Missionen</translation>
    </message>
    <message>
        <source>  Mission #:</source>
        <translation>  Mission Nr.:</translation>
    </message>
    <message>
        <source>Change Mission Number</source>
        <translation>Missionsnummer ändern</translation>
    </message>
    <message>
        <source>  Mission File</source>
        <translation>  Missionsdatei</translation>
    </message>
    <message>
        <source>Next Mission Number</source>
        <translation>Nächste Missionsnummer</translation>
    </message>
    <message>
        <source>Neutral (Multiplayer) missions</source>
        <translation>Neutrale Missionen (Mehrspieler)</translation>
    </message>
    <message>
        <source>Rebel missions</source>
        <translation>Missionen der Rebellen</translation>
    </message>
    <message>
        <source>Imperial missions</source>
        <translation>Missionen des Imperiums</translation>
    </message>
    <message>
        <source>&amp;Neutral (Multiplayer)</source>
        <translation>&amp;Neutral (Mehrspieler)</translation>
    </message>
    <message>
        <source>&amp;Rebel</source>
        <translation>&amp;Rebellen</translation>
    </message>
    <message>
        <source>&amp;Imperial</source>
        <translation>&amp;Imperium</translation>
    </message>
    <message>
        <source>New &amp;Campaign</source>
        <translation>Neue &amp;Kampagne</translation>
    </message>
    <message>
        <source>New &amp;War</source>
        <translation>Neuer &amp;Krieg</translation>
    </message>
    <message>
        <source>New &amp;Battle</source>
        <translation>Neue &amp;Schlacht</translation>
    </message>
    <message>
        <source>New Tournament &amp;Series</source>
        <translation>Neue Turnier&amp;serie</translation>
    </message>
    <message>
        <source>New &amp;Tournament...</source>
        <translation>Neues &amp;Turnier...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move the selected entry one place up</source>
        <translation>Den gewählten Eintrag eine Stelle nach oben verschieben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Move the selected entry one place down</source>
        <translation>Den gewählten Eintrag eine Stelle nach unten verschieben</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Finden</translation>
    </message>
    <message>
        <source>Find an entry by its title or mission file</source>
        <translation>Einen Eintrag nach Titel oder Missionsdatei suchen</translation>
    </message>
    <message>
        <source>&amp;Search Again</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Find the next entry with the same text</source>
        <translation>Den nächsten Eintrag mit demselben Text suchen</translation>
    </message>
    <message>
        <source>Specify a New List File to store Mission References in...</source>
        <translation>Neue Listendatei für die Missionsverweise angeben...</translation>
    </message>
    <message>
        <source>X-wing vs. TIE Fighter List files   (*.lst)|*.lst|All formats...|*.*</source>
        <translation>X-wing vs. TIE Fighter-Listendateien   (*.lst)|*.lst|Alle Formate...|*.*</translation>
    </message>
    <message>
        <source>Nothing was added.</source>
        <translation>Es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>Mission added to %1</source>
        <translation>Mission zu %1 hinzugefügt</translation>
    </message>
    <message>
        <source> &quot;%1&quot; is the first of its group already.</source>
        <translation> „%1“ ist bereits der erste seiner Gruppe.</translation>
    </message>
    <message>
        <source> &quot;%1&quot; is the last of its group already.</source>
        <translation> „%1“ ist bereits der letzte seiner Gruppe.</translation>
    </message>
    <message>
        <source> &quot;%1&quot; cannot move past &quot;%2&quot;.</source>
        <translation> „%1“ kann nicht an „%2“ vorbei verschoben werden.</translation>
    </message>
    <message>
        <source>BuildMissionTreeView:  Unrecognized list file item!</source>
        <translation>BuildMissionTreeView:  Unbekannter Eintrag in der Listendatei!</translation>
    </message>
    <message>
        <source> (mission file):  </source>
        <translation> (Missionsdatei):  </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in this list</source>
        <translation>„%1“ ist nicht in dieser Liste</translation>
    </message>
    <message>
        <source>       Tour #:</source>
        <translation>       Tour Nr.:</translation>
    </message>
    <message>
        <source>      Mission #:</source>
        <translation>      Mission Nr.:</translation>
    </message>
    <message>
        <source>  Tournament #:</source>
        <translation>  Turnier Nr.:</translation>
    </message>
    <message>
        <source>Next #: %1</source>
        <translation>Nächste Nr.: %1</translation>
    </message>
    <message>
        <source>The next available mission number is %1</source>
        <translation>Die nächste freie Missionsnummer ist %1</translation>
    </message>
    <message>
        <source>The next available campaign number is %1</source>
        <translation>Die nächste freie Kampagnennummer ist %1</translation>
    </message>
    <message>
        <source>The next available battle number is %1</source>
        <translation>Die nächste freie Schlachtnummer ist %1</translation>
    </message>
    <message>
        <source>The next available tournament number is %1</source>
        <translation>Die nächste freie Turniernummer ist %1</translation>
    </message>
    <message>
        <source>. It needs the Balance of Power expansion.</source>
        <translation>. Sie braucht die Erweiterung Balance of Power.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>This is a %1 mission. Install it under %2 instead?</source>
        <translation>Dies ist eine Mission der Art %1. Stattdessen unter %2 installieren?</translation>
    </message>
</context>
<context>
    <name>flightdeck::TProblemsDialog</name>
    <message>
        <source>Make Line Ends CR LF</source>
        <translation>Zeilenenden CR LF machen</translation>
    </message>
    <message>
        <source>Remove Missing Missions</source>
        <translation>Fehlende Missionen entfernen</translation>
    </message>
    <message>
        <source>Renumber Duplicates</source>
        <translation>Doppelte umnummerieren</translation>
    </message>
    <message>
        <source>Flightdeck found no problems in this game.</source>
        <translation>Flightdeck hat in diesem Spiel keine Probleme gefunden.</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 Fehler</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 Warnung</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 Warnungen</translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 Hinweis</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>%1 Hinweise</translation>
    </message>
    <message>
        <source>%1 in this game. Show goes to the entry; a fix is recorded in the history, and Edit &gt; Undo takes it back.</source>
        <translation>%1 in diesem Spiel. Zeigen springt zum Eintrag; eine Korrektur wird im Verlauf aufgezeichnet, und Bearbeiten &gt; Rückgängig nimmt sie zurück.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Korrigieren</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
</context>
<context>
    <name>flightdeck::TixoAboutBox</name>
    <message>
        <source>The Flightdeck team</source>
        <translation>Das Flightdeck-Team</translation>
    </message>
    <message>
        <source>Mission catalogue editor and pack installer for X-wing vs. TIE Fighter</source>
        <translation>Missionskatalog-Editor und Paketinstallation für X-wing vs. TIE Fighter</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Flightdeck team</source>
        <translation>Copyright © 2026 Das Flightdeck-Team</translation>
    </message>
    <message>
        <source>How to use Flightdeck (README)</source>
        <translation>So benutzen Sie Flightdeck (README)</translation>
    </message>
    <message>
        <source>The demo game to try it on</source>
        <translation>Das Demospiel zum Ausprobieren</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>flightdeck::TixoApplication</name>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
</context>
<context>
    <name>flightdeck::TixoFlightdeckForm</name>
    <message>
        <source>Ixo Mission Packs (*.ixo)|*.ixo|All formats...|*.*</source>
        <translation>Ixo-Missionspakete (*.ixo)|*.ixo|Alle Formate...|*.*</translation>
    </message>
    <message>
        <source>Select an Ixo Mission Pack to Install...</source>
        <translation>Zu installierendes Ixo-Missionspaket wählen...</translation>
    </message>
    <message>
        <source>Save Package As...</source>
        <translation>Paket speichern unter...</translation>
    </message>
    <message>
        <source>Select a TIE Mission File to Install...</source>
        <translation>Zu installierende TIE-Missionsdatei wählen...</translation>
    </message>
    <message>
        <source>X-wing vs. TIE Fighter Mission files (*.tie)|*.tie|All formats...|*.*</source>
        <translation>X-wing vs. TIE Fighter-Missionsdateien (*.tie)|*.tie|Alle Formate...|*.*</translation>
    </message>
    <message>
        <source>Unable to locate TIE mission file &quot;%1&quot; in %2 directory.</source>
        <translation>Die TIE-Missionsdatei „%1“ wurde im Verzeichnis %2 nicht gefunden.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Set XvT &amp;Directory</source>
        <translation>XvT-&amp;Verzeichnis festlegen</translation>
    </message>
    <message>
        <source>Set your XvT Directory</source>
        <translation>Ihr XvT-Verzeichnis festlegen</translation>
    </message>
    <message>
        <source>&amp;New Mission</source>
        <translation>&amp;Neue Mission</translation>
    </message>
    <message>
        <source>Create a New XvT Mission</source>
        <translation>Eine neue XvT-Mission erstellen</translation>
    </message>
    <message>
        <source>&amp;Open Mission</source>
        <translation>Mission ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open an existing XvT Mission</source>
        <translation>Eine vorhandene XvT-Mission öffnen</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Mission</source>
        <translation>Gewählte Mission &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Edit the Selected XvT Mission</source>
        <translation>Die gewählte XvT-Mission bearbeiten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Doh!</source>
        <translation>Tschüss!</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Single &amp;Mission</source>
        <translation>Einzelne &amp;Mission</translation>
    </message>
    <message>
        <source>Install an XvT Mission</source>
        <translation>Eine XvT-Mission installieren</translation>
    </message>
    <message>
        <source>Mission &amp;Pack</source>
        <translation>Missions&amp;paket</translation>
    </message>
    <message>
        <source>&amp;Build Mission Pack</source>
        <translation>Missionspaket &amp;erstellen</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Mission &amp;Gender</source>
        <translation>&amp;Missionsseite</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Add / Install &amp;Mission...</source>
        <translation>&amp;Mission hinzufügen / installieren...</translation>
    </message>
    <message>
        <source>Install Mission &amp;Pack</source>
        <translation>Missions&amp;paket installieren</translation>
    </message>
    <message>
        <source>Build Mission P&amp;ack</source>
        <translation>Missionspaket &amp;erstellen</translation>
    </message>
    <message>
        <source>Install a single XvT Mission</source>
        <translation>Eine einzelne XvT-Mission installieren</translation>
    </message>
    <message>
        <source>Install an Ixo Mission Pack</source>
        <translation>Ein Ixo-Missionspaket installieren</translation>
    </message>
    <message>
        <source>Choose the folder where X-wing vs. TIE Fighter is installed:
File &gt; Set XvT Directory</source>
        <translation>Wählen Sie den Ordner, in dem X-wing vs. TIE Fighter installiert ist:
Datei &gt; XvT-Verzeichnis festlegen</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Game found (%1)</source>
        <translation>Spiel gefunden (%1)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Select your &quot;X-wing vs. TIE Fighter&quot; directory.</source>
        <translation>Wählen Sie Ihr Verzeichnis von „X-wing vs. TIE Fighter“.</translation>
    </message>
    <message>
        <source>The specified path for &quot;X-wing vs. TIE Fighter&quot; is invalid, please select another path.</source>
        <translation>Der angegebene Pfad für „X-wing vs. TIE Fighter“ ist ungültig, bitte wählen Sie einen anderen Pfad.</translation>
    </message>
    <message>
        <source>Searching for games…</source>
        <translation>Spiele werden gesucht…</translation>
    </message>
    <message>
        <source>No game was found in %1.</source>
        <translation>In %1 wurde kein Spiel gefunden.</translation>
    </message>
    <message>
        <source>%1 cannot be installed: there is no such file.</source>
        <translation>%1 kann nicht installiert werden: Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 cannot be installed: it is a folder, not a file.</source>
        <translation>%1 kann nicht installiert werden: Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be installed: Flightdeck installs mission packs (.ixo) and mission files (.tie).</source>
        <translation>%1 kann nicht installiert werden: Flightdeck installiert Missionspakete (.ixo) und Missionsdateien (.tie).</translation>
    </message>
    <message>
        <source>%1 cannot be installed before the game&apos;s folder is chosen (File &gt; Set XvT Directory).</source>
        <translation>%1 kann erst installiert werden, wenn der Ordner des Spiels gewählt ist (Datei &gt; XvT-Verzeichnis festlegen).</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installieren</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>How to use Flightdeck</source>
        <translation>Wie man Flightdeck benutzt</translation>
    </message>
    <message>
        <source>Open a TIE Mission File...</source>
        <translation>Eine TIE-Missionsdatei öffnen...</translation>
    </message>
    <message>
        <source>I&amp;nstalled Packs...</source>
        <translation>I&amp;nstallierte Packs...</translation>
    </message>
    <message>
        <source>List the installed packs, and take one out</source>
        <translation>Die installierten Packs anzeigen und eines entfernen</translation>
    </message>
    <message>
        <source>Demo Game</source>
        <translation>Demospiel</translation>
    </message>
    <message>
        <source>The demo game lies in &quot;%1&quot;, where it cannot be changed. Copy it to &quot;%2&quot; and open the copy?</source>
        <translation>Das Demospiel liegt in &quot;%1&quot; und kann dort nicht geändert werden. Nach &quot;%2&quot; kopieren und die Kopie öffnen?</translation>
    </message>
    <message>
        <source>The demo game could not be copied: %1</source>
        <translation>Das Demospiel konnte nicht kopiert werden: %1</translation>
    </message>
</context>
<context>
    <name>flightdeck::TixoPackDialog</name>
    <message>
        <source>Pack List</source>
        <translation>Paketliste</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <source>Rebel</source>
        <translation>Rebellen</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperium</translation>
    </message>
    <message>
        <source>Build Pack</source>
        <translation>Paket erstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
