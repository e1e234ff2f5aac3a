#pragma once

#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include <initializer_list>
#include <span>

namespace Velmora {

/// The fields of one record item, split at ";" without copying: views into the item, which must
/// outlive them. A long list reads tens of thousands of items; a record copies only the fields it
/// keeps, and a list of split texts would cost an allocation per field and one per item.
///
/// The split is QString::split's: an empty item has one empty field, and empty fields are kept.
class ItemFields
{
public:
    explicit ItemFields(QStringView item, QChar separator = u';');

    qsizetype size() const { return m_starts.size(); }
    QStringView at(qsizetype i) const { return m_item.sliced(m_starts[i], end(i) - m_starts[i]); }
    QString text(qsizetype i) const { return at(i).toString(); }
    /// Fields `first` to `last` with the separators between them, as the item holds them.
    QStringView span(qsizetype first, qsizetype last) const;
    /// Field `first` and every field after it: the rest of the item.
    QStringView from(qsizetype first) const { return span(first, size() - 1); }

    /// `fields` joined by ";" in one allocation.
    static QString join(std::span<const QStringView> fields);
    static QString join(std::initializer_list<QStringView> fields)
    {
        return join(std::span(fields.begin(), fields.end()));
    }

private:
    qsizetype end(qsizetype i) const { return i + 1 < size() ? m_starts[i + 1] - 1 : m_item.size(); }

    QStringView m_item;
    QVarLengthArray<qsizetype, 32> m_starts; // where each field begins
};

} // namespace Velmora
