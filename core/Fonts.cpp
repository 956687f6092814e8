#include "core/Fonts.h"

namespace {
struct Mapping {
    const char *design;
    const char *face;
};
const Mapping kMappings[] = {
    {"MS Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Courier", "Liberation Mono"},
    {"Courier New", "Liberation Mono"},
};
} // namespace

QString DesignFamilyMapped(const QString &designFamily)
{
    for (const Mapping &m : kMappings)
        if (designFamily.compare(QLatin1String(m.design), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(m.face);
    return QString();
}

QFont DesignFont(const QString &designFamily, int pointSize)
{
    const QString face = DesignFamilyMapped(designFamily);
    QFont font(face.isEmpty() ? designFamily : face, pointSize);
    font.setStyleHint(face.contains(QLatin1String("Mono")) ? QFont::TypeWriter : QFont::SansSerif);
    return font;
}

void DesignFontsInstall()
{
    for (const Mapping &m : kMappings)
        QFont::insertSubstitution(QString::fromLatin1(m.design), QString::fromLatin1(m.face));
}
