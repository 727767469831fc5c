<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Tinkella</source>
        <translation>Tinkella</translation>
    </message>
    <message>
        <source>Piano Keyboard</source>
        <translation>Klaviatur</translation>
    </message>
    <message>
        <source>Play a 120-key piano on the touch strip and with the mouse, and send the notes to other music programs</source>
        <translation>Ein Klavier mit 120 Tasten auf der Touch-Leiste und mit der Maus spielen und die Noten an andere Musikprogramme senden</translation>
    </message>
    <message>
        <source>piano;keyboard;MIDI;synthesiser;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ending in &apos;;&apos;</extracomment>
        <translation>Klavier;Klaviatur;Tastatur;MIDI;Synthesizer;piano;keyboard;</translation>
    </message>
    <message>
        <source>Play a 120-key piano with several fingers and send the notes to other music programs</source>
        <translation>Ein Klavier mit 120 Tasten mit mehreren Fingern spielen und die Noten an andere Musikprogramme senden</translation>
    </message>
    <message>
        <source>Tinkella is a piano keyboard of 120 keys that you play with several fingers at once on a touch strip along the bottom of the screen and with the mouse in a scrolling window.</source>
        <translation>Tinkella ist eine Klaviatur mit 120 Tasten, die Sie mit mehreren Fingern zugleich auf einer Touch-Leiste am unteren Bildschirmrand und mit der Maus in einem scrollenden Fenster spielen.</translation>
    </message>
    <message>
        <source>It sounds through a built-in General MIDI synthesiser and sends every note out of a virtual MIDI port named Tinkella, on the ALSA sequencer or on JACK, so that other music programs can record from it.</source>
        <translation>Es klingt über einen eingebauten General-MIDI-Synthesizer und sendet jede Note über einen virtuellen MIDI-Port namens Tinkella, auf dem ALSA-Sequencer oder auf JACK, sodass andere Musikprogramme davon aufnehmen können.</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Tinkella Help</source>
        <translation>Tinkella-Hilfe</translation>
    </message>
    <message>
        <source>The manual is not built into this copy; see man tinkella.</source>
        <translation>Das Handbuch ist in diese Ausgabe nicht eingebaut; siehe man tinkella.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>play from the octave&apos;s C up</source>
        <translation>ab dem C der Oktave aufwärts spielen</translation>
    </message>
    <message>
        <source>play the octave above</source>
        <translation>die Oktave darüber spielen</translation>
    </message>
    <message>
        <source>computer keyboard an octave down / up</source>
        <translation>Computertastatur eine Oktave tiefer / höher</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>Haltepedal, solange gedrückt</translation>
    </message>
    <message>
        <source>panic: every note stops (piano window)</source>
        <translation>Panik: alle Noten verstummen (Klavierfenster)</translation>
    </message>
    <message>
        <source>move between the controls of a window</source>
        <translation>zwischen den Bedienelementen eines Fensters wechseln</translation>
    </message>
    <message>
        <source>open the menus (piano window)</source>
        <translation>die Menüs öffnen (Klavierfenster)</translation>
    </message>
</context>
<context>
    <name>KeyboardAccessibility</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>Klaviatur</translation>
    </message>
    <message>
        <source>Touch strip keyboard</source>
        <translation>Klaviatur der Touch-Leiste</translation>
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
        <translation>Über Tinkella</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Dienste</translation>
    </message>
    <message>
        <source>Hide Tinkella</source>
        <translation>Tinkella ausblenden</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>Andere ausblenden</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alle einblenden</translation>
    </message>
    <message>
        <source>Quit Tinkella</source>
        <translation>Tinkella beenden</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Alle nach vorne bringen</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>Haltepedal</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Panik</translation>
    </message>
    <message>
        <source>Computer Keyboard…</source>
        <translation>Computertastatur…</translation>
    </message>
    <message>
        <source>Save Last Performance…</source>
        <translation>Zuletzt Gespieltes speichern…</translation>
    </message>
    <message>
        <source>Transpose Up</source>
        <translation>Höher transponieren</translation>
    </message>
    <message>
        <source>Transpose Down</source>
        <translation>Tiefer transponieren</translation>
    </message>
    <message>
        <source>Reset Transpose</source>
        <translation>Transposition zurücksetzen</translation>
    </message>
    <message>
        <source>Scroll Left an Octave</source>
        <translation>Eine Oktave nach links</translation>
    </message>
    <message>
        <source>Scroll Right an Octave</source>
        <translation>Eine Oktave nach rechts</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Tinkella Help</source>
        <translation>Tinkella-Hilfe</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
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
        <translation>Zuletzt Gespieltes speichern</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation>MIDI-Dateien (*.mid *.midi)</translation>
    </message>
    <message>
        <source>The last performance could not be saved to %1: %2</source>
        <translation>Das zuletzt Gespielte konnte nicht in %1 gespeichert werden: %2</translation>
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
        <translation>Pitch Bend: nach oben oder unten ziehen, oder Auf / Ab mit dem Fokus; springt beim Loslassen in die Mitte zurück</translation>
    </message>
    <message>
        <source>Modulation (controller 1): drag up or down, or Up / Down with the focus; stays where it is left</source>
        <translation>Modulation (Controller 1): nach oben oder unten ziehen, oder Auf / Ab mit dem Fokus; bleibt, wo es losgelassen wird</translation>
    </message>
    <message>
        <source>Pitch bend wheel</source>
        <translation>Pitch-Bend-Rad</translation>
    </message>
    <message>
        <source>Modulation wheel</source>
        <translation>Modulationsrad</translation>
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
        <translation>Breath</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Fußpedal</translation>
    </message>
    <message>
        <source>Portamento time</source>
        <translation>Portamentozeit</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Panorama</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Resonance</source>
        <translation>Resonanz</translation>
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
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Decay</source>
        <translation>Decay</translation>
    </message>
    <message>
        <source>Vibrato rate</source>
        <translation>Vibrato-Rate</translation>
    </message>
    <message>
        <source>Vibrato depth</source>
        <translation>Vibrato-Tiefe</translation>
    </message>
    <message>
        <source>Vibrato delay</source>
        <translation>Vibrato-Delay</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Hall</translation>
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
        <translation>%1 (Controller %2): %3 — Rechtsklick wählt einen anderen Controller</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Other controller…</source>
        <translation>Anderer Controller…</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Controller number (1–119; not 6, 32, 38, 64 or 96–101, which Tinkella sends itself):</source>
        <translation>Controller-Nummer (1–119; nicht 6, 32, 38, 64 oder 96–101, die Tinkella selbst sendet):</translation>
    </message>
</context>
<context>
    <name>tinkella::app::AppDelegate</name>
    <message>
        <source>About Tinkella</source>
        <translation>Über Tinkella</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;A 120-key piano keyboard for the touch strip and the mouse, sending every note out of the MIDI source &quot;Tinkella&quot;.&lt;br&gt;&lt;br&gt;Sound by the FluidSynth synthesiser with the system&apos;s General MIDI sound font.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;By Quorvin.</source>
        <translation>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;Eine Klaviatur mit 120 Tasten für die Touch-Leiste und die Maus, die jede Note über die MIDI-Quelle „Tinkella“ sendet.&lt;br&gt;&lt;br&gt;Klang vom Synthesizer FluidSynth mit der General-MIDI-Soundfont des Systems.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;Von Quorvin.</translation>
    </message>
    <message>
        <source>While the piano window is active, two rows of the computer keyboard play an octave and a half. Keys count by where they are, not by their labels, so any layout plays alike; the letters are those of a US keyboard.</source>
        <translation>Solange das Klavierfenster aktiv ist, spielen zwei Reihen der Computertastatur anderthalb Oktaven. Es zählt die Lage der Tasten, nicht ihre Beschriftung, daher spielt jede Tastaturbelegung gleich; die Buchstaben sind die einer US-Tastatur.</translation>
    </message>
    <message>
        <source>%1 up to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Computer Keyboard</source>
        <translation>Computertastatur</translation>
    </message>
    <message>
        <source>octave down / up</source>
        <translation>Oktave tiefer / höher</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>Haltepedal, solange gedrückt</translation>
    </message>
    <message>
        <source>panic: every note stops</source>
        <translation>Panik: alle Noten verstummen</translation>
    </message>
</context>
<context>
    <name>tinkella::app::GeneralTab</name>
    <message>
        <source>Send MIDI events only</source>
        <translation>Nur MIDI-Ereignisse senden</translation>
    </message>
    <message>
        <source>Use built-in synthesiser only</source>
        <translation>Nur eingebauten Synthesizer nutzen</translation>
    </message>
    <message>
        <source>Enable both</source>
        <translation>Beides aktivieren</translation>
    </message>
    <message>
        <source>Notes go only to other programs, through the MIDI port Tinkella</source>
        <translation>Noten gehen nur an andere Programme, über den MIDI-Port Tinkella</translation>
    </message>
    <message>
        <source>Notes sound only from the built-in synthesiser</source>
        <translation>Noten erklingen nur im eingebauten Synthesizer</translation>
    </message>
    <message>
        <source>Notes sound from the built-in synthesiser and go to other programs</source>
        <translation>Noten erklingen im eingebauten Synthesizer und gehen an andere Programme</translation>
    </message>
    <message>
        <source>Include black keys in Touch Bar glissando</source>
        <translation>Glissando auf der Leiste mit schwarzen Tasten</translation>
    </message>
    <message>
        <source>Velocity from touch position</source>
        <translation>Anschlagstärke aus Berührungsposition</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>The General MIDI instrument the built-in synthesiser plays</source>
        <translation>Das General-MIDI-Instrument, das der eingebaute Synthesizer spielt</translation>
    </message>
    <message>
        <source>Sound font</source>
        <translation>Soundfont</translation>
    </message>
    <message>
        <source>The sound font the built-in synthesiser plays from; Other… chooses a file</source>
        <translation>Die Soundfont, aus der der eingebaute Synthesizer spielt; Andere… wählt eine Datei</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Oktave</translation>
    </message>
    <message>
        <source>Scrolls the keyboard along its 120 keys</source>
        <translation>Verschiebt die Klaviatur entlang ihrer 120 Tasten</translation>
    </message>
    <message>
        <source>Key size</source>
        <translation>Tastengröße</translation>
    </message>
    <message>
        <source>The width of the keys on the strip and in the piano window</source>
        <translation>Die Breite der Tasten auf der Leiste und im Klavierfenster</translation>
    </message>
    <message>
        <source>Black key area on Touch Bar</source>
        <translation>Schwarze Tasten auf Leiste</translation>
    </message>
    <message>
        <source>How wide the touch zone of a black key on the strip is</source>
        <translation>Wie breit die Berührungszone einer schwarzen Taste auf der Leiste ist</translation>
    </message>
    <message>
        <source>A finger sliding along the strip also plays the black keys it crosses</source>
        <translation>Ein Finger, der über die Leiste gleitet, spielt auch die schwarzen Tasten, die er überquert</translation>
    </message>
    <message>
        <source>Louder near a key&apos;s front edge, softer towards its back</source>
        <translation>Lauter nahe der Vorderkante einer Taste, leiser zu ihrem hinteren Ende hin</translation>
    </message>
    <message>
        <source>Tinkella can control GarageBand and other apps</source>
        <translation>Tinkella kann GarageBand und andere Apps steuern</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardAidsGroup</name>
    <message>
        <source>Keyboard</source>
        <translation>Klaviatur</translation>
    </message>
    <message>
        <source>Name the chord being played</source>
        <translation>Gespielten Akkord benennen</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> Halbtöne</translation>
    </message>
    <message>
        <source>Key names</source>
        <translation>Tastennamen</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Transponieren</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Tonleiter</translation>
    </message>
    <message>
        <source>What the keys are labelled with</source>
        <translation>Womit die Tasten beschriftet sind</translation>
    </message>
    <message>
        <source>Semitones added to every note you play</source>
        <translation>Halbtöne, die zu jeder gespielten Note addiert werden</translation>
    </message>
    <message>
        <source>Scale root</source>
        <translation>Grundton</translation>
    </message>
    <message>
        <source>The root of the scale shown on the keys</source>
        <translation>Der Grundton der auf den Tasten gezeigten Tonleiter</translation>
    </message>
    <message>
        <source>Keys outside the scale are drawn dimmer; nothing played changes</source>
        <translation>Tasten außerhalb der Tonleiter werden dunkler gezeichnet; am Spiel ändert sich nichts</translation>
    </message>
    <message>
        <source>The piano window names the chord or interval that sounds</source>
        <translation>Das Klavierfenster benennt den erklingenden Akkord oder das Intervall</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardTab</name>
    <message>
        <source>High contrast keys</source>
        <translation>Tasten mit hohem Kontrast</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>MPE</source>
        <translation>MPE</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Ausdruck</translation>
    </message>
    <message>
        <source>Off, or MPE: each note on a MIDI channel of its own, bent by sliding along the keys</source>
        <translation>Aus, oder MPE: jede Note auf einem eigenen MIDI-Kanal, gebogen durch Gleiten entlang der Tasten</translation>
    </message>
    <message>
        <source>Black and white keys with strong outlines; your keys light in orange, notes from MIDI in in blue</source>
        <translation>Schwarze und weiße Tasten mit kräftigen Umrissen; Ihre Tasten leuchten orange, Noten vom MIDI-Eingang blau</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klaviatur</translation>
    </message>
</context>
<context>
    <name>tinkella::app::MidiTab</name>
    <message>
        <source>Send the instrument as program and bank</source>
        <translation>Instrument als Program und Bank senden</translation>
    </message>
    <message>
        <source>Show pitch-bend and modulation wheels</source>
        <translation>Pitch-Bend- und Modulationsrad zeigen</translation>
    </message>
    <message>
        <source>Show controller knobs</source>
        <translation>Controller-Regler zeigen</translation>
    </message>
    <message>
        <source>The MIDI channel your notes, pedal, wheels and knobs go out on, and the built-in synthesiser plays (with MPE off)</source>
        <translation>Der MIDI-Kanal, auf dem Ihre Noten, Pedal, Räder und Regler ausgehen und den der eingebaute Synthesizer spielt (bei MPE aus)</translation>
    </message>
    <message>
        <source>The velocity of every note while &quot;Velocity from touch position&quot; is off, and of the computer keyboard&apos;s notes always</source>
        <translation>Die Anschlagstärke jeder Note, solange „Anschlagstärke aus Berührungsposition“ aus ist, und stets die der Noten von der Computertastatur</translation>
    </message>
    <message>
        <source>Also sends the instrument chosen on the General tab to the MIDI output: bank select, then program change, when chosen, at start and when a program connects</source>
        <translation>Sendet das im Reiter Allgemein gewählte Instrument auch an den MIDI-Ausgang: Bank Select, dann Program Change, bei der Wahl, beim Start und wenn sich ein Programm verbindet</translation>
    </message>
    <message>
        <source>The bank sent before the program (controllers 0 and 32)</source>
        <translation>Die vor dem Program gesendete Bank (Controller 0 und 32)</translation>
    </message>
    <message>
        <source>Pitch-bend and modulation wheels at the left end of the piano window, played with the mouse or a finger</source>
        <translation>Pitch-Bend- und Modulationsrad am linken Ende des Klavierfensters, gespielt mit der Maus oder einem Finger</translation>
    </message>
    <message>
        <source>How far the pitch wheel bends at either end (sent as registered parameter 0)</source>
        <translation>Wie weit das Pitch-Bend-Rad an jedem Ende biegt (gesendet als Registered Parameter 0)</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> Halbtöne</translation>
    </message>
    <message>
        <source>Eight controller knobs above the keys; right-click a knob to choose its controller</source>
        <translation>Acht Controller-Regler über den Tasten; ein Rechtsklick auf einen Regler wählt seinen Controller</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Anschlagstärke</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Bend-Bereich</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>The General MIDI instrument the keys below the split play</source>
        <translation>Das General-MIDI-Instrument, das die Tasten unter der Teilung spielen</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Teilung</translation>
    </message>
    <message>
        <source>Split instrument</source>
        <translation>Teilungsinstrument</translation>
    </message>
    <message>
        <source>The keys below this note play the split instrument: with MPE off on the channel after yours, with MPE on in the lower zone, the keys above it in the upper zone</source>
        <translation>Die Tasten unter dieser Note spielen das Teilungsinstrument: ohne MPE auf dem Kanal nach Ihrem, mit MPE in der unteren Zone, die Tasten darüber in der oberen Zone</translation>
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
        <translation>Aus</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>Absolut</translation>
    </message>
    <message>
        <source>Relative</source>
        <translation>Relativ</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Untere</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>Obere</translation>
    </message>
    <message>
        <source>Pitch-bend range of the member channels, in semitones either way</source>
        <translation>Pitch-Bend-Bereich der Mitgliedskanäle, in Halbtönen nach beiden Seiten</translation>
    </message>
    <message>
        <source>How fast a resting finger&apos;s pitch glides to the centre of its key</source>
        <translation>Wie schnell die Tonhöhe eines ruhenden Fingers zur Mitte seiner Taste gleitet</translation>
    </message>
    <message>
        <source>Controller 74: from where the finger is along the key, or from where it touched down</source>
        <translation>Controller 74: danach, wo der Finger auf der Taste liegt, oder wo er aufgesetzt hat</translation>
    </message>
    <message>
        <source>Member channels of the zone</source>
        <translation>Die Mitgliedskanäle der Zone</translation>
    </message>
    <message>
        <source>Pitch rounding</source>
        <translation>Rundung</translation>
    </message>
    <message>
        <source>Timbre</source>
        <translation>Klangfarbe</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Bend-Bereich</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Kanäle</translation>
    </message>
</context>
<context>
    <name>tinkella::app::SoundFontChooser</name>
    <message>
        <source>System GM font</source>
        <translation>System-GM-Soundfont</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Andere…</translation>
    </message>
    <message>
        <source>system GM font plays</source>
        <translation>System-GM-Soundfont spielt</translation>
    </message>
    <message>
        <source>font in use kept</source>
        <translation>bisherige Soundfont bleibt</translation>
    </message>
    <message>
        <source>Choose a Sound Font</source>
        <translation>Soundfont wählen</translation>
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
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Einstellungsseiten</translation>
    </message>
    <message>
        <source>Tinkella by Quorvin</source>
        <translation>Tinkella von Quorvin</translation>
    </message>
</context>
</TS>
