#include "demo/fiqh_catalogue.h"

#include <array>

namespace ovta::demo {

namespace {

constexpr std::string_view kPurity[] = {
    "المياه وأقسامها", "النجاسات وإزالتها", "آداب قضاء الحاجة",
    "الوضوء",          "المسح على الخفين",  "الغسل",
    "التيمم",          "الحيض والنفاس",
};
constexpr std::string_view kPrayer[] = {
    "مواقيت الصلاة", "الأذان والإقامة", "شروط الصلاة",  "أركان الصلاة", "سنن الصلاة",
    "مبطلات الصلاة", "سجود السهو",      "صلاة الجماعة", "صلاة المسافر", "صلاة الجمعة",
};
constexpr std::string_view kZakat[] = {
    "شروط وجوب الزكاة",  "زكاة النقدين", "زكاة الأنعام", "زكاة الزروع والثمار",
    "زكاة عروض التجارة", "مصارف الزكاة", "زكاة الفطر",
};
constexpr std::string_view kFasting[] = {
    "ثبوت دخول الشهر", "أركان الصيام", "مفسدات الصيام", "أهل الأعذار",
    "القضاء والكفارة", "صيام التطوع",  "الاعتكاف",
};
constexpr std::string_view kPilgrimage[] = {
    "شروط وجوب الحج", "المواقيت",   "الإحرام ومحظوراته", "الطواف", "السعي",
    "الوقوف بعرفة",   "رمي الجمار", "الهدي والفدية",     "العمرة",
};
constexpr std::string_view kTrade[] = {
    "أركان البيع وشروطه", "الخيارات", "الربا", "السلم", "الإجارة", "الشركة", "الرهن", "الوكالة",
};
constexpr std::string_view kFamily[] = {
    "الخطبة", "أركان النكاح", "الولاية في النكاح", "المهر", "النفقة", "الطلاق", "الخلع",
    "العدة",  "الرضاع",       "الحضانة",
};
constexpr std::string_view kInheritance[] = {
    "أسباب الإرث وموانعه",
    "الوارثون من الرجال",
    "الوارثات من النساء",
    "أصحاب الفروض",
    "العصبات",
    "الحجب",
    "العول والرد",
};
constexpr std::string_view kCrimes[] = {
    "القصاص", "الديات", "حد السرقة", "حد القذف", "التعزير",
};
constexpr std::string_view kOaths[] = {
    "أنواع اليمين",
    "كفارة اليمين",
    "النذر وأقسامه",
    "الوفاء بالنذر",
};

constexpr std::array<std::span<const std::string_view>, 10> kTopics{
    kPurity, kPrayer, kZakat, kFasting, kPilgrimage, kTrade, kFamily, kInheritance, kCrimes, kOaths,
};
constexpr std::array<std::string_view, 10> kTitles{
    "الطهارة",          "الصلاة",          "الزكاة",         "الصيام",
    "الحج والعمرة",     "البيوع",          "النكاح والأسرة", "الفرائض والمواريث",
    "الجنايات والحدود", "الأيمان والنذور",
};

constexpr std::array<FiqhChapter, 10> chapters()
{
    std::array<FiqhChapter, 10> out{};
    int first = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = {kTitles[i], kTopics[i], first};
        first += static_cast<int>(kTopics[i].size());
    }
    return out;
}

constexpr auto kChapters = chapters();

} // namespace

std::span<const FiqhChapter> fiqhChapters()
{
    return kChapters;
}

int fiqhTopicCount()
{
    return kChapters.back().firstTopic + static_cast<int>(kChapters.back().topics.size());
}

std::string_view schoolName(School school)
{
    switch (school) {
    case School::Hanafi: return "الحنفية";
    case School::Shafii: return "الشافعية";
    case School::Maliki: break;
    }
    return "المالكية";
}

} // namespace ovta::demo
