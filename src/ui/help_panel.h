// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class QPlainTextEdit;

// A help panel: a light panel with a clear dark border, its caption at its
// top right, and inside it the text box of the help text, right to left and
// right-aligned. It stands out from the pictures behind it, and its text is
// set in the largest bold type at which the whole text fits the box, so that
// a pupil reads it at a glance.
class HelpPanel : public QGroupBox {
    Q_OBJECT

public:
    HelpPanel(QWidget* parent, const QString& name, const QRect& box, const QString& caption,
              const QString& textName, const QRect& textBox);

    QPlainTextEdit* textBox() const { return m_text; }
    void setHelpText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPlainTextEdit* m_text;
};
