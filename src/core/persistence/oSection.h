#pragma once

#include "core/persistence/oKeyValue.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace Velmora {

/// One named section of an INI-style file: its key lines in file order, keyed by key without
/// regard to letter case.
class oSection
{
public:
    /// An empty name changes nothing; a non-empty one is stored and marks the name as set.
    void setName(const QString &name);
    const QString &Name() const { return m_name; }
    bool IsNameSet() const { return m_isNameSet; }

    void Reset();
    /// Parses each line as a key line and appends it. Stops at the first line that has no "="
    /// or repeats a key, and returns its index in `lines`; the keys before it are kept.
    std::optional<qsizetype> InitKeys(const QStringList &lines);
    /// Parses one key line and appends it; false for a line without "=" or a repeated key.
    bool appendKeyLine(const QString &line);

    const QList<oKeyValue> &KeyValues() const { return m_keyValues; }
    /// The key of that name (any letter case), or nullptr.
    const oKeyValue *find(const QString &key) const;
    oKeyValue *find(const QString &key);

private:
    QString m_name;
    bool m_isNameSet = false;
    QList<oKeyValue> m_keyValues;
    QHash<QString, qsizetype> m_index; // lower-case key -> position
};

} // namespace Velmora
