// "map": a rectangle of the map written to a bitmap file, as the "Generate Map" window does.
#include "app/cli/cli_interaction.h"
#include "app/cli/commands.h"

#include "mapview/render/map_bitmap.h"
#include "mapview/render/map_bitmap_request.h"
#include "mapview/render/map_scene.h"
#include "workspace/workspace.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <memory>
#include <ostream>
#include <utility>

namespace korvane {

namespace {

constexpr const char* kMapUsage =
    "korvane-cli: usage: map --rect L,T,R,B --scale Z [--under] [--title TEXT] [--coords] [--icons] [--names]\n"
    "                        [--gates] [--gate-numbers] [--shafts] [--other] [--unconfirmed] [--overwrite] FILE\n";

// An optional minus and at most nine digits: the checks that follow read it as the window
// reads its fields, and a longer number would wrap around there.
bool IsWholeNumber(const std::string& text)
{
    const std::size_t digits = text.size() - (text.rfind('-', 0) == 0 ? 1 : 0);
    return digits >= 1 && digits <= 9
        && text.find_first_not_of("0123456789", text.size() - digits) == std::string::npos;
}

// "L,T,R,B" into the four fields; false unless it is exactly four whole numbers.
bool SplitRect(const std::string& text, MapBitmapFields& fields)
{
    std::string* parts[] = {&fields.left, &fields.top, &fields.right, &fields.bottom};
    std::size_t start = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t comma = text.find(',', start);
        if ((comma == std::string::npos) != (i == 3))
            return false;
        *parts[i] = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (!IsWholeNumber(*parts[i]))
            return false;
        start = comma + 1;
    }
    return true;
}

struct MapOptions
{
    MapBitmapFields fields;
    bool overwrite = false;
};

// Reads the command line into `options`; false after a usage message.
bool ReadMapOptions(CliContext& context, std::vector<std::string> args, MapOptions& options)
{
    MapBitmapFields& fields = options.fields;
    const std::pair<const char*, bool*> switches[] = {
        {"--under", &fields.underworld},     {"--coords", &fields.hexCoords}, {"--icons", &fields.townIcons},
        {"--names", &fields.townNames},      {"--gates", &fields.gates},      {"--gate-numbers", &fields.gateNumbers},
        {"--shafts", &fields.shafts},        {"--other", &fields.other},      {"--unconfirmed", &fields.unconfirmed},
        {"--overwrite", &options.overwrite},
    };
    bool missing = false;
    std::string rect;
    const bool hasRect = TakeOption(args, "--rect", rect, missing);
    const bool hasScale = TakeOption(args, "--scale", fields.scale, missing);
    TakeOption(args, "--title", fields.title, missing);

    std::vector<std::string> rest;
    for (const auto& arg : args) {
        bool known = false;
        for (const auto& [name, flag] : switches) {
            if (arg == name) {
                *flag = true;
                known = true;
            }
        }
        if (known)
            continue;
        if (arg.rfind("--", 0) == 0) {
            context.err << "korvane-cli: map does not know " << arg << '\n';
            return false;
        }
        rest.push_back(arg);
    }
    if (hasRect && !SplitRect(rect, fields)) {
        context.err << "korvane-cli: --rect is four whole numbers Left,Top,Right,Bottom, such as 0,0,60,40\n";
        return false;
    }
    if (hasScale && !IsWholeNumber(fields.scale)) {
        context.err << "korvane-cli: --scale is a whole number from 1 (small) to 10 (large)\n";
        return false;
    }
    if (missing || !hasRect || !hasScale || rest.size() != 1) {
        context.err << kMapUsage;
        return false;
    }
    // As in the window: names are written beside their icons, gate numbers inside their gates.
    fields.townIcons = fields.townIcons || fields.townNames;
    fields.gates = fields.gates || fields.gateNumbers;
    fields.fileName = rest[0];
    return true;
}

// A command-line run needs no per-user runtime folder, so Qt's note that it has none (usual
// for root and in containers) is only noise before the command's own output.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Text needs QtGui's font database, which needs a QGuiApplication. A program that has an
// application already (the window program, the tests) keeps it; the command line gets one on
// the headless platform for as long as the command runs, so that no display is needed.
class GuiSession
{
public:
    GuiSession()
    {
        if (QCoreApplication::instance())
            return;
        previousHandler_ = qInstallMessageHandler(QuietMessages);
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    ~GuiSession()
    {
        if (!app_)
            return;
        app_.reset();
        qInstallMessageHandler(previousHandler_);
    }
    GuiSession(const GuiSession&) = delete;
    GuiSession& operator=(const GuiSession&) = delete;

private:
    char name_[12] = "korvane-cli";
    char platformOption_[10] = "-platform";
    char platform_[10] = "offscreen";
    char* argv_[4] = {name_, platformOption_, platform_, nullptr};
    int argc_ = 3;
    std::unique_ptr<QGuiApplication> app_;
    QtMessageHandler previousHandler_ = nullptr;
};

}  // namespace

int RunMapCommand(CliContext& context, const std::vector<std::string>& args)
{
    MapOptions options;
    if (!ReadMapOptions(context, args, options))
        return 2;
    Workspace& ws = context.workspace;
    if (!ws.Open(context.ui)) {
        context.err << "korvane-cli: the map database was not loaded; no map written\n";
        return 1;
    }

    context.ui.yesNoAnswer = options.overwrite;
    MapBitmapField focus = MapBitmapField::None;
    const std::optional<MapBitmapRequest> request = CheckMapBitmapFields(options.fields, context.ui, focus);
    if (!request) {
        if (focus == MapBitmapField::None)
            context.err << "korvane-cli: " << options.fields.fileName << " is kept; give --overwrite to replace it\n";
        return 1;
    }

    GuiSession gui;
    MapScene scene(ws);
    if (const FileResult made = MakeMapBitmap(scene, *request); !made) {
        context.ui.Error("Unable to write the map bitmap " + made.Text());
        return 1;
    }
    const QSize size = MapBitmapSize(*request);
    context.out << "Wrote " << request->fileName << " (" << size.width() << " x " << size.height() << " pixels)\n";
    return 0;
}

}  // namespace korvane
