#include "drills/TDrillCat.h"

#include "drills/DrillEditRules.h"
#include "drills/DrillLibraryFile.h"
#include "drills/DrillLibraryNotifier.h"
#include "drills/DrillListPrintout.h"
#include "drills/DrillTreeWidget.h"
#include "drills/DrillWindows.h"
#include "drills/TDrillEntry.h"
#include "report/Printout.h"
#include "report/PrintoutCommands.h"
#include "store/PlainText.h"
#include "store/ProfileStore.h"
#include "ui/CommandButton.h"
#include "ui/DialogServices.h"
#include "ui/ListCollator.h"
#include "ui/SaveFailure.h"
#include "ui/WindowModes.h"

#include <QCoreApplication>
#include <QDragMoveEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>

namespace {

QPointer<TDrillCat> drillList;

constexpr int HelpTopic = 112;
// Rows the tree shows at once, as the scroll while dragging counts them.
constexpr int VisibleRows = 15;

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

QString libraryPath()
{
    return qt(ProfileFilePath(DrillLibraryFileName, true));
}

// Labels in the order of the system's language, capitals apart.
DrillTree::LessThan labelOrder()
{
    const QCollator collator = ListCollator(Qt::CaseSensitive);
    return [collator](const DrillNode& a, const DrillNode& b) {
        return collator.compare(qt(a.label()), qt(b.label())) < 0;
    };
}

} // namespace

TDrillCat::TDrillCat(QWidget* parent) : QDialog(parent)
{
    drillList = this;
    setObjectName(QStringLiteral("TDrillCat"));
    setWindowTitle(QStringLiteral("Drills"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    SetDialogFrame(*this, QSize(395, 292));
    move(92, 48);
    setAcceptDrops(true);
    createControls();
    // Ending the program closes the window too, so the library is saved.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
        if (isVisible())
            close();
    });
}

TDrillCat::~TDrillCat() = default;

TDrillCat* TDrillCat::instance()
{
    if (!drillList)
        CreatePendingDrillWindows();
    return drillList;
}

void TDrillCat::createControls()
{
    auto* title = new QLabel(QStringLiteral("Drill List"), this);
    title->setObjectName(QStringLiteral("DrillListLbl"));
    title->move(8, 8);
    title->adjustSize();

    m_drillTreeView = new DrillTreeWidget(this);
    m_drillTreeView->setGeometry(8, 24, 281, 249);

    const struct
    {
        const char* name;
        const char* text;
        int top;
        void (TDrillCat::*handler)();
    } buttons[] = {
        {"CloseBtn", "&Close", 24, &TDrillCat::CloseBtnClick},
        {"AddBtn", "&Add", 58, &TDrillCat::CmAdd},
        {"EditBtn", "&Edit", 91, &TDrillCat::CmEdit},
        {"DeleteBtn", "De&lete", 125, &TDrillCat::CmDelete},
        {"PrintBtn", "&Print", 158, &TDrillCat::CmPrint},
        {"HelpBtn", "&Help", 192, &TDrillCat::CmHelp},
    };
    for (const auto& button : buttons) {
        AddCommandButton(this, this, button.name, QString::fromLatin1(button.text),
                         {304, button.top, 75, 25}, button.handler)
            ->setAutoDefault(false);
    }
    AddPrintoutCommands(findChild<QPushButton*>(QStringLiteral("PrintBtn")),
                        [this] { return printout(); });

    connect(m_drillTreeView, &DrillTreeWidget::commandKey, this, &TDrillCat::DrillTreeViewKeyDown);
    connect(m_drillTreeView, &DrillTreeWidget::labelEdited, this, &TDrillCat::DrillTreeViewEdited);
    connect(m_drillTreeView, &DrillTreeWidget::nodeDropped, this,
            &TDrillCat::DrillTreeViewDragDrop);
}

void TDrillCat::showModeless()
{
    ShowModeless(*this);
}

int TDrillCat::showModal()
{
    return ShowModal(*this);
}

void TDrillCat::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TDrillCat::FormShow()
{
    m_readState.remember(libraryPath());
    const std::string error = LoadDrillLibrary(m_tree);
    m_loaded = true;
    m_drillTreeView->showTree(m_tree);
    m_drillTreeView->expandAll();
    m_drillTreeView->setCurrentItem(m_drillTreeView->topLevelItem(0));
    if (!error.empty())
        ShowApplicationError(qt(error));
}

void TDrillCat::CmAdd()
{
    // Insert pressed while a label is being renamed adds under the new name.
    m_drillTreeView->finishEditing();
    QTreeWidgetItem* item = m_drillTreeView->currentItem();
    DrillNode* selected = DrillTreeWidget::nodeOf(item);
    TDrillEntry* entry = TDrillEntry::instance();
    if (!selected || !entry)
        return;
    const std::string refusal = AddRefusal(m_tree, *selected);
    if (!refusal.empty()) {
        ShowError(qt(refusal));
        return;
    }
    if (entry->run() != QDialog::Accepted)
        return;
    DrillNode* added = entry->isDrill()
                           ? m_tree.appendDrill(*selected, entry->drillRecord())
                           : m_tree.appendCategory(*selected, entry->name().toStdString());
    if (!added)
        return;
    m_drillTreeView->addNode(item, added);
    item->setExpanded(true);
}

void TDrillCat::CmEdit()
{
    QTreeWidgetItem* item = m_drillTreeView->currentItem();
    DrillNode* selected = DrillTreeWidget::nodeOf(item);
    TDrillEntry* entry = TDrillEntry::instance();
    if (!selected || !entry)
        return;
    entry->clearDrillProposal();
    if (entry->run(selected) != QDialog::Accepted)
        return;
    if (DrillRecord* record = selected->record()) {
        const DrillRecord typed = entry->drillRecord();
        record->minutes = typed.minutes;
        record->emphasis = typed.emphasis;
    }
    item->setText(0, entry->name());
    sortAfterRelabel(item, entry->name().toStdString());
}

void TDrillCat::CmDelete()
{
    QTreeWidgetItem* item = m_drillTreeView->currentItem();
    DrillNode* selected = DrillTreeWidget::nodeOf(item);
    if (!selected)
        return;
    const std::string refusal = DeleteRefusal(*selected);
    if (!refusal.empty()) {
        ShowError(qt(refusal));
        return;
    }
    if (!AskConfirm(qt(DeleteQuestion(*selected))))
        return;
    delete item;
    m_tree.remove(*selected);
}

void TDrillCat::CmPrint()
{
    PrintPrintout(printout(), this, [this] {
        if (m_readState.mayReplace(libraryPath()))
            saveLibrary();
    });
}

Printout TDrillCat::printout() const
{
    return {
        {{DrillListPrintoutInfo, [this](ReportPage& page) { PrintDrillListRows(page, m_tree); }}},
        QStringLiteral("Drill List"),
        PlansFolder()};
}

void TDrillCat::CmHelp()
{
    ShowHelpTopic(HelpTopic);
}

void TDrillCat::CloseBtnClick()
{
    if (TDrillEntry* entry = TDrillEntry::instance())
        entry->clearDrillProposal();
    done(QDialog::Accepted);
}

void TDrillCat::done(int result)
{
    if (m_loaded) {
        if (!m_readState.mayReplace(libraryPath()))
            return;
        // A library that cannot be written must not trap the coach in the window.
        if (!saveLibrary() && !CloseWithoutSaving(QStringLiteral("drill list")))
            return;
        releaseTree();
    }
    QDialog::done(result);
    DrillLibraryNotifier::instance().announceSaved();
}

bool TDrillCat::saveLibrary()
{
    if (SaveDrillLibrary(m_tree))
        return true;
    ShowNotWritten(libraryPath(), QStringLiteral("The drill library was not saved."));
    return false;
}

void TDrillCat::releaseTree()
{
    m_drillTreeView->clearTree();
    m_tree = DrillTree();
    m_loaded = false;
}

void TDrillCat::DrillTreeViewEdited(QTreeWidgetItem* item)
{
    // Blanks stay as typed; quotes the file would take off go now.
    const std::string label = UnquotedText(item->text(0).toStdString(), DrillValueLimit);
    item->setText(0, qt(label));
    sortAfterRelabel(item, label);
}

void TDrillCat::sortAfterRelabel(QTreeWidgetItem* item, const std::string& label)
{
    DrillNode* node = DrillTreeWidget::nodeOf(item);
    Relabel(m_tree, *node, label, labelOrder());
    m_drillTreeView->followOrder(item->parent());
}

bool TDrillCat::DrillTreeViewKeyDown(int key)
{
    if (key == Qt::Key_Insert)
        CmAdd();
    else if (key == Qt::Key_Delete)
        CmDelete();
    else
        return false;
    return true;
}

// Escape closes nothing here; Insert and Delete act on the tree when no
// control has the focus.
void TDrillCat::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        return;
    if (!focusWidget() && event->modifiers() == Qt::NoModifier &&
        DrillTreeViewKeyDown(event->key()))
        return;
    QDialog::keyPressEvent(event);
}

void TDrillCat::DrillTreeViewDragDrop(DrillNode* dragged, QTreeWidgetItem* target)
{
    DrillNode* targetNode = DrillTreeWidget::nodeOf(target);
    const DrillTree::Drop drop = DrillTree::checkDrop(dragged, targetNode);
    if (drop != DrillTree::Drop::Allowed) {
        const std::string message = DropMessage(drop);
        if (!message.empty())
            ShowError(qt(message));
        return;
    }
    QTreeWidgetItem* item = m_drillTreeView->itemOf(dragged);
    if (!item || !m_tree.move(*dragged, *targetNode, targetNode->childCount()))
        return;
    m_drillTreeView->moveItem(item, target);
}

// The window's own surface takes our drags only to scroll the tree.
void TDrillCat::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(DrillTreeWidget::MimeType))
        event->accept();
    else
        event->ignore();
}

void TDrillCat::dragMoveEvent(QDragMoveEvent* event)
{
    event->ignore();
    if (!childAt(event->position().toPoint()))
        FormDragOver(event->position().toPoint());
}

void TDrillCat::dropEvent(QDropEvent* event)
{
    event->ignore();
}

// One row a pointer event while the pointer is above or below the tree.
void TDrillCat::FormDragOver(QPoint position)
{
    const QRect tree = m_drillTreeView->geometry();
    if (position.x() <= tree.left() || position.x() >= tree.left() + tree.width())
        return;
    if (position.y() < tree.top()) {
        if (m_topRow > 0)
            --m_topRow;
        m_drillTreeView->scrollToItem(m_drillTreeView->itemAtTreeIndex(m_topRow),
                                      QAbstractItemView::PositionAtTop);
    } else if (m_topRow < m_tree.nodeCount() - VisibleRows) {
        ++m_topRow;
        m_drillTreeView->scrollToItem(m_drillTreeView->itemAtTreeIndex(m_topRow),
                                      QAbstractItemView::PositionAtTop);
    }
}
