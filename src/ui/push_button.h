// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// A push button with an Arabic caption, right to left, at its designed place.
QPushButton* makeButton(QWidget* parent, const QString& name, const QRect& box,
                        const QString& caption, const QFont& type);

// Changes a button's caption, keeping what screen readers hear in step.
void setButtonCaption(QPushButton* button, const QString& caption);

// Gives the button the largest type at which each of the captions it carries
// fits inside it, for buttons whose design names no size.
void fitButtonType(QPushButton* button, const QStringList& captions);
