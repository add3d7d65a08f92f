// Random edit / undo / redo / save / reopen cycles through the editor's document and its undo stack: an
// edit keeps the image consistent, an undo or redo gives back the exact state of its point of the history,
// a save writes the image whole and a reopen reads back what was saved. At the end the resident memory
// must be within 10 % of what it was after the first 50 cycles.
//
//   soak_edits [--cycles N] [--seed S]      exit 0 when every check held, 1 with the first failure
#include <QtWidgets/QApplication>

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <set>
#include <string>

#include "database/image_access.h"
#include "database/image_crc.h"
#include "listtools/list_sort.h"
#include "tests/app/gui/gui_fixture.h"
#include "tests/database/editing_checks.h"

namespace vizud {
namespace {

long residentKiB() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

class Soak : public test::GuiFixture {
public:
    explicit Soak(std::uint32_t seed) : m_rng(seed) {}

    // "" when all cycles passed, else what failed and where.
    std::string run(int cycles) {
        doc.commands().construct();
        doc.commands().newDocument();
        m_path = channelFile("soak.si", 7, 600, 350);
        if (!doc.commands().openDocument(m_path))
            return "the starting file does not open";
        m_states = {test::stateHash(*fx.state)};
        for (int cycle = 1; cycle <= cycles; ++cycle) {
            const int choice = uniform(0, 99);
            const std::string failure = choice < 60   ? edit()
                                        : choice < 92 ? undoRedo(choice < 80)
                                        : choice < 98 ? save()
                                                      : reopen();
            if (!failure.empty())
                return "cycle " + std::to_string(cycle) + " (" + m_what + "): " + failure;
            fx.messages.clear();
            if (cycle == 50)
                rssAt50 = residentKiB();
        }
        rssAtEnd = residentKiB();
        return "";
    }

    int steps = 0, undos = 0, redos = 0, saves = 0, reopens = 0;
    long rssAt50 = 0, rssAtEnd = 0;

private:
    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    QUndoStack& stack() { return doc.undoStack(); }
    all_tables_block& img() { return fx.image(); }

    // One edit of a kind the editor's commands make, handed to the document as they hand theirs.
    std::string edit() {
        const int programs = img().programCount;
        const int index = stack().index();
        const auto any = [&](int count) { return static_cast<std::uint32_t>(uniform(0, std::max(0, count - 1))); };
        RecordView view;
        switch (uniform(0, 5)) {
            case 0: {
                m_what = "delete programs";
                std::set<int> picked;
                for (int n = uniform(1, 4); n > 0 && programs > 0; --n)
                    picked.insert(uniform(0, programs - 1));
                fx.db.deletePrograms(std::vector<int>(picked.begin(), picked.end()));
                break;
            }
            case 1: {
                m_what = "move programs";
                if (programs < 2)
                    return "";
                const int first = uniform(0, programs - 2);
                fx.db.movePrograms(std::vector<int>{first, first + 1}, uniform(0, programs));
                break;
            }
            case 2:
                m_what = "add a transponder";
                view = test::words({{0, img().satellites[any(img().satCount)].satId},
                                    {2, any(2)},
                                    {7, static_cast<std::uint32_t>(uniform(10700, 12750))},
                                    {8, 27500}});
                fx.db.modifyRecord(kTableTransponders, kOpInsert, 0, view);
                break;
            case 3:
                m_what = "favourite entry";
                view = test::words({{1, any(programs)}});
                fx.db.modifyRecord(kTableFavourites, uniform(0, 1) ? kOpInsert : kOpDelete, uniform(0, 8), view);
                break;
            case 4: {
                m_what = "rename a provider";
                const std::string name = "Soak " + std::to_string(uniform(0, 9999));
                view = test::words({}, name.c_str());
                fx.db.modifyRecord(kTableProviders, kOpUpdate, static_cast<int>(any(img().providerCount)), view);
                break;
            }
            default:
                m_what = "sort";
                sortPrograms(fx.db, static_cast<SortKey>(uniform(0, 2)));
                break;
        }
        doc.imageEdited(QString::fromStdString(m_what));
        if (const std::string broken = test::brokenRule(img(), true); !broken.empty())
            return broken;
        if (img().imageCrc != computeImageCrc(img()))
            return "the CRC was not refreshed";
        if (stack().index() == index)
            return test::stateHash(*fx.state) == m_states[static_cast<std::size_t>(index)] ? ""
                                                                                           : "a change left no step";
        m_states.resize(static_cast<std::size_t>(index) + 1);
        m_states.push_back(test::stateHash(*fx.state));
        if (m_states.size() > static_cast<std::size_t>(stack().count()) + 1)
            m_states.erase(m_states.begin());  // the stack forgot its oldest step
        ++steps;
        return consistentHistory();
    }

    std::string undoRedo(bool undo) {
        m_what = undo ? "undo" : "redo";
        for (int n = uniform(1, 5); n > 0 && (undo ? stack().canUndo() : stack().canRedo()); --n) {
            undo ? stack().undo() : stack().redo();
            ++(undo ? undos : redos);
            if (const std::string failure = consistentHistory(); !failure.empty())
                return failure;
        }
        return "";
    }

    std::string consistentHistory() {
        if (m_states.size() != static_cast<std::size_t>(stack().count()) + 1)
            return "the history holds " + std::to_string(stack().count()) + " steps, expected " +
                   std::to_string(m_states.size() - 1);
        if (test::stateHash(*fx.state) != m_states[static_cast<std::size_t>(stack().index())])
            return "the state is not the one of step " + std::to_string(stack().index());
        return "";
    }

    std::string save() {
        m_what = "save";
        const auto before = std::make_unique<all_tables_block>(img());
        if (!doc.commands().fileSave())
            return "the save failed: " + (fx.messages.shown.empty() ? std::string() : fx.messages.shown.back().text);
        // The save refreshes the CRC, which is stale only after a load swept unused providers away.
        before->imageCrc = img().imageCrc;
        if (const long at = test::firstDifference(*before, img()); at != -1)
            return "the save changed byte " + std::to_string(at) + " of the image";
        const std::string bytes = test::readFile(m_path);
        if (bytes.size() != kImageSize || std::memcmp(bytes.data(), &img(), kImageSize) != 0)
            return "the file is not the image (" + std::to_string(bytes.size()) + " bytes)";
        ++saves;
        return "";
    }

    // Opens the saved file again (after saving what is modified): the image is the file as a load reads it.
    std::string reopen() {
        m_what = "reopen";
        if (const std::string failure = doc.isModified() ? save() : ""; !failure.empty())
            return failure;
        test::DatabaseFixture expected;
        expected.db.setProgramsDumpPath("");
        if (expected.db.load(m_path) != 0)
            return "the saved file does not load";
        if (!doc.commands().openDocument(m_path))
            return "the saved file does not open";
        if (test::firstDifference(img(), expected.image()) != -1)
            return "the reopened image is not the saved file";
        if (stack().count() != 0)
            return "the history was kept across the reopen";
        m_states = {test::stateHash(*fx.state)};
        ++reopens;
        return "";
    }

    std::mt19937 m_rng;
    std::string m_path;
    std::string m_what;
    std::vector<std::size_t> m_states;  // the state at each point of the undo stack
};

}  // namespace
}  // namespace vizud

int main(int argc, char** argv) {
    int cycles = 10000;
    std::uint32_t seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--cycles")
            cycles = std::atoi(argv[i + 1]);
        else if (option == "--seed")
            seed = static_cast<std::uint32_t>(std::strtoul(argv[i + 1], nullptr, 0));
    }
    QApplication app(argc, argv);
    vizud::Soak soak(seed);
    const std::string failure = soak.run(cycles);
    std::printf("soak_edits: %d edit steps, %d undos, %d redos, %d saves, %d reopens\n", soak.steps, soak.undos,
                soak.redos, soak.saves, soak.reopens);
    if (!failure.empty()) {
        std::fprintf(stderr, "soak_edits: seed %u: %s\n", seed, failure.c_str());
        return 1;
    }
    std::printf("soak_edits: %d cycles passed; resident memory %ld KiB after 50 cycles, %ld KiB at the end\n", cycles,
                soak.rssAt50, soak.rssAtEnd);
    if (cycles >= 50 && soak.rssAtEnd > soak.rssAt50 + soak.rssAt50 / 10) {
        std::fprintf(stderr, "soak_edits: memory grew by more than 10 %%\n");
        return 1;
    }
    return 0;
}
