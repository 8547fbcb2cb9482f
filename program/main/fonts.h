// The program's forms name the fonts of their original platform; these map
// them to fonts every Linux desktop of ours has.
#pragma once

// "MS Sans Serif", "Arial" -> Liberation Sans; "MS Serif", "Book Antiqua" ->
// Liberation Serif; "Fixedsys" -> DejaVu Sans Mono. Safe to call more than once.
void installFontSubstitutions();
