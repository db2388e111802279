<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Form1</name>
    <message>
        <source>%1 [muted]</source>
        <translation>%1 [stumm]</translation>
    </message>
    <message>
        <source>Pay Tube!</source>
        <translation>Auszahlung!</translation>
    </message>
    <message>
        <source>Total Cash</source>
        <translation>Gesamtkasse</translation>
    </message>
    <message>
        <source>Reel Layout</source>
        <translation>Walzenplan</translation>
    </message>
    <message>
        <source>Prize money</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Total cash</source>
        <translation>Gesamtkasse</translation>
    </message>
    <message>
        <source>Hold/Nudge</source>
        <translation>Halt/Stups</translation>
    </message>
    <message>
        <source>Hold/Nudge left reel</source>
        <translation>Halt/Stups linke Walze</translation>
    </message>
    <message>
        <source>Hold or nudge the left reel (1)</source>
        <translation>Linke Walze halten oder stupsen (1)</translation>
    </message>
    <message>
        <source>Hold/Nudge middle reel</source>
        <translation>Halt/Stups mittlere Walze</translation>
    </message>
    <message>
        <source>Hold or nudge the middle reel (2)</source>
        <translation>Mittlere Walze halten oder stupsen (2)</translation>
    </message>
    <message>
        <source>Hold/Nudge right reel</source>
        <translation>Halt/Stups rechte Walze</translation>
    </message>
    <message>
        <source>Hold or nudge the right reel (3)</source>
        <translation>Rechte Walze halten oder stupsen (3)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Los!</translation>
    </message>
    <message>
        <source>Start (Space or Enter)</source>
        <translation>Los! (Leertaste oder Enter)</translation>
    </message>
    <message>
        <source>cheat</source>
        <translation>Mogeln</translation>
    </message>
    <message>
        <source>Cheat: win nudges on every play</source>
        <translation>Mogeln: Stupser bei jedem Spiel</translation>
    </message>
    <message>
        <source>cash</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>cash, insert a coin</source>
        <translation>Geld, Münze einwerfen</translation>
    </message>
    <message>
        <source>Insert a coin (C)</source>
        <translation>Münze einwerfen (C)</translation>
    </message>
    <message>
        <source>more money</source>
        <translation>Kohle!</translation>
    </message>
    <message>
        <source>Put five more coins in the purse</source>
        <translation>Fünf Münzen mehr in den Geldbeutel</translation>
    </message>
    <message>
        <source>Setup Images</source>
        <translation>Bilder einrichten</translation>
    </message>
    <message>
        <source>Set Up Reels</source>
        <translation>Walzen einrichten</translation>
    </message>
    <message>
        <source>Scoring trace</source>
        <translation>Punkteprotokoll</translation>
    </message>
    <message>
        <source>Keys: Space or Enter start, 1, 2 and 3 hold or nudge the left, middle and right reel, C inserts a coin, M turns the sound off or on, F1 explains how to play, Ctrl+Q quits.</source>
        <translation>Tasten: Leertaste oder Enter startet, 1, 2 und 3 halten oder stupsen die linke, mittlere und rechte Walze, C wirft eine Münze ein, M schaltet den Ton aus oder an, F1 erklärt das Spiel, Strg+Q beendet.</translation>
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
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später: Du darfst sie nach deren Bedingungen weitergeben und ändern. Ohne jede Gewährleistung.</translation>
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
        <translation>1 Punkt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>&lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; presses the focused button; Start has the focus when the game opens.</source>
        <translation>&lt;b&gt;Leertaste&lt;/b&gt; oder &lt;b&gt;Enter&lt;/b&gt; drückt den Knopf mit dem Fokus; wenn das Spiel startet, hat Los! den Fokus.</translation>
    </message>
    <message>
        <source>&lt;b&gt;1&lt;/b&gt;, &lt;b&gt;2&lt;/b&gt; and &lt;b&gt;3&lt;/b&gt; press the left, middle and right Hold/Nudge button.</source>
        <translation>&lt;b&gt;1&lt;/b&gt;, &lt;b&gt;2&lt;/b&gt; und &lt;b&gt;3&lt;/b&gt; drücken den linken, mittleren und rechten Halt/Stups-Knopf.</translation>
    </message>
    <message>
        <source>&lt;b&gt;C&lt;/b&gt; puts in a coin, as cash does.</source>
        <translation>&lt;b&gt;C&lt;/b&gt; wirft eine Münze ein, wie der Knopf Geld.</translation>
    </message>
    <message>
        <source>&lt;b&gt;M&lt;/b&gt; turns all sound off or on; the window&apos;s title shows [muted] while it is off.</source>
        <translation>&lt;b&gt;M&lt;/b&gt; schaltet den ganzen Ton aus oder an; solange er aus ist, zeigt der Fenstertitel [stumm].</translation>
    </message>
    <message>
        <source>&lt;b&gt;F1&lt;/b&gt; opens this help; &lt;b&gt;Esc&lt;/b&gt; or &lt;b&gt;F1&lt;/b&gt; closes it.</source>
        <translation>&lt;b&gt;F1&lt;/b&gt; öffnet diese Hilfe; &lt;b&gt;Esc&lt;/b&gt; oder &lt;b&gt;F1&lt;/b&gt; schließt sie.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Q&lt;/b&gt; quits the game.</source>
        <translation>&lt;b&gt;Strg+Q&lt;/b&gt; beendet das Spiel.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;How to play&lt;/h2&gt;&lt;p&gt;Glint Galore is a fruit machine with three reels. You play it with pretend coins: nothing is ever paid out, and nothing can be won or bought.&lt;/p&gt;&lt;p&gt;Press &lt;b&gt;cash&lt;/b&gt;, the red slot at the top right, to put a coin from your purse into the machine. The message line at the top then shows your credit as money, for example &quot;Plays: 3.00&quot;. Each press of &lt;b&gt;Start&lt;/b&gt; costs 0.25 of it and spins the reels, which stop left, middle, right. Your purse holds ten coins and keeps the last one; &lt;b&gt;more money&lt;/b&gt; adds five (it lies under the list at the bottom right: reach it with Tab).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Total Cash&lt;/b&gt; is the machine&apos;s cash pot. Every coin adds to it, but the box shows the new amount only when the next play starts. &lt;b&gt;Pay Tube!&lt;/b&gt; shows seven tenths of the pot; it is only a display.&lt;/p&gt;&lt;h3&gt;Symbols that score&lt;/h3&gt;&lt;p&gt;Only these symbols score, when they stop on the middle row, the win line. The other symbols score nothing.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;So wird gespielt&lt;/h2&gt;&lt;p&gt;Glint Galore ist ein Früchteautomat mit drei Walzen. Du spielst mit Spielgeld: Es wird nie etwas ausgezahlt, und nichts lässt sich gewinnen oder kaufen.&lt;/p&gt;&lt;p&gt;Drück &lt;b&gt;Geld&lt;/b&gt;, den roten Schlitz oben rechts, um eine Münze aus deinem Geldbeutel in den Automaten zu werfen. Die Meldezeile oben zeigt dann dein Guthaben als Geldbetrag, zum Beispiel „Spiele: 3,00“. Jeder Druck auf &lt;b&gt;Los!&lt;/b&gt; kostet davon 0,25 und dreht die Walzen, die links, in der Mitte und rechts anhalten. Dein Geldbeutel fasst zehn Münzen und behält die letzte; &lt;b&gt;Kohle!&lt;/b&gt; legt fünf dazu (der Knopf liegt unter der Liste unten rechts: du erreichst ihn mit Tab).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Gesamtkasse&lt;/b&gt; ist die Kasse des Automaten. Jede Münze kommt dazu, aber das Feld zeigt den neuen Betrag erst, wenn das nächste Spiel beginnt. &lt;b&gt;Auszahlung!&lt;/b&gt; zeigt sieben Zehntel der Kasse; es ist nur eine Anzeige.&lt;/p&gt;&lt;h3&gt;Symbole, die zählen&lt;/h3&gt;&lt;p&gt;Nur diese Symbole bringen Punkte, wenn sie in der mittleren Reihe halten, der Gewinnlinie. Die übrigen Symbole bringen nichts.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The trail and the bonus&lt;/h3&gt;&lt;p&gt;The points on the win line move the marker up the trail ladder beside the reels, rungs 1 to 8, and light its lamps. A total of exactly 4 reaches &lt;b&gt;Bonus&lt;/b&gt;: feature names run along the message line until you press Start, which stops them on one. The feature is only shown; it changes nothing in the game. Three scoring symbols on the win line, alike or not, give three in a row and light the whole ladder. A total beyond 8 reaches the top of the trail, which lights the ladder and starts the trail again.&lt;/p&gt;&lt;h3&gt;Nudges and holds&lt;/h3&gt;&lt;p&gt;After a play the machine may give you nudges (&quot;2 nudges&quot;): each press of a &lt;b&gt;Hold/Nudge&lt;/b&gt; button moves its reel down one symbol and scores the new win line. Start waits until the nudges are used. Or it may ask &quot;Hold Any?&quot;: press the Hold/Nudge buttons of the reels you want to keep still in the next spin, and press again to cancel. &lt;b&gt;Trail Held&lt;/b&gt; turns red when the next play will add its points to this play&apos;s total.&lt;/p&gt;&lt;p&gt;&lt;b&gt;cheat&lt;/b&gt; makes every later play give nudges, more with every press. The list at the bottom right traces every scoring. Left alone, the machine blinks its lamps and shows its messages.&lt;/p&gt;&lt;h3&gt;Keys&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Die Leiter und der Bonus&lt;/h3&gt;&lt;p&gt;Die Punkte auf der Gewinnlinie schieben die Markierung auf der Leiter neben den Walzen nach oben, Stufe 1 bis 8, und lassen ihre Lampen leuchten. Genau 4 Punkte erreichen &lt;b&gt;Bonus&lt;/b&gt;: Namen von Extras laufen durch die Meldezeile, bis du &lt;b&gt;Los!&lt;/b&gt; drückst und sie auf einem anhalten. Das Extra wird nur angezeigt; am Spiel ändert es nichts. Drei punktende Symbole auf der Gewinnlinie, gleich oder nicht, ergeben drei in einer Reihe und lassen die ganze Leiter leuchten. Mehr als 8 Punkte erreichen die Spitze der Leiter: Sie leuchtet ganz auf, und die Leiter beginnt von vorn.&lt;/p&gt;&lt;h3&gt;Stupser und Halten&lt;/h3&gt;&lt;p&gt;Nach einem Spiel gibt dir der Automat vielleicht Stupser („2 Stupser“): Jeder Druck auf einen &lt;b&gt;Halt/Stups&lt;/b&gt;-Knopf schiebt seine Walze ein Symbol nach unten und wertet die neue Gewinnlinie. &lt;b&gt;Los!&lt;/b&gt; wartet, bis die Stupser verbraucht sind. Oder er fragt „Was halten?“: Drück die Halt/Stups-Knöpfe der Walzen, die beim nächsten Drehen stillstehen sollen, und drück noch einmal, um es aufzuheben. &lt;b&gt;Leiter fest&lt;/b&gt; wird rot, wenn das nächste Spiel seine Punkte zu denen dieses Spiels zählt.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Mogeln&lt;/b&gt; lässt jedes spätere Spiel Stupser geben, mit jedem Druck mehr. Die Liste unten rechts protokolliert jede Wertung. Spielt niemand, blinkt der Automat mit seinen Lampen und zeigt seine Sprüche.&lt;/p&gt;&lt;h3&gt;Tasten&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;About&lt;/h2&gt;&lt;p&gt;Glint Galore, %1, by KQProductions.&lt;/p&gt;&lt;p&gt;%2. %3&lt;/p&gt;&lt;p&gt;The pictures and sounds are made for the game by its own generator and come under the same licence. The symbols show glyphs of Noto Color Emoji (Google, SIL Open Font License 1.1); the lettering is drawn with DejaVu Sans Bold (Bitstream Vera and DejaVu licence) and Liberation Sans and Serif Bold (GPL version 2 with the font exception); the spoken &quot;okey dokey&quot; is by espeak-ng.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Über das Spiel&lt;/h2&gt;&lt;p&gt;Glint Galore, %1, von KQProductions.&lt;/p&gt;&lt;p&gt;%2. %3&lt;/p&gt;&lt;p&gt;Die Bilder und Klänge macht der eigene Generator des Spiels; sie stehen unter derselben Lizenz. Die Symbole zeigen Zeichen aus Noto Color Emoji (Google, SIL Open Font License 1.1); die Schrift ist mit DejaVu Sans Bold (Lizenz von Bitstream Vera und DejaVu) und Liberation Sans und Serif Bold (GPL Version 2 mit der Ausnahme für Schriften) gezeichnet; das gesprochene „okey dokey“ stammt von espeak-ng.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>How to play %1</source>
        <translation>So spielst du %1</translation>
    </message>
</context>
<context>
    <name>holdReadout</name>
    <message>
        <source>True</source>
        <translation>Wahr</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
</context>
<context>
    <name>lblVersion</name>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.0.6.</extracomment>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>messageBox</name>
    <message>
        <source>Your Skint.. go home!</source>
        <extracomment>The purse is empty.</extracomment>
        <translation>Pleite.. ab nach Hause!</translation>
    </message>
    <message>
        <source>Give me more Money</source>
        <extracomment>Five coins were added to the purse.</extracomment>
        <translation>Gib mir mehr Kohle</translation>
    </message>
</context>
<context>
    <name>myDebug</name>
    <message>
        <source>TOTALPOINTS: %1</source>
        <extracomment>%1 is the trail points of the play.</extracomment>
        <translation>PUNKTE GESAMT: %1</translation>
    </message>
    <message>
        <source>THVale: %1</source>
        <extracomment>%1 is the trail points held over from the last play.</extracomment>
        <translation>GEHALTEN: %1</translation>
    </message>
</context>
<context>
    <name>speech</name>
    <message>
        <source>sound on</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>sound off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>A play whose win line scored nothing.</extracomment>
        <translation>nichts</translation>
    </message>
    <message>
        <source>trail %1</source>
        <extracomment>%1 is the rung the trail reached: a number, or the Bonus rung&apos;s caption.</extracomment>
        <translation>Leiter %1</translation>
    </message>
    <message>
        <source>trail held</source>
        <extracomment>The next play adds its points to this play&apos;s.</extracomment>
        <translation>Leiter fest</translation>
    </message>
    <message>
        <source>no nudges left</source>
        <translation>keine Stupser mehr</translation>
    </message>
    <message>
        <source>%1 nudge left</source>
        <extracomment>Start waits for the nudges; %1 is 1.</extracomment>
        <translation>noch %1 Stupser</translation>
    </message>
    <message>
        <source>%1 nudges left</source>
        <extracomment>Start waits for the nudges; %1 is 2 and up.</extracomment>
        <translation>noch %1 Stupser</translation>
    </message>
    <message>
        <source>stopped on %1</source>
        <extracomment>%1 is the bonus feature the selector stopped on.</extracomment>
        <translation>gestoppt auf %1</translation>
    </message>
    <message>
        <source>bonus stopped</source>
        <translation>Bonus gestoppt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <extracomment>The points box; %1 is its number.</extracomment>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>no rung</source>
        <translation>keine Stufe</translation>
    </message>
    <message>
        <source>rung %1</source>
        <extracomment>%1 is the number of the ladder&apos;s current rung.</extracomment>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <source>%1 rung</source>
        <extracomment>%1 is the caption of the ladder&apos;s current rung, such as Bonus.</extracomment>
        <translation>%1-Stufe</translation>
    </message>
    <message>
        <source>current rung</source>
        <translation>aktuelle Stufe</translation>
    </message>
    <message>
        <source>pound sign</source>
        <translation>Pfundzeichen</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>###########INITIALISING###########</source>
        <extracomment>The status line before the first message; keep the # framing.</extracomment>
        <translation>###########EINSCHALTEN###########</translation>
    </message>
    <message>
        <source>Plays: %1</source>
        <extracomment>%1 is the credit in the player&apos;s currency format.</extracomment>
        <translation>Spiele: %1</translation>
    </message>
    <message>
        <source>%1 nudges</source>
        <extracomment>%1 is how many nudges are left, 0 and up.</extracomment>
        <translation>%1 Stupser</translation>
    </message>
    <message>
        <source>Hold Any?</source>
        <translation>Was halten?</translation>
    </message>
    <message>
        <source>Holding Left</source>
        <translation>Halte links</translation>
    </message>
    <message>
        <source>Holding Middle</source>
        <translation>Halte Mitte</translation>
    </message>
    <message>
        <source>Holding Right</source>
        <translation>Halte rechts</translation>
    </message>
    <message>
        <source>Cancel Left</source>
        <translation>Links los</translation>
    </message>
    <message>
        <source>Cancel Middle</source>
        <translation>Mitte los</translation>
    </message>
    <message>
        <source>Cancel Right</source>
        <translation>Rechts los</translation>
    </message>
    <message>
        <source>Cheater! - %1</source>
        <extracomment>%1 is the cheat count, 5 and up.</extracomment>
        <translation>Mogler! - %1</translation>
    </message>
    <message>
        <source>$$-3 IN A ROW-$$</source>
        <translation>$$-3 IN EINER REIHE-$$</translation>
    </message>
    <message>
        <source>!!!BONUS!!!</source>
        <translation>!!!BONUS!!!</translation>
    </message>
    <message>
        <source>$$-ROOT SOME GLINT-$$</source>
        <translation>$$-RÄUM DEN GLANZ AB-$$</translation>
    </message>
    <message>
        <source>Respin</source>
        <translation>Nachdreh</translation>
    </message>
    <message>
        <source>Boost</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>Selector</source>
        <translation>Wähler</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>Number Run</source>
        <translation>Zahlenlauf</translation>
    </message>
    <message>
        <source>HI/LO Climb</source>
        <translation>HOCH/TIEF-Leiter</translation>
    </message>
    <message>
        <source>Please Insert Some Money To Play</source>
        <translation>Geld rein, dann geht&apos;s los!</translation>
    </message>
    <message>
        <source>KQProductions Present...</source>
        <translation>KQProductions präsentiert...</translation>
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
        <translation>Symbol %1</translation>
    </message>
    <message>
        <source>cherry</source>
        <translation>Kirsche</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>Zitrone</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>melon</source>
        <translation>Melone</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>Trauben</translation>
    </message>
    <message>
        <source>pear</source>
        <translation>Birne</translation>
    </message>
    <message>
        <source>banana</source>
        <translation>Banane</translation>
    </message>
    <message>
        <source>strawberry</source>
        <translation>Erdbeere</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>clover</source>
        <translation>Kleeblatt</translation>
    </message>
    <message>
        <source>star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>Krone</translation>
    </message>
</context>
<context>
    <name>trailHeldLight</name>
    <message>
        <source>Trail Held</source>
        <translation>Leiter fest</translation>
    </message>
</context>
</TS>
