#include "core/persistence/oBlock.h"

#include "core/common/CodePage.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

using namespace Qt::StringLiterals;

namespace Velmora {

void oBlock::init(QString label, QStringList items, QString splitChr)
{
    m_label = std::move(label);
    m_splitChr = std::move(splitChr);
    Update(std::move(items));
}

const QStringList &oBlock::Items() const
{
    if (!m_itemsBuilt) {
        // Every item ends in a NUL: the items are what comes before the last one, split.
        const QByteArrayView items = QByteArrayView(m_text).first(m_textLength);
        m_items = items.isEmpty() ? QStringList() : splitItems(items.chopped(1));
        m_itemsBuilt = true;
    }
    return m_items;
}

void oBlock::Update(QStringList items)
{
    m_items = std::move(items);
    m_itemsBuilt = true;
    m_text.clear();
    m_built = false;
}

void oBlock::UpdateText(QByteArray text)
{
    m_items.clear();
    m_itemsBuilt = false;
    m_textLength = text.size();
    m_text = std::move(text);
    m_text.resize((m_textLength + 15) / 16 * 16, '\0');
    m_built = true;
}

QStringList oBlock::splitItems(QByteArrayView text)
{
    QStringList items;
    items.reserve(std::count(text.begin(), text.end(), '\0') + 1);
    const char *from = text.data();
    const char *const end = from + text.size();
    for (;;) {
        const char *nul = static_cast<const char *>(std::memchr(from, '\0', size_t(end - from)));
        items.append(CodePage::toUnicode(QByteArrayView(from, (nul ? nul : end) - from)));
        if (!nul)
            return items;
        from = nul + 1;
    }
}

void oBlock::initText(QString label, QByteArrayView itemText)
{
    m_label = std::move(label);
    m_splitChr = QString(u';');
    QByteArray text;
    text.reserve((itemText.size() + 1 + 15) / 16 * 16);
    text.append(itemText).append('\0');
    UpdateText(std::move(text));
}

qsizetype oBlock::itemCount() const
{
    if (m_itemsBuilt)
        return m_items.size();
    qsizetype count = 0;
    const char *from = m_text.constData();
    const char *const end = from + m_textLength;
    while (const char *nul = static_cast<const char *>(std::memchr(from, '\0', size_t(end - from)))) {
        ++count;
        from = nul + 1;
    }
    return count;
}

void oBlock::forEachItem(const std::function<void(const QString &item)> &use) const
{
    if (m_itemsBuilt) {
        for (const QString &item : m_items)
            use(item);
        return;
    }
    if (m_textLength == 0)
        return;
    QString item;
    const char *from = m_text.constData();
    const char *const end = from + m_textLength - 1; // the last item's NUL ends the text
    for (;;) {
        const char *nul = static_cast<const char *>(std::memchr(from, '\0', size_t(end - from)));
        CodePage::toUnicode(QByteArrayView(from, (nul ? nul : end) - from), item);
        use(item);
        if (!nul)
            return;
        from = nul + 1;
    }
}

qint32 oBlock::GetFullBlockSize() const
{
    return qint32(HeaderSize + blockText().size());
}

// The whole file is assembled in memory so that a save can replace the old file in one step;
// writing each block straight to disk would leave a half-written campaign behind on failure.
Result<void> oBlock::PutBlock(QByteArray &file, qsizetype &position) const
{
    const QByteArray &text = blockText();
    if (text.isEmpty())
        return {};
    if (!labelFits())
        return labelTooLong();

    const qsizetype end = position + HeaderSize + text.size();
    if (file.size() < end)
        file.resize(end);
    char *out = file.data() + position;
    const QByteArray label = CodePage::fromUnicode(m_label);
    std::memset(out, 0, HeaderSize);
    std::memcpy(out, label.constData(), size_t(label.size()));
    qToLittleEndian<qint32>(qint32(text.size()), out + MaxLabelLength);
    std::memcpy(out + HeaderSize, text.constData(), size_t(text.size()));
    position = end;
    return {};
}

bool oBlock::labelFits() const
{
    return m_label.size() <= MaxLabelLength;
}

Error oBlock::labelTooLong() const
{
    return Error{QString(), u"block label '%1' is longer than %2 characters"_s.arg(m_label).arg(MaxLabelLength)};
}

const QByteArray &oBlock::blockText() const
{
    if (m_built)
        return m_text;
    qsizetype length = 0;
    for (const QString &item : m_items)
        length += item.size() + 1;
    const qsizetype padded = (length + 15) / 16 * 16;

    // Joined once in UTF-16 and converted in one pass: one allocation per block, not per item.
    QString text;
    text.reserve(padded);
    for (const QString &item : m_items) {
        text += item;
        text += QChar(u'\0');
    }
    text.resize(padded, QChar(u'\0'));
    m_text = CodePage::fromUnicode(text);
    m_built = true;
    return m_text;
}

} // namespace Velmora
