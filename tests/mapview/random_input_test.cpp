// Every window under random input: the main window opened on a real imported world in a scratch
// program folder, played by a seeded stream of clicks, drags, wheel turns, keys, menu items,
// typed text, list picks and answers, into every window it opens. Nothing may crash, no event
// may hold the program for more than 5 seconds, nothing outside the scratch folder may be
// written, and the folder must open again without a message.
//
// KORVANE_RANDOM_SEED and KORVANE_RANDOM_EVENTS choose the run; a failure names both.
#include "mapview/windows/frm_map.h"

#include "core/user_interaction.h"
#include "storage/exchange_file.h"
#include "storage/map_database.h"
#include "support/fixtures.h"
#include "support/random_stream.h"
#include "support/scripted_interaction.h"
#include "windows/qt_interaction.h"
#include "windows/unit_browser_world.h"
#include "workspace/workspace.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QClipboard>
#include <QCursor>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QRadioButton>
#include <QSplitter>
#include <QTabBar>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KORVANE_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define KORVANE_ASAN 1
#endif
#ifdef KORVANE_ASAN
#include <sanitizer/common_interface_defs.h>
#endif

namespace fs = std::filesystem;

namespace korvane {
namespace {

// The scratch folder made before the application starts, with HOME, XDG_* and TMPDIR inside it.
std::string gScratch;

// Where the run is, kept ready for a crash handler, which may only write(2), and in a file of the
// scratch folder for a death that calls no handler (the undefined-behaviour checks end at once).
char gWhere[512] = "before the first event";
int gWhereFile = -1;
// The last steps played, for a warning from Qt or a failure.
std::deque<std::string> gRecent;

std::string RecentSteps()
{
    std::string text = "  the last steps:";
    for (const std::string& step : gRecent)
        text += "\n    " + step;
    return text;
}

void SayWhereOnDeath()
{
    const char head[] = "\nRandomInput died at ";
    [[maybe_unused]] auto ignored = ::write(2, head, sizeof head - 1);
    ignored = ::write(2, gWhere, strnlen(gWhere, sizeof gWhere));
    ignored = ::write(2, "\n", 1);
}

void SayWhereOnSignal(int signal)
{
    SayWhereOnDeath();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// ---------------------------------------------------------------------------------------------
// Files outside the scratch folder that must come out of the run as they went in.

using Listing = std::map<std::string, std::pair<fs::file_time_type, std::uintmax_t>>;

void AddToListing(Listing& listing, const fs::path& root, bool recursive)
{
    std::error_code error;
    if (!fs::exists(root, error))
        return;
    // Folders only by name: a file made or removed in one is listed itself.
    const auto note = [&](const fs::directory_entry& entry) {
        std::error_code ignored;
        if (entry.is_regular_file(ignored))
            listing[entry.path().string()] = {entry.last_write_time(ignored), entry.file_size(ignored)};
        else
            listing[entry.path().string()] = {};
    };
    if (!recursive) {
        for (const auto& entry : fs::directory_iterator(root, fs::directory_options::skip_permission_denied, error))
            note(entry);
        return;
    }
    for (auto it = fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied, error);
         it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (error)
            break;
        note(*it);
    }
}

/// The folders a desktop program writes to on its own (the real home's top, its settings, data
/// and cache folders), the real reports and the demo world. Qt's file dialogs keep their state in
/// QtProject.conf of the settings folder, as the window tests run beside this one do in the
/// real home: that file is checked by where this run's copy went instead.
Listing WatchedFiles(const std::string& realHome)
{
    Listing listing;
    AddToListing(listing, testing::FixturesDir(), true);
    AddToListing(listing, KORVANE_DEMO_DIR, true);
    if (!realHome.empty()) {
        AddToListing(listing, realHome, false);
        for (const char* sub : {".config", ".local", ".cache"})
            AddToListing(listing, fs::path(realHome) / sub, true);
    }
    listing.erase((fs::path(realHome) / ".config/QtProject.conf").string());
    return listing;
}

std::vector<std::string> ChangedFiles(const Listing& before, const Listing& after)
{
    std::vector<std::string> changed;
    for (const auto& [name, stamp] : after) {
        const auto old = before.find(name);
        if (old == before.end())
            changed.push_back("new: " + name);
        else if (old->second != stamp)
            changed.push_back("changed: " + name);
    }
    return changed;
}

// ---------------------------------------------------------------------------------------------
// The player's answers: at random, now and then through the real message boxes, which the
// driver then answers by clicking one of their buttons.

class RandomInteraction : public UserInteraction
{
public:
    explicit RandomInteraction(testing::RandomStream& random)
        : random_(random)
    {
    }

    /// While set, every message is a fault: a program folder must open without one.
    bool strict = false;
    std::vector<std::string> strictMessages;

    void Info(const std::string& text) override { Message(text, &QtInteraction::Info); }
    void Warning(const std::string& text) override { Message(text, &QtInteraction::Warning); }
    void Error(const std::string& text) override { Message(text, &QtInteraction::Error); }

    bool AskYesNo(const std::string& text) override
    {
        if (Strict(text))
            return true;
        return ShowIt() ? boxes_.AskYesNo(text) : random_.Chance(0.5);
    }
    Answer AskYesNoCancel(const std::string& text) override
    {
        if (Strict(text))
            return Answer::Yes;
        if (ShowIt())
            return boxes_.AskYesNoCancel(text);
        return std::vector<Answer>{Answer::Yes, Answer::No, Answer::Cancel}[random_.Int(0, 2)];
    }
    bool Identify(const std::string& objectText) override
    {
        if (Strict(objectText))
            return false;
        return ShowIt() ? boxes_.Identify(objectText) : random_.Chance(0.5);
    }
    bool ProcessPendingMessages() override { return boxes_.ProcessPendingMessages(); }

private:
    void Message(const std::string& text, void (QtInteraction::*show)(const std::string&))
    {
        if (!Strict(text) && ShowIt())
            (boxes_.*show)(text);
    }
    bool Strict(const std::string& text)
    {
        if (strict)
            strictMessages.push_back(text);
        return strict;
    }
    bool ShowIt() { return random_.Chance(0.25); }

    testing::RandomStream& random_;
    QtInteraction boxes_;
};

// ---------------------------------------------------------------------------------------------
// Names the file dialogs are answered with, all inside the scratch folder.

struct FilePools
{
    std::string program;  // the program folder
    std::string files;  // the folder of files to open and to write

    /// Existing files of the folders below, to open: reports, exchange and battle files, the
    /// program's own data files, junk; and now and then a name that does not exist.
    std::string ToOpen(testing::RandomStream& random) const
    {
        // Not a map bitmap of hundreds of megabytes, which any reader takes long to go through.
        constexpr std::uintmax_t kLargest = 16 << 20;
        std::vector<std::string> names;
        for (const std::string& dir : {files, program + "/IMPORT", program + "/DATA", program}) {
            std::error_code error;
            for (const auto& entry : fs::directory_iterator(dir, error))
                if (!entry.is_regular_file(error) || entry.file_size(error) <= kLargest)
                    names.push_back(entry.path().string());
        }
        if (names.empty() || random.Chance(0.1))
            return files + "/missing-" + std::to_string(random.Int(0, 3)) + ".txt";
        return random.Pick(names);
    }

    /// A name to write: a file of the files folder (replaced), a new one, the folder itself, or
    /// one in a folder that does not exist. Never the program's own data files: a player who
    /// writes an export over the map database has asked for what he gets.
    std::string ToSave(testing::RandomStream& random) const
    {
        static const std::vector<std::string> kEndings = {".kvd", ".KVD", ".btl", ".txt", ".bmp", "", ".dat"};
        switch (random.Int(0, 5)) {
        case 0: {
            std::vector<std::string> names;
            std::error_code error;
            for (const auto& entry : fs::directory_iterator(files, error))
                names.push_back(entry.path().string());
            if (!names.empty())
                return random.Pick(names);
            [[fallthrough]];
        }
        case 1:
        case 2:
            return files + "/new-" + std::to_string(random.Int(0, 20)) + random.Pick(kEndings);
        case 3:
            return files + "/name with spaces, \xC3\xA9t\xC3\xA9 " + std::to_string(random.Int(0, 3))
                + random.Pick(kEndings);
        case 4:
            return files + "/no such folder/x" + random.Pick(kEndings);
        default:
            return files;
        }
    }
};

// ---------------------------------------------------------------------------------------------
// The driver: a step at a time from a timer, into whatever window is in front, inside every
// nested event loop (a timer never fires inside its own slot, so each nesting depth has one).

class RandomDriver
{
public:
    RandomDriver(testing::RandomStream& random, const FilePools& pools)
        : random_(random)
        , pools_(pools)
    {
        clock_.start();
    }
    ~RandomDriver()
    {
        for (QTimer* timer : timers_)
            delete timer;
    }

    /// Plays on `window` until the stream has run out (then closes everything, the window
    /// last, through their own close paths) or the player closed the window.
    void Run(TfrmMAP& window)
    {
        window_ = &window;
        ending_ = false;
        mark_ = clock_.elapsed();
        QEventLoop loop;
        loop_ = &loop;
        Timer(0)->start();
        loop.exec();
        for (QTimer* timer : timers_)
            timer->stop();
        loop_ = nullptr;
    }

    std::vector<std::string> failures;
    std::map<std::string, long> actedOn;  // events per window, to see that every window was reached

private:
    QTimer* Timer(std::size_t depth)
    {
        while (timers_.size() <= depth) {
            auto* timer = new QTimer;
            timer->setInterval(0);
            const std::size_t level = timers_.size();
            QObject::connect(timer, &QTimer::timeout, [this, level] { Tick(static_cast<int>(level)); });
            timers_.push_back(timer);
        }
        return timers_[depth];
    }

    /// A gap of more than 5 s since the last step began or ended was spent handling one event.
    void CheckTime(const char* when)
    {
        const qint64 now = clock_.elapsed();
        if (now - mark_ > 5000)
            Fail("an event took " + std::to_string(now - mark_) + " ms (" + when + " " + lastStep_ + ")");
        mark_ = now;
    }

    void Fail(const std::string& what)
    {
        const std::string text = what + " at " + random_.Where() + "\n" + RecentSteps();
        fprintf(stderr, "RandomInput: %s\n", text.c_str());
        failures.push_back(text);
    }

    /// Names beside the scratch folder that begin with its own: a folder name joined to a file
    /// name without a separator lands there, outside.
    void CheckStrays()
    {
        const fs::path scratch(gScratch);
        const std::string own = scratch.filename().string();
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(scratch.parent_path(), error)) {
            const std::string name = entry.path().filename().string();
            if (name != own && name.rfind(own, 0) == 0 && strays_.insert(name).second)
                Fail("written outside the scratch folder: " + entry.path().string());
        }
    }

    void Tick(int depth)
    {
        CheckTime("after");
        CheckStrays();
        QTimer* deeper = Timer(static_cast<std::size_t>(depth) + 1);
        if (random_.Done() || !window_ || !window_->isVisible())
            ending_ = true;
        deeper->start();
        if (ending_)
            Close(depth);
        else
            Step(depth);
        deeper->stop();
        CheckTime("during");
    }

    void Note(int depth, const QWidget* target, const std::string& what)
    {
        const std::string window = target ? target->metaObject()->className() : std::string("-");
        lastStep_ = "#" + std::to_string(random_.EventNo()) + " d" + std::to_string(depth) + " " + window + ": " + what;
        static const bool trace = qEnvironmentVariableIsSet("KORVANE_RANDOM_TRACE");
        if (trace)
            fprintf(stderr, "%s\n", lastStep_.c_str());
        gRecent.push_back(lastStep_);
        if (gRecent.size() > 25)
            gRecent.pop_front();
        memset(gWhere, 0, sizeof gWhere);
        snprintf(gWhere, sizeof gWhere, "%s; %s\n", random_.Where().c_str(), lastStep_.c_str());
        if (gWhereFile >= 0) {
            // The whole buffer, padded: a shorter line leaves nothing of the one before.
            [[maybe_unused]] const auto written = ::pwrite(gWhereFile, gWhere, sizeof gWhere, 0);
        }
        ++actedOn[window];
    }

    /// Ending: the windows in front are closed, the main window last; then the loop ends.
    void Close(int depth)
    {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            Note(depth, popup, "Escape (ending)");
            QTest::keyClick(popup, Qt::Key_Escape);
        } else if (QWidget* modal = QApplication::activeModalWidget()) {
            Note(depth, modal, "close (ending)");
            CloseWindow(modal);
        } else if (window_ && window_->isVisible()) {
            Note(depth, window_, "close (ending)");
            window_->close();
        } else if (depth == 0 && loop_) {
            loop_->quit();
        }
        if (++closingTicks_ > 5000) {
            Fail("the windows would not close");
            if (loop_)
                loop_->quit();
        }
    }

    void Step(int depth)
    {
        closingTicks_ = 0;
        random_.NextEvent();
        if (random_.EventNo() % 10000 == 0)
            fprintf(stderr, "RandomInput: event %ld\n", random_.EventNo());
        if (QWidget* popup = QApplication::activePopupWidget()) {
            ActOnPopup(depth, popup);
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        const std::vector<QWidget*> windows = Reachable(modal);
        if (windows.empty())
            return;
        // Without a modal window the player works mostly in the main one, now and then in a tool window.
        QWidget* target = modal ? (random_.Chance(0.8) ? modal : random_.Pick(windows))
                                : (random_.Chance(0.6) ? window_.data() : random_.Pick(windows));
        if (!target)
            return;
        // The window acted on is the active one, as it would be under the player's mouse: keys
        // and their shortcuts go by the active window.
        if (QApplication::activeWindow() != target)
            QApplication::setActiveWindow(target);
        if (target != window_ && random_.Chance(0.02 + 0.03 * depth)) {
            Note(depth, target, "close");
            CloseWindow(target);
            return;
        }
        if (target == window_)
            ActOnMainWindow(depth);
        else if (auto* files = qobject_cast<QFileDialog*>(target))
            AnswerFileDialog(depth, files);
        else if (auto* box = qobject_cast<QMessageBox*>(target))
            AnswerMessageBox(depth, box);
        else if (auto* input = qobject_cast<QInputDialog*>(target))
            AnswerInputDialog(depth, input);
        else if (auto* colour = qobject_cast<QColorDialog*>(target))
            AnswerColourDialog(depth, colour);
        else
            ActOnWidgets(depth, target);
    }

    /// The windows the player can reach: every shown one without a modal window, else the modal
    /// one and the windows it opened.
    std::vector<QWidget*> Reachable(QWidget* modal) const
    {
        std::vector<QWidget*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (!widget->isVisible() || widget->isMinimized() || qobject_cast<QMenu*>(widget)
                || widget->windowType() == Qt::ToolTip || widget->windowType() == Qt::Popup)
                continue;
            bool reachable = !modal;
            for (const QWidget* up = widget; up && !reachable; up = up->parentWidget())
                reachable = up == modal;
            if (reachable)
                windows.push_back(widget);
        }
        // In an order that does not depend on where the windows lie in memory, so that a seed
        // plays the same run again.
        const auto key = [](const QWidget* w) {
            return std::tuple(std::string(w->metaObject()->className()), w->objectName().toStdString(),
                              w->windowTitle().toStdString());
        };
        std::stable_sort(windows.begin(), windows.end(),
                         [&](const QWidget* a, const QWidget* b) { return key(a) < key(b); });
        return windows;
    }

    void CloseWindow(QWidget* window)
    {
        if (qobject_cast<QDialog*>(window) && random_.Chance(0.5))
            QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Escape);
        else
            window->close();  // the title bar's close button
    }

    // -- popups ---------------------------------------------------------------------------------

    void ActOnPopup(int depth, QWidget* popup)
    {
        if (auto* menu = qobject_cast<QMenu*>(popup)) {
            std::vector<QAction*> items;
            for (QAction* item : menu->actions())
                if (item->isVisible() && item->isEnabled() && !item->isSeparator() && !Skipped(item))
                    items.push_back(item);
            if (items.empty() || random_.Chance(0.1)) {
                Note(depth, popup, "Escape");
                QTest::keyClick(menu, Qt::Key_Escape);
                return;
            }
            QAction* item = random_.Pick(items);
            Note(depth, popup, "menu item " + item->text().toStdString());
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
            return;
        }
        auto* view = popup->findChild<QAbstractItemView*>();
        if (view && random_.Chance(0.8)) {
            ClickItem(depth, popup, view);
            return;
        }
        Note(depth, popup, "Escape");
        QTest::keyClick(popup, Qt::Key_Escape);
    }

    /// The calculator starts a program of the desktop, which a test must not.
    bool Skipped(const QAction* item) const { return item->objectName() == "mnuToolsCalc"; }

    // -- the main window ------------------------------------------------------------------------

    void ActOnMainWindow(int depth)
    {
        const int kind = random_.Int(0, 99);
        if (kind < 45)
            MapGesture(depth);
        else if (kind < 68)
            ActOnWidgets(depth, window_);
        else if (kind < 83)
            MenuItem(depth);
        else if (kind < 97)
            MapKey(depth);
        else
            DropFiles(depth);
    }

    QWidget* PaintBox() const { return window_->Widgets().paintMap; }

    QPoint MapPoint()
    {
        const QSize size = PaintBox()->size();
        return {random_.Int(-4, size.width() + 4), random_.Int(-4, size.height() + 4)};
    }

    Qt::KeyboardModifiers Modifiers()
    {
        static const std::vector<Qt::KeyboardModifiers> kMods = {Qt::NoModifier,
                                                                 Qt::NoModifier,
                                                                 Qt::NoModifier,
                                                                 Qt::ShiftModifier,
                                                                 Qt::ControlModifier,
                                                                 Qt::AltModifier,
                                                                 Qt::ShiftModifier | Qt::ControlModifier};
        return random_.Pick(kMods);
    }

    void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
                   Qt::KeyboardModifiers mods)
    {
        QMouseEvent event(type, at, widget->mapToGlobal(at), button, buttons, mods);
        QSpontaneKeyEvent::setSpontaneous(&event);
        QApplication::sendEvent(widget, &event);
    }

    void MapGesture(int depth)
    {
        QPointer<QWidget> map = PaintBox();
        const QPoint at = MapPoint();
        const Qt::KeyboardModifiers mods = Modifiers();
        switch (random_.Int(0, 9)) {
        case 0:
        case 1:
            Note(depth, window_, "move over the map");
            QCursor::setPos(map->mapToGlobal(at));
            SendMouse(map, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton, mods);
            break;
        case 2:
            Note(depth, window_, "click on the map");
            QTest::mouseClick(map, Qt::LeftButton, mods, at);
            break;
        case 3:
            Note(depth, window_, "double click on the map");
            QTest::mouseDClick(map, Qt::LeftButton, mods, at);
            break;
        case 4:
            Note(depth, window_, "right click on the map");
            QCursor::setPos(map->mapToGlobal(at));
            QTest::mouseClick(map, Qt::RightButton, mods, at);
            break;
        case 5:
        case 6:
            Drag(depth, map);
            break;
        case 7:
        case 8: {
            static const std::vector<int> kDeltas = {120, -120, 15, -15, 240, -360, 1};
            const int delta = random_.Pick(kDeltas);
            const bool sideways = random_.Chance(0.15);
            Note(depth, window_, "wheel " + std::to_string(delta) + (sideways ? " sideways" : ""));
            QWheelEvent wheel(at, map->mapToGlobal(at), QPoint(), sideways ? QPoint(delta, 0) : QPoint(0, delta),
                              Qt::NoButton, mods, Qt::NoScrollPhase, false);
            QSpontaneKeyEvent::setSpontaneous(&wheel);
            QApplication::sendEvent(map, &wheel);
            break;
        }
        default:
            OtherMapControl(depth);
            break;
        }
    }

    /// A drag over the map with the middle button, the left one, or the left one with the space
    /// bar held; pressed, moved a few times and released, unless the window went on the way.
    void Drag(int depth, QPointer<QWidget> map)
    {
        static const std::vector<const char*> kHow = {"middle", "left", "space+left"};
        const std::string how = random_.Pick(kHow);
        Note(depth, window_, "drag with " + how);
        const Qt::MouseButton button = how == "middle" ? Qt::MiddleButton : Qt::LeftButton;
        if (how == "space+left")
            QTest::keyPress(map, Qt::Key_Space);
        QPoint at = MapPoint();
        QTest::mousePress(map, button, {}, at);
        for (int moves = random_.Int(1, 5); moves > 0 && map; --moves) {
            at += QPoint(random_.Int(-200, 200), random_.Int(-150, 150));
            QTest::mouseMove(map, at);
        }
        if (map)
            QTest::mouseRelease(map, button, {}, at);
        if (map && how == "space+left")
            QTest::keyRelease(map, Qt::Key_Space);
    }

    void OtherMapControl(int depth)
    {
        const FrmMapWidgets& w = window_->Widgets();
        switch (random_.Int(0, 2)) {
        case 0: {
            Note(depth, window_, "click on the overview");
            QLabel* overview = w.imgSmallMap;
            QTest::mouseClick(overview, Qt::LeftButton, {},
                              {random_.Int(0, overview->width()), random_.Int(0, overview->height())});
            break;
        }
        case 1:
            Note(depth, window_, "click on the coordinates");
            QTest::mouseClick(w.pnlCoords, Qt::LeftButton);
            break;
        default: {
            Note(depth, window_, "drag the splitter");
            QPointer<QWidget> handle = w.pnlMain->handle(1);
            if (!handle)
                break;
            const QPoint from = handle->rect().center();
            QTest::mousePress(handle, Qt::LeftButton, {}, from);
            QTest::mouseMove(handle, from + QPoint(random_.Int(-600, 600), 0));
            if (handle)
                QTest::mouseRelease(handle, Qt::LeftButton, {}, from + QPoint(random_.Int(-600, 600), 0));
            break;
        }
        }
    }

    void MenuItem(int depth)
    {
        std::vector<QAction*> items;
        for (QAction* top : window_->menuBar()->actions())
            if (QMenu* menu = top->menu())
                for (QAction* item : menu->actions())
                    if (!item->isSeparator() && !item->menu() && !Skipped(item))
                        items.push_back(item);
        // Leaving the program ends a session; the test then starts the next one from the folder.
        const bool exit = random_.Chance(0.01);
        if (items.empty())
            return;
        QAction* item = exit ? window_->Menus().mnuFileExit : random_.Pick(items);
        if (item == window_->Menus().mnuFileExit && !exit)
            return;
        // The File menu is what enables "Save database".
        emit window_->Menus().mnuFile->aboutToShow();
        Note(depth, window_, "menu item " + item->text().toStdString());
        if (item->isEnabled())
            item->trigger();
    }

    void MapKey(int depth)
    {
        struct Key
        {
            Qt::Key key;
            Qt::KeyboardModifiers mods;
        };
        static const std::vector<Key> kKeys = {{Qt::Key_Left, {}},
                                               {Qt::Key_Right, {}},
                                               {Qt::Key_Up, {}},
                                               {Qt::Key_Down, {}},
                                               {Qt::Key_Left, Qt::ShiftModifier},
                                               {Qt::Key_Down, Qt::ShiftModifier},
                                               {Qt::Key_Plus, {}},
                                               {Qt::Key_Equal, {}},
                                               {Qt::Key_Minus, {}},
                                               {Qt::Key_Home, {}},
                                               {Qt::Key_PageUp, {}},
                                               {Qt::Key_PageDown, {}},
                                               {Qt::Key_U, {}},
                                               {Qt::Key_G, Qt::ControlModifier},
                                               {Qt::Key_S, Qt::ControlModifier},
                                               {Qt::Key_I, Qt::ControlModifier},
                                               {Qt::Key_F1, {}},
                                               {Qt::Key_Escape, {}},
                                               {Qt::Key_Tab, {}},
                                               {Qt::Key_Space, {}},
                                               {Qt::Key_Return, {}},
                                               {Qt::Key_A, {}},
                                               {Qt::Key_F, Qt::AltModifier},
                                               {Qt::Key_V, Qt::AltModifier}};
        const Key& key = random_.Pick(kKeys);
        QWidget* to = random_.Chance(0.5) ? PaintBox() : window_->focusWidget();
        if (!to)
            to = window_;
        Note(depth, window_,
             "key " + QKeySequence(key.key | key.mods).toString().toStdString() + " to "
                 + to->objectName().toStdString());
        QTest::keyClick(to, key.key, key.mods);
    }

    void DropFiles(int depth)
    {
        QList<QUrl> urls;
        for (int n = random_.Int(1, 3); n > 0; --n)
            urls << QUrl::fromLocalFile(QString::fromStdString(pools_.ToOpen(random_)));
        QMimeData data;
        data.setUrls(urls);
        Note(depth, window_,
             "drop " + std::to_string(urls.size()) + " files: " + urls.front().toLocalFile().toStdString());
        const QPoint at = window_->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window_, &enter);
        if (!enter.isAccepted())
            return;
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window_, &drop);
    }

    // -- dialogs the windows open through Qt's own functions ------------------------------------

    /// Answered by name only: their own folder browsing could lead out of the scratch folder,
    /// and a name typed there would then be written where the test may not write.
    void AnswerFileDialog(int depth, QFileDialog* dialog)
    {
        if (random_.Chance(0.15)) {
            Note(depth, dialog, "cancel");
            dialog->reject();
            return;
        }
        const bool save = dialog->acceptMode() == QFileDialog::AcceptSave;
        const std::string name = save ? pools_.ToSave(random_) : pools_.ToOpen(random_);
        Note(depth, dialog, std::string(save ? "save as " : "open ") + name);
        auto* box = dialog->findChild<QLineEdit*>("fileNameEdit");
        if (box)
            box->setText(QString::fromStdString(name));
        else
            dialog->selectFile(QString::fromStdString(name));
        QMetaObject::invokeMethod(dialog, "accept");
    }

    void AnswerMessageBox(int depth, QMessageBox* box)
    {
        const QList<QAbstractButton*> buttons = box->buttons();
        if (buttons.isEmpty() || random_.Chance(0.1)) {
            Note(depth, box, "Escape");
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        QAbstractButton* button = buttons[random_.Int(0, static_cast<int>(buttons.size()) - 1)];
        Note(depth, box, "button " + button->text().toStdString());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void AnswerInputDialog(int depth, QInputDialog* dialog)
    {
        if (random_.Chance(0.2)) {
            Note(depth, dialog, "cancel");
            dialog->reject();
            return;
        }
        static const std::vector<std::string> kNames = {"", "Glor", "a", "ville", "Korvane"};
        const std::string text = random_.Chance(0.5) ? random_.Pick(kNames) : random_.Text();
        Note(depth, dialog, "type " + text + " and OK");
        dialog->setTextValue(QString::fromStdString(text));
        dialog->accept();
    }

    void AnswerColourDialog(int depth, QColorDialog* dialog)
    {
        if (random_.Chance(0.3)) {
            Note(depth, dialog, "cancel");
            dialog->reject();
            return;
        }
        const QColor colour(random_.Int(0, 255), random_.Int(0, 255), random_.Int(0, 255));
        Note(depth, dialog, "pick " + colour.name().toStdString());
        dialog->setCurrentColor(colour);
        dialog->accept();
    }

    // -- any other window, by the kind of its controls ------------------------------------------

    /// The controls of `window` a player can use now, leaving out those that would lead out of
    /// the scratch folder (the drive list of the bulk import).
    std::vector<QWidget*> Controls(QWidget* window) const
    {
        std::vector<QWidget*> controls;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->window() != window || !widget->isVisible() || !widget->isEnabled()
                || widget->objectName() == "lstDrives")
                continue;
            if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget)
                || qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QComboBox*>(widget)
                || qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QPlainTextEdit*>(widget)
                || qobject_cast<QTextEdit*>(widget) || qobject_cast<QTabBar*>(widget)
                || qobject_cast<QAbstractSlider*>(widget))
                controls.push_back(widget);
        }
        return controls;
    }

    void ActOnWidgets(int depth, QWidget* window)
    {
        const std::vector<QWidget*> controls = Controls(window);
        if (controls.empty() || random_.Chance(0.08)) {
            WindowKey(depth, window);
            return;
        }
        QWidget* control = random_.Pick(controls);
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            ClickButton(depth, window, button);
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            TypeInto(depth, window, edit);
        else if (auto* spin = qobject_cast<QAbstractSpinBox*>(control))
            TypeInto(depth, window, spin);
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            ChooseIn(depth, window, combo);
        else if (auto* view = qobject_cast<QAbstractItemView*>(control))
            ActOnView(depth, window, view);
        else if (auto* tabs = qobject_cast<QTabBar*>(control))
            ClickTab(depth, window, tabs);
        else if (auto* slider = qobject_cast<QAbstractSlider*>(control))
            MoveSlider(depth, window, slider);
        else
            TypeInto(depth, window, control);
    }

    void WindowKey(int depth, QWidget* window)
    {
        static const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> kKeys = {
            {Qt::Key_Escape, {}},
            {Qt::Key_Return, {}},
            {Qt::Key_Enter, {}},
            {Qt::Key_Tab, {}},
            {Qt::Key_Backtab, Qt::ShiftModifier},
            {Qt::Key_Space, {}},
            {Qt::Key_Delete, {}},
            {Qt::Key_F1, {}},
            {Qt::Key_Down, {}},
            {Qt::Key_Up, {}},
            {Qt::Key_A, Qt::AltModifier},
            {Qt::Key_O, Qt::AltModifier},
            {Qt::Key_M, Qt::AltModifier},
            {Qt::Key_D, Qt::AltModifier},
            {Qt::Key_U, Qt::AltModifier},
            {Qt::Key_S, Qt::AltModifier},
            {Qt::Key_C, Qt::AltModifier}};
        const auto& [key, mods] = random_.Pick(kKeys);
        QWidget* to = window->focusWidget() ? window->focusWidget() : window;
        Note(depth, window,
             "key " + QKeySequence(key | mods).toString().toStdString() + " to " + to->objectName().toStdString());
        QTest::keyClick(to, key, mods);
    }

    void ClickButton(int depth, QWidget* window, QAbstractButton* button)
    {
        Note(depth, window, "click " + button->objectName().toStdString() + " " + button->text().toStdString());
        // A check box or option is clicked on its tick, which a wide one does not have in its middle.
        const bool ticked = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
        QTest::mouseClick(button, Qt::LeftButton, {}, ticked ? QPoint(8, button->height() / 2) : QPoint());
    }

    /// Types as a player would, key by key, so that validators and key filters see each one.
    void TypeText(QWidget* widget, const std::string& text)
    {
        QPointer<QWidget> alive = widget;
        for (const QChar c : QString::fromStdString(text)) {
            if (!alive)
                return;
            if (c.unicode() < 128)
                QTest::keyClick(widget, static_cast<char>(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    void TypeInto(int depth, QWidget* window, QWidget* box)
    {
        QPointer<QWidget> alive = box;
        const std::string name = box->objectName().toStdString();
        QTest::mouseClick(box, Qt::LeftButton, {},
                          QPoint(random_.Int(1, std::max(1, box->width() - 2)), box->height() / 2));
        if (!alive)
            return;
        if (HoldsPath(box)) {
            TypeIntoPathBox(depth, window, box);
            return;
        }
        switch (random_.Int(0, 4)) {
        case 0: {
            const std::string text = random_.Text();
            Note(depth, window, "type \"" + text + "\" into " + name);
            TypeText(box, text);
            break;
        }
        case 1: {
            const std::string number = random_.Number();
            Note(depth, window, "type over " + name + " with \"" + number + "\"");
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            if (alive)
                QTest::keyClick(box, Qt::Key_Delete);
            if (alive)
                TypeText(box, number);
            break;
        }
        default: {
            static const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> kKeys = {
                {Qt::Key_Return, {}},
                {Qt::Key_Escape, {}},
                {Qt::Key_Backspace, {}},
                {Qt::Key_Delete, {}},
                {Qt::Key_Home, {}},
                {Qt::Key_End, {}},
                {Qt::Key_Up, {}},
                {Qt::Key_Down, {}},
                {Qt::Key_PageUp, {}},
                {Qt::Key_PageDown, {}},
                {Qt::Key_Z, Qt::ControlModifier},
                {Qt::Key_V, Qt::ControlModifier},
                {Qt::Key_X, Qt::ControlModifier},
                {Qt::Key_Tab, {}}};
            const auto& [key, mods] = random_.Pick(kKeys);
            if (key == Qt::Key_V && QGuiApplication::clipboard()->text().contains('/'))
                break;  // a path cut from a file box, which could lead out of the scratch folder
            Note(depth, window, "key " + QKeySequence(key | mods).toString().toStdString() + " in " + name);
            QTest::keyClick(box, key, mods);
            break;
        }
        }
    }

    static bool HoldsPath(const QWidget* box)
    {
        if (const auto* edit = qobject_cast<const QLineEdit*>(box))
            return edit->text().contains('/');
        if (const auto* combo = qobject_cast<const QComboBox*>(box))
            return combo->currentText().contains('/');
        return false;
    }

    /// A box holding a file name is typed over whole, with a name of the scratch folder or a
    /// name without a folder: a letter put into or taken out of the middle of the name could
    /// lead out of the scratch folder, and the player would then have asked for that.
    void TypeIntoPathBox(int depth, QWidget* window, QWidget* box)
    {
        QPointer<QWidget> alive = box;
        const std::string name = box->objectName().toStdString();
        const int how = random_.Int(0, 3);
        if (how >= 2) {
            static const std::vector<Qt::Key> kKeys = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Home, Qt::Key_End,
                                                       Qt::Key_Tab,    Qt::Key_Up,     Qt::Key_Down};
            const Qt::Key key = random_.Pick(kKeys);
            Note(depth, window, "key " + QKeySequence(key).toString().toStdString() + " in " + name);
            QTest::keyClick(box, key);
            return;
        }
        const std::string text = how == 0 ? pools_.ToSave(random_) : random_.Text();
        Note(depth, window, "type over " + name + " with \"" + text + "\"");
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        if (alive)
            QTest::keyClick(box, Qt::Key_Delete);
        if (alive)
            TypeText(box, text);
    }

    void ChooseIn(int depth, QWidget* window, QComboBox* combo)
    {
        const std::string name = combo->objectName().toStdString();
        switch (random_.Int(0, 3)) {
        case 0:
            Note(depth, window, "open the list " + name);
            QTest::mouseClick(combo, Qt::LeftButton);
            break;
        case 1:
            if (combo->isEditable()) {
                TypeInto(depth, window, combo);
                break;
            }
            [[fallthrough]];
        default: {
            static const std::vector<Qt::Key> kKeys = {Qt::Key_Up,       Qt::Key_Down, Qt::Key_Home,  Qt::Key_End,
                                                       Qt::Key_PageDown, Qt::Key_A,    Qt::Key_Return};
            const Qt::Key key = random_.Pick(kKeys);
            Note(depth, window, "key " + QKeySequence(key).toString().toStdString() + " in the list " + name);
            QTest::keyClick(combo, key);
            break;
        }
        }
    }

    /// An index of the view to click: any row, but in a view of the file system only the
    /// folders of the scratch folder.
    QModelIndex SomeIndex(QAbstractItemView* view)
    {
        QAbstractItemModel* model = view->model();
        if (!model)
            return {};
        if (auto* files = qobject_cast<QFileSystemModel*>(model)) {
            const std::vector<std::string> folders = {gScratch, pools_.program, pools_.program + "/IMPORT",
                                                      pools_.files, pools_.program + "/DATA"};
            return files->index(QString::fromStdString(random_.Pick(folders)));
        }
        const QModelIndex root = view->rootIndex();
        const int rows = model->rowCount(root);
        if (rows == 0)
            return {};
        const int columns = std::max(1, model->columnCount(root));
        return model->index(random_.Int(0, rows - 1), random_.Int(0, columns - 1), root);
    }

    void ClickItem(int depth, QWidget* window, QAbstractItemView* view)
    {
        QPointer<QAbstractItemView> alive = view;
        const QModelIndex index = SomeIndex(view);
        const std::string name = view->objectName().toStdString();
        if (!index.isValid()) {
            Note(depth, window, "click the empty list " + name);
            QTest::mouseClick(view->viewport(), Qt::LeftButton);
            return;
        }
        view->scrollTo(index);
        const QPoint at = view->visualRect(index).center();
        static const std::vector<std::pair<const char*, Qt::KeyboardModifiers>> kClicks = {
            {"click", {}},
            {"click", {}},
            {"click", {}},
            {"Ctrl+click", Qt::ControlModifier},
            {"Shift+click", Qt::ShiftModifier},
            {"double click", {}},
            {"right click", {}}};
        const auto& [how, mods] = random_.Pick(kClicks);
        Note(depth, window, std::string(how) + " line " + std::to_string(index.row()) + " of " + name);
        const std::string kind = how;
        if (kind == "double click")
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, mods, at);
        else
            QTest::mouseClick(view->viewport(), kind == "right click" ? Qt::RightButton : Qt::LeftButton, mods, at);
    }

    /// Clicks, double clicks and keys on a list, tree or grid. Drags from a list are left out:
    /// a real drag waits in the window system's own loop for a mouse the test does not have.
    void ActOnView(int depth, QWidget* window, QAbstractItemView* view)
    {
        if (random_.Chance(0.75)) {
            ClickItem(depth, window, view);
            return;
        }
        static const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> kKeys = {{Qt::Key_Up, {}},
                                                                                     {Qt::Key_Down, {}},
                                                                                     {Qt::Key_Home, {}},
                                                                                     {Qt::Key_End, {}},
                                                                                     {Qt::Key_PageDown, {}},
                                                                                     {Qt::Key_Space, {}},
                                                                                     {Qt::Key_Return, {}},
                                                                                     {Qt::Key_Delete, {}},
                                                                                     {Qt::Key_A, Qt::ControlModifier},
                                                                                     {Qt::Key_Down, Qt::ShiftModifier},
                                                                                     {Qt::Key_G, {}},
                                                                                     {Qt::Key_Right, {}},
                                                                                     {Qt::Key_Left, {}}};
        const auto& [key, mods] = random_.Pick(kKeys);
        // Keys wander: in the file system only within the scratch folder, where the tree starts.
        if (qobject_cast<QFileSystemModel*>(view->model()) && key != Qt::Key_Space && key != Qt::Key_Return) {
            ClickItem(depth, window, view);
            return;
        }
        Note(depth, window,
             "key " + QKeySequence(key | mods).toString().toStdString() + " in " + view->objectName().toStdString());
        QTest::keyClick(view, key, mods);
    }

    void ClickTab(int depth, QWidget* window, QTabBar* tabs)
    {
        if (tabs->count() == 0)
            return;
        const int tab = random_.Int(0, tabs->count() - 1);
        Note(depth, window, "tab " + tabs->tabText(tab).toStdString());
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
    }

    void MoveSlider(int depth, QWidget* window, QAbstractSlider* slider)
    {
        Note(depth, window, "click the bar " + slider->objectName().toStdString());
        QTest::mouseClick(
            slider, Qt::LeftButton, {},
            {random_.Int(0, std::max(0, slider->width() - 1)), random_.Int(0, std::max(0, slider->height() - 1))});
    }

    testing::RandomStream& random_;
    const FilePools& pools_;
    std::vector<QTimer*> timers_;
    QEventLoop* loop_ = nullptr;
    QPointer<TfrmMAP> window_;
    bool ending_ = false;
    long closingTicks_ = 0;
    QElapsedTimer clock_;
    qint64 mark_ = 0;
    std::string lastStep_ = "the start";
    std::set<std::string> strays_;
};

// ---------------------------------------------------------------------------------------------

void Copy(const fs::path& from, const fs::path& to)
{
    std::error_code ignored;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ignored);
    // Read-only sources stay readable, and the copies writable, as a player's files are.
    fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ignored);
}

/// The program folder with faction 3's game imported, as a player leaves it, and the files
/// the dialogs offer: the reports to import again, exchange and battle files, junk.
void MakeWorld(const FilePools& pools)
{
    fs::create_directories(pools.files + "/folder");
    fs::create_directories(pools.program + "/IMPORT");
    {
        Workspace workspace(pools.program);
        testing::ScriptedInteraction quiet;
        quiet.defaultYesNo = true;
        testing::ImportFixtureTurns(workspace, quiet);
        ASSERT_TRUE(SaveMapDatabase(workspace.Map, workspace.Settings, workspace.Settings.DataDir, workspace.Refused));
        ExchangeExportOptions all;
        all.Options = 0xFFFF;
        const ExchangeExportResult exported = ExportExchange(workspace.Map, pools.files + "/world.kvd", all, quiet);
        EXPECT_TRUE(exported.Written) << exported.Error;
        ASSERT_TRUE(workspace.SaveOnExit(quiet));
    }
    const std::string fixtures = testing::FixturesDir();
    for (const char* name :
         {"report-f3-t1.txt", "report-f3-t5.txt", "report-f3-t9.txt", "report-f4-t2.txt", "gm-report-f1-t1.txt",
          "report-with-template-f3-t7.txt", "orders-f3-t3.txt", "template-f3-t2.txt"})
        Copy(fixtures + "/" + name, pools.program + "/IMPORT/" + name);
    Copy(fixtures + "/factions-list.txt", pools.files + "/factions-list.txt");
    for (const char* corpus : {"kvd_file", "battle_file"}) {
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(fs::path(KORVANE_FUZZ_CORPUS_DIR) / corpus, error))
            Copy(entry.path(), pools.files + "/" + entry.path().filename().string());
    }
    std::ofstream(pools.files + "/empty.txt");
    std::string junk;
    for (int byte = 0; byte < 4096; ++byte)
        junk += static_cast<char>(byte * 7 % 256);
    std::ofstream(pools.files + "/junk.bin", std::ios::binary) << junk;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += "\n  " + line;
    return text;
}

TEST(RandomInput, EveryWindowKeepsWorkingUnderRandomInput)
{
    KORVANE_REQUIRE_FIXTURES();
    testing::RandomStream random = testing::RandomStream::FromEnvironment(20261209, 3000);
    snprintf(gWhere, sizeof gWhere, "%s", random.Where().c_str());
    fprintf(stderr,
            "RandomInput: seed %u, %ld events, scratch folder %s (should the run die, its last-event.txt names the "
            "event)\n",
            random.Seed(), random.Events(), gScratch.c_str());
    gWhereFile = ::open((gScratch + "/last-event.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const FilePools pools{gScratch + "/program", gScratch + "/files"};
    MakeWorld(pools);
    if (::testing::Test::HasFatalFailure())
        return;
    const std::string realHome = qEnvironmentVariable("KORVANE_REAL_HOME").toStdString();
    const Listing before = WatchedFiles(realHome);

    RandomInteraction ui(random);
    RandomDriver driver(random, pools);
    QElapsedTimer clock;
    clock.start();
    for (int session = 1; !random.Done(); ++session) {
        Workspace workspace(pools.program);
        TfrmMAP window(workspace, ui);
        ui.strict = true;
        EXPECT_TRUE(window.StartUp()) << "session " << session << " at " << random.Where();
        ui.strict = false;
        EXPECT_TRUE(ui.strictMessages.empty()) << "session " << session << " started with a message at "
                                               << random.Where() << ":" << Joined(ui.strictMessages);
        ui.strictMessages.clear();
        window.show();
        driver.Run(window);
        if (window.isVisible()) {
            ADD_FAILURE() << "the window would not close at " << random.Where();
            break;
        }
    }
    for (const std::string& failure : driver.failures)
        ADD_FAILURE() << failure;
    std::string reached;
    for (const auto& [window, events] : driver.actedOn)
        reached += " " + window + " " + std::to_string(events);
    fprintf(stderr, "RandomInput: %ld events in %.0f s; events per window:%s\n", random.EventNo(),
            clock.elapsed() / 1000.0, reached.c_str());

    // Names typed without a folder are written to the current folder, wherever the program was
    // started from; shown, as a player might not expect them there.
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(gScratch + "/cwd", error))
        fprintf(stderr, "RandomInput: written to the current folder: %s\n", entry.path().filename().c_str());

    // The folder the run leaves opens as it would at the next start, without a word.
    Workspace reopened(pools.program);
    testing::ScriptedInteraction check;
    EXPECT_TRUE(reopened.Open(check)) << random.Where();
    std::vector<std::string> said;
    for (const auto& shown : check.shown)
        said.push_back(shown.text);
    EXPECT_TRUE(said.empty()) << "the program folder opened with a message after " << random.Where() << ":"
                              << Joined(said);

    EXPECT_EQ(ChangedFiles(before, WatchedFiles(realHome)), std::vector<std::string>())
        << "written outside the scratch folder during " << random.Where();
    if (driver.actedOn.count("QFileDialog")) {
        EXPECT_TRUE(fs::exists(gScratch + "/home/.config/QtProject.conf")) << "the file dialogs' state went elsewhere";
    }
    if (::testing::Test::HasFailure())
        fprintf(stderr, "RandomInput: failed with seed %u; the scratch folder %s is kept\n", random.Seed(),
                gScratch.c_str());
}

}  // namespace
}  // namespace korvane

namespace {

// The offscreen platform warns about window hints it cannot honour; that noise hides real output.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains("propagateSizeHints") || message.contains("does not support raise()")
        || message.contains("not accepted by receiving widget") || message.contains("grabbing the keyboard"))
        return;
    fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    if (type != QtDebugMsg)
        fprintf(stderr, "  at %s\n%s\n", korvane::gWhere, korvane::RecentSteps().c_str());
}

}  // namespace

// The scratch folder is made, and the home, settings, cache and temporary folders pointed into
// it, before Qt starts: Qt keeps some of those names from its first look.
int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::string pattern = (fs::temp_directory_path() / "korvane-random-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        perror("mkdtemp");
        return 1;
    }
    korvane::gScratch = pattern;
    // A file name typed without a folder is taken from the current folder: the scratch one.
    fs::create_directories(pattern + "/cwd");
    fs::current_path(pattern + "/cwd");
    if (const char* home = std::getenv("HOME"))
        setenv("KORVANE_REAL_HOME", home, 1);
    const std::pair<const char*, const char*> folders[] = {{"HOME", "/home"},
                                                           {"XDG_CONFIG_HOME", "/home/.config"},
                                                           {"XDG_DATA_HOME", "/home/.local/share"},
                                                           {"XDG_CACHE_HOME", "/home/.cache"},
                                                           {"XDG_STATE_HOME", "/home/.local/state"},
                                                           {"XDG_RUNTIME_DIR", "/runtime"},
                                                           {"TMPDIR", "/tmp"}};
    for (const auto& [variable, sub] : folders) {
        fs::create_directories(pattern + sub);
        setenv(variable, (pattern + sub).c_str(), 1);
    }
    fs::permissions(pattern + "/runtime", fs::perms::owner_all, fs::perm_options::replace);
#ifdef KORVANE_ASAN
    __sanitizer_set_death_callback(korvane::SayWhereOnDeath);
#else
    std::signal(SIGSEGV, korvane::SayWhereOnSignal);  // the sanitizer has its own, with the stack
#endif
    std::signal(SIGABRT, korvane::SayWhereOnSignal);

    qInstallMessageHandler(QuietMessages);
    int status = 0;
    {
        QApplication app(argc, argv);
        // Sessions end and start again inside one test; the last window closing ends nothing.
        QApplication::setQuitOnLastWindowClosed(false);
        ::testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    }
    if (status == 0) {
        std::error_code ignored;
        fs::remove_all(pattern, ignored);
    }
    return status;
}
