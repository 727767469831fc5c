<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Tinkella</source>
        <translation>Tinkella</translation>
    </message>
    <message>
        <source>Piano Keyboard</source>
        <translation>钢琴键盘</translation>
    </message>
    <message>
        <source>Play a 120-key piano on the touch strip and with the mouse, and send the notes to other music programs</source>
        <translation>在触控条上和用鼠标弹奏 120 键钢琴，并把音符发送给其他音乐程序</translation>
    </message>
    <message>
        <source>piano;keyboard;MIDI;synthesiser;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ending in &apos;;&apos;</extracomment>
        <translation>钢琴;键盘;MIDI;合成器;piano;keyboard;</translation>
    </message>
    <message>
        <source>Play a 120-key piano with several fingers and send the notes to other music programs</source>
        <translation>用多个手指弹奏 120 键钢琴，并把音符发送给其他音乐程序</translation>
    </message>
    <message>
        <source>Tinkella is a piano keyboard of 120 keys that you play with several fingers at once on a touch strip along the bottom of the screen and with the mouse in a scrolling window.</source>
        <translation>Tinkella 是一个 120 键的钢琴键盘，可以在屏幕底部的触控条上用多个手指同时弹奏，也可以在可滚动的窗口中用鼠标弹奏。</translation>
    </message>
    <message>
        <source>It sounds through a built-in General MIDI synthesiser and sends every note out of a virtual MIDI port named Tinkella, on the ALSA sequencer or on JACK, so that other music programs can record from it.</source>
        <translation>它通过内置的 General MIDI 合成器发声，并通过 ALSA 音序器或 JACK 上名为 Tinkella 的虚拟 MIDI 端口发出每个音符，供其他音乐程序录制。</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Tinkella Help</source>
        <translation>Tinkella 帮助</translation>
    </message>
    <message>
        <source>The manual is not built into this copy; see man tinkella.</source>
        <translation>此副本未内置手册；请参阅 man tinkella。</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>演奏</translation>
    </message>
    <message>
        <source>play from the octave&apos;s C up</source>
        <translation>从该八度的 C 向上演奏</translation>
    </message>
    <message>
        <source>play the octave above</source>
        <translation>演奏高一个八度</translation>
    </message>
    <message>
        <source>computer keyboard an octave down / up</source>
        <translation>电脑键盘降低 / 升高一个八度</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>按住时延音</translation>
    </message>
    <message>
        <source>panic: every note stops (piano window)</source>
        <translation>紧急停止：所有音符停止（钢琴窗口）</translation>
    </message>
    <message>
        <source>move between the controls of a window</source>
        <translation>在窗口的控件之间移动</translation>
    </message>
    <message>
        <source>open the menus (piano window)</source>
        <translation>打开菜单（钢琴窗口）</translation>
    </message>
</context>
<context>
    <name>KeyboardAccessibility</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>钢琴键盘</translation>
    </message>
    <message>
        <source>Touch strip keyboard</source>
        <translation>触控条键盘</translation>
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
        <translation>关于 Tinkella</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>服务</translation>
    </message>
    <message>
        <source>Hide Tinkella</source>
        <translation>隐藏 Tinkella</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>隐藏其他</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>全部显示</translation>
    </message>
    <message>
        <source>Quit Tinkella</source>
        <translation>退出 Tinkella</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>全部置于前面</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>延音</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>紧急停止</translation>
    </message>
    <message>
        <source>Computer Keyboard…</source>
        <translation>电脑键盘…</translation>
    </message>
    <message>
        <source>Save Last Performance…</source>
        <translation>保存上次演奏…</translation>
    </message>
    <message>
        <source>Transpose Up</source>
        <translation>向上移调</translation>
    </message>
    <message>
        <source>Transpose Down</source>
        <translation>向下移调</translation>
    </message>
    <message>
        <source>Reset Transpose</source>
        <translation>重置移调</translation>
    </message>
    <message>
        <source>Scroll Left an Octave</source>
        <translation>向左滚动一个八度</translation>
    </message>
    <message>
        <source>Scroll Right an Octave</source>
        <translation>向右滚动一个八度</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Tinkella Help</source>
        <translation>Tinkella 帮助</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>键盘快捷键</translation>
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
        <translation>保存上次演奏</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation>MIDI 文件 (*.mid *.midi)</translation>
    </message>
    <message>
        <source>The last performance could not be saved to %1: %2</source>
        <translation>无法将上次演奏保存到 %1：%2</translation>
    </message>
</context>
<context>
    <name>PianoWindowController</name>
    <message>
        <source>Tinkella — Transpose %1</source>
        <translation>Tinkella — 移调 %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Pitch</source>
        <translation>弯音</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>调制</translation>
    </message>
    <message>
        <source>Pitch bend: drag up or down, or Up / Down with the focus; springs back to the centre when let go</source>
        <translation>弯音：上下拖动，或在获得焦点时按上 / 下键；松开后回到中间</translation>
    </message>
    <message>
        <source>Modulation (controller 1): drag up or down, or Up / Down with the focus; stays where it is left</source>
        <translation>调制（控制器 1）：上下拖动，或在获得焦点时按上 / 下键；松开后停在原处</translation>
    </message>
    <message>
        <source>Pitch bend wheel</source>
        <translation>弯音轮</translation>
    </message>
    <message>
        <source>Modulation wheel</source>
        <translation>调制轮</translation>
    </message>
</context>
<context>
    <name>tinkella::ControllerKnobs</name>
    <message>
        <source>Modulation</source>
        <translation>调制</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>脚踏</translation>
    </message>
    <message>
        <source>Portamento time</source>
        <translation>滑音时间</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>平衡</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>声像</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>表情</translation>
    </message>
    <message>
        <source>Resonance</source>
        <translation>共鸣</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>释音</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>起音</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Decay</source>
        <translation>衰减</translation>
    </message>
    <message>
        <source>Vibrato rate</source>
        <translation>颤音速率</translation>
    </message>
    <message>
        <source>Vibrato depth</source>
        <translation>颤音深度</translation>
    </message>
    <message>
        <source>Vibrato delay</source>
        <translation>颤音延迟</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>混响</translation>
    </message>
    <message>
        <source>Tremolo</source>
        <translation>震音</translation>
    </message>
    <message>
        <source>Chorus</source>
        <translation>合唱</translation>
    </message>
    <message>
        <source>Detune</source>
        <translation>失谐</translation>
    </message>
    <message>
        <source>Phaser</source>
        <translation>移相</translation>
    </message>
    <message>
        <source>CC %1</source>
        <translation>CC %1</translation>
    </message>
    <message>
        <source>%1 (controller %2): %3 — right-click to choose another controller</source>
        <translation>%1（控制器 %2）：%3 — 右键单击以选择其他控制器</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Other controller…</source>
        <translation>其他控制器…</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>控制器</translation>
    </message>
    <message>
        <source>Controller number (1–119; not 6, 32, 38, 64 or 96–101, which Tinkella sends itself):</source>
        <translation>控制器编号（1–119；不含 Tinkella 自己发送的 6、32、38、64 和 96–101）：</translation>
    </message>
</context>
<context>
    <name>tinkella::app::AppDelegate</name>
    <message>
        <source>About Tinkella</source>
        <translation>关于 Tinkella</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;A 120-key piano keyboard for the touch strip and the mouse, sending every note out of the MIDI source &quot;Tinkella&quot;.&lt;br&gt;&lt;br&gt;Sound by the FluidSynth synthesiser with the system&apos;s General MIDI sound font.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;By Quorvin.</source>
        <translation>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;一个用于触控条和鼠标的 120 键钢琴键盘，从 MIDI 源“Tinkella”发出每个音符。&lt;br&gt;&lt;br&gt;声音来自 FluidSynth 合成器和系统的 General MIDI 音色库。&lt;br&gt;%2&lt;br&gt;&lt;br&gt;作者：Quorvin。</translation>
    </message>
    <message>
        <source>While the piano window is active, two rows of the computer keyboard play an octave and a half. Keys count by where they are, not by their labels, so any layout plays alike; the letters are those of a US keyboard.</source>
        <translation>钢琴窗口处于活动状态时，电脑键盘的两排键可演奏一个半八度。按键按位置而不是按键帽上的字母计算，因此任何布局弹起来都一样；所示字母为美式键盘的字母。</translation>
    </message>
    <message>
        <source>%1 up to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>Computer Keyboard</source>
        <translation>电脑键盘</translation>
    </message>
    <message>
        <source>octave down / up</source>
        <translation>降低 / 升高八度</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>按住时延音</translation>
    </message>
    <message>
        <source>panic: every note stops</source>
        <translation>紧急停止：所有音符停止</translation>
    </message>
</context>
<context>
    <name>tinkella::app::GeneralTab</name>
    <message>
        <source>Send MIDI events only</source>
        <translation>仅发送 MIDI 事件</translation>
    </message>
    <message>
        <source>Use built-in synthesiser only</source>
        <translation>仅使用内置合成器</translation>
    </message>
    <message>
        <source>Enable both</source>
        <translation>两者都启用</translation>
    </message>
    <message>
        <source>Notes go only to other programs, through the MIDI port Tinkella</source>
        <translation>音符只通过 MIDI 端口 Tinkella 发送给其他程序</translation>
    </message>
    <message>
        <source>Notes sound only from the built-in synthesiser</source>
        <translation>音符只由内置合成器发声</translation>
    </message>
    <message>
        <source>Notes sound from the built-in synthesiser and go to other programs</source>
        <translation>音符由内置合成器发声，并发送给其他程序</translation>
    </message>
    <message>
        <source>Include black keys in Touch Bar glissando</source>
        <translation>触控条刮奏包括黑键</translation>
    </message>
    <message>
        <source>Velocity from touch position</source>
        <translation>力度取决于触摸位置</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>乐器</translation>
    </message>
    <message>
        <source>The General MIDI instrument the built-in synthesiser plays</source>
        <translation>内置合成器演奏的 General MIDI 乐器</translation>
    </message>
    <message>
        <source>Sound font</source>
        <translation>音色库</translation>
    </message>
    <message>
        <source>The sound font the built-in synthesiser plays from; Other… chooses a file</source>
        <translation>内置合成器使用的音色库；“其他…”可选择文件</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>八度</translation>
    </message>
    <message>
        <source>Scrolls the keyboard along its 120 keys</source>
        <translation>沿 120 个琴键滚动键盘</translation>
    </message>
    <message>
        <source>Key size</source>
        <translation>琴键大小</translation>
    </message>
    <message>
        <source>The width of the keys on the strip and in the piano window</source>
        <translation>触控条和钢琴窗口中琴键的宽度</translation>
    </message>
    <message>
        <source>Black key area on Touch Bar</source>
        <translation>触控条上的黑键区域</translation>
    </message>
    <message>
        <source>How wide the touch zone of a black key on the strip is</source>
        <translation>触控条上黑键触控区的宽度</translation>
    </message>
    <message>
        <source>A finger sliding along the strip also plays the black keys it crosses</source>
        <translation>手指沿触控条滑动时，也会弹奏经过的黑键</translation>
    </message>
    <message>
        <source>Louder near a key&apos;s front edge, softer towards its back</source>
        <translation>越靠近琴键前沿越响，越往后越轻</translation>
    </message>
    <message>
        <source>Tinkella can control GarageBand and other apps</source>
        <translation>Tinkella 可以控制 GarageBand 和其他应用</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardAidsGroup</name>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Name the chord being played</source>
        <translation>显示所奏和弦名称</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> 个半音</translation>
    </message>
    <message>
        <source>Key names</source>
        <translation>琴键名称</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>移调</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>音阶</translation>
    </message>
    <message>
        <source>What the keys are labelled with</source>
        <translation>琴键上标注的内容</translation>
    </message>
    <message>
        <source>Semitones added to every note you play</source>
        <translation>加到你弹奏的每个音符上的半音数</translation>
    </message>
    <message>
        <source>Scale root</source>
        <translation>音阶主音</translation>
    </message>
    <message>
        <source>The root of the scale shown on the keys</source>
        <translation>琴键上显示的音阶的主音</translation>
    </message>
    <message>
        <source>Keys outside the scale are drawn dimmer; nothing played changes</source>
        <translation>音阶以外的琴键画得较暗；演奏不受影响</translation>
    </message>
    <message>
        <source>The piano window names the chord or interval that sounds</source>
        <translation>钢琴窗口显示正在发声的和弦或音程</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardTab</name>
    <message>
        <source>High contrast keys</source>
        <translation>高对比度琴键</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>MPE</source>
        <translation>MPE</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>表现</translation>
    </message>
    <message>
        <source>Off, or MPE: each note on a MIDI channel of its own, bent by sliding along the keys</source>
        <translation>关，或 MPE：每个音符使用各自的 MIDI 通道，沿琴键滑动可弯音</translation>
    </message>
    <message>
        <source>Black and white keys with strong outlines; your keys light in orange, notes from MIDI in in blue</source>
        <translation>黑白琴键带粗轮廓；你按下的键亮橙色，来自 MIDI 输入的音符亮蓝色</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
</context>
<context>
    <name>tinkella::app::MidiTab</name>
    <message>
        <source>Send the instrument as program and bank</source>
        <translation>以音色和库的形式发送乐器</translation>
    </message>
    <message>
        <source>Show pitch-bend and modulation wheels</source>
        <translation>显示弯音轮和调制轮</translation>
    </message>
    <message>
        <source>Show controller knobs</source>
        <translation>显示控制器旋钮</translation>
    </message>
    <message>
        <source>The MIDI channel your notes, pedal, wheels and knobs go out on, and the built-in synthesiser plays (with MPE off)</source>
        <translation>你的音符、踏板、滚轮和旋钮发出所用的 MIDI 通道，也是内置合成器演奏的通道（MPE 关闭时）</translation>
    </message>
    <message>
        <source>The velocity of every note while &quot;Velocity from touch position&quot; is off, and of the computer keyboard&apos;s notes always</source>
        <translation>“力度取决于触摸位置”关闭时每个音符的力度，也始终用于电脑键盘的音符</translation>
    </message>
    <message>
        <source>Also sends the instrument chosen on the General tab to the MIDI output: bank select, then program change, when chosen, at start and when a program connects</source>
        <translation>同时把在“常规”标签页选择的乐器发送到 MIDI 输出：先发送库选择，再发送音色变更；在选择时、启动时以及有程序连接时发送</translation>
    </message>
    <message>
        <source>The bank sent before the program (controllers 0 and 32)</source>
        <translation>在音色之前发送的库（控制器 0 和 32）</translation>
    </message>
    <message>
        <source>Pitch-bend and modulation wheels at the left end of the piano window, played with the mouse or a finger</source>
        <translation>钢琴窗口左端的弯音轮和调制轮，可用鼠标或手指操作</translation>
    </message>
    <message>
        <source>How far the pitch wheel bends at either end (sent as registered parameter 0)</source>
        <translation>弯音轮在两端弯音的幅度（作为注册参数 0 发送）</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> 个半音</translation>
    </message>
    <message>
        <source>Eight controller knobs above the keys; right-click a knob to choose its controller</source>
        <translation>琴键上方的八个控制器旋钮；右键单击旋钮可选择其控制器</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>力度</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>库</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>弯音范围</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>The General MIDI instrument the keys below the split play</source>
        <translation>分割点以下的琴键演奏的 General MIDI 音色</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Split instrument</source>
        <translation>分割音色</translation>
    </message>
    <message>
        <source>The keys below this note play the split instrument: with MPE off on the channel after yours, with MPE on in the lower zone, the keys above it in the upper zone</source>
        <translation>低于此音符的琴键演奏分割音色：MPE 关闭时在您的通道的下一个通道上，MPE 开启时在下区，高于它的琴键在上区</translation>
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
        <translation>关</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>慢</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>快</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>绝对</translation>
    </message>
    <message>
        <source>Relative</source>
        <translation>相对</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>下区</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>上区</translation>
    </message>
    <message>
        <source>Pitch-bend range of the member channels, in semitones either way</source>
        <translation>成员通道的弯音范围，以半音计，上下各向</translation>
    </message>
    <message>
        <source>How fast a resting finger&apos;s pitch glides to the centre of its key</source>
        <translation>静止手指的音高滑向琴键中心的速度</translation>
    </message>
    <message>
        <source>Controller 74: from where the finger is along the key, or from where it touched down</source>
        <translation>控制器 74：取自手指在琴键上的位置，或相对手指落下的位置</translation>
    </message>
    <message>
        <source>Member channels of the zone</source>
        <translation>区域的成员通道</translation>
    </message>
    <message>
        <source>Pitch rounding</source>
        <translation>音高取整</translation>
    </message>
    <message>
        <source>Timbre</source>
        <translation>音色</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>区域</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>弯音范围</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>成员</translation>
    </message>
</context>
<context>
    <name>tinkella::app::SoundFontChooser</name>
    <message>
        <source>System GM font</source>
        <translation>系统 GM 音色库</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>其他…</translation>
    </message>
    <message>
        <source>system GM font plays</source>
        <translation>使用系统 GM 音色库</translation>
    </message>
    <message>
        <source>font in use kept</source>
        <translation>保留当前音色库</translation>
    </message>
    <message>
        <source>Choose a Sound Font</source>
        <translation>选择音色库</translation>
    </message>
    <message>
        <source>Sound fonts (*.sf2 *.sf3)</source>
        <translation>音色库 (*.sf2 *.sf3)</translation>
    </message>
</context>
<context>
    <name>tinkella::app::WindowController</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>设置页面</translation>
    </message>
    <message>
        <source>Tinkella by Quorvin</source>
        <translation>Tinkella by Quorvin</translation>
    </message>
</context>
</TS>
