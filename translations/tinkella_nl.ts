<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Tinkella</source>
        <translation>Tinkella</translation>
    </message>
    <message>
        <source>Piano Keyboard</source>
        <translation>Pianoklavier</translation>
    </message>
    <message>
        <source>Play a 120-key piano on the touch strip and with the mouse, and send the notes to other music programs</source>
        <translation>Speel een piano met 120 toetsen op de aanraakstrook en met de muis, en stuur de noten naar andere muziekprogramma’s</translation>
    </message>
    <message>
        <source>piano;keyboard;MIDI;synthesiser;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ending in &apos;;&apos;</extracomment>
        <translation>piano;klavier;toetsenbord;MIDI;synthesizer;keyboard;</translation>
    </message>
    <message>
        <source>Play a 120-key piano with several fingers and send the notes to other music programs</source>
        <translation>Speel een piano met 120 toetsen met meerdere vingers en stuur de noten naar andere muziekprogramma’s</translation>
    </message>
    <message>
        <source>Tinkella is a piano keyboard of 120 keys that you play with several fingers at once on a touch strip along the bottom of the screen and with the mouse in a scrolling window.</source>
        <translation>Tinkella is een pianoklavier met 120 toetsen dat je met meerdere vingers tegelijk bespeelt op een aanraakstrook onderaan het scherm en met de muis in een scrollend venster.</translation>
    </message>
    <message>
        <source>It sounds through a built-in General MIDI synthesiser and sends every note out of a virtual MIDI port named Tinkella, on the ALSA sequencer or on JACK, so that other music programs can record from it.</source>
        <translation>Het klinkt via een ingebouwde General MIDI-synthesizer en stuurt elke noot uit via een virtuele MIDI-poort met de naam Tinkella, op de ALSA-sequencer of op JACK, zodat andere muziekprogramma’s ervan kunnen opnemen.</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Tinkella Help</source>
        <translation>Tinkella-hulp</translation>
    </message>
    <message>
        <source>The manual is not built into this copy; see man tinkella.</source>
        <translation>De handleiding is niet in deze kopie ingebouwd; zie man tinkella.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Sneltoetsen</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Spelen</translation>
    </message>
    <message>
        <source>play from the octave&apos;s C up</source>
        <translation>spelen vanaf de C van het octaaf omhoog</translation>
    </message>
    <message>
        <source>play the octave above</source>
        <translation>het octaaf erboven spelen</translation>
    </message>
    <message>
        <source>computer keyboard an octave down / up</source>
        <translation>computertoetsenbord een octaaf lager / hoger</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spatie</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>sustain, zolang ingedrukt</translation>
    </message>
    <message>
        <source>panic: every note stops (piano window)</source>
        <translation>paniek: alle noten stoppen (pianovenster)</translation>
    </message>
    <message>
        <source>move between the controls of a window</source>
        <translation>tussen de bedieningselementen van een venster gaan</translation>
    </message>
    <message>
        <source>open the menus (piano window)</source>
        <translation>de menu’s openen (pianovenster)</translation>
    </message>
</context>
<context>
    <name>KeyboardAccessibility</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>Pianoklavier</translation>
    </message>
    <message>
        <source>Touch strip keyboard</source>
        <translation>Klavier van de aanraakstrook</translation>
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
        <translation>Over Tinkella</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Instellingen…</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Diensten</translation>
    </message>
    <message>
        <source>Hide Tinkella</source>
        <translation>Tinkella verbergen</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>Andere verbergen</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alles tonen</translation>
    </message>
    <message>
        <source>Quit Tinkella</source>
        <translation>Tinkella afsluiten</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Venster</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Maximaliseren</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Alles naar voren</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>Sustain</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Paniek</translation>
    </message>
    <message>
        <source>Computer Keyboard…</source>
        <translation>Computertoetsenbord…</translation>
    </message>
    <message>
        <source>Save Last Performance…</source>
        <translation>Laatste uitvoering opslaan…</translation>
    </message>
    <message>
        <source>Transpose Up</source>
        <translation>Omhoog transponeren</translation>
    </message>
    <message>
        <source>Transpose Down</source>
        <translation>Omlaag transponeren</translation>
    </message>
    <message>
        <source>Reset Transpose</source>
        <translation>Transpositie herstellen</translation>
    </message>
    <message>
        <source>Scroll Left an Octave</source>
        <translation>Een octaaf naar links</translation>
    </message>
    <message>
        <source>Scroll Right an Octave</source>
        <translation>Een octaaf naar rechts</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hulp</translation>
    </message>
    <message>
        <source>Tinkella Help</source>
        <translation>Tinkella-hulp</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Sneltoetsen</translation>
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
        <translation>Laatste uitvoering opslaan</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation>MIDI-bestanden (*.mid *.midi)</translation>
    </message>
    <message>
        <source>The last performance could not be saved to %1: %2</source>
        <translation>De laatste uitvoering kon niet worden opgeslagen in %1: %2</translation>
    </message>
</context>
<context>
    <name>PianoWindowController</name>
    <message>
        <source>Tinkella — Transpose %1</source>
        <translation>Tinkella — transpositie %1</translation>
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
        <translation>Pitchbend: omhoog of omlaag slepen, of Omhoog / Omlaag met de focus; veert bij loslaten terug naar het midden</translation>
    </message>
    <message>
        <source>Modulation (controller 1): drag up or down, or Up / Down with the focus; stays where it is left</source>
        <translation>Modulatie (controller 1): omhoog of omlaag slepen, of Omhoog / Omlaag met de focus; blijft waar hij wordt losgelaten</translation>
    </message>
    <message>
        <source>Pitch bend wheel</source>
        <translation>Pitchbendwiel</translation>
    </message>
    <message>
        <source>Modulation wheel</source>
        <translation>Modulatiewiel</translation>
    </message>
</context>
<context>
    <name>tinkella::ControllerKnobs</name>
    <message>
        <source>Modulation</source>
        <translation>Modulatie</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Adem</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Voetpedaal</translation>
    </message>
    <message>
        <source>Portamento time</source>
        <translation>Portamentotijd</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balans</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Panorama</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expressie</translation>
    </message>
    <message>
        <source>Resonance</source>
        <translation>Resonantie</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helderheid</translation>
    </message>
    <message>
        <source>Decay</source>
        <translation>Decay</translation>
    </message>
    <message>
        <source>Vibrato rate</source>
        <translation>Vibratosnelheid</translation>
    </message>
    <message>
        <source>Vibrato depth</source>
        <translation>Vibratodiepte</translation>
    </message>
    <message>
        <source>Vibrato delay</source>
        <translation>Vibratovertraging</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Galm</translation>
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
        <translation>Ontstemming</translation>
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
        <translation>%1 (controller %2): %3 — rechtsklik om een andere controller te kiezen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Other controller…</source>
        <translation>Andere controller…</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Controller number (1–119; not 6, 32, 38, 64 or 96–101, which Tinkella sends itself):</source>
        <translation>Controllernummer (1–119; niet 6, 32, 38, 64 of 96–101, die Tinkella zelf verstuurt):</translation>
    </message>
</context>
<context>
    <name>tinkella::app::AppDelegate</name>
    <message>
        <source>About Tinkella</source>
        <translation>Over Tinkella</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;A 120-key piano keyboard for the touch strip and the mouse, sending every note out of the MIDI source &quot;Tinkella&quot;.&lt;br&gt;&lt;br&gt;Sound by the FluidSynth synthesiser with the system&apos;s General MIDI sound font.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;By Quorvin.</source>
        <translation>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;Een pianoklavier met 120 toetsen voor de aanraakstrook en de muis, dat elke noot uitstuurt via de MIDI-bron ‘Tinkella’.&lt;br&gt;&lt;br&gt;Geluid van de synthesizer FluidSynth met de General MIDI-soundfont van het systeem.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;Door Quorvin.</translation>
    </message>
    <message>
        <source>While the piano window is active, two rows of the computer keyboard play an octave and a half. Keys count by where they are, not by their labels, so any layout plays alike; the letters are those of a US keyboard.</source>
        <translation>Zolang het pianovenster actief is, spelen twee rijen van het computertoetsenbord anderhalf octaaf. Toetsen tellen naar hun plaats, niet naar hun opschrift, dus elke indeling speelt hetzelfde; de letters zijn die van een Amerikaans toetsenbord.</translation>
    </message>
    <message>
        <source>%1 up to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>Computer Keyboard</source>
        <translation>Computertoetsenbord</translation>
    </message>
    <message>
        <source>octave down / up</source>
        <translation>octaaf lager / hoger</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spatie</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>sustain, zolang ingedrukt</translation>
    </message>
    <message>
        <source>panic: every note stops</source>
        <translation>paniek: alle noten stoppen</translation>
    </message>
</context>
<context>
    <name>tinkella::app::GeneralTab</name>
    <message>
        <source>Send MIDI events only</source>
        <translation>Alleen MIDI-events sturen</translation>
    </message>
    <message>
        <source>Use built-in synthesiser only</source>
        <translation>Alleen ingebouwde synthesizer</translation>
    </message>
    <message>
        <source>Enable both</source>
        <translation>Beide inschakelen</translation>
    </message>
    <message>
        <source>Notes go only to other programs, through the MIDI port Tinkella</source>
        <translation>Noten gaan alleen naar andere programma’s, via de MIDI-poort Tinkella</translation>
    </message>
    <message>
        <source>Notes sound only from the built-in synthesiser</source>
        <translation>Noten klinken alleen in de ingebouwde synthesizer</translation>
    </message>
    <message>
        <source>Notes sound from the built-in synthesiser and go to other programs</source>
        <translation>Noten klinken in de ingebouwde synthesizer en gaan naar andere programma’s</translation>
    </message>
    <message>
        <source>Include black keys in Touch Bar glissando</source>
        <translation>Zwarte toetsen in glissando op de strook</translation>
    </message>
    <message>
        <source>Velocity from touch position</source>
        <translation>Velocity uit aanraakpositie</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>The General MIDI instrument the built-in synthesiser plays</source>
        <translation>Het General MIDI-instrument dat de ingebouwde synthesizer speelt</translation>
    </message>
    <message>
        <source>Sound font</source>
        <translation>Soundfont</translation>
    </message>
    <message>
        <source>The sound font the built-in synthesiser plays from; Other… chooses a file</source>
        <translation>De soundfont van de ingebouwde synthesizer; Andere… kiest een bestand</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Octaaf</translation>
    </message>
    <message>
        <source>Scrolls the keyboard along its 120 keys</source>
        <translation>Scrolt het klavier langs zijn 120 toetsen</translation>
    </message>
    <message>
        <source>Key size</source>
        <translation>Toetsgrootte</translation>
    </message>
    <message>
        <source>The width of the keys on the strip and in the piano window</source>
        <translation>De breedte van de toetsen op de strook en in het pianovenster</translation>
    </message>
    <message>
        <source>Black key area on Touch Bar</source>
        <translation>Zwarte toetsen op strook</translation>
    </message>
    <message>
        <source>How wide the touch zone of a black key on the strip is</source>
        <translation>Hoe breed de aanraakzone van een zwarte toets op de strook is</translation>
    </message>
    <message>
        <source>A finger sliding along the strip also plays the black keys it crosses</source>
        <translation>Een vinger die over de strook glijdt, speelt ook de zwarte toetsen die hij passeert</translation>
    </message>
    <message>
        <source>Louder near a key&apos;s front edge, softer towards its back</source>
        <translation>Luider bij de voorrand van een toets, zachter naar achteren</translation>
    </message>
    <message>
        <source>Tinkella can control GarageBand and other apps</source>
        <translation>Tinkella kan GarageBand en andere apps aansturen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardAidsGroup</name>
    <message>
        <source>Keyboard</source>
        <translation>Klavier</translation>
    </message>
    <message>
        <source>Name the chord being played</source>
        <translation>Gespeeld akkoord benoemen</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> halftonen</translation>
    </message>
    <message>
        <source>Key names</source>
        <translation>Toetsnamen</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Transponeren</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Toonladder</translation>
    </message>
    <message>
        <source>What the keys are labelled with</source>
        <translation>Waarmee de toetsen worden gelabeld</translation>
    </message>
    <message>
        <source>Semitones added to every note you play</source>
        <translation>Halve tonen opgeteld bij elke noot die je speelt</translation>
    </message>
    <message>
        <source>Scale root</source>
        <translation>Grondtoon</translation>
    </message>
    <message>
        <source>The root of the scale shown on the keys</source>
        <translation>De grondtoon van de toonladder op de toetsen</translation>
    </message>
    <message>
        <source>Keys outside the scale are drawn dimmer; nothing played changes</source>
        <translation>Toetsen buiten de toonladder worden gedimd getekend; aan het spel verandert niets</translation>
    </message>
    <message>
        <source>The piano window names the chord or interval that sounds</source>
        <translation>Het pianovenster benoemt het akkoord of interval dat klinkt</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardTab</name>
    <message>
        <source>High contrast keys</source>
        <translation>Toetsen met hoog contrast</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>MPE</source>
        <translation>MPE</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expressie</translation>
    </message>
    <message>
        <source>Off, or MPE: each note on a MIDI channel of its own, bent by sliding along the keys</source>
        <translation>Uit, of MPE: elke noot op een eigen MIDI-kanaal, gebogen door langs de toetsen te glijden</translation>
    </message>
    <message>
        <source>Black and white keys with strong outlines; your keys light in orange, notes from MIDI in in blue</source>
        <translation>Zwarte en witte toetsen met sterke omlijning; jouw toetsen lichten oranje op, noten van MIDI-in blauw</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klavier</translation>
    </message>
</context>
<context>
    <name>tinkella::app::MidiTab</name>
    <message>
        <source>Send the instrument as program and bank</source>
        <translation>Instrument als program en bank sturen</translation>
    </message>
    <message>
        <source>Show pitch-bend and modulation wheels</source>
        <translation>Pitchbend- en modulatiewiel tonen</translation>
    </message>
    <message>
        <source>Show controller knobs</source>
        <translation>Controllerknoppen tonen</translation>
    </message>
    <message>
        <source>The MIDI channel your notes, pedal, wheels and knobs go out on, and the built-in synthesiser plays (with MPE off)</source>
        <translation>Het MIDI-kanaal waarop je noten, pedaal, wielen en knoppen uitgaan en dat de ingebouwde synthesizer speelt (met MPE uit)</translation>
    </message>
    <message>
        <source>The velocity of every note while &quot;Velocity from touch position&quot; is off, and of the computer keyboard&apos;s notes always</source>
        <translation>De velocity van elke noot zolang ‘Velocity uit aanraakpositie’ uit staat, en altijd die van de noten van het computertoetsenbord</translation>
    </message>
    <message>
        <source>Also sends the instrument chosen on the General tab to the MIDI output: bank select, then program change, when chosen, at start and when a program connects</source>
        <translation>Stuurt het op het tabblad Algemeen gekozen instrument ook naar de MIDI-uitgang: bank select, dan program change, bij het kiezen, bij het starten en wanneer een programma verbindt</translation>
    </message>
    <message>
        <source>The bank sent before the program (controllers 0 and 32)</source>
        <translation>De bank die vóór het program wordt gestuurd (controllers 0 en 32)</translation>
    </message>
    <message>
        <source>Pitch-bend and modulation wheels at the left end of the piano window, played with the mouse or a finger</source>
        <translation>Pitchbend- en modulatiewiel aan het linkeruiteinde van het pianovenster, bespeeld met de muis of een vinger</translation>
    </message>
    <message>
        <source>How far the pitch wheel bends at either end (sent as registered parameter 0)</source>
        <translation>Hoe ver het pitchbendwiel aan elk uiteinde buigt (verstuurd als registered parameter 0)</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> halftonen</translation>
    </message>
    <message>
        <source>Eight controller knobs above the keys; right-click a knob to choose its controller</source>
        <translation>Acht controllerknoppen boven de toetsen; rechtsklik op een knop om zijn controller te kiezen</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanaal</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Bendbereik</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>The General MIDI instrument the keys below the split play</source>
        <translation>Het General MIDI-instrument dat de toetsen onder de splitsing spelen</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Splitsing</translation>
    </message>
    <message>
        <source>Split instrument</source>
        <translation>Splitsingsinstrument</translation>
    </message>
    <message>
        <source>The keys below this note play the split instrument: with MPE off on the channel after yours, with MPE on in the lower zone, the keys above it in the upper zone</source>
        <translation>De toetsen onder deze noot spelen het splitsingsinstrument: met MPE uit op het kanaal na het uwe, met MPE aan in de lage zone, de toetsen erboven in de hoge zone</translation>
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
        <translation>Uit</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langzaam</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Snel</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>Absoluut</translation>
    </message>
    <message>
        <source>Relative</source>
        <translation>Relatief</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Laag</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>Pitch-bend range of the member channels, in semitones either way</source>
        <translation>Pitchbendbereik van de lidkanalen, in halve tonen naar elke kant</translation>
    </message>
    <message>
        <source>How fast a resting finger&apos;s pitch glides to the centre of its key</source>
        <translation>Hoe snel de toonhoogte van een stilliggende vinger naar het midden van zijn toets glijdt</translation>
    </message>
    <message>
        <source>Controller 74: from where the finger is along the key, or from where it touched down</source>
        <translation>Controller 74: vanaf waar de vinger langs de toets is, of vanaf waar hij neerkwam</translation>
    </message>
    <message>
        <source>Member channels of the zone</source>
        <translation>Lidkanalen van de zone</translation>
    </message>
    <message>
        <source>Pitch rounding</source>
        <translation>Afronding</translation>
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
        <translation>Bendbereik</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Leden</translation>
    </message>
</context>
<context>
    <name>tinkella::app::SoundFontChooser</name>
    <message>
        <source>System GM font</source>
        <translation>GM-soundfont van systeem</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Andere…</translation>
    </message>
    <message>
        <source>system GM font plays</source>
        <translation>GM-soundfont van systeem speelt</translation>
    </message>
    <message>
        <source>font in use kept</source>
        <translation>huidige soundfont blijft</translation>
    </message>
    <message>
        <source>Choose a Sound Font</source>
        <translation>Kies een soundfont</translation>
    </message>
    <message>
        <source>Sound fonts (*.sf2 *.sf3)</source>
        <translation>Soundfonts (*.sf2 *.sf3)</translation>
    </message>
</context>
<context>
    <name>tinkella::app::WindowController</name>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Instellingenpagina’s</translation>
    </message>
    <message>
        <source>Tinkella by Quorvin</source>
        <translation>Tinkella door Quorvin</translation>
    </message>
</context>
</TS>
