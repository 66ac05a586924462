// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash_screen.h"

#include <QTimer>

#include "app/credits.h"
#include "app/navigator.h"
#include "ui/caption.h"
#include "ui/geometry.h"

SplashScreen::SplashScreen(Navigator& navigator)
    : ScreenWindow(ScreenId::Form1, 6270, 6870, QStringLiteral("Form2"), QColor(creditBackground)),
      m_navigator(navigator)
{
    buildCreditPanel(this);
    const CaptionLook title{26.25, true, Qt::black, CaptionLook::Align::Centre};
    new Caption(this, QStringLiteral("Label2"), twips(840, 2160, 4545, 615), title,
                QStringLiteral("تمارين على عملية القسمة"));
    new Caption(this, QStringLiteral("Label3"), twips(1440, 2880, 3045, 615), title,
                QStringLiteral("الكسور الاعتيادية"));
    new Caption(this, QStringLiteral("Label4"), twips(1800, 6480, 1275, 270),
                CaptionLook{11.25, true, QColor(0xffffc0), CaptionLook::Align::Right},
                QStringLiteral("Tarvalo"));

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(3000);
    connect(m_timer1, &QTimer::timeout, this, &SplashScreen::timer1Tick);
    m_timer1->start();
}

void SplashScreen::timer1Tick()
{
    m_navigator.showScreen(ScreenId::Form7);
    m_navigator.hideScreen(ScreenId::Form1);
    m_timer1->stop();
}
