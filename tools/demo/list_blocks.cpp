// frm33's content: 240 records in six blocks (the names of God, terms of
// belief, questions of faith, the signs of the Hour, matters of the
// unseen, rare words of the Quran). A title reads "prefix: shown part";
// in the glyph text's visual order the shown part stands left of the
// colon, which is what the list keeps. Some shown parts are long enough
// for the caption to take two lines.
#include <array>
#include <string>
#include <vector>

#include "demo/list_content.h"
#include "demo/prose.h"
#include "demo/reading_files.h"

namespace ovta::demo {

namespace {

struct Block {
    int count;
    std::string_view prefix;
    std::span<const std::string_view> words;
    // Variations for the second and third rounds through the words.
    std::array<std::string_view, 2> more;
};

constexpr std::string_view kNames[] = {
    "الرحمن",  "الرحيم", "الملك",  "القدوس", "السلام", "المؤمن", "المهيمن", "العزيز", "الجبار",
    "المتكبر", "الخالق", "البارئ", "المصور", "الغفار", "القهار", "الوهاب",  "الرزاق", "الفتاح",
    "العليم",  "السميع", "البصير", "الحكم",  "العدل",  "اللطيف", "الخبير",  "الحليم", "العظيم",
    "الغفور",  "الشكور", "العلي",  "الكبير", "الحفيظ", "المقيت", "الحسيب",  "الجليل", "الكريم",
    "الرقيب",  "المجيب", "الواسع", "الحكيم", "الودود", "المجيد", "الشهيد",  "الحق",   "الوكيل",
    "القوي",   "المتين", "الولي",  "الحميد", "الحي",   "القيوم", "الواحد",  "الصمد",
};
constexpr std::string_view kTerms[] = {
    "التوحيد", "الربوبية", "الألوهية", "الأسماء والصفات", "الإيمان", "الإسلام", "الإحسان", "الشرك",
    "الكفر",   "النفاق",   "البدعة",   "السنة",           "الجماعة", "الولاء",  "البراء",  "التوسل",
    "الشفاعة", "الكرامة",  "المعجزة",  "الغيب",           "العبادة", "التقوى",  "الإخلاص", "التوكل",
};
constexpr std::string_view kFaith[] = {
    "تعريف الإيمان", "زيادة الإيمان ونقصه", "الاستثناء في الإيمان", "أركان الإيمان",
    "شعب الإيمان",   "الإيمان والعمل",      "حلاوة الإيمان",        "أسباب قوة الإيمان",
    "نواقض الإيمان", "الإيمان والإسلام",    "مراتب الدين",          "الإيمان بالغيب",
    "ثمرات الإيمان", "الإيمان والخوف",      "الإيمان والرجاء",      "الإيمان والمحبة",
};
constexpr std::string_view kSigns[] = {
    "بعثة النبي",
    "انشقاق القمر",
    "ظهور الفتن",
    "كثرة الهرج",
    "تطاول البنيان",
    "قلة العلم",
    "كثرة المال",
    "تقارب الزمان",
    "خروج المهدي",
    "نزول عيسى",
    "خروج الدجال",
    "يأجوج ومأجوج",
    "طلوع الشمس من مغربها",
    "خروج الدابة",
    "الدخان",
    "الخسوف الثلاثة",
    "النار التي تحشر الناس",
    "ضياع الأمانة",
    "كثرة الزلازل",
    "انحسار الفرات",
};
constexpr std::string_view kUnseen[] = {
    "عذاب القبر", "نعيم القبر",    "البعث", "الحشر", "الحوض",    "الميزان",
    "الصراط",     "الشفاعة",       "الجنة", "النار", "الملائكة", "الجن",
    "الروح",      "اللوح المحفوظ", "القلم", "العرش", "الكرسي",   "الرؤيا",
};
constexpr std::string_view kRareWords[] = {
    "الأب",    "الصمد",  "الغسلين", "السجيل", "الكوثر", "التسنيم", "الرقيم", "العرم",
    "الحرض",   "الوصيد", "الأيكة",  "الضريع", "الفلق",  "الخنس",   "الكنس",  "عسعس",
    "القسورة", "الجوار", "اللمم",   "الزقوم", "العهن",  "الخرطوم", "الحطمة", "الماعون",
};

constexpr std::string_view kLong =
    " وما يتصل به من مسائل وأحكام وأقوال أهل العلم فيه قديما وحديثا في الشروح والمطولات";

constexpr std::string_view kExplainPool[] = {
    "{W} من المسائل التي يشرحها المؤلفون في هذا الباب بعبارة قريبة.",
    "ويبدأ الشرح ببيان المعنى في اللغة ثم بالمعنى في الاصطلاح.",
    "ثم يذكر ما ورد فيه من آيات وأحاديث مع بيان وجه الدلالة.",
    "ويتبع ذلك كلام أهل العلم وما بينهم من وفاق أو خلاف.",
    "ويعين هذا الشرح القارئ على ربط المسألة بأخواتها.",
    "ومن حسن الفهم أن ينظر الدارس في الأثر العملي لما يتعلمه.",
    "وقد جمع بعض المصنفين هذه المسائل في جداول تيسر حفظها.",
    "ويختم الباب عادة بخلاصة تجمع أطرافه.",
    "وفي الرجوع إلى المطولات زيادة بيان لمن أراد التوسع.",
};

std::string crlf(const std::vector<std::string>& lines)
{
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i)
            out += "\r\n";
        out += glyphLine(lines[i]);
    }
    return out;
}

} // namespace

std::vector<DemoFile> blockListFiles()
{
    const std::array<Block, 6> blocks{{
        {53, "اسم", kNames, {"", ""}},
        {47, "مصطلح", kTerms, {" عند السلف", " عند المتأخرين"}},
        {46, "مسألة", kFaith, {" في كتب العقائد", " في الشروح"}},
        {25, "علامة", kSigns, {" في كتب الفتن", " في الشروح"}},
        {45, "غيب", kUnseen, {" في النصوص", " في كلام العلماء"}},
        {24, "كلمة", kRareWords, {"", ""}},
    }};
    Prose prose(0x4D455441); // "META"
    TitleData titles;
    std::string index, texts;
    for (const Block& b : blocks) {
        const int n = static_cast<int>(b.words.size());
        for (int i = 0; i < b.count; ++i) {
            std::string shown(b.words[static_cast<std::size_t>(i % n)]);
            if (i >= n)
                shown += b.more[i >= 2 * n ? 1 : 0];
            // Every seventh shown part is too long for the caption's one line;
            // every eleventh keeps a colon of its own inside it.
            if (i % 7 == 3)
                shown += kLong;
            std::string title = std::string(b.prefix) + ": " + shown;
            if (i % 11 == 5)
                title = std::string(b.prefix) + ": " + shown + ": تفصيل";
            const auto [to, tl] = titles.add(title);
            const Slots slots{{'W', shown}};
            const std::string text = crlf(Prose::wrap(
                prose.paragraph(kExplainPool, 2 + prose.below(8), slots), kListLineWidth));
            index += fields({to, tl, static_cast<std::int64_t>(texts.size()),
                             static_cast<std::int64_t>(text.size())});
            texts += text;
        }
    }
    return {
        {"data\\1kenor316", index}, {"data\\kenor317", titles.bytes()}, {"data\\kenor318", texts}};
}

} // namespace ovta::demo
