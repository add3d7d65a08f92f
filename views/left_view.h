// CLeftView: the tree pane of the main window. The nine favourite lists, the providers, and the
// satellites with their transponders; selecting a node chooses what the program list shows; the tree
// renames providers, satellites and lists in place, adds, edits and deletes satellites and
// transponders through their dialogs. The rules are in tree_rules.h.
#pragma once

#include <QtWidgets/QTreeWidget>

#include "views/list_drag_handler.h"
#include "views/tree_rules.h"

class QMenu;

namespace vizud {

class CViz_ud_app_17Doc;

class CLeftView : public QTreeWidget, public FavouriteDropTarget {
    Q_OBJECT

public:
    explicit CLeftView(CViz_ud_app_17Doc& doc, QWidget* parent = nullptr);

    // The document changed the image: rebuild or extend the tree when it asked for it.
    void onUpdate();
    int updateCount() const { return m_updates; }

    // The tree's transponder commands on a transponder or placeholder node.
    void addTransponder(QTreeWidgetItem* node);
    void editTransponder(QTreeWidgetItem* node);
    void deleteTransponder(QTreeWidgetItem* node);
    void editSatellite(QTreeWidgetItem* node);
    // "Add satellite...": a predefined or blank satellite through the satellite dialog, appended.
    void addSatellite();
    // "Delete satellite...": after the question with what goes with it.
    void deleteSatellite(QTreeWidgetItem* node);
    // The rename rule for a node and the text typed for it.
    void renameItem(QTreeWidgetItem* node, const QString& text);
    // Transponders changed elsewhere (the list's dialogs): every satellite's nodes are read again; a
    // selected transponder node gives way to its satellite.
    void refreshTransponderNodes();
    // After an undo or redo: the tree is read again and the node that was selected (the same node, else the
    // same place in the tree) is selected again, so the list keeps showing the same view; the nodes that
    // are still there keep their expansion and the pane its scroll position.
    void rebuildKeepingSelection();

    QTreeWidgetItem* rootItem(const char* root) const;
    QTreeWidgetItem* itemAtIndex(const QModelIndex& index) const { return itemFromIndex(index); }
    // A node's text as the image holds it (a name node shows it without its character-table byte).
    std::string nodeBytes(const QTreeWidgetItem* node) const;

    // A drag of the program list's rows over the tree: the list under a screen point, the node marked.
    int favouriteListAt(QPoint global) const override;
    void markDropList(int list) override;

signals:
    // The browse state changed: the list must show the new selection.
    void browseChanged();
    // An edit here changed the image; `programs` when the list's rows may have changed too.
    void imageEdited(bool programs);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // What a rebuild keeps of the tree's look: the nodes expanded, the node selected and the nodes shown
    // from the top of the pane down with their heights in it.
    struct ViewMemo {
        std::vector<NodePath> expanded;
        NodePath current;
        std::vector<std::pair<NodePath, int>> shown;
    };

    void createRoots();
    void rebuild();
    // Rebuilds, then gives the nodes still there their look from before; the selection goes back to its
    // node (`selectionByPlace`: or to its place) or stays on the "Satellites" root.
    void rebuildKeepingView(bool selectionByPlace);
    ViewMemo viewMemo() const;
    void restoreView(const ViewMemo& memo, bool selectionByPlace);
    std::vector<std::string> childTexts(const QTreeWidgetItem* parent) const;
    NodePath pathOf(const QTreeWidgetItem* node) const;
    QTreeWidgetItem* findPath(const NodePath& path, bool orPlace) const;
    void appendNewestProvider();
    void onCurrentChanged(QTreeWidgetItem* current);
    void onContextMenu(const QPoint& pos);
    void refillTransponders(QTreeWidgetItem* satellite);
    void applySelection(QTreeWidgetItem* node);
    TreeNodeKind kindOf(const QTreeWidgetItem* node) const;
    int recordOf(const QTreeWidgetItem* node) const;
    std::string bytes(const QTreeWidgetItem* node) const;
    QString tipFor(QTreeWidgetItem* node) const;

    CViz_ud_app_17Doc& m_doc;
    QMenu* m_transponderMenu = nullptr;
    QMenu* m_satellitesMenu = nullptr;  // on the "Satellites" root
    QMenu* m_satelliteMenu = nullptr;   // on a satellite node
    QTreeWidgetItem* m_clicked = nullptr;
    QTreeWidgetItem* m_dropMarked = nullptr;  // the list node a drag would drop on
    int m_updates = 0;
};

}  // namespace vizud
