<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Tinkella</source>
        <translation>Tinkella</translation>
    </message>
    <message>
        <source>Piano Keyboard</source>
        <translation>Фортепианная клавиатура</translation>
    </message>
    <message>
        <source>Play a 120-key piano on the touch strip and with the mouse, and send the notes to other music programs</source>
        <translation>Играйте на фортепиано из 120 клавиш на сенсорной полосе и мышью и отправляйте ноты в другие музыкальные программы</translation>
    </message>
    <message>
        <source>piano;keyboard;MIDI;synthesiser;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ending in &apos;;&apos;</extracomment>
        <translation>фортепиано;пианино;клавиатура;MIDI;синтезатор;piano;keyboard;</translation>
    </message>
    <message>
        <source>Play a 120-key piano with several fingers and send the notes to other music programs</source>
        <translation>Играйте на фортепиано из 120 клавиш несколькими пальцами и отправляйте ноты в другие музыкальные программы</translation>
    </message>
    <message>
        <source>Tinkella is a piano keyboard of 120 keys that you play with several fingers at once on a touch strip along the bottom of the screen and with the mouse in a scrolling window.</source>
        <translation>Tinkella — фортепианная клавиатура из 120 клавиш, на которой играют несколькими пальцами сразу на сенсорной полосе внизу экрана и мышью в прокручиваемом окне.</translation>
    </message>
    <message>
        <source>It sounds through a built-in General MIDI synthesiser and sends every note out of a virtual MIDI port named Tinkella, on the ALSA sequencer or on JACK, so that other music programs can record from it.</source>
        <translation>Она звучит через встроенный синтезатор General MIDI и отправляет каждую ноту в виртуальный порт MIDI с именем Tinkella, в секвенсоре ALSA или в JACK, чтобы другие музыкальные программы могли её записывать.</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Tinkella Help</source>
        <translation>Справка Tinkella</translation>
    </message>
    <message>
        <source>The manual is not built into this copy; see man tinkella.</source>
        <translation>Руководство не встроено в эту сборку; см. man tinkella.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Комбинации клавиш</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>play from the octave&apos;s C up</source>
        <translation>играть от C октавы вверх</translation>
    </message>
    <message>
        <source>play the octave above</source>
        <translation>играть октавой выше</translation>
    </message>
    <message>
        <source>computer keyboard an octave down / up</source>
        <translation>клавиатура компьютера на октаву ниже / выше</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>сустейн, пока нажата</translation>
    </message>
    <message>
        <source>panic: every note stops (piano window)</source>
        <translation>паника: все ноты смолкают (окно фортепиано)</translation>
    </message>
    <message>
        <source>move between the controls of a window</source>
        <translation>переход между элементами окна</translation>
    </message>
    <message>
        <source>open the menus (piano window)</source>
        <translation>открыть меню (окно фортепиано)</translation>
    </message>
</context>
<context>
    <name>KeyboardAccessibility</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>Клавиатура фортепиано</translation>
    </message>
    <message>
        <source>Touch strip keyboard</source>
        <translation>Клавиатура сенсорной полосы</translation>
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
        <translation>О программе Tinkella</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Службы</translation>
    </message>
    <message>
        <source>Hide Tinkella</source>
        <translation>Скрыть Tinkella</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>Скрыть остальные</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Показать все</translation>
    </message>
    <message>
        <source>Quit Tinkella</source>
        <translation>Выйти из Tinkella</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Окно</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Все окна на передний план</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>Сустейн</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Паника</translation>
    </message>
    <message>
        <source>Computer Keyboard…</source>
        <translation>Клавиатура компьютера…</translation>
    </message>
    <message>
        <source>Save Last Performance…</source>
        <translation>Сохранить последнее исполнение…</translation>
    </message>
    <message>
        <source>Transpose Up</source>
        <translation>Транспонировать вверх</translation>
    </message>
    <message>
        <source>Transpose Down</source>
        <translation>Транспонировать вниз</translation>
    </message>
    <message>
        <source>Reset Transpose</source>
        <translation>Сбросить транспонирование</translation>
    </message>
    <message>
        <source>Scroll Left an Octave</source>
        <translation>На октаву влево</translation>
    </message>
    <message>
        <source>Scroll Right an Octave</source>
        <translation>На октаву вправо</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Tinkella Help</source>
        <translation>Справка Tinkella</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Комбинации клавиш</translation>
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
        <translation>Сохранить последнее исполнение</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation>Файлы MIDI (*.mid *.midi)</translation>
    </message>
    <message>
        <source>The last performance could not be saved to %1: %2</source>
        <translation>Не удалось сохранить последнее исполнение в %1: %2</translation>
    </message>
</context>
<context>
    <name>PianoWindowController</name>
    <message>
        <source>Tinkella — Transpose %1</source>
        <translation>Tinkella — транспонирование %1</translation>
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
        <translation>Pitch bend: тяните вверх или вниз, или Вверх / Вниз при фокусе; отпущенное, возвращается в центр</translation>
    </message>
    <message>
        <source>Modulation (controller 1): drag up or down, or Up / Down with the focus; stays where it is left</source>
        <translation>Модуляция (контроллер 1): тяните вверх или вниз, или Вверх / Вниз при фокусе; остаётся там, где отпущено</translation>
    </message>
    <message>
        <source>Pitch bend wheel</source>
        <translation>Колесо pitch bend</translation>
    </message>
    <message>
        <source>Modulation wheel</source>
        <translation>Колесо модуляции</translation>
    </message>
</context>
<context>
    <name>tinkella::ControllerKnobs</name>
    <message>
        <source>Modulation</source>
        <translation>Модуляция</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Дыхание</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Педаль</translation>
    </message>
    <message>
        <source>Portamento time</source>
        <translation>Время портаменто</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Баланс</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Панорама</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Экспрессия</translation>
    </message>
    <message>
        <source>Resonance</source>
        <translation>Резонанс</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Затухание</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Атака</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Decay</source>
        <translation>Спад</translation>
    </message>
    <message>
        <source>Vibrato rate</source>
        <translation>Скорость вибрато</translation>
    </message>
    <message>
        <source>Vibrato depth</source>
        <translation>Глубина вибрато</translation>
    </message>
    <message>
        <source>Vibrato delay</source>
        <translation>Задержка вибрато</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Реверберация</translation>
    </message>
    <message>
        <source>Tremolo</source>
        <translation>Тремоло</translation>
    </message>
    <message>
        <source>Chorus</source>
        <translation>Хорус</translation>
    </message>
    <message>
        <source>Detune</source>
        <translation>Расстройка</translation>
    </message>
    <message>
        <source>Phaser</source>
        <translation>Фейзер</translation>
    </message>
    <message>
        <source>CC %1</source>
        <translation>CC %1</translation>
    </message>
    <message>
        <source>%1 (controller %2): %3 — right-click to choose another controller</source>
        <translation>%1 (контроллер %2): %3 — правый щелчок выбирает другой контроллер</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Other controller…</source>
        <translation>Другой контроллер…</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Контроллер</translation>
    </message>
    <message>
        <source>Controller number (1–119; not 6, 32, 38, 64 or 96–101, which Tinkella sends itself):</source>
        <translation>Номер контроллера (1–119; кроме 6, 32, 38, 64 и 96–101, которые Tinkella отправляет сама):</translation>
    </message>
</context>
<context>
    <name>tinkella::app::AppDelegate</name>
    <message>
        <source>About Tinkella</source>
        <translation>О программе Tinkella</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;A 120-key piano keyboard for the touch strip and the mouse, sending every note out of the MIDI source &quot;Tinkella&quot;.&lt;br&gt;&lt;br&gt;Sound by the FluidSynth synthesiser with the system&apos;s General MIDI sound font.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;By Quorvin.</source>
        <translation>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;Фортепианная клавиатура из 120 клавиш для сенсорной полосы и мыши, отправляющая каждую ноту из источника MIDI «Tinkella».&lt;br&gt;&lt;br&gt;Звук синтезатора FluidSynth со звуковым банком General MIDI из системы.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;Автор — Quorvin.</translation>
    </message>
    <message>
        <source>While the piano window is active, two rows of the computer keyboard play an octave and a half. Keys count by where they are, not by their labels, so any layout plays alike; the letters are those of a US keyboard.</source>
        <translation>Пока окно фортепиано активно, два ряда клавиатуры компьютера играют полторы октавы. Клавиши определяются по расположению, а не по надписям, поэтому любая раскладка играет одинаково; буквы указаны для клавиатуры США.</translation>
    </message>
    <message>
        <source>%1 up to %2</source>
        <translation>от %1 до %2</translation>
    </message>
    <message>
        <source>Computer Keyboard</source>
        <translation>Клавиатура компьютера</translation>
    </message>
    <message>
        <source>octave down / up</source>
        <translation>октава ниже / выше</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>сустейн, пока нажата</translation>
    </message>
    <message>
        <source>panic: every note stops</source>
        <translation>паника: все ноты смолкают</translation>
    </message>
</context>
<context>
    <name>tinkella::app::GeneralTab</name>
    <message>
        <source>Send MIDI events only</source>
        <translation>Только события MIDI</translation>
    </message>
    <message>
        <source>Use built-in synthesiser only</source>
        <translation>Только встроенный синтезатор</translation>
    </message>
    <message>
        <source>Enable both</source>
        <translation>Включить оба</translation>
    </message>
    <message>
        <source>Notes go only to other programs, through the MIDI port Tinkella</source>
        <translation>Ноты идут только в другие программы, через порт MIDI Tinkella</translation>
    </message>
    <message>
        <source>Notes sound only from the built-in synthesiser</source>
        <translation>Ноты звучат только во встроенном синтезаторе</translation>
    </message>
    <message>
        <source>Notes sound from the built-in synthesiser and go to other programs</source>
        <translation>Ноты звучат во встроенном синтезаторе и идут в другие программы</translation>
    </message>
    <message>
        <source>Include black keys in Touch Bar glissando</source>
        <translation>Чёрные клавиши в глиссандо на полосе</translation>
    </message>
    <message>
        <source>Velocity from touch position</source>
        <translation>Сила нажатия по месту касания</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Инструмент</translation>
    </message>
    <message>
        <source>The General MIDI instrument the built-in synthesiser plays</source>
        <translation>Инструмент General MIDI, на котором играет встроенный синтезатор</translation>
    </message>
    <message>
        <source>Sound font</source>
        <translation>Звуковой банк</translation>
    </message>
    <message>
        <source>The sound font the built-in synthesiser plays from; Other… chooses a file</source>
        <translation>Звуковой банк встроенного синтезатора; «Другой…» выбирает файл</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Октава</translation>
    </message>
    <message>
        <source>Scrolls the keyboard along its 120 keys</source>
        <translation>Прокручивает клавиатуру вдоль её 120 клавиш</translation>
    </message>
    <message>
        <source>Key size</source>
        <translation>Размер клавиш</translation>
    </message>
    <message>
        <source>The width of the keys on the strip and in the piano window</source>
        <translation>Ширина клавиш на полосе и в окне фортепиано</translation>
    </message>
    <message>
        <source>Black key area on Touch Bar</source>
        <translation>Чёрные клавиши на полосе</translation>
    </message>
    <message>
        <source>How wide the touch zone of a black key on the strip is</source>
        <translation>Ширина зоны касания чёрной клавиши на полосе</translation>
    </message>
    <message>
        <source>A finger sliding along the strip also plays the black keys it crosses</source>
        <translation>Палец, скользящий по полосе, играет и чёрные клавиши, через которые проходит</translation>
    </message>
    <message>
        <source>Louder near a key&apos;s front edge, softer towards its back</source>
        <translation>Громче у переднего края клавиши, тише к её задней части</translation>
    </message>
    <message>
        <source>Tinkella can control GarageBand and other apps</source>
        <translation>Tinkella может управлять GarageBand и другими программами</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardAidsGroup</name>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Name the chord being played</source>
        <translation>Называть взятый аккорд</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> полут.</translation>
    </message>
    <message>
        <source>Key names</source>
        <translation>Подписи</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Транспозиция</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Лад</translation>
    </message>
    <message>
        <source>What the keys are labelled with</source>
        <translation>Чем подписаны клавиши</translation>
    </message>
    <message>
        <source>Semitones added to every note you play</source>
        <translation>Полутоны, добавляемые к каждой сыгранной ноте</translation>
    </message>
    <message>
        <source>Scale root</source>
        <translation>Тоника</translation>
    </message>
    <message>
        <source>The root of the scale shown on the keys</source>
        <translation>Тоника лада, показанного на клавишах</translation>
    </message>
    <message>
        <source>Keys outside the scale are drawn dimmer; nothing played changes</source>
        <translation>Клавиши вне лада рисуются тусклее; на игру это не влияет</translation>
    </message>
    <message>
        <source>The piano window names the chord or interval that sounds</source>
        <translation>Окно фортепиано называет звучащий аккорд или интервал</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardTab</name>
    <message>
        <source>High contrast keys</source>
        <translation>Контрастные клавиши</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>MPE</source>
        <translation>MPE</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Экспрессия</translation>
    </message>
    <message>
        <source>Off, or MPE: each note on a MIDI channel of its own, bent by sliding along the keys</source>
        <translation>Выкл. или MPE: каждая нота на своём канале MIDI, изгиб высоты скольжением вдоль клавиш</translation>
    </message>
    <message>
        <source>Black and white keys with strong outlines; your keys light in orange, notes from MIDI in in blue</source>
        <translation>Чёрные и белые клавиши с чёткими контурами; ваши клавиши светятся оранжевым, ноты со входа MIDI — синим</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
</context>
<context>
    <name>tinkella::app::MidiTab</name>
    <message>
        <source>Send the instrument as program and bank</source>
        <translation>Отправлять инструмент (программа и банк)</translation>
    </message>
    <message>
        <source>Show pitch-bend and modulation wheels</source>
        <translation>Колёса pitch bend и модуляции</translation>
    </message>
    <message>
        <source>Show controller knobs</source>
        <translation>Ручки контроллеров</translation>
    </message>
    <message>
        <source>The MIDI channel your notes, pedal, wheels and knobs go out on, and the built-in synthesiser plays (with MPE off)</source>
        <translation>Канал MIDI, в который уходят ваши ноты, педаль, колёса и ручки и на котором играет встроенный синтезатор (при выключенном MPE)</translation>
    </message>
    <message>
        <source>The velocity of every note while &quot;Velocity from touch position&quot; is off, and of the computer keyboard&apos;s notes always</source>
        <translation>Сила нажатия каждой ноты, пока «Сила нажатия по месту касания» выключена, и всегда — для нот с клавиатуры компьютера</translation>
    </message>
    <message>
        <source>Also sends the instrument chosen on the General tab to the MIDI output: bank select, then program change, when chosen, at start and when a program connects</source>
        <translation>Также отправляет на выход MIDI инструмент, выбранный на вкладке «Общие»: bank select, затем program change — при выборе, при запуске и при подключении программы</translation>
    </message>
    <message>
        <source>The bank sent before the program (controllers 0 and 32)</source>
        <translation>Банк, отправляемый перед программой (контроллеры 0 и 32)</translation>
    </message>
    <message>
        <source>Pitch-bend and modulation wheels at the left end of the piano window, played with the mouse or a finger</source>
        <translation>Колёса pitch bend и модуляции у левого края окна фортепиано, управляются мышью или пальцем</translation>
    </message>
    <message>
        <source>How far the pitch wheel bends at either end (sent as registered parameter 0)</source>
        <translation>Насколько колесо pitch bend изгибает высоту в крайних положениях (отправляется как зарегистрированный параметр 0)</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> полут.</translation>
    </message>
    <message>
        <source>Eight controller knobs above the keys; right-click a knob to choose its controller</source>
        <translation>Восемь ручек контроллеров над клавишами; правый щелчок по ручке выбирает её контроллер</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Сила нажатия</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Банк</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Диапазон bend</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>The General MIDI instrument the keys below the split play</source>
        <translation>Инструмент General MIDI, который играют клавиши ниже точки разделения</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Разделение</translation>
    </message>
    <message>
        <source>Split instrument</source>
        <translation>Второй инструмент</translation>
    </message>
    <message>
        <source>The keys below this note play the split instrument: with MPE off on the channel after yours, with MPE on in the lower zone, the keys above it in the upper zone</source>
        <translation>Клавиши ниже этой ноты играют второй инструмент: при выключенном MPE — на канале после вашего, при включённом — в нижней зоне, а клавиши выше — в верхней</translation>
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
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Медленно</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средне</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Быстро</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>Абсолют.</translation>
    </message>
    <message>
        <source>Relative</source>
        <translation>Относит.</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Нижн.</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>Верхн.</translation>
    </message>
    <message>
        <source>Pitch-bend range of the member channels, in semitones either way</source>
        <translation>Диапазон pitch bend каналов-участников, в полутонах в каждую сторону</translation>
    </message>
    <message>
        <source>How fast a resting finger&apos;s pitch glides to the centre of its key</source>
        <translation>Как быстро высота неподвижного пальца стягивается к центру его клавиши</translation>
    </message>
    <message>
        <source>Controller 74: from where the finger is along the key, or from where it touched down</source>
        <translation>Контроллер 74: по положению пальца на клавише или от места, где он коснулся</translation>
    </message>
    <message>
        <source>Member channels of the zone</source>
        <translation>Каналы-участники зоны</translation>
    </message>
    <message>
        <source>Pitch rounding</source>
        <translation>Округление</translation>
    </message>
    <message>
        <source>Timbre</source>
        <translation>Тембр</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Зона</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Каналы</translation>
    </message>
</context>
<context>
    <name>tinkella::app::SoundFontChooser</name>
    <message>
        <source>System GM font</source>
        <translation>Системный банк GM</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Другой…</translation>
    </message>
    <message>
        <source>system GM font plays</source>
        <translation>звучит системный банк GM</translation>
    </message>
    <message>
        <source>font in use kept</source>
        <translation>оставлен текущий банк</translation>
    </message>
    <message>
        <source>Choose a Sound Font</source>
        <translation>Выбор звукового банка</translation>
    </message>
    <message>
        <source>Sound fonts (*.sf2 *.sf3)</source>
        <translation>Звуковые банки (*.sf2 *.sf3)</translation>
    </message>
</context>
<context>
    <name>tinkella::app::WindowController</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Страницы настроек</translation>
    </message>
    <message>
        <source>Tinkella by Quorvin</source>
        <translation>Tinkella от Quorvin</translation>
    </message>
</context>
</TS>
