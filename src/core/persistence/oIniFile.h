#pragma once

#include "core/common/Result.h"
#include "core/persistence/oSection.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

namespace Velmora {

/// An INI-style text file of named sections of key=value lines, as the session settings file
/// uses it. Lines end with CR LF; text is Windows-1252. Section and key lookups ignore letter case.
class oIniFile
{
    Q_DECLARE_TR_FUNCTIONS(oIniFile)

public:
    /// The section start table holds 101 headers; a 102nd makes reading fail.
    static constexpr int MaxSections = 101;

    /// Stores the path and, when it is not empty, reads the file. On failure what was read
    /// before the failing line stays (all sections exist; earlier sections have their keys);
    /// the error says what is wrong and where ("line 7: ...").
    Result<void> init(const QString &path);
    /// The same parse over bytes already in memory.
    Result<void> parse(const QByteArray &bytes);

    const QString &path() const { return m_path; }
    bool IsInit() const { return m_isInit; }
    int NumberOfSections() const { return int(m_sections.size()); }
    const QList<oSection> &Sections() const { return m_sections; }

    /// The value, or "" when the section or the key does not exist.
    QString GetOneValue(const QString &section, const QString &key) const;
    /// Sets a value, creating the section or key when missing. A new key line is parsed as read
    /// from a file (trimmed, unquoted, cut at a second "="); an existing key takes `value` as given.
    void UpdateOneValue(const QString &section, const QString &key, const QString &value);

    const oSection *section(const QString &name) const;

private:
    oSection *findSection(const QString &name);
    /// What is wrong at the 1-based `line` (0: no line applies).
    Error error(int line, const QString &what) const;

    QString m_path;
    bool m_isInit = false;
    QList<oSection> m_sections;
    QList<int> m_sectionStarts; // the line index of each header, file order
};

} // namespace Velmora
