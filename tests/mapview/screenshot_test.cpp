// Pictures of the main window: taken once its map is painted, and nothing else written.
#include "support/cli_run.h"
#include "support/temp_dir.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

namespace korvane::testing {
namespace {

namespace fs = std::filesystem;

TEST(Screenshot, WindowProgramSavesThePictureAtEveryScaleWritesNoFileOfTheSessionAndTellsOnStandardError)
{
    TempDir home, pictures;
    // The window program itself, headless, with its standard error kept.
    const auto Korvane = [&](const std::string& arguments, const std::string& environment = "") {
        const std::string command = environment + " QT_QPA_PLATFORM=offscreen '" KORVANE_PATH "' --home '" + home.Path()
            + "' " + arguments + " 2>'" + pictures.File("stderr.txt") + "' >/dev/null";
        const int raw = std::system(command.c_str());
        return CliResult{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, "", pictures.Read("stderr.txt")};
    };
    const auto Picture = [&](const std::string& name) { return QImage(QString::fromStdString(pictures.File(name))); };
    const auto Contents = [&] {  // every file of the program folder with its bytes
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(home.Path()))
            if (entry.is_regular_file())
                files[entry.path().string()] = home.Read(fs::relative(entry.path(), home.Path()).string());
        return files;
    };
    const CliResult import = RunCliCapture({"--home", home.Path(), "import", "--faction", "3", "--template", "apply",
                                            KORVANE_DEMO_DIR "/report-turn1.txt"});
    ASSERT_EQ(import.status, 0) << import.err;
    const auto before = Contents();
    const CliResult run = Korvane("--screenshot '" + pictures.File("map.png") + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Picture("map.png").size(), QSize(1000, 700)) << "the designed size of a first start";
    EXPECT_EQ(Contents(), before);

    EXPECT_EQ(Korvane("--screenshot").status, 2) << "a file name is needed";
    const CliResult unwritable = Korvane("--screenshot '" + pictures.File("no/such/folder/map.png") + "'");
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("could not write the picture"), std::string::npos) << unwritable.err;

    // At 200 % on the demo world's first view, with named towns, the buffer draws with the screen's own pixels.
    for (const char* buffered : {"FALSE", "TRUE"}) {
        std::string settings = home.Read("ATLANTIS.INI");
        const std::size_t at = settings.find("BufferDraw=");
        ASSERT_NE(at, std::string::npos);
        home.Write("ATLANTIS.INI",
                   settings.replace(at, settings.find('\r', at) - at, "BufferDraw=" + std::string(buffered)));
        EXPECT_EQ(
            Korvane("--screenshot '" + pictures.File(buffered + std::string(".png")) + "'", "QT_SCALE_FACTOR=2").status,
            0);
    }
    EXPECT_EQ(Picture("FALSE.png").size(), QSize(2000, 1400)) << "the designed size of a first start, at 200 %";
    EXPECT_EQ(Picture("TRUE.png"), Picture("FALSE.png"));

    // Messages go to standard error instead of dialogs.
    std::string map = home.Read("DATA/Map.Dat");
    map.replace(0, map.find('\n') + 1, "VERSION,9.99\r\n");
    home.Write("DATA/Map.Dat", map);
    const CliResult refused = Korvane("--screenshot '" + pictures.File("empty.png") + "'");
    EXPECT_EQ(refused.status, 0) << "the picture of an empty map is still taken";
    EXPECT_NE(refused.err.find("more recent version"), std::string::npos) << refused.err;
    EXPECT_EQ(home.Read("DATA/Map.Dat"), map);
    EXPECT_FALSE(Picture("empty.png").isNull());
}

}  // namespace
}  // namespace korvane::testing
