// korvane-cli map: the refusals of the map window, overwriting and a drawn world.
#include "mapview/map_builders.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <sstream>

namespace korvane::testing {
namespace {

class CliMapTest : public ::testing::Test
{
protected:
    CliResult Cli(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--home", home.Path()});
        return RunCliCapture(args);
    }
    static QImage Load(const std::string& file) { return QImage(QString::fromStdString(file), "BMP"); }

    TempDir home;
    TempDir out;
};

TEST_F(CliMapTest, RefusalsSayWhyAndWriteNothing)
{
    // FILE is a file in an empty folder; the map window's checks refuse as they do there.
    const std::tuple<const char*, int, const char*> refusals[] = {
        {"--rect -4,-4,0,0 --scale 0 FILE", 1,
         "error: Jeeesh, you really want the map small. Sorry, 1 is as small as I go."},
        {"--scale 3 FILE", 2, "usage: map --rect"},
        {"--rect 0,0,5 --scale 3 FILE", 2, "--rect is four whole numbers"},
        {"--rect a,0,5,5 --scale 3 FILE", 2, "--rect is four whole numbers"},
        {"--rect 0,0,5,5 --scale big FILE", 2, "--scale is a whole number"},
        {"--rect 0,0,5,5 --scale 3 --colour FILE", 2, "map does not know --colour"}};
    for (const auto& [arguments, status, message] : refusals) {
        SCOPED_TRACE(arguments);
        std::vector<std::string> args{"map"};
        std::istringstream words(arguments);
        for (std::string word; words >> word;)
            args.push_back(word == "FILE" ? out.File("map.bmp") : word);
        const CliResult run = Cli(args);
        EXPECT_EQ(run.status, status);
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_TRUE(std::filesystem::is_empty(out.Path()));
    }
}

TEST_F(CliMapTest, ExistingFileIsReplacedOnlyWithOverwrite)
{
    const std::string file = out.Write("map.bmp", "old picture");
    const CliResult kept = Cli({"map", "--rect", "7,9,7,9", "--scale", "2", file});
    EXPECT_EQ(kept.status, 1);
    EXPECT_NE(kept.err.find("File exist. Do you wish to overwrite it ? -> no"), std::string::npos) << kept.err;
    EXPECT_NE(kept.err.find("give --overwrite"), std::string::npos);
    EXPECT_EQ(out.Read("map.bmp"), "old picture");
    const CliResult run = Cli({"map", "--overwrite", "--rect", "7,9,7,9", "--scale", "1", file});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Load(file).size(), QSize(81, 85)) << "one hex and the margins";
    EXPECT_EQ(run.out, "Wrote " + file + " (81 x 85 pixels)\n");
    EXPECT_EQ(out.FileCount(), 1) << "no temporary left";
    EXPECT_TRUE(std::filesystem::is_empty(home.Path())) << "drawing reads the program folder and writes nothing there";
}

TEST_F(CliMapTest, DemoWorldIsDrawnInTerrainColoursInsideTheFrame)
{
    std::vector<std::string> import{"import", "--faction", "3", "--template", "apply"};
    for (int turn = 1; turn <= 3; ++turn)
        import.push_back(KORVANE_DEMO_DIR "/report-turn" + std::to_string(turn) + ".txt");
    ASSERT_EQ(Cli(import).status, 0);
    const std::string database = home.Read("DATA/Map.Dat"), settings = home.Read("ATLANTIS.INI");

    const CliResult run = Cli(
        {"map", "--rect", "10,6,21,23", "--scale", "5", "--names", "--title", "Demo", out.File("demo.bmp")});
    ASSERT_EQ(run.status, 0) << run.err;
    const QImage image = Load(out.File("demo.bmp"));
    // The demo's oceans, forests, deserts, mountains and tundra, in the built-in colours, only inside the frame.
    const QRect frame(QPoint(12, 42), QPoint(image.width() - 44, image.height() - 22));
    for (const QColor colour : {Qt::blue, Qt::green, Qt::yellow, Qt::darkRed, Qt::lightGray}) {
        const int inside = CountColour(image, frame, colour);
        EXPECT_TRUE(inside > 200 && CountColour(image, image.rect(), colour) == inside) << colour.name().toStdString();
    }
    EXPECT_EQ(std::tuple(home.Read("DATA/Map.Dat"), home.Read("ATLANTIS.INI")), std::tuple(database, settings))
        << "drawing saves nothing";
}

}  // namespace
}  // namespace korvane::testing
