<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>Message</name>
    <message>
        <source>Afsluiten?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kaart gevonden op %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geen kaart gevonden op %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er zit geen kaart van dit type op USB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er zit wel een kaart op adres %1; de jumpers SK5 en SK6 op de kaart stellen het adres in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Er zitten wel kaarten op adres %1; de jumpers SK5 en SK6 op de kaart stellen het adres in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deze gebruiker mag de kaart op adres %1 niet openen: installeer de udev-regel uit de README (packaging/udev/60-tessaro-board.rules) en word lid van de groep plugdev.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De kaart op adres %1 is in gebruik bij een ander programma.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De kaart op adres %1 geeft geen antwoord.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 en %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nieuw project beginnen? Wat niet is opgeslagen, gaat verloren.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nieuw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niet opgeslagen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De wijzigingen in het project zijn niet opgeslagen. Opslaan in Velden/data1.txt?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De wijzigingen in het voorbeeld zijn niet opgeslagen. Opslaan als een nieuw project?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De voorbeelden worden niet overschreven. Kies een andere map om op te slaan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — logboek %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Opslaan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niet opslaan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
