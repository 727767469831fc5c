<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Tinkella</source>
        <translation>Tinkella</translation>
    </message>
    <message>
        <source>Piano Keyboard</source>
        <translation>Teclado de piano</translation>
    </message>
    <message>
        <source>Play a 120-key piano on the touch strip and with the mouse, and send the notes to other music programs</source>
        <translation>Toque un piano de 120 teclas en la franja táctil y con el ratón, y envíe las notas a otros programas de música</translation>
    </message>
    <message>
        <source>piano;keyboard;MIDI;synthesiser;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ending in &apos;;&apos;</extracomment>
        <translation>piano;teclado;MIDI;sintetizador;keyboard;</translation>
    </message>
    <message>
        <source>Play a 120-key piano with several fingers and send the notes to other music programs</source>
        <translation>Toque un piano de 120 teclas con varios dedos y envíe las notas a otros programas de música</translation>
    </message>
    <message>
        <source>Tinkella is a piano keyboard of 120 keys that you play with several fingers at once on a touch strip along the bottom of the screen and with the mouse in a scrolling window.</source>
        <translation>Tinkella es un teclado de piano de 120 teclas que se toca con varios dedos a la vez en una franja táctil en la parte inferior de la pantalla y con el ratón en una ventana desplazable.</translation>
    </message>
    <message>
        <source>It sounds through a built-in General MIDI synthesiser and sends every note out of a virtual MIDI port named Tinkella, on the ALSA sequencer or on JACK, so that other music programs can record from it.</source>
        <translation>Suena con un sintetizador General MIDI integrado y envía cada nota por un puerto MIDI virtual llamado Tinkella, en el secuenciador ALSA o en JACK, para que otros programas de música puedan grabarla.</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Tinkella Help</source>
        <translation>Ayuda de Tinkella</translation>
    </message>
    <message>
        <source>The manual is not built into this copy; see man tinkella.</source>
        <translation>El manual no viene incluido en esta copia; consulte man tinkella.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Tocar</translation>
    </message>
    <message>
        <source>play from the octave&apos;s C up</source>
        <translation>tocar desde el C de la octava hacia arriba</translation>
    </message>
    <message>
        <source>play the octave above</source>
        <translation>tocar la octava superior</translation>
    </message>
    <message>
        <source>computer keyboard an octave down / up</source>
        <translation>teclado del ordenador una octava abajo / arriba</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>sustain, mientras se mantiene pulsada</translation>
    </message>
    <message>
        <source>panic: every note stops (piano window)</source>
        <translation>pánico: todas las notas se detienen (ventana del piano)</translation>
    </message>
    <message>
        <source>move between the controls of a window</source>
        <translation>pasar de un control a otro en una ventana</translation>
    </message>
    <message>
        <source>open the menus (piano window)</source>
        <translation>abrir los menús (ventana del piano)</translation>
    </message>
</context>
<context>
    <name>KeyboardAccessibility</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>Teclado de piano</translation>
    </message>
    <message>
        <source>Touch strip keyboard</source>
        <translation>Teclado de la franja táctil</translation>
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
        <translation>Acerca de Tinkella</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configuración…</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Servicios</translation>
    </message>
    <message>
        <source>Hide Tinkella</source>
        <translation>Ocultar Tinkella</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>Ocultar otros</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostrar todo</translation>
    </message>
    <message>
        <source>Quit Tinkella</source>
        <translation>Salir de Tinkella</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Traer todo al frente</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>Sustain</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Pánico</translation>
    </message>
    <message>
        <source>Computer Keyboard…</source>
        <translation>Teclado del ordenador…</translation>
    </message>
    <message>
        <source>Save Last Performance…</source>
        <translation>Guardar la última interpretación…</translation>
    </message>
    <message>
        <source>Transpose Up</source>
        <translation>Transponer arriba</translation>
    </message>
    <message>
        <source>Transpose Down</source>
        <translation>Transponer abajo</translation>
    </message>
    <message>
        <source>Reset Transpose</source>
        <translation>Restablecer transposición</translation>
    </message>
    <message>
        <source>Scroll Left an Octave</source>
        <translation>Desplazar una octava a la izquierda</translation>
    </message>
    <message>
        <source>Scroll Right an Octave</source>
        <translation>Desplazar una octava a la derecha</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Tinkella Help</source>
        <translation>Ayuda de Tinkella</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
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
        <translation>Guardar la última interpretación</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation>Archivos MIDI (*.mid *.midi)</translation>
    </message>
    <message>
        <source>The last performance could not be saved to %1: %2</source>
        <translation>No se pudo guardar la última interpretación en %1: %2</translation>
    </message>
</context>
<context>
    <name>PianoWindowController</name>
    <message>
        <source>Tinkella — Transpose %1</source>
        <translation>Tinkella — Transposición %1</translation>
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
        <translation>Pitch bend: arrastre arriba o abajo, o Arriba / Abajo con el foco; vuelve al centro al soltarla</translation>
    </message>
    <message>
        <source>Modulation (controller 1): drag up or down, or Up / Down with the focus; stays where it is left</source>
        <translation>Modulación (controlador 1): arrastre arriba o abajo, o Arriba / Abajo con el foco; se queda donde se suelta</translation>
    </message>
    <message>
        <source>Pitch bend wheel</source>
        <translation>Rueda de pitch bend</translation>
    </message>
    <message>
        <source>Modulation wheel</source>
        <translation>Rueda de modulación</translation>
    </message>
</context>
<context>
    <name>tinkella::ControllerKnobs</name>
    <message>
        <source>Modulation</source>
        <translation>Modulación</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Soplido</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Pedal</translation>
    </message>
    <message>
        <source>Portamento time</source>
        <translation>Tiempo de portamento</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
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
        <translation>Expresión</translation>
    </message>
    <message>
        <source>Resonance</source>
        <translation>Resonancia</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Liberación</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Ataque</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Decay</source>
        <translation>Decaimiento</translation>
    </message>
    <message>
        <source>Vibrato rate</source>
        <translation>Velocidad del vibrato</translation>
    </message>
    <message>
        <source>Vibrato depth</source>
        <translation>Profundidad del vibrato</translation>
    </message>
    <message>
        <source>Vibrato delay</source>
        <translation>Retardo del vibrato</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Reverberación</translation>
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
        <translation>Desafinación</translation>
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
        <translation>%1 (controlador %2): %3 — clic derecho para elegir otro controlador</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Other controller…</source>
        <translation>Otro controlador…</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controlador</translation>
    </message>
    <message>
        <source>Controller number (1–119; not 6, 32, 38, 64 or 96–101, which Tinkella sends itself):</source>
        <translation>Número de controlador (1–119; no 6, 32, 38, 64 ni 96–101, que Tinkella envía por sí mismo):</translation>
    </message>
</context>
<context>
    <name>tinkella::app::AppDelegate</name>
    <message>
        <source>About Tinkella</source>
        <translation>Acerca de Tinkella</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;A 120-key piano keyboard for the touch strip and the mouse, sending every note out of the MIDI source &quot;Tinkella&quot;.&lt;br&gt;&lt;br&gt;Sound by the FluidSynth synthesiser with the system&apos;s General MIDI sound font.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;By Quorvin.</source>
        <translation>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;Un teclado de piano de 120 teclas para la franja táctil y el ratón, que envía cada nota por la fuente MIDI «Tinkella».&lt;br&gt;&lt;br&gt;Sonido del sintetizador FluidSynth con el banco de sonidos General MIDI del sistema.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;Por Quorvin.</translation>
    </message>
    <message>
        <source>While the piano window is active, two rows of the computer keyboard play an octave and a half. Keys count by where they are, not by their labels, so any layout plays alike; the letters are those of a US keyboard.</source>
        <translation>Mientras la ventana del piano está activa, dos filas del teclado del ordenador tocan una octava y media. Las teclas cuentan por su posición, no por su rótulo, así que cualquier distribución toca igual; las letras son las de un teclado estadounidense.</translation>
    </message>
    <message>
        <source>%1 up to %2</source>
        <translation>%1 hasta %2</translation>
    </message>
    <message>
        <source>Computer Keyboard</source>
        <translation>Teclado del ordenador</translation>
    </message>
    <message>
        <source>octave down / up</source>
        <translation>octava abajo / arriba</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>sustain, mientras se mantiene pulsada</translation>
    </message>
    <message>
        <source>panic: every note stops</source>
        <translation>pánico: todas las notas se detienen</translation>
    </message>
</context>
<context>
    <name>tinkella::app::GeneralTab</name>
    <message>
        <source>Send MIDI events only</source>
        <translation>Enviar solo eventos MIDI</translation>
    </message>
    <message>
        <source>Use built-in synthesiser only</source>
        <translation>Usar solo el sintetizador integrado</translation>
    </message>
    <message>
        <source>Enable both</source>
        <translation>Activar ambos</translation>
    </message>
    <message>
        <source>Notes go only to other programs, through the MIDI port Tinkella</source>
        <translation>Las notas van solo a otros programas, por el puerto MIDI Tinkella</translation>
    </message>
    <message>
        <source>Notes sound only from the built-in synthesiser</source>
        <translation>Las notas suenan solo en el sintetizador integrado</translation>
    </message>
    <message>
        <source>Notes sound from the built-in synthesiser and go to other programs</source>
        <translation>Las notas suenan en el sintetizador integrado y van a otros programas</translation>
    </message>
    <message>
        <source>Include black keys in Touch Bar glissando</source>
        <translation>Incluir teclas negras en el glissando de la franja</translation>
    </message>
    <message>
        <source>Velocity from touch position</source>
        <translation>Velocidad según la posición del toque</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>The General MIDI instrument the built-in synthesiser plays</source>
        <translation>El instrumento General MIDI que toca el sintetizador integrado</translation>
    </message>
    <message>
        <source>Sound font</source>
        <translation>Banco de sonidos</translation>
    </message>
    <message>
        <source>The sound font the built-in synthesiser plays from; Other… chooses a file</source>
        <translation>El banco de sonidos del sintetizador integrado; Otro… elige un archivo</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Octava</translation>
    </message>
    <message>
        <source>Scrolls the keyboard along its 120 keys</source>
        <translation>Desplaza el teclado a lo largo de sus 120 teclas</translation>
    </message>
    <message>
        <source>Key size</source>
        <translation>Tamaño de tecla</translation>
    </message>
    <message>
        <source>The width of the keys on the strip and in the piano window</source>
        <translation>El ancho de las teclas en la franja y en la ventana del piano</translation>
    </message>
    <message>
        <source>Black key area on Touch Bar</source>
        <translation>Teclas negras en la franja</translation>
    </message>
    <message>
        <source>How wide the touch zone of a black key on the strip is</source>
        <translation>El ancho de la zona táctil de una tecla negra en la franja</translation>
    </message>
    <message>
        <source>A finger sliding along the strip also plays the black keys it crosses</source>
        <translation>Un dedo que se desliza por la franja toca también las teclas negras que cruza</translation>
    </message>
    <message>
        <source>Louder near a key&apos;s front edge, softer towards its back</source>
        <translation>Más fuerte cerca del borde frontal de una tecla, más suave hacia el fondo</translation>
    </message>
    <message>
        <source>Tinkella can control GarageBand and other apps</source>
        <translation>Tinkella puede controlar GarageBand y otras aplicaciones</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardAidsGroup</name>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Name the chord being played</source>
        <translation>Nombrar el acorde que se toca</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> semitonos</translation>
    </message>
    <message>
        <source>Key names</source>
        <translation>Nombres de teclas</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Transponer</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>What the keys are labelled with</source>
        <translation>Lo que llevan rotulado las teclas</translation>
    </message>
    <message>
        <source>Semitones added to every note you play</source>
        <translation>Semitonos que se suman a cada nota que toca</translation>
    </message>
    <message>
        <source>Scale root</source>
        <translation>Tónica</translation>
    </message>
    <message>
        <source>The root of the scale shown on the keys</source>
        <translation>La tónica de la escala que se muestra en las teclas</translation>
    </message>
    <message>
        <source>Keys outside the scale are drawn dimmer; nothing played changes</source>
        <translation>Las teclas fuera de la escala se dibujan más tenues; nada de lo que se toca cambia</translation>
    </message>
    <message>
        <source>The piano window names the chord or interval that sounds</source>
        <translation>La ventana del piano nombra el acorde o intervalo que suena</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardTab</name>
    <message>
        <source>High contrast keys</source>
        <translation>Teclas de alto contraste</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>MPE</source>
        <translation>MPE</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expresión</translation>
    </message>
    <message>
        <source>Off, or MPE: each note on a MIDI channel of its own, bent by sliding along the keys</source>
        <translation>Desactivada, o MPE: cada nota en su propio canal MIDI, con inflexión al deslizar por las teclas</translation>
    </message>
    <message>
        <source>Black and white keys with strong outlines; your keys light in orange, notes from MIDI in in blue</source>
        <translation>Teclas blancas y negras con contornos marcados; sus teclas se iluminan en naranja, las notas de la entrada MIDI en azul</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
</context>
<context>
    <name>tinkella::app::MidiTab</name>
    <message>
        <source>Send the instrument as program and bank</source>
        <translation>Enviar el instrumento como programa y banco</translation>
    </message>
    <message>
        <source>Show pitch-bend and modulation wheels</source>
        <translation>Mostrar ruedas de pitch bend y modulación</translation>
    </message>
    <message>
        <source>Show controller knobs</source>
        <translation>Mostrar perillas de controlador</translation>
    </message>
    <message>
        <source>The MIDI channel your notes, pedal, wheels and knobs go out on, and the built-in synthesiser plays (with MPE off)</source>
        <translation>El canal MIDI por el que salen sus notas, pedal, ruedas y perillas, y que toca el sintetizador integrado (con MPE desactivada)</translation>
    </message>
    <message>
        <source>The velocity of every note while &quot;Velocity from touch position&quot; is off, and of the computer keyboard&apos;s notes always</source>
        <translation>La velocidad de cada nota mientras «Velocidad según la posición del toque» está desactivada, y siempre la de las notas del teclado del ordenador</translation>
    </message>
    <message>
        <source>Also sends the instrument chosen on the General tab to the MIDI output: bank select, then program change, when chosen, at start and when a program connects</source>
        <translation>Envía también a la salida MIDI el instrumento elegido en la pestaña General: bank select y luego program change, al elegirlo, al iniciar y cuando se conecta un programa</translation>
    </message>
    <message>
        <source>The bank sent before the program (controllers 0 and 32)</source>
        <translation>El banco enviado antes del programa (controladores 0 y 32)</translation>
    </message>
    <message>
        <source>Pitch-bend and modulation wheels at the left end of the piano window, played with the mouse or a finger</source>
        <translation>Ruedas de pitch bend y modulación en el extremo izquierdo de la ventana del piano, con el ratón o un dedo</translation>
    </message>
    <message>
        <source>How far the pitch wheel bends at either end (sent as registered parameter 0)</source>
        <translation>Cuánto desvía la rueda de pitch bend en cada extremo (enviado como parámetro registrado 0)</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> semitonos</translation>
    </message>
    <message>
        <source>Eight controller knobs above the keys; right-click a knob to choose its controller</source>
        <translation>Ocho perillas de controlador sobre las teclas; clic derecho en una perilla para elegir su controlador</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Rango de bend</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>The General MIDI instrument the keys below the split play</source>
        <translation>El instrumento General MIDI que tocan las teclas por debajo de la división</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Split instrument</source>
        <translation>Instrumento dividido</translation>
    </message>
    <message>
        <source>The keys below this note play the split instrument: with MPE off on the channel after yours, with MPE on in the lower zone, the keys above it in the upper zone</source>
        <translation>Las teclas por debajo de esta nota tocan el instrumento de la división: sin MPE, en el canal siguiente al suyo; con MPE, en la zona baja, y las teclas por encima, en la zona alta</translation>
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
        <translation>Desactivado</translation>
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
        <translation>Rápido</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>Absoluto</translation>
    </message>
    <message>
        <source>Relative</source>
        <translation>Relativo</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Pitch-bend range of the member channels, in semitones either way</source>
        <translation>Rango de pitch bend de los canales miembros, en semitonos hacia cada lado</translation>
    </message>
    <message>
        <source>How fast a resting finger&apos;s pitch glides to the centre of its key</source>
        <translation>Con qué rapidez la altura de un dedo quieto se desliza al centro de su tecla</translation>
    </message>
    <message>
        <source>Controller 74: from where the finger is along the key, or from where it touched down</source>
        <translation>Controlador 74: según dónde está el dedo a lo largo de la tecla, o desde dónde se apoyó</translation>
    </message>
    <message>
        <source>Member channels of the zone</source>
        <translation>Canales miembros de la zona</translation>
    </message>
    <message>
        <source>Pitch rounding</source>
        <translation>Redondeo</translation>
    </message>
    <message>
        <source>Timbre</source>
        <translation>Timbre</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Rango de bend</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Canales</translation>
    </message>
</context>
<context>
    <name>tinkella::app::SoundFontChooser</name>
    <message>
        <source>System GM font</source>
        <translation>Banco GM del sistema</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Otro…</translation>
    </message>
    <message>
        <source>system GM font plays</source>
        <translation>suena el banco GM del sistema</translation>
    </message>
    <message>
        <source>font in use kept</source>
        <translation>se mantiene el banco actual</translation>
    </message>
    <message>
        <source>Choose a Sound Font</source>
        <translation>Elegir un banco de sonidos</translation>
    </message>
    <message>
        <source>Sound fonts (*.sf2 *.sf3)</source>
        <translation>Bancos de sonidos (*.sf2 *.sf3)</translation>
    </message>
</context>
<context>
    <name>tinkella::app::WindowController</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Páginas de configuración</translation>
    </message>
    <message>
        <source>Tinkella by Quorvin</source>
        <translation>Tinkella por Quorvin</translation>
    </message>
</context>
</TS>
