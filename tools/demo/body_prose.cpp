#include "demo/body_prose.h"

#include <span>

namespace ovta::demo {

namespace {

// Each subject has three pools: the opening, the matter, and the close.
struct Pools {
    std::span<const std::string_view> opening, matter, close;
};

constexpr std::string_view kCreedOpening[] = {
    "يتناول هذا الموضوع {T}، وهو من مسائل {B} التي عني بها العلماء.",
    "ويبين أهل العلم هذه المسألة بأدلة من الكتاب والسنة وأقوال السلف.",
    "والعقيدة الصحيحة أساس العمل، ولذلك قدمها العلماء في التعليم.",
    "ويحرص المعلم على عرضها بعبارة واضحة تناسب المبتدئ.",
    "وقد أفرد لها بعض العلماء رسائل مستقلة.",
};
constexpr std::string_view kCreedMatter[] = {
    "ويقرر العلماء في {T} أصولا متفقا عليها بين أهل السنة.",
    "ويستدلون لها بالنصوص الصريحة، ويجمعون بينها وبين ما قد يوهم التعارض.",
    "ويحذرون من الغلو والتفريط في هذا الباب.",
    "ويرجعون في فهم النصوص إلى فهم الصحابة والتابعين.",
    "ويجتنبون الخوض فيما لا علم للعبد به.",
};
constexpr std::string_view kCreedClose[] = {
    "ومن ثمرات معرفة {T} أن يزداد المؤمن يقينا وطمأنينة.",
    "وأن يقوى تعلقه بربه في السراء والضراء.",
    "وأن يستقيم سلوكه على ما يحبه الله ويرضاه.",
    "ولهذا كان العلم بالعقيدة أشرف العلوم وأولاها بالعناية.",
};

constexpr std::string_view kHistoryOpening[] = {
    "يتناول هذا الفصل {T}، وهو من موضوعات {B}.",
    "وقد حفظت كتب التاريخ أخبار هذه المرحلة بروايات متعددة.",
    "ويعتمد المؤرخون في دراستها على المصادر المتقدمة، ويقارنون بين رواياتها.",
    "وتكشف أحداثها عن سنن ثابتة في قيام الدول وضعفها.",
};
constexpr std::string_view kHistoryMatter[] = {
    "وشهدت هذه المرحلة تحولات سياسية واقتصادية واسعة.",
    "واتسعت فيها رقعة البلاد، وازدهرت المدن والأسواق.",
    "وعني الحكام فيها ببناء المساجد والمدارس وتنظيم الدواوين.",
    "ونشطت حركة العلم والتأليف والترجمة.",
    "ولم تخل من فتن واضطرابات أثرت في مسار الأحداث.",
};
constexpr std::string_view kHistoryClose[] = {
    "ومن دروس {T} أن العدل أساس الملك.",
    "وأن الفرقة والتنازع من أسباب الضعف.",
    "وأن العلم والعمران من أعظم ما تخلده الأمم.",
    "ويحسن بالقارئ أن يرجع إلى المصادر المطولة لمعرفة التفاصيل.",
};

constexpr std::string_view kBiographyOpening[] = {
    "يتناول هذا الموضوع {T} من أحداث السيرة النبوية.",
    "وقد روى أهل السير أخبار هذا الحدث، وتناقلها العلماء جيلا بعد جيل.",
    "وتذكر كتب السيرة تفاصيله بروايات يكمل بعضها بعضا.",
    "ويحرص المحققون على تمييز الصحيح من هذه الروايات.",
};
constexpr std::string_view kBiographyMatter[] = {
    "وكان لهذا الحدث أثر واضح في مسيرة الدعوة الإسلامية.",
    "وظهرت فيه حكمة النبي صلى الله عليه وسلم في معالجة الأمور.",
    "وشارك فيه عدد من الصحابة رضي الله عنهم بما يستطيعون.",
    "وتتابعت بعده أحداث مهمة بنيت عليه.",
};
constexpr std::string_view kBiographyClose[] = {
    "ومن الدروس المستفادة من {T} الصبر على الحق.",
    "والأخذ بالأسباب مع التوكل على الله.",
    "والرحمة بالناس والحرص على هدايتهم.",
    "ولذلك يدرسه المسلمون للقدوة والاعتبار.",
};

constexpr std::string_view kQuranOpening[] = {
    "يتناول هذا المبحث {T}، وهو من أبواب {B}.",
    "وقد صنف العلماء في هذا العلم مصنفات كثيرة بين مختصر ومطول.",
    "ويحتاج إليه المفسر والفقيه وكل من يتدبر القرآن.",
    "ويعرض هنا عرضا موجزا يعين على فهمه.",
};
constexpr std::string_view kQuranMatter[] = {
    "ويذكر العلماء في {T} أقساما وضوابط استخرجوها بالاستقراء.",
    "ويمثلون لكل قسم بأمثلة من آيات الكتاب.",
    "ويبينون ما اتفقوا عليه وما اختلفوا فيه.",
    "ويعتمدون في ذلك على الرواية الصحيحة والنظر في اللغة.",
};
constexpr std::string_view kQuranClose[] = {
    "ومن فوائد معرفة {T} حسن فهم كلام الله.",
    "والسلامة من الخطأ في التفسير والاستنباط.",
    "والوقوف على شيء من أسرار البيان القرآني.",
};

constexpr std::string_view kPrinciplesOpening[] = {
    "يتناول هذا المبحث {T} من مباحث {B}.",
    "وعلم أصول الفقه هو الميزان الذي تضبط به طرق الاستنباط.",
    "ويقرر الأصوليون قواعده بالنظر في النصوص واللغة ومقاصد الشريعة.",
    "ويختلفون في بعض تفاصيله اختلافا يظهر أثره في الفروع.",
};
constexpr std::string_view kPrinciplesMatter[] = {
    "ويعرف الأصوليون {T} بتعريفات متقاربة.",
    "ثم يذكرون أدلته وشروطه وما يرد عليه من اعتراضات.",
    "ويمثلون له بأمثلة من أبواب الفقه المختلفة.",
    "ويبينون الفرق بينه وبين ما يشتبه به.",
};
constexpr std::string_view kPrinciplesClose[] = {
    "ومن أثر الخلاف في {T} اختلاف الفقهاء في فروع كثيرة.",
    "ولذلك عني طالب العلم بضبط هذه المسألة وتحريرها.",
    "ويرجع في تفصيلها إلى كتب الأصول المعتمدة.",
};

constexpr std::string_view kSectsOpening[] = {
    "يتناول هذا الموضوع {T} كما عرضها أصحاب كتب المقالات.",
    "ويعتمد هذا العرض على ما نقله المؤرخون والمصنفون في الفرق.",
    "ويتحرى الدارس العدل في النقل والإنصاف في الحكم.",
    "فلا ينسب إلى فرقة إلا ما ثبت عنها من أقوال أصحابها.",
};
constexpr std::string_view kSectsMatter[] = {
    "وقد ارتبطت نشأة الفرق بظروف سياسية وفكرية مرت بها الأمة.",
    "وتعددت آراؤها في مسائل الإمامة والإيمان والقدر والصفات.",
    "وتفرع عن بعضها طوائف اختلفت فيما بينها.",
    "وبقي أكثر ما يعرف عنها منقولا في كتب مخالفيها.",
};
constexpr std::string_view kSectsClose[] = {
    "والغرض من دراسة {T} معرفة الحق والحذر من أسباب الفرقة.",
    "والدعوة إلى الاجتماع على الكتاب والسنة.",
    "ويرجع في التفصيل إلى كتب المقالات والعقائد.",
};

// The end of a long text, whatever its subject.
constexpr std::string_view kStudy[] = {
    "وقد اختصر هذا العرض ليناسب القارئ غير المتخصص.",
    "ومن أراد التوسع فليرجع إلى المصادر المطولة في هذا الباب.",
    "وتذكر المصادر أقوالا أخرى لا يتسع المقام لبسطها.",
    "ويحسن بطالب العلم أن يقرأ هذه المسائل على شيخ متقن.",
    "فإن العلم يؤخذ بالتلقي والمدارسة قبل المطالعة المنفردة.",
    "وقد جرت عادة العلماء أن يبدؤوا بالمختصرات ثم يتدرجوا إلى المطولات.",
    "فيحفظ الطالب متنا موجزا، ثم يقرأ شرحه، ثم ينظر في الحواشي والتعليقات.",
    "ويقيد ما يستفيده في دفتر خاص يرجع إليه عند الحاجة.",
    "ويتجنب التعصب لقول بعينه ما لم يظهر له دليله.",
    "ويحسن الظن بالعلماء وإن خالف قولهم ما ترجح عنده.",
    "ويجعل غايته من العلم العمل به ونفع الناس.",
    "والله أعلم بالصواب.",
};

Pools poolsOf(Subject s)
{
    switch (s) {
    case Subject::Creed: return {kCreedOpening, kCreedMatter, kCreedClose};
    case Subject::History: return {kHistoryOpening, kHistoryMatter, kHistoryClose};
    case Subject::Biography: return {kBiographyOpening, kBiographyMatter, kBiographyClose};
    case Subject::QuranSciences: return {kQuranOpening, kQuranMatter, kQuranClose};
    case Subject::Principles: return {kPrinciplesOpening, kPrinciplesMatter, kPrinciplesClose};
    case Subject::Sects: break;
    }
    return {kSectsOpening, kSectsMatter, kSectsClose};
}

void addParagraph(std::vector<std::string>& lines, const std::string& paragraph)
{
    for (auto& line : Prose::wrap(paragraph, kBodyLineWidth))
        lines.push_back(std::move(line));
}

} // namespace

const std::vector<std::string_view>& standardSubHeadings(Subject subject)
{
    static const std::vector<std::string_view> creed{"تعريف {P}", "أدلة {P}", "مسائل {P}",
                                                     "ثمرات {P}"};
    static const std::vector<std::string_view> history{"نشأة {P}", "أبرز حكام {P}",
                                                       "الحضارة في عهد {P}", "سقوط {P}"};
    static const std::vector<std::string_view> biography{"أسباب {P}", "أحداث {P}", "نتائج {P}",
                                                         "الدروس المستفادة من {P}"};
    static const std::vector<std::string_view> quran{"تعريف {P}", "أنواع {P}", "فوائد معرفة {P}",
                                                     "المؤلفات في {P}"};
    static const std::vector<std::string_view> principles{"تعريف {P}", "حجية {P}", "أقسام {P}",
                                                          "شروط {P}", "أمثلة {P}"};
    static const std::vector<std::string_view> sects{"نشأة {P}", "أصول {P}", "فرق {P}",
                                                     "انتشار {P}", "مناقشة {P}"};
    switch (subject) {
    case Subject::Creed: return creed;
    case Subject::History: return history;
    case Subject::Biography: return biography;
    case Subject::QuranSciences: return quran;
    case Subject::Principles: return principles;
    case Subject::Sects: break;
    }
    return sects;
}

std::vector<std::string> bodyText(Prose& prose, Subject subject, BodySize size,
                                  std::string_view title, std::string_view book)
{
    const Slots slots{{'T', std::string(title)}, {'B', std::string(book)}};
    const Pools pools = poolsOf(subject);
    std::vector<std::string> lines;
    switch (size) {
    case BodySize::Empty: break;
    case BodySize::OneLine: lines.push_back(Prose::fill("انظر تفصيل {T} في موضعه.", slots)); break;
    case BodySize::Short:
        addParagraph(lines, prose.paragraph(pools.opening, 2 + prose.below(2), slots));
        break;
    case BodySize::Full:
        addParagraph(lines, prose.paragraph(pools.opening, 2 + prose.below(3), slots));
        addParagraph(lines, prose.paragraph(pools.matter, 2 + prose.below(3), slots));
        if (prose.below(2) == 0)
            addParagraph(lines, prose.paragraph(pools.close, 1 + prose.below(3), slots));
        break;
    case BodySize::Long:
        for (const auto pool : {pools.opening, pools.matter, pools.close})
            addParagraph(lines, prose.paragraph(pool, static_cast<int>(pool.size()), slots));
        addParagraph(lines, prose.paragraph(kStudy, static_cast<int>(std::size(kStudy)), slots));
        break;
    }
    return lines;
}

} // namespace ovta::demo
