<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Tinkella</source>
        <translation>Tinkella</translation>
    </message>
    <message>
        <source>Piano Keyboard</source>
        <translation>Klawiatura fortepianowa</translation>
    </message>
    <message>
        <source>Play a 120-key piano on the touch strip and with the mouse, and send the notes to other music programs</source>
        <translation>Graj na pianinie o 120 klawiszach na pasku dotykowym i myszą oraz wysyłaj nuty do innych programów muzycznych</translation>
    </message>
    <message>
        <source>piano;keyboard;MIDI;synthesiser;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ending in &apos;;&apos;</extracomment>
        <translation>pianino;fortepian;klawiatura;MIDI;syntezator;piano;keyboard;</translation>
    </message>
    <message>
        <source>Play a 120-key piano with several fingers and send the notes to other music programs</source>
        <translation>Graj na pianinie o 120 klawiszach kilkoma palcami i wysyłaj nuty do innych programów muzycznych</translation>
    </message>
    <message>
        <source>Tinkella is a piano keyboard of 120 keys that you play with several fingers at once on a touch strip along the bottom of the screen and with the mouse in a scrolling window.</source>
        <translation>Tinkella to klawiatura fortepianowa o 120 klawiszach, na której gra się kilkoma palcami naraz na pasku dotykowym u dołu ekranu oraz myszą w przewijanym oknie.</translation>
    </message>
    <message>
        <source>It sounds through a built-in General MIDI synthesiser and sends every note out of a virtual MIDI port named Tinkella, on the ALSA sequencer or on JACK, so that other music programs can record from it.</source>
        <translation>Brzmi przez wbudowany syntezator General MIDI i wysyła każdą nutę przez wirtualny port MIDI o nazwie Tinkella, w sekwencerze ALSA lub w JACK, aby inne programy muzyczne mogły ją nagrywać.</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Tinkella Help</source>
        <translation>Pomoc programu Tinkella</translation>
    </message>
    <message>
        <source>The manual is not built into this copy; see man tinkella.</source>
        <translation>Podręcznik nie jest wbudowany w tę kopię; zob. man tinkella.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Skróty klawiszowe</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Granie</translation>
    </message>
    <message>
        <source>play from the octave&apos;s C up</source>
        <translation>granie od C danej oktawy w górę</translation>
    </message>
    <message>
        <source>play the octave above</source>
        <translation>granie oktawę wyżej</translation>
    </message>
    <message>
        <source>computer keyboard an octave down / up</source>
        <translation>klawiatura komputera o oktawę niżej / wyżej</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spacja</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>sustain, dopóki wciśnięta</translation>
    </message>
    <message>
        <source>panic: every note stops (piano window)</source>
        <translation>panika: wszystkie nuty milkną (okno pianina)</translation>
    </message>
    <message>
        <source>move between the controls of a window</source>
        <translation>przechodzenie między elementami okna</translation>
    </message>
    <message>
        <source>open the menus (piano window)</source>
        <translation>otwarcie menu (okno pianina)</translation>
    </message>
</context>
<context>
    <name>KeyboardAccessibility</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>Klawiatura pianina</translation>
    </message>
    <message>
        <source>Touch strip keyboard</source>
        <translation>Klawiatura paska dotykowego</translation>
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
        <translation>O programie Tinkella</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ustawienia…</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Usługi</translation>
    </message>
    <message>
        <source>Hide Tinkella</source>
        <translation>Ukryj Tinkella</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>Ukryj pozostałe</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Pokaż wszystkie</translation>
    </message>
    <message>
        <source>Quit Tinkella</source>
        <translation>Zakończ Tinkella</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Zminimalizuj</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zmaksymalizuj</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Wszystkie na wierzch</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>Sustain</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Panika</translation>
    </message>
    <message>
        <source>Computer Keyboard…</source>
        <translation>Klawiatura komputera…</translation>
    </message>
    <message>
        <source>Save Last Performance…</source>
        <translation>Zapisz ostatnie wykonanie…</translation>
    </message>
    <message>
        <source>Transpose Up</source>
        <translation>Transponuj w górę</translation>
    </message>
    <message>
        <source>Transpose Down</source>
        <translation>Transponuj w dół</translation>
    </message>
    <message>
        <source>Reset Transpose</source>
        <translation>Wyzeruj transpozycję</translation>
    </message>
    <message>
        <source>Scroll Left an Octave</source>
        <translation>Oktawa w lewo</translation>
    </message>
    <message>
        <source>Scroll Right an Octave</source>
        <translation>Oktawa w prawo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Tinkella Help</source>
        <translation>Pomoc programu Tinkella</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Skróty klawiszowe</translation>
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
        <translation>Zapisz ostatnie wykonanie</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation>Pliki MIDI (*.mid *.midi)</translation>
    </message>
    <message>
        <source>The last performance could not be saved to %1: %2</source>
        <translation>Nie udało się zapisać ostatniego wykonania w %1: %2</translation>
    </message>
</context>
<context>
    <name>PianoWindowController</name>
    <message>
        <source>Tinkella — Transpose %1</source>
        <translation>Tinkella — transpozycja %1</translation>
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
        <translation>Pitch bend: przeciągnij w górę lub w dół albo Góra / Dół przy fokusie; po puszczeniu wraca do środka</translation>
    </message>
    <message>
        <source>Modulation (controller 1): drag up or down, or Up / Down with the focus; stays where it is left</source>
        <translation>Modulacja (kontroler 1): przeciągnij w górę lub w dół albo Góra / Dół przy fokusie; zostaje tam, gdzie puszczona</translation>
    </message>
    <message>
        <source>Pitch bend wheel</source>
        <translation>Kółko pitch bend</translation>
    </message>
    <message>
        <source>Modulation wheel</source>
        <translation>Kółko modulacji</translation>
    </message>
</context>
<context>
    <name>tinkella::ControllerKnobs</name>
    <message>
        <source>Modulation</source>
        <translation>Modulacja</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Oddech</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Pedał</translation>
    </message>
    <message>
        <source>Portamento time</source>
        <translation>Czas portamento</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
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
        <translation>Ekspresja</translation>
    </message>
    <message>
        <source>Resonance</source>
        <translation>Rezonans</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Wybrzmienie</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Atak</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Decay</source>
        <translation>Zanikanie</translation>
    </message>
    <message>
        <source>Vibrato rate</source>
        <translation>Szybkość vibrato</translation>
    </message>
    <message>
        <source>Vibrato depth</source>
        <translation>Głębokość vibrato</translation>
    </message>
    <message>
        <source>Vibrato delay</source>
        <translation>Opóźnienie vibrato</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Pogłos</translation>
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
        <translation>Odstrojenie</translation>
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
        <translation>%1 (kontroler %2): %3 — prawy przycisk wybiera inny kontroler</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Other controller…</source>
        <translation>Inny kontroler…</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Kontroler</translation>
    </message>
    <message>
        <source>Controller number (1–119; not 6, 32, 38, 64 or 96–101, which Tinkella sends itself):</source>
        <translation>Numer kontrolera (1–119; bez 6, 32, 38, 64 i 96–101, które Tinkella wysyła sama):</translation>
    </message>
</context>
<context>
    <name>tinkella::app::AppDelegate</name>
    <message>
        <source>About Tinkella</source>
        <translation>O programie Tinkella</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;A 120-key piano keyboard for the touch strip and the mouse, sending every note out of the MIDI source &quot;Tinkella&quot;.&lt;br&gt;&lt;br&gt;Sound by the FluidSynth synthesiser with the system&apos;s General MIDI sound font.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;By Quorvin.</source>
        <translation>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;Klawiatura fortepianowa o 120 klawiszach na pasek dotykowy i mysz, wysyłająca każdą nutę ze źródła MIDI „Tinkella”.&lt;br&gt;&lt;br&gt;Dźwięk z syntezatora FluidSynth z systemowym bankiem brzmień General MIDI.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;Autor: Quorvin.</translation>
    </message>
    <message>
        <source>While the piano window is active, two rows of the computer keyboard play an octave and a half. Keys count by where they are, not by their labels, so any layout plays alike; the letters are those of a US keyboard.</source>
        <translation>Gdy okno pianina jest aktywne, dwa rzędy klawiatury komputera grają półtorej oktawy. Liczy się położenie klawiszy, nie ich napisy, więc każdy układ gra tak samo; litery są te z klawiatury amerykańskiej.</translation>
    </message>
    <message>
        <source>%1 up to %2</source>
        <translation>%1 do %2</translation>
    </message>
    <message>
        <source>Computer Keyboard</source>
        <translation>Klawiatura komputera</translation>
    </message>
    <message>
        <source>octave down / up</source>
        <translation>oktawa niżej / wyżej</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spacja</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>sustain, dopóki wciśnięta</translation>
    </message>
    <message>
        <source>panic: every note stops</source>
        <translation>panika: wszystkie nuty milkną</translation>
    </message>
</context>
<context>
    <name>tinkella::app::GeneralTab</name>
    <message>
        <source>Send MIDI events only</source>
        <translation>Tylko zdarzenia MIDI</translation>
    </message>
    <message>
        <source>Use built-in synthesiser only</source>
        <translation>Tylko wbudowany syntezator</translation>
    </message>
    <message>
        <source>Enable both</source>
        <translation>Włącz oba</translation>
    </message>
    <message>
        <source>Notes go only to other programs, through the MIDI port Tinkella</source>
        <translation>Nuty idą tylko do innych programów, przez port MIDI Tinkella</translation>
    </message>
    <message>
        <source>Notes sound only from the built-in synthesiser</source>
        <translation>Nuty brzmią tylko we wbudowanym syntezatorze</translation>
    </message>
    <message>
        <source>Notes sound from the built-in synthesiser and go to other programs</source>
        <translation>Nuty brzmią we wbudowanym syntezatorze i idą do innych programów</translation>
    </message>
    <message>
        <source>Include black keys in Touch Bar glissando</source>
        <translation>Czarne klawisze w glissandzie na pasku</translation>
    </message>
    <message>
        <source>Velocity from touch position</source>
        <translation>Dynamika z miejsca dotyku</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>The General MIDI instrument the built-in synthesiser plays</source>
        <translation>Instrument General MIDI, na którym gra wbudowany syntezator</translation>
    </message>
    <message>
        <source>Sound font</source>
        <translation>Bank brzmień</translation>
    </message>
    <message>
        <source>The sound font the built-in synthesiser plays from; Other… chooses a file</source>
        <translation>Bank brzmień wbudowanego syntezatora; Inny… wybiera plik</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Oktawa</translation>
    </message>
    <message>
        <source>Scrolls the keyboard along its 120 keys</source>
        <translation>Przewija klawiaturę wzdłuż jej 120 klawiszy</translation>
    </message>
    <message>
        <source>Key size</source>
        <translation>Rozmiar klawiszy</translation>
    </message>
    <message>
        <source>The width of the keys on the strip and in the piano window</source>
        <translation>Szerokość klawiszy na pasku i w oknie pianina</translation>
    </message>
    <message>
        <source>Black key area on Touch Bar</source>
        <translation>Czarne klawisze na pasku</translation>
    </message>
    <message>
        <source>How wide the touch zone of a black key on the strip is</source>
        <translation>Szerokość strefy dotyku czarnego klawisza na pasku</translation>
    </message>
    <message>
        <source>A finger sliding along the strip also plays the black keys it crosses</source>
        <translation>Palec przesuwany po pasku gra też czarne klawisze, przez które przechodzi</translation>
    </message>
    <message>
        <source>Louder near a key&apos;s front edge, softer towards its back</source>
        <translation>Głośniej przy przedniej krawędzi klawisza, ciszej ku jego tyłowi</translation>
    </message>
    <message>
        <source>Tinkella can control GarageBand and other apps</source>
        <translation>Tinkella może sterować GarageBand i innymi aplikacjami</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardAidsGroup</name>
    <message>
        <source>Keyboard</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Name the chord being played</source>
        <translation>Nazywaj grany akord</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> półt.</translation>
    </message>
    <message>
        <source>Key names</source>
        <translation>Nazwy klawiszy</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Transpozycja</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>What the keys are labelled with</source>
        <translation>Czym opisane są klawisze</translation>
    </message>
    <message>
        <source>Semitones added to every note you play</source>
        <translation>Półtony dodawane do każdej granej nuty</translation>
    </message>
    <message>
        <source>Scale root</source>
        <translation>Tonika</translation>
    </message>
    <message>
        <source>The root of the scale shown on the keys</source>
        <translation>Tonika skali pokazanej na klawiszach</translation>
    </message>
    <message>
        <source>Keys outside the scale are drawn dimmer; nothing played changes</source>
        <translation>Klawisze spoza skali są rysowane ciemniej; granie się nie zmienia</translation>
    </message>
    <message>
        <source>The piano window names the chord or interval that sounds</source>
        <translation>Okno pianina nazywa brzmiący akord lub interwał</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardTab</name>
    <message>
        <source>High contrast keys</source>
        <translation>Klawisze o wysokim kontraście</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>MPE</source>
        <translation>MPE</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Ekspresja</translation>
    </message>
    <message>
        <source>Off, or MPE: each note on a MIDI channel of its own, bent by sliding along the keys</source>
        <translation>Wył. lub MPE: każda nuta na własnym kanale MIDI, wyginana przesuwaniem wzdłuż klawiszy</translation>
    </message>
    <message>
        <source>Black and white keys with strong outlines; your keys light in orange, notes from MIDI in in blue</source>
        <translation>Czarne i białe klawisze z wyraźnymi obrysami; twoje klawisze świecą na pomarańczowo, nuty z wejścia MIDI na niebiesko</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klawiatura</translation>
    </message>
</context>
<context>
    <name>tinkella::app::MidiTab</name>
    <message>
        <source>Send the instrument as program and bank</source>
        <translation>Wysyłaj instrument jako program i bank</translation>
    </message>
    <message>
        <source>Show pitch-bend and modulation wheels</source>
        <translation>Pokaż kółka pitch bend i modulacji</translation>
    </message>
    <message>
        <source>Show controller knobs</source>
        <translation>Pokaż pokrętła kontrolerów</translation>
    </message>
    <message>
        <source>The MIDI channel your notes, pedal, wheels and knobs go out on, and the built-in synthesiser plays (with MPE off)</source>
        <translation>Kanał MIDI, którym wychodzą twoje nuty, pedał, kółka i pokrętła i na którym gra wbudowany syntezator (przy wyłączonym MPE)</translation>
    </message>
    <message>
        <source>The velocity of every note while &quot;Velocity from touch position&quot; is off, and of the computer keyboard&apos;s notes always</source>
        <translation>Dynamika każdej nuty, gdy „Dynamika z miejsca dotyku” jest wyłączona, a zawsze nut z klawiatury komputera</translation>
    </message>
    <message>
        <source>Also sends the instrument chosen on the General tab to the MIDI output: bank select, then program change, when chosen, at start and when a program connects</source>
        <translation>Wysyła też na wyjście MIDI instrument wybrany na karcie Ogólne: bank select, potem program change — przy wyborze, przy starcie i gdy program się połączy</translation>
    </message>
    <message>
        <source>The bank sent before the program (controllers 0 and 32)</source>
        <translation>Bank wysyłany przed programem (kontrolery 0 i 32)</translation>
    </message>
    <message>
        <source>Pitch-bend and modulation wheels at the left end of the piano window, played with the mouse or a finger</source>
        <translation>Kółka pitch bend i modulacji przy lewym końcu okna pianina, obsługiwane myszą lub palcem</translation>
    </message>
    <message>
        <source>How far the pitch wheel bends at either end (sent as registered parameter 0)</source>
        <translation>Jak daleko kółko pitch bend wygina na każdym końcu (wysyłane jako parametr rejestrowany 0)</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> półt.</translation>
    </message>
    <message>
        <source>Eight controller knobs above the keys; right-click a knob to choose its controller</source>
        <translation>Osiem pokręteł kontrolerów nad klawiszami; prawy przycisk na pokrętle wybiera jego kontroler</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Dynamika</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Zakres bend</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>The General MIDI instrument the keys below the split play</source>
        <translation>Instrument General MIDI, na którym grają klawisze poniżej podziału</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Podział</translation>
    </message>
    <message>
        <source>Split instrument</source>
        <translation>Drugi instrument</translation>
    </message>
    <message>
        <source>The keys below this note play the split instrument: with MPE off on the channel after yours, with MPE on in the lower zone, the keys above it in the upper zone</source>
        <translation>Klawisze poniżej tej nuty grają drugi instrument: przy wyłączonym MPE na kanale po Twoim, przy włączonym w dolnej strefie, a klawisze powyżej w górnej</translation>
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
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Wolno</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średnio</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Szybko</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>Bezwzgl.</translation>
    </message>
    <message>
        <source>Relative</source>
        <translation>Względny</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Dolna</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>Górna</translation>
    </message>
    <message>
        <source>Pitch-bend range of the member channels, in semitones either way</source>
        <translation>Zakres pitch bend kanałów członkowskich, w półtonach w każdą stronę</translation>
    </message>
    <message>
        <source>How fast a resting finger&apos;s pitch glides to the centre of its key</source>
        <translation>Jak szybko wysokość nieruchomego palca dąży do środka jego klawisza</translation>
    </message>
    <message>
        <source>Controller 74: from where the finger is along the key, or from where it touched down</source>
        <translation>Kontroler 74: od położenia palca wzdłuż klawisza albo od miejsca, gdzie dotknął</translation>
    </message>
    <message>
        <source>Member channels of the zone</source>
        <translation>Kanały członkowskie strefy</translation>
    </message>
    <message>
        <source>Pitch rounding</source>
        <translation>Zaokrąglanie</translation>
    </message>
    <message>
        <source>Timbre</source>
        <translation>Barwa</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Strefa</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Zakres bend</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Kanały</translation>
    </message>
</context>
<context>
    <name>tinkella::app::SoundFontChooser</name>
    <message>
        <source>System GM font</source>
        <translation>Systemowy bank GM</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Inny…</translation>
    </message>
    <message>
        <source>system GM font plays</source>
        <translation>gra systemowy bank GM</translation>
    </message>
    <message>
        <source>font in use kept</source>
        <translation>zostaje obecny bank</translation>
    </message>
    <message>
        <source>Choose a Sound Font</source>
        <translation>Wybierz bank brzmień</translation>
    </message>
    <message>
        <source>Sound fonts (*.sf2 *.sf3)</source>
        <translation>Banki brzmień (*.sf2 *.sf3)</translation>
    </message>
</context>
<context>
    <name>tinkella::app::WindowController</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Strony ustawień</translation>
    </message>
    <message>
        <source>Tinkella by Quorvin</source>
        <translation>Tinkella od Quorvin</translation>
    </message>
</context>
</TS>
