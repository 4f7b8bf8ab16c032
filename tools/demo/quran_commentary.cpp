#include "demo/quran_commentary.h"

#include <string>

#include "demo/prose.h"
#include "demo/reading_files.h"

namespace ovta::demo {

namespace {

constexpr std::string_view kSuras[] = {
    "الفاتحة", "البقرة", "آل عمران", "النساء", "المائدة", "الأنعام", "الأعراف",
    "الأنفال", "التوبة", "يونس",     "هود",    "يوسف",    "الرعد",   "إبراهيم",
    "الحجر",   "النحل",  "الإسراء",  "الكهف",  "مريم",    "طه",
};

constexpr std::string_view kThemes[] = {
    "التوحيد وإخلاص العبادة", "قصص الأنبياء وأممهم", "أحكام الأسرة",
    "الصبر والثبات",          "اليوم الآخر",         "شكر النعم",
    "العدل والإحسان",         "الدعوة إلى الخير",
};

// Commentary in general words: the articles quote no verse.
constexpr std::string_view kOccasion[] = {
    "ذكر أهل التفسير لنزول هذه الآيات روايات متعددة.",
    "ولم يثبت في سبب نزولها عند بعض المفسرين خبر صحيح، فحملوها على عمومها.",
    "والعبرة بعموم اللفظ لا بخصوص السبب كما قرره العلماء.",
};
constexpr std::string_view kMeaning[] = {
    "تتحدث الآيات من سورة {S} عن {M}.",
    "وتربط ذلك بما سبقها من الآيات ربطا محكما.",
    "وتدعو المؤمنين إلى التدبر والعمل بما فيها.",
};
constexpr std::string_view kExplanation[] = {
    "بين المفسرون معاني الألفاظ الغريبة في هذه الآيات.",
    "ووقفوا عند أساليبها البلاغية من تقديم وتأخير وإيجاز.",
    "ونقلوا أقوال الصحابة والتابعين في تفسيرها.",
    "واستعانوا بالسنة ولغة العرب في بيان مقاصدها.",
};
constexpr std::string_view kRulings[] = {
    "استنبط العلماء من هذه الآيات أحكاما تتصل بـ{M}.",
    "وفصلوا ذلك في كتب أحكام القرآن.",
};
constexpr std::string_view kLessons[] = {
    "من فوائد هذه الآيات الحث على {M}.",
    "ومنها أن القرآن يخاطب العقل والقلب معا.",
    "ومنها أن العمل الصالح ثمرة الإيمان الصادق.",
};

constexpr std::span<const std::string_view> kPools[] = {
    kOccasion, kMeaning, kExplanation, kRulings, kLessons,
};

} // namespace

std::string_view commentarySura(int n)
{
    return kSuras[static_cast<std::size_t>(n / 2)];
}

std::string commentaryHeading(int n)
{
    return "سورة " + std::string(commentarySura(n)) + "، المقطع " + std::to_string(n % 2 + 1);
}

std::vector<DemoFile> commentaryFiles()
{
    Prose prose(0x54414653); // "TAFS"
    ArticleFiles articles(5);
    for (int n = 0; n < kCommentaryCount; ++n) {
        const std::string sura(kSuras[static_cast<std::size_t>(n / 2)]);
        const Slots slots{{'S', sura}, {'M', std::string(prose.pick(kThemes))}};
        std::vector<Section> sections;
        for (const auto& pool : kPools)
            sections.push_back(Prose::wrap(prose.paragraph(pool, 1 + prose.below(3), slots)));
        if (n % 3 == 0)
            sections[0].clear(); // no occasion of revelation recorded
        articles.add(commentaryHeading(n), sections);
    }
    return {
        {"data\\1kenor618", articles.locators()},
        {"data\\1kenor619", articles.sectionList()},
        {"data\\kenor620", articles.data()},
    };
}

} // namespace ovta::demo
