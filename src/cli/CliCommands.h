#pragma once

#include <QJsonObject>
#include <QStringList>
#include <QTextStream>

namespace Velmora {

class Campaign;
struct LoadOutcome;

/// The commands of velmora-cli. Each writes JSON to `out`, or one clear line to `err` when it
/// refuses its input. Exit codes: 0 success, 1 input refused, 2 usage.
class CliCommands
{
public:
    enum Exit { Success = 0, Refused = 1, Usage = 2 };
    /// The seed of `new` without --seed: a fixed value, so that the command always writes the
    /// same file (the program itself seeds from the clock).
    static constexpr quint32 DefaultSeed = 5489;

    CliCommands(QTextStream &out, QTextStream &err);
    int run(const QStringList &arguments);

private:
    int usage();
    int version();
    int ini(const QString &path);
    int blocks(const QString &path);
    int newCampaign(const QString &out, quint32 seed);
    int resave(const QString &in, const QString &out);
    int upgrade(const QString &in, const QString &out);
    int dump(const QString &path);

    /// Refuses a missing input file; true when it exists.
    bool inputExists(const QString &path);
    /// Loads a 4.0 campaign; false (after saying why) when it cannot be read.
    bool load(Campaign &campaign, const QString &path, LoadOutcome &outcome);
    int save(Campaign &campaign, const QString &out, bool version3Loaded, const LoadOutcome &outcome);
    int refuse(const QString &path, const QString &why);
    void printJson(const QJsonObject &object);

    QTextStream &m_out;
    QTextStream &m_err;
};

} // namespace Velmora
