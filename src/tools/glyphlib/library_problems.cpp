#include "tools/glyphlib/library_problems.h"

#include <map>

#include "tools/glyphlib/library_description.h"

namespace {

constexpr int32_t AreaLow = 5;
constexpr int32_t AreaHigh = 305;
constexpr int32_t FirstColour = 1;
constexpr int32_t LastColour = 16;

bool inArea(int32_t x, int32_t y) {
    return x >= AreaLow && x <= AreaHigh && y >= AreaLow && y <= AreaHigh;
}

std::string point(int32_t x, int32_t y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

class ProblemList {
  public:
    explicit ProblemList(const Library& library) : library_(library) {}

    void entryProblem(int n, const std::string& text) {
        problems_.push_back("entry " + std::to_string(n) + " \"" + printableName(library_, n) +
                            "\": " + text);
    }
    void entityProblem(int n, int slot, const std::string& text) {
        entryProblem(n, "entity " + std::to_string(slot + 1) + ": " + text);
    }
    void add(std::string text) { problems_.push_back(std::move(text)); }
    std::vector<std::string> take() { return std::move(problems_); }

  private:
    const Library& library_;
    std::vector<std::string> problems_;
};

void checkEntity(ProblemList& problems, int n, int slot, const Entity& e) {
    if (!inArea(e.x1, e.y1)) {
        problems.entityProblem(n, slot,
                               "start point " + point(e.x1, e.y1) + " outside the drawing area");
    }
    if (!inArea(e.x2, e.y2)) {
        problems.entityProblem(n, slot,
                               "end point " + point(e.x2, e.y2) + " outside the drawing area");
    }
    if (!e.isArc && e.x1 == e.x2 && e.y1 == e.y2) {
        problems.entityProblem(n, slot, "line of zero length at " + point(e.x1, e.y1));
    }
    if (e.colour < FirstColour || e.colour > LastColour) {
        problems.entityProblem(n, slot, "colour " + std::to_string(e.colour) + " outside 1..16");
    }
}

}  // namespace

std::vector<std::string> libraryProblems(const Library& library, const ReadResult& result) {
    ProblemList problems(library);
    for (const ReadFinding& finding : result.findings) {
        problems.add(findingText(finding));
    }
    std::map<std::string_view, int> firstWithName;
    for (int n = 1; n <= library.entryCount; ++n) {
        const auto [earlier, isNew] = firstWithName.emplace(library.entry(n).name.view(), n);
        if (!isNew) {
            problems.entryProblem(n, "the same name as entry " + std::to_string(earlier->second));
        }
        const EntityArray& slots = library.entities(n);
        const int count = countEntities(slots);
        for (int slot = 0; slot < count; ++slot) {
            checkEntity(problems, n, slot, slots[slot]);
        }
    }
    return problems.take();
}
