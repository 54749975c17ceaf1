<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Command</name>
    <message>
        <source>Install Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Mission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Battle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fix Line Ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renumber Duplicates</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Finding</name>
    <message>
        <source>The mission file {file} is not in the mission folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The battle file {file} is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The battle file {file} cannot be read: {detail}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list file cannot be read: {detail}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{file} has lines ended by a line feed alone; the game reads them as one line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{file} holds a Ctrl-Z before its end; the game stops reading there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mission file {file} is listed twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number {detail} is used twice in this list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mission {file} has no title in the neutral Combat list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title holds a line break or Ctrl-Z; it cannot be written back unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name {file} holds a line break or Ctrl-Z; it cannot be written back unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The battle file {file} names {detail} than its first line counts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No list names the mission file {file}.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No list can name the file {file}: its name has characters outside Windows-1252.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>The history of this game cannot be written in &quot;%1&quot;: %2. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its kept copy carries no digest to check it by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its kept copy is not of the size recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its kept copy is not what was kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its kept copy cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history has no entry %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry %1 is undone already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files changed since, so nothing was undone: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be put back, so nothing was undone: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (in it, or in a battle file it names)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list &quot;%1&quot; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The List File &quot;%1&quot; is one of this category&apos;s own mission lists.  Please specify a list file of its own for the battle/tournament.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The List File &quot;%1&quot; is presently in use by another battle/tournament.  Please specify a list file that is not already in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engagement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>War</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tournament Series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corrupt Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A title cannot hold a line break or the character Ctrl-Z: the game would read it differently.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A title cannot hold a line break or the character Ctrl-Z, and the title of a %1 cannot hold &quot;]&quot;: the game would read it differently.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game directory &quot;%1&quot; is in use by another Flightdeck command. Try again when it has finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its name has characters the game&apos;s lists cannot hold (they are Windows-1252 text)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a link, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mission file &quot;%1&quot; cannot be installed: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list has no %1 labelled &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mission file &quot;%1&quot; does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These missions were left out of the pack, because their files are missing: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its name would lead out of the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1, the most a file of a pack may be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged or encrypted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be extracted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not in the pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title &quot;%1&quot; holds characters the lists cannot hold: it was entered as &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out &quot;%1&quot;: it is not a plain file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out the mission &quot;%1&quot;: it has the name of a list file, which it would replace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A title of %1 bytes was cut to %2, the most a title may hold: &quot;%3&quot;...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The battle file &quot;%1&quot; of &quot;%2&quot; is already in use: it was installed as &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The battle file &quot;%1&quot; of &quot;%2&quot; is not a plain file name: it was installed as &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The installation script of the pack &quot;%1&quot; could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; was not installed: these mission files could not be extracted from it: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 mission added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 missions added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 mission added to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 missions added to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flightdeck was unable to locate the installation script for this package!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Place</name>
    <message>
        <source>Steam and its libraries, GOG&apos;s registry keys and folders, and Wine prefixes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wine prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proton prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GOG games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heroic prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBackgroundWork</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDialogPrompts</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title or mission file name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flightdeck has changed nothing in this game yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What Flightdeck changed in this game, newest first. Undo takes back the chosen change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing the pack will make these changes. Edit &gt; Undo takes them back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X-wing vs. TIE Fighter found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flightdeck found the game here. Which one shall it show?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THistoryCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taking the change back...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 taken back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  (undone)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TListController</name>
    <message>
        <source>Reading the list...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changed on disk since it was read, so nothing was written. It is shown again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changed on disk; shown again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMissionInstallCommands</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another TIE mission with the same file name already exists.  Would you like to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified TIE mission does not exist in the correct mission directory.  Would you like to place a copy in the correct directory?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mission file is in place, but no entry was added for it: select the %1 to add it to, or one of its missions, and install it again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TNumberCommands</name>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is presently using this number.  Would you like to assign the next available number (%2) to %1, and then assign the number (%3) to %4?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPackCommands</name>
    <message>
        <source>Reading the pack...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracting the missions...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaces %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list already holds %1. Add the pack&apos;s entries a second time?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; already exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting the pack&apos;s missions...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Building the pack...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pack written: %1, 1 mission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pack written: %1, %2 missions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProblemCommands</name>
    <message>
        <source>Checking the game...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 changed in %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>flightdeck::TFolderBrowseDlg</name>
    <message>
        <source>Go to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type or paste a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>flightdeck::TProblemsDialog</name>
    <message>
        <source>Make Line Ends CR LF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Missing Missions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renumber Duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flightdeck found no problems in this game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in this game. Show goes to the entry; a fix is recorded in the history, and Edit &gt; Undo takes it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>flightdeck::TixoAboutBox</name>
    <message>
        <source>The Flightdeck team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mission catalogue editor and pack installer for X-wing vs. TIE Fighter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 The Flightdeck team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to use Flightdeck (README)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The demo game to try it on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>flightdeck::TixoApplication</name>
    <message>
        <source>Unexpected error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>flightdeck::TixoFlightdeckForm</name>
    <message>
        <source>Ixo Mission Packs (*.ixo)|*.ixo|All formats...|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an Ixo Mission Pack to Install...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Package As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a TIE Mission File to Install...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X-wing vs. TIE Fighter Mission files (*.tie)|*.tie|All formats...|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mission added to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to locate TIE mission file &quot;%1&quot; in %2 directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set XvT &amp;Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set your XvT Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Mission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a New XvT Mission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Mission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing XvT Mission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Selected Mission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the Selected XvT Mission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doh!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take back the last change Flightdeck made to the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make again the change last taken back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every change Flightdeck made to this game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected entry one place up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected entry one place down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single &amp;Mission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install an XvT Mission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mission &amp;Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Build Mission Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find an entry by its title or mission file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the next entry with the same text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Problems...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the whole game for broken entries and files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mission &amp;Gender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Neutral (Multiplayer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rebel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imperial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;Campaign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;War</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;Battle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Tournament &amp;Series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;Tournament...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add / Install &amp;Mission...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Mission &amp;Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Mission P&amp;ack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install a single XvT Mission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install an Ixo Mission Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Mission Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neutral (Multiplayer) missions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebel missions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imperial missions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Melee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tournaments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Mission #:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Mission Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Mission File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next available mission number is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next available campaign number is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next available battle number is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next available tournament number is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folder where X-wing vs. TIE Fighter is installed:
File &gt; Set XvT Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game found (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select your &quot;X-wing vs. TIE Fighter&quot; directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified path for &quot;X-wing vs. TIE Fighter&quot; is invalid, please select another path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify a New List File to store Mission References in...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X-wing vs. TIE Fighter List files   (*.lst)|*.lst|All formats...|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &quot;%1&quot; is the first of its group already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &quot;%1&quot; is the last of its group already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &quot;%1&quot; cannot move past &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching for games…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game was found in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>       Tour #:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      Mission #:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Tournament #:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next #: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BuildMissionTreeView:  Unrecognized list file item!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (mission file):  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in this list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>flightdeck::TixoPackDialog</name>
    <message>
        <source>Pack List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
