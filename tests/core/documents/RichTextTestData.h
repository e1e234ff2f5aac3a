#pragma once
// Shared by the RTF reader and writer tests: fixture access and ways to look into a document.

#include "core/documents/RichTextDocument.h"

#include "TestConfig.h"

#include <QFile>
#include <QString>

namespace Velmora::RichTextTestData {

inline QByteArray readFixture(const QString &name)
{
    QFile file(QString::fromUtf8(VELMORA_TEST_DATA_DIR) + QStringLiteral("/rtf/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The document's blocks of one kind, in order.
template <typename Kind> QList<Kind> blocksOf(const RichTextDocument &document)
{
    QList<Kind> result;
    for (const RichTextDocument::Block &block : document.blocks) {
        if (const auto *found = std::get_if<Kind>(&block))
            result << *found;
    }
    return result;
}

/// The document's paragraphs outside tables, and its tables.
inline QList<RichTextParagraph> paragraphs(const RichTextDocument &document)
{
    return blocksOf<RichTextParagraph>(document);
}
inline QList<RichTextTable> tablesOf(const RichTextDocument &document) { return blocksOf<RichTextTable>(document); }

inline QString paragraphText(const RichTextParagraph &paragraph)
{
    QString text;
    for (const RichTextRun &run : paragraph.runs)
        text += run.text;
    return text;
}

/// The first paragraph outside tables whose text contains `text`, or a default one.
inline RichTextParagraph paragraphWith(const RichTextDocument &document, const QString &text)
{
    for (const RichTextParagraph &paragraph : paragraphs(document)) {
        if (paragraphText(paragraph).contains(text))
            return paragraph;
    }
    return {};
}

/// The first run anywhere whose text is exactly `text`, or a default one.
inline RichTextRun runWith(const RichTextDocument &document, const QString &text)
{
    for (const RichTextParagraph &paragraph : paragraphs(document)) {
        for (const RichTextRun &run : paragraph.runs) {
            if (run.text == text)
                return run;
        }
    }
    return {};
}

inline QList<RichTextImage> images(const RichTextDocument &document)
{
    QList<RichTextImage> result;
    for (const RichTextParagraph &paragraph : paragraphs(document)) {
        for (const RichTextRun &run : paragraph.runs) {
            if (run.image)
                result << *run.image;
        }
    }
    return result;
}

/// The 4 × 3 pixel PNG that the picture fixtures hold.
inline QByteArray tinyPng()
{
    return QByteArray::fromHex("89504e470d0a1a0a0000000d49484452000000040000000308020000003b963991000000104944415478"
                               "9c6338212707470c383900f5c70c3107ebad990000000049454e44ae426082");
}

} // namespace Velmora::RichTextTestData
