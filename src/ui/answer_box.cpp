#include "ui/answer_box.h"

#include <QKeyEvent>

#include "common/digit_key_filter.h"
#include "ui/type_face.h"

namespace {

// The character code a key press types, or 0 when it types none of the
// characters a box filter judges (a shortcut, Delete, an arrow).
int typedCharacterCode(const QKeyEvent& event)
{
    const QString typed = event.text();
    if (typed.size() != 1)
        return 0;
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return 0;
    const int code = typed.at(0).unicode();
    // Of the control characters only Backspace, Enter and Escape are typed
    // characters; Delete (127) and the rest are editing keys.
    if (code < 32 && code != 8 && code != 13 && code != 27)
        return 0;
    if (code == 127)
        return 0;
    return code;
}

}  // namespace

AnswerBox::AnswerBox(QWidget* parent, const QString& name, const QRect& box,
                     const AnswerBoxLook& look, const QString& accessibleName)
    : QLineEdit(parent), m_digitsOnly(look.digitsOnly)
{
    setObjectName(name);
    setAccessibleName(accessibleName);
    setLayoutDirection(Qt::RightToLeft);
    setAlignment(Qt::AlignCenter);
    setFont(typeface::arabic(look.points, look.bold));
    setMaxLength(look.maxLength);
    setGeometry(box);
    setTextMargins(0, 0, 0, 0);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, look.colour);
    colours.setColor(QPalette::Base, Qt::white);
    setPalette(colours);
    // Composed input would bypass the key filter; digits need no composing.
    if (m_digitsOnly)
        setAttribute(Qt::WA_InputMethodEnabled, false);
}

void AnswerBox::keyPressEvent(QKeyEvent* event)
{
    if (m_digitsOnly) {
        const int code = typedCharacterCode(*event);
        if (code != 0 && digitKeyFilter(code) == 0) {
            event->accept();  // the character is dropped
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}
