<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!DOCTYPE TS>
<TS version="2.1" language="et_EE" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Olgu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvesta</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salvesta kõik</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ava</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Jah</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Jah &amp;kõigile</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ei</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Ei ü&amp;helegi</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Katkesta</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Proovi uuesti</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Eira</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulge</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Hülga</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Abi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Rakenda</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Lähtesta</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Taasta vaikeväärtused</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Olgu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvesta</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Loobu</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;ulge</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Sulge salvestamata</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Näita üksikasju...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Peida üksikasjad...</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>What's This?</source>
        <translation>Mis see on?</translation>
    </message>
</context>
<context>
    <name>QWhatsThisAction</name>
    <message>
        <source>What's This?</source>
        <translation>Mis see on?</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Võta tagasi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Tee uuesti</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Lõika</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopeeri</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Kl&amp;eebi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Kustuta</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vali kõik</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Võta tagasi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Tee uuesti</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Lõika</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopeeri</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopeeri l&amp;ingi aadress</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Kl&amp;eebi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Kustuta</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vali kõik</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Press</source>
        <translation>Vajuta</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Suurenda</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Vähenda</translation>
    </message>
    <message>
        <source>ShowMenu</source>
        <translation>Näita menüüd</translation>
    </message>
    <message>
        <source>SetFocus</source>
        <translation>Vii fookus</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Lülita</translation>
    </message>
    <message>
        <source>Triggers the action</source>
        <translation>Teeb toimingu</translation>
    </message>
    <message>
        <source>Increase the value</source>
        <translation>Suurendab väärtust</translation>
    </message>
    <message>
        <source>Decrease the value</source>
        <translation>Vähendab väärtust</translation>
    </message>
    <message>
        <source>Shows the menu</source>
        <translation>Näitab menüüd</translation>
    </message>
    <message>
        <source>Sets the focus</source>
        <translation>Viib fookuse siia</translation>
    </message>
    <message>
        <source>Toggles the state</source>
        <translation>Lülitab oleku ümber</translation>
    </message>
    <message>
        <source>Scrolls to the left</source>
        <translation>Kerib vasakule</translation>
    </message>
    <message>
        <source>Scrolls to the right</source>
        <translation>Kerib paremale</translation>
    </message>
    <message>
        <source>Scrolls up</source>
        <translation>Kerib üles</translation>
    </message>
    <message>
        <source>Scrolls down</source>
        <translation>Kerib alla</translation>
    </message>
    <message>
        <source>Goes back a page</source>
        <translation>Läheb lehekülje võrra tagasi</translation>
    </message>
    <message>
        <source>Goes to the next page</source>
        <translation>Läheb järgmisele leheküljele</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Meta</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>F%1</source>
        <translation>F%1</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Backtab</source>
        <translation>Backtab</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Tagasilüke</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>PgDown</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vasaknool</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Paremnool</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Ülesnool</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Allanool</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Tühik</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menüü</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Abi</translation>
    </message>
    <message>
        <source>Add Favorite</source>
        <translation>Lisa lemmikutesse</translation>
    </message>
    <message>
        <source>Adjust Brightness</source>
        <translation>Heledus</translation>
    </message>
    <message>
        <source>Adjust contrast</source>
        <translation>Kontrastsus</translation>
    </message>
    <message>
        <source>Application Left</source>
        <translation>Vasak rakendus</translation>
    </message>
    <message>
        <source>Application Right</source>
        <translation>Parem rakendus</translation>
    </message>
    <message>
        <source>Audio Cycle Track</source>
        <translation>Järgmine heliriba</translation>
    </message>
    <message>
        <source>Audio Random Play</source>
        <translation>Juhuslik esitus</translation>
    </message>
    <message>
        <source>Audio Repeat</source>
        <translation>Kordus</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Eemal</translation>
    </message>
    <message>
        <source>Back Forward</source>
        <translation>Tagasi/edasi</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tagasi</translation>
    </message>
    <message>
        <source>Bass Boost</source>
        <translation>Bassivõimendus</translation>
    </message>
    <message>
        <source>Bass Down</source>
        <translation>Bass vähemaks</translation>
    </message>
    <message>
        <source>Bass Up</source>
        <translation>Bass rohkemaks</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Aku</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Sinine</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Raamat</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Veebilehitseja</translation>
    </message>
    <message>
        <source>CD</source>
        <translation>CD</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulaator</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Helista</translation>
    </message>
    <message>
        <source>Camera Focus</source>
        <translation>Kaamera teravustamine</translation>
    </message>
    <message>
        <source>Camera Shutter</source>
        <translation>Kaamera päästik</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>CapsLock</translation>
    </message>
    <message>
        <source>Channel Down</source>
        <translation>Eelmine kanal</translation>
    </message>
    <message>
        <source>Channel Up</source>
        <translation>Järgmine kanal</translation>
    </message>
    <message>
        <source>Clear Grab</source>
        <translation>Vabasta haare</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tühjenda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulge</translation>
    </message>
    <message>
        <source>Code input</source>
        <translation>Koodi sisestus</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Kogukond</translation>
    </message>
    <message>
        <source>Context1</source>
        <translation>Context1</translation>
    </message>
    <message>
        <source>Context2</source>
        <translation>Context2</translation>
    </message>
    <message>
        <source>Context3</source>
        <translation>Context3</translation>
    </message>
    <message>
        <source>Context4</source>
        <translation>Context4</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopeeri</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Lõika</translation>
    </message>
    <message>
        <source>DOS</source>
        <translation>DOS</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Kustuta</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Ekraan</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumendid</translation>
    </message>
    <message>
        <source>Eisu Shift</source>
        <translation>Eisu Shift</translation>
    </message>
    <message>
        <source>Eisu toggle</source>
        <translation>Eisu toggle</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Väljasta</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Käivita</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Välju</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Lemmikud</translation>
    </message>
    <message>
        <source>Finance</source>
        <translation>Rahandus</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Otsi</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Pööra</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Edasi</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Mäng</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Mine</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Roheline</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Juhend</translation>
    </message>
    <message>
        <source>Hangul Banja</source>
        <translation>Hangul Banja</translation>
    </message>
    <message>
        <source>Hangul End</source>
        <translation>Hangul End</translation>
    </message>
    <message>
        <source>Hangul Hanja</source>
        <translation>Hangul Hanja</translation>
    </message>
    <message>
        <source>Hangul Jamo</source>
        <translation>Hangul Jamo</translation>
    </message>
    <message>
        <source>Hangul Jeonja</source>
        <translation>Hangul Jeonja</translation>
    </message>
    <message>
        <source>Hangul PostHanja</source>
        <translation>Hangul PostHanja</translation>
    </message>
    <message>
        <source>Hangul PreHanja</source>
        <translation>Hangul PreHanja</translation>
    </message>
    <message>
        <source>Hangul Romaja</source>
        <translation>Hangul Romaja</translation>
    </message>
    <message>
        <source>Hangul Special</source>
        <translation>Hangul Special</translation>
    </message>
    <message>
        <source>Hangul Start</source>
        <translation>Hangul Start</translation>
    </message>
    <message>
        <source>Hangul</source>
        <translation>Hangul</translation>
    </message>
    <message>
        <source>Hangup</source>
        <translation>Lõpeta kõne</translation>
    </message>
    <message>
        <source>Hankaku</source>
        <translation>Hankaku</translation>
    </message>
    <message>
        <source>Henkan</source>
        <translation>Henkan</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Talveuni</translation>
    </message>
    <message>
        <source>Hiragana Katakana</source>
        <translation>Hiragana Katakana</translation>
    </message>
    <message>
        <source>Hiragana</source>
        <translation>Hiragana</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Ajalugu</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Kodukontor</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Avaleht</translation>
    </message>
    <message>
        <source>Hot Links</source>
        <translation>Kiirlingid</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Teave</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Kana Lock</source>
        <translation>Kana Lock</translation>
    </message>
    <message>
        <source>Kana Shift</source>
        <translation>Kana Shift</translation>
    </message>
    <message>
        <source>Kanji</source>
        <translation>Kanji</translation>
    </message>
    <message>
        <source>Katakana</source>
        <translation>Katakana</translation>
    </message>
    <message>
        <source>Keyboard Brightness Down</source>
        <translation>Klaviatuuri valgus nõrgemaks</translation>
    </message>
    <message>
        <source>Keyboard Brightness Up</source>
        <translation>Klaviatuuri valgus tugevamaks</translation>
    </message>
    <message>
        <source>Keyboard Light On/Off</source>
        <translation>Klaviatuuri valgus sisse/välja</translation>
    </message>
    <message>
        <source>Keyboard Menu</source>
        <translation>Klaviatuuri menüü</translation>
    </message>
    <message>
        <source>Last Number Redial</source>
        <translation>Helista uuesti</translation>
    </message>
    <message>
        <source>Launch (0)</source>
        <translation>Käivita (0)</translation>
    </message>
    <message>
        <source>Launch (1)</source>
        <translation>Käivita (1)</translation>
    </message>
    <message>
        <source>Launch (2)</source>
        <translation>Käivita (2)</translation>
    </message>
    <message>
        <source>Launch (3)</source>
        <translation>Käivita (3)</translation>
    </message>
    <message>
        <source>Launch (4)</source>
        <translation>Käivita (4)</translation>
    </message>
    <message>
        <source>Launch (5)</source>
        <translation>Käivita (5)</translation>
    </message>
    <message>
        <source>Launch (6)</source>
        <translation>Käivita (6)</translation>
    </message>
    <message>
        <source>Launch (7)</source>
        <translation>Käivita (7)</translation>
    </message>
    <message>
        <source>Launch (8)</source>
        <translation>Käivita (8)</translation>
    </message>
    <message>
        <source>Launch (9)</source>
        <translation>Käivita (9)</translation>
    </message>
    <message>
        <source>Launch (A)</source>
        <translation>Käivita (A)</translation>
    </message>
    <message>
        <source>Launch (B)</source>
        <translation>Käivita (B)</translation>
    </message>
    <message>
        <source>Launch (C)</source>
        <translation>Käivita (C)</translation>
    </message>
    <message>
        <source>Launch (D)</source>
        <translation>Käivita (D)</translation>
    </message>
    <message>
        <source>Launch (E)</source>
        <translation>Käivita (E)</translation>
    </message>
    <message>
        <source>Launch (F)</source>
        <translation>Käivita (F)</translation>
    </message>
    <message>
        <source>Launch (G)</source>
        <translation>Käivita (G)</translation>
    </message>
    <message>
        <source>Launch (H)</source>
        <translation>Käivita (H)</translation>
    </message>
    <message>
        <source>Launch Mail</source>
        <translation>Ava e-post</translation>
    </message>
    <message>
        <source>Launch Media</source>
        <translation>Ava meediamängija</translation>
    </message>
    <message>
        <source>LightBulb</source>
        <translation>Valgus</translation>
    </message>
    <message>
        <source>Logoff</source>
        <translation>Logi välja</translation>
    </message>
    <message>
        <source>Mail Forward</source>
        <translation>Edasta kiri</translation>
    </message>
    <message>
        <source>Market</source>
        <translation>Turg</translation>
    </message>
    <message>
        <source>Massyo</source>
        <translation>Massyo</translation>
    </message>
    <message>
        <source>Media Fast Forward</source>
        <translation>Kiiresti edasi</translation>
    </message>
    <message>
        <source>Media Next</source>
        <translation>Järgmine pala</translation>
    </message>
    <message>
        <source>Media Pause</source>
        <translation>Paus</translation>
    </message>
    <message>
        <source>Media Play</source>
        <translation>Esita</translation>
    </message>
    <message>
        <source>Media Previous</source>
        <translation>Eelmine pala</translation>
    </message>
    <message>
        <source>Media Record</source>
        <translation>Salvesta heli</translation>
    </message>
    <message>
        <source>Media Rewind</source>
        <translation>Keri tagasi</translation>
    </message>
    <message>
        <source>Media Stop</source>
        <translation>Peata</translation>
    </message>
    <message>
        <source>Meeting</source>
        <translation>Koosolek</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Märge</translation>
    </message>
    <message>
        <source>Menu PB</source>
        <translation>Menu PB</translation>
    </message>
    <message>
        <source>Messenger</source>
        <translation>Sõnumid</translation>
    </message>
    <message>
        <source>Microphone Mute</source>
        <translation>Mikrofon vaikseks</translation>
    </message>
    <message>
        <source>Microphone Volume Down</source>
        <translation>Mikrofon vaiksemaks</translation>
    </message>
    <message>
        <source>Microphone Volume Up</source>
        <translation>Mikrofon valjemaks</translation>
    </message>
    <message>
        <source>Monitor Brightness Down</source>
        <translation>Ekraan tumedamaks</translation>
    </message>
    <message>
        <source>Monitor Brightness Up</source>
        <translation>Ekraan heledamaks</translation>
    </message>
    <message>
        <source>Muhenkan</source>
        <translation>Muhenkan</translation>
    </message>
    <message>
        <source>Multiple Candidate</source>
        <translation>Mitu kandidaati</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muusika</translation>
    </message>
    <message>
        <source>My Sites</source>
        <translation>Minu saidid</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Uus</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Uudised</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>NumLock</source>
        <translation>NumLock</translation>
    </message>
    <message>
        <source>Number Lock</source>
        <translation>Numbrilukk</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>Ava aadress</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ava</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Valik</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>PageDown</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>PageUp</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Kleebi</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Paus</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Pildid</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Esita</translation>
    </message>
    <message>
        <source>Power Down</source>
        <translation>Lülita välja</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Toide välja</translation>
    </message>
    <message>
        <source>Previous Candidate</source>
        <translation>Eelmine kandidaat</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Kuvatõmmis</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Prindi</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Punane</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Tee uuesti</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Värskenda</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Laadi uuesti</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Vasta</translation>
    </message>
    <message>
        <source>Romaji</source>
        <translation>Romaji</translation>
    </message>
    <message>
        <source>Rotate Windows</source>
        <translation>Pööra aknaid</translation>
    </message>
    <message>
        <source>Rotation KB</source>
        <translation>Rotation KB</translation>
    </message>
    <message>
        <source>Rotation PB</source>
        <translation>Rotation PB</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvesta</translation>
    </message>
    <message>
        <source>Screensaver</source>
        <translation>Ekraanisäästja</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>ScrollLock</source>
        <translation>ScrollLock</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Otsing</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vali</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Saada</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Seaded</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Pood</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Uinak</translation>
    </message>
    <message>
        <source>Spellchecker</source>
        <translation>Õigekirjakontroll</translation>
    </message>
    <message>
        <source>Split Screen</source>
        <translation>Jagatud ekraan</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Tabelarvutus</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Ooteseisund</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Peata</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtiitrid</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Tugi</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Peata töö</translation>
    </message>
    <message>
        <source>SysReq</source>
        <translation>SysReq</translation>
    </message>
    <message>
        <source>System Request</source>
        <translation>Süsteemipäring</translation>
    </message>
    <message>
        <source>Task Panel</source>
        <translation>Tegumipaan</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Aeg</translation>
    </message>
    <message>
        <source>To-do list</source>
        <translation>Ülesanded</translation>
    </message>
    <message>
        <source>Toggle Call/Hangup</source>
        <translation>Helista/lõpeta kõne</translation>
    </message>
    <message>
        <source>Toggle Media Play/Pause</source>
        <translation>Esita/paus</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tööriistad</translation>
    </message>
    <message>
        <source>Top Menu</source>
        <translation>Ülemine menüü</translation>
    </message>
    <message>
        <source>Touchpad Off</source>
        <translation>Puuteplaat välja</translation>
    </message>
    <message>
        <source>Touchpad On</source>
        <translation>Puuteplaat sisse</translation>
    </message>
    <message>
        <source>Touchpad Toggle</source>
        <translation>Puuteplaat sisse/välja</translation>
    </message>
    <message>
        <source>Touroku</source>
        <translation>Touroku</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>Reisimine</translation>
    </message>
    <message>
        <source>Treble Down</source>
        <translation>Kõrged vähemaks</translation>
    </message>
    <message>
        <source>Treble Up</source>
        <translation>Kõrged rohkemaks</translation>
    </message>
    <message>
        <source>Ultra Wide Band</source>
        <translation>Ülilairiba</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Võta tagasi</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vaade</translation>
    </message>
    <message>
        <source>Voice Dial</source>
        <translation>Häälvalimine</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Vaiksemaks</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>Heli välja</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Valjemaks</translation>
    </message>
    <message>
        <source>WWW</source>
        <translation>WWW</translation>
    </message>
    <message>
        <source>Wake Up</source>
        <translation>Ärata</translation>
    </message>
    <message>
        <source>WebCam</source>
        <translation>Veebikaamera</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Traadita side</translation>
    </message>
    <message>
        <source>Word Processor</source>
        <translation>Tekstitöötlus</translation>
    </message>
    <message>
        <source>XFer</source>
        <translation>XFer</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Kollane</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Jah</translation>
    </message>
    <message>
        <source>Zenkaku Hankaku</source>
        <translation>Zenkaku Hankaku</translation>
    </message>
    <message>
        <source>Zenkaku</source>
        <translation>Zenkaku</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Suurenda</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Vähenda</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Suurendus</translation>
    </message>
    <message>
        <source>iTouch</source>
        <translation>iTouch</translation>
    </message>
</context>
<context>
    <name>QSpiAccessibleBridge</name>
    <message>
        <source>invalid role</source>
        <translation>vigane roll</translation>
    </message>
    <message>
        <source>title bar</source>
        <translation>tiitliriba</translation>
    </message>
    <message>
        <source>menu bar</source>
        <translation>menüüriba</translation>
    </message>
    <message>
        <source>scroll bar</source>
        <translation>kerimisriba</translation>
    </message>
    <message>
        <source>grip</source>
        <translation>haarats</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>heli</translation>
    </message>
    <message>
        <source>cursor</source>
        <translation>kursor</translation>
    </message>
    <message>
        <source>text caret</source>
        <translation>tekstikursor</translation>
    </message>
    <message>
        <source>alert message</source>
        <translation>hoiatusteade</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>raam</translation>
    </message>
    <message>
        <source>window</source>
        <translation>aken</translation>
    </message>
    <message>
        <source>filler</source>
        <translation>täide</translation>
    </message>
    <message>
        <source>popup menu</source>
        <translation>hüpikmenüü</translation>
    </message>
    <message>
        <source>menu</source>
        <translation>menüü</translation>
    </message>
    <message>
        <source>menu item</source>
        <translation>menüükäsk</translation>
    </message>
    <message>
        <source>tool tip</source>
        <translation>kohtspikker</translation>
    </message>
    <message>
        <source>application</source>
        <translation>rakendus</translation>
    </message>
    <message>
        <source>document</source>
        <translation>dokument</translation>
    </message>
    <message>
        <source>panel</source>
        <translation>paneel</translation>
    </message>
    <message>
        <source>chart</source>
        <translation>diagramm</translation>
    </message>
    <message>
        <source>dialog</source>
        <translation>dialoog</translation>
    </message>
    <message>
        <source>separator</source>
        <translation>eraldaja</translation>
    </message>
    <message>
        <source>tool bar</source>
        <translation>tööriistariba</translation>
    </message>
    <message>
        <source>status bar</source>
        <translation>olekuriba</translation>
    </message>
    <message>
        <source>table</source>
        <translation>tabel</translation>
    </message>
    <message>
        <source>column header</source>
        <translation>veerupäis</translation>
    </message>
    <message>
        <source>row header</source>
        <translation>reapäis</translation>
    </message>
    <message>
        <source>column</source>
        <translation>veerg</translation>
    </message>
    <message>
        <source>row</source>
        <translation>rida</translation>
    </message>
    <message>
        <source>cell</source>
        <translation>lahter</translation>
    </message>
    <message>
        <source>link</source>
        <translation>link</translation>
    </message>
    <message>
        <source>help balloon</source>
        <translation>abimull</translation>
    </message>
    <message>
        <source>assistant</source>
        <translation>abiline</translation>
    </message>
    <message>
        <source>list</source>
        <translation>loend</translation>
    </message>
    <message>
        <source>list item</source>
        <translation>loendi element</translation>
    </message>
    <message>
        <source>tree</source>
        <translation>puu</translation>
    </message>
    <message>
        <source>tree item</source>
        <translation>puu element</translation>
    </message>
    <message>
        <source>page tab</source>
        <translation>kaart</translation>
    </message>
    <message>
        <source>property page</source>
        <translation>atribuutide kaart</translation>
    </message>
    <message>
        <source>indicator</source>
        <translation>indikaator</translation>
    </message>
    <message>
        <source>graphic</source>
        <translation>pilt</translation>
    </message>
    <message>
        <source>label</source>
        <translation>silt</translation>
    </message>
    <message>
        <source>text</source>
        <translation>tekst</translation>
    </message>
    <message>
        <source>push button</source>
        <translation>nupp</translation>
    </message>
    <message>
        <source>check box</source>
        <translation>märkeruut</translation>
    </message>
    <message>
        <source>radio button</source>
        <translation>raadionupp</translation>
    </message>
    <message>
        <source>combo box</source>
        <translation>liitboks</translation>
    </message>
    <message>
        <source>progress bar</source>
        <translation>edenemisriba</translation>
    </message>
    <message>
        <source>dial</source>
        <translation>ketas</translation>
    </message>
    <message>
        <source>hotkey field</source>
        <translation>kiirklahvi väli</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>liugur</translation>
    </message>
    <message>
        <source>spin box</source>
        <translation>kerimisväli</translation>
    </message>
    <message>
        <source>canvas</source>
        <translation>lõuend</translation>
    </message>
    <message>
        <source>animation</source>
        <translation>animatsioon</translation>
    </message>
    <message>
        <source>equation</source>
        <translation>valem</translation>
    </message>
    <message>
        <source>button with drop down</source>
        <translation>rippmenüüga nupp</translation>
    </message>
    <message>
        <source>button menu</source>
        <translation>menüünupp</translation>
    </message>
    <message>
        <source>button with drop down grid</source>
        <translation>rippruudustikuga nupp</translation>
    </message>
    <message>
        <source>space</source>
        <translation>tühi ala</translation>
    </message>
    <message>
        <source>page tab list</source>
        <translation>kaartide loend</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>kell</translation>
    </message>
    <message>
        <source>splitter</source>
        <translation>jagaja</translation>
    </message>
    <message>
        <source>layered pane</source>
        <translation>kihiline paan</translation>
    </message>
    <message>
        <source>web document</source>
        <translation>veebidokument</translation>
    </message>
    <message>
        <source>paragraph</source>
        <translation>lõik</translation>
    </message>
    <message>
        <source>section</source>
        <translation>jaotis</translation>
    </message>
    <message>
        <source>color chooser</source>
        <translation>värvivalija</translation>
    </message>
    <message>
        <source>footer</source>
        <translation>jalus</translation>
    </message>
    <message>
        <source>form</source>
        <translation>vorm</translation>
    </message>
    <message>
        <source>heading</source>
        <translation>pealkiri</translation>
    </message>
    <message>
        <source>note</source>
        <translation>märkus</translation>
    </message>
    <message>
        <source>complementary content</source>
        <translation>lisasisu</translation>
    </message>
    <message>
        <source>terminal</source>
        <translation>terminal</translation>
    </message>
    <message>
        <source>desktop</source>
        <translation>töölaud</translation>
    </message>
    <message>
        <source>notification</source>
        <translation>teavitus</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>tundmatu</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Asukoht:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tagasi</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Mine tagasi</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Edasi</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Mine edasi</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Ülemkaust</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Mine ülemkausta</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Loo uus kaust</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Loo uus kaust</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Loend</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Näita failide loendit</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Üksikasjad</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Näita failide üksikasju</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Külgriba</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Kohad ja järjehoidjad</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Failid</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Faili &amp;nimi:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Faili tüüp:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ava</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvesta</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Kõik failid (*)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Nimeta ümber</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Kustuta</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Näita &amp;peidetud faile</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Uus kaust</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Näita </translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 on juba olemas.
Kas asendada see?</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Uus kaust</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Viimati kasutatud kohad</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Kaust:</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvesta nimega</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ava</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Leia kaust</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Kas kustutada „%1“?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Kustuta</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Kausta ei saanud kustutada.</translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>„%1“ on kirjutuskaitstud.
Kas kustutada see ikkagi?</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Kausta ei leitud.
Kontrolli kausta nime.</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Faili ei leitud.
Kontrolli faili nime.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>Arvuti</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Minu arvuti</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Suurus</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tüüp</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Liik</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Muudetud</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Sobimatu failinimi</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name "%1" cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source>
        <translation>&lt;b&gt;Nime „%1“ ei saa kasutada.&lt;/b&gt;&lt;p&gt;Proovi teist nime, lühemat või kirjavahemärkideta.</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Ketas</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Kaust</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1-fail</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Failikaust</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Ava liitkasti valikud</translation>
    </message>
</context>
</TS>
