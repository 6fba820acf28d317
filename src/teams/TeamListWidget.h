#pragma once

#include "teams/TeamDrop.h"

#include <QListWidget>
#include <string>
#include <vector>

class QMimeData;

// A list of player names in a team set window: the unassigned players or
// one team. A drag carries the identity of the list it started from; the
// window decides each drop by the team rules and tells the lists what moved.
class TeamListWidget : public QListWidget
{
    Q_OBJECT

public:
    static const QString MimeType;

    TeamListWidget(TeamDrop::ListRef ref, QWidget* parent);

    TeamDrop::ListRef ref() const { return m_ref; }
    bool isUnassigned() const { return m_ref.kind == TeamDrop::ListKind::Unassigned; }

    std::vector<std::string> names() const;
    std::vector<bool> selection() const;
    void setNames(const std::vector<std::string>& names);

    // What a drag started from this list carries.
    QMimeData* dragData() const;
    // The list of `lists` a drag's data names, or null.
    static TeamListWidget* sourceOf(const QMimeData* data,
                                    const std::vector<TeamListWidget*>& lists);

signals:
    // Asked while a drag moves over the list: set `allowed` to take it.
    void dragOver(TeamListWidget* target, const QMimeData* data, bool& allowed);
    void dropped(TeamListWidget* target, const QMimeData* data);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool allows(const QMimeData* data);

    TeamDrop::ListRef m_ref;
};
