#include "display/problem_rules.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

#include "display/arc_geometry.h"
#include "display/arc_span.h"
#include "display/display_point.h"
#include "model/cp1252.h"
#include "model/line_type_extent.h"
#include "model/units.h"

namespace {

constexpr RuleInfo Rules[] = {
    {ProblemRule::ZeroLengthLine, "zero-length", Severity::Warning, 431},
    {ProblemRule::ArcWithoutCentre, "arc-no-centre", Severity::Error, 432},
    {ProblemRule::ArcTooLarge, "arc-radius", Severity::Error, 433},
    {ProblemRule::OutsideArea, "outside-area", Severity::Error, 434},
    {ProblemRule::DuplicateEntity, "duplicate-entity", Severity::Warning, 435},
    {ProblemRule::EmptyEntry, "empty-entry", Severity::Warning, 436},
    {ProblemRule::SameName, "same-name", Severity::Error, 437},
    {ProblemRule::SimilarName, "similar-name", Severity::Warning, 438},
    {ProblemRule::NameCharacters, "name-characters", Severity::Error, 439},
    {ProblemRule::ColourOutOfRange, "colour-range", Severity::Error, 440},
    {ProblemRule::ColoursWhileOff, "colours-off", Severity::Warning, 441},
    {ProblemRule::BeyondSizeRadius, "size-radius", Severity::Warning, 442},
    {ProblemRule::PatternGap, "pattern-gap", Severity::Warning, 443},
    {ProblemRule::PatternHeight, "pattern-height", Severity::Warning, 444},
    {ProblemRule::OlderLayout, "older-layout", Severity::Warning, 445},
};

constexpr bool rulesInEnumOrder() {
    for (size_t i = 0; i < std::size(Rules); ++i) {
        if (static_cast<size_t>(Rules[i].rule) != i) {
            return false;
        }
    }
    return true;
}
static_assert(rulesInEnumOrder(), "ruleInfo indexes Rules by the rule");

constexpr int32_t FirstColour = 1;
constexpr int32_t LastColour = 16;
// An entity counts as beyond the size radius when it reaches half a pixel past it: the
// radius and the points are whole pixels, the arcs' reach is not.
constexpr double SizeRadiusSlack = 0.5;

std::string number(int64_t n) {
    return std::to_string(n);
}

std::string point(int32_t x, int32_t y) {
    return "(" + number(x) + ", " + number(y) + ")";
}

// One decimal, whatever the locale: the texts are the same in every language.
std::string pixels(double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1);
    return std::string(text, result.ptr);
}

bool inArea(int32_t x, int32_t y) {
    return x >= AreaMin && x <= AreaMax && y >= AreaMin && y <= AreaMax;
}

class Findings {
  public:
    void add(ProblemRule rule, int entry, int entity, std::vector<std::string> arguments = {}) {
        problems_.push_back({rule, entry, entity, std::move(arguments)});
    }
    std::vector<Problem> take() { return std::move(problems_); }
    size_t size() const { return problems_.size(); }
    // The problems from the first one given on, all of one entry, into entity order.
    void sortFrom(size_t first) {
        std::stable_sort(problems_.begin() + static_cast<ptrdiff_t>(first), problems_.end(),
                         [](const Problem& a, const Problem& b) { return a.entity < b.entity; });
    }

  private:
    std::vector<Problem> problems_;
};

// What an entity draws, so that two entities drawing the same figure compare equal whatever
// the order of their points or their colours.
using Figure = std::tuple<uint8_t, int32_t, int32_t, int32_t, int32_t, float, float, float>;

Figure figureOf(const Entity& e) {
    if (e.isArc == 0) {
        const bool startFirst = std::pair{e.x1, e.y1} <= std::pair{e.x2, e.y2};
        return startFirst ? Figure{0, e.x1, e.y1, e.x2, e.y2, 0.0f, 0.0f, 0.0f}
                          : Figure{0, e.x2, e.y2, e.x1, e.y1, 0.0f, 0.0f, 0.0f};
    }
    const RealPoint centre{e.centreX, e.centreY};
    const float radius = PointDistance(toRealPoint({e.x1, e.y1}), centre);
    if (e.x1 == e.x2 && e.y1 == e.y2) {
        return {1, 0, 0, 0, 0, centre.x, centre.y, radius};  // the whole circle
    }
    const ArcSweep sweep = ArcDrawSweep(centre, {e.x1, e.y1}, {e.x2, e.y2}, e.arcFlag);
    return {1, sweep.from.x, sweep.from.y, sweep.to.x, sweep.to.y, centre.x, centre.y, radius};
}

void checkEntity(Findings& found, const Library& library, int n, int slot, const Entity& e) {
    const int entity = slot + 1;
    if (!inArea(e.x1, e.y1)) {
        found.add(ProblemRule::OutsideArea, n, entity, {point(e.x1, e.y1)});
    }
    if (!inArea(e.x2, e.y2)) {
        found.add(ProblemRule::OutsideArea, n, entity, {point(e.x2, e.y2)});
    }
    if (e.isArc == 0 && e.x1 == e.x2 && e.y1 == e.y2) {
        found.add(ProblemRule::ZeroLengthLine, n, entity, {point(e.x1, e.y1)});
    }
    if (e.isArc != 0) {
        const RealPoint centre{e.centreX, e.centreY};
        if (!IsValidCentre(centre)) {
            found.add(ProblemRule::ArcWithoutCentre, n, entity);
            return;
        }
        const double radius = PointDistance(toRealPoint({e.x1, e.y1}), centre);
        if (!(radius <= MaxArcRadius)) {
            found.add(ProblemRule::ArcTooLarge, n, entity, {pixels(radius)});
            return;
        }
    }
    if (e.colour < FirstColour || e.colour > LastColour) {
        found.add(ProblemRule::ColourOutOfRange, n, entity, {number(e.colour)});
    }
    const LibraryEntry& header = library.entry(n);
    if (library.libraryKind == LibraryKind::Symbol) {
        const auto reach = farthestDistance(e, header.originX, header.originY);
        if (reach && *reach > header.sizeRadius + SizeRadiusSlack) {
            found.add(ProblemRule::BeyondSizeRadius, n, entity,
                      {pixels(*reach), number(header.sizeRadius)});
        }
    }
}

void checkDuplicates(Findings& found, int n, const EntityArray& slots, int count,
                     std::vector<std::pair<Figure, int>>& figures) {
    figures.clear();
    for (int slot = 0; slot < count; ++slot) {
        const Entity& e = slots[slot];
        if (e.isArc == 0 || IsValidCentre({e.centreX, e.centreY})) {
            figures.emplace_back(figureOf(e), slot + 1);
        }
    }
    std::sort(figures.begin(), figures.end());
    for (size_t i = 1, first = 0; i < figures.size(); ++i) {
        if (figures[i].first == figures[first].first) {
            found.add(ProblemRule::DuplicateEntity, n, figures[i].second,
                      {number(figures[first].second)});
        } else {
            first = i;
        }
    }
}

// One repeat of a pattern is the drawing area's width, so a pattern that does not span it
// leaves a gap where one repeat meets the next.
void checkPatternSpan(Findings& found, int n, const EntityArray& slots, int count) {
    std::optional<HorizontalExtent> span;
    for (int slot = 0; slot < count; ++slot) {
        if (const auto extent = entityHorizontalExtent(slots[slot])) {
            span = span ? HorizontalExtent{std::min(span->left, extent->left),
                                           std::max(span->right, extent->right)}
                        : *extent;
        }
    }
    if (span && (span->left > AreaMin || span->right < AreaMax)) {
        const auto [left, right] = *span;
        found.add(ProblemRule::PatternGap, n, 0,
                  {number(roundHalfEven(left)), number(roundHalfEven(right))});
    }
}

void checkEntry(Findings& found, const Library& library, int n, const CheckOptions& options,
                std::vector<std::pair<Figure, int>>& figures) {
    const size_t first = found.size();
    const LibraryEntry& header = library.entry(n);
    const EntityArray& slots = library.entities(n);
    const int count = countEntities(slots);
    if (count == 0) {
        found.add(ProblemRule::EmptyEntry, n, 0);
    }
    if (!std::all_of(header.name.view().begin(), header.name.view().end(), isNameByte)) {
        found.add(ProblemRule::NameCharacters, n, 0);
    }
    if (header.useColours == 0) {
        const auto coloured =
            std::count_if(slots.begin(), slots.begin() + count,
                          [](const Entity& e) { return e.colour != FirstColour; });
        if (coloured > 0) {
            found.add(ProblemRule::ColoursWhileOff, n, 0, {number(coloured)});
        }
    }
    if (library.libraryKind == LibraryKind::LineType) {
        if (count > 0 && header.singlePattern() == 0) {
            checkPatternSpan(found, n, slots, count);
        }
        // Compared as the file holds them, so that the rounding to display units does not count.
        const int32_t stored =
            roundHalfEven(toFileLength(static_cast<float>(header.patternHeight())));
        const int32_t drawn =
            roundHalfEven(toFileLength(static_cast<float>(entryPatternHeight(slots))));
        if (options.heightsAsRead && count > 0 && stored != drawn) {
            found.add(ProblemRule::PatternHeight, n, 0, {number(stored), number(drawn)});
        }
    }
    for (int slot = 0; slot < count; ++slot) {
        checkEntity(found, library, n, slot, slots[slot]);
    }
    checkDuplicates(found, n, slots, count, figures);
    found.sortFrom(first);
}

// The name as the host is likely to look it up: letter case and trailing blanks left out.
std::string nameKey(std::string_view name) {
    while (!name.empty() && name.back() == ' ') {
        name.remove_suffix(1);
    }
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(), foldCaseCp1252);
    return key;
}

void checkName(Findings& found, const Library& library, int n,
               std::map<std::string, int>& firstWithKey) {
    const std::string_view name = library.entry(n).name.view();
    const auto [earlier, isNew] = firstWithKey.emplace(nameKey(name), n);
    if (isNew) {
        return;
    }
    const bool same = library.entry(earlier->second).name.view() == name;
    found.add(same ? ProblemRule::SameName : ProblemRule::SimilarName, n, 0,
              {number(earlier->second)});
}

}  // namespace

std::span<const RuleInfo> problemRules() {
    return Rules;
}

const RuleInfo& ruleInfo(ProblemRule rule) {
    return Rules[static_cast<size_t>(rule)];
}

std::vector<Problem> checkNames(const Library& library) {
    Findings found;
    std::map<std::string, int> firstWithKey;
    for (int n = 1; n <= library.entryCount; ++n) {
        checkName(found, library, n, firstWithKey);
    }
    return found.take();
}

std::vector<Problem> checkEntry(const Library& library, int n, const CheckOptions& options) {
    Findings found;
    std::vector<std::pair<Figure, int>> figures;
    checkEntry(found, library, n, options, figures);
    return found.take();
}

std::vector<Problem> checkLibrary(const Library& library, const CheckOptions& options) {
    Findings found;
    if (options.layout != LibraryLayout::Current) {
        found.add(ProblemRule::OlderLayout, 0, 0);
    }
    std::map<std::string, int> firstWithKey;
    std::vector<std::pair<Figure, int>> figures;
    figures.reserve(MaxEntities);
    for (int n = 1; n <= library.entryCount; ++n) {
        checkName(found, library, n, firstWithKey);
        checkEntry(found, library, n, options, figures);
    }
    return found.take();
}

std::string fillArguments(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string out;
    out.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next == '%') {
            out += '%';
            ++i;
        } else if (pattern[i] == '%' && next >= '1' && next <= '9') {
            const auto k = static_cast<size_t>(next - '1');
            if (k < arguments.size()) {
                out += arguments[k];
            }
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}
