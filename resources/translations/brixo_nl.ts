<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>OnlinePage</name>
    <message>
        <source>lobby address, as host or host:port</source>
        <translation>adres van de lobby, als naam of naam:poort</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Kamer</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Toeschouwers</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Meedoen</translation>
    </message>
    <message>
        <source>room name</source>
        <translation>naam van de kamer</translation>
    </message>
    <message>
        <source>Listed for everyone</source>
        <translation>Zichtbaar voor iedereen</translation>
    </message>
    <message>
        <source>Create Room</source>
        <translation>Kamer maken</translation>
    </message>
    <message>
        <source>6-letter code</source>
        <translation>code van 6 tekens</translation>
    </message>
    <message>
        <source>Join by Code</source>
        <translation>Meedoen met code</translation>
    </message>
    <message>
        <source>Lobby:</source>
        <translation>Lobby:</translation>
    </message>
    <message>
        <source>New room:</source>
        <translation>Nieuwe kamer:</translation>
    </message>
    <message>
        <source>A friend&apos;s room:</source>
        <translation>Kamer van een vriend:</translation>
    </message>
    <message>
        <source>Friends on other networks meet in a room on a lobby: a Brixo server on the internet, started with brixo --lobby. Type the address its keeper gave you; Brixo remembers it.</source>
        <translation>Vrienden op andere netwerken ontmoeten elkaar in een kamer op een lobby: een Brixo-server op internet, gestart met brixo --lobby. Typ het adres dat de beheerder je gaf; Brixo onthoudt het.</translation>
    </message>
    <message>
        <source>Open a room and give friends its code, or join theirs. Rooms listed for everyone are below.</source>
        <translation>Open een kamer en geef je vrienden de code, of doe mee in die van hen. Kamers die voor iedereen zichtbaar zijn, staan hieronder.</translation>
    </message>
    <message>
        <source>Type the lobby&apos;s address first.</source>
        <translation>Typ eerst het adres van de lobby.</translation>
    </message>
    <message>
        <source>Asking the lobby for its rooms...</source>
        <translation>De lobby wordt naar zijn kamers gevraagd...</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Bezig</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wacht</translation>
    </message>
    <message>
        <source>No room is listed: create one.</source>
        <translation>Er staat geen kamer in de lijst: maak er een.</translation>
    </message>
    <message>
        <source>A room&apos;s code is six letters and digits, as its table shows it.</source>
        <translation>De code van een kamer bestaat uit zes letters en cijfers, zoals de tafel hem toont.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address: type a name or an IP address, and :port when it is not %2.</source>
        <translation>“%1” is geen adres: typ een naam of een IP-adres, en :poort als die niet %2 is.</translation>
    </message>
</context>
<context>
    <name>PlayWithOthers</name>
    <message>
        <source>Brixo - Play with Others</source>
        <translation>Brixo - Met anderen spelen</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Je naam:</translation>
    </message>
    <message>
        <source>The name others see</source>
        <translation>De naam die anderen zien</translation>
    </message>
    <message>
        <source>Host a Game</source>
        <translation>Spel hosten</translation>
    </message>
    <message>
        <source>Games on This Network</source>
        <translation>Spellen op dit netwerk</translation>
    </message>
    <message>
        <source>Join by Address</source>
        <translation>Meedoen via adres</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>This table hosts a game. Others join it from Games on This Network, or by one of these addresses:</source>
        <translation>Deze tafel host een spel. Anderen doen mee via “Spellen op dit netwerk”, of via een van deze adressen:</translation>
    </message>
    <message>
        <source>Host a game here: others on this network see it under Games on This Network, or join it by one of the addresses shown once it runs.</source>
        <translation>Host hier een spel: anderen op dit netwerk zien het onder “Spellen op dit netwerk”, of doen mee via een van de adressen die verschijnen zodra het loopt.</translation>
    </message>
    <message>
        <source>Stop Hosting</source>
        <translation>Stoppen met hosten</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Vrij</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Play to</source>
        <translation>Eindscore</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Meedoen</translation>
    </message>
    <message>
        <source>The host&apos;s address, as its Play with Others window shows it: a name or an IP address, with :port when it is not %1 (an IPv6 address in brackets, [::1]:%1).</source>
        <translation>Het adres van de host, zoals zijn venster “Met anderen spelen” het toont: een naam of een IP-adres, met :poort als die niet %1 is (een IPv6-adres tussen vierkante haken, [::1]:%1).</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Type the name others will see first.</source>
        <translation>Typ eerst de naam die anderen zien.</translation>
    </message>
    <message>
        <source>Games on this network cannot be heard: %1</source>
        <translation>Kan niet luisteren naar spellen op dit netwerk: %1</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Bezig</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wacht</translation>
    </message>
    <message>
        <source>Looking for games on this network...</source>
        <translation>Zoeken naar spellen op dit netwerk...</translation>
    </message>
    <message>
        <source>One game found.</source>
        <translation>Eén spel gevonden.</translation>
    </message>
    <message>
        <source>%1 games found.</source>
        <translation>%1 spellen gevonden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address: type a name or an IP address, and :port when it is not %2.</source>
        <translation>“%1” is geen adres: typ een naam of een IP-adres, en :poort als die niet %2 is.</translation>
    </message>
</context>
<context>
    <name>RoundLinesView</name>
    <message>
        <source>No tiles left</source>
        <translation>Geen stenen meer over</translation>
    </message>
    <message>
        <source>1 tile left</source>
        <translation>1 steen over</translation>
    </message>
    <message>
        <source>%1 tiles left</source>
        <translation>%1 stenen over</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>1 tile</source>
        <translation>1 steen</translation>
    </message>
    <message>
        <source>%1 tiles</source>
        <translation>%1 stenen</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 punt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 punten</translation>
    </message>
    <message>
        <source>wild tile</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>Green %1</source>
        <translation>Groen %1</translation>
    </message>
    <message>
        <source>Orange %1</source>
        <translation>Oranje %1</translation>
    </message>
    <message>
        <source>Red %1</source>
        <translation>Rood %1</translation>
    </message>
    <message>
        <source>Black %1</source>
        <translation>Zwart %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>board, column %1, row %2, %3</source>
        <translation>speelveld, kolom %1, regel %2, %3</translation>
    </message>
    <message>
        <source>seat %1, waiting for a player</source>
        <translation>plaats %1, wacht op een speler</translation>
    </message>
    <message>
        <source>computer player, playing its turn</source>
        <translation>computerspeler, is aan de beurt</translation>
    </message>
    <message>
        <source>computer player</source>
        <translation>computerspeler</translation>
    </message>
    <message>
        <source>computer player for %1, who left, playing its turn</source>
        <translation>computerspeler voor %1, die is vertrokken, is aan de beurt</translation>
    </message>
    <message>
        <source>computer player for %1, who left</source>
        <translation>computerspeler voor %1, die is vertrokken</translation>
    </message>
    <message>
        <source>%1 (you)</source>
        <translation>%1 (jij)</translation>
    </message>
    <message>
        <source>watching while the computer plays for you</source>
        <translation>je kijkt mee terwijl de computer voor je speelt</translation>
    </message>
    <message>
        <source>waiting for the next round</source>
        <translation>wacht op de volgende ronde</translation>
    </message>
    <message>
        <source>your turn</source>
        <translation>jij bent aan de beurt</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>speelt mee</translation>
    </message>
    <message>
        <source>watching while the computer plays</source>
        <translation>kijkt mee terwijl de computer speelt</translation>
    </message>
    <message>
        <source>playing, their turn</source>
        <translation>speelt mee, is aan de beurt</translation>
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
        <translation>er loopt geen beurt</translation>
    </message>
    <message>
        <source>clock stopped, %1 left of your turn</source>
        <translation>klok staat stil, nog %1 van jouw beurt</translation>
    </message>
    <message>
        <source>clock stopped, %1 left of %2&apos;s turn</source>
        <translation>klok staat stil, nog %1 van de beurt van %2</translation>
    </message>
    <message>
        <source>%1 left of your turn</source>
        <translation>nog %1 van jouw beurt</translation>
    </message>
    <message>
        <source>%1 left of %2&apos;s turn</source>
        <translation>nog %1 van de beurt van %2</translation>
    </message>
    <message>
        <source>no tiles left to draw</source>
        <translation>geen stenen meer om te pakken</translation>
    </message>
    <message>
        <source>1 tile left to draw</source>
        <translation>nog 1 steen om te pakken</translation>
    </message>
    <message>
        <source>%1 tiles left to draw</source>
        <translation>nog %1 stenen om te pakken</translation>
    </message>
    <message>
        <source>Your turn.</source>
        <translation>Jij bent aan de beurt.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>%1 is aan de beurt.</translation>
    </message>
    <message>
        <source>You laid tiles worth %1.</source>
        <translation>Je hebt stenen gelegd ter waarde van %1.</translation>
    </message>
    <message>
        <source>You laid %1 worth %2.</source>
        <translation>Je hebt %1 gelegd ter waarde van %2.</translation>
    </message>
    <message>
        <source>%1 laid tiles worth %2.</source>
        <translation>%1 heeft stenen gelegd ter waarde van %2.</translation>
    </message>
    <message>
        <source>%1 laid %2 worth %3.</source>
        <translation>%1 heeft %2 gelegd ter waarde van %3.</translation>
    </message>
    <message>
        <source>You drew a tile.</source>
        <translation>Je hebt een steen gepakt.</translation>
    </message>
    <message>
        <source>You drew %1.</source>
        <translation>Je hebt %1 gepakt.</translation>
    </message>
    <message>
        <source>%1 drew a tile.</source>
        <translation>%1 heeft een steen gepakt.</translation>
    </message>
    <message>
        <source>%1 drew %2.</source>
        <translation>%1 heeft %2 gepakt.</translation>
    </message>
    <message>
        <source>You took back the moves of this turn.</source>
        <translation>Je hebt de zetten van deze beurt teruggenomen.</translation>
    </message>
    <message>
        <source>%1 took back the moves of this turn.</source>
        <translation>%1 heeft de zetten van deze beurt teruggenomen.</translation>
    </message>
    <message>
        <source>The board holds sets that are not valid. Take the penalty tiles and end your turn, or edit the board?</source>
        <translation>Op het speelveld liggen ongeldige combinaties. Strafstenen pakken en je beurt afsluiten, of het speelveld bewerken?</translation>
    </message>
    <message>
        <source>Clock stopped.</source>
        <translation>De klok staat stil.</translation>
    </message>
    <message>
        <source>Clock running again.</source>
        <translation>De klok loopt weer.</translation>
    </message>
    <message>
        <source>Round over.</source>
        <translation>Ronde voorbij.</translation>
    </message>
    <message>
        <source>You are out of tiles.</source>
        <translation>Je bent uit.</translation>
    </message>
    <message>
        <source>%1 is out of tiles.</source>
        <translation>%1 is uit.</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Jij</translation>
    </message>
    <message>
        <source>%1: %2 left, %3.</source>
        <translation>%1: %2 over, %3.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>two %1s</source>
        <extracomment>Two of the same tile in one set: &quot;two Red 3s&quot;.</extracomment>
        <translation>twee keer %1</translation>
    </message>
    <message>
        <source>two wild tiles at the start</source>
        <translation>twee jokers aan het begin</translation>
    </message>
    <message>
        <source>wild tile before a 1</source>
        <translation>joker vóór een 1</translation>
    </message>
    <message>
        <source>wild tile after a King</source>
        <translation>joker na een 13</translation>
    </message>
    <message>
        <source>numbers out of order</source>
        <translation>getallen niet op volgorde</translation>
    </message>
    <message>
        <source>a gap between %1 and %2</source>
        <translation>een gat tussen %1 en %2</translation>
    </message>
    <message>
        <source>too many wild tiles between %1 and %2</source>
        <translation>te veel jokers tussen %1 en %2</translation>
    </message>
    <message>
        <source>neither a run nor a group</source>
        <translation>geen rij en geen groep</translation>
    </message>
    <message>
        <source>only one tile</source>
        <translation>maar één steen</translation>
    </message>
    <message>
        <source>only two tiles</source>
        <translation>maar twee stenen</translation>
    </message>
    <message>
        <source>mixed colours in a run</source>
        <translation>verschillende kleuren in een rij</translation>
    </message>
    <message>
        <source>mixed numbers in a group</source>
        <translation>verschillende getallen in een groep</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Resume the game of %1?</source>
        <extracomment>%1 is the date and time the game was kept.</extracomment>
        <translation>Het spel van %1 hervatten?</translation>
    </message>
    <message>
        <source>Resume the game of %1 with %2?</source>
        <translation>Het spel van %1 met %2 hervatten?</translation>
    </message>
    <message>
        <source>Discard the game of %1? It cannot be resumed afterwards.</source>
        <translation>Het spel van %1 weggooien? Daarna kan het niet meer hervat worden.</translation>
    </message>
    <message>
        <source>You played a %1.</source>
        <translation>Je hebt %1 gelegd.</translation>
    </message>
    <message>
        <source>%1 played a %2.</source>
        <translation>%1 heeft %2 gelegd.</translation>
    </message>
    <message>
        <source>You moved a %1.</source>
        <translation>Je hebt %1 verschoven.</translation>
    </message>
    <message>
        <source>%1 moved a %2.</source>
        <translation>%1 heeft %2 verschoven.</translation>
    </message>
    <message>
        <source>You removed a %1.</source>
        <translation>Je hebt %1 teruggenomen.</translation>
    </message>
    <message>
        <source>%1 removed a %2.</source>
        <translation>%1 heeft %2 teruggenomen.</translation>
    </message>
    <message>
        <source>You cleared tiles.</source>
        <translation>Je hebt stenen teruggenomen.</translation>
    </message>
    <message>
        <source>%1 cleared tiles.</source>
        <translation>%1 heeft stenen teruggenomen.</translation>
    </message>
    <message>
        <source>You cannot select a new tile when you have a tile from the board in your hand.</source>
        <translation>Je kunt geen nieuwe steen oppakken terwijl je een steen van het speelveld in je hand hebt.</translation>
    </message>
    <message>
        <source>You cannot clear when you have a tile in your hand.</source>
        <translation>Je kunt niet alles terugnemen terwijl je een steen in je hand hebt.</translation>
    </message>
    <message>
        <source>You cannot end your turn when you have a tile in your hand.</source>
        <translation>Je kunt je beurt niet afsluiten terwijl je een steen in je hand hebt.</translation>
    </message>
    <message>
        <source>You cannot draw a tile when you have a tile in your hand.</source>
        <translation>Je kunt geen steen pakken terwijl je een steen in je hand hebt.</translation>
    </message>
    <message>
        <source>You cannot draw with tiles laid this turn. Finish, or Clear them back to your rack first.</source>
        <translation>Je kunt niet pakken als je deze beurt stenen hebt gelegd. Kies eerst “Klaar”, of leg ze met “Alles terug” weer op je plankje.</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Je bent verbonden.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 is verbonden.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Je kijkt mee.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 kijkt mee.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 is weggegaan.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 heeft de verbinding verloren.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 kijkt alleen mee</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 speelt weer mee</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 is een spel begonnen.</translation>
    </message>
    <message>
        <source>Starting with %1 tiles.</source>
        <translation>Iedereen begint met %1 stenen.</translation>
    </message>
    <message>
        <source>Show Me cannot lay this play out on the board: lay it yourself.</source>
        <translation>“Laat zien” kan deze zet niet op het speelveld leggen: leg hem zelf.</translation>
    </message>
    <message>
        <source>The server has not answered a move.</source>
        <translation>De server heeft niet op een zet geantwoord.</translation>
    </message>
    <message>
        <source>The server did not take a move.</source>
        <translation>De server heeft een zet niet aangenomen.</translation>
    </message>
    <message>
        <source>Show Me is done: Finish to play it, or Undo to take it back a move at a time, or Clear.</source>
        <translation>“Laat zien” is klaar: kies “Klaar” om de zet te spelen, “Ongedaan maken” om hem stap voor stap terug te nemen, of “Alles terug”.</translation>
    </message>
    <message>
        <source>The rack has changed.</source>
        <translation>Het plankje is veranderd.</translation>
    </message>
    <message>
        <source>The board has changed.</source>
        <translation>Het speelveld is veranderd.</translation>
    </message>
    <message>
        <source>The tile is no longer in the hand.</source>
        <translation>De steen is niet meer in de hand.</translation>
    </message>
    <message>
        <source>The tile&apos;s place is taken.</source>
        <translation>De plaats van de steen is bezet.</translation>
    </message>
    <message>
        <source>Show Me stopped. %1</source>
        <translation>“Laat zien” is gestopt. %1</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Jij bent aan de beurt.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>%1 is aan de beurt.</translation>
    </message>
    <message>
        <source>You have run out of time!.</source>
        <translation>Je tijd is om!</translation>
    </message>
    <message>
        <source>%1 has ran out of time.</source>
        <translation>De tijd van %1 is om.</translation>
    </message>
    <message>
        <source>Board is incomplete.</source>
        <translation>Het speelveld is niet compleet.</translation>
    </message>
    <message>
        <source>Your first lay down must equal at least %1 points</source>
        <translation>Wat je de eerste keer uitlegt, moet minstens %1 punten waard zijn</translation>
    </message>
    <message>
        <source>An %1</source>
        <extracomment>A tile&apos;s number opening the sentence &quot;%1 cannot go after %2.&quot; (&quot;An 8&quot;); &quot;a %1&quot; is the number after it.</extracomment>
        <translation>Een %1</translation>
    </message>
    <message>
        <source>an %1</source>
        <translation>een %1</translation>
    </message>
    <message>
        <source>A %1</source>
        <translation>Een %1</translation>
    </message>
    <message>
        <source>a %1</source>
        <translation>een %1</translation>
    </message>
    <message>
        <source>That is not a cell of the board.</source>
        <translation>Dat is geen vak van het speelveld.</translation>
    </message>
    <message>
        <source>That cell is taken.</source>
        <translation>Dat vak is bezet.</translation>
    </message>
    <message>
        <source>%1 cannot go after %2.</source>
        <extracomment>A run&apos;s numbers rise to the right: &quot;A 7 cannot go after a 9.&quot;</extracomment>
        <translation>%1 kan niet na %2 komen.</translation>
    </message>
    <message>
        <source>%1 cannot go before %2.</source>
        <translation>%1 kan niet vóór %2 komen.</translation>
    </message>
    <message>
        <source>%1 Trying again… %2</source>
        <translation>%1 Nieuwe poging… %2</translation>
    </message>
    <message>
        <source>Play To Score: %1</source>
        <translation>Eindscore: %1</translation>
    </message>
    <message>
        <source>Time Per Turn: %1</source>
        <translation>Tijd per beurt: %1</translation>
    </message>
    <message>
        <source>Time Penalty: ON</source>
        <translation>Tijdstraf: AAN</translation>
    </message>
    <message>
        <source>Time Penalty: OFF</source>
        <translation>Tijdstraf: UIT</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Teamspel</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Succes</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tijd: %1</translation>
    </message>
    <message>
        <source>Tile&apos;s Left: %1</source>
        <translation>Stenen over: %1</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>Je hebt het spel gewonnen!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 heeft het spel gewonnen!</translation>
    </message>
    <message>
        <source>You drew a tile.</source>
        <translation>Je hebt een steen gepakt.</translation>
    </message>
    <message>
        <source>You drew %1 tiles (penalty).</source>
        <translation>Je hebt %1 stenen gepakt (straf).</translation>
    </message>
    <message>
        <source>%1 drew a tile.</source>
        <translation>%1 heeft een steen gepakt.</translation>
    </message>
    <message>
        <source>%1 drew %2 tiles (penalty).</source>
        <translation>%1 heeft %2 stenen gepakt (straf).</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 punt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 punten</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>How the round&apos;s result names the player.</extracomment>
        <translation>Jij</translation>
    </message>
    <message>
        <source>%1: %2 tile left, %3.</source>
        <translation>%1: %2 steen over, %3.</translation>
    </message>
    <message>
        <source>%1: %2 tiles left, %3.</source>
        <translation>%1: %2 stenen over, %3.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Points laid so far toward the first lay-down: &quot;22 of 30&quot;.</extracomment>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>The Round Ended in a Draw.</source>
        <translation>De ronde eindigt onbeslist.</translation>
    </message>
    <message>
        <source>You are out of tiles! The Round is Over.</source>
        <translation>Je bent uit! De ronde is voorbij.</translation>
    </message>
    <message>
        <source>%1 is out of tiles! The Round is Over.</source>
        <translation>%1 is uit! De ronde is voorbij.</translation>
    </message>
    <message>
        <source>There is no set there.</source>
        <translation>Daar ligt geen combinatie.</translation>
    </message>
    <message>
        <source>There is no room beside that set to make space in it.</source>
        <translation>Naast die combinatie is geen vrij vak om er ruimte in te maken.</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <extracomment>A run by its colour and its lowest and highest numbers: &quot;Green 8 to 10&quot;.</extracomment>
        <translation>%1 %2 t/m %3</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>A group by its number: &quot;9s&quot; for a group of nines.</extracomment>
        <translation>%1&apos;en</translation>
    </message>
    <message>
        <source>%1 as a new run</source>
        <translation>%1 als nieuwe rij</translation>
    </message>
    <message>
        <source>%1 as a new group</source>
        <translation>%1 als nieuwe groep</translation>
    </message>
    <message>
        <source>%1 beside the %2 run</source>
        <extracomment>Rack tiles (%1) added to a run on the board (%2: &quot;Green 8 to 10&quot;).</extracomment>
        <translation>%1 aan de rij %2</translation>
    </message>
    <message>
        <source>%1 with the %2</source>
        <extracomment>Rack tiles (%1) added to a group on the board (%2: &quot;9s&quot;).</extracomment>
        <translation>%1 bij de %2</translation>
    </message>
    <message>
        <source>%1 into a rearranged %2 run</source>
        <translation>%1 in een herschikte rij %2</translation>
    </message>
    <message>
        <source>%1 into a rearranged group of %2</source>
        <translation>%1 in een herschikte groep van %2</translation>
    </message>
    <message>
        <source>No play found: draw a tile.</source>
        <translation>Geen zet gevonden: pak een steen.</translation>
    </message>
    <message>
        <source>Lay %1 tiles for %2: press Show Me.</source>
        <translation>Leg %1 stenen voor %2: druk op “Laat zien”.</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Lay %1 (%2).</source>
        <extracomment>The hint: the sets to lay (%1, joined by &quot;; &quot;) and their points (%2).</extracomment>
        <translation>Leg %1 (%2).</translation>
    </message>
    <message>
        <source>Show Me moves 1 board tile</source>
        <translation>“Laat zien” verschuift 1 steen op het speelveld</translation>
    </message>
    <message>
        <source>Show Me moves %1 board tiles</source>
        <translation>“Laat zien” verschuift %1 stenen op het speelveld</translation>
    </message>
    <message>
        <source>Lay %1 (%2; %3).</source>
        <translation>Leg %1 (%2; %3).</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 heeft een andere versie van het spel dan jij.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Je hebt een andere versie van het spel dan de host.</translation>
    </message>
    <message>
        <source>You cannot hold anymore tiles</source>
        <translation>Er passen geen stenen meer op je plankje</translation>
    </message>
    <message>
        <source>There are no tiles left</source>
        <translation>Er zijn geen stenen meer over</translation>
    </message>
    <message>
        <source>Your room&apos;s code is %1: friends join by it, from Play with Others, Online.</source>
        <translation>De code van je kamer is %1: daarmee doen vrienden mee, via “Met anderen spelen”, “Online”.</translation>
    </message>
    <message>
        <source>Slow down: lines sent too fast were not passed on.</source>
        <translation>Rustig aan: regels die te snel verstuurd werden, zijn niet doorgegeven.</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Je bent een spel begonnen.</translation>
    </message>
</context>
<context>
    <name>TableAccessible</name>
    <message>
        <source>Announcements</source>
        <translation>Meldingen</translation>
    </message>
    <message>
        <source>board</source>
        <translation>speelveld</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>kolom %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>regel %1</translation>
    </message>
    <message>
        <source>laid in the last turn</source>
        <translation>gelegd in de vorige beurt</translation>
    </message>
    <message>
        <source>set not valid: %1</source>
        <translation>ongeldige combinatie: %1</translation>
    </message>
    <message>
        <source>Brixo table</source>
        <translation>Brixo-tafel</translation>
    </message>
    <message>
        <source>table</source>
        <translation>tafel</translation>
    </message>
    <message>
        <source>board background</source>
        <translation>achtergrond van het speelveld</translation>
    </message>
    <message>
        <source>rack background</source>
        <translation>achtergrond van het plankje</translation>
    </message>
    <message>
        <source>players</source>
        <translation>spelers</translation>
    </message>
    <message>
        <source>turn marker</source>
        <translation>beurtaanwijzer</translation>
    </message>
    <message>
        <source>game</source>
        <translation>spel</translation>
    </message>
    <message>
        <source>time bar</source>
        <translation>tijdbalk</translation>
    </message>
    <message>
        <source>time left</source>
        <translation>resterende tijd</translation>
    </message>
    <message>
        <source>sounds</source>
        <translation>geluid</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>beurt</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>klok</translation>
    </message>
    <message>
        <source>sort by numbers</source>
        <translation>op getal sorteren</translation>
    </message>
    <message>
        <source>sort by suits</source>
        <translation>op kleur sorteren</translation>
    </message>
    <message>
        <source>game paused</source>
        <translation>spel gepauzeerd</translation>
    </message>
    <message>
        <source>chat</source>
        <translation>chat</translation>
    </message>
    <message>
        <source>chat line</source>
        <translation>chatregel</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>winnaar</translation>
    </message>
    <message>
        <source>penalty question</source>
        <translation>vraag over de straf</translation>
    </message>
    <message>
        <source>first lay down</source>
        <translation>eerste keer uitleggen</translation>
    </message>
    <message>
        <source>round over</source>
        <translation>ronde voorbij</translation>
    </message>
    <message>
        <source>round result</source>
        <translation>uitslag van de ronde</translation>
    </message>
    <message>
        <source>game log</source>
        <translation>spelverslag</translation>
    </message>
    <message>
        <source>close the game log</source>
        <translation>spelverslag sluiten</translation>
    </message>
    <message>
        <source>seat %1</source>
        <translation>plaats %1</translation>
    </message>
    <message>
        <source>menu bar</source>
        <translation>menubalk</translation>
    </message>
    <message>
        <source>%1, vertical scroll bar</source>
        <translation>%1, verticale schuifbalk</translation>
    </message>
    <message>
        <source>%1, horizontal scroll bar</source>
        <translation>%1, horizontale schuifbalk</translation>
    </message>
    <message>
        <source>score of %1: %2</source>
        <translation>score van %1: %2</translation>
    </message>
    <message>
        <source>no last points for %1</source>
        <translation>geen laatste punten voor %1</translation>
    </message>
    <message>
        <source>last points of %1: %2</source>
        <translation>laatste punten van %1: %2</translation>
    </message>
    <message>
        <source>tiles of %1: not known yet</source>
        <translation>stenen van %1: nog niet bekend</translation>
    </message>
    <message>
        <source>tiles of %1: %2</source>
        <translation>stenen van %1: %2</translation>
    </message>
    <message>
        <source>status</source>
        <translation>statusregel</translation>
    </message>
    <message>
        <source>last move</source>
        <translation>laatste zet</translation>
    </message>
    <message>
        <source>nothing in your hand</source>
        <translation>niets in je hand</translation>
    </message>
    <message>
        <source>in your hand: %1</source>
        <translation>in je hand: %1</translation>
    </message>
    <message>
        <source>in your hand</source>
        <translation>in je hand</translation>
    </message>
    <message>
        <source>part of the hint</source>
        <translation>deel van de tip</translation>
    </message>
    <message>
        <source>just drawn</source>
        <translation>net gepakt</translation>
    </message>
    <message>
        <source>your rack, 1 tile</source>
        <translation>je plankje, 1 steen</translation>
    </message>
    <message>
        <source>your rack, %1 tiles</source>
        <translation>je plankje, %1 stenen</translation>
    </message>
    <message>
        <source>phrase %1: %2</source>
        <translation>zin %1: %2</translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Brixo - About</source>
        <translation>Brixo - Over</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Last</source>
        <extracomment>Column heading: the points each seat made last.</extracomment>
        <translation>Laatst</translation>
    </message>
    <message>
        <source>Tiles</source>
        <extracomment>Column heading: how many tiles each seat holds.</extracomment>
        <translation>Stenen</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Uit het spel verwijderen</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Alleen laten meekijken</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Weer laten meespelen</translation>
    </message>
    <message>
        <source>Just watching</source>
        <translation>Kijkt alleen mee</translation>
    </message>
    <message>
        <source>Sits out this round</source>
        <translation>Slaat deze ronde over</translation>
    </message>
    <message>
        <source>Your partner</source>
        <translation>Je partner</translation>
    </message>
    <message>
        <source>The Green Team (seats 1 and 3) against The Brown Team (seats 2 and 4)</source>
        <translation>Team Groen (plaatsen 1 en 3) tegen Team Bruin (plaatsen 2 en 4)</translation>
    </message>
    <message>
        <source>Friends join this room by its code, from Play with Others, Online</source>
        <translation>Vrienden doen mee in deze kamer met de code, via “Met anderen spelen”, “Online”</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Copy the room&apos;s code</source>
        <translation>De code van de kamer kopiëren</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Pakken</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Alles terug</translation>
    </message>
    <message>
        <source>Draw a tile and end your turn</source>
        <translation>Een steen pakken en je beurt afsluiten</translation>
    </message>
    <message>
        <source>End your turn</source>
        <translation>Je beurt afsluiten</translation>
    </message>
    <message>
        <source>Take back everything you did this turn</source>
        <translation>Alles terugnemen wat je deze beurt hebt gedaan</translation>
    </message>
    <message>
        <source>The board holds sets that are not complete</source>
        <translation>Op het speelveld liggen combinaties die niet compleet zijn</translation>
    </message>
    <message>
        <source>Click here to view the Game Log</source>
        <translation>Klik hier om het spelverslag te zien</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Stop waiting for the host</source>
        <translation>Niet langer op de host wachten</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Verslag</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Stop the clock for everybody</source>
        <translation>De klok voor iedereen stilzetten</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spel starten</translation>
    </message>
    <message>
        <source>SORT BY:</source>
        <translation>SORTEER OP:</translation>
    </message>
    <message>
        <source>Sort by Numbers</source>
        <translation>Op getal sorteren</translation>
    </message>
    <message>
        <source>Sort by Suits</source>
        <translation>Op kleur sorteren</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Chat hier&gt;</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gefeliciteerd!</translation>
    </message>
    <message>
        <source>There are incomplete or incorrect groups on the board.

Would you like to take a 3 tile penalty and end your turn?</source>
        <translation>Er liggen incomplete of foute combinaties op het speelveld.

Wil je 3 strafstenen nemen en je beurt afsluiten?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>The tiles you lay down on your first turn must equal at least 30 points.</source>
        <translation>De stenen die je de eerste keer uitlegt, moeten samen minstens 30 punten waard zijn.</translation>
    </message>
    <message>
        <source>Round Over</source>
        <translation>Ronde voorbij</translation>
    </message>
    <message>
        <source>This round has already started. You will have to wait until the next round.</source>
        <translation>Deze ronde is al begonnen. Je moet wachten tot de volgende ronde.</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Spelverslag</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>Play with Others...</source>
        <translation>Met anderen spelen...</translation>
    </message>
    <message>
        <source>Leave Game</source>
        <translation>Spel verlaten</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Alleen meekijken</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Toeschouwers</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Turflijst bekijken</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Vensterpositie herstellen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Beeld</translation>
    </message>
    <message>
        <source>Table Size</source>
        <translation>Tafelgrootte</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Passend in venster</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over Brixo</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Geluid afspelen</translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation>Beurtgeluid</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassiek</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Computertempo</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langzaam</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>bot speed</comment>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Snel</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>bot level</comment>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Meester</translation>
    </message>
    <message>
        <source>Tile Sets</source>
        <translation>Steensets</translation>
    </message>
    <message>
        <source>&amp;Turn</source>
        <translation>Be&amp;urt</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Put Tile Back</source>
        <translation>Steen terugleggen</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sorteren</translation>
    </message>
    <message>
        <source>Arrange Rack</source>
        <translation>Plankje ordenen</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Laat zien</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Tekstgrootte</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Tekstkleur</translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation>Actiekleur</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Chat niet scrollen</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Chat wissen</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Snelle zinnen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Solospel wordt geladen... Even geduld.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Spel met meerdere spelers wordt geladen... Even geduld.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Weggooien</translation>
    </message>
    <message>
        <source>No room has the code %1: it may have closed. Check the code with your friend.</source>
        <translation>Er is geen kamer met de code %1: misschien is hij dichtgegaan. Controleer de code bij je vriend.</translation>
    </message>
    <message>
        <source>A game is being played. Leave it?</source>
        <translation>Er loopt een spel. Wil je het verlaten?</translation>
    </message>
    <message>
        <source>A game is being played. Leave it and quit Brixo?</source>
        <translation>Er loopt een spel. Wil je het verlaten en Brixo afsluiten?</translation>
    </message>
    <message>
        <source>The game could not be hosted: %1</source>
        <translation>Het spel kon niet gehost worden: %1</translation>
    </message>
    <message>
        <source>You host a game on this network as %1.</source>
        <translation>Je host als %1 een spel op dit netwerk.</translation>
    </message>
    <message>
        <source>Joining the game at %1 as %2.</source>
        <translation>Je doet als %2 mee met het spel op %1.</translation>
    </message>
    <message>
        <source>Opening a room at the lobby %1 as %2.</source>
        <translation>Je opent als %2 een kamer op de lobby %1.</translation>
    </message>
    <message>
        <source>Entering room %1 at the lobby %2 as %3.</source>
        <translation>Je gaat als %3 kamer %1 binnen op de lobby %2.</translation>
    </message>
    <message>
        <source>Brixo - Room %1</source>
        <translation>Brixo - Kamer %1</translation>
    </message>
    <message>
        <source>Brixo - Hosting a game on this network</source>
        <translation>Brixo - Je host een spel op dit netwerk</translation>
    </message>
    <message>
        <source>Brixo - Playing at %1</source>
        <translation>Brixo - Spelen op %1</translation>
    </message>
    <message>
        <source>Brixo - Online at %1</source>
        <translation>Brixo - Online op %1</translation>
    </message>
    <message>
        <source>Could not reach the host at %1.</source>
        <translation>De host op %1 is niet bereikbaar.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>Find Another Game</source>
        <translation>Ander spel zoeken</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>Het spel is vol</translation>
    </message>
    <message>
        <source>The host removed you from this game.</source>
        <translation>De host heeft je uit dit spel verwijderd.</translation>
    </message>
    <message>
        <source>The host has left the game.</source>
        <translation>De host heeft het spel verlaten.</translation>
    </message>
    <message>
        <source>The connection to the lobby was lost.</source>
        <translation>De verbinding met de lobby is verbroken.</translation>
    </message>
    <message>
        <source>The connection to the game was lost.</source>
        <translation>De verbinding met het spel is verbroken.</translation>
    </message>
    <message>
        <source>The connection to the lobby was lost. Trying to reach it again.</source>
        <translation>De verbinding met de lobby is verbroken. Brixo probeert hem weer te bereiken.</translation>
    </message>
    <message>
        <source>The lobby is gone.</source>
        <translation>De lobby is weg.</translation>
    </message>
    <message>
        <source>The connection to the host was lost. Trying to reach it again.</source>
        <translation>De verbinding met de host is verbroken. Brixo probeert hem weer te bereiken.</translation>
    </message>
    <message>
        <source>The lobby is back.</source>
        <translation>De lobby is er weer.</translation>
    </message>
    <message>
        <source>The host is back.</source>
        <translation>De host is er weer.</translation>
    </message>
    <message>
        <source>The lobby could not be reached again.</source>
        <translation>De lobby kon niet meer bereikt worden.</translation>
    </message>
    <message>
        <source>The host could not be reached again.</source>
        <translation>De host kon niet meer bereikt worden.</translation>
    </message>
    <message>
        <source>Play Solo</source>
        <translation>Alleen spelen</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Je bent niet verbonden</translation>
    </message>
    <message>
        <source>A game is being played. End it and start a new game?</source>
        <translation>Er loopt een spel. Wil je het beëindigen en een nieuw spel starten?</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systeemtaal</translation>
    </message>
    <message>
        <source>Colour Symbols</source>
        <translation>Kleursymbolen</translation>
    </message>
    <message>
        <source>A shape for each colour on the tiles: Green circle, Orange square, Red triangle, Black diamond</source>
        <translation>Een vorm voor elke kleur op de stenen: groen een cirkel, oranje een vierkant, rood een driehoek, zwart een ruit</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Hoog contrast</translation>
    </message>
    <message>
        <source>Strong tile colours that colour-blind eyes tell apart, on a dark board</source>
        <translation>Sterke steenkleuren die kleurenblinde ogen uit elkaar houden, op een donker speelveld</translation>
    </message>
    <message>
        <source>It is left where it is and not written over.</source>
        <translation>Het bestand blijft staan waar het staat en wordt niet overschreven.</translation>
    </message>
    <message>
        <source>It was kept as %1.</source>
        <translation>Het bestand is bewaard als %1.</translation>
    </message>
    <message>
        <source>%1 The settings start on their defaults. %2</source>
        <translation>%1 De instellingen beginnen met hun standaardwaarden. %2</translation>
    </message>
    <message>
        <source>Sounds on: click to turn them off</source>
        <translation>Geluid aan: klik om het uit te zetten</translation>
    </message>
    <message>
        <source>Sounds off: click to turn them on</source>
        <translation>Geluid uit: klik om het aan te zetten</translation>
    </message>
    <message>
        <source>Stop Show Me</source>
        <translation>“Laat zien” stoppen</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Jij</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Wacht&gt;</translation>
    </message>
    <message>
        <source>Play To Score: </source>
        <translation>Eindscore: </translation>
    </message>
    <message>
        <source>Time Per Turn: </source>
        <translation>Tijd per beurt: </translation>
    </message>
    <message>
        <source>Time Penalty: </source>
        <translation>Tijdstraf: </translation>
    </message>
    <message>
        <source>Room %1</source>
        <translation>Kamer %1</translation>
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
        <translation>Goed zo!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>Mooie zet!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>Goed geprobeerd!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>Uitstekend!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>Briljant!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation>Wauw, top!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>Bedankt!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>Goed zo, partner!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>Goed gespeeld, allemaal!</translation>
    </message>
    <message>
        <source>/me waves &quot;Good-Bye&quot;</source>
        <translation>/me zwaait gedag</translation>
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
        <translation>Brixo - Welkom</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Alleen spelen</translation>
    </message>
    <message>
        <source>Play with Others...</source>
        <translation>Met anderen spelen...</translation>
    </message>
    <message>
        <source>Open The Quorvin Lobby</source>
        <translation>Quorvin-lobby openen</translation>
    </message>
    <message>
        <source>Play a game against the computer now.</source>
        <translation>Speel nu een spel tegen de computer.</translation>
    </message>
    <message>
        <source>Play with friends: host a game on this network, find the games others host, join one by its address, or meet in a room online.</source>
        <translation>Speel met vrienden: host een spel op dit netwerk, vind de spellen die anderen hosten, doe mee via een adres, of ontmoet elkaar in een kamer online.</translation>
    </message>
    <message>
        <source>The Quorvin Lobby is installed on this computer. It finds games with other players online; this game closes while it runs.</source>
        <translation>De Quorvin-lobby is op deze computer geïnstalleerd. Hij vindt spellen met andere spelers online; dit spel wordt gesloten zolang hij draait.</translation>
    </message>
    <message>
        <source>Show this at start</source>
        <translation>Tonen bij het starten</translation>
    </message>
    <message>
        <source>The Quorvin Lobby could not be started.</source>
        <translation>De Quorvin-lobby kon niet gestart worden.</translation>
    </message>
</context>
<context>
    <name>Tgamestart</name>
    <message>
        <source>Brixo - Game Start</source>
        <translation>Brixo - Spel starten</translation>
    </message>
    <message>
        <source>Time Penalty</source>
        <translation>Tijdstraf</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Teamspel</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spel starten</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spelopties</translation>
    </message>
    <message>
        <source>Play to Score:</source>
        <translation>Eindscore:</translation>
    </message>
    <message>
        <source>Creation Time:</source>
        <extracomment>The seconds each turn may take.</extracomment>
        <translation>Seconden per beurt:</translation>
    </message>
    <message>
        <source>secs</source>
        <translation>sec.</translation>
    </message>
    <message>
        <source>Tiles to Start With::</source>
        <translation>Stenen bij de start:</translation>
    </message>
</context>
<context>
    <name>Thelp</name>
    <message>
        <source>Overview</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Spelverloop</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Puntentelling</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentatie</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licentie</translation>
    </message>
    <message>
        <source>Brixo - Help File</source>
        <translation>Brixo - Help</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over Brixo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
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
        <translation>groen</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>oranje</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>zwart</translation>
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
        <translation>Brixo - Snelle zinnen</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Elke knop werkt maar één keer per 2 seconden</translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Knop %1:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Brixo - Spys</source>
        <translation>Brixo - Toeschouwers</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Uit het spel verwijderen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Toeschouwers</translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Brixo - Tally List</source>
        <translation>Brixo - Turflijst</translation>
    </message>
    <message>
        <source>Your Tally</source>
        <translation>Jouw turflijst</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Spellen in totaal:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Door jou gewonnen</translation>
    </message>
    <message>
        <source>Click a name to see its tally; untick it to stop keeping it</source>
        <translation>Klik op een naam om zijn turflijst te zien; vink hem uit om hem niet meer bij te houden</translation>
    </message>
    <message>
        <source>Tick a player to keep a tally of your games with them</source>
        <translation>Vink een speler aan om je spellen met hem bij te houden</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Bijgehouden spelers</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Spelers in dit spel</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessie</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Aantal spellen</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Door jou gewonnen:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Door geen van beiden:</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Turflijst wissen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Player&apos;s Tally</source>
        <translation>Turflijst van de speler</translation>
    </message>
    <message>
        <source>Player Wins:</source>
        <translation>Door de speler gewonnen:</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Door %1 gewonnen:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Turflijst van %1</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Hiermee wordt de turflijst van %1 gewist. Weet je zeker dat je hem wilt wissen?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Weet je zeker dat je de turflijst wilt wissen?</translation>
    </message>
</context>
</TS>
