#include "demo/recitation.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>
#include <string>

#include "demo/book_files.h"
#include "demo/chant.h"
#include "demo/prose.h"
#include "demo/reading_files.h"
#include "demo/wav_file.h"

namespace ovta::demo {

namespace {

// Marks: F the sura with the most passages the chooser holds, N no
// passages, L a long text, 0 no text. One passage goes seven levels deep
// into the rules of recitation it shows; nodes below level 5 keep their
// passages, which the screen does not offer.
constexpr std::string_view kOutline = R"(
جزء عم
  سورة النبأ
    المقطع الأول
    المقطع الثاني
  سورة النازعات
  سورة عبس
  سورة التكوير
  سورة الانفطار
  سورة المطففين
  سورة الانشقاق
  سورة البروج
  سورة الطارق
  سورة الأعلى
  سورة الغاشية
  سورة الفجر
    المقطع الأول
    المقطع الثاني
    المقطع الثالث
  سورة البلد
  سورة الشمس
  سورة الليل
  سورة الضحى
  سورة الشرح
  سورة التين
  سورة العلق
  سورة القدر
  سورة البينة
  سورة الزلزلة
  سورة العاديات
  سورة القارعة
  سورة التكاثر
  سورة العصر |0
  سورة الهمزة
  سورة الفيل
  سورة قريش
  سورة الماعون
  سورة الكوثر
  سورة الكافرون
  سورة النصر
  سورة المسد
  سورة الإخلاص
  سورة الفلق
  سورة الناس
جزء تبارك
  سورة الملك
    المقطع الأول
      أحكام التجويد في المقطع
        أحكام النون الساكنة والتنوين
          الإظهار
          الإدغام
            الإدغام بغنة
            الإدغام بغير غنة
          الإخفاء
          الإقلاب |0
        أحكام المدود
          المد الطبيعي
          المد المتصل
            مقدار المد المتصل
    المقطع الثاني
  سورة القلم
  سورة الحاقة
  سورة المعارج
  سورة نوح
  سورة الجن
  سورة المزمل
  سورة المدثر
  سورة القيامة
  سورة الإنسان
  سورة المرسلات
سور مختارة |N
  سورة الفاتحة |F
  سورة يس
  سورة الرحمن
  سورة الواقعة
  سورة الكهف |L
)";

constexpr std::string_view kSura[] = {
    "تعرض هذه التلاوة {T} بصوت مرتل هادئ.",
    "ويحسن بالمستمع أن يتابع الآيات في المصحف وهو يستمع.",
    "ويراعي القارئ فيها أحكام التجويد من مد وغنة وإظهار وإخفاء.",
    "ويقف عند رؤوس الآيات، ثم يصل بما بعدها.",
    "واختيرت مقاطعها لتعين على الحفظ والمراجعة.",
};
constexpr std::string_view kPassage[] = {
    "يضم {T} آيات متتابعة من السورة، تتلى في نفس واحد أو نفسين.",
    "ويستمع الطالب إلى المقطع، ثم يعيده محاكيا القارئ.",
    "فإذا أتقنه انتقل إلى المقطع الذي يليه.",
};
constexpr std::string_view kRule[] = {
    "{T} من أحكام التجويد التي تظهر في هذا المقطع.",
    "ويتعلمها القارئ بالسماع والمشافهة قبل حفظ القواعد.",
    "ويعين الاستماع المتكرر على ضبطها في مواضعها.",
    "ويرجع في تفصيلها إلى كتب التجويد المعتمدة.",
};
constexpr std::string_view kMemorising[] = {
    "ويستحسن أن يستمع الطالب إلى التلاوة كاملة قبل أن يبدأ بالمقاطع.",
    "ثم يحفظ كل مقطع منها على حدة.",
    "ويعيد كل مقطع مرات حتى يستقيم لسانه عليه.",
    "ويربط آخر المقطع بأول الذي يليه حتى تتصل السورة في حفظه.",
    "ويراجع ما حفظه في اليوم التالي قبل أن يبدأ بجديد.",
    "ويستعين بمن يسمع منه ليصحح له ما يخطئ فيه.",
};
constexpr std::string_view kManners[] = {
    "وقراءة القرآن عبادة يؤجر عليها المسلم.",
    "والترتيل تلاوة بتؤدة وطمأنينة مع تدبر المعاني.",
    "ومن آداب التلاوة الطهارة واستقبال القبلة وحسن الإنصات.",
    "ومن آداب الاستماع الخشوع وترك الحديث.",
    "ويستحب تحسين الصوت بالقراءة من غير تكلف ولا تمطيط.",
    "ويبدأ القارئ بالاستعاذة، ويبسمل في أول كل سورة إلا سورة التوبة.",
    "ويحسن الوقف على رؤوس الآي وعلى ما تم معناه.",
    "ولا يقطع القراءة لحديث إلا لحاجة، ثم يستعيذ إذا عاد إليها.",
};

constexpr int kPassageCapacity = 13;

void addParagraph(std::vector<std::string>& lines, const std::string& paragraph)
{
    for (auto& line : Prose::wrap(paragraph, 58))
        lines.push_back(std::move(line));
}

std::vector<std::string> bodyOf(Prose& prose, const OutlineNode& n)
{
    const Slots slots{{'T', n.title}};
    std::vector<std::string> lines;
    if (n.mark == '0')
        return lines;
    if (n.mark == 'L') {
        using Pool = std::span<const std::string_view>;
        for (const Pool pool : {Pool(kSura), Pool(kMemorising), Pool(kManners)})
            addParagraph(lines, prose.paragraph(pool, static_cast<int>(pool.size()), slots));
        return lines;
    }
    using Pool = std::span<const std::string_view>;
    const Pool pool = n.level <= 2 ? Pool(kSura) : (n.level == 3 ? Pool(kPassage) : Pool(kRule));
    addParagraph(lines,
                 prose.paragraph(pool, 1 + prose.below(static_cast<int>(pool.size())), slots));
    if (n.level <= 2 && prose.below(2) == 0)
        addParagraph(lines, prose.paragraph(kManners, 1 + prose.below(3), slots));
    return lines;
}

// The passages of node i: first and last segment, (0, 0) for none. Nodes
// of one level take turns through the segments, so that neighbours play
// different passages.
std::pair<int, int> passagesOf(const OutlineNode& n, int ordinal)
{
    if (n.mark == 'N')
        return {0, 0};
    if (n.mark == 'F')
        return {1, kPassageCapacity};
    switch (n.level) {
    case 1: return ordinal == 0 ? std::pair{14, kRecitationSegments} : std::pair{1, 4};
    case 2: {
        if (ordinal % 7 == 6)
            return {0, 0};
        const int first = 1 + (3 * ordinal) % (kRecitationSegments - 2);
        return {first, first + ordinal % 3};
    }
    case 3: {
        const int s = 1 + (5 * ordinal) % kRecitationSegments;
        return {s, s};
    }
    default: {
        const int first = 1 + (2 * ordinal) % (kRecitationSegments - 1);
        return {first, first + 1};
    }
    }
}

std::vector<std::int16_t> toPcm(const Mix& mix)
{
    double peak = 1e-9;
    for (const double s : mix)
        peak = std::max(peak, std::abs(s));
    const double gain = 0.7 * 32767.0 / peak;
    std::vector<std::int16_t> pcm(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i)
        pcm[i] = static_cast<std::int16_t>(std::clamp(std::lround(mix[i] * gain), -32767L, 32767L));
    return pcm;
}

} // namespace

Recitation renderRecitation()
{
    DemoRandom random(0x54494C4157415441ULL); // "TILAWATA"
    const double tonic = 146.83;              // D3
    const auto at = [](double seconds) {
        return static_cast<std::size_t>(seconds * kRecitationRate);
    };
    const double lead = 0.3, gap = 0.45, echo = 0.25;
    std::vector<std::vector<ChantNote>> phrases;
    double seconds = lead;
    for (int s = 0; s < kRecitationSegments; ++s) {
        phrases.push_back(chantPhrase(random, 6 + static_cast<int>(random.next() % 4)));
        for (const auto& note : phrases.back())
            seconds += note.seconds;
        seconds += gap;
    }
    Mix mix(at(seconds + 0.5), 0.0);
    Recitation out;
    std::size_t start = at(lead);
    for (const auto& phrase : phrases) {
        const std::size_t length =
            addChantPhrase(mix, start, phrase, tonic, kRecitationRate, random);
        const auto ms = [](std::size_t samples) {
            return static_cast<int>(samples * 1000 / kRecitationRate);
        };
        out.segments.push_back(
            {std::max(0, ms(start) - 100), ms(start + length) + static_cast<int>(echo * 1000)});
        start += length + at(gap);
    }
    addRoom(mix, kRecitationRate);
    out.samples = toPcm(mix);
    return out;
}

std::vector<DemoFile> recitationFiles()
{
    const Recitation sound = renderRecitation();
    std::string segments;
    for (const auto& s : sound.segments)
        segments += fields({s.startMs, s.endMs});

    const Outline outline = parseOutline(kOutline);
    Prose prose(0x5449524C); // "TIRL"
    std::string tree;
    TitleData titles;
    TextData bodies;
    int ordinals[11] = {};
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const OutlineNode& n = outline[i];
        const auto [first, last] = passagesOf(n, ordinals[n.level]++);
        const auto [titleAt, titleLength] = titles.add(n.title);
        const auto [bodyAt, bodyLength] = bodies.add(bodyOf(prose, n));
        // Field 1 is not read; it holds the node's number.
        tree += fields({static_cast<std::int64_t>(i + 1), titleAt, titleLength, bodyAt, bodyLength,
                        n.level, last, first});
    }
    return {
        {"data\\1kenor69", tree},
        {"data\\kenor610", titles.bytes()},
        {"data\\kenor611", bodies.bytes()},
        {"data\\1kenor612", segments},
        {"data1\\kenor01.wav", pcm16Wav(sound.samples, kRecitationRate, 1)},
    };
}

} // namespace ovta::demo
