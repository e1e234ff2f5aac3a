#pragma once

#include "core/generators/TownValues.h"

#include <QGroupBox>

#include <array>

class QLabel;
class QLineEdit;

namespace Velmora {

class ToolHost;

/// The Town Generator of the Tools tab: the typed town name and continent, "Generate Town", and
/// the draw's results in labels. TownGenerator decides the draw; the frame shows the town.
class TownGeneratorFrame : public QGroupBox
{
    Q_OBJECT

public:
    explicit TownGeneratorFrame(ToolHost &host, QWidget *parent = nullptr);

    /// The town as the controls show it.
    TownValues town() const;
    /// Shows `town` (a loaded campaign's, or a new campaign's empty one).
    void setTown(const TownValues &town);

    /// A new draw: click sound, every result replaced, name and continent kept, campaign modified.
    void GenerateTownCommand_Click();

private:
    void addRow(int row, int column, const QString &caption, QWidget *field);

    ToolHost &m_host;
    QLineEdit *m_townName = nullptr;
    QLineEdit *m_continent = nullptr;
    QLabel *m_size = nullptr;
    QLabel *m_population = nullptr;
    QLabel *m_gpLimit = nullptr;
    std::array<QLabel *, 4> m_types {};
    std::array<QLabel *, 4> m_alignments {};
    QLabel *m_racialMix = nullptr;
    QLabel *m_dominantRace = nullptr;
};

} // namespace Velmora
