#pragma once

#include "core/persistence/oSection.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

namespace Velmora {

/// Why an INI-style file could not be read, and where (1-based line; 0 when no line applies).
struct IniError
{
    enum Code { FileNotFound, CannotRead, NoEquals, DuplicateSection, DuplicateKey, TooManySections };
    Code code;
    int line = 0;
    QString detail;
    /// "line 7: ..." — what is wrong and where, for messages and the command line.
    QString message() const;
};

/// An INI-style text file of named sections of key=value lines, as the session settings file
/// uses it. Lines end with CR LF; text is Windows-1252. Section and key lookups ignore letter case.
class oIniFile
{
    Q_DECLARE_TR_FUNCTIONS(oIniFile)

public:
    /// The section start table holds 101 headers; a 102nd makes reading fail.
    static constexpr int MaxSections = 101;

    /// Stores the path and, when it is not empty, reads the file. On failure what was read
    /// before the failing line stays (all sections exist; earlier sections have their keys).
    std::optional<IniError> init(const QString &path);
    /// The same parse over bytes already in memory.
    std::optional<IniError> parse(const QByteArray &bytes);

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

    QString m_path;
    bool m_isInit = false;
    QList<oSection> m_sections;
    QList<int> m_sectionStarts; // the line index of each header, file order
};

} // namespace Velmora
