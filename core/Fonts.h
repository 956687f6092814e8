#pragma once
// The faces the screens and prints were designed with, mapped to faces that
// a Linux desktop has: "MS Sans Serif" and "Arial" to Liberation Sans,
// "Courier" to Liberation Mono (both metric-compatible with the originals).
#include <QFont>
#include <QString>

// The mapped face of a design font at its design size in points.
QFont DesignFont(const QString &designFamily, int pointSize);
// The face that stands in for a design face ("" when it is not mapped).
QString DesignFamilyMapped(const QString &designFamily);
// Makes plain QFont("Arial") and the like resolve to the mapped faces too.
void DesignFontsInstall();
