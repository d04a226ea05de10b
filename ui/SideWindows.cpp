// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SideWindows.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <utility>

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

// What a set of places costs, the weightiest term first; two costs compare term by term.
enum Term : std::size_t {
    kKeep,
    kShortened,
    kSides,
    kMain,
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

qint64 covered(const QRect& a, const QRect& b)
{
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
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
// Not kept on the screen: a start past its end may still be met by shortening.
std::vector<int> starts(Span screen, int length, const std::vector<Span>& spans)
{
    std::vector<int> out{screen.first, screen.second + 1 - length};
    for (const auto& [first, last] : spans)
        out.insert(out.end(), {last + 1 + kGap, first - kGap - length, first, last + 1 - length});
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

class Search {
public:
    Search(const SideScene& scene, const std::vector<SideWindow>& windows)
        : scene_(scene), windows_(windows), places_(windows.size())
    {
    }

    void tryOrder(const std::vector<std::size_t>& order)
    {
        order_ = order;
        step(0, Cost{});
    }
    const std::vector<QRect>& best() const { return best_; }

private:
    struct Candidate {
        QRect rect;
        Cost cost;
    };

    void step(std::size_t depth, const Cost& sofar)
    {
        if (depth == order_.size()) {
            if (best_.empty() || sofar < bestCost_) {
                bestCost_ = sofar;
                best_ = places_;
            }
            return;
        }
        std::vector<Candidate> candidates = candidatesAt(depth);
        std::stable_sort(candidates.begin(), candidates.end(),
                         [](const Candidate& a, const Candidate& b) { return a.cost < b.cost; });
        for (const Candidate& c : candidates) {
            const Cost total = sofar + c.cost;
            // Every term is at least 0, so what the rest adds cannot make up for it; nor can
            // the candidates after this one, which cost as much or more.
            if (!best_.empty() && !(total < bestCost_))
                return;
            places_[order_[depth]] = c.rect;
            step(depth + 1, total);
        }
    }

    std::vector<Candidate> candidatesAt(std::size_t depth) const
    {
        const SideWindow& w = windows_[order_[depth]];
        const QRect& screen = scene_.screen;
        const QRect& main = scene_.main;
        const int width = std::min(w.size.width(), screen.width());
        const int height = std::min(w.size.height(), screen.height());
        const int minHeight = std::clamp(w.minHeight, 1, height);

        std::vector<QRect> near{main};
        near.insert(near.end(), scene_.keepInSight.begin(), scene_.keepInSight.end());
        for (std::size_t d = 0; d < depth; ++d)
            near.push_back(places_[order_[d]]);
        if (!w.at.isNull())
            near.push_back(w.at);
        std::vector<Span> across;
        std::vector<Span> down;
        for (const QRect& r : near) {
            across.emplace_back(r.left(), r.right());
            down.emplace_back(r.top(), r.bottom());
        }
        std::vector<int> lefts = starts({screen.left(), screen.right()}, width, across);
        for (int& x : lefts)
            x = std::clamp(x, screen.left(), screen.right() + 1 - width);
        lefts.erase(std::unique(lefts.begin(), lefts.end()), lefts.end());

        // Its whole height, kept on the screen; or shortened, no less than minHeight, to end
        // above a part to keep in sight or at the screen's foot.
        std::vector<std::pair<int, int>> spansDown; // top, height
        for (int top : starts({screen.top(), screen.bottom()}, height, down)) {
            spansDown.emplace_back(std::clamp(top, screen.top(), screen.bottom() + 1 - height), height);
            if (top < screen.top())
                continue;
            std::vector<int> ends{screen.bottom() + 1};
            for (const QRect& keep : scene_.keepInSight)
                ends.push_back(keep.top() - kGap);
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
                Cost c{};
                for (const QRect& keep : scene_.keepInSight)
                    c[kKeep] += covered(r, keep);
                c[kShortened] = height - tall;
                for (std::size_t d = 0; d < depth; ++d)
                    c[kSides] += covered(r, places_[order_[d]]);
                c[kMain] = covered(r, main);
                const qint64 moved = w.at.isNull() ? 0 : (r.topLeft() - w.at.topLeft()).manhattanLength();
                c[w.shown ? kShownMoved : kHiddenMoved] = moved;
                c[kDistance] = std::abs(distance(r, main) - kGap);
                c[kSide] = sideOf(r, main);
                c[kLevel] = std::min(std::abs(r.top() - main.top()), std::abs(r.left() - main.left()));
                out.push_back({r, c});
            }
        }
        return out;
    }

    const SideScene& scene_;
    const std::vector<SideWindow>& windows_;
    std::vector<std::size_t> order_;
    std::vector<QRect> places_; // by window, those up to the current depth
    std::vector<QRect> best_;
    Cost bestCost_{};
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

// The side windows of one main window, which owns it: it keeps them placed whenever one
// of them changes its size.
class SideWindowKeeper : public QObject {
    Q_OBJECT
public:
    explicit SideWindowKeeper(QWidget& main) : QObject(&main), main_(main) {}

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
            sides_.push_back({&side, {}, {}, false});
            side.installEventFilter(this);
        }
        side.setAttribute(Qt::WA_ShowWithoutActivating);
        // Its size before the first showing is what its layout asks for: a window's own
        // first size would cut it to two thirds of the screen.
        if (QLayout* layout = side.layout())
            layout->activate();
        place(&side);
        side.show();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (placing_ || (type != QEvent::Resize && type != QEvent::Paint))
            return false;
        for (Side& s : sides_) {
            if (s.window != watched || !s.window->isVisible())
                continue;
            const QMargins frame = frameMargins(*s.window);
            if (type == QEvent::Resize && s.window->size() != s.placedSize) {
                place(nullptr);
            } else if (type == QEvent::Paint && !frame.isNull() && frame != s.placedFrame) {
                // A window manager frames a window once it shows: by its first painting the
                // frame is known, and where it is not the one guessed, placed again.
                s.placedFrame = frame;
                QMetaObject::invokeMethod(
                    this, [this] { place(nullptr); }, Qt::QueuedConnection);
            }
            break;
        }
        return false;
    }

private:
    struct Side {
        QPointer<QWidget> window;
        QSize placedSize;
        QMargins placedFrame;
        bool placedOnce = false;
    };

    // Places the shown side windows and `opening`, which is to show.
    void place(QWidget* opening)
    {
        const QScopedValueRollback guard(placing_, true);
        // A window never shown has no frame yet: it will have one like the main window's.
        const QMargins mainFrame = frameMargins(main_);
        SideScene scene{main_.geometry().marginsAdded(mainFrame), screenArea(main_), {}};
        if (area_)
            for (const QRect& keep : keepInSight_)
                scene.keepInSight.emplace_back(area_->mapToGlobal(keep.topLeft()), keep.size());
        std::vector<Side*> placing;
        std::vector<QMargins> frames;
        std::vector<SideWindow> windows;
        for (Side& s : sides_) {
            QWidget* w = s.window;
            if (!w || (w != opening && !w->isVisible()))
                continue;
            const QMargins own = frameMargins(*w);
            const QMargins frame = own.isNull() ? mainFrame : own;
            const QRect outer = w->geometry().marginsAdded(frame);
            const int minHeight
                = std::max(w->minimumHeight(), w->minimumSizeHint().height()) + frame.top() + frame.bottom();
            windows.push_back(
                {outer.size(), std::min(minHeight, outer.height()), s.placedOnce ? outer : QRect(), w != opening});
            placing.push_back(&s);
            frames.push_back(frame);
        }
        const std::vector<QRect> places = placeSideWindows(scene, windows);
        for (std::size_t i = 0; i < places.size(); ++i) {
            QWidget* w = placing[i]->window;
            // Placed by its inside: where a window's frame is not known yet, moving its frame
            // would move its inside there.
            const QRect inner = places[i].marginsRemoved(frames[i]);
            if (inner != w->geometry())
                w->setGeometry(inner);
            placing[i]->placedSize = w->size();
            placing[i]->placedFrame = frames[i];
            placing[i]->placedOnce = true;
        }
    }

    QWidget& main_;
    QPointer<const QWidget> area_;
    std::vector<QRect> keepInSight_;
    std::vector<Side> sides_;
    bool placing_ = false;
};

} // namespace

std::vector<QRect> placeSideWindows(const SideScene& scene, const std::vector<SideWindow>& windows)
{
    Search search(scene, windows);
    std::vector<std::size_t> order(windows.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    // Every order of placing them: the first placed never makes room for a later one.
    do
        search.tryOrder(order);
    while (std::next_permutation(order.begin(), order.end()));
    return search.best();
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
