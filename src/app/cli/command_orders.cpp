// "orders": the orders file for the game server, as "Generate Turn File" writes it.
#include "app/cli/cli_interaction.h"
#include "app/cli/commands.h"

#include "core/file_names.h"
#include "orders/orders_file.h"
#include "orders/orders_in_world.h"
#include "workspace/player_order_vocabulary.h"
#include "workspace/workspace.h"

#include <ostream>

namespace korvane {

int RunOrdersCommand(CliContext& context, const std::vector<std::string>& args)
{
    bool overwrite = false;
    std::vector<std::string> files;
    for (const auto& arg : args) {
        if (arg == "--overwrite") {
            overwrite = true;
        } else if (arg.rfind("--", 0) == 0) {
            context.err << "korvane-cli: orders does not know " << arg << '\n';
            return 2;
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 1) {
        context.err << "korvane-cli: usage: orders [--overwrite] FILE\n";
        return 2;
    }
    const std::string& fileName = files[0];

    Workspace& ws = context.workspace;
    if (!ws.Open(context.ui)) {
        context.err << "korvane-cli: the map database was not loaded; no orders file written\n";
        return 1;
    }
    context.ui.yesNoAnswer = overwrite;
    if (FileExists(fileName) && !context.ui.AskYesNo(ReplaceOrdersFileQuestion(fileName))) {
        context.err << "korvane-cli: " << fileName << " is kept; give --overwrite to replace it\n";
        return 1;
    }
    if (const FileResult written = WriteOrdersFile(ws.Map, ws.Settings, fileName); !written) {
        context.ui.Error("Unable to write the orders file " + written.Text());
        return 1;
    }
    context.out << "Wrote " << fileName << ", the orders of faction " << ws.Settings.FactionNo << " for turn "
                << static_cast<std::int64_t>(ws.Settings.CurrentTurn) + 1 << '\n';
    // The file is written whatever its problems, as the player asked; they are told so that a
    // misspelt order is mended before the file is sent.
    PrintOrderProblems(
        context.err, fileName,
        CheckOrdersInWorld(OrdersFileText(ws.Map, ws.Settings), ws.Map, ws.Settings, PlayerOrderVocabulary(ws)));
    return 0;
}

}  // namespace korvane
