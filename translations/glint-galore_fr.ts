<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Form1</name>
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
    <message>
        <source>Keys: Space or Enter start, 1, 2 and 3 hold or nudge the left, middle and right reel, C inserts a coin, M turns the sound off or on, F1 explains how to play, Ctrl+Q quits.</source>
        <translation>Touches : Espace ou Entrée pour jouer, 1, 2 et 3 bloquent ou poussent le rouleau gauche, central et droit, C insère une pièce, M coupe ou remet le son, F1 explique le jeu, Ctrl+Q quitte.</translation>
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
        <translation>Logiciel libre sous GNU General Public License, version 3 ou ultérieure : vous pouvez le partager et le modifier selon ses termes. Sans aucune garantie.</translation>
    </message>
</context>
<context>
    <name>glint::ui::HelpWindow</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 point</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>&lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; presses the focused button; Start has the focus when the game opens.</source>
        <translation>&lt;b&gt;Espace&lt;/b&gt; ou &lt;b&gt;Entrée&lt;/b&gt; appuie sur le bouton qui a le focus ; au lancement du jeu, c’est Jouer.</translation>
    </message>
    <message>
        <source>&lt;b&gt;1&lt;/b&gt;, &lt;b&gt;2&lt;/b&gt; and &lt;b&gt;3&lt;/b&gt; press the left, middle and right Hold/Nudge button.</source>
        <translation>&lt;b&gt;1&lt;/b&gt;, &lt;b&gt;2&lt;/b&gt; et &lt;b&gt;3&lt;/b&gt; appuient sur le bouton Bloque/Pousse de gauche, du centre et de droite.</translation>
    </message>
    <message>
        <source>&lt;b&gt;C&lt;/b&gt; puts in a coin, as cash does.</source>
        <translation>&lt;b&gt;C&lt;/b&gt; insère une pièce, comme le bouton Pièce.</translation>
    </message>
    <message>
        <source>&lt;b&gt;M&lt;/b&gt; turns all sound off or on; the window&apos;s title shows [muted] while it is off.</source>
        <translation>&lt;b&gt;M&lt;/b&gt; coupe ou remet tout le son ; tant qu’il est coupé, le titre de la fenêtre affiche [muet].</translation>
    </message>
    <message>
        <source>&lt;b&gt;F1&lt;/b&gt; opens this help; &lt;b&gt;Esc&lt;/b&gt; or &lt;b&gt;F1&lt;/b&gt; closes it.</source>
        <translation>&lt;b&gt;F1&lt;/b&gt; ouvre cette aide ; &lt;b&gt;Échap&lt;/b&gt; ou &lt;b&gt;F1&lt;/b&gt; la ferme.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Q&lt;/b&gt; quits the game.</source>
        <translation>&lt;b&gt;Ctrl+Q&lt;/b&gt; quitte le jeu.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;How to play&lt;/h2&gt;&lt;p&gt;Glint Galore is a fruit machine with three reels. You play it with pretend coins: nothing is ever paid out, and nothing can be won or bought.&lt;/p&gt;&lt;p&gt;Press &lt;b&gt;cash&lt;/b&gt;, the red slot at the top right, to put a coin from your purse into the machine. The message line at the top then shows your credit as money, for example &quot;Plays: 3.00&quot;. Each press of &lt;b&gt;Start&lt;/b&gt; costs 0.25 of it and spins the reels, which stop left, middle, right. Your purse holds ten coins and keeps the last one; &lt;b&gt;more money&lt;/b&gt; adds five (it lies under the list at the bottom right: reach it with Tab).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Total Cash&lt;/b&gt; is the machine&apos;s cash pot. Every coin adds to it, but the box shows the new amount only when the next play starts. &lt;b&gt;Pay Tube!&lt;/b&gt; shows seven tenths of the pot; it is only a display.&lt;/p&gt;&lt;h3&gt;Symbols that score&lt;/h3&gt;&lt;p&gt;Only these symbols score, when they stop on the middle row, the win line. The other symbols score nothing.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Comment jouer&lt;/h2&gt;&lt;p&gt;Glint Galore est une machine à sous à trois rouleaux. On y joue avec des pièces pour rire : rien n’est jamais payé, et rien ne peut être gagné ni acheté.&lt;/p&gt;&lt;p&gt;Appuyez sur &lt;b&gt;Pièce&lt;/b&gt;, la fente rouge en haut à droite, pour mettre une pièce de votre bourse dans la machine. La ligne de messages en haut affiche alors votre crédit en argent, par exemple « Parties : 3,00 ». Chaque appui sur &lt;b&gt;Jouer&lt;/b&gt; en coûte 0,25 et lance les rouleaux, qui s’arrêtent à gauche, au centre, puis à droite. Votre bourse contient dix pièces et garde toujours la dernière ; &lt;b&gt;+ de fric&lt;/b&gt; en ajoute cinq (le bouton est sous la liste en bas à droite : atteignez-le avec Tab).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Caisse&lt;/b&gt; est la caisse de la machine. Chaque pièce s’y ajoute, mais la case n’affiche le nouveau montant qu’au début de la partie suivante. &lt;b&gt;Cagnotte !&lt;/b&gt; affiche sept dixièmes de la caisse ; ce n’est qu’un affichage.&lt;/p&gt;&lt;h3&gt;Les symboles qui rapportent&lt;/h3&gt;&lt;p&gt;Seuls ces symboles rapportent des points, quand ils s’arrêtent sur la rangée du milieu, la ligne gagnante. Les autres ne rapportent rien.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The trail and the bonus&lt;/h3&gt;&lt;p&gt;The points on the win line move the marker up the trail ladder beside the reels, rungs 1 to 8, and light its lamps. A total of exactly 4 reaches &lt;b&gt;Bonus&lt;/b&gt;: feature names run along the message line until you press Start, which stops them on one. The feature is only shown; it changes nothing in the game. Three scoring symbols on the win line, alike or not, give three in a row and light the whole ladder. A total beyond 8 reaches the top of the trail, which lights the ladder and starts the trail again.&lt;/p&gt;&lt;h3&gt;Nudges and holds&lt;/h3&gt;&lt;p&gt;After a play the machine may give you nudges (&quot;2 nudges&quot;): each press of a &lt;b&gt;Hold/Nudge&lt;/b&gt; button moves its reel down one symbol and scores the new win line. Start waits until the nudges are used. Or it may ask &quot;Hold Any?&quot;: press the Hold/Nudge buttons of the reels you want to keep still in the next spin, and press again to cancel. &lt;b&gt;Trail Held&lt;/b&gt; turns red when the next play will add its points to this play&apos;s total.&lt;/p&gt;&lt;p&gt;&lt;b&gt;cheat&lt;/b&gt; makes every later play give nudges, more with every press. The list at the bottom right traces every scoring. Left alone, the machine blinks its lamps and shows its messages.&lt;/p&gt;&lt;h3&gt;Keys&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;La piste et le bonus&lt;/h3&gt;&lt;p&gt;Les points de la ligne gagnante font monter le repère sur l’échelle de la piste, à côté des rouleaux, échelons 1 à 8, et allument ses lampes. Un total d’exactement 4 atteint &lt;b&gt;Bonus&lt;/b&gt; : des noms de fonctions défilent sur la ligne de messages jusqu’à ce que vous appuyiez sur &lt;b&gt;Jouer&lt;/b&gt;, qui les arrête sur l’une d’elles. La fonction est seulement affichée ; elle ne change rien au jeu. Trois symboles qui rapportent sur la ligne gagnante, identiques ou non, font 3 d’affilée et allument toute l’échelle. Un total au-delà de 8 atteint le sommet de la piste, qui allume l’échelle et fait repartir la piste.&lt;/p&gt;&lt;h3&gt;Poussées et blocages&lt;/h3&gt;&lt;p&gt;Après une partie, la machine peut vous donner des poussées (« Poussées : 2 ») : chaque appui sur un bouton &lt;b&gt;Bloque/Pousse&lt;/b&gt; fait descendre son rouleau d’un symbole et compte la nouvelle ligne gagnante. &lt;b&gt;Jouer&lt;/b&gt; attend que les poussées soient utilisées. Ou elle peut demander « On bloque ? » : appuyez sur les boutons Bloque/Pousse des rouleaux à garder immobiles au prochain lancer, et appuyez encore pour annuler. &lt;b&gt;Piste fixe&lt;/b&gt; passe au rouge quand la prochaine partie ajoutera ses points au total de celle-ci.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Triche&lt;/b&gt; fait donner des poussées à chaque partie suivante, davantage à chaque appui. La liste en bas à droite trace chaque décompte. Laissée seule, la machine fait clignoter ses lampes et affiche ses messages.&lt;/p&gt;&lt;h3&gt;Touches&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;About&lt;/h2&gt;&lt;p&gt;Glint Galore, %1, by KQProductions.&lt;/p&gt;&lt;p&gt;%2. %3&lt;/p&gt;&lt;p&gt;The pictures and sounds are made for the game by its own generator and come under the same licence. The symbols show glyphs of Noto Color Emoji (Google, SIL Open Font License 1.1); the lettering is drawn with DejaVu Sans Bold (Bitstream Vera and DejaVu licence) and Liberation Sans and Serif Bold (GPL version 2 with the font exception); the spoken &quot;okey dokey&quot; is by espeak-ng.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;À propos&lt;/h2&gt;&lt;p&gt;Glint Galore, %1, par KQProductions.&lt;/p&gt;&lt;p&gt;%2. %3&lt;/p&gt;&lt;p&gt;Les images et les sons sont créés pour le jeu par son propre générateur et relèvent de la même licence. Les symboles montrent des glyphes de Noto Color Emoji (Google, SIL Open Font License 1.1) ; le lettrage est dessiné avec DejaVu Sans Bold (licence Bitstream Vera et DejaVu) et Liberation Sans et Serif Bold (GPL version 2 avec l’exception pour les polices) ; le « okey dokey » parlé vient d’espeak-ng.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>How to play %1</source>
        <translation>Comment jouer à %1</translation>
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
    <name>speech</name>
    <message>
        <source>sound on</source>
        <translation>son remis</translation>
    </message>
    <message>
        <source>sound off</source>
        <translation>son coupé</translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>A play whose win line scored nothing.</extracomment>
        <translation>rien</translation>
    </message>
    <message>
        <source>trail %1</source>
        <extracomment>%1 is the rung the trail reached: a number, or the Bonus rung&apos;s caption.</extracomment>
        <translation>piste %1</translation>
    </message>
    <message>
        <source>trail held</source>
        <extracomment>The next play adds its points to this play&apos;s.</extracomment>
        <translation>piste fixe</translation>
    </message>
    <message>
        <source>no nudges left</source>
        <translation>plus de poussées</translation>
    </message>
    <message>
        <source>%1 nudge left</source>
        <extracomment>Start waits for the nudges; %1 is 1.</extracomment>
        <translation>encore %1 poussée</translation>
    </message>
    <message>
        <source>%1 nudges left</source>
        <extracomment>Start waits for the nudges; %1 is 2 and up.</extracomment>
        <translation>encore %1 poussées</translation>
    </message>
    <message>
        <source>stopped on %1</source>
        <extracomment>%1 is the bonus feature the selector stopped on.</extracomment>
        <translation>arrêt sur %1</translation>
    </message>
    <message>
        <source>bonus stopped</source>
        <translation>bonus arrêté</translation>
    </message>
    <message>
        <source>%1 points</source>
        <extracomment>The points box; %1 is its number.</extracomment>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>no rung</source>
        <translation>aucun échelon</translation>
    </message>
    <message>
        <source>rung %1</source>
        <extracomment>%1 is the number of the ladder&apos;s current rung.</extracomment>
        <translation>échelon %1</translation>
    </message>
    <message>
        <source>%1 rung</source>
        <extracomment>%1 is the caption of the ladder&apos;s current rung, such as Bonus.</extracomment>
        <translation>échelon %1</translation>
    </message>
    <message>
        <source>current rung</source>
        <translation>échelon actuel</translation>
    </message>
    <message>
        <source>pound sign</source>
        <translation>signe livre</translation>
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
    <name>symbol</name>
    <message>
        <source>symbol %1</source>
        <extracomment>%1 is the symbol&apos;s number, for a picture whose file gives no name.</extracomment>
        <translation>symbole %1</translation>
    </message>
    <message>
        <source>cherry</source>
        <translation>cerise</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>citron</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>melon</source>
        <translation>melon</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>raisin</translation>
    </message>
    <message>
        <source>pear</source>
        <translation>poire</translation>
    </message>
    <message>
        <source>banana</source>
        <translation>banane</translation>
    </message>
    <message>
        <source>strawberry</source>
        <translation>fraise</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>cloche</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>clover</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>star</source>
        <translation>étoile</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>diamant</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>or</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>couronne</translation>
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
