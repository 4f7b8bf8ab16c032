// frm47's content: 893 entries of jurisprudence, chapter by chapter, each
// with a few lines of text. An entry that continues the one before it
// opens with "(تابع)", which in the glyph text's visual order puts a ")"
// at its end, so the list adds its mark after it.
#include <string>
#include <vector>

#include "demo/list_content.h"
#include "demo/prose.h"
#include "demo/reading_files.h"

namespace ovta::demo {

namespace {

constexpr std::string_view kChapters[] = {
    "المياه",  "الآنية",  "الوضوء", "المسح",    "الغسل",    "التيمم",  "الحيض",    "الأذان",
    "الصلاة",  "السهو",   "التطوع", "الجماعة",  "الجمعة",   "العيدين", "الكسوف",   "الاستسقاء",
    "الجنائز", "الزكاة",  "الفطرة", "الصيام",   "الاعتكاف", "الحج",    "العمرة",   "الهدي",
    "الأضحية", "العقيقة", "البيوع", "الربا",    "السلم",    "القرض",   "الرهن",    "الضمان",
    "الحوالة", "الصلح",   "الشركة", "المساقاة", "الإجارة",  "العارية", "الغصب",    "الشفعة",
    "الوديعة", "اللقطة",  "الوقف",  "الهبة",    "الوصايا",  "الفرائض", "النكاح",   "الصداق",
    "الطلاق",  "الرجعة",  "العدة",  "الرضاع",   "النفقات",  "الحضانة", "الجنايات", "الديات",
    "الحدود",  "الأيمان", "النذور", "القضاء",   "الشهادات", "الإقرار",
};
constexpr std::string_view kAspects[] = {
    "تعريفه", "حكمه",   "أدلته", "شروطه",  "أركانه", "سننه", "مكروهاته", "مبطلاته",
    "آدابه",  "أنواعه", "حكمته", "مسائله", "فضله",   "صفته", "خلاصته",
};

constexpr std::string_view kRulingPool[] = {
    "باب {C}: الكلام في {A} مما يعرضه الفقهاء بعد ذكر الأدلة.",
    "ويذكر المؤلف أقوال المذاهب ثم يبين الراجح منها بدليله.",
    "وقد اتفق العلماء على أصل المسألة واختلفوا في بعض فروعها.",
    "ومن المهم أن يعرف المتعلم سبب الخلاف ليحسن الفهم.",
    "وتطبيق ذلك في الواقع يحتاج إلى نظر في أحوال الناس.",
    "وفي كتب الفتاوى أمثلة كثيرة على هذه المسألة.",
    "ويرجع في التفصيل إلى المطولات من كتب الفقه.",
};

} // namespace

std::vector<DemoFile> entryListFiles()
{
    constexpr int kEntries = 893;
    Prose prose(0x46495148); // "FIQH"
    TitleData titles;
    std::string index, texts;
    int made = 0;
    for (std::string_view chapter : kChapters) {
        for (std::string_view aspect : kAspects) {
            if (made == kEntries)
                break;
            std::string title = std::string(chapter) + ": " + std::string(aspect);
            if (made % 9 == 8)
                title = "(تابع) " + title;
            const auto [to, tl] = titles.add(title);
            const Slots slots{{'C', std::string(chapter)}, {'A', std::string(aspect)}};
            std::string text;
            const auto lines = Prose::wrap(prose.paragraph(kRulingPool, 2 + prose.below(5), slots),
                                           kListLineWidth);
            for (std::size_t i = 0; i < lines.size(); ++i)
                text += (i ? "\r\n" : "") + glyphLine(lines[i]);
            index += fields({made + 1, to, tl, static_cast<std::int64_t>(texts.size()),
                             static_cast<std::int64_t>(text.size())});
            texts += text;
            ++made;
        }
    }
    return {{"data\\1kenor41", index}, {"data\\kenor42", titles.bytes()}, {"data\\kenor43", texts}};
}

} // namespace ovta::demo
