<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Tinkella</source>
        <translation>Tinkella</translation>
    </message>
    <message>
        <source>Piano Keyboard</source>
        <translation>Clavier de piano</translation>
    </message>
    <message>
        <source>Play a 120-key piano on the touch strip and with the mouse, and send the notes to other music programs</source>
        <translation>Jouer d’un piano de 120 touches sur le bandeau tactile et à la souris, et envoyer les notes à d’autres logiciels de musique</translation>
    </message>
    <message>
        <source>piano;keyboard;MIDI;synthesiser;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ending in &apos;;&apos;</extracomment>
        <translation>piano;clavier;MIDI;synthétiseur;keyboard;</translation>
    </message>
    <message>
        <source>Play a 120-key piano with several fingers and send the notes to other music programs</source>
        <translation>Jouer d’un piano de 120 touches avec plusieurs doigts et envoyer les notes à d’autres logiciels de musique</translation>
    </message>
    <message>
        <source>Tinkella is a piano keyboard of 120 keys that you play with several fingers at once on a touch strip along the bottom of the screen and with the mouse in a scrolling window.</source>
        <translation>Tinkella est un clavier de piano de 120 touches que l’on joue avec plusieurs doigts à la fois sur un bandeau tactile en bas de l’écran et à la souris dans une fenêtre défilante.</translation>
    </message>
    <message>
        <source>It sounds through a built-in General MIDI synthesiser and sends every note out of a virtual MIDI port named Tinkella, on the ALSA sequencer or on JACK, so that other music programs can record from it.</source>
        <translation>Il sonne par un synthétiseur General MIDI intégré et envoie chaque note par un port MIDI virtuel nommé Tinkella, sur le séquenceur ALSA ou sur JACK, afin que d’autres logiciels de musique puissent l’enregistrer.</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Tinkella Help</source>
        <translation>Aide de Tinkella</translation>
    </message>
    <message>
        <source>The manual is not built into this copy; see man tinkella.</source>
        <translation>Le manuel n’est pas intégré à cette copie ; voir man tinkella.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>play from the octave&apos;s C up</source>
        <translation>jouer à partir du C de l’octave</translation>
    </message>
    <message>
        <source>play the octave above</source>
        <translation>jouer l’octave au-dessus</translation>
    </message>
    <message>
        <source>computer keyboard an octave down / up</source>
        <translation>clavier d’ordinateur une octave plus bas / plus haut</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>sustain, tant que la touche est tenue</translation>
    </message>
    <message>
        <source>panic: every note stops (piano window)</source>
        <translation>panique : toutes les notes s’arrêtent (fenêtre du piano)</translation>
    </message>
    <message>
        <source>move between the controls of a window</source>
        <translation>passer d’un contrôle à l’autre dans une fenêtre</translation>
    </message>
    <message>
        <source>open the menus (piano window)</source>
        <translation>ouvrir les menus (fenêtre du piano)</translation>
    </message>
</context>
<context>
    <name>KeyboardAccessibility</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>Clavier de piano</translation>
    </message>
    <message>
        <source>Touch strip keyboard</source>
        <translation>Clavier du bandeau tactile</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Tinkella</source>
        <translation>Tinkella</translation>
    </message>
    <message>
        <source>About Tinkella</source>
        <translation>À propos de Tinkella</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Services</translation>
    </message>
    <message>
        <source>Hide Tinkella</source>
        <translation>Masquer Tinkella</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>Masquer les autres</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Quit Tinkella</source>
        <translation>Quitter Tinkella</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Tout ramener au premier plan</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>Sustain</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Panique</translation>
    </message>
    <message>
        <source>Computer Keyboard…</source>
        <translation>Clavier d’ordinateur…</translation>
    </message>
    <message>
        <source>Save Last Performance…</source>
        <translation>Enregistrer la dernière interprétation…</translation>
    </message>
    <message>
        <source>Transpose Up</source>
        <translation>Transposer plus haut</translation>
    </message>
    <message>
        <source>Transpose Down</source>
        <translation>Transposer plus bas</translation>
    </message>
    <message>
        <source>Reset Transpose</source>
        <translation>Annuler la transposition</translation>
    </message>
    <message>
        <source>Scroll Left an Octave</source>
        <translation>Une octave à gauche</translation>
    </message>
    <message>
        <source>Scroll Right an Octave</source>
        <translation>Une octave à droite</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Tinkella Help</source>
        <translation>Aide de Tinkella</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
</context>
<context>
    <name>PerformanceFile</name>
    <message>
        <source>Tinkella %1.mid</source>
        <translation>Tinkella %1.mid</translation>
    </message>
    <message>
        <source>Save Last Performance</source>
        <translation>Enregistrer la dernière interprétation</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation>Fichiers MIDI (*.mid *.midi)</translation>
    </message>
    <message>
        <source>The last performance could not be saved to %1: %2</source>
        <translation>La dernière interprétation n’a pas pu être enregistrée dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>PianoWindowController</name>
    <message>
        <source>Tinkella — Transpose %1</source>
        <translation>Tinkella — Transposition %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Pitch</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Pitch bend: drag up or down, or Up / Down with the focus; springs back to the centre when let go</source>
        <translation>Pitch bend : glisser vers le haut ou le bas, ou Haut / Bas avec le focus ; revient au centre quand on la lâche</translation>
    </message>
    <message>
        <source>Modulation (controller 1): drag up or down, or Up / Down with the focus; stays where it is left</source>
        <translation>Modulation (contrôleur 1) : glisser vers le haut ou le bas, ou Haut / Bas avec le focus ; reste là où on la lâche</translation>
    </message>
    <message>
        <source>Pitch bend wheel</source>
        <translation>Molette de pitch bend</translation>
    </message>
    <message>
        <source>Modulation wheel</source>
        <translation>Molette de modulation</translation>
    </message>
</context>
<context>
    <name>tinkella::ControllerKnobs</name>
    <message>
        <source>Modulation</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Souffle</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Pédale</translation>
    </message>
    <message>
        <source>Portamento time</source>
        <translation>Durée de portamento</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Panoramique</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Resonance</source>
        <translation>Résonance</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Attaque</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillance</translation>
    </message>
    <message>
        <source>Decay</source>
        <translation>Decay</translation>
    </message>
    <message>
        <source>Vibrato rate</source>
        <translation>Vitesse du vibrato</translation>
    </message>
    <message>
        <source>Vibrato depth</source>
        <translation>Profondeur du vibrato</translation>
    </message>
    <message>
        <source>Vibrato delay</source>
        <translation>Délai du vibrato</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Réverbération</translation>
    </message>
    <message>
        <source>Tremolo</source>
        <translation>Trémolo</translation>
    </message>
    <message>
        <source>Chorus</source>
        <translation>Chorus</translation>
    </message>
    <message>
        <source>Detune</source>
        <translation>Désaccord</translation>
    </message>
    <message>
        <source>Phaser</source>
        <translation>Phaser</translation>
    </message>
    <message>
        <source>CC %1</source>
        <translation>CC %1</translation>
    </message>
    <message>
        <source>%1 (controller %2): %3 — right-click to choose another controller</source>
        <translation>%1 (contrôleur %2) : %3 — clic droit pour choisir un autre contrôleur</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Other controller…</source>
        <translation>Autre contrôleur…</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Contrôleur</translation>
    </message>
    <message>
        <source>Controller number (1–119; not 6, 32, 38, 64 or 96–101, which Tinkella sends itself):</source>
        <translation>Numéro de contrôleur (1–119 ; sauf 6, 32, 38, 64 et 96–101, que Tinkella envoie lui-même) :</translation>
    </message>
</context>
<context>
    <name>tinkella::app::AppDelegate</name>
    <message>
        <source>About Tinkella</source>
        <translation>À propos de Tinkella</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;A 120-key piano keyboard for the touch strip and the mouse, sending every note out of the MIDI source &quot;Tinkella&quot;.&lt;br&gt;&lt;br&gt;Sound by the FluidSynth synthesiser with the system&apos;s General MIDI sound font.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;By Quorvin.</source>
        <translation>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;Un clavier de piano de 120 touches pour le bandeau tactile et la souris, qui envoie chaque note par la source MIDI « Tinkella ».&lt;br&gt;&lt;br&gt;Son du synthétiseur FluidSynth avec la banque de sons General MIDI du système.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;Par Quorvin.</translation>
    </message>
    <message>
        <source>While the piano window is active, two rows of the computer keyboard play an octave and a half. Keys count by where they are, not by their labels, so any layout plays alike; the letters are those of a US keyboard.</source>
        <translation>Tant que la fenêtre du piano est active, deux rangées du clavier d’ordinateur jouent une octave et demie. Les touches comptent par leur place, non par leur inscription : toute disposition joue de même ; les lettres sont celles d’un clavier américain.</translation>
    </message>
    <message>
        <source>%1 up to %2</source>
        <translation>%1 jusqu’à %2</translation>
    </message>
    <message>
        <source>Computer Keyboard</source>
        <translation>Clavier d’ordinateur</translation>
    </message>
    <message>
        <source>octave down / up</source>
        <translation>octave plus bas / plus haut</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>sustain, tant que la touche est tenue</translation>
    </message>
    <message>
        <source>panic: every note stops</source>
        <translation>panique : toutes les notes s’arrêtent</translation>
    </message>
</context>
<context>
    <name>tinkella::app::GeneralTab</name>
    <message>
        <source>Send MIDI events only</source>
        <translation>Envoyer seulement du MIDI</translation>
    </message>
    <message>
        <source>Use built-in synthesiser only</source>
        <translation>Synthétiseur intégré seulement</translation>
    </message>
    <message>
        <source>Enable both</source>
        <translation>Activer les deux</translation>
    </message>
    <message>
        <source>Notes go only to other programs, through the MIDI port Tinkella</source>
        <translation>Les notes vont seulement aux autres logiciels, par le port MIDI Tinkella</translation>
    </message>
    <message>
        <source>Notes sound only from the built-in synthesiser</source>
        <translation>Les notes sonnent seulement dans le synthétiseur intégré</translation>
    </message>
    <message>
        <source>Notes sound from the built-in synthesiser and go to other programs</source>
        <translation>Les notes sonnent dans le synthétiseur intégré et vont aux autres logiciels</translation>
    </message>
    <message>
        <source>Include black keys in Touch Bar glissando</source>
        <translation>Touches noires dans le glissando du bandeau</translation>
    </message>
    <message>
        <source>Velocity from touch position</source>
        <translation>Vélocité selon la position du doigt</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>The General MIDI instrument the built-in synthesiser plays</source>
        <translation>L’instrument General MIDI que joue le synthétiseur intégré</translation>
    </message>
    <message>
        <source>Sound font</source>
        <translation>Banque de sons</translation>
    </message>
    <message>
        <source>The sound font the built-in synthesiser plays from; Other… chooses a file</source>
        <translation>La banque de sons du synthétiseur intégré ; Autre… choisit un fichier</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Octave</translation>
    </message>
    <message>
        <source>Scrolls the keyboard along its 120 keys</source>
        <translation>Fait défiler le clavier le long de ses 120 touches</translation>
    </message>
    <message>
        <source>Key size</source>
        <translation>Taille des touches</translation>
    </message>
    <message>
        <source>The width of the keys on the strip and in the piano window</source>
        <translation>La largeur des touches sur le bandeau et dans la fenêtre du piano</translation>
    </message>
    <message>
        <source>Black key area on Touch Bar</source>
        <translation>Touches noires sur le bandeau</translation>
    </message>
    <message>
        <source>How wide the touch zone of a black key on the strip is</source>
        <translation>Largeur de la zone tactile d’une touche noire sur le bandeau</translation>
    </message>
    <message>
        <source>A finger sliding along the strip also plays the black keys it crosses</source>
        <translation>Un doigt qui glisse le long du bandeau joue aussi les touches noires qu’il traverse</translation>
    </message>
    <message>
        <source>Louder near a key&apos;s front edge, softer towards its back</source>
        <translation>Plus fort près du bord avant d’une touche, plus doux vers l’arrière</translation>
    </message>
    <message>
        <source>Tinkella can control GarageBand and other apps</source>
        <translation>Tinkella peut piloter GarageBand et d’autres applications</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardAidsGroup</name>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Name the chord being played</source>
        <translation>Nommer l’accord joué</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> demi-tons</translation>
    </message>
    <message>
        <source>Key names</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Transposition</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Gamme</translation>
    </message>
    <message>
        <source>What the keys are labelled with</source>
        <translation>Ce qui est inscrit sur les touches</translation>
    </message>
    <message>
        <source>Semitones added to every note you play</source>
        <translation>Demi-tons ajoutés à chaque note jouée</translation>
    </message>
    <message>
        <source>Scale root</source>
        <translation>Tonique</translation>
    </message>
    <message>
        <source>The root of the scale shown on the keys</source>
        <translation>La tonique de la gamme montrée sur les touches</translation>
    </message>
    <message>
        <source>Keys outside the scale are drawn dimmer; nothing played changes</source>
        <translation>Les touches hors de la gamme sont plus sombres ; rien ne change à ce qui est joué</translation>
    </message>
    <message>
        <source>The piano window names the chord or interval that sounds</source>
        <translation>La fenêtre du piano nomme l’accord ou l’intervalle qui sonne</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardTab</name>
    <message>
        <source>High contrast keys</source>
        <translation>Touches à contraste élevé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>MPE</source>
        <translation>MPE</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Off, or MPE: each note on a MIDI channel of its own, bent by sliding along the keys</source>
        <translation>Désactivée, ou MPE : chaque note sur son propre canal MIDI, infléchie en glissant le long des touches</translation>
    </message>
    <message>
        <source>Black and white keys with strong outlines; your keys light in orange, notes from MIDI in in blue</source>
        <translation>Touches noires et blanches aux contours marqués ; vos touches s’allument en orange, les notes de l’entrée MIDI en bleu</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
</context>
<context>
    <name>tinkella::app::MidiTab</name>
    <message>
        <source>Send the instrument as program and bank</source>
        <translation>Envoyer l’instrument (programme et banque)</translation>
    </message>
    <message>
        <source>Show pitch-bend and modulation wheels</source>
        <translation>Afficher les molettes pitch bend et modulation</translation>
    </message>
    <message>
        <source>Show controller knobs</source>
        <translation>Afficher les boutons de contrôleur</translation>
    </message>
    <message>
        <source>The MIDI channel your notes, pedal, wheels and knobs go out on, and the built-in synthesiser plays (with MPE off)</source>
        <translation>Le canal MIDI où sortent vos notes, la pédale, les molettes et les boutons, et que joue le synthétiseur intégré (MPE désactivée)</translation>
    </message>
    <message>
        <source>The velocity of every note while &quot;Velocity from touch position&quot; is off, and of the computer keyboard&apos;s notes always</source>
        <translation>La vélocité de chaque note quand « Vélocité selon la position du doigt » est désactivée, et toujours celle des notes du clavier d’ordinateur</translation>
    </message>
    <message>
        <source>Also sends the instrument chosen on the General tab to the MIDI output: bank select, then program change, when chosen, at start and when a program connects</source>
        <translation>Envoie aussi l’instrument choisi dans l’onglet Général à la sortie MIDI : bank select puis program change, au choix, au démarrage et quand un logiciel se connecte</translation>
    </message>
    <message>
        <source>The bank sent before the program (controllers 0 and 32)</source>
        <translation>La banque envoyée avant le programme (contrôleurs 0 et 32)</translation>
    </message>
    <message>
        <source>Pitch-bend and modulation wheels at the left end of the piano window, played with the mouse or a finger</source>
        <translation>Molettes de pitch bend et de modulation à gauche de la fenêtre du piano, jouées à la souris ou au doigt</translation>
    </message>
    <message>
        <source>How far the pitch wheel bends at either end (sent as registered parameter 0)</source>
        <translation>Jusqu’où la molette de pitch bend infléchit à chaque extrémité (envoyé comme paramètre enregistré 0)</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> demi-tons</translation>
    </message>
    <message>
        <source>Eight controller knobs above the keys; right-click a knob to choose its controller</source>
        <translation>Huit boutons de contrôleur au-dessus des touches ; clic droit sur un bouton pour choisir son contrôleur</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vélocité</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banque</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Plage du bend</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>The General MIDI instrument the keys below the split play</source>
        <translation>L’instrument General MIDI que jouent les touches sous le partage</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Partage</translation>
    </message>
    <message>
        <source>Split instrument</source>
        <translation>Instrument du partage</translation>
    </message>
    <message>
        <source>The keys below this note play the split instrument: with MPE off on the channel after yours, with MPE on in the lower zone, the keys above it in the upper zone</source>
        <translation>Les touches sous cette note jouent l’instrument du partage : MPE désactivé, sur le canal suivant le vôtre ; MPE activé, dans la zone basse, les touches au-dessus dans la zone haute</translation>
    </message>
</context>
<context>
    <name>tinkella::app::MpeGroup</name>
    <message>
        <source>MPE</source>
        <translation>MPE</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>Absolu</translation>
    </message>
    <message>
        <source>Relative</source>
        <translation>Relatif</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Pitch-bend range of the member channels, in semitones either way</source>
        <translation>Amplitude du pitch bend des canaux membres, en demi-tons de chaque côté</translation>
    </message>
    <message>
        <source>How fast a resting finger&apos;s pitch glides to the centre of its key</source>
        <translation>À quelle vitesse la hauteur d’un doigt immobile glisse vers le centre de sa touche</translation>
    </message>
    <message>
        <source>Controller 74: from where the finger is along the key, or from where it touched down</source>
        <translation>Contrôleur 74 : selon la position du doigt sur la touche, ou depuis l’endroit où il s’est posé</translation>
    </message>
    <message>
        <source>Member channels of the zone</source>
        <translation>Canaux membres de la zone</translation>
    </message>
    <message>
        <source>Pitch rounding</source>
        <translation>Arrondi</translation>
    </message>
    <message>
        <source>Timbre</source>
        <translation>Timbre</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Plage du bend</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Membres</translation>
    </message>
</context>
<context>
    <name>tinkella::app::SoundFontChooser</name>
    <message>
        <source>System GM font</source>
        <translation>Banque GM du système</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Autre…</translation>
    </message>
    <message>
        <source>system GM font plays</source>
        <translation>la banque GM du système joue</translation>
    </message>
    <message>
        <source>font in use kept</source>
        <translation>banque actuelle conservée</translation>
    </message>
    <message>
        <source>Choose a Sound Font</source>
        <translation>Choisir une banque de sons</translation>
    </message>
    <message>
        <source>Sound fonts (*.sf2 *.sf3)</source>
        <translation>Banques de sons (*.sf2 *.sf3)</translation>
    </message>
</context>
<context>
    <name>tinkella::app::WindowController</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Pages des paramètres</translation>
    </message>
    <message>
        <source>Tinkella by Quorvin</source>
        <translation>Tinkella par Quorvin</translation>
    </message>
</context>
</TS>
