<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Tinkella</source>
        <translation>Tinkella</translation>
    </message>
    <message>
        <source>Piano Keyboard</source>
        <translation>ピアノ鍵盤</translation>
    </message>
    <message>
        <source>Play a 120-key piano on the touch strip and with the mouse, and send the notes to other music programs</source>
        <translation>120 鍵のピアノをタッチストリップとマウスで演奏し、音をほかの音楽ソフトに送ります</translation>
    </message>
    <message>
        <source>piano;keyboard;MIDI;synthesiser;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ending in &apos;;&apos;</extracomment>
        <translation>ピアノ;鍵盤;キーボード;MIDI;シンセサイザー;piano;keyboard;</translation>
    </message>
    <message>
        <source>Play a 120-key piano with several fingers and send the notes to other music programs</source>
        <translation>120 鍵のピアノを複数の指で演奏し、音をほかの音楽ソフトに送ります</translation>
    </message>
    <message>
        <source>Tinkella is a piano keyboard of 120 keys that you play with several fingers at once on a touch strip along the bottom of the screen and with the mouse in a scrolling window.</source>
        <translation>Tinkella は 120 鍵のピアノ鍵盤です。画面下端のタッチストリップで複数の指を同時に使って、またスクロールするウィンドウでマウスを使って演奏します。</translation>
    </message>
    <message>
        <source>It sounds through a built-in General MIDI synthesiser and sends every note out of a virtual MIDI port named Tinkella, on the ALSA sequencer or on JACK, so that other music programs can record from it.</source>
        <translation>内蔵の General MIDI シンセサイザーで鳴り、すべての音を ALSA シーケンサーまたは JACK 上の Tinkella という名前の仮想 MIDI ポートから送るので、ほかの音楽ソフトで録音できます。</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Tinkella Help</source>
        <translation>Tinkella ヘルプ</translation>
    </message>
    <message>
        <source>The manual is not built into this copy; see man tinkella.</source>
        <translation>このコピーにはマニュアルが組み込まれていません。man tinkella を参照してください。</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>演奏</translation>
    </message>
    <message>
        <source>play from the octave&apos;s C up</source>
        <translation>オクターブの C から上を演奏</translation>
    </message>
    <message>
        <source>play the octave above</source>
        <translation>1 オクターブ上を演奏</translation>
    </message>
    <message>
        <source>computer keyboard an octave down / up</source>
        <translation>コンピューターキーボードを 1 オクターブ下 / 上へ</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>押している間サステイン</translation>
    </message>
    <message>
        <source>panic: every note stops (piano window)</source>
        <translation>パニック: すべての音を止める (ピアノウィンドウ)</translation>
    </message>
    <message>
        <source>move between the controls of a window</source>
        <translation>ウィンドウ内のコントロール間を移動</translation>
    </message>
    <message>
        <source>open the menus (piano window)</source>
        <translation>メニューを開く (ピアノウィンドウ)</translation>
    </message>
</context>
<context>
    <name>KeyboardAccessibility</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 〜 %2</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>ピアノ鍵盤</translation>
    </message>
    <message>
        <source>Touch strip keyboard</source>
        <translation>タッチストリップの鍵盤</translation>
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
        <translation>Tinkella について</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>サービス</translation>
    </message>
    <message>
        <source>Hide Tinkella</source>
        <translation>Tinkella を隠す</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>ほかを隠す</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>すべてを表示</translation>
    </message>
    <message>
        <source>Quit Tinkella</source>
        <translation>Tinkella を終了</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>ウィンドウ</translation>
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
        <translation>すべてを手前に移動</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>サステイン</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>パニック</translation>
    </message>
    <message>
        <source>Computer Keyboard…</source>
        <translation>コンピューターキーボード…</translation>
    </message>
    <message>
        <source>Save Last Performance…</source>
        <translation>直前の演奏を保存…</translation>
    </message>
    <message>
        <source>Transpose Up</source>
        <translation>移調を上げる</translation>
    </message>
    <message>
        <source>Transpose Down</source>
        <translation>移調を下げる</translation>
    </message>
    <message>
        <source>Reset Transpose</source>
        <translation>移調をリセット</translation>
    </message>
    <message>
        <source>Scroll Left an Octave</source>
        <translation>1 オクターブ左へ</translation>
    </message>
    <message>
        <source>Scroll Right an Octave</source>
        <translation>1 オクターブ右へ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Tinkella Help</source>
        <translation>Tinkella ヘルプ</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
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
        <translation>直前の演奏を保存</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation>MIDI ファイル (*.mid *.midi)</translation>
    </message>
    <message>
        <source>The last performance could not be saved to %1: %2</source>
        <translation>直前の演奏を %1 に保存できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>PianoWindowController</name>
    <message>
        <source>Tinkella — Transpose %1</source>
        <translation>Tinkella — 移調 %1</translation>
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
        <translation>ピッチベンド: 上下にドラッグ、またはフォーカス時に上 / 下キー。離すと中央に戻ります</translation>
    </message>
    <message>
        <source>Modulation (controller 1): drag up or down, or Up / Down with the focus; stays where it is left</source>
        <translation>モジュレーション (コントローラー 1): 上下にドラッグ、またはフォーカス時に上 / 下キー。離した位置にとどまります</translation>
    </message>
    <message>
        <source>Pitch bend wheel</source>
        <translation>ピッチベンドホイール</translation>
    </message>
    <message>
        <source>Modulation wheel</source>
        <translation>モジュレーションホイール</translation>
    </message>
</context>
<context>
    <name>tinkella::ControllerKnobs</name>
    <message>
        <source>Modulation</source>
        <translation>モジュレーション</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>ブレス</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>フット</translation>
    </message>
    <message>
        <source>Portamento time</source>
        <translation>ポルタメントタイム</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>ボリューム</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>バランス</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>パン</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>エクスプレッション</translation>
    </message>
    <message>
        <source>Resonance</source>
        <translation>レゾナンス</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>リリース</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>アタック</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>ブライトネス</translation>
    </message>
    <message>
        <source>Decay</source>
        <translation>ディケイ</translation>
    </message>
    <message>
        <source>Vibrato rate</source>
        <translation>ビブラートレート</translation>
    </message>
    <message>
        <source>Vibrato depth</source>
        <translation>ビブラートデプス</translation>
    </message>
    <message>
        <source>Vibrato delay</source>
        <translation>ビブラートディレイ</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>リバーブ</translation>
    </message>
    <message>
        <source>Tremolo</source>
        <translation>トレモロ</translation>
    </message>
    <message>
        <source>Chorus</source>
        <translation>コーラス</translation>
    </message>
    <message>
        <source>Detune</source>
        <translation>デチューン</translation>
    </message>
    <message>
        <source>Phaser</source>
        <translation>フェイザー</translation>
    </message>
    <message>
        <source>CC %1</source>
        <translation>CC %1</translation>
    </message>
    <message>
        <source>%1 (controller %2): %3 — right-click to choose another controller</source>
        <translation>%1 (コントローラー %2): %3 — 右クリックで別のコントローラーを選択</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Other controller…</source>
        <translation>ほかのコントローラー…</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>コントローラー</translation>
    </message>
    <message>
        <source>Controller number (1–119; not 6, 32, 38, 64 or 96–101, which Tinkella sends itself):</source>
        <translation>コントローラー番号 (1–119。Tinkella 自身が送る 6、32、38、64、96–101 を除く):</translation>
    </message>
</context>
<context>
    <name>tinkella::app::AppDelegate</name>
    <message>
        <source>About Tinkella</source>
        <translation>Tinkella について</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;A 120-key piano keyboard for the touch strip and the mouse, sending every note out of the MIDI source &quot;Tinkella&quot;.&lt;br&gt;&lt;br&gt;Sound by the FluidSynth synthesiser with the system&apos;s General MIDI sound font.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;By Quorvin.</source>
        <translation>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;タッチストリップとマウスで弾く 120 鍵のピアノ鍵盤。すべての音を MIDI ソース「Tinkella」から送ります。&lt;br&gt;&lt;br&gt;音源はシステムの General MIDI サウンドフォントを使う FluidSynth シンセサイザーです。&lt;br&gt;%2&lt;br&gt;&lt;br&gt;作者: Quorvin</translation>
    </message>
    <message>
        <source>While the piano window is active, two rows of the computer keyboard play an octave and a half. Keys count by where they are, not by their labels, so any layout plays alike; the letters are those of a US keyboard.</source>
        <translation>ピアノウィンドウがアクティブな間、コンピューターキーボードの 2 列で 1 オクターブ半を演奏できます。キーは刻印ではなく位置で決まるので、どの配列でも同じように弾けます。文字は US キーボードのものです。</translation>
    </message>
    <message>
        <source>%1 up to %2</source>
        <translation>%1 〜 %2</translation>
    </message>
    <message>
        <source>Computer Keyboard</source>
        <translation>コンピューターキーボード</translation>
    </message>
    <message>
        <source>octave down / up</source>
        <translation>1 オクターブ下 / 上</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>押している間サステイン</translation>
    </message>
    <message>
        <source>panic: every note stops</source>
        <translation>パニック: すべての音を止める</translation>
    </message>
</context>
<context>
    <name>tinkella::app::GeneralTab</name>
    <message>
        <source>Send MIDI events only</source>
        <translation>MIDI イベントのみ送信</translation>
    </message>
    <message>
        <source>Use built-in synthesiser only</source>
        <translation>内蔵シンセサイザーのみ使用</translation>
    </message>
    <message>
        <source>Enable both</source>
        <translation>両方を有効にする</translation>
    </message>
    <message>
        <source>Notes go only to other programs, through the MIDI port Tinkella</source>
        <translation>音は MIDI ポート Tinkella を通じてほかのソフトにだけ送られます</translation>
    </message>
    <message>
        <source>Notes sound only from the built-in synthesiser</source>
        <translation>音は内蔵シンセサイザーでだけ鳴ります</translation>
    </message>
    <message>
        <source>Notes sound from the built-in synthesiser and go to other programs</source>
        <translation>音は内蔵シンセサイザーで鳴り、ほかのソフトにも送られます</translation>
    </message>
    <message>
        <source>Include black keys in Touch Bar glissando</source>
        <translation>ストリップのグリッサンドに黒鍵を含める</translation>
    </message>
    <message>
        <source>Velocity from touch position</source>
        <translation>タッチ位置からベロシティ</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>音色</translation>
    </message>
    <message>
        <source>The General MIDI instrument the built-in synthesiser plays</source>
        <translation>内蔵シンセサイザーが演奏する General MIDI の音色</translation>
    </message>
    <message>
        <source>Sound font</source>
        <translation>サウンドフォント</translation>
    </message>
    <message>
        <source>The sound font the built-in synthesiser plays from; Other… chooses a file</source>
        <translation>内蔵シンセサイザーが使うサウンドフォント。「その他…」でファイルを選択</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>オクターブ</translation>
    </message>
    <message>
        <source>Scrolls the keyboard along its 120 keys</source>
        <translation>120 鍵に沿って鍵盤をスクロールします</translation>
    </message>
    <message>
        <source>Key size</source>
        <translation>鍵盤の大きさ</translation>
    </message>
    <message>
        <source>The width of the keys on the strip and in the piano window</source>
        <translation>ストリップとピアノウィンドウでの鍵盤の幅</translation>
    </message>
    <message>
        <source>Black key area on Touch Bar</source>
        <translation>ストリップの黒鍵領域</translation>
    </message>
    <message>
        <source>How wide the touch zone of a black key on the strip is</source>
        <translation>ストリップ上の黒鍵のタッチ領域の幅</translation>
    </message>
    <message>
        <source>A finger sliding along the strip also plays the black keys it crosses</source>
        <translation>ストリップ上を滑る指が、通過する黒鍵も鳴らします</translation>
    </message>
    <message>
        <source>Louder near a key&apos;s front edge, softer towards its back</source>
        <translation>鍵盤の手前の端に近いほど強く、奥ほど弱く</translation>
    </message>
    <message>
        <source>Tinkella can control GarageBand and other apps</source>
        <translation>Tinkella は GarageBand などのアプリを操作できます</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardAidsGroup</name>
    <message>
        <source>Keyboard</source>
        <translation>鍵盤</translation>
    </message>
    <message>
        <source>Name the chord being played</source>
        <translation>演奏中のコード名を表示</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> 半音</translation>
    </message>
    <message>
        <source>Key names</source>
        <translation>鍵盤の表記</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>移調</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>スケール</translation>
    </message>
    <message>
        <source>What the keys are labelled with</source>
        <translation>鍵盤に表示する表記</translation>
    </message>
    <message>
        <source>Semitones added to every note you play</source>
        <translation>演奏するすべての音に加える半音数</translation>
    </message>
    <message>
        <source>Scale root</source>
        <translation>スケールのルート</translation>
    </message>
    <message>
        <source>The root of the scale shown on the keys</source>
        <translation>鍵盤に表示するスケールのルート</translation>
    </message>
    <message>
        <source>Keys outside the scale are drawn dimmer; nothing played changes</source>
        <translation>スケール外の鍵を暗く描きます。演奏には影響しません</translation>
    </message>
    <message>
        <source>The piano window names the chord or interval that sounds</source>
        <translation>鳴っているコードまたは音程をピアノウィンドウに表示します</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardTab</name>
    <message>
        <source>High contrast keys</source>
        <translation>ハイコントラストの鍵盤</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>MPE</source>
        <translation>MPE</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>表現</translation>
    </message>
    <message>
        <source>Off, or MPE: each note on a MIDI channel of its own, bent by sliding along the keys</source>
        <translation>オフ、または MPE: 各音を専用の MIDI チャンネルで送り、鍵盤に沿って滑らせるとピッチベンド</translation>
    </message>
    <message>
        <source>Black and white keys with strong outlines; your keys light in orange, notes from MIDI in in blue</source>
        <translation>輪郭のはっきりした白鍵と黒鍵。自分の鍵はオレンジ、MIDI 入力の音は青で光ります</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>鍵盤</translation>
    </message>
</context>
<context>
    <name>tinkella::app::MidiTab</name>
    <message>
        <source>Send the instrument as program and bank</source>
        <translation>音色をプログラムとバンクとして送信</translation>
    </message>
    <message>
        <source>Show pitch-bend and modulation wheels</source>
        <translation>ピッチベンドとモジュレーションのホイールを表示</translation>
    </message>
    <message>
        <source>Show controller knobs</source>
        <translation>コントローラーノブを表示</translation>
    </message>
    <message>
        <source>The MIDI channel your notes, pedal, wheels and knobs go out on, and the built-in synthesiser plays (with MPE off)</source>
        <translation>ノート、ペダル、ホイール、ノブを送り、内蔵シンセサイザーが演奏する MIDI チャンネル (MPE オフ時)</translation>
    </message>
    <message>
        <source>The velocity of every note while &quot;Velocity from touch position&quot; is off, and of the computer keyboard&apos;s notes always</source>
        <translation>「タッチ位置からベロシティ」がオフのときのすべての音のベロシティ。コンピューターキーボードの音には常に使います</translation>
    </message>
    <message>
        <source>Also sends the instrument chosen on the General tab to the MIDI output: bank select, then program change, when chosen, at start and when a program connects</source>
        <translation>「一般」タブで選んだ音色を MIDI 出力にも送ります。選択時、起動時、ソフトの接続時に、バンクセレクトに続けてプログラムチェンジを送ります</translation>
    </message>
    <message>
        <source>The bank sent before the program (controllers 0 and 32)</source>
        <translation>プログラムの前に送るバンク (コントローラー 0 と 32)</translation>
    </message>
    <message>
        <source>Pitch-bend and modulation wheels at the left end of the piano window, played with the mouse or a finger</source>
        <translation>ピアノウィンドウ左端のピッチベンドとモジュレーションのホイール。マウスまたは指で操作</translation>
    </message>
    <message>
        <source>How far the pitch wheel bends at either end (sent as registered parameter 0)</source>
        <translation>ピッチホイールの両端でのベンド幅 (RPN 0 として送信)</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> 半音</translation>
    </message>
    <message>
        <source>Eight controller knobs above the keys; right-click a knob to choose its controller</source>
        <translation>鍵盤の上に 8 つのコントローラーノブ。ノブを右クリックしてコントローラーを選択</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>ベロシティ</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>バンク</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>ベンドレンジ</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>The General MIDI instrument the keys below the split play</source>
        <translation>スプリットより下の鍵盤が演奏する General MIDI の音色</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>スプリット</translation>
    </message>
    <message>
        <source>Split instrument</source>
        <translation>スプリットの音色</translation>
    </message>
    <message>
        <source>The keys below this note play the split instrument: with MPE off on the channel after yours, with MPE on in the lower zone, the keys above it in the upper zone</source>
        <translation>この音より下の鍵盤はスプリットの音色を演奏します。MPE オフ時はあなたのチャンネルの次のチャンネルで、MPE オン時はロワーゾーンで演奏し、上の鍵盤はアッパーゾーンで演奏します</translation>
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
        <translation>オフ</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>遅い</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>速い</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>絶対</translation>
    </message>
    <message>
        <source>Relative</source>
        <translation>相対</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>ロワー</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>アッパー</translation>
    </message>
    <message>
        <source>Pitch-bend range of the member channels, in semitones either way</source>
        <translation>メンバーチャンネルのピッチベンド幅 (上下それぞれの半音数)</translation>
    </message>
    <message>
        <source>How fast a resting finger&apos;s pitch glides to the centre of its key</source>
        <translation>止まっている指のピッチが鍵の中央へ移る速さ</translation>
    </message>
    <message>
        <source>Controller 74: from where the finger is along the key, or from where it touched down</source>
        <translation>コントローラー 74: 鍵盤上の指の位置から、または指が触れた位置から</translation>
    </message>
    <message>
        <source>Member channels of the zone</source>
        <translation>ゾーンのメンバーチャンネル</translation>
    </message>
    <message>
        <source>Pitch rounding</source>
        <translation>ピッチの丸め</translation>
    </message>
    <message>
        <source>Timbre</source>
        <translation>ティンバー</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>ゾーン</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>ベンドレンジ</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>メンバー</translation>
    </message>
</context>
<context>
    <name>tinkella::app::SoundFontChooser</name>
    <message>
        <source>System GM font</source>
        <translation>システムの GM フォント</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>その他…</translation>
    </message>
    <message>
        <source>system GM font plays</source>
        <translation>システムの GM フォントで演奏</translation>
    </message>
    <message>
        <source>font in use kept</source>
        <translation>使用中のフォントを維持</translation>
    </message>
    <message>
        <source>Choose a Sound Font</source>
        <translation>サウンドフォントを選択</translation>
    </message>
    <message>
        <source>Sound fonts (*.sf2 *.sf3)</source>
        <translation>サウンドフォント (*.sf2 *.sf3)</translation>
    </message>
</context>
<context>
    <name>tinkella::app::WindowController</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>設定ページ</translation>
    </message>
    <message>
        <source>Tinkella by Quorvin</source>
        <translation>Tinkella by Quorvin</translation>
    </message>
</context>
</TS>
