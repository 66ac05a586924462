// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// Type for the screens. Sizes are given in points as designed and set as
// pixel sizes at 96 dots per inch (pt × 4/3), so every text takes the same
// room on every desktop whatever its font settings; high-DPI scaling then
// keeps it sharp.
namespace typeface {

// Point size to pixel size at 96 dpi.
int pixelsForPoints(double points);

// The bold Naskh face the labels use, with Arabic fallbacks.
QFont arabic(double points, bool bold = true);

// The face for a given text: the Arabic face, or for a text of Latin
// letters without Arabic (an e-mail address) a Latin face, so that its
// points and signs match its letters.
QFont forText(const QString& text, double points, bool bold);

// A named Latin face (the menu buttons ask for Arial) that still shapes
// Arabic through the Arabic faces behind it.
QFont named(const QString& family, double points, bool bold);

// The face of controls whose design names no font: the Arabic face at a
// size that reads well on buttons.
QFont controlDefault();

// The face given, at the largest pixel size (up to maxPixels) at which each
// of the texts fits on one line within the room, its line height included.
// Where the design names no size, a caption this way is as large as its box
// allows.
QFont largestFitting(QFont font, const QSize& room, const QStringList& texts, int maxPixels = 48);

}  // namespace typeface
