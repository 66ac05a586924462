// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QLineEdit>

// How an answer box looks and what it takes.
struct AnswerBoxLook {
    double points = 48;
    bool bold = true;
    QColor colour = Qt::red;
    int maxLength = 2;       // in characters as the pupil sees them (an emoji is one)
    bool digitsOnly = true;  // typed characters pass the digit key filter
};

// A one-line box the pupil types an answer into, right to left, centred.
//
// With digitsOnly, every character a key press types goes through the digit
// key filter, whatever the modifiers held: only the digits and Backspace
// reach the box. Keys that type no character (Delete, arrows, Home, End) and
// shortcuts such as paste still work, so pasted text arrives unfiltered.
//
// The box holds at most its limit of characters however text gets in, and
// its size is fixed: a text that does not fit is drawn in smaller type, never
// cut, and the type goes back to its designed size once the text fits again.
// The text's ink is centred both ways.
class AnswerBox : public QLineEdit {
    Q_OBJECT

public:
    AnswerBox(QWidget* parent, const QString& name, const QRect& box, const AnswerBoxLook& look,
              const QString& accessibleName);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitType();

    bool m_digitsOnly;
    QFont m_designedType;
};
