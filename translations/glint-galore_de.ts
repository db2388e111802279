<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Form1</name>
    <message>
        <source>Keys: Space or Enter start, 1, 2 and 3 hold or nudge the left, middle and right reel, C inserts a coin, M turns the sound off or on.</source>
        <translation>Tasten: Leertaste oder Enter startet, 1, 2 und 3 halten oder stupsen die linke, mittlere und rechte Walze, C wirft eine Münze ein, M schaltet den Ton aus oder an.</translation>
    </message>
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
        <translation>Alle Rechte vorbehalten. Dieses Programm ist urheberrechtlich geschützt; Kopieren oder Weitergeben ohne Erlaubnis ist nicht gestattet.</translation>
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
    <name>trailHeldLight</name>
    <message>
        <source>Trail Held</source>
        <translation>Leiter fest</translation>
    </message>
</context>
</TS>
