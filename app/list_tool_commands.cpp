#include "app/list_tool_commands.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>

#include "app/document_commands.h"
#include "database/image_access.h"
#include "listtools/apply_order.h"
#include "listtools/csv_reference.h"

namespace vizud {

ListToolCommands::ListToolCommands(ChannelDatabase& db, Messages& messages, FileChooser& files,
                                   const DocumentCommands& document)
    : m_db(db), m_messages(messages), m_files(files), m_document(document) {}

bool ListToolCommands::listLoaded() const {
    if (m_document.fileOpened() || m_document.downloaded())
        return true;
    m_messages.show("Open or download a channel list first.", MessageIcon::Exclamation);
    return false;
}

bool ListToolCommands::sortView(SortKey key) {
    if (!listLoaded())
        return false;
    const std::uint32_t mode = m_db.state().browse.viewMode;
    const std::uint32_t lists = (mode & kViewFavouriteMask) >> kViewFirstFavouriteBit;
    if ((mode & kViewWholeTable) == 0 && lists != 0) {
        int list = 0;
        while ((lists & (1u << list)) == 0)
            ++list;
        if (sortListEntries(m_db, list, key) != 0) {
            m_messages.show("The favourite list names a program beyond the table; Tools > Check database repairs it.",
                            MessageIcon::Exclamation);
            return false;
        }
        return true;
    }
    return sortPrograms(m_db, key) == 0;
}

bool ListToolCommands::orderLikeFile() {
    if (!listLoaded())
        return false;
    const std::string path = m_files.chooseFileToOpen(
        FileDialogRequest{kOrderReferenceFilter, "", "", kChannelFiles, {}, "Order like another file"});
    if (path.empty())
        return false;
    if (isCsvReferenceFile(path))
        return orderLikeCsv(path);
    // The reference is opened in a database of its own: the image being edited stays as it is.
    auto state = std::make_unique<EditorState>();
    ChannelDatabase reference(*state, m_messages);
    reference.setProgramsDumpPath("");
    if (reference.load(path) != 0)
        return false;
    const MessageAnswer lists = m_messages.ask(
        "Take the favourite lists of the other file too?\nYes: the nine lists become its lists, for the programs "
        "found here.\nNo: the lists stay as they are.",
        MessageButtons::YesNoCancel, MessageIcon::Question);
    if (lists == MessageAnswer::Cancel)
        return false;
    const auto match = applyOrder(m_db, reference.image(), lists == MessageAnswer::Yes);
    if (!match) {
        m_messages.show("The list could not be put in order.", MessageIcon::Exclamation);
        return false;
    }
    m_messages.show(matchSummary(*match), MessageIcon::Information);
    return true;
}

bool ListToolCommands::orderLikeCsv(const std::string& path) {
    const auto refuse = [&](const std::string& why) {
        m_messages.show("The list " + path + " was refused; nothing was changed:\n" + why, MessageIcon::Exclamation);
        return false;
    };
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return refuse("the file cannot be read");
    const CsvReference reference =
        readCsvReference(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
    if (!reference.error.empty())
        return refuse(reference.error);
    const std::optional<CsvApplyOptions> options = m_askCsvOptions ? m_askCsvOptions() : std::nullopt;
    if (!options)
        return false;
    const CsvOrderResult result = applyOrderFromCsv(m_db, reference, *options);
    if (!result.error.empty())
        return refuse(result.error);
    const std::string unmatched = unmatchedRowsText(result.unmatchedLines);
    m_messages.show(matchSummary(result.match) + (unmatched.empty() ? "" : "\n" + unmatched), MessageIcon::Information);
    return true;
}

std::optional<FileComparison> ListToolCommands::compareWithFile() const {
    if (!listLoaded())
        return std::nullopt;
    const std::string path = m_files.chooseFileToOpen(
        FileDialogRequest{kChannelFilter, "si", "", kChannelFiles, {}, "Compare with file"});
    if (path.empty())
        return std::nullopt;
    auto state = std::make_unique<EditorState>();
    ChannelDatabase other(*state, m_messages);
    other.setProgramsDumpPath("");
    if (other.load(path) != 0)
        return std::nullopt;
    FileComparison comparison{diffPrograms(other.image(), m_db.image()), {}};
    comparison.lines = diffLines(comparison.diff, other.image(), m_db.image());
    return comparison;
}

std::vector<Finding> ListToolCommands::check() const {
    // Until the first edit the image is the file as opened: its findings are those of the file as read,
    // as vizud-cli check gives them (the provider sweep of the load has renumbered what they name since).
    if (const std::vector<Finding>* asOpened = m_document.findingsAsOpened())
        return *asOpened;
    // The editor refreshes the CRC with every edit, save and upload, so a CRC in memory that no longer
    // fits (the provider sweep on opening changes the image) never reaches a file or the box.
    std::vector<Finding> findings = checkImage(m_db.image());
    std::erase_if(findings, [](const Finding& f) { return f.kind == FindingKind::Crc; });
    return findings;
}

bool ListToolCommands::repair() {
    if (!listLoaded())
        return false;
    const std::vector<Finding> shown = check();
    const bool crcShown =
        std::any_of(shown.begin(), shown.end(), [](const Finding& f) { return f.kind == FindingKind::Crc; });
    const Repair done = repairImage(m_db.image());
    std::string text;
    if (done.favouriteEntriesDropped > 0)
        text += std::to_string(done.favouriteEntriesDropped) + " favourite entries dropped\n";
    if (done.favouriteEntriesMoved > 0)
        text += std::to_string(done.favouriteEntriesMoved) + " favourite entries moved to the part of their program\n";
    if (done.countsFixed > 0)
        text += std::to_string(done.countsFixed) + " satellite transponder counts set right\n";
    if (crcShown && done.crcRefreshed)
        text += "CRC set right\n";
    const bool changed = !text.empty();
    m_messages.show(changed ? "Repaired:\n" + text : "Nothing needed a repair.", MessageIcon::Information);
    return changed;
}

std::optional<TransponderPlan> ListToolCommands::planTransponderUpdate() {
    if (!listLoaded())
        return std::nullopt;
    const std::string path = m_files.chooseFileToOpen(
        FileDialogRequest{kSatellitesXmlFilter, "xml", "satellites.xml", kSatellitesXmlFiles, {}, "Update transponders"});
    if (path.empty())
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    const SatellitesXml file = in ? readSatellitesXml(in) : SatellitesXml{{}, "the file cannot be read"};
    if (!file.error.empty()) {
        m_messages.show("The transponders could not be read from " + path + ":\n" + file.error, MessageIcon::Exclamation);
        return std::nullopt;
    }
    return vizud::planTransponderUpdate(m_db.image(), file);
}

bool ListToolCommands::applyTransponderPlan(const TransponderPlan& plan) {
    if (std::string why; vizud::applyTransponderPlan(m_db, plan, &why) != 0) {
        m_messages.show(why + "\nNothing was changed.", MessageIcon::Exclamation);
        return false;
    }
    return true;
}

std::vector<DuplicateGroup> ListToolCommands::duplicateGroups() {
    if (!listLoaded())
        return {};
    std::vector<DuplicateGroup> groups = findDuplicates(m_db.image());
    if (groups.empty()) {
        m_messages.show("No duplicates found: no two programs of a class share satellite, transponder and service id.",
                        MessageIcon::Information);
    }
    return groups;
}

std::string ListToolCommands::removeDuplicateGroups() {
    return listLoaded() ? removeDuplicates(m_db).stepName : std::string();
}

}  // namespace vizud
