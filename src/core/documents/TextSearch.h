#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringView>

namespace Velmora {

/// Where a search found its text in a plain text: `start` is -1 when nothing was found.
struct TextMatch
{
    qsizetype start = -1;
    qsizetype length = 0;

    bool found() const { return start >= 0; }
    bool operator==(const TextMatch &) const = default;
};

/// The search of the search box beside every rich-text view, over the view's plain text (one
/// character per editor position), and the state of its button: "&Find" searches from the top,
/// "&Find Next" from the end of the selection, and a miss turns "&Find Next" back into "&Find"
/// so that the next press starts again from the top.
///
///     TextSearch search;
///     search.setText(u"dragon"_s);               // caption "&Find"
///     TextMatch m = search.press(plain, selStart, selLength, options);
///     if (!m.found()) platform.message(..., TextSearch::notFoundText(), ...);
class TextSearch
{
    Q_DECLARE_TR_FUNCTIONS(Velmora::TextSearch)

public:
    struct Options
    {
        bool wholeWord = false;
        bool matchCase = false;
    };

    /// The first occurrence of `what` in `text` at or after `from`. A whole word has no letter,
    /// digit or "_" right before or after it (the rich-text control's notion of a word break).
    static TextMatch find(QStringView text, QStringView what, qsizetype from, Options options);

    /// The text to look for; changing it resets the caption to "&Find".
    void setText(const QString &what);
    const QString &text() const { return m_what; }
    /// The button is usable only while there is something to look for.
    bool canSearch() const { return !m_what.isEmpty(); }
    /// "&Find" or "&Find Next".
    QString caption() const;
    bool searchesOn() const { return m_next; }

    /// One press of the button over `text`, whose selection is given: "&Find" looks from the
    /// start, "&Find Next" from selectionStart + selectionLength. A hit makes the caption
    /// "&Find Next"; a miss makes it "&Find".
    TextMatch press(QStringView text, qsizetype selectionStart, qsizetype selectionLength, Options options);

    /// The message of a miss, titled with the program's title, plain OK box.
    static QString notFoundText() { return tr("Text not found"); }

private:
    QString m_what;
    bool m_next = false;
};

} // namespace Velmora
