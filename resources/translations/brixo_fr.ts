<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>OnlinePage</name>
    <message>
        <source>lobby address, as host or host:port</source>
        <translation>adresse du lobby, sous la forme hôte ou hôte:port</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Salon</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Spectateurs</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <source>room name</source>
        <translation>nom du salon</translation>
    </message>
    <message>
        <source>Listed for everyone</source>
        <translation>Visible par tous</translation>
    </message>
    <message>
        <source>Create Room</source>
        <translation>Créer un salon</translation>
    </message>
    <message>
        <source>6-letter code</source>
        <translation>code de 6 caractères</translation>
    </message>
    <message>
        <source>Join by Code</source>
        <translation>Rejoindre par code</translation>
    </message>
    <message>
        <source>Lobby:</source>
        <translation>Lobby&#xa0;:</translation>
    </message>
    <message>
        <source>New room:</source>
        <translation>Nouveau salon&#xa0;:</translation>
    </message>
    <message>
        <source>A friend&apos;s room:</source>
        <translation>Salon d&apos;un ami&#xa0;:</translation>
    </message>
    <message>
        <source>Friends on other networks meet in a room on a lobby: a Brixo server on the internet, started with brixo --lobby. Type the address its keeper gave you; Brixo remembers it.</source>
        <translation>Des amis sur d&apos;autres réseaux se retrouvent dans un salon sur un lobby&#xa0;: un serveur Brixo sur Internet, lancé avec brixo --lobby. Tapez l&apos;adresse que vous a donnée celui qui le tient&#xa0;; Brixo s&apos;en souvient.</translation>
    </message>
    <message>
        <source>Open a room and give friends its code, or join theirs. Rooms listed for everyone are below.</source>
        <translation>Ouvrez un salon et donnez son code à vos amis, ou rejoignez le leur. Les salons visibles par tous sont listés ci-dessous.</translation>
    </message>
    <message>
        <source>Type the lobby&apos;s address first.</source>
        <translation>Tapez d&apos;abord l&apos;adresse du lobby.</translation>
    </message>
    <message>
        <source>Asking the lobby for its rooms...</source>
        <translation>Demande de la liste des salons au lobby...</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>No room is listed: create one.</source>
        <translation>Aucun salon n&apos;est listé&#xa0;: créez-en un.</translation>
    </message>
    <message>
        <source>A room&apos;s code is six letters and digits, as its table shows it.</source>
        <translation>Le code d&apos;un salon compte six lettres et chiffres, tel que sa table l&apos;affiche.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address: type a name or an IP address, and :port when it is not %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse&#xa0;: tapez un nom ou une adresse IP, suivi de&#xa0;:port si le port n&apos;est pas %2.</translation>
    </message>
</context>
<context>
    <name>PlayWithOthers</name>
    <message>
        <source>Brixo - Play with Others</source>
        <translation>Brixo - Jouer avec d&apos;autres</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>The name others see</source>
        <translation>Le nom que les autres voient</translation>
    </message>
    <message>
        <source>Host a Game</source>
        <translation>Héberger une partie</translation>
    </message>
    <message>
        <source>Games on This Network</source>
        <translation>Parties sur ce réseau</translation>
    </message>
    <message>
        <source>Join by Address</source>
        <translation>Rejoindre par adresse</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En ligne</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>This table hosts a game. Others join it from Games on This Network, or by one of these addresses:</source>
        <translation>Cette table héberge une partie. Les autres la rejoignent depuis Parties sur ce réseau, ou par l&apos;une de ces adresses&#xa0;:</translation>
    </message>
    <message>
        <source>Host a game here: others on this network see it under Games on This Network, or join it by one of the addresses shown once it runs.</source>
        <translation>Hébergez une partie ici&#xa0;: les autres joueurs de ce réseau la voient sous Parties sur ce réseau, ou la rejoignent par l&apos;une des adresses affichées une fois qu&apos;elle est lancée.</translation>
    </message>
    <message>
        <source>Stop Hosting</source>
        <translation>Arrêter d&apos;héberger</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libres</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Play to</source>
        <translation>Score de victoire</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <source>The host&apos;s address, as its Play with Others window shows it: a name or an IP address, with :port when it is not %1 (an IPv6 address in brackets, [::1]:%1).</source>
        <translation>L&apos;adresse de l&apos;hôte, telle que sa fenêtre Jouer avec d&apos;autres l&apos;affiche&#xa0;: un nom ou une adresse IP, suivi de&#xa0;:port si le port n&apos;est pas %1 (une adresse IPv6 entre crochets, [::1]:%1).</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Type the name others will see first.</source>
        <translation>Tapez d&apos;abord le nom que les autres verront.</translation>
    </message>
    <message>
        <source>Games on this network cannot be heard: %1</source>
        <translation>Impossible d&apos;écouter les parties sur ce réseau&#xa0;: %1</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Looking for games on this network...</source>
        <translation>Recherche de parties sur ce réseau...</translation>
    </message>
    <message>
        <source>One game found.</source>
        <translation>Une partie trouvée.</translation>
    </message>
    <message>
        <source>%1 games found.</source>
        <translation>%1 parties trouvées.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address: type a name or an IP address, and :port when it is not %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse&#xa0;: tapez un nom ou une adresse IP, suivi de&#xa0;:port si le port n&apos;est pas %2.</translation>
    </message>
</context>
<context>
    <name>RoundLinesView</name>
    <message>
        <source>No tiles left</source>
        <translation>Aucune tuile restante</translation>
    </message>
    <message>
        <source>1 tile left</source>
        <translation>1 tuile restante</translation>
    </message>
    <message>
        <source>%1 tiles left</source>
        <translation>%1 tuiles restantes</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>1 tile</source>
        <translation>1 tuile</translation>
    </message>
    <message>
        <source>%1 tiles</source>
        <translation>%1 tuiles</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 point</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>wild tile</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>Green %1</source>
        <translation>vert %1</translation>
    </message>
    <message>
        <source>Orange %1</source>
        <translation>orange %1</translation>
    </message>
    <message>
        <source>Red %1</source>
        <translation>rouge %1</translation>
    </message>
    <message>
        <source>Black %1</source>
        <translation>noir %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>board, column %1, row %2, %3</source>
        <translation>plateau, colonne %1, ligne %2, %3</translation>
    </message>
    <message>
        <source>seat %1, waiting for a player</source>
        <translation>place %1, en attente d&apos;un joueur</translation>
    </message>
    <message>
        <source>computer player, playing its turn</source>
        <translation>joueur ordinateur, joue son tour</translation>
    </message>
    <message>
        <source>computer player</source>
        <translation>joueur ordinateur</translation>
    </message>
    <message>
        <source>computer player for %1, who left, playing its turn</source>
        <translation>ordinateur à la place de %1, qui est parti, joue son tour</translation>
    </message>
    <message>
        <source>computer player for %1, who left</source>
        <translation>ordinateur à la place de %1, qui est parti</translation>
    </message>
    <message>
        <source>%1 (you)</source>
        <translation>%1 (vous)</translation>
    </message>
    <message>
        <source>watching while the computer plays for you</source>
        <translation>vous regardez, l&apos;ordinateur joue pour vous</translation>
    </message>
    <message>
        <source>waiting for the next round</source>
        <translation>en attente de la manche suivante</translation>
    </message>
    <message>
        <source>your turn</source>
        <translation>à vous de jouer</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>en jeu</translation>
    </message>
    <message>
        <source>watching while the computer plays</source>
        <translation>regarde, l&apos;ordinateur joue à sa place</translation>
    </message>
    <message>
        <source>playing, their turn</source>
        <translation>en jeu, c&apos;est son tour</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1, %2, %3, %4</source>
        <translation>%1, %2, %3, %4</translation>
    </message>
    <message>
        <source>no turn running</source>
        <translation>aucun tour en cours</translation>
    </message>
    <message>
        <source>clock stopped, %1 left of your turn</source>
        <translation>horloge arrêtée, il reste %1 à votre tour</translation>
    </message>
    <message>
        <source>clock stopped, %1 left of %2&apos;s turn</source>
        <translation>horloge arrêtée, il reste %1 au tour de %2</translation>
    </message>
    <message>
        <source>%1 left of your turn</source>
        <translation>il reste %1 à votre tour</translation>
    </message>
    <message>
        <source>%1 left of %2&apos;s turn</source>
        <translation>il reste %1 au tour de %2</translation>
    </message>
    <message>
        <source>no tiles left to draw</source>
        <translation>plus aucune tuile à piocher</translation>
    </message>
    <message>
        <source>1 tile left to draw</source>
        <translation>il reste 1 tuile à piocher</translation>
    </message>
    <message>
        <source>%1 tiles left to draw</source>
        <translation>il reste %1 tuiles à piocher</translation>
    </message>
    <message>
        <source>Your turn.</source>
        <translation>À vous de jouer.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>Au tour de %1.</translation>
    </message>
    <message>
        <source>You laid tiles worth %1.</source>
        <translation>Vous avez posé des tuiles valant %1.</translation>
    </message>
    <message>
        <source>You laid %1 worth %2.</source>
        <translation>Vous avez posé %1 valant %2.</translation>
    </message>
    <message>
        <source>%1 laid tiles worth %2.</source>
        <translation>%1 a posé des tuiles valant %2.</translation>
    </message>
    <message>
        <source>%1 laid %2 worth %3.</source>
        <translation>%1 a posé %2 valant %3.</translation>
    </message>
    <message>
        <source>You drew a tile.</source>
        <translation>Vous avez pioché une tuile.</translation>
    </message>
    <message>
        <source>You drew %1.</source>
        <translation>Vous avez pioché %1.</translation>
    </message>
    <message>
        <source>%1 drew a tile.</source>
        <translation>%1 a pioché une tuile.</translation>
    </message>
    <message>
        <source>%1 drew %2.</source>
        <translation>%1 a pioché %2.</translation>
    </message>
    <message>
        <source>You took back the moves of this turn.</source>
        <translation>Vous avez repris les déplacements de ce tour.</translation>
    </message>
    <message>
        <source>%1 took back the moves of this turn.</source>
        <translation>%1 a repris les déplacements de ce tour.</translation>
    </message>
    <message>
        <source>The board holds sets that are not valid. Take the penalty tiles and end your turn, or edit the board?</source>
        <translation>Le plateau porte des combinaisons non valides. Prendre les tuiles de pénalité et terminer votre tour, ou modifier le plateau&#xa0;?</translation>
    </message>
    <message>
        <source>Clock stopped.</source>
        <translation>Horloge arrêtée.</translation>
    </message>
    <message>
        <source>Clock running again.</source>
        <translation>L&apos;horloge repart.</translation>
    </message>
    <message>
        <source>Round over.</source>
        <translation>Fin de la manche.</translation>
    </message>
    <message>
        <source>You are out of tiles.</source>
        <translation>Vous n&apos;avez plus de tuiles.</translation>
    </message>
    <message>
        <source>%1 is out of tiles.</source>
        <translation>%1 n&apos;a plus de tuiles.</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>%1: %2 left, %3.</source>
        <translation>%1&#xa0;: %2 en main, %3.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>two %1s</source>
        <extracomment>Two of the same tile in one set: &quot;two Red 3s&quot;.</extracomment>
        <translation>deux %1</translation>
    </message>
    <message>
        <source>two wild tiles at the start</source>
        <translation>deux jokers au début</translation>
    </message>
    <message>
        <source>wild tile before a 1</source>
        <translation>joker avant un 1</translation>
    </message>
    <message>
        <source>wild tile after a King</source>
        <translation>joker après un 13</translation>
    </message>
    <message>
        <source>numbers out of order</source>
        <translation>nombres dans le désordre</translation>
    </message>
    <message>
        <source>a gap between %1 and %2</source>
        <translation>un trou entre %1 et %2</translation>
    </message>
    <message>
        <source>too many wild tiles between %1 and %2</source>
        <translation>trop de jokers entre %1 et %2</translation>
    </message>
    <message>
        <source>neither a run nor a group</source>
        <translation>ni une suite ni un groupe</translation>
    </message>
    <message>
        <source>only one tile</source>
        <translation>une seule tuile</translation>
    </message>
    <message>
        <source>only two tiles</source>
        <translation>seulement deux tuiles</translation>
    </message>
    <message>
        <source>mixed colours in a run</source>
        <translation>couleurs mélangées dans une suite</translation>
    </message>
    <message>
        <source>mixed numbers in a group</source>
        <translation>nombres différents dans un groupe</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Resume the game of %1?</source>
        <extracomment>%1 is the date and time the game was kept.</extracomment>
        <translation>Reprendre la partie du %1&#xa0;?</translation>
    </message>
    <message>
        <source>Resume the game of %1 with %2?</source>
        <translation>Reprendre la partie du %1 avec %2&#xa0;?</translation>
    </message>
    <message>
        <source>Discard the game of %1? It cannot be resumed afterwards.</source>
        <translation>Supprimer la partie du %1&#xa0;? Elle ne pourra plus être reprise.</translation>
    </message>
    <message>
        <source>You played a %1.</source>
        <translation>Vous avez posé un %1.</translation>
    </message>
    <message>
        <source>%1 played a %2.</source>
        <translation>%1 a posé un %2.</translation>
    </message>
    <message>
        <source>You moved a %1.</source>
        <translation>Vous avez déplacé un %1.</translation>
    </message>
    <message>
        <source>%1 moved a %2.</source>
        <translation>%1 a déplacé un %2.</translation>
    </message>
    <message>
        <source>You removed a %1.</source>
        <translation>Vous avez repris un %1.</translation>
    </message>
    <message>
        <source>%1 removed a %2.</source>
        <translation>%1 a repris un %2.</translation>
    </message>
    <message>
        <source>You cleared tiles.</source>
        <translation>Vous avez repris vos tuiles.</translation>
    </message>
    <message>
        <source>%1 cleared tiles.</source>
        <translation>%1 a repris ses tuiles.</translation>
    </message>
    <message>
        <source>You cannot select a new tile when you have a tile from the board in your hand.</source>
        <translation>Vous ne pouvez pas prendre une nouvelle tuile tant que vous tenez une tuile du plateau.</translation>
    </message>
    <message>
        <source>You cannot clear when you have a tile in your hand.</source>
        <translation>Vous ne pouvez pas tout reprendre tant que vous avez une tuile en main.</translation>
    </message>
    <message>
        <source>You cannot end your turn when you have a tile in your hand.</source>
        <translation>Vous ne pouvez pas terminer votre tour tant que vous avez une tuile en main.</translation>
    </message>
    <message>
        <source>You cannot draw a tile when you have a tile in your hand.</source>
        <translation>Vous ne pouvez pas piocher tant que vous avez une tuile en main.</translation>
    </message>
    <message>
        <source>You cannot draw with tiles laid this turn. Finish, or Clear them back to your rack first.</source>
        <translation>Vous ne pouvez pas piocher après avoir posé des tuiles pendant ce tour. Terminez, ou remettez-les d&apos;abord sur votre chevalet avec Tout reprendre.</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Vous êtes connecté.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 est connecté.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Vous êtes spectateur.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 est spectateur.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 est parti.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 s&apos;est déconnecté.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 regarde seulement</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 joue de nouveau</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 a lancé une partie.</translation>
    </message>
    <message>
        <source>Starting with %1 tiles.</source>
        <translation>Chacun commence avec %1 tuiles.</translation>
    </message>
    <message>
        <source>Show Me cannot lay this play out on the board: lay it yourself.</source>
        <translation>Montre-moi ne peut pas disposer ce coup sur le plateau&#xa0;: posez-le vous-même.</translation>
    </message>
    <message>
        <source>The server has not answered a move.</source>
        <translation>Le serveur n&apos;a pas répondu à un déplacement.</translation>
    </message>
    <message>
        <source>The server did not take a move.</source>
        <translation>Le serveur n&apos;a pas accepté un déplacement.</translation>
    </message>
    <message>
        <source>Show Me is done: Finish to play it, or Undo to take it back a move at a time, or Clear.</source>
        <translation>Montre-moi a terminé&#xa0;: Terminer joue le coup, Annuler le reprend un déplacement à la fois, Tout reprendre l&apos;annule d&apos;un coup.</translation>
    </message>
    <message>
        <source>The rack has changed.</source>
        <translation>Le chevalet a changé.</translation>
    </message>
    <message>
        <source>The board has changed.</source>
        <translation>Le plateau a changé.</translation>
    </message>
    <message>
        <source>The tile is no longer in the hand.</source>
        <translation>La tuile n&apos;est plus en main.</translation>
    </message>
    <message>
        <source>The tile&apos;s place is taken.</source>
        <translation>La place de la tuile est prise.</translation>
    </message>
    <message>
        <source>Show Me stopped. %1</source>
        <translation>Montre-moi s&apos;est arrêté. %1</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>À vous de jouer.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>Au tour de %1.</translation>
    </message>
    <message>
        <source>You have run out of time!.</source>
        <translation>Votre temps est écoulé&#xa0;!</translation>
    </message>
    <message>
        <source>%1 has ran out of time.</source>
        <translation>Le temps de %1 est écoulé.</translation>
    </message>
    <message>
        <source>Board is incomplete.</source>
        <translation>Le plateau est incomplet.</translation>
    </message>
    <message>
        <source>Your first lay down must equal at least %1 points</source>
        <translation>Votre première pose doit valoir au moins %1 points</translation>
    </message>
    <message>
        <source>An %1</source>
        <extracomment>A tile&apos;s number opening the sentence &quot;%1 cannot go after %2.&quot; (&quot;An 8&quot;); &quot;a %1&quot; is the number after it.</extracomment>
        <translation>Un %1</translation>
    </message>
    <message>
        <source>an %1</source>
        <translation>un %1</translation>
    </message>
    <message>
        <source>A %1</source>
        <translation>Un %1</translation>
    </message>
    <message>
        <source>a %1</source>
        <translation>un %1</translation>
    </message>
    <message>
        <source>That is not a cell of the board.</source>
        <translation>Ce n&apos;est pas une case du plateau.</translation>
    </message>
    <message>
        <source>That cell is taken.</source>
        <translation>Cette case est prise.</translation>
    </message>
    <message>
        <source>%1 cannot go after %2.</source>
        <extracomment>A run&apos;s numbers rise to the right: &quot;A 7 cannot go after a 9.&quot;</extracomment>
        <translation>%1 ne peut pas aller après %2.</translation>
    </message>
    <message>
        <source>%1 cannot go before %2.</source>
        <translation>%1 ne peut pas aller avant %2.</translation>
    </message>
    <message>
        <source>%1 Trying again… %2</source>
        <translation>%1 Nouvel essai… %2</translation>
    </message>
    <message>
        <source>Play To Score: %1</source>
        <translation>Score de victoire&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time Per Turn: %1</source>
        <translation>Temps par tour&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time Penalty: ON</source>
        <translation>Pénalité de temps&#xa0;: OUI</translation>
    </message>
    <message>
        <source>Time Penalty: OFF</source>
        <translation>Pénalité de temps&#xa0;: NON</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Partie en équipes</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Bonne chance</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Temps&#xa0;: %1</translation>
    </message>
    <message>
        <source>Tile&apos;s Left: %1</source>
        <translation>Tuiles restantes&#xa0;: %1</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>Vous avez gagné la partie&#xa0;!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 a gagné la partie&#xa0;!</translation>
    </message>
    <message>
        <source>You drew a tile.</source>
        <translation>Vous avez pioché une tuile.</translation>
    </message>
    <message>
        <source>You drew %1 tiles (penalty).</source>
        <translation>Vous avez pioché %1 tuiles (pénalité).</translation>
    </message>
    <message>
        <source>%1 drew a tile.</source>
        <translation>%1 a pioché une tuile.</translation>
    </message>
    <message>
        <source>%1 drew %2 tiles (penalty).</source>
        <translation>%1 a pioché %2 tuiles (pénalité).</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 point</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>How the round&apos;s result names the player.</extracomment>
        <translation>Vous</translation>
    </message>
    <message>
        <source>%1: %2 tile left, %3.</source>
        <translation>%1&#xa0;: %2 tuile restante, %3.</translation>
    </message>
    <message>
        <source>%1: %2 tiles left, %3.</source>
        <translation>%1&#xa0;: %2 tuiles restantes, %3.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Points laid so far toward the first lay-down: &quot;22 of 30&quot;.</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>The Round Ended in a Draw.</source>
        <translation>La manche se termine à égalité.</translation>
    </message>
    <message>
        <source>You are out of tiles! The Round is Over.</source>
        <translation>Vous n&apos;avez plus de tuiles&#xa0;! La manche est terminée.</translation>
    </message>
    <message>
        <source>%1 is out of tiles! The Round is Over.</source>
        <translation>%1 n&apos;a plus de tuiles&#xa0;! La manche est terminée.</translation>
    </message>
    <message>
        <source>There is no set there.</source>
        <translation>Il n&apos;y a pas de combinaison ici.</translation>
    </message>
    <message>
        <source>There is no room beside that set to make space in it.</source>
        <translation>Il n&apos;y a pas de case libre à côté de cette combinaison pour y faire de la place.</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <extracomment>A run by its colour and its lowest and highest numbers: &quot;Green 8 to 10&quot;.</extracomment>
        <translation>%1 %2 à %3</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>A group by its number: &quot;9s&quot; for a group of nines.</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 as a new run</source>
        <translation>%1 comme nouvelle suite</translation>
    </message>
    <message>
        <source>%1 as a new group</source>
        <translation>%1 comme nouveau groupe</translation>
    </message>
    <message>
        <source>%1 beside the %2 run</source>
        <extracomment>Rack tiles (%1) added to a run on the board (%2: &quot;Green 8 to 10&quot;).</extracomment>
        <translation>%1 à côté de la suite %2</translation>
    </message>
    <message>
        <source>%1 with the %2</source>
        <extracomment>Rack tiles (%1) added to a group on the board (%2: &quot;9s&quot;).</extracomment>
        <translation>%1 avec les %2</translation>
    </message>
    <message>
        <source>%1 into a rearranged %2 run</source>
        <translation>%1 dans une suite %2 réorganisée</translation>
    </message>
    <message>
        <source>%1 into a rearranged group of %2</source>
        <translation>%1 dans un groupe de %2 réorganisé</translation>
    </message>
    <message>
        <source>No play found: draw a tile.</source>
        <translation>Aucun coup trouvé&#xa0;: piochez une tuile.</translation>
    </message>
    <message>
        <source>Lay %1 tiles for %2: press Show Me.</source>
        <translation>Posez %1 tuiles pour %2&#xa0;: appuyez sur Montre-moi.</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1&#xa0;; %2</translation>
    </message>
    <message>
        <source>Lay %1 (%2).</source>
        <extracomment>The hint: the sets to lay (%1, joined by &quot;; &quot;) and their points (%2).</extracomment>
        <translation>Posez %1 (%2).</translation>
    </message>
    <message>
        <source>Show Me moves 1 board tile</source>
        <translation>Montre-moi déplace 1 tuile du plateau</translation>
    </message>
    <message>
        <source>Show Me moves %1 board tiles</source>
        <translation>Montre-moi déplace %1 tuiles du plateau</translation>
    </message>
    <message>
        <source>Lay %1 (%2; %3).</source>
        <translation>Posez %1 (%2&#xa0;; %3).</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 a une autre version du jeu que vous.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Vous avez une autre version du jeu que l&apos;hôte.</translation>
    </message>
    <message>
        <source>You cannot hold anymore tiles</source>
        <translation>Vous ne pouvez pas prendre plus de tuiles</translation>
    </message>
    <message>
        <source>There are no tiles left</source>
        <translation>Il ne reste plus de tuiles</translation>
    </message>
    <message>
        <source>Your room&apos;s code is %1: friends join by it, from Play with Others, Online.</source>
        <translation>Le code de votre salon est %1&#xa0;: vos amis le rejoignent avec ce code, depuis Jouer avec d&apos;autres, En ligne.</translation>
    </message>
    <message>
        <source>Slow down: lines sent too fast were not passed on.</source>
        <translation>Doucement&#xa0;: des lignes envoyées trop vite n&apos;ont pas été transmises.</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Vous avez lancé une partie.</translation>
    </message>
</context>
<context>
    <name>TableAccessible</name>
    <message>
        <source>Announcements</source>
        <translation>Annonces</translation>
    </message>
    <message>
        <source>board</source>
        <translation>plateau</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>laid in the last turn</source>
        <translation>posée au dernier tour</translation>
    </message>
    <message>
        <source>set not valid: %1</source>
        <translation>combinaison non valide&#xa0;: %1</translation>
    </message>
    <message>
        <source>Brixo table</source>
        <translation>table de Brixo</translation>
    </message>
    <message>
        <source>table</source>
        <translation>table</translation>
    </message>
    <message>
        <source>board background</source>
        <translation>fond du plateau</translation>
    </message>
    <message>
        <source>rack background</source>
        <translation>fond du chevalet</translation>
    </message>
    <message>
        <source>players</source>
        <translation>joueurs</translation>
    </message>
    <message>
        <source>turn marker</source>
        <translation>indicateur de tour</translation>
    </message>
    <message>
        <source>game</source>
        <translation>partie</translation>
    </message>
    <message>
        <source>time bar</source>
        <translation>barre de temps</translation>
    </message>
    <message>
        <source>time left</source>
        <translation>temps restant</translation>
    </message>
    <message>
        <source>sounds</source>
        <translation>sons</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>tour</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>horloge</translation>
    </message>
    <message>
        <source>sort by numbers</source>
        <translation>trier par nombre</translation>
    </message>
    <message>
        <source>sort by suits</source>
        <translation>trier par couleur</translation>
    </message>
    <message>
        <source>game paused</source>
        <translation>partie en pause</translation>
    </message>
    <message>
        <source>chat</source>
        <translation>chat</translation>
    </message>
    <message>
        <source>chat line</source>
        <translation>ligne de chat</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>gagnant</translation>
    </message>
    <message>
        <source>penalty question</source>
        <translation>question de pénalité</translation>
    </message>
    <message>
        <source>first lay down</source>
        <translation>première pose</translation>
    </message>
    <message>
        <source>round over</source>
        <translation>fin de la manche</translation>
    </message>
    <message>
        <source>round result</source>
        <translation>résultat de la manche</translation>
    </message>
    <message>
        <source>game log</source>
        <translation>journal de la partie</translation>
    </message>
    <message>
        <source>close the game log</source>
        <translation>fermer le journal de la partie</translation>
    </message>
    <message>
        <source>seat %1</source>
        <translation>place %1</translation>
    </message>
    <message>
        <source>menu bar</source>
        <translation>barre de menus</translation>
    </message>
    <message>
        <source>%1, vertical scroll bar</source>
        <translation>%1, barre de défilement verticale</translation>
    </message>
    <message>
        <source>%1, horizontal scroll bar</source>
        <translation>%1, barre de défilement horizontale</translation>
    </message>
    <message>
        <source>score of %1: %2</source>
        <translation>score de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no last points for %1</source>
        <translation>pas encore de derniers points pour %1</translation>
    </message>
    <message>
        <source>last points of %1: %2</source>
        <translation>derniers points de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>tiles of %1: not known yet</source>
        <translation>tuiles de %1&#xa0;: pas encore connues</translation>
    </message>
    <message>
        <source>tiles of %1: %2</source>
        <translation>tuiles de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>status</source>
        <translation>état</translation>
    </message>
    <message>
        <source>last move</source>
        <translation>dernier coup</translation>
    </message>
    <message>
        <source>nothing in your hand</source>
        <translation>rien en main</translation>
    </message>
    <message>
        <source>in your hand: %1</source>
        <translation>en main&#xa0;: %1</translation>
    </message>
    <message>
        <source>in your hand</source>
        <translation>en main</translation>
    </message>
    <message>
        <source>part of the hint</source>
        <translation>fait partie de l&apos;indice</translation>
    </message>
    <message>
        <source>just drawn</source>
        <translation>vient d&apos;être piochée</translation>
    </message>
    <message>
        <source>your rack, 1 tile</source>
        <translation>votre chevalet, 1 tuile</translation>
    </message>
    <message>
        <source>your rack, %1 tiles</source>
        <translation>votre chevalet, %1 tuiles</translation>
    </message>
    <message>
        <source>phrase %1: %2</source>
        <translation>phrase %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Brixo - About</source>
        <translation>Brixo - À propos</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Last</source>
        <extracomment>Column heading: the points each seat made last.</extracomment>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>Tiles</source>
        <extracomment>Column heading: how many tiles each seat holds.</extracomment>
        <translation>Tuiles</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Exclure de la partie</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Mettre en spectateur</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Remettre en jeu</translation>
    </message>
    <message>
        <source>Just watching</source>
        <translation>Regarde seulement</translation>
    </message>
    <message>
        <source>Sits out this round</source>
        <translation>Passe cette manche</translation>
    </message>
    <message>
        <source>Your partner</source>
        <translation>Votre partenaire</translation>
    </message>
    <message>
        <source>The Green Team (seats 1 and 3) against The Brown Team (seats 2 and 4)</source>
        <translation>L&apos;équipe verte (places 1 et 3) contre l&apos;équipe marron (places 2 et 4)</translation>
    </message>
    <message>
        <source>Friends join this room by its code, from Play with Others, Online</source>
        <translation>Vos amis rejoignent ce salon avec son code, depuis Jouer avec d&apos;autres, En ligne</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy the room&apos;s code</source>
        <translation>Copier le code du salon</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Piocher</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tout reprendre</translation>
    </message>
    <message>
        <source>Draw a tile and end your turn</source>
        <translation>Piocher une tuile et terminer votre tour</translation>
    </message>
    <message>
        <source>End your turn</source>
        <translation>Terminer votre tour</translation>
    </message>
    <message>
        <source>Take back everything you did this turn</source>
        <translation>Reprendre tout ce que vous avez fait pendant ce tour</translation>
    </message>
    <message>
        <source>The board holds sets that are not complete</source>
        <translation>Le plateau porte des combinaisons incomplètes</translation>
    </message>
    <message>
        <source>Click here to view the Game Log</source>
        <translation>Cliquez ici pour voir le journal de la partie</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop waiting for the host</source>
        <translation>Ne plus attendre l&apos;hôte</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop the clock for everybody</source>
        <translation>Arrêter l&apos;horloge pour tout le monde</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Commencer la partie</translation>
    </message>
    <message>
        <source>SORT BY:</source>
        <translation>TRIER PAR&#xa0;:</translation>
    </message>
    <message>
        <source>Sort by Numbers</source>
        <translation>Trier par nombre</translation>
    </message>
    <message>
        <source>Sort by Suits</source>
        <translation>Trier par couleur</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Écrivez ici&gt;</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations&#xa0;!</translation>
    </message>
    <message>
        <source>There are incomplete or incorrect groups on the board.

Would you like to take a 3 tile penalty and end your turn?</source>
        <translation>Il y a des combinaisons incomplètes ou incorrectes sur le plateau.

Voulez-vous prendre une pénalité de 3 tuiles et terminer votre tour&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>The tiles you lay down on your first turn must equal at least 30 points.</source>
        <translation>Les tuiles que vous posez à votre premier tour doivent valoir au moins 30 points.</translation>
    </message>
    <message>
        <source>Round Over</source>
        <translation>Fin de la manche</translation>
    </message>
    <message>
        <source>This round has already started. You will have to wait until the next round.</source>
        <translation>Cette manche a déjà commencé. Vous devez attendre la manche suivante.</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Journal de la partie</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>Play with Others...</source>
        <translation>Jouer avec d&apos;autres...</translation>
    </message>
    <message>
        <source>Leave Game</source>
        <translation>Quitter la partie</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Regarder seulement</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Liste des spectateurs</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Voir le palmarès</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Réinitialiser la position de la fenêtre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Table Size</source>
        <translation>Taille de la table</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Activer les sons</translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation>Son du tour</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Vitesse de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>bot speed</comment>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>bot level</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maître</translation>
    </message>
    <message>
        <source>Tile Sets</source>
        <translation>Jeux de tuiles</translation>
    </message>
    <message>
        <source>&amp;Turn</source>
        <translation>&amp;Tour</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Put Tile Back</source>
        <translation>Reposer la tuile</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>Arrange Rack</source>
        <translation>Ranger le chevalet</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Montre-moi</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation>Couleur des actions</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Arrêter le défilement du chat</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Effacer le chat</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Phrases toutes faites</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Chargement de la partie en solo... Veuillez patienter.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Chargement de la partie à plusieurs... Veuillez patienter.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>No room has the code %1: it may have closed. Check the code with your friend.</source>
        <translation>Aucun salon n&apos;a le code %1&#xa0;: il a peut-être fermé. Vérifiez le code avec votre ami.</translation>
    </message>
    <message>
        <source>A game is being played. Leave it?</source>
        <translation>Une partie est en cours. La quitter&#xa0;?</translation>
    </message>
    <message>
        <source>A game is being played. Leave it and quit Brixo?</source>
        <translation>Une partie est en cours. La quitter et fermer Brixo&#xa0;?</translation>
    </message>
    <message>
        <source>The game could not be hosted: %1</source>
        <translation>Impossible d&apos;héberger la partie&#xa0;: %1</translation>
    </message>
    <message>
        <source>You host a game on this network as %1.</source>
        <translation>Vous hébergez une partie sur ce réseau sous le nom %1.</translation>
    </message>
    <message>
        <source>Joining the game at %1 as %2.</source>
        <translation>Connexion à la partie sur %1 sous le nom %2.</translation>
    </message>
    <message>
        <source>Opening a room at the lobby %1 as %2.</source>
        <translation>Ouverture d&apos;un salon sur le lobby %1 sous le nom %2.</translation>
    </message>
    <message>
        <source>Entering room %1 at the lobby %2 as %3.</source>
        <translation>Entrée dans le salon %1 sur le lobby %2 sous le nom %3.</translation>
    </message>
    <message>
        <source>Brixo - Room %1</source>
        <translation>Brixo - Salon %1</translation>
    </message>
    <message>
        <source>Brixo - Hosting a game on this network</source>
        <translation>Brixo - Partie hébergée sur ce réseau</translation>
    </message>
    <message>
        <source>Brixo - Playing at %1</source>
        <translation>Brixo - Partie sur %1</translation>
    </message>
    <message>
        <source>Brixo - Online at %1</source>
        <translation>Brixo - En ligne sur %1</translation>
    </message>
    <message>
        <source>Could not reach the host at %1.</source>
        <translation>Impossible de joindre l&apos;hôte à l&apos;adresse %1.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Find Another Game</source>
        <translation>Chercher une autre partie</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>La partie est complète</translation>
    </message>
    <message>
        <source>The host removed you from this game.</source>
        <translation>L&apos;hôte vous a exclu de cette partie.</translation>
    </message>
    <message>
        <source>The host has left the game.</source>
        <translation>L&apos;hôte a quitté la partie.</translation>
    </message>
    <message>
        <source>The connection to the lobby was lost.</source>
        <translation>La connexion au lobby a été perdue.</translation>
    </message>
    <message>
        <source>The connection to the game was lost.</source>
        <translation>La connexion à la partie a été perdue.</translation>
    </message>
    <message>
        <source>The connection to the lobby was lost. Trying to reach it again.</source>
        <translation>La connexion au lobby a été perdue. Nouvelle tentative en cours.</translation>
    </message>
    <message>
        <source>The lobby is gone.</source>
        <translation>Le lobby a disparu.</translation>
    </message>
    <message>
        <source>The connection to the host was lost. Trying to reach it again.</source>
        <translation>La connexion à l&apos;hôte a été perdue. Nouvelle tentative en cours.</translation>
    </message>
    <message>
        <source>The lobby is back.</source>
        <translation>Le lobby est de retour.</translation>
    </message>
    <message>
        <source>The host is back.</source>
        <translation>L&apos;hôte est de retour.</translation>
    </message>
    <message>
        <source>The lobby could not be reached again.</source>
        <translation>Impossible de joindre à nouveau le lobby.</translation>
    </message>
    <message>
        <source>The host could not be reached again.</source>
        <translation>Impossible de joindre à nouveau l&apos;hôte.</translation>
    </message>
    <message>
        <source>Play Solo</source>
        <translation>Jouer en solo</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Vous n&apos;êtes pas connecté</translation>
    </message>
    <message>
        <source>A game is being played. End it and start a new game?</source>
        <translation>Une partie est en cours. L&apos;arrêter et en commencer une nouvelle&#xa0;?</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Colour Symbols</source>
        <translation>Symboles de couleur</translation>
    </message>
    <message>
        <source>A shape for each colour on the tiles: Green circle, Orange square, Red triangle, Black diamond</source>
        <translation>Une forme pour chaque couleur sur les tuiles&#xa0;: cercle vert, carré orange, triangle rouge, losange noir</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Contraste élevé</translation>
    </message>
    <message>
        <source>Strong tile colours that colour-blind eyes tell apart, on a dark board</source>
        <translation>Des couleurs de tuiles franches, que les daltoniens distinguent bien, sur un plateau sombre</translation>
    </message>
    <message>
        <source>It is left where it is and not written over.</source>
        <translation>Il reste où il est et n&apos;est pas écrasé.</translation>
    </message>
    <message>
        <source>It was kept as %1.</source>
        <translation>Il a été conservé sous le nom %1.</translation>
    </message>
    <message>
        <source>%1 The settings start on their defaults. %2</source>
        <translation>%1 Les réglages repartent de leurs valeurs par défaut. %2</translation>
    </message>
    <message>
        <source>Sounds on: click to turn them off</source>
        <translation>Sons activés&#xa0;: cliquez pour les couper</translation>
    </message>
    <message>
        <source>Sounds off: click to turn them on</source>
        <translation>Sons coupés&#xa0;: cliquez pour les activer</translation>
    </message>
    <message>
        <source>Stop Show Me</source>
        <translation>Arrêter Montre-moi</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;En attente&gt;</translation>
    </message>
    <message>
        <source>Play To Score: </source>
        <translation>Score de victoire&#xa0;: </translation>
    </message>
    <message>
        <source>Time Per Turn: </source>
        <translation>Temps par tour&#xa0;: </translation>
    </message>
    <message>
        <source>Time Penalty: </source>
        <translation>Pénalité de temps&#xa0;: </translation>
    </message>
    <message>
        <source>Room %1</source>
        <translation>Salon %1</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>The first set that is not valid: its tiles, and why.</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Way To Go!</source>
        <translation>Bien joué&#xa0;!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>Joli coup&#xa0;!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>Bien essayé&#xa0;!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>Excellent&#xa0;!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>Génial&#xa0;!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation>Waouh, bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>Merci&#xa0;!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>Bravo, partenaire&#xa0;!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>Bonne partie à tous&#xa0;!</translation>
    </message>
    <message>
        <source>/me waves &quot;Good-Bye&quot;</source>
        <translation>/me fait «&#xa0;au revoir&#xa0;» de la main</translation>
    </message>
    <message>
        <source>Start Game</source>
        <comment>the short button beside Pause</comment>
        <translation>Commencer</translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>Brixo - Welcome</source>
        <translation>Brixo - Bienvenue</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jouer en solo</translation>
    </message>
    <message>
        <source>Play with Others...</source>
        <translation>Jouer avec d&apos;autres...</translation>
    </message>
    <message>
        <source>Open The Quorvin Lobby</source>
        <translation>Ouvrir le lobby Quorvin</translation>
    </message>
    <message>
        <source>Play a game against the computer now.</source>
        <translation>Jouez tout de suite contre l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Play with friends: host a game on this network, find the games others host, join one by its address, or meet in a room online.</source>
        <translation>Jouez avec des amis&#xa0;: hébergez une partie sur ce réseau, trouvez les parties des autres, rejoignez-en une par son adresse, ou retrouvez-vous dans un salon en ligne.</translation>
    </message>
    <message>
        <source>The Quorvin Lobby is installed on this computer. It finds games with other players online; this game closes while it runs.</source>
        <translation>Le lobby Quorvin est installé sur cet ordinateur. Il trouve des parties avec d&apos;autres joueurs en ligne&#xa0;; ce jeu se ferme tant qu&apos;il tourne.</translation>
    </message>
    <message>
        <source>Show this at start</source>
        <translation>Afficher au démarrage</translation>
    </message>
    <message>
        <source>The Quorvin Lobby could not be started.</source>
        <translation>Impossible de lancer le lobby Quorvin.</translation>
    </message>
</context>
<context>
    <name>Tgamestart</name>
    <message>
        <source>Brixo - Game Start</source>
        <translation>Brixo - Début de partie</translation>
    </message>
    <message>
        <source>Time Penalty</source>
        <translation>Pénalité de temps</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Partie en équipes</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Commencer la partie</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Options de la partie</translation>
    </message>
    <message>
        <source>Play to Score:</source>
        <translation>Score de victoire&#xa0;:</translation>
    </message>
    <message>
        <source>Creation Time:</source>
        <extracomment>The seconds each turn may take.</extracomment>
        <translation>Temps par tour&#xa0;:</translation>
    </message>
    <message>
        <source>secs</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Tiles to Start With::</source>
        <translation>Tuiles distribuées&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Thelp</name>
    <message>
        <source>Overview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Déroulement</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentation</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Brixo - Help File</source>
        <translation>Brixo - Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>Tile</name>
    <message>
        <source>WILD</source>
        <extracomment>The wild tile, which stands for any tile (the joker).</extracomment>
        <translation>joker</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A tile by its colour (%1) and its number (%2): &quot;Green 7&quot;, &quot;Red King&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>Jack</source>
        <extracomment>The tiles numbered 11, 12 and 13 are called Jack, Queen and King.</extracomment>
        <translation>11</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>12</translation>
    </message>
    <message>
        <source>King</source>
        <translation>13</translation>
    </message>
</context>
<context>
    <name>Tphrases</name>
    <message>
        <source>Brixo - Phrase Buttons</source>
        <translation>Brixo - Boutons de phrases</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Chaque bouton ne sert qu&apos;une fois toutes les 2 secondes</translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Bouton de phrase %1&#xa0;:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Brixo - Spys</source>
        <translation>Brixo - Spectateurs</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Exclure de la partie</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Liste des spectateurs</translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Brixo - Tally List</source>
        <translation>Brixo - Palmarès</translation>
    </message>
    <message>
        <source>Your Tally</source>
        <translation>Votre palmarès</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Parties au total&#xa0;:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Vos victoires</translation>
    </message>
    <message>
        <source>Click a name to see its tally; untick it to stop keeping it</source>
        <translation>Cliquez sur un nom pour voir son palmarès&#xa0;; décochez-le pour ne plus le suivre</translation>
    </message>
    <message>
        <source>Tick a player to keep a tally of your games with them</source>
        <translation>Cochez un joueur pour tenir le palmarès de vos parties avec lui</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Joueurs suivis</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Joueurs de la partie en cours</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Séance</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Nombre de parties</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Vos victoires&#xa0;:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Aucun gagnant&#xa0;:</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Remettre le palmarès à zéro</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Player&apos;s Tally</source>
        <translation>Palmarès du joueur</translation>
    </message>
    <message>
        <source>Player Wins:</source>
        <translation>Victoires du joueur&#xa0;:</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Victoires de %1&#xa0;:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Palmarès de %1</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Le palmarès de %1 va être supprimé. Voulez-vous vraiment le supprimer&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Voulez-vous vraiment remettre le palmarès à zéro&#xa0;?</translation>
    </message>
</context>
</TS>
