// The tree and the program list on a full-capacity database (200 satellites, 3000 transponders, 400
// providers, 20000 programs, nine lists of 400 entries), in the real main window on the offscreen
// platform: list fills for each kind of selection, a tree rebuild, a tree selection until the list has
// refilled, and the whole `vizud --screenshot` process.
#include <benchmark/benchmark.h>

#include <QtCore/QTimer>
#include <QtGui/QAction>
#include <QtGui/QMouseEvent>
#include <QtGui/QUndoStack>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

#include <chrono>
#include <memory>

#include "app/command_ids.h"
#include "app/edit_step.h"
#include "database/image_access.h"
#include "database/table_codes.h"
#include "tests/app/gui/gui_fixture.h"
#include "tests/support/process_runner.h"
#include "views/beside_pane.h"
#include "views/find_bar.h"
#include "views/left_view.h"
#include "views/program_list_view.h"

namespace vizud {
namespace {

struct FullWindow {
    test::GuiFixture gui;
    std::string path;

    explicit FullWindow(const test::ImageShape& shape = test::fullShape()) {
        path = gui.dir.file("full.si");
        const auto image = test::makeImage(1, shape);
        test::writeFile(path, image.get(), kImageSize);
        gui.start();
        gui.frame->show();
        gui.doc.commands().openDocument(path);
        test::GuiFixture::settle();
    }
    BrowseState& browse() { return gui.fx.state->browse; }
    CViz_ud_app_17View& list() { return *gui.frame->listView(); }
    CLeftView& tree() { return *gui.frame->leftView(); }
};

// The windows are made by the first benchmark that needs them and live until main ends them, before
// the QApplication goes (a window destroyed after it crashes in Qt).
struct Windows {
    std::unique_ptr<FullWindow> full;
    std::unique_ptr<FullWindow> tallTv;
};
Windows* g_windows = nullptr;

FullWindow& window() {
    if (!g_windows->full)
        g_windows->full = std::make_unique<FullWindow>();
    return *g_windows->full;
}

void fillWith(benchmark::State& st, std::uint8_t filter, std::uint32_t source) {
    FullWindow& full = window();
    const all_tables_block& img = full.gui.fx.image();
    BrowseState& browse = full.browse();
    browse.viewMode = kViewTvAndRadio | source;
    browse.filterKind = filter;
    browse.satelliteIndex = 5;
    browse.parentText = nameText(img.satellites[5].name);
    int tp = 0;
    while (tp + 1 < img.tpCount && img.transponders[tp].satId != img.satellites[5].satId)
        ++tp;
    browse.selectedText = filter == kFilterProvider ? nameText(img.providers[7].name)
                          : filter == kFilterSatellite
                              ? browse.parentText
                              : transponderNodeText(img.transponders[tp].frequency, img.transponders[tp].polarization);
    for (auto _ : st) {
        full.list().onUpdate();
        full.list().viewport()->repaint();
    }
    st.counters["rows"] = full.list().model()->rowCount();
    browse = BrowseState{};
}

void BM_ListFillWholeTable(benchmark::State& st) {
    fillWith(st, 0, kViewWholeTable);
}
void BM_ListFillProvider(benchmark::State& st) {
    fillWith(st, kFilterProvider, kViewWholeTable);
}
void BM_ListFillSatellite(benchmark::State& st) {
    fillWith(st, kFilterSatellite, kViewWholeTable);
}
void BM_ListFillTransponder(benchmark::State& st) {
    fillWith(st, kFilterTransponder, kViewWholeTable);
}
void BM_ListFillFavouriteList(benchmark::State& st) {
    fillWith(st, 0, 1u << (kViewFirstFavouriteBit + 4));
}
BENCHMARK(BM_ListFillWholeTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListFillProvider)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListFillSatellite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListFillTransponder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListFillFavouriteList)->Unit(benchmark::kMillisecond);

void BM_TreeRebuild(benchmark::State& st) {
    FullWindow& full = window();
    for (auto _ : st) {
        full.gui.fx.state->treeRebuildRequest = true;
        full.tree().onUpdate();
    }
    st.counters["satellites"] = full.tree().rootItem(kSatellitesRoot)->childCount();
}
BENCHMARK(BM_TreeRebuild)->Unit(benchmark::kMillisecond);

// Clicking one satellite after another: the tree writes the browse state, the list refills and repaints.
void BM_TreeSelectionUntilListRefilled(benchmark::State& st) {
    FullWindow& full = window();
    QTreeWidgetItem* satellites = full.tree().rootItem(kSatellitesRoot);
    int next = 0;
    for (auto _ : st) {
        full.tree().setCurrentItem(satellites->child(next++ % satellites->childCount()));
        full.list().viewport()->repaint();
    }
}
BENCHMARK(BM_TreeSelectionUntilListRefilled)->Unit(benchmark::kMillisecond);

// The list's editing commands on a whole block of rows (the engine, the refill and the reselection).
void reopen(FullWindow& full) {
    full.gui.doc.commands().openDocument(full.path);
    full.list().onUpdate();
}

void selectRows(FullWindow& full, int first, int last) {
    QAbstractItemModel* model = full.list().model();
    full.list().selectionModel()->select(QItemSelection(model->index(first, 0), model->index(last, 0)),
                                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

template <typename Command>
void editRows(benchmark::State& st, int rows, Command command) {
    FullWindow& full = window();
    for (auto _ : st) {
        st.PauseTiming();
        reopen(full);
        selectRows(full, 100, 100 + rows - 1);
        st.ResumeTiming();
        command(full.list());
    }
    reopen(full);  // the next benchmark starts from the file again
}

void BM_ListDelete10000(benchmark::State& st) {
    editRows(st, 10000, [](CViz_ud_app_17View& list) { list.deleteRows(); });
}
void BM_ListCut10000(benchmark::State& st) {
    editRows(st, 10000, [](CViz_ud_app_17View& list) { list.cutRows(); });
}
void BM_ListDeleteOne(benchmark::State& st) {
    editRows(st, 1, [](CViz_ud_app_17View& list) { list.deleteRows(); });
}
void BM_ListCutOne(benchmark::State& st) {
    editRows(st, 1, [](CViz_ud_app_17View& list) { list.cutRows(); });
}
BENCHMARK(BM_ListDelete10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListCut10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListDeleteOne)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListCutOne)->Unit(benchmark::kMillisecond);

// Pasting what a cut of `rows` TV rows took, before row 0.
void pasteCut(benchmark::State& st, int rows) {
    FullWindow& full = window();
    for (auto _ : st) {
        st.PauseTiming();
        reopen(full);
        selectRows(full, 100, 100 + rows - 1);
        full.list().cutRows();
        selectRows(full, 0, 0);
        st.ResumeTiming();
        full.list().pasteRows();
    }
    st.counters["programs"] = full.gui.fx.image().programCount;
    reopen(full);  // the next benchmark starts from the file again
}
void BM_ListPaste10000(benchmark::State& st) {
    pasteCut(st, 9900);
}
void BM_ListPasteOne(benchmark::State& st) {
    pasteCut(st, 1);
}
BENCHMARK(BM_ListPaste10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListPasteOne)->Unit(benchmark::kMillisecond);

// Edit > Add to favourite list: 400 selected programs of the whole table into an empty list (the engine,
// the list refreshed with its selection, the undo step).
void BM_ListAdd400ToEmptyList(benchmark::State& st) {
    FullWindow& full = window();
    for (auto _ : st) {
        st.PauseTiming();
        reopen(full);
        st_fav& list = full.gui.fx.image().favourites[8];
        list.favCount = list.favTvCount = 0;
        full.gui.doc.imageEdited("Empty list 9");
        selectRows(full, 100, 499);
        st.ResumeTiming();
        full.list().addSelectionToList(8);
    }
    st.counters["entries"] = full.gui.fx.image().favourites[8].favCount;
    reopen(full);  // the next benchmark starts from the file again
}
BENCHMARK(BM_ListAdd400ToEmptyList)->Unit(benchmark::kMillisecond);

// Edit > Lock on 20000 selected programs and one Ctrl+Down of 1000 selected rows, through their commands:
// the engine, the list repainted or refilled with the rows selected, the commands enabled again for the
// new selection, the undo step.
void commandOnRows(benchmark::State& st, int first, int rows, int command) {
    FullWindow& full = window();
    QAction* action = full.gui.frame->action(command);
    full.list().setFocus();
    for (auto _ : st) {
        st.PauseTiming();
        reopen(full);
        selectRows(full, first, first + rows - 1);
        test::GuiFixture::settle();  // the commands enabled for the selection
        const int steps = full.gui.doc.undoStack().count();
        st.ResumeTiming();
        action->trigger();
        test::GuiFixture::settle();
        if (full.gui.doc.undoStack().count() == steps)
            st.SkipWithError("the command made no step");
    }
    reopen(full);
}
void BM_ListLock20000(benchmark::State& st) {
    commandOnRows(st, 0, 20000, kCmdEditLock);
}
void BM_ListCtrlDown1000(benchmark::State& st) {
    commandOnRows(st, 100, 1000, kCmdMoveDown);
}
BENCHMARK(BM_ListLock20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListCtrlDown1000)->Unit(benchmark::kMillisecond);

// Tools > Duplicates... on a full database where 5000 TV programs came twice: from the click on Remove
// duplicates to the window shown again (the removal, the undo step, the tree and the list read again and
// painted; target < 50 ms). The counter: the time from the command to the dialog ready for the click.
void BM_RemoveDuplicates5000(benchmark::State& st) {
    using Clock = std::chrono::steady_clock;
    FullWindow& full = window();
    double opening = 0;
    for (auto _ : st) {
        reopen(full);
        all_tables_block& img = full.gui.fx.image();
        std::copy(img.programs, img.programs + 5000, img.programs + 5000);
        full.gui.doc.imageEdited("Rescan twice");
        const Clock::time_point command = Clock::now();
        Clock::time_point clicked;
        QTimer::singleShot(0, [&clicked] {
            clicked = Clock::now();
            QApplication::activeModalWidget()->findChild<QPushButton*>("removeDuplicates")->click();
        });
        full.gui.frame->action(kCmdToolsDuplicates)->trigger();
        full.list().viewport()->repaint();
        st.SetIterationTime(std::chrono::duration<double>(Clock::now() - clicked).count());
        opening += std::chrono::duration<double, std::milli>(clicked - command).count();
    }
    st.counters["programs"] = full.gui.fx.image().programCount;
    st.counters["dialog_ms"] = opening / static_cast<double>(st.iterations());
    reopen(full);
}
BENCHMARK(BM_RemoveDuplicates5000)->UseManualTime()->Unit(benchmark::kMillisecond);

// A left drag by mouse events, from the press on the first selected row to the release on row `onto`
// (the selection collected, the drop, the refill and the moved rows selected). The table has 15000 TV
// programs here so that a block of 10000 can cross its TV block.
FullWindow& tallTvWindow() {
    if (!g_windows->tallTv) {
        test::ImageShape shape = test::fullShape();
        shape.tv = 15000;
        g_windows->tallTv = std::make_unique<FullWindow>(shape);
    }
    return *g_windows->tallTv;
}

void mouseAt(CViz_ud_app_17View& list, QEvent::Type type, int row, Qt::MouseButton button, Qt::MouseButtons held) {
    const QPoint at =
        list.visualRect(list.model()->index(row, 1)).center() + QPoint(0, type == QEvent::MouseMove ? 1 : 0);
    QMouseEvent event(type, at, list.viewport()->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &event);
}

void dragRows(benchmark::State& st, int first, int rows, int onto) {
    FullWindow& full = tallTvWindow();
    CViz_ud_app_17View& list = full.list();
    for (auto _ : st) {
        st.PauseTiming();
        reopen(full);
        selectRows(full, first, first + rows - 1);
        list.scrollTo(list.model()->index(first, 0), QAbstractItemView::PositionAtTop);
        st.ResumeTiming();
        mouseAt(list, QEvent::MouseButtonPress, first, Qt::LeftButton, Qt::LeftButton);
        mouseAt(list, QEvent::MouseMove, first + 2, Qt::NoButton, Qt::LeftButton);
        list.scrollTo(list.model()->index(onto, 0), QAbstractItemView::PositionAtCenter);
        mouseAt(list, QEvent::MouseMove, onto, Qt::NoButton, Qt::LeftButton);
        mouseAt(list, QEvent::MouseButtonRelease, onto, Qt::LeftButton, Qt::NoButton);
        if (list.selectedRowsAscending().size() != static_cast<std::size_t>(rows))
            st.SkipWithError("the drop did not select the moved rows");
    }
    st.counters["moved"] = static_cast<double>(list.selectedRowsAscending().front());
    reopen(full);
}
void BM_ListDrag10000ToTheEndOfTheTvBlock(benchmark::State& st) {
    dragRows(st, 100, 10000, 15000);
}
void BM_ListDragOne(benchmark::State& st) {
    dragRows(st, 100, 1, 9000);
}
BENCHMARK(BM_ListDrag10000ToTheEndOfTheTvBlock)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListDragOne)->Unit(benchmark::kMillisecond);

// The favourite list beside the whole table: opening it on a full 400-entry list (the rows read, the
// pane laid out and painted; and until the whole window has repainted), and a drop of 100 whole-table
// rows into an emptied list by mouse events (the insert, both lists refreshed, the undo step).
BesidePane& besidePane(FullWindow& full) {
    QAction* toggle = full.gui.frame->action(kCmdViewBesideList);
    if (!toggle->isChecked())
        toggle->trigger();
    test::GuiFixture::settle();  // laid out, so that a drop finds its rows
    return *full.gui.frame->besidePane();
}

void besideOpen(benchmark::State& st, bool wholeWindow) {
    FullWindow& full = window();
    QAction* toggle = full.gui.frame->action(kCmdViewBesideList);
    BesidePane& pane = besidePane(full);
    pane.setList(4);
    for (auto _ : st) {
        st.PauseTiming();
        toggle->trigger();  // closed
        test::GuiFixture::settle();
        st.ResumeTiming();
        toggle->trigger();
        // The pane laid out and painted; the rest of the window repaints at its new widths afterwards,
        // as for any move of a splitter (BM_BesidePaneOpenWholeWindow).
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        pane.repaint();
        if (wholeWindow)
            test::GuiFixture::settle();
    }
    st.counters["rows"] = pane.view().model()->rowCount();
    toggle->trigger();
}
void BM_BesidePaneOpenFullList(benchmark::State& st) {
    besideOpen(st, false);
}
void BM_BesidePaneOpenWholeWindow(benchmark::State& st) {
    besideOpen(st, true);
}
BENCHMARK(BM_BesidePaneOpenFullList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BesidePaneOpenWholeWindow)->Unit(benchmark::kMillisecond);

void BM_BesideDrop100Rows(benchmark::State& st) {
    FullWindow& full = window();
    CViz_ud_app_17View& list = full.list();
    BesidePane& pane = besidePane(full);
    pane.setList(8);
    CViz_ud_app_17View& beside = pane.view();
    for (auto _ : st) {
        st.PauseTiming();
        reopen(full);
        st_fav& emptied = full.gui.fx.image().favourites[8];
        emptied.favCount = 0;
        emptied.favTvCount = 0;
        pane.onUpdate();
        selectRows(full, 100, 199);
        list.scrollTo(list.model()->index(100, 0), QAbstractItemView::PositionAtTop);
        st.ResumeTiming();
        mouseAt(list, QEvent::MouseButtonPress, 100, Qt::LeftButton, Qt::LeftButton);
        mouseAt(list, QEvent::MouseMove, 102, Qt::NoButton, Qt::LeftButton);
        const QPoint global = beside.viewport()->mapToGlobal(QPoint(20, 5));
        const QPoint at = list.viewport()->mapFromGlobal(global);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &release);
        if (beside.model()->rowCount() != 100) {
            st.SkipWithError("the drop did not add the 100 rows");
            break;
        }
    }
    st.counters["entries"] = beside.model()->rowCount();
    reopen(full);
}
BENCHMARK(BM_BesideDrop100Rows)->Unit(benchmark::kMillisecond);

// The edit history on a full database: recording the step of a one-row delete in the middle of the
// table (the CRC refresh included), undoing it with the tree and list refreshed, and what 100 such steps
// hold in memory.
void BM_HistoryRecordOneDelete(benchmark::State& st) {
    FullWindow& full = window();
    CViz_ud_app_17View& list = full.list();
    reopen(full);
    for (auto _ : st) {
        st.PauseTiming();
        RecordView view;
        full.gui.fx.db.modifyRecord(kTablePrograms, kOpDelete, 9000, view);
        st.ResumeTiming();
        full.gui.doc.imageEdited("Delete 1 program");
    }
    st.counters["steps"] = full.gui.doc.undoStack().count();
    (void)list;
    reopen(full);
}
BENCHMARK(BM_HistoryRecordOneDelete)->Unit(benchmark::kMillisecond);

void BM_HistoryUndoWithViews(benchmark::State& st) {
    FullWindow& full = window();
    reopen(full);
    selectRows(full, 9000, 9000);
    full.list().deleteRows();
    QUndoStack& history = full.gui.doc.undoStack();
    for (auto _ : st) {
        history.undo();
        full.list().viewport()->repaint();
        st.PauseTiming();
        history.redo();
        st.ResumeTiming();
    }
    reopen(full);
}
BENCHMARK(BM_HistoryUndoWithViews)->Unit(benchmark::kMillisecond);

// Undo and redo of a 10000-row cut over the clipboard of another: each gives one clipboard list back and
// keeps the other.
void BM_HistoryUndoRedoCut10000(benchmark::State& st) {
    FullWindow& full = window();
    reopen(full);
    selectRows(full, 100, 10099);
    full.list().cutRows();
    selectRows(full, 0, 9999);
    full.list().cutRows();
    QUndoStack& history = full.gui.doc.undoStack();
    for (auto _ : st) {
        history.undo();
        history.redo();
    }
    st.counters["clipboard"] = countSnapshots(full.gui.fx.state->programClipboard);
    reopen(full);
}
BENCHMARK(BM_HistoryUndoRedoCut10000)->Unit(benchmark::kMillisecond);

void BM_HistoryHundredStepsMemory(benchmark::State& st) {
    FullWindow& full = window();
    std::size_t bytes = 0;
    for (auto _ : st) {
        st.PauseTiming();
        reopen(full);
        st.ResumeTiming();
        for (int step = 0; step < 100; ++step) {
            selectRows(full, (step * 7919) % 19000, (step * 7919) % 19000 + 4);
            full.list().deleteRows();
        }
        st.PauseTiming();
        const QUndoStack& history = full.gui.doc.undoStack();
        bytes = 0;
        for (int i = 0; i < history.count(); ++i)
            bytes += static_cast<const EditStep*>(history.command(i))->delta().bytes();
        st.ResumeTiming();
    }
    st.counters["MB"] = static_cast<double>(bytes) / 1e6;
    st.counters["steps"] = full.gui.doc.undoStack().count();
    reopen(full);
}
BENCHMARK(BM_HistoryHundredStepsMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

// A one-row cut over the clipboard of a 10000-row cut: the step keeps the list it replaced (for undo).
// Timed: the cut; MB: what its step holds.
void BM_HistoryCutOverACut10000(benchmark::State& st) {
    FullWindow& full = window();
    const QUndoStack& history = full.gui.doc.undoStack();
    std::size_t bytes = 0;
    for (auto _ : st) {
        st.PauseTiming();
        reopen(full);
        selectRows(full, 100, 10099);
        full.list().cutRows();
        selectRows(full, 0, 0);
        st.ResumeTiming();
        full.list().cutRows();
        st.PauseTiming();
        bytes = static_cast<const EditStep*>(history.command(history.count() - 1))->delta().bytes();
        st.ResumeTiming();
    }
    st.counters["MB"] = static_cast<double>(bytes) / 1e6;
    reopen(full);
}
BENCHMARK(BM_HistoryCutOverACut10000)->Unit(benchmark::kMillisecond);

// One keystroke in the find bar on the 20000 rows of the whole table: the matches found and marked, the
// first selected and the list repainted.
void BM_FindKeystroke(benchmark::State& st) {
    FullWindow& full = window();
    reopen(full);
    FindBar& bar = *full.gui.frame->findBar();
    bar.open();
    int round = 0;
    for (auto _ : st) {
        bar.textField()->setText(round++ % 2 == 0 ? "tv 1" : "tv 12");
        full.list().viewport()->repaint();
    }
    st.counters["matches"] = bar.matchCount();
    bar.close();
}
BENCHMARK(BM_FindKeystroke)->Unit(benchmark::kMillisecond);

void BM_ScreenshotProcess(benchmark::State& st) {
    FullWindow& full = window();
    for (auto _ : st) {
        const test::ProcessResult result = test::runProcess(
            {VIZUD_EDITOR, "--screenshot", full.gui.dir.file("shot.png"), full.path}, full.gui.dir.path());
        if (result.exitCode != 0) {
            st.SkipWithError(result.err.c_str());
            break;
        }
    }
}
BENCHMARK(BM_ScreenshotProcess)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace vizud

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Q_INIT_RESOURCE(vizud);
    QApplication app(argc, argv);
    vizud::Windows windows;  // destroyed before the QApplication
    vizud::g_windows = &windows;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
