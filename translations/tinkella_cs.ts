<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Tinkella</source>
        <translation>Tinkella</translation>
    </message>
    <message>
        <source>Piano Keyboard</source>
        <translation>Klavírní klaviatura</translation>
    </message>
    <message>
        <source>Play a 120-key piano on the touch strip and with the mouse, and send the notes to other music programs</source>
        <translation>Hrajte na klavír se 120 klávesami na dotykovém pruhu a myší a posílejte tóny do jiných hudebních programů</translation>
    </message>
    <message>
        <source>piano;keyboard;MIDI;synthesiser;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ending in &apos;;&apos;</extracomment>
        <translation>klavír;piano;klaviatura;klávesnice;MIDI;syntezátor;keyboard;</translation>
    </message>
    <message>
        <source>Play a 120-key piano with several fingers and send the notes to other music programs</source>
        <translation>Hrajte na klavír se 120 klávesami několika prsty a posílejte tóny do jiných hudebních programů</translation>
    </message>
    <message>
        <source>Tinkella is a piano keyboard of 120 keys that you play with several fingers at once on a touch strip along the bottom of the screen and with the mouse in a scrolling window.</source>
        <translation>Tinkella je klavírní klaviatura se 120 klávesami, na kterou se hraje několika prsty najednou na dotykovém pruhu u dolního okraje obrazovky a myší v posuvném okně.</translation>
    </message>
    <message>
        <source>It sounds through a built-in General MIDI synthesiser and sends every note out of a virtual MIDI port named Tinkella, on the ALSA sequencer or on JACK, so that other music programs can record from it.</source>
        <translation>Zní přes vestavěný syntezátor General MIDI a posílá každý tón virtuálním portem MIDI jménem Tinkella, v sekvenceru ALSA nebo v JACK, aby jej jiné hudební programy mohly nahrávat.</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Tinkella Help</source>
        <translation>Nápověda k Tinkella</translation>
    </message>
    <message>
        <source>The manual is not built into this copy; see man tinkella.</source>
        <translation>Příručka není do této kopie zabudována; viz man tinkella.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Klávesové zkratky</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Hraní</translation>
    </message>
    <message>
        <source>play from the octave&apos;s C up</source>
        <translation>hrát od C oktávy nahoru</translation>
    </message>
    <message>
        <source>play the octave above</source>
        <translation>hrát oktávu výš</translation>
    </message>
    <message>
        <source>computer keyboard an octave down / up</source>
        <translation>klávesnice počítače o oktávu níž / výš</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mezerník</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>sustain, dokud je držena</translation>
    </message>
    <message>
        <source>panic: every note stops (piano window)</source>
        <translation>panika: všechny tóny utichnou (okno klavíru)</translation>
    </message>
    <message>
        <source>move between the controls of a window</source>
        <translation>přechod mezi ovládacími prvky okna</translation>
    </message>
    <message>
        <source>open the menus (piano window)</source>
        <translation>otevřít nabídky (okno klavíru)</translation>
    </message>
</context>
<context>
    <name>KeyboardAccessibility</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 až %2</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>Klaviatura klavíru</translation>
    </message>
    <message>
        <source>Touch strip keyboard</source>
        <translation>Klaviatura dotykového pruhu</translation>
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
        <translation>O aplikaci Tinkella</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Nastavení…</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Služby</translation>
    </message>
    <message>
        <source>Hide Tinkella</source>
        <translation>Skrýt Tinkella</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>Skrýt ostatní</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Zobrazit vše</translation>
    </message>
    <message>
        <source>Quit Tinkella</source>
        <translation>Ukončit Tinkella</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizovat</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Maximalizovat</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Vše do popředí</translation>
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
        <translation>Klávesnice počítače…</translation>
    </message>
    <message>
        <source>Save Last Performance…</source>
        <translation>Uložit poslední hraní…</translation>
    </message>
    <message>
        <source>Transpose Up</source>
        <translation>Transponovat nahoru</translation>
    </message>
    <message>
        <source>Transpose Down</source>
        <translation>Transponovat dolů</translation>
    </message>
    <message>
        <source>Reset Transpose</source>
        <translation>Zrušit transpozici</translation>
    </message>
    <message>
        <source>Scroll Left an Octave</source>
        <translation>O oktávu doleva</translation>
    </message>
    <message>
        <source>Scroll Right an Octave</source>
        <translation>O oktávu doprava</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Tinkella Help</source>
        <translation>Nápověda k Tinkella</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Klávesové zkratky</translation>
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
        <translation>Uložit poslední hraní</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation>Soubory MIDI (*.mid *.midi)</translation>
    </message>
    <message>
        <source>The last performance could not be saved to %1: %2</source>
        <translation>Poslední hraní nelze uložit do %1: %2</translation>
    </message>
</context>
<context>
    <name>PianoWindowController</name>
    <message>
        <source>Tinkella — Transpose %1</source>
        <translation>Tinkella — transpozice %1</translation>
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
        <translation>Pitch bend: táhněte nahoru nebo dolů, nebo Nahoru / Dolů při zaměření; po puštění se vrátí do středu</translation>
    </message>
    <message>
        <source>Modulation (controller 1): drag up or down, or Up / Down with the focus; stays where it is left</source>
        <translation>Modulace (kontrolér 1): táhněte nahoru nebo dolů, nebo Nahoru / Dolů při zaměření; zůstane, kde je puštěna</translation>
    </message>
    <message>
        <source>Pitch bend wheel</source>
        <translation>Kolo pitch bend</translation>
    </message>
    <message>
        <source>Modulation wheel</source>
        <translation>Modulační kolo</translation>
    </message>
</context>
<context>
    <name>tinkella::ControllerKnobs</name>
    <message>
        <source>Modulation</source>
        <translation>Modulace</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Dech</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Pedál</translation>
    </message>
    <message>
        <source>Portamento time</source>
        <translation>Čas portamenta</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Hlasitost</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Vyvážení</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Panoráma</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Exprese</translation>
    </message>
    <message>
        <source>Resonance</source>
        <translation>Rezonance</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Doznění</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Náběh</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jas</translation>
    </message>
    <message>
        <source>Decay</source>
        <translation>Pokles</translation>
    </message>
    <message>
        <source>Vibrato rate</source>
        <translation>Rychlost vibrata</translation>
    </message>
    <message>
        <source>Vibrato depth</source>
        <translation>Hloubka vibrata</translation>
    </message>
    <message>
        <source>Vibrato delay</source>
        <translation>Zpoždění vibrata</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Dozvuk</translation>
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
        <translation>Rozladění</translation>
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
        <translation>%1 (kontrolér %2): %3 — pravým kliknutím zvolíte jiný kontrolér</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Other controller…</source>
        <translation>Jiný kontrolér…</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Kontrolér</translation>
    </message>
    <message>
        <source>Controller number (1–119; not 6, 32, 38, 64 or 96–101, which Tinkella sends itself):</source>
        <translation>Číslo kontroléru (1–119; ne 6, 32, 38, 64 ani 96–101, které Tinkella posílá sama):</translation>
    </message>
</context>
<context>
    <name>tinkella::app::AppDelegate</name>
    <message>
        <source>About Tinkella</source>
        <translation>O aplikaci Tinkella</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;A 120-key piano keyboard for the touch strip and the mouse, sending every note out of the MIDI source &quot;Tinkella&quot;.&lt;br&gt;&lt;br&gt;Sound by the FluidSynth synthesiser with the system&apos;s General MIDI sound font.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;By Quorvin.</source>
        <translation>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;Klavírní klaviatura se 120 klávesami pro dotykový pruh a myš, posílající každý tón ze zdroje MIDI „Tinkella“.&lt;br&gt;&lt;br&gt;Zvuk ze syntezátoru FluidSynth se systémovou zvukovou bankou General MIDI.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;Od Quorvin.</translation>
    </message>
    <message>
        <source>While the piano window is active, two rows of the computer keyboard play an octave and a half. Keys count by where they are, not by their labels, so any layout plays alike; the letters are those of a US keyboard.</source>
        <translation>Dokud je okno klavíru aktivní, dvě řady klávesnice počítače hrají jeden a půl oktávy. Klávesy se počítají podle polohy, ne podle popisků, takže každé rozložení hraje stejně; písmena odpovídají americké klávesnici.</translation>
    </message>
    <message>
        <source>%1 up to %2</source>
        <translation>%1 až %2</translation>
    </message>
    <message>
        <source>Computer Keyboard</source>
        <translation>Klávesnice počítače</translation>
    </message>
    <message>
        <source>octave down / up</source>
        <translation>oktáva níž / výš</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mezerník</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>sustain, dokud je držena</translation>
    </message>
    <message>
        <source>panic: every note stops</source>
        <translation>panika: všechny tóny utichnou</translation>
    </message>
</context>
<context>
    <name>tinkella::app::GeneralTab</name>
    <message>
        <source>Send MIDI events only</source>
        <translation>Jen události MIDI</translation>
    </message>
    <message>
        <source>Use built-in synthesiser only</source>
        <translation>Jen vestavěný syntezátor</translation>
    </message>
    <message>
        <source>Enable both</source>
        <translation>Zapnout obojí</translation>
    </message>
    <message>
        <source>Notes go only to other programs, through the MIDI port Tinkella</source>
        <translation>Tóny jdou jen do jiných programů, portem MIDI Tinkella</translation>
    </message>
    <message>
        <source>Notes sound only from the built-in synthesiser</source>
        <translation>Tóny zní jen ve vestavěném syntezátoru</translation>
    </message>
    <message>
        <source>Notes sound from the built-in synthesiser and go to other programs</source>
        <translation>Tóny zní ve vestavěném syntezátoru a jdou do jiných programů</translation>
    </message>
    <message>
        <source>Include black keys in Touch Bar glissando</source>
        <translation>Černé klávesy v glissandu na pruhu</translation>
    </message>
    <message>
        <source>Velocity from touch position</source>
        <translation>Dynamika podle místa dotyku</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Nástroj</translation>
    </message>
    <message>
        <source>The General MIDI instrument the built-in synthesiser plays</source>
        <translation>Nástroj General MIDI, na který hraje vestavěný syntezátor</translation>
    </message>
    <message>
        <source>Sound font</source>
        <translation>Zvuková banka</translation>
    </message>
    <message>
        <source>The sound font the built-in synthesiser plays from; Other… chooses a file</source>
        <translation>Zvuková banka vestavěného syntezátoru; Jiná… vybere soubor</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Oktáva</translation>
    </message>
    <message>
        <source>Scrolls the keyboard along its 120 keys</source>
        <translation>Posouvá klaviaturu podél jejích 120 kláves</translation>
    </message>
    <message>
        <source>Key size</source>
        <translation>Velikost kláves</translation>
    </message>
    <message>
        <source>The width of the keys on the strip and in the piano window</source>
        <translation>Šířka kláves na pruhu a v okně klavíru</translation>
    </message>
    <message>
        <source>Black key area on Touch Bar</source>
        <translation>Černé klávesy na pruhu</translation>
    </message>
    <message>
        <source>How wide the touch zone of a black key on the strip is</source>
        <translation>Jak široká je dotyková zóna černé klávesy na pruhu</translation>
    </message>
    <message>
        <source>A finger sliding along the strip also plays the black keys it crosses</source>
        <translation>Prst klouzající po pruhu hraje i černé klávesy, přes které přejede</translation>
    </message>
    <message>
        <source>Louder near a key&apos;s front edge, softer towards its back</source>
        <translation>Hlasitěji u přední hrany klávesy, tišeji směrem dozadu</translation>
    </message>
    <message>
        <source>Tinkella can control GarageBand and other apps</source>
        <translation>Tinkella může ovládat GarageBand a další aplikace</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardAidsGroup</name>
    <message>
        <source>Keyboard</source>
        <translation>Klaviatura</translation>
    </message>
    <message>
        <source>Name the chord being played</source>
        <translation>Pojmenovat hraný akord</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> půlt.</translation>
    </message>
    <message>
        <source>Key names</source>
        <translation>Názvy kláves</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Transpozice</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Stupnice</translation>
    </message>
    <message>
        <source>What the keys are labelled with</source>
        <translation>Čím jsou klávesy popsány</translation>
    </message>
    <message>
        <source>Semitones added to every note you play</source>
        <translation>Půltóny přičtené ke každému zahranému tónu</translation>
    </message>
    <message>
        <source>Scale root</source>
        <translation>Tónika</translation>
    </message>
    <message>
        <source>The root of the scale shown on the keys</source>
        <translation>Tónika stupnice ukázané na klávesách</translation>
    </message>
    <message>
        <source>Keys outside the scale are drawn dimmer; nothing played changes</source>
        <translation>Klávesy mimo stupnici jsou kresleny tlumeněji; na hraní se nic nemění</translation>
    </message>
    <message>
        <source>The piano window names the chord or interval that sounds</source>
        <translation>Okno klavíru pojmenuje znějící akord nebo interval</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardTab</name>
    <message>
        <source>High contrast keys</source>
        <translation>Klávesy s vysokým kontrastem</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vyp.</translation>
    </message>
    <message>
        <source>MPE</source>
        <translation>MPE</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Exprese</translation>
    </message>
    <message>
        <source>Off, or MPE: each note on a MIDI channel of its own, bent by sliding along the keys</source>
        <translation>Vyp., nebo MPE: každý tón na vlastním kanálu MIDI, ohýbaný posunem podél kláves</translation>
    </message>
    <message>
        <source>Black and white keys with strong outlines; your keys light in orange, notes from MIDI in in blue</source>
        <translation>Černé a bílé klávesy s výraznými obrysy; vaše klávesy svítí oranžově, tóny ze vstupu MIDI modře</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klaviatura</translation>
    </message>
</context>
<context>
    <name>tinkella::app::MidiTab</name>
    <message>
        <source>Send the instrument as program and bank</source>
        <translation>Posílat nástroj jako program a banku</translation>
    </message>
    <message>
        <source>Show pitch-bend and modulation wheels</source>
        <translation>Zobrazit kola pitch bend a modulace</translation>
    </message>
    <message>
        <source>Show controller knobs</source>
        <translation>Zobrazit otočné ovladače</translation>
    </message>
    <message>
        <source>The MIDI channel your notes, pedal, wheels and knobs go out on, and the built-in synthesiser plays (with MPE off)</source>
        <translation>Kanál MIDI, kterým odcházejí vaše tóny, pedál, kola a ovladače a na kterém hraje vestavěný syntezátor (při vypnutém MPE)</translation>
    </message>
    <message>
        <source>The velocity of every note while &quot;Velocity from touch position&quot; is off, and of the computer keyboard&apos;s notes always</source>
        <translation>Dynamika každého tónu, když je „Dynamika podle místa dotyku“ vypnutá, a vždy tónů z klávesnice počítače</translation>
    </message>
    <message>
        <source>Also sends the instrument chosen on the General tab to the MIDI output: bank select, then program change, when chosen, at start and when a program connects</source>
        <translation>Posílá na výstup MIDI i nástroj zvolený na kartě Obecné: bank select, pak program change — při volbě, při startu a když se připojí program</translation>
    </message>
    <message>
        <source>The bank sent before the program (controllers 0 and 32)</source>
        <translation>Banka posílaná před programem (kontroléry 0 a 32)</translation>
    </message>
    <message>
        <source>Pitch-bend and modulation wheels at the left end of the piano window, played with the mouse or a finger</source>
        <translation>Kola pitch bend a modulace u levého konce okna klavíru, ovládaná myší nebo prstem</translation>
    </message>
    <message>
        <source>How far the pitch wheel bends at either end (sent as registered parameter 0)</source>
        <translation>Jak daleko kolo pitch bend ohýbá na každém konci (posíláno jako registrovaný parametr 0)</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> půlt.</translation>
    </message>
    <message>
        <source>Eight controller knobs above the keys; right-click a knob to choose its controller</source>
        <translation>Osm otočných ovladačů nad klávesami; pravým kliknutím na ovladač zvolíte jeho kontrolér</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanál</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Dynamika</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banka</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Rozsah bendu</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Žádné</translation>
    </message>
    <message>
        <source>The General MIDI instrument the keys below the split play</source>
        <translation>Nástroj General MIDI, kterým hrají klávesy pod bodem rozdělení</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Rozdělení</translation>
    </message>
    <message>
        <source>Split instrument</source>
        <translation>Druhý nástroj</translation>
    </message>
    <message>
        <source>The keys below this note play the split instrument: with MPE off on the channel after yours, with MPE on in the lower zone, the keys above it in the upper zone</source>
        <translation>Klávesy pod touto notou hrají druhý nástroj: při vypnutém MPE na kanálu po vašem, při zapnutém v dolní zóně, klávesy nad ní v horní zóně</translation>
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
        <translation>Vyp.</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Pomalu</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Středně</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rychle</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>Absolutní</translation>
    </message>
    <message>
        <source>Relative</source>
        <translation>Relativní</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Dolní</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>Horní</translation>
    </message>
    <message>
        <source>Pitch-bend range of the member channels, in semitones either way</source>
        <translation>Rozsah pitch bendu členských kanálů, v půltónech na každou stranu</translation>
    </message>
    <message>
        <source>How fast a resting finger&apos;s pitch glides to the centre of its key</source>
        <translation>Jak rychle výška tónu klidného prstu sklouzne do středu jeho klávesy</translation>
    </message>
    <message>
        <source>Controller 74: from where the finger is along the key, or from where it touched down</source>
        <translation>Kontrolér 74: podle polohy prstu podél klávesy, nebo od místa, kde se dotkl</translation>
    </message>
    <message>
        <source>Member channels of the zone</source>
        <translation>Členské kanály zóny</translation>
    </message>
    <message>
        <source>Pitch rounding</source>
        <translation>Zaokrouhlení</translation>
    </message>
    <message>
        <source>Timbre</source>
        <translation>Barva</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zóna</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Rozsah bendu</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Kanály</translation>
    </message>
</context>
<context>
    <name>tinkella::app::SoundFontChooser</name>
    <message>
        <source>System GM font</source>
        <translation>Systémová banka GM</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Jiná…</translation>
    </message>
    <message>
        <source>system GM font plays</source>
        <translation>hraje systémová banka GM</translation>
    </message>
    <message>
        <source>font in use kept</source>
        <translation>zůstává dosavadní banka</translation>
    </message>
    <message>
        <source>Choose a Sound Font</source>
        <translation>Vyberte zvukovou banku</translation>
    </message>
    <message>
        <source>Sound fonts (*.sf2 *.sf3)</source>
        <translation>Zvukové banky (*.sf2 *.sf3)</translation>
    </message>
</context>
<context>
    <name>tinkella::app::WindowController</name>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Stránky nastavení</translation>
    </message>
    <message>
        <source>Tinkella by Quorvin</source>
        <translation>Tinkella od Quorvin</translation>
    </message>
</context>
</TS>
