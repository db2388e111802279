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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glint::ui::HelpWindow</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; presses the focused button; Start has the focus when the game opens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;1&lt;/b&gt;, &lt;b&gt;2&lt;/b&gt; and &lt;b&gt;3&lt;/b&gt; press the left, middle and right Hold/Nudge button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;C&lt;/b&gt; puts in a coin, as cash does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;M&lt;/b&gt; turns all sound off or on; the window&apos;s title shows [muted] while it is off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;F1&lt;/b&gt; opens this help; &lt;b&gt;Esc&lt;/b&gt; or &lt;b&gt;F1&lt;/b&gt; closes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Q&lt;/b&gt; quits the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;How to play&lt;/h2&gt;&lt;p&gt;Glint Galore is a fruit machine with three reels. You play it with pretend coins: nothing is ever paid out, and nothing can be won or bought.&lt;/p&gt;&lt;p&gt;Press &lt;b&gt;cash&lt;/b&gt;, the red slot at the top right, to put a coin from your purse into the machine. The message line at the top then shows your credit as money, for example &quot;Plays: 3.00&quot;. Each press of &lt;b&gt;Start&lt;/b&gt; costs 0.25 of it and spins the reels, which stop left, middle, right. Your purse holds ten coins and keeps the last one; &lt;b&gt;more money&lt;/b&gt; adds five (it lies under the list at the bottom right: reach it with Tab).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Total Cash&lt;/b&gt; is the machine&apos;s cash pot. Every coin adds to it, but the box shows the new amount only when the next play starts. &lt;b&gt;Pay Tube!&lt;/b&gt; shows seven tenths of the pot; it is only a display.&lt;/p&gt;&lt;h3&gt;Symbols that score&lt;/h3&gt;&lt;p&gt;Only these symbols score, when they stop on the middle row, the win line. The other symbols score nothing.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;The trail and the bonus&lt;/h3&gt;&lt;p&gt;The points on the win line move the marker up the trail ladder beside the reels, rungs 1 to 8, and light its lamps. A total of exactly 4 reaches &lt;b&gt;Bonus&lt;/b&gt;: feature names run along the message line until you press Start, which stops them on one. The feature is only shown; it changes nothing in the game. Three scoring symbols on the win line, alike or not, give three in a row and light the whole ladder. A total beyond 8 reaches the top of the trail, which lights the ladder and starts the trail again.&lt;/p&gt;&lt;h3&gt;Nudges and holds&lt;/h3&gt;&lt;p&gt;After a play the machine may give you nudges (&quot;2 nudges&quot;): each press of a &lt;b&gt;Hold/Nudge&lt;/b&gt; button moves its reel down one symbol and scores the new win line. Start waits until the nudges are used. Or it may ask &quot;Hold Any?&quot;: press the Hold/Nudge buttons of the reels you want to keep still in the next spin, and press again to cancel. &lt;b&gt;Trail Held&lt;/b&gt; turns red when the next play will add its points to this play&apos;s total.&lt;/p&gt;&lt;p&gt;&lt;b&gt;cheat&lt;/b&gt; makes every later play give nudges, more with every press. The list at the bottom right traces every scoring. Left alone, the machine blinks its lamps and shows its messages.&lt;/p&gt;&lt;h3&gt;Keys&lt;/h3&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;About&lt;/h2&gt;&lt;p&gt;Glint Galore, %1, by KQProductions.&lt;/p&gt;&lt;p&gt;%2. %3&lt;/p&gt;&lt;p&gt;The pictures and sounds are made for the game by its own generator and come under the same licence. The symbols show glyphs of Noto Color Emoji (Google, SIL Open Font License 1.1); the lettering is drawn with DejaVu Sans Bold (Bitstream Vera and DejaVu licence) and Liberation Sans and Serif Bold (GPL version 2 with the font exception); the spoken &quot;okey dokey&quot; is by espeak-ng.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to play %1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sound off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>A play whose win line scored nothing.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trail %1</source>
        <extracomment>%1 is the rung the trail reached: a number, or the Bonus rung&apos;s caption.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trail held</source>
        <extracomment>The next play adds its points to this play&apos;s.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no nudges left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 nudge left</source>
        <extracomment>Start waits for the nudges; %1 is 1.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 nudges left</source>
        <extracomment>Start waits for the nudges; %1 is 2 and up.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped on %1</source>
        <extracomment>%1 is the bonus feature the selector stopped on.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bonus stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 points</source>
        <extracomment>The points box; %1 is its number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no rung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rung %1</source>
        <extracomment>%1 is the number of the ladder&apos;s current rung.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rung</source>
        <extracomment>%1 is the caption of the ladder&apos;s current rung, such as Bonus.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current rung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pound sign</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cherry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lemon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>melon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>banana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>strawberry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diamond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>crown</source>
        <translation type="unfinished"></translation>
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
