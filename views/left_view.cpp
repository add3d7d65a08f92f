#include "views/left_view.h"

#include <QtCore/QMetaProperty>
#include <QtCore/QSignalBlocker>
#include <QtGui/QHelpEvent>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QInputDialog>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QStyledItemDelegate>
#include <QtWidgets/QToolTip>
#include <QtWidgets/QTreeWidgetItemIterator>

#include "app/editor_document.h"
#include "app/translated_texts.h"
#include "database/image_access.h"
#include "dialogs/dialog_openers.h"
#include "dialogs/field_rules.h"
#include "dialogs/latin1_text.h"
#include "dialogs/predefined_satellites.h"
#include "dialogs/satellite_dialog_model.h"
#include "dialogs/transponder_fields.h"

namespace vizud {
namespace {

// The table index of a node's own record (satellite, provider, favourite list).
constexpr int kRecordRole = Qt::UserRole + 1;

// A name node's text as the image holds it; the node shows it without a leading character-table byte.
constexpr int kNameBytesRole = Qt::UserRole + 2;

QString shown(const std::string& latin1) {
    return QString::fromLatin1(latin1);
}

void setName(QTreeWidgetItem* node, const std::string& bytes) {
    node->setText(0, shown(showName(bytes).text));
    node->setData(0, kNameBytesRole, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

// Hands a typed label to the rename rule instead of writing it into the node: a label changes only when
// the rename rule has stored it.
class RenameDelegate : public QStyledItemDelegate {
public:
    explicit RenameDelegate(CLeftView& tree) : QStyledItemDelegate(&tree), m_tree(tree) {}

    // The editor takes no more characters than the name field stores.
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        const QTreeWidgetItem* node = m_tree.itemAtIndex(index);
        if (auto* line = qobject_cast<QLineEdit*>(editor); line != nullptr && node != nullptr)
            line->setMaxLength(typedNameLimit(m_tree.nodeBytes(node)));
        return editor;
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
        const QByteArray property = editor->metaObject()->userProperty().name();
        const QString text = editor->property(property.constData()).toString();
        m_tree.renameItem(m_tree.itemAtIndex(index), text);
    }

private:
    CLeftView& m_tree;
};

// The tree builder fillTree writes into: each node a widget item, each record's table index kept on its
// node (a satellite's, provider's and list's index is its place among its siblings).
class WidgetTreeBuilder : public TreeBuilder {
public:
    explicit WidgetTreeBuilder(CLeftView& tree) : m_tree(tree) {}

    Node root(Root which) override {
        const char* names[] = {kFavsRoot, kProvidersRoot, kSatellitesRoot};
        return reinterpret_cast<Node>(m_tree.rootItem(names[static_cast<int>(which)]));
    }
    Node appendChild(Node parent, const std::string& text) override {
        auto* parentItem = reinterpret_cast<QTreeWidgetItem*>(parent);
        auto* item = new QTreeWidgetItem;
        setName(item, text);
        item->setData(0, kRecordRole, parentItem->childCount());
        parentItem->addChild(item);
        return reinterpret_cast<Node>(item);
    }
    Node lastChild(Node parent) override {
        auto* parentItem = reinterpret_cast<QTreeWidgetItem*>(parent);
        const int count = parentItem->childCount();
        return count == 0 ? kNoNode : reinterpret_cast<Node>(parentItem->child(count - 1));
    }
    std::string text(Node node) override { return m_tree.nodeBytes(reinterpret_cast<QTreeWidgetItem*>(node)); }

private:
    CLeftView& m_tree;
};

}  // namespace

CLeftView::CLeftView(CViz_ud_app_17Doc& doc, QWidget* parent) : QTreeWidget(parent), m_doc(doc) {
    setObjectName("leftView");
    header()->hide();
    setColumnCount(1);
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setItemDelegate(new RenameDelegate(*this));
    setContextMenuPolicy(Qt::CustomContextMenu);
    resize(100, 100);

    m_transponderMenu = new QMenu(this);
    m_transponderMenu->setObjectName("transponderMenu");
    QAction* add = m_transponderMenu->addAction(tr("Add"));
    QAction* editAction = m_transponderMenu->addAction(tr("Edit"));
    QAction* remove = m_transponderMenu->addAction(tr("Delete"));
    add->setObjectName("transponderAdd");
    editAction->setObjectName("transponderEdit");
    remove->setObjectName("transponderDelete");
    connect(add, &QAction::triggered, this, [this] { addTransponder(m_clicked); });
    connect(editAction, &QAction::triggered, this, [this] { editTransponder(m_clicked); });
    connect(remove, &QAction::triggered, this, [this] { deleteTransponder(m_clicked); });

    m_satellitesMenu = new QMenu(this);
    m_satellitesMenu->setObjectName("satellitesMenu");
    QAction* addSat = m_satellitesMenu->addAction(tr("Add satellite..."));
    addSat->setObjectName("satelliteAdd");
    connect(addSat, &QAction::triggered, this, &CLeftView::addSatellite);
    m_satelliteMenu = new QMenu(this);
    m_satelliteMenu->setObjectName("satelliteMenu");
    QAction* editSat = m_satelliteMenu->addAction(tr("Edit satellite..."));
    QAction* deleteSat = m_satelliteMenu->addAction(tr("Delete satellite..."));
    editSat->setObjectName("satelliteEdit");
    deleteSat->setObjectName("satelliteDelete");
    m_satelliteMenu->setDefaultAction(editSat);
    connect(editSat, &QAction::triggered, this, [this] { editSatellite(m_clicked); });
    connect(deleteSat, &QAction::triggered, this, [this] { deleteSatellite(m_clicked); });

    connect(this, &QTreeWidget::currentItemChanged, this, &CLeftView::onCurrentChanged);
    connect(this, &QWidget::customContextMenuRequested, this, &CLeftView::onContextMenu);
    createRoots();
}

QTreeWidgetItem* CLeftView::rootItem(const char* root) const {
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (topLevelItem(i)->data(0, kNameBytesRole).toByteArray() == root)
            return topLevelItem(i);
    }
    return nullptr;
}

void CLeftView::createRoots() {
    const QSignalBlocker blocker(this);
    clear();
    m_dropMarked = nullptr;
    for (const char* root : {kFavsRoot, kProvidersRoot, kSatellitesRoot}) {
        // A root shows its name in the interface's language; lookups keep the name the image knows it by.
        auto* item = new QTreeWidgetItem(QStringList{translated(root)});
        item->setData(0, kNameBytesRole, QByteArray(root));
        addTopLevelItem(item);
    }
}

void CLeftView::onUpdate() {
    ++m_updates;
    EditorState& state = m_doc.database().state();
    if (state.treeRebuildRequest)
        rebuild();
    if (state.treeRefreshRequest)
        appendNewestProvider();
}

void CLeftView::rebuild() {
    EditorState& state = m_doc.database().state();
    {
        const QSignalBlocker blocker(this);
        createRoots();
        WidgetTreeBuilder builder(*this);
        m_doc.database().fillTree(builder);
        // Lists, providers and satellites are renamed in place; transponders are not.
        for (const char* root : {kFavsRoot, kProvidersRoot, kSatellitesRoot}) {
            QTreeWidgetItem* parent = rootItem(root);
            for (int i = 0; i < parent->childCount(); ++i)
                parent->child(i)->setFlags(parent->child(i)->flags() | Qt::ItemIsEditable);
        }
        setCurrentItem(rootItem(kSatellitesRoot));
        rootItem(kSatellitesRoot)->setExpanded(true);  // the satellites are what a user looks for first
    }
    m_clicked = nullptr;
    // The list refills from the same update that asked for the rebuild.
    applySelection(currentItem());
    state.treeRebuildRequest = false;
}

void CLeftView::rebuildKeepingSelection() {
    rebuildKeepingView(true);
}

void CLeftView::rebuildKeepingView(bool selectionByPlace) {
    const ViewMemo memo = viewMemo();
    rebuild();
    restoreView(memo, selectionByPlace);
}

std::vector<std::string> CLeftView::childTexts(const QTreeWidgetItem* parent) const {
    const int count = parent != nullptr ? parent->childCount() : topLevelItemCount();
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        texts.push_back(bytes(parent != nullptr ? parent->child(i) : topLevelItem(i)));
    return texts;
}

NodePath CLeftView::pathOf(const QTreeWidgetItem* node) const {
    NodePath path;
    for (; node != nullptr; node = node->parent()) {
        const QTreeWidgetItem* parent = node->parent();
        const int index = parent != nullptr ? parent->indexOfChild(const_cast<QTreeWidgetItem*>(node))
                                            : indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(node));
        path.insert(path.begin(), nodeStep(childTexts(parent), index));
    }
    return path;
}

QTreeWidgetItem* CLeftView::findPath(const NodePath& path, bool orPlace) const {
    QTreeWidgetItem* node = nullptr;
    for (const NodeStep& step : path) {
        const int at = findNodeStep(childTexts(node), step, orPlace);
        if (at < 0)
            return nullptr;
        node = node != nullptr ? node->child(at) : topLevelItem(at);
    }
    return node;
}

CLeftView::ViewMemo CLeftView::viewMemo() const {
    ViewMemo memo;
    memo.current = pathOf(currentItem());
    for (QTreeWidgetItemIterator it(const_cast<CLeftView*>(this)); *it != nullptr; ++it) {
        if ((*it)->isExpanded())
            memo.expanded.push_back(pathOf(*it));
    }
    const int height = viewport()->height();
    for (QTreeWidgetItem* node = itemAt(1, 1); node != nullptr; node = itemBelow(node)) {
        const int top = visualItemRect(node).top();
        if (top >= height)
            break;
        memo.shown.emplace_back(pathOf(node), top);
    }
    return memo;
}

void CLeftView::restoreView(const ViewMemo& memo, bool selectionByPlace) {
    for (QTreeWidgetItemIterator it(this); *it != nullptr; ++it)
        (*it)->setExpanded(false);
    for (const NodePath& path : memo.expanded) {
        if (QTreeWidgetItem* node = findPath(path, false))
            node->setExpanded(true);
    }
    QTreeWidgetItem* node = findPath(memo.current, selectionByPlace);
    if (node != nullptr && node != currentItem()) {
        for (QTreeWidgetItem* up = node->parent(); up != nullptr; up = up->parent())
            up->setExpanded(true);
        {
            const QSignalBlocker blocker(this);
            setCurrentItem(node);
        }
        applySelection(node);
    }
    // The first node that was in sight and still is stands where it stood.
    doItemsLayout();
    for (const auto& [path, top] : memo.shown) {
        QTreeWidgetItem* shown = findPath(path, false);
        if (shown == nullptr || visualItemRect(shown).isEmpty())
            continue;
        scrollToItem(shown, QAbstractItemView::PositionAtTop);
        const int rowHeight = std::max(visualItemRect(shown).height(), 1);
        const int offset = top - visualItemRect(shown).top();
        QScrollBar* bar = verticalScrollBar();
        bar->setValue(bar->value() - (verticalScrollMode() == ScrollPerItem ? offset / rowHeight : offset));
        break;
    }
}

void CLeftView::appendNewestProvider() {
    WidgetTreeBuilder builder(*this);
    m_doc.database().appendNewestProviderNode(builder);
    QTreeWidgetItem* providers = rootItem(kProvidersRoot);
    if (providers->childCount() > 0) {
        QTreeWidgetItem* last = providers->child(providers->childCount() - 1);
        last->setFlags(last->flags() | Qt::ItemIsEditable);
    }
    m_doc.database().state().treeRefreshRequest = false;
}

TreeNodeKind CLeftView::kindOf(const QTreeWidgetItem* node) const {
    if (node == nullptr)
        return TreeNodeKind::Other;
    const QTreeWidgetItem* parent = node->parent();
    const QTreeWidgetItem* grandparent = parent != nullptr ? parent->parent() : nullptr;
    return classifyNode(bytes(node), parent != nullptr ? bytes(parent) : std::string(),
                        grandparent != nullptr ? bytes(grandparent) : std::string());
}

int CLeftView::recordOf(const QTreeWidgetItem* node) const {
    if (node == nullptr)
        return -1;
    const TreeNodeKind kind = kindOf(node);
    // A transponder node's record is found through its satellite.
    if (kind == TreeNodeKind::Transponder || kind == TreeNodeKind::Placeholder)
        node = node->parent();
    const QVariant index = node->data(0, kRecordRole);
    return index.isValid() ? index.toInt() : -1;
}

int CLeftView::favouriteListAt(QPoint global) const {
    if (!viewport()->rect().contains(viewport()->mapFromGlobal(global)))
        return -1;
    const QTreeWidgetItem* node = itemAt(viewport()->mapFromGlobal(global));
    return kindOf(node) == TreeNodeKind::FavouriteList ? recordOf(node) : -1;
}

void CLeftView::markDropList(int list) {
    if (m_dropMarked != nullptr) {
        m_dropMarked->setData(0, Qt::BackgroundRole, QVariant());
        m_dropMarked->setData(0, Qt::ForegroundRole, QVariant());
        m_dropMarked = nullptr;
    }
    QTreeWidgetItem* favs = rootItem(kFavsRoot);
    if (favs == nullptr || list < 0 || list >= favs->childCount())
        return;
    m_dropMarked = favs->child(list);
    m_dropMarked->setBackground(0, palette().brush(QPalette::Highlight));
    m_dropMarked->setForeground(0, palette().brush(QPalette::HighlightedText));
}

std::string CLeftView::bytes(const QTreeWidgetItem* node) const {
    return nodeBytes(node);
}

std::string CLeftView::nodeBytes(const QTreeWidgetItem* node) const {
    const QVariant name = node->data(0, kNameBytesRole);
    return name.isValid() ? name.toByteArray().toStdString() : node->text(0).toLatin1().toStdString();
}

void CLeftView::applySelection(QTreeWidgetItem* node) {
    if (node == nullptr)
        return;
    const QTreeWidgetItem* parent = node->parent();
    selectNode(m_doc.database().state().browse, kindOf(node), bytes(node),
               parent != nullptr ? bytes(parent) : std::string(), recordOf(node));
}

void CLeftView::onCurrentChanged(QTreeWidgetItem* current) {
    if (current == nullptr)
        return;
    applySelection(current);
    emit browseChanged();
}

bool CLeftView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    QTreeWidgetItem* node = itemFromIndex(index);
    if (node != nullptr && kindOf(node) == TreeNodeKind::Root) {
        // Asked to rename a root (F2): say why not. A second click on it is no such request.
        if (trigger == QAbstractItemView::EditKeyPressed)
            m_doc.messages().show("You cannot change name of this tree element.", MessageIcon::None);
        return false;
    }
    return QTreeWidget::edit(index, trigger, event);
}

void CLeftView::renameItem(QTreeWidgetItem* node, const QString& text) {
    if (node == nullptr)
        return;
    std::string offending;
    const std::optional<std::string> name = utf8ToLatin1(text.toStdString(), &offending);
    if (!name) {
        m_doc.messages().show(unstorableCharacterText("Name", offending), MessageIcon::Exclamation);
        return;
    }
    // The name keeps its character-table byte, as the program dialog keeps a program's.
    const std::uint8_t tableByte = showName(nodeBytes(node)).leadByte;
    const std::string typed = tableByte != 0 && !name->empty() ? static_cast<char>(tableByte) + *name : *name;
    std::string stored;
    if (!renameNode(m_doc.database(), m_doc.messages(), kindOf(node), recordOf(node), typed, stored)) {
        return;
    }
    setName(node, stored);
    m_doc.database().state().browse.selectedText = stored;
    const TreeNodeKind kind = kindOf(node);
    m_doc.imageEdited(kind == TreeNodeKind::Provider    ? tr("Rename provider")
                      : kind == TreeNodeKind::Satellite ? tr("Rename satellite")
                                                        : tr("Rename favourite list"));
    emit imageEdited(true);
}

void CLeftView::onContextMenu(const QPoint& pos) {
    QTreeWidgetItem* node = itemAt(pos);
    QPoint at = pos;
    if (node == nullptr) {
        // From the keyboard: the selected node's place.
        node = currentItem();
        if (node == nullptr)
            return;
        at = visualItemRect(node).bottomLeft();
    }
    setCurrentItem(node);
    m_clicked = node;
    const TreeNodeKind kind = kindOf(node);
    if (kind == TreeNodeKind::Satellite) {
        m_satelliteMenu->popup(viewport()->mapToGlobal(at));
        return;
    }
    if (kind == TreeNodeKind::Root && bytes(node) == kSatellitesRoot) {
        m_satellitesMenu->popup(viewport()->mapToGlobal(at));
        return;
    }
    if (kind != TreeNodeKind::Transponder && kind != TreeNodeKind::Placeholder)
        return;
    if ((m_doc.database().state().browse.viewMode & kViewWholeTable) == 0)
        return;
    const bool real = kind == TreeNodeKind::Transponder;
    for (QAction* action : m_transponderMenu->actions()) {
        if (action->objectName() != "transponderAdd")
            action->setEnabled(real);
    }
    m_transponderMenu->popup(viewport()->mapToGlobal(at));
}

void CLeftView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidgetItem* node = itemAt(event->position().toPoint());
    if (node != nullptr && kindOf(node) == TreeNodeKind::Satellite)
        editSatellite(node);
    QTreeWidget::mouseDoubleClickEvent(event);
}

void CLeftView::editSatellite(QTreeWidgetItem* node) {
    if (node == nullptr || kindOf(node) != TreeNodeKind::Satellite)
        return;
    ChannelDatabase& db = m_doc.database();
    if (openSatelliteDialogAt(this, db, m_doc.messages(), recordOf(node)) != DialogResult::Ok)
        return;
    setName(node, db.state().editedSatName);
    m_doc.imageEdited(tr("Edit satellite"));
    emit imageEdited(true);
}

void CLeftView::addSatellite() {
    ChannelDatabase& db = m_doc.database();
    if (satelliteCount(db.image()) >= kMaxSatellites) {
        m_doc.messages().show(satelliteTableFullText(), MessageIcon::Exclamation);
        return;
    }
    QStringList choices{tr("Blank satellite")};
    for (int row = 0; row < kPredefinedSatelliteCount; ++row)
        choices << QString::fromStdString(predefinedSatelliteLabel(row));
    bool chosen = false;
    const QString choice =
        QInputDialog::getItem(this, tr("Add satellite"), tr("Start from:"), choices, 0, false, &chosen);
    if (!chosen)
        return;
    const int row = static_cast<int>(choices.indexOf(choice)) - 1;
    if (openNewSatelliteDialog(this, db, m_doc.messages(), SatelliteDialogModel::startingRecord(row)) !=
        DialogResult::Ok)
        return;
    rebuildKeepingView(false);
    QTreeWidgetItem* satellites = rootItem(kSatellitesRoot);
    if (satellites->childCount() > 0)
        setCurrentItem(satellites->child(satellites->childCount() - 1));
    m_doc.imageEdited(tr("Add satellite"));
    emit imageEdited(true);
}

void CLeftView::deleteSatellite(QTreeWidgetItem* node) {
    if (node == nullptr || kindOf(node) != TreeNodeKind::Satellite)
        return;
    ChannelDatabase& db = m_doc.database();
    const int index = recordOf(node);
    if (index < 0 || index >= satelliteCount(db.image()))
        return;
    const QString name = shown(latin1ToUtf8(showName(nameText(db.image().satellites[index].name)).text));
    const ChannelDatabase::SatelliteContents contents = db.satelliteContents(index);
    if (contents.neededByClipboard) {
        m_doc.messages().show(
            tr("Satellite %1 is still used by a program in the clipboard.\nPaste it first.").arg(name).toStdString(),
            MessageIcon::Exclamation);
        return;
    }
    const QString question =
        tr("Delete satellite %1?\n\nIts %2 transponders and %3 programs are deleted with it; the favourite lists "
           "lose those programs.")
            .arg(name)
            .arg(contents.transponders)
            .arg(contents.programs);
    if (m_doc.messages().ask(question.toStdString(), MessageButtons::YesNo, MessageIcon::Question) !=
        MessageAnswer::Yes)
        return;
    if (db.deleteSatellite(index) != 0)
        return;
    rebuildKeepingView(false);
    m_doc.imageEdited(tr("Delete satellite"));
    emit imageEdited(true);
}

void CLeftView::refillTransponders(QTreeWidgetItem* satellite) {
    const ChannelDatabase& db = m_doc.database();
    const all_tables_block& img = db.image();
    const int satIndex = recordOf(satellite);
    qDeleteAll(satellite->takeChildren());
    if (satIndex < 0 || satIndex >= satelliteCount(img))
        return;
    const int satId = img.satellites[satIndex].satId;
    for (int t = 0; t < transponderCount(img); ++t) {
        const st_ts& tp = img.transponders[t];
        if (tp.satId == satId)
            satellite->addChild(
                new QTreeWidgetItem(QStringList{shown(transponderNodeText(tp.frequency, tp.polarization))}));
    }
    if (satellite->childCount() == 0)
        satellite->addChild(new QTreeWidgetItem(QStringList{QString::fromLatin1(kPlaceholderNode)}));
}

void CLeftView::refreshTransponderNodes() {
    QTreeWidgetItem* current = currentItem();
    const TreeNodeKind kind = kindOf(current);
    QTreeWidgetItem* keep =
        kind == TreeNodeKind::Transponder || kind == TreeNodeKind::Placeholder ? current->parent() : current;
    {
        const QSignalBlocker blocker(this);
        QTreeWidgetItem* satellites = rootItem(kSatellitesRoot);
        for (int s = 0; s < satellites->childCount(); ++s)
            refillTransponders(satellites->child(s));
        setCurrentItem(keep);
    }
    m_clicked = nullptr;
    applySelection(keep);
}

void CLeftView::addTransponder(QTreeWidgetItem* node) {
    if (node == nullptr || node->parent() == nullptr)
        return;
    ChannelDatabase& db = m_doc.database();
    QTreeWidgetItem* satellite = node->parent();
    const int satIndex = recordOf(node);
    if (satIndex < 0 || satIndex >= satelliteCount(db.image()))
        return;
    int polarisation = 0;
    openTransponderTreeDialog(this, db, m_doc.messages(), db.image().satellites[satIndex].satId, kTransponderAdd,
                              &polarisation);
    const int frequency = db.state().currentTpFrequency;
    if (frequency < 0)
        return;
    auto* added = new QTreeWidgetItem(QStringList{shown(transponderNodeText(frequency, polarisation))});
    if (kindOf(node) == TreeNodeKind::Placeholder) {
        delete node;
        satellite->insertChild(0, added);
    } else {
        std::vector<std::string> children;
        for (int i = 0; i < satellite->childCount(); ++i)
            children.push_back(bytes(satellite->child(i)));
        satellite->insertChild(transponderNodePlace(children, frequency), added);
    }
    m_clicked = nullptr;
    m_doc.imageEdited(tr("Add transponder"));
    emit imageEdited(false);
}

void CLeftView::editTransponder(QTreeWidgetItem* node) {
    if (node == nullptr || kindOf(node) != TreeNodeKind::Transponder)
        return;
    ChannelDatabase& db = m_doc.database();
    const int tpIndex = findNodeTransponder(db, recordOf(node), bytes(node));
    int polarisation = 0;
    openTransponderTreeDialog(this, db, m_doc.messages(), tpIndex, kTransponderEdit, &polarisation);
    const int frequency = db.state().currentTpFrequency;
    if (frequency < 0)
        return;
    const std::string text = transponderNodeText(frequency, polarisation);
    // The node's stored bytes name its transponder for later commands (a delete, a second edit): they
    // change with the label, or those commands would look for the old frequency.
    setName(node, text);
    db.state().browse.selectedText = text;
    m_doc.imageEdited(tr("Edit transponder"));
    emit imageEdited(true);
}

void CLeftView::deleteTransponder(QTreeWidgetItem* node) {
    if (node == nullptr || kindOf(node) != TreeNodeKind::Transponder)
        return;
    ChannelDatabase& db = m_doc.database();
    QTreeWidgetItem* satellite = node->parent();
    const int tpIndex = findNodeTransponder(db, recordOf(node), bytes(node));
    db.state().currentTpFrequency = nodeFrequency(bytes(node));
    openTransponderDeleteDialog(this, db, m_doc.messages(), tpIndex, 2);
    if (db.state().currentTpFrequency < 0)
        return;
    // The user may have chosen another transponder of the satellite: its nodes are read again.
    m_clicked = nullptr;
    {
        const QSignalBlocker blocker(this);
        refillTransponders(satellite);
        setCurrentItem(satellite);
    }
    applySelection(satellite);
    m_doc.imageEdited(tr("Delete transponder"));
    emit imageEdited(true);
}

QString CLeftView::tipFor(QTreeWidgetItem* node) const {
    const ChannelDatabase& db = m_doc.database();
    switch (kindOf(node)) {
        case TreeNodeKind::Root:
            return translated(shown(rootTip(bytes(node))).toStdString());
        case TreeNodeKind::Satellite:
            return translated(shown(satelliteTip(db, recordOf(node))).toStdString());
        case TreeNodeKind::Transponder:
            return translated(
                shown(transponderTip(db, findNodeTransponder(db, recordOf(node), bytes(node)))).toStdString());
        default:
            return {};
    }
}

bool CLeftView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        QTreeWidgetItem* node = itemAt(help->pos());
        const QString tip = node != nullptr ? tipFor(node) : QString();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport(), visualItemRect(node));
        return true;
    }
    return QTreeWidget::viewportEvent(event);
}

}  // namespace vizud
