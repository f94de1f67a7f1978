<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>Block</name>
    <message>
        <source>Draad: geeft de waarde door.</source>
        <translation>Wire: passes the value on.</translation>
    </message>
    <message>
        <source>EN-poort: 255 als alle ingangen 255 zijn, anders 0.</source>
        <translation>AND gate: 255 when all inputs are 255, else 0.</translation>
    </message>
    <message>
        <source>NEN-poort: 0 als alle ingangen 255 zijn, anders 255.</source>
        <translation>NAND gate: 0 when all inputs are 255, else 255.</translation>
    </message>
    <message>
        <source>OF-poort: 255 als een ingang 255 is, anders 0.</source>
        <translation>OR gate: 255 when an input is 255, else 0.</translation>
    </message>
    <message>
        <source>NOF-poort: 255 als geen ingang 255 is, anders 0.</source>
        <translation>NOR gate: 255 when no input is 255, else 0.</translation>
    </message>
    <message>
        <source>Leeg veld: doet niets.</source>
        <translation>Empty field: does nothing.</translation>
    </message>
    <message>
        <source>Analoge uitgang van de kaart: de waarde van links, 0..255 is 0..5 V.</source>
        <translation>Analog output of the board: the value from the left, 0..255 is 0..5 V.</translation>
    </message>
    <message>
        <source>Digitale uitgang van de kaart: aan bij 255, uit bij 0, anders blijft hij.</source>
        <translation>Digital output of the board: on at 255, off at 0, otherwise it holds.</translation>
    </message>
    <message>
        <source>vertraging in s</source>
        <translation>delay in s</translation>
    </message>
    <message>
        <source>teller</source>
        <translation>counter</translation>
    </message>
    <message>
        <source>Recorder: schrijft de waarde van links elke 4 s op zijn kaart.</source>
        <translation>Recorder: writes the value from the left on its chart every 4 s.</translation>
    </message>
    <message>
        <source>Waarde van een spinknop op het bedieningsscherm.</source>
        <translation>Value of a value knob on the operator screen.</translation>
    </message>
    <message>
        <source>Analoge ingang van de kaart (via de multiplexer).</source>
        <translation>Analog input of the board (through the multiplexer).</translation>
    </message>
    <message>
        <source>Digitale ingang van de kaart: 0 of 255.</source>
        <translation>Digital input of the board: 0 or 255.</translation>
    </message>
    <message>
        <source>Drukknop op het bedieningsscherm: elke klik wisselt 0 en 255.</source>
        <translation>Push button on the operator screen: every click switches between 0 and 255.</translation>
    </message>
    <message>
        <source>Sinusgever: een golf tussen 40 en 200.</source>
        <translation>Sine generator: a wave between 40 and 200.</translation>
    </message>
    <message>
        <source>Range verkleinen: 0..255 wordt 51..255.</source>
        <translation>Range narrower: 0..255 becomes 51..255.</translation>
    </message>
    <message>
        <source>Range vergroten: 51..255 wordt 0..255.</source>
        <translation>Range wider: 51..255 becomes 0..255.</translation>
    </message>
    <message>
        <source>Worteltrekker: de wortel van links, op de schaal 0..255.</source>
        <translation>Square root: the root of the value from the left, on the scale 0..255.</translation>
    </message>
    <message>
        <source>PID-regelaar: meet links, stuurt rechts; instellen op zijn regelaarvenster.</source>
        <translation>PID controller: measures on the left, drives on the right; set it up in its controller window.</translation>
    </message>
    <message>
        <source>PID-regelaar (knecht): meet links, setpunt van boven in cascade, stuurt rechts.</source>
        <translation>PID controller (slave): measures on the left, setpoint from above in cascade, drives on the right.</translation>
    </message>
    <message>
        <source>Stapregelaar voor een motorklep: rechts open-pulsen, onder dicht-pulsen.</source>
        <translation>Step controller for a motor valve: opening pulses on the right, closing pulses below.</translation>
    </message>
    <message>
        <source>Aan/uit-regelaar: rechts 255 of 0, met een schakelspleet rond het setpunt.</source>
        <translation>On/off controller: 255 or 0 on the right, with a switching gap around the setpoint.</translation>
    </message>
    <message>
        <source>Hoogste-keuze: de grootste van links en boven.</source>
        <translation>High select: the larger of left and upper.</translation>
    </message>
    <message>
        <source>Laagste-keuze: de kleinste van links en onder.</source>
        <translation>Low select: the smaller of left and lower.</translation>
    </message>
    <message>
        <source>Invertor: 255 min de waarde van links (0 wordt 255).</source>
        <translation>Inverter: 255 minus the value from the left (0 becomes 255).</translation>
    </message>
    <message>
        <source>EX-OF-poort: 255 als precies een van boven en onder 255 is, de ander 0.</source>
        <translation>XOR gate: 255 when exactly one of upper and lower is 255, the other 0.</translation>
    </message>
    <message>
        <source>Flipflop: links 255 zet hem aan, onder 255 zet hem uit (uit wint).</source>
        <translation>Flip-flop: 255 on the left sets it, 255 below resets it (reset wins).</translation>
    </message>
    <message>
        <source>Analoog naar digitaal: 255 vanaf A, 0 vanaf B, daartussen blijft hij.</source>
        <translation>Analog to digital: 255 from A up, 0 from B down, in between it holds.</translation>
    </message>
    <message>
        <source>bovenschakelpunt</source>
        <translation>upper switching point</translation>
    </message>
    <message>
        <source>onderschakelpunt</source>
        <translation>lower switching point</translation>
    </message>
    <message>
        <source>Opkomend vertraagd: 255 als links A seconden aan is.</source>
        <translation>Delayed on: 255 once the left input has been on for A seconds.</translation>
    </message>
    <message>
        <source>Afvallend vertraagd: 0 als links A seconden uit is.</source>
        <translation>Delayed off: 0 once the left input has been off for A seconds.</translation>
    </message>
    <message>
        <source>Rekenblok: links x A / 100 + B, begrensd op 0..255.</source>
        <translation>Arithmetic block: left x A / 100 + B, limited to 0..255.</translation>
    </message>
    <message>
        <source>factor in %</source>
        <translation>factor in %</translation>
    </message>
    <message>
        <source>optelling</source>
        <translation>offset</translation>
    </message>
    <message>
        <source>Automatische uitschakelaar: 255 zolang links aan is, hoogstens A seconden.</source>
        <translation>Automatic switch-off: 255 while the left input is on, for at most A seconds.</translation>
    </message>
    <message>
        <source>aan-tijd in s</source>
        <translation>on time in s</translation>
    </message>
    <message>
        <source>Knipperaar: knippert met een periode van B + 1 s zolang links 255 is.</source>
        <translation>Blinker: blinks with a period of B + 1 s while the left input is 255.</translation>
    </message>
    <message>
        <source>knippertijd in s</source>
        <translation>blink time in s</translation>
    </message>
    <message>
        <source>Begrenzer: de waarde van links, begrensd tussen A en B.</source>
        <translation>Limiter: the value from the left, limited between A and B.</translation>
    </message>
    <message>
        <source>ondergrens</source>
        <translation>lower bound</translation>
    </message>
    <message>
        <source>bovengrens</source>
        <translation>upper bound</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>PB %</source>
        <extracomment>Proportional band</extracomment>
        <translation>PB %</translation>
    </message>
    <message>
        <source>I-tijd sec</source>
        <extracomment>Integral time in seconds</extracomment>
        <translation>I-time sec</translation>
    </message>
    <message>
        <source>D-tijd sec</source>
        <extracomment>Derivative time in seconds</extracomment>
        <translation>D-time sec</translation>
    </message>
    <message>
        <source>Outp-max %</source>
        <translation>Outp-max %</translation>
    </message>
    <message>
        <source>Outp-min %</source>
        <translation>Outp-min %</translation>
    </message>
    <message>
        <source>Setp-max %</source>
        <translation>Setp-max %</translation>
    </message>
    <message>
        <source>Setp-min %</source>
        <translation>Setp-min %</translation>
    </message>
</context>
<context>
    <name>LayoutWindow</name>
    <message>
        <source>Analoge ingangen 0 - 5 Volt</source>
        <translation>Analog inputs 0 - 5 Volt</translation>
    </message>
    <message>
        <source>Digitale ingangen high/low</source>
        <translation>Digital inputs high/low</translation>
    </message>
    <message>
        <source>Spinknoppen 0 - 255</source>
        <translation>Value knobs 0 - 255</translation>
    </message>
    <message>
        <source>Digitale uitgangen high/low</source>
        <translation>Digital outputs high/low</translation>
    </message>
    <message>
        <source>beeldschermknoppen</source>
        <translation>screen buttons</translation>
    </message>
    <message>
        <source>Regelaars</source>
        <translation>Controllers</translation>
    </message>
    <message>
        <source>Recorders</source>
        <translation>Recorders</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Afsluiten?</source>
        <translation>Exit?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Kaart gevonden op %1</source>
        <translation>Board found at %1</translation>
    </message>
    <message>
        <source>Geen kaart gevonden op %1</source>
        <translation>No board found at %1</translation>
    </message>
    <message>
        <source>Er zit geen kaart van dit type op USB.</source>
        <translation>There is no board of this type on USB.</translation>
    </message>
    <message>
        <source>Er zit wel een kaart op adres %1; de jumpers SK5 en SK6 op de kaart stellen het adres in.</source>
        <translation>There is a board at address %1; the jumpers SK5 and SK6 on the board set the address.</translation>
    </message>
    <message>
        <source>Er zitten wel kaarten op adres %1; de jumpers SK5 en SK6 op de kaart stellen het adres in.</source>
        <translation>There are boards at addresses %1; the jumpers SK5 and SK6 on the board set the address.</translation>
    </message>
    <message>
        <source>Deze gebruiker mag de kaart op adres %1 niet openen: installeer de udev-regel uit de README (packaging/udev/60-tessaro-board.rules) en word lid van de groep plugdev.</source>
        <translation>This user may not open the board at address %1: install the udev rule from the README (packaging/udev/60-tessaro-board.rules) and join the group plugdev.</translation>
    </message>
    <message>
        <source>De kaart op adres %1 is in gebruik bij een ander programma.</source>
        <translation>The board at address %1 is in use by another program.</translation>
    </message>
    <message>
        <source>De kaart op adres %1 geeft geen antwoord.</source>
        <translation>The board at address %1 does not answer.</translation>
    </message>
    <message>
        <source>%1 en %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>Nieuw project beginnen? Wat niet is opgeslagen, gaat verloren.</source>
        <translation>Start a new project? What has not been saved is lost.</translation>
    </message>
    <message>
        <source>Nieuw</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Niet opgeslagen</source>
        <translation>Not saved</translation>
    </message>
    <message>
        <source>De wijzigingen in het project zijn niet opgeslagen. Opslaan in Velden/data1.txt?</source>
        <translation>The changes to the project have not been saved. Save them in Velden/data1.txt?</translation>
    </message>
    <message>
        <source>De wijzigingen in het voorbeeld zijn niet opgeslagen. Opslaan als een nieuw project?</source>
        <translation>The changes to the example have not been saved. Save them as a new project?</translation>
    </message>
    <message>
        <source>De voorbeelden worden niet overschreven. Kies een andere map om op te slaan.</source>
        <translation>The examples are not overwritten. Choose another folder to save in.</translation>
    </message>
    <message>
        <source>%1 — logboek %2</source>
        <translation>%1 — log %2</translation>
    </message>
    <message>
        <source>Project: %1</source>
        <translation>Project: %1</translation>
    </message>
    <message>
        <source>nieuw</source>
        <translation>new</translation>
    </message>
    <message>
        <source>%1 (voorbeeld)</source>
        <translation>%1 (example)</translation>
    </message>
    <message>
        <source>%1 *</source>
        <translation>%1 *</translation>
    </message>
    <message>
        <source>PAUZE</source>
        <translation>PAUSED</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>Pauze</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Verder</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source> (%1 tot %2%3)</source>
        <translation> (%1 to %2%3)</translation>
    </message>
    <message>
        <source>de schijf is vol</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>het bestand wordt te groot</source>
        <translation>the file grows too big</translation>
    </message>
    <message>
        <source>geen toegang</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>de schijf is alleen te lezen</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>bestaat niet</source>
        <translation>does not exist</translation>
    </message>
    <message>
        <source>de map bestaat niet</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>het is een map</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>de koppeling wijst naar zichzelf</source>
        <translation>the link points to itself</translation>
    </message>
    <message>
        <source>de naam is te lang</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>de schijf geeft een lees- of schrijffout</source>
        <translation>the disk gives a read or write error</translation>
    </message>
    <message>
        <source>het bestand is in gebruik</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>er zijn te veel bestanden open</source>
        <translation>too many files are open</translation>
    </message>
    <message>
        <source>het is geen gewoon bestand</source>
        <translation>it is no regular file</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>I/O error %1</translation>
    </message>
    <message>
        <source>Kan %1 niet opslaan: %2.</source>
        <translation>Cannot save %1: %2.</translation>
    </message>
    <message>
        <source>Kan %1 niet inlezen: %2.</source>
        <translation>Cannot load %1: %2.</translation>
    </message>
    <message>
        <source>Kan %1 niet schrijven: %2.</source>
        <translation>Cannot write %1: %2.</translation>
    </message>
    <message>
        <source>de afbeelding kon niet worden gemaakt</source>
        <translation>the picture could not be made</translation>
    </message>
    <message>
        <source>%1 is geen Tessaro-project.</source>
        <translation>%1 is no Tessaro project.</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>File access denied: %1</source>
        <translation>File access denied: %1</translation>
    </message>
    <message>
        <source>Invalid filename: %1</source>
        <translation>Invalid filename: %1</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Invalid numeric input</translation>
    </message>
    <message>
        <source>Geen projectbestand: groter dan %1 MiB</source>
        <translation>No project file: larger than %1 MiB</translation>
    </message>
    <message>
        <source>Geen projectbestand: regel %1 is langer dan %2 tekens</source>
        <translation>No project file: line %1 is longer than %2 characters</translation>
    </message>
    <message>
        <source>Cannot open file %1. %2</source>
        <translation>Cannot open file %1. %2</translation>
    </message>
    <message>
        <source>Cannot open file %1 en nog %3 ander bestand. %2.</source>
        <translation>Cannot open file %1 and %3 other file. %2.</translation>
    </message>
    <message>
        <source>Cannot open file %1 en nog %3 andere bestanden. %2.</source>
        <translation>Cannot open file %1 and %3 other files. %2.</translation>
    </message>
    <message>
        <source>Leest: %1</source>
        <translation>Reads: %1</translation>
    </message>
    <message>
        <source>Schrijft: %1</source>
        <translation>Writes: %1</translation>
    </message>
    <message>
        <source>links</source>
        <extracomment>A side a block reads its input from: the left one</extracomment>
        <translation>left</translation>
    </message>
    <message>
        <source>boven</source>
        <extracomment>A side a block reads its input from: the upper one</extracomment>
        <translation>upper</translation>
    </message>
    <message>
        <source>onder</source>
        <extracomment>A side a block reads its input from: the lower one</extracomment>
        <translation>lower</translation>
    </message>
    <message>
        <source>rechts</source>
        <extracomment>An edge a block writes its output to: the right one</extracomment>
        <translation>right</translation>
    </message>
    <message>
        <source>naar boven</source>
        <extracomment>An edge a block writes its output to: up, to the field above</extracomment>
        <translation>up</translation>
    </message>
    <message>
        <source>naar onder</source>
        <extracomment>An edge a block writes its output to: down, to the field below</extracomment>
        <translation>down</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>A: %1, B: %2</source>
        <translation>A: %1, B: %2</translation>
    </message>
    <message>
        <source>Instellingen: bereik, eenheid en naam uit de vakken van het palet</source>
        <translation>Settings: range, unit and name from the boxes of the palette</translation>
    </message>
    <message>
        <source>Veld %1,%2: %3</source>
        <translation>Field %1,%2: %3</translation>
    </message>
    <message>
        <source>leeg</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>In links: %1</source>
        <translation>Left input: %1</translation>
    </message>
    <message>
        <source>In boven: %1</source>
        <translation>Upper input: %1</translation>
    </message>
    <message>
        <source>In onder: %1</source>
        <translation>Lower input: %1</translation>
    </message>
    <message>
        <source>%1 (niet gelezen)</source>
        <translation>%1 (not read)</translation>
    </message>
    <message>
        <source>Uit rechts: %1</source>
        <translation>Output right: %1</translation>
    </message>
    <message>
        <source>Uit naar boven: %1</source>
        <translation>Output up: %1</translation>
    </message>
    <message>
        <source>Uit naar onder: %1</source>
        <translation>Output down: %1</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <translation>%1 (%2 %)</translation>
    </message>
    <message>
        <source>A (%1) = %2</source>
        <translation>A (%1) = %2</translation>
    </message>
    <message>
        <source>B (%1) = %2</source>
        <translation>B (%1) = %2</translation>
    </message>
    <message>
        <source>Bereik %1..%2 %3</source>
        <translation>Range %1..%2 %3</translation>
    </message>
    <message>
        <source>loopt niet: label verborgen, zie Screen</source>
        <translation>not running: label hidden, see Screen</translation>
    </message>
    <message>
        <source>Geen PID-regelaar</source>
        <translation>No PID controller</translation>
    </message>
    <message>
        <source>De stapproef begint in Hand</source>
        <translation>The step test starts in Man</translation>
    </message>
    <message>
        <source>De stap is 0,5 tot 100 %</source>
        <translation>The step is 0.5 to 100 %</translation>
    </message>
    <message>
        <source>De stap valt buiten de uitgangsgrenzen</source>
        <translation>The step falls outside the output limits</translation>
    </message>
    <message>
        <source>De relaisproef begint in Auto, rond het setpoint</source>
        <translation>The relay test starts in Auto, about the setpoint</translation>
    </message>
    <message>
        <source>De amplitude is 0,5 tot 50 %</source>
        <translation>The amplitude is 0.5 to 50 %</translation>
    </message>
    <message>
        <source>De hysterese is 0 tot 10 %</source>
        <translation>The hysteresis is 0 to 10 %</translation>
    </message>
    <message>
        <source>De uitgangsgrenzen laten geen slingering toe</source>
        <translation>The output limits leave no room to oscillate</translation>
    </message>
    <message>
        <source>Wacht tot de meetwaarde stil staat</source>
        <translation>Waiting for the process value to settle</translation>
    </message>
    <message>
        <source>Relais slingert rond het setpoint</source>
        <translation>The relay oscillates about the setpoint</translation>
    </message>
    <message>
        <source>Gestopt</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Afgebroken: de regelaar staat niet meer op Hand</source>
        <translation>Aborted: the controller is no longer in Man</translation>
    </message>
    <message>
        <source>Afgebroken: de uitgang is met de hand veranderd</source>
        <translation>Aborted: the output was changed by hand</translation>
    </message>
    <message>
        <source>Stap gegeven: de reactie wordt gemeten</source>
        <translation>Step given: measuring the response</translation>
    </message>
    <message>
        <source>Te weinig reactie op de stap</source>
        <translation>Too little response to the step</translation>
    </message>
    <message>
        <source>Geen model gevonden bij deze reactie</source>
        <translation>No model fits this response</translation>
    </message>
    <message>
        <source>De slingering is kleiner dan de hysterese</source>
        <translation>The oscillation is smaller than the hysteresis</translation>
    </message>
    <message>
        <source>Geen regelmatige slingering gevonden</source>
        <translation>No regular oscillation found</translation>
    </message>
    <message>
        <source>K %1 %/%, tau %2 s, dode tijd %3 s, fit %4 %</source>
        <translation>K %1 %/%, tau %2 s, dead time %3 s, fit %4 %</translation>
    </message>
    <message>
        <source>Ku %1 %/%, Pu %2 s, slingering %3 %</source>
        <translation>Ku %1 %/%, Pu %2 s, oscillation %3 %</translation>
    </message>
    <message>
        <source>snel, kwartdemping: elke slingering een kwart van de vorige</source>
        <translation>fast, quarter decay: each swing a quarter of the one before</translation>
    </message>
    <message>
        <source>nog sneller door de D-actie, ook kwartdemping</source>
        <translation>faster still through the D action, quarter decay too</translation>
    </message>
    <message>
        <source>kwartdemping, ook bij een grotere dode tijd</source>
        <translation>quarter decay, also with a longer dead time</translation>
    </message>
    <message>
        <source>kwartdemping met D-actie, ook bij grotere dode tijd</source>
        <translation>quarter decay with D action, also with a longer dead time</translation>
    </message>
    <message>
        <source>rustig: gesloten lus als een eerste orde met tijd tc, weinig doorschot</source>
        <translation>calm: the closed loop as a first order with time tc, little overshoot</translation>
    </message>
    <message>
        <source>modelvolgend: setpointstap zonder doorschot, met D-actie</source>
        <translation>model following: a setpoint step without overshoot, with D action</translation>
    </message>
    <message>
        <source>snel, kwartdemping</source>
        <translation>fast, quarter decay</translation>
    </message>
    <message>
        <source>snel met D-actie, kwartdemping</source>
        <translation>fast with D action, quarter decay</translation>
    </message>
    <message>
        <source>voorzichtig: minder doorschot, ruim stabiel</source>
        <translation>cautious: less overshoot, well within stability</translation>
    </message>
    <message>
        <source>voorzichtig met D-actie, ruim stabiel</source>
        <translation>cautious with D action, well within stability</translation>
    </message>
    <message>
        <source>PB %1 -&gt; %2</source>
        <translation>PB %1 -&gt; %2</translation>
    </message>
    <message>
        <source>I-tijd %1 -&gt; %2</source>
        <translation>I-time %1 -&gt; %2</translation>
    </message>
    <message>
        <source>D-tijd %1 -&gt; %2</source>
        <translation>D-time %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Verbinding met kaart op %1 verbroken</source>
        <translation>Connection to the board at %1 lost</translation>
    </message>
    <message>
        <source>Kaartbibliotheek %1 niet geladen: %2.</source>
        <translation>Board library %1 not loaded: %2.</translation>
    </message>
    <message>
        <source>%1 is van een andere gebruiker</source>
        <translation>%1 belongs to another user</translation>
    </message>
    <message>
        <source>%1 is een koppeling van een andere gebruiker</source>
        <translation>%1 is a link of another user</translation>
    </message>
    <message>
        <source>%1 mag ook door anderen worden gewijzigd</source>
        <translation>%1 may be changed by others too</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>het is een FIFO</source>
        <translation>it is a FIFO</translation>
    </message>
    <message>
        <source>het is een apparaat</source>
        <translation>it is a device</translation>
    </message>
    <message>
        <source>het is een socket</source>
        <translation>it is a socket</translation>
    </message>
    <message>
        <source>het is een koppeling</source>
        <translation>it is a link</translation>
    </message>
    <message>
        <source>%1 is een koppeling</source>
        <translation>%1 is a link</translation>
    </message>
    <message>
        <source>%1 is een koppeling die Tessaro niet heeft gemaakt</source>
        <translation>%1 is a link that Tessaro did not make</translation>
    </message>
    <message>
        <source>De map %1 wordt niet gebruikt: %2. Tessaro werkt nu in een nieuwe map: %3.</source>
        <translation>The folder %1 is not used: %2. Tessaro now works in a new folder: %3.</translation>
    </message>
    <message>
        <source>De map %1 wordt niet gebruikt: %2. Er kon geen nieuwe map worden gemaakt.</source>
        <translation>The folder %1 is not used: %2. No new folder could be made.</translation>
    </message>
    <message>
        <source>Geen eigen map: HOME is niet gezet</source>
        <translation>No folder of your own: HOME is not set</translation>
    </message>
    <message>
        <source>Kan de map niet maken: %1: %2</source>
        <translation>Cannot make the folder: %1: %2</translation>
    </message>
    <message>
        <source>Kan de map niet lezen: %1: %2</source>
        <translation>Cannot read the folder: %1: %2</translation>
    </message>
    <message>
        <source>Kan de koppeling niet vervangen: %1: %2</source>
        <translation>Cannot replace the link: %1: %2</translation>
    </message>
    <message>
        <source>Kan niet kopiëren naar %1: %2</source>
        <translation>Cannot copy to %1: %2</translation>
    </message>
    <message>
        <source>Geen map: %1</source>
        <translation>Not a folder: %1</translation>
    </message>
    <message>
        <source>geen instrument</source>
        <translation>no instrument</translation>
    </message>
    <message>
        <source>Logboek niet gestart, %1: %2.</source>
        <translation>Log not started, %1: %2.</translation>
    </message>
    <message>
        <source>Logboek gestopt, %1 neemt niets meer aan: %2.</source>
        <translation>Log stopped, %1 takes nothing more: %2.</translation>
    </message>
    <message>
        <source>Geen %1.bmp gevonden</source>
        <translation>No %1.bmp found</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Opslaan</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Niet opslaan</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Mode</name>
    <message>
        <source>Hand</source>
        <extracomment>Manual mode of a controller (the operator sets the output)</extracomment>
        <translation>Man</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Casc</source>
        <extracomment>Cascade: the setpoint comes from the master controller</extracomment>
        <translation>Casc</translation>
    </message>
    <message>
        <source>Bypas</source>
        <extracomment>Bypass: the master&apos;s output goes straight through</extracomment>
        <translation>Bypas</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>Plaats de inputblokken</source>
        <translation>Place the input blocks</translation>
    </message>
    <message>
        <source>Outputblokken</source>
        <translation>Output blocks</translation>
    </message>
    <message>
        <source>Spinknop#</source>
        <translation>Value knob #</translation>
    </message>
    <message>
        <source>Analoge ingang #</source>
        <translation>Analog input #</translation>
    </message>
    <message>
        <source>Digitale ingang #</source>
        <translation>Digital input #</translation>
    </message>
    <message>
        <source>Digitale knop #</source>
        <translation>Digital button #</translation>
    </message>
    <message>
        <source>Sinusgever</source>
        <translation>Sine generator</translation>
    </message>
    <message>
        <source>Blanco</source>
        <translation>Blank</translation>
    </message>
    <message>
        <source>Analoge uitgang-#</source>
        <translation>Analog output-#</translation>
    </message>
    <message>
        <source>Digitale uitgang-#</source>
        <translation>Digital output-#</translation>
    </message>
    <message>
        <source>Draad</source>
        <translation>Wire</translation>
    </message>
    <message>
        <source>Leeg veld</source>
        <translation>Empty field</translation>
    </message>
    <message>
        <source>Recorder-#</source>
        <translation>Recorder-#</translation>
    </message>
    <message>
        <source>Range verkleinen</source>
        <translation>Range narrower</translation>
    </message>
    <message>
        <source>Range vergroten</source>
        <translation>Range wider</translation>
    </message>
    <message>
        <source>Wortel trekker</source>
        <translation>Square root</translation>
    </message>
    <message>
        <source>PID regelaar (meester)</source>
        <translation>PID controller (master)</translation>
    </message>
    <message>
        <source>PID regelaar (knecht)</source>
        <translation>PID controller (slave)</translation>
    </message>
    <message>
        <source>Regelaar voor Pulsklep</source>
        <translation>Controller for a pulsed valve</translation>
    </message>
    <message>
        <source>aan/uit Regelaar</source>
        <translation>on/off controller</translation>
    </message>
    <message>
        <source>High Selector</source>
        <translation>High Selector</translation>
    </message>
    <message>
        <source>Low Selector</source>
        <translation>Low Selector</translation>
    </message>
    <message>
        <source>Not</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>AND poort</source>
        <translation>AND gate</translation>
    </message>
    <message>
        <source>NAND poort</source>
        <translation>NAND gate</translation>
    </message>
    <message>
        <source>OR poort</source>
        <translation>OR gate</translation>
    </message>
    <message>
        <source>NOR poort</source>
        <translation>NOR gate</translation>
    </message>
    <message>
        <source>XOR poort</source>
        <translation>XOR gate</translation>
    </message>
    <message>
        <source>Flipflop</source>
        <translation>Flip-flop</translation>
    </message>
    <message>
        <source>Analoog naar digitaal schakelaar</source>
        <translation>Analog to digital switch</translation>
    </message>
    <message>
        <source>Timer vertraagd opkomend</source>
        <translation>Timer, delayed on</translation>
    </message>
    <message>
        <source>Timer vertraagd afvallend</source>
        <translation>Timer, delayed off</translation>
    </message>
    <message>
        <source>Rekenblok</source>
        <translation>Arithmetic block</translation>
    </message>
    <message>
        <source>Set Off (automatische uitschakelaar)</source>
        <translation>Set Off (automatic switch-off)</translation>
    </message>
    <message>
        <source>Blinker</source>
        <translation>Blinker</translation>
    </message>
    <message>
        <source>Plaats de verwerkingsblokken</source>
        <translation>Place the processing blocks</translation>
    </message>
    <message>
        <source>Logische poorten</source>
        <translation>Logic gates</translation>
    </message>
    <message>
        <source>Set off schakelaar</source>
        <translation>Set off switch</translation>
    </message>
    <message>
        <source>Regelaars</source>
        <translation>Controllers</translation>
    </message>
    <message>
        <source>Knipperautomaat</source>
        <translation>Blinker</translation>
    </message>
    <message>
        <source>Recorders</source>
        <translation>Recorders</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Timers</translation>
    </message>
    <message>
        <source>Bovenzijde Range</source>
        <translation>Top of the range</translation>
    </message>
    <message>
        <source>Eenheid van de Range</source>
        <translation>Unit of the range</translation>
    </message>
    <message>
        <source>Onderzijde Range</source>
        <translation>Bottom of the range</translation>
    </message>
    <message>
        <source>Naam van de Regelaar/Recorder</source>
        <translation>Name of the controller/recorder</translation>
    </message>
    <message>
        <source>Bovenschakelpunt ADS</source>
        <translation>Upper switching point ADS</translation>
    </message>
    <message>
        <source>Onderschakelpunt ADS</source>
        <translation>Lower switching point ADS</translation>
    </message>
    <message>
        <source>Tijd voor timer in seconde</source>
        <translation>Time for the timer in seconds</translation>
    </message>
    <message>
        <source>Tijdsinstelling voor blinker</source>
        <translation>Time setting for the blinker</translation>
    </message>
    <message>
        <source>Tijdsinstelling Set Off (automatische uitschakelaar) in seconde</source>
        <translation>Time setting of Set Off (automatic switch-off) in seconds</translation>
    </message>
    <message>
        <source>Begrenzer</source>
        <translation>Limiter</translation>
    </message>
    <message>
        <source>Ondergrens Begrenzer</source>
        <translation>Lower bound of the limiter</translation>
    </message>
    <message>
        <source>Bovengrens Begrenzer</source>
        <translation>Upper bound of the limiter</translation>
    </message>
</context>
<context>
    <name>PaletteEntry</name>
    <message>
        <source>Regelaar %1</source>
        <extracomment>Drawn on a palette entry about 50 pixels wide; the text shrinks to fit</extracomment>
        <translation>Controller %1</translation>
    </message>
    <message>
        <source>Regelaar</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Aan/uit %1</source>
        <translation>On/off %1</translation>
    </message>
    <message>
        <source>knop</source>
        <extracomment>A push button on the operator screen, drawn in 23 pixels beside its round button</extracomment>
        <translation>push</translation>
    </message>
</context>
<context>
    <name>Process</name>
    <message>
        <source>Geen proces</source>
        <translation>No process</translation>
    </message>
    <message>
        <source>Verwarming</source>
        <translation>Heater</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Tank</translation>
    </message>
    <message>
        <source>Motorklep</source>
        <translation>Motor valve</translation>
    </message>
    <message>
        <source>Labverwarming</source>
        <translation>Lab heater</translation>
    </message>
    <message>
        <source>Twee tanks</source>
        <translation>Two tanks</translation>
    </message>
    <message>
        <source>Oven</source>
        <translation>Oven</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Geen proces aangesloten.

De ingangen volgen de schakelaars en de schuiven.</source>
        <translation>No process connected.

The inputs follow the switches and the sliders.</translation>
    </message>
    <message>
        <source>blok</source>
        <translation>block</translation>
    </message>
    <message>
        <source>verwarming %1 %</source>
        <translation>heating %1 %</translation>
    </message>
    <message>
        <source>ventilator aan</source>
        <translation>fan on</translation>
    </message>
    <message>
        <source>ventilator uit</source>
        <translation>fan off</translation>
    </message>
    <message>
        <source>A1uit verwarming, D1uit ventilator → A1in</source>
        <translation>A1uit heating, D1uit fan → A1in</translation>
    </message>
    <message>
        <source>klep %1 %</source>
        <translation>valve %1 %</translation>
    </message>
    <message>
        <source>pomp aan</source>
        <translation>pump on</translation>
    </message>
    <message>
        <source>pomp uit</source>
        <translation>pump off</translation>
    </message>
    <message>
        <source>hoog D1in</source>
        <translation>high D1in</translation>
    </message>
    <message>
        <source>laag D2in</source>
        <translation>low D2in</translation>
    </message>
    <message>
        <source>A2uit klep, D2uit pomp → A2in niveau</source>
        <translation>A2uit valve, D2uit pump → A2in level</translation>
    </message>
    <message>
        <source>A2uit klep %1 %, D2uit pomp → A2in, A4in</source>
        <translation>A2uit valve %1 %, D2uit pump → A2in, A4in</translation>
    </message>
    <message>
        <source>open D3uit</source>
        <translation>open D3uit</translation>
    </message>
    <message>
        <source>dicht D4uit</source>
        <translation>close D4uit</translation>
    </message>
    <message>
        <source>stand %1 %   debiet %2 l/min</source>
        <translation>position %1 %   flow %2 l/min</translation>
    </message>
    <message>
        <source>D3uit open, D4uit dicht → A3in debiet</source>
        <translation>D3uit open, D4uit close → A3in flow</translation>
    </message>
    <message>
        <source>A2uit verwarming → A4in</source>
        <translation>A2uit heating → A4in</translation>
    </message>
</context>
<context>
    <name>ScreenItem</name>
    <message>
        <source>Recorder%1</source>
        <translation>Recorder %1</translation>
    </message>
    <message>
        <source>Analoge Ingang%1</source>
        <translation>Analog Input %1</translation>
    </message>
    <message>
        <source>Digitale Ingang%1</source>
        <translation>Digital Input %1</translation>
    </message>
    <message>
        <source>SpinKnop%1</source>
        <translation>Value Knob %1</translation>
    </message>
    <message>
        <source>Digitaal Uit%1</source>
        <translation>Digital Out %1</translation>
    </message>
    <message>
        <source>PID Regelaar %1</source>
        <translation>PID Controller %1</translation>
    </message>
    <message>
        <source>Stappen Regelaar %1</source>
        <translation>Step Controller %1</translation>
    </message>
    <message>
        <source>Knop%1</source>
        <translation>Button %1</translation>
    </message>
    <message>
        <source>Aan/uit Regelaar %1</source>
        <translation>On/off Controller %1</translation>
    </message>
    <message>
        <source>PID Regelaar cascade</source>
        <translation>PID Controller cascade</translation>
    </message>
</context>
<context>
    <name>tessaro::BoardPanel</name>
    <message>
        <source>Simulatie: kaart en proces</source>
        <translation>Simulation: board and process</translation>
    </message>
    <message>
        <source>Digitale ingangen</source>
        <translation>Digital inputs</translation>
    </message>
    <message>
        <source>D%1in: omhoog is hoog</source>
        <translation>D%1in: up is high</translation>
    </message>
    <message>
        <source>Analoge ingangen (achter de multiplexer)</source>
        <translation>Analog inputs (behind the multiplexer)</translation>
    </message>
    <message>
        <source>Digitale uitgangen</source>
        <translation>Digital outputs</translation>
    </message>
    <message>
        <source>kies</source>
        <comment>the select lines of the multiplexer</comment>
        <translation>select</translation>
    </message>
    <message>
        <source>Analoge uitgangen</source>
        <translation>Analog outputs</translation>
    </message>
    <message>
        <source>Multiplexer</source>
        <translation>Multiplexer</translation>
    </message>
    <message>
        <source>Proces</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>Meetruis</source>
        <translation>Measurement noise</translation>
    </message>
    <message>
        <source>Ruis op de meetwaarden van het proces (herhaalbaar)</source>
        <translation>Noise on the process&apos;s readings (repeatable)</translation>
    </message>
    <message>
        <source>%1 (proces)</source>
        <translation>%1 (process)</translation>
    </message>
    <message>
        <source>Uitgang 7 %1, uitgang 8 %2: A%3in en A%4in op de kaart</source>
        <translation>Output 7 %1, output 8 %2: A%3in and A%4in on the board</translation>
    </message>
    <message>
        <source>aan</source>
        <translation>on</translation>
    </message>
    <message>
        <source>uit</source>
        <translation>off</translation>
    </message>
</context>
<context>
    <name>tessaro::ChartMenu</name>
    <message>
        <source>Exporteer als CSV…</source>
        <translation>Export as CSV…</translation>
    </message>
    <message>
        <source>Bewaar als PNG…</source>
        <translation>Save as PNG…</translation>
    </message>
    <message>
        <source>Kopieer afbeelding</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Stop logboek</source>
        <translation>Stop log</translation>
    </message>
    <message>
        <source>Start logboek…</source>
        <translation>Start log…</translation>
    </message>
    <message>
        <source>Exporteer als CSV</source>
        <translation>Export as CSV</translation>
    </message>
    <message>
        <source>Bewaar als PNG</source>
        <translation>Save as PNG</translation>
    </message>
    <message>
        <source>Start logboek</source>
        <translation>Start log</translation>
    </message>
</context>
<context>
    <name>tessaro::CheckWindow</name>
    <message>
        <source>Controleer</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Controle</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Uitkomst</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>De controle %1 kan niet worden gelezen.</source>
        <translation>The check %1 cannot be read.</translation>
    </message>
    <message>
        <source>Controleren…</source>
        <translation>Checking…</translation>
    </message>
    <message>
        <source>De controle kon niet starten: %1</source>
        <translation>The check could not start: %1</translation>
    </message>
    <message>
        <source>De controle zelf bevat een fout; vraag je docent ernaar.
%1</source>
        <translation>The check itself has a mistake; ask your teacher about it.
%1</translation>
    </message>
    <message>
        <source>Controleer - %1</source>
        <translation>Check - %1</translation>
    </message>
    <message>
        <source>Alle %1 controles geslaagd.</source>
        <translation>All %1 checks passed.</translation>
    </message>
    <message>
        <source>%1 van de %2 controles niet geslaagd.</source>
        <translation>%1 of the %2 checks did not pass.</translation>
    </message>
    <message>
        <source>Het project kon niet worden gecontroleerd: %1</source>
        <translation>The project could not be checked: %1</translation>
    </message>
    <message>
        <source>De controle stopte bij een fout in de controle zelf: %1</source>
        <translation>The check stopped at a mistake in the check itself: %1</translation>
    </message>
    <message>
        <source>✔ geslaagd</source>
        <translation>✔ passed</translation>
    </message>
    <message>
        <source>✘ niet geslaagd</source>
        <translation>✘ not passed</translation>
    </message>
    <message>
        <source>niet gecontroleerd</source>
        <translation>not checked</translation>
    </message>
    <message>
        <source>verwacht: %1</source>
        <translation>expected: %1</translation>
    </message>
    <message>
        <source>gevonden: %1</source>
        <translation>found: %1</translation>
    </message>
</context>
<context>
    <name>tessaro::FaceplateWindow</name>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Man</source>
        <extracomment>Manual mode (short: the button is 33 pixels wide)</extracomment>
        <translation>Man</translation>
    </message>
    <message>
        <source>Grafiek</source>
        <extracomment>Shows the trend chart larger, then smaller again</extracomment>
        <translation>Chart</translation>
    </message>
</context>
<context>
    <name>tessaro::LayoutWindow</name>
    <message>
        <source>Screen, maak hier je items zichtbaar</source>
        <translation>Screen, make your items visible here</translation>
    </message>
    <message>
        <source>Verschuiven naar rechts</source>
        <translation>Move to the right</translation>
    </message>
    <message>
        <source>Verschuiven naar onderen</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
</context>
<context>
    <name>tessaro::LessonWindow</name>
    <message>
        <source>Lessen</source>
        <translation>Lessons</translation>
    </message>
</context>
<context>
    <name>tessaro::LogicGridWindow</name>
    <message>
        <source>Logics, bouw hier je logisch schema op</source>
        <translation>Logics, build your logic schema here</translation>
    </message>
    <message>
        <source>Ongedaan maken</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Opnieuw</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>tessaro::MainWindow</name>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>Logics</source>
        <translation>Logics</translation>
    </message>
    <message>
        <source>Kaart</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Opslaan/inlezen</source>
        <translation>Save/load</translation>
    </message>
    <message>
        <source>Simulatie</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Pauze</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stap</source>
        <extracomment>One second forward, then pause again</extracomment>
        <translation>Step</translation>
    </message>
    <message>
        <source>Snelheid (Ctrl+1, Ctrl+2, Ctrl+3)</source>
        <translation>Speed (Ctrl+1, Ctrl+2, Ctrl+3)</translation>
    </message>
    <message>
        <source>Pauze / verder (F5)</source>
        <translation>Pause / resume (F5)</translation>
    </message>
    <message>
        <source>Een seconde verder (F10)</source>
        <translation>One second forward (F10)</translation>
    </message>
    <message>
        <source>Geen Procesplaat.bmp gevonden</source>
        <translation>No Procesplaat.bmp found</translation>
    </message>
    <message>
        <source>Passend op het scherm	Ctrl+0</source>
        <translation>Fit to the screen	Ctrl+0</translation>
    </message>
    <message>
        <source>Groter	Ctrl++</source>
        <translation>Larger	Ctrl++</translation>
    </message>
    <message>
        <source>Kleiner	Ctrl+-</source>
        <translation>Smaller	Ctrl+-</translation>
    </message>
    <message>
        <source>Zoals het bureaublad</source>
        <translation>As the desktop</translation>
    </message>
</context>
<context>
    <name>tessaro::OnOffFaceplate</name>
    <message>
        <source>Hysterese killer</source>
        <translation>Hysteresis killer</translation>
    </message>
    <message>
        <source>Gap %</source>
        <translation>Gap %</translation>
    </message>
</context>
<context>
    <name>tessaro::PidFaceplate</name>
    <message>
        <source>Casc</source>
        <extracomment>Cascade (short: the button is 33 pixels wide)</extracomment>
        <translation>Casc</translation>
    </message>
    <message>
        <source>Bypas</source>
        <extracomment>Bypass (short: the button is 33 pixels wide)</extracomment>
        <translation>Bypas</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
</context>
<context>
    <name>tessaro::ProjectDialog</name>
    <message>
        <source>Projecten (*.txt)</source>
        <translation>Projects (*.txt)</translation>
    </message>
    <message>
        <source>Opslaan als</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Openen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Opslaan/Inlezen</source>
        <translation>Save/Load</translation>
    </message>
    <message>
        <source>Opslaan</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Inlezen</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Opslaan als…</source>
        <translation>Save as…</translation>
    </message>
    <message>
        <source>Openen…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Nieuw</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Voorbeelden</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>Recent</source>
        <extracomment>The projects saved or opened last</extracomment>
        <translation>Recent</translation>
    </message>
    <message>
        <source>Les (F1)</source>
        <extracomment>The lesson document; F1 opens it too</extracomment>
        <translation>Lesson (F1)</translation>
    </message>
    <message>
        <source>Controleer</source>
        <extracomment>Runs the lesson&apos;s check on the project</extracomment>
        <translation>Check</translation>
    </message>
    <message>
        <source>(nog geen projecten)</source>
        <translation>(no projects yet)</translation>
    </message>
    <message>
        <source>(geen voorbeelden gevonden)</source>
        <translation>(no examples found)</translation>
    </message>
</context>
<context>
    <name>tessaro::Trainer</name>
    <message>
        <source>Afstemhulp…</source>
        <translation>Tuning assistant…</translation>
    </message>
    <message>
        <source>Geen lessen.html gevonden</source>
        <translation>No lessen.html found</translation>
    </message>
</context>
<context>
    <name>tessaro::TuneWindow</name>
    <message>
        <source>model</source>
        <translation>model</translation>
    </message>
    <message>
        <source>Stapproef (vanuit Hand)</source>
        <translation>Step test (from Man)</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>tot stil</source>
        <translation>until still</translation>
    </message>
    <message>
        <source>Start stapproef</source>
        <translation>Start step test</translation>
    </message>
    <message>
        <source>Stap</source>
        <comment>step size</comment>
        <extracomment>The size of the step in the output</extracomment>
        <translation>Step</translation>
    </message>
    <message>
        <source>Meten</source>
        <translation>Measure</translation>
    </message>
    <message>
        <source>Relaisproef (vanuit Auto)</source>
        <translation>Relay test (from Auto)</translation>
    </message>
    <message>
        <source>Start relaisproef</source>
        <translation>Start relay test</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Hysterese</source>
        <translation>Hysteresis</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>= dode tijd</source>
        <translation>= dead time</translation>
    </message>
    <message>
        <source>Gesloten-lustijd tc (SIMC, IMC):</source>
        <translation>Closed-loop time tc (SIMC, IMC):</translation>
    </message>
    <message>
        <source>Regel</source>
        <translation>Rule</translation>
    </message>
    <message>
        <source>PB %</source>
        <translation>PB %</translation>
    </message>
    <message>
        <source>I-tijd s</source>
        <translation>I-time s</translation>
    </message>
    <message>
        <source>D-tijd s</source>
        <translation>D-time s</translation>
    </message>
    <message>
        <source>Actie</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Doel</source>
        <translation>Aim</translation>
    </message>
    <message>
        <source>daarna Auto</source>
        <translation>then Auto</translation>
    </message>
    <message>
        <source>Toepassen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Afstemhulp Reg%1</source>
        <translation>Tuning assistant Reg%1</translation>
    </message>
    <message>
        <source>Afstemhulp Reg%1 - %2</source>
        <translation>Tuning assistant Reg%1 - %2</translation>
    </message>
    <message>
        <source>%1 [vak: %2]</source>
        <extracomment>The rule&apos;s value did not fit its box, which holds the nearest it allows</extracomment>
        <translation>%1 [box: %2]</translation>
    </message>
</context>
</TS>
