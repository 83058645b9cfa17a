<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>OnlinePage</name>
    <message>
        <source>lobby address, as host or host:port</source>
        <translation>Adresse der Lobby, als Host oder Host:Port</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Raum</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Zuschauer</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>room name</source>
        <translation>Name des Raums</translation>
    </message>
    <message>
        <source>Listed for everyone</source>
        <translation>Für alle sichtbar</translation>
    </message>
    <message>
        <source>Create Room</source>
        <translation>Raum eröffnen</translation>
    </message>
    <message>
        <source>6-letter code</source>
        <translation>Code aus 6 Zeichen</translation>
    </message>
    <message>
        <source>Join by Code</source>
        <translation>Mit Code beitreten</translation>
    </message>
    <message>
        <source>Lobby:</source>
        <translation>Lobby:</translation>
    </message>
    <message>
        <source>New room:</source>
        <translation>Neuer Raum:</translation>
    </message>
    <message>
        <source>A friend&apos;s room:</source>
        <translation>Raum von Freunden:</translation>
    </message>
    <message>
        <source>Friends on other networks meet in a room on a lobby: a Brixo server on the internet, started with brixo --lobby. Type the address its keeper gave you; Brixo remembers it.</source>
        <translation>Freunde in anderen Netzwerken treffen sich in einem Raum auf einer Lobby: einem Brixo-Server im Internet, gestartet mit brixo --lobby. Gib die Adresse ein, die dir sein Betreiber genannt hat; Brixo merkt sie sich.</translation>
    </message>
    <message>
        <source>Open a room and give friends its code, or join theirs. Rooms listed for everyone are below.</source>
        <translation>Eröffne einen Raum und gib deinen Freunden seinen Code, oder tritt ihrem bei. Räume, die für alle sichtbar sind, stehen unten.</translation>
    </message>
    <message>
        <source>Type the lobby&apos;s address first.</source>
        <translation>Gib zuerst die Adresse der Lobby ein.</translation>
    </message>
    <message>
        <source>Asking the lobby for its rooms...</source>
        <translation>Die Lobby wird nach ihren Räumen gefragt …</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>No room is listed: create one.</source>
        <translation>Kein Raum zu sehen: eröffne einen.</translation>
    </message>
    <message>
        <source>A room&apos;s code is six letters and digits, as its table shows it.</source>
        <translation>Der Code eines Raums besteht aus sechs Buchstaben und Ziffern, so wie sein Tisch ihn anzeigt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address: type a name or an IP address, and :port when it is not %2.</source>
        <translation>„%1“ ist keine Adresse: Gib einen Namen oder eine IP-Adresse ein, und :Port, wenn er nicht %2 ist.</translation>
    </message>
</context>
<context>
    <name>PlayWithOthers</name>
    <message>
        <source>Brixo - Play with Others</source>
        <translation>Brixo - Mit anderen spielen</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Dein Name:</translation>
    </message>
    <message>
        <source>The name others see</source>
        <translation>Der Name, den die anderen sehen</translation>
    </message>
    <message>
        <source>Host a Game</source>
        <translation>Spiel eröffnen</translation>
    </message>
    <message>
        <source>Games on This Network</source>
        <translation>Spiele in diesem Netzwerk</translation>
    </message>
    <message>
        <source>Join by Address</source>
        <translation>Über Adresse beitreten</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>This table hosts a game. Others join it from Games on This Network, or by one of these addresses:</source>
        <translation>Dieser Tisch hat ein Spiel eröffnet. Andere treten ihm über „Spiele in diesem Netzwerk“ bei oder über eine dieser Adressen:</translation>
    </message>
    <message>
        <source>Host a game here: others on this network see it under Games on This Network, or join it by one of the addresses shown once it runs.</source>
        <translation>Eröffne hier ein Spiel: Andere in diesem Netzwerk sehen es unter „Spiele in diesem Netzwerk“ oder treten ihm über eine der Adressen bei, die erscheinen, sobald es läuft.</translation>
    </message>
    <message>
        <source>Stop Hosting</source>
        <translation>Spiel schließen</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Gastgeber</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Play to</source>
        <translation>Spielt bis</translation>
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
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>The host&apos;s address, as its Play with Others window shows it: a name or an IP address, with :port when it is not %1 (an IPv6 address in brackets, [::1]:%1).</source>
        <translation>Die Adresse des Gastgebers, wie sein Fenster „Mit anderen spielen“ sie zeigt: ein Name oder eine IP-Adresse, mit :Port, wenn er nicht %1 ist (eine IPv6-Adresse in eckigen Klammern, [::1]:%1).</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Type the name others will see first.</source>
        <translation>Gib zuerst den Namen ein, den die anderen sehen.</translation>
    </message>
    <message>
        <source>Games on this network cannot be heard: %1</source>
        <translation>Spiele in diesem Netzwerk sind nicht zu hören: %1</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Looking for games on this network...</source>
        <translation>Suche nach Spielen in diesem Netzwerk …</translation>
    </message>
    <message>
        <source>One game found.</source>
        <translation>Ein Spiel gefunden.</translation>
    </message>
    <message>
        <source>%1 games found.</source>
        <translation>%1 Spiele gefunden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address: type a name or an IP address, and :port when it is not %2.</source>
        <translation>„%1“ ist keine Adresse: Gib einen Namen oder eine IP-Adresse ein, und :Port, wenn er nicht %2 ist.</translation>
    </message>
</context>
<context>
    <name>RoundLinesView</name>
    <message>
        <source>No tiles left</source>
        <translation>Keine Steine übrig</translation>
    </message>
    <message>
        <source>1 tile left</source>
        <translation>1 Stein übrig</translation>
    </message>
    <message>
        <source>%1 tiles left</source>
        <translation>%1 Steine übrig</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>1 tile</source>
        <translation>1 Stein</translation>
    </message>
    <message>
        <source>%1 tiles</source>
        <translation>%1 Steine</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 Punkt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>wild tile</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>Green %1</source>
        <translation>Grün %1</translation>
    </message>
    <message>
        <source>Orange %1</source>
        <translation>Orange %1</translation>
    </message>
    <message>
        <source>Red %1</source>
        <translation>Rot %1</translation>
    </message>
    <message>
        <source>Black %1</source>
        <translation>Schwarz %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>board, column %1, row %2, %3</source>
        <translation>Spielfeld, Spalte %1, Zeile %2, %3</translation>
    </message>
    <message>
        <source>seat %1, waiting for a player</source>
        <translation>Platz %1, wartet auf einen Spieler</translation>
    </message>
    <message>
        <source>computer player, playing its turn</source>
        <translation>Computerspieler, ist am Zug</translation>
    </message>
    <message>
        <source>computer player</source>
        <translation>Computerspieler</translation>
    </message>
    <message>
        <source>computer player for %1, who left, playing its turn</source>
        <translation>Computerspieler für %1, die Person ist gegangen, jetzt am Zug</translation>
    </message>
    <message>
        <source>computer player for %1, who left</source>
        <translation>Computerspieler für %1, die Person ist gegangen</translation>
    </message>
    <message>
        <source>%1 (you)</source>
        <translation>%1 (du)</translation>
    </message>
    <message>
        <source>watching while the computer plays for you</source>
        <translation>du schaust zu, während der Computer für dich spielt</translation>
    </message>
    <message>
        <source>waiting for the next round</source>
        <translation>wartet auf die nächste Runde</translation>
    </message>
    <message>
        <source>your turn</source>
        <translation>du bist dran</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>spielt mit</translation>
    </message>
    <message>
        <source>watching while the computer plays</source>
        <translation>schaut zu, während der Computer spielt</translation>
    </message>
    <message>
        <source>playing, their turn</source>
        <translation>spielt mit, ist dran</translation>
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
        <translation>kein Zug läuft</translation>
    </message>
    <message>
        <source>clock stopped, %1 left of your turn</source>
        <translation>Uhr angehalten, noch %1 für deinen Zug</translation>
    </message>
    <message>
        <source>clock stopped, %1 left of %2&apos;s turn</source>
        <translation>Uhr angehalten, noch %1 für den Zug von %2</translation>
    </message>
    <message>
        <source>%1 left of your turn</source>
        <translation>noch %1 für deinen Zug</translation>
    </message>
    <message>
        <source>%1 left of %2&apos;s turn</source>
        <translation>noch %1 für den Zug von %2</translation>
    </message>
    <message>
        <source>no tiles left to draw</source>
        <translation>keine Steine mehr zum Ziehen</translation>
    </message>
    <message>
        <source>1 tile left to draw</source>
        <translation>noch 1 Stein zum Ziehen</translation>
    </message>
    <message>
        <source>%1 tiles left to draw</source>
        <translation>noch %1 Steine zum Ziehen</translation>
    </message>
    <message>
        <source>Your turn.</source>
        <translation>Du bist dran.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>%1 ist dran.</translation>
    </message>
    <message>
        <source>You laid tiles worth %1.</source>
        <translation>Du hast Steine für %1 gelegt.</translation>
    </message>
    <message>
        <source>You laid %1 worth %2.</source>
        <translation>Du hast %1 für %2 gelegt.</translation>
    </message>
    <message>
        <source>%1 laid tiles worth %2.</source>
        <translation>%1 hat Steine für %2 gelegt.</translation>
    </message>
    <message>
        <source>%1 laid %2 worth %3.</source>
        <translation>%1 hat %2 für %3 gelegt.</translation>
    </message>
    <message>
        <source>You drew a tile.</source>
        <translation>Du hast einen Stein gezogen.</translation>
    </message>
    <message>
        <source>You drew %1.</source>
        <translation>Du hast %1 gezogen.</translation>
    </message>
    <message>
        <source>%1 drew a tile.</source>
        <translation>%1 hat einen Stein gezogen.</translation>
    </message>
    <message>
        <source>%1 drew %2.</source>
        <translation>%1 hat %2 gezogen.</translation>
    </message>
    <message>
        <source>You took back the moves of this turn.</source>
        <translation>Du hast die Schritte dieses Zuges zurückgenommen.</translation>
    </message>
    <message>
        <source>%1 took back the moves of this turn.</source>
        <translation>%1 hat die Schritte dieses Zuges zurückgenommen.</translation>
    </message>
    <message>
        <source>The board holds sets that are not valid. Take the penalty tiles and end your turn, or edit the board?</source>
        <translation>Auf dem Spielfeld liegen ungültige Kombinationen. Die Strafsteine ziehen und den Zug beenden, oder das Spielfeld ändern?</translation>
    </message>
    <message>
        <source>Clock stopped.</source>
        <translation>Die Uhr ist angehalten.</translation>
    </message>
    <message>
        <source>Clock running again.</source>
        <translation>Die Uhr läuft wieder.</translation>
    </message>
    <message>
        <source>Round over.</source>
        <translation>Runde vorbei.</translation>
    </message>
    <message>
        <source>You are out of tiles.</source>
        <translation>Du hast alle Steine gelegt.</translation>
    </message>
    <message>
        <source>%1 is out of tiles.</source>
        <translation>%1 hat alle Steine gelegt.</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>%1: %2 left, %3.</source>
        <translation>%1: %2 übrig, %3.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>two %1s</source>
        <extracomment>Two of the same tile in one set: &quot;two Red 3s&quot;.</extracomment>
        <translation>zweimal %1</translation>
    </message>
    <message>
        <source>two wild tiles at the start</source>
        <translation>zwei Joker am Anfang</translation>
    </message>
    <message>
        <source>wild tile before a 1</source>
        <translation>Joker vor einer 1</translation>
    </message>
    <message>
        <source>wild tile after a King</source>
        <translation>Joker nach einer 13</translation>
    </message>
    <message>
        <source>numbers out of order</source>
        <translation>Zahlen nicht in der Reihenfolge</translation>
    </message>
    <message>
        <source>a gap between %1 and %2</source>
        <translation>eine Lücke zwischen %1 und %2</translation>
    </message>
    <message>
        <source>too many wild tiles between %1 and %2</source>
        <translation>zu viele Joker zwischen %1 und %2</translation>
    </message>
    <message>
        <source>neither a run nor a group</source>
        <translation>weder Reihe noch Gruppe</translation>
    </message>
    <message>
        <source>only one tile</source>
        <translation>nur ein Stein</translation>
    </message>
    <message>
        <source>only two tiles</source>
        <translation>nur zwei Steine</translation>
    </message>
    <message>
        <source>mixed colours in a run</source>
        <translation>verschiedene Farben in einer Reihe</translation>
    </message>
    <message>
        <source>mixed numbers in a group</source>
        <translation>verschiedene Zahlen in einer Gruppe</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Resume the game of %1?</source>
        <extracomment>%1 is the date and time the game was kept.</extracomment>
        <translation>Das Spiel vom %1 fortsetzen?</translation>
    </message>
    <message>
        <source>Resume the game of %1 with %2?</source>
        <translation>Das Spiel vom %1 mit %2 fortsetzen?</translation>
    </message>
    <message>
        <source>Discard the game of %1? It cannot be resumed afterwards.</source>
        <translation>Das Spiel vom %1 verwerfen? Es lässt sich danach nicht mehr fortsetzen.</translation>
    </message>
    <message>
        <source>You played a %1.</source>
        <translation>Du hast %1 gelegt.</translation>
    </message>
    <message>
        <source>%1 played a %2.</source>
        <translation>%1 hat %2 gelegt.</translation>
    </message>
    <message>
        <source>You moved a %1.</source>
        <translation>Du hast %1 verschoben.</translation>
    </message>
    <message>
        <source>%1 moved a %2.</source>
        <translation>%1 hat %2 verschoben.</translation>
    </message>
    <message>
        <source>You removed a %1.</source>
        <translation>Du hast %1 zurückgenommen.</translation>
    </message>
    <message>
        <source>%1 removed a %2.</source>
        <translation>%1 hat %2 zurückgenommen.</translation>
    </message>
    <message>
        <source>You cleared tiles.</source>
        <translation>Du hast Steine zurückgenommen.</translation>
    </message>
    <message>
        <source>%1 cleared tiles.</source>
        <translation>%1 hat Steine zurückgenommen.</translation>
    </message>
    <message>
        <source>You cannot select a new tile when you have a tile from the board in your hand.</source>
        <translation>Du kannst keinen neuen Stein nehmen, solange du einen Stein vom Spielfeld in der Hand hast.</translation>
    </message>
    <message>
        <source>You cannot clear when you have a tile in your hand.</source>
        <translation>Du kannst nicht alles zurücknehmen, solange du einen Stein in der Hand hast.</translation>
    </message>
    <message>
        <source>You cannot end your turn when you have a tile in your hand.</source>
        <translation>Du kannst deinen Zug nicht beenden, solange du einen Stein in der Hand hast.</translation>
    </message>
    <message>
        <source>You cannot draw a tile when you have a tile in your hand.</source>
        <translation>Du kannst keinen Stein ziehen, solange du einen Stein in der Hand hast.</translation>
    </message>
    <message>
        <source>You cannot draw with tiles laid this turn. Finish, or Clear them back to your rack first.</source>
        <translation>Du kannst nicht ziehen, nachdem du in diesem Zug Steine gelegt hast. Beende den Zug, oder hol sie erst mit „Zurücknehmen“ auf dein Bänkchen.</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Du bist verbunden.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 ist verbunden.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Du schaust zu.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 schaut zu.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 ist gegangen.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 hat die Verbindung verloren.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 schaut nur zu</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 spielt wieder mit</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 hat ein Spiel begonnen.</translation>
    </message>
    <message>
        <source>Starting with %1 tiles.</source>
        <translation>Jeder beginnt mit %1 Steinen.</translation>
    </message>
    <message>
        <source>Show Me cannot lay this play out on the board: lay it yourself.</source>
        <translation>„Zeig es mir“ kann diesen Zug nicht auf dem Spielfeld auslegen: Leg ihn selbst.</translation>
    </message>
    <message>
        <source>The server has not answered a move.</source>
        <translation>Der Server hat auf einen Schritt nicht geantwortet.</translation>
    </message>
    <message>
        <source>The server did not take a move.</source>
        <translation>Der Server hat einen Schritt nicht angenommen.</translation>
    </message>
    <message>
        <source>Show Me is done: Finish to play it, or Undo to take it back a move at a time, or Clear.</source>
        <translation>„Zeig es mir“ ist fertig: „Fertig“ spielt den Zug, „Rückgängig“ nimmt ihn Schritt für Schritt zurück, „Zurücknehmen“ ganz.</translation>
    </message>
    <message>
        <source>The rack has changed.</source>
        <translation>Das Bänkchen hat sich geändert.</translation>
    </message>
    <message>
        <source>The board has changed.</source>
        <translation>Das Spielfeld hat sich geändert.</translation>
    </message>
    <message>
        <source>The tile is no longer in the hand.</source>
        <translation>Der Stein ist nicht mehr in der Hand.</translation>
    </message>
    <message>
        <source>The tile&apos;s place is taken.</source>
        <translation>Der Platz des Steins ist besetzt.</translation>
    </message>
    <message>
        <source>Show Me stopped. %1</source>
        <translation>„Zeig es mir“ wurde angehalten. %1</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Du bist dran.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>%1 ist dran.</translation>
    </message>
    <message>
        <source>You have run out of time!.</source>
        <translation>Deine Zeit ist abgelaufen!</translation>
    </message>
    <message>
        <source>%1 has ran out of time.</source>
        <translation>Die Zeit von %1 ist abgelaufen.</translation>
    </message>
    <message>
        <source>Board is incomplete.</source>
        <translation>Das Spielfeld ist unvollständig.</translation>
    </message>
    <message>
        <source>Your first lay down must equal at least %1 points</source>
        <translation>Dein erstes Auslegen muss mindestens %1 Punkte wert sein</translation>
    </message>
    <message>
        <source>An %1</source>
        <extracomment>A tile&apos;s number opening the sentence &quot;%1 cannot go after %2.&quot; (&quot;An 8&quot;); &quot;a %1&quot; is the number after it.</extracomment>
        <translation>Die %1</translation>
    </message>
    <message>
        <source>an %1</source>
        <translation>der %1</translation>
    </message>
    <message>
        <source>A %1</source>
        <translation>Die %1</translation>
    </message>
    <message>
        <source>a %1</source>
        <translation>der %1</translation>
    </message>
    <message>
        <source>That is not a cell of the board.</source>
        <translation>Das ist kein Feld des Spielfelds.</translation>
    </message>
    <message>
        <source>That cell is taken.</source>
        <translation>Das Feld ist besetzt.</translation>
    </message>
    <message>
        <source>%1 cannot go after %2.</source>
        <extracomment>A run&apos;s numbers rise to the right: &quot;A 7 cannot go after a 9.&quot;</extracomment>
        <translation>%1 kann nicht hinter %2 liegen.</translation>
    </message>
    <message>
        <source>%1 cannot go before %2.</source>
        <translation>%1 kann nicht vor %2 liegen.</translation>
    </message>
    <message>
        <source>%1 Trying again… %2</source>
        <translation>%1 Neuer Versuch … %2</translation>
    </message>
    <message>
        <source>Play To Score: %1</source>
        <translation>Spiel bis: %1</translation>
    </message>
    <message>
        <source>Time Per Turn: %1</source>
        <translation>Zeit pro Zug: %1</translation>
    </message>
    <message>
        <source>Time Penalty: ON</source>
        <translation>Zeitstrafe: AN</translation>
    </message>
    <message>
        <source>Time Penalty: OFF</source>
        <translation>Zeitstrafe: AUS</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Teamspiel</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Viel Glück</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>Tile&apos;s Left: %1</source>
        <translation>Steine übrig: %1</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>Du hast das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 hat das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>You drew a tile.</source>
        <translation>Du hast einen Stein gezogen.</translation>
    </message>
    <message>
        <source>You drew %1 tiles (penalty).</source>
        <translation>Du hast %1 Steine gezogen (Strafe).</translation>
    </message>
    <message>
        <source>%1 drew a tile.</source>
        <translation>%1 hat einen Stein gezogen.</translation>
    </message>
    <message>
        <source>%1 drew %2 tiles (penalty).</source>
        <translation>%1 hat %2 Steine gezogen (Strafe).</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 Punkt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>How the round&apos;s result names the player.</extracomment>
        <translation>Du</translation>
    </message>
    <message>
        <source>%1: %2 tile left, %3.</source>
        <translation>%1: %2 Stein übrig, %3.</translation>
    </message>
    <message>
        <source>%1: %2 tiles left, %3.</source>
        <translation>%1: %2 Steine übrig, %3.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Points laid so far toward the first lay-down: &quot;22 of 30&quot;.</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>The Round Ended in a Draw.</source>
        <translation>Die Runde endet unentschieden.</translation>
    </message>
    <message>
        <source>You are out of tiles! The Round is Over.</source>
        <translation>Du hast alle Steine gelegt! Die Runde ist vorbei.</translation>
    </message>
    <message>
        <source>%1 is out of tiles! The Round is Over.</source>
        <translation>%1 hat alle Steine gelegt! Die Runde ist vorbei.</translation>
    </message>
    <message>
        <source>There is no set there.</source>
        <translation>Dort liegt keine Kombination.</translation>
    </message>
    <message>
        <source>There is no room beside that set to make space in it.</source>
        <translation>Neben dieser Kombination ist kein Platz, um darin Raum zu schaffen.</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <extracomment>A run by its colour and its lowest and highest numbers: &quot;Green 8 to 10&quot;.</extracomment>
        <translation>%1 %2 bis %3</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>A group by its number: &quot;9s&quot; for a group of nines.</extracomment>
        <translation>%1er</translation>
    </message>
    <message>
        <source>%1 as a new run</source>
        <translation>%1 als neue Reihe</translation>
    </message>
    <message>
        <source>%1 as a new group</source>
        <translation>%1 als neue Gruppe</translation>
    </message>
    <message>
        <source>%1 beside the %2 run</source>
        <extracomment>Rack tiles (%1) added to a run on the board (%2: &quot;Green 8 to 10&quot;).</extracomment>
        <translation>%1 an die Reihe %2</translation>
    </message>
    <message>
        <source>%1 with the %2</source>
        <extracomment>Rack tiles (%1) added to a group on the board (%2: &quot;9s&quot;).</extracomment>
        <translation>%1 zur %2-Gruppe</translation>
    </message>
    <message>
        <source>%1 into a rearranged %2 run</source>
        <translation>%1 in eine umgebaute Reihe %2</translation>
    </message>
    <message>
        <source>%1 into a rearranged group of %2</source>
        <translation>%1 in eine umgebaute %2-Gruppe</translation>
    </message>
    <message>
        <source>No play found: draw a tile.</source>
        <translation>Kein Zug gefunden: Zieh einen Stein.</translation>
    </message>
    <message>
        <source>Lay %1 tiles for %2: press Show Me.</source>
        <translation>Lege %1 Steine für %2: Drück „Zeig es mir“.</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Lay %1 (%2).</source>
        <extracomment>The hint: the sets to lay (%1, joined by &quot;; &quot;) and their points (%2).</extracomment>
        <translation>Lege %1 (%2).</translation>
    </message>
    <message>
        <source>Show Me moves 1 board tile</source>
        <translation>„Zeig es mir“ verschiebt 1 Stein auf dem Spielfeld</translation>
    </message>
    <message>
        <source>Show Me moves %1 board tiles</source>
        <translation>„Zeig es mir“ verschiebt %1 Steine auf dem Spielfeld</translation>
    </message>
    <message>
        <source>Lay %1 (%2; %3).</source>
        <translation>Lege %1 (%2; %3).</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 hat eine andere Version des Spiels als du.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Du hast eine andere Version des Spiels als der Gastgeber.</translation>
    </message>
    <message>
        <source>You cannot hold anymore tiles</source>
        <translation>Du kannst keine weiteren Steine aufnehmen</translation>
    </message>
    <message>
        <source>There are no tiles left</source>
        <translation>Es sind keine Steine mehr übrig</translation>
    </message>
    <message>
        <source>Your room&apos;s code is %1: friends join by it, from Play with Others, Online.</source>
        <translation>Der Code deines Raums ist %1: Freunde treten damit bei, über „Mit anderen spielen“, „Online“.</translation>
    </message>
    <message>
        <source>Slow down: lines sent too fast were not passed on.</source>
        <translation>Langsamer: Zu schnell gesendete Zeilen wurden nicht weitergegeben.</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Du hast ein Spiel begonnen.</translation>
    </message>
</context>
<context>
    <name>TableAccessible</name>
    <message>
        <source>Announcements</source>
        <translation>Ansagen</translation>
    </message>
    <message>
        <source>board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>laid in the last turn</source>
        <translation>im letzten Zug gelegt</translation>
    </message>
    <message>
        <source>set not valid: %1</source>
        <translation>Kombination ungültig: %1</translation>
    </message>
    <message>
        <source>Brixo table</source>
        <translation>Brixo-Tisch</translation>
    </message>
    <message>
        <source>table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>board background</source>
        <translation>Hintergrund des Spielfelds</translation>
    </message>
    <message>
        <source>rack background</source>
        <translation>Hintergrund des Bänkchens</translation>
    </message>
    <message>
        <source>players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>turn marker</source>
        <translation>Zugmarke</translation>
    </message>
    <message>
        <source>game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>time bar</source>
        <translation>Zeitbalken</translation>
    </message>
    <message>
        <source>time left</source>
        <translation>verbleibende Zeit</translation>
    </message>
    <message>
        <source>sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>sort by numbers</source>
        <translation>nach Zahlen sortieren</translation>
    </message>
    <message>
        <source>sort by suits</source>
        <translation>nach Farben sortieren</translation>
    </message>
    <message>
        <source>game paused</source>
        <translation>Spiel angehalten</translation>
    </message>
    <message>
        <source>chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>chat line</source>
        <translation>Chatzeile</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>Gewinner</translation>
    </message>
    <message>
        <source>penalty question</source>
        <translation>Frage zur Strafe</translation>
    </message>
    <message>
        <source>first lay down</source>
        <translation>erstes Auslegen</translation>
    </message>
    <message>
        <source>round over</source>
        <translation>Runde vorbei</translation>
    </message>
    <message>
        <source>round result</source>
        <translation>Ergebnis der Runde</translation>
    </message>
    <message>
        <source>game log</source>
        <translation>Spielprotokoll</translation>
    </message>
    <message>
        <source>close the game log</source>
        <translation>Spielprotokoll schließen</translation>
    </message>
    <message>
        <source>seat %1</source>
        <translation>Platz %1</translation>
    </message>
    <message>
        <source>menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>%1, vertical scroll bar</source>
        <translation>%1, senkrechte Bildlaufleiste</translation>
    </message>
    <message>
        <source>%1, horizontal scroll bar</source>
        <translation>%1, waagerechte Bildlaufleiste</translation>
    </message>
    <message>
        <source>score of %1: %2</source>
        <translation>Punkte von %1: %2</translation>
    </message>
    <message>
        <source>no last points for %1</source>
        <translation>keine letzten Punkte für %1</translation>
    </message>
    <message>
        <source>last points of %1: %2</source>
        <translation>letzte Punkte von %1: %2</translation>
    </message>
    <message>
        <source>tiles of %1: not known yet</source>
        <translation>Steine von %1: noch nicht bekannt</translation>
    </message>
    <message>
        <source>tiles of %1: %2</source>
        <translation>Steine von %1: %2</translation>
    </message>
    <message>
        <source>status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>last move</source>
        <translation>letzter Zug</translation>
    </message>
    <message>
        <source>nothing in your hand</source>
        <translation>nichts in der Hand</translation>
    </message>
    <message>
        <source>in your hand: %1</source>
        <translation>in der Hand: %1</translation>
    </message>
    <message>
        <source>in your hand</source>
        <translation>in der Hand</translation>
    </message>
    <message>
        <source>part of the hint</source>
        <translation>Teil des Tipps</translation>
    </message>
    <message>
        <source>just drawn</source>
        <translation>gerade gezogen</translation>
    </message>
    <message>
        <source>your rack, 1 tile</source>
        <translation>dein Bänkchen, 1 Stein</translation>
    </message>
    <message>
        <source>your rack, %1 tiles</source>
        <translation>dein Bänkchen, %1 Steine</translation>
    </message>
    <message>
        <source>phrase %1: %2</source>
        <translation>Spruch %1: %2</translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Brixo - About</source>
        <translation>Brixo - Über</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Last</source>
        <extracomment>Column heading: the points each seat made last.</extracomment>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>Tiles</source>
        <extracomment>Column heading: how many tiles each seat holds.</extracomment>
        <translation>Steine</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Aus dem Spiel entfernen</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Nur zuschauen lassen</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Wieder mitspielen lassen</translation>
    </message>
    <message>
        <source>Just watching</source>
        <translation>Schaut nur zu</translation>
    </message>
    <message>
        <source>Sits out this round</source>
        <translation>Setzt diese Runde aus</translation>
    </message>
    <message>
        <source>Your partner</source>
        <translation>Dein Partner</translation>
    </message>
    <message>
        <source>The Green Team (seats 1 and 3) against The Brown Team (seats 2 and 4)</source>
        <translation>Das grüne Team (Plätze 1 und 3) gegen das braune Team (Plätze 2 und 4)</translation>
    </message>
    <message>
        <source>Friends join this room by its code, from Play with Others, Online</source>
        <translation>Freunde treten diesem Raum mit seinem Code bei, über „Mit anderen spielen“, „Online“</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy the room&apos;s code</source>
        <translation>Den Code des Raums kopieren</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Ziehen</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Zurücknehmen</translation>
    </message>
    <message>
        <source>Draw a tile and end your turn</source>
        <translation>Einen Stein ziehen und den Zug beenden</translation>
    </message>
    <message>
        <source>End your turn</source>
        <translation>Den Zug beenden</translation>
    </message>
    <message>
        <source>Take back everything you did this turn</source>
        <translation>Alles zurücknehmen, was du in diesem Zug getan hast</translation>
    </message>
    <message>
        <source>The board holds sets that are not complete</source>
        <translation>Auf dem Spielfeld liegen unvollständige Kombinationen</translation>
    </message>
    <message>
        <source>Click here to view the Game Log</source>
        <translation>Hier klicken, um das Spielprotokoll zu sehen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop waiting for the host</source>
        <translation>Nicht länger auf den Gastgeber warten</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop the clock for everybody</source>
        <translation>Die Uhr für alle anhalten</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>SORT BY:</source>
        <translation>ORDNEN:</translation>
    </message>
    <message>
        <source>Sort by Numbers</source>
        <translation>Nach Zahlen sortieren</translation>
    </message>
    <message>
        <source>Sort by Suits</source>
        <translation>Nach Farben sortieren</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Hier chatten&gt;</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>There are incomplete or incorrect groups on the board.

Would you like to take a 3 tile penalty and end your turn?</source>
        <translation>Auf dem Spielfeld liegen unvollständige oder falsche Kombinationen.

Möchtest du 3 Strafsteine ziehen und deinen Zug beenden?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>The tiles you lay down on your first turn must equal at least 30 points.</source>
        <translation>Die Steine deines ersten Auslegens müssen zusammen mindestens 30 Punkte wert sein.</translation>
    </message>
    <message>
        <source>Round Over</source>
        <translation>Runde vorbei</translation>
    </message>
    <message>
        <source>This round has already started. You will have to wait until the next round.</source>
        <translation>Diese Runde hat schon begonnen. Du musst bis zur nächsten Runde warten.</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Spielprotokoll</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>Play with Others...</source>
        <translation>Mit anderen spielen …</translation>
    </message>
    <message>
        <source>Leave Game</source>
        <translation>Spiel verlassen</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Nur zuschauen</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Zuschauerliste</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Strichliste zeigen</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Fensterposition zurücksetzen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Table Size</source>
        <translation>Tischgröße</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>An Fenster anpassen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Brixo</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Töne abspielen</translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation>Ton beim Zug</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Tempo des Computers</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>bot speed</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Spielstärke</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>bot level</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Meister</translation>
    </message>
    <message>
        <source>Tile Sets</source>
        <translation>Steinbilder</translation>
    </message>
    <message>
        <source>&amp;Turn</source>
        <translation>&amp;Zug</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Put Tile Back</source>
        <translation>Stein zurücklegen</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Arrange Rack</source>
        <translation>Bänkchen ordnen</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Zeig es mir</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation>Farbe für Aktionen</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Chat nicht mitrollen</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Chat leeren</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Sprüche</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Solospiel wird geladen … Bitte warten.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Mehrspielerspiel wird geladen … Bitte warten.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>No room has the code %1: it may have closed. Check the code with your friend.</source>
        <translation>Kein Raum hat den Code %1: Vielleicht wurde er geschlossen. Prüf den Code mit deinen Freunden.</translation>
    </message>
    <message>
        <source>A game is being played. Leave it?</source>
        <translation>Ein Spiel läuft. Verlassen?</translation>
    </message>
    <message>
        <source>A game is being played. Leave it and quit Brixo?</source>
        <translation>Ein Spiel läuft. Verlassen und Brixo beenden?</translation>
    </message>
    <message>
        <source>The game could not be hosted: %1</source>
        <translation>Das Spiel konnte nicht eröffnet werden: %1</translation>
    </message>
    <message>
        <source>You host a game on this network as %1.</source>
        <translation>Du hast als %1 ein Spiel in diesem Netzwerk eröffnet.</translation>
    </message>
    <message>
        <source>Joining the game at %1 as %2.</source>
        <translation>Du trittst dem Spiel bei %1 als %2 bei.</translation>
    </message>
    <message>
        <source>Opening a room at the lobby %1 as %2.</source>
        <translation>Du eröffnest als %2 einen Raum auf der Lobby %1.</translation>
    </message>
    <message>
        <source>Entering room %1 at the lobby %2 as %3.</source>
        <translation>Du betrittst als %3 den Raum %1 auf der Lobby %2.</translation>
    </message>
    <message>
        <source>Brixo - Room %1</source>
        <translation>Brixo - Raum %1</translation>
    </message>
    <message>
        <source>Brixo - Hosting a game on this network</source>
        <translation>Brixo - Gastgeber in diesem Netzwerk</translation>
    </message>
    <message>
        <source>Brixo - Playing at %1</source>
        <translation>Brixo - Spiel bei %1</translation>
    </message>
    <message>
        <source>Brixo - Online at %1</source>
        <translation>Brixo - Online bei %1</translation>
    </message>
    <message>
        <source>Could not reach the host at %1.</source>
        <translation>Der Gastgeber bei %1 ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>Find Another Game</source>
        <translation>Anderes Spiel suchen</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>Das Spiel ist voll</translation>
    </message>
    <message>
        <source>The host removed you from this game.</source>
        <translation>Der Gastgeber hat dich aus diesem Spiel entfernt.</translation>
    </message>
    <message>
        <source>The host has left the game.</source>
        <translation>Der Gastgeber hat das Spiel verlassen.</translation>
    </message>
    <message>
        <source>The connection to the lobby was lost.</source>
        <translation>Die Verbindung zur Lobby ist abgebrochen.</translation>
    </message>
    <message>
        <source>The connection to the game was lost.</source>
        <translation>Die Verbindung zum Spiel ist abgebrochen.</translation>
    </message>
    <message>
        <source>The connection to the lobby was lost. Trying to reach it again.</source>
        <translation>Die Verbindung zur Lobby ist abgebrochen. Sie wird erneut gesucht.</translation>
    </message>
    <message>
        <source>The lobby is gone.</source>
        <translation>Die Lobby ist weg.</translation>
    </message>
    <message>
        <source>The connection to the host was lost. Trying to reach it again.</source>
        <translation>Die Verbindung zum Gastgeber ist abgebrochen. Er wird erneut gesucht.</translation>
    </message>
    <message>
        <source>The lobby is back.</source>
        <translation>Die Lobby ist wieder da.</translation>
    </message>
    <message>
        <source>The host is back.</source>
        <translation>Der Gastgeber ist wieder da.</translation>
    </message>
    <message>
        <source>The lobby could not be reached again.</source>
        <translation>Die Lobby war nicht wieder zu erreichen.</translation>
    </message>
    <message>
        <source>The host could not be reached again.</source>
        <translation>Der Gastgeber war nicht wieder zu erreichen.</translation>
    </message>
    <message>
        <source>Play Solo</source>
        <translation>Allein spielen</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Du bist nicht verbunden</translation>
    </message>
    <message>
        <source>A game is being played. End it and start a new game?</source>
        <translation>Ein Spiel läuft. Beenden und ein neues Spiel starten?</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Wie das System</translation>
    </message>
    <message>
        <source>Colour Symbols</source>
        <translation>Farbsymbole</translation>
    </message>
    <message>
        <source>A shape for each colour on the tiles: Green circle, Orange square, Red triangle, Black diamond</source>
        <translation>Eine Form für jede Farbe auf den Steinen: Grün Kreis, Orange Quadrat, Rot Dreieck, Schwarz Raute</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
    <message>
        <source>Strong tile colours that colour-blind eyes tell apart, on a dark board</source>
        <translation>Kräftige Steinfarben, die auch farbenblinde Augen unterscheiden, auf dunklem Spielfeld</translation>
    </message>
    <message>
        <source>It is left where it is and not written over.</source>
        <translation>Sie bleibt, wo sie ist, und wird nicht überschrieben.</translation>
    </message>
    <message>
        <source>It was kept as %1.</source>
        <translation>Sie wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 The settings start on their defaults. %2</source>
        <translation>%1 Die Einstellungen beginnen mit ihren Vorgaben. %2</translation>
    </message>
    <message>
        <source>Sounds on: click to turn them off</source>
        <translation>Töne an: zum Ausschalten klicken</translation>
    </message>
    <message>
        <source>Sounds off: click to turn them on</source>
        <translation>Töne aus: zum Einschalten klicken</translation>
    </message>
    <message>
        <source>Stop Show Me</source>
        <translation>„Zeig es mir“ anhalten</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Wartet&gt;</translation>
    </message>
    <message>
        <source>Play To Score: </source>
        <translation>Spiel bis: </translation>
    </message>
    <message>
        <source>Time Per Turn: </source>
        <translation>Zeit pro Zug: </translation>
    </message>
    <message>
        <source>Time Penalty: </source>
        <translation>Zeitstrafe: </translation>
    </message>
    <message>
        <source>Room %1</source>
        <translation>Raum %1</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>The first set that is not valid: its tiles, and why.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Way To Go!</source>
        <translation>Gut gemacht!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>Guter Zug!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>Netter Versuch!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>Ausgezeichnet!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>Glänzend!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation>Wow, stark!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>Danke!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>Super, Partner!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>Gutes Spiel, alle!</translation>
    </message>
    <message>
        <source>/me waves &quot;Good-Bye&quot;</source>
        <translation>/me winkt zum Abschied</translation>
    </message>
    <message>
        <source>Start Game</source>
        <comment>the short button beside Pause</comment>
        <translation>Starten</translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>Brixo - Welcome</source>
        <translation>Brixo - Willkommen</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Allein spielen</translation>
    </message>
    <message>
        <source>Play with Others...</source>
        <translation>Mit anderen spielen …</translation>
    </message>
    <message>
        <source>Open The Quorvin Lobby</source>
        <translation>Quorvin-Lobby öffnen</translation>
    </message>
    <message>
        <source>Play a game against the computer now.</source>
        <translation>Spiel jetzt gegen den Computer.</translation>
    </message>
    <message>
        <source>Play with friends: host a game on this network, find the games others host, join one by its address, or meet in a room online.</source>
        <translation>Spiel mit Freunden: Eröffne ein Spiel in diesem Netzwerk, finde die Spiele anderer, tritt einem über seine Adresse bei oder triff dich in einem Raum online.</translation>
    </message>
    <message>
        <source>The Quorvin Lobby is installed on this computer. It finds games with other players online; this game closes while it runs.</source>
        <translation>Die Quorvin-Lobby ist auf diesem Computer installiert. Sie findet Spiele mit anderen online; dieses Spiel schließt sich, solange sie läuft.</translation>
    </message>
    <message>
        <source>Show this at start</source>
        <translation>Beim Start zeigen</translation>
    </message>
    <message>
        <source>The Quorvin Lobby could not be started.</source>
        <translation>Die Quorvin-Lobby konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>Tgamestart</name>
    <message>
        <source>Brixo - Game Start</source>
        <translation>Brixo - Spielbeginn</translation>
    </message>
    <message>
        <source>Time Penalty</source>
        <translation>Zeitstrafe</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Teamspiel</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <source>Play to Score:</source>
        <translation>Spiel bis:</translation>
    </message>
    <message>
        <source>Creation Time:</source>
        <extracomment>The seconds each turn may take.</extracomment>
        <translation>Zeit pro Zug:</translation>
    </message>
    <message>
        <source>secs</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Tiles to Start With::</source>
        <translation>Steine zu Beginn:</translation>
    </message>
</context>
<context>
    <name>Thelp</name>
    <message>
        <source>Overview</source>
        <translation>Überblick</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Spielablauf</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>Brixo - Help File</source>
        <translation>Brixo - Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Brixo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>Tile</name>
    <message>
        <source>WILD</source>
        <extracomment>The wild tile, which stands for any tile (the joker).</extracomment>
        <translation>Joker</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A tile by its colour (%1) and its number (%2): &quot;Green 7&quot;, &quot;Red King&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
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
        <translation>Brixo - Spruchknöpfe</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Jeder Knopf geht nur einmal alle 2 Sekunden</translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Spruchknopf %1:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Brixo - Spys</source>
        <translation>Brixo - Zuschauer</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Aus dem Spiel entfernen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Zuschauerliste</translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Brixo - Tally List</source>
        <translation>Brixo - Strichliste</translation>
    </message>
    <message>
        <source>Your Tally</source>
        <translation>Deine Strichliste</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Spiele insgesamt:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Deine Siege</translation>
    </message>
    <message>
        <source>Click a name to see its tally; untick it to stop keeping it</source>
        <translation>Klick auf einen Namen, um seine Strichliste zu sehen; nimm den Haken weg, um sie nicht mehr zu führen</translation>
    </message>
    <message>
        <source>Tick a player to keep a tally of your games with them</source>
        <translation>Hak einen Spieler an, um über deine Spiele mit ihm Buch zu führen</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Gezählte Spieler</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Spieler im laufenden Spiel</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Anzahl der Spiele</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Deine Siege:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Keiner gewann:</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Strichliste löschen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Player&apos;s Tally</source>
        <translation>Strichliste des Spielers</translation>
    </message>
    <message>
        <source>Player Wins:</source>
        <translation>Siege des Spielers:</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Siege von %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Strichliste von %1</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Damit wird die Strichliste von %1 gelöscht. Willst du sie wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Willst du die Strichliste wirklich löschen?</translation>
    </message>
</context>
</TS>
