#include "ui/push_button.h"

#include "ui/caption.h"

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
