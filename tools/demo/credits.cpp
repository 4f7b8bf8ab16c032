#include "demo/credits.h"

#include <array>

#include "demo/content_writer.h"

namespace ovta::demo {

namespace {

// Every name is invented. A line must fit one slot of the scroller (about 340
// pixels in 24-pixel glyphs): some twenty-six characters, blanks included. The gaps keep
// a role and its names together while they pass through the five slots.
constexpr std::array<std::string_view, 48> kCredits{{
    "موسوعة الرواق الإسلامية",
    "الإصدار الأول",
    "",
    "الإشراف العام",
    "الدكتور عبد الرحمن الحمدان",
    "",
    "قسم الفقه",
    "الشيخ محمد عبد الله الراشد",
    "قسم التاريخ",
    "الدكتور خالد إبراهيم السالم",
    "قسم المعالم",
    "المهندس سامي ناصر الحربي",
    "قسم العقيدة",
    "الشيخ عبد العزيز المنصور",
    "قسم السيرة النبوية",
    "الدكتور أحمد فهد العمري",
    "قسم الأعلام",
    "الأستاذ ماجد سليمان القاسم",
    "قسم القرآن الكريم",
    "الشيخ يحيى حسن البدري",
    "قسم أصول الفقه",
    "الدكتور عمر عادل الشامي",
    "قسم الفرق والمذاهب",
    "الدكتور حمزة علي النجار",
    "",
    "المراجعة العلمية",
    "الشيخ إسماعيل داود الأنصاري",
    "المراجعة اللغوية",
    "الأستاذ نبيل حامد السيد",
    "",
    "التصميم والإخراج الفني",
    "ريم عبد الله الخطيب",
    "نادر سعيد الزين",
    "البرمجة",
    "فيصل محمود العلي",
    "طارق جمال الدين منصور",
    "",
    "التلاوة",
    "القارئ بلال عثمان الهاشمي",
    "التسجيل والمؤثرات الصوتية",
    "مازن رشيد الكردي",
    "",
    "شكر وتقدير",
    "لكل من أسهم في هذا العمل",
    "من الباحثين والمراجعين",
    "",
    "والحمد لله رب العالمين",
    "",
}};

} // namespace

std::span<const std::string_view> creditLines()
{
    return kCredits;
}

std::string creditsFile()
{
    return glyphLines(kCredits);
}

} // namespace ovta::demo
