#include "model/library_compare.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <span>
#include <string_view>
#include <tuple>
#include <unordered_map>

namespace {

// Reals are compared by their bits: a total order even for the NaN a file may hold.
uint32_t bits(float v) {
    return std::bit_cast<uint32_t>(v);
}
uint64_t bits(double v) {
    return std::bit_cast<uint64_t>(v);
}

// The fields that fix where and how an entity is drawn, colour aside.
auto figure(const Entity& e) {
    return std::tuple(e.isArc, e.x1, e.y1, e.x2, e.y2, bits(e.centreX), bits(e.centreY), e.arcFlag);
}

// The figure wherever it lies: its points relative to its start point, in double, where the
// shifted centres are exact. Lines have no centre.
auto shape(const Entity& e) {
    const double centreX = e.isArc ? double{e.centreX} - e.x1 : 0.0;
    const double centreY = e.isArc ? double{e.centreY} - e.y1 : 0.0;
    return std::tuple(e.isArc, int64_t{e.x2} - e.x1, int64_t{e.y2} - e.y1, bits(centreX),
                      bits(centreY), e.arcFlag);
}

auto whole(const Entity& e) {
    return std::tuple_cat(figure(e), std::tuple(e.colour));
}

std::span<const Entity> entitiesOf(const Library& library, int n) {
    const EntityArray& slots = library.entities(n);
    return {slots.data(), static_cast<size_t>(countEntities(slots))};
}

// Pairs the unpaired entities of a and b whose keys are equal, each with the first unpaired
// one of the other side in entity order. pairA[i] is the 0-based partner in b, or -1.
template <typename Key>
void pairBy(std::span<const Entity> a, std::span<const Entity> b, std::vector<int>& pairA,
            std::vector<int>& pairB, Key key) {
    const auto unpaired = [](const std::vector<int>& pairs) {
        std::vector<int> indexes;
        for (int i = 0; i < static_cast<int>(pairs.size()); ++i) {
            if (pairs[i] < 0) {
                indexes.push_back(i);
            }
        }
        return indexes;
    };
    std::vector<int> restA = unpaired(pairA);
    std::vector<int> restB = unpaired(pairB);
    const auto byKey = [&](std::span<const Entity> side) {
        return [&key, side](int i, int j) {
            return std::pair(key(side[i]), i) < std::pair(key(side[j]), j);
        };
    };
    std::sort(restA.begin(), restA.end(), byKey(a));
    std::sort(restB.begin(), restB.end(), byKey(b));
    auto i = restA.begin();
    auto j = restB.begin();
    while (i != restA.end() && j != restB.end()) {
        const auto ka = key(a[*i]);
        const auto kb = key(b[*j]);
        if (ka < kb) {
            ++i;
        } else if (kb < ka) {
            ++j;
        } else {
            pairA[*i] = *j;
            pairB[*j] = *i;
            ++i;
            ++j;
        }
    }
}

std::vector<EntityChange> compareEntities(std::span<const Entity> a, std::span<const Entity> b) {
    std::vector<int> pairA(a.size(), -1);
    std::vector<int> pairB(b.size(), -1);
    // The common case first: the same entity in the same place.
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] == b[i]) {
            pairA[i] = static_cast<int>(i);
            pairB[i] = static_cast<int>(i);
        }
    }
    pairBy(a, b, pairA, pairB, whole);
    std::vector<int> same(pairA);
    pairBy(a, b, pairA, pairB, figure);
    std::vector<int> recoloured(pairA);
    pairBy(a, b, pairA, pairB, shape);

    std::vector<EntityChange> changes;
    for (size_t i = 0; i < a.size(); ++i) {
        const int j = pairA[i];
        const auto entityA = static_cast<int32_t>(i + 1);
        if (j < 0) {
            changes.push_back({EntityDifference::Removed, entityA, 0, false});
        } else if (same[i] < 0) {
            const bool otherColour = a[i].colour != b[j].colour;
            const auto kind =
                recoloured[i] < 0 ? EntityDifference::Moved : EntityDifference::Recoloured;
            changes.push_back({kind, entityA, j + 1, otherColour});
        }
    }
    for (size_t j = 0; j < b.size(); ++j) {
        if (pairB[j] < 0) {
            changes.push_back({EntityDifference::Added, 0, static_cast<int32_t>(j + 1), false});
        }
    }
    return changes;
}

std::vector<FieldChange> compareHeaders(const LibraryEntry& a, const LibraryEntry& b) {
    std::vector<FieldChange> changes;
    const auto field = [&](HeaderField f, int32_t va, int32_t vb) {
        if (va != vb) {
            changes.push_back({f, va, vb});
        }
    };
    field(HeaderField::OriginX, a.originX, b.originX);
    field(HeaderField::OriginY, a.originY, b.originY);
    field(HeaderField::ClipRadius, a.clipRadius, b.clipRadius);
    field(HeaderField::SizeRadius, a.sizeRadius, b.sizeRadius);
    field(HeaderField::UseColours, a.useColours, b.useColours);
    return changes;
}

// The same for entities in any order: a sum of one hash per entity.
size_t drawingHash(std::span<const Entity> entities) {
    size_t sum = entities.size();
    for (const Entity& e : entities) {
        size_t h = 0;
        std::apply(
            [&h](auto... field) { ((h = h * 1000003 + std::hash<decltype(field)>{}(field)), ...); },
            whole(e));
        sum += h * 0x9E3779B97F4A7C15ull;
    }
    return sum;
}

bool sameDrawing(std::span<const Entity> a, std::span<const Entity> b) {
    if (a.size() != b.size()) {
        return false;
    }
    std::vector<int> pairA(a.size(), -1);
    std::vector<int> pairB(b.size(), -1);
    pairBy(a, b, pairA, pairB, whole);
    return std::none_of(pairA.begin(), pairA.end(), [](int j) { return j < 0; });
}

}  // namespace

LibraryComparison compareLibraries(const Library& a, const Library& b) {
    // Entries of b by name, each name's entries in order; matched ones are taken from the front.
    std::unordered_map<std::string_view, std::vector<int>> namesakes;
    for (int n = b.entryCount; n >= 1; --n) {
        namesakes[b.entry(n).name.view()].push_back(n);
    }
    std::vector<int> partnerOfA(static_cast<size_t>(a.entryCount) + 1, 0);
    std::vector<bool> matchedB(static_cast<size_t>(b.entryCount) + 1, false);
    for (int n = 1; n <= a.entryCount; ++n) {
        const auto found = namesakes.find(a.entry(n).name.view());
        if (found != namesakes.end() && !found->second.empty()) {
            partnerOfA[n] = found->second.back();
            matchedB[found->second.back()] = true;
            found->second.pop_back();
        }
    }
    // Renamed: an unmatched entry of a whose drawing an unmatched entry of b has. An empty
    // drawing says nothing about which entry became which.
    std::unordered_multimap<size_t, int> unmatchedDrawings;
    for (int m = 1; m <= b.entryCount; ++m) {
        if (!matchedB[m] && !entitiesOf(b, m).empty()) {
            unmatchedDrawings.emplace(drawingHash(entitiesOf(b, m)), m);
        }
    }
    std::vector<bool> renamed(static_cast<size_t>(a.entryCount) + 1, false);
    for (int n = 1; n <= a.entryCount && !unmatchedDrawings.empty(); ++n) {
        if (partnerOfA[n] != 0 || entitiesOf(a, n).empty()) {
            continue;
        }
        // The first such entry of b in b's order.
        const auto [first, last] = unmatchedDrawings.equal_range(drawingHash(entitiesOf(a, n)));
        auto chosen = last;
        for (auto candidate = first; candidate != last; ++candidate) {
            if ((chosen == last || candidate->second < chosen->second) &&
                sameDrawing(entitiesOf(a, n), entitiesOf(b, candidate->second))) {
                chosen = candidate;
            }
        }
        if (chosen != last) {
            partnerOfA[n] = chosen->second;
            matchedB[chosen->second] = true;
            renamed[n] = true;
            unmatchedDrawings.erase(chosen);
        }
    }

    LibraryComparison result;
    for (int n = 1; n <= a.entryCount; ++n) {
        const int m = partnerOfA[n];
        if (m == 0) {
            result.entries.push_back({EntryDifference::OnlyInA, n, 0, {}, {}});
            continue;
        }
        EntryComparison entry{renamed[n] ? EntryDifference::Renamed : EntryDifference::Changed,
                              n,
                              m,
                              compareHeaders(a.entry(n), b.entry(m)),
                              {}};
        if (!renamed[n]) {
            entry.entities = compareEntities(entitiesOf(a, n), entitiesOf(b, m));
        }
        if (renamed[n] || !entry.fields.empty() || !entry.entities.empty()) {
            result.entries.push_back(std::move(entry));
        }
    }
    for (int m = 1; m <= b.entryCount; ++m) {
        if (!matchedB[m]) {
            result.entries.push_back({EntryDifference::OnlyInB, 0, m, {}, {}});
        }
    }
    return result;
}
