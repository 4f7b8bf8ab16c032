// The two-pane readers' content. frm05's first set walks the sites of the
// pilgrimage, its second the landmarks of Medina; frm34 lists questions of
// belief in seven categories. Every text is ours: a few sentences from
// patterns, wrapped into the short lines of the text pane.
#include <string>
#include <vector>

#include "demo/list_content.h"
#include "demo/prose.h"
#include "demo/reading_files.h"

namespace ovta::demo {

namespace {

constexpr std::string_view kPilgrimSites[] = {
    "مكة المكرمة",  "المسجد الحرام", "الكعبة المشرفة", "الحجر الأسود",
    "مقام إبراهيم", "بئر زمزم",      "الصفا والمروة",  "منى",
    "عرفات",        "جبل الرحمة",    "مزدلفة",         "المشعر الحرام",
    "وادي محسر",    "الجمرات",       "مسجد الخيف",     "مسجد نمرة",
    "الميقات",      "ذو الحليفة",    "الجحفة",         "قرن المنازل",
    "يلملم",        "ذات عرق",       "التنعيم",        "الحطيم",
    "الملتزم",
};
constexpr std::string_view kMedinaSites[] = {
    "المسجد النبوي", "الروضة الشريفة", "مسجد قباء", "جبل أحد",     "البقيع",      "مسجد القبلتين",
    "الخندق",        "وادي العقيق",    "بئر رومة",  "مسجد الجمعة", "سوق المدينة", "ثنية الوداع",
};

constexpr std::string_view kSitePool[] = {
    "{T} من المواضع التي يقصدها الزائر ويعرف خبرها من كتب التاريخ والسير.",
    "وقد وصفه الرحالة في كتبهم ووقفوا عند أثره في نفوس الناس.",
    "ويذكر المؤرخون ما جرى عنده من أحداث في عصور متعاقبة.",
    "وللعلماء كلام في أحكامه وآدابه تجده في كتب المناسك.",
    "وتغيرت معالمه مع الزمن بما أضيف إليه من عمارة وتوسعة.",
    "ويحرص الزائر على معرفة حدوده قبل الوصول إليه.",
    "وقد ألفت فيه رسائل مفردة جمعت ما قيل فيه.",
    "ويقصده الناس في المواسم فيكثر فيه الزحام.",
};

constexpr std::string_view kCategories[7] = {
    "التوحيد", "الملائكة", "الكتب", "الرسل", "اليوم الآخر", "القدر", "الإيمان",
};
// Questions per category; category 5 has fewer than nine, so its list
// does not scroll.
constexpr std::string_view kQuestions[] = {
    "ما معنى {C}",
    "ما أدلة {C}",
    "ما ثمرات {C}",
    "ما أقسام {C}",
    "ما الذي يناقض {C}",
    "كيف يقوى {C}",
    "ما منزلة {C}",
    "ما أقوال العلماء في {C}",
    "ما الكتب المصنفة في {C}",
    "ما صلة {C} بالعمل",
    "ما أثر {C} في السلوك",
    "ما مسائل {C} الكبرى",
    "كيف يعلم الصغار {C}",
    "ما شبهات حول {C}",
    "ما خلاصة باب {C}",
};
constexpr int kQuestionCount[7] = {15, 12, 10, 13, 6, 11, 14};

constexpr std::string_view kAnswerPool[] = {
    "{Q}؟ هذا سؤال يعرض له المصنفون في أبواب {C} من كتب العقائد.",
    "والجواب عنه يبدأ ببيان معنى الألفاظ في اللغة ثم في الاصطلاح.",
    "ثم تذكر الأدلة من الكتاب والسنة وأقوال السلف في ذلك.",
    "ويفرق العلماء بين ما اتفقوا عليه وما اختلفت فيه عباراتهم.",
    "ومن المفيد أن يربط الدارس هذه المسألة بما قبلها وما بعدها.",
    "ويحسن بالمعلم أن يضرب لذلك أمثلة قريبة من حياة الناس.",
    "وخلاصة القول أن هذه المسألة من أصول الباب التي ينبغي فهمها.",
    "وقد أطال بعض الشراح في تفصيلها وأوجز آخرون.",
};

std::vector<std::string> textOf(Prose& prose, std::span<const std::string_view> pool,
                                const Slots& slots, int sentences)
{
    return Prose::wrap(prose.paragraph(pool, sentences, slots), kListLineWidth);
}

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

// One frm05 set: texts numbered in reverse order of the titles, so that a
// title's text number is not its own place.
std::vector<DemoFile> frm05Set(Prose& prose, std::span<const std::string_view> sites,
                               const char* titleIndex, const char* titleData, const char* textIndex,
                               const char* textData)
{
    const int n = static_cast<int>(sites.size());
    std::vector<std::string> texts(sites.size());
    for (int i = 0; i < n; ++i) {
        const Slots slots{{'T', std::string(sites[static_cast<std::size_t>(i)])}};
        // The first title has a long text, to page through.
        std::vector<std::string> lines = textOf(prose, kSitePool, slots, 2 + prose.below(5));
        if (i == 0) {
            lines = textOf(prose, kSitePool, slots, 8);
            const auto more = textOf(prose, kSitePool, slots, 8);
            lines.insert(lines.end(), more.begin(), more.end());
        }
        texts[static_cast<std::size_t>(n - 1 - i)] = crlf(lines);
    }
    TitleData titles;
    std::string titleList, textList, data;
    for (int i = 0; i < n; ++i) {
        const auto [offset, length] = titles.add(sites[static_cast<std::size_t>(i)]);
        titleList += fields({offset, length, n - i});
    }
    for (const std::string& text : texts) {
        textList += fields(
            {static_cast<std::int64_t>(data.size()), static_cast<std::int64_t>(text.size())});
        data += text;
    }
    return {{titleIndex, titleList},
            {titleData, titles.bytes()},
            {textIndex, textList},
            {textData, data}};
}

// frm34: records of the seven categories interleaved, as an index built
// over years would hold them; titles padded with blanks the list trims.
std::vector<DemoFile> frm34Files(Prose& prose)
{
    TitleData titles;
    std::string index, texts;
    int record = 0;
    for (int round = 0; round < 15; ++round) {
        for (int c = 0; c < 7; ++c) {
            if (round >= kQuestionCount[c])
                continue;
            const Slots category{{'C', std::string(kCategories[c])}};
            const std::string question = Prose::fill(kQuestions[round], category);
            const auto [offset, length] = titles.add(" " + question + " ");
            Slots slots = category;
            slots['Q'] = question;
            const std::string text = crlf(textOf(prose, kAnswerPool, slots, 3 + prose.below(6)));
            index += fields({record + 1, offset, length, static_cast<std::int64_t>(texts.size()),
                             static_cast<std::int64_t>(text.size()), c + 1});
            texts += text;
            ++record;
        }
    }
    return {
        {"data\\1kenor319", index}, {"data\\kenor320", titles.bytes()}, {"data\\kenor321", texts}};
}

} // namespace

std::vector<DemoFile> twoPaneReaderFiles()
{
    Prose prose(0x4C495354); // "LIST"
    std::vector<DemoFile> files = frm05Set(prose, kPilgrimSites, "data\\1kenor012",
                                           "data\\kenor013", "data\\1kenor014", "data\\kenor015");
    auto second = frm05Set(prose, kMedinaSites, "data\\1kenor018", "data\\kenor019",
                           "data\\1kenor020", "data\\kenor021");
    auto third = frm34Files(prose);
    for (auto* more : {&second, &third})
        files.insert(files.end(), std::make_move_iterator(more->begin()),
                     std::make_move_iterator(more->end()));
    return files;
}

} // namespace ovta::demo
