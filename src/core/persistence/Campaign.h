#pragma once

#include "core/common/AppFolder.h"
#include "core/common/FileWriter.h"
#include "core/persistence/CampaignModel.h"
#include "core/persistence/oVLFile.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace Velmora {

class oIniFile;
class RandomSource;

/// Where loading reports its progress: one message per step, and the number of steps.
struct LoadProgress
{
    std::function<void(const QString &)> message;
    std::function<void(int)> setRange;

    void show(const QString &text) const { if (message) message(text); }
    void range(int steps) const { if (setRange) setRange(steps); }
};

/// What a load found.
struct LoadOutcome
{
    /// False when the file could not be read as a campaign at all (it could not be parsed, or
    /// it holds none of a campaign's blocks); the campaign is then a new one.
    bool readable = true;
    /// What is wrong with an unreadable file, for the message the user sees.
    QString problem;
    /// The blocks (or items) that were skipped because they could not be understood, and why.
    /// The user is not told; tests and velmora-cli are.
    QStringList skipped;
    /// Which blocks were present (GUISET, OPTIONS: their absence has its own defaults).
    QStringList labels;
    /// The DOCUMENTS block named a notes document that was not found: the three default
    /// documents were taken instead. The window tells the user.
    bool defaultDocuments = false;
};

/// The open campaign's data and its block file. One exists for the program; it is reset when
/// another campaign is opened or a new one is started.
class Campaign
{
    Q_DECLARE_TR_FUNCTIONS(Campaign)

public:
    /// Until ResetToNewCampaign or a load, the model is a new campaign whose weather is not
    /// rolled yet.
    explicit Campaign(AppFolder folder);
    ~Campaign();

    CampaignModel model;

    const AppFolder &folder() const { return m_folder; }
    /// The block file of the open campaign; nullptr until a load or a save creates one.
    const oVLFile *blockFile() const { return m_file.get(); }

    /// Every tool back to a new campaign, its weather rolled from `random` (the program-wide
    /// random source); no block file until the next save.
    void ResetToNewCampaign(RandomSource &random);
    /// Replaces the campaign by the file's content: reset, parse, then every block in file
    /// order handed to its owner, each announced through `progress`.
    LoadOutcome LoadCampaignFile(const QString &path, const LoadProgress &progress = {});
    /// LoadCampaignFile over bytes already in memory; the block file has no path.
    LoadOutcome LoadCampaignBytes(const QByteArray &bytes, const LoadProgress &progress = {});
    /// Brings the block file up to date with the model, block by block in the writer's order.
    /// A fresh block file is made when there is none or a 3.0 campaign was loaded since start.
    void WriteCampaignBlocks(const QString &path, bool version3Loaded);
    /// WriteCampaignBlocks, then the whole file written at `path` through a temporary file. On
    /// failure the previous file is as it was, and the error names `path` and the reason.
    Result<void> SaveCampaign(const QString &path, bool version3Loaded);
    /// Reads a campaign of format 3.0; `sessionSettings` is the settings file in memory (its
    /// older form's MAPS and SOUNDS sections).
    LoadOutcome LoadVersion3Campaign(const QString &path, const oIniFile *sessionSettings,
                                     const LoadProgress &progress = {});

private:
    /// Back to a new campaign without rolling: what a load starts from.
    void clear();
    /// The rest of a load once the block file is parsed: refuses a file that is not a
    /// campaign, else hands its blocks to their owners.
    LoadOutcome takeParsedFile(const Result<void> &parsed, const LoadProgress &progress);

    AppFolder m_folder;
    std::unique_ptr<oVLFile> m_file;
};

} // namespace Velmora
