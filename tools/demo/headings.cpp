#include "demo/headings.h"

#include <array>
#include <vector>

#include "demo/content_writer.h"

namespace ovta::demo {

namespace {

// Two headings are put together by the program itself, and glyph text runs
// left to right on screen, so the one stored first stands on the left and is
// read last:
// - a shelf book of the jurisprudence section shows "50 - 44" and the like,
//   read as "<kind> - <school>" (44..49 and 53 are kinds, 50..52 schools);
// - the question screen heads a reference with "<kind> <school>", read as
//   "<school> <kind>", the school being the answer category (50..52);
// - a recitation passage is listed as "<number> <94>", read "<94> <number>".
constexpr std::array<Heading, 120> kHeadings{{
    {1, "كتاب الطهارة", "frm43 title, jurisprudence book 1"},
    {2, "كتاب الصلاة", "frm43 title, jurisprudence book 2"},
    {3, "كتاب الزكاة", "frm43 title, jurisprudence book 3"},
    {4, "كتاب الصيام", "frm43 title, jurisprudence book 4"},
    {5, "كتاب الحج والعمرة", "frm43 title, jurisprudence book 5"},
    {6, "كتاب البيوع والمعاملات", "frm43 title, jurisprudence book 6"},
    {7, "كتاب النكاح والأسرة", "frm43 title, jurisprudence book 7"},
    {8, "كتاب الفرائض والمواريث", "frm43 title, jurisprudence book 8"},
    {9, "كتاب الجنايات والحدود", "frm43 title, jurisprudence book 9"},
    {10, "كتاب الأيمان والنذور", "frm43 title, jurisprudence book 10"},
    {11, "المساجد الأثرية", "frm02 heading, landmarks group 1"},
    {12, "المدن والحواضر", "frm02 heading, landmarks group 2"},
    {13, "الجبال والأودية", "frm02 heading, landmarks group 3"},
    {14, "الآبار والعيون", "frm02 heading, landmarks group 4"},
    {15, "الحصون والقلاع", "frm02 heading, landmarks group 5"},
    {16, "المدارس والمكتبات", "frm02 heading, landmarks group 6"},
    {17, "الموضوع كاملا", "chooser prompt of every reader; frm03 whole-text entry"},
    {18, "الموقع", "frm03 chooser, sub-section 1"},
    {19, "التسمية", "frm03 chooser, sub-section 2"},
    {20, "العمارة", "frm03 chooser, sub-section 4"},
    {21, "الفضائل", "frm03 chooser, sub-section 5"},
    {22, "الأحداث", "frm03 chooser, sub-section 6"},
    {23, "المصادر", "frm03 chooser, sub-section 7"},
    {24, "المولد والنشأة", "frm7 title, biography book 8"},
    {25, "البعثة والدعوة بمكة", "frm7 title, biography book 9"},
    {26, "الهجرة إلى المدينة", "frm7 title, biography book 10"},
    {27, "الغزوات والسرايا", "frm7 title, biography book 11"},
    {28, "الشمائل المحمدية", "frm7 title, biography book 12"},
    {29, "حجة الوداع", "not shown; a further biography heading"},
    {30, "أمهات المؤمنين", "not shown; a further biography heading"},
    {31, "الوفود والرسائل", "not shown; a further biography heading"},
    {32, "النص كاملا", "whole-text entry of frm13 and frm65"},
    {33, "النسب والمولد", "frm13 chooser, sub-section 1"},
    {34, "النشأة والطلب", "frm13 chooser, sub-section 2"},
    {35, "الشيوخ والتلاميذ", "frm13 chooser, sub-section 3"},
    {36, "المؤلفات والوفاة", "frm13 chooser, sub-section 4"},
    {37, "البحث كاملا", "whole-text entry of frm46 and frm83"},
    {38, "التعريف", "frm46 chooser, sub-section 1"},
    {39, "الحكم", "frm46 chooser, sub-section 2"},
    {40, "الأدلة", "frm46 chooser, sub-section 3"},
    {41, "الشروط", "frm46 chooser, sub-section 4"},
    {42, "أقوال الفقهاء", "frm46 chooser, sub-section 5"},
    {43, "الخلاصة", "frm46 chooser, sub-section 7"},
    {44, "المتون", "frm410 shelf title kind; frm42 reference kind, books 0 and 4"},
    {45, "الشروح", "frm410 shelf title kind; frm42 reference kind, books 1 and 5"},
    {46, "المختصرات", "frm410 shelf title kind; frm42 reference kind, book 9"},
    {47, "الحواشي", "frm410 shelf title kind; frm42 reference kind, books 3, 8, 10"},
    {48, "الفتاوى", "frm410 shelf title kind; frm42 reference kind, books 2, 6, 11"},
    {49, "النوازل", "frm410 shelf title kind; frm42 reference kind, book 7"},
    {50, "فقه الحنفية", "frm410 shelf title school, books 0-3; frm42 answer category 1"},
    {51, "فقه الشافعية", "frm410 shelf title school, books 9-11; frm42 answer category 2"},
    {52, "فقه المالكية", "frm410 shelf title school, books 4-8; frm42 answer category 3"},
    {53, "على الشروح", "frm410 shelf title, middle part of books 3, 8, 10"},
    {54, "الخلافة الراشدة", "frm7 title, history book 6"},
    {55, "الدول الإسلامية", "frm7 title, history book 7"},
    {56, "أصول التوحيد", "frm7 title, creeds book 1"},
    {57, "الإيمان بالملائكة والكتب", "frm7 title, creeds book 2"},
    {58, "الرسل والنبوات", "frm7 title, creeds book 3"},
    {59, "اليوم الآخر", "frm7 title, creeds book 4"},
    {60, "القضاء والقدر", "frm7 title, creeds book 5"},
    {61, "أسماء الله الحسنى", "frm33 heading, creeds list 1"},
    {62, "مصطلحات العقيدة", "frm33 heading, creeds list 2"},
    {63, "مسائل الإيمان", "frm33 heading, creeds list 3"},
    {64, "أشراط الساعة", "frm33 heading, creeds list 4"},
    {65, "الأدلة الشرعية", "frm7 title, principles book 14"},
    {66, "دلالات الألفاظ", "frm7 title, principles book 15"},
    {67, "الاجتهاد والتقليد", "frm7 title, principles book 16"},
    {68, "علوم القرآن", "frm7 title, Quran book 13"},
    {69, "القواعد الفقهية", "not shown; a further principles heading"},
    {70, "مقاصد الشريعة", "not shown; a further principles heading"},
    {71, "غريب القرآن", "frm33 heading, Quran list 6"},
    {72, "نشأة الفرق", "frm7 title, sects book 17"},
    {73, "التعريف", "frm83 chooser, sub-section 1"},
    {74, "التسمية", "frm83 chooser, sub-section 2"},
    {75, "النشأة", "frm83 chooser, sub-section 3"},
    {76, "المؤسسون", "frm83 chooser, sub-section 4"},
    {77, "العقائد", "frm83 chooser, sub-section 5"},
    {78, "الفرق المتفرعة", "frm83 chooser, sub-section 6"},
    {79, "أماكن الانتشار", "frm83 chooser, sub-section 7"},
    {80, "أبرز الأعلام", "frm83 chooser, sub-section 8"},
    {81, "المؤلفات", "frm83 chooser, sub-section 9"},
    {82, "المناقشة", "frm83 chooser, sub-section 10"},
    {83, "التاريخ", "frm03 chooser, sub-section 3"},
    {84, "الترجيح", "frm46 chooser, sub-section 6"},
    {85, "المراجع العامة", "frm42 reference kind, books 12 and 13"},
    {86, "تلاوات مختارة", "frm63 title, recitation book"},
    {87, "أحكام التجويد", "not shown; a further Quran heading"},
    {88, "القراءات", "not shown; a further Quran heading"},
    {89, "سبب النزول", "frm65 chooser, sub-section 1"},
    {90, "المعنى الإجمالي", "frm65 chooser, sub-section 2"},
    {91, "التفسير", "frm65 chooser, sub-section 3"},
    {92, "الأحكام", "frm65 chooser, sub-section 4"},
    {93, "الفوائد", "frm65 chooser, sub-section 5"},
    {94, "المقطع", "frm63 passage chooser, after each passage number"},
    {95, "مواقع الغزوات", "frm02 heading, landmarks group 7"},
    {96, "الأسواق والطرق", "frm02 heading, landmarks group 8"},
    {97, "مسائل الغيب", "frm33 heading, creeds list 5"},
    {98, "مشاعر الحج", "frm05 heading, list 1"},
    {99, "معالم المدينة", "frm05 heading, list 2"},
    {100, "تفسير القرآن الكريم", "frm64 title"},
    {101, "تراجم الأعلام", "frm14 title"},
    {102, "الفقه", "not shown; section name"},
    {103, "التاريخ الإسلامي", "not shown; section name"},
    {104, "المعالم", "not shown; section name"},
    {105, "العقيدة", "not shown; section name"},
    {106, "السيرة النبوية", "not shown; section name"},
    {107, "الأعلام", "not shown; section name"},
    {108, "القرآن الكريم", "not shown; section name"},
    {109, "أصول الفقه", "not shown; section name"},
    {110, "الفرق والمذاهب", "not shown; section name"},
    {111, "بحث", "not shown; button caption"},
    {112, "رجوع", "not shown; button caption"},
    {113, "خروج", "not shown; button caption"},
    {114, "مساعدة", "not shown; button caption"},
    {115, "عن الموسوعة", "not shown; button caption"},
    {116, "فهرس الموضوعات", "not shown; button caption"},
    {117, "الصفحة التالية", "not shown; button caption"},
    {118, "الصفحة السابقة", "not shown; button caption"},
    {119, "المقاطع الصوتية", "not shown; button caption"},
    {120, "موسوعة الرواق الإسلامية", "not shown; the program's name"},
}};

} // namespace

std::span<const Heading> headingTable()
{
    return kHeadings;
}

std::string titleTableFile()
{
    std::vector<std::string_view> lines;
    lines.reserve(kHeadings.size());
    for (const auto& h : kHeadings)
        lines.push_back(h.arabic);
    return glyphLines(lines);
}

} // namespace ovta::demo
