#include "teams/TeamListWidget.h"

#include <QCoreApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>

namespace {

// The drag names its list by process and address, so a drag from another
// program or window is never taken for one of ours.
QByteArray identityOf(const TeamListWidget* list)
{
    return QByteArray::number(QCoreApplication::applicationPid()) + ' ' +
           QByteArray::number(reinterpret_cast<quintptr>(list));
}

} // namespace

const QString TeamListWidget::MimeType = QStringLiteral("application/x-corvanta-team-list");

TeamListWidget::TeamListWidget(TeamDrop::ListRef ref, QWidget* parent)
    : QListWidget(parent), m_ref(ref)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

std::vector<std::string> TeamListWidget::names() const
{
    std::vector<std::string> result;
    result.reserve(count());
    for (int i = 0; i < count(); ++i)
        result.push_back(item(i)->text().toStdString());
    return result;
}

std::vector<bool> TeamListWidget::selection() const
{
    std::vector<bool> result;
    result.reserve(count());
    for (int i = 0; i < count(); ++i)
        result.push_back(item(i)->isSelected());
    return result;
}

void TeamListWidget::setNames(const std::vector<std::string>& names)
{
    clear();
    for (const std::string& name : names) {
        auto* entry = new QListWidgetItem(QString::fromStdString(name));
        entry->setSizeHint(QSize(0, 14));
        addItem(entry);
    }
}

QMimeData* TeamListWidget::dragData() const
{
    auto* data = new QMimeData;
    data->setData(MimeType, identityOf(this));
    return data;
}

TeamListWidget* TeamListWidget::sourceOf(const QMimeData* data,
                                         const std::vector<TeamListWidget*>& lists)
{
    if (!data || !data->hasFormat(MimeType))
        return nullptr;
    const QByteArray identity = data->data(MimeType);
    for (TeamListWidget* list : lists) {
        if (identityOf(list) == identity)
            return list;
    }
    return nullptr;
}

// The stock drag would take the items out itself; the window moves them
// once the drop is decided.
void TeamListWidget::startDrag(Qt::DropActions)
{
    auto* drag = new QDrag(this);
    drag->setMimeData(dragData());
    drag->exec(Qt::MoveAction);
}

bool TeamListWidget::allows(const QMimeData* data)
{
    bool allowed = false;
    if (data->hasFormat(MimeType))
        emit dragOver(this, data, allowed);
    return allowed;
}

void TeamListWidget::dragEnterEvent(QDragEnterEvent* event)
{
    if (allows(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TeamListWidget::dragMoveEvent(QDragMoveEvent* event)
{
    if (allows(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TeamListWidget::dropEvent(QDropEvent* event)
{
    if (!allows(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit dropped(this, event->mimeData());
}
