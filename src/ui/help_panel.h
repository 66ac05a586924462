// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class QPlainTextEdit;

// The help panel of a drill screen: the frame `help`, captioned "المساعدة",
// with the text box `Txthelp` inside it. A light panel with a clear dark
// border, its caption at its top right, so that it stands out from the
// pictures behind it. The help text is right to left and right-aligned, set
// in the largest bold type at which the whole text fits the box, so that a
// pupil reads it at a glance.
class HelpPanel : public QGroupBox {
    Q_OBJECT

public:
    struct Design {
        QRect box;                 // the frame, in the screen
        QRect textBox;             // the text box, in the frame
        double captionPoints = 0;  // the caption's type; 0: as large as its strip allows
        bool pupilTypes = false;   // whether the pupil may click into the text and type
    };

    HelpPanel(QWidget* screen, const Design& design);

    QPlainTextEdit* textBox() const { return m_text; }
    // Writes the help text. It replaces what the box holds, typing included,
    // when the text differs from the one written last or when `writes` (how
    // many times the drill has written it) has changed.
    void setHelpText(const QString& text, int writes = 0);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPlainTextEdit* m_text;
    QRect m_captionStrip;
    QString m_written;
    int m_writes = 0;
};
