<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>OnlinePage</name>
    <message>
        <source>lobby address, as host or host:port</source>
        <translation>dirección del lobby, como servidor o servidor:puerto</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Sala</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Espectadores</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unirse</translation>
    </message>
    <message>
        <source>room name</source>
        <translation>nombre de la sala</translation>
    </message>
    <message>
        <source>Listed for everyone</source>
        <translation>Visible para todos</translation>
    </message>
    <message>
        <source>Create Room</source>
        <translation>Crear sala</translation>
    </message>
    <message>
        <source>6-letter code</source>
        <translation>código de 6 caracteres</translation>
    </message>
    <message>
        <source>Join by Code</source>
        <translation>Unirse con código</translation>
    </message>
    <message>
        <source>Lobby:</source>
        <translation>Lobby:</translation>
    </message>
    <message>
        <source>New room:</source>
        <translation>Sala nueva:</translation>
    </message>
    <message>
        <source>A friend&apos;s room:</source>
        <translation>Sala de un amigo:</translation>
    </message>
    <message>
        <source>Friends on other networks meet in a room on a lobby: a Brixo server on the internet, started with brixo --lobby. Type the address its keeper gave you; Brixo remembers it.</source>
        <translation>Los amigos de otras redes se reúnen en una sala de un lobby: un servidor de Brixo en internet, iniciado con brixo --lobby. Escribe la dirección que te ha dado quien lo gestiona; Brixo la recordará.</translation>
    </message>
    <message>
        <source>Open a room and give friends its code, or join theirs. Rooms listed for everyone are below.</source>
        <translation>Abre una sala y da su código a tus amigos, o únete a la suya. Abajo aparecen las salas visibles para todos.</translation>
    </message>
    <message>
        <source>Type the lobby&apos;s address first.</source>
        <translation>Escribe primero la dirección del lobby.</translation>
    </message>
    <message>
        <source>Asking the lobby for its rooms...</source>
        <translation>Pidiendo al lobby sus salas...</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Jugando</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Esperando</translation>
    </message>
    <message>
        <source>No room is listed: create one.</source>
        <translation>No hay ninguna sala a la vista: crea una.</translation>
    </message>
    <message>
        <source>A room&apos;s code is six letters and digits, as its table shows it.</source>
        <translation>El código de una sala tiene seis letras y cifras, tal como lo muestra su mesa.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address: type a name or an IP address, and :port when it is not %2.</source>
        <translation>«%1» no es una dirección: escribe un nombre o una dirección IP, y :puerto si no es %2.</translation>
    </message>
</context>
<context>
    <name>PlayWithOthers</name>
    <message>
        <source>Brixo - Play with Others</source>
        <translation>Brixo - Jugar con otros</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Tu nombre:</translation>
    </message>
    <message>
        <source>The name others see</source>
        <translation>El nombre que ven los demás</translation>
    </message>
    <message>
        <source>Host a Game</source>
        <translation>Alojar una partida</translation>
    </message>
    <message>
        <source>Games on This Network</source>
        <translation>Partidas en esta red</translation>
    </message>
    <message>
        <source>Join by Address</source>
        <translation>Unirse por dirección</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En línea</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>This table hosts a game. Others join it from Games on This Network, or by one of these addresses:</source>
        <translation>Esta mesa aloja una partida. Los demás se unen desde «Partidas en esta red» o por una de estas direcciones:</translation>
    </message>
    <message>
        <source>Host a game here: others on this network see it under Games on This Network, or join it by one of the addresses shown once it runs.</source>
        <translation>Aloja aquí una partida: los demás en esta red la verán en «Partidas en esta red», o se unirán por una de las direcciones que aparecen en cuanto esté en marcha.</translation>
    </message>
    <message>
        <source>Stop Hosting</source>
        <translation>Dejar de alojar</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Anfitrión</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libres</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Play to</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unirse</translation>
    </message>
    <message>
        <source>The host&apos;s address, as its Play with Others window shows it: a name or an IP address, with :port when it is not %1 (an IPv6 address in brackets, [::1]:%1).</source>
        <translation>La dirección del anfitrión, tal como la muestra su ventana «Jugar con otros»: un nombre o una dirección IP, con :puerto si no es %1 (una dirección IPv6 va entre corchetes, [::1]:%1).</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Type the name others will see first.</source>
        <translation>Escribe primero el nombre que verán los demás.</translation>
    </message>
    <message>
        <source>Games on this network cannot be heard: %1</source>
        <translation>No se pueden detectar las partidas de esta red: %1</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Jugando</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Esperando</translation>
    </message>
    <message>
        <source>Looking for games on this network...</source>
        <translation>Buscando partidas en esta red...</translation>
    </message>
    <message>
        <source>One game found.</source>
        <translation>Se ha encontrado una partida.</translation>
    </message>
    <message>
        <source>%1 games found.</source>
        <translation>Se han encontrado %1 partidas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address: type a name or an IP address, and :port when it is not %2.</source>
        <translation>«%1» no es una dirección: escribe un nombre o una dirección IP, y :puerto si no es %2.</translation>
    </message>
</context>
<context>
    <name>RoundLinesView</name>
    <message>
        <source>No tiles left</source>
        <translation>No quedan fichas</translation>
    </message>
    <message>
        <source>1 tile left</source>
        <translation>Queda 1 ficha</translation>
    </message>
    <message>
        <source>%1 tiles left</source>
        <translation>Quedan %1 fichas</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>1 tile</source>
        <translation>1 ficha</translation>
    </message>
    <message>
        <source>%1 tiles</source>
        <translation>%1 fichas</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 punto</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>wild tile</source>
        <translation>comodín</translation>
    </message>
    <message>
        <source>Green %1</source>
        <translation>%1 verde</translation>
    </message>
    <message>
        <source>Orange %1</source>
        <translation>%1 naranja</translation>
    </message>
    <message>
        <source>Red %1</source>
        <translation>%1 rojo</translation>
    </message>
    <message>
        <source>Black %1</source>
        <translation>%1 negro</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>board, column %1, row %2, %3</source>
        <translation>tablero, columna %1, fila %2, %3</translation>
    </message>
    <message>
        <source>seat %1, waiting for a player</source>
        <translation>puesto %1, esperando a un jugador</translation>
    </message>
    <message>
        <source>computer player, playing its turn</source>
        <translation>controlado por el ordenador, jugando su turno</translation>
    </message>
    <message>
        <source>computer player</source>
        <translation>controlado por el ordenador</translation>
    </message>
    <message>
        <source>computer player for %1, who left, playing its turn</source>
        <translation>controlado por el ordenador en lugar de %1, que se ha ido, jugando su turno</translation>
    </message>
    <message>
        <source>computer player for %1, who left</source>
        <translation>controlado por el ordenador en lugar de %1, que se ha ido</translation>
    </message>
    <message>
        <source>%1 (you)</source>
        <translation>%1 (tú)</translation>
    </message>
    <message>
        <source>watching while the computer plays for you</source>
        <translation>mirando mientras el ordenador juega por ti</translation>
    </message>
    <message>
        <source>waiting for the next round</source>
        <translation>esperando a la siguiente ronda</translation>
    </message>
    <message>
        <source>your turn</source>
        <translation>tu turno</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>jugando</translation>
    </message>
    <message>
        <source>watching while the computer plays</source>
        <translation>mirando mientras juega el ordenador</translation>
    </message>
    <message>
        <source>playing, their turn</source>
        <translation>jugando, es su turno</translation>
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
        <translation>ningún turno en curso</translation>
    </message>
    <message>
        <source>clock stopped, %1 left of your turn</source>
        <translation>reloj parado, quedan %1 de tu turno</translation>
    </message>
    <message>
        <source>clock stopped, %1 left of %2&apos;s turn</source>
        <translation>reloj parado, quedan %1 del turno de %2</translation>
    </message>
    <message>
        <source>%1 left of your turn</source>
        <translation>quedan %1 de tu turno</translation>
    </message>
    <message>
        <source>%1 left of %2&apos;s turn</source>
        <translation>quedan %1 del turno de %2</translation>
    </message>
    <message>
        <source>no tiles left to draw</source>
        <translation>no quedan fichas en el pozo</translation>
    </message>
    <message>
        <source>1 tile left to draw</source>
        <translation>queda 1 ficha en el pozo</translation>
    </message>
    <message>
        <source>%1 tiles left to draw</source>
        <translation>quedan %1 fichas en el pozo</translation>
    </message>
    <message>
        <source>Your turn.</source>
        <translation>Tu turno.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>Turno de %1.</translation>
    </message>
    <message>
        <source>You laid tiles worth %1.</source>
        <translation>Has colocado fichas por valor de %1.</translation>
    </message>
    <message>
        <source>You laid %1 worth %2.</source>
        <translation>Has colocado %1 por valor de %2.</translation>
    </message>
    <message>
        <source>%1 laid tiles worth %2.</source>
        <translation>%1 ha colocado fichas por valor de %2.</translation>
    </message>
    <message>
        <source>%1 laid %2 worth %3.</source>
        <translation>%1 ha colocado %2 por valor de %3.</translation>
    </message>
    <message>
        <source>You drew a tile.</source>
        <translation>Has robado una ficha.</translation>
    </message>
    <message>
        <source>You drew %1.</source>
        <translation>Has robado %1.</translation>
    </message>
    <message>
        <source>%1 drew a tile.</source>
        <translation>%1 ha robado una ficha.</translation>
    </message>
    <message>
        <source>%1 drew %2.</source>
        <translation>%1 ha robado %2.</translation>
    </message>
    <message>
        <source>You took back the moves of this turn.</source>
        <translation>Has retirado todo lo que habías hecho en este turno.</translation>
    </message>
    <message>
        <source>%1 took back the moves of this turn.</source>
        <translation>%1 ha retirado todo lo que había hecho en este turno.</translation>
    </message>
    <message>
        <source>The board holds sets that are not valid. Take the penalty tiles and end your turn, or edit the board?</source>
        <translation>En el tablero hay combinaciones que no son válidas. ¿Quieres robar las fichas de penalización y terminar tu turno, o editar el tablero?</translation>
    </message>
    <message>
        <source>Clock stopped.</source>
        <translation>Reloj parado.</translation>
    </message>
    <message>
        <source>Clock running again.</source>
        <translation>El reloj vuelve a correr.</translation>
    </message>
    <message>
        <source>Round over.</source>
        <translation>Fin de la ronda.</translation>
    </message>
    <message>
        <source>You are out of tiles.</source>
        <translation>Te has quedado sin fichas.</translation>
    </message>
    <message>
        <source>%1 is out of tiles.</source>
        <translation>%1 se ha quedado sin fichas.</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>%1: %2 left, %3.</source>
        <translation>%1: %2 en el atril, %3.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>two %1s</source>
        <extracomment>Two of the same tile in one set: &quot;two Red 3s&quot;.</extracomment>
        <translation>%1 repetido</translation>
    </message>
    <message>
        <source>two wild tiles at the start</source>
        <translation>dos comodines al principio</translation>
    </message>
    <message>
        <source>wild tile before a 1</source>
        <translation>comodín antes del 1</translation>
    </message>
    <message>
        <source>wild tile after a King</source>
        <translation>comodín después del 13</translation>
    </message>
    <message>
        <source>numbers out of order</source>
        <translation>números desordenados</translation>
    </message>
    <message>
        <source>a gap between %1 and %2</source>
        <translation>un hueco entre %1 y %2</translation>
    </message>
    <message>
        <source>too many wild tiles between %1 and %2</source>
        <translation>demasiados comodines entre %1 y %2</translation>
    </message>
    <message>
        <source>neither a run nor a group</source>
        <translation>ni escalera ni grupo</translation>
    </message>
    <message>
        <source>only one tile</source>
        <translation>solo una ficha</translation>
    </message>
    <message>
        <source>only two tiles</source>
        <translation>solo dos fichas</translation>
    </message>
    <message>
        <source>mixed colours in a run</source>
        <translation>colores mezclados en una escalera</translation>
    </message>
    <message>
        <source>mixed numbers in a group</source>
        <translation>números mezclados en un grupo</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Resume the game of %1?</source>
        <extracomment>%1 is the date and time the game was kept.</extracomment>
        <translation>¿Reanudar la partida del %1?</translation>
    </message>
    <message>
        <source>Resume the game of %1 with %2?</source>
        <translation>¿Reanudar la partida del %1 con %2?</translation>
    </message>
    <message>
        <source>Discard the game of %1? It cannot be resumed afterwards.</source>
        <translation>¿Descartar la partida del %1? Después no se podrá reanudar.</translation>
    </message>
    <message>
        <source>You played a %1.</source>
        <translation>Has colocado un %1.</translation>
    </message>
    <message>
        <source>%1 played a %2.</source>
        <translation>%1 ha colocado un %2.</translation>
    </message>
    <message>
        <source>You moved a %1.</source>
        <translation>Has movido un %1.</translation>
    </message>
    <message>
        <source>%1 moved a %2.</source>
        <translation>%1 ha movido un %2.</translation>
    </message>
    <message>
        <source>You removed a %1.</source>
        <translation>Has retirado un %1.</translation>
    </message>
    <message>
        <source>%1 removed a %2.</source>
        <translation>%1 ha retirado un %2.</translation>
    </message>
    <message>
        <source>You cleared tiles.</source>
        <translation>Has retirado tus fichas.</translation>
    </message>
    <message>
        <source>%1 cleared tiles.</source>
        <translation>%1 ha retirado sus fichas.</translation>
    </message>
    <message>
        <source>You cannot select a new tile when you have a tile from the board in your hand.</source>
        <translation>No puedes coger una ficha nueva mientras tengas en la mano una ficha del tablero.</translation>
    </message>
    <message>
        <source>You cannot clear when you have a tile in your hand.</source>
        <translation>No puedes retirar todo mientras tengas una ficha en la mano.</translation>
    </message>
    <message>
        <source>You cannot end your turn when you have a tile in your hand.</source>
        <translation>No puedes terminar tu turno mientras tengas una ficha en la mano.</translation>
    </message>
    <message>
        <source>You cannot draw a tile when you have a tile in your hand.</source>
        <translation>No puedes robar una ficha mientras tengas una ficha en la mano.</translation>
    </message>
    <message>
        <source>You cannot draw with tiles laid this turn. Finish, or Clear them back to your rack first.</source>
        <translation>No puedes robar si has colocado fichas en este turno. Termina, o devuélvelas antes a tu atril con «Retirar todo».</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Te has conectado.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 se ha conectado.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Estás mirando la partida.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 está mirando la partida.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 se ha ido.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 se ha desconectado.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 solo está mirando</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 vuelve a jugar</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 ha empezado una partida.</translation>
    </message>
    <message>
        <source>Starting with %1 tiles.</source>
        <translation>Se empieza con %1 fichas.</translation>
    </message>
    <message>
        <source>Show Me cannot lay this play out on the board: lay it yourself.</source>
        <translation>«Muéstramelo» no puede colocar esta jugada en el tablero: colócala tú.</translation>
    </message>
    <message>
        <source>The server has not answered a move.</source>
        <translation>El servidor no ha respondido a un movimiento.</translation>
    </message>
    <message>
        <source>The server did not take a move.</source>
        <translation>El servidor no ha aceptado un movimiento.</translation>
    </message>
    <message>
        <source>Show Me is done: Finish to play it, or Undo to take it back a move at a time, or Clear.</source>
        <translation>«Muéstramelo» ha terminado: pulsa «Terminar» para jugarlo, «Deshacer» para quitarlo movimiento a movimiento, o «Retirar todo».</translation>
    </message>
    <message>
        <source>The rack has changed.</source>
        <translation>El atril ha cambiado.</translation>
    </message>
    <message>
        <source>The board has changed.</source>
        <translation>El tablero ha cambiado.</translation>
    </message>
    <message>
        <source>The tile is no longer in the hand.</source>
        <translation>La ficha ya no está en la mano.</translation>
    </message>
    <message>
        <source>The tile&apos;s place is taken.</source>
        <translation>El sitio de la ficha está ocupado.</translation>
    </message>
    <message>
        <source>Show Me stopped. %1</source>
        <translation>«Muéstramelo» se ha detenido. %1</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Tu turno.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>Turno de %1.</translation>
    </message>
    <message>
        <source>You have run out of time!.</source>
        <translation>¡Se te ha acabado el tiempo!</translation>
    </message>
    <message>
        <source>%1 has ran out of time.</source>
        <translation>A %1 se le ha acabado el tiempo.</translation>
    </message>
    <message>
        <source>Board is incomplete.</source>
        <translation>El tablero está incompleto.</translation>
    </message>
    <message>
        <source>Your first lay down must equal at least %1 points</source>
        <translation>Tu primera bajada debe sumar al menos %1 puntos</translation>
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
        <translation>Esa no es una casilla del tablero.</translation>
    </message>
    <message>
        <source>That cell is taken.</source>
        <translation>Esa casilla está ocupada.</translation>
    </message>
    <message>
        <source>%1 cannot go after %2.</source>
        <extracomment>A run&apos;s numbers rise to the right: &quot;A 7 cannot go after a 9.&quot;</extracomment>
        <translation>%1 no puede ir después de %2.</translation>
    </message>
    <message>
        <source>%1 cannot go before %2.</source>
        <translation>%1 no puede ir antes de %2.</translation>
    </message>
    <message>
        <source>%1 Trying again… %2</source>
        <translation>%1 Volviendo a intentarlo… %2</translation>
    </message>
    <message>
        <source>Play To Score: %1</source>
        <translation>Puntuación objetivo: %1</translation>
    </message>
    <message>
        <source>Time Per Turn: %1</source>
        <translation>Tiempo por turno: %1</translation>
    </message>
    <message>
        <source>Time Penalty: ON</source>
        <translation>Penalización por tiempo: SÍ</translation>
    </message>
    <message>
        <source>Time Penalty: OFF</source>
        <translation>Penalización por tiempo: NO</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Partida por equipos</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Buena suerte</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message>
        <source>Tile&apos;s Left: %1</source>
        <translation>Fichas en el pozo: %1</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>¡Has ganado la partida!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>¡%1 ha ganado la partida!</translation>
    </message>
    <message>
        <source>You drew a tile.</source>
        <translation>Has robado una ficha.</translation>
    </message>
    <message>
        <source>You drew %1 tiles (penalty).</source>
        <translation>Has robado %1 fichas (penalización).</translation>
    </message>
    <message>
        <source>%1 drew a tile.</source>
        <translation>%1 ha robado una ficha.</translation>
    </message>
    <message>
        <source>%1 drew %2 tiles (penalty).</source>
        <translation>%1 ha robado %2 fichas (penalización).</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 punto</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>How the round&apos;s result names the player.</extracomment>
        <translation>Tú</translation>
    </message>
    <message>
        <source>%1: %2 tile left, %3.</source>
        <translation>%1: %2 ficha restante, %3.</translation>
    </message>
    <message>
        <source>%1: %2 tiles left, %3.</source>
        <translation>%1: %2 fichas restantes, %3.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Points laid so far toward the first lay-down: &quot;22 of 30&quot;.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>The Round Ended in a Draw.</source>
        <translation>La ronda ha terminado en empate.</translation>
    </message>
    <message>
        <source>You are out of tiles! The Round is Over.</source>
        <translation>¡Te has quedado sin fichas! Fin de la ronda.</translation>
    </message>
    <message>
        <source>%1 is out of tiles! The Round is Over.</source>
        <translation>¡%1 se ha quedado sin fichas! Fin de la ronda.</translation>
    </message>
    <message>
        <source>There is no set there.</source>
        <translation>Ahí no hay ninguna combinación.</translation>
    </message>
    <message>
        <source>There is no room beside that set to make space in it.</source>
        <translation>No hay sitio junto a esa combinación para hacer hueco en ella.</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <extracomment>A run by its colour and its lowest and highest numbers: &quot;Green 8 to 10&quot;.</extracomment>
        <translation>del %2 al %3 en %1</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>A group by its number: &quot;9s&quot; for a group of nines.</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 as a new run</source>
        <translation>%1 como escalera nueva</translation>
    </message>
    <message>
        <source>%1 as a new group</source>
        <translation>%1 como grupo nuevo</translation>
    </message>
    <message>
        <source>%1 beside the %2 run</source>
        <extracomment>Rack tiles (%1) added to a run on the board (%2: &quot;Green 8 to 10&quot;).</extracomment>
        <translation>%1 junto a la escalera %2</translation>
    </message>
    <message>
        <source>%1 with the %2</source>
        <extracomment>Rack tiles (%1) added to a group on the board (%2: &quot;9s&quot;).</extracomment>
        <translation>%1 con los %2</translation>
    </message>
    <message>
        <source>%1 into a rearranged %2 run</source>
        <translation>%1 en la escalera %2, reorganizada</translation>
    </message>
    <message>
        <source>%1 into a rearranged group of %2</source>
        <translation>%1 en el grupo de los %2, reorganizado</translation>
    </message>
    <message>
        <source>No play found: draw a tile.</source>
        <translation>No hay jugada: roba una ficha.</translation>
    </message>
    <message>
        <source>Lay %1 tiles for %2: press Show Me.</source>
        <translation>Coloca %1 fichas por %2: pulsa «Muéstramelo».</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Lay %1 (%2).</source>
        <extracomment>The hint: the sets to lay (%1, joined by &quot;; &quot;) and their points (%2).</extracomment>
        <translation>Coloca %1 (%2).</translation>
    </message>
    <message>
        <source>Show Me moves 1 board tile</source>
        <translation>«Muéstramelo» mueve 1 ficha del tablero</translation>
    </message>
    <message>
        <source>Show Me moves %1 board tiles</source>
        <translation>«Muéstramelo» mueve %1 fichas del tablero</translation>
    </message>
    <message>
        <source>Lay %1 (%2; %3).</source>
        <translation>Coloca %1 (%2; %3).</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 tiene una versión del juego distinta de la tuya.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Tienes una versión del juego distinta de la del anfitrión.</translation>
    </message>
    <message>
        <source>You cannot hold anymore tiles</source>
        <translation>No puedes tener más fichas</translation>
    </message>
    <message>
        <source>There are no tiles left</source>
        <translation>No quedan fichas en el pozo</translation>
    </message>
    <message>
        <source>Your room&apos;s code is %1: friends join by it, from Play with Others, Online.</source>
        <translation>El código de tu sala es %1: tus amigos se unen con él desde «Jugar con otros», «En línea».</translation>
    </message>
    <message>
        <source>Slow down: lines sent too fast were not passed on.</source>
        <translation>Más despacio: las líneas enviadas demasiado rápido no se han transmitido.</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Has empezado una partida.</translation>
    </message>
</context>
<context>
    <name>TableAccessible</name>
    <message>
        <source>Announcements</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>board</source>
        <translation>tablero</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>columna %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>laid in the last turn</source>
        <translation>colocada en el último turno</translation>
    </message>
    <message>
        <source>set not valid: %1</source>
        <translation>combinación no válida: %1</translation>
    </message>
    <message>
        <source>Brixo table</source>
        <translation>mesa de Brixo</translation>
    </message>
    <message>
        <source>table</source>
        <translation>mesa</translation>
    </message>
    <message>
        <source>board background</source>
        <translation>fondo del tablero</translation>
    </message>
    <message>
        <source>rack background</source>
        <translation>fondo del atril</translation>
    </message>
    <message>
        <source>players</source>
        <translation>jugadores</translation>
    </message>
    <message>
        <source>turn marker</source>
        <translation>indicador de turno</translation>
    </message>
    <message>
        <source>game</source>
        <translation>partida</translation>
    </message>
    <message>
        <source>time bar</source>
        <translation>barra de tiempo</translation>
    </message>
    <message>
        <source>time left</source>
        <translation>tiempo restante</translation>
    </message>
    <message>
        <source>sounds</source>
        <translation>sonidos</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>turno</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>reloj</translation>
    </message>
    <message>
        <source>sort by numbers</source>
        <translation>ordenar por números</translation>
    </message>
    <message>
        <source>sort by suits</source>
        <translation>ordenar por colores</translation>
    </message>
    <message>
        <source>game paused</source>
        <translation>partida en pausa</translation>
    </message>
    <message>
        <source>chat</source>
        <translation>chat</translation>
    </message>
    <message>
        <source>chat line</source>
        <translation>línea de chat</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>ganador</translation>
    </message>
    <message>
        <source>penalty question</source>
        <translation>pregunta de penalización</translation>
    </message>
    <message>
        <source>first lay down</source>
        <translation>primera bajada</translation>
    </message>
    <message>
        <source>round over</source>
        <translation>fin de la ronda</translation>
    </message>
    <message>
        <source>round result</source>
        <translation>resultado de la ronda</translation>
    </message>
    <message>
        <source>game log</source>
        <translation>registro de la partida</translation>
    </message>
    <message>
        <source>close the game log</source>
        <translation>cerrar el registro de la partida</translation>
    </message>
    <message>
        <source>seat %1</source>
        <translation>puesto %1</translation>
    </message>
    <message>
        <source>menu bar</source>
        <translation>barra de menús</translation>
    </message>
    <message>
        <source>%1, vertical scroll bar</source>
        <translation>%1, barra de desplazamiento vertical</translation>
    </message>
    <message>
        <source>%1, horizontal scroll bar</source>
        <translation>%1, barra de desplazamiento horizontal</translation>
    </message>
    <message>
        <source>score of %1: %2</source>
        <translation>puntos de %1: %2</translation>
    </message>
    <message>
        <source>no last points for %1</source>
        <translation>últimos puntos de %1: ninguno</translation>
    </message>
    <message>
        <source>last points of %1: %2</source>
        <translation>últimos puntos de %1: %2</translation>
    </message>
    <message>
        <source>tiles of %1: not known yet</source>
        <translation>fichas de %1: aún no se saben</translation>
    </message>
    <message>
        <source>tiles of %1: %2</source>
        <translation>fichas de %1: %2</translation>
    </message>
    <message>
        <source>status</source>
        <translation>estado</translation>
    </message>
    <message>
        <source>last move</source>
        <translation>último movimiento</translation>
    </message>
    <message>
        <source>nothing in your hand</source>
        <translation>nada en la mano</translation>
    </message>
    <message>
        <source>in your hand: %1</source>
        <translation>en la mano: %1</translation>
    </message>
    <message>
        <source>in your hand</source>
        <translation>en la mano</translation>
    </message>
    <message>
        <source>part of the hint</source>
        <translation>parte de la pista</translation>
    </message>
    <message>
        <source>just drawn</source>
        <translation>recién robada</translation>
    </message>
    <message>
        <source>your rack, 1 tile</source>
        <translation>tu atril, 1 ficha</translation>
    </message>
    <message>
        <source>your rack, %1 tiles</source>
        <translation>tu atril, %1 fichas</translation>
    </message>
    <message>
        <source>phrase %1: %2</source>
        <translation>frase %1: %2</translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Brixo - About</source>
        <translation>Brixo - Acerca de</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Last</source>
        <extracomment>Column heading: the points each seat made last.</extracomment>
        <translation>Última</translation>
    </message>
    <message>
        <source>Tiles</source>
        <extracomment>Column heading: how many tiles each seat holds.</extracomment>
        <translation>Fichas</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Quitar de la partida</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Dejar solo mirando</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Dejar volver a jugar</translation>
    </message>
    <message>
        <source>Just watching</source>
        <translation>Solo mirando</translation>
    </message>
    <message>
        <source>Sits out this round</source>
        <translation>No juega esta ronda</translation>
    </message>
    <message>
        <source>Your partner</source>
        <translation>Tu compañero</translation>
    </message>
    <message>
        <source>The Green Team (seats 1 and 3) against The Brown Team (seats 2 and 4)</source>
        <translation>El Equipo Verde (puestos 1 y 3) contra el Equipo Marrón (puestos 2 y 4)</translation>
    </message>
    <message>
        <source>Friends join this room by its code, from Play with Others, Online</source>
        <translation>Tus amigos se unen a esta sala con su código, desde «Jugar con otros», «En línea»</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy the room&apos;s code</source>
        <translation>Copiar el código de la sala</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Robar</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Retirar todo</translation>
    </message>
    <message>
        <source>Draw a tile and end your turn</source>
        <translation>Robar una ficha y terminar tu turno</translation>
    </message>
    <message>
        <source>End your turn</source>
        <translation>Terminar tu turno</translation>
    </message>
    <message>
        <source>Take back everything you did this turn</source>
        <translation>Retirar todo lo que has hecho en este turno</translation>
    </message>
    <message>
        <source>The board holds sets that are not complete</source>
        <translation>En el tablero hay combinaciones incompletas</translation>
    </message>
    <message>
        <source>Click here to view the Game Log</source>
        <translation>Haz clic aquí para ver el registro de la partida</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop waiting for the host</source>
        <translation>Dejar de esperar al anfitrión</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop the clock for everybody</source>
        <translation>Parar el reloj para todos</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Empezar partida</translation>
    </message>
    <message>
        <source>SORT BY:</source>
        <translation>ORDENAR POR:</translation>
    </message>
    <message>
        <source>Sort by Numbers</source>
        <translation>Ordenar por números</translation>
    </message>
    <message>
        <source>Sort by Suits</source>
        <translation>Ordenar por colores</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Escribe aquí para chatear&gt;</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>There are incomplete or incorrect groups on the board.

Would you like to take a 3 tile penalty and end your turn?</source>
        <translation>En el tablero hay combinaciones incompletas o incorrectas.

¿Quieres robar 3 fichas de penalización y terminar tu turno?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>The tiles you lay down on your first turn must equal at least 30 points.</source>
        <translation>Las fichas que colocas en tu primer turno deben sumar al menos 30 puntos.</translation>
    </message>
    <message>
        <source>Round Over</source>
        <translation>Fin de la ronda</translation>
    </message>
    <message>
        <source>This round has already started. You will have to wait until the next round.</source>
        <translation>Esta ronda ya ha empezado. Tendrás que esperar a la siguiente.</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Registro de la partida</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>Play with Others...</source>
        <translation>Jugar con otros...</translation>
    </message>
    <message>
        <source>Leave Game</source>
        <translation>Abandonar partida</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Solo mirar</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Lista de espectadores</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Ver historial</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Restablecer posición de la ventana</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Table Size</source>
        <translation>Tamaño de la mesa</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Ajustar a la ventana</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de Brixo</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Reproducir sonidos</translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation>Sonido de turno</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Velocidad del ordenador</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>bot speed</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>bot level</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maestro</translation>
    </message>
    <message>
        <source>Tile Sets</source>
        <translation>Juegos de fichas</translation>
    </message>
    <message>
        <source>&amp;Turn</source>
        <translation>&amp;Turno</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Put Tile Back</source>
        <translation>Devolver ficha</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Arrange Rack</source>
        <translation>Organizar atril</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Muéstramelo</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation>Color de las acciones</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Detener desplazamiento del chat</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Borrar el chat</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Frases rápidas</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Cargando partida en solitario... Espera, por favor.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Cargando partida multijugador... Espera, por favor.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>No room has the code %1: it may have closed. Check the code with your friend.</source>
        <translation>Ninguna sala tiene el código %1: puede que se haya cerrado. Comprueba el código con tu amigo.</translation>
    </message>
    <message>
        <source>A game is being played. Leave it?</source>
        <translation>Hay una partida en curso. ¿Abandonarla?</translation>
    </message>
    <message>
        <source>A game is being played. Leave it and quit Brixo?</source>
        <translation>Hay una partida en curso. ¿Abandonarla y salir de Brixo?</translation>
    </message>
    <message>
        <source>The game could not be hosted: %1</source>
        <translation>No se ha podido alojar la partida: %1</translation>
    </message>
    <message>
        <source>You host a game on this network as %1.</source>
        <translation>Alojas una partida en esta red como %1.</translation>
    </message>
    <message>
        <source>Joining the game at %1 as %2.</source>
        <translation>Uniéndote a la partida de %1 como %2.</translation>
    </message>
    <message>
        <source>Opening a room at the lobby %1 as %2.</source>
        <translation>Abriendo una sala en el lobby %1 como %2.</translation>
    </message>
    <message>
        <source>Entering room %1 at the lobby %2 as %3.</source>
        <translation>Entrando en la sala %1 del lobby %2 como %3.</translation>
    </message>
    <message>
        <source>Brixo - Room %1</source>
        <translation>Brixo - Sala %1</translation>
    </message>
    <message>
        <source>Brixo - Hosting a game on this network</source>
        <translation>Brixo - Alojando una partida en esta red</translation>
    </message>
    <message>
        <source>Brixo - Playing at %1</source>
        <translation>Brixo - Jugando en %1</translation>
    </message>
    <message>
        <source>Brixo - Online at %1</source>
        <translation>Brixo - En línea en %1</translation>
    </message>
    <message>
        <source>Could not reach the host at %1.</source>
        <translation>No se ha podido contactar con el anfitrión en %1.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Find Another Game</source>
        <translation>Buscar otra partida</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>La partida está llena</translation>
    </message>
    <message>
        <source>The host removed you from this game.</source>
        <translation>El anfitrión te ha quitado de esta partida.</translation>
    </message>
    <message>
        <source>The host has left the game.</source>
        <translation>El anfitrión ha abandonado la partida.</translation>
    </message>
    <message>
        <source>The connection to the lobby was lost.</source>
        <translation>Se ha perdido la conexión con el lobby.</translation>
    </message>
    <message>
        <source>The connection to the game was lost.</source>
        <translation>Se ha perdido la conexión con la partida.</translation>
    </message>
    <message>
        <source>The connection to the lobby was lost. Trying to reach it again.</source>
        <translation>Se ha perdido la conexión con el lobby. Intentando contactar de nuevo.</translation>
    </message>
    <message>
        <source>The lobby is gone.</source>
        <translation>El lobby ya no está.</translation>
    </message>
    <message>
        <source>The connection to the host was lost. Trying to reach it again.</source>
        <translation>Se ha perdido la conexión con el anfitrión. Intentando contactar de nuevo.</translation>
    </message>
    <message>
        <source>The lobby is back.</source>
        <translation>El lobby ha vuelto.</translation>
    </message>
    <message>
        <source>The host is back.</source>
        <translation>El anfitrión ha vuelto.</translation>
    </message>
    <message>
        <source>The lobby could not be reached again.</source>
        <translation>No se ha podido volver a contactar con el lobby.</translation>
    </message>
    <message>
        <source>The host could not be reached again.</source>
        <translation>No se ha podido volver a contactar con el anfitrión.</translation>
    </message>
    <message>
        <source>Play Solo</source>
        <translation>Jugar solo</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>No estás conectado</translation>
    </message>
    <message>
        <source>A game is being played. End it and start a new game?</source>
        <translation>Hay una partida en curso. ¿Terminarla y empezar una nueva?</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Del sistema</translation>
    </message>
    <message>
        <source>Colour Symbols</source>
        <translation>Símbolos de color</translation>
    </message>
    <message>
        <source>A shape for each colour on the tiles: Green circle, Orange square, Red triangle, Black diamond</source>
        <translation>Una forma para cada color de las fichas: círculo verde, cuadrado naranja, triángulo rojo, rombo negro</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Alto contraste</translation>
    </message>
    <message>
        <source>Strong tile colours that colour-blind eyes tell apart, on a dark board</source>
        <translation>Colores de ficha intensos que también distinguen los daltónicos, sobre un tablero oscuro</translation>
    </message>
    <message>
        <source>It is left where it is and not written over.</source>
        <translation>El archivo se deja donde está y no se sobrescribe.</translation>
    </message>
    <message>
        <source>It was kept as %1.</source>
        <translation>El archivo se ha apartado como %1.</translation>
    </message>
    <message>
        <source>%1 The settings start on their defaults. %2</source>
        <translation>%1 La configuración vuelve a los valores predeterminados. %2</translation>
    </message>
    <message>
        <source>Sounds on: click to turn them off</source>
        <translation>Sonidos activados: haz clic para desactivarlos</translation>
    </message>
    <message>
        <source>Sounds off: click to turn them on</source>
        <translation>Sonidos desactivados: haz clic para activarlos</translation>
    </message>
    <message>
        <source>Stop Show Me</source>
        <translation>Detener «Muéstramelo»</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Esperando&gt;</translation>
    </message>
    <message>
        <source>Play To Score: </source>
        <translation>Puntuación objetivo: </translation>
    </message>
    <message>
        <source>Time Per Turn: </source>
        <translation>Tiempo por turno: </translation>
    </message>
    <message>
        <source>Time Penalty: </source>
        <translation>Penalización por tiempo: </translation>
    </message>
    <message>
        <source>Room %1</source>
        <translation>Sala %1</translation>
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
        <translation>¡Así se hace!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>¡Buena jugada!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>¡Buen intento!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>¡Excelente!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>¡Genial!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation>¡Guau, qué bien!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>¡Gracias!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>¡Bien hecho, compañero!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>¡Buena partida a todos!</translation>
    </message>
    <message>
        <source>/me waves &quot;Good-Bye&quot;</source>
        <translation>/me dice adiós con la mano</translation>
    </message>
    <message>
        <source>Start Game</source>
        <comment>the short button beside Pause</comment>
        <translation>Empezar</translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>Brixo - Welcome</source>
        <translation>Brixo - Bienvenida</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jugar en solitario</translation>
    </message>
    <message>
        <source>Play with Others...</source>
        <translation>Jugar con otros...</translation>
    </message>
    <message>
        <source>Open The Quorvin Lobby</source>
        <translation>Abrir el lobby de Quorvin</translation>
    </message>
    <message>
        <source>Play a game against the computer now.</source>
        <translation>Juega ahora una partida contra el ordenador.</translation>
    </message>
    <message>
        <source>Play with friends: host a game on this network, find the games others host, join one by its address, or meet in a room online.</source>
        <translation>Juega con amigos: aloja una partida en esta red, busca las partidas que alojan otros, únete a una por su dirección o quedad en una sala en línea.</translation>
    </message>
    <message>
        <source>The Quorvin Lobby is installed on this computer. It finds games with other players online; this game closes while it runs.</source>
        <translation>El lobby de Quorvin está instalado en este ordenador. Busca partidas con otros jugadores en línea; este juego se cierra mientras el lobby está abierto.</translation>
    </message>
    <message>
        <source>Show this at start</source>
        <translation>Mostrar al inicio</translation>
    </message>
    <message>
        <source>The Quorvin Lobby could not be started.</source>
        <translation>No se ha podido iniciar el lobby de Quorvin.</translation>
    </message>
</context>
<context>
    <name>Tgamestart</name>
    <message>
        <source>Brixo - Game Start</source>
        <translation>Brixo - Inicio de la partida</translation>
    </message>
    <message>
        <source>Time Penalty</source>
        <translation>Penalización por tiempo</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Partida por equipos</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Empezar partida</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opciones de la partida</translation>
    </message>
    <message>
        <source>Play to Score:</source>
        <translation>Puntuación objetivo:</translation>
    </message>
    <message>
        <source>Creation Time:</source>
        <extracomment>The seconds each turn may take.</extracomment>
        <translation>Segundos por turno:</translation>
    </message>
    <message>
        <source>secs</source>
        <translation>seg.</translation>
    </message>
    <message>
        <source>Tiles to Start With::</source>
        <translation>Fichas repartidas:</translation>
    </message>
</context>
<context>
    <name>Thelp</name>
    <message>
        <source>Overview</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentación</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>Brixo - Help File</source>
        <translation>Brixo - Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de Brixo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>Tile</name>
    <message>
        <source>WILD</source>
        <extracomment>The wild tile, which stands for any tile (the joker).</extracomment>
        <translation>comodín</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A tile by its colour (%1) and its number (%2): &quot;Green 7&quot;, &quot;Red King&quot;.</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>negro</translation>
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
        <translation>Brixo - Botones de frases</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Cada botón solo se puede usar una vez cada 2 segundos</translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Botón de frase %1:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Brixo - Spys</source>
        <translation>Brixo - Espectadores</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Quitar de la partida</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Lista de espectadores</translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Brixo - Tally List</source>
        <translation>Brixo - Historial</translation>
    </message>
    <message>
        <source>Your Tally</source>
        <translation>Tu historial</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Partidas en total:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Tus victorias</translation>
    </message>
    <message>
        <source>Click a name to see its tally; untick it to stop keeping it</source>
        <translation>Haz clic en un nombre para ver su historial; desmárcalo para dejar de llevarlo</translation>
    </message>
    <message>
        <source>Tick a player to keep a tally of your games with them</source>
        <translation>Marca a un jugador para llevar el historial de tus partidas con él</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Jugadores con historial</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Jugadores de la partida actual</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Número de partidas</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Tus victorias:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Ninguno ganó:</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Borrar historial</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Player&apos;s Tally</source>
        <translation>Historial del jugador</translation>
    </message>
    <message>
        <source>Player Wins:</source>
        <translation>Victorias del jugador:</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Victorias de %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Historial de %1</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Esto borrará el historial de %1. ¿Seguro que quieres borrarlo?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>¿Seguro que quieres borrar el historial?</translation>
    </message>
</context>
</TS>
