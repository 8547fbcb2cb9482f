#include "fonts.h"

#include <QFont>

void installFontSubstitutions()
{
    struct Mapping {
        const char *family;
        const char *substitute;
    };
    static constexpr Mapping mappings[] = {
        {"MS Sans Serif", "Liberation Sans"},
        {"Arial", "Liberation Sans"},
        {"MS Serif", "Liberation Serif"},
        {"Book Antiqua", "Liberation Serif"},
        {"Fixedsys", "DejaVu Sans Mono"},
    };
    // insertSubstitution() skips a substitute the family already has.
    for (const Mapping &m : mappings)
        QFont::insertSubstitution(QString::fromLatin1(m.family), QString::fromLatin1(m.substitute));
}
