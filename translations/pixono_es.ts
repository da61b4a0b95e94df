<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>Mouse to MIDI</source>
        <translation>Ratón a MIDI</translation>
    </message>
    <message>
        <source>Mouse X -&gt; Note Nr
Mouse Y -&gt; Velocity
Mouse wheel -&gt; Controller 1 (Modulation Wheel)
Red -&gt; Controller 2 (Breath control)
Green -&gt; Controller 3 ()
Blue -&gt; Controller 4 (Foot control)</source>
        <translation>Ratón X -&gt; N.º de nota
Ratón Y -&gt; Velocidad
Rueda del ratón -&gt; Controlador 1 (rueda de modulación)
Rojo -&gt; Controlador 2 (control de soplido)
Verde -&gt; Controlador 3 ()
Azul -&gt; Controlador 4 (control de pie)</translation>
    </message>
    <message>
        <source>Holding the left mouse button activates sending of note on
and note off messages.</source>
        <translation>Mantener pulsado el botón izquierdo del ratón activa el
envío de mensajes note on y note off.</translation>
    </message>
    <message>
        <source>Holding the right mouse button activates sending color changes
as CC values.</source>
        <translation>Mantener pulsado el botón derecho del ratón activa el
envío de los cambios de color como valores CC.</translation>
    </message>
    <message>
        <source>When the mouse wheel won&apos;t work :</source>
        <translation>Si la rueda del ratón no funciona:</translation>
    </message>
    <message>
        <source>Press Ctrl+Alt+Del, select the program em_exec (logitech mouse driver)
and kill that process, this will disable mousewheel support for some
programs but enable it for others, as long as you don&apos;t remove em_exec
from the registry wm_exec will be launched again after restarting windows, 
so it&apos;s rather harmless to kill it.</source>
        <translation>Pulse Ctrl+Alt+Supr, seleccione el programa em_exec
(controlador del ratón de Logitech) y finalice ese
proceso; esto desactiva la rueda del ratón en algunos
programas pero la activa en otros. Mientras no quite
em_exec del registro, wm_exec se volverá a iniciar al
reiniciar Windows, así que finalizarlo es bastante
inofensivo.</translation>
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
        <translation>Uso: pixono [OPCIÓN]
Toque notas y controladores MIDI con el ratón sobre una imagen.

  --help     muestra esta ayuda y sale
  --version  muestra la versión y sale

Se ignoran los demás argumentos. La configuración se guarda en pixono.INI; véase pixono(1).
</translation>
    </message>
</context>
<context>
    <name>GeneralMidi</name>
    <message>
        <source>Acoustic Grand Piano</source>
        <translation>Piano de cola acústico</translation>
    </message>
    <message>
        <source>Bright Acoustic Piano</source>
        <translation>Piano acústico brillante</translation>
    </message>
    <message>
        <source>Electric Grand Piano</source>
        <translation>Piano de cola eléctrico</translation>
    </message>
    <message>
        <source>Honky-tonk Piano</source>
        <translation>Piano honky-tonk</translation>
    </message>
    <message>
        <source>Electric Piano 1</source>
        <translation>Piano eléctrico 1</translation>
    </message>
    <message>
        <source>Electric Piano 2</source>
        <translation>Piano eléctrico 2</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>Clave</translation>
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
        <translation>Caja de música</translation>
    </message>
    <message>
        <source>Vibraphone</source>
        <translation>Vibráfono</translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>Xylophone</source>
        <translation>Xilófono</translation>
    </message>
    <message>
        <source>Tubular Bells</source>
        <translation>Campanas tubulares</translation>
    </message>
    <message>
        <source>Dulcimer</source>
        <translation>Dulcémele</translation>
    </message>
    <message>
        <source>Drawbar Organ</source>
        <translation>Órgano de tiradores</translation>
    </message>
    <message>
        <source>Percussive Organ</source>
        <translation>Órgano percusivo</translation>
    </message>
    <message>
        <source>Rock Organ</source>
        <translation>Órgano de rock</translation>
    </message>
    <message>
        <source>Church Organ</source>
        <translation>Órgano de iglesia</translation>
    </message>
    <message>
        <source>Reed Organ</source>
        <translation>Armonio</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Acordeón</translation>
    </message>
    <message>
        <source>Harmonica</source>
        <translation>Armónica</translation>
    </message>
    <message>
        <source>Tango Accordion</source>
        <translation>Bandoneón</translation>
    </message>
    <message>
        <source>Acoustic Guitar (nylon)</source>
        <translation>Guitarra acústica (nailon)</translation>
    </message>
    <message>
        <source>Acoustic Guitar (steel)</source>
        <translation>Guitarra acústica (acero)</translation>
    </message>
    <message>
        <source>Electric Guitar (jazz)</source>
        <translation>Guitarra eléctrica (jazz)</translation>
    </message>
    <message>
        <source>Electric Guitar (clean)</source>
        <translation>Guitarra eléctrica (limpia)</translation>
    </message>
    <message>
        <source>Electric Guitar (muted)</source>
        <translation>Guitarra eléctrica (apagada)</translation>
    </message>
    <message>
        <source>Overdriven Guitar</source>
        <translation>Guitarra saturada</translation>
    </message>
    <message>
        <source>Distortion Guitar</source>
        <translation>Guitarra con distorsión</translation>
    </message>
    <message>
        <source>Guitar Harmonics</source>
        <translation>Armónicos de guitarra</translation>
    </message>
    <message>
        <source>Acoustic Bass</source>
        <translation>Bajo acústico</translation>
    </message>
    <message>
        <source>Electric Bass (finger)</source>
        <translation>Bajo eléctrico (dedos)</translation>
    </message>
    <message>
        <source>Electric Bass (pick)</source>
        <translation>Bajo eléctrico (púa)</translation>
    </message>
    <message>
        <source>Fretless Bass</source>
        <translation>Bajo sin trastes</translation>
    </message>
    <message>
        <source>Slap Bass 1</source>
        <translation>Bajo slap 1</translation>
    </message>
    <message>
        <source>Slap Bass 2</source>
        <translation>Bajo slap 2</translation>
    </message>
    <message>
        <source>Synth Bass 1</source>
        <translation>Bajo sintetizado 1</translation>
    </message>
    <message>
        <source>Synth Bass 2</source>
        <translation>Bajo sintetizado 2</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violín</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Violonchelo</translation>
    </message>
    <message>
        <source>Contrabass</source>
        <translation>Contrabajo</translation>
    </message>
    <message>
        <source>Tremolo Strings</source>
        <translation>Cuerdas en trémolo</translation>
    </message>
    <message>
        <source>Pizzicato Strings</source>
        <translation>Cuerdas en pizzicato</translation>
    </message>
    <message>
        <source>Orchestral Harp</source>
        <translation>Arpa de orquesta</translation>
    </message>
    <message>
        <source>Timpani</source>
        <translation>Timbales</translation>
    </message>
    <message>
        <source>String Ensemble 1</source>
        <translation>Conjunto de cuerdas 1</translation>
    </message>
    <message>
        <source>String Ensemble 2</source>
        <translation>Conjunto de cuerdas 2</translation>
    </message>
    <message>
        <source>Synth Strings 1</source>
        <translation>Cuerdas sintetizadas 1</translation>
    </message>
    <message>
        <source>Synth Strings 2</source>
        <translation>Cuerdas sintetizadas 2</translation>
    </message>
    <message>
        <source>Choir Aahs</source>
        <translation>Coro «aah»</translation>
    </message>
    <message>
        <source>Voice Oohs</source>
        <translation>Voz «ooh»</translation>
    </message>
    <message>
        <source>Synth Voice</source>
        <translation>Voz sintetizada</translation>
    </message>
    <message>
        <source>Orchestra Hit</source>
        <translation>Golpe de orquesta</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompeta</translation>
    </message>
    <message>
        <source>Trombone</source>
        <translation>Trombón</translation>
    </message>
    <message>
        <source>Tuba</source>
        <translation>Tuba</translation>
    </message>
    <message>
        <source>Muted Trumpet</source>
        <translation>Trompeta con sordina</translation>
    </message>
    <message>
        <source>French Horn</source>
        <translation>Trompa</translation>
    </message>
    <message>
        <source>Brass Section</source>
        <translation>Sección de metales</translation>
    </message>
    <message>
        <source>Synth Brass 1</source>
        <translation>Metales sintetizados 1</translation>
    </message>
    <message>
        <source>Synth Brass 2</source>
        <translation>Metales sintetizados 2</translation>
    </message>
    <message>
        <source>Soprano Sax</source>
        <translation>Saxo soprano</translation>
    </message>
    <message>
        <source>Alto Sax</source>
        <translation>Saxo alto</translation>
    </message>
    <message>
        <source>Tenor Sax</source>
        <translation>Saxo tenor</translation>
    </message>
    <message>
        <source>Baritone Sax</source>
        <translation>Saxo barítono</translation>
    </message>
    <message>
        <source>Oboe</source>
        <translation>Oboe</translation>
    </message>
    <message>
        <source>English Horn</source>
        <translation>Corno inglés</translation>
    </message>
    <message>
        <source>Bassoon</source>
        <translation>Fagot</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>Clarinete</translation>
    </message>
    <message>
        <source>Piccolo</source>
        <translation>Flautín</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flauta</translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation>Flauta dulce</translation>
    </message>
    <message>
        <source>Pan Flute</source>
        <translation>Flauta de Pan</translation>
    </message>
    <message>
        <source>Blown Bottle</source>
        <translation>Botella soplada</translation>
    </message>
    <message>
        <source>Shakuhachi</source>
        <translation>Shakuhachi</translation>
    </message>
    <message>
        <source>Whistle</source>
        <translation>Silbido</translation>
    </message>
    <message>
        <source>Ocarina</source>
        <translation>Ocarina</translation>
    </message>
    <message>
        <source>Lead 1 (square)</source>
        <translation>Lead 1 (cuadrada)</translation>
    </message>
    <message>
        <source>Lead 2 (sawtooth)</source>
        <translation>Lead 2 (diente de sierra)</translation>
    </message>
    <message>
        <source>Lead 3 (calliope)</source>
        <translation>Lead 3 (calíope)</translation>
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
        <translation>Lead 8 (bajo + lead)</translation>
    </message>
    <message>
        <source>Pad 1 (new age)</source>
        <translation>Pad 1 (new age)</translation>
    </message>
    <message>
        <source>Pad 2 (warm)</source>
        <translation>Pad 2 (cálido)</translation>
    </message>
    <message>
        <source>Pad 3 (polysynth)</source>
        <translation>Pad 3 (polisintetizador)</translation>
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
        <translation>Pad 8 (barrido)</translation>
    </message>
    <message>
        <source>FX 1 (rain)</source>
        <translation>FX 1 (lluvia)</translation>
    </message>
    <message>
        <source>FX 2 (soundtrack)</source>
        <translation>FX 2 (banda sonora)</translation>
    </message>
    <message>
        <source>FX 3 (crystal)</source>
        <translation>FX 3 (cristal)</translation>
    </message>
    <message>
        <source>FX 4 (atmosphere)</source>
        <translation>FX 4 (atmósfera)</translation>
    </message>
    <message>
        <source>FX 5 (brightness)</source>
        <translation>FX 5 (brillo)</translation>
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
        <translation>FX 8 (ciencia ficción)</translation>
    </message>
    <message>
        <source>Sitar</source>
        <translation>Sitar</translation>
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
        <translation>Gaita</translation>
    </message>
    <message>
        <source>Fiddle</source>
        <translation>Violín folk</translation>
    </message>
    <message>
        <source>Shanai</source>
        <translation>Shehnai</translation>
    </message>
    <message>
        <source>Tinkle Bell</source>
        <translation>Campanilla</translation>
    </message>
    <message>
        <source>Agogo</source>
        <translation>Agogó</translation>
    </message>
    <message>
        <source>Steel Drums</source>
        <translation>Steel drums</translation>
    </message>
    <message>
        <source>Woodblock</source>
        <translation>Caja china</translation>
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
        <translation>Batería sintetizada</translation>
    </message>
    <message>
        <source>Reverse Cymbal</source>
        <translation>Platillo invertido</translation>
    </message>
    <message>
        <source>Guitar Fret Noise</source>
        <translation>Ruido de trastes</translation>
    </message>
    <message>
        <source>Breath Noise</source>
        <translation>Ruido de respiración</translation>
    </message>
    <message>
        <source>Seashore</source>
        <translation>Orilla del mar</translation>
    </message>
    <message>
        <source>Bird Tweet</source>
        <translation>Trino de pájaro</translation>
    </message>
    <message>
        <source>Telephone Ring</source>
        <translation>Timbre de teléfono</translation>
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
        <translation>Disparo</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>MIDI output port &apos;%1&apos; could not be opened: %2</source>
        <translation>No se pudo abrir el puerto de salida MIDI «%1»: %2</translation>
    </message>
    <message>
        <source>MIDI output port &apos;%1&apos; is not there yet; Pixono plays on it as soon as it appears</source>
        <translation>El puerto de salida MIDI «%1» aún no está; Pixono tocará en él en cuanto aparezca</translation>
    </message>
    <message>
        <source>MIDI output Device &apos;%1&apos; not installed</source>
        <translation>El dispositivo de salida MIDI «%1» no está instalado</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Extensión de archivo de imagen desconocida (.%1)</translation>
    </message>
    <message>
        <source>The MIDI operation succeeded</source>
        <translation>La operación MIDI se realizó correctamente</translation>
    </message>
    <message>
        <source>The MIDI back end reported a failure</source>
        <translation>El motor MIDI informó de un fallo</translation>
    </message>
    <message>
        <source>There is no MIDI output device with that number</source>
        <translation>No hay ningún dispositivo de salida MIDI con ese número</translation>
    </message>
    <message>
        <source>The MIDI output device is already in use</source>
        <translation>El dispositivo de salida MIDI ya está en uso</translation>
    </message>
    <message>
        <source>The MIDI output handle does not stand for an open device</source>
        <translation>El identificador de salida MIDI no corresponde a un dispositivo abierto</translation>
    </message>
    <message>
        <source>There is not enough memory for the MIDI output</source>
        <translation>No hay memoria suficiente para la salida MIDI</translation>
    </message>
    <message>
        <source>The MIDI result code is unknown</source>
        <translation>El código de resultado MIDI es desconocido</translation>
    </message>
    <message>
        <source>The MIDI message header has not been prepared</source>
        <translation>La cabecera del mensaje MIDI no se ha preparado</translation>
    </message>
    <message>
        <source>The MIDI message header is still queued for output</source>
        <translation>La cabecera del mensaje MIDI aún está en cola de salida</translation>
    </message>
    <message>
        <source>The MIDI output device is busy: its queue is full</source>
        <translation>El dispositivo de salida MIDI está ocupado: su cola está llena</translation>
    </message>
    <message>
        <source>The MIDI output device went away</source>
        <translation>El dispositivo de salida MIDI ha desaparecido</translation>
    </message>
    <message>
        <source>No audio output answered; start PipeWire, PulseAudio or JACK, or connect a sound card</source>
        <translation>Ninguna salida de audio respondió; inicie PipeWire, PulseAudio o JACK, o conecte una tarjeta de sonido</translation>
    </message>
    <message>
        <source>No JACK server is running; start JACK or PipeWire, then choose the port again</source>
        <translation>No hay ningún servidor JACK en marcha; inicie JACK o PipeWire y vuelva a elegir el puerto</translation>
    </message>
    <message>
        <source>Specified error number is out of range</source>
        <translation>El número de error indicado está fuera de rango</translation>
    </message>
    <message>
        <source>MIDI Output device not open</source>
        <translation>El dispositivo de salida MIDI no está abierto</translation>
    </message>
    <message>
        <source>Invalid MIDI out device ID</source>
        <translation>Identificador de dispositivo de salida MIDI no válido</translation>
    </message>
    <message>
        <source>Change to MIDI out Device ID while device was open</source>
        <translation>Cambio del identificador de dispositivo de salida MIDI con el dispositivo abierto</translation>
    </message>
    <message>
        <source>Change to ProductName while MIDI out device was open</source>
        <translation>Cambio de ProductName con el dispositivo de salida MIDI abierto</translation>
    </message>
    <message>
        <source>A long MIDI message needs at least one byte</source>
        <translation>Un mensaje MIDI largo necesita al menos un byte</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>La imagen de mapa de bits no es válida</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>La imagen de icono no es válida</translation>
    </message>
    <message>
        <source>Metafile is not valid</source>
        <translation>El metarchivo no es válido</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Desbordamiento de entero</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Error de comprobación de rango</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Cannot create the notify window&apos;s event descriptor</source>
        <translation>No se puede crear el descriptor de eventos de la ventana de notificación</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>Only bitmaps can be used.</source>
        <translation>Solo se pueden usar mapas de bits.</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Mapas de bits (*.bmp)</translation>
    </message>
</context>
<context>
    <name>Playing</name>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Glide</source>
        <translation>Glissando</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controlador</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineal</translation>
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
        <translation>Mayor</translation>
    </message>
    <message>
        <source>Natural minor</source>
        <translation>Menor natural</translation>
    </message>
    <message>
        <source>Harmonic minor</source>
        <translation>Menor armónica</translation>
    </message>
    <message>
        <source>Dorian</source>
        <translation>Dórica</translation>
    </message>
    <message>
        <source>Mixolydian</source>
        <translation>Mixolidia</translation>
    </message>
    <message>
        <source>Major pentatonic</source>
        <translation>Pentat. mayor</translation>
    </message>
    <message>
        <source>Minor pentatonic</source>
        <translation>Pentat. menor</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>Whole tone</source>
        <translation>Tonos enteros</translation>
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
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
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
        <translation>Interpretación</translation>
    </message>
    <message>
        <source>&amp;Lowest note</source>
        <translation>Nota in&amp;ferior</translation>
    </message>
    <message>
        <source>&amp;Highest note</source>
        <translation>Nota &amp;superior</translation>
    </message>
    <message>
        <source>Sc&amp;ale</source>
        <translation>&amp;Escala</translation>
    </message>
    <message>
        <source>R&amp;oot</source>
        <translation>Tó&amp;nica</translation>
    </message>
    <message>
        <source>Velocity &amp;top</source>
        <translation>&amp;Veloc. arriba</translation>
    </message>
    <message>
        <source>Velocity &amp;bottom</source>
        <translation>Veloc. a&amp;bajo</translation>
    </message>
    <message>
        <source>&amp;Wheel CC</source>
        <translation>CC &amp;rueda</translation>
    </message>
    <message>
        <source>&amp;Red CC</source>
        <translation>CC ro&amp;jo</translation>
    </message>
    <message>
        <source>&amp;Green CC</source>
        <translation>CC ver&amp;de</translation>
    </message>
    <message>
        <source>Bl&amp;ue CC</source>
        <translation>CC a&amp;zul</translation>
    </message>
    <message>
        <source>Pa&amp;nic</source>
        <translation>Pánic&amp;o</translation>
    </message>
    <message>
        <source>Cur&amp;ve</source>
        <translation>C&amp;urva</translation>
    </message>
    <message>
        <source>Ben&amp;d range</source>
        <translation>Ran&amp;go de bend</translation>
    </message>
    <message>
        <source>A&amp;fter the attack</source>
        <translation>Tras el ata&amp;que</translation>
    </message>
    <message>
        <source>Aft&amp;er CC</source>
        <translation>CC &amp;tras</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>A&amp;ltura</translation>
    </message>
    <message>
        <source>Pol&amp;yphony</source>
        <translation>Polifonía</translation>
    </message>
    <message>
        <source>MPE channels</source>
        <translation>Canales MPE</translation>
    </message>
    <message>
        <source>MPE bend range</source>
        <translation>Rango de bend MPE</translation>
    </message>
    <message>
        <source>Tilt X CC</source>
        <translation>CC inclinación X</translation>
    </message>
    <message>
        <source>Tilt Y CC</source>
        <translation>CC inclinación Y</translation>
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
        <translation>&amp;Ajustes</translation>
    </message>
    <message>
        <source>&lt;u&gt;I&lt;/u&gt;mage file</source>
        <translation>Archivo de &lt;u&gt;i&lt;/u&gt;magen</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>Archivo de imagen</translation>
    </message>
    <message>
        <source>Browse ...</source>
        <translation>Examinar ...</translation>
    </message>
    <message>
        <source>&amp;Midi out port</source>
        <translation>Puerto de salida &amp;MIDI</translation>
    </message>
    <message>
        <source>&amp;Channel</source>
        <translation>&amp;Canal</translation>
    </message>
</context>
</TS>
