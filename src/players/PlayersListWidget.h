#pragma once

#include "players/PlayerRatings.h"

#include <QCollator>
#include <QListWidget>
#include <string>
#include <vector>

// The list of the players window: the names in the order a person expects,
// capitals apart, each rated player's rating painted as dots at the right of
// its row. Keys 1 to 5 rate the current player and move on to the next, 0
// takes the rating away and F2 renames; the context menu holds the same
// commands. Entries of one name, letter case aside, share one rating.
class PlayersListWidget : public QListWidget
{
    Q_OBJECT

public:
    static constexpr int RatingRole = Qt::UserRole + 1;

    explicit PlayersListWidget(QWidget* parent);

    // Shows `names`, each with its rating (0 for none), in sorted order.
    void load(const std::vector<std::string>& names, const std::vector<int>& ratings);
    // A name in its sorted place, after the names it equals; it takes their rating.
    void addName(const QString& name);
    void addNames(const std::vector<std::string>& names);

    std::vector<std::string> names() const;
    std::vector<PlayerRatings::Rated> ratedNames() const;
    int rating(int row) const;

    // Gives the current entry's name `rating`, then makes the next row current.
    void rate(int rating);
    // Opens the current entry for editing; the edited name takes its sorted
    // place and the rating with it.
    void renameCurrent();

private:
    void createActions();
    QListWidgetItem* newItem(const QString& name, int rating) const;
    int sortedRow(const QString& name) const;
    int ratingOfName(const QString& name) const;
    void setRatingOfName(const QString& name, int rating);
    void nameEdited(QListWidgetItem* item);
    void placeRenamed(const QPersistentModelIndex& index);

    QCollator m_order;
    QPersistentModelIndex m_renaming;
    QString m_nameBefore;
};
