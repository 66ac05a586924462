// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/push_button.h"

#include <QStyle>
#include <QStyleOptionButton>

#include "ui/caption.h"
#include "ui/type_face.h"

QPushButton* makeButton(QWidget* parent, const QString& name, const QRect& box,
                        const QString& caption, const QFont& type)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setLayoutDirection(Qt::RightToLeft);
    button->setFont(type);
    button->setGeometry(box);
    button->setAutoDefault(false);
    setButtonCaption(button, caption);
    return button;
}

void setButtonCaption(QPushButton* button, const QString& caption)
{
    button->setText(rightToLeft(caption));
    button->setAccessibleName(caption);
}

void fitButtonType(QPushButton* button, const QStringList& captions)
{
    // What the style takes around a button's text: its frame and margins.
    QStyleOptionButton option;
    option.initFrom(button);
    const QSize frame =
        button->style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(0, 0), button);
    QStringList shown;
    for (const QString& caption : captions)
        shown << rightToLeft(caption);
    button->setFont(typeface::largestFitting(button->font(), button->size() - frame, shown));
}
