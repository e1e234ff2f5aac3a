#pragma once

#include <QStringList>
#include <QTest>

#include <optional>

namespace Velmora {

/// The round trip of one item of a list block: read by Row::fromItem and written back by
/// toItem(); "" when the item is refused. `read`, when given, gets the row that was read.
template<typename Row>
QString itemRoundTrip(const QString &item, std::optional<Row> *read = nullptr)
{
    const std::optional<Row> row = Row::fromItem(item);
    if (read)
        *read = row;
    return row ? row->toItem() : QString();
}

/// The data-driven round trip of a block of fixed fields, over the columns "items" (QStringList),
/// "understood" (bool) and "written" (QStringList): `record`, the rows' starting state, loads the
/// items, tells whether it understood them all, and writes `written` back. Returns the record
/// loaded, for checks of its fields.
template<typename Record>
Record checkItemsRoundTrip(Record record)
{
    QFETCH(QStringList, items);
    QFETCH(bool, understood);
    QFETCH(QStringList, written);
    QTest::qCompare(record.load(items), understood, "load(items)", "understood", __FILE__, __LINE__);
    QTest::qCompare(record.toItems(), written, "toItems()", "written", __FILE__, __LINE__);
    return record;
}

} // namespace Velmora
