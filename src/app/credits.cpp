// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/credits.h"

#include "ui/caption.h"
#include "ui/geometry.h"
#include "ui/shapes.h"

#include <tuple>

void buildCreditPanel(QWidget* screen)
{
    const CaptionLook large{27.75, true, Qt::white, CaptionLook::Align::Centre};
    const CaptionLook small{11.25, true, QColor(0xffffc0), CaptionLook::Align::Right};

    new Caption(screen, QStringLiteral("Label1"), twips(660, 240, 4965, 645), large,
                QStringLiteral("إعداد فريق قسمة"));
    auto* panel = new FilledShape(screen, QStringLiteral("Shape1"), twips(548, 1080, 5175, 3135),
                                  QColor(0xe0e0e0), Qt::white);
    panel->setAccessibleName(QStringLiteral("لوحة فريق الإعداد"));
    // The copyright line, then the school's contact lines in its small type.
    new Caption(screen, QStringLiteral("Label5"), twips(240, 4200, 5655, 645), large,
                QStringLiteral("جميع الحقوق محفوظة 2026"));
    const std::tuple<const char*, QRect, const char*> lines[] = {
        {"Label7", twips(983, 5040, 4305, 270), "قسم الرياضيات - مدرسة المعرفة الابتدائية"},
        {"Label6", twips(2040, 5520, 2280, 270), "الهاتف : 0100 555 000"},
        {"Label9", twips(3360, 5880, 2205, 270), "للمراسلة بالبريد الالكتروني : "},
        {"Label10", twips(840, 5880, 2340, 270), "info@example.org"},
        {"Label11", twips(3360, 6240, 1515, 270), "الموقع الالكتروني : "},
        {"Label12", twips(1560, 6240, 1545, 270), "example.org"},
    };
    for (const auto& [name, box, text] : lines)
        new Caption(screen, QString::fromLatin1(name), box, small, QString::fromUtf8(text));
}
