// What changed from one channel file to another, typically the list before a new scan and the list after
// it: programs are matched as ordering like another file matches them.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "database/image_layout.h"

namespace vizud {

// Table indices (0-based) in OLD and NEW.
struct ProgramDiff {
    std::vector<int> added;                    // NEW programs that matched nothing in OLD, in NEW's order
    std::vector<int> removed;                  // OLD programs that matched nothing in NEW, in OLD's order
    std::vector<std::pair<int, int>> renamed;  // (OLD, NEW): matched, another name; in NEW's order
    std::vector<std::pair<int, int>> changed;  // (OLD, NEW): same name, another provider, PIDs or flags

    bool empty() const { return added.empty() && removed.empty() && renamed.empty() && changed.empty(); }
};

ProgramDiff diffPrograms(const all_tables_block& oldImg, const all_tables_block& newImg);

// One difference as the command line and the editor's dialog show it.
struct DiffLine {
    char mark = '+';         // '+' added, '-' removed, '~' renamed, '*' changed
    bool radio = false;      // the program's class (in OLD for a removed one, else in NEW)
    std::string number;      // 1-based table number; "OLD->NEW" for a renamed or changed program
    std::string name;        // as shown; "OLD -> NEW" for a renamed program
    std::string satellite;   // "Astra 19.2E"; "?" when it points nowhere
    int serviceId = 0;
};
// Added, removed, renamed, changed, each in the diff's order.
std::vector<DiffLine> diffLines(const ProgramDiff& diff, const all_tables_block& oldImg,
                                const all_tables_block& newImg);

// vizud-cli diff's text: "+ TV    12          Name  Astra 19.2E  sid 28006" per line, then the counts.
std::string diffText(const std::vector<DiffLine>& lines, const ProgramDiff& diff);
// {"added":[n,...],"removed":[n,...],"renamed":[[old,new],...],"changed":[[old,new],...]}, 1-based.
std::string diffJson(const ProgramDiff& diff);

// "12 added, 3 removed, 2 renamed, 1 changed".
std::string diffCounts(const ProgramDiff& diff);

}  // namespace vizud
