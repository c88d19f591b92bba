#include "line_check.h"

#include "decimal.h"
#include "instruction_table.h"
#include "keyword_groups.h"
#include "line_syntax.h"
#include "messages.h"

namespace vorn {
namespace {

// One side of a rectangle: what to call its faults and the total it is
// measured against.
struct Coordinate {
    std::string_view value;
    std::optional<std::int64_t> total;
    std::string_view notNumber;
    std::string_view outside;
    bool isPosition; // positions have a lower bound of 0, sizes have none
};

std::string checkRegisterRef(std::string_view reference, std::string_view registerTotal,
                             std::optional<std::int64_t> total) {
    const auto number = parseDecimal(reference.substr(1));
    if (!number) return std::string(message::kBadRegisterRef);
    if (total && *number > *total) return message::registerOutOfRange(registerTotal);
    return {};
}

std::string checkCoordinate(const Coordinate& c, const AdventureLimits& limits,
                            const LimitValues& values) {
    if (c.value.starts_with('#'))
        return checkRegisterRef(c.value, limits.registerTotal, values.registerTotal);
    const auto value = parseDecimal(c.value);
    if (!value || !c.total) return std::string(c.notNumber);
    if ((c.isPosition && *value < 0) || *value > *c.total) return std::string(c.outside);
    return {};
}

std::string checkArea(std::string_view x, std::string_view y, std::string_view width,
                      std::string_view height, const AdventureLimits& limits,
                      const LimitValues& values) {
    const Coordinate sides[] = {
        {x, values.totalWidth, message::kXNotNumber, message::kXOutside, true},
        {y, values.totalHeight, message::kYNotNumber, message::kYOutside, true},
        {width, values.totalWidth, message::kWidthNotNumber, message::kWidthTooLarge, false},
        {height, values.totalHeight, message::kHeightNotNumber, message::kHeightTooLarge, false},
    };
    for (const auto& side : sides) {
        std::string fault = checkCoordinate(side, limits, values);
        if (!fault.empty()) return fault;
    }
    return {};
}

std::string checkScreenElement(const SplitLine& split, const CheckContext& context) {
    const std::string_view kind = split.field(1);
    if (!isScreenElementKind(kind)) return std::string(message::kUnknownElementKind);
    if (const auto target = scriptTargetField(kind);
        target && !ScriptExists(context.scripts, split.field(*target)))
        return std::string(message::kNoTargetScript);
    return checkArea(split.field(2), split.field(3), split.field(4), split.field(5), context.limits,
                     context.values);
}

std::string checkLabelTarget(std::string_view name, const CheckContext& context) {
    if (LabelExists(context.work.labels, name)) return {};
    return std::string(message::kNoTargetLabel);
}

std::string checkConditional(const SplitLine& split, const CheckContext& context,
                             std::string message) {
    if (containsBlank(split.field(3))) return std::string(message::kEmbeddedKeywordBlank);
    const auto target = scriptTargetField(split.field(4));
    if (!target) return {};
    if (!ScriptExists(context.scripts, split.field(*target + kConditionalFieldShift)))
        return std::string(message::kNoTargetScript);
    return message;
}

std::string checkBareLine(std::string_view line, const CheckContext& context, std::size_t& index) {
    if (isBareWord(line) || line.starts_with(':')) return {};
    if (line != "boxon") return std::string(message::kUnknownInstruction);
    const std::size_t boxoff = nextBoxoff(context.work, index);
    if (boxoff == WorkCopy::kNone) return std::string(message::kBoxonNotClosed);
    index = boxoff;
    return {};
}

} // namespace

CheckContext makeCheckContext(std::vector<std::string> text, AdventureLimits limits,
                              const std::vector<std::string>& scriptNames) {
    return makeCheckContext(std::move(text), std::move(limits), ScriptNameSet(scriptNames));
}

CheckContext makeCheckContext(std::vector<std::string> text, AdventureLimits limits,
                              ScriptNameSet scripts) {
    LimitValues values = limitValues(limits);
    return CheckContext{makeWorkCopy(std::move(text)), std::move(scripts), std::move(limits),
                        values};
}

LimitValues limitValues(const AdventureLimits& limits) {
    return {parseDecimal(limits.totalWidth), parseDecimal(limits.totalHeight),
            parseDecimal(limits.registerTotal)};
}

std::string CheckRegisterRef(std::string_view reference, std::string_view registerTotal) {
    return checkRegisterRef(reference, registerTotal, parseDecimal(registerTotal));
}

std::string CheckArea(std::string_view x, std::string_view y, std::string_view width,
                      std::string_view height, const AdventureLimits& limits) {
    return checkArea(x, y, width, height, limits, limitValues(limits));
}

std::string CheckLine(std::string_view line, const CheckContext& context, std::size_t& index) {
    if (line.ends_with(':')) return message::labelSyntax(line.substr(0, line.size() - 1));
    if (!containsBlank(line)) return checkBareLine(line, context, index);

    const SplitLine split = splitLine(line);
    // A keyword outside the table is reported unless its group's own check
    // has the last word (area lines such as "video=" are judged by their
    // rectangle alone), so the table is only consulted where it may speak.
    const KeywordGroup group = keywordGroup(split.keyword);
    std::string message;
    if ((group == KeywordGroup::None || group == KeywordGroup::Conditional) &&
        !IsInstruction(split.keyword))
        message = message::kUnknownInstruction;
    switch (group) {
    case KeywordGroup::ScreenElement:
        return checkScreenElement(split, context);
    case KeywordGroup::Area:
        return checkArea(split.field(1), split.field(2), split.field(3), split.field(4),
                         context.limits, context.values);
    case KeywordGroup::LabelField1:
        return checkLabelTarget(split.field(1), context);
    case KeywordGroup::LabelField2:
        return checkLabelTarget(split.field(2), context);
    case KeywordGroup::LabelField3:
        return checkLabelTarget(split.field(3), context);
    case KeywordGroup::Conditional:
        return checkConditional(split, context, std::move(message));
    case KeywordGroup::None:
        break;
    }
    return message;
}

} // namespace vorn
