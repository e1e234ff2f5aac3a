#include "cli/TableCommands.h"

#include "cli/CliCall.h"
#include "cli/CliCommands.h"
#include "core/common/AppFolder.h"
#include "core/common/RandomSource.h"
#include "core/generators/Oracle.h"
#include "core/persistence/Campaign.h"
#include "core/table/BattleBoxFile.h"
#include "core/table/DiceExpression.h"
#include "core/table/StatsFile.h"
#include "core/table/StatsListModel.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <optional>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// The two forms of bbox and stats: "export CAMPAIGN OUT" and "import CAMPAIGN IN OUT".
bool checkArity(CliCall &call, bool &importing)
{
    importing = call.argument(0) == u"import"_s;
    if (importing && call.argument(3).isEmpty()) {
        call.usageError(u"Missing argument OUT.vlf."_s);
        return false;
    }
    if (!importing && !call.argument(3).isEmpty()) {
        call.usageError(u"Unexpected argument '%1'."_s.arg(call.argument(3)));
        return false;
    }
    return true;
}

// Checks the form, loads the campaign and, for an import, looks for IN: the exit code of a
// refusal, or nothing when the command goes on.
std::optional<int> openExchange(CliCall &call, Campaign &campaign, LoadOutcome &outcome, bool &importing)
{
    if (!checkArity(call, importing))
        return CliCall::Usage;
    if (!CliCommands::load(call, campaign, call.argument(1), outcome))
        return CliCall::Refused;
    if (importing && !call.inputExists(call.argument(2)))
        return CliCall::Refused;
    return std::nullopt;
}

// What an export prints: the file written with its count, or why it could not be.
int exported(CliCall &call, const Result<void> &written, const QString &counted, qsizetype count)
{
    const QString out = call.argument(2);
    if (!written)
        return call.refuse(out, u"could not be saved: "_s + written.error().message);
    return call.wrote(out, {{counted, int(count)}});
}

} // namespace

int TableCommands::roll(CliCall &call)
{
    const Result<DiceExpression> expression = DiceExpression::parse(call.argument(0));
    if (!expression)
        return call.usageError(expression.error().message);
    MersenneRandomSource random;
    if (!call.seedRandom(random))
        return CliCall::Usage;
    const DiceRoll roll = expression->roll(random);
    QJsonArray faces;
    for (int face : roll.faces)
        faces.append(face);
    call.printJson(QJsonDocument(QJsonObject{{u"total"_s, roll.total}, {u"faces"_s, faces}}));
    return CliCall::Success;
}

int TableCommands::ask(CliCall &call)
{
    MersenneRandomSource random;
    if (!call.seedRandom(random))
        return CliCall::Usage;
    // The question does not sway the oracle; a missing answer file gets the window's own words.
    Oracle oracle;
    oracle.load(AppFolder::locate().file(Oracle::FileName()));
    const std::optional<QString> answer = oracle.Ask(random);
    call.printJson(QJsonDocument(QJsonObject{{u"answer"_s, answer ? QJsonValue(*answer) : QJsonValue()}}));
    return CliCall::Success;
}

int TableCommands::bbox(CliCall &call)
{
    bool importing = false;
    Campaign campaign(AppFolder::locate());
    LoadOutcome outcome;
    if (const std::optional<int> refused = openExchange(call, campaign, outcome, importing))
        return *refused;
    QList<BattleBoxEntry> &list = campaign.model.battleBox;
    if (!importing)
        return exported(call, BattleBoxFile::write(call.argument(2), {list, {}}), u"entries"_s, list.size());
    // The campaign's list takes the file's entries; the file is not linked to the campaign.
    const QString in = call.argument(2);
    BattleBoxFile::Content content;
    const Result<BattleBoxFile::Reading> reading = BattleBoxFile::read(in, content);
    if (!reading)
        return call.refuse(in, reading.error().message);
    if (*reading == BattleBoxFile::Reading::WrongFile)
        return call.refuse(in, BattleBoxFile::wrongFile().text.replace(u"\r\n"_s, u" "_s));
    if (*reading == BattleBoxFile::Reading::Loaded)
        list = content.entries;
    return CliCommands::save(call, campaign, call.argument(3), false, outcome);
}

int TableCommands::stats(CliCall &call)
{
    bool importing = false;
    Campaign campaign(AppFolder::locate());
    LoadOutcome outcome;
    if (const std::optional<int> refused = openExchange(call, campaign, outcome, importing))
        return *refused;
    QList<StatsRow> &rows = campaign.model.stats;
    if (!importing)
        return exported(call, StatsFile::write(call.argument(2), rows), u"rows"_s, rows.size());
    const QString in = call.argument(2);
    const Result<QList<StatsRow>> read = StatsFile::read(in);
    if (!read)
        return call.refuse(in, QString(read.error().message).replace(u"\r\n"_s, u" "_s));
    StatsListModel list;
    list.setRows(rows);
    const StatsListModel::ImportCount count = list.importRows(*read);
    rows = list.rows();
    const QString out = call.argument(3);
    if (const Result<void> saved = campaign.SaveCampaign(out, false); !saved)
        return call.refuse(out, u"could not be saved: "_s + saved.error().message);
    return call.wrote(out, {{u"added"_s, count.added}, {u"duplicates"_s, count.duplicates}});
}

} // namespace Velmora
