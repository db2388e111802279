<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Form1</name>
    <message>
        <source>%1 [muted]</source>
        <translation>%1 [sin sonido]</translation>
    </message>
    <message>
        <source>Pay Tube!</source>
        <translation>¡Premio!</translation>
    </message>
    <message>
        <source>Total Cash</source>
        <translation>Caja total</translation>
    </message>
    <message>
        <source>Reel Layout</source>
        <translation>Rodillos</translation>
    </message>
    <message>
        <source>Prize money</source>
        <translation>Premio</translation>
    </message>
    <message>
        <source>Total cash</source>
        <translation>Caja total</translation>
    </message>
    <message>
        <source>Hold/Nudge</source>
        <translation>Retén/Empuja</translation>
    </message>
    <message>
        <source>Hold/Nudge left reel</source>
        <translation>Retén/Empuja rodillo izquierdo</translation>
    </message>
    <message>
        <source>Hold or nudge the left reel (1)</source>
        <translation>Retener o empujar el rodillo izquierdo (1)</translation>
    </message>
    <message>
        <source>Hold/Nudge middle reel</source>
        <translation>Retén/Empuja rodillo central</translation>
    </message>
    <message>
        <source>Hold or nudge the middle reel (2)</source>
        <translation>Retener o empujar el rodillo central (2)</translation>
    </message>
    <message>
        <source>Hold/Nudge right reel</source>
        <translation>Retén/Empuja rodillo derecho</translation>
    </message>
    <message>
        <source>Hold or nudge the right reel (3)</source>
        <translation>Retener o empujar el rodillo derecho (3)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>¡Tira!</translation>
    </message>
    <message>
        <source>Start (Space or Enter)</source>
        <translation>¡Tira! (Espacio o Intro)</translation>
    </message>
    <message>
        <source>cheat</source>
        <translation>Trampa</translation>
    </message>
    <message>
        <source>Cheat: win nudges on every play</source>
        <translation>Trampa: empujones en cada jugada</translation>
    </message>
    <message>
        <source>cash</source>
        <translation>Ficha</translation>
    </message>
    <message>
        <source>cash, insert a coin</source>
        <translation>Ficha, meter una moneda</translation>
    </message>
    <message>
        <source>Insert a coin (C)</source>
        <translation>Meter una moneda (C)</translation>
    </message>
    <message>
        <source>more money</source>
        <translation>Más pasta</translation>
    </message>
    <message>
        <source>Put five more coins in the purse</source>
        <translation>Cinco monedas más al monedero</translation>
    </message>
    <message>
        <source>Setup Images</source>
        <translation>Preparar imágenes</translation>
    </message>
    <message>
        <source>Set Up Reels</source>
        <translation>Preparar rodillos</translation>
    </message>
    <message>
        <source>Scoring trace</source>
        <translation>Registro de puntos</translation>
    </message>
    <message>
        <source>Keys: Space or Enter start, 1, 2 and 3 hold or nudge the left, middle and right reel, C inserts a coin, M turns the sound off or on, F1 explains how to play, Ctrl+Q quits.</source>
        <translation>Teclas: Espacio o Intro para tirar, 1, 2 y 3 retienen o empujan el rodillo izquierdo, central y derecho, C mete una moneda, M quita o pone el sonido, F1 explica cómo jugar, Ctrl+Q sale.</translation>
    </message>
</context>
<context>
    <name>Trail4</name>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright © 2026 KQProductions</source>
        <translation>Copyright © 2026 KQProductions</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later: you may share and change it under its terms. It comes with no warranty.</source>
        <translation>Software libre bajo la GNU General Public License, versión 3 o posterior: puedes compartirlo y modificarlo según sus términos. Sin ninguna garantía.</translation>
    </message>
</context>
<context>
    <name>glint::ui::HelpWindow</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 punto</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>&lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; presses the focused button; Start has the focus when the game opens.</source>
        <translation>&lt;b&gt;Espacio&lt;/b&gt; o &lt;b&gt;Intro&lt;/b&gt; pulsa el botón que tiene el foco; al abrir el juego lo tiene ¡Tira!.</translation>
    </message>
    <message>
        <source>&lt;b&gt;1&lt;/b&gt;, &lt;b&gt;2&lt;/b&gt; and &lt;b&gt;3&lt;/b&gt; press the left, middle and right Hold/Nudge button.</source>
        <translation>&lt;b&gt;1&lt;/b&gt;, &lt;b&gt;2&lt;/b&gt; y &lt;b&gt;3&lt;/b&gt; pulsan el botón Retén/Empuja izquierdo, central y derecho.</translation>
    </message>
    <message>
        <source>&lt;b&gt;C&lt;/b&gt; puts in a coin, as cash does.</source>
        <translation>&lt;b&gt;C&lt;/b&gt; mete una moneda, como el botón Ficha.</translation>
    </message>
    <message>
        <source>&lt;b&gt;M&lt;/b&gt; turns all sound off or on; the window&apos;s title shows [muted] while it is off.</source>
        <translation>&lt;b&gt;M&lt;/b&gt; quita o pone todo el sonido; mientras está quitado, el título de la ventana muestra [sin sonido].</translation>
    </message>
    <message>
        <source>&lt;b&gt;F1&lt;/b&gt; opens this help; &lt;b&gt;Esc&lt;/b&gt; or &lt;b&gt;F1&lt;/b&gt; closes it.</source>
        <translation>&lt;b&gt;F1&lt;/b&gt; abre esta ayuda; &lt;b&gt;Esc&lt;/b&gt; o &lt;b&gt;F1&lt;/b&gt; la cierra.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Q&lt;/b&gt; quits the game.</source>
        <translation>&lt;b&gt;Ctrl+Q&lt;/b&gt; sale del juego.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;How to play&lt;/h2&gt;&lt;p&gt;Glint Galore is a fruit machine with three reels. You play it with pretend coins: nothing is ever paid out, and nothing can be won or bought.&lt;/p&gt;&lt;p&gt;Press &lt;b&gt;cash&lt;/b&gt;, the red slot at the top right, to put a coin from your purse into the machine. The message line at the top then shows your credit as money, for example &quot;Plays: 3.00&quot;. Each press of &lt;b&gt;Start&lt;/b&gt; costs 0.25 of it and spins the reels, which stop left, middle, right. Your purse holds ten coins and keeps the last one; &lt;b&gt;more money&lt;/b&gt; adds five (it lies under the list at the bottom right: reach it with Tab).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Total Cash&lt;/b&gt; is the machine&apos;s cash pot. Every coin adds to it, but the box shows the new amount only when the next play starts. &lt;b&gt;Pay Tube!&lt;/b&gt; shows seven tenths of the pot; it is only a display.&lt;/p&gt;&lt;h3&gt;Symbols that score&lt;/h3&gt;&lt;p&gt;Only these symbols score, when they stop on the middle row, the win line. The other symbols score nothing.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Cómo se juega&lt;/h2&gt;&lt;p&gt;Glint Galore es una tragaperras de tres rodillos. Se juega con monedas de mentira: nunca se paga nada, y no se puede ganar ni comprar nada.&lt;/p&gt;&lt;p&gt;Pulsa &lt;b&gt;Ficha&lt;/b&gt;, la ranura roja de arriba a la derecha, para meter una moneda de tu monedero en la máquina. La línea de mensajes de arriba muestra entonces tu crédito en dinero, por ejemplo «Jugadas: 3,00». Cada pulsación de &lt;b&gt;¡Tira!&lt;/b&gt; cuesta 0,25 y hace girar los rodillos, que se paran a la izquierda, en el centro y a la derecha. Tu monedero guarda diez monedas y se queda siempre con la última; &lt;b&gt;Más pasta&lt;/b&gt; añade cinco (está bajo la lista de abajo a la derecha: llega a él con Tab).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Caja total&lt;/b&gt; es la caja de la máquina. Cada moneda se suma a ella, pero la casilla solo muestra el nuevo importe cuando empieza la jugada siguiente. &lt;b&gt;¡Premio!&lt;/b&gt; muestra siete décimas partes de la caja; es solo un indicador.&lt;/p&gt;&lt;h3&gt;Símbolos que puntúan&lt;/h3&gt;&lt;p&gt;Solo estos símbolos puntúan, cuando se paran en la fila del medio, la línea de premio. Los demás no puntúan nada.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The trail and the bonus&lt;/h3&gt;&lt;p&gt;The points on the win line move the marker up the trail ladder beside the reels, rungs 1 to 8, and light its lamps. A total of exactly 4 reaches &lt;b&gt;Bonus&lt;/b&gt;: feature names run along the message line until you press Start, which stops them on one. The feature is only shown; it changes nothing in the game. Three scoring symbols on the win line, alike or not, give three in a row and light the whole ladder. A total beyond 8 reaches the top of the trail, which lights the ladder and starts the trail again.&lt;/p&gt;&lt;h3&gt;Nudges and holds&lt;/h3&gt;&lt;p&gt;After a play the machine may give you nudges (&quot;2 nudges&quot;): each press of a &lt;b&gt;Hold/Nudge&lt;/b&gt; button moves its reel down one symbol and scores the new win line. Start waits until the nudges are used. Or it may ask &quot;Hold Any?&quot;: press the Hold/Nudge buttons of the reels you want to keep still in the next spin, and press again to cancel. &lt;b&gt;Trail Held&lt;/b&gt; turns red when the next play will add its points to this play&apos;s total.&lt;/p&gt;&lt;p&gt;&lt;b&gt;cheat&lt;/b&gt; makes every later play give nudges, more with every press. The list at the bottom right traces every scoring. Left alone, the machine blinks its lamps and shows its messages.&lt;/p&gt;&lt;h3&gt;Keys&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;La pista y el bonus&lt;/h3&gt;&lt;p&gt;Los puntos de la línea de premio suben el marcador por la escalera de la pista, junto a los rodillos, peldaños 1 a 8, y encienden sus luces. Un total de exactamente 4 llega a &lt;b&gt;Bonus&lt;/b&gt;: los nombres de las funciones corren por la línea de mensajes hasta que pulsas &lt;b&gt;¡Tira!&lt;/b&gt;, que los para en uno. La función solo se muestra; no cambia nada en el juego. Tres símbolos que puntúan en la línea de premio, iguales o no, hacen 3 en línea y encienden toda la escalera. Un total de más de 8 llega a lo alto de la pista, que enciende la escalera y vuelve a empezar.&lt;/p&gt;&lt;h3&gt;Empujones y retenciones&lt;/h3&gt;&lt;p&gt;Tras una jugada la máquina puede darte empujones («Empujones: 2»): cada pulsación de un botón &lt;b&gt;Retén/Empuja&lt;/b&gt; baja su rodillo un símbolo y puntúa la nueva línea de premio. &lt;b&gt;¡Tira!&lt;/b&gt; espera hasta que se gasten los empujones. O puede preguntar «¿Retienes?»: pulsa los botones Retén/Empuja de los rodillos que quieras dejar quietos en la próxima tirada, y vuelve a pulsar para cancelar. &lt;b&gt;Pista fija&lt;/b&gt; se pone roja cuando la próxima jugada vaya a sumar sus puntos al total de esta.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Trampa&lt;/b&gt; hace que cada jugada posterior dé empujones, más con cada pulsación. La lista de abajo a la derecha registra cada puntuación. Si nadie juega, la máquina hace parpadear sus luces y muestra sus mensajes.&lt;/p&gt;&lt;h3&gt;Teclas&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;About&lt;/h2&gt;&lt;p&gt;Glint Galore, %1, by KQProductions.&lt;/p&gt;&lt;p&gt;%2. %3&lt;/p&gt;&lt;p&gt;The pictures and sounds are made for the game by its own generator and come under the same licence. The symbols show glyphs of Noto Color Emoji (Google, SIL Open Font License 1.1); the lettering is drawn with DejaVu Sans Bold (Bitstream Vera and DejaVu licence) and Liberation Sans and Serif Bold (GPL version 2 with the font exception); the spoken &quot;okey dokey&quot; is by espeak-ng.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Acerca de&lt;/h2&gt;&lt;p&gt;Glint Galore, %1, de KQProductions.&lt;/p&gt;&lt;p&gt;%2. %3&lt;/p&gt;&lt;p&gt;Las imágenes y los sonidos los crea para el juego su propio generador y están bajo la misma licencia. Los símbolos muestran glifos de Noto Color Emoji (Google, SIL Open Font License 1.1); las letras están dibujadas con DejaVu Sans Bold (licencia de Bitstream Vera y DejaVu) y Liberation Sans y Serif Bold (GPL versión 2 con la excepción para fuentes); el «okey dokey» hablado es de espeak-ng.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>How to play %1</source>
        <translation>Cómo jugar a %1</translation>
    </message>
</context>
<context>
    <name>holdReadout</name>
    <message>
        <source>True</source>
        <translation>Verdadero</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
</context>
<context>
    <name>lblVersion</name>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.0.6.</extracomment>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>messageBox</name>
    <message>
        <source>Your Skint.. go home!</source>
        <extracomment>The purse is empty.</extracomment>
        <translation>Sin blanca.. ¡a casa!</translation>
    </message>
    <message>
        <source>Give me more Money</source>
        <extracomment>Five coins were added to the purse.</extracomment>
        <translation>Dame más pasta</translation>
    </message>
</context>
<context>
    <name>myDebug</name>
    <message>
        <source>TOTALPOINTS: %1</source>
        <extracomment>%1 is the trail points of the play.</extracomment>
        <translation>PUNTOS TOTALES: %1</translation>
    </message>
    <message>
        <source>THVale: %1</source>
        <extracomment>%1 is the trail points held over from the last play.</extracomment>
        <translation>RETENIDOS: %1</translation>
    </message>
</context>
<context>
    <name>speech</name>
    <message>
        <source>sound on</source>
        <translation>con sonido</translation>
    </message>
    <message>
        <source>sound off</source>
        <translation>sin sonido</translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>A play whose win line scored nothing.</extracomment>
        <translation>nada</translation>
    </message>
    <message>
        <source>trail %1</source>
        <extracomment>%1 is the rung the trail reached: a number, or the Bonus rung&apos;s caption.</extracomment>
        <translation>pista %1</translation>
    </message>
    <message>
        <source>trail held</source>
        <extracomment>The next play adds its points to this play&apos;s.</extracomment>
        <translation>pista fija</translation>
    </message>
    <message>
        <source>no nudges left</source>
        <translation>no quedan empujones</translation>
    </message>
    <message>
        <source>%1 nudge left</source>
        <extracomment>Start waits for the nudges; %1 is 1.</extracomment>
        <translation>queda %1 empujón</translation>
    </message>
    <message>
        <source>%1 nudges left</source>
        <extracomment>Start waits for the nudges; %1 is 2 and up.</extracomment>
        <translation>quedan %1 empujones</translation>
    </message>
    <message>
        <source>stopped on %1</source>
        <extracomment>%1 is the bonus feature the selector stopped on.</extracomment>
        <translation>parado en %1</translation>
    </message>
    <message>
        <source>bonus stopped</source>
        <translation>bonus parado</translation>
    </message>
    <message>
        <source>%1 points</source>
        <extracomment>The points box; %1 is its number.</extracomment>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>no rung</source>
        <translation>ningún peldaño</translation>
    </message>
    <message>
        <source>rung %1</source>
        <extracomment>%1 is the number of the ladder&apos;s current rung.</extracomment>
        <translation>peldaño %1</translation>
    </message>
    <message>
        <source>%1 rung</source>
        <extracomment>%1 is the caption of the ladder&apos;s current rung, such as Bonus.</extracomment>
        <translation>peldaño %1</translation>
    </message>
    <message>
        <source>current rung</source>
        <translation>peldaño actual</translation>
    </message>
    <message>
        <source>pound sign</source>
        <translation>signo de libra</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>###########INITIALISING###########</source>
        <extracomment>The status line before the first message; keep the # framing.</extracomment>
        <translation>##########ARRANCANDO##########</translation>
    </message>
    <message>
        <source>Plays: %1</source>
        <extracomment>%1 is the credit in the player&apos;s currency format.</extracomment>
        <translation>Jugadas: %1</translation>
    </message>
    <message>
        <source>%1 nudges</source>
        <extracomment>%1 is how many nudges are left, 0 and up.</extracomment>
        <translation>Empujones: %1</translation>
    </message>
    <message>
        <source>Hold Any?</source>
        <translation>¿Retienes?</translation>
    </message>
    <message>
        <source>Holding Left</source>
        <translation>Izquierdo retenido</translation>
    </message>
    <message>
        <source>Holding Middle</source>
        <translation>Central retenido</translation>
    </message>
    <message>
        <source>Holding Right</source>
        <translation>Derecho retenido</translation>
    </message>
    <message>
        <source>Cancel Left</source>
        <translation>Izquierdo libre</translation>
    </message>
    <message>
        <source>Cancel Middle</source>
        <translation>Central libre</translation>
    </message>
    <message>
        <source>Cancel Right</source>
        <translation>Derecho libre</translation>
    </message>
    <message>
        <source>Cheater! - %1</source>
        <extracomment>%1 is the cheat count, 5 and up.</extracomment>
        <translation>¡Tramposo! - %1</translation>
    </message>
    <message>
        <source>$$-3 IN A ROW-$$</source>
        <translation>$$-3 EN LÍNEA-$$</translation>
    </message>
    <message>
        <source>!!!BONUS!!!</source>
        <translation>¡¡¡BONUS!!!</translation>
    </message>
    <message>
        <source>$$-ROOT SOME GLINT-$$</source>
        <translation>$$-ARRAMBLA CON TODO-$$</translation>
    </message>
    <message>
        <source>Respin</source>
        <translation>Otra tirada</translation>
    </message>
    <message>
        <source>Boost</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>Selector</source>
        <translation>Selector</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Number Run</source>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>HI/LO Climb</source>
        <translation>Subida ALTO/BAJO</translation>
    </message>
    <message>
        <source>Please Insert Some Money To Play</source>
        <translation>¡Mete dinero y a jugar!</translation>
    </message>
    <message>
        <source>KQProductions Present...</source>
        <translation>KQProductions presenta...</translation>
    </message>
    <message>
        <source>$$-Glint Galore-$$</source>
        <translation>$$-Glint Galore-$$</translation>
    </message>
    <message>
        <source>© 2026 KQProductions</source>
        <translation>© 2026 KQProductions</translation>
    </message>
</context>
<context>
    <name>symbol</name>
    <message>
        <source>symbol %1</source>
        <extracomment>%1 is the symbol&apos;s number, for a picture whose file gives no name.</extracomment>
        <translation>símbolo %1</translation>
    </message>
    <message>
        <source>cherry</source>
        <translation>cereza</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>limón</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>melon</source>
        <translation>melón</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>uvas</translation>
    </message>
    <message>
        <source>pear</source>
        <translation>pera</translation>
    </message>
    <message>
        <source>banana</source>
        <translation>plátano</translation>
    </message>
    <message>
        <source>strawberry</source>
        <translation>fresa</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>campana</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>clover</source>
        <translation>trébol</translation>
    </message>
    <message>
        <source>star</source>
        <translation>estrella</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siete</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>diamante</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>oro</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>corona</translation>
    </message>
</context>
<context>
    <name>trailHeldLight</name>
    <message>
        <source>Trail Held</source>
        <translation>Pista fija</translation>
    </message>
</context>
</TS>
