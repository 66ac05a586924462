// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/credits.h"

#include "ui/caption.h"
#include "ui/geometry.h"
#include "ui/shapes.h"

void buildCreditPanel(QWidget* screen)
{
    const CaptionLook large{27.75, true, Qt::white, CaptionLook::Align::Centre};
    const CaptionLook small{11.25, true, QColor(0xffffc0), CaptionLook::Align::Right};

    new Caption(screen, QStringLiteral("Label1"), twips(660, 240, 4965, 645), large,
                QStringLiteral("إعداد فريق قسمة"));
    auto* panel = new FilledShape(screen, QStringLiteral("Shape1"), twips(548, 1080, 5175, 3135),
                                  QColor(0xe0e0e0), Qt::white);
    panel->setAccessibleName(QStringLiteral("لوحة فريق الإعداد"));
    new Caption(screen, QStringLiteral("Label5"), twips(240, 4200, 5655, 645), large,
                QStringLiteral("جميع الحقوق محفوظة 2026"));
    new Caption(screen, QStringLiteral("Label7"), twips(983, 5040, 4305, 270), small,
                QStringLiteral("قسم الرياضيات - مدرسة المعرفة الابتدائية"));
    new Caption(screen, QStringLiteral("Label6"), twips(2040, 5520, 2280, 270), small,
                QStringLiteral("الهاتف : 0100 555 000"));
    new Caption(screen, QStringLiteral("Label9"), twips(3360, 5880, 2205, 270), small,
                QStringLiteral("للمراسلة بالبريد الالكتروني : "));
    new Caption(screen, QStringLiteral("Label10"), twips(840, 5880, 2340, 270), small,
                QStringLiteral("info@example.org"));
    new Caption(screen, QStringLiteral("Label11"), twips(3360, 6240, 1515, 270), small,
                QStringLiteral("الموقع الالكتروني : "));
    new Caption(screen, QStringLiteral("Label12"), twips(1560, 6240, 1545, 270), small,
                QStringLiteral("example.org"));
}
