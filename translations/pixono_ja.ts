<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>About</name>
    <message>
        <source>Mouse to MIDI</source>
        <translation>マウスで MIDI</translation>
    </message>
    <message>
        <source>Mouse X -&gt; Note Nr
Mouse Y -&gt; Velocity
Mouse wheel -&gt; Controller 1 (Modulation Wheel)
Red -&gt; Controller 2 (Breath control)
Green -&gt; Controller 3 ()
Blue -&gt; Controller 4 (Foot control)</source>
        <translation>マウス X -&gt; ノート番号
マウス Y -&gt; ベロシティ
ホイール -&gt; コントローラー 1 (モジュレーション・ホイール)
赤 -&gt; コントローラー 2 (ブレス・コントロール)
緑 -&gt; コントローラー 3 ()
青 -&gt; コントローラー 4 (フット・コントロール)</translation>
    </message>
    <message>
        <source>Holding the left mouse button activates sending of note on
and note off messages.</source>
        <translation>マウスの左ボタンを押している間、ノート・オンと
ノート・オフのメッセージを送信します。</translation>
    </message>
    <message>
        <source>Holding the right mouse button activates sending color changes
as CC values.</source>
        <translation>マウスの右ボタンを押している間、色の変化を
CC 値として送信します。</translation>
    </message>
    <message>
        <source>When the mouse wheel won&apos;t work :</source>
        <translation>マウス・ホイールが動作しないとき:</translation>
    </message>
    <message>
        <source>Press Ctrl+Alt+Del, select the program em_exec (logitech mouse driver)
and kill that process, this will disable mousewheel support for some
programs but enable it for others, as long as you don&apos;t remove em_exec
from the registry wm_exec will be launched again after restarting windows, 
so it&apos;s rather harmless to kill it.</source>
        <translation>Ctrl+Alt+Del を押し、プログラム em_exec
(Logitech マウス・ドライバー) を選んで
そのプロセスを終了してください。一部の
プログラムではホイールが使えなくなりますが、
ほかのプログラムでは使えるようになります。
レジストリから em_exec を削除しない限り、
Windows を再起動すると wm_exec は再び
起動するので、終了させても特に害はありません。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: pixono [OPTION]
Play MIDI notes and controllers with the mouse over a picture.

  --help     show this help and exit
  --version  show the version and exit

Other arguments are ignored. The settings are kept in pixono.INI; see pixono(1).
</source>
        <translation>使い方: pixono [オプション]
画像の上でマウスを動かして MIDI ノートとコントローラーを演奏します。

  --help     このヘルプを表示して終了する
  --version  バージョンを表示して終了する

その他の引数は無視されます。設定は pixono.INI に保存されます。pixono(1) を参照してください。
</translation>
    </message>
</context>
<context>
    <name>GeneralMidi</name>
    <message>
        <source>Acoustic Grand Piano</source>
        <translation>アコースティック・グランド・ピアノ</translation>
    </message>
    <message>
        <source>Bright Acoustic Piano</source>
        <translation>ブライト・アコースティック・ピアノ</translation>
    </message>
    <message>
        <source>Electric Grand Piano</source>
        <translation>エレクトリック・グランド・ピアノ</translation>
    </message>
    <message>
        <source>Honky-tonk Piano</source>
        <translation>ホンキートンク・ピアノ</translation>
    </message>
    <message>
        <source>Electric Piano 1</source>
        <translation>エレクトリック・ピアノ 1</translation>
    </message>
    <message>
        <source>Electric Piano 2</source>
        <translation>エレクトリック・ピアノ 2</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>ハープシコード</translation>
    </message>
    <message>
        <source>Clavi</source>
        <translation>クラビ</translation>
    </message>
    <message>
        <source>Celesta</source>
        <translation>チェレスタ</translation>
    </message>
    <message>
        <source>Glockenspiel</source>
        <translation>グロッケンシュピール</translation>
    </message>
    <message>
        <source>Music Box</source>
        <translation>オルゴール</translation>
    </message>
    <message>
        <source>Vibraphone</source>
        <translation>ビブラフォン</translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation>マリンバ</translation>
    </message>
    <message>
        <source>Xylophone</source>
        <translation>シロフォン</translation>
    </message>
    <message>
        <source>Tubular Bells</source>
        <translation>チューブラー・ベル</translation>
    </message>
    <message>
        <source>Dulcimer</source>
        <translation>ダルシマー</translation>
    </message>
    <message>
        <source>Drawbar Organ</source>
        <translation>ドローバー・オルガン</translation>
    </message>
    <message>
        <source>Percussive Organ</source>
        <translation>パーカッシブ・オルガン</translation>
    </message>
    <message>
        <source>Rock Organ</source>
        <translation>ロック・オルガン</translation>
    </message>
    <message>
        <source>Church Organ</source>
        <translation>チャーチ・オルガン</translation>
    </message>
    <message>
        <source>Reed Organ</source>
        <translation>リード・オルガン</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>アコーディオン</translation>
    </message>
    <message>
        <source>Harmonica</source>
        <translation>ハーモニカ</translation>
    </message>
    <message>
        <source>Tango Accordion</source>
        <translation>タンゴ・アコーディオン</translation>
    </message>
    <message>
        <source>Acoustic Guitar (nylon)</source>
        <translation>アコースティック・ギター (ナイロン)</translation>
    </message>
    <message>
        <source>Acoustic Guitar (steel)</source>
        <translation>アコースティック・ギター (スチール)</translation>
    </message>
    <message>
        <source>Electric Guitar (jazz)</source>
        <translation>エレクトリック・ギター (ジャズ)</translation>
    </message>
    <message>
        <source>Electric Guitar (clean)</source>
        <translation>エレクトリック・ギター (クリーン)</translation>
    </message>
    <message>
        <source>Electric Guitar (muted)</source>
        <translation>エレクトリック・ギター (ミュート)</translation>
    </message>
    <message>
        <source>Overdriven Guitar</source>
        <translation>オーバードライブ・ギター</translation>
    </message>
    <message>
        <source>Distortion Guitar</source>
        <translation>ディストーション・ギター</translation>
    </message>
    <message>
        <source>Guitar Harmonics</source>
        <translation>ギター・ハーモニクス</translation>
    </message>
    <message>
        <source>Acoustic Bass</source>
        <translation>アコースティック・ベース</translation>
    </message>
    <message>
        <source>Electric Bass (finger)</source>
        <translation>エレクトリック・ベース (フィンガー)</translation>
    </message>
    <message>
        <source>Electric Bass (pick)</source>
        <translation>エレクトリック・ベース (ピック)</translation>
    </message>
    <message>
        <source>Fretless Bass</source>
        <translation>フレットレス・ベース</translation>
    </message>
    <message>
        <source>Slap Bass 1</source>
        <translation>スラップ・ベース 1</translation>
    </message>
    <message>
        <source>Slap Bass 2</source>
        <translation>スラップ・ベース 2</translation>
    </message>
    <message>
        <source>Synth Bass 1</source>
        <translation>シンセ・ベース 1</translation>
    </message>
    <message>
        <source>Synth Bass 2</source>
        <translation>シンセ・ベース 2</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>バイオリン</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>ビオラ</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>チェロ</translation>
    </message>
    <message>
        <source>Contrabass</source>
        <translation>コントラバス</translation>
    </message>
    <message>
        <source>Tremolo Strings</source>
        <translation>トレモロ・ストリングス</translation>
    </message>
    <message>
        <source>Pizzicato Strings</source>
        <translation>ピチカート・ストリングス</translation>
    </message>
    <message>
        <source>Orchestral Harp</source>
        <translation>オーケストラ・ハープ</translation>
    </message>
    <message>
        <source>Timpani</source>
        <translation>ティンパニ</translation>
    </message>
    <message>
        <source>String Ensemble 1</source>
        <translation>ストリングス・アンサンブル 1</translation>
    </message>
    <message>
        <source>String Ensemble 2</source>
        <translation>ストリングス・アンサンブル 2</translation>
    </message>
    <message>
        <source>Synth Strings 1</source>
        <translation>シンセ・ストリングス 1</translation>
    </message>
    <message>
        <source>Synth Strings 2</source>
        <translation>シンセ・ストリングス 2</translation>
    </message>
    <message>
        <source>Choir Aahs</source>
        <translation>クワイア・アー</translation>
    </message>
    <message>
        <source>Voice Oohs</source>
        <translation>ボイス・ウー</translation>
    </message>
    <message>
        <source>Synth Voice</source>
        <translation>シンセ・ボイス</translation>
    </message>
    <message>
        <source>Orchestra Hit</source>
        <translation>オーケストラ・ヒット</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>トランペット</translation>
    </message>
    <message>
        <source>Trombone</source>
        <translation>トロンボーン</translation>
    </message>
    <message>
        <source>Tuba</source>
        <translation>チューバ</translation>
    </message>
    <message>
        <source>Muted Trumpet</source>
        <translation>ミュート・トランペット</translation>
    </message>
    <message>
        <source>French Horn</source>
        <translation>フレンチ・ホルン</translation>
    </message>
    <message>
        <source>Brass Section</source>
        <translation>ブラス・セクション</translation>
    </message>
    <message>
        <source>Synth Brass 1</source>
        <translation>シンセ・ブラス 1</translation>
    </message>
    <message>
        <source>Synth Brass 2</source>
        <translation>シンセ・ブラス 2</translation>
    </message>
    <message>
        <source>Soprano Sax</source>
        <translation>ソプラノ・サックス</translation>
    </message>
    <message>
        <source>Alto Sax</source>
        <translation>アルト・サックス</translation>
    </message>
    <message>
        <source>Tenor Sax</source>
        <translation>テナー・サックス</translation>
    </message>
    <message>
        <source>Baritone Sax</source>
        <translation>バリトン・サックス</translation>
    </message>
    <message>
        <source>Oboe</source>
        <translation>オーボエ</translation>
    </message>
    <message>
        <source>English Horn</source>
        <translation>イングリッシュ・ホルン</translation>
    </message>
    <message>
        <source>Bassoon</source>
        <translation>バスーン</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>クラリネット</translation>
    </message>
    <message>
        <source>Piccolo</source>
        <translation>ピッコロ</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>フルート</translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation>リコーダー</translation>
    </message>
    <message>
        <source>Pan Flute</source>
        <translation>パン・フルート</translation>
    </message>
    <message>
        <source>Blown Bottle</source>
        <translation>ボトル・ブロウ</translation>
    </message>
    <message>
        <source>Shakuhachi</source>
        <translation>尺八</translation>
    </message>
    <message>
        <source>Whistle</source>
        <translation>口笛</translation>
    </message>
    <message>
        <source>Ocarina</source>
        <translation>オカリナ</translation>
    </message>
    <message>
        <source>Lead 1 (square)</source>
        <translation>リード 1 (矩形波)</translation>
    </message>
    <message>
        <source>Lead 2 (sawtooth)</source>
        <translation>リード 2 (ノコギリ波)</translation>
    </message>
    <message>
        <source>Lead 3 (calliope)</source>
        <translation>リード 3 (カリオペ)</translation>
    </message>
    <message>
        <source>Lead 4 (chiff)</source>
        <translation>リード 4 (チフ)</translation>
    </message>
    <message>
        <source>Lead 5 (charang)</source>
        <translation>リード 5 (シャラン)</translation>
    </message>
    <message>
        <source>Lead 6 (voice)</source>
        <translation>リード 6 (ボイス)</translation>
    </message>
    <message>
        <source>Lead 7 (fifths)</source>
        <translation>リード 7 (5度)</translation>
    </message>
    <message>
        <source>Lead 8 (bass + lead)</source>
        <translation>リード 8 (ベース + リード)</translation>
    </message>
    <message>
        <source>Pad 1 (new age)</source>
        <translation>パッド 1 (ニューエイジ)</translation>
    </message>
    <message>
        <source>Pad 2 (warm)</source>
        <translation>パッド 2 (ウォーム)</translation>
    </message>
    <message>
        <source>Pad 3 (polysynth)</source>
        <translation>パッド 3 (ポリシンセ)</translation>
    </message>
    <message>
        <source>Pad 4 (choir)</source>
        <translation>パッド 4 (クワイア)</translation>
    </message>
    <message>
        <source>Pad 5 (bowed)</source>
        <translation>パッド 5 (ボウ)</translation>
    </message>
    <message>
        <source>Pad 6 (metallic)</source>
        <translation>パッド 6 (メタリック)</translation>
    </message>
    <message>
        <source>Pad 7 (halo)</source>
        <translation>パッド 7 (ヘイロー)</translation>
    </message>
    <message>
        <source>Pad 8 (sweep)</source>
        <translation>パッド 8 (スウィープ)</translation>
    </message>
    <message>
        <source>FX 1 (rain)</source>
        <translation>FX 1 (レイン)</translation>
    </message>
    <message>
        <source>FX 2 (soundtrack)</source>
        <translation>FX 2 (サウンドトラック)</translation>
    </message>
    <message>
        <source>FX 3 (crystal)</source>
        <translation>FX 3 (クリスタル)</translation>
    </message>
    <message>
        <source>FX 4 (atmosphere)</source>
        <translation>FX 4 (アトモスフィア)</translation>
    </message>
    <message>
        <source>FX 5 (brightness)</source>
        <translation>FX 5 (ブライトネス)</translation>
    </message>
    <message>
        <source>FX 6 (goblins)</source>
        <translation>FX 6 (ゴブリン)</translation>
    </message>
    <message>
        <source>FX 7 (echoes)</source>
        <translation>FX 7 (エコー)</translation>
    </message>
    <message>
        <source>FX 8 (sci-fi)</source>
        <translation>FX 8 (SF)</translation>
    </message>
    <message>
        <source>Sitar</source>
        <translation>シタール</translation>
    </message>
    <message>
        <source>Banjo</source>
        <translation>バンジョー</translation>
    </message>
    <message>
        <source>Shamisen</source>
        <translation>三味線</translation>
    </message>
    <message>
        <source>Koto</source>
        <translation>琴</translation>
    </message>
    <message>
        <source>Kalimba</source>
        <translation>カリンバ</translation>
    </message>
    <message>
        <source>Bagpipe</source>
        <translation>バグパイプ</translation>
    </message>
    <message>
        <source>Fiddle</source>
        <translation>フィドル</translation>
    </message>
    <message>
        <source>Shanai</source>
        <translation>シャナイ</translation>
    </message>
    <message>
        <source>Tinkle Bell</source>
        <translation>ティンクル・ベル</translation>
    </message>
    <message>
        <source>Agogo</source>
        <translation>アゴゴ</translation>
    </message>
    <message>
        <source>Steel Drums</source>
        <translation>スチール・ドラム</translation>
    </message>
    <message>
        <source>Woodblock</source>
        <translation>ウッドブロック</translation>
    </message>
    <message>
        <source>Taiko Drum</source>
        <translation>太鼓</translation>
    </message>
    <message>
        <source>Melodic Tom</source>
        <translation>メロディック・タム</translation>
    </message>
    <message>
        <source>Synth Drum</source>
        <translation>シンセ・ドラム</translation>
    </message>
    <message>
        <source>Reverse Cymbal</source>
        <translation>リバース・シンバル</translation>
    </message>
    <message>
        <source>Guitar Fret Noise</source>
        <translation>ギター・フレット・ノイズ</translation>
    </message>
    <message>
        <source>Breath Noise</source>
        <translation>ブレス・ノイズ</translation>
    </message>
    <message>
        <source>Seashore</source>
        <translation>波の音</translation>
    </message>
    <message>
        <source>Bird Tweet</source>
        <translation>鳥のさえずり</translation>
    </message>
    <message>
        <source>Telephone Ring</source>
        <translation>電話のベル</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>ヘリコプター</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>拍手</translation>
    </message>
    <message>
        <source>Gunshot</source>
        <translation>銃声</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>MIDI output port &apos;%1&apos; could not be opened: %2</source>
        <translation>MIDI 出力ポート「%1」を開けませんでした: %2</translation>
    </message>
    <message>
        <source>MIDI output port &apos;%1&apos; is not there yet; Pixono plays on it as soon as it appears</source>
        <translation>MIDI 出力ポート「%1」はまだありません。現れしだい Pixono はそこで演奏します。</translation>
    </message>
    <message>
        <source>MIDI output Device &apos;%1&apos; not installed</source>
        <translation>MIDI 出力デバイス「%1」はインストールされていません。</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 に書き込めません。</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>不明な画像ファイル拡張子です (.%1)。</translation>
    </message>
    <message>
        <source>The MIDI operation succeeded</source>
        <translation>MIDI 操作は成功しました。</translation>
    </message>
    <message>
        <source>The MIDI back end reported a failure</source>
        <translation>MIDI バックエンドがエラーを報告しました。</translation>
    </message>
    <message>
        <source>There is no MIDI output device with that number</source>
        <translation>その番号の MIDI 出力デバイスはありません。</translation>
    </message>
    <message>
        <source>The MIDI output device is already in use</source>
        <translation>MIDI 出力デバイスはすでに使用中です。</translation>
    </message>
    <message>
        <source>The MIDI output handle does not stand for an open device</source>
        <translation>MIDI 出力ハンドルは開いているデバイスを指していません。</translation>
    </message>
    <message>
        <source>There is not enough memory for the MIDI output</source>
        <translation>MIDI 出力に必要なメモリーが足りません。</translation>
    </message>
    <message>
        <source>The MIDI result code is unknown</source>
        <translation>MIDI の結果コードが不明です。</translation>
    </message>
    <message>
        <source>The MIDI message header has not been prepared</source>
        <translation>MIDI メッセージ・ヘッダーが準備されていません。</translation>
    </message>
    <message>
        <source>The MIDI message header is still queued for output</source>
        <translation>MIDI メッセージ・ヘッダーはまだ出力待ちです。</translation>
    </message>
    <message>
        <source>The MIDI output device is busy: its queue is full</source>
        <translation>MIDI 出力デバイスはビジーです: キューがいっぱいです。</translation>
    </message>
    <message>
        <source>The MIDI output device went away</source>
        <translation>MIDI 出力デバイスがなくなりました。</translation>
    </message>
    <message>
        <source>No audio output answered; start PipeWire, PulseAudio or JACK, or connect a sound card</source>
        <translation>オーディオ出力が応答しません。PipeWire、PulseAudio または JACK を起動するか、サウンドカードを接続してください。</translation>
    </message>
    <message>
        <source>No JACK server is running; start JACK or PipeWire, then choose the port again</source>
        <translation>JACK サーバーが動いていません。JACK または PipeWire を起動してから、もう一度ポートを選んでください。</translation>
    </message>
    <message>
        <source>Specified error number is out of range</source>
        <translation>指定されたエラー番号は範囲外です。</translation>
    </message>
    <message>
        <source>MIDI Output device not open</source>
        <translation>MIDI 出力デバイスが開かれていません。</translation>
    </message>
    <message>
        <source>Invalid MIDI out device ID</source>
        <translation>MIDI 出力デバイス ID が無効です。</translation>
    </message>
    <message>
        <source>Change to MIDI out Device ID while device was open</source>
        <translation>デバイスが開いている間に MIDI 出力デバイス ID が変更されました。</translation>
    </message>
    <message>
        <source>Change to ProductName while MIDI out device was open</source>
        <translation>MIDI 出力デバイスが開いている間に ProductName が変更されました。</translation>
    </message>
    <message>
        <source>A long MIDI message needs at least one byte</source>
        <translation>長い MIDI メッセージには 1 バイト以上が必要です。</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>ビットマップ画像が無効です。</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>アイコン画像が無効です。</translation>
    </message>
    <message>
        <source>Metafile is not valid</source>
        <translation>メタファイルが無効です。</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>整数がオーバーフローしました。</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>範囲チェック・エラーです。</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>ゼロで除算しました。</translation>
    </message>
    <message>
        <source>Cannot create the notify window&apos;s event descriptor</source>
        <translation>通知ウィンドウのイベント記述子を作成できません。</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>Only bitmaps can be used.</source>
        <translation>使用できるのはビットマップだけです。</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>ビットマップ (*.bmp)</translation>
    </message>
</context>
<context>
    <name>Playing</name>
    <message>
        <source>Steps</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Glide</source>
        <translation>グライド</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>プレッシャー</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>コントローラー</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>リニア</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>ソフト</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>ハード</translation>
    </message>
    <message>
        <source>Chromatic</source>
        <translation>半音階</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>長音階</translation>
    </message>
    <message>
        <source>Natural minor</source>
        <translation>自然的短音階</translation>
    </message>
    <message>
        <source>Harmonic minor</source>
        <translation>和声的短音階</translation>
    </message>
    <message>
        <source>Dorian</source>
        <translation>ドリア</translation>
    </message>
    <message>
        <source>Mixolydian</source>
        <translation>ミクソリディア</translation>
    </message>
    <message>
        <source>Major pentatonic</source>
        <translation>メジャー・ペンタ</translation>
    </message>
    <message>
        <source>Minor pentatonic</source>
        <translation>マイナー・ペンタ</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>ブルース</translation>
    </message>
    <message>
        <source>Whole tone</source>
        <translation>全音音階</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>モノ</translation>
    </message>
    <message>
        <source>Poly</source>
        <translation>ポリ</translation>
    </message>
    <message>
        <source>MPE</source>
        <translation>MPE</translation>
    </message>
</context>
<context>
    <name>TAboutPage</name>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
</context>
<context>
    <name>TPadPage</name>
    <message>
        <source>&amp;Pad</source>
        <translation>パッド(&amp;P)</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>パッド</translation>
    </message>
</context>
<context>
    <name>TPlayingPanel</name>
    <message>
        <source>Playing</source>
        <translation>演奏</translation>
    </message>
    <message>
        <source>&amp;Lowest note</source>
        <translation>最低音(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Highest note</source>
        <translation>最高音(&amp;H)</translation>
    </message>
    <message>
        <source>Sc&amp;ale</source>
        <translation>スケール(&amp;A)</translation>
    </message>
    <message>
        <source>R&amp;oot</source>
        <translation>ルート(&amp;O)</translation>
    </message>
    <message>
        <source>Velocity &amp;top</source>
        <translation>ベロシティ上(&amp;T)</translation>
    </message>
    <message>
        <source>Velocity &amp;bottom</source>
        <translation>ベロシティ下(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Wheel CC</source>
        <translation>ホイール CC(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Red CC</source>
        <translation>赤 CC(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Green CC</source>
        <translation>緑 CC(&amp;G)</translation>
    </message>
    <message>
        <source>Bl&amp;ue CC</source>
        <translation>青 CC(&amp;U)</translation>
    </message>
    <message>
        <source>Pa&amp;nic</source>
        <translation>パニック(&amp;N)</translation>
    </message>
    <message>
        <source>Cur&amp;ve</source>
        <translation>カーブ(&amp;V)</translation>
    </message>
    <message>
        <source>Ben&amp;d range</source>
        <translation>ベンド幅(&amp;D)</translation>
    </message>
    <message>
        <source>A&amp;fter the attack</source>
        <translation>アタック後(&amp;F)</translation>
    </message>
    <message>
        <source>Aft&amp;er CC</source>
        <translation>アタック後 CC(&amp;E)</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>ピッチ</translation>
    </message>
    <message>
        <source>Pol&amp;yphony</source>
        <translation>ポリフォニー(&amp;Y)</translation>
    </message>
    <message>
        <source>MPE channels</source>
        <translation>MPEチャンネル数</translation>
    </message>
    <message>
        <source>MPE bend range</source>
        <translation>MPEベンド幅</translation>
    </message>
    <message>
        <source>Tilt X CC</source>
        <translation>傾きX CC</translation>
    </message>
    <message>
        <source>Tilt Y CC</source>
        <translation>傾きY CC</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>音色</translation>
    </message>
</context>
<context>
    <name>TSettingsPage</name>
    <message>
        <source>&amp;Settings</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>&lt;u&gt;I&lt;/u&gt;mage file</source>
        <translation>画像ファイル(&lt;u&gt;I&lt;/u&gt;)</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>画像ファイル</translation>
    </message>
    <message>
        <source>Browse ...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>&amp;Midi out port</source>
        <translation>MIDI 出力ポート(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Channel</source>
        <translation>チャンネル(&amp;C)</translation>
    </message>
</context>
</TS>
