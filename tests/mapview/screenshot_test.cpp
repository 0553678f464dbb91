// Pictures of the main window: taken once its map is painted, and nothing else written.
#include "mapview/windows/screenshot.h"

#include "mapview/windows/frm_map.h"
#include "support/cli_run.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "workspace/workspace.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace korvane {
namespace {

namespace fs = std::filesystem;

// Every file under `dir` with its bytes, to see that a run changed none of them.
std::map<std::string, std::string> Contents(const testing::TempDir& dir)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir.Path())) {
        if (entry.is_regular_file())
            files[entry.path().string()] = dir.Read(fs::relative(entry.path(), dir.Path()).string());
    }
    return files;
}

struct ProgramRun
{
    int status;
    std::string err;
};

// The window program itself, headless, with its standard error kept.
ProgramRun Korvane(const testing::TempDir& home, const std::string& arguments)
{
    const std::string errFile = home.File("stderr.txt");
    const std::string command = "QT_QPA_PLATFORM=offscreen '" KORVANE_PATH "' --home '" + home.Path() + "' " + arguments
        + " 2>'" + errFile + "' >/dev/null";
    const int raw = std::system(command.c_str());
    ProgramRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, home.Read("stderr.txt")};
    fs::remove(errFile);
    return run;
}

class ScreenshotTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const testing::CliResult import = testing::RunCliCapture(
            {"--home", home.Path(), "import", "--faction", "3", KORVANE_DEMO_DIR "/report-turn1.txt"});
        ASSERT_EQ(import.status, 0) << import.err;
    }

    testing::TempDir home;
    testing::TempDir pictures;
};

TEST_F(ScreenshotTest, WindowProgramSavesThePictureAndWritesNoFileOfTheSession)
{
    const auto before = Contents(home);
    const std::string picture = pictures.File("map.png");
    const ProgramRun run = Korvane(home, "--screenshot '" + picture + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    const QImage image(QString::fromStdString(picture));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(1000, 700)) << "the designed size of a first start";
    EXPECT_EQ(Contents(home), before);

    EXPECT_EQ(Korvane(home, "--screenshot").status, 2) << "a file name is needed";
    const ProgramRun unwritable = Korvane(home, "--screenshot '" + pictures.File("no/such/folder/map.png") + "'");
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("could not write the picture"), std::string::npos) << unwritable.err;
}

TEST_F(ScreenshotTest, MessagesGoToStandardErrorInsteadOfDialogs)
{
    std::string map = home.Read("DATA/Map.Dat");
    map.replace(0, map.find('\n') + 1, "VERSION,9.99\r\n");
    home.Write("DATA/Map.Dat", map);
    const ProgramRun run = Korvane(home, "--screenshot '" + pictures.File("map.png") + "'");
    EXPECT_EQ(run.status, 0) << "the picture of an empty map is still taken";
    EXPECT_NE(run.err.find("more recent version"), std::string::npos) << run.err;
    EXPECT_EQ(home.Read("DATA/Map.Dat"), map);
    EXPECT_FALSE(QImage(QString::fromStdString(pictures.File("map.png"))).isNull());
}

TEST(Screenshot, WaitsForTheFirstPaintOrGivesUpWaiting)
{
    testing::TempDir home;
    Workspace workspace(home.Path());
    testing::ScriptedInteraction ui;
    TfrmMAP window(workspace, ui);
    std::optional<bool> saved;
    const std::string picture = home.File("shown.png");
    CaptureAfterFirstPaint(window, picture, [&saved](bool ok) { saved = ok; });
    QTest::qWait(20);
    EXPECT_FALSE(saved.has_value()) << "not shown, not painted";
    window.show();
    QTRY_VERIFY(saved.has_value());
    EXPECT_TRUE(*saved);
    EXPECT_FALSE(QImage(QString::fromStdString(picture)).isNull());

    // A window that is never painted is taken all the same once patience runs out.
    TfrmMAP hidden(workspace, ui);
    std::optional<bool> late;
    CaptureAfterFirstPaint(
        hidden, home.File("hidden.png"), [&late](bool ok) { late = ok; }, 50);
    QTRY_VERIFY(late.has_value());
    EXPECT_TRUE(*late);
}

}  // namespace
}  // namespace korvane
