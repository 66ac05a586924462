// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_screen.h"

#include <QPushButton>

#include "app/credits.h"
#include "app/navigator.h"
#include "ui/caption.h"
#include "ui/geometry.h"
#include "ui/push_button.h"
#include "ui/type_face.h"

AboutScreen::AboutScreen(Navigator& navigator)
    : ScreenWindow(ScreenId::Form12, 6270, 7170, QStringLiteral("Form2"), QColor(creditBackground))
{
    buildCreditPanel(this);
    new Caption(this, QStringLiteral("Label2"), twips(1980, 2280, 2325, 615),
                CaptionLook{26.25, true, Qt::black, CaptionLook::Align::Centre},
                QStringLiteral("قسمة الكسور"));
    QPushButton* ok = makeButton(this, QStringLiteral("Command1"), twips(2280, 6600, 1455, 375),
                                 QStringLiteral("موافق"), typeface::controlDefault());
    connect(ok, &QPushButton::clicked, this,
            [&navigator] { navigator.hideScreen(ScreenId::Form12); });
}
