<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Form1</name>
    <message>
        <source>Keys: Space or Enter start, 1, 2 and 3 hold or nudge the left, middle and right reel, C inserts a coin, M turns the sound off or on.</source>
        <translation>Touches&#xa0;: Espace ou Entrée lance, 1, 2 et 3 bloquent ou poussent le rouleau gauche, central et droit, C insère une pièce, M coupe ou remet le son.</translation>
    </message>
    <message>
        <source>%1 [muted]</source>
        <translation>%1 [muet]</translation>
    </message>
    <message>
        <source>Pay Tube!</source>
        <translation>Cagnotte&#xa0;!</translation>
    </message>
    <message>
        <source>Total Cash</source>
        <translation>Caisse</translation>
    </message>
    <message>
        <source>Reel Layout</source>
        <translation>Rouleaux</translation>
    </message>
    <message>
        <source>Prize money</source>
        <translation>Cagnotte</translation>
    </message>
    <message>
        <source>Total cash</source>
        <translation>Caisse</translation>
    </message>
    <message>
        <source>Hold/Nudge</source>
        <translation>Bloque/Pousse</translation>
    </message>
    <message>
        <source>Hold/Nudge left reel</source>
        <translation>Bloque/Pousse rouleau gauche</translation>
    </message>
    <message>
        <source>Hold or nudge the left reel (1)</source>
        <translation>Bloquer ou pousser le rouleau gauche (1)</translation>
    </message>
    <message>
        <source>Hold/Nudge middle reel</source>
        <translation>Bloque/Pousse rouleau central</translation>
    </message>
    <message>
        <source>Hold or nudge the middle reel (2)</source>
        <translation>Bloquer ou pousser le rouleau central (2)</translation>
    </message>
    <message>
        <source>Hold/Nudge right reel</source>
        <translation>Bloque/Pousse rouleau droit</translation>
    </message>
    <message>
        <source>Hold or nudge the right reel (3)</source>
        <translation>Bloquer ou pousser le rouleau droit (3)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Start (Space or Enter)</source>
        <translation>Jouer (Espace ou Entrée)</translation>
    </message>
    <message>
        <source>cheat</source>
        <translation>Triche</translation>
    </message>
    <message>
        <source>Cheat: win nudges on every play</source>
        <translation>Triche&#xa0;: des poussées à chaque partie</translation>
    </message>
    <message>
        <source>cash</source>
        <translation>Pièce</translation>
    </message>
    <message>
        <source>cash, insert a coin</source>
        <translation>Pièce, insérer une pièce</translation>
    </message>
    <message>
        <source>Insert a coin (C)</source>
        <translation>Insérer une pièce (C)</translation>
    </message>
    <message>
        <source>more money</source>
        <translation>+ de fric</translation>
    </message>
    <message>
        <source>Put five more coins in the purse</source>
        <translation>Cinq pièces de plus dans la bourse</translation>
    </message>
    <message>
        <source>Setup Images</source>
        <translation>Régler les images</translation>
    </message>
    <message>
        <source>Set Up Reels</source>
        <translation>Régler les rouleaux</translation>
    </message>
    <message>
        <source>Scoring trace</source>
        <translation>Journal des points</translation>
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
        <translation>Tous droits réservés. Ce programme est protégé par le droit d&apos;auteur ; toute copie ou diffusion sans autorisation est interdite.</translation>
    </message>
</context>
<context>
    <name>holdReadout</name>
    <message>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux</translation>
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
        <translation>Fauché.. rentre chez toi&#xa0;!</translation>
    </message>
    <message>
        <source>Give me more Money</source>
        <extracomment>Five coins were added to the purse.</extracomment>
        <translation>Donne-moi plus de fric</translation>
    </message>
</context>
<context>
    <name>myDebug</name>
    <message>
        <source>TOTALPOINTS: %1</source>
        <extracomment>%1 is the trail points of the play.</extracomment>
        <translation>TOTAL POINTS&#xa0;: %1</translation>
    </message>
    <message>
        <source>THVale: %1</source>
        <extracomment>%1 is the trail points held over from the last play.</extracomment>
        <translation>GARDÉS&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>###########INITIALISING###########</source>
        <extracomment>The status line before the first message; keep the # framing.</extracomment>
        <translation>##########DÉMARRAGE##########</translation>
    </message>
    <message>
        <source>Plays: %1</source>
        <extracomment>%1 is the credit in the player&apos;s currency format.</extracomment>
        <translation>Parties&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 nudges</source>
        <extracomment>%1 is how many nudges are left, 0 and up.</extracomment>
        <translation>Poussées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hold Any?</source>
        <translation>On bloque&#xa0;?</translation>
    </message>
    <message>
        <source>Holding Left</source>
        <translation>Gauche bloqué</translation>
    </message>
    <message>
        <source>Holding Middle</source>
        <translation>Centre bloqué</translation>
    </message>
    <message>
        <source>Holding Right</source>
        <translation>Droite bloqué</translation>
    </message>
    <message>
        <source>Cancel Left</source>
        <translation>Gauche libre</translation>
    </message>
    <message>
        <source>Cancel Middle</source>
        <translation>Centre libre</translation>
    </message>
    <message>
        <source>Cancel Right</source>
        <translation>Droite libre</translation>
    </message>
    <message>
        <source>Cheater! - %1</source>
        <extracomment>%1 is the cheat count, 5 and up.</extracomment>
        <translation>Tricheur&#xa0;! - %1</translation>
    </message>
    <message>
        <source>$$-3 IN A ROW-$$</source>
        <translation>$$-3 D&apos;AFFILÉE-$$</translation>
    </message>
    <message>
        <source>!!!BONUS!!!</source>
        <translation>!!!BONUS!!!</translation>
    </message>
    <message>
        <source>$$-ROOT SOME GLINT-$$</source>
        <translation>$$-RAFLE LE MAGOT-$$</translation>
    </message>
    <message>
        <source>Respin</source>
        <translation>Relance</translation>
    </message>
    <message>
        <source>Boost</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>Selector</source>
        <translation>Sélecteur</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Hasard</translation>
    </message>
    <message>
        <source>Number Run</source>
        <translation>Suite de chiffres</translation>
    </message>
    <message>
        <source>HI/LO Climb</source>
        <translation>Échelle HAUT/BAS</translation>
    </message>
    <message>
        <source>Please Insert Some Money To Play</source>
        <translation>Mettez des sous et jouez&#xa0;!</translation>
    </message>
    <message>
        <source>KQProductions Present...</source>
        <translation>KQProductions présente...</translation>
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
        <translation>Piste fixe</translation>
    </message>
</context>
</TS>
