// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/type_face.h"

#include <QFontMetrics>
#include <QSize>
#include <QStringList>
#include <cmath>

namespace typeface {

namespace {

const QStringList& arabicFamilies()
{
    // Naskh is the hand pupils learn; the UI variants keep line heights
    // compact enough for the designed boxes. The Arabic faces have digits but
    // no Latin letters and no "=", "÷" or "×": those come from DejaVu Sans.
    // Naming it here spares the costly search for a fallback face when the
    // first screen is drawn.
    static const QStringList families{QStringLiteral("Noto Naskh Arabic UI"),
                                      QStringLiteral("Noto Sans Arabic UI"),
                                      QStringLiteral("DejaVu Sans")};
    return families;
}

}  // namespace

int pixelsForPoints(double points) { return std::max(1, int(std::lround(points * 4.0 / 3.0))); }

QFont arabic(double points, bool bold)
{
    QFont font;
    font.setFamilies(arabicFamilies());
    font.setPixelSize(pixelsForPoints(points));
    font.setBold(bold);
    return font;
}

QFont forText(const QString& text, double points, bool bold)
{
    bool latin = false;
    for (const QChar c : text) {
        if (c.script() == QChar::Script_Arabic)
            return arabic(points, bold);
        latin = latin || c.script() == QChar::Script_Latin;
    }
    return latin ? named(QStringLiteral("DejaVu Sans"), points, bold) : arabic(points, bold);
}

QFont named(const QString& family, double points, bool bold)
{
    QFont font = arabic(points, bold);
    QStringList families = arabicFamilies();
    families.prepend(family);
    font.setFamilies(families);
    return font;
}

QFont controlDefault() { return arabic(9.75, true); }

QFont largestFitting(QFont font, const QSize& room, const QStringList& texts, int maxPixels)
{
    auto fits = [&](int pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        if (metrics.height() > room.height())
            return false;
        for (const QString& text : texts) {
            if (metrics.horizontalAdvance(text) > room.width())
                return false;
        }
        return true;
    };
    int pixels = maxPixels;
    while (pixels > 6 && !fits(pixels))
        --pixels;
    font.setPixelSize(pixels);
    return font;
}

}  // namespace typeface
