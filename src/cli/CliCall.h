#pragma once

#include <QJsonObject>
#include <QStringList>
#include <QTextStream>

class QCommandLineParser;
class QJsonDocument;

namespace Velmora {

class MersenneRandomSource;

/// One run of a command, its command line parsed: what a handler reads, and where it writes.
/// Output is JSON on `out`; a refused input or a usage error is one line on `err`.
class CliCall
{
public:
    enum Exit { Success = 0, Refused = 1, Usage = 2 };

    CliCall(QTextStream &out, QTextStream &err, const QString &command, const QStringList &arguments,
        const QCommandLineParser &parser);

    QTextStream &out() { return m_out; }
    QString argument(qsizetype index) const { return m_arguments.value(index); }
    bool isSet(const QString &option) const;
    QString value(const QString &option) const;
    /// Every value of an option given more than once, in order.
    QStringList values(const QString &option) const;

    /// Says what is wrong with the command line; returns Usage.
    int usageError(const QString &what);
    /// Says why `path` is refused; returns Refused.
    int refuse(const QString &path, const QString &why);
    /// Refuses a missing input file; true when it exists.
    bool inputExists(const QString &path);
    void printJson(const QJsonDocument &document);
    /// The value of --seed in `seed`, left as it is without the option. False, after the usage
    /// error, when the value is not a number from 0 to 4294967295.
    bool readSeed(quint32 &seed);
    /// Seeds `random` with --seed, or from the clock as the window draws. False after the usage
    /// error of readSeed().
    bool seedRandom(MersenneRandomSource &random);
    /// What a command that wrote a file prints: its path and what it counted. Returns Success.
    int wrote(const QString &path, QJsonObject counts = {});

private:
    QTextStream &m_out;
    QTextStream &m_err;
    QString m_command;
    QStringList m_arguments;
    const QCommandLineParser &m_parser;
};

} // namespace Velmora
