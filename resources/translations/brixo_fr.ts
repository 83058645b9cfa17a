<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>OnlinePage</name>
    <message>
        <source>lobby address, as host or host:port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>room name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listed for everyone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6-letter code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join by Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lobby:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New room:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A friend&apos;s room:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friends on other networks meet in a room on a lobby: a Brixo server on the internet, started with brixo --lobby. Type the address its keeper gave you; Brixo remembers it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a room and give friends its code, or join theirs. Rooms listed for everyone are below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the lobby&apos;s address first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asking the lobby for its rooms...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No room is listed: create one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A room&apos;s code is six letters and digits, as its table shows it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address: type a name or an IP address, and :port when it is not %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayWithOthers</name>
    <message>
        <source>Brixo - Play with Others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name others see</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host a Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games on This Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join by Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This table hosts a game. Others join it from Games on This Network, or by one of these addresses:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host a game here: others on this network see it under Games on This Network, or join it by one of the addresses shown once it runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Hosting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The host&apos;s address, as its Play with Others window shows it: a name or an IP address, with :port when it is not %1 (an IPv6 address in brackets, [::1]:%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the name others will see first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games on this network cannot be heard: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for games on this network...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One game found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 games found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address: type a name or an IP address, and :port when it is not %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RoundLinesView</name>
    <message>
        <source>No tiles left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 tile left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tiles left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>two %1s</source>
        <extracomment>Two of the same tile in one set: &quot;two Red 3s&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two wild tiles at the start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wild tile before a 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wild tile after a King</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>numbers out of order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a gap between %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too many wild tiles between %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neither a run nor a group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only one tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only two tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mixed colours in a run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mixed numbers in a group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume the game of %1?</source>
        <extracomment>%1 is the date and time the game was kept.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume the game of %1 with %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard the game of %1? It cannot be resumed afterwards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You played a %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 played a %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You moved a %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 moved a %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You removed a %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 removed a %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cleared tiles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cleared tiles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot select a new tile when you have a tile from the board in your hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot clear when you have a tile in your hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot end your turn when you have a tile in your hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot draw a tile when you have a tile in your hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot draw with tiles laid this turn. Finish, or Clear them back to your rack first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting with %1 tiles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Me cannot lay this play out on the board: lay it yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server has not answered a move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server did not take a move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Me is done: Finish to play it, or Undo to take it back a move at a time, or Clear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rack has changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board has changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tile is no longer in the hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tile&apos;s place is taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Me stopped. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have run out of time!.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has ran out of time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board is incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your first lay down must equal at least %1 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An %1</source>
        <extracomment>A tile&apos;s number opening the sentence &quot;%1 cannot go after %2.&quot; (&quot;An 8&quot;); &quot;a %1&quot; is the number after it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That is not a cell of the board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That cell is taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot go after %2.</source>
        <extracomment>A run&apos;s numbers rise to the right: &quot;A 7 cannot go after a 9.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot go before %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Trying again… %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play To Score: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Per Turn: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Penalty: ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Penalty: OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile&apos;s Left: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You drew a tile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You drew %1 tiles (penalty).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 drew a tile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 drew %2 tiles (penalty).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>How the round&apos;s result names the player.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 tile left, %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 tiles left, %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Points laid so far toward the first lay-down: &quot;22 of 30&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Round Ended in a Draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are out of tiles! The Round is Over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is out of tiles! The Round is Over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no set there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no room beside that set to make space in it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <extracomment>A run by its colour and its lowest and highest numbers: &quot;Green 8 to 10&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>A group by its number: &quot;9s&quot; for a group of nines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 as a new run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 as a new group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 beside the %2 run</source>
        <extracomment>Rack tiles (%1) added to a run on the board (%2: &quot;Green 8 to 10&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with the %2</source>
        <extracomment>Rack tiles (%1) added to a group on the board (%2: &quot;9s&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 into a rearranged %2 run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 into a rearranged group of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No play found: draw a tile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lay %1 tiles for %2: press Show Me.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lay %1 (%2).</source>
        <extracomment>The hint: the sets to lay (%1, joined by &quot;; &quot;) and their points (%2).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Me moves 1 board tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Me moves %1 board tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lay %1 (%2; %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot hold anymore tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no tiles left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your room&apos;s code is %1: friends join by it, from Play with Others, Online.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow down: lines sent too fast were not passed on.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Brixo - About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <extracomment>Column heading: the points each seat made last.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiles</source>
        <extracomment>Column heading: how many tiles each seat holds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Just watching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sits out this round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Green Team (seats 1 and 3) against The Brown Team (seats 2 and 4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friends join this room by its code, from Play with Others, Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the room&apos;s code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw a tile and end your turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End your turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take back everything you did this turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board holds sets that are not complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to view the Game Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop waiting for the host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the clock for everybody</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SORT BY:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Suits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are incomplete or incorrect groups on the board.

Would you like to take a 3 tile penalty and end your turn?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tiles you lay down on your first turn must equal at least 30 points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This round has already started. You will have to wait until the next round.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play with Others...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>bot speed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>bot level</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile Sets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put Tile Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrange Rack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No room has the code %1: it may have closed. Check the code with your friend.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A game is being played. Leave it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A game is being played. Leave it and quit Brixo?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not be hosted: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You host a game on this network as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joining the game at %1 as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening a room at the lobby %1 as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entering room %1 at the lobby %2 as %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brixo - Room %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brixo - Hosting a game on this network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brixo - Playing at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brixo - Online at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not reach the host at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Another Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The host removed you from this game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The host has left the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the lobby was lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the game was lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the lobby was lost. Trying to reach it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lobby is gone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the host was lost. Trying to reach it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lobby is back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The host is back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lobby could not be reached again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The host could not be reached again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Solo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A game is being played. End it and start a new game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A shape for each colour on the tiles: Green circle, Orange square, Red triangle, Black diamond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strong tile colours that colour-blind eyes tell apart, on a dark board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is left where it is and not written over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 The settings start on their defaults. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds on: click to turn them off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds off: click to turn them on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Show Me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play To Score: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Per Turn: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Penalty: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>The first set that is not valid: its tiles, and why.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Way To Go!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/me waves &quot;Good-Bye&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>Brixo - Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play with Others...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open The Quorvin Lobby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play a game against the computer now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play with friends: host a game on this network, find the games others host, join one by its address, or meet in a room online.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Quorvin Lobby is installed on this computer. It finds games with other players online; this game closes while it runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this at start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Quorvin Lobby could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tgamestart</name>
    <message>
        <source>Brixo - Game Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play to Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creation Time:</source>
        <extracomment>The seconds each turn may take.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>secs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiles to Start With::</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Thelp</name>
    <message>
        <source>Overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brixo - Help File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tile</name>
    <message>
        <source>WILD</source>
        <extracomment>The wild tile, which stands for any tile (the joker).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A tile by its colour (%1) and its number (%2): &quot;Green 7&quot;, &quot;Red King&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jack</source>
        <extracomment>The tiles numbered 11, 12 and 13 are called Jack, Queen and King.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tphrases</name>
    <message>
        <source>Brixo - Phrase Buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Brixo - Spys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Brixo - Tally List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Tally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a name to see its tally; untick it to stop keeping it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick a player to keep a tally of your games with them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player&apos;s Tally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player Wins:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
