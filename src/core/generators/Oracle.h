#pragma once

#include "core/generators/LineDraw.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

namespace Velmora {

class RandomSource;

/// The oracle of "Ask the Velmora": a list of answers read from a text file (Windows-1252, one
/// answer a line, CR LF between lines, a title on line 0 that is never drawn) and the draw of
/// an answer with one of eight endings. The question does not enter the draw.
class Oracle
{
    Q_DECLARE_TR_FUNCTIONS(Oracle)

public:
    /// Draws of a line (and of an ending) before the oracle gives up.
    static constexpr int MaxDraws = LineDraw::MaxDraws;

    /// The answer file, relative to the application folder (for AppFolder::file).
    static QString FileName() { return QStringLiteral("\\Documents\\ASKtheVelmora.dat"); }
    static QString Caption();
    /// "?", "!", ".", "...", "?!", "!!", "!!!", "???".
    static const QStringList &Endings();
    /// What the window shows when the answer file is missing or holds a single line.
    static QString MissingFileText();

    /// An oracle without answers.
    Oracle() = default;
    /// The lines of a whole file's bytes, split at CR LF.
    static Oracle fromBytes(QByteArrayView bytes);
    /// Reads the answer file whole. False (and no answers) when it cannot be read.
    bool load(const QString &path);

    const QStringList &lines() const { return m_lines; }
    /// At least one line besides line 0; without one every question gets MissingFileText().
    bool hasAnswerList() const { return m_lines.size() > 1; }

    /// The answer to a question: a line k from 1 on, the nearest whole number to
    /// (n - 1) * r + 1 (an exact half goes to the even one) for n lines, drawn again while it is
    /// past the last line or empty; then the ending at index m - 1 with m the nearest whole
    /// number to 8 * r + 1, drawn again while above 8. The window seeds `random` from the clock
    /// before each question.
    /// MissingFileText() without an answer list; std::nullopt, the question left unanswered,
    /// when no line can be drawn.
    std::optional<QString> Ask(RandomSource &random) const;

private:
    explicit Oracle(QStringList lines);

    QStringList m_lines;
};

} // namespace Velmora
