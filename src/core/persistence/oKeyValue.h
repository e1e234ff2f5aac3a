#pragma once

#include <QString>

namespace Velmora {

/// One key line of an INI-style file: the key before the first "=", the value up to the second.
class oKeyValue
{
public:
    /// Parses one key line; false when the line has no "=" (the key and value stay "").
    bool init(const QString &line);

    const QString &Key() const { return m_key; }
    const QString &Value() const { return m_value; }
    void setValue(const QString &value) { m_value = value; }

private:
    QString m_key;
    QString m_value;
};

/// Removes leading and trailing blanks (spaces only, as the files were written).
QString trimBlanks(const QString &text);

} // namespace Velmora
