<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Tinkella</source>
        <translation>Tinkella</translation>
    </message>
    <message>
        <source>Piano Keyboard</source>
        <translation>Tastiera di pianoforte</translation>
    </message>
    <message>
        <source>Play a 120-key piano on the touch strip and with the mouse, and send the notes to other music programs</source>
        <translation>Suona un pianoforte di 120 tasti sulla barra tattile e con il mouse e invia le note ad altri programmi musicali</translation>
    </message>
    <message>
        <source>piano;keyboard;MIDI;synthesiser;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ending in &apos;;&apos;</extracomment>
        <translation>pianoforte;piano;tastiera;MIDI;sintetizzatore;keyboard;</translation>
    </message>
    <message>
        <source>Play a 120-key piano with several fingers and send the notes to other music programs</source>
        <translation>Suona un pianoforte di 120 tasti con più dita e invia le note ad altri programmi musicali</translation>
    </message>
    <message>
        <source>Tinkella is a piano keyboard of 120 keys that you play with several fingers at once on a touch strip along the bottom of the screen and with the mouse in a scrolling window.</source>
        <translation>Tinkella è una tastiera di pianoforte di 120 tasti che si suona con più dita insieme su una barra tattile in fondo allo schermo e con il mouse in una finestra scorrevole.</translation>
    </message>
    <message>
        <source>It sounds through a built-in General MIDI synthesiser and sends every note out of a virtual MIDI port named Tinkella, on the ALSA sequencer or on JACK, so that other music programs can record from it.</source>
        <translation>Suona tramite un sintetizzatore General MIDI integrato e invia ogni nota da una porta MIDI virtuale chiamata Tinkella, sul sequencer ALSA o su JACK, così che altri programmi musicali possano registrarla.</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Tinkella Help</source>
        <translation>Aiuto di Tinkella</translation>
    </message>
    <message>
        <source>The manual is not built into this copy; see man tinkella.</source>
        <translation>Il manuale non è incluso in questa copia; vedere man tinkella.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Suonare</translation>
    </message>
    <message>
        <source>play from the octave&apos;s C up</source>
        <translation>suonare dal C dell’ottava in su</translation>
    </message>
    <message>
        <source>play the octave above</source>
        <translation>suonare l’ottava superiore</translation>
    </message>
    <message>
        <source>computer keyboard an octave down / up</source>
        <translation>tastiera del computer un’ottava sotto / sopra</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>sustain, finché è premuto</translation>
    </message>
    <message>
        <source>panic: every note stops (piano window)</source>
        <translation>panico: tutte le note si fermano (finestra del pianoforte)</translation>
    </message>
    <message>
        <source>move between the controls of a window</source>
        <translation>passare da un controllo all’altro di una finestra</translation>
    </message>
    <message>
        <source>open the menus (piano window)</source>
        <translation>aprire i menu (finestra del pianoforte)</translation>
    </message>
</context>
<context>
    <name>KeyboardAccessibility</name>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>Tastiera del pianoforte</translation>
    </message>
    <message>
        <source>Touch strip keyboard</source>
        <translation>Tastiera della barra tattile</translation>
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
        <translation>Informazioni su Tinkella</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Servizi</translation>
    </message>
    <message>
        <source>Hide Tinkella</source>
        <translation>Nascondi Tinkella</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>Nascondi altre</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostra tutto</translation>
    </message>
    <message>
        <source>Quit Tinkella</source>
        <translation>Esci da Tinkella</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizza</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Massimizza</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Porta tutto in primo piano</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>Sustain</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Panico</translation>
    </message>
    <message>
        <source>Computer Keyboard…</source>
        <translation>Tastiera del computer…</translation>
    </message>
    <message>
        <source>Save Last Performance…</source>
        <translation>Salva l’ultima esecuzione…</translation>
    </message>
    <message>
        <source>Transpose Up</source>
        <translation>Trasponi in su</translation>
    </message>
    <message>
        <source>Transpose Down</source>
        <translation>Trasponi in giù</translation>
    </message>
    <message>
        <source>Reset Transpose</source>
        <translation>Azzera trasposizione</translation>
    </message>
    <message>
        <source>Scroll Left an Octave</source>
        <translation>Scorri a sinistra di un’ottava</translation>
    </message>
    <message>
        <source>Scroll Right an Octave</source>
        <translation>Scorri a destra di un’ottava</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Tinkella Help</source>
        <translation>Aiuto di Tinkella</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
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
        <translation>Salva l’ultima esecuzione</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation>File MIDI (*.mid *.midi)</translation>
    </message>
    <message>
        <source>The last performance could not be saved to %1: %2</source>
        <translation>Impossibile salvare l’ultima esecuzione in %1: %2</translation>
    </message>
</context>
<context>
    <name>PianoWindowController</name>
    <message>
        <source>Tinkella — Transpose %1</source>
        <translation>Tinkella — Trasposizione %1</translation>
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
        <translation>Pitch bend: trascinare su o giù, oppure Su / Giù con il focus; torna al centro quando viene lasciata</translation>
    </message>
    <message>
        <source>Modulation (controller 1): drag up or down, or Up / Down with the focus; stays where it is left</source>
        <translation>Modulazione (controller 1): trascinare su o giù, oppure Su / Giù con il focus; resta dove viene lasciata</translation>
    </message>
    <message>
        <source>Pitch bend wheel</source>
        <translation>Rotella del pitch bend</translation>
    </message>
    <message>
        <source>Modulation wheel</source>
        <translation>Rotella di modulazione</translation>
    </message>
</context>
<context>
    <name>tinkella::ControllerKnobs</name>
    <message>
        <source>Modulation</source>
        <translation>Modulazione</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Fiato</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Pedale</translation>
    </message>
    <message>
        <source>Portamento time</source>
        <translation>Tempo di portamento</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Bilanciamento</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Espressione</translation>
    </message>
    <message>
        <source>Resonance</source>
        <translation>Risonanza</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Rilascio</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Attacco</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillantezza</translation>
    </message>
    <message>
        <source>Decay</source>
        <translation>Decadimento</translation>
    </message>
    <message>
        <source>Vibrato rate</source>
        <translation>Velocità del vibrato</translation>
    </message>
    <message>
        <source>Vibrato depth</source>
        <translation>Profondità del vibrato</translation>
    </message>
    <message>
        <source>Vibrato delay</source>
        <translation>Ritardo del vibrato</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Riverbero</translation>
    </message>
    <message>
        <source>Tremolo</source>
        <translation>Tremolo</translation>
    </message>
    <message>
        <source>Chorus</source>
        <translation>Chorus</translation>
    </message>
    <message>
        <source>Detune</source>
        <translation>Detune</translation>
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
        <translation>%1 (controller %2): %3 — clic destro per scegliere un altro controller</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Other controller…</source>
        <translation>Altro controller…</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Controller number (1–119; not 6, 32, 38, 64 or 96–101, which Tinkella sends itself):</source>
        <translation>Numero del controller (1–119; non 6, 32, 38, 64 o 96–101, che Tinkella invia da sé):</translation>
    </message>
</context>
<context>
    <name>tinkella::app::AppDelegate</name>
    <message>
        <source>About Tinkella</source>
        <translation>Informazioni su Tinkella</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;A 120-key piano keyboard for the touch strip and the mouse, sending every note out of the MIDI source &quot;Tinkella&quot;.&lt;br&gt;&lt;br&gt;Sound by the FluidSynth synthesiser with the system&apos;s General MIDI sound font.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;By Quorvin.</source>
        <translation>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;Una tastiera di pianoforte di 120 tasti per la barra tattile e il mouse, che invia ogni nota dalla sorgente MIDI «Tinkella».&lt;br&gt;&lt;br&gt;Suono dal sintetizzatore FluidSynth con il banco di suoni General MIDI del sistema.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;Di Quorvin.</translation>
    </message>
    <message>
        <source>While the piano window is active, two rows of the computer keyboard play an octave and a half. Keys count by where they are, not by their labels, so any layout plays alike; the letters are those of a US keyboard.</source>
        <translation>Finché la finestra del pianoforte è attiva, due file della tastiera del computer suonano un’ottava e mezza. I tasti contano per la loro posizione, non per le loro etichette, quindi ogni layout suona allo stesso modo; le lettere sono quelle di una tastiera statunitense.</translation>
    </message>
    <message>
        <source>%1 up to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>Computer Keyboard</source>
        <translation>Tastiera del computer</translation>
    </message>
    <message>
        <source>octave down / up</source>
        <translation>ottava sotto / sopra</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>sustain, finché è premuto</translation>
    </message>
    <message>
        <source>panic: every note stops</source>
        <translation>panico: tutte le note si fermano</translation>
    </message>
</context>
<context>
    <name>tinkella::app::GeneralTab</name>
    <message>
        <source>Send MIDI events only</source>
        <translation>Invia solo eventi MIDI</translation>
    </message>
    <message>
        <source>Use built-in synthesiser only</source>
        <translation>Solo il sintetizzatore integrato</translation>
    </message>
    <message>
        <source>Enable both</source>
        <translation>Attiva entrambi</translation>
    </message>
    <message>
        <source>Notes go only to other programs, through the MIDI port Tinkella</source>
        <translation>Le note vanno solo ad altri programmi, tramite la porta MIDI Tinkella</translation>
    </message>
    <message>
        <source>Notes sound only from the built-in synthesiser</source>
        <translation>Le note suonano solo nel sintetizzatore integrato</translation>
    </message>
    <message>
        <source>Notes sound from the built-in synthesiser and go to other programs</source>
        <translation>Le note suonano nel sintetizzatore integrato e vanno ad altri programmi</translation>
    </message>
    <message>
        <source>Include black keys in Touch Bar glissando</source>
        <translation>Tasti neri nel glissando sulla barra</translation>
    </message>
    <message>
        <source>Velocity from touch position</source>
        <translation>Velocity dalla posizione del tocco</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Strumento</translation>
    </message>
    <message>
        <source>The General MIDI instrument the built-in synthesiser plays</source>
        <translation>Lo strumento General MIDI suonato dal sintetizzatore integrato</translation>
    </message>
    <message>
        <source>Sound font</source>
        <translation>Banco di suoni</translation>
    </message>
    <message>
        <source>The sound font the built-in synthesiser plays from; Other… chooses a file</source>
        <translation>Il banco di suoni del sintetizzatore integrato; Altro… sceglie un file</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Ottava</translation>
    </message>
    <message>
        <source>Scrolls the keyboard along its 120 keys</source>
        <translation>Scorre la tastiera lungo i suoi 120 tasti</translation>
    </message>
    <message>
        <source>Key size</source>
        <translation>Dimensione tasti</translation>
    </message>
    <message>
        <source>The width of the keys on the strip and in the piano window</source>
        <translation>La larghezza dei tasti sulla barra e nella finestra del pianoforte</translation>
    </message>
    <message>
        <source>Black key area on Touch Bar</source>
        <translation>Tasti neri sulla barra</translation>
    </message>
    <message>
        <source>How wide the touch zone of a black key on the strip is</source>
        <translation>Quanto è larga la zona tattile di un tasto nero sulla barra</translation>
    </message>
    <message>
        <source>A finger sliding along the strip also plays the black keys it crosses</source>
        <translation>Un dito che scivola lungo la barra suona anche i tasti neri che attraversa</translation>
    </message>
    <message>
        <source>Louder near a key&apos;s front edge, softer towards its back</source>
        <translation>Più forte vicino al bordo anteriore di un tasto, più piano verso il fondo</translation>
    </message>
    <message>
        <source>Tinkella can control GarageBand and other apps</source>
        <translation>Tinkella può controllare GarageBand e altre app</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardAidsGroup</name>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Name the chord being played</source>
        <translation>Nomina l’accordo suonato</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> semitoni</translation>
    </message>
    <message>
        <source>Key names</source>
        <translation>Nomi dei tasti</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Trasposizione</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>What the keys are labelled with</source>
        <translation>Che cosa è scritto sui tasti</translation>
    </message>
    <message>
        <source>Semitones added to every note you play</source>
        <translation>Semitoni aggiunti a ogni nota suonata</translation>
    </message>
    <message>
        <source>Scale root</source>
        <translation>Tonica</translation>
    </message>
    <message>
        <source>The root of the scale shown on the keys</source>
        <translation>La tonica della scala mostrata sui tasti</translation>
    </message>
    <message>
        <source>Keys outside the scale are drawn dimmer; nothing played changes</source>
        <translation>I tasti fuori dalla scala sono più tenui; non cambia nulla di ciò che si suona</translation>
    </message>
    <message>
        <source>The piano window names the chord or interval that sounds</source>
        <translation>La finestra del pianoforte nomina l’accordo o l’intervallo che suona</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardTab</name>
    <message>
        <source>High contrast keys</source>
        <translation>Tasti ad alto contrasto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivata</translation>
    </message>
    <message>
        <source>MPE</source>
        <translation>MPE</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Espressione</translation>
    </message>
    <message>
        <source>Off, or MPE: each note on a MIDI channel of its own, bent by sliding along the keys</source>
        <translation>Disattivata, o MPE: ogni nota su un proprio canale MIDI, piegata scorrendo lungo i tasti</translation>
    </message>
    <message>
        <source>Black and white keys with strong outlines; your keys light in orange, notes from MIDI in in blue</source>
        <translation>Tasti bianchi e neri con contorni marcati; i tuoi tasti si illuminano in arancione, le note dall’ingresso MIDI in blu</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
</context>
<context>
    <name>tinkella::app::MidiTab</name>
    <message>
        <source>Send the instrument as program and bank</source>
        <translation>Invia lo strumento come programma e banco</translation>
    </message>
    <message>
        <source>Show pitch-bend and modulation wheels</source>
        <translation>Mostra le rotelle pitch bend e modulazione</translation>
    </message>
    <message>
        <source>Show controller knobs</source>
        <translation>Mostra le manopole dei controller</translation>
    </message>
    <message>
        <source>The MIDI channel your notes, pedal, wheels and knobs go out on, and the built-in synthesiser plays (with MPE off)</source>
        <translation>Il canale MIDI su cui escono note, pedale, rotelle e manopole, e che suona il sintetizzatore integrato (con MPE disattivata)</translation>
    </message>
    <message>
        <source>The velocity of every note while &quot;Velocity from touch position&quot; is off, and of the computer keyboard&apos;s notes always</source>
        <translation>La velocity di ogni nota quando «Velocity dalla posizione del tocco» è disattivata, e sempre quella delle note della tastiera del computer</translation>
    </message>
    <message>
        <source>Also sends the instrument chosen on the General tab to the MIDI output: bank select, then program change, when chosen, at start and when a program connects</source>
        <translation>Invia anche all’uscita MIDI lo strumento scelto nella scheda Generale: bank select, poi program change, alla scelta, all’avvio e quando un programma si collega</translation>
    </message>
    <message>
        <source>The bank sent before the program (controllers 0 and 32)</source>
        <translation>Il banco inviato prima del programma (controller 0 e 32)</translation>
    </message>
    <message>
        <source>Pitch-bend and modulation wheels at the left end of the piano window, played with the mouse or a finger</source>
        <translation>Rotelle di pitch bend e modulazione all’estremità sinistra della finestra del pianoforte, suonate con il mouse o un dito</translation>
    </message>
    <message>
        <source>How far the pitch wheel bends at either end (sent as registered parameter 0)</source>
        <translation>Quanto piega la rotella del pitch bend a ciascun estremo (inviato come parametro registrato 0)</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> semitoni</translation>
    </message>
    <message>
        <source>Eight controller knobs above the keys; right-click a knob to choose its controller</source>
        <translation>Otto manopole di controller sopra i tasti; clic destro su una manopola per sceglierne il controller</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Escursione bend</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>The General MIDI instrument the keys below the split play</source>
        <translation>Lo strumento General MIDI suonato dai tasti sotto lo split</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Split instrument</source>
        <translation>Strumento split</translation>
    </message>
    <message>
        <source>The keys below this note play the split instrument: with MPE off on the channel after yours, with MPE on in the lower zone, the keys above it in the upper zone</source>
        <translation>I tasti sotto questa nota suonano lo strumento split: con MPE spento sul canale dopo il tuo, con MPE acceso nella zona bassa, i tasti sopra nella zona alta</translation>
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
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>Assoluto</translation>
    </message>
    <message>
        <source>Relative</source>
        <translation>Relativo</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Pitch-bend range of the member channels, in semitones either way</source>
        <translation>Escursione del pitch bend dei canali membri, in semitoni per lato</translation>
    </message>
    <message>
        <source>How fast a resting finger&apos;s pitch glides to the centre of its key</source>
        <translation>Quanto rapidamente l’intonazione di un dito fermo scivola al centro del suo tasto</translation>
    </message>
    <message>
        <source>Controller 74: from where the finger is along the key, or from where it touched down</source>
        <translation>Controller 74: da dove si trova il dito lungo il tasto, o da dove si è appoggiato</translation>
    </message>
    <message>
        <source>Member channels of the zone</source>
        <translation>Canali membri della zona</translation>
    </message>
    <message>
        <source>Pitch rounding</source>
        <translation>Arrotondamento</translation>
    </message>
    <message>
        <source>Timbre</source>
        <translation>Timbro</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Escursione bend</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Canali</translation>
    </message>
</context>
<context>
    <name>tinkella::app::SoundFontChooser</name>
    <message>
        <source>System GM font</source>
        <translation>Banco GM di sistema</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Altro…</translation>
    </message>
    <message>
        <source>system GM font plays</source>
        <translation>suona il banco GM di sistema</translation>
    </message>
    <message>
        <source>font in use kept</source>
        <translation>resta il banco in uso</translation>
    </message>
    <message>
        <source>Choose a Sound Font</source>
        <translation>Scegli un banco di suoni</translation>
    </message>
    <message>
        <source>Sound fonts (*.sf2 *.sf3)</source>
        <translation>Banchi di suoni (*.sf2 *.sf3)</translation>
    </message>
</context>
<context>
    <name>tinkella::app::WindowController</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Pagine delle impostazioni</translation>
    </message>
    <message>
        <source>Tinkella by Quorvin</source>
        <translation>Tinkella di Quorvin</translation>
    </message>
</context>
</TS>
