#pragma once
// The guides of a drag: where an edge or the centre line of the dragged outline comes within a
// few pixels of an edge or centre of another control on the same container, of the client
// area's edges or of its margins (7 dialog units in from the edges), and where the first text
// line's baseline of a dragged text-bearing control meets another's. The edges are indexed once
// when the drag starts, in sorted arrays; a step finds its guides by binary search, and the
// distances to the nearest neighbour on each side, with the equal ones marked.
#include <QPoint>
#include <QRect>
#include <array>
#include <vector>

// The outline's lines along one axis that take part (a move: all three; sizing: the edges
// being dragged).
enum TmvGuideLines : int { glNear = 1, glCentre = 2, glFar = 4, glAll = 7 };

enum class TmvGuideKind { Edge, Centre, Client, Margin, Baseline };

struct TmvGuideLine {
    bool Vertical = true; // x = Pos from Start to End (y); else y = Pos from Start to End (x)
    int Pos = 0;
    int Start = 0;
    int End = 0;
    TmvGuideKind Kind = TmvGuideKind::Edge;
    bool operator==(const TmvGuideLine&) const = default;
};

// A gap between the outline and its nearest neighbour on one side, as a segment from one to
// the other; its length is given in dialog units in dbu mode, else in pixels.
struct TmvGuideDistance {
    QPoint From;
    QPoint To;
    int Value = 0;
    bool Equal = false; // the neighbour on the opposite side is as far away
    bool operator==(const TmvGuideDistance&) const = default;
};

struct TmvGuideMatch {
    QPoint Snap; // what moves the outline's lines onto the guides (0 on an axis with none)
    std::vector<TmvGuideLine> Lines;
    std::vector<TmvGuideDistance> Distances;
    bool Empty() const { return Lines.empty(); }
};

struct TmvGuideSources {
    std::vector<QRect> Others; // visible controls on the container, those dragged left out
    // For each of Others, its first text line's baseline (surface y), or -1 without text.
    std::vector<int> Baselines;
    QRect Client;        // the container's area
    QSize Margin;        // in pixels
    bool UseDbu = false; // the distances' unit
};

// Lines this close (pixels) or closer are guides.
constexpr int kGuideReach = 4;

class TmvGuideIndex {
public:
    explicit TmvGuideIndex(TmvGuideSources sources);

    // The guides of an outline. `baseline` is the dragged control's baseline offset from the
    // outline's top, or -1. With `snap` the lines and distances are those of the outline moved
    // by the match's Snap; else of the outline where it is (the lines still at the guides).
    TmvGuideMatch Find(const QRect& outline, int xLines, int yLines, int baseline, bool snap) const;

private:
    struct Target {
        int Pos;
        int Source; // index in Others, or -1 for the client's edges and margins
        TmvGuideKind Kind;
        bool operator<(const Target& o) const { return Pos < o.Pos; }
    };
    struct AxisMatch {
        int Delta = 0;
        bool Found = false;
    };
    AxisMatch Nearest(const std::vector<Target>& targets, const std::vector<int>& values) const;
    void AddLines(TmvGuideMatch& match, const std::vector<Target>& targets,
                  const std::vector<int>& values, bool vertical, const QRect& outline) const;
    // The gaps to the nearest neighbours across (left and right) or down (above and below).
    void AddDistances(TmvGuideMatch& match, const QRect& outline, bool across) const;

    TmvGuideSources sources_;
    std::vector<Target> x_;
    std::vector<Target> y_;
    std::vector<Target> baselines_;
    // Indices of Others by near and by far edge, across ([0]: left, right) and down ([1]: top,
    // bottom), for the nearest neighbours.
    std::array<std::vector<int>, 2> byNear_;
    std::array<std::vector<int>, 2> byFar_;
};
