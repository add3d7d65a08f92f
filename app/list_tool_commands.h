// The Tools menu's rules: sorting the view, ordering the list like another channel file, and the
// consistency check with its safe repair, on the document's image. Each command that changes the image
// returns true; the caller then makes the change one undoable edit. Each first needs a list: with no
// file opened and nothing downloaded it says so and does nothing.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/document_services.h"
#include "database/channel_database.h"
#include "database/messages.h"
#include "listtools/apply_order.h"
#include "listtools/database_check.h"
#include "listtools/duplicates.h"
#include "listtools/list_sort.h"
#include "listtools/satellites_xml.h"
#include "listtools/program_diff.h"

namespace vizud {

class DocumentCommands;

// Order like another file takes a channel file or an exported list edited in a spreadsheet.
inline constexpr const char* kOrderReferenceFilter =
    "Channel data or CSV list (*.si;*.csv)|*.si;*.csv|Channel data (*.si)|*.si|CSV list (*.csv)|*.csv|"
    "All Files (*.*)|*.*||";

// Asks which parts of a spreadsheet list to take besides its order; nothing when the user cancels.
using CsvOptionsQuestion = std::function<std::optional<CsvApplyOptions>()>;

// Tools > Compare with file: what changed from the other file to the open list, with the lines to show.
struct FileComparison {
    ProgramDiff diff;
    std::vector<DiffLine> lines;
};

class ListToolCommands {
public:
    ListToolCommands(ChannelDatabase& db, Messages& messages, FileChooser& files, const DocumentCommands& document);

    // Whether there is a list to work on (a file opened or a download); else says so.
    bool listLoaded() const;

    // Sorts what the list shows: the favourite list of the view, else the whole table (a provider or
    // satellite view shows the sorted table filtered).
    bool sortView(SortKey key);
    // Asks for the reference file, loads it as the editor opens a file (a file the editor refuses is
    // refused here with the same message), asks whether its favourite lists come too, and orders the
    // table like it; tells the user how many programs were matched. A CSV list (see isCsvReferenceFile)
    // is read instead, the question set here asks what it brings besides the order, and the message
    // also counts the rows that matched nothing; a list refused changes nothing.
    bool orderLikeFile();
    void setCsvOptionsQuestion(CsvOptionsQuestion ask) { m_askCsvOptions = std::move(ask); }
    // Asks for the other file (the list before a new scan, say), loads it as the editor opens a file, and
    // compares it (OLD) with the open list (NEW); nothing when there is no list or the user cancels.
    std::optional<FileComparison> compareWithFile() const;
    // The findings of the file as it was read while the image is still that file (the document keeps
    // them); after an edit, those of the image as it is now, but for the CRC, which the editor refreshes.
    std::vector<Finding> check() const;
    // Repairs what the check can repair safely; the message says what was done.
    bool repair();
    // Asks for a satellites.xml and reads it: what it brings to every satellite, or nothing after the
    // message saying why the file was refused.
    std::optional<TransponderPlan> planTransponderUpdate();
    // Applies the plan; false (after the message) when the transponder table cannot take the additions.
    bool applyTransponderPlan(const TransponderPlan& plan);
    // The groups of duplicates; with none, the message says so.
    std::vector<DuplicateGroup> duplicateGroups();
    // Removes every duplicate (the lists keep the kept programs); the undo step's name, empty when none.
    std::string removeDuplicateGroups();

private:
    ChannelDatabase& m_db;
    Messages& m_messages;
    FileChooser& m_files;
    const DocumentCommands& m_document;
    CsvOptionsQuestion m_askCsvOptions;

    bool orderLikeCsv(const std::string& path);
};

}  // namespace vizud
