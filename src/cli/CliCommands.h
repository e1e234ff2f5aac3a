#pragma once

#include <QJsonObject>
#include <QStringList>
#include <QTextStream>

namespace Velmora {

/// The commands of velmora-cli. Each writes JSON to `out` and one clear line to `err` when it
/// refuses its input. Exit codes: 0 success, 1 input refused, 2 usage.
class CliCommands
{
public:
    CliCommands(QTextStream &out, QTextStream &err);
    int run(const QStringList &arguments);

private:
    int usage();
    int version();
    int ini(const QString &path);
    void printJson(const QJsonObject &object);

    QTextStream &m_out;
    QTextStream &m_err;
};

} // namespace Velmora
