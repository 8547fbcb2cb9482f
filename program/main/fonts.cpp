#include "fonts.h"

#include <QFont>
#include <QStringList>

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
    for (const Mapping &m : mappings) {
        const QString family = QString::fromLatin1(m.family);
        const QString substitute = QString::fromLatin1(m.substitute);
        if (!QFont::substitutes(family).contains(substitute))
            QFont::insertSubstitution(family, substitute);
    }
}
