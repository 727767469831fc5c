<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Tinkella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piano Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play a 120-key piano on the touch strip and with the mouse, and send the notes to other music programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>piano;keyboard;MIDI;synthesiser;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ending in &apos;;&apos;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play a 120-key piano with several fingers and send the notes to other music programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tinkella is a piano keyboard of 120 keys that you play with several fingers at once on a touch strip along the bottom of the screen and with the mouse in a scrolling window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It sounds through a built-in General MIDI synthesiser and sends every note out of a virtual MIDI port named Tinkella, on the ALSA sequencer or on JACK, so that other music programs can record from it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Tinkella Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The manual is not built into this copy; see man tinkella.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>play from the octave&apos;s C up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>play the octave above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>computer keyboard an octave down / up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>panic: every note stops (piano window)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move between the controls of a window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open the menus (piano window)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyboardAccessibility</name>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Touch strip keyboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Tinkella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tinkella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Tinkella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Tinkella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer Keyboard…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Last Performance…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transpose Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transpose Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Transpose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Left an Octave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Right an Octave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tinkella Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PerformanceFile</name>
    <message>
        <source>Tinkella %1.mid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Last Performance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last performance could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PianoWindowController</name>
    <message>
        <source>Tinkella — Transpose %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tinkella::app::AppDelegate</name>
    <message>
        <source>About Tinkella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;A 120-key piano keyboard for the touch strip and the mouse, sending every note out of the MIDI source &quot;Tinkella&quot;.&lt;br&gt;&lt;br&gt;Sound by the FluidSynth synthesiser with the system&apos;s General MIDI sound font.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;By Quorvin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While the piano window is active, two rows of the computer keyboard play an octave and a half. Keys count by where they are, not by their labels, so any layout plays alike; the letters are those of a US keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 up to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>octave down / up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>panic: every note stops</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tinkella::app::GeneralTab</name>
    <message>
        <source>Send MIDI events only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use built-in synthesiser only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes go only to other programs, through the MIDI port Tinkella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes sound only from the built-in synthesiser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes sound from the built-in synthesiser and go to other programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include black keys in Touch Bar glissando</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity from touch position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The General MIDI instrument the built-in synthesiser plays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound font the built-in synthesiser plays from; Other… chooses a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Octave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrolls the keyboard along its 120 keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The width of the keys on the strip and in the piano window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black key area on Touch Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How wide the touch zone of a black key on the strip is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A finger sliding along the strip also plays the black keys it crosses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Louder near a key&apos;s front edge, softer towards its back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tinkella can control GarageBand and other apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardAidsGroup</name>
    <message>
        <source>Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name the chord being played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> semitones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the keys are labelled with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semitones added to every note you play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The root of the scale shown on the keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys outside the scale are drawn dimmer; nothing played changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The piano window names the chord or interval that sounds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardTab</name>
    <message>
        <source>High contrast keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off, or MPE: each note on a MIDI channel of its own, bent by sliding along the keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black and white keys with strong outlines; your keys light in orange, notes from MIDI in in blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tinkella::app::SoundFontChooser</name>
    <message>
        <source>System GM font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>system GM font plays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>font in use kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a Sound Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound fonts (*.sf2 *.sf3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tinkella::app::WindowController</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tinkella by Quorvin</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
