<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Form1</name>
    <message>
        <source>%1 [muted]</source>
        <translation>%1 [stil]</translation>
    </message>
    <message>
        <source>Pay Tube!</source>
        <translation>Uitbetaling!</translation>
    </message>
    <message>
        <source>Total Cash</source>
        <translation>Totale kas</translation>
    </message>
    <message>
        <source>Reel Layout</source>
        <translation>Rollen</translation>
    </message>
    <message>
        <source>Prize money</source>
        <translation>Prijzengeld</translation>
    </message>
    <message>
        <source>Total cash</source>
        <translation>Totale kas</translation>
    </message>
    <message>
        <source>Hold/Nudge</source>
        <translation>Vast/Duw</translation>
    </message>
    <message>
        <source>Hold/Nudge left reel</source>
        <translation>Vast/Duw linker rol</translation>
    </message>
    <message>
        <source>Hold or nudge the left reel (1)</source>
        <translation>Linker rol vasthouden of duwen (1)</translation>
    </message>
    <message>
        <source>Hold/Nudge middle reel</source>
        <translation>Vast/Duw middelste rol</translation>
    </message>
    <message>
        <source>Hold or nudge the middle reel (2)</source>
        <translation>Middelste rol vasthouden of duwen (2)</translation>
    </message>
    <message>
        <source>Hold/Nudge right reel</source>
        <translation>Vast/Duw rechter rol</translation>
    </message>
    <message>
        <source>Hold or nudge the right reel (3)</source>
        <translation>Rechter rol vasthouden of duwen (3)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Draai!</translation>
    </message>
    <message>
        <source>Start (Space or Enter)</source>
        <translation>Draai! (Spatie of Enter)</translation>
    </message>
    <message>
        <source>cheat</source>
        <translation>Vals!</translation>
    </message>
    <message>
        <source>Cheat: win nudges on every play</source>
        <translation>Vals spelen: duwtjes bij elk spel</translation>
    </message>
    <message>
        <source>cash</source>
        <translation>Munt</translation>
    </message>
    <message>
        <source>cash, insert a coin</source>
        <translation>Munt, werp een munt in</translation>
    </message>
    <message>
        <source>Insert a coin (C)</source>
        <translation>Werp een munt in (C)</translation>
    </message>
    <message>
        <source>more money</source>
        <translation>Meer geld</translation>
    </message>
    <message>
        <source>Put five more coins in the purse</source>
        <translation>Vijf munten extra in de portemonnee</translation>
    </message>
    <message>
        <source>Setup Images</source>
        <translation>Plaatjes instellen</translation>
    </message>
    <message>
        <source>Set Up Reels</source>
        <translation>Rollen instellen</translation>
    </message>
    <message>
        <source>Scoring trace</source>
        <translation>Puntenlog</translation>
    </message>
    <message>
        <source>Keys: Space or Enter start, 1, 2 and 3 hold or nudge the left, middle and right reel, C inserts a coin, M turns the sound off or on, F1 explains how to play, Ctrl+Q quits.</source>
        <translation>Toetsen: Spatie of Enter draait, 1, 2 en 3 houden de linker, middelste en rechter rol vast of duwen hem, C werpt een munt in, M zet het geluid uit of aan, F1 legt het spel uit, Ctrl+Q sluit af.</translation>
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
        <translation>Vrije software onder de GNU General Public License, versie 3 of later: je mag het volgens haar voorwaarden delen en wijzigen. Zonder enige garantie.</translation>
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
        <translation>1 punt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 punten</translation>
    </message>
    <message>
        <source>&lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; presses the focused button; Start has the focus when the game opens.</source>
        <translation>&lt;b&gt;Spatie&lt;/b&gt; of &lt;b&gt;Enter&lt;/b&gt; drukt op de knop met de focus; als het spel opent, heeft Draai! de focus.</translation>
    </message>
    <message>
        <source>&lt;b&gt;1&lt;/b&gt;, &lt;b&gt;2&lt;/b&gt; and &lt;b&gt;3&lt;/b&gt; press the left, middle and right Hold/Nudge button.</source>
        <translation>&lt;b&gt;1&lt;/b&gt;, &lt;b&gt;2&lt;/b&gt; en &lt;b&gt;3&lt;/b&gt; drukken op de linker, middelste en rechter Vast/Duw-knop.</translation>
    </message>
    <message>
        <source>&lt;b&gt;C&lt;/b&gt; puts in a coin, as cash does.</source>
        <translation>&lt;b&gt;C&lt;/b&gt; werpt een munt in, net als de knop Munt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;M&lt;/b&gt; turns all sound off or on; the window&apos;s title shows [muted] while it is off.</source>
        <translation>&lt;b&gt;M&lt;/b&gt; zet al het geluid uit of aan; zolang het uit staat, toont de venstertitel [stil].</translation>
    </message>
    <message>
        <source>&lt;b&gt;F1&lt;/b&gt; opens this help; &lt;b&gt;Esc&lt;/b&gt; or &lt;b&gt;F1&lt;/b&gt; closes it.</source>
        <translation>&lt;b&gt;F1&lt;/b&gt; opent deze hulp; &lt;b&gt;Esc&lt;/b&gt; of &lt;b&gt;F1&lt;/b&gt; sluit hem.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Q&lt;/b&gt; quits the game.</source>
        <translation>&lt;b&gt;Ctrl+Q&lt;/b&gt; sluit het spel af.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;How to play&lt;/h2&gt;&lt;p&gt;Glint Galore is a fruit machine with three reels. You play it with pretend coins: nothing is ever paid out, and nothing can be won or bought.&lt;/p&gt;&lt;p&gt;Press &lt;b&gt;cash&lt;/b&gt;, the red slot at the top right, to put a coin from your purse into the machine. The message line at the top then shows your credit as money, for example &quot;Plays: 3.00&quot;. Each press of &lt;b&gt;Start&lt;/b&gt; costs 0.25 of it and spins the reels, which stop left, middle, right. Your purse holds ten coins and keeps the last one; &lt;b&gt;more money&lt;/b&gt; adds five (it lies under the list at the bottom right: reach it with Tab).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Total Cash&lt;/b&gt; is the machine&apos;s cash pot. Every coin adds to it, but the box shows the new amount only when the next play starts. &lt;b&gt;Pay Tube!&lt;/b&gt; shows seven tenths of the pot; it is only a display.&lt;/p&gt;&lt;h3&gt;Symbols that score&lt;/h3&gt;&lt;p&gt;Only these symbols score, when they stop on the middle row, the win line. The other symbols score nothing.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Zo speel je&lt;/h2&gt;&lt;p&gt;Glint Galore is een fruitautomaat met drie rollen. Je speelt met nepmunten: er wordt nooit iets uitbetaald, en er valt niets te winnen of te kopen.&lt;/p&gt;&lt;p&gt;Druk op &lt;b&gt;Munt&lt;/b&gt;, de rode gleuf rechtsboven, om een munt uit je portemonnee in de automaat te gooien. De berichtregel bovenaan toont dan je tegoed als geldbedrag, bijvoorbeeld &quot;Spellen: 3,00&quot;. Elke druk op &lt;b&gt;Draai!&lt;/b&gt; kost daarvan 0,25 en laat de rollen draaien, die links, in het midden en rechts stoppen. Je portemonnee bevat tien munten en houdt altijd de laatste; &lt;b&gt;Meer geld&lt;/b&gt; doet er vijf bij (de knop zit onder de lijst rechtsonder: bereik hem met Tab).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Totale kas&lt;/b&gt; is de kas van de automaat. Elke munt komt erbij, maar het vak toont het nieuwe bedrag pas als het volgende spel begint. &lt;b&gt;Uitbetaling!&lt;/b&gt; toont zeven tienden van de kas; het is alleen een weergave.&lt;/p&gt;&lt;h3&gt;Symbolen die punten geven&lt;/h3&gt;&lt;p&gt;Alleen deze symbolen geven punten, als ze op de middelste rij stoppen, de winlijn. De andere symbolen geven niets.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The trail and the bonus&lt;/h3&gt;&lt;p&gt;The points on the win line move the marker up the trail ladder beside the reels, rungs 1 to 8, and light its lamps. A total of exactly 4 reaches &lt;b&gt;Bonus&lt;/b&gt;: feature names run along the message line until you press Start, which stops them on one. The feature is only shown; it changes nothing in the game. Three scoring symbols on the win line, alike or not, give three in a row and light the whole ladder. A total beyond 8 reaches the top of the trail, which lights the ladder and starts the trail again.&lt;/p&gt;&lt;h3&gt;Nudges and holds&lt;/h3&gt;&lt;p&gt;After a play the machine may give you nudges (&quot;2 nudges&quot;): each press of a &lt;b&gt;Hold/Nudge&lt;/b&gt; button moves its reel down one symbol and scores the new win line. Start waits until the nudges are used. Or it may ask &quot;Hold Any?&quot;: press the Hold/Nudge buttons of the reels you want to keep still in the next spin, and press again to cancel. &lt;b&gt;Trail Held&lt;/b&gt; turns red when the next play will add its points to this play&apos;s total.&lt;/p&gt;&lt;p&gt;&lt;b&gt;cheat&lt;/b&gt; makes every later play give nudges, more with every press. The list at the bottom right traces every scoring. Left alone, the machine blinks its lamps and shows its messages.&lt;/p&gt;&lt;h3&gt;Keys&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Het spoor en de bonus&lt;/h3&gt;&lt;p&gt;De punten op de winlijn schuiven de markering omhoog langs de ladder van het spoor naast de rollen, trede 1 tot 8, en laten de lampjes branden. Een totaal van precies 4 bereikt &lt;b&gt;Bonus&lt;/b&gt;: namen van extra’s lopen over de berichtregel tot je op &lt;b&gt;Draai!&lt;/b&gt; drukt, dat ze op één ervan stopt. Het extra wordt alleen getoond; het verandert niets aan het spel. Drie symbolen die punten geven op de winlijn, gelijk of niet, maken 3 op een rij en laten de hele ladder branden. Een totaal boven 8 bereikt de top van het spoor, dat de ladder laat branden en opnieuw begint.&lt;/p&gt;&lt;h3&gt;Duwtjes en vasthouden&lt;/h3&gt;&lt;p&gt;Na een spel geeft de automaat je misschien duwtjes (&quot;Duwtjes: 2&quot;): elke druk op een &lt;b&gt;Vast/Duw&lt;/b&gt;-knop schuift zijn rol één symbool omlaag en telt de nieuwe winlijn. &lt;b&gt;Draai!&lt;/b&gt; wacht tot de duwtjes op zijn. Of hij vraagt &quot;Iets vasthouden?&quot;: druk op de Vast/Duw-knoppen van de rollen die bij de volgende draai stil moeten blijven, en druk nog eens om dat te annuleren. &lt;b&gt;Spoor vast&lt;/b&gt; wordt rood als het volgende spel zijn punten bij het totaal van dit spel telt.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Vals!&lt;/b&gt; laat elk volgend spel duwtjes geven, meer bij elke druk. De lijst rechtsonder houdt elke puntentelling bij. Speelt niemand, dan knippert de automaat met zijn lampjes en toont hij zijn berichten.&lt;/p&gt;&lt;h3&gt;Toetsen&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;About&lt;/h2&gt;&lt;p&gt;Glint Galore, %1, by KQProductions.&lt;/p&gt;&lt;p&gt;%2. %3&lt;/p&gt;&lt;p&gt;The pictures and sounds are made for the game by its own generator and come under the same licence. The symbols show glyphs of Noto Color Emoji (Google, SIL Open Font License 1.1); the lettering is drawn with DejaVu Sans Bold (Bitstream Vera and DejaVu licence) and Liberation Sans and Serif Bold (GPL version 2 with the font exception); the spoken &quot;okey dokey&quot; is by espeak-ng.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Over het spel&lt;/h2&gt;&lt;p&gt;Glint Galore, %1, door KQProductions.&lt;/p&gt;&lt;p&gt;%2. %3&lt;/p&gt;&lt;p&gt;De plaatjes en geluiden zijn voor het spel gemaakt door zijn eigen generator en vallen onder dezelfde licentie. De symbolen tonen tekens uit Noto Color Emoji (Google, SIL Open Font License 1.1); de letters zijn getekend met DejaVu Sans Bold (licentie van Bitstream Vera en DejaVu) en Liberation Sans en Serif Bold (GPL versie 2 met de uitzondering voor lettertypen); het gesproken &quot;okey dokey&quot; komt van espeak-ng.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>How to play %1</source>
        <translation>Zo speel je %1</translation>
    </message>
</context>
<context>
    <name>holdReadout</name>
    <message>
        <source>True</source>
        <translation>Waar</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Onwaar</translation>
    </message>
</context>
<context>
    <name>lblVersion</name>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.0.6.</extracomment>
        <translation>Versie %1</translation>
    </message>
</context>
<context>
    <name>messageBox</name>
    <message>
        <source>Your Skint.. go home!</source>
        <extracomment>The purse is empty.</extracomment>
        <translation>Blut.. ga naar huis!</translation>
    </message>
    <message>
        <source>Give me more Money</source>
        <extracomment>Five coins were added to the purse.</extracomment>
        <translation>Geef me meer geld</translation>
    </message>
</context>
<context>
    <name>myDebug</name>
    <message>
        <source>TOTALPOINTS: %1</source>
        <extracomment>%1 is the trail points of the play.</extracomment>
        <translation>TOTAALPUNTEN: %1</translation>
    </message>
    <message>
        <source>THVale: %1</source>
        <extracomment>%1 is the trail points held over from the last play.</extracomment>
        <translation>VASTGEHOUDEN: %1</translation>
    </message>
</context>
<context>
    <name>speech</name>
    <message>
        <source>sound on</source>
        <translation>geluid aan</translation>
    </message>
    <message>
        <source>sound off</source>
        <translation>geluid uit</translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>A play whose win line scored nothing.</extracomment>
        <translation>niets</translation>
    </message>
    <message>
        <source>trail %1</source>
        <extracomment>%1 is the rung the trail reached: a number, or the Bonus rung&apos;s caption.</extracomment>
        <translation>spoor %1</translation>
    </message>
    <message>
        <source>trail held</source>
        <extracomment>The next play adds its points to this play&apos;s.</extracomment>
        <translation>spoor vast</translation>
    </message>
    <message>
        <source>no nudges left</source>
        <translation>geen duwtjes meer</translation>
    </message>
    <message>
        <source>%1 nudge left</source>
        <extracomment>Start waits for the nudges; %1 is 1.</extracomment>
        <translation>nog %1 duwtje</translation>
    </message>
    <message>
        <source>%1 nudges left</source>
        <extracomment>Start waits for the nudges; %1 is 2 and up.</extracomment>
        <translation>nog %1 duwtjes</translation>
    </message>
    <message>
        <source>stopped on %1</source>
        <extracomment>%1 is the bonus feature the selector stopped on.</extracomment>
        <translation>gestopt op %1</translation>
    </message>
    <message>
        <source>bonus stopped</source>
        <translation>bonus gestopt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <extracomment>The points box; %1 is its number.</extracomment>
        <translation>%1 punten</translation>
    </message>
    <message>
        <source>no rung</source>
        <translation>geen trede</translation>
    </message>
    <message>
        <source>rung %1</source>
        <extracomment>%1 is the number of the ladder&apos;s current rung.</extracomment>
        <translation>trede %1</translation>
    </message>
    <message>
        <source>%1 rung</source>
        <extracomment>%1 is the caption of the ladder&apos;s current rung, such as Bonus.</extracomment>
        <translation>%1-trede</translation>
    </message>
    <message>
        <source>current rung</source>
        <translation>huidige trede</translation>
    </message>
    <message>
        <source>pound sign</source>
        <translation>pondteken</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>###########INITIALISING###########</source>
        <extracomment>The status line before the first message; keep the # framing.</extracomment>
        <translation>###########OPSTARTEN###########</translation>
    </message>
    <message>
        <source>Plays: %1</source>
        <extracomment>%1 is the credit in the player&apos;s currency format.</extracomment>
        <translation>Spellen: %1</translation>
    </message>
    <message>
        <source>%1 nudges</source>
        <extracomment>%1 is how many nudges are left, 0 and up.</extracomment>
        <translation>Duwtjes: %1</translation>
    </message>
    <message>
        <source>Hold Any?</source>
        <translation>Iets vasthouden?</translation>
    </message>
    <message>
        <source>Holding Left</source>
        <translation>Links vast</translation>
    </message>
    <message>
        <source>Holding Middle</source>
        <translation>Midden vast</translation>
    </message>
    <message>
        <source>Holding Right</source>
        <translation>Rechts vast</translation>
    </message>
    <message>
        <source>Cancel Left</source>
        <translation>Links los</translation>
    </message>
    <message>
        <source>Cancel Middle</source>
        <translation>Midden los</translation>
    </message>
    <message>
        <source>Cancel Right</source>
        <translation>Rechts los</translation>
    </message>
    <message>
        <source>Cheater! - %1</source>
        <extracomment>%1 is the cheat count, 5 and up.</extracomment>
        <translation>Valsspeler! - %1</translation>
    </message>
    <message>
        <source>$$-3 IN A ROW-$$</source>
        <translation>$$-3 OP EEN RIJ-$$</translation>
    </message>
    <message>
        <source>!!!BONUS!!!</source>
        <translation>!!!BONUS!!!</translation>
    </message>
    <message>
        <source>$$-ROOT SOME GLINT-$$</source>
        <translation>$$-GRAAI DE GLINSTER-$$</translation>
    </message>
    <message>
        <source>Respin</source>
        <translation>Herdraai</translation>
    </message>
    <message>
        <source>Boost</source>
        <translation>Boost</translation>
    </message>
    <message>
        <source>Selector</source>
        <translation>Kiezer</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Willekeur</translation>
    </message>
    <message>
        <source>Number Run</source>
        <translation>Getallenreeks</translation>
    </message>
    <message>
        <source>HI/LO Climb</source>
        <translation>HOOG/LAAG-klim</translation>
    </message>
    <message>
        <source>Please Insert Some Money To Play</source>
        <translation>Gooi er geld in en speel!</translation>
    </message>
    <message>
        <source>KQProductions Present...</source>
        <translation>KQProductions presenteert...</translation>
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
        <translation>symbool %1</translation>
    </message>
    <message>
        <source>cherry</source>
        <translation>kers</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>citroen</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>sinaasappel</translation>
    </message>
    <message>
        <source>melon</source>
        <translation>meloen</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>druiven</translation>
    </message>
    <message>
        <source>pear</source>
        <translation>peer</translation>
    </message>
    <message>
        <source>banana</source>
        <translation>banaan</translation>
    </message>
    <message>
        <source>strawberry</source>
        <translation>aardbei</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>bel</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>clover</source>
        <translation>klaver</translation>
    </message>
    <message>
        <source>star</source>
        <translation>ster</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>zeven</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>diamant</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>goud</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>kroon</translation>
    </message>
</context>
<context>
    <name>trailHeldLight</name>
    <message>
        <source>Trail Held</source>
        <translation>Spoor vast</translation>
    </message>
</context>
</TS>
