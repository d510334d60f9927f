// SPDX-License-Identifier: GPL-3.0-or-later
#include "netlist/IndexedConnectivity.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <queue>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "model/LargeBlocks.h"
#include "netlist/Connectivity.h"
#include "netlist/KeyRuns.h"
#include "netlist/WireShape.h"
#include "text/Compare.h"

namespace netlist::indexed {
namespace {

// A point on a straight line of the drawing: `Line` is the X of a vertical line or the Y
// of a horizontal one, `At` the other coordinate. `Item` is what sits there.
struct LinePoint {
    std::int16_t Line = 0;
    std::int16_t At = 0;
    int Item = 0;

    friend bool operator<(const LinePoint& a, const LinePoint& b) {
        return std::tie(a.Line, a.At, a.Item) < std::tie(b.Line, b.At, b.Item);
    }
};

// The points of `sorted` on line `line` with `from` <= At <= `to`.
std::pair<const LinePoint*, const LinePoint*> PointsBetween(const std::vector<LinePoint>& sorted,
                                                            std::int16_t line, int from, int to) {
    const auto first = std::lower_bound(
        sorted.begin(), sorted.end(), line,
        [from](const LinePoint& p, int l) { return p.Line < l || (p.Line == l && p.At < from); });
    const auto last = std::upper_bound(first, sorted.end(), line, [to](int l, const LinePoint& p) {
        return l < p.Line || (l == p.Line && to < p.At);
    });
    return {sorted.data() + (first - sorted.begin()), sorted.data() + (last - sorted.begin())};
}

// The span of a horizontal or vertical wire on its line: the line, then both ends along it.
struct Span {
    std::int16_t Line = 0;
    int From = 0;
    int To = 0;
};
Span VerticalSpan(const model::TWireRec& w) {
    return {w.X1, w.Y1, w.Y2};
}
Span HorizontalSpan(const model::TWireRec& w) {
    return {w.Y1, w.X1, w.X2};
}

// Splits `wire` at `at` like SplitWire; returns the index of the appended piece, or -1.
int SplitAndTell(model::TWireList& wires, model::TWireRec& wire, model::TPoint at) {
    const int before = wires.Count();
    SplitWire(wires, wire, at);
    return wires.Count() > before ? before : -1;
}

}  // namespace

// The plain pass cuts, junction by junction, every wire that has the junction strictly
// inside, in list order, appending the far pieces. Here each original wire learns which
// junctions fall inside it from a sorted table of junctions per line; the pieces a wire has
// been cut into so far are kept by their start, so a later junction finds the one piece it
// cuts. The cuts of one junction are then made in list order of the pieces.
void SplitAtJunctions(model::TWireList& wires) {
    const int originals = wires.Count();
    std::vector<LinePoint> onVertical;
    std::vector<LinePoint> onHorizontal;
    for (int k = 0; k < static_cast<int>(wires.Junctions.size()); ++k) {
        const model::TPoint j = wires.Junctions[static_cast<std::size_t>(k)];
        onVertical.push_back({j.X, j.Y, k});
        onHorizontal.push_back({j.Y, j.X, k});
    }
    std::sort(onVertical.begin(), onVertical.end());
    std::sort(onHorizontal.begin(), onHorizontal.end());

    std::vector<std::pair<int, int>> cuts;  // (junction, original wire)
    for (int w = 0; w < originals; ++w) {
        const model::TWireRec& wire = *wires[w];
        if (IsZeroLength(wire) || (!IsVertical(wire) && !IsHorizontal(wire))) {
            continue;
        }
        const Span span = IsVertical(wire) ? VerticalSpan(wire) : HorizontalSpan(wire);
        const auto& table = IsVertical(wire) ? onVertical : onHorizontal;
        const auto [first, last] = PointsBetween(table, span.Line, span.From + 1, span.To - 1);
        for (const LinePoint* p = first; p != last; ++p) {
            cuts.emplace_back(p->Item, w);
        }
    }
    std::sort(cuts.begin(), cuts.end());

    // Per original wire that gets cut: its pieces by the coordinate they start at.
    std::vector<int> piecesOf(static_cast<std::size_t>(originals), -1);
    std::vector<std::map<int, int>> pieces;
    std::vector<std::pair<int, int>> round;  // (piece index, original wire)
    for (std::size_t c = 0; c < cuts.size();) {
        const int junction = cuts[c].first;
        const model::TPoint at = wires.Junctions[static_cast<std::size_t>(junction)];
        round.clear();
        for (; c < cuts.size() && cuts[c].first == junction; ++c) {
            const int w = cuts[c].second;
            int& slot = piecesOf[static_cast<std::size_t>(w)];
            const bool vertical = IsVertical(*wires[w]);
            if (slot < 0) {
                slot = static_cast<int>(pieces.size());
                pieces.push_back({{vertical ? wires[w]->Y1 : wires[w]->X1, w}});
            }
            const std::map<int, int>& starts = pieces[static_cast<std::size_t>(slot)];
            const int along = vertical ? at.Y : at.X;
            auto next = starts.lower_bound(along);
            if (next != starts.end() && next->first == along) {
                continue;  // already an end of a piece
            }
            round.emplace_back(std::prev(next)->second, w);
        }
        std::sort(round.begin(), round.end());
        for (const auto& [piece, w] : round) {
            const int appended = SplitAndTell(wires, *wires[piece], at);
            if (appended >= 0) {
                const bool vertical = IsVertical(*wires[appended]);
                pieces[static_cast<std::size_t>(piecesOf[static_cast<std::size_t>(w)])].emplace(
                    vertical ? at.Y : at.X, appended);
            }
        }
    }
}

namespace {

// The members of one cluster by their current span along its line. In a pile (copies of a
// wire, wires nested in each other, long chains of overlaps) most members neither hold an
// end of a given wire inside nor have one of theirs inside it, and walking them all for
// every wire and every piece took time to the fourth power of the pile. Spans that can cut
// or be cut by a wire are found here by their place on the line instead.
class ClusterSpans {
  public:
    using Key = std::pair<int, int>;  // both ends along the line

    explicit ClusterSpans(bool vertical) : vertical_(vertical) {}

    Key SpanOf(const model::TWireRec& w) const {
        return vertical_ ? Key{w.Y1, w.Y2} : Key{w.X1, w.X2};
    }
    // Files the wire at `index` under its span as it is now.
    void File(const model::TWireList& wires, int index) {
        const Key span = SpanOf(*wires[index]);
        buckets_[span].push_back(index);
        longest_ = std::max(longest_, span.second - span.first);
    }
    // Files the wire at `index` again after a cut changed its span from `was`, so that only
    // spans some member has now are looked at.
    void Refile(const model::TWireList& wires, int index, Key was) {
        auto bucket = buckets_.find(was);
        if (bucket != buckets_.end()) {
            std::vector<int>& members = bucket->second;
            if (auto at = std::find(members.begin(), members.end(), index); at != members.end()) {
                members.erase(at);
            }
            if (members.empty()) {
                buckets_.erase(bucket);
            }
        }
        File(wires, index);
    }
    // A wire of span `q` and the wire of span `p` cut one another exactly when their spans
    // overlap by a length and differ (a zero-length `q` strictly inside `p` included).
    static bool Interact(Key p, Key q) {
        return q.first < p.second && q.second > p.first && q != p;
    }

    // Calls `fn` with the members after `after` that cut or are cut by a wire of span `p`.
    template <class Fn>
    void ForEachInteracting(Key p, int after, Fn fn) const {
        for (auto it =
                 buckets_.lower_bound(Key{p.first - longest_, std::numeric_limits<int>::min()});
             it != buckets_.end() && it->first.first < p.second; ++it) {
            if (Interact(p, it->first)) {
                ForEachLive(*it, after, fn);
            }
        }
    }
    // Calls `fn` with the members after `after` whose span is `span`.
    template <class Fn>
    void ForEachWithSpan(Key span, int after, Fn fn) const {
        if (auto it = buckets_.find(span); it != buckets_.end()) {
            ForEachLive(*it, after, fn);
        }
    }

  private:
    template <class Fn>
    static void ForEachLive(const std::pair<const Key, std::vector<int>>& bucket, int after,
                            Fn fn) {
        for (int index : bucket.second) {
            if (index > after) {
                fn(index);
            }
        }
    }

    bool vertical_;
    int longest_ = 0;
    std::map<Key, std::vector<int>> buckets_;
};

// The plain pass for the wire at `i` over its cluster: the later members it cuts or is cut
// by, in list order, each with the same four cuts, so the pieces come out as the plain pass
// makes them. Members that cannot take part are never visited; pieces made on the way
// join the cluster.
void CutWithinCluster(model::TWireList& wires, int i, int cluster, ClusterSpans& spans,
                      std::vector<int>& clusterOf) {
    model::TWireRec& p = *wires[i];
    std::priority_queue<int, std::vector<int>, std::greater<>> next;
    auto push = [&next](int q) { next.push(q); };
    spans.ForEachInteracting(spans.SpanOf(p), i, push);
    std::vector<int> pieces;
    auto cut = [&](int index, model::TPoint at) {
        const ClusterSpans::Key was = spans.SpanOf(*wires[index]);
        const int appended = SplitAndTell(wires, *wires[index], at);
        if (appended >= 0) {
            clusterOf.push_back(cluster);
            spans.Refile(wires, index, was);
            spans.File(wires, appended);
            pieces.push_back(appended);
        }
    };
    for (int last = i; !next.empty();) {
        const int m = next.top();
        next.pop();
        const ClusterSpans::Key before = spans.SpanOf(p);
        if (m == last || !ClusterSpans::Interact(before, spans.SpanOf(*wires[m]))) {
            continue;
        }
        last = m;
        model::TWireRec& q = *wires[m];
        pieces.clear();
        cut(m, p.Second());
        cut(m, p.First());
        cut(i, q.Second());
        cut(i, q.First());
        const ClusterSpans::Key now = spans.SpanOf(p);
        for (int piece : pieces) {
            if (ClusterSpans::Interact(now, spans.SpanOf(*wires[piece]))) {
                next.push(piece);
            }
        }
        // A later copy of the wire as it was now holds its new end inside.
        if (now != before) {
            spans.ForEachWithSpan(before, m, push);
        }
    }
}

}  // namespace

namespace {

// The clusters of the wires on each line whose spans overlap, and the cluster of each wire
// that can cut (-1 for the others and for zero-length wires, which only are cut into).
struct Clusters {
    std::vector<int> Of;
    std::vector<ClusterSpans> Spans;
};

Clusters FindClusters(const model::TWireList& wires) {
    const int count = wires.Count();
    // (line, start, end, index) for vertical and then horizontal spans; a zero-length wire
    // lies on both its lines.
    struct Entry {
        Span At;
        int Index = 0;
    };
    std::vector<Entry> vertical;
    std::vector<Entry> horizontal;
    for (int w = 0; w < count; ++w) {
        const model::TWireRec& wire = *wires[w];
        if (IsVertical(wire)) {
            vertical.push_back({VerticalSpan(wire), w});
        }
        if (IsHorizontal(wire)) {
            horizontal.push_back({HorizontalSpan(wire), w});
        }
    }
    Clusters clusters{std::vector<int>(static_cast<std::size_t>(count), -1), {}};
    std::vector<int> open;
    auto close = [&](bool verticalLine) {
        if (open.size() >= 2) {
            ClusterSpans& spans = clusters.Spans.emplace_back(verticalLine);
            for (int w : open) {
                if (!IsZeroLength(*wires[w])) {
                    clusters.Of[static_cast<std::size_t>(w)] =
                        static_cast<int>(clusters.Spans.size() - 1);
                }
                spans.File(wires, w);
            }
        }
        open.clear();
    };
    for (std::vector<Entry>* entries : {&vertical, &horizontal}) {
        const bool verticalLine = entries == &vertical;
        // A zero-length wire sorts before the spans starting where it lies, so it joins a
        // cluster only when a span starting before it reaches past it.
        std::sort(entries->begin(), entries->end(), [](const Entry& a, const Entry& b) {
            return std::tie(a.At.Line, a.At.From, a.At.To, a.Index) <
                   std::tie(b.At.Line, b.At.From, b.At.To, b.Index);
        });
        std::int16_t openLine = 0;
        int reach = 0;
        for (const Entry& entry : *entries) {
            const bool inside = !open.empty() && entry.At.Line == openLine && entry.At.From < reach;
            if (entry.At.From == entry.At.To) {
                if (inside) {
                    open.push_back(entry.Index);
                }
                continue;
            }
            if (!inside) {
                close(verticalLine);
                openLine = entry.At.Line;
                reach = entry.At.To;
            }
            open.push_back(entry.Index);
            reach = std::max(reach, entry.At.To);
        }
        close(verticalLine);
    }
    return clusters;
}

}  // namespace

// Only wires on one line whose spans overlap (or that hold a zero-length wire strictly
// inside) can cut each other, and the pieces never leave the span of the wire they came
// from. So the wires of each line fall into clusters of overlapping spans; the plain pass,
// run over the members of a cluster in list order, makes the same cuts in the same order,
// and the pieces, appended to the one list as they are made, come out in the same order.
void SplitOverlaps(model::TWireList& wires) {
    Clusters clusters = FindClusters(wires);
    for (int i = 0; i < wires.Count() - 1; ++i) {
        const int cluster = clusters.Of[static_cast<std::size_t>(i)];
        if (cluster >= 0) {
            CutWithinCluster(wires, i, cluster, clusters.Spans[static_cast<std::size_t>(cluster)],
                             clusters.Of);
        }
    }
}

namespace {

// The pin conversion list answers whether it has a part by walking its blocks; the stubs
// ask once per pin, for the pins of one part after the other, so the last answer is kept.
class LastPartRemembered final : public PinConversion {
  public:
    explicit LastPartRemembered(const PinConversion& list) : list_(list) {}
    bool HasPart(std::string_view cvtName) const override {
        if (!known_ || cvtName != name_) {
            name_ = cvtName;
            has_ = list_.HasPart(cvtName);
            known_ = true;
        }
        return has_;
    }
    std::optional<int> NumberOf(std::string_view cvtName, std::string_view pinText) const override {
        return list_.NumberOf(cvtName, pinText);
    }

  private:
    const PinConversion& list_;
    mutable std::string name_;
    mutable bool has_ = false;
    mutable bool known_ = false;
};

}  // namespace

void AddPinStubs(model::TWireList& wires, const model::TPartsList& parts,
                 const PinConversion& pinCvt) {
    netlist::AddPinStubs(wires, parts, LastPartRemembered(pinCvt));
}

// A wire keeps the name of the last label or tag that touches it, so each wire looks up
// the touching items in tables sorted by line and by point and takes the latest one.
void ApplyLabels(model::TWireList& wires) {
    std::vector<LinePoint> vertical;    // vertical labels: X, Y
    std::vector<LinePoint> horizontal;  // horizontal labels: Y, X
    std::vector<std::pair<std::uint32_t, int>> tagEnds;
    for (int k = 0; k < static_cast<int>(wires.Labels.size()); ++k) {
        const model::CCe2Label& label = wires.Labels[static_cast<std::size_t>(k)];
        if (label.Kind == model::kKindLabel) {
            if (label.Vertical()) {
                vertical.push_back({label.X, label.Y, k});
            } else {
                horizontal.push_back({label.Y, label.X, k});
            }
        } else if (label.Kind == model::kKindLabelAlt) {
            const model::TPoint anchor{label.X, label.Y};
            const model::TPoint farEnd{
                static_cast<std::int16_t>(anchor.X + TagWidth(label.TextLen)), anchor.Y};
            tagEnds.emplace_back(anchor.Packed(), k);
            tagEnds.emplace_back(farEnd.Packed(), k);
        }
    }
    std::sort(vertical.begin(), vertical.end());
    std::sort(horizontal.begin(), horizontal.end());
    std::sort(tagEnds.begin(), tagEnds.end());
    auto lastTagAt = [&](model::TPoint at) {
        const auto next = std::upper_bound(tagEnds.begin(), tagEnds.end(),
                                           std::make_pair(at.Packed(), INT32_MAX));
        return next != tagEnds.begin() && std::prev(next)->first == at.Packed()
                   ? std::prev(next)->second
                   : -1;
    };
    auto lastLabelOn = [](const std::vector<LinePoint>& table, const Span& span) {
        int last = -1;
        const auto [first, end] = PointsBetween(table, span.Line, span.From, span.To);
        for (const LinePoint* p = first; p != end; ++p) {
            last = std::max(last, p->Item);
        }
        return last;
    };
    if (vertical.empty() && horizontal.empty() && tagEnds.empty()) {
        return;
    }
    std::vector<std::uint32_t> names;
    names.reserve(wires.Labels.size());
    for (const model::CCe2Label& label : wires.Labels) {
        names.push_back(wires.AddName(label.LabelText()));
    }
    for (int i = 0; i < wires.Count(); ++i) {
        model::TWireRec& w = *wires[i];
        int last = std::max(lastTagAt(w.First()), lastTagAt(w.Second()));
        if (IsVertical(w)) {
            last = std::max(last, lastLabelOn(vertical, VerticalSpan(w)));
        }
        if (IsHorizontal(w)) {
            last = std::max(last, lastLabelOn(horizontal, HorizontalSpan(w)));
        }
        if (last >= 0) {
            w.Name = names[static_cast<std::size_t>(last)];
        }
    }
}

// Each named wire in turn goes before the first wire that is unnamed or whose name is not
// smaller: named wires first, ascending, a later wire before earlier ones of an equal name;
// the unnamed ones after them in their order.
//
// The named wires are few: they are taken out, the unnamed ones close up behind the room
// left for them in one pass from the end, and the named ones go into that room in order.
void SortWiresByLabel(model::TWireList& wires) {
    std::vector<model::TWireRec> named;
    for (std::size_t i = wires.Items.size(); i-- > 0;) {
        if (wires.Named(wires.Items[i])) {
            named.push_back(wires.Items[i]);
        }
    }
    if (named.empty()) {
        return;
    }
    std::stable_sort(named.begin(), named.end(),
                     [&wires](const model::TWireRec& a, const model::TWireRec& b) {
                         return text::CompareAsciiNoCase(wires.NameOf(a), wires.NameOf(b)) < 0;
                     });
    std::size_t to = wires.Items.size();
    for (std::size_t from = wires.Items.size(); from-- > 0;) {
        if (!wires.Named(wires.Items[from])) {
            wires.Items[--to] = wires.Items[from];
        }
    }
    std::copy(named.begin(), named.end(), wires.Items.begin());
}

namespace {

// Wires grouped by a 32-bit key, each group to be taken whole once: every wire of a group
// that is still free joins the group of the first wire that reaches the key. One sorted
// array of (key, wire) pairs; a taken group has the top bit set in its first pair.
class Buckets {
  public:
    void Add(std::uint32_t key, int wire) {
        entries_.push_back(static_cast<std::uint64_t>(key) << 32 |
                           static_cast<std::uint32_t>(wire));
    }
    void Reserve(std::size_t n) { entries_.reserve(n); }
    void Seal() {
        std::sort(entries_.begin(), entries_.end());
        runs_.Build(entries_.size(), [this](std::size_t i) {
            return static_cast<std::uint32_t>(entries_[i] >> 32);
        });
    }

    // Calls `visit` for each wire under `key`, unless the key was taken before.
    template <typename Visit>
    void Take(std::uint32_t key, Visit visit) {
        const auto [first, last] = runs_.RunOf(key);
        const auto runEnd = entries_.begin() + static_cast<std::ptrdiff_t>(last);
        auto at = std::lower_bound(entries_.begin() + static_cast<std::ptrdiff_t>(first), runEnd,
                                   static_cast<std::uint64_t>(key) << 32);
        if (at == runEnd || (*at >> 32) != key || (*at & kTaken) != 0) {
            return;
        }
        *at |= kTaken;
        for (; at != runEnd && (*at >> 32) == key; ++at) {
            visit(static_cast<int>(*at & 0x7FFFFFFFu));
        }
    }

  private:
    static constexpr std::uint64_t kTaken = 0x80000000u;
    std::vector<std::uint64_t, model::LargeAllocator<std::uint64_t>> entries_;
    KeyRuns runs_;
};

// The wires by each end point.
Buckets WiresByPoint(const model::TWireList& wires) {
    Buckets points;
    // Counted first: a stub has one point, and half the wires of a large drawing are stubs.
    std::size_t ends = 0;
    for (const model::TWireRec& w : wires.Items) {
        ends += w.Second() != w.First() ? 2 : 1;
    }
    points.Reserve(ends);
    for (int i = 0; i < wires.Count(); ++i) {
        const model::TWireRec& w = *wires[i];
        points.Add(w.First().Packed(), i);
        if (w.Second() != w.First()) {
            points.Add(w.Second().Packed(), i);
        }
    }
    points.Seal();
    return points;
}

// The named wires by their name, names compared as net names are: each name becomes its
// place among the distinct folded names, which `NumberOf` gives for any name.
class WiresByName {
  public:
    explicit WiresByName(const model::TWireList& wires) {
        std::vector<std::pair<std::string, int>> folded;
        for (int i = 0; i < wires.Count(); ++i) {
            if (wires.Named(*wires[i])) {
                folded.emplace_back(text::FoldAscii(wires.NameOf(*wires[i])), i);
            }
        }
        std::sort(folded.begin(), folded.end());
        for (auto& [name, wire] : folded) {
            if (distinct_.empty() || distinct_.back() != name) {
                distinct_.push_back(std::move(name));
            }
            wires_.Add(static_cast<std::uint32_t>(distinct_.size()), wire);
        }
        wires_.Seal();
    }
    std::uint32_t NumberOf(std::string_view name) const {
        const auto at = std::lower_bound(distinct_.begin(), distinct_.end(), text::FoldAscii(name));
        return static_cast<std::uint32_t>(at - distinct_.begin() + 1);
    }
    Buckets& Wires() { return wires_; }

  private:
    std::vector<std::string> distinct_;
    Buckets wires_;
};

// Numbers the groups and gives the order the plain flood fill leaves the wires in.
std::vector<std::uint32_t> FloodFillOrder(model::TWireList& wires) {
    const int count = wires.Count();
    Buckets points = WiresByPoint(wires);
    WiresByName names(wires);
    std::vector<std::uint32_t> order;
    order.reserve(static_cast<std::size_t>(count));
    // A wire is numbered once its NetNo is set (all are 0 on the way in): a list of marks
    // beside the wires would add to the largest moment of the read.
    auto numbered = [&wires](int q) { return wires[q]->NetNo != 0; };
    std::vector<int> pending;
    std::vector<int> found;
    int nextFree = 0;
    std::int32_t counter = 0;
    while (static_cast<int>(order.size()) < count) {
        int p = 0;
        if (pending.empty()) {
            while (numbered(nextFree)) {
                ++nextFree;
            }
            p = nextFree;
            wires[p]->NetNo = ++counter;
        } else {
            p = pending.back();
            pending.pop_back();
        }
        order.push_back(static_cast<std::uint32_t>(p));
        found.clear();
        auto join = [&](int q) {
            if (!numbered(q)) {
                wires[q]->NetNo = counter;
                found.push_back(q);
            }
        };
        const model::TWireRec& w = *wires[p];
        points.Take(w.First().Packed(), join);
        points.Take(w.Second().Packed(), join);
        if (wires.Named(w)) {
            names.Wires().Take(names.NumberOf(wires.NameOf(w)), join);
        }
        std::sort(found.begin(), found.end());
        pending.insert(pending.end(), found.begin(), found.end());
    }
    return order;
}

}  // namespace

// The plain flood fill moves each wire found by the wire being processed to directly after
// it, so the found wires wait in reverse order of discovery in front of those found earlier:
// a stack. The wires not yet numbered keep their relative order throughout, so a wire
// finds the free wires that share an end or its name in list order, which is the order
// they are pushed in. All free wires at a point (or of a name) join the first wire that
// reaches it, so each point and each name is looked at once.
void NumberNets(model::TWireList& wires) {
    for (const model::TWireRec& item : wires.Items) {
        if (item.NetNo != 0) {
            netlist::NumberNets(wires);  // numbered before: only the plain pass knows
            return;
        }
    }
    wires.Reorder(FloodFillOrder(wires));
}

void ConnectWires(model::TWireList& wires, const model::TPartsList& parts,
                  const PinConversion& pinCvt) {
    indexed::SplitAtJunctions(wires);
    indexed::SplitOverlaps(wires);
    indexed::AddPinStubs(wires, parts, pinCvt);
    indexed::ApplyLabels(wires);
    indexed::SortWiresByLabel(wires);
    indexed::NumberNets(wires);
}

void BuildConnectivity(model::TWireList& wires, const model::TPartsList& parts,
                       model::TNetList& nets, const PinConversion& pinCvt,
                       const NetSettings& settings, ShortsReporter& shorts) {
    indexed::ConnectWires(wires, parts, pinCvt);
    netlist::indexed::BuildNets(nets, wires, settings, shorts);
}

}  // namespace netlist::indexed
