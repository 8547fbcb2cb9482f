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
</TS>
