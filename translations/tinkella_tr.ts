<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Tinkella</source>
        <translation>Tinkella</translation>
    </message>
    <message>
        <source>Piano Keyboard</source>
        <translation>Piyano Klavyesi</translation>
    </message>
    <message>
        <source>Play a 120-key piano on the touch strip and with the mouse, and send the notes to other music programs</source>
        <translation>Dokunmatik şeritte ve fareyle 120 tuşlu bir piyano çalın, notaları başka müzik programlarına gönderin</translation>
    </message>
    <message>
        <source>piano;keyboard;MIDI;synthesiser;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ending in &apos;;&apos;</extracomment>
        <translation>piyano;klavye;MIDI;sentezleyici;synthesizer;piano;keyboard;</translation>
    </message>
    <message>
        <source>Play a 120-key piano with several fingers and send the notes to other music programs</source>
        <translation>Birkaç parmakla 120 tuşlu bir piyano çalın ve notaları başka müzik programlarına gönderin</translation>
    </message>
    <message>
        <source>Tinkella is a piano keyboard of 120 keys that you play with several fingers at once on a touch strip along the bottom of the screen and with the mouse in a scrolling window.</source>
        <translation>Tinkella, ekranın altındaki dokunmatik şeritte birkaç parmakla aynı anda ve kayan bir pencerede fareyle çalınan 120 tuşlu bir piyano klavyesidir.</translation>
    </message>
    <message>
        <source>It sounds through a built-in General MIDI synthesiser and sends every note out of a virtual MIDI port named Tinkella, on the ALSA sequencer or on JACK, so that other music programs can record from it.</source>
        <translation>Yerleşik bir General MIDI sentezleyiciyle ses verir ve her notayı ALSA sıralayıcısında ya da JACK’te Tinkella adlı sanal bir MIDI bağlantı noktasından gönderir; böylece başka müzik programları onu kaydedebilir.</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Tinkella Help</source>
        <translation>Tinkella Yardımı</translation>
    </message>
    <message>
        <source>The manual is not built into this copy; see man tinkella.</source>
        <translation>Kılavuz bu kopyaya gömülü değil; man tinkella komutuna bakın.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Klavye Kısayolları</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Çalma</translation>
    </message>
    <message>
        <source>play from the octave&apos;s C up</source>
        <translation>oktavın C’sinden yukarı çal</translation>
    </message>
    <message>
        <source>play the octave above</source>
        <translation>üstteki oktavı çal</translation>
    </message>
    <message>
        <source>computer keyboard an octave down / up</source>
        <translation>bilgisayar klavyesi bir oktav aşağı / yukarı</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Boşluk</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>basılı tutuldukça sustain</translation>
    </message>
    <message>
        <source>panic: every note stops (piano window)</source>
        <translation>panik: tüm notalar susar (piyano penceresi)</translation>
    </message>
    <message>
        <source>move between the controls of a window</source>
        <translation>pencerenin denetimleri arasında geçiş</translation>
    </message>
    <message>
        <source>open the menus (piano window)</source>
        <translation>menüleri aç (piyano penceresi)</translation>
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
        <translation>Piyano klavyesi</translation>
    </message>
    <message>
        <source>Touch strip keyboard</source>
        <translation>Dokunmatik şerit klavyesi</translation>
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
        <translation>Tinkella Hakkında</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ayarlar…</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Hizmetler</translation>
    </message>
    <message>
        <source>Hide Tinkella</source>
        <translation>Tinkella’yı Gizle</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>Diğerlerini Gizle</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Tümünü Göster</translation>
    </message>
    <message>
        <source>Quit Tinkella</source>
        <translation>Tinkella’dan Çık</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Pencere</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Küçült</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Büyüt</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Tümünü Öne Getir</translation>
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
        <translation>Bilgisayar Klavyesi…</translation>
    </message>
    <message>
        <source>Save Last Performance…</source>
        <translation>Son Performansı Kaydet…</translation>
    </message>
    <message>
        <source>Transpose Up</source>
        <translation>Yukarı Transpoze Et</translation>
    </message>
    <message>
        <source>Transpose Down</source>
        <translation>Aşağı Transpoze Et</translation>
    </message>
    <message>
        <source>Reset Transpose</source>
        <translation>Transpozeyi Sıfırla</translation>
    </message>
    <message>
        <source>Scroll Left an Octave</source>
        <translation>Bir Oktav Sola Kaydır</translation>
    </message>
    <message>
        <source>Scroll Right an Octave</source>
        <translation>Bir Oktav Sağa Kaydır</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Tinkella Help</source>
        <translation>Tinkella Yardımı</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Klavye Kısayolları</translation>
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
        <translation>Son Performansı Kaydet</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation>MIDI dosyaları (*.mid *.midi)</translation>
    </message>
    <message>
        <source>The last performance could not be saved to %1: %2</source>
        <translation>Son performans %1 konumuna kaydedilemedi: %2</translation>
    </message>
</context>
<context>
    <name>PianoWindowController</name>
    <message>
        <source>Tinkella — Transpose %1</source>
        <translation>Tinkella — Transpoze %1</translation>
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
        <translation>Pitch bend: yukarı ya da aşağı sürükleyin veya odaktayken Yukarı / Aşağı; bırakılınca ortaya döner</translation>
    </message>
    <message>
        <source>Modulation (controller 1): drag up or down, or Up / Down with the focus; stays where it is left</source>
        <translation>Modülasyon (kontrolcü 1): yukarı ya da aşağı sürükleyin veya odaktayken Yukarı / Aşağı; bırakıldığı yerde kalır</translation>
    </message>
    <message>
        <source>Pitch bend wheel</source>
        <translation>Pitch bend tekerleği</translation>
    </message>
    <message>
        <source>Modulation wheel</source>
        <translation>Modülasyon tekerleği</translation>
    </message>
</context>
<context>
    <name>tinkella::ControllerKnobs</name>
    <message>
        <source>Modulation</source>
        <translation>Modülasyon</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Nefes</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Pedal</translation>
    </message>
    <message>
        <source>Portamento time</source>
        <translation>Portamento süresi</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Ses düzeyi</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Denge</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Ekspresyon</translation>
    </message>
    <message>
        <source>Resonance</source>
        <translation>Rezonans</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>Atak</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Parlaklık</translation>
    </message>
    <message>
        <source>Decay</source>
        <translation>Decay</translation>
    </message>
    <message>
        <source>Vibrato rate</source>
        <translation>Vibrato hızı</translation>
    </message>
    <message>
        <source>Vibrato depth</source>
        <translation>Vibrato derinliği</translation>
    </message>
    <message>
        <source>Vibrato delay</source>
        <translation>Vibrato gecikmesi</translation>
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
        <translation>Koro</translation>
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
        <translation>%1 (kontrolcü %2): %3 — başka bir kontrolcü seçmek için sağ tıklayın</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Other controller…</source>
        <translation>Başka kontrolcü…</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Kontrolcü</translation>
    </message>
    <message>
        <source>Controller number (1–119; not 6, 32, 38, 64 or 96–101, which Tinkella sends itself):</source>
        <translation>Kontrolcü numarası (1–119; Tinkella’nın kendisinin gönderdiği 6, 32, 38, 64 ve 96–101 hariç):</translation>
    </message>
</context>
<context>
    <name>tinkella::app::AppDelegate</name>
    <message>
        <source>About Tinkella</source>
        <translation>Tinkella Hakkında</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;A 120-key piano keyboard for the touch strip and the mouse, sending every note out of the MIDI source &quot;Tinkella&quot;.&lt;br&gt;&lt;br&gt;Sound by the FluidSynth synthesiser with the system&apos;s General MIDI sound font.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;By Quorvin.</source>
        <translation>&lt;b&gt;Tinkella&lt;/b&gt; %1&lt;br&gt;Dokunmatik şerit ve fare için 120 tuşlu, her notayı “Tinkella” MIDI kaynağından gönderen bir piyano klavyesi.&lt;br&gt;&lt;br&gt;Ses, sistemin General MIDI ses fontuyla FluidSynth sentezleyicisinden.&lt;br&gt;%2&lt;br&gt;&lt;br&gt;Quorvin tarafından.</translation>
    </message>
    <message>
        <source>While the piano window is active, two rows of the computer keyboard play an octave and a half. Keys count by where they are, not by their labels, so any layout plays alike; the letters are those of a US keyboard.</source>
        <translation>Piyano penceresi etkinken bilgisayar klavyesinin iki sırası bir buçuk oktav çalar. Tuşlar üzerlerindeki harflere göre değil konumlarına göre sayılır, bu yüzden her düzen aynı çalar; harfler ABD klavyesine göredir.</translation>
    </message>
    <message>
        <source>%1 up to %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Computer Keyboard</source>
        <translation>Bilgisayar Klavyesi</translation>
    </message>
    <message>
        <source>octave down / up</source>
        <translation>oktav aşağı / yukarı</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Boşluk</translation>
    </message>
    <message>
        <source>sustain, while held</source>
        <translation>basılı tutuldukça sustain</translation>
    </message>
    <message>
        <source>panic: every note stops</source>
        <translation>panik: tüm notalar susar</translation>
    </message>
</context>
<context>
    <name>tinkella::app::GeneralTab</name>
    <message>
        <source>Send MIDI events only</source>
        <translation>Yalnızca MIDI olayları gönder</translation>
    </message>
    <message>
        <source>Use built-in synthesiser only</source>
        <translation>Yalnızca yerleşik sentezleyici</translation>
    </message>
    <message>
        <source>Enable both</source>
        <translation>İkisini de etkinleştir</translation>
    </message>
    <message>
        <source>Notes go only to other programs, through the MIDI port Tinkella</source>
        <translation>Notalar yalnızca Tinkella MIDI bağlantı noktasından başka programlara gider</translation>
    </message>
    <message>
        <source>Notes sound only from the built-in synthesiser</source>
        <translation>Notalar yalnızca yerleşik sentezleyicide çalar</translation>
    </message>
    <message>
        <source>Notes sound from the built-in synthesiser and go to other programs</source>
        <translation>Notalar yerleşik sentezleyicide çalar ve başka programlara gider</translation>
    </message>
    <message>
        <source>Include black keys in Touch Bar glissando</source>
        <translation>Şerit glissandosuna siyah tuşları kat</translation>
    </message>
    <message>
        <source>Velocity from touch position</source>
        <translation>Dokunma konumundan velocity</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Enstrüman</translation>
    </message>
    <message>
        <source>The General MIDI instrument the built-in synthesiser plays</source>
        <translation>Yerleşik sentezleyicinin çaldığı General MIDI enstrümanı</translation>
    </message>
    <message>
        <source>Sound font</source>
        <translation>Ses fontu</translation>
    </message>
    <message>
        <source>The sound font the built-in synthesiser plays from; Other… chooses a file</source>
        <translation>Yerleşik sentezleyicinin çaldığı ses fontu; Diğer… bir dosya seçer</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Oktav</translation>
    </message>
    <message>
        <source>Scrolls the keyboard along its 120 keys</source>
        <translation>Klavyeyi 120 tuşu boyunca kaydırır</translation>
    </message>
    <message>
        <source>Key size</source>
        <translation>Tuş boyutu</translation>
    </message>
    <message>
        <source>The width of the keys on the strip and in the piano window</source>
        <translation>Şeritte ve piyano penceresinde tuşların genişliği</translation>
    </message>
    <message>
        <source>Black key area on Touch Bar</source>
        <translation>Şeritte siyah tuş alanı</translation>
    </message>
    <message>
        <source>How wide the touch zone of a black key on the strip is</source>
        <translation>Şeritte bir siyah tuşun dokunma alanının genişliği</translation>
    </message>
    <message>
        <source>A finger sliding along the strip also plays the black keys it crosses</source>
        <translation>Şerit boyunca kayan bir parmak, geçtiği siyah tuşları da çalar</translation>
    </message>
    <message>
        <source>Louder near a key&apos;s front edge, softer towards its back</source>
        <translation>Tuşun ön kenarına yakın daha güçlü, arkasına doğru daha yumuşak</translation>
    </message>
    <message>
        <source>Tinkella can control GarageBand and other apps</source>
        <translation>Tinkella, GarageBand’i ve başka uygulamaları denetleyebilir</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardAidsGroup</name>
    <message>
        <source>Keyboard</source>
        <translation>Klavye</translation>
    </message>
    <message>
        <source>Name the chord being played</source>
        <translation>Çalınan akoru adlandır</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> yarım ses</translation>
    </message>
    <message>
        <source>Key names</source>
        <translation>Tuş adları</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Transpoze</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Dizi</translation>
    </message>
    <message>
        <source>What the keys are labelled with</source>
        <translation>Tuşların üzerinde ne yazacağı</translation>
    </message>
    <message>
        <source>Semitones added to every note you play</source>
        <translation>Çaldığınız her notaya eklenen yarım sesler</translation>
    </message>
    <message>
        <source>Scale root</source>
        <translation>Dizinin kökü</translation>
    </message>
    <message>
        <source>The root of the scale shown on the keys</source>
        <translation>Tuşlarda gösterilen dizinin kök notası</translation>
    </message>
    <message>
        <source>Keys outside the scale are drawn dimmer; nothing played changes</source>
        <translation>Dizi dışındaki tuşlar daha soluk çizilir; çalınan hiçbir şey değişmez</translation>
    </message>
    <message>
        <source>The piano window names the chord or interval that sounds</source>
        <translation>Piyano penceresi çalan akoru ya da aralığı adlandırır</translation>
    </message>
</context>
<context>
    <name>tinkella::app::KeyboardTab</name>
    <message>
        <source>High contrast keys</source>
        <translation>Yüksek karşıtlıklı tuşlar</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>MPE</source>
        <translation>MPE</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>İfade</translation>
    </message>
    <message>
        <source>Off, or MPE: each note on a MIDI channel of its own, bent by sliding along the keys</source>
        <translation>Kapalı ya da MPE: her nota kendi MIDI kanalında, tuşlar boyunca kaydırılarak bükülür</translation>
    </message>
    <message>
        <source>Black and white keys with strong outlines; your keys light in orange, notes from MIDI in in blue</source>
        <translation>Güçlü dış hatlı siyah ve beyaz tuşlar; sizin tuşlarınız turuncu, MIDI girişinden gelen notalar mavi yanar</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klavye</translation>
    </message>
</context>
<context>
    <name>tinkella::app::MidiTab</name>
    <message>
        <source>Send the instrument as program and bank</source>
        <translation>Enstrümanı program ve bank olarak gönder</translation>
    </message>
    <message>
        <source>Show pitch-bend and modulation wheels</source>
        <translation>Pitch bend ve modülasyon tekerleklerini göster</translation>
    </message>
    <message>
        <source>Show controller knobs</source>
        <translation>Kontrolcü düğmelerini göster</translation>
    </message>
    <message>
        <source>The MIDI channel your notes, pedal, wheels and knobs go out on, and the built-in synthesiser plays (with MPE off)</source>
        <translation>Notalarınızın, pedalın, tekerleklerin ve düğmelerin çıktığı ve yerleşik sentezleyicinin çaldığı MIDI kanalı (MPE kapalıyken)</translation>
    </message>
    <message>
        <source>The velocity of every note while &quot;Velocity from touch position&quot; is off, and of the computer keyboard&apos;s notes always</source>
        <translation>“Dokunma konumundan velocity” kapalıyken her notanın velocity’si; bilgisayar klavyesinin notaları için her zaman</translation>
    </message>
    <message>
        <source>Also sends the instrument chosen on the General tab to the MIDI output: bank select, then program change, when chosen, at start and when a program connects</source>
        <translation>Genel sekmesinde seçilen enstrümanı MIDI çıkışına da gönderir: seçildiğinde, açılışta ve bir program bağlandığında önce bank select, sonra program change</translation>
    </message>
    <message>
        <source>The bank sent before the program (controllers 0 and 32)</source>
        <translation>Programdan önce gönderilen bank (kontrolcü 0 ve 32)</translation>
    </message>
    <message>
        <source>Pitch-bend and modulation wheels at the left end of the piano window, played with the mouse or a finger</source>
        <translation>Piyano penceresinin sol ucunda, fareyle ya da parmakla çalınan pitch bend ve modülasyon tekerlekleri</translation>
    </message>
    <message>
        <source>How far the pitch wheel bends at either end (sent as registered parameter 0)</source>
        <translation>Pitch tekerleğinin iki uçta ne kadar büktüğü (kayıtlı parametre 0 olarak gönderilir)</translation>
    </message>
    <message>
        <source> semitones</source>
        <translation> yarım ses</translation>
    </message>
    <message>
        <source>Eight controller knobs above the keys; right-click a knob to choose its controller</source>
        <translation>Tuşların üzerinde sekiz kontrolcü düğmesi; kontrolcüsünü seçmek için bir düğmeye sağ tıklayın</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Bend aralığı</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Hiçbiri</translation>
    </message>
    <message>
        <source>The General MIDI instrument the keys below the split play</source>
        <translation>Bölme noktasının altındaki tuşların çaldığı General MIDI çalgısı</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Bölme</translation>
    </message>
    <message>
        <source>Split instrument</source>
        <translation>Bölme çalgısı</translation>
    </message>
    <message>
        <source>The keys below this note play the split instrument: with MPE off on the channel after yours, with MPE on in the lower zone, the keys above it in the upper zone</source>
        <translation>Bu notanın altındaki tuşlar bölme çalgısını çalar: MPE kapalıyken sizin kanalınızdan sonraki kanalda, MPE açıkken alt bölgede; üstündeki tuşlar üst bölgede çalar</translation>
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
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Yavaş</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Hızlı</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>Mutlak</translation>
    </message>
    <message>
        <source>Relative</source>
        <translation>Göreli</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>Üst</translation>
    </message>
    <message>
        <source>Pitch-bend range of the member channels, in semitones either way</source>
        <translation>Üye kanalların pitch bend aralığı, her iki yöne yarım ses olarak</translation>
    </message>
    <message>
        <source>How fast a resting finger&apos;s pitch glides to the centre of its key</source>
        <translation>Duran bir parmağın perdesinin tuşunun ortasına ne kadar hızlı kaydığı</translation>
    </message>
    <message>
        <source>Controller 74: from where the finger is along the key, or from where it touched down</source>
        <translation>Kontrolcü 74: parmağın tuş boyunca bulunduğu yerden ya da ilk dokunduğu yerden</translation>
    </message>
    <message>
        <source>Member channels of the zone</source>
        <translation>Bölgenin üye kanalları</translation>
    </message>
    <message>
        <source>Pitch rounding</source>
        <translation>Perde yuvarlama</translation>
    </message>
    <message>
        <source>Timbre</source>
        <translation>Tını</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Bölge</translation>
    </message>
    <message>
        <source>Bend range</source>
        <translation>Bend aralığı</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Üyeler</translation>
    </message>
</context>
<context>
    <name>tinkella::app::SoundFontChooser</name>
    <message>
        <source>System GM font</source>
        <translation>Sistem GM fontu</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Diğer…</translation>
    </message>
    <message>
        <source>system GM font plays</source>
        <translation>sistem GM fontu çalıyor</translation>
    </message>
    <message>
        <source>font in use kept</source>
        <translation>kullanılan font korundu</translation>
    </message>
    <message>
        <source>Choose a Sound Font</source>
        <translation>Ses Fontu Seç</translation>
    </message>
    <message>
        <source>Sound fonts (*.sf2 *.sf3)</source>
        <translation>Ses fontları (*.sf2 *.sf3)</translation>
    </message>
</context>
<context>
    <name>tinkella::app::WindowController</name>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Ayar sayfaları</translation>
    </message>
    <message>
        <source>Tinkella by Quorvin</source>
        <translation>Quorvin’den Tinkella</translation>
    </message>
</context>
</TS>
