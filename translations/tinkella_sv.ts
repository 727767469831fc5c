<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Tinkella</source>
        <translation>Tinkella</translation>
    </message>
    <message>
        <source>Piano Keyboard</source>
        <translation>Pianoklaviatur</translation>
    </message>
    <message>
        <source>Play a 120-key piano on the touch strip and with the mouse, and send the notes to other music programs</source>
        <translation>Spela ett piano med 120 tangenter på pekremsan och med musen, och skicka tonerna till andra musikprogram</translation>
    </message>
    <message>
        <source>piano;keyboard;MIDI;synthesiser;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ending in &apos;;&apos;</extracomment>
        <translation>piano;klaviatur;tangentbord;MIDI;synt;synthesizer;keyboard;</translation>
    </message>
    <message>
        <source>Play a 120-key piano with several fingers and send the notes to other music programs</source>
        <translation>Spela ett piano med 120 tangenter med flera fingrar och skicka tonerna till andra musikprogram</translation>
    </message>
    <message>
        <source>Tinkella is a piano keyboard of 120 keys that you play with several fingers at once on a touch strip along the bottom of the screen and with the mouse in a scrolling window.</source>
        <translation>Tinkella är en pianoklaviatur med 120 tangenter som du spelar med flera fingrar samtidigt på en pekremsa längst ner på skärmen och med musen i ett rullande fönster.</translation>
    </message>
    <message>
        <source>It sounds through a built-in General MIDI synthesiser and sends every note out of a virtual MIDI port named Tinkella, on the ALSA sequencer or on JACK, so that other music programs can record from it.</source>
        <translation>Det låter genom en inbyggd General MIDI-synt och skickar varje ton ut genom en virtuell MIDI-port som heter Tinkella, på ALSA-sekvenseraren eller på JACK, så att andra musikprogram kan spela in från den.</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Tinkella Help</source>
        <translation>Hjälp för Tinkella</translation>
    </message>
    <message>
        <source>The manual is not built into this copy; see man tinkella.</source>
        <translation>Handboken är inte inbyggd i den här kopian; se man tinkella.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tangentbordsgenvägar</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Spela</translation>
    </message>
    <message>
        <source>play from the octave&apos;s C up</source>
        <translation>spela från oktavens C och uppåt</translation>
    </message>
    <message>
        <source>play the octave above</source>
        <translation>spela oktaven ovanför</translation>
    </message>
    <message>
        <source>computer keyboard an octave down / up</source>
        <translation>datortangentbordet en oktav ner / upp</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Blanksteg</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>sustain, medan den hålls</translation>
    </message>
    <message>
        <source>panic: every note stops (piano window)</source>
        <translation>panik: alla toner tystnar (pianofönstret)</translation>
    </message>
    <message>
        <source>move between the controls of a window</source>
        <translation>flytta mellan ett fönsters kontroller</translation>
    </message>
    <message>
        <source>open the menus (piano window)</source>
        <translation>öppna menyerna (pianofönstret)</translation>
    </message>
</context>
<context>
    <name>KeyboardAccessibility</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 till %2</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>Pianoklaviatur</translation>
    </message>
    <message>
        <source>Touch strip keyboard</source>
        <translation>Pekremsans klaviatur</translation>
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
        <translation>Om Tinkella</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Inställningar…</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Tjänster</translation>
    </message>
    <message>
        <source>Hide Tinkella</source>
        <translation>Göm Tinkella</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>Göm övriga</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Visa alla</translation>
    </message>
    <message>
        <source>Quit Tinkella</source>
        <translation>Avsluta Tinkella</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fönster</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimera</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Maximera</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Lägg alla överst</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>Sustain</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Panik</translation>
    </message>
    <message>
        <source>Computer Keyboard…</source>
        <translation>Datortangentbord…</translation>
    </message>
    <message>
        <source>Save Last Performance…</source>
        <translation>Spara det senast spelade…</translation>
    </message>
    <message>
        <source>Transpose Up</source>
        <translation>Transponera uppåt</translation>
    </message>
    <message>
        <source>Transpose Down</source>
        <translation>Transponera nedåt</translation>
    </message>
    <message>
        <source>Reset Transpose</source>
        <translation>Återställ transponering</translation>
    </message>
    <message>
        <source>Scroll Left an Octave</source>
        <translation>En oktav åt vänster</translation>
    </message>
    <message>
        <source>Scroll Right an Octave</source>
        <translation>En oktav åt höger</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Tinkella Help</source>
        <translation>Hjälp för Tinkella</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tangentbordsgenvägar</translation>
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
        <translation>Spara det senast spelade</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation>MIDI-filer (*.mid *.midi)</translation>
    </message>
    <message>
        <source>The last performance could not be saved to %1: %2</source>
        <translation>Det senast spelade kunde inte sparas till %1: %2</translation>
    </message>
</context>
<context>
    <name>PianoWindowController</name>
    <message>
        <source>Tinkella — Transpose %1</source>
        <translation>Tinkella — transponering %1</translation>
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
        <translation>Pitch bend: dra uppåt eller nedåt, eller Upp / Ned med fokus; fjädrar tillbaka till mitten när den släpps</translation>
    </message>
    <message>
        <source>Modulation (controller 1): drag up or down, or Up / Down with the focus; stays where it is left</source>
        <translation>Modulering (controller 1): dra uppåt eller nedåt, eller Upp / Ned med fokus; stannar där den släpps</translation>
    </message>
    <message>
        <source>Pitch bend wheel</source>
        <translation>Pitch bend-hjul</translation>
    </message>
    <message>
        <source>Modulation wheel</source>
        <translation>Moduleringshjul</translation>
    </message>
</context>
<context>
    <name>tinkella::ControllerKnobs</name>
    <message>
        <source>Modulation</source>
        <translation>Modulering</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Andning</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Fotpedal</translation>
    </message>
    <message>
        <source>Portamento time</source>
        <translation>Portamentotid</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volym</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balans</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Panorering</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Resonance</source>
        <translation>Resonans</translation>
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
        <translation>Ljushet</translation>
    </message>
    <message>
        <source>Decay</source>
        <translation>Decay</translation>
    </message>
    <message>
        <source>Vibrato rate</source>
        <translation>Vibratohastighet</translation>
    </message>
    <message>
        <source>Vibrato depth</source>
        <translation>Vibratodjup</translation>
    </message>
    <message>
        <source>Vibrato delay</source>
        <translation>Vibratofördröjning</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Reverb</translation>
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
        <translation>%1 (controller %2): %3 — högerklicka för att välja en annan controller</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Other controller…</source>
        <translation>Annan controller…</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Controller number (1–119; not 6, 32, 38, 64 or 96–101, which Tinkella sends itself):</source>
        <translation>Controllernummer (1–119; inte 6, 32, 38, 64 eller 96–101, som Tinkella skickar själv):</translation>
    </message>
</context>
<context>
    <name>tinkella::app::AppDelegate</name>
    <message>
        <source>About Tinkella</source>
        <translation>Om Tinkella</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;A 120-key piano keyboard for the touch strip and the mouse, sending every note out of the MIDI source &quot;Tinkella&quot;.&lt;br&gt;&lt;br&gt;Sound by the FluidSynth synthesiser with the system&apos;s General MIDI sound font.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;By Quorvin.</source>
        <translation>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;En pianoklaviatur med 120 tangenter för pekremsan och musen, som skickar varje ton ut från MIDI-källan ”Tinkella”.&lt;br&gt;&lt;br&gt;Ljud från synten FluidSynth med systemets General MIDI-ljudbank.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;Av Quorvin.</translation>
    </message>
    <message>
        <source>While the piano window is active, two rows of the computer keyboard play an octave and a half. Keys count by where they are, not by their labels, so any layout plays alike; the letters are those of a US keyboard.</source>
        <translation>Medan pianofönstret är aktivt spelar två rader av datortangentbordet en och en halv oktav. Tangenterna räknas efter var de sitter, inte efter vad som står på dem, så alla layouter spelar likadant; bokstäverna är de på ett amerikanskt tangentbord.</translation>
    </message>
    <message>
        <source>%1 up to %2</source>
        <translation>%1 till %2</translation>
    </message>
    <message>
        <source>Computer Keyboard</source>
        <translation>Datortangentbord</translation>
    </message>
    <message>
        <source>octave down / up</source>
        <translation>oktav ner / upp</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Blanksteg</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>sustain, medan den hålls</translation>
    </message>
    <message>
        <source>panic: every note stops</source>
        <translation>panik: alla toner tystnar</translation>
    </message>
</context>
<context>
    <name>tinkella::app::GeneralTab</name>
    <message>
        <source>Send MIDI events only</source>
        <translation>Skicka bara MIDI-händelser</translation>
    </message>
    <message>
        <source>Use built-in synthesiser only</source>
        <translation>Bara den inbyggda synten</translation>
    </message>
    <message>
        <source>Enable both</source>
        <translation>Aktivera båda</translation>
    </message>
    <message>
        <source>Notes go only to other programs, through the MIDI port Tinkella</source>
        <translation>Tonerna går bara till andra program, genom MIDI-porten Tinkella</translation>
    </message>
    <message>
        <source>Notes sound only from the built-in synthesiser</source>
        <translation>Tonerna låter bara i den inbyggda synten</translation>
    </message>
    <message>
        <source>Notes sound from the built-in synthesiser and go to other programs</source>
        <translation>Tonerna låter i den inbyggda synten och går till andra program</translation>
    </message>
    <message>
        <source>Include black keys in Touch Bar glissando</source>
        <translation>Svarta tangenter i glissando på remsan</translation>
    </message>
    <message>
        <source>Velocity from touch position</source>
        <translation>Anslagsstyrka från pekposition</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>The General MIDI instrument the built-in synthesiser plays</source>
        <translation>Det General MIDI-instrument som den inbyggda synten spelar</translation>
    </message>
    <message>
        <source>Sound font</source>
        <translation>Ljudbank</translation>
    </message>
    <message>
        <source>The sound font the built-in synthesiser plays from; Other… chooses a file</source>
        <translation>Ljudbanken som den inbyggda synten spelar från; Annan… väljer en fil</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Oktav</translation>
    </message>
    <message>
        <source>Scrolls the keyboard along its 120 keys</source>
        <translation>Rullar klaviaturen längs dess 120 tangenter</translation>
    </message>
    <message>
        <source>Key size</source>
        <translation>Tangentstorlek</translation>
    </message>
    <message>
        <source>The width of the keys on the strip and in the piano window</source>
        <translation>Tangenternas bredd på remsan och i pianofönstret</translation>
    </message>
    <message>
        <source>Black key area on Touch Bar</source>
        <translation>Svarta tangenter på remsan</translation>
    </message>
    <message>
        <source>How wide the touch zone of a black key on the strip is</source>
        <translation>Hur bred en svart tangents pekzon på remsan är</translation>
    </message>
    <message>
        <source>A finger sliding along the strip also plays the black keys it crosses</source>
        <translation>Ett finger som glider längs remsan spelar också de svarta tangenter det passerar</translation>
    </message>
    <message>
        <source>Louder near a key&apos;s front edge, softer towards its back</source>
        <translation>Starkare nära en tangents framkant, svagare mot dess bakre del</translation>
    </message>
    <message>
        <source>Tinkella can control GarageBand and other apps</source>
        <translation>Tinkella kan styra GarageBand och andra appar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
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
        <translation>Namnge ackordet som spelas</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> halvtoner</translation>
    </message>
    <message>
        <source>Key names</source>
        <translation>Tangentnamn</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Transponera</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>What the keys are labelled with</source>
        <translation>Vad tangenterna märks med</translation>
    </message>
    <message>
        <source>Semitones added to every note you play</source>
        <translation>Halvtoner som läggs till varje ton du spelar</translation>
    </message>
    <message>
        <source>Scale root</source>
        <translation>Grundton</translation>
    </message>
    <message>
        <source>The root of the scale shown on the keys</source>
        <translation>Grundtonen för skalan som visas på tangenterna</translation>
    </message>
    <message>
        <source>Keys outside the scale are drawn dimmer; nothing played changes</source>
        <translation>Tangenter utanför skalan ritas dovare; inget av det som spelas ändras</translation>
    </message>
    <message>
        <source>The piano window names the chord or interval that sounds</source>
        <translation>Pianofönstret namnger ackordet eller intervallet som klingar</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardTab</name>
    <message>
        <source>High contrast keys</source>
        <translation>Tangenter med hög kontrast</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>MPE</source>
        <translation>MPE</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Uttryck</translation>
    </message>
    <message>
        <source>Off, or MPE: each note on a MIDI channel of its own, bent by sliding along the keys</source>
        <translation>Av, eller MPE: varje ton på en egen MIDI-kanal, böjd genom att glida längs tangenterna</translation>
    </message>
    <message>
        <source>Black and white keys with strong outlines; your keys light in orange, notes from MIDI in in blue</source>
        <translation>Svarta och vita tangenter med tydliga konturer; dina tangenter lyser orange, toner från MIDI in blått</translation>
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
        <translation>Skicka instrumentet som program och bank</translation>
    </message>
    <message>
        <source>Show pitch-bend and modulation wheels</source>
        <translation>Visa pitch bend- och moduleringshjul</translation>
    </message>
    <message>
        <source>Show controller knobs</source>
        <translation>Visa controllerrattar</translation>
    </message>
    <message>
        <source>The MIDI channel your notes, pedal, wheels and knobs go out on, and the built-in synthesiser plays (with MPE off)</source>
        <translation>MIDI-kanalen som dina toner, pedal, hjul och rattar går ut på och som den inbyggda synten spelar (med MPE av)</translation>
    </message>
    <message>
        <source>The velocity of every note while &quot;Velocity from touch position&quot; is off, and of the computer keyboard&apos;s notes always</source>
        <translation>Anslagsstyrkan för varje ton medan ”Anslagsstyrka från pekposition” är av, och alltid för datortangentbordets toner</translation>
    </message>
    <message>
        <source>Also sends the instrument chosen on the General tab to the MIDI output: bank select, then program change, when chosen, at start and when a program connects</source>
        <translation>Skickar även instrumentet som valts på fliken Allmänt till MIDI-utgången: bank select, sedan program change, när det väljs, vid start och när ett program ansluter</translation>
    </message>
    <message>
        <source>The bank sent before the program (controllers 0 and 32)</source>
        <translation>Banken som skickas före programmet (controller 0 och 32)</translation>
    </message>
    <message>
        <source>Pitch-bend and modulation wheels at the left end of the piano window, played with the mouse or a finger</source>
        <translation>Pitch bend- och moduleringshjul vid pianofönstrets vänstra ände, spelade med musen eller ett finger</translation>
    </message>
    <message>
        <source>How far the pitch wheel bends at either end (sent as registered parameter 0)</source>
        <translation>Hur långt pitch bend-hjulet böjer i vardera änden (skickas som registrerad parameter 0)</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> halvtoner</translation>
    </message>
    <message>
        <source>Eight controller knobs above the keys; right-click a knob to choose its controller</source>
        <translation>Åtta controllerrattar ovanför tangenterna; högerklicka på en ratt för att välja dess controller</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Anslagsstyrka</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Bend-omfång</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>The General MIDI instrument the keys below the split play</source>
        <translation>General MIDI-instrumentet som tangenterna under delningen spelar</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Delning</translation>
    </message>
    <message>
        <source>Split instrument</source>
        <translation>Delningsinstrument</translation>
    </message>
    <message>
        <source>The keys below this note play the split instrument: with MPE off on the channel after yours, with MPE on in the lower zone, the keys above it in the upper zone</source>
        <translation>Tangenterna under den här tonen spelar delningsinstrumentet: med MPE av på kanalen efter din, med MPE på i den nedre zonen, tangenterna ovanför i den övre zonen</translation>
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
        <translation>Av</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Långsam</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medel</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Snabb</translation>
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
        <translation>Nedre</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>Övre</translation>
    </message>
    <message>
        <source>Pitch-bend range of the member channels, in semitones either way</source>
        <translation>Medlemskanalernas pitch bend-omfång, i halvtoner åt vardera hållet</translation>
    </message>
    <message>
        <source>How fast a resting finger&apos;s pitch glides to the centre of its key</source>
        <translation>Hur snabbt tonhöjden för ett vilande finger glider till mitten av dess tangent</translation>
    </message>
    <message>
        <source>Controller 74: from where the finger is along the key, or from where it touched down</source>
        <translation>Controller 74: från var fingret är längs tangenten, eller från där det landade</translation>
    </message>
    <message>
        <source>Member channels of the zone</source>
        <translation>Zonens medlemskanaler</translation>
    </message>
    <message>
        <source>Pitch rounding</source>
        <translation>Avrundning</translation>
    </message>
    <message>
        <source>Timbre</source>
        <translation>Klangfärg</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zon</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Bend-omfång</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Kanaler</translation>
    </message>
</context>
<context>
    <name>tinkella::app::SoundFontChooser</name>
    <message>
        <source>System GM font</source>
        <translation>Systemets GM-ljudbank</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Annan…</translation>
    </message>
    <message>
        <source>system GM font plays</source>
        <translation>systemets GM-ljudbank spelar</translation>
    </message>
    <message>
        <source>font in use kept</source>
        <translation>ljudbanken i bruk behålls</translation>
    </message>
    <message>
        <source>Choose a Sound Font</source>
        <translation>Välj en ljudbank</translation>
    </message>
    <message>
        <source>Sound fonts (*.sf2 *.sf3)</source>
        <translation>Ljudbanker (*.sf2 *.sf3)</translation>
    </message>
</context>
<context>
    <name>tinkella::app::WindowController</name>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Inställningssidor</translation>
    </message>
    <message>
        <source>Tinkella by Quorvin</source>
        <translation>Tinkella av Quorvin</translation>
    </message>
</context>
</TS>
