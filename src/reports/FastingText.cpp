#include "reports/FastingText.h"

namespace veltrin {

ServiceRank RankOf(Sign highest) {
    switch (highest) {
        case kGreatFeastSign:
            return ServiceRank::kGreatFeast;
        case kVigilSign:
            return ServiceRank::kVigil;
        case kPolyeleosSign:
            return ServiceRank::kPolyeleos;
        case kGreatDoxologySign:
            return ServiceRank::kGreatDoxology;
        default:
            return ServiceRank::kPlain;
    }
}

std::string_view FastPeriodName(FastPeriod period) {
    switch (period) {
        case FastPeriod::kGreatLent:
            return "Великий пост";
        case FastPeriod::kApostles:
            return "Петров пост";
        case FastPeriod::kDormition:
            return "Успенский пост";
        case FastPeriod::kNativity:
            return "Рождественский (Филиппов) пост";
        case FastPeriod::kFastDay:
            return "Постный день";
        case FastPeriod::kStrictDay:
            return "Строгий пост";
        case FastPeriod::kCheesefare:
            return "Сырная седмица";
        case FastPeriod::kFastFree:
            return "Сплошная седмица";
        case FastPeriod::kSvyatki:
            return "Святки";
        default:
            return "";
    }
}

namespace {

const char* FoodText(Food food) {
    switch (food) {
        case Food::kNoFood:
            return "Воздержание от пищи.";
        case Food::kDryFood:
            return "Сухоядение.";
        case Food::kNoOil:
            return "Пища без растительного масла.";
        case Food::kOil:
            return "Пища с растительным маслом.";
        case Food::kCaviar:
            return "Разрешается икра.";
        case Food::kFish:
            return "Разрешается рыба.";
        case Food::kNoMeat:
            return "Мясо исключается.";
        default:
            return "Поста нет.";
    }
}

}  // namespace

std::string FastingText(const FastingRule& rule) {
    if (rule.period == FastPeriod::kNone) return {};
    const std::string_view name = FastPeriodName(rule.period);
    return name.empty() ? std::string(FoodText(rule.food))
                        : std::string(name) + ". " + FoodText(rule.food);
}

}  // namespace veltrin
