#pragma once

#include "core/documents/RichTextDocument.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

#include <optional>

namespace Velmora {

/// Why bytes could not be read as RTF: the reason and the byte offset it was found at.
struct RtfError
{
    QString what;
    qsizetype offset = 0;

    bool operator==(const RtfError &) const = default;
};

/// Reads RTF as WordPad, the Windows rich-text control, Word and LibreOffice write it into a
/// RichTextDocument.
///
/// Any bytes give a document or an error, never a crash, a hang or memory beyond a small
/// multiple of the input: groups nest at most Limits::maxDepth deep, and pictures beyond the
/// size and count limits are left out (their text is kept). Unknown control words are passed
/// over and unknown "{\*\...}" destinations skipped; a file that ends before its groups close
/// gives what was read.
class RtfReader
{
    Q_DECLARE_TR_FUNCTIONS(Velmora::RtfReader)

public:
    struct Limits
    {
        int maxDepth = 256;
        qsizetype maxPictureBytes = 32 * 1024 * 1024;
        int maxPictures = 1000;
    };

    RtfReader() = default;
    explicit RtfReader(const Limits &limits) : m_limits(limits) {}

    /// The document, or std::nullopt with error() set when the bytes are not RTF (they must
    /// start with "{\rtf", after white space) or nest too deeply.
    std::optional<RichTextDocument> read(QByteArrayView rtf);

    /// Why the last read failed; std::nullopt when it did not.
    const std::optional<RtfError> &error() const { return m_error; }

private:
    Limits m_limits;
    std::optional<RtfError> m_error;
};

} // namespace Velmora
