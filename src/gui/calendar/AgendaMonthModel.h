#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QPixmap>

namespace Velmora {

class AgendaBook;

/// One month page of the Agenda or the Almanach: a row per day with the day number ("Date"), the
/// day's text ("Events") and, when moons are shown, a column per moon with its phase picture on
/// the moon's phase days. Reads and writes the AgendaBook; holds nothing of its own.
class AgendaMonthModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { DateColumn, EventsColumn, FirstMoonColumn };

    /// `pictures` holds the phase pictures 1 to 8 at indexes 0 to 7 and outlives the model.
    AgendaMonthModel(AgendaBook &book, int month, bool showMoons, const QList<QPixmap> &pictures,
                     QObject *parent = nullptr);

    int month() const { return m_month; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    /// Display: the day number, the text with its line breaks, nothing in moon columns.
    /// Edit: the text as stored (line breaks CR LF). Decoration: the phase picture of a moon.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    /// Commits an edit of an "Events" cell. False when nothing changed (the same text, or not an
    /// "Events" cell), so that a caller raises its change event only on true.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    AgendaBook &m_book;
    int m_month;
    int m_moonColumns;
    const QList<QPixmap> &m_pictures;
};

} // namespace Velmora
