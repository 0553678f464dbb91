// Every window under seeded random input: no crash, no slow event, nothing written outside, the folder reopens quietly.
#include "mapview/random_input_driver.h"
#include "mapview/windows/frm_map.h"

#include "storage/exchange_file.h"
#include "storage/map_database.h"
#include "support/fixtures.h"
#include "support/scripted_interaction.h"
#include "windows/unit_browser_world.h"
#include "workspace/workspace.h"

#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace korvane {
namespace {

using random_input::Keys;

std::string gScratch;  // HOME, XDG_* and TMPDIR point inside

// Files outside the scratch folder by time and size, a folder only by name: the real home's top, settings, data and
// cache, the real reports and the demo world; but QtProject.conf, which the window tests beside this one write.
using Listing = std::map<std::string, std::pair<fs::file_time_type, std::uintmax_t>>;
Listing WatchedFiles(const std::string& realHome)
{
    Listing listing;
    const auto add = [&](const fs::path& root, bool recursive) {
        std::error_code error, ignored;
        for (auto it = fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied, error);
             !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
            if (!recursive)
                it.disable_recursion_pending();
            auto& stamp = listing[it->path().string()];
            if (it->is_regular_file(ignored))
                stamp = {it->last_write_time(ignored), it->file_size(ignored)};
        }
    };
    add(testing::FixturesDir(), true);
    add(KORVANE_DEMO_DIR, true);
    if (!realHome.empty()) {
        add(realHome, false);
        for (const char* sub : {".config", ".local", ".cache"})
            add(fs::path(realHome) / sub, true);
    }
    listing.erase((fs::path(realHome) / ".config/QtProject.conf").string());
    return listing;
}

/// The main window: gestures on the map, its keys, its menus and controls, files dropped on it.
class MapDriver : public random_input::RandomDriver
{
public:
    using RandomDriver::RandomDriver;

private:
    TfrmMAP& W() const { return static_cast<TfrmMAP&>(*window_); }
    QWidget* Map() const { return W().Widgets().paintMap; }
    QPoint MapPoint() { return {random_.Int(-4, Map()->width() + 4), random_.Int(-4, Map()->height() + 4)}; }

    void ActOnMain() override
    {
        static const auto kKeys = Keys("Left Right Up Down Shift+Left Shift+Down + = - Home PgUp PgDown U Ctrl+G "
                                       "Ctrl+S Ctrl+I F1 Esc Tab Space Return A Alt+F Alt+V");
        OneOf({{45, [&] { MapGesture(); }},
               {23, [&] { ActOnWidgets(); }},
               {15, [&] { MenuItem(); }},
               {14,
                [&] {
                    const QKeyCombination key = random_.Pick(kKeys);
                    QWidget* to = random_.Chance(0.5) ? Map() : window_->focusWidget();
                    Press(to ? to : window_.data(), key);
                }},
               {3, [&] { DropFiles(); }}});
    }

    void MapGesture()
    {
        static const auto kMods = Keys("X X X Shift+X Ctrl+X Alt+X Ctrl+Shift+X");  // for their modifiers
        static const std::vector<int> kWheel = {120, -120, 15, -15, 240, -360, 1};
        QWidget* map = Map();
        const QPoint at = MapPoint();
        const QPoint global = map->mapToGlobal(at);
        const Qt::KeyboardModifiers mods = random_.Pick(kMods).keyboardModifiers();
        const FrmMapWidgets& w = W().Widgets();
        QCursor::setPos(global);  // the pointer is where the player clicks; a context menu opens there
        const auto send = [&](const std::string& what, auto event) {
            Note(what);
            QSpontaneKeyEvent::setSpontaneous(&event);
            QApplication::sendEvent(map, &event);
        };
        OneOf({{6,
                [&] {
                    send("move over the map",
                         QMouseEvent(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, mods));
                }},
               {3, [&] { Click("click on the map", map, at, Qt::LeftButton, mods); }},
               {3, [&] { Click("double click on the map", map, at, Qt::LeftButton, mods, true); }},
               {3, [&] { Click("right click on the map", map, at, Qt::RightButton, mods); }},
               {6, [&] { Drag(map); }},
               {6,
                [&] {
                    const bool sideways = random_.Chance(0.15);
                    const int delta = random_.Pick(kWheel);
                    send("wheel " + std::to_string(delta) + (sideways ? " sideways" : ""),
                         QWheelEvent(at, global, QPoint(), sideways ? QPoint(delta, 0) : QPoint(0, delta), Qt::NoButton,
                                     mods, Qt::NoScrollPhase, false));
                }},
               {1,
                [&] {
                    Click("click on the overview", w.imgSmallMap,
                          {random_.Int(0, w.imgSmallMap->width()), random_.Int(0, w.imgSmallMap->height())});
                }},
               {1, [&] { Click("click on the coordinates", w.pnlCoords); }},
               {1, [&] { Drag(w.pnlMain->handle(1), true); }}});
    }

    /// With the middle, left or space+left button, or of the splitter; released unless the window went.
    void Drag(QPointer<QWidget> on, bool splitter = false)
    {
        static const std::vector<std::string> kHow = {"middle", "left", "space+left"};
        const std::string how = splitter ? "left" : random_.Pick(kHow);
        Note((splitter ? "drag the splitter with " : "drag with ") + how);
        if (!on)
            return;
        const Qt::MouseButton button = how == "middle" ? Qt::MiddleButton : Qt::LeftButton;
        if (how == "space+left")
            QTest::keyPress(on, Qt::Key_Space);
        QPoint at = splitter ? on->rect().center() : MapPoint();
        QTest::mousePress(on, button, {}, at);
        for (int moves = splitter ? 2 : random_.Int(1, 5); moves > 0 && on; --moves)
            QTest::mouseMove(on,
                             at += splitter ? QPoint(random_.Int(-600, 600), 0)
                                            : QPoint(random_.Int(-200, 200), random_.Int(-150, 150)));
        if (on)
            QTest::mouseRelease(on, button, {}, at);
        if (on && how == "space+left")
            QTest::keyRelease(on, Qt::Key_Space);
    }

    /// Leaving the program (rarely) ends a session; the next one starts from the folder.
    void MenuItem()
    {
        const FrmMapMenus& menus = W().Menus();
        std::vector<QAction*> items;
        for (QAction* top : W().menuBar()->actions())
            for (QAction* item : top->menu() ? top->menu()->actions() : QList<QAction*>())
                if (!item->isSeparator() && !item->menu() && !Skipped(item) && item != menus.mnuFileExit)
                    items.push_back(item);
        QAction* item = random_.Chance(0.01) ? menus.mnuFileExit : random_.Pick(items);
        emit menus.mnuFile->aboutToShow();  // which enables "Save database"
        Note("menu item " + item->text().toStdString());
        if (item->isEnabled())
            item->trigger();
    }

    void DropFiles()
    {
        QList<QUrl> urls;
        for (int n = random_.Int(1, 3); n > 0; --n)
            urls << QUrl::fromLocalFile(QString::fromStdString(pools_.ToOpen(random_)));
        QMimeData data;
        data.setUrls(urls);
        Note("drop " + std::to_string(urls.size()) + " files: " + urls.front().toLocalFile().toStdString());
        const QPoint at = window_->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window_, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        if (enter.isAccepted())
            QApplication::sendEvent(window_, &drop);
    }
};

/// Faction 3's game imported, and what the dialogs offer: reports, exchange and battle files, junk.
void MakeWorld(const random_input::FilePools& pools)
{
    const auto copy = [](const fs::path& from, const fs::path& to) {  // writable, as a player's file is
        std::error_code ignored;
        fs::copy_file(from, to, fs::copy_options::overwrite_existing, ignored);
        fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ignored);
    };
    fs::create_directories(pools.files + "/folder");
    fs::create_directories(pools.program + "/IMPORT");
    {
        Workspace workspace(pools.program);
        testing::ScriptedInteraction quiet;
        quiet.defaultYesNo = true;
        testing::ImportFixtureTurns(workspace, quiet);
        ASSERT_TRUE(SaveMapDatabase(workspace.Map, workspace.Settings, workspace.Settings.DataDir, workspace.Refused));
        EXPECT_TRUE(ExportExchange(workspace.Map, pools.files + "/world.kvd", {.Options = 0xFFFF}, quiet).File);
        ASSERT_TRUE(workspace.SaveOnExit(quiet));
    }
    const std::string fixtures = testing::FixturesDir() + "/";
    for (const char* name :
         {"report-f3-t1.txt", "report-f3-t5.txt", "report-f3-t9.txt", "report-f4-t2.txt", "gm-report-f1-t1.txt",
          "report-with-template-f3-t7.txt", "orders-f3-t3.txt", "template-f3-t2.txt"})
        copy(fixtures + name, pools.program + "/IMPORT/" + name);
    copy(fixtures + "factions-list.txt", pools.files + "/factions-list.txt");
    for (const char* corpus : {"kvd_file", "battle_file"}) {
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(fs::path(KORVANE_FUZZ_CORPUS_DIR) / corpus, error))
            copy(entry.path(), pools.files + "/" + entry.path().filename().string());
    }
    std::ofstream(pools.files + "/empty.txt");
    std::string junk;
    for (int byte = 0; byte < 4096; ++byte)
        junk += static_cast<char>(byte * 7 % 256);
    std::ofstream(pools.files + "/junk.bin", std::ios::binary) << junk;
}

// Replay a run with KORVANE_RANDOM_SEED and KORVANE_RANDOM_EVENTS; KORVANE_RANDOM_TRACE prints every step.
TEST(RandomInput, EveryWindowKeepsWorkingUnderRandomInput)
{
    KORVANE_REQUIRE_FIXTURES();
    testing::RandomStream random = testing::RandomStream::FromEnvironment(20261209, 3000);
    fprintf(stderr, "RandomInput: seed %u, %ld events, scratch folder %s\n", random.Seed(), random.Events(),
            gScratch.c_str());
    const random_input::FilePools pools{gScratch};
    MakeWorld(pools);
    if (::testing::Test::HasFatalFailure())
        return;
    const std::string realHome = qEnvironmentVariable("KORVANE_REAL_HOME").toStdString();
    const Listing before = WatchedFiles(realHome);

    random_input::RandomInteraction ui(random);
    MapDriver driver(random, pools);
    for (int session = 1; !random.Done(); ++session) {
        Workspace workspace(pools.program);
        TfrmMAP window(workspace, ui);
        ui.strict = true;
        EXPECT_TRUE(window.StartUp()) << "session " << session << " at " << random.Where();
        ui.strict = false;
        EXPECT_EQ(ui.strictMessages, std::vector<std::string>()) << "session " << session << " at " << random.Where();
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
    for (const auto& [window, steps] : driver.actedOn)
        reached += " " + window + " " + std::to_string(steps);
    fprintf(stderr, "RandomInput: %ld events; steps per window:%s\n", random.EventNo(), reached.c_str());

    // The folder the run leaves opens as it would at the next start, without a word.
    Workspace reopened(pools.program);
    testing::ScriptedInteraction check;
    EXPECT_TRUE(reopened.Open(check)) << random.Where();
    std::vector<std::string> said;
    for (const auto& shown : check.shown)
        said.push_back(shown.text);
    EXPECT_EQ(said, std::vector<std::string>()) << "the program folder reopened after " << random.Where();
    std::vector<std::string> changed;
    for (const auto& [name, stamp] : WatchedFiles(realHome))
        if (!before.count(name) || before.at(name) != stamp)
            changed.push_back((before.count(name) ? "changed: " : "new: ") + name);
    EXPECT_EQ(changed, std::vector<std::string>()) << "written outside the scratch folder during " << random.Where();
    EXPECT_TRUE(!driver.actedOn.count("QFileDialog") || fs::exists(gScratch + "/home/.config/QtProject.conf"))
        << "the file dialogs' state went elsewhere";
    if (::testing::Test::HasFailure())
        fprintf(stderr, "RandomInput: the scratch folder %s is kept\n", gScratch.c_str());
}

}  // namespace
}  // namespace korvane

// The offscreen platform warns about window hints it cannot honour; that noise hides real output.
static void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    for (const char* noise : {"propagateSizeHints", "does not support raise()", "not accepted by receiving widget",
                              "grabbing the keyboard"})
        if (message.contains(noise))
            return;
    fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Home, settings, cache and temporary folders point into the scratch folder before Qt takes its first look.
int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::string scratch = (fs::temp_directory_path() / "korvane-random-XXXXXX").string();
    if (!::mkdtemp(scratch.data())) {
        perror("mkdtemp");
        return 1;
    }
    korvane::gScratch = scratch;
    // A file name typed without a folder is taken from the current folder: the scratch one.
    fs::create_directories(scratch + "/cwd");
    fs::current_path(scratch + "/cwd");
    if (const char* home = std::getenv("HOME"))
        setenv("KORVANE_REAL_HOME", home, 1);
    for (const std::string folder : {"HOME=/home", "XDG_CONFIG_HOME=/home/.config", "XDG_DATA_HOME=/home/.local/share",
                                     "XDG_CACHE_HOME=/home/.cache", "XDG_STATE_HOME=/home/.local/state",
                                     "XDG_RUNTIME_DIR=/runtime", "TMPDIR=/tmp"}) {
        const std::string path = scratch + folder.substr(folder.find('=') + 1);
        fs::create_directories(path);
        setenv(folder.substr(0, folder.find('=')).c_str(), path.c_str(), 1);
    }
    fs::permissions(scratch + "/runtime", fs::perms::owner_all, fs::perm_options::replace);
    qInstallMessageHandler(QuietMessages);
    int status = 0;
    {
        QApplication app(argc, argv);
        // Sessions end and start again inside one test; the last window closing ends nothing.
        QApplication::setQuitOnLastWindowClosed(false);
        ::testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    if (status == 0)
        fs::remove_all(scratch, ignored);
    return status;
}
