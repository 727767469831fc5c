<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Tinkella</source>
        <translation>Tinkella</translation>
    </message>
    <message>
        <source>Piano Keyboard</source>
        <translation>Фортепіанна клавіатура</translation>
    </message>
    <message>
        <source>Play a 120-key piano on the touch strip and with the mouse, and send the notes to other music programs</source>
        <translation>Грайте на фортепіано зі 120 клавіш на сенсорній смузі та мишею і надсилайте ноти до інших музичних програм</translation>
    </message>
    <message>
        <source>piano;keyboard;MIDI;synthesiser;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ending in &apos;;&apos;</extracomment>
        <translation>фортепіано;піаніно;клавіатура;MIDI;синтезатор;piano;keyboard;</translation>
    </message>
    <message>
        <source>Play a 120-key piano with several fingers and send the notes to other music programs</source>
        <translation>Грайте на фортепіано зі 120 клавіш кількома пальцями й надсилайте ноти до інших музичних програм</translation>
    </message>
    <message>
        <source>Tinkella is a piano keyboard of 120 keys that you play with several fingers at once on a touch strip along the bottom of the screen and with the mouse in a scrolling window.</source>
        <translation>Tinkella — фортепіанна клавіатура зі 120 клавіш, на якій грають кількома пальцями одночасно на сенсорній смузі внизу екрана та мишею у вікні з прокруткою.</translation>
    </message>
    <message>
        <source>It sounds through a built-in General MIDI synthesiser and sends every note out of a virtual MIDI port named Tinkella, on the ALSA sequencer or on JACK, so that other music programs can record from it.</source>
        <translation>Вона звучить через вбудований синтезатор General MIDI і надсилає кожну ноту через віртуальний порт MIDI з назвою Tinkella, у секвенсорі ALSA або в JACK, щоб інші музичні програми могли її записувати.</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Tinkella Help</source>
        <translation>Довідка Tinkella</translation>
    </message>
    <message>
        <source>The manual is not built into this copy; see man tinkella.</source>
        <translation>Посібник не вбудовано в цю збірку; див. man tinkella.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Клавіатурні скорочення</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Гра</translation>
    </message>
    <message>
        <source>play from the octave&apos;s C up</source>
        <translation>грати від C октави вгору</translation>
    </message>
    <message>
        <source>play the octave above</source>
        <translation>грати октавою вище</translation>
    </message>
    <message>
        <source>computer keyboard an octave down / up</source>
        <translation>клавіатура комп’ютера на октаву нижче / вище</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробіл</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>сустейн, поки натиснуто</translation>
    </message>
    <message>
        <source>panic: every note stops (piano window)</source>
        <translation>паніка: усі ноти стихають (вікно фортепіано)</translation>
    </message>
    <message>
        <source>move between the controls of a window</source>
        <translation>перехід між елементами вікна</translation>
    </message>
    <message>
        <source>open the menus (piano window)</source>
        <translation>відкрити меню (вікно фортепіано)</translation>
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
        <translation>Клавіатура фортепіано</translation>
    </message>
    <message>
        <source>Touch strip keyboard</source>
        <translation>Клавіатура сенсорної смуги</translation>
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
        <translation>Про Tinkella</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Налаштування…</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Служби</translation>
    </message>
    <message>
        <source>Hide Tinkella</source>
        <translation>Сховати Tinkella</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>Сховати інші</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Показати все</translation>
    </message>
    <message>
        <source>Quit Tinkella</source>
        <translation>Вийти з Tinkella</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Вікно</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Згорнути</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Розгорнути</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Усі вікна на передній план</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>Сустейн</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Паніка</translation>
    </message>
    <message>
        <source>Computer Keyboard…</source>
        <translation>Клавіатура комп’ютера…</translation>
    </message>
    <message>
        <source>Save Last Performance…</source>
        <translation>Зберегти останнє виконання…</translation>
    </message>
    <message>
        <source>Transpose Up</source>
        <translation>Транспонувати вгору</translation>
    </message>
    <message>
        <source>Transpose Down</source>
        <translation>Транспонувати вниз</translation>
    </message>
    <message>
        <source>Reset Transpose</source>
        <translation>Скинути транспонування</translation>
    </message>
    <message>
        <source>Scroll Left an Octave</source>
        <translation>На октаву ліворуч</translation>
    </message>
    <message>
        <source>Scroll Right an Octave</source>
        <translation>На октаву праворуч</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Tinkella Help</source>
        <translation>Довідка Tinkella</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Клавіатурні скорочення</translation>
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
        <translation>Зберегти останнє виконання</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation>Файли MIDI (*.mid *.midi)</translation>
    </message>
    <message>
        <source>The last performance could not be saved to %1: %2</source>
        <translation>Не вдалося зберегти останнє виконання до %1: %2</translation>
    </message>
</context>
<context>
    <name>PianoWindowController</name>
    <message>
        <source>Tinkella — Transpose %1</source>
        <translation>Tinkella — транспонування %1</translation>
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
        <translation>Pitch bend: тягніть угору чи вниз, або Вгору / Вниз у фокусі; відпущене, повертається до центру</translation>
    </message>
    <message>
        <source>Modulation (controller 1): drag up or down, or Up / Down with the focus; stays where it is left</source>
        <translation>Модуляція (контролер 1): тягніть угору чи вниз, або Вгору / Вниз у фокусі; лишається там, де відпущено</translation>
    </message>
    <message>
        <source>Pitch bend wheel</source>
        <translation>Колесо pitch bend</translation>
    </message>
    <message>
        <source>Modulation wheel</source>
        <translation>Колесо модуляції</translation>
    </message>
</context>
<context>
    <name>tinkella::ControllerKnobs</name>
    <message>
        <source>Modulation</source>
        <translation>Модуляція</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Дихання</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Педаль</translation>
    </message>
    <message>
        <source>Portamento time</source>
        <translation>Час портаменто</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Гучність</translation>
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
        <translation>Експресія</translation>
    </message>
    <message>
        <source>Resonance</source>
        <translation>Резонанс</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Згасання</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Атака</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яскравість</translation>
    </message>
    <message>
        <source>Decay</source>
        <translation>Спад</translation>
    </message>
    <message>
        <source>Vibrato rate</source>
        <translation>Швидкість вібрато</translation>
    </message>
    <message>
        <source>Vibrato depth</source>
        <translation>Глибина вібрато</translation>
    </message>
    <message>
        <source>Vibrato delay</source>
        <translation>Затримка вібрато</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Реверберація</translation>
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
        <translation>Розстроювання</translation>
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
        <translation>%1 (контролер %2): %3 — клацання правою кнопкою вибирає інший контролер</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Other controller…</source>
        <translation>Інший контролер…</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Контролер</translation>
    </message>
    <message>
        <source>Controller number (1–119; not 6, 32, 38, 64 or 96–101, which Tinkella sends itself):</source>
        <translation>Номер контролера (1–119; крім 6, 32, 38, 64 і 96–101, які Tinkella надсилає сама):</translation>
    </message>
</context>
<context>
    <name>tinkella::app::AppDelegate</name>
    <message>
        <source>About Tinkella</source>
        <translation>Про Tinkella</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;A 120-key piano keyboard for the touch strip and the mouse, sending every note out of the MIDI source &quot;Tinkella&quot;.&lt;br&gt;&lt;br&gt;Sound by the FluidSynth synthesiser with the system&apos;s General MIDI sound font.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;By Quorvin.</source>
        <translation>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;Фортепіанна клавіатура зі 120 клавіш для сенсорної смуги та миші, що надсилає кожну ноту з джерела MIDI «Tinkella».&lt;br&gt;&lt;br&gt;Звук синтезатора FluidSynth із системним звуковим банком General MIDI.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;Автор — Quorvin.</translation>
    </message>
    <message>
        <source>While the piano window is active, two rows of the computer keyboard play an octave and a half. Keys count by where they are, not by their labels, so any layout plays alike; the letters are those of a US keyboard.</source>
        <translation>Поки вікно фортепіано активне, два ряди клавіатури комп’ютера грають півтори октави. Клавіші визначаються за розташуванням, а не за написами, тож будь-яка розкладка грає однаково; літери вказано для клавіатури США.</translation>
    </message>
    <message>
        <source>%1 up to %2</source>
        <translation>від %1 до %2</translation>
    </message>
    <message>
        <source>Computer Keyboard</source>
        <translation>Клавіатура комп’ютера</translation>
    </message>
    <message>
        <source>octave down / up</source>
        <translation>октава нижче / вище</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробіл</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>сустейн, поки натиснуто</translation>
    </message>
    <message>
        <source>panic: every note stops</source>
        <translation>паніка: усі ноти стихають</translation>
    </message>
</context>
<context>
    <name>tinkella::app::GeneralTab</name>
    <message>
        <source>Send MIDI events only</source>
        <translation>Лише події MIDI</translation>
    </message>
    <message>
        <source>Use built-in synthesiser only</source>
        <translation>Лише вбудований синтезатор</translation>
    </message>
    <message>
        <source>Enable both</source>
        <translation>Увімкнути обидва</translation>
    </message>
    <message>
        <source>Notes go only to other programs, through the MIDI port Tinkella</source>
        <translation>Ноти йдуть лише до інших програм, через порт MIDI Tinkella</translation>
    </message>
    <message>
        <source>Notes sound only from the built-in synthesiser</source>
        <translation>Ноти звучать лише у вбудованому синтезаторі</translation>
    </message>
    <message>
        <source>Notes sound from the built-in synthesiser and go to other programs</source>
        <translation>Ноти звучать у вбудованому синтезаторі та йдуть до інших програм</translation>
    </message>
    <message>
        <source>Include black keys in Touch Bar glissando</source>
        <translation>Чорні клавіші в глісандо на смузі</translation>
    </message>
    <message>
        <source>Velocity from touch position</source>
        <translation>Сила натиску за місцем дотику</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Інструмент</translation>
    </message>
    <message>
        <source>The General MIDI instrument the built-in synthesiser plays</source>
        <translation>Інструмент General MIDI, на якому грає вбудований синтезатор</translation>
    </message>
    <message>
        <source>Sound font</source>
        <translation>Звуковий банк</translation>
    </message>
    <message>
        <source>The sound font the built-in synthesiser plays from; Other… chooses a file</source>
        <translation>Звуковий банк вбудованого синтезатора; «Інший…» вибирає файл</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Октава</translation>
    </message>
    <message>
        <source>Scrolls the keyboard along its 120 keys</source>
        <translation>Прокручує клавіатуру вздовж її 120 клавіш</translation>
    </message>
    <message>
        <source>Key size</source>
        <translation>Розмір клавіш</translation>
    </message>
    <message>
        <source>The width of the keys on the strip and in the piano window</source>
        <translation>Ширина клавіш на смузі та у вікні фортепіано</translation>
    </message>
    <message>
        <source>Black key area on Touch Bar</source>
        <translation>Чорні клавіші на смузі</translation>
    </message>
    <message>
        <source>How wide the touch zone of a black key on the strip is</source>
        <translation>Ширина зони дотику чорної клавіші на смузі</translation>
    </message>
    <message>
        <source>A finger sliding along the strip also plays the black keys it crosses</source>
        <translation>Палець, що ковзає смугою, грає й чорні клавіші, які перетинає</translation>
    </message>
    <message>
        <source>Louder near a key&apos;s front edge, softer towards its back</source>
        <translation>Гучніше біля переднього краю клавіші, тихіше до її задньої частини</translation>
    </message>
    <message>
        <source>Tinkella can control GarageBand and other apps</source>
        <translation>Tinkella може керувати GarageBand та іншими програмами</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardAidsGroup</name>
    <message>
        <source>Keyboard</source>
        <translation>Клавіатура</translation>
    </message>
    <message>
        <source>Name the chord being played</source>
        <translation>Називати взятий акорд</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> півт.</translation>
    </message>
    <message>
        <source>Key names</source>
        <translation>Підписи</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Транспозиція</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Лад</translation>
    </message>
    <message>
        <source>What the keys are labelled with</source>
        <translation>Чим підписано клавіші</translation>
    </message>
    <message>
        <source>Semitones added to every note you play</source>
        <translation>Півтони, що додаються до кожної зіграної ноти</translation>
    </message>
    <message>
        <source>Scale root</source>
        <translation>Тоніка</translation>
    </message>
    <message>
        <source>The root of the scale shown on the keys</source>
        <translation>Тоніка ладу, показаного на клавішах</translation>
    </message>
    <message>
        <source>Keys outside the scale are drawn dimmer; nothing played changes</source>
        <translation>Клавіші поза ладом малюються тьмяніше; на гру це не впливає</translation>
    </message>
    <message>
        <source>The piano window names the chord or interval that sounds</source>
        <translation>Вікно фортепіано називає акорд чи інтервал, що звучить</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardTab</name>
    <message>
        <source>High contrast keys</source>
        <translation>Контрастні клавіші</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Вимк.</translation>
    </message>
    <message>
        <source>MPE</source>
        <translation>MPE</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Експресія</translation>
    </message>
    <message>
        <source>Off, or MPE: each note on a MIDI channel of its own, bent by sliding along the keys</source>
        <translation>Вимк. або MPE: кожна нота на власному каналі MIDI, вигин висоти ковзанням уздовж клавіш</translation>
    </message>
    <message>
        <source>Black and white keys with strong outlines; your keys light in orange, notes from MIDI in in blue</source>
        <translation>Чорні й білі клавіші з чіткими контурами; ваші клавіші світяться помаранчевим, ноти з входу MIDI — синім</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавіатура</translation>
    </message>
</context>
<context>
    <name>tinkella::app::MidiTab</name>
    <message>
        <source>Send the instrument as program and bank</source>
        <translation>Надсилати інструмент (програма і банк)</translation>
    </message>
    <message>
        <source>Show pitch-bend and modulation wheels</source>
        <translation>Колеса pitch bend і модуляції</translation>
    </message>
    <message>
        <source>Show controller knobs</source>
        <translation>Ручки контролерів</translation>
    </message>
    <message>
        <source>The MIDI channel your notes, pedal, wheels and knobs go out on, and the built-in synthesiser plays (with MPE off)</source>
        <translation>Канал MIDI, яким виходять ваші ноти, педаль, колеса й ручки і на якому грає вбудований синтезатор (коли MPE вимкнено)</translation>
    </message>
    <message>
        <source>The velocity of every note while &quot;Velocity from touch position&quot; is off, and of the computer keyboard&apos;s notes always</source>
        <translation>Сила натиску кожної ноти, поки «Сила натиску за місцем дотику» вимкнена, і завжди — для нот із клавіатури комп’ютера</translation>
    </message>
    <message>
        <source>Also sends the instrument chosen on the General tab to the MIDI output: bank select, then program change, when chosen, at start and when a program connects</source>
        <translation>Також надсилає на вихід MIDI інструмент, вибраний на вкладці «Загальні»: bank select, потім program change — під час вибору, під час запуску і коли під’єднується програма</translation>
    </message>
    <message>
        <source>The bank sent before the program (controllers 0 and 32)</source>
        <translation>Банк, що надсилається перед програмою (контролери 0 і 32)</translation>
    </message>
    <message>
        <source>Pitch-bend and modulation wheels at the left end of the piano window, played with the mouse or a finger</source>
        <translation>Колеса pitch bend і модуляції біля лівого краю вікна фортепіано, керуються мишею або пальцем</translation>
    </message>
    <message>
        <source>How far the pitch wheel bends at either end (sent as registered parameter 0)</source>
        <translation>Наскільки колесо pitch bend змінює висоту в крайніх положеннях (надсилається як зареєстрований параметр 0)</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> півт.</translation>
    </message>
    <message>
        <source>Eight controller knobs above the keys; right-click a knob to choose its controller</source>
        <translation>Вісім ручок контролерів над клавішами; клацання правою кнопкою на ручці вибирає її контролер</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Сила натиску</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Банк</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Діапазон bend</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Немає</translation>
    </message>
    <message>
        <source>The General MIDI instrument the keys below the split play</source>
        <translation>Інструмент General MIDI, який грають клавіші нижче точки розділення</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Розділення</translation>
    </message>
    <message>
        <source>Split instrument</source>
        <translation>Другий інструмент</translation>
    </message>
    <message>
        <source>The keys below this note play the split instrument: with MPE off on the channel after yours, with MPE on in the lower zone, the keys above it in the upper zone</source>
        <translation>Клавіші нижче цієї ноти грають другий інструмент: коли MPE вимкнено — на каналі після вашого, коли увімкнено — у нижній зоні, а клавіші вище — у верхній</translation>
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
        <translation>Вимк.</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Повільно</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Середньо</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Швидко</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>Абсолют.</translation>
    </message>
    <message>
        <source>Relative</source>
        <translation>Відносн.</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Нижня</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>Верхня</translation>
    </message>
    <message>
        <source>Pitch-bend range of the member channels, in semitones either way</source>
        <translation>Діапазон pitch bend каналів-учасників, у півтонах у кожен бік</translation>
    </message>
    <message>
        <source>How fast a resting finger&apos;s pitch glides to the centre of its key</source>
        <translation>Як швидко висота нерухомого пальця стягується до центру його клавіші</translation>
    </message>
    <message>
        <source>Controller 74: from where the finger is along the key, or from where it touched down</source>
        <translation>Контролер 74: за положенням пальця на клавіші або від місця, де він торкнувся</translation>
    </message>
    <message>
        <source>Member channels of the zone</source>
        <translation>Канали-учасники зони</translation>
    </message>
    <message>
        <source>Pitch rounding</source>
        <translation>Округлення</translation>
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
        <translation>Діапазон bend</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Канали</translation>
    </message>
</context>
<context>
    <name>tinkella::app::SoundFontChooser</name>
    <message>
        <source>System GM font</source>
        <translation>Системний банк GM</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Інший…</translation>
    </message>
    <message>
        <source>system GM font plays</source>
        <translation>звучить системний банк GM</translation>
    </message>
    <message>
        <source>font in use kept</source>
        <translation>лишено поточний банк</translation>
    </message>
    <message>
        <source>Choose a Sound Font</source>
        <translation>Вибір звукового банку</translation>
    </message>
    <message>
        <source>Sound fonts (*.sf2 *.sf3)</source>
        <translation>Звукові банки (*.sf2 *.sf3)</translation>
    </message>
</context>
<context>
    <name>tinkella::app::WindowController</name>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Сторінки налаштувань</translation>
    </message>
    <message>
        <source>Tinkella by Quorvin</source>
        <translation>Tinkella від Quorvin</translation>
    </message>
</context>
</TS>
