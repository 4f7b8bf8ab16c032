#include "demo/shelf_prose.h"

#include <span>

namespace ovta::demo {

namespace {

constexpr std::string_view kText[] = {
    "{T} من مسائل باب {B}، وله أحكام يذكرها أصحاب المتون باختصار.",
    "ويجب فيه ما نص عليه أئمة {M}، ويستحب ما سوى ذلك.",
    "ولا يصح إلا ممن توفرت فيه الأهلية وتحققت شروطه.",
    "والمعتمد في المذهب ما عليه الفتوى عند {M}.",
    "ويعذر فيه من عجز عنه بما يقدر عليه.",
};
constexpr std::string_view kCommentary[] = {
    "قوله في {T}: أراد به المصنف بيان أصل المسألة قبل فروعها.",
    "وقد استدل له الشارح بأدلة من الكتاب والسنة.",
    "وذكر أن في المذهب روايتين، والمعتمد ما رجحه المتأخرون من {M}.",
    "ثم بين وجه القول الآخر وأجاب عنه.",
    "وهذا الشرح يقرب عبارة المتن ويحل ألفاظه.",
};
constexpr std::string_view kSummary[] = {
    "خلاصة {T} عند {M} في سطور.",
    "الحكم مشروع في الجملة، وتفصيله في المطولات.",
    "والشروط والأركان مذكورة في موضعها من المتن.",
    "وهذا المختصر للحفظ والمراجعة.",
};
constexpr std::string_view kGloss[] = {
    "قوله في {T}: هذه حاشية على كلام الشارح في باب {B}.",
    "والمراد بها تحرير ما أجمله الشارح وبيان ما أشكل من عبارته.",
    "وفيه تنبيه على قيد أغفله بعض النساخ.",
    "وقد نقل المحشي هنا كلام متأخري {M} ووازن بينه.",
    "فليتأمل هذا الموضع فإنه دقيق.",
};
constexpr std::string_view kRulings[] = {
    "سئل عن مسألة في {T} من باب {B}، فأجاب بما عليه الفتوى عند {M}.",
    "وبين أن الحكم يختلف باختلاف حال السائل وظروفه.",
    "ونبه على أن الاحتياط في العبادات أولى.",
    "وذكر أن المستفتي يعمل بقول من يثق بعلمه ودينه.",
    "والله أعلم.",
};
constexpr std::string_view kCases[] = {
    "نازلة في {T} وقعت في بعض البلدان، فاختلف فيها فقهاء {M}.",
    "وكان سببها تغير العرف وظهور معاملات لم تعرف من قبل.",
    "وخرجها بعضهم على أصول المذهب، وتوقف فيها آخرون.",
    "والعمل فيها على ما يحقق مصالح الناس ولا يخالف النص.",
};
constexpr std::string_view kGeneral[] = {
    "{T}: مدخل عام يجمع أقوال المذاهب الفقهية في مسائل هذا الباب.",
    "اتفق الفقهاء على أصل المسألة، واختلفوا في تفاصيلها.",
    "ويرجع الخلاف إلى اختلافهم في فهم النصوص وتقديم بعض الأدلة على بعض.",
    "وقد عرضت هذه الأقوال دون ترجيح، ليقف القارئ على أدلة كل فريق.",
    "وتجد تفصيل كل مذهب في كتبه المعتمدة على رف هذه الموسوعة.",
};
// The close of a long article, whatever its kind.
constexpr std::string_view kClose[] = {
    "وفي المسألة تفصيل طويل ذكره المتأخرون في كتبهم.",
    "ويحسن بالقارئ أن يرجع إلى الشروح والحواشي لمعرفة القيود.",
    "ولا ينبغي لغير المتأهل أن يستقل بالترجيح بين الأقوال.",
    "وقد نقلنا هنا ما يكفي للتعريف بالمسألة وبيان مأخذها.",
    "والله أعلم بالصواب، وإليه المرجع والمآب.",
};

std::span<const std::string_view> poolOf(ShelfKind kind)
{
    switch (kind) {
    case ShelfKind::Text: return kText;
    case ShelfKind::Commentary: return kCommentary;
    case ShelfKind::Summary: return kSummary;
    case ShelfKind::Gloss: return kGloss;
    case ShelfKind::Rulings: return kRulings;
    case ShelfKind::Cases: return kCases;
    case ShelfKind::General: break;
    }
    return kGeneral;
}

void addParagraph(std::vector<std::string>& lines, const std::string& paragraph)
{
    for (auto& line : Prose::wrap(paragraph, kShelfLineWidth))
        lines.push_back(std::move(line));
}

} // namespace

const std::vector<std::string_view>& shelfSubHeadings(ShelfKind kind)
{
    static const std::vector<std::string_view> text{
        "تعريف {P}",
        "حكم {P}",
        "أدلة {P}",
        "شروط {P}",
        "تفصيل أحكام {P}",
        "ما يتعلق ب{P} من المسائل",
        "الخلاف في {P}",
        "الراجح في مسائل {P}",
        "مسائل متفرقة في {P}",
    };
    static const std::vector<std::string_view> commentary{
        "شرح قول المصنف في {P}", "أدلة المذهب في {P}", "الخلاف داخل المذهب في {P}",
        "تنبيهات على {P}"};
    static const std::vector<std::string_view> summary{"خلاصة {P}"};
    static const std::vector<std::string_view> gloss{"قوله في {P}", "تحرير مسألة {P}",
                                                     "فوائد في {P}"};
    static const std::vector<std::string_view> rulings{"فتوى في {P}", "فتوى أخرى في {P}",
                                                       "جواب عن إشكال في {P}"};
    static const std::vector<std::string_view> cases{"نازلة في {P}", "نازلة معاصرة في {P}"};
    switch (kind) {
    case ShelfKind::Text: return text;
    case ShelfKind::Commentary: return commentary;
    case ShelfKind::Summary: return summary;
    case ShelfKind::Gloss: return gloss;
    case ShelfKind::Rulings: return rulings;
    case ShelfKind::Cases: return cases;
    case ShelfKind::General: break;
    }
    static const std::vector<std::string_view> none;
    return none;
}

std::vector<std::string> shelfArticleText(Prose& prose, ShelfKind kind, const ShelfArticle& a)
{
    const Slots slots{
        {'T', std::string(a.topic)}, {'B', std::string(a.chapter)}, {'M', std::string(a.school)}};
    const auto pool = poolOf(kind);
    std::vector<std::string> lines{std::string(a.heading)};
    if (a.longText) {
        addParagraph(lines, prose.paragraph(pool, static_cast<int>(pool.size()), slots));
        addParagraph(lines,
                     prose.paragraph(kGeneral, static_cast<int>(std::size(kGeneral)), slots));
        addParagraph(lines, prose.paragraph(kClose, static_cast<int>(std::size(kClose)), slots));
        addParagraph(lines, prose.paragraph(kCommentary, 4, slots));
        return lines;
    }
    addParagraph(lines, prose.paragraph(pool, 2 + prose.below(2), slots));
    if (prose.below(3) == 0)
        addParagraph(lines, prose.paragraph(kClose, 1 + prose.below(2), slots));
    return lines;
}

} // namespace ovta::demo
