<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
        <translation>Toque um piano de 120 teclas na faixa de toque e com o mouse, e envie as notas para outros programas de música</translation>
    </message>
    <message>
        <source>piano;keyboard;MIDI;synthesiser;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ending in &apos;;&apos;</extracomment>
        <translation>piano;teclado;MIDI;sintetizador;keyboard;</translation>
    </message>
    <message>
        <source>Play a 120-key piano with several fingers and send the notes to other music programs</source>
        <translation>Toque um piano de 120 teclas com vários dedos e envie as notas para outros programas de música</translation>
    </message>
    <message>
        <source>Tinkella is a piano keyboard of 120 keys that you play with several fingers at once on a touch strip along the bottom of the screen and with the mouse in a scrolling window.</source>
        <translation>Tinkella é um teclado de piano de 120 teclas que você toca com vários dedos ao mesmo tempo numa faixa de toque na parte de baixo da tela e com o mouse numa janela rolável.</translation>
    </message>
    <message>
        <source>It sounds through a built-in General MIDI synthesiser and sends every note out of a virtual MIDI port named Tinkella, on the ALSA sequencer or on JACK, so that other music programs can record from it.</source>
        <translation>Ele soa por um sintetizador General MIDI embutido e envia cada nota por uma porta MIDI virtual chamada Tinkella, no sequenciador ALSA ou no JACK, para que outros programas de música possam gravá-la.</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Tinkella Help</source>
        <translation>Ajuda do Tinkella</translation>
    </message>
    <message>
        <source>The manual is not built into this copy; see man tinkella.</source>
        <translation>O manual não está incluído nesta cópia; veja man tinkella.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Tocar</translation>
    </message>
    <message>
        <source>play from the octave&apos;s C up</source>
        <translation>tocar a partir do C da oitava</translation>
    </message>
    <message>
        <source>play the octave above</source>
        <translation>tocar a oitava acima</translation>
    </message>
    <message>
        <source>computer keyboard an octave down / up</source>
        <translation>teclado do computador uma oitava abaixo / acima</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>sustain, enquanto pressionada</translation>
    </message>
    <message>
        <source>panic: every note stops (piano window)</source>
        <translation>pânico: todas as notas param (janela do piano)</translation>
    </message>
    <message>
        <source>move between the controls of a window</source>
        <translation>passar entre os controles de uma janela</translation>
    </message>
    <message>
        <source>open the menus (piano window)</source>
        <translation>abrir os menus (janela do piano)</translation>
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
        <translation>Teclado da faixa de toque</translation>
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
        <translation>Sobre o Tinkella</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configurações…</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Serviços</translation>
    </message>
    <message>
        <source>Hide Tinkella</source>
        <translation>Ocultar Tinkella</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>Ocultar outros</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostrar tudo</translation>
    </message>
    <message>
        <source>Quit Tinkella</source>
        <translation>Sair do Tinkella</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Janela</translation>
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
        <translation>Trazer tudo para a frente</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>Sustain</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Pânico</translation>
    </message>
    <message>
        <source>Computer Keyboard…</source>
        <translation>Teclado do computador…</translation>
    </message>
    <message>
        <source>Save Last Performance…</source>
        <translation>Salvar a última execução…</translation>
    </message>
    <message>
        <source>Transpose Up</source>
        <translation>Transpor para cima</translation>
    </message>
    <message>
        <source>Transpose Down</source>
        <translation>Transpor para baixo</translation>
    </message>
    <message>
        <source>Reset Transpose</source>
        <translation>Redefinir transposição</translation>
    </message>
    <message>
        <source>Scroll Left an Octave</source>
        <translation>Rolar uma oitava à esquerda</translation>
    </message>
    <message>
        <source>Scroll Right an Octave</source>
        <translation>Rolar uma oitava à direita</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Tinkella Help</source>
        <translation>Ajuda do Tinkella</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atalhos de teclado</translation>
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
        <translation>Salvar a última execução</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation>Arquivos MIDI (*.mid *.midi)</translation>
    </message>
    <message>
        <source>The last performance could not be saved to %1: %2</source>
        <translation>Não foi possível salvar a última execução em %1: %2</translation>
    </message>
</context>
<context>
    <name>PianoWindowController</name>
    <message>
        <source>Tinkella — Transpose %1</source>
        <translation>Tinkella — Transposição %1</translation>
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
        <translation>Pitch bend: arraste para cima ou para baixo, ou Cima / Baixo com o foco; volta ao centro quando solta</translation>
    </message>
    <message>
        <source>Modulation (controller 1): drag up or down, or Up / Down with the focus; stays where it is left</source>
        <translation>Modulação (controlador 1): arraste para cima ou para baixo, ou Cima / Baixo com o foco; fica onde for solta</translation>
    </message>
    <message>
        <source>Pitch bend wheel</source>
        <translation>Roda de pitch bend</translation>
    </message>
    <message>
        <source>Modulation wheel</source>
        <translation>Roda de modulação</translation>
    </message>
</context>
<context>
    <name>tinkella::ControllerKnobs</name>
    <message>
        <source>Modulation</source>
        <translation>Modulação</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Sopro</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Pedal</translation>
    </message>
    <message>
        <source>Portamento time</source>
        <translation>Tempo de portamento</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balanço</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expressão</translation>
    </message>
    <message>
        <source>Resonance</source>
        <translation>Ressonância</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Ataque</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Decay</source>
        <translation>Decaimento</translation>
    </message>
    <message>
        <source>Vibrato rate</source>
        <translation>Velocidade do vibrato</translation>
    </message>
    <message>
        <source>Vibrato depth</source>
        <translation>Profundidade do vibrato</translation>
    </message>
    <message>
        <source>Vibrato delay</source>
        <translation>Atraso do vibrato</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Reverberação</translation>
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
        <translation>Desafinação</translation>
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
        <translation>%1 (controlador %2): %3 — clique com o botão direito para escolher outro controlador</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Other controller…</source>
        <translation>Outro controlador…</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controlador</translation>
    </message>
    <message>
        <source>Controller number (1–119; not 6, 32, 38, 64 or 96–101, which Tinkella sends itself):</source>
        <translation>Número do controlador (1–119; exceto 6, 32, 38, 64 e 96–101, que o Tinkella envia sozinho):</translation>
    </message>
</context>
<context>
    <name>tinkella::app::AppDelegate</name>
    <message>
        <source>About Tinkella</source>
        <translation>Sobre o Tinkella</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;A 120-key piano keyboard for the touch strip and the mouse, sending every note out of the MIDI source &quot;Tinkella&quot;.&lt;br&gt;&lt;br&gt;Sound by the FluidSynth synthesiser with the system&apos;s General MIDI sound font.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;By Quorvin.</source>
        <translation>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;Um teclado de piano de 120 teclas para a faixa de toque e o mouse, que envia cada nota pela fonte MIDI “Tinkella”.&lt;br&gt;&lt;br&gt;Som do sintetizador FluidSynth com o banco de sons General MIDI do sistema.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;Por Quorvin.</translation>
    </message>
    <message>
        <source>While the piano window is active, two rows of the computer keyboard play an octave and a half. Keys count by where they are, not by their labels, so any layout plays alike; the letters are those of a US keyboard.</source>
        <translation>Enquanto a janela do piano está ativa, duas fileiras do teclado do computador tocam uma oitava e meia. As teclas valem pela posição, não pelos rótulos, então qualquer layout toca igual; as letras são as de um teclado americano.</translation>
    </message>
    <message>
        <source>%1 up to %2</source>
        <translation>%1 até %2</translation>
    </message>
    <message>
        <source>Computer Keyboard</source>
        <translation>Teclado do computador</translation>
    </message>
    <message>
        <source>octave down / up</source>
        <translation>oitava abaixo / acima</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>sustain, enquanto pressionada</translation>
    </message>
    <message>
        <source>panic: every note stops</source>
        <translation>pânico: todas as notas param</translation>
    </message>
</context>
<context>
    <name>tinkella::app::GeneralTab</name>
    <message>
        <source>Send MIDI events only</source>
        <translation>Enviar só eventos MIDI</translation>
    </message>
    <message>
        <source>Use built-in synthesiser only</source>
        <translation>Usar só o sintetizador embutido</translation>
    </message>
    <message>
        <source>Enable both</source>
        <translation>Ativar ambos</translation>
    </message>
    <message>
        <source>Notes go only to other programs, through the MIDI port Tinkella</source>
        <translation>As notas vão só para outros programas, pela porta MIDI Tinkella</translation>
    </message>
    <message>
        <source>Notes sound only from the built-in synthesiser</source>
        <translation>As notas soam só no sintetizador embutido</translation>
    </message>
    <message>
        <source>Notes sound from the built-in synthesiser and go to other programs</source>
        <translation>As notas soam no sintetizador embutido e vão para outros programas</translation>
    </message>
    <message>
        <source>Include black keys in Touch Bar glissando</source>
        <translation>Incluir teclas pretas no glissando da faixa</translation>
    </message>
    <message>
        <source>Velocity from touch position</source>
        <translation>Velocity pela posição do toque</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>The General MIDI instrument the built-in synthesiser plays</source>
        <translation>O instrumento General MIDI que o sintetizador embutido toca</translation>
    </message>
    <message>
        <source>Sound font</source>
        <translation>Banco de sons</translation>
    </message>
    <message>
        <source>The sound font the built-in synthesiser plays from; Other… chooses a file</source>
        <translation>O banco de sons do sintetizador embutido; Outro… escolhe um arquivo</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Oitava</translation>
    </message>
    <message>
        <source>Scrolls the keyboard along its 120 keys</source>
        <translation>Rola o teclado ao longo de suas 120 teclas</translation>
    </message>
    <message>
        <source>Key size</source>
        <translation>Tamanho das teclas</translation>
    </message>
    <message>
        <source>The width of the keys on the strip and in the piano window</source>
        <translation>A largura das teclas na faixa e na janela do piano</translation>
    </message>
    <message>
        <source>Black key area on Touch Bar</source>
        <translation>Teclas pretas na faixa</translation>
    </message>
    <message>
        <source>How wide the touch zone of a black key on the strip is</source>
        <translation>A largura da zona de toque de uma tecla preta na faixa</translation>
    </message>
    <message>
        <source>A finger sliding along the strip also plays the black keys it crosses</source>
        <translation>Um dedo deslizando pela faixa também toca as teclas pretas que atravessa</translation>
    </message>
    <message>
        <source>Louder near a key&apos;s front edge, softer towards its back</source>
        <translation>Mais forte perto da borda da frente de uma tecla, mais suave para o fundo</translation>
    </message>
    <message>
        <source>Tinkella can control GarageBand and other apps</source>
        <translation>O Tinkella pode controlar o GarageBand e outros apps</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
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
        <translation>Nomear o acorde tocado</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> semitons</translation>
    </message>
    <message>
        <source>Key names</source>
        <translation>Nomes das teclas</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Transpor</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>What the keys are labelled with</source>
        <translation>O que aparece escrito nas teclas</translation>
    </message>
    <message>
        <source>Semitones added to every note you play</source>
        <translation>Semitons somados a cada nota que você toca</translation>
    </message>
    <message>
        <source>Scale root</source>
        <translation>Tônica</translation>
    </message>
    <message>
        <source>The root of the scale shown on the keys</source>
        <translation>A tônica da escala mostrada nas teclas</translation>
    </message>
    <message>
        <source>Keys outside the scale are drawn dimmer; nothing played changes</source>
        <translation>Teclas fora da escala são desenhadas mais apagadas; nada do que se toca muda</translation>
    </message>
    <message>
        <source>The piano window names the chord or interval that sounds</source>
        <translation>A janela do piano nomeia o acorde ou intervalo que soa</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardTab</name>
    <message>
        <source>High contrast keys</source>
        <translation>Teclas em alto contraste</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligada</translation>
    </message>
    <message>
        <source>MPE</source>
        <translation>MPE</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expressão</translation>
    </message>
    <message>
        <source>Off, or MPE: each note on a MIDI channel of its own, bent by sliding along the keys</source>
        <translation>Desligada, ou MPE: cada nota num canal MIDI próprio, curvada ao deslizar pelas teclas</translation>
    </message>
    <message>
        <source>Black and white keys with strong outlines; your keys light in orange, notes from MIDI in in blue</source>
        <translation>Teclas pretas e brancas com contornos fortes; suas teclas acendem em laranja, as notas da entrada MIDI em azul</translation>
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
        <translation>Enviar o instrumento como programa e banco</translation>
    </message>
    <message>
        <source>Show pitch-bend and modulation wheels</source>
        <translation>Mostrar rodas de pitch bend e modulação</translation>
    </message>
    <message>
        <source>Show controller knobs</source>
        <translation>Mostrar botões de controlador</translation>
    </message>
    <message>
        <source>The MIDI channel your notes, pedal, wheels and knobs go out on, and the built-in synthesiser plays (with MPE off)</source>
        <translation>O canal MIDI em que saem suas notas, pedal, rodas e botões, e que o sintetizador embutido toca (com MPE desligada)</translation>
    </message>
    <message>
        <source>The velocity of every note while &quot;Velocity from touch position&quot; is off, and of the computer keyboard&apos;s notes always</source>
        <translation>A velocity de cada nota enquanto “Velocity pela posição do toque” está desligada, e sempre a das notas do teclado do computador</translation>
    </message>
    <message>
        <source>Also sends the instrument chosen on the General tab to the MIDI output: bank select, then program change, when chosen, at start and when a program connects</source>
        <translation>Envia também à saída MIDI o instrumento escolhido na aba Geral: bank select, depois program change, ao escolher, ao iniciar e quando um programa se conecta</translation>
    </message>
    <message>
        <source>The bank sent before the program (controllers 0 and 32)</source>
        <translation>O banco enviado antes do programa (controladores 0 e 32)</translation>
    </message>
    <message>
        <source>Pitch-bend and modulation wheels at the left end of the piano window, played with the mouse or a finger</source>
        <translation>Rodas de pitch bend e de modulação na ponta esquerda da janela do piano, tocadas com o mouse ou um dedo</translation>
    </message>
    <message>
        <source>How far the pitch wheel bends at either end (sent as registered parameter 0)</source>
        <translation>Quanto a roda de pitch bend desvia em cada extremo (enviado como parâmetro registrado 0)</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> semitons</translation>
    </message>
    <message>
        <source>Eight controller knobs above the keys; right-click a knob to choose its controller</source>
        <translation>Oito botões de controlador acima das teclas; clique com o botão direito num botão para escolher seu controlador</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
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
        <translation>Faixa do bend</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>The General MIDI instrument the keys below the split play</source>
        <translation>O instrumento General MIDI que as teclas abaixo da divisão tocam</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Divisão</translation>
    </message>
    <message>
        <source>Split instrument</source>
        <translation>Instrumento da divisão</translation>
    </message>
    <message>
        <source>The keys below this note play the split instrument: with MPE off on the channel after yours, with MPE on in the lower zone, the keys above it in the upper zone</source>
        <translation>As teclas abaixo desta nota tocam o instrumento da divisão: com MPE desligado, no canal seguinte ao seu; com MPE ligado, na zona baixa, e as teclas acima, na zona alta</translation>
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
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
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
        <translation>Baixa</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Pitch-bend range of the member channels, in semitones either way</source>
        <translation>Faixa de pitch bend dos canais membros, em semitons para cada lado</translation>
    </message>
    <message>
        <source>How fast a resting finger&apos;s pitch glides to the centre of its key</source>
        <translation>Quão rápido a altura de um dedo parado desliza para o centro de sua tecla</translation>
    </message>
    <message>
        <source>Controller 74: from where the finger is along the key, or from where it touched down</source>
        <translation>Controlador 74: de onde o dedo está ao longo da tecla, ou de onde ele tocou</translation>
    </message>
    <message>
        <source>Member channels of the zone</source>
        <translation>Canais membros da zona</translation>
    </message>
    <message>
        <source>Pitch rounding</source>
        <translation>Arredondar</translation>
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
        <translation>Faixa do bend</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Canais</translation>
    </message>
</context>
<context>
    <name>tinkella::app::SoundFontChooser</name>
    <message>
        <source>System GM font</source>
        <translation>Banco GM do sistema</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Outro…</translation>
    </message>
    <message>
        <source>system GM font plays</source>
        <translation>toca o banco GM do sistema</translation>
    </message>
    <message>
        <source>font in use kept</source>
        <translation>banco em uso mantido</translation>
    </message>
    <message>
        <source>Choose a Sound Font</source>
        <translation>Escolher um banco de sons</translation>
    </message>
    <message>
        <source>Sound fonts (*.sf2 *.sf3)</source>
        <translation>Bancos de sons (*.sf2 *.sf3)</translation>
    </message>
</context>
<context>
    <name>tinkella::app::WindowController</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Páginas de configurações</translation>
    </message>
    <message>
        <source>Tinkella by Quorvin</source>
        <translation>Tinkella por Quorvin</translation>
    </message>
</context>
</TS>
