// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SideWindows.h"

#include <algorithm>
#include <array>
#include <utility>

#include <QElapsedTimer>
#include <QEvent>
#include <QLayout>
#include <QPointer>
#include <QScopedValueRollback>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace ui {

namespace {

constexpr int kGap = 8; // between windows that stand side by side
// How many of a window's cheapest places are tried with the others, by the order it is
// placed in: the first window's most, as it leaves the others the most to choose from.
constexpr std::size_t kTried[] = {8, 3};

// What a layout costs, the weightiest term first; two costs compare term by term.
enum Term : std::size_t {
    kKeep,
    kSides,
    kOff,
    kMain,
    kShortened,
    kMainMoved,
    kShownMoved,
    kHiddenMoved,
    kDistance,
    kSide,
    kLevel,
    kTerms
};
using Cost = std::array<qint64, kTerms>;

Cost operator+(Cost a, const Cost& b)
{
    for (std::size_t t = 0; t < kTerms; ++t)
        a[t] += b[t];
    return a;
}

qint64 area(const QRect& r)
{
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

qint64 covered(const QRect& a, const QRect& b)
{
    return area(a.intersected(b));
}

qint64 offScreen(const QRect& r, const QRect& screen)
{
    return area(r) - covered(r, screen);
}

// The start along one axis nearest to `start` that keeps `length` within first..last, or
// at first where it is longer.
int onto(int start, int length, int first, int last)
{
    return std::max(first, std::min(start, last + 1 - length));
}

QRect ontoScreen(const QRect& r, const QRect& screen)
{
    return QRect(QPoint(onto(r.left(), r.width(), screen.left(), screen.right()),
                        onto(r.top(), r.height(), screen.top(), screen.bottom())),
                 r.size());
}

// Beside the main window, alongside one of its edges: right 0, left 1, below 2, above 3;
// over it or off a corner 4.
int sideOf(const QRect& r, const QRect& main)
{
    const bool alongside = r.bottom() >= main.top() && r.top() <= main.bottom();
    const bool underOrOver = r.right() >= main.left() && r.left() <= main.right();
    if (alongside && r.left() > main.right())
        return 0;
    if (alongside && r.right() < main.left())
        return 1;
    if (underOrOver && r.top() > main.bottom())
        return 2;
    return underOrOver && r.bottom() < main.top() ? 3 : 4;
}

// Pixels between the two, across and down; 0 where they meet.
int distance(const QRect& r, const QRect& main)
{
    const int across = std::max({0, r.left() - main.right() - 1, main.left() - r.right() - 1});
    const int down = std::max({0, r.top() - main.bottom() - 1, main.top() - r.bottom() - 1});
    return across + down;
}

using Span = std::pair<int, int>; // first and last pixel along one axis

// Starts along one axis that put a window of `length` against something: a gap away
// from either end of a span, or level with either end, or at either end of the screen.
std::vector<int> starts(Span screen, int length, const std::vector<Span>& spans)
{
    std::vector<int> out{screen.first, screen.second + 1 - length};
    for (const auto& [first, last] : spans)
        out.insert(out.end(), {last + 1 + kGap, first - kGap - length, first, last + 1 - length});
    return out;
}

void sortUnique(std::vector<int>& v)
{
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
}

// The main window's places to try: where it stands, and moved onto the screen: as near as
// that, or against the screen's left or right edge; level with where it stands or with
// the screen's top. The nearest first.
std::vector<QRect> mainPlaces(const SideScene& scene)
{
    const QRect& main = scene.main;
    const QRect& screen = scene.screen;
    std::vector<QRect> out{main};
    if (scene.mainMayMove) {
        const int near = onto(main.left(), main.width(), screen.left(), screen.right());
        const int level = onto(main.top(), main.height(), screen.top(), screen.bottom());
        for (const int x : {near, screen.left(), onto(screen.right(), main.width(), screen.left(), screen.right())})
            for (const int y : {level, screen.top()})
                out.emplace_back(QPoint(x, y), main.size());
    }
    const auto moved = [&main](const QRect& r) { return (r.topLeft() - main.topLeft()).manhattanLength(); };
    std::stable_sort(out.begin(), out.end(), [&](const QRect& a, const QRect& b) { return moved(a) < moved(b); });
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

// Whether a costs less than b before the terms that only choose among equally good
// layouts: a search for those stops at the first found.
bool weightier(const Cost& a, const Cost& b)
{
    return std::lexicographical_compare(a.begin(), a.begin() + kDistance, b.begin(), b.begin() + kDistance);
}

class Search {
public:
    Search(const SideScene& scene, const std::vector<SideWindow>& windows) : scene_(scene), windows_(windows)
    {
        for (std::size_t i = 0; i < windows.size(); ++i)
            (windows[i].byPlayer && !windows[i].at.isNull() ? fixed_ : free_).push_back(i);
    }

    SidePlaces run()
    {
        for (const QRect& main : mainPlaces(scene_))
            tryMain(main);
        return best_;
    }

private:
    struct Candidate {
        QRect rect;
        Cost cost;
    };

    void tryMain(const QRect& main)
    {
        main_ = main;
        const QPoint shift = main.topLeft() - scene_.main.topLeft();
        keep_.clear();
        for (const QRect& k : scene_.keepInSight)
            keep_.push_back(k.translated(shift));
        places_.assign(windows_.size(), QRect());
        placed_.clear();
        Cost root{};
        root[kMainMoved] = shift.manhattanLength();
        root[kOff] = offScreen(main, scene_.screen);
        // Where the player put a window it stays; only a window grown off the screen comes back.
        for (std::size_t i : fixed_) {
            const QRect r = ontoScreen(QRect(windows_[i].at.topLeft(), windows_[i].size), scene_.screen);
            root = root + costOf(r, windows_[i]);
            places_[i] = r;
            placed_.push_back(r);
        }
        // What each costs at the least among its places with only the player's windows placed;
        // a layout is not followed further once what is placed and these for the rest cost more
        // than the best found.
        least_.assign(windows_.size(), Cost{});
        for (std::size_t i : free_) {
            const std::vector<Candidate> all = candidatesFor(i);
            least_[i] = std::min_element(all.begin(), all.end(), [](const Candidate& a, const Candidate& b) {
                            return a.cost < b.cost;
                        })->cost;
        }
        std::vector<std::size_t> order = free_;
        // Every order of placing them: the first placed never makes room for a later one.
        do {
            order_ = order;
            placed_.resize(fixed_.size());
            step(0, root);
        } while (std::next_permutation(order.begin(), order.end()));
    }

    // Every term but the distance moved, which only a free window has.
    Cost costOf(const QRect& r, const SideWindow& w) const
    {
        Cost c{};
        for (const QRect& keep : keep_)
            c[kKeep] += covered(r, keep);
        for (const QRect& other : placed_)
            c[kSides] += covered(r, other);
        c[kOff] = offScreen(r, scene_.screen);
        c[kMain] = covered(r, main_);
        c[kShortened] = std::max(0, w.size.height() - r.height());
        c[kDistance] = std::abs(distance(r, main_) - kGap);
        c[kSide] = sideOf(r, main_);
        c[kLevel] = std::min(std::abs(r.top() - main_.top()), std::abs(r.left() - main_.left()));
        return c;
    }

    void step(std::size_t depth, const Cost& sofar)
    {
        if (depth == order_.size()) {
            if (!found_ || sofar < bestCost_) {
                found_ = true;
                bestCost_ = sofar;
                best_ = {main_, places_};
            }
            return;
        }
        const std::vector<Candidate> candidates = cheapest(candidatesFor(order_[depth]), depth);
        Cost rest{};
        for (std::size_t d = depth + 1; d < order_.size(); ++d)
            rest = rest + least_[order_[d]];
        for (const Candidate& c : candidates) {
            const Cost total = sofar + c.cost;
            // The rest are not to cost less than their least, so nothing can make up for it;
            // nor can the candidates after this one, which cost as much or more.
            if (found_ && !weightier(total + rest, bestCost_))
                return;
            places_[order_[depth]] = c.rect;
            placed_.push_back(c.rect);
            step(depth + 1, total);
            placed_.pop_back();
        }
    }

    // The places to try for the window placed at `depth`, the cheapest first: the last one
    // placed takes the cheapest. One placed before others takes the cheapest few, and the
    // cheapest of each height it may be shortened to: its cheapest places all have its whole
    // height where there is room for it alone, and a shorter one may leave the others room.
    std::vector<Candidate> cheapest(std::vector<Candidate> all, std::size_t depth) const
    {
        const auto cheaper = [](const Candidate& a, const Candidate& b) { return a.cost < b.cost; };
        const bool last = depth + 1 == order_.size();
        const std::size_t tried = std::min(last ? 1 : kTried[std::min(depth, std::size(kTried) - 1)], all.size());
        const auto first = all.begin() + std::ptrdiff_t(tried);
        std::partial_sort(all.begin(), first, all.end(), cheaper);
        std::vector<Candidate> out(all.begin(), first);
        if (depth > 0 || last)
            return out;
        std::vector<Candidate> shorter; // the cheapest of each height not among those
        for (auto c = first; c != all.end(); ++c) {
            const auto sameHeight = [&c](const Candidate& o) { return o.rect.height() == c->rect.height(); };
            if (std::any_of(out.begin(), out.end(), sameHeight))
                continue;
            const auto same = std::find_if(shorter.begin(), shorter.end(), sameHeight);
            if (same == shorter.end())
                shorter.push_back(*c);
            else if (cheaper(*c, *same))
                *same = *c;
        }
        out.insert(out.end(), shorter.begin(), shorter.end());
        std::sort(out.begin() + std::ptrdiff_t(tried), out.end(), cheaper);
        return out;
    }

    // Places for window `index` among those placed so far.
    std::vector<Candidate> candidatesFor(std::size_t index) const
    {
        const SideWindow& w = windows_[index];
        const QRect& screen = scene_.screen;
        const int width = w.size.width();
        const int height = std::min(w.size.height(), screen.height());
        const int minHeight = std::clamp(w.minHeight, 1, height);

        std::vector<QRect> near{main_};
        near.insert(near.end(), keep_.begin(), keep_.end());
        near.insert(near.end(), placed_.begin(), placed_.end());
        if (!w.at.isNull())
            near.push_back(w.at);
        std::vector<Span> across;
        std::vector<Span> down;
        for (const QRect& r : near) {
            across.emplace_back(r.left(), r.right());
            down.emplace_back(r.top(), r.bottom());
        }
        // On the screen; or, where it cannot be, reaching past its right edge.
        std::vector<int> lefts;
        for (int x : starts({screen.left(), screen.right()}, width, across)) {
            lefts.push_back(onto(x, width, screen.left(), screen.right()));
            if (x >= screen.left() && x <= screen.right() + 1 - std::min(width, kLeastInSight))
                lefts.push_back(x);
        }
        sortUnique(lefts);

        // Its whole height, on the screen or reaching past its foot; or shortened, no less
        // than minHeight, to end above a part to keep in sight or a window placed, or at the
        // screen's foot; or at minHeight against the screen's top or foot, which leaves the
        // most room for another in the same column.
        std::vector<std::pair<int, int>> spansDown{{screen.top(), minHeight},
                                                   {screen.bottom() + 1 - minHeight, minHeight}}; // top, height
        for (int top : starts({screen.top(), screen.bottom()}, height, down)) {
            spansDown.emplace_back(onto(top, height, screen.top(), screen.bottom()), height);
            if (top < screen.top())
                continue;
            if (top <= screen.bottom() + 1 - std::min(height, kLeastInSight))
                spansDown.emplace_back(top, height);
            std::vector<int> ends{screen.bottom() + 1};
            for (const QRect& keep : keep_)
                ends.push_back(keep.top() - kGap);
            for (const QRect& other : placed_)
                ends.push_back(other.top() - kGap);
            for (int end : ends)
                if (end - top >= minHeight && end - top < height && end <= screen.bottom() + 1)
                    spansDown.emplace_back(top, end - top);
        }
        std::sort(spansDown.begin(), spansDown.end());
        spansDown.erase(std::unique(spansDown.begin(), spansDown.end()), spansDown.end());

        std::vector<Candidate> out;
        out.reserve(lefts.size() * spansDown.size());
        for (const auto& [top, tall] : spansDown) {
            for (int left : lefts) {
                const QRect r(left, top, width, tall);
                Cost c = costOf(r, w);
                const qint64 moved = w.at.isNull() ? 0 : (r.topLeft() - w.at.topLeft()).manhattanLength();
                c[w.shown ? kShownMoved : kHiddenMoved] = moved;
                out.push_back({r, c});
            }
        }
        return out;
    }

    const SideScene& scene_;
    const std::vector<SideWindow>& windows_;
    std::vector<std::size_t> fixed_; // placed by the player
    std::vector<std::size_t> free_;  // placed here, in every order
    QRect main_;                     // the main window's place being tried
    std::vector<QRect> keep_;        // keepInSight, moved with it
    std::vector<std::size_t> order_;
    std::vector<Cost> least_;   // by window, its least cost with none but the player's placed
    std::vector<QRect> places_; // by window, those placed so far
    std::vector<QRect> placed_; // the windows placed so far, the player's first
    SidePlaces best_;
    Cost bestCost_{};
    bool found_ = false;
};

std::function<QRect(const QWidget&)>& screenOverride()
{
    static std::function<QRect(const QWidget&)> screen;
    return screen;
}

QRect screenArea(const QWidget& main)
{
    if (screenOverride())
        return screenOverride()(main);
    const QScreen* screen = main.screen();
    return screen ? screen->availableGeometry() : main.frameGeometry();
}

// The window manager's frame around the window, as the window system tells it now (a
// widget keeps the first it heard, which may come before the frame); none while unknown.
QMargins frameMargins(const QWidget& w)
{
    const QWindow* window = w.windowHandle();
    const QMargins frame = window ? window->frameMargins() : QMargins();
    const bool sound = frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 && frame.bottom() >= 0;
    return sound ? frame : QMargins();
}

// Where a window has stood lately by the program's doing: its own resizes and the places
// given it here. A window system reports each of them back, late, and may report one after
// the next was asked for; a place it reports that is none of these, the player chose, unless
// it comes as the window manager frames the window (kSettling).
class OwnPlaces {
public:
    void add(const QRect& r)
    {
        places_.push_back(r);
        if (places_.size() > kKept)
            places_.erase(places_.begin());
    }
    bool has(const QRect& r) const { return std::find(places_.begin(), places_.end(), r) != places_.end(); }

private:
    static constexpr std::size_t kKept = 8;
    std::vector<QRect> places_;
};

// How long after a window is placed the window system may still move it by itself: a
// window manager keeps a window's frame on the screen as it frames it.
constexpr qint64 kSettling = 1000; // ms

// The side windows of one main window, which owns it: it places them and main together
// when one opens or changes its size, and moves them with main when the player moves it.
class SideWindowKeeper : public QObject {
    Q_OBJECT
public:
    explicit SideWindowKeeper(QWidget& main) : QObject(&main), main_(main) { main.installEventFilter(this); }

    static SideWindowKeeper& of(QWidget& main)
    {
        auto* keeper = main.findChild<SideWindowKeeper*>(QString(), Qt::FindDirectChildrenOnly);
        return keeper ? *keeper : *new SideWindowKeeper(main);
    }

    void show(QWidget& side, const QWidget& area, std::vector<QRect> keepInSight)
    {
        area_ = &area;
        keepInSight_ = std::move(keepInSight);
        if (std::none_of(sides_.begin(), sides_.end(), [&side](const Side& s) { return s.window == &side; })) {
            sides_.push_back({&side, {}, {}, {}, {}, {}, false, false});
            side.installEventFilter(this);
        }
        side.setAttribute(Qt::WA_ShowWithoutActivating);
        // Its size before the first showing is what its layout asks for: a window's own
        // first size would cut it to two thirds of the screen.
        if (QLayout* layout = side.layout())
            layout->activate();
        place(&side, true);
        side.show();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (placing_ || (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Paint))
            return false;
        if (watched == &main_) {
            if (type == QEvent::Move && !sides_.empty() && !mainPlaces_.has(main_.geometry()))
                follow();
            return false;
        }
        for (Side& s : sides_) {
            QWidget* w = s.window;
            if (w != watched || !w->isVisible() || !s.placedOnce)
                continue;
            if (type == QEvent::Paint) {
                // A window manager frames a window once it shows: by its first painting the
                // frame is known, and where it is not the one guessed, placed again.
                const QMargins frame = frameMargins(*w);
                if (!frame.isNull() && frame != s.placedFrame) {
                    s.placedFrame = frame;
                    QMetaObject::invokeMethod(
                        this, [this] { place(nullptr, true); }, Qt::QueuedConnection);
                }
            } else if (!s.own.has(w->geometry())) {
                s.own.add(w->geometry());
                if (type == QEvent::Resize && !event->spontaneous()) {
                    place(nullptr, true); // its content made it grow
                } else if (!event->spontaneous() || !s.placed.isValid() || s.placed.hasExpired(kSettling)) {
                    s.byPlayer = true;
                    s.playerAt = outer(*w);
                } // else the window manager's own adjustment, as it frames the window
            }
            break;
        }
        return false;
    }

private:
    struct Side {
        QPointer<QWidget> window;
        OwnPlaces own;
        QMargins placedFrame;
        QElapsedTimer placed; // since it was last placed
        QPoint offset;        // its frame's top-left from main's, as placed
        QRect playerAt;       // its frame where the player put it
        bool placedOnce = false;
        bool byPlayer = false;
    };

    // Main's frame, or a side window's, as guessed where it is not known yet.
    QRect outer(const QWidget& w) const
    {
        const QMargins own = frameMargins(w);
        return w.geometry().marginsAdded(own.isNull() && &w != &main_ ? frameMargins(main_) : own);
    }

    // Main moved other than here: its side windows go with it, once the events of the move
    // have come in.
    void follow()
    {
        if (following_)
            return;
        following_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                following_ = false;
                mainPlaces_.add(main_.geometry());
                place(nullptr, false);
            },
            Qt::QueuedConnection);
    }

    // Places main, its shown side windows and `opening`, which is to show.
    void place(QWidget* opening, bool mainMayMove)
    {
        const QScopedValueRollback guard(placing_, true);
        // A window never shown has no frame yet: it will have one like the main window's.
        const QMargins mainFrame = frameMargins(main_);
        SideScene scene{outer(main_), screenArea(main_), {}, mainMayMove};
        if (area_)
            for (const QRect& keep : keepInSight_)
                scene.keepInSight.emplace_back(area_->mapToGlobal(keep.topLeft()), keep.size());
        std::vector<Side*> placing;
        std::vector<SideWindow> windows;
        for (Side& s : sides_) {
            QWidget* w = s.window;
            if (!w || (w != opening && !w->isVisible()))
                continue;
            const QRect now = outer(*w);
            const QSize frame = now.size() - w->size();
            // As large as it asks to be, where it was shortened before; the player's size stays.
            const QSize size = (s.byPlayer ? w->size() : w->size().expandedTo(w->sizeHint())) + frame;
            const int minHeight = std::max(w->minimumHeight(), w->minimumSizeHint().height()) + frame.height();
            QRect at;
            if (s.byPlayer)
                at = QRect(w->isVisible() ? now.topLeft() : s.playerAt.topLeft(), size);
            else if (s.placedOnce)
                at = QRect(scene.main.topLeft() + s.offset, size);
            windows.push_back({size, std::min(minHeight, size.height()), at, w != opening, s.byPlayer});
            placing.push_back(&s);
        }
        if (windows.empty())
            return;
        const SidePlaces places = placeSideWindows(scene, windows);
        if (places.main != scene.main)
            main_.setGeometry(places.main.marginsRemoved(mainFrame));
        mainPlaces_.add(main_.geometry());
        for (std::size_t i = 0; i < windows.size(); ++i) {
            Side& s = *placing[i];
            QWidget* w = s.window;
            // Placed by its inside: where a window's frame is not known yet, moving its frame
            // would move its inside there.
            const QMargins frame = margins(*w);
            const QRect inner = places.windows[i].marginsRemoved(frame);
            if (inner != w->geometry())
                w->setGeometry(inner);
            // Where it has to lie over the main window, it lies above it.
            if (places.windows[i].intersects(places.main) && w->isVisible())
                w->raise();
            s.own.add(w->geometry());
            s.placed.start();
            s.placedFrame = frame;
            s.offset = places.windows[i].topLeft() - places.main.topLeft();
            if (s.byPlayer)
                s.playerAt = places.windows[i];
            s.placedOnce = true;
        }
    }

    QMargins margins(const QWidget& w) const
    {
        const QMargins own = frameMargins(w);
        return own.isNull() ? frameMargins(main_) : own;
    }

    QWidget& main_;
    QPointer<const QWidget> area_;
    std::vector<QRect> keepInSight_;
    std::vector<Side> sides_;
    OwnPlaces mainPlaces_; // main's, of the program's doing
    bool placing_ = false;
    bool following_ = false;
};

} // namespace

SidePlaces placeSideWindows(const SideScene& scene, const std::vector<SideWindow>& windows)
{
    return Search(scene, windows).run();
}

void showSideWindow(QWidget& main, QWidget& side, const QWidget& area, std::initializer_list<QRect> keepInSight)
{
    SideWindowKeeper::of(main).show(side, area, keepInSight);
}

void setSideWindowScreen(std::function<QRect(const QWidget& main)> screen)
{
    screenOverride() = std::move(screen);
}

} // namespace ui

#include "SideWindows.moc"
