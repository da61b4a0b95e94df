<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>Mouse to MIDI</source>
        <translation>Souris vers MIDI</translation>
    </message>
    <message>
        <source>Mouse X -&gt; Note Nr
Mouse Y -&gt; Velocity
Mouse wheel -&gt; Controller 1 (Modulation Wheel)
Red -&gt; Controller 2 (Breath control)
Green -&gt; Controller 3 ()
Blue -&gt; Controller 4 (Foot control)</source>
        <translation>Souris X -&gt; N° de note
Souris Y -&gt; Vélocité
Molette -&gt; Contrôleur 1 (molette de modulation)
Rouge -&gt; Contrôleur 2 (contrôleur de souffle)
Vert -&gt; Contrôleur 3 ()
Bleu -&gt; Contrôleur 4 (contrôleur au pied)</translation>
    </message>
    <message>
        <source>Holding the left mouse button activates sending of note on
and note off messages.</source>
        <translation>Maintenir le bouton gauche de la souris active l&apos;envoi des
messages note on et note off.</translation>
    </message>
    <message>
        <source>Holding the right mouse button activates sending color changes
as CC values.</source>
        <translation>Maintenir le bouton droit de la souris active l&apos;envoi des
changements de couleur en valeurs CC.</translation>
    </message>
    <message>
        <source>When the mouse wheel won&apos;t work :</source>
        <translation>Si la molette de la souris ne fonctionne pas&#xa0;:</translation>
    </message>
    <message>
        <source>Press Ctrl+Alt+Del, select the program em_exec (logitech mouse driver)
and kill that process, this will disable mousewheel support for some
programs but enable it for others, as long as you don&apos;t remove em_exec
from the registry wm_exec will be launched again after restarting windows, 
so it&apos;s rather harmless to kill it.</source>
        <translation>Appuyez sur Ctrl+Alt+Suppr, sélectionnez le programme
em_exec (pilote de souris Logitech) et terminez ce
processus&#x202f;; cela désactive la molette pour certains
programmes mais l&apos;active pour d&apos;autres. Tant que vous ne
retirez pas em_exec du registre, wm_exec sera relancé au
redémarrage de Windows&#xa0;: il est donc plutôt sans danger de
le terminer.</translation>
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
        <translation>Utilisation&#xa0;: pixono [OPTION]
Jouer des notes et des contrôleurs MIDI avec la souris sur une image.

  --help     afficher cette aide et quitter
  --version  afficher la version et quitter

Les autres arguments sont ignorés. Les réglages sont conservés dans pixono.INI&#x202f;; voir pixono(1).
</translation>
    </message>
</context>
<context>
    <name>GeneralMidi</name>
    <message>
        <source>Acoustic Grand Piano</source>
        <translation>Piano acoustique à queue</translation>
    </message>
    <message>
        <source>Bright Acoustic Piano</source>
        <translation>Piano acoustique brillant</translation>
    </message>
    <message>
        <source>Electric Grand Piano</source>
        <translation>Piano électrique à queue</translation>
    </message>
    <message>
        <source>Honky-tonk Piano</source>
        <translation>Piano bastringue</translation>
    </message>
    <message>
        <source>Electric Piano 1</source>
        <translation>Piano électrique 1</translation>
    </message>
    <message>
        <source>Electric Piano 2</source>
        <translation>Piano électrique 2</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>Clavecin</translation>
    </message>
    <message>
        <source>Clavi</source>
        <translation>Clavi</translation>
    </message>
    <message>
        <source>Celesta</source>
        <translation>Célesta</translation>
    </message>
    <message>
        <source>Glockenspiel</source>
        <translation>Glockenspiel</translation>
    </message>
    <message>
        <source>Music Box</source>
        <translation>Boîte à musique</translation>
    </message>
    <message>
        <source>Vibraphone</source>
        <translation>Vibraphone</translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>Xylophone</source>
        <translation>Xylophone</translation>
    </message>
    <message>
        <source>Tubular Bells</source>
        <translation>Cloches tubulaires</translation>
    </message>
    <message>
        <source>Dulcimer</source>
        <translation>Dulcimer</translation>
    </message>
    <message>
        <source>Drawbar Organ</source>
        <translation>Orgue à tirettes</translation>
    </message>
    <message>
        <source>Percussive Organ</source>
        <translation>Orgue percussif</translation>
    </message>
    <message>
        <source>Rock Organ</source>
        <translation>Orgue rock</translation>
    </message>
    <message>
        <source>Church Organ</source>
        <translation>Orgue d&apos;église</translation>
    </message>
    <message>
        <source>Reed Organ</source>
        <translation>Harmonium</translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation>Accordéon</translation>
    </message>
    <message>
        <source>Harmonica</source>
        <translation>Harmonica</translation>
    </message>
    <message>
        <source>Tango Accordion</source>
        <translation>Accordéon tango</translation>
    </message>
    <message>
        <source>Acoustic Guitar (nylon)</source>
        <translation>Guitare acoustique (nylon)</translation>
    </message>
    <message>
        <source>Acoustic Guitar (steel)</source>
        <translation>Guitare acoustique (acier)</translation>
    </message>
    <message>
        <source>Electric Guitar (jazz)</source>
        <translation>Guitare électrique (jazz)</translation>
    </message>
    <message>
        <source>Electric Guitar (clean)</source>
        <translation>Guitare électrique (son clair)</translation>
    </message>
    <message>
        <source>Electric Guitar (muted)</source>
        <translation>Guitare électrique (étouffée)</translation>
    </message>
    <message>
        <source>Overdriven Guitar</source>
        <translation>Guitare saturée</translation>
    </message>
    <message>
        <source>Distortion Guitar</source>
        <translation>Guitare distorsion</translation>
    </message>
    <message>
        <source>Guitar Harmonics</source>
        <translation>Harmoniques de guitare</translation>
    </message>
    <message>
        <source>Acoustic Bass</source>
        <translation>Basse acoustique</translation>
    </message>
    <message>
        <source>Electric Bass (finger)</source>
        <translation>Basse électrique (doigts)</translation>
    </message>
    <message>
        <source>Electric Bass (pick)</source>
        <translation>Basse électrique (médiator)</translation>
    </message>
    <message>
        <source>Fretless Bass</source>
        <translation>Basse fretless</translation>
    </message>
    <message>
        <source>Slap Bass 1</source>
        <translation>Basse slap 1</translation>
    </message>
    <message>
        <source>Slap Bass 2</source>
        <translation>Basse slap 2</translation>
    </message>
    <message>
        <source>Synth Bass 1</source>
        <translation>Basse synthé 1</translation>
    </message>
    <message>
        <source>Synth Bass 2</source>
        <translation>Basse synthé 2</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violon</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Violoncelle</translation>
    </message>
    <message>
        <source>Contrabass</source>
        <translation>Contrebasse</translation>
    </message>
    <message>
        <source>Tremolo Strings</source>
        <translation>Cordes trémolo</translation>
    </message>
    <message>
        <source>Pizzicato Strings</source>
        <translation>Cordes pizzicato</translation>
    </message>
    <message>
        <source>Orchestral Harp</source>
        <translation>Harpe d&apos;orchestre</translation>
    </message>
    <message>
        <source>Timpani</source>
        <translation>Timbales</translation>
    </message>
    <message>
        <source>String Ensemble 1</source>
        <translation>Ensemble de cordes 1</translation>
    </message>
    <message>
        <source>String Ensemble 2</source>
        <translation>Ensemble de cordes 2</translation>
    </message>
    <message>
        <source>Synth Strings 1</source>
        <translation>Cordes synthé 1</translation>
    </message>
    <message>
        <source>Synth Strings 2</source>
        <translation>Cordes synthé 2</translation>
    </message>
    <message>
        <source>Choir Aahs</source>
        <translation>Chœur «&#xa0;aah&#xa0;»</translation>
    </message>
    <message>
        <source>Voice Oohs</source>
        <translation>Voix «&#xa0;ooh&#xa0;»</translation>
    </message>
    <message>
        <source>Synth Voice</source>
        <translation>Voix synthé</translation>
    </message>
    <message>
        <source>Orchestra Hit</source>
        <translation>Coup d&apos;orchestre</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompette</translation>
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
        <translation>Trompette en sourdine</translation>
    </message>
    <message>
        <source>French Horn</source>
        <translation>Cor d&apos;harmonie</translation>
    </message>
    <message>
        <source>Brass Section</source>
        <translation>Section de cuivres</translation>
    </message>
    <message>
        <source>Synth Brass 1</source>
        <translation>Cuivres synthé 1</translation>
    </message>
    <message>
        <source>Synth Brass 2</source>
        <translation>Cuivres synthé 2</translation>
    </message>
    <message>
        <source>Soprano Sax</source>
        <translation>Saxophone soprano</translation>
    </message>
    <message>
        <source>Alto Sax</source>
        <translation>Saxophone alto</translation>
    </message>
    <message>
        <source>Tenor Sax</source>
        <translation>Saxophone ténor</translation>
    </message>
    <message>
        <source>Baritone Sax</source>
        <translation>Saxophone baryton</translation>
    </message>
    <message>
        <source>Oboe</source>
        <translation>Hautbois</translation>
    </message>
    <message>
        <source>English Horn</source>
        <translation>Cor anglais</translation>
    </message>
    <message>
        <source>Bassoon</source>
        <translation>Basson</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>Clarinette</translation>
    </message>
    <message>
        <source>Piccolo</source>
        <translation>Piccolo</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flûte</translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation>Flûte à bec</translation>
    </message>
    <message>
        <source>Pan Flute</source>
        <translation>Flûte de Pan</translation>
    </message>
    <message>
        <source>Blown Bottle</source>
        <translation>Bouteille soufflée</translation>
    </message>
    <message>
        <source>Shakuhachi</source>
        <translation>Shakuhachi</translation>
    </message>
    <message>
        <source>Whistle</source>
        <translation>Sifflet</translation>
    </message>
    <message>
        <source>Ocarina</source>
        <translation>Ocarina</translation>
    </message>
    <message>
        <source>Lead 1 (square)</source>
        <translation>Lead 1 (carré)</translation>
    </message>
    <message>
        <source>Lead 2 (sawtooth)</source>
        <translation>Lead 2 (dent de scie)</translation>
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
        <translation>Lead 6 (voix)</translation>
    </message>
    <message>
        <source>Lead 7 (fifths)</source>
        <translation>Lead 7 (quintes)</translation>
    </message>
    <message>
        <source>Lead 8 (bass + lead)</source>
        <translation>Lead 8 (basse + lead)</translation>
    </message>
    <message>
        <source>Pad 1 (new age)</source>
        <translation>Pad 1 (new age)</translation>
    </message>
    <message>
        <source>Pad 2 (warm)</source>
        <translation>Pad 2 (chaud)</translation>
    </message>
    <message>
        <source>Pad 3 (polysynth)</source>
        <translation>Pad 3 (polysynthé)</translation>
    </message>
    <message>
        <source>Pad 4 (choir)</source>
        <translation>Pad 4 (chœur)</translation>
    </message>
    <message>
        <source>Pad 5 (bowed)</source>
        <translation>Pad 5 (archet)</translation>
    </message>
    <message>
        <source>Pad 6 (metallic)</source>
        <translation>Pad 6 (métallique)</translation>
    </message>
    <message>
        <source>Pad 7 (halo)</source>
        <translation>Pad 7 (halo)</translation>
    </message>
    <message>
        <source>Pad 8 (sweep)</source>
        <translation>Pad 8 (balayage)</translation>
    </message>
    <message>
        <source>FX 1 (rain)</source>
        <translation>FX 1 (pluie)</translation>
    </message>
    <message>
        <source>FX 2 (soundtrack)</source>
        <translation>FX 2 (bande-son)</translation>
    </message>
    <message>
        <source>FX 3 (crystal)</source>
        <translation>FX 3 (cristal)</translation>
    </message>
    <message>
        <source>FX 4 (atmosphere)</source>
        <translation>FX 4 (atmosphère)</translation>
    </message>
    <message>
        <source>FX 5 (brightness)</source>
        <translation>FX 5 (brillance)</translation>
    </message>
    <message>
        <source>FX 6 (goblins)</source>
        <translation>FX 6 (gobelins)</translation>
    </message>
    <message>
        <source>FX 7 (echoes)</source>
        <translation>FX 7 (échos)</translation>
    </message>
    <message>
        <source>FX 8 (sci-fi)</source>
        <translation>FX 8 (science-fiction)</translation>
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
        <translation>Cornemuse</translation>
    </message>
    <message>
        <source>Fiddle</source>
        <translation>Violon folk</translation>
    </message>
    <message>
        <source>Shanai</source>
        <translation>Shehnai</translation>
    </message>
    <message>
        <source>Tinkle Bell</source>
        <translation>Clochette</translation>
    </message>
    <message>
        <source>Agogo</source>
        <translation>Agogo</translation>
    </message>
    <message>
        <source>Steel Drums</source>
        <translation>Steel drums</translation>
    </message>
    <message>
        <source>Woodblock</source>
        <translation>Wood-block</translation>
    </message>
    <message>
        <source>Taiko Drum</source>
        <translation>Taiko</translation>
    </message>
    <message>
        <source>Melodic Tom</source>
        <translation>Tom mélodique</translation>
    </message>
    <message>
        <source>Synth Drum</source>
        <translation>Tambour synthé</translation>
    </message>
    <message>
        <source>Reverse Cymbal</source>
        <translation>Cymbale inversée</translation>
    </message>
    <message>
        <source>Guitar Fret Noise</source>
        <translation>Bruit de frettes</translation>
    </message>
    <message>
        <source>Breath Noise</source>
        <translation>Bruit de souffle</translation>
    </message>
    <message>
        <source>Seashore</source>
        <translation>Bord de mer</translation>
    </message>
    <message>
        <source>Bird Tweet</source>
        <translation>Chant d&apos;oiseau</translation>
    </message>
    <message>
        <source>Telephone Ring</source>
        <translation>Sonnerie de téléphone</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Hélicoptère</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaudissements</translation>
    </message>
    <message>
        <source>Gunshot</source>
        <translation>Coup de feu</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>MIDI output port &apos;%1&apos; could not be opened: %2</source>
        <translation>Le port de sortie MIDI «&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>MIDI output port &apos;%1&apos; is not there yet; Pixono plays on it as soon as it appears</source>
        <translation>Le port de sortie MIDI «&#xa0;%1&#xa0;» n&apos;est pas encore là&#x202f;; Pixono jouera dessus dès qu&apos;il apparaîtra</translation>
    </message>
    <message>
        <source>MIDI output Device &apos;%1&apos; not installed</source>
        <translation>Périphérique de sortie MIDI «&#xa0;%1&#xa0;» non installé</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Extension de fichier image inconnue (.%1)</translation>
    </message>
    <message>
        <source>The MIDI operation succeeded</source>
        <translation>L&apos;opération MIDI a réussi</translation>
    </message>
    <message>
        <source>The MIDI back end reported a failure</source>
        <translation>Le moteur MIDI a signalé un échec</translation>
    </message>
    <message>
        <source>There is no MIDI output device with that number</source>
        <translation>Il n&apos;y a pas de périphérique de sortie MIDI portant ce numéro</translation>
    </message>
    <message>
        <source>The MIDI output device is already in use</source>
        <translation>Le périphérique de sortie MIDI est déjà utilisé</translation>
    </message>
    <message>
        <source>The MIDI output handle does not stand for an open device</source>
        <translation>Le descripteur de sortie MIDI ne désigne aucun périphérique ouvert</translation>
    </message>
    <message>
        <source>There is not enough memory for the MIDI output</source>
        <translation>Il n&apos;y a pas assez de mémoire pour la sortie MIDI</translation>
    </message>
    <message>
        <source>The MIDI result code is unknown</source>
        <translation>Le code de résultat MIDI est inconnu</translation>
    </message>
    <message>
        <source>The MIDI message header has not been prepared</source>
        <translation>L&apos;en-tête du message MIDI n&apos;a pas été préparé</translation>
    </message>
    <message>
        <source>The MIDI message header is still queued for output</source>
        <translation>L&apos;en-tête du message MIDI est encore en attente de sortie</translation>
    </message>
    <message>
        <source>The MIDI output device is busy: its queue is full</source>
        <translation>Le périphérique de sortie MIDI est occupé&#xa0;: sa file d&apos;attente est pleine</translation>
    </message>
    <message>
        <source>The MIDI output device went away</source>
        <translation>Le périphérique de sortie MIDI a disparu</translation>
    </message>
    <message>
        <source>No audio output answered; start PipeWire, PulseAudio or JACK, or connect a sound card</source>
        <translation>Aucune sortie audio n&apos;a répondu&#x202f;; démarrez PipeWire, PulseAudio ou JACK, ou branchez une carte son</translation>
    </message>
    <message>
        <source>No JACK server is running; start JACK or PipeWire, then choose the port again</source>
        <translation>Aucun serveur JACK ne tourne&#x202f;; démarrez JACK ou PipeWire, puis choisissez à nouveau le port</translation>
    </message>
    <message>
        <source>Specified error number is out of range</source>
        <translation>Le numéro d&apos;erreur indiqué est hors limites</translation>
    </message>
    <message>
        <source>MIDI Output device not open</source>
        <translation>Périphérique de sortie MIDI non ouvert</translation>
    </message>
    <message>
        <source>Invalid MIDI out device ID</source>
        <translation>Identifiant de périphérique de sortie MIDI non valide</translation>
    </message>
    <message>
        <source>Change to MIDI out Device ID while device was open</source>
        <translation>Changement d&apos;identifiant de périphérique de sortie MIDI alors que le périphérique était ouvert</translation>
    </message>
    <message>
        <source>Change to ProductName while MIDI out device was open</source>
        <translation>Changement de ProductName alors que le périphérique de sortie MIDI était ouvert</translation>
    </message>
    <message>
        <source>A long MIDI message needs at least one byte</source>
        <translation>Un long message MIDI doit contenir au moins un octet</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L&apos;image bitmap n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>L&apos;image d&apos;icône n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Metafile is not valid</source>
        <translation>Le métafichier n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Dépassement de capacité d&apos;entier</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Erreur de vérification d&apos;intervalle</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Cannot create the notify window&apos;s event descriptor</source>
        <translation>Impossible de créer le descripteur d&apos;événements de la fenêtre de notification</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>Only bitmaps can be used.</source>
        <translation>Seules les images bitmap peuvent être utilisées.</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Images bitmap (*.bmp)</translation>
    </message>
</context>
<context>
    <name>Playing</name>
    <message>
        <source>Steps</source>
        <translation>Paliers</translation>
    </message>
    <message>
        <source>Glide</source>
        <translation>Glissando</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Contrôleur</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Douce</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Dure</translation>
    </message>
    <message>
        <source>Chromatic</source>
        <translation>Chromatique</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Majeur</translation>
    </message>
    <message>
        <source>Natural minor</source>
        <translation>Mineur naturel</translation>
    </message>
    <message>
        <source>Harmonic minor</source>
        <translation>Mineur harm.</translation>
    </message>
    <message>
        <source>Dorian</source>
        <translation>Dorien</translation>
    </message>
    <message>
        <source>Mixolydian</source>
        <translation>Mixolydien</translation>
    </message>
    <message>
        <source>Major pentatonic</source>
        <translation>Penta. majeur</translation>
    </message>
    <message>
        <source>Minor pentatonic</source>
        <translation>Penta. mineur</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>Whole tone</source>
        <translation>Par tons</translation>
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
        <translation>À propos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
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
        <translation>Jeu</translation>
    </message>
    <message>
        <source>&amp;Lowest note</source>
        <translation>N&amp;ote basse</translation>
    </message>
    <message>
        <source>&amp;Highest note</source>
        <translation>&amp;Note haute</translation>
    </message>
    <message>
        <source>Sc&amp;ale</source>
        <translation>&amp;Gamme</translation>
    </message>
    <message>
        <source>R&amp;oot</source>
        <translation>&amp;Tonique</translation>
    </message>
    <message>
        <source>Velocity &amp;top</source>
        <translation>Vélocité &amp;haut</translation>
    </message>
    <message>
        <source>Velocity &amp;bottom</source>
        <translation>&amp;Vélocité bas</translation>
    </message>
    <message>
        <source>&amp;Wheel CC</source>
        <translation>CC &amp;molette</translation>
    </message>
    <message>
        <source>&amp;Red CC</source>
        <translation>CC rouge</translation>
    </message>
    <message>
        <source>&amp;Green CC</source>
        <translation>CC v&amp;ert</translation>
    </message>
    <message>
        <source>Bl&amp;ue CC</source>
        <translation>CC &amp;bleu</translation>
    </message>
    <message>
        <source>Pa&amp;nic</source>
        <translation>Pani&amp;que</translation>
    </message>
    <message>
        <source>Cur&amp;ve</source>
        <translation>Co&amp;urbe</translation>
    </message>
    <message>
        <source>Ben&amp;d range</source>
        <translation>Plage &amp;de bend</translation>
    </message>
    <message>
        <source>A&amp;fter the attack</source>
        <translation>Après &amp;l&apos;attaque</translation>
    </message>
    <message>
        <source>Aft&amp;er CC</source>
        <translation>CC &amp;après</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Pol&amp;yphony</source>
        <translation>Pol&amp;yphonie</translation>
    </message>
    <message>
        <source>MPE channels</source>
        <translation>Canaux MPE</translation>
    </message>
    <message>
        <source>MPE bend range</source>
        <translation>Plage de bend MPE</translation>
    </message>
    <message>
        <source>Tilt X CC</source>
        <translation>CC inclinaison X</translation>
    </message>
    <message>
        <source>Tilt Y CC</source>
        <translation>CC inclinaison Y</translation>
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
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&lt;u&gt;I&lt;/u&gt;mage file</source>
        <translation>Fichier &lt;u&gt;i&lt;/u&gt;mage</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>Fichier image</translation>
    </message>
    <message>
        <source>Browse ...</source>
        <translation>Choisir ...</translation>
    </message>
    <message>
        <source>&amp;Midi out port</source>
        <translation>Port de &amp;sortie MIDI</translation>
    </message>
    <message>
        <source>&amp;Channel</source>
        <translation>&amp;Canal</translation>
    </message>
</context>
</TS>
