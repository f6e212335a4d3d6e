#include "app/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace Fonts {

void installSubstitutions()
{
    struct Mapping
    {
        const char *name;
        QStringList faces;
    };
    // Metric-compatible families first (Liberation, URW), then common fallbacks.
    const Mapping mappings[] = {
        {"MS Sans Serif", {"Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans"}},
        {"Arial", {"Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans"}},
        {"Tahoma", {"DejaVu Sans Condensed", "Liberation Sans", "DejaVu Sans"}},
        {"Palatino Linotype", {"P052", "URW Palladio L", "TeX Gyre Pagella", "DejaVu Serif"}},
        {"Courier", {"Liberation Mono", "Nimbus Mono PS", "Cousine", "DejaVu Sans Mono"}},
    };
    // A family installed by more than one foundry is listed as "P052 [urw]", "P052 [UKWN]".
    const QStringList installed = QFontDatabase::families();
    const auto listedAs = [&installed](const QString &face) {
        QStringList names;
        for (const QString &family : installed) {
            const qsizetype bracket = family.indexOf(QLatin1String(" ["));
            const QString base = bracket < 0 ? family : family.left(bracket);
            if (base.compare(face, Qt::CaseInsensitive) == 0)
                names << family;
        }
        return names;
    };
    for (const Mapping &m : mappings) {
        const QString name = QString::fromLatin1(m.name);
        if (!listedAs(name).isEmpty())
            continue; // the real face is there (Windows)
        // Only the first face present: with more candidates Qt may prefer a later one.
        for (const QString &face : m.faces) {
            const QStringList present = listedAs(face);
            if (!present.isEmpty()) {
                QFont::insertSubstitutions(name, present);
                break;
            }
        }
    }
}

} // namespace Fonts
