<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>About</name>
    <message>
        <source>Mouse to MIDI</source>
        <translation>Mouse a MIDI</translation>
    </message>
    <message>
        <source>Mouse X -&gt; Note Nr
Mouse Y -&gt; Velocity
Mouse wheel -&gt; Controller 1 (Modulation Wheel)
Red -&gt; Controller 2 (Breath control)
Green -&gt; Controller 3 ()
Blue -&gt; Controller 4 (Foot control)</source>
        <translation>Mouse X -&gt; N. nota
Mouse Y -&gt; Velocity
Rotella del mouse -&gt; Controller 1 (rotella di modulazione)
Rosso -&gt; Controller 2 (controllo a fiato)
Verde -&gt; Controller 3 ()
Blu -&gt; Controller 4 (controllo a pedale)</translation>
    </message>
    <message>
        <source>Holding the left mouse button activates sending of note on
and note off messages.</source>
        <translation>Tenendo premuto il tasto sinistro del mouse si attiva
l&apos;invio dei messaggi note on e note off.</translation>
    </message>
    <message>
        <source>Holding the right mouse button activates sending color changes
as CC values.</source>
        <translation>Tenendo premuto il tasto destro del mouse si attiva
l&apos;invio dei cambi di colore come valori CC.</translation>
    </message>
    <message>
        <source>When the mouse wheel won&apos;t work :</source>
        <translation>Se la rotella del mouse non funziona:</translation>
    </message>
    <message>
        <source>Press Ctrl+Alt+Del, select the program em_exec (logitech mouse driver)
and kill that process, this will disable mousewheel support for some
programs but enable it for others, as long as you don&apos;t remove em_exec
from the registry wm_exec will be launched again after restarting windows, 
so it&apos;s rather harmless to kill it.</source>
        <translation>Premere Ctrl+Alt+Canc, selezionare il programma em_exec
(driver del mouse Logitech) e terminare quel processo:
questo disattiva la rotella in alcuni programmi ma la
attiva in altri. Finché non si rimuove em_exec dal
registro, wm_exec verrà riavviato al riavvio di Windows,
quindi terminarlo è piuttosto innocuo.</translation>
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
        <translation>Uso: pixono [OPZIONE]
Suona note e controller MIDI con il mouse su un&apos;immagine.

  --help     mostra questo aiuto ed esce
  --version  mostra la versione ed esce

Gli altri argomenti vengono ignorati. Le impostazioni sono salvate in pixono.INI; vedere pixono(1).
</translation>
    </message>
</context>
<context>
    <name>GeneralMidi</name>
    <message>
        <source>Acoustic Grand Piano</source>
        <translation>Pianoforte a coda acustico</translation>
    </message>
    <message>
        <source>Bright Acoustic Piano</source>
        <translation>Pianoforte acustico brillante</translation>
    </message>
    <message>
        <source>Electric Grand Piano</source>
        <translation>Pianoforte a coda elettrico</translation>
    </message>
    <message>
        <source>Honky-tonk Piano</source>
        <translation>Pianoforte honky-tonk</translation>
    </message>
    <message>
        <source>Electric Piano 1</source>
        <translation>Piano elettrico 1</translation>
    </message>
    <message>
        <source>Electric Piano 2</source>
        <translation>Piano elettrico 2</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>Clavicembalo</translation>
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
        <translation>Carillon</translation>
    </message>
    <message>
        <source>Vibraphone</source>
        <translation>Vibrafono</translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>Xylophone</source>
        <translation>Xilofono</translation>
    </message>
    <message>
        <source>Tubular Bells</source>
        <translation>Campane tubolari</translation>
    </message>
    <message>
        <source>Dulcimer</source>
        <translation>Salterio</translation>
    </message>
    <message>
        <source>Drawbar Organ</source>
        <translation>Organo a barre</translation>
    </message>
    <message>
        <source>Percussive Organ</source>
        <translation>Organo percussivo</translation>
    </message>
    <message>
        <source>Rock Organ</source>
        <translation>Organo rock</translation>
    </message>
    <message>
        <source>Church Organ</source>
        <translation>Organo da chiesa</translation>
    </message>
    <message>
        <source>Reed Organ</source>
        <translation>Harmonium</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Fisarmonica</translation>
    </message>
    <message>
        <source>Harmonica</source>
        <translation>Armonica</translation>
    </message>
    <message>
        <source>Tango Accordion</source>
        <translation>Bandoneon</translation>
    </message>
    <message>
        <source>Acoustic Guitar (nylon)</source>
        <translation>Chitarra acustica (nylon)</translation>
    </message>
    <message>
        <source>Acoustic Guitar (steel)</source>
        <translation>Chitarra acustica (acciaio)</translation>
    </message>
    <message>
        <source>Electric Guitar (jazz)</source>
        <translation>Chitarra elettrica (jazz)</translation>
    </message>
    <message>
        <source>Electric Guitar (clean)</source>
        <translation>Chitarra elettrica (pulita)</translation>
    </message>
    <message>
        <source>Electric Guitar (muted)</source>
        <translation>Chitarra elettrica (stoppata)</translation>
    </message>
    <message>
        <source>Overdriven Guitar</source>
        <translation>Chitarra overdrive</translation>
    </message>
    <message>
        <source>Distortion Guitar</source>
        <translation>Chitarra distorta</translation>
    </message>
    <message>
        <source>Guitar Harmonics</source>
        <translation>Armonici di chitarra</translation>
    </message>
    <message>
        <source>Acoustic Bass</source>
        <translation>Basso acustico</translation>
    </message>
    <message>
        <source>Electric Bass (finger)</source>
        <translation>Basso elettrico (dita)</translation>
    </message>
    <message>
        <source>Electric Bass (pick)</source>
        <translation>Basso elettrico (plettro)</translation>
    </message>
    <message>
        <source>Fretless Bass</source>
        <translation>Basso fretless</translation>
    </message>
    <message>
        <source>Slap Bass 1</source>
        <translation>Basso slap 1</translation>
    </message>
    <message>
        <source>Slap Bass 2</source>
        <translation>Basso slap 2</translation>
    </message>
    <message>
        <source>Synth Bass 1</source>
        <translation>Basso synth 1</translation>
    </message>
    <message>
        <source>Synth Bass 2</source>
        <translation>Basso synth 2</translation>
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
        <translation>Violoncello</translation>
    </message>
    <message>
        <source>Contrabass</source>
        <translation>Contrabbasso</translation>
    </message>
    <message>
        <source>Tremolo Strings</source>
        <translation>Archi in tremolo</translation>
    </message>
    <message>
        <source>Pizzicato Strings</source>
        <translation>Archi in pizzicato</translation>
    </message>
    <message>
        <source>Orchestral Harp</source>
        <translation>Arpa</translation>
    </message>
    <message>
        <source>Timpani</source>
        <translation>Timpani</translation>
    </message>
    <message>
        <source>String Ensemble 1</source>
        <translation>Ensemble d&apos;archi 1</translation>
    </message>
    <message>
        <source>String Ensemble 2</source>
        <translation>Ensemble d&apos;archi 2</translation>
    </message>
    <message>
        <source>Synth Strings 1</source>
        <translation>Archi synth 1</translation>
    </message>
    <message>
        <source>Synth Strings 2</source>
        <translation>Archi synth 2</translation>
    </message>
    <message>
        <source>Choir Aahs</source>
        <translation>Coro «aah»</translation>
    </message>
    <message>
        <source>Voice Oohs</source>
        <translation>Voce «ooh»</translation>
    </message>
    <message>
        <source>Synth Voice</source>
        <translation>Voce synth</translation>
    </message>
    <message>
        <source>Orchestra Hit</source>
        <translation>Colpo d&apos;orchestra</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Tromba</translation>
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
        <translation>Tromba con sordina</translation>
    </message>
    <message>
        <source>French Horn</source>
        <translation>Corno</translation>
    </message>
    <message>
        <source>Brass Section</source>
        <translation>Sezione di ottoni</translation>
    </message>
    <message>
        <source>Synth Brass 1</source>
        <translation>Ottoni synth 1</translation>
    </message>
    <message>
        <source>Synth Brass 2</source>
        <translation>Ottoni synth 2</translation>
    </message>
    <message>
        <source>Soprano Sax</source>
        <translation>Sax soprano</translation>
    </message>
    <message>
        <source>Alto Sax</source>
        <translation>Sax contralto</translation>
    </message>
    <message>
        <source>Tenor Sax</source>
        <translation>Sax tenore</translation>
    </message>
    <message>
        <source>Baritone Sax</source>
        <translation>Sax baritono</translation>
    </message>
    <message>
        <source>Oboe</source>
        <translation>Oboe</translation>
    </message>
    <message>
        <source>English Horn</source>
        <translation>Corno inglese</translation>
    </message>
    <message>
        <source>Bassoon</source>
        <translation>Fagotto</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>Clarinetto</translation>
    </message>
    <message>
        <source>Piccolo</source>
        <translation>Ottavino</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flauto</translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation>Flauto dolce</translation>
    </message>
    <message>
        <source>Pan Flute</source>
        <translation>Flauto di Pan</translation>
    </message>
    <message>
        <source>Blown Bottle</source>
        <translation>Bottiglia soffiata</translation>
    </message>
    <message>
        <source>Shakuhachi</source>
        <translation>Shakuhachi</translation>
    </message>
    <message>
        <source>Whistle</source>
        <translation>Fischio</translation>
    </message>
    <message>
        <source>Ocarina</source>
        <translation>Ocarina</translation>
    </message>
    <message>
        <source>Lead 1 (square)</source>
        <translation>Lead 1 (quadra)</translation>
    </message>
    <message>
        <source>Lead 2 (sawtooth)</source>
        <translation>Lead 2 (dente di sega)</translation>
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
        <translation>Lead 6 (voce)</translation>
    </message>
    <message>
        <source>Lead 7 (fifths)</source>
        <translation>Lead 7 (quinte)</translation>
    </message>
    <message>
        <source>Lead 8 (bass + lead)</source>
        <translation>Lead 8 (basso + lead)</translation>
    </message>
    <message>
        <source>Pad 1 (new age)</source>
        <translation>Pad 1 (new age)</translation>
    </message>
    <message>
        <source>Pad 2 (warm)</source>
        <translation>Pad 2 (caldo)</translation>
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
        <translation>Pad 5 (ad arco)</translation>
    </message>
    <message>
        <source>Pad 6 (metallic)</source>
        <translation>Pad 6 (metallico)</translation>
    </message>
    <message>
        <source>Pad 7 (halo)</source>
        <translation>Pad 7 (alone)</translation>
    </message>
    <message>
        <source>Pad 8 (sweep)</source>
        <translation>Pad 8 (sweep)</translation>
    </message>
    <message>
        <source>FX 1 (rain)</source>
        <translation>FX 1 (pioggia)</translation>
    </message>
    <message>
        <source>FX 2 (soundtrack)</source>
        <translation>FX 2 (colonna sonora)</translation>
    </message>
    <message>
        <source>FX 3 (crystal)</source>
        <translation>FX 3 (cristallo)</translation>
    </message>
    <message>
        <source>FX 4 (atmosphere)</source>
        <translation>FX 4 (atmosfera)</translation>
    </message>
    <message>
        <source>FX 5 (brightness)</source>
        <translation>FX 5 (brillantezza)</translation>
    </message>
    <message>
        <source>FX 6 (goblins)</source>
        <translation>FX 6 (folletti)</translation>
    </message>
    <message>
        <source>FX 7 (echoes)</source>
        <translation>FX 7 (echi)</translation>
    </message>
    <message>
        <source>FX 8 (sci-fi)</source>
        <translation>FX 8 (fantascienza)</translation>
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
        <translation>Cornamusa</translation>
    </message>
    <message>
        <source>Fiddle</source>
        <translation>Violino folk</translation>
    </message>
    <message>
        <source>Shanai</source>
        <translation>Shehnai</translation>
    </message>
    <message>
        <source>Tinkle Bell</source>
        <translation>Campanellino</translation>
    </message>
    <message>
        <source>Agogo</source>
        <translation>Agogô</translation>
    </message>
    <message>
        <source>Steel Drums</source>
        <translation>Steel drum</translation>
    </message>
    <message>
        <source>Woodblock</source>
        <translation>Wood block</translation>
    </message>
    <message>
        <source>Taiko Drum</source>
        <translation>Taiko</translation>
    </message>
    <message>
        <source>Melodic Tom</source>
        <translation>Tom melodico</translation>
    </message>
    <message>
        <source>Synth Drum</source>
        <translation>Batteria synth</translation>
    </message>
    <message>
        <source>Reverse Cymbal</source>
        <translation>Piatto al contrario</translation>
    </message>
    <message>
        <source>Guitar Fret Noise</source>
        <translation>Rumore dei tasti</translation>
    </message>
    <message>
        <source>Breath Noise</source>
        <translation>Rumore del respiro</translation>
    </message>
    <message>
        <source>Seashore</source>
        <translation>Riva del mare</translation>
    </message>
    <message>
        <source>Bird Tweet</source>
        <translation>Cinguettio</translation>
    </message>
    <message>
        <source>Telephone Ring</source>
        <translation>Squillo di telefono</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Elicottero</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applausi</translation>
    </message>
    <message>
        <source>Gunshot</source>
        <translation>Sparo</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>MIDI output port &apos;%1&apos; could not be opened: %2</source>
        <translation>Impossibile aprire la porta di uscita MIDI «%1»: %2</translation>
    </message>
    <message>
        <source>MIDI output port &apos;%1&apos; is not there yet; Pixono plays on it as soon as it appears</source>
        <translation>La porta di uscita MIDI «%1» non c&apos;è ancora; Pixono suonerà su di essa appena compare</translation>
    </message>
    <message>
        <source>MIDI output Device &apos;%1&apos; not installed</source>
        <translation>Dispositivo di uscita MIDI «%1» non installato</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere su %1</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Estensione del file immagine sconosciuta (.%1)</translation>
    </message>
    <message>
        <source>The MIDI operation succeeded</source>
        <translation>L&apos;operazione MIDI è riuscita</translation>
    </message>
    <message>
        <source>The MIDI back end reported a failure</source>
        <translation>Il motore MIDI ha segnalato un errore</translation>
    </message>
    <message>
        <source>There is no MIDI output device with that number</source>
        <translation>Non esiste un dispositivo di uscita MIDI con quel numero</translation>
    </message>
    <message>
        <source>The MIDI output device is already in use</source>
        <translation>Il dispositivo di uscita MIDI è già in uso</translation>
    </message>
    <message>
        <source>The MIDI output handle does not stand for an open device</source>
        <translation>L&apos;handle di uscita MIDI non corrisponde a un dispositivo aperto</translation>
    </message>
    <message>
        <source>There is not enough memory for the MIDI output</source>
        <translation>Memoria insufficiente per l&apos;uscita MIDI</translation>
    </message>
    <message>
        <source>The MIDI result code is unknown</source>
        <translation>Il codice di risultato MIDI è sconosciuto</translation>
    </message>
    <message>
        <source>The MIDI message header has not been prepared</source>
        <translation>L&apos;intestazione del messaggio MIDI non è stata preparata</translation>
    </message>
    <message>
        <source>The MIDI message header is still queued for output</source>
        <translation>L&apos;intestazione del messaggio MIDI è ancora in coda per l&apos;uscita</translation>
    </message>
    <message>
        <source>The MIDI output device is busy: its queue is full</source>
        <translation>Il dispositivo di uscita MIDI è occupato: la sua coda è piena</translation>
    </message>
    <message>
        <source>The MIDI output device went away</source>
        <translation>Il dispositivo di uscita MIDI è scomparso</translation>
    </message>
    <message>
        <source>No audio output answered; start PipeWire, PulseAudio or JACK, or connect a sound card</source>
        <translation>Nessuna uscita audio ha risposto; avviare PipeWire, PulseAudio o JACK, oppure collegare una scheda audio</translation>
    </message>
    <message>
        <source>No JACK server is running; start JACK or PipeWire, then choose the port again</source>
        <translation>Nessun server JACK in esecuzione; avviare JACK o PipeWire, poi scegliere di nuovo la porta</translation>
    </message>
    <message>
        <source>Specified error number is out of range</source>
        <translation>Il numero di errore specificato è fuori intervallo</translation>
    </message>
    <message>
        <source>MIDI Output device not open</source>
        <translation>Dispositivo di uscita MIDI non aperto</translation>
    </message>
    <message>
        <source>Invalid MIDI out device ID</source>
        <translation>ID del dispositivo di uscita MIDI non valido</translation>
    </message>
    <message>
        <source>Change to MIDI out Device ID while device was open</source>
        <translation>Modifica dell&apos;ID del dispositivo di uscita MIDI mentre il dispositivo era aperto</translation>
    </message>
    <message>
        <source>Change to ProductName while MIDI out device was open</source>
        <translation>Modifica di ProductName mentre il dispositivo di uscita MIDI era aperto</translation>
    </message>
    <message>
        <source>A long MIDI message needs at least one byte</source>
        <translation>Un messaggio MIDI lungo richiede almeno un byte</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L&apos;immagine bitmap non è valida</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>L&apos;immagine dell&apos;icona non è valida</translation>
    </message>
    <message>
        <source>Metafile is not valid</source>
        <translation>Il metafile non è valido</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Overflow di intero</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Errore di controllo dell&apos;intervallo</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisione per zero</translation>
    </message>
    <message>
        <source>Cannot create the notify window&apos;s event descriptor</source>
        <translation>Impossibile creare il descrittore di eventi della finestra di notifica</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>Only bitmaps can be used.</source>
        <translation>Si possono usare solo bitmap.</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
</context>
<context>
    <name>Playing</name>
    <message>
        <source>Steps</source>
        <translation>A gradini</translation>
    </message>
    <message>
        <source>Glide</source>
        <translation>Glissato</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineare</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Morbida</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Dura</translation>
    </message>
    <message>
        <source>Chromatic</source>
        <translation>Cromatica</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Maggiore</translation>
    </message>
    <message>
        <source>Natural minor</source>
        <translation>Minore naturale</translation>
    </message>
    <message>
        <source>Harmonic minor</source>
        <translation>Minore armonica</translation>
    </message>
    <message>
        <source>Dorian</source>
        <translation>Dorica</translation>
    </message>
    <message>
        <source>Mixolydian</source>
        <translation>Misolidia</translation>
    </message>
    <message>
        <source>Major pentatonic</source>
        <translation>Penta. maggiore</translation>
    </message>
    <message>
        <source>Minor pentatonic</source>
        <translation>Penta. minore</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>Whole tone</source>
        <translation>Esatonale</translation>
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
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
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
        <translation>Esecuzione</translation>
    </message>
    <message>
        <source>&amp;Lowest note</source>
        <translation>&amp;Nota più bassa</translation>
    </message>
    <message>
        <source>&amp;Highest note</source>
        <translation>Nota più &amp;alta</translation>
    </message>
    <message>
        <source>Sc&amp;ale</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>R&amp;oot</source>
        <translation>&amp;Tonica</translation>
    </message>
    <message>
        <source>Velocity &amp;top</source>
        <translation>Velocit&amp;y alta</translation>
    </message>
    <message>
        <source>Velocity &amp;bottom</source>
        <translation>V&amp;elocity bassa</translation>
    </message>
    <message>
        <source>&amp;Wheel CC</source>
        <translation>CC r&amp;otella</translation>
    </message>
    <message>
        <source>&amp;Red CC</source>
        <translation>CC &amp;rosso</translation>
    </message>
    <message>
        <source>&amp;Green CC</source>
        <translation>CC &amp;verde</translation>
    </message>
    <message>
        <source>Bl&amp;ue CC</source>
        <translation>CC &amp;blu</translation>
    </message>
    <message>
        <source>Pa&amp;nic</source>
        <translation>Pani&amp;co</translation>
    </message>
    <message>
        <source>Cur&amp;ve</source>
        <translation>C&amp;urva</translation>
    </message>
    <message>
        <source>Ben&amp;d range</source>
        <translation>Ampie&amp;zza bend</translation>
    </message>
    <message>
        <source>A&amp;fter the attack</source>
        <translation>Dopo &amp;l&apos;attacco</translation>
    </message>
    <message>
        <source>Aft&amp;er CC</source>
        <translation>CC &amp;dopo</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Intonazione</translation>
    </message>
    <message>
        <source>Pol&amp;yphony</source>
        <translation>Poli&amp;fonia</translation>
    </message>
    <message>
        <source>MPE channels</source>
        <translation>Canali MPE</translation>
    </message>
    <message>
        <source>MPE bend range</source>
        <translation>Ampiezza bend MPE</translation>
    </message>
    <message>
        <source>Tilt X CC</source>
        <translation>CC inclinazione X</translation>
    </message>
    <message>
        <source>Tilt Y CC</source>
        <translation>CC inclinazione Y</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Strumento</translation>
    </message>
</context>
<context>
    <name>TSettingsPage</name>
    <message>
        <source>&amp;Settings</source>
        <translation>Impo&amp;stazioni</translation>
    </message>
    <message>
        <source>&lt;u&gt;I&lt;/u&gt;mage file</source>
        <translation>File &lt;u&gt;i&lt;/u&gt;mmagine</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>File immagine</translation>
    </message>
    <message>
        <source>Browse ...</source>
        <translation>Sfoglia ...</translation>
    </message>
    <message>
        <source>&amp;Midi out port</source>
        <translation>Porta di uscita &amp;MIDI</translation>
    </message>
    <message>
        <source>&amp;Channel</source>
        <translation>Canale</translation>
    </message>
</context>
</TS>
