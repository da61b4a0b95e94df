<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>Mouse to MIDI</source>
        <translation>Maus zu MIDI</translation>
    </message>
    <message>
        <source>Mouse X -&gt; Note Nr
Mouse Y -&gt; Velocity
Mouse wheel -&gt; Controller 1 (Modulation Wheel)
Red -&gt; Controller 2 (Breath control)
Green -&gt; Controller 3 ()
Blue -&gt; Controller 4 (Foot control)</source>
        <translation>Maus X -&gt; Notennummer
Maus Y -&gt; Anschlagstärke
Mausrad -&gt; Controller 1 (Modulationsrad)
Rot -&gt; Controller 2 (Blaswandler)
Grün -&gt; Controller 3 ()
Blau -&gt; Controller 4 (Fußcontroller)</translation>
    </message>
    <message>
        <source>Holding the left mouse button activates sending of note on
and note off messages.</source>
        <translation>Solange die linke Maustaste gedrückt ist, werden Note-On-
und Note-Off-Meldungen gesendet.</translation>
    </message>
    <message>
        <source>Holding the right mouse button activates sending color changes
as CC values.</source>
        <translation>Solange die rechte Maustaste gedrückt ist, werden
Farbwechsel als CC-Werte gesendet.</translation>
    </message>
    <message>
        <source>When the mouse wheel won&apos;t work :</source>
        <translation>Wenn das Mausrad nicht funktioniert:</translation>
    </message>
    <message>
        <source>Press Ctrl+Alt+Del, select the program em_exec (logitech mouse driver)
and kill that process, this will disable mousewheel support for some
programs but enable it for others, as long as you don&apos;t remove em_exec
from the registry wm_exec will be launched again after restarting windows, 
so it&apos;s rather harmless to kill it.</source>
        <translation>Drücken Sie Strg+Alt+Entf, wählen Sie das Programm em_exec
(Logitech-Maustreiber) und beenden Sie diesen Prozess. Das
schaltet das Mausrad für manche Programme ab, für andere
aber ein. Solange Sie em_exec nicht aus der Registry
entfernen, wird wm_exec nach einem Neustart von Windows
wieder gestartet; es ist also recht harmlos, es zu
beenden.</translation>
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
        <translation>Aufruf: pixono [OPTION]
MIDI-Noten und -Controller mit der Maus über einem Bild spielen.

  --help     diese Hilfe anzeigen und beenden
  --version  die Version anzeigen und beenden

Andere Argumente werden ignoriert. Die Einstellungen stehen in pixono.INI; siehe pixono(1).
</translation>
    </message>
</context>
<context>
    <name>GeneralMidi</name>
    <message>
        <source>Acoustic Grand Piano</source>
        <translation>Akustischer Flügel</translation>
    </message>
    <message>
        <source>Bright Acoustic Piano</source>
        <translation>Helles Klavier</translation>
    </message>
    <message>
        <source>Electric Grand Piano</source>
        <translation>Elektrischer Flügel</translation>
    </message>
    <message>
        <source>Honky-tonk Piano</source>
        <translation>Honky-Tonk-Klavier</translation>
    </message>
    <message>
        <source>Electric Piano 1</source>
        <translation>E-Piano 1</translation>
    </message>
    <message>
        <source>Electric Piano 2</source>
        <translation>E-Piano 2</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>Cembalo</translation>
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
        <translation>Spieldose</translation>
    </message>
    <message>
        <source>Vibraphone</source>
        <translation>Vibraphon</translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>Xylophone</source>
        <translation>Xylophon</translation>
    </message>
    <message>
        <source>Tubular Bells</source>
        <translation>Röhrenglocken</translation>
    </message>
    <message>
        <source>Dulcimer</source>
        <translation>Hackbrett</translation>
    </message>
    <message>
        <source>Drawbar Organ</source>
        <translation>Zugriegelorgel</translation>
    </message>
    <message>
        <source>Percussive Organ</source>
        <translation>Perkussive Orgel</translation>
    </message>
    <message>
        <source>Rock Organ</source>
        <translation>Rockorgel</translation>
    </message>
    <message>
        <source>Church Organ</source>
        <translation>Kirchenorgel</translation>
    </message>
    <message>
        <source>Reed Organ</source>
        <translation>Harmonium</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Akkordeon</translation>
    </message>
    <message>
        <source>Harmonica</source>
        <translation>Mundharmonika</translation>
    </message>
    <message>
        <source>Tango Accordion</source>
        <translation>Bandoneon</translation>
    </message>
    <message>
        <source>Acoustic Guitar (nylon)</source>
        <translation>Konzertgitarre (Nylon)</translation>
    </message>
    <message>
        <source>Acoustic Guitar (steel)</source>
        <translation>Westerngitarre (Stahl)</translation>
    </message>
    <message>
        <source>Electric Guitar (jazz)</source>
        <translation>E-Gitarre (Jazz)</translation>
    </message>
    <message>
        <source>Electric Guitar (clean)</source>
        <translation>E-Gitarre (clean)</translation>
    </message>
    <message>
        <source>Electric Guitar (muted)</source>
        <translation>E-Gitarre (gedämpft)</translation>
    </message>
    <message>
        <source>Overdriven Guitar</source>
        <translation>Übersteuerte Gitarre</translation>
    </message>
    <message>
        <source>Distortion Guitar</source>
        <translation>Verzerrte Gitarre</translation>
    </message>
    <message>
        <source>Guitar Harmonics</source>
        <translation>Gitarren-Flageolett</translation>
    </message>
    <message>
        <source>Acoustic Bass</source>
        <translation>Akustischer Bass</translation>
    </message>
    <message>
        <source>Electric Bass (finger)</source>
        <translation>E-Bass (Finger)</translation>
    </message>
    <message>
        <source>Electric Bass (pick)</source>
        <translation>E-Bass (Plektrum)</translation>
    </message>
    <message>
        <source>Fretless Bass</source>
        <translation>Bundloser Bass</translation>
    </message>
    <message>
        <source>Slap Bass 1</source>
        <translation>Slap-Bass 1</translation>
    </message>
    <message>
        <source>Slap Bass 2</source>
        <translation>Slap-Bass 2</translation>
    </message>
    <message>
        <source>Synth Bass 1</source>
        <translation>Synth-Bass 1</translation>
    </message>
    <message>
        <source>Synth Bass 2</source>
        <translation>Synth-Bass 2</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violine</translation>
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
        <translation>Kontrabass</translation>
    </message>
    <message>
        <source>Tremolo Strings</source>
        <translation>Tremolo-Streicher</translation>
    </message>
    <message>
        <source>Pizzicato Strings</source>
        <translation>Pizzicato-Streicher</translation>
    </message>
    <message>
        <source>Orchestral Harp</source>
        <translation>Orchesterharfe</translation>
    </message>
    <message>
        <source>Timpani</source>
        <translation>Pauken</translation>
    </message>
    <message>
        <source>String Ensemble 1</source>
        <translation>Streicherensemble 1</translation>
    </message>
    <message>
        <source>String Ensemble 2</source>
        <translation>Streicherensemble 2</translation>
    </message>
    <message>
        <source>Synth Strings 1</source>
        <translation>Synth-Streicher 1</translation>
    </message>
    <message>
        <source>Synth Strings 2</source>
        <translation>Synth-Streicher 2</translation>
    </message>
    <message>
        <source>Choir Aahs</source>
        <translation>Chor Aahs</translation>
    </message>
    <message>
        <source>Voice Oohs</source>
        <translation>Stimme Oohs</translation>
    </message>
    <message>
        <source>Synth Voice</source>
        <translation>Synth-Stimme</translation>
    </message>
    <message>
        <source>Orchestra Hit</source>
        <translation>Orchesterschlag</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompete</translation>
    </message>
    <message>
        <source>Trombone</source>
        <translation>Posaune</translation>
    </message>
    <message>
        <source>Tuba</source>
        <translation>Tuba</translation>
    </message>
    <message>
        <source>Muted Trumpet</source>
        <translation>Gedämpfte Trompete</translation>
    </message>
    <message>
        <source>French Horn</source>
        <translation>Waldhorn</translation>
    </message>
    <message>
        <source>Brass Section</source>
        <translation>Blechbläsersatz</translation>
    </message>
    <message>
        <source>Synth Brass 1</source>
        <translation>Synth-Blech 1</translation>
    </message>
    <message>
        <source>Synth Brass 2</source>
        <translation>Synth-Blech 2</translation>
    </message>
    <message>
        <source>Soprano Sax</source>
        <translation>Sopransaxophon</translation>
    </message>
    <message>
        <source>Alto Sax</source>
        <translation>Altsaxophon</translation>
    </message>
    <message>
        <source>Tenor Sax</source>
        <translation>Tenorsaxophon</translation>
    </message>
    <message>
        <source>Baritone Sax</source>
        <translation>Baritonsaxophon</translation>
    </message>
    <message>
        <source>Oboe</source>
        <translation>Oboe</translation>
    </message>
    <message>
        <source>English Horn</source>
        <translation>Englischhorn</translation>
    </message>
    <message>
        <source>Bassoon</source>
        <translation>Fagott</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>Klarinette</translation>
    </message>
    <message>
        <source>Piccolo</source>
        <translation>Piccoloflöte</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Querflöte</translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation>Blockflöte</translation>
    </message>
    <message>
        <source>Pan Flute</source>
        <translation>Panflöte</translation>
    </message>
    <message>
        <source>Blown Bottle</source>
        <translation>Flaschenblasen</translation>
    </message>
    <message>
        <source>Shakuhachi</source>
        <translation>Shakuhachi</translation>
    </message>
    <message>
        <source>Whistle</source>
        <translation>Pfeifen</translation>
    </message>
    <message>
        <source>Ocarina</source>
        <translation>Okarina</translation>
    </message>
    <message>
        <source>Lead 1 (square)</source>
        <translation>Lead 1 (Rechteck)</translation>
    </message>
    <message>
        <source>Lead 2 (sawtooth)</source>
        <translation>Lead 2 (Sägezahn)</translation>
    </message>
    <message>
        <source>Lead 3 (calliope)</source>
        <translation>Lead 3 (Calliope)</translation>
    </message>
    <message>
        <source>Lead 4 (chiff)</source>
        <translation>Lead 4 (Chiff)</translation>
    </message>
    <message>
        <source>Lead 5 (charang)</source>
        <translation>Lead 5 (Charang)</translation>
    </message>
    <message>
        <source>Lead 6 (voice)</source>
        <translation>Lead 6 (Stimme)</translation>
    </message>
    <message>
        <source>Lead 7 (fifths)</source>
        <translation>Lead 7 (Quinten)</translation>
    </message>
    <message>
        <source>Lead 8 (bass + lead)</source>
        <translation>Lead 8 (Bass + Lead)</translation>
    </message>
    <message>
        <source>Pad 1 (new age)</source>
        <translation>Pad 1 (New Age)</translation>
    </message>
    <message>
        <source>Pad 2 (warm)</source>
        <translation>Pad 2 (warm)</translation>
    </message>
    <message>
        <source>Pad 3 (polysynth)</source>
        <translation>Pad 3 (Polysynth)</translation>
    </message>
    <message>
        <source>Pad 4 (choir)</source>
        <translation>Pad 4 (Chor)</translation>
    </message>
    <message>
        <source>Pad 5 (bowed)</source>
        <translation>Pad 5 (gestrichen)</translation>
    </message>
    <message>
        <source>Pad 6 (metallic)</source>
        <translation>Pad 6 (metallisch)</translation>
    </message>
    <message>
        <source>Pad 7 (halo)</source>
        <translation>Pad 7 (Halo)</translation>
    </message>
    <message>
        <source>Pad 8 (sweep)</source>
        <translation>Pad 8 (Sweep)</translation>
    </message>
    <message>
        <source>FX 1 (rain)</source>
        <translation>FX 1 (Regen)</translation>
    </message>
    <message>
        <source>FX 2 (soundtrack)</source>
        <translation>FX 2 (Soundtrack)</translation>
    </message>
    <message>
        <source>FX 3 (crystal)</source>
        <translation>FX 3 (Kristall)</translation>
    </message>
    <message>
        <source>FX 4 (atmosphere)</source>
        <translation>FX 4 (Atmosphäre)</translation>
    </message>
    <message>
        <source>FX 5 (brightness)</source>
        <translation>FX 5 (Helligkeit)</translation>
    </message>
    <message>
        <source>FX 6 (goblins)</source>
        <translation>FX 6 (Kobolde)</translation>
    </message>
    <message>
        <source>FX 7 (echoes)</source>
        <translation>FX 7 (Echos)</translation>
    </message>
    <message>
        <source>FX 8 (sci-fi)</source>
        <translation>FX 8 (Science-Fiction)</translation>
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
        <translation>Dudelsack</translation>
    </message>
    <message>
        <source>Fiddle</source>
        <translation>Fiddle</translation>
    </message>
    <message>
        <source>Shanai</source>
        <translation>Shanai</translation>
    </message>
    <message>
        <source>Tinkle Bell</source>
        <translation>Glöckchen</translation>
    </message>
    <message>
        <source>Agogo</source>
        <translation>Agogo</translation>
    </message>
    <message>
        <source>Steel Drums</source>
        <translation>Steeldrums</translation>
    </message>
    <message>
        <source>Woodblock</source>
        <translation>Holzblock</translation>
    </message>
    <message>
        <source>Taiko Drum</source>
        <translation>Taiko-Trommel</translation>
    </message>
    <message>
        <source>Melodic Tom</source>
        <translation>Melodische Tom</translation>
    </message>
    <message>
        <source>Synth Drum</source>
        <translation>Synth-Drum</translation>
    </message>
    <message>
        <source>Reverse Cymbal</source>
        <translation>Rückwärts-Becken</translation>
    </message>
    <message>
        <source>Guitar Fret Noise</source>
        <translation>Gitarren-Bundgeräusch</translation>
    </message>
    <message>
        <source>Breath Noise</source>
        <translation>Atemgeräusch</translation>
    </message>
    <message>
        <source>Seashore</source>
        <translation>Meeresbrandung</translation>
    </message>
    <message>
        <source>Bird Tweet</source>
        <translation>Vogelgezwitscher</translation>
    </message>
    <message>
        <source>Telephone Ring</source>
        <translation>Telefonklingeln</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Hubschrauber</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaus</translation>
    </message>
    <message>
        <source>Gunshot</source>
        <translation>Gewehrschuss</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>MIDI output port &apos;%1&apos; could not be opened: %2</source>
        <translation>MIDI-Ausgang „%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>MIDI output port &apos;%1&apos; is not there yet; Pixono plays on it as soon as it appears</source>
        <translation>MIDI-Ausgang „%1“ ist noch nicht da; Pixono spielt darauf, sobald er erscheint</translation>
    </message>
    <message>
        <source>MIDI output Device &apos;%1&apos; not installed</source>
        <translation>MIDI-Ausgabegerät „%1“ ist nicht installiert</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Unbekannte Bilddateiendung (.%1)</translation>
    </message>
    <message>
        <source>The MIDI operation succeeded</source>
        <translation>Der MIDI-Vorgang war erfolgreich</translation>
    </message>
    <message>
        <source>The MIDI back end reported a failure</source>
        <translation>Das MIDI-Backend hat einen Fehler gemeldet</translation>
    </message>
    <message>
        <source>There is no MIDI output device with that number</source>
        <translation>Es gibt kein MIDI-Ausgabegerät mit dieser Nummer</translation>
    </message>
    <message>
        <source>The MIDI output device is already in use</source>
        <translation>Das MIDI-Ausgabegerät ist bereits belegt</translation>
    </message>
    <message>
        <source>The MIDI output handle does not stand for an open device</source>
        <translation>Das MIDI-Ausgabe-Handle gehört zu keinem geöffneten Gerät</translation>
    </message>
    <message>
        <source>There is not enough memory for the MIDI output</source>
        <translation>Für die MIDI-Ausgabe ist nicht genug Speicher frei</translation>
    </message>
    <message>
        <source>The MIDI result code is unknown</source>
        <translation>Der MIDI-Ergebniscode ist unbekannt</translation>
    </message>
    <message>
        <source>The MIDI message header has not been prepared</source>
        <translation>Der MIDI-Nachrichtenkopf wurde nicht vorbereitet</translation>
    </message>
    <message>
        <source>The MIDI message header is still queued for output</source>
        <translation>Der MIDI-Nachrichtenkopf wartet noch auf die Ausgabe</translation>
    </message>
    <message>
        <source>The MIDI output device is busy: its queue is full</source>
        <translation>Das MIDI-Ausgabegerät ist beschäftigt: seine Warteschlange ist voll</translation>
    </message>
    <message>
        <source>The MIDI output device went away</source>
        <translation>Das MIDI-Ausgabegerät ist verschwunden</translation>
    </message>
    <message>
        <source>No audio output answered; start PipeWire, PulseAudio or JACK, or connect a sound card</source>
        <translation>Keine Audioausgabe hat geantwortet; starten Sie PipeWire, PulseAudio oder JACK, oder schließen Sie eine Soundkarte an</translation>
    </message>
    <message>
        <source>No JACK server is running; start JACK or PipeWire, then choose the port again</source>
        <translation>Es läuft kein JACK-Server; starten Sie JACK oder PipeWire und wählen Sie dann den Ausgang erneut</translation>
    </message>
    <message>
        <source>Specified error number is out of range</source>
        <translation>Die angegebene Fehlernummer liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>MIDI Output device not open</source>
        <translation>MIDI-Ausgabegerät nicht geöffnet</translation>
    </message>
    <message>
        <source>Invalid MIDI out device ID</source>
        <translation>Ungültige MIDI-Ausgabegeräte-ID</translation>
    </message>
    <message>
        <source>Change to MIDI out Device ID while device was open</source>
        <translation>Änderung der MIDI-Ausgabegeräte-ID bei geöffnetem Gerät</translation>
    </message>
    <message>
        <source>Change to ProductName while MIDI out device was open</source>
        <translation>Änderung von ProductName bei geöffnetem MIDI-Ausgabegerät</translation>
    </message>
    <message>
        <source>A long MIDI message needs at least one byte</source>
        <translation>Eine lange MIDI-Nachricht braucht mindestens ein Byte</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Die Bitmap-Grafik ist ungültig</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>Die Symbolgrafik ist ungültig</translation>
    </message>
    <message>
        <source>Metafile is not valid</source>
        <translation>Die Metadatei ist ungültig</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Ganzzahlüberlauf</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Fehler bei der Bereichsprüfung</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Cannot create the notify window&apos;s event descriptor</source>
        <translation>Der Ereignisdeskriptor des Benachrichtigungsfensters kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>Only bitmaps can be used.</source>
        <translation>Nur Bitmaps können verwendet werden.</translation>
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
        <translation>Stufen</translation>
    </message>
    <message>
        <source>Glide</source>
        <translation>Gleiten</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Weich</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Hart</translation>
    </message>
    <message>
        <source>Chromatic</source>
        <translation>Chromatisch</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Dur</translation>
    </message>
    <message>
        <source>Natural minor</source>
        <translation>Natürlich Moll</translation>
    </message>
    <message>
        <source>Harmonic minor</source>
        <translation>Harmonisch Moll</translation>
    </message>
    <message>
        <source>Dorian</source>
        <translation>Dorisch</translation>
    </message>
    <message>
        <source>Mixolydian</source>
        <translation>Mixolydisch</translation>
    </message>
    <message>
        <source>Major pentatonic</source>
        <translation>Dur-Pentatonik</translation>
    </message>
    <message>
        <source>Minor pentatonic</source>
        <translation>Moll-Pentatonik</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>Whole tone</source>
        <translation>Ganzton</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Poly</source>
        <translation>Poly</translation>
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
        <translation>Info</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
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
        <translation>Spielen</translation>
    </message>
    <message>
        <source>&amp;Lowest note</source>
        <translation>Tie&amp;fster Ton</translation>
    </message>
    <message>
        <source>&amp;Highest note</source>
        <translation>&amp;Höchster Ton</translation>
    </message>
    <message>
        <source>Sc&amp;ale</source>
        <translation>&amp;Tonleiter</translation>
    </message>
    <message>
        <source>R&amp;oot</source>
        <translation>&amp;Grundton</translation>
    </message>
    <message>
        <source>Velocity &amp;top</source>
        <translation>An&amp;schlag oben</translation>
    </message>
    <message>
        <source>Velocity &amp;bottom</source>
        <translation>Anschlag &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Wheel CC</source>
        <translation>&amp;Rad-CC</translation>
    </message>
    <message>
        <source>&amp;Red CC</source>
        <translation>R&amp;ot-CC</translation>
    </message>
    <message>
        <source>&amp;Green CC</source>
        <translation>Grün-&amp;CC</translation>
    </message>
    <message>
        <source>Bl&amp;ue CC</source>
        <translation>B&amp;lau-CC</translation>
    </message>
    <message>
        <source>Pa&amp;nic</source>
        <translation>P&amp;anik</translation>
    </message>
    <message>
        <source>Cur&amp;ve</source>
        <translation>Kur&amp;ve</translation>
    </message>
    <message>
        <source>Ben&amp;d range</source>
        <translation>&amp;Bend-Bereich</translation>
    </message>
    <message>
        <source>A&amp;fter the attack</source>
        <translation>&amp;Nach Anschlag</translation>
    </message>
    <message>
        <source>Aft&amp;er CC</source>
        <translation>CC &amp;danach</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Tonhöhe</translation>
    </message>
    <message>
        <source>Pol&amp;yphony</source>
        <translation>Pol&amp;yphonie</translation>
    </message>
    <message>
        <source>MPE channels</source>
        <translation>MPE-Kanäle</translation>
    </message>
    <message>
        <source>MPE bend range</source>
        <translation>MPE-Bend-Bereich</translation>
    </message>
    <message>
        <source>Tilt X CC</source>
        <translation>Neigung X CC</translation>
    </message>
    <message>
        <source>Tilt Y CC</source>
        <translation>Neigung Y CC</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
</context>
<context>
    <name>TSettingsPage</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&lt;u&gt;I&lt;/u&gt;mage file</source>
        <translation>B&lt;u&gt;i&lt;/u&gt;lddatei</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>Bilddatei</translation>
    </message>
    <message>
        <source>Browse ...</source>
        <translation>Öffnen ...</translation>
    </message>
    <message>
        <source>&amp;Midi out port</source>
        <translation>&amp;MIDI-Ausgang</translation>
    </message>
    <message>
        <source>&amp;Channel</source>
        <translation>&amp;Kanal</translation>
    </message>
</context>
</TS>
