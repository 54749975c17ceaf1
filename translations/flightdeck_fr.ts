<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Category</name>
    <message>
        <source>Battles</source>
        <translation>Batailles</translation>
    </message>
    <message>
        <source>Combat</source>
        <translation>Combat</translation>
    </message>
    <message>
        <source>Melee</source>
        <translation>Mêlée</translation>
    </message>
    <message>
        <source>Tournaments</source>
        <translation>Tournois</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Entraînement</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Install Pack</source>
        <translation>Installer le pack</translation>
    </message>
    <message>
        <source>Install Mission</source>
        <translation>Installer la mission</translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation>Ajouter un groupe</translation>
    </message>
    <message>
        <source>Add Battle</source>
        <translation>Ajouter une bataille</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Renuméroter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>Fix Line Ends</source>
        <translation>Corriger les fins de ligne</translation>
    </message>
    <message>
        <source>Remove Missing</source>
        <translation>Retirer les manquantes</translation>
    </message>
    <message>
        <source>Renumber Duplicates</source>
        <translation>Renuméroter les doublons</translation>
    </message>
    <message>
        <source>Remove Pack</source>
        <translation>Retirer le pack</translation>
    </message>
</context>
<context>
    <name>Finding</name>
    <message>
        <source>The mission file {file} is not in the mission folder.</source>
        <translation>Le fichier de mission {file} n&apos;est pas dans le dossier des missions.</translation>
    </message>
    <message>
        <source>The battle file {file} is missing.</source>
        <translation>Le fichier de bataille {file} est manquant.</translation>
    </message>
    <message>
        <source>The battle file {file} cannot be read: {detail}</source>
        <translation>Le fichier de bataille {file} ne peut pas être lu : {detail}</translation>
    </message>
    <message>
        <source>The list file cannot be read: {detail}</source>
        <translation>Le fichier de liste ne peut pas être lu : {detail}</translation>
    </message>
    <message>
        <source>{file} has lines ended by a line feed alone; the game reads them as one line.</source>
        <translation>{file} a des lignes terminées par un seul saut de ligne ; le jeu les lit comme une seule ligne.</translation>
    </message>
    <message>
        <source>{file} holds a Ctrl-Z before its end; the game stops reading there.</source>
        <translation>{file} contient un Ctrl-Z avant sa fin ; le jeu arrête de lire à cet endroit.</translation>
    </message>
    <message>
        <source>The mission file {file} is listed twice.</source>
        <translation>Le fichier de mission {file} figure deux fois dans la liste.</translation>
    </message>
    <message>
        <source>The number {detail} is used twice in this list.</source>
        <translation>Le numéro {detail} est utilisé deux fois dans cette liste.</translation>
    </message>
    <message>
        <source>The mission {file} has no title in the neutral Combat list.</source>
        <translation>La mission {file} n&apos;a pas de titre dans la liste Combat neutre.</translation>
    </message>
    <message>
        <source>The title is empty.</source>
        <translation>Le titre est vide.</translation>
    </message>
    <message>
        <source>The title holds a line break or Ctrl-Z; it cannot be written back unchanged.</source>
        <translation>Le titre contient un saut de ligne ou un Ctrl-Z ; il ne peut pas être réécrit tel quel.</translation>
    </message>
    <message>
        <source>The file name {file} holds a line break or Ctrl-Z; it cannot be written back unchanged.</source>
        <translation>Le nom de fichier {file} contient un saut de ligne ou un Ctrl-Z ; il ne peut pas être réécrit tel quel.</translation>
    </message>
    <message>
        <source>The battle file {file} names {detail} than its first line counts.</source>
        <translation>Le fichier de bataille {file} nomme {detail} que ne compte sa première ligne.</translation>
    </message>
    <message>
        <source>No list names the mission file {file}.</source>
        <translation>Aucune liste ne nomme le fichier de mission {file}.</translation>
    </message>
    <message>
        <source>No list can name the file {file}: its name has characters outside Windows-1252.</source>
        <translation>Aucune liste ne peut nommer le fichier {file} : son nom contient des caractères hors de Windows-1252.</translation>
    </message>
    <message>
        <source>{file} was left by a save that was cut short; the next command that changes the game removes it.</source>
        <translation>{file} est resté d’un enregistrement interrompu ; la prochaine commande qui modifie le jeu le supprime.</translation>
    </message>
    <message>
        <source>The file {file} is no mission of this game: {detail}.</source>
        <translation>Le fichier {file} n&apos;est pas une mission de ce jeu : {detail}.</translation>
    </message>
    <message>
        <source>The mission {file} is a {detail} mission, which the game does not play in this category.</source>
        <translation>La mission {file} est une mission de type {detail}, que le jeu ne joue pas dans cette catégorie.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>The history of this game cannot be written in &quot;%1&quot;: %2. Nothing was changed.</source>
        <translation>L&apos;historique de ce jeu ne peut pas être écrit dans « %1 » : %2. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>its kept copy carries no digest to check it by</source>
        <translation>sa copie conservée ne porte aucune empreinte pour la vérifier</translation>
    </message>
    <message>
        <source>its kept copy is not of the size recorded</source>
        <translation>sa copie conservée n&apos;a pas la taille enregistrée</translation>
    </message>
    <message>
        <source>its kept copy is not what was kept</source>
        <translation>sa copie conservée n&apos;est pas ce qui a été conservé</translation>
    </message>
    <message>
        <source>its kept copy cannot be read: %1</source>
        <translation>sa copie conservée ne peut pas être lue : %1</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>Il n&apos;y a rien à annuler.</translation>
    </message>
    <message>
        <source>The history has no entry %1.</source>
        <translation>L&apos;historique n&apos;a pas d&apos;entrée %1.</translation>
    </message>
    <message>
        <source>Entry %1 is undone already.</source>
        <translation>L&apos;entrée %1 est déjà annulée.</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>Il n&apos;y a rien à rétablir.</translation>
    </message>
    <message>
        <source>These files changed since, so nothing was undone: %1.</source>
        <translation>Ces fichiers ont changé depuis, donc rien n&apos;a été annulé : %1.</translation>
    </message>
    <message>
        <source>%1 cannot be put back, so nothing was undone: %2.</source>
        <translation>%1 ne peut pas être remis en place, donc rien n&apos;a été annulé : %2.</translation>
    </message>
    <message>
        <source>%1 (in it, or in a battle file it names)</source>
        <translation>%1 (dans la liste, ou dans un fichier de bataille qu&apos;elle nomme)</translation>
    </message>
    <message>
        <source>The list &quot;%1&quot; cannot be read: %2</source>
        <translation>La liste « %1 » ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>The List File &quot;%1&quot; is one of this category&apos;s own mission lists.  Please specify a list file of its own for the battle/tournament.</source>
        <translation>Le fichier de liste « %1 » est l&apos;une des listes de missions de cette catégorie.  Veuillez indiquer un fichier de liste propre à la bataille/au tournoi.</translation>
    </message>
    <message>
        <source>The List File &quot;%1&quot; is presently in use by another battle/tournament.  Please specify a list file that is not already in use.</source>
        <translation>Le fichier de liste « %1 » est déjà utilisé par une autre bataille/un autre tournoi.  Veuillez indiquer un fichier de liste qui n&apos;est pas déjà utilisé.</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>Campagne</translation>
    </message>
    <message>
        <source>Engagement</source>
        <translation>Engagement</translation>
    </message>
    <message>
        <source>War</source>
        <translation>Guerre</translation>
    </message>
    <message>
        <source>Battle</source>
        <translation>Bataille</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Tournament Series</source>
        <translation>Série de tournois</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Tournoi</translation>
    </message>
    <message>
        <source>Contest</source>
        <translation>Épreuve</translation>
    </message>
    <message>
        <source>Corrupt Entry</source>
        <translation>Entrée corrompue</translation>
    </message>
    <message>
        <source>A title cannot hold a line break or the character Ctrl-Z: the game would read it differently.</source>
        <translation>Un titre ne peut contenir ni saut de ligne ni le caractère Ctrl-Z : le jeu le lirait autrement.</translation>
    </message>
    <message>
        <source>A title cannot hold a line break or the character Ctrl-Z, and the title of a %1 cannot hold &quot;]&quot;: the game would read it differently.</source>
        <translation>Un titre ne peut contenir ni saut de ligne ni le caractère Ctrl-Z, et le titre d&apos;une entrée de type %1 ne peut pas contenir « ] » : le jeu le lirait autrement.</translation>
    </message>
    <message>
        <source>The game directory &quot;%1&quot; is in use by another Flightdeck command. Try again when it has finished.</source>
        <translation>Le dossier du jeu « %1 » est utilisé par une autre commande de Flightdeck. Réessayez quand elle sera terminée.</translation>
    </message>
    <message>
        <source>its name has characters the game&apos;s lists cannot hold (they are Windows-1252 text)</source>
        <translation>son nom contient des caractères que les listes du jeu ne peuvent pas contenir (elles sont en texte Windows-1252)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;</source>
        <translation>%1 : « %2 »</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Is a folder, not a file</source>
        <translation>Est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>Is a link, not a file</source>
        <translation>Est un lien, pas un fichier</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The mission file &quot;%1&quot; cannot be installed: %2.</source>
        <translation>Le fichier de mission « %1 » ne peut pas être installé : %2.</translation>
    </message>
    <message>
        <source>the list has no %1 labelled &quot;%2&quot;</source>
        <translation>la liste n&apos;a pas d&apos;entrée de type %1 intitulée « %2 »</translation>
    </message>
    <message>
        <source>the mission file &quot;%1&quot; does not exist</source>
        <translation>le fichier de mission « %1 » n&apos;existe pas</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>These missions were left out of the pack, because their files are missing: %1.</source>
        <translation>Ces missions ont été laissées hors du pack, car leurs fichiers sont manquants : %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a pack</source>
        <translation>« %1 » est un dossier, pas un pack</translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; could not be written: %2</source>
        <translation>Le pack « %1 » n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>its name would lead out of the folder</source>
        <translation>son nom mènerait hors du dossier</translation>
    </message>
    <message>
        <source>it is larger than %1, the most a file of a pack may be</source>
        <translation>il dépasse %1, la taille maximale d&apos;un fichier de pack</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>c&apos;est un lien</translation>
    </message>
    <message>
        <source>it is damaged or encrypted</source>
        <translation>il est endommagé ou chiffré</translation>
    </message>
    <message>
        <source>it could not be extracted</source>
        <translation>il n&apos;a pas pu être extrait</translation>
    </message>
    <message>
        <source>it is not in the pack</source>
        <translation>il n&apos;est pas dans le pack</translation>
    </message>
    <message>
        <source>The title &quot;%1&quot; holds characters the lists cannot hold: it was entered as &quot;%2&quot;.</source>
        <translation>Le titre « %1 » contient des caractères que les listes ne peuvent pas contenir : il a été inscrit comme « %2 ».</translation>
    </message>
    <message>
        <source>Left out &quot;%1&quot;: it is not a plain file name.</source>
        <translation>« %1 » laissé de côté : ce n&apos;est pas un simple nom de fichier.</translation>
    </message>
    <message>
        <source>Left out the mission &quot;%1&quot;: it has the name of a list file, which it would replace.</source>
        <translation>Mission « %1 » laissée de côté : elle porte le nom d&apos;un fichier de liste, qu&apos;elle remplacerait.</translation>
    </message>
    <message>
        <source>A title of %1 bytes was cut to %2, the most a title may hold: &quot;%3&quot;...</source>
        <translation>Un titre de %1 octets a été coupé à %2, la longueur maximale d&apos;un titre : « %3 »...</translation>
    </message>
    <message>
        <source>The battle file &quot;%1&quot; of &quot;%2&quot; is already in use: it was installed as &quot;%3&quot;.</source>
        <translation>Le fichier de bataille « %1 » de « %2 » est déjà utilisé : il a été installé comme « %3 ».</translation>
    </message>
    <message>
        <source>The battle file &quot;%1&quot; of &quot;%2&quot; is not a plain file name: it was installed as &quot;%3&quot;.</source>
        <translation>Le fichier de bataille « %1 » de « %2 » n&apos;est pas un simple nom de fichier : il a été installé comme « %3 ».</translation>
    </message>
    <message>
        <source>The installation script of the pack &quot;%1&quot; could not be read: %2.</source>
        <translation>Le script d&apos;installation du pack « %1 » n&apos;a pas pu être lu : %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>« %1 » (%2)</translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; was not installed: these mission files could not be extracted from it: %2.</source>
        <translation>Le pack « %1 » n&apos;a pas été installé : ces fichiers de mission n&apos;ont pas pu en être extraits : %2.</translation>
    </message>
    <message>
        <source>1 mission added</source>
        <translation>1 mission ajoutée</translation>
    </message>
    <message>
        <source>%1 missions added</source>
        <translation>%1 missions ajoutées</translation>
    </message>
    <message>
        <source>1 mission added to %1</source>
        <translation>1 mission ajoutée à %1</translation>
    </message>
    <message>
        <source>%1 missions added to %2</source>
        <translation>%1 missions ajoutées à %2</translation>
    </message>
    <message>
        <source>Flightdeck was unable to locate the installation script for this package!</source>
        <translation>Flightdeck n&apos;a pas trouvé le script d&apos;installation de ce pack !</translation>
    </message>
    <message>
        <source>its record cannot be read</source>
        <translation>son enregistrement ne peut pas être lu</translation>
    </message>
    <message>
        <source>the game folder is not the one it changed</source>
        <translation>le dossier du jeu n&apos;est pas celui qu&apos;elle a modifié</translation>
    </message>
    <message>
        <source>%1 changed since</source>
        <translation>%1 a changé depuis</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>It stays in &quot;%1&quot;, which could not be set aside: %2; nothing was changed.</source>
        <translation>Elle reste dans « %1 », qui n&apos;a pas pu être mis de côté : %2 ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>It is kept in &quot;%1&quot;; nothing was changed.</source>
        <translation>Elle est conservée dans « %1 » ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Entry %1 of the history holds the last number an entry can have. %2</source>
        <translation>L&apos;entrée %1 de l&apos;historique porte le dernier numéro qu&apos;une entrée peut avoir. %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>command %1</source>
        <translation>commande %1</translation>
    </message>
    <message>
        <source>The interrupted %1 could not be finished: %2. %3</source>
        <translation>La commande interrompue %1 n&apos;a pas pu être terminée : %2. %3</translation>
    </message>
    <message>
        <source>%1 is no longer in the folder it was written in</source>
        <translation>%1 n’est plus dans le dossier où il a été écrit</translation>
    </message>
    <message>
        <source>These files are no longer in the folder the command wrote them in, so nothing was undone: %1.</source>
        <translation>Ces fichiers ne sont plus dans le dossier où la commande les a écrits, donc rien n’a été annulé : %1.</translation>
    </message>
    <message>
        <source>The list &quot;%1&quot; cannot be written: %2. Nothing was changed.</source>
        <translation>La liste « %1 » ne peut pas être écrite : %2. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>No temporary folder can be made in &quot;%1&quot;: %2.</source>
        <translation>Aucun dossier temporaire ne peut être créé dans « %1 » : %2.</translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; was not installed: %2.</source>
        <translation>Le pack « %1 » n’a pas été installé : %2.</translation>
    </message>
    <message>
        <source>it names nothing to install (a script names its entries in lines ended by CR LF)</source>
        <translation>il ne nomme rien à installer (un script nomme ses entrées sur des lignes terminées par CR LF)</translation>
    </message>
    <message>
        <source>Entry %1 (%2) was passed over: an earlier version recorded it without what undoing it needs.</source>
        <translation>L’entrée %1 (%2) a été passée : une version antérieure l’a enregistrée sans ce qu’il faut pour l’annuler.</translation>
    </message>
    <message>
        <source>not a mission file</source>
        <translation>pas un fichier de mission</translation>
    </message>
    <message>
        <source>cut short: %1 of at least %2 bytes</source>
        <translation>tronqué : %1 octets sur au moins %2</translation>
    </message>
    <message>
        <source>cut short: %1 of %2 bytes</source>
        <translation>tronqué : %1 octets sur %2</translation>
    </message>
    <message>
        <source>larger than %1, the most a mission may be</source>
        <translation>plus de %1, le maximum d&apos;une mission</translation>
    </message>
    <message>
        <source>a TIE Fighter mission (an earlier game)</source>
        <translation>une mission de TIE Fighter (un jeu plus ancien)</translation>
    </message>
    <message>
        <source>%1 bytes too long</source>
        <translation>%1 octets de trop</translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; was not installed: these files of it are no missions of this game: %2.</source>
        <translation>Le paquet « %1 » n&apos;a pas été installé : ces fichiers ne sont pas des missions de ce jeu : %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no mission of this game (%2); installed all the same.</source>
        <translation>« %1 » n&apos;est pas une mission de ce jeu (%2) ; installé quand même.</translation>
    </message>
    <message>
        <source>Entry %1 of the history is not the install of a pack.</source>
        <translation>L&apos;entrée %1 de l&apos;historique n&apos;est pas l&apos;installation d&apos;un pack.</translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; is not installed: its install was undone.</source>
        <translation>Le pack « %1 » n&apos;est pas installé : son installation a été annulée.</translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; was taken out already.</source>
        <translation>Le pack « %1 » a déjà été retiré.</translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; was installed before Flightdeck kept a record of what a pack adds, or its record is damaged, so it cannot be taken out on its own. Undo its install, or remove its entries.</source>
        <translation>Le pack « %1 » a été installé avant que Flightdeck ne note ce qu&apos;ajoute un pack, ou sa note est endommagée : il ne peut donc pas être retiré seul. Annulez son installation ou retirez ses entrées.</translation>
    </message>
    <message>
        <source>it is no longer in the folder the pack wrote it in</source>
        <translation>il n&apos;est plus dans le dossier où le pack l&apos;a écrit</translation>
    </message>
    <message>
        <source>it changed since the pack wrote it</source>
        <translation>il a changé depuis que le pack l&apos;a écrit</translation>
    </message>
    <message>
        <source>an entry of the lists names it still</source>
        <translation>une entrée des listes le nomme encore</translation>
    </message>
    <message>
        <source>and %1 more files</source>
        <translation>et %1 autres fichiers</translation>
    </message>
</context>
<context>
    <name>Mission</name>
    <message>
        <source>training</source>
        <translation>entraînement</translation>
    </message>
    <message>
        <source>unknown type</source>
        <translation>type inconnu</translation>
    </message>
    <message>
        <source>melee</source>
        <translation>mêlée</translation>
    </message>
    <message>
        <source>multiplayer training</source>
        <translation>entraînement multijoueur</translation>
    </message>
    <message>
        <source>multiplayer combat</source>
        <translation>combat multijoueur</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Balance of Power (the expansion)</source>
        <translation>Balance of Power (l&apos;extension)</translation>
    </message>
    <message>
        <source>No mission of this game: %1</source>
        <translation>Pas une mission de ce jeu : %1</translation>
    </message>
    <message>
        <source>Mission: %1</source>
        <translation>Mission : %1</translation>
    </message>
    <message>
        <source>Flight groups: %1, messages: %2</source>
        <translation>Groupes de vol : %1, messages : %2</translation>
    </message>
    <message>
        <source>Teams: %1</source>
        <translation>Équipes : %1</translation>
    </message>
    <message>
        <source>Flown by players: %1</source>
        <translation>Pilotés par des joueurs : %1</translation>
    </message>
    <message>
        <source>After success:</source>
        <translation>Après un succès :</translation>
    </message>
    <message>
        <source>After failure:</source>
        <translation>Après un échec :</translation>
    </message>
</context>
<context>
    <name>Place</name>
    <message>
        <source>Steam and its libraries, GOG&apos;s registry keys and folders, and Wine prefixes</source>
        <translation>Steam et ses bibliothèques, les clés de registre et dossiers de GOG, et les préfixes Wine</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>Wine prefix</source>
        <translation>Préfixe Wine</translation>
    </message>
    <message>
        <source>Wine</source>
        <translation>Wine</translation>
    </message>
    <message>
        <source>Steam games</source>
        <translation>Jeux Steam</translation>
    </message>
    <message>
        <source>Proton prefix</source>
        <translation>Préfixe Proton</translation>
    </message>
    <message>
        <source>GOG games</source>
        <translation>Jeux GOG</translation>
    </message>
    <message>
        <source>Heroic prefix</source>
        <translation>Préfixe Heroic</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Bouteille</translation>
    </message>
    <message>
        <source>Steam (also Flatpak&apos;s and Snap&apos;s) with its libraries and Proton prefixes, Wine prefixes ($WINEPREFIX, ~/.wine), Heroic and Lutris (~/Games and the games they list) and Bottles (also Flatpak&apos;s)</source>
        <translation>Steam (aussi en Flatpak et Snap) avec ses bibliothèques et préfixes Proton, les préfixes Wine ($WINEPREFIX, ~/.wine), Heroic et Lutris (~/Games et les jeux qu&apos;ils listent) et Bottles (aussi en Flatpak)</translation>
    </message>
    <message>
        <source>Heroic games</source>
        <translation>Jeux Heroic</translation>
    </message>
</context>
<context>
    <name>Side</name>
    <message>
        <source>Neutral (Multiplayer)</source>
        <translation>Neutre (multijoueur)</translation>
    </message>
    <message>
        <source>Rebel</source>
        <translation>Rebelle</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Impérial</translation>
    </message>
</context>
<context>
    <name>TBackgroundWork</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The window closes when this is done.</source>
        <translation>La fenêtre se fermera une fois ceci terminé.</translation>
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
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Title or mission file name:</source>
        <translation>Titre ou nom du fichier de mission :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Flightdeck has changed nothing in this game yet.</source>
        <translation>Flightdeck n&apos;a encore rien modifié dans ce jeu.</translation>
    </message>
    <message>
        <source>What Flightdeck changed in this game, newest first. Undo takes back the chosen change.</source>
        <translation>Ce que Flightdeck a modifié dans ce jeu, le plus récent d&apos;abord. Annuler revient sur la modification choisie.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Install %1</source>
        <translation>Installer %1</translation>
    </message>
    <message>
        <source>Installing the pack will make these changes. Edit &gt; Undo takes them back.</source>
        <translation>L&apos;installation du pack fera ces modifications. Édition &gt; Annuler les défait.</translation>
    </message>
    <message>
        <source>Another folder...</source>
        <translation>Autre dossier...</translation>
    </message>
    <message>
        <source>X-wing vs. TIE Fighter found</source>
        <translation>X-wing vs. TIE Fighter trouvé</translation>
    </message>
    <message>
        <source>Flightdeck found the game here. Which one shall it show?</source>
        <translation>Flightdeck a trouvé le jeu ici. Lequel doit-il afficher ?</translation>
    </message>
    <message>
        <source>The manual (README.md) is not installed with this copy of Flightdeck.</source>
        <translation>Le manuel (README.md) n’est pas installé avec cette copie de Flightdeck.</translation>
    </message>
    <message>
        <source>Nothing on this system opens &quot;%1&quot;.</source>
        <translation>Rien sur ce système n’ouvre « %1 ».</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Catégorie :</translation>
    </message>
    <message>
        <source>&amp;Side:</source>
        <translation>Ca&amp;mp :</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installer</translation>
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
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>Install &amp;Again</source>
        <translation>Installer à &amp;nouveau</translation>
    </message>
    <message>
        <source>What the pack says about itself</source>
        <translation>Ce que le pack dit de lui-même</translation>
    </message>
</context>
<context>
    <name>THistoryCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>Taking the change back...</source>
        <translation>Annulation de la modification...</translation>
    </message>
    <message>
        <source>%1 taken back</source>
        <translation>%1 annulé</translation>
    </message>
    <message>
        <source>  (undone)</source>
        <translation>  (annulé)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Take back the last change Flightdeck made to the game</source>
        <translation>Défaire la dernière modification que Flightdeck a faite au jeu</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Make again the change last taken back</source>
        <translation>Refaire la dernière modification défaite</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>Every change Flightdeck made to this game</source>
        <translation>Chaque modification que Flightdeck a faite à ce jeu</translation>
    </message>
</context>
<context>
    <name>TListController</name>
    <message>
        <source>Reading the list...</source>
        <translation>Lecture de la liste...</translation>
    </message>
    <message>
        <source>%1 changed on disk since it was read, so nothing was written. It is shown again.</source>
        <translation>%1 a changé sur le disque depuis sa lecture, donc rien n&apos;a été écrit. Il est affiché à nouveau.</translation>
    </message>
    <message>
        <source>%1 changed on disk; shown again</source>
        <translation>%1 modifié sur le disque ; affiché à nouveau</translation>
    </message>
    <message>
        <source>The game folder &quot;%1&quot; is gone, or no longer holds the game&apos;s folders. Choose it again with File &gt; Set XvT Directory.</source>
        <translation>Le dossier du jeu « %1 » a disparu ou ne contient plus les dossiers du jeu. Choisissez-le à nouveau avec Fichier &gt; Choisir le dossier de XvT.</translation>
    </message>
</context>
<context>
    <name>TMissionInstallCommands</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Another TIE mission with the same file name already exists.  Would you like to replace it?</source>
        <translation>Une autre mission TIE portant le même nom de fichier existe déjà.  Voulez-vous la remplacer ?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>The specified TIE mission does not exist in the correct mission directory.  Would you like to place a copy in the correct directory?</source>
        <translation>La mission TIE indiquée n&apos;est pas dans le bon dossier de missions.  Voulez-vous en placer une copie dans le bon dossier ?</translation>
    </message>
    <message>
        <source>The mission file is in place, but no entry was added for it: select the %1 to add it to, or one of its missions, and install it again.</source>
        <translation>Le fichier de mission est en place, mais aucune entrée n&apos;a été ajoutée pour lui : sélectionnez l&apos;entrée de type %1 à laquelle l&apos;ajouter, ou l&apos;une de ses missions, et installez-le à nouveau.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no mission of X-wing vs. TIE Fighter: %2. Install it anyway?</source>
        <translation>« %1 » n&apos;est pas une mission de X-wing vs. TIE Fighter : %2. L&apos;installer quand même ?</translation>
    </message>
</context>
<context>
    <name>TNumberCommands</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>%1 is presently using this number.  Would you like to assign the next available number (%2) to %1, and then assign the number (%3) to %4?</source>
        <translation>%1 utilise déjà ce numéro.  Voulez-vous attribuer le prochain numéro libre (%2) à %1, puis le numéro (%3) à %4 ?</translation>
    </message>
</context>
<context>
    <name>TPackCommands</name>
    <message>
        <source>Reading the pack...</source>
        <translation>Lecture du pack...</translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; cannot be read: %2</source>
        <translation>Le pack « %1 » ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>Extracting the missions...</source>
        <translation>Extraction des missions...</translation>
    </message>
    <message>
        <source>Replaces %1</source>
        <translation>Remplace %1</translation>
    </message>
    <message>
        <source>Adds %1</source>
        <translation>Ajoute %1</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>The list already holds %1. Add the pack&apos;s entries a second time?</source>
        <translation>La liste contient déjà %1. Ajouter une seconde fois les entrées du pack ?</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot; already exists. Replace it?</source>
        <translation>Le pack « %1 » existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>Collecting the pack&apos;s missions...</source>
        <translation>Collecte des missions du pack...</translation>
    </message>
    <message>
        <source>Building the pack...</source>
        <translation>Création du pack...</translation>
    </message>
    <message>
        <source>Pack written: %1, 1 mission</source>
        <translation>Pack écrit : %1, 1 mission</translation>
    </message>
    <message>
        <source>Pack written: %1, %2 missions</source>
        <translation>Pack écrit : %1, %2 missions</translation>
    </message>
    <message>
        <source>Installing the pack was cancelled; nothing was changed.</source>
        <translation>L’installation du pack a été annulée ; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Building the pack was cancelled; nothing was written.</source>
        <translation>La création du pack a été annulée ; rien n’a été écrit.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <translation>%1 « %2 »</translation>
    </message>
    <message>
        <source>No mission of this game: %1 (%2)</source>
        <translation>Pas une mission de ce jeu : %1 (%2)</translation>
    </message>
    <message>
        <source>These files of the pack are no missions of X-wing vs. TIE Fighter: %1. Install them anyway?</source>
        <translation>Ces fichiers du paquet ne sont pas des missions de X-wing vs. TIE Fighter : %1. Les installer quand même ?</translation>
    </message>
    <message>
        <source>The pack &quot;%1&quot;, installed %2, is another copy or version of this one. Replace takes it out and installs this one in its place; Install Again installs this one beside it.</source>
        <translation>Le pack « %1 », installé le %2, est une autre copie ou version de celui-ci. Remplacer le retire et installe celui-ci à sa place ; Installer à nouveau installe celui-ci à côté.</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installé</translation>
    </message>
    <message>
        <source>Changed since</source>
        <translation>Modifié depuis</translation>
    </message>
    <message>
        <source>Partly removed</source>
        <translation>Retiré en partie</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Retiré</translation>
    </message>
    <message>
        <source>Not recorded</source>
        <translation>Non noté</translation>
    </message>
    <message>
        <source>, %1</source>
        <translation>, %1</translation>
    </message>
    <message>
        <source>Pack taken out: %1</source>
        <translation>Pack retiré : %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Take the pack &quot;%1&quot; out? It takes %2 entries out of the lists, removes %3 files and puts back %4 files it replaced.</source>
        <translation>Retirer le pack « %1 » ? Cela retire %2 entrées des listes, supprime %3 fichiers et remet %4 fichiers qu&apos;il avait remplacés.</translation>
    </message>
    <message>
        <source>These files stay as they are: %1.</source>
        <translation>Ces fichiers restent tels quels : %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation> ; </translation>
    </message>
    <message>
        <source>Remove Pack</source>
        <translation>Retirer le pack</translation>
    </message>
    <message>
        <source>Edit &gt; Undo takes it back.</source>
        <translation>Édition &gt; Annuler le reprend.</translation>
    </message>
</context>
<context>
    <name>TProblemCommands</name>
    <message>
        <source>Checking the game...</source>
        <translation>Vérification du jeu...</translation>
    </message>
    <message>
        <source>%1: %2 changed in %3</source>
        <translation>%1 : %2 modifiés dans %3</translation>
    </message>
    <message>
        <source>&amp;Problems...</source>
        <translation>&amp;Problèmes...</translation>
    </message>
    <message>
        <source>Check the whole game for broken entries and files</source>
        <translation>Vérifier tout le jeu à la recherche d&apos;entrées et de fichiers défectueux</translation>
    </message>
</context>
<context>
    <name>flightdeck::TFolderBrowseDlg</name>
    <message>
        <source>Go to...</source>
        <translation>Aller à...</translation>
    </message>
    <message>
        <source>Type or paste a folder</source>
        <translation>Saisissez ou collez un dossier</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Emplacements</translation>
    </message>
</context>
<context>
    <name>flightdeck::TInstalledPacksDialog</name>
    <message>
        <source>Installed Packs</source>
        <translation>Packs installés</translation>
    </message>
    <message>
        <source>No pack was installed into this game by Flightdeck.</source>
        <translation>Flightdeck n&apos;a installé aucun pack dans ce jeu.</translation>
    </message>
    <message>
        <source>The packs installed into this game, newest first. Remove takes the chosen pack out, whatever was installed after it; Edit &gt; Undo takes that back.</source>
        <translation>Les packs installés dans ce jeu, le plus récent en premier. Retirer enlève le pack choisi, quoi qu&apos;on ait installé après lui ; Édition &gt; Annuler le reprend.</translation>
    </message>
    <message>
        <source>Installed packs</source>
        <translation>Packs installés</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installé</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Missions</source>
        <translation>Missions</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>What the pack says about &amp;itself:</source>
        <translation>Ce que le pack dit de &amp;lui-même :</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Remove...</source>
        <translation>&amp;Retirer...</translation>
    </message>
    <message>
        <source>(The pack has no description.)</source>
        <translation>(Le pack n&apos;a pas de description.)</translation>
    </message>
</context>
<context>
    <name>flightdeck::TMissionPanel</name>
    <message>
        <source>Missions</source>
        <translation>Missions</translation>
    </message>
    <message>
        <source>  Mission #:</source>
        <translation>  Mission n° :</translation>
    </message>
    <message>
        <source>Change Mission Number</source>
        <translation>Changer le numéro de mission</translation>
    </message>
    <message>
        <source>  Mission File</source>
        <translation>  Fichier de mission</translation>
    </message>
    <message>
        <source>Next Mission Number</source>
        <translation>Prochain numéro de mission</translation>
    </message>
    <message>
        <source>Neutral (Multiplayer) missions</source>
        <translation>Missions neutres (multijoueur)</translation>
    </message>
    <message>
        <source>Rebel missions</source>
        <translation>Missions rebelles</translation>
    </message>
    <message>
        <source>Imperial missions</source>
        <translation>Missions impériales</translation>
    </message>
    <message>
        <source>&amp;Neutral (Multiplayer)</source>
        <translation>&amp;Neutre (multijoueur)</translation>
    </message>
    <message>
        <source>&amp;Rebel</source>
        <translation>&amp;Rebelle</translation>
    </message>
    <message>
        <source>&amp;Imperial</source>
        <translation>&amp;Impérial</translation>
    </message>
    <message>
        <source>New &amp;Campaign</source>
        <translation>Nouvelle &amp;campagne</translation>
    </message>
    <message>
        <source>New &amp;War</source>
        <translation>Nouvelle &amp;guerre</translation>
    </message>
    <message>
        <source>New &amp;Battle</source>
        <translation>Nouvelle &amp;bataille</translation>
    </message>
    <message>
        <source>New Tournament &amp;Series</source>
        <translation>Nouvelle &amp;série de tournois</translation>
    </message>
    <message>
        <source>New &amp;Tournament...</source>
        <translation>Nouveau &amp;tournoi...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Mon&amp;ter</translation>
    </message>
    <message>
        <source>Move the selected entry one place up</source>
        <translation>Monter l&apos;entrée choisie d&apos;une place</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Descen&amp;dre</translation>
    </message>
    <message>
        <source>Move the selected entry one place down</source>
        <translation>Descendre l&apos;entrée choisie d&apos;une place</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Find an entry by its title or mission file</source>
        <translation>Rechercher une entrée par son titre ou son fichier de mission</translation>
    </message>
    <message>
        <source>&amp;Search Again</source>
        <translation>Rechercher la &amp;suivante</translation>
    </message>
    <message>
        <source>Find the next entry with the same text</source>
        <translation>Rechercher l&apos;entrée suivante avec le même texte</translation>
    </message>
    <message>
        <source>Specify a New List File to store Mission References in...</source>
        <translation>Indiquer un nouveau fichier de liste pour les références des missions...</translation>
    </message>
    <message>
        <source>X-wing vs. TIE Fighter List files   (*.lst)|*.lst|All formats...|*.*</source>
        <translation>Fichiers de liste X-wing vs. TIE Fighter   (*.lst)|*.lst|Tous les formats...|*.*</translation>
    </message>
    <message>
        <source>Nothing was added.</source>
        <translation>Rien n’a été ajouté.</translation>
    </message>
    <message>
        <source>Mission added to %1</source>
        <translation>Mission ajoutée à %1</translation>
    </message>
    <message>
        <source> &quot;%1&quot; is the first of its group already.</source>
        <translation> « %1 » est déjà le premier de son groupe.</translation>
    </message>
    <message>
        <source> &quot;%1&quot; is the last of its group already.</source>
        <translation> « %1 » est déjà le dernier de son groupe.</translation>
    </message>
    <message>
        <source> &quot;%1&quot; cannot move past &quot;%2&quot;.</source>
        <translation> « %1 » ne peut pas passer au-delà de « %2 ».</translation>
    </message>
    <message>
        <source>BuildMissionTreeView:  Unrecognized list file item!</source>
        <translation>BuildMissionTreeView :  entrée de fichier de liste non reconnue !</translation>
    </message>
    <message>
        <source> (mission file):  </source>
        <translation> (fichier de mission) :  </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in this list</source>
        <translation>« %1 » n&apos;est pas dans cette liste</translation>
    </message>
    <message>
        <source>       Tour #:</source>
        <translation>       Tour n° :</translation>
    </message>
    <message>
        <source>      Mission #:</source>
        <translation>      Mission n° :</translation>
    </message>
    <message>
        <source>  Tournament #:</source>
        <translation>  Tournoi n° :</translation>
    </message>
    <message>
        <source>Next #: %1</source>
        <translation>N° suivant : %1</translation>
    </message>
    <message>
        <source>The next available mission number is %1</source>
        <translation>Le prochain numéro de mission libre est %1</translation>
    </message>
    <message>
        <source>The next available campaign number is %1</source>
        <translation>Le prochain numéro de campagne libre est %1</translation>
    </message>
    <message>
        <source>The next available battle number is %1</source>
        <translation>Le prochain numéro de bataille libre est %1</translation>
    </message>
    <message>
        <source>The next available tournament number is %1</source>
        <translation>Le prochain numéro de tournoi libre est %1</translation>
    </message>
    <message>
        <source>. It needs the Balance of Power expansion.</source>
        <translation>. Elle nécessite l&apos;extension Balance of Power.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>This is a %1 mission. Install it under %2 instead?</source>
        <translation>C&apos;est une mission de type %1. L&apos;installer plutôt sous %2 ?</translation>
    </message>
</context>
<context>
    <name>flightdeck::TProblemsDialog</name>
    <message>
        <source>Make Line Ends CR LF</source>
        <translation>Mettre les fins de ligne en CR LF</translation>
    </message>
    <message>
        <source>Remove Missing Missions</source>
        <translation>Retirer les missions manquantes</translation>
    </message>
    <message>
        <source>Renumber Duplicates</source>
        <translation>Renuméroter les doublons</translation>
    </message>
    <message>
        <source>Flightdeck found no problems in this game.</source>
        <translation>Flightdeck n&apos;a trouvé aucun problème dans ce jeu.</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 erreur</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 erreurs</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 avertissement</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 avertissements</translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 remarque</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>%1 remarques</translation>
    </message>
    <message>
        <source>%1 in this game. Show goes to the entry; a fix is recorded in the history, and Edit &gt; Undo takes it back.</source>
        <translation>%1 dans ce jeu. Afficher va à l&apos;entrée ; une correction est enregistrée dans l&apos;historique, et Édition &gt; Annuler la défait.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Où</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Corriger</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
</context>
<context>
    <name>flightdeck::TixoAboutBox</name>
    <message>
        <source>The Flightdeck team</source>
        <translation>L&apos;équipe Flightdeck</translation>
    </message>
    <message>
        <source>Mission catalogue editor and pack installer for X-wing vs. TIE Fighter</source>
        <translation>Éditeur du catalogue de missions et installeur de packs pour X-wing vs. TIE Fighter</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Flightdeck team</source>
        <translation>Copyright © 2026 L&apos;équipe Flightdeck</translation>
    </message>
    <message>
        <source>How to use Flightdeck (README)</source>
        <translation>Comment utiliser Flightdeck (README)</translation>
    </message>
    <message>
        <source>The demo game to try it on</source>
        <translation>Le jeu de démonstration pour l&apos;essayer</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>Erreur inattendue</translation>
    </message>
</context>
<context>
    <name>flightdeck::TixoFlightdeckForm</name>
    <message>
        <source>Ixo Mission Packs (*.ixo)|*.ixo|All formats...|*.*</source>
        <translation>Packs de missions Ixo (*.ixo)|*.ixo|Tous les formats...|*.*</translation>
    </message>
    <message>
        <source>Select an Ixo Mission Pack to Install...</source>
        <translation>Choisir un pack de missions Ixo à installer...</translation>
    </message>
    <message>
        <source>Save Package As...</source>
        <translation>Enregistrer le pack sous...</translation>
    </message>
    <message>
        <source>Select a TIE Mission File to Install...</source>
        <translation>Choisir un fichier de mission TIE à installer...</translation>
    </message>
    <message>
        <source>X-wing vs. TIE Fighter Mission files (*.tie)|*.tie|All formats...|*.*</source>
        <translation>Fichiers de mission X-wing vs. TIE Fighter (*.tie)|*.tie|Tous les formats...|*.*</translation>
    </message>
    <message>
        <source>Unable to locate TIE mission file &quot;%1&quot; in %2 directory.</source>
        <translation>Impossible de trouver le fichier de mission TIE « %1 » dans le dossier %2.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Set XvT &amp;Directory</source>
        <translation>Choisir le &amp;dossier de XvT</translation>
    </message>
    <message>
        <source>Set your XvT Directory</source>
        <translation>Choisir votre dossier de XvT</translation>
    </message>
    <message>
        <source>&amp;New Mission</source>
        <translation>&amp;Nouvelle mission</translation>
    </message>
    <message>
        <source>Create a New XvT Mission</source>
        <translation>Créer une nouvelle mission XvT</translation>
    </message>
    <message>
        <source>&amp;Open Mission</source>
        <translation>&amp;Ouvrir une mission</translation>
    </message>
    <message>
        <source>Open an existing XvT Mission</source>
        <translation>Ouvrir une mission XvT existante</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Mission</source>
        <translation>&amp;Modifier la mission choisie</translation>
    </message>
    <message>
        <source>Edit the Selected XvT Mission</source>
        <translation>Modifier la mission XvT choisie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Doh!</source>
        <translation>Au revoir !</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Single &amp;Mission</source>
        <translation>&amp;Mission seule</translation>
    </message>
    <message>
        <source>Install an XvT Mission</source>
        <translation>Installer une mission XvT</translation>
    </message>
    <message>
        <source>Mission &amp;Pack</source>
        <translation>&amp;Pack de missions</translation>
    </message>
    <message>
        <source>&amp;Build Mission Pack</source>
        <translation>&amp;Créer un pack de missions</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Recherche</translation>
    </message>
    <message>
        <source>Mission &amp;Gender</source>
        <translation>&amp;Camp des missions</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Add / Install &amp;Mission...</source>
        <translation>Ajouter / installer une &amp;mission...</translation>
    </message>
    <message>
        <source>Install Mission &amp;Pack</source>
        <translation>Installer un &amp;pack de missions</translation>
    </message>
    <message>
        <source>Build Mission P&amp;ack</source>
        <translation>Cré&amp;er un pack de missions</translation>
    </message>
    <message>
        <source>Install a single XvT Mission</source>
        <translation>Installer une seule mission XvT</translation>
    </message>
    <message>
        <source>Install an Ixo Mission Pack</source>
        <translation>Installer un pack de missions Ixo</translation>
    </message>
    <message>
        <source>Choose the folder where X-wing vs. TIE Fighter is installed:
File &gt; Set XvT Directory</source>
        <translation>Choisissez le dossier où X-wing vs. TIE Fighter est installé :
Fichier &gt; Choisir le dossier de XvT</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>Game found (%1)</source>
        <translation>Jeu trouvé (%1)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Select your &quot;X-wing vs. TIE Fighter&quot; directory.</source>
        <translation>Choisissez votre dossier de « X-wing vs. TIE Fighter ».</translation>
    </message>
    <message>
        <source>The specified path for &quot;X-wing vs. TIE Fighter&quot; is invalid, please select another path.</source>
        <translation>Le chemin indiqué pour « X-wing vs. TIE Fighter » n&apos;est pas valide, veuillez en choisir un autre.</translation>
    </message>
    <message>
        <source>Searching for games…</source>
        <translation>Recherche des jeux…</translation>
    </message>
    <message>
        <source>No game was found in %1.</source>
        <translation>Aucun jeu n&apos;a été trouvé dans %1.</translation>
    </message>
    <message>
        <source>%1 cannot be installed: there is no such file.</source>
        <translation>%1 ne peut pas être installé : ce fichier n’existe pas.</translation>
    </message>
    <message>
        <source>%1 cannot be installed: it is a folder, not a file.</source>
        <translation>%1 ne peut pas être installé : c’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>%1 cannot be installed: Flightdeck installs mission packs (.ixo) and mission files (.tie).</source>
        <translation>%1 ne peut pas être installé : Flightdeck installe les packs de missions (.ixo) et les fichiers de mission (.tie).</translation>
    </message>
    <message>
        <source>%1 cannot be installed before the game&apos;s folder is chosen (File &gt; Set XvT Directory).</source>
        <translation>%1 ne peut pas être installé avant que le dossier du jeu soit choisi (Fichier &gt; Choisir le dossier de XvT).</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installer</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>How to use Flightdeck</source>
        <translation>Comment utiliser Flightdeck</translation>
    </message>
    <message>
        <source>Open a TIE Mission File...</source>
        <translation>Ouvrir un fichier de mission TIE...</translation>
    </message>
    <message>
        <source>I&amp;nstalled Packs...</source>
        <translation>Packs i&amp;nstallés...</translation>
    </message>
    <message>
        <source>List the installed packs, and take one out</source>
        <translation>Lister les packs installés et en retirer un</translation>
    </message>
    <message>
        <source>Demo Game</source>
        <translation>Jeu de démonstration</translation>
    </message>
    <message>
        <source>The demo game lies in &quot;%1&quot;, where it cannot be changed. Copy it to &quot;%2&quot; and open the copy?</source>
        <translation>Le jeu de démonstration se trouve dans « %1 », où il ne peut pas être modifié. Le copier dans « %2 » et ouvrir la copie ?</translation>
    </message>
    <message>
        <source>The demo game could not be copied: %1</source>
        <translation>Le jeu de démonstration n&apos;a pas pu être copié : %1</translation>
    </message>
</context>
<context>
    <name>flightdeck::TixoPackDialog</name>
    <message>
        <source>Pack List</source>
        <translation>Liste du pack</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>Neutre</translation>
    </message>
    <message>
        <source>Rebel</source>
        <translation>Rebelle</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Impérial</translation>
    </message>
    <message>
        <source>Build Pack</source>
        <translation>Créer le pack</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
