<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Form1</name>
    <message>
        <source>Keys: Space or Enter start, 1, 2 and 3 hold or nudge the left, middle and right reel, C inserts a coin, M turns the sound off or on.</source>
        <translation>Teclas: Espacio o Intro tira, 1, 2 y 3 retienen o empujan el rodillo izquierdo, central y derecho, C mete una moneda, M quita o pone el sonido.</translation>
    </message>
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
        <translation>Todos los derechos reservados. Este programa está protegido por derechos de autor; se prohíbe copiarlo o distribuirlo sin permiso.</translation>
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
    <name>trailHeldLight</name>
    <message>
        <source>Trail Held</source>
        <translation>Pista fija</translation>
    </message>
</context>
</TS>
