// Exchange files (".KVD"): the hex details of a rectangle of one level, written for other
// players and merged back from theirs.
#pragma once

#include "core/file_result.h"
#include "core/progress.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

class TMap;
class UserInteraction;

/// The optional details an exported file carries, as bits of ExchangeExportOptions::Options.
/// The values are those other players' files were written with.
enum ExchangeExportBit : std::uint32_t {
    kExportTownNames = 4,  // settlement name and type
    kExportGates = 16,  // gates, without their numbers (999 stands for "a gate")
    kExportGateNumbers = 32,  // gates with their numbers
    kExportShafts = 64,  // shaft text
    kExportOther = 128,  // other-features text
    kExportComments = 256,  // the three comment texts
};

/// The gate number a file gives for a gate whose number it does not tell.
inline constexpr std::int32_t kUnnumberedGate = 999;

/// What an export writes: one level, a rectangle of grid positions (both corners included),
/// and which optional details go out.
struct ExchangeExportOptions
{
    int Level = 0;  // 0 overworld, 1 underworld; anything else exports nothing
    int Left = 0;
    int Top = 0;
    int Right = 320;
    int Bottom = 192;
    std::uint32_t Options = 0;  // ExchangeExportBit values, or-ed
};

/// How an import merges: Confirmed believes the file's unconfirmed marks (the dialog's
/// "Regard all imported data as unconfirmed" is its opposite); Override lets the file's
/// details replace what the map already knows.
struct ExchangeImportOptions
{
    bool Confirmed = false;
    bool Override = false;
};

/// What an export did.
struct ExchangeExportResult
{
    FileResult File;  // done: the file now holds the export; failed: an older file is as it was
    int Hexes = 0;  // lines of cells written (or that would have been, when not written)
    bool Cancelled = false;  // the player stopped it: nothing was written, and that was said
};

/// What an import did.
struct ExchangeImportResult
{
    bool Imported = false;  // the file was read and merged; the map database wants saving
    bool Refused = false;  // the file was not merged at all: too new, unreadable or its version no number
    int Hexes = 0;  // lines merged
    int ShortLines = 0;  // lines skipped for having too few fields
    int BadPositions = 0;  // lines skipped for naming no grid position
    bool Cancelled = false;  // the player stopped it between lines; the Hexes merged so far stay
        // merged, and Imported is set, as they want saving too
};

/// What the export dialog does with the rectangle typed: left and top are raised to 0, right
/// and bottom lowered to 320 and 192. False, after a warning, when left lies right of right
/// or bottom above top (the dialog then puts the focus into its Left box).
bool CheckExportRectangle(ExchangeExportOptions& options, UserInteraction& ui);

/// Writes an exchange file of the cells of `options`' rectangle and level that hold map
/// knowledge (a hex with only the player's notes is left out), x by x and y by y within x,
/// replacing `fileName` as a whole. On success shows "Exported N hexes.". A level other than
/// 0 or 1 writes nothing. A file that could not be written is left as it was, with no
/// message: the caller says so.
/// `progress` counts the columns of the rectangle; when the player cancels between them nothing
/// is written, any old file stays, and "Export cancelled; nothing was written." is shown.
ExchangeExportResult ExportExchange(const TMap& map, const std::string& fileName, const ExchangeExportOptions& options,
                                    UserInteraction& ui, Progress* progress = nullptr);

/// Merges an exchange file into the map cell by cell, creating the cells it names. Without
/// Override only what a hex does not know yet is filled in; with it, what the file knows
/// replaces the hex's. What a file writes for "not known" (terrain 0, "Unknown", -1, an empty
/// field) never replaces what a hex knows, and a numbered gate is never renumbered. A missing
/// file shows "Import file not found"; a file of a newer format than this program reads, or
/// one that cannot be read, is refused with a warning and changes nothing. Lines that are
/// damaged (too few fields, no grid position) are skipped and reported in one warning after
/// "Imported N hexes.". Nothing is saved: after Imported the caller saves the map database.
/// `progress` counts the bytes of the file read; when the player cancels between lines the
/// hexes merged so far are kept and "Import cancelled after N hexes; ..." is shown instead.
ExchangeImportResult ImportExchange(TMap& map, const std::string& fileName, const ExchangeImportOptions& options,
                                    UserInteraction& ui, Progress* progress = nullptr);

/// The contents ExportExchange writes, lines ended by CR LF; `hexes` gets the number of cell
/// lines. Empty (not even the version line) for a level other than 0 or 1.
std::string ExchangeFileText(const TMap& map, const ExchangeExportOptions& options, int& hexes);

/// ImportExchange over a file's contents held in memory; `fileName` names it in messages.
ExchangeImportResult ImportExchangeText(TMap& map, std::string_view contents, const std::string& fileName,
                                        const ExchangeImportOptions& options, UserInteraction& ui,
                                        Progress* progress = nullptr);

}  // namespace korvane
