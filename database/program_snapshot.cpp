#include "database/program_snapshot.h"

namespace vizud {

void freeSnapshotList(ProgramSnapshot*& head) {
    while (head != nullptr) {
        ProgramSnapshot* next = head->next;
        delete head;
        head = next;
    }
}

int countSnapshots(const ProgramSnapshot* head) {
    int n = 0;
    for (; head != nullptr; head = head->next) {
        ++n;
    }
    return n;
}

}  // namespace vizud
