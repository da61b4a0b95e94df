<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>Mouse to MIDI</source>
        <translation>Mouse para MIDI</translation>
    </message>
    <message>
        <source>Mouse X -&gt; Note Nr
Mouse Y -&gt; Velocity
Mouse wheel -&gt; Controller 1 (Modulation Wheel)
Red -&gt; Controller 2 (Breath control)
Green -&gt; Controller 3 ()
Blue -&gt; Controller 4 (Foot control)</source>
        <translation>Mouse X -&gt; Nº da nota
Mouse Y -&gt; Velocidade
Roda do mouse -&gt; Controlador 1 (roda de modulação)
Vermelho -&gt; Controlador 2 (controle de sopro)
Verde -&gt; Controlador 3 ()
Azul -&gt; Controlador 4 (controle de pé)</translation>
    </message>
    <message>
        <source>Holding the left mouse button activates sending of note on
and note off messages.</source>
        <translation>Manter o botão esquerdo do mouse pressionado ativa o envio
de mensagens note on e note off.</translation>
    </message>
    <message>
        <source>Holding the right mouse button activates sending color changes
as CC values.</source>
        <translation>Manter o botão direito do mouse pressionado ativa o envio
das mudanças de cor como valores CC.</translation>
    </message>
    <message>
        <source>When the mouse wheel won&apos;t work :</source>
        <translation>Se a roda do mouse não funcionar:</translation>
    </message>
    <message>
        <source>Press Ctrl+Alt+Del, select the program em_exec (logitech mouse driver)
and kill that process, this will disable mousewheel support for some
programs but enable it for others, as long as you don&apos;t remove em_exec
from the registry wm_exec will be launched again after restarting windows, 
so it&apos;s rather harmless to kill it.</source>
        <translation>Pressione Ctrl+Alt+Del, selecione o programa em_exec
(driver do mouse Logitech) e encerre esse processo; isso
desativa a roda do mouse em alguns programas, mas a ativa
em outros. Enquanto você não remover em_exec do registro,
o wm_exec será iniciado de novo ao reiniciar o Windows,
então encerrá-lo é bem inofensivo.</translation>
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
        <translation>Uso: pixono [OPÇÃO]
Toque notas e controladores MIDI com o mouse sobre uma imagem.

  --help     mostra esta ajuda e sai
  --version  mostra a versão e sai

Outros argumentos são ignorados. As configurações ficam em pixono.INI; veja pixono(1).
</translation>
    </message>
</context>
<context>
    <name>GeneralMidi</name>
    <message>
        <source>Acoustic Grand Piano</source>
        <translation>Piano de cauda acústico</translation>
    </message>
    <message>
        <source>Bright Acoustic Piano</source>
        <translation>Piano acústico brilhante</translation>
    </message>
    <message>
        <source>Electric Grand Piano</source>
        <translation>Piano de cauda elétrico</translation>
    </message>
    <message>
        <source>Honky-tonk Piano</source>
        <translation>Piano honky-tonk</translation>
    </message>
    <message>
        <source>Electric Piano 1</source>
        <translation>Piano elétrico 1</translation>
    </message>
    <message>
        <source>Electric Piano 2</source>
        <translation>Piano elétrico 2</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>Cravo</translation>
    </message>
    <message>
        <source>Clavi</source>
        <translation>Clavi</translation>
    </message>
    <message>
        <source>Celesta</source>
        <translation>Celesta</translation>
    </message>
    <message>
        <source>Glockenspiel</source>
        <translation>Glockenspiel</translation>
    </message>
    <message>
        <source>Music Box</source>
        <translation>Caixa de música</translation>
    </message>
    <message>
        <source>Vibraphone</source>
        <translation>Vibrafone</translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>Xylophone</source>
        <translation>Xilofone</translation>
    </message>
    <message>
        <source>Tubular Bells</source>
        <translation>Sinos tubulares</translation>
    </message>
    <message>
        <source>Dulcimer</source>
        <translation>Saltério</translation>
    </message>
    <message>
        <source>Drawbar Organ</source>
        <translation>Órgão de drawbar</translation>
    </message>
    <message>
        <source>Percussive Organ</source>
        <translation>Órgão percussivo</translation>
    </message>
    <message>
        <source>Rock Organ</source>
        <translation>Órgão de rock</translation>
    </message>
    <message>
        <source>Church Organ</source>
        <translation>Órgão de igreja</translation>
    </message>
    <message>
        <source>Reed Organ</source>
        <translation>Harmônio</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Acordeão</translation>
    </message>
    <message>
        <source>Harmonica</source>
        <translation>Gaita de boca</translation>
    </message>
    <message>
        <source>Tango Accordion</source>
        <translation>Bandoneón</translation>
    </message>
    <message>
        <source>Acoustic Guitar (nylon)</source>
        <translation>Violão (náilon)</translation>
    </message>
    <message>
        <source>Acoustic Guitar (steel)</source>
        <translation>Violão (aço)</translation>
    </message>
    <message>
        <source>Electric Guitar (jazz)</source>
        <translation>Guitarra elétrica (jazz)</translation>
    </message>
    <message>
        <source>Electric Guitar (clean)</source>
        <translation>Guitarra elétrica (limpa)</translation>
    </message>
    <message>
        <source>Electric Guitar (muted)</source>
        <translation>Guitarra elétrica (abafada)</translation>
    </message>
    <message>
        <source>Overdriven Guitar</source>
        <translation>Guitarra com overdrive</translation>
    </message>
    <message>
        <source>Distortion Guitar</source>
        <translation>Guitarra com distorção</translation>
    </message>
    <message>
        <source>Guitar Harmonics</source>
        <translation>Harmônicos de guitarra</translation>
    </message>
    <message>
        <source>Acoustic Bass</source>
        <translation>Baixo acústico</translation>
    </message>
    <message>
        <source>Electric Bass (finger)</source>
        <translation>Baixo elétrico (dedos)</translation>
    </message>
    <message>
        <source>Electric Bass (pick)</source>
        <translation>Baixo elétrico (palheta)</translation>
    </message>
    <message>
        <source>Fretless Bass</source>
        <translation>Baixo fretless</translation>
    </message>
    <message>
        <source>Slap Bass 1</source>
        <translation>Baixo slap 1</translation>
    </message>
    <message>
        <source>Slap Bass 2</source>
        <translation>Baixo slap 2</translation>
    </message>
    <message>
        <source>Synth Bass 1</source>
        <translation>Baixo sintetizado 1</translation>
    </message>
    <message>
        <source>Synth Bass 2</source>
        <translation>Baixo sintetizado 2</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violino</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Violoncelo</translation>
    </message>
    <message>
        <source>Contrabass</source>
        <translation>Contrabaixo</translation>
    </message>
    <message>
        <source>Tremolo Strings</source>
        <translation>Cordas em trêmolo</translation>
    </message>
    <message>
        <source>Pizzicato Strings</source>
        <translation>Cordas em pizzicato</translation>
    </message>
    <message>
        <source>Orchestral Harp</source>
        <translation>Harpa orquestral</translation>
    </message>
    <message>
        <source>Timpani</source>
        <translation>Tímpanos</translation>
    </message>
    <message>
        <source>String Ensemble 1</source>
        <translation>Conjunto de cordas 1</translation>
    </message>
    <message>
        <source>String Ensemble 2</source>
        <translation>Conjunto de cordas 2</translation>
    </message>
    <message>
        <source>Synth Strings 1</source>
        <translation>Cordas sintetizadas 1</translation>
    </message>
    <message>
        <source>Synth Strings 2</source>
        <translation>Cordas sintetizadas 2</translation>
    </message>
    <message>
        <source>Choir Aahs</source>
        <translation>Coro &quot;aah&quot;</translation>
    </message>
    <message>
        <source>Voice Oohs</source>
        <translation>Voz &quot;ooh&quot;</translation>
    </message>
    <message>
        <source>Synth Voice</source>
        <translation>Voz sintetizada</translation>
    </message>
    <message>
        <source>Orchestra Hit</source>
        <translation>Golpe de orquestra</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompete</translation>
    </message>
    <message>
        <source>Trombone</source>
        <translation>Trombone</translation>
    </message>
    <message>
        <source>Tuba</source>
        <translation>Tuba</translation>
    </message>
    <message>
        <source>Muted Trumpet</source>
        <translation>Trompete com surdina</translation>
    </message>
    <message>
        <source>French Horn</source>
        <translation>Trompa</translation>
    </message>
    <message>
        <source>Brass Section</source>
        <translation>Naipe de metais</translation>
    </message>
    <message>
        <source>Synth Brass 1</source>
        <translation>Metais sintetizados 1</translation>
    </message>
    <message>
        <source>Synth Brass 2</source>
        <translation>Metais sintetizados 2</translation>
    </message>
    <message>
        <source>Soprano Sax</source>
        <translation>Sax soprano</translation>
    </message>
    <message>
        <source>Alto Sax</source>
        <translation>Sax alto</translation>
    </message>
    <message>
        <source>Tenor Sax</source>
        <translation>Sax tenor</translation>
    </message>
    <message>
        <source>Baritone Sax</source>
        <translation>Sax barítono</translation>
    </message>
    <message>
        <source>Oboe</source>
        <translation>Oboé</translation>
    </message>
    <message>
        <source>English Horn</source>
        <translation>Corne-inglês</translation>
    </message>
    <message>
        <source>Bassoon</source>
        <translation>Fagote</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>Clarinete</translation>
    </message>
    <message>
        <source>Piccolo</source>
        <translation>Flautim</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flauta</translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation>Flauta doce</translation>
    </message>
    <message>
        <source>Pan Flute</source>
        <translation>Flauta de Pã</translation>
    </message>
    <message>
        <source>Blown Bottle</source>
        <translation>Garrafa soprada</translation>
    </message>
    <message>
        <source>Shakuhachi</source>
        <translation>Shakuhachi</translation>
    </message>
    <message>
        <source>Whistle</source>
        <translation>Assobio</translation>
    </message>
    <message>
        <source>Ocarina</source>
        <translation>Ocarina</translation>
    </message>
    <message>
        <source>Lead 1 (square)</source>
        <translation>Lead 1 (quadrada)</translation>
    </message>
    <message>
        <source>Lead 2 (sawtooth)</source>
        <translation>Lead 2 (dente de serra)</translation>
    </message>
    <message>
        <source>Lead 3 (calliope)</source>
        <translation>Lead 3 (calliope)</translation>
    </message>
    <message>
        <source>Lead 4 (chiff)</source>
        <translation>Lead 4 (chiff)</translation>
    </message>
    <message>
        <source>Lead 5 (charang)</source>
        <translation>Lead 5 (charang)</translation>
    </message>
    <message>
        <source>Lead 6 (voice)</source>
        <translation>Lead 6 (voz)</translation>
    </message>
    <message>
        <source>Lead 7 (fifths)</source>
        <translation>Lead 7 (quintas)</translation>
    </message>
    <message>
        <source>Lead 8 (bass + lead)</source>
        <translation>Lead 8 (baixo + lead)</translation>
    </message>
    <message>
        <source>Pad 1 (new age)</source>
        <translation>Pad 1 (new age)</translation>
    </message>
    <message>
        <source>Pad 2 (warm)</source>
        <translation>Pad 2 (quente)</translation>
    </message>
    <message>
        <source>Pad 3 (polysynth)</source>
        <translation>Pad 3 (polysynth)</translation>
    </message>
    <message>
        <source>Pad 4 (choir)</source>
        <translation>Pad 4 (coro)</translation>
    </message>
    <message>
        <source>Pad 5 (bowed)</source>
        <translation>Pad 5 (arco)</translation>
    </message>
    <message>
        <source>Pad 6 (metallic)</source>
        <translation>Pad 6 (metálico)</translation>
    </message>
    <message>
        <source>Pad 7 (halo)</source>
        <translation>Pad 7 (halo)</translation>
    </message>
    <message>
        <source>Pad 8 (sweep)</source>
        <translation>Pad 8 (varredura)</translation>
    </message>
    <message>
        <source>FX 1 (rain)</source>
        <translation>FX 1 (chuva)</translation>
    </message>
    <message>
        <source>FX 2 (soundtrack)</source>
        <translation>FX 2 (trilha sonora)</translation>
    </message>
    <message>
        <source>FX 3 (crystal)</source>
        <translation>FX 3 (cristal)</translation>
    </message>
    <message>
        <source>FX 4 (atmosphere)</source>
        <translation>FX 4 (atmosfera)</translation>
    </message>
    <message>
        <source>FX 5 (brightness)</source>
        <translation>FX 5 (brilho)</translation>
    </message>
    <message>
        <source>FX 6 (goblins)</source>
        <translation>FX 6 (duendes)</translation>
    </message>
    <message>
        <source>FX 7 (echoes)</source>
        <translation>FX 7 (ecos)</translation>
    </message>
    <message>
        <source>FX 8 (sci-fi)</source>
        <translation>FX 8 (ficção científica)</translation>
    </message>
    <message>
        <source>Sitar</source>
        <translation>Cítara</translation>
    </message>
    <message>
        <source>Banjo</source>
        <translation>Banjo</translation>
    </message>
    <message>
        <source>Shamisen</source>
        <translation>Shamisen</translation>
    </message>
    <message>
        <source>Koto</source>
        <translation>Koto</translation>
    </message>
    <message>
        <source>Kalimba</source>
        <translation>Kalimba</translation>
    </message>
    <message>
        <source>Bagpipe</source>
        <translation>Gaita de foles</translation>
    </message>
    <message>
        <source>Fiddle</source>
        <translation>Rabeca</translation>
    </message>
    <message>
        <source>Shanai</source>
        <translation>Shehnai</translation>
    </message>
    <message>
        <source>Tinkle Bell</source>
        <translation>Sininho</translation>
    </message>
    <message>
        <source>Agogo</source>
        <translation>Agogô</translation>
    </message>
    <message>
        <source>Steel Drums</source>
        <translation>Steel drums</translation>
    </message>
    <message>
        <source>Woodblock</source>
        <translation>Bloco de madeira</translation>
    </message>
    <message>
        <source>Taiko Drum</source>
        <translation>Taiko</translation>
    </message>
    <message>
        <source>Melodic Tom</source>
        <translation>Tom melódico</translation>
    </message>
    <message>
        <source>Synth Drum</source>
        <translation>Bateria sintetizada</translation>
    </message>
    <message>
        <source>Reverse Cymbal</source>
        <translation>Prato invertido</translation>
    </message>
    <message>
        <source>Guitar Fret Noise</source>
        <translation>Ruído de trastes</translation>
    </message>
    <message>
        <source>Breath Noise</source>
        <translation>Ruído de respiração</translation>
    </message>
    <message>
        <source>Seashore</source>
        <translation>Beira-mar</translation>
    </message>
    <message>
        <source>Bird Tweet</source>
        <translation>Canto de pássaro</translation>
    </message>
    <message>
        <source>Telephone Ring</source>
        <translation>Toque de telefone</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Helicóptero</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Aplausos</translation>
    </message>
    <message>
        <source>Gunshot</source>
        <translation>Tiro</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>MIDI output port &apos;%1&apos; could not be opened: %2</source>
        <translation>Não foi possível abrir a porta de saída MIDI &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>MIDI output port &apos;%1&apos; is not there yet; Pixono plays on it as soon as it appears</source>
        <translation>A porta de saída MIDI &quot;%1&quot; ainda não está disponível; o Pixono tocará nela assim que ela aparecer</translation>
    </message>
    <message>
        <source>MIDI output Device &apos;%1&apos; not installed</source>
        <translation>Dispositivo de saída MIDI &quot;%1&quot; não instalado</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Não é possível gravar em %1</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Extensão de arquivo de imagem desconhecida (.%1)</translation>
    </message>
    <message>
        <source>The MIDI operation succeeded</source>
        <translation>A operação MIDI foi concluída com sucesso</translation>
    </message>
    <message>
        <source>The MIDI back end reported a failure</source>
        <translation>O back-end MIDI relatou uma falha</translation>
    </message>
    <message>
        <source>There is no MIDI output device with that number</source>
        <translation>Não há dispositivo de saída MIDI com esse número</translation>
    </message>
    <message>
        <source>The MIDI output device is already in use</source>
        <translation>O dispositivo de saída MIDI já está em uso</translation>
    </message>
    <message>
        <source>The MIDI output handle does not stand for an open device</source>
        <translation>O handle de saída MIDI não corresponde a um dispositivo aberto</translation>
    </message>
    <message>
        <source>There is not enough memory for the MIDI output</source>
        <translation>Não há memória suficiente para a saída MIDI</translation>
    </message>
    <message>
        <source>The MIDI result code is unknown</source>
        <translation>O código de resultado MIDI é desconhecido</translation>
    </message>
    <message>
        <source>The MIDI message header has not been prepared</source>
        <translation>O cabeçalho da mensagem MIDI não foi preparado</translation>
    </message>
    <message>
        <source>The MIDI message header is still queued for output</source>
        <translation>O cabeçalho da mensagem MIDI ainda está na fila de saída</translation>
    </message>
    <message>
        <source>The MIDI output device is busy: its queue is full</source>
        <translation>O dispositivo de saída MIDI está ocupado: sua fila está cheia</translation>
    </message>
    <message>
        <source>The MIDI output device went away</source>
        <translation>O dispositivo de saída MIDI desapareceu</translation>
    </message>
    <message>
        <source>No audio output answered; start PipeWire, PulseAudio or JACK, or connect a sound card</source>
        <translation>Nenhuma saída de áudio respondeu; inicie o PipeWire, o PulseAudio ou o JACK, ou conecte uma placa de som</translation>
    </message>
    <message>
        <source>No JACK server is running; start JACK or PipeWire, then choose the port again</source>
        <translation>Nenhum servidor JACK está em execução; inicie o JACK ou o PipeWire e escolha a porta novamente</translation>
    </message>
    <message>
        <source>Specified error number is out of range</source>
        <translation>O número de erro especificado está fora do intervalo</translation>
    </message>
    <message>
        <source>MIDI Output device not open</source>
        <translation>Dispositivo de saída MIDI não aberto</translation>
    </message>
    <message>
        <source>Invalid MIDI out device ID</source>
        <translation>ID de dispositivo de saída MIDI inválido</translation>
    </message>
    <message>
        <source>Change to MIDI out Device ID while device was open</source>
        <translation>Mudança do ID do dispositivo de saída MIDI com o dispositivo aberto</translation>
    </message>
    <message>
        <source>Change to ProductName while MIDI out device was open</source>
        <translation>Mudança de ProductName com o dispositivo de saída MIDI aberto</translation>
    </message>
    <message>
        <source>A long MIDI message needs at least one byte</source>
        <translation>Uma mensagem MIDI longa precisa de pelo menos um byte</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>A imagem bitmap não é válida</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>A imagem de ícone não é válida</translation>
    </message>
    <message>
        <source>Metafile is not valid</source>
        <translation>O metarquivo não é válido</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Estouro de inteiro</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Erro de verificação de intervalo</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisão por zero</translation>
    </message>
    <message>
        <source>Cannot create the notify window&apos;s event descriptor</source>
        <translation>Não é possível criar o descritor de eventos da janela de notificação</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>Only bitmaps can be used.</source>
        <translation>Só é possível usar bitmaps.</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
</context>
<context>
    <name>Playing</name>
    <message>
        <source>Steps</source>
        <translation>Degraus</translation>
    </message>
    <message>
        <source>Glide</source>
        <translation>Glissando</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressão</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controlador</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Dura</translation>
    </message>
    <message>
        <source>Chromatic</source>
        <translation>Cromática</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Maior</translation>
    </message>
    <message>
        <source>Natural minor</source>
        <translation>Menor natural</translation>
    </message>
    <message>
        <source>Harmonic minor</source>
        <translation>Menor harm.</translation>
    </message>
    <message>
        <source>Dorian</source>
        <translation>Dórica</translation>
    </message>
    <message>
        <source>Mixolydian</source>
        <translation>Mixolídia</translation>
    </message>
    <message>
        <source>Major pentatonic</source>
        <translation>Penta. maior</translation>
    </message>
    <message>
        <source>Minor pentatonic</source>
        <translation>Penta. menor</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>Whole tone</source>
        <translation>Tons inteiros</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Poly</source>
        <translation>Poli</translation>
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
        <translation>Sobre</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
</context>
<context>
    <name>TPadPage</name>
    <message>
        <source>&amp;Pad</source>
        <translation>&amp;Pad</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Pad</translation>
    </message>
</context>
<context>
    <name>TPlayingPanel</name>
    <message>
        <source>Playing</source>
        <translation>Execução</translation>
    </message>
    <message>
        <source>&amp;Lowest note</source>
        <translation>Nota &amp;grave</translation>
    </message>
    <message>
        <source>&amp;Highest note</source>
        <translation>&amp;Nota aguda</translation>
    </message>
    <message>
        <source>Sc&amp;ale</source>
        <translation>E&amp;scala</translation>
    </message>
    <message>
        <source>R&amp;oot</source>
        <translation>&amp;Tônica</translation>
    </message>
    <message>
        <source>Velocity &amp;top</source>
        <translation>Veloc. &amp;em cima</translation>
    </message>
    <message>
        <source>Velocity &amp;bottom</source>
        <translation>Veloc. em&amp;baixo</translation>
    </message>
    <message>
        <source>&amp;Wheel CC</source>
        <translation>CC &amp;da roda</translation>
    </message>
    <message>
        <source>&amp;Red CC</source>
        <translation>CC vermel&amp;ho</translation>
    </message>
    <message>
        <source>&amp;Green CC</source>
        <translation>CC &amp;verde</translation>
    </message>
    <message>
        <source>Bl&amp;ue CC</source>
        <translation>CC a&amp;zul</translation>
    </message>
    <message>
        <source>Pa&amp;nic</source>
        <translation>Pânic&amp;o</translation>
    </message>
    <message>
        <source>Cur&amp;ve</source>
        <translation>C&amp;urva</translation>
    </message>
    <message>
        <source>Ben&amp;d range</source>
        <translation>&amp;Faixa de bend</translation>
    </message>
    <message>
        <source>A&amp;fter the attack</source>
        <translation>Após o ata&amp;que</translation>
    </message>
    <message>
        <source>Aft&amp;er CC</source>
        <translation>CC &amp;após</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Altu&amp;ra</translation>
    </message>
    <message>
        <source>Pol&amp;yphony</source>
        <translation>Polifonia</translation>
    </message>
    <message>
        <source>MPE channels</source>
        <translation>Canais MPE</translation>
    </message>
    <message>
        <source>MPE bend range</source>
        <translation>Faixa de bend MPE</translation>
    </message>
    <message>
        <source>Tilt X CC</source>
        <translation>CC inclinação X</translation>
    </message>
    <message>
        <source>Tilt Y CC</source>
        <translation>CC inclinação Y</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrumento</translation>
    </message>
</context>
<context>
    <name>TSettingsPage</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>&lt;u&gt;I&lt;/u&gt;mage file</source>
        <translation>Arquivo de &lt;u&gt;i&lt;/u&gt;magem</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>Arquivo de imagem</translation>
    </message>
    <message>
        <source>Browse ...</source>
        <translation>Procurar ...</translation>
    </message>
    <message>
        <source>&amp;Midi out port</source>
        <translation>Porta de saída &amp;MIDI</translation>
    </message>
    <message>
        <source>&amp;Channel</source>
        <translation>Cana&amp;l</translation>
    </message>
</context>
</TS>
