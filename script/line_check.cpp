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
    std::string_view total;
    std::string_view notNumber;
    std::string_view outside;
    bool isPosition; // positions have a lower bound of 0, sizes have none
};

std::string checkCoordinate(const Coordinate& c, std::string_view registerTotal) {
    if (c.value.starts_with('#')) return CheckRegisterRef(c.value, registerTotal);
    const auto value = parseDecimal(c.value);
    const auto total = parseDecimal(c.total);
    if (!value || !total) return std::string(c.notNumber);
    if ((c.isPosition && *value < 0) || *value > *total) return std::string(c.outside);
    return {};
}

std::string checkScreenElement(const SplitLine& split, const CheckContext& context) {
    const std::string_view kind = split.field(1);
    if (!isScreenElementKind(kind)) return std::string(message::kUnknownElementKind);
    if (const auto target = scriptTargetField(kind);
        target && !ScriptExists(context.scripts, split.field(*target)))
        return std::string(message::kNoTargetScript);
    return CheckArea(split.field(2), split.field(3), split.field(4), split.field(5),
                     context.limits);
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
    const std::size_t boxoff = context.work.nextBoxoff[index];
    if (boxoff == WorkCopy::kNone) return std::string(message::kBoxonNotClosed);
    index = boxoff;
    return {};
}

} // namespace

CheckContext makeCheckContext(std::vector<std::string> text, AdventureLimits limits,
                              const std::vector<std::string>& scriptNames) {
    return CheckContext{makeWorkCopy(std::move(text)), ScriptNameSet(scriptNames),
                        std::move(limits)};
}

std::string CheckRegisterRef(std::string_view reference, std::string_view registerTotal) {
    const auto number = parseDecimal(reference.substr(1));
    if (!number) return std::string(message::kBadRegisterRef);
    const auto total = parseDecimal(registerTotal);
    if (total && *number > *total) return message::registerOutOfRange(registerTotal);
    return {};
}

std::string CheckArea(std::string_view x, std::string_view y, std::string_view width,
                      std::string_view height, const AdventureLimits& limits) {
    const Coordinate sides[] = {
        {x, limits.totalWidth, message::kXNotNumber, message::kXOutside, true},
        {y, limits.totalHeight, message::kYNotNumber, message::kYOutside, true},
        {width, limits.totalWidth, message::kWidthNotNumber, message::kWidthTooLarge, false},
        {height, limits.totalHeight, message::kHeightNotNumber, message::kHeightTooLarge, false},
    };
    for (const auto& side : sides) {
        std::string fault = checkCoordinate(side, limits.registerTotal);
        if (!fault.empty()) return fault;
    }
    return {};
}

std::string CheckLine(std::string_view line, const CheckContext& context, std::size_t& index) {
    if (line.ends_with(':')) return message::labelSyntax(line.substr(0, line.size() - 1));
    if (!containsBlank(line)) return checkBareLine(line, context, index);

    const SplitLine split = splitLine(line);
    // A keyword outside the table is reported unless its group's own check
    // has the last word (area lines such as "video=" are judged by their
    // rectangle alone).
    std::string message;
    if (!IsInstruction(split.keyword)) message = message::kUnknownInstruction;
    switch (keywordGroup(split.keyword)) {
    case KeywordGroup::ScreenElement:
        return checkScreenElement(split, context);
    case KeywordGroup::Area:
        return CheckArea(split.field(1), split.field(2), split.field(3), split.field(4),
                         context.limits);
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
