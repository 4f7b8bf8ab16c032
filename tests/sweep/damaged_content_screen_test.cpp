// Every screen, opened the way a user's click opens it and worked a little
// (keys, the pointer over it, clicks on its controls), on a copy of the demo
// content in which one file it reads at a time is damaged. Whatever
// the damage: no crash, no hang (a named pipe never blocks), at most one
// error report for one user action, memory bounded, and the screen still
// leaves with Esc (or its exit).
// The files a screen reads are not listed by hand: the sweep watches which
// content files the intact run opens.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <new>
#include <set>
#include <thread>

#include "books/book_viewer.h"
#include "sections/home_settings.h"
#include "sections/section_home.h"
#include "shell/controls.h"
#include "shell/globals.h"
#include "shell/main_menu.h"
#include "shell/screen.h"
#include "shell/screen_open.h"
#include "shell/screen_registry.h"
#include "shell/screen_stack.h"
#include "store/content_dir.h"
#include "support/content_damage.h"
#include "support/shell_fixture.h"

// The largest single block asked of operator new since the last reset: a
// length field read from damaged content must not size an allocation
// beyond what the content holds. (The sanitizer build keeps its own
// operator new; there the peak memory check stands alone.)
namespace {
std::atomic<std::size_t> largestNew{0};
} // namespace

#if !defined(__SANITIZE_ADDRESS__)
void* operator new(std::size_t size)
{
    std::size_t seen = largestNew.load(std::memory_order_relaxed);
    while (size > seen &&
           !largestNew.compare_exchange_weak(seen, size, std::memory_order_relaxed)) {
    }
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
#define OVTA_SWEEP_COUNTS_NEW 1
#else
#define OVTA_SWEEP_COUNTS_NEW 0
#endif

namespace ovta {
namespace {

namespace fs = std::filesystem;
using test::Damage;

// How a screen is reached. With `home` and `image`, the home is opened and
// the picture clicked (the home sets the globals). With `via`, the route
// stops at that screen and the sweep opens `kind` with the globals that
// screen sets. Otherwise the kind is opened from the main menu's level.
// A route step: in a book viewer, open the book's headings (as double
// clicks on its strip do) until one lists questions.
constexpr const char* kOpenQuestions = "open-questions";

struct Route {
    std::string kind;
    std::string home;
    std::string image;
    std::string via;
    int item = 0;
    int book = 0;
    std::string name; // for the test's name
    // Instead of opening `kind` from `via`: the controls of the screen on
    // top to click one after another (a list's first row is double-clicked);
    // the last click opens the swept screen.
    std::vector<std::string> clicks = {};
    // The control that leaves the screen, for one that takes no Esc.
    std::string exit = {};
};

std::vector<Route> routes()
{
    std::vector<Route> out;
    out.push_back({"falam1", "", "", "", 0, 0, "falam1"});
    out.push_back({"fabout", "", "", "", 0, 0, "fabout"});
    out.push_back({"frm22", "", "", "", 0, 0, "frm22"});
    std::set<std::string> seen;
    for (const HomeSettings& home : homeSettings()) {
        out.push_back({home.kind, "", "", "", 0, 0, home.kind});
        for (const HomeHotSpot& spot : home.hotSpots) {
            const std::string name = std::string(spot.opens) + "_" +
                                     (spot.sets == HomeGlobal::CurrentBook ? "book" : "item") +
                                     std::to_string(homeValue(spot));
            if (!seen.insert(name).second)
                continue;
            out.push_back({spot.opens, home.kind, spot.image, "", 0, 0, name});
        }
    }
    // Screens that other screens open, with the globals those set.
    const std::vector<Route> inner = {
        {"frm03", "frm01", "Image8", "frm02", 1, 0, "frm03_from_frm02"},
        {"frm03", "frm01", "Image1", "frm04", 2, 0, "frm03_from_frm04"},
        {"frm13", "frm11", "Image2", "frm12", 3, 0, "frm13"},
        {"frm46", "frm41", "Image14", "frm45", 1, 0, "frm46"},
        {"frm83", "frm81", "Image2", "frm82", 1, 0, "frm83"},
        {"frm65", "frm61", "Image4", "frm64", 1, 0, "frm65"},
        {"frm42", "frm41", "Image2", "frm43", 0, 0, "frm42", {kOpenQuestions, "ls2"}},
        {"frm48",
         "frm41",
         "Image2",
         "frm43",
         0,
         0,
         "frm48",
         {kOpenQuestions, "ls2", "Label5"},
         "l1"},
        {"frm410", "frm41", "Image15", "frm49", 1, 0, "frm410"},
        {"sear", "frm01", "Image8", "frm02", 0, 0, "sear_from_frm02"},
        {"sear", "frm31", "Image3", "frm34", 0, 0, "sear_from_frm34"},
        {"sear", "frm41", "Image12", "frm47", 0, 0, "sear_from_frm47"},
    };
    out.insert(out.end(), inner.begin(), inner.end());
    return out;
}

std::string joined(const std::vector<std::string>& texts)
{
    std::string all;
    for (const auto& t : texts)
        all += (all.empty() ? "" : " | ") + t;
    return all;
}

// Peak resident memory since the last reset, and the reset.
long statusKiB(const char* field)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    return 0;
}

void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Well above the largest demo file (1.2 MB) and any table built from one,
// far below what a damaged 32-bit length would ask for.
constexpr std::size_t kLargestBlock = 32u << 20;

#if defined(__SANITIZE_ADDRESS__)
constexpr long kPeakGrowthKiB = 512 * 1024; // the sanitizer's quarantine
#else
constexpr long kPeakGrowthKiB = 96 * 1024;
#endif

// The content files opened below a folder, as the kernel saw them.
class OpenWatch {
public:
    explicit OpenWatch(const fs::path& root) : root_(root)
    {
        fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        add(root);
        for (const auto& entry : fs::recursive_directory_iterator(root))
            if (entry.is_directory())
                add(entry.path());
    }
    ~OpenWatch() { ::close(fd_); }

    // The files opened since the last call, as paths relative to the root.
    std::set<std::string> take()
    {
        std::set<std::string> out;
        alignas(inotify_event) char buffer[16384];
        for (;;) {
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n <= 0)
                break;
            for (ssize_t at = 0; at < n;) {
                const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
                if (e->len && !(e->mask & IN_ISDIR))
                    out.insert((dirs_[e->wd] / e->name).lexically_relative(root_).string());
                at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
            }
        }
        return out;
    }

private:
    void add(const fs::path& dir)
    {
        const int wd = inotify_add_watch(fd_, dir.c_str(), IN_OPEN);
        if (wd >= 0)
            dirs_[wd] = dir;
    }

    fs::path root_;
    int fd_ = -1;
    std::map<int, fs::path> dirs_;
};

// Ends the run with the case's name when one case takes far too long:
// a hang must fail the suite, not stall it.
class Watchdog {
public:
    Watchdog()
        : thread_([this] {
              std::unique_lock lock(mutex_);
              while (!stop_) {
                  const auto started = started_;
                  if (wake_.wait_for(lock, std::chrono::seconds(1), [&] { return stop_; }))
                      return;
                  if (started_ == started && armed_ &&
                      std::chrono::steady_clock::now() - started > std::chrono::seconds(60)) {
                      std::fprintf(stderr, "hang: %s\n", what_.c_str());
                      std::abort();
                  }
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    void arm(const std::string& what)
    {
        std::lock_guard lock(mutex_);
        what_ = what;
        armed_ = true;
        started_ = std::chrono::steady_clock::now();
    }

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    bool armed_ = false;
    std::string what_;
    std::chrono::steady_clock::time_point started_;
    std::thread thread_;
};

void PrintTo(const Route& r, std::ostream* out)
{
    *out << r.name;
}

class DamagedContentTest : public test::ShellTest, public ::testing::WithParamInterface<Route> {
protected:
    static void SetUpTestSuite()
    {
        copy_ = new test::FixtureDir;
        fs::copy(OVTA_DEMO_DIR, copy_->path(), fs::copy_options::recursive);
        watchdog_ = new Watchdog;
    }
    static void TearDownTestSuite()
    {
        std::printf("damaged-content sweep: %ld cases, at most %zu error reports for one fault in "
                    "one action, "
                    "peak memory growth at most %.1f MiB, largest allocation %.2f MiB%s\n",
                    cases_, mostReports_, mostGrowthKiB_ / 1024.0, largestBlock_ / 1048576.0,
                    OVTA_SWEEP_COUNTS_NEW ? "" : " (not counted in this build)");
        delete watchdog_;
        delete copy_;
        watchdog_ = nullptr;
        copy_ = nullptr;
    }

    void SetUp() override
    {
        ShellTest::SetUp();
        ASSERT_TRUE(fs::exists(copy_->path() / "data")) << "demo content missing";
        ContentDir::setCurrent(copy_->path());
        useFakePointer();
        for (const auto& entry : fs::recursive_directory_iterator(copy_->path())) {
            const std::string ext = entry.path().extension().string();
            if (ext == ".wav" || ext == ".avi" || ext == ".WAV" || ext == ".AVI") {
                std::string name = entry.path().lexically_relative(copy_->path()).string();
                std::replace(name.begin(), name.end(), '/', '\\');
                knowMedia(name, 2000);
            }
        }
    }

    static fs::path root() { return copy_->path(); }

    // Everything the route passes before the swept screen.
    void openRoute(const Route& r)
    {
        resetGlobals();
        globals().titleTable.load(ContentDir::current());
        if (r.home.empty())
            return;
        openKind(r.home);
        settle();
        if (r.via.empty())
            return;
        clickHotSpot(r);
        settle();
        for (std::size_t i = 0; i + 1 < r.clicks.size(); ++i)
            clickControl(r.clicks[i]);
    }

    void clickControl(const std::string& name)
    {
        Screen* top = ScreenStack::instance().top();
        ASSERT_NE(top, nullptr);
        if (name == kOpenQuestions) {
            auto* viewer = dynamic_cast<BookViewer*>(top);
            ASSERT_NE(viewer, nullptr);
            ASSERT_NE(viewer->ls2, nullptr);
            for (int k = 1; k <= 4 && viewer->ls2->count() == 0; ++k)
                for (int row = 1; row <= 8 && viewer->ls2->count() == 0; ++row)
                    guard([&] { viewer->LaevDblClick(k, row); });
            errors->clear();
            return;
        }
        auto* control = top->findChild<QWidget*>(QString::fromStdString(name));
        ASSERT_NE(control, nullptr) << top->objectName().toStdString() << " has no " << name;
        if (name == "ls2") // its first row
            QTest::mouseDClick(control, Qt::LeftButton, {}, QPoint(control->width() / 2, 4));
        else
            QTest::mouseClick(control, Qt::LeftButton);
        settle();
    }

    void clickHotSpot(const Route& r)
    {
        auto* home = dynamic_cast<SectionHome*>(ScreenStack::instance().top());
        ASSERT_NE(home, nullptr) << r.home << " did not open";
        ImageControl* image = home->image(r.image);
        ASSERT_NE(image, nullptr) << r.home << " has no " << r.image;
        QTest::mouseClick(image, Qt::LeftButton);
    }

    // Opens the swept screen the way its caller does and works it a little.
    // Returns the screen, or nullptr when none came up.
    // Whether the screen came up and was driven, and left after the drive.
    bool openAndDrive(const Route& r)
    {
        actionStart_ = errors->shown().size();
        mostInAction_ = 0;
        opened_ = false;
        left_ = false;
        Screen* before = ScreenStack::instance().top();
        // A modal screen runs its own loop: the drive runs inside it, once
        // the screen is up.
        exit_ = r.exit;
        driveWhenUp(before, 20);
        if (r.kind == "falam1")
            openScreen<Tfalam1>();
        else if (!r.clicks.empty())
            clickControl(r.clicks.back());
        else if (!r.via.empty() || r.home.empty())
            openSwept(r);
        else
            clickHotSpot(r);
        for (int i = 0; i < 25; ++i)
            settle();
        endPhase();
        return opened_;
    }

    void driveWhenUp(Screen* before, int tries)
    {
        QTimer::singleShot(0, [this, before, tries] {
            Screen* top = ScreenStack::instance().top();
            if (top && top != before)
                drive(top);
            else if (tries > 0)
                driveWhenUp(before, tries - 1);
        });
    }

    void openSwept(const Route& r)
    {
        if (r.item)
            globals().CurrentItem = r.item;
        if (r.book)
            globals().CurrentBook = r.book;
        if (r.item)
            globals().CurrentTitle = "\x41\x42";
        openKind(r.kind);
    }

    void drive(Screen* screen)
    {
        opened_ = true;
        QPointer<Screen> guardScreen = screen;
        const int terminating = terminateRequests;
        driveKeysAndPointer(screen);
        settle();
        // The main menu's Esc ends the run rather than the screen.
        left_ = !guardScreen || !ScreenStack::instance().contains(screen) ||
                terminateRequests > terminating;
    }

    void driveKeysAndPointer(Screen* screen)
    {
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Left, Qt::Key_Up,
                            Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Tab}) {
            if (ScreenStack::instance().top() != screen)
                return;
            QTest::keyClick(keyTarget(screen), key);
        }
        for (int y = 20; y < 480; y += 70)
            for (int x = 20; x < 640; x += 90) {
                if (ScreenStack::instance().top() != screen)
                    return;
                QWidget* under = screen->childAt(x, y);
                QWidget* target = under ? under : screen;
                QTest::mouseMove(target, target->mapFrom(screen, QPoint(x, y)));
            }
        // A home's clicks open the screens that have routes of their own.
        if (!dynamic_cast<SectionHome*>(screen) && !clickControls(screen))
            return;
        if (auto* exit = screen->findChild<QWidget*>(QString::fromStdString(exit_));
            exit && !exit_.empty())
            QTest::mouseClick(exit, Qt::LeftButton);
        else
            QTest::keyClick(keyTarget(screen), Qt::Key_Escape);
    }

    // Clicks on a few of the screen's own controls, in name order; what a
    // click opens over the screen is left again with Esc (a modal screen
    // from inside its own loop). False when the screen is gone or stays
    // covered.
    bool clickControls(Screen* screen)
    {
        QPointer<Screen> alive = screen;
        std::vector<QPointer<QWidget>> controls;
        for (QWidget* w : screen->findChildren<QWidget*>()) {
            if (w->isVisible() && !w->objectName().isEmpty() &&
                w->findChildren<QWidget*>().empty() && w->objectName().toStdString() != exit_)
                controls.push_back(w);
        }
        std::sort(controls.begin(), controls.end(),
                  [](const auto& a, const auto& b) { return a->objectName() < b->objectName(); });
        if (controls.size() > 8)
            controls.resize(8);
        for (const QPointer<QWidget>& control : controls) {
            if (!alive || ScreenStack::instance().top() != screen)
                return false;
            if (!control || !control->isVisible())
                continue;
            closeModalOver(screen, 20);
            endPhase();
            QTest::mouseClick(control, Qt::LeftButton);
            settle();
            // A chooser's list that the click dropped down goes up again.
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            for (int i = 0; i < 3 && alive && ScreenStack::instance().contains(screen) &&
                            ScreenStack::instance().top() != screen;
                 ++i) {
                QTest::keyClick(keyTarget(ScreenStack::instance().top()), Qt::Key_Escape);
                settle();
            }
        }
        return alive && ScreenStack::instance().top() == screen;
    }

    void closeModalOver(Screen* screen, int tries)
    {
        QPointer<Screen> alive = screen;
        QTimer::singleShot(0, [this, alive, tries] {
            Screen* top = ScreenStack::instance().top();
            if (alive && top && top != alive && top->isModal()) {
                QTest::keyClick(keyTarget(top), Qt::Key_Escape);
                if (ScreenStack::instance().top() == top)
                    top->closeModal();
            } else if (tries > 0) {
                closeModalOver(alive, tries - 1);
            }
        });
    }

    // Reports are counted per user action: opening the screen with the keys
    // and the pointer over it is one, each click another (a click may open
    // a screen that reads the damaged file again, and say so again).
    void endPhase()
    {
        const std::size_t shown = errors->shown().size();
        mostInAction_ = std::max(mostInAction_, shown - actionStart_);
        actionStart_ = shown;
    }

    // Keys reach the control that has the focus, as a keyboard's do.
    static QWidget* keyTarget(Screen* screen)
    {
        QWidget* focus = QApplication::focusWidget();
        return focus && screen->isAncestorOf(focus) ? focus : screen;
    }

    // Takes every screen off, the way the run's end does.
    void closeAll()
    {
        for (int guardCount = 0; guardCount < 20 && ScreenStack::instance().top(); ++guardCount) {
            Screen* s = ScreenStack::instance().top();
            if (s->isModal())
                s->closeModal();
            else
                s->release();
            settle();
        }
        settle();
    }

    static inline test::FixtureDir* copy_ = nullptr;
    static inline Watchdog* watchdog_ = nullptr;
    static inline long cases_ = 0;
    static inline std::size_t mostReports_ = 0;
    static inline long mostGrowthKiB_ = 0;
    static inline std::size_t largestBlock_ = 0;
    bool opened_ = false;
    bool left_ = false;
    std::string exit_;
    std::size_t actionStart_ = 0;
    std::size_t mostInAction_ = 0;
};

TEST_P(DamagedContentTest, EachDamageOfEachFileTheScreenReads)
{
    const Route& r = GetParam();
    OpenWatch watch(root());

    // The intact run: which files the screen opens, and that it works.
    watchdog_->arm(r.name + " intact");
    openRoute(r);
    watch.take();
    errors->clear();
    const bool intact = openAndDrive(r);
    const std::set<std::string> files = watch.take();
    ASSERT_TRUE(intact) << r.kind << " did not open on intact content\n"
                        << test::TraceCapture::joinedLines(traceCapture->lines);
    EXPECT_TRUE(errors->shown().empty())
        << r.kind << " reported on intact content: " << errors->shown().front();
    const bool leavesWithEsc = left_;
    std::string read;
    for (const std::string& file : files)
        read += (read.empty() ? "" : " ") + file;
    RecordProperty("files", read);
    EXPECT_TRUE(leavesWithEsc) << r.kind << " does not leave with Esc or its exit";
    closeAll();

    for (const std::string& file : files) {
        for (Damage damage : test::allDamages()) {
            const std::string what = r.name + " " + file + " " + test::damageName(damage);
            SCOPED_TRACE(what);
            watchdog_->arm(what);
            openRoute(r);
            errors->clear();
            const long rssBefore = statusKiB("VmRSS");
            resetPeak();
            largestNew = 0;
            int fifoOpens = 0;
            {
                test::DamagedFile damaged(root() / file, damage);
                openAndDrive(r);
                fifoOpens = damaged.fifoOpens();
            }
            const long peakGrowth = statusKiB("VmHWM") - rssBefore;
            const std::size_t largest = largestNew;
            ++cases_;
            largestBlock_ = std::max(largestBlock_, largest);
            mostReports_ = std::max(mostReports_, mostInAction_);
            mostGrowthKiB_ = std::max(mostGrowthKiB_, peakGrowth);
            EXPECT_LE(mostInAction_, 1u)
                << "error storm: " << mostInAction_
                << " reports for one action; all: " << joined(errors->shown());
            EXPECT_LE(largest, kLargestBlock) << "one allocation of " << largest << " bytes";
            EXPECT_EQ(fifoOpens, 0) << "a named pipe was opened";
            EXPECT_LE(peakGrowth, kPeakGrowthKiB) << "peak memory grew by " << peakGrowth << " KiB";
            if (leavesWithEsc) {
                EXPECT_TRUE(!opened_ || left_) << "the screen does not leave with Esc or its exit";
            }
            closeAll();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, DamagedContentTest, ::testing::ValuesIn(routes()),
                         [](const ::testing::TestParamInfo<Route>& info) {
                             return info.param.name;
                         });

} // namespace
} // namespace ovta
