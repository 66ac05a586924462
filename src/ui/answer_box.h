#pragma once

#include <QLineEdit>

// How an answer box looks and what it takes.
struct AnswerBoxLook {
    double points = 48;
    bool bold = true;
    QColor colour = Qt::red;
    int maxLength = 2;
    bool digitsOnly = true;  // typed characters pass the digit key filter
};

// A one-line box the pupil types an answer into, right to left, centred.
//
// With digitsOnly, each typed character goes through the digit key filter:
// only the digits and Backspace reach the box. Keys that type no character
// (Delete, arrows, Home, End) and shortcuts such as paste are not typed
// characters and work as usual, so pasted text still arrives unfiltered.
class AnswerBox : public QLineEdit {
    Q_OBJECT

public:
    AnswerBox(QWidget* parent, const QString& name, const QRect& box, const AnswerBoxLook& look,
              const QString& accessibleName);

    void setLocked(bool locked) { setReadOnly(locked); }
    bool locked() const { return isReadOnly(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_digitsOnly;
};
