<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Form1</name>
    <message>
        <source>Keys: Space or Enter start, 1, 2 and 3 hold or nudge the left, middle and right reel, C inserts a coin, M turns the sound off or on.</source>
        <translation>Toetsen: Spatie of Enter start, 1, 2 en 3 houden of duwen de linker, middelste en rechter rol, C werpt een munt in, M zet het geluid uit of aan.</translation>
    </message>
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
        <source>All rights reserved. This program is protected by copyright law; copying or distributing it without permission is not allowed.</source>
        <translation>Alle rechten voorbehouden. Dit programma is auteursrechtelijk beschermd; kopiëren of verspreiden zonder toestemming is niet toegestaan.</translation>
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
    <name>trailHeldLight</name>
    <message>
        <source>Trail Held</source>
        <translation>Spoor vast</translation>
    </message>
</context>
</TS>
